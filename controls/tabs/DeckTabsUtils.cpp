#include "controls/tabs/DeckTabsUtils.h"
#include "platform/rtl/Exceptions.h"

#include <cmath>
#include <numbers>

// TPolygon

TPolygon::TPolygon(std::initializer_list<TPoint> Points)
    : FPoints(std::make_shared<std::vector<TPoint>>(Points))
{
}

TPolygon::TPolygon(int Count)
    : FPoints(std::make_shared<std::vector<TPoint>>(size_t(std::max(Count, 0))))
{
}

// Easing

double EasedValue(double t, double b, double c, double d, TDeckTabsEaseType EaseType)
{
    const double pi = std::numbers::pi;
    const double p = t / d;
    const double q = p - 1;
    const double s = t / (d / 2);
    switch (EaseType) {
    case ttNone:
        return 0;
    case ttLinearTween:
        return c * t / d + b;
    case ttEaseInQuad:
        return c * p * p + b;
    case ttEaseOutQuad:
        return -c * p * (p - 2) + b;
    case ttEaseInOutQuad:
        if (s < 1)
            return c / 2 * s * s + b;
        else {
            const double r = s - 1;
            return -c / 2 * (r * (r - 2) - 1) + b;
        }
    case ttEaseInCubic:
        return c * p * p * p + b;
    case ttEaseOutCubic:
        return c * (q * q * q + 1) + b;
    case ttEaseInOutCubic:
        if (s < 1)
            return c / 2 * s * s * s + b;
        else {
            const double r = s - 2;
            return c / 2 * (r * r * r + 2) + b;
        }
    case ttEaseInQuart:
        return c * p * p * p * p + b;
    case ttEaseOutQuart:
        return -c * (q * q * q * q - 1) + b;
    case ttEaseInOutQuart:
        if (s < 1)
            return c / 2 * s * s * s * s + b;
        else {
            const double r = s - 2;
            return -c / 2 * (r * r * r * r - 2) + b;
        }
    case ttEaseInQuint:
        return c * p * p * p * p * p + b;
    case ttEaseOutQuint:
        return c * (q * q * q * q * q + 1) + b;
    case ttEaseInOutQuint:
        if (s < 1)
            return c / 2 * s * s * s * s * s + b;
        else {
            const double r = s - 2;
            return c / 2 * (r * r * r * r * r + 2) + b;
        }
    case ttEaseInSine:
        return -c * std::cos(p * (pi / 2)) + c + b;
    case ttEaseOutSine:
        return c * std::sin(p * (pi / 2)) + b;
    case ttEaseInOutSine:
        return -c / 2 * (std::cos(pi * t / d) - 1) + b;
    case ttEaseInExpo:
        return c * std::pow(2.0, 10 * (p - 1)) + b;
    case ttEaseOutExpo:
        return c * (1 - std::pow(2.0, -10 * t / d)) + b;
    case ttEaseInOutExpo:
        if (s < 1)
            return c / 2 * std::pow(2.0, 10 * (s - 1)) + b;
        else {
            const double r = s - 1;
            return c / 2 * (2 - std::pow(2.0, -10 * r)) + b;
        }
    case ttEaseInCirc:
        return -c * (std::sqrt(1 - p * p) - 1) + b;
    case ttEaseOutCirc:
        return c * std::sqrt(1 - q * q) + b;
    case ttEaseInOutCirc:
        if (s < 1)
            return -c / 2 * (std::sqrt(1 - s * s) - 1) + b;
        else {
            const double r = s - 2;
            return c / 2 * (std::sqrt(1 - r * r) + 1) + b;
        }
    }
    throw EAssertionFailed(QStringLiteral("Invalid Ease Type"));
}

TRect TweenRect(const TRect& StartRect, const TRect& EndRect, uint32_t CurrentTime, uint32_t AnimationTime,
                TDeckTabsEaseType EaseType)
{
    // A zero-length movement is over before it starts.
    if (AnimationTime == 0)
        return EndRect;
    auto tween = [&](int from, int to) {
        const double v = EasedValue(CurrentTime, from, double(to) - from, AnimationTime, EaseType);
        return int(std::nearbyint(v));
    };
    return {tween(StartRect.Left, EndRect.Left), tween(StartRect.Top, EndRect.Top),
            tween(StartRect.Right, EndRect.Right), tween(StartRect.Bottom, EndRect.Bottom)};
}

int TweenInteger(int Start, int Stop, int Percent)
{
    // 32-bit arithmetic that wraps as the framework's does.
    const int32_t diff = int32_t(uint32_t(Stop) - uint32_t(Start));
    const int32_t product = int32_t(uint32_t(diff) * uint32_t(Percent));
    return int32_t(uint32_t(Start) + uint32_t(product / 100));
}

float TweenSingle(float Start, float Stop, int Percent)
{
    return Start + (Stop - Start) * float(Percent) / 100.0f;
}

TColor TweenColor(TColor StartColor, TColor StopColor, int Percent)
{
    int result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int s = (StartColor >> shift) & 0xFF;
        const int e = (StopColor >> shift) & 0xFF;
        result |= (TweenInteger(s, e, Percent) & 0xFF) << shift;
    }
    return result;
}

ARGB MakeGPColor(TColor Color, uint8_t Alpha)
{
    const TColor rgb = ColorToRGB(Color);
    return MakeColor(Alpha, GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

// Geometry

TRect MirrorRect(const TRect& C, const TRect& R)
{
    return {C.Left + C.Right - R.Right, R.Top, C.Left + C.Right - R.Left, R.Bottom};
}

TPolygon MirrorPolygon(const TRect& C, const TPolygon& Polygon)
{
    for (TPoint& p : Polygon)
        p.X = C.Left + C.Right - p.X;
    return Polygon;
}

TPolygon PolygonFromPoints(const TRect& Rect, const std::vector<TPoint>& Points, TTabOrientation Orientation)
{
    TPolygon result(int(Points.size()));
    for (int i = 0; i < int(Points.size()); ++i) {
        const TPoint& p = Points[size_t(i)];
        if (Orientation == toTop)
            result[i] = {p.X + Rect.Left, p.Y + Rect.Top};
        else
            result[i] = {p.X + Rect.Left, Rect.Top + RectHeight(Rect) - p.Y};
    }
    return result;
}

bool PointInPolygon(const TPolygon& Polygon, int X, int Y)
{
    bool inside = false;
    const int n = Polygon.Length();
    for (int i = 0, j = n - 1; i < n; j = i++) {
        const TPoint pi = Polygon[i];
        const TPoint pj = Polygon[j];
        if ((Y >= pi.Y && Y < pj.Y) || (Y >= pj.Y && Y < pi.Y)) {
            const int product = int32_t(uint32_t(pj.X - pi.X) * uint32_t(Y - pi.Y));
            const double xc = double(product) / double(pj.Y - pi.Y) + pi.X;
            if (X < xc)
                inside = !inside;
        }
    }
    return inside;
}
