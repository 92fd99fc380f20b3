#include "grid/core/GridItem.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/rtl/List.h"
#include <algorithm>

// Structural operations on rows and columns. Rows move through the store's
// row exchange, so a removal or insertion is one pass over the rows below.

void TProStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    const int n = RowCount();
    if (RowIndex < 0 || RowIndex >= n || RCount <= 0)
        return;
    RCount = std::min(RCount, n - RowIndex);
    const int row = Row();
    const int top = TopRow();
    BeginUpdate();
    ClearStoreRows(RowIndex, RowIndex + RCount - 1);
    TGridCellStore& store = CellStore();
    for (int i = RowIndex; i + RCount < n; ++i)
        store.ExchangeRows(i, i + RCount);
    if (FMouseActions->DisjunctRowSelect())
        for (int k = 0; k < RCount && RowIndex < FRowSelect->Count(); ++k)
            FRowSelect->Delete(RowIndex);
    SetRowCountRaw(n - RCount);
    FMaxRowCount -= RCount;
    if (row < RowCount()) {
        SetRow(row);
        SetTopRow(top);
    } else if (FixedRows() < RowCount()) {
        SetRow(FixedRows());
        SetTopRow(FixedRows());
    }
    EndUpdate();
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TGridItem* item = FGridItems->Item(i);
        if (item->Idx() > RowIndex + RCount - 1)
            item->SetIdx(item->Idx() - RCount);
    }
    CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}
