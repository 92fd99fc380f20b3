#include "controls/tabs/DeckTabsLookAndFeel.h"

// TDeckTabsLookAndFeelStyle

TDeckTabsLookAndFeelStyle::TDeckTabsLookAndFeelStyle(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
{
}

TDeckTabsLookAndFeelStyle::~TDeckTabsLookAndFeelStyle() = default;

TGPBrush* TDeckTabsLookAndFeelStyle::GetBrush(const TRect& ClientRect)
{
    if (FInvalidated || (FBrush && FBrush->GetLastStatus() != Ok)) {
        FBrush.reset();
        FInvalidated = false;
    }
    if (!FBrush)
        FBrush = std::make_unique<TGPLinearGradientBrush>(
            MakePoint(0, float(ClientRect.Top)), MakePoint(0, float(ClientRect.Bottom)),
            MakeGPColor(FStartColor, FStartAlpha), MakeGPColor(FStopColor, FStopAlpha));
    return FBrush.get();
}

TGPPen* TDeckTabsLookAndFeelStyle::GetPen()
{
    if (FPenInvalidated) {
        FPen.reset();
        FPenInvalidated = false;
    }
    if (!FPen)
        FPen = std::make_unique<TGPPen>(MakeGPColor(FOutlineColor, FOutlineAlpha), FOutlineSize);
    return FPen.get();
}

void TDeckTabsLookAndFeelStyle::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FPenInvalidated = true;
}

// TDeckTabsLookAndFeelPen

TDeckTabsLookAndFeelPen::TDeckTabsLookAndFeelPen(TPersistent* AOwner, TColor Color, float Thickness)
    : TDeckTabsPersistent(AOwner)
    , FColor(Color)
    , FThickness(Thickness)
{
}

TDeckTabsLookAndFeelPen::~TDeckTabsLookAndFeelPen() = default;

TGPPen* TDeckTabsLookAndFeelPen::GetPen()
{
    if (FInvalidated) {
        FPen.reset();
        FInvalidated = false;
    }
    if (!FPen)
        FPen = std::make_unique<TGPPen>(MakeGPColor(FColor, uint8_t(FAlpha & 0xFF)), FThickness);
    return FPen.get();
}

void TDeckTabsLookAndFeelPen::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FPen.reset();
}

// Containers

TDeckTabsLookAndFeelStyleProperties::TDeckTabsLookAndFeelStyleProperties(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FFont(new TDeckTabsLookAndFeelFont(this))
    , FStyle(new TDeckTabsLookAndFeelStyle(this))
{
}

TDeckTabsLookAndFeelStyleProperties::~TDeckTabsLookAndFeelStyleProperties()
{
    delete FFont;
    delete FStyle;
}

void TDeckTabsLookAndFeelStyleProperties::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FStyle->Invalidate();
}

TDeckTabsCustomLookAndFeelStylePropertyItems::TDeckTabsCustomLookAndFeelStylePropertyItems(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FActive(new TDeckTabsLookAndFeelStyleProperties(this))
    , FNotActive(new TDeckTabsLookAndFeelStyleProperties(this))
    , FHot(new TDeckTabsLookAndFeelStyleProperties(this))
{
}

TDeckTabsCustomLookAndFeelStylePropertyItems::~TDeckTabsCustomLookAndFeelStylePropertyItems()
{
    delete FActive;
    delete FNotActive;
    delete FHot;
}

void TDeckTabsCustomLookAndFeelStylePropertyItems::Invalidate()
{
    FActive->Invalidate();
    FNotActive->Invalidate();
    FHot->Invalidate();
}

TDeckTabsLookAndFeelSpinners::TDeckTabsLookAndFeelSpinners(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FUpload(new TDeckTabsLookAndFeelPen(this, 12759975, 2.5f))
    , FDownload(new TDeckTabsLookAndFeelPen(this, 14388040, 2.5f))
{
}

TDeckTabsLookAndFeelSpinners::~TDeckTabsLookAndFeelSpinners()
{
    delete FUpload;
    delete FDownload;
}

TDeckTabsLookAndFeelTab::TDeckTabsLookAndFeelTab(TPersistent* AOwner)
    : TDeckTabsCustomLookAndFeelStylePropertyItems(AOwner)
    , FBaseLine(new TDeckTabsLookAndFeelPen(this, 8421504, 2.0f))
    , FModified(new TDeckTabsLookAndFeelGlow(this))
    , FDefaultFont(new TDeckTabsLookAndFeelBaseFont(this))
    , FMouseGlow(new TDeckTabsLookAndFeelGlow(this))
    , FSpinners(new TDeckTabsLookAndFeelSpinners(this))
{
}

TDeckTabsLookAndFeelTab::~TDeckTabsLookAndFeelTab()
{
    delete FBaseLine;
    delete FModified;
    delete FDefaultFont;
    delete FMouseGlow;
    delete FSpinners;
}

void TDeckTabsLookAndFeelTab::Invalidate()
{
    FBaseLine->Invalidate();
}

TDeckTabsLookAndFeelCustomStyleItems::TDeckTabsLookAndFeelCustomStyleItems(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FNormal(new TDeckTabsLookAndFeelStyle(this))
    , FDown(new TDeckTabsLookAndFeelStyle(this))
    , FHot(new TDeckTabsLookAndFeelStyle(this))
{
}

TDeckTabsLookAndFeelCustomStyleItems::~TDeckTabsLookAndFeelCustomStyleItems()
{
    delete FNormal;
    delete FDown;
    delete FHot;
}

void TDeckTabsLookAndFeelCustomStyleItems::Invalidate()
{
    FNormal->Invalidate();
    FDown->Invalidate();
    FHot->Invalidate();
}

TDeckTabsLookAndFeelDisabledButton::TDeckTabsLookAndFeelDisabledButton(TPersistent* AOwner)
    : TDeckTabsLookAndFeelButtonItems(AOwner)
    , FDisabled(new TDeckTabsLookAndFeelStyle(this))
{
}

TDeckTabsLookAndFeelDisabledButton::~TDeckTabsLookAndFeelDisabledButton()
{
    delete FDisabled;
}

void TDeckTabsLookAndFeelDisabledButton::Invalidate()
{
    TDeckTabsLookAndFeelButtonItems::Invalidate();
    FDisabled->Invalidate();
}

TDeckTabsCustomLookAndFeelPenItem::TDeckTabsCustomLookAndFeelPenItem(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FNormal(new TDeckTabsLookAndFeelPen(this))
    , FDown(new TDeckTabsLookAndFeelPen(this))
    , FHot(new TDeckTabsLookAndFeelPen(this))
{
}

TDeckTabsCustomLookAndFeelPenItem::~TDeckTabsCustomLookAndFeelPenItem()
{
    delete FNormal;
    delete FDown;
    delete FHot;
}

void TDeckTabsCustomLookAndFeelPenItem::Invalidate()
{
    FNormal->Invalidate();
    FDown->Invalidate();
    FHot->Invalidate();
}

TDeckTabsLookAndFeelCloseButton::TDeckTabsLookAndFeelCloseButton(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FCross(new TDeckTabsLookAndFeelPenItem(this))
    , FCircle(new TDeckTabsLookAndFeelButtonItems(this))
{
    FCross->Normal()->FColor = 12103593;
    FCross->Hot()->FColor = 16777215;
    FCross->Hot()->FAlpha = 240;
    FCross->Down()->FColor = 255;
    for (TDeckTabsLookAndFeelStyle* style : {FCircle->Normal(), FCircle->Hot(), FCircle->Down()}) {
        const TColor color = style == FCircle->Normal() ? 16777215 : 3487169;
        style->FStartColor = color;
        style->FStopColor = color;
        style->FOutlineAlpha = 0;
    }
}

TDeckTabsLookAndFeelCloseButton::~TDeckTabsLookAndFeelCloseButton()
{
    delete FCross;
    delete FCircle;
}

void TDeckTabsLookAndFeelCloseButton::Invalidate()
{
    FCross->Invalidate();
    FCircle->Invalidate();
}

TDeckTabsLookAndFeelAddButton::TDeckTabsLookAndFeelAddButton(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FButton(new TDeckTabsLookAndFeelButtonItems(this))
    , FPlusSign(new TDeckTabsLookAndFeelButtonItems(this))
{
}

TDeckTabsLookAndFeelAddButton::~TDeckTabsLookAndFeelAddButton()
{
    delete FButton;
    delete FPlusSign;
}

void TDeckTabsLookAndFeelAddButton::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FButton->Invalidate();
    FPlusSign->Invalidate();
}

TDeckTabsLookAndFeelScrollButton::TDeckTabsLookAndFeelScrollButton(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FButton(new TDeckTabsLookAndFeelDisabledButton(this))
    , FArrow(new TDeckTabsLookAndFeelDisabledButton(this))
{
}

TDeckTabsLookAndFeelScrollButton::~TDeckTabsLookAndFeelScrollButton()
{
    delete FButton;
    delete FArrow;
}

void TDeckTabsLookAndFeelScrollButton::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FButton->Invalidate();
    FArrow->Invalidate();
}

// TDeckTabsLookAndFeel

TDeckTabsLookAndFeel::TDeckTabsLookAndFeel(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FTabs(new TDeckTabsLookAndFeelTab(this))
    , FTabsContainer(new TDeckTabsLookAndFeelStyle(this))
    , FCloseButton(new TDeckTabsLookAndFeelCloseButton(this))
    , FAddButton(new TDeckTabsLookAndFeelAddButton(this))
    , FScrollButtons(new TDeckTabsLookAndFeelScrollButton(this))
{
    FTabsContainer->FOutlineSize = 0;
}

TDeckTabsLookAndFeel::~TDeckTabsLookAndFeel()
{
    delete FTabs;
    delete FTabsContainer;
    delete FCloseButton;
    delete FAddButton;
    delete FScrollButtons;
}

void TDeckTabsLookAndFeel::Invalidate()
{
    TDeckTabsPersistent::Invalidate();
    FScrollButtons->Invalidate();
    FTabs->Invalidate();
    FTabsContainer->Invalidate();
    FCloseButton->Invalidate();
    FAddButton->Invalidate();
}
