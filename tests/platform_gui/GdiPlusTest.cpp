#include "platform/graphics/Bitmap.h"
#include "platform/graphics/GdiPlus.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Stream.h"
#include <memory>
#include <gtest/gtest.h>

namespace {

// Channels within Tolerance of each other (gradient tables round).
bool Near(TColor a, TColor b, int Tolerance = 2)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= Tolerance && std::abs(GetGValue(a) - GetGValue(b)) <= Tolerance
        && std::abs(GetBValue(a) - GetBValue(b)) <= Tolerance;
}

class GdiPlus : public testing::Test {
protected:
    GdiPlus() : Bmp(40, 40), G(Bmp.Canvas()->Handle()) { G.SetSmoothingMode(SmoothingModeAntiAlias); }
    TColor At(int x, int y) { return Bmp.Canvas()->Pixels(x, y); }

    TBitmap Bmp;
    TGPGraphics G;
};

TEST_F(GdiPlus, LinearGradientTilesPastItsEndPoints)
{
    TGPLinearGradientBrush brush(MakePoint(0, 0), MakePoint(0, 10), MakeColor(255, 0, 0), MakeColor(0, 0, 255));
    G.FillRectangle(&brush, 0, 0, 40, 40);
    for (int y = 1; y < 28; ++y)
        EXPECT_TRUE(Near(At(5, y), At(5, y + 10))) << "row " << y;
    EXPECT_FALSE(Near(At(5, 2), At(5, 7), 40)) << "a gradient, not a flat fill";
    EXPECT_GT(GetRValue(At(5, 1)), GetRValue(At(5, 8))) << "red fades towards blue";
}

TEST_F(GdiPlus, BlendWithThreeFactorsHoldsThenFades)
{
    TGPLinearGradientBrush brush(MakePoint(0, 0), MakePoint(40, 0), MakeColor(0, 0, 0), MakeColor(255, 255, 255));
    const float factors[] = {0, 0, 1};
    const float positions[] = {0, 0.5f, 1};
    brush.SetBlend(factors, positions, 3);
    G.FillRectangle(&brush, 0, 0, 40, 40);
    EXPECT_EQ(At(10, 20), clBlack) << "first half keeps the start colour";
    EXPECT_GT(GetRValue(At(30, 20)), 100);
    EXPECT_LT(GetRValue(At(30, 20)), 160);
}

TEST_F(GdiPlus, OnePixelLinesOnWholeCoordinatesStaySharp)
{
    TGPPen pen(MakeColor(0, 0, 0), 1.0f);
    G.DrawLine(&pen, 0, 5, 30, 5);
    G.DrawLine(&pen, 20, 10, 20, 30);
    EXPECT_EQ(At(10, 5), clBlack);
    EXPECT_EQ(At(10, 4), clWhite);
    EXPECT_EQ(At(10, 6), clWhite);
    EXPECT_EQ(At(20, 20), clBlack);
    EXPECT_EQ(At(19, 20), clWhite);
    EXPECT_EQ(At(21, 20), clWhite);
}

TEST_F(GdiPlus, ClipByPathCombines)
{
    struct ClipCase {
        const char* Name;
        TCombineMode Second;
        TColor AtInner, AtOuter;
    };
    const ClipCase cases[] = {
        {"replace", CombineModeReplace, clRed, clWhite},
        {"intersect", CombineModeIntersect, clRed, clWhite},
        {"exclude", CombineModeExclude, clWhite, clRed},
    };
    TGPSolidBrush red(MakeColor(255, 0, 0));
    TGPSolidBrush white(MakeColor(255, 255, 255));
    for (const ClipCase& c : cases) {
        G.ResetClip();
        G.FillRectangle(&white, -1, -1, 42, 42);
        G.SetClip(TGPRectF{0, 0, 30, 30}, CombineModeReplace);
        TGPGraphicsPath inner;
        const TGPPointF square[] = {{10, 10}, {20, 10}, {20, 20}, {10, 20}};
        inner.AddPolygon(square, 4);
        G.SetClip(&inner, c.Second);
        G.FillRectangle(&red, -1, -1, 42, 42);
        EXPECT_EQ(At(15, 15), c.AtInner) << c.Name;
        EXPECT_EQ(At(5, 5), c.AtOuter) << c.Name;
        EXPECT_EQ(At(35, 35), clWhite) << c.Name << ": outside the first clip";
    }
}

TEST_F(GdiPlus, RestoreBringsBackTheSavedClip)
{
    TGPSolidBrush red(MakeColor(255, 0, 0));
    TGPSolidBrush white(MakeColor(255, 255, 255));
    G.FillRectangle(&white, -1, -1, 42, 42);
    G.SetClip(TGPRectF{0, 0, 20, 40});
    const unsigned state = G.Save();
    G.SetClip(TGPRectF{0, 0, 10, 10}, CombineModeIntersect);
    G.FillRectangle(&red, -1, -1, 42, 42);
    EXPECT_EQ(At(15, 30), clWhite) << "narrowed while saved";
    EXPECT_EQ(G.Restore(state), Ok);
    G.FillRectangle(&red, -1, -1, 42, 42);
    EXPECT_EQ(At(15, 30), clRed) << "the saved clip is back";
    EXPECT_EQ(At(30, 30), clWhite) << "and still clips";
    EXPECT_EQ(G.Restore(state), InvalidParameter) << "a restored state is gone";
}

TEST_F(GdiPlus, RightToLeftStringsStartAtTheRight)
{
    TGPFont font(QStringLiteral("Tahoma"), 8);
    TGPSolidBrush black(MakeColor(0, 0, 0));
    TGPSolidBrush white(MakeColor(255, 255, 255));
    struct Case {
        const char* Name;
        int Flags;
        TStringAlignment Align;
        bool InkAtRight;
    } cases[] = {
        {"LeftToRightNear", 0, StringAlignmentNear, false},
        {"RightToLeftNear", StringFormatFlagsDirectionRightToLeft, StringAlignmentNear, true},
        {"RightToLeftFar", StringFormatFlagsDirectionRightToLeft, StringAlignmentFar, false},
    };
    for (const Case& c : cases) {
        G.FillRectangle(&white, -1, -1, 42, 42);
        TGPStringFormat format(c.Flags | StringFormatFlagsNoWrap);
        format.SetAlignment(c.Align);
        G.DrawString(QStringLiteral("ii"), -1, &font, TGPRectF{0, 0, 40, 20}, &format, &black);
        int left = 0, right = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 40; ++x)
                if (At(x, y) != clWhite)
                    ++(x < 20 ? left : right);
        EXPECT_EQ(right > left, c.InkAtRight) << c.Name << " left " << left << " right " << right;
    }
}

TEST_F(GdiPlus, ArcsRunClockwiseInDegrees)
{
    TGPPen pen(MakeColor(0, 0, 0), 2.0f);
    G.DrawArc(&pen, TGPRectF{0, 0, 30, 30}, 0, 90);
    EXPECT_LT(GetRValue(At(26, 25)), 128) << "lower right quadrant";
    EXPECT_EQ(At(26, 4), clWhite) << "upper right quadrant";
}

TEST_F(GdiPlus, PathGradientGlowsFromTheCentre)
{
    TGPGraphicsPath ellipse;
    ellipse.AddEllipse(0, 0, 40, 40);
    TGPPathGradientBrush glow(&ellipse);
    glow.SetCenterColor(MakeColor(255, 255, 0, 0));
    ARGB surround = MakeColor(255, 0, 0, 255);
    int count = 1;
    glow.SetSurroundColors(&surround, &count);
    G.FillPath(&glow, &ellipse);
    EXPECT_GT(GetRValue(At(20, 20)), 240);
    EXPECT_GT(GetBValue(At(20, 1)), 180);
    EXPECT_EQ(At(1, 1), clWhite) << "outside the ellipse";
}

TEST_F(GdiPlus, StringsDrawAmpersandsAndTrimWithEllipsis)
{
    TGPFont font(QStringLiteral("Tahoma"), 8);
    TGPSolidBrush black(MakeColor(0, 0, 0));
    TGPRectF bounds, plain;
    G.MeasureString(QStringLiteral("&Tab"), -1, &font, TGPRectF{}, nullptr, &bounds);
    G.MeasureString(QStringLiteral("Tab"), -1, &font, TGPRectF{}, nullptr, &plain);
    EXPECT_GT(bounds.Width, plain.Width) << "\"&\" is drawn, not a prefix";

    TGPStringFormat format(StringFormatFlagsNoWrap | StringFormatFlagsNoClip);
    format.SetTrimming(StringTrimmingEllipsisCharacter);
    G.DrawString(QStringLiteral("A caption far too long for its tab"), -1, &font, TGPRectF{0, 0, 30, 20}, &format,
                 &black);
    for (int x = 31; x < 40; ++x)
        for (int y = 0; y < 20; ++y)
            EXPECT_EQ(At(x, y), clWhite) << x << "," << y;
}

TEST(GdiPlusBitmap, KeyColourBecomesTransparent)
{
    TBitmap bmp(4, 4);
    bmp.Canvas()->Brush()->SetColor(clFuchsia);
    bmp.Canvas()->FillRect(Rect(0, 0, 4, 4));
    bmp.Canvas()->SetPixels(1, 1, clNavy);
    TGPBitmap image(&bmp, clFuchsia);
    EXPECT_EQ(image.GetPixel(0, 0) >> 24, 0u);
    EXPECT_EQ(image.GetPixel(1, 1), MakeColor(255, 0, 0, 128));

    TBitmap target(8, 8);
    TGPGraphics g(target.Canvas()->Handle());
    g.DrawImage(&image, 2, 2);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clNavy);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clWhite);
}

TEST(GdiPlusBitmap, IconThroughAStreamKeepsItsAlpha)
{
    // The image list's icon, saved and read back as a GDI+ image.
    TImageList list(4, 4);
    TBitmap strip(4, 4);
    strip.Canvas()->Brush()->SetColor(clFuchsia);
    strip.Canvas()->FillRect(Rect(0, 0, 4, 4));
    strip.Canvas()->SetPixels(2, 2, clGreen);
    list.AddMasked(&strip, clFuchsia);
    TIcon icon;
    list.GetIcon(0, &icon);
    TMemoryStream stream;
    icon.SaveToStream(&stream);
    stream.SetPosition(0);
    std::unique_ptr<TGPImage> image(TGPImage::FromStream(&stream));
    ASSERT_EQ(image->GetLastStatus(), Ok);
    EXPECT_EQ(image->GetWidth(), 4u);

    TBitmap target(4, 4);
    TGPGraphics g(target.Canvas()->Handle());
    g.DrawImage(image.get(), 0, 0);
    EXPECT_EQ(target.Canvas()->Pixels(2, 2), clGreen);
    EXPECT_EQ(target.Canvas()->Pixels(0, 0), clWhite);

    TMemoryStream junk;
    junk.WriteBytes(QByteArray("no picture"));
    junk.SetPosition(0);
    std::unique_ptr<TGPImage> bad(TGPImage::FromStream(&junk));
    EXPECT_EQ(bad->GetLastStatus(), UnknownImageFormat);
}

} // namespace
