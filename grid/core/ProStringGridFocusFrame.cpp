// The glowing frame around the cell a special editor edits: a layered
// top-level window 9 pixels larger than the cell, a blurred rounded frame
// in the glow colour with the cell itself cut out. It follows the cell when
// windows move and goes when the edit is accepted. Best effort: without a
// compositor the window shows opaque, so FocusHelper.Enabled is off by
// default.
#include "grid/core/GridUnit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GlowWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"

namespace {

// The glow's colour and opacity, its margin around the cell.
constexpr TColor GlowColor = TColor(0xFDD397);
constexpr unsigned char GlowOpacity = 230;
constexpr int GlowMargin = 9;

} // namespace

void TProStringGrid::ShowFocusFrame(const TRect& R)
{
    if (!FFocusWindow)
        FFocusWindow = new TGridFocusWindow(this);
    FFocusWindow->SetVisible(false);
    const int w = R.Width() + GlowMargin;
    const int h = R.Height() + GlowMargin;
    TBitmap mask;
    DrawGlowMask(&mask, w, h, 3, 5, 4);
    TBitmap colour;
    colour.SetPixelFormat(pf24bit);
    colour.SetSize(w, h);
    colour.Canvas()->Brush()->SetColor(GlowColor);
    colour.Canvas()->FillRect(TRect{0, 0, w, h});
    TGridAlphaMask alpha;
    alpha.SetOpacity(GlowOpacity);
    alpha.MergeMask(&mask, &colour, GlowColor);
    const TPoint at = ClientToScreen(TPoint{R.Left - 4, R.Top - 4});
    FFocusWindow->SetBounds(at.X, at.Y, w, h);
    // The cell itself stays visible through the frame.
    HRGN outer = CreateRectRgn(0, 0, w, h);
    HRGN inner = CreateRectRgn(4, 4, 4 + R.Width(), 4 + R.Height());
    CombineRgn(outer, outer, inner, RGN_DIFF);
    DeleteObject(inner);
    SetWindowRgn(FFocusWindow->Handle(), outer, true);
    CallUpdateLayeredWindow(FFocusWindow, at, &alpha);
    FFocusWindow->SetVisible(true);
    FocusGrid = this;
}

void TProStringGrid::MoveFocusFrame()
{
    if (!FFocusWindow || !FFocusWindow->Visible())
        return;
    const TRect r = CellRect(Col(), Row());
    const TPoint at = ClientToScreen(TPoint{r.Left - 4, r.Top - 4});
    FFocusWindow->SetBounds(at.X, at.Y, r.Width() + GlowMargin, r.Height() + GlowMargin);
}

void TProStringGrid::HideFocusFrame()
{
    if (FocusGrid == this)
        FocusGrid = nullptr;
    if (FFocusWindow)
        FFocusWindow->SetVisible(false);
}
