#pragma once
// Window hooks. A WH_CALLWNDPROC procedure hears of the messages sent to
// the application's windows; on this platform those are their moves and
// resizes, as WM_WINDOWPOSCHANGED after the change.
#include "platform/controls/Messages.h"

constexpr int WH_CALLWNDPROC = 4;
constexpr int HC_ACTION = 0;

// What a WH_CALLWNDPROC procedure receives through LParam.
struct CWPSTRUCT {
    LPARAM lParam;
    WPARAM wParam;
    unsigned message;
    HWND hwnd;
};

using HOOKPROC = LRESULT (*)(int Code, WPARAM WParam, LPARAM LParam);
struct THookEntry;
using HHOOK = THookEntry*;

// Installs Proc ahead of the hooks already there; nullptr for a kind other
// than WH_CALLWNDPROC or a null procedure.
HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc);
// False for a handle that is not installed.
bool UnhookWindowsHookEx(HHOOK Hook);
// Passes the call to the hook installed before Hook; 0 when there is none.
LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam);
// Hooks installed now.
int HookCount();
