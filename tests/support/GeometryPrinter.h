#pragma once
// Lets GoogleTest print points and rectangles in failure messages.
#include "platform/rtl/Types.h"
#include <ostream>

inline void PrintTo(const TPoint& p, std::ostream* os) { *os << '(' << p.X << ", " << p.Y << ')'; }

inline void PrintTo(const TRect& r, std::ostream* os)
{
    *os << '(' << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ')';
}
