#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

// A strip of Count 4x4 images: image i is filled with Colors[i] on a
// fuchsia border.
void Strip(TBitmap& Bmp, std::initializer_list<TColor> Colors)
{
    Bmp.SetSize(4 * int(Colors.size()), 4);
    Bmp.Canvas()->Brush()->SetColor(clFuchsia);
    Bmp.Canvas()->FillRect(Rect(0, 0, Bmp.Width(), 4));
    int i = 0;
    for (TColor c : Colors) {
        Bmp.Canvas()->Brush()->SetColor(c);
        Bmp.Canvas()->FillRect(Rect(4 * i + 1, 1, 4 * i + 3, 3));
        ++i;
    }
}

TEST(ImageList, AddSplitsAStripAndReportsChanges)
{
    TImageList list(4, 4);
    int changes = 0;
    list.OnChange = [&changes](TObject*) { ++changes; };
    TBitmap strip;
    Strip(strip, {clRed, clLime, clBlue});
    EXPECT_EQ(list.AddMasked(&strip, clFuchsia), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_EQ(changes, 1);

    list.BeginUpdate();
    list.AddMasked(&strip, clFuchsia);
    list.Delete(0);
    list.EndUpdate();
    EXPECT_EQ(changes, 2) << "one notice for the update";
    EXPECT_EQ(list.Count(), 5);
    EXPECT_THROW(list.Delete(5), EInvalidOperation);

    list.SetWidth(8);
    EXPECT_EQ(list.Count(), 0) << "a new size clears the list";
}

TEST(ImageList, MaskedPixelsStayTransparentWhenDrawn)
{
    TImageList list(4, 4);
    TBitmap strip;
    Strip(strip, {clRed, clBlue});
    list.AddMasked(&strip, clFuchsia);
    TBitmap target(10, 10);
    list.Draw(target.Canvas(), 3, 3, 1);
    EXPECT_EQ(target.Canvas()->Pixels(4, 4), clBlue);
    EXPECT_EQ(target.Canvas()->Pixels(3, 3), clWhite);

    TBitmap mask(4, 4);
    mask.Canvas()->Brush()->SetColor(clBlack);
    mask.Canvas()->FillRect(Rect(0, 0, 4, 2)); // top half visible, white half hidden
    TImageList masked(4, 4);
    TBitmap solid(4, 4);
    solid.Canvas()->Brush()->SetColor(clGreen);
    solid.Canvas()->FillRect(Rect(0, 0, 4, 4));
    masked.Add(&solid, &mask);
    TBitmap out(4, 4);
    masked.Draw(out.Canvas(), 0, 0, 0);
    EXPECT_EQ(out.Canvas()->Pixels(1, 1), clGreen);
    EXPECT_EQ(out.Canvas()->Pixels(1, 3), clWhite);
}

TEST(ImageList, DisabledImagesLoseTheirColours)
{
    TImageList list(4, 4);
    TBitmap strip;
    Strip(strip, {clRed});
    list.AddMasked(&strip, clFuchsia);
    TBitmap target(6, 6);
    list.Draw(target.Canvas(), 0, 0, 0, false);
    bool anyRed = false, anyShadow = false;
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) {
            anyRed |= target.Canvas()->Pixels(x, y) == clRed;
            anyShadow |= target.Canvas()->Pixels(x, y) == ColorToRGB(clBtnShadow);
        }
    EXPECT_FALSE(anyRed);
    EXPECT_TRUE(anyShadow);
}

TEST(ImageList, GetBitmapAndIcon)
{
    TImageList list(4, 4);
    TBitmap strip;
    Strip(strip, {clRed});
    list.AddMasked(&strip, clFuchsia);
    list.SetBkColor(clYellow);
    TBitmap bmp;
    EXPECT_TRUE(list.GetBitmap(0, &bmp));
    EXPECT_EQ(bmp.Width(), 4);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 0), clYellow);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clRed);
    EXPECT_FALSE(list.GetBitmap(3, &bmp));

    TIcon icon;
    list.GetIcon(0, &icon);
    EXPECT_EQ(icon.Width(), 4);
    TBitmap onGreen(4, 4);
    onGreen.Canvas()->Brush()->SetColor(clGreen);
    onGreen.Canvas()->FillRect(Rect(0, 0, 4, 4));
    onGreen.Canvas()->Draw(0, 0, &icon);
    EXPECT_EQ(onGreen.Canvas()->Pixels(0, 0), clGreen) << "the icon keeps its transparency";
    EXPECT_EQ(onGreen.Canvas()->Pixels(2, 2), clRed);
}

} // namespace
