// The drop-down edits to try by hand under Xvfb: one with a header and a
// footer around a panel (the label reports openings and closings), a
// money edit with a prefix, the calculator, the time picker, the detail
// list, the table, the image picker, the track bar, the memo, a plain
// edit to click outside and a Cancel button (Escape) that reports its
// clicks. Runs until the window is closed.
#include "grid/dropdown/ProCalculatorDropdown.h"
#include "grid/dropdown/ProDetailDropDown.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/ProImagePickerDropDown.h"
#include "grid/dropdown/ProMemoDropDown.h"
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "grid/dropdown/ProTimePickerDropDown.h"
#include "grid/dropdown/ProTrackBarDropDown.h"
#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"

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
    form->SetBounds(20, 20, 420, 300);

    auto* log = new TLabel(form);
    log->SetParent(form);
    log->SetBounds(10, 250, 280, 20);

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

    auto* images = new TImageList(form);
    const TColor colours[] = {clRed, clGreen, clBlue, clYellow, clFuchsia, clAqua, clMaroon, clNavy};
    for (TColor c : colours) {
        TBitmap b(16, 16);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(TRect(0, 0, 16, 16));
        images->Add(&b, nullptr);
    }

    auto* detail = new TProDetailDropDown(form);
    detail->SetParent(form);
    detail->SetBounds(10, 160, 180, 22);
    detail->SetImages(images);
    const char* devices[][2] = {{"Room sensor", "temperature <b>A5-02-05</b>"},
                                {"Rocker switch", "two channels <i>F6-02-01</i>"},
                                {"Window contact", "open/closed D5-00-01"},
                                {"Room panel", "set point A5-10-06"}};
    for (int i = 0; i < 4; ++i) {
        TDetailItem* item = detail->Items()->Add();
        item->SetCaption(QString::fromUtf8(devices[i][0]));
        item->SetNotes(QString::fromUtf8(devices[i][1]));
        item->SetImageIndex(i);
    }
    detail->SetItemHeight(36);
    detail->OnSelect = [log, detail](TObject*) { log->SetCaption(QStringLiteral("detail ") + detail->Text()); };

    auto* table = new TProMultiColumnDropDown(form);
    table->SetParent(form);
    table->SetBounds(200, 160, 180, 22);
    table->SetImages(images);
    const char* headers[] = {"Profile", "Name", "Channels"};
    for (const char* h : headers)
        table->Columns()->Add()->SetHeader(QString::fromUtf8(h));
    table->Columns()->Items(0)->SetColumnType(ProMultiColumnDropDownUnit::ctImage);
    table->Columns()->Items(0)->SetAutoSize(true);
    table->SetLookupColumn(1);
    const char* rows[][3] = {{"A5-02-05", "Temperature", "1"}, {"A5-04-01", "Humidity", "2"},
                             {"A5-06-01", "Light", "1"},       {"A5-07-01", "Occupancy", "1"},
                             {"A5-10-06", "Room panel", "3"},  {"D5-00-01", "Contact", "1"},
                             {"F6-02-01", "Rocker", "2"},      {"A5-09-04", "CO2", "3"},
                             {"A5-12-01", "Meter", "4"},       {"A5-20-01", "Valve", "2"}};
    table->BeginUpdate();
    for (int i = 0; i < 10; ++i) {
        auto* item = table->Items()->Add();
        item->SetImageIndex(i % 8);
        for (const char* t : rows[i])
            item->Text()->Add(QString::fromUtf8(t));
    }
    table->EndUpdate();
    table->OnSelect = [log, table](TObject*) { log->SetCaption(QStringLiteral("table ") + table->Text()); };

    auto* picker = new TProImagePickerDropDown(form);
    picker->SetParent(form);
    picker->SetBounds(10, 210, 80, 26);
    picker->SetImages(images);
    picker->AddImagesFromImageList();
    picker->SetColumns(4);
    picker->OnSelect = [log, picker](TObject*) {
        log->SetCaption(QStringLiteral("image %1").arg(picker->ItemIndex()));
    };

    auto* track = new TProTrackBarDropDown(form);
    track->SetParent(form);
    track->SetBounds(110, 210, 100, 22);
    track->SetMax(20);
    track->SetPosition(5);

    auto* memo = new TProMemoDropDown(form);
    memo->SetParent(form);
    memo->SetBounds(230, 210, 150, 22);
    memo->SetEditorEnabled(false);
    TStringList lines;
    lines.Add(QStringLiteral("First line"));
    lines.Add(QStringLiteral("Second line"));
    memo->SetMemoText(&lines);

    auto* cancel = new TButton(form);
    cancel->SetParent(form);
    cancel->SetBounds(300, 250, 80, 25);
    cancel->SetCaption(QStringLiteral("Cancel"));
    cancel->SetCancel(true);
    cancel->OnClick = [log](TObject*) { log->SetCaption(QStringLiteral("Cancel clicked")); };

    form->Show();
    Application->Run();
    return 0;
}
