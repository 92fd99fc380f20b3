// Keys on the string grid: the grid's key-down message handling (control
// cells, Home and End, the Tab walk, skipping fixed cells) around the
// platform grid's cursor movement, then the KeyDown and KeyUp additions
// (moving rows, wrapping at the edges, disabled rows, the keyboard's
// disjunct cell selection). The key table after the platform's move is in
// ProStringGridKeyTable.cpp.
#include "grid/core/ControlLook.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/FloatingFooter.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/controls/StringGrid.h"
#include "platform/controls/WinApi.h"
#include "grid/core/GridCoreHelpers.h"

namespace {

bool IsCursorKey(int Key) { return Key >= VK_PRIOR && Key <= VK_DOWN; }

bool IsArrow(int Key) { return Key >= VK_LEFT && Key <= VK_DOWN; }

TGridRect Normalized(const TGridRect& R)
{
    return TGridRect{std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
                     std::max(R.Top, R.Bottom)};
}

} // namespace

void TProStringGrid::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TShiftState shift = KeyDataToShiftState(Message.KeyData) - ssAlt;
    if (GetKeyState(VK_LMENU) < 0)
        shift += ssAlt;
    FMoveSelection = Selection();
    // A swallowed key reaches OnKeyDown only; Return goes through KeyDown,
    // where a derived grid may take it.
    const auto swallow = [&] {
        int k = key;
        if (key == VK_RETURN)
            KeyDown(k, shift);
        else if (OnKeyDown)
            OnKeyDown(this, k, shift);
        Message.CharCode = 0;
        Message.Result = 1;
    };
    if (KeyBeforeMove(Message, shift, swallow))
        return;
    TSearchKeyState search;
    if (KeySearchBefore(key, search, swallow))
        return;
    const bool keepLeft = (key == VK_PRIOR || key == VK_NEXT || key == VK_UP || key == VK_DOWN) &&
                          Options().Contains(goRowSelect) && LeftCol() != FixedCols() &&
                          FNavigation->KeepHorizScroll();
    const int oldLeft = LeftCol();
    if (keepLeft)
        BeginUpdate();
    TBaseGrid::WMKeyDown(Message);
    KeySearchAfter(key, search);
    if (keepLeft) {
        SetLeftCol(oldLeft);
        EndUpdate();
    }
    KeyTableAfter(key, shift);
    AnnounceSelection();
}

bool TProStringGrid::KeyBeforeMove(TWMKey& Message, TShiftState Shift, const std::function<void()>& Swallow)
{
    const int key = Message.CharCode;
    const bool returnOrF2 = key == VK_RETURN || key == VK_F2;
    const int realCol = RealCol();
    if (FNavigation->MoveScrollOnly() && KeyScrollOnly(key)) {
        Message.Result = 1;
        return true;
    }
    if (FMouseActions->EditOnDblClickOnly() && returnOrF2 && !Options().Contains(goEditing) &&
        IsEditableCell(realCol, Row()))
        SetOptions(Options() + goEditing);
    if (FMouseActions->RangeSelectAndEdit() && !Options().Contains(goEditing) && returnOrF2) {
        if (!IsEditableCell(realCol, Row())) {
            Swallow();
            return true;
        }
        SetOptions(Options() + goEditing);
        ShowInplaceEdit();
    }
    KeySearchFocus(key, Shift);
    if (returnOrF2) {
        if (Options().Contains(goEditing) && !IsEditable(realCol, Row())) {
            Swallow();
            return true;
        }
        const QString text = Cells(realCol, Row());
        if (FEnableHTML && ClassifyCellText(text, true) == ctHTML && HasControlTag(text)) {
            Message.Result = 1;
            return true;
        }
    }
    if (key == VK_RETURN && !IsEditable(realCol, Row())) {
        TCustomForm* form = GetParentForm(this);
        if (form && form->KeyPreview())
            TBaseGrid::WMKeyDown(Message);
        else
            Swallow();
        return true;
    }
    if ((key == VK_RETURN || key == VK_SPACE) && IsControlCell(realCol, Row()))
        KeyControlCell(key);
    if ((key == VK_HOME || key == VK_END) && KeyHomeEnd(key, Shift)) {
        if (OnKeyDown) {
            int k = key;
            OnKeyDown(this, k, Shift);
        }
        Message.Result = 0;
        return true;
    }
    if ((key == VK_RIGHT || key == VK_LEFT) && IsNode(Row()) && IsMergedCell(Col(), Row())) {
        if (key == VK_RIGHT)
            ExpandNode(RealRowIndex(Row()));
        else
            ContractNode(RealRowIndex(Row()));
    }
    if ((key == VK_RIGHT || key == VK_LEFT) && KeyRowSelectScroll(key, Shift, Swallow))
        return true;
    if (key == VK_TAB && Options().Contains(goTabs)) {
        TabNavigate(Shift.Contains(ssShift));
        AnnounceSelection();
        Message.CharCode = 0;
        Message.Result = 0;
        return true;
    }
    if (FNavigation->SkipFixedCells() && IsArrow(key) && KeySkipFixed(key)) {
        Swallow();
        Message.Result = 0;
        return true;
    }
    if (key == VK_DOWN && FNavigation->AppendOnArrowDown() && IsLastNormalRow())
        AutoAddRow();
    return false;
}

bool TProStringGrid::KeyScrollOnly(int Key)
{
    const int visible = VisibleRowCount();
    switch (Key) {
    case VK_PRIOR: SetTopRow(TopRow() > visible + FixedRows() ? TopRow() - visible : FixedRows()); return true;
    case VK_NEXT:
        if (TopRow() + visible < RowCount())
            SetTopRow(TopRow() + visible);
        return true;
    case VK_END: SetTopRow(std::max(FixedRows(), RowCount() - visible)); return true;
    case VK_HOME: SetTopRow(FixedRows()); return true;
    case VK_UP:
        if (TopRow() > FixedRows())
            SetTopRow(TopRow() - 1);
        return true;
    case VK_DOWN:
        if (TopRow() + visible < RowCount())
            SetTopRow(TopRow() + 1);
        return true;
    }
    return false;
}

bool TProStringGrid::IsLastNormalRow()
{
    return Row() + 1 == RowCount() - FFixedFooters || (FFloatingFooter && FooterShown() && Row() + 2 == RowCount());
}

void TProStringGrid::KeyControlCell(int Key)
{
    const int realCol = RealCol(), row = Row();
    bool canEdit = Options().Contains(goEditing) || FMouseActions->RangeSelectAndEdit();
    CanEditCell(realCol, row, canEdit);
    if (Key == VK_SPACE) {
        if ((canEdit || FControlLook->CheckAlwaysActive()) && HasCheckBox(realCol, row)) {
            ToggleCheck(realCol, row, true);
            if (FShowModified->Enabled()) {
                SetRowModified(row, true);
                RepaintCell(0, row);
            }
            bool state = false;
            GetCheckBoxState(realCol, RealRowIndex(row), state);
            DoCheckBoxClick(realCol, row, state);
        }
        if ((canEdit || FControlLook->RadioAlwaysActive()) && IsRadio(realCol, row)) {
            SelectNextRadio(realCol, row, true);
        }
        if ((canEdit || FControlLook->RadioAlwaysActive()) && HasRadioButton(realCol, row)) {
            SetRadioButtonState(realCol, row, true);
            if (OnRadioButtonClick)
                OnRadioButtonClick(this, realCol, row);
        }
    }
    if (canEdit && HasButton(realCol, row))
        DoButtonClick(realCol, row);
    RepaintCell(Col(), row);
}

bool TProStringGrid::KeyRowSelectScroll(int Key, TShiftState Shift, const std::function<void()>& Swallow)
{
    if (!Options().Contains(goRowSelect) || IsNode(Row()) || VisibleColCount() + FixedCols() >= ColCount())
        return false;
    const bool lr = FNavigation->LeftRightRowSelect();
    if (lr && !Shift.Contains(ssCtrl))
        return false;
    if (Key == VK_LEFT && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    else if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
    if (lr)
        return false;
    Swallow();
    return true;
}

bool TProStringGrid::KeySkipFixed(int Key)
{
    int dx = Key == VK_LEFT ? -1 : Key == VK_RIGHT ? 1 : 0;
    const int dy = Key == VK_UP ? -1 : Key == VK_DOWN ? 1 : 0;
    if (UseRightToLeftAlignment())
        dx = -dx;
    int c = Col() + dx, r = Row() + dy;
    const int lastCol = ColCount() - FFixedRightCols - 1, lastRow = RowCount() - FFixedFooters - 1;
    if (c < FixedCols() || c > lastCol || r < FixedRows() || r > lastRow || !IsFixed(c, r))
        return false;
    if (Options().Contains(goRowSelect) && dy != 0) {
        SetRow(r);
        return true;
    }
    while (c >= FixedCols() && c <= lastCol && r >= FixedRows() && r <= lastRow && IsFixed(c, r)) {
        c += dx;
        r += dy;
    }
    if (c >= FixedCols() && c <= lastCol && r >= FixedRows() && r <= lastRow)
        MoveColRow(c, r, true, true);
    return true;
}

void TProStringGrid::AnnounceSelection()
{
    const TGridRect sel = Selection();
    if (SameRect(sel, FMoveSelection))
        return;
    FMoveSelection = sel;
    DoSelectionChanged(sel.Left, sel.Top, sel.Right, sel.Bottom);
}

// After the platform grid's move

void TProStringGrid::KeyDown(int& Key, TShiftState Shift)
{
    FLastKeyCell = TPoint{Col(), Row()};
    const int r0 = Row();
    TBaseGrid::KeyDown(Key, Shift);
    const TGridRect sel = Selection();
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    if (Shift.Contains(ssCtrl) && FNavigation->CursorMoveRows() && (Key == VK_DOWN || Key == VK_UP))
        KeyMoveRows(Key == VK_DOWN ? 1 : -1, top, bottom);
    if (FNavigation->CursorAdvance() != caDefault && !Shift.Contains(ssCtrl))
        KeyWrap(Key);
    if (FUseEnabledRows && FNavigation->SkipDisabledRows() && Row() == r0)
        KeySkipDisabled(Key, r0);
    if (TStringGrid* sync = FSyncGrid->Grid()) {
        if (FSyncGrid->SelectionColumn() && Col() < sync->ColCount())
            sync->SetCol(Col());
        if (FSyncGrid->SelectionRow() && Row() < sync->RowCount())
            sync->SetRow(Row());
    }
}

void TProStringGrid::KeyMoveRows(int Step, int Top, int Bottom)
{
    if (Step > 0 ? Bottom >= RowCount() - 1 : Top <= FixedRows())
        return;
    const int r0 = Row();
    if (Top == Bottom) {
        MoveRow(Top, Top + Step);
        SetRow(r0 + Step);
        return;
    }
    MoveRows(Top, Top + Step, Bottom - Top + 1);
    SetSelection(TGridRect{FixedCols(), Top + Step, ColCount() - 1, Bottom + Step});
}

void TProStringGrid::KeyWrap(int Key)
{
    const bool snake = FNavigation->CursorAdvance() == caSnake;
    const int lastCol = ColCount() - FFixedRightCols - 1, lastRow = RowCount() - FFixedFooters - 1;
    int c = Col(), r = Row();
    if (Key == VK_LEFT && FLastKeyCell.X == FixedCols()) {
        c = lastCol;
        if (snake && r > FixedRows())
            --r;
    } else if (Key == VK_UP && FLastKeyCell.Y == FixedRows()) {
        r = lastRow;
        if (snake && c > FixedCols())
            --c;
    } else if (Key == VK_RIGHT && FLastKeyCell.X == ColCount() - 1) {
        c = FixedCols();
        if (snake && r < lastRow)
            ++r;
    } else if (Key == VK_DOWN && FLastKeyCell.Y == RowCount() - 1) {
        r = FixedRows();
        if (snake && c < lastCol)
            ++c;
    } else {
        return;
    }
    MoveColRow(c, r, true, true);
}

void TProStringGrid::KeySkipDisabled(int Key, int R0)
{
    int r = R0;
    if (Key == VK_UP && R0 > FixedRows()) {
        r = R0 - 1;
        while (r > FixedRows() && !GetRowEnabled(r))
            --r;
    } else if (Key == VK_DOWN && R0 < RowCount() - 1) {
        r = R0 + 1;
        while (r < RowCount() - 1 && !GetRowEnabled(r))
            ++r;
    } else {
        return;
    }
    if (r >= FixedRows() && GetRowEnabled(r))
        SetRow(r);
}

void TProStringGrid::KeyUp(int& Key, TShiftState Shift)
{
    if ((Key >= VK_PRIOR && Key <= VK_DOWN && Key != VK_HOME) || Key == VK_INSERT || Key == VK_DELETE)
        FSearchInc.clear();
    const TGridRect old = Normalized(Selection());
    const int key = Key;
    TBaseGrid::KeyUp(Key, Shift);
    const bool tab = key == VK_TAB && Options().Contains(goTabs);
    if (FNavigation->AlwaysEdit() && (IsCursorKey(key) || tab) && !IsControlCell(RealCol(), Row()))
        ShowInplaceEdit();
    if (IsCursorKey(key) || key == VK_TAB)
        AnnounceSelection();
    const bool disjunct = FMouseActions->DisjunctCellSelect() && !Options().Contains(goEditing);
    if (disjunct && Shift.Contains(ssShift)) {
        for (int c = old.Left; c <= old.Right; ++c)
            for (int r = old.Top; r <= old.Bottom; ++r)
                SetSelectedCells(c, r, false);
        const TGridRect sel = Normalized(Selection());
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (c != Col() || r != Row())
                    SetSelectedCells(c, r, true);
    }
    if (disjunct && key == VK_SPACE)
        KeySpaceDisjunct(Shift);
}

void TProStringGrid::KeySpaceDisjunct(TShiftState Shift)
{
    const TPoint base = BaseCell(Col(), Row());
    if (!IsFixed(base.X, base.Y)) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(this, base.X, base.Y, canSelect);
        if (!canSelect)
            return;
        if (Shift.Contains(ssCtrl)) {
            SetSelectedCells(base.X, base.Y, !SelectedCells(base.X, base.Y));
        } else {
            for (int i = 0; i < SelectedCellsCount(); ++i) {
                const TGridCoord c = SelectedCell(i);
                RepaintCell(c.X, c.Y);
            }
            FSelectedCells->Clear();
            SetSelectedCells(base.X, base.Y, true);
        }
    }
    const TGridRect sel = Normalized(Selection());
    if (sel.Left != sel.Right || sel.Top != sel.Bottom) {
        for (int c = sel.Left; c <= sel.Right; ++c)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                if (c != base.X || r != base.Y)
                    SetSelectedCells(c, r, true);
        for (int i = 0; i < SelectedCellsCount(); ++i) {
            const TGridCoord c = SelectedCell(i);
            RepaintCell(c.X, c.Y);
        }
    }
    RepaintCell(Col(), Row());
}
