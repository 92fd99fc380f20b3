#pragma once
// TCustomControl: a windowed control that paints itself.
//
// Its Canvas draws into the window's retained image at any time, inside
// or outside a paint cycle, as a device context would; a finished draw
// shows on screen with the next repaint. Invalidate marks an area; the
// next WM_PAINT (from the event loop, or at once through Update/Repaint)
// fills it with Color unless csOpaque is set, then calls Paint with the
// canvas clipped to that area (PaintRect), then paints the window-less
// children. Tests read pixels back through Canvas()->Pixels.
#include "platform/controls/WinControl.h"
#include <memory>

class TCanvas;

class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner = nullptr);
    ~TCustomControl() override;

    // Note: using the canvas creates the window.
    TCanvas* Canvas();

protected:
    virtual void Paint();
    void PaintWindow() override;

private:
    std::unique_ptr<TCanvas> FCanvas;
    HWND FCanvasWnd = nullptr;
};
