#pragma once
// TLbButton: the owner-drawn push button. It draws its whole face itself
// (styles and colour schemes in LbButtons.h), keeps its own pressed and hot
// state, fires its own OnClick, passes ModalResult to its form, answers
// Enter and Escape as the Default and Cancel button and "&" mnemonics, and
// can fade its hot colour out after the pointer leaves (SlowDecease).
//
// Click order: OnClick (the button's own), then the form's ModalResult,
// then the PopupMenu at the button's lower-left corner, then the inherited
// click (TControl::OnClick, or else the linked Action). A press counts on release
// wherever the pointer is, and the release of any mouse button completes a
// left-button press. The release of Enter or Space clicks only after that
// key's press on this button, so a key pressed elsewhere (in a dialog that
// closed on it) does not click the button that has the focus afterwards.
#include "controls/button/LbButtons.h"
#include "platform/controls/CustomControl.h"
#include <memory>

class TBitmap;
class TFont;
class TLbButtonThread;

class TLbButton : public TCustomControl {
public:
    explicit TLbButton(TComponent* AOwner = nullptr);
    ~TLbButton() override;

    // Look
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);
    // Note: setting a scheme writes the colours, Flat and the style;
    // reading always gives lcsCustom.
    TLbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TLbColorStyle value);
    // Face colour while pressed; clNone: Color.
    TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(TColor value) { FColorWhenDown = value; }
    // Face colour while hot; clNone: no hot colour.
    TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(TColor value) { FHotTrackColor = value; }
    TColor LightColor() const { return FLightColor; }
    void SetLightColor(TColor value);
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor value);
    // No edge unless hot, focused or pressed.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle value);
    // False: the caption is cut to one line; True: it is wrapped.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool value);
    // The font while hot or focused, when UseHotTrackFont is set.
    TFont* HotTrackFont() const { return FHTFont.get(); }
    // Copies the font (no repaint).
    void SetHotTrackFont(TFont* value);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool value) { FUseHTFont = value; }
    // The extended window style the drawing style asks for
    // (WS_EX_TRANSPARENT for bsModern, bsShape and bsQuicken).
    unsigned ExStyle() const { return FExStyle; }

    // Glyph
    // A strip of NumGlyphs cells: normal, disabled, pressed, hot.
    TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the bitmap (nullptr: no glyph) and counts its square cells;
    // Kind becomes bkCustom.
    void SetGlyph(TBitmap* value);
    // 0: no glyph drawn.
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int value);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout value);
    // A kind sets glyph, caption and ModalResult; bkCustom changes nothing else.
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind value);

    // Behaviour
    // Enter clicks the button.
    bool Default() const { return FDefault; }
    void SetDefault(bool value) { FDefault = value; }
    // Escape clicks the button.
    bool Cancel() const { return FCancel; }
    void SetCancel(bool value) { FCancel = value; }
    // Given to the parent form after OnClick when not 0; Kind becomes bkCustom.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult value);
    // Fade the hot colour out over 8 ticks after the pointer leaves.
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool value);

    void SetEnabled(bool value) override;
    // Sets the caption and invalidates.
    void SetText(const QString& value) override;

    // Presses the button and runs the click sequence, then the inherited click.
    void Click() override;

    // State, for tests and the demo
    bool IsDown() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    // 0..8: hot intensity of the face colour.
    int HotTrackStep() const { return FHotTrackStep; }
    // The fade ticker; nullptr while SlowDecease is off and was switched off.
    TLbButtonThread* FadeThread() const { return FThread.get(); }

    // One fade tick: the hot intensity goes down by one; at 0 the ticker parks.
    void FadeStep(TObject* Sender);

    // The button's own events; they hide the inherited ones of TControl.
    TNotifyEvent OnClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseExit;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CNKeyDown(TWMKey& Message) override;
    void WMKeyUp(TWMKey& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void CMDialogChar(TWMKey& Message) override;
    void CMDialogKey(TWMKey& Message) override;
    void WMTimer(TWMTimer& Message) override;
    // After the inherited handling: a button without a glyph takes a copy
    // of the action's image from its action list's Images.
    void ActionChange(TObject* Sender, bool CheckDefaults) override;

private:
    void ClickSequence();
    // Paints at once when the window exists, else invalidates.
    void PaintNow();
    bool Hot() const;
    bool ParentShowing() const;
    void CreateFadeThread();
    void StopFadeThread();

    TAlignment FAlignment = taCenter;
    TColor FShadowColor = 0x808080;
    TColor FColorWhenDown = clNone;
    bool FEnabled = true;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<TBitmap> FGlyph;
    TColor FHotTrackColor = clNone;
    std::unique_ptr<TFont> FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    TColor FLightColor = 0xFFFFFF;
    TModalResult FModalResult = mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbColorStyle FDummyStyle = lcsCustom;
    TLbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    // The key (Enter or Space) whose press set bDown; 0 when it came from
    // anything else. Only that key's release clicks.
    int FDownKey = 0;
    bool bCursorOnButton = false;
    std::unique_ptr<TLbButtonThread> FThread;
    int FHotTrackStep = 0;
    unsigned FExStyle = 0;
};
