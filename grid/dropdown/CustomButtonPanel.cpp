#include "grid/dropdown/CustomButtonPanel.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include <algorithm>

// TButtonItem

TButtonItem::TButtonItem(TCollection* Collection) : TCollectionItem(nullptr), FImage(std::make_unique<TPicture>())
{
    SetCollection(Collection);
}

TButtonItem::~TButtonItem() = default;

void TButtonItem::SetImage(TPicture* Value) { FImage->Assign(Value); }

void TButtonItem::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TButtonItem*>(Source);
    if (!src) {
        TCollectionItem::Assign(Source);
        return;
    }
    FCaption = src->FCaption;
    FCaptionColor = src->FCaptionColor;
    FTag = src->FTag;
    FImageIndex = src->FImageIndex;
    FImage->Assign(src->FImage.get());
    FEnabled = src->FEnabled;
    FName = src->FName;
}

TButtonItems::TButtonItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TButtonItem(c); })
{
}

// TButtonAppearance

TButtonAppearance::TButtonAppearance()
    // The checked and disabled faces: ShadeColor(0xF5F0E1, -10, -10, 0),
    // ShadeColor(0xF9D2B2, -10, -10, 0) and ShadeColor(white, -5, -5, -5).
    : FColorChecked(0xF5D8CA), FColorCheckedTo(0xF9BDA0), FColorDisabled(0xF2F2F2), FColorDisabledTo(0xF2F2F2),
      FFont(std::make_unique<TFont>())
{
    FFont->SetSize(10);
    FFont->SetStyle({fsBold});
}

TButtonAppearance::~TButtonAppearance() = default;

void TButtonAppearance::SetColorField(TColor& Field, TColor Value)
{
    if (Field == Value)
        return;
    Field = Value;
    if (OnChange)
        OnChange(this);
}

void TButtonAppearance::SetBorderColor(TColor Value) { SetColorField(FBorderColor, Value); }
void TButtonAppearance::SetBorderColorHot(TColor Value) { SetColorField(FBorderColorHot, Value); }
void TButtonAppearance::SetBorderColorDown(TColor Value) { SetColorField(FBorderColorDown, Value); }
void TButtonAppearance::SetBorderColorChecked(TColor Value) { SetColorField(FBorderColorChecked, Value); }
void TButtonAppearance::SetColor(TColor Value) { SetColorField(FColor, Value); }
void TButtonAppearance::SetColorTo(TColor Value) { SetColorField(FColorTo, Value); }
void TButtonAppearance::SetColorHot(TColor Value) { SetColorField(FColorHot, Value); }
void TButtonAppearance::SetColorHotTo(TColor Value) { SetColorField(FColorHotTo, Value); }
void TButtonAppearance::SetColorDown(TColor Value) { SetColorField(FColorDown, Value); }
void TButtonAppearance::SetColorDownTo(TColor Value) { SetColorField(FColorDownTo, Value); }
void TButtonAppearance::SetColorChecked(TColor Value) { SetColorField(FColorChecked, Value); }
void TButtonAppearance::SetColorCheckedTo(TColor Value) { SetColorField(FColorCheckedTo, Value); }
void TButtonAppearance::SetColorDisabled(TColor Value) { SetColorField(FColorDisabled, Value); }
void TButtonAppearance::SetColorDisabledTo(TColor Value) { SetColorField(FColorDisabledTo, Value); }
void TButtonAppearance::SetTextColor(TColor Value) { SetColorField(FTextColor, Value); }
void TButtonAppearance::SetSpecialTextColor(TColor Value) { SetColorField(FSpecialTextColor, Value); }
void TButtonAppearance::SetFont(TFont* Value) { FFont->Assign(Value); }

void TButtonAppearance::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TButtonAppearance*>(Source);
    if (!src) {
        TPersistent::Assign(Source);
        return;
    }
    SetBorderColor(src->FBorderColor);
    SetBorderColorHot(src->FBorderColorHot);
    SetBorderColorDown(src->FBorderColorDown);
    SetBorderColorChecked(src->FBorderColorChecked);
    SetColor(src->FColor);
    SetColorTo(src->FColorTo);
    SetColorHot(src->FColorHot);
    SetColorHotTo(src->FColorHotTo);
    SetColorDown(src->FColorDown);
    SetColorDownTo(src->FColorDownTo);
    SetColorChecked(src->FColorChecked);
    SetColorCheckedTo(src->FColorCheckedTo);
    SetColorDisabled(src->FColorDisabled);
    SetColorDisabledTo(src->FColorDisabledTo);
    SetTextColor(src->FTextColor);
    SetSpecialTextColor(src->FSpecialTextColor);
    GlowColorHot = src->GlowColorHot;
    GlowColorDown = src->GlowColorDown;
    FShineColor = src->FShineColor;
    FFont->Assign(src->FFont.get());
}

// TCustomButtonPanel

namespace {

struct TKey {
    const char* Caption;
    const char* Name;
    int Tag;
    bool Special;
    int Row;
    int Column;
};

// Row 0 holds the blank key and, after it, "Back", "CE" and "C" sharing the
// rest of the row (their columns are placed apart).
constexpr TKey CalculatorKeys[] = {
    {"", "BTN_ON", 30, false, 0, 0},      {"Back", "BTN_BACK", 31, true, 0, -1},
    {"CE", "BTN_CE", 32, true, 0, -1},    {"C", "BTN_C", 16, true, 0, -1},
    {"MC", "BTN_MC", 33, true, 1, 0},     {"MR", "BTN_MR", 34, true, 2, 0},
    {"MS", "BTN_MS", 35, true, 3, 0},     {"M+", "BTN_M+", 36, true, 4, 0},
    {"0", "BTN_0", 0, false, 4, 1},       {"1", "BTN_1", 1, false, 3, 1},
    {"4", "BTN_4", 4, false, 2, 1},       {"7", "BTN_7", 7, false, 1, 1},
    {"8", "BTN_8", 8, false, 1, 2},       {"5", "BTN_5", 5, false, 2, 2},
    {"2", "BTN_2", 2, false, 3, 2},       {"+/-", "BTN_+/-", 14, false, 4, 2},
    {".", "BTN_.", 15, false, 4, 3},      {"3", "BTN_3", 3, false, 3, 3},
    {"6", "BTN_6", 6, false, 2, 3},       {"9", "BTN_9", 9, false, 1, 3},
    {"/", "BTN_/", 13, true, 1, 4},       {"*", "BTN_*", 12, true, 2, 4},
    {"-", "BTN_-", 11, true, 3, 4},       {"+", "BTN_+", 10, true, 4, 4},
    {"=", "BTN_=", 17, true, 4, 5},       {"1/x", "BTN_1/x", 38, false, 3, 5},
    {"%", "BTN_%", 18, false, 2, 5},      {"sqrt", "BTN_sqrt", 37, true, 1, 5},
};

// Themed push-button states: 1 normal, 2 hot, 3 pressed, 4 disabled.
unsigned FrameState(int State)
{
    switch (State) {
    case 2: return DFCS_BUTTONPUSH | DFCS_HOT;
    case 3: return DFCS_BUTTONPUSH | DFCS_PUSHED;
    case 4: return DFCS_BUTTONPUSH | DFCS_INACTIVE;
    default: return DFCS_BUTTONPUSH;
    }
}

} // namespace

TCustomButtonPanel::TCustomButtonPanel(TComponent* AOwner)
    : TCustomControl(AOwner), FButtons(std::make_unique<TButtonItems>(this)),
      FButtonAppearance(std::make_unique<TButtonAppearance>())
{
    FButtonAppearance->OnChange = [this](TObject*) { Invalidate(); };
    SetDoubleBuffered(true);
}

TCustomButtonPanel::~TCustomButtonPanel() = default;

void TCustomButtonPanel::SetButtons(TButtonItems* Value) { FButtons->Assign(Value); }
void TCustomButtonPanel::SetButtonAppearance(TButtonAppearance* Value) { FButtonAppearance->Assign(Value); }

void TCustomButtonPanel::SetButtonPanelType(TButtonPanelType Value)
{
    if (FButtonPanelType == Value)
        return;
    FButtonPanelType = Value;
    ArrangeButtons();
    Invalidate();
}

void TCustomButtonPanel::SetImages(TCustomImageList* Value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
    ArrangeButtons();
    Invalidate();
}

void TCustomButtonPanel::SetEdit(TWinControl* Value)
{
    if (FEdit)
        FEdit->RemoveFreeNotification(this);
    FEdit = Value;
    if (FEdit)
        FEdit->FreeNotification(this);
}

void TCustomButtonPanel::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FEdit)
        FEdit = nullptr;
}

void TCustomButtonPanel::Loaded()
{
    TCustomControl::Loaded();
    if (!FProDropDown)
        CreateButtons();
}

void TCustomButtonPanel::Resize()
{
    TCustomControl::Resize();
    ArrangeButtons();
}

void TCustomButtonPanel::ClearButtons()
{
    FButtons->Clear();
    FButtonHot = -1;
    FButtonDown = -1;
}

void TCustomButtonPanel::ResetButtons()
{
    ClearButtons();
    CreateButtons();
}

void TCustomButtonPanel::CreateButtons()
{
    if (FButtons->Count() > 0)
        return;
    if (FButtonPanelType == plCalculator) {
        for (const TKey& k : CalculatorKeys) {
            TButtonItem* b = FButtons->Add();
            b->SetCaption(QString::fromLatin1(k.Caption));
            b->SetName(QString::fromLatin1(k.Name));
            b->SetTag(k.Tag);
            b->SetSpecial(k.Special);
            if (k.Special)
                b->SetCaptionColor(0x000080);
        }
    }
    ArrangeButtons();
}

void TCustomButtonPanel::GetButtonArea(TRect& R)
{
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

void TCustomButtonPanel::ArrangeButtons()
{
    if (FButtons->Count() == 0 || FButtonPanelType == plCustom)
        return;
    constexpr int G = 4;
    TRect a;
    GetButtonArea(a);
    const int w = (a.Width() - 2 * G) / 6;
    const int h = (a.Height() - G) / 5;
    // Neighbours inside a group overlap by one pixel; the memory column,
    // the digits and the operators are groups apart, and so is row 0.
    int y[5];
    y[0] = a.Top;
    y[1] = y[0] + h + G;
    for (int r = 2; r < 5; ++r)
        y[r] = y[r - 1] + h - 1;
    int x[6];
    x[0] = a.Left;
    x[1] = x[0] + w + G;
    x[2] = x[1] + w - 1;
    x[3] = x[2] + w - 1;
    x[4] = x[3] + w + G;
    x[5] = x[4] + w - 1;
    const int right = x[5] + w;
    const int count = std::min<int>(FButtons->Count(), int(std::size(CalculatorKeys)));
    for (int i = 0; i < count; ++i) {
        TButtonItem* b = FButtons->Items(i);
        const TKey& k = CalculatorKeys[i];
        b->Top = y[k.Row];
        b->Height = h;
        if (k.Column >= 0) {
            b->Left = x[k.Column];
            b->Width = w;
        }
    }
    if (count >= 4) {
        const int left = x[0] + w + G;
        const int w2 = (right - left - 2 * G) / 3;
        TButtonItem* back = FButtons->Items(1);
        TButtonItem* ce = FButtons->Items(2);
        TButtonItem* c = FButtons->Items(3);
        back->Left = left;
        back->Width = w2;
        ce->Left = left + w2 + G;
        ce->Width = w2;
        c->Left = left + 2 * w2 + 2 * G;
        c->Width = right - c->Left;
    }
}

TSize TCustomButtonPanel::PictureSize(const TButtonItem* Item) const
{
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty())
        return {Item->Image()->Width(), Item->Image()->Height()};
    if (FImages && Item->ImageIndex() >= 0)
        return {FImages->Width(), FImages->Height()};
    return {0, 0};
}

void TCustomButtonPanel::GetButtonSize(TSize& Size)
{
    TCanvas* c = Canvas();
    c->Font()->Assign(FButtonAppearance->Font());
    TSize caption{0, 0};
    TSize picture{0, 0};
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem* b = FButtons->Items(i);
        const TSize t = c->TextExtent(b->Caption());
        caption = {std::max(caption.cx, t.cx), std::max(caption.cy, t.cy)};
        const TSize p = PictureSize(b);
        picture = {std::max(picture.cx, p.cx), std::max(picture.cy, p.cy)};
    }
    if (FButtonLayout == ilCaptionLeft || FButtonLayout == ilCaptionRight) {
        Size.cx = picture.cx + FCaptionGap + caption.cx + 2 * FButtonOffSetX;
        Size.cy = std::max(picture.cy, caption.cy) + 2 * FButtonOffSetY;
    } else {
        Size.cx = std::max(picture.cx, caption.cx) + 2 * FButtonOffSetX;
        Size.cy = picture.cy + FCaptionGap + caption.cy + 2 * FButtonOffSetY;
    }
}

// Painting

void TCustomButtonPanel::Paint()
{
    TCustomControl::Paint();
    TCanvas* c = Canvas();
    if (!FProDropDown) {
        c->Brush()->SetStyle(bsClear);
        c->Pen()->SetStyle(psSolid);
        c->Pen()->SetWidth(1);
        c->Pen()->SetColor(clBlack);
        c->Rectangle(ClientRect());
    }
    for (int i = 0; i < FButtons->Count(); ++i)
        if (i != FButtonHot)
            DrawButton(i, c);
    if (FButtonHot >= 0)
        DrawButton(FButtonHot, c);
}

void TCustomButtonPanel::DrawPicture(TCanvas* ACanvas, const TButtonItem* Item, int X, int Y)
{
    TGraphic* g = Item->Image()->Graphic();
    if (g && !g->Empty())
        ACanvas->Draw(X, Y, g);
    else if (FImages && Item->ImageIndex() >= 0)
        FImages->Draw(ACanvas, X, Y, Item->ImageIndex(), Item->Enabled());
}

void TCustomButtonPanel::DrawButton(int Index, TCanvas* ACanvas)
{
    if (Index < 0 || Index >= FButtons->Count() || !ACanvas)
        return;
    const TButtonItem* b = FButtons->Items(Index);
    if (b->Left < 0 || b->Top < 0)
        return;
    TRect r = b->BoundsRect();
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(Color());
    ACanvas->FillRect(r);
    const int state = !Enabled() ? 4 : Index == FButtonDown ? 3 : Index == FButtonHot ? 2 : 1;
    // The platform has no visual style: the face is the classic push button.
    TRect face = r;
    DrawFrameControl(ACanvas, face, DFC_BUTTON, FrameState(state));

    TRect content = r;
    InflateRect(content, -FButtonOffSetX, -FButtonOffSetY);
    ACanvas->Font()->Assign(FButtonAppearance->Font());
    ACanvas->Font()->SetColor(b->Special() ? FButtonAppearance->SpecialTextColor() : FButtonAppearance->TextColor());
    ACanvas->Brush()->SetStyle(bsClear);
    const TSize pic = PictureSize(b);
    const bool hasPicture = pic.cx > 0;
    unsigned format = DT_SINGLELINE | DT_VCENTER;
    TRect text = content;
    if (hasPicture) {
        switch (FButtonLayout) {
        case ilCaptionRight:
            DrawPicture(ACanvas, b, content.Left, content.Top + (content.Height() - pic.cy) / 2);
            text.Left += pic.cx + FCaptionGap;
            break;
        case ilCaptionLeft: {
            const int tw = ACanvas->TextWidth(b->Caption());
            DrawPicture(ACanvas, b, content.Left + tw + FCaptionGap, content.Top + (content.Height() - pic.cy) / 2);
            break;
        }
        case ilCaptionTop:
            text.Bottom -= pic.cy;
            DrawPicture(ACanvas, b, content.Left + (content.Width() - pic.cx) / 2, text.Bottom);
            format |= DT_CENTER;
            break;
        case ilCaptionBottom:
            DrawPicture(ACanvas, b, content.Left + (content.Width() - pic.cx) / 2, content.Top);
            text.Top += pic.cy + FCaptionGap;
            format |= DT_CENTER;
            break;
        }
    } else {
        format |= DT_CENTER;
    }
    DrawText(ACanvas, b->Caption(), -1, &text, format);
}

void TCustomButtonPanel::InvalidateButton(int Index)
{
    if (Index < 0 || Index >= FButtons->Count() || !HandleAllocated())
        return;
    TRect r = FButtons->Items(Index)->BoundsRect();
    InflateRect(r, 8, 8);
    TWinControl::InvalidateRect(r);
}

void TCustomButtonPanel::DoButtonClick(int Index)
{
    if (OnButtonClick)
        OnButtonClick(this, Index);
}

// Mouse

int TCustomButtonPanel::ButtonAt(TPoint P) const
{
    for (int i = 0; i < FButtons->Count(); ++i) {
        const TButtonItem* b = FButtons->Items(i);
        if (b->Left >= 0 && PtInRect(b->BoundsRect(), P))
            return i;
    }
    return -1;
}

void TCustomButtonPanel::SetHot(int Index)
{
    if (Index == FButtonHot)
        return;
    const int old = FButtonHot;
    FButtonHot = Index;
    InvalidateButton(old);
    if (Index >= 0 && HandleAllocated())
        DrawButton(Index, Canvas());
}

void TCustomButtonPanel::SetDown(int Index)
{
    const int old = FButtonDown;
    FButtonDown = Index;
    InvalidateButton(old);
    if (Index >= 0 && HandleAllocated())
        DrawButton(Index, Canvas());
}

void TCustomButtonPanel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ButtonAt(Point(X, Y));
    if (i >= 0 && FButtons->Items(i)->Enabled())
        SetDown(i);
}

void TCustomButtonPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ButtonAt(Point(X, Y));
    SetHot(i >= 0 && FButtons->Items(i)->Enabled() ? i : -1);
}

void TCustomButtonPanel::MouseLeave()
{
    TCustomControl::MouseLeave();
    SetHot(-1);
}

void TCustomButtonPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseUp(Button, Shift, X, Y);
    if (FButtonDown < 0)
        return;
    const int pressed = FButtonDown;
    SetDown(-1);
    if (ButtonAt(Point(X, Y)) == pressed)
        DoButtonClick(pressed);
}
