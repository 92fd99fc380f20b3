#pragma once
// TProGridUndoRedo: a linear history of cell text changes of one grid,
// walked back (Undo) and forth (Redo) through the grid's Cells. Changes
// between StartSequence and StopSequence are undone and redone as one.
// Entries 0 .. Level - 1 are applied; Level .. Count - 1 can be redone.
// A change registered after an undo is appended behind the undone entries,
// which stay and are walked back through again.
#include "grid/foundation/GridEvents.h"
#include "platform/rtl/Collection.h"

class TBaseGrid;

class TUndoRedoItem : public TCollectionItem {
public:
    explicit TUndoRedoItem(TCollection* Collection = nullptr) : TCollectionItem(Collection) {}

    // The cell as a real (stored) column; -1 in sequence markers.
    int Col() const { return FCol; }
    void SetCol(int Value) { FCol = Value; }
    int Row() const { return FRow; }
    void SetRow(int Value) { FRow = Value; }
    // The text after the change.
    const QString& Value() const { return FValue; }
    void SetValue(const QString& Value) { FValue = Value; }
    // The text before the change.
    const QString& OrigValue() const { return FOrigValue; }
    void SetOrigValue(const QString& Value) { FOrigValue = Value; }
    bool SequenceStart() const { return FSequenceStart; }
    void SetSequenceStart(bool Value) { FSequenceStart = Value; }
    bool SequenceStop() const { return FSequenceStop; }
    void SetSequenceStop(bool Value) { FSequenceStop = Value; }
    bool IsMarker() const { return FSequenceStart || FSequenceStop; }

    void Assign(TPersistent* Source) override;

private:
    int FRow = 0;
    int FCol = 0;
    QString FValue;
    QString FOrigValue;
    bool FSequenceStart = false;
    bool FSequenceStop = false;
};

class TUndoRedoCollection : public TOwnedCollection {
public:
    explicit TUndoRedoCollection(TPersistent* AOwner);
    TUndoRedoItem* Items(int Index) const { return static_cast<TUndoRedoItem*>(TOwnedCollection::Items(Index)); }
    TUndoRedoItem* Add() { return static_cast<TUndoRedoItem*>(TOwnedCollection::Add()); }
};

class TProGridUndoRedo : public TComponent {
public:
    explicit TProGridUndoRedo(TComponent* AOwner = nullptr);
    ~TProGridUndoRedo() override;

    // Records one change and makes it the last applied entry. With a
    // MaxLevel the oldest entries go first: a single change, or a closed
    // sequence as a whole (a sequence still being recorded stays).
    virtual void RegisterChange(int ACol, int ARow, const QString& OldValue, const QString& NewValue);
    virtual void StartSequence();
    virtual void StopSequence();

    // Nothing without a linked grid. Note: sequence markers are never
    // written to cells, and Level stays within 0 .. Count.
    void Undo();
    void Redo();
    bool CanUndo() const { return FLevel > 0; }
    bool CanRedo() const { return FLevel < FItems->Count(); }
    void Reset();

    TUndoRedoCollection* Items() const { return FItems; }
    // Not owned; set by the grid's UndoRedo setter.
    TBaseGrid* Grid() const { return FGrid; }
    void SetGrid(TBaseGrid* Value);
    int Level() const { return FLevel; }
    void SetLevel(int Value) { FLevel = Value; }
    // History limit of changes; 0 or less: none.
    int MaxLevel() const { return FMaxLevel; }
    void SetMaxLevel(int Value) { FMaxLevel = Value; }

    // Once per cell before it is written: the cell's current text, then
    // the text it gets.
    TProGridUndoRedoEvent OnUndo;
    TProGridUndoRedoEvent OnRedo;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    void AddMarker(bool Start);
    // Entries the oldest unit of the history takes: one change, or a
    // sequence up to its stop marker; 0 for a sequence still open.
    int OldestUnitSize() const;
    void Apply(const TUndoRedoItem* Item, bool Backwards);
    // Keeps Level within 0 .. Count; True when a grid is linked.
    bool Ready();

    TUndoRedoCollection* FItems;
    TBaseGrid* FGrid = nullptr;
    int FLevel = 0;
    int FMaxLevel = 0;
};
