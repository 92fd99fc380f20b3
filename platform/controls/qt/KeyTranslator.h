#pragma once
// Qt key events to the framework's key records. Pure functions: no state,
// no delivery.
#include "platform/controls/Messages.h"
#include <QKeyEvent>
#include <QString>

// The framework's virtual-key code of a Qt key, 0 when it has none.
// Keypad digits and operators map to the VK_NUMPAD* / VK_ADD... codes.
int VirtualKeyFromQt(int QtKey, Qt::KeyboardModifiers Modifiers);

// Alt Gr is a key of its own, not Ctrl+Alt: it adds neither to the shift state.
bool IsAltGr(const QKeyEvent& Event);

struct KeyPressRecords {
    // WM_KEYDOWN, or WM_SYSKEYDOWN with Alt (without Ctrl) held.
    TMessage KeyDown;
    // The characters typed, for WM_CHAR / WM_SYSCHAR; empty for keys that
    // type none (arrows, Delete, Ctrl+Alt combinations).
    QString Chars;
};

KeyPressRecords TranslateKeyPress(const QKeyEvent& Event);
// WM_KEYUP / WM_SYSKEYUP; Msg is WM_NULL for an auto-repeat release, which
// the framework never sees.
TMessage TranslateKeyRelease(const QKeyEvent& Event);
