// The string grid's painting to look at under Xvfb: a table of BACnet
// objects as the configurator shows them, with headers, a type column
// whose drop-down buttons stay visible, a check-box column, coloured and
// banded rows, a merged note, a progress column and a sorted header. With
// an argument the window closes after that many milliseconds.
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/Bands.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/StringList.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("BACnet objects"));
    form->SetBounds(20, 20, 700, 330);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 676, 280);
    grid->Font()->SetName(QStringLiteral("Tahoma"));
    grid->Font()->SetHeight(-11);
    grid->SetColCount(7);
    grid->SetRowCount(12);
    grid->SetDefaultRowHeight(20);
    grid->SetOptions(grid->Options() + goEditing);
    const int widths[] = {34, 150, 120, 60, 90, 110, 90};
    for (int c = 0; c < 7; ++c)
        grid->SetColWidths(c, widths[c]);
    const char* headers[] = {"#", "Object name", "Type", "Enabled", "Units", "Position", "Level"};
    for (int c = 0; c < 7; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(headers[c]));

    const char* names[] = {"Room temperature", "Set point", "Window contact", "Occupancy", "Humidity",
                           "Valve position",   "CO2",       "Light switch",   "Blind",     "Energy meter",
                           "Door contact"};
    const char* types[] = {"Analog Input", "Analog Value", "Binary Input", "Binary Input", "Analog Input",
                           "Analog Output", "Analog Input", "Binary Output", "Analog Output", "Analog Input",
                           "Binary Input"};
    const char* units[] = {"degC", "degC", "-", "-", "%", "%", "ppm", "-", "%", "kWh", "-"};
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QString::fromLatin1(names[r - 1]));
        grid->SetCells(2, r, QString::fromLatin1(types[r - 1]));
        grid->SetCells(4, r, QString::fromLatin1(units[r - 1]));
        grid->SetCells(6, r, QString::number(r * 9 % 100));
    }
    // The type column offers its values in a list whose button always shows.
    grid->ControlLook()->SetDropDownAlwaysVisible(true);
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 2)
            AEditor = edComboList;
    };
    grid->AddCheckBoxColumn(3, false, true);
    for (int r : {1, 2, 5, 6, 9})
        grid->SetCheckBoxState(3, r, true);
    for (int r = 1; r < 12; ++r)
        grid->AddProgress(6, r, TColor(0x3CB371), clWhite);
    grid->SetCells(5, 1, QStringLiteral("<b>Floor 1</b>, room <font color=\"clRed\">12</font>"));
    grid->SetCells(5, 2, QStringLiteral("Floor 1, room 12"));
    grid->MergeCells(5, 1, 1, 2);
    grid->SetCells(5, 4, QStringLiteral("A position text too long for its column"));
    grid->SetColors(1, 3, TColor(0xCCFFFF));
    grid->SetColors(1, 7, TColor(0xCCE5FF));
    grid->SetFontColors(4, 6, clRed);
    grid->Bands()->SetPrimaryColor(clWhite);
    grid->Bands()->SetSecondaryColor(TColor(0xF7F3EF));
    grid->Bands()->SetActive(true);
    grid->SortSettings()->SetShow(true);
    grid->SortSettings()->SetColumn(1);
    grid->SetEnhTextSize(true);
    grid->SetWordWrap(false);
    grid->SetSelection(TGridRect{1, 8, 2, 9});

    form->Show();
    if (argc > 1) {
        auto* timer = new TTimer(form);
        timer->SetInterval(unsigned(QString::fromLocal8Bit(argv[1]).toInt()));
        timer->OnTimer = [form](TObject*) { form->Close(); };
    }
    Application->Run();
    return 0;
}
