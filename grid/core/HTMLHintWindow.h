#pragma once
// THTMLHintWindow: the hint window of the grid. It draws mini-markup (with
// the images and pictures of the grid that shows the hint) or a packed
// wide text on one line, in a 3-D frame without border.
#include "platform/controls/HintWindow.h"

class TCustomImageList;
class TPictureContainer;

class THTMLHintWindow : public THintWindow {
public:
    explicit THTMLHintWindow(TComponent* AOwner = nullptr);

    // (0, 0, width, height) of the hint measured within MaxWidth.
    TRect CalcHintRect(int MaxWidth, const QString& AHint, void* AData) override;
    // Sized to the measured hint, at most 1008 pixels wide, and kept 2
    // pixels inside the monitor's right and bottom edges.
    void ActivateHint(const TRect& Rect, const QString& AHint) override;
    // AData: the string grid whose images and pictures the hint may show.
    void ActivateHintData(const TRect& Rect, const QString& AHint, void* AData) override;

    int TextWidth() const { return FTextWidth; }
    int TextHeight() const { return FTextHeight; }

protected:
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;

private:
    // The size the hint needs in (0, 0, MaxWidth, 0).
    TSize Measure(int MaxWidth, const QString& AHint);

    TCustomImageList* FImages = nullptr;
    TPictureContainer* FPictureContainer = nullptr;
    int FTextWidth = 0;
    int FTextHeight = 0;
    QString FWideCaption;
};
