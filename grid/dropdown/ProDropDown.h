#pragma once
// TProCustomDropDown: the base of every drop-down editor. A single-line
// edit with a button at its right edge that opens a popup form
// (TDropDownForm) holding the concrete drop-down's control between an
// optional header and footer (TProHeader, TProFooter with TProButton rows).
//
// Opening: the button's release, a click on a non-editable edit, Alt+Down
// or Alt+Up, F4, ShowDropDown. Closing: Enter (kept), Escape (cancelled),
// F4, Alt+Down/Up, HideDropDown, a footer button with a closing modal
// result, or activating any other window (cancelled by default). A click
// within 250 ms after such a deactivation does not reopen the popup.
// A cancelled close restores the value last written through SetText.
//
// The shown text is Prefix + value + Suffix; Text() answers the value.
// EditType restricts and normalises what is typed (ProDropDownValue.cpp).
//
// Files: ProDropDown.cpp (construction, properties, layout, label, border),
// ProDropDownPopup.cpp (the popup form, opening, placing, closing, keys),
// ProDropDownButton.cpp (the drop-down button), ProDropDownValue.cpp (typed
// editing), ProDropDownPanels.cpp (header, footer, their buttons),
// ProDropDownStyles.cpp (style presets and selection colours).
#include "grid/dropdown/DropDownAppearance.h"
#include "grid/foundation/FlatEditorLook.h"
#include "grid/foundation/GridTypes.h"
#include "grid/foundation/QLXStyle.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/MaskEdit.h"
#include "platform/controls/SpeedButton.h"
#include "platform/rtl/List.h"
#include <memory>

class TBitmap;
class TCanvas;
class TControlCanvas;
class TCustomImageList;
class TLabel;
class TTimer;
class TProCustomDropDown;
class TProHeader;
class TProFooter;

enum TDropPosition { dpAuto, dpDown, dpUp };
enum TSelectionColorStyle { scCustom, scOffice2007, scWindowsVista, scWindows7 };
enum TDropDownEditType {
    etString, etNumeric, etFloat, etUppercase, etMixedCase, etLowerCase, etPassword, etMoney, etRange, etHex,
    etAlphaNumeric, etValidChars
};
enum TButtonStyle { bsButton, bsDropDown };

// Events
// acceptdrop: set false to keep the popup closed.
using TDropDown = std::function<void(TObject* Sender, bool& acceptdrop)>;
using TDropUp = std::function<void(TObject* Sender, bool Cancelled)>;
using TDropDownButtonItemClick = std::function<void(TObject* Sender, int ButtonIndex)>;
using TDrawBackGroundEvent = std::function<void(TObject* Sender, TCanvas* ACanvas, const TRect& ARect)>;
using TGetTextEvent = std::function<void(TObject* Sender, QString& Text)>;

// The popup window of a drop-down: borderless and on top; it paints the
// drop-down's background and border, holds the header, the hosted control
// and the footer, and closes the drop-down when another window is activated.
// Note: it uses its own OnDeactivate.
class TDropDownForm : public TForm {
public:
    explicit TDropDownForm(TComponent* AOwner = nullptr);
    ~TDropDownForm() override;

    // Tick count (GetTickCount) of the last deactivation while visible.
    uint32_t DeActivateTime() const { return FDeActivate; }
    // The drop shadow is wanted (the drop-down copies DropDownShadow here).
    bool Shadow() const { return FShadow; }
    void SetShadow(bool Value) { FShadow = Value; }
    // Created on demand by InitializeAndUpdate; nullptr until then.
    TProHeader* Header() const { return FHeader; }
    TProFooter* Footer() const { return FFooter; }
    TProCustomDropDown* ProDropDown() const { return FProDropDown; }
    void SetProDropDown(TProCustomDropDown* Value) { FProDropDown = Value; }
    // The 10 x 10 corner at the bottom right sizes the form.
    bool Sizeable() const { return FSizeable; }
    void SetSizeable(bool Value) { FSizeable = Value; }
    // A close by deactivation counts as cancelled.
    bool CancelOnDeActivate() const { return FCancelOnDeActivate; }
    void SetCancelOnDeActivate(bool Value) { FCancelOnDeActivate = Value; }
    // Deactivation is ignored.
    bool BlockActivate() const { return FBlockActivate; }
    void SetBlockActivate(bool Value) { FBlockActivate = Value; }
    // The canvas on the form's retained image.
    TCanvas* Canvas();

    // Builds or refreshes the header and footer from the drop-down's
    // appearances; a panel once made is only hidden, never freed.
    void InitializeAndUpdate();
    // Background (solid or gradient) and border of the drop-down's settings.
    void DrawBackground(TCanvas* ACanvas);
    void SetVisible(bool Value) override;

    // After the user sized the form.
    TNotifyEvent OnSizing;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    void PaintWindow() override;
    void Dispatch(TMessage& Message) override;

private:
    void Deactivated();

    uint32_t FDeActivate = 0;
    bool FShadow = true;
    TProFooter* FFooter = nullptr;
    TProHeader* FHeader = nullptr;
    TProCustomDropDown* FProDropDown = nullptr;
    bool FSizeable = false;
    bool FCancelOnDeActivate = true;
    bool FBlockActivate = false;
    bool FHiding = false;
    std::unique_ptr<TControlCanvas> FCanvas;
};

// The arrow (bsDropDown) or push button (bsButton) inside the button holder.
class TProDropDownSpeedButton : public TSpeedButton {
public:
    explicit TProDropDownSpeedButton(TComponent* AOwner = nullptr);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    // Note: stored only; the painting does not depend on it.
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    bool Hot() const { return FHot; }
    // Paints released from now on, even while held down.
    void SetUp() { FUp = true; }
    // Down by the mouse (and not SetUp).
    bool Pressed() const;

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    void PaintDropDownStyle();
    void PaintButtonStyle();
    bool IsThemed() const;
    class TDropDownEditButton* Holder() const;
    TProCustomDropDown* DropDown() const;

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FMouseDown = false;
    bool FIsWinXP = false;
    TButtonStyle FButtonStyle = bsDropDown;
};

// The windowed holder of the drop-down button: keeps its width at the
// button width, forwards the left button's release as OnClick and carries
// the colours a style or tone set gives the button.
class TDropDownEditButton : public TWinControl {
public:
    explicit TDropDownEditButton(TComponent* AOwner = nullptr);

    TProDropDownSpeedButton* Button() const { return FButton; }
    TBitmap* Glyph() const;
    void SetGlyph(TBitmap* Value);
    QString ButtonCaption() const;
    void SetButtonCaption(const QString& Value);
    int NumGlyphs() const;
    void SetNumGlyphs(int Value);
    // The edit that owns the button.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* Value);
    // The width the holder keeps whatever width it is given.
    int ButtonWidth() const { return FBWidth; }
    void SetButtonWidth(int Value);

    // Coloured look when ButtonColor is not clNone.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor Value);
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor Value) { FButtonColorHot = Value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor Value) { FButtonColorDown = Value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor Value) { FButtonTextColor = Value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor Value) { FButtonTextColorHot = Value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor Value) { FButtonTextColorDown = Value; }
    // Note: stored only.
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor Value) { FButtonBorderColor = Value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMSize(TWMSize& Message) override;
    void CMEnabledChanged(TMessage& Message) override;

private:
    friend class TProDropDownSpeedButton;
    void ButtonMouseUp(TMouseButton Button);

    TProDropDownSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    int FBWidth = 16;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonColorDown = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
    TColor FButtonBorderColor = clNone;
};

// A list that raises "Index out of bounds in list read access" (or "write
// access") for an index at or beyond Count.
class TDbgList : public TList {
public:
    void AssignList(TList* ListA);
    void* GetItemsEx(int Index) const;
    void SetItemsEx(int Index, void* Value);
};

using TProButtonStyle = TProGridButtonStyle;
enum TProButtonState { absUp, absDisabled, absDown, absDropDown, absExclusive };

// A small push button of a header or footer, painted with the drop-down's
// ButtonAppearance over its parent's background.
class TProButton : public TCustomControl {
public:
    explicit TProButton(TComponent* AOwner = nullptr);
    ~TProButton() override;

    // Sets the parent form's ModalResult; a closing result closes the bound
    // drop-down (cancelled for Cancel, Abort, Ignore, No and No to all).
    void Click() override;
    // Size from the caption (and image): text + 8 wide, + 4 high.
    void AutoSizeButton();
    void SetDown(bool Value);
    bool Down() const { return FDown; }
    void SetImages(TCustomImageList* Value) { FImages = Value; }
    void SetProDropDown(TProCustomDropDown* Value) { FProDropDown = Value; }
    virtual void DrawButton(TCanvas* ACanvas);

    // Fields the panel sets directly.
    TProButtonAppearance* FAppearance = nullptr;
    TCustomImageList* FImages = nullptr;
    int FImageIndex = -1;
    TModalResult FModalResult = mrNone;
    TProCustomDropDown* FProDropDown = nullptr;
    int FGroupIndex = 0;
    bool FAllowAllUp = false;
    TProButtonStyle FStyle = tasButton;

    TProButtonState State() const { return FState; }
    bool MouseInControl() const { return FMouseInControl; }
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;

protected:
    void Paint() override;
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Dispatch(TMessage& Message) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void CMDialogChar(TWMKey& Message) override;
    void DoEnter() override;
    void DoExit() override;

private:
    void UnHotTimer(TObject* Sender);
    void TrackMouse();
    void NotifyGroup();
    void PaintParentBackground(TCanvas* ACanvas);

    bool FDown = false;
    bool FInitialDown = false;
    TProButtonState FState = absUp;
    bool FMouseInControl = false;
    // The value shows as a picture (a colour swatch, an image) drawn over
    // the whole edit: the native edit gives up its area and its frame.
    bool FPictureEdit = false;
    bool FMouseDownInControl = false;
    bool FDragging = false;
    bool FInternalClick = false;
    TTimer* FUnHotTimer = nullptr;
};

// What header and footer share: the background, border, image, caption
// and the row of buttons built from the appearance's collection.
class TProPanelBase : public TCustomControl {
public:
    ~TProPanelBase() override;

    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TProCustomDropDown* ProDropDown() const { return FProDropDown; }
    // Binds the drop-down: its Images and a copy of its header or footer
    // appearance; nullptr unbinds.
    void SetProDropDown(TProCustomDropDown* DropDown);
    // Builds the buttons when a drop-down is bound.
    void InitButtons();
    virtual void CreateButtons();
    virtual void ClearButtons();
    virtual void ArrangeButtons();
    virtual void UpdateButtons();
    // Where the buttons stand.
    virtual TRect GetButtonArea() const = 0;
    int GetButtonAreaHeight() const { return GetButtonArea().Height(); }
    // The button area up to 2 pixels left of the last button in the list;
    // (-1, -1, -1, -1) without buttons.
    TRect GetCaptionBounds() const;
    TDbgList* ButtonList() const { return FButtonList.get(); }
    // The panel's copy of the drop-down's appearance.
    virtual TCustomAppearance* BaseAppearance() const = 0;
    // Paints the panel onto ACanvas (its client coordinates); the buttons
    // paint their background through it.
    void PaintPanel(TCanvas* ACanvas);

    TDrawBackGroundEvent OnDrawBackGround;
    TGetTextEvent OnGetText;

protected:
    explicit TProPanelBase(TComponent* AOwner);
    void Paint() override;
    void WMSize(TWMSize& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual bool IsFooter() const = 0;
    virtual void AssignAppearance(TProCustomDropDown* DropDown) = 0;
    virtual int AppearanceButtonCount() const = 0;
    virtual TAppearanceButton* AppearanceButton(int Index) const = 0;
    void ButtonClick(TObject* Sender);
    void AppearanceChanged();

    TCustomImageList* FImages = nullptr;
    TProCustomDropDown* FProDropDown = nullptr;
    std::unique_ptr<TDbgList> FButtonList;
};

class TProHeader : public TProPanelBase {
public:
    explicit TProHeader(TComponent* AOwner = nullptr);
    ~TProHeader() override;

    THeaderAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(THeaderAppearance* Value);
    // The drop-down's header buttons; nullptr without a drop-down.
    THeaderButtons* Buttons() const;
    TRect GetButtonArea() const override;
    TCustomAppearance* BaseAppearance() const override { return FAppearance.get(); }

protected:
    bool IsFooter() const override { return false; }
    void AssignAppearance(TProCustomDropDown* DropDown) override;
    int AppearanceButtonCount() const override;
    TAppearanceButton* AppearanceButton(int Index) const override;

private:
    std::unique_ptr<THeaderAppearance> FAppearance;
};

class TProFooter : public TProPanelBase {
public:
    explicit TProFooter(TComponent* AOwner = nullptr);
    ~TProFooter() override;

    TFooterAppearance* Appearance() const { return FAppearance.get(); }
    void SetAppearance(TFooterAppearance* Value);
    TFooterButtons* Buttons() const;
    TRect GetButtonArea() const override;
    TCustomAppearance* BaseAppearance() const override { return FAppearance.get(); }
    // SizeGrip is on and the drop-down is sizeable.
    bool HasSizeGrip() const;
    void DrawSizeGrip(TCanvas* ACanvas, const TRect& R);

protected:
    bool IsFooter() const override { return true; }
    void AssignAppearance(TProCustomDropDown* DropDown) override;
    int AppearanceButtonCount() const override;
    TAppearanceButton* AppearanceButton(int Index) const override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;

private:
    bool InGrip(int X, int Y) const;
    std::unique_ptr<TFooterAppearance> FAppearance;
    TCursor FOldCursor = crDefault;
    bool FSizing = false;
    TPoint FGripStart;
    TPoint FStartSize;
};

// The item colours a style gives the list drop-downs' item appearance;
// false for tsCustom (nothing changes). Hot and selected item borders are
// clNone and their text black before the table applies.
struct TItemStyleColors {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo;
    TColor ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
    TColor BorderColor, BorderColorTop, BorderColorBottom, EdgeColor;
    // clNone: keep black.
    TColor ColorSelectedText;
};
bool ItemAppearanceStyleColors(TQLXStyle AStyle, TItemStyleColors& Colors);

class TProCustomDropDown : public TCustomMaskEdit, public IQLXStyle, public IQLXTones {
public:
    using TClipboardEvent = std::function<void(TObject* Sender, const QString& value, bool& allow)>;

    explicit TProCustomDropDown(TComponent* AOwner = nullptr);
    ~TProCustomDropDown() override;

    // From another drop-down: the popup, edit-type, button and selection
    // settings; anything else is ignored.
    void Assign(TPersistent* Source) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Popup
    void ShowDropDown() { DoShowDropDown(); }
    void HideDropDown(bool CancelChanges) { DoHideDropDown(CancelChanges); }
    bool DroppedDown() const { return FDroppedDown; }
    TDropDownForm* DropDownForm() const { return FDropDownForm; }
    // The hosted control of the concrete drop-down.
    TControl* Control() const { return FControl; }
    // 0: the hosted control's width (else the edit's).
    int DropDownWidth() const { return FDropDownWidth; }
    void SetDropDownWidth(int Value);
    // 0: borders + header + footer + the hosted control's height.
    int DropDownHeight() const { return FDropDownHeight; }
    void SetDropDownHeight(int Value);
    TColor DropDownColor() const { return FDropDownColor; }
    void SetDropDownColor(TColor Value) { FDropDownColor = Value; }
    // clNone: a solid DropDownColor.
    TColor DropDownColorTo() const { return FDropDownColorTo; }
    void SetDropDownColorTo(TColor Value) { FDropDownColorTo = Value; }
    TGradientDirection DropDownGradient() const { return FDropDownGradient; }
    void SetDropDownGradient(TGradientDirection Value) { FDropDownGradient = Value; }
    TColor DropDownBorderColor() const { return FDropDownBorderColor; }
    void SetDropDownBorderColor(TColor Value) { FDropDownBorderColor = Value; }
    int DropDownBorderWidth() const { return FDropDownBorderWidth; }
    void SetDropDownBorderWidth(int Value) { FDropDownBorderWidth = Value; }
    // Applied at the next opening.
    bool DropDownShadow() const { return FDropDownShadow; }
    void SetDropDownShadow(bool Value) { FDropDownShadow = Value; }
    bool ForceShadow() const { return FForceShadow; }
    void SetForceShadow(bool Value) { FForceShadow = Value; }
    // The footer shows a size grip.
    bool DropDownSizeable() const { return FDropDownSizeable; }
    void SetDropDownSizeable(bool Value) { FDropDownSizeable = Value; }
    TDropPosition DropPosition() const { return FDropPosition; }
    void SetDropPosition(TDropPosition Value) { FDropPosition = Value; }
    // Note: stored only.
    bool DropDownEnabled() const { return FDropDownEnabled; }
    void SetDropDownEnabled(bool Value) { FDropDownEnabled = Value; }
    THeaderAppearance* DropDownHeader() const { return FDropDownHeader.get(); }
    void SetDropDownHeader(THeaderAppearance* Value);
    TFooterAppearance* DropDownFooter() const { return FDropDownFooter.get(); }
    void SetDropDownFooter(TFooterAppearance* Value);
    TProButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TProButtonAppearance* Value);
    // Images of the header, footer and items; a reference.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);

    // Button
    TDropDownEditButton* Button() const { return FButton; }
    int DropDownButtonWidth() const { return FButtonWidth; }
    void SetDropDownButtonWidth(int Value);
    const QString& DropDownButtonHint() const { return FButtonHint; }
    void SetDropDownButtonHint(const QString& Value);
    TBitmap* DropDownButtonGlyph() const;
    void SetDropDownButtonGlyph(TBitmap* Value);
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value) { FFlat = Value; }
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value) { FEtched = Value; }

    // Editing (see ProDropDownValue.cpp)
    // False: nothing is typed; a click anywhere opens the popup.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool Value);
    TDropDownEditType EditType() const { return FEditType; }
    void SetEditType(TDropDownEditType Value);
    // Decimals; 0 none, negative free format.
    int Precision() const { return FPrecision; }
    void SetPrecision(int Value);
    const QString& Prefix() const { return FPrefix; }
    void SetPrefix(const QString& Value) { FPrefix = Value; }
    const QString& Suffix() const { return FSuffix; }
    void SetSuffix(const QString& Value) { FSuffix = Value; }
    // A minus sign may be typed in the number types.
    bool Signed() const { return FSigned; }
    void SetSigned(bool Value) { FSigned = Value; }
    // Digits before the decimal separator (all characters for text types); 0 none.
    int LengthLimit() const { return FLengthLimit; }
    void SetLengthLimit(int Value) { FLengthLimit = short(Value); }
    bool ReturnIsTab() const { return FReturnIsTab; }
    void SetReturnIsTab(bool Value) { FReturnIsTab = Value; }
    bool AllowNumericNullValue() const { return FAllowNumericNullValue; }
    void SetAllowNumericNullValue(bool Value) { FAllowNumericNullValue = Value; }
    // Enter and Escape also reach the parent.
    bool DefaultHandling() const { return FDefaultHandling; }
    void SetDefaultHandling(bool Value) { FDefaultHandling = Value; }
    bool CanUndo() const { return FCanUndo; }
    void SetCanUndo(bool Value) { FCanUndo = Value; }
    // The numeric keypad's decimal key types the locale's separator.
    bool ExcelStyleDecimalSeparator() const { return FExcelStyleDecimalSeparator; }
    void SetExcelStyleDecimalSeparator(bool Value) { FExcelStyleDecimalSeparator = Value; }
    const QString& ValidChars() const { return FValidChars; }
    void SetValidChars(const QString& Value) { FValidChars = Value; }
    bool AutoThousandSeparator() const { return FAutoThousandSeparator; }
    void SetAutoThousandSeparator(bool Value) { FAutoThousandSeparator = Value; }
    // The value: the shown text without prefix and suffix.
    QString GetText() const;
    // Note: the value, as GetText; EditText is the shown text.
    QString Text() const { return GetText(); }
    // Normalises and formats Value, shows Prefix + Value + Suffix and
    // remembers Value as the old text.
    virtual void SetText(const QString& Value) override;
    // Shows Value exactly as given.
    void SetTextDirect(const QString& Value);
    double GetFloatValue() const;
    void SetFloatValue(double Value);
    void SetIntValue(int Value);
    bool GetIsModified() const { return FIsModified; }
    void SetIsModified(bool Value);
    // The value last written through SetText.
    const QString& OldText() const { return FOldText; }
    // The value when the edit got the focus.
    const QString& OldString() const { return FOldString; }
    // Selects the value only.
    void SelectAll();
    void SelectBeforeDecimal();
    void SelectAfterDecimal();

    // Look
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(TColor Value) { FFocusBorderColor = Value; }
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool Value);
    bool FocusDraw() const { return FFocusDraw; }
    void SetFocusDraw(bool Value) { FFocusDraw = Value; }
    TSelectionColorStyle SelectionColorStyle() const { return FSelectionColorStyle; }
    virtual void SetSelectionColorStyle(TSelectionColorStyle Value);
    TColor SelectionColor() const { return FSelectionColor; }
    void SetSelectionColor(TColor Value) { FSelectionColor = Value; }
    TColor SelectionColorTo() const { return FSelectionColorTo; }
    void SetSelectionColorTo(TColor Value) { FSelectionColorTo = Value; }
    TQLXStyle GetComponentStyle() const { return FQLXStyle; }
    void SetComponentStyle(TQLXStyle AStyle) override;
    void SetColorTones(const TColorTones& ATones) override;
    // Stores the streamed style ordinals without applying their colours.
    void ReadStyleOrdinals(int SelectionColorStyle, int QLXStyle);
    // Paints a selected item's background with the selection colours.
    virtual void DrawSelectionBackground(TCanvas* ACanvas, const TRect& ARect, TColor BackgroundColor,
                                         int Position);

    // Label
    const QString& LabelCaption() const;
    void SetLabelCaption(const QString& Value);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition Value);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int Value);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool Value);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool Value) { FLabelAlwaysEnabled = Value; }
    TFont* LabelFont() const { return FLabelFont.get(); }
    void SetLabelFont(TFont* Value);
    // nullptr until LabelCaption is first set.
    TLabel* EditLabel() const { return FLabel; }

    // "1.2.1.4"
    QString Version() const;
    virtual int GetVersionNr() const { return 0x01020104; }

    // Events
    TNotifyEvent OnBeforeDropDown;
    TDropDown OnDropDown;
    TNotifyEvent OnBeforeDropUp;
    TDropUp OnDropUp;
    TDropDownButtonItemClick OnDropDownHeaderButtonClick;
    TDropDownButtonItemClick OnDropDownFooterButtonClick;
    TDrawBackGroundEvent OnDrawHeader;
    TDrawBackGroundEvent OnDrawFooter;
    TGetTextEvent OnGetHeaderText;
    TGetTextEvent OnGetFooterText;
    TNotifyEvent OnLabelClick;
    TNotifyEvent OnLabelDblClick;
    TClipboardEvent OnClipboardCopy;
    TClipboardEvent OnClipboardPaste;
    TClipboardEvent OnClipboardCut;

protected:
    // Overridable steps, in the order the concrete drop-downs know them.
    virtual void DoLabelClick();
    virtual void DoLabelDblClick();
    virtual void CreateDropDownForm();
    virtual void CreateDropDownButton();
    virtual void UpdateDropDownButton();
    // Fill and configure the hosted control, then call this.
    virtual void BeforeDropDown();
    virtual void AdjustDropDownHeight(int& Height) {}
    virtual void FocusDropDownControl();
    virtual void DoShowDropDown();
    virtual void PlaceDropDownControl();
    virtual void UpdateDropDownSize();
    virtual void DoHideDropDown(bool Cancelled);
    // Clears DroppedDown and takes the focus back (the popup's OnHide).
    virtual void AfterHideDropDown();
    // The popup is being destroyed: forget the controls it owned.
    virtual void DropDownFormDestroyed() {}
    virtual void DropDownMouseWheelDown(TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void DropDownMouseWheelUp(TShiftState Shift, TPoint MousePos, bool& Handled);
    virtual void DropDownKeyPress(QChar& Key);
    virtual void DropDownKeyDown(int& Key, TShiftState Shift);
    virtual void DropDownKeyUp(int& Key, TShiftState Shift);
    virtual void ControlKeyDown(int& Key, TShiftState Shift);
    virtual void ControlKeyUp(int& Key, TShiftState Shift);
    virtual void ControlKeyPress(QChar& Key);
    virtual void DropDownSizing() {}
    // The next or previous value (the mouse wheel).
    virtual void DoSelectNext() {}
    virtual void DoSelectPrevious() {}
    virtual void DrawFocusText();
    virtual void SetEditRect();
    virtual void ResizeControl();
    // The strips of the window the native edit leaves to the control's own
    // drawing: the border's pixel on each side, or the whole area of a
    // picture edit.
    virtual TRect EditMargins() const;
    virtual void DrawGradient(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                              TGradientDirection Direction);

    // Hosted control and popup
    void SetControl(TControl* Value);
    TRect GetEditRect() const { return FEditRect; }
    int GetMinHeight() const;
    void DropButtonClick(TObject* Sender);
    // Opens unless the popup closed less than 250 ms ago.
    void ClickDropDown();
    void HeaderChanged(TObject* Sender);
    void FooterChanged(TObject* Sender);
    void UpdateLabel();
    void RedrawBorder();
    void DrawBorder(TCanvas* ACanvas);
    // The frame of a picture edit: a plain single border, unless the flat
    // look or a border colour draws one.
    void DrawPictureFrame(TCanvas* ACanvas);
    void ApplyThousandSeparator();

    // Framework hooks
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WndProc(TMessage& Message) override;
    void Dispatch(TMessage& Message) override;
    void CreateWnd() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void DoEnter() override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void WMKeyDown(TWMKey& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void WMSize(TWMSize& Message) override;
    void WMLButtonDown(TWMMouse& Message) override;
    void WMLButtonUp(TWMMouse& Message) override;
    void CMEnter(TMessage& Message) override;
    void CMExit(TMessage& Message) override;
    void CMWantSpecialKey(TWMKey& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void CMEnabledChanged(TMessage& Message) override;
    void CMVisibleChanged(TMessage& Message) override;
    void CMFontChanged(TMessage& Message) override;
    void CMParentFontChanged(TMessage& Message) override;
    void CMMouseEnter(TMessage& Message) override;
    void CMMouseLeave(TMessage& Message) override;
    void CNCommand(TWMCommand& Message) override;
    virtual void WMCut(TMessage& Message);
    virtual void WMCopy(TMessage& Message);
    virtual void WMPaste(TMessage& Message);

    // Popup and hosted control
    TDropDownForm* FDropDownForm = nullptr;
    TControl* FControl = nullptr;
    TWinControl* FFocusControl = nullptr;
    int FDropDownWidth = 0;
    int FDropDownHeight = 0;
    int FUserDropDownWidth = -1;
    int FUserDropDownHeight = -1;
    TColor FDropDownColor = 0xFFFFFF;
    TColor FDropDownColorTo = clNone;
    TGradientDirection FDropDownGradient = gdHorizontal;
    TColor FDropDownBorderColor = clBlack;
    int FDropDownBorderWidth = 1;
    bool FDropDownShadow = true;
    bool FForceShadow = false;
    bool FDropDownSizeable = true;
    TDropPosition FDropPosition = dpAuto;
    bool FDroppedDown = false;
    bool FDropDownEnabled = false;
    std::unique_ptr<THeaderAppearance> FDropDownHeader;
    std::unique_ptr<TFooterAppearance> FDropDownFooter;
    std::unique_ptr<TProButtonAppearance> FButtonAppearance;
    TCustomImageList* FImages = nullptr;

    // Button
    TDropDownEditButton* FButton = nullptr;
    int FButtonWidth = 17;
    QString FButtonHint;
    bool FFlat = false;
    bool FEtched = false;

    // Editing
    bool FEditorEnabled = true;
    TDropDownEditType FEditType = etString;
    short FLengthLimit = 0;
    short FPrecision = 0;
    QString FPrefix;
    QString FSuffix;
    bool FSigned = false;
    bool FReturnIsTab = false;
    bool FAllowNumericNullValue = false;
    bool FDefaultHandling = true;
    bool FCanUndo = true;
    bool FExcelStyleDecimalSeparator = false;
    QString FValidChars;
    bool FAutoThousandSeparator = true;
    QString FOldText;
    QString FOldString;
    bool FBlockChange = false;
    bool FBlockCopy = false;
    bool FIsModified = false;
    bool FButtonDown = false;
    TRect FEditRect;

    // Look
    TColor FBorderColor = clNone;
    TColor FFocusBorderColor = clNone;
    bool FDisabledBorder = true;
    TColor FSelectionColor = clNone;
    TColor FSelectionColorTo = clNone;
    TSelectionColorStyle FSelectionColorStyle = scOffice2007;
    TQLXStyle FQLXStyle = tsOffice2007Luna;
    bool FFocusDraw = true;
    bool FIsWinXP = true;
    bool FIsThemed = false;
    bool FMouseInControl = false;
    // The value shows as a picture (a colour swatch, an image) drawn over
    // the whole edit: the native edit gives up its area and its frame.
    bool FPictureEdit = false;

    // Label
    TLabel* FLabel = nullptr;
    std::unique_ptr<TFont> FLabelFont;
    TLabelPosition FLabelPosition = lpLeftTop;
    int FLabelMargin = 0;
    bool FLabelTransparent = false;
    bool FLabelAlwaysEnabled = false;
    bool FParentFnt = false;

private:
    friend class TDropDownForm;
    friend class TProDropDownSpeedButton;
    // Typed editing steps (ProDropDownValue.cpp)
    bool ValueCharAllowed(TWMKey& Message);
    bool TypeRule(QChar Ch, TWMKey& Message);
    bool DecimalRules(QChar Ch);
    bool SignToggle();
    bool CaretKeyRules(TWMKey& Message);
    void AfterCaretKey(TWMKey& Message, int Key);
    int IntegerDigitCount(const QString& Value) const;
    int DecimalSeparatorPos() const;
    bool ThousandDistanceOk() const;
    void SetShownText(const QString& Shown);
    void SetPrecisionField(int Value) { FPrecision = short(Value); }
    void MouseUpCaretRules();
    void PasteText(const QString& Clip);
    // Popup steps (ProDropDownPopup.cpp)
    void PlacePopup(int Width, int Height);
    bool DropDownKeys(int Key);
    bool FClosing = false;
};
