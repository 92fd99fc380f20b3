#pragma once
// A single-line editor with a push button inside its right edge
// (TSgEditBtn: the button or F4 fires OnClickBtn), and a variant that edits
// a value followed by a unit picked from a popup menu of Units
// (TSgUnitEditBtn). TSgEditButton is the small windowed control that holds
// the button; TProSpeedButton the button itself, coloured, themed,
// classic or flat.
#include "platform/controls/MaskEdit.h"
#include "platform/controls/SpeedButton.h"
#include "platform/rtl/StringList.h"
#include <functional>

class TSgEditButton;
class TUnitTextArea;

class TProSpeedButton : public TSpeedButton {
public:
    explicit TProSpeedButton(TComponent* AOwner = nullptr);

    // Drawn as a visual-style push button when a theme is active.
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value) { FIsWinXP = value; }
    // Its own flat flag, apart from the speed button's.
    bool Flat() const { return FFlat; }
    void SetFlat(bool value) { FFlat = value; Invalidate(); }
    bool Hot() const { return FHot; }
    // Down by the mouse.
    bool Pressed() const { return FPressed; }

protected:
    void Paint() override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TSgEditButton* Holder() const;
    bool FIsWinXP = false;
    bool FFlat = false;
    bool FHot = false;
    bool FPressed = false;
};

class TSgEditButton : public TWinControl {
public:
    explicit TSgEditButton(TComponent* AOwner = nullptr);

    TProSpeedButton* Button() const { return FButton; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(TBitmap* value) { FButton->SetGlyph(value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int value) { FButton->SetNumGlyphs(value); }
    QString ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const QString& value) { FButton->SetCaption(value); }
    bool Flat() const { return FFlat; }
    void SetFlat(bool value);
    // Gets the focus after a click.
    TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(TWinControl* value);

    // Colours: only the three fills take part in drawing.
    TColor ButtonColor() const { return FButtonColor; }
    void SetButtonColor(TColor value) { FButtonColor = value; FButton->Invalidate(); }
    TColor ButtonColorHot() const { return FButtonColorHot; }
    void SetButtonColorHot(TColor value) { FButtonColorHot = value; }
    TColor ButtonColorDown() const { return FButtonColorDown; }
    void SetButtonColorDown(TColor value) { FButtonColorDown = value; }
    TColor ButtonTextColor() const { return FButtonTextColor; }
    void SetButtonTextColor(TColor value) { FButtonTextColor = value; }
    TColor ButtonTextColorHot() const { return FButtonTextColorHot; }
    void SetButtonTextColorHot(TColor value) { FButtonTextColorHot = value; }
    TColor ButtonTextColorDown() const { return FButtonTextColorDown; }
    void SetButtonTextColorDown(TColor value) { FButtonTextColorDown = value; }
    TColor ButtonBorderColor() const { return FButtonBorderColor; }
    void SetButtonBorderColor(TColor value) { FButtonBorderColor = value; }

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void WMSize(TWMSize& Message) override;

private:
    friend class TProSpeedButton;
    void ButtonReleased(TMouseButton Button);

    TProSpeedButton* FButton = nullptr;
    TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
    TColor FButtonColorDown = clNone;
    TColor FButtonBorderColor = clNone;
    TColor FButtonTextColor = clNone;
    TColor FButtonTextColorHot = clNone;
    TColor FButtonColor = clNone;
    TColor FButtonColorHot = clNone;
    TColor FButtonTextColorDown = clNone;
};

class TSgEditBtn : public TCustomMaskEdit {
public:
    explicit TSgEditBtn(TComponent* AOwner = nullptr);
    ~TSgEditBtn() override;

    TSgEditButton* Button() const { return FButton; }
    TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(TBitmap* value) { FButton->SetGlyph(value); }
    QString ButtonCaption() const { return FButton->ButtonCaption(); }
    void SetButtonCaption(const QString& value) { FButton->SetButtonCaption(value); }
    // Note: 0 until set; the layout follows at the next size change.
    int ButtonWidth() const { return FButtonWidth; }
    void SetButtonWidth(int value);
    bool IsWinXP() const { return FIsWinXP; }
    void SetIsWinXP(bool value);
    bool RightAlign() const { return FRightAlign; }
    void SetRightAlign(bool value);
    // False: nothing can be typed, pasted or cut; the button still works.
    bool EditorEnabled() const { return FEditorEnabled; }
    void SetEditorEnabled(bool value) { FEditorEnabled = value; }

    // Fires OnClickBtn with Sender: the button control, or the edit for F4.
    virtual void ClickButton(TObject* Sender);
    TNotifyEvent OnClickBtn;

    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    int MinHeight() const;

protected:
    void CreateWnd() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void Dispatch(TMessage& Message) override;
    void CMEnter(TMessage& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMSize(TWMSize& Message) override;
    // Places the button (and what sits beside it) and sets the edit rectangle.
    virtual void PlaceButton();
    void SetEditRect();

    int FUnitSize = 0;
    bool FRightAlign = false;
    TSgEditButton* FButton = nullptr;
    bool FEditorEnabled = true;
    int FButtonWidth = 0;
    bool FIsWinXP = false;
};

using TUnitChangeEvent = std::function<void(TObject* Sender, const QString& NewUnit)>;

class TSgUnitEditBtn : public TSgEditBtn {
public:
    explicit TSgUnitEditBtn(TComponent* AOwner = nullptr);
    ~TSgUnitEditBtn() override;

    TStrings* Units() const { return FUnits; }
    // Copies the strings; nullptr is ignored.
    void SetUnits(TStrings* value);
    const QString& UnitID() const { return FUnitID; }
    void SetUnitID(const QString& value);
    // The width kept for the unit text left of the button.
    int UnitSpace() const { return FUnitSize; }
    void SetUnitSpace(int value);
    // Text followed by UnitID; writing splits at the first unit that ends the text.
    QString TextAndUnit() const { return Text() + FUnitID; }
    void SetTextAndUnit(const QString& value);

    // OnClickBtn, then the menu of Units under the editor's right part.
    void ClickButton(TObject* Sender) override;
    TUnitChangeEvent OnUnitChanged;

    // The area the unit text is drawn in.
    TRect UnitRect() const;

protected:
    void Dispatch(TMessage& Message) override;
    void PlaceButton() override;

private:
    friend class TUnitTextArea;
    QString FUnitID;
    TStringList* FUnits = nullptr;
    TUnitTextArea* FUnitArea = nullptr;
};
