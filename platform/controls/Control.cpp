#include "platform/controls/Control.h"
#include "platform/controls/ActionList.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Clock.h"
#include "platform/rtl/Exceptions.h"
#include <QLoggingCategory>
#include "platform/controls/ControlHelpers.h"

Q_LOGGING_CATEGORY(lcMessages, "platform.msg", QtWarningMsg)

namespace {

} // namespace

TShiftState KeysToShiftState(int Keys)
{
    TShiftState s;
    if (Keys & MK_SHIFT)
        s += ssShift;
    if (Keys & MK_CONTROL)
        s += ssCtrl;
    if (Keys & MK_LBUTTON)
        s += ssLeft;
    if (Keys & MK_RBUTTON)
        s += ssRight;
    if (Keys & MK_MBUTTON)
        s += ssMiddle;
    if ((Keys & MK_ALT) || GetKeyState(VK_MENU) < 0)
        s += ssAlt;
    return s;
}

int ShiftStateToKeys(TShiftState Shift)
{
    int k = 0;
    if (Shift.Contains(ssShift))
        k |= MK_SHIFT;
    if (Shift.Contains(ssCtrl))
        k |= MK_CONTROL;
    if (Shift.Contains(ssLeft))
        k |= MK_LBUTTON;
    if (Shift.Contains(ssRight))
        k |= MK_RBUTTON;
    if (Shift.Contains(ssMiddle))
        k |= MK_MBUTTON;
    if (Shift.Contains(ssAlt))
        k |= MK_ALT;
    return k;
}

TShiftState KeyDataToShiftState(LPARAM KeyData)
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s += ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s += ssCtrl;
    if (KeyData & KF_ALTDOWN_BIT)
        s += ssAlt;
    return s;
}

TShiftState KeyboardStateToShiftState()
{
    TShiftState s;
    if (GetKeyState(VK_SHIFT) < 0)
        s += ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        s += ssCtrl;
    if (GetKeyState(VK_MENU) < 0)
        s += ssAlt;
    if (GetKeyState(VK_LBUTTON) < 0)
        s += ssLeft;
    if (GetKeyState(VK_RBUTTON) < 0)
        s += ssRight;
    if (GetKeyState(VK_MBUTTON) < 0)
        s += ssMiddle;
    return s;
}

QString GetShortHint(const QString& Hint)
{
    int i = Hint.indexOf(QLatin1Char('|'));
    return i < 0 ? Hint : Hint.left(i);
}

QString GetLongHint(const QString& Hint)
{
    int i = Hint.indexOf(QLatin1Char('|'));
    return i < 0 ? Hint : Hint.mid(i + 1);
}

bool IsAccel(QChar Key, const QString& Caption)
{
    for (int i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != QLatin1Char('&'))
            continue;
        if (Caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return Caption[i + 1].toUpper() == Key.toUpper();
    }
    return false;
}

bool Deliver(TControl* Control, TMessage& Message)
{
    if (!Control)
        return false;
    TControlGuard alive = Control->Guard();
    qCDebug(lcMessages, "%s 0x%04x %llx %llx", qPrintable(Control->ClassName()), Message.Msg,
            static_cast<unsigned long long>(Message.WParam), static_cast<unsigned long long>(Message.LParam));
    try {
        Control->CallWindowProc(Message);
    } catch (...) {
        HandleCurrentException(alive.expired() ? nullptr : Control);
    }
    return !alive.expired();
}

void HandleCurrentException(TObject* Sender)
{
    try {
        throw;
    } catch (Exception& e) {
        if (Application)
            Application->HandleException(Sender, &e);
    } catch (std::exception& e) {
        Exception wrapped(QString::fromLocal8Bit(e.what()));
        if (Application)
            Application->HandleException(Sender, &wrapped);
    } catch (...) {
        Exception wrapped(QStringLiteral("Unknown exception"));
        if (Application)
            Application->HandleException(Sender, &wrapped);
    }
}

// TControl

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FAlive(std::make_shared<char>(0))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
    FFont = new TFont;
    FFont->OnChange = [this](TObject* Sender) { FontChanged(Sender); };
}

TControl::~TControl()
{
    FAlive.reset();
    if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
    Application->ControlDestroyed(this);
    if (FParent)
        FParent->RemoveControl(this);
    delete FActionLink;
    delete FFont;
}

TCustomForm* TControl::ParentForm() const { return GetParentForm(this); }

void TControl::SetParent(TWinControl* AParent)
{
    if (FParent == AParent)
        return;
    if (AParent == this)
        throw EInvalidOperation(QStringLiteral("A control cannot have itself as its parent"));
    if (FParent)
        FParent->RemoveControl(this);
    if (AParent) {
        AParent->InsertControl(this);
        if (FParentFont)
            Perform(CM_PARENTFONTCHANGED);
        if (FParentColor)
            Perform(CM_PARENTCOLORCHANGED);
        if (FParentShowHint)
            Perform(CM_PARENTSHOWHINTCHANGED);
        UpdateAnchorRules();
    }
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    AWidth = std::max(AWidth, 0);
    AHeight = std::max(AHeight, 0);
    if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
        return;
    bool sized = AWidth != FWidth || AHeight != FHeight;
    bool moved = ALeft != FLeft || ATop != FTop;
    if (FParent && !IsWindowed(this))
        FParent->InvalidateRect(BoundsRect());
    FLeft = ALeft;
    FTop = ATop;
    FWidth = AWidth;
    FHeight = AHeight;
    BoundsChanged();
    bool aligning = FParent && FParent->FControlState.Contains(csAligning);
    if (!aligning) {
        UpdateAnchorRules();
        if (FParent && FVisible && FAlign != alNone)
            FParent->AlignControl(this);
    }
    if (FParent && !IsWindowed(this))
        FParent->InvalidateRect(BoundsRect());
    if (moved && IsWindowed(this))
        Perform(WM_MOVE, 0, FParent ? MakeLParam(FLeft, FTop) : PointToLParam(ClientOrigin()));
    if (sized)
        Perform(WM_SIZE, SIZE_RESTORED, MakeLParam(FWidth, FHeight));
}

void TControl::UpdateBoundsRect(const TRect& r)
{
    FLeft = r.Left;
    FTop = r.Top;
    FWidth = r.Width();
    FHeight = r.Height();
}

void TControl::UpdateAnchorRules()
{
    if (!FParent)
        return;
    TRect pr = FParent->ClientRect();
    FOriginalParentSize = {pr.Width(), pr.Height()};
    FAnchorRules = {pr.Width() - (FLeft + FWidth), pr.Height() - (FTop + FHeight)};
}

TRect TControl::ClientRect() const { return Rect(0, 0, FWidth, FHeight); }

void TControl::SetClientWidth(int v) { SetWidth(v + (FWidth - ClientWidth())); }
void TControl::SetClientHeight(int v) { SetHeight(v + (FHeight - ClientHeight())); }

TPoint TControl::ClientOrigin() const
{
    if (!FParent)
        return {FLeft, FTop};
    TPoint p = FParent->ClientOrigin();
    return {p.X + FLeft, p.Y + FTop};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.X + o.X, p.Y + o.Y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

TPoint TControl::ClientToParent(TPoint p, TWinControl* AParent) const
{
    if (!AParent)
        AParent = FParent;
    const TControl* c = this;
    while (c && c != AParent) {
        p.X += c->FLeft;
        p.Y += c->FTop;
        c = c->FParent;
    }
    if (c != AParent)
        throw EInvalidOperation(QStringLiteral("Control '%1' has no parent window").arg(Name()));
    return p;
}

void TControl::SetAlign(TAlign value)
{
    if (FAlign == value)
        return;
    FAlign = value;
    if (FParent)
        FParent->AlignControl(this);
}

void TControl::SetAnchors(TAnchors value)
{
    FAnchors = value;
    UpdateAnchorRules();
}

void TControl::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    Perform(CM_VISIBLECHANGED, value ? 1 : 0);
    if (FParent && FAlign != alNone)
        FParent->Realign();
}

bool TControl::IsVisibleOnScreen() const
{
    for (const TControl* c = this; c; c = c->FParent)
        if (!c->FVisible)
            return false;
    return true;
}

void TControl::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    if (value)
        FEnabledTick = GetTickCount64();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetFont(TFont* value)
{
    FFont->Assign(value);
}

void TControl::FontChanged(TObject*)
{
    FParentFont = false;
    Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool value)
{
    if (FParentFont == value)
        return;
    FParentFont = value;
    if (value && FParent)
        Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor value)
{
    if (FColor == value)
        return;
    FColor = value;
    FParentColor = false;
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool value)
{
    if (FParentColor == value)
        return;
    FParentColor = value;
    if (value && FParent)
        Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetShowHint(bool value)
{
    FParentShowHint = false;
    if (FShowHint == value)
        return;
    FShowHint = value;
    Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool value)
{
    if (FParentShowHint == value)
        return;
    FParentShowHint = value;
    if (value && FParent)
        Perform(CM_PARENTSHOWHINTCHANGED);
}

void TControl::SetCursor(TCursor value)
{
    if (FCursor == value)
        return;
    FCursor = value;
    if (Application->MouseControl() == this)
        Screen->SetControlCursor(value);
    Perform(CM_CURSORCHANGED);
}

void TControl::SetPopupMenu(TComponent* value)
{
    if (FPopupMenu)
        FPopupMenu->RemoveFreeNotification(this);
    FPopupMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FPopupMenu)
        FPopupMenu = nullptr;
}

TBasicAction* TControl::Action() const { return FActionLink ? FActionLink->Action() : nullptr; }

void TControl::SetAction(TBasicAction* value)
{
    if (!value) {
        delete FActionLink;
        FActionLink = nullptr;
        return;
    }
    if (!FActionLink)
        FActionLink = new TControlActionLink(this);
    FActionLink->SetAction(value);
    ActionChange(value, value->IsLoading());
}

void TControl::ActionChange(TObject* Sender, bool CheckDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action)
        return;
    if (!CheckDefaults || Caption().isEmpty() || Caption() == Name())
        SetCaption(action->Caption());
    if (!CheckDefaults || Enabled())
        SetEnabled(action->Enabled());
    if (!CheckDefaults || FHint.isEmpty())
        SetHint(action->Hint());
    if (!CheckDefaults || Visible())
        SetVisible(action->Visible());
    // The action runs on Click while OnClick is empty.
    if (!CheckDefaults)
        OnClick = nullptr;
}

void TControl::SetText(const QString& value)
{
    if (FText == value)
        return;
    FText = value;
    Perform(CM_TEXTCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode value)
{
    if (FBiDiMode == value)
        return;
    FBiDiMode = value;
    Perform(CM_BIDIMODECHANGED);
}

bool TControl::MouseCapture() const { return GetCaptureControl() == this; }

void TControl::SetMouseCapture(bool value)
{
    if (value)
        SetCaptureControl(this);
    else if (GetCaptureControl() == this)
        SetCaptureControl(nullptr);
}

LRESULT TControl::Perform(unsigned Msg, WPARAM WParam, LPARAM LParam)
{
    TMessage m{Msg, WParam, LParam, 0};
    CallWindowProc(m);
    return m.Result;
}

void TControl::CallWindowProc(TMessage& Message)
{
    if (WindowProc)
        WindowProc(Message);
    else
        WndProc(Message);
}

void TControl::WndProc(TMessage& Message)
{
    if (Message.Msg >= WM_MOUSEFIRST && Message.Msg <= WM_MOUSELAST) {
        if (!FControlStyle.Contains(csDoubleClicks)) {
            switch (Message.Msg) {
            case WM_LBUTTONDBLCLK:
            case WM_RBUTTONDBLCLK:
            case WM_MBUTTONDBLCLK:
                Message.Msg -= WM_LBUTTONDBLCLK - WM_LBUTTONDOWN;
                break;
            }
        }
        switch (Message.Msg) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK: Application->HintMouseMessage(this, Message); break;
        }
    }
    Dispatch(Message);
}

void TControl::Dispatch(TMessage& m)
{
    switch (m.Msg) {
    case WM_LBUTTONDOWN: CallWithRecord<TWMMouse>(m, this, &TControl::WMLButtonDown); break;
    case WM_LBUTTONUP: CallWithRecord<TWMMouse>(m, this, &TControl::WMLButtonUp); break;
    case WM_LBUTTONDBLCLK: CallWithRecord<TWMMouse>(m, this, &TControl::WMLButtonDblClk); break;
    case WM_RBUTTONDOWN: CallWithRecord<TWMMouse>(m, this, &TControl::WMRButtonDown); break;
    case WM_RBUTTONUP: CallWithRecord<TWMMouse>(m, this, &TControl::WMRButtonUp); break;
    case WM_RBUTTONDBLCLK: CallWithRecord<TWMMouse>(m, this, &TControl::WMRButtonDblClk); break;
    case WM_MBUTTONDOWN: CallWithRecord<TWMMouse>(m, this, &TControl::WMMButtonDown); break;
    case WM_MBUTTONUP: CallWithRecord<TWMMouse>(m, this, &TControl::WMMButtonUp); break;
    case WM_MBUTTONDBLCLK: CallWithRecord<TWMMouse>(m, this, &TControl::WMMButtonDblClk); break;
    case WM_MOUSEMOVE: CallWithRecord<TWMMouse>(m, this, &TControl::WMMouseMove); break;
    case WM_MOUSEWHEEL: CallWithRecord<TWMMouseWheel>(m, this, &TControl::WMMouseWheel); break;
    case CM_MOUSEWHEEL: CallWithRecord<TCMMouseWheel>(m, this, &TControl::CMMouseWheel); break;
    case CM_MOUSEENTER: CMMouseEnter(m); break;
    case CM_MOUSELEAVE: CMMouseLeave(m); break;
    case WM_CANCELMODE: WMCancelMode(m); break;
    case CM_CANCELMODE: CMCancelMode(m); break;
    case CM_HINTSHOW: CMHintShow(m); break;
    case CM_ENABLEDCHANGED: CMEnabledChanged(m); break;
    case CM_VISIBLECHANGED: CMVisibleChanged(m); break;
    case CM_FONTCHANGED: CMFontChanged(m); break;
    case CM_COLORCHANGED: CMColorChanged(m); break;
    case CM_TEXTCHANGED: CMTextChanged(m); break;
    case CM_PARENTFONTCHANGED: CMParentFontChanged(m); break;
    case CM_PARENTCOLORCHANGED: CMParentColorChanged(m); break;
    case CM_PARENTSHOWHINTCHANGED: CMParentShowHintChanged(m); break;
    case WM_CONTEXTMENU: WMContextMenu(m); break;
    case WM_TIMER: CallWithRecord<TWMTimer>(m, this, &TControl::WMTimer); break;
    case WM_SIZE: CallWithRecord<TWMSize>(m, this, &TControl::WMSize); break;
    default: DefaultHandler(m); break;
    }
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Invalidate()
{
    if (FParent && FVisible)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::Update()
{
    if (FParent)
        FParent->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

void TControl::BringToFront()
{
    if (FParent)
        FParent->SetChildOrder(this, FParent->ControlCount() - 1);
}

void TControl::SendToBack()
{
    if (FParent)
        FParent->SetChildOrder(this, 0);
}

// Hooks

void TControl::Click()
{
    if (OnClick)
        CallEvent(OnClick, this);
    else if (FActionLink)
        FActionLink->Execute(this);
}

void TControl::DblClick()
{
    CallEvent(OnDblClick, this);
}

void TControl::Resize()
{
    CallEvent(OnResize, this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    CallEvent(OnMouseDown, this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y)
{
    CallEvent(OnMouseMove, this, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    CallEvent(OnMouseUp, this, Button, Shift, X, Y);
}

void TControl::MouseEnter()
{
    CallEvent(OnMouseEnter, this);
}

void TControl::MouseLeave()
{
    CallEvent(OnMouseLeave, this);
}

bool TControl::DoMouseWheel(TShiftState Shift, int WheelDelta, TPoint MousePos)
{
    bool handled = false;
    CallEvent(OnMouseWheel, this, Shift, WheelDelta, MousePos, handled);
    if (!handled) {
        if (WheelDelta < 0)
            handled = DoMouseWheelDown(Shift, MousePos);
        else if (WheelDelta > 0)
            handled = DoMouseWheelUp(Shift, MousePos);
    }
    return handled;
}

bool TControl::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    CallEvent(OnMouseWheelDown, this, Shift, MousePos, handled);
    return handled;
}

bool TControl::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    bool handled = false;
    CallEvent(OnMouseWheelUp, this, Shift, MousePos, handled);
    return handled;
}

void TControl::MouseWheelHandler(TMessage& Message)
{
    Message.Result = Perform(CM_MOUSEWHEEL, Message.WParam, Message.LParam);
}

// Platform handling

void TControl::DoMouseDown(TWMMouse& Message, TMouseButton Button, TShiftState Shift)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseDown(Button, KeysToShiftState(Message.Keys) + Shift, Message.XPos, Message.YPos);
}

void TControl::DoMouseUp(TWMMouse& Message, TMouseButton Button)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseUp(Button, KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMLButtonDown(TWMMouse& Message)
{
    SendCancelMode(this);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        FControlState += csClicked;
    DoMouseDown(Message, mbLeft, {});
}

void TControl::WMLButtonDblClk(TWMMouse& Message)
{
    SendCancelMode(this);
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
    if (FControlStyle.Contains(csClickEvents))
        DblClick();
    DoMouseDown(Message, mbLeft, {ssDouble});
}

void TControl::WMLButtonUp(TWMMouse& Message)
{
    TControlGuard alive = Guard();
    if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(false);
    if (FControlState.Contains(csClicked)) {
        FControlState -= csClicked;
        if (ClientRect().Contains(Message.Pos()))
            Click();
    }
    if (!alive.expired())
        DoMouseUp(Message, mbLeft);
}

void TControl::WMRButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbRight, {}); }
void TControl::WMRButtonUp(TWMMouse& Message)
{
    // The default handling brings the context menu, before MouseUp.
    TControlGuard alive = Guard();
    TMessage m{WM_RBUTTONUP, 0, 0, Message.Result};
    Message.WriteTo(m);
    DefaultHandler(m);
    if (!alive.expired())
        DoMouseUp(Message, mbRight);
}
void TControl::WMRButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbRight, {ssDouble}); }
void TControl::WMMButtonDown(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {}); }
void TControl::WMMButtonUp(TWMMouse& Message) { DoMouseUp(Message, mbMiddle); }
void TControl::WMMButtonDblClk(TWMMouse& Message) { DoMouseDown(Message, mbMiddle, {ssDouble}); }

void TControl::WMMouseMove(TWMMouse& Message)
{
    if (!FControlStyle.Contains(csNoStdEvents))
        MouseMove(KeysToShiftState(Message.Keys), Message.XPos, Message.YPos);
}

void TControl::WMMouseWheel(TWMMouseWheel& Message)
{
    TMessage m;
    m.Msg = Message.Msg;
    Message.WriteTo(m);
    MouseWheelHandler(m);
    Message.Result = m.Result;
}

void TControl::CMMouseWheel(TCMMouseWheel& Message)
{
    Message.Result = 0;
    if (DoMouseWheel(Message.ShiftState(), Message.WheelDelta, {Message.XPos, Message.YPos}))
        Message.Result = 1;
    else if (FParent) {
        TMessage m;
        Message.WriteTo(m);
        Message.Result = FParent->Perform(CM_MOUSEWHEEL, m.WParam, m.LParam);
    }
}

void TControl::CMMouseEnter(TMessage& Message)
{
    if (FParent)
        FParent->Perform(CM_MOUSEENTER, 0, LPARAM(this));
    if (Message.LParam == 0)
        MouseEnter();
}

void TControl::CMMouseLeave(TMessage& Message)
{
    if (FParent)
        FParent->Perform(CM_MOUSELEAVE, 0, LPARAM(this));
    if (Message.LParam == 0) {
        Application->HintMouseLeave(this);
        MouseLeave();
    }
}

void TControl::WMCancelMode(TMessage&)
{
    if (MouseCapture())
        SetMouseCapture(false);
}

void TControl::CMCancelMode(TMessage&)
{
    if (MouseCapture())
        SetMouseCapture(false);
}

void TControl::CMHintShow(TMessage&) {}

void TControl::CMEnabledChanged(TMessage&) { Invalidate(); }

void TControl::CMVisibleChanged(TMessage&)
{
    if (FParent)
        FParent->InvalidateRect(BoundsRect());
}

void TControl::CMFontChanged(TMessage&) { Invalidate(); }
void TControl::CMColorChanged(TMessage&) { Invalidate(); }
void TControl::CMTextChanged(TMessage&) {}

void TControl::CMParentFontChanged(TMessage&)
{
    if (FParentFont && FParent) {
        FFont->Assign(FParent->Font());
        FParentFont = true;
    }
}

void TControl::CMParentColorChanged(TMessage&)
{
    if (FParentColor && FParent) {
        SetColor(FParent->Color());
        FParentColor = true;
    }
}

void TControl::CMParentShowHintChanged(TMessage&)
{
    if (FParentShowHint && FParent) {
        SetShowHint(FParent->ShowHint());
        FParentShowHint = true;
    }
}

void TControl::DoContextPopup(TPoint MousePos, bool& Handled)
{
    CallEvent(OnContextPopup, this, MousePos, Handled);
}

void TControl::WMContextMenu(TMessage& Message)
{
    if (Message.Result != 0)
        return;
    TPoint screen{LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam))};
    bool fromKeyboard = screen.X == -1 && screen.Y == -1;
    TPoint client = fromKeyboard ? screen : ScreenToClient(screen);
    TControlGuard alive = Guard();
    bool handled = false;
    DoContextPopup(client, handled);
    Message.Result = handled ? 1 : 0;
    if (handled || alive.expired())
        return;
    auto* menu = dynamic_cast<TPopupMenu*>(FPopupMenu);
    if (!menu || !menu->AutoPopup())
        return;
    SendCancelMode(nullptr);
    menu->SetPopupComponent(this);
    if (fromKeyboard)
        screen = ClientToScreen({0, 0});
    Message.Result = 1;
    menu->Popup(screen.X, screen.Y);
}

void TControl::WMTimer(TWMTimer&) {}

void TControl::WMSize(TWMSize&) { Resize(); }

void TControl::Changed() { Perform(CM_CHANGED); }

void TControl::SendCancelMode(TControl* Sender)
{
    TCustomForm* form = GetParentForm(this);
    if (form)
        form->SendCancelMode(Sender);
}
