#include "../support/QStringPrinter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<int> SelectedRows(const TProStringGrid& g)
{
    std::vector<int> rows;
    for (int i = 0; g.SelectedRow(i) >= 0; ++i)
        rows.push_back(g.SelectedRow(i));
    return rows;
}

} // namespace

TEST(ProStringGridSelection, RowsByRectangle)
{
    TProStringGrid g;
    g.SetColCount(5);
    g.SelectRows(3, 100);
    EXPECT_EQ(g.Selection(), (TGridRect{1, 3, 4, 9}));
    EXPECT_EQ(g.RowSelectCount(), 7);
    EXPECT_TRUE(g.RowSelect(9));
    EXPECT_FALSE(g.RowSelect(2));
    g.SetSelection({1, 7, 1, 4});
    EXPECT_EQ(SelectedRows(g), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(g.RowSelectCount(), 4);
    EXPECT_EQ(g.SelectedRowCount(), 4);
}

TEST(ProStringGridSelection, DisjointRowsListEachSelectedRowOnce)
{
    TProStringGrid g;
    g.MouseActions()->SetDisjunctRowSelect(true);
    std::vector<int> asked, told;
    bool allow = true;
    g.OnRowDisjunctSelect = [&](TObject*, int ARow, bool, bool& Allow) {
        asked.push_back(ARow);
        Allow = allow;
    };
    g.OnRowDisjunctSelected = [&](TObject*, int ARow) { told.push_back(ARow); };
    g.SetRowSelect(4, true);
    g.SetRowSelect(4, true);
    g.SetRowSelect(0, true);
    g.SetRowSelect(6, true);
    EXPECT_EQ(SelectedRows(g), (std::vector<int>{4, 6}));
    EXPECT_TRUE(g.RowSelect(0));
    EXPECT_EQ(g.RowSelectCount(), 3);
    EXPECT_EQ(asked, (std::vector<int>{4, 0, 6}));
    EXPECT_EQ(told, (std::vector<int>{4, 4, 0, 6}));

    allow = false;
    g.SetRowSelect(4, false);
    g.SetRowSelect(7, true);
    EXPECT_TRUE(g.RowSelect(4));
    EXPECT_FALSE(g.RowSelect(7));
    EXPECT_EQ(told.size(), 4u);

    allow = true;
    g.UnSelectRows(0, 5);
    EXPECT_EQ(SelectedRows(g), (std::vector<int>{6}));
    g.ClearRowSelect();
    EXPECT_EQ(g.RowSelectCount(), 0);
    EXPECT_EQ(g.SelectedRowCount(), 0);
}

TEST(ProStringGridSelection, OutOfRangeRowsAndColumns)
{
    TProStringGrid g;
    try {
        g.GetRowSelect(-1);
        FAIL();
    } catch (const EProGridError& e) {
        EXPECT_EQ(e.Message(), "Invalid row -1 accessed");
    }
    EXPECT_THROW(g.SetRowSelect(-1, true), EProGridError);
    EXPECT_THROW(g.SetRowSelect(10, true), EProGridError);
    EXPECT_THROW(g.GetColSelect(5), EProGridError);
    EXPECT_THROW(g.SetColSelect(-1, true), EProGridError);
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.MouseActions()->SetRowSelectPersistent(true);
    EXPECT_FALSE(g.GetRowSelect(-1));
    EXPECT_FALSE(g.GetRowSelect(50));
}

TEST(ProStringGridSelection, DisjointColumnsAndCells)
{
    TProStringGrid g;
    g.SetColCount(8);
    g.MouseActions()->SetDisjunctColSelect(true);
    g.SelectCols(2, 3);
    g.SetColSelect(7, false);
    EXPECT_EQ(g.ColSelectCount(), 3);
    EXPECT_EQ(g.SelectedColCount(), 3);
    g.UnSelectCols(3, 1);
    EXPECT_FALSE(g.ColSelect(3));
    g.ClearColSelect();
    EXPECT_EQ(g.ColSelectCount(), 0);

    g.MouseActions()->SetDisjunctCellSelect(true);
    g.SetRowCount(40000);
    g.SetColCount(70000);
    g.SetSelectedCells(69999, 39999, true);
    g.SetSelectedCells(2, 3, true);
    g.SetSelectedCells(2, 3, true);
    EXPECT_EQ(g.SelectedCellsCount(), 2);
    EXPECT_TRUE(g.SelectedCells(69999, 39999));
    EXPECT_FALSE(g.SelectedCells(3, 2));
    // Columns keep their low 16 bits.
    EXPECT_EQ(g.SelectedCell(0), (TGridCoord{69999 & 0xFFFF, 39999}));
    g.SetSelectedCells(2, 3, false);
    EXPECT_EQ(g.SelectedCellsCount(), 1);
}

TEST(ProStringGridSelection, ARectangleListsItsCellsColumnByColumn)
{
    TProStringGrid g;
    g.SetColCount(6);
    g.SetSelection({3, 5, 1, 4});
    EXPECT_EQ(g.SelectedCellsCount(), 6);
    std::vector<TGridCoord> cells;
    for (int i = 0; i < 6; ++i)
        cells.push_back(g.SelectedCell(i));
    EXPECT_EQ(cells, (std::vector<TGridCoord>{{1, 4}, {1, 5}, {2, 4}, {2, 5}, {3, 4}, {3, 5}}));
    EXPECT_TRUE(g.SelectedCells(2, 5));
    EXPECT_EQ(g.SelectedColCount(), 3);
    g.ClearSelectedCells();
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));
    EXPECT_EQ(g.SelectedCellsCount(), 1);
}

TEST(ProStringGridSelection, EnabledAndModifiedRows)
{
    TProStringGrid g;
    EXPECT_TRUE(g.RowEnabled(3));
    g.SetRowEnabled(1, false);
    g.SetRow(3);
    g.SetRowEnabled(3, false);
    EXPECT_EQ(g.Row(), 2);
    EXPECT_FALSE(g.RowEnabled(3));
    EXPECT_TRUE(g.UseEnabledRows());

    g.SetRowModified(5, true);
    g.SetRowModified(2, true);
    g.SetRowModified(2, false);
    EXPECT_EQ(g.ModifiedRowCount(), 1);
    EXPECT_TRUE(g.RowModified(5));
    EXPECT_FALSE(g.RowModified(50));
    g.ClearModifiedRows();
    EXPECT_EQ(g.ModifiedRowCount(), 0);
}

TEST(ProStringGridSelection, SwapCellsAndListeners)
{
    TProStringGrid g;
    g.SetGridCells(1, 1, "a");
    g.SetGridCells(2, 3, "b");
    TCellProperties* props = g.CellProperties(1, 1);
    g.SwapCells({1, 1}, {2, 3});
    EXPECT_EQ(g.GridCells(1, 1), "b");
    EXPECT_EQ(g.GridCells(2, 3), "a");
    EXPECT_EQ(g.GridObjects(2, 3), props);
    EXPECT_EQ(g.GridObjects(1, 1), nullptr);

    struct Listener : ITProStringGridSelect {
        void SelectCell(int, int) override {}
    } a, b;
    g.RegisterSelListener(&a);
    g.RegisterSelListener(&b);
    EXPECT_EQ(g.SelListener(), &b);
    g.UnRegisterSelListener(&a);
    EXPECT_EQ(g.SelListener(), nullptr);
}

TEST(ProStringGridSelection, IsSelectedFollowsTheModeInForce)
{
    TProStringGrid g;
    g.SetColCount(5);
    g.SetSelection({1, 2, 3, 4});
    EXPECT_TRUE(g.IsSelected(2, 3));
    EXPECT_FALSE(g.IsSelected(0, 3));
    EXPECT_FALSE(g.IsSelected(4, 3));
    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(7, true);
    EXPECT_TRUE(g.IsSelected(4, 7));
    EXPECT_FALSE(g.IsSelected(2, 3));
    g.MouseActions()->SetDisjunctRowSelect(false);
    g.MouseActions()->SetDisjunctCellSelect(true);
    g.SetSelectedCells(3, 1, true);
    EXPECT_TRUE(g.IsSelected(3, 1));
    EXPECT_FALSE(g.IsSelected(3, 2));

    // The current cell's text is its base cell's; pasted rows count as modified.
    g.SetCells(1, 1, "base");
    g.MergeCells(1, 1, 2, 2);
    g.GotoCell(2, 2);
    EXPECT_EQ(g.CurrentCell(), "base");
    g.SetCurrentCellText("new");
    EXPECT_EQ(g.GridCells(1, 1), "new");
    g.ShowModified()->SetEnabled(true);
    g.CellsPasted({1, 5, 2, 3});
    EXPECT_EQ(g.ModifiedRowCount(), 3);
}
