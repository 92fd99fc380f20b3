#include "../support/QStringPrinter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ProStringGridCheck.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

void FillHighlight(TProStringGrid& g, const std::vector<QStringList>& Rows)
{
    g.SetColCount(int(Rows[0].size()) + 1);
    g.SetRowCount(int(Rows.size()) + 1);
    for (int r = 0; r < int(Rows.size()); ++r)
        for (int c = 0; c < Rows[std::size_t(r)].size(); ++c)
            g.SetCells(c + 1, r + 1, Rows[std::size_t(r)][c]);
}

// Marks "x" as an error and corrects "teh"; counts its calls.
class TestChecker : public TProStringGridCheck {
public:
    using TProStringGridCheck::TProStringGridCheck;
    QString MarkError(int, int, const QString& s) override
    {
        ++Marked;
        return MarkText(s, "x");
    }
    QString Correct(int, int, const QString& s) override
    {
        QString t = s;
        return t.replace("teh", "the");
    }
    void StartCheck() override { ++Starts; }
    void StopCheck() override { ++Stops; }
    static QString MarkText(const QString& s, const QString& w) { return TProStringGrid::MarkText(true, s, w); }
    int Marked = 0;
    int Starts = 0;
    int Stops = 0;
};

} // namespace

TEST(ProStringGridHighlight, HighlightsAndComesBack)
{
    TProStringGrid g;
    FillHighlight(g, {{"abc", "a<b"}, {"xyz", "a&amp;b"}});
    g.HilightInCell(false, 1, 1, "B");
    EXPECT_EQ(g.Cells(1, 1), "a<hi>b</hi>c");
    g.UnHilightInCell(1, 1);
    EXPECT_EQ(g.Cells(1, 1), "abc");
    // An angle bracket is kept escaped while highlighted.
    g.HilightInGrid(false, true, "b");
    EXPECT_EQ(g.Cells(2, 1), "a&lt;<hi>b</hi>");
    EXPECT_EQ(g.Cells(1, 2), "xyz");
    g.UnHilightInGrid(false);
    EXPECT_EQ(g.Cells(1, 1), "abc");
    EXPECT_EQ(g.Cells(2, 1), "a<b");
    // Cells without the text are not touched either way.
    EXPECT_EQ(g.Cells(2, 2), "a&amp;b");
    // The text functions.
    EXPECT_EQ(TProStringGrid::HilightText(false, "Abc", "a"), "<hi>A</hi>bc");
    EXPECT_EQ(TProStringGrid::UnMarkText("<e>x</e>y"), "xy");
}

TEST(ProStringGridHighlight, MergedCellsFixedCellsAndHiddenColumns)
{
    TProStringGrid g;
    FillHighlight(g, {{"ab", "ab", "ab"}, {"ab", "ab", "ab"}});
    g.SetCells(1, 0, "ab");
    g.MergeCells(1, 2, 2, 1);
    g.HideColumn(3);
    g.HilightInGrid(false, false, "a");
    EXPECT_EQ(g.GridCells(2, 2), "ab");
    EXPECT_EQ(g.GridCells(3, 1), "<hi>a</hi>b");
    EXPECT_EQ(g.GridCells(1, 0), "ab");
    g.UnHilightInGrid(false);
    g.MarkInGrid(false, false, "a");
    // Marks leave hidden columns out; unmarking reaches them.
    EXPECT_EQ(g.GridCells(3, 1), "ab");
    EXPECT_EQ(g.GridCells(1, 1), "<e>a</e>b");
    g.MarkInCell(false, 3, 1, "a");
    g.UnMarkInGrid(false);
    EXPECT_EQ(g.GridCells(3, 1), "ab");
    EXPECT_EQ(g.GridCells(1, 1), "ab");
    g.HilightInRow(true, false, 0, "b");
    EXPECT_EQ(g.GridCells(1, 0), "a<hi>b</hi>");
    g.UnHilightInRow(true, 0);
    EXPECT_EQ(g.GridCells(1, 0), "ab");
}

TEST(ProStringGridHighlight, CheckingRunsTheCheckerOverEveryCell)
{
    TProStringGrid g;
    FillHighlight(g, {{"ok", "x", "teh"}});
    // Without a checker every cell passes and nothing changes.
    EXPECT_TRUE(g.CheckGrid(false));
    TestChecker checker;
    checker.SetUseCorrect(true);
    checker.SetUseMarkError(true);
    checker.SetGotoCell(true);
    g.SetCellChecker(&checker);
    g.SetCol(1);
    g.SetRow(1);
    EXPECT_FALSE(g.CheckRow(false, 1));
    EXPECT_EQ(checker.Marked, 3);
    EXPECT_EQ(checker.Starts, 1);
    EXPECT_EQ(checker.Stops, 1);
    EXPECT_EQ(g.Cells(1, 1), "ok");
    EXPECT_EQ(g.Cells(2, 1), "<e>x</e>");
    // The marked form of the uncorrected text wins.
    EXPECT_EQ(g.Cells(3, 1), "teh");
    EXPECT_EQ(g.Col(), 1);
    // Earlier marks go before the check.
    checker.SetUseMarkError(false);
    EXPECT_FALSE(g.CheckCell(3, 1));
    EXPECT_EQ(g.Cells(3, 1), "the");
    EXPECT_TRUE(g.CheckCell(2, 1));
    EXPECT_EQ(g.Cells(2, 1), "x");
    g.SetCellChecker(nullptr);
}
