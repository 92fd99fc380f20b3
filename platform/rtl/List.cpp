#include "platform/rtl/List.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>

// TList

TList::~TList()
{
    FList.clear();
}

void TList::Error(int Index)
{
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

void TList::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= Count())
        Error(Index);
}

int TList::Add(void* Item)
{
    const int result = Count();
    FList.push_back(Item);
    if (Item)
        Notify(Item, TListNotification::lnAdded);
    return result;
}

void TList::Insert(int Index, void* Item)
{
    if (Index < 0 || Index > Count())
        Error(Index);
    FList.insert(FList.begin() + Index, Item);
    if (Item)
        Notify(Item, TListNotification::lnAdded);
}

void TList::Delete(int Index)
{
    CheckIndex(Index);
    void* item = FList[size_t(Index)];
    FList.erase(FList.begin() + Index);
    if (item)
        Notify(item, TListNotification::lnDeleted);
}

int TList::Remove(void* Item)
{
    const int result = IndexOf(Item);
    if (result >= 0)
        Delete(result);
    return result;
}

void* TList::Extract(void* Item)
{
    const int i = IndexOf(Item);
    if (i < 0)
        return nullptr;
    FList.erase(FList.begin() + i);
    Notify(Item, TListNotification::lnExtracted);
    return Item;
}

void TList::Clear()
{
    SetCount(0);
    FList.shrink_to_fit();
}

void TList::Pack()
{
    FList.erase(std::remove(FList.begin(), FList.end(), nullptr), FList.end());
}

void TList::Exchange(int Index1, int Index2)
{
    CheckIndex(Index1);
    CheckIndex(Index2);
    std::swap(FList[size_t(Index1)], FList[size_t(Index2)]);
}

void TList::Move(int CurIndex, int NewIndex)
{
    if (CurIndex == NewIndex)
        return;
    CheckIndex(CurIndex);
    CheckIndex(NewIndex);
    void* item = FList[size_t(CurIndex)];
    FList.erase(FList.begin() + CurIndex);
    FList.insert(FList.begin() + NewIndex, item);
}

void TList::Sort(const TListSortCompare& Compare)
{
    std::stable_sort(FList.begin(), FList.end(), [&](void* a, void* b) { return Compare(a, b) < 0; });
}

int TList::IndexOf(void* Item) const
{
    auto it = std::find(FList.begin(), FList.end(), Item);
    return it == FList.end() ? -1 : int(it - FList.begin());
}

void TList::SetCount(int NewCount)
{
    if (NewCount < 0)
        throw EListError(QStringLiteral("List count out of bounds (%1)").arg(NewCount));
    if (NewCount >= Count()) {
        FList.resize(size_t(NewCount), nullptr);
        return;
    }
    // Delete from the end so each item is taken out before it is notified.
    while (Count() > NewCount)
        Delete(Count() - 1);
}

void* TList::Items(int Index) const
{
    CheckIndex(Index);
    return FList[size_t(Index)];
}

void TList::SetItems(int Index, void* Item)
{
    CheckIndex(Index);
    void* old = FList[size_t(Index)];
    if (old == Item)
        return;
    FList[size_t(Index)] = Item;
    if (old)
        Notify(old, TListNotification::lnDeleted);
    if (Item)
        Notify(Item, TListNotification::lnAdded);
}

// TObjectList

TObjectList::TObjectList(bool AOwnsObjects)
    : FOwnsObjects(AOwnsObjects)
{
}

TObjectList::~TObjectList()
{
    // The base destructor no longer reaches this Notify; free owned objects here.
    Clear();
}

void TObjectList::Notify(void* Ptr, TListNotification Action)
{
    if (FOwnsObjects && Action == TListNotification::lnDeleted)
        delete static_cast<TObject*>(Ptr);
}
