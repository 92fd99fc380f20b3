#include "../support/QStringPrinter.h"
#include "grid/core/DragSettings.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>

namespace {

// 100 rows of 20 pixels, one fixed row, in a grid 200 pixels high; a
// vertical strip 6 x 200 at its right edge.
class StripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 400, 300);
        Grid = new TProStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 300, 200);
        Grid->SetDefaultRowHeight(20);
        Grid->SetRowCount(100);
        Strip = new TScrollControl(Grid);
        Strip->SetParent(Grid);
        Strip->SetBounds(294, 0, 6, 200);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    std::pair<int, int> Thumb()
    {
        int pos = -1, len = -1;
        Strip->GetThumb(pos, len);
        return {pos, len};
    }
    TColor StripPixel(int X, int Y)
    {
        Strip->Invalidate();
        Strip->Update();
        return Strip->Canvas()->Pixels(X, Y);
    }

    TForm* Form = nullptr;
    TProStringGrid* Grid = nullptr;
    TScrollControl* Strip = nullptr;
};

TEST_F(StripTest, ThumbFollowsTheTopRowAndStaysOnTheStrip)
{
    Grid->SetTopRow(1);
    EXPECT_EQ(Thumb(), std::make_pair(20, 20));
    EXPECT_EQ(StripPixel(0, 20), clSilver);
    EXPECT_EQ(StripPixel(3, 39), clSilver);
    EXPECT_NE(StripPixel(0, 40), clSilver);
    EXPECT_NE(StripPixel(4, 20), clSilver);
    Grid->SetTopRow(90);
    EXPECT_EQ(Thumb(), std::make_pair(180, 20));
    EXPECT_EQ(StripPixel(0, 180), clSilver);
    EXPECT_EQ(StripPixel(3, 199), clSilver);
    EXPECT_NE(StripPixel(0, 179), clSilver);
}

TEST_F(StripTest, PressesBesideTheThumbPage)
{
    Grid->SetTopRow(1);
    const int page = Grid->VisibleRowCount();
    Strip->Perform(WM_LBUTTONDOWN, 0, MakeLParam(2, 150));
    Strip->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 150));
    EXPECT_EQ(Grid->TopRow(), 1 + page);
    // On the last page a press below the thumb stays there.
    Grid->SetTopRow(Grid->RowCount() - page);
    Strip->Perform(WM_LBUTTONDOWN, 0, MakeLParam(2, 199));
    Strip->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 199));
    EXPECT_EQ(Grid->TopRow(), Grid->RowCount() - page);
    Strip->Perform(WM_LBUTTONDOWN, 0, MakeLParam(2, 25));
    Strip->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 25));
    EXPECT_EQ(Grid->TopRow(), Grid->RowCount() - 2 * page);
}

TEST_F(StripTest, DraggingTheThumbScrollsByTheStripsScale)
{
    Grid->SetTopRow(1);
    Strip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 25));
    // 18 of the 180 pixels below row 0: a tenth of the rows.
    Strip->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(2, 43));
    EXPECT_EQ(Grid->TopRow(), 11);
    Strip->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 43));
    EXPECT_FALSE(Strip->Dragging());
}

TEST_F(StripTest, NoRowsToScrollNoThumbAndNoDivision)
{
    // Only fixed rows: nothing to scroll.
    Grid->SetFixedRowAlways(true);
    Grid->SetRowCount(1);
    int pos, len;
    EXPECT_FALSE(Strip->GetThumb(pos, len));
    EXPECT_NE(StripPixel(0, 0), clSilver);
    Strip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 5));
    Strip->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 5));
}

TEST_F(StripTest, TheHorizontalTrackLeavesOutTheFixedRightColumns)
{
    // Ten columns of 30; one fixed left, two fixed right; two footer rows
    // do not shorten the horizontal strip.
    Grid->SetDefaultColWidth(30);
    Grid->SetColCount(10);
    Grid->SetFixedRightCols(2);
    Grid->SetFixedFooters(2);
    Grid->SetColWidths(9, 50);
    Strip->SetDirection(sdHorizontal);
    Strip->SetBounds(0, 194, 300, 6);
    EXPECT_EQ(Strip->TrackLength(), 300 - 30 - 50 - 30);
}

TEST_F(StripTest, DragOnAStripNoTallerThanRowZeroIsIgnored)
{
    Grid->SetTopRow(1);
    Strip->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MakeLParam(2, 25));
    ASSERT_TRUE(Strip->Dragging());
    Grid->SetRowHeights(0, 200);
    Strip->Perform(WM_MOUSEMOVE, MK_LBUTTON, MakeLParam(2, 60));
    EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(StripTest, MetroScrollTypePutsStripsInPlaceOfTheBars)
{
    Grid->SetScrollBars(ssBoth);
    Grid->SetScrollType(ssMetro);
    ASSERT_NE(Grid->VertScrollControl(), nullptr);
    ASSERT_NE(Grid->HorzScrollControl(), nullptr);
    EXPECT_EQ(Grid->ScrollBars(), ssNone);
    EXPECT_EQ(Grid->VertScrollControl()->Width(), 6);
    EXPECT_EQ(Grid->HorzScrollControl()->Height(), 6);
    Grid->SetScrollType(ssNormal);
    EXPECT_EQ(Grid->VertScrollControl(), nullptr);
    EXPECT_EQ(Grid->ScrollBars(), ssBoth);
}

// Scroll messages

TEST_F(StripTest, ThumbDragHintsShowTheRowReached)
{
    Grid->SetScrollHints(shVertical);
    QString shown;
    Grid->OnScrollHint = [&](TObject*, int ARow, QString& Hint) { shown = Hint; };
    Grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 40), 0);
    EXPECT_EQ(shown, QStringLiteral("Row : 41"));
    ASSERT_NE(Grid->ScrollHintWindow(), nullptr);
    EXPECT_TRUE(Grid->ScrollHintWindow()->IsHintShowing());
    // Without ScrollSynch the view waits for the thumb's release.
    EXPECT_EQ(Grid->TopRow(), 1);
    Grid->SetScrollSynch(true);
    Grid->Perform(WM_VSCROLL, MakeWParam(SB_THUMBTRACK, 40), 0);
    EXPECT_EQ(Grid->TopRow(), 41);
    Grid->Perform(WM_VSCROLL, MakeWParam(SB_ENDSCROLL, 0), 0);
    EXPECT_FALSE(Grid->ScrollHintWindow()->IsHintShowing());
}

TEST_F(StripTest, CellScrollBarStepsStayInItsRange)
{
    TScrollBar* bar = Grid->CellScrollBar();
    bar->SetParams(50, 0, 120);
    Grid->SetScrollCell(2, 3);
    std::vector<int> positions;
    Grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Pos, int, int Max) {
        EXPECT_EQ(ACol, 2);
        EXPECT_EQ(ARow, 3);
        EXPECT_EQ(Max, 120);
        positions.push_back(Pos);
    };
    auto send = [&](int Code) { return Grid->Perform(WM_VSCROLL, MakeWParam(Code, 0), LPARAM(bar)); };
    EXPECT_EQ(send(SB_LINEDOWN), 1);
    EXPECT_EQ(send(SB_PAGEDOWN), 1);
    EXPECT_EQ(send(SB_PAGEDOWN), 0);
    EXPECT_EQ(send(SB_PAGEUP), 1);
    EXPECT_EQ(send(SB_LINEUP), 1);
    EXPECT_EQ(positions, (std::vector<int>{60, 120, 20, 10}));
    EXPECT_EQ(Grid->TopRow(), 1);
}

TEST_F(StripTest, DraggingNearAnEdgeScrollsOneRowPerTick)
{
    Grid->DragScrollOptions()->SetActive(true);
    Grid->DragScrollOptions()->Margins()->SetTopMargin(10);
    Grid->SetTopRow(3);
    bool accept = true;
    Grid->DragOver(nullptr, 100, 5, dsDragMove, accept);
    TTimer* timer = nullptr;
    for (int i = 0; i < Grid->ComponentCount(); ++i)
        if (auto* t = dynamic_cast<TTimer*>(Grid->Components(i)))
            timer = t;
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(int(timer->Interval()), Grid->DragScrollOptions()->Delays()->InitialDelay());
    timer->OnTimer(timer);
    EXPECT_EQ(Grid->TopRow(), 2);
    timer->OnTimer(timer);
    timer->OnTimer(timer);
    EXPECT_EQ(Grid->TopRow(), 1);
    // A handler that refuses stops the scrolling, not the timer.
    Grid->SetTopRow(3);
    Grid->OnDragScroll = [](TObject*, int, int, TDragScrollDirections&, bool& CanScroll) { CanScroll = false; };
    timer->OnTimer(timer);
    EXPECT_EQ(Grid->TopRow(), 3);
    EXPECT_TRUE(timer->Enabled());
    Grid->DragOver(nullptr, 100, 5, dsDragLeave, accept);
    for (int i = 0; i < Grid->ComponentCount(); ++i)
        EXPECT_EQ(dynamic_cast<TTimer*>(Grid->Components(i)), nullptr);
}

} // namespace

TEST_F(StripTest, ASynchronisedGridFollowsTheScroll)
{
    auto* other = new TProStringGrid(Form);
    other->SetParent(Form);
    other->SetBounds(0, 210, 300, 80);
    other->SetRowCount(30);
    other->SetColCount(20);
    Grid->SetColCount(20);
    Grid->SyncGrid()->SetGrid(other);
    Grid->SyncGrid()->SetScrollVertical(true);
    Grid->SetTopRow(12);
    EXPECT_EQ(other->TopRow(), 12);
    Grid->SetLeftCol(3);
    EXPECT_EQ(other->LeftCol(), 1) << "only the vertical scroll is synchronised";
    Grid->SyncGrid()->SetScrollHorizontal(true);
    Grid->SetLeftCol(4);
    EXPECT_EQ(other->LeftCol(), 4);
    // The other grid goes no further than its own rows.
    Grid->SetTopRow(60);
    EXPECT_LE(other->TopRow(), 29);
}

TEST_F(StripTest, AnAutoRangeCellScrollBarSpansTheCellText)
{
    Grid->SetMultilinecells(true);
    Grid->SetRowHeights(2, 30);
    Grid->AddScrollBar(1, 2, true);
    Grid->SetCells(1, 2, QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    const TScrollProp four = Grid->GetScrollProp(1, 2);
    EXPECT_EQ(four.PageSize, 30);
    Grid->SetCells(1, 2, QStringLiteral("one"));
    const TScrollProp one = Grid->GetScrollProp(1, 2);
    EXPECT_GT(four.Range, one.Range);
    EXPECT_GT(one.Range, 0);
    // A bar without auto range keeps what was set.
    Grid->AddScrollBar(2, 2, false);
    Grid->SetCells(2, 2, QStringLiteral("one\r\ntwo"));
    EXPECT_EQ(Grid->GetScrollProp(2, 2), (TScrollProp{0, 100}));
}
