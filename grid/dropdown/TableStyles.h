#pragma once
// The colours the style presets give the table drop-downs (the
// multi-column drop-down and the grid drop-down): header, lines and
// selection.
#include "grid/dropdown/ProDropDown.h"

// A field holding this leaves the drop-down's value as it is.
constexpr TColor TableStyleSame = TColor(0x7FFFFFFF);

struct TTableStyleColors {
    TQLXStyle Style;
    // Applied before the line colours, which are the final ones.
    TSelectionColorStyle Selection;
    TColor HeaderColor, HeaderColorTo, HeaderFont, LineColor, FixedLineColor, SelectionColor, SelectionText;
};

// The row of AStyle; nullptr for a style that changes nothing (tsCustom).
const TTableStyleColors* TableStyleColors(TQLXStyle AStyle);
