// Keys on the string grid: the grid's key-down message handling (control
// cells, Home and End, the Tab walk, skipping fixed cells, the key table)
// around the platform grid's cursor movement, then the KeyDown and KeyUp
// additions (moving rows, wrapping at the edges, disabled rows, the
// keyboard's disjunct cell selection).
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"

void TProStringGrid::WMKeyDown(TWMKey& Message)
{
    const TShiftState shift = KeyDataToShiftState(Message.KeyData);
    if (ClipboardShortCut(Message.CharCode, shift)) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMKeyDown(Message);
}

void TProStringGrid::KeyDown(int& Key, TShiftState Shift) { TBaseGrid::KeyDown(Key, Shift); }

void TProStringGrid::KeyUp(int& Key, TShiftState Shift) { TBaseGrid::KeyUp(Key, Shift); }

bool TProStringGrid::ClipboardShortCut(int Key, TShiftState Shift)
{
    if (!FNavigation->AllowClipboardShortCuts())
        return false;
    const bool ctrl = Shift.Contains(ssCtrl), shift = Shift.Contains(ssShift);
    enum { None, Copy, Cut, Paste } op = None;
    if (ctrl && (Key == 'C' || Key == VK_INSERT))
        op = Copy;
    else if ((ctrl && Key == 'X') || (shift && !ctrl && Key == VK_DELETE))
        op = Cut;
    else if ((ctrl && Key == 'V') || (shift && !ctrl && Key == VK_INSERT))
        op = Paste;
    if (op == None)
        return false;
    bool allow = true;
    const TClipboardEvent& event = op == Copy ? OnClipboardCopy : op == Cut ? OnClipboardCut : OnClipboardPaste;
    if (event)
        event(this, allow);
    if (!allow)
        return true;
    auto hook = op == Copy  ? GridFeatureHooks.CopySelection
                : op == Cut ? GridFeatureHooks.CutSelection
                            : GridFeatureHooks.PasteSelection;
    if (hook)
        hook(this);
    return true;
}
