#include "platform/graphics/ImageList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Exceptions.h"
#include <QPainter>

namespace {

QImage Blank(int w, int h)
{
    QImage image(qMax(1, w), qMax(1, h), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

// Pixels of a bitmap as ARGB; alpha only counts when the bitmap says so.
QImage PixelsOf(TBitmap* Bitmap)
{
    QImage image = Bitmap->Surface()->image();
    if (Bitmap->PixelFormat() == pf32bit && Bitmap->AlphaFormat() != afIgnored)
        return image.convertToFormat(QImage::Format_ARGB32);
    return image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32);
}

// Pieces of Image, Width wide, each padded to Width x Height.
std::vector<QImage> Split(const QImage& Image, int Width, int Height)
{
    std::vector<QImage> out;
    const int count = qMax(1, Image.width() / qMax(1, Width));
    for (int i = 0; i < count; ++i) {
        QImage piece = Blank(Width, Height);
        QPainter p(&piece);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(QPoint(0, 0), Image, QRect(i * Width, 0, Width, Height));
        p.end();
        out.push_back(piece);
    }
    return out;
}

void ClearKey(QImage& Image, QRgb Key)
{
    for (int y = 0; y < Image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(Image.scanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (Key & 0xFFFFFF))
                line[x] = 0;
    }
}

// The disabled look: the shape embossed in the button highlight and
// shadow colours.
QImage Disabled(const QImage& Image)
{
    QImage out = Blank(Image.width(), Image.height());
    const QRgb light = ToQColor(clBtnHighlight).rgb(), dark = ToQColor(clBtnShadow).rgb();
    for (int pass = 0; pass < 2; ++pass) {
        const int d = pass == 0 ? 1 : 0;
        for (int y = 0; y + d < Image.height(); ++y)
            for (int x = 0; x + d < Image.width(); ++x) {
                const QRgb c = Image.pixel(x, y);
                if (qAlpha(c) < 128 || qGray(c) >= 192)
                    continue;
                out.setPixel(x + d, y + d, pass == 0 ? light : dark);
            }
    }
    return out;
}

QImage Blend(const QImage& Image, TColor Color, int Percent)
{
    QImage out = Image.copy();
    const QColor c = ToQColor(Color);
    for (int y = 0; y < out.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const QRgb p = line[x];
            if (!qAlpha(p))
                continue;
            auto mix = [Percent](int a, int b) { return a + (b - a) * Percent / 100; };
            line[x] = qRgba(mix(qRed(p), c.red()), mix(qGreen(p), c.green()), mix(qBlue(p), c.blue()), qAlpha(p));
        }
    }
    return out;
}

} // namespace

TCustomImageList::TCustomImageList(TComponent* AOwner) : TComponent(AOwner)
{
}

TCustomImageList::TCustomImageList(int AWidth, int AHeight) : FWidth(AWidth), FHeight(AHeight)
{
}

TCustomImageList::~TCustomImageList() = default;

void TCustomImageList::Assign(TPersistent* Source)
{
    if (auto* list = dynamic_cast<TCustomImageList*>(Source)) {
        FWidth = list->FWidth;
        FHeight = list->FHeight;
        FBkColor = list->FBkColor;
        FImages.clear();
        for (const auto& image : list->FImages)
            FImages.push_back(std::make_unique<ImageSurface>(image->image().copy()));
        Change();
        return;
    }
    TComponent::Assign(Source);
}

void TCustomImageList::SetSize(int AWidth, int AHeight)
{
    if (AWidth == FWidth && AHeight == FHeight)
        return;
    FWidth = qMax(1, AWidth);
    FHeight = qMax(1, AHeight);
    FImages.clear();
    Change();
}

void TCustomImageList::SetWidth(int value)
{
    SetSize(value, FHeight);
}

void TCustomImageList::SetHeight(int value)
{
    SetSize(FWidth, value);
}

int TCustomImageList::Add(TBitmap* Image, TBitmap* Mask)
{
    if (!Image || Image->Empty())
        return -1;
    const int first = Count();
    std::vector<QImage> pieces = Split(PixelsOf(Image), FWidth, FHeight);
    std::vector<QImage> masks;
    if (Mask && !Mask->Empty())
        masks = Split(Mask->Surface()->image().convertToFormat(QImage::Format_ARGB32), FWidth, FHeight);
    for (size_t i = 0; i < pieces.size(); ++i) {
        QImage& piece = pieces[i];
        // Mask pixels that are not black are transparent.
        if (i < masks.size())
            for (int y = 0; y < FHeight; ++y)
                for (int x = 0; x < FWidth; ++x)
                    if ((masks[i].pixel(x, y) & 0xFFFFFF) != 0)
                        piece.setPixel(x, y, 0);
        FImages.push_back(std::make_unique<ImageSurface>(piece));
    }
    Change();
    return first;
}

int TCustomImageList::AddMasked(TBitmap* Image, TColor MaskColor)
{
    if (!Image || Image->Empty())
        return -1;
    const int first = Count();
    const TColor key = MaskColor == clDefault ? Image->TransparentColor() : MaskColor;
    const QRgb rgb = ToQColor(key).rgb();
    QImage pixels = PixelsOf(Image);
    ClearKey(pixels, rgb);
    for (QImage& piece : Split(pixels, FWidth, FHeight))
        FImages.push_back(std::make_unique<ImageSurface>(piece));
    Change();
    return first;
}

int TCustomImageList::AddIcon(TIcon* Icon)
{
    if (!Icon || Icon->Empty())
        return -1;
    QImage image = Icon->Surface()->image().convertToFormat(QImage::Format_ARGB32);
    if (image.width() != FWidth || image.height() != FHeight)
        image = image.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.push_back(std::make_unique<ImageSurface>(image));
    Change();
    return Count() - 1;
}

void TCustomImageList::Replace(int Index, TBitmap* Image, TBitmap* Mask)
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
    TCustomImageList one(FWidth, FHeight);
    if (one.Add(Image, Mask) < 0)
        return;
    FImages[size_t(Index)] = std::move(one.FImages.front());
    Change();
}

void TCustomImageList::Delete(int Index)
{
    if (Index < 0 || Index >= Count())
        throw EInvalidOperation(QStringLiteral("Invalid ImageList Index"));
    FImages.erase(FImages.begin() + Index);
    Change();
}

void TCustomImageList::Clear()
{
    if (FImages.empty())
        return;
    FImages.clear();
    Change();
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, bool Enabled)
{
    Draw(Canvas, X, Y, Index, dsNormal, itImage, Enabled);
}

void TCustomImageList::Draw(TCanvas* Canvas, int X, int Y, int Index, TDrawingStyle Style, TImageType ImageType,
                            bool Enabled)
{
    if (!Canvas || Index < 0 || Index >= Count())
        return;
    QImage image = FImages[size_t(Index)]->image();
    if (ImageType == itMask) {
        QImage mask(image.size(), QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                mask.setPixel(x, y, qAlpha(image.pixel(x, y)) >= 128 ? 0xFF000000u : 0xFFFFFFFFu);
        image = mask;
    } else if (!Enabled) {
        image = Disabled(image);
    } else if (Style == dsFocus) {
        image = Blend(image, clHighlight, 25);
    } else if (Style == dsSelected) {
        image = Blend(image, clHighlight, 50);
    }
    CanvasPainter p(Canvas, false);
    if (!p)
        return;
    const QRect dest = ToDevice(Canvas, Bounds(X, Y, FWidth, FHeight));
    if (FBkColor != clNone && Style == dsNormal)
        p->fillRect(dest, ToQColor(FBkColor));
    p->drawImage(dest.topLeft(), image);
}

bool TCustomImageList::GetBitmap(int Index, TBitmap* Image)
{
    if (!Image || Index < 0 || Index >= Count())
        return false;
    Image->SetSize(FWidth, FHeight);
    Image->Canvas()->Brush()->SetColor(FBkColor == clNone ? clWhite : FBkColor);
    Image->Canvas()->FillRect(Rect(0, 0, FWidth, FHeight));
    Draw(Image->Canvas(), 0, 0, Index, dsTransparent, itImage, true);
    return true;
}

void TCustomImageList::GetIcon(int Index, TIcon* Image)
{
    if (!Image || Index < 0 || Index >= Count())
        return;
    TBitmap pixels;
    pixels.SetPixelFormat(pf32bit);
    pixels.SetAlphaFormat(afDefined);
    pixels.Surface()->SetImage(FImages[size_t(Index)]->image().copy());
    Image->Assign(&pixels);
}

void TCustomImageList::BeginUpdate()
{
    ++FUpdateCount;
}

void TCustomImageList::EndUpdate()
{
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FChanged) {
        FChanged = false;
        Change();
    }
}

const ImageSurface* TCustomImageList::Image(int Index) const
{
    if (Index < 0 || Index >= Count())
        return nullptr;
    return FImages[size_t(Index)].get();
}

void TCustomImageList::Change()
{
    if (FUpdateCount > 0) {
        FChanged = true;
        return;
    }
    if (OnChange)
        OnChange(this);
}
