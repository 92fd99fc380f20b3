#include "platform/graphics/RasterImage.h"
#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"
#include <QBuffer>
#include <QImageReader>

namespace {

// Decodes Data with the reader for Format; an unreadable or truncated file
// gives a null image.
QImage Decode(const QByteArray& Data, const char* Format)
{
    QBuffer buffer;
    buffer.setData(Data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, Format);
    return reader.read();
}

} // namespace

TRasterImage::TRasterImage() : FBitmap(std::make_unique<TBitmap>())
{
    FBitmap->SetPixelFormat(pf32bit);
    FBitmap->SetAlphaFormat(afDefined);
}

TRasterImage::~TRasterImage() = default;

void TRasterImage::Assign(TPersistent* Source)
{
    if (auto* r = dynamic_cast<TRasterImage*>(Source)) {
        FBitmap->Assign(r->FBitmap.get());
        Changed();
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        FBitmap->Assign(b);
        FBitmap->SetPixelFormat(pf32bit);
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

bool TRasterImage::Empty() const
{
    return FBitmap->Empty();
}

int TRasterImage::Width() const
{
    return FBitmap->Width();
}

int TRasterImage::Height() const
{
    return FBitmap->Height();
}

void TRasterImage::SetSize(int AWidth, int AHeight)
{
    FBitmap->SetSize(AWidth, AHeight);
    Changed();
}

void TRasterImage::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    FBitmap->Draw(ACanvas, Rect);
}

static void LoadInto(TBitmap* Bitmap, const QByteArray& Data, const char* Format, const char* What)
{
    const QImage image = Decode(Data, Format);
    if (image.isNull()) {
        Bitmap->Surface()->SetImage(QImage(0, 0, QImage::Format_ARGB32));
        throw EInvalidGraphic(QStringLiteral("%1 image is not valid").arg(QLatin1String(What)));
    }
    Bitmap->Surface()->SetImage(image.convertToFormat(QImage::Format_ARGB32));
}

void TPngImage::LoadFromBytes(const QByteArray& Data)
{
    try {
        LoadInto(FBitmap.get(), Data, "png", "PNG");
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

QByteArray TPngImage::SaveToBytes() const
{
    return EncodeImage(FBitmap->Surface()->image(), "png");
}

void TGIFImage::LoadFromBytes(const QByteArray& Data)
{
    try {
        LoadInto(FBitmap.get(), Data, "gif", "GIF");
    } catch (...) {
        Changed();
        throw;
    }
    Changed();
}

QByteArray TGIFImage::SaveToBytes() const
{
    throw EInvalidGraphicOperation(QStringLiteral("Cannot save a GIF image"));
}
