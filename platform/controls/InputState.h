#pragma once
// The keyboard and mouse state the layer has seen, behind GetKeyState and
// GetCursorPos. Hosts update it from every input event; synthetic input
// sets it the same way.
#include "platform/rtl/Types.h"
#include <cstdint>

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
    // The tick (GetTickCount64) at which the input being routed was made;
    // 0 while it is made now. A control enabled after it does not take it.
    uint64_t MadeTick = 0;
};

InputState& CurrentInput();

// Places the window system's input timestamps (milliseconds from an unknown
// start) on the tick clock. The smallest gap seen between a timestamp and
// its delivery is taken as the distance between the clocks, so an event
// delivered late, while the program was busy, gets about the tick it was
// made at, never a later one than its delivery.
class InputClock {
public:
    // The tick at which an event stamped Timestamp and delivered at Now was
    // made; Now when Timestamp is 0 (unknown).
    uint64_t TickOf(uint64_t Timestamp, uint64_t Now);
    void Reset() { FKnown = false; }

private:
    bool FKnown = false;
    int64_t FGap = 0;
};

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
