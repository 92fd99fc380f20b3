#pragma once
// Compressed picture formats held as a decoded bitmap: PNG, GIF (through
// Qt's readers and writers) and JPEG (through libjpeg, see Jpeg.h).
#include "platform/graphics/Bitmap.h"
#include <memory>

class TRasterImage : public TGraphic {
public:
    TRasterImage();
    ~TRasterImage() override;

    void Assign(TPersistent* Source) override;
    bool Empty() const override;
    int Width() const override;
    int Height() const override;
    void SetSize(int AWidth, int AHeight) override;
    void Draw(TCanvas* ACanvas, const TRect& Rect) override;

    // The decoded pixels.
    TBitmap* Bitmap() const { return FBitmap.get(); }

protected:
    std::unique_ptr<TBitmap> FBitmap;
};

class TPngImage : public TRasterImage {
public:
    void LoadFromBytes(const QByteArray& Data) override;
    QByteArray SaveToBytes() const override;
};

class TGIFImage : public TRasterImage {
public:
    // The first frame of an animation.
    void LoadFromBytes(const QByteArray& Data) override;
    // Raises EInvalidGraphicOperation: GIF files are read only.
    QByteArray SaveToBytes() const override;
};
