// The grid foundation's small controls and editors on one form, for trying
// them by hand under a real X server (xvfb-run, xdotool).
#include "grid/foundation/EditBtn.h"
#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ProDateTimePicker.h"
#include "grid/foundation/ProGridButton.h"
#include "grid/foundation/SgComboBox.h"
#include "grid/foundation/SgDateTimePicker.h"
#include "grid/foundation/SpinEdit.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Menu.h"
#include "platform/rtl/DateTime.h"

namespace {

template <typename T>
T* Place(TWinControl* Parent, int X, int Y, int W, int H)
{
    auto* c = new T(Parent);
    c->SetParent(Parent);
    c->SetBounds(X, Y, W, H);
    return c;
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid controls"));
    form->SetBounds(20, 20, 560, 330);
    form->SetColor(clBtnFace);
    auto* status = Place<TLabel>(form, 10, 300, 500, 16);

    auto* combo = Place<TSgComboBox>(form, 110, 10, 160, 22);
    for (const char* s : {"Analog Input", "Analog Output", "Binary Input", "Binary Value"})
        combo->Items()->Add(QString::fromLatin1(s));
    combo->SetStyle(csDropDownList);
    combo->SetFlat(true);
    combo->SetBorderColor(0x808080);
    combo->SetFocusBorderColor(clNavy);
    combo->SetLabelCaption(QStringLiteral("Object type"));
    combo->SetLabelPosition(lpLeftCenter);
    combo->OnChange = [&](TObject*) { status->SetCaption(QStringLiteral("combo: ") + combo->Text()); };

    auto* coloured = Place<TSgComboBox>(form, 110, 42, 160, 22);
    coloured->Items()->Add(QStringLiteral("Yes"));
    coloured->Items()->Add(QStringLiteral("No"));
    coloured->SetButtonColor(0xE0C0A0);
    coloured->SetButtonColorHot(0xF0D8C0);
    coloured->SetButtonColorDown(0xC0A080);
    coloured->SetButtonTextColor(clNavy);
    coloured->SetLabelCaption(QStringLiteral("Coloured"));
    coloured->SetLabelPosition(lpLeftCenter);

    auto* spin = Place<TSgSpinEdit>(form, 110, 74, 100, 24);
    auto* spinLabel = Place<TLabel>(form, 10, 78, 90, 16);
    spinLabel->SetCaption(QStringLiteral("Spin (0..100)"));
    spin->OnChange = [&](TObject*) { status->SetCaption(QStringLiteral("spin: ") + spin->Text()); };
    auto* dateSpin = Place<TSgSpinEdit>(form, 220, 74, 110, 24);
    dateSpin->SetSpinType(sptDate);
    dateSpin->SetDateValue(EncodeDate(2024, 2, 29));

    auto* unit = Place<TSgUnitEditBtn>(form, 110, 106, 160, 24);
    for (const char* s : {"m", "km", "mm"})
        unit->Units()->Add(QString::fromLatin1(s));
    unit->SetTextAndUnit(QStringLiteral("12km"));
    unit->OnUnitChanged = [&](TObject*, const QString& u) { status->SetCaption(QStringLiteral("unit: ") + u); };
    auto* btn = Place<TSgEditBtn>(form, 280, 106, 150, 24);
    btn->SetButtonCaption(QStringLiteral("..."));
    btn->OnClickBtn = [&](TObject*) { status->SetCaption(QStringLiteral("edit button clicked")); };

    auto* picker = Place<TProDateTimePicker>(form, 110, 140, 220, 24);
    picker->SetDateTime(EncodeDateTime(2024, 5, 6, 7, 8, 9, 0));
    picker->SetAutoTab(true);
    picker->SetLabelCaption(QStringLiteral("Start"));
    picker->SetLabelPosition(lpLeftCenter);

    auto* metro = Place<TSgDateTimePicker>(form, 360, 140, 130, 24);
    metro->SetMetroStyle(true);
    metro->SetBorderColor(0x808080);
    metro->SetFocusBorderColor(clNavy);
    metro->SetDateTime(EncodeDate(2024, 12, 31));
    auto* checked = Place<TProDateTimePicker>(form, 300, 250, 240, 24);
    checked->SetShowCheckbox(true);
    checked->SetChecked(false);
    checked->SetDateTime(EncodeDateTime(2025, 1, 2, 3, 4, 5, 0));
    checked->SetMetroStyle(true);

    auto* find = Place<TProGridButton>(form, 10, 180, 80, 23);
    find->SetCaption(QStringLiteral("&Find"));
    find->SetLook(1);
    find->OnClick = [&](TObject*) { status->SetCaption(QStringLiteral("find clicked")); };
    auto* menu = new TPopupMenu(form);
    for (const char* s : {"Whole word", "From start"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(QString::fromLatin1(s));
        item->OnClick = [&, item](TObject*) { status->SetCaption(QStringLiteral("menu: ") + item->Caption()); };
        menu->Items()->Add(item);
    }
    auto* drop = Place<TProGridButton>(form, 100, 180, 90, 23);
    drop->SetCaption(QStringLiteral("Options"));
    drop->SetLook(2);
    drop->SetDropDownButton(true);
    drop->SetDropDownMenu(menu);
    auto* a = Place<TProGridButton>(form, 200, 180, 60, 23);
    auto* b = Place<TProGridButton>(form, 265, 180, 60, 23);
    a->SetCaption(QStringLiteral("Left"));
    b->SetCaption(QStringLiteral("Right"));
    for (TProGridButton* g : {a, b}) {
        g->SetGroupIndex(1);
        g->SetLook(6);
    }
    a->SetDown(true);
    auto* check = Place<TProCheckBox>(form, 10, 215, 140, 20);
    check->SetCaption(QStringLiteral("&Match case"));
    check->SetTabStop(true);
    check->OnClick = [&](TObject*) {
        status->SetCaption(check->Checked() ? QStringLiteral("match case on") : QStringLiteral("match case off"));
    };

    form->Show();
    Application->Run();
    return 0;
}
