#include "platform/controls/WinApi.h"
#include "platform/controls/InputState.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"
#include <QCoreApplication>
#include <QEvent>
#include <QHash>
#include <QObject>
#include <QTimerEvent>
#include <vector>

namespace {

const QEvent::Type PostedMessageType = QEvent::Type(QEvent::registerEventType());

class PostedMessageEvent : public QEvent {
public:
    PostedMessageEvent(TControl* target, const TMessage& m)
        : QEvent(PostedMessageType), Target(target), Alive(target->Guard()), Message(m) {}
    TControl* Target;
    TControlGuard Alive;
    TMessage Message;
};

class MessageQueue : public QObject {
public:
    bool event(QEvent* e) override
    {
        if (e->type() != PostedMessageType)
            return QObject::event(e);
        auto* pm = static_cast<PostedMessageEvent*>(e);
        if (pm->Alive.expired())
            return true;
        // A posted key goes through the message loop's key handling
        // (CN_KEYDOWN first), as one from the keyboard does.
        auto* win = dynamic_cast<TWinControl*>(pm->Target);
        if (win && (pm->Message.Msg == WM_KEYDOWN || pm->Message.Msg == WM_SYSKEYDOWN))
            RouteKeyDown(win, pm->Message, QString());
        else
            Deliver(pm->Target, pm->Message);
        return true;
    }
};

MessageQueue& Queue()
{
    static MessageQueue* queue = new MessageQueue;
    return *queue;
}

struct TimerEntry {
    TControl* Control;
    TControlGuard Alive;
    unsigned Id;
    int QtId;
};

class TimerHost : public QObject {
public:
    std::vector<TimerEntry> Entries;

    TimerEntry* Find(const TControl* c, unsigned id)
    {
        for (auto& e : Entries)
            if (e.Control == c && e.Id == id && !e.Alive.expired())
                return &e;
        return nullptr;
    }

    void Purge()
    {
        for (auto it = Entries.begin(); it != Entries.end();) {
            if (it->Alive.expired()) {
                killTimer(it->QtId);
                it = Entries.erase(it);
            } else {
                ++it;
            }
        }
    }

protected:
    void timerEvent(QTimerEvent* e) override
    {
        for (auto& entry : Entries) {
            if (entry.QtId != e->timerId())
                continue;
            if (entry.Alive.expired())
                break;
            TControl* c = entry.Control;
            TMessage m{WM_TIMER, entry.Id, 0, 0};
            Deliver(c, m);
            return;
        }
        Purge();
    }
};

TimerHost& Timers()
{
    static TimerHost* host = new TimerHost;
    return *host;
}

TControl* gCapture = nullptr;
TControlGuard gCaptureAlive;
HWND gGrabbed = nullptr;

} // namespace

InputState& CurrentInput()
{
    static InputState state;
    return state;
}

LRESULT SendMessage(TControl* Control, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    if (!Control)
        return 0;
    return Control->Perform(Msg, WParam, LParam);
}

LRESULT SendMessage(HWND Wnd, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    return SendMessage(FindControl(Wnd), Msg, WParam, LParam);
}

bool PostMessage(TControl* Control, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    if (!Control)
        return false;
    QCoreApplication::postEvent(&Queue(), new PostedMessageEvent(Control, {Msg, WParam, LParam, 0}));
    return true;
}

bool PostMessage(HWND Wnd, unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    return PostMessage(FindControl(Wnd), Msg, WParam, LParam);
}

void DeliverPostedMessages()
{
    QCoreApplication::sendPostedEvents(&Queue(), PostedMessageType);
}

unsigned RegisterWindowMessage(const QString& Name)
{
    static QHash<QString, unsigned> ids;
    QString key = Name.toLower();
    auto it = ids.find(key);
    if (it != ids.end())
        return *it;
    unsigned id = RegisteredMessageBase + unsigned(ids.size());
    ids.insert(key, id);
    return id;
}

unsigned SetTimer(TControl* Control, unsigned IDEvent, unsigned Elapse)
{
    if (!Control)
        return 0;
    TimerHost& t = Timers();
    t.Purge();
    int qtId = t.startTimer(int(std::max(1u, Elapse)));
    if (qtId == 0)
        return 0;
    if (TimerEntry* e = t.Find(Control, IDEvent)) {
        t.killTimer(e->QtId);
        e->QtId = qtId;
    } else {
        t.Entries.push_back({Control, Control->Guard(), IDEvent, qtId});
    }
    return IDEvent;
}

unsigned SetTimer(HWND Wnd, unsigned IDEvent, unsigned Elapse)
{
    return SetTimer(FindControl(Wnd), IDEvent, Elapse);
}

bool KillTimer(TControl* Control, unsigned IDEvent)
{
    TimerHost& t = Timers();
    for (auto it = t.Entries.begin(); it != t.Entries.end(); ++it) {
        if (it->Control == Control && it->Id == IDEvent && !it->Alive.expired()) {
            t.killTimer(it->QtId);
            t.Entries.erase(it);
            return true;
        }
    }
    return false;
}

bool KillTimer(HWND Wnd, unsigned IDEvent)
{
    return KillTimer(FindControl(Wnd), IDEvent);
}

int TimerCount(const TControl* Control)
{
    int n = 0;
    for (const auto& e : Timers().Entries)
        if (e.Control == Control && !e.Alive.expired())
            ++n;
    return n;
}

bool FireTimer(TControl* Control, unsigned IDEvent)
{
    if (!Timers().Find(Control, IDEvent))
        return false;
    TMessage m{WM_TIMER, IDEvent, 0, 0};
    Deliver(Control, m);
    return true;
}

TControl* GetCaptureControl()
{
    return gCaptureAlive.expired() ? nullptr : gCapture;
}

void SetCaptureControl(TControl* Control)
{
    TControl* old = GetCaptureControl();
    gCapture = Control;
    gCaptureAlive = Control ? Control->Guard() : TControlGuard();
    if (old == Control)
        return;
    if (old) {
        auto* w = dynamic_cast<TWinControl*>(Control);
        old->Perform(WM_CAPTURECHANGED, 0, LPARAM(w && w->HandleAllocated() ? w->Handle() : nullptr));
    }
    if (gGrabbed) {
        HostGrabMouse(gGrabbed, false);
        gGrabbed = nullptr;
    }
    // Without a button held Qt has no implicit grab; take the mouse.
    auto* wc = dynamic_cast<TWinControl*>(Control);
    if (wc && wc->HandleAllocated() && !HostMouseButtonsDown() && HostIsVisible(wc->Handle())) {
        gGrabbed = wc->Handle();
        HostGrabMouse(gGrabbed, true);
    }
}

HWND SetCapture(HWND Wnd)
{
    HWND old = GetCapture();
    SetCaptureControl(FindControl(Wnd));
    return old;
}

bool ReleaseCapture()
{
    SetCaptureControl(nullptr);
    return true;
}

HWND GetCapture()
{
    auto* wc = dynamic_cast<TWinControl*>(GetCaptureControl());
    return wc && wc->HandleAllocated() ? wc->Handle() : nullptr;
}

short GetKeyState(int VirtualKey)
{
    const InputState& s = CurrentInput();
    bool down = false;
    switch (VirtualKey) {
    case VK_SHIFT:
    case VK_LSHIFT:
    case VK_RSHIFT: down = s.Shift; break;
    case VK_CONTROL:
    case VK_LCONTROL:
    case VK_RCONTROL: down = s.Ctrl; break;
    case VK_MENU:
    case VK_LMENU: down = s.Alt; break;
    case VK_RMENU: down = s.Alt || s.AltGr; break;
    case VK_LBUTTON: down = s.LButton; break;
    case VK_RBUTTON: down = s.RButton; break;
    case VK_MBUTTON: down = s.MButton; break;
    default: break;
    }
    return down ? short(-32768) : short(0);
}

short GetAsyncKeyState(int VirtualKey) { return GetKeyState(VirtualKey); }

bool GetCursorPos(TPoint* Point)
{
    if (!Point)
        return false;
    *Point = CurrentInput().Cursor;
    return true;
}

TPoint GetCursorPos() { return CurrentInput().Cursor; }

int GetWheelScrollLines() { return HostWheelScrollLines(); }

HWND GetFocus()
{
    TWinControl* c = TWinControl::FocusedControl();
    return c && c->HandleAllocated() ? c->Handle() : nullptr;
}

HWND SetFocus(HWND Wnd)
{
    HWND old = GetFocus();
    if (TWinControl* c = FindControl(Wnd))
        c->SetFocus();
    return old;
}

bool InvalidateRect(HWND Wnd, const TRect* Rect, bool)
{
    TWinControl* c = FindControl(Wnd);
    if (!c)
        return false;
    if (Rect)
        c->InvalidateRect(*Rect);
    else
        c->Invalidate();
    return true;
}

bool UpdateWindow(HWND Wnd)
{
    TWinControl* c = FindControl(Wnd);
    if (c)
        c->Update();
    return c != nullptr;
}

bool IsWindowVisible(HWND Wnd) { return Wnd && HostIsVisible(Wnd); }
bool IsWindowEnabled(HWND Wnd) { return Wnd && HostIsEnabled(Wnd); }

bool EnableWindow(HWND Wnd, bool Enable)
{
    bool was = IsWindowEnabled(Wnd);
    HostSetEnabled(Wnd, Enable);
    return !was;
}

bool GetClientRect(HWND Wnd, TRect* Rect)
{
    TWinControl* c = FindControl(Wnd);
    if (!c || !Rect)
        return false;
    *Rect = c->ClientRect();
    return true;
}

bool GetWindowRect(HWND Wnd, TRect* Rect)
{
    TWinControl* c = FindControl(Wnd);
    if (!c || !Rect)
        return false;
    TPoint o = c->ClientOrigin();
    *Rect = Bounds(o.X, o.Y, c->Width(), c->Height());
    return true;
}

int SetWindowRgn(HWND Wnd, TRegion* Region, bool)
{
    if (!Wnd)
        return 0;
    HostSetShape(Wnd, Region);
    if (Region)
        DeleteObject(Region);
    return 1;
}

bool SetLayeredWindowAttributes(HWND Wnd, unsigned, unsigned char Alpha, unsigned Flags)
{
    if (!Wnd)
        return false;
    if (Flags & LWA_ALPHA)
        HostSetOpacity(Wnd, Alpha / 255.0);
    return true;
}

namespace {
TBeepHook& BeepHook()
{
    static TBeepHook hook;
    return hook;
}
} // namespace

bool MessageBeep(unsigned)
{
    if (BeepHook())
        BeepHook()();
    else
        HostBeep();
    return true;
}

TBeepHook SetBeepHook(TBeepHook Hook)
{
    TBeepHook old = std::move(BeepHook());
    BeepHook() = std::move(Hook);
    return old;
}
