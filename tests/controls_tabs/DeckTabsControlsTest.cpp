#include "DeckTabsFixture.h"
#include "FakeDeckTabs.h"
#include "controls/tabs/DeckTabsControls.h"
#include "controls/tabs/DeckTabsDefaults.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"

namespace {

TEST(DeckTabPolygons, DrawToFillsAndOutlinesByFunction)
{
    struct Case {
        const char* Name;
        TDrawToFunctions Functions;
        bool WithBrush, WithPen;
        TColor Inside;
        bool Outlined;
    } cases[] = {
        {"BrushAndPen", dfBrushAndPen, true, true, clRed, true},
        {"BrushOnly", dfBrush, true, true, clRed, false},
        {"PenOnly", dfPen, true, true, clWhite, true},
        {"PenWithoutPen", dfPen, true, false, clWhite, false},
        {"BrushWithoutBrush", dfBrush, false, true, clWhite, false},
    };
    TGPSolidBrush red(MakeColor(255, 0, 0));
    TGPPen blue(MakeColor(0, 0, 255), 1);
    for (const Case& c : cases) {
        TBitmap bmp(20, 20);
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(Rect(0, 0, 20, 20));
        TGPGraphics g(bmp.Canvas()->Handle());
        TDeckTabPolygonsRef list = NewDeckTabPolygons();
        list->AddPolygon({{2, 2}, {17, 2}, {17, 17}, {2, 17}}, c.WithBrush ? &red : nullptr,
                         c.WithPen ? &blue : nullptr);
        list->DrawTo(&g, c.Functions);
        EXPECT_EQ(bmp.Canvas()->Pixels(10, 10), c.Inside) << c.Name;
        EXPECT_EQ(bmp.Canvas()->Pixels(2, 10) == clBlue, c.Outlined) << c.Name;
    }
}

TEST(DeckTabPolygons, KeepsTheCallersPointsAndChains)
{
    TPolygon square{{0, 0}, {4, 0}, {4, 4}, {0, 4}};
    TDeckTabPolygons list;
    EXPECT_EQ(list.AddPolygon(square, nullptr, nullptr)->AddPolygon(square, nullptr, nullptr), &list);
    square[2] = {9, 9};
    EXPECT_EQ(list.PolygonCount(), 2);
    EXPECT_EQ(list.GetPolygons(1)->Polygon[2], (TPoint{9, 9}));
    EXPECT_THROW(list.GetPolygons(2), EListError);
}

TEST(DeckTabsControl, PositioningAnimatesOnlyAfterTheFirstPlace)
{
    TFakeClock clock(0, 1000);
    SetClock(&clock);
    TFakeDeckTabs tabs;
    TAddButtonControl c(&tabs);
    c.SetPosition({0, 0, 10, 10}, 100, ttLinearTween);
    EXPECT_EQ(c.ControlRect(), (TRect{0, 0, 10, 10})) << "the first place is taken at once";
    EXPECT_FALSE(c.AnimateMovement());
    c.SetPosition({100, 0, 110, 10}, 100, ttLinearTween);
    clock.Advance(50);
    EXPECT_TRUE(c.AnimateMovement());
    EXPECT_EQ(c.ControlRect(), (TRect{50, 0, 60, 10}));
    c.SetPosition({100, 0, 110, 10}, 100, ttLinearTween);
    EXPECT_EQ(c.StartRect(), (TRect{0, 0, 10, 10})) << "the same target does not restart";
    clock.Advance(60);
    EXPECT_TRUE(c.AnimateMovement()) << "the step reaching the end";
    EXPECT_EQ(c.ControlRect(), (TRect{100, 0, 110, 10}));
    EXPECT_FALSE(c.AnimateMovement());
    c.SetPosition({5, 0, 15, 10}, 100, ttNone);
    EXPECT_EQ(c.ControlRect(), (TRect{5, 0, 15, 10}));
    EXPECT_FALSE(c.AnimateMovement());
    SetClock(nullptr);
}

TEST(DeckTabsControl, EveryAnimatedMoveReachesItsTarget)
{
    struct Case {
        const char* Name;
        uint64_t StartTicks; // clock when the move starts
        uint32_t Time;
    } cases[] = {
        {"Plain", 1000, 100},
        {"ZeroDurationMovesAtOnce", 1000, 0},
        {"StartsAtTickZero", 0, 100},
        {"StartsWhereThe32BitCountWraps", uint64_t(1) << 32, 100},
    };
    for (const Case& k : cases) {
        TFakeClock clock(0, 500);
        SetClock(&clock);
        TFakeDeckTabs tabs;
        TAddButtonControl c(&tabs);
        c.SetPosition({0, 0, 10, 10}, 0, ttNone);
        clock.SetTicks(k.StartTicks);
        c.SetPosition({100, 0, 110, 10}, k.Time, ttLinearTween);
        for (int i = 0; i < 20 && c.AnimateMovement(); ++i)
            clock.Advance(15);
        EXPECT_EQ(c.ControlRect(), (TRect{100, 0, 110, 10})) << k.Name;
        EXPECT_FALSE(c.AnimateMovement()) << k.Name;
        SetClock(nullptr);
    }
}

TEST(DeckTabsControl, ButtonDrawStatesReportOnlyChangesOrForce)
{
    TFakeDeckTabs tabs;
    TScrollButtonLeftControl c(&tabs);
    c.SetDrawState(dsDisabled, 0, ttNone, false);
    EXPECT_EQ(c.ButtonStyle(), tabs.LookAndFeel->ScrollButtons()->Button()->Disabled());
    tabs.Log.clear();
    c.SetDrawState(dsDisabled, 0, ttNone, false);
    EXPECT_TRUE(tabs.Log.isEmpty());
    c.SetDrawState(dsDisabled, 0, ttNone, true);
    EXPECT_EQ(tabs.Log, QStringList{"-:ControlState"});

    tabs.Options->Display()->AddButton()->SetShowPlusSign(false);
    TAddButtonControl add(&tabs);
    add.SetDrawState(dsDisabled, 0, ttNone, false);
    EXPECT_EQ(add.ButtonStyle(), tabs.LookAndFeel->AddButton()->Button()->Normal()) << "no disabled look";
    add.SetPosition({0, 0, 31, 14}, 0, ttNone);
    EXPECT_EQ(add.GetPolygons()->PolygonCount(), 1) << "plus sign off";
    tabs.Options->Display()->AddButton()->SetShowPlusSign(true);
    EXPECT_EQ(add.GetPolygons()->PolygonCount(), 2);
}

TEST(DeckTabsControl, CloseButtonVisibility)
{
    TFakeDeckTabs tabs;
    tabs.AddTabs({"A", "B"});
    TDeckTab* tab = tabs.Tabs->Items(1);
    TDeckTabControl c(&tabs, tab);
    struct Case {
        const char* Name;
        int Width;
        TCloseButtonVisiblity Visibility;
        bool Active, Pinned, Hide;
        TDrawState State;
        bool Visible;
    } cases[] = {
        {"All", 100, bvAll, false, false, false, dsNotActive, true},
        {"Never", 100, bvNever, false, false, false, dsNotActive, false},
        {"TooNarrow", 54, bvAll, false, false, false, dsNotActive, false},
        {"NarrowButActive", 54, bvAll, true, false, false, dsActive, true},
        {"Pinned", 100, bvAll, false, true, false, dsNotActive, false},
        {"HiddenByTheTab", 100, bvAll, false, false, true, dsNotActive, false},
        {"ActiveOnlyOnInactive", 100, bvActive, false, false, false, dsNotActive, false},
        {"ActiveOnlyOnActive", 100, bvActive, true, false, false, dsActive, true},
    };
    for (const Case& k : cases) {
        tabs.Options->Display()->CloseButton()->SetVisibility(k.Visibility);
        tabs.Options->Display()->CloseButton()->SetAutoHideWidth(20);
        tabs.Options->Display()->Tabs()->SetContentOffsetLeft(18);
        tabs.Options->Display()->Tabs()->SetContentOffsetRight(16);
        tab->SetActive(k.Active);
        tab->SetHideCloseButton(k.Hide);
        if (tab->Pinned() != k.Pinned)
            tab->SetPinned(k.Pinned);
        tab = tabs.Tabs->Items(k.Pinned ? 0 : 1);
        TDeckTabControl control(&tabs, tab);
        control.SetPosition({0, 0, k.Width, 26}, 0, ttNone);
        control.SetDrawState(k.State, 0, ttNone, true);
        EXPECT_EQ(control.CloseButtonVisible(), k.Visible) << k.Name;
        if (tab->Pinned())
            tab->SetPinned(false);
        tab = tabs.Tabs->Items(1);
    }
    (void)c;
}

TEST(DeckTabsControl, ContentRectsMakeRoomForTheImage)
{
    TFakeDeckTabs tabs;
    SetDefaultDeckTabsOptions(tabs.Options);
    tabs.AddTabs({"A"});
    TDeckTabControl c(&tabs, tabs.Tabs->Items(0));
    c.SetPosition({0, 4, 100, 30}, 0, ttNone);
    c.SetDrawState(dsNotActive, 0, ttNone, true);
    TDeckTabControl::TContentRects r = c.CalculateRects();
    EXPECT_FALSE(r.ShowImage);
    EXPECT_TRUE(r.ShowText);
    // Text from one pixel past the (empty) image box to just left of the close button.
    EXPECT_EQ(r.TextRect, (TRect{18 + 1, 4, 100 - 16 - 14 - 2 - 1, 30}));
    EXPECT_EQ(r.CloseButtonRect, (TRect{68, 10, 82, 24}));
    EXPECT_EQ(r.CloseButtonCrossRect, (TRect{72, 14, 78, 20}));
}

TEST_F(DeckTabsStrip, RightToLeftArrowsPointTheOtherWay)
{
    Settle();
    for (TBiDiMode mode : {bdLeftToRight, bdRightToLeft}) {
        Strip->SetBiDiModeAndRedraw(mode);
        TScrollButtonLeftControl* left = Strip->ScrollButtonLeftControl();
        const TPolygon arrow = left->GetPolygons()->GetPolygons(1)->Polygon;
        const TRect r = left->BiDiControlRect();
        const bool tipAtLeft = arrow[0].X < (r.Left + r.Right) / 2;
        EXPECT_EQ(tipAtLeft, mode == bdLeftToRight) << int(mode);
    }
}

} // namespace
