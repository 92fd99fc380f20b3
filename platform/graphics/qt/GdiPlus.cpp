// The GDI+-style layer over QPainter. Geometry is shifted by half a pixel
// so that GDI+'s pixel centres (on whole coordinates) land on Qt's (at +0.5).
#include "platform/graphics/GdiPlus.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include "platform/rtl/Stream.h"
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextLayout>
#include <optional>
#include <utility>
#include <vector>

struct GPBrushData {
    QBrush Brush;
    // Linear gradients
    QPointF P1, P2;
    ARGB C1 = 0, C2 = 0;
    std::vector<std::pair<float, QColor>> Stops;
    TWrapMode Wrap = WrapModeTile;
    // Path gradients
    QRectF Bounds;
    ARGB Center = 0xFFFFFFFF, Surround = 0xFFFFFFFF;
    std::optional<QPointF> CenterPoint;
};

struct GPPenData {
    QPen Pen;
};

struct GPPathData {
    QPainterPath Path;
    bool NewFigure = true;
};

struct GPImageData {
    QImage Image;
};

struct GPGraphicsData {
    HDC DC = nullptr;
    TGPImage* Target = nullptr;
    TSmoothingMode Smoothing = SmoothingModeDefault;
    TTextRenderingHint Hint = TextRenderingHintSystemDefault;
    bool HalfOffset = false;
    QTransform World;
    std::optional<QPainterPath> Clip; // device coordinates
    std::vector<std::pair<QTransform, std::optional<QPainterPath>>> Saved;
};

namespace {

QColor ToColor(ARGB c)
{
    return QColor::fromRgba(QRgb(c));
}

QPointF P(TGPPointF p)
{
    return QPointF(p.X, p.Y);
}

QRectF R(const TGPRectF& r)
{
    return QRectF(r.X, r.Y, r.Width, r.Height);
}

QColor Mix(ARGB a, ARGB b, double t)
{
    const QColor x = ToColor(a), y = ToColor(b);
    auto m = [t](int u, int v) { return qBound(0, qRound(u + (v - u) * t), 255); };
    return QColor(m(x.red(), y.red()), m(x.green(), y.green()), m(x.blue(), y.blue()), m(x.alpha(), y.alpha()));
}

QFont ToFont(const TGPFont* Font)
{
    QFont f(ResolveFontFamily(Font->FamilyName()));
    double points = Font->Size();
    switch (Font->Unit()) {
    case UnitPixel:
    case UnitWorld:
    case UnitDisplay: points = Font->Size() * 72.0 / 96.0; break;
    case UnitInch: points = Font->Size() * 72.0; break;
    case UnitDocument: points = Font->Size() * 72.0 / 300.0; break;
    case UnitMillimeter: points = Font->Size() * 72.0 / 25.4; break;
    default: break;
    }
    // Every drawing surface is 96 dpi, so points become pixels as in GDI+.
    f.setPixelSize(qMax(1, qRound(points * 96.0 / 72.0)));
    f.setBold(Font->Style() & FontStyleBold);
    f.setItalic(Font->Style() & FontStyleItalic);
    f.setUnderline(Font->Style() & FontStyleUnderline);
    f.setStrikeOut(Font->Style() & FontStyleStrikeout);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

// GDI+ pads a layout rectangle by a sixth of the em size on each side.
double Padding(const QFont& Font)
{
    return Font.pixelSize() / 6.0;
}

QString Trimmed(const QFontMetricsF& Fm, const QString& Text, double Width, TStringTrimming Trimming)
{
    if (Fm.horizontalAdvance(Text) <= Width)
        return Text;
    switch (Trimming) {
    case StringTrimmingEllipsisCharacter: return Fm.elidedText(Text, Qt::ElideRight, Width);
    case StringTrimmingEllipsisPath: return Fm.elidedText(Text, Qt::ElideMiddle, Width);
    case StringTrimmingEllipsisWord: {
        QString t = Fm.elidedText(Text, Qt::ElideRight, Width);
        const int cut = int(t.size()) - 1;
        const int space = int(Text.lastIndexOf(QLatin1Char(' '), cut - 1));
        if (space > 0 && cut < Text.size() && Text.at(cut) != QLatin1Char(' '))
            t = Text.left(space) + QChar(0x2026);
        return t;
    }
    case StringTrimmingWord: {
        QString t = Text;
        while (!t.isEmpty() && Fm.horizontalAdvance(t) > Width) {
            const int space = int(t.lastIndexOf(QLatin1Char(' ')));
            t = space > 0 ? t.left(space) : t.left(t.size() - 1);
        }
        return t;
    }
    default: return Text;
    }
}

} // namespace

ARGB ColorToARGB(TColor Color, int Alpha)
{
    const TColor c = ColorToRGB(Color);
    return MakeColor(Alpha, GetRValue(c), GetGValue(c), GetBValue(c));
}

// Brushes

TGPBrush::TGPBrush() : FData(std::make_unique<GPBrushData>())
{
}

TGPBrush::~TGPBrush() = default;

TGPSolidBrush::TGPSolidBrush(ARGB Color)
{
    SetColor(Color);
}

void TGPSolidBrush::SetColor(ARGB Color)
{
    FData->C1 = Color;
    FData->Brush = QBrush(ToColor(Color));
}

ARGB TGPSolidBrush::GetColor() const
{
    return FData->C1;
}

TGPLinearGradientBrush::TGPLinearGradientBrush(TGPPointF Point1, TGPPointF Point2, ARGB Color1, ARGB Color2)
{
    FData->P1 = P(Point1);
    FData->P2 = P(Point2);
    FData->C1 = Color1;
    FData->C2 = Color2;
    Rebuild();
}

TGPLinearGradientBrush::TGPLinearGradientBrush(TGPRectF Rect, ARGB Color1, ARGB Color2, TLinearGradientMode Mode)
{
    const QRectF r = R(Rect);
    switch (Mode) {
    case LinearGradientModeHorizontal: FData->P1 = r.topLeft(); FData->P2 = QPointF(r.right(), r.top()); break;
    case LinearGradientModeVertical: FData->P1 = r.topLeft(); FData->P2 = QPointF(r.left(), r.bottom()); break;
    case LinearGradientModeForwardDiagonal: FData->P1 = r.topLeft(); FData->P2 = r.bottomRight(); break;
    case LinearGradientModeBackwardDiagonal: FData->P1 = r.topRight(); FData->P2 = r.bottomLeft(); break;
    }
    FData->C1 = Color1;
    FData->C2 = Color2;
    Rebuild();
}

TStatus TGPLinearGradientBrush::SetBlend(const float* Factors, const float* Positions, int Count)
{
    if (!Factors || !Positions || Count < 2)
        return InvalidParameter;
    FData->Stops.clear();
    for (int i = 0; i < Count; ++i)
        FData->Stops.push_back({Positions[i], Mix(FData->C1, FData->C2, Factors[i])});
    Rebuild();
    return Ok;
}

TStatus TGPLinearGradientBrush::SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count)
{
    if (!Colors || !Positions || Count < 2)
        return InvalidParameter;
    FData->Stops.clear();
    for (int i = 0; i < Count; ++i)
        FData->Stops.push_back({Positions[i], ToColor(Colors[i])});
    Rebuild();
    return Ok;
}

TStatus TGPLinearGradientBrush::SetWrapMode(TWrapMode Mode)
{
    FData->Wrap = Mode;
    Rebuild();
    return Ok;
}

// GDI+ tiles a linear gradient past its end points (WrapModeTile), so one
// brush serves any rectangle; colours blend per component, unpremultiplied.
void TGPLinearGradientBrush::Rebuild()
{
    QLinearGradient g(FData->P1, FData->P2);
    g.setInterpolationMode(QGradient::ComponentInterpolation);
    switch (FData->Wrap) {
    case WrapModeTile: g.setSpread(QGradient::RepeatSpread); break;
    case WrapModeClamp: g.setSpread(QGradient::PadSpread); break;
    default: g.setSpread(QGradient::ReflectSpread); break;
    }
    if (FData->Stops.empty()) {
        g.setColorAt(0, ToColor(FData->C1));
        g.setColorAt(1, ToColor(FData->C2));
    } else {
        for (const auto& [pos, color] : FData->Stops)
            g.setColorAt(qBound(0.0f, pos, 1.0f), color);
    }
    FData->Brush = QBrush(g);
}

TGPPathGradientBrush::TGPPathGradientBrush(const TGPGraphicsPath* Path)
{
    if (Path)
        FData->Bounds = Path->Data().Path.boundingRect();
    Rebuild();
}

TStatus TGPPathGradientBrush::SetCenterColor(ARGB Color)
{
    FData->Center = Color;
    Rebuild();
    return Ok;
}

TStatus TGPPathGradientBrush::SetSurroundColors(const ARGB* Colors, int* Count)
{
    if (!Colors || !Count || *Count < 1)
        return InvalidParameter;
    FData->Surround = Colors[0];
    *Count = 1;
    Rebuild();
    return Ok;
}

TStatus TGPPathGradientBrush::SetCenterPoint(TGPPointF Point)
{
    FData->CenterPoint = P(Point);
    Rebuild();
    return Ok;
}

// The glow of an ellipse: a radial gradient over the path's bounds, from
// the centre colour to the surround colour at the edge.
void TGPPathGradientBrush::Rebuild()
{
    const QRectF b = FData->Bounds;
    QPointF focal(0.5, 0.5);
    if (FData->CenterPoint && b.width() > 0 && b.height() > 0)
        focal = QPointF((FData->CenterPoint->x() - b.left()) / b.width(), (FData->CenterPoint->y() - b.top()) / b.height());
    QRadialGradient g(QPointF(0.5, 0.5), 0.5, focal);
    g.setCoordinateMode(QGradient::ObjectBoundingMode);
    g.setInterpolationMode(QGradient::ComponentInterpolation);
    g.setColorAt(0, ToColor(FData->Center));
    g.setColorAt(1, ToColor(FData->Surround));
    FData->Brush = QBrush(g);
}

// Pens

TGPPen::TGPPen(ARGB Color, float Width) : FData(std::make_unique<GPPenData>())
{
    FData->Pen = QPen(QBrush(ToColor(Color)), Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

TGPPen::TGPPen(const TGPBrush* Brush, float Width) : FData(std::make_unique<GPPenData>())
{
    FData->Pen = QPen(Brush ? Brush->Data().Brush : QBrush(Qt::black), Width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

TGPPen::~TGPPen() = default;

TStatus TGPPen::SetColor(ARGB Color)
{
    FData->Pen.setBrush(ToColor(Color));
    return Ok;
}

TStatus TGPPen::SetWidth(float Width)
{
    FData->Pen.setWidthF(Width);
    return Ok;
}

float TGPPen::GetWidth() const
{
    return float(FData->Pen.widthF());
}

TStatus TGPPen::SetBrush(const TGPBrush* Brush)
{
    if (!Brush)
        return InvalidParameter;
    FData->Pen.setBrush(Brush->Data().Brush);
    return Ok;
}

TStatus TGPPen::SetLineCap(TLineCap StartCap, TLineCap EndCap, int)
{
    switch (StartCap) {
    case LineCapSquare: FData->Pen.setCapStyle(Qt::SquareCap); break;
    case LineCapRound: FData->Pen.setCapStyle(Qt::RoundCap); break;
    default: FData->Pen.setCapStyle(Qt::FlatCap); break;
    }
    return Ok;
}

TStatus TGPPen::SetLineJoin(TLineJoin Join)
{
    switch (Join) {
    case LineJoinBevel: FData->Pen.setJoinStyle(Qt::BevelJoin); break;
    case LineJoinRound: FData->Pen.setJoinStyle(Qt::RoundJoin); break;
    case LineJoinMiterClipped: FData->Pen.setJoinStyle(Qt::SvgMiterJoin); break;
    default: FData->Pen.setJoinStyle(Qt::MiterJoin); break;
    }
    return Ok;
}

TStatus TGPPen::SetDashStyle(TDashStyle Style)
{
    static const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine, Qt::DashDotDotLine};
    FData->Pen.setStyle(styles[Style]);
    return Ok;
}

// Paths

TGPGraphicsPath::TGPGraphicsPath(TFillMode FillMode) : FData(std::make_unique<GPPathData>())
{
    SetFillMode(FillMode);
}

TGPGraphicsPath::~TGPGraphicsPath() = default;

TGPGraphicsPath* TGPGraphicsPath::Clone() const
{
    auto* copy = new TGPGraphicsPath;
    *copy->FData = *FData;
    return copy;
}

TStatus TGPGraphicsPath::SetFillMode(TFillMode Mode)
{
    FData->Path.setFillRule(Mode == FillModeWinding ? Qt::WindingFill : Qt::OddEvenFill);
    return Ok;
}

TStatus TGPGraphicsPath::StartFigure()
{
    FData->NewFigure = true;
    return Ok;
}

TStatus TGPGraphicsPath::CloseFigure()
{
    if (!FData->NewFigure)
        FData->Path.closeSubpath();
    FData->NewFigure = true;
    return Ok;
}

TStatus TGPGraphicsPath::Reset()
{
    const Qt::FillRule rule = FData->Path.fillRule();
    FData->Path = QPainterPath();
    FData->Path.setFillRule(rule);
    FData->NewFigure = true;
    return Ok;
}

// A figure's next part joins the open figure with a line, as in GDI+.
static void Join(GPPathData& D, QPointF Start)
{
    if (D.NewFigure)
        D.Path.moveTo(Start);
    else
        D.Path.lineTo(Start);
    D.NewFigure = false;
}

TStatus TGPGraphicsPath::AddLine(float X1, float Y1, float X2, float Y2)
{
    Join(*FData, QPointF(X1, Y1));
    FData->Path.lineTo(X2, Y2);
    return Ok;
}

TStatus TGPGraphicsPath::AddLines(const TGPPointF* Points, int Count)
{
    if (!Points || Count < 1)
        return InvalidParameter;
    Join(*FData, P(Points[0]));
    for (int i = 1; i < Count; ++i)
        FData->Path.lineTo(P(Points[i]));
    return Ok;
}

TStatus TGPGraphicsPath::AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4)
{
    Join(*FData, QPointF(X1, Y1));
    FData->Path.cubicTo(X2, Y2, X3, Y3, X4, Y4);
    return Ok;
}

TStatus TGPGraphicsPath::AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle)
{
    const QRectF r(X, Y, Width, Height);
    QPainterPath probe;
    probe.arcMoveTo(r, -StartAngle);
    Join(*FData, probe.currentPosition());
    FData->Path.arcTo(r, -StartAngle, -SweepAngle);
    return Ok;
}

TStatus TGPGraphicsPath::AddPolygon(const TGPPointF* Points, int Count)
{
    if (!Points || Count < 2)
        return InvalidParameter;
    FData->Path.moveTo(P(Points[0]));
    for (int i = 1; i < Count; ++i)
        FData->Path.lineTo(P(Points[i]));
    FData->Path.closeSubpath();
    FData->NewFigure = true;
    return Ok;
}

TStatus TGPGraphicsPath::AddRectangle(const TGPRectF& Rect)
{
    FData->Path.addRect(R(Rect));
    FData->NewFigure = true;
    return Ok;
}

TStatus TGPGraphicsPath::AddEllipse(float X, float Y, float Width, float Height)
{
    FData->Path.addEllipse(QRectF(X, Y, Width, Height));
    FData->NewFigure = true;
    return Ok;
}

TStatus TGPGraphicsPath::AddPath(const TGPGraphicsPath* Path, bool Connect)
{
    if (!Path)
        return InvalidParameter;
    if (Connect && !FData->NewFigure)
        FData->Path.connectPath(Path->Data().Path);
    else
        FData->Path.addPath(Path->Data().Path);
    FData->NewFigure = Path->Data().NewFigure;
    return Ok;
}

TStatus TGPGraphicsPath::GetBounds(TGPRectF* Bounds) const
{
    if (!Bounds)
        return InvalidParameter;
    const QRectF b = FData->Path.boundingRect();
    *Bounds = {float(b.x()), float(b.y()), float(b.width()), float(b.height())};
    return Ok;
}

bool TGPGraphicsPath::IsVisible(float X, float Y) const
{
    return FData->Path.contains(QPointF(X, Y));
}

int TGPGraphicsPath::GetPointCount() const
{
    return FData->Path.elementCount();
}

// Fonts

TGPFont::TGPFont(const QString& FamilyName, float EmSize, int Style, TUnit Unit)
    : FFamily(FamilyName), FSize(EmSize), FStyle(Style), FUnit(Unit)
{
}

TGPFont::TGPFont(const TFont* Font)
    : FFamily(Font->Name()), FSize(float(Font->Height() < 0 ? -Font->Height() : Font->Height())), FStyle(0),
      FUnit(UnitPixel)
{
    const TFontStyles s = Font->Style();
    FStyle = (s.Contains(fsBold) ? FontStyleBold : 0) | (s.Contains(fsItalic) ? FontStyleItalic : 0)
        | (s.Contains(fsUnderline) ? FontStyleUnderline : 0) | (s.Contains(fsStrikeOut) ? FontStyleStrikeout : 0);
}

// Images

TGPImage::TGPImage() : FData(std::make_unique<GPImageData>())
{
}

TGPImage::~TGPImage() = default;

TGPImage* TGPImage::FromFile(const QString& FileName)
{
    auto* image = new TGPBitmap(0, 0);
    image->FData->Image = QImage(FileName).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image->FData->Image.isNull())
        image->FStatus = QFileInfo::exists(FileName) ? UnknownImageFormat : FileNotFound;
    return image;
}

TGPImage* TGPImage::FromStream(TStream* Stream)
{
    auto* image = new TGPBitmap(0, 0);
    const QImage best = DecodeLargestImage(Stream ? Stream->ReadAll() : QByteArray());
    image->FData->Image = best.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (best.isNull())
        image->FStatus = UnknownImageFormat;
    return image;
}

unsigned TGPImage::GetWidth() const
{
    return unsigned(FData->Image.width());
}

unsigned TGPImage::GetHeight() const
{
    return unsigned(FData->Image.height());
}

TGPBitmap::TGPBitmap(int Width, int Height)
{
    if (Width > 0 && Height > 0) {
        FData->Image = QImage(Width, Height, QImage::Format_ARGB32_Premultiplied);
        FData->Image.fill(Qt::transparent);
    }
}

TGPBitmap::TGPBitmap(TBitmap* Bitmap, TColor TransparentColor)
{
    if (!Bitmap || Bitmap->Empty()) {
        FStatus = InvalidParameter;
        return;
    }
    QImage image = Bitmap->Surface()->image();
    if (!(Bitmap->PixelFormat() == pf32bit && Bitmap->AlphaFormat() != afIgnored))
        image = image.convertToFormat(QImage::Format_RGB32);
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (TransparentColor != clNone) {
        // The key is compared by its RGB value only.
        const QRgb key = ToQColor(TransparentColor).rgb() & 0xFFFFFF;
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == key)
                    line[x] = 0;
        }
    }
    FData->Image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TGPBitmap::TGPBitmap(TIcon* Icon)
{
    if (!Icon || Icon->Empty()) {
        FStatus = InvalidParameter;
        return;
    }
    FData->Image = Icon->Surface()->image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

TGPBitmap::TGPBitmap(TCustomImageList* Images, int Index)
{
    const ImageSurface* image = Images ? Images->Image(Index) : nullptr;
    if (!image) {
        FStatus = InvalidParameter;
        return;
    }
    FData->Image = image->image().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

ARGB TGPBitmap::GetPixel(int X, int Y) const
{
    if (!FData->Image.valid(X, Y))
        return 0;
    return ARGB(qUnpremultiply(FData->Image.pixel(X, Y)));
}

TStatus TGPBitmap::SetPixel(int X, int Y, ARGB Color)
{
    if (!FData->Image.valid(X, Y))
        return InvalidParameter;
    FData->Image.setPixel(X, Y, qPremultiply(QRgb(Color)));
    return Ok;
}

void TGPBitmap::ToBitmap(TBitmap* Bitmap) const
{
    if (!Bitmap)
        return;
    Bitmap->SetPixelFormat(pf32bit);
    Bitmap->SetAlphaFormat(afPremultiplied);
    Bitmap->Surface()->SetImage(FData->Image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    Bitmap->SetModified(true);
}

// Graphics

namespace {

// One drawing call: a painter on the target with the world transform, the
// clip path and antialiasing set up. Geometry gets the half-pixel shift.
class GPPainter {
public:
    GPPainter(GPGraphicsData& D, bool Geometry) : FData(D)
    {
        if (D.DC) {
            FCanvasPainter.emplace(D.DC, false);
            FPainter = FCanvasPainter->get();
            if (FPainter)
                FOrigin = D.DC->State().DC.ViewportOrg;
        } else if (D.Target && !D.Target->Data().Image.isNull()) {
            FOwn.emplace(&D.Target->Data().Image);
            FPainter = &*FOwn;
        }
        if (!FPainter)
            return;
        if (D.Clip)
            FPainter->setClipPath(*D.Clip, FPainter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        const bool smooth = D.Smoothing == SmoothingModeHighQuality || D.Smoothing == SmoothingModeAntiAlias;
        FPainter->setRenderHint(QPainter::Antialiasing, smooth);
        FPainter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
        FPainter->setRenderHint(QPainter::TextAntialiasing, D.Hint != TextRenderingHintSingleBitPerPixel
                                                                && D.Hint != TextRenderingHintSingleBitPerPixelGridFit);
        const double shift = Geometry && !D.HalfOffset ? 0.5 : 0.0;
        FPainter->setTransform(D.World * QTransform::fromTranslate(FOrigin.x() + shift, FOrigin.y() + shift));
    }
    QPainter* operator->() const { return FPainter; }
    explicit operator bool() const { return FPainter != nullptr; }
    // Device transform without the shift, for clip paths.
    QTransform DeviceTransform() const { return FData.World * QTransform::fromTranslate(FOrigin.x(), FOrigin.y()); }

private:
    GPGraphicsData& FData;
    std::optional<CanvasPainter> FCanvasPainter;
    std::optional<QPainter> FOwn;
    QPainter* FPainter = nullptr;
    QPoint FOrigin;
};

QTransform DeviceTransform(const GPGraphicsData& D)
{
    const QPoint origin = D.DC ? D.DC->State().DC.ViewportOrg : QPoint();
    return D.World * QTransform::fromTranslate(origin.x(), origin.y());
}

QRectF TargetBounds(const GPGraphicsData& D)
{
    if (D.DC && D.DC->Surface())
        return QRectF(QPointF(0, 0), QSizeF(D.DC->Surface()->Size()));
    if (D.Target)
        return QRectF(D.Target->Data().Image.rect());
    return QRectF();
}

} // namespace

TGPGraphics::TGPGraphics(HDC DC) : FData(std::make_unique<GPGraphicsData>())
{
    FData->DC = DC;
}

TGPGraphics::TGPGraphics(TGPImage* Image) : FData(std::make_unique<GPGraphicsData>())
{
    FData->Target = Image;
}

TGPGraphics::~TGPGraphics() = default;

TStatus TGPGraphics::SetSmoothingMode(TSmoothingMode Mode)
{
    FData->Smoothing = Mode;
    return Ok;
}

TSmoothingMode TGPGraphics::GetSmoothingMode() const
{
    return FData->Smoothing;
}

TStatus TGPGraphics::SetTextRenderingHint(TTextRenderingHint Hint)
{
    FData->Hint = Hint;
    return Ok;
}

TStatus TGPGraphics::SetPixelOffsetModeHalf(bool Half)
{
    FData->HalfOffset = Half;
    return Ok;
}

TStatus TGPGraphics::Clear(ARGB Color)
{
    GPPainter p(*FData, false);
    if (!p)
        return WrongState;
    p->resetTransform();
    p->setCompositionMode(QPainter::CompositionMode_Source);
    p->fillRect(TargetBounds(*FData), ToColor(Color));
    return Ok;
}

// Clip paths are kept in device coordinates: Qt has no "exclude", so an
// exclusion subtracts from the current clip (or the whole target).
TStatus TGPGraphics::SetClip(const TGPGraphicsPath* Path, TCombineMode Mode)
{
    if (!Path)
        return InvalidParameter;
    const QPainterPath device = DeviceTransform(*FData).map(Path->Data().Path);
    QPainterPath all;
    all.addRect(TargetBounds(*FData));
    const QPainterPath current = FData->Clip ? *FData->Clip : all;
    switch (Mode) {
    case CombineModeReplace: FData->Clip = device; break;
    case CombineModeIntersect: FData->Clip = current.intersected(device); break;
    case CombineModeUnion: FData->Clip = FData->Clip ? current.united(device) : all; break;
    case CombineModeXor: FData->Clip = current.subtracted(device).united(device.subtracted(current)); break;
    case CombineModeExclude: FData->Clip = current.subtracted(device); break;
    case CombineModeComplement: FData->Clip = device.subtracted(current); break;
    }
    FData->Clip->setFillRule(Qt::OddEvenFill);
    return Ok;
}

TStatus TGPGraphics::SetClip(const TGPRectF& Rect, TCombineMode Mode)
{
    TGPGraphicsPath path;
    path.AddRectangle(Rect);
    return SetClip(&path, Mode);
}

TStatus TGPGraphics::ResetClip()
{
    FData->Clip.reset();
    return Ok;
}

unsigned TGPGraphics::Save()
{
    FData->Saved.emplace_back(FData->World, FData->Clip);
    return unsigned(FData->Saved.size());
}

TStatus TGPGraphics::Restore(unsigned State)
{
    if (State == 0 || State > FData->Saved.size())
        return InvalidParameter;
    FData->World = FData->Saved[State - 1].first;
    FData->Clip = FData->Saved[State - 1].second;
    FData->Saved.resize(State - 1);
    return Ok;
}

TStatus TGPGraphics::TranslateTransform(float DX, float DY)
{
    FData->World = QTransform::fromTranslate(DX, DY) * FData->World;
    return Ok;
}

TStatus TGPGraphics::ResetTransform()
{
    FData->World.reset();
    return Ok;
}

TStatus TGPGraphics::FillPath(const TGPBrush* Brush, const TGPGraphicsPath* Path)
{
    GPPainter p(*FData, true);
    if (!p || !Brush || !Path)
        return InvalidParameter;
    p->fillPath(Path->Data().Path, Brush->Data().Brush);
    return Ok;
}

TStatus TGPGraphics::DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path)
{
    GPPainter p(*FData, true);
    if (!p || !Pen || !Path)
        return InvalidParameter;
    p->strokePath(Path->Data().Path, Pen->Data().Pen);
    return Ok;
}

TStatus TGPGraphics::FillPolygon(const TGPBrush* Brush, const TGPPointF* Points, int Count, TFillMode Mode)
{
    TGPGraphicsPath path(Mode);
    if (path.AddPolygon(Points, Count) != Ok)
        return InvalidParameter;
    return FillPath(Brush, &path);
}

TStatus TGPGraphics::DrawPolygon(const TGPPen* Pen, const TGPPointF* Points, int Count)
{
    TGPGraphicsPath path;
    if (path.AddPolygon(Points, Count) != Ok)
        return InvalidParameter;
    return DrawPath(Pen, &path);
}

TStatus TGPGraphics::DrawLine(const TGPPen* Pen, float X1, float Y1, float X2, float Y2)
{
    GPPainter p(*FData, true);
    if (!p || !Pen)
        return InvalidParameter;
    p->setPen(Pen->Data().Pen);
    p->drawLine(QPointF(X1, Y1), QPointF(X2, Y2));
    return Ok;
}

TStatus TGPGraphics::DrawLines(const TGPPen* Pen, const TGPPointF* Points, int Count)
{
    TGPGraphicsPath path;
    if (path.AddLines(Points, Count) != Ok)
        return InvalidParameter;
    return DrawPath(Pen, &path);
}

TStatus TGPGraphics::DrawBezier(const TGPPen* Pen, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                                float X4, float Y4)
{
    TGPGraphicsPath path;
    path.AddBezier(X1, Y1, X2, Y2, X3, Y3, X4, Y4);
    return DrawPath(Pen, &path);
}

TStatus TGPGraphics::FillRectangle(const TGPBrush* Brush, const TGPRectF& Rect)
{
    GPPainter p(*FData, true);
    if (!p || !Brush)
        return InvalidParameter;
    p->fillRect(R(Rect), Brush->Data().Brush);
    return Ok;
}

TStatus TGPGraphics::DrawRectangle(const TGPPen* Pen, const TGPRectF& Rect)
{
    TGPGraphicsPath path;
    path.AddRectangle(Rect);
    return DrawPath(Pen, &path);
}

TStatus TGPGraphics::FillEllipse(const TGPBrush* Brush, const TGPRectF& Rect)
{
    TGPGraphicsPath path;
    path.AddEllipse(Rect);
    return FillPath(Brush, &path);
}

TStatus TGPGraphics::DrawEllipse(const TGPPen* Pen, const TGPRectF& Rect)
{
    TGPGraphicsPath path;
    path.AddEllipse(Rect);
    return DrawPath(Pen, &path);
}

TStatus TGPGraphics::DrawArc(const TGPPen* Pen, const TGPRectF& Rect, float StartAngle, float SweepAngle)
{
    GPPainter p(*FData, true);
    if (!p || !Pen)
        return InvalidParameter;
    // Qt counts sixteenths of a degree counter-clockwise.
    p->setPen(Pen->Data().Pen);
    p->setBrush(Qt::NoBrush);
    p->drawArc(R(Rect), qRound(-StartAngle * 16), qRound(-SweepAngle * 16));
    return Ok;
}

TStatus TGPGraphics::DrawString(const QString& Text, int Length, const TGPFont* Font, const TGPRectF& Layout,
                                const TGPStringFormat* Format, const TGPBrush* Brush)
{
    GPPainter p(*FData, false);
    if (!p || !Font || !Brush)
        return InvalidParameter;
    const TGPStringFormat defaults;
    const TGPStringFormat& f = Format ? *Format : defaults;
    const QFont font = ToFont(Font);
    const QFontMetricsF fm(font);
    const double pad = Padding(font);
    QRectF box = R(Layout);
    const bool noBounds = box.width() <= 0 && box.height() <= 0;
    box.adjust(pad, 0, -pad, 0);
    QString text = Length < 0 ? Text : Text.left(Length);
    const bool rtl = f.GetFormatFlags() & StringFormatFlagsDirectionRightToLeft;
    const bool wrap = !(f.GetFormatFlags() & StringFormatFlagsNoWrap) && !noBounds;
    // Absolute: the alignment is already turned for right-to-left text, and
    // the painter's layout direction must not turn it back.
    int flags = Qt::AlignAbsolute;
    switch (f.GetAlignment()) {
    case StringAlignmentNear: flags |= rtl ? Qt::AlignRight : Qt::AlignLeft; break;
    case StringAlignmentCenter: flags |= Qt::AlignHCenter; break;
    case StringAlignmentFar: flags |= rtl ? Qt::AlignLeft : Qt::AlignRight; break;
    }
    switch (f.GetLineAlignment()) {
    case StringAlignmentNear: flags |= Qt::AlignTop; break;
    case StringAlignmentCenter: flags |= Qt::AlignVCenter; break;
    case StringAlignmentFar: flags |= Qt::AlignBottom; break;
    }
    if (wrap)
        flags |= Qt::TextWordWrap;
    // GDI+ draws "&" literally unless a hotkey prefix is asked for.
    if (f.GetHotkeyPrefix() == HotkeyPrefixShow)
        flags |= Qt::TextShowMnemonic;
    else if (f.GetHotkeyPrefix() == HotkeyPrefixHide)
        flags |= Qt::TextHideMnemonic;
    if (!wrap && !noBounds)
        text = Trimmed(fm, text, box.width(), f.GetTrimming());
    if (!(f.GetFormatFlags() & StringFormatFlagsNoClip) && !noBounds)
        p->setClipRect(R(Layout), Qt::IntersectClip);
    p->setLayoutDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    p->setFont(font);
    p->setPen(QPen(Brush->Data().Brush, 0));
    if (noBounds)
        p->drawText(QPointF(box.left(), box.top() + fm.ascent()), text);
    else
        p->drawText(box, flags, text);
    return Ok;
}

TStatus TGPGraphics::DrawString(const QString& Text, int Length, const TGPFont* Font, TGPPointF Origin,
                                const TGPBrush* Brush)
{
    return DrawString(Text, Length, Font, TGPRectF{Origin.X, Origin.Y, 0, 0}, nullptr, Brush);
}

TStatus TGPGraphics::MeasureString(const QString& Text, int Length, const TGPFont* Font, const TGPRectF& Layout,
                                   const TGPStringFormat* Format, TGPRectF* Bounds) const
{
    if (!Font || !Bounds)
        return InvalidParameter;
    const QFont font = ToFont(Font);
    const QFontMetricsF fm(font);
    const QString text = Length < 0 ? Text : Text.left(Length);
    const double pad = Padding(font);
    const bool wrap = Layout.Width > 0 && !(Format && (Format->GetFormatFlags() & StringFormatFlagsNoWrap));
    QRectF r;
    if (wrap)
        r = fm.boundingRect(QRectF(0, 0, Layout.Width - 2 * pad, 1e6), Qt::TextWordWrap, text);
    else
        r = QRectF(0, 0, fm.horizontalAdvance(text), fm.height());
    *Bounds = {Layout.X, Layout.Y, float(r.width() + 2 * pad), float(r.height())};
    return Ok;
}

TStatus TGPGraphics::DrawImage(TGPImage* Image, float X, float Y)
{
    if (!Image)
        return InvalidParameter;
    GPPainter p(*FData, false);
    if (!p)
        return WrongState;
    p->drawImage(QPointF(X, Y), Image->Data().Image);
    return Ok;
}

TStatus TGPGraphics::DrawImage(TGPImage* Image, const TGPRectF& Dest)
{
    if (!Image)
        return InvalidParameter;
    GPPainter p(*FData, false);
    if (!p)
        return WrongState;
    p->drawImage(R(Dest), Image->Data().Image);
    return Ok;
}

TStatus TGPGraphics::DrawImage(TGPImage* Image, const TGPRectF& Dest, float SrcX, float SrcY, float SrcWidth,
                               float SrcHeight, TUnit)
{
    if (!Image)
        return InvalidParameter;
    GPPainter p(*FData, false);
    if (!p)
        return WrongState;
    p->drawImage(R(Dest), Image->Data().Image, QRectF(SrcX, SrcY, SrcWidth, SrcHeight));
    return Ok;
}
