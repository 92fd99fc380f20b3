#include "controls/tabs/DeckTab.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "platform/rtl/Exceptions.h"

// TDeckTab

TDeckTab::TDeckTab(TCollection* Collection)
    : TCollectionItem(nullptr)
    , FCollection(Collection)
{
    // Joining last, so the list's tcAdded report sees a complete tab.
    if (Collection)
        SetCollection(Collection);
}

TDeckTab::~TDeckTab()
{
    TCollectionItem::SetCollection(nullptr);
    delete FTabControl;
}

IDeckTabs* TDeckTab::DeckTabs() const
{
    return FCollection ? dynamic_cast<IDeckTabs*>(FCollection->Owner()) : nullptr;
}

void TDeckTab::DoChanged(TTabChangeType Kind)
{
    // A tab outside a strip has nobody to tell.
    if (IDeckTabs* tabs = DeckTabs())
        tabs->DoOnChange(this, Kind);
}

void TDeckTab::SetCollection(TCollection* Value)
{
    TCollection* previous = Collection();
    IDeckTabs* tabs = DeckTabs();
    const bool designing = tabs && tabs->GetComponentState().Contains(TComponentStateFlag::csDesigning);
    TCollectionItem::SetCollection(Value);
    if (designing && previous && previous != Value)
        DoChanged(tcPropertyUpdated);
}

QString TDeckTab::GetDisplayName() const
{
    return FCaption.isEmpty() ? TCollectionItem::GetDisplayName() : FCaption;
}

void TDeckTab::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    DoChanged(tcPropertyUpdated);
}

void TDeckTab::SetActive(bool Value)
{
    if (FActive == Value)
        return;
    bool allow = true;
    IDeckTabs* tabs = DeckTabs();
    if (Value) {
        if (tabs)
            tabs->DoOnActiveTabChanging(tabs->GetActiveTab(), this, allow);
        if (allow)
            FModified = false;
    }
    if (!allow)
        return;
    FActive = Value;
    if (Value) {
        if (TCollection* list = Collection())
            for (int i = 0; i < list->Count(); ++i) {
                auto* other = static_cast<TDeckTab*>(list->Items(i));
                if (other != this && other->Active())
                    other->SetActive(false);
            }
        DoChanged(tcActivated);
    } else
        DoChanged(tcDeactivated);
    DoChanged(tcPropertyUpdated);
}

void TDeckTab::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    DoChanged(tcPropertyUpdated);
}

void TDeckTab::SetImageIndexOverlay(int Value)
{
    if (FImageIndexOverlay == Value)
        return;
    FImageIndexOverlay = Value;
    DoChanged(tcPropertyUpdated);
}

void TDeckTab::SetPinned(bool Value)
{
    if (FPinned == Value)
        return;
    int lastPinned = -1;
    if (IDeckTabs* tabs = DeckTabs())
        lastPinned = tabs->GetLastPinnedIndex();
    const int target = Value ? lastPinned + 1 : lastPinned;
    // A pinned tab outside the leading pinned run (-1) keeps its place.
    if (target >= 0)
        SetIndex(target);
    FPinned = Value;
    DoChanged(tcPinned);
    SetActive(true);
}

void TDeckTab::SetVisible(bool Value)
{
    FVisible = Value;
    if (!Value && FActive)
        SetActive(false);
    DoChanged(tcVisibility);
}

void TDeckTab::SetModified(bool Value)
{
    if (FModified == Value)
        return;
    FModified = Value;
    DoChanged(tcPropertyUpdated);
}

void TDeckTab::SetSpinnerState(TDeckTabSpinnerState Value)
{
    if (FSpinnerState == Value)
        return;
    FSpinnerState = Value;
    DoChanged(tcPropertyUpdated);
}

QString TDeckTab::DisplayCaption() const
{
    return FPinned ? QString() : FCaption;
}

bool TDeckTab::ImageIsVisible() const
{
    return FImageIndex != -1 || FImageIndexOverlay != -1;
}

// TDeckTabsList

TDeckTabsList::TDeckTabsList(TComponent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* list) { return new TDeckTab(list); })
{
}

TDeckTab* TDeckTabsList::Add()
{
    return static_cast<TDeckTab*>(TCollection::Add());
}

TDeckTab* TDeckTabsList::Items(int Index) const
{
    return static_cast<TDeckTab*>(TCollection::Items(Index));
}

void TDeckTabsList::SetItems(int Index, TDeckTab* Value)
{
    TCollection::SetItems(Index, Value);
    GetDeckTabInterface()->DoOnChange(Value, tcAdded);
}

void TDeckTabsList::Move(int OldIndex, int NewIndex)
{
    Items(OldIndex)->SetIndex(NewIndex);
    GetDeckTabInterface()->DoOnChange(Items(NewIndex), tcMoved);
}

void TDeckTabsList::DeleteTab(int Index, bool DeleteNow)
{
    TDeckTab* tab = Items(Index);
    if (tab->MarkedForDeletion()) {
        delete tab;
        return;
    }
    IDeckTabs* tabs = GetDeckTabInterface();
    TDeckTabsAnimationOptions* animation = tabs->GetOptions()->Animation();
    const bool animated =
        !DeleteNow
        && animation->GetMovementAnimationEaseType(animation->MovementAnimations()->TabDelete()) != ttNone;

    int next = -1;
    if (tab->Active()) {
        if (Index < Count() - 1)
            next = animated ? Index + 1 : Index;
        else
            next = Index - 1;
    }
    tabs->DoOnChange(tab, tcDeleting);
    if (animated) {
        tab->FMarkedForDeletion = true;
        tabs->DoOnChange(tab, tcDeleted);
    } else {
        delete tab;
        tabs->DoOnChange(nullptr, tcDeleted);
    }
    if (next > Count() - 1)
        next = Count() - 1;
    if (next != -1)
        Items(next)->SetActive(true);
}

TDeckTab* TDeckTabsList::ActiveTab() const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Active())
            return Items(i);
    return nullptr;
}

void TDeckTabsList::SetActiveTab(TDeckTab* ATab)
{
    if (ATab && IndexOf(ATab) >= 0)
        ATab->SetActive(true);
}

void TDeckTabsList::Assign(TPersistent* Source)
{
    BeginUpdate();
    try {
        TCollection::Assign(Source);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    GetDeckTabInterface()->DoOnChange(nullptr, tcPropertyUpdated);
}

IDeckTabs* TDeckTabsList::GetDeckTabInterface() const
{
    auto* tabs = dynamic_cast<IDeckTabs*>(Owner());
    if (!tabs)
        throw EAssertionFailed(QStringLiteral("Collection owner must support IDeckTabInterface"));
    return tabs;
}

void TDeckTabsList::Notify(TCollectionItem* Item, TCollectionNotification Action)
{
    TOwnedCollection::Notify(Item, Action);
    if (Action == TCollectionNotification::cnAdded)
        GetDeckTabInterface()->DoOnChange(static_cast<TDeckTab*>(Item), tcAdded);
}
