#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include <QRandomGenerator>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

// A grid with a fixed row and a fixed column; column 1 holds Texts from
// row 1 on and column 0 the row's number before sorting.
void FillSort(TProStringGrid& g, const QStringList& Texts, int Cols = 3)
{
    g.SetColCount(Cols);
    g.SetRowCount(int(Texts.size()) + 1);
    for (int i = 0; i < Texts.size(); ++i) {
        g.SetCells(0, i + 1, QString::number(i + 1));
        g.SetCells(1, i + 1, Texts[i]);
    }
}

QStringList Column(TProStringGrid& g, int ACol)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(ACol, r);
    return out;
}

struct StyleCase {
    const char* name;
    TSortStyle style; // ssAutomatic: no format event
    bool autoFormat;
    bool ignoreCase;
    const char* suffix;
    QStringList input;
    QStringList sorted;
};

class ProStringGridSortStyles : public testing::TestWithParam<StyleCase> {};

} // namespace

TEST_P(ProStringGridSortStyles, SortsAscendingAndDescending)
{
    const StyleCase& c = GetParam();
    TProStringGrid g;
    FillSort(g, c.input);
    g.SortSettings()->SetAutoFormat(c.autoFormat);
    g.SortSettings()->SetIgnoreCase(c.ignoreCase);
    if (c.style != ssAutomatic)
        g.OnGetFormat = [&c](TObject*, int, TSortStyle& AStyle, QString&, QString& ASuffix) {
            AStyle = c.style;
            ASuffix = QString::fromUtf8(c.suffix);
        };
    if (c.style == ssCustom)
        g.OnCustomCompare = [](TObject*, const QString& s1, const QString& s2, int& Res) {
            Res = s1.size() < s2.size() ? -1 : (s1.size() > s2.size() ? 1 : 0);
        };
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), c.sorted);
    g.Sort(1, sdDescending);
    QStringList reversed(c.sorted.rbegin(), c.sorted.rend());
    EXPECT_EQ(Column(g, 1), reversed);
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridSort, ProStringGridSortStyles,
    testing::Values(
        StyleCase{"AutoNumbers", ssAutomatic, true, false, "", {"10", "9", "100"}, {"9", "10", "100"}},
        StyleCase{"TextWithoutAutoFormat", ssAutomatic, false, false, "", {"10", "9", "100"}, {"10", "100", "9"}},
        StyleCase{"NumbersWithSuffix", ssNumeric, true, false, " kg", {"2 kg", "10 kg", "1.5 kg"},
                  {"1.5 kg", "2 kg", "10 kg"}},
        StyleCase{"Financial", ssFinancial, true, false, "", {"1,200", "999", "12,000.5"}, {"999", "1,200", "12,000.5"}},
        StyleCase{"AutoDates", ssAutomatic, true, false, "", {"24/12/2020", "01/01/2021", "03/05/2019"},
                  {"03/05/2019", "24/12/2020", "01/01/2021"}},
        StyleCase{"AutoDateTimes", ssAutomatic, true, false, "", {"02/01/2020 08:00", "01/01/2020 09:00"},
                  {"01/01/2020 09:00", "02/01/2020 08:00"}},
        StyleCase{"AutoTimes", ssAutomatic, true, false, "", {"10:30", "9:15", "23:00"}, {"9:15", "10:30", "23:00"}},
        StyleCase{"ShortDateUS", ssShortDateUS, true, false, "", {"01/02/03", "12/31/99"}, {"12/31/99", "01/02/03"}},
        StyleCase{"ShortDateEU", ssShortDateEU, true, false, "", {"01/02/03", "31/12/99", "02/01/03"},
                  {"31/12/99", "02/01/03", "01/02/03"}},
        StyleCase{"CaseSensitiveText", ssAutomatic, false, false, "", {"b", "C", "a"}, {"C", "a", "b"}},
        StyleCase{"TextWithoutCase", ssAutomatic, false, true, "", {"b", "C", "a"}, {"a", "b", "C"}},
        StyleCase{"AnsiWithoutCase", ssAnsiAlphaNoCase, true, false, "", {"b", "C", "ä"}, {"ä", "b", "C"}},
        StyleCase{"Markup", ssHTML, true, false, "", {"<b>b</b>", "a", "<i>c</i>"}, {"a", "<b>b</b>", "<i>c</i>"}},
        StyleCase{"Custom", ssCustom, true, false, "", {"ccc", "a", "bb"}, {"a", "bb", "ccc"}},
        StyleCase{"AlphaNumeric", ssAlphaNumeric, true, false, "", {"10", "9", "x"}, {"9", "10", "x"}}),
    [](const testing::TestParamInfo<StyleCase>& info) { return std::string(info.param.name); });

TEST(ProStringGridSort, ComparisonsOfSingleCells)
{
    TProStringGrid g;
    FillSort(g, {"abc", "xyz", "", "5", "1"});
    g.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, QString&, QString&) { AStyle = ssNumeric; };
    // Texts that are no numbers compare equal; an empty cell is 0.
    EXPECT_EQ(g.CompareCells(1, 1, 2, sdAscending), 0);
    EXPECT_EQ(g.CompareCells(1, 3, 5, sdAscending), -1);
    EXPECT_EQ(g.CompareCells(1, 4, 3, sdAscending), 1);
    const int before = g.Compares();
    g.CompareCells(1, 4, 5, sdAscending);
    EXPECT_EQ(g.Compares(), before + 1);
}

TEST(ProStringGridSort, BlanksGoLastInBothDirections)
{
    TProStringGrid g;
    FillSort(g, {"b", "", "a", "", "c"});
    g.SortSettings()->SetIgnoreBlanks(true);
    g.SortSettings()->SetBlankPos(blLast);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "c", "", ""}));
    g.Sort(1, sdDescending);
    EXPECT_EQ(Column(g, 1), (QStringList{"c", "b", "a", "", ""}));
    g.SortSettings()->SetBlankPos(blFirst);
    g.Sort(1, sdDescending);
    EXPECT_EQ(Column(g, 1), (QStringList{"", "", "c", "b", "a"}));
}

TEST(ProStringGridSort, TiesGoToTheColumnsOnTheRight)
{
    TProStringGrid g;
    FillSort(g, {"x", "x", "a", "x"});
    const QStringList second{"2", "3", "0", "1"};
    for (int i = 0; i < second.size(); ++i)
        g.SetCells(2, i + 1, second[i]);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "x", "x", "x"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"0", "1", "2", "3"}));
    // The row numbers in column 0 travel with their rows.
    EXPECT_EQ(Column(g, 0), (QStringList{"3", "4", "1", "2"}));

    // An ignored column compares all rows equal: the next one decides.
    g.IgnoreColumns()->Add(1);
    g.Sort(1, sdDescending);
    EXPECT_EQ(Column(g, 2), (QStringList{"3", "2", "1", "0"}));
}

TEST(ProStringGridSort, IndexedByTwoKeys)
{
    TProStringGrid g;
    FillSort(g, {"b", "a", "b", "a", "c"});
    const QStringList second{"1", "1", "3", "2", "1"};
    for (int i = 0; i < second.size(); ++i)
        g.SetCells(2, i + 1, second[i]);
    g.SortIndexes()->AddIndex(1, true);
    g.SortIndexes()->AddIndex(2, false);
    g.QSortIndexed();
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "a", "b", "b", "c"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"2", "1", "3", "1", "1"}));
    EXPECT_EQ(g.SortIndexes()->Count(), 2);

    // The settings string sorts the same way.
    g.SortSettings()->LoadFromString(QStringLiteral("i;d1;u2"));
    EXPECT_EQ(Column(g, 1), (QStringList{"c", "b", "b", "a", "a"}));
    EXPECT_EQ(Column(g, 2), (QStringList{"1", "1", "3", "1", "2"}));
}

TEST(ProStringGridSort, IndexedByAColumnTheGridLacks)
{
    // "u-1" is a key of column 2147483647: its cells are all empty, so the
    // key after it decides.
    TProStringGrid g;
    FillSort(g, {"b", "a", "c"});
    g.SortSettings()->LoadFromString(QStringLiteral("i;u-1;d1"));
    EXPECT_EQ(Column(g, 1), (QStringList{"c", "b", "a"}));
    g.SortSettings()->LoadFromString(QStringLiteral("i;u70000;u1"));
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "c"}));
}

TEST(ProStringGridSort, IndexedWithoutKeysRaisesAndChangesNothing)
{
    TProStringGrid g;
    FillSort(g, {"b", "a"});
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.QSortIndexed(); }), "No indexes specified for indexed sort");
    EXPECT_EQ(Column(g, 1), (QStringList{"b", "a"}));
    EXPECT_EQ(g.SortRowXRef()->Count(), 0);
}

TEST(ProStringGridSort, UnsortRestoresTheOrderAndTheCrossReference)
{
    TProStringGrid g;
    const QStringList texts{"d", "b", "e", "a", "c", "b"};
    FillSort(g, texts);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "b", "c", "d", "e"}));
    // Entry i names the row that was at i before.
    for (int r = 1; r < g.RowCount(); ++r)
        EXPECT_EQ(g.Cells(1, r), texts[g.SortRowXRef()->Items(r) - 1]);
    EXPECT_EQ(g.UnSortedRowIndex(1), 5);
    EXPECT_EQ(g.GetUnSortedCell(1, 3), "e");
    EXPECT_EQ(g.UnSortedRowIndex(99), g.RowCount());
    g.Sort(1, sdDescending);
    g.QUnSort();
    EXPECT_EQ(Column(g, 1), texts);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(g.SortRowXRef()->Items(r), r);
}

TEST(ProStringGridSort, NothingToSort)
{
    TProStringGrid g;
    FillSort(g, {"b", "a"});
    g.SortSettings()->SetColumn(-1);
    g.QSort();
    EXPECT_EQ(Column(g, 1), (QStringList{"b", "a"}));
    EXPECT_EQ(g.Swaps(), 0);

    TProStringGrid one;
    one.SetRowCount(1);
    one.SortByColumn(1);
    EXPECT_EQ(one.SortSettings()->Column(), -1);
}

TEST(ProStringGridSort, SortLineExchangesByTheLastDirection)
{
    TProStringGrid g;
    FillSort(g, {"a", "a", "b"});
    g.SetCells(2, 1, "1");
    g.SetCells(2, 2, "1");
    // Before any sort the direction is 0: rows that compare equal change places.
    EXPECT_EQ(g.SortDir(), 0);
    g.SetCells(0, 1, "first");
    EXPECT_TRUE(g.SortLine(1, 1, 2));
    EXPECT_EQ(g.Cells(0, 2), "first");
    EXPECT_FALSE(g.SortLine(1, 2, 3));
    g.Sort(1, sdAscending);
    EXPECT_EQ(g.SortDir(), 1);
    g.SetCells(1, 1, "z");
    EXPECT_TRUE(g.SortLine(1, 1, 3));
    EXPECT_EQ(g.Cells(1, 3), "z");
}

TEST(ProStringGridSort, AComparisonEventThatThrowsLeavesTheGridAsItWas)
{
    TProStringGrid g;
    FillSort(g, {"c", "b", "a"}, 4);
    g.HideColumn(2);
    g.SetColWidths(2, 77);
    g.SetFixedCols(1);
    g.SortSettings()->SetNormalCellsOnly(true);
    // The new row opens above the footer row, which keeps "a".
    g.FloatingFooter()->SetVisible(true);
    g.SetRowCount(5);
    const int rows = g.RowCount(), cols = g.ColCount(), footers = g.FixedFooters();
    g.OnGetFormat = [](TObject*, int, TSortStyle& AStyle, QString&, QString&) { AStyle = ssCustom; };
    int calls = 0;
    // The fourth comparison throws after the sort has exchanged rows.
    g.OnCustomCompare = [&calls](TObject*, const QString& s1, const QString& s2, int& Res) {
        if (++calls == 4)
            throw std::runtime_error("compare failed");
        Res = s1 < s2 ? -1 : (s1 > s2 ? 1 : 0);
    };
    EXPECT_THROW(g.Sort(1, sdAscending), std::runtime_error);
    EXPECT_EQ(g.RowCount(), rows);
    EXPECT_EQ(g.ColCount(), cols);
    EXPECT_EQ(g.NumHiddenColumns(), 1);
    EXPECT_EQ(g.ColWidths(2), 77);
    EXPECT_EQ(g.UpdateCount(), 0);
    EXPECT_TRUE(g.FloatingFooter()->Visible());
    EXPECT_EQ(g.FixedFooters(), footers);
    EXPECT_EQ(Column(g, 1), (QStringList{"", "b", "c", "a"}));
    // Column 0 keeps its cells.
    EXPECT_EQ(Column(g, 0), (QStringList{"1", "2", "", "3"}));
    // The next sort runs normally.
    g.OnCustomCompare = nullptr;
    g.OnGetFormat = nullptr;
    g.Sort(1, sdDescending);
    EXPECT_EQ(Column(g, 1), (QStringList{"c", "b", "", "a"}));
}

TEST(ProStringGridSort, RowsTakeAlongHiddenColumnsHeightsAndFlags)
{
    TProStringGrid g;
    FillSort(g, {"c", "a", "b"}, 4);
    for (int r = 1; r <= 3; ++r)
        g.SetCells(3, r, g.Cells(1, r) + "-hidden");
    g.HideColumn(3);
    g.SetRowHeights(1, 40);
    g.ShowModified()->SetEnabled(true);
    g.SetRowModified(1, true);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "c"}));
    EXPECT_EQ(Column(g, 3), (QStringList{"a-hidden", "b-hidden", "c-hidden"}));
    EXPECT_EQ(g.RowHeights(3), 40);
    EXPECT_EQ(g.RowHeights(1), g.DefaultRowHeight());
    EXPECT_TRUE(g.GetRowModified(3));
    EXPECT_FALSE(g.GetRowModified(1));
}

TEST(ProStringGridSort, HiddenRowsAndTheFooterRowStayOut)
{
    TProStringGrid g;
    FillSort(g, {"d", "c", "x", "b", "a", "total"});
    g.FloatingFooter()->SetVisible(true);
    g.HideRow(3);
    g.Sort(1, sdAscending);
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "c", "d", "total"}));
    g.UnHideRowsAll();
    EXPECT_EQ(Column(g, 1), (QStringList{"a", "b", "x", "c", "d", "total"}));
}

TEST(ProStringGridSort, TheCurrentRowFollowsWithMoveRowOnSort)
{
    TProStringGrid g;
    FillSort(g, {"c", "a", "b"});
    g.SetRow(1);
    g.Sort(1, sdAscending);
    EXPECT_EQ(g.Row(), 1);
    g.Navigation()->SetMoveRowOnSort(true);
    g.Sort(1, sdDescending);
    // The row "a" was current; it is the last one now.
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.Cells(1, g.Row()), "a");
}

TEST(ProStringGridSort, KeptKeysSortAsTheEventsDo)
{
    // Many ties and two columns: the order with parsed keys and the order
    // with a format event (read at each comparison) must be the same, with
    // the same number of comparisons and exchanges.
    QRandomGenerator rng(7);
    QStringList texts;
    for (int i = 0; i < 600; ++i)
        texts << QString::number(rng.bounded(40)) + (rng.bounded(3) == 0 ? QStringLiteral(".5") : QString());
    TProStringGrid kept, events;
    FillSort(kept, texts);
    FillSort(events, texts);
    for (int r = 1; r <= 600; ++r) {
        const QString t = QString(QChar(u'a' + rng.bounded(5)));
        kept.SetCells(2, r, t);
        events.SetCells(2, r, t);
    }
    events.OnGetFormat = [](TObject*, int, TSortStyle&, QString&, QString&) {};
    for (TSortDirection dir : {sdAscending, sdDescending}) {
        kept.SetCompares(0);
        events.SetCompares(0);
        kept.Sort(1, dir);
        events.Sort(1, dir);
        EXPECT_EQ(Column(kept, 0), Column(events, 0));
        EXPECT_EQ(kept.Compares(), events.Compares());
        EXPECT_EQ(kept.Swaps(), events.Swaps());
        const QStringList sorted = Column(kept, 1);
        for (int i = 1; i < sorted.size(); ++i)
            EXPECT_TRUE(dir == sdAscending ? sorted[i - 1].toDouble() <= sorted[i].toDouble()
                                           : sorted[i - 1].toDouble() >= sorted[i].toDouble());
    }
}

TEST(ProStringGridSort, GroupSortOrdersTheChildrenOfExpandedNodes)
{
    TProStringGrid g;
    FillSort(g, {"G1", "c", "a", "b", "G2", "z", "y", "G3", "q", "p"});
    g.AddNode(1, 4);
    g.AddNode(5, 3);
    g.AddNode(8, 3);
    g.ContractNode(8);
    g.SortSettings()->SetColumn(1);
    g.QSortGroup();
    EXPECT_EQ(Column(g, 1), (QStringList{"G1", "a", "b", "c", "G2", "y", "z", "G3"}));
    EXPECT_TRUE(g.IsNode(1) && g.IsNode(5) && g.IsNode(8));
    g.ExpandNode(8);
    EXPECT_EQ(Column(g, 1).mid(8), (QStringList{"q", "p"}));

    g.SortIndexes()->AddIndex(1, false);
    g.QSortGroupIndexed();
    EXPECT_EQ(Column(g, 1), (QStringList{"G1", "c", "b", "a", "G2", "z", "y", "G3", "q", "p"}));
}
