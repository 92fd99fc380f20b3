#pragma once
// Qt mouse and wheel events to the framework's mouse records. Pure
// functions apart from the wheel accumulator each window keeps.
#include "platform/controls/Messages.h"
#include <QMouseEvent>
#include <QWheelEvent>

// MK_* flags of the buttons and modifiers.
int MouseKeysFromQt(Qt::MouseButtons Buttons, Qt::KeyboardModifiers Modifiers);

// Press, release and double click of the left, right and middle buttons
// (Qt sends press, release, double click, release, as the framework does);
// WM_MOUSEMOVE for moves. Coordinates are signed client pixels, so moves
// outside the window while a button is held keep their sign. Msg is
// WM_NULL for other buttons.
TMessage TranslateMouse(const QMouseEvent& Event);

// Collects wheel deltas: a mouse sends whole notches of 120, a touchpad
// sends fractions, which are passed on once they add up to a notch.
class WheelAccumulator {
public:
    // The whole notches (multiple of 120) to deliver now, 0 when none.
    int Add(int Delta);
    void Reset() { FRemainder = 0; }

private:
    int FRemainder = 0;
};

// WM_MOUSEWHEEL with the screen position; Msg is WM_NULL until a notch is full.
TMessage TranslateWheel(const QWheelEvent& Event, WheelAccumulator& Accumulator);
