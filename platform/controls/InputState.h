#pragma once
// The keyboard and mouse state the layer has seen, behind GetKeyState and
// GetCursorPos. Hosts update it from every input event; synthetic input
// sets it the same way.
#include "platform/rtl/Types.h"

struct InputState {
    bool Shift = false;
    bool Ctrl = false;
    bool Alt = false;
    // Alt Gr is kept apart: it reports neither Ctrl nor Alt.
    bool AltGr = false;
    bool LButton = false;
    bool RButton = false;
    bool MButton = false;
    TPoint Cursor;
    bool CursorKnown = false;
};

InputState& CurrentInput();

#include "platform/controls/Messages.h"
#include <QString>

class TControl;
class TWinControl;

// The one road of input into the controls, shared by the hosts and by
// synthetic input.
// A mouse or wheel message for Receiver's window; goes to the capture holder
// when another control has the capture (coordinates converted), otherwise
// to the nearest enabled window from Receiver outwards (none while its form
// is disabled by a modal form).
void RouteMouseMessage(TWinControl* Receiver, TMessage& Message);
// CN_KEYDOWN, WM_KEYDOWN, then per character CN_CHAR and WM_CHAR unless the
// key-down handler zeroed the key (the SYS forms when KeyDown is WM_SYSKEYDOWN).
// Keys for a disabled window are dropped.
void RouteKeyDown(TWinControl* Receiver, const TMessage& KeyDown, const QString& Chars);
void RouteKeyUp(TWinControl* Receiver, const TMessage& KeyUp);
// The window system moved its focus into / out of a control's window.
void WindowFocusIn(TWinControl* Control);
void WindowFocusOut(TWinControl* Control, TWinControl* NewFocus, bool WindowDeactivated);
// The window system activated a form that a modal form disabled: the
// innermost modal form takes the activation instead.
void ActivateModalForm();
