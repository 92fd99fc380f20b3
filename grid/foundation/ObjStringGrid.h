#pragma once
// TObjStringGrid: the string grid the base grid derives from; it adds
// nothing to the platform's TStringGrid.
#include "platform/controls/StringGrid.h"

class TObjStringGrid : public TStringGrid {
public:
    using TStringGrid::TStringGrid;
};
