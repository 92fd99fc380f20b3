#include "grid/core/FloatingFooter.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/controls/StringGrid.h"
#include "platform/controls/SystemMetrics.h"
#include <algorithm>
#include <vector>

// Moving whole rows and columns: the framework's move, then the grid's
// own per-column data and the cell controls follow. Zoom is here too: it
// resizes every column and row by the same step.

namespace {

// Where index P goes when the entry at From is taken out and put at To.
int MovedIndex(int P, int From, int To)
{
    if (P == From)
        return To;
    if (From < P && P <= To)
        return P - 1;
    if (To <= P && P < From)
        return P + 1;
    return P;
}

// The cell controls of the list shift the same way along one axis.
void ShiftControls(TControlList* List, int From, int To, bool Columns)
{
    for (int i = 0; i < List->Count(); ++i) {
        TControlItem* item = List->Control(i);
        if (Columns)
            item->SetX(MovedIndex(item->X(), From, To));
        else
            item->SetY(MovedIndex(item->Y(), From, To));
    }
}

// Moves entry From of V to To; entries past the end read as Fill.
template <typename T>
void MoveEntry(std::vector<T>& V, int From, int To, T Fill)
{
    if (V.empty() || From == To)
        return;
    std::vector<T> w(V.begin(), V.end());
    w.resize(std::max(V.size(), size_t(std::max(From, To)) + 1), Fill);
    if (From < To)
        std::rotate(w.begin() + From, w.begin() + From + 1, w.begin() + To + 1);
    else
        std::rotate(w.begin() + To, w.begin() + From, w.begin() + From + 1);
    w.resize(V.size());
    V.assign(w.begin(), w.end());
}

} // namespace

void TProStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FColumnOrder->Count() == 0)
        SetColumnOrder();
    TCustomGrid::MoveColumn(FromIndex, ToIndex);
    ShiftControls(FControlList.get(), FromIndex, ToIndex, true);
    CellControlsUpdate(false);
}

void TProStringGrid::MoveRow(int FromIndex, int ToIndex)
{
    TCustomGrid::MoveRow(FromIndex, ToIndex);
    ShiftControls(FControlList.get(), FromIndex, ToIndex, false);
    CellControlsUpdate(false);
}

void TProStringGrid::MoveRows(int FromIndex, int ToIndex, int Count)
{
    if (FromIndex == ToIndex || Count <= 0)
        return;
    const int cols = ColCount();
    std::vector<std::vector<std::pair<QString, TObject*>>> copies(Count);
    for (int r = 0; r < Count; ++r)
        for (int c = 0; c < cols; ++c)
            copies[r].emplace_back(Cells(c, FromIndex + r), Objects(c, FromIndex + r));
    if (FromIndex + Count < ToIndex)
        ToIndex -= Count;
    RemoveRowsEx(FromIndex, Count);
    InsertRows(ToIndex, Count, true);
    for (int r = 0; r < Count; ++r)
        for (int c = 0; c < cols; ++c) {
            SetCells(c, ToIndex + r, copies[r][c].first);
            SetObjects(c, ToIndex + r, copies[r][c].second);
        }
}

void TProStringGrid::UpdateEditMode() { SelectCell(Col(), Row()); }

// A cell out of view becomes current and is centred; a visible one stays.
void TProStringGrid::ScrollInView(int ColIndex, int RowIndex)
{
    if (ColIndex < 0 || RowIndex < 0 || ColIndex >= ColCount() || RowIndex >= RowCount())
        return;
    int left = LeftCol();
    int top = TopRow();
    const int visCols = VisibleColCount();
    const int visRows = VisibleRowCount();
    if (ColIndex < LeftCol() || ColIndex >= LeftCol() + visCols) {
        SetCol(ColIndex);
        left = std::max(ColIndex - visCols / 2, FixedCols());
    }
    if (RowIndex < TopRow() || RowIndex >= TopRow() + visRows) {
        SetRow(RowIndex);
        top = std::max(RowIndex - visRows / 2, FixedRows());
    }
    left = std::min(left, ColCount() - visCols + 1);
    if (FixedCols() + visCols < ColCount() && left != LeftCol())
        SetLeftCol(std::clamp(left, FixedCols(), std::max(MaxTopLeft().X, FixedCols())));
    top = std::min(top, RowCount() - visRows + 1);
    if (FixedRows() + visRows >= RowCount())
        return;
    if (top != TopRow() && top >= FixedRows() && top <= MaxTopLeft().Y)
        SetTopRow(top);
    // The search panel covers the bottom; the row goes up above it.
    if (FSearchFooter->Visible() && FSearchPanel) {
        int room = Height() - FSearchPanel->Height();
        if (visCols + FixedCols() < ColCount())
            room -= GetSystemMetrics(SM_CYHSCROLL);
        while (CellRect(0, RowIndex).Bottom > room && TopRow() < RowCount() - 1 && TopRow() < MaxTopLeft().Y)
            SetTopRow(TopRow() + 1);
    }
}

void TProStringGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    const int rFrom = DisplToRealCol(FromIndex);
    const int rTo = DisplToRealCol(ToIndex);
    // The first move starts the record from the order before it.
    if (FColumnOrder->Count() == 0 && FromIndex != ToIndex)
        SetColumnOrder();
    const int n = FColumnOrder->Count();
    if (rFrom >= 0 && rTo >= 0 && rFrom < n && rTo < n && rFrom != rTo) {
        const int v = FColumnOrder->Items(rFrom);
        FColumnOrder->Delete(rFrom);
        FColumnOrder->Insert(rTo, v);
    }
    if (FNumHidden > 0 && rFrom != rTo && rFrom >= 0 && rTo >= 0) {
        // The store keeps hidden columns at their real index: the cells move
        // by real index, and the hidden flags and widths move with them.
        CellStore().MoveColumn(rFrom, rTo);
        std::vector<char> visible(FVisibleCol.begin(), FVisibleCol.end());
        MoveEntry(visible, rFrom, rTo, char(1));
        FVisibleCol.assign(visible.begin(), visible.end());
        MoveEntry(FAllColWidths, rFrom, rTo, short(0));
        UpdateColMaps();
        TDrawGrid::ColumnMoved(FromIndex, ToIndex);
    } else {
        TBaseGrid::ColumnMoved(FromIndex, ToIndex);
    }
    if (FromIndex == ToIndex)
        return;
    // Sorting follows its columns.
    if (FSortSettings->Column() >= 0)
        FSortSettings->SetColumn(MovedIndex(FSortSettings->Column(), rFrom, rTo));
    if (FSortSettings->IndexShow())
        for (int i = 0; i < FSortIndexes->Count(); ++i)
            FSortIndexes->SetSortColumns(i, MovedIndex(FSortIndexes->SortColumns(i), rFrom, rTo));
    // The cursor stays on the cell it was on.
    const int col = MovedIndex(Col(), FromIndex, ToIndex);
    if (col != Col() && col >= 0 && col < ColCount()) {
        const bool force = FForceSel;
        FForceSel = true;
        MoveColRow(col, Row(), true, false);
        FForceSel = force;
    }
    if (FFloatingFooter->Visible())
        UpdateFooter();
    if (TStringGrid* other = FSyncGrid->Grid(); other && FSyncGrid->MoveColumn() && !FSyncedMove) {
        if (auto* pro = dynamic_cast<TProStringGrid*>(other)) {
            pro->FSyncedMove = true;
            struct Clear {
                TProStringGrid* G;
                ~Clear() { G->FSyncedMove = false; }
            } clear{pro};
            pro->MoveColumn(FromIndex, ToIndex);
        }
    }
}

void TProStringGrid::RowMoved(int FromIndex, int ToIndex)
{
    // The fixed footer row stays last.
    if (FFloatingFooter->Visible() && FFloatingFooter->FooterStyle() == fsFixedLastRow && ToIndex == RowCount() - 1)
        return;
    const TMovedEvent moved = OnRowMoved;
    OnRowMoved = nullptr;
    struct Restore {
        TProStringGrid* G;
        TMovedEvent E;
        ~Restore() { G->OnRowMoved = E; }
    } restore{this, moved};
    TBaseGrid::RowMoved(FromIndex, ToIndex);
    OnRowMoved = moved;
    if (moved)
        moved(this, FromIndex, ToIndex);
}

// Zoom

void TProStringGrid::Zoom(int x)
{
    const int next = FZoomFactor + x;
    if (next < -10 || next > 10)
        return;
    FScrollLock = true;
    FZoomFactor = next;
    for (int c = 0; c < ColCount(); ++c)
        if (ColWidths(c) > 0 && ColWidths(c) + x > 0)
            SetColWidths(c, ColWidths(c) + x);
    for (int r = 0; r < RowCount(); ++r)
        if (RowHeights(r) > 0 && RowHeights(r) + x > 0)
            SetRowHeights(r, RowHeights(r) + x);
    FScrollLock = false;
    if (FScrollProportional) {
        UpdateProportionalVert();
        UpdateProportionalHorz();
    }
}
