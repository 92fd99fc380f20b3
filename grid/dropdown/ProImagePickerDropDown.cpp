#include "grid/dropdown/ProImagePickerDropDown.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"

// Items

TImageItem::TImageItem(TCollection* Collection) : TCollectionItem(nullptr), FImage(std::make_unique<TPicture>())
{
    if (Collection)
        SetCollection(Collection);
}

TImageItem::~TImageItem() = default;

void TImageItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TImageItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FEnabled = s->FEnabled;
    FHint = s->FHint;
}

void TImageItem::ItemChanged()
{
    if (auto* items = dynamic_cast<TImageItems*>(Collection()))
        CallEvent(items->OnChange, items);
}

void TImageItem::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    ItemChanged();
}

void TImageItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    ItemChanged();
}

void TImageItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

TImageItems::TImageItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TImageItem(c); })
{
}

TImageItem* TImageItems::Add()
{
    return static_cast<TImageItem*>(TCollection::Add());
}

TImageItem* TImageItems::Insert(int Index)
{
    return static_cast<TImageItem*>(TCollection::Insert(Index));
}

TImageItem* TImageItems::Items(int Index) const
{
    return static_cast<TImageItem*>(TCollection::Items(Index));
}

// Construction

TProImagePickerDropDown::TProImagePickerDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FItems(std::make_unique<TImageItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FKeySearch(std::make_unique<TKeySearch>(this))
{
    SetEditorEnabled(false);
    FPictureEdit = true;
    FDropDownEnabled = true;
    SetCursor(crArrow);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProImagePickerDropDown::~TProImagePickerDropDown()
{
    if (FItemSelector) {
        FItemSelector->OnItemSelect = nullptr;
        FItemSelector->OnDrawItem = nullptr;
        delete FItemSelector;
        FItemSelector = nullptr;
    }
}

void TProImagePickerDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || !FItems)
        return;
    if (!FItemSelector) {
        FItemSelector = new TProCustomItemSelector(this);
        FItemSelector->SetParent(FDropDownForm);
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

// Properties

void TProImagePickerDropDown::SetItems(TImageItems* Value)
{
    FItems->Assign(Value);
}

void TProImagePickerDropDown::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TProImagePickerDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex || Value < -1 || Value >= FItems->Count())
        return;
    FItemIndex = Value;
    Invalidate();
    TControlGuard alive = Guard();
    CallEvent(OnChange, this);
    if (!alive.expired())
        CallEvent(OnSelect, this);
}

int TProImagePickerDropDown::GetImageIndex() const
{
    return FItemIndex >= 0 ? FItems->Items(FItemIndex)->ImageIndex() : -1;
}

void TProImagePickerDropDown::SetImageIndex(int Value)
{
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->ImageIndex() == Value) {
            SetItemIndex(i);
            return;
        }
    SetItemIndex(-1);
}

void TProImagePickerDropDown::SelectFirst()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsFirst, target))
        SetItemIndex(target);
}

void TProImagePickerDropDown::SelectLast()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsLast, target))
        SetItemIndex(target);
}

void TProImagePickerDropDown::SelectNext()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsNext, target))
        SetItemIndex(target);
}

void TProImagePickerDropDown::SelectPrevious()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsPrevious, target))
        SetItemIndex(target);
}

void TProImagePickerDropDown::AddImagesFromImageList()
{
    if (!Images())
        return;
    for (int i = 0; i < Images()->Count(); ++i)
        FItems->Add()->SetImageIndex(i);
}

void TProImagePickerDropDown::AddImagesFromFolder(const QString& AFolder, bool SetImageCaption)
{
    const QString folder = ExtractFilePath(AFolder);
    TSearchRec rec;
    if (FindFirst(AFolder, faAnyFile, rec) == 0) {
        do
            AddImageFile(folder + rec.Name, SetImageCaption);
        while (FindNext(rec) == 0);
    }
    FindClose(rec);
}

void TProImagePickerDropDown::AddImageFile(const QString& FileName, bool SetImageCaption)
{
    TImageItem* item = FItems->Add();
    try {
        item->Image()->LoadFromFile(FileName);
        if (SetImageCaption)
            item->SetCaption(ExtractFileName(FileName));
    } catch (const Exception&) {
        // What cannot be read leaves an item with an empty picture.
        item->Image()->SetGraphic(nullptr);
    }
}

void TProImagePickerDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TProImagePickerDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TProCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// The popup

void TProImagePickerDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    SyncSelector();
    if (FItemSelector)
        FItemSelector->OnDrawItem = OnDrawItem ? TSelectorDrawItemEvent([this](TObject* s, TCanvas* c, const TRect& r, int i) {
            SelectorDrawItem(s, c, r, i);
        })
                                               : TSelectorDrawItemEvent();
    FOldItemIndex = FItemIndex;
}

void TProImagePickerDropDown::SyncSelector()
{
    if (!FItemSelector)
        return;
    TProCustomItemSelector* s = FItemSelector;
    s->OnItemSelect = nullptr;
    s->SetColumns(FColumns);
    s->SetImages(Images());
    s->SetItemLayout(FLayout);
    s->SetColor(DropDownColor());
    s->ItemAppearance()->Assign(FItemAppearance.get());
    TSelectorItems* items = s->Items();
    items->Clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        TImageItem* source = FItems->Items(i);
        TSelectorItem* item = items->Add();
        item->SetCaption(source->Caption());
        item->SetImage(source->Image());
        item->SetImageIndex(source->ImageIndex());
        item->SetHint(source->Hint());
    }
    s->UpdateSelectorPanel();
    s->SetItemIndex(FItemIndex);
    s->OnItemSelect = [this](TObject* Sender) { SelectorItemSelect(Sender); };
    s->SetShowHint(ShowHint());
}

void TProImagePickerDropDown::UpdateDropDownSize()
{
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
    // The border lies inside the popup: without it the cells would not fit
    // and the list would scroll sideways.
    if (FDropDownWidth < 1)
        FDropDownForm->SetWidth(size.cx + 2 * FDropDownBorderWidth);
    // The list gets a vertical bar when the popup gives it less room than
    // its cells need: the popup grows by the bar.
    int room = FDropDownForm->Height() - 2 * FDropDownBorderWidth;
    if (DropDownHeader()->Visible())
        room -= DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        room -= DropDownFooter()->Height();
    if (size.cy > room)
        FDropDownForm->SetWidth(FDropDownForm->Width() + GetSystemMetrics(SM_CXVSCROLL));
}

void TProImagePickerDropDown::DoHideDropDown(bool Cancelled)
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (!alive.expired() && Cancelled && FItemSelector)
        SetItemIndex(FOldItemIndex);
}

void TProImagePickerDropDown::SelectorItemSelect(TObject*)
{
    SetItemIndex(FItemSelector->ItemIndex());
    if (!FInternalCall)
        DoHideDropDown(false);
}

void TProImagePickerDropDown::SelectorDrawItem(TObject*, TCanvas* ACanvas, const TRect& R, int Index)
{
    CallEvent(OnDrawItem, this, ACanvas, R, Index);
}

// Stepping and keys

bool TProImagePickerDropDown::ListOpen() const
{
    return FDroppedDown && FItemSelector;
}

void TProImagePickerDropDown::ListMove(const std::function<void()>& Move)
{
    // A closed picker steps on the items as they are now.
    if (!FDroppedDown && FItemSelector
        && (FItemSelector->Items()->Count() != FItems->Count() || FItemSelector->ItemIndex() != FItemIndex))
        SyncSelector();
    FInternalCall = true;
    Move();
    FInternalCall = false;
}

void TProImagePickerDropDown::DoSelectNext()
{
    TProCustomDropDown::DoSelectNext();
    if (!Enabled() || ReadOnly() || !FItemSelector)
        return;
    if (FDroppedDown)
        FItemSelector->HotNext();
    else
        ListMove([this] { FItemSelector->SelectNext(); });
}

void TProImagePickerDropDown::DoSelectPrevious()
{
    TProCustomDropDown::DoSelectPrevious();
    if (!Enabled() || ReadOnly() || !FItemSelector)
        return;
    if (FDroppedDown)
        FItemSelector->HotPrevious();
    else
        ListMove([this] { FItemSelector->SelectPrevious(); });
}

void TProImagePickerDropDown::ListKey(int Key)
{
    const bool list = ListOpen();
    TProCustomItemSelector* s = FItemSelector;
    const int index = s ? s->ItemIndex() : -1;
    const int count = s ? s->Items()->Count() : 0;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (!s)
            return;
        if (count != FItems->Count())
            SyncSelector();
        const int n = s->GetVisibleItemCount();
        if (n < 1)
            return;
        const int last = s->Items()->Count() - 1;
        const int target = Key == VK_PRIOR ? std::max(index - n, 0) : std::min(index + n, last);
        ListMove([&] { s->SetItemIndex(target); });
        return;
    }
    case VK_END:
        list ? ListMove([s] { s->SelectLast(); }) : SelectLast();
        return;
    case VK_HOME:
        list ? ListMove([s] { s->SelectFirst(); }) : SelectFirst();
        return;
    case VK_LEFT:
    case VK_RIGHT:
        if (list && !FEditorEnabled)
            ListMove([&] { Key == VK_LEFT ? s->SelectPrevious() : s->SelectNext(); });
        return;
    case VK_UP:
    case VK_DOWN: {
        if (!list) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            return;
        }
        const int target = index < 0 ? 0 : index + (Key == VK_UP ? -s->Columns() : s->Columns());
        if (target >= 0 && target < count)
            ListMove([&] { s->SetItemIndex(target); });
        return;
    }
    default:
        if (GetKeyState(VK_CONTROL) < 0 || !s)
            return;
        // The letter chooses: in the open list that closes it.
        if (list)
            s->LookupItem(FKeySearch->Add(Key));
        else
            ListMove([&] { s->LookupItem(FKeySearch->Add(Key)); });
        return;
    }
}

void TProImagePickerDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    bool enterDone = false;
    if (Enabled() && FDroppedDown && key == VK_RETURN && FItemSelector && FItemSelector->ItemHot() >= 0) {
        FItemSelector->SetItemIndex(FItemSelector->ItemHot());
        enterDone = true;
        if (alive.expired())
            return;
    }
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired() || !Enabled() || GetKeyState(VK_MENU) < 0)
        return;
    if (key == VK_RETURN) {
        if (!enterDone)
            CallEvent(OnSelect, this);
        return;
    }
    ListKey(key);
}

// The edit area

void TProImagePickerDropDown::WMPaint(TMessage& Message)
{
    TProCustomDropDown::WMPaint(Message);
    DrawSelectedImage();
}

void TProImagePickerDropDown::DrawFocusText()
{
    TProCustomDropDown::DrawFocusText();
    DrawSelectedImage();
}

void TProImagePickerDropDown::DrawSelectedImage()
{
    if (!HandleAllocated())
        return;
    TControlCanvas canvas(this);
    DrawPictureFrame(&canvas);
    const TRect r = GetEditRect();
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, &canvas, r);
        return;
    }
    if (FItemIndex < 0 || FItemIndex >= FItems->Count())
        return;
    TImageItem* item = FItems->Items(FItemIndex);
    TGraphic* picture = item->Image()->Graphic();
    if (picture && !picture->Empty()) {
        canvas.Draw(r.Left + (r.Width() - picture->Width()) / 2, r.Top + (r.Height() - picture->Height()) / 2,
                    picture);
    } else if (Images() && item->ImageIndex() >= 0) {
        Images()->Draw(&canvas, r.Left + (r.Width() - Images()->Width()) / 2,
                       r.Top + (r.Height() - Images()->Height()) / 2, item->ImageIndex(), true);
    }
}
