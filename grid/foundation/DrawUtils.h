#pragma once
// Drawing routines of the grid library: gradients, the rounded selection,
// colour arithmetic, transparent bitmaps, the error zig-zag, the cell
// graphics (progress bars and pies, range indicators, shapes and rating
// stars) and the drop-down, push and spin buttons. They keep no state and
// paint on the canvas they are given, leaving its pen, brush and font as
// they set them. clNone means "no colour"; system colours are resolved.
#include "grid/foundation/GridTypes.h"
#include "grid/foundation/QLXStyle.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Canvas.h"
#include <QString>

class TBitmap;
class TFont;
class TWinControl;

enum TCellShape {
    csRectangle, csCircle, csTriangleLeft, csTriangleRight, csTriangleUp, csTriangleDown, csDiamond,
    csLineVert, csLineHorz, csRoundRect, csEllips, csSquare, csRoundSquare, csStar, csArrowUp,
    csArrowDown, csArrowLeft, csArrowRight, csHalfStar
};

// The look of the office-style progress bar.
struct TXPProgressParams {
    TColor Level0Color = clNone;
    TColor Level0ColorTo = clNone;
    TColor Level1Color = clNone;
    TColor Level1ColorTo = clNone;
    TColor Level2Color = clNone;
    TColor Level2ColorTo = clNone;
    TColor Level3Color = clNone;
    TColor Level3ColorTo = clNone;
    int Level1Perc = 0;
    int Level2Perc = 0;
    TColor BorderColor = clNone;
    bool ShowBorder = false;
    bool Stacked = false;
    bool ShowPercentage = false;
    // Not owned.
    TFont* Font = nullptr;
    TColor FontColor = clBlack;
    bool CompletionSmooth = false;
    bool ShowGradient = false;
    int Steps = 0;
    TColor BackgroundColor = clNone;
    bool Vertical = false;
};

// Button states and looks of the button routines.
constexpr int bsNormalState = 0;
constexpr int bsHotState = 1;
constexpr int bsDownState = 2;
constexpr int bsDisabledState = 3;
constexpr int blThemed = 0;
constexpr int blClassic = 1;
constexpr int blFlat = 2;
constexpr int blColorTones = 3;

// Gradients and fills
// Steps + 1 bands from FromColor to ToColor, left to right (Horizontal)
// or top to bottom; solid in the other colour when one of them is clNone.
void FillGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                      int Steps);
// A header cell: filled (with Fill and a Color) solid, as a 128-step
// gradient, or as two mirrored halves when MirrorColor is set; framed in
// BorderColor, or only its left and right lines with SidesOnly.
void DrawMirrorGradientRect(TCanvas* Canvas, const TRect& Rect, TColor Color, bool Fill, bool SidesOnly,
                            TColor BorderColor, bool Vertical, TColor MirrorColorTo, TColor MirrorColor,
                            TColor ColorTo);
// A selected or hot area with rounded corners. Position 0 closes both
// ends, 1 the left end, 2 the right end, 3 neither. Note: the colours
// follow Position and Rect in this order.
void DrawRoundedSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, int Position, const TRect& Rect,
                          TColor BackgroundColor, TColor CornerColor, TColor BorderColor, TColor InnerBottomColor,
                          TColor InnerTopColor, TColor MirrorColorTo, TColor MirrorColor);
void FillRectWithColor(TCanvas* Canvas, const TRect& Rect, TColor Color);

// Colours
// The blend at Pos of Start..End; FromColor when ToColor is clNone or the
// range is empty.
TColor InterpolateColor(TColor FromColor, TColor ToColor, int Start, int Pos, int End);
TColor HalveColor(TColor Color);
// Each channel plus Percent of itself, kept within 0..255.
TColor AdjustBrightness(TColor Color, int Percent);

// Glyphs and bitmaps
// A small filled triangle pointing down from (X-3, Y)..(X+3, Y).
void DrawDownTriangle(TCanvas* Canvas, int X, int Y, TColor Color);
// Bitmap at its own size at Rect's top-left, the colour of its top-left
// pixel replaced by BackgroundColor.
void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor, const TRect& Rect);
// One of the grid's own bitmaps by name (see GridBitmaps.h), drawn with
// DrawBitmapTransparent; nothing for an unknown name.
void DrawResourceBitmap(TCanvas* Canvas, TColor BackgroundColor, const TRect& Rect, const QString& ResourceName);
// The red zig-zag under characters ErrPos .. ErrPos + ErrLen - 1 (0-based)
// of Text drawn at Rect's top-left; nothing when ErrPos is outside the text.
void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const QString& Text, int ErrLen, int ErrPos,
                        int LineHeight, const TRect& Rect);

// Rotated text
// Moves R's Left and Top to the start point of a text turned by Angle
// degrees counter-clockwise, its bounding box (C + D wide, A + B high)
// placed in R by HAlign and VAlign. For a text w wide and h high:
// A = |h cos|, B = |w sin|, C = |h sin|, D = |w cos|. Note: on a canvas
// whose y grows upwards pass -A and -B.
void PlaceRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C, int D, int Angle);

// Cell graphics
// Without FormatText the bar shows Value as a percentage; with it the
// text is FormatText formatted with Value (rounded when FormatText holds
// "d" or "u") and the bar shows Value within Min..Max. YUp: the canvas's
// y axis points up (printing).
void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor CompleteColor, bool YUp, TColor BorderColor,
                     const QString& FormatText, int Max, int Min, int MarginY, int MarginX, double Value,
                     TColor UncompleteFontColor, TColor UncompleteColor, TColor CompleteFontColor);
// A pie filled clockwise from twelve o'clock.
void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor FillColor, bool YUp, int Percent);
void DrawXPProgressBar(TCanvas* Canvas, const TRect& Rect, int Percent, const TXPProgressParams& Params);
// A bar from the centre, to the right for a positive Value and to the
// left for a negative one, Range being a full half; no bar when Range is
// 0 or less.
void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, int Value, TColor PositiveColor, TColor NegativeColor,
                        bool ShowValue, int Range);
// A shape in the box X, Y, W x H. Note: the height comes before the width.
void DrawCellShape(TCanvas* Canvas, int X, int Y, TColor PenColor, TColor BrushColor, TCellShape Shape, int H,
                   int W);

// Buttons: State 0 normal, 1 hot, 2 down, 3 disabled; Look 0 themed (by
// Window's visual style; classic when none is active), 1 classic, 2 flat,
// 3 colour tones.
void DrawDropDownButton(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State,
                        int Look);
void DrawPushButton(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State, int Look);
void DrawSpinButtons(TCanvas* Canvas, HWND Window, const TRect& Rect, const TColorTones& Tones, int State,
                     int Look);

// Layered windows. The platform has no UpdateLayeredWindow: the call does
// nothing and reports success.
struct TBlendFunction {
    unsigned char BlendOp = 0;
    unsigned char BlendFlags = 0;
    unsigned char SourceConstantAlpha = 255;
    unsigned char AlphaFormat = 0;
};
bool CallUpdateLayeredWindow(HWND Window, HDC DestDC, TPoint* DestPoint, TSize* Size, HDC SourceDC,
                             TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend, unsigned Flags);
bool CallSetLayeredWindowAttributes(HWND Window, unsigned Key, unsigned char Alpha, unsigned Flags);
