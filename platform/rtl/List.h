#pragma once
// Pointer lists: TList of untyped pointers and TObjectList, which frees
// the objects it owns.
#include "platform/rtl/Object.h"
#include <functional>
#include <vector>

enum class TListNotification { lnAdded, lnExtracted, lnDeleted };

// Compares two items: negative, zero or positive.
using TListSortCompare = std::function<int(void* Item1, void* Item2)>;

class TList : public TObject {
public:
    TList() = default;
    ~TList() override;

    int Add(void* Item);
    void Insert(int Index, void* Item);
    void Delete(int Index);
    // Deletes the first occurrence of Item; returns its index or -1.
    int Remove(void* Item);
    // Removes the first occurrence of Item without deleting it; returns
    // Item, or nullptr when it is not in the list.
    void* Extract(void* Item);
    void Clear();
    // Removes the nullptr items.
    void Pack();
    void Exchange(int Index1, int Index2);
    void Move(int CurIndex, int NewIndex);
    // Note: a stable sort; equal items keep their order.
    void Sort(const TListSortCompare& Compare);

    int IndexOf(void* Item) const;
    int Count() const { return int(FList.size()); }
    // Note: growing fills with nullptr; shrinking deletes from the end.
    void SetCount(int NewCount);
    void* Items(int Index) const;
    void SetItems(int Index, void* Item);
    void* operator[](int Index) const { return Items(Index); }
    void* First() const { return Items(0); }
    void* Last() const { return Items(Count() - 1); }

protected:
    // Called after an item was added and after it left the list.
    virtual void Notify(void* Ptr, TListNotification Action) {}
    [[noreturn]] static void Error(int Index);

private:
    void CheckIndex(int Index) const;
    std::vector<void*> FList;
};

class TObjectList : public TList {
public:
    explicit TObjectList(bool AOwnsObjects = true);
    ~TObjectList() override;

    int Add(TObject* AObject) { return TList::Add(AObject); }
    void Insert(int Index, TObject* AObject) { TList::Insert(Index, AObject); }
    int Remove(TObject* AObject) { return TList::Remove(AObject); }
    TObject* Extract(TObject* Item) { return static_cast<TObject*>(TList::Extract(Item)); }
    int IndexOf(TObject* AObject) const { return TList::IndexOf(AObject); }
    TObject* Items(int Index) const { return static_cast<TObject*>(TList::Items(Index)); }
    // Note: an owned object that is replaced is freed.
    void SetItems(int Index, TObject* AObject) { TList::SetItems(Index, AObject); }
    TObject* operator[](int Index) const { return Items(Index); }
    TObject* First() const { return Items(0); }
    TObject* Last() const { return Items(Count() - 1); }

    // When true, deleting, removing or clearing frees the objects.
    bool OwnsObjects() const { return FOwnsObjects; }
    void SetOwnsObjects(bool value) { FOwnsObjects = value; }

protected:
    void Notify(void* Ptr, TListNotification Action) override;

private:
    bool FOwnsObjects = true;
};
