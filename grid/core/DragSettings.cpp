#include "grid/core/DragSettings.h"

void TDragDropSettings::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TDragDropSettings*>(Source);
    if (!src)
        return;
    FShowCells = src->FShowCells;
    FOleAcceptFiles = src->FOleAcceptFiles;
    FOleAcceptText = src->FOleAcceptText;
    FOleAcceptURLs = src->FOleAcceptURLs;
    FOleAppendRows = src->FOleAppendRows;
    FOleColumnDragDrop = src->FOleColumnDragDrop;
    FOleColumnReorder = src->FOleColumnReorder;
    FOleColumnsOnly = src->FOleColumnsOnly;
    FOleCopyAlways = src->FOleCopyAlways;
    FOleDropTarget = src->FOleDropTarget;
    FOleDropSource = src->FOleDropSource;
    FOleEntireRows = src->FOleEntireRows;
    FOleInsertRows = src->FOleInsertRows;
    FOleRemoveRows = src->FOleRemoveRows;
    FOleDropRTF = src->FOleDropRTF;
}

void TDragScrollDelays::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TDragScrollDelays*>(Source);
    if (!src)
        return;
    FInitialDelay = src->FInitialDelay;
    FRepeatDelay = src->FRepeatDelay;
}

void TDragScrollMargins::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TDragScrollMargins*>(Source);
    if (!src)
        return;
    FTopMargin = src->FTopMargin;
    FBottomMargin = src->FBottomMargin;
    FLeftMargin = src->FLeftMargin;
    FRightMargin = src->FRightMargin;
}

TDragScrollOptions::TDragScrollOptions()
    : FDelays(std::make_unique<TDragScrollDelays>()), FMargins(std::make_unique<TDragScrollMargins>())
{
}

TDragScrollOptions::~TDragScrollOptions() = default;

void TDragScrollOptions::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TDragScrollOptions*>(Source);
    if (!src)
        return;
    FMargins->Assign(src->FMargins.get());
    FDelays->Assign(src->FDelays.get());
    FActive = src->FActive;
}

void TDragScrollOptions::SetDelays(TDragScrollDelays* Value) { FDelays->Assign(Value); }
void TDragScrollOptions::SetMargins(TDragScrollMargins* Value) { FMargins->Assign(Value); }
