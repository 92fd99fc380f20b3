#include "grid/dropdown/ProColorPickerDropDown.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"

namespace {

struct TWebColor {
    unsigned Rgb; // 0xRRGGBB
    const char* Name;
};

// Searched in this order for an exact match.
constexpr TWebColor WebColors[] = {
    {0xFFFAFA, "clWebSnow"}, {0xFFFAF0, "clWebFloralWhite"}, {0xFFF0F5, "clWebLavenderBlush"},
    {0xFDF5E6, "clWebOldLace"}, {0xFFFFF0, "clWebIvory"}, {0xFFF8DC, "clWebCornSilk"}, {0xF5F5DC, "clWebBeige"},
    {0xFAEBD7, "clWebAntiqueWhite"}, {0xF5DEB3, "clWebWheat"}, {0xF0F8FF, "clWebAliceBlue"},
    {0xF8F8FF, "clWebGhostWhite"}, {0xE6E6FA, "clWebLavender"}, {0xFFF5EE, "clWebSeashell"},
    {0xFFFFE0, "clWebLightYellow"}, {0xFFEFD5, "clWebPapayaWhip"}, {0xFFDEAD, "clWebNavajoWhite"},
    {0xFFE4B5, "clWebMoccasin"}, {0xDEB887, "clWebBurlywood"}, {0xF0FFFF, "clWebAzure"},
    {0xF5FFFA, "clWebMintcream"}, {0xF0FFF0, "clWebHoneydew"}, {0xFAF0E6, "clWebLinen"},
    {0xFFFACD, "clWebLemonChiffon"}, {0xFFEBCD, "clWebBlanchedAlmond"}, {0xFFE4C4, "clWebBisque"},
    {0xFFDAB9, "clWebPeachPuff"}, {0xD2B48C, "clWebTan"}, {0xFFFF00, "clWebYellow"}, {0xFF8C00, "clWebDarkOrange"},
    {0xFF0000, "clWebRed"}, {0x8B0000, "clWebDarkRed"}, {0x800000, "clWebMaroon"}, {0xCD5C5C, "clWebIndianRed"},
    {0xFA8072, "clWebSalmon"}, {0xFF7F50, "clWebCoral"}, {0xFFD700, "clWebGold"}, {0xFF6347, "clWebTomato"},
    {0xDC143C, "clWebCrimson"}, {0xA52A2A, "clWebBrown"}, {0xD2691E, "clWebChocolate"},
    {0xF4A460, "clWebSandyBrown"}, {0xFFA07A, "clWebLightSalmon"}, {0xF08080, "clWebLightCoral"},
    {0xFFA500, "clWebOrange"}, {0xFF4500, "clWebOrangeRed"}, {0xB22222, "clWebFirebrick"},
    {0x8B4513, "clWebSaddleBrown"}, {0xA0522D, "clWebSienna"}, {0xCD853F, "clWebPeru"},
    {0xE9967A, "clWebDarkSalmon"}, {0xBC8F8F, "clWebRosyBrown"}, {0xEEE8AA, "clWebPaleGoldenrod"},
    {0xFAFAD2, "clWebLightGoldenrodYellow"}, {0x808000, "clWebOlive"}, {0x228B22, "clWebForestGreen"},
    {0xADFF2F, "clWebGreenYellow"}, {0x7FFF00, "clWebChartreuse"}, {0x90EE90, "clWebLightGreen"},
    {0x7FFFD4, "clWebAquamarine"}, {0x2E8B57, "clWebSeaGreen"}, {0xDAA520, "clWebGoldenRod"},
    {0xF0E68C, "clWebKhaki"}, {0x6B8E23, "clWebOliveDrab"}, {0x008000, "clWebGreen"},
    {0x9ACD32, "clWebYellowGreen"}, {0x7CFC00, "clWebLawnGreen"}, {0x98FB98, "clWebPaleGreen"},
    {0x66CDAA, "clWebMediumAquamarine"}, {0x3CB371, "clWebMediumSeaGreen"}, {0xB8860B, "clWebDarkGoldenRod"},
    {0xBDB76B, "clWebDarkKhaki"}, {0x556B2F, "clWebDarkOliveGreen"}, {0x006400, "clWebDarkgreen"},
    {0x32CD32, "clWebLimeGreen"}, {0x00FF00, "clWebLime"}, {0x00FF7F, "clWebSpringGreen"},
    {0x00FA9A, "clWebMediumSpringGreen"}, {0x8FBC8F, "clWebDarkSeaGreen"}, {0x20B2AA, "clWebLightSeaGreen"},
    {0xAFEEEE, "clWebPaleTurquoise"}, {0xE0FFFF, "clWebLightCyan"}, {0xADD8E6, "clWebLightBlue"},
    {0x87CEFA, "clWebLightSkyBlue"}, {0x6495ED, "clWebCornFlowerBlue"}, {0x00008B, "clWebDarkBlue"},
    {0x4B0082, "clWebIndigo"}, {0x48D1CC, "clWebMediumTurquoise"}, {0x40E0D0, "clWebTurquoise"},
    {0x00FFFF, "clWebCyan"}, {0xB0E0E6, "clWebPowderBlue"}, {0x87CEEB, "clWebSkyBlue"},
    {0x4169E1, "clWebRoyalBlue"}, {0x0000CD, "clWebMediumBlue"}, {0x191970, "clWebMidnightBlue"},
    {0x00CED1, "clWebDarkTurquoise"}, {0x5F9EA0, "clWebCadetBlue"}, {0x008B8B, "clWebDarkCyan"},
    {0x008080, "clWebTeal"}, {0x00BFFF, "clWebDeepskyBlue"}, {0x1E90FF, "clWebDodgerBlue"},
    {0x0000FF, "clWebBlue"}, {0x000080, "clWebNavy"}, {0x9400D3, "clWebDarkViolet"}, {0x9932CC, "clWebDarkOrchid"},
    {0xFF00FF, "clWebMagenta"}, {0x8B008B, "clWebDarkMagenta"}, {0xC71585, "clWebMediumVioletRed"},
    {0xDB7093, "clWebPaleVioletRed"}, {0x8A2BE2, "clWebBlueViolet"}, {0xBA55D3, "clWebMediumOrchid"},
    {0x9370DB, "clWebMediumPurple"}, {0x800080, "clWebPurple"}, {0xFF1493, "clWebDeepPink"},
    {0xFFB6C1, "clWebLightPink"}, {0xEE82EE, "clWebViolet"}, {0xDA70D6, "clWebOrchid"}, {0xDDA0DD, "clWebPlum"},
    {0xD8BFD8, "clWebThistle"}, {0xFF69B4, "clWebHotPink"}, {0xFFC0CB, "clWebPink"},
    {0xB0C4DE, "clWebLightSteelBlue"}, {0x7B68EE, "clWebMediumSlateBlue"}, {0x778899, "clWebLightSlateGray"},
    {0xFFFFFF, "clWebWhite"}, {0xD3D3D3, "clWebLightgrey"}, {0x808080, "clWebGray"}, {0x4682B4, "clWebSteelBlue"},
    {0x6A5ACD, "clWebSlateBlue"}, {0x708090, "clWebSlateGray"}, {0xF5F5F5, "clWebWhiteSmoke"},
    {0xC0C0C0, "clWebSilver"}, {0x696969, "clWebDimGray"}, {0xFFE4E1, "clWebMistyRose"},
    {0x483D8B, "clWebDarkSlateBlue"}, {0x2F4F4F, "clWebDarkSlategray"}, {0xDCDCDC, "clWebGainsboro"},
    {0xA9A9A9, "clWebDarkGray"}, {0x000000, "clWebBlack"},
};
static_assert(std::size(WebColors) == 138);

struct TDefaultColor {
    const char* Caption;
    TColor Color;
};

// The classic 16, read column by column.
constexpr TDefaultColor DefaultColors[] = {
    {"Black", 0x000000}, {"Maroon", 0x000080}, {"Green", 0x008000}, {"Olive", 0x008080},
    {"Navy", 0x800000},  {"Purple", 0x800080}, {"Teal", 0x808000},  {"Gray", 0x808080},
    {"Silver", 0xC0C0C0}, {"Red", 0x0000FF},   {"Lime", 0x00FF00},  {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},  {"Fuchsia", 0xFF00FF}, {"Aqua", 0xFFFF00}, {"White", 0xFFFFFF},
};

QString Hex2(int Value) { return QStringLiteral("%1").arg(Value, 2, 16, QLatin1Char('0')).toUpper(); }

QString HtmlColor(TColor RGBColor)
{
    return u'#' + Hex2(GetRValue(RGBColor)) + Hex2(GetGValue(RGBColor)) + Hex2(GetBValue(RGBColor));
}

} // namespace

QString WebColorName(TColor RGBColor)
{
    const unsigned rgb = unsigned(GetRValue(RGBColor)) << 16 | unsigned(GetGValue(RGBColor)) << 8
        | unsigned(GetBValue(RGBColor));
    for (const TWebColor& w : WebColors)
        if (w.Rgb == rgb)
            return QString::fromLatin1(w.Name);
    return HtmlColor(RGBColor);
}

// Entries

TColorItem::TColorItem(TCollection* Collection) : TCollectionItem(nullptr)
{
    if (Collection)
        SetCollection(Collection);
}

void TColorItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TColorItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetColor(s->FColor);
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

void TColorItem::ItemChanged()
{
    if (auto* items = dynamic_cast<TColorItems*>(Collection()))
        CallEvent(items->OnChange, items);
}

void TColorItem::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    ItemChanged();
}

void TColorItem::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    ItemChanged();
}

TColorItems::TColorItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TColorItem(c); })
{
}

TColorItem* TColorItems::Add() { return static_cast<TColorItem*>(TCollection::Add()); }

TColorItem* TColorItems::Insert(int Index) { return static_cast<TColorItem*>(TCollection::Insert(Index)); }

TColorItem* TColorItems::Items(int Index) const { return static_cast<TColorItem*>(TCollection::Items(Index)); }

// Construction

TProColorPickerDropDown::TProColorPickerDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FColors(std::make_unique<TColorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FKeySearch(std::make_unique<TKeySearch>(this))
{
    FColors->OnChange = [](TObject*) {};
    SetEditorEnabled(false);
    FPictureEdit = true;
    FDropDownEnabled = true;
    FDropDownHeight = 200;
    DropDownHeader()->SetVisible(false);
    DropDownFooter()->SetVisible(false);
    SetCursor(crArrow);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProColorPickerDropDown::~TProColorPickerDropDown()
{
    if (FItemSelector) {
        FItemSelector->OnItemSelect = nullptr;
        FItemSelector->OnDrawItem = nullptr;
    }
    if (FColorSelector)
        FColorSelector->OnItemSelect = nullptr;
    if (FColorCube)
        FColorCube->OnSelect = nullptr;
    if (FColorSpectrum)
        FColorSpectrum->OnSelect = nullptr;
}

void TProColorPickerDropDown::AddDefaultColors()
{
    for (const TDefaultColor& d : DefaultColors) {
        TColorItem* item = FColors->Add();
        item->SetCaption(QString::fromLatin1(d.Caption));
        item->SetColor(d.Color);
    }
}

// The hosted choosers

void TProColorPickerDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (FDropDownForm && FColors)
        PrepareStyle(FColorSelectionStyle);
}

TControl* TProColorPickerDropDown::StyleControl(TColorSelectionStyle Style) const
{
    switch (Style) {
    case csList: return FItemSelector;
    case csDiscrete: return FColorSelector;
    case csColorCube: return FColorCube;
    default: return FColorSpectrum;
    }
}

// Makes the chooser of a style when absent and hosts it.
void TProColorPickerDropDown::PrepareStyle(TColorSelectionStyle Style)
{
    if (!FDropDownForm)
        return;
    TControl* control = nullptr;
    switch (Style) {
    case csList:
        if (!FItemSelector) {
            FItemSelector = new TProCustomItemSelector(this);
            FItemSelector->SetParent(FDropDownForm);
        }
        FItemSelector->SetSelectorType(stColor);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        FItemSelector->SetColor(DropDownColor());
        FItemSelector->UpdateSelectorPanel();
        control = FItemSelector;
        break;
    case csDiscrete:
        if (!FColorSelector) {
            FColorSelector = new TCustomColorSelector(this);
            FColorSelector->SetParent(FDropDownForm);
            FColorSelector->FillDefaultPalette();
        }
        FColorSelector->SetBounds(0, 0, FColorSelector->Width(), FColorSelector->Height());
        FColorSelector->SetColor(DropDownColor());
        FColorSelector->ArrangeItems();
        control = FColorSelector;
        break;
    case csColorCube:
        if (!FColorCube) {
            FColorCube = new TProColorCubePanel(this);
            FColorCube->SetParent(FDropDownForm);
        }
        FColorCube->SetBounds(0, 0, FColorCube->Width(), FColorCube->Height());
        FColorCube->SetColor(DropDownColor());
        control = FColorCube;
        break;
    case csSpectrum:
        if (!FColorSpectrum) {
            FColorSpectrum = new TProColorSpectrumPanel(this);
            FColorSpectrum->SetParent(FDropDownForm);
        }
        FColorSpectrum->SetBounds(0, 0, FColorSpectrum->Width(), FColorSpectrum->Height());
        FColorSpectrum->SetColor(DropDownColor());
        control = FColorSpectrum;
        break;
    }
    SetControl(control);
}

void TProColorPickerDropDown::ShowOnly(TControl* Control)
{
    for (TControl* c : std::initializer_list<TControl*>{FItemSelector, FColorSelector, FColorCube, FColorSpectrum})
        if (c && c != Control)
            c->SetVisible(false);
    if (Control)
        Control->SetVisible(true);
}

void TProColorPickerDropDown::FillSelector()
{
    TProCustomItemSelector* s = FItemSelector;
    if (!s)
        return;
    s->OnItemSelect = nullptr;
    s->SetColumns(FColumns);
    s->SetImages(Images());
    s->SetItemLayout(FLayout);
    s->SetColor(DropDownColor());
    TSelectorItems* items = s->Items();
    items->Clear();
    for (int i = 0; i < FColors->Count(); ++i) {
        TColorItem* source = FColors->Items(i);
        TSelectorItem* item = items->Add();
        item->SetCaption(source->Caption());
        item->SetColor(source->Color());
        item->SetHint(source->Hint());
    }
    s->SetColorBoxHeight(FColorBoxHeight);
    s->SetColorBoxWidth(FColorBoxWidth);
    s->ItemAppearance()->Assign(FItemAppearance.get());
    s->UpdateSelectorPanel();
    s->SetItemIndex(FItemIndex);
    s->OnItemSelect = [this](TObject*) { ListSelect(); };
    s->SetShowHint(ShowHint());
}

void TProColorPickerDropDown::HookDrawColor()
{
    if (!FItemSelector)
        return;
    if (OnDrawColor)
        FItemSelector->OnDrawItem = [this](TObject*, TCanvas* ACanvas, const TRect& R, int Index) {
            CallEvent(OnDrawColor, this, ACanvas, R, Index);
        };
    else
        FItemSelector->OnDrawItem = nullptr;
}

void TProColorPickerDropDown::LoadChooser()
{
    switch (FColorSelectionStyle) {
    case csDiscrete:
        FColorSelector->SetSelectedColor(FSelectedColor);
        FColorSelector->ArrangeItems();
        FColorSelector->OnItemSelect = [this](TObject*) { PaletteSelect(); };
        FColorSelector->SetItemColorStyle(SelectionColorStyle());
        break;
    case csColorCube:
        FColorCube->SetSelectedColor(FSelectedColor);
        FColorCube->InitCubeCells();
        FColorCube->ResetCubePanel();
        FColorCube->OnSelect = [this](TObject*) { PanelSelect(FColorCube->SelectedColor()); };
        break;
    case csSpectrum:
        FColorSpectrum->SetSelectedColor(FSelectedColor);
        FColorSpectrum->UpdateSpectrumLayout();
        FColorSpectrum->OnSelect = [this](TObject*) { PanelSelect(FColorSpectrum->SelectedColor()); };
        break;
    default: break;
    }
}

void TProColorPickerDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    PrepareStyle(FColorSelectionStyle);
    if (FColorSelectionStyle == csList) {
        if (FItemSelector) {
            ShowOnly(FItemSelector);
            FillSelector();
            HookDrawColor();
            FOldItemIndex = FItemIndex;
        }
    } else if (TControl* control = StyleControl(FColorSelectionStyle)) {
        ShowOnly(control);
        LoadChooser();
    }
    FOldSelectedColor = FSelectedColor;
}

void TProColorPickerDropDown::PlaceDropDownControl()
{
    TProCustomDropDown::PlaceDropDownControl();
    if (FDropDownForm && FColorSelectionStyle != csList)
        FDropDownForm->SetSizeable(false);
}

void TProColorPickerDropDown::UpdateDropDownSize()
{
    if (!FDropDownForm)
        return;
    if (FColorSelectionStyle == csList) {
        if (!FItemSelector) {
            TProCustomDropDown::UpdateDropDownSize();
            return;
        }
        FItemSelector->SetAlign(alNone);
        const TSize size = FItemSelector->GetSelectorSize();
        if (FDropDownWidth < 1)
            FItemSelector->SetWidth(size.cx);
        if (FDropDownHeight < 1)
            FItemSelector->SetHeight(size.cy);
        TProCustomDropDown::UpdateDropDownSize();
        // The border lies inside the popup: without it the cells would
        // not fit and the list would scroll sideways.
        if (FDropDownWidth < 1)
            FDropDownForm->SetWidth(size.cx + 2 * FDropDownBorderWidth);
        // The list gets a vertical bar when the popup gives it less room
        // than its cells need (the bar shows only once laid out): the
        // popup grows by the bar.
        int room = FDropDownForm->Height() - 2 * FDropDownBorderWidth;
        if (DropDownHeader()->Visible())
            room -= DropDownHeader()->Height();
        if (DropDownFooter()->Visible())
            room -= DropDownFooter()->Height();
        if (size.cy > room)
            FDropDownForm->SetWidth(FDropDownForm->Width() + GetSystemMetrics(SM_CXVSCROLL));
        return;
    }
    // The chooser decides the size: a size the user gave a list popup
    // does not carry over.
    FUserDropDownWidth = -1;
    FUserDropDownHeight = -1;
    TControl* control = StyleControl(FColorSelectionStyle);
    const bool shown = control && control->Visible();
    const int w = shown ? control->Width() + 2 * FDropDownBorderWidth : Width();
    int h = 2 * FDropDownBorderWidth;
    if (DropDownHeader()->Visible())
        h += DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        h += DropDownFooter()->Height();
    if (shown)
        h += control->Height();
    FDropDownForm->SetBounds(FDropDownForm->Left(), FDropDownForm->Top(), w, h);
}

void TProColorPickerDropDown::DoHideDropDown(bool Cancelled)
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (alive.expired() || !Cancelled)
        return;
    if (FColorSelectionStyle == csList && FItemSelector)
        SetItemIndex(FOldItemIndex);
    else if (FColorSelectionStyle == csDiscrete && FColorSelector)
        FColorSelector->SetSelectedColor(FOldSelectedColor);
}

void TProColorPickerDropDown::DropDownFormDestroyed()
{
    if (IsDestroying())
        return;
    FItemSelector = nullptr;
    FColorSelector = nullptr;
    FColorCube = nullptr;
    FColorSpectrum = nullptr;
}

void TProColorPickerDropDown::SetColorSelectionStyle(TColorSelectionStyle Value)
{
    if (FColorSelectionStyle == Value)
        return;
    FColorSelectionStyle = Value;
    if (ComponentState().Contains(TComponentStateFlag::csDesigning))
        return;
    PrepareStyle(Value);
    if (Value == csList) {
        if (FItemSelector) {
            ShowOnly(FItemSelector);
            FillSelector();
            HookDrawColor();
            FOldItemIndex = FItemIndex;
            UpdateDropDownSize();
            FItemSelector->SetAlign(alClient);
        }
    } else if (TControl* control = StyleControl(Value)) {
        control->SetAlign(alNone);
        ShowOnly(control);
        LoadChooser();
    }
    FOldSelectedColor = FSelectedColor;
    if (Value != csList)
        if (TControl* control = StyleControl(Value)) {
            control->SetAlign(alNone);
            UpdateDropDownSize();
            control->SetAlign(alClient);
        }
    if (FDropDownForm)
        FDropDownForm->Invalidate();
}

// Selection

void TProColorPickerDropDown::ListSelect()
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TProColorPickerDropDown::PaletteSelect()
{
    SetSelectedColor(FColorSelector->SelectedColor());
    SetItemIndex(-1);
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TProColorPickerDropDown::PanelSelect(TColor Color)
{
    SetSelectedColor(Color);
    SetItemIndex(-1);
    DoHideDropDown(false);
}

void TProColorPickerDropDown::SetColors(TColorItems* Value) { FColors->Assign(Value); }

void TProColorPickerDropDown::SetItemAppearance(TItemAppearance* Value) { FItemAppearance->Assign(Value); }

void TProColorPickerDropDown::SetShowText(bool Value)
{
    if (FShowText == Value)
        return;
    FShowText = Value;
    Invalidate();
}

void TProColorPickerDropDown::SetSelectedColor(TColor Value)
{
    if (FSelectedColor == Value)
        return;
    FSelectedColor = Value;
    for (int i = 0; i < FColors->Count(); ++i)
        if (FColors->Items(i)->Color() == Value) {
            TControlGuard alive = Guard();
            SetItemIndex(i);
            if (alive.expired())
                return;
            break;
        }
    Invalidate();
}

void TProColorPickerDropDown::SetItemIndex(int Value)
{
    if (Value >= FColors->Count())
        return;
    FItemIndex = Value;
    if (Value >= 0)
        FSelectedColor = FColors->Items(Value)->Color();
    Invalidate();
    CallEvent(OnSelect, this);
}

QString TProColorPickerDropDown::GetSelectedColorText() const
{
    if (FColorSelectionStyle == csList && FItemIndex >= 0 && FItemIndex < FColors->Count())
        return FColors->Items(FItemIndex)->Caption();
    const TColor rgb = ColorToRGB(FSelectedColor);
    switch (FColorValueText) {
    case cvtHex: return QStringLiteral("%1").arg(unsigned(FSelectedColor), 6, 16, QLatin1Char('0')).toUpper();
    case cvtWebName: return WebColorName(rgb);
    case cvtRGB:
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
    case cvtHTML: return HtmlColor(rgb);
    default: return QString();
    }
}

void TProColorPickerDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TProColorPickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TProCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// Stepping and keys

void TProColorPickerDropDown::StepEntry(TListStep Step)
{
    int target = 0;
    if (ListStep(FItemIndex, FColors->Count(), Step, target))
        SetItemIndex(target);
}

void TProColorPickerDropDown::ListMove(const std::function<void()>& Move)
{
    FInternalCall = true;
    Move();
    FInternalCall = false;
}

void TProColorPickerDropDown::DoSelectNext()
{
    TProCustomDropDown::DoSelectNext();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (FDroppedDown)
            FItemSelector->HotNext();
        else
            ListMove([this] { FItemSelector->SelectNext(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (FDroppedDown)
            FColorSelector->HotNext();
        else
            ListMove([this] { FColorSelector->SelectNext(); });
    }
}

void TProColorPickerDropDown::DoSelectPrevious()
{
    TProCustomDropDown::DoSelectPrevious();
    if (!Enabled() || ReadOnly())
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (FDroppedDown)
            FItemSelector->HotPrevious();
        else
            ListMove([this] { FItemSelector->SelectPrevious(); });
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        if (FDroppedDown)
            FColorSelector->HotPrevious();
        else
            ListMove([this] { FColorSelector->SelectPrevious(); });
    }
}

void TProColorPickerDropDown::ListKey(int Key)
{
    TProCustomItemSelector* s = FItemSelector;
    const bool open = FDroppedDown;
    const int index = s->ItemIndex();
    auto apply = [&](int Target) {
        if (Target >= 0 && Target < s->Items()->Count()) {
            ListMove([&] { s->SetItemIndex(Target); });
            s->ScrollItemInView(s->ItemIndex());
        }
    };
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (s->Items()->Count() != FColors->Count())
            FillSelector();
        const int n = s->GetVisibleItemCount();
        if (n <= 0)
            return;
        apply(Key == VK_PRIOR ? std::max(s->ItemIndex() - n, 0) : std::min(s->ItemIndex() + n, FColors->Count() - 1));
        return;
    }
    case VK_END:
        open ? ListMove([s] { s->SelectLast(); }) : StepEntry(lsLast);
        return;
    case VK_HOME:
        open ? ListMove([s] { s->SelectFirst(); }) : StepEntry(lsFirst);
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (open && !FEditorEnabled)
            ListMove([&] { Key == VK_LEFT ? s->SelectPrevious() : s->SelectNext(); });
        return;
    case VK_UP:
    case VK_DOWN:
        if (!open)
            StepEntry(Key == VK_UP ? lsPrevious : lsNext);
        else
            apply(index < 0 ? 0 : index + (Key == VK_UP ? -FColumns : FColumns));
        return;
    default:
        if (GetKeyState(VK_CONTROL) < 0)
            return;
        // A list not opened yet looks up the entries as they are now.
        if (s->Items()->Count() != FColors->Count())
            FillSelector();
        ListMove([&] { s->LookupItem(FKeySearch->Add(Key)); });
        return;
    }
}

void TProColorPickerDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    bool enterDone = false;
    if (Enabled() && FDroppedDown && key == VK_RETURN) {
        if (FColorSelectionStyle == csList && FItemSelector && FItemSelector->ItemHot() >= 0) {
            FItemSelector->SetItemIndex(FItemSelector->ItemHot());
            enterDone = true;
        } else if (FColorSelectionStyle == csDiscrete && FColorSelector && FColorSelector->ItemHot() >= 0) {
            FColorSelector->SetItemIndex(FColorSelector->ItemHot());
            enterDone = true;
        }
        if (alive.expired())
            return;
    }
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired() || !Enabled() || GetKeyState(VK_MENU) < 0)
        return;
    if (FColorSelectionStyle == csList && FItemSelector) {
        if (key == VK_RETURN) {
            if (!enterDone)
                CallEvent(OnSelect, this);
            return;
        }
        ListKey(key);
    } else if (FColorSelectionStyle == csDiscrete && FColorSelector) {
        ListMove([&] { FColorSelector->KeyNavigate(key, FEditorEnabled, FDroppedDown); });
        if (!alive.expired() && key == VK_RETURN && !enterDone)
            CallEvent(OnSelect, this);
    }
}

// The edit area

void TProColorPickerDropDown::WMPaint(TMessage& Message)
{
    TProCustomDropDown::WMPaint(Message);
    DrawSelectedColor();
}

void TProColorPickerDropDown::DrawFocusText()
{
    TProCustomDropDown::DrawFocusText();
    DrawSelectedColor();
}

void TProColorPickerDropDown::DrawSelectedColor()
{
    if (!HandleAllocated())
        return;
    TControlCanvas canvas(this);
    DrawPictureFrame(&canvas);
    const int button = FButton ? FButton->Width() : 0;
    const TRect r(1, 1, Width() - button - 2, Height() - 2);
    if (OnDrawSelectedColor) {
        OnDrawSelectedColor(this, &canvas, r);
        return;
    }
    if (FSelectedColor == clNone)
        return;
    const int top = r.Top + (Height() - FColorBoxHeight) / 2;
    const TRect box(r.Left + 4, top, r.Left + 4 + FColorBoxWidth, top + FColorBoxHeight);
    canvas.Pen()->SetColor(clBlack);
    canvas.Brush()->SetStyle(bsSolid);
    canvas.Brush()->SetColor(FSelectedColor);
    canvas.Rectangle(box);
    if (!FShowText)
        return;
    canvas.Font()->Assign(Font());
    const bool focused = Focused();
    if (!FEditorEnabled && focused)
        canvas.Font()->SetColor(clHighlightText);
    canvas.Brush()->SetColor(focused ? clHighlight : Color());
    TRect t(box.Right + 4, r.Top, r.Right, r.Bottom);
    const QString text = GetSelectedColorText();
    DrawText(&canvas, text, -1, &t, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}
