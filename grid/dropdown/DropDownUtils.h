#pragma once
// Routines the drop-down classes share: gradients and small painters,
// colour blending, and the number texts of the typed edit.
#include "grid/dropdown/DropDownAppearance.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <vector>

class TBitmap;
class TCanvas;
class TCustomImageList;
class TWinControl;

// Painting

// Fills R with Steps bands (0 taken as 1) from FromColor to ToColor; with
// Direction the bands run across the width (left to right), else down the
// height; a negative Steps draws nothing. Band n has each channel From + Round(n * (To - From) / Steps).
// Note: neighbouring bands overlap by one pixel, and the last band reaches
// one pixel past the rectangle when the extent does not divide evenly.
void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Direction);
// An 80-step gradient to ColorTo (a solid Color when ColorTo is clNone,
// nothing when both are), then a frame of BorderWidth in BorderColor.
void DrawGradientRect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                      int BorderWidth, TGradientDirection Direction);
// Image ImageIndex at 4 pixels from the left, vertically centred, then Text
// on one line with an end ellipsis 8 pixels right of it (centred without
// an image).
void DrawImageText(TCanvas* Canvas, TRect R, const QString& Text, TCustomImageList* Images, int ImageIndex);
// Copies the top-left part of Bitmap the size of R into R, its top-left
// pixel's colour replaced by BackColor.
void DrawTransparentGlyph(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, const TRect& R);
// Draws (or with Draw false only measures) mini-markup Text in R; Size
// receives its width and height, (0, 0) for an empty text.
void DrawHTMLText(TCanvas* Canvas, const QString& Text, const TRect& R, TCustomImageList* Images, bool Draw,
                  HWND Handle, TPoint& Size);
// Width and height of a single line of Text; (0, 0) when empty.
TPoint GetTextSize(TCanvas* Canvas, const QString& Text);
// Text cut from the end (with "..." when Ellipsis) until narrower than
// MaxWidth; Text itself when it fits or when no cut fits.
QString TruncateText(TCanvas* Canvas, const QString& Text, int MaxWidth, bool Ellipsis);

// Column widths scaled to Available pixels by Weights (their sum plus
// one), each rounded half to even; the rounding error is carried on and a
// column gets a pixel more once it passes one.
std::vector<int> ScaleColumnWidths(const std::vector<int>& Weights, int Available);

// Colours

// Percent of Color1 over Color2: >= 100 gives Color1 and <= 0 gives Color2
// unchanged (not converted to RGB). In a namespace of its own: the
// platform's BlendColor weighs by 0..255.
namespace ProDropDownUnit {
TColor BlendColor(TColor Color1, TColor Color2, int Percent);
}
// Darkens each channel by a negative percentage (positive ones leave it);
// a channel of 0 becomes Max(0, percentage).
TColor ShadeColor(TColor Color, int PercentR, int PercentG, int PercentB);

// Number texts (the locale separators of the format settings)

QChar ThousandSeparatorChar();
QChar DecimalSeparatorChar();
// 0 integer, 1 float, 2 anything else (also the empty text), 5 hex.
int ClassifyText(const QString& S);
QString RemoveThousandSeparators(const QString& S);
// 0-15 for a hex digit, 0 for any other character.
int HexDigitValue(QChar Ch);
// Note: characters that are no hex digit count as 0.
long long HexToInt(const QString& S);
// ",", "-" and ";".
bool IsRangeSeparator(QChar Ch);
// S unchanged when MatchCase, else upper-cased.
QString CaseText(const QString& S, bool MatchCase);
