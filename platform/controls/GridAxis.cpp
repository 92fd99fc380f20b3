#include "platform/controls/GridAxis.h"
#include <algorithm>

void TGridAxis::SetCount(int value)
{
    value = std::max(value, 0);
    if (value == FCount)
        return;
    FCount = value;
    if (!FSizes.empty())
        FSizes.resize(std::size_t(value), FDefaultSize);
    Touch();
}

void TGridAxis::SetDefaultSize(int value)
{
    FDefaultSize = value;
    FSizes.clear();
    Touch();
}

void TGridAxis::SetLineWidth(int value)
{
    FLineWidth = std::max(value, 0);
    Touch();
}

int TGridAxis::Size(int Index) const
{
    if (Index < 0 || Index >= FCount)
        return 0;
    return FSizes.empty() ? FDefaultSize : FSizes[std::size_t(Index)];
}

void TGridAxis::SetSize(int Index, int value)
{
    if (Index < 0 || Index >= FCount || Size(Index) == value)
        return;
    if (FSizes.empty())
        FSizes.assign(std::size_t(FCount), FDefaultSize);
    FSizes[std::size_t(Index)] = value;
    Touch();
}

void TGridAxis::Move(int From, int To)
{
    if (From == To || FSizes.empty() || From < 0 || To < 0 || From >= FCount || To >= FCount)
        return;
    auto b = FSizes.begin();
    if (From < To)
        std::rotate(b + From, b + From + 1, b + To + 1);
    else
        std::rotate(b + To, b + From, b + From + 1);
    Touch();
}

void TGridAxis::Delete(int Index)
{
    if (Index < 0 || Index >= FCount)
        return;
    if (!FSizes.empty())
        FSizes.erase(FSizes.begin() + Index);
    --FCount;
    Touch();
}

int TGridAxis::Extent(int Index) const
{
    int s = Size(Index);
    return s < 0 ? 0 : s + FLineWidth;
}

void TGridAxis::Rebuild() const
{
    if (!FDirty)
        return;
    FDirty = false;
    FPrefix.clear();
    if (FSizes.empty())
        return;
    FPrefix.resize(std::size_t(FCount) + 1);
    std::int64_t sum = 0;
    for (int i = 0; i < FCount; ++i) {
        FPrefix[std::size_t(i)] = sum;
        sum += Extent(i);
    }
    FPrefix[std::size_t(FCount)] = sum;
}

std::int64_t TGridAxis::Offset(int Index) const
{
    Index = std::clamp(Index, 0, FCount);
    if (FSizes.empty())
        return std::int64_t(Index) * (FDefaultSize < 0 ? 0 : FDefaultSize + FLineWidth);
    Rebuild();
    return FPrefix[std::size_t(Index)];
}

int TGridAxis::IndexAt(std::int64_t Pos) const
{
    if (Pos < 0 || Pos >= Total())
        return -1;
    if (FSizes.empty())
        return int(Pos / (FDefaultSize + FLineWidth));
    Rebuild();
    // The last item starting at or before Pos; hidden items start where the next does.
    auto it = std::upper_bound(FPrefix.begin(), FPrefix.end(), Pos);
    return int(it - FPrefix.begin()) - 1;
}

int TGridAxis::ViewPos(int Index, int Fixed, int First) const
{
    if (Index < 0 || Index >= FCount)
        return -1;
    if (Index < Fixed)
        return int(Offset(Index));
    if (Index < First)
        return -1;
    if (FSizes.empty()) {
        // Every item the default size: no prefix sums to look up.
        const std::int64_t extent = FDefaultSize < 0 ? 0 : FDefaultSize + FLineWidth;
        const int fixed = std::clamp(Fixed, 0, FCount), first = std::clamp(First, 0, FCount);
        return int((std::int64_t(fixed) + Index - first) * extent);
    }
    return int(Offset(Fixed) + Offset(Index) - Offset(First));
}

int TGridAxis::ViewIndexAt(int Pos, int Fixed, int First) const
{
    if (Pos < 0)
        return -1;
    std::int64_t fixedEnd = Offset(Fixed);
    if (Pos < fixedEnd)
        return IndexAt(Pos);
    return IndexAt(Pos - fixedEnd + Offset(First));
}

int TGridAxis::LastVisible(int Fixed, int First, int ViewExtent) const
{
    std::int64_t room = ViewExtent - Offset(Fixed);
    if (room <= 0 || First >= FCount)
        return First - 1;
    int last = IndexAt(Offset(First) + room - 1);
    return last < 0 ? FCount - 1 : last;
}

int TGridAxis::FullVisibleCount(int Fixed, int First, int ViewExtent) const
{
    if (First >= FCount)
        return 0;
    std::int64_t end = Offset(First) + std::max<std::int64_t>(ViewExtent - Offset(Fixed), 0);
    // Items whose end (without the trailing line) fits: the binary search
    // finds the first item ending past the view.
    int lo = First, hi = FCount;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (Offset(mid + 1) - (Extent(mid) > 0 ? FLineWidth : 0) <= end)
            lo = mid + 1;
        else
            hi = mid;
    }
    return std::max(lo - First, 1);
}

int TGridAxis::MaxFirst(int Fixed, int ViewExtent) const
{
    if (FCount <= Fixed)
        return Fixed;
    std::int64_t room = ViewExtent - Offset(Fixed);
    // The smallest First whose items up to the end fit into the room.
    int lo = Fixed, hi = FCount - 1;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (Total() - Offset(mid) - FLineWidth <= room)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int TGridAxis::FirstToShow(int Index, int Fixed, int ViewExtent) const
{
    std::int64_t room = ViewExtent - Offset(Fixed);
    std::int64_t end = Offset(Index + 1) - (Extent(Index) > 0 ? FLineWidth : 0);
    int lo = Fixed, hi = Index;
    while (lo < hi) {
        int mid = lo + (hi - lo) / 2;
        if (end - Offset(mid) <= room)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}
