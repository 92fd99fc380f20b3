#include "controls/tabs/DeckTabsOptions.h"
#include "controls/tabs/DeckTabsInterfaces.h"

// TDeckTabsPersistent

TDeckTabsPersistent::TDeckTabsPersistent(TPersistent* AOwner)
    : FOwner(AOwner)
{
}

void TDeckTabsPersistent::DoChanged()
{
    TPersistent* owner = FOwner;
    while (owner) {
        if (auto* tabs = dynamic_cast<IDeckTabs*>(owner)) {
            tabs->DoOnChange(nullptr, tcPropertyUpdated);
            return;
        }
        if (auto* settings = dynamic_cast<TDeckTabsPersistent*>(owner))
            owner = settings->Owner();
        else if (auto* component = dynamic_cast<TComponent*>(owner))
            owner = component->Owner();
        else
            return;
    }
}

void TDeckTabsPersistent::Invalidate()
{
    FInvalidated = true;
}

// Control positions

TDeckTabsControlPosition::TDeckTabsControlPosition(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FOffsets(new TDeckTabsOffsets(this))
{
}

TDeckTabsControlPosition::~TDeckTabsControlPosition()
{
    delete FOffsets;
}

void TDeckTabsControlPosition::InitPosition(int Vertical, int Horizontal, int Height, int Width)
{
    FOffsets->FVertical = Vertical;
    FOffsets->FHorizontal = Horizontal;
    FHeight = Height;
    FWidth = Width;
}

TDeckTabsCloseButtonProperties::TDeckTabsCloseButtonProperties(TPersistent* AOwner)
    : TDeckTabsControlPosition(AOwner)
{
    InitPosition(6, 0, 13, 13);
}

TDeckTabsAddButtonProperties::TDeckTabsAddButtonProperties(TPersistent* AOwner)
    : TDeckTabsControlPosition(AOwner)
{
    InitPosition(9, 0, 14, 25);
}

// Display

void TDeckTabsOptions::SetMaxWidth(int Value)
{
    Report(FMaxWidth, std::max(Value, FMinWidth));
}

TDeckTabsSpinnerOptions::TDeckTabsSpinnerOptions(TPersistent* AOwner, bool ReverseDirection,
                                                 int RenderedAnimationStep)
    : TDeckTabsPersistent(AOwner)
    , FReverseDirection(ReverseDirection)
    , FRenderedAnimationStep(RenderedAnimationStep)
    , FPosition(new TDeckTabsControlPosition(this))
{
    FPosition->InitPosition(0, 0, 16, 16);
}

TDeckTabsSpinnerOptions::~TDeckTabsSpinnerOptions()
{
    delete FPosition;
}

TDeckTabsSpinnersOptions::TDeckTabsSpinnersOptions(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FUpload(new TDeckTabsSpinnerOptions(this, true, 2))
    , FDownload(new TDeckTabsSpinnerOptions(this, false, 5))
{
}

TDeckTabsSpinnersOptions::~TDeckTabsSpinnersOptions()
{
    delete FUpload;
    delete FDownload;
}

TDeckTabsDisplayOptions::TDeckTabsDisplayOptions(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FCloseButton(new TDeckTabsCloseButtonProperties(this))
    , FAddButton(new TDeckTabsAddButtonProperties(this))
    , FScrollButtonLeft(new TDeckTabsControlPosition(this))
    , FScrollButtonRight(new TDeckTabsControlPosition(this))
    , FTabModifiedGlow(new TDeckTabModifiedDisplayOptions(this))
    , FTabs(new TDeckTabsOptions(this))
    , FTabContainer(new TDeckTabsContainerOptions(this))
    , FTabMouseGlow(new TDeckTabsControlPropertiesEx(this))
    , FTabSpinners(new TDeckTabsSpinnersOptions(this))
{
    FScrollButtonLeft->InitPosition(10, 0, 15, 15);
    FScrollButtonRight->InitPosition(10, 0, 15, 15);
    FTabMouseGlow->InitPosition(0, 0, 70, 70);
}

TDeckTabsDisplayOptions::~TDeckTabsDisplayOptions()
{
    delete FCloseButton;
    delete FAddButton;
    delete FScrollButtonLeft;
    delete FScrollButtonRight;
    delete FTabModifiedGlow;
    delete FTabs;
    delete FTabContainer;
    delete FTabMouseGlow;
    delete FTabSpinners;
}

// Animation

TDeckTabsMovementAnimationTypes::TDeckTabsMovementAnimationTypes(TPersistent* AOwner, bool UseDefaults,
                                                                 TDeckTabsEaseType EaseType, int AnimationTimeMS)
    : TDeckTabsPersistent(AOwner)
    , FUseDefaultEaseType(UseDefaults)
    , FUseDefaultAnimationTime(UseDefaults)
    , FEaseType(EaseType)
    , FAnimationTimeMS(AnimationTimeMS)
{
}

TDeckTabsMovementAnimations::TDeckTabsMovementAnimations(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FTabAdd(new TDeckTabsMovementAnimationTypes(this, true, ttLinearTween, 200))
    , FTabDelete(new TDeckTabsMovementAnimationTypes(this, true, ttLinearTween, 200))
    , FTabMove(new TDeckTabsMovementAnimationTypes(this, false, ttEaseOutExpo, 500))
{
}

TDeckTabsMovementAnimations::~TDeckTabsMovementAnimations()
{
    delete FTabAdd;
    delete FTabDelete;
    delete FTabMove;
}

TDeckTabsAnimationOptions::TDeckTabsAnimationOptions(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FMovementAnimations(new TDeckTabsMovementAnimations(this))
{
}

TDeckTabsAnimationOptions::~TDeckTabsAnimationOptions()
{
    delete FMovementAnimations;
}

TDeckTabsEaseType TDeckTabsAnimationOptions::GetMovementAnimationEaseType(
    const TDeckTabsMovementAnimationTypes* AnimationTypes) const
{
    return AnimationTypes->UseDefaultEaseType() ? FDefaultMovementEaseType : AnimationTypes->EaseType();
}

uint32_t TDeckTabsAnimationOptions::GetMovementAnimationTime(const TDeckTabsMovementAnimationTypes* AnimationTypes) const
{
    return AnimationTypes->UseDefaultAnimationTime() ? FDefaultMovementAnimationTimeMS
                                                     : uint32_t(AnimationTypes->AnimationTimeMS());
}

// TOptions

TOptions::TOptions(TPersistent* AOwner)
    : TDeckTabsPersistent(AOwner)
    , FDisplay(new TDeckTabsDisplayOptions(this))
    , FDragDrop(new TDeckTabsDragOptions(this))
    , FAnimation(new TDeckTabsAnimationOptions(this))
    , FBehaviour(new TDeckTabsBehaviourOptions(this))
    , FScrolling(new TDeckTabsScrollOptions(this))
{
}

TOptions::~TOptions()
{
    delete FDisplay;
    delete FDragDrop;
    delete FAnimation;
    delete FBehaviour;
    delete FScrolling;
}
