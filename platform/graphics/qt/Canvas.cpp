#include "platform/graphics/Bitmap.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QPaintDevice>
#include <QtMath>
#include <cmath>
#include <unordered_map>

// Colours and fonts

QColor ToQColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

TColor FromQRgb(QRgb Rgb)
{
    return RGB(qRed(Rgb), qGreen(Rgb), qBlue(Rgb));
}

QString ResolveFontFamily(const QString& Name)
{
    static QHash<QString, QString> cache;
    auto it = cache.constFind(Name);
    if (it != cache.constEnd())
        return *it;
    const QString family = QFontDatabase::hasFamily(Name) ? Name : QStringLiteral("DejaVu Sans");
    cache.insert(Name, family);
    return family;
}

// Cell height over em height of a family, to turn a positive Height
// (character cell) into a pixel size.
static double CellRatio(const QString& family)
{
    static QHash<QString, double> cache;
    auto it = cache.constFind(family);
    if (it != cache.constEnd())
        return *it;
    QFont f(family);
    f.setPixelSize(100);
    const double ratio = QFontMetricsF(f).height() / 100.0;
    cache.insert(family, ratio);
    return ratio;
}

static QFont MakeQFont(const TFont& Font, double Scale)
{
    const QString family = ResolveFontFamily(Font.Name());
    QFont q(family);
    double px;
    if (Font.Height() < 0)
        px = -Font.Height();
    else if (Font.Height() > 0)
        px = Font.Height() / CellRatio(family);
    else
        px = 11;
    q.setPixelSize(qMax(1, qRound(px * Scale)));
    q.setBold(Font.Style().Contains(fsBold));
    q.setItalic(Font.Style().Contains(fsItalic));
    q.setUnderline(Font.Style().Contains(fsUnderline));
    q.setStrikeOut(Font.Style().Contains(fsStrikeOut));
    q.setKerning(false);
    if (Font.Quality() == fqNonAntialiased || Font.Quality() == fqDraft)
        q.setStyleStrategy(QFont::NoAntialias);
    return q;
}

namespace {

// What MakeQFont reads of a font.
struct FontKey {
    QString Name;
    int Height;
    unsigned Style;
    int Quality;
    double Scale;
    bool operator==(const FontKey&) const = default;
};

struct FontKeyHash {
    std::size_t operator()(const FontKey& K) const
    {
        return qHashMulti(0, K.Name, K.Height, K.Style, K.Quality, K.Scale);
    }
};

} // namespace

// A font built once is reused, with its glyphs and metrics already looked up.
QFont ToQFont(const TFont& Font, double Scale)
{
    unsigned style = 0;
    for (TFontStyle f : {fsBold, fsItalic, fsUnderline, fsStrikeOut})
        style = style << 1 | (Font.Style().Contains(f) ? 1u : 0u);
    FontKey key{Font.Name(), Font.Height(), style, int(Font.Quality()), Scale};
    thread_local std::unordered_map<FontKey, QFont, FontKeyHash> cache;
    auto it = cache.find(key);
    if (it != cache.end())
        return it->second;
    // A program cycles through a handful of fonts; the bound only guards
    // against one that makes new ones without end.
    if (cache.size() >= 256)
        cache.clear();
    return cache.emplace(std::move(key), MakeQFont(Font, Scale)).first->second;
}

// Coordinates

static int SurfaceDpi(const TCanvas* Canvas)
{
    return Canvas->Surface() ? Canvas->Surface()->Dpi() : 96;
}

double DeviceScale(const TCanvas* Canvas)
{
    return Canvas->State().DC.MapMode == MM_LOMETRIC ? SurfaceDpi(Canvas) / 254.0 : 1.0;
}

// MM_LOMETRIC: tenths of a millimetre with y upwards; the canvas turns
// them into device pixels here, so nothing drawn is ever mirrored.
QPoint ToDevice(const TCanvas* Canvas, TPoint P)
{
    const DCState& s = Canvas->State().DC;
    const int x = P.X - s.WindowOrg.x();
    const int y = P.Y - s.WindowOrg.y();
    if (s.MapMode == MM_LOMETRIC) {
        const double k = DeviceScale(Canvas);
        return QPoint(qRound(x * k) + s.ViewportOrg.x(), qRound(-y * k) + s.ViewportOrg.y());
    }
    return QPoint(x + s.ViewportOrg.x(), y + s.ViewportOrg.y());
}

QRect ToDevice(const TCanvas* Canvas, const TRect& R)
{
    const QPoint a = ToDevice(Canvas, R.TopLeft());
    const QPoint b = ToDevice(Canvas, R.BottomRight());
    const int l = qMin(a.x(), b.x()), r = qMax(a.x(), b.x());
    const int t = qMin(a.y(), b.y()), btm = qMax(a.y(), b.y());
    return QRect(l, t, r - l, btm - t);
}

TPoint ToLogical(const TCanvas* Canvas, QPoint P)
{
    const DCState& s = Canvas->State().DC;
    const int x = P.x() - s.ViewportOrg.x();
    const int y = P.y() - s.ViewportOrg.y();
    if (s.MapMode == MM_LOMETRIC) {
        const double k = DeviceScale(Canvas);
        return {qRound(x / k) + s.WindowOrg.x(), qRound(-y / k) + s.WindowOrg.y()};
    }
    return {x + s.WindowOrg.x(), y + s.WindowOrg.y()};
}

// Raster operations

quint32 ApplyRop3(unsigned Code, quint32 P, quint32 S, quint32 D)
{
    // Bit i of the code is the result for pattern, source and destination
    // bits (i >> 2 & 1, i >> 1 & 1, i & 1).
    quint32 r = 0;
    for (unsigned i = 0; i < 8; ++i) {
        if (!(Code & (1u << i)))
            continue;
        const quint32 p = (i & 4) ? P : ~P;
        const quint32 s = (i & 2) ? S : ~S;
        const quint32 d = (i & 1) ? D : ~D;
        r |= p & s & d;
    }
    return r & 0xFFFFFF;
}

quint32 ApplyRop2(TPenMode Mode, quint32 P, quint32 D)
{
    quint32 r = 0;
    switch (Mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = 0xFFFFFF; break;
    case pmNop: r = D; break;
    case pmNot: r = ~D; break;
    case pmCopy: r = P; break;
    case pmNotCopy: r = ~P; break;
    case pmMergePenNot: r = P | ~D; break;
    case pmMaskPenNot: r = P & ~D; break;
    case pmMergeNotPen: r = ~P | D; break;
    case pmMaskNotPen: r = ~P & D; break;
    case pmMerge: r = P | D; break;
    case pmNotMerge: r = ~(P | D); break;
    case pmMask: r = P & D; break;
    case pmNotMask: r = ~(P & D); break;
    case pmXor: r = P ^ D; break;
    case pmNotXor: r = ~(P ^ D); break;
    }
    return r & 0xFFFFFF;
}

// The painter of one operation

CanvasPainter::CanvasPainter(TCanvas* Canvas, bool UsePenMode, const QRect& Bounds) : FCanvas(Canvas)
{
    CanvasSurface* surface = Canvas->Surface();
    if (!surface)
        return;
    Canvas->Changing();
    FMode = UsePenMode ? Canvas->Pen()->Mode() : pmCopy;
    if (FMode != pmCopy && surface->Image()) {
        const QRect all = surface->Image()->rect();
        FScratchRect = Bounds.isNull() ? all : Bounds & all;
        FScratch = QImage(FScratchRect.isEmpty() ? QSize(1, 1) : FScratchRect.size(),
                          QImage::Format_ARGB32_Premultiplied);
        FScratch.fill(0);
        FScratchPainter = new QPainter(&FScratch);
        FScratchPainter->translate(-FScratchRect.topLeft());
        FPainter = FScratchPainter;
    } else {
        FMode = pmCopy;
        FPainter = surface->BeginPaint();
    }
    // A pass painter has these already; setting them again is not free.
    if (FPainter->testRenderHint(QPainter::Antialiasing))
        FPainter->setRenderHint(QPainter::Antialiasing, false);
    if (!FPainter->testRenderHint(QPainter::TextAntialiasing))
        FPainter->setRenderHint(QPainter::TextAntialiasing, true);
    if (Canvas->State().DC.Clip)
        FPainter->setClipRegion(*Canvas->State().DC.Clip);
}

CanvasPainter::~CanvasPainter()
{
    CanvasSurface* surface = FCanvas->Surface();
    if (!FPainter || !surface)
        return;
    if (FScratchPainter) {
        delete FScratchPainter;
        // The pen colour drawn into the scratch image meets the surface
        // through the pen mode.
        QImage& img = *surface->Image();
        const bool direct = img.format() == QImage::Format_RGB32 || img.format() == QImage::Format_ARGB32
            || img.format() == QImage::Format_ARGB32_Premultiplied;
        const int left = FScratchRect.left(), top = FScratchRect.top();
        for (int sy = 0; sy < FScratchRect.height(); ++sy) {
            const int y = top + sy;
            const QRgb* src = reinterpret_cast<const QRgb*>(FScratch.constScanLine(sy));
            QRgb* dst = direct ? reinterpret_cast<QRgb*>(img.scanLine(y)) + left : nullptr;
            for (int sx = 0; sx < FScratchRect.width(); ++sx) {
                if (qAlpha(src[sx]) < 128)
                    continue;
                const QRgb d = dst ? dst[sx] : img.pixel(left + sx, y);
                const quint32 r = ApplyRop2(FMode, src[sx] & 0xFFFFFF, d & 0xFFFFFF);
                const QRgb out = (d & 0xFF000000u) | r;
                if (dst)
                    dst[sx] = out;
                else
                    img.setPixel(left + sx, y, out);
            }
        }
    } else {
        surface->EndPaint(FPainter);
    }
    FCanvas->Changed();
}

// Pens and brushes

static QPen MakePen(const TCanvas* Canvas)
{
    const TPen* pen = Canvas->Pen();
    if (pen->Style() == psClear)
        return QPen(Qt::NoPen);
    const int width = qMax(1, qRound(pen->Width() * DeviceScale(Canvas)));
    QPen q(ToQColor(pen->Color()));
    q.setWidth(width);
    if (width == 1) {
        // Width 1 is exactly one pixel (aliased); styles are GDI's dash lengths.
        q.setCapStyle(Qt::FlatCap);
        q.setJoinStyle(Qt::MiterJoin);
        switch (pen->Style()) {
        case psDash: q.setDashPattern({18, 6}); break;
        case psDot: q.setDashPattern({3, 3}); break;
        case psDashDot: q.setDashPattern({9, 6, 3, 6}); break;
        case psDashDotDot: q.setDashPattern({9, 3, 3, 3, 3, 3}); break;
        case psAlternate: q.setDashPattern({1, 1}); break;
        default: break;
        }
    } else {
        q.setCapStyle(Qt::RoundCap);
        q.setJoinStyle(Qt::RoundJoin);
    }
    return q;
}

static QBrush MakeBrush(const TCanvas* Canvas)
{
    const TBrush* brush = Canvas->Brush();
    if (brush->Bitmap() && !brush->Bitmap()->Empty())
        return QBrush(brush->Bitmap()->Surface()->image());
    const QColor c = ToQColor(brush->Color());
    switch (brush->Style()) {
    case bsClear: return QBrush(Qt::NoBrush);
    case bsSolid: return QBrush(c);
    case bsHorizontal: return QBrush(c, Qt::HorPattern);
    case bsVertical: return QBrush(c, Qt::VerPattern);
    case bsFDiagonal: return QBrush(c, Qt::FDiagPattern); // falling to the right
    case bsBDiagonal: return QBrush(c, Qt::BDiagPattern); // rising to the right
    case bsCross: return QBrush(c, Qt::CrossPattern);
    case bsDiagCross: return QBrush(c, Qt::DiagCrossPattern);
    }
    return QBrush(c);
}

static bool IsHatched(const TBrush* Brush)
{
    return !Brush->Bitmap() && Brush->Style() != bsSolid && Brush->Style() != bsClear;
}

// Fills a device rectangle with the brush; hatches get the background
// colour between their lines when the background mode is opaque.
static void FillDeviceRect(const TCanvas* Canvas, QPainter* P, const QRect& R)
{
    if (R.isEmpty() || Canvas->Brush()->Style() == bsClear)
        return;
    if (IsHatched(Canvas->Brush()) && Canvas->State().DC.BkMode == OPAQUE)
        P->fillRect(R, ToQColor(Canvas->State().DC.BkColor));
    // A plain colour fills without a brush object.
    if (Canvas->Brush()->Style() == bsSolid && !(Canvas->Brush()->Bitmap() && !Canvas->Brush()->Bitmap()->Empty()))
        P->fillRect(R, ToQColor(Canvas->Brush()->Color()));
    else
        P->fillRect(R, MakeBrush(Canvas));
}

// A line leaves out its end point, so lines joined end to start never
// paint a pixel twice. A one-pixel pen paints the integer line: one pixel
// per step along the longer axis, the other coordinate rounded to the true
// line (a tie stays on the start's side); dashes count pixels.
static void PaintLineSegment(QPainter* P, const QPen& Pen, QPoint A, QPoint B)
{
    if (A == B || Pen.style() == Qt::NoPen)
        return;
    if (Pen.width() > 1) {
        P->setPen(Pen);
        P->drawLine(A, B);
        return;
    }
    std::vector<bool> dashes;
    if (Pen.style() != Qt::SolidLine) {
        const QList<qreal> pattern = Pen.dashPattern();
        for (qsizetype i = 0; i < pattern.size(); ++i)
            dashes.insert(dashes.end(), size_t(qMax(0, qRound(pattern[i]))), i % 2 == 0);
    }
    const qint64 dx = qint64(B.x()) - A.x(), dy = qint64(B.y()) - A.y();
    const bool xMajor = qAbs(dx) >= qAbs(dy);
    const qint64 major = xMajor ? dx : dy, minor = xMajor ? dy : dx;
    const qint64 steps = qAbs(major), rise = qAbs(minor);
    const int majorStep = major < 0 ? -1 : 1, minorStep = minor < 0 ? -1 : 1;
    const qint64 majorStart = xMajor ? A.x() : A.y(), minorStart = xMajor ? A.y() : A.x();
    // Only the steps that land on the device are walked.
    const QRect device = P->worldTransform().inverted().mapRect(QRect(0, 0, P->device()->width(), P->device()->height()));
    const qint64 lo = xMajor ? device.left() : device.top(), hi = xMajor ? device.right() : device.bottom();
    const qint64 minorLo = xMajor ? device.top() : device.left(), minorHi = xMajor ? device.bottom() : device.right();
    const qint64 first = qMax<qint64>(0, majorStep > 0 ? lo - majorStart : majorStart - hi);
    const qint64 last = qMin<qint64>(steps - 1, majorStep > 0 ? hi - majorStart : majorStart - lo);
    if (first > last)
        return;
    auto on = [&](qint64 i) { return dashes.empty() || dashes[size_t(i) % dashes.size()]; };
    // Paints steps From..To (inclusive), Offset off the start's minor coordinate.
    auto run = [&](qint64 From, qint64 To, qint64 Offset) {
        const qint64 m = minorStart + Offset * minorStep;
        if (m < minorLo || m > minorHi)
            return;
        const int a = int(majorStart + qMin(From * majorStep, To * majorStep));
        const int len = int(To - From + 1);
        P->fillRect(xMajor ? QRect(a, int(m), len, 1) : QRect(int(m), a, 1, len), Pen.color());
    };
    // The minor offset at a step is the true one rounded, a tie staying
    // on the start's side; from there the error term carries it along.
    const qint64 lead = 2 * first * rise - steps;
    qint64 offset = lead <= 0 ? 0 : (lead + 2 * steps - 1) / (2 * steps);
    qint64 error = 2 * first * rise - 2 * steps * offset;
    qint64 runFrom = first, runOffset = offset;
    bool runOn = on(first);
    for (qint64 i = first + 1; i <= last + 1; ++i) {
        error += 2 * rise;
        if (error > steps) {
            ++offset;
            error -= 2 * steps;
        }
        const bool o = i <= last && on(i);
        if (i > last || o != runOn || offset != runOffset) {
            if (runOn)
                run(runFrom, i - 1, runOffset);
            runFrom = i;
            runOffset = offset;
            runOn = o;
        }
    }
}

// The device pixels a pen may touch drawing in R (a shape's box, or the
// box spanned by a line's ends).
static QRect PenReach(const TCanvas* Canvas, QPoint A, QPoint B)
{
    const int m = qMax(1, qRound(Canvas->Pen()->Width() * DeviceScale(Canvas))) + 1;
    return QRect(QPoint(qMin(A.x(), B.x()) - m, qMin(A.y(), B.y()) - m),
                 QPoint(qMax(A.x(), B.x()) + m, qMax(A.y(), B.y()) + m));
}

static QRect PenReach(const TCanvas* Canvas, const QRect& R)
{
    return PenReach(Canvas, R.topLeft(), QPoint(R.x() + R.width(), R.y() + R.height()));
}

// TCanvas

TCanvas::TCanvas()
    : FFont(std::make_unique<TFont>()), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>()),
      FState(std::make_unique<CanvasState>())
{
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FBrush->OnChange = [this](TObject*) { BrushChanged(); };
    FontChanged();
    BrushChanged();
}

TCanvas::~TCanvas() = default;

void TCanvas::SetSurface(CanvasSurface* Surface)
{
    FSurface = Surface;
}

void TCanvas::FontChanged()
{
    FState->DC.TextColor = FFont->Color();
}

void TCanvas::BrushChanged()
{
    FState->DC.BkColor = FBrush->Color();
    FState->DC.BkMode = FBrush->Style() == bsSolid ? OPAQUE : TRANSPARENT;
}

void TCanvas::Changing()
{
    if (OnChanging)
        OnChanging(this);
}

void TCanvas::Changed()
{
    if (OnChange)
        OnChange(this);
    if (AfterDraw)
        AfterDraw();
}

void TCanvas::Refresh()
{
    FontChanged();
    BrushChanged();
}

// FillRect: the brush covers [Left, Right) x [Top, Bottom), never the right
// column or the bottom row.
void TCanvas::FillRect(const TRect& Rect)
{
    CanvasPainter p(this, false);
    if (p)
        FillDeviceRect(this, p.get(), ToDevice(this, Rect));
}

void TCanvas::FrameRect(const TRect& Rect)
{
    CanvasPainter p(this, false);
    if (!p)
        return;
    const QRect r = ToDevice(this, Rect);
    if (r.isEmpty())
        return;
    const QBrush b = MakeBrush(this);
    p->fillRect(QRect(r.left(), r.top(), r.width(), 1), b);
    p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), b);
    p->fillRect(QRect(r.left(), r.top(), 1, r.height()), b);
    p->fillRect(QRect(r.right(), r.top(), 1, r.height()), b);
}

// Rectangle: the brush fills the box and the pen is drawn inside it, so a
// one-pixel outline covers columns X1 and X2 - 1 and rows Y1 and Y2 - 1.
void TCanvas::Rectangle(int X1, int Y1, int X2, int Y2)
{
    const QRect r = ToDevice(this, TRect{X1, Y1, X2, Y2});
    CanvasPainter p(this, true, PenReach(this, r));
    if (!p)
        return;
    if (r.isEmpty())
        return;
    const QPen pen = MakePen(this);
    const int w = pen.style() == Qt::NoPen ? 0 : qMin(pen.width(), qMin(r.width(), r.height()) / 2 + 1);
    FillDeviceRect(this, p.get(), r.adjusted(w, w, -w, -w));
    if (w == 0)
        return;
    if (pen.style() == Qt::SolidLine) {
        const QColor c = pen.color();
        p->fillRect(QRect(r.left(), r.top(), r.width(), w), c);
        p->fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), c);
        p->fillRect(QRect(r.left(), r.top(), w, r.height()), c);
        p->fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), c);
    } else {
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        p->drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
    }
}

void TCanvas::RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3)
{
    const QRect r = ToDevice(this, TRect{X1, Y1, X2, Y2});
    CanvasPainter p(this, true, PenReach(this, r));
    if (!p)
        return;
    if (r.isEmpty())
        return;
    const double k = DeviceScale(this);
    p->setPen(MakePen(this));
    p->setBrush(MakeBrush(this));
    p->drawRoundedRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1), X3 * k / 2.0, Y3 * k / 2.0);
}

void TCanvas::Ellipse(int X1, int Y1, int X2, int Y2)
{
    const QRect r = ToDevice(this, TRect{X1, Y1, X2, Y2});
    CanvasPainter p(this, true, PenReach(this, r));
    if (!p)
        return;
    if (r.isEmpty())
        return;
    p->setPen(MakePen(this));
    p->setBrush(MakeBrush(this));
    p->drawEllipse(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
}

void TCanvas::Polygon(const std::vector<TPoint>& Points)
{
    QPolygon poly;
    for (const TPoint& pt : Points)
        poly << ToDevice(this, pt);
    CanvasPainter p(this, true, PenReach(this, poly.boundingRect()));
    if (!p || Points.empty())
        return;
    p->setPen(Qt::NoPen);
    if (Brush()->Style() != bsClear) {
        if (IsHatched(Brush()) && State().DC.BkMode == OPAQUE) {
            p->setBrush(ToQColor(State().DC.BkColor));
            p->drawPolygon(poly, Qt::OddEvenFill);
        }
        p->setBrush(MakeBrush(this));
        p->drawPolygon(poly, Qt::OddEvenFill);
    }
    // The outline is closed, so every corner is painted by the segment it starts.
    const QPen pen = MakePen(this);
    for (int i = 0; i < poly.size(); ++i)
        PaintLineSegment(p.get(), pen, poly[i], poly[(i + 1) % poly.size()]);
}

void TCanvas::Polyline(const std::vector<TPoint>& Points)
{
    QPolygon poly;
    for (const TPoint& pt : Points)
        poly << ToDevice(this, pt);
    CanvasPainter p(this, true, PenReach(this, poly.boundingRect()));
    if (!p || Points.size() < 2)
        return;
    const QPen pen = MakePen(this);
    for (qsizetype i = 0; i + 1 < poly.size(); ++i)
        PaintLineSegment(p.get(), pen, poly[i], poly[i + 1]);
}

void TCanvas::MoveTo(int X, int Y)
{
    FPenPos = {X, Y};
}

void TCanvas::LineTo(int X, int Y)
{
    {
        const QPoint a = ToDevice(this, FPenPos), b = ToDevice(this, TPoint{X, Y});
        CanvasPainter p(this, true, PenReach(this, a, b));
        if (p)
            PaintLineSegment(p.get(), MakePen(this), a, b);
    }
    FPenPos = {X, Y};
}

static double RadialAngle(const QRectF& r, QPointF p)
{
    const QPointF c = r.center();
    return qRadiansToDegrees(std::atan2(-(p.y() - c.y()), p.x() - c.x()));
}

static void ArcAngles(const QRect& r, QPoint p3, QPoint p4, int& start16, int& span16)
{
    const double a = RadialAngle(r, p3);
    double b = RadialAngle(r, p4);
    double span = b - a;
    while (span <= 0)
        span += 360;
    start16 = qRound(a * 16);
    span16 = qRound(span * 16);
}

// An arc or pie as the canvas takes it: the box it is drawn in (its right
// and bottom edges left out) and its angles in 1/16 degree, from the ray
// through P3 counter-clockwise to the ray through P4.
struct ArcShape {
    QRect Box;
    int Start = 0;
    int Span = 0;
};

static ArcShape MakeArc(const TCanvas* Canvas, const TRect& Bounds, TPoint P3, TPoint P4)
{
    const QRect r = ToDevice(Canvas, Bounds);
    ArcShape a;
    ArcAngles(r, ToDevice(Canvas, P3), ToDevice(Canvas, P4), a.Start, a.Span);
    a.Box = QRect(r.left(), r.top(), r.width() - 1, r.height() - 1);
    return a;
}

void TCanvas::Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    const ArcShape a = MakeArc(this, TRect{X1, Y1, X2, Y2}, TPoint{X3, Y3}, TPoint{X4, Y4});
    CanvasPainter p(this, true, PenReach(this, a.Box));
    if (!p)
        return;
    p->setPen(MakePen(this));
    p->drawArc(a.Box, a.Start, a.Span);
}

void TCanvas::Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4)
{
    const ArcShape a = MakeArc(this, TRect{X1, Y1, X2, Y2}, TPoint{X3, Y3}, TPoint{X4, Y4});
    CanvasPainter p(this, true, PenReach(this, a.Box));
    if (!p)
        return;
    p->setPen(MakePen(this));
    p->setBrush(MakeBrush(this));
    p->drawPie(a.Box, a.Start, a.Span);
}

void TCanvas::FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle)
{
    if (!FSurface || !FSurface->Image())
        return;
    const QImage& img = *FSurface->Image();
    const QPoint start = ToDevice(this, TPoint{X, Y});
    if (!img.rect().contains(start))
        return;
    const quint32 key = quint32(ColorToRGB(Color)) & 0xFFFFFF;
    auto rgbAt = [&img](int x, int y) {
        const QRgb c = img.pixel(x, y);
        return quint32(qRed(c) | (qGreen(c) << 8) | (qBlue(c) << 16));
    };
    // fsSurface fills the area of Color; fsBorder fills up to Color.
    auto inside = [&](int x, int y) {
        return FillStyle == fsSurface ? rgbAt(x, y) == key : rgbAt(x, y) != key;
    };
    if (!inside(start.x(), start.y()))
        return;
    const int w = img.width(), h = img.height();
    std::vector<bool> seen(size_t(w) * h, false);
    std::vector<QRect> spans;
    std::vector<QPoint> stack{start};
    while (!stack.empty()) {
        const QPoint pt = stack.back();
        stack.pop_back();
        const int y = pt.y();
        if (seen[size_t(y) * w + pt.x()] || !inside(pt.x(), y))
            continue;
        int l = pt.x(), r = pt.x();
        while (l > 0 && !seen[size_t(y) * w + l - 1] && inside(l - 1, y))
            --l;
        while (r < w - 1 && !seen[size_t(y) * w + r + 1] && inside(r + 1, y))
            ++r;
        for (int x = l; x <= r; ++x) {
            seen[size_t(y) * w + x] = true;
            if (y > 0 && !seen[size_t(y - 1) * w + x])
                stack.push_back(QPoint(x, y - 1));
            if (y < h - 1 && !seen[size_t(y + 1) * w + x])
                stack.push_back(QPoint(x, y + 1));
        }
        spans.push_back(QRect(l, y, r - l + 1, 1));
    }
    CanvasPainter p(this, false);
    for (const QRect& s : spans)
        FillDeviceRect(this, p.get(), s);
}

TColor TCanvas::Pixels(int X, int Y) const
{
    if (!FSurface || !FSurface->Image())
        return TColor(-1);
    const QImage& img = *FSurface->Image();
    const QPoint d = ToDevice(this, TPoint{X, Y});
    if (!img.rect().contains(d))
        return TColor(-1);
    return FromQRgb(img.pixel(d));
}

void TCanvas::SetPixels(int X, int Y, TColor Color)
{
    CanvasPainter p(this, false);
    if (!p)
        return;
    const QPoint d = ToDevice(this, TPoint{X, Y});
    p->fillRect(QRect(d, QSize(1, 1)), ToQColor(Color));
}

// DrawFocusRect: every other pixel of the frame is inverted, so drawing the
// same rectangle twice restores the image.
void TCanvas::DrawFocusRect(const TRect& Rect)
{
    if (!FSurface || !FSurface->Image())
        return;
    Changing();
    QImage& img = *FSurface->Image();
    const QRect r = ToDevice(this, Rect) & img.rect();
    const std::optional<QRegion>& clip = State().DC.Clip;
    auto invert = [&](int x, int y) {
        if (!r.contains(x, y) || ((x + y) & 1) || (clip && !clip->contains(QPoint(x, y))))
            return;
        img.setPixel(x, y, img.pixel(x, y) ^ 0x00FFFFFFu);
    };
    const QRect full = ToDevice(this, Rect);
    if (full.isEmpty())
        return;
    for (int x = full.left(); x <= full.right(); ++x) {
        invert(x, full.top());
        if (full.bottom() != full.top())
            invert(x, full.bottom());
    }
    for (int y = full.top() + 1; y < full.bottom(); ++y) {
        invert(full.left(), y);
        if (full.right() != full.left())
            invert(full.right(), y);
    }
    Changed();
}

// Images

void TCanvas::Draw(int X, int Y, TGraphic* Graphic)
{
    if (Graphic && !Graphic->Empty())
        Graphic->Draw(this, Bounds(X, Y, Graphic->Width(), Graphic->Height()));
}

void TCanvas::StretchDraw(const TRect& Rect, TGraphic* Graphic)
{
    if (Graphic && !Graphic->Empty())
        Graphic->Draw(this, Rect);
}

void TCanvas::BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    QImage src = Bitmap->Surface()->image()
                     .copy(QRect(Source.Left, Source.Top, Source.Width(), Source.Height()))
                     .convertToFormat(QImage::Format_ARGB32);
    const QRgb key = ToQColor(Color).rgb() & 0xFFFFFF;
    for (int y = 0; y < src.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(src.scanLine(y));
        for (int x = 0; x < src.width(); ++x)
            if ((line[x] & 0xFFFFFF) == key)
                line[x] = 0;
    }
    CanvasPainter p(this, false);
    if (p)
        p->drawImage(ToDevice(this, Dest), src);
}

TRect TCanvas::ClipRect() const
{
    TRect r;
    GetClipBox(const_cast<TCanvas*>(this), &r);
    return r;
}
