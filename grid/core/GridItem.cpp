#include "grid/core/GridItem.h"
#include "platform/rtl/StringList.h"
#include <algorithm>

TGridItem::TGridItem(TCollection* Collection) : TCollectionItem(nullptr), FItems(std::make_unique<TStringList>())
{
    if (Collection)
        SetCollection(Collection);
}

TGridItem::~TGridItem() = default;

void TGridItem::SetIdx(int Value)
{
    FIdx = Value;
    if (auto* items = dynamic_cast<TGridItems*>(Collection()))
        items->IdxChanged();
}

TStrings* TGridItem::Items() const { return FItems.get(); }

void TGridItem::SetItems(TStrings* Value)
{
    if (Value != FItems.get())
        FItems.reset(Value);
}

TGridItems::TGridItems() : TCollection([](TCollection* C) -> TCollectionItem* { return new TGridItem(C); }) {}

void TGridItems::Rebuild() const
{
    FByIdx.clear();
    FByIdx.reserve(std::size_t(Count()));
    for (int i = 0; i < Count(); ++i)
        FByIdx.emplace_back(Item(i)->Idx(), Item(i));
    std::stable_sort(FByIdx.begin(), FByIdx.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    FSorted.clear();
    FSorted.reserve(FByIdx.size());
    for (const auto& e : FByIdx)
        if (FSorted.empty() || FSorted.back() != e.first)
            FSorted.push_back(e.first);
    FDirty = false;
}

const std::vector<int>& TGridItems::SortedIdx() const
{
    if (FDirty)
        Rebuild();
    return FSorted;
}

TGridItem* TGridItems::Find(int AIdx) const
{
    if (Count() == 0)
        return nullptr;
    if (FDirty)
        Rebuild();
    auto it = std::lower_bound(FByIdx.begin(), FByIdx.end(), AIdx,
                               [](const auto& e, int v) { return e.first < v; });
    return it != FByIdx.end() && it->first == AIdx ? it->second : nullptr;
}

int TGridItems::CountBelow(int ARow) const
{
    if (Count() == 0)
        return 0;
    const std::vector<int>& s = SortedIdx();
    return int(std::lower_bound(s.begin(), s.end(), ARow) - s.begin());
}

bool TGridItems::Contains(int ARow) const
{
    if (Count() == 0)
        return false;
    const std::vector<int>& s = SortedIdx();
    return std::binary_search(s.begin(), s.end(), ARow);
}
