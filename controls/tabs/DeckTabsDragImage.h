#pragma once
// The bitmap routines behind a tab strip's drag image window.
#include "platform/graphics/Color.h"
#include <cstdint>

class TBitmap;
class TComponent;
class TForm;
class TWinControl;

// Key colour of the drag image: its pixels become fully transparent.
constexpr TColor DragImageKeyColor = 0xFFFEFF;

// Dest becomes Source scaled by Factor (each side rounded); both become
// 24 bits per pixel.
void ScaleBitmap(TBitmap* Source, TBitmap* Dest, double Factor);
// Copies the control's client area as it is drawn into Bitmap at X, Y.
// Note: only custom-drawn controls keep an image to copy; others leave
// the area as it was.
void CopyControlImage(TWinControl* Control, TBitmap* Bitmap, int X, int Y);
// Makes the bitmap 32 bits per pixel with every pixel opaque.
void ConvertToAlphaBitmap(TBitmap* Bitmap);
// Pixels of Color (compared by their three colour bytes) get Alpha, their
// colour bytes premultiplied by it; other pixels stay as they are.
void SetColorAlpha(TBitmap* Bitmap, TColor Color, uint8_t Alpha);
// A hidden, borderless form of the bitmap's size that shows the bitmap
// with the constant alpha (best effort without a compositor). It never
// activates: showing it leaves the focus where it is.
TForm* CreateAlphaForm(TComponent* Owner, TBitmap* Bitmap, uint8_t ConstantAlpha);
