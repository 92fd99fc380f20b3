#include "platform/controls/CustomControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
    FControlStyle += csAcceptsControls;
    FCanvas->AfterDraw = [this] { HostRefreshScreen(FCanvasWnd); };
}

TCustomControl::~TCustomControl()
{
    FCanvas->SetSurface(nullptr);
}

TCanvas* TCustomControl::Canvas()
{
    HWND wnd = Handle();
    if (wnd != FCanvasWnd) {
        FCanvasWnd = wnd;
        FCanvas->SetSurface(HostSurface(wnd));
    }
    return FCanvas.get();
}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow()
{
    TWinControl::PaintWindow();
    TCanvas* canvas = Canvas();
    int saved = SaveDC(canvas);
    TRect r = PaintRect();
    IntersectClipRect(canvas, r.Left, r.Top, r.Right, r.Bottom);
    Paint();
    RestoreDC(canvas, saved);
}
