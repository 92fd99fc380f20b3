#include "platform/controls/qt/WidgetHost.h"
#include "platform/controls/Application.h"
#include "platform/controls/InputState.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/controls/qt/CursorImages.h"
#include "platform/controls/qt/KeyTranslator.h"
#include "platform/graphics/qt/CanvasState.h"
#include "platform/rtl/Clock.h"
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPainter>
#include <QPaintEvent>
#include <QPointer>
#include <QScreen>
#include <QThread>
#include <QWindow>
#include <cmath>
#include <vector>

namespace {

QRect ToQRect(const TRect& r) { return QRect(r.Left, r.Top, r.Width(), r.Height()); }
TRect FromQRect(const QRect& r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

WidgetHost* H(HWND w) { return static_cast<WidgetHost*>(w); }

Qt::CursorShape CursorShape(int c)
{
    switch (c) {
    case crNone: return Qt::BlankCursor;
    case crCross: return Qt::CrossCursor;
    case crIBeam: return Qt::IBeamCursor;
    case crSizeNESW: return Qt::SizeBDiagCursor;
    case crSizeNS: return Qt::SizeVerCursor;
    case crSizeNWSE: return Qt::SizeFDiagCursor;
    case crSizeWE: return Qt::SizeHorCursor;
    case crUpArrow: return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait: return Qt::WaitCursor;
    case crDrag: return Qt::DragMoveCursor;
    case crMultiDrag: return Qt::DragCopyCursor;
    case crNoDrop:
    case crNo: return Qt::ForbiddenCursor;
    case crHSplit: return Qt::SplitHCursor;
    case crVSplit: return Qt::SplitVCursor;
    case crAppStart: return Qt::BusyCursor;
    case crHelp: return Qt::WhatsThisCursor;
    case crHandPoint: return Qt::PointingHandCursor;
    case crSizeAll: return Qt::SizeAllCursor;
    default: return Qt::ArrowCursor;
    }
}

Qt::WindowFlags WindowFlags(const HostParams& p)
{
    if (!p.TopLevel)
        return Qt::Widget;
    if (p.Frameless && p.NoActivate && p.Tool)
        return Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
               | Qt::WindowDoesNotAcceptFocus;
    Qt::WindowFlags f = p.Dialog ? Qt::Dialog : (p.Tool ? Qt::Tool : Qt::Window);
    if (p.Frameless)
        f |= Qt::FramelessWindowHint;
    else {
        f |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (p.SystemMenu)
            f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (p.MinimizeButton)
            f |= Qt::WindowMinimizeButtonHint;
        if (p.MaximizeButton)
            f |= Qt::WindowMaximizeButtonHint;
        if (p.HelpButton)
            f |= Qt::WindowContextHelpButtonHint;
    }
    if (p.StayOnTop)
        f |= Qt::WindowStaysOnTopHint;
    if (p.NoActivate)
        f |= Qt::WindowDoesNotAcceptFocus;
    if (p.TransparentForInput)
        f |= Qt::WindowTransparentForInput;
    return f;
}

// Raises so far, to keep the order of windows raised together.
quint64 RaiseCount = 0;

std::vector<WidgetHost*> VisibleTopLevelHosts()
{
    std::vector<WidgetHost*> hosts;
    if (!QApplication::instance())
        return hosts;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* h = dynamic_cast<WidgetHost*>(w); h && h->isVisible())
            hosts.push_back(h);
    return hosts;
}

} // namespace

// WidgetHost

WidgetHost::WidgetHost(TWinControl* Control, QWidget* Parent, const HostParams& Params)
    : QWidget(Parent, WindowFlags(Params)), FControl(Control), FParams(Params)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Params.NoActivate ? Qt::NoFocus : Qt::TabFocus);
    if (Params.NoActivate)
        setAttribute(Qt::WA_ShowWithoutActivating);
    if (Params.TopLevel)
        setAttribute(Qt::WA_QuitOnClose, false);
}

WidgetHost::~WidgetHost()
{
    if (FControl)
        FControl->SetHandle(nullptr);
    FControl = nullptr;
    // The children go while this is still a host: the filter of a native
    // widget inside asks it for its control while the widget goes.
    while (!children().isEmpty())
        delete children().constLast();
}

WidgetHost* WidgetHost::Of(QWidget* Widget)
{
    for (QWidget* w = Widget; w; w = w->parentWidget())
        if (auto* h = dynamic_cast<WidgetHost*>(w))
            return h;
    return nullptr;
}

// Stacking

void WidgetHost::SetOwner(WidgetHost* Owner)
{
    if (Owner)
        Owner = dynamic_cast<WidgetHost*>(Owner->window());
    if (Owner == FOwner || !isWindow() || Owner == this || (Owner && Owns(Owner)))
        return;
    FOwner = Owner;
    ApplyTransientParent();
}

bool WidgetHost::Owns(const WidgetHost* Other) const
{
    // The depth bound only guards against a loop.
    int depth = 0;
    for (WidgetHost* o = Other ? Other->FOwner.data() : nullptr; o && depth < 64; o = o->FOwner, ++depth)
        if (o == this)
            return true;
    return false;
}

void WidgetHost::ApplyTransientParent()
{
    QWindow* handle = windowHandle();
    if (!handle)
        return;
    QWindow* owner = FOwner ? FOwner->windowHandle() : nullptr;
    if (handle->transientParent() != owner)
        handle->setTransientParent(owner);
}

bool WidgetHost::StaysOnTop() const
{
    return windowFlags() & Qt::WindowStaysOnTopHint;
}

void WidgetHost::RaiseWindow()
{
    raise();
    if (isWindow())
        RestackAbove();
}

void WidgetHost::RestackAbove()
{
    FRaised = ++RaiseCount;
    std::vector<WidgetHost*> owned;
    std::vector<WidgetHost*> onTop;
    for (WidgetHost* h : VisibleTopLevelHosts()) {
        if (h == this)
            continue;
        if (Owns(h))
            owned.push_back(h);
        else if (h->StaysOnTop() && !StaysOnTop() && !h->Owns(this))
            onTop.push_back(h);
    }
    auto byRaise = [](const WidgetHost* a, const WidgetHost* b) { return a->FRaised < b->FRaised; };
    std::stable_sort(owned.begin(), owned.end(), byRaise);
    std::stable_sort(onTop.begin(), onTop.end(), byRaise);
    for (WidgetHost* h : owned) {
        h->raise();
        h->FRaised = ++RaiseCount;
    }
    // A stay-on-top window brings what it owns along.
    for (WidgetHost* h : onTop)
        if (!h->FOwner || !h->FOwner->StaysOnTop() || !h->FOwner->isVisible())
            h->RaiseWindow();
}

void WidgetHost::AddDirty(const QRect& Rect)
{
    QRect r = Rect.intersected(QRect(QPoint(0, 0), FSurface.Size()));
    if (r.isEmpty())
        return;
    FDirty += r;
    update(r.translated(0, FTopInset));
}

void WidgetHost::PaintPending()
{
    if (FPainting || FDirty.isEmpty() || !FControl)
        return;
    QRect r = FDirty.boundingRect();
    FDirty = QRegion();
    FPainting = true;
    TWinControl* c = FControl;
    TControlGuard alive = c->Guard();
    c->FPaintRect = FromQRect(r);
    // One painter for the whole pass: every canvas operation inside shares it.
    QPointer<WidgetHost> self(this);
    QPainter* pass = FSurface.BeginPaint();
    TMessage m{WM_PAINT, 0, 0, 0};
    Deliver(c, m);
    if (!self)
        return;
    FSurface.EndPaint(pass);
    if (!alive.expired())
        c->FPaintRect = {};
    FPainting = false;
}

void WidgetHost::SyncSurfaceSize(const QSize& Size)
{
    if (FSurface.Size() == Size)
        return;
    QSize old = FSurface.Size();
    FSurface.Resize(Size.width(), Size.height());
    QRegion fresh = QRegion(QRect(QPoint(0, 0), Size)) - QRegion(QRect(QPoint(0, 0), old));
    for (const QRect& r : fresh)
        AddDirty(r);
}

void WidgetHost::SetTopInset(int Inset)
{
    if (FTopInset == Inset)
        return;
    int delta = Inset - FTopInset;
    FTopInset = Inset;
    for (QObject* o : children())
        if (auto* child = dynamic_cast<WidgetHost*>(o))
            child->move(child->pos() + QPoint(0, delta));
    SyncSurfaceSize(ClientSize());
    AddDirty(QRect(QPoint(0, 0), FSurface.Size()));
}

void WidgetHost::SetMenuBar(QMenuBar* Bar)
{
    if (FMenuBar == Bar)
        return;
    FMenuMap.clear();
    // Later: the old bar may be inside its own event handling.
    if (FMenuBar) {
        FMenuBar->hide();
        FMenuBar->deleteLater();
    }
    FMenuBar = Bar;
}

void WidgetHost::ApplyCursor(int Cursor)
{
    if (FCursor == Cursor)
        return;
    FCursor = Cursor;
    if (Cursor == crDefault)
        unsetCursor();
    else
        setCursor(HostCursor(Cursor, CursorShape(Cursor)));
}

void WidgetHost::UpdateInput(Qt::KeyboardModifiers Modifiers, Qt::MouseButtons Buttons, bool AltGr)
{
    InputState& in = CurrentInput();
    in.AltGr = AltGr || (Modifiers & Qt::GroupSwitchModifier);
    in.Shift = Modifiers & Qt::ShiftModifier;
    in.Ctrl = (Modifiers & Qt::ControlModifier) && !in.AltGr;
    in.Alt = (Modifiers & Qt::AltModifier) && !in.AltGr;
    in.LButton = Buttons & Qt::LeftButton;
    in.RButton = Buttons & Qt::RightButton;
    in.MButton = Buttons & Qt::MiddleButton;
}

bool WidgetHost::event(QEvent* Event)
{
    // The road from the event loop into the control's code.
    try {
        return HostEvent(Event);
    } catch (...) {
        HandleCurrentException(nullptr);
        return true;
    }
}

bool WidgetHost::HostEvent(QEvent* Event)
{
    if (!FControl)
        return QWidget::event(Event);
    if (RouteInput(this, Event))
        return true;
    switch (Event->type()) {
    case QEvent::Leave:
        Application->MouseLeftWindow(FControl);
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        RouteFocus(static_cast<QFocusEvent*>(Event));
        return true;
    case QEvent::Paint:
        PaintEvent(static_cast<QPaintEvent*>(Event));
        return true;
    case QEvent::Resize:
        ResizedEvent();
        return true;
    case QEvent::Show:
        // The native window exists now and is not on the screen yet.
        if (isWindow())
            ApplyTransientParent();
        return QWidget::event(Event);
    case QEvent::Move:
        MovedEvent();
        return true;
    case QEvent::Close: {
        // A form disabled by a modal form cannot be closed from outside.
        if (!isEnabled()) {
            Event->ignore();
            return true;
        }
        TMessage m{WM_CLOSE, 0, 0, 0};
        Deliver(FControl, m);
        Event->ignore();
        return true;
    }
    case QEvent::WindowActivate: {
        if (!isEnabled()) {
            ActivateModalForm();
            return true;
        }
        TMessage m{CM_ACTIVATE, 0, 0, 0};
        Deliver(FControl, m);
        return true;
    }
    case QEvent::WindowDeactivate: {
        if (QApplication::activePopupWidget())
            return true;
        if (TControl* capture = GetCaptureControl())
            capture->Perform(WM_CANCELMODE);
        if (!QApplication::activeWindow()) {
            TMessage m{CM_DEACTIVATE, 0, 0, 0};
            Deliver(FControl, m);
        }
        return true;
    }
    case QEvent::EnabledChange:
        if (isEnabled())
            FEnabledTick = GetTickCount64();
        return QWidget::event(Event);
    case QEvent::ToolTip:
        return true;
    case QEvent::ThemeChange:
    case QEvent::PaletteChange: {
        TMessage m{WM_THEMECHANGED, 0, 0, 0};
        Deliver(FControl, m);
        return QWidget::event(Event);
    }
    default:
        return QWidget::event(Event);
    }
}

namespace {

// Input routed from a window system event carries the tick it was made at.
class MadeAt {
public:
    explicit MadeAt(const QEvent* Event) : FSaved(CurrentInput().MadeTick)
    {
        static InputClock clock;
        static IClock* source = nullptr;
        quint64 stamp = Event->isInputEvent() ? static_cast<const QInputEvent*>(Event)->timestamp() : 0;
        CurrentInput().MadeTick = 0;
        if (stamp == 0)
            return;
        // Another tick clock (a test's) starts the guess over.
        if (source != &Clock()) {
            source = &Clock();
            clock.Reset();
        }
        CurrentInput().MadeTick = clock.TickOf(stamp, GetTickCount64());
    }
    ~MadeAt() { CurrentInput().MadeTick = FSaved; }

private:
    uint64_t FSaved;
};

} // namespace

bool WidgetHost::RouteInput(QWidget* Source, QEvent* Event)
{
    MadeAt made(Event);
    switch (Event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        MouseEvent(Source, static_cast<QMouseEvent*>(Event));
        return true;
    case QEvent::Wheel: {
        auto* e = static_cast<QWheelEvent*>(Event);
        UpdateInput(e->modifiers(), e->buttons(), false);
        TMessage m = TranslateWheel(*e, FWheel);
        if (m.Msg)
            RouteMouseMessage(FControl, m);
        e->accept();
        return true;
    }
    case QEvent::ShortcutOverride:
        Event->accept();
        return true;
    case QEvent::KeyPress:
        KeyPressEvent(static_cast<QKeyEvent*>(Event));
        return true;
    case QEvent::KeyRelease:
        KeyReleaseEvent(static_cast<QKeyEvent*>(Event));
        return true;
    case QEvent::ContextMenu: {
        // The mouse's menu comes from the right button's release (see
        // TWinControl::DefaultHandler); the menu key's comes here, at (-1, -1).
        auto* e = static_cast<QContextMenuEvent*>(Event);
        if (e->reason() == QContextMenuEvent::Keyboard && isEnabled()) {
            TMessage m{WM_CONTEXTMENU, WPARAM(this), MakeLParam(-1, -1), 0};
            Deliver(FControl, m);
        }
        return true;
    }
    default:
        return false;
    }
}

void WidgetHost::RouteFocus(QFocusEvent* Event)
{
    if (Event->type() == QEvent::FocusIn) {
        WindowFocusIn(FControl);
        return;
    }
    // A popup menu keeps the focus where it was, as a menu loop does.
    if (Event->reason() == Qt::PopupFocusReason || QApplication::activePopupWidget())
        return;
    WidgetHost* next = Of(QApplication::focusWidget());
    WindowFocusOut(FControl, next && next != this ? next->Control() : nullptr,
                   Event->reason() == Qt::ActiveWindowFocusReason || !next);
}

void WidgetHost::MouseEvent(QWidget* Source, QMouseEvent* Event)
{
    UpdateInput(Event->modifiers(), Event->buttons(), false);
    InputState& in = CurrentInput();
    QPointF g = Event->globalPosition();
    in.Cursor = {int(std::floor(g.x())), int(std::floor(g.y()))};
    in.CursorKnown = true;
    Event->accept();
    // In this window's coordinates, from a widget inside it too.
    QPointF local = Source == this ? Event->position() : QPointF(Source->mapTo(this, Event->position().toPoint()));
    QMouseEvent here(Event->type(), local, g, Event->button(), Event->buttons(), Event->modifiers());
    TMessage m = TranslateMouse(here);
    if (!m.Msg)
        return;
    if (FTopInset)
        m.LParam = MakeLParam(LoSigned(WPARAM(m.LParam)), HiSigned(WPARAM(m.LParam)) - FTopInset);
    // A native widget shows its own cursor.
    if (m.Msg == WM_MOUSEMOVE && Source == this) {
        TPoint p{LoSigned(WPARAM(m.LParam)), HiSigned(WPARAM(m.LParam))};
        TControl* over = FControl->ControlAtPos(p, false);
        int cursor = (over ? over : FControl)->Cursor();
        ApplyCursor(cursor);
        Screen->SetControlCursor(cursor);
    }
    RouteMouseMessage(FControl, m);
}

void WidgetHost::KeyPressEvent(QKeyEvent* Event)
{
    UpdateInput(Event->modifiers(), QApplication::mouseButtons(), IsAltGr(*Event));
    KeyPressRecords r = TranslateKeyPress(*Event);
    Event->accept();
    RouteKeyDown(FControl, r.KeyDown, r.Chars);
}

void WidgetHost::KeyReleaseEvent(QKeyEvent* Event)
{
    UpdateInput(Event->modifiers(), QApplication::mouseButtons(), IsAltGr(*Event));
    Event->accept();
    TMessage m = TranslateKeyRelease(*Event);
    if (m.Msg)
        RouteKeyUp(FControl, m);
}

void WidgetHost::PaintEvent(QPaintEvent* Event)
{
    PaintPending();
    QPainter p(this);
    const QImage* image = FSurface.Image();
    QRect client(QPoint(0, FTopInset), ClientSize());
    for (const QRect& r : Event->region()) {
        QRect t = r & client;
        if (!t.isEmpty())
            p.drawImage(t, *image, t.translated(0, -FTopInset));
    }
}

void WidgetHost::ResizedEvent()
{
    if (FMenuBar)
        FMenuBar->setGeometry(0, 0, width(), FTopInset);
    SyncSurfaceSize(ClientSize());
    if (FControl->Width() == width() && FControl->Height() == height())
        return;
    // The window manager or the user changed the size. A window may
    // change or refuse it first.
    TRect r = Bounds(FControl->Left(), FControl->Top(), width(), height());
    if (isWindow()) {
        TMessage sizing{WM_SIZING, 0, LPARAM(&r), 0};
        if (!Deliver(FControl, sizing))
            return;
        if (FControl->Width() == r.Width() && FControl->Height() == r.Height()) {
            if (size() != QSize(r.Width(), r.Height()))
                resize(r.Width(), r.Height());
            return;
        }
    }
    FControl->UpdateBoundsRect(r);
    // The window takes the size the control agreed to.
    if (size() != QSize(r.Width(), r.Height()))
        resize(r.Width(), r.Height());
    TMessage m{WM_SIZE, SIZE_RESTORED, MakeLParam(r.Width(), r.Height()), 0};
    Deliver(FControl, m);
}

void WidgetHost::MovedEvent()
{
    if (!isWindow())
        return;
    QPoint p = pos();
    if (p.x() == FControl->Left() && p.y() == FControl->Top())
        return;
    FControl->UpdateBoundsRect(Bounds(p.x(), p.y(), FControl->Width(), FControl->Height()));
    // Windows that follow the form (drop-downs, focus frames) hear of the move.
    QPoint origin = mapToGlobal(QPoint(0, FTopInset));
    TMessage m{WM_MOVE, 0, MakeLParam(origin.x(), origin.y()), 0};
    Deliver(FControl, m);
}

// Host functions

HWND HostCreate(TWinControl* Control, HWND Parent, const HostParams& Params)
{
    return new WidgetHost(Control, Params.TopLevel ? nullptr : H(Parent), Params);
}

void HostDestroy(HWND Wnd)
{
    if (!Wnd)
        return;
    H(Wnd)->Detach();
    delete H(Wnd);
}

void HostSetParent(HWND Wnd, HWND Parent)
{
    if (Wnd)
        H(Wnd)->setParent(H(Parent));
}

void HostSetGeometry(HWND Wnd, const TRect& Bounds)
{
    if (!Wnd)
        return;
    WidgetHost* h = H(Wnd);
    QRect r = ToQRect(Bounds);
    if (h->isWindow()) {
        if (h->Params().FixedSize)
            h->setFixedSize(r.size());
        else
            h->resize(r.size());
        h->move(r.topLeft());
    } else {
        WidgetHost* parent = WidgetHost::Of(h->parentWidget());
        h->setGeometry(r.translated(0, parent ? parent->TopInset() : 0));
    }
    h->SyncSurfaceSize(QSize(r.width(), std::max(0, r.height() - h->TopInset())));
}

TRect HostGeometry(HWND Wnd)
{
    if (!Wnd)
        return TRect{};
    QRect r = H(Wnd)->geometry();
    if (!H(Wnd)->isWindow())
        if (WidgetHost* parent = WidgetHost::Of(H(Wnd)->parentWidget()))
            r.translate(0, -parent->TopInset());
    return FromQRect(r);
}

TPoint HostClientToScreen(HWND Wnd, TPoint P)
{
    if (!Wnd)
        return P;
    QPoint g = H(Wnd)->mapToGlobal(QPoint(P.X, P.Y + H(Wnd)->TopInset()));
    return {g.x(), g.y()};
}

void HostSetVisible(HWND Wnd, bool Visible)
{
    if (!Wnd)
        return;
    WidgetHost* h = H(Wnd);
    bool appears = Visible && !h->isVisible();
    h->setVisible(Visible);
    // A window that appears lands on top: what must stay above it goes back.
    if (appears && h->isWindow() && h->isVisible())
        h->RestackAbove();
}

bool HostIsVisible(HWND Wnd) { return Wnd && H(Wnd)->isVisible(); }

void HostSetEnabled(HWND Wnd, bool Enabled)
{
    if (Wnd)
        H(Wnd)->setEnabled(Enabled);
}

bool HostIsEnabled(HWND Wnd) { return Wnd && H(Wnd)->isEnabled(); }

uint64_t HostEnabledTick(HWND Wnd) { return Wnd ? H(Wnd)->EnabledTick() : 0; }

void HostSetTitle(HWND Wnd, const QString& Title)
{
    if (Wnd && H(Wnd)->isWindow())
        H(Wnd)->setWindowTitle(Title);
}

void HostSetCursor(HWND Wnd, int Cursor)
{
    if (Wnd)
        H(Wnd)->ApplyCursor(Cursor);
}

void HostRaise(HWND Wnd)
{
    if (Wnd)
        H(Wnd)->RaiseWindow();
}

void HostLower(HWND Wnd)
{
    if (Wnd)
        H(Wnd)->lower();
}

void HostSetOwner(HWND Wnd, HWND Owner)
{
    if (Wnd)
        H(Wnd)->SetOwner(Owner ? H(Owner) : nullptr);
}

HWND HostOwner(HWND Wnd) { return Wnd ? H(Wnd)->Owner() : nullptr; }

void HostStackUnder(HWND Wnd, HWND Above)
{
    if (Wnd && Above)
        H(Wnd)->stackUnder(H(Above));
}

void HostSetFocus(HWND Wnd)
{
    if (Wnd && H(Wnd)->focusPolicy() != Qt::NoFocus)
        H(Wnd)->setFocus(Qt::OtherFocusReason);
}

void HostActivate(HWND Wnd)
{
    if (!Wnd || !H(Wnd)->isWindow() || H(Wnd)->Params().NoActivate)
        return;
    H(Wnd)->RaiseWindow();
    H(Wnd)->activateWindow();
}

bool HostIsActiveWindow(HWND Wnd) { return Wnd && H(Wnd)->isActiveWindow(); }

void HostSetTabFocus(HWND, bool) {}

void HostGrabMouse(HWND Wnd, bool Grab)
{
    if (!Wnd)
        return;
    if (Grab)
        H(Wnd)->grabMouse();
    else
        H(Wnd)->releaseMouse();
}

bool HostMouseButtonsDown()
{
    return QGuiApplication::instance() && QGuiApplication::mouseButtons() != Qt::NoButton;
}

void HostInvalidate(HWND Wnd, const TRect& Rect)
{
    if (Wnd)
        H(Wnd)->AddDirty(ToQRect(Rect));
}

void HostPaintNow(HWND Wnd)
{
    if (!Wnd)
        return;
    H(Wnd)->PaintPending();
    H(Wnd)->update();
}

void HostRefreshScreen(HWND Wnd)
{
    // Inside a paint cycle the copy to the screen follows anyway.
    if (Wnd && !H(Wnd)->Painting())
        H(Wnd)->update();
}

CanvasSurface* HostSurface(HWND Wnd) { return Wnd ? &H(Wnd)->Surface() : nullptr; }

void HostSetWindowState(HWND Wnd, int State)
{
    if (!Wnd)
        return;
    Qt::WindowStates s = H(Wnd)->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized);
    if (State == 1)
        s |= Qt::WindowMinimized;
    else if (State == 2)
        s |= Qt::WindowMaximized;
    H(Wnd)->setWindowState(s);
}

int HostWindowState(HWND Wnd)
{
    if (!Wnd)
        return 0;
    Qt::WindowStates s = H(Wnd)->windowState();
    return s & Qt::WindowMinimized ? 1 : s & Qt::WindowMaximized ? 2 : 0;
}

bool HostStartSystemMove(HWND Wnd)
{
    if (!Wnd || !H(Wnd)->isWindow() || !H(Wnd)->windowHandle())
        return false;
    return H(Wnd)->windowHandle()->startSystemMove();
}

void HostSetOpacity(HWND Wnd, double Opacity)
{
    if (Wnd)
        H(Wnd)->setWindowOpacity(Opacity);
}

void HostSetFixedSize(HWND Wnd, bool Fixed)
{
    if (!Wnd)
        return;
    if (Fixed)
        H(Wnd)->setFixedSize(H(Wnd)->size());
    else {
        H(Wnd)->setMinimumSize(0, 0);
        H(Wnd)->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
}

// Screen and application

TRect ScreenGeometry()
{
    QScreen* s = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    return s ? FromQRect(s->geometry()) : Rect(0, 0, 1024, 768);
}

TRect ScreenWorkArea()
{
    QScreen* s = QGuiApplication::instance() ? QGuiApplication::primaryScreen() : nullptr;
    return s ? FromQRect(s->availableGeometry()) : Rect(0, 0, 1024, 768);
}

TRect ScreenGeometryAt(TPoint P)
{
    QScreen* s = QGuiApplication::instance() ? QGuiApplication::screenAt(QPoint(P.X, P.Y)) : nullptr;
    return s ? FromQRect(s->geometry()) : ScreenGeometry();
}

QStringList ScreenFontFamilies()
{
    return QGuiApplication::instance() ? QFontDatabase::families() : QStringList();
}

int HostWheelScrollLines()
{
    return QApplication::instance() ? QApplication::wheelScrollLines() : 3;
}

void ApplicationSetOverrideCursor(int Cursor)
{
    if (!QGuiApplication::instance())
        return;
    if (Cursor == crDefault) {
        while (QGuiApplication::overrideCursor())
            QGuiApplication::restoreOverrideCursor();
    } else if (QGuiApplication::overrideCursor()) {
        QGuiApplication::changeOverrideCursor(HostCursor(Cursor, CursorShape(Cursor)));
    } else {
        QGuiApplication::setOverrideCursor(HostCursor(Cursor, CursorShape(Cursor)));
    }
}

void HostProcessEvents(bool WaitForMore)
{
    if (!QCoreApplication::instance())
        return;
    QCoreApplication::processEvents(WaitForMore ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
}

bool HostApplicationExists() { return QCoreApplication::instance() != nullptr; }

void HostBeep()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QApplication::beep();
}

void HostEnsureApplication(int& argc, char** argv)
{
    if (!QCoreApplication::instance())
        new QApplication(argc, argv);
}

void HostQuit()
{
    if (!QCoreApplication::instance())
        return;
    if (QAbstractEventDispatcher* d = QCoreApplication::instance()->thread()->eventDispatcher())
        d->wakeUp();
}

int HostExec() { return QCoreApplication::instance() ? QCoreApplication::exec() : 0; }

void HostSetShape(HWND Wnd, const TRegion* Region)
{
    if (!Wnd)
        return;
    if (Region)
        H(Wnd)->setMask(Region->Region);
    else
        H(Wnd)->clearMask();
}

TWinControl* FindControl(HWND Handle)
{
    return Handle ? H(Handle)->Control() : nullptr;
}
