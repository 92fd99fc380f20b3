// The mouse over the grid: hover tracking (rows, fixed cells, buttons,
// links), the zones a press acts on (fixed sizing borders, header
// selection) and their cursors, sizing events and the sizing hint, the
// sizing veto, the leave message, the cell hint and the 500 ms timer's
// hover selection and blink.
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridCursors.h"
#include "grid/core/GridUnit.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Application.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include <algorithm>
#include "grid/core/GridCoreHelpers.h"

namespace {

bool SameCell(TPoint A, TPoint B) { return A.X == B.X && A.Y == B.Y; }

} // namespace

bool TProStringGrid::IsHoverFixedCell(int ACol, int ARow) const
{
    if (ACol < 0 || ARow < 0)
        return false;
    const bool cols = FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedColumns;
    const bool rows = FHoverFixedCells == hfAll || FHoverFixedCells == hfFixedRows;
    return (cols && ACol < FixedCols()) || (rows && ARow < FixedRows());
}

bool TProStringGrid::IsOnSizingBorder(int X, int Y) const
{
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return false;
    const TRect cr = CellRect(c, r);
    if (Options().Contains(goColSizing) && r < FixedRows() &&
        (std::abs(X - cr.Left) <= 4 || std::abs(X - cr.Right) <= 4))
        return true;
    return Options().Contains(goRowSizing) && c < FixedCols() &&
           (std::abs(Y - cr.Top) <= 3 || std::abs(Y - cr.Bottom) <= 3);
}

void TProStringGrid::MouseMove(TShiftState Shift, int X, int Y)
{
    if (FWheelPan)
        return;
    const TGridRect before = Selection();
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    const bool onCell = c >= 0 && r >= 0;
    const bool leftDown = Shift.Contains(ssLeft);
    // Dragging selects instead of editing.
    if (leftDown && FGridState == gsSelecting && FMouseActions->RangeSelectAndEdit() &&
        Options().Contains(goEditing) && !EditorMode())
        SetOptions(Options() - goEditing);
    if (FGridState == gsSelecting && FSelectionRectangle)
        FSizeSelection = Selection();
    HoverMove(c, r, X, Y);
    CellScrollBarMove(c, r);
    bool rowZone = false;
    if (FMouseSelectStart != -1 && leftDown)
        HeaderSelectDrag(c, r, X, Y, rowZone);
    FixedSizingZones(X, Y, onCell);
    if (OleDragMove(Shift, X, Y))
        return;
    FColSized = FColSized || FGridState == gsColSizing;
    FRowSized = FRowSized || FGridState == gsRowSizing;
    // A move the events refuse as it starts returns to normal.
    bool allowMove = true;
    if (FGridState == gsColMoving && OnColumnMove && FMoveIndex >= 0)
        OnColumnMove(this, FMoveIndex, allowMove);
    if (FGridState == gsRowMoving && OnRowMove && FMoveIndex >= 0)
        OnRowMove(this, FMoveIndex, allowMove);
    if (!allowMove) {
        if (FMoveMarkerShown)
            DrawMoveMarker();
        FGridState = gsNormal;
        FMoveIndex = FMovePos = -1;
    }
    const bool enhancedMove = (FGridState == gsColMoving || FGridState == gsRowMoving) && FEnhRowColMove;
    if (enhancedMove)
        MoveFeedback(X, Y);
    bool zone = SelectModeZones(c, r, X, Y, rowZone);
    zone = LinkZone(c, r, X, Y) || zone;
    // A hint of another cell goes.
    if (FLastHintPos.X != -1 && !SameCell(FLastHintPos, TPoint{c, r})) {
        Application->CancelHint();
        FLastHintPos = TPoint{-1, -1};
    }
    if (FGridState == gsSelecting && FSelectionRectangle && !SameRect(Selection(), FLastMoveSelection)) {
        const TGridRect sel = Selection();
        const TRect a = CellRect(sel.Left, sel.Top);
        const TRect b = CellRect(sel.Right, sel.Bottom);
        InvalidateRect(TRect{std::min(a.Left, b.Left) - 1, std::min(a.Top, b.Top) - 1, std::max(a.Right, b.Right) + 1,
                             std::max(a.Bottom, b.Bottom) + 1});
        FLastMoveSelection = sel;
    }
    if (!enhancedMove)
        TBaseGrid::MouseMove(Shift, X, Y);
    else
        TCustomControl::MouseMove(Shift, X, Y);
    // The platform sets its own cursors; the grid's zones come after.
    if (FGridState == gsNormal) {
        if (FSizeFixed || FSizingFixed)
            SetZoneCursor(crHSplit);
        else if (FSizeFixedR || FSizingFixedR)
            SetZoneCursor(crVSplit);
        else if (zone && FMouseSelectMode == msColumn)
            SetZoneCursor(crGridColSelect);
        else if (zone && FMouseSelectMode == msRow)
            SetZoneCursor(crGridRowSelect);
        else if (zone && (FMouseSelectMode == msAll || FMouseSelectMode == msResize))
            SetZoneCursor(crGridAllSelect);
        else if (zone && FMouseSelectMode == msURL)
            SetZoneCursor(GridLinkCursor);
        else {
            TGridState state = gsNormal;
            int index = -1, pos = 0, ofs = 0;
            CalcSizingState(FlipX(X), Y, state, index, pos, ofs);
            if (state == gsNormal)
                SetZoneCursor(onCell ? GetCellCursor(c, r, X, Y) : FOldCursor);
        }
    }
    SizingFeedback(X, Y);
    if (FEnhRowColMove && HandleAllocated())
        Update();
    AnnounceSelection(before);
}

void TProStringGrid::SetZoneCursor(TCursor Value)
{
    if (Cursor() == Value)
        return;
    RegisterGridCursors();
    FInternalCursorChange = true;
    SetCursor(Value);
    FInternalCursorChange = false;
}

void TProStringGrid::HoverMove(int ACol, int ARow, int X, int Y)
{
    if (HoverRow() && ARow != FHoverRowIdx) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = ARow;
        if (old >= 0 && old < RowCount())
            RepaintRow(old);
        if (ARow >= 0)
            RepaintRow(ARow);
    }
    if (FHoverFixedCells != hfNone) {
        const TPoint cell = IsHoverFixedCell(ACol, ARow) ? TPoint{ACol, ARow} : TPoint{-1, -1};
        // A held hover lets go once the mouse reaches another cell.
        if (FNoMouseLeave && !SameCell(cell, FHoverFixedCell))
            FNoMouseLeave = false;
        if (!FNoMouseLeave && !SameCell(cell, FHoverFixedCell)) {
            const TPoint old = FHoverFixedCell;
            FHoverFixedCell = cell;
            if (old.X >= 0)
                RepaintCell(old.X, old.Y);
            if (cell.X >= 0)
                RepaintCell(cell.X, cell.Y);
        }
    }
    if (FLook == glListView) {
        const TPoint cell{ACol, ARow};
        if (!SameCell(cell, FHotFixedCell)) {
            const TPoint old = FHotFixedCell;
            FHotFixedCell = cell;
            if (old.X >= 0 && old.Y >= 0 && IsFixed(old.X, old.Y))
                RepaintCell(old.X, old.Y);
            if (ACol >= 0 && ARow >= 0 && IsFixed(ACol, ARow))
                RepaintCell(ACol, ARow);
        }
    }
    TPoint button{-1, -1};
    if (ACol >= 0 && ARow >= 0) {
        const TPoint p{X, Y};
        if (PtInRect(GetButtonRect(ACol, ARow), p) || PtInRect(GetExpandRect(DisplToRealCol(ACol), ARow), p))
            button = TPoint{ACol, ARow};
    }
    if (!SameCell(button, FHoverButton)) {
        const TPoint old = FHoverButton;
        FHoverButton = button;
        if (old.X >= 0)
            RepaintCell(old.X, old.Y);
        if (button.X >= 0)
            RepaintCell(button.X, button.Y);
    }
}

void TProStringGrid::HeaderSelectDrag(int ACol, int ARow, int X, int Y, bool& RowZone)
{
    const TGridRect old = Selection();
    const int lastNormalRow = RowCount() - FFixedFooters - 1;
    if (FMouseActions->RowSelect() && FMouseSelectMode == msRow) {
        if (ARow >= 0 && ARow <= lastNormalRow) {
            const int to = std::max(FixedRows(), ARow);
            SetSelection(TGridRect{FixedCols(), std::min(FMouseSelectStart, to), ColCount() - 1,
                                   std::max(FMouseSelectStart, to)});
        }
        if (Y > Height() - 4 && TopRow() + VisibleRowCount() < RowCount())
            SetTopRow(TopRow() + 1);
        else if (FixedRows() > 0 && Y >= 0 && Y < RowHeights(0)) {
            if (TopRow() > FixedRows())
                SetTopRow(TopRow() - 1);
            RowZone = true;
        }
    } else if (FMouseActions->ColSelect() && FMouseSelectMode == msColumn && ACol >= 0) {
        const int to = std::max(FixedCols(), ACol);
        SetSelection(TGridRect{std::min(FMouseSelectStart, to), FixedRows(), std::max(FMouseSelectStart, to),
                               RowCount() - 1});
    }
    if (FSelectionRectangle && !SameRect(old, Selection())) {
        Invalidate();
        FSizeSelection = Selection();
    }
}

void TProStringGrid::FixedSizingZones(int X, int Y, bool OnCell)
{
    if (FSizingFixed) {
        DrawSizeLineX(FSizeFixedX);
        DrawSizeLineX(X);
        FSizeFixedX = X;
    }
    if (FSizingFixedR) {
        DrawSizeLineY(FSizeFixedY);
        DrawSizeLineY(Y);
        FSizeFixedY = Y;
    }
    FSizeFixed = false;
    FSizeFixedR = false;
    if (!OnCell)
        return;
    // The borders lie after each fixed column's width and its line.
    int x = 0;
    for (int i = 0; i < FixedCols(); ++i) {
        x += ColWidths(i) + 1;
        if (std::abs(X - x) < 3)
            FSizeFixed = FMouseActions->SizeFixedCol();
    }
    int y = 0;
    for (int i = 0; i < FixedRows(); ++i) {
        y += RowHeights(i) + 1;
        if (std::abs(Y - y) < 3)
            FSizeFixedR = FMouseActions->SizeFixedRow();
    }
}

bool TProStringGrid::SelectModeZones(int ACol, int ARow, int X, int Y, bool RowZone)
{
    FMouseSelectMode = msNormal;
    if (ACol < 0 || ARow < 0 || FGridState != gsNormal)
        return false;
    TMouseActions* ma = FMouseActions.get();
    const bool footerRow = FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow;
    const int lastRow = RowCount() - (footerRow ? 2 : 1);
    TMouseSelectMode mode = msNormal;
    if (ACol < FixedCols() && ARow < FixedRows() && ma->AllSelect())
        mode = msAll;
    else if (ARow < FixedRows() && ACol >= FixedCols() && ma->ColSelect() && !IsOnSizingBorder(X, Y))
        mode = msColumn;
    else if (ACol < FixedCols() && ARow <= lastRow && (ARow >= FixedRows() || (ARow == 0 && RowZone)) &&
             ma->RowSelect() && !IsOnSizingBorder(X, Y) && !(IsNode(ARow) && IsInNodeGlyph(ARow, X)))
        mode = msRow;
    if (mode == msNormal)
        return false;
    FMouseSelectMode = mode;
    return true;
}

QString TProStringGrid::AnchorAt(int ACol, int ARow, int X, int Y, QString* Hint, int* Index)
{
    if (ACol < 0 || ARow < 0)
        return QString();
    const QString text = Cells(DisplToRealCol(ACol), ARow);
    if (!FEnableHTML || ClassifyCellText(text, true) != 1)
        return QString();
    TRect r = CellRect(ACol, ARow);
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(IsFixed(ACol, ARow) ? FFixedFont.get() : Font());
    QString anchor, plain, focusAnchor, title, ctrlID, ctrlValue, ctrlType;
    int xSize = 0, ySize = 0, count = 0, at = 0;
    TRect anchorRect, ctrlRect;
    const bool hit = RenderHTMLText(canvas, text, r, GetCellImageList(), X, Y, -1, 0, 1, true, false, false, false,
                                    false, false, FWordWrap, false, 1.0, FURLColor, clNone, clNone, clGray, anchor,
                                    plain, focusAnchor, title, xSize, ySize, count, at, anchorRect, ctrlRect,
                                    ctrlID, ctrlValue, ctrlType, FImageCache.get(), FPictureContainer, Handle(),
                                    Mirrored() ? 1 : 0);
    if (!hit || !ctrlID.isEmpty())
        return QString();
    if (Hint)
        *Hint = title;
    if (Index)
        *Index = at;
    return anchor;
}

bool TProStringGrid::LinkZone(int ACol, int ARow, int X, int Y)
{
    if (ACol < 0 || ARow < 0 || FGridState != gsNormal)
        return false;
    const QString text = Cells(DisplToRealCol(ACol), ARow);
    const bool html = FEnableHTML && ClassifyCellText(text, true) == 1;
    bool zone = false;
    if (!html) {
        if (FURLShow && ContainsURL(text))
            zone = true;
        if (FURLUnderlineOnHover && FHoverCell.X != -1) {
            const TPoint old = FHoverCell;
            FHoverCell = TPoint{-1, -1};
            FHoverLink = -1;
            FHoverHTMLLink = 0;
            RepaintCell(old.X, old.Y);
        }
    } else {
        QString hint;
        int index = 0;
        const QString anchor = AnchorAt(ACol, ARow, X, Y, &hint, &index);
        if (!anchor.isEmpty()) {
            zone = true;
            if (hint.isEmpty() && OnAnchorHint) {
                hint = anchor;
                OnAnchorHint(this, ARow, ACol, hint);
            }
            if (!hint.isEmpty() && hint != FLastAnchorHint && anchor != FAnchor && FLastHintPos.X != -1) {
                FLastAnchorHint = hint;
                Application->CancelHint();
            }
            if (anchor != FAnchor) {
                if (OnAnchorEnter)
                    OnAnchorEnter(this, ARow, ACol, anchor);
                FAnchor = anchor;
            }
        } else if (!FAnchor.isEmpty()) {
            if (OnAnchorExit)
                OnAnchorExit(this, ARow, ACol, FAnchor);
            FAnchor.clear();
        }
        if (FURLUnderlineOnHover) {
            const TPoint cell = anchor.isEmpty() ? TPoint{-1, -1} : TPoint{ACol, ARow};
            const int link = anchor.isEmpty() ? -1 : index;
            if (!SameCell(cell, FHoverCell) || link != FHoverLink) {
                const TPoint old = FHoverCell;
                FHoverCell = cell;
                FHoverLink = link;
                FHoverHTMLLink = link >= 0 ? link : 0;
                if (old.X >= 0)
                    RepaintCell(old.X, old.Y);
                if (cell.X >= 0)
                    RepaintCell(cell.X, cell.Y);
            }
        }
    }
    if (zone)
        FMouseSelectMode = msURL;
    return zone;
}

void TProStringGrid::SizingFeedback(int X, int Y)
{
    const bool cols = FGridState == gsColSizing || FSizingFixed;
    const bool rows = FGridState == gsRowSizing || FSizingFixedR;
    if (!cols && !rows)
        return;
    int index = 0, size = 0;
    TPoint at;
    if (FSizingFixed) {
        size = FSizeFixedX;
        if (OnColumnSizing)
            OnColumnSizing(this, 0, size);
        at = CellRect(0, 0).TopLeft();
    } else if (FSizingFixedR) {
        size = FSizeFixedY;
        if (OnRowSizing)
            OnRowSizing(this, 0, size);
        at = CellRect(0, 0).TopLeft();
    } else if (cols) {
        index = FSizingIndex >= 0 ? FSizingIndex : ColCount() - 1;
        const int start = FCols.ViewPos(index, FixedCols(), LeftCol());
        size = std::max(FlipX(X) + FSizingOfs - start, 0);
        if (OnColumnSizing)
            OnColumnSizing(this, index, size);
        at = CellRect(index, 0).TopLeft();
    } else {
        index = FSizingIndex >= 0 ? FSizingIndex : RowCount() - 1;
        const int start = FRows.ViewPos(index, FixedRows(), TopRow());
        size = std::max(Y + FSizingOfs - start, 0);
        if (OnRowSizing)
            OnRowSizing(this, index, size);
        at = CellRect(0, index).TopLeft();
    }
    if (FHintShowSizing)
        ShowSizingHint(QStringLiteral("%1=<b>%2</b>").arg(cols ? QStringLiteral("cw") : QStringLiteral("rh")).arg(size),
                       ClientToScreen(at));
}

void TProStringGrid::ShowSizingHint(const QString& Text, TPoint Screen)
{
    if (!FScrollHintWnd)
        FScrollHintWnd = new THTMLHintWindow(this);
    FScrollHintWnd->SetColor(FHintColor);
    TRect r = FScrollHintWnd->CalcHintRect(200, Text, nullptr);
    OffsetRect(r, Screen.X, Screen.Y);
    FScrollHintWnd->ActivateHint(r, Text);
    FScrollHintShow = true;
}

void TProStringGrid::CMMouseLeave(TMessage& Message)
{
    TBaseGrid::CMMouseLeave(Message);
    FMouseSelectMode = msNormal;
    FSizeFixed = false;
    FSizeFixedR = false;
    if (FHoverFixedCell.X != -1 && !FNoMouseLeave) {
        const TPoint old = FHoverFixedCell;
        FHoverFixedCell = TPoint{-1, -1};
        RepaintCell(old.X, old.Y);
    }
    if (FLook == glListView && FHotFixedCell.X >= 0 && FHotFixedCell.Y >= 0) {
        const TPoint old = FHotFixedCell;
        FHotFixedCell = TPoint{-1, -1};
        RepaintCell(old.X, old.Y);
    }
    if (HoverRow() && FHoverRowIdx != -1) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = -1;
        if (old < RowCount())
            RepaintRow(old);
    }
    if (FHoverButton.X != -1) {
        const TPoint old = FHoverButton;
        FHoverButton = TPoint{-1, -1};
        RepaintCell(old.X, old.Y);
    }
}

void TProStringGrid::CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs)
{
    TBaseGrid::CalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
    if (State == gsColSizing || FSizeFixed) {
        const TGridCoord left = HitCoord(X - 6, Y);
        if (left.Y >= 0 && left.Y < FixedRows() && left.X >= 0 && OnColumnSize) {
            bool allow = true;
            OnColumnSize(this, left.X, allow);
            if (!allow) {
                State = gsNormal;
                FSizeFixed = false;
            }
        }
    }
    if (State == gsRowSizing || FSizeFixedR) {
        const TGridCoord above = HitCoord(X, Y - 6);
        if (above.X >= 0 && above.X < FixedCols() && above.Y >= 0 && OnRowSize) {
            bool allow = true;
            OnRowSize(this, above.Y, allow);
            if (!allow) {
                State = gsNormal;
                FSizeFixedR = false;
            }
        }
    }
}

// Cell hints

void TProStringGrid::CMHintShow(TMessage& Message)
{
    TBaseGrid::CMHintShow(Message);
    // No cell hint over a column or row being sized or moved.
    const TGridState s = FGridState;
    if (s == gsColSizing || s == gsRowSizing || s == gsColMoving || s == gsRowMoving || FSizingFixed ||
        FSizingFixedR) {
        Message.Result = 1;
        return;
    }
    if (THintInfo* info = HintInfoOf(Message))
        CellHintInfo(*info);
}

void TProStringGrid::CellHintInfo(THintInfo& Info)
{
    int c = -1, r = -1;
    MouseToCell(Info.CursorPos.X, Info.CursorPos.Y, c, r);
    if (c < 0 || r < 0)
        return;
    const TPoint base = BaseCell(c, r);
    c = base.X;
    r = base.Y;
    if (FControlLook->HintMaxWidth() > 0)
        Info.HintMaxWidth = FControlLook->HintMaxWidth();
    GridHintFontName = Font()->Name();
    FLastHintPos = TPoint{c, r};
    const TRect cr = CellRect(c, r);
    // Leaving the cell asks again.
    Info.CursorRect = cr;
    const int rc = DisplToRealCol(c);
    QString comment;
    TPoint pos = IsComment(rc, r, comment) ? TPoint{cr.Right, cr.Top} : TPoint{Info.CursorPos.X, cr.Bottom + 6};
    const QString text = Cells(rc, r);
    const bool html = FEnableHTML && ClassifyCellText(text, true) == 1;
    if (html && FAnchorHint) {
        QString hint;
        const QString anchor = AnchorAt(c, r, Info.CursorPos.X, Info.CursorPos.Y, &hint);
        if (!anchor.isEmpty()) {
            if (hint.isEmpty())
                hint = anchor;
            if (OnAnchorHint)
                OnAnchorHint(this, r, c, hint);
            FLastAnchorHint = hint;
            Info.HintStr = hint;
            pos = TPoint{Info.CursorPos.X + 8, Info.CursorPos.Y - 16};
        }
    }
    const bool normal = !IsFixed(c, r) && c < ColCount() - FFixedRightCols && r < RowCount() - FFixedFooters;
    if (FHintShowCells && normal) {
        Info.HintStr = FHTMLHint || !html ? text : StripHTMLTags(text);
        pos = TPoint{cr.Left, cr.Top};
    }
    if (FHintShowLargeText) {
        const TSize size = GetCellTextSize(rc, r);
        if (size.cx > cr.Width() || size.cy > cr.Height()) {
            Info.HintStr = FHTMLHint || !html ? text : StripHTMLTags(text);
            if (FHintShowLargeTextPos == hpCell)
                pos = TPoint{cr.Left, cr.Top};
        }
    }
    if (!(FFloatingFooter->Visible() && r == RowCount() - 1)) {
        QString wide;
        GetCellHint(c, r, Info.HintStr, wide);
    }
    const int kind = ClassifyCellText(Info.HintStr, true);
    if ((kind == 1 || kind == 5) && FUseInternalHintClass) {
        Info.HintWindowClass = [] { return new THTMLHintWindow(nullptr); };
        Info.HintData = this;
    }
    Info.HintPos = ClientToScreen(pos);
    Info.HintColor = FHintColor;
}

// The 500 ms timer

void TProStringGrid::HoverTick()
{
    if (!FHovering || TComponent::IsDesigning() || Application->MouseControl() != this)
        return;
    const TPoint p = ScreenToClient(GetCursorPos());
    if (!PtInRect(ClientRect(), p))
        return;
    int c = -1, r = -1;
    MouseToCell(p.X, p.Y, c, r);
    if (c < FixedCols() || r < FixedRows() || c >= ColCount() || r >= RowCount())
        return;
    if (CanFocus() && !Focused())
        SetFocus();
    SetRow(r);
    SetCol(c);
}

void TProStringGrid::BlinkTick()
{
    if (!FEnableBlink)
        return;
    FBlinkOn = !FBlinkOn;
    auto blinks = [&](int ACol, int ARow) {
        return ACol < ColCount() + FNumHidden && ARow < RowCount() &&
               Cells(ACol, ARow).toUpper().contains(QLatin1String("<BLI"));
    };
    const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount()) - 1;
    const int lastCol = std::min(LeftCol() + VisibleColCount(), ColCount()) - 1;
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = LeftCol(); c <= lastCol + FNumHidden; ++c)
            if (blinks(c, r))
                RepaintCell(RealToDisplCol(c), r);
    for (int r = 0; r < FixedRows(); ++r)
        for (int c = LeftCol(); c <= lastCol; ++c)
            if (blinks(DisplToRealCol(c), r))
                RepaintCell(c, r);
    for (int r = TopRow(); r <= lastRow; ++r)
        for (int c = 0; c < FixedCols(); ++c)
            if (blinks(DisplToRealCol(c), r))
                RepaintCell(c, r);
}
