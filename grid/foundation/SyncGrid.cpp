#include "grid/foundation/SyncGrid.h"
#include "platform/controls/StringGrid.h"

TSyncGrid::TSyncGrid(TComponent* AOwner) : FOwner(AOwner) {}

void TSyncGrid::SetGrid(TStringGrid* Value)
{
    // A grid is never kept in step with itself.
    if (Value && static_cast<TComponent*>(Value) == FOwner)
        return;
    FGrid = Value;
}

void TSyncGrid::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TSyncGrid*>(Source);
    if (!src)
        return;
    SetGrid(src->FGrid);
    FScrollVertical = src->FScrollVertical;
    FScrollHorizontal = src->FScrollHorizontal;
    FSelectionColumn = src->FSelectionColumn;
    FSelectionRow = src->FSelectionRow;
    FMoveColumn = src->FMoveColumn;
    FMoveRow = src->FMoveRow;
}

void TFocusHelper::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TFocusHelper*>(Source))
        FEnabled = src->FEnabled;
}
