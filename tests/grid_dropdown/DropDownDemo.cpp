// The drop-down edits to try by hand under Xvfb: one with a header and a
// footer around a panel (the label reports openings and closings), a
// money edit with a prefix, the calculator, the time picker and a plain
// edit to click outside. Runs until
// the window is closed.
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "platform/controls/Application.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"

namespace {

class TDemoDropDown : public TProCustomDropDown {
public:
    explicit TDemoDropDown(TComponent* AOwner) : TProCustomDropDown(AOwner)
    {
        Panel = new TPanel(this);
        Panel->SetCaption(QStringLiteral("hosted control"));
        SetControl(Panel);
    }
    void BeforeDropDown() override
    {
        Panel->SetAlign(alNone);
        Panel->SetBounds(0, 0, 240, 110);
        TProCustomDropDown::BeforeDropDown();
    }
    TPanel* Panel = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Drop-down"));
    form->SetBounds(20, 20, 420, 260);

    auto* log = new TLabel(form);
    log->SetParent(form);
    log->SetBounds(10, 200, 400, 20);

    auto* dd = new TDemoDropDown(form);
    dd->SetParent(form);
    dd->SetBounds(10, 10, 240, 22);
    dd->SetText(QStringLiteral("value"));
    dd->DropDownHeader()->SetCaption(QStringLiteral("<b>Header</b>"));
    dd->DropDownHeader()->Buttons()->Add()->SetCaption(QStringLiteral("Clear"));
    dd->DropDownFooter()->Buttons()->Add()->SetCaption(QStringLiteral("OK"));
    dd->DropDownFooter()->Buttons()->Items(0)->SetModalResult(mrOk);
    dd->OnDropDown = [log](TObject*, bool&) { log->SetCaption(QStringLiteral("opened")); };
    dd->OnDropUp = [log](TObject*, bool Cancelled) {
        log->SetCaption(Cancelled ? QStringLiteral("closed cancelled") : QStringLiteral("closed"));
    };
    dd->OnDropDownHeaderButtonClick = [dd](TObject*, int) { dd->SetText(QString()); };

    auto* money = new TProCustomDropDown(form);
    money->SetParent(form);
    money->SetBounds(10, 60, 160, 22);
    money->SetEditType(etMoney);
    money->SetPrecision(2);
    money->SetPrefix(QStringLiteral("$ "));
    money->SetText(QStringLiteral("1234.5"));

    auto* calc = new TProCalculatorDropdown(form);
    calc->SetParent(form);
    calc->SetBounds(200, 60, 180, 22);

    auto* time = new TProTimePickerDropDown(form);
    time->SetParent(form);
    time->SetBounds(200, 110, 120, 22);
    time->OnTimeChange = [log, time](TObject*) { log->SetCaption(QStringLiteral("time ") + time->EditText()); };

    auto* other = new TEdit(form);
    other->SetParent(form);
    other->SetBounds(10, 110, 160, 22);

    form->Show();
    Application->Run();
    return 0;
}
