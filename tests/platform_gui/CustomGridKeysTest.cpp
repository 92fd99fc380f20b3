// Keyboard moves of the current cell: each move asks SelectCell, skips the
// fixed cells and stops at the edges; Tab moves only with goTabs.
#include "CustomGridFixture.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

struct GridKeyCase {
    const char* Name;
    TGridCoord Start;
    int Key;
    TShiftState Shift;
    TGridOptions Extra;
    TGridCoord Expect;
    QStringList Log;
    // Expected TopRow; -1: not checked.
    int TopRow = -1;
};

class CustomGridKeys : public CustomGridTest, public ::testing::WithParamInterface<GridKeyCase> {};

TEST_P(CustomGridKeys, MovesTheCurrentCell)
{
    const GridKeyCase& c = GetParam();
    Grid->SetOptions(Grid->Options() + c.Extra);
    Grid->SetCol(c.Start.X);
    Grid->SetRow(c.Start.Y);
    Grid->Log.clear();
    Key(Grid, c.Key, c.Shift);
    EXPECT_EQ(Grid->Col(), c.Expect.X);
    EXPECT_EQ(Grid->Row(), c.Expect.Y);
    EXPECT_EQ(Grid->Log, c.Log);
    if (c.TopRow >= 0) {
        EXPECT_EQ(Grid->TopRow(), c.TopRow);
    }
}

const GridKeyCase KeyCases[] = {
    {"DownMovesOneRow", {1, 1}, VK_DOWN, {}, {}, {1, 2}, {"SelectCell 1,2"}},
    {"UpStopsAtTheFirstScrolledRow", {1, 1}, VK_UP, {}, {}, {1, 1}, {}},
    {"LeftSkipsTheFixedColumn", {1, 1}, VK_LEFT, {}, {}, {1, 1}, {}},
    {"RightMovesOneColumn", {2, 3}, VK_RIGHT, {}, {}, {3, 3}, {"SelectCell 3,3"}},
    {"RightStopsAtTheLastColumn", {9, 3}, VK_RIGHT, {}, {}, {9, 3}, {}},
    {"PageDownMovesByTheVisibleRows", {1, 1}, VK_NEXT, {}, {}, {1, 5}, {"SelectCell 1,5"}, 5},
    {"PageUpMovesByTheVisibleRows", {1, 10}, VK_PRIOR, {}, {}, {1, 6}, {"SelectCell 1,6"}, 3},
    {"HomeGoesToTheFirstScrolledColumn", {4, 3}, VK_HOME, {}, {}, {1, 3}, {"SelectCell 1,3"}},
    {"EndGoesToTheLastColumn", {1, 3}, VK_END, {}, {}, {9, 3}, {"SelectCell 9,3"}},
    {"CtrlHomeGoesToTheFirstCell", {4, 6}, VK_HOME, {ssCtrl}, {}, {1, 1}, {"SelectCell 1,1"}, 1},
    {"CtrlEndGoesToTheLastCell", {4, 6}, VK_END, {ssCtrl}, {}, {9, 19}, {"SelectCell 9,19"}, 16},
    {"TabMovesRightWithGoTabs", {2, 2}, VK_TAB, {}, {goTabs}, {3, 2}, {"SelectCell 3,2"}},
    {"TabWrapsToTheNextRow", {9, 2}, VK_TAB, {}, {goTabs}, {1, 3}, {"SelectCell 1,3"}},
    {"TabWrapsFromTheLastCellToTheFirst", {9, 19}, VK_TAB, {}, {goTabs}, {1, 1}, {"SelectCell 1,1"}},
    {"ShiftTabWrapsToThePreviousRow", {1, 3}, VK_TAB, {ssShift}, {goTabs}, {9, 2}, {"SelectCell 9,2"}},
    {"TabWithoutGoTabsLeavesTheCell", {2, 2}, VK_TAB, {}, {}, {2, 2}, {}},
};

INSTANTIATE_TEST_SUITE_P(Keys, CustomGridKeys, ::testing::ValuesIn(KeyCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(CustomGridTest, RefusedCellKeepsCurrentCellAndSelection)
{
    Grid->Refused = {{1, 2}};
    Key(Grid, VK_DOWN);
    EXPECT_EQ(Grid->Log, QStringList({"SelectCell 1,2"}));
    EXPECT_EQ(Grid->Row(), 1);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 1, 1}));
    Grid->SetRow(2);
    EXPECT_EQ(Grid->Row(), 1) << "writing Row asks SelectCell too";
}

TEST_F(CustomGridTest, ShiftArrowsStretchTheSelectionFromTheAnchor)
{
    Key(Grid, VK_DOWN, {ssShift});
    Key(Grid, VK_RIGHT, {ssShift});
    Key(Grid, VK_RIGHT, {ssShift});
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 2}));
    Key(Grid, VK_LEFT);
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 2, 2}));
    Grid->SetOptions(Grid->Options() - goRangeSelect);
    Key(Grid, VK_DOWN, {ssShift});
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 3, 2, 3})) << "without goRangeSelect Shift does not stretch";
}

TEST_F(CustomGridTest, RowSelectSpansTheScrolledColumns)
{
    Grid->SetOptions(Grid->Options() + goRowSelect);
    Key(Grid, VK_DOWN);
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 2, 9, 2}));
    Key(Grid, VK_END);
    EXPECT_EQ(Grid->Row(), 19);
}

TEST_F(CustomGridTest, WheelMovesTheCurrentRowByOne)
{
    Wheel(Grid, -WHEEL_DELTA, Centre(2, 2));
    EXPECT_EQ(Grid->Row(), 2);
    Wheel(Grid, WHEEL_DELTA, Centre(2, 2));
    Wheel(Grid, WHEEL_DELTA, Centre(2, 2));
    EXPECT_EQ(Grid->Row(), 1) << "stops at the first scrolled row";
}

TEST_F(CustomGridTest, ScrollMessagesMoveTopRowAndLeftColWithinLimits)
{
    int changes = 0;
    Grid->OnTopLeftChanged = [&](TObject*) { ++changes; };
    Grid->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(Grid->TopRow(), 5);
    Grid->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(Grid->TopRow(), 16);
    Grid->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(Grid->TopRow(), 16);
    Grid->Perform(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(Grid->LeftCol(), 2);
    Grid->SetTopRow(0);
    EXPECT_EQ(Grid->TopRow(), 1) << "the fixed rows do not scroll";
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(Grid->Row(), 1) << "scrolling leaves the current cell";
}

} // namespace
