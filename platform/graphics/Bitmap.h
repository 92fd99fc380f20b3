#pragma once
// TBitmap (an image with its own canvas) and TIcon.
#include "platform/graphics/Color.h"
#include "platform/graphics/Graphic.h"
#include <memory>

class ImageSurface;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };
enum TTransparentMode { tmAuto, tmFixed };
enum TAlphaFormat { afIgnored, afDefined, afPremultiplied };

class TBitmap : public TGraphic {
public:
    TBitmap();
    TBitmap(int AWidth, int AHeight);
    ~TBitmap() override;

    void Assign(TPersistent* Source) override;
    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    // Keeps the pixels that still fit; new pixels are white.
    void SetSize(int AWidth, int AHeight) override;

    // A canvas drawing into the bitmap.
    TCanvas* Canvas();
    // Note: pf24bit rows hold B,G,R triples, pf32bit rows B,G,R,A quads;
    // every other format is kept as 32 bits per pixel.
    TPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TPixelFormat value);
    TAlphaFormat AlphaFormat() const { return FAlphaFormat; }
    void SetAlphaFormat(TAlphaFormat value) { FAlphaFormat = value; }
    // Start of pixel row Row (0 = top); raises EInvalidGraphicOperation
    // "Scan line index out of range" outside the image.
    void* ScanLine(int Row);

    // With tmAuto the transparent colour is the lower-left pixel.
    TColor TransparentColor() const;
    void SetTransparentColor(TColor value);
    TTransparentMode TransparentMode() const { return FTransparentMode; }
    void SetTransparentMode(TTransparentMode value);

    // BMP, or any format Qt reads (by content).
    void LoadFromBytes(const QByteArray& Data) override;
    // Writes BMP.
    QByteArray SaveToBytes() const override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // Bridge to the image (qt/ code only).
    ImageSurface* Surface() const { return FSurface.get(); }

private:
    std::unique_ptr<ImageSurface> FSurface;
    std::unique_ptr<TCanvas> FCanvas;
    TPixelFormat FPixelFormat = pfDevice;
    TAlphaFormat FAlphaFormat = afIgnored;
    TTransparentMode FTransparentMode = tmAuto;
    TColor FTransparentColor = clDefault;
};

// An icon: a 32-bit image with alpha.
class TIcon : public TGraphic {
public:
    TIcon();
    ~TIcon() override;

    void Assign(TPersistent* Source) override;
    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetSize(int AWidth, int AHeight) override;
    // ICO (the largest image), or any format Qt reads.
    void LoadFromBytes(const QByteArray& Data) override;
    QByteArray SaveToBytes() const override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    ImageSurface* Surface() const { return FSurface.get(); }

private:
    std::unique_ptr<ImageSurface> FSurface;
};
