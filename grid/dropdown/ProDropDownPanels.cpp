// The popup's header and footer panels and their push buttons.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/foundation/MarkupRender.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

namespace {

constexpr unsigned CM_BUTTONPRESSED = 0xB018;

bool ClosingResult(TModalResult R)
{
    switch (R) {
    case mrOk:
    case mrCancel:
    case mrAbort:
    case mrIgnore:
    case mrYes:
    case mrNo:
    case mrAll:
    case mrNoToAll:
    case mrYesToAll: return true;
    default: return false;
    }
}

bool CancellingResult(TModalResult R)
{
    return R == mrCancel || R == mrAbort || R == mrIgnore || R == mrNo || R == mrNoToAll;
}

} // namespace

// List

void TDbgList::AssignList(TList* ListA)
{
    Clear();
    for (int i = 0; i < ListA->Count(); ++i)
        Add(ListA->Items(i));
}

void* TDbgList::GetItemsEx(int Index) const
{
    if (Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list read access"));
    return Items(Index);
}

void TDbgList::SetItemsEx(int Index, void* Value)
{
    if (Index >= Count())
        throw Exception(QStringLiteral("Index out of bounds in list write access"));
    SetItems(Index, Value);
}

// Button

TProButton::TProButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    SetBounds(Left(), Top(), 23, 22);
    SetDoubleBuffered(true);
    SetShowHint(false);
    FUnHotTimer = new TTimer(this);
    FUnHotTimer->SetInterval(1);
    FUnHotTimer->SetEnabled(false);
    FUnHotTimer->OnTimer = [this](TObject* s) { UnHotTimer(s); };
}

TProButton::~TProButton()
{
    delete FUnHotTimer;
    FUnHotTimer = nullptr;
}

void TProButton::AutoSizeButton()
{
    if (!FAppearance)
        return;
    TCanvas* c = Canvas();
    c->Font()->Assign(FAppearance->Font());
    TPoint size = GetTextSize(c, Caption());
    if (FImages && FImageIndex >= 0) {
        size.X = std::max(size.X, FImages->Width());
        size.Y = std::max(size.Y, FImages->Height());
    }
    SetBounds(Left(), Top(), size.X + 8, size.Y + 4);
}

void TProButton::DrawButton(TCanvas* ACanvas)
{
    TProButtonAppearance* a = FAppearance;
    if (!a)
        return;
    TColor from = a->Color(), to = a->ColorTo(), frame = a->BorderColor();
    if (!Enabled()) {
        from = a->ColorDisabled();
        to = a->ColorDisabledTo();
        frame = a->BorderColorDisabled();
    } else if (FMouseDownInControl && FMouseInControl) {
        from = to = a->ColorDown();
        frame = a->BorderColorDown();
    } else if (FDown) {
        from = to = a->ColorChecked();
        frame = a->BorderColorChecked();
    } else if (FMouseInControl || Focused()) {
        from = to = a->ColorHot();
        frame = a->BorderColorHot();
    }
    const TRect r = ClientRect();
    DrawGradientRect(ACanvas, r, from, to, frame, 1, a->Gradient());
    ACanvas->Brush()->SetStyle(bsClear);
    ACanvas->Font()->Assign(a->Font());
    DrawImageText(ACanvas, r, Caption(), FImages, FImageIndex);
    ACanvas->Brush()->SetStyle(bsSolid);
}

void TProButton::PaintParentBackground(TCanvas* ACanvas)
{
    auto* panel = dynamic_cast<TProPanelBase*>(Parent());
    if (!panel)
        return;
    TPoint old;
    SetWindowOrgEx(ACanvas, Left(), Top(), &old);
    panel->PaintPanel(ACanvas);
    SetWindowOrgEx(ACanvas, old.X, old.Y, nullptr);
}

void TProButton::Paint()
{
    if (!Enabled()) {
        FState = absDisabled;
        FDragging = false;
    } else if (FState == absDisabled) {
        FState = FDown && FGroupIndex != 0 ? absExclusive : absUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = absDown;
    TCanvas* c = Canvas();
    const int saved = SaveDC(c);
    IntersectClipRect(c, 0, 0, Width(), Height());
    PaintParentBackground(c);
    RestoreDC(c, saved);
    DrawButton(c);
}

void TProButton::Loaded()
{
    TCustomControl::Loaded();
    if (FInitialDown != FDown)
        SetDown(FInitialDown);
}

void TProButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages && !IsDestroying())
        FImages = nullptr;
}

void TProButton::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_BUTTONPRESSED) {
        auto* sender = reinterpret_cast<TProButton*>(Message.LParam);
        if (int(Message.WParam) != FGroupIndex || !sender || sender == this)
            return;
        if (sender->FDown && FDown) {
            FDown = false;
            FState = absUp;
            Invalidate();
        }
        FAllowAllUp = sender->FAllowAllUp;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TProButton::CMMouseEnter(TMessage& Message)
{
    TCustomControl::CMMouseEnter(Message);
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    FMouseInControl = true;
    if (Enabled())
        Invalidate();
    FUnHotTimer->SetEnabled(true);
    CallEvent(OnMouseEnter, this);
}

void TProButton::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    FUnHotTimer->SetEnabled(false);
    FMouseInControl = false;
    if (Enabled())
        Invalidate();
    CallEvent(OnMouseLeave, this);
}

void TProButton::UnHotTimer(TObject*)
{
    const TPoint p = ScreenToClient(GetCursorPos());
    if (p.X < 0 || p.Y < 0 || p.X >= Width() || p.Y >= Height()) {
        FUnHotTimer->SetEnabled(false);
        FMouseInControl = false;
        if (Enabled())
            Invalidate();
    }
}

void TProButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled() || ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    FMouseDownInControl = true;
    if (!FDown) {
        FState = absDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = absDown;
        Invalidate();
    }
    FDragging = true;
}

void TProButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    if (FDragging) {
        const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
        TProButtonState state = FDown ? absExclusive : inside ? absDown : absUp;
        if (FStyle == tasCheck && FDown)
            state = absDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        TrackMouse();
    }
}

void TProButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (alive.expired() || ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    FMouseDownInControl = false;
    Invalidate();
    if (FDragging) {
        FDragging = false;
        const bool inside = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
        if (FGroupIndex != 0) {
            if (inside) {
                SetDown(!FDown);
            } else {
                if (FDown)
                    FState = absExclusive;
                Invalidate();
            }
        } else {
            FState = absUp;
            FMouseInControl = false;
            if (FStyle == tasCheck) {
                SetDown(!FDown);
                FState = absUp;
            }
            Invalidate();
        }
    }
    TrackMouse();
}

void TProButton::TrackMouse()
{
    if (!Enabled())
        return;
    const TPoint p = ScreenToClient(GetCursorPos());
    const bool inside = p.X >= 0 && p.Y >= 0 && p.X < Width() && p.Y < Height();
    if (inside != FMouseInControl)
        Perform(inside ? CM_MOUSEENTER : CM_MOUSELEAVE);
}

void TProButton::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == VK_RETURN || Key == VK_SPACE) {
        if (!FDown) {
            FState = absDown;
            Invalidate();
        }
        if (FStyle == tasCheck)
            FState = absDown;
        TControlGuard alive = Guard();
        FInternalClick = true;
        Click();
        if (alive.expired())
            return;
        FInternalClick = false;
    }
    TCustomControl::KeyDown(Key, Shift);
}

void TProButton::CMDialogChar(TWMKey& Message)
{
    if (Enabled() && IsAccel(QChar(char16_t(Message.CharCode)), Caption())) {
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TProButton::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}

void TProButton::DoEnter()
{
    TCustomControl::DoEnter();
    Invalidate();
}

void TProButton::DoExit()
{
    TCustomControl::DoExit();
    Invalidate();
}

void TProButton::SetDown(bool Value)
{
    if (IsLoading()) {
        FInitialDown = Value;
        return;
    }
    if (FGroupIndex == 0 && FStyle == tasButton)
        Value = false;
    if (FStyle == tasCheck) {
        FDown = Value;
        FState = Value ? absDown : absUp;
        Invalidate();
        return;
    }
    if (Value == FDown || (FDown && !FAllowAllUp))
        return;
    FDown = Value;
    if (Value) {
        if (FState == absUp)
            Invalidate();
        FState = absExclusive;
        NotifyGroup();
    } else {
        FState = absUp;
        Invalidate();
    }
}

void TProButton::NotifyGroup()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(this), 0};
    Parent()->Broadcast(m);
}

void TProButton::Click()
{
    TControlGuard alive = Guard();
    if (TCustomForm* form = GetParentForm(this))
        form->SetModalResult(FModalResult);
    if (FProDropDown && ClosingResult(FModalResult))
        FProDropDown->HideDropDown(CancellingResult(FModalResult));
    if (alive.expired())
        return;
    if (!FInternalClick)
        TCustomControl::Click();
}

// Panels

TProPanelBase::TProPanelBase(TComponent* AOwner) : TCustomControl(AOwner), FButtonList(std::make_unique<TDbgList>())
{
    SetDoubleBuffered(true);
}

TProPanelBase::~TProPanelBase()
{
    FButtonList->Clear();
}

void TProPanelBase::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
}

void TProPanelBase::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        FImages = nullptr;
}

void TProPanelBase::SetProDropDown(TProCustomDropDown* DropDown)
{
    FProDropDown = DropDown;
    if (!DropDown) {
        SetImages(nullptr);
        return;
    }
    SetImages(DropDown->Images());
    AssignAppearance(DropDown);
}

void TProPanelBase::InitButtons()
{
    if (FProDropDown)
        CreateButtons();
}

void TProPanelBase::ClearButtons()
{
    for (int i = FButtonList->Count() - 1; i >= 0; --i)
        delete static_cast<TProButton*>(FButtonList->Items(i));
    FButtonList->Clear();
}

void TProPanelBase::CreateButtons()
{
    if (!FProDropDown)
        return;
    ClearButtons();
    const int h = GetButtonAreaHeight();
    for (int i = 0; i < AppearanceButtonCount(); ++i) {
        TAppearanceButton* item = AppearanceButton(i);
        auto* b = new TProButton(this);
        b->SetParent(this);
        b->FAppearance = FProDropDown->ButtonAppearance();
        b->SetCaption(item->Caption());
        b->SetImages(FImages);
        b->FImageIndex = item->ImageIndex();
        b->SetEnabled(item->Enabled());
        if (IsFooter()) {
            b->SetProDropDown(FProDropDown);
            b->FModalResult = static_cast<TFooterButton*>(item)->ModalResult();
        }
        b->AutoSizeButton();
        int bw = b->Width();
        int bh = b->Height();
        if (item->Width() > 0)
            bw = item->Width();
        if (item->Height() > 0)
            bh = item->Height();
        bh = std::min(bh, h);
        b->SetBounds(b->Left(), b->Top(), bw, bh);
        b->SetTag(i);
        b->OnClick = [this](TObject* s) { ButtonClick(s); };
        FButtonList->Add(b);
    }
    ArrangeButtons();
}

void TProPanelBase::UpdateButtons()
{
    if (!FProDropDown)
        return;
    for (int i = 0; i < FButtonList->Count(); ++i) {
        auto* b = static_cast<TProButton*>(FButtonList->Items(i));
        b->FAppearance = FProDropDown->ButtonAppearance();
        b->SetImages(FImages);
        if (i < AppearanceButtonCount()) {
            TAppearanceButton* item = AppearanceButton(i);
            b->SetCaption(item->Caption());
            b->FImageIndex = item->ImageIndex();
            b->SetEnabled(item->Enabled());
        }
        b->AutoSizeButton();
    }
    ArrangeButtons();
}

void TProPanelBase::ArrangeButtons()
{
    if (FButtonList->Count() == 0)
        return;
    const TRect area = GetButtonArea();
    const bool right = BaseAppearance()->ButtonAlignment() == baRight;
    int x = right ? area.Right : area.Left;
    for (int i = 0; i < FButtonList->Count(); ++i) {
        auto* b = static_cast<TProButton*>(FButtonList->Items(i));
        const int top = std::max(area.Top, (area.Bottom - b->Height()) / 2);
        if (right) {
            x -= b->Width();
            b->SetBounds(x, top, b->Width(), b->Height());
        } else {
            b->SetBounds(x, top, b->Width(), b->Height());
            x += b->Width();
        }
    }
}

TRect TProPanelBase::GetCaptionBounds() const
{
    if (FButtonList->Count() == 0)
        return TRect(-1, -1, -1, -1);
    TRect r = GetButtonArea();
    r.Right = static_cast<TProButton*>(FButtonList->Last())->Left() - 2;
    return r;
}

void TProPanelBase::ButtonClick(TObject* Sender)
{
    auto* b = dynamic_cast<TProButton*>(Sender);
    if (!b || !FProDropDown)
        return;
    const TDropDownButtonItemClick& handler =
        IsFooter() ? FProDropDown->OnDropDownFooterButtonClick : FProDropDown->OnDropDownHeaderButtonClick;
    CallEvent(handler, FProDropDown, int(b->Tag()));
}

void TProPanelBase::WMSize(TWMSize& Message)
{
    TCustomControl::WMSize(Message);
    ArrangeButtons();
}

void TProPanelBase::AppearanceChanged()
{
    TCustomAppearance* a = BaseAppearance();
    SetVisible(a->Visible());
    SetHeight(a->Height());
}

void TProPanelBase::Paint()
{
    PaintPanel(Canvas());
}

void TProPanelBase::PaintPanel(TCanvas* C)
{
    const TRect r = ClientRect();
    if (OnDrawBackGround) {
        CallEvent(OnDrawBackGround, this, C, r);
        return;
    }
    TCustomAppearance* a = BaseAppearance();
    const bool footer = IsFooter();
    if (a->ColorTo() == clNone) {
        if (a->Color() != clNone) {
            C->Brush()->SetStyle(bsSolid);
            C->Brush()->SetColor(a->Color());
            C->FillRect(r);
        }
    } else {
        DrawGradient(C, a->Color(), a->ColorTo(), 80, r, a->GradientDirection() == gdHorizontal);
    }
    const int bw = a->BorderWidth();
    if (a->BorderColor() != clNone && bw > 0) {
        C->Pen()->SetWidth(bw);
        C->Pen()->SetColor(a->BorderColor());
        const bool ownBorder = !FProDropDown || FProDropDown->DropDownBorderWidth() <= 0 ||
                               FProDropDown->DropDownBorderColor() == clNone;
        if (!footer) {
            C->MoveTo(r.Left, r.Bottom - 1);
            C->LineTo(r.Right, r.Bottom - 1);
            if (ownBorder)
                C->Polyline({TPoint(r.Left, r.Bottom - 1), TPoint(r.Left, r.Top), TPoint(r.Right, r.Top),
                             TPoint(r.Right, r.Bottom - 1)});
        } else {
            C->MoveTo(r.Left, r.Top);
            C->LineTo(r.Right, r.Top);
            if (ownBorder)
                C->Polyline({TPoint(r.Left, r.Top), TPoint(r.Left, r.Bottom), TPoint(r.Right, r.Bottom),
                             TPoint(r.Right, r.Top)});
        }
        C->Pen()->SetWidth(1);
        C->Brush()->SetStyle(bsClear);
        C->Pen()->SetColor(ProDropDownUnit::BlendColor(a->BorderColor(), clWhite, 20));
        TRect inner = r;
        if (footer)
            inner.Top += bw;
        else
            inner.Bottom -= bw;
        C->Rectangle(inner);
        C->Brush()->SetStyle(bsSolid);
    }
    TRect content = r;
    InflateRect(content, -bw, -bw);
    if (a->ImageIndex() >= 0 && FImages) {
        FImages->Draw(C, content.Left + 4, content.Top + (content.Height() - FImages->Height()) / 2,
                      a->ImageIndex(), true);
        content.Left += FImages->Width() + 8;
    }
    QString text = a->Caption();
    CallEvent(OnGetText, this, text);
    if (!text.isEmpty()) {
        if (FButtonList->Count() > 0)
            content.Right = GetCaptionBounds().Right;
        C->Font()->Assign(a->Font());
        TPoint size;
        DrawHTMLText(C, text, content, FImages, false, HandleAllocated() ? Handle() : nullptr, size);
        if (size.Y < content.Height())
            content.Top += (content.Height() - size.Y) / 2;
        C->Brush()->SetStyle(bsClear);
        DrawHTMLText(C, text, content, FImages, true, HandleAllocated() ? Handle() : nullptr, size);
        C->Brush()->SetStyle(bsSolid);
    }
    if (footer) {
        auto* f = static_cast<TProFooter*>(this);
        if (f->HasSizeGrip())
            f->DrawSizeGrip(C, TRect(r.Right - bw - 16, 1, r.Right - bw - 1, r.Bottom));
    }
}

// Header

TProHeader::TProHeader(TComponent* AOwner)
    : TProPanelBase(AOwner), FAppearance(std::make_unique<THeaderAppearance>(AOwner))
{
    FControlStyle = {csAcceptsControls, csClickEvents, csDoubleClicks};
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TProHeader::~TProHeader()
{
    FAppearance->OnChange = nullptr;
    ClearButtons();
}

void TProHeader::SetAppearance(THeaderAppearance* Value)
{
    FAppearance->Assign(Value);
}

void TProHeader::AssignAppearance(TProCustomDropDown* DropDown)
{
    FAppearance->Assign(DropDown->DropDownHeader());
}

THeaderButtons* TProHeader::Buttons() const
{
    return FProDropDown ? FProDropDown->DropDownHeader()->Buttons() : nullptr;
}

TRect TProHeader::GetButtonArea() const
{
    TRect r = ClientRect();
    return TRect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 3);
}

int TProHeader::AppearanceButtonCount() const
{
    THeaderButtons* b = Buttons();
    return b ? b->Count() : 0;
}

TAppearanceButton* TProHeader::AppearanceButton(int Index) const
{
    return Buttons()->Items(Index);
}

// Footer

TProFooter::TProFooter(TComponent* AOwner)
    : TProPanelBase(AOwner), FAppearance(std::make_unique<TFooterAppearance>(AOwner))
{
    FControlStyle = {csAcceptsControls, csClickEvents, csDoubleClicks, csCaptureMouse};
    FAppearance->OnChange = [this](TObject*) { AppearanceChanged(); };
}

TProFooter::~TProFooter()
{
    FAppearance->OnChange = nullptr;
    ClearButtons();
}

void TProFooter::SetAppearance(TFooterAppearance* Value)
{
    FAppearance->Assign(Value);
}

void TProFooter::AssignAppearance(TProCustomDropDown* DropDown)
{
    FAppearance->Assign(DropDown->DropDownFooter());
}

TFooterButtons* TProFooter::Buttons() const
{
    return FProDropDown ? FProDropDown->DropDownFooter()->Buttons() : nullptr;
}

bool TProFooter::HasSizeGrip() const
{
    return FAppearance->SizeGrip() && FProDropDown && FProDropDown->DropDownSizeable();
}

TRect TProFooter::GetButtonArea() const
{
    TRect r = ClientRect();
    return TRect(r.Left + 2, r.Top + 2, r.Right - (HasSizeGrip() ? 14 : 2), r.Bottom - 2);
}

int TProFooter::AppearanceButtonCount() const
{
    TFooterButtons* b = Buttons();
    return b ? b->Count() : 0;
}

TAppearanceButton* TProFooter::AppearanceButton(int Index) const
{
    return Buttons()->Items(Index);
}

void TProFooter::DrawSizeGrip(TCanvas* C, const TRect& G)
{
    const int l = G.Left;
    const int b = G.Bottom;
    const TPoint dots[] = {{5, 4}, {9, 4}, {13, 4}, {13, 8}, {13, 12}, {9, 8}};
    C->Brush()->SetStyle(bsSolid);
    C->Pen()->SetWidth(1);
    for (const TColor color : {TColor(clWhite), FAppearance->BorderColor()}) {
        const int shift = color == clWhite ? 0 : 1;
        C->Pen()->SetColor(color);
        C->Brush()->SetColor(color);
        for (const TPoint& d : dots) {
            const int x = l + d.X - shift;
            const int y = b - d.Y - shift;
            C->Rectangle(x, y, x + 2, y + 2);
        }
    }
}

bool TProFooter::InGrip(int X, int Y) const
{
    return HasSizeGrip() && X > Width() - 12 && Y > Height() - 15;
}

void TProFooter::CMMouseEnter(TMessage& Message)
{
    TProPanelBase::CMMouseEnter(Message);
    if (Screen->Cursor() != crSizeNWSE)
        FOldCursor = Screen->Cursor();
}

void TProFooter::CMMouseLeave(TMessage& Message)
{
    TProPanelBase::CMMouseLeave(Message);
    if (Screen->Cursor() != FOldCursor)
        Screen->SetCursor(FOldCursor);
}

// The grip sizes the popup from its bottom-right corner: the window system
// has no sizing loop to hand over to here, so the footer drives it.
void TProFooter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TProPanelBase::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft && Parent() && InGrip(X, Y)) {
        FSizing = true;
        FGripStart = ClientToScreen({X, Y});
        FStartSize = {Parent()->Width(), Parent()->Height()};
    }
}

void TProFooter::MouseMove(TShiftState Shift, int X, int Y)
{
    TProPanelBase::MouseMove(Shift, X, Y);
    if (FSizing) {
        if (auto* form = dynamic_cast<TDropDownForm*>(Parent())) {
            const TPoint p = ClientToScreen({X, Y});
            TRect r = Bounds(form->Left(), form->Top(), std::max(80, FStartSize.X + p.X - FGripStart.X),
                             std::max(50, FStartSize.Y + p.Y - FGripStart.Y));
            form->Perform(WM_SIZING, 8, LPARAM(&r));
            form->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        }
        return;
    }
    if (Parent() && InGrip(X, Y))
        Screen->SetCursor(crSizeNWSE);
    else if (Screen->Cursor() != FOldCursor)
        Screen->SetCursor(FOldCursor);
}

void TProFooter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FSizing = false;
    TProPanelBase::MouseUp(Button, Shift, X, Y);
    if (Screen->Cursor() != FOldCursor)
        Screen->SetCursor(FOldCursor);
}
