#include "controls/tabs/DeckTabControlPropertyItems.h"
#include "controls/tabs/DeckTabsLookAndFeel.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>

namespace {

class StyleTransition : public testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        // StartAlpha 0 -> 100 shows the eased percentage directly.
        Target.SetStartAlpha(100);
        Target.SetStopAlpha(200);
        Target.SetStartColor(0x0000C8);
        Target.SetStopColor(0x6400C8);
        Target.SetOutlineColor(0x000064);
        Target.SetOutlineAlpha(100);
        Target.SetOutlineSize(2.0f);
        Font.SetColor(0x000064);
        Font.SetSize(9);
        Font.SetAlpha(200);
    }
    void TearDown() override { SetClock(nullptr); }

    TFakeClock Clock{0, 5000};
    TDeckTabsLookAndFeelStyle Target{nullptr};
    TDeckTabsLookAndFeelFont Font{nullptr};
    TDeckTabControlPropertyItems Items;
};

struct PartWayCase {
    const char* Name;
    TDeckTabsEaseType Ease;
    uint32_t Duration, Elapsed;
    int Percent;
};
void PrintTo(const PartWayCase& c, std::ostream* os) { *os << c.Name; }

class StyleTransitionPartWay : public StyleTransition, public testing::WithParamInterface<PartWayCase> {};

TEST_P(StyleTransitionPartWay, CurrentValuesFollowTheEasedPercentage)
{
    const PartWayCase& c = GetParam();
    Items.SetProperties(&Target, &Font, nullptr, c.Duration, c.Ease);
    Clock.Advance(c.Elapsed);
    ASSERT_TRUE(Items.TransformColors(false));
    const TDeckTabControlProperties& now = Items.CurrentTabProperties();
    EXPECT_EQ(now.StartAlpha, c.Percent);
    EXPECT_EQ(now.StopAlpha, 2 * c.Percent);
    EXPECT_EQ(now.StartColor, TweenColor(0, 0x0000C8, c.Percent));
    EXPECT_EQ(now.StopColor, TweenColor(0, 0x6400C8, c.Percent));
    EXPECT_EQ(now.FontColor, c.Percent);
    EXPECT_EQ(now.FontSize, 9 * c.Percent / 100);
    EXPECT_FLOAT_EQ(now.OutlineSize, 2.0f * float(c.Percent) / 100);
    EXPECT_EQ(Items.CurrentTickCount(), std::min(c.Elapsed, c.Duration));
}

const PartWayCase PartWayCases[] = {
    {"LinearAtStart", ttLinearTween, 200, 0, 0},
    {"LinearQuarter", ttLinearTween, 200, 50, 25},
    {"LinearHalfRoundsToEven", ttLinearTween, 200, 1, 0},   // 0.5 -> 0
    {"LinearOneAndAHalfRoundsToEven", ttLinearTween, 200, 3, 2}, // 1.5 -> 2
    {"LinearAtEnd", ttLinearTween, 200, 200, 100},
    {"LinearPastEndIsCapped", ttLinearTween, 200, 900, 100},
    {"InQuadHalf", ttEaseInQuad, 100, 50, 25},
    {"OutQuadHalf", ttEaseOutQuad, 100, 50, 75},
    {"OutExpoEndsShort", ttEaseOutExpo, 100, 100, 100}, // 99.9 rounds up
    {"InOutCubicQuarter", ttEaseInOutCubic, 100, 25, 6},  // 6.25
};

INSTANTIATE_TEST_SUITE_P(DeckTabControlPropertyItems, StyleTransitionPartWay, testing::ValuesIn(PartWayCases),
                         [](const testing::TestParamInfo<PartWayCase>& info) { return std::string(info.param.Name); });

TEST_F(StyleTransition, NothingToDoBeforeTheFirstStartAndAfterTheEnd)
{
    EXPECT_FALSE(Items.Started());
    EXPECT_FALSE(Items.TransformColors(false));
    Items.SetProperties(&Target, &Font, nullptr, 100, ttLinearTween);
    EXPECT_TRUE(Items.Running());
    Clock.Advance(100);
    EXPECT_TRUE(Items.TransformColors(false)); // the step that reaches 100 %
    EXPECT_FALSE(Items.Running());
    EXPECT_FALSE(Items.TransformColors(false));
}

TEST_F(StyleTransition, StartingAtTickZeroStillRuns)
{
    Clock.SetTicks(0);
    Items.SetProperties(&Target, &Font, nullptr, 100, ttLinearTween);
    EXPECT_TRUE(Items.Started());
    Clock.Advance(50);
    ASSERT_TRUE(Items.TransformColors(false));
    EXPECT_EQ(Items.CurrentTabProperties().StartAlpha, 50);
}

TEST_F(StyleTransition, LongUptimeDoesNotWrap)
{
    Clock.SetTicks(0xFFFFFFF0ull); // 32-bit tick counts wrap here
    Items.SetProperties(&Target, &Font, nullptr, 100, ttLinearTween);
    Clock.Advance(40);
    ASSERT_TRUE(Items.TransformColors(false));
    EXPECT_EQ(Items.CurrentTabProperties().StartAlpha, 40);
}

TEST_F(StyleTransition, NoEaseOrNoDurationShowsTheTargetAtOnce)
{
    for (auto [ease, duration] : {std::pair{ttNone, 300u}, std::pair{ttLinearTween, 0u}, std::pair{ttEaseOutExpo, 0u}}) {
        TDeckTabControlPropertyItems items;
        items.SetProperties(&Target, &Font, nullptr, duration, ease);
        EXPECT_EQ(items.CurrentTabProperties().StartAlpha, 100) << ease;
        EXPECT_EQ(items.CurrentTabProperties().StartColor, 0x0000C8) << ease;
        EXPECT_EQ(items.EndTickCount(), 0u) << ease;
        EXPECT_FALSE(items.TransformColors(false)) << ease;
    }
}

TEST_F(StyleTransition, ANewTransitionStartsFromTheValuesShown)
{
    Items.SetProperties(&Target, &Font, nullptr, 100, ttLinearTween);
    Clock.Advance(50);
    Items.TransformColors(false);
    TDeckTabsLookAndFeelStyle back(nullptr);
    back.SetStartAlpha(0);
    Items.SetProperties(&back, &Font, nullptr, 100, ttLinearTween);
    EXPECT_EQ(Items.StartTabProperties().StartAlpha, 50);
    Clock.Advance(50);
    Items.TransformColors(false);
    EXPECT_EQ(Items.CurrentTabProperties().StartAlpha, 25);
}

TEST_F(StyleTransition, EndAnimationKeepsTheValuesShown)
{
    Items.SetProperties(&Target, &Font, nullptr, 100, ttLinearTween);
    Clock.Advance(30);
    Items.TransformColors(false);
    Items.EndAnimation();
    Clock.Advance(70);
    EXPECT_FALSE(Items.TransformColors(false));
    EXPECT_EQ(Items.CurrentTabProperties().StartAlpha, 30);
    EXPECT_EQ(Items.CurrentTickCount(), 100u);
}

TEST_F(StyleTransition, FontComesFromTheDefaultFontThenTheStyleFontThenTheDefaults)
{
    TDeckTabsLookAndFeelBaseFont defaultFont(nullptr);
    defaultFont.SetName(QStringLiteral("DejaVu Sans"));
    defaultFont.SetSize(12);
    Font.SetName(QStringLiteral("Arial"));
    Font.SetTextRendoringMode(TextRenderingHintAntiAlias);

    Items.SetProperties(&Target, &Font, &defaultFont, 100, ttNone);
    EXPECT_EQ(Items.StopTabProperties().FontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(Items.StopTabProperties().FontSize, 12);
    Items.SetProperties(&Target, &Font, nullptr, 100, ttNone);
    EXPECT_EQ(Items.StopTabProperties().FontName, QStringLiteral("Arial"));
    EXPECT_EQ(Items.StopTabProperties().TextRendoringMode, TextRenderingHintAntiAlias);
    Items.SetProperties(&Target, nullptr, nullptr, 100, ttNone);
    EXPECT_EQ(Items.StopTabProperties().FontName, QStringLiteral("Segoe UI"));
    EXPECT_EQ(Items.StopTabProperties().FontSize, 9);
    EXPECT_EQ(Items.StopTabProperties().FontAlpha, 255);
    // Name and rendering mode are read from the target, never tweened.
    EXPECT_TRUE(Items.CurrentTabProperties().FontName.isEmpty());
}

} // namespace
