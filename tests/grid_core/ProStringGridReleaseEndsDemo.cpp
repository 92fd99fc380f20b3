// The ends of a press to try under Xvfb: the fixed column's and the fixed
// row's borders to drag, column and row headers to move with the enhanced
// feedback, a cell with its own scroll bar, and spin and button editors
// whose changes show in the cell at once. What the grid reports is
// printed, one line per event. With an argument the window closes after
// that many milliseconds.
#include "grid/core/GridEditors.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/Timer.h"
#include "tests/support/DemoPrint.h"
#include <cstdio>

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid press ends"));
    form->SetBounds(20, 20, 560, 340);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 536, 320);
    grid->SetColCount(6);
    grid->SetRowCount(12);
    grid->SetOptions(grid->Options() + goColMoving + goRowMoving + goEditing);
    grid->MouseActions()->SetSizeFixedCol(true);
    grid->MouseActions()->SetSizeFixedRow(true);
    const char* headers[] = {"#", "Device", "Spin", "Edit", "Notes", "Unit"};
    for (int c = 0; c < 6; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
    for (int r = 1; r < 12; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("Sensor %1").arg(r));
        grid->SetCells(2, r, QString::number(r * 5));
        grid->SetCells(3, r, QStringLiteral("A5-02-%1").arg(r, 2, 10, QLatin1Char('0')));
        grid->SetCells(5, r, QStringLiteral("°C"));
    }
    grid->SetRowHeights(2, 70);
    grid->SetColWidths(4, 120);
    grid->SetMultilinecells(true);
    grid->SetCells(4, 2, QStringLiteral("one\r\ntwo\r\nthree\r\nfour\r\nfive\r\nsix\r\nseven\r\neight\r\nnine\r\nten\r\neleven\r\ntwelve"));
    grid->AddScrollBar(4, 2, true);
    grid->OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        if (ACol == 2)
            AEditor = edSpinEdit;
        else if (ACol == 3)
            AEditor = edEditBtn;
    };
    grid->OnEndColumnSize = [&](TObject*, int ACol) {
        Print(QStringLiteral("end column size %1 width %2").arg(ACol).arg(grid->ColWidths(ACol)));
    };
    grid->OnEndRowSize = [&](TObject*, int ARow) {
        Print(QStringLiteral("end row size %1 height %2").arg(ARow).arg(grid->RowHeights(ARow)));
    };
    grid->OnColumnMoved = [&](TObject*, int From, int To) { Print(QStringLiteral("column moved %1 to %2").arg(From).arg(To)); };
    grid->OnRowMoved = [&](TObject*, int From, int To) { Print(QStringLiteral("row moved %1 to %2").arg(From).arg(To)); };
    grid->OnEndBlockFocus = [&](TObject*) { Print(QStringLiteral("end block focus")); };
    grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Pos, int, int Max) {
        Print(QStringLiteral("cell %1,%2 scrolled to %3 of %4").arg(ACol).arg(ARow).arg(Pos).arg(Max));
    };
    grid->OnEditChange = [&](TObject*, int ACol, int ARow, const QString& Value) {
        Print(QStringLiteral("edit %1,%2 %3 cell %4").arg(ACol).arg(ARow).arg(Value, grid->Cells(ACol, ARow)));
    };
    auto* report = new TTimer(form);
    report->SetInterval(1000);
    report->OnTimer = [&](TObject*) {
        TScrollBar* bar = grid->CellScrollBar();
        Print(QStringLiteral("cell bar %1 at %2,%3 %4x%5 position %6")
                  .arg(bar->Visible())
                  .arg(bar->Left())
                  .arg(bar->Top())
                  .arg(bar->Width())
                  .arg(bar->Height())
                  .arg(bar->Position()));
        Print(QStringLiteral("fixed %1x%2 headers %3 %4 %5 rows %6 %7")
                  .arg(grid->ColWidths(0))
                  .arg(grid->RowHeights(0))
                  .arg(grid->Cells(1, 0), grid->Cells(2, 0), grid->Cells(3, 0))
                  .arg(grid->Cells(1, 1), grid->Cells(1, 3)));
    };
    if (argc > 1) {
        auto* close = new TTimer(form);
        close->SetInterval(unsigned(QString::fromLocal8Bit(argv[1]).toInt()));
        close->OnTimer = [&](TObject*) { form->Close(); };
    }
    Application->Run();
    return 0;
}
