#pragma once
// Filling the catalogue lists of the EnOcean windows.
class TComboBox;
class TStringList;

// Replaces the items of List with those of Items (none for nullptr) and
// selects Index; a change made in code notifies nothing.
void Fill_Combo(TComboBox* List, const TStringList* Items, int Index = -1);
