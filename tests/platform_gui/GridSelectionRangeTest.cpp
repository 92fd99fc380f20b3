// The selection between anchor and current cell.
#include "platform/controls/GridSelection.h"
#include <gtest/gtest.h>

namespace {

TEST(GridSelectionRange, RangeSpansAnchorAndCurrentInAnyDirection)
{
    TGridSelection s;
    s.MoveTo({5, 5}, true);
    s.MoveTo({2, 7}, false);
    EXPECT_EQ(s.Rect(), (TGridRect{2, 5, 5, 7}));
    EXPECT_EQ(s.Anchor(), (TGridCoord{5, 5}));
    EXPECT_TRUE(s.Contains(2, 5));
    EXPECT_TRUE(s.Contains(5, 7));
    EXPECT_FALSE(s.Contains(6, 6));
    s.MoveTo({3, 3}, true);
    EXPECT_EQ(s.Rect(), (TGridRect{3, 3, 3, 3}));
}

} // namespace
