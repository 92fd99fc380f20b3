#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"
#include <QBuffer>
#include <QImageReader>
#include <QPainter>

CanvasSurface::~CanvasSurface() = default;

QByteArray EncodeImage(const QImage& Image, const char* Format)
{
    QByteArray data;
    if (Image.isNull())
        return data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    if (!Image.save(&buffer, Format))
        throw EInvalidGraphic(QStringLiteral("Cannot write the image as %1").arg(QString::fromLatin1(Format).toUpper()));
    return data;
}

static void SetScreenDpi(QImage& image)
{
    // 96 dpi, so point sizes come out as on screen.
    const int dotsPerMeter = qRound(96 / 0.0254);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
}

QImage DecodeLargestImage(const QByteArray& Data)
{
    QBuffer buffer;
    buffer.setData(Data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QImage best;
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToImage(i))
            break;
        const QImage image = reader.read();
        if (!image.isNull() && (best.isNull() || image.width() * image.height() > best.width() * best.height()))
            best = image;
    }
    return best;
}

ImageSurface::ImageSurface(int Width, int Height, QImage::Format Format) : FFormat(Format)
{
    if (Width > 0 && Height > 0) {
        FImage = QImage(Width, Height, Format);
        FImage.fill(Qt::white);
    } else {
        FImage = QImage(0, 0, Format);
    }
    SetScreenDpi(FImage);
}

ImageSurface::ImageSurface(const QImage& Image) : FImage(Image), FFormat(Image.format())
{
    SetScreenDpi(FImage);
}

ImageSurface::~ImageSurface()
{
    delete FPainter;
}

QPainter* ImageSurface::BeginPaint()
{
    // Nested operations (a graphic drawn by a canvas op) share one painter.
    if (FDepth++ == 0) {
        FPainter = new QPainter(&FImage);
        FHolding = false;
    } else {
        FPainter->save();
        FPainter->resetTransform();
        FPainter->setClipping(false);
    }
    return FPainter;
}

bool ImageSurface::HoldFont(const QFont& Font)
{
    if (FDepth != 1 || !FPainter || !FPainter->isActive())
        return false;
    if (!FHolding || !(FHeldFont == Font)) {
        FPainter->setFont(Font);
        FHeldFont = Font;
        FHolding = true;
    }
    return true;
}

void ImageSurface::EndPaint(QPainter* Painter)
{
    if (--FDepth == 0) {
        delete FPainter;
        FPainter = nullptr;
    } else {
        FPainter->restore();
    }
}

// An open painter (a paint pass) lets go of the image while it is
// replaced, and takes the new one afterwards.
struct ImageSurface::Rebind {
    explicit Rebind(ImageSurface& S) : Surface(S)
    {
        if (Surface.FPainter)
            Surface.FPainter->end();
    }
    ~Rebind()
    {
        Surface.FHolding = false;
        if (Surface.FPainter && !Surface.FImage.isNull())
            Surface.FPainter->begin(&Surface.FImage);
    }
    ImageSurface& Surface;
};

void ImageSurface::Resize(int Width, int Height)
{
    Width = qMax(0, Width);
    Height = qMax(0, Height);
    if (Width == FImage.width() && Height == FImage.height())
        return;
    Rebind rebind(*this);
    QImage next(Width, Height, FFormat);
    SetScreenDpi(next);
    if (Width > 0 && Height > 0) {
        next.fill(Qt::white);
        if (!FImage.isNull()) {
            QPainter p(&next);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(0, 0, FImage);
        }
    }
    FImage = next;
}

void ImageSurface::SetImage(const QImage& Image)
{
    Rebind rebind(*this);
    FImage = Image;
    if (!Image.isNull())
        FFormat = Image.format();
    SetScreenDpi(FImage);
}

void ImageSurface::SetFormat(QImage::Format Format)
{
    FFormat = Format;
    if (!FImage.isNull() && FImage.format() != Format) {
        Rebind rebind(*this);
        FImage = FImage.convertToFormat(Format);
        SetScreenDpi(FImage);
    }
}

PainterSurface::PainterSurface(QPainter* Painter, QSize Size, int Dpi)
    : FPainter(Painter), FSize(Size), FDpi(Dpi)
{
}

QPainter* PainterSurface::BeginPaint()
{
    FPainter->save();
    FPainter->resetTransform();
    FPainter->setClipping(false);
    return FPainter;
}

void PainterSurface::EndPaint(QPainter* Painter)
{
    FPainter->restore();
}
