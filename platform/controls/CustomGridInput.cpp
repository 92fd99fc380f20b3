// Keyboard, wheel, scroll messages and the mouse: moving the current cell,
// range selection, sizing and moving columns and rows.
#include "platform/controls/CustomGrid.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/WinApi.h"
#include <algorithm>

namespace {

// How near a line the pointer must be to size.
constexpr int SizingMargin = 3;
// The timer that scrolls a dragged range.
constexpr unsigned SelectScrollTimer = 1;
constexpr unsigned SelectScrollInterval = 60;

} // namespace

// Keyboard

void TCustomGrid::KeyDown(int& Key, TShiftState Shift)
{
    TCustomControl::KeyDown(Key, Shift);
    if (Key != 0)
        GridKeyDown(Key, Shift);
}

void TCustomGrid::KeyPress(QChar& Key)
{
    TCustomControl::KeyPress(Key);
    if (!Key.isNull())
        GridKeyPress(Key);
}

void TCustomGrid::KeyUp(int& Key, TShiftState Shift) { TCustomControl::KeyUp(Key, Shift); }

void TCustomGrid::CtrlKeyMove(int Key, TGridCoord& Cur, TGridCoord& TopLeft) const
{
    bool rowSelect = FOptions.Contains(goRowSelect);
    int pageW = VisibleColCount();
    switch (Key) {
    case VK_UP: --TopLeft.Y; break;
    case VK_DOWN: ++TopLeft.Y; break;
    case VK_LEFT:
        if (!rowSelect) {
            Cur.X -= pageW;
            TopLeft.X -= pageW;
        }
        break;
    case VK_RIGHT:
        if (!rowSelect) {
            Cur.X += pageW;
            TopLeft.X += pageW;
        }
        break;
    case VK_PRIOR: Cur.Y = FTopLeft.Y; break;
    case VK_NEXT: Cur.Y = FTopLeft.Y + VisibleRowCount() - 1; break;
    case VK_HOME: Cur = {FFixedCols, FFixedRows}; break;
    case VK_END: Cur = {ColCount() - 1, RowCount() - 1}; break;
    }
}

void TCustomGrid::PlainKeyMove(int Key, TGridCoord& Cur, TGridCoord& TopLeft) const
{
    bool rowSelect = FOptions.Contains(goRowSelect);
    int pageH = VisibleRowCount();
    switch (Key) {
    case VK_UP: --Cur.Y; break;
    case VK_DOWN: ++Cur.Y; break;
    case VK_LEFT:
        if (rowSelect)
            --TopLeft.X;
        else
            --Cur.X;
        break;
    case VK_RIGHT:
        if (rowSelect)
            ++TopLeft.X;
        else
            ++Cur.X;
        break;
    case VK_NEXT:
        Cur.Y += pageH;
        TopLeft.Y += pageH;
        break;
    case VK_PRIOR:
        Cur.Y -= pageH;
        TopLeft.Y -= pageH;
        break;
    case VK_HOME:
        if (rowSelect)
            Cur.Y = FFixedRows;
        else
            Cur.X = FFixedCols;
        break;
    case VK_END:
        if (rowSelect)
            Cur.Y = RowCount() - 1;
        else
            Cur.X = ColCount() - 1;
        break;
    }
}

TGridCoord TCustomGrid::TabMove(TGridCoord Cur, bool Back) const
{
    // Wraps to the other end of the row and on to the next (previous) row.
    if (Back) {
        if (--Cur.X < FFixedCols) {
            Cur.X = ColCount() - 1;
            if (--Cur.Y < FFixedRows)
                Cur.Y = RowCount() - 1;
        }
    } else if (++Cur.X >= ColCount()) {
        Cur.X = FFixedCols;
        if (++Cur.Y >= RowCount())
            Cur.Y = FFixedRows;
    }
    return Cur;
}

void TCustomGrid::GridKeyDown(int& Key, TShiftState Shift)
{
    // Left and right follow the mirrored columns.
    int key = Key;
    if (Mirrored() && (key == VK_LEFT || key == VK_RIGHT))
        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    TGridCoord tl = FTopLeft;
    TGridCoord cur = FSelection.Current();
    if (Shift.Contains(ssCtrl)) {
        CtrlKeyMove(key, cur, tl);
    } else if (Key == VK_TAB) {
        if (FOptions.Contains(goTabs) && !Shift.Contains(ssAlt)) {
            cur = TabMove(cur, Shift.Contains(ssShift));
            // Shift+Tab moves back; it does not stretch the selection.
            Shift -= ssShift;
        }
    } else if (Key == VK_F2) {
        SetEditorMode(true);
    } else {
        PlainKeyMove(key, cur, tl);
    }
    TGridCoord maxTl = MaxTopLeft();
    tl = {std::clamp(tl.X, FFixedCols, std::max(maxTl.X, FFixedCols)),
          std::clamp(tl.Y, FFixedRows, std::max(maxTl.Y, FFixedRows))};
    if (!(tl == FTopLeft))
        MoveTopLeft(tl.X, tl.Y);
    cur = {std::clamp(cur.X, FFixedCols, ColCount() - 1), std::clamp(cur.Y, FFixedRows, RowCount() - 1)};
    if (cur.X != Col() || cur.Y != Row())
        FocusCell(cur.X, cur.Y, !Shift.Contains(ssShift));
}

void TCustomGrid::GridKeyPress(QChar& Key)
{
    if (!FOptions.Contains(goAlwaysShowEditor) && Key == QChar(VK_RETURN)) {
        if (FEditorMode)
            HideEditor();
        else
            ShowEditor();
        Key = QChar();
    }
}

void TCustomGrid::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS;
    if (FOptions.Contains(goRowSelect))
        return;
    if (FOptions.Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
    if (FOptions.Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

void TCustomGrid::WMChar(TWMKey& Message)
{
    QChar ch(char16_t(Message.CharCode));
    // Typing on the grid opens the editor and types into it; the editor
    // hands the character to KeyPress.
    if (FOptions.Contains(goEditing) && (ch == QChar(VK_BACK) || ch.unicode() >= 32)) {
        ShowEditor();
        if (FInplaceEdit && FInplaceEdit->Visible()) {
            SendMessage(FInplaceEdit, WM_CHAR, WPARAM(Message.CharCode), Message.KeyData);
            return;
        }
    }
    TCustomControl::WMChar(Message);
}

// Wheel and scroll messages

bool TCustomGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelDown(Shift, MousePos))
        return true;
    if (Row() < RowCount() - 1)
        SetRow(Row() + 1);
    return true;
}

bool TCustomGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    if (TCustomControl::DoMouseWheelUp(Shift, MousePos))
        return true;
    if (Row() > FFixedRows)
        SetRow(Row() - 1);
    return true;
}

void TCustomGrid::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_HSCROLL: WMHScroll(Message); return;
    case WM_VSCROLL: WMVScroll(Message); return;
    case CM_BIDIMODECHANGED:
        TCustomControl::WndProc(Message);
        // The columns and the horizontal bar change sides.
        UpdateScrollBars();
        Invalidate();
        UpdateEdit();
        return;
    }
    // Mouse positions come relative to the frame's outer corner.
    if (FrameSize() && Message.Msg >= WM_MOUSEFIRST && Message.Msg < WM_MOUSEWHEEL) {
        LPARAM outer = Message.LParam;
        Message.LParam = MakeLParam(LoSigned(WPARAM(outer)) - FrameSize(), HiSigned(WPARAM(outer)) - FrameSize());
        TCustomControl::WndProc(Message);
        Message.LParam = outer;
        return;
    }
    TCustomControl::WndProc(Message);
}

namespace {

// The new first item for a scroll code; Pos is the thumb position.
int ScrollTarget(int Code, int Pos, int First, int Fixed, int Page, int MaxFirst)
{
    switch (Code) {
    case SB_LINEUP: return First - 1;
    case SB_LINEDOWN: return First + 1;
    case SB_PAGEUP: return First - std::max(Page, 1);
    case SB_PAGEDOWN: return First + std::max(Page, 1);
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: return Fixed + Pos;
    case SB_TOP: return Fixed;
    case SB_BOTTOM: return MaxFirst;
    }
    return First;
}

} // namespace

void TCustomGrid::WMHScroll(TMessage& Message)
{
    int code = LoWord(Message.WParam);
    if (code == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking))
        return;
    SetLeftCol(ScrollTarget(code, HiWord(Message.WParam), LeftCol(), FFixedCols, VisibleColCount(), MaxTopLeft().X));
    Message.Result = 0;
}

void TCustomGrid::WMVScroll(TMessage& Message)
{
    int code = LoWord(Message.WParam);
    if (code == SB_THUMBTRACK && !FOptions.Contains(goThumbTracking))
        return;
    SetTopRow(ScrollTarget(code, HiWord(Message.WParam), TopRow(), FFixedRows, VisibleRowCount(), MaxTopLeft().Y));
    Message.Result = 0;
}

// Mouse

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    GridMouseDown(Button, Shift, X, Y);
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    GridMouseMove(Shift, X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

void TCustomGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    GridMouseUp(Button, Shift, X, Y);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs)
{
    State = gsNormal;
    Index = -1;
    auto probe = [&](const TGridAxis& axis, int fixed, int first, int pos, int extent, TGridState hit) {
        // The line nearest the pointer among the visible ones.
        int i = axis.ViewIndexAt(pos, fixed, first);
        if (i < 0)
            return;
        for (int j : {i - 1, i}) {
            int start = axis.ViewPos(j, fixed, first);
            if (j < 0 || start < 0 || axis.Size(j) < 0)
                continue;
            int line = start + axis.Size(j);
            if (line < extent && std::abs(pos - line) <= SizingMargin) {
                State = hit;
                Index = j;
                SizingPos = line;
                SizingOfs = line - pos;
            }
        }
    };
    if (FOptions.Contains(goColSizing) && Y >= 0 && Y < FRows.Offset(FFixedRows))
        probe(FCols, FFixedCols, FTopLeft.X, X, ClientWidth(), gsColSizing);
    if (State == gsNormal && FOptions.Contains(goRowSizing) && X >= 0 && X < FCols.Offset(FFixedCols))
        probe(FRows, FFixedRows, FTopLeft.Y, Y, ClientHeight(), gsRowSizing);
}

void TCustomGrid::GridMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!Focused() && CanFocus() && !(FInplaceEdit && FInplaceEdit->Focused())) {
        SetFocus();
        if (!Focused())
            return;
    }
    if (Button != mbLeft || Shift.Contains(ssDouble))
        return;
    X = FlipX(X);
    int index = -1, pos = 0, ofs = 0;
    TGridState sizing = gsNormal;
    CalcSizingState(X, Y, sizing, index, pos, ofs);
    if (sizing != gsNormal) {
        FGridState = sizing;
        FSizingIndex = index;
        FSizingPos = pos;
        FSizingOfs = ofs;
        DrawSizingLine();
        return;
    }
    TGridCoord hit = HitCoord(X, Y);
    if (hit.X < 0)
        return;
    if (FOptions.Contains(goColMoving) && hit.Y < FFixedRows && hit.X >= FFixedCols) {
        FGridState = gsColMoving;
        FMoveIndex = FMovePos = hit.X;
        DrawMoveMarker();
        return;
    }
    if (FOptions.Contains(goRowMoving) && hit.X < FFixedCols && hit.Y >= FFixedRows) {
        FGridState = gsRowMoving;
        FMoveIndex = FMovePos = hit.Y;
        DrawMoveMarker();
        return;
    }
    if (hit.X < FFixedCols || hit.Y < FFixedRows)
        return;
    if (FOptions * TGridOptions{goEditing, goAlwaysShowEditor} == TGridOptions{goEditing} && hit.X == Col()
        && hit.Y == Row() && !Shift.Contains(ssShift)) {
        ShowEditor();
        return;
    }
    if (Shift.Contains(ssShift) && FOptions.Contains(goRangeSelect))
        MoveCurrent(hit.X, hit.Y, false, true);
    else
        MoveCurrent(hit.X, hit.Y, true, true);
    UpdateEdit();
    if (FOptions.Contains(goRangeSelect)) {
        FGridState = gsSelecting;
        FSelectPos = {X, Y};
        FSelectTimer = SetTimer(this, SelectScrollTimer, SelectScrollInterval) != 0;
    }
}

void TCustomGrid::StopSelectScroll()
{
    if (FSelectTimer)
        KillTimer(this, SelectScrollTimer);
    FSelectTimer = false;
}

void TCustomGrid::WMCancelMode(TMessage& Message)
{
    TCustomControl::WMCancelMode(Message);
    if (FSizingLineShown)
        DrawSizingLine();
    if (FMoveMarkerShown)
        DrawMoveMarker();
    FMoveIndex = FMovePos = -1;
    FGridState = gsNormal;
    StopSelectScroll();
}

void TCustomGrid::WMTimer(TWMTimer& Message)
{
    if (Message.TimerID != SelectScrollTimer) {
        TCustomControl::WMTimer(Message);
        return;
    }
    if (FGridState != gsSelecting) {
        StopSelectScroll();
        return;
    }
    // One cell towards the pointer on each axis where it is past the cells.
    TGridCoord cur = FSelection.Current();
    TGridCoord next = cur;
    if (FSelectPos.Y >= GridHeight())
        ++next.Y;
    else if (FSelectPos.Y < FRows.Offset(FFixedRows) && TopRow() > FFixedRows)
        next.Y = TopRow() - 1;
    if (FSelectPos.X >= GridWidth())
        ++next.X;
    else if (FSelectPos.X < FCols.Offset(FFixedCols) && LeftCol() > FFixedCols)
        next.X = LeftCol() - 1;
    next = {std::clamp(next.X, FFixedCols, ColCount() - 1), std::clamp(next.Y, FFixedRows, RowCount() - 1)};
    if (!(next == cur))
        MoveCurrent(next.X, next.Y, false, true);
}

int TCustomGrid::MoveTarget(int X, int Y) const
{
    bool cols = FGridState == gsColMoving;
    const TGridAxis& axis = cols ? FCols : FRows;
    int fixed = cols ? FFixedCols : FFixedRows;
    int first = cols ? FTopLeft.X : FTopLeft.Y;
    int pos = cols ? X : Y;
    int extent = cols ? GridWidth() : GridHeight();
    int i = axis.ViewIndexAt(std::clamp(pos, 0, std::max(extent - 1, 0)), fixed, first);
    return i < fixed ? fixed : i;
}

void TCustomGrid::GridMouseMove(TShiftState, int X, int Y)
{
    X = FlipX(X);
    switch (FGridState) {
    case gsSelecting: {
        FSelectPos = {X, Y};
        TGridRect vis = VisibleRange();
        TGridCoord hit = HitCoord(std::clamp(X, 0, std::max(GridWidth() - 1, 0)),
                                    std::clamp(Y, 0, std::max(GridHeight() - 1, 0)));
        if (hit.X < 0)
            return;
        hit = {std::clamp(hit.X, std::max(FFixedCols, vis.Left), ColCount() - 1),
               std::clamp(hit.Y, std::max(FFixedRows, vis.Top), RowCount() - 1)};
        TGridCoord cur = FSelection.Current();
        if (FOptions.Contains(goRowSelect) ? hit.Y != cur.Y : !(hit == cur))
            MoveCurrent(hit.X, hit.Y, false, true);
        break;
    }
    case gsColSizing:
    case gsRowSizing: {
        int pos = (FGridState == gsColSizing ? X : Y) + FSizingOfs;
        if (pos == FSizingPos)
            break;
        DrawSizingLine();
        FSizingPos = pos;
        DrawSizingLine();
        break;
    }
    case gsColMoving:
    case gsRowMoving: {
        int target = MoveTarget(X, Y);
        if (target == FMovePos)
            break;
        DrawMoveMarker();
        FMovePos = target;
        DrawMoveMarker();
        break;
    }
    case gsNormal: {
        TGridState state = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        CalcSizingState(X, Y, state, index, pos, ofs);
        SetCursor(state == gsColSizing ? crHSplit : state == gsRowSizing ? crVSplit : crDefault);
        break;
    }
    }
}

void TCustomGrid::EndSizing(int X, int Y)
{
    if (FSizingLineShown)
        DrawSizingLine();
    bool cols = FGridState == gsColSizing;
    int pos = (cols ? X : Y) + FSizingOfs;
    FGridState = gsNormal;
    int start = cols ? FCols.ViewPos(FSizingIndex, FFixedCols, FTopLeft.X)
                     : FRows.ViewPos(FSizingIndex, FFixedRows, FTopLeft.Y);
    if (start < 0)
        return;
    int size = std::max(pos - start, 0);
    if (cols)
        SetColWidths(FSizingIndex, size);
    else
        SetRowHeights(FSizingIndex, size);
}

void TCustomGrid::EndMoving()
{
    if (FMoveMarkerShown)
        DrawMoveMarker();
    bool cols = FGridState == gsColMoving;
    FGridState = gsNormal;
    if (FMovePos >= 0 && FMovePos != FMoveIndex) {
        if (cols)
            MoveColumn(FMoveIndex, FMovePos);
        else
            MoveRow(FMoveIndex, FMovePos);
    }
    FMoveIndex = FMovePos = -1;
}

void TCustomGrid::GridMouseUp(TMouseButton, TShiftState Shift, int X, int Y)
{
    switch (FGridState) {
    case gsSelecting:
        GridMouseMove(Shift, X, Y);
        FGridState = gsNormal;
        StopSelectScroll();
        UpdateEdit();
        break;
    case gsColSizing:
    case gsRowSizing: EndSizing(FlipX(X), Y); break;
    case gsColMoving:
    case gsRowMoving: EndMoving(); break;
    case gsNormal: break;
    }
}
