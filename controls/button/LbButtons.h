#pragma once
// The push button's vocabulary and face drawing: colour schemes, styles,
// glyph kinds, the face routine and the bitmaps the kinds load by name.
#include "platform/controls/ButtonLayout.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Types.h"
#include <QString>

class TBitmap;
class TCanvas;
class TFont;

enum TLbColorStyle {
    lcsCustom, lcsGold, lcsDeck, lcsBlue, lcsRed, lcsUltraFlat1, lcsUltraFlat2, lcsUltraFlatXP,
    lcsAqua, lcsDefault, lcsQuicken
};
enum TLbButtonKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };
// The framework's glyph placement.
using TLbButtonLayout = TButtonLayout;
enum TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

// The colour that marks transparent pixels of the transparent styles.
constexpr TColor LbTransparentColor = 0xFF00FF;

// Everything one face is drawn from.
struct TLbFaceInputs {
    int W = 0;
    int H = 0;
    TAlignment Alignment = taCenter;
    QString Caption;
    TLbButtonLayout Layout = blGlyphLeft;
    // Not owned; the canvas takes a copy.
    TFont* Font = nullptr;
    TColor ShadowColor = 0x808080;
    TColor LightColor = 0xFFFFFF;
    // clNone: not set.
    TColor HotTrackColor = clNone;
    TColor ColorWhenDown = clNone;
    TColor Color = clBtnFace;
    TLbButtonStyle Style = bsNormal;
    bool HasPopup = false;
    bool WordWrap = false;
    bool Flat = false;
    bool Enabled = true;
    // The pointer is over the button or it has the focus.
    bool Hot = false;
    bool Down = false;
    // Not owned; cells of equal width side by side. May be nullptr.
    TBitmap* Glyph = nullptr;
    int NumGlyphs = 0;
    // 0..8; 8 is fully hot.
    int HotTrackStep = 0;
};

// Draws one face onto Canvas, (0, 0)-(W, H).
void DrawButtonFace(TCanvas* Canvas, const TLbFaceInputs& Face);

// A vertical gradient of 32 bands from C1 (top) to C2 (bottom).
// Note: the pen is cleared while filling and restored afterwards.
void FillGradientBands(TCanvas* Canvas, TColor C1, TColor C2, int Left, int Top, int Right, int Bottom);

// The face colour between Color (step 0) and HotTrackColor (step 8).
TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep);

// Draws cell (SrcX, SrcY, CellW, CellH) of Glyph at (X, Y), with the cell's
// lower-left pixel as the transparent colour.
// Note: a source column beyond the strip draws the strip's first cell.
void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int X, int Y, int SrcX, int SrcY, int CellW, int CellH);

// The values a colour scheme sets.
struct TLbColorStyleColors {
    TColor Face = clBtnFace;
    TColor Light = 0xFFFFFF;
    TColor Shadow = 0x808080;
    TColor WhenDown = clNone;
    TColor HotTrack = clNone;
    TColor Text = 0x000000;
    bool Flat = false;
    TLbButtonStyle Style = bsNormal;
};
TLbColorStyleColors GetColorStyleColors(TLbColorStyle Style);

// The button's own bitmaps by name: "LBOK", "LBCANCEL", "LBHELP", "LBYES",
// "LBNO", "LBCLOSE", "LBABORT", "LBRETRY", "LBIGNORE", "LBALL" (two cells,
// normal and disabled) and "LBARROW" (the drop-down arrow). False, and
// Bitmap untouched, for an unknown name.
bool LoadLbButtonBitmap(const QString& Name, TBitmap* Bitmap);
