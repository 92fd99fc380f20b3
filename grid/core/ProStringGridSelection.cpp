#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/List.h"
#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

void* Flag(bool Value) { return reinterpret_cast<void*>(std::intptr_t(Value ? 1 : 0)); }

bool FlagAt(const TList* List, int Index)
{
    return Index >= 0 && Index < List->Count() && List->Items(Index) != nullptr;
}

void Grow(TList* List, int Count)
{
    if (List->Count() < Count)
        List->SetCount(Count);
}

// Row in the high 16 bits, column in the low 16 bits, in unsigned
// arithmetic so that no row overflows.
int PackCell(int ACol, int ARow)
{
    return int((std::uint32_t(ARow) << 16) | (std::uint32_t(ACol) & 0xFFFFu));
}

TGridCoord UnpackCell(int Value)
{
    const auto v = std::uint32_t(Value);
    return {int(v & 0xFFFFu), int(v >> 16)};
}

TGridRect Ordered(const TGridRect& R)
{
    return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
            std::max(R.Top, R.Bottom)};
}

} // namespace

void TProStringGrid::SetSelection(const TGridRect& Value)
{
    TBaseGrid::SetSelection(Value);
    if (FActiveCellShow) {
        InvalidateRow(0);
        InvalidateCol(0);
    }
    if (ActiveRowShow())
        RepaintRow(Value.Bottom);
}

// Disjoint rows and columns

bool TProStringGrid::GetRowSelect(int ARow)
{
    if ((ARow >= RowCount() + NumHiddenRows() || ARow < 0) && !FMouseActions->RowSelectPersistent())
        throw EProGridError(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    if (ARow < 0)
        return false;
    if (FMouseActions->DisjunctRowSelect()) {
        Grow(FRowSelect.get(), ARow + 1);
        return FlagAt(FRowSelect.get(), ARow);
    }
    const TGridRect sel = Ordered(Selection());
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

void TProStringGrid::SetRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw EProGridError(QStringLiteral("Invalid row accessed"));
    const bool was = FlagAt(FRowSelect.get(), ARow);
    if (was != Value && OnRowDisjunctSelect) {
        bool allow = true;
        OnRowDisjunctSelect(this, ARow, Value, allow);
        if (!allow)
            return;
    }
    Grow(FRowSelect.get(), ARow + 1);
    FRowSelect->SetItems(ARow, Flag(Value));
    if (Value && !was) {
        RepaintRow(ARow);
        if (ARow >= FixedRows())
            FSelectedRows->Add(ARow);
    } else if (!Value && was) {
        RepaintRow(ARow);
        FSelectedRows->DeleteValue(ARow);
    }
    if (OnRowDisjunctSelected)
        OnRowDisjunctSelected(this, ARow);
}

bool TProStringGrid::GetColSelect(int ACol)
{
    if (ACol >= ColCount() || ACol < 0)
        throw EProGridError(QStringLiteral("Invalid column accessed"));
    Grow(FColSelect.get(), ACol + 1);
    return FlagAt(FColSelect.get(), ACol);
}

void TProStringGrid::SetColSelect(int ACol, bool Value)
{
    if (ACol >= ColCount() || ACol < 0)
        throw EProGridError(QStringLiteral("Invalid column accessed"));
    Grow(FColSelect.get(), ACol + 1);
    if (FlagAt(FColSelect.get(), ACol) != Value)
        RepaintCol(ACol);
    FColSelect->SetItems(ACol, Flag(Value));
}

void TProStringGrid::SelectRows(int RowIndex, int RCount)
{
    if (RowIndex < 0) {
        RCount += RowIndex;
        RowIndex = 0;
    }
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount > 0) {
        if (!FMouseActions->DisjunctRowSelect()) {
            SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
        } else {
            const bool persistent = FMouseActions->RowSelectPersistent();
            for (int i = RowIndex; i < RowIndex + RCount; ++i) {
                const int r = persistent ? DisplToRealRow(i) : i;
                if (r < RowCount())
                    SetRowSelect(r, true);
            }
        }
    }
    if (!FRowIndicator->Empty())
        RepaintCol(0);
    FSelChange = false;
}

void TProStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (FMouseActions->DisjunctRowSelect()) {
        if (RowIndex < 0) {
            RCount += RowIndex;
            RowIndex = 0;
        }
        RCount = std::min(RCount, RowCount() - RowIndex);
        const bool persistent = FMouseActions->RowSelectPersistent();
        for (int i = RowIndex; i < RowIndex + RCount; ++i) {
            const int r = persistent ? DisplToRealRow(i) : i;
            if (r < RowCount())
                SetRowSelect(r, false);
        }
    }
    FSelChange = false;
}

void TProStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions->DisjunctColSelect()) {
        SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, true);
}

void TProStringGrid::UnSelectCols(int ColIndex, int CCount)
{
    if (!FMouseActions->DisjunctColSelect())
        return;
    for (int c = std::max(ColIndex, 0); c < ColIndex + CCount && c < ColCount(); ++c)
        SetColSelect(c, false);
}

void TProStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    SetRow(ToRow);
    SetCol(ToCol);
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TProStringGrid::ClearRowSelect()
{
    if (FRowSelect->Count() == 0)
        return;
    for (int i = 0; i < FRowSelect->Count(); ++i) {
        if (FlagAt(FRowSelect.get(), i))
            RepaintRow(i);
        FRowSelect->SetItems(i, nullptr);
    }
    FSelectedRows->Clear();
}

void TProStringGrid::ClearColSelect()
{
    for (int i = 0; i < FColSelect->Count(); ++i) {
        if (FlagAt(FColSelect.get(), i))
            RepaintCol(i);
        FColSelect->SetItems(i, nullptr);
    }
}

int TProStringGrid::RowSelectCount()
{
    if (FMouseActions->DisjunctRowSelect()) {
        const int n = std::min(RowCount() + NumHiddenRows(), FRowSelect->Count());
        int count = 0;
        for (int i = 0; i < n; ++i)
            count += FlagAt(FRowSelect.get(), i) ? 1 : 0;
        return count;
    }
    return std::abs(Selection().Bottom - Selection().Top) + 1;
}

int TProStringGrid::ColSelectCount()
{
    if (FMouseActions->DisjunctColSelect()) {
        int count = 0;
        for (int i = 0; i < FColSelect->Count(); ++i)
            count += FlagAt(FColSelect.get(), i) ? 1 : 0;
        return count;
    }
    return Selection().Right - Selection().Left + 1;
}

void TProStringGrid::SyncRowSelect(bool All)
{
    const TGridRect sel = Ordered(Selection());
    const int bottom = std::min(sel.Bottom, RowCount() - FFixedFooters - 1);
    const bool persistent = FMouseActions->RowSelectPersistent();
    // Without All only the rows of the rectangle change.
    const int from = All ? FixedRows() : std::max(FixedRows(), sel.Top);
    const int to = All ? RowCount() - 1 : std::min(RowCount() - 1, bottom);
    for (int r = from; r <= to; ++r)
        SetRowSelect(persistent ? DisplToRealRow(r) : r, r >= sel.Top && r <= bottom);
    if (NumHiddenRows() > 0)
        Invalidate();
}

void TProStringGrid::SyncColSelect(bool All)
{
    const TGridRect sel = Ordered(Selection());
    const int from = All ? FixedCols() : std::max(FixedCols(), sel.Left);
    const int to = All ? ColCount() - 1 : std::min(ColCount() - 1, sel.Right);
    for (int c = from; c <= to; ++c)
        SetColSelect(c, c >= sel.Left && c <= sel.Right);
}

// Current cell

void TProStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TProStringGrid::GotoCell(int ACol, int ARow)
{
    SetRow(ARow);
    SetCol(ACol);
}

void TProStringGrid::EditCell(int ACol, int ARow)
{
    if (CanFocus())
        SetFocus();
    GotoCell(ACol, ARow);
    ShowInplaceEdit();
}

void TProStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveColRow(ACol, ARow, true, true); }

void TProStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    TObject* obj = GetGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    SetGridObject(FromCell.X, FromCell.Y, GetGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    SetGridObject(ToCell.X, ToCell.Y, obj);
}

// Modified and enabled rows

int TProStringGrid::ModifiedRowCount() const
{
    int count = 0;
    for (int i = 0; i < FModifiedRows->Count(); ++i)
        count += FModifiedRows->Items(i) == 1 ? 1 : 0;
    return count;
}

bool TProStringGrid::GetRowModified(int ARow) const
{
    return ARow >= 0 && ARow < FModifiedRows->Count() && FModifiedRows->Items(ARow) == 1;
}

void TProStringGrid::SetRowModified(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    Grow(FModifiedRows.get(), ARow + 1);
    FModifiedRows->SetInteger(ARow, Value ? 1 : 0);
    RepaintCell(0, ARow);
}

void TProStringGrid::ClearModifiedRows()
{
    FModifiedRows->Clear();
    Invalidate();
}

bool TProStringGrid::GetRowEnabled(int ARow) const
{
    return ARow < 0 || ARow >= FEnabledRows->Count() || FEnabledRows->Items(ARow) == 0;
}

void TProStringGrid::SetRowEnabled(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    if (ARow == Row())
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && GetRowEnabled(r)) {
                SetRow(r);
                break;
            }
    FUseEnabledRows = true;
    Grow(FEnabledRows.get(), ARow + 1);
    FEnabledRows->SetInteger(ARow, Value ? 0 : 1);
    RepaintRow(ARow);
}

// Repainting

void TProStringGrid::RepaintCol(int ACol) { InvalidateCol(ACol); }

void TProStringGrid::RepaintRect(const TRect& R)
{
    if (R.Left < 0 || R.Top < 0 || R.Right < 0 || R.Bottom < 0)
        return;
    const TRect a = TCustomGrid::CellRect(R.Left, R.Top);
    const TRect b = TCustomGrid::CellRect(std::min(VisibleColCount() + FixedCols(), R.Right), R.Bottom);
    auto empty = [](const TRect& r) { return r.Right <= r.Left || r.Bottom <= r.Top; };
    if (empty(a) || empty(b)) {
        Invalidate();
        return;
    }
    InvalidateRect({std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                    std::max(a.Bottom, b.Bottom)});
}

void TProStringGrid::RepaintActiveHeaders(int Col1, int Row1, int Col2, int Row2)
{
    for (const auto& [c, r] : {std::pair{Col1, Row1}, std::pair{Col2, Row2}}) {
        if (FixedRows() > 0)
            RepaintCell(c, FixedRows() - 1);
        if (FixedCols() > 0)
            RepaintCell(FixedCols() - 1, r);
    }
}

void TProStringGrid::InvalidateGridRect(const TGridRect& R)
{
    const TRect a = TCustomGrid::CellRect(R.Left, R.Top);
    const TRect b = TCustomGrid::CellRect(R.Right, R.Bottom);
    InvalidateRect({std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                    std::max(a.Bottom, b.Bottom)});
}

// The search panel's height; it comes with the search bar.
int TProStringGrid::SearchPanelHeight() const { return FSearchPanel && FSearchPanel->Visible() ? FSearchPanel->Height() : 0; }

bool TProStringGrid::LastRowAboveSearchFooter()
{
    if (!FSearchFooter->Visible() || TopRow() + VisibleRowCount() < RowCount() - 1)
        return false;
    return CellRect(0, RowCount() - 1).Bottom < ClientHeight() - SearchPanelHeight() + 2;
}

void TProStringGrid::AdjustForSearchFooter()
{
    if (!FSearchFooter->Visible() || ClientHeight() <= DefaultRowHeight() + SearchPanelHeight())
        return;
    while (TCustomGrid::CellRect(0, RowCount() - 1).Bottom > ClientHeight() - SearchPanelHeight() + 2 &&
           Row() <= RowCount() - 1 && TopRow() < RowCount()) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            break;
    }
}

bool TProStringGrid::IsSelected(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (FMouseActions->DisjunctCellSelect())
        return SelectedCells(ACol, ARow);
    if (FMouseActions->DisjunctRowSelect())
        return ARow < RowCount() + NumHiddenRows() && GetRowSelect(ARow);
    if (FMouseActions->DisjunctColSelect())
        return ACol < ColCount() && GetColSelect(ACol);
    const TGridRect sel = Ordered(Selection());
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

// Disjoint cells

bool TProStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (FMouseActions->DisjunctCellSelect())
        return FSelectedCells->HasValue(PackCell(ACol, ARow));
    const TGridRect sel = Ordered(Selection());
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

void TProStringGrid::SetSelectedCells(int ACol, int ARow, bool Value)
{
    const int v = PackCell(ACol, ARow);
    const bool has = FSelectedCells->HasValue(v);
    if (Value && !has)
        FSelectedCells->Add(v);
    else if (!Value && has)
        FSelectedCells->DeleteValue(v);
    else
        return;
    RepaintCell(ACol, ARow);
}

TGridCoord TProStringGrid::SelectedCell(int i) const { return UnpackCell(FSelectedCells->Items(i)); }

int TProStringGrid::SelectedCellsCount()
{
    if (FMouseActions->DisjunctCellSelect())
        return FSelectedCells->Count();
    FSelectedCells->Clear();
    const TGridRect sel = Ordered(Selection());
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
        FSelectedCells->Add(PackCell(Col(), Row()));
    } else {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                FSelectedCells->Add(PackCell(c, r));
    }
    return FSelectedCells->Count();
}

int TProStringGrid::SelectedRowCount()
{
    if (FMouseActions->DisjunctRowSelect())
        return FSelectedRows->Count();
    const TGridRect sel = Selection();
    int bottom = sel.Bottom;
    if (bottom >= RowCount() - FFixedFooters)
        bottom = RowCount() - FFixedFooters - 1;
    const int span = std::abs(sel.Top - bottom);
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int h = CellSpan(sel.Left, sel.Top).Y;
        return sel.Top + h > bottom ? h + 1 : span + 1;
    }
    if (IsMergedCell(sel.Left, bottom))
        return span + CellSpan(sel.Left, bottom).Y + 1;
    return span + 1;
}

int TProStringGrid::SelectedColCount()
{
    if (FMouseActions->DisjunctColSelect())
        return ColSelectCount();
    const TGridRect sel = Selection();
    const int span = std::abs(sel.Left - sel.Right);
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int w = CellSpan(sel.Left, sel.Top).X;
        return sel.Left + w > sel.Right ? w + 1 : span + 1;
    }
    if (IsMergedCell(sel.Right, sel.Top))
        return span + CellSpan(sel.Right, sel.Top).X + 1;
    return span + 1;
}

int TProStringGrid::SelectedRow(int i) const
{
    if (i < 0)
        return -1;
    if (FMouseActions->DisjunctRowSelect())
        return i < FSelectedRows->Count() ? FSelectedRows->Items(i) : -1;
    const TGridRect sel = Ordered(Selection());
    return sel.Top + i <= sel.Bottom ? sel.Top + i : -1;
}

void TProStringGrid::ClearSelectedCells()
{
    SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    FSelectedCells->Clear();
    Invalidate();
}
