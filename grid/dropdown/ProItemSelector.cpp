// The item selector's items and appearance, the host, and the panel's
// selection, hot item, lookup and mouse.
#include "grid/dropdown/ProItemSelector.h"
#include "grid/dropdown/DropDownUtils.h"
#include "grid/foundation/MarkupText.h"
#include "platform/controls/Application.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

// Items

TSelectorItem::TSelectorItem(TCollection* Collection) : TCollectionItem(nullptr), FImage(std::make_unique<TPicture>())
{
    if (Collection)
        SetCollection(Collection);
}

TSelectorItem::~TSelectorItem() = default;

void TSelectorItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TSelectorItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetColor(s->FColor);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

void TSelectorItem::ItemChanged()
{
    if (auto* items = dynamic_cast<TSelectorItems*>(Collection()))
        CallEvent(items->OnChange, items);
}

void TSelectorItem::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    ItemChanged();
}

void TSelectorItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    ItemChanged();
}

void TSelectorItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

void TSelectorItem::SetColor(TColor Value)
{
    if (FColor == Value)
        return;
    FColor = Value;
    ItemChanged();
}

TSelectorItems::TSelectorItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TSelectorItem(c); })
{
}

TSelectorItem* TSelectorItems::Add()
{
    return static_cast<TSelectorItem*>(TCollection::Add());
}

TSelectorItem* TSelectorItems::Insert(int Index)
{
    return static_cast<TSelectorItem*>(TCollection::Insert(Index));
}

TSelectorItem* TSelectorItems::Items(int Index) const
{
    return static_cast<TSelectorItem*>(TCollection::Items(Index));
}

// Appearance

namespace {

struct TColorStylePreset {
    TColor ColorHot, ColorHotTo, ColorMirrorHot, ColorMirrorHotTo, BorderColorTop, BorderColorBottom, BorderColor,
        EdgeColor, ColorSelected, ColorSelectedTo, ColorMirrorSelected, ColorMirrorSelectedTo;
};

// scOffice2007, scWindowsVista, scWindows7.
const TColorStylePreset ColorStylePresets[] = {
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB,
     0x68E3F9},
    {0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone, clNone},
    {0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone, clNone},
};

} // namespace

TItemAppearance::TItemAppearance(TPersistent* AOwner) : FOwner(AOwner), FFont(std::make_unique<TFont>())
{
    FFont->SetName(QStringLiteral("Tahoma"));
    SetColorStyle(scOffice2007);
}

TItemAppearance::~TItemAppearance() = default;

void TItemAppearance::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Value)
{
    if (Value == FColorStyle)
        return;
    FColorStyle = Value;
    if (Value == scCustom)
        return;
    const TColorStylePreset& p = ColorStylePresets[int(Value) - 1];
    FColorHot = p.ColorHot;
    FColorHotTo = p.ColorHotTo;
    FColorMirrorHot = p.ColorMirrorHot;
    FColorMirrorHotTo = p.ColorMirrorHotTo;
    FBorderColorTop = p.BorderColorTop;
    FBorderColorBottom = p.BorderColorBottom;
    FBorderColor = p.BorderColor;
    FEdgeColor = p.EdgeColor;
    FColorSelected = p.ColorSelected;
    FColorSelectedTo = p.ColorSelectedTo;
    FColorMirrorSelected = p.ColorMirrorSelected;
    FColorMirrorSelectedTo = p.ColorMirrorSelectedTo;
}

void TItemAppearance::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TItemAppearance*>(Source);
    if (!s) {
        TPersistent::Assign(Source);
        return;
    }
    FColorMirrorHotTo = s->FColorMirrorHotTo;
    FBorderColor = s->FBorderColor;
    FColorMirrorHot = s->FColorMirrorHot;
    FColorSelectedTo = s->FColorSelectedTo;
    FColorSelected = s->FColorSelected;
    FEdgeColor = s->FEdgeColor;
    FColorHotTo = s->FColorHotTo;
    FBorderColorBottom = s->FBorderColorBottom;
    FColorHot = s->FColorHot;
    FBorderColorTop = s->FBorderColorTop;
    FColorMirrorSelectedTo = s->FColorMirrorSelectedTo;
    FColorMirrorSelected = s->FColorMirrorSelected;
    FFont->Assign(s->FFont.get());
    SetColorStyle(s->FColorStyle);
    FColorSelectedText = s->FColorSelectedText;
    FBorderColorHot = s->FBorderColorHot;
    FBorderColorSelected = s->FBorderColorSelected;
}

void ApplyItemAppearanceStyle(TItemAppearance* Appearance, TQLXStyle AStyle)
{
    TItemStyleColors c;
    if (!Appearance || !ItemAppearanceStyleColors(AStyle, c))
        return;
    TItemAppearance* a = Appearance;
    a->SetBorderColorHot(clNone);
    a->SetBorderColorSelected(clNone);
    a->SetColorSelectedText(clBlack);
    a->SetColorHotText(clBlack);
    a->SetColorHot(c.ColorHot);
    a->SetColorHotTo(c.ColorHotTo);
    a->SetColorMirrorHot(c.ColorMirrorHot);
    a->SetColorMirrorHotTo(c.ColorMirrorHotTo);
    a->SetColorSelected(c.ColorSelected);
    a->SetColorSelectedTo(c.ColorSelectedTo);
    a->SetColorMirrorSelected(c.ColorMirrorSelected);
    a->SetColorMirrorSelectedTo(c.ColorMirrorSelectedTo);
    a->SetBorderColor(c.BorderColor);
    a->SetBorderColorTop(c.BorderColorTop);
    a->SetBorderColorBottom(c.BorderColorBottom);
    a->SetEdgeColor(c.EdgeColor);
    if (c.ColorSelectedText != clNone)
        a->SetColorSelectedText(c.ColorSelectedText);
}

// Panel: settings of the host

TCustomItemSelector::TCustomItemSelector(TComponent* AOwner)
    : TCustomControl(AOwner), FProItemSelector(dynamic_cast<TProCustomItemSelector*>(AOwner))
{
    if (!FProItemSelector)
        throw Exception(QStringLiteral("Invalid parent"));
    SetParentColor(true);
}

int TCustomItemSelector::Columns() const { return FProItemSelector->Columns(); }
TSelectorItems* TCustomItemSelector::Items() const { return FProItemSelector->Items(); }
TSelectorType TCustomItemSelector::SelectorType() const { return FProItemSelector->SelectorType(); }
TItemLayout TCustomItemSelector::ItemLayout() const { return FProItemSelector->ItemLayout(); }
TCustomImageList* TCustomItemSelector::Images() const { return FProItemSelector->Images(); }
int TCustomItemSelector::ColorBoxWidth() const { return FProItemSelector->ColorBoxWidth(); }
int TCustomItemSelector::ColorBoxHeight() const { return FProItemSelector->ColorBoxHeight(); }
TItemAppearance* TCustomItemSelector::Appearance() const { return FProItemSelector->ItemAppearance(); }
TSelectionColorStyle TCustomItemSelector::ItemColorStyle() const { return Appearance()->ColorStyle(); }
TColor TCustomItemSelector::ItemColorHot() const { return Appearance()->ColorHot(); }
TColor TCustomItemSelector::ItemColorHotTo() const { return Appearance()->ColorHotTo(); }
TColor TCustomItemSelector::ItemColorSelected() const { return Appearance()->ColorSelected(); }
TColor TCustomItemSelector::ItemColorSelectedTo() const { return Appearance()->ColorSelectedTo(); }

bool TCustomItemSelector::IsEnabledItem(int Index) const
{
    return Index >= 0 && Index < Items()->Count() && Items()->Items(Index)->FEnabled;
}

// Panel: selection and hot item

void TCustomItemSelector::SetItemIndex(int Value)
{
    // Only -1 and the items' indexes name a selection.
    if (Value < -1 || Value >= Items()->Count())
        return;
    if (Value >= 0 && !IsEnabledItem(Value))
        return;
    if (FItemIndex >= 0 && FItemIndex != Value) {
        const int old = FItemIndex;
        FItemIndex = -1;
        InvalidateItem(old);
    }
    FItemIndex = Value;
    if (Value >= 0) {
        DrawItem(Value, Canvas());
        CallEvent(OnItemSelect, this);
    }
}

void TCustomItemSelector::SetItemHot(int Index)
{
    if (Index == FItemHot)
        return;
    if (Index >= 0 && Index < Items()->Count() && !Items()->Items(Index)->FEnabled)
        return;
    if (FItemHot >= 0) {
        const int old = FItemHot;
        FItemHot = -1;
        InvalidateItem(old);
    }
    FItemHot = Index;
    if (Index >= 0)
        DrawItem(Index, Canvas());
}

void TCustomItemSelector::SelectFirst()
{
    if (Items()->Count() > 0)
        SetItemIndex(0);
}

void TCustomItemSelector::SelectLast()
{
    if (Items()->Count() > 0)
        SetItemIndex(Items()->Count() - 1);
}

void TCustomItemSelector::SelectNext()
{
    if (Items()->Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex + 1 < Items()->Count())
        SetItemIndex(FItemIndex + 1);
}

void TCustomItemSelector::SelectPrevious()
{
    if (Items()->Count() == 0)
        return;
    if (FItemIndex < 0)
        SetItemIndex(0);
    else if (FItemIndex - 1 >= 0)
        SetItemIndex(FItemIndex - 1);
}

void TCustomItemSelector::HotNext()
{
    if (Items()->Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot + 1 < Items()->Count())
        SetItemHot(FItemHot + 1);
}

void TCustomItemSelector::HotPrevious()
{
    if (Items()->Count() == 0)
        return;
    if (FItemHot < 0)
        SetItemHot(0);
    else if (FItemHot - 1 >= 0)
        SetItemHot(FItemHot - 1);
}

bool TCustomItemSelector::LookupItem(const QString& S)
{
    // An empty key would match every caption.
    if (S.isEmpty())
        return false;
    for (int i = 0; i < Items()->Count(); ++i) {
        const QString plain = CaseText(Trim(StripHTMLTags(Items()->Items(i)->Caption())), false);
        if (plain.startsWith(S)) {
            SetItemIndex(i);
            return true;
        }
    }
    return false;
}

int TCustomItemSelector::ItemAtPos(int X, int Y) const
{
    for (int i = 0; i < Items()->Count(); ++i)
        if (PtInRect(Items()->Items(i)->FRect, TPoint(X, Y)))
            return i;
    return -1;
}

TRect TCustomItemSelector::GetItemRect(int Index) const
{
    if (Index < 0 || Index >= Items()->Count())
        return {-1, -1, -1, -1};
    return Items()->Items(Index)->FRect;
}

void TCustomItemSelector::InvalidateItem(int Index)
{
    if (Index >= 0 && Index < Items()->Count())
        InvalidateRect(Items()->Items(Index)->FRect);
}

// Panel: mouse

void TCustomItemSelector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (IsEnabledItem(i))
        SetItemIndex(i);
}

void TCustomItemSelector::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    const int i = ItemAtPos(X, Y);
    if (i >= 0) {
        if (i == FItemHot)
            return;
        SetItemHot(IsEnabledItem(i) ? i : -1);
        SetHint(Items()->Items(i)->Hint());
        Application->CancelHint();
    } else if (FItemHot >= 0) {
        SetItemHot(-1);
    }
}

void TCustomItemSelector::CMMouseLeave(TMessage& Message)
{
    TCustomControl::CMMouseLeave(Message);
    if (FItemHot >= 0)
        SetItemHot(-1);
}

// Host

TProCustomItemSelector::TProCustomItemSelector(TComponent* AOwner)
    : TScrollingWinControl(AOwner), FItems(std::make_unique<TSelectorItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this))
{
    SetAutoScroll(true);
    SetBounds(Left(), Top(), 100, 50);
    FItems->OnChange = [this](TObject*) { UpdateSelectorPanel(); };
    CreateSelectorPanel();
    UpdateSelectorPanel();
}

TProCustomItemSelector::~TProCustomItemSelector()
{
    FItems->OnChange = nullptr;
    // The panel reads the items and the appearance: it goes first.
    delete FSelectorPanel;
    FSelectorPanel = nullptr;
}

void TProCustomItemSelector::CreateSelectorPanel()
{
    FSelectorPanel = new TCustomItemSelector(this);
    FSelectorPanel->SetParent(this);
    FSelectorPanel->OnItemSelect = [this](TObject* Sender) { DoItemSelect(Sender); };
}

void TProCustomItemSelector::DoItemSelect(TObject*)
{
    CallEvent(OnItemSelect, this);
}

void TProCustomItemSelector::SetItems(TSelectorItems* Value)
{
    FItems->Assign(Value);
}

void TProCustomItemSelector::SetSelectorType(TSelectorType Value)
{
    FSelectorType = Value;
    UpdateSelectorPanel();
}

void TProCustomItemSelector::SetColumns(int Value)
{
    if (Value < 1)
        return;
    FColumns = Value;
    UpdateSelectorPanel();
}

void TProCustomItemSelector::SetColorBoxWidth(int Value)
{
    FColorBoxWidth = Value;
    UpdateSelectorPanel();
}

void TProCustomItemSelector::SetColorBoxHeight(int Value)
{
    FColorBoxHeight = Value;
    UpdateSelectorPanel();
}

void TProCustomItemSelector::SetImages(TCustomImageList* Value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = Value;
    if (FImages)
        FImages->FreeNotification(this);
    UpdateSelectorPanel();
}

void TProCustomItemSelector::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TProCustomItemSelector::Notification(TComponent* AComponent, TOperation Operation)
{
    TScrollingWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages) {
        FImages = nullptr;
        if (FSelectorPanel)
            FSelectorPanel->Invalidate();
    }
}

void TProCustomItemSelector::WMGetDlgCode(TMessage& Message)
{
    Message.Result = DLGC_WANTARROWS | DLGC_WANTALLKEYS;
}

void TProCustomItemSelector::WMVScroll(TMessage& Message)
{
    TScrollingWinControl::WMVScroll(Message);
    if (LoWord(Message.WParam) == scTrack)
        VertScrollBar()->SetPosition(HiWord(Message.WParam));
}

int TProCustomItemSelector::ItemIndex() const
{
    return FSelectorPanel ? FSelectorPanel->ItemIndex() : -1;
}

int TProCustomItemSelector::ItemHot() const
{
    return FSelectorPanel ? FSelectorPanel->ItemHot() : -1;
}

void TProCustomItemSelector::SetItemIndex(int Value)
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->SetItemIndex(Value);
    ScrollItemInView(FSelectorPanel->ItemIndex());
}

void TProCustomItemSelector::UpdateSelectorPanel()
{
    if (FSelectorPanel)
        FSelectorPanel->ArrangeItems();
}

void TProCustomItemSelector::SelectFirst()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->SelectFirst();
    ScrollItemInView(ItemIndex());
}

void TProCustomItemSelector::SelectLast()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->SelectLast();
    ScrollItemInView(ItemIndex());
}

void TProCustomItemSelector::SelectNext()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->SelectNext();
    ScrollItemInView(ItemIndex());
}

void TProCustomItemSelector::SelectPrevious()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->SelectPrevious();
    ScrollItemInView(ItemIndex());
}

void TProCustomItemSelector::HotNext()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->HotNext();
    ScrollItemInView(ItemHot());
}

void TProCustomItemSelector::HotPrevious()
{
    if (!FSelectorPanel)
        return;
    FSelectorPanel->HotPrevious();
    ScrollItemInView(ItemHot());
}

bool TProCustomItemSelector::LookupItem(const QString& S)
{
    return FSelectorPanel && FSelectorPanel->LookupItem(S);
}

void TProCustomItemSelector::ScrollItemInView(int Index)
{
    if (!FSelectorPanel || Index < 0 || Index >= FItems->Count() || !VertScrollBar()->IsScrollBarVisible())
        return;
    TControlScrollBar* bar = VertScrollBar();
    TRect r = FSelectorPanel->GetItemRect(Index);
    r.Top += FSelectorPanel->Top() - bar->Margin();
    r.Bottom += FSelectorPanel->Top() + bar->Margin();
    const int client = ClientHeight();
    if (r.Top < 0) {
        bar->SetPosition(bar->Position() + r.Top);
    } else if (r.Bottom > client) {
        if (r.Height() > client)
            r.Bottom = r.Top + client;
        bar->SetPosition(bar->Position() + r.Bottom - client);
    }
}

int TProCustomItemSelector::GetVisibleItemCount() const
{
    if (!FSelectorPanel || FItems->Count() == 0)
        return 0;
    const int itemHeight = FSelectorPanel->GetItemRect(0).Height();
    if (itemHeight <= 0)
        return 0;
    const int h = Height() - (HorzScrollBar()->IsScrollBarVisible() ? 20 : 0);
    return h / itemHeight * FColumns;
}

TSize TProCustomItemSelector::GetSelectorSize() const
{
    if (!FSelectorPanel)
        return {100, 50};
    return {FSelectorPanel->Width(), FSelectorPanel->Height()};
}
