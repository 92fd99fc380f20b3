#include "grid/core/ProStringGrid.h"
#include "platform/controls/Messages.h"

void TProStringGrid::WMLButtonDblClk(TWMMouse& Message)
{
    const TGridCoord cell = MouseCoord(Message.XPos, Message.YPos);
    // The release that ends a double click sorts nothing.
    FClickDouble = true;
    TBaseGrid::WMLButtonDblClk(Message);
    if (cell.X >= 0 && cell.Y >= 0 && OnDblClickCell)
        OnDblClickCell(this, cell.Y, cell.X);
}
