#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/Messages.h"

void TProStringGrid::WMLButtonDblClk(TWMMouse& Message)
{
    const TGridCoord cell = MouseCoord(Message.XPos, Message.YPos);
    // The release that ends a double click sorts nothing.
    FClickDouble = true;
    TBaseGrid::WMLButtonDblClk(Message);
    if (cell.X >= 0 && cell.Y >= 0 && OnDblClickCell)
        OnDblClickCell(this, cell.Y, cell.X);
    if (cell.X >= 0 && cell.Y >= 0 &&
        ((cell.Y < FixedRows() && FMouseActions->FixedRowsEdit() == fceDblClick) ||
         (cell.X < FixedCols() && FMouseActions->FixedColsEdit() == fceDblClick)))
        StartFixedCellEdit(cell.X, cell.Y);
}
