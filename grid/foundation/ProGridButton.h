#pragma once
// TProGridButton: a window-less tool-bar button of the grid's search bar:
// flat with gradient hot, down and checked looks in preset colour looks
// (Look), or a classic frame when not flat; a glyph and a caption; down in
// a group, a check button, or a button with a drop-down part and menu.
#include "grid/foundation/GridTypes.h"
#include "platform/controls/ActionList.h"
#include "platform/controls/ButtonLayout.h"
#include "platform/controls/GraphicControl.h"
#include <memory>

class TBitmap;
class TCanvas;
class TCustomAction;
class TPopupMenu;

// Rect in Steps bands (0 counts as 1) from FromColor to ToColor, along the
// width when Horizontal, else along the height; outlined in BorderColor
// unless it is clNone.
void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                        int Steps, TColor BorderColor);

class TProGridButton;

// Binds an action's caption, checked state and group index to the button.
class TProGridButtonActionLink {
public:
    explicit TProGridButtonActionLink(TProGridButton* AClient) : FClient(AClient) {}
    bool IsCaptionLinked(const TCustomAction* Action) const;
    bool IsCheckedLinked(const TCustomAction* Action) const;
    bool IsGroupIndexLinked(int ActionGroupIndex) const;
    void SetCaption(const TCustomAction* Action, const QString& Value);
    void SetChecked(const TCustomAction* Action, bool Value);
    void SetGroupIndex(int ActionGroupIndex, int Value);

private:
    TProGridButton* FClient;
};

class TProGridButton : public TGraphicControl {
public:
    explicit TProGridButton(TComponent* AOwner = nullptr);
    ~TProGridButton() override;

    // Group and state
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int value);
    // True is kept only with a GroupIndex or the check style.
    bool Down() const { return FDown; }
    void SetDown(bool value);
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value);
    TProGridButtonStyle Style() const { return FStyle; }
    void SetStyle(TProGridButtonStyle value);
    TButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }

    // Look
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Rounded() const { return FRounded; }
    void SetRounded(bool value);
    // Applies a preset look (0..6; others change nothing); reads back the last value.
    int Look() const { return FLook; }
    void SetLook(int value);
    bool AutoThemeAdapt() const { return FAutoThemeAdapt; }
    void SetAutoThemeAdapt(bool value);
    bool AutoXPStyle() const { return FAutoXPStyle; }
    void SetAutoXPStyle(bool value) { FAutoXPStyle = value; }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor value) { FColorHot = value; }
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor value) { FColorHotTo = value; }
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor value) { FColorDown = value; }
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor value) { FColorDownTo = value; }
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor value);
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor value);
    TColor BorderDownColor() const { return FBorderDownColor; }
    void SetBorderDownColor(TColor value) { FBorderDownColor = value; }
    TColor BorderHotColor() const { return FBorderHotColor; }
    void SetBorderHotColor(TColor value) { FBorderHotColor = value; }

    // Content
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Also makes the disabled glyph when none is set.
    void SetGlyph(TBitmap* value);
    TBitmap* GlyphHot() const { return FGlyphHot.get(); }
    void SetGlyphHot(TBitmap* value);
    TBitmap* GlyphDown() const { return FGlyphDown.get(); }
    void SetGlyphDown(TBitmap* value);
    TBitmap* GlyphDisabled() const { return FGlyphDisabled.get(); }
    void SetGlyphDisabled(TBitmap* value);
    // The grey shadow drawn under a hot glyph.
    TBitmap* GlyphShade() const { return FGlyphShade.get(); }
    bool Shaded() const { return FShaded; }
    void SetShaded(bool value);
    TButtonLayout Layout() const { return FLayout; }
    void SetLayout(TButtonLayout value);
    // -1: centred; values below -1 are refused.
    int Margin() const { return FMargin; }
    void SetMargin(int value);
    int Spacing() const { return FSpacing; }
    void SetSpacing(int value);
    bool ShowCaption() const { return FShowCaption; }
    void SetShowCaption(bool value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool value) { FTransparent = value; Invalidate(); }

    // Drop-down part: the right 12 pixels fire OnDropDown and pop up the menu.
    bool DropDownButton() const { return FDropDownButton; }
    void SetDropDownButton(bool value);
    TPopupMenu* DropDownMenu() const { return FDropDownMenu; }
    void SetDropDownMenu(TPopupMenu* value);
    TNotifyEvent OnDropDown;

    void Click() override;

protected:
    void Loaded() override;
    void Paint() override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMTextChanged(TMessage& Message) override;
    void WMLButtonDblClk(TWMMouse& Message) override;
    void ActionChange(TObject* Sender, bool CheckDefaults) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TProGridButtonActionLink;
    void UpdateExclusive();
    void ButtonPressed(int Group, TProGridButton* Sender);
    void UpdateTracking();
    void ThemeAdapt();
    void BuildShade();
    void PaintContent(TCanvas* Canvas, TRect R, TPoint Offset, TButtonState State);
    bool Hot() const;

    int FGroupIndex = 0;
    std::unique_ptr<TBitmap> FGlyph;
    bool FDown = false;
    bool FDragging = false;
    bool FAllowAllUp = false;
    TButtonLayout FLayout = blGlyphLeft;
    int FSpacing = 4;
    bool FTransparent = true;
    int FMargin = -1;
    bool FFlat = true;
    bool FMouseInControl = false;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xCAC7C7;
    TColor FColorHotTo = clNone;
    TColor FColorDown = 0xD8D3D2;
    TColor FColorDownTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderDownColor = clNone;
    TColor FBorderHotColor = clNone;
    std::unique_ptr<TBitmap> FGlyphDisabled;
    std::unique_ptr<TBitmap> FGlyphHot;
    std::unique_ptr<TBitmap> FGlyphDown;
    std::unique_ptr<TBitmap> FGlyphShade;
    bool FShaded = true;
    TColor FColorChecked = 0x808080;
    TColor FColorCheckedTo = clNone;
    TProGridButtonStyle FStyle = tasButton;
    int FLook = 0;
    bool FRounded = false;
    bool FDropDownButton = false;
    bool FAutoThemeAdapt = false;
    bool FAutoXPStyle = false;
    TPopupMenu* FDropDownMenu = nullptr;
    bool FShowCaption = true;
    TButtonState FState = bsUp;
    bool FIsComCtl6 = false;
    // The action's checked state as last taken.
    bool FActionChecked = false;
};
