#pragma once
// TCustomButtonPanel: a panel of owner-drawn push buttons; with
// ButtonPanelType plCalculator it builds and lays out the calculator's
// keypad. TButtonItem is one button, TButtonAppearance the look the panel
// keeps for them (of its colours only the font and the two text colours
// reach the screen; the faces are push buttons of the platform).
#include "grid/dropdown/ItemLayout.h"
#include "platform/controls/CustomControl.h"
#include "platform/graphics/Color.h"
#include "platform/rtl/Collection.h"
#include <QString>
#include <functional>
#include <memory>

class TCustomImageList;
class TFont;
class TPicture;

// plCustom: the panel builds and lays out nothing itself.
enum TButtonPanelType { plCalculator, plCustom };

using TCalculatorButtonClickEvent = std::function<void(TObject* Sender, int Index)>;

class TButtonItem : public TCollectionItem {
public:
    explicit TButtonItem(TCollection* Collection = nullptr);
    ~TButtonItem() override;

    // Caption, CaptionColor, Tag, ImageIndex, Image, Enabled and Name (not
    // Special, not the rectangle).
    void Assign(TPersistent* Source) override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& Value) { FCaption = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    // Disabled buttons take no hot, pressed or click state.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    TPicture* Image() const { return FImage.get(); }
    void SetImage(TPicture* Value);
    // The action code of the button.
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const QString& Name() const { return FName; }
    void SetName(const QString& Value) { FName = Value; }
    // Note: stored and copied, not used for painting.
    TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(TColor Value) { FCaptionColor = Value; }
    // The caption is drawn in the appearance's SpecialTextColor.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool Value) { FSpecial = Value; }

    // Rectangle in panel coordinates, set by the layout (-1: unset).
    int Left = -1;
    int Top = -1;
    int Width = 0;
    int Height = 0;
    TRect BoundsRect() const { return Rect(Left, Top, Left + Width, Top + Height); }

private:
    QString FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<TPicture> FImage;
    int FTag = 0;
    QString FName;
    TColor FCaptionColor = clWhite;
    bool FSpecial = false;
};

class TButtonItems : public TOwnedCollection {
public:
    explicit TButtonItems(TPersistent* AOwner);

    TButtonItem* Add() { return static_cast<TButtonItem*>(TCollection::Add()); }
    TButtonItem* Insert(int Index) { return static_cast<TButtonItem*>(TCollection::Insert(Index)); }
    TButtonItem* Items(int Index) const { return static_cast<TButtonItem*>(TCollection::Items(Index)); }
    // Note: the collection never fires it.
    TNotifyEvent OnChange;
};

class TButtonAppearance : public TPersistent {
public:
    TButtonAppearance();
    ~TButtonAppearance() override;

    // Every colour, the glow colours and the font.
    void Assign(TPersistent* Source) override;

    TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(TColor Value);
    TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(TColor Value);
    TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(TColor Value);
    TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(TColor Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);
    TColor ColorTo() const { return FColorTo; }
    void SetColorTo(TColor Value);
    TColor ColorHot() const { return FColorHot; }
    void SetColorHot(TColor Value);
    TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(TColor Value);
    TColor ColorDown() const { return FColorDown; }
    void SetColorDown(TColor Value);
    TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(TColor Value);
    TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(TColor Value);
    TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(TColor Value);
    TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(TColor Value);
    TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(TColor Value);
    // Plain fields.
    TColor GlowColorHot = 0xD5C244;
    TColor GlowColorDown = 0xD5C244;
    // Note: assigned without OnChange.
    TColor ShineColor() const { return FShineColor; }
    void SetShineColor(TColor Value) { FShineColor = Value; }
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value);
    // Caption colour of ordinary buttons.
    TColor TextColor() const { return FTextColor; }
    void SetTextColor(TColor Value);
    // Caption colour of special buttons.
    TColor SpecialTextColor() const { return FSpecialTextColor; }
    void SetSpecialTextColor(TColor Value);

    TNotifyEvent OnChange;

private:
    void SetColorField(TColor& Field, TColor Value);

    TColor FBorderColor = clBlack;
    TColor FBorderColorHot = clBlack;
    TColor FBorderColorDown = clBlack;
    TColor FBorderColorChecked = 0xFF0000;
    TColor FColor = 0x9A915F;
    TColor FColorTo = 0xB0A170;
    TColor FColorHot = 0x9F6F1C;
    TColor FColorHotTo = 0xD5C244;
    TColor FColorDown = 0x4B2F08;
    TColor FColorDownTo = 0xADB514;
    TColor FColorChecked;
    TColor FColorCheckedTo;
    TColor FColorDisabled;
    TColor FColorDisabledTo;
    TColor FShineColor = clWhite;
    std::unique_ptr<TFont> FFont;
    TColor FTextColor = clBlack;
    TColor FSpecialTextColor = 0x000080;
};

class TCustomButtonPanel : public TCustomControl {
public:
    explicit TCustomButtonPanel(TComponent* AOwner = nullptr);
    ~TCustomButtonPanel() override;

    TButtonItems* Buttons() const { return FButtons.get(); }
    void SetButtons(TButtonItems* Value);
    // Note: stored only.
    TItemLayout ButtonLayout() const { return FButtonLayout; }
    void SetButtonLayout(TItemLayout Value) { FButtonLayout = Value; }
    TButtonPanelType ButtonPanelType() const { return FButtonPanelType; }
    void SetButtonPanelType(TButtonPanelType Value);
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* Value);
    TWinControl* Edit() const { return FEdit; }
    void SetEdit(TWinControl* Value);
    TButtonAppearance* ButtonAppearance() const { return FButtonAppearance.get(); }
    void SetButtonAppearance(TButtonAppearance* Value);
    // The drop-down that hosts the panel (none: the panel draws its frame).
    TComponent* ProDropDown() const { return FProDropDown; }
    void SetProDropDown(TComponent* Value) { FProDropDown = Value; }
    // Fired when a press and its release land on the same enabled button.
    TCalculatorButtonClickEvent OnButtonClick;

    // The hot and the pressed button, -1 for none.
    int ButtonHot() const { return FButtonHot; }
    int ButtonDown() const { return FButtonDown; }
    // The first button whose rectangle holds P, -1 for none.
    int ButtonAt(TPoint P) const;

    // Buttons and layout
    virtual void DrawButton(int Index, TCanvas* ACanvas);
    // The client rectangle inset by the panel's offsets.
    virtual void GetButtonArea(TRect& R);
    // The natural size of one button: the largest caption and picture.
    virtual void GetButtonSize(TSize& Size);
    virtual void ClearButtons();
    virtual void ResetButtons();
    // The calculator's 28 keys (with plCalculator, into an empty collection).
    virtual void CreateButtons();
    virtual void ArrangeButtons();
    virtual void InvalidateButton(int Index);
    virtual void DoButtonClick(int Index);

    void Loaded() override;

protected:
    void Paint() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseLeave() override;
    void Resize() override;

    int FOffSetX = 8;
    int FOffSetY = 8;
    int FButtonOffSetX = 4;
    int FButtonOffSetY = 4;
    int FCaptionGap = 0;

private:
    void SetHot(int Index);
    void SetDown(int Index);
    // The picture of a button: its own image, else the image list's.
    TSize PictureSize(const TButtonItem* Item) const;
    void DrawPicture(TCanvas* ACanvas, const TButtonItem* Item, int X, int Y);

    std::unique_ptr<TButtonItems> FButtons;
    std::unique_ptr<TButtonAppearance> FButtonAppearance;
    TItemLayout FButtonLayout = ilCaptionRight;
    TButtonPanelType FButtonPanelType = plCalculator;
    TCustomImageList* FImages = nullptr;
    TWinControl* FEdit = nullptr;
    TComponent* FProDropDown = nullptr;
    int FButtonHot = -1;
    int FButtonDown = -1;
};
