// Device-context functions: colours and modes, block transfers, clipping,
// saved states, coordinates and regions.
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QPainter>
#include <QPainterPath>

int SetBkMode(HDC DC, int Mode)
{
    if (!DC)
        return 0;
    const int old = DC->State().DC.BkMode;
    DC->State().DC.BkMode = Mode;
    return old;
}

int GetBkMode(HDC DC)
{
    return DC ? DC->State().DC.BkMode : 0;
}

TColor SetBkColor(HDC DC, TColor Color)
{
    if (!DC)
        return clNone;
    const TColor old = DC->State().DC.BkColor;
    DC->State().DC.BkColor = Color;
    return old;
}

TColor GetBkColor(HDC DC)
{
    return DC ? DC->State().DC.BkColor : clNone;
}

TColor SetTextColor(HDC DC, TColor Color)
{
    if (!DC)
        return clNone;
    const TColor old = DC->State().DC.TextColor;
    DC->State().DC.TextColor = Color;
    return old;
}

TColor GetTextColor(HDC DC)
{
    return DC ? DC->State().DC.TextColor : clNone;
}

TColor GetPixel(HDC DC, int X, int Y)
{
    return DC ? DC->Pixels(X, Y) : TColor(-1);
}

TColor SetPixel(HDC DC, int X, int Y, TColor Color)
{
    if (!DC)
        return TColor(-1);
    DC->SetPixels(X, Y, Color);
    return ColorToRGB(Color);
}

// Block transfers

namespace {

quint32 Bgr(QRgb c)
{
    return quint32(qRed(c)) | (quint32(qGreen(c)) << 8) | (quint32(qBlue(c)) << 16);
}

QRgb FromBgr(quint32 v, QRgb keepAlpha)
{
    return (keepAlpha & 0xFF000000u) | (quint32(v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

bool UsesSource(unsigned code)
{
    return ((code >> 2) & 0x33) != (code & 0x33);
}

// Combines Src (already the size of Dest, or null) with the destination
// pixels through the ternary raster operation, inside the clip region.
void Blit(HDC Dest, const QRect& DestRect, const QImage* Src, TCopyMode Rop)
{
    CanvasSurface* surface = Dest->Surface();
    if (!surface || DestRect.isEmpty())
        return;
    const unsigned code = (Rop >> 16) & 0xFF;
    if (Rop == SRCCOPY || !surface->Image()) {
        CanvasPainter p(Dest, false);
        if (Src)
            p->drawImage(DestRect.topLeft(), *Src);
        return;
    }
    CanvasPainter::Changing(Dest);
    QImage& img = *surface->Image();
    const quint32 pattern = quint32(ColorToRGB(Dest->Brush()->Color())) & 0xFFFFFF;
    QRegion area(DestRect & img.rect());
    if (Dest->State().DC.Clip)
        area &= *Dest->State().DC.Clip;
    for (const QRect& r : area) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QRgb d = img.pixel(x, y);
                const quint32 s = Src ? Bgr(Src->pixel(x - DestRect.left(), y - DestRect.top())) : 0;
                img.setPixel(x, y, FromBgr(ApplyRop3(code, pattern, s, Bgr(d)), d));
            }
        }
    }
    CanvasPainter::Changed(Dest);
}

QImage SourceImage(HDC Src, const QRect& SrcRect, const QSize& DestSize)
{
    if (!Src || !Src->Surface() || !Src->Surface()->Image())
        return QImage();
    QImage part = Src->Surface()->Image()->copy(SrcRect);
    if (part.size() != DestSize)
        part = part.scaled(DestSize, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return part;
}

} // namespace

bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, int WidthSrc,
                int HeightSrc, TCopyMode Rop)
{
    if (!Dest)
        return false;
    const QRect d = ToDevice(Dest, Bounds(X, Y, Width, Height));
    const unsigned code = (Rop >> 16) & 0xFF;
    if (!UsesSource(code)) {
        Blit(Dest, d, nullptr, Rop);
        return true;
    }
    if (!Src)
        return false;
    const QRect s = ToDevice(Src, Bounds(XSrc, YSrc, WidthSrc, HeightSrc));
    const QImage part = SourceImage(Src, s, d.size());
    if (part.isNull())
        return false;
    Blit(Dest, d, &part, Rop);
    return true;
}

bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, TCopyMode Rop)
{
    return StretchBlt(Dest, X, Y, Width, Height, Src, XSrc, YSrc, Width, Height, Rop);
}

bool PatBlt(HDC DC, int X, int Y, int Width, int Height, TCopyMode Rop)
{
    return StretchBlt(DC, X, Y, Width, Height, nullptr, 0, 0, 0, 0, Rop);
}

void TCanvas::CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source)
{
    StretchBlt(this, Dest.Left, Dest.Top, Dest.Width(), Dest.Height(), Canvas, Source.Left, Source.Top,
               Source.Width(), Source.Height(), FCopyMode);
}

// Clipping

namespace {

int RegionKind(const QRegion& r)
{
    if (r.isEmpty())
        return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

QRegion FullRegion(HDC DC)
{
    if (!DC->Surface())
        return QRegion();
    return QRegion(QRect(QPoint(0, 0), DC->Surface()->Size()));
}

} // namespace

int SelectClipRgn(HDC DC, HRGN Region)
{
    if (!DC)
        return RGN_ERROR;
    if (!Region) {
        DC->State().DC.Clip.reset();
        return SIMPLEREGION;
    }
    DC->State().DC.Clip = Region->Region;
    return RegionKind(Region->Region);
}

int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    if (!DC)
        return RGN_ERROR;
    const QRect r = ToDevice(DC, TRect{Left, Top, Right, Bottom});
    std::optional<QRegion>& clip = DC->State().DC.Clip;
    clip = clip ? (*clip & r) : (FullRegion(DC) & r);
    return RegionKind(*clip);
}

int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom)
{
    if (!DC)
        return RGN_ERROR;
    const QRect r = ToDevice(DC, TRect{Left, Top, Right, Bottom});
    std::optional<QRegion>& clip = DC->State().DC.Clip;
    clip = (clip ? *clip : FullRegion(DC)).subtracted(QRegion(r));
    return RegionKind(*clip);
}

int GetClipBox(HDC DC, TRect* Rect)
{
    if (!DC || !Rect)
        return RGN_ERROR;
    const QRegion region = DC->State().DC.Clip ? *DC->State().DC.Clip : FullRegion(DC);
    const QRect b = region.boundingRect();
    const TPoint a = ToLogical(DC, b.topLeft());
    const TPoint c = ToLogical(DC, QPoint(b.left() + b.width(), b.top() + b.height()));
    *Rect = {qMin(a.X, c.X), qMin(a.Y, c.Y), qMax(a.X, c.X), qMax(a.Y, c.Y)};
    if (DC->State().DC.MapMode == MM_LOMETRIC)
        *Rect = {a.X, a.Y, c.X, c.Y};
    return RegionKind(region);
}

int GetClipRgn(HDC DC, HRGN Region)
{
    if (!DC || !Region)
        return -1;
    if (!DC->State().DC.Clip)
        return 0;
    Region->Region = *DC->State().DC.Clip;
    return 1;
}

int SaveDC(HDC DC)
{
    if (!DC)
        return 0;
    DC->State().Saved.push_back(DC->State().DC);
    return int(DC->State().Saved.size());
}

bool RestoreDC(HDC DC, int Saved)
{
    if (!DC)
        return false;
    auto& stack = DC->State().Saved;
    const int level = Saved < 0 ? int(stack.size()) + 1 + Saved : Saved;
    if (level < 1 || level > int(stack.size()))
        return false;
    DC->State().DC = stack[size_t(level - 1)];
    stack.resize(size_t(level - 1));
    return true;
}

bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old)
{
    if (!DC)
        return false;
    QPoint& org = DC->State().DC.ViewportOrg;
    if (Old)
        *Old = {org.x(), org.y()};
    org = QPoint(X, Y);
    return true;
}

bool GetViewportOrgEx(HDC DC, TPoint* Origin)
{
    if (!DC || !Origin)
        return false;
    const QPoint& org = DC->State().DC.ViewportOrg;
    *Origin = {org.x(), org.y()};
    return true;
}

bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old)
{
    if (!DC)
        return false;
    QPoint& org = DC->State().DC.WindowOrg;
    if (Old)
        *Old = {org.x(), org.y()};
    org = QPoint(X, Y);
    return true;
}

bool GetWindowOrgEx(HDC DC, TPoint* Origin)
{
    if (!DC || !Origin)
        return false;
    const QPoint& org = DC->State().DC.WindowOrg;
    *Origin = {org.x(), org.y()};
    return true;
}

int SetMapMode(HDC DC, int Mode)
{
    if (!DC || (Mode != MM_TEXT && Mode != MM_LOMETRIC))
        return 0;
    const int old = DC->State().DC.MapMode;
    DC->State().DC.MapMode = Mode;
    return old;
}

int GetMapMode(HDC DC)
{
    return DC ? DC->State().DC.MapMode : 0;
}

int GetDeviceCapsLogPixels(HDC DC)
{
    return GetDeviceCaps(DC, LOGPIXELSX);
}

int GetDeviceCaps(HDC DC, int Index)
{
    const int dpi = DC && DC->Surface() ? DC->Surface()->Dpi() : 96;
    const QSize size = DC && DC->Surface() ? DC->Surface()->Size() : QSize();
    switch (Index) {
    case LOGPIXELSX:
    case LOGPIXELSY: return dpi;
    case HORZRES:
    case PHYSICALWIDTH: return size.width();
    case VERTRES:
    case PHYSICALHEIGHT: return size.height();
    case HORZSIZE: return qRound(size.width() * 25.4 / dpi);
    case VERTSIZE: return qRound(size.height() * 25.4 / dpi);
    case BITSPIXEL: return 32;
    case PLANES: return 1;
    default: return 0;
    }
}

bool LPtoDP(HDC DC, TPoint* Points, int Count)
{
    if (!DC || !Points)
        return false;
    for (int i = 0; i < Count; ++i) {
        const QPoint d = ToDevice(DC, Points[i]);
        Points[i] = {d.x(), d.y()};
    }
    return true;
}

bool DPtoLP(HDC DC, TPoint* Points, int Count)
{
    if (!DC || !Points)
        return false;
    for (int i = 0; i < Count; ++i)
        Points[i] = ToLogical(DC, QPoint(Points[i].X, Points[i].Y));
    return true;
}

// Regions

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom)
{
    return new TRegion{QRegion(QRect(qMin(Left, Right), qMin(Top, Bottom), qAbs(Right - Left), qAbs(Bottom - Top)))};
}

HRGN CreateRectRgnIndirect(const TRect& Rect)
{
    return CreateRectRgn(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
}

HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom)
{
    return new TRegion{QRegion(QRect(Left, Top, Right - Left, Bottom - Top), QRegion::Ellipse)};
}

HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(Left, Top, Right - Left, Bottom - Top), WidthEllipse / 2.0, HeightEllipse / 2.0);
    return new TRegion{QRegion(path.toFillPolygon().toPolygon())};
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode)
{
    QPolygon poly;
    for (int i = 0; i < Count; ++i)
        poly << QPoint(Points[i].X, Points[i].Y);
    return new TRegion{QRegion(poly, FillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill)};
}

int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode)
{
    if (!Dest || !Src1 || (Mode != RGN_COPY && !Src2))
        return RGN_ERROR;
    switch (Mode) {
    case RGN_AND: Dest->Region = Src1->Region & Src2->Region; break;
    case RGN_OR: Dest->Region = Src1->Region | Src2->Region; break;
    case RGN_XOR: Dest->Region = Src1->Region ^ Src2->Region; break;
    case RGN_DIFF: Dest->Region = Src1->Region - Src2->Region; break;
    case RGN_COPY: Dest->Region = Src1->Region; break;
    default: return RGN_ERROR;
    }
    return RegionKind(Dest->Region);
}

int OffsetRgn(HRGN Region, int X, int Y)
{
    if (!Region)
        return RGN_ERROR;
    Region->Region.translate(X, Y);
    return RegionKind(Region->Region);
}

bool PtInRegion(HRGN Region, int X, int Y)
{
    return Region && Region->Region.contains(QPoint(X, Y));
}

int GetRgnBox(HRGN Region, TRect* Rect)
{
    if (!Region || !Rect)
        return RGN_ERROR;
    const QRect b = Region->Region.boundingRect();
    *Rect = {b.left(), b.top(), b.left() + b.width(), b.top() + b.height()};
    return RegionKind(Region->Region);
}

bool DeleteObject(HRGN Region)
{
    delete Region;
    return Region != nullptr;
}
