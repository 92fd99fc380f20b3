// The grid's window procedure ahead of the platform's: the wheel (rows,
// scrolling, Ctrl+wheel zoom), middle-button panning with its 10 ms timer,
// the end of an enhanced move on WM_CANCELMODE, the press point a move
// starts from, and the proportional bars after a size change. The wheel
// overrides the platform reaches when the parent took the wheel are here
// too.
#include "grid/core/ProStringGrid.h"
#include "grid/core/GridCursors.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Application.h"
#include "platform/controls/Messages.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include <algorithm>
#include <cmath>
#include "grid/core/GridCoreHelpers.h"

namespace {

// The panning timer and its interval.
constexpr unsigned PanTimerID = 999;
constexpr unsigned PanInterval = 10;
// The pan mark's square.
constexpr int PanMarkSize = 32;

} // namespace

void TProStringGrid::AnnounceSelection(const TGridRect& Before)
{
    const TGridRect sel = Selection();
    if (!SameRect(sel, Before))
        DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

bool TProStringGrid::InputWndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_DESTROY:
        KillTimer(this, GridTimerID);
        FTimerActive = false;
        if (FWheelPan)
            StopPanning();
        return false;
    case WM_CANCELMODE:
        // An enhanced move ends without its drop.
        if (MoveFeedbackShown()) {
            EndMoveFeedback();
            FGridState = gsNormal;
            TBaseGrid::WndProc(Message);
            return true;
        }
        return false;
    case WM_LBUTTONUP:
        if (FScrollHintShow)
            HideScrollHint();
        [[fallthrough]];
    case WM_SIZE:
        if (FScrollProportional) {
            UpdateProportionalVert();
            UpdateProportionalHorz();
        }
        return false;
    case WM_TIMER:
        if (FWheelPan && Message.WParam == PanTimerID) {
            PanStep();
            return true;
        }
        return false;
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        if (FWheelPan) {
            // Any press or key ends panning and is then handled as usual.
            StopPanning();
            return false;
        }
        if (Message.Msg == WM_MBUTTONDOWN && FWheelMsg != 0 && FIntelliPan != ipNone && RowCount() > FixedRows()) {
            StartPanning(TPoint{LoSigned(WPARAM(Message.LParam)) - FrameSize(),
                                HiSigned(WPARAM(Message.LParam)) - FrameSize()});
            return true;
        }
        if (Message.Msg == WM_LBUTTONDOWN) {
            // Where a move starts (the press records the offset in its
            // cell); the drop places are not known yet.
            FMovePress = TPoint{LoSigned(WPARAM(Message.LParam)) - FrameSize(),
                                HiSigned(WPARAM(Message.LParam)) - FrameSize()};
            FMoveColInd = -1;
            FMoveRowInd = -1;
        }
        return false;
    }
    default: break;
    }
    if (FWheelMsg != 0 && Message.Msg == FWheelMsg && !FWheelPan) {
        // The parent may take the wheel first; then the platform handles it.
        TWinControl* parent = Parent();
        if (parent && parent->Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam) != 0)
            return false;
        WheelMessage(Message);
        return true;
    }
    return false;
}

void TProStringGrid::WheelMessage(TMessage& Message)
{
    const TWMMouseWheel wheel(Message);
    // Toward the user the delta is negative.
    const bool down = wheel.WheelDelta < 0;
    if ((wheel.Keys & MK_CONTROL) && FIntelliZoom) {
        Zoom(down ? FWheelScrollLines : -FWheelScrollLines);
        AutoSizeCells(true, 4, 4);
        return;
    }
    if (!FEnableWheel || (FFixedRowAlways && RowCount() == 1))
        return;
    const TGridRect before = Selection();
    TMouseActions* ma = FMouseActions.get();
    int n = ma->WheelIncrement();
    if (n < 1)
        n = FWheelScrollLines;
    int target = Row();
    const int fixedRows = FixedRows();
    if (ma->WheelAction() == waScroll) {
        if (down) {
            if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + n >= fixedRows)
                SetTopRow(std::min(TopRow() + n, std::max(RowCount() - VisibleRowCount(), fixedRows)));
        } else if (TopRow() > fixedRows) {
            SetTopRow(std::max(TopRow() - n, fixedRows));
        }
    } else {
        target = down ? Row() + n : Row() - n;
    }
    target = std::clamp(target, fixedRows, std::max(RowCount() - FFixedFooters - 1, fixedRows));
    if (Col() >= ColCount() && Row() >= RowCount())
        FocusCell(ColCount() - 1, RowCount() - 1);
    if (Col() < FixedCols() || Col() > ColCount() - 1)
        SetCol(std::clamp(Col(), FixedCols(), ColCount() - 1));
    if (target >= 0 && target < RowCount()) {
        const int leftCol = LeftCol();
        StartUpdate();
        if (ma->WheelAction() == waMoveSelection) {
            if (ma->DisjunctRowSelect())
                ClearRowSelect();
            SetRow(target);
            if (Row() != target) {
                // The row was refused: half the way, and the view one row up.
                SetRow(Row() + int(std::nearbyint((target - Row()) / 2.0)));
                if (TopRow() > fixedRows)
                    SetTopRow(TopRow() - 1);
            }
        }
        if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll())
            SetLeftCol(leftCol);
        ResetUpdate();
    }
    if (ma->WheelIncrement() != 0 || ma->DisjunctRowSelect()) {
        Message.Result = 1;
        TShiftState shift;
        TPoint pos{0, 0};
        if (ma->DisjunctRowSelect()) {
            shift = KeysToShiftState(wheel.Keys);
            pos = TPoint{wheel.XPos, wheel.YPos};
        }
        bool handled = false;
        if (down && OnMouseWheelDown)
            OnMouseWheelDown(this, shift, pos, handled);
        else if (!down && OnMouseWheelUp)
            OnMouseWheelUp(this, shift, pos, handled);
    }
    AnnounceSelection(before);
    if (FSearchFooter->Visible() && TopRow() >= RowCount() - VisibleRowCount())
        AdjustForSearchFooter();
    Invalidate();
}

// The platform's wheel, reached when the parent took the wheel message.

bool TProStringGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    return PlatformWheel(true, Shift, MousePos);
}

bool TProStringGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    return PlatformWheel(false, Shift, MousePos);
}

bool TProStringGrid::PlatformWheel(bool Down, TShiftState Shift, TPoint MousePos)
{
    if (FMouseActions->WheelAction() == waScroll || !FEnableWheel) {
        bool handled = false;
        const TMouseWheelUpDownEvent& event = Down ? OnMouseWheelDown : OnMouseWheelUp;
        if (event)
            event(this, Shift, MousePos, handled);
        return handled;
    }
    if (!Down && (Col() >= ColCount() || Row() >= RowCount()))
        return true;
    const bool editing = EditorMode() || FEditActive;
    const bool direct = FMouseActions->DirectEdit();
    FMouseActions->SetDirectEdit(false);
    auto base = [&] {
        return Down ? TBaseGrid::DoMouseWheelDown(Shift, MousePos) : TBaseGrid::DoMouseWheelUp(Shift, MousePos);
    };
    bool result;
    if (Options().Contains(goRowSelect) && FNavigation->KeepHorizScroll()) {
        const int leftCol = LeftCol();
        StartUpdate();
        result = base();
        SetLeftCol(leftCol);
        ResetUpdate();
    } else {
        result = base();
    }
    FMouseActions->SetDirectEdit(direct);
    if (editing && CanFocus())
        SetFocus();
    return result;
}

// Panning

void TProStringGrid::StartPanning(TPoint P)
{
    RegisterGridCursors();
    FPrevCursor = Cursor();
    FWheelPan = true;
    FWheelPanPos = P;
    SetTimer(this, PanTimerID, PanInterval);
    SetCaptureControl(this);
    Application->CancelHint();
    FInternalCursorChange = true;
    SetCursor(crPanNeutral);
    DrawPanMark();
}

void TProStringGrid::StopPanning()
{
    ReleaseCapture();
    KillTimer(this, PanTimerID);
    FWheelPan = false;
    FInternalCursorChange = true;
    SetCursor(FPrevCursor);
    ErasePanMark();
}

void TProStringGrid::PanStep()
{
    const TPoint p = ScreenToClient(GetCursorPos());
    int v = p.Y < FWheelPanPos.Y - 5 ? -1 : p.Y > FWheelPanPos.Y + 5 ? 1 : 0;
    int h = p.X < FWheelPanPos.X - 5 ? -1 : p.X > FWheelPanPos.X + 5 ? 1 : 0;
    if (FIntelliPan == ipHorizontal)
        v = 0;
    if (FIntelliPan == ipVertical)
        h = 0;
    static constexpr TCursor cursors[3][3] = {
        // h = -1, 0, 1 for v = -1, 0, 1
        {crPanUpLeft, crPanUp, crPanUpRight},
        {crPanLeft, crPanNeutral, crPanRight},
        {crPanDownLeft, crPanDown, crPanDownRight}};
    const TGridRect before = Selection();
    const int lastRow = RowCount() - FFixedFooters - 1;
    const int lastCol = ColCount() - FFixedRightCols - 1;
    if (Row() < FixedRows() || Row() > lastRow)
        SetRow(std::clamp(Row(), FixedRows(), std::max(lastRow, FixedRows())));
    if (Col() < FixedCols() || Col() > lastCol)
        SetCol(std::clamp(Col(), FixedCols(), std::max(lastCol, FixedCols())));
    if (FMouseActions->WheelAction() == waScroll) {
        const TGridCoord maxTl = MaxTopLeft();
        const int left = std::clamp(LeftCol() + h, FixedCols(), std::max(maxTl.X, FixedCols()));
        const int top = std::clamp(TopRow() + v, FixedRows(), std::max(maxTl.Y, FixedRows()));
        if (left != LeftCol() || top != TopRow()) {
            ErasePanMark();
            if (left != LeftCol())
                SetLeftCol(left);
            if (top != TopRow())
                SetTopRow(top);
        }
    } else if (h != 0 || v != 0) {
        const int c = std::clamp(Col() + h, FixedCols(), std::max(lastCol, FixedCols()));
        const int r = std::clamp(Row() + v, FixedRows(), std::max(lastRow, FixedRows()));
        if (c < LeftCol() || c >= LeftCol() + VisibleColCount() || r < TopRow() || r >= TopRow() + VisibleRowCount())
            ErasePanMark();
        FocusCell(c, r);
    }
    FInternalCursorChange = true;
    SetCursor(cursors[v + 1][h + 1]);
    DrawPanMark();
    AnnounceSelection(before);
}

void TProStringGrid::DrawPanMark()
{
    // A ring with the arrows of the directions panning takes.
    DrawInClient([&](TCanvas* c) {
        const int x = FWheelPanPos.X;
        const int y = FWheelPanPos.Y;
        c->Pen()->SetColor(clBlack);
        c->Pen()->SetWidth(1);
        c->Brush()->SetColor(clWhite);
        c->Ellipse(x, y, x + PanMarkSize - 4, y + PanMarkSize - 4);
        c->Brush()->SetColor(clBlack);
        const int mx = x + (PanMarkSize - 4) / 2;
        const int my = y + (PanMarkSize - 4) / 2;
        c->Ellipse(mx - 2, my - 2, mx + 3, my + 3);
        if (FIntelliPan != ipHorizontal) {
            c->Polygon({TPoint{mx, y + 3}, TPoint{mx - 4, y + 8}, TPoint{mx + 4, y + 8}});
            c->Polygon({TPoint{mx, y + PanMarkSize - 8}, TPoint{mx - 4, y + PanMarkSize - 13},
                        TPoint{mx + 4, y + PanMarkSize - 13}});
        }
        if (FIntelliPan != ipVertical) {
            c->Polygon({TPoint{x + 3, my}, TPoint{x + 8, my - 4}, TPoint{x + 8, my + 4}});
            c->Polygon({TPoint{x + PanMarkSize - 8, my}, TPoint{x + PanMarkSize - 13, my - 4},
                        TPoint{x + PanMarkSize - 13, my + 4}});
        }
    });
}

void TProStringGrid::ErasePanMark()
{
    InvalidateRect(TRect{FWheelPanPos.X, FWheelPanPos.Y, FWheelPanPos.X + PanMarkSize, FWheelPanPos.Y + PanMarkSize});
}
