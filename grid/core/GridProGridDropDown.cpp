#include "grid/core/GridProGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "grid/core/ProStringGrid.h"

TGridProGridDropDown::TGridProGridDropDown(TComponent* AOwner)
    : TCustomProGridDropDown(AOwner), FKeys(this, AOwner)
{
}

TProStringGrid* TGridProGridDropDown::GetGrid() const
{
    return TCustomProGridDropDown::GetGrid();
}

void TGridProGridDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TCustomProGridDropDown::CMWantSpecialKey(Message);
    FKeys.WantSpecialKey(Message);
}

void TGridProGridDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (!FKeys.KeyDown(Key, Shift))
        TCustomProGridDropDown::KeyDown(Key, Shift);
}

void TGridProGridDropDown::KeyPress(QChar& Key)
{
    FKeys.KeyPress(Key);
    TCustomProGridDropDown::KeyPress(Key);
}

void TGridProGridDropDown::Change()
{
    TCustomProGridDropDown::Change();
    FKeys.Changed();
}

void TGridProGridDropDown::DoExit()
{
    TCustomProGridDropDown::DoExit();
    FKeys.Exit();
}

// The cell's text and the row it names: the grid keeps its header row,
// and in items mode the row found for the text is chosen (the first for
// an empty text).
void TProStringGrid::SetProGridDropDownValue(const QString& Text)
{
    TGridProGridDropDown* list = FEditProGridPicker;
    list->TCustomProGridDropDown::GetGrid()->SetFixedRowAlways(true);
    list->BeginUpdate();
    list->EndUpdate();
    if (list->UseItems()) {
        QString full;
        int row = 0;
        if (!Text.isEmpty())
            list->LookupRow(Text, full, row);
        list->SetItemIndex(row);
    }
    list->SetText(Text);
}
