#include "grid/core/ControlLook.h"
#include "grid/core/Filter.h"
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/CheckListBox.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include <algorithm>

// A left release on a header cell of the sort row sorts by that column
// (ClickSort, called by the release handler); a release on the filter
// button of a header cell opens the column's filter list.

namespace {

// The sunken edge of a list box on each side.
constexpr int ListEdge = 2;

} // namespace

void TProStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (PressFixedDropDown(X, Y))
        return;
    TBaseGrid::MouseDown(Button, Shift, X, Y);
    PressFixedEdit(Button, X, Y);
}

void TProStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    int col = -1, row = -1;
    MouseToCell(X, Y, col, row);
    // A release on a filter button opens the column's list; any other
    // release, and a second one on the button of the open list, closes it.
    if (Button == mbLeft) {
        const int realCol = col >= 0 ? DisplToRealCol(col) : -1;
        const TRect r = CellRect(col, row);
        if (col >= 0 && row >= 0 && row == FFilterDropDownRow && row < FixedRows() && realCol != FFilterCol &&
            X > r.Right - 16 && X < r.Right - 3 && Y < r.Top + 19 && GetColumnFilter(realCol)) {
            FDropList->Hide();
            FDropCheckList->Hide();
            ShowFilterList(realCol, r);
            TBaseGrid::MouseUp(Button, Shift, X, Y);
            return;
        }
        if (FFilterCol != -1) {
            FDropList->Hide();
            FDropCheckList->Hide();
            FFilterCol = -1;
        }
    }
    TBaseGrid::MouseUp(Button, Shift, X, Y);
}

bool TProStringGrid::OleDragMove(TShiftState, int X, int Y)
{
    // A selection click dragged more than 3 pixels starts a drag.
    if (FSelectionClick && (GetKeyState(VK_LBUTTON) & 0x8000) &&
        (std::abs(X - FClickPos.X) > 3 || std::abs(Y - FClickPos.Y) > 3)) {
        int c = -1, r = -1;
        MouseToCell(FClickPos.X, FClickPos.Y, c, r);
        if (c >= 0 && r >= 0 && GridFeatureHooks.StartDrag) {
            GridFeatureHooks.StartDrag(this, c, r, X, Y);
            return true;
        }
    }
    return false;
}

void TProStringGrid::ClickSort(int ACol, int ARow, int X, int DownRow, TShiftState Shift)
{
    const int realCol = DisplToRealCol(ACol);
    const TRect h = CellRect(ACol, ARow);
    // The edge of a column that is being sized, and the buttons of the
    // header cell, do not sort.
    if (ARow == 0 && Options().Contains(goColSizing) && (X - h.Left < 4 || h.Right - X < 4))
        return;
    if (X > h.Right - 16) {
        if (FControlLook->FixedDropDownButton() && CanShowFixedDropDown(realCol))
            return;
        if (GetColumnFilter(realCol))
            return;
    }
    const bool sortable = ARow == FSortSettings->Row() && DownRow == ARow && FixedRows() > 0 &&
                          !(HasCheckBox(realCol, ARow) && IsInCheckBox(ACol, ARow, X, h.Top + h.Height() / 2)) &&
                          FSortSettings->Show() && RowCount() > 2;
    if (!sortable)
        return;
    bool doSort = !IsIgnoredColumn(realCol);
    if (OnCanSort)
        OnCanSort(this, realCol, doSort);
    if (!doSort) {
        RepaintCell(ACol, FSortSettings->Row());
        return;
    }
    HideInplaceEdit();
    if (RowCount() != FSortRowXRef->Count())
        InitSortXRef();
    // Merged columns are split for the sort and merged again after it.
    const bool remerge = FSortSettings->AutoColumnMerge();
    if (remerge)
        SplitMergedColumns();
    const unsigned start = GetTickCount();
    const bool keepLeft = FNavigation->KeepHorizScroll() && Options().Contains(goRowSelect);
    const int left = LeftCol();
    const auto sortKeepingLeft = [this, keepLeft, left](auto Sort) {
        if (keepLeft)
            BeginUpdate();
        Sort();
        if (keepLeft) {
            SetLeftCol(left);
            EndUpdate();
        }
    };
    if (FSortSettings->IndexShow()) {
        const bool key = FSortSettings->IndexSortKey() == ikCtrl ? Shift.Contains(ssCtrl) : Shift.Contains(ssShift);
        const bool ascending = FSortSettings->InitSortDirection() == sdAscending;
        if (key) {
            if (FSortIndexes->FindIndex(realCol) >= 0)
                FSortIndexes->ToggleIndex(realCol);
            else
                FSortIndexes->AddIndex(realCol, ascending);
        } else if (FSortIndexes->Count() == 1 && FSortIndexes->SortColumns(0) == realCol) {
            FSortIndexes->ToggleIndex(realCol);
        } else {
            FSortIndexes->Clear();
            FSortIndexes->AddIndex(realCol, ascending);
        }
        sortKeepingLeft([this] { FNumNodes > 0 ? QSortGroupIndexed() : QSortIndexed(); });
        FSortTime = GetTickCount() - start;
        FSortSettings->SetColumn(FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : -1);
    } else {
        bool undo = false;
        if (FSortSettings->Column() == realCol) {
            undo = FSortSettings->Direction() != FSortSettings->InitSortDirection() && FSortSettings->UndoSort();
            FSortSettings->SetDirection(FSortSettings->Direction() == sdAscending ? sdDescending : sdAscending);
        } else {
            FSortSettings->SetDirection(FSortSettings->InitSortDirection());
            FSortSettings->SetColumn(realCol);
        }
        sortKeepingLeft([this, undo] {
            if (FNumNodes > 0) {
                QSortGroup();
            } else if (undo) {
                QUnSort();
                FSortSettings->SetColumn(-1);
            } else {
                QSort();
            }
        });
        FSortTime = GetTickCount() - start;
    }
    if (remerge)
        RemergeColumns();
    if (FControlList->Count() > 0)
        CellControlsUpdate(true);
    DoClickSort(FSortSettings->Column());
}

void TProStringGrid::SplitMergedColumns()
{
    for (int c = 0; c < ColCount(); ++c)
        SplitColumnCells(c);
}

void TProStringGrid::RemergeColumns()
{
    for (int i = 0; i < FMergedColumns->Count(); ++i)
        MergeColumnCells(FMergedColumns->Items(i), i == 0);
}

void TProStringGrid::ShowFilterList(int ARealCol, const TRect& R)
{
    FFilterCol = ARealCol;
    TCustomListBox* list = FFilterDropDownCheck ? static_cast<TCustomListBox*>(FDropCheckList) : FDropList;
    list->SetColor(FFilterDropDown->Color());
    list->Font()->Assign(FFilterDropDown->Font());
    list->Canvas()->Font()->Assign(FFilterDropDown->Font());
    list->Items()->Clear();
    int widest = 0;
    for (int i = 0; i < FFilterList->Count(); ++i) {
        const QString entry = FFilterList->Strings(i);
        const int eq = entry.indexOf(u'=');
        const QString shown = eq < 0 ? entry : entry.left(eq);
        list->Items()->Add(shown);
        widest = std::max(widest, list->Canvas()->TextWidth(shown) + 8);
        if (FFilterDropDownCheck) {
            // An active condition of the column checks its entry; a text
            // with a blank is compared in quotes.
            const QString cond = shown.contains(u' ') ? u'"' + shown + u'"' : shown;
            for (int f = 0; f < FFilter->Count(); ++f)
                if (FFilter->Items(f)->Column() == FFilterCol && FFilter->Items(f)->Condition() == cond)
                    FDropCheckList->SetChecked(i, true);
        }
    }
    if (!FFilterDropDownCheck && FDropList->Items()->Count() > 0)
        FDropList->SetItemIndex(0);
    int width = FFilterDropDown->Width();
    int height = FFilterDropDown->Height();
    if (FFilterDropDown->AutoSize()) {
        height = list->Items()->Count() * list->ItemHeight() + 2 * ListEdge;
        width = widest + 2 * ListEdge;
    }
    int left = R.Right - 16;
    if (FFilterDropDown->ColumnWidth()) {
        left = R.Left;
        width = R.Right - R.Left;
    }
    // A list that would pass the grid's right edge ends at the column's.
    if (left + width > Width()) {
        const TRect head = CellRect(DisplColIndex(ARealCol), 0);
        left = std::max(0, head.Right - width);
    }
    list->SetParent(this);
    list->SetBounds(left, R.Top + 16, width, height);
    list->SetVisible(true);
    list->BringToFront();
    if (list->CanFocus())
        list->SetFocus();
}
