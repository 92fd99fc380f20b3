#pragma once
// TCustomPanel and TPanel: a container with bevels, a border and a caption.
// Aligned children fill the area inside the border and bevels.
#include "platform/controls/CustomControl.h"
#include "platform/controls/Edit.h"

enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TCustomPanel : public TCustomControl {
public:
    explicit TCustomPanel(TComponent* AOwner = nullptr);

    TPanelBevel BevelInner() const { return FBevelInner; }
    void SetBevelInner(TPanelBevel value);
    TPanelBevel BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TPanelBevel value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int value);
    // Space between the outer and the inner bevel.
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int value);
    // bsSingle draws a sunken window frame around the panel.
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // True: the parent's colour shows instead of Color.
    bool ParentBackground() const { return FParentBackground; }
    void SetParentBackground(bool value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);

protected:
    void Paint() override;
    void AdjustClientRect(TRect& Rect) override;
    void CMTextChanged(TMessage& Message) override;
    // Width taken by the frame on each side.
    int FrameWidth() const;

private:
    void Changed();

    TPanelBevel FBevelInner = bvNone;
    TPanelBevel FBevelOuter = bvRaised;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TBorderStyle FBorderStyle = bsNone;
    TAlignment FAlignment = taCenter;
    bool FParentBackground = false;
    bool FShowCaption = true;
};

class TPanel : public TCustomPanel {
public:
    using TCustomPanel::TCustomPanel;
};
