// The overridable steps of a paste: storing one value, whether cell
// streams are taken, and the report of the pasted cells.
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ProGridUndoRedo.h"

void TProStringGrid::PasteCellText(int ACol, int ARow, const QString& Value)
{
    const int rc = DisplToRealCol(ACol);
    if (UndoRedo())
        UndoRedo()->RegisterChange(rc, ARow, Cells(rc, ARow), Value);
    if (HasCheckBox(rc, ARow))
        ChangeCheckBoxState(rc, ARow, Value == CheckTrue());
    else
        SetCells(rc, ARow, Value);
    if (rc != ACol)
        RepaintCell(ACol, ARow);
}

bool TProStringGrid::CanPasteGridCells() { return AllowFmtClipboard(); }

void TProStringGrid::CellsPasted(TPoint, const TGridRect& ARect, TClipOperation) { CellsPasted(ARect); }
