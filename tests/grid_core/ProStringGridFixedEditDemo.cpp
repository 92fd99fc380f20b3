// Fixed cells to try under Xvfb: a double click on a column header edits
// it (Return keeps, Escape drops), a right press on a row header picks
// from a list, and the button at a hovered header's right pops up a menu.
// What the grid reports is printed, one line per event. With an argument
// the window closes after that many milliseconds.
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Timer.h"
#include "tests/support/DemoPrint.h"
#include <cstdio>

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid fixed cells"));
    form->SetBounds(20, 20, 560, 340);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 536, 300);
    grid->SetColCount(9);
    grid->SetRowCount(12);
    grid->SetOptions(grid->Options() + goColSizing);
    grid->SetLook(glOffice2007);
    grid->SetHoverFixedCells(hfFixedRows);
    grid->ControlLook()->SetFixedDropDownButton(true);
    TMouseActions* ma = grid->MouseActions();
    ma->SetFixedRowsEdit(fceDblClick);
    ma->SetFixedColsEdit(fceRightClick);
    ma->SetFixedColsEditor(fceComboList);
    TStringList kinds;
    kinds.SetCommaText(QStringLiteral("Input,Output,Value"));
    ma->SetFixedComboValues(&kinds);
    const char* headers[] = {"#", "Device", "Profile", "Channel", "Value", "Unit", "Object", "Instance", "Name"};
    for (int c = 0; c < 9; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, QStringLiteral("Input"));
        grid->SetCells(1, r, QStringLiteral("Sensor %1").arg(r));
        grid->SetCells(2, r, QStringLiteral("A5-02-%1").arg(r % 16 + 1, 2, 10, QLatin1Char('0')));
        grid->SetCells(3, r, QString::number(r % 4));
        grid->SetCells(4, r, QString::number(18.0 + r * 0.25, 'f', 2));
    }
    auto* menu = new TPopupMenu(form);
    for (const char* caption : {"Sort ascending", "Sort descending", "Hide column"}) {
        auto* item = new TMenuItem(menu);
        item->SetCaption(QString::fromLatin1(caption));
        item->OnClick = [menu, item](TObject*) {
            Print(QStringLiteral("menu %1 on column %2").arg(item->Caption()).arg(menu->Tag()));
        };
        menu->Items()->Add(item);
    }
    grid->SetFixedDropDownMenu(menu);
    grid->OnEditChange = [](TObject*, int ACol, int ARow, const QString& Value) {
        Print(QStringLiteral("change %1,%2 %3").arg(ACol).arg(ARow).arg(Value));
    };
    auto* report = new TTimer(form);
    report->SetInterval(1000);
    report->OnTimer = [grid](TObject*) {
        Print(QStringLiteral("headers %1|%2|%3 row headers %4|%5")
                  .arg(grid->Cells(1, 0), grid->Cells(2, 0), grid->Cells(3, 0), grid->Cells(0, 1), grid->Cells(0, 2)));
    };
    grid->OnFixedDropDownClick = [](TObject*, int ACol, int ARow, TPopupMenu*&, bool&) {
        Print(QStringLiteral("drop down %1,%2").arg(ACol).arg(ARow));
    };
    if (argc > 1) {
        auto* close = new TTimer(form);
        close->SetInterval(QString::fromLocal8Bit(argv[1]).toInt());
        close->OnTimer = [form](TObject*) { form->Close(); };
    }
    Application->Run();
    return 0;
}
