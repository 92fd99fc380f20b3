#pragma once
// The pieces of the glowing focus frame: the window that carries it, a
// 32-bit alpha mask built from a grey mask and a colour bitmap, the grey
// mask itself (a white rounded frame on black, blurred) and a separable
// Gaussian blur for 24-bit bitmaps.
#include "platform/controls/CustomControl.h"
#include "platform/graphics/Bitmap.h"

// A borderless, topmost tool window that never takes input or activation.
class TGridFocusWindow : public TCustomControl {
public:
    explicit TGridFocusWindow(TComponent* AOwner = nullptr);

protected:
    void CreateParams(TCreateParams& Params) override;
};

// A 32-bit bitmap with per-pixel alpha (colours premultiplied) and an
// overall opacity.
class TGridAlphaMask : public TBitmap {
public:
    TGridAlphaMask();

    unsigned char Opacity() const { return FOpacity; }
    void SetOpacity(unsigned char value) { FOpacity = value; }
    // From another mask: its opacity, size and pixels; otherwise the
    // bitmap's assign. Stays 32-bit.
    void Assign(TPersistent* Source) override;
    // Takes Bitmap's size; each pixel is Bitmap's colour scaled by the red
    // channel m of Mask's pixel, with alpha m. Only for 24-bit Bitmap and
    // Mask; pixels outside Mask are transparent. Color is not used.
    void MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor Color);

private:
    unsigned char FOpacity = 255;
};

// A 24-bit Width x Height black bitmap with a white rounded frame (filled
// when PenWidth < 1), blurred with Blur when it is above 0.
void DrawGlowMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int Corner, double Blur);

// The blur kernel: radius Size (1..10) and the weights of offsets -10..10
// (only -Size..Size are used; they sum to 1).
struct TBlurKernel {
    int Size = 0;
    float Weights[21] = {};
    float Weight(int Offset) const { return Weights[Offset + 10]; }
};
TBlurKernel MakeBlurKernel(double Radius);
// Blurs a line of Count B,G,R triples in place (edge pixels repeat).
void BlurLine(unsigned char* Pixels, int Count, const TBlurKernel& Kernel);
// Blurs a 24-bit bitmap in place; raises "Blur only works for 24-bit
// bitmaps" for any other. Note: rows and columns more than 20 pixels from
// every edge are copied from row and column 15 (for symmetric frames).
void BlurBitmap(TBitmap* Bitmap, double Radius);

// Shows Mask in Window at screen position Pos with the mask's opacity.
// Best effort: without a compositor the window stays opaque. True.
bool CallUpdateLayeredWindow(TCustomControl* Window, TPoint Pos, TGridAlphaMask* Mask);
