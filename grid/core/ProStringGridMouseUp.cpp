// The left button's release on the string grid: it ends whatever the press
// began (pushed buttons, form buttons, a selection click, a pending
// deselection, a move, a selection resize) wherever the release is, then
// runs the platform grid's release, fires the click events and sorts on a
// click of a sort header cell.
#include "grid/core/ControlLook.h"
#include "grid/core/DragSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"

void TProStringGrid::WMLButtonUp(TWMMouse& Message)
{
    const int X = Message.XPos, Y = Message.YPos;
    // Whatever path the release takes, no move feedback outlives it.
    struct EndMove {
        TProStringGrid* Grid;
        ~EndMove() { Grid->EndMoveFeedback(); }
    } endMove{this};
    bool moved = FColMoveFlg, sized = FColSizeFlg;
    FColMoveFlg = FColSizeFlg = false;
    FMouseDown = FMouseKeepDown = FMouseDownMove = false;
    FMouseSelectMode = msNormal;
    if (FCtrlDown) {
        FCtrlDown = false;
        const int c = RealToDisplCol(FCtrlXY.X);
        if (c >= 0 && FCtrlXY.Y >= 0)
            RepaintCell(c, FCtrlXY.Y);
    }
    FMouseSelectStart = -1;
    sized = ReleaseFixedSizing(X, Y) || sized;
    if (FFixedCellPushed) {
        DrawFixedCellEdge(FPushedFixedCell, false);
        FFixedCellPushed = false;
    }
    const TGridCoord cell = MouseCoord(X, Y);
    if (ReleaseCellButton(Message, cell))
        return;
    ReleaseClick(Message, cell);
    if (ReleaseSelectionClick(Message, cell))
        return;
    ReleaseDisjunct(cell);
    moved = ReleaseEnhancedMove(X, Y) || moved;
    const TGridState pressState = FClickState;
    FClickState = gsNormal;
    // The grid fires its own clicks (above); the platform's release clicks
    // nothing more.
    SetControlState(ControlState() - csClicked);
    TBaseGrid::WMLButtonUp(Message);
    if (FMouseResize) {
        FMouseResize = false;
        if (OnSelectionResize)
            OnSelectionResize(this, FDropSelection, Selection());
        const bool disable = FEditDisable;
        FEditDisable = true;
        if (GridFeatureHooks.PasteSelection)
            GridFeatureHooks.PasteSelection(this);
        FEditDisable = disable;
        if (OnSelectionResized)
            OnSelectionResized(this, FDropSelection, Selection());
    }
    // A press that sized or moved a column clicks nothing.
    const bool platformMoved = pressState == gsColSizing || pressState == gsRowSizing || pressState == gsRowMoving ||
                               (pressState == gsColMoving && cell.X != FClickCol);
    if (moved || sized || platformMoved || cell.X < 0 || cell.Y < 0)
        return;
    ReleaseCell(Message, cell.X, cell.Y);
}

bool TProStringGrid::ReleaseCellButton(const TWMMouse& Message, TGridCoord Cell)
{
    const TPoint pushed = FPushedCellButton;
    if (pushed.X == -1)
        return false;
    FPushedCellButton = TPoint{-1, -1};
    const TPoint pos{Message.XPos, Message.YPos};
    const bool pushedFixed = pushed.X < FixedCols() || pushed.Y < FixedRows();
    bool enabled = Options().Contains(goEditing);
    if (Cell.X >= 0 && Cell.Y >= 0 && !FControlLook->NoDisabledButtonLook())
        enabled = IsButtonEnabled(DisplToRealCol(Cell.X), Cell.Y);
    if (enabled || FControlLook->NoDisabledButtonLook() || pushedFixed) {
        if (!IsNode(pushed.Y))
            PushButton(pushed.X, pushed.Y, false);
        if (Cell.X >= 0 && Cell.Y >= 0) {
            const TPoint base = BaseCell(Cell.X, Cell.Y);
            const int realCol = DisplToRealCol(base.X);
            const bool fixedPress = (FFixedAsButtons && pushed.X < FixedCols()) || pushed.Y < FixedRows();
            if (GetButtonRect(realCol, base.Y).Contains(pos) || fixedPress)
                DoButtonClick(DisplToRealCol(pushed.X), pushed.Y);
            if (HasExpand(realCol, base.Y) && (ExpandRect(CellRect(base.X, base.Y)).Contains(pos) || fixedPress)) {
                const bool expanded = ToggleExpand(DisplToRealCol(pushed.X), pushed.Y);
                DoExpandClick(DisplToRealCol(pushed.X), pushed.Y, expanded);
            }
        }
    }
    SetMouseCapture(false);
    if (Cell.X < 0 || Cell.Y < 0)
        return false;
    const int realCol = DisplToRealCol(Cell.X);
    const TRect r = CellRect(Cell.X, Cell.Y);
    return (HasButton(realCol, Cell.Y) && GetButtonRect(realCol, Cell.Y).Contains(pos)) ||
           (HasExpand(realCol, Cell.Y) && ExpandRect(r).Contains(pos));
}

bool TProStringGrid::IsButtonEnabled(int ACol, int ARow)
{
    const TPoint base = BaseCell(RealToDisplCol(ACol), ARow);
    bool canEdit = true;
    CanEditCell(DisplToRealCol(base.X), base.Y, canEdit);
    return canEdit && !IsFixed(base.X, base.Y);
}

void TProStringGrid::ReleaseClick(const TWMMouse& Message, TGridCoord Cell)
{
    const bool fixed = Cell.X >= 0 && Cell.Y >= 0 && (Cell.X < FixedCols() || Cell.Y < FixedRows());
    const bool onBorder = Cell.Y >= 0 && Cell.Y < FixedRows() && Cell.X >= 0 && Options().Contains(goColSizing) &&
                          Cursor() == crHSplit;
    if (OnClick && FDoOnClick && !onBorder && fixed)
        OnClick(this);
    FDoOnClick = false;
    if (FGridState == gsSelecting) {
        StopSelectScroll();
        FGridState = gsNormal;
        UpdateEdit();
        Click();
    }
}

bool TProStringGrid::ReleaseSelectionClick(const TWMMouse& Message, TGridCoord Cell)
{
    if (!FSelectionClick)
        return false;
    FSelectionClick = false;
    if (Cell.X < FixedCols() || Cell.Y < FixedRows())
        return false;
    const bool ctrl = KeysToShiftState(Message.Keys).Contains(ssCtrl);
    if (FMouseActions->DisjunctRowSelect() && FDragDropSettings->OleDropSource()) {
        if (!ctrl)
            ClearRowSelect();
        if (ctrl || FMouseActions->DisjunctRowSelectNoCtrl()) {
            SetRowSelect(Cell.Y, !GetRowSelect(Cell.Y));
            if (OnMouseUp)
                OnMouseUp(this, mbLeft, TShiftState{ssCtrl}, Message.XPos, Message.YPos);
            return true;
        }
    }
    const bool indicator = FRowIndicator && FixedCols() > 0;
    if (indicator)
        RepaintCell(0, Row());
    if (Options().Contains(goRowSelect))
        SetSelection(TGridRect{FixedCols(), Cell.Y, ColCount() - 1, Cell.Y});
    else
        SetSelection(TGridRect{Cell.X, Cell.Y, Cell.X, Cell.Y});
    if (indicator)
        RepaintCell(0, Row());
    return false;
}

void TProStringGrid::ReleaseDisjunct(TGridCoord Cell)
{
    const int ACol = Cell.X, ARow = Cell.Y;
    if (FMouseActions->DisjunctRowSelect() && ACol >= 0 && ARow >= 0 && (!IsNode(ARow) || ACol != 0)) {
        if (!(ACol == 0 && FMouseActions->HotmailRowSelect()))
            SelectionToRowSelect(false);
        if (ARow >= FixedRows() && ARow < RowCount() - FFixedFooters && FDeselectState)
            SetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(ARow) : ARow, false);
        if (FMouseActions->HotmailRowSelect())
            RepaintCell(0, 0);
        FDeselectState = false;
    }
    if (FMouseActions->DisjunctColSelect()) {
        SelectionToColSelect(false);
        if (ACol >= FixedCols() && ACol < ColCount() - FFixedRightCols && FDeselectState)
            SetColSelect(ACol, false);
        FDeselectState = false;
    }
}

void TProStringGrid::SelectionToRowSelect(bool Keep)
{
    const TGridRect sel = Selection();
    if (!Keep && !FMouseDown)
        return;
    for (int r = std::max(sel.Top, FixedRows()); r <= sel.Bottom; ++r)
        SetRowSelect(FMouseActions->RowSelectPersistent() ? DisplToRealRow(r) : r, true);
}

void TProStringGrid::SelectionToColSelect(bool Keep)
{
    const TGridRect sel = Selection();
    if (!Keep && !FMouseDown)
        return;
    for (int c = std::max(sel.Left, FixedCols()); c <= sel.Right; ++c)
        SetColSelect(c, true);
}

void TProStringGrid::ReleaseCell(const TWMMouse& Message, int ACol, int ARow)
{
    if (ACol < FixedCols() && !FSortSettings->FixedCols())
        return;
    const int realCol = DisplToRealCol(ACol);
    if (HasCheckBox(realCol, ARow) && OnCheckBoxMouseUp) {
        bool state = false;
        GetCheckBoxState(realCol, DisplToRealRow(ARow), state);
        OnCheckBoxMouseUp(this, realCol, ARow, state);
    }
    int idx = -1;
    if (IsRadio(realCol, ARow) && OnRadioMouseUp && GetRadioIdx(realCol, ARow, idx))
        OnRadioMouseUp(this, realCol, ARow, idx);
    if (FClickDouble) {
        FClickDouble = false;
        return;
    }
    int downCol = -1, downRow = -1;
    MouseToCell(FClickPos.X, FClickPos.Y, downCol, downRow);
    ClickSort(ACol, ARow, Message.XPos, downRow, KeysToShiftState(Message.Keys));
}
