// Keys and wheel over merged ranges: a step leaves a range whole, the
// current cell rests on base cells, and paging and the wheel keep off the
// reserved last row.
#include "BaseGridFixture.h"
#include "platform/controls/Messages.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

struct KeyCase {
    const char* Name;
    TGridCoord Start;
    int Key;
    TGridCoord Expect;
};

class BaseGridKeys : public BaseGridTest, public ::testing::WithParamInterface<KeyCase> {
protected:
    void SetUp() override
    {
        BaseGridTest::SetUp();
        // Columns 2..4 of row 2, and rows 4..6 of column 1.
        Grid->MergeCells(2, 2, 3, 1);
        Grid->MergeCells(1, 4, 1, 3);
    }
};

TEST_P(BaseGridKeys, MovesOverMergedRanges)
{
    const KeyCase& c = GetParam();
    // The platform's own move, so the start may lie inside a range.
    Grid->MoveColRow(c.Start.X, c.Start.Y, true, true);
    Key(Grid, c.Key);
    EXPECT_EQ(Grid->Col(), c.Expect.X);
    EXPECT_EQ(Grid->Row(), c.Expect.Y);
}

const KeyCase KeyCases[] = {
    {"RightLeavesTheRangeFromItsBase", {2, 2}, VK_RIGHT, {5, 2}},
    {"RightIntoARangeRestsOnItsBase", {1, 2}, VK_RIGHT, {2, 2}},
    {"LeftOutOfARangeRestsOnTheCellBefore", {5, 2}, VK_LEFT, {2, 2}},
    {"LeftFromInsideARangeLeavesIt", {3, 2}, VK_LEFT, {1, 2}},
    {"DownLeavesTheRangeFromItsBase", {1, 4}, VK_DOWN, {1, 7}},
    {"DownIntoARangeRestsOnItsBase", {1, 3}, VK_DOWN, {1, 4}},
    {"UpFromInsideARangeLeavesIt", {1, 5}, VK_UP, {1, 3}},
    {"UpFromBelowARangeRestsOnItsBase", {1, 7}, VK_UP, {1, 4}},
    {"PlainCellsMoveOneStep", {3, 5}, VK_RIGHT, {4, 5}},
};

INSTANTIATE_TEST_SUITE_P(Keys, BaseGridKeys, ::testing::ValuesIn(KeyCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BaseGridTest, ARangeEndingAtTheLastColumnKeepsTheCurrentCell)
{
    Grid->MergeCells(3, 2, 3, 1);
    Grid->MoveColRow(3, 2, true, true);
    Key(Grid, VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(BaseGridTest, TheWheelStepsPastAVerticalRange)
{
    Grid->MergeCells(1, 2, 1, 3);
    Grid->MoveColRow(1, 2, true, true);
    Wheel(Grid, -120, {60, 50});
    EXPECT_EQ(Grid->Row(), 5);
    Wheel(Grid, 120, {60, 50});
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(BaseGridTest, PagingStopsBeforeTheReservedLastRow)
{
    Grid->SetHideLastRow(true);
    Grid->MoveColRow(1, 11, true, true);
    Grid->MoveColRow(1, 9, true, true);
    Key(Grid, VK_NEXT);
    EXPECT_EQ(Grid->Row(), 10);
    Key(Grid, VK_NEXT);
    EXPECT_EQ(Grid->Row(), 10);
}

} // namespace
