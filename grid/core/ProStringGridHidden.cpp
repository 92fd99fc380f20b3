#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItem.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "platform/rtl/StringList.h"
#include <algorithm>

// Hidden columns keep their cells in the store at their real index; the
// flags of columns 0..511 say which are shown. Hidden rows leave the store
// and wait in TGridItem entries. The mappings answer from tables (columns)
// and a sorted index list (rows), so no call walks the grid.

namespace {

constexpr int HideableCols = 512;

// Frees cell properties parked with a hidden row or left in a stale row,
// with their graphic when the grid owns it.
void FreeCellObject(TObject* Obj)
{
    auto* props = dynamic_cast<TCellProperties*>(Obj);
    if (!props)
        return;
    TObject* graphic = props->GraphicObject();
    if (graphic && graphic->ClassName() == QLatin1String("TCellGraphic"))
        delete graphic;
    delete props;
}

} // namespace

// Column mapping

void TProStringGrid::UpdateColMaps()
{
    if (FNumHidden == 0) {
        FDisplToRealCol.clear();
        FHiddenBefore.clear();
        return;
    }
    FDisplToRealCol.clear();
    FHiddenBefore.assign(HideableCols + 1, 0);
    int hidden = 0;
    for (int c = 0; c < HideableCols; ++c) {
        FHiddenBefore[c] = hidden;
        if (FVisibleCol[c])
            FDisplToRealCol.push_back(c);
        else
            ++hidden;
    }
    FHiddenBefore[HideableCols] = hidden;
}

int TProStringGrid::DisplToRealCol(int ACol) const
{
    if (FNumHidden == 0 || ACol < 0 || ACol >= ColCount())
        return ACol;
    if (ACol < int(FDisplToRealCol.size()))
        return FDisplToRealCol[ACol];
    // Every hidden column lies below 512, every column from there is shown.
    return ACol + FNumHidden;
}

int TProStringGrid::RealToDisplCol(int ACol) const
{
    if (FNumHidden == 0 || ACol < 0)
        return ACol;
    if (ACol >= HideableCols)
        return ACol < TotalColCount() ? ACol - FNumHidden : ACol;
    return ACol - FHiddenBefore[ACol];
}

bool TProStringGrid::IsHiddenColumn(int Colindex) const
{
    return Colindex >= 0 && Colindex < HideableCols && !FVisibleCol[Colindex];
}

int TProStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol))
        return FAllColWidths[ACol];
    const int d = RealToDisplCol(ACol);
    return d >= 0 && d < ColCount() ? ColWidths(d) : DefaultColWidth();
}

void TProStringGrid::SetAllColWidths(int ACol, int Value)
{
    if (ACol < 0)
        return;
    if (ACol <= HideableCols) {
        if (FAllColWidths.empty())
            FAllColWidths.assign(HideableCols + 1, 0);
        FAllColWidths[ACol] = short(Value);
    }
    if (!IsHiddenColumn(ACol)) {
        const int d = RealToDisplCol(ACol);
        if (d < ColCount())
            SetColWidths(d, Value);
    }
}

// Hiding and showing columns

void TProStringGrid::HideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    if (FAllColWidths.empty())
        FAllColWidths.assign(HideableCols + 1, 0);
    for (int i = std::max(FromCol, 0); i <= std::min(ToCol, HideableCols - 1); ++i) {
        if (!FVisibleCol[i] || i >= TotalColCount() || ColCount() < 2)
            continue;
        const int d = RealToDisplCol(i);
        FAllColWidths[i] = short(ColWidths(d));
        for (int k = d; k <= ColCount() - 2; ++k)
            FCols.SetSize(k, FCols.Size(k + 1));
        ++FNumHidden;
        FVisibleCol[i] = false;
        UpdateColMaps();
        if (Col() == ColCount() - 1)
            SetCol(Col() - 1);
        SetColCount(ColCount() - 1);
    }
    ColWidthsChanged();
    Invalidate();
}

void TProStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideInplaceEdit();
    for (int a = std::max(FromCol, 0); a <= std::min(ToCol, HideableCols - 1); ++a) {
        if (FVisibleCol[a])
            continue;
        --FNumHidden;
        FVisibleCol[a] = true;
        UpdateColMaps();
        SetColCount(ColCount() + 1);
        const int b = RealToDisplCol(a + 1);
        for (int k = ColCount() - 1; k >= b && k >= 1; --k)
            FCols.SetSize(k, FCols.Size(k - 1));
        const int w = FAllColWidths.empty() ? 0 : FAllColWidths[a];
        FCols.SetSize(RealToDisplCol(a), w > 0 ? w : DefaultColWidth());
    }
    ColWidthsChanged();
    Invalidate();
}

void TProStringGrid::UnHideColumnsAll() { UnHideColumns(0, ColCount() + NumHiddenColumns()); }

// Row mapping

int TProStringGrid::NumHiddenRows() const { return FGridItems->Count(); }

int TProStringGrid::DisplToRealRow(int ARow) const
{
    if (ARow < 0)
        return -1;
    if (FGridItems->Count() == 0)
        return ARow;
    // s[i] - i counts the shown rows below hidden row s[i]; it never falls,
    // so the hidden rows at or below the answer are found by bisection.
    const std::vector<int>& s = FGridItems->SortedIdx();
    int lo = 0, hi = int(s.size());
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        if (s[mid] - mid <= ARow)
            lo = mid + 1;
        else
            hi = mid;
    }
    return ARow + lo;
}

int TProStringGrid::RealToDisplRow(int ARow) const { return ARow - FGridItems->CountBelow(ARow); }

bool TProStringGrid::IsHiddenRow(int Rowindex) const { return FGridItems->Contains(Rowindex); }

bool TProStringGrid::IsHiddenRow(int Rowindex, TIntList*& ListHidden) const
{
    if (!ListHidden) {
        ListHidden = new TIntList(0, 0);
        for (int i = 0; i < FGridItems->Count(); ++i)
            ListHidden->Add(FGridItems->Item(i)->Idx());
    }
    return ListHidden->HasValue(Rowindex);
}

TStrings* TProStringGrid::HiddenRowItems(int Idx) const
{
    TGridItem* item = FGridItems->Find(Idx);
    return item ? item->Items() : nullptr;
}

// Moving rows in the store

TStrings* TProStringGrid::TakeRowItems(int ARow)
{
    auto* items = new TStringList();
    const TGridCellStore& store = Store();
    const int cols = TotalColCount();
    for (int c = 0; c < cols; ++c)
        items->AddObject(store.Text(c, ARow), store.Object(c, ARow));
    return items;
}

void TProStringGrid::PutRowItems(int ARow, TStrings* Items)
{
    TGridCellStore& store = CellStore();
    store.ClearRow(ARow);
    for (int c = 0; c < Items->Count(); ++c) {
        store.SetText(c, ARow, Items->Strings(c));
        if (TObject* obj = Items->Objects(c)) {
            store.SetObject(c, ARow, obj);
            FHasCellProps = true;
        }
    }
}

void TProStringGrid::SetRowCountRaw(int Value)
{
    TBaseGrid::SetRowCount(Value);
    FNormalRowCount = RowCount();
}

void TProStringGrid::ClearStoreRows(int FromRow, int ToRow)
{
    TGridCellStore& store = CellStore();
    const int cols = TotalColCount();
    for (int r = FromRow; r <= ToRow && r <= store.LastRow(); ++r) {
        for (int c = 0; c < cols; ++c)
            if (TObject* obj = store.Object(c, r))
                FreeCellObject(obj);
        store.ClearRow(r);
    }
}

void TProStringGrid::InsertDisplayRows(int ARow, int ACount)
{
    const int n = RowCount();
    if (ACount <= 0)
        return;
    ARow = std::clamp(ARow, 0, n);
    // Cells a shrunk count left behind are not part of the new rows.
    ClearStoreRows(n, n + ACount - 1);
    SetRowCountRaw(n + ACount);
    TGridCellStore& store = CellStore();
    for (int i = n + ACount - 1; i >= ARow + ACount; --i)
        store.ExchangeRows(i, i - ACount);
    if (FRows.HasSizes()) {
        for (int i = n + ACount - 1; i >= ARow + ACount; --i)
            FRows.SetSize(i, FRows.Size(i - ACount));
        for (int i = ARow; i < ARow + ACount; ++i)
            FRows.SetSize(i, FRows.DefaultSize());
    }
    RowHeightsChanged();
}

void TProStringGrid::RestoreEntries(const std::vector<std::pair<int, TGridItem*>>& Places)
{
    const int m = int(Places.size());
    if (m == 0)
        return;
    const int n = RowCount();
    ClearStoreRows(n, n + m - 1);
    SetRowCountRaw(n + m);
    TGridCellStore& store = CellStore();
    // From the bottom: each row is either an entry's place or the next
    // shown row moving down.
    int s = n - 1;
    int j = m - 1;
    for (int t = n + m - 1; t >= 0 && j >= 0; --t) {
        if (Places[j].first >= t || s < 0) {
            TGridItem* item = Places[j].second;
            PutRowItems(t, item->Items());
            FRows.SetSize(t, item->Height() > 0 ? item->Height() : FRows.DefaultSize());
            --j;
        } else {
            store.ExchangeRows(s, t);
            FRows.SetSize(t, FRows.Size(s));
            --s;
        }
    }
    for (const auto& place : Places)
        delete place.second;
    RowHeightsChanged();
}

// Hiding and showing rows

void TProStringGrid::AddEntriesSorted(std::vector<TGridItem*> Items)
{
    std::stable_sort(Items.begin(), Items.end(), [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
    const int k = FGridItems->Count();
    if (k == 0 || Items.empty() || FGridItems->Item(k - 1)->Idx() <= Items.front()->Idx()) {
        for (TGridItem* item : Items)
            item->SetCollection(FGridItems.get());
        return;
    }
    // Take the list apart from its end (no shifting) and lay both runs in
    // again merged.
    std::vector<TGridItem*> old(std::size_t(k), nullptr);
    for (int i = k - 1; i >= 0; --i) {
        old[std::size_t(i)] = FGridItems->Item(i);
        old[std::size_t(i)]->SetCollection(nullptr);
    }
    std::vector<TGridItem*> merged;
    merged.reserve(old.size() + Items.size());
    std::merge(old.begin(), old.end(), Items.begin(), Items.end(), std::back_inserter(merged),
               [](TGridItem* a, TGridItem* b) { return a->Idx() < b->Idx(); });
    for (TGridItem* item : merged)
        item->SetCollection(FGridItems.get());
}

void TProStringGrid::CompactRows(const std::vector<int>& Rows)
{
    const int n = RowCount();
    TGridCellStore& store = CellStore();
    const bool sizes = FRows.HasSizes();
    int t = 0;
    std::size_t next = 0;
    for (int i = 0; i < n; ++i) {
        if (next < Rows.size() && Rows[next] == i) {
            ++next;
            continue;
        }
        if (t != i) {
            store.ExchangeRows(t, i);
            if (sizes)
                FRows.SetSize(t, FRows.Size(i));
        }
        ++t;
    }
    for (int i = t; i < n; ++i)
        store.ClearRow(i);
    SetRowCountRaw(t);
}

void TProStringGrid::HideRealRows(const std::vector<int>& Rows)
{
    if (Rows.empty())
        return;
    const std::vector<int> hidden = FGridItems->SortedIdx();
    std::vector<TGridItem*> items;
    std::vector<int> display;
    items.reserve(Rows.size());
    display.reserve(Rows.size());
    std::size_t h = 0;
    for (int r : Rows) {
        while (h < hidden.size() && hidden[h] < r)
            ++h;
        const int d = r - int(h);
        auto* item = new TGridItem(nullptr);
        item->SetItems(TakeRowItems(d));
        item->SetIdx(r);
        item->SetHeight(RowHeights(d));
        items.push_back(item);
        display.push_back(d);
    }
    AddEntriesSorted(std::move(items));
    CompactRows(display);
    CellControlsUpdate(false);
}

void TProStringGrid::HideRows(int FromRow, int ToRow)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    std::vector<int> rows;
    for (int r = FromRow; r <= ToRow; ++r)
        if (!IsHiddenRow(r))
            rows.push_back(r);
    if (rows.empty())
        return;
    if (TControl* control = GetCellControls(1, FromRow - FGridItems->CountBelow(FromRow)))
        control->SetVisible(false);
    HideRealRows(rows);
}

void TProStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    FromRow = std::max(FromRow, 0);
    ToRow = std::min(ToRow, TotalRowCount() - 1);
    if (ToRow < FromRow || IsHiddenRow(FromRow))
        return;
    const int p = FGridItems->CountBelow(FromRow);
    std::vector<int> hidden = FGridItems->SortedIdx();
    auto below = std::lower_bound(hidden.begin(), hidden.end(), FromRow);
    // The removal below renumbers later hidden rows as if rows were gone;
    // these rows are only hidden, so the entries keep their places.
    std::vector<std::pair<TGridItem*, int>> kept;
    for (int i = 0; i < FGridItems->Count(); ++i)
        kept.emplace_back(FGridItems->Item(i), FGridItems->Item(i)->Idx());
    int hiddenBefore = p;
    int count = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (below != hidden.end() && *below == r) {
            ++hiddenBefore;
            ++below;
            continue;
        }
        const int d = r - hiddenBefore;
        TGridItem* item = FGridItems->AddItem();
        item->SetItems(TakeRowItems(d));
        item->SetIdx(r);
        item->SetHeight(RowHeights(d));
        kept.emplace_back(item, r);
        ++count;
    }
    // The removal takes the rows' cells along: they live in the entries now.
    TGridCellStore& store = CellStore();
    for (int r = FromRow - p; r < FromRow - p + count; ++r)
        store.ClearRow(r);
    RemoveRowsEx(FromRow - p, count);
    for (const auto& [item, idx] : kept)
        item->SetIdx(idx);
    CellControlsUpdate(false);
}

void TProStringGrid::HideRowList(TIntList* RowList)
{
    if (!RowList)
        return;
    const int n = RowCount();
    std::vector<int> rows;
    rows.reserve(std::size_t(RowList->Count()));
    for (int i = 0; i < RowList->Count(); ++i) {
        const int r = RowList->Items(i);
        if (r >= 0 && r < n)
            rows.push_back(r);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int r : rows) {
        TGridItem* item = FGridItems->AddItem();
        item->SetItems(TakeRowItems(r));
        item->SetIdx(r);
        item->SetHeight(RowHeights(r));
        item->SetLevel(FFilterLevel);
    }
    ++FFilterLevel;
    CompactRows(rows);
    CellControlsUpdate(false);
}

void TProStringGrid::ShowRowControls(int ARealRow)
{
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        if (item->Y() == ARealRow && item->Control())
            item->Control()->SetVisible(true);
    }
}

void TProStringGrid::UnHideRow(int Rowindex)
{
    if (TGridItem* item = FGridItems->Find(Rowindex))
        RestoreEntries({{Rowindex - FGridItems->CountBelow(Rowindex), item}});
    ShowRowControls(Rowindex);
    CellControlsUpdate(false);
}

void TProStringGrid::UnHideRows(int FromRow, int ToRow)
{
    if (!IsHiddenRow(FromRow))
        return;
    const int p = FGridItems->CountBelow(FromRow);
    std::vector<std::pair<int, TGridItem*>> places;
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TGridItem* item = FGridItems->Item(i);
        if (item->Idx() >= FromRow && item->Idx() <= ToRow)
            places.emplace_back(item->Idx() - p, item);
    }
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    RestoreEntries(places);
    if (TControl* control = GetCellControls(1, FromRow - p)) {
        const TRect r = CellRect(1, FromRow - p);
        control->SetBounds(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top - 1);
        control->SetVisible(true);
    }
    CellControlsUpdate(false);
}

void TProStringGrid::UnHideRowsAll()
{
    // Every entry goes back to its real index: one pass over the rows,
    // the same end as showing the runs one by one.
    std::vector<std::pair<int, TGridItem*>> places;
    places.reserve(std::size_t(FGridItems->Count()));
    for (int i = 0; i < FGridItems->Count(); ++i)
        places.emplace_back(FGridItems->Item(i)->Idx(), FGridItems->Item(i));
    std::stable_sort(places.begin(), places.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    RestoreEntries(places);
    CellControlsUpdate(false);
}

void TProStringGrid::UnHideRowList()
{
    std::vector<TGridItem*> level;
    for (int i = FGridItems->Count() - 1; i >= 0; --i) {
        TGridItem* item = FGridItems->Item(i);
        if (item->Level() + 1 == FFilterLevel)
            level.push_back(item);
    }
    const int add = int(level.size());
    if (Row() >= RowCount())
        SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    const int oldN = RowCount();
    ClearStoreRows(oldN, oldN + add - 1);
    SetRowCount(oldN + add);
    const int footer = FFloatingFooter->Visible() ? 1 : 0;
    TGridCellStore& store = CellStore();
    int s = oldN - 1 - footer;
    std::size_t e = 0;
    for (int t = RowCount() - 1 - footer; t >= 0 && e < level.size(); --t) {
        TGridItem* item = level[e];
        if (item->Idx() >= t || s < 0) {
            PutRowItems(t, item->Items());
            FRows.SetSize(t, item->Height() > 0 ? item->Height() : FRows.DefaultSize());
            ++e;
        } else if (s < t) {
            store.ExchangeRows(s, t);
            FRows.SetSize(t, FRows.Size(s));
            --s;
        }
    }
    if (FFilterLevel < 2) {
        FGridItems->Clear();
    } else {
        for (TGridItem* item : level)
            delete item;
    }
    RowHeightsChanged();
    CellControlsUpdate(false);
}

void TProStringGrid::FreeHiddenRowObjects()
{
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TStrings* items = FGridItems->Item(i)->Items();
        for (int c = 0; c < items->Count(); ++c)
            if (TObject* obj = items->Objects(c)) {
                items->SetObjects(c, nullptr);
                FreeCellObject(obj);
            }
    }
}

// Parking the selection

void TProStringGrid::HideSelection()
{
    FOldSelection = Selection();
    SetSelection({ColCount(), RowCount(), ColCount(), RowCount()});
    FSelHidden = true;
}

void TProStringGrid::UnHideSelection()
{
    FSelHidden = false;
    if (FOldSelection.Top < RowCount() && FOldSelection.Left < ColCount()) {
        TGridRect r = FOldSelection;
        r.Right = std::min(r.Right, ColCount() - 1);
        r.Bottom = std::min(r.Bottom, RowCount() - 1);
        SetSelection(r);
        return;
    }
    const int c = FFixedColAlways && FixedCols() == ColCount() ? 0 : FixedCols();
    const int r = FFixedRowAlways && FixedRows() == RowCount() ? 0 : FixedRows();
    SetSelection({c, r, c, r});
}
