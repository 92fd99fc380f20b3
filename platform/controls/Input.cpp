#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/InputState.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/controls/ControlHelpers.h"

void SetFocusedWindow(TWinControl* Control);

namespace {

TModalHook& Hook()
{
    static TModalHook hook;
    return hook;
}

// Disabled windows, and the windows of a form that a modal form disabled,
// take no input; nor do windows enabled only after the input was made (it
// waited while the program was busy).
bool TakesInput(TWinControl* c)
{
    const uint64_t made = CurrentInput().MadeTick;
    if (c->HandleAllocated())
        return HostIsEnabled(c->Handle()) && (made == 0 || HostEnabledTick(c->Handle()) <= made);
    for (TControl* p = c; p; p = p->Parent())
        if (!p->EnabledAt(made))
            return false;
    return true;
}

// A window system clock this far ahead of the gap seen so far has been
// restarted or wrapped around: start over from it.
constexpr int64_t ClockRestart = 3600 * 1000;

TPoint MessagePoint(const TMessage& m) { return {LoSigned(WPARAM(m.LParam)), HiSigned(WPARAM(m.LParam))}; }

} // namespace

uint64_t InputClock::TickOf(uint64_t Timestamp, uint64_t Now)
{
    if (Timestamp == 0)
        return Now;
    const int64_t gap = int64_t(Now) - int64_t(Timestamp);
    if (!FKnown || gap < FGap || gap - FGap > ClockRestart) {
        FKnown = true;
        FGap = gap;
    }
    const int64_t made = int64_t(Timestamp) + FGap;
    return made > 0 ? uint64_t(made) : 1;
}

void RouteMouseMessage(TWinControl* Receiver, TMessage& Message)
{
    TWinControl* target = Receiver;
    TControl* capture = GetCaptureControl();
    if (capture && capture != Receiver && !(capture->Parent() == Receiver && !IsWindowed(capture))) {
        TWinControl* win = IsWindowed(capture) ? static_cast<TWinControl*>(capture) : capture->Parent();
        if (win && Message.Msg != WM_MOUSEWHEEL) {
            TPoint screen = Receiver->ClientToScreen(MessagePoint(Message));
            Message.LParam = PointToLParam(win->ScreenToClient(screen));
            Deliver(win, Message);
            return;
        }
    }
    // A disabled window's mouse input goes to the nearest enabled window
    // around it; a disabled form's is dropped. The wheel's point is on the
    // screen already.
    while (target && !TakesInput(target)) {
        TWinControl* parent = target->Parent();
        if (parent && Message.Msg != WM_MOUSEWHEEL)
            Message.LParam = PointToLParam(parent->ScreenToClient(target->ClientToScreen(MessagePoint(Message))));
        target = parent;
    }
    if (target)
        Deliver(target, Message);
}

void RouteKeyDown(TWinControl* Receiver, const TMessage& KeyDown, const QString& Chars)
{
    if (!TakesInput(Receiver))
        return;
    bool sys = KeyDown.Msg == WM_SYSKEYDOWN;
    if (KeyDown.WParam != 0) {
        TMessage cn{CN_BASE + KeyDown.Msg, KeyDown.WParam, KeyDown.LParam, 0};
        if (!Deliver(Receiver, cn) || cn.Result != 0)
            return;
        TMessage m = KeyDown;
        if (!Deliver(Receiver, m) || (m.WParam & 0xFFFF) == 0)
            return;
    }
    for (QChar ch : Chars) {
        TMessage cn{sys ? CN_SYSCHAR : CN_CHAR, ch.unicode(), KeyDown.LParam, 0};
        if (!Deliver(Receiver, cn))
            return;
        if (cn.Result != 0)
            continue;
        TMessage m{sys ? WM_SYSCHAR : WM_CHAR, ch.unicode(), KeyDown.LParam, 0};
        if (!Deliver(Receiver, m))
            return;
    }
}

void RouteKeyUp(TWinControl* Receiver, const TMessage& KeyUp)
{
    if (KeyUp.WParam == 0 || !TakesInput(Receiver))
        return;
    TMessage m = KeyUp;
    Deliver(Receiver, m);
}

void WindowFocusIn(TWinControl* Control)
{
    if (TWinControl::FocusedControl() != Control)
        SetFocusedWindow(Control);
}

void WindowFocusOut(TWinControl* Control, TWinControl* NewFocus, bool WindowDeactivated)
{
    if (TWinControl::FocusedControl() != Control)
        return;
    if (NewFocus) {
        SetFocusedWindow(NewFocus);
    } else if (WindowDeactivated) {
        // The application lost the keyboard: the control hears about it and
        // gets WM_SETFOCUS again when its window comes back.
        SetFocusedWindow(nullptr);
    }
}

void ActivateModalForm()
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->FormState().Contains(fsModal) && f->Visible() && f->HandleAllocated() && HostIsEnabled(f->Handle())) {
            HostActivate(f->Handle());
            return;
        }
    }
}

// Modal hook

TModalHook SetModalHook(TModalHook NewHook)
{
    TModalHook old = std::move(Hook());
    Hook() = std::move(NewHook);
    return old;
}

void RunModalHook(const TModalEvent& Event)
{
    if (Hook()) {
        TModalHook hook = Hook();
        hook(Event);
    }
}

// Synthetic input

namespace SyntheticInput {
namespace {

// Holds the modifier keys (and mouse buttons) for the duration of a call.
class HeldKeys {
public:
    explicit HeldKeys(TShiftState s) : FSaved(CurrentInput())
    {
        InputState& in = CurrentInput();
        in.Shift = s.Contains(ssShift);
        in.Ctrl = s.Contains(ssCtrl);
        in.Alt = s.Contains(ssAlt);
        in.AltGr = false;
    }
    ~HeldKeys()
    {
        InputState& in = CurrentInput();
        in.Shift = FSaved.Shift;
        in.Ctrl = FSaved.Ctrl;
        in.Alt = FSaved.Alt;
        in.AltGr = FSaved.AltGr;
    }

private:
    InputState FSaved;
};

void SendMouse(TControl* Control, unsigned Msg, TPoint P, TShiftState Shift)
{
    TWinControl* receiver = IsWindowed(Control) ? static_cast<TWinControl*>(Control) : Control->Parent();
    if (!receiver)
        return;
    if (receiver != Control)
        P = {P.X + Control->Left(), P.Y + Control->Top()};
    InputState& in = CurrentInput();
    switch (Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: in.LButton = true; break;
    case WM_LBUTTONUP: in.LButton = false; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: in.RButton = true; break;
    case WM_RBUTTONUP: in.RButton = false; break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: in.MButton = true; break;
    case WM_MBUTTONUP: in.MButton = false; break;
    }
    TShiftState state = Shift;
    if (in.LButton)
        state += ssLeft;
    if (in.RButton)
        state += ssRight;
    if (in.MButton)
        state += ssMiddle;
    in.Cursor = receiver->ClientToScreen(P);
    in.CursorKnown = true;
    TMessage m{Msg, WPARAM(ShiftStateToKeys(state)), PointToLParam(P), 0};
    RouteMouseMessage(receiver, m);
}

unsigned ButtonMsg(TMouseButton b, unsigned left)
{
    return left + unsigned(b) * (WM_RBUTTONDOWN - WM_LBUTTONDOWN);
}

LPARAM KeyData(TShiftState Shift, bool repeat, bool up)
{
    LPARAM d = 1;
    if (Shift.Contains(ssAlt))
        d |= KF_ALTDOWN_BIT;
    if (repeat)
        d |= KF_REPEAT_BIT;
    if (up)
        d |= KF_UP_BIT;
    return d;
}

bool IsSys(TShiftState Shift) { return Shift.Contains(ssAlt) && !Shift.Contains(ssCtrl); }

} // namespace

void MouseDown(TControl* Control, TMouseButton Button, TPoint P, TShiftState Shift)
{
    HeldKeys held(Shift);
    SendMouse(Control, ButtonMsg(Button, WM_LBUTTONDOWN), P, Shift);
}

void MouseUp(TControl* Control, TMouseButton Button, TPoint P, TShiftState Shift)
{
    HeldKeys held(Shift);
    SendMouse(Control, ButtonMsg(Button, WM_LBUTTONUP), P, Shift);
}

void MouseMove(TControl* Control, TPoint P, TShiftState Shift)
{
    HeldKeys held(Shift);
    SendMouse(Control, WM_MOUSEMOVE, P, Shift);
}

void Click(TControl* Control, TPoint P, TShiftState Shift)
{
    TControlGuard alive = Control->Guard();
    MouseDown(Control, mbLeft, P, Shift);
    if (!alive.expired())
        MouseUp(Control, mbLeft, P, Shift);
}

void DoubleClick(TControl* Control, TPoint P, TShiftState Shift)
{
    TControlGuard alive = Control->Guard();
    HeldKeys held(Shift);
    const unsigned seq[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    for (unsigned msg : seq) {
        if (alive.expired())
            return;
        SendMouse(Control, msg, P, Shift);
    }
}

void MouseLeave(TControl* Control)
{
    TWinControl* win = IsWindowed(Control) ? static_cast<TWinControl*>(Control) : Control->Parent();
    if (win)
        Application->MouseLeftWindow(win);
}

void Wheel(TControl* Control, int Delta, TPoint P, TShiftState Shift)
{
    HeldKeys held(Shift);
    TWinControl* receiver = IsWindowed(Control) ? static_cast<TWinControl*>(Control) : Control->Parent();
    if (!receiver)
        return;
    if (receiver != Control)
        P = {P.X + Control->Left(), P.Y + Control->Top()};
    TPoint screen = receiver->ClientToScreen(P);
    TMessage m{WM_MOUSEWHEEL, MakeWParam(ShiftStateToKeys(Shift), Delta), PointToLParam(screen), 0};
    RouteMouseMessage(receiver, m);
}

void KeyDown(TWinControl* Control, int VirtualKey, TShiftState Shift, const QString& Text, bool AutoRepeat)
{
    HeldKeys held(Shift);
    TMessage m{IsSys(Shift) ? WM_SYSKEYDOWN : WM_KEYDOWN, WPARAM(VirtualKey), KeyData(Shift, AutoRepeat, false), 0};
    RouteKeyDown(Control, m, Text);
}

void KeyUp(TWinControl* Control, int VirtualKey, TShiftState Shift)
{
    HeldKeys held(Shift);
    TMessage m{IsSys(Shift) ? WM_SYSKEYUP : WM_KEYUP, WPARAM(VirtualKey), KeyData(Shift, true, true), 0};
    RouteKeyUp(Control, m);
}

void Key(TWinControl* Control, int VirtualKey, TShiftState Shift, const QString& Text)
{
    TControlGuard alive = Control->Guard();
    KeyDown(Control, VirtualKey, Shift, Text);
    if (!alive.expired())
        KeyUp(Control, VirtualKey, Shift);
}

void Type(TWinControl* Control, const QString& Text)
{
    TControlGuard alive = Control->Guard();
    for (QChar ch : Text) {
        if (alive.expired())
            return;
        int vk = 0;
        TShiftState shift;
        if (ch.isLetter() && ch.unicode() < 128) {
            vk = ch.toUpper().unicode();
            if (ch.isUpper())
                shift += ssShift;
        } else if (ch.isDigit() && ch.unicode() < 128) {
            vk = ch.unicode();
        } else if (ch == QLatin1Char(' ')) {
            vk = VK_SPACE;
        }
        Key(Control, vk, shift, QString(ch));
    }
}

} // namespace SyntheticInput
