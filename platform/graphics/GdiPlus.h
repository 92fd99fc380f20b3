#pragma once
// A GDI+-style drawing layer: antialiased paths, gradient brushes, float
// pens, string formats and images. Coordinates follow GDI+: pixel centres
// lie on whole coordinates, so a 1-pixel line at y = 3 covers row 3 only.
#include "platform/graphics/Canvas.h"
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

class TBitmap;
class TIcon;
class TCustomImageList;
class TStream;
struct GPBrushData;
struct GPPenData;
struct GPPathData;
struct GPImageData;
struct GPGraphicsData;

using ARGB = std::uint32_t;
constexpr ARGB MakeColor(int a, int r, int g, int b)
{
    return (ARGB(a & 0xFF) << 24) | (ARGB(r & 0xFF) << 16) | (ARGB(g & 0xFF) << 8) | ARGB(b & 0xFF);
}
constexpr ARGB MakeColor(int r, int g, int b) { return MakeColor(255, r, g, b); }
// Opaque ARGB of a TColor (system colours resolved).
ARGB ColorToARGB(TColor Color, int Alpha = 255);

struct TGPPointF {
    float X = 0;
    float Y = 0;
};
struct TGPPoint {
    int X = 0;
    int Y = 0;
};
struct TGPRectF {
    float X = 0;
    float Y = 0;
    float Width = 0;
    float Height = 0;
};
struct TGPRect {
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
};
inline TGPPointF MakePoint(float x, float y) { return {x, y}; }
inline TGPRectF MakeRect(float x, float y, float w, float h) { return {x, y, w, h}; }

enum TStatus { Ok, GenericError, InvalidParameter, OutOfMemory, ObjectBusy, InsufficientBuffer,
               NotImplemented, Win32Error, WrongState, Aborted, FileNotFound, ValueOverflow,
               AccessDenied, UnknownImageFormat, FontFamilyNotFound, FontStyleNotFound,
               NotTrueTypeFont, UnsupportedGdiplusVersion, GdiplusNotInitialized,
               PropertyNotFound, PropertyNotSupported };
enum TSmoothingMode { SmoothingModeDefault, SmoothingModeHighSpeed, SmoothingModeHighQuality,
                      SmoothingModeNone, SmoothingModeAntiAlias };
enum TCombineMode { CombineModeReplace, CombineModeIntersect, CombineModeUnion, CombineModeXor,
                    CombineModeExclude, CombineModeComplement };
enum TFillMode { FillModeAlternate, FillModeWinding };
enum TWrapMode { WrapModeTile, WrapModeTileFlipX, WrapModeTileFlipY, WrapModeTileFlipXY, WrapModeClamp };
enum TLinearGradientMode { LinearGradientModeHorizontal, LinearGradientModeVertical,
                           LinearGradientModeForwardDiagonal, LinearGradientModeBackwardDiagonal };
enum TLineCap { LineCapFlat, LineCapSquare, LineCapRound, LineCapTriangle };
enum TLineJoin { LineJoinMiter, LineJoinBevel, LineJoinRound, LineJoinMiterClipped };
enum TDashStyle { DashStyleSolid, DashStyleDash, DashStyleDot, DashStyleDashDot, DashStyleDashDotDot };
enum TTextRenderingHint { TextRenderingHintSystemDefault, TextRenderingHintSingleBitPerPixelGridFit,
                          TextRenderingHintSingleBitPerPixel, TextRenderingHintAntiAliasGridFit,
                          TextRenderingHintAntiAlias, TextRenderingHintClearTypeGridFit };
enum TUnit { UnitWorld, UnitDisplay, UnitPixel, UnitPoint, UnitInch, UnitDocument, UnitMillimeter };
enum TStringAlignment { StringAlignmentNear, StringAlignmentCenter, StringAlignmentFar };
enum TStringTrimming { StringTrimmingNone, StringTrimmingCharacter, StringTrimmingWord,
                       StringTrimmingEllipsisCharacter, StringTrimmingEllipsisWord,
                       StringTrimmingEllipsisPath };
enum THotkeyPrefix { HotkeyPrefixNone, HotkeyPrefixShow, HotkeyPrefixHide };
constexpr int StringFormatFlagsDirectionRightToLeft = 0x1;
constexpr int StringFormatFlagsNoWrap = 0x1000;
constexpr int StringFormatFlagsNoClip = 0x4000;
constexpr int FontStyleRegular = 0;
constexpr int FontStyleBold = 1;
constexpr int FontStyleItalic = 2;
constexpr int FontStyleUnderline = 4;
constexpr int FontStyleStrikeout = 8;

// Brushes
class TGPBrush {
public:
    virtual ~TGPBrush();
    // Always Ok: a brush has no error state.
    TStatus GetLastStatus() const { return Ok; }
    GPBrushData& Data() const { return *FData; }

protected:
    TGPBrush();
    std::unique_ptr<GPBrushData> FData;
};

class TGPSolidBrush : public TGPBrush {
public:
    explicit TGPSolidBrush(ARGB Color);
    void SetColor(ARGB Color);
    ARGB GetColor() const;
};

// Tiles by default (WrapModeTile), so one brush serves any rectangle.
class TGPLinearGradientBrush : public TGPBrush {
public:
    TGPLinearGradientBrush(TGPPointF Point1, TGPPointF Point2, ARGB Color1, ARGB Color2);
    TGPLinearGradientBrush(TGPRectF Rect, ARGB Color1, ARGB Color2, TLinearGradientMode Mode);
    // Factors (0 = Color1, 1 = Color2) at positions 0..1.
    TStatus SetBlend(const float* Factors, const float* Positions, int Count);
    TStatus SetInterpolationColors(const ARGB* Colors, const float* Positions, int Count);
    TStatus SetWrapMode(TWrapMode Mode);

private:
    void Rebuild();
};

class TGPGraphicsPath;

// A glow: the centre colour fading to the surround colour at the path's
// edge (used on ellipses).
class TGPPathGradientBrush : public TGPBrush {
public:
    explicit TGPPathGradientBrush(const TGPGraphicsPath* Path);
    TStatus SetCenterColor(ARGB Color);
    // Only the first colour is used.
    TStatus SetSurroundColors(const ARGB* Colors, int* Count);
    TStatus SetCenterPoint(TGPPointF Point);

private:
    void Rebuild();
};

// Pens: flat caps and miter joins unless set otherwise.
class TGPPen {
public:
    explicit TGPPen(ARGB Color, float Width = 1.0f);
    explicit TGPPen(const TGPBrush* Brush, float Width = 1.0f);
    ~TGPPen();
    TStatus SetColor(ARGB Color);
    TStatus SetWidth(float Width);
    float GetWidth() const;
    TStatus SetBrush(const TGPBrush* Brush);
    TStatus SetLineCap(TLineCap StartCap, TLineCap EndCap, int DashCap = 0);
    TStatus SetLineJoin(TLineJoin Join);
    TStatus SetDashStyle(TDashStyle Style);
    TStatus GetLastStatus() const { return Ok; }
    GPPenData& Data() const { return *FData; }

private:
    std::unique_ptr<GPPenData> FData;
};

// Paths
class TGPGraphicsPath {
public:
    explicit TGPGraphicsPath(TFillMode FillMode = FillModeAlternate);
    ~TGPGraphicsPath();
    TGPGraphicsPath* Clone() const;
    TStatus SetFillMode(TFillMode Mode);
    TStatus StartFigure();
    TStatus CloseFigure();
    TStatus Reset();
    TStatus AddLine(float X1, float Y1, float X2, float Y2);
    TStatus AddLines(const TGPPointF* Points, int Count);
    TStatus AddBezier(float X1, float Y1, float X2, float Y2, float X3, float Y3, float X4, float Y4);
    // Degrees clockwise from the positive x axis.
    TStatus AddArc(float X, float Y, float Width, float Height, float StartAngle, float SweepAngle);
    TStatus AddArc(const TGPRectF& Rect, float StartAngle, float SweepAngle)
    {
        return AddArc(Rect.X, Rect.Y, Rect.Width, Rect.Height, StartAngle, SweepAngle);
    }
    TStatus AddPolygon(const TGPPointF* Points, int Count);
    TStatus AddRectangle(const TGPRectF& Rect);
    TStatus AddEllipse(float X, float Y, float Width, float Height);
    TStatus AddEllipse(const TGPRectF& Rect) { return AddEllipse(Rect.X, Rect.Y, Rect.Width, Rect.Height); }
    TStatus AddPath(const TGPGraphicsPath* Path, bool Connect);
    TStatus GetBounds(TGPRectF* Bounds) const;
    bool IsVisible(float X, float Y) const;
    int GetPointCount() const;
    TStatus GetLastStatus() const { return Ok; }
    GPPathData& Data() const { return *FData; }

private:
    std::unique_ptr<GPPathData> FData;
};

// Fonts and string formats
class TGPFont {
public:
    // EmSize in Unit (points by default); a family that is not installed
    // falls back to DejaVu Sans.
    TGPFont(const QString& FamilyName, float EmSize, int Style = FontStyleRegular, TUnit Unit = UnitPoint);
    // The font of a canvas (TFont).
    explicit TGPFont(const TFont* Font);
    QString FamilyName() const { return FFamily; }
    float Size() const { return FSize; }
    int Style() const { return FStyle; }
    TUnit Unit() const { return FUnit; }
    TStatus GetLastStatus() const { return Ok; }

private:
    QString FFamily;
    float FSize;
    int FStyle;
    TUnit FUnit;
};

class TGPStringFormat {
public:
    explicit TGPStringFormat(int FormatFlags = 0) : FFlags(FormatFlags) {}
    TStatus SetAlignment(TStringAlignment Align) { FAlign = Align; return Ok; }
    TStringAlignment GetAlignment() const { return FAlign; }
    TStatus SetLineAlignment(TStringAlignment Align) { FLineAlign = Align; return Ok; }
    TStringAlignment GetLineAlignment() const { return FLineAlign; }
    TStatus SetFormatFlags(int Flags) { FFlags = Flags; return Ok; }
    int GetFormatFlags() const { return FFlags; }
    TStatus SetTrimming(TStringTrimming Trimming) { FTrimming = Trimming; return Ok; }
    TStringTrimming GetTrimming() const { return FTrimming; }
    // HotkeyPrefixNone (the default) draws "&" literally.
    TStatus SetHotkeyPrefix(THotkeyPrefix Prefix) { FPrefix = Prefix; return Ok; }
    THotkeyPrefix GetHotkeyPrefix() const { return FPrefix; }

private:
    int FFlags = 0;
    TStringAlignment FAlign = StringAlignmentNear;
    TStringAlignment FLineAlign = StringAlignmentNear;
    TStringTrimming FTrimming = StringTrimmingCharacter;
    THotkeyPrefix FPrefix = HotkeyPrefixNone;
};

// Images: 32-bit ARGB pixels.
class TGPImage {
public:
    virtual ~TGPImage();
    // Loads any picture file; an unreadable file gives an empty image with
    // GetLastStatus() == UnknownImageFormat.
    static TGPImage* FromFile(const QString& FileName);
    // Reads the rest of Stream (any picture format, icons included).
    static TGPImage* FromStream(TStream* Stream);
    unsigned GetWidth() const;
    unsigned GetHeight() const;
    TStatus GetLastStatus() const { return FStatus; }
    GPImageData& Data() const { return *FData; }

protected:
    TGPImage();
    std::unique_ptr<GPImageData> FData;
    TStatus FStatus = Ok;
};

class TGPBitmap : public TGPImage {
public:
    TGPBitmap(int Width, int Height);
    // A copy of a bitmap's pixels (FromHBITMAP); with TransparentColor
    // other than clNone the pixels of that RGB value get alpha 0.
    explicit TGPBitmap(TBitmap* Bitmap, TColor TransparentColor = clNone);
    explicit TGPBitmap(TIcon* Icon);
    // Image Index of an image list (an empty image for a bad index).
    TGPBitmap(TCustomImageList* Images, int Index);
    ARGB GetPixel(int X, int Y) const;
    TStatus SetPixel(int X, int Y, ARGB Color);
    // Copies the pixels into Bitmap (pf32bit, premultiplied alpha).
    void ToBitmap(TBitmap* Bitmap) const;
};

// Drawing
class TGPGraphics {
public:
    // Draws into a canvas (its clip region and origin apply).
    explicit TGPGraphics(HDC DC);
    // Draws into an image.
    explicit TGPGraphics(TGPImage* Image);
    ~TGPGraphics();

    TStatus SetSmoothingMode(TSmoothingMode Mode);
    TSmoothingMode GetSmoothingMode() const;
    TStatus SetTextRenderingHint(TTextRenderingHint Hint);
    TStatus SetPixelOffsetModeHalf(bool Half);
    TStatus Clear(ARGB Color);

    // Clipping
    TStatus SetClip(const TGPGraphicsPath* Path, TCombineMode Mode = CombineModeReplace);
    TStatus SetClip(const TGPRectF& Rect, TCombineMode Mode = CombineModeReplace);
    TStatus ResetClip();
    // Saves the clip and the transform; Restore brings back a saved state
    // and drops the states saved after it.
    unsigned Save();
    TStatus Restore(unsigned State);
    // Transform
    TStatus TranslateTransform(float DX, float DY);
    TStatus ResetTransform();

    TStatus FillPath(const TGPBrush* Brush, const TGPGraphicsPath* Path);
    TStatus DrawPath(const TGPPen* Pen, const TGPGraphicsPath* Path);
    TStatus FillPolygon(const TGPBrush* Brush, const TGPPointF* Points, int Count,
                        TFillMode Mode = FillModeAlternate);
    TStatus DrawPolygon(const TGPPen* Pen, const TGPPointF* Points, int Count);
    TStatus DrawLine(const TGPPen* Pen, float X1, float Y1, float X2, float Y2);
    TStatus DrawLines(const TGPPen* Pen, const TGPPointF* Points, int Count);
    TStatus DrawBezier(const TGPPen* Pen, float X1, float Y1, float X2, float Y2, float X3, float Y3,
                       float X4, float Y4);
    TStatus FillRectangle(const TGPBrush* Brush, const TGPRectF& Rect);
    TStatus FillRectangle(const TGPBrush* Brush, float X, float Y, float W, float H)
    {
        return FillRectangle(Brush, TGPRectF{X, Y, W, H});
    }
    TStatus DrawRectangle(const TGPPen* Pen, const TGPRectF& Rect);
    TStatus DrawRectangle(const TGPPen* Pen, float X, float Y, float W, float H)
    {
        return DrawRectangle(Pen, TGPRectF{X, Y, W, H});
    }
    TStatus FillEllipse(const TGPBrush* Brush, const TGPRectF& Rect);
    TStatus DrawEllipse(const TGPPen* Pen, const TGPRectF& Rect);
    // Degrees clockwise from the positive x axis.
    TStatus DrawArc(const TGPPen* Pen, const TGPRectF& Rect, float StartAngle, float SweepAngle);

    // Text: Length -1 for the whole string.
    TStatus DrawString(const QString& Text, int Length, const TGPFont* Font, const TGPRectF& Layout,
                       const TGPStringFormat* Format, const TGPBrush* Brush);
    TStatus DrawString(const QString& Text, int Length, const TGPFont* Font, TGPPointF Origin,
                       const TGPBrush* Brush);
    TStatus MeasureString(const QString& Text, int Length, const TGPFont* Font, const TGPRectF& Layout,
                          const TGPStringFormat* Format, TGPRectF* Bounds) const;

    // Images, unscaled at (X, Y) or stretched into a rectangle.
    TStatus DrawImage(TGPImage* Image, float X, float Y);
    TStatus DrawImage(TGPImage* Image, const TGPRectF& Dest);
    TStatus DrawImage(TGPImage* Image, const TGPRectF& Dest, float SrcX, float SrcY, float SrcWidth,
                      float SrcHeight, TUnit SrcUnit = UnitPixel);

    TStatus GetLastStatus() const { return Ok; }

private:
    std::unique_ptr<GPGraphicsData> FData;
};
