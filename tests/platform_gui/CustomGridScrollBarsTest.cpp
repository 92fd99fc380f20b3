// Scroll bars: shown only while the cells do not fit, narrowing the
// client area, and moving TopRow and LeftCol by whole rows and columns.
#include "CustomGridFixture.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

bool Shown(const TScrollBar* Bar) { return Bar && Bar->Visible(); }

TEST_F(CustomGridTest, BarsShowOnlyWhileTheCellsDoNotFit)
{
    struct Case {
        const char* Name;
        TScrollStyle Style;
        int Cols, Rows;
        bool Vert, Horz;
    };
    // Without bars 256 x 106 holds 5 columns and 5 rows whole; a bar takes 17.
    const Case cases[] = {
        {"everything fits", ssBoth, 5, 5, false, false},
        {"too many rows", ssBoth, 4, 20, true, false},
        {"the vertical bar pushes the fifth column out", ssBoth, 5, 20, true, true},
        {"too many of both", ssBoth, 10, 20, true, true},
        {"only the vertical bar allowed", ssVertical, 10, 20, true, false},
        {"no bars", ssNone, 10, 20, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetScrollBars(c.Style);
        Grid->SetColCount(c.Cols);
        Grid->SetRowCount(c.Rows);
        EXPECT_EQ(Shown(Grid->VertScrollBar()), c.Vert);
        EXPECT_EQ(Shown(Grid->HorzScrollBar()), c.Horz);
        EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 256 - (c.Vert ? 17 : 0), 106 - (c.Horz ? 17 : 0)));
    }
}

TEST_F(CustomGridTest, HorizontalBarHidesTheLastRowSoBothShow)
{
    Grid->SetColCount(5);
    Grid->SetRowCount(5);
    Grid->SetScrollBars(ssBoth);
    Grid->SetColWidths(4, 52);
    EXPECT_FALSE(Shown(Grid->HorzScrollBar())) << "the line after the last column may fall outside";
    Grid->SetColWidths(4, 53);
    EXPECT_TRUE(Shown(Grid->HorzScrollBar()));
    EXPECT_TRUE(Shown(Grid->VertScrollBar()));
    EXPECT_EQ(Grid->ClientRect(), Rect(0, 0, 239, 89));
    Grid->SetColWidths(4, 50);
    EXPECT_FALSE(Shown(Grid->HorzScrollBar()));
    EXPECT_FALSE(Shown(Grid->VertScrollBar()));
}

TEST_F(CustomGridTest, BarAndTopRowFollowEachOther)
{
    Grid->SetScrollBars(ssBoth);
    TScrollBar* bar = Grid->VertScrollBar();
    ASSERT_TRUE(Shown(bar));
    EXPECT_EQ(bar->Position(), 0);
    Key(bar, VK_DOWN);
    EXPECT_EQ(Grid->TopRow(), 2);
    Key(bar, VK_END);
    EXPECT_EQ(Grid->TopRow(), Grid->RowCount() - Grid->VisibleRowCount());
    Grid->SetTopRow(5);
    EXPECT_EQ(bar->Position(), 4);
    Key(Grid->HorzScrollBar(), VK_NEXT);
    EXPECT_EQ(Grid->LeftCol(), 1 + Grid->VisibleColCount());
    EXPECT_EQ(Grid->Row(), 1) << "scrolling leaves the current cell";
}

TEST_F(CustomGridTest, RowsScrollAboveACoveredBottom)
{
    Grid->SetScrollBars(ssNone);
    Grid->SetTopRow(19);
    EXPECT_EQ(Grid->TopRow(), 16) << "four rows of 21 pixels fill the 85 below the header";
    // A bar of 40 pixels over the bottom leaves room for two.
    Grid->Covered = 40;
    Grid->SetTopRow(19);
    EXPECT_EQ(Grid->TopRow(), 18);
    EXPECT_LE(Grid->CellRect(1, 19).Bottom, Grid->ClientHeight() - 40);
    Grid->Covered = 0;
    Grid->SetHeight(Grid->Height() + 1);
    EXPECT_EQ(Grid->TopRow(), 16) << "a resize brings the rows back down";
}

} // namespace
