// The search bar and the keys: Ctrl+F into the bar's edit, the cursor kept
// above the bar at the end of the grid, and the rows' room less the bar.
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"

namespace {

// Shift, Alt and the cursor keys leave the scrolled rows as they stand.
bool KeepsTop(int Key) { return Key == VK_SHIFT || Key == VK_MENU || (Key >= VK_PRIOR && Key <= VK_DOWN); }

bool MovesInLastRow(int Key)
{
    return Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN;
}

} // namespace

int TProStringGrid::CoveredBottom() const
{
    if (!FSearchFooter || !FSearchFooter->Visible())
        return 0;
    return std::max(SearchPanelHeight() - 2, 0);
}

void TProStringGrid::KeySearchFocus(int Key, TShiftState Shift)
{
    if (Key != 'F' || !Shift.Contains(ssCtrl) || !FSearchFooter->Visible() || !FSearchPanel)
        return;
    TRetEdit* edit = FSearchPanel->EditControl();
    if (edit->CanFocus())
        edit->SetFocus();
}

bool TProStringGrid::KeySearchBefore(int Key, TSearchKeyState& State, const std::function<void()>& Swallow)
{
    State = TSearchKeyState{};
    State.Top = TopRow();
    if (!FSearchFooter->Visible() || TopRow() < RowCount() - VisibleRowCount())
        return false;
    State.AtEnd = true;
    State.LastRow = Row() == RowCount() - 1;
    if (Key == VK_DOWN && Row() >= RowCount() - 1) {
        AdjustForSearchFooter();
        Swallow();
        return true;
    }
    if (State.LastRow && ((Key == VK_RIGHT && Col() == ColCount() - 1) || (Key == VK_LEFT && Col() == FixedCols()))) {
        Swallow();
        return true;
    }
    State.Bracket = (State.LastRow && MovesInLastRow(Key)) || !KeepsTop(Key);
    if (State.Bracket)
        BeginUpdate();
    return false;
}

void TProStringGrid::KeySearchAfter(int Key, const TSearchKeyState& State)
{
    if (!FSearchFooter->Visible())
        return;
    if (State.AtEnd && TopRow() >= RowCount() - VisibleRowCount() && !KeepsTop(Key))
        SetTopRow(State.Top);
    if (State.Bracket)
        EndUpdate();
    // A jump (Ctrl+End, Page Down) scrolls the cells to the client's
    // bottom, under the bar: the current cell comes up above it.
    if ((State.LastRow && MovesInLastRow(Key)) || (Key >= VK_PRIOR && Key <= VK_DOWN))
        KeepAboveSearchPanel(Col(), Row());
}

void TProStringGrid::KeepAboveSearchPanel(int ACol, int ARow)
{
    if (!FSearchFooter->Visible() || ARow < 0 || ARow > RowCount() - 1)
        return;
    // A column scrolled out of view has no rectangle; the row's is the same.
    const int col = ACol >= LeftCol() ? ACol : LeftCol();
    const int limit = ClientHeight() - SearchPanelHeight() + 2;
    while (TCustomGrid::CellRect(col, ARow).Bottom > limit && TopRow() < RowCount() - 1) {
        const int top = TopRow();
        SetTopRow(top + 1);
        if (TopRow() == top)
            break;
    }
}
