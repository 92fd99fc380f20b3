#pragma once
// The colours the style presets give the table drop-downs (the
// multi-column drop-down and the grid drop-down): header, lines and
// selection.
#include "grid/dropdown/ProDropDown.h"
#include "platform/graphics/GraphicsObjects.h"

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

// Gives a table drop-down the colours of T: the selection style first,
// then header, lines and selection.
template <class TTableDropDown>
void ApplyTableStyle(TTableDropDown* D, const TTableStyleColors& T)
{
    D->SetSelectionColorStyle(T.Selection);
    D->SetHeaderColor(T.HeaderColor);
    D->SetHeaderColorTo(T.HeaderColorTo);
    if (T.HeaderFont != TableStyleSame)
        D->HeaderFont()->SetColor(T.HeaderFont);
    D->SetLineColor(T.LineColor);
    D->SetFixedLineColor(T.FixedLineColor);
    if (T.SelectionColor != TableStyleSame) {
        D->SetSelectionColor(T.SelectionColor);
        D->SetSelectionColorTo(T.SelectionColor);
    }
    D->SetSelectionTextColor(T.SelectionText);
}
