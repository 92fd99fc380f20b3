// Keys, wheel, cell selection and scrolling over merged ranges.
#include "grid/foundation/BaseGrid.h"
#include "platform/controls/Messages.h"
#include <algorithm>

void TBaseGrid::StepToRangeEnd(bool Horizontal)
{
    TCellProperties* props = PropsAt(Col(), Row());
    if (!props)
        return;
    const TPoint base = BaseOf(props, Col(), Row());
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    if (!baseProps)
        return;
    if (Horizontal) {
        const int last = base.X + baseProps->CellSpanX();
        if (last >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount())
            SetCol(last);
    } else {
        const int last = base.Y + baseProps->CellSpanY();
        if (last >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1 && last < RowCount())
            SetRow(last);
    }
}

void TBaseGrid::StepToRangeStart(bool Horizontal)
{
    TCellProperties* props = PropsAt(Col(), Row());
    if (!props)
        return;
    const TPoint base = BaseOf(props, Col(), Row());
    if (Horizontal) {
        if (base.X < Col() && base.X >= FFixedCols)
            SetCol(base.X);
    } else if (base.Y < Row() && base.Y >= FFixedRows) {
        SetRow(base.Y);
    }
}

void TBaseGrid::MoveToBaseCell()
{
    TCellProperties* props = PropsAt(Col(), Row());
    if (!props)
        return;
    const TPoint base = BaseOf(props, Col(), Row());
    if (base.X >= FFixedCols)
        SetCol(base.X);
    if (base.Y >= FFixedRows)
        SetRow(base.Y);
}

void TBaseGrid::KeyDown(int& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_NEXT:
        // Paging stops before the reserved last row.
        if (FHideLastRow && RowCount() > 1 && VisibleRowCount() + TopRow() - FFixedRows == RowCount() - 1) {
            SetRow(RowCount() - 2);
            Key = 0;
        }
        break;
    // The platform's step then leaves the range.
    case VK_RIGHT: StepToRangeEnd(true); break;
    case VK_DOWN: StepToRangeEnd(false); break;
    case VK_LEFT: StepToRangeStart(true); break;
    case VK_UP: StepToRangeStart(false); break;
    default: break;
    }
    TObjStringGrid::KeyDown(Key, Shift);
    MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    // As the down arrow: a step from inside a range leaves it.
    StepToRangeEnd(false);
    const bool result = TObjStringGrid::DoMouseWheelDown(Shift, MousePos);
    if (Row() - TopRow() > VisibleRowCount() && Row() < RowCount() - 1 && FHideLastRow)
        SetTopRow(TopRow() + 1);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TObjStringGrid::DoMouseWheelUp(Shift, MousePos);
    MoveToBaseCell();
    return result;
}

bool TBaseGrid::SelectCell(int ACol, int ARow)
{
    if (UseRightToLeftAlignment()) {
        const bool result = TObjStringGrid::SelectCell(ACol, ARow);
        Invalidate();
        return result;
    }
    RepaintCell(Col(), Row());
    // The active-row look leaves one row for another.
    if (FActiveRowShow && ARow != Row()) {
        InvalidateRow(Row());
        InvalidateRow(ARow);
    }
    const bool result = TObjStringGrid::SelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return result;
}

void TBaseGrid::TopLeftChanged()
{
    TObjStringGrid::TopLeftChanged();
    // Merged fixed cells reach into the scrolled part.
    if (FFixedCols > 0) {
        const int last = std::min(TopRow() + VisibleRowCount(), RowCount() - 1);
        for (int r = TopRow(); r <= last; ++r)
            for (int c = 0; c < FFixedCols; ++c)
                if (IsMergedCell(c, r))
                    RepaintCell(c, r);
    }
    if (FFixedRows > 0) {
        const int last = std::min(LeftCol() + VisibleColCount(), ColCount() - 1);
        for (int c = LeftCol(); c <= last; ++c)
            for (int r = 0; r < FFixedRows; ++r)
                if (IsMergedCell(c, r))
                    RepaintCell(c, r);
    }
}
