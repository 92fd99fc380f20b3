#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/StringUtils.h"
#include <algorithm>

void TProStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    SizeColumnToContent(ACol, FSizeGrowOnly);
    if (Padding != 0)
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TProStringGrid::SizeColumnToContent(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int rc = DisplToRealCol(ACol);
    int first = 0, last = RowCount() - 1;
    if (FColumnSize->Rows() == arNormal) {
        first = FixedRows();
        last = RowCount() - FixedFooters() - 1;
    } else if (FColumnSize->Rows() == arFixed) {
        last = FixedRows() - 1;
    }
    int widest = 0;
    for (int r = first; r <= last; ++r) {
        if (IsXMergedCell(rc, r))
            continue;
        int w = GetCellGraphicSize(rc, r).X + GetCellTextSize(rc, r).cx;
        if (FControlLook->DropDownAlwaysVisible() && HasComboBox(rc, r))
            w += 16;
        if (FFilterDropDownAuto && r == FFilterDropDownRow && GetColumnFilter(rc))
            w += 12;
        if (FSortSettings->Show() && r + CellSpan(rc, r).Y == FSortSettings->Row() &&
            ACol == FSortSettings->Column() && FixedRows() + 1 < RowCount())
            w += 10;
        widest = std::max(widest, w);
    }
    const int padding = FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X;
    int width = widest + padding + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= width)
        return;
    UpdateAutoColSize(ACol, width);
    SetColWidths(ACol, ClampToLimits(width, FMinColWidth, FMaxColWidth));
}
