#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"

bool IsXPThemed()
{
    return IsWinXPOrLater() && ThemeActiveNow() && (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
}

TProCheckBox::TProCheckBox(TComponent* AOwner) : TCustomControl(AOwner), FBkgBmp(std::make_unique<TBitmap>())
{
    FControlStyle -= csClickEvents;
    FControlStyle -= csAcceptsControls;
    SetBounds(0, 0, 98, 20);
    SetColor(clWindow);
    SetParentColor(true);
    SetText(QStringLiteral("TProCheckBox"));
    SetTabStop(false);
    FIsWinXP = IsWinXPOrLater();
}

TProCheckBox::~TProCheckBox() = default;

TRect TProCheckBox::BoxRect() const
{
    const TRect c = ClientRect();
    const bool right = FAlignment == taRightJustify;
    if (IsXPThemed()) {
        const int x = right ? c.Right - 15 : 0;
        const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? c.Height() / 2 - 6 : c.Bottom - 14;
        return Bounds(x, y, 14, 14);
    }
    const int x = right ? c.Right - 13 : 0;
    const int y = FBtnVAlign == tlTop ? 4 : FBtnVAlign == tlCenter ? c.Height() / 2 - 6 : c.Bottom - 17;
    return Bounds(x, y, 13, 13);
}

void TProCheckBox::InvalidateBox()
{
    if (!HandleAllocated())
        return;
    const TRect c = ClientRect();
    if (FAlignment == taRightJustify)
        InvalidateRect(TRect{c.Right - 20, c.Top, c.Right, c.Bottom});
    else
        InvalidateRect(TRect{c.Left, c.Top, c.Left + 20, c.Bottom});
}

void TProCheckBox::SetState(TCheckBoxState value)
{
    if (FState == value)
        return;
    FState = value;
    InvalidateBox();
}

void TProCheckBox::SetChecked(bool value)
{
    SetState(value ? cbChecked : cbUnchecked);
    Invalidate();
}

void TProCheckBox::Toggle()
{
    if (!FReadOnly)
        SetChecked(!Checked());
}

void TProCheckBox::SetCaption(const QString& value)
{
    SetText(value);
    Invalidate();
}

void TProCheckBox::SetAlignment(TLeftRight value)
{
    if (FAlignment == value)
        return;
    FAlignment = value;
    Invalidate();
}

void TProCheckBox::SetButtonVertAlign(TTextLayout value)
{
    if (FBtnVAlign == value)
        return;
    FBtnVAlign = value;
    Invalidate();
}

void TProCheckBox::SetEllipsis(bool value)
{
    if (FEllipsis == value)
        return;
    FEllipsis = value;
    Invalidate();
}

void TProCheckBox::SetTransparent(bool value)
{
    if (FTransparent != value) {
        FTransparent = value;
        FBkgCache = false;
        if (value)
            FControlStyle += csOpaque;
        else
            FControlStyle -= csOpaque;
    }
    Repaint();
}

void TProCheckBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FTransparent) {
        FBkgCache = false;
        Repaint();
    }
}

// Painting

void TProCheckBox::PaintWindow()
{
    if (FTransparent)
        PaintBackground(Canvas());
    TCustomControl::PaintWindow();
}

void TProCheckBox::PaintBackground(TCanvas* C)
{
    TWinControl* parent = Parent();
    if (!parent || !parent->HandleAllocated())
        return;
    const TRect own{0, 0, Width(), Height()};
    const TRect src = Bounds(Left(), Top(), Width(), Height());
    if (FTransparentCaching) {
        if (!FBkgCache) {
            FBkgBmp->SetSize(Width(), Height());
            TControlCanvas pc(parent);
            FBkgBmp->Canvas()->CopyRect(own, &pc, src);
            FBkgCache = true;
        }
        C->Draw(0, 0, FBkgBmp.get());
        return;
    }
    TControlCanvas pc(parent);
    C->CopyRect(own, &pc, src);
}

void TProCheckBox::Paint()
{
    TCanvas* c = Canvas();
    c->Font()->Assign(Font());
    const TRect client = ClientRect();
    const bool right = FAlignment == taRightJustify;
    TRect box = BoxRect();
    if (IsXPThemed()) {
        const int base = FState == cbChecked ? 5 : FState == cbGrayed ? 9 : 1;
        const int offset = !Enabled() ? 3 : FDown ? 2 : FHot ? 1 : 0;
        DrawThemedPart(Handle(), QStringLiteral("button"), c, 3, base + offset, box);
    } else {
        unsigned state = DFCS_BUTTONCHECK;
        if (FState == cbChecked)
            state |= DFCS_CHECKED;
        if (FState == cbGrayed || !Enabled())
            state |= DFCS_INACTIVE;
        DrawFrameControl(c, box, DFC_BUTTON, state);
    }

    TRect r = client;
    if (right) {
        r.Left = 6;
        r.Right = client.Right - 9;
    } else {
        r.Left = 15;
    }
    r.Top += 4;
    const QString caption = Caption();
    c->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_LEFT | DT_TOP | DT_SINGLELINE | (FEllipsis ? DT_END_ELLIPSIS : 0u);
    if (!Enabled()) {
        TRect s = r;
        OffsetRect(s, 1, 1);
        c->Font()->SetColor(clWhite);
        DrawText(c, caption, -1, &s, flags);
        c->Font()->SetColor(0x808080);
        DrawText(c, caption, -1, &r, flags);
    } else {
        DrawText(c, caption, -1, &r, flags);
    }
    c->Brush()->SetStyle(bsSolid);
    if (FFocused) {
        const TSize t = c->TextExtent(caption);
        c->DrawFocusRect(TRect{r.Left - 2, r.Top, r.Left - 2 + t.cx + 3, r.Top + t.cy + 1});
    }
}

// Input

void TProCheckBox::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    FMouseDown = true;
    if (!Focused() && CanFocus())
        SetFocus();
    TCustomControl::MouseDown(Button, Shift, X, Y);
    SetMouseCapture(true);
    FDown = true;
    if (FIsWinXP)
        InvalidateRect(FAlignment == taRightJustify ? TRect{Width() - 16, 0, Width(), 16} : TRect{0, 0, 16, 16});
}

void TProCheckBox::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (MouseCapture())
        FDown = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
}

void TProCheckBox::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    SetMouseCapture(false);
    FDown = false;
    const bool inside = X >= 0 && X <= Width() && Y >= 0 && Y <= Height();
    if (inside && Focused() && FMouseDown) {
        Toggle();
        Click();
    }
    FMouseDown = false;
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FIsWinXP)
        InvalidateBox();
}

void TProCheckBox::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && FReturnIsTab) {
        Key = VK_TAB;
        PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
    }
    if (Key == VK_SPACE)
        FDown = true;
    TCustomControl::KeyDown(Key, Shift);
}

void TProCheckBox::KeyUp(int& Key, TShiftState Shift)
{
    if (Key == VK_SPACE) {
        FDown = false;
        Toggle();
        Click();
    }
    TCustomControl::KeyUp(Key, Shift);
}

void TProCheckBox::CMWantSpecialKey(TWMKey& Message)
{
    if (Message.CharCode == VK_RETURN && FReturnIsTab)
        Message.Result = 1;
    else
        TCustomControl::CMWantSpecialKey(Message);
}

void TProCheckBox::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTCHARS;
}

void TProCheckBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CM_DIALOGCHAR && IsAccel(QChar(char16_t(Message.WParam & 0xFFFF)), Caption()) && CanFocus()) {
        Toggle();
        if (TabStop())
            SetFocus();
        Message.Result = 1;
        return;
    }
    TCustomControl::Dispatch(Message);
}

void TProCheckBox::CMMouseEnter(TMessage& Message)
{
    TCustomControl::CMMouseEnter(Message);
    FHot = true;
    InvalidateRect(FAlignment == taRightJustify ? TRect{Width() - 16, 0, Width(), 16} : TRect{0, 0, 16, 16});
}

void TProCheckBox::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    FHot = false;
    InvalidateRect(FAlignment == taRightJustify ? TRect{Width() - 16, 0, Width(), 16} : TRect{0, 0, 16, 16});
}

void TProCheckBox::CMEnter(TMessage& Message)
{
    TCustomControl::CMEnter(Message);
    FFocused = true;
    Invalidate();
}

void TProCheckBox::CMExit(TMessage& Message)
{
    TCustomControl::CMExit(Message);
    FFocused = false;
    Invalidate();
}

void TProCheckBox::CMEnabledChanged(TMessage& Message)
{
    TCustomControl::CMEnabledChanged(Message);
    Invalidate();
}
