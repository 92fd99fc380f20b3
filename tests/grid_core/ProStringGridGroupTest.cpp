#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Columns: 0 fixed, 1 name, 2 group value, 3 sub-group value, 4 number.
struct GroupGrid : TProStringGrid {
    GroupGrid()
    {
        SetColCount(5);
        const std::vector<QStringList> rows{{"a1", "A", "x", "1"}, {"a2", "A", "x", "2"}, {"b1", "B", "y", "3"},
                                            {"c1", "C", "z", "4"}, {"c2", "C", "z", "5"}, {"c3", "C", "w", "6"}};
        SetRowCount(int(rows.size()) + 1);
        SetCells(2, 0, QStringLiteral("Group"));
        for (int r = 0; r < int(rows.size()); ++r)
            for (int c = 0; c < 4; ++c)
                SetCells(c + 1, r + 1, rows[std::size_t(r)][c]);
        SetColWidths(2, 77);
    }
    QStringList Column(int ACol)
    {
        QStringList texts;
        for (int r = FixedRows(); r < RowCount(); ++r)
            texts << GridCells(ACol, r);
        return texts;
    }
    std::vector<int> Spans()
    {
        std::vector<int> spans;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r))
                spans.push_back(GetNodeSpan(r));
        return spans;
    }
};

} // namespace

TEST(ProStringGridGroup, GroupsRunsAndUnGroupRestores)
{
    GroupGrid g;
    g.Group(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.Spans(), (std::vector<int>{3, 2, 4}));
    // Grouping sorts by the group column; ties go by the columns after it.
    EXPECT_EQ(g.Column(1), (QStringList{"A", "a1", "a2", "B", "b1", "C", "c3", "c1", "c2"}));
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_TRUE(g.IsNode(4));
    EXPECT_TRUE(g.IsNode(6));

    g.UnGroup();
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Column(1), (QStringList{"a1", "a2", "b1", "c3", "c1", "c2"}));
    EXPECT_EQ(g.Column(2), (QStringList{"A", "A", "B", "C", "C", "C"}));
    EXPECT_EQ(g.Column(4), (QStringList{"1", "2", "3", "6", "4", "5"}));
    EXPECT_EQ(g.Cells(2, 0), "Group");
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(g.NumNodes(), 0);
    EXPECT_EQ(g.CellProperties(0, 2)->NodeLevel(), 0);
}

TEST(ProStringGridGroup, SummaryRowsCloseEveryGroup)
{
    GroupGrid g;
    g.Grouping()->SetSummary(true);
    g.SetGroupColumn(2);
    EXPECT_EQ(g.RowCount(), 13);
    EXPECT_EQ(g.Spans(), (std::vector<int>{3, 2, 4}));
    std::vector<int> summaries;
    for (int r = 1; r < g.RowCount(); ++r)
        if (g.IsSummary(r))
            summaries.push_back(r);
    EXPECT_EQ(summaries, (std::vector<int>{4, 7, 12}));

    // The number column moved left with the group column gone.
    g.GroupCount(3);
    EXPECT_EQ(g.Cells(3, 4), "2");
    EXPECT_EQ(g.Cells(3, 7), "1");
    EXPECT_EQ(g.Cells(3, 12), "3");
    g.GroupSum(3);
    EXPECT_EQ(g.Cells(3, 12), "15.00");
    // A contracted group keeps what it showed.
    g.SetCells(3, 7, QStringLiteral("old"));
    g.ContractNode(5);
    g.GroupSum(3);
    EXPECT_EQ(g.Cells(3, g.RealToDisplRow(7)), "old");

    g.SetGroupColumn(-1);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Column(2), (QStringList{"A", "A", "B", "C", "C", "C"}));
}

TEST(ProStringGridGroup, GroupingByColumnOneStillLeavesTheHeaderInColumnOne)
{
    GroupGrid g;
    g.Group(1);
    EXPECT_EQ(g.GridCells(1, 1), "a1");
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.Spans().size(), 6u);
    g.UnGroup();
    EXPECT_EQ(g.Column(1), (QStringList{"a1", "a2", "b1", "c1", "c2", "c3"}));
    EXPECT_EQ(g.Column(2), (QStringList{"A", "A", "B", "C", "C", "C"}));
}

TEST(ProStringGridGroup, ColumnZeroAndFixedColumnsAreRefused)
{
    GroupGrid g;
    g.SetGroupColumn(0);
    g.Group(0);
    g.SetFixedCols(0);
    g.Group(0);
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_EQ(g.Column(1), (QStringList{"a1", "a2", "b1", "c1", "c2", "c3"}));
    g.SetFixedCols(2);
    g.Group(1);
    EXPECT_EQ(g.GroupColumn(), -1);
    g.UnGroup();
    EXPECT_EQ(g.RowCount(), 7);
}

TEST(ProStringGridGroup, SentinelTextOpensNoGroup)
{
    GroupGrid g;
    g.SortSettings()->SetAutoSortForGrouping(false);
    g.SetCells(2, 1, QString(QChar(0xFF)) + QChar(0xFE));
    g.Group(2);
    EXPECT_FALSE(g.IsNode(1));
    EXPECT_EQ(g.GridCells(1, 1), "a1");
    EXPECT_TRUE(g.IsNode(2));
    EXPECT_EQ(g.GridCells(1, 2), "A");
}

TEST(ProStringGridGroup, MergedHeadersSplitOnUnGroup)
{
    GroupGrid g;
    g.Grouping()->SetMergeHeader(true);
    g.Grouping()->SetHeaderColor(clYellow);
    g.Group(2);
    EXPECT_TRUE(g.IsMergedCell(1, 1));
    EXPECT_EQ(g.CellSpan(1, 1).X, 2);
    EXPECT_EQ(g.Colors(1, 1), clYellow);
    g.UnGroup();
    EXPECT_FALSE(g.IsMergedCell(1, 1));
    EXPECT_EQ(g.Column(2), (QStringList{"A", "A", "B", "C", "C", "C"}));
}

TEST(ProStringGridGroup, GroupCalculations)
{
    GroupGrid g;
    g.Group(2);
    const auto header = [&] { return QStringList{g.Cells(3, 1), g.Cells(3, 4), g.Cells(3, 6)}; };
    g.GroupAvg(3);
    EXPECT_EQ(header(), (QStringList{"1.50", "3.00", "5.00"}));
    g.GroupMin(3);
    EXPECT_EQ(header(), (QStringList{"1.00", "3.00", "4.00"}));
    g.GroupMax(3);
    EXPECT_EQ(header(), (QStringList{"2.00", "3.00", "6.00"}));
    g.GroupDistinct(3);
    EXPECT_EQ(header(), (QStringList{"2.00", "1.00", "3.00"}));
    g.GroupStdDev(3);
    EXPECT_EQ(header(), (QStringList{"0.50", "0.00", "0.82"}));
    g.OnGroupCalc = [](TObject*, int, int FromRow, int ToRow, double& Res) { Res = ToRow - FromRow; };
    g.GroupCustomCalc(3);
    EXPECT_EQ(header(), (QStringList{"1.00", "0.00", "2.00"}));

    g.FloatingFooter()->SetVisible(true);
    g.GroupSum(3);
    EXPECT_EQ(g.FloatingFooter()->GetColumnCalc(3), acSUM);
}

TEST(ProStringGridGroup, SubGroupsInsideGroups)
{
    GroupGrid g;
    g.Group(2);
    g.SubGroup(2);
    // Sub-group headers carry their text in the column after the sub-group column.
    EXPECT_EQ(g.Column(3), (QStringList{"", "x", "1", "2", "", "y", "3", "", "w", "6", "z", "4", "5"}));
    EXPECT_EQ(g.Column(2), QStringList(13, QString()));
    EXPECT_EQ(g.Spans(), (std::vector<int>{4, 3, 3, 2, 6, 2, 3}));
    EXPECT_EQ(g.GetNodeLevel(2), 2);

    g.SubUnGroup(2);
    EXPECT_EQ(g.Spans(), (std::vector<int>{3, 2, 4}));
    EXPECT_EQ(g.Column(1), (QStringList{"A", "a1", "a2", "B", "b1", "C", "c3", "c1", "c2"}));
    EXPECT_EQ(g.Column(2), (QStringList{"", "x", "x", "", "y", "", "w", "z", "z"}));
}
