#pragma once
// TMouseActions: the grid's mouse selection, sizing, editing and wheel
// options. Setters with side effects say so; the others are plain.
#include "grid/foundation/GridTypes.h"
#include "platform/rtl/Object.h"
#include <memory>

class TStrings;
class TStringList;

class TMouseActions : public TPersistent {
public:
    // The owner is not kept.
    explicit TMouseActions(TComponent* AOwner);
    ~TMouseActions() override;

    // Copies every setting but SizeFixedRow, HotmailRowSelect,
    // EditOnDblClickOnly and FixedComboValues, without events; other
    // sources are ignored.
    void Assign(TPersistent* Source) override;

    bool AllColumnSize() const { return FAllColumnSize; }
    void SetAllColumnSize(bool Value) { FAllColumnSize = Value; }
    bool AllRowSize() const { return FAllRowSize; }
    void SetAllRowSize(bool Value) { FAllRowSize = Value; }
    bool AllSelect() const { return FAllSelect; }
    void SetAllSelect(bool Value) { FAllSelect = Value; }
    bool AutoSizeColOnDblClick() const { return FAutoSizeColOnDblClick; }
    void SetAutoSizeColOnDblClick(bool Value) { FAutoSizeColOnDblClick = Value; }
    bool CaretPositioning() const { return FCaretPositioning; }
    void SetCaretPositioning(bool Value) { FCaretPositioning = Value; }
    bool CheckAllCheck() const { return FCheckAllCheck; }
    void SetCheckAllCheck(bool Value) { FCheckAllCheck = Value; }
    bool ColSelect() const { return FColSelect; }
    void SetColSelect(bool Value) { FColSelect = Value; }
    bool DirectComboClose() const { return FDirectComboClose; }
    void SetDirectComboClose(bool Value) { FDirectComboClose = Value; }
    bool DirectComboDrop() const { return FDirectComboDrop; }
    void SetDirectComboDrop(bool Value) { FDirectComboDrop = Value; }
    bool DirectDateClose() const { return FDirectDateClose; }
    void SetDirectDateClose(bool Value) { FDirectDateClose = Value; }
    bool DirectDateDrop() const { return FDirectDateDrop; }
    void SetDirectDateDrop(bool Value) { FDirectDateDrop = Value; }
    bool DirectEdit() const { return FDirectEdit; }
    void SetDirectEdit(bool Value) { FDirectEdit = Value; }
    // The three disjunct selections exclude each other only while the
    // owner reports design mode (OnIsDesigning).
    bool DisjunctRowSelect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelect(bool Value);
    bool DisjunctRowSelectNoCtrl() const { return FDisjunctRowSelectNoCtrl; }
    void SetDisjunctRowSelectNoCtrl(bool Value) { FDisjunctRowSelectNoCtrl = Value; }
    bool DisjunctColSelect() const { return FDisjunctColSelect; }
    void SetDisjunctColSelect(bool Value);
    bool DisjunctCellSelect() const { return FDisjunctCellSelect; }
    void SetDisjunctCellSelect(bool Value);
    // True fires OnDisableEdit.
    bool EditOnDblClickOnly() const { return FEditOnDblClickOnly; }
    void SetEditOnDblClickOnly(bool Value);
    // True also turns DisjunctRowSelect and CheckAllCheck on; fires OnInvalidate.
    bool HotmailRowSelect() const { return FHotmailRowSelect; }
    void SetHotmailRowSelect(bool Value);
    bool MoveRowOnNodeClick() const { return FMoveRowOnNodeClick; }
    void SetMoveRowOnNodeClick(bool Value) { FMoveRowOnNodeClick = Value; }
    bool NoAutoRangeScroll() const { return FNoAutoRangeScroll; }
    void SetNoAutoRangeScroll(bool Value) { FNoAutoRangeScroll = Value; }
    bool NodeAllExpandContract() const { return FNodeAllExpandContract; }
    void SetNodeAllExpandContract(bool Value) { FNodeAllExpandContract = Value; }
    bool NoScrollOnPartialRow() const { return FNoScrollOnPartialRow; }
    void SetNoScrollOnPartialRow(bool Value) { FNoScrollOnPartialRow = Value; }
    bool PreciseCheckBoxCheck() const { return FPreciseCheckBoxCheck; }
    void SetPreciseCheckBoxCheck(bool Value) { FPreciseCheckBoxCheck = Value; }
    bool PreciseNodeClick() const { return FPreciseNodeClick; }
    void SetPreciseNodeClick(bool Value) { FPreciseNodeClick = Value; }
    bool RangeSelectAndEdit() const { return FRangeSelectAndEdit; }
    void SetRangeSelectAndEdit(bool Value) { FRangeSelectAndEdit = Value; }
    bool RowSelect() const { return FRowSelect; }
    void SetRowSelect(bool Value) { FRowSelect = Value; }
    bool RowSelectPersistent() const { return FRowSelectPersistent; }
    void SetRowSelectPersistent(bool Value) { FRowSelectPersistent = Value; }
    bool SelectOnRightClick() const { return FSelectOnRightClick; }
    void SetSelectOnRightClick(bool Value) { FSelectOnRightClick = Value; }
    bool SizeFixedCol() const { return FSizeFixedCol; }
    void SetSizeFixedCol(bool Value) { FSizeFixedCol = Value; }
    bool SizeFixedRow() const { return FSizeFixedRow; }
    void SetSizeFixedRow(bool Value) { FSizeFixedRow = Value; }
    // The same value as DisjunctRowSelect, written without side effects.
    bool DisjunctRowSelectDirect() const { return FDisjunctRowSelect; }
    void SetDisjunctRowSelectDirect(bool Value) { FDisjunctRowSelect = Value; }
    TGridFixedCellEdit FixedRowsEdit() const { return FFixedRowsEdit; }
    void SetFixedRowsEdit(TGridFixedCellEdit Value) { FFixedRowsEdit = Value; }
    TGridFixedCellEdit FixedColsEdit() const { return FFixedColsEdit; }
    void SetFixedColsEdit(TGridFixedCellEdit Value) { FFixedColsEdit = Value; }
    TGridFixedCellEditor FixedRowsEditor() const { return FFixedRowsEditor; }
    void SetFixedRowsEditor(TGridFixedCellEditor Value) { FFixedRowsEditor = Value; }
    TGridFixedCellEditor FixedColsEditor() const { return FFixedColsEditor; }
    void SetFixedColsEditor(TGridFixedCellEditor Value) { FFixedColsEditor = Value; }
    int WheelIncrement() const { return FWheelIncrement; }
    void SetWheelIncrement(int Value) { FWheelIncrement = Value; }
    // Fires OnChange when the value changes.
    TWheelAction WheelAction() const { return FWheelAction; }
    void SetWheelAction(TWheelAction Value);
    // The values offered by the fixed-cell combo editor; owned.
    TStrings* FixedComboValues() const;
    TStrings* GetFixedComboValues() const { return FixedComboValues(); }
    // Copies the strings.
    void SetFixedComboValues(TStrings* Value);

    TNotifyEvent OnChange;
    TNotifyEvent OnInvalidate;
    TNotifyEvent OnDisableEdit;
    TIsDesigningEvent OnIsDesigning;

private:
    bool IsDesigning();
    void ExcludeOtherDisjunct(bool* Kept);

    bool FAllColumnSize = false;
    bool FAllRowSize = false;
    bool FAllSelect = false;
    bool FAutoSizeColOnDblClick = true;
    bool FCaretPositioning = false;
    bool FCheckAllCheck = false;
    bool FColSelect = false;
    bool FDirectComboClose = false;
    bool FDirectComboDrop = false;
    bool FDirectDateClose = false;
    bool FDirectDateDrop = false;
    bool FDirectEdit = false;
    bool FDisjunctRowSelect = false;
    bool FDisjunctRowSelectNoCtrl = false;
    bool FDisjunctColSelect = false;
    bool FDisjunctCellSelect = false;
    bool FEditOnDblClickOnly = false;
    bool FHotmailRowSelect = false;
    bool FMoveRowOnNodeClick = false;
    bool FNoAutoRangeScroll = false;
    bool FNodeAllExpandContract = false;
    bool FNoScrollOnPartialRow = false;
    bool FPreciseCheckBoxCheck = false;
    bool FPreciseNodeClick = true;
    bool FRangeSelectAndEdit = false;
    bool FRowSelect = false;
    bool FRowSelectPersistent = false;
    bool FSelectOnRightClick = false;
    bool FSizeFixedCol = false;
    bool FSizeFixedRow = false;
    TGridFixedCellEdit FFixedRowsEdit = fceNone;
    TGridFixedCellEdit FFixedColsEdit = fceNone;
    TGridFixedCellEditor FFixedRowsEditor = fceEdit;
    TGridFixedCellEditor FFixedColsEditor = fceEdit;
    int FWheelIncrement = 0;
    TWheelAction FWheelAction = waMoveSelection;
    std::unique_ptr<TStringList> FFixedComboValues;
};
