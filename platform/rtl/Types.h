#pragma once
// Points, sizes and rectangles with the framework's meaning.
// Note: a rectangle covers [Left, Right) x [Top, Bottom); Right and Bottom
// lie outside it.
#include <algorithm>

// Text alignment of controls and drawing routines.
enum TAlignment { taLeftJustify, taRightJustify, taCenter };
enum TVerticalAlignment { taAlignTop, taAlignBottom, taVerticalCenter };

struct TPoint {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TPoint&) const = default;
};

struct TSize {
    int cx = 0;
    int cy = 0;
    constexpr bool operator==(const TSize&) const = default;
};

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr TPoint TopLeft() const { return {Left, Top}; }
    constexpr TPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const
    {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr bool operator==(const TRect&) const = default;
};

struct TPointF {
    double X = 0;
    double Y = 0;
    constexpr bool operator==(const TPointF&) const = default;
};

struct TRectF {
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
    constexpr double Width() const { return Right - Left; }
    constexpr double Height() const { return Bottom - Top; }
    constexpr bool operator==(const TRectF&) const = default;
};

constexpr TPoint Point(int x, int y) { return {x, y}; }
constexpr TRect Rect(int l, int t, int r, int b) { return {l, t, r, b}; }
constexpr TRect Bounds(int l, int t, int w, int h) { return {l, t, l + w, t + h}; }

constexpr bool PtInRect(const TRect& r, TPoint p) { return r.Contains(p); }
constexpr bool IsRectEmpty(const TRect& r) { return r.IsEmpty(); }
constexpr bool EqualRect(const TRect& a, const TRect& b) { return a == b; }

// Intersection of a and b; false (and an empty rectangle) when they do not meet.
inline bool IntersectRect(TRect& dst, const TRect& a, const TRect& b)
{
    dst = {std::max(a.Left, b.Left), std::max(a.Top, b.Top),
           std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom)};
    if (dst.IsEmpty()) {
        dst = {};
        return false;
    }
    return true;
}

// Smallest rectangle holding a and b; an empty operand is ignored.
inline bool UnionRect(TRect& dst, const TRect& a, const TRect& b)
{
    if (a.IsEmpty())
        dst = b;
    else if (b.IsEmpty())
        dst = a;
    else
        dst = {std::min(a.Left, b.Left), std::min(a.Top, b.Top),
               std::max(a.Right, b.Right), std::max(a.Bottom, b.Bottom)};
    if (dst.IsEmpty()) {
        dst = {};
        return false;
    }
    return true;
}

inline void OffsetRect(TRect& r, int dx, int dy)
{
    r.Left += dx;
    r.Right += dx;
    r.Top += dy;
    r.Bottom += dy;
}

inline void InflateRect(TRect& r, int dx, int dy)
{
    r.Left -= dx;
    r.Right += dx;
    r.Top -= dy;
    r.Bottom += dy;
}
