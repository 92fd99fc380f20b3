#include "platform/controls/qt/NativeWidget.h"
#include "platform/controls/InputState.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/KeyTranslator.h"
#include "platform/controls/qt/MouseTranslator.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/qt/CanvasState.h"
#include <QApplication>
#include <QMargins>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace {

int gForwarding = 0;

// The link object lives as a child of the host.
class NativeLink : public QObject {
public:
    NativeLink(TWinControl* Control, WidgetHost* Host, QWidget* Widget, bool Fill)
        : QObject(Host), FControl(Control), FHost(Host), FWidget(Widget), FFill(Fill)
    {
        Host->installEventFilter(this);
        Watch(Widget);
    }

    QWidget* Widget() const { return FWidget; }
    void SetMargins(const QMargins& Margins)
    {
        FMargins = Margins;
        if (FWidget && FFill)
            FWidget->setGeometry(FHost->rect().marginsRemoved(FMargins));
    }

protected:
    bool eventFilter(QObject* Object, QEvent* Event) override;

private:
    void Watch(QWidget* w)
    {
        w->installEventFilter(this);
        for (QWidget* c : w->findChildren<QWidget*>())
            c->installEventFilter(this);
    }
    bool Routed(QWidget* w) const { return w && !w->isWindow() && w->window() == FHost->window(); }

    TWinControl* FControl;
    WidgetHost* FHost;
    QPointer<QWidget> FWidget;
    bool FFill;
    QMargins FMargins;
};

bool NativeLink::eventFilter(QObject* Object, QEvent* Event)
{
    if (Object == FHost) {
        if (Event->type() == QEvent::Resize && FWidget && FFill)
            FWidget->setGeometry(FHost->rect().marginsRemoved(FMargins));
        return false;
    }
    auto* w = qobject_cast<QWidget*>(Object);
    if (Event->type() == QEvent::ChildAdded) {
        if (auto* c = qobject_cast<QWidget*>(static_cast<QChildEvent*>(Event)->child()))
            c->installEventFilter(this);
        return false;
    }
    if (!FHost->Control() || !Routed(w))
        return false;
    // The widget takes the focus events too; the control hears of them.
    if (Event->type() == QEvent::FocusIn || Event->type() == QEvent::FocusOut) {
        FHost->RouteFocus(static_cast<QFocusEvent*>(Event));
        return false;
    }
    // Events the control's own default handling forwards go to the widget.
    if (gForwarding > 0)
        return false;
    try {
        return FHost->RouteInput(w, Event);
    } catch (...) {
        HandleCurrentException(nullptr);
        return true;
    }
}

NativeLink* LinkOf(TWinControl* Control)
{
    if (!Control || !Control->HandleAllocated())
        return nullptr;
    for (QObject* child : Control->Handle()->children())
        if (auto* link = dynamic_cast<NativeLink*>(child))
            return link;
    return nullptr;
}

int QtKeyFromVirtual(int vk)
{
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9'))
        return vk;
    if (vk >= VK_F1 && vk <= VK_F24)
        return Qt::Key_F1 + (vk - VK_F1);
    switch (vk) {
    case VK_BACK: return Qt::Key_Backspace;
    case VK_TAB: return Qt::Key_Tab;
    case VK_RETURN: return Qt::Key_Return;
    case VK_SPACE: return Qt::Key_Space;
    case VK_PRIOR: return Qt::Key_PageUp;
    case VK_NEXT: return Qt::Key_PageDown;
    case VK_END: return Qt::Key_End;
    case VK_HOME: return Qt::Key_Home;
    case VK_LEFT: return Qt::Key_Left;
    case VK_UP: return Qt::Key_Up;
    case VK_RIGHT: return Qt::Key_Right;
    case VK_DOWN: return Qt::Key_Down;
    case VK_INSERT: return Qt::Key_Insert;
    case VK_DELETE: return Qt::Key_Delete;
    default: return 0;
    }
}

Qt::KeyboardModifiers Modifiers()
{
    const InputState& in = CurrentInput();
    Qt::KeyboardModifiers m;
    if (in.Shift)
        m |= Qt::ShiftModifier;
    if (in.Ctrl)
        m |= Qt::ControlModifier;
    if (in.Alt)
        m |= Qt::AltModifier;
    return m;
}

Qt::MouseButtons ButtonsFromKeys(int keys)
{
    Qt::MouseButtons b;
    if (keys & MK_LBUTTON)
        b |= Qt::LeftButton;
    if (keys & MK_RBUTTON)
        b |= Qt::RightButton;
    if (keys & MK_MBUTTON)
        b |= Qt::MiddleButton;
    return b;
}

// Keys go straight to the widget's own handling: a key it ignores must not
// travel up to the host, which would route it to the control again.
void Send(QWidget* w, QEvent* e) { static_cast<QObject*>(w)->event(e); }

// Mouse events pass the event filters (scroll areas handle their viewport's
// mouse there); the attached widget stops their travel up (see AttachNative).
void SendMouse(QWidget* w, QEvent* e) { QCoreApplication::sendEvent(w, e); }

// The widget under a host point, and the point in its coordinates.
QWidget* TargetAt(QWidget* host, QWidget* widget, QPoint& p)
{
    QPoint inWidget = widget->mapFrom(host, p);
    QWidget* t = widget->childAt(inWidget);
    if (!t || t->isWindow())
        t = widget;
    p = t->mapFrom(host, p);
    return t;
}

// The widget a forwarded press went to gets the moves and the release
// until then, as Qt's own mouse grab would give them.
QPointer<QWidget> gPressTarget;

void ForwardMouse(QWidget* host, QWidget* widget, const TMessage& m)
{
    TWMMouse r(m);
    QPoint p(r.XPos, r.YPos);
    QWidget* t = nullptr;
    bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_RBUTTONDOWN || m.Msg == WM_MBUTTONDOWN
                 || m.Msg == WM_LBUTTONDBLCLK;
    if (!press && gPressTarget && widget->isAncestorOf(gPressTarget)) {
        t = gPressTarget;
        p = t->mapFrom(host, p);
    } else if (!press && gPressTarget == widget) {
        t = widget;
        p = t->mapFrom(host, p);
    } else {
        t = TargetAt(host, widget, p);
    }
    if (press)
        gPressTarget = t;
    QEvent::Type type = QEvent::MouseMove;
    Qt::MouseButton button = Qt::NoButton;
    switch (m.Msg) {
    case WM_LBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::LeftButton; break;
    case WM_LBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::LeftButton; break;
    case WM_LBUTTONDBLCLK: type = QEvent::MouseButtonDblClick; button = Qt::LeftButton; break;
    case WM_RBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::RightButton; break;
    case WM_RBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::RightButton; break;
    case WM_MBUTTONDOWN: type = QEvent::MouseButtonPress; button = Qt::MiddleButton; break;
    case WM_MBUTTONUP: type = QEvent::MouseButtonRelease; button = Qt::MiddleButton; break;
    default: break;
    }
    Qt::MouseButtons buttons = ButtonsFromKeys(r.Keys);
    if (type == QEvent::MouseButtonRelease)
        buttons &= ~button;
    else if (button != Qt::NoButton)
        buttons |= button;
    QMouseEvent e(type, QPointF(p), QPointF(t->mapToGlobal(p)), button, buttons, Modifiers());
    QPointer<QWidget> target = t;
    SendMouse(t, &e);
    if (type == QEvent::MouseButtonRelease && !buttons && gPressTarget == target)
        gPressTarget = nullptr;
}

void ForwardWheel(QWidget* host, QWidget* widget, const TMessage& m)
{
    TWMMouseWheel r(m);
    QPoint p = host->mapFromGlobal(QPoint(r.XPos, r.YPos));
    QWidget* t = TargetAt(host, widget, p);
    QWheelEvent e(QPointF(p), QPointF(r.XPos, r.YPos), QPoint(), QPoint(0, r.WheelDelta), ButtonsFromKeys(r.Keys),
                  Modifiers(), Qt::NoScrollPhase, false);
    SendMouse(t, &e);
}

// Keys go where the widget keeps its focus.
QWidget* KeyTarget(QWidget* widget) { return widget->focusProxy() ? widget->focusProxy() : widget; }

void ForwardKey(QWidget* widget, const TMessage& m, bool WantTabs)
{
    int vk = int(m.WParam & 0xFFFF);
    if (vk == 0)
        return;
    bool up = m.Msg == WM_KEYUP || m.Msg == WM_SYSKEYUP;
    Qt::KeyboardModifiers mods = Modifiers();
    bool command = mods & (Qt::ControlModifier | Qt::AltModifier);
    // Keys that type a character wait for their WM_CHAR.
    bool typing = (vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9') || vk == VK_SPACE;
    if ((typing && !command) || vk == VK_ESCAPE || (vk == VK_TAB && !WantTabs))
        return;
    int key = QtKeyFromVirtual(vk);
    if (!key)
        return;
    // A tab is typed from its key event, so the event carries its text.
    QString text = key == Qt::Key_Tab && !command ? QStringLiteral("\t") : QString();
    QKeyEvent e(up ? QEvent::KeyRelease : QEvent::KeyPress, key, mods, text);
    Send(KeyTarget(widget), &e);
}

void ForwardChar(QWidget* widget, const TMessage& m)
{
    QChar ch(char16_t(m.WParam & 0xFFFF));
    if (ch.unicode() < 0x20 || ch.unicode() == 0x7F)
        return;
    QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
    Send(KeyTarget(widget), &e);
}

} // namespace

void AttachNative(TWinControl* Control, QWidget* Widget, bool Fill)
{
    WidgetHost* host = Control->Handle();
    Widget->setParent(host);
    if (Fill)
        Widget->setGeometry(host->rect());
    Widget->setFocusPolicy(Qt::StrongFocus);
    // Mouse events the widget ignores end here instead of reaching the host.
    Widget->setAttribute(Qt::WA_NoMousePropagation);
    host->setFocusProxy(Widget);
    new NativeLink(Control, host, Widget, Fill);
    Widget->show();
}

void SetNativeMargins(TWinControl* Control, const TRect& Margins)
{
    if (NativeLink* link = LinkOf(Control))
        link->SetMargins(QMargins(Margins.Left, Margins.Top, Margins.Right, Margins.Bottom));
}

QWidget* NativeWidget(TWinControl* Control)
{
    NativeLink* link = LinkOf(Control);
    return link ? link->Widget() : nullptr;
}

bool NativeTextCursor(TWinControl* Control, QTextCursor& Cursor)
{
    if (auto* plain = NativeAs<QPlainTextEdit>(Control))
        Cursor = plain->textCursor();
    else if (auto* rich = NativeAs<QTextEdit>(Control))
        Cursor = rich->textCursor();
    else
        return false;
    return true;
}

void SetNativeTextCursor(TWinControl* Control, const QTextCursor& Cursor)
{
    if (auto* plain = NativeAs<QPlainTextEdit>(Control))
        plain->setTextCursor(Cursor);
    else if (auto* rich = NativeAs<QTextEdit>(Control))
        rich->setTextCursor(Cursor);
}

NativeForwarding::NativeForwarding() { ++gForwarding; }
NativeForwarding::~NativeForwarding() { --gForwarding; }
bool NativeForwarding::Active() { return gForwarding > 0; }

// Framework side

void SendCommandNotify(TWinControl* Control, int NotifyCode)
{
    TControlGuard alive = Control->Guard();
    WPARAM w = MakeWParam(0, NotifyCode);
    LPARAM l = LPARAM(Control->HandleAllocated() ? Control->Handle() : nullptr);
    if (TWinControl* parent = Control->Parent()) {
        TMessage m{WM_COMMAND, w, l, 0};
        Deliver(parent, m);
    }
    if (alive.expired())
        return;
    TMessage cn{CN_COMMAND, w, l, 0};
    Deliver(Control, cn);
}

bool IsNativeInput(unsigned Msg)
{
    return (Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST) || Msg == WM_KEYDOWN || Msg == WM_KEYUP
           || Msg == WM_SYSKEYDOWN || Msg == WM_SYSKEYUP || Msg == WM_CHAR;
}

void NativeWndProc(TWinControl* Control, TMessage& Message, const std::function<void()>& Base)
{
    TControlGuard alive = Control->Guard();
    Base();
    if (!alive.expired() && IsNativeInput(Message.Msg))
        NativeDefault(Control, Message);
}

void NativeDefault(TWinControl* Control, const TMessage& Message, bool WantTabs)
{
    NativeLink* link = LinkOf(Control);
    if (!link || !link->Widget())
        return;
    QWidget* host = Control->Handle();
    QWidget* widget = link->Widget();
    NativeForwarding forwarding;
    switch (Message.Msg) {
    case WM_MOUSEWHEEL:
        // A wheel a parent has taken (scrolling its view) stays there.
        if (Message.Result == 0)
            ForwardWheel(host, widget, Message);
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: ForwardKey(widget, Message, WantTabs); break;
    case WM_CHAR: ForwardChar(widget, Message); break;
    default:
        if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST)
            ForwardMouse(host, widget, Message);
        break;
    }
}

void NativeApplyFont(TWinControl* Control)
{
    if (QWidget* w = NativeWidget(Control))
        if (Control->Font())
            w->setFont(ToQFont(*Control->Font()));
}
