#include "app/ComboItems.h"
#include "platform/controls/ComboBox.h"
#include "platform/rtl/StringList.h"

void Fill_Combo(TComboBox* List, const TStringList* Items, int Index)
{
    List->Items()->BeginUpdate();
    List->Items()->Clear();
    for (int i = 0; Items && i < Items->Count(); ++i)
        List->Items()->Add(Items->Strings(i));
    List->Items()->EndUpdate();
    List->SetItemIndex(Index);
}
