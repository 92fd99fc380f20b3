#include "../support/QStringPrinter.h"
#include "grid/core/Filter.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/StringList.h"
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A fixed row, then one row per entry: column 1 and column 2.
void Fill(TProStringGrid& g, const std::vector<std::pair<QString, QString>>& Rows)
{
    g.SetColCount(3);
    g.SetRowCount(int(Rows.size()) + 1);
    for (int i = 0; i < int(Rows.size()); ++i) {
        g.SetCells(0, i + 1, QString::number(i + 1));
        g.SetCells(1, i + 1, Rows[std::size_t(i)].first);
        g.SetCells(2, i + 1, Rows[std::size_t(i)].second);
    }
}

// The row numbers of column 0 that show.
QStringList Shown(TProStringGrid& g)
{
    QStringList out;
    for (int r = g.FixedRows(); r < g.RowCount(); ++r)
        out << g.Cells(0, r);
    return out;
}

TFilterData* AddCondition(TProStringGrid& g, int Col, const QString& Condition, TFilterOperation Op)
{
    TFilterData* d = g.Filter()->Add();
    d->SetColumn(int16_t(Col));
    d->SetCondition(Condition);
    d->SetOperation(Op);
    return d;
}

struct OperationCase {
    const char* name;
    TFilterOperation first;
    TFilterOperation second;
    QStringList shown;
};

class ProStringGridFilterOperations : public testing::TestWithParam<OperationCase> {};

} // namespace

TEST_P(ProStringGridFilterOperations, CombineInCollectionOrder)
{
    const OperationCase& c = GetParam();
    TProStringGrid g;
    Fill(g, {{"A", "x"}, {"y", "B"}, {"A", "B"}, {"y", "x"}});
    AddCondition(g, 1, "A", c.first);
    AddCondition(g, 2, "B", c.second);
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(g), c.shown);
    g.SetFilterActive(false);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "4"}));
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridFilter, ProStringGridFilterOperations,
    testing::Values(OperationCase{"Or", foNONE, foOR, {"1", "2", "3"}},
                    OperationCase{"And", foNONE, foAND, {"3"}},
                    OperationCase{"Xor", foNONE, foXOR, {"1", "2"}},
                    // A failing short condition ends the test with False.
                    OperationCase{"ShortThenOr", foSHORT, foOR, {"1", "3"}}),
    [](const testing::TestParamInfo<OperationCase>& info) { return std::string(info.param.name); });

TEST(ProStringGridFilter, WhichTextIsTested)
{
    TProStringGrid g;
    Fill(g, {{"$250", "<b>abc</b>"}, {"$50", "x"}, {"", "Xabcx"}});
    // An empty condition keeps every row.
    AddCondition(g, 1, "", foNONE);
    EXPECT_TRUE(g.MatchFilterRow(1) && g.MatchFilterRow(2) && g.MatchFilterRow(3));

    g.Filter()->Clear();
    TFilterData* d = AddCondition(g, 1, ">100", foNONE);
    d->SetPrefix("$");
    EXPECT_EQ((std::vector<bool>{g.MatchFilterRow(1), g.MatchFilterRow(2)}), (std::vector<bool>{true, false}));

    // A whole row: the condition anywhere in it, in any case.
    d->SetData(fcRow);
    d->SetCondition("abc");
    EXPECT_EQ((std::vector<bool>{g.MatchFilterRow(1), g.MatchFilterRow(2), g.MatchFilterRow(3)}),
              (std::vector<bool>{true, false, true}));

    d->SetData(fcStripHTML);
    d->SetColumn(2);
    d->SetPrefix("");
    d->SetCondition("abc");
    EXPECT_TRUE(g.MatchFilterRow(1));
    d->SetMethod(fmLiteral);
    d->SetCondition("ABC");
    EXPECT_FALSE(g.MatchFilterRow(1));

    // The custom filter has the last word.
    g.OnCustomFilter = [](TObject*, int ARow, bool& Accept) { Accept = ARow == 2; };
    EXPECT_EQ((std::vector<bool>{g.MatchFilterRow(1), g.MatchFilterRow(2)}), (std::vector<bool>{false, true}));
}

TEST(ProStringGridFilter, LevelsStackAndComeOffOneByOne)
{
    TProStringGrid g;
    Fill(g, {{"a1", ""}, {"b1", ""}, {"a2", ""}, {"a3", ""}, {"b2", ""}});
    std::vector<int> progress;
    g.OnFilterProgress = [&progress](TObject*, int16_t p) { progress.push_back(p); };
    AddCondition(g, 1, "a*", foNONE);
    g.ApplyFilter();
    EXPECT_EQ(progress, (std::vector<int>{20, 40, 60, 80, 100, 100}));
    g.Filter()->Items(0)->SetCondition("!*3");
    g.ApplyFilter();
    AddCondition(g, 1, "!a2", foAND);
    g.ApplyFilter();
    EXPECT_EQ(g.FilterLevel(), 3);
    EXPECT_EQ(Shown(g), (QStringList{"1"}));
    // True only while more than one level remains.
    EXPECT_TRUE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(g), (QStringList{"1", "3"}));
    EXPECT_FALSE(g.RemoveLastFilter());
    EXPECT_EQ(Shown(g), (QStringList{"1", "3", "4"}));
    g.ApplyFilter();
    g.RemoveAllFilters();
    EXPECT_EQ(g.FilterLevel(), 0);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(g.Filter()->Count(), 2);
    // With no level left the conditions go.
    g.RemoveAllFilters();
    EXPECT_EQ(g.Filter()->Count(), 0);
    EXPECT_FALSE(g.RemoveLastFilter());
}

TEST(ProStringGridFilter, TheCursorKeepsItsRecordWhenTheRowsComeBack)
{
    const std::vector<std::pair<const char*, std::function<void(TProStringGrid&)>>> ways = {
        {"filter off", [](TProStringGrid& g) { g.SetFilterActive(false); }},
        {"last level removed", [](TProStringGrid& g) { g.RemoveLastFilter(); }},
        {"all levels removed", [](TProStringGrid& g) { g.RemoveAllFilters(); }},
    };
    for (const auto& [name, remove] : ways) {
        SCOPED_TRACE(name);
        TProStringGrid g;
        Fill(g, {{"a", ""}, {"b", ""}, {"a", ""}, {"b", ""}, {"a", ""}});
        AddCondition(g, 1, "a", foNONE);
        g.SetFilterActive(true);
        ASSERT_EQ(Shown(g), (QStringList{"1", "3", "5"}));
        g.SetCol(2);
        g.SetRow(3);
        remove(g);
        EXPECT_EQ(Shown(g).size(), 5);
        EXPECT_EQ(g.Cells(0, g.Row()), "5");
        EXPECT_EQ(g.Col(), 2);
    }
}

TEST(ProStringGridFilter, NarrowDownFollowsTheTypedText)
{
    TProStringGrid g;
    Fill(g, {{"", "Abc"}, {"", "xab"}, {"", "a b"}, {"", "b"}, {"", "AB c"}});
    g.NarrowDown("a", 2);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "5"}));
    EXPECT_TRUE(g.FixedRowAlways());
    g.NarrowDown("ab", 2);
    EXPECT_EQ(g.FilterLevel(), 2);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "5"}));
    g.NarrowDown("a", 2);
    EXPECT_EQ(g.FilterLevel(), 1);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "5"}));
    // A blank takes part in the match, narrowing or starting anew.
    g.NarrowDown("a ", 2);
    EXPECT_EQ(g.Filter()->Items(0)->Condition(), "\"*a *\"");
    EXPECT_EQ(Shown(g), (QStringList{"3"}));
    g.NarrowDown("b c", 2);
    EXPECT_EQ(g.FilterLevel(), 1);
    EXPECT_EQ(Shown(g), (QStringList{"5"}));
    // Whole rows.
    g.NarrowDown("xa", -1);
    EXPECT_EQ(Shown(g), (QStringList{"2"}));
    g.NarrowDown("", 2);
    EXPECT_EQ(g.FilterLevel(), 0);
    EXPECT_EQ(g.NumHiddenRows(), 0);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "4", "5"}));
    // After every level went, a shorter text narrows anew instead of
    // stepping back a level that is gone.
    g.NarrowDown("a", 2);
    g.NarrowDown("ab", 2);
    g.RemoveAllFilters();
    g.NarrowDown("a", 2);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3", "5"}));
}

TEST(ProStringGridFilter, RowsHiddenBeforeNarrowingShowAgainWithAnEmptyText)
{
    TProStringGrid g;
    Fill(g, {{"", "a"}, {"", "b"}, {"", "c"}});
    g.HideRow(2);
    g.NarrowDown("", 1);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3"}));
}

TEST(ProStringGridFilter, AutomaticValueList)
{
    TProStringGrid g;
    Fill(g, {{"x", ""}, {"X", ""}, {"a b", ""}, {"", ""}, {"hidden", ""}});
    g.HideRow(5);
    g.SetFilterDropDownAuto(true);
    ASSERT_TRUE(g.GetColumnFilter(1));
    EXPECT_EQ(g.FilterList()->Text(), "(All)\r\n\r\na b=\"a b\"\r\nhidden\r\nx\r\n");
    g.SetFilterIncremental(true);
    g.GetColumnFilter(1);
    EXPECT_EQ(g.FilterList()->Count(), 4);
    // Fixed columns only with fdAll.
    EXPECT_FALSE(g.GetColumnFilter(0));
    g.SetFilterDropDownColumns(fdAll);
    EXPECT_TRUE(g.GetColumnFilter(0));
}

TEST(ProStringGridFilter, ChoicesInTheFilterLists)
{
    TProStringGrid g;
    Fill(g, {{"50", ""}, {"150", ""}, {"250", ""}});
    // Entries as the column's own filter list gives them: a name and a condition.
    g.OnGetColumnFilter = [](TObject*, int, TStrings* List) {
        List->Clear();
        List->Add("(All)");
        List->Add("Large=>100");
        List->Add("Small=<100");
    };
    QString friendly;
    g.OnFilterSelect = [&friendly](TObject*, int, int, const QString& Name, QString&) { friendly = Name; };
    int done = 0;
    g.OnFilterDone = [&done](TObject*) { ++done; };
    const auto openList = [&g] {
        g.GetColumnFilter(1);
        g.DropList()->Items()->Assign(g.FilterList());
        g.SetFilterColumn(1);
    };
    openList();
    g.FilterSelect(g.DropList(), 1);
    EXPECT_EQ(friendly, "Large");
    EXPECT_EQ(g.Filter()->GetColFilter(1)->Condition(), ">100");
    EXPECT_TRUE(g.FilterActive());
    EXPECT_EQ(Shown(g), (QStringList{"2", "3"}));
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(done, 1);

    // "(All)" takes the column's condition away.
    openList();
    g.FilterSelect(g.DropList(), 0);
    EXPECT_FALSE(g.Filter()->HasFilter(1));
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3"}));

    // Outside the list nothing changes but the open column.
    openList();
    g.FilterSelect(g.DropList(), 7);
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3"}));

    // Several choices are joined by "or".
    openList();
    g.DropCheckList()->Items()->Assign(g.FilterList());
    g.DropCheckList()->SetChecked(1, true);
    g.DropCheckList()->SetChecked(2, true);
    g.FilterCheck(g.DropCheckList(), -1);
    ASSERT_EQ(g.Filter()->Count(), 2);
    EXPECT_EQ(g.Filter()->Items(0)->Operation(), foNONE);
    EXPECT_EQ(g.Filter()->Items(1)->Operation(), foOR);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2", "3"}));
    g.DropCheckList()->SetChecked(2, false);
    g.FilterCheck(g.DropCheckList(), -1);
    EXPECT_EQ(Shown(g), (QStringList{"2", "3"}));
    EXPECT_EQ(g.FilterColumn(), 1);
}

TEST(ProStringGridFilter, NodeRowsStayUnlessAllRowsAreFiltered)
{
    TProStringGrid g;
    Fill(g, {{"G", ""}, {"a", ""}, {"b", ""}});
    g.AddNode(1, 3);
    AddCondition(g, 1, "a", foNONE);
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(g), (QStringList{"1", "2"}));
    g.SetFilterActive(false);
    g.SetFilterNormalCellsOnly(false);
    g.SetFilterActive(true);
    EXPECT_EQ(Shown(g), (QStringList{"2"}));
}
