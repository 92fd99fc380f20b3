// Column and row positions from the prefix sums: lookups by coordinate,
// the view with fixed items and a scrolled first item, hidden items.
#include "platform/controls/GridAxis.h"
#include <gtest/gtest.h>

namespace {

// Five items of 10 with 1-pixel lines; item 2 is 30 wide, item 3 hidden.
TGridAxis MixedAxis()
{
    TGridAxis a;
    a.SetDefaultSize(10);
    a.SetCount(5);
    a.SetSize(2, 30);
    a.SetSize(3, -1);
    return a;
}

TEST(GridAxisGeometry, OffsetsAndLookupsAgree)
{
    for (bool uniform : {true, false}) {
        TGridAxis a = uniform ? TGridAxis() : MixedAxis();
        if (uniform) {
            a.SetDefaultSize(10);
            a.SetCount(5);
        }
        SCOPED_TRACE(uniform ? "uniform" : "mixed");
        for (int i = 0; i < a.Count(); ++i) {
            if (a.Extent(i) == 0)
                continue;
            EXPECT_EQ(a.IndexAt(a.Offset(i)), i);
            EXPECT_EQ(a.IndexAt(a.Offset(i + 1) - 1), i) << "the line belongs to the item before it";
        }
        EXPECT_EQ(a.IndexAt(-1), -1);
        EXPECT_EQ(a.IndexAt(a.Total()), -1);
    }
    TGridAxis m = MixedAxis();
    EXPECT_EQ(m.Offset(3), 11 + 11 + 31);
    EXPECT_EQ(m.Offset(4), m.Offset(3)) << "a hidden item takes no room";
    EXPECT_EQ(m.IndexAt(m.Offset(3)), 4);
}

TEST(GridAxisGeometry, ViewSkipsScrolledOutItems)
{
    TGridAxis a;
    a.SetDefaultSize(10);
    a.SetCount(100);
    // One fixed item, first scrolled item 50.
    EXPECT_EQ(a.ViewPos(0, 1, 50), 0);
    EXPECT_EQ(a.ViewPos(1, 1, 50), -1);
    EXPECT_EQ(a.ViewPos(50, 1, 50), 11);
    EXPECT_EQ(a.ViewPos(52, 1, 50), 33);
    EXPECT_EQ(a.ViewIndexAt(5, 1, 50), 0);
    EXPECT_EQ(a.ViewIndexAt(11, 1, 50), 50);
    EXPECT_EQ(a.ViewIndexAt(32, 1, 50), 51);
    EXPECT_EQ(a.ViewIndexAt(-1, 1, 50), -1);
    EXPECT_EQ(a.ViewIndexAt(100000, 1, 50), -1);
}

TEST(GridAxisGeometry, VisibleCountsAndScrollLimits)
{
    struct Case {
        const char* Name;
        int Count, ViewExtent, First;
        int FullVisible, LastVisible, MaxFirst;
    };
    // Items of 10 + 1 line, one fixed item (11 pixels).
    const Case cases[] = {
        {"exact fit drops the last line", 20, 11 + 44, 1, 4, 4, 16},
        {"partly shown item counts as last only", 20, 11 + 50, 1, 4, 5, 16},
        {"scrolled to the end", 20, 11 + 50, 16, 4, 19, 16},
        {"fewer items than room", 3, 200, 1, 2, 2, 1},
        {"view smaller than one item", 20, 15, 1, 1, 1, 19},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TGridAxis a;
        a.SetDefaultSize(10);
        a.SetCount(c.Count);
        EXPECT_EQ(a.FullVisibleCount(1, c.First, c.ViewExtent), c.FullVisible);
        EXPECT_EQ(a.LastVisible(1, c.First, c.ViewExtent), c.LastVisible);
        EXPECT_EQ(a.MaxFirst(1, c.ViewExtent), c.MaxFirst);
    }
}

TEST(GridAxisGeometry, FirstToShowBringsAnItemWholeIntoView)
{
    TGridAxis a;
    a.SetDefaultSize(10);
    a.SetCount(100);
    // 44 pixels of room after the fixed item: four items.
    EXPECT_EQ(a.FirstToShow(10, 1, 55), 7);
    EXPECT_EQ(a.FirstToShow(2, 1, 55), 1);
    a.SetSize(10, 100);
    EXPECT_EQ(a.FirstToShow(10, 1, 55), 10) << "an item larger than the view goes first";
}

TEST(GridAxisGeometry, SizesSurviveCountChangesAndMoves)
{
    TGridAxis a = MixedAxis();
    a.SetCount(3);
    a.SetCount(6);
    EXPECT_EQ(a.Size(2), 30);
    EXPECT_EQ(a.Size(3), 10) << "regrown items take the default";
    a.Move(2, 0);
    EXPECT_EQ(a.Size(0), 30);
    EXPECT_EQ(a.Size(2), 10);
    EXPECT_EQ(a.Offset(1), 31);
    a.Delete(0);
    EXPECT_EQ(a.Count(), 5);
    EXPECT_EQ(a.Offset(1), 11);
    a.SetDefaultSize(20);
    EXPECT_FALSE(a.HasSizes());
    EXPECT_EQ(a.Total(), 5 * 21);
}

} // namespace
