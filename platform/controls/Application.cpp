#include "platform/controls/Application.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/HostApi.h"
#include <QCoreApplication>
#include <QTimer>

TApplication* Application = new TApplication;

struct TApplication::HintState {
    TControl* Control = nullptr;
    TControlGuard ControlAlive;
    THintWindow* Window = nullptr;
    TControlGuard WindowAlive;
    bool Shown = false;
    TRect CursorRect;
    QTimer* ShowTimer = nullptr;
    QTimer* HideTimer = nullptr;

    TControl* LiveControl() const { return ControlAlive.expired() ? nullptr : Control; }
    THintWindow* LiveWindow() const { return WindowAlive.expired() ? nullptr : Window; }
};

TApplication::TApplication() : FHintState(std::make_unique<HintState>())
{
    HintWindowClass = [] { return new THintWindow(nullptr); };
}

TApplication::~TApplication() = default;

void TApplication::Initialize()
{
    static int argc = 1;
    static char name[] = "stratagon";
    static char* argv[] = {name, nullptr};
    Initialize(argc, argv);
}

void TApplication::Initialize(int& argc, char** argv)
{
    HostEnsureApplication(argc, argv);
}

void TApplication::FormCreated(TCustomForm* Form)
{
    if (!FMainForm)
        FMainForm = Form;
    Form->DoCreate();
}

void TApplication::Run()
{
    FRunning = true;
    if (FMainForm && !FTerminated)
        FMainForm->Show();
    while (!FTerminated && FMainForm) {
        HandleMessage();
    }
    FRunning = false;
}

void TApplication::ProcessMessages()
{
    HostProcessEvents(false);
    DeliverPostedMessages();
}

void TApplication::HandleMessage()
{
    HostProcessEvents(true);
}

void TApplication::Terminate()
{
    FTerminated = true;
    HostQuit();
}

QString TApplication::ExeName() const
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath() : QString();
}

void TApplication::HandleException(TObject* Sender, Exception* E)
{
    if (dynamic_cast<EAbort*>(E))
        return;
    if (OnException) {
        try {
            OnException(Sender, E);
            return;
        } catch (Exception& inner) {
            ShowException(&inner);
            return;
        } catch (std::exception& inner) {
            Exception wrapped(QString::fromLocal8Bit(inner.what()));
            ShowException(&wrapped);
            return;
        }
    }
    ShowException(E);
}

void TApplication::ShowException(Exception* E)
{
    QString msg = E->Message();
    if (!msg.isEmpty() && !msg.endsWith(QLatin1Char('.')))
        msg += QLatin1Char('.');
    QString caption = FTitle.isEmpty() ? QStringLiteral("Error") : FTitle;
    MessageBoxService().MessageBox(msg, caption, MB_OK | MB_ICONSTOP);
}

int TApplication::MessageBox(const QString& Text, const QString& Caption, unsigned Flags)
{
    return MessageBoxService().MessageBox(Text, Caption.isEmpty() ? FTitle : Caption, Flags);
}

// Hints

void TApplication::SetHint(const QString& value)
{
    if (FHint == value)
        return;
    FHint = value;
    if (OnHint)
        OnHint(this);
}

void TApplication::SetShowHint(bool value)
{
    FShowHint = value;
    if (!value)
        CancelHint();
}

THintWindow* TApplication::HintWindow() const
{
    THintWindow* w = FHintState->LiveWindow();
    return w && FHintState->Shown ? w : nullptr;
}

TControl* TApplication::HintControl() const { return FHintState->LiveControl(); }

void TApplication::StartHintTimer(int ms)
{
    HintState& h = *FHintState;
    if (!QCoreApplication::instance())
        return;
    if (!h.ShowTimer) {
        h.ShowTimer = new QTimer;
        h.ShowTimer->setSingleShot(true);
        QObject::connect(h.ShowTimer, &QTimer::timeout, [this] {
            try {
                ActivateHint(GetCursorPos());
            } catch (...) {
                HandleCurrentException(this);
            }
        });
    }
    h.ShowTimer->start(std::max(ms, 0));
}

void TApplication::HideHintWindow()
{
    HintState& h = *FHintState;
    if (h.HideTimer)
        h.HideTimer->stop();
    if (THintWindow* w = h.LiveWindow())
        w->ReleaseHandle();
    h.Shown = false;
}

void TApplication::CancelHint()
{
    HintState& h = *FHintState;
    if (h.ShowTimer)
        h.ShowTimer->stop();
    HideHintWindow();
    h.Control = nullptr;
    h.ControlAlive.reset();
}

void TApplication::ActivateHint(TPoint CursorPos)
{
    HintState& h = *FHintState;
    TControl* control = h.LiveControl();
    if (!control || !FShowHint || !control->ShowHint())
        return;
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = control->ScreenToClient(CursorPos);
    info.HintPos = {CursorPos.X, CursorPos.Y + 20};
    info.HintMaxWidth = Screen->Width();
    info.HintColor = FHintColor;
    info.CursorRect = control->ClientRect();
    info.HintStr = GetShortHint(control->Hint());
    for (TControl* p = control->Parent(); info.HintStr.isEmpty() && p; p = p->Parent())
        info.HintStr = GetShortHint(p->Hint());
    TControlGuard alive = control->Guard();
    TMessage m{CM_HINTSHOW, 0, LPARAM(&info), 0};
    Deliver(control, m);
    if (alive.expired() || m.Result != 0 || info.HintStr.isEmpty()) {
        HideHintWindow();
        return;
    }
    // A fresh window each time, so a changed window class takes effect.
    THintWindowClass make = info.HintWindowClass ? info.HintWindowClass : HintWindowClass;
    delete h.LiveWindow();
    h.Window = make();
    h.WindowAlive = h.Window->Guard();
    THintWindow* w = h.Window;
    w->SetColor(info.HintColor);
    TRect r = w->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
    OffsetRect(r, info.HintPos.X, info.HintPos.Y);
    w->ActivateHintData(r, info.HintStr, info.HintData);
    h.Shown = true;
    h.CursorRect = info.CursorRect;
    if (!QCoreApplication::instance())
        return;
    if (!h.HideTimer) {
        h.HideTimer = new QTimer;
        h.HideTimer->setSingleShot(true);
        QObject::connect(h.HideTimer, &QTimer::timeout, [this] { HideHintWindow(); });
    }
    h.HideTimer->start(info.HideTimeout > 0 ? info.HideTimeout : FHintHidePause);
}

void TApplication::HintMouseMessage(TControl* Control, const TMessage& Message)
{
    // A press takes the hint away; the next move starts its pause again.
    if (Message.Msg != WM_MOUSEMOVE) {
        CancelHint();
        return;
    }
    TPoint p{LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam))};
    // Enter and leave follow the control under the mouse.
    TControl* over = Control->ClientRect().Contains(p) ? Control : nullptr;
    TControl* old = FMouseControlAlive.expired() ? nullptr : FMouseControl;
    if (over && over != old) {
        FMouseControl = over;
        FMouseControlAlive = over->Guard();
        if (old)
            old->Perform(CM_MOUSELEAVE);
        over->Perform(CM_MOUSEENTER);
    }
    HintState& h = *FHintState;
    if (over != h.LiveControl()) {
        if (!over)
            return;
        HideHintWindow();
        h.Control = over;
        h.ControlAlive = over->Guard();
        SetHint(GetLongHint(over->Hint()));
        if (FShowHint && over->ShowHint())
            StartHintTimer(FHintPause);
        else if (h.ShowTimer)
            h.ShowTimer->stop();
    } else if (h.Shown && !h.CursorRect.Contains(p)) {
        // Left the hint's area inside the same control (a cell, a tab).
        HideHintWindow();
        StartHintTimer(FHintShortPause);
    }
}

void TApplication::HintMouseLeave(TControl* Control)
{
    if (Control == FHintState->LiveControl())
        CancelHint();
}

void TApplication::MouseLeftWindow(TWinControl* Control)
{
    TControl* old = FMouseControlAlive.expired() ? nullptr : FMouseControl;
    if (!old || (old != Control && old->Parent() != Control))
        return;
    FMouseControl = nullptr;
    FMouseControlAlive.reset();
    old->Perform(CM_MOUSELEAVE);
}

void TApplication::ControlDestroyed(TControl* Control)
{
    if (FMouseControl == Control) {
        FMouseControl = nullptr;
        FMouseControlAlive.reset();
    }
    HintState& h = *FHintState;
    if (h.Control == Control)
        CancelHint();
    if (FMainForm == Control)
        FMainForm = nullptr;
}
