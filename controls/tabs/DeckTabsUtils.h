#pragma once
// Free routines shared by the tab strip and its parts: easing and tweens,
// rectangle and polygon geometry, colour conversion and GDI+ helpers.
#include "platform/graphics/Color.h"
#include "platform/graphics/GdiPlus.h"
#include "platform/rtl/Object.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <vector>

class TStream;

// True while the component is being designed.
inline bool Designing(const TComponent* C) { return C->ComponentState().Contains(TComponentStateFlag::csDesigning); }

// The easing of every movement and style animation (Penner's equations).
enum TDeckTabsEaseType {
    ttNone, ttLinearTween,
    ttEaseInQuad, ttEaseOutQuad, ttEaseInOutQuad,
    ttEaseInCubic, ttEaseOutCubic, ttEaseInOutCubic,
    ttEaseInQuart, ttEaseOutQuart, ttEaseInOutQuart,
    ttEaseInQuint, ttEaseOutQuint, ttEaseInOutQuint,
    ttEaseInSine, ttEaseOutSine, ttEaseInOutSine,
    ttEaseInExpo, ttEaseOutExpo, ttEaseInOutExpo,
    ttEaseInCirc, ttEaseOutCirc, ttEaseInOutCirc
};
constexpr int DeckTabsEaseTypeCount = ttEaseInOutCirc + 1;

enum TTabOrientation { toTop, toBottom };

// The points of a polygon.
// Note: copies share their points, like the framework's dynamic arrays, so a
// polygon handed to a list and changed afterwards is drawn changed.
class TPolygon {
public:
    TPolygon() = default;
    TPolygon(std::initializer_list<TPoint> Points);
    // Count points at (0, 0).
    explicit TPolygon(int Count);

    int Length() const { return FPoints ? int(FPoints->size()) : 0; }
    bool IsEmpty() const { return Length() == 0; }
    TPoint& operator[](int Index) const { return (*FPoints)[size_t(Index)]; }
    TPoint* begin() const { return FPoints ? FPoints->data() : nullptr; }
    TPoint* end() const { return begin() + Length(); }
    // True when both share the same points.
    bool SameArray(const TPolygon& Other) const { return FPoints == Other.FPoints; }

private:
    std::shared_ptr<std::vector<TPoint>> FPoints;
};

// Easing

// Value at CurrentTime of a quantity moving from StartValue by ChangeInValue
// over Duration. Note: ttNone gives 0, not StartValue; the exponential types
// do not meet their ends exactly. Asserts "Invalid Ease Type" for a value
// outside the enumeration.
double EasedValue(double CurrentTime, double StartValue, double ChangeInValue, double Duration,
                  TDeckTabsEaseType EaseType);
// Each coordinate eased from StartRect to EndRect, rounded half to even.
// An AnimationTime of 0 gives EndRect at once.
TRect TweenRect(const TRect& StartRect, const TRect& EndRect, uint32_t CurrentTime, uint32_t AnimationTime,
                TDeckTabsEaseType EaseType);
// Start + (Stop - Start) * Percent div 100 (truncating).
int TweenInteger(int Start, int Stop, int Percent);
float TweenSingle(float Start, float Stop, int Percent);
// Tweens the three colour bytes separately; system colours are not resolved.
TColor TweenColor(TColor StartColor, TColor StopColor, int Percent);
// Alpha and the resolved RGB of Color as a GDI+ ARGB value.
ARGB MakeGPColor(TColor Color, uint8_t Alpha);

// Rectangles

inline int RectWidth(const TRect& R) { return R.Right - R.Left; }
inline int RectHeight(const TRect& R) { return R.Bottom - R.Top; }
inline bool RectsEqual(const TRect& A, const TRect& B) { return A == B; }
inline TRect ShrinkRect(const TRect& R, int N) { return {R.Left + N, R.Top + N, R.Right - N, R.Bottom - N}; }
// R mirrored horizontally inside Container (right-to-left layout).
TRect MirrorRect(const TRect& Container, const TRect& R);

// Polygons

// Mirrors every point's X inside Container, in place; returns Polygon itself.
TPolygon MirrorPolygon(const TRect& Container, const TPolygon& Polygon);
// Points relative to Rect's top-left; toBottom turns the shape upside down.
TPolygon PolygonFromPoints(const TRect& Rect, const std::vector<TPoint>& Points, TTabOrientation Orientation);
// Even-odd test. Note: points on the right or lower edges are outside.
bool PointInPolygon(const TPolygon& Polygon, int X, int Y);

// GDI+ conversions

inline TGPRectF RectToGPRectF(const TRect& R)
{
    return {float(R.Left), float(R.Top), float(RectWidth(R)), float(RectHeight(R))};
}
inline TGPRect RectToGPRect(const TRect& R) { return {R.Left, R.Top, RectWidth(R), RectHeight(R)}; }
inline TGPPoint PointToGPPoint(const TPoint& P) { return {P.X, P.Y}; }
// Sets Polygon (alternate fill) as the graphics' clip, combined by Mode.
void ClipToPolygon(TGPGraphics* Graphics, const TPolygon& Polygon, TCombineMode Mode);

// Text form of stored components

// Holds a strip's option tree so that it can be written and read as a
// component; refers to the tree, never owns it.
class TTabsOptions : public TComponent {
public:
    explicit TTabsOptions(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    TPersistent* Options() const { return FOptions; }
    void SetOptions(TPersistent* Value) { FOptions = Value; }

private:
    TPersistent* FOptions = nullptr;
};

// Holds a strip's look-and-feel tree, like TTabsOptions.
class TTabsLookAndFeel : public TComponent {
public:
    explicit TTabsLookAndFeel(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    TPersistent* LookAndFeel() const { return FLookAndFeel; }
    void SetLookAndFeel(TPersistent* Value) { FLookAndFeel = Value; }

private:
    TPersistent* FLookAndFeel = nullptr;
};

// Writes the component as text: an "object" line, one "Path = Value" line
// per stored property (dotted paths through held objects), an "end" line;
// UTF-8, lines ending in CR LF.
void ComponentToTextStream(TComponent* Component, TStream* Stream);
// Reads that text from the stream's position and sets each property found,
// in order, through its setter. Raises EReadError for an unknown property,
// a value the property cannot take or text without its "end"; the values
// set before the error stay.
void TextStreamToComponent(TComponent* Component, TStream* Stream);
// The properties as assignment statements: Prefix.Path := Value; one per
// line, each line ending in CR LF; empty when there is no property.
QString ComponentToCodeText(TComponent* Component, const QString& Prefix);
