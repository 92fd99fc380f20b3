#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include <gtest/gtest.h>

TEST(ProStringGridCounts, FixedMinimaComeBackWhenTheCountsGrow)
{
    TProStringGrid g;
    g.SetRowCount(3);
    g.SetFixedRowAlways(true);
    g.SetFixedRows(5);
    EXPECT_EQ(g.FixedRows(), 2);
    EXPECT_EQ(g.FixedRowsMin(), 5);
    g.SetRowCount(10);
    EXPECT_EQ(g.FixedRows(), 5);
    g.SetFixedRows(0);
    EXPECT_EQ(g.FixedRows(), 1);

    g.SetColCount(2);
    g.SetFixedColAlways(true);
    g.SetFixedCols(4);
    EXPECT_EQ(g.FixedCols(), 1);
    g.SetColCount(6);
    EXPECT_EQ(g.FixedCols(), 4);

    TProStringGrid plain;
    plain.SetRowCount(3);
    EXPECT_THROW(plain.SetFixedRows(5), EInvalidGridOperation);
}

TEST(ProStringGridCounts, TopRowTakesOnlyScrollableRows)
{
    TProStringGrid g;
    g.SetRowCount(100);
    g.SetTopRow(g.RowCount());
    EXPECT_EQ(g.TopRow(), 1);
    g.SetTopRow(0);
    EXPECT_EQ(g.TopRow(), 1);
    g.SetTopRow(5);
    EXPECT_EQ(g.TopRow(), 5);
}

TEST(ProStringGridCounts, TheFooterRowFollowsRowCount)
{
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    g.FloatingFooter()->SetVisible(true);
    g.SetGridCells(1, 4, "sum");
    TCellProperties* props = g.CellProperties(2, 4);
    g.SetRowCount(8);
    EXPECT_EQ(g.GridCells(1, 7), "sum");
    EXPECT_EQ(g.GridCells(1, 4), "");
    EXPECT_FALSE(g.HasCellProperties(2, 4));
    EXPECT_EQ(g.CellProperties(2, 7), props);
    g.SetRowCount(6);
    EXPECT_EQ(g.GridCells(1, 5), "sum");
}

TEST(ProStringGridCounts, SpreadSheetSwitchesItsLookOnForEitherValue)
{
    TProStringGrid g;
    g.SetSpreadSheet(false);
    EXPECT_TRUE(g.SelectionRectangle());
    EXPECT_TRUE(g.SelectionResizer());
    EXPECT_TRUE(g.Navigation()->AllowSmartClipboard());
    EXPECT_TRUE(g.Options().Contains(goEditing));
    EXPECT_TRUE(g.Options().Contains(goRangeSelect));
    EXPECT_TRUE(g.MouseActions()->RangeSelectAndEdit());
}

TEST(ProStringGridCounts, SaveRangesAndUsedCells)
{
    TProStringGrid g;
    g.SetColCount(6);
    g.SetRowCount(8);
    g.SetFixedRightCols(1);
    g.SetFixedFooters(2);
    struct Case {
        bool FixedCells, FixedCols, FixedRows;
        int StartCol, EndCol, ColCount, StartRow, EndRow, RowCount;
    };
    for (const Case& c : {Case{true, false, false, 0, 5, 6, 0, 7, 8}, Case{false, false, false, 1, 4, 4, 1, 5, 5},
                          Case{false, true, false, 0, 5, 6, 1, 5, 5}, Case{false, false, true, 1, 4, 4, 0, 7, 8}}) {
        g.SetSaveFixedCells(c.FixedCells);
        g.SetSaveFixedCols(c.FixedCols);
        g.SetSaveFixedRows(c.FixedRows);
        EXPECT_EQ((std::vector<int>{g.SaveStartCol(), g.SaveEndCol(), g.SaveColCount(), g.SaveStartRow(),
                                    g.SaveEndRow(), g.SaveRowCount()}),
                  (std::vector<int>{c.StartCol, c.EndCol, c.ColCount, c.StartRow, c.EndRow, c.RowCount}));
    }
    EXPECT_EQ(g.UsedCells(), (TRect{0, 0, 0, 0}));
    g.SetGridCells(3, 7, "x");
    EXPECT_EQ(g.UsedCells(), (TRect{3, 7, 3, 7}));
    g.SetGridCells(1, 2, "y");
    EXPECT_EQ(g.UsedCells(), (TRect{1, 2, 3, 7}));
}

TEST(ProStringGridCounts, FixedSizesAndRowUpdates)
{
    TProStringGrid g;
    g.SetFixedCols(2);
    g.SetFixedColWidth(g.DefaultColWidth());
    g.SetColWidths(0, 30);
    g.SetFixedColWidth(g.DefaultColWidth());
    EXPECT_EQ(g.ColWidths(0), 30);
    g.SetFixedColWidth(90);
    EXPECT_EQ(g.ColWidths(0), 90);
    EXPECT_EQ(g.ColWidths(1), 90);

    std::vector<std::pair<int, int>> updates;
    g.OnRowUpdate = [&](TObject*, int OldRow, int NewRow) { updates.emplace_back(OldRow, NewRow); };
    g.SetRow(3);
    g.SetRow(4);
    EXPECT_EQ(updates, (std::vector<std::pair<int, int>>{{-1, 3}, {3, 4}}));
}
