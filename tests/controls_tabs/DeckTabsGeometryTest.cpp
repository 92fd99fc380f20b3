#include "DeckTabsFixture.h"

namespace {

TEST_F(DeckTabsStrip, DefaultStripWithThreeTabs)
{
    AddTabs({"One", "Two", "Three"});
    Settle();
    EXPECT_EQ(Strip->TabContainerRect(), (TRect{0, 4, 232, 30}));
    EXPECT_EQ(TabRect(0), (TRect{0, 4, 87, 30}));
    EXPECT_EQ(TabRect(1), (TRect{73, 4, 160, 30}));
    EXPECT_EQ(TabRect(2), (TRect{145, 4, 232, 30}));
    EXPECT_EQ(Strip->ScrollButtonRightControl()->ControlRect(), (TRect{284, 10, 299, 25}));
    EXPECT_EQ(Strip->ScrollButtonLeftControl()->ControlRect(), (TRect{267, 10, 282, 25}));
    EXPECT_EQ(Strip->AddButtonControl()->ControlRect(), (TRect{233, 10, 264, 24}));
    EXPECT_EQ(Strip->ScrollWidth(), 217);
    EXPECT_EQ(Strip->ActiveTabIndex(), 2);
}

}

namespace {

// A page selector: no add button, no close buttons, no scrolling.
class PageSelectorStrip : public DeckTabsStrip {
protected:
    void SetUp() override
    {
        DeckTabsStrip::SetUp();
        TDeckTabsDisplayOptions* d = Strip->Options()->Display();
        d->AddButton()->SetVisibility(avNone);
        d->CloseButton()->SetVisibility(bvNever);
        Strip->Options()->Scrolling()->SetEnabled(false);
        Strip->SetBounds(0, 0, 400, 30);
        AddTabs({"Unidirectional", "Smart ACK", "Remote"});
        Strip->Tabs()->Items(2)->SetVisible(false);
        Strip->SetActiveTabIndex(0);
        Settle();
    }
};

TEST_F(PageSelectorStrip, TwoVisibleTabsShareTheWholeWidth)
{
    // 400 - 15 overlap = 385 over two tabs: 192 each, one pixel left over.
    EXPECT_EQ(Strip->TabContainerRect(), (TRect{0, 4, 400, 30}));
    EXPECT_EQ(TabRect(0), (TRect{0, 4, 207, 30})) << "advances 193 with the spare pixel";
    EXPECT_EQ(TabRect(1), (TRect{193, 4, 400, 30}));
    EXPECT_EQ(Strip->ScrollOffset(), 0) << "starts at 0 although scrolling is off";
    EXPECT_TRUE(Strip->AddButtonControl()->ControlRect().IsEmpty());
}

TEST_F(PageSelectorStrip, HiddenAddButtonCatchesNoClick)
{
    EXPECT_EQ(Strip->HitTest({0, 0}).HitTestArea, htBackground);
    EXPECT_EQ(Strip->HitTest({0, 0}).TabIndex, -1);
}

TEST_F(DeckTabsStrip, CommonWidthSpreadsLeftOverPixelsOverTheFirstTabs)
{
    Strip->Options()->Scrolling()->SetEnabled(false);
    Strip->Options()->Display()->AddButton()->SetVisibility(avNone);
    Strip->SetBounds(0, 0, 400, 30);
    AddTabs({"A", "B", "C"});
    Settle();
    // 385 / 3 = 128 rest 1: the first tab advances 129, each is 143 wide.
    EXPECT_EQ(TabRect(0), (TRect{0, 4, 143, 30}));
    EXPECT_EQ(TabRect(1), (TRect{129, 4, 272, 30}));
    EXPECT_EQ(TabRect(2), (TRect{257, 4, 400, 30}));
}

TEST_F(DeckTabsStrip, ManyTabsStopAtMinWidthAndScroll)
{
    for (int i = 0; i < 15; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    EXPECT_EQ(RectWidth(TabRect(0)), 25 + 15);
    EXPECT_EQ(Strip->ScrollWidth(), 15 * 25);
    EXPECT_EQ(Strip->GetTabDisplayState(), tdScrolling);
    EXPECT_EQ(Strip->MaxScrollOffset(), 15 * 25 - 232 + 15);
}

TEST_F(DeckTabsStrip, RightToLeftMirrorsHitTesting)
{
    AddTabs({"One", "Two", "Three"});
    Settle();
    Strip->SetBiDiModeAndRedraw(bdRightToLeft);
    // Tab 0 lies at the right edge now; the mirrored left edge is 300 - 87.
    EXPECT_EQ(Strip->HitTest({300 - 30, 20}).TabIndex, 0);
    EXPECT_EQ(Strip->HitTest({300 - 30, 20}).HitTestArea, htTab);
    // Scroll buttons swap sides too.
    EXPECT_EQ(Strip->HitTest({300 - 291, 17}).HitTestArea, htScrollButtonRight);
}

} // namespace
