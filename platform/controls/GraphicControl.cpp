#include "platform/controls/GraphicControl.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TCanvas>())
{
}

TGraphicControl::~TGraphicControl()
{
    FCanvas->SetSurface(nullptr);
}

TCanvas* TGraphicControl::Canvas()
{
    if (!Parent())
        return nullptr;
    if (!FPainting) {
        HWND wnd = Parent()->Handle();
        FCanvas->SetSurface(HostSurface(wnd));
        FCanvas->AfterDraw = [wnd] { HostRefreshScreen(wnd); };
        SetViewportOrgEx(FCanvas.get(), Left(), Top(), nullptr);
    }
    return FCanvas.get();
}

void TGraphicControl::Paint() {}

void TGraphicControl::Dispatch(TMessage& Message)
{
    if (Message.Msg == WM_PAINT)
        WMPaint(Message);
    else
        TControl::Dispatch(Message);
}

// WParam is the parent's canvas, already moved to the control's origin
// and clipped to it.
void TGraphicControl::WMPaint(TMessage& Message)
{
    auto* dc = reinterpret_cast<TCanvas*>(Message.WParam);
    if (!dc || !Parent())
        return;
    TCanvas* canvas = Canvas();
    int saved = SaveDC(canvas);
    TRect clip;
    GetClipBox(dc, &clip);
    SetViewportOrgEx(canvas, Left(), Top(), nullptr);
    IntersectClipRect(canvas, clip.Left, clip.Top, clip.Right, clip.Bottom);
    FPainting = true;
    Paint();
    FPainting = false;
    RestoreDC(canvas, saved);
}
