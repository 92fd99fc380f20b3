// The multi-column drop-down's columns and items, and the drop-down:
// choosing, the popup, the typed lookup in the table and the completion.
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/TableStyles.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"

namespace ProMultiColumnDropDownUnit {

// Columns

TDropDownColumn::TDropDownColumn(TCollection* Collection)
    : TCollectionItem(nullptr), FFont(std::make_unique<TFont>())
{
    if (Collection)
        SetCollection(Collection);
}

TDropDownColumn::~TDropDownColumn() = default;

void TDropDownColumn::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TDropDownColumn*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    FHeader = s->FHeader;
    FWidth = s->FWidth;
    FAutoSize = s->FAutoSize;
    FWordwrap = s->FWordwrap;
    FEllipsis = s->FEllipsis;
    FAlignment = s->FAlignment;
    FColor = s->FColor;
    FFont->Assign(s->FFont.get());
    FColumnType = s->FColumnType;
}

void TDropDownColumn::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

TDropDownColumns::TDropDownColumns(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TDropDownColumn(c); })
{
}

TDropDownColumn* TDropDownColumns::Add()
{
    return static_cast<TDropDownColumn*>(TCollection::Add());
}

TDropDownColumn* TDropDownColumns::Insert(int Index)
{
    return static_cast<TDropDownColumn*>(TCollection::Insert(Index));
}

TDropDownColumn* TDropDownColumns::Items(int Index) const
{
    return static_cast<TDropDownColumn*>(TCollection::Items(Index));
}

// Items

TDropDownItem::TDropDownItem(TCollection* Collection)
    : TCollectionItem(nullptr), FText(std::make_unique<TStringList>())
{
    if (Collection)
        SetCollection(Collection);
}

TDropDownItem::~TDropDownItem() = default;

void TDropDownItem::Assign(TPersistent* Source)
{
    auto* s = dynamic_cast<TDropDownItem*>(Source);
    if (!s) {
        TCollectionItem::Assign(Source);
        return;
    }
    FImageIndex = s->FImageIndex;
    FText->Assign(s->FText.get());
}

QString TDropDownItem::ColumnText(int Column) const
{
    return HasText(Column) ? FText->Strings(Column) : QString();
}

TDropDownItems::TDropDownItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TDropDownItem(c); })
{
}

TDropDownItem* TDropDownItems::Add()
{
    return static_cast<TDropDownItem*>(TCollection::Add());
}

TDropDownItem* TDropDownItems::Insert(int Index)
{
    return static_cast<TDropDownItem*>(TCollection::Insert(Index));
}

TDropDownItem* TDropDownItems::Items(int Index) const
{
    return static_cast<TDropDownItem*>(TCollection::Items(Index));
}

int TDropDownItems::IndexInColumn(int Column, const QString& Value) const
{
    for (int i = 0; i < Count(); ++i)
        if (Items(i)->HasText(Column) && Items(i)->ColumnText(Column) == Value)
            return i;
    return -1;
}

} // namespace ProMultiColumnDropDownUnit

using namespace ProMultiColumnDropDownUnit;

// Construction

TProMultiColumnDropDown::TProMultiColumnDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FItems(std::make_unique<TDropDownItems>(this)), FHeaderFont(std::make_unique<TFont>()),
      FLookupList(std::make_unique<TStringList>())
{
    FHeaderFont->SetColor(0x723708);
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    FLookupList->SetCaseSensitive(false);
    FWorkMode = true;
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning))
        CreateDropDownForm();
}

TProMultiColumnDropDown::~TProMultiColumnDropDown()
{
    if (TProColGrid* grid = FGrid) {
        // Forgotten first: its removal must not place it again.
        FGrid = nullptr;
        grid->OnSelectCell = nullptr;
        grid->OnSelect = nullptr;
        grid->OnKeyDown = nullptr;
        grid->OnKeyUp = nullptr;
        grid->OnKeyPress = nullptr;
        delete grid;
    }
}

void TProMultiColumnDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == FGrid)
        FGrid = nullptr;
    TProCustomDropDown::Notification(AComponent, Operation);
}

void TProMultiColumnDropDown::DropDownFormDestroyed()
{
    FGrid = nullptr;
}

void TProMultiColumnDropDown::CreateDropDownForm()
{
    TProCustomDropDown::CreateDropDownForm();
    if (!FDropDownForm || !FItems)
        return;
    if (!FGrid) {
        FGrid = new TProColGrid(this);
        FGrid->SetParent(FDropDownForm);
    }
    FGrid->SetProDropDown(this);
    FGrid->SetBounds(0, 0, FGrid->Width(), 180);
    FGrid->SetColor(DropDownColor());
    FGrid->SetDoubleBuffered(true);
}

void TProMultiColumnDropDown::PlaceDropDownControl()
{
    if (FGrid && FControl != FGrid)
        SetControl(FGrid);
    TProCustomDropDown::PlaceDropDownControl();
}

void TProMultiColumnDropDown::Loaded()
{
    TProCustomDropDown::Loaded();
    BuildLookupList();
}

void TProMultiColumnDropDown::Assign(TPersistent* Source)
{
    TProCustomDropDown::Assign(Source);
    auto* s = dynamic_cast<TProMultiColumnDropDown*>(Source);
    if (!s)
        return;
    FCaseSensitive = s->FCaseSensitive;
    FDropDownAutoWidth = s->FDropDownAutoWidth;
    FDropDownRowHeight = s->FDropDownRowHeight;
    FLineColor = s->FLineColor;
    FFixedLineColor = s->FFixedLineColor;
    FColumnSizing = s->FColumnSizing;
    FColumnSizeWithDropDown = s->FColumnSizeWithDropDown;
    FColumns->Assign(s->FColumns.get());
    FHeaderColor = s->FHeaderColor;
    FHeaderColorTo = s->FHeaderColorTo;
    FHeaderHeight = s->FHeaderHeight;
    FHeaderFont->Assign(s->FHeaderFont.get());
    FLookupColumn = s->FLookupColumn;
    FSelectionTextColor = s->FSelectionTextColor;
    FItems->Assign(s->FItems.get());
    FItemIndex = s->FItemIndex;
}

// Properties

void TProMultiColumnDropDown::SetColumns(TDropDownColumns* Value)
{
    FColumns->Assign(Value);
}

void TProMultiColumnDropDown::SetItems(TDropDownItems* Value)
{
    FItems->Assign(Value);
}

void TProMultiColumnDropDown::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

int TProMultiColumnDropDown::RowCount() const
{
    return FItems->Count();
}

void TProMultiColumnDropDown::SetItemIndex(int Value)
{
    if (Value >= FItems->Count())
        return;
    FItemIndex = Value;
    if (Value >= 0 && FLookupColumn >= 0 && FItems->Items(Value)->HasText(FLookupColumn))
        SetText(FItems->Items(Value)->ColumnText(FLookupColumn));
    else
        SetText(QString());
}

int TProMultiColumnDropDown::GetItemIndex(const QString& Value) const
{
    if (FLookupColumn < 0)
        return -1;
    for (int i = 0; i < FItems->Count(); ++i)
        if (FItems->Items(i)->ColumnText(FLookupColumn) == Value)
            return i;
    return -1;
}

void TProMultiColumnDropDown::BuildLookupList()
{
    if (FLookupColumn < 0 || FItems->Count() == 0)
        return;
    FLookupList->Clear();
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupList->Add(FItems->Items(i)->ColumnText(FLookupColumn));
}

void TProMultiColumnDropDown::SelectFirst()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsFirst, target))
        SetItemIndex(target);
}

void TProMultiColumnDropDown::SelectLast()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsLast, target))
        SetItemIndex(target);
}

void TProMultiColumnDropDown::SelectNext()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsNext, target))
        SetItemIndex(target);
}

void TProMultiColumnDropDown::SelectPrevious()
{
    int target = 0;
    if (ListStep(FItemIndex, FItems->Count(), lsPrevious, target))
        SetItemIndex(target);
}

void TProMultiColumnDropDown::SelectPageDown()
{
    if (FItems->Count() == 0)
        return;
    SetItemIndex(FItemIndex < 0 ? 0 : std::min(FItemIndex + 10, FItems->Count() - 1));
}

void TProMultiColumnDropDown::SelectPageUp()
{
    if (FItems->Count() == 0)
        return;
    SetItemIndex(FItemIndex < 0 ? 0 : std::max(FItemIndex - 10, 0));
}

// Styles

void TProMultiColumnDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
{
    switch (Value) {
    case scOffice2007:
        FLineColor = 0xF1EDEB;
        FFixedLineColor = 0xD1BBA4;
        break;
    case scWindowsVista:
    case scWindows7:
        FLineColor = 0xECECF0;
        FFixedLineColor = 0xD4D2D1;
        break;
    case scCustom: break;
    }
    TProCustomDropDown::SetSelectionColorStyle(Value);
}

void TProMultiColumnDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    // The base constructor styles before this class's fields exist.
    const TTableStyleColors* t = TableStyleColors(AStyle);
    if (!FHeaderFont || !t)
        return;
    ApplyTableStyle(this, *t);
}

// The popup

void TProMultiColumnDropDown::BeforeDropDown()
{
    TProCustomDropDown::BeforeDropDown();
    if (!FGrid)
        return;
    FDropDownForm->SetCancelOnDeActivate(false);
    FShowing = true;
    FGrid->LoadFromDropDown(this);
    FGrid->SetOptions(FGrid->Options() + goThumbTracking);
    FGrid->SetColor(DropDownColor());
    FGrid->OnSelectCell = [this](TObject* s, int c, int r, bool& can) { GridSelectCell(s, c, r, can); };
    FGrid->OnSelect = [this](TObject* s) { GridSelect(s); };
    FGrid->OnKeyDown = [this](TObject* s, int& k, TShiftState sh) { GridKeyDown(s, k, sh); };
    if (FGrid->RowCount() > FGrid->FixedRows())
        FGrid->SetRow(std::max(FItemIndex + 1, FGrid->FixedRows()));
    FOldItemIndex = FItemIndex;
}

void TProMultiColumnDropDown::AdjustDropDownHeight(int& Height)
{
    int panels = 0;
    if (DropDownHeader()->Visible())
        panels += DropDownHeader()->Height();
    if (DropDownFooter()->Visible())
        panels += DropDownFooter()->Height();
    const int rows = FDropDownRowHeight > 0 ? (Height - panels - FHeaderHeight - 2) / FDropDownRowHeight : 0;
    Height = panels + FHeaderHeight + rows * FDropDownRowHeight + 2;
}

void TProMultiColumnDropDown::UpdateDropDownSize()
{
    TProCustomDropDown::UpdateDropDownSize();
    if (!FDropDownAutoWidth || !FDropDownForm || !FGrid)
        return;
    const int w = FGrid->GetNeededWidth();
    FGrid->SetAlign(alNone);
    FGrid->SetWidth(w);
    FDropDownForm->SetWidth(FGrid->Width() + 2 * FDropDownBorderWidth);
    FGrid->SetAlign(alClient);
}

void TProMultiColumnDropDown::DoShowDropDown()
{
    TControlGuard alive = Guard();
    TProCustomDropDown::DoShowDropDown();
    if (alive.expired())
        return;
    if (FDroppedDown && FGrid) {
        SizeColumnsToDropDown();
        if (FGrid->RowCount() > FGrid->FixedRows()) {
            const int row = FItemIndex < 0 ? 1 : FItemIndex + 1;
            FGrid->SetRow(std::min(row, FGrid->RowCount() - 1));
            const TRect r = FGrid->CellRect(0, FGrid->Row());
            if (r.Left <= 0 && r.Top <= 0)
                FGrid->SetTopRow(std::max(FGrid->Row() - FGrid->VisibleRowCount() + 1, FGrid->FixedRows()));
        }
    }
    FShowing = false;
}

void TProMultiColumnDropDown::SizeColumnsToDropDown()
{
    if (!FColumnSizeWithDropDown || !FGrid || !FDropDownForm)
        return;
    FGrid->SetScrollBars(ssVertical);
    TDropDownColumns* columns = FGrid->Columns();
    if (columns->Count() == 0)
        return;
    std::vector<int> weights;
    for (int i = 0; i < columns->Count(); ++i)
        weights.push_back(columns->Items(i)->Width());
    int w = FDropDownForm->Width();
    if (FGrid->VisibleRowCount() + FGrid->FixedRows() < FGrid->RowCount())
        w -= GetSystemMetrics(SM_CXVSCROLL);
    const std::vector<int> widths = ScaleColumnWidths(weights, w);
    for (int i = 0; i < FGrid->ColCount() && i < columns->Count(); ++i)
        FGrid->SetColWidths(i, widths[std::size_t(i)]);
}

void TProMultiColumnDropDown::DropDownSizing()
{
    TProCustomDropDown::DropDownSizing();
    SizeColumnsToDropDown();
}

void TProMultiColumnDropDown::DoHideDropDown(bool Cancelled)
{
    if (!FDropDownForm || !FDropDownForm->Visible()) {
        TProCustomDropDown::DoHideDropDown(Cancelled);
        return;
    }
    TControlGuard alive = Guard();
    TProCustomDropDown::DoHideDropDown(Cancelled);
    if (alive.expired())
        return;
    if (Cancelled) {
        SetItemIndex(FOldItemIndex);
        return;
    }
    if (FGrid && FGrid->ConfirmSelection())
        SetItemIndex(FGrid->Row() - 1);
    FOldItemIndex = FItemIndex;
}

// Choosing in the table

void TProMultiColumnDropDown::GridSelectCell(TObject*, int, int ARow, bool&)
{
    if (!FGrid->MouseWheelSelection() && !FShowing)
        SetItemIndex(ARow - 1);
}

void TProMultiColumnDropDown::GridSelect(TObject*)
{
    TControlGuard alive = Guard();
    if (FGrid->ConfirmSelection())
        SetItemIndex(FGrid->Row() - 1);
    DoHideDropDown(false);
    if (!alive.expired())
        CallEvent(OnSelect, this);
}

void TProMultiColumnDropDown::GridKeyDown(TObject*, int& Key, TShiftState)
{
    if (Key == VK_RETURN)
        DoHideDropDown(false);
    else if (Key == VK_ESCAPE)
        DoHideDropDown(true);
}

void TProMultiColumnDropDown::DoSelectNext()
{
    TProCustomDropDown::DoSelectNext();
    SelectNext();
}

void TProMultiColumnDropDown::DoSelectPrevious()
{
    TProCustomDropDown::DoSelectPrevious();
    SelectPrevious();
}

// Keys of the table

namespace {

// Keys the table moves on itself.
bool TableKey(int Key)
{
    return (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && GetKeyState(VK_MENU) >= 0;
}

} // namespace

void TProMultiColumnDropDown::ControlKeyDown(int& Key, TShiftState Shift)
{
    if (!TableKey(Key))
        TProCustomDropDown::ControlKeyDown(Key, Shift);
}

void TProMultiColumnDropDown::ControlKeyUp(int& Key, TShiftState Shift)
{
    if (!TableKey(Key))
        TProCustomDropDown::ControlKeyUp(Key, Shift);
}

void TProMultiColumnDropDown::ControlKeyPress(QChar& Key)
{
    const bool alt = GetKeyState(VK_MENU) < 0;
    const bool enterOrEscape = Key == QChar(13) || Key == QChar(27);
    if ((enterOrEscape && !alt) || (FGrid && FGrid->EditorMode()) || !LookupKey(Key))
        FLookupEntry.clear();
}

int TProMultiColumnDropDown::FindLookup(const QString& S) const
{
    return FindCompletion(S, FItems->Count(), [this](int i) { return FItems->Items(i)->ColumnText(FLookupColumn); },
                          FCaseSensitive);
}

bool TProMultiColumnDropDown::LookupKey(QChar Key)
{
    if (FLookupColumn < 0)
        return false;
    if (Key == QChar(8)) {
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            SetText(FLookupEntry);
        } else {
            QString text = EditText();
            text.remove(SelStart(), SelLength());
            SetText(text);
        }
        SetSelStart(int(EditText().size()));
        return false;
    }
    if (Key != QChar(9))
        FLookupEntry += Key;
    int found = FindLookup(FLookupEntry);
    if (found < 0) {
        found = FindLookup(QString(Key));
        FLookupEntry = found >= 0 ? QString(Key) : QString();
    }
    if (found < 0)
        return false;
    FItemIndex = found;
    const QString text = FItems->Items(found)->ColumnText(FLookupColumn);
    SetText(text);
    SetSelStart(int(FLookupEntry.size()));
    SetSelLength(int(text.size()) - int(FLookupEntry.size()));
    ShowLookupRow(found);
    return true;
}

void TProMultiColumnDropDown::ShowLookupRow(int Index)
{
    if (!FGrid)
        return;
    const int row = Index + 1;
    const int top = FGrid->TopRow();
    if (row < top || row >= top + FGrid->VisibleRowCount())
        FGrid->SetTopRow(std::min(row, std::max(FGrid->RowCount() - FGrid->VisibleRowCount(), FGrid->FixedRows())));
    FGrid->MoveColRow(0, row, true, true);
}

// Keys of the edit

void TProMultiColumnDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    TControlGuard alive = Guard();
    // Enter as Tab reaches the key handlers as a Tab: the typed entry is
    // taken here.
    if (key == VK_RETURN && FReturnIsTab && FLookupColumn >= 0 && FItems->Count() > 0)
        AcceptTypedEntry();
    if (alive.expired())
        return;
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired() || !Enabled() || GetKeyState(VK_MENU) < 0)
        return;
    switch (key) {
    case VK_PRIOR: SelectPageUp(); break;
    case VK_NEXT: SelectPageDown(); break;
    case VK_END:
        if (!FEditorEnabled)
            SelectLast();
        break;
    case VK_HOME:
        if (!FEditorEnabled)
            SelectFirst();
        break;
    case VK_UP: SelectPrevious(); break;
    case VK_DOWN: SelectNext(); break;
    default: break;
    }
}

void TProMultiColumnDropDown::AcceptTypedEntry()
{
    const int i = FLookupList->IndexOf(GetText());
    if (i < 0)
        return;
    SetText(FLookupList->Strings(i));
    SetItemIndex(i);
    Change();
}

void TProMultiColumnDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TProCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const int key = Key;
    TControlGuard alive = Guard();
    FWorkMode = !(key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE);
    if (key == VK_RETURN) {
        AcceptTypedEntry();
        if (alive.expired())
            return;
        if (FReturnIsTab) {
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            Key = 0;
        }
    }
    TProCustomDropDown::KeyDown(Key, Shift);
    if (!alive.expired() && key == VK_ESCAPE)
        SetItemIndex(FLookupList->IndexOf(GetText()));
}

void TProMultiColumnDropDown::KeyPress(QChar& Key)
{
    if (Key == QChar(13) && FReturnIsTab) {
        Key = QChar(0);
        return;
    }
    TProCustomDropDown::KeyPress(Key);
}

void TProMultiColumnDropDown::KeyUp(int& Key, TShiftState Shift)
{
    if (!(Key == VK_RETURN && FReturnIsTab))
        TProCustomDropDown::KeyUp(Key, Shift);
    if (!FCompletion.Changed)
        return;
    SetItemIndex(FCompletion.Index);
    SetSelStart(FCompletion.Typed);
    SetSelLength(int(EditText().size()) - FCompletion.Typed);
    FCompletion.Changed = false;
}

void TProMultiColumnDropDown::Change()
{
    FCompletion.Changed = false;
    TProCustomDropDown::Change();
    // Without a lookup column nothing completes: the old list would
    // complete to texts SetItemIndex cannot write.
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FWorkMode || FLookupList->Count() == 0
        || FLookupColumn < 0)
        return;
    SetIsModified(!GetText().isEmpty());
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    const TCompletion c = CompleteEditText(
        this, EditText(), caret, FLookupList->Count(), [this](int i) { return FLookupList->Strings(i); },
        FMatchCase, [this](const QString& Text) { SetTextDirect(Text); });
    if (c.Changed) {
        FItemIndex = c.Index;
        FCompletion = c;
    }
}
