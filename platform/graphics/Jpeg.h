#pragma once
// TJPEGImage: JPEG files through libjpeg.
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"

STRATAGON_DECLARE_EXCEPTION(EJPEG, EInvalidGraphic)

enum TJPEGPixelFormat { jf24Bit, jf8Bit };
// jpBestQuality quantises 8-bit output in two passes, jpBestSpeed in one.
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
using TJPEGQualityRange = int;

class TJPEGImage : public TRasterImage {
public:
    void Assign(TPersistent* Source) override;
    // Decompresses with a header read and scanline reads; raises EJPEG
    // "JPEG error #n" for invalid or truncated data, leaving the image empty.
    void LoadFromBytes(const QByteArray& Data) override;
    // Compresses with the library's defaults at CompressionQuality.
    QByteArray SaveToBytes() const override;

    // 1 to 100; default 90.
    TJPEGQualityRange CompressionQuality() const { return FQuality; }
    void SetCompressionQuality(TJPEGQualityRange value);
    // jf8Bit decodes to 256 colours (colour quantisation).
    TJPEGPixelFormat PixelFormat() const { return FPixelFormat; }
    void SetPixelFormat(TJPEGPixelFormat value) { FPixelFormat = value; }
    TJPEGPerformance Performance() const { return FPerformance; }
    void SetPerformance(TJPEGPerformance value) { FPerformance = value; }
    bool Grayscale() const { return FGrayscale; }
    void SetGrayscale(bool value) { FGrayscale = value; }

private:
    int FQuality = 90;
    TJPEGPixelFormat FPixelFormat = jf24Bit;
    TJPEGPerformance FPerformance = jpBestQuality;
    bool FGrayscale = false;
};
