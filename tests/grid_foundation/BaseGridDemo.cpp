// A base grid to try by hand under Xvfb: merged ranges (one in the fixed
// row), coloured cells, the rounded selection, the active row and a hover
// row that follows the mouse. Runs until the window is closed.
#include "grid/foundation/BaseGrid.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"

namespace {

class TDemoGrid : public TBaseGrid {
public:
    using TBaseGrid::TBaseGrid;

    void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool, bool, bool, TBrush* ABrush,
                             TColor& AColorTo, TColor&, TColor&, TFont*, TAlignment&, TVAlignment&, bool&,
                             TCellGradientDirection&) override
    {
        if (AState.Contains(gdFixed) || !HasCellProperties(ACol, ARow))
            return;
        TCellProperties* props = CellProperties(ACol, ARow);
        if (props->BrushColor() != clNone)
            ABrush->SetColor(props->BrushColor());
        AColorTo = props->BrushColorTo();
    }

protected:
    void MouseMove(TShiftState Shift, int X, int Y) override
    {
        TBaseGrid::MouseMove(Shift, X, Y);
        const int row = MouseCoord(X, Y).Y;
        if (row != FHoverRowIdx) {
            FHoverRowIdx = row;
            Invalidate();
        }
    }
};

} // namespace

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Base grid"));
    form->SetBounds(10, 10, 520, 360);

    auto* grid = new TDemoGrid(form);
    grid->SetParent(form);
    grid->SetBounds(8, 8, 496, 310);
    grid->SetColCount(8);
    grid->SetRowCount(40);
    grid->SetDefaultColWidth(60);
    grid->SetDefaultRowHeight(22);
    grid->SetColor(clWhite);
    grid->SetOptions(grid->Options() + goRangeSelect);
    grid->SetSelectionStyle(ssWin7);
    grid->SetActiveRowShow(true);
    grid->SetHoverRow(true);
    grid->SetHoverRowColor(TColor(0xFFF0E0));
    for (int c = 1; c < 8; ++c)
        grid->SetCells(c, 0, QStringLiteral("Col %1").arg(c));
    for (int r = 1; r < 40; ++r) {
        grid->SetCells(0, r, QString::number(r));
        for (int c = 1; c < 8; ++c)
            grid->SetCells(c, r, QStringLiteral("%1.%2").arg(c).arg(r));
    }
    grid->MergeCells(2, 0, 2, 1);
    grid->SetCells(2, 0, QStringLiteral("Header 2-3"));
    grid->MergeCells(2, 3, 2, 2);
    grid->SetCells(2, 3, QStringLiteral("2x2"));
    grid->CellProperties(2, 3)->SetBrushColor(TColor(0x80C0FF));
    grid->MergeCells(5, 2, 1, 4);
    grid->SetCells(5, 2, QStringLiteral("tall"));
    grid->CellProperties(5, 2)->SetBrushColor(TColor(0xC0FFC0));
    grid->CellProperties(1, 7)->SetBrushColor(clRed);
    grid->CellProperties(1, 7)->SetBrushColorTo(clYellow);

    form->Show();
    grid->SetFocus();
    Application->Run();
    return 0;
}
