#include "platform/controls/CustomGrid.h"
#include "platform/controls/InplaceEdit.h"
#include <algorithm>
#include "platform/graphics/GraphicsObjects.h"
#include <cmath>

namespace {

const QString IndexOutOfRange = QStringLiteral("Grid index out of range");
// Thickness of a scroll bar.
constexpr int GridScrollBarSize = 17;

bool Shown(const TScrollBar* Bar) { return Bar && Bar->Visible(); }

} // namespace

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), FFixedColor(clBtnFace)
{
    FControlStyle += csOpaque;
    FControlStyle += csCaptureMouse;
    FControlStyle += csDoubleClicks;
    FCols.SetDefaultSize(64);
    FRows.SetDefaultSize(24);
    FCols.SetCount(5);
    FRows.SetCount(5);
    FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
    FSelection.MoveTo({1, 1}, true);
    SetTabStop(true);
    SetBounds(0, 0, 320, 120);
}

TCustomGrid::~TCustomGrid()
{
    StopSelectScroll();
    // No editor comes back while the old one goes.
    FEditorMode = false;
    TInplaceEdit* edit = FInplaceEdit;
    FInplaceEdit = nullptr;
    delete edit;
    FUpdatingBars = true;
    delete FVertBar;
    delete FHorzBar;
}

// Counts

void TCustomGrid::SetColCount(int value)
{
    value = std::max(value, 1);
    if (value != ColCount())
        ChangeSize(value, RowCount());
}

void TCustomGrid::SetRowCount(int value)
{
    value = std::max(value, 1);
    if (value != RowCount())
        ChangeSize(ColCount(), value);
}

void TCustomGrid::SetFixedCols(int value)
{
    if (value < 0 || value >= ColCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed column count must be less than column count"));
    if (value == FFixedCols)
        return;
    FFixedCols = value;
    FTopLeft.X = value;
    UpdateScrollBars();
    TGridCoord cur = FSelection.Current();
    FSelection.MoveTo({std::max(cur.X, value), cur.Y}, true);
    if (FOptions.Contains(goRowSelect))
        FSelection.Set({ColCount() - 1, FSelection.Current().Y}, {value, FSelection.Current().Y});
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::SetFixedRows(int value)
{
    if (value < 0 || value >= RowCount())
        throw EInvalidGridOperation(QStringLiteral("Fixed row count must be less than row count"));
    if (value == FFixedRows)
        return;
    FFixedRows = value;
    FTopLeft.Y = value;
    UpdateScrollBars();
    TGridCoord cur = FSelection.Current();
    FSelection.MoveTo({cur.X, std::max(cur.Y, value)}, !FOptions.Contains(goRowSelect));
    if (FOptions.Contains(goRowSelect))
        FSelection.Set({ColCount() - 1, FSelection.Current().Y}, FSelection.Current());
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::ChangeSize(int NewColCount, int NewRowCount)
{
    int oldCols = ColCount(), oldRows = RowCount();
    HideEditor();
    FCols.SetCount(NewColCount);
    FRows.SetCount(NewRowCount);
    FFixedCols = std::min(FFixedCols, NewColCount - 1);
    FFixedRows = std::min(FFixedRows, NewRowCount - 1);
    auto clampCell = [&](TGridCoord c) {
        return TGridCoord{std::clamp(c.X, FFixedCols, NewColCount - 1), std::clamp(c.Y, FFixedRows, NewRowCount - 1)};
    };
    TGridCoord anchor = FSelection.Anchor();
    if (FOptions.Contains(goRowSelect))
        anchor.X = NewColCount - 1;
    FSelection.Set(clampCell(anchor), clampCell(FSelection.Current()));
    UpdateScrollBars();
    // Scrolls back when the last cells moved into the view.
    MoveTopLeft(FTopLeft.X, FTopLeft.Y);
    Invalidate();
    SizeChanged(oldCols, oldRows);
}

void TCustomGrid::SizeChanged(int, int) {}

// Geometry

void TCustomGrid::SetDefaultColWidth(int value)
{
    FCols.SetDefaultSize(value);
    ColWidthsChanged();
}

void TCustomGrid::SetDefaultRowHeight(int value)
{
    FRows.SetDefaultSize(value);
    RowHeightsChanged();
}

void TCustomGrid::SetColWidths(int Index, int value)
{
    if (Index < 0 || Index >= ColCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    if (FCols.Size(Index) == value)
        return;
    FCols.SetSize(Index, value);
    ColWidthsChanged();
}

void TCustomGrid::SetRowHeights(int Index, int value)
{
    if (Index < 0 || Index >= RowCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    if (FRows.Size(Index) == value)
        return;
    FRows.SetSize(Index, value);
    RowHeightsChanged();
}

void TCustomGrid::ColWidthsChanged()
{
    UpdateScrollBars();
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::RowHeightsChanged()
{
    UpdateScrollBars();
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::SetGridLineWidth(int value)
{
    FCols.SetLineWidth(value);
    FRows.SetLineWidth(value);
    Invalidate();
    UpdateEdit();
}

void TCustomGrid::SetLeftCol(int value)
{
    if (value != FTopLeft.X)
        MoveTopLeft(value, FTopLeft.Y);
}

void TCustomGrid::SetTopRow(int value)
{
    if (value != FTopLeft.Y)
        MoveTopLeft(FTopLeft.X, value);
}

TGridCoord TCustomGrid::MaxTopLeft() const
{
    return {FCols.MaxFirst(FFixedCols, ClientWidth()), FRows.MaxFirst(FFixedRows, ClientHeight() - CoveredBottom())};
}

void TCustomGrid::MoveTopLeft(int ALeft, int ATop)
{
    TGridCoord maxTl = MaxTopLeft();
    ALeft = std::clamp(ALeft, FFixedCols, std::max(maxTl.X, FFixedCols));
    ATop = std::clamp(ATop, FFixedRows, std::max(maxTl.Y, FFixedRows));
    if (ALeft == FTopLeft.X && ATop == FTopLeft.Y)
        return;
    FTopLeft = {ALeft, ATop};
    UpdateScrollBars();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::TopLeftChanged()
{
    if (FEditorMode && FInplaceEdit)
        UpdateEdit();
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

int TCustomGrid::VisibleColCount() const { return FCols.FullVisibleCount(FFixedCols, FTopLeft.X, ClientWidth()); }
int TCustomGrid::VisibleRowCount() const { return FRows.FullVisibleCount(FFixedRows, FTopLeft.Y, ClientHeight()); }

int TCustomGrid::GridWidth() const
{
    int last = FCols.LastVisible(FFixedCols, FTopLeft.X, ClientWidth());
    std::int64_t w = FCols.Offset(FFixedCols) + FCols.Offset(last + 1) - FCols.Offset(FTopLeft.X);
    return int(std::min<std::int64_t>(std::max<std::int64_t>(w, FCols.Offset(FFixedCols)), ClientWidth()));
}

int TCustomGrid::GridHeight() const
{
    int last = FRows.LastVisible(FFixedRows, FTopLeft.Y, ClientHeight());
    std::int64_t h = FRows.Offset(FFixedRows) + FRows.Offset(last + 1) - FRows.Offset(FTopLeft.Y);
    return int(std::min<std::int64_t>(std::max<std::int64_t>(h, FRows.Offset(FFixedRows)), ClientHeight()));
}

TRect TCustomGrid::CellRect(int ACol, int ARow) const
{
    TRect r = BoxRect(ACol, ARow);
    return r.IsEmpty() ? r : FlipRect(r);
}

TRect TCustomGrid::FlipRect(const TRect& R) const
{
    if (!Mirrored())
        return R;
    return {ClientWidth() - R.Right, R.Top, ClientWidth() - R.Left, R.Bottom};
}

TRect TCustomGrid::BoxRect(int ACol, int ARow) const
{
    // Rows first: a cell off screen is mostly a row off screen.
    int y = FRows.ViewPos(ARow, FFixedRows, FTopLeft.Y);
    if (y < 0 || y >= ClientHeight())
        return {};
    int x = FCols.ViewPos(ACol, FFixedCols, FTopLeft.X);
    if (x < 0 || x >= ClientWidth())
        return {};
    int w = FCols.Size(ACol), h = FRows.Size(ARow);
    if (w < 0 || h < 0)
        return {};
    return {x, y, std::min(x + w, ClientWidth()), std::min(y + h, ClientHeight())};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) const
{
    return HitCoord(FlipX(X), Y);
}

TGridCoord TCustomGrid::HitCoord(int X, int Y) const
{
    TGridCoord c{-1, -1};
    if (X < ClientWidth() && Y < ClientHeight()) {
        c.X = FCols.ViewIndexAt(X, FFixedCols, FTopLeft.X);
        c.Y = FRows.ViewIndexAt(Y, FFixedRows, FTopLeft.Y);
    }
    if (c.X < 0 || c.Y < 0)
        return {-1, -1};
    return c;
}

void TCustomGrid::MouseToCell(int X, int Y, int& ACol, int& ARow) const
{
    TGridCoord c = MouseCoord(X, Y);
    ACol = c.X;
    ARow = c.Y;
}

TGridRect TCustomGrid::VisibleRange() const
{
    return {FTopLeft.X, FTopLeft.Y, FCols.LastVisible(FFixedCols, FTopLeft.X, ClientWidth()),
            FRows.LastVisible(FFixedRows, FTopLeft.Y, ClientHeight())};
}

void TCustomGrid::SetFixedColor(TColor value)
{
    if (value != FFixedColor) {
        FFixedColor = value;
        Invalidate();
    }
}

void TCustomGrid::SetBorderStyle(TBorderStyle value)
{
    if (value != FBorderStyle) {
        FBorderStyle = value;
        UpdateScrollBars();
        Realign();
        // A larger client may show cells past the end: scroll back.
        MoveTopLeft(FTopLeft.X, FTopLeft.Y);
        Invalidate();
        UpdateEdit();
    }
}

void TCustomGrid::SetScrollBars(TScrollStyle value)
{
    if (value == FScrollBars)
        return;
    FScrollBars = value;
    UpdateScrollBars();
    Invalidate();
}

TRect TCustomGrid::ClientRect() const
{
    int w = Width() - 2 * FrameSize() - (Shown(FVertBar) ? GridScrollBarSize : 0);
    int h = Height() - 2 * FrameSize() - (Shown(FHorzBar) ? GridScrollBarSize : 0);
    return {0, 0, std::max(w, 0), std::max(h, 0)};
}

void TCustomGrid::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    const int b = FrameSize();
    Rect = {Rect.Left + b, Rect.Top + b, Rect.Right + b, Rect.Bottom + b};
}

void TCustomGrid::Invalidate()
{
    TCustomControl::InvalidateRect(Rect(0, 0, Width(), Height()));
}

void TCustomGrid::InvalidateRect(const TRect& R)
{
    int b = FrameSize();
    TCustomControl::InvalidateRect({R.Left + b, R.Top + b, R.Right + b, R.Bottom + b});
}

void TCustomGrid::UpdateScrollBars()
{
    if (FUpdatingBars)
        return;
    FUpdatingBars = true;
    bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
    bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    // A shown bar narrows the room of the other direction: decide twice.
    bool showV = false, showH = false;
    // The room inside the frame.
    int b = FrameSize(), roomW = Width() - 2 * b, roomH = Height() - 2 * b;
    for (int pass = 0; pass < 2; ++pass) {
        int w = roomW - (showV ? GridScrollBarSize : 0);
        int h = roomH - (showH ? GridScrollBarSize : 0);
        showV = wantV && FRows.MaxFirst(FFixedRows, h) > FFixedRows;
        showH = wantH && FCols.MaxFirst(FFixedCols, w) > FFixedCols;
    }
    auto place = [this](TScrollBar*& bar, bool show, bool vertical) {
        if (!bar && !show)
            return;
        if (!bar) {
            bar = new TScrollBar(this);
            bar->SetKind(vertical ? sbVertical : sbHorizontal);
            bar->SetTabStop(false);
            bar->OnScroll = [this, vertical](TObject*, TScrollCode code, int& pos) { BarScrolled(vertical, code, pos); };
            bar->SetParent(this);
        }
        bar->SetVisible(show);
    };
    bool changed = Shown(FVertBar) != showV || Shown(FHorzBar) != showH;
    place(FVertBar, showV, true);
    place(FHorzBar, showH, false);
    if (showV)
        FVertBar->SetBounds(b + roomW - GridScrollBarSize, b, GridScrollBarSize, roomH - (showH ? GridScrollBarSize : 0));
    if (showH)
        FHorzBar->SetBounds(b, b + roomH - GridScrollBarSize, roomW - (showV ? GridScrollBarSize : 0), GridScrollBarSize);
    // The room changed: the first scrolled cells may have to come back.
    TGridCoord maxTl = MaxTopLeft();
    if (FTopLeft.X > std::max(maxTl.X, FFixedCols) || FTopLeft.Y > std::max(maxTl.Y, FFixedRows)) {
        FUpdatingBars = false;
        MoveTopLeft(std::min(FTopLeft.X, maxTl.X), std::min(FTopLeft.Y, maxTl.Y));
        FUpdatingBars = true;
    }
    auto sync = [](TScrollBar* bar, int count, int page, int pos) {
        bar->SetParams(0, 0, std::max(count - 1, 0));
        bar->SetPageSize(page);
        bar->SetLargeChange(std::max(page, 1));
        bar->SetPosition(pos);
    };
    if (showV)
        sync(FVertBar, RowCount() - FFixedRows, VisibleRowCount(), FTopLeft.Y - FFixedRows);
    if (showH) {
        int pos = FTopLeft.X - FFixedCols;
        if (Mirrored())
            pos = HorzBarMax() - pos;
        sync(FHorzBar, ColCount() - FFixedCols, VisibleColCount(), pos);
    }
    FUpdatingBars = false;
    if (changed)
        Realign();
    if (changed && HandleAllocated())
        Invalidate();
}

int TCustomGrid::HorzBarMax() const
{
    return std::max(ColCount() - FFixedCols - VisibleColCount(), 0);
}

void TCustomGrid::BarScrolled(bool Vertical, TScrollCode Code, int Pos)
{
    if (Code == scEndScroll || (Code == scTrack && !FOptions.Contains(goThumbTracking)))
        return;
    if (Vertical)
        SetTopRow(FFixedRows + Pos);
    else
        SetLeftCol(FFixedCols + (Mirrored() ? HorzBarMax() - Pos : Pos));
}

void TCustomGrid::Resize()
{
    UpdateScrollBars();
    // A larger client may show cells past the end: scroll back.
    TGridCoord maxTl = MaxTopLeft();
    if (FTopLeft.X > maxTl.X || FTopLeft.Y > maxTl.Y)
        MoveTopLeft(std::min(FTopLeft.X, maxTl.X), std::min(FTopLeft.Y, maxTl.Y));
    TCustomControl::Resize();
}

void TCustomGrid::ChangeScale(int M, int D)
{
    if (M == D || D == 0)
        return;
    auto scale = [M, D](int v) { return int(std::lround(double(v) * M / D)); };
    // The default size resets every item: keep the own sizes and scale them
    // after; hidden items stay hidden.
    auto scaleAxis = [&](TGridAxis& Axis) {
        std::vector<int> sizes;
        if (Axis.HasSizes())
            for (int i = 0; i < Axis.Count(); ++i)
                sizes.push_back(Axis.Size(i));
        Axis.SetDefaultSize(scale(Axis.DefaultSize()));
        for (int i = 0; i < int(sizes.size()); ++i)
            Axis.SetSize(i, sizes[size_t(i)] < 0 ? sizes[size_t(i)] : scale(sizes[size_t(i)]));
    };
    scaleAxis(FCols);
    scaleAxis(FRows);
    if (!ParentFont())
        Font()->SetHeight(scale(Font()->Height()));
    ColWidthsChanged();
    RowHeightsChanged();
}

// Current cell and selection

bool TCustomGrid::SelectCell(int ACol, int ARow)
{
    bool can = true;
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

void TCustomGrid::SetCol(int value)
{
    if (value != Col())
        FocusCell(value, Row(), true);
}

void TCustomGrid::SetRow(int value)
{
    if (value != Row())
        FocusCell(Col(), value, true);
}

void TCustomGrid::MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    MoveCurrent(ACol, ARow, MoveAnchor, Show);
}

void TCustomGrid::FocusCell(int ACol, int ARow, bool MoveAnchor)
{
    MoveCurrent(ACol, ARow, MoveAnchor, true);
    UpdateEdit();
    Click();
}

void TCustomGrid::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() || ARow >= RowCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    if (!SelectCell(ACol, ARow))
        return;
    TGridRect oldSel = Selection();
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
    bool rowSelect = FOptions.Contains(goRowSelect);
    TGridCoord cur{rowSelect ? FFixedCols : ACol, ARow};
    TGridCoord anchor = MoveAnchor || !FOptions.Contains(goRangeSelect) ? cur : FSelection.Anchor();
    if (rowSelect)
        anchor.X = ColCount() - 1;
    FSelection.Set(anchor, cur);
    if (Show)
        ClampInView({ACol, ARow});
    SelectionMoved(oldSel);
}

void TCustomGrid::ClampInView(TGridCoord Cell)
{
    if (!HandleAllocated() && (ClientWidth() <= 0 || ClientHeight() <= 0))
        return;
    TGridCoord tl = FTopLeft;
    if (Cell.X >= FFixedCols && !FOptions.Contains(goRowSelect)) {
        if (Cell.X < tl.X)
            tl.X = Cell.X;
        else if (Cell.X >= tl.X + VisibleColCount())
            tl.X = FCols.FirstToShow(Cell.X, FFixedCols, ClientWidth());
    }
    if (Cell.Y >= FFixedRows) {
        if (Cell.Y < tl.Y)
            tl.Y = Cell.Y;
        else if (Cell.Y >= tl.Y + VisibleRowCount())
            tl.Y = FRows.FirstToShow(Cell.Y, FFixedRows, ClientHeight());
    }
    if (!(tl == FTopLeft))
        MoveTopLeft(tl.X, tl.Y);
}

void TCustomGrid::SetSelection(const TGridRect& value)
{
    TGridRect oldSel = Selection();
    TGridCoord anchor{value.Left, value.Top};
    TGridCoord cur{value.Right, value.Bottom};
    if (FOptions.Contains(goRowSelect)) {
        anchor.X = ColCount() - 1;
        cur.X = FFixedCols;
    }
    FSelection.Set(anchor, cur);
    SelectionMoved(oldSel);
}

void TCustomGrid::SelectionMoved(const TGridRect& OldSel)
{
    if (!HandleAllocated())
        return;
    InvalidateRange(OldSel);
    InvalidateRange(Selection());
}

void TCustomGrid::InvalidateRange(const TGridRect& Range)
{
    if (!HandleAllocated())
        return;
    TGridRect vis = VisibleRange();
    // Only the part of the range on screen; fixed cells are never selected.
    int l = std::max(Range.Left, FFixedCols), t = std::max(Range.Top, FFixedRows);
    int r = std::min(Range.Right, vis.Right), b = std::min(Range.Bottom, vis.Bottom);
    l = std::max(l, vis.Left);
    t = std::max(t, vis.Top);
    if (l > r || t > b)
        return;
    TRect a = BoxRect(l, t), z = BoxRect(r, b);
    InvalidateBox({a.Left, a.Top, z.Right + GridLineWidth(), z.Bottom + GridLineWidth()});
}

void TCustomGrid::InvalidateCell(int ACol, int ARow)
{
    if (!HandleAllocated())
        return;
    TRect r = BoxRect(ACol, ARow);
    if (!r.IsEmpty())
        InvalidateBox({r.Left, r.Top, r.Right + GridLineWidth(), r.Bottom + GridLineWidth()});
}

void TCustomGrid::InvalidateCol(int ACol)
{
    if (!HandleAllocated())
        return;
    TRect r = BoxRect(ACol, FRows.ViewIndexAt(0, FFixedRows, FTopLeft.Y));
    if (!r.IsEmpty())
        InvalidateBox({r.Left, 0, r.Right + GridLineWidth(), ClientHeight()});
}

void TCustomGrid::InvalidateRow(int ARow)
{
    if (!HandleAllocated())
        return;
    TRect r = BoxRect(FCols.ViewIndexAt(0, FFixedCols, FTopLeft.X), ARow);
    if (!r.IsEmpty())
        InvalidateRect({0, r.Top, ClientWidth(), r.Bottom + GridLineWidth()});
}

void TCustomGrid::SetOptions(TGridOptions value)
{
    if (value == FOptions)
        return;
    if (value.Contains(goRowSelect))
        value -= goAlwaysShowEditor;
    FOptions = value;
    if (!FEditorMode) {
        if (value.Contains(goAlwaysShowEditor))
            ShowEditor();
        else
            HideEditor();
    }
    if (value.Contains(goRowSelect)) {
        TGridCoord cur = FSelection.Current();
        FSelection.Set({ColCount() - 1, cur.Y}, {FFixedCols, cur.Y});
    }
    Invalidate();
}

void TCustomGrid::SetDefaultDrawing(bool value)
{
    if (value != FDefaultDrawing) {
        FDefaultDrawing = value;
        Invalidate();
    }
}

// Moves and deletions

void TCustomGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex)
        return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    HideEditor();
    FCols.Move(FromIndex, ToIndex);
    ColumnMoved(FromIndex, ToIndex);
    ColWidthsChanged();
}

void TCustomGrid::MoveRow(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex)
        return;
    if (FromIndex < 0 || ToIndex < 0 || FromIndex >= RowCount() || ToIndex >= RowCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    HideEditor();
    FRows.Move(FromIndex, ToIndex);
    RowMoved(FromIndex, ToIndex);
    RowHeightsChanged();
}

void TCustomGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::RowMoved(int FromIndex, int ToIndex)
{
    if (OnRowMoved)
        OnRowMoved(this, FromIndex, ToIndex);
}

void TCustomGrid::DeleteColumn(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    // The deleted column goes last, then the count drops it.
    MoveColumn(ACol, ColCount() - 1);
    SetColCount(ColCount() - 1);
}

void TCustomGrid::DeleteRow(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        throw EInvalidGridOperation(IndexOutOfRange);
    MoveRow(ARow, RowCount() - 1);
    SetRowCount(RowCount() - 1);
}

void TCustomGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == FInplaceEdit) {
        FInplaceEdit = nullptr;
        FEditorMode = false;
    }
    TCustomControl::Notification(AComponent, Operation);
}

// Drawing through the event

void TCustomDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    if (OnDrawCell)
        OnDrawCell(this, ACol, ARow, ARect, AState);
}

QString TCustomDrawGrid::GetEditText(int ACol, int ARow)
{
    QString value;
    if (OnGetEditText)
        OnGetEditText(this, ACol, ARow, value);
    return value;
}

void TCustomDrawGrid::SetEditText(int ACol, int ARow, const QString& Value)
{
    if (OnSetEditText)
        OnSetEditText(this, ACol, ARow, Value);
}

QString TCustomDrawGrid::GetEditMask(int ACol, int ARow)
{
    QString value;
    if (OnGetEditMask)
        OnGetEditMask(this, ACol, ARow, value);
    return value;
}
