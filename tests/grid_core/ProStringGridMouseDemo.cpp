// The mouse on the grid to try under Xvfb: column borders to drag (with the
// sizing hint), column headers to move with the enhanced feedback, the
// wheel, Ctrl+wheel zoom, hovering rows and headers and cell hints. What
// the grid reports is printed, one line per event. With an argument the
// window closes after that many milliseconds.
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Timer.h"
#include "tests/support/DemoPrint.h"
#include <cstdio>

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Grid mouse"));
    form->SetBounds(20, 20, 560, 360);

    auto* status = new TLabel(form);
    status->SetParent(form);
    status->SetBounds(8, 320, 540, 20);

    auto* grid = new TProStringGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 536, 300);
    grid->SetColCount(6);
    grid->SetRowCount(30);
    grid->SetOptions(grid->Options() + goColSizing + goColMoving);
    grid->SetHintShowSizing(true);
    grid->SetHoverRow(true);
    grid->SetHoverFixedCells(hfAll);
    grid->SetShowHint(true);
    const char* headers[] = {"#", "Device", "Profile", "Channel", "Value", "Unit"};
    for (int c = 0; c < 6; ++c)
        grid->SetCells(c, 0, QString::fromLatin1(headers[c]));
    for (int r = 1; r < 30; ++r) {
        grid->SetCells(0, r, QString::number(r));
        grid->SetCells(1, r, QStringLiteral("Sensor %1").arg(r));
        grid->SetCells(2, r, QStringLiteral("A5-02-%1").arg(r % 16 + 1, 2, 10, QLatin1Char('0')));
        grid->SetCells(3, r, QString::number(r % 4));
        grid->SetCells(4, r, QString::number(18.0 + r * 0.25, 'f', 2));
        grid->SetCells(5, r, QStringLiteral("°C"));
    }
    grid->OnColumnSizing = [&](TObject*, int ACol, int Size) {
        status->SetCaption(QStringLiteral("Column %1: %2 pixels").arg(ACol).arg(Size));
    };
    grid->OnColumnMoving = [&](TObject*, int ACol, bool& Allow) {
        // The device number stays first.
        Allow = ACol != 0;
    };
    grid->OnColumnMoved = [&](TObject*, int From, int To) { Print(QStringLiteral("moved %1 to %2").arg(From).arg(To)); };
    grid->OnGridHint = [&](TObject*, int ARow, int ACol, QString& Hint) {
        Hint = QStringLiteral("Row %1, column %2").arg(ARow).arg(ACol);
    };
    grid->OnSelectionChanged = [&](TObject*, int, int, int, int) {
        Print(QStringLiteral("row %1 top %2 zoom %3").arg(grid->Row()).arg(grid->TopRow()).arg(grid->ZoomFactor()));
    };
    auto* report = new TTimer(form);
    report->SetInterval(1000);
    report->OnTimer = [&](TObject*) {
        Print(QStringLiteral("widths %1 %2 %3 headers %4 %5 %6 row %7 top %8 zoom %9")
                  .arg(grid->ColWidths(1))
                  .arg(grid->ColWidths(2))
                  .arg(grid->ColWidths(3))
                  .arg(grid->Cells(1, 0), grid->Cells(2, 0), grid->Cells(3, 0))
                  .arg(grid->Row())
                  .arg(grid->TopRow())
                  .arg(grid->ZoomFactor()));
    };
    form->Show();
    if (argc > 1) {
        auto* quit = new TTimer(form);
        quit->SetInterval(QString::fromLocal8Bit(argv[1]).toInt());
        quit->OnTimer = [&](TObject*) { Application->Terminate(); };
    }
    Application->Run();
    return 0;
}
