// The grid drop-down to try by hand under Xvfb: a list of devices with a
// sortable header, one that narrows while typing, a plain edit to click
// outside, and a string grid whose "Device" column is edited with the grid
// drop-down (F2 or typing). The label reports each close. Runs until the
// window is closed.
#include "grid/core/GridProGridDropDown.h"
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"

using namespace ProCustomGridDropDownUnit;

namespace {

void AddDevices(TCustomProGridDropDown* dd)
{
    for (const char* h : {"Code", "Device", "Profile"})
        dd->Columns()->Add()->SetHeader(QString::fromUtf8(h));
    dd->SetLookupColumn(1);
    const char* rows[][3] = {{"01", "Room sensor", "A5-02-05"},   {"02", "Window contact", "D5-00-01"},
                             {"03", "Rocker switch", "F6-02-01"}, {"04", "Occupancy", "A5-07-01"},
                             {"05", "Light sensor", "A5-06-02"},  {"06", "Valve actuator", "A5-20-01"},
                             {"07", "Humidity", "A5-04-01"},      {"08", "CO2 sensor", "A5-09-04"},
                             {"09", "Thermostat", "A5-10-06"},    {"10", "Door handle", "F6-10-00"}};
    dd->BeginUpdate();
    for (const auto& r : rows) {
        TDropDownItem* item = dd->Items()->Add();
        for (const char* t : r)
            item->Text()->Add(QString::fromUtf8(t));
    }
    dd->EndUpdate();
}

TCustomProGridDropDown* MakeDropDown(TForm* Form, int Top, TLabel* Log, const QString& Name)
{
    auto* dd = new TCustomProGridDropDown(Form);
    dd->SetParent(Form);
    dd->SetBounds(10, Top, 260, 22);
    AddDevices(dd);
    dd->OnDropUp = [dd, Log, Name](TObject*, bool Cancelled) {
        Log->SetCaption(Name + (Cancelled ? QStringLiteral(" cancelled: ") : QStringLiteral(" kept: ")) +
                        QString::number(dd->ItemIndex()) + QStringLiteral(" ") + dd->GetText());
    };
    return dd;
}

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid drop-down"));
    form->SetBounds(20, 20, 420, 340);
    auto* log = new TLabel(form);
    log->SetParent(form);
    log->SetBounds(10, 150, 400, 20);
    TCustomProGridDropDown* sorted = MakeDropDown(form, 10, log, QStringLiteral("sorted"));
    sorted->SetSorting(gsSingleColumn);
    sorted->SetItemIndex(2);
    TCustomProGridDropDown* narrow = MakeDropDown(form, 50, log, QStringLiteral("narrowed"));
    narrow->SetLookupMethod(lmNarrowDown);
    auto* plain = new TEdit(form);
    plain->SetParent(form);
    plain->SetBounds(10, 100, 200, 22);
    plain->SetText(QStringLiteral("click here"));

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(10, 180, 400, 140);
    grid->SetColCount(3);
    grid->SetRowCount(4);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetColWidths(1, 160);
    grid->SetCells(1, 0, QStringLiteral("Device"));
    grid->SetCells(1, 1, QStringLiteral("Occupancy"));
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 1)
            AEditor = edProGridDropDown;
    };
    AddDevices(grid->ProGridDropDown());
    Application->Run();
    return 0;
}
