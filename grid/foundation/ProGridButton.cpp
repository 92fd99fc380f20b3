#include "grid/foundation/ProGridButton.h"
#include "grid/foundation/ThemeBinding.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/Menu.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include <algorithm>
#include <cmath>

namespace {

// The group notice: WParam the group index, LParam the pressed button.
constexpr unsigned CM_BUTTONPRESSED = CM_BASE + 31;

int RoundDiv(double v)
{
    return int(std::lround(v));
}

void CopyBitmap(std::unique_ptr<TBitmap>& Target, TBitmap* Source)
{
    if (Source)
        Target->Assign(Source);
    else
        Target->SetSize(0, 0);
}

bool IsEmpty(const TBitmap* b)
{
    return !b || b->Empty();
}

// The grey copy of a glyph for the disabled look.
void MakeDisabled(TBitmap* Glyph, TBitmap* Target)
{
    Target->Assign(Glyph);
    TCanvas* c = Target->Canvas();
    for (int y = 0; y < Target->Height(); ++y)
        for (int x = 0; x < Target->Width(); ++x) {
            const TColor p = ColorToRGB(c->Pixels(x, y));
            const int grey = RoundDiv((GetRValue(p) + GetGValue(p) + GetBValue(p)) / 3.0) / 2 + 96;
            c->SetPixels(x, y, RGB(grey, grey, grey));
        }
}

struct TPreset {
    TColor Color, ColorTo, Hot, HotTo, Down, DownTo, Checked, CheckedTo, BorderDown, BorderHot;
    bool Rounded;
};

const TPreset Presets[] = {
    {0xEDF1F1, 0xDFEBEB, 0xFAFCFC, 0xE5ECED, 0xE0E6E7, 0xD8E0E1, 0xFFFFFF, clNone, 0xAF987A, 0xC3CECE, true},
    {clBtnFace, clNone, 0xEED2C1, clNone, 0xE2B598, clNone, 0xE8E6E1, clNone, 0xC56A31, 0xC56A31, false},
    {0xFDEADA, 0xE4AE88, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xCFF0EA, 0x8CC0B1, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {0xECE2E1, 0xB39698, 0xCCF4FF, 0x91D0FF, 0x4E91FE, 0x8ED3FF, 0x8ED3FF, 0x55ADFF, 0x000000, 0x000000, false},
    {clBtnFace, clNone, clBtnFace, clNone, 0xD8D3D2, clNone, 0xCAC7C7, clNone, clNone, clNone, false},
    {0xCAFFFF, 0xA6FFFF, 0xA8F0FD, 0x7CE9FC, 0x4DE0FB, 0x7AE9FC, 0xB5E6F2, 0x9CDDED, 0x808080, 0x808080, false},
};

void FillSolid(TCanvas* C, const TRect& R, TColor Brush, TColor Pen)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Brush);
    C->Pen()->SetColor(Pen == clNone ? Brush : Pen);
    C->Rectangle(R);
}

// Solid when To is clNone, else the 16-step vertical gradient.
void FillFace(TCanvas* C, const TRect& R, TColor From, TColor To, TColor Border)
{
    if (To == clNone)
        FillSolid(C, R, From, Border);
    else
        DrawButtonGradient(C, From, To, false, R, 16, Border);
}

void RoundBorder(TCanvas* C, TRect R, TColor Color)
{
    InflateRect(R, 1, 1);
    C->Brush()->SetStyle(bsClear);
    C->Pen()->SetColor(Color);
    C->RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
    C->Brush()->SetStyle(bsSolid);
}

} // namespace

void DrawButtonGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                        int Steps, TColor BorderColor)
{
    if (Steps == 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const int extent = Horizontal ? Rect.Width() : Rect.Height();
    const int len = RoundDiv(double(extent) / Steps) + 1;
    Canvas->Brush()->SetStyle(bsSolid);
    for (int k = 0; k < Steps; ++k) {
        auto channel = [&](int f, int t) { return f + RoundDiv(double(k) * (t - f) / Steps); };
        Canvas->Brush()->SetColor(RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
                                      channel(GetBValue(from), GetBValue(to))));
        const int start = RoundDiv(double(k) * extent / Steps);
        TRect band = Rect;
        if (Horizontal) {
            band.Left = Rect.Left + start;
            band.Right = std::min(band.Left + len, Rect.Right);
        } else {
            band.Top = Rect.Top + start;
            band.Bottom = std::min(band.Top + len, Rect.Bottom);
        }
        Canvas->FillRect(band);
    }
    if (BorderColor != clNone) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Rectangle(Rect);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

// Action link

bool TProGridButtonActionLink::IsCaptionLinked(const TCustomAction* Action) const
{
    return Action && FClient->Caption() == Action->Caption();
}

bool TProGridButtonActionLink::IsCheckedLinked(const TCustomAction* Action) const
{
    return Action && FClient->GroupIndex() != 0 && FClient->AllowAllUp() && FClient->FActionChecked == FClient->Down();
}

bool TProGridButtonActionLink::IsGroupIndexLinked(int ActionGroupIndex) const
{
    return FClient->GroupIndex() == ActionGroupIndex;
}

void TProGridButtonActionLink::SetCaption(const TCustomAction* Action, const QString& Value)
{
    if (IsCaptionLinked(Action))
        FClient->SetCaption(Value);
}

void TProGridButtonActionLink::SetChecked(const TCustomAction* Action, bool Value)
{
    if (IsCheckedLinked(Action))
        FClient->SetDown(Value);
}

void TProGridButtonActionLink::SetGroupIndex(int ActionGroupIndex, int Value)
{
    if (IsGroupIndexLinked(ActionGroupIndex))
        FClient->SetGroupIndex(Value);
}

// Button

TProGridButton::TProGridButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()), FGlyphDisabled(std::make_unique<TBitmap>()),
      FGlyphHot(std::make_unique<TBitmap>()), FGlyphDown(std::make_unique<TBitmap>()),
      FGlyphShade(std::make_unique<TBitmap>())
{
    FIsComCtl6 = (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
    FControlStyle = {csCaptureMouse, csDoubleClicks, csSetCaption};
    SetBounds(0, 0, 22, 23);
    SetColor(clBtnFace);
    FGlyph->OnChange = [this](TObject*) { Invalidate(); };
}

TProGridButton::~TProGridButton()
{
    FGlyph->OnChange = nullptr;
}

void TProGridButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FDropDownMenu)
        FDropDownMenu = nullptr;
}

void TProGridButton::SetDropDownMenu(TPopupMenu* value)
{
    FDropDownMenu = value;
    if (value)
        value->FreeNotification(this);
}

void TProGridButton::SetGroupIndex(int value)
{
    if (FGroupIndex == value)
        return;
    FGroupIndex = value;
    UpdateExclusive();
}

void TProGridButton::SetAllowAllUp(bool value)
{
    if (FAllowAllUp == value)
        return;
    FAllowAllUp = value;
    UpdateExclusive();
}

void TProGridButton::SetDown(bool value)
{
    if (FGroupIndex == 0 && FStyle != tasCheck)
        value = false;
    if (FStyle == tasCheck) {
        FDown = value;
        Repaint();
        return;
    }
    if (value == FDown)
        return;
    if (FDown && !FAllowAllUp)
        return;
    FDown = value;
    if (value) {
        if (FState == bsUp)
            Invalidate();
        FState = bsExclusive;
        UpdateExclusive();
    } else {
        FState = bsUp;
        Repaint();
    }
}

void TProGridButton::SetStyle(TProGridButtonStyle value)
{
    FStyle = value;
    Invalidate();
}

void TProGridButton::UpdateExclusive()
{
    if (FGroupIndex == 0 || !Parent())
        return;
    TMessage m{CM_BUTTONPRESSED, WPARAM(FGroupIndex), LPARAM(this), 0};
    Parent()->Broadcast(m);
}

void TProGridButton::ButtonPressed(int Group, TProGridButton* Sender)
{
    if (Group != FGroupIndex || Sender == this)
        return;
    if (Sender->Down() && FDown) {
        FDown = false;
        FState = bsUp;
        if (auto* action = dynamic_cast<TCustomAction*>(Action()))
            action->SetChecked(false);
        Invalidate();
    }
    FAllowAllUp = Sender->AllowAllUp();
}

void TProGridButton::SetFlat(bool value)
{
    if (FFlat == value)
        return;
    FFlat = value;
    Invalidate();
}

void TProGridButton::SetRounded(bool value)
{
    FRounded = value;
    Invalidate();
}

void TProGridButton::SetColorTo(TColor value)
{
    FColorTo = value;
    Invalidate();
}

void TProGridButton::SetColorChecked(TColor value)
{
    FColorChecked = value;
    Invalidate();
}

void TProGridButton::SetColorCheckedTo(TColor value)
{
    FColorCheckedTo = value;
    Invalidate();
}

void TProGridButton::SetBorderColor(TColor value)
{
    FBorderColor = value;
    Invalidate();
}

void TProGridButton::SetLayout(TButtonLayout value)
{
    if (FLayout == value)
        return;
    FLayout = value;
    Invalidate();
}

void TProGridButton::SetMargin(int value)
{
    if (FMargin == value || value < -1)
        return;
    FMargin = value;
    Invalidate();
}

void TProGridButton::SetSpacing(int value)
{
    if (FSpacing == value)
        return;
    FSpacing = value;
    Invalidate();
}

void TProGridButton::SetShowCaption(bool value)
{
    if (FShowCaption == value)
        return;
    FShowCaption = value;
    Invalidate();
}

void TProGridButton::SetDropDownButton(bool value)
{
    FDropDownButton = value;
    Invalidate();
}

void TProGridButton::SetGlyph(TBitmap* value)
{
    CopyBitmap(FGlyph, value);
    if (FGlyphDisabled->Empty() && !FGlyph->Empty())
        MakeDisabled(FGlyph.get(), FGlyphDisabled.get());
    Invalidate();
}

void TProGridButton::SetGlyphHot(TBitmap* value)
{
    CopyBitmap(FGlyphHot, value);
}

void TProGridButton::SetGlyphDown(TBitmap* value)
{
    CopyBitmap(FGlyphDown, value);
}

void TProGridButton::SetGlyphDisabled(TBitmap* value)
{
    CopyBitmap(FGlyphDisabled, value);
}

void TProGridButton::SetShaded(bool value)
{
    FShaded = value;
    if (value && !IsLoading())
        BuildShade();
}

void TProGridButton::BuildShade()
{
    if (FGlyph->Empty())
        return;
    const int w = FGlyph->Width();
    const int h = FGlyph->Height();
    FGlyphShade->SetSize(w, h);
    TCanvas* src = FGlyph->Canvas();
    TCanvas* dst = FGlyphShade->Canvas();
    const TColor key = src->Pixels(0, h - 1);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            dst->SetPixels(x, y, src->Pixels(x, y) != key ? TColor(0x808080) : key);
}

void TProGridButton::SetAutoThemeAdapt(bool value)
{
    FAutoThemeAdapt = value;
    if (value)
        ThemeAdapt();
}

void TProGridButton::ThemeAdapt()
{
    switch (XPColorScheme()) {
    case 1: SetLook(2); break;
    case 2: SetLook(3); break;
    case 3: SetLook(4); break;
    default: SetLook(1); break;
    }
}

void TProGridButton::SetLook(int value)
{
    if (value >= 0 && value <= 6) {
        const TPreset& p = Presets[value];
        SetColor(p.Color);
        FColorTo = p.ColorTo;
        FColorHot = p.Hot;
        FColorHotTo = p.HotTo;
        FColorDown = p.Down;
        FColorDownTo = p.DownTo;
        FColorChecked = p.Checked;
        FColorCheckedTo = p.CheckedTo;
        FBorderDownColor = p.BorderDown;
        FBorderHotColor = p.BorderHot;
        FBorderColor = clNone;
        FRounded = p.Rounded;
        FFlat = true;
        Invalidate();
    }
    FLook = value;
}

void TProGridButton::Loaded()
{
    TGraphicControl::Loaded();
    if (FShaded)
        BuildShade();
    if (FAutoThemeAdapt)
        ThemeAdapt();
}

// Input

bool TProGridButton::Hot() const
{
    return FMouseInControl && Enabled();
}

void TProGridButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled())
        return;
    if (FDropDownButton && X > ClientWidth() - 12) {
        FState = bsUp;
        if (OnDropDown)
            OnDropDown(this);
        if (FDropDownMenu) {
            const TPoint p = ClientToScreen(TPoint{0, Height()});
            FDropDownMenu->SetPopupComponent(this);
            FDropDownMenu->Popup(p.X, p.Y);
        }
        return;
    }
    if (!FDown) {
        FState = bsDown;
        Invalidate();
    }
    if (FStyle == tasCheck) {
        FState = bsDown;
        Repaint();
    }
    FDragging = true;
}

void TProGridButton::MouseMove(TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseMove(Shift, X, Y);
    if (FDragging) {
        TButtonState state = FDown ? bsExclusive : bsUp;
        if (X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight())
            state = FDown ? bsExclusive : bsDown;
        if (FStyle == tasCheck && FDown)
            state = bsDown;
        if (state != FState) {
            FState = state;
            Invalidate();
        }
    } else if (!FMouseInControl) {
        UpdateTracking();
    }
}

void TProGridButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!FDragging)
        return;
    FDragging = false;
    const bool click = X >= 0 && X < ClientWidth() && Y >= 0 && Y <= ClientHeight();
    if (FGroupIndex == 0) {
        FState = bsUp;
        if (FStyle == tasCheck) {
            SetDown(!FDown);
            FState = bsUp;
        }
        if (!(FState == bsExclusive || FState == bsDown))
            Invalidate();
    } else if (click) {
        SetDown(!FDown);
        if (FDown)
            Repaint();
    } else {
        if (FDown)
            FState = bsExclusive;
        Repaint();
    }
    if (click)
        Click();
    UpdateTracking();
}

void TProGridButton::Click()
{
    TGraphicControl::Click();
}

void TProGridButton::WMLButtonDblClk(TWMMouse& Message)
{
    // The platform's handling calls DblClick; only a down button reports it.
    TNotifyEvent saved = OnDblClick;
    if (!FDown)
        OnDblClick = nullptr;
    TGraphicControl::WMLButtonDblClk(Message);
    OnDblClick = saved;
}

void TProGridButton::UpdateTracking()
{
    if (!FFlat || !Enabled() || !Parent())
        return;
    const TPoint p = Parent()->ScreenToClient(GetCursorPos());
    const bool over = Parent()->ControlAtPos(p, false) == this;
    if (over != FMouseInControl)
        Perform(over ? CM_MOUSEENTER : CM_MOUSELEAVE, 0, 0);
}

void TProGridButton::CMMouseEnter(TMessage& Message)
{
    TGraphicControl::CMMouseEnter(Message);
    TControl* capture = GetCaptureControl();
    if (!FMouseInControl && Enabled() && (!capture || capture == this)) {
        FMouseInControl = true;
        Repaint();
    }
}

void TProGridButton::CMMouseLeave(TMessage& Message)
{
    TGraphicControl::CMMouseLeave(Message);
    if (FMouseInControl && Enabled() && !FDragging) {
        FMouseInControl = false;
        Invalidate();
    }
}

void TProGridButton::CMEnabledChanged(TMessage& Message)
{
    TGraphicControl::CMEnabledChanged(Message);
    UpdateTracking();
    Repaint();
}

void TProGridButton::CMFontChanged(TMessage& Message)
{
    TGraphicControl::CMFontChanged(Message);
    Invalidate();
}

void TProGridButton::CMTextChanged(TMessage& Message)
{
    TGraphicControl::CMTextChanged(Message);
    Invalidate();
}

void TProGridButton::Dispatch(TMessage& Message)
{
    switch (Message.Msg) {
    case CM_BUTTONPRESSED:
        ButtonPressed(int(Message.WParam), reinterpret_cast<TProGridButton*>(Message.LParam));
        return;
    case CM_DIALOGCHAR:
        if (IsAccel(QChar(char16_t(Message.WParam & 0xFFFF)), Caption()) && Enabled() && Visible() && Parent() &&
            Parent()->IsVisibleOnScreen()) {
            Click();
            Message.Result = 1;
            return;
        }
        break;
    case WM_THEMECHANGED:
        if (FAutoThemeAdapt)
            ThemeAdapt();
        break;
    default:
        break;
    }
    TGraphicControl::Dispatch(Message);
}

void TProGridButton::ActionChange(TObject* Sender, bool CheckDefaults)
{
    auto* action = dynamic_cast<TCustomAction*>(Sender);
    // The checked state follows while it agreed with Down before the change.
    TProGridButtonActionLink link(this);
    const bool checkedLinked = action && link.IsCheckedLinked(action);
    TGraphicControl::ActionChange(Sender, CheckDefaults);
    if (!action)
        return;
    if (checkedLinked && action->Checked() != FDown)
        SetDown(action->Checked());
    FActionChecked = action->Checked();
}

// Painting

void TProGridButton::Paint()
{
    TCanvas* c = Canvas();
    if (!c)
        return;
    if (!Enabled()) {
        FState = bsDisabled;
        FDragging = false;
    } else if (FState == bsDisabled) {
        FState = FDown && FGroupIndex != 0 ? bsExclusive : bsUp;
    }
    if (FStyle == tasCheck && FDown)
        FState = bsDown;
    c->Font()->Assign(Font());
    TRect r{0, 0, Width(), Height()};
    const bool hot = Hot();
    const bool pressed = FState == bsDown || FState == bsExclusive;

    if (!FFlat) {
        if (IsWinXPOrLater() && FAutoXPStyle && FIsComCtl6 && ThemeActiveNow()) {
            const int state = pressed ? 3 : (FMouseInControl ? 2 : 1);
            DrawThemedPart(Parent() && Parent()->HandleAllocated() ? Parent()->Handle() : nullptr,
                           QStringLiteral("button"), c, 1, state, r);
        } else {
            DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (pressed ? DFCS_PUSHED : 0u));
        }
    } else {
        if (FBorderDownColor == clNone || FRounded)
            InflateRect(r, -1, -1);
        c->Pen()->SetWidth(1);
        if (hot) {
            TColor brush = FColorHot, to = FColorHotTo, pen = FBorderHotColor;
            if (FState == bsDown) {
                brush = FColorDown;
                to = FColorDownTo;
                pen = FBorderDownColor;
            }
            if (FStyle == tasCheck && FDown && !FDragging) {
                brush = FColorChecked;
                to = FColorCheckedTo;
                pen = FBorderDownColor;
            }
            FillFace(c, r, brush, to, FRounded ? clNone : pen);
            const TColor border = FState == bsDown ? FBorderDownColor : FBorderHotColor;
            if (FRounded)
                RoundBorder(c, r, border);
            if (FDropDownButton) {
                c->Pen()->SetColor(border);
                c->MoveTo(r.Right - 12, r.Top);
                c->LineTo(r.Right - 12, r.Bottom);
            }
        } else {
            if (FStyle == tasCheck && FDown) {
                FillFace(c, r, FColorChecked, FColorCheckedTo, FBorderDownColor);
            } else {
                const TColor border = FDown ? FBorderDownColor : (FRounded ? clNone : FBorderColor);
                FillFace(c, r, Color(), FColorTo, FColorTo == clNone ? clNone : border);
            }
            if (FBorderColor != clNone) {
                if (FRounded) {
                    RoundBorder(c, r, FBorderColor);
                } else {
                    c->Brush()->SetStyle(bsClear);
                    c->Pen()->SetColor(FBorderColor);
                    c->Rectangle(r);
                    c->Brush()->SetStyle(bsSolid);
                }
            }
        }
        InflateRect(r, -1, -1);
    }

    TPoint offset{0, 0};
    if (pressed) {
        if (FState == bsExclusive && (!FFlat || !hot)) {
            TRect e = r;
            InflateRect(e, 1, 1);
            FillFace(c, e, FColorChecked, FColorCheckedTo, FDown ? FBorderDownColor : FBorderColor);
        }
        if (!FFlat)
            offset = {1, 1};
    } else if (FFlat && hot && FShaded) {
        offset = {-1, -1};
    }

    if (FDropDownButton) {
        const int m = r.Top + (r.Bottom - r.Top) / 2;
        const TColor fc = Font()->Color();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(fc);
        c->Pen()->SetColor(fc);
        c->Polygon({{r.Right - 8, m - 1}, {r.Right - 4, m - 1}, {r.Right - 6, m + 1}});
        r.Right -= 12;
    }
    PaintContent(c, r, offset, FDown && FGroupIndex != 0 ? bsDown : FState);
}

void TProGridButton::PaintContent(TCanvas* C, TRect R, TPoint Offset, TButtonState State)
{
    const QString caption = FShowCaption ? Caption() : QString();
    TButtonLayout layout = FLayout;
    if (UseRightToLeftAlignment()) {
        if (layout == blGlyphLeft)
            layout = blGlyphRight;
        else if (layout == blGlyphRight)
            layout = blGlyphLeft;
    }
    const TSize glyphSize = FGlyph->Empty() ? TSize{0, 0} : TSize{FGlyph->Width(), FGlyph->Height()};
    TSize textSize{0, 0};
    if (!caption.isEmpty()) {
        TRect t{0, 0, R.Width(), 0};
        DrawText(C, caption, -1, &t, DT_CALCRECT | DT_SINGLELINE);
        textSize = {t.Width(), t.Height()};
    }
    const TSize client{R.Width(), R.Height()};
    TPoint glyphPos, textPos;
    const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
    if (horizontal) {
        glyphPos.Y = (client.cy - glyphSize.cy + 1) / 2;
        textPos.Y = (client.cy - textSize.cy + 1) / 2;
    } else {
        glyphPos.X = (client.cx - glyphSize.cx + 1) / 2;
        textPos.X = (client.cx - textSize.cx + 1) / 2;
    }
    int spacing = FSpacing;
    int margin = FMargin;
    if (textSize.cx == 0 || glyphSize.cx == 0)
        spacing = 0;
    const int extent = horizontal ? client.cx : client.cy;
    const int glyphExt = horizontal ? glyphSize.cx : glyphSize.cy;
    const int textExt = horizontal ? textSize.cx : textSize.cy;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (extent - glyphExt - textExt) / 3;
            spacing = margin;
        } else {
            margin = (extent - glyphExt - spacing - textExt + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((extent - margin - glyphExt) - textExt) / 2;
    }
    switch (layout) {
    case blGlyphLeft:
        glyphPos.X = margin;
        textPos.X = glyphPos.X + glyphSize.cx + spacing;
        break;
    case blGlyphRight:
        glyphPos.X = client.cx - margin - glyphSize.cx;
        textPos.X = glyphPos.X - spacing - textSize.cx;
        break;
    case blGlyphTop:
        glyphPos.Y = margin;
        textPos.Y = glyphPos.Y + glyphSize.cy + spacing;
        break;
    case blGlyphBottom:
        glyphPos.Y = client.cy - margin - glyphSize.cy;
        textPos.Y = glyphPos.Y - spacing - textSize.cy;
        break;
    }
    glyphPos = {glyphPos.X + R.Left + Offset.X, glyphPos.Y + R.Top + Offset.Y};
    textPos = {textPos.X + R.Left + Offset.X, textPos.Y + R.Top + Offset.Y};
    if (caption.isEmpty())
        glyphPos = {0, 0};

    const bool hot = Hot();
    const bool pressed = State == bsDown || State == bsExclusive;
    TBitmap* glyph = FGlyph.get();
    if (hot && !pressed && !IsEmpty(FGlyphHot.get()))
        glyph = FGlyphHot.get();
    if (pressed && !IsEmpty(FGlyphDown.get()))
        glyph = FGlyphDown.get();
    if (!Enabled() && !IsEmpty(FGlyphDisabled.get()))
        glyph = FGlyphDisabled.get();
    if (!glyph->Empty()) {
        const TRect src{0, 0, glyph->Width(), glyph->Height()};
        if (hot && FShaded && State != bsDown && !FGlyphShade->Empty()) {
            const TPoint s = caption.isEmpty() ? glyphPos : TPoint{glyphPos.X + 2, glyphPos.Y + 2};
            C->BrushCopy(Bounds(s.X, s.Y, src.Width(), src.Height()), FGlyphShade.get(), src,
                         FGlyphShade->TransparentColor());
        }
        C->BrushCopy(Bounds(glyphPos.X, glyphPos.Y, src.Width(), src.Height()), glyph, src, glyph->TransparentColor());
    }

    if (!FShowCaption || caption.isEmpty())
        return;
    TRect t = Bounds(textPos.X, textPos.Y, textSize.cx, textSize.cy);
    if (FFlat && hot && FShaded && Enabled() && !pressed)
        OffsetRect(t, 1, 1);
    C->Brush()->SetStyle(bsClear);
    const unsigned flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE | (UseRightToLeftAlignment() ? DT_RTLREADING : 0u);
    if (State == bsDisabled) {
        TRect s = t;
        OffsetRect(s, 1, 1);
        C->Font()->SetColor(clBtnHighlight);
        DrawText(C, caption, -1, &s, flags);
        C->Font()->SetColor(clBtnShadow);
        DrawText(C, caption, -1, &t, flags);
    } else {
        C->Font()->SetColor(Font()->Color());
        DrawText(C, caption, -1, &t, flags);
    }
    C->Brush()->SetStyle(bsSolid);
}
