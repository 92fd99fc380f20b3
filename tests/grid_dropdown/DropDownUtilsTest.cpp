#include "grid/dropdown/DropDownUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include <gtest/gtest.h>

namespace {

class DrawGradientTest : public testing::Test {
protected:
    TBitmap Image{120, 40};
    TCanvas* C = Image.Canvas();

    void SetUp() override
    {
        C->Brush()->SetColor(clWhite);
        C->FillRect(Rect(0, 0, 120, 40));
    }
    TColor Px(int X, int Y) { return C->Pixels(X, Y); }
};

} // namespace

TEST_F(DrawGradientTest, BandsOfAHundredPixelsInEightySteps)
{
    // d = 99 / 80 = 1.2375: band n starts at Round(n * d), is 2 pixels wide
    // and has red = n; a later band covers the overlap.
    DrawGradient(C, RGB(0, 0, 0), RGB(80, 0, 0), 80, Rect(0, 0, 100, 10), true);
    const struct {
        int X;
        TColor Color;
    } cases[] = {{0, 0}, {1, 1}, {2, 2}, {3, 2}, {4, 3}, {5, 4}, {97, 78}, {98, 79}, {99, 79}, {100, clWhite}};
    for (const auto& c : cases)
        EXPECT_EQ(Px(c.X, 5), c.Color) << "x = " << c.X;
    EXPECT_EQ(Px(50, 9), Px(50, 0));
    EXPECT_EQ(Px(50, 10), clWhite);
}

TEST_F(DrawGradientTest, VerticalBandsAndDegenerateSteps)
{
    // The search panel's gradient: 32 steps down the height.
    DrawGradient(C, clBlack, RGB(0, 0, 64), 32, Rect(10, 0, 20, 33), false);
    EXPECT_EQ(Px(15, 0), RGB(0, 0, 0));
    EXPECT_EQ(Px(15, 1), RGB(0, 0, 2));
    EXPECT_EQ(Px(15, 32), RGB(0, 0, 62));
    EXPECT_EQ(Px(9, 5), clWhite);
    EXPECT_EQ(Px(20, 5), clWhite);

    // Steps 0 is one band of the start colour; equal colours paint one colour.
    DrawGradient(C, clRed, clBlue, 0, Rect(30, 0, 40, 10), true);
    EXPECT_EQ(Px(30, 0), clRed);
    EXPECT_EQ(Px(39, 9), clRed);
    DrawGradient(C, clLime, clLime, 7, Rect(50, 0, 60, 10), true);
    for (int x = 50; x < 60; ++x)
        EXPECT_EQ(Px(x, 3), clLime) << x;

    // System colours are converted first; a negative count draws nothing.
    DrawGradient(C, clBtnFace, clBtnFace, 3, Rect(70, 0, 80, 10), true);
    EXPECT_EQ(Px(75, 5), ColorToRGB(clBtnFace));
    DrawGradient(C, clBlack, clBlack, -3, Rect(90, 0, 100, 10), true);
    EXPECT_EQ(Px(95, 5), clWhite);
}

namespace {

struct TClassifyCase {
    const char* Name;
    const char* Text;
    int Kind;
};

const TClassifyCase ClassifyCases[] = {
    {"Integer", "123", 0},          {"NegativeInteger", "-12", 0}, {"Float", "1.5", 1},
    {"GroupedFloat", "1,234.5", 1}, {"GroupsTooNear", "1,2,3", 2}, {"GroupsThreeApart", "1,23,4", 1},
    {"Hex", "1A", 5},               {"TwoMinus", "--1", 2},        {"Empty", "", 2},
    {"TwoSeparators", "1.2.3", 2},  {"Text", "xyz", 2},
};

class ClassifyTextTest : public testing::TestWithParam<TClassifyCase> {};

TEST_P(ClassifyTextTest, KindOfText)
{
    EXPECT_EQ(ClassifyText(QString::fromUtf8(GetParam().Text)), GetParam().Kind);
}

INSTANTIATE_TEST_SUITE_P(DropDownUtils, ClassifyTextTest, testing::ValuesIn(ClassifyCases),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace

TEST(DropDownUtils, ColourBlendAndShade)
{
    EXPECT_EQ(ProDropDownUnit::BlendColor(clWhite, clBlack, 50), TColor(0x808080));
    // Out of range returns a colour unconverted, even a system colour.
    EXPECT_EQ(ProDropDownUnit::BlendColor(clBtnFace, clBlack, 150), clBtnFace);
    EXPECT_EQ(ProDropDownUnit::BlendColor(clWhite, clBtnFace, 0), clBtnFace);
    EXPECT_EQ(ShadeColor(0x808080, -10, -10, -10), TColor(0x737373));
    EXPECT_EQ(ShadeColor(0x808080, 20, 20, 20), TColor(0x808080));
    EXPECT_EQ(ShadeColor(0x000080, 0, 20, 0), TColor(0x001480));
}

TEST(DropDownUtils, HexAndSeparators)
{
    EXPECT_EQ(HexToInt(QStringLiteral("FF")), 255);
    EXPECT_EQ(HexToInt(QStringLiteral("1G")), 16);
    EXPECT_EQ(RemoveThousandSeparators(QStringLiteral("1,234,567")), QStringLiteral("1234567"));
    EXPECT_TRUE(IsRangeSeparator(u';'));
    EXPECT_FALSE(IsRangeSeparator(u'.'));
    EXPECT_EQ(CaseText(QStringLiteral("ab"), false), QStringLiteral("AB"));
}

TEST(DropDownUtils, TruncateText)
{
    TBitmap image(10, 10);
    TCanvas* c = image.Canvas();
    const QString text = QStringLiteral("A rather long caption");
    EXPECT_EQ(TruncateText(c, text, 1000, true), text);
    const QString cut = TruncateText(c, text, c->TextWidth(QStringLiteral("A rather...")) + 1, true);
    EXPECT_EQ(cut, QStringLiteral("A rather..."));
    // Nothing narrow enough: with the ellipsis the whole text, without it empty.
    EXPECT_EQ(TruncateText(c, text, c->TextWidth(QStringLiteral("...")), true), text);
    EXPECT_EQ(TruncateText(c, text, 1, false), QString());
}
