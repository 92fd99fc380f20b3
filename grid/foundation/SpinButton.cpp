#include "grid/foundation/SpinButton.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include <algorithm>

void LoadSpinGlyph(TBitmap* Bitmap, bool Up)
{
    Bitmap->SetSize(9, 6);
    TCanvas* c = Bitmap->Canvas();
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clOlive);
    c->FillRect(TRect{0, 0, 9, 6});
    for (int row = 1; row <= 4; ++row) {
        const int width = Up ? 2 * row - 1 : 9 - 2 * row;
        for (int x = 4 - width / 2; x <= 4 + width / 2; ++x)
            c->SetPixels(x, row, clBlack);
    }
}

// Timer button

TProTimerSpeedButton::TProTimerSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TProTimerSpeedButton::~TProTimerSpeedButton()
{
    delete FRepeatTimer;
}

TSgSpinButton* TProTimerSpeedButton::Spin() const
{
    return dynamic_cast<TSgSpinButton*>(Owner());
}

void TProTimerSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    if (Button == mbLeft)
        FPressed = true;
    if (FTimeBtnState.Contains(tbAllowTimer)) {
        if (!FRepeatTimer) {
            FRepeatTimer = new TTimer(nullptr);
            FRepeatTimer->SetEnabled(false);
            FRepeatTimer->OnTimer = [this](TObject*) { TimerExpired(); };
        }
        FRepeatTimer->SetInterval(400);
        FRepeatTimer->SetEnabled(true);
    }
    if (Parent())
        Parent()->Invalidate();
}

void TProTimerSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (Button == mbLeft)
        FPressed = false;
    if (FRepeatTimer)
        FRepeatTimer->SetEnabled(false);
    if (Parent())
        Parent()->Invalidate();
}

void TProTimerSpeedButton::TimerExpired()
{
    FRepeatTimer->SetInterval(100);
    if (FPressed && MouseCapture()) {
        try {
            Click();
        } catch (...) {
            FRepeatTimer->SetEnabled(false);
            throw;
        }
    }
}

void TProTimerSpeedButton::MouseEnter()
{
    TSpeedButton::MouseEnter();
    FHasMouse = true;
    Invalidate();
}

void TProTimerSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    FHasMouse = false;
    Invalidate();
}

void TProTimerSpeedButton::Paint()
{
    TCanvas* c = Canvas();
    if (!c)
        return;
    const TRect r{0, 0, Width(), Height()};
    const int l = r.Left;
    const int t = r.Top;
    const bool down = FPressed || Down();
    TSgSpinButton* spin = Spin();
    if (spin && spin->ButtonColor() != clNone) {
        TColor fill = spin->ButtonColor();
        if (down && spin->ButtonColorDown() != clNone)
            fill = spin->ButtonColorDown();
        else if (FHasMouse && spin->ButtonColorHot() != clNone)
            fill = spin->ButtonColorHot();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(fill);
        c->Pen()->SetColor(fill);
        c->Rectangle(r);
        c->Brush()->SetColor(clBlack);
        c->Pen()->SetColor(clBlack);
        switch (FButtonDirection) {
        case bdLeft: c->Polygon({{l + 5, t + 5}, {l + 3, t + 7}, {l + 5, t + 9}}); break;
        case bdRight: c->Polygon({{l + 3, t + 5}, {l + 5, t + 7}, {l + 3, t + 9}}); break;
        case bdUp: c->Polygon({{l + 4, t + 4}, {l + 8, t + 4}, {l + 6, t + 2}}); break;
        case bdDown: c->Polygon({{l + 4, t + 2}, {l + 8, t + 2}, {l + 6, t + 4}}); break;
        }
        return;
    }
    if (FIsWinXP) {
        const int part = FButtonDirection == bdUp ? 1 : FButtonDirection == bdDown ? 2 : FButtonDirection == bdRight ? 3 : 4;
        const int state = down ? 3 : FHasMouse ? 2 : 1;
        void* wnd = spin && spin->HandleAllocated() ? spin->Handle() : nullptr;
        if (DrawThemedPart(wnd, QStringLiteral("spin"), c, part, state, r))
            return;
    }
    if (FButtonDirection == bdLeft || FButtonDirection == bdRight) {
        TRect fr = r;
        unsigned state = FButtonDirection == bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        if (down)
            state |= DFCS_PUSHED;
        if (Flat())
            state |= DFCS_FLAT;
        DrawFrameControl(c, fr, DFC_SCROLL, state);
        return;
    }
    TSpeedButton::Paint();
}

// Spin button

TSgSpinButton::TSgSpinButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle -= csAcceptsControls;
    FControlStyle -= csSetCaption;
    FControlStyle += csOpaque;
    auto make = [this](TButtonDirection dir) {
        auto* b = new TProTimerSpeedButton(this);
        b->SetParent(this);
        b->SetTimeBtnState({tbAllowTimer});
        b->SetButtonDirection(dir);
        b->OnClick = [this](TObject* s) { BtnClick(s); };
        b->OnMouseDown = [this](TObject* s, TMouseButton btn, TShiftState, int, int) { BtnMouseDown(s, btn); };
        TBitmap glyph;
        LoadSpinGlyph(&glyph, dir == bdUp);
        b->SetGlyph(&glyph);
        return b;
    };
    FUpButton = make(bdUp);
    FDownButton = make(bdDown);
    FFocusedButton = FUpButton;
    SetBounds(0, 0, 15, 25);
}

TSgSpinButton::~TSgSpinButton() = default;

void TSgSpinButton::FitButtons(int& W, int& H)
{
    if (IsLoading() || !FUpButton)
        return;
    if (FDirection == spVertical) {
        W = std::max(W, 15);
        FUpButton->SetBounds(0, 0, W, H / 2);
        const int up = FUpButton->Height();
        FDownButton->SetBounds(0, up - 1, W, H - up + 1);
    } else {
        W = std::max(W, 20);
        FDownButton->SetBounds(0, 0, W / 2, H);
        FUpButton->SetBounds(W / 2 + 1, 0, W / 2, H);
    }
}

void TSgSpinButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    int w = AWidth;
    int h = AHeight;
    FitButtons(w, h);
    TWinControl::SetBounds(ALeft, ATop, w, h);
}

void TSgSpinButton::WMSize(TWMSize& Message)
{
    TWinControl::WMSize(Message);
    int w = Width();
    int h = Height();
    FitButtons(w, h);
    if (w != Width() || h != Height())
        TWinControl::SetBounds(Left(), Top(), w, h);
}

void TSgSpinButton::Loaded()
{
    TWinControl::Loaded();
    int w = Width();
    int h = Height();
    FitButtons(w, h);
    if (w != Width() || h != Height())
        TWinControl::SetBounds(Left(), Top(), w, h);
}

void TSgSpinButton::SetDirection(TSpinDirection value)
{
    FDirection = value;
    if (HandleAllocated())
        RecreateWnd();
    if (value == spHorizontal) {
        FUpButton->SetButtonDirection(bdRight);
        FDownButton->SetButtonDirection(bdLeft);
        SetWidth(20);
    } else {
        FUpButton->SetButtonDirection(bdUp);
        FDownButton->SetButtonDirection(bdDown);
        SetWidth(15);
    }
    Invalidate();
}

TBitmap* TSgSpinButton::UpGlyph() const { return FUpButton->Glyph(); }
TBitmap* TSgSpinButton::DownGlyph() const { return FDownButton->Glyph(); }
int TSgSpinButton::UpNumGlyphs() const { return FUpButton->NumGlyphs(); }
int TSgSpinButton::DownNumGlyphs() const { return FDownButton->NumGlyphs(); }
void TSgSpinButton::SetUpNumGlyphs(int value) { FUpButton->SetNumGlyphs(value); }
void TSgSpinButton::SetDownNumGlyphs(int value) { FDownButton->SetNumGlyphs(value); }

void TSgSpinButton::SetUpGlyph(TBitmap* value)
{
    if (value) {
        FUpButton->SetGlyph(value);
        return;
    }
    TBitmap glyph;
    LoadSpinGlyph(&glyph, true);
    FUpButton->SetGlyph(&glyph);
    FUpButton->SetNumGlyphs(1);
    FUpButton->Invalidate();
}

void TSgSpinButton::SetDownGlyph(TBitmap* value)
{
    if (value) {
        FDownButton->SetGlyph(value);
        return;
    }
    TBitmap glyph;
    LoadSpinGlyph(&glyph, false);
    FDownButton->SetGlyph(&glyph);
    FDownButton->SetNumGlyphs(1);
    FDownButton->Invalidate();
}

void TSgSpinButton::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TSgSpinButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TSgSpinButton::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FUpButton->SetIsWinXP(value);
    FDownButton->SetIsWinXP(value);
}

void TSgSpinButton::BtnClick(TObject* Sender)
{
    if (Sender == FUpButton && OnUpClick)
        OnUpClick(this);
    if (Sender == FDownButton && OnDownClick)
        OnDownClick(this);
}

void TSgSpinButton::BtnMouseDown(TObject* Sender, TMouseButton Button)
{
    if (Button != mbLeft)
        return;
    SetFocusBtn(static_cast<TProTimerSpeedButton*>(Sender));
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

void TSgSpinButton::SetFocusBtn(TProTimerSpeedButton* Btn)
{
    if (!TabStop() || !CanFocus() || Btn == FFocusedButton)
        return;
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - tbFocusRect);
    FFocusedButton = Btn;
    if (Focused())
        FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
    Invalidate();
}

void TSgSpinButton::KeyDown(int& Key, TShiftState Shift)
{
    switch (Key) {
    case VK_SPACE:
        FFocusedButton->Click();
        break;
    case VK_UP:
        SetFocusBtn(FUpButton);
        FUpButton->Click();
        break;
    case VK_DOWN:
        SetFocusBtn(FDownButton);
        FDownButton->Click();
        break;
    default:
        break;
    }
    TWinControl::KeyDown(Key, Shift);
}

void TSgSpinButton::WMSetFocus(TWMFocus& Message)
{
    TWinControl::WMSetFocus(Message);
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() + tbFocusRect);
    FFocusedButton->Invalidate();
}

void TSgSpinButton::WMKillFocus(TWMFocus& Message)
{
    TWinControl::WMKillFocus(Message);
    FFocusedButton->SetTimeBtnState(FFocusedButton->TimeBtnState() - tbFocusRect);
    FFocusedButton->Invalidate();
}
