// TProWatch: the face painted into the cache, the hands over it.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProWatch.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>

namespace {

constexpr double DegToRad = M_PI / 180;

int R(double V) { return int(Round(V)); }

int DecodeHour(TDateTime Value)
{
    int h, m, s, ms;
    DecodeTime(Value, h, m, s, ms);
    return h;
}

// A point at Distance from the centre, at Angle degrees clockwise from 12.
TPoint AtAngle(TPoint C, double Angle, double Distance)
{
    const double a = Angle * DegToRad;
    return Point(R(C.X + Distance * std::sin(a)), R(C.Y - Distance * std::cos(a)));
}

// The same for an angle measured from 3 o'clock (the marks' placement).
TPoint AtMarkAngle(TPoint C, double Angle, double Distance)
{
    const double a = Angle * DegToRad;
    return Point(R(C.X + Distance * std::cos(a)), R(C.Y + Distance * std::sin(a)));
}

void Line(TCanvas* C, TPoint A, TPoint B)
{
    C->MoveTo(A.X, A.Y);
    C->LineTo(B.X, B.Y);
}

void MarkLine(TCanvas* C, TPoint Center, double Angle, double Inner, double Outer, TPoint Shift = {0, 0})
{
    TPoint a = AtMarkAngle(Center, Angle, Inner);
    TPoint b = AtMarkAngle(Center, Angle, Outer);
    Line(C, Point(a.X + Shift.X, a.Y + Shift.Y), Point(b.X + Shift.X, b.Y + Shift.Y));
}

struct THand {
    double Tail;
    double Tip;
};

// A line hand from Tail * Radius behind the centre to Tip * Radius before it.
void LineHand(TCanvas* C, TPoint Center, int Radius, double Angle, THand H, TColor Color, int Width,
              TPoint Offset = {0, 0})
{
    if (Color == clNone)
        return;
    const TPoint c = Point(Center.X + Offset.X, Center.Y + Offset.Y);
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(Width);
    Line(C, AtAngle(c, Angle + 180, H.Tail * Radius), AtAngle(c, Angle, H.Tip * Radius));
}

// The four-point hand: tail, one side, tip, the other side.
void ShapeHand(TCanvas* C, TPoint Center, int Radius, double Angle, THand H, TColor Color, TPoint Offset = {0, 0})
{
    if (Color == clNone)
        return;
    const TPoint c = Point(Center.X + Offset.X, Center.Y + Offset.Y);
    const double half = 0.05 * Radius;
    C->Pen()->SetStyle(psSolid);
    C->Pen()->SetColor(Color);
    C->Pen()->SetWidth(1);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->Polygon({AtAngle(c, Angle + 180, H.Tail * Radius), AtAngle(c, Angle + 90, half),
                AtAngle(c, Angle, H.Tip * Radius), AtAngle(c, Angle - 90, half)});
}

} // namespace

void TProWatch::Paint() { DrawWatch(); }

void TProWatch::DrawWatch()
{
    TCanvas* canvas = Canvas();
    const TRect r = ClientRect();
    // In clock mode the AM/PM box follows the clock, without its roll-over.
    if (FSettings->Auto())
        FAM = DecodeHour(GetCurrentTime()) < 12;
    FBKGCache->SetSize(r.Width(), r.Height());
    TCanvas* cache = FBKGCache->Canvas();
    cache->CopyRect(r, canvas, r);
    DrawWatchBackground(cache, r);
    DrawFace(cache);
    DrawAMPM(cache);
    canvas->CopyRect(r, cache, r);
    DrawHands(canvas);
    FCacheValid = true;
}

void TProWatch::RefreshHands()
{
    const TRect r = ClientRect();
    if (!HandleAllocated() || !FCacheValid || FBKGCache->Width() != r.Width() || FBKGCache->Height() != r.Height()) {
        Invalidate();
        return;
    }
    if (FSettings->Auto() && (DecodeHour(GetCurrentTime()) < 12) != FAM) {
        // The half of the day changed under the clock: the face shows it.
        DrawWatch();
        return;
    }
    TBitmap frame(r.Width(), r.Height());
    frame.Canvas()->CopyRect(r, FBKGCache->Canvas(), r);
    DrawHands(frame.Canvas());
    Canvas()->CopyRect(r, frame.Canvas(), r);
}

void TProWatch::DrawWatchBackground(TCanvas* ACanvas, const TRect& R)
{
    const TWatchAppearance* a = FAppearance.get();
    const TWatchShape shape = a->Shape();
    const TRect face = shape == wsCircle ? GetWatchRect() : R;
    HRGN clip = nullptr;
    if (shape == wsCircle)
        clip = CreateEllipticRgn(face.Left - 1, face.Top - 1, face.Right + 2, face.Bottom + 2);
    else if (shape == wsRoundRect)
        clip = CreateRoundRectRgn(face.Left - 1, face.Top - 1, face.Right + 2, face.Bottom + 2, 20, 20);
    if (clip) {
        SelectClipRgn(ACanvas, clip);
        DeleteObject(clip);
    }
    if (a->BackgroundColor() != clNone && a->BackgroundColorTo() != clNone) {
        DrawGradient(ACanvas, a->BackgroundColor(), a->BackgroundColorTo(), 80, face,
                     a->BackgroundGradient() == wgRadial);
    } else if (a->BackgroundColor() != clNone) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(a->BackgroundColor());
        ACanvas->FillRect(face);
    }
    if (a->BorderColor() != clNone && a->BorderWidth() > 0) {
        ACanvas->Pen()->SetStyle(psSolid);
        ACanvas->Pen()->SetColor(a->BorderColor());
        ACanvas->Pen()->SetWidth(a->BorderWidth());
        ACanvas->Brush()->SetStyle(bsClear);
        if (shape == wsCircle)
            ACanvas->Ellipse(face);
        else if (shape == wsRect)
            ACanvas->Rectangle(R);
        else
            ACanvas->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 20, 20);
    }
    SelectClipRgn(ACanvas, nullptr);
    TGraphic* picture = a->Picture()->Graphic();
    if (picture && !picture->Empty()) {
        const bool transparent = picture->Transparent();
        picture->SetTransparent(true);
        IntersectClipRect(ACanvas, R.Left, R.Top, R.Right, R.Bottom);
        ACanvas->Draw(R.Left, R.Top, picture);
        SelectClipRgn(ACanvas, nullptr);
        picture->SetTransparent(transparent);
    }
}

void TProWatch::DrawFace(TCanvas* ACanvas)
{
    DrawTickMarks(ACanvas);
    DrawNumbers(ACanvas);
}

void TProWatch::DrawTickMarks(TCanvas* ACanvas)
{
    const TWatchAppearance* a = FAppearance.get();
    const TTickMarks marks = a->TickMarks();
    if (marks == tmNone)
        return;
    const TPoint c = GetCenter();
    const double o = GetRadius() - GetBorderWidth() / 2;
    const double hourInner = a->HourMarkLength() > 0 ? o - a->HourMarkLength() : 0.9 * o;
    ACanvas->Pen()->SetStyle(psSolid);
    if (a->HourColor() != clNone) {
        ACanvas->Pen()->SetColor(a->HourColor());
        ACanvas->Pen()->SetWidth(a->HourMarkWidth());
        for (int q = 0; q < 4; ++q) {
            const double angle = q * 90;
            if (a->HourMarkStyle() == hmsQuartDblLine) {
                // 3 and 9 o'clock shift up and down, 6 and 12 left and right.
                const TPoint shift = q % 2 == 0 ? Point(0, 2) : Point(2, 0);
                MarkLine(ACanvas, c, angle, hourInner, o, Point(-shift.X, -shift.Y));
                MarkLine(ACanvas, c, angle, hourInner, o, shift);
            } else {
                MarkLine(ACanvas, c, angle, hourInner, o);
            }
        }
        if (marks == tmAll || marks == tmHours)
            for (int deg = 30; deg < 360; deg += 30)
                if (deg % 90 != 0)
                    MarkLine(ACanvas, c, deg, hourInner, o);
    }
    if (marks == tmAll && a->MinuteColor() != clNone) {
        const double inner = a->MinuteMarkLength() > 0 ? o - a->MinuteMarkLength() : 0.95 * o;
        ACanvas->Pen()->SetColor(a->MinuteColor());
        ACanvas->Pen()->SetWidth(a->MinuteMarkWidth());
        for (int deg = 6; deg < 360; deg += 6)
            if (deg % 30 != 0)
                MarkLine(ACanvas, c, deg, inner, o);
    }
}

void TProWatch::DrawNumbers(TCanvas* ACanvas)
{
    const TWatchAppearance* a = FAppearance.get();
    const TTickMarks marks = a->TickMarks();
    if (!FShowNumbers || marks == tmNone || marks == tmHours)
        return;
    const TPoint center = GetCenter();
    const int o = GetRadius() - GetBorderWidth() / 2;
    const int b = a->HourMarkLength() > 0 ? a->HourMarkLength() : R(o - 0.9 * o) + 2;
    const int c = o - (b + 2);
    ACanvas->Font()->Assign(a->HourFont());
    ACanvas->Brush()->SetStyle(bsClear);
    for (int n = 1; n <= 12; ++n) {
        if (marks == tmQuartHours && n % 3 != 0)
            continue;
        const QString text = QString::number(n);
        const TSize size = ACanvas->TextExtent(text);
        const int k = n == 10 ? R(0.2 * size.cy) : n == 11 ? R(0.15 * size.cy) : 0;
        const double radius = c - b + b / 2 - k;
        const double angle = n * 30 * DegToRad;
        const int x = R(std::sin(angle) * radius) + center.X + 1;
        const int y = center.Y - R(std::cos(angle) * radius) + 1;
        ACanvas->TextOut(x - size.cx / 2 - 1, y - size.cy / 2 - 1, text);
    }
}

TRect TProWatch::GetAMPMRect()
{
    if (!FShowAMPM)
        return Rect(-1, -1, -1, -1);
    TCanvas* measure = FBKGCache->Canvas();
    measure->Font()->Assign(FAppearance->AMPMFont());
    const TSize size = measure->TextExtent(QStringLiteral("AM"));
    const TPoint c = GetCenter();
    const int width = size.cx + 8;
    const int left = c.X - width / 2;
    const int top = c.Y + R((GetRadius() - size.cy) / 3.0);
    return Rect(left, top, left + width, top + size.cy);
}

void TProWatch::DrawAMPMBox(TCanvas* ACanvas, const TRect& Box)
{
    const TWatchAppearance* a = FAppearance.get();
    if (a->AMPMColor() == clNone && a->AMPMBorderColor() == clNone)
        return;
    if (a->AMPMColor() == clNone) {
        ACanvas->Brush()->SetStyle(bsClear);
    } else {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(a->AMPMColor());
    }
    if (a->AMPMBorderColor() == clNone) {
        ACanvas->Pen()->SetStyle(psClear);
    } else {
        ACanvas->Pen()->SetStyle(psSolid);
        ACanvas->Pen()->SetColor(a->AMPMBorderColor());
    }
    ACanvas->Pen()->SetWidth(1);
    if (a->AMPMFrame() == apRoundRect)
        ACanvas->RoundRect(Box.Left, Box.Top, Box.Right, Box.Bottom, 5, 5);
    else
        ACanvas->Rectangle(Box);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TProWatch::DrawAMPM(TCanvas* ACanvas)
{
    if (!FShowAMPM)
        return;
    TRect box = GetAMPMRect();
    DrawAMPMBox(ACanvas, box);
    ACanvas->Font()->Assign(FAppearance->AMPMFont());
    ACanvas->Brush()->SetStyle(bsClear);
    DrawText(ACanvas, FAM ? QStringLiteral("AM") : QStringLiteral("PM"), -1, &box,
             DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void TProWatch::DrawCenterPoint(TCanvas* ACanvas)
{
    const TWatchAppearance* a = FAppearance.get();
    const int s = a->CenterPointSize();
    if (s <= 0)
        return;
    const TPoint c = GetCenter();
    auto box = [&](int Side) {
        const int left = R(c.X - Side / 2.0);
        const int top = R(c.Y - Side / 2.0);
        return Rect(left, top, left + Side, top + Side);
    };
    ACanvas->Pen()->SetStyle(psSolid);
    if (a->CenterPointColor() != clNone) {
        ACanvas->Pen()->SetColor(a->CenterPointColor());
        ACanvas->Pen()->SetWidth(1);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(a->CenterPointColor());
        ACanvas->Ellipse(box(s));
    }
    int w = 0;
    ACanvas->Brush()->SetStyle(bsClear);
    if (a->CenterPointOuterBorderColor() != clNone) {
        w = R(0.2 * s);
        ACanvas->Pen()->SetColor(a->CenterPointOuterBorderColor());
        ACanvas->Pen()->SetWidth(w);
        ACanvas->Ellipse(box(s));
    }
    if (a->CenterPointBorderColor() != clNone) {
        ACanvas->Pen()->SetColor(a->CenterPointBorderColor());
        ACanvas->Pen()->SetWidth(R(0.1 * s));
        ACanvas->Ellipse(box(s - w));
    }
}

void TProWatch::DrawHands(TCanvas* ACanvas)
{
    const TWatchAppearance* a = FAppearance.get();
    int h, m, s, ms;
    DecodeTime(GetCurrentTime(), h, m, s, ms);
    h %= 12;
    const double hourAngle = h * 30 + m / 12.0 * 6;
    const double minuteAngle = m * 6;
    const TPoint c = GetCenter();
    const int r = GetRadius();
    switch (a->PointerStyle()) {
    case psLine:
        LineHand(ACanvas, c, r, hourAngle, {0.1, 0.46}, a->HourPointerShadow(), a->HourPointerSize(), Point(-1, 3));
        LineHand(ACanvas, c, r, minuteAngle, {0.1, 0.65}, a->MinutePointerShadow(), a->MinutePointerSize(),
                 Point(0, 3));
        LineHand(ACanvas, c, r, hourAngle, {0.1, 0.5}, a->HourPointer(), a->HourPointerSize());
        LineHand(ACanvas, c, r, minuteAngle, {0.1, 0.7}, a->MinutePointer(), a->MinutePointerSize());
        break;
    case psPointer:
        ShapeHand(ACanvas, c, r, hourAngle, {0.1, 0.5}, a->HourPointerShadow(), Point(1, 3));
        ShapeHand(ACanvas, c, r, hourAngle, {0.1, 0.5}, a->HourPointer());
        ShapeHand(ACanvas, c, r, minuteAngle, {0.1, 0.7}, a->MinutePointerShadow(), Point(1, 3));
        ShapeHand(ACanvas, c, r, minuteAngle, {0.1, 0.7}, a->MinutePointer());
        break;
    case psShortLine:
    case psLineArrow: break;
    }
    if (FSettings->Auto() && FSettings->Second() && (a->PointerStyle() == psLine || a->PointerStyle() == psPointer))
        LineHand(ACanvas, c, r, s * 6, {0.2, 0.9}, a->SecondPointer(), a->SecondPointerSize());
    DrawCenterPoint(ACanvas);
}

void TProWatch::RollAMPM(bool ToAM)
{
    if (!HandleAllocated() || !FCacheValid)
        return;
    const TWatchAppearance* a = FAppearance.get();
    TRect inner = GetAMPMRect();
    InflateRect(inner, -1, -1);
    const int h = inner.Height();
    const int w = inner.Width();
    if (h <= 0 || w <= 0)
        return;
    TBitmap strip(w, 2 * h);
    TCanvas* sc = strip.Canvas();
    sc->Brush()->SetStyle(bsSolid);
    sc->Brush()->SetColor(a->AMPMColor());
    sc->FillRect(Rect(0, 0, w, 2 * h));
    sc->Font()->Assign(a->AMPMFont());
    sc->Brush()->SetStyle(bsClear);
    TRect upper = Rect(0, 0, w, h);
    TRect lower = Rect(0, h, w, 2 * h);
    DrawText(sc, QStringLiteral("AM"), -1, &upper, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    DrawText(sc, QStringLiteral("PM"), -1, &lower, DT_SINGLELINE | DT_CENTER | DT_VCENTER);

    const TRect client = ClientRect();
    const TRect box = GetAMPMRect();
    TBitmap frame(client.Width(), client.Height());
    TCanvas* fc = frame.Canvas();
    for (int i = 1; i <= h; ++i) {
        const int offset = ToAM ? h - i : i;
        fc->CopyRect(client, FBKGCache->Canvas(), client);
        fc->CopyRect(inner, sc, Rect(0, offset, w, offset + h));
        if (a->AMPMBorderColor() != clNone) {
            fc->Brush()->SetStyle(bsClear);
            fc->Pen()->SetStyle(psSolid);
            fc->Pen()->SetWidth(1);
            fc->Pen()->SetColor(a->AMPMBorderColor());
            if (a->AMPMFrame() == apRoundRect)
                fc->RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
            else
                fc->Rectangle(box);
        }
        DrawHands(fc);
        Canvas()->CopyRect(client, fc, client);
        Sleep(10);
    }
}
