#include "controls/button/LbButton.h"
#include "controls/button/LbButtonThread.h"
#include "platform/controls/ActionList.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"

namespace {

struct KindRow {
    TLbButtonKind Kind;
    TModalResult Result;
    const char* Bitmap;
    const char* Caption;
};

const KindRow Kinds[] = {
    {bkOK, mrOk, "LBOK", "OK"},
    {bkCancel, mrCancel, "LBCANCEL", "Abbrechen"},
    {bkHelp, mrNone, "LBHELP", "Hilfe"},
    {bkYes, mrYes, "LBYES", "Ja"},
    {bkNo, mrNo, "LBNO", "Nein"},
    {bkClose, mrNone, "LBCLOSE", "Schließen"},
    {bkAbort, mrAbort, "LBABORT", "Abbrechen"},
    {bkRetry, mrRetry, "LBRETRY", "Wiederholen"},
    {bkIgnore, mrIgnore, "LBIGNORE", "Ignorieren"},
    {bkAll, mrAll, "LBALL", "Alle"},
};

bool IsTransparentStyle(TLbButtonStyle s) { return s == bsModern || s == bsShape || s == bsQuicken; }

// The first form along the chain of owners.
TCustomForm* OwnerForm(const TComponent* c)
{
    for (TComponent* o = c->Owner(); o; o = o->Owner())
        if (auto* form = dynamic_cast<TCustomForm*>(o))
            return form;
    return nullptr;
}

// A focused push button of any kind keeps Enter and Escape for itself.
bool IsPushButtonClass(const TObject* c)
{
    const QString name = c->ClassName().toUpper();
    return name.contains(QLatin1String("BUTTON")) && !name.contains(QLatin1String("RADIOBUTTON"));
}

} // namespace

TLbButton::TLbButton(TComponent* AOwner)
    : TCustomControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FHTFont(std::make_unique<TFont>())
{
    SetBounds(Left(), Top(), 100, 23);
    FControlStyle = {csCaptureMouse, csSetCaption};
    SetTabStop(true);
    SetColor(clBtnFace);
    CreateFadeThread();
    if (auto* form = dynamic_cast<TCustomForm*>(AOwner))
        FHTFont->Assign(form->Font());
}

TLbButton::~TLbButton()
{
    StopFadeThread();
}

void TLbButton::CreateFadeThread()
{
    FThread = std::make_unique<TLbButtonThread>([this](TObject* Sender) { FadeStep(Sender); }, this);
}

void TLbButton::StopFadeThread()
{
    if (!FThread)
        return;
    try {
        while (FThread->Suspended())
            FThread->Resume();
        FThread->Terminate();
    } catch (...) {
        // Stopping the fade never fails the caller.
    }
    FThread.reset();
}

// Setters

void TLbButton::SetAlignment(TAlignment value)
{
    FAlignment = value;
    PaintNow();
}

void TLbButton::SetColorStyle(TLbColorStyle value)
{
    if (value == lcsCustom)
        return;
    const TLbColorStyleColors s = GetColorStyleColors(value);
    SetColor(s.Face);
    Font()->SetColor(s.Text);
    FLightColor = s.Light;
    FShadowColor = s.Shadow;
    FColorWhenDown = s.WhenDown;
    FHotTrackColor = s.HotTrack;
    FFlat = s.Flat;
    FStyle = s.Style;
    PaintNow();
}

void TLbButton::SetLightColor(TColor value)
{
    FLightColor = value;
    PaintNow();
}

void TLbButton::SetShadowColor(TColor value)
{
    FShadowColor = value;
    PaintNow();
}

void TLbButton::SetFlat(bool value)
{
    FFlat = value;
    PaintNow();
}

void TLbButton::SetStyle(TLbButtonStyle value)
{
    FStyle = value;
    FExStyle = IsTransparentStyle(value) ? WS_EX_TRANSPARENT : 0;
    Invalidate();
}

void TLbButton::SetWordWrap(bool value)
{
    FWordWrap = value;
    PaintNow();
}

void TLbButton::SetHotTrackFont(TFont* value) { FHTFont->Assign(value); }

void TLbButton::SetGlyph(TBitmap* value)
{
    if (value) {
        FGlyph->Assign(value);
        FNumGlyphs = value->Height() > 0 ? value->Width() / value->Height() : 0;
    } else {
        FGlyph->SetHeight(0);
        FNumGlyphs = 0;
    }
    FKind = bkCustom;
    Invalidate();
}

void TLbButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    TCustomControl::ActionChange(Sender, CheckDefaults);
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    if (!action || !FGlyph->Empty() || !action->ActionList())
        return;
    TCustomImageList* images = action->ActionList()->Images();
    const int index = action->ImageIndex();
    if (!images || index < 0 || index >= images->Count())
        return;
    FGlyph->SetSize(images->Width(), images->Height());
    TCanvas* canvas = FGlyph->Canvas();
    canvas->Brush()->SetColor(0xFF00FF);
    canvas->FillRect(Rect(0, 0, images->Width(), images->Height()));
    images->Draw(canvas, 0, 0, index, true);
    SetNumGlyphs(1);
    Repaint();
}

void TLbButton::SetNumGlyphs(int value)
{
    FNumGlyphs = value;
    Invalidate();
}

void TLbButton::SetLayout(TLbButtonLayout value)
{
    FLayout = value;
    PaintNow();
}

void TLbButton::SetKind(TLbButtonKind value)
{
    for (const KindRow& k : Kinds) {
        if (k.Kind != value)
            continue;
        FNumGlyphs = 2;
        SetModalResult(k.Result);
        LoadLbButtonBitmap(QLatin1String(k.Bitmap), FGlyph.get());
        SetCaption(QString::fromUtf8(k.Caption));
        break;
    }
    FKind = value;
    Invalidate();
}

void TLbButton::SetModalResult(TModalResult value)
{
    FModalResult = value;
    FKind = bkCustom;
}

void TLbButton::SetSlowDecease(bool value)
{
    FSlowDecease = value;
    if (value) {
        if (!FThread)
            CreateFadeThread();
    } else if (FThread) {
        FHotTrackStep = 0;
        StopFadeThread();
    }
    Invalidate();
}

void TLbButton::SetEnabled(bool value)
{
    TCustomControl::SetEnabled(value);
    FEnabled = value;
    bDown = false;
    FDownKey = 0;
    PaintNow();
}

void TLbButton::SetText(const QString& value)
{
    TCustomControl::SetText(value);
    Invalidate();
}

// Clicking

void TLbButton::Click()
{
    TControlGuard alive = Guard();
    bDown = true;
    ClickSequence();
    if (!alive.expired())
        TCustomControl::Click();
}

void TLbButton::ClickSequence()
{
    if (!Visible() || !Enabled() || !bDown)
        return;
    bDown = false;
    FDownKey = 0;
    TControlGuard alive = Guard();
    CallEvent(OnClick, this);
    if (alive.expired())
        return;
    if (FModalResult != mrNone)
        if (TCustomForm* form = GetParentForm(this))
            form->SetModalResult(FModalResult);
    if (auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu())) {
        const TPoint at = ClientToScreen({0, Height()});
        menu->Popup(at.X, at.Y);
    }
}

// Mouse

void TLbButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    bDown = true;
    FDownKey = 0;
    if (CanFocus())
        SetFocus();
    PaintNow();
}

void TLbButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TControlGuard alive = Guard();
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (!alive.expired() && bDown)
        Click();
    if (alive.expired())
        return;
    bDown = false;
    FDownKey = 0;
    PaintNow();
}

void TLbButton::CMMouseEnter(TMessage& Message)
{
    TCustomControl::CMMouseEnter(Message);
    if (Message.LParam != 0 || !Enabled() || !Visible() || !ParentShowing())
        return;
    bCursorOnButton = true;
    FHotTrackStep = 8;
    // A fade still running would dim the face under the pointer.
    if (FThread)
        FThread->Suspend();
    PaintNow();
    CallEvent(OnMouseEnter, this);
}

void TLbButton::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    if (Message.LParam != 0)
        return;
    bCursorOnButton = false;
    if (FSlowDecease) {
        if (FThread && FThread->Suspended())
            FThread->Resume();
    } else {
        FHotTrackStep = 0;
        PaintNow();
    }
    if (Enabled() && Visible() && ParentShowing() && OnMouseExit)
        OnMouseExit(this);
}

// Keyboard

void TLbButton::CNKeyDown(TWMKey& Message)
{
    TCustomControl::CNKeyDown(Message);
    if ((Message.CharCode == VK_RETURN || Message.CharCode == VK_SPACE) && Enabled()) {
        bDown = true;
        FDownKey = Message.CharCode;
        PaintNow();
    }
}

// The release is handled as the key-up notification that precedes the
// key-up message, so the click comes before OnKeyUp.
void TLbButton::WMKeyUp(TWMKey& Message)
{
    TControlGuard alive = Guard();
    const int key = Message.CharCode;
    if ((key == VK_RETURN || key == VK_SPACE) && key == FDownKey) {
        FDownKey = 0;
        if (bDown)
            Click();
    }
    if (alive.expired())
        return;
    PaintNow();
    TCustomControl::WMKeyUp(Message);
}

void TLbButton::CMDialogChar(TWMKey& Message)
{
    if (IsAccel(QChar(char16_t(Message.CharCode)), Caption()) && Visible() && Enabled() && ParentShowing()) {
        bDown = true;
        Click();
        Message.Result = 1;
        return;
    }
    TCustomControl::CMDialogChar(Message);
}

void TLbButton::CMDialogKey(TWMKey& Message)
{
    const int key = Message.CharCode;
    const bool mine = (key == VK_RETURN && FDefault) || (key == VK_ESCAPE && FCancel);
    // The same test for both keys: no modifier held, and a hidden or
    // disabled button leaves the key to the others.
    if (!mine || !KeyDataToShiftState(Message.KeyData).Empty() || !Visible() || !Enabled()) {
        TCustomControl::CMDialogKey(Message);
        return;
    }
    TCustomForm* form = OwnerForm(this);
    if (!form)
        form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (active && IsPushButtonClass(active)) {
        TCustomControl::CMDialogKey(Message);
        return;
    }
    bDown = true;
    Click();
    Message.Result = 1;
}

// Focus and the fade

void TLbButton::WMSetFocus(TWMFocus& Message)
{
    TCustomControl::WMSetFocus(Message);
    PaintNow();
}

void TLbButton::WMKillFocus(TWMFocus& Message)
{
    // A key held while the focus leaves no longer presses this button.
    if (FDownKey != 0) {
        FDownKey = 0;
        bDown = false;
    }
    TCustomControl::WMKillFocus(Message);
    PaintNow();
}

void TLbButton::WMTimer(TWMTimer& Message)
{
    if (Message.TimerID == TLbButtonThread::TimerID && FThread) {
        FThread->Execute();
        return;
    }
    TCustomControl::WMTimer(Message);
}

void TLbButton::FadeStep(TObject*)
{
    if (IsDestroying())
        return;
    --FHotTrackStep;
    if (FHotTrackStep <= 0 || bCursorOnButton) {
        if (FThread && !FThread->Suspended())
            FThread->Suspend();
        FHotTrackStep = bCursorOnButton ? 8 : 0;
    }
    PaintNow();
}

// Painting

bool TLbButton::Hot() const { return bCursorOnButton || Focused(); }

bool TLbButton::ParentShowing() const { return Parent() && Parent()->IsVisibleOnScreen(); }

void TLbButton::PaintNow()
{
    if (HandleAllocated() && Parent())
        Paint();
    else
        Invalidate();
}

void TLbButton::Paint()
{
    if (!Visible() || IsLoading() || IsDestroying())
        return;
    const int W = Width();
    const int H = Height();
    const bool hot = Hot();
    TBitmap face(W, H);
    TFont font;
    font.Assign(hot && FUseHTFont ? FHTFont.get() : Font());
    const bool transparent = IsTransparentStyle(FStyle);
    if (transparent) {
        face.SetTransparent(true);
        TCanvas* fc = face.Canvas();
        fc->Brush()->SetColor(LbTransparentColor);
        fc->FillRect(Rect(0, 0, W, H));
        face.SetTransparentColor(LbTransparentColor);
    }

    TLbFaceInputs in;
    in.W = W;
    in.H = H;
    in.Alignment = FAlignment;
    in.Caption = Caption();
    in.Layout = FLayout;
    in.Font = &font;
    in.ShadowColor = FShadowColor;
    in.LightColor = FLightColor;
    in.HotTrackColor = FHotTrackColor;
    in.ColorWhenDown = FColorWhenDown;
    in.Color = Color();
    in.Style = FStyle;
    in.HasPopup = PopupMenu() != nullptr;
    in.WordWrap = FWordWrap;
    in.Flat = FFlat;
    in.Enabled = Enabled();
    in.Hot = hot;
    in.Down = bDown;
    in.Glyph = FGlyph.get();
    in.NumGlyphs = FNumGlyphs;
    in.HotTrackStep = FHotTrackStep;

    const bool focused = Focused();
    if (FStyle == bsOld && focused) {
        in.W = W - 2;
        in.H = H - 2;
        if (bDown)
            in.LightColor = FShadowColor;
        DrawButtonFace(face.Canvas(), in);
        TBitmap copy;
        copy.Assign(&face);
        face.Canvas()->Draw(1, 1, &copy);
        TCanvas* fc = face.Canvas();
        fc->Pen()->SetStyle(psSolid);
        fc->Pen()->SetColor(clBlack);
        fc->Brush()->SetStyle(bsClear);
        fc->Rectangle(0, 0, W, H);
    } else {
        DrawButtonFace(face.Canvas(), in);
    }

    TCanvas* c = Canvas();
    if (transparent && Parent()) {
        // The parent's colour stands in for what lies behind the button.
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(Parent()->Color());
        c->FillRect(Rect(0, 0, W, H));
    }
    c->Draw(0, 0, &face);
    if (focused && Enabled() && FStyle != bsShape)
        DrawFocusRect(c, Rect(4, 4, W - 4, H - 4));
}
