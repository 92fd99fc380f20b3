#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/GridBitmaps.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Bitmap.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A white canvas to draw on and read back.
class DrawUtils : public testing::Test {
protected:
    TBitmap Image{40, 30};
    TCanvas* C = Image.Canvas();

    void SetUp() override { Clear(clWhite); }
    void Clear(TColor Color)
    {
        C->Brush()->SetColor(Color);
        C->FillRect(Rect(0, 0, 40, 30));
    }
    TColor Px(int X, int Y) { return C->Pixels(X, Y); }
    // The distinct colours along a row, in order.
    std::vector<TColor> Bands(int Y, int From, int To)
    {
        std::vector<TColor> bands;
        for (int x = From; x < To; ++x)
            if (bands.empty() || bands.back() != Px(x, Y))
                bands.push_back(Px(x, Y));
        return bands;
    }
    int CountColor(const TRect& R, TColor Color)
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x)
                n += Px(x, y) == Color;
        return n;
    }
};

} // namespace

TEST_F(DrawUtils, GradientBandsStepAcrossTheRectangle)
{
    // Width 11: extent 10, 2 steps of 5 pixels: 0, 128 (rounded) and 255.
    FillGradientRect(C, clBlack, clWhite, true, Rect(0, 0, 11, 4), 2);
    EXPECT_EQ(Bands(0, 0, 11), (std::vector<TColor>{0x000000, 0x808080, 0xFFFFFF}));
    EXPECT_EQ(Px(4, 3), 0x000000);
    EXPECT_EQ(Px(5, 0), 0x808080);
    EXPECT_EQ(Px(9, 0), 0x808080);
    EXPECT_EQ(Px(10, 0), 0xFFFFFF);
    EXPECT_EQ(Px(11, 0), clWhite);
    EXPECT_EQ(Px(0, 4), clWhite);

    // Steps 0 draws two bands; more steps than pixels one band per pixel.
    FillGradientRect(C, clBlack, clWhite, false, Rect(20, 0, 22, 5), 0);
    EXPECT_EQ(Px(20, 3), 0x000000);
    EXPECT_EQ(Px(20, 4), 0xFFFFFF);
    FillGradientRect(C, RGB(0, 0, 0), RGB(40, 0, 0), true, Rect(0, 10, 5, 12), 100);
    EXPECT_EQ(Bands(10, 0, 5), (std::vector<TColor>{RGB(0, 0, 0), RGB(10, 0, 0), RGB(20, 0, 0), RGB(30, 0, 0),
                                                   RGB(40, 0, 0)}));

    // One colour missing: solid in the other; both missing: the value itself.
    FillGradientRect(C, clNone, clRed, true, Rect(0, 20, 4, 22), 8);
    EXPECT_EQ(Px(0, 20), clRed);
    EXPECT_EQ(Px(3, 21), clRed);
    Clear(clBlack);
    FillGradientRect(C, clNone, clNone, true, Rect(0, 20, 4, 22), 8);
    EXPECT_EQ(Px(2, 21), 0xFFFFFF);
    // No height: nothing.
    FillGradientRect(C, clRed, clRed, true, Rect(0, 5, 4, 5), 8);
    EXPECT_EQ(Px(0, 5), clBlack);
}

TEST_F(DrawUtils, RoundedSelectionClosedAtBothEnds)
{
    const TColor border = 0x0000AA, corner = 0x00AA00, back = 0xAA0000, top = 0x111111, bottom = 0x222222;
    DrawRoundedSelection(C, clYellow, clNone, 0, Rect(0, 0, 20, 12), back, corner, border, bottom, top, clNone,
                         clNone);
    // r = 19, b = 10, mid = 5
    EXPECT_EQ(Px(0, 0), back);
    EXPECT_EQ(Px(1, 0), corner);
    EXPECT_EQ(Px(0, 1), corner);
    EXPECT_EQ(Px(1, 1), corner);
    EXPECT_EQ(Px(0, 10), back);
    EXPECT_EQ(Px(1, 9), corner);
    EXPECT_EQ(Px(18, 0), back);
    EXPECT_EQ(Px(17, 0), corner);
    EXPECT_EQ(Px(18, 9), corner);
    EXPECT_EQ(Px(5, 0), border);
    EXPECT_EQ(Px(5, 10), border);
    EXPECT_EQ(Px(0, 5), border);
    EXPECT_EQ(Px(18, 5), border);
    EXPECT_EQ(Px(5, 1), top);
    EXPECT_EQ(Px(1, 3), top);
    EXPECT_EQ(Px(17, 3), top);
    EXPECT_EQ(Px(5, 9), bottom);
    EXPECT_EQ(Px(1, 7), bottom);
    EXPECT_EQ(Px(2, 2), clYellow);
    EXPECT_EQ(Px(16, 8), clYellow);
    EXPECT_EQ(Px(17, 8), bottom);
    EXPECT_EQ(Px(19, 5), clWhite);
    EXPECT_EQ(Px(5, 11), clWhite);
}

TEST_F(DrawUtils, RoundedSelectionMiddlePieceAndMirroredInside)
{
    const TColor border = 0x0000AA;
    DrawRoundedSelection(C, RGB(0, 0, 0), RGB(0, 0, 160), 3, Rect(0, 0, 20, 20), clRed, clRed, border, clLime,
                         clLime, RGB(160, 0, 0), RGB(0, 160, 0));
    // Open ends: borders run to the edges, no corner pixels.
    EXPECT_EQ(Px(0, 0), border);
    EXPECT_EQ(Px(0, 18), border);
    EXPECT_EQ(Px(0, 1), clLime);
    EXPECT_EQ(CountColor(Rect(0, 0, 20, 20), clRed), 0);
    // Inside rows 2..16: upper half from black, lower half from green.
    EXPECT_EQ(Px(0, 2), RGB(0, 0, 0));
    EXPECT_EQ(Px(0, 9), RGB(0, 160, 0));
    EXPECT_EQ(Px(18, 16), RGB(160, 0, 0));
}

TEST_F(DrawUtils, MirrorGradientHeaderCell)
{
    DrawMirrorGradientRect(C, Rect(0, 0, 10, 10), clRed, true, false, clBlue, true, clNone, clNone, clNone);
    EXPECT_EQ(Px(5, 5), clRed);
    EXPECT_EQ(Px(5, 10), clRed);
    EXPECT_EQ(Px(0, 0), clBlue);
    EXPECT_EQ(Px(9, 5), clBlue);

    Clear(clWhite);
    DrawMirrorGradientRect(C, Rect(0, 0, 10, 10), clRed, true, true, clBlue, true, clBlack, clLime, clNone);
    EXPECT_EQ(Px(0, 5), clBlue);
    EXPECT_EQ(Px(9, 5), clBlue);
    EXPECT_EQ(Px(5, 0), clRed);
    EXPECT_EQ(Px(5, 5), clLime);
    EXPECT_EQ(Px(5, 9), clBlack);
}

TEST(DrawUtilsColors, ArithmeticAndClamps)
{
    EXPECT_EQ(AdjustBrightness(RGB(250, 100, 0), 7), RGB(255, 107, 0));
    EXPECT_EQ(AdjustBrightness(RGB(200, 100, 10), -20), RGB(160, 80, 8));
    EXPECT_EQ(AdjustBrightness(clRed, -200), RGB(0, 0, 0));
    EXPECT_EQ(HalveColor(clWhite), RGB(127, 127, 127));
    EXPECT_EQ(HalveColor(clBtnFace), RGB(0xF0 >> 1, 0xF0 >> 1, 0xF0 >> 1));
    EXPECT_EQ(InterpolateColor(RGB(0, 0, 0), RGB(100, 200, 50), 0, 5, 10), RGB(50, 100, 25));
    EXPECT_EQ(InterpolateColor(clRed, clNone, 0, 5, 10), clRed);
    EXPECT_EQ(InterpolateColor(clRed, clBlue, 3, 5, 3), clRed);
}

TEST_F(DrawUtils, ProgressBarTextAndFill)
{
    auto bar = [&](const QString& fmt, int max, int min, double value) {
        Clear(clWhite);
        DrawProgressBar(C, Rect(2, 2, 38, 28), clRed, false, clBlack, fmt, max, min, 0, 0, value, clBlack, clLime,
                        clWhite);
    };
    bar(QString(), 100, 0, 150);
    EXPECT_EQ(CountColor(Rect(2, 2, 38, 28), clLime), 0);
    EXPECT_EQ(Px(1, 1), clBlack);
    EXPECT_EQ(Px(0, 0), clWhite);
    bar(QString(), 100, 0, -5);
    EXPECT_EQ(CountColor(Rect(2, 2, 38, 28), clRed), 0);
    bar(QStringLiteral("%.1f km"), 200, 0, 50);
    EXPECT_EQ(Px(2, 3), clRed);
    EXPECT_EQ(Px(10, 3), clRed);
    EXPECT_EQ(Px(11, 3), clLime);
    // Max = Min: empty below, full from Max on.
    bar(QStringLiteral("%d"), 10, 10, 5);
    EXPECT_EQ(Px(3, 3), clLime);
    bar(QStringLiteral("%d"), 10, 10, 10);
    EXPECT_EQ(Px(36, 3), clRed);
}

TEST_F(DrawUtils, ProgressPieFillsClockwiseFromTwelve)
{
    C->Brush()->SetColor(clWhite);
    DrawProgressPie(C, Rect(0, 0, 21, 21), clBlue, false, 25);
    EXPECT_EQ(Px(14, 5), clBlue);
    EXPECT_EQ(Px(5, 5), clWhite);
    EXPECT_EQ(Px(14, 15), clWhite);
}

TEST_F(DrawUtils, RangeIndicator)
{
    DrawRangeIndicator(C, Rect(0, 0, 24, 10), 100, clBlue, clRed, false, 10);
    // Inset 2: half = 10 from x = 12.
    EXPECT_EQ(Px(12, 5), clBlue);
    EXPECT_EQ(Px(21, 5), clBlue);
    EXPECT_EQ(Px(22, 5), clWhite);
    EXPECT_EQ(Px(11, 5), clWhite);
    Clear(clWhite);
    DrawRangeIndicator(C, Rect(0, 0, 24, 10), -5, clBlue, clRed, false, 10);
    EXPECT_EQ(Px(7, 5), clRed);
    EXPECT_EQ(Px(6, 5), clWhite);
    Clear(clWhite);
    DrawRangeIndicator(C, Rect(0, 0, 24, 10), 5, clBlue, clRed, false, 0);
    EXPECT_EQ(CountColor(Rect(0, 0, 24, 10), clWhite), 240);
}

TEST_F(DrawUtils, XPProgressBarLevels)
{
    TXPProgressParams p;
    p.Level0Color = p.Level0ColorTo = RGB(0, 0, 10);
    p.Level1Color = p.Level1ColorTo = RGB(0, 0, 11);
    p.Level2Color = p.Level2ColorTo = RGB(0, 0, 12);
    p.Level3Color = p.Level3ColorTo = RGB(0, 0, 13);
    p.Level1Perc = 30;
    p.Level2Perc = 60;
    p.BackgroundColor = clWhite;
    p.BorderColor = clBlack;
    p.ShowBorder = true;
    p.CompletionSmooth = true;
    const TRect r = Rect(0, 0, 22, 8);
    auto fill = [&](int percent) {
        Clear(clLime);
        DrawXPProgressBar(C, r, percent, p);
        return Px(2, 4);
    };
    EXPECT_EQ(fill(0), clWhite);
    EXPECT_EQ(Px(0, 0), clBlack);
    EXPECT_EQ(fill(10), RGB(0, 0, 10));
    EXPECT_EQ(fill(30), RGB(0, 0, 11));
    EXPECT_EQ(fill(99), RGB(0, 0, 12));
    EXPECT_EQ(fill(100), RGB(0, 0, 13));
    EXPECT_EQ(Px(20, 4), RGB(0, 0, 13));

    // Stacked: each level in its own piece; len = 20.
    p.Stacked = true;
    fill(100);
    EXPECT_EQ(Px(1, 4), RGB(0, 0, 10));
    EXPECT_EQ(Px(7, 4), RGB(0, 0, 11));
    EXPECT_EQ(Px(13, 4), RGB(0, 0, 12));
    EXPECT_EQ(Px(20, 4), RGB(0, 0, 12));

    // Blocks of 7 pixels with gaps of 2.
    p.Stacked = false;
    p.CompletionSmooth = false;
    fill(100);
    EXPECT_EQ(Px(2, 4), RGB(0, 0, 13));
    EXPECT_EQ(Px(8, 4), RGB(0, 0, 13));
    EXPECT_EQ(Px(9, 4), clWhite);
    EXPECT_EQ(Px(11, 4), RGB(0, 0, 13));
}

TEST_F(DrawUtils, CellShapes)
{
    DrawCellShape(C, 0, 0, clBlack, clRed, csCircle, 10, 20);
    EXPECT_EQ(Px(5, 5), clRed);
    EXPECT_EQ(Px(15, 5), clWhite);
    EXPECT_EQ(Px(0, 0), clWhite);

    Clear(clWhite);
    DrawCellShape(C, 0, 0, clBlack, clRed, static_cast<TCellShape>(19), 10, 10);
    EXPECT_EQ(CountColor(Rect(0, 0, 40, 30), clWhite), 1200);

    DrawCellShape(C, 0, 0, clRed, clRed, csStar, 16, 16);
    EXPECT_EQ(Px(8, 8), clRed);
    EXPECT_EQ(Px(8, 3), clRed);
    EXPECT_EQ(Px(1, 1), clWhite);
    DrawCellShape(C, 20, 0, clBlue, clBlue, csHalfStar, 16, 16);
    EXPECT_EQ(Px(26, 8), clBlue);
    EXPECT_EQ(Px(31, 8), clWhite);

    DrawCellShape(C, 0, 20, clBlack, clLime, csRectangle, 8, 12);
    EXPECT_EQ(Px(0, 20), clWhite);
    EXPECT_EQ(Px(1, 21), clBlack);
    EXPECT_EQ(Px(5, 24), clLime);
}

TEST_F(DrawUtils, ErrorUnderlineOnlyUnderTheText)
{
    C->Font()->SetName(QStringLiteral("DejaVu Sans"));
    DrawErrorUnderline(nullptr, C, QStringLiteral("abc"), 2, 3, 10, Rect(0, 0, 40, 20));
    EXPECT_EQ(CountColor(Rect(0, 0, 40, 30), clWhite), 1200);
    DrawErrorUnderline(nullptr, C, QStringLiteral("abcdef"), 2, 1, 10, Rect(0, 0, 40, 20));
    EXPECT_GT(CountColor(Rect(0, 9, 40, 16), clRed), 0);
    EXPECT_EQ(CountColor(Rect(0, 0, 40, 9), clRed), 0);
    EXPECT_EQ(CountColor(Rect(0, 16, 40, 30), clRed), 0);
}

TEST_F(DrawUtils, TransparentBitmapsAndGridGlyphs)
{
    TBitmap glyph(3, 2);
    glyph.Canvas()->Brush()->SetColor(clOlive);
    glyph.Canvas()->FillRect(Rect(0, 0, 3, 2));
    glyph.Canvas()->SetPixels(1, 1, clNavy);
    DrawBitmapTransparent(C, &glyph, clYellow, Rect(5, 5, 6, 6));
    EXPECT_EQ(Px(5, 5), clYellow);
    EXPECT_EQ(Px(6, 6), clNavy);
    EXPECT_EQ(Px(7, 6), clYellow);
    EXPECT_EQ(Px(8, 6), clWhite);

    for (const char* name : {"SGLEAFCLOSE", "SGLEAFOPEN", "XPNODEC", "XPNODEO"}) {
        TBitmap b;
        ASSERT_TRUE(LoadGridBitmap(QString::fromLatin1(name), &b)) << name;
        EXPECT_EQ(b.Canvas()->Pixels(0, 0), clOlive);
        EXPECT_EQ(b.Canvas()->Pixels(0, b.Height() - 1), clOlive);
    }
    TBitmap none;
    EXPECT_FALSE(LoadGridBitmap(QStringLiteral("NOSUCH"), &none));

    Clear(clWhite);
    DrawResourceBitmap(C, clYellow, Rect(0, 0, 20, 20), QStringLiteral("SGLEAFCLOSE"));
    EXPECT_EQ(Px(0, 0), clYellow);
    EXPECT_EQ(Px(5, 5), clBlack);
    DrawResourceBitmap(C, clYellow, Rect(20, 0, 40, 20), QStringLiteral("NOSUCH"));
    EXPECT_EQ(Px(20, 0), clWhite);
}

namespace {

// What the themed path asked of the visual style.
struct ThemeCalls {
    QString ClassName;
    std::vector<std::pair<int, int>> Parts;
};
ThemeCalls* Recorded = nullptr;

} // namespace

TEST_F(DrawUtils, ButtonsInTheirLooks)
{
    TColorTones tones;
    tones.Background = {clSilver, clGray, clBlack};
    tones.Hover = {clYellow, clGray, clBlack};
    tones.Selected = {clLime, clGray, clBlack};
    tones.Disabled = {clGray, clGray, clBlack};

    DrawPushButton(C, nullptr, Rect(0, 0, 20, 10), tones, bsHotState, blColorTones);
    EXPECT_EQ(Px(5, 5), clYellow);
    EXPECT_EQ(Px(0, 0), clGray);

    Clear(clWhite);
    DrawDropDownButton(C, nullptr, Rect(0, 0, 40, 20), tones, bsDownState, blColorTones);
    // Area: x 24..38, y 1..19.
    EXPECT_EQ(Px(30, 3), clLime);
    EXPECT_EQ(Px(25, 3), clGray);
    EXPECT_EQ(Px(31, 9), clBlack);
    EXPECT_EQ(Px(23, 3), clWhite);

    Clear(clWhite);
    DrawSpinButtons(C, nullptr, Rect(0, 1, 40, 21), tones, bsNormalState, blColorTones);
    // Area x 24..39, y 0..20; halves 0..10 and 11..20.
    EXPECT_EQ(Px(26, 8), clSilver);
    EXPECT_EQ(Px(31, 4), clBlack);
    EXPECT_EQ(Px(31, 12), clBlack);
    EXPECT_EQ(Px(26, 10), clWhite);

    // No visual style is active: the themed look draws the classic one.
    TBitmap classic(40, 30), themed(40, 30);
    DrawPushButton(classic.Canvas(), nullptr, Rect(0, 0, 20, 10), tones, bsNormalState, blClassic);
    DrawPushButton(themed.Canvas(), nullptr, Rect(0, 0, 20, 10), tones, bsNormalState, blThemed);
    EXPECT_EQ(classic.SaveToBytes(), themed.SaveToBytes());

    // With a style, the themed look draws its parts through the binding.
    const TThemeBinding saved = ProXPVS;
    ThemeCalls calls;
    Recorded = &calls;
    ProXPVS.OpenThemeData = [](void*, const QString& cls) -> HTHEME {
        Recorded->ClassName = cls;
        return reinterpret_cast<HTHEME>(1);
    };
    ProXPVS.DrawThemeBackground = [](HTHEME, HDC, int part, int state, const TRect*, const TRect*) -> HRESULT {
        Recorded->Parts.push_back({part, state});
        return S_OK;
    };
    DrawSpinButtons(C, nullptr, Rect(0, 0, 40, 20), tones, bsDisabledState, blThemed);
    EXPECT_EQ(calls.ClassName, QStringLiteral("spin"));
    EXPECT_EQ(calls.Parts, (std::vector<std::pair<int, int>>{{1, 4}, {2, 4}}));
    calls.Parts.clear();
    DrawPushButton(C, nullptr, Rect(0, 0, 20, 10), tones, bsDownState, blThemed);
    EXPECT_EQ(calls.ClassName, QStringLiteral("button"));
    EXPECT_EQ(calls.Parts, (std::vector<std::pair<int, int>>{{1, 3}}));
    ProXPVS = saved;
    Recorded = nullptr;
}
