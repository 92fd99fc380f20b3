#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItem.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/StringUtils.h"
#include "platform/rtl/List.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <QSet>
#include <algorithm>

// Structural operations on rows and columns. Rows move through the store's
// row exchange and side lists are compacted once, so a removal or an
// insertion is one pass over the rows below it, whatever its size.

namespace {

// Drops the entries of the sorted indexes from a per-row list in one pass.
void EraseEntries(TList* List, const std::vector<int>& Rows)
{
    int t = 0;
    std::size_t next = 0;
    const int n = List->Count();
    for (int i = 0; i < n; ++i) {
        if (next < Rows.size() && Rows[next] == i) {
            ++next;
            continue;
        }
        if (t != i)
            List->SetItems(t, List->Items(i));
        ++t;
    }
    List->SetCount(t);
}

void EraseRange(TList* List, int From, int Count)
{
    if (From >= List->Count() || Count <= 0)
        return;
    std::vector<int> rows;
    for (int i = From; i < From + Count && i < List->Count(); ++i)
        rows.push_back(i);
    EraseEntries(List, rows);
}

void InsertZeros(TList* List, int At, int Count)
{
    const int n = List->Count();
    if (At >= n || Count <= 0)
        return;
    List->SetCount(n + Count);
    for (int i = n + Count - 1; i >= At + Count; --i)
        List->SetItems(i, List->Items(i - Count));
    for (int i = At; i < At + Count; ++i)
        List->SetItems(i, nullptr);
}

std::vector<int> Range(int From, int Count)
{
    std::vector<int> rows(std::size_t(std::max(Count, 0)));
    for (int i = 0; i < Count; ++i)
        rows[std::size_t(i)] = From + i;
    return rows;
}

} // namespace

// Removing rows

void TProStringGrid::RemoveRows(int RowIndex, int RCount)
{
    const int n = RowCount();
    if (RowIndex < 0 || RowIndex >= n || RCount <= 0)
        return;
    RCount = std::min(RCount, n - RowIndex);
    const int realStart = RealRowIndex(RowIndex);
    const int realAfter = RealRowIndex(RowIndex + RCount);
    // The removed rows' controls leave the list; those below move up.
    for (int i = FControlList->Count() - 1; i >= 0; --i) {
        TControlItem* item = FControlList->Control(i);
        if (item->Y() >= realAfter) {
            item->SetY(item->Y() - RCount);
        } else if (item->Y() >= realStart) {
            if (item->Control())
                item->Control()->SetVisible(false);
            FControlList->RemoveControl(i);
            FNumCellControls = std::max(FNumCellControls - 1, 0);
        }
    }
    FreeCellPropsRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);

    BeginUpdate();
    const int top = TopRow();
    const int row = Row();
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TGridItem* item = FGridItems->Item(i);
        if (item->Idx() > realStart)
            item->SetIdx(item->Idx() - RCount);
    }
    if (FShowModified->Enabled())
        EraseRange(FModifiedRows.get(), RowIndex, RCount);
    if (FUseEnabledRows)
        EraseRange(FEnabledRows.get(), RowIndex, RCount);
    if (FMouseActions->DisjunctRowSelect())
        EraseRange(FRowSelect.get(), RowIndex, RCount);
    CompactRows(Range(RowIndex, RCount));
    FMaxRowCount -= RCount;
    if (row < RowCount() - FFixedFooters) {
        if (!FMouseActions->DisjunctRowSelect())
            SetRow(row);
        SetTopRow(top);
    } else {
        if (FixedRows() < RowCount() - FFixedFooters)
            SetRow(RowCount() - FFixedFooters - 1);
        else
            HideSelection();
        FSelHidden = false;
    }
    EndUpdate();
    CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
    const int visible = VisibleRowCount();
    if (TopRow() >= RowCount() + FixedRows() - visible - 2 && RowCount() - visible - 1 > 0)
        SetTopRow(RowCount() + FixedRows() - visible - 2);
    if (FNumCellControls > 0)
        CellControlsUpdate(false);
}

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
        EraseRange(FRowSelect.get(), RowIndex, RCount);
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

void TProStringGrid::RemoveRowsCore(int ARow, int ACount)
{
    if (ARow < 0 || ARow >= RowCount() || ACount <= 0)
        return;
    RemoveRowSet(Range(ARow, std::min(ACount, RowCount() - ARow)));
}

void TProStringGrid::RemoveRowSet(const std::vector<int>& Rows)
{
    if (Rows.empty())
        return;
    std::vector<int> reals;
    reals.reserve(Rows.size());
    for (int r : Rows)
        reals.push_back(RealRowIndex(r));
    // The rows' controls go out of sight and out of the list.
    for (int i = FControlList->Count() - 1; i >= 0; --i) {
        TControlItem* item = FControlList->Control(i);
        if (std::binary_search(reals.begin(), reals.end(), item->Y())) {
            if (item->Control())
                item->Control()->SetVisible(false);
            FControlList->RemoveControl(i);
            FNumCellControls = std::max(FNumCellControls - 1, 0);
        }
    }
    BeginUpdate();
    const int top = TopRow();
    const int row = Row();
    for (int r : Rows)
        FreeCellPropsRect(0, r, TotalColCount() - 1, r);
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TGridItem* item = FGridItems->Item(i);
        const auto below = std::lower_bound(reals.begin(), reals.end(), item->Idx()) - reals.begin();
        if (below > 0)
            item->SetIdx(item->Idx() - int(below));
    }
    if (FMouseActions->DisjunctRowSelect() && !FMouseActions->RowSelectPersistent())
        EraseEntries(FRowSelect.get(), Rows);
    CompactRows(Rows);
    FMaxRowCount -= int(Rows.size());
    if (row < RowCount() - FFixedFooters) {
        SetRow(row);
        SetTopRow(top);
    } else if (FixedRows() < RowCount() - FFixedFooters) {
        SetRow(RowCount() - FFixedFooters - 1);
    } else {
        HideSelection();
    }
    FSelHidden = false;
    EndUpdate();
    CellsChanged(TRect{0, Rows.front(), ColCount() - 1, Rows.back() + 1});
    if (TopRow() >= RowCount() - 1)
        SetTopRow(RowCount() - 1);
    if (FNumCellControls > 0)
        CellControlsUpdate(false);
}

void TProStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    const int c = DisplToRealCol(ACol);
    QSet<QString> kept;
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r) {
        const QString text = DoCase ? Cells(c, r) : Cells(c, r).toUpper();
        if (kept.contains(text))
            rows.push_back(r);
        else
            kept.insert(text);
    }
    RemoveRowSet(rows);
}

bool TProStringGrid::DisplayRowSelected(int ARow)
{
    return FMouseActions->RowSelectPersistent() ? GetRowSelect(DisplToRealRow(ARow)) : GetRowSelect(ARow);
}

void TProStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    if (FMouseActions->DisjunctRowSelect()) {
        std::vector<int> rows;
        for (int i = FixedRows(); i <= RowCount() - FFixedFooters - 1; ++i)
            if (DisplayRowSelected(i))
                rows.push_back(i);
        RemoveRowSet(rows);
        ClearRowSelect();
    } else {
        const TGridRect sel = Selection();
        const int top = std::min(sel.Top, sel.Bottom);
        const int bottom = std::max(sel.Top, sel.Bottom);
        RemoveRowSet(Range(top, bottom - top + 1));
    }
    EndUpdate();
}

void TProStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    std::vector<int> rows;
    for (int i = FixedRows(); i <= RowCount() - FFixedFooters - 1; ++i)
        if (!DisplayRowSelected(i))
            rows.push_back(i);
    RemoveRowSet(rows);
    if (FMouseActions->RowSelectPersistent())
        SelectRows(FixedRows(), RowCount() - FixedRows());
    else
        ClearRowSelect();
    EndUpdate();
}

void TProStringGrid::HideSelectedRows()
{
    BeginUpdate();
    std::vector<int> rows;
    for (int i = FixedRows(); i < RowCount(); ++i)
        if (DisplayRowSelected(i))
            rows.push_back(RealRowIndex(i));
    HideRealRows(rows);
    EndUpdate();
}

void TProStringGrid::HideUnSelectedRows()
{
    BeginUpdate();
    std::vector<int> rows;
    for (int i = FixedRows(); i < RowCount() - FFixedFooters; ++i)
        if (!DisplayRowSelected(i))
            rows.push_back(RealRowIndex(i));
    HideRealRows(rows);
    EndUpdate();
}

// Columns by selection

void TProStringGrid::RemoveSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (GetColSelect(c)) {
                RemoveCols(c, 1);
                if (c < FColSelect->Count())
                    FColSelect->Delete(c);
            }
        return;
    }
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    RemoveCols(left, right - left + 1);
}

void TProStringGrid::RemoveUnSelectedCols()
{
    if (FMouseActions->DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (!GetColSelect(c)) {
                RemoveCols(c, 1);
                if (c < FColSelect->Count())
                    FColSelect->Delete(c);
            }
    } else {
        const TGridRect sel = Selection();
        const int left = std::min(sel.Left, sel.Right);
        const int right = std::max(sel.Left, sel.Right);
        RemoveCols(right + 1, ColCount() - right);
        RemoveCols(FixedCols(), left - FixedCols());
    }
    ClearColSelect();
}

// Inserting

void TProStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0 || RowIndex < 0 || RowIndex > RowCount())
        return;
    if (FSelHidden || Col() >= ColCount() || Row() >= RowCount())
        UnHideSelection();
    const int realAt = RealRowIndex(RowIndex);
    InsertDisplayRows(RowIndex, RCount);
    // The hidden rows below the new ones keep their place among the rows.
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TGridItem* item = FGridItems->Item(i);
        if (item->Idx() >= realAt)
            item->SetIdx(item->Idx() + RCount);
    }
    if (FShowModified->Enabled())
        InsertZeros(FModifiedRows.get(), RowIndex, RCount);
    if (FUseEnabledRows)
        InsertZeros(FEnabledRows.get(), RowIndex, RCount);
    if (UpdateCellControls && FNumCellControls > 0) {
        for (int i = 0; i < FControlList->Count(); ++i) {
            TControlItem* item = FControlList->Control(i);
            if (item->Y() >= realAt)
                item->SetY(item->Y() + RCount);
        }
        CellControlsUpdate(false);
    }
    FMaxRowCount = std::max(FMaxRowCount, RowCount());
    if (!IsDestroying())
        CellsChanged(TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

void TProStringGrid::AddRow()
{
    if (FFloatingFooter->Visible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (FFloatingFooter->FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
    } else {
        InsertRows(RowCount(), 1, true);
        ClearRows(RowCount() - 1, 1);
    }
}

void TProStringGrid::InsertCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (CCount <= 0 || ColIndex < 0 || ColIndex > total)
        return;
    TGridCellStore& store = CellStore();
    for (int i = 0; i < CCount; ++i)
        store.InsertColumn(ColIndex);
    // Flags of real columns move right with their columns.
    for (int c = std::min(total + CCount, 512) - 1; c >= ColIndex + CCount; --c)
        FVisibleCol[c] = FVisibleCol[c - CCount];
    for (int c = ColIndex; c < ColIndex + CCount && c < 512; ++c)
        FVisibleCol[c] = true;
    const int oldCols = ColCount();
    FNumHidden = int(std::count(FVisibleCol.begin(), FVisibleCol.begin() + 512, false));
    UpdateColMaps();
    SetColCount(total + CCount - FNumHidden);
    const int d = RealToDisplCol(ColIndex);
    for (int c = ColCount() - 1; c >= d + CCount; --c)
        FCols.SetSize(c, c - CCount < oldCols ? FCols.Size(c - CCount) : DefaultColWidth());
    for (int c = d; c < d + CCount && c < ColCount(); ++c)
        FCols.SetSize(c, DefaultColWidth());
    ColWidthsChanged();
}

void TProStringGrid::RemoveCols(int ColIndex, int CCount)
{
    const int total = TotalColCount();
    if (ColIndex < 0 || ColIndex >= total || CCount <= 0)
        return;
    CCount = std::min(CCount, total - ColIndex);
    ClearCols(ColIndex, CCount);
    FreeCellPropsRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
    const int d = RealToDisplCol(ColIndex);
    int shownRemoved = 0;
    for (int c = ColIndex; c < ColIndex + CCount; ++c)
        shownRemoved += IsHiddenColumn(c) ? 0 : 1;
    TGridCellStore& store = CellStore();
    for (int i = 0; i < CCount; ++i)
        store.DeleteColumn(ColIndex);
    for (int c = d; c + shownRemoved < ColCount(); ++c)
        FCols.SetSize(c, FCols.Size(c + shownRemoved));
    for (int c = ColIndex; c < 512; ++c)
        FVisibleCol[c] = c + CCount < 512 ? bool(FVisibleCol[c + CCount]) : true;
    FNumHidden = int(std::count(FVisibleCol.begin(), FVisibleCol.begin() + 512, false));
    UpdateColMaps();
    SetColCount(std::max(total - CCount - FNumHidden, 1));
    ColWidthsChanged();
    CellsChanged(TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TProStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString& Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCells(ColIndex1, r, Trim(Cells(ColIndex1, r) + Separator + Cells(ColIndex2, r)));
    RemoveCols(ColIndex2, 1);
}

// Merging runs of equal cells

void TProStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int first = FixedRows();
    const int last = RowCount() - FFixedFooters - 1;
    int start = first;
    for (int r = first + 1; r <= last + 1; ++r) {
        const bool same = r <= last && Cells(ColIndex, r) == Cells(ColIndex, r - 1) &&
                          (MainMerge || RowSpanIdentical(r, r - 1));
        if (same)
            continue;
        if (r - start >= 2)
            MergeCells(ColIndex, start, 1, r - start);
        start = r;
    }
}

void TProStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int first = FixedCols();
    const int last = ColCount() - FFixedRightCols - 1;
    int start = first;
    for (int c = first + 1; c <= last + 1; ++c) {
        const bool same = c <= last && Cells(c, RowIndex) == Cells(c - 1, RowIndex) &&
                          (MainMerge || ColSpanIdentical(c, c - 1));
        if (same)
            continue;
        // Inside the row every run is marked, a single cell too; the last
        // run only when it spans.
        if (c <= last || c - start >= 2)
            MergeCells(start, RowIndex, c - start, 1);
        start = c;
    }
}

void TProStringGrid::SplitColumnCells(int ColIndex)
{
    int r = 0;
    while (r < RowCount() - FFixedFooters - 1) {
        if (IsYMergedCell(ColIndex, r)) {
            const int span = CellSpan(ColIndex, r).Y;
            SplitCells(ColIndex, r);
            r += span + 1;
        } else {
            ++r;
        }
    }
}

void TProStringGrid::SplitRowCells(int RowIndex)
{
    int c = 0;
    while (c < ColCount() - FFixedRightCols - 1) {
        if (IsMergedCell(c, RowIndex) && CellSpan(c, RowIndex).X >= 0) {
            const int span = CellSpan(c, RowIndex).X;
            SplitCells(c, RowIndex);
            c += span + 1;
        } else {
            ++c;
        }
    }
}

void TProStringGrid::SplitAllCells()
{
    if (MergeCount() == 0)
        return;
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (IsMergedCell(c, r) && IsBaseCell(c, r))
                SplitCells(c, r);
}

// Clearing and trimming

void TProStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    if (ARow2 < ARow1)
        return;
    const TGridCellStore& store = Store();
    const int lastRow = std::min(ARow2, store.LastRow());
    for (int r = std::max(ARow1, 0); r <= lastRow; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int col = FSaveHiddenCells ? DisplToRealCol(c) : c;
            if (!store.Exists(col, r))
                continue;
            if (!FClearTextOnly && store.Object(col, r))
                FreeCellPropsRect(col, r, col, r);
            if (!IsDestroying() && !store.Text(col, r).isEmpty()) {
                SetGridCell(col, r, QString());
                if (col != c)
                    RepaintCell(c, r);
            }
        }
    if (ACol1 == 0 && ARow1 == 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1)
        FHasCellProps = false;
    if (!IsDestroying() && !FBlockCellChange)
        CellsChanged(TRect{DisplToRealCol(ACol1), ARow1, DisplToRealCol(ACol2), ARow2});
}

void TProStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    const TGridCellStore& store = Store();
    for (int r = std::max(ARow1, 0); r <= ARow2; ++r)
        for (int c = std::max(ACol1, 0); c <= ACol2; ++c) {
            const int col = FSaveHiddenCells ? DisplToRealCol(c) : c;
            if (!store.Exists(col, r))
                continue;
            const QString text = store.Text(col, r);
            const QString trimmed = Trim(text);
            if (trimmed != text)
                SetCells(col, r, trimmed);
        }
}

void TProStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            SetColors(c, r, AColor);
}

void TProStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(0, RowIndex, ColCount() + FNumHidden - 1, RowIndex + RCount - 1);
}

void TProStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(FixedCols(), RowIndex, ColCount() + FNumHidden - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TProStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

void TProStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TProStringGrid::ClearNormalCells()
{
    ClearRect(FixedCols(), FixedRows(), ColCount() + FNumHidden - FFixedRightCols - 1,
              RowCount() - FFixedFooters - 1);
}

void TProStringGrid::Clear()
{
    ClearRect(0, 0, ColCount() + FNumHidden - 1, RowCount() - 1);
    if (FNumHidden > 0)
        Invalidate();
}

void TProStringGrid::ClearAll()
{
    Clear();
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TStrings* items = FGridItems->Item(i)->Items();
        for (int c = 0; c < items->Count(); ++c)
            items->SetStrings(c, QString());
    }
}

void TProStringGrid::ClearSelection()
{
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (DisplayRowSelected(r))
                ClearRows(r, 1);
    } else if (FMouseActions->DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (GetColSelect(c))
                ClearCols(c, 1);
    } else {
        const TGridRect sel = Selection();
        ClearRect(std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), std::max(sel.Left, sel.Right),
                  std::max(sel.Top, sel.Bottom));
    }
}

// Finding cells

bool TProStringGrid::IsCell(const QString& SubStr, int& ACol, int& ARow)
{
    const TGridCellStore& store = Store();
    const int rows = std::min(RowCount(), store.LastRow() + 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < ColCount(); ++c)
            if ((SubStr.isEmpty() || store.Exists(c, r)) && store.Text(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TProStringGrid::IsWideCell(int ACol, int ARow) { return Cells(ACol, ARow).startsWith(QStringLiteral("|\\")); }

// Column order

void TProStringGrid::SetColumnOrder()
{
    FColumnOrder->Clear();
    for (int c = 0; c < ColCount(); ++c)
        FColumnOrder->Add(c);
}

int TProStringGrid::ColumnPosition(int ACol) const
{
    if (FColumnOrder->Count() == 0)
        return ACol;
    int result = ACol;
    const int n = std::min(ColCount() + FNumHidden, FColumnOrder->Count());
    for (int p = 0; p < n; ++p)
        if (FColumnOrder->Items(p) == ACol) {
            result = p;
            break;
        }
    if (FGroupColumn != -1 && FGroupColumn <= ACol)
        --result;
    return result;
}

int TProStringGrid::ColumnAtPosition(int ACol)
{
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    if (ACol < 0 || ACol >= FColumnOrder->Count())
        return ACol;
    int result = FColumnOrder->Items(ACol);
    if (FGroupColumn != -1 && FGroupColumn <= result)
        ++result;
    return result;
}

void TProStringGrid::ResetColumnOrder()
{
    UnHideColumnsAll();
    if (FColumnOrder->Count() == 0) {
        SetColumnOrder();
        return;
    }
    // Each pass puts columns back; ColumnMoved keeps the record in step.
    for (int pass = 0; pass <= ColCount(); ++pass) {
        bool moved = false;
        for (int p = 0; p < ColCount() && p < FColumnOrder->Count(); ++p) {
            const int v = FColumnOrder->Items(p);
            if (v < p && v >= 0) {
                MoveColumn(p, v);
                moved = true;
            }
        }
        if (!moved)
            break;
    }
}

int TProStringGrid::ColumnByHeader(const QString& AValue)
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (GetCellsEx(c, 0) == AValue)
            return c;
    return -1;
}
