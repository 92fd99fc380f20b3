// The glow pieces: the blur and its kernel, the glow mask and the alpha
// mask built from it.
#include "grid/foundation/GlowWindow.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

TBitmap* Make24(TBitmap& B, int W, int H, TColor Fill)
{
    B.SetPixelFormat(pf24bit);
    B.SetSize(W, H);
    B.Canvas()->Brush()->SetColor(Fill);
    B.Canvas()->FillRect(TRect(0, 0, W, H));
    return &B;
}

TEST(Blur, KernelRadiusShrinksWithTheRadiusAndSumsToOne)
{
    const TBlurKernel k3 = MakeBlurKernel(3);
    EXPECT_LT(k3.Size, 10);
    EXPECT_GT(k3.Size, 3);
    double sum = 0;
    for (int i = -k3.Size; i <= k3.Size; ++i)
        sum += k3.Weight(i);
    EXPECT_NEAR(sum, 1.0, 1e-6);
    EXPECT_FLOAT_EQ(k3.Weight(2), k3.Weight(-2));
    EXPECT_EQ(MakeBlurKernel(0.3).Size, 1);
}

TEST(Blur, OnlyTwentyFourBitBitmaps)
{
    TBitmap b(4, 4);
    b.SetPixelFormat(pf32bit);
    try {
        BlurBitmap(&b, 2);
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Blur only works for 24-bit bitmaps"));
    }
}

TEST(Blur, UniformWhiteStaysWhiteAndASpotSpreadsEvenly)
{
    TBitmap white;
    BlurBitmap(Make24(white, 9, 7, clWhite), 2);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(white.Canvas()->Pixels(x, y), clWhite) << x << "," << y;

    TBitmap spot;
    Make24(spot, 9, 9, clBlack);
    spot.Canvas()->SetPixels(4, 4, clWhite);
    BlurBitmap(&spot, 1);
    TCanvas* c = spot.Canvas();
    const int centre = GetRValue(c->Pixels(4, 4));
    EXPECT_GT(centre, 0);
    EXPECT_LT(centre, 255);
    EXPECT_EQ(c->Pixels(3, 4), c->Pixels(5, 4));
    EXPECT_EQ(c->Pixels(4, 3), c->Pixels(4, 5));
    EXPECT_GT(GetRValue(c->Pixels(3, 4)), GetRValue(c->Pixels(2, 4)));
    EXPECT_EQ(c->Pixels(0, 0), clBlack);
}

TEST(GlowMask, WhiteRoundedFrameOnBlack)
{
    TBitmap b;
    DrawGlowMask(&b, 40, 30, 4, 5, 0);
    EXPECT_EQ(b.PixelFormat(), pf24bit);
    EXPECT_EQ(b.Width(), 40);
    EXPECT_EQ(b.Height(), 30);
    TCanvas* c = b.Canvas();
    EXPECT_EQ(c->Pixels(0, 0), clBlack);
    EXPECT_EQ(c->Pixels(20, 15), clBlack);
    EXPECT_EQ(c->Pixels(5, 15), clWhite);
    EXPECT_EQ(c->Pixels(20, 5), clWhite);
    EXPECT_EQ(c->Pixels(39, 29), clBlack);
}

TEST(AlphaMask, MergeScalesByTheMasksRedChannel)
{
    TBitmap colour;
    Make24(colour, 4, 3, RGB(200, 100, 50));
    TBitmap mask;
    Make24(mask, 4, 3, RGB(128, 0, 0));
    mask.Canvas()->SetPixels(0, 0, clBlack);
    TGridAlphaMask a;
    a.MergeMask(&mask, &colour, clRed);
    ASSERT_EQ(a.Width(), 4);
    const auto* p = static_cast<const unsigned char*>(a.ScanLine(1));
    EXPECT_EQ(p[0], 25);  // blue 50 x 128 / 255
    EXPECT_EQ(p[1], 50);
    EXPECT_EQ(p[2], 100);
    EXPECT_EQ(p[3], 128);
    const auto* q = static_cast<const unsigned char*>(a.ScanLine(0));
    EXPECT_EQ(q[0] | q[1] | q[2] | q[3], 0);

    // A 32-bit colour bitmap changes nothing.
    TBitmap wide(2, 2);
    wide.SetPixelFormat(pf32bit);
    a.MergeMask(&mask, &wide, clRed);
    EXPECT_EQ(a.Width(), 4);
    // A smaller mask leaves the rest transparent.
    TBitmap small;
    Make24(small, 2, 2, clWhite);
    a.MergeMask(&small, &colour, clRed);
    EXPECT_EQ(static_cast<const unsigned char*>(a.ScanLine(0))[3], 255);
    EXPECT_EQ(static_cast<const unsigned char*>(a.ScanLine(2))[3], 0);
    EXPECT_EQ(static_cast<const unsigned char*>(a.ScanLine(0))[3 * 4 + 3], 0);
}

TEST(AlphaMask, AssignFromAnotherSizeResizes)
{
    TBitmap colour;
    Make24(colour, 5, 4, clWhite);
    TBitmap mask;
    Make24(mask, 5, 4, clWhite);
    TGridAlphaMask src;
    src.MergeMask(&mask, &colour, clRed);
    src.SetOpacity(77);
    TGridAlphaMask dst;
    dst.SetSize(2, 2);
    dst.Assign(&src);
    EXPECT_EQ(dst.Width(), 5);
    EXPECT_EQ(dst.Height(), 4);
    EXPECT_EQ(dst.Opacity(), 77);
    EXPECT_EQ(dst.PixelFormat(), pf32bit);
    EXPECT_EQ(static_cast<const unsigned char*>(dst.ScanLine(3))[4 * 4 + 3], 255);
}

} // namespace
