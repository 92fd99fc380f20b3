// The feedback of an enhanced row or column move: a snapshot of the
// dragged cells (or the header button) follows the mouse, two arrows mark
// the drop position, the view scrolls at the edges and the cursor says
// whether the drop is allowed. The release moves the column (row) to the
// drop position (ProStringGridReleaseEnds.cpp); a refused drop leaves it
// where it was. A right release during the move is swallowed.
#include "grid/core/DragSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ArrowWindow.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include <algorithm>

bool TProStringGrid::MoveFeedbackShown() const
{
    return FMoveStarted && FEnhRowColMove && (FGridState == gsColMoving || FGridState == gsRowMoving);
}

void TProStringGrid::MoveFeedback(int X, int Y)
{
    if (RowCount() <= 1 || (X == FMovePress.X && Y == FMovePress.Y) || FSizingFixed || FSizingFixedR ||
        FMoveIndex < 0)
        return;
    DoStartBlockFocus();
    // The platform's marker gives way to the feedback.
    if (FMoveMarkerShown)
        DrawMoveMarker();
    const bool cols = FGridState == gsColMoving;
    const bool showCells = FDragDropSettings->ShowCells();
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (cols && FMoveIndex >= FixedCols()) {
        if (showCells && !FMoveForm)
            FMoveForm = SelectionToForm(TGridRect{FMoveIndex, 0, FMoveIndex,
                                                  std::min(RowCount() - 1, TopRow() + VisibleRowCount() - FixedRows())});
        FMoveButton->SetCaption(Cells(DisplToRealCol(FMoveIndex), 0));
        FMoveButton->SetWidth(ColWidths(FMoveIndex));
        FMoveButton->SetHeight(RowHeights(r >= 0 ? r : 0));
    } else if (!cols && FMoveIndex >= FixedRows()) {
        if (showCells && !FMoveForm)
            FMoveForm = SelectionToForm(TGridRect{0, FMoveIndex,
                                                  std::min(ColCount() - 1, LeftCol() + VisibleColCount() - FixedCols()),
                                                  FMoveIndex});
        FMoveButton->SetCaption(Cells(0, FMoveIndex));
        FMoveButton->SetHeight(RowHeights(FMoveIndex));
        FMoveButton->SetWidth(ColWidths(c >= 0 ? c : 0));
    }
    const TPoint at = ClientToScreen(TPoint{X - FMoveOfs.X, Y - FMoveOfs.Y});
    if (showCells && FMoveForm) {
        const int x = Mirrored() ? at.X + ColWidths(0) - FMoveForm->Width() : at.X;
        FMoveForm->SetBounds(x, at.Y, FMoveForm->Width(), FMoveForm->Height());
        FMoveForm->SetVisible(true);
    } else {
        FMoveButton->SetBounds(at.X, at.Y, FMoveButton->Width(), FMoveButton->Height());
    }
    const int target = MoveTarget(FlipX(X), Y);
    bool allowed = true;
    const TGridRect vis = VisibleRange();
    if (cols) {
        FMoveColInd = target;
        FMoveRowInd = 0;
        if (OnColumnMoving)
            OnColumnMoving(this, target, allowed);
        const bool shown = target >= FixedCols() && target >= vis.Left && target <= vis.Right;
        if (shown) {
            const TRect cr = CellRect(target, 0);
            const TPoint tl = ClientToScreen(cr.TopLeft());
            const int x = target < FMoveIndex ? tl.X - 5 : tl.X + ColWidths(target) - 5;
            ArwU()->SetBounds(x, tl.Y + cr.Height(), 10, 10);
            ArwD()->SetBounds(x, tl.Y - 8, 10, 10);
        }
        ArwU()->SetVisible(shown);
        ArwD()->SetVisible(shown);
    } else {
        FMoveColInd = 0;
        FMoveRowInd = target;
        if (OnRowMoving)
            OnRowMoving(this, target, allowed);
        const bool footer = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow &&
                            target == RowCount() - 1;
        const bool shown = !footer && target >= FixedRows() && target >= vis.Top && target <= vis.Bottom;
        if (shown) {
            const TRect cr = CellRect(0, target);
            const TPoint tl = ClientToScreen(cr.TopLeft());
            const int y = target < FMoveIndex ? tl.Y - 5 : tl.Y + RowHeights(target) - 5;
            ArwL()->SetBounds(tl.X - 10, y, 10, 10);
            ArwR()->SetBounds(tl.X + cr.Width(), y, 10, 10);
        }
        ArwL()->SetVisible(shown);
        ArwR()->SetVisible(shown);
    }
    // Past the fixed part or the far edge the view scrolls one step.
    if (cols && VisibleColCount() < ColCount() - FixedCols()) {
        const int fixedWidth = FCols.Offset(FixedCols());
        if (X < fixedWidth && LeftCol() > FixedCols()) {
            SetLeftCol(LeftCol() - 1);
            Repaint();
        } else if (X > Width() && LeftCol() + VisibleColCount() < ColCount()) {
            SetLeftCol(LeftCol() + 1);
            Repaint();
        }
    } else if (!cols && VisibleRowCount() < RowCount() - FixedRows()) {
        const int fixedHeight = FRows.Offset(FixedRows());
        if (Y < fixedHeight && TopRow() > FixedRows()) {
            SetTopRow(TopRow() - 1);
            Repaint();
        } else if (Y > Height() && TopRow() + VisibleRowCount() < RowCount()) {
            SetTopRow(TopRow() + 1);
            Repaint();
        }
    }
    if (!FMoveStarted) {
        if (!showCells)
            FMoveButton->SetVisible(true);
        FMoveButton->SetEnabled(true);
        FMoveStarted = true;
    }
    // The release drops at the target unless this step refused it.
    FMovePos = allowed ? target : FMoveIndex;
    FMoveRefused = !allowed;
    Screen->SetCursor(allowed ? crDrag : crNoDrop);
}

void TProStringGrid::EndMoveFeedback()
{
    if (!FMoveStarted)
        return;
    FMoveStarted = false;
    Screen->SetCursor(crDefault);
    FMoveButton->SetEnabled(false);
    FMoveButton->SetVisible(false);
    for (TArrowWindow* arrow : FArrows)
        arrow->SetVisible(false);
    if (FMoveForm) {
        TForm* form = FMoveForm;
        FMoveForm = nullptr;
        delete form;
    }
    Invalidate();
}

void TProStringGrid::WMRButtonUp(TWMMouse& Message)
{
    if (FEnhRowColMove && (FGridState == gsColMoving || FGridState == gsRowMoving)) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMRButtonUp(Message);
}
