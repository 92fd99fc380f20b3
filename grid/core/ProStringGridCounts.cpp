#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SyncGrid.h"
#include <algorithm>
#include <cstdlib>

// Counts

void TProStringGrid::SetRowCount(int Value)
{
    const int old = RowCount();
    if (old == FixedRows() && FFixedRowAlways && FSelHidden)
        UnHideSelection();
    TBaseGrid::SetRowCount(Value);
    if (FFixedRowAlways && FFixedRowsMin < RowCount() && TBaseGrid::FixedRows() != FFixedRowsMin)
        SetFixedRows(FFixedRowsMin);
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    FNormalRowCount = RowCount();
    if (FFooterPanel)
        FFooterPanel->Invalidate();
    if (FFloatingFooter && FFloatingFooter->Visible() && old != RowCount() && old > 0) {
        // The footer row stays last: its cells, objects included, move to
        // the new last row, whose own cells go.
        const int last = RowCount() - 1;
        ClearStoreRows(last, last);
        CellStore().ExchangeRows(old - 1, last);
        CalcFooter(-1);
    }
}

void TProStringGrid::SetColCount(int Value)
{
    TBaseGrid::SetColCount(Value);
    if (FFixedColAlways && FFixedColsMin < ColCount() && TBaseGrid::FixedCols() != FFixedColsMin)
        SetFixedCols(FFixedColsMin);
    FMaxColCount = std::max(FMaxColCount, ColCount());
    if (FFooterPanel)
        FFooterPanel->Invalidate();
    SetBounds(Left(), Top(), Width(), Height());
}

int TProStringGrid::FixedCols() const
{
    const int n = TBaseGrid::FixedCols();
    return n == 0 && FFixedColAlways ? 1 : n;
}

void TProStringGrid::SetFixedRows(int Value)
{
    TBaseGrid::SetFixedRows(Value >= RowCount() && FFixedRowAlways ? RowCount() - 1 : Value);
    if (!IsLoading())
        FFixedRowsMin = Value;
}

void TProStringGrid::SetFixedCols(int Value)
{
    TBaseGrid::SetFixedCols(Value >= ColCount() && FFixedColAlways ? ColCount() - 1 : Value);
    if (!IsLoading())
        FFixedColsMin = Value;
}

// Current cell

void TProStringGrid::SetRow(int Value)
{
    if (Col() < 0 || Col() >= ColCount())
        TCustomGrid::FocusCell(TBaseGrid::FixedCols(), Value, true);
    TBaseGrid::SetRow(Value);
    if (Row() != FOldRowSel && OnRowUpdate) {
        OnRowUpdate(this, FOldRowSel, Row());
        FOldRowSel = Row();
    }
    if (FMouseActions->DisjunctRowSelect())
        SyncRowSelect(false);
    if (FSyncGrid->Grid() && FSyncGrid->SelectionRow())
        FSyncGrid->Grid()->SetRow(Row());
    if (Value == RowCount() - 1)
        AdjustForSearchFooter();
}

void TProStringGrid::SetCol(int Value)
{
    TBaseGrid::SetCol(Value);
    if (FSyncGrid->Grid() && FSyncGrid->SelectionColumn())
        FSyncGrid->Grid()->SetCol(Col());
}

void TProStringGrid::SetTopRow(int Value)
{
    if (Value >= FixedRows() && Value <= RowCount() - 1)
        TBaseGrid::SetTopRow(Value);
}

// Sizes

void TProStringGrid::SetDefaultRowHeight(int Value)
{
    TBaseGrid::SetDefaultRowHeight(Value);
    if (FFloatingFooter) {
        FFloatingFooter->SetHeight(Value);
        if (FFloatingFooter->Visible() && FFooterPanel)
            FFooterPanel->SetHeight(Value);
    }
}

void TProStringGrid::SetFixedRowHeight(int Value)
{
    FFixedRowHeight = Value;
    if (IsLoading())
        return;
    if (Value == DefaultRowHeight()) {
        SetDefaultRowHeight(Value);
        return;
    }
    for (int r = 0; r < TBaseGrid::FixedRows(); ++r)
        SetRowHeights(r, Value);
}

void TProStringGrid::SetFixedColWidth(int Value)
{
    if (IsLoading() || Value == DefaultColWidth())
        return;
    for (int c = 0; c < TBaseGrid::FixedCols(); ++c)
        SetColWidths(c, Value);
}

void TProStringGrid::SetSpreadSheet(bool Value)
{
    FSpreadSheet = Value;
    SetSelectionRectangle(true);
    SetSelectionResizer(true);
    FNavigation->SetAllowSmartClipboard(true);
    TGridOptions options = Options();
    options += goEditing;
    options += goRangeSelect;
    SetOptions(options);
    FMouseActions->SetRangeSelectAndEdit(true);
}

// Ranges of the writers

int TProStringGrid::SaveStartCol() const { return FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols(); }

int TProStringGrid::SaveEndCol() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
}

int TProStringGrid::SaveColCount() const
{
    return FSaveFixedCells || FSaveFixedCols ? ColCount() : ColCount() - FixedCols() - FFixedRightCols;
}

int TProStringGrid::SaveStartRow() const { return FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows(); }

int TProStringGrid::SaveEndRow() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() - 1 : RowCount() - FFixedFooters - 1;
}

int TProStringGrid::SaveRowCount() const
{
    return FSaveFixedCells || FSaveFixedRows ? RowCount() : RowCount() - FixedRows() - FFixedFooters;
}

TRect TProStringGrid::GetUsedCells()
{
    const TGridCellStore& store = Store();
    TRect r{0, 0, 0, 0};
    bool any = false;
    const int rows = std::min(RowCount(), store.LastRow() + 1);
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < ColCount(); ++x) {
            if (!store.Exists(x, y) || store.Text(x, y).isEmpty())
                continue;
            if (!any) {
                r = TRect{x, y, x, y};
                any = true;
            }
            r.Left = std::min(r.Left, x);
            r.Right = std::max(r.Right, x);
            r.Top = std::min(r.Top, y);
            r.Bottom = std::max(r.Bottom, y);
        }
    return r;
}

// Hit tests

void TProStringGrid::ScreenToCell(TPoint pt, int& ACol, int& ARow)
{
    const TPoint p = ScreenToClient(pt);
    MouseToCell(p.X, p.Y, ACol, ARow);
}

bool TProStringGrid::IsIgnoredColumn(int ACol) const { return FIgnoreColumns->HasValue(ACol); }

bool TProStringGrid::IsOnSizeLine(int X, int Y) const
{
    int c = -1, r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return false;
    const TRect rect = CellRect(c, r);
    bool result = false;
    if (Options().Contains(goColSizing) && r <= FixedRows())
        result = std::abs(X - rect.Left) < 4 || std::abs(X - rect.Right) < 4;
    if (Options().Contains(goRowSizing) && c <= FixedCols())
        result = std::abs(Y - rect.Top) < 4 || std::abs(Y - rect.Bottom) < 4;
    return result;
}
