#include "../support/QStringPrinter.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ProGridButton.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// Cells by rows below a fixed row, right of a fixed column.
void FillSearch(TProStringGrid& g, const std::vector<QStringList>& Rows)
{
    g.SetColCount(int(Rows[0].size()) + 1);
    g.SetRowCount(int(Rows.size()) + 1);
    for (int r = 0; r < int(Rows.size()); ++r)
        for (int c = 0; c < Rows[std::size_t(r)].size(); ++c)
            g.SetCells(c + 1, r + 1, Rows[std::size_t(r)][c]);
}

std::vector<TPoint> FindAll(TProStringGrid& g, const QString& s, TFindParams p)
{
    std::vector<TPoint> out;
    TPoint cell{-1, -1};
    for (int i = 0; i < 20; ++i) {
        cell = g.Find(cell, s, p);
        if (cell.X == -1)
            break;
        out.push_back(cell);
    }
    return out;
}

using Cells = std::vector<TPoint>;

struct MatchCase {
    const char* name;
    const char* text;
    TFindParams params;
    bool found;
};

class ProStringGridFindMatch : public testing::TestWithParam<MatchCase> {};

} // namespace

TEST_P(ProStringGridFindMatch, TestsOneCell)
{
    const MatchCase& c = GetParam();
    TProStringGrid g;
    FillSearch(g, {{"abc"}, {"7"}, {"<b>x</b>y"}});
    const TPoint p = g.Find(TPoint{-1, -1}, QString::fromUtf8(c.text), c.params);
    EXPECT_EQ(p.X != -1, c.found);
    EXPECT_FALSE(g.FindBusy());
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridSearch, ProStringGridFindMatch,
    testing::Values(MatchCase{"Contains", "bc", {}, true}, MatchCase{"StartMisses", "bc", {fnMatchStart}, false},
                    MatchCase{"Start", "ab", {fnMatchStart}, true}, MatchCase{"FullMisses", "ab", {fnMatchFull}, false},
                    MatchCase{"Full", "abc", {fnMatchFull}, true}, MatchCase{"AnyCase", "ABC", {}, true},
                    MatchCase{"MatchCaseMisses", "ABC", {fnMatchCase}, false},
                    MatchCase{"ConditionHolds", ">5", {fnMatchRegular}, true},
                    MatchCase{"ConditionFails", "<3", {fnMatchRegular}, false},
                    MatchCase{"TagsCount", "xy", {}, false}, MatchCase{"TagsIgnored", "xy", {fnIgnoreHTMLTags}, true},
                    MatchCase{"EmptyText", "", {}, false}),
    [](const testing::TestParamInfo<MatchCase>& info) { return std::string(info.param.name); });

TEST(ProStringGridSearch, WalksColumnByColumnOrRowByRowAndNeverWraps)
{
    TProStringGrid g;
    FillSearch(g, {{"abc", "abc"}, {"abc", "x"}});
    EXPECT_EQ(FindAll(g, "b", {}), (Cells{{1, 1}, {1, 2}, {2, 1}}));
    EXPECT_EQ(FindAll(g, "b", {fnDirectionLeftRight}), (Cells{{1, 1}, {2, 1}, {1, 2}}));
    EXPECT_EQ(FindAll(g, "b", {fnBackward}), (Cells{{2, 1}, {1, 2}, {1, 1}}));
    EXPECT_EQ(FindAll(g, "b", {fnDirectionLeftRight, fnBackward}), (Cells{{1, 2}, {2, 1}, {1, 1}}));
    // FindNext goes on with the last text and stops after the last cell.
    EXPECT_EQ(g.FindFirst("B", {}), (TPoint{1, 1}));
    EXPECT_EQ(g.FindNext(), (TPoint{1, 2}));
    EXPECT_EQ(g.FindNext(), (TPoint{2, 1}));
    EXPECT_EQ(g.FindNext(), (TPoint{-1, -1}));
    // Ignored columns are skipped both ways.
    g.IgnoreColumns()->Add(1);
    EXPECT_EQ(FindAll(g, "b", {}), (Cells{{2, 1}}));
    EXPECT_EQ(FindAll(g, "b", {fnDirectionLeftRight}), (Cells{{2, 1}}));
}

TEST(ProStringGridSearch, TwoQuotesFindEmptyCells)
{
    TProStringGrid g;
    FillSearch(g, {{"a", "b"}, {"c", ""}});
    EXPECT_EQ(g.Find(TPoint{-1, -1}, "\"\"", {}), (TPoint{2, 2}));
}

TEST(ProStringGridSearch, OneRowOrColumnStepsOnFromTheLastCell)
{
    TProStringGrid g;
    FillSearch(g, {{"a", "a", "a"}, {"a", "a", "a"}});
    g.SetRow(2);
    g.SetCol(2);
    EXPECT_EQ(FindAll(g, "a", {fnFindInCurrentRow}), (Cells{{1, 2}, {2, 2}, {3, 2}}));
    EXPECT_EQ(FindAll(g, "a", {fnFindInCurrentCol, fnDirectionLeftRight}), (Cells{{2, 1}, {2, 2}}));
    g.SetFindCol(3);
    EXPECT_EQ(FindAll(g, "a", {fnFindInPresetCol, fnBackward}), (Cells{{3, 2}, {3, 1}}));
}

TEST(ProStringGridSearch, AutoGotoMovesTheCurrentCell)
{
    TProStringGrid g;
    FillSearch(g, {{"a", "b"}, {"c", "d"}});
    g.Find(TPoint{-1, -1}, "d", {fnAutoGoto});
    EXPECT_EQ(g.Col(), 2);
    EXPECT_EQ(g.Row(), 2);
}

TEST(ProStringGridSearch, HiddenRowsAreSearchedByRealIndex)
{
    TProStringGrid g;
    FillSearch(g, {{"a"}, {"b"}, {"c"}});
    g.HideRow(2);
    EXPECT_EQ(g.Find(TPoint{-1, -1}, "b", {}), (TPoint{-1, -1}));
    EXPECT_EQ(g.Find(TPoint{-1, -1}, "b", {fnIncludeHiddenRows}), (TPoint{1, 2}));
    EXPECT_EQ(g.Find(TPoint{-1, -1}, "c", {fnIncludeHiddenRows, fnAutoGoto}), (TPoint{1, 3}));
    EXPECT_EQ(g.Row(), 2);
}

TEST(ProStringGridSearch, ReplaceHonoursMatchCase)
{
    TProStringGrid g;
    FillSearch(g, {{"XaxX", "b"}});
    g.ShowModified()->SetEnabled(true);
    EXPECT_EQ(g.Replace("x", "y", {fnMatchCase}), 1);
    EXPECT_EQ(g.Cells(1, 1), "XayX");
    EXPECT_TRUE(g.GetRowModified(1));
    EXPECT_EQ(g.Replace("x", "y", {}), 1);
    EXPECT_EQ(g.Cells(1, 1), "yayy");
    EXPECT_EQ(g.Replace("q", "y", {}), 0);
}

TEST(ProStringGridSearch, KeyPressSearchLooksInTheSortColumn)
{
    TProStringGrid g;
    FillSearch(g, {{"x", "Abc"}, {"y", "Bcd"}});
    g.SortSettings()->SetColumn(2);
    g.SortSettings()->SetShow(true);
    EXPECT_EQ(g.Search("AB"), 1);
    EXPECT_EQ(g.Search("BC"), 2);
    EXPECT_EQ(g.Search("Q"), -1);
    // Without a shown sort the column right of the fixed ones.
    g.SortSettings()->SetShow(false);
    EXPECT_EQ(g.Search("Y"), 2);
    EXPECT_EQ(g.Search("AB"), -1);
}

TEST(ProStringGridSearch, TypedKeysGoToTheRowOfTheSortColumn)
{
    TProStringGrid g;
    FillSearch(g, {{"x", "Apple"}, {"y", "Banana"}, {"z", "Bread"}});
    g.SortSettings()->SetColumn(2);
    g.SortSettings()->SetShow(true);
    const auto type = [&g](char C) { g.Perform(WM_CHAR, WPARAM(C), 0); };
    // Off unless AutoGotoWhenSorted.
    type('b');
    EXPECT_EQ(g.Row(), 1);
    g.Navigation()->SetAutoGotoWhenSorted(true);
    type('b');
    EXPECT_EQ(g.Row(), 2);
    // Each key searches alone; a miss leaves the row and empties the text.
    type('r');
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.SearchIncText(), "");

    g.Navigation()->SetAutoGotoIncremental(true);
    type('b');
    type('r');
    EXPECT_EQ(g.Row(), 3);
    EXPECT_EQ(g.SearchIncText(), "br");
    type(char(VK_BACK));
    EXPECT_EQ(g.Row(), 2);
    EXPECT_EQ(g.SearchIncText(), "b");
    // The text is dropped on the fourth timer tick after the last key.
    for (int i = 0; i < 3; ++i)
        g.Perform(WM_TIMER, 111, 0);
    EXPECT_EQ(g.SearchIncText(), "b");
    g.Perform(WM_TIMER, 111, 0);
    EXPECT_EQ(g.SearchIncText(), "");
    type('a');
    EXPECT_EQ(g.Row(), 1);

    // An editable grid takes the keys as text.
    g.SetOptions(g.Options() + goEditing);
    type('b');
    EXPECT_EQ(g.SearchIncText(), "a");
}

TEST(ProStringGridSearch, ARowFoundByTypingIsNotLeftUnderTheSearchBar)
{
    // Rows of 20 pixels in 200: the bar covers the two last ones.
    auto* form = new TForm(nullptr);
    form->SetBounds(0, 0, 400, 300);
    auto* g = new TProStringGrid(form);
    g->SetParent(form);
    g->SetBorderStyle(bsNone);
    g->SetBounds(0, 0, 300, 200);
    g->SetDefaultRowHeight(20);
    g->SetRowCount(30);
    for (int r = 1; r < 30; ++r)
        g->SetCells(1, r, QString(QChar(u'a' + r - 1)));
    g->SortSettings()->SetColumn(1);
    g->SortSettings()->SetShow(true);
    g->Navigation()->SetAutoGotoWhenSorted(true);
    g->SearchFooter()->SetVisible(true);
    form->Show();
    g->Perform(WM_CHAR, 'i', 0);
    EXPECT_EQ(g->Row(), 9);
    EXPECT_LE(g->CellRect(1, 9).Bottom, g->ClientHeight() - 32);
    EXPECT_GT(g->CellRect(1, 9).Bottom, 0);
    delete form;
}

TEST(ProStringGridSearch, TheSearchBarFindsAsTheUserTypes)
{
    TProStringGrid g;
    FillSearch(g, {{"alpha", "beta"}, {"gamma", "alpha"}, {"delta", "x"}});
    g.SearchFooter()->SetVisible(true);
    TSearchPanel* bar = g.SearchPanel();
    EXPECT_TRUE(bar->Visible());
    EXPECT_EQ(bar->Height(), 32);
    std::vector<TSearchAction> actions;
    g.OnSearchFooterAction = [&actions](TObject*, const QString&, int, int, TSearchAction A) { actions.push_back(A); };

    bar->EditControl()->SetText("al");
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 1}));
    EXPECT_TRUE(bar->ForwardButton()->Enabled());
    EXPECT_EQ(bar->EditControl()->Color(), clWindow);
    // Every change searches from the top.
    bar->EditControl()->SetText("alp");
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 1}));
    // Return finds the next one, the backward button the one before.
    bar->EditControl()->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(g.SearchCell(), (TPoint{2, 2}));
    EXPECT_EQ(g.Row(), 2);
    bar->EditControl()->Perform(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(g.SearchCell(), (TPoint{-1, -1}));
    bar->BackwardButton()->Click();
    EXPECT_EQ(g.SearchCell(), (TPoint{2, 2}));
    EXPECT_EQ(actions, (std::vector<TSearchAction>{saFindFirst, saFindFirst, saFindNext, saFindNext, saFindPrevious}));

    bar->EditControl()->SetText("zz");
    EXPECT_EQ(bar->EditControl()->Color(), TColor(0x000000FF));
    EXPECT_FALSE(bar->ForwardButton()->Visible() && !bar->ForwardButton()->Enabled());
    bar->EditControl()->SetText("");
    EXPECT_EQ(bar->EditControl()->Color(), clWindow);
    EXPECT_FALSE(bar->ForwardButton()->Enabled());

    // Closing hides the bar through the settings.
    bool closed = false;
    g.OnSearchFooterClose = [&closed](TObject*) { closed = true; };
    bar->ExitButton()->Click();
    EXPECT_TRUE(closed);
    EXPECT_FALSE(g.SearchFooter()->Visible());
    EXPECT_FALSE(bar->Visible());
}

TEST(ProStringGridSearch, TheSearchBarWalksRowByRowBackwards)
{
    TProStringGrid g;
    FillSearch(g, {{"ab", "ab"}, {"ab", "x"}});
    g.SearchFooter()->SetVisible(true);
    g.SearchFooter()->SetSearchDirection(sdLeftRight);
    TSearchPanel* bar = g.SearchPanel();
    bar->EditControl()->SetText("b");
    std::vector<TPoint> cells;
    for (int i = 0; i < 3; ++i) {
        bar->BackwardButton()->Click();
        cells.push_back(g.SearchCell());
    }
    // From the first hit back: nothing before it, then from the end.
    EXPECT_EQ(cells, (Cells{{-1, -1}, {1, 2}, {2, 1}}));
}

TEST(ProStringGridSearch, MatchCaseAndAcceleratorsOfTheBar)
{
    TProStringGrid g;
    FillSearch(g, {{"Ab"}, {"ab"}});
    g.SearchFooter()->SetFindNextCaption("Find &next");
    g.SearchFooter()->SetVisible(true);
    TSearchPanel* bar = g.SearchPanel();
    bar->MatchCase()->SetChecked(true);
    bar->EditControl()->SetText("ab");
    EXPECT_EQ(g.SearchCell(), (TPoint{1, 2}));
    EXPECT_TRUE(g.FindParams().Contains(fnMatchCase));
    bar->EditControl()->SetText("Ab");
    EXPECT_EQ(g.Perform(CM_DIALOGCHAR, 'n', 0), 1);
    EXPECT_EQ(g.SearchCell(), (TPoint{-1, -1}));
    EXPECT_EQ(g.Perform(CM_DIALOGCHAR, 'q', 0), 0);
    g.SearchFooter()->SetVisible(false);
    EXPECT_EQ(g.Perform(CM_DIALOGCHAR, 'n', 0), 0);
}

TEST(ProStringGridSearch, AlwaysHighlightMarksTheHitsWhileTyping)
{
    TProStringGrid g;
    FillSearch(g, {{"alpha", "beta"}, {"a&amp;b", "x"}});
    g.SearchFooter()->SetVisible(true);
    g.SearchFooter()->SetAlwaysHighLight(true);
    TSearchPanel* bar = g.SearchPanel();
    bar->EditControl()->SetText("ph");
    EXPECT_EQ(g.Cells(1, 1), "al<hi>ph</hi>a");
    EXPECT_EQ(g.Cells(2, 1), "beta");
    bar->EditControl()->SetText("et");
    EXPECT_EQ(g.Cells(1, 1), "alpha");
    EXPECT_EQ(g.Cells(2, 1), "b<hi>et</hi>a");
    // A cell never highlighted keeps its text as typed.
    EXPECT_EQ(g.Cells(1, 2), "a&amp;b");
    g.UnHilightInGrid(false);
    EXPECT_EQ(g.Cells(2, 1), "beta");
    // The highlight button with the bar's own text.
    g.SearchFooter()->SetAlwaysHighLight(false);
    bar->HiliteButton()->SetDown(true);
    bar->HiliteButton()->Click();
    EXPECT_EQ(g.Cells(2, 1), "b<hi>et</hi>a");
    bar->HiliteButton()->SetDown(false);
    bar->HiliteButton()->Click();
    EXPECT_EQ(g.Cells(2, 1), "beta");
}

TEST(ProStringGridSearch, AHitInAContractedNodeOpensIt)
{
    TProStringGrid g;
    FillSearch(g, {{"G"}, {"a"}, {"b"}, {"H"}});
    g.AddNode(1, 3);
    g.ContractNode(1);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Find(TPoint{-1, -1}, "b", {fnIncludeHiddenRows, fnAutoGoto}), (TPoint{1, 3}));
    EXPECT_FALSE(g.GetNodeState(1));
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Row(), 3);
}
