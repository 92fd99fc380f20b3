#include "grid/foundation/SgComboBox.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/Screen.h"

TSgCustomCombo::TSgCustomCombo(TComponent* AOwner)
    : TCustomComboBox(AOwner), FLabelFont(std::make_unique<TFont>())
{
    FLook.ButtonWidth = SystemVScrollWidth + 2;
    FLook.DisabledBorder = true;
    FLook.IsThemed = ComCtlAbove5();
    FNormalColor = Color();
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            PlaceLabel();
    };
}

TSgCustomCombo::~TSgCustomCombo()
{
    FLabelFont->OnChange = nullptr;
    delete FLabel;
    FLabel = nullptr;
}

void TSgCustomCombo::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomComboBox::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FLabel)
        FLabel = nullptr;
}

void TSgCustomCombo::Init()
{
    FNormalColor = Color();
}

void TSgCustomCombo::SelectItem(const QString& AString)
{
    const int i = Items()->IndexOf(AString);
    if (i >= 0)
        SetItemIndex(i);
}

void TSgCustomCombo::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomComboBox::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FLabel && !IsDestroying())
        PlaceLabel();
}

void TSgCustomCombo::SetEnabled(bool value)
{
    const bool was = Enabled();
    TCustomComboBox::SetEnabled(value);
    if (!IsLoading() && was != value && FLabel && !FLabelAlwaysEnabled) {
        FLabel->SetEnabled(value);
        PlaceLabel();
    }
}

void TSgCustomCombo::SetVisible(bool value)
{
    TCustomComboBox::SetVisible(value);
    if (FLabel)
        FLabel->SetVisible(value);
}

void TSgCustomCombo::SetColor(TColor value)
{
    if (IsLoading())
        FLoadedColor = value;
    else
        FNormalColor = value;
    TCustomComboBox::SetColor(value);
}

void TSgCustomCombo::SetFlat(bool value)
{
    if (FFlat == value)
        return;
    FFlat = value;
    if (FFlatParentColor && FFlat) {
        if (Parent())
            TControl::SetColor(Parent()->Color());
    } else {
        TControl::SetColor(FLoadedColor);
    }
    if (!IsLoading())
        FNormalColor = Color();
    UpdateMargins();
    Invalidate();
}

void TSgCustomCombo::SetEtched(bool value)
{
    if (FEtched == value)
        return;
    FEtched = value;
    Invalidate();
}

void TSgCustomCombo::SetFlatLineColor(TColor value)
{
    FFlatLineColor = value;
    Invalidate();
}

void TSgCustomCombo::SetFlatParentColor(bool value)
{
    FFlatParentColor = value;
    Invalidate();
}

void TSgCustomCombo::SetButtonWidth(int value)
{
    if (value < 14 || value > 32)
        return;
    FLook.ButtonWidth = value;
    UpdateMargins();
    Invalidate();
}

void TSgCustomCombo::SetDropWidth(int value)
{
    FDropWidth = value;
}

void TSgCustomCombo::SetBorderColor(TColor value)
{
    if (FLook.BorderColor == value)
        return;
    FLook.BorderColor = value;
    UpdateMargins();
    if (HandleAllocated())
        Invalidate();
}

// Label

QString TSgCustomCombo::LabelCaption() const
{
    return FLabel ? FLabel->Caption() : QString();
}

void TSgCustomCombo::SetLabelCaption(const QString& value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(FLabelFont.get());
        FLabel->SetParentFont(ParentFont());
    }
    FLabel->SetCaption(value);
    PlaceLabel();
}

void TSgCustomCombo::SetLabelPosition(TLabelPosition value)
{
    FLabelPosition = value;
    if (FLabel)
        PlaceLabel();
}

void TSgCustomCombo::SetLabelMargin(int value)
{
    FLabelMargin = value;
    if (FLabel)
        PlaceLabel();
}

void TSgCustomCombo::SetLabelTransparent(bool value)
{
    FLabelTransparent = value;
    if (FLabel)
        PlaceLabel();
}

void TSgCustomCombo::SetLabelAlwaysEnabled(bool value)
{
    FLabelAlwaysEnabled = value;
    if (FLabel)
        PlaceLabel();
}

void TSgCustomCombo::SetLabelFont(TFont* value)
{
    if (!ParentFont())
        FLabelFont->Assign(value);
    if (FLabel)
        PlaceLabel();
}

void TSgCustomCombo::PlaceLabel()
{
    if (!FLabel)
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    ::PlaceLabel(FLabel, this, FLabelPosition, FLabelMargin, FLabelTransparent,
                 ParentFont() ? nullptr : FLabelFont.get(), false);
}

void TSgCustomCombo::LabelBold(bool Bold)
{
    if (!FFocusLabel || !FLabel)
        return;
    TFontStyles s = FLabel->Font()->Style();
    if (Bold)
        s += fsBold;
    else
        s -= fsBold;
    FLabel->Font()->SetStyle(s);
}

// Loading and window

void TSgCustomCombo::Loaded()
{
    TCustomComboBox::Loaded();
    FOldColor = FLoadedColor;
    if (!FFlatParentColor || FFlat)
        TControl::SetColor(FLoadedColor);
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    if (FLabel && ParentFont())
        FLabel->Font()->Assign(Font());
    if (FLabel)
        PlaceLabel();
    Init();
}

void TSgCustomCombo::CreateWnd()
{
    TCustomComboBox::CreateWnd();
    UpdateMargins();
}

bool TSgCustomCombo::OwnButton() const
{
    return Style() != csSimple && (FFlat || FLook.ButtonColor != clNone);
}

void TSgCustomCombo::UpdateMargins()
{
    if (!HandleAllocated())
        return;
    const bool platformOnly = FIsVista && FLook.ButtonColor == clNone && FLook.BorderColor == clNone;
    const bool framed = !platformOnly && (FFlat || FLook.BorderColor != clNone ||
                                          FLook.FocusBorderColor != clNone || FLook.ButtonColor != clNone);
    const int m = framed ? 2 : 0;
    const bool ownButton = !platformOnly && OwnButton();
    const int right = ownButton ? FLook.ButtonWidth + 2 : m;
    SetNativeMargins(this, TRect{m, m, right, m});
    SetNativeDropButton(this, !ownButton);
}

// Messages

void TSgCustomCombo::CNCommand(TWMCommand& Message)
{
    TCustomComboBox::CNCommand(Message);
    if (Message.NotifyCode == CBN_DROPDOWN || Message.NotifyCode == CBN_CLOSEUP) {
        const TRect r = ClientRect();
        InvalidateRect(TRect{r.Right - FLook.ButtonWidth, r.Top, r.Right, r.Bottom});
    }
    if (Message.NotifyCode == CBN_CLOSEUP && OnDropUp)
        OnDropUp(this);
}

void TSgCustomCombo::CMEnter(TMessage& Message)
{
    TCustomComboBox::CMEnter(Message);
    FLook.HasFocus = true;
    RepaintFrame();
    if (FFocusColor != clNone)
        TControl::SetColor(FFocusColor);
    LabelBold(true);
}

void TSgCustomCombo::CMExit(TMessage& Message)
{
    TCustomComboBox::CMExit(Message);
    FLook.HasFocus = false;
    RepaintFrame();
    if (FFocusColor != clNone && FNormalColor != clNone)
        TControl::SetColor(FNormalColor);
    LabelBold(false);
}

void TSgCustomCombo::WMSetFocus(TWMFocus& Message)
{
    TCustomComboBox::WMSetFocus(Message);
    if (FLook.FocusBorderColor != clNone)
        Invalidate();
    if (FFocusColor != clNone)
        TControl::SetColor(FFocusColor);
    LabelBold(true);
}

void TSgCustomCombo::WMKillFocus(TWMFocus& Message)
{
    TCustomComboBox::WMKillFocus(Message);
    if (FFocusColor != clNone && FNormalColor != clNone)
        TControl::SetColor(FNormalColor);
    LabelBold(false);
    Invalidate();
}

void TSgCustomCombo::CMMouseEnter(TMessage& Message)
{
    TCustomComboBox::CMMouseEnter(Message);
    if (!FLook.MouseInControl && Enabled()) {
        FLook.MouseInControl = true;
        RepaintFrame();
    }
    if (FAutoFocus) {
        TCustomForm* form = GetParentForm(this);
        if ((!form || form->Active()) && CanFocus() && !Focused())
            SetFocus();
    }
    if (FLook.IsWinXP)
        Invalidate();
}

void TSgCustomCombo::CMMouseLeave(TMessage& Message)
{
    TCustomComboBox::CMMouseLeave(Message);
    if (FLook.MouseInControl && Enabled()) {
        FLook.MouseInControl = false;
        RepaintFrame();
    }
    FLook.ButtonHover = false;
    if (FLook.IsWinXP)
        Invalidate();
}

void TSgCustomCombo::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomComboBox::MouseMove(Shift, X, Y);
    if (TrackButtonHover(FLook, X, Width()))
        Invalidate();
}

void TSgCustomCombo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomComboBox::MouseDown(Button, Shift, X, Y);
    // The own drop button stands where the native one would.
    if (Button == mbLeft && OwnButton() && X >= Width() - FLook.ButtonWidth - 2) {
        if (CanFocus() && !Focused())
            SetFocus();
        SetDroppedDown(!DroppedDown());
    }
}

void TSgCustomCombo::CMEnabledChanged(TMessage& Message)
{
    if (FFlat && !IsLoading()) {
        if (Enabled()) {
            SetParentColor(FOldParentColor);
            TControl::SetColor(FOldColor);
        } else {
            FOldParentColor = ParentColor();
            FOldColor = Color();
            SetParentColor(true);
        }
    }
    TCustomComboBox::CMEnabledChanged(Message);
    Invalidate();
}

void TSgCustomCombo::CMFontChanged(TMessage& Message)
{
    if (IsLoading() && FLabel && ParentFont())
        FLabel->Font()->Assign(Font());
    TCustomComboBox::CMFontChanged(Message);
}

void TSgCustomCombo::CMParentFontChanged(TMessage& Message)
{
    TCustomComboBox::CMParentFontChanged(Message);
    if (FLabel && ParentFont()) {
        FLabel->Font()->Assign(Font());
        PlaceLabel();
    }
}

// Painting

TFlatPaintState TSgCustomCombo::PaintState() const
{
    auto* self = const_cast<TSgCustomCombo*>(this);
    TFlatPaintState s;
    s.Kind = fekCombo;
    s.Window = self->HandleAllocated() ? self->Handle() : nullptr;
    s.Width = Width();
    s.Height = Height();
    s.Enabled = Enabled();
    s.Active = Screen && Screen->ActiveControl() == this;
    s.DroppedDown = DroppedDown();
    s.Color = Color();
    s.ParentColor = Parent() ? Parent()->Color() : clBtnFace;
    s.Flat = FFlat;
    s.FlatLineColor = FFlatLineColor;
    return s;
}

void TSgCustomCombo::WMPaint(TMessage& Message)
{
    TCustomComboBox::WMPaint(Message);
    if (FIsVista && FLook.ButtonColor == clNone)
        return;
    const bool ltr = BiDiMode() == bdLeftToRight || BiDiMode() == bdRightToLeftNoAlign;
    const bool themed = FlatThemedNow(FLook);
    if (FFlat || FLook.ButtonColor != clNone || FLook.BorderColor != clNone ||
        (FLook.FocusBorderColor != clNone && FLook.HasFocus) || (!Enabled() && themed && !FLook.DisabledBorder)) {
        {
            TControlCanvas canvas(this);
            if (Style() != csSimple) {
                canvas.Brush()->SetStyle(bsSolid);
                canvas.Brush()->SetColor(Color());
                canvas.FillRect(ClientRect());
                if (ltr)
                    PaintDropButton(&canvas, FLook, PaintState());
            }
        }
        if (ltr)
            RepaintFrame();
    }
    // The frame a native window keeps in its non-client area.
    if (!ltr)
        return;
    if (FFlat || (!Enabled() && themed && !FLook.DisabledBorder))
        RepaintFrame();
    if ((FLook.FocusBorderColor != clNone && Focused()) || FLook.BorderColor != clNone)
        RepaintFrame();
}

void TSgCustomCombo::RepaintFrame()
{
    if (Enabled() && !FFlat && FLook.BorderColor == clNone && FLook.FocusBorderColor == clNone)
        return;
    if (FIsVista && FLook.BorderColor == clNone)
        return;
    if (!HandleAllocated())
        return;
    TControlCanvas canvas(this);
    const TFlatPaintState s = PaintState();
    PaintFlatFrame(&canvas, FLook, s);
    if (Style() != csSimple && (!FLook.IsWinXP || !FlatThemedNow(FLook)))
        PaintButtonFace(&canvas, FLook, s);
}
