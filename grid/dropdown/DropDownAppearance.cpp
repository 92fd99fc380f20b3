#include "grid/dropdown/DropDownAppearance.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/graphics/GraphicsObjects.h"

// Buttons

void TAppearanceButton::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    DoChange();
}

void TAppearanceButton::SetEnabled(bool Value)
{
    if (FEnabled == Value)
        return;
    FEnabled = Value;
    DoChange();
}

void TAppearanceButton::SetWidth(int Value)
{
    if (FWidth == Value)
        return;
    FWidth = Value;
    DoChange();
}

void TAppearanceButton::CopyFrom(const TAppearanceButton& Source)
{
    SetCaption(Source.FCaption);
    SetEnabled(Source.FEnabled);
    SetWidth(Source.FWidth);
    SetHeight(Source.FHeight);
    FImageIndex = Source.FImageIndex;
}

void TAppearanceButton::DoChange()
{
    if (auto* header = dynamic_cast<THeaderButtons*>(Collection()))
        header->DoChange();
    else if (auto* footer = dynamic_cast<TFooterButtons*>(Collection()))
        footer->DoChange();
}

void THeaderButton::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<THeaderButton*>(Source))
        CopyFrom(*src);
    else
        TAppearanceButton::Assign(Source);
}

void TFooterButton::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TFooterButton*>(Source)) {
        CopyFrom(*src);
        FModalResult = src->FModalResult;
    } else {
        TAppearanceButton::Assign(Source);
    }
}

// Collections

THeaderButtons::THeaderButtons(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new THeaderButton(c); })
{
}

THeaderButton* THeaderButtons::Add() { return static_cast<THeaderButton*>(TCollection::Add()); }
THeaderButton* THeaderButtons::Insert(int Index) { return static_cast<THeaderButton*>(TCollection::Insert(Index)); }
THeaderButton* THeaderButtons::Items(int Index) const { return static_cast<THeaderButton*>(TCollection::Items(Index)); }
void THeaderButtons::SetItems(int Index, THeaderButton* Value) { TCollection::SetItems(Index, Value); }

void THeaderButtons::DoChange()
{
    if (OnChange)
        OnChange(this);
}

TFooterButtons::TFooterButtons(TPersistent* AOwner)
    : TCollection([](TCollection* c) -> TCollectionItem* { return new TFooterButton(c); }), FMyOwner(AOwner)
{
}

TFooterButton* TFooterButtons::Add() { return static_cast<TFooterButton*>(TCollection::Add()); }
TFooterButton* TFooterButtons::Insert(int Index) { return static_cast<TFooterButton*>(TCollection::Insert(Index)); }
TFooterButton* TFooterButtons::Items(int Index) const { return static_cast<TFooterButton*>(TCollection::Items(Index)); }
void TFooterButtons::SetItems(int Index, TFooterButton* Value) { TCollection::SetItems(Index, Value); }

void TFooterButtons::DoChange()
{
    if (OnChange)
        OnChange(this);
}

// Appearances

TCustomAppearance::TCustomAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>()) {}

TCustomAppearance::~TCustomAppearance() = default;

void TCustomAppearance::SetFont(TFont* Value) { FFont->Assign(Value); }

void TCustomAppearance::SetVisible(bool Value)
{
    if (FVisible == Value)
        return;
    FVisible = Value;
    Changed();
}

void TCustomAppearance::Changed()
{
    if (OnChange)
        OnChange(this);
}

void TCustomAppearance::ButtonsChanged()
{
    if (OnButtonsChanged)
        OnButtonsChanged(this);
}

void TCustomAppearance::CopyColors(const TCustomAppearance& Source)
{
    FColorTo = Source.FColorTo;
    FColor = Source.FColor;
    FBorderColor = Source.FBorderColor;
    FFont->Assign(Source.FFont.get());
    FGradientDirection = Source.FGradientDirection;
}

THeaderAppearance::THeaderAppearance(TPersistent* AOwner)
    : TCustomAppearance(AOwner), FButtons(std::make_unique<THeaderButtons>(AOwner))
{
    FFont->SetName(QStringLiteral("Tahoma"));
    FButtons->OnChange = [this](TObject*) { ButtonsChanged(); };
}

THeaderAppearance::~THeaderAppearance() = default;

void THeaderAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<THeaderAppearance*>(Source);
    if (!src)
        return;
    FColorTo = src->FColorTo;
    FColor = src->FColor;
    FBorderColor = src->FBorderColor;
    FCaption = src->FCaption;
    FFont->Assign(src->FFont.get());
    FImageIndex = src->FImageIndex;
    FBorderWidth = src->FBorderWidth;
    FGradientDirection = src->FGradientDirection;
    FHeight = src->FHeight;
    SetVisible(src->FVisible);
    FButtonAlignment = src->FButtonAlignment;
    FButtons->Assign(src->FButtons.get());
}

void THeaderAppearance::AssignColors(TPersistent* Source)
{
    if (auto* src = dynamic_cast<THeaderAppearance*>(Source))
        CopyColors(*src);
}

void THeaderAppearance::SetButtons(THeaderButtons* Value) { FButtons->Assign(Value); }

TFooterAppearance::TFooterAppearance(TPersistent* AOwner)
    : TCustomAppearance(AOwner), FButtons(std::make_unique<TFooterButtons>(AOwner))
{
    FButtons->OnChange = [this](TObject*) { ButtonsChanged(); };
}

TFooterAppearance::~TFooterAppearance() = default;

void TFooterAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFooterAppearance*>(Source);
    if (!src)
        return;
    FBorderColor = src->FBorderColor;
    FColor = src->FColor;
    FColorTo = src->FColorTo;
    FGradientDirection = src->FGradientDirection;
    FFont->Assign(src->FFont.get());
    FCaption = src->FCaption;
    FSizeGrip = src->FSizeGrip;
    FBorderWidth = src->FBorderWidth;
    FHeight = src->FHeight;
    FImageIndex = src->FImageIndex;
    SetVisible(src->FVisible);
    FButtonAlignment = src->FButtonAlignment;
    FButtons->Assign(src->FButtons.get());
}

void TFooterAppearance::AssignColors(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TFooterAppearance*>(Source))
        CopyColors(*src);
}

void TFooterAppearance::SetButtons(TFooterButtons* Value) { FButtons->Assign(Value); }

// Push button colours

TProButtonAppearance::TProButtonAppearance() : FFont(std::make_unique<TFont>())
{
    // The checked colours are the hot ones with red and green at 90 per cent.
    FColorChecked = ShadeColor(FColorHot, -10, -10, 0);
    FColorCheckedTo = ShadeColor(FColorHotTo, -10, -10, 0);
    FFont->SetName(QStringLiteral("Tahoma"));
}

TProButtonAppearance::~TProButtonAppearance() = default;

void TProButtonAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TProButtonAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetColor(src->FColor);
    SetColorTo(src->FColorTo);
    SetColorHot(src->FColorHot);
    SetColorHotTo(src->FColorHotTo);
    SetColorDown(src->FColorDown);
    SetColorDownTo(src->FColorDownTo);
    SetColorChecked(src->FColorChecked);
    SetColorCheckedTo(src->FColorCheckedTo);
    SetColorDisabled(src->FColorDisabled);
    SetColorDisabledTo(src->FColorDisabledTo);
    SetBorderColor(src->FBorderColor);
    SetBorderColorHot(src->FBorderColorHot);
    SetBorderColorDown(src->FBorderColorDown);
    SetBorderColorDisabled(src->FBorderColorDisabled);
    SetBorderColorChecked(src->FBorderColorChecked);
    SetGradient(src->FGradient);
}

void TProButtonAppearance::SetGradient(TGradientDirection Value)
{
    if (FGradient == Value)
        return;
    FGradient = Value;
    Changed();
}

void TProButtonAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TProButtonAppearance::Set(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    Changed();
}

void TProButtonAppearance::Changed()
{
    CallEvent(OnChange, this);
}
