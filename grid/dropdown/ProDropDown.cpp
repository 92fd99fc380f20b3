#include "grid/dropdown/ProDropDown.h"
#include "grid/dropdown/DropDownUtils.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Label.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/Screen.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>

namespace {

// The native frame of a bordered edit lies inside the window here; the
// layout counts from inside it, as from a client area.
constexpr int FrameInset = 2;

int TextHeightOf(TFont* Font)
{
    TBitmap measure(1, 1);
    if (Font)
        measure.Canvas()->Font()->Assign(Font);
    return measure.Canvas()->TextHeight(QStringLiteral("0"));
}

} // namespace

TProCustomDropDown::TProCustomDropDown(TComponent* AOwner)
    : TCustomMaskEdit(AOwner),
      FDropDownHeader(std::make_unique<THeaderAppearance>(this)),
      FDropDownFooter(std::make_unique<TFooterAppearance>(this)),
      FButtonAppearance(std::make_unique<TProButtonAppearance>()),
      FLabelFont(std::make_unique<TFont>())
{
    TCustomMaskEdit::SetBounds(Left(), Top(), 200, 21);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
    CreateDropDownButton();
    FControlStyle -= csSetCaption;
    SetReadOnly(false);
    FDropPosition = dpAuto;
    SetText(QString());
    FOldText.clear();
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
    FDropDownHeader->OnChange = [this](TObject* s) { HeaderChanged(s); };
    FDropDownHeader->OnButtonsChanged = [this](TObject* s) { HeaderChanged(s); };
    FDropDownFooter->OnChange = [this](TObject* s) { FooterChanged(s); };
    FDropDownFooter->OnButtonsChanged = [this](TObject* s) { FooterChanged(s); };
    FDefaultHandling = true;
    FIsWinXP = true;
    FIsThemed = ComCtlAbove5();
    FCanUndo = true;
    FAutoThousandSeparator = true;
    SetSelectionColorStyle(scOffice2007);
    FFocusDraw = true;
    SetComponentStyle(tsOffice2007Luna);
    FLabelFont->OnChange = [this](TObject*) {
        if (FLabel)
            UpdateLabel();
    };
}

TProCustomDropDown::~TProCustomDropDown()
{
    FLabelFont->OnChange = nullptr;
    delete FDropDownForm;
    FDropDownForm = nullptr;
    FControl = nullptr;
    FFocusControl = nullptr;
    FButton = nullptr;
}

void TProCustomDropDown::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TProCustomDropDown*>(Source);
    if (!src)
        return;
    FFocusDraw = src->FFocusDraw;
    FForceShadow = src->FForceShadow;
    FDropDownEnabled = src->FDropDownEnabled;
    FDropDownColor = src->FDropDownColor;
    FDropDownColorTo = src->FDropDownColorTo;
    FDropDownGradient = src->FDropDownGradient;
    FDropDownBorderColor = src->FDropDownBorderColor;
    FDropDownBorderWidth = src->FDropDownBorderWidth;
    FDropDownShadow = src->FDropDownShadow;
    FDropDownWidth = src->FDropDownWidth;
    FDropDownHeight = src->FDropDownHeight;
    FDropDownSizeable = src->FDropDownSizeable;
    FEditType = src->FEditType;
    FReturnIsTab = src->FReturnIsTab;
    FLengthLimit = src->FLengthLimit;
    FPrecision = src->FPrecision;
    FPrefix = src->FPrefix;
    FSuffix = src->FSuffix;
    FDefaultHandling = src->FDefaultHandling;
    FCanUndo = src->FCanUndo;
    FExcelStyleDecimalSeparator = src->FExcelStyleDecimalSeparator;
    FValidChars = src->FValidChars;
    FSigned = src->FSigned;
    FAutoThousandSeparator = src->FAutoThousandSeparator;
    FButtonAppearance->Assign(src->FButtonAppearance.get());
    FDropDownHeader->Assign(src->FDropDownHeader.get());
    FDropDownFooter->Assign(src->FDropDownFooter.get());
    FDropPosition = src->FDropPosition;
    FFlat = src->FFlat;
    SetDropDownButtonWidth(src->FButtonWidth);
    SetDropDownButtonHint(src->FButtonHint);
    FEditorEnabled = src->FEditorEnabled;
    if (FButton && src->FButton) {
        FButton->SetGlyph(src->FButton->Glyph());
        FButton->SetButtonCaption(src->FButton->ButtonCaption());
    }
    FEtched = src->FEtched;
    FImages = src->FImages;
    FSelectionColorStyle = src->FSelectionColorStyle;
    FSelectionColor = src->FSelectionColor;
    FSelectionColorTo = src->FSelectionColorTo;
}

void TProCustomDropDown::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    const bool resized = AWidth != Width() || AHeight != Height();
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (resized)
        ResizeControl();
    if (FLabel && FLabel->Parent())
        UpdateLabel();
}

QString TProCustomDropDown::Version() const
{
    const int v = GetVersionNr();
    return QStringLiteral("%1.%2.%3.%4")
        .arg((v >> 24) & 0xFF)
        .arg((v >> 16) & 0xFF)
        .arg((v >> 8) & 0xFF)
        .arg(v & 0xFF);
}

// Properties

void TProCustomDropDown::SetDropDownWidth(int Value)
{
    if (FDropDownWidth != Value)
        FUserDropDownWidth = -1;
    FDropDownWidth = Value;
}

void TProCustomDropDown::SetDropDownHeight(int Value)
{
    if (FDropDownHeight != Value)
        FUserDropDownHeight = -1;
    FDropDownHeight = Value;
}

void TProCustomDropDown::SetDropDownHeader(THeaderAppearance* Value)
{
    FDropDownHeader->Assign(Value);
}

void TProCustomDropDown::SetDropDownFooter(TFooterAppearance* Value)
{
    FDropDownFooter->Assign(Value);
}

void TProCustomDropDown::SetButtonAppearance(TProButtonAppearance* Value)
{
    FButtonAppearance->Assign(Value);
}

void TProCustomDropDown::SetImages(TCustomImageList* Value)
{
    if (FImages == Value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
}

void TProCustomDropDown::SetDropDownButtonWidth(int Value)
{
    if (!FButton || FButtonWidth == Value)
        return;
    FButtonWidth = Value;
    FButton->SetButtonWidth(Value);
    if (FButton->HandleAllocated())
        ResizeControl();
}

void TProCustomDropDown::SetDropDownButtonHint(const QString& Value)
{
    if (FButtonHint == Value)
        return;
    FButtonHint = Value;
    if (FButton) {
        FButton->SetHint(Value);
        FButton->SetShowHint(!Value.isEmpty());
    }
}

TBitmap* TProCustomDropDown::DropDownButtonGlyph() const
{
    return FButton ? FButton->Glyph() : nullptr;
}

void TProCustomDropDown::SetDropDownButtonGlyph(TBitmap* Value)
{
    if (FButton)
        FButton->SetGlyph(Value);
}

void TProCustomDropDown::SetEditorEnabled(bool Value)
{
    FEditorEnabled = Value;
    if (Value)
        FControlStyle += csDoubleClicks;
    else
        FControlStyle -= csDoubleClicks;
}

void TProCustomDropDown::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
    RedrawBorder();
    if (FButton)
        FButton->Button()->Invalidate();
}

void TProCustomDropDown::SetDisabledBorder(bool Value)
{
    if (FDisabledBorder == Value)
        return;
    FDisabledBorder = Value;
    Invalidate();
}

// Label

const QString& TProCustomDropDown::LabelCaption() const
{
    static const QString none;
    return FLabel ? FLabel->Caption() : none;
}

void TProCustomDropDown::SetLabelCaption(const QString& Value)
{
    if (!FLabel) {
        FLabel = new TLabel(this);
        FLabel->SetParent(Parent());
        FLabel->SetFocusControl(this);
        FLabel->Font()->Assign(FLabelFont.get());
        FLabel->SetParentFont(ParentFont());
        FLabel->OnClick = [this](TObject*) { DoLabelClick(); };
        FLabel->OnDblClick = [this](TObject*) { DoLabelDblClick(); };
    }
    FLabel->SetCaption(Value);
    UpdateLabel();
}

void TProCustomDropDown::SetLabelPosition(TLabelPosition Value)
{
    FLabelPosition = Value;
    if (FLabel)
        UpdateLabel();
}

void TProCustomDropDown::SetLabelMargin(int Value)
{
    FLabelMargin = Value;
    if (FLabel)
        UpdateLabel();
}

void TProCustomDropDown::SetLabelTransparent(bool Value)
{
    FLabelTransparent = Value;
    if (FLabel)
        UpdateLabel();
}

void TProCustomDropDown::SetLabelFont(TFont* Value)
{
    if (!ParentFont())
        FLabelFont->Assign(Value);
    if (FLabel)
        UpdateLabel();
}

void TProCustomDropDown::UpdateLabel()
{
    if (!FLabel)
        return;
    if (FLabel->Parent() != Parent())
        FLabel->SetParent(Parent());
    TFont* font = FParentFnt ? Font() : FLabelFont.get();
    PlaceLabel(FLabel, this, FLabelPosition, FLabelMargin, FLabelTransparent, font, false);
}

void TProCustomDropDown::DoLabelClick()
{
    CallEvent(OnLabelClick, this);
}

void TProCustomDropDown::DoLabelDblClick()
{
    CallEvent(OnLabelDblClick, this);
}

// Button and layout

void TProCustomDropDown::CreateDropDownButton()
{
    if (!FButton) {
        FButton = new TDropDownEditButton(this);
        FButton->SetParent(this);
        FButton->OnClick = [this](TObject* s) { DropButtonClick(s); };
        if (ComponentState().Contains(TComponentStateFlag::csDesigning))
            FButton->SetColor(clBtnFace);
    }
    UpdateDropDownButton();
}

void TProCustomDropDown::UpdateDropDownButton()
{
    if (!FButton)
        return;
    FButton->SetButtonWidth(FButtonWidth);
    FButton->SetHeight(17);
    FButton->SetVisible(true);
    FButton->SetFocusControl(this);
}

int TProCustomDropDown::GetMinHeight() const
{
    const int h = TextHeightOf(Font());
    const int s = TextHeightOf(nullptr);
    return h + std::min(h, s) / 4;
}

void TProCustomDropDown::ResizeControl()
{
    const int minHeight = GetMinHeight();
    if (Height() < minHeight) {
        SetHeight(minHeight);
        return;
    }
    if (FButton) {
        const bool single = BorderStyle() == bsSingle;
        int inset = single ? 4 : 2;
        if (FFlat)
            inset = 3;
        if (single) {
            // Counted from inside the native frame.
            FButton->SetBounds(Width() - FButtonWidth - inset + FrameInset, (FFlat ? 2 : 0) + FrameInset,
                               FButtonWidth, Height() - inset);
        } else {
            FButton->SetBounds(Width() - FButtonWidth, 1, FButtonWidth, Height() - 2);
        }
    }
    SetEditRect();
    if (FPictureEdit && HandleAllocated())
        SetNativeMargins(this, EditMargins());
    Invalidate();
}

void TProCustomDropDown::SetEditRect()
{
    const bool single = BorderStyle() == bsSingle;
    const int clientWidth = single ? Width() - 2 * FrameInset : Width();
    const int clientHeight = single ? Height() - 2 * FrameInset : Height();
    TRect r;
    r.Bottom = clientHeight + 1;
    r.Right = clientWidth - FButtonWidth - 3;
    if (single) {
        r.Left = 1;
        r.Top = 1;
    } else {
        r.Left = 2;
        r.Top = 3;
    }
    FEditRect = r;
    if (!HandleAllocated())
        return;
    // The native edit counts from its window, with its frame inside it.
    TRect sent = r;
    if (single)
        OffsetRect(sent, FrameInset, FrameInset);
    Perform(EM_SETRECTNP, 0, LPARAM(&sent));
}

void TProCustomDropDown::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
    if (FPictureEdit)
        SetNativeMargins(this, EditMargins());
}

TRect TProCustomDropDown::EditMargins() const
{
    return FPictureEdit ? TRect(0, 0, Width(), 0) : TRect(1, 1, 1, 1);
}

void TProCustomDropDown::WMSize(TWMSize& Message)
{
    TCustomMaskEdit::WMSize(Message);
    ResizeControl();
}

void TProCustomDropDown::Loaded()
{
    TCustomMaskEdit::Loaded();
    FParentFnt = ParentFont();
    SetEditRect();
    ResizeControl();
    if (FButton)
        FButton->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
    if (FLabel)
        UpdateLabel();
    if (FLabel && ParentFont())
        FLabel->Font()->Assign(Font());
}

void TProCustomDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TCustomMaskEdit::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || ComponentState().Contains(TComponentStateFlag::csDestroying))
        return;
    if (AComponent == FImages) {
        FImages = nullptr;
        Invalidate();
    }
    if (AComponent == FControl)
        SetControl(nullptr);
    if (AComponent == FFocusControl)
        FFocusControl = nullptr;
    if (AComponent == FLabel)
        FLabel = nullptr;
    if (AComponent == FDropDownForm)
        FDropDownForm = nullptr;
}

void TProCustomDropDown::CMEnabledChanged(TMessage& Message)
{
    TCustomMaskEdit::CMEnabledChanged(Message);
    if (FButton)
        FButton->SetEnabled(Enabled());
    if (FLabel && !FLabelAlwaysEnabled)
        FLabel->SetEnabled(Enabled());
}

void TProCustomDropDown::CMVisibleChanged(TMessage& Message)
{
    TCustomMaskEdit::CMVisibleChanged(Message);
    if (FLabel && !FLabel->Caption().isEmpty())
        FLabel->SetVisible(Visible());
}

void TProCustomDropDown::CMFontChanged(TMessage& Message)
{
    TCustomMaskEdit::CMFontChanged(Message);
    if (HandleAllocated())
        SetEditRect();
}

void TProCustomDropDown::CMParentFontChanged(TMessage& Message)
{
    TCustomMaskEdit::CMParentFontChanged(Message);
    if (FLabel && ParentFont()) {
        FLabel->Font()->Assign(Font());
        UpdateLabel();
    }
}

// Border

void TProCustomDropDown::CMMouseEnter(TMessage& Message)
{
    TCustomMaskEdit::CMMouseEnter(Message);
    if (Enabled() && !FMouseInControl) {
        FMouseInControl = true;
        RedrawBorder();
    }
}

void TProCustomDropDown::CMMouseLeave(TMessage& Message)
{
    TCustomMaskEdit::CMMouseLeave(Message);
    if (Enabled() && FMouseInControl) {
        FMouseInControl = false;
        RedrawBorder();
    }
}

void TProCustomDropDown::CMExit(TMessage& Message)
{
    TCustomMaskEdit::CMExit(Message);
    RedrawBorder();
}

void TProCustomDropDown::RedrawBorder()
{
    if (Enabled() && !FFlat && FBorderColor == clNone && FFocusBorderColor == clNone)
        return;
    if (!HandleAllocated())
        return;
    // The border is drawn in a one-pixel strip the native edit leaves free.
    SetNativeMargins(this, EditMargins());
    TControlCanvas canvas(this);
    DrawBorder(&canvas);
    if (FButton)
        FButton->Button()->SetFocused(FMouseInControl || Screen->ActiveControl() == this || Focused());
}

void TProCustomDropDown::DrawBorder(TCanvas* ACanvas)
{
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    const TRect r(0, 0, Width(), Height());
    ACanvas->Brush()->SetStyle(bsSolid);
    auto frame = [&](TColor c, const TRect& box) {
        ACanvas->Brush()->SetColor(c);
        ACanvas->FrameRect(box);
    };
    if (!Enabled() && FIsThemed && FDisabledBorder) {
        frame(0xC0C0C0, r);
        return;
    }
    if (FBorderColor != clNone) {
        if (!Focused() || FFocusBorderColor == clNone)
            frame(FBorderColor, r);
        return;
    }
    if (FFocusBorderColor != clNone) {
        if (Focused())
            frame(FFocusBorderColor, r);
        return;
    }
    const bool hot = FMouseInControl || Focused();
    if (hot) {
        TRect e = r;
        DrawEdge(ACanvas, e, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frame(clBtnFace, e);
    } else {
        const TColor parent = Parent() ? Parent()->Color() : clBtnFace;
        frame(parent, r);
        TRect inner = r;
        InflateRect(inner, -1, -1);
        frame(parent, inner);
    }
}

void TProCustomDropDown::DrawPictureFrame(TCanvas* ACanvas)
{
    if (BorderStyle() != bsSingle || FFlat || FBorderColor != clNone || FFocusBorderColor != clNone)
        return;
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Brush()->SetColor(clBtnShadow);
    ACanvas->FrameRect(TRect(0, 0, Width(), Height()));
}

void TProCustomDropDown::DrawFocusText()
{
    if (FEditorEnabled || !Focused() || !FFocusDraw || ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    // The native edit shows the focused value itself; the selection is left
    // alone, so keys that act at the caret act where the user clicked.
    Invalidate();
}

void TProCustomDropDown::DrawGradient(TCanvas* ACanvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                                      TGradientDirection Direction)
{
    ::DrawGradient(ACanvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}

// Hosted control

void TProCustomDropDown::SetControl(TControl* Value)
{
    if (FControl == Value)
        return;
    if (FControl)
        FControl->RemoveFreeNotification(this);
    FControl = Value;
    if (FControl)
        FControl->FreeNotification(this);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        PlaceDropDownControl();
}

void TProCustomDropDown::HeaderChanged(TObject*)
{
    if (FDropDownForm && FDropDownForm->Visible())
        FDropDownForm->InitializeAndUpdate();
}

void TProCustomDropDown::FooterChanged(TObject*)
{
    if (FDropDownForm && FDropDownForm->Visible())
        FDropDownForm->InitializeAndUpdate();
}
