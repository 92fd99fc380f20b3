#include "platform/controls/Form.h"
#include "platform/controls/Application.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Screen.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

void SetFocusedWindow(TWinControl* Control);
void ForgetFocus();

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    SetVisibleFlag(false);
    SetBounds(0, 0, 320, 240);
    SetColor(clBtnFace);
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm()
{
    if (FMenu)
        FMenu->SetChangeHook(nullptr);
    if (OnDestroy) {
        try {
            OnDestroy(this);
        } catch (Exception& e) {
            Application->HandleException(this, &e);
        }
    }
    if (Application->MainForm() == this)
        Application->SetMainForm(nullptr);
    FActiveControl = nullptr;
    FFocusedControl = nullptr;
    // The windows go without focus messages: handlers must not run on a
    // form that is half destroyed.
    if (FocusedControl() && ContainsControl(FocusedControl()))
        ForgetFocus();
    if (Screen->FActiveForm == this)
        Screen->FActiveForm = nullptr;
    Screen->RemoveForm(this);
    // Children go while the form is still a form (their focus notices).
    while (ControlCount() > 0) {
        TControl* c = Controls(ControlCount() - 1);
        RemoveControl(c);
        delete c;
    }
    DestroyHandle();
}

void TCustomForm::DoCreate()
{
    CallEvent(OnCreate, this);
}

// Window

void TCustomForm::CreateParams(TCreateParams& Params)
{
    TWinControl::CreateParams(Params);
    Params.Style = WS_POPUP;
    Params.ExStyle = 0;
    Params.WndParent = nullptr;
    switch (FBorderStyle) {
    case bsNone:
        break;
    case bsSingle:
    case bsToolWindow:
        Params.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsSizeable:
    case bsSizeToolWin:
        Params.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    case bsDialog:
        Params.Style |= WS_CAPTION | WS_BORDER;
        Params.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    }
    if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin)
        Params.ExStyle |= WS_EX_TOOLWINDOW;
    if (FBorderStyle != bsNone) {
        if (FBorderIcons.Contains(biSystemMenu))
            Params.Style |= WS_SYSMENU;
        if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
            if (FBorderIcons.Contains(biMinimize))
                Params.Style |= WS_MINIMIZEBOX;
            if (FBorderIcons.Contains(biMaximize))
                Params.Style |= WS_MAXIMIZEBOX;
        }
        if (FBorderIcons.Contains(biHelp))
            Params.ExStyle |= WS_EX_CONTEXTHELP;
    }
    if (FFormStyle == fsStayOnTop)
        Params.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::CreateHandle()
{
    TWinControl::CreateHandle();
    if (!Application->Title().isEmpty() && Text().isEmpty())
        HostSetTitle(Handle(), Application->Title());
    if (FMenu)
        UpdateMenuBar();
}

void TCustomForm::UpdateMenuBar()
{
    int height = HostSetMenuBar(HandleAllocated() ? Handle() : nullptr, FMenu);
    if (height == FMenuBarHeight)
        return;
    FMenuBarHeight = height;
    Realign();
    Invalidate();
}

void TCustomForm::CMDialogChar(TWMKey& Message)
{
    TWinControl::CMDialogChar(Message);
    // Alt and a letter that no control took goes to the menu bar.
    if (!Message.Result && FMenuBarHeight && HandleAllocated()
        && KeyDataToShiftState(Message.KeyData).Contains(ssAlt)
        && HostMenuBarKey(Handle(), QChar(char16_t(Message.CharCode))))
        Message.Result = 1;
}

TRect TCustomForm::ClientRect() const
{
    return Rect(0, 0, Width(), std::max(0, Height() - FMenuBarHeight));
}

void TCustomForm::RecreateKeepingVisibility()
{
    if (!HandleAllocated())
        return;
    RecreateWnd();
    if (Visible())
        HostSetVisible(Handle(), true);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle value)
{
    if (FBorderStyle == value)
        return;
    FBorderStyle = value;
    RecreateKeepingVisibility();
}

void TCustomForm::SetBorderIcons(TBorderIcons value)
{
    if (FBorderIcons == value)
        return;
    FBorderIcons = value;
    RecreateKeepingVisibility();
}

void TCustomForm::SetFormStyle(TFormStyle value)
{
    if (FFormStyle == value)
        return;
    FFormStyle = value;
    RecreateKeepingVisibility();
}

TWindowState TCustomForm::WindowState() const
{
    if (HandleAllocated() && Visible())
        return TWindowState(HostWindowState(const_cast<TCustomForm*>(this)->Handle()));
    return FWindowState;
}

void TCustomForm::SetWindowState(TWindowState value)
{
    FWindowState = value;
    if (HandleAllocated() && Visible())
        HostSetWindowState(Handle(), int(value));
}

bool TCustomForm::CanResize(int& NewWidth, int& NewHeight)
{
    bool ok = true;
    CallEvent(OnCanResize, this, NewWidth, NewHeight, ok);
    return ok;
}

void TCustomForm::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if ((AWidth != Width() || AHeight != Height()) && !CanResize(AWidth, AHeight))
        return;
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

TPoint TCustomForm::ClientOrigin() const
{
    if (HandleAllocated())
        return TWinControl::ClientOrigin();
    return {Left(), Top() + FMenuBarHeight};
}

namespace {

TMonitor* MonitorOf(const TControl* c)
{
    TRect r = c->BoundsRect();
    return Screen->MonitorFromPoint({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
}

} // namespace

TMonitor* TCustomForm::DefaultMonitorTarget() const
{
    TCustomForm* main = Application->MainForm();
    if (FDefaultMonitor == dmDesktop || !main)
        return nullptr;
    switch (FDefaultMonitor) {
    case dmMainForm:
        return main == this ? nullptr : MonitorOf(main);
    case dmActiveForm: {
        TCustomForm* active = Screen->ActiveCustomForm();
        return active && active != this ? MonitorOf(active) : nullptr;
    }
    case dmPrimary:
        return Screen->PrimaryMonitor();
    default:
        return nullptr;
    }
}

void TCustomForm::ApplyPosition()
{
    TRect area = ScreenWorkArea();
    TCustomForm* center = nullptr;
    TMonitor* target = DefaultMonitorTarget();
    switch (FPosition) {
    case poMainFormCenter:
        center = Application->MainForm();
        break;
    case poOwnerFormCenter:
        center = dynamic_cast<TCustomForm*>(Owner());
        if (!center)
            center = Application->MainForm();
        break;
    case poScreenCenter:
        break;
    case poDesktopCenter:
        target = nullptr;
        break;
    default: {
        // The designed place, on the monitor DefaultMonitor names.
        TMonitor* own = MonitorOf(this);
        if (target && target != own)
            SetBounds(target->Left() + Left() - own->Left(), target->Top() + Top() - own->Top(), Width(), Height());
        return;
    }
    }
    if (center == this || (center && !center->Visible()))
        center = nullptr;
    if (center)
        area = center->BoundsRect();
    else if (target)
        area = target->WorkareaRect;
    SetBounds(area.Left + (area.Width() - Width()) / 2, area.Top + (area.Height() - Height()) / 2, Width(), Height());
}

// Showing

void TCustomForm::DoShow()
{
    CallEvent(OnShow, this);
}

void TCustomForm::DoHide()
{
    CallEvent(OnHide, this);
}

void TCustomForm::SetVisible(bool value)
{
    if (value == Visible())
        return;
    TControlGuard alive = Guard();
    if (value) {
        HandleNeeded();
        if (!FPositioned) {
            FPositioned = true;
            ApplyPosition();
        }
        SetVisibleFlag(true);
        FFormState += fsVisible;
        HostSetVisible(Handle(), true);
        if (FWindowState != wsNormal)
            HostSetWindowState(Handle(), int(FWindowState));
        // OnShow sees the form shown: the focus it gives stays, the sizes
        // it reads are the shown ones.
        FFormState += fsShowing;
        DoShow();
        if (alive.expired())
            return;
        FFormState -= fsShowing;
        if (!Visible())
            return;
        // A window made not to activate (a drag image) leaves the focus where it is.
        TCreateParams params;
        CreateParams(params);
        if (!(params.ExStyle & WS_EX_NOACTIVATE)) {
            HostActivate(Handle());
            Activate();
        }
    } else {
        if (FActive)
            Deactivate();
        if (alive.expired())
            return;
        DoHide();
        if (alive.expired())
            return;
        SetVisibleFlag(false);
        FFormState -= fsVisible;
        HostSetVisible(Handle(), false);
        if (TWinControl* f = FocusedControl(); f && ContainsControl(f))
            SetFocusedWindow(nullptr);
        // Another visible form becomes the active one.
        if (!Screen->FActiveForm) {
            for (int i = Screen->FormCount() - 1; i >= 0; --i) {
                TCustomForm* other = Screen->Forms(i);
                if (other != this && other->Visible() && HostIsEnabled(other->Handle())) {
                    other->Activate();
                    break;
                }
            }
        }
    }
}

void TCustomForm::BringToFront()
{
    if (HandleAllocated())
        HostRaise(Handle());
}

void TCustomForm::Activate()
{
    if (FActive || !Visible())
        return;
    TCustomForm* previous = Screen->FActiveForm;
    if (previous && previous != this)
        previous->Deactivate();
    FActive = true;
    FFormState += fsActivated;
    Screen->FActiveForm = this;
    TControlGuard alive = Guard();
    CallEvent(OnActivate, this);
    if (alive.expired() || !FActive)
        return;
    if (!FActiveControl)
        SelectFirst();
    if (FActiveControl && FActiveControl->CanFocus())
        SetFocusedWindow(FActiveControl);
    else if (!FActiveControl)
        SetFocusedWindow(this);
}

void TCustomForm::Deactivate()
{
    if (!FActive)
        return;
    FActive = false;
    if (Screen->FActiveForm == this)
        Screen->FActiveForm = nullptr;
    if (TControl* capture = GetCaptureControl(); capture && ContainsControl(capture))
        capture->Perform(WM_CANCELMODE);
    CallEvent(OnDeactivate, this);
}

// Closing

bool TCustomForm::CloseQuery()
{
    bool canClose = true;
    CallEvent(OnCloseQuery, this, canClose);
    return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action)
{
    CallEvent(OnClose, this, Action);
}

void TCustomForm::Close()
{
    if (FFormState.Contains(fsModal)) {
        FModalResult = mrCancel;
        return;
    }
    if (!CloseQuery())
        return;
    TCloseAction action = caHide;
    TControlGuard alive = Guard();
    DoClose(action);
    if (alive.expired() || action == caNone)
        return;
    if (Application->MainForm() == this) {
        Hide();
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide: Hide(); break;
    case caMinimize: SetWindowState(wsMinimized); break;
    case caFree: Release(); break;
    default: break;
    }
}

void TCustomForm::Release()
{
    PostMessage(this, CM_RELEASE, 0, 0);
}

void TCustomForm::CMRelease(TMessage&)
{
    delete this;
}

void TCustomForm::WMClose(TMessage&) { Close(); }

void TCustomForm::CloseModal()
{
    TCloseAction action = caNone;
    if (CloseQuery()) {
        action = caHide;
        DoClose(action);
    }
    if (action == caNone)
        FModalResult = mrNone;
    else if (action == caFree)
        Release();
}

int TCustomForm::ShowModal()
{
    if (Visible() || !Enabled() || FFormState.Contains(fsModal))
        throw EInvalidOperation(QStringLiteral("Cannot make a visible window modal"));
    if (TControl* capture = GetCaptureControl()) {
        capture->Perform(WM_CANCELMODE);
        SetCaptureControl(nullptr);
    }
    TCustomForm* activeBefore = Screen->ActiveForm();
    TWinControl* focusBefore = FocusedControl();
    TControlGuard activeAlive = activeBefore ? activeBefore->Guard() : TControlGuard();
    TControlGuard focusAlive = focusBefore ? focusBefore->Guard() : TControlGuard();

    // The other visible windows take no input while the form is up; a form
    // shown later (a drop-down of this one) does.
    std::vector<std::pair<TCustomForm*, TControlGuard>> disabled;
    for (int i = 0; i < Screen->FormCount(); ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f != this && f->Visible() && f->HandleAllocated() && HostIsEnabled(f->Handle())) {
            HostSetEnabled(f->Handle(), false);
            disabled.emplace_back(f, f->Guard());
        }
    }
    TControlGuard alive = Guard();
    FFormState += fsModal;
    FModalResult = mrNone;
    ++Application->FModalLevel;
    auto restore = [&] {
        --Application->FModalLevel;
        for (auto& [f, g] : disabled)
            if (!g.expired())
                HostSetEnabled(f->Handle(), true);
        if (!alive.expired()) {
            FFormState -= fsModal;
            Hide();
        }
        if (!activeAlive.expired() && activeBefore->Visible()) {
            activeBefore->Activate();
            if (!focusAlive.expired() && focusBefore->CanFocus())
                focusBefore->SetFocus();
        }
    };
    // The window stays above the one it was opened from.
    if (!HostOwner(Handle())) {
        TCustomForm* owner = activeBefore && activeBefore != this ? activeBefore : Application->MainForm();
        if (owner && owner != this && owner->HandleAllocated())
            HostSetOwner(Handle(), owner->Handle());
    }
    try {
        Show();
        RunModalHook({this, Text(), QString()});
        while (!alive.expired()) {
            if (Application->Terminated()) {
                if (FModalResult == mrNone)
                    FModalResult = mrCancel;
                break;
            }
            if (FModalResult != mrNone) {
                CloseModal();
                if (FModalResult != mrNone)
                    break;
            }
            Application->HandleMessage();
        }
    } catch (...) {
        restore();
        throw;
    }
    TModalResult result = alive.expired() ? mrCancel : FModalResult;
    restore();
    return result;
}

// Focus

void TCustomForm::SetActiveControl(TWinControl* Control)
{
    if (FActiveControl == Control)
        return;
    if (Control && (Control == this || GetParentForm(Control) != this || !Control->CanFocus()))
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FActiveControl = Control;
    if (Visible() && Control)
        SetFocusedWindow(Control);
}

void TCustomForm::FocusControl(TWinControl* Control)
{
    if (Control == this) {
        if (!CanFocus())
            throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
        SetFocusedWindow(this);
        return;
    }
    if (Control && !Control->CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    FActiveControl = Control;
    if (Visible() && Control)
        SetFocusedWindow(Control);
}

void TCustomForm::SelectFirst()
{
    if (TWinControl* c = FindNextControl(nullptr, true, true, false))
        FActiveControl = c;
}

bool TCustomForm::SendFocusMessage(TWinControl* Control, unsigned Msg, int Count)
{
    TMessage m{Msg, 0, 0, 0};
    Deliver(Control, m);
    return Count == FFocusCount;
}

bool TCustomForm::SetFocusedControl(TWinControl* Control)
{
    if (IsDestroying())
        return false;
    int count = ++FFocusCount;
    FActiveControl = Control != this ? Control : nullptr;
    Screen->FActiveControl = Control;
    if (Control->FControlState.Contains(csFocusing))
        return true;
    TControlGuard alive = Control->Guard();
    Control->FControlState += csFocusing;
    bool ok = true;
    if (!FFocusedControl)
        FFocusedControl = this;
    while (ok && FFocusedControl != Control) {
        if (!FFocusedControl->ContainsControl(Control)) {
            TWinControl* leaving = FFocusedControl;
            FFocusedControl = FFocusedControl->Parent();
            if (!FFocusedControl)
                FFocusedControl = this;
            ok = SendFocusMessage(leaving, CM_EXIT, count) && !alive.expired();
            continue;
        }
        TWinControl* t = Control;
        while (t->Parent() != FFocusedControl)
            t = t->Parent();
        FFocusedControl = t;
        ok = SendFocusMessage(t, CM_ENTER, count) && !alive.expired();
    }
    if (!alive.expired())
        Control->FControlState -= csFocusing;
    return ok;
}

void TCustomForm::DefocusControl(TWinControl* Control)
{
    if (FFocusedControl && Control->ContainsControl(FFocusedControl))
        FFocusedControl = Control->Parent();
    if (FActiveControl && Control->ContainsControl(FActiveControl))
        FActiveControl = nullptr;
    if (Screen->FActiveControl && Control->ContainsControl(Screen->FActiveControl))
        Screen->FActiveControl = nullptr;
}

bool TCustomForm::IsShortCut(TWMKey& Message)
{
    bool handled = false;
    CallEvent(OnShortCut, Message, handled);
    if (!handled && FMenu)
        handled = FMenu->IsShortCut(ShortCut(Message.CharCode, KeyDataToShiftState(Message.KeyData)));
    return handled;
}

void TCustomForm::SetMenu(TMainMenu* value)
{
    if (FMenu == value)
        return;
    if (FMenu) {
        FMenu->SetChangeHook(nullptr);
        FMenu->RemoveFreeNotification(this);
    }
    FMenu = value;
    if (value) {
        value->FreeNotification(this);
        value->SetChangeHook([this]() { UpdateMenuBar(); });
    }
    UpdateMenuBar();
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FMenu) {
        FMenu = nullptr;
        UpdateMenuBar();
    }
}

void TCustomForm::SendCancelMode(TControl* Sender)
{
    if (FActive && FActiveControl)
        FActiveControl->Perform(CM_CANCELMODE, 0, LPARAM(Sender));
}

// Messages

void TCustomForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CLOSE: WMClose(Message); break;
    case CM_RELEASE: CMRelease(Message); break;
    case CM_ACTIVATE: Activate(); break;
    case WM_SIZING: {
        // A resize by the user or the window manager.
        auto* r = reinterpret_cast<TRect*>(Message.LParam);
        int w = r->Width();
        int h = r->Height();
        if (!CanResize(w, h)) {
            w = Width();
            h = Height();
        }
        r->Right = r->Left + w;
        r->Bottom = r->Top + h;
        break;
    }
    case CM_DEACTIVATE: Deactivate(); break;
    case WM_SYSCOMMAND:
        // Moving by the mouse (SC_MOVE, also with the caption-drag bits) is the window system's.
        if ((Message.WParam & 0xFFF0) == SC_MOVE && HandleAllocated())
            Message.Result = HostStartSystemMove(Handle()) ? 0 : 1;
        else
            TWinControl::Dispatch(Message);
        break;
    default: TWinControl::Dispatch(Message); break;
    }
}

void TCustomForm::CMDialogKey(TWMKey& Message)
{
    if (GetKeyState(VK_MENU) >= 0) {
        switch (Message.CharCode) {
        case VK_TAB:
            if (GetKeyState(VK_CONTROL) >= 0) {
                SelectNext(FActiveControl, GetKeyState(VK_SHIFT) >= 0, true);
                Message.Result = 1;
                return;
            }
            break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
            if (FActiveControl && FActiveControl->Parent()) {
                FActiveControl->Parent()->SelectNext(FActiveControl,
                                                      Message.CharCode == VK_RIGHT || Message.CharCode == VK_DOWN, false);
                Message.Result = 1;
            }
            return;
        }
    }
    TWinControl::CMDialogKey(Message);
}

void TCustomForm::WMSetFocus(TWMFocus& Message)
{
    TWinControl::WMSetFocus(Message);
    // The form itself got the focus: pass it on to the active control.
    if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus())
        SetFocusedWindow(FActiveControl);
}
