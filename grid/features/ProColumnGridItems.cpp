// The column items and their collection.
#include "grid/features/ProColumnGrid.h"
#include "grid/core/CellEditors.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"

// TGridColumnItem

TGridColumnItem::TGridColumnItem(TCollection* Collection)
    : TCollectionItem(nullptr)
    , FBorderPen(std::make_unique<TPen>())
    , FComboItems(std::make_unique<TStringList>())
    , FFilter(std::make_unique<TStringList>())
    , FFont(std::make_unique<TFont>())
    , FHeaderFont(std::make_unique<TFont>())
    , FPrintBorderPen(std::make_unique<TPen>())
    , FPrintFont(std::make_unique<TFont>())
{
    FBorderPen->SetColor(TColor(0xC0C0C0));
    FPrintBorders = TCellBorders{} + cbTop + cbLeft + cbRight + cbBottom;
    auto* columns = dynamic_cast<TGridColumnCollection*>(Collection);
    if (TProColumnGrid* grid = columns ? columns->Grid() : nullptr) {
        FColor = grid->Color();
        FFont->Assign(grid->Font());
        FHeaderFont->Assign(grid->Font());
        FPrintFont->Assign(grid->Font());
    }
    FFont->OnChange = [this](TObject*) { FontChanged(); };
    FHeaderFont->OnChange = [this](TObject*) {
        FontChanged();
        Repaint();
    };
    FBorderPen->OnChange = [this](TObject*) { FontChanged(); };
    FFilter->OnChange = [this](TObject*) {
        if (!FCopying)
            Repaint();
    };
    // In the collection only now that the item is whole: its update reads it.
    SetCollection(Collection);
    DefIdx = Index() < 0 ? 0 : Index();
}

TGridColumnItem::~TGridColumnItem()
{
    // Out of the collection while the item is still whole.
    SetCollection(nullptr);
}

TProColumnGrid* TGridColumnItem::Grid() const
{
    auto* columns = static_cast<TGridColumnCollection*>(Collection());
    return columns ? columns->Grid() : nullptr;
}

void TGridColumnItem::FontChanged()
{
    if (!FCopying)
        Changed(false);
}

void TGridColumnItem::Repaint()
{
    if (TProColumnGrid* grid = Grid())
        grid->Invalidate();
}

QString TGridColumnItem::GetDisplayName() const
{
    if (FName.isEmpty())
        return QStringLiteral("Column %1").arg(Index());
    return QStringLiteral("Col %1: %2").arg(Index()).arg(FName);
}

void TGridColumnItem::CopyFrom(const TGridColumnItem* Source, bool All)
{
    FCopying = true;
    FAutoMinSize = Source->FAutoMinSize;
    FAutoMaxSize = Source->FAutoMaxSize;
    FAlignment = Source->FAlignment;
    FBorders = Source->FBorders;
    FBorderPen->Assign(Source->FBorderPen.get());
    FCheckFalse = Source->FCheckFalse;
    FCheckTrue = Source->FCheckTrue;
    FColor = Source->FColor;
    FColumnPopup = Source->FColumnPopup;
    FComboItems->Assign(Source->FComboItems.get());
    FDropDownCount = Source->FDropDownCount;
    FEditLength = Source->FEditLength;
    FEditLink = Source->FEditLink;
    FEditMask = Source->FEditMask;
    FEditor = Source->FEditor;
    FFilter->Assign(Source->FFilter.get());
    FFilterCaseSensitive = Source->FFilterCaseSensitive;
    FFixed = Source->FFixed;
    FFloatFormat = Source->FFloatFormat;
    FFont->Assign(Source->FFont.get());
    FHeader = Source->FHeader;
    FHeaderAlignment = Source->FHeaderAlignment;
    FHeaderFont->Assign(Source->FHeaderFont.get());
    FMinSize = Source->FMinSize;
    FMaxSize = Source->FMaxSize;
    FName = Source->FName;
    FPassword = Source->FPassword;
    FPrintBorders = Source->FPrintBorders;
    FPrintBorderPen->Assign(Source->FPrintBorderPen.get());
    FPrintColor = Source->FPrintColor;
    FPrintFont->Assign(Source->FPrintFont.get());
    FReadOnly = Source->FReadOnly;
    FShowBands = Source->FShowBands;
    FSortStyle = Source->FSortStyle;
    FSortPrefix = Source->FSortPrefix;
    FSortSuffix = Source->FSortSuffix;
    FSpinMax = Source->FSpinMax;
    FSpinMin = Source->FSpinMin;
    FSpinStep = Source->FSpinStep;
    FTag = Source->FTag;
    FWidth = Source->Width();
    DefIdx = Source->DefIdx;
    if (All) {
        FColumnPopupType = Source->FColumnPopupType;
        FPrintBorderCustom = Source->FPrintBorderCustom;
        FPrintFontCustom = Source->FPrintFontCustom;
    }
    if (TProColumnGrid* grid = Grid()) {
        if (FColumnPopup)
            FColumnPopup->FreeNotification(grid);
        if (FEditLink)
            FEditLink->FreeNotification(grid);
    }
    FCopying = false;
}

void TGridColumnItem::Assign(TPersistent* Source)
{
    if (auto* src = dynamic_cast<TGridColumnItem*>(Source))
        CopyFrom(src, false);
}

void TGridColumnItem::AssignVisuals(TPersistent* Source)
{
    auto* src = dynamic_cast<TGridColumnItem*>(Source);
    if (!src)
        return;
    // What stays is put back after the copy.
    TStringList combo;
    combo.Assign(FComboItems.get());
    TFont headerFont;
    headerFont.Assign(FHeaderFont.get());
    const int dropDownCount = FDropDownCount;
    const QString header = FHeader;
    const QString name = FName;
    const int tag = FTag;
    const int defIdx = DefIdx;
    CopyFrom(src, false);
    FCopying = true;
    FComboItems->Assign(&combo);
    FHeaderFont->Assign(&headerFont);
    if (TProColumnGrid* grid = Grid()) {
        FColor = grid->Color();
        FFont->Assign(grid->Font());
    }
    FCopying = false;
    FDropDownCount = dropDownCount;
    FHeader = header;
    FName = name;
    FTag = tag;
    DefIdx = defIdx;
}

// Settings with change rules

int TGridColumnItem::Width() const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->AllColWidths(Index()) : 0;
}

void TGridColumnItem::SetWidth(int Value)
{
    FWidth = Value;
    if (TProColumnGrid* grid = Grid())
        grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value)
{
    FAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetBorders(TCellBorders Value)
{
    FBorders = Value;
    Changed(false);
}

void TGridColumnItem::SetBorderPen(TPen* Value)
{
    FBorderPen->Assign(Value);
}

void TGridColumnItem::SetColor(TColor Value)
{
    FColor = Value;
    Changed(false);
}

void TGridColumnItem::SetFont(TFont* Value)
{
    FFont->Assign(Value);
}

void TGridColumnItem::SetFixed(bool Value)
{
    FFixed = Value;
    Changed(false);
}

void TGridColumnItem::SetPassword(bool Value)
{
    FPassword = Value;
    Changed(false);
}

void TGridColumnItem::SetShowBands(bool Value)
{
    FShowBands = Value;
    Changed(false);
}

void TGridColumnItem::SetFloatFormat(const QString& Value)
{
    FFloatFormat = Value;
    Repaint();
}

void TGridColumnItem::SetHeader(const QString& Value)
{
    FHeader = Value;
    TProColumnGrid* grid = Grid();
    if (!grid)
        return;
    if (grid->FixedRows() > 0 && !grid->ColMoving()) {
        grid->SetCells(Index(), 0, Value);
        Changed(false);
    }
    grid->FillColumnHeaders();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value)
{
    FHeaderAlignment = Value;
    Repaint();
}

void TGridColumnItem::SetHeaderFont(TFont* Value)
{
    FHeaderFont->Assign(Value);
}

void TGridColumnItem::SetEditor(TEditorType Value)
{
    const bool checkBox = FEditor == edDataCheckBox || Value == edDataCheckBox;
    FEditor = Value;
    if (checkBox)
        Repaint();
}

void TGridColumnItem::SetComboItems(TStrings* Value)
{
    FComboItems->Assign(Value);
}

void TGridColumnItem::SetColumnPopup(TPopupMenu* Value)
{
    FColumnPopup = Value;
    if (Value)
        if (TProColumnGrid* grid = Grid())
            Value->FreeNotification(grid);
}

void TGridColumnItem::SetEditLink(TEditLink* Value)
{
    FEditLink = Value;
    if (Value)
        if (TProColumnGrid* grid = Grid())
            Value->FreeNotification(grid);
}

void TGridColumnItem::SetFilter(TStrings* Value)
{
    FFilter->Assign(Value);
}

void TGridColumnItem::SetPrintBorderPen(TPen* Value)
{
    FPrintBorderPen->Assign(Value);
}

void TGridColumnItem::SetPrintFont(TFont* Value)
{
    FPrintFont->Assign(Value);
}

// One row of the column

QString TGridColumnItem::Rows(int ARow) const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->Cells(Index(), ARow) : QString();
}

void TGridColumnItem::SetRows(int ARow, const QString& Value)
{
    if (TProColumnGrid* grid = Grid())
        grid->SetCells(Index(), ARow, Value);
}

int TGridColumnItem::Ints(int ARow) const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->Ints(Index(), ARow) : 0;
}

void TGridColumnItem::SetInts(int ARow, int Value)
{
    if (TProColumnGrid* grid = Grid())
        grid->SetInts(Index(), ARow, Value);
}

double TGridColumnItem::Floats(int ARow) const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->Floats(Index(), ARow) : 0;
}

void TGridColumnItem::SetFloats(int ARow, double Value)
{
    if (TProColumnGrid* grid = Grid())
        grid->SetFloats(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Dates(int ARow) const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->Dates(Index(), ARow) : 0;
}

void TGridColumnItem::SetDates(int ARow, TDateTime Value)
{
    if (TProColumnGrid* grid = Grid())
        grid->SetDates(Index(), ARow, Value);
}

TDateTime TGridColumnItem::Times(int ARow) const
{
    TProColumnGrid* grid = Grid();
    return grid ? grid->Times(Index(), ARow) : 0;
}

void TGridColumnItem::SetTimes(int ARow, TDateTime Value)
{
    if (TProColumnGrid* grid = Grid())
        grid->SetTimes(Index(), ARow, Value);
}

// TGridColumnCollection

TGridColumnCollection::TGridColumnCollection(TProColumnGrid* AOwner)
    : TOwnedCollection(AOwner, [](TCollection* C) { return new TGridColumnItem(C); })
    , FOwner(AOwner)
{
}

TGridColumnItem* TGridColumnCollection::Add()
{
    auto* item = static_cast<TGridColumnItem*>(TCollection::Add());
    if (Count() > 1)
        item->AssignVisuals(Items(Count() - 2));
    return item;
}

TGridColumnItem* TGridColumnCollection::Insert(int Index)
{
    return static_cast<TGridColumnItem*>(TCollection::Insert(Index));
}

void TGridColumnCollection::Update(TCollectionItem* Item)
{
    TOwnedCollection::Update(Item);
    if (UpdateCount() > 0 || FNoRecursiveUpdate || !FOwner || FOwner->IsLoading() || FOwner->IsDestroying())
        return;
    const int n = Count() - FOwner->NumHiddenColumns();
    if (n != FOwner->ColCount() && n > FOwner->FixedCols())
        FOwner->SetColCount(n);
    FOwner->RebuildColumnHeaders();
    FOwner->Invalidate();
}

void TGridColumnCollection::SetOrganization()
{
    if (!FOwner)
        return;
    FOwner->SyncColumnItems();
    for (int i = 0; i < Count(); ++i)
        Items(i)->DefIdx = i;
}

void TGridColumnCollection::ResetOrganization()
{
    if (!FOwner)
        return;
    // A permutation settles within Count passes; the bound keeps any other
    // set of positions from looping.
    for (int pass = 0; pass <= Count(); ++pass) {
        bool moved = false;
        for (int i = 0; i < Count(); ++i) {
            const int target = Items(i)->DefIdx;
            if (target >= 0 && target < i && i < FOwner->ColCount()) {
                FOwner->MoveColumn(i, target);
                moved = true;
            }
        }
        if (!moved)
            break;
    }
}
