#include "../support/QStringPrinter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include <gtest/gtest.h>

namespace {

// Column 1 names each row: "r1", "r2", ...
struct NodesGrid : TProStringGrid {
    explicit NodesGrid(int Rows = 10)
    {
        SetColCount(3);
        SetRowCount(Rows);
        for (int r = 1; r < Rows; ++r)
            SetCells(1, r, QStringLiteral("r%1").arg(r));
    }
    QStringList Names()
    {
        QStringList names;
        for (int r = 1; r < RowCount(); ++r)
            names << Cells(1, r);
        return names;
    }
};

} // namespace

TEST(ProStringGridNodes, SpanLevelsParentsAndTreeLines)
{
    NodesGrid g;
    g.AddNode(1, 4);
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_FALSE(g.IsNode(2));
    EXPECT_EQ(g.NumNodes(), 1);
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(g.CellProperties(0, r)->NodeLevel(), 1) << r;
    EXPECT_EQ(g.GetNodeLevel(1), 1);
    EXPECT_EQ(g.GetNodeLevel(2), -1);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetParentRow(3), 1);
    EXPECT_EQ(g.GetParentRow(1), 1);
    EXPECT_EQ(g.GetParentRow(6), -1);
    EXPECT_EQ(g.GetNodeSpanType(1), 0);
    EXPECT_EQ(g.GetNodeSpanType(2), 2);
    EXPECT_EQ(g.GetNodeSpanType(3), 2);
    EXPECT_EQ(g.GetNodeSpanType(4), 1);
    g.CellNode()->SetNodeIndent(12);
    EXPECT_EQ(g.GetNodeIndent(2), 12);
    EXPECT_EQ(g.GetNodeIndent(6), 0);
    EXPECT_EQ(g.Col(), 1);
}

TEST(ProStringGridNodes, ContractAndExpandHideAndShowTheSpan)
{
    NodesGrid g;
    g.AddNode(1, 4);
    g.ContractNode(1);
    EXPECT_EQ(g.RowCount(), 7);
    EXPECT_TRUE(g.GetNodeState(1));
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r5", "r6", "r7", "r8", "r9"}));
    g.ExpandNode(1);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r2", "r3", "r4", "r5", "r6", "r7", "r8", "r9"}));
    g.SetNodeState(1, true);
    EXPECT_EQ(g.RowCount(), 7);
    g.SetNodeState(1, false);
    EXPECT_EQ(g.RowCount(), 10);
}

TEST(ProStringGridNodes, OpenSpanRunsToTheNextNode)
{
    NodesGrid g;
    g.AddNode(1, 0);
    g.AddNode(5, 3);
    g.ContractNode(1);
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r5", "r6", "r7", "r8", "r9"}));
    g.ExpandNode(1);
    EXPECT_EQ(g.RowCount(), 10);
}

TEST(ProStringGridNodes, ExpandOneClosesTheOthers)
{
    NodesGrid g;
    g.AddNode(1, 3);
    g.AddNode(4, 3);
    g.ContractAll();
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r4", "r7", "r8", "r9"}));
    g.CellNode()->SetExpandOne(true);
    g.ExpandNode(1);
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r2", "r3", "r4", "r7", "r8", "r9"}));
    g.ExpandNode(g.RealRowIndex(4));
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r4", "r5", "r6", "r7", "r8", "r9"}));
    // Expanding all opens every node, ExpandOne or not.
    g.ExpandAll();
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_FALSE(g.GetNodeState(4));
}

TEST(ProStringGridNodes, NestedContractedNodeOpensWithItsParent)
{
    NodesGrid g;
    g.AddNode(1, 6);
    g.AddNode(3, 3);
    g.ContractNode(3);
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r2", "r3", "r6", "r7", "r8", "r9"}));
    g.ContractNode(1);
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r7", "r8", "r9"}));
    g.ExpandNode(1);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_FALSE(g.GetNodeState(3));
    EXPECT_EQ(g.GetParentRow(4), 3);
    EXPECT_EQ(g.GetParentRow(3), 1);
    EXPECT_EQ(g.GetParentRow(6), 1);
}

TEST(ProStringGridNodes, ContractAllWithAnOpenSpanEnds)
{
    NodesGrid g;
    g.AddNode(2, 0);
    g.AddNode(6, 0);
    g.ContractAll();
    EXPECT_EQ(g.Names(), (QStringList{"r1", "r2", "r6"}));
    g.ExpandAll();
    EXPECT_EQ(g.RowCount(), 10);
}

TEST(ProStringGridNodes, GroupCountInTheHeaderText)
{
    NodesGrid g;
    g.AddNode(1, 5);
    EXPECT_EQ(g.Cells(1, 1), "r1");
    g.Grouping()->SetShowGroupCount(true);
    EXPECT_EQ(g.Cells(1, 1), "r1 (4)");
    EXPECT_EQ(g.Cells(1, 2), "r2");
    EXPECT_EQ(g.Cells(2, 1), "");
    g.Grouping()->SetGroupCountFormat(QStringLiteral(" [%d items]"));
    EXPECT_EQ(g.Cells(1, 1), "r1 [4 items]");
    g.UpdateSubNodeCount(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "r1 [3 items]");
    EXPECT_EQ(g.GridCells(1, 1), "r1");
}

TEST(ProStringGridNodes, ChildRowsKeepSpansInStep)
{
    NodesGrid g;
    g.AddNode(1, 3);
    g.InsertChildRow(1, 0);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.GetSubNodeCount(1), 1);
    // The node row's texts moved into its new first child.
    EXPECT_EQ(g.Cells(1, 1), "");
    EXPECT_EQ(g.Cells(1, 2), "r1");
    EXPECT_TRUE(g.IsNode(1));
    EXPECT_EQ(g.CellProperties(0, 2)->NodeLevel(), 1);
    g.InsertChildRow(3, 1);
    EXPECT_EQ(g.GetNodeSpan(1), 5);
    EXPECT_EQ(g.RowCount(), 12);
    g.RemoveChildRow(2);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.RowCount(), 11);
    EXPECT_EQ(g.Cells(1, 2), "r2");
}

TEST(ProStringGridNodes, RowInsertAndDeleteHooksFollowTheNodes)
{
    NodesGrid g;
    g.AddNode(1, 3);
    g.DoInsertRow(2);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    g.DoInsertRow(7);
    EXPECT_EQ(g.GetNodeSpan(1), 4);
    EXPECT_EQ(g.RowCount(), 12);
    g.DoDeleteRow(2);
    EXPECT_EQ(g.GetNodeSpan(1), 3);
    g.DoDeleteRow(8);
    EXPECT_EQ(g.RowCount(), 10);
}

TEST(ProStringGridNodes, RemovingNodesLowersTheLevels)
{
    NodesGrid g;
    g.AddNode(1, 3);
    g.AddNode(5, 2);
    g.ContractNode(1);
    g.RemoveNode(1);
    EXPECT_EQ(g.RowCount(), 10);
    EXPECT_FALSE(g.IsNode(1));
    EXPECT_EQ(g.CellProperties(0, 2)->NodeLevel(), 0);
    EXPECT_EQ(g.NumNodes(), 1);
    g.RemoveAllNodes();
    EXPECT_EQ(g.NumNodes(), 0);
}

TEST(ProStringGridNodes, NodeButtonHitTest)
{
    NodesGrid g;
    g.AddNode(1, 3);
    g.CellNode()->SetNodeIndent(12);
    g.CellNode()->SetNodeType(cnFlat);
    g.MouseActions()->SetPreciseNodeClick(false);
    EXPECT_TRUE(g.IsInNodeButton(1, 100));
    g.MouseActions()->SetPreciseNodeClick(true);
    EXPECT_FALSE(g.IsInNodeButton(1, 4));
    EXPECT_TRUE(g.IsInNodeButton(1, 5));
    EXPECT_TRUE(g.IsInNodeButton(1, 15));
    EXPECT_FALSE(g.IsInNodeButton(1, 16));
}
