#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItem.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Column 0 of each row names the row; column 2 (hidden in some tests) too.
void Fill(TProStringGrid& g, int Rows)
{
    g.SetColCount(4);
    g.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r) {
        g.SetCells(0, r, QStringLiteral("r%1").arg(r));
        g.SetCells(2, r, QStringLiteral("h%1").arg(r));
    }
}

QStringList Column(TProStringGrid& g, int ACol)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        texts << g.Cells(ACol, r);
    return texts;
}

} // namespace

TEST(ProStringGridRows, RemovalsPastTheGridChangeNothing)
{
    TProStringGrid g;
    Fill(g, 5);
    g.RemoveRows(5, 1);
    g.RemoveRows(2, 0);
    g.RemoveRows(-1, 2);
    g.RemoveRowsEx(7, 1);
    g.RemoveRowsCore(5, 3);
    EXPECT_EQ(g.RowCount(), 5);
    // A count past the end stops at the last row.
    g.RemoveRows(3, 50);
    EXPECT_EQ(Column(g, 0), (QStringList{"r0", "r1", "r2"}));
}

TEST(ProStringGridRows, RemovingTheCurrentLastRowMovesToTheNewLastNormalRow)
{
    TProStringGrid g;
    Fill(g, 6);
    g.FloatingFooter()->SetVisible(true);
    g.SetRow(4);
    g.RemoveRows(4, 1);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Cells(0, 4), "r5");
}

TEST(ProStringGridRows, RemovalsRenumberTheHiddenRowsBelow)
{
    for (bool ex : {false, true}) {
        SCOPED_TRACE(ex ? "RemoveRowsEx" : "RemoveRows");
        TProStringGrid g;
        Fill(g, 10);
        g.HideRow(7);
        if (ex)
            g.RemoveRowsEx(2, 2);
        else
            g.RemoveRows(2, 2);
        EXPECT_EQ(g.GridItems()->Item(0)->Idx(), 5);
        g.UnHideRowsAll();
        EXPECT_EQ(Column(g, 0), (QStringList{"r0", "r1", "r4", "r5", "r6", "r7", "r8", "r9"}));
    }
}

TEST(ProStringGridRows, InsertingAboveAHiddenRowKeepsItsPlace)
{
    TProStringGrid g;
    Fill(g, 8);
    g.HideColumn(2);
    g.SetRowHeights(3, 35);
    g.HideRow(5);
    g.InsertRows(2, 2);
    EXPECT_EQ(g.RowCount(), 9);
    EXPECT_EQ(g.Cells(0, 2), "");
    EXPECT_EQ(g.Cells(0, 4), "r2");
    EXPECT_EQ(g.RowHeights(5), 35);
    EXPECT_EQ(g.Cells(2, 4), "h2");
    g.UnHideRowsAll();
    EXPECT_EQ(Column(g, 0), (QStringList{"r0", "r1", "", "", "r2", "r3", "r4", "r5", "r6", "r7"}));
    EXPECT_EQ(g.Cells(2, 7), "h5");
}

TEST(ProStringGridRows, RowOperationsCarryHiddenColumnsAndProperties)
{
    TProStringGrid g;
    Fill(g, 8);
    g.HideColumn(2);
    TCellProperties* props = g.CellProperties(3, 6);
    g.RemoveRows(1, 2);
    EXPECT_EQ(g.Cells(2, 1), "h3");
    EXPECT_EQ(g.CellProperties(3, 4), props);
    g.HideRows(1, 1);
    EXPECT_EQ(g.Cells(2, 1), "h4");
    g.InsertRows(0, 1);
    EXPECT_EQ(g.Cells(2, 2), "h4");
    g.UnHideRowsAll();
    EXPECT_EQ(g.Cells(2, 2), "h3");
    g.UnHideColumn(2);
    EXPECT_EQ(g.Cells(2, 2), "h3");
}

TEST(ProStringGridRows, DuplicatesWithAndWithoutCase)
{
    for (bool doCase : {false, true}) {
        TProStringGrid g;
        g.SetRowCount(7);
        const QStringList texts{"head", "A", "B", "A", "C", "b", "a"};
        for (int r = 0; r < 7; ++r)
            g.SetCells(1, r, texts[r]);
        g.RemoveDuplicates(1, doCase);
        EXPECT_EQ(Column(g, 1), doCase ? (QStringList{"head", "A", "B", "C", "b", "a"})
                                       : (QStringList{"head", "A", "B", "C"}));
    }
}

TEST(ProStringGridRows, SelectedAndUnselectedRows)
{
    TProStringGrid g;
    Fill(g, 8);
    g.SetSelection({1, 5, 1, 3});
    g.RemoveSelectedRows();
    EXPECT_EQ(Column(g, 0), (QStringList{"r0", "r1", "r2", "r6", "r7"}));

    TProStringGrid d;
    Fill(d, 8);
    d.FloatingFooter()->SetVisible(true);
    d.MouseActions()->SetDisjunctRowSelect(true);
    d.SetRowSelect(2, true);
    d.SetRowSelect(5, true);
    d.RemoveUnSelectedRows();
    EXPECT_EQ(Column(d, 0), (QStringList{"r0", "r2", "r5", "r7"}));

    TProStringGrid h;
    Fill(h, 8);
    h.FloatingFooter()->SetVisible(true);
    h.MouseActions()->SetDisjunctRowSelect(true);
    h.MouseActions()->SetRowSelectPersistent(true);
    h.SetRowSelect(3, true);
    h.HideUnSelectedRows();
    EXPECT_EQ(Column(h, 0), (QStringList{"r0", "r3", "r7"}));
    h.UnHideRowsAll();
    EXPECT_EQ(h.RowCount(), 8);
    h.HideSelectedRows();
    EXPECT_EQ(Column(h, 0), (QStringList{"r0", "r1", "r2", "r4", "r5", "r6", "r7"}));
}

TEST(ProStringGridRows, ColumnsInsertAndRemoveAroundHiddenOnes)
{
    TProStringGrid g;
    Fill(g, 3);
    g.SetCells(3, 1, "last");
    g.HideColumn(2);
    g.InsertCols(1, 2);
    EXPECT_EQ(g.TotalColCount(), 6);
    EXPECT_TRUE(g.IsHiddenColumn(4));
    EXPECT_FALSE(g.IsHiddenColumn(2));
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.Cells(4, 1), "h1");
    EXPECT_EQ(g.Cells(5, 1), "last");
    g.RemoveCols(3, 2);
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.Cells(3, 1), "last");
    g.MergeCols(0, 3, " ");
    EXPECT_EQ(g.Cells(0, 1), "r1 last");
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(ProStringGridRows, MergingRunsOfEqualCells)
{
    TProStringGrid g;
    g.SetRowCount(8);
    const QStringList texts{"", "X", "X", "Y", "Y", "Y", "Z", "X"};
    for (int r = 0; r < 8; ++r)
        g.SetCells(1, r, texts[r]);
    g.MergeColumnCells(1, true);
    EXPECT_EQ(g.CellSpan(1, 1).Y, 1);
    EXPECT_EQ(g.CellSpan(1, 3).Y, 2);
    EXPECT_FALSE(g.IsMergedCell(1, 6));
    g.SplitColumnCells(1);
    EXPECT_FALSE(g.IsMergedCell(1, 3));
}

TEST(ProStringGridRows, ClearingFindingAndColumnOrder)
{
    TProStringGrid g;
    Fill(g, 4);
    g.SetFixedFooters(1);
    g.SetColors(1, 2, clRed);
    g.ClearNormalRows(1, 2);
    EXPECT_EQ(g.Cells(0, 1), "r1");
    EXPECT_EQ(g.Cells(2, 2), "");
    EXPECT_FALSE(g.HasCellProperties(1, 2));
    g.SetCells(1, 3, "  pad \t");
    g.TrimAll();
    EXPECT_EQ(g.Cells(1, 3), "pad");
    int c = -1, r = -1;
    EXPECT_TRUE(g.IsCell("h3", c, r));
    EXPECT_EQ((std::vector<int>{c, r}), (std::vector<int>{2, 3}));
    EXPECT_FALSE(g.IsCell("H3", c, r));
    g.SetCells(3, 0, "Total");
    EXPECT_EQ(g.ColumnByHeader("Total"), 3);
    EXPECT_EQ(g.ColumnByHeader("total"), -1);

    g.SetColumnOrder();
    g.MoveColumn(0, 3);
    EXPECT_EQ(g.ColumnPosition(2), 1);
    g.HideColumn(1);
    // Positions past the recorded order give no match.
    EXPECT_EQ(g.ColumnPosition(9), 9);
    g.Clear();
    EXPECT_EQ(g.UsedCells(), (TRect{0, 0, 0, 0}));
}

TEST(ProStringGridRows, TheRecordedColumnOrderFollowsMovesAndComesBack)
{
    TProStringGrid g;
    Fill(g, 3);
    g.SetCells(1, 0, "one");
    g.SetColumnOrder();
    g.MoveColumn(0, 3);
    g.MoveColumn(1, 0);
    EXPECT_EQ(g.ColumnPosition(0), 3);
    EXPECT_EQ(g.ColumnAtPosition(0), 2);
    EXPECT_EQ(g.OriginalCells(1, 0), "one");
    g.HideColumn(1);
    g.ResetColumnOrder();
    EXPECT_EQ(g.NumHiddenColumns(), 0);
    EXPECT_EQ((QStringList{g.Cells(0, 1), g.Cells(1, 0), g.Cells(2, 1)}), (QStringList{"r1", "one", "h1"}));
    EXPECT_EQ(g.ColumnPosition(3), 3);
}
