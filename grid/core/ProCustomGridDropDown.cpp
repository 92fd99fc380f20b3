// The grid drop-down's columns and items, and the drop-down's lifetime,
// properties and styles.
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "grid/dropdown/TableStyles.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"

namespace ProCustomGridDropDownUnit {

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
    FWidth = s->FWidth;
    FColor = s->FColor;
    FAlignment = s->FAlignment;
    FEllipsis = s->FEllipsis;
    FFont->Assign(s->FFont.get());
    FColumnType = s->FColumnType;
    FHeader = s->FHeader;
    FWordwrap = s->FWordwrap;
    FAutoSize = s->FAutoSize;
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
    // Copying only the image would empty every row of an assigned collection.
    FText->Assign(s->FText.get());
}

void TDropDownItem::SetText(TStringList* Value)
{
    FText->Assign(Value);
}

QString TDropDownItem::ColumnText(int Column) const
{
    return Column >= 0 && Column < FText->Count() ? FText->Strings(Column) : QString();
}

TDropDownItems::TDropDownItems(TPersistent* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* c) -> TCollectionItem* { return new TDropDownItem(c); })
{
}

TDropDownItems::TDropDownItems(TPersistent* AOwner, TCollectionItemFactory ItemClass)
    : TOwnedCollection(AOwner, std::move(ItemClass))
{
}

TCollectionItem* TDropDownItems::GetItemClass(TCollection* Collection) const
{
    return new TDropDownItem(Collection);
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

} // namespace ProCustomGridDropDownUnit

using namespace ProCustomGridDropDownUnit;

// Lifetime

TCustomProGridDropDown::TCustomProGridDropDown(TComponent* AOwner)
    : TProCustomDropDown(AOwner), FColumns(std::make_unique<TDropDownColumns>(this)),
      FHeaderFont(std::make_unique<TFont>()), FLookupItems(std::make_unique<TStringList>())
{
    // The base constructor styled the control before this class existed;
    // the header font takes the colour that style gives it.
    FHeaderFont->SetColor(0x723708);
    FItems.reset(CreateItems(this));
    SetDropDownColor(clWhite);
    SetDropDownHeight(200);
    SetAutoSelect(true);
    SetSelectionColorStyle(scOffice2007);
    FSearchFooter = std::make_unique<TSearchFooter>(this, false);
    FNavigation = std::make_unique<TNavigation>();
    FNavigation->SetHomeEndKey(heFirstLastRow);
    FMouseActions = std::make_unique<TMouseActions>(this);
    FBands = std::make_unique<TBands>();
    if (ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        FColumns->Clear();
        for (int i = 0; i < 3; ++i)
            FColumns->Add();
    } else {
        CreateDropDownForm();
    }
}

TCustomProGridDropDown::~TCustomProGridDropDown()
{
    if (TProColGrid* grid = FProColGrid) {
        // Forgotten first: nothing it fires may reach this half-gone control.
        FProColGrid = nullptr;
        grid->SetProDropDown(nullptr);
        grid->OnSelect = nullptr;
        grid->OnSelectCell = nullptr;
        grid->OnKeyDown = nullptr;
        grid->OnKeyUp = nullptr;
        grid->OnKeyPress = nullptr;
        delete grid;
    }
    if (FGridImages)
        FGridImages->RemoveFreeNotification(this);
}

TCustomProGridDropDown::TDropDownItems* TCustomProGridDropDown::CreateItems(TPersistent* AOwner)
{
    return new TDropDownItems(AOwner);
}

void TCustomProGridDropDown::Loaded()
{
    TProCustomDropDown::Loaded();
    BuildLookupList();
    if (FProColGrid)
        FProColGrid->FillFromItems();
}

void TCustomProGridDropDown::Notification(TComponent* AComponent, TOperation Operation)
{
    TProCustomDropDown::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove)
        return;
    if (AComponent == FProColGrid)
        FProColGrid = nullptr;
    if (AComponent == FGridImages) {
        FGridImages = nullptr;
        if (FProColGrid)
            FProColGrid->SetGridImages(nullptr);
    }
}

void TCustomProGridDropDown::DropDownFormDestroyed()
{
    FProColGrid = nullptr;
}

// Properties

void TCustomProGridDropDown::SetItems(TDropDownItems* Value)
{
    FItems->Assign(Value);
}

void TCustomProGridDropDown::SetColumns(TDropDownColumns* Value)
{
    FColumns->Assign(Value);
}

void TCustomProGridDropDown::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

void TCustomProGridDropDown::SetSearchFooter(TSearchFooter* Value)
{
    FSearchFooter->Assign(Value);
}

void TCustomProGridDropDown::SetNavigation(TNavigation* Value)
{
    FNavigation->Assign(Value);
}

void TCustomProGridDropDown::SetMouseActions(TMouseActions* Value)
{
    FMouseActions->Assign(Value);
}

void TCustomProGridDropDown::SetBands(TBands* Value)
{
    FBands->Assign(Value);
}

void TCustomProGridDropDown::SetGridImages(TCustomImageList* Value)
{
    if (FGridImages)
        FGridImages->RemoveFreeNotification(this);
    FGridImages = Value;
    if (FGridImages)
        FGridImages->FreeNotification(this);
    if (FProColGrid)
        FProColGrid->SetGridImages(Value);
}

void TCustomProGridDropDown::SetStyle(TDropDownStyle Value)
{
    FStyle = Value;
    SetEditorEnabled(Value == dsDropDown);
}

int TCustomProGridDropDown::RowCount() const
{
    return FItems->Count();
}

int TCustomProGridDropDown::ItemCount() const
{
    if (FUseItems)
        return FItems->Count();
    return FProColGrid ? FProColGrid->RowCount() - FProColGrid->FixedRows() : 0;
}

void TCustomProGridDropDown::SetItemIndex(int Value)
{
    if (FUseItems) {
        if (Value >= FItems->Count())
            return;
        FItemIndex = Value;
        if (Value >= 0 && FLookupColumn >= 0)
            SetText(FItems->Items(Value)->ColumnText(FLookupColumn));
        else
            SetText(QString());
        return;
    }
    if (!FProColGrid) {
        FItemIndex = Value;
        return;
    }
    if (Value == FItemIndex || Value + 1 >= FProColGrid->RowCount())
        return;
    FItemIndex = Value;
    SetText(Value < 0 ? QString() : FProColGrid->Cells(FLookupColumn, Value + 1));
}

int TCustomProGridDropDown::RowToItemIndex(int R) const
{
    if (FProColGrid && R >= 0 && R < FProColGrid->RowCount())
        return int(reinterpret_cast<std::intptr_t>(FProColGrid->Objects(0, R)));
    return R;
}

int TCustomProGridDropDown::ItemIndexToRow(int I) const
{
    if (!FProColGrid || I < 0)
        return FItemIndex;
    for (int r = FProColGrid->FixedRows(); r < FProColGrid->RowCount(); ++r)
        if (RowToItemIndex(r) == I)
            return r;
    return FItemIndex;
}

void TCustomProGridDropDown::BuildLookupList()
{
    if (FLookupColumn < 0 || FItems->Count() == 0)
        return;
    FLookupItems->Clear();
    for (int i = 0; i < FItems->Count(); ++i)
        FLookupItems->Add(FItems->Items(i)->ColumnText(FLookupColumn));
}

// Styles

void TCustomProGridDropDown::SetSelectionColorStyle(TSelectionColorStyle Value)
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

void TCustomProGridDropDown::SetComponentStyle(TQLXStyle AStyle)
{
    TProCustomDropDown::SetComponentStyle(AStyle);
    // The base constructor styles before this class's fields exist; the
    // Office 2010 styles leave the table's colours alone.
    const TTableStyleColors* t = TableStyleColors(AStyle);
    if (!FHeaderFont || !t || AStyle == tsOffice2010Blue || AStyle == tsOffice2010Silver
        || AStyle == tsOffice2010Black)
        return;
    ApplyTableStyle(this, *t);
}
