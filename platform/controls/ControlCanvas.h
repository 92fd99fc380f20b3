#pragma once
// TControlCanvas: a canvas on a windowed control's retained image, the
// device context of its window, for controls that draw over what they
// show without being custom controls (frames over a native widget).
// Note: a native widget covers the image except where its margins leave
// it free (SetNativeMargins).
#include "platform/graphics/Canvas.h"

class TWinControl;

class TControlCanvas : public TCanvas {
public:
    TControlCanvas() = default;
    explicit TControlCanvas(TWinControl* AControl) { SetControl(AControl); }
    ~TControlCanvas() override;

    // Binds to the control's window (made when needed); nullptr: none.
    TWinControl* Control() const { return FControl; }
    void SetControl(TWinControl* AControl);

private:
    TWinControl* FControl = nullptr;
};
