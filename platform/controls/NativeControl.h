#pragma once
// Windowed controls over a native widget. The widget fills the control's
// host window; its input takes the host's road to WndProc (messages, hooks,
// events), and whatever input the window procedure leaves unhandled is
// handed back to the widget, as a native window procedure would get it.
// Changes the widget reports reach the parent as WM_COMMAND notifications.
#include "platform/controls/WinControl.h"

// WM_COMMAND (NotifyCode, the control's window) to the parent, then
// CN_COMMAND back to the control.
void SendCommandNotify(TWinControl* Control, int NotifyCode);

// Mouse, wheel, key-down, key-up and character messages.
bool IsNativeInput(unsigned Msg);
// The window procedure of a control over a native widget: Base (the
// framework's handling), then the input it left unhandled to the widget,
// unless a handler freed the control meanwhile.
void NativeWndProc(TWinControl* Control, TMessage& Message, const std::function<void()>& Base);
// Hands an input message that WndProc left unhandled to the native widget:
// mouse and wheel messages, editing and navigation keys, printable
// characters (a zeroed key or character is dropped; a wheel the framework
// handled is not passed on). Tab goes only with
// WantTabs, Escape never.
void NativeDefault(TWinControl* Control, const TMessage& Message, bool WantTabs = false);

// Leaves strips of the host window free around the native widget (Left,
// Top, Right and Bottom are the strips' widths): the control's own image
// shows there and the mouse reaches WndProc there. Lasts until the window
// is made again; nothing before the window exists.
void SetNativeMargins(TWinControl* Control, const TRect& Margins);
// Shows or hides the drop button a native combo box draws (a control that
// draws its own in a margin hides it). Lasts until the window is made again.
void SetNativeDropButton(TWinControl* Control, bool Visible);

// Gives the native widget the control's font (on CM_FONTCHANGED and on creation).
void NativeApplyFont(TWinControl* Control);
