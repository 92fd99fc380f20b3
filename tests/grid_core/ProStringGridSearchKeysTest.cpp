// The search bar and the keys: Ctrl+F into the bar's edit, Return in it
// finding the next cell, and the current cell never left under the bar
// when the grid scrolls to its end.
#include "../support/QStringPrinter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Form.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

// 30 rows of 20 pixels (21 with the line) in a 200-pixel client: eight
// rows below the header show whole, and the bar covers the last of them. Cell
// (c, r) holds "c:r"; column 2 of row 29 holds "last".
class GridSearchKeys : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 420, 300);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetDefaultRowHeight(20);
        Grid->SetColCount(4);
        Grid->SetRowCount(30);
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 30; ++r)
                Grid->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        Grid->SetCells(2, 29, QStringLiteral("last"));
        Grid->SearchFooter()->SetVisible(true);
        Form->Show();
        Grid->SetFocus();
    }
    void TearDown() override
    {
        DeliverPostedMessages();
        Form.reset();
    }
    // The bottom of the current row against the top of the bar.
    bool CurrentAboveBar() const
    {
        return Grid->CellRect(Grid->Col(), Grid->Row()).Bottom <= Grid->ClientHeight() - Bar()->Height() + 2;
    }
    TSearchPanel* Bar() const { return Grid->SearchPanel(); }

    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
};

TEST_F(GridSearchKeys, CtrlFTypeAndReturnFindCellByCell)
{
    QStringList log;
    Grid->OnKeyDown = [&log](TObject*, int& Key, TShiftState) { log << QStringLiteral("key %1").arg(Key); };
    Grid->OnSearchFooterAction = [&log](TObject*, const QString& Value, int ACol, int ARow, TSearchAction A) {
        log << QStringLiteral("%1 %2 at %3,%4").arg(int(A)).arg(Value).arg(ACol).arg(ARow);
    };
    Grid->SearchFooter()->SetVisible(false);
    Key(Grid, 'F', {ssCtrl});
    EXPECT_TRUE(Grid->Focused()) << "no bar, nothing to focus";
    Grid->SearchFooter()->SetVisible(true);
    Key(Grid, 'F', {ssCtrl});
    TRetEdit* edit = Bar()->EditControl();
    ASSERT_TRUE(edit->Focused());
    Type(edit, QStringLiteral("2:2"));
    Key(edit, VK_RETURN, {}, QStringLiteral("\r"));
    Key(edit, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(edit->Text(), "2:2") << "Return types nothing";
    EXPECT_EQ(log, (QStringList{"key 70", "key 70", "0 2 at 1,2", "0 2: at 2,1", "0 2:2 at 2,2", "2 2:2 at 2,20",
                                "2 2:2 at 2,21"}));
    EXPECT_EQ(Grid->Row(), 21);
    EXPECT_TRUE(CurrentAboveBar());
    EXPECT_TRUE(edit->Focused()) << "the next Return finds on";
}

TEST_F(GridSearchKeys, AFoundCellInTheLastRowShowsAboveTheBar)
{
    Bar()->EditControl()->SetText(QStringLiteral("last"));
    EXPECT_EQ(Grid->SearchCell(), (TPoint{2, 29}));
    EXPECT_EQ(Grid->Row(), 29);
    EXPECT_TRUE(CurrentAboveBar());
    EXPECT_GT(Grid->CellRect(2, 29).Bottom, 0);
}

TEST_F(GridSearchKeys, ArrowsWalkDownWithTheCurrentRowAboveTheBar)
{
    Grid->MoveColRow(1, 1, true, true);
    for (int r = 2; r < 30; ++r) {
        SCOPED_TRACE(r);
        Key(Grid, VK_DOWN);
        ASSERT_EQ(Grid->Row(), r);
        EXPECT_TRUE(CurrentAboveBar());
    }
}

struct EndKeyCase {
    const char* Name;
    TPoint From;
    int Key;
    TShiftState Shift;
    TPoint To;
    bool Fired;
};

void PrintTo(const EndKeyCase& C, std::ostream* Os) { *Os << C.Name; }

class GridSearchEndKeys : public GridSearchKeys, public ::testing::WithParamInterface<EndKeyCase> {};

// At the end of the grid, with the last row above the bar.
const EndKeyCase EndKeyCases[] = {
    {"DownInTheLastRowStays", {2, 29}, VK_DOWN, {}, {2, 29}, true},
    {"RightInTheLastCellStays", {3, 29}, VK_RIGHT, {}, {3, 29}, true},
    {"LeftInTheFirstColumnOfTheLastRowStays", {1, 29}, VK_LEFT, {}, {1, 29}, true},
    {"LeftInTheLastRow", {2, 29}, VK_LEFT, {}, {1, 29}, true},
    {"EndInTheLastRow", {1, 29}, VK_END, {}, {3, 29}, true},
    {"UpLeavesTheLastRow", {2, 29}, VK_UP, {}, {2, 28}, true},
    {"ALetterKeepsTheView", {2, 29}, 'X', {}, {2, 29}, true},
};

TEST_P(GridSearchEndKeys, KeepTheLastRowAboveTheBar)
{
    const EndKeyCase& c = GetParam();
    // The last row becomes current above the bar.
    Grid->SetCol(c.From.X);
    Grid->SetRow(c.From.Y);
    ASSERT_TRUE(CurrentAboveBar());
    const int top = Grid->TopRow();
    bool fired = false;
    Grid->OnKeyDown = [&fired](TObject*, int&, TShiftState) { fired = true; };
    Key(Grid, c.Key, c.Shift);
    EXPECT_EQ((TPoint{Grid->Col(), Grid->Row()}), c.To);
    EXPECT_EQ(fired, c.Fired);
    EXPECT_EQ(Grid->TopRow(), top);
    EXPECT_TRUE(CurrentAboveBar());
}

INSTANTIATE_TEST_SUITE_P(GridSearchKeys, GridSearchEndKeys, ::testing::ValuesIn(EndKeyCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(GridSearchKeys, KeysThatJumpDownLeaveTheCurrentRowAboveTheBar)
{
    for (auto [key, shift] : {std::pair<int, TShiftState>{VK_END, {ssCtrl}}, {VK_NEXT, {}}, {VK_NEXT, {}}}) {
        Key(Grid, key, shift);
        EXPECT_TRUE(CurrentAboveBar()) << key << " to row " << Grid->Row();
    }
}

TEST_F(GridSearchKeys, TheRowsScrollNoFurtherThanTheBarNeeds)
{
    Grid->SetTopRow(29);
    const int top = Grid->TopRow();
    EXPECT_LE(Grid->CellRect(1, 29).Bottom, Grid->ClientHeight() - 30);
    EXPECT_GT(Grid->CellRect(1, 29).Bottom, Grid->ClientHeight() - 30 - 20) << "no row's room is left empty";
    // Without the bar the last rows fill the client again.
    Grid->SearchFooter()->SetVisible(false);
    Grid->SetHeight(Grid->Height() + 1);
    EXPECT_LT(Grid->TopRow(), top);
    EXPECT_EQ(Grid->TopRow(), Grid->RowCount() - Grid->VisibleRowCount());
}

TEST_F(GridSearchKeys, TheBarCoversTheCellsDownToTheFrame)
{
    Grid->SetBorderStyle(bsSingle);
    EXPECT_EQ(Bar()->BoundsRect(), Rect(2, Grid->Height() - 2 - 32, Grid->Width() - 2, Grid->Height() - 2));
    // A horizontal bar below: the search bar sits right on it.
    Grid->SetScrollBars(ssBoth);
    Grid->SetColWidths(1, 400);
    ASSERT_TRUE(Grid->HorzScrollBar() && Grid->HorzScrollBar()->Visible());
    EXPECT_EQ(Bar()->BoundsRect().Bottom, Grid->HorzScrollBar()->Top());
}

} // namespace
