// The popup form, and how the drop-down opens, sizes, places and closes it,
// with the keys and clicks that do so.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/Application.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

// The time after a deactivation in which a click does not reopen the popup.
constexpr uint32_t ReopenGuardMs = 250;
constexpr LRESULT HTNOWHERE = 0;
constexpr LRESULT HTBOTTOMRIGHT = 17;

bool AltDown()
{
    return GetKeyState(VK_MENU) < 0;
}

} // namespace

// Popup form

TDropDownForm::TDropDownForm(TComponent* AOwner) : TForm(AOwner)
{
    FShadow = true;
    FCancelOnDeActivate = true;
    OnDeactivate = [this](TObject*) { Deactivated(); };
}

TDropDownForm::~TDropDownForm()
{
    OnDeactivate = nullptr;
    FCanvas.reset();
}

TCanvas* TDropDownForm::Canvas()
{
    if (!FCanvas)
        FCanvas = std::make_unique<TControlCanvas>(this);
    return FCanvas.get();
}

void TDropDownForm::CreateParams(TCreateParams& Params)
{
    TForm::CreateParams(Params);
    Params.ExStyle |= WS_EX_TOPMOST;
    // The popup belongs to the form that holds its drop-down.
    if (FProDropDown)
        if (TCustomForm* form = GetParentForm(FProDropDown); form && form != this)
            Params.WndParent = form->Handle();
}

void TDropDownForm::AdjustClientRect(TRect& Rect)
{
    TForm::AdjustClientRect(Rect);
    if (FProDropDown) {
        const int b = FProDropDown->DropDownBorderWidth();
        InflateRect(Rect, -b, -b);
    }
}

void TDropDownForm::PaintWindow()
{
    TForm::PaintWindow();
    DrawBackground(Canvas());
}

void TDropDownForm::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_GETDLGCODE: Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS; return;
    case WM_NCHITTEST: {
        const TPoint p = ScreenToClient({LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam))});
        Message.Result = FSizeable && p.X > Width() - 10 && p.Y > Height() - 10 ? HTBOTTOMRIGHT : HTNOWHERE;
        return;
    }
    case WM_SIZING: {
        TForm::Dispatch(Message);
        CallEvent(OnSizing, this);
        return;
    }
    case WM_SIZE:
        TForm::Dispatch(Message);
        Invalidate();
        return;
    default: TForm::Dispatch(Message); return;
    }
}

void TDropDownForm::SetVisible(bool Value)
{
    if (Value) {
        TForm::SetVisible(true);
        return;
    }
    // Hiding deactivates the form; that is no deactivation by the user.
    const bool hiding = FHiding;
    FHiding = true;
    TControlGuard alive = Guard();
    TForm::SetVisible(false);
    if (!alive.expired())
        FHiding = hiding;
}

void TDropDownForm::Deactivated()
{
    if (FBlockActivate || FHiding || !Visible())
        return;
    FDeActivate = GetTickCount();
    if (FProDropDown)
        FProDropDown->DoHideDropDown(FCancelOnDeActivate);
    else
        Hide();
}

namespace {

// Refreshes a header or footer panel, or makes it when its appearance is
// visible; a panel once made is only hidden.
template <typename TPanel>
void UpdatePanel(TDropDownForm* Form, TPanel*& Panel, TProCustomDropDown* DropDown, TCustomAppearance* Appearance,
                 TAlign Align, const TDrawBackGroundEvent& Draw, const TGetTextEvent& GetText)
{
    if (Panel) {
        Panel->SetProDropDown(DropDown);
        Panel->InitButtons();
        Panel->SetVisible(Appearance->Visible());
    } else if (Appearance->Visible()) {
        Panel = new TPanel(Form);
        Panel->SetParent(Form);
        Panel->SetHeight(Appearance->Height());
        Panel->SetProDropDown(DropDown);
        Panel->InitButtons();
        Panel->SetAlign(Align);
    }
    if (Panel) {
        Panel->OnDrawBackGround = Draw;
        Panel->OnGetText = GetText;
    }
}

} // namespace

void TDropDownForm::InitializeAndUpdate()
{
    TProCustomDropDown* dd = FProDropDown;
    if (!dd)
        return;
    UpdatePanel(this, FHeader, dd, dd->DropDownHeader(), alTop, dd->OnDrawHeader, dd->OnGetHeaderText);
    UpdatePanel(this, FFooter, dd, dd->DropDownFooter(), alBottom, dd->OnDrawFooter, dd->OnGetFooterText);
}

void TDropDownForm::DrawBackground(TCanvas* ACanvas)
{
    TProCustomDropDown* dd = FProDropDown;
    if (!dd || !ACanvas)
        return;
    const int bw = dd->DropDownBorderWidth();
    TRect r = ClientRect();
    InflateRect(r, -bw, -bw);
    if (dd->DropDownColor() != clNone && dd->DropDownColorTo() != clNone) {
        ::DrawGradient(ACanvas, dd->DropDownColor(), dd->DropDownColorTo(), 80, r,
                       dd->DropDownGradient() == gdHorizontal);
    } else if (dd->DropDownColor() != clNone) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(dd->DropDownColor());
        ACanvas->FillRect(r);
    }
    if (bw > 0 && dd->DropDownBorderColor() != clNone) {
        r = ClientRect();
        r.Left += bw / 2;
        r.Top += bw / 2;
        ACanvas->Pen()->SetWidth(bw);
        ACanvas->Pen()->SetColor(dd->DropDownBorderColor());
        ACanvas->Brush()->SetStyle(bsClear);
        ACanvas->Rectangle(r);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Pen()->SetWidth(1);
    }
}

// Creating and sizing

void TProCustomDropDown::CreateDropDownForm()
{
    if (FDropDownForm)
        return;
    FDropDownForm = new TDropDownForm(this);
    FDropDownForm->SetProDropDown(this);
    FDropDownForm->SetBorderStyle(bsNone);
    FDropDownForm->SetVisible(false);
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), FDropDownWidth, FDropDownHeight);
    FDropDownForm->SetDoubleBuffered(true);
    FDropDownForm->OnClose = [](TObject*, TCloseAction&) {};
    FDropDownForm->OnHide = [this](TObject*) { AfterHideDropDown(); };
    FDropDownForm->OnKeyPress = [this](TObject*, QChar& Key) { DropDownKeyPress(Key); };
    FDropDownForm->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { DropDownKeyDown(Key, Shift); };
    FDropDownForm->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { DropDownKeyUp(Key, Shift); };
    FDropDownForm->OnMouseWheelDown = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
        DropDownMouseWheelDown(Shift, P, Handled);
    };
    FDropDownForm->OnMouseWheelUp = [this](TObject*, TShiftState Shift, TPoint P, bool& Handled) {
        DropDownMouseWheelUp(Shift, P, Handled);
    };
    FDropDownForm->OnDestroy = [this](TObject*) { DropDownFormDestroyed(); };
    FDropDownForm->OnSizing = [this](TObject*) { DropDownSizing(); };
}

void TProCustomDropDown::PlaceDropDownControl()
{
    if (!FDropDownForm || !FControl || !FDropDownHeader)
        return;
    FControl->SetParent(FDropDownForm);
    FControl->SetTop(FDropDownHeader->Visible() ? FDropDownHeader->Height() + 2 : FDropDownBorderWidth);
    FControl->SetAlign(alClient);
}

void TProCustomDropDown::UpdateDropDownSize()
{
    if (!FDropDownForm)
        return;
    const bool control = FControl && FControl->Visible();
    int w = Width();
    if (FDropDownWidth > 0)
        w = FDropDownWidth;
    else if (control)
        w = FControl->Width();
    int h = FDropDownHeight;
    if (h <= 0) {
        h = 2 * FDropDownBorderWidth;
        if (FDropDownHeader->Visible())
            h += FDropDownHeader->Height();
        if (FDropDownFooter->Visible())
            h += FDropDownFooter->Height();
        if (control)
            h += FControl->Height();
    }
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TProCustomDropDown::FocusDropDownControl()
{
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
}

// Opening

void TProCustomDropDown::DoShowDropDown()
{
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FDropDownForm || FDropDownForm->Visible()
        || !Enabled() || ReadOnly())
        return;
    TControlGuard alive = Guard();
    BeforeDropDown();
    if (alive.expired() || !FDropDownForm)
        return;
    FDropDownForm->SetShadow(FDropDownShadow);
    FDropDownForm->InitializeAndUpdate();
    FDropDownForm->SetBounds(Left(), Top(), FDropDownForm->Width(), FDropDownForm->Height());
    UpdateDropDownSize();
    PlaceDropDownControl();
    if (auto* control = dynamic_cast<TWinControl*>(FControl)) {
        control->OnKeyDown = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyDown(Key, Shift); };
        control->OnKeyUp = [this](TObject*, int& Key, TShiftState Shift) { ControlKeyUp(Key, Shift); };
        control->OnKeyPress = [this](TObject*, QChar& Key) { ControlKeyPress(Key); };
    }
    const TPoint p = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientOrigin();
    const int popupHeight = FDropDownForm->Height();
    int top = p.Y + Height() - 1;
    switch (FDropPosition) {
    case dpAuto: {
        TMonitor* primary = Screen->PrimaryMonitor();
        const int screenHeight = primary ? primary->Height() : Screen->Height();
        if (p.Y + popupHeight >= screenHeight)
            top = p.Y - popupHeight;
        break;
    }
    case dpDown: break;
    case dpUp: top = p.Y - popupHeight; break;
    }
    FDropDownForm->SetBounds(p.X, top, FDropDownForm->Width(), popupHeight);
    bool accept = true;
    CallEvent(OnDropDown, this, accept);
    if (alive.expired() || !accept || !FDropDownForm)
        return;
    PlacePopup(FDropDownForm->Width(), FDropDownForm->Height());
}

void TProCustomDropDown::PlacePopup(int Width, int Height)
{
    const TPoint p = Parent() ? Parent()->ClientToScreen({Left(), Top()}) : ClientOrigin();
    TMonitor* monitor = Screen->MonitorFromPoint(p);
    const TRect work = monitor ? monitor->WorkareaRect : Screen->WorkAreaRect();
    int left = FDropDownForm->Left();
    // Only the right edge is kept on a work area that starts at 0 or later.
    if (work.Left >= 0 && left + Width > work.Right && left < work.Right)
        left = work.Right - Width;
    const int top = FDropDownForm->Top();
    int w = Width;
    int h = Height;
    if (FUserDropDownWidth != -1)
        w = FUserDropDownWidth;
    if (FUserDropDownHeight != -1)
        h = FUserDropDownHeight;
    AdjustDropDownHeight(h);
    FDropDownForm->SetBounds(left, top, w, h);
    FDroppedDown = true;
    TControlGuard alive = Guard();
    FDropDownForm->Show();
    if (!alive.expired())
        FocusDropDownControl();
}

// Closing

void TProCustomDropDown::DoHideDropDown(bool Cancelled)
{
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FDropDownForm || !FDropDownForm->Visible()
        || FClosing)
        return;
    TControlGuard alive = Guard();
    FClosing = true;
    CallEvent(OnBeforeDropUp, this);
    if (alive.expired())
        return;
    FUserDropDownWidth = FDropDownForm->Width();
    FUserDropDownHeight = FDropDownForm->Height();
    FDropDownForm->Hide();
    if (alive.expired())
        return;
    Application->CancelHint();
    if (Cancelled)
        SetText(FOldText);
    FClosing = false;
    CallEvent(OnDropUp, this, Cancelled);
}

void TProCustomDropDown::AfterHideDropDown()
{
    FDroppedDown = false;
    if (TabStop() && CanFocus() && !Focused() && !IsDestroying()) {
        if (TCustomForm* form = GetParentForm(this); form && !form->Active())
            form->Activate();
        SetFocus();
    }
}

// Clicks

void TProCustomDropDown::DropButtonClick(TObject*)
{
    ClickDropDown();
}

void TProCustomDropDown::ClickDropDown()
{
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FDropDownForm || FDropDownForm->Visible())
        return;
    if (GetTickCount() - FDropDownForm->DeActivateTime() > ReopenGuardMs)
        DoShowDropDown();
}

// Keys and the wheel forwarded from the popup and its control

void TProCustomDropDown::DropDownMouseWheelDown(TShiftState, TPoint, bool&)
{
    DoSelectNext();
}

void TProCustomDropDown::DropDownMouseWheelUp(TShiftState, TPoint, bool&)
{
    DoSelectPrevious();
}

void TProCustomDropDown::DropDownKeyPress(QChar& Key)
{
    SendMessage(this, WM_CHAR, WPARAM(Key.unicode()), 0);
}

void TProCustomDropDown::DropDownKeyDown(int& Key, TShiftState)
{
    SendMessage(this, WM_KEYDOWN, WPARAM(Key), 0);
}

void TProCustomDropDown::DropDownKeyUp(int& Key, TShiftState)
{
    SendMessage(this, WM_KEYUP, WPARAM(Key), 0);
}

void TProCustomDropDown::ControlKeyDown(int& Key, TShiftState)
{
    SendMessage(this, WM_KEYDOWN, WPARAM(Key), 0);
}

void TProCustomDropDown::ControlKeyUp(int& Key, TShiftState)
{
    SendMessage(this, WM_KEYUP, WPARAM(Key), 0);
}

void TProCustomDropDown::ControlKeyPress(QChar& Key)
{
    SendMessage(this, WM_CHAR, WPARAM(Key.unicode()), 0);
}

void TProCustomDropDown::BeforeDropDown()
{
    CallEvent(OnBeforeDropDown, this);
}

// Enter closes keeping the value, Escape cancelled, F4 toggles. True when
// the key was one of them.
bool TProCustomDropDown::DropDownKeys(int Key)
{
    if (ReadOnly())
        return false;
    switch (Key) {
    case VK_RETURN:
        if (FDroppedDown)
            DoHideDropDown(false);
        return true;
    case VK_ESCAPE:
        if (FDroppedDown)
            DoHideDropDown(true);
        return true;
    case VK_F4:
        if (FDropDownForm && FDropDownForm->Visible())
            DoHideDropDown(false);
        else
            DoShowDropDown();
        return true;
    default: return false;
    }
}

void TProCustomDropDown::WMKeyDown(TWMKey& Message)
{
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    TControlGuard alive = Guard();
    const int key = Message.CharCode;
    if (AltDown() && (key == VK_UP || key == VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
        if (alive.expired())
            return;
    }
    if (!FEditorEnabled && Enabled()) {
        DropDownKeys(key);
        if (alive.expired())
            return;
        if (key == VK_RETURN || key == VK_ESCAPE)
            TCustomMaskEdit::WMKeyDown(Message);
        else
            Message.CharCode = 0;
        return;
    }
    if (GetKeyState(VK_CONTROL) < 0 && (key == VK_TAB || key == VK_RETURN)) {
        TCustomMaskEdit::WMKeyDown(Message);
        return;
    }
    if (!CaretKeyRules(Message))
        return;
    TCustomMaskEdit::WMKeyDown(Message);
    if (alive.expired())
        return;
    AfterCaretKey(Message, key);
    if (alive.expired())
        return;
    DropDownKeys(key);
}

void TProCustomDropDown::KeyDown(int& Key, TShiftState Shift)
{
    // The clipboard keys go the framework's road: WM_CUT, WM_COPY, WM_PASTE.
    const bool ctrl = Shift.Contains(ssCtrl);
    const bool shift = Shift.Contains(ssShift);
    unsigned clip = 0;
    if ((ctrl && Key == 'X') || (shift && Key == VK_DELETE))
        clip = WM_CUT;
    else if ((ctrl && Key == 'C') || (ctrl && Key == VK_INSERT))
        clip = WM_COPY;
    else if ((ctrl && Key == 'V') || (shift && Key == VK_INSERT))
        clip = WM_PASTE;
    TControlGuard alive = Guard();
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (alive.expired())
        return;
    if (clip && Key != 0) {
        Key = 0;
        Perform(clip);
        return;
    }
    if (Shift.Contains(ssAlt) && (Key == VK_UP || Key == VK_DOWN)) {
        if (FDroppedDown)
            DoHideDropDown(false);
        else
            DoShowDropDown();
    }
}

void TProCustomDropDown::KeyPress(QChar& Key)
{
    TCustomMaskEdit::KeyPress(Key);
    if (Key == QChar(13))
        Key = QChar(0);
}

void TProCustomDropDown::CMWantSpecialKey(TWMKey& Message)
{
    TCustomForm* form = GetParentForm(this);
    if (!form)
        return;
    const bool preview = form->KeyPreview();
    const int key = Message.CharCode;
    if (key == VK_ESCAPE && FCanUndo && !preview) {
        SelectAll();
        SetIsModified(false);
        Message.CharCode = 0;
        Message.Result = 0;
        // An Escape that only closes the popup ends there.
        if (Parent() && FDefaultHandling && !FDroppedDown) {
            PostMessage(Parent(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessage(Parent(), WM_KEYUP, VK_ESCAPE, 0);
        }
    }
    if (key == VK_RETURN && FDefaultHandling && !preview && Parent() && Parent()->Focused()) {
        PostMessage(Parent(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessage(Parent(), WM_KEYUP, VK_RETURN, 0);
    }
    TCustomMaskEdit::CMWantSpecialKey(Message);
    // The edit claims Escape while open, so a dialog does not close.
    if (key == VK_ESCAPE && FDroppedDown)
        Message.Result = 1;
}

// The edit wants Return and Escape itself, as a multi-line edit does: its
// key handling, and the parent it posts them to, act on them, not the
// form's default and cancel buttons as well.
void TProCustomDropDown::WMGetDlgCode(TMessage& Message)
{
    TCustomMaskEdit::WMGetDlgCode(Message);
    Message.Result |= DLGC_WANTALLKEYS;
}

// The wheel over the edit steps the value.

bool TProCustomDropDown::DoMouseWheelDown(TShiftState Shift, TPoint MousePos)
{
    const bool result = TCustomMaskEdit::DoMouseWheelDown(Shift, MousePos);
    DoSelectNext();
    return result;
}

bool TProCustomDropDown::DoMouseWheelUp(TShiftState Shift, TPoint MousePos)
{
    const bool result = TCustomMaskEdit::DoMouseWheelUp(Shift, MousePos);
    DoSelectPrevious();
    return result;
}
