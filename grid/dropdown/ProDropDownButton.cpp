// The drop-down button: the holder at the edit's right edge and the arrow
// or push button painted inside it.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProDropDown.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

// The arrow of the coloured and classic looks; it does not follow the size.
void DrawArrow(TCanvas* C, TColor Color)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->Pen()->SetColor(Color);
    C->Polygon({TPoint(5, 7), TPoint(11, 7), TPoint(8, 10)});
}

} // namespace

// Speed button

TProDropDownSpeedButton::TProDropDownSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner)
{
    FIsWinXP = ComCtlAbove5();
    FUp = false;
}

TDropDownEditButton* TProDropDownSpeedButton::Holder() const
{
    return dynamic_cast<TDropDownEditButton*>(Owner());
}

TProCustomDropDown* TProDropDownSpeedButton::DropDown() const
{
    TDropDownEditButton* holder = Holder();
    return holder ? dynamic_cast<TProCustomDropDown*>(holder->Owner()) : nullptr;
}

void TProDropDownSpeedButton::SetButtonStyle(TButtonStyle Value)
{
    FButtonStyle = Value;
    Invalidate();
}

void TProDropDownSpeedButton::SetEtched(bool Value)
{
    if (FEtched == Value)
        return;
    FEtched = Value;
    Invalidate();
}

void TProDropDownSpeedButton::SetFocused(bool Value)
{
    if (FFocused == Value)
        return;
    FFocused = Value;
    Invalidate();
}

bool TProDropDownSpeedButton::Pressed() const
{
    return (FMouseDown || Down()) && !FUp;
}

bool TProDropDownSpeedButton::IsThemed() const
{
    return FIsWinXP && ThemeActiveNow();
}

void TProDropDownSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FMouseDown = true;
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    Invalidate();
}

void TProDropDownSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FMouseDown = false;
    TControlGuard alive = Guard();
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    if (!alive.expired())
        Invalidate();
}

void TProDropDownSpeedButton::MouseEnter()
{
    TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TProDropDownSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

void TProDropDownSpeedButton::Paint()
{
    if (FButtonStyle == bsButton)
        PaintButtonStyle();
    else
        PaintDropDownStyle();
}

void TProDropDownSpeedButton::PaintDropDownStyle()
{
    TCanvas* c = Canvas();
    TDropDownEditButton* holder = Holder();
    TProCustomDropDown* dd = DropDown();
    const TRect r(0, 0, Width(), Height());
    const bool pressed = Pressed();
    if (holder && holder->ButtonColor() != clNone) {
        TColor fill = holder->ButtonColor();
        if (FHot)
            fill = holder->ButtonColorHot();
        if (pressed)
            fill = holder->ButtonColorDown();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(fill);
        c->Pen()->SetColor(fill);
        c->Rectangle(r);
        if (dd) {
            c->Pen()->SetColor(dd->BorderColor());
            c->MoveTo(0, 0);
            c->LineTo(0, Height());
        }
        TColor arrow = holder->ButtonTextColor();
        if (FHot)
            arrow = holder->ButtonTextColorHot();
        if (pressed)
            arrow = holder->ButtonTextColorDown();
        DrawArrow(c, arrow);
        return;
    }
    TBitmap* glyph = Glyph();
    if (glyph && !glyph->Empty()) {
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clBtnFace);
        c->Pen()->SetColor(0x808080);
        c->Rectangle(r);
        glyph->SetTransparentMode(tmAuto);
        glyph->SetTransparent(true);
        c->Draw(0, 0, glyph);
        return;
    }
    SetEnabled(dd ? dd->Enabled() && !dd->ReadOnly() : Enabled());
    if (IsThemed()) {
        TRect t = r;
        if (IsVistaOrLater()) {
            t.Left += 1;
        } else {
            InflateRect(t, 1, 1);
            t.Left += 2;
        }
        const int state = !Enabled() ? 4 : pressed ? 3 : FHot ? 2 : 1;
        if (DrawThemedPart(holder && holder->HandleAllocated() ? holder->Handle() : nullptr,
                           QStringLiteral("combobox"), c, 1, state, t))
            return;
    }
    TSpeedButton::Paint();
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(clBtnFace);
    c->Polyline({TPoint(Width() - 2, 0), TPoint(0, 0), TPoint(0, Height() - 1)});
    c->Pen()->SetColor(clWhite);
    c->Polyline({TPoint(Width() - 3, 1), TPoint(1, 1), TPoint(1, Height() - 2)});
    DrawArrow(c, Enabled() ? clBlack : clGrayText);
}

void TProDropDownSpeedButton::PaintButtonStyle()
{
    TCanvas* c = Canvas();
    if (TProCustomDropDown* dd = DropDown())
        c->Font()->Assign(dd->Font());
    const bool pressed = Pressed();
    TBitmap* glyph = Glyph();
    const bool hasGlyph = glyph && !glyph->Empty();
    const QString caption = Caption();
    if (IsThemed()) {
        c->FillRect(TRect(0, 0, Width(), Height()));
        const int state = !Enabled() ? 4 : pressed ? 3 : FHot ? 2 : 1;
        TDropDownEditButton* holder = Holder();
        DrawThemedPart(holder && holder->HandleAllocated() ? holder->Handle() : nullptr, QStringLiteral("button"),
                       c, 1, state, TRect(0, 0, Width() + 1, Height() + 1));
        TRect r(0, 0, Width(), Height());
        if (hasGlyph) {
            TRect g = r;
            InflateRect(g, -2, -2);
            if (!caption.isEmpty())
                g.Left += 2;
            else if (glyph->Width() < g.Width())
                g.Left += (g.Width() - glyph->Width()) / 2;
            if (glyph->Height() < g.Height())
                g.Top += (g.Height() - glyph->Height()) / 2;
            if (pressed)
                OffsetRect(g, 1, 1);
            glyph->SetTransparent(true);
            c->Draw(g.Left, g.Top, glyph);
        }
        if (!caption.isEmpty()) {
            c->Brush()->SetStyle(bsClear);
            TRect t = r;
            if (!hasGlyph) {
                InflateRect(t, -3, -1);
                if (pressed)
                    OffsetRect(t, 1, 1);
                DrawText(c, caption, -1, &t, DT_CENTER);
            } else {
                t.Left += glyph->Width() + 2;
                t.Top -= 1;
                DrawText(c, caption, -1, &t, 0);
            }
            c->Brush()->SetStyle(bsSolid);
        }
        return;
    }
    if (Flat()) {
        TRect r(0, 0, Width(), Height());
        c->Brush()->SetColor(clBtnFace);
        c->FillRect(r);
        TRect e(0, 0, Width() + 1, Height() + 1);
        DrawEdge(c, e, FEtched ? EDGE_ETCHED : EDGE_RAISED, BF_RECT | (pressed ? BF_FLAT : 0u));
        if (hasGlyph) {
            TRect g = r;
            InflateRect(g, -3, -3);
            if (pressed)
                OffsetRect(g, 1, 1);
            DrawTransparentGlyph(c, glyph, clBtnFace, g);
        }
        if (!caption.isEmpty()) {
            TRect t = r;
            InflateRect(t, -3, -1);
            if (pressed)
                OffsetRect(t, 1, 1);
            c->Brush()->SetStyle(bsClear);
            DrawText(c, caption, -1, &t, DT_CENTER);
            c->Brush()->SetStyle(bsSolid);
        }
        return;
    }
    TSpeedButton::Paint();
}

// Holder

TDropDownEditButton::TDropDownEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle -= csAcceptsControls;
    FControlStyle -= csSetCaption;
    FControlStyle += csOpaque;
    FButton = new TProDropDownSpeedButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [](TObject*) {};
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) { ButtonMouseUp(Button); };
    FButton->SetVisible(true);
    FButton->SetEnabled(Enabled());
    FButton->SetCaption(QString());
    FButton->SetButtonStyle(bsDropDown);
    FBWidth = 16;
    SetBounds(0, 0, 16, 25);
}

TBitmap* TDropDownEditButton::Glyph() const
{
    return FButton->Glyph();
}

void TDropDownEditButton::SetGlyph(TBitmap* Value)
{
    FButton->SetGlyph(Value);
}

QString TDropDownEditButton::ButtonCaption() const
{
    return FButton->Caption();
}

void TDropDownEditButton::SetButtonCaption(const QString& Value)
{
    FButton->SetCaption(Value);
}

int TDropDownEditButton::NumGlyphs() const
{
    return FButton->NumGlyphs();
}

void TDropDownEditButton::SetNumGlyphs(int Value)
{
    FButton->SetNumGlyphs(Value);
}

void TDropDownEditButton::SetFocusControl(TWinControl* Value)
{
    if (FFocusControl == Value)
        return;
    if (FFocusControl)
        FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value)
        Value->FreeNotification(this);
}

void TDropDownEditButton::SetButtonWidth(int Value)
{
    FBWidth = Value;
    SetBounds(Left(), Top(), Value, Height());
}

void TDropDownEditButton::SetButtonColor(TColor Value)
{
    FButtonColor = Value;
    FButton->Invalidate();
}

void TDropDownEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    if (FButton && !(IsLoading() && !ComponentState().Contains(TComponentStateFlag::csDesigning))) {
        AWidth = FBWidth;
        FButton->SetBounds(0, 0, FBWidth, AHeight);
    }
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
}

void TDropDownEditButton::WMSize(TWMSize& Message)
{
    TWinControl::WMSize(Message);
    Message.Result = 0;
    if (FButton && (Width() != FBWidth || FButton->Height() != Height()))
        SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::Loaded()
{
    TWinControl::Loaded();
    SetBounds(Left(), Top(), FBWidth, Height());
}

void TDropDownEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TDropDownEditButton::CMEnabledChanged(TMessage& Message)
{
    TWinControl::CMEnabledChanged(Message);
    if (FButton && !ComponentState().Contains(TComponentStateFlag::csDesigning))
        FButton->SetEnabled(Enabled());
}

void TDropDownEditButton::ButtonMouseUp(TMouseButton Button)
{
    if (Button == mbLeft)
        CallEvent(OnClick, this);
}
