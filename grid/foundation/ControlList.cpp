#include "grid/foundation/ControlList.h"
#include "platform/controls/WinControl.h"

void TControlList::AddControl(int X, int Y, TControl* AObject)
{
    Add(new TControlItem(X, Y, AObject));
}

int TControlList::ControlIndex(int X, int Y) const
{
    for (int i = 0; i < Count(); ++i)
        if (Control(i)->X() == X && Control(i)->Y() == Y)
            return i;
    return -1;
}

bool TControlList::HasHandle(HWND Handle) const
{
    for (int i = 0; i < Count(); ++i) {
        auto* w = dynamic_cast<TWinControl*>(Control(i)->Control());
        if (w && w->HandleAllocated() && w->Handle() == Handle)
            return true;
    }
    return false;
}
