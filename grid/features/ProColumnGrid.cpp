// The column grid: items kept one per real column, and the string grid's
// per-cell questions answered from them.
#include "grid/features/ProColumnGrid.h"
#include "grid/core/CellEditors.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>

namespace {

// Sets a flag for a scope and puts back what it was.
class TFlagScope {
public:
    TFlagScope(bool& Flag) : FFlag(Flag), FOld(Flag) { FFlag = true; }
    ~TFlagScope() { FFlag = FOld; }

private:
    bool& FFlag;
    bool FOld;
};

} // namespace

TProColumnGrid::TProColumnGrid(TComponent* AOwner)
    : TProStringGrid(AOwner)
    , FSaveCol(std::make_unique<TGridColumnItem>())
    , FCellGraphic(std::make_unique<TCellGraphic>())
{
}

TProColumnGrid::~TProColumnGrid()
{
    FColumnCollection.reset();
    FCellGraphic.reset();
    FSaveCol.reset();
}

TGridColumnCollection* TProColumnGrid::CreateColumns() { return new TGridColumnCollection(this); }

TGridColumnCollection* TProColumnGrid::Columns()
{
    if (!FColumnCollection) {
        FColumnCollection.reset(CreateColumns());
        SyncColumnItems();
    }
    return FColumnCollection.get();
}

void TProColumnGrid::SetColumns(TGridColumnCollection* Value) { Columns()->Assign(Value); }

TGridColumnItem* TProColumnGrid::ColumnItem(int ACol)
{
    if (ACol < 0 || IsDestroying())
        return nullptr;
    TGridColumnCollection* columns = Columns();
    return ACol < columns->Count() ? columns->Items(ACol) : nullptr;
}

TGridColumnItem* TProColumnGrid::NormalItem(int ACol, int ARow)
{
    return ACol >= FixedCols() && ARow >= FixedRows() ? ColumnItem(ACol) : nullptr;
}

bool TProColumnGrid::IsNormalCell(int ACol, int ARow)
{
    return ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols() && ARow >= FixedRows() &&
           ARow < RowCount() - FixedFooters();
}

void TProColumnGrid::SetColCount(int Value)
{
    TProStringGrid::SetColCount(Value);
    SyncColumnItems();
}

void TProColumnGrid::SyncColumnItems()
{
    TGridColumnCollection* columns = Columns();
    TFlagScope quiet(columns->FNoRecursiveUpdate);
    const int wanted = TotalColCount();
    while (columns->Count() < wanted)
        columns->Add();
    while (columns->Count() > wanted)
        columns->Delete(columns->Count() - 1);
}

TGridColumnItem* TProColumnGrid::GetColumnByName(const QString& AValue)
{
    TGridColumnCollection* columns = Columns();
    for (int i = 0; i < columns->Count(); ++i)
        if (columns->Items(i)->Name() == AValue)
            return columns->Items(i);
    return nullptr;
}

QString TProColumnGrid::GetVersionString()
{
    const unsigned v = unsigned(GetVersionNr());
    return QStringLiteral("%1.%2.%3.%4 Aug, 2012").arg(v >> 24).arg((v >> 16) & 0xFF).arg((v >> 8) & 0xFF).arg(v & 0xFF);
}

// Headers

void TProColumnGrid::FillColumnHeaders()
{
    // A plain copy: the list's own change handler would write every entry
    // into row 0 and blank headers written there directly.
    TStringList* headers = ColumnHeaders();
    TNotifyEvent onChange = std::move(headers->OnChange);
    headers->OnChange = nullptr;
    try {
        headers->Clear();
        TGridColumnCollection* columns = Columns();
        for (int i = 0; i < columns->Count(); ++i)
            headers->Add(columns->Items(i)->Header());
    } catch (...) {
        headers->OnChange = std::move(onChange);
        throw;
    }
    headers->OnChange = std::move(onChange);
}

void TProColumnGrid::RebuildColumnHeaders()
{
    if (FixedRows() <= 0)
        return;
    TGridColumnCollection* columns = Columns();
    for (int i = 0; i < columns->Count(); ++i) {
        TGridColumnItem* item = columns->Items(i);
        if (item->Header().isEmpty()) {
            const QString text = Cells(i, 0);
            if (!text.isEmpty())
                item->FHeader = text;
        }
    }
    FillColumnHeaders();
}

void TProColumnGrid::SyncColumnHeaders()
{
    TStringList* headers = ColumnHeaders();
    TGridColumnCollection* columns = Columns();
    for (int i = 0; i < columns->Count() && i < headers->Count(); ++i)
        columns->Items(i)->FHeader = headers->Strings(i);
}

// Life cycle

void TProColumnGrid::Loaded()
{
    TProStringGrid::Loaded();
    SyncColumnItems();
    Columns()->SetOrganization();
}

void TProColumnGrid::CellsLoaded()
{
    TProStringGrid::CellsLoaded();
    SyncColumnItems();
}

void TProColumnGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    TProStringGrid::Notification(AComponent, Operation);
    if (Operation != TOperation::opRemove || !FColumnCollection)
        return;
    for (int i = 0; i < FColumnCollection->Count(); ++i) {
        TGridColumnItem* item = FColumnCollection->Items(i);
        if (item->FColumnPopup == AComponent)
            item->FColumnPopup = nullptr;
        if (item->FEditLink == AComponent)
            item->FEditLink = nullptr;
    }
}

// Columns moving, sizing, inserted and removed

void TProColumnGrid::ColumnMoved(int FromIndex, int ToIndex)
{
    TGridColumnCollection* columns = Columns();
    TFlagScope quiet(columns->FNoRecursiveUpdate);
    const int realFrom = DisplToRealCol(FromIndex);
    const int realTo = DisplToRealCol(ToIndex);
    TProStringGrid::ColumnMoved(FromIndex, ToIndex);
    if (realFrom >= columns->Count() || realTo >= columns->Count() || realFrom < 0 || realTo < 0)
        return;
    const int top = TopRow();
    BeginUpdate();
    {
        TFlagScope moving(FColMoving);
        // The item itself moves, so nothing of its settings is lost.
        columns->Items(realFrom)->SetIndex(realTo);
        SetTopRow(top);
    }
    EndUpdate();
    if (OnAfterColumnMoved)
        OnAfterColumnMoved(this, realFrom, realTo);
}

void TProColumnGrid::ColWidthsChanged()
{
    TProStringGrid::ColWidthsChanged();
    if (IsLoading() || IsDestroying() || !FColumnCollection)
        return;
    for (int d = 0; d < ColCount(); ++d) {
        const int c = DisplToRealCol(d);
        if (c < FColumnCollection->Count())
            FColumnCollection->Items(c)->FWidth = ColWidths(d);
    }
}

void TProColumnGrid::InsertCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    TProStringGrid::InsertCols(ColIndex, CCount);
    const int added = TotalColCount() - before;
    TGridColumnCollection* columns = Columns();
    TFlagScope quiet(columns->FNoRecursiveUpdate);
    for (int i = 0; i < added && ColIndex <= columns->Count(); ++i)
        columns->Insert(ColIndex);
}

void TProColumnGrid::RemoveCols(int ColIndex, int CCount)
{
    const int before = TotalColCount();
    TProStringGrid::RemoveCols(ColIndex, CCount);
    const int removed = before - TotalColCount();
    TGridColumnCollection* columns = Columns();
    // One update at the end: the counts agree again by then.
    columns->BeginUpdate();
    for (int i = 0; i < removed && ColIndex < columns->Count(); ++i)
        columns->Delete(ColIndex);
    columns->EndUpdate();
}

void TProColumnGrid::Group(int Colindex)
{
    if (TGridColumnItem* item = ColumnItem(Colindex))
        FSaveCol->CopyFrom(item, true);
    TProStringGrid::Group(Colindex);
}

void TProColumnGrid::UnGroup()
{
    const int grouped = GroupColumn();
    TProStringGrid::UnGroup();
    if (grouped < 0 || GroupColumn() != -1)
        return;
    if (TGridColumnItem* item = ColumnItem(grouped))
        item->CopyFrom(FSaveCol.get(), true);
}

void TProColumnGrid::UpdateColSize(int ACol, int& AWidth)
{
    if (TGridColumnItem* item = ColumnItem(ACol)) {
        if (item->MinSize() > 0 && AWidth < item->MinSize())
            AWidth = item->MinSize();
        if (item->MaxSize() > 0 && AWidth > item->MaxSize())
            AWidth = item->MaxSize();
    }
    TProStringGrid::UpdateColSize(ACol, AWidth);
}

void TProColumnGrid::UpdateAutoColSize(int ACol, int& AWidth)
{
    if (TGridColumnItem* item = ColumnItem(ACol)) {
        if (item->AutoMinSize() > 0 && AWidth < item->AutoMinSize())
            AWidth = item->AutoMinSize();
        if (item->AutoMaxSize() > 0 && AWidth > item->AutoMaxSize())
            AWidth = item->AutoMaxSize();
    }
    TProStringGrid::UpdateAutoColSize(ACol, AWidth);
}

void TProColumnGrid::ChangeScale(int M, int D)
{
    TProStringGrid::ChangeScale(M, D);
    if (M == D || D == 0)
        return;
    auto scale = [M, D](TFont* Font) { Font->SetSize(int(std::lround(double(Font->Size()) * M / D))); };
    // Hidden columns too: they show with the others' scale when shown again.
    TGridColumnCollection* columns = Columns();
    columns->BeginUpdate();
    for (int i = 0; i < columns->Count(); ++i) {
        scale(columns->Items(i)->Font());
        scale(columns->Items(i)->HeaderFont());
    }
    columns->EndUpdate();
}

// Mouse

void TProColumnGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TProStringGrid::MouseDown(Button, Shift, X, Y);
    ShowColumnPopup(Button, X, Y);
}

void TProColumnGrid::ShowColumnPopup(TMouseButton Button, int X, int Y)
{
    int c = -1;
    int r = -1;
    MouseToCell(X, Y, c, r);
    if (c < 0 || r < 0)
        return;
    const int realCol = DisplToRealCol(c);
    TGridColumnItem* item = ColumnItem(realCol);
    TPopupMenu* menu = item ? item->ColumnPopup() : nullptr;
    if (!menu)
        return;
    const TColumnPopupType type = item->ColumnPopupType();
    const bool leftType = type == cpFixedCellsLClick || type == cpNormalCellsLClick || type == cpAllCellsLClick;
    if (!((Button == mbLeft && leftType) || (Button == mbRight && !leftType)))
        return;
    if (OnColumnPopup)
        OnColumnPopup(this, realCol, r, menu);
    const bool all = type == cpAllCellsLClick || type == cpAllCellsRClick;
    const bool fixedType = type == cpFixedCellsLClick || type == cpFixedCellsRClick;
    const bool fixedRow = r < FixedRows();
    if (!all && fixedType != fixedRow)
        return;
    const TRect R = TProStringGrid::CellRect(c, r);
    const TPoint p = ClientToScreen(TPoint{R.Left, R.Bottom});
    menu->Popup(p.X, p.Y);
}

// Editing

int TProColumnGrid::GetEditLimit()
{
    const int c = Col();
    if (c >= FixedCols())
        if (TGridColumnItem* item = ColumnItem(DisplToRealCol(c)))
            return item->EditLength();
    return TProStringGrid::GetEditLimit();
}

QString TProColumnGrid::GetEditMask(int ACol, int ARow)
{
    QString mask;
    if (ACol >= FixedCols())
        if (TGridColumnItem* item = ColumnItem(DisplToRealCol(ACol)))
            mask = item->EditMask();
    const QString own = TProStringGrid::GetEditMask(ACol, ARow);
    return own.isEmpty() ? mask : own;
}

// Per-cell questions

void TProColumnGrid::GetDefaultVisualProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                                TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    TGridColumnItem* item = ColumnItem(ACol);
    if (!item) {
        TProStringGrid::GetDefaultVisualProperties(ACol, ARow, AFont, ABrush, AColorTo, AMirrorColor, AMirrorColorTo,
                                                   HA, VA, WW, GD);
        return;
    }
    AFont->Assign(item->Font());
    ABrush->SetColor(item->Color());
    AColorTo = clNone;
    HA = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
    VA = VAlignment();
    WW = WordWrap();
    GD = GradientVertical;
    // A new record never freezes a fixed or banded look into the cell.
    if (IsFixed(RealToDisplCol(ACol), ARow) || (Bands()->Active() && item->ShowBands())) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

QString TProColumnGrid::GetFormattedCell(int ACol, int ARow)
{
    TGridColumnItem* item = ColumnItem(ACol);
    if (!item)
        return TProStringGrid::GetFormattedCell(ACol, ARow);
    const QString text = Cells(ACol, ARow);
    QString fmt = item->FloatFormat();
    const int kind = ClassifyNumberText(text);
    bool isFloat = kind == ntInteger || kind == ntFloat;
    if (OnGetFloatFormat)
        OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    if (fmt.isEmpty() || !isFloat)
        return text;
    try {
        return Format(fmt, {Floats(ACol, ARow)});
    } catch (const Exception&) {
        return text;
    }
}

void TProColumnGrid::GetCellFloatFormat(int ACol, int ARow, QString& Fmt)
{
    TProStringGrid::GetCellFloatFormat(ACol, ARow, Fmt);
    if (TGridColumnItem* item = ColumnItem(ACol))
        if (!item->FloatFormat().isEmpty())
            Fmt = item->FloatFormat();
}

void TProColumnGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    TGridColumnItem* item = ColumnItem(ACol);
    // The header rows take the column's header font, the footer rows and
    // fixed columns the grid's look.
    if (item && ACol >= FixedCols() && ACol < TotalColCount() - FixedRightCols() && ARow < RowCount() - FixedFooters()) {
        const bool headerRow = ARow < FixedRows();
        if (item->Fixed())
            ABrush->SetColor(FixedColor());
        else if (!headerRow && !(item->ShowBands() && Bands()->Active()))
            ABrush->SetColor(item->Color());
        AFont->Assign(headerRow ? item->HeaderFont() : item->Font());
        if (HasCellProperties(ACol, ARow)) {
            TCellProperties* props = CellProperties(ACol, ARow);
            if (props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            if (props->FontColor() != clNone)
                AFont->SetColor(props->FontColor());
        }
    }
    TProStringGrid::GetCellColor(ACol, ARow, AState, ABrush, AFont);
}

void TProColumnGrid::GetCellPrintColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (TGridColumnItem* item = ColumnItem(ACol)) {
        if (!IsNormalCell(ACol, ARow)) {
            AFont->Assign(PrintSettings()->FixedFont());
        } else {
            TCellProperties* props = HasCellProperties(ACol, ARow) ? CellProperties(ACol, ARow) : nullptr;
            if (item->Fixed())
                ABrush->SetColor(FixedColor());
            else if (!(item->ShowBands() && Bands()->Active() && Bands()->Print()))
                ABrush->SetColor(item->PrintColor());
            if (props && props->BrushColor() != clNone)
                ABrush->SetColor(props->BrushColor());
            if (item->PrintFontCustom()) {
                AFont->Assign(item->PrintFont());
                if (props)
                    props->ApplyFontTo(AFont);
            } else {
                AFont->Assign(PrintSettings()->Font());
            }
        }
    }
    TProStringGrid::GetCellPrintColor(ACol, ARow, AState, ABrush, AFont);
}

void TProColumnGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    if (TGridColumnItem* item = NormalItem(ACol, ARow)) {
        Borders = item->Borders();
        APen->Assign(item->BorderPen());
    }
    TProStringGrid::GetCellBorder(ACol, ARow, APen, Borders);
}

void TProColumnGrid::GetCellPrintBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    TGridColumnItem* item = NormalItem(ACol, ARow);
    if (item && item->PrintBorderCustom()) {
        Borders = item->PrintBorders();
        APen->Assign(item->PrintBorderPen());
    }
    TProStringGrid::GetCellPrintBorder(ACol, ARow, APen, Borders);
}

void TProColumnGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (TGridColumnItem* item = ColumnItem(ACol)) {
        HAlign = ARow < FixedRows() ? item->HeaderAlignment() : item->Alignment();
        if (HasCellProperties(ACol, ARow))
            HAlign = CellProperties(ACol, ARow)->Alignment();
    }
    TProStringGrid::GetCellAlignment(ACol, ARow, HAlign, VAlign);
}

void TProColumnGrid::GetSortFormat(int ACol, TSortStyle& AStyle, QString& APrefix, QString& ASuffix)
{
    if (TGridColumnItem* item = ColumnItem(ACol)) {
        AStyle = item->SortStyle();
        APrefix = item->SortPrefix();
        ASuffix = item->SortSuffix();
    }
    TProStringGrid::GetSortFormat(ACol, AStyle, APrefix, ASuffix);
}

void TProColumnGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    // The grid-wide FloatFormat stays: a column's format reaches its cells
    // through GetCellFloatFormat.
    if (TGridColumnItem* item = NormalItem(ACol, ARow)) {
        AEditor = item->Editor();
        SetEditLink(item->EditLink());
        ControlLook()->SetDropDownCount(item->DropDownCount());
        // The shared editors take the column's list and range.
        if ((AEditor == edComboEdit || AEditor == edComboList) && Combobox())
            Combobox()->Items()->Assign(item->ComboItems());
        if (AEditor == edSpinEdit) {
            TGridSpin* spin = SpinEdit();
            spin->SetMinValue(item->SpinMin());
            spin->SetMaxValue(item->SpinMax());
            spin->SetIncrement(item->SpinStep());
        }
    }
    TProStringGrid::GetCellEditor(ACol, ARow, AEditor);
}

void TProColumnGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (ACol >= FixedCols() && ARow >= FixedRows())
        if (TGridColumnItem* item = ColumnItem(DisplToRealCol(ACol)))
            IsFixed = item->Fixed();
    TProStringGrid::IsFixedCell(ACol, ARow, IsFixed);
}

void TProColumnGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    TGridColumnItem* item = ColumnItem(ACol);
    if (!item) {
        TProStringGrid::CanEditCell(ACol, ARow, CanEdit);
        return;
    }
    CanEdit = false;
    const TPoint base = BaseCell(ACol, ARow);
    if (!IsLoading() && ACol >= FixedCols() && ARow >= FixedRows()) {
        CanEdit = !(item->ReadOnly() || item->Fixed());
        if (CanEdit && HasCellProperties(base.X, base.Y))
            CanEdit = !CellProperties(base.X, base.Y)->ReadOnly();
    }
    DoCanEditCell(base.X, base.Y, CanEdit);
}

void TProColumnGrid::IsPasswordCell(int ACol, int ARow, bool& IsPassword)
{
    if (TGridColumnItem* item = ColumnItem(ACol))
        IsPassword = item->Password();
    TProStringGrid::IsPasswordCell(ACol, ARow, IsPassword);
}

bool TProColumnGrid::HasComboBox(int ACol, int ARow)
{
    if (!ColumnItem(ACol))
        return TProStringGrid::HasComboBox(ACol, ARow);
    TGridColumnItem* item = NormalItem(ACol, ARow);
    bool has = item && (item->Editor() == edComboEdit || item->Editor() == edComboList);
    if (OnHasComboBox)
        OnHasComboBox(this, ACol, ARow, has);
    return has;
}

void TProColumnGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    TProStringGrid::GetCheckTrue(ACol, ARow, Value);
    if (IsNormalCell(ACol, ARow))
        if (TGridColumnItem* item = ColumnItem(ACol))
            Value = item->CheckTrue();
}

void TProColumnGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    TProStringGrid::GetCheckFalse(ACol, ARow, Value);
    if (IsNormalCell(ACol, ARow))
        if (TGridColumnItem* item = ColumnItem(ACol))
            Value = item->CheckFalse();
}

TCellType TProColumnGrid::GetCellType(int ACol, int ARow)
{
    const TCellType type = TProStringGrid::GetCellType(ACol, ARow);
    if (type != ctEmpty || IsDestroying() || !IsNormalCell(ACol, ARow))
        return type;
    TGridColumnItem* item = ColumnItem(ACol);
    return item && item->Editor() == edDataCheckBox ? ctDataCheckBox : type;
}

TCellGraphic* TProColumnGrid::GetCellGraphic(int ACol, int ARow)
{
    TCellGraphic* graphic = TProStringGrid::GetCellGraphic(ACol, ARow);
    if (graphic || IsDestroying() || !FCellGraphic || !IsNormalCell(ACol, ARow))
        return graphic;
    TGridColumnItem* item = ColumnItem(ACol);
    if (!item || item->Editor() != edDataCheckBox)
        return nullptr;
    FCellGraphic->SetCellType(ctVirtCheckBox);
    FCellGraphic->SetCellTransparent(ControlLook()->ControlStyle() == csFlat);
    return FCellGraphic.get();
}
