#include "grid/foundation/ProGridUndoRedo.h"
#include "grid/foundation/BaseGrid.h"
#include <algorithm>

void TUndoRedoItem::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TUndoRedoItem*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    FRow = src->FRow;
    FCol = src->FCol;
    FValue = src->FValue;
    FOrigValue = src->FOrigValue;
    FSequenceStart = src->FSequenceStart;
    FSequenceStop = src->FSequenceStop;
}

TUndoRedoCollection::TUndoRedoCollection(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* C) -> TCollectionItem* { return new TUndoRedoItem(C); })
{
}

TProGridUndoRedo::TProGridUndoRedo(TComponent* AOwner) : TComponent(AOwner), FItems(new TUndoRedoCollection(this)) {}

TProGridUndoRedo::~TProGridUndoRedo() { delete FItems; }

void TProGridUndoRedo::SetGrid(TBaseGrid* Value)
{
    if (FGrid == Value)
        return;
    FGrid = Value;
    if (Value)
        FreeNotification(Value);
}

void TProGridUndoRedo::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == FGrid)
        FGrid = nullptr;
    TComponent::Notification(AComponent, Operation);
}

int TProGridUndoRedo::OldestUnitSize() const
{
    const int count = FItems->Count();
    if (count == 0 || !FItems->Items(0)->SequenceStart())
        return count ? 1 : 0;
    for (int i = 1; i < count; ++i) {
        const TUndoRedoItem* item = FItems->Items(i);
        if (item->SequenceStop())
            return i + 1;
        // A sequence never closed ends where the next one starts.
        if (item->SequenceStart())
            return i;
    }
    return 0;
}

void TProGridUndoRedo::RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue)
{
    if (FMaxLevel > 0)
        while (FItems->Count() >= FMaxLevel) {
            const int n = OldestUnitSize();
            if (n == 0)
                break;
            for (int i = 0; i < n; ++i)
                FItems->Delete(0);
        }
    TUndoRedoItem* item = FItems->Add();
    item->SetCol(ACol);
    item->SetRow(ARow);
    item->SetValue(NewValue);
    item->SetOrigValue(OldValue);
    FLevel = FItems->Count();
}

void TProGridUndoRedo::AddMarker(bool Start)
{
    TUndoRedoItem* item = FItems->Add();
    item->SetCol(-1);
    item->SetRow(-1);
    item->SetSequenceStart(Start);
    item->SetSequenceStop(!Start);
    FLevel = FItems->Count();
}

void TProGridUndoRedo::StartSequence() { AddMarker(true); }

void TProGridUndoRedo::StopSequence() { AddMarker(false); }

bool TProGridUndoRedo::Ready()
{
    FLevel = std::clamp(FLevel, 0, FItems->Count());
    return FGrid != nullptr;
}

void TProGridUndoRedo::Apply(const TUndoRedoItem* Item, bool Backwards)
{
    const int col = Item->Col(), row = Item->Row();
    if (col < 0 || row < 0)
        return;
    const QString& text = Backwards ? Item->OrigValue() : Item->Value();
    const TProGridUndoRedoEvent& event = Backwards ? OnUndo : OnRedo;
    if (event)
        event(this, FGrid, col, row, FGrid->Cells(col, row), text);
    FGrid->SetCells(col, row, text);
    // The current cell follows the change while it lies in the grid.
    const int displCol = FGrid->DisplColIndex(col);
    if (displCol >= 0 && displCol < FGrid->ColCount() && row < FGrid->RowCount()) {
        FGrid->SetCol(displCol);
        FGrid->SetRow(row);
    }
}

void TProGridUndoRedo::Undo()
{
    if (!Ready() || FLevel == 0)
        return;
    const TUndoRedoItem* item = FItems->Items(FLevel - 1);
    if (item->SequenceStop()) {
        --FLevel;
        while (FLevel > 0 && !FItems->Items(FLevel - 1)->IsMarker()) {
            Apply(FItems->Items(FLevel - 1), true);
            --FLevel;
        }
        if (FLevel > 0 && FItems->Items(FLevel - 1)->SequenceStart())
            --FLevel;
        FGrid->Invalidate();
    } else if (item->SequenceStart()) {
        // A sequence left open with nothing applied after its start.
        --FLevel;
    } else {
        Apply(item, true);
        FGrid->RepaintCell(FGrid->Col(), item->Row());
        --FLevel;
    }
}

void TProGridUndoRedo::Redo()
{
    if (!Ready() || FLevel >= FItems->Count())
        return;
    const int count = FItems->Count();
    const TUndoRedoItem* item = FItems->Items(FLevel);
    if (item->SequenceStart()) {
        int next = FLevel + 1;
        while (next < count && !FItems->Items(next)->IsMarker()) {
            Apply(FItems->Items(next), false);
            ++next;
        }
        if (next < count && FItems->Items(next)->SequenceStop())
            ++next;
        FLevel = next;
        FGrid->Invalidate();
    } else {
        ++FLevel;
        if (!item->SequenceStop())
            Apply(item, false);
    }
}

void TProGridUndoRedo::Reset()
{
    FItems->Clear();
    FLevel = 0;
}
