#pragma once
// TSgCustomCombo and TSgComboBox: the framework combo box with the flat
// look (FlatEditorLook.h), coloured frames, an own drop button, focus
// colours and an optional label beside it. TSgComboBox adds nothing.
#include "grid/foundation/FlatEditorLook.h"
#include "platform/controls/ComboBox.h"
#include <memory>

class TLabel;
class TFont;

class TSgCustomCombo : public TCustomComboBox {
public:
    explicit TSgCustomCombo(TComponent* AOwner = nullptr);
    ~TSgCustomCombo() override;

    // FNormalColor := Color (the colour restored after focus); Loaded calls it.
    void Init();
    // Selects the item of that text; nothing when it is not in Items.
    void SelectItem(const QString& AString);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void SetEnabled(bool value) override;
    void SetVisible(bool value) override;
    // A write while loading is also the colour Flat returns to.
    void SetColor(TColor value);

    // Look
    bool AutoComplete() const { return FAutoComplete; }
    void SetAutoComplete(bool value) { FAutoComplete = value; }
    // Take the focus when the mouse enters.
    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool value) { FAutoFocus = value; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool value);
    TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(TColor value);
    // A flat combo takes its parent's colour.
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool value);
    // Drop-button strip width: 14..32; other values are ignored.
    int ButtonWidth() const { return FLook.ButtonWidth; }
    void SetButtonWidth(int value);
    // Width of the drop-down list (0: the platform's).
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int value);
    TColor BorderColor() const { return FLook.BorderColor; }
    void SetBorderColor(TColor value);
    TColor FocusBorderColor() const { return FLook.FocusBorderColor; }
    void SetFocusBorderColor(TColor value) { FLook.FocusBorderColor = value; UpdateMargins(); }
    bool FocusBorder() const { return FLook.FocusBorder; }
    void SetFocusBorder(bool value) { FLook.FocusBorder = value; }
    bool DisabledBorder() const { return FLook.DisabledBorder; }
    void SetDisabledBorder(bool value) { FLook.DisabledBorder = value; }
    // Background while focused (clNone: unchanged).
    TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(TColor value) { FFocusColor = value; }
    // Bold label while focused.
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool value) { FFocusLabel = value; }
    bool IsWinXP() const { return FLook.IsWinXP; }
    void SetIsWinXP(bool value) { FLook.IsWinXP = value; }
    // Leave the drawing to the platform unless a button or border colour is set.
    bool IsVista() const { return FIsVista; }
    void SetIsVista(bool value) { FIsVista = value; }

    // Own drop button
    TColor ButtonColor() const { return FLook.ButtonColor; }
    void SetButtonColor(TColor value) { FLook.ButtonColor = value; UpdateMargins(); Invalidate(); }
    TColor ButtonColorHot() const { return FLook.ButtonColorHot; }
    void SetButtonColorHot(TColor value) { FLook.ButtonColorHot = value; }
    TColor ButtonColorDown() const { return FLook.ButtonColorDown; }
    void SetButtonColorDown(TColor value) { FLook.ButtonColorDown = value; }
    TColor ButtonTextColor() const { return FLook.ButtonTextColor; }
    void SetButtonTextColor(TColor value) { FLook.ButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FLook.ButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FLook.ButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FLook.ButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FLook.ButtonTextColorDown = value; }
    TColor ButtonBorderColor() const { return FLook.ButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FLook.ButtonBorderColor = value; }

    // Label
    // Note: nullptr until a caption is given.
    TLabel* ComboLabel() const { return FLabel; }
    QString LabelCaption() const;
    void SetLabelCaption(const QString& value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool value);
    TFont* LabelFont() const { return FLabelFont.get(); }
    // Taken only when ParentFont is off.
    void SetLabelFont(TFont* value);

    // The drop-down list closed.
    TNotifyEvent OnDropUp;

    // The look's state, for tests and derived editors.
    const TFlatLook& Look() const { return FLook; }
    // The colour restored after focus (0 until Init).
    TColor NormalColor() const { return FNormalColor; }
    // Draws the frame (and face) now, as after a paint.
    void RepaintFrame();

protected:
    void Loaded() override;
    void CreateWnd() override;
    void CNCommand(TWMCommand& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMParentFontChanged(TMessage& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void WMPaint(TMessage& Message) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    TFlatPaintState PaintState() const;
    void PlaceLabel();
    void LabelBold(bool Bold);
    // Keeps the native combo off the frame and the own drop button.
    void UpdateMargins();
    bool OwnButton() const;

    bool FAutoComplete = true;
    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    TColor FOldColor = clWindow;
    bool FOldParentColor = false;
    TColor FLoadedColor = clWindow;
    int FDropWidth = 0;
    bool FIsVista = false;
    TFlatLook FLook;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    TLabel* FLabel = nullptr;
    TColor FFlatLineColor = clNone;
    bool FFlatParentColor = true;
    TColor FFocusColor = clNone;
    TColor FNormalColor = 0;
    bool FFocusLabel = false;
};

class TSgComboBox : public TSgCustomCombo {
public:
    using TSgCustomCombo::TSgCustomCombo;
};
