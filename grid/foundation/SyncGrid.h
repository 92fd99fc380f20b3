#pragma once
// Small settings objects of the string grid: TSyncGrid (another grid kept
// in step with the owning one) and TFocusHelper. Assign copies from an
// object of the same class only; other sources are ignored.
#include "platform/rtl/Object.h"

class TStringGrid;

class TSyncGrid : public TPersistent {
public:
    // AOwner is remembered, not owned.
    explicit TSyncGrid(TComponent* AOwner);

    void Assign(TPersistent* Source) override;

    // Not owned. Note: setting the owner itself is ignored.
    TStringGrid* Grid() const { return FGrid; }
    void SetGrid(TStringGrid* Value);
    bool ScrollVertical() const { return FScrollVertical; }
    void SetScrollVertical(bool Value) { FScrollVertical = Value; }
    bool ScrollHorizontal() const { return FScrollHorizontal; }
    void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
    bool SelectionColumn() const { return FSelectionColumn; }
    void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
    bool SelectionRow() const { return FSelectionRow; }
    void SetSelectionRow(bool Value) { FSelectionRow = Value; }
    bool MoveColumn() const { return FMoveColumn; }
    void SetMoveColumn(bool Value) { FMoveColumn = Value; }
    bool MoveRow() const { return FMoveRow; }
    void SetMoveRow(bool Value) { FMoveRow = Value; }

private:
    TComponent* FOwner;
    bool FScrollHorizontal = false;
    TStringGrid* FGrid = nullptr;
    bool FScrollVertical = false;
    bool FSelectionRow = false;
    bool FSelectionColumn = false;
    bool FMoveRow = false;
    bool FMoveColumn = false;
};

class TFocusHelper : public TPersistent {
public:
    // The owner is not kept.
    explicit TFocusHelper(TComponent* AOwner) {}

    void Assign(TPersistent* Source) override;

    // The grid shows its focus frame around the edited cell.
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }

private:
    bool FEnabled = false;
};
