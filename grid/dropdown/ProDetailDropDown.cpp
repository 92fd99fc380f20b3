#include "grid/dropdown/ProDetailDropDown.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"

// Items

TDetailItem::TDetailItem(TCollection* Collection) : TCollectionItem(nullptr), FImage(std::make_unique<TPicture>())
{
    if (Collection)
        SetCollection(Collection);
}

TDetailItem::~TDetailItem() = default;

void TDetailItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TDetailItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    SetCaption(s->FCaption);
    SetImageIndex(s->FImageIndex);
    FImage->Assign(s->FImage.get());
    FNotes = s->FNotes;
    FEnabled = s->FEnabled;
    FTag = s->FTag;
    FItemObject = s->FItemObject;
}

void TDetailItem::ItemChanged()
{
    if (auto* items = dynamic_cast<TDetailItems*>(Collection()))
        CallEvent(items->OnChange, items);
}

void TDetailItem::SetCaption(const QString& Value)
{
    if (FCaption == Value)
        return;
    FCaption = Value;
    ItemChanged();
}

void TDetailItem::SetImageIndex(int Value)
{
    if (FImageIndex == Value)
        return;
    FImageIndex = Value;
    ItemChanged();
}

void TDetailItem::SetImage(TPicture* Value)
{
    FImage->Assign(Value);
}

TDetailItems::TDetailItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TDetailItem(c); })
{
}

TDetailItem* TDetailItems::Add()
{
    return static_cast<TDetailItem*>(TCollection::Add());
}

TDetailItem* TDetailItems::Insert(int Index)
{
    return static_cast<TDetailItem*>(TCollection::Insert(Index));
}

TDetailItem* TDetailItems::Items(int Index) const
{
    return static_cast<TDetailItem*>(TCollection::Items(Index));
}

int TDetailItems::IndexOf(const QString& AValue) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->Caption() == AValue)
            return i;
    return -1;
}

// Construction

TProDetailDropDown::TProDetailDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FItems(std::make_unique<TDetailItems>(this)),
      FItemAppearance(std::make_unique<TItemAppearance>(this)), FCaptionFont(std::make_unique<TFont>()),
      FNotesFont(std::make_unique<TFont>()), FKeySearch(std::make_unique<TKeySearch>(this))
{
    FEditorEnabled = true;
    FDropDownEnabled = true;
    FCaptionFont->Assign(Font());
    FNotesFont->Assign(Font());
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProDetailDropDown::~TProDetailDropDown()
{
    if (FItemSelector) {
        FItemSelector->OnItemSelect = nullptr;
        FItemSelector->OnDrawItem = nullptr;
        FItemSelector->OnItemSize = nullptr;
        FItemSelector->OnResize = nullptr;
        delete FItemSelector;
        FItemSelector = nullptr;
    }
}

void TProDetailDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || !FItems)
        return;
    if (!FItemSelector) {
        FItemSelector = new TProCustomItemSelector(this);
        FItemSelector->SetParent(FDropDownForm);
        FItemSelector->SetSelectorType(stImage);
        FItemSelector->SetBounds(0, 0, FItemSelector->Width(), 150);
        FItemSelector->SetDoubleBuffered(true);
        FItemSelector->OnDrawItem = [this](TObject* s, TCanvas* c, const TRect& r, int i) { DrawDetailItem(s, c, r, i); };
        FItemSelector->OnItemSize = [this](TObject* s, TSize& size) { GetDetailItemSize(s, size); };
        FItemSelector->OnResize = [this](TObject*) { FItemSelector->UpdateSelectorPanel(); };
        FItemSelector->UpdateSelectorPanel();
    }
    FItemSelector->SetColor(DropDownColor());
    FItemSelector->UpdateSelectorPanel();
    SetControl(FItemSelector);
}

// Properties

void TProDetailDropDown::SetItems(TDetailItems* Value)
{
    FItems->Assign(Value);
}

void TProDetailDropDown::SetItemAppearance(TItemAppearance* Value)
{
    FItemAppearance->Assign(Value);
}

void TProDetailDropDown::SetCaptionFont(TFont* Value)
{
    FCaptionFont->Assign(Value);
}

void TProDetailDropDown::SetNotesFont(TFont* Value)
{
    FNotesFont->Assign(Value);
}

void TProDetailDropDown::SetItemIndex(int Value)
{
    if (Value == FItemIndex)
        return;
    if (Value >= 0 && Value < FItems->Count()) {
        FItemIndex = Value;
        SetText(FItems->Items(Value)->Caption());
        SelectAll();
        Invalidate();
        if (FItemSelector)
            FItemSelector->Invalidate();
        CallEvent(OnSelect, this);
    } else if (Value == -1) {
        SetText(QString());
        FItemIndex = -1;
    }
}

void TProDetailDropDown::SelectFirst()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsFirst, target))
        SetItemIndex(target);
}

void TProDetailDropDown::SelectLast()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsLast, target))
        SetItemIndex(target);
}

void TProDetailDropDown::SelectNext()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsNext, target))
        SetItemIndex(target);
}

void TProDetailDropDown::SelectPrevious()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsPrevious, target))
        SetItemIndex(target);
}

void TProDetailDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    ApplyItemAppearanceStyle(FItemAppearance.get(), AStyle);
}

void TProDetailDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    TProCustomDropDown::SetSelectionColorStyle(Value);
    if (FItemSelector)
        FItemSelector->ItemAppearance()->SetColorStyle(Value);
}

// The popup

void TProDetailDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    SyncSelector();
    FOldItemIndex = FItemIndex;
}

void TProDetailDropDown::SyncSelector()
{
    if (!FItemSelector)
        return;
    TProCustomItemSelector* s = FItemSelector;
    s->OnItemSelect = nullptr;
    s->SetColumns(1);
    s->SetImages(Images());
    s->SetItemLayout(FLayout);
    s->SetColor(DropDownColor());
    s->ItemAppearance()->Assign(FItemAppearance.get());
    FillSelectorItems();
    s->UpdateSelectorPanel();
    s->SetItemIndex(FItemIndex);
    s->OnItemSelect = [this](TObject* Sender) { SelectorItemSelect(Sender); };
}

void TProDetailDropDown::FillSelectorItems()
{
    TSelectorItems* items = FItemSelector->Items();
    items->Clear();
    for (int i = 0; i < FItems->Count(); ++i) {
        TDetailItem* d = FItems->Items(i);
        TSelectorItem* s = items->Add();
        s->SetCaption(d->Caption());
        s->SetImage(d->Image());
        s->SetImageIndex(d->ImageIndex());
    }
}

void TProDetailDropDown::DoShowDropDown()
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoShowDropDown();
    if (!alive.expired() && FDroppedDown && FItemSelector && FItemSelector->CanFocus())
        FItemSelector->SetFocus();
}

void TProDetailDropDown::UpdateDropDownSize()
{
    if (FItemSelector) {
        FItemSelector->SetAlign(alNone);
        if (FDropDownWidth <= 0)
            FItemSelector->SetWidth(Width());
        if (FDropDownHeight <= 0)
            FItemSelector->SetHeight(100);
    }
    TProCustomDropDown::UpdateDropDownSize();
}

void TProDetailDropDown::DropDownSizing()
{
    TProCustomDropDown::DropDownSizing();
    if (FItemSelector)
        FItemSelector->UpdateSelectorPanel();
}

void TProDetailDropDown::DoHideDropDown(bool Cancelled)
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (!alive.expired() && Cancelled && FItemSelector && FOldItemIndex != -1)
        SetItemIndex(FOldItemIndex);
}

void TProDetailDropDown::SelectorItemSelect(TObject*)
{
    const int i = FItemSelector->ItemIndex();
    SetItemIndex(i);
    if (i >= 0 && i < FItems->Count()) {
        SetText(FItems->Items(i)->Caption());
        SelectAll();
    }
    if (!FInternalCall)
        DoHideDropDown(false);
}

// The list's cells

void TProDetailDropDown::GetDetailItemSize(TObject*, TSize& ASize)
{
    int w = FDropDownWidth > 0 ? FDropDownWidth : (FDropDownForm ? FDropDownForm->Width() : Width());
    if (FItemSelector && FItemSelector->VertScrollBar()->IsScrollBarVisible())
        w -= GetSystemMetrics(SM_CXVSCROLL);
    ASize.cx = w - 2 * GetSystemMetrics(SM_CXBORDER) - 4;
    ASize.cy = FItemHeight;
}

void TProDetailDropDown::DrawDetailItem(TObject*, TCanvas* ACanvas, const TRect& R, int Index)
{
    if (OnDrawSelectedImage) {
        OnDrawSelectedImage(this, ACanvas, R);
        return;
    }
    if (Index < 0 || Index >= FItems->Count())
        return;
    TDetailItem* item = FItems->Items(Index);
    TRect r = R;
    const bool captioned = !item->Caption().isEmpty();
    // The picture (or image) left of the caption, or centred without one.
    auto place = [&](int W, int H, const std::function<void(int, int)>& Draw) {
        const int x = captioned ? r.Left + 2 : r.Left + (r.Width() - W) / 2;
        Draw(x, r.Top + (r.Height() - H) / 2);
        r.Left += W + 4;
    };
    TGraphic* picture = item->Image()->Graphic();
    if ((!picture || picture->Empty()) && Images() && item->ImageIndex() >= 0) {
        place(Images()->Width(), Images()->Height(),
              [&](int x, int y) { Images()->Draw(ACanvas, x, y, item->ImageIndex(), true); });
    } else if (picture && !picture->Empty()) {
        if (auto* bitmap = dynamic_cast<TBitmap*>(picture))
            bitmap->SetTransparentMode(tmAuto);
        place(picture->Width(), picture->Height(), [&](int x, int y) { ACanvas->Draw(x, y, picture); });
    }
    TItemAppearance* a = FItemSelector->ItemAppearance();
    auto textColour = [&](TFont* Font) {
        if (Index == FItemSelector->ItemHot())
            Font->SetColor(a->ColorHotText());
        if (Index == FItemIndex)
            Font->SetColor(a->ColorSelectedText());
    };
    ACanvas->Font()->Assign(FCaptionFont.get());
    textColour(ACanvas->Font());
    ACanvas->Brush()->SetStyle(bsClear);
    r.Left += 4;
    r.Top += 2;
    r.Right -= 4;
    TRect t = r;
    DrawText(ACanvas, item->Caption(), -1, &t, DT_END_ELLIPSIS);
    if (!item->Notes().isEmpty()) {
        r.Top += ACanvas->TextHeight(QStringLiteral("gh"));
        ACanvas->Font()->Assign(FNotesFont.get());
        textColour(ACanvas->Font());
        TPoint size;
        DrawHTMLText(ACanvas, item->Notes(), r, Images(), true, FItemSelector->Panel()->Handle(), size);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
}

// Stepping and keys

bool TProDetailDropDown::ListOpen() const
{
    return FDroppedDown && FItemSelector;
}

void TProDetailDropDown::ListMove(const std::function<void()>& Move)
{
    FInternalCall = true;
    Move();
    FInternalCall = false;
}

void TProDetailDropDown::ListSelect(int Index)
{
    ListMove([&] { FItemSelector->SetItemIndex(Index); });
}

void TProDetailDropDown::DoSelectNext()
{
    TProCustomDropDown::DoSelectNext();
    if (!ListOpen()) {
        SelectNext();
    } else {
        const int next = FItemSelector->ItemIndex() + 1;
        if (next < FItemSelector->Items()->Count())
            ListSelect(next);
    }
    Invalidate();
}

void TProDetailDropDown::DoSelectPrevious()
{
    TProCustomDropDown::DoSelectPrevious();
    if (!ListOpen()) {
        SelectPrevious();
    } else {
        const int i = FItemSelector->ItemIndex();
        const int previous = i < 0 ? 0 : i - 1;
        if (previous >= 0 && previous < FItemSelector->Items()->Count())
            ListSelect(previous);
    }
    Invalidate();
}

bool TProDetailDropDown::ListKey(int Key)
{
    const bool list = ListOpen();
    const int index = FItemSelector ? FItemSelector->ItemIndex() : -1;
    switch (Key) {
    case VK_PRIOR:
    case VK_NEXT: {
        if (!FItemSelector)
            return true;
        if (FItemSelector->Items()->Count() != FItems->Count())
            SyncSelector();
        const int n = FItemSelector->GetVisibleItemCount();
        if (n < 1)
            return true;
        const int count = FItemSelector->Items()->Count();
        ListSelect(Key == VK_PRIOR ? std::max(index - n, 0) : std::min(index + n, count - 1));
        return true;
    }
    case VK_END:
        if (list)
            ListMove([this] { FItemSelector->SelectLast(); });
        else if (!FEditorEnabled)
            SelectLast();
        return true;
    case VK_HOME:
        if (list)
            ListMove([this] { FItemSelector->SelectFirst(); });
        else if (!FEditorEnabled)
            SelectFirst();
        return true;
    case VK_LEFT:
    case VK_RIGHT:
        if (list && !FEditorEnabled)
            ListMove([&] { Key == VK_LEFT ? FItemSelector->SelectPrevious() : FItemSelector->SelectNext(); });
        return true;
    case VK_UP:
    case VK_DOWN: {
        if (!list) {
            Key == VK_UP ? SelectPrevious() : SelectNext();
            return true;
        }
        const int target = index < 0 ? 0 : index + (Key == VK_UP ? -1 : 1);
        if (target >= 0 && target < FItemSelector->Items()->Count()) {
            ListSelect(target);
            Invalidate();
        }
        return true;
    }
    default: return false;
    }
}

void TProDetailDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    if (Enabled() && GetKeyState(VK_MENU) >= 0) {
        // Letters look the list up while it is open (or while nothing can be
        // typed); in the edit they complete the text instead.
        if (!ListKey(key) && GetKeyState(VK_CONTROL) >= 0 && FItemSelector && (ListOpen() || !FEditorEnabled))
            FLookupChose = FItemSelector->LookupItem(FKeySearch->Add(key));
        if (alive.expired())
            return;
    }
    const bool listKey = key == VK_PRIOR || key == VK_NEXT || (key >= VK_LEFT && key <= VK_DOWN);
    if (FDroppedDown && listKey) {
        Message.CharCode = 0;
        Message.Result = 1;
        return;
    }
    TProCustomDropDown::WMKeyDown(Message);
}

void TProDetailDropDown::ControlKeyDown(int& Key, TShiftState Shift)
{
    FLookupChose = false;
    TProCustomDropDown::ControlKeyDown(Key, Shift);
    // The letter chose an item: it is not typed into the edit as well.
    if (FLookupChose)
        Key = 0;
    FLookupChose = false;
}

// Typing

void TProDetailDropDown::Change()
{
    FCompletion.Changed = false;
    TProCustomDropDown::Change();
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FWorkMode)
        return;
    SetIsModified(!GetText().isEmpty());
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    const TCompletion c = CompleteEditText(
        this, EditText(), caret, FItems->Count(), [this](int i) { return FItems->Items(i)->Caption(); }, FMatchCase,
        [this](const QString& Text) { SetTextDirect(Text); });
    if (c.Changed) {
        FItemIndex = c.Index;
        FCompletion = c;
    }
}

void TProDetailDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (FItems->Count() == 0) {
        TProCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const int key = Key;
    TControlGuard alive = Guard();
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        const int i = FItems->IndexOf(GetText());
        if (i >= 0) {
            SetText(FItems->Items(i)->Caption());
            SetItemIndex(i);
            if (alive.expired())
                return;
            Change();
        }
    } else {
        FWorkMode = true;
    }
    if (alive.expired())
        return;
    TProCustomDropDown::KeyDown(Key, Shift);
    if (alive.expired())
        return;
    if (key == VK_ESCAPE) {
        const int i = FItems->IndexOf(GetText());
        if (i >= 0)
            SetItemIndex(i);
    }
}

void TProDetailDropDown::KeyUp(int& Key, TShiftState Shift)
{
    TControlGuard alive = Guard();
    TProCustomDropDown::KeyUp(Key, Shift);
    if (alive.expired() || !FCompletion.Changed)
        return;
    SetItemIndex(FCompletion.Index);
    const int length = int(EditText().size());
    SetSelStart(FCompletion.Typed);
    SetSelLength(length - FCompletion.Typed);
    FCompletion.Changed = false;
}
