#pragma once
// Surfaces a TCanvas draws into: a retained image, or a painter owned by
// someone else (a printer page).
#include <QFont>
#include <QImage>
#include <QSize>

class QPainter;

// The file bytes of Image in Format ("BMP", "png", "ICO"); empty for a null
// image. Raises EInvalidGraphic when the image cannot be encoded.
QByteArray EncodeImage(const QImage& Image, const char* Format);
// Decodes Data in any format Qt reads; of several images (an icon file's
// sizes) the largest. A null image when nothing can be read.
QImage DecodeLargestImage(const QByteArray& Data);

class CanvasSurface {
public:
    virtual ~CanvasSurface();
    // The pixels, for reads and raster operations; nullptr when the
    // surface has none (a printer page).
    virtual QImage* Image() = 0;
    // A painter with default state; every BeginPaint has its EndPaint.
    virtual QPainter* BeginPaint() = 0;
    virtual void EndPaint(QPainter* Painter) = 0;
    virtual QSize Size() const = 0;
    // Device pixels per inch.
    virtual int Dpi() const { return 96; }
    // Inside a paint pass with no operation open: makes Font the painter's
    // base font, so the operations that follow start with it already
    // resolved. True when the next BeginPaint's painter has Font.
    virtual bool HoldFont(const QFont& Font) { return false; }
};

// A retained image; a new image is white. A paint pass (BeginPaint held
// open around many operations) keeps one painter on it; the operations
// inside share that painter.
class ImageSurface : public CanvasSurface {
public:
    explicit ImageSurface(int Width = 0, int Height = 0, QImage::Format Format = QImage::Format_RGB32);
    explicit ImageSurface(const QImage& Image);
    ~ImageSurface() override;

    QImage* Image() override { return &FImage; }
    const QImage& image() const { return FImage; }
    QPainter* BeginPaint() override;
    void EndPaint(QPainter* Painter) override;
    QSize Size() const override { return FImage.size(); }
    bool HoldFont(const QFont& Font) override;

    // Keeps the pixels that still fit; new pixels are white.
    void Resize(int Width, int Height);
    void SetImage(const QImage& Image);
    void SetFormat(QImage::Format Format);

private:
    struct Rebind;

    QImage FImage;
    QImage::Format FFormat;
    QPainter* FPainter = nullptr;
    int FDepth = 0;
    // The base font given to the pass painter.
    QFont FHeldFont;
    bool FHolding = false;
};

// Drawing through a painter that stays open (a printer page); each
// operation runs between save() and restore().
class PainterSurface : public CanvasSurface {
public:
    PainterSurface(QPainter* Painter, QSize Size, int Dpi);
    QImage* Image() override { return nullptr; }
    QPainter* BeginPaint() override;
    void EndPaint(QPainter* Painter) override;
    QSize Size() const override { return FSize; }
    int Dpi() const override { return FDpi; }

private:
    QPainter* FPainter;
    QSize FSize;
    int FDpi;
};
