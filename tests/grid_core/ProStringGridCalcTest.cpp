#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/DragSettings.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include <cmath>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Column 1 holds the given texts from row 1 on.
struct Grid : TProStringGrid {
    explicit Grid(const QStringList& Texts)
    {
        SetColCount(3);
        SetRowCount(int(Texts.size()) + 1);
        for (int i = 0; i < Texts.size(); ++i)
            SetCells(1, i + 1, Texts[i]);
    }
};

} // namespace

TEST(ProStringGridCalc, ColumnOfMixedTexts)
{
    Grid g({"1", "", "x", "3"});
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 4);
    EXPECT_EQ(g.ColumnAvg(1, -1, -1), 1);
    EXPECT_EQ(g.ColumnMin(1, -1, -1), 0);
    EXPECT_EQ(g.ColumnMax(1, -1, -1), 3);
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.ColumnStdDev(1, -1, -1); }), "Cell does not contain a float value");
    g.SetCells(1, 3, QStringLiteral("0"));
    EXPECT_DOUBLE_EQ(g.ColumnStdDev(1, 1, 4), std::sqrt(1.5));
    EXPECT_EQ(g.ColumnSum(1, 2, 3), 0);
}

TEST(ProStringGridCalc, EmptyRangesAnswerZero)
{
    Grid g({"5", "7"});
    EXPECT_EQ(g.ColumnAvg(1, 2, 1), 0);
    EXPECT_EQ(g.ColumnSum(1, 2, 1), 0);
    EXPECT_EQ(g.ColumnMin(1, 2, 1), 0);
    EXPECT_EQ(g.ColumnMax(1, 2, 1), 0);
    EXPECT_EQ(g.ColumnStdDev(1, 2, 1), 0);
    EXPECT_EQ(g.RowAvg(1, 2, 1), 0);
    EXPECT_EQ(g.RowMin(1, 2, 1), 0);
    EXPECT_EQ(g.ColumnDistinct(1, 2, 1), 0);
    // A range below the last row reads nothing past the grid.
    EXPECT_EQ(g.ColumnMin(1, 5, 9), 0);
    EXPECT_EQ(g.ColumnMax(1, 5, 9), 0);
    EXPECT_EQ(g.ColumnStdDev(1, 5, 9), 0);
}

TEST(ProStringGridCalc, DistinctIgnoresCase)
{
    Grid g({"a", "A", "", "b", ""});
    EXPECT_EQ(g.ColumnDistinct(1, -1, -1), 3);
}

TEST(ProStringGridCalc, HiddenRowsCountWhenTheRangeReachesThem)
{
    for (int hidden : {1, 2}) {
        SCOPED_TRACE(hidden);
        Grid g({"1", "2", "4", "8", "16", "100"});
        g.FloatingFooter()->SetVisible(true);
        ASSERT_EQ(g.FixedFooters(), 1);
        for (int i = 0; i < hidden; ++i)
            g.HideRow(2 + i);
        // The footer calculation's range: the data rows, hidden ones included.
        const int to = hidden + g.RowCount() - 2;
        EXPECT_EQ(g.ColumnSum(1, g.FixedRows(), to), 31);
        EXPECT_EQ(g.ColumnMax(1, g.FixedRows(), to), 16);
        EXPECT_EQ(g.ColumnAvg(1, g.FixedRows(), to), 31.0 / 5);
        // Only the shown rows without it; the footer never.
        EXPECT_EQ(g.ColumnSum(1, g.FixedRows(), g.RowCount() - 2), hidden == 1 ? 29 : 25);
        EXPECT_EQ(g.ColumnSum(1, -1, -1), hidden == 1 ? 29 : 25);
        EXPECT_EQ(g.ColumnSum(1, g.FixedRows(), 50), 31);
    }
}

TEST(ProStringGridCalc, GroupRowsCountOnlyInTheDivisor)
{
    Grid g({"10", "20", "30", "40"});
    g.SetColCount(4);
    for (int r = 1; r <= 4; ++r)
        g.SetCells(2, r, r <= 2 ? QStringLiteral("A") : QStringLiteral("B"));
    g.Group(2);
    // Header rows: 1 and 4. Their number cells hold what a group sum wrote.
    g.SetCells(1, 1, QStringLiteral("100"));
    g.SetCells(1, 4, QStringLiteral("5"));
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 100);
    EXPECT_EQ(g.ColumnAvg(1, -1, -1), 100.0 / 6);
    // The first value is taken as it stands.
    EXPECT_EQ(g.ColumnMin(1, 4, 6), 5);
    EXPECT_EQ(g.ColumnMin(1, -1, -1), 10);
    EXPECT_EQ(g.ColumnMax(1, -1, -1), 100);
}

TEST(ProStringGridCalc, MergedCellsCountOnce)
{
    Grid g({"2", "3", "4"});
    g.MergeCells(1, 1, 1, 2);
    EXPECT_EQ(g.ColumnSum(1, -1, -1), 6);
    g.SetColCount(4);
    g.SetCells(1, 3, QStringLiteral("1"));
    g.SetCells(2, 3, QStringLiteral("x"));
    g.SetCells(3, 3, QStringLiteral("5"));
    EXPECT_EQ(g.RowSum(3, 1, 3), 6);
    EXPECT_EQ(g.RowAvg(3, 1, 3), 2);
    EXPECT_EQ(g.RowMin(3, 1, 3), 1);
    EXPECT_EQ(g.RowMax(3, 1, 3), 5);
    g.MergeCells(1, 3, 2, 1);
    EXPECT_EQ(g.RowSum(3, 1, 3), 6);
}

TEST(ProStringGridCalc, CustomCalculationsAskTheirEvents)
{
    Grid g({"1"});
    EXPECT_EQ(g.ColumnCustomCalc(1, 1, 1), 0);
    g.OnColumnCalc = [](TObject*, int ACol, int FromRow, int ToRow, double& Res) { Res = ACol + FromRow + ToRow; };
    g.OnGroupCalc = [](TObject*, int, int, int, double& Res) { Res = -1; };
    EXPECT_EQ(g.ColumnCustomCalc(1, -1, 7), 7);
    EXPECT_EQ(g.GroupCustomCalc(1, 1, 1), -1);
}

TEST(ProStringGridCalc, SelectedTextJoinsCellsAndRows)
{
    Grid g({"a", "c"});
    g.SetCells(2, 1, QStringLiteral("b"));
    g.SetCells(2, 2, QStringLiteral("d"));
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.SelectedText(), "a\tb\r\nc\td");
    g.SetCells(1, 1, QStringLiteral("x\r\ny"));
    g.SetMultilinecells(true);
    g.SetExcelClipboardFormat(true);
    g.SelectCells(1, 1, 1, 1);
    EXPECT_EQ(g.SelectedText(), QStringLiteral("\"x") + QChar(0x0B) + QStringLiteral("y\""));

    g.MouseActions()->SetDisjunctRowSelect(true);
    g.SetRowSelect(2, true);
    g.SelectCells(1, 1, 2, 1);
    EXPECT_EQ(g.SelectedText(), "c\td");
}

TEST(ProStringGridCalc, AutoNumbering)
{
    struct Case {
        int Start;
        TSortDirection Direction;
        QStringList Expected;
    };
    for (const Case& c : {Case{0, sdAscending, {"1", "2", "3", "4", "5"}},
                          Case{0, sdDescending, {"5", "4", "3", "2", "1"}},
                          Case{2, sdAscending, {"", "", "3", "4", "5"}},
                          Case{2, sdDescending, {"5", "4", "3", "", ""}}}) {
        Grid g({"", "", "", "", ""});
        g.SetAutoNumberStart(c.Start);
        g.SetAutoNumberDirection(c.Direction);
        g.AutoNumberCol(1);
        QStringList texts;
        for (int r = 1; r <= 5; ++r)
            texts << g.Cells(1, r);
        EXPECT_EQ(texts, c.Expected) << c.Start << " " << c.Direction;
    }
    Grid g({""});
    g.SetColCount(5);
    g.SetAutoNumberOffset(10);
    g.AutoNumberRow(1);
    EXPECT_EQ((QStringList{g.Cells(0, 1), g.Cells(1, 1), g.Cells(4, 1)}), (QStringList{"", "11", "14"}));
}
