#include "controls/tabs/DeckTabsDragImage.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <gtest/gtest.h>

namespace {

uint8_t* Pixel(TBitmap& B, int X, int Y) { return static_cast<uint8_t*>(B.ScanLine(Y)) + 4 * X; }

TEST(DeckTabsDragImage, KeyColourPixelsTakeTheAlphaPremultiplied)
{
    struct Case {
        const char* Name;
        TColor Pixel;
        uint8_t Alpha;
        uint8_t B, G, R, A; // bytes 0..3 afterwards
    } cases[] = {
        {"KeyToTransparent", DragImageKeyColor, 0, 0, 0, 0, 0},
        // 254 * 128 / 255 truncates to 127.
        {"KeyHalfAlpha", DragImageKeyColor, 128, 128, 127, 128, 128},
        {"OtherColourUntouched", 0x00FFFE, 0, 0x00, 0xFF, 0xFE, 255},
    };
    for (const Case& c : cases) {
        TBitmap b(2, 1);
        b.Canvas()->SetPixels(0, 0, c.Pixel);
        b.Canvas()->SetPixels(1, 0, clBlack);
        ConvertToAlphaBitmap(&b);
        ASSERT_EQ(b.PixelFormat(), pf32bit) << c.Name;
        EXPECT_EQ(Pixel(b, 1, 0)[3], 255) << c.Name << ": opaque after the conversion";
        SetColorAlpha(&b, DragImageKeyColor, c.Alpha);
        const uint8_t* p = Pixel(b, 0, 0);
        EXPECT_EQ(p[0], c.B) << c.Name;
        EXPECT_EQ(p[1], c.G) << c.Name;
        EXPECT_EQ(p[2], c.R) << c.Name;
        EXPECT_EQ(p[3], c.A) << c.Name;
    }
}

TEST(DeckTabsDragImage, ScaleRoundsEachSide)
{
    struct Case {
        int W, H;
        double Factor;
        int ScaledW, ScaledH;
    } cases[] = {{10, 7, 0.5, 5, 4}, {5, 3, 0.5, 2, 2}, {40, 20, 1.0, 40, 20}, {3, 3, 2.0, 6, 6}};
    for (const Case& c : cases) {
        TBitmap source(c.W, c.H), dest;
        ScaleBitmap(&source, &dest, c.Factor);
        EXPECT_EQ(dest.Width(), c.ScaledW) << c.W << "x" << c.H << " by " << c.Factor;
        EXPECT_EQ(dest.Height(), c.ScaledH) << c.W << "x" << c.H << " by " << c.Factor;
        EXPECT_EQ(dest.PixelFormat(), pf24bit);
    }
}

TEST(DeckTabsDragImage, AlphaFormIsHiddenBorderlessAndSizedToTheBitmap)
{
    TForm owner(nullptr);
    TBitmap b(30, 12);
    TForm* form = CreateAlphaForm(&owner, &b, 200);
    EXPECT_EQ(form->Owner(), &owner);
    EXPECT_FALSE(form->Visible());
    EXPECT_EQ(form->BorderStyle(), bsNone);
    EXPECT_EQ(form->ClientWidth(), 30);
    EXPECT_EQ(form->ClientHeight(), 12);
}

} // namespace
