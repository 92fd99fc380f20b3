#pragma once
// Hooks for tests: code that runs when a modal window opens, and input
// sent to a control along the same road as real input (capture, window-less
// children, dialog keys, key-down/char/key-up).
#include "platform/controls/Control.h"
#include <functional>

class TCustomForm;
class TWinControl;

// A modal form (Form set) or message box (Form nullptr, Caption and Text set)
// has just opened. The hook can act on it, e.g. set the form's ModalResult.
struct TModalEvent {
    TCustomForm* Form = nullptr;
    QString Caption;
    QString Text;
};
using TModalHook = std::function<void(const TModalEvent& Event)>;

// Installs the hook (empty: none); returns the previous one.
TModalHook SetModalHook(TModalHook Hook);
void RunModalHook(const TModalEvent& Event);

class TScopedModalHook {
public:
    explicit TScopedModalHook(TModalHook Hook) : FPrevious(SetModalHook(std::move(Hook))) {}
    ~TScopedModalHook() { SetModalHook(std::move(FPrevious)); }

private:
    TModalHook FPrevious;
};

// Synthetic input. Points are client coordinates of Control (it may be a
// window-less control; the message then goes through its parent). Shift
// holds the modifier keys for the duration of the call.
namespace SyntheticInput {
void MouseDown(TControl* Control, TMouseButton Button, TPoint P, TShiftState Shift = {});
void MouseUp(TControl* Control, TMouseButton Button, TPoint P, TShiftState Shift = {});
void MouseMove(TControl* Control, TPoint P, TShiftState Shift = {});
// Press and release.
void Click(TControl* Control, TPoint P, TShiftState Shift = {});
// Press, release, double click, release.
void DoubleClick(TControl* Control, TPoint P, TShiftState Shift = {});
// The mouse leaves the control's window.
void MouseLeave(TControl* Control);
// Delta in 1/120 notches, positive away from the user.
void Wheel(TControl* Control, int Delta, TPoint P, TShiftState Shift = {});
// Key down (with Text as the typed characters, none when empty), then key up.
void Key(TWinControl* Control, int VirtualKey, TShiftState Shift = {}, const QString& Text = QString());
void KeyDown(TWinControl* Control, int VirtualKey, TShiftState Shift = {}, const QString& Text = QString(),
             bool AutoRepeat = false);
void KeyUp(TWinControl* Control, int VirtualKey, TShiftState Shift = {});
// Types each character as key down, char, key up.
void Type(TWinControl* Control, const QString& Text);
} // namespace SyntheticInput
