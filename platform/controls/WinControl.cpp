#include "platform/controls/WinControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/InputState.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>
#include "platform/controls/ControlHelpers.h"

namespace {

TWinControl* gFocused = nullptr;
TControlGuard gFocusedAlive;

} // namespace

TCustomForm* GetParentForm(const TControl* Control)
{
    const TControl* c = Control;
    while (c && c->Parent())
        c = c->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

TWinControl* TWinControl::FocusedControl()
{
    return gFocusedAlive.expired() ? nullptr : gFocused;
}

// Moves the keyboard focus: WM_KILLFOCUS to the old control, then
// WM_SETFOCUS to the new one, each naming the other window.
void SetFocusedWindow(TWinControl* Control)
{
    TWinControl* old = TWinControl::FocusedControl();
    if (old == Control)
        return;
    HWND oldWnd = old ? old->FHandle : nullptr;
    HWND newWnd = Control ? Control->FHandle : nullptr;
    TControlGuard newAlive = Control ? Control->Guard() : TControlGuard();
    gFocused = Control;
    gFocusedAlive = newAlive;
    if (old) {
        TMessage m{WM_KILLFOCUS, WPARAM(newWnd), 0, 0};
        Deliver(old, m);
    }
    if (Control && !newAlive.expired() && TWinControl::FocusedControl() == Control) {
        TMessage m{WM_SETFOCUS, WPARAM(oldWnd), 0, 0};
        if (Deliver(Control, m) && Control->FHandle)
            HostSetFocus(Control->FHandle);
    }
}

// Drops the focus without messages (its window is going away).
void ForgetFocus()
{
    gFocused = nullptr;
    gFocusedAlive.reset();
}

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl()
{
    bool hadFocus = FocusedControl() == this;
    if (hadFocus) {
        gFocused = nullptr;
        gFocusedAlive.reset();
    }
    if (TCustomForm* form = GetParentForm(this); form && form != this) {
        form->DefocusControl(this);
        // The focus goes back to the form, not to whatever window Qt picks.
        if (hadFocus && form->HandleAllocated() && form->Visible())
            SetFocusedWindow(form);
    }
    while (!FControls.empty()) {
        TControl* c = FControls.back();
        RemoveControl(c);
        delete c;
    }
    DestroyHandleOnFree();
}

// Window

HWND TWinControl::Handle()
{
    HandleNeeded();
    return FHandle;
}

void TWinControl::HandleNeeded()
{
    if (FHandle)
        return;
    if (FParent)
        FParent->HandleNeeded();
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& Params)
{
    Params.Caption = Text();
    Params.X = FLeft;
    Params.Y = FTop;
    Params.Width = FWidth;
    Params.Height = FHeight;
    if (FParent) {
        Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
        if (FTabStop)
            Params.Style |= WS_TABSTOP;
        Params.WndParent = FParent->FHandle;
    } else {
        Params.Style = WS_POPUP;
    }
    if (!Enabled())
        Params.Style |= WS_DISABLED;
}

void TWinControl::CreateWnd()
{
    TCreateParams params;
    CreateParams(params);
    HostParams hp;
    hp.TopLevel = !(params.Style & WS_CHILD) || !params.WndParent;
    if (hp.TopLevel) {
        hp.Frameless = (params.Style & WS_CAPTION) != WS_CAPTION;
        hp.FixedSize = !hp.Frameless && !(params.Style & WS_THICKFRAME);
        hp.SystemMenu = params.Style & WS_SYSMENU;
        hp.MinimizeButton = params.Style & WS_MINIMIZEBOX;
        hp.MaximizeButton = params.Style & WS_MAXIMIZEBOX;
    }
    hp.Dialog = params.ExStyle & WS_EX_DLGMODALFRAME;
    hp.Tool = params.ExStyle & WS_EX_TOOLWINDOW;
    hp.StayOnTop = params.ExStyle & WS_EX_TOPMOST;
    hp.NoActivate = params.ExStyle & WS_EX_NOACTIVATE;
    hp.TransparentForInput = params.ExStyle & WS_EX_TRANSPARENT;
    hp.HelpButton = params.ExStyle & WS_EX_CONTEXTHELP;
    FHandle = HostCreate(this, hp.TopLevel ? nullptr : params.WndParent, hp);
    // A popup named with a parent window belongs to that window's top level.
    if (hp.TopLevel && params.WndParent)
        HostSetOwner(FHandle, params.WndParent);
    HostSetGeometry(FHandle, Bounds(params.X, params.Y, params.Width, params.Height));
    HostSetTitle(FHandle, params.Caption);
    HostSetEnabled(FHandle, !(params.Style & WS_DISABLED));
}

void TWinControl::CreateHandle()
{
    if (FHandle)
        return;
    FControlState += csCreating;
    CreateWnd();
    FControlState -= csCreating;
    HostSetTabFocus(FHandle, FTabStop);
    HostSetCursor(FHandle, Cursor());
    // A new window lands on top; later siblings go back above it.
    if (FParent) {
        bool after = false;
        for (TControl* c : FParent->FControls) {
            if (c == this) {
                after = true;
                continue;
            }
            auto* w = dynamic_cast<TWinControl*>(c);
            if (after && w && w->FHandle)
                HostRaise(w->FHandle);
        }
        HostSetVisible(FHandle, Visible());
    }
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->HandleNeeded();
    Invalidate();
}

void TWinControl::DestroyWnd()
{
    HostDestroy(FHandle);
    FHandle = nullptr;
}

void TWinControl::DestroyHandle()
{
    if (!FHandle)
        return;
    FControlState += csDestroyingHandle;
    for (TControl* c : FControls)
        if (auto* w = dynamic_cast<TWinControl*>(c))
            w->DestroyHandle();
    if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
    Perform(WM_DESTROY);
    DestroyWnd();
    FControlState -= csDestroyingHandle;
}

void TWinControl::DestroyHandleOnFree()
{
    WindowProc = nullptr;
    DestroyHandle();
}

void TWinControl::RecreateWnd()
{
    if (!FHandle)
        return;
    DestroyHandle();
    HandleNeeded();
}

void TWinControl::SetParent(TWinControl* AParent)
{
    if (AParent == FParent)
        return;
    TControl::SetParent(AParent);
    if (!AParent) {
        DestroyHandle();
        return;
    }
    if (!AParent->FHandle) {
        // The window cannot stay under its old parent's window.
        DestroyHandle();
        return;
    }
    if (FHandle) {
        HostSetParent(FHandle, AParent->FHandle);
        ApplyBoundsToHandle();
        HostSetVisible(FHandle, Visible());
    } else {
        HandleNeeded();
    }
}

// Children

int TWinControl::WinControlCount() const
{
    return int(std::count_if(FControls.begin(), FControls.end(), IsWindowed));
}

void TWinControl::InsertControl(TControl* AControl)
{
    AControl->FParent = this;
    FControls.push_back(AControl);
    if (auto* w = dynamic_cast<TWinControl*>(AControl))
        FTabList.push_back(w);
    if (AControl->Align() != alNone)
        AlignControl(AControl);
    if (!IsWindowed(AControl))
        AControl->Invalidate();
}

void TWinControl::RemoveControl(TControl* AControl)
{
    auto it = std::find(FControls.begin(), FControls.end(), AControl);
    if (it == FControls.end())
        return;
    if (!IsWindowed(AControl))
        AControl->Invalidate();
    if (FMouseOverChild == AControl)
        FMouseOverChild = nullptr;
    FControls.erase(it);
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), AControl), FTabList.end());
    if (TCustomForm* form = GetParentForm(this))
        if (auto* w = dynamic_cast<TWinControl*>(AControl))
            form->DefocusControl(w);
    AControl->FParent = nullptr;
    if (AControl->Align() != alNone)
        Realign();
}

bool TWinControl::ContainsControl(const TControl* Control) const
{
    for (const TControl* c = Control; c; c = c->Parent())
        if (c == this)
            return true;
    return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const
{
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
        TControl* c = *it;
        if (!AllowWinControls && IsWindowed(c))
            continue;
        if (!c->Visible() || (!AllowDisabled && !c->Enabled()))
            continue;
        if (c->BoundsRect().Contains(Pos))
            return c;
    }
    return nullptr;
}

void TWinControl::Broadcast(TMessage& Message)
{
    std::vector<TControl*> controls = FControls;
    for (TControl* c : controls) {
        c->CallWindowProc(Message);
        if (Message.Result != 0)
            return;
    }
}

void TWinControl::NotifyControls(unsigned Msg)
{
    TMessage m{Msg, 0, 0, 0};
    std::vector<TControl*> controls = FControls;
    for (TControl* c : controls)
        c->CallWindowProc(m);
}

void TWinControl::SetChildOrder(TControl* Child, int Order)
{
    auto it = std::find(FControls.begin(), FControls.end(), Child);
    if (it == FControls.end())
        return;
    FControls.erase(it);
    Order = std::clamp(Order, 0, int(FControls.size()));
    FControls.insert(FControls.begin() + Order, Child);
    if (auto* w = dynamic_cast<TWinControl*>(Child); w && w->FHandle) {
        if (Order == int(FControls.size()) - 1)
            HostRaise(w->FHandle);
        else
            HostLower(w->FHandle);
    }
    if (!IsWindowed(Child))
        Child->Invalidate();
}

// Alignment

void TWinControl::DisableAlign() { ++FAlignLevel; }

void TWinControl::EnableAlign()
{
    if (--FAlignLevel == 0 && FControlState.Contains(csAlignmentNeeded))
        Realign();
}

void TWinControl::Realign() { AlignControl(nullptr); }

void TWinControl::AlignControl(TControl* AControl)
{
    if (FAlignLevel > 0) {
        FControlState += csAlignmentNeeded;
        return;
    }
    FControlState -= csAlignmentNeeded;
    TRect r = ClientRect();
    AdjustClientRect(r);
    AlignControls(AControl, r);
}

void TWinControl::AdjustClientRect(TRect&) {}

void TWinControl::AlignControls(TControl* AControl, TRect& Rect)
{
    FControlState += csAligning;
    static const TAlign order[] = {alTop, alBottom, alLeft, alRight, alClient};
    for (TAlign align : order) {
        std::vector<TControl*> list;
        for (TControl* c : FControls)
            if (c->Align() == align && c->Visible())
                list.push_back(c);
        auto key = [align](TControl* c) {
            switch (align) {
            case alTop: return c->Top();
            case alBottom: return -(c->Top() + c->Height());
            case alLeft: return c->Left();
            case alRight: return -(c->Left() + c->Width());
            default: return 0;
            }
        };
        std::stable_sort(list.begin(), list.end(), [&](TControl* a, TControl* b) {
            if (a == AControl && key(a) == key(b))
                return true;
            return key(a) < key(b);
        });
        for (TControl* c : list) {
            int w = c->Width();
            int h = c->Height();
            switch (align) {
            case alTop:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), h);
                Rect.Top += h;
                break;
            case alBottom:
                c->SetBounds(Rect.Left, Rect.Bottom - h, Rect.Width(), h);
                Rect.Bottom -= h;
                break;
            case alLeft:
                c->SetBounds(Rect.Left, Rect.Top, w, Rect.Height());
                Rect.Left += w;
                break;
            case alRight:
                c->SetBounds(Rect.Right - w, Rect.Top, w, Rect.Height());
                Rect.Right -= w;
                break;
            case alClient:
                c->SetBounds(Rect.Left, Rect.Top, Rect.Width(), Rect.Height());
                break;
            default:
                break;
            }
        }
    }
    // Anchored controls keep their distances to the right and bottom edges.
    TRect client = ClientRect();
    for (TControl* c : FControls) {
        if (c->Align() != alNone)
            continue;
        TAnchors a = c->Anchors();
        if (c->FOriginalParentSize == TPoint{} ) {
            c->UpdateAnchorRules();
            continue;
        }
        int l = c->Left(), t = c->Top(), w = c->Width(), h = c->Height();
        if (a.Contains(akRight)) {
            if (a.Contains(akLeft))
                w = client.Width() - l - c->FAnchorRules.X;
            else
                l = client.Width() - c->FAnchorRules.X - w;
        }
        if (a.Contains(akBottom)) {
            if (a.Contains(akTop))
                h = client.Height() - t - c->FAnchorRules.Y;
            else
                t = client.Height() - c->FAnchorRules.Y - h;
        }
        c->SetBounds(l, t, w, h);
    }
    FControlState -= csAligning;
}

// Focus

void TWinControl::SetTabStop(bool value)
{
    if (FTabStop == value)
        return;
    FTabStop = value;
    HostSetTabFocus(FHandle, value);
    Perform(CM_TABSTOPCHANGED);
}

int TWinControl::TabOrder() const
{
    if (!FParent)
        return -1;
    const auto& list = FParent->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

void TWinControl::SetTabOrder(int value)
{
    if (!FParent)
        return;
    auto& list = FParent->FTabList;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    value = std::clamp(value, 0, int(list.size()));
    list.insert(list.begin() + value, this);
}

bool TWinControl::CanFocus() const
{
    TCustomForm* form = GetParentForm(this);
    const TControl* c = this;
    while (c) {
        if (!c->Visible() || !c->Enabled())
            return false;
        if (c == form)
            return true;
        c = c->Parent();
    }
    return form == nullptr;
}

void TWinControl::SetFocus()
{
    if (TCustomForm* form = GetParentForm(this)) {
        form->FocusControl(this);
        return;
    }
    if (!CanFocus())
        throw EInvalidOperation(QStringLiteral("Cannot focus a disabled or invisible window"));
    SetFocusedWindow(this);
}

bool TWinControl::Focused() const { return FocusedControl() == this; }

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) const
{
    for (TWinControl* c : FTabList) {
        List.push_back(c);
        c->GetTabOrderList(List);
    }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                                          bool CheckParent) const
{
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    if (list.empty())
        return nullptr;
    int count = int(list.size());
    auto found = std::find(list.begin(), list.end(), CurControl);
    int start = found == list.end() ? (GoForward ? count - 1 : 0) : int(found - list.begin());
    int i = start;
    do {
        if (GoForward) {
            if (++i == count)
                i = 0;
        } else {
            if (i == 0)
                i = count;
            --i;
        }
        TWinControl* c = list[std::size_t(i)];
        if (c != CurControl && c->CanFocus() && (!CheckTabStop || c->TabStop())
            && (!CheckParent || !CurControl || c->Parent() == CurControl->Parent()))
            return c;
    } while (i != start);
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop)
{
    if (TWinControl* c = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
        c->SetFocus();
}

// Painting

void TWinControl::InvalidateRect(const TRect& r)
{
    if (FHandle)
        HostInvalidate(FHandle, r);
}

void TWinControl::Invalidate() { InvalidateRect(ClientRect()); }

void TWinControl::Update()
{
    HostPaintNow(Handle());
}

void TWinControl::PaintWindow()
{
    if (FControlStyle.Contains(csOpaque))
        return;
    TCanvas canvas;
    canvas.SetSurface(HostSurface(FHandle));
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(FPaintRect);
}

void TWinControl::PaintControls()
{
    CanvasSurface* surface = HostSurface(FHandle);
    if (!surface)
        return;
    std::vector<TControl*> controls = FControls;
    for (TControl* c : controls) {
        if (IsWindowed(c) || !c->Visible())
            continue;
        TRect r;
        if (!IntersectRect(r, c->BoundsRect(), FPaintRect))
            continue;
        TCanvas canvas;
        canvas.SetSurface(surface);
        SetViewportOrgEx(&canvas, c->Left(), c->Top(), nullptr);
        IntersectClipRect(&canvas, 0, 0, c->Width(), c->Height());
        TMessage m{WM_PAINT, WPARAM(&canvas), 0, 0};
        Deliver(c, m);
    }
}

void TWinControl::WMPaint(TMessage&)
{
    PaintWindow();
    PaintControls();
}

// Mouse routing

bool TWinControl::IsControlMouseMsg(TWMMouse& Message)
{
    TControl* target = nullptr;
    TControl* capture = GetCaptureControl();
    if (capture) {
        if (capture->Parent() == this && !IsWindowed(capture))
            target = capture;
    } else {
        target = ControlAtPos(Message.Pos(), false);
        // Input made before the control was enabled stays with the window.
        if (target && !target->EnabledAt(CurrentInput().MadeTick))
            target = nullptr;
    }
    if (!target)
        return false;
    TMessage m{Message.Msg, WPARAM(Message.Keys),
               MakeLParam(Message.XPos - target->Left(), Message.YPos - target->Top()), 0};
    target->CallWindowProc(m);
    Message.Result = m.Result;
    return true;
}

// Messages

void TWinControl::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_SETFOCUS: {
        TCustomForm* form = GetParentForm(this);
        if (form && !form->SetFocusedControl(this))
            return;
        break;
    }
    case WM_KILLFOCUS:
        if (FControlState.Contains(csFocusing))
            return;
        break;
    default:
        if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST && Message.Msg != WM_MOUSEWHEEL) {
            TWMMouse mouse(Message);
            TControlGuard alive = Guard();
            if (IsControlMouseMsg(mouse)) {
                Message.Result = mouse.Result;
                // A window-less child took it; the window's default handling
                // still runs (its context menu finds the child).
                if (Message.Result == 0 && !alive.expired())
                    DefaultHandler(Message);
                return;
            }
        }
        break;
    }
    TControl::WndProc(Message);
}

void TWinControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_KEYDOWN: CallWithRecord<TWMKey>(m, this, &TWinControl::WMKeyDown); break;
    case WM_KEYUP: CallWithRecord<TWMKey>(m, this, &TWinControl::WMKeyUp); break;
    case WM_CHAR: CallWithRecord<TWMKey>(m, this, &TWinControl::WMChar); break;
    case WM_SYSKEYDOWN: CallWithRecord<TWMKey>(m, this, &TWinControl::WMSysKeyDown); break;
    case WM_SYSKEYUP: CallWithRecord<TWMKey>(m, this, &TWinControl::WMSysKeyUp); break;
    case WM_SYSCHAR: CallWithRecord<TWMKey>(m, this, &TWinControl::WMSysChar); break;
    case CN_KEYDOWN: CallWithRecord<TWMKey>(m, this, &TWinControl::CNKeyDown); break;
    case CN_CHAR: CallWithRecord<TWMKey>(m, this, &TWinControl::CNChar); break;
    case CN_SYSKEYDOWN: CallWithRecord<TWMKey>(m, this, &TWinControl::CNSysKeyDown); break;
    case CN_SYSCHAR: CallWithRecord<TWMKey>(m, this, &TWinControl::CNSysChar); break;
    case WM_GETDLGCODE: WMGetDlgCode(m); break;
    case WM_SETFOCUS: CallWithRecord<TWMFocus>(m, this, &TWinControl::WMSetFocus); break;
    case WM_KILLFOCUS: CallWithRecord<TWMFocus>(m, this, &TWinControl::WMKillFocus); break;
    case WM_PAINT: WMPaint(m); break;
    case WM_CONTEXTMENU: {
        // A window-less child under the mouse has its menu first.
        TPoint screen{LoSigned(WPARAM(m.LParam)), HiSigned(WPARAM(m.LParam))};
        if (!(screen.X == -1 && screen.Y == -1))
            if (TControl* child = ControlAtPos(ScreenToClient(screen), false)) {
                m.Result = child->Perform(WM_CONTEXTMENU, m.WParam, m.LParam);
                if (m.Result != 0)
                    break;
            }
        TControl::Dispatch(m);
        break;
    }
    case CM_ENTER: CMEnter(m); break;
    case CM_EXIT: CMExit(m); break;
    case CM_DIALOGKEY: CallWithRecord<TWMKey>(m, this, &TWinControl::CMDialogKey); break;
    case CM_DIALOGCHAR: CallWithRecord<TWMKey>(m, this, &TWinControl::CMDialogChar); break;
    case CM_CHILDKEY: CMChildKey(m); break;
    case CM_WANTSPECIALKEY: CallWithRecord<TWMKey>(m, this, &TWinControl::CMWantSpecialKey); break;
    case CM_FONTCHANGED:
        TControl::Dispatch(m);
        NotifyControls(CM_PARENTFONTCHANGED);
        break;
    case CM_SHOWHINTCHANGED:
        TControl::Dispatch(m);
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        break;
    case CM_PARENTSHOWHINTCHANGED:
        TControl::Dispatch(m);
        NotifyControls(CM_PARENTSHOWHINTCHANGED);
        break;
    default: TControl::Dispatch(m); break;
    }
}

void TWinControl::DefaultHandler(TMessage& Message)
{
    // The window system's default for the right button's release: the
    // context menu, at the mouse in screen coordinates.
    if (Message.Msg == WM_RBUTTONUP) {
        TPoint p = ClientToScreen({LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam))});
        Perform(WM_CONTEXTMENU, WPARAM(FHandle), PointToLParam(p));
    }
}

void TWinControl::CMColorChanged(TMessage& Message)
{
    TControl::CMColorChanged(Message);
    NotifyControls(CM_PARENTCOLORCHANGED);
}

void TWinControl::WMSize(TWMSize& Message)
{
    Realign();
    TControl::WMSize(Message);
}

void TWinControl::BoundsChanged() { ApplyBoundsToHandle(); }

void TWinControl::ApplyBoundsToHandle()
{
    if (FHandle)
        HostSetGeometry(FHandle, BoundsRect());
}

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TWinControl::SetVisible(bool value)
{
    TControl::SetVisible(value);
    // A window without a parent is a top-level window of its own.
    if (!FParent && value)
        HandleNeeded();
    if (FHandle)
        HostSetVisible(FHandle, value);
    if (!value && FocusedControl() && ContainsControl(FocusedControl()))
        if (TCustomForm* form = GetParentForm(this); form && form != this)
            form->DefocusControl(this);
}

void TWinControl::SetEnabled(bool value)
{
    TControl::SetEnabled(value);
    HostSetEnabled(FHandle, value);
}

void TWinControl::SetCursor(TCursor value)
{
    TControl::SetCursor(value);
    HostSetCursor(FHandle, value);
}

void TWinControl::SetText(const QString& value)
{
    TControl::SetText(value);
    HostSetTitle(FHandle, value);
}

TPoint TWinControl::ClientOrigin() const
{
    if (FHandle)
        return HostClientToScreen(FHandle, {0, 0});
    return TControl::ClientOrigin();
}

// Keys

void TWinControl::KeyDown(int& Key, TShiftState Shift)
{
    CallEvent(OnKeyDown, this, Key, Shift);
}

void TWinControl::KeyPress(QChar& Key)
{
    CallEvent(OnKeyPress, this, Key);
}

void TWinControl::KeyUp(int& Key, TShiftState Shift)
{
    CallEvent(OnKeyUp, this, Key, Shift);
}

bool TWinControl::DoKeyDown(TWMKey& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyDown(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    TShiftState shift = KeyDataToShiftState(Message.KeyData);
    KeyDown(Message.CharCode, shift);
    return Message.CharCode == 0;
}

bool TWinControl::DoKeyPress(TWMKey& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyPress(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    QChar ch(char16_t(Message.CharCode));
    KeyPress(ch);
    Message.CharCode = ch.unicode();
    return ch.unicode() == 0;
}

bool TWinControl::DoKeyUp(TWMKey& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && form->KeyPreview() && form->DoKeyUp(Message))
        return true;
    if (FControlStyle.Contains(csNoStdEvents))
        return false;
    TShiftState shift = KeyDataToShiftState(Message.KeyData);
    KeyUp(Message.CharCode, shift);
    return Message.CharCode == 0;
}

void TWinControl::WMKeyDown(TWMKey& Message) { DoKeyDown(Message); }
void TWinControl::WMSysKeyDown(TWMKey& Message) { DoKeyDown(Message); }
void TWinControl::WMKeyUp(TWMKey& Message) { DoKeyUp(Message); }
void TWinControl::WMSysKeyUp(TWMKey& Message) { DoKeyUp(Message); }
void TWinControl::WMChar(TWMKey& Message) { DoKeyPress(Message); }
void TWinControl::WMSysChar(TWMKey&) {}

void TWinControl::CNKeyDown(TWMKey& Message)
{
    Message.Result = 1;
    TCustomForm* form = GetParentForm(this);
    if (form && form->IsShortCut(Message))
        return;
    if (Perform(CM_CHILDKEY, WPARAM(Message.CharCode), LPARAM(this)) != 0)
        return;
    LRESULT mask = 0;
    switch (Message.CharCode) {
    case VK_TAB: mask = DLGC_WANTTAB; break;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: mask = DLGC_WANTARROWS; break;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL: mask = DLGC_WANTALLKEYS; break;
    }
    if (mask && form && Perform(CM_WANTSPECIALKEY, WPARAM(Message.CharCode), Message.KeyData) == 0
        && (Perform(WM_GETDLGCODE) & mask) == 0
        && form->Perform(CM_DIALOGKEY, WPARAM(Message.CharCode), Message.KeyData) != 0)
        return;
    Message.Result = 0;
}

void TWinControl::CNChar(TWMKey& Message)
{
    Message.Result = 1;
    TCustomForm* form = GetParentForm(this);
    if (form && (Perform(WM_GETDLGCODE) & DLGC_WANTCHARS) == 0
        && form->Perform(CM_DIALOGCHAR, WPARAM(Message.CharCode), Message.KeyData) != 0)
        return;
    Message.Result = 0;
}

void TWinControl::CNSysKeyDown(TWMKey& Message)
{
    TCustomForm* form = GetParentForm(this);
    Message.Result = form && form->IsShortCut(Message) ? 1 : 0;
}

void TWinControl::CNSysChar(TWMKey& Message)
{
    Message.Result = 0;
    TCustomForm* form = GetParentForm(this);
    if (form && Message.CharCode != VK_SPACE)
        Message.Result = form->Perform(CM_DIALOGCHAR, WPARAM(Message.CharCode), Message.KeyData);
}

void TWinControl::WMGetDlgCode(TMessage& Message) { Message.Result = 0; }

void TWinControl::WMSetFocus(TWMFocus&) {}
void TWinControl::WMKillFocus(TWMFocus&) {}

void TWinControl::CMEnter(TMessage&) { DoEnter(); }
void TWinControl::CMExit(TMessage&) { DoExit(); }

void TWinControl::DoEnter()
{
    CallEvent(OnEnter, this);
}

void TWinControl::DoExit()
{
    CallEvent(OnExit, this);
}

void TWinControl::CMDialogKey(TWMKey& Message)
{
    TMessage m{CM_DIALOGKEY, WPARAM(Message.CharCode), Message.KeyData, 0};
    Broadcast(m);
    Message.Result = m.Result;
}

void TWinControl::CMDialogChar(TWMKey& Message)
{
    TMessage m{CM_DIALOGCHAR, WPARAM(Message.CharCode), Message.KeyData, 0};
    Broadcast(m);
    Message.Result = m.Result;
}

void TWinControl::CMChildKey(TMessage& Message)
{
    if (FParent)
        FParent->CallWindowProc(Message);
}

void TWinControl::CMWantSpecialKey(TWMKey& Message) { Message.Result = 0; }
