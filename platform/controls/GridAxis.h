#pragma once
// TGridAxis: the sizes of a grid's columns or rows and their positions.
// Positions are prefix sums, rebuilt lazily after a change, so finding the
// item under a coordinate is a binary search. The view functions take the
// number of fixed items (always shown first) and the first scrolled item
// shown after them.
#include <cstdint>
#include <vector>

class TGridAxis {
public:
    int Count() const { return FCount; }
    // Note: items that stay keep their sizes; new items take the default.
    void SetCount(int value);
    int DefaultSize() const { return FDefaultSize; }
    // Note: resets every item to the new default size.
    void SetDefaultSize(int value);
    // Width of the line after each item; hidden items (size < 0) have none.
    int LineWidth() const { return FLineWidth; }
    void SetLineWidth(int value);
    int Size(int Index) const;
    void SetSize(int Index, int value);
    // Moves the size of item From to position To, shifting those between.
    void Move(int From, int To);
    // Removes item Index; the count shrinks by one.
    void Delete(int Index);
    // True when some item has a size of its own.
    bool HasSizes() const { return !FSizes.empty(); }

    // Size plus line; 0 for a hidden item.
    int Extent(int Index) const;
    // Start of item Index from the first item; Offset(Count()) is the total.
    std::int64_t Offset(int Index) const;
    std::int64_t Total() const { return Offset(FCount); }
    // The item whose extent holds Pos, or -1 outside [0, Total()).
    int IndexAt(std::int64_t Pos) const;

    // View: Fixed items from 0, then items from First on.
    // Client position of Index, or -1 when it is scrolled out of view.
    int ViewPos(int Index, int Fixed, int First) const;
    // The item under client position Pos, or -1.
    int ViewIndexAt(int Pos, int Fixed, int First) const;
    // The last item that starts inside [0, ViewExtent); at least First - 1.
    int LastVisible(int Fixed, int First, int ViewExtent) const;
    // Scrolled items from First that fit whole into ViewExtent (at least 1
    // when any scrolled item exists).
    int FullVisibleCount(int Fixed, int First, int ViewExtent) const;
    // The largest First that still fills the view up to the last item.
    int MaxFirst(int Fixed, int ViewExtent) const;
    // The smallest First (from Fixed up to Index) that shows Index whole.
    int FirstToShow(int Index, int Fixed, int ViewExtent) const;

private:
    void Touch() { FDirty = true; }
    void Rebuild() const;

    int FCount = 0;
    int FDefaultSize = 64;
    int FLineWidth = 1;
    // Explicit sizes of all items, or empty when all have the default.
    std::vector<int> FSizes;
    mutable std::vector<std::int64_t> FPrefix;
    mutable bool FDirty = true;
};
