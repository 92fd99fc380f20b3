#pragma once
// TGraphicControl: a control without a window of its own. It is drawn on
// its parent's retained image and gets its mouse messages from the parent,
// with coordinates relative to itself.
#include "platform/controls/Control.h"
#include <memory>

class TCanvas;

class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner = nullptr);
    ~TGraphicControl() override;

    // Draws on the parent's image with the origin at the control's top-left
    // corner. Note: nullptr while the control has no parent window.
    TCanvas* Canvas();

protected:
    virtual void Paint();
    void Dispatch(TMessage& Message) override;
    virtual void WMPaint(TMessage& Message);

private:
    std::unique_ptr<TCanvas> FCanvas;
    bool FPainting = false;
};
