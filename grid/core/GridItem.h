#pragma once
// TGridItem: one hidden row of the string grid, parked outside the cell
// store with its texts, objects and height. TGridItems, the grid's list of
// them, keeps the sorted indexes the row mapping searches.
#include "platform/rtl/Collection.h"
#include <memory>
#include <vector>

class TStrings;
class TStringList;

class TGridItem : public TCollectionItem {
public:
    explicit TGridItem(TCollection* Collection = nullptr);
    ~TGridItem() override;

    // The row's real index (for rows hidden by a filter level: the
    // display index it had then).
    int Idx() const { return FIdx; }
    void SetIdx(int Value);
    // The height to restore; 0 when never set.
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }
    // The filter level the entry belongs to.
    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    // One string (and object) per real column; owned by the entry.
    TStrings* Items() const;
    // Note: takes Value over; the list held before is freed.
    void SetItems(TStrings* Value);

private:
    int FIdx = 0;
    int FHeight = 0;
    int FLevel = 0;
    std::unique_ptr<TStrings> FItems;
};

class TGridItems : public TCollection {
public:
    TGridItems();

    TGridItem* Item(int Index) const { return static_cast<TGridItem*>(Items(Index)); }
    TGridItem* AddItem() { return static_cast<TGridItem*>(Add()); }
    // The entries' Idx values, ascending, each once.
    const std::vector<int>& SortedIdx() const;
    // Entries whose Idx is below ARow.
    int CountBelow(int ARow) const;
    bool Contains(int ARow) const;
    // The first entry (in list order) with this Idx; nil when none.
    TGridItem* Find(int AIdx) const;
    void IdxChanged() { FDirty = true; }

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override { FDirty = true; }

private:
    void Rebuild() const;

    mutable std::vector<int> FSorted;
    mutable std::vector<std::pair<int, TGridItem*>> FByIdx;
    mutable bool FDirty = true;
};
