#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/RasterImage.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"
#include <QPainter>

namespace {

QImage::Format FormatOf(TPixelFormat f)
{
    switch (f) {
    case pf24bit: return QImage::Format_BGR888;
    case pf32bit: return QImage::Format_ARGB32;
    default: return QImage::Format_RGB32;
    }
}

// Draws Image stretched into Rect with the canvas's copy mode.
void DrawImage(TCanvas* Canvas, const TRect& Rect, const QImage& Image)
{
    const QRect dest = ToDevice(Canvas, Rect);
    if (Canvas->CopyMode() == SRCCOPY) {
        CanvasPainter p(Canvas, false);
        if (p)
            p->drawImage(dest, Image);
        return;
    }
    ImageSurface source(Image);
    TCanvas sourceCanvas;
    sourceCanvas.SetSurface(&source);
    StretchBlt(Canvas, Rect.Left, Rect.Top, Rect.Width(), Rect.Height(), &sourceCanvas, 0, 0, Image.width(),
               Image.height(), Canvas->CopyMode());
}

} // namespace

TBitmap::TBitmap() : FSurface(std::make_unique<ImageSurface>())
{
}

TBitmap::TBitmap(int AWidth, int AHeight) : TBitmap()
{
    FSurface->Resize(AWidth, AHeight);
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(TPersistent* Source)
{
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        FSurface->SetImage(b->FSurface->image().copy());
        FPixelFormat = b->FPixelFormat;
        FAlphaFormat = b->FAlphaFormat;
        FTransparentMode = b->FTransparentMode;
        FTransparentColor = b->FTransparentColor;
        FTransparent = b->FTransparent;
        Changed();
        return;
    }
    if (!Source) {
        FSurface->SetImage(QImage(0, 0, FormatOf(FPixelFormat)));
        Changed();
        return;
    }
    if (auto* r = dynamic_cast<TRasterImage*>(Source)) {
        Assign(r->Bitmap());
        return;
    }
    if (auto* i = dynamic_cast<TIcon*>(Source)) {
        // An icon keeps its alpha channel.
        FSurface->SetImage(i->Surface()->image().convertToFormat(QImage::Format_ARGB32));
        FPixelFormat = pf32bit;
        FAlphaFormat = afDefined;
        Changed();
        return;
    }
    if (auto* g = dynamic_cast<TGraphic*>(Source)) {
        // Any other graphic is drawn onto a white bitmap of its size.
        SetSize(g->Width(), g->Height());
        if (!g->Empty()) {
            TRect all = Rect(0, 0, g->Width(), g->Height());
            Canvas()->Brush()->SetColor(clWhite);
            Canvas()->FillRect(all);
            g->Draw(Canvas(), all);
        }
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

bool TBitmap::Empty() const
{
    return FSurface->image().isNull();
}

int TBitmap::Width() const
{
    return FSurface->image().width();
}

int TBitmap::Height() const
{
    return FSurface->image().height();
}

void TBitmap::SetSize(int AWidth, int AHeight)
{
    if (AWidth == Width() && AHeight == Height())
        return;
    FSurface->Resize(AWidth, AHeight);
    Changed();
}

TCanvas* TBitmap::Canvas()
{
    if (!FCanvas) {
        FCanvas = std::make_unique<TCanvas>();
        FCanvas->SetSurface(FSurface.get());
    }
    return FCanvas.get();
}

void TBitmap::SetPixelFormat(TPixelFormat value)
{
    if (value == FPixelFormat)
        return;
    FPixelFormat = value;
    FSurface->SetFormat(FormatOf(value));
    Changed();
}

void* TBitmap::ScanLine(int Row)
{
    if (Row < 0 || Row >= Height())
        throw EInvalidGraphicOperation(QStringLiteral("Scan line index out of range"));
    return FSurface->Image()->scanLine(Row);
}

// With tmAuto the lower-left pixel is the transparent colour.
TColor TBitmap::TransparentColor() const
{
    if (FTransparentMode == tmFixed && FTransparentColor != clDefault)
        return FTransparentColor;
    if (Empty())
        return clDefault;
    return FromQRgb(FSurface->image().pixel(0, Height() - 1));
}

void TBitmap::SetTransparentColor(TColor value)
{
    FTransparentColor = value;
    FTransparentMode = value == clDefault ? tmAuto : tmFixed;
    Changed();
}

void TBitmap::SetTransparentMode(TTransparentMode value)
{
    if (value == FTransparentMode)
        return;
    if (value == tmAuto)
        FTransparentColor = clDefault;
    else
        FTransparentColor = TransparentColor();
    FTransparentMode = value;
    Changed();
}

void TBitmap::LoadFromBytes(const QByteArray& Data)
{
    QImage image = QImage::fromData(Data);
    if (image.isNull()) {
        FSurface->SetImage(QImage(0, 0, FormatOf(FPixelFormat)));
        Changed();
        throw EInvalidGraphic(QStringLiteral("Bitmap image is not valid"));
    }
    if (image.hasAlphaChannel()) {
        FPixelFormat = pf32bit;
        image = image.convertToFormat(QImage::Format_ARGB32);
    } else {
        FPixelFormat = image.depth() == 24 ? pf24bit : pfDevice;
        image = image.convertToFormat(FormatOf(FPixelFormat));
    }
    FSurface->SetImage(image);
    Changed();
}

QByteArray TBitmap::SaveToBytes() const
{
    return EncodeImage(FSurface->image(), "BMP");
}

void TBitmap::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (Empty() || !ACanvas)
        return;
    QImage image = FSurface->image();
    if (FAlphaFormat == afIgnored && image.hasAlphaChannel())
        image = image.convertToFormat(QImage::Format_RGB32);
    if (FTransparent) {
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb key = ToQColor(TransparentColor()).rgb() & 0xFFFFFF;
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
    }
    DrawImage(ACanvas, Rect, image);
}

// TIcon

TIcon::TIcon() : FSurface(std::make_unique<ImageSurface>(0, 0, QImage::Format_ARGB32))
{
}

TIcon::~TIcon() = default;

void TIcon::Assign(TPersistent* Source)
{
    if (auto* i = dynamic_cast<TIcon*>(Source)) {
        FSurface->SetImage(i->FSurface->image().copy());
        Changed();
        return;
    }
    if (auto* b = dynamic_cast<TBitmap*>(Source)) {
        FSurface->SetImage(b->Surface()->image().convertToFormat(QImage::Format_ARGB32));
        Changed();
        return;
    }
    TGraphic::Assign(Source);
}

bool TIcon::Empty() const
{
    return FSurface->image().isNull();
}

int TIcon::Width() const
{
    return FSurface->image().width();
}

int TIcon::Height() const
{
    return FSurface->image().height();
}

void TIcon::SetSize(int AWidth, int AHeight)
{
    QImage image(AWidth, AHeight, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    FSurface->SetImage(image);
    Changed();
}

void TIcon::LoadFromBytes(const QByteArray& Data)
{
    const QImage best = DecodeLargestImage(Data);
    if (best.isNull()) {
        FSurface->SetImage(QImage(0, 0, QImage::Format_ARGB32));
        Changed();
        throw EInvalidGraphic(QStringLiteral("Icon image is not valid"));
    }
    FSurface->SetImage(best.convertToFormat(QImage::Format_ARGB32));
    Changed();
}

QByteArray TIcon::SaveToBytes() const
{
    return EncodeImage(FSurface->image(), "ICO");
}

void TIcon::Draw(TCanvas* ACanvas, const TRect& Rect)
{
    if (Empty() || !ACanvas)
        return;
    CanvasPainter p(ACanvas, false);
    if (p)
        p->drawImage(ToDevice(ACanvas, Rect), FSurface->image());
}
