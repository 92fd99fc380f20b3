#pragma once
// The bridge between a control's host window and the native widget that
// fills it: an event filter that routes the widget's input to the control
// and keeps the widget the size of the host.
#include <QWidget>

class QTextCursor;
class TWinControl;

// Puts Widget into the control's host window (which must exist), filling
// it (unless Fill is false: the control places it), as its focus proxy,
// with its input routed to the control.
void AttachNative(TWinControl* Control, QWidget* Widget, bool Fill = true);
// The native widget of a control, nullptr when it has no window yet.
QWidget* NativeWidget(TWinControl* Control);
template <typename W>
W* NativeAs(TWinControl* Control)
{
    return qobject_cast<W*>(NativeWidget(Control));
}

// The text cursor of a control's native text edit (a QPlainTextEdit or a
// QTextEdit); false when it has none.
bool NativeTextCursor(TWinControl* Control, QTextCursor& Cursor);
// Sets the cursor of the control's native text edit, if it has one.
void SetNativeTextCursor(TWinControl* Control, const QTextCursor& Cursor);

// While alive, events sent to native widgets skip the routing (they are
// the control's own default handling).
class NativeForwarding {
public:
    NativeForwarding();
    ~NativeForwarding();
    static bool Active();
};

// Blocks the notifications of a control while the program changes its
// widget (the control sends its own).
class NativeUpdate {
public:
    explicit NativeUpdate(bool& Flag) : FFlag(Flag), FOld(Flag) { FFlag = true; }
    ~NativeUpdate() { FFlag = FOld; }

private:
    bool& FFlag;
    bool FOld;
};
