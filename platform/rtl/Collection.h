#pragma once
// Collections: an owned, ordered list of items of one class.
#include "platform/rtl/Object.h"
#include <QString>
#include <functional>
#include <vector>

class TCollection;
class TCollectionItem;

enum class TCollectionNotification { cnAdded, cnExtracting, cnDeleting };

// Makes a new item of the collection's item class; the item's constructor
// puts it into the collection.
using TCollectionItemFactory = std::function<TCollectionItem*(TCollection* Collection)>;

class TCollectionItem : public TPersistent {
public:
    // Adds the item to Collection when given.
    // Note: the collection's Notify(cnAdded) and Update run inside this
    // constructor, before a derived item's own members are built. An item
    // that must be complete by then passes nullptr here and calls
    // SetCollection at the end of its own constructor.
    explicit TCollectionItem(TCollection* Collection = nullptr);
    // Removes the item from its collection.
    ~TCollectionItem() override;

    TCollection* Collection() const { return FCollection; }
    // Moves the item to another collection (or out of any with nullptr).
    virtual void SetCollection(TCollection* Value);
    // Unique within the collection it was added to, never reused there.
    int ID() const { return FID; }
    // Position in the collection, -1 outside any.
    int Index() const;
    // Moves the item to Value and reports a change of all items.
    virtual void SetIndex(int Value);
    QString DisplayName() const { return GetDisplayName(); }
    virtual void SetDisplayName(const QString& Value) {}
    TPersistent* GetOwner() const override;

protected:
    // The class name unless a derived item says better.
    virtual QString GetDisplayName() const;
    // Reports a change of this item (or of all items) to the collection,
    // which calls Update unless it is inside BeginUpdate/EndUpdate.
    void Changed(bool AllItems);

private:
    friend class TCollection;
    TCollection* FCollection = nullptr;
    int FID = -1;
};

class TCollection : public TPersistent {
public:
    // An empty factory makes plain TCollectionItem objects.
    explicit TCollection(TCollectionItemFactory ItemClass = {});
    // Note: the items are freed by this destructor, after a derived
    // collection is gone; a derived Notify that must see them calls Clear.
    ~TCollection() override;

    TCollectionItem* Add();
    // Adds an item and moves it to Index.
    TCollectionItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return int(FItems.size()); }
    // Raises EListError "List index out of bounds (%d)".
    TCollectionItem* Items(int Index) const;
    // Copies Value into the item at Index (Assign).
    void SetItems(int Index, TCollectionItem* Value);
    TCollectionItem* FindItemID(int ID) const;
    // Index of Item, -1 when it is not in this collection.
    int IndexOf(const TCollectionItem* Item) const;

    // Replaces the items with copies of Source's (each new item Assigns
    // from its counterpart); anything else raises the "Cannot assign" error.
    void Assign(TPersistent* Source) override;

    // Batching: Update waits for the outermost EndUpdate, which calls
    // Update(nullptr) once.
    virtual void BeginUpdate();
    virtual void EndUpdate();
    int UpdateCount() const { return FUpdateCount; }

    TPersistent* Owner() const { return GetOwner(); }
    const TCollectionItemFactory& ItemClass() const { return FItemClass; }

protected:
    // Called with the changed item, or nullptr when all may have changed.
    virtual void Update(TCollectionItem* Item) {}
    virtual void Notify(TCollectionItem* Item, TCollectionNotification Action) {}
    // Calls Update(nullptr) unless inside BeginUpdate/EndUpdate.
    void Changed();

private:
    friend class TCollectionItem;
    void InsertItem(TCollectionItem* Item);
    void RemoveItem(TCollectionItem* Item);

    TCollectionItemFactory FItemClass;
    std::vector<TCollectionItem*> FItems;
    int FUpdateCount = 0;
    int FNextID = 0;
};

// A collection with an owner, which GetOwner returns.
class TOwnedCollection : public TCollection {
public:
    TOwnedCollection(TPersistent* AOwner, TCollectionItemFactory ItemClass = {});
    TPersistent* GetOwner() const override { return FOwner; }

private:
    TPersistent* FOwner;
};
