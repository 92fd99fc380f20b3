#include "grid/foundation/CellProperties.h"
#include "grid/foundation/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner ? AOwner->WordWrap() : true)
{
    if (AOwner)
        AOwner->FHasCellProps = true;
}

void TCellProperties::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TCellProperties*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    FIsBaseCell = src->FIsBaseCell;
    FCellSpanX = src->FCellSpanX;
    FCellSpanY = src->FCellSpanY;
    FOwnerRow = src->FOwnerRow;
    FOwnerCol = src->FOwnerCol;
    FObject = src->FObject;
    FAlignment = src->FAlignment;
    FBorderColor = src->FBorderColor;
    FBorderWidth = src->FBorderWidth;
    FBrushColor = src->FBrushColor;
    FBrushStyle = src->FBrushStyle;
    FFontColor = src->FFontColor;
    FFontStyle = src->FFontStyle;
    FFontName = src->FFontName;
    FFontSize = src->FFontSize;
    FReadOnly = src->FReadOnly;
    FEditor = src->FEditor;
    FVAlignment = src->FVAlignment;
    FWordWrap = src->FWordWrap;
    FNodeLevel = src->FNodeLevel;
    FControl = src->FControl;
}

TPoint TCellProperties::GetBaseCell(int c, int r) const
{
    if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
        return {c - FCellSpanX, r - FCellSpanY};
    return {c, r};
}

void TCellProperties::Repaint()
{
    if (FOwnerGrid)
        FOwnerGrid->RepaintProps(this);
}

void TCellProperties::SetVAlignment(TVAlignment Value)
{
    FVAlignment = Value;
    Repaint();
}

void TCellProperties::SetWordWrap(bool Value)
{
    FWordWrap = Value;
    Repaint();
}

void TCellProperties::SetBrushColor(TColor Value)
{
    FBrushColor = Value;
    Repaint();
}

void TCellProperties::SetBrushColorTo(TColor Value)
{
    FBrushColorTo = Value;
    Repaint();
}

void TCellProperties::ApplyFontTo(TFont* AFont) const
{
    if (FFontColor != clNone)
        AFont->SetColor(FFontColor);
    if (!FFontStyle.Empty())
        AFont->SetStyle(FFontStyle);
    if (FFontSize != 0)
        AFont->SetSize(FFontSize);
    if (!FFontName.isEmpty())
        AFont->SetName(FFontName);
}
