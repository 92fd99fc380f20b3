#pragma once
// Cell coordinates, cell ranges and TGridSelection: the current cell, the
// anchor a range grows from, and the range between them.
#include <algorithm>

struct TGridCoord {
    int X = 0;
    int Y = 0;
    constexpr bool operator==(const TGridCoord&) const = default;
};

// A range of cells; Note: Right and Bottom are inside the range.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    constexpr bool Contains(int ACol, int ARow) const
    {
        return ACol >= Left && ACol <= Right && ARow >= Top && ARow <= Bottom;
    }
    constexpr bool operator==(const TGridRect&) const = default;
};

constexpr TGridRect GridRect(TGridCoord A, TGridCoord B)
{
    return {std::min(A.X, B.X), std::min(A.Y, B.Y), std::max(A.X, B.X), std::max(A.Y, B.Y)};
}

class TGridSelection {
public:
    TGridCoord Current() const { return FCurrent; }
    TGridCoord Anchor() const { return FAnchor; }
    // Moves the current cell; with MoveAnchor the range shrinks to it,
    // otherwise it stretches from the anchor.
    void MoveTo(TGridCoord Cell, bool MoveAnchor)
    {
        FCurrent = Cell;
        if (MoveAnchor)
            FAnchor = Cell;
    }
    // Sets anchor and current cell apart (a range written as a whole).
    void Set(TGridCoord AAnchor, TGridCoord ACurrent)
    {
        FAnchor = AAnchor;
        FCurrent = ACurrent;
    }
    // The range between anchor and current cell.
    TGridRect Rect() const { return GridRect(FAnchor, FCurrent); }
    bool Contains(int ACol, int ARow) const { return Rect().Contains(ACol, ARow); }

private:
    TGridCoord FCurrent;
    TGridCoord FAnchor;
};
