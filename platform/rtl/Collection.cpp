#include "platform/rtl/Collection.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

// TCollectionItem

TCollectionItem::TCollectionItem(TCollection* Collection)
{
    if (Collection)
        Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem()
{
    if (FCollection)
        FCollection->RemoveItem(this);
}

void TCollectionItem::SetCollection(TCollection* Value)
{
    if (FCollection == Value)
        return;
    if (FCollection)
        FCollection->RemoveItem(this);
    if (Value)
        Value->InsertItem(this);
}

int TCollectionItem::Index() const
{
    return FCollection ? FCollection->IndexOf(this) : -1;
}

void TCollectionItem::SetIndex(int Value)
{
    const int cur = Index();
    if (cur < 0 || cur == Value)
        return;
    auto& items = FCollection->FItems;
    if (Value < 0 || Value >= int(items.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Value));
    items.erase(items.begin() + cur);
    items.insert(items.begin() + Value, this);
    Changed(true);
}

TPersistent* TCollectionItem::GetOwner() const
{
    return FCollection;
}

QString TCollectionItem::GetDisplayName() const
{
    return ClassName();
}

void TCollectionItem::Changed(bool AllItems)
{
    if (FCollection && FCollection->FUpdateCount == 0)
        FCollection->Update(AllItems ? nullptr : this);
}

// TCollection

TCollection::TCollection(TCollectionItemFactory ItemClass)
    : FItemClass(std::move(ItemClass))
{
}

TCollection::~TCollection()
{
    // No updates while the items go.
    FUpdateCount = 1;
    while (!FItems.empty())
        delete FItems.back();
}

TCollectionItem* TCollection::Add()
{
    TCollectionItem* item = FItemClass ? FItemClass(this) : new TCollectionItem(this);
    if (item->FCollection != this)
        item->SetCollection(this);
    return item;
}

TCollectionItem* TCollection::Insert(int Index)
{
    TCollectionItem* item = Add();
    item->SetIndex(Index);
    return item;
}

void TCollection::Delete(int Index)
{
    TCollectionItem* item = Items(Index);
    Notify(item, TCollectionNotification::cnDeleting);
    delete item;
}

void TCollection::Clear()
{
    if (FItems.empty())
        return;
    BeginUpdate();
    try {
        while (!FItems.empty())
            delete FItems.back();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCollectionItem* TCollection::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[size_t(Index)];
}

void TCollection::SetItems(int Index, TCollectionItem* Value)
{
    Items(Index)->Assign(Value);
}

TCollectionItem* TCollection::FindItemID(int ID) const
{
    for (TCollectionItem* item : FItems)
        if (item->FID == ID)
            return item;
    return nullptr;
}

int TCollection::IndexOf(const TCollectionItem* Item) const
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    return it == FItems.end() ? -1 : int(it - FItems.begin());
}

void TCollection::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCollection*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    if (src == this)
        return;
    BeginUpdate();
    try {
        Clear();
        for (TCollectionItem* item : src->FItems)
            Add()->Assign(item);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCollection::BeginUpdate()
{
    ++FUpdateCount;
}

void TCollection::EndUpdate()
{
    if (FUpdateCount <= 0)
        return;
    --FUpdateCount;
    Changed();
}

void TCollection::Changed()
{
    if (FUpdateCount == 0)
        Update(nullptr);
}

void TCollection::InsertItem(TCollectionItem* Item)
{
    FItems.push_back(Item);
    Item->FCollection = this;
    Item->FID = FNextID++;
    Notify(Item, TCollectionNotification::cnAdded);
    Changed();
}

void TCollection::RemoveItem(TCollectionItem* Item)
{
    Notify(Item, TCollectionNotification::cnExtracting);
    // From the back: Clear and most removals take the last items first,
    // so emptying a collection stays linear.
    auto it = std::find(FItems.rbegin(), FItems.rend(), Item);
    if (it != FItems.rend())
        FItems.erase(std::next(it).base());
    Item->FCollection = nullptr;
    Changed();
}

// TOwnedCollection

TOwnedCollection::TOwnedCollection(TPersistent* AOwner, TCollectionItemFactory ItemClass)
    : TCollection(std::move(ItemClass))
    , FOwner(AOwner)
{
}
