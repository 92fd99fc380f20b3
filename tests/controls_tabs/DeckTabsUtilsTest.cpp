#include "controls/tabs/DeckTabsUtils.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

// Eased values as fractions of the change, at 0, 1/4, 1/2 and all of the duration.
struct EaseCase {
    const char* Name;
    TDeckTabsEaseType Type;
    double Start, Quarter, Half, End;
};
void PrintTo(const EaseCase& c, std::ostream* os) { *os << c.Name; }

const EaseCase EaseCases[] = {
    {"LinearTween", ttLinearTween, 0, 0.25, 0.5, 1},
    {"EaseInQuad", ttEaseInQuad, 0, 0.0625, 0.25, 1},
    {"EaseOutQuad", ttEaseOutQuad, 0, 0.4375, 0.75, 1},
    {"EaseInOutQuad", ttEaseInOutQuad, 0, 0.125, 0.5, 1},
    {"EaseInCubic", ttEaseInCubic, 0, 0.015625, 0.125, 1},
    {"EaseOutCubic", ttEaseOutCubic, 0, 0.578125, 0.875, 1},
    {"EaseInOutCubic", ttEaseInOutCubic, 0, 0.0625, 0.5, 1},
    {"EaseInQuart", ttEaseInQuart, 0, 0.00390625, 0.0625, 1},
    {"EaseOutQuart", ttEaseOutQuart, 0, 0.68359375, 0.9375, 1},
    {"EaseInOutQuart", ttEaseInOutQuart, 0, 0.03125, 0.5, 1},
    {"EaseInQuint", ttEaseInQuint, 0, 0.0009765625, 0.03125, 1},
    {"EaseOutQuint", ttEaseOutQuint, 0, 0.7626953125, 0.96875, 1},
    {"EaseInOutQuint", ttEaseInOutQuint, 0, 0.015625, 0.5, 1},
    {"EaseInSine", ttEaseInSine, 0, 0.0761205, 0.2928932, 1},
    {"EaseOutSine", ttEaseOutSine, 0, 0.3826834, 0.7071068, 1},
    {"EaseInOutSine", ttEaseInOutSine, 0, 0.1464466, 0.5, 1},
    // The exponential types do not meet their ends.
    {"EaseInExpo", ttEaseInExpo, 1.0 / 1024, 0.0055243, 0.03125, 1},
    {"EaseOutExpo", ttEaseOutExpo, 0, 0.8232233, 0.96875, 1023.0 / 1024},
    {"EaseInOutExpo", ttEaseInOutExpo, 1.0 / 2048, 0.015625, 0.5, 2047.0 / 2048},
    {"EaseInCirc", ttEaseInCirc, 0, 0.0317542, 0.1339746, 1},
    {"EaseOutCirc", ttEaseOutCirc, 0, 0.6614378, 0.8660254, 1},
    {"EaseInOutCirc", ttEaseInOutCirc, 0, 0.0669873, 0.5, 1},
};

class EasedValueTest : public testing::TestWithParam<EaseCase> {};

TEST_P(EasedValueTest, FollowsTheCurveFromStartToEnd)
{
    const EaseCase& c = GetParam();
    // Start 10, change -80, duration 200: a falling value catches sign slips.
    const double b = 10, change = -80, d = 200;
    EXPECT_NEAR(EasedValue(0, b, change, d, c.Type), b + change * c.Start, 1e-9);
    EXPECT_NEAR(EasedValue(d / 4, b, change, d, c.Type), b + change * c.Quarter, 1e-5);
    EXPECT_NEAR(EasedValue(d / 2, b, change, d, c.Type), b + change * c.Half, 1e-5);
    EXPECT_NEAR(EasedValue(d, b, change, d, c.Type), b + change * c.End, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(DeckTabsUtils, EasedValueTest, testing::ValuesIn(EaseCases),
                         [](const testing::TestParamInfo<EaseCase>& info) { return std::string(info.param.Name); });

TEST(DeckTabsUtils, EaseNoneIsZeroNotTheStartValue)
{
    for (double t : {0.0, 50.0, 100.0})
        EXPECT_EQ(EasedValue(t, 10, 80, 100, ttNone), 0);
}

TEST(DeckTabsUtils, UnknownEaseTypeFailsTheAssertion)
{
    try {
        EasedValue(1, 0, 1, 2, TDeckTabsEaseType(DeckTabsEaseTypeCount));
        FAIL() << "no assertion";
    } catch (const EAssertionFailed& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid Ease Type"));
    }
}

TEST(DeckTabsUtils, TweenRectEasesEachEdgeAndEndsOnTheTarget)
{
    const TRect from{0, 0, 100, 20}, to{50, 10, 151, 31};
    EXPECT_EQ(TweenRect(from, to, 50, 100, ttLinearTween), (TRect{25, 5, 126, 26})); // 125.5 and 25.5 to even
    for (TDeckTabsEaseType type : {ttLinearTween, ttEaseInQuad, ttEaseOutCubic, ttEaseInOutSine, ttEaseOutCirc})
        EXPECT_EQ(TweenRect(from, to, 100, 100, type), to) << type;
    EXPECT_EQ(TweenRect(from, to, 100, 100, ttEaseOutExpo), (TRect{50, 10, 151, 31}));
    EXPECT_EQ(TweenRect(from, to, 0, 100, ttEaseInExpo), (TRect{0, 0, 100, 20}));
    EXPECT_EQ(TweenRect(from, to, 50, 100, ttNone), (TRect{0, 0, 0, 0}));
}

TEST(DeckTabsUtils, TweenRectWithoutDurationGivesTheTargetAtOnce)
{
    const TRect from{0, 0, 100, 20}, to{50, 10, 150, 30};
    for (TDeckTabsEaseType type : {ttLinearTween, ttEaseOutExpo, ttEaseInOutQuad})
        EXPECT_EQ(TweenRect(from, to, 0, 0, type), to) << type;
}

TEST(DeckTabsUtils, TweenIntegerTruncatesTowardsZero)
{
    struct Case {
        int Start, Stop, Percent, Expected;
    } cases[] = {
        {10, 0, 33, 7},     // 10 + (-330 div 100)
        {0, 10, 33, 3},
        {0, -10, 33, -3},
        {5, 5, 50, 5},
        {0, 100, 150, 150}, // no clamping
        {255, 0, 100, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TweenInteger(c.Start, c.Stop, c.Percent), c.Expected)
            << c.Start << " " << c.Stop << " " << c.Percent;
    EXPECT_FLOAT_EQ(TweenSingle(1.0f, 2.0f, 50), 1.5f);
    EXPECT_FLOAT_EQ(TweenSingle(2.0f, 1.0f, 25), 1.75f);
}

TEST(DeckTabsUtils, TweenColorTweensEachByte)
{
    struct Case {
        const char* Name;
        TColor Start, Stop;
        int Percent;
        TColor Expected;
    } cases[] = {
        {"RedToGreenHalfway", 0x0000FF, 0x00FF00, 50, 0x007F80},
        {"Start", 0x123456, 0xABCDEF, 0, 0x123456},
        {"End", 0x123456, 0xABCDEF, 100, 0xABCDEF},
        {"BlueOnlyMoves", 0x100000, 0x200000, 50, 0x180000},
        // The system-colour flag byte is dropped, not resolved.
        {"SystemColourNotResolved", clGradientActiveCaption, 0x000000, 0, 0x00001B},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TweenColor(c.Start, c.Stop, c.Percent), c.Expected) << c.Name;
}

TEST(DeckTabsUtils, MakeGPColorPutsAlphaAboveResolvedRgb)
{
    EXPECT_EQ(MakeGPColor(0x0000FF, 128), 0x80FF0000u);
    EXPECT_EQ(MakeGPColor(0xFF8040, 255), 0xFF4080FFu);
    EXPECT_EQ(MakeGPColor(clGradientActiveCaption, 255), MakeColor(255, 185, 209, 234));
}

TEST(DeckTabsUtils, RectangleHelpers)
{
    const TRect r{10, 2, 30, 18};
    EXPECT_EQ(RectWidth(r), 20);
    EXPECT_EQ(RectHeight(r), 16);
    EXPECT_EQ(ShrinkRect(r, 2), (TRect{12, 4, 28, 16}));
    EXPECT_TRUE(RectsEqual(r, TRect{10, 2, 30, 18}));
    EXPECT_FALSE(RectsEqual(r, TRect{10, 2, 30, 17}));
    EXPECT_EQ(MirrorRect({0, 0, 100, 20}, r), (TRect{70, 2, 90, 18}));
    EXPECT_EQ(MirrorRect({10, 0, 110, 20}, r), (TRect{90, 2, 110, 18}));
    const TGPRectF f = RectToGPRectF(r);
    EXPECT_EQ(f.X, 10);
    EXPECT_EQ(f.Width, 20);
    EXPECT_EQ(RectToGPRect(r).Height, 16);
    EXPECT_EQ(PointToGPPoint({3, -4}).Y, -4);
}

TEST(DeckTabsUtils, MirrorPolygonChangesThePointsInPlace)
{
    TPolygon p{{10, 0}, {30, 5}};
    TPolygon shared = p;
    TPolygon result = MirrorPolygon({0, 0, 100, 20}, p);
    EXPECT_TRUE(result.SameArray(p));
    EXPECT_EQ(shared[0], (TPoint{90, 0}));
    EXPECT_EQ(shared[1], (TPoint{70, 5}));
}

TEST(DeckTabsUtils, PolygonFromPointsTurnsShapesForTheBottom)
{
    const std::vector<TPoint> shape{{0, 20}, {5, 0}, {40, 0}, {45, 20}};
    const TPolygon top = PolygonFromPoints({100, 10, 145, 30}, shape, toTop);
    const TPolygon bottom = PolygonFromPoints({100, 10, 145, 30}, shape, toBottom);
    ASSERT_EQ(top.Length(), 4);
    EXPECT_EQ(top[0], (TPoint{100, 30}));
    EXPECT_EQ(top[2], (TPoint{140, 10}));
    EXPECT_EQ(bottom[0], (TPoint{100, 10}));
    EXPECT_EQ(bottom[2], (TPoint{140, 30}));
    EXPECT_EQ(PolygonFromPoints({0, 0, 1, 1}, {}, toTop).Length(), 0);
}

TEST(DeckTabsUtils, PointInPolygonCountsLeftAndTopEdgesOnly)
{
    const TPolygon square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    const TPolygon triangle{{0, 0}, {20, 0}, {0, 20}};
    struct Case {
        const char* Name;
        const TPolygon& Polygon;
        int X, Y;
        bool Inside;
    } cases[] = {
        {"Centre", square, 5, 5, true},
        {"RightEdge", square, 10, 5, false},
        {"TopLeftCorner", square, 0, 0, true},
        {"BottomEdge", square, 5, 10, false},
        {"LeftEdge", square, 0, 9, true},
        {"Left", square, -1, 5, false},
        {"Above", square, 5, -1, false},
        {"TriangleInside", triangle, 5, 5, true},
        {"TriangleBeyondHypotenuse", triangle, 15, 15, false},
        {"TriangleOnHypotenuse", triangle, 10, 10, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PointInPolygon(c.Polygon, c.X, c.Y), c.Inside) << c.Name;
    EXPECT_FALSE(PointInPolygon(TPolygon(), 0, 0));
}

} // namespace

namespace {

TEST(DeckTabsUtils, ClipToPolygonLimitsLaterDrawing)
{
    TGPBitmap bitmap(20, 20);
    {
        TGPGraphics graphics(&bitmap);
        ClipToPolygon(&graphics, TPolygon{{0, 0}, {20, 0}, {0, 20}}, CombineModeReplace);
        ClipToPolygon(&graphics, TPolygon{{0, 0}, {10, 0}, {10, 20}, {0, 20}}, CombineModeIntersect);
        TGPSolidBrush brush(MakeColor(255, 0, 0));
        graphics.FillRectangle(&brush, 0, 0, 20, 20);
    }
    EXPECT_EQ(bitmap.GetPixel(3, 3) >> 24, 255u);  // in both
    EXPECT_EQ(bitmap.GetPixel(14, 2) >> 24, 0u);   // in the triangle only
    EXPECT_EQ(bitmap.GetPixel(5, 18) >> 24, 0u);   // in the rectangle only
}

} // namespace
