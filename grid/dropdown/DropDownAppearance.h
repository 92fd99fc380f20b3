#pragma once
// THeaderAppearance and TFooterAppearance: the look and the button rows of
// a drop-down popup's header and footer. Most writes only store the value;
// a change of Visible fires OnChange, a change of a button's caption,
// enabled state or width fires the collection's OnChange and so the
// appearance's OnButtonsChanged.
#include "platform/controls/Control.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Collection.h"
#include <QString>
#include <memory>

class TFont;

enum TButtonAlignment { baLeft, baRight };
// gdHorizontal: colours change from left to right; gdVertical: top to bottom.
enum TGradientDirection { gdHorizontal, gdVertical };

class THeaderButtons;
class TFooterButtons;

// The fields both kinds of button share.
class TAppearanceButton : public TCollectionItem {
public:
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // 0: the panel sizes the button from its caption and image.
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    // Note: stored without notification.
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }

protected:
    explicit TAppearanceButton(TCollection* Collection) : TCollectionItem(Collection) {}
    // Caption, Enabled and Width through their setters, Height and ImageIndex.
    void CopyFrom(const TAppearanceButton& Source);
    // Fires the collection's OnChange.
    void DoChange();

private:
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FHeight = 0;
    int FWidth = 0;
};

class THeaderButton : public TAppearanceButton {
public:
    explicit THeaderButton(TCollection* Collection) : TAppearanceButton(Collection) {}

    // From a THeaderButton; anything else raises the framework's
    // cannot-assign error.
    void Assign(TPersistent* Source) override;
};

class TFooterButton : public TAppearanceButton {
public:
    explicit TFooterButton(TCollection* Collection) : TAppearanceButton(Collection) {}

    void Assign(TPersistent* Source) override;

    // A closing result closes the popup.
    TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(TModalResult Value) { FModalResult = Value; }

private:
    TModalResult FModalResult = mrNone;
};

class THeaderButtons : public TOwnedCollection {
public:
    explicit THeaderButtons(TPersistent* AOwner);

    THeaderButton* Add();
    THeaderButton* Insert(int Index);
    THeaderButton* Items(int Index) const;
    // Copies Value into the existing item.
    void SetItems(int Index, THeaderButton* Value);
    // Fires OnChange(this).
    void DoChange();

    TNotifyEvent OnChange;
};

class TFooterButtons : public TCollection {
public:
    explicit TFooterButtons(TPersistent* AOwner);

    TPersistent* GetOwner() const override { return FMyOwner; }
    TFooterButton* Add();
    TFooterButton* Insert(int Index);
    TFooterButton* Items(int Index) const;
    void SetItems(int Index, TFooterButton* Value);
    void DoChange();

    TNotifyEvent OnChange;

private:
    TPersistent* FMyOwner;
};

// The part both appearances share; its constructor is the derived ones'.
class TCustomAppearance : public TPersistent {
public:
    ~TCustomAppearance() override;

    TPersistent* GetOwner() const override { return FOwner; }

    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { FColor = Value; }
    // clNone: a solid Color.
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { FColorTo = Value; }
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { FBorderColor = Value; }
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value) { FBorderWidth = Value; }
    // Mini-markup allowed.
    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    TFont* Font() const { return FFont.get(); }
    // Copies the font.
    void SetFont(TFont* Value);
    TGradientDirection GradientDirection() const { return FGradientDirection; }
    void SetGradientDirection(TGradientDirection Value) { FGradientDirection = Value; }
    // Fires OnChange when it changes.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    // -1: none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    TButtonAlignment ButtonAlignment() const { return FButtonAlignment; }
    void SetButtonAlignment(TButtonAlignment Value) { FButtonAlignment = Value; }

    // Fires OnChange(this).
    void Changed();
    // Fires OnButtonsChanged(this).
    void ButtonsChanged();

    TNotifyEvent OnChange;
    TNotifyEvent OnButtonsChanged;

protected:
    explicit TCustomAppearance(TPersistent* AOwner);
    // ColorTo, Color, BorderColor, Font and GradientDirection.
    void CopyColors(const TCustomAppearance& Source);

    TPersistent* FOwner;
    bool FVisible = true;
    int FHeight = 22;
    int FBorderWidth = 1;
    int FImageIndex = -1;
    QString FCaption;
    TColor FColorTo = 0xFFFFFF;
    TColor FColor = 0xC0C0C0;
    TColor FBorderColor = clBlack;
    std::unique_ptr<TFont> FFont;
    TGradientDirection FGradientDirection = gdVertical;
    TButtonAlignment FButtonAlignment = baRight;
};

class THeaderAppearance : public TCustomAppearance {
public:
    // The font is "Tahoma"; the buttons' collection belongs to AOwner.
    explicit THeaderAppearance(TPersistent* AOwner);
    ~THeaderAppearance() override;

    // From a THeaderAppearance only; anything else is ignored. Visible goes
    // through its setter.
    void Assign(TPersistent* Source) override;
    // ColorTo, Color, BorderColor, Font and GradientDirection of a
    // THeaderAppearance.
    void AssignColors(TPersistent* Source);

    THeaderButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(THeaderButtons* Value);

private:
    std::unique_ptr<THeaderButtons> FButtons;
};

class TFooterAppearance : public TCustomAppearance {
public:
    // The font keeps the framework's default.
    explicit TFooterAppearance(TPersistent* AOwner);
    ~TFooterAppearance() override;

    void Assign(TPersistent* Source) override;
    void AssignColors(TPersistent* Source);

    TFooterButtons* Buttons() const { return FButtons.get(); }
    void SetButtons(TFooterButtons* Value);
    // A size grip while the drop-down is sizeable.
    bool SizeGrip() const { return FSizeGrip; }
    void SetSizeGrip(bool Value) { FSizeGrip = Value; }

private:
    std::unique_ptr<TFooterButtons> FButtons;
    bool FSizeGrip = true;
};

// The colours of the small push buttons in a drop-down's header and footer,
// by state. Every setter fires OnChange when the value changes.
class TProButtonAppearance : public TPersistent {
public:
    TProButtonAppearance();
    ~TProButtonAppearance() override;

    // From a TProButtonAppearance: the fifteen colours and Gradient through
    // the setters, not the font; anything else raises the framework's
    // cannot-assign error.
    void Assign(TPersistent* Source) override;

    // Normal state; ColorTo clNone paints Color solid.
    TColor Color() const { return FColor; }
    void SetColor(TColor Value) { Set(FColor, Value); }
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value) { Set(FColorTo, Value); }
    // Hot (cursor over the button or focused): solid ColorHot.
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value) { Set(FColorHot, Value); }
    // Note: stored only; no painting uses it.
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value) { Set(FColorHotTo, Value); }
    // Pressed: solid ColorDown.
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value) { Set(FColorDown, Value); }
    // Note: stored only.
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value) { Set(FColorDownTo, Value); }
    // A button that is down (checked): solid ColorChecked.
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value) { Set(FColorChecked, Value); }
    // Note: stored only.
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value) { Set(FColorCheckedTo, Value); }
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value) { Set(FColorDisabled, Value); }
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value) { Set(FColorDisabledTo, Value); }
    // Frames by state; clNone draws none.
    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value) { Set(FBorderColor, Value); }
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value) { Set(FBorderColorHot, Value); }
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value) { Set(FBorderColorDown, Value); }
    TColor BorderColorDisabled() const { return FBorderColorDisabled; }
    void SetBorderColorDisabled(TColor Value) { Set(FBorderColorDisabled, Value); }
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value) { Set(FBorderColorChecked, Value); }
    // Direction of the normal and disabled gradients.
    TGradientDirection Gradient() const { return FGradient; }
    void SetGradient(TGradientDirection Value);
    // The caption font, "Tahoma".
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);

    TNotifyEvent OnChange;

private:
    void Set(TColor& Field, TColor Value);
    void Changed();

    TColor FColor = clNone;
    TColor FColorTo = clNone;
    TColor FColorHot = 0xF5F0E1;
    TColor FColorHotTo = 0xF9D2B2;
    TColor FColorDown = 0xF5D8CA;
    TColor FColorDownTo = 0xF9BDA0;
    TColor FColorChecked;
    TColor FColorCheckedTo;
    TColor FColorDisabled = 0xF2F2F2;
    TColor FColorDisabledTo = clNone;
    TColor FBorderColor = clNone;
    TColor FBorderColorHot = 0x808080;
    TColor FBorderColorDown = 0x800000;
    TColor FBorderColorDisabled = 0x808080;
    TColor FBorderColorChecked = 0xFF0000;
    TGradientDirection FGradient = gdVertical;
    std::unique_ptr<TFont> FFont;
};
