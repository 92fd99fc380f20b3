#include "grid/foundation/MouseActions.h"
#include "platform/rtl/StringList.h"

TMouseActions::TMouseActions(TComponent* AOwner) : FFixedComboValues(std::make_unique<TStringList>()) {}

TMouseActions::~TMouseActions() = default;

TStrings* TMouseActions::FixedComboValues() const
{
    return FFixedComboValues.get();
}

void TMouseActions::SetFixedComboValues(TStrings* Value)
{
    FFixedComboValues->Assign(Value);
}

bool TMouseActions::IsDesigning()
{
    bool designing = false;
    if (OnIsDesigning)
        OnIsDesigning(this, designing);
    return designing;
}

void TMouseActions::ExcludeOtherDisjunct(bool* Kept)
{
    if (!*Kept || !IsDesigning())
        return;
    for (bool* f : {&FDisjunctRowSelect, &FDisjunctColSelect, &FDisjunctCellSelect})
        if (f != Kept)
            *f = false;
}

void TMouseActions::SetDisjunctRowSelect(bool Value)
{
    FDisjunctRowSelect = Value;
    ExcludeOtherDisjunct(&FDisjunctRowSelect);
}

void TMouseActions::SetDisjunctColSelect(bool Value)
{
    FDisjunctColSelect = Value;
    ExcludeOtherDisjunct(&FDisjunctColSelect);
}

void TMouseActions::SetDisjunctCellSelect(bool Value)
{
    FDisjunctCellSelect = Value;
    ExcludeOtherDisjunct(&FDisjunctCellSelect);
}

void TMouseActions::SetHotmailRowSelect(bool Value)
{
    FHotmailRowSelect = Value;
    if (Value) {
        FDisjunctRowSelect = true;
        FCheckAllCheck = true;
    }
    if (OnInvalidate)
        OnInvalidate(this);
}

void TMouseActions::SetEditOnDblClickOnly(bool Value)
{
    FEditOnDblClickOnly = Value;
    if (Value && OnDisableEdit)
        OnDisableEdit(this);
}

void TMouseActions::SetWheelAction(TWheelAction Value)
{
    if (FWheelAction == Value)
        return;
    FWheelAction = Value;
    if (OnChange)
        OnChange(this);
}

void TMouseActions::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TMouseActions*>(Source);
    if (!src)
        return;
    FAllColumnSize = src->FAllColumnSize;
    FAllRowSize = src->FAllRowSize;
    FAllSelect = src->FAllSelect;
    FAutoSizeColOnDblClick = src->FAutoSizeColOnDblClick;
    FCaretPositioning = src->FCaretPositioning;
    FCheckAllCheck = src->FCheckAllCheck;
    FColSelect = src->FColSelect;
    FDirectComboClose = src->FDirectComboClose;
    FDirectComboDrop = src->FDirectComboDrop;
    FDirectDateClose = src->FDirectDateClose;
    FDirectDateDrop = src->FDirectDateDrop;
    FDirectEdit = src->FDirectEdit;
    FDisjunctRowSelect = src->FDisjunctRowSelect;
    FDisjunctRowSelectNoCtrl = src->FDisjunctRowSelectNoCtrl;
    FDisjunctColSelect = src->FDisjunctColSelect;
    FDisjunctCellSelect = src->FDisjunctCellSelect;
    FMoveRowOnNodeClick = src->FMoveRowOnNodeClick;
    FNoAutoRangeScroll = src->FNoAutoRangeScroll;
    FNodeAllExpandContract = src->FNodeAllExpandContract;
    FNoScrollOnPartialRow = src->FNoScrollOnPartialRow;
    FPreciseCheckBoxCheck = src->FPreciseCheckBoxCheck;
    FPreciseNodeClick = src->FPreciseNodeClick;
    FRangeSelectAndEdit = src->FRangeSelectAndEdit;
    FRowSelect = src->FRowSelect;
    FRowSelectPersistent = src->FRowSelectPersistent;
    FSelectOnRightClick = src->FSelectOnRightClick;
    FSizeFixedCol = src->FSizeFixedCol;
    FFixedRowsEdit = src->FFixedRowsEdit;
    FFixedColsEdit = src->FFixedColsEdit;
    FFixedRowsEditor = src->FFixedRowsEditor;
    FFixedColsEditor = src->FFixedColsEditor;
    FWheelIncrement = src->FWheelIncrement;
    FWheelAction = src->FWheelAction;
}
