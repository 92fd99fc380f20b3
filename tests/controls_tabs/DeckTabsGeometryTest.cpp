#include "DeckTabsFixture.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>
#include <cmath>

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
    // Its plus sign is laid out from the option sizes, not the empty rectangle.
    Strip->Options()->Display()->AddButton()->SetShowPlusSign(true);
    Settle();
    EXPECT_EQ(Strip->HitTest({15, 3}).HitTestArea, htBackground);
}

TEST_F(DeckTabsStrip, UnplacedScrollButtonsNeitherCatchNorPaint)
{
    // Without scroll buttons both keep the empty rectangle at the top-left corner.
    Strip->Options()->Scrolling()->SetScrollButtons(csbNone);
    AddTabs({"A"});
    Settle();
    Strip->Repaint();
    for (TPoint p : {TPoint{0, 0}, TPoint{1, 0}, TPoint{2, 1}}) {
        EXPECT_EQ(Strip->HitTest(p).HitTestArea, htBackground) << p.X << "," << p.Y;
        EXPECT_EQ(Strip->Canvas()->Pixels(p.X, p.Y), Form->Color()) << p.X << "," << p.Y;
    }
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

namespace {

TEST_F(DeckTabsStrip, PinnedTabsTakeTheirOwnWidth)
{
    AddTabs({"A", "B", "C"});
    Strip->Tabs()->Items(2)->SetPinned(true);
    Settle();
    ASSERT_EQ(Strip->Tabs()->Items(0)->Caption(), "C");
    // 232 - 39 pinned - 15 overlap = 178 over two unpinned tabs.
    EXPECT_EQ(TabRect(0), (TRect{0, 4, 54, 30}));
    EXPECT_EQ(TabRect(1), (TRect{39, 4, 143, 30}));
    EXPECT_EQ(TabRect(2), (TRect{128, 4, 232, 30}));
    const TDeckTabControl::TContentRects r = Strip->GetTabControl(0)->CalculateRects();
    EXPECT_FALSE(r.ShowText) << "pinned tabs show no caption";
}

TEST_F(DeckTabsStrip, WidthsFromContentAreClampedThenOffered)
{
    Strip->Options()->Display()->Tabs()->SetTabWidthFromContent(true);
    Strip->Options()->Display()->Tabs()->SetMaxWidth(60);
    std::vector<int> offered;
    Strip->OnSetTabWidth = [&](TObject*, TDeckTabControl* c, int& Width) {
        offered.push_back(Width);
        Width = 50 + 10 * c->DeckTab()->GetIndex();
    };
    AddTabs({"A", "A much longer caption than fits", "B"});
    Settle();
    ASSERT_FALSE(offered.empty());
    for (int w : offered) {
        EXPECT_GE(w, 25);
        EXPECT_LE(w, 60);
    }
    EXPECT_NE(std::find(offered.begin(), offered.end(), 60), offered.end()) << "the long caption is capped";
    EXPECT_EQ(TabRect(0), (TRect{0, 4, 65, 30}));
    EXPECT_EQ(TabRect(1), (TRect{50, 4, 125, 30}));
    EXPECT_EQ(TabRect(2), (TRect{110, 4, 195, 30}));
}

TEST_F(DeckTabsStrip, SpinnersStepAndWrap)
{
    AddTabs({"A", "B"});
    Settle();
    TDeckTab* tab = Strip->Tabs()->Items(0);
    TDeckTabControl* c = Strip->GetTabControl(0);
    TDeckTabsSpinnerOptions* download = Strip->Options()->Display()->TabSpinners()->Download();
    download->SetRenderedAnimationStep(100);
    tab->SetSpinnerState(tssRenderedDownload);
    std::vector<int> angles;
    for (bool reverse : {false, true}) {
        download->SetReverseDirection(reverse);
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(c->AnimateSpinner());
            angles.push_back(c->SpinnerRenderedDegrees());
        }
    }
    EXPECT_EQ(angles, (std::vector<int>{100, 200, 300, 40, 300, 200, 100, 0}));

    TImageList frames(8, 8);
    TBitmap frame(8, 8);
    for (int i = 0; i < 3; ++i)
        frames.AddMasked(&frame, clNone);
    Strip->SetImagesSpinnerDownload(&frames);
    Strip->SetImagesSpinnerUpload(&frames);
    tab->SetSpinnerState(tssImageDownload);
    std::vector<int> indexes;
    for (int i = 0; i < 4; ++i) {
        c->AnimateSpinner();
        indexes.push_back(c->SpinnerImageIndex());
    }
    tab->SetSpinnerState(tssImageUpload);
    for (int i = 0; i < 4; ++i) {
        c->AnimateSpinner();
        indexes.push_back(c->SpinnerImageIndex());
    }
    EXPECT_EQ(indexes, (std::vector<int>{1, 2, 0, 1, 0, 2, 1, 0}));
    tab->SetSpinnerState(tssNone);
    EXPECT_FALSE(c->AnimateSpinner());
    Strip->SetImagesSpinnerDownload(nullptr);
    Strip->SetImagesSpinnerUpload(nullptr);
}

TEST_F(DeckTabsStrip, ModifiedGlowSweepsAcrossTheTab)
{
    AddTabs({"A", "B"});
    Settle();
    TDeckTab* tab = Strip->Tabs()->Items(0); // not active
    TDeckTabControl* c = Strip->GetTabControl(0);
    TDeckTabModifiedDisplayOptions* glow = Strip->Options()->Display()->TabModifiedGlow();
    const TRect r = c->ControlRect();
    const int travel = r.Right - (r.Left - glow->Width());
    EXPECT_FALSE(c->AnimateModified()) << "not modified";
    tab->SetModified(true);
    EXPECT_TRUE(c->AnimateModified());
    EXPECT_EQ(c->ModifiedPosition(), r.Right) << "right to left starts at the right edge";
    Clock.Advance(uint64_t(glow->AnimationPeriodMS() / 2));
    c->AnimateModified();
    EXPECT_EQ(c->ModifiedPosition(), r.Right - int(std::nearbyint(travel / 2.0))) << "half way, halves to even";
    tab->SetModified(false);
    EXPECT_FALSE(c->AnimateModified());
    tab->SetModified(true);
    c->AnimateModified();
    EXPECT_EQ(c->ModifiedPosition(), r.Right) << "a new modification starts a new sweep";
}

} // namespace

namespace {

// Ink of the caption per column in [From, To): how far the pixels lie below
// the tab's near-white body.
double InkPerColumn(TCanvas* Canvas, int From, int To)
{
    double ink = 0;
    for (int x = From; x < To; ++x)
        for (int y = 8; y < 28; ++y) {
            const TColor c = Canvas->Pixels(x, y);
            ink += 3 * 255 - (GetRValue(c) + GetGValue(c) + GetBValue(c));
        }
    return ink / (To - From);
}

TEST_F(DeckTabsStrip, CaptionFadesOutAtTheEndOfItsRoom)
{
    // One active tab 200 wide: the text runs from 18 to the close button at 182;
    // with the fade the last 15 % (from about 157) goes transparent.
    struct Case {
        const char* Name;
        TTextTrimType Trim;
        TBiDiMode Mode;
        bool EndFaded;
    } cases[] = {
        {"Fade", tttFade, bdLeftToRight, true},
        {"NoTrimStaysSolid", tttNone, bdLeftToRight, false},
        {"RightToLeftFadesAtTheLeft", tttFade, bdRightToLeft, true},
    };
    AddTabs({QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW")});
    for (const Case& k : cases) {
        Strip->Options()->Display()->Tabs()->SetTextTrimType(k.Trim);
        Strip->SetBiDiModeAndRedraw(k.Mode);
        Settle();
        Strip->Repaint();
        ASSERT_EQ(TabRect(0), (TRect{0, 4, 215, 30})) << k.Name;
        // Bands in layout coordinates, mirrored for a right-to-left strip.
        auto ink = [&](int From, int To) {
            return k.Mode == bdRightToLeft ? InkPerColumn(Strip->Canvas(), 300 - To, 300 - From)
                                           : InkPerColumn(Strip->Canvas(), From, To);
        };
        const double solid = ink(120, 150);
        const double end = ink(172, 182);
        ASSERT_GT(solid, 0) << k.Name;
        if (k.EndFaded)
            EXPECT_LT(end, solid * 0.5) << k.Name;
        else
            EXPECT_GT(end, solid * 0.6) << k.Name;
    }
}

} // namespace

namespace {

TEST_F(DeckTabsStrip, InactiveTabsLeaveTheirNeighboursOverlapsUntouched)
{
    // Tabs 0..87, 73..160, 145..232; (80, 25) lies in tabs 0 and 1, (152, 25) in tabs 1 and 2.
    struct Case {
        const char* Name;
        int Active;
        int Tab;
        TPoint Pt;
        bool Drawn; // with SeeThroughTabs off
    } cases[] = {
        {"LeftOfTheActiveTabLiesUnder", 1, 0, {80, 25}, false},
        {"RightOfTheActiveTabLiesUnder", 1, 2, {152, 25}, false},
        {"RightOfAnInactiveTabLiesUnder", 0, 2, {152, 25}, false},
        {"RightOfTheActiveTabLiesUnderIt", 0, 1, {80, 25}, false},
        {"AnInactiveTabCoversItsRightNeighbour", 0, 1, {152, 25}, true},
    };
    AddTabs({"One", "Two", "Three"});
    for (bool seeThrough : {false, true}) {
        Strip->Options()->Display()->Tabs()->SetSeeThroughTabs(seeThrough);
        for (const Case& k : cases) {
            Strip->SetActiveTabIndex(k.Active);
            Settle();
            // Only the tab under test paints, and it paints everything its clip lets through.
            int calls = 0;
            Strip->OnBeforeDrawItem = [&](TObject*, TGPGraphics* Canvas, const TRect&, TDeckTabItemType Type,
                                          int Index, bool& Handled) {
                if (Index < 0)
                    return;
                Handled = true;
                if (Type == itTab && Index == k.Tab) {
                    ++calls;
                    TGPSolidBrush red(MakeColor(255, 0, 0));
                    Canvas->FillRectangle(&red, RectToGPRectF(TRect{0, 0, 300, 30}));
                }
            };
            Strip->Repaint();
            Strip->OnBeforeDrawItem = nullptr;
            const bool drawn = Strip->Canvas()->Pixels(k.Pt.X, k.Pt.Y) == clRed;
            EXPECT_EQ(calls, 1) << k.Name;
            EXPECT_EQ(drawn, seeThrough || k.Drawn) << k.Name << (seeThrough ? " see-through" : "");
        }
    }
}

} // namespace
