#pragma once
// TCanvas: device-context drawing into a retained image.
// Pixel rules (each lives in one function of Canvas.cpp):
// - a rectangle covers [Left, Right) x [Top, Bottom);
// - LineTo does not paint its end point;
// - Rectangle draws its pen inside the box and fills with the brush;
// - a pen of width 1 is exactly one pixel; no antialiasing;
// - pen modes and raster operations combine with the image's pixels.
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Types.h"
#include <QString>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class CanvasSurface;
class TCanvas;
class TGraphic;
class TBitmap;
struct CanvasState;
struct TRegion;

// A device context is the canvas itself.
using HDC = TCanvas*;
// A region (see CreateRectRgn); free it with DeleteObject.
using HRGN = TRegion*;

// Raster operations of CopyRect, BitBlt and PatBlt.
using TCopyMode = unsigned;
constexpr TCopyMode SRCCOPY = 0x00CC0020;
constexpr TCopyMode SRCPAINT = 0x00EE0086;
constexpr TCopyMode SRCAND = 0x008800C6;
constexpr TCopyMode SRCINVERT = 0x00660046;
constexpr TCopyMode SRCERASE = 0x00440328;
constexpr TCopyMode NOTSRCCOPY = 0x00330008;
constexpr TCopyMode NOTSRCERASE = 0x001100A6;
constexpr TCopyMode MERGEPAINT = 0x00BB0226;
constexpr TCopyMode DSTINVERT = 0x00550009;
constexpr TCopyMode PATCOPY = 0x00F00021;
constexpr TCopyMode PATINVERT = 0x005A0049;
constexpr TCopyMode BLACKNESS = 0x00000042;
constexpr TCopyMode WHITENESS = 0x00FF0062;
constexpr TCopyMode cmSrcCopy = SRCCOPY;
constexpr TCopyMode cmSrcPaint = SRCPAINT;
constexpr TCopyMode cmSrcAnd = SRCAND;
constexpr TCopyMode cmSrcInvert = SRCINVERT;
constexpr TCopyMode cmBlackness = BLACKNESS;
constexpr TCopyMode cmWhiteness = WHITENESS;
constexpr TCopyMode cmDstInvert = DSTINVERT;
constexpr TCopyMode cmPatCopy = PATCOPY;

enum TFillStyle { fsSurface, fsBorder };

// Background modes
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Mapping modes
constexpr int MM_TEXT = 1;
// Tenths of a millimetre, y grows upwards.
constexpr int MM_LOMETRIC = 2;

// Region results and combine modes
constexpr int RGN_ERROR = 0;
constexpr int NULLREGION = 1;
constexpr int SIMPLEREGION = 2;
constexpr int COMPLEXREGION = 3;
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// DrawText flags
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_TABSTOP = 0x80;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_INTERNAL = 0x1000;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_NOFULLWIDTHCHARBREAK = 0x80000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

struct TDrawTextParams {
    unsigned cbSize = sizeof(TDrawTextParams);
    int iTabLength = 8;
    int iLeftMargin = 0;
    int iRightMargin = 0;
    // Out: number of characters drawn.
    unsigned uiLengthDrawn = 0;
};

class TCanvas : public TPersistent {
public:
    TCanvas();
    ~TCanvas() override;

    // Surface binding
    // Draws into Surface from now on (nullptr: nowhere). Not owned.
    void SetSurface(CanvasSurface* Surface);
    CanvasSurface* Surface() const { return FSurface; }
    bool HandleAllocated() const { return FSurface != nullptr; }
    // The device context for the free functions below.
    HDC Handle() { return this; }
    // Called after every drawing operation (a control schedules a repaint).
    std::function<void()> AfterDraw;
    TNotifyEvent OnChange;
    TNotifyEvent OnChanging;

    // Drawing tools
    TFont* Font() const { return FFont.get(); }
    TPen* Pen() const { return FPen.get(); }
    TBrush* Brush() const { return FBrush.get(); }
    void SetFont(TFont* value) { FFont->Assign(value); }
    void SetPen(TPen* value) { FPen->Assign(value); }
    void SetBrush(TBrush* value) { FBrush->Assign(value); }
    TPoint PenPos() const { return FPenPos; }
    void SetPenPos(TPoint value) { FPenPos = value; }
    TCopyMode CopyMode() const { return FCopyMode; }
    void SetCopyMode(TCopyMode value) { FCopyMode = value; }

    // Shapes. Note: every rectangle excludes its right and bottom edges.
    void FillRect(const TRect& Rect);
    void FrameRect(const TRect& Rect);
    void Rectangle(int X1, int Y1, int X2, int Y2);
    void Rectangle(const TRect& Rect) { Rectangle(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void RoundRect(int X1, int Y1, int X2, int Y2, int X3, int Y3);
    void Ellipse(int X1, int Y1, int X2, int Y2);
    void Ellipse(const TRect& Rect) { Ellipse(Rect.Left, Rect.Top, Rect.Right, Rect.Bottom); }
    void Polygon(const std::vector<TPoint>& Points);
    void Polygon(std::initializer_list<TPoint> Points) { Polygon(std::vector<TPoint>(Points)); }
    void Polyline(const std::vector<TPoint>& Points);
    void Polyline(std::initializer_list<TPoint> Points) { Polyline(std::vector<TPoint>(Points)); }
    void MoveTo(int X, int Y);
    // Note: the end point is not painted; PenPos becomes (X, Y).
    void LineTo(int X, int Y);
    // Counter-clockwise from the radial through (X3, Y3) to the one through (X4, Y4).
    void Arc(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void Pie(int X1, int Y1, int X2, int Y2, int X3, int Y3, int X4, int Y4);
    void FloodFill(int X, int Y, TColor Color, TFillStyle FillStyle);
    // Dotted XOR frame; drawing it twice restores the image.
    void DrawFocusRect(const TRect& Rect);
    TColor Pixels(int X, int Y) const;
    void SetPixels(int X, int Y, TColor Color);

    // Text, in the font's colour; the background is filled unless the
    // brush is bsClear (or SetBkMode set TRANSPARENT).
    void TextOut(int X, int Y, const QString& Text);
    // TextOut clipped to Rect.
    void TextRect(const TRect& Rect, int X, int Y, const QString& Text);
    TSize TextExtent(const QString& Text) const;
    int TextWidth(const QString& Text) const { return TextExtent(Text).cx; }
    int TextHeight(const QString& Text) const { return TextExtent(Text).cy; }

    // Images
    void Draw(int X, int Y, TGraphic* Graphic);
    void StretchDraw(const TRect& Rect, TGraphic* Graphic);
    // Copies Source of Canvas to Dest with CopyMode.
    void CopyRect(const TRect& Dest, TCanvas* Canvas, const TRect& Source);
    // Copies Source of Bitmap to Dest leaving out the pixels of Color.
    void BrushCopy(const TRect& Dest, TBitmap* Bitmap, const TRect& Source, TColor Color);

    // The bounds of the clip region in logical units (the surface when unclipped).
    TRect ClipRect() const;
    // Selects default pen, brush and font state again.
    void Refresh();

    // Device-context state used by the free functions.
    CanvasState& State() const { return *FState; }

protected:
    void Changing();
    void Changed();

private:
    friend struct CanvasPainter;
    void FontChanged();
    void BrushChanged();

    CanvasSurface* FSurface = nullptr;
    std::unique_ptr<TFont> FFont;
    std::unique_ptr<TPen> FPen;
    std::unique_ptr<TBrush> FBrush;
    std::unique_ptr<CanvasState> FState;
    TPoint FPenPos;
    TCopyMode FCopyMode = SRCCOPY;
};

// Device-context functions over a canvas. A null DC does nothing.
// Text
// Draws Text (Count characters, -1 for all) in Rect; returns the text height.
// "&" underlines the next character and "&&" draws "&" unless DT_NOPREFIX.
// With DT_CALCRECT nothing is drawn and Rect grows or shrinks to the text.
int DrawText(HDC DC, const QString& Text, int Count, TRect* Rect, unsigned Format);
int DrawTextEx(HDC DC, const QString& Text, int Count, TRect* Rect, unsigned Format,
               TDrawTextParams* Params);
bool TextOut(HDC DC, int X, int Y, const QString& Text, int Count = -1);
bool GetTextExtentPoint32(HDC DC, const QString& Text, int Count, TSize* Size);
int SetBkMode(HDC DC, int Mode);
int GetBkMode(HDC DC);
TColor SetBkColor(HDC DC, TColor Color);
TColor GetBkColor(HDC DC);
TColor SetTextColor(HDC DC, TColor Color);
TColor GetTextColor(HDC DC);

// Pixels and blocks
TColor GetPixel(HDC DC, int X, int Y);
TColor SetPixel(HDC DC, int X, int Y, TColor Color);
bool BitBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc, TCopyMode Rop);
bool StretchBlt(HDC Dest, int X, int Y, int Width, int Height, HDC Src, int XSrc, int YSrc,
                int WidthSrc, int HeightSrc, TCopyMode Rop);
// Combines the current brush with the image (PATCOPY, PATINVERT, DSTINVERT, ...).
bool PatBlt(HDC DC, int X, int Y, int Width, int Height, TCopyMode Rop);

// Clipping, saved states and coordinates
int SelectClipRgn(HDC DC, HRGN Region);
int IntersectClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int ExcludeClipRect(HDC DC, int Left, int Top, int Right, int Bottom);
int GetClipBox(HDC DC, TRect* Rect);
// Copies the clip region into Region; 0 when there is none, 1 when there is.
int GetClipRgn(HDC DC, HRGN Region);
// Saves clip, origin, mapping mode, colours and modes; returns the level.
int SaveDC(HDC DC);
// Restores level Saved (negative: relative to the top).
bool RestoreDC(HDC DC, int Saved);
bool SetViewportOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetViewportOrgEx(HDC DC, TPoint* Origin);
bool SetWindowOrgEx(HDC DC, int X, int Y, TPoint* Old);
bool GetWindowOrgEx(HDC DC, TPoint* Origin);
int SetMapMode(HDC DC, int Mode);
int GetMapMode(HDC DC);
// Device capabilities: LOGPIXELSX/Y are the surface's pixels per inch (96
// on screen), HORZRES/VERTRES its size in pixels, HORZSIZE/VERTSIZE in mm.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;
constexpr int PHYSICALWIDTH = 110;
constexpr int PHYSICALHEIGHT = 111;
constexpr int PHYSICALOFFSETX = 112;
constexpr int PHYSICALOFFSETY = 113;
int GetDeviceCaps(HDC DC, int Index);
// GetDeviceCaps(DC, LOGPIXELSX).
int GetDeviceCapsLogPixels(HDC DC);
bool LPtoDP(HDC DC, TPoint* Points, int Count);
bool DPtoLP(HDC DC, TPoint* Points, int Count);

// Regions (device coordinates)
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRectRgnIndirect(const TRect& Rect);
HRGN CreateEllipticRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int WidthEllipse, int HeightEllipse);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
int CombineRgn(HRGN Dest, HRGN Src1, HRGN Src2, int Mode);
int OffsetRgn(HRGN Region, int X, int Y);
bool PtInRegion(HRGN Region, int X, int Y);
int GetRgnBox(HRGN Region, TRect* Rect);
bool DeleteObject(HRGN Region);
