// The key table of the string grid: Home and End by HomeEndKey, and after
// the platform grid's move the clipboard keys, inserting and deleting rows,
// Ctrl+A, and the keyboard side of disjunct row and column selection.
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"

int TProStringGrid::FirstSelectableCol(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (CanSelectTabCell(c, ARow))
            return c;
    return -1;
}

int TProStringGrid::LastSelectableCol(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (CanSelectTabCell(c, ARow))
            return c;
    return -1;
}

bool TProStringGrid::KeyHomeEnd(int Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
    const bool home = Key == VK_HOME;
    const THomeEndAction he = FNavigation->HomeEndKey();
    const bool onlyFixed = FFixedRowAlways && RowCount() == 1;
    if (ctrl) {
        if (!home || he != heFirstLastColumn)
            return false;
        SetRow(FixedRows());
        SetCol(std::max(FixedCols(), FirstSelectableCol(Row())));
        MoveToBaseCell();
        SetLeftCol(FirstNormalCol());
        return true;
    }
    if (he == heFirstLastCell) {
        MoveColRow(home ? FixedCols() : ColCount() - 1, home ? FixedRows() : RowCount() - 1, true, true);
        MoveToBaseCell();
        return true;
    }
    if (onlyFixed)
        return false;
    if (he == heFirstLastRow)
        return KeyHomeEndRow(home, shift);
    if (Options().Contains(goRowSelect))
        return false;
    if (shift) {
        const int edge = home ? FixedCols() : ColCount() - FFixedRightCols - 1;
        SetSelection(TGridRect{std::min(Col(), edge), Row(), std::max(Col(), edge), Row()});
        RepaintRow(Row());
        return true;
    }
    if (home) {
        SetCol(std::max(FixedCols(), FirstSelectableCol(Row())));
        MoveToBaseCell();
        SetLeftCol(FirstNormalCol());
    } else {
        SetCol(ColCount() - 1);
        MoveToBaseCell();
        SetLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
    }
    return true;
}

bool TProStringGrid::KeyHomeEndRow(bool Home, bool Shift)
{
    const int oldRow = Row(), left = LeftCol();
    const bool footer = FooterShown();
    int row = FixedRows();
    if (!Home)
        row = footer && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1;
    if (Shift)
        SetSelection(TGridRect{FixedCols(), std::min(oldRow, row), ColCount() - 1, std::max(oldRow, row)});
    else
        SetRow(row);
    if (!Home && (footer || FFixedFooters > 0))
        SetTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
    if (!Shift)
        MoveToBaseCell();
    if (FMouseActions->DisjunctRowSelect()) {
        if (!Shift)
            ClearRowSelect();
        SelectionToRowSelect(true);
    }
    if (FNavigation->KeepHorizScroll() && Options().Contains(goRowSelect))
        SetLeftCol(left);
    return true;
}

bool TProStringGrid::FooterShown() const { return FFloatingFooter && FFloatingFooter->Visible(); }

void TProStringGrid::KeyTableAfter(int Key, TShiftState Shift)
{
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift), alt = Shift.Contains(ssAlt);
    const bool clipboard = ClipboardShortCut(Key, Shift);
    if (!clipboard && Key == VK_INSERT && !ctrl && !shift && !alt && FNavigation->AllowInsertRow())
        KeyInsertRow();
    if (!clipboard && Key == VK_DELETE && !shift && !alt && FNavigation->AllowDeleteRow() &&
        RowCount() - FixedRows() - FFixedFooters > 0)
        KeyDeleteRow();
    if (ctrl && Key == 'A' && (Options().Contains(goRowSelect) || Options().Contains(goRangeSelect)))
        KeySelectAll();
    if (Key >= VK_PRIOR && Key <= VK_DOWN) {
        if (FMouseActions->DisjunctRowSelect()) {
            if (!shift && !ctrl)
                ClearRowSelect();
            if (shift)
                SelectionToRowSelect(true);
            else
                SetRowSelect(FMouseActions->RowSelectPersistent() ? RealRowIndex(Row()) : Row(), true);
        }
        if (FMouseActions->DisjunctColSelect()) {
            if (!shift && !ctrl)
                ClearColSelect();
            if (shift)
                SelectionToColSelect(true);
            else
                SetColSelect(Col(), true);
        }
    }
    if (Key == VK_SPACE) {
        if (FMouseActions->DisjunctRowSelect())
            SetRowSelect(Row(), !GetRowSelect(Row()));
        if (FMouseActions->DisjunctColSelect())
            SetColSelect(Col(), !GetColSelect(Col()));
    }
    if (Key == VK_RETURN || Key == VK_F2) {
        StoreOldCell(Col(), Row());
        const QString text = Cells(RealCol(), Row());
        if (HasControlTag(text))
            EditNextCellControl(Col(), Row(), QString());
        if (Key == VK_F2)
            HandleF2Key();
    }
}

void TProStringGrid::KeyInsertRow()
{
    bool allow = true;
    CanInsertRow(Row(), allow);
    if (!allow)
        return;
    // The filter is off while the row goes in; the cursor keeps its row.
    const int row = Row(), realRow = RealRowIndex(row);
    const bool filtered = FFilterActive;
    const bool onlyFixed = FFixedRowAlways && RowCount() == FixedRows();
    if (filtered)
        SetFilterActive(false);
    int at = RealToDisplRow(realRow);
    if (!onlyFixed && FNavigation->InsertPosition() == pInsertAfter)
        ++at;
    if (onlyFixed)
        at = RowCount();
    DoInsertRow(at);
    if (OnAutoInsertRow)
        OnAutoInsertRow(this, at);
    FGridModified = true;
    if (filtered)
        SetFilterActive(true);
    int target = row;
    if (onlyFixed)
        target = 1;
    else if (FNavigation->InsertPosition() == pInsertAfter && row + 1 < RowCount())
        target = row + 1;
    if (target < RowCount())
        SetRow(target);
    if (FooterShown())
        CalcFooter(-1);
}

void TProStringGrid::KeyDeleteRow()
{
    // The row the cursor is on goes, whatever rows are hidden or filtered.
    const int realRow = RealRowIndex(Row());
    bool canDelete = true;
    if (OnCanDeleteRow)
        OnCanDeleteRow(this, realRow, canDelete);
    if (!canDelete)
        return;
    const bool filtered = FFilterActive;
    if (filtered)
        SetFilterActive(false);
    DoDeleteRow(RealToDisplRow(realRow));
    if (filtered)
        SetFilterActive(true);
    if (FooterShown() && Row() == RowCount() - 1 && RowCount() > 1)
        SetRow(RowCount() - 2);
    StoreOldCell(Col(), Row());
    FGridModified = true;
    if (FooterShown())
        CalcFooter(-1);
}

void TProStringGrid::KeySelectAll()
{
    TGridRect all{FirstNormalCol(), FixedRows(), ColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1};
    if (all.Right < all.Left || all.Bottom < all.Top)
        return;
    if (FMouseActions->DisjunctRowSelect())
        for (int r = all.Top; r <= all.Bottom; ++r)
            SetRowSelect(r, true);
    AdjustSelectAll(all);
    MoveColRow(all.Right, all.Bottom, true, false);
    SetSelection(all);
}

bool TProStringGrid::ClipboardShortCut(int Key, TShiftState Shift)
{
    if (!FNavigation->AllowClipboardShortCuts())
        return false;
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
    enum { None, Copy, Cut, Paste } op = None;
    if (ctrl && (Key == 'C' || Key == VK_INSERT))
        op = Copy;
    else if ((ctrl && Key == 'X') || (shift && !ctrl && Key == VK_DELETE))
        op = Cut;
    else if ((ctrl && Key == 'V') || (shift && !ctrl && Key == VK_INSERT))
        op = Paste;
    if (op == None)
        return false;
    bool allow = true;
    const TClipboardEvent& event = op == Copy ? OnClipboardCopy : op == Cut ? OnClipboardCut : OnClipboardPaste;
    if (event)
        event(this, allow);
    if (!allow)
        return true;
    auto hook = op == Copy  ? GridFeatureHooks.CopySelection
                : op == Cut ? GridFeatureHooks.CutSelection
                            : GridFeatureHooks.PasteSelection;
    if (hook)
        hook(this);
    return true;
}
