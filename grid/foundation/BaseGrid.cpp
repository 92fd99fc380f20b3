// The cell store: texts, properties, merged ranges, geometry and the
// freeing of properties objects.
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "grid/foundation/StringUtils.h"
#include <algorithm>
#include <cmath>

namespace {

const QString IndexError = QStringLiteral("Grid index out of range");

} // namespace

TBaseGrid::TBaseGrid(TComponent* AOwner) : TObjStringGrid(AOwner)
{
    SetGridLineWidth(1);
    TObjStringGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid()
{
    Destroying();
    // Not gated by the flag alone: the derived grid may have cleared it.
    if (!FHasCellProps && FPropCols == 0)
        return;
    // Past the counts too: a count that shrank kept its cells' properties.
    const int cols = std::max(TotalColCount(), FPropCols);
    const int rows = std::min(std::max(RowCount(), FPropRows), Store().LastRow() + 1);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            if (TObject* obj = TObjStringGrid::Objects(c, r)) {
                TObjStringGrid::SetObjects(c, r, nullptr);
                FreePropsObject(obj, true);
            }
}

// Cell text

QString TBaseGrid::GetCellEx(int ACol, int ARow)
{
    TPoint base{ACol, ARow};
    if (TCellProperties* props = PropsAt(ACol, ARow))
        base = BaseOf(props, ACol, ARow);
    QString text = TObjStringGrid::Cells(base.X, base.Y);
    if (base.Y < FNormalRowCount) {
        GetDisplText(base.X, base.Y, text);
        if (OnGetDisplWideText) {
            QString wide = UnpackWideText(text);
            GetDisplWideText(base.X, base.Y, wide);
            text = PackWideText(wide);
        }
    }
    return text;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const QString& Value)
{
    if (TCellProperties* props = PropsAt(ACol, ARow)) {
        TPoint base = BaseOf(props, ACol, ARow);
        TObjStringGrid::SetCells(base.X, base.Y, Value);
        CellChanged(base.X, base.Y);
        if (Parent())
            RepaintCell(ACol, ARow);
    } else {
        TObjStringGrid::SetCells(ACol, ARow, Value);
    }
    if (FHideLastRow && ARow == RowCount() - 1)
        LastRowChanged();
}

QString TBaseGrid::GetGridCell(int ACol, int ARow) const { return TObjStringGrid::Cells(ACol, ARow); }

void TBaseGrid::SetGridCell(int ACol, int ARow, const QString& Value) { TObjStringGrid::SetCells(ACol, ARow, Value); }

// Objects and properties

TObject* TBaseGrid::GetGridObject(int ACol, int ARow) const { return TObjStringGrid::Objects(ACol, ARow); }

void TBaseGrid::SetGridObject(int ACol, int ARow, TObject* Value)
{
    if (Value && !dynamic_cast<TCellProperties*>(Value))
        throw EInvalidGridOperation(QStringLiteral("A cell's object slot holds only its cell properties"));
    TObjStringGrid::SetObjects(ACol, ARow, Value);
    if (Value)
        NoteProps(ACol, ARow);
}

bool TBaseGrid::InGrid(int ACol, int ARow) const
{
    return ACol >= 0 && ARow >= 0 && ACol < TotalColCount() && ARow < RowCount();
}

void TBaseGrid::CheckIndex(int ACol, int ARow) const
{
    if (!InGrid(ACol, ARow))
        throw EInvalidGridOperation(IndexError);
}

TCellProperties* TBaseGrid::PropsAt(int ACol, int ARow) const
{
    if (!InGrid(ACol, ARow))
        return nullptr;
    // The slots hold nothing but properties (see SetGridObject).
    return static_cast<TCellProperties*>(TObjStringGrid::Objects(ACol, ARow));
}

bool TBaseGrid::HasCellProperties(int ACol, int ARow) const { return PropsAt(ACol, ARow) != nullptr; }

TPoint TBaseGrid::BaseOf(const TCellProperties* Props, int ACol, int ARow) const
{
    if (!Props)
        return {ACol, ARow};
    TPoint base = Props->GetBaseCell(ACol, ARow);
    if (base.X < 0 || base.Y < 0 || base.X > ACol || base.Y > ARow)
        return {ACol, ARow};
    return base;
}

void TBaseGrid::NoteProps(int ACol, int ARow)
{
    FPropCols = std::max(FPropCols, ACol + 1);
    FPropRows = std::max(FPropRows, ARow + 1);
}

TCellProperties* TBaseGrid::CellProperties(int ACol, int ARow)
{
    CheckIndex(ACol, ARow);
    if (TCellProperties* props = PropsAt(ACol, ARow))
        return props;
    auto* props = new TCellProperties(this, ACol, ARow);
    TObjStringGrid::SetObjects(ACol, ARow, props);
    NoteProps(ACol, ARow);
    TFont font;
    TBrush brush;
    TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = FWordWrap;
    TCellGradientDirection gd = GradientVertical;
    GetDefaultVisualProperties(ACol, ARow, &font, &brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
    props->FCalcType = acNONE;
    props->FAlignment = ha;
    props->FVAlignment = va;
    props->FWordWrap = ww;
    props->FFontName = font.Name();
    props->FFontSize = font.Size();
    props->FFontStyle = font.Style();
    props->FFontColor = font.Color();
    props->FBrushColor = brush.Color();
    props->FBrushColorTo = colorTo;
    props->FGradientDirection = gd;
    return props;
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, TCellProperties* Value)
{
    CheckIndex(ACol, ARow);
    TObject* old = TObjStringGrid::Objects(ACol, ARow);
    if (old == Value)
        return;
    TObjStringGrid::SetObjects(ACol, ARow, Value);
    if (Value)
        NoteProps(ACol, ARow);
    delete old;
}

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value)
{
    CheckIndex(ACol, ARow);
    // The text goes through the Cells writer around the change, as for a
    // text write; an empty one is restored.
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty)
        SetCellEx(ACol, ARow, QStringLiteral(" "));
    CellProperties(ACol, ARow)->SetCellObject(Value);
    if (empty)
        SetCellEx(ACol, ARow, QString());
}

TObject* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, TObject* Value)
{
    if (IsDestroying())
        return;
    CheckIndex(ACol, ARow);
    const bool empty = GetCellEx(ACol, ARow).isEmpty();
    if (empty)
        SetCellEx(ACol, ARow, QStringLiteral(" "));
    CellProperties(ACol, ARow)->SetGraphicObject(Value);
    if (empty)
        SetCellEx(ACol, ARow, QString());
}

TObject* TBaseGrid::GetGraphicObjectOf(TObject* Props) const
{
    auto* props = dynamic_cast<TCellProperties*>(Props);
    return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::RepaintCell(int c, int r)
{
    if (HandleAllocated())
        InvalidateRect(CellRect(c, r));
}

void TBaseGrid::RepaintProps(TCellProperties* Props)
{
    if (!HandleAllocated())
        return;
    // Usually the object is still where it was made.
    const int oc = Props->OwnerCol(), orow = Props->OwnerRow();
    if (PropsAt(oc, orow) == Props) {
        RepaintCell(oc, orow);
        return;
    }
    // Rows or columns moved: only a shown cell needs repainting.
    const int lastRow = std::min(FRows.LastVisible(FFixedRows, TopRow(), ClientHeight()), RowCount() - 1);
    const int lastCol = std::min(FCols.LastVisible(FFixedCols, LeftCol(), ClientWidth()), ColCount() - 1);
    auto shown = [](int i, int fixed, int first) { return i >= fixed && i < first ? first : i; };
    for (int r = 0; r <= lastRow; r = shown(r + 1, FFixedRows, TopRow()))
        for (int c = 0; c <= lastCol; c = shown(c + 1, FFixedCols, LeftCol())) {
            TCellProperties* props = PropsAt(c, r);
            if (!props)
                continue;
            const TPoint base = BaseOf(props, c, r);
            if (props == Props || PropsAt(base.X, base.Y) == Props) {
                RepaintCell(c, r);
                return;
            }
        }
}

// Merged cells

void TBaseGrid::MergeCells(int c, int r, int spanx, int spany)
{
    CheckIndex(c, r);
    if (spanx >= 1 && spany >= 1 && (spanx > TotalColCount() - c || spany > RowCount() - r))
        throw EInvalidGridOperation(IndexError);
    ++FMergeCount;
    if (spanx < 1 || spany < 1)
        return;
    for (int j = r; j < r + spany; ++j)
        for (int i = c; i < c + spanx; ++i) {
            TCellProperties* props = CellProperties(i, j);
            const bool base = i == c && j == r;
            props->SetIsBaseCell(base);
            props->SetCellSpanX(base ? spanx - 1 : i - c);
            props->SetCellSpanY(base ? spany - 1 : j - r);
        }
    // The base cell's rectangle is the whole range.
    RepaintCell(c, r);
}

void TBaseGrid::SplitCells(int c, int r)
{
    CheckIndex(c, r);
    TCellProperties* props = CellProperties(c, r);
    const TPoint base = BaseOf(props, c, r);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    const int sx = baseProps ? baseProps->CellSpanX() : -1;
    const int sy = baseProps ? baseProps->CellSpanY() : -1;
    if (sx >= 0 && sy >= 0) {
        RepaintCell(base.X, base.Y);
        for (int j = base.Y; j <= base.Y + sy; ++j)
            for (int i = base.X; i <= base.X + sx; ++i)
                if (TCellProperties* cell = PropsAt(i, j)) {
                    cell->SetIsBaseCell(true);
                    cell->SetCellSpanX(-1);
                    cell->SetCellSpanY(-1);
                }
    }
    --FMergeCount;
}

TPoint TBaseGrid::BaseCell(int ACol, int ARow) const { return BaseOf(PropsAt(ACol, ARow), ACol, ARow); }

bool TBaseGrid::IsBaseCell(int ACol, int ARow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    return !props || props->IsBaseCell();
}

bool TBaseGrid::IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    TPoint base = props && !props->IsBaseCell() ? BaseOf(props, ACol, ARow) : TPoint{ACol, ARow};
    BaseCol = base.X;
    BaseRow = base.Y;
    return base.X == ACol && base.Y == ARow;
}

bool TBaseGrid::IsMergedCell(int ACol, int ARow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    return props && (props->CellSpanX() > 0 || props->CellSpanY() > 0);
}

bool TBaseGrid::IsMergedNonBaseCell(int ACol, int ARow) const
{
    return IsMergedCell(ACol, ARow) && !IsBaseCell(ACol, ARow);
}

bool TBaseGrid::IsXMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).X > 0; }

bool TBaseGrid::IsYMergedCell(int ACol, int ARow) const { return CellSpan(ACol, ARow).Y > 0; }

TPoint TBaseGrid::CellSpan(int ACol, int ARow) const
{
    TCellProperties* props = PropsAt(ACol, ARow);
    if (!props || props->CellSpanX() == -1 || props->CellSpanY() == -1)
        return {0, 0};
    const TPoint base = BaseOf(props, ACol, ARow);
    const TCellProperties* baseProps = PropsAt(base.X, base.Y);
    if (!baseProps)
        return {0, 0};
    return {std::max(baseProps->CellSpanX(), 0), std::max(baseProps->CellSpanY(), 0)};
}

TPoint TBaseGrid::CellExt(int ACol, int ARow) const
{
    const TPoint span = CellSpan(ACol, ARow);
    if (span == TPoint{0, 0})
        return {0, 0};
    const TPoint base = BaseCell(ACol, ARow);
    return {base.X + span.X - ACol, base.Y + span.Y - ARow};
}

TRect TBaseGrid::FullCell(int c, int r) const
{
    const TPoint base = BaseCell(c, r);
    const TPoint span = CellSpan(c, r);
    return {base.X, base.Y, base.X + span.X, base.Y + span.Y};
}

int TBaseGrid::MinRowSpan(int ARow) const
{
    int result = RowCount();
    for (int c = 0; c < ColCount(); ++c) {
        const int y = CellSpan(c, ARow).Y;
        if (y > 0)
            result = std::min(result, y);
    }
    return result;
}

int TBaseGrid::MaxRowSpan(int ARow) const
{
    int result = 0;
    for (int c = 0; c < ColCount(); ++c)
        result = std::max(result, CellSpan(c, ARow).Y);
    return result;
}

bool TBaseGrid::RowSpanIdentical(int ARow1, int ARow2) const
{
    bool found = false;
    for (int c = 0; c < ColCount(); ++c) {
        if (CellSpan(c, ARow1).Y <= 0 || CellSpan(c, ARow2).Y <= 0)
            continue;
        found = true;
        if (BaseCell(c, ARow1).Y != BaseCell(c, ARow2).Y)
            return false;
    }
    return found;
}

bool TBaseGrid::ColSpanIdentical(int ACol1, int ACol2) const
{
    bool found = false;
    for (int r = 0; r < RowCount(); ++r) {
        if (CellSpan(ACol1, r).X <= 0 || CellSpan(ACol2, r).X <= 0)
            continue;
        found = true;
        if (BaseCell(ACol1, r).X != BaseCell(ACol2, r).X)
            return false;
    }
    return found;
}

// Geometry

void TBaseGrid::CalcCellRect(int ACol, int ARow, TRect& Rect) const
{
    // The grid's own lines lie inside the cells: positions are plain sums.
    std::int64_t x = FCols.Offset(ACol), y = FRows.Offset(ARow);
    if (ACol >= FFixedCols)
        x += FCols.Offset(FFixedCols) - FCols.Offset(LeftCol());
    if (ARow >= FFixedRows)
        y += FRows.Offset(FFixedRows) - FRows.Offset(TopRow());
    const int w = std::max(ColWidths(ACol), 0), h = std::max(RowHeights(ARow), 0);
    Rect = FlipRect({int(x), int(y), int(x) + w, int(y) + h});
}

TRect TBaseGrid::CellRect(int c, int r) const
{
    TCellProperties* props = PropsAt(c, r);
    if (props && props->CellSpanX() != -1 && props->CellSpanY() != -1) {
        const TPoint base = BaseOf(props, c, r);
        const TPoint span = CellSpan(base.X, base.Y);
        TRect r1, r2;
        CalcCellRect(base.X, base.Y, r1);
        if (r1.Right == r1.Left)
            ++r1.Right;
        CalcCellRect(base.X + span.X, base.Y + span.Y, r2);
        if (r2.Right == r2.Left)
            --r2.Left;
        return {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
                std::max(r1.Bottom, r2.Bottom)};
    }
    if (props && props->Control()) {
        TRect rect;
        CalcCellRect(c, r, rect);
        return rect;
    }
    const TRect shown = TObjStringGrid::CellRect(c, r);
    return {shown.Left, shown.Top, shown.Left + ColWidths(c), shown.Top + RowHeights(r)};
}

TPoint TBaseGrid::CellSize(int c, int r) const
{
    TRect rect;
    CalcCellRect(c, r, rect);
    if (IsMergedCell(c, r)) {
        const TPoint base = BaseCell(c, r);
        const TPoint span = CellSpan(c, r);
        TRect r1, r2;
        CalcCellRect(base.X, base.Y, r1);
        CalcCellRect(base.X + span.X, base.Y + span.Y, r2);
        rect = {std::min(r1.Left, r2.Left), std::min(r1.Top, r2.Top), std::max(r1.Right, r2.Right),
                std::max(r1.Bottom, r2.Bottom)};
    }
    return {rect.Width(), rect.Height()};
}

int TBaseGrid::FixedColsWidth() const { return int(FCols.Offset(FFixedCols)); }

int TBaseGrid::FixedRowsHeight() const { return int(FRows.Offset(FFixedRows)); }

// Cell-properties housekeeping

void TBaseGrid::ResetCol(int ACol)
{
    for (int r = 0; r < RowCount(); ++r) {
        TObjStringGrid::SetObjects(ACol, r, nullptr);
        TObjStringGrid::SetCells(ACol, r, QString());
    }
}

void TBaseGrid::ResetRow(int ARow)
{
    for (int c = 0; c < ColCount(); ++c) {
        TObjStringGrid::SetObjects(c, ARow, nullptr);
        TObjStringGrid::SetCells(c, ARow, QString());
    }
}

void TBaseGrid::ResetCell(int ACol, int ARow)
{
    SetCellEx(ACol, ARow, QString());
    TObjStringGrid::SetObjects(ACol, ARow, nullptr);
}

void TBaseGrid::FreePropsObject(TObject* Obj, bool WithGraphic)
{
    auto* props = static_cast<TCellProperties*>(Obj);
    if (WithGraphic) {
        TObject* graphic = props->GraphicObject();
        if (graphic && graphic->ClassName() == QLatin1String("TCellGraphic"))
            delete graphic;
    }
    delete props;
}

void TBaseGrid::FreeCellProps(int ACol, int ARow)
{
    if (TObject* obj = TObjStringGrid::Objects(ACol, ARow)) {
        TObjStringGrid::SetObjects(ACol, ARow, nullptr);
        FreePropsObject(obj, false);
    }
}

void TBaseGrid::FreeCellPropsRect(int FromCol, int FromRow, int ToCol, int ToRow)
{
    if (!FHasCellProps)
        return;
    for (int r = std::max(FromRow, 0); r <= ToRow; ++r)
        for (int c = std::max(FromCol, 0); c <= ToCol; ++c)
            if (TObject* obj = TObjStringGrid::Objects(c, r)) {
                TObjStringGrid::SetObjects(c, r, nullptr);
                FreePropsObject(obj, true);
            }
}

void TBaseGrid::DeleteColumn(int ACol)
{
    if (FHasCellProps && ACol >= 0 && ACol < ColCount())
        FreeCellPropsRect(ACol, 0, ACol, std::min(std::max(RowCount(), FPropRows), Store().LastRow() + 1) - 1);
    TObjStringGrid::DeleteColumn(ACol);
}

void TBaseGrid::DeleteRow(int ARow)
{
    if (FHasCellProps && ARow >= 0 && ARow < RowCount())
        FreeCellPropsRect(0, ARow, std::max(TotalColCount(), FPropCols) - 1, ARow);
    TObjStringGrid::DeleteRow(ARow);
}

void TBaseGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    // Cells cut off keep their properties until they are freed.
    if (FHasCellProps) {
        FPropCols = std::max(FPropCols, OldColCount);
        FPropRows = std::max(FPropRows, OldRowCount);
    }
    TObjStringGrid::SizeChanged(OldColCount, OldRowCount);
}

// Look

void TBaseGrid::SetDefaultDrawing(bool Value)
{
    FDefaultDrawing = Value;
    TObjStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetGridLineWidth(int Value)
{
    FGridLineWidth = Value;
    TObjStringGrid::SetGridLineWidth(0);
    Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value)
{
    FGridLineColor = Value;
    Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value)
{
    FGridFixedLineColor = Value;
    Invalidate();
}

namespace {

template <typename T>
bool StoreChanged(T& Field, T Value)
{
    if (Field == Value)
        return false;
    Field = Value;
    return true;
}

} // namespace

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value)
{
    if (StoreChanged(FSelectionStyle, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowShow(bool Value)
{
    if (StoreChanged(FActiveRowShow, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowColor(TColor Value)
{
    if (StoreChanged(FActiveRowColor, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowColorTo(TColor Value)
{
    if (StoreChanged(FActiveRowColorTo, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColor(TColor Value)
{
    if (StoreChanged(FActiveRowMirrorColor, Value))
        Invalidate();
}

void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value)
{
    if (StoreChanged(FActiveRowMirrorColorTo, Value))
        Invalidate();
}

void TBaseGrid::SetUndoRedo(TProGridUndoRedo* Value)
{
    FUndoRedo = Value;
    if (Value) {
        FreeNotification(Value);
        Value->SetGrid(this);
    }
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent == FUndoRedo)
        FUndoRedo = nullptr;
    TObjStringGrid::Notification(AComponent, Operation);
}

void TBaseGrid::ChangeScale(int M, int D)
{
    // Column widths and row heights keep their sizes.
    if (M == D || D == 0)
        return;
    if (!ParentFont())
        Font()->SetHeight(int(std::lround(double(Font()->Height()) * M / D)));
}

// Hooks

bool TBaseGrid::IsFixed(int, int) { return false; }

int TBaseGrid::GetNodeIndent(int) { return 0; }

bool TBaseGrid::HasNodes() { return false; }

void TBaseGrid::LastRowChanged() {}

void TBaseGrid::GetDisplText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplText)
        OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDisplWideText(int ACol, int ARow, QString& Value)
{
    if (OnGetDisplWideText)
        OnGetDisplWideText(this, ACol, ARow, Value);
}

void TBaseGrid::GetDefaultVisualProperties(int, int, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                           TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                           TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    AFont->Assign(Font());
    ABrush->SetColor(Color());
    AColorTo = clNone;
    AMirrorColor = clNone;
    AMirrorColorTo = clNone;
    HA = taLeftJustify;
    VA = vtaTop;
    WW = FWordWrap;
    GD = GradientVertical;
}

void TBaseGrid::CellChanged(int, int) {}

bool TBaseGrid::HasCustomCellBorders() { return false; }

bool TBaseGrid::IsStyled() { return false; }

void TBaseGrid::GetVisualProperties(int, int, TGridDrawState&, bool, bool, bool, TBrush*, TColor&, TColor&, TColor&,
                                    TFont*, TAlignment&, TVAlignment&, bool&, TCellGradientDirection&)
{
}

int TBaseGrid::DisplColIndex(int ACol) { return ACol; }

int TBaseGrid::TotalColCount() const { return ColCount(); }
