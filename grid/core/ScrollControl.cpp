#include "grid/core/ScrollControl.h"
#include "grid/core/ProStringGrid.h"
#include "platform/graphics/Canvas.h"
#include <algorithm>
#include <cmath>
#include "grid/core/GridCoreHelpers.h"

namespace {

// Rounding to the nearest integer, halves to the even neighbour.
} // namespace

TScrollControl::TScrollControl(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetDoubleBuffered(true);
}

void TScrollControl::SetDirection(TScrollDirection Value)
{
    FDirection = Value;
    Invalidate();
}

void TScrollControl::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    Invalidate();
}

void TScrollControl::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
    Invalidate();
}

TProStringGrid* TScrollControl::ParentGrid() const { return dynamic_cast<TProStringGrid*>(Parent()); }

int TScrollControl::FixedLength() const
{
    TProStringGrid* g = ParentGrid();
    if (!g)
        return 0;
    int len = 0;
    if (FDirection == sdVertical)
        for (int r = 0; r < g->FixedRows(); ++r)
            len += g->RowHeights(r);
    else
        for (int c = 0; c < g->FixedCols(); ++c)
            len += g->ColWidths(c);
    return len;
}

int TScrollControl::TrackLength() const
{
    TProStringGrid* g = ParentGrid();
    if (!g)
        return 0;
    int len = (FDirection == sdVertical ? Height() : Width()) - FixedLength();
    // The footer rows at the end; across, the fixed right columns.
    const bool vertical = FDirection == sdVertical;
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int trailing = vertical ? g->FixedFooters() : g->FixedRightCols();
    for (int i = 0; i < trailing && count - 1 - i >= 0; ++i)
        len -= vertical ? g->RowHeights(count - 1 - i) : g->ColWidths(count - 1 - i);
    return len;
}

bool TScrollControl::HasSomethingToScroll() const
{
    TProStringGrid* g = ParentGrid();
    if (!g)
        return false;
    if (FDirection == sdVertical)
        return g->VisibleRowCount() < g->RowCount() - g->FixedRows();
    return g->VisibleColCount() < g->ColCount() - g->FixedCols();
}

bool TScrollControl::GetThumb(int& Pos, int& Len) const
{
    Pos = Len = 0;
    if (!HasSomethingToScroll())
        return false;
    TProStringGrid* g = ParentGrid();
    const bool vertical = FDirection == sdVertical;
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int first = vertical ? g->TopRow() : g->LeftCol();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    // Something to scroll means count > fixed: no division by zero.
    const double shown = double(visible) / count;
    const double at = double(first - fixed) / (count - fixed);
    const int track = TrackLength();
    const int length = vertical ? Height() : Width();
    Len = std::max(RoundEven(track * shown), 20);
    Pos = FixedLength() + RoundEven(track * at);
    if (Pos + Len > length)
        Pos = length - Len;
    return true;
}

void TScrollControl::Paint()
{
    TCanvas* canvas = Canvas();
    // The grid shows through where there is no thumb.
    if (TProStringGrid* g = ParentGrid())
        canvas->CopyRect(ClientRect(), g->Canvas(), BoundsRect());
    int pos, len;
    if (!GetThumb(pos, len))
        return;
    canvas->Pen()->SetColor(FColor);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FColor);
    if (FDirection == sdVertical)
        canvas->Rectangle(0, pos, FScrollWidth, pos + len);
    else
        canvas->Rectangle(pos, 0, pos + len, FScrollWidth);
}

void TScrollControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    TProStringGrid* g = ParentGrid();
    int pos, len;
    if (!g || !GetThumb(pos, len))
        return;
    const bool vertical = FDirection == sdVertical;
    const int at = vertical ? Y : X;
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int first = vertical ? g->TopRow() : g->LeftCol();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    auto scrollTo = [&](int Value) { vertical ? g->SetTopRow(Value) : g->SetLeftCol(Value); };
    if (at < pos) {
        scrollTo(std::max(fixed, first - visible));
    } else if (at >= pos + len) {
        scrollTo(std::min(first + visible, count - visible));
    } else {
        FDownOnScroller = true;
        FDownPos = at;
        FDownRow = first;
    }
    Invalidate();
}

void TScrollControl::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    TProStringGrid* g = ParentGrid();
    if (!FDownOnScroller || !g)
        return;
    const bool vertical = FDirection == sdVertical;
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    const int count = vertical ? g->RowCount() : g->ColCount();
    const int visible = vertical ? g->VisibleRowCount() : g->VisibleColCount();
    int first0 = 0;
    if (vertical && g->RowCount() > 0)
        first0 = g->RowHeights(0);
    else if (!vertical && g->ColCount() > 0)
        first0 = g->ColWidths(0);
    // A strip no longer than the first row (column) gives no scale.
    const int span = (vertical ? Height() : Width()) - first0;
    if (span <= 0)
        return;
    const int moved = (vertical ? Y : X) - FDownPos;
    const int target = RoundEven(double(moved) / span * count) + FDownRow;
    const int value = std::max(fixed, std::min(target, count - visible));
    vertical ? g->SetTopRow(value) : g->SetLeftCol(value);
    Invalidate();
}

void TScrollControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    FDownOnScroller = false;
}
