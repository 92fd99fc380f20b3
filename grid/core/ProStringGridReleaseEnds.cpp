// What a press starts and the release ends besides the platform grid's
// own sizing and moving: sizing a fixed column or row by its border (the
// dotted line follows the mouse, the release sets the size and reports
// it), and the drop of an enhanced row or column move.
#include "grid/core/ProStringGrid.h"
#include <algorithm>
#include <cstdlib>

void TProStringGrid::DoStartBlockFocus()
{
    if (OnStartBlockFocus)
        OnStartBlockFocus(this);
}

void TProStringGrid::DoEndBlockFocus()
{
    if (OnEndBlockFocus)
        OnEndBlockFocus(this);
}

bool TProStringGrid::PressFixedSizing(int X, int Y)
{
    FSizingFixedIndex = -1;
    if (!FSizeFixed && !FSizeFixedR)
        return false;
    // OnColumnSize and OnRowSize may refuse the border, as they refuse the
    // platform's sizing.
    TGridState state = gsNormal;
    int index = -1, at = 0, ofs = 0;
    CalcSizingState(FlipX(X), Y, state, index, at, ofs);
    if (!FSizeFixed && !FSizeFixedR)
        return false;
    // The border lies after each size; the lines between count in the sum.
    const bool cols = FSizeFixed;
    const int pos = cols ? X : Y;
    (cols ? FSizingFixed : FSizingFixedR) = true;
    (cols ? FSizeFixedX : FSizeFixedY) = pos;
    if (cols)
        DrawSizeLineX(X);
    else
        DrawSizeLineY(Y);
    const int count = cols ? FixedCols() : FixedRows();
    for (int i = 0, sum = 0; i < count; ++i) {
        const int size = cols ? ColWidths(i) : RowHeights(i);
        if (std::abs(sum + size - pos) < 3)
            FSizingFixedIndex = i;
        sum += size + 1;
    }
    return true;
}

bool TProStringGrid::ReleaseFixedSizing(int X, int Y)
{
    if (!FSizingFixed && !FSizingFixedR)
        return false;
    const bool cols = FSizingFixed;
    const int index = FSizingFixedIndex;
    FSizeFixed = FSizingFixed = false;
    FSizeFixedR = FSizingFixedR = false;
    FSizingFixedIndex = -1;
    // The dotted line goes also when the size stays as it was.
    if (cols)
        DrawSizeLineX(FSizeFixedX);
    else
        DrawSizeLineY(FSizeFixedY);
    if (cols && index >= 0 && index < ColCount()) {
        int before = 0;
        for (int i = 0; i < index; ++i)
            before += ColWidths(i);
        // Dragged past the column's start it keeps no width rather than a
        // negative one, which would hide it.
        const int width = std::max(X - before, 0);
        SetColWidths(index, width);
        if (OnEndColumnSize)
            OnEndColumnSize(this, index);
        if (OnUpdateColumnSize) {
            int w = width;
            UpdateColSize(index, w);
            if (w != width)
                SetColWidths(index, w);
        }
    } else if (!cols && index >= 0 && index < RowCount()) {
        int before = 0;
        for (int i = 0; i < index; ++i)
            before += RowHeights(i);
        SetRowHeights(index, std::max(Y - before, 0));
        if (OnEndRowSize)
            OnEndRowSize(this, index);
    }
    return true;
}

bool TProStringGrid::ReleaseEnhancedMove(int X, int Y)
{
    if (!MoveFeedbackShown())
        return false;
    const bool cols = FGridState == gsColMoving;
    const int from = FMoveCell >= 0 ? FMoveCell : FMoveIndex;
    // The drop is where the arrows showed it.
    const int to = MoveTarget(FlipX(X), Y);
    const bool refused = FMoveRefused;
    EndMoveFeedback();
    DoEndBlockFocus();
    // The platform's release moves nothing more.
    if (FMoveMarkerShown)
        DrawMoveMarker();
    StopSelectScroll();
    FGridState = gsNormal;
    FMoveIndex = FMovePos = -1;
    if (from < 0)
        return true;
    if (refused) {
        if (cols)
            RepaintRow(0);
        else
            RepaintCol(0);
    } else if (cols && to >= FixedCols() && to < ColCount() - FFixedRightCols && to != from) {
        MoveColumn(from, to);
    } else if (!cols && to >= FixedRows() && to < RowCount() - FFixedFooters && to != from) {
        MoveRow(from, to);
    }
    return true;
}
