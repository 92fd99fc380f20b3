#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A grid whose cell (c, r) holds "c:r" in every real column.
void Fill(TProStringGrid& g, int Cols, int Rows)
{
    g.SetColCount(Cols);
    g.SetRowCount(Rows);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            g.SetGridCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
}

std::vector<int> Map(const TProStringGrid& g, std::vector<int> In, bool ToReal, bool Cols)
{
    std::vector<int> out;
    for (int i : In)
        out.push_back(Cols ? (ToReal ? g.DisplToRealCol(i) : g.RealToDisplCol(i))
                           : (ToReal ? g.DisplToRealRow(i) : g.RealToDisplRow(i)));
    return out;
}

} // namespace

TEST(ProStringGridHidden, ColumnsMapBothWaysAndKeepTextsAndWidths)
{
    TProStringGrid g;
    Fill(g, 6, 3);
    EXPECT_EQ(Map(g, {-3, 0, 5, 511, 600}, true, true), (std::vector<int>{-3, 0, 5, 511, 600}));
    g.SetColWidths(1, 33);
    g.SetColWidths(2, 44);
    g.HideColumn(1);
    g.HideColumn(3);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.TotalColCount(), 6);
    EXPECT_EQ(g.NumHiddenColumns(), 2);
    EXPECT_EQ(Map(g, {0, 1, 2, 3}, true, true), (std::vector<int>{0, 2, 4, 5}));
    // A hidden column answers the next shown one.
    EXPECT_EQ(Map(g, {0, 1, 2, 3, 4, 5}, false, true), (std::vector<int>{0, 1, 1, 2, 2, 3}));
    EXPECT_EQ(g.ColWidths(1), 44);
    EXPECT_EQ(g.AllColWidths(1), 33);
    EXPECT_EQ(g.GridCells(3, 2), "3:2");
    EXPECT_FALSE(g.IsHiddenColumn(600));
    EXPECT_EQ(g.DisplToRealCol(600), 600);
    g.UnHideColumnsAll();
    EXPECT_EQ(g.ColCount(), 6);
    EXPECT_EQ(g.ColWidths(1), 33);
    EXPECT_EQ(g.ColWidths(2), 44);
    EXPECT_EQ(Map(g, {0, 1, 2, 3, 4, 5}, true, true), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(ProStringGridHidden, AColumnMovedPastAHiddenOneTakesItsCellsAndLeavesTheHiddenOneHidden)
{
    struct Case {
        const char* Name;
        int Hidden, From, To;
        const char* Shown;
        const char* All;
    };
    // Display positions; each column named by the real column it started as.
    const Case cases[] = {
        {"right over it", 2, 1, 3, "0 3 4 1 5", "0 2 3 4 1 5"},
        {"left over it", 2, 3, 1, "0 4 1 3 5", "0 4 1 2 3 5"},
        {"onto its left neighbour", 3, 3, 2, "0 1 4 2 5", "0 1 4 2 3 5"},
        {"before it", 4, 1, 2, "0 2 1 3 5", "0 2 1 3 4 5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TProStringGrid g;
        Fill(g, 6, 3);
        for (int i = 0; i < 6; ++i)
            g.SetColWidths(i, 20 + i);
        g.HideColumn(c.Hidden);
        g.MoveColumn(c.From, c.To);
        auto order = [&g] {
            QStringList names;
            for (int i = 0; i < g.ColCount(); ++i)
                names << g.Cells(g.DisplToRealCol(i), 1).section(':', 0, 0);
            return names.join(' ');
        };
        EXPECT_EQ(order(), QString::fromLatin1(c.Shown));
        g.UnHideColumnsAll();
        EXPECT_EQ(order(), QString::fromLatin1(c.All));
        // The widths went along, the hidden column's too.
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(g.ColWidths(i), 20 + g.Cells(i, 1).section(':', 0, 0).toInt()) << i;
    }
}

TEST(ProStringGridHidden, WideGridsCountTheHiddenColumnsPast511)
{
    TProStringGrid g;
    g.SetColCount(600);
    g.SetRowCount(2);
    g.HideColumn(3);
    // Display 511 is real column 512: shown, past the flags.
    EXPECT_EQ(Map(g, {2, 3, 510, 511, 598}, true, true), (std::vector<int>{2, 4, 511, 512, 599}));
    EXPECT_EQ(Map(g, {512, 599}, false, true), (std::vector<int>{511, 598}));
    // At or past ColCount: itself.
    EXPECT_EQ(g.DisplToRealCol(599), 599);
    g.HideColumn(520);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
}

TEST(ProStringGridHidden, ColumnGuards)
{
    TProStringGrid single;
    single.SetColCount(1);
    single.HideColumn(0);
    EXPECT_EQ(single.ColCount(), 1);
    EXPECT_EQ(single.NumHiddenColumns(), 0);

    TProStringGrid g;
    g.SetColCount(4);
    g.SetCol(3);
    g.HideColumn(3);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.Col(), 2);
    g.HideColumns(-5, -1);
    g.UnHideColumns(700, 800);
    EXPECT_EQ(g.ColCount(), 3);
}

TEST(ProStringGridHidden, RowsMapBothWaysAndComeBackWithTextsAndHeights)
{
    TProStringGrid g;
    Fill(g, 4, 20);
    g.HideColumn(2);
    g.SetRowHeights(7, 40);
    g.SetRowHeights(9, 31);
    g.HideRow(5);
    g.HideRows(7, 8);
    EXPECT_EQ(g.RowCount(), 17);
    EXPECT_EQ(g.NumHiddenRows(), 3);
    EXPECT_EQ(g.TotalRowCount(), 20);
    EXPECT_EQ(Map(g, {-1, 4, 5, 6, 16, 17}, true, false), (std::vector<int>{-1, 4, 6, 9, 19, 20}));
    EXPECT_EQ(Map(g, {4, 5, 7, 9, 19}, false, false), (std::vector<int>{4, 5, 6, 6, 16}));
    EXPECT_TRUE(g.IsHiddenRow(8));
    EXPECT_FALSE(g.IsHiddenRow(9));
    EXPECT_EQ(g.GridCells(0, 6), "0:9");
    EXPECT_EQ(g.RowHeights(6), 31);
    ASSERT_NE(g.HiddenRowItems(7), nullptr);
    EXPECT_EQ(g.HiddenRowItems(7)->Strings(2), "2:7");
    EXPECT_EQ(g.HiddenRowItems(9), nullptr);

    g.UnHideRowsAll();
    EXPECT_EQ(g.RowCount(), 20);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.GridCells(c, r), QStringLiteral("%1:%2").arg(c).arg(r));
    EXPECT_EQ(g.RowHeights(7), 40);
    EXPECT_EQ(g.RowHeights(9), 31);
}

TEST(ProStringGridHidden, HidingAroundAHiddenRowAndShowingOneByOne)
{
    TProStringGrid g;
    Fill(g, 2, 10);
    g.SetRowHeights(4, 30);
    g.SetRowHeights(6, 50);
    g.HideRow(5);
    g.HideRows(4, 6);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.HiddenRowItems(4)->Strings(1), "1:4");
    EXPECT_EQ(g.HiddenRowItems(6)->Strings(1), "1:6");
    // Hiding a range that is hidden already changes nothing.
    g.HideRows(4, 6);
    EXPECT_EQ(g.RowCount(), 7);
    // UnHideRows starts only at a hidden row.
    g.UnHideRows(3, 6);
    EXPECT_EQ(g.RowCount(), 7);
    g.UnHideRow(6);
    EXPECT_EQ(g.GridCells(1, 4), "1:6");
    EXPECT_EQ(g.RowHeights(4), 50);
    g.UnHideRows(4, 5);
    EXPECT_EQ(g.RowCount(), 10);
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(g.GridCells(0, r), QStringLiteral("0:%1").arg(r));
    EXPECT_EQ(g.RowHeights(4), 30);
}

TEST(ProStringGridHidden, CellPropertiesTravelWithHiddenRows)
{
    TProStringGrid g;
    Fill(g, 3, 6);
    TCellProperties* props = g.CellProperties(1, 3);
    props->SetFontSize(17);
    g.HideRows(2, 3);
    EXPECT_FALSE(g.HasCellProperties(1, 3));
    g.HideRowsEx(4, 4);
    EXPECT_EQ(g.RowCount(), 3);
    g.UnHideRowsAll();
    ASSERT_TRUE(g.HasCellProperties(1, 3));
    EXPECT_EQ(g.CellProperties(1, 3), props);
    EXPECT_EQ(g.GridCells(0, 4), "0:4");
    // Parked again and left hidden: the grid frees it with itself.
    g.HideRow(3);
}

TEST(ProStringGridHidden, RowListsHideAsAFilterLevelAndComeBackInOrder)
{
    for (bool footer : {false, true}) {
        SCOPED_TRACE(footer ? "with floating footer" : "without footer");
        TProStringGrid g;
        Fill(g, 2, 10);
        g.FloatingFooter()->SetVisible(footer);
        g.SetRowHeights(3, 41);
        TIntList rows(0, 0);
        for (int r : {2, 3, 7})
            rows.Add(r);
        g.HideRowList(&rows);
        EXPECT_EQ(g.RowCount(), 7);
        EXPECT_EQ(g.FilterLevel(), 1);
        EXPECT_EQ(g.GridCells(0, 2), "0:4");
        EXPECT_EQ(g.GridCells(0, 6), "0:9");
        g.UnHideRowList();
        g.SetFilterLevel(g.FilterLevel() - 1);
        EXPECT_EQ(g.RowCount(), 10);
        EXPECT_EQ(g.NumHiddenRows(), 0);
        for (int r = 0; r < 10; ++r)
            EXPECT_EQ(g.GridCells(1, r), QStringLiteral("1:%1").arg(r));
        EXPECT_EQ(g.RowHeights(3), 41);
    }
}

TEST(ProStringGridHidden, AParkedSelectionComesBackOrFallsToTheFirstNormalCell)
{
    TProStringGrid g;
    Fill(g, 5, 10);
    g.SetSelection({2, 3, 3, 6});
    g.HideSelection();
    EXPECT_TRUE(g.SelectionHidden());
    EXPECT_EQ(g.Selection(), (TGridRect{5, 10, 5, 10}));
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (TGridRect{2, 3, 3, 6}));

    g.HideSelection();
    g.SetRowCount(3);
    g.UnHideSelection();
    EXPECT_EQ(g.Selection(), (TGridRect{1, 1, 1, 1}));

    TProStringGrid fixedOnly;
    fixedOnly.SetFixedRowAlways(true);
    fixedOnly.SetFixedColAlways(true);
    fixedOnly.SetColCount(5);
    fixedOnly.SetRowCount(5);
    fixedOnly.SetSelection({2, 2, 2, 2});
    fixedOnly.HideSelection();
    fixedOnly.SetFixedRows(0);
    fixedOnly.SetFixedCols(0);
    fixedOnly.SetColCount(1);
    fixedOnly.SetRowCount(1);
    fixedOnly.UnHideSelection();
    EXPECT_EQ(fixedOnly.Selection(), (TGridRect{0, 0, 0, 0}));
}
