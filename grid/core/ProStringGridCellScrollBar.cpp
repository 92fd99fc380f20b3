// The one scroll bar the grid shows over a cell that scrolls its content
// (a ctScrollbar cell): the mouse over such a cell brings the bar to the
// cell's right edge with the cell's page, range and position; over any
// other cell it goes. Its steps reach the cell through WM_VSCROLL
// (ProStringGridScroll.cpp).
#include "grid/core/ProStringGrid.h"
#include "platform/controls/ScrollBar.h"
#include <algorithm>

namespace {

// The bar's width, as the painter draws it.
constexpr int BarWidth = 17;

} // namespace

void TProStringGrid::CellScrollBarMove(int ACol, int ARow)
{
    TScrollBar* bar = FScrollBar;
    if (!bar)
        return;
    const int realCol = ACol >= 0 ? DisplToRealCol(ACol) : -1;
    const bool scrolls = realCol >= 0 && ARow >= 0 && HasScrollBar(realCol, ARow);
    TScrollProp prop{-1, -1};
    if (scrolls) {
        FScrollCol = realCol;
        FScrollRow = ARow;
        prop = GetScrollProp(realCol, ARow);
    }
    // A cell whose content fits shows no bar; one left over another cell
    // would scroll this one.
    if (!scrolls || prop.PageSize >= prop.Range) {
        if (bar->Visible())
            bar->SetVisible(false);
        return;
    }
    const int position = std::max(GetScrollPosition(realCol, ARow), 0);
    const TRect r = CellRect(ACol, ARow);
    const int line = GridLineWidth();
    // Children sit in window coordinates, inside the frame.
    const TRect place = Bounds(r.Right - BarWidth - line + FrameSize(), r.Top + line + FrameSize(), BarWidth,
                               r.Bottom - r.Top - 2 * line);
    if (!bar->Visible() || !(bar->BoundsRect() == place)) {
        if (bar->Kind() != sbVertical)
            bar->SetKind(sbVertical);
        if (bar->Parent() != this)
            bar->SetParent(this);
        bar->SetTabStop(false);
        bar->SetParams(0, 0, prop.Range);
        bar->SetPageSize(prop.PageSize);
        bar->SetBounds(place.Left, place.Top, place.Right - place.Left, place.Bottom - place.Top);
        bar->SetVisible(true);
    }
    bar->SetPosition(position);
}
