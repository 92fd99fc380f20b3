#include "grid/core/ControlLook.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"

// Every question about one cell, answered by the grid and then by its
// event. Callers (painting, editing, input, the writers) ask here.

void TProStringGrid::GetCellColor(int ACol, int ARow, TGridDrawState AState, TBrush* ABrush, TFont* AFont)
{
    if (FActiveCellShow) {
        // Only the innermost fixed column and row show the current cell.
        const int c = RealToDisplCol(ACol);
        if ((ARow == Row() && FixedCols() > 0 && c == FixedCols() - 1) ||
            (c == Col() && FixedRows() > 0 && ARow == FixedRows() - 1)) {
            AFont->Assign(FActiveCellFont.get());
            ABrush->SetColor(FActiveCellColor);
        }
    }
    if (HasCellProperties(ACol, ARow)) {
        TCellProperties* props = GetGridCellProps(ACol, ARow);
        // Cells that draw a control or picture of their own keep the grid's background.
        static const Set<TCellType> plain{ctIcon, ctNone, ctImageList, ctEmpty, ctImages, ctComment};
        if (plain.Contains(GetCellType(ACol, ARow)) && props->BrushColor() != clNone)
            ABrush->SetColor(props->BrushColor());
        props->ApplyFontTo(AFont);
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TProStringGrid::GetCellBorder(int ACol, int ARow, TPen* APen, TCellBorders& Borders)
{
    // Group headers are underlined and summaries overlined, column 0 aside.
    if (ACol > 0 && FGrouping->HeaderUnderline() && IsNode(ARow)) {
        Borders = {cbBottom};
        APen->SetColor(FGrouping->HeaderLineColor());
        APen->SetWidth(FGrouping->HeaderLineWidth());
    }
    if (ACol > 0 && FGrouping->SummaryLine() && IsSummary(ARow)) {
        Borders = {cbTop};
        APen->SetColor(FGrouping->SummaryLineColor());
        APen->SetWidth(FGrouping->SummaryLineWidth());
    }
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TProStringGrid::GetCellAlignment(int ACol, int ARow, TAlignment& HAlign, TVAlignment& VAlign)
{
    if (FMouseActions->HotmailRowSelect() && RealToDisplCol(ACol) == 0)
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

QString TProStringGrid::GetFormattedCell(int ACol, int ARow)
{
    QString result = Cells(ACol, ARow);
    if (!OnGetFloatFormat)
        return result;
    const int kind = ClassifyNumberText(result);
    bool isFloat = kind == ntInteger || kind == ntFloat || kind == ntScientific;
    QString fmt;
    if (isFloat) {
        fmt = FFloatFormat;
        OnGetFloatFormat(this, ACol, ARow, isFloat, fmt);
    }
    if (!isFloat || fmt.isEmpty())
        return result;
    try {
        if (fmt.contains(u'd'))
            return Format(fmt, {Ints(ACol, ARow)});
        return Format(fmt, {Floats(ACol, ARow)});
    } catch (const Exception&) {
        return result;
    }
}

void TProStringGrid::GetCellEditorType(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TProStringGrid::GetCellEditor(int ACol, int ARow, TEditorType& AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TProStringGrid::HasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TProStringGrid::IsFixedCell(int ACol, int ARow, bool& IsFixed)
{
    if (IsFixed)
        return;
    IsFixed = (FFixedRowAlways && ARow <= FFixedRowsMin && RowCount() == FFixedRowsMin) ||
              (FFixedColAlways && ACol < FFixedColsMin && ColCount() == FFixedColsMin) || ACol < FixedCols() ||
              ARow < FixedRows();
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

bool TProStringGrid::IsFixed(int ACol, int ARow)
{
    if (ARow >= RowCount() - FFixedFooters || (ACol >= ColCount() - FFixedRightCols && ACol < ColCount()))
        return true;
    const TPoint base = BaseCell(ACol, ARow);
    bool fixed = false;
    IsFixedCell(base.X, base.Y, fixed);
    return fixed;
}

void TProStringGrid::CanEditCell(int ACol, int ARow, bool& CanEdit)
{
    const TPoint base = BaseCell(ACol, ARow);
    if (HasCellProperties(base.X, base.Y) && CanEdit) {
        CanEdit = !GetGridCellProps(base.X, base.Y)->ReadOnly();
        if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit())
            CanEdit = false;
    }
    if (base.X < ColCount() + FNumHidden)
        DoCanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

bool TProStringGrid::HasComboBox(int ACol, int ARow)
{
    if (OnHasComboBox) {
        bool has = false;
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (!FControlLook->DropDownAlwaysVisible())
        return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditor(ACol, ARow, editor);
    return editor == edComboEdit || editor == edComboList;
}

bool TProStringGrid::HasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    if (OnHasSpinEdit) {
        bool has = false;
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (!FControlLook->SpinButtonsAlwaysVisible())
        return false;
    TEditorType editor = FDefaultEditor;
    GetCellEditorType(ACol, ARow, editor);
    return editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
}

void TProStringGrid::GetCheckTrue(int ACol, int ARow, QString& Value)
{
    Value = FCheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TProStringGrid::GetCheckFalse(int ACol, int ARow, QString& Value)
{
    Value = FCheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

void TProStringGrid::GetCellHint(int ACol, int ARow, QString& HintStr, QString& WideHintStr)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, HintStr);
    if (OnGridWideHint)
        OnGridWideHint(this, ARow, ACol, WideHintStr);
    if (!WideHintStr.isEmpty())
        HintStr = PackWideText(WideHintStr);
}

TCursor TProStringGrid::GetCellCursor(int ACol, int ARow, int X, int Y)
{
    TCursor cursor = Cursor();
    if (OnGetCellCursor)
        OnGetCellCursor(this, ACol, ARow, X, Y, cursor);
    return cursor;
}

void TProStringGrid::GetDefaultVisualProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                                TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                                TVAlignment& VA, bool& WW, TCellGradientDirection& GD)
{
    TGridDrawState state;
    GetVisualProperties(ACol, ARow, state, false, false, false, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont,
                        HA, VA, WW, GD);
    // A new record never freezes a fixed, banded, gradient or selected look.
    const TBackGroundDisplay display = FBackGround->Display();
    if (IsFixed(ACol, ARow) || FBands->Active() || display == bdGradientHorz || display == bdGradientVert ||
        state.Contains(gdSelected)) {
        ABrush->SetColor(clNone);
        AColorTo = clNone;
    }
}

TFont* TProStringGrid::GetCellFont(int ACol, int ARow)
{
    if (!HasCellProperties(ACol, ARow))
        return Font();
    TCellProperties* props = GetGridCellProps(ACol, ARow);
    FCellFont->SetName(props->FontName());
    FCellFont->SetSize(props->FontSize());
    FCellFont->SetStyle(props->FontStyle());
    FCellFont->SetColor(props->FontColor());
    return FCellFont.get();
}

void TProStringGrid::GetDisplText(int ACol, int ARow, QString& Value)
{
    TBaseGrid::GetDisplText(ACol, ARow, Value);
    if (FURLShowInText) {
        static const char* const prefixes[] = {"HTTP://",  "WWW.",    "MAILTO:", "HTTPS://",
                                               "NNTP://", "FILE://", "FTP://"};
        for (const char* prefix : prefixes) {
            QString linked;
            if (MakeURLLink(Value, QString::fromLatin1(prefix), linked)) {
                Value = linked;
                break;
            }
        }
    }
    // A group header shows how many rows its group holds.
    if (FGrouping->ShowGroupCount() && ACol == 1 && IsNode(ARow)) {
        const int count = GetNodeSpan(ARow) - GetSubNodeCount(ARow) - 1;
        const QString& fmt = FGrouping->GroupCountFormat();
        Value += fmt.isEmpty() ? QStringLiteral(" (%1)").arg(count) : Format(fmt, {count});
    }
}

void TProStringGrid::UpdateColSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TProStringGrid::UpdateAutoColSize(int ACol, int& AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TProStringGrid::GetEditorProp(int ACol, int ARow, TEditLink* AEditLink)
{
    if (OnGetEditorProp)
        OnGetEditorProp(this, ACol, ARow, AEditLink);
    if (OnGetEditorPropInt)
        OnGetEditorPropInt(this, ACol, ARow);
}

QString TProStringGrid::DoEllipsClick(const QString& Text)
{
    QString s = Text;
    if (OnEllipsClick)
        OnEllipsClick(this, RealCol(), Row(), s);
    return s;
}

void TProStringGrid::CellsPasted(const TGridRect& ARect)
{
    if (!FShowModified->Enabled())
        return;
    for (int r = std::min(ARect.Top, ARect.Bottom); r <= std::max(ARect.Top, ARect.Bottom); ++r)
        SetRowModified(r, true);
}

// Notifications

void TProStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (FLook == glVista || FLook == glWin7 || FLook == glOffice2007)
        InvalidateGridRect(Selection());
    FSelectionChanged = true;
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

void TProStringGrid::DoFixedEdit(int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings* Values)
{
    if (OnFixedEdit)
        OnFixedEdit(this, ACol, ARow, AEditor, Values);
}

// ARow is a display row; the node operations take the real one.
void TProStringGrid::DoInsertRow(int ARow)
{
    if (!HasNodes())
        InsertRows(ARow, 1, true);
    else if (GetParentRow(ARow) == -1)
        InsertNormalRow(RealRowIndex(ARow));
    else
        InsertChildRow(RealRowIndex(ARow), 0);
}

void TProStringGrid::DoDeleteRow(int ARow)
{
    if (HasNodes()) {
        if (GetParentRow(ARow) == -1)
            RemoveNormalRow(ARow);
        else
            RemoveChildRow(RealRowIndex(ARow));
    } else if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways)
        RemoveRowsInternal(ARow, 1);
    else
        ClearRows(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TProStringGrid::DoExpandClick(int ACol, int ARow, bool Expanded)
{
    if (OnExpandClick)
        OnExpandClick(this, ACol, ARow, Expanded);
}

void TProStringGrid::DoCellChanging(int ACol, int ARow, bool& Allow)
{
    const int oldRow = Row();
    const int oldCol = Col();
    if (ARow != oldRow && OnRowChanging)
        OnRowChanging(this, oldRow, ARow, Allow);
    if (ACol != oldCol && OnColChanging)
        OnColChanging(this, oldCol, ACol, Allow);
    if (ACol == oldCol && ARow == oldRow)
        return;
    if (OnCellChanging && !FDisableChange)
        OnCellChanging(this, oldRow, oldCol, ARow, ACol, Allow);
}

void TProStringGrid::StoreOldCell(int ACol, int ARow)
{
    FOldCell.Col = ACol;
    FOldCell.Row = ARow;
    const int c = DisplToRealCol(ACol);
    FOldCell.Text = GetGridCell(c, ARow);
    FOldCell.WideText = UnpackWideText(FOldCell.Text);
    FOldCell.Modified = FCellModified;
}

void TProStringGrid::SaveCell(int ACol, int ARow, QString& Value)
{
    Value = FSaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    // An empty check box cell is saved as its state.
    const TCellType type = Value.isEmpty() ? GetCellType(ACol, ARow) : ctEmpty;
    if (type == ctCheckBox || type == ctTriStateCheckBox) {
        bool checked = false;
        if (type == ctCheckBox) {
            GetCheckBoxState(ACol, RealRowIndex(ARow), checked);
        } else {
            TCheckBoxState state = cbUnchecked;
            GetCheckBoxState(ACol, RealRowIndex(ARow), state);
            checked = state == cbChecked;
        }
        if (checked)
            GetCheckTrue(ACol, ARow, Value);
        else
            GetCheckFalse(ACol, ARow, Value);
    }
    const int kind = ClassifyCellText(Value, true);
    if (kind == ctHTML && !FSaveWithHTML)
        Value = StripCellTags(Value);
    else if (kind == ctRTF && FSaveWithRTF)
        Value = RemoveCR(Value).remove(u'\n');
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, Value);
}

void TProStringGrid::LoadCell(int ACol, int ARow, QString& Value)
{
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, Value);
    SetGridCell(ACol, ARow, Value);
}
