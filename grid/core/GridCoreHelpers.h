#pragma once
// Small helpers shared by the string grid's sources.
#include "platform/controls/GridSelection.h"

#include <cmath>
#include <initializer_list>

inline bool SameRect(const TGridRect& A, const TGridRect& B)
{
    return A.Left == B.Left && A.Top == B.Top && A.Right == B.Right && A.Bottom == B.Bottom;
}

// Rounds half to even, as the grid's scaling does.
inline int RoundEven(double X) { return int(std::nearbyint(X)); }

inline bool IsKey(int Key, std::initializer_list<int> Keys)
{
    for (int k : Keys)
        if (k == Key)
            return true;
    return false;
}
