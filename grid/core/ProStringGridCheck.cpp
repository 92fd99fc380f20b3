#include "grid/core/ControlLook.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include <vector>

// Check boxes, three-state boxes, radio buttons and radio groups in cells.
// A data check box has no state of its own: its cell text is the state.

namespace {

bool IsCheckKind(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox ||
           t == ctTriStateCheckBox;
}

TCellVAlign PlaceOf(TVAlignment Value)
{
    switch (Value) {
    case vtaCenter:
        return vaCenter;
    case vtaBottom:
        return vaBottom;
    default:
        return vaTop;
    }
}

} // namespace

TCellGraphic* TProStringGrid::GraphicByRealRow(int ACol, int ARow)
{
    if (NumHiddenRows() > 0) {
        if (TObject* obj = GetRealCellObject(ACol, ARow)) {
            if (auto* props = dynamic_cast<TCellProperties*>(obj))
                if (auto* g = dynamic_cast<TCellGraphic*>(props->GraphicObject()))
                    return g;
        }
    }
    return GetCellGraphic(ACol, ARow);
}

// Check boxes

void TProStringGrid::AddCheckBox(int ACol, int ARow, bool State, bool Data)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, Data, true, haBeforeText, PlaceOf(FVAlignment));
    if (!Data)
        return;
    const QString text = Cells(ACol, ARow);
    if (text != FCheckTrue && text != FCheckFalse)
        SetCells(ACol, ARow, State ? FCheckTrue : FCheckFalse);
}

void TProStringGrid::AddCheckBox(int ACol, int ARow, TCheckBoxState State)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
    CreateCellGraphic(ACol, ARow)->SetCheckBox(State, true, haBeforeText, PlaceOf(FVAlignment));
}

void TProStringGrid::AddCheckBoxColumn(int ACol, bool DefaultState, bool DataCheckBox)
{
    for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r) {
        if (IsSummary(r))
            continue;
        if (IsNode(r))
            AddCheckBox(ACol, r, cbUnchecked);
        else
            AddCheckBox(ACol, r, DefaultState, DataCheckBox);
    }
}

void TProStringGrid::AddTriStateCheckBoxColumn(int ACol, TCheckBoxState State)
{
    for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
        AddCheckBox(ACol, r, State);
}

void TProStringGrid::RemoveCheckBox(int ACol, int ARow)
{
    const TCellType t = GetCellType(ACol, ARow);
    if (t != ctCheckBox && t != ctDataCheckBox && t != ctTriStateCheckBox)
        return;
    RemoveCellGraphic(ACol, ARow);
}

void TProStringGrid::RemoveCheckBoxColumn(int ACol)
{
    for (int r = FMouseActions->CheckAllCheck() ? 0 : FixedRows(); r < RowCount(); ++r)
        if (HasCheckBox(ACol, r))
            RemoveCheckBox(ACol, r);
}

bool TProStringGrid::HasCheckBox(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctCheckBox, ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox, ctTriStateCheckBox});
}

bool TProStringGrid::HasDataCheckBox(int ACol, int ARow)
{
    return CellTypeInSet(ACol, ARow, {ctDataCheckBox, ctVirtCheckBox, ctRowCheckBox});
}

bool TProStringGrid::GetCheckBoxState(int ACol, int ARow, bool& State)
{
    TCellGraphic* g = GraphicByRealRow(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType()) {
    case ctCheckBox:
        State = g->CellBoolean();
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue;
        GetCheckTrue(ACol, ARow, checkTrue);
        State = GetCellsEx(ACol, ARow) == checkTrue;
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        State = GetRowSelect(ARow);
        return true;
    case ctTriStateCheckBox:
        State = g->CellCheckBoxState() == cbChecked;
        return true;
    default:
        return false;
    }
}

bool TProStringGrid::GetCheckBoxState(int ACol, int ARow, TCheckBoxState& State)
{
    TCellGraphic* g = GraphicByRealRow(ACol, ARow);
    if (g && g->CellType() == ctTriStateCheckBox) {
        State = g->CellCheckBoxState();
        return true;
    }
    bool checked = false;
    if (!GetCheckBoxState(ACol, ARow, checked))
        return false;
    State = BoolToCheckBoxState(checked);
    return true;
}

bool TProStringGrid::IsChecked(int ACol, int ARow)
{
    bool state = false;
    return GetCheckBoxState(ACol, ARow, state) && state;
}

bool TProStringGrid::SetCheckBoxState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = GraphicByRealRow(ACol, ARow);
    if (!g)
        return false;
    switch (g->CellType()) {
    case ctCheckBox:
        g->SetCellBoolean(State);
        RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString text;
        if (State)
            GetCheckTrue(ACol, ARow, text);
        else
            GetCheckFalse(ACol, ARow, text);
        SetCellsEx(ACol, ARow, text);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        SetRowSelect(ARow, State);
        return true;
    default:
        return false;
    }
}

bool TProStringGrid::SetCheckBoxState(int ACol, int ARow, TCheckBoxState State)
{
    TCellGraphic* g = GraphicByRealRow(ACol, ARow);
    if (!g || g->CellType() != ctTriStateCheckBox)
        return false;
    g->SetCellCheckBoxState(State);
    RepaintCell(RealToDisplCol(ACol), RealToDisplRow(ARow));
    return true;
}

bool TProStringGrid::ChangeCheckBoxState(int ACol, int ARow, bool Value)
{
    TCellGraphic* g = GraphicByRealRow(ACol, RealRowIndex(ARow));
    if (!g)
        return false;
    switch (g->CellType()) {
    case ctCheckBox:
        if (Value != g->CellBoolean()) {
            g->SetCellBoolean(Value);
            DoCheckBoxChange(ACol, ARow, Value);
            RepaintCell(RealToDisplCol(ACol), ARow);
        }
        return true;
    case ctDataCheckBox:
    case ctVirtCheckBox: {
        QString checkTrue, checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        const bool old = Cells(ACol, ARow) == checkTrue;
        SetCells(ACol, ARow, Value ? checkTrue : checkFalse);
        if (Value != old)
            DoCheckBoxChange(ACol, ARow, Value);
        return true;
    }
    case ctRowCheckBox:
        if (ACol != 0)
            return false;
        if (Value != GetRowSelect(ARow)) {
            SetRowSelect(ARow, Value);
            DoCheckBoxChange(ACol, ARow, Value);
        }
        return true;
    default:
        return false;
    }
}

void TProStringGrid::CheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, true);
    if (FNumHidden > 0)
        RepaintCol(RealToDisplCol(ACol));
}

void TProStringGrid::UnCheckAll(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        ChangeCheckBoxState(ACol, r, false);
}

bool TProStringGrid::ToggleCheck(int ACol, int ARow, bool FromClick)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || !IsCheckKind(g->CellType()))
        return false;
    // The node whose group follows the box: the row itself or its parent.
    const bool autoGroup = FGrouping->AutoCheckGroup();
    const bool nodeRow = autoGroup && IsNode(ARow);
    int parent = -1, span = 0;
    bool contracted = false;
    if (nodeRow) {
        span = GetNodeSpan(ARow);
        contracted = GetNodeState(ARow);
    } else if (autoGroup) {
        parent = GetParentRow(ARow);
        span = parent >= 0 ? GetNodeSpan(parent) : 0;
    }
    if (FromClick && !FControlLook->CheckAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit)
            return false;
    }

    bool s = false;
    switch (g->CellType()) {
    case ctCheckBox:
        g->SetCellBoolean(!g->CellBoolean());
        s = g->CellBoolean();
        break;
    case ctTriStateCheckBox: {
        const TCheckBoxState old = g->CellCheckBoxState();
        if (nodeRow) {
            g->SetCellCheckBoxState(old == cbChecked ? cbUnchecked : cbChecked);
            s = g->CellCheckBoxState() == cbChecked;
        } else {
            g->SetCellCheckBoxState(old == cbUnchecked ? cbGrayed : old == cbChecked ? cbUnchecked : cbChecked);
        }
        break;
    }
    case ctRowCheckBox:
        // The row selection is the state; the cell text is not the box's.
        s = !GetRowSelect(RealRowIndex(ARow));
        break;
    default: {
        QString checkTrue, checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        s = Cells(ACol, ARow) != checkTrue;
        SetCells(ACol, ARow, s ? checkTrue : checkFalse);
        break;
    }
    }
    RepaintCell(RealToDisplCol(ACol), ARow);
    DoCheckBoxChange(ACol, ARow, s);

    if (nodeRow) {
        for (int e = 1; e < span; ++e)
            SetCheckBoxState(ACol, contracted ? RealRowIndex(ARow) + e : RealRowIndex(ARow + e), s);
    } else if (parent >= 0 && span > 1) {
        bool first = false;
        GetCheckBoxState(ACol, RealRowIndex(parent + 1), first);
        bool differ = false;
        for (int e = 1; e < span; ++e) {
            bool state = false;
            GetCheckBoxState(ACol, RealRowIndex(parent + e), state);
            differ = differ || state != first;
        }
        SetCheckBoxState(ACol, RealRowIndex(parent), differ ? cbGrayed : BoolToCheckBoxState(first));
    }

    if (TProGridUndoRedo* undo = UndoRedo()) {
        QString checkTrue, checkFalse;
        GetCheckTrue(ACol, ARow, checkTrue);
        GetCheckFalse(ACol, ARow, checkFalse);
        if (s)
            undo->RegisterChange(ACol, ARow, checkFalse, checkTrue);
        else
            undo->RegisterChange(ACol, ARow, checkTrue, checkFalse);
    }
    return true;
}

bool TProStringGrid::IsInCheckBox(int ACol, int ARow, int XPos, int YPos)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || (!IsCheckKind(g->CellType()) && g->CellType() != ctRadioButton))
        return false;
    if (!FMouseActions->PreciseCheckBoxCheck())
        return true;
    const TRect r = CellRect(RealToDisplCol(ACol), ARow);
    const int s = FControlLook->CheckSize();
    int top = r.Top + 2;
    if (g->CellVAlign() == vaBottom)
        top = r.Bottom - s - 2;
    else if (g->CellVAlign() == vaCenter)
        top = r.Top + (r.Height() - s) / 2;
    // The box stands where the cell's text alignment puts it.
    TAlignment ha = FDefaultAlignment;
    if (HasCellProperties(ACol, ARow))
        ha = GetGridCellProps(ACol, ARow)->Alignment();
    TVAlignment va = FVAlignment;
    GetCellAlignment(ACol, ARow, ha, va);
    int left = r.Left + 2;
    if (ha == taRightJustify) {
        left = r.Right - s - 2;
        const QString text = Cells(ACol, ARow);
        if (!text.isEmpty())
            left -= Canvas()->TextWidth(text);
    } else if (ha == taCenter) {
        left = r.Left + (r.Width() - s) / 2;
    }
    return XPos >= left && XPos < left + s && YPos >= top && YPos < top + s;
}

// Radio buttons

void TProStringGrid::AddRadioButton(int ACol, int ARow, bool State)
{
    if (ACol < 0 || ARow < 0 || ACol >= ColCount() + NumHiddenColumns() || ARow >= RowCount() + NumHiddenRows())
        throw Exception(QStringLiteral("Invalid cell"));
    CreateCellGraphic(ACol, ARow)->SetRadioButton(State, true, haBeforeText, PlaceOf(FVAlignment));
}

void TProStringGrid::AddRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        AddRadioButton(ACol, r, false);
}

void TProStringGrid::RemoveRadioButton(int ACol, int ARow)
{
    if (RemoveCellGraphicOfType(ACol, ARow, ctRadioButton))
        RepaintCell(RealToDisplCol(ACol), ARow);
}

void TProStringGrid::RemoveRadioButtonColumn(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (HasRadioButton(ACol, r))
            RemoveRadioButton(ACol, r);
}

bool TProStringGrid::HasRadioButton(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    return g && g->CellType() == ctRadioButton;
}

bool TProStringGrid::IsRadioButtonChecked(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    return g && g->CellType() == ctRadioButton && g->CellBoolean();
}

bool TProStringGrid::SetRadioButtonState(int ACol, int ARow, bool State)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    if (!g || g->CellType() != ctRadioButton)
        return false;
    if (g->CellBoolean() != State) {
        g->SetCellBoolean(State);
        RepaintCell(RealToDisplCol(ACol), ARow);
    }
    return true;
}

void TProStringGrid::SetRadioButtonColumnIndex(int ACol, int Index)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetRadioButtonState(ACol, r, r == Index);
}

int TProStringGrid::GetRadioButtonColumnIndex(int ACol)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsRadioButtonChecked(ACol, r))
            return r;
    return -1;
}

bool TProStringGrid::ToggleRadio(int ACol, int ARow, bool FromClick)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != ctRadioButton)
        return false;
    if (FromClick && !FControlLook->CheckAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit)
            return false;
    }
    if (g->CellBoolean())
        return true;
    g->SetCellBoolean(true);
    RepaintCell(RealToDisplCol(ACol), ARow);
    for (int i = 0; i < RowCount(); ++i) {
        if (i == ARow)
            continue;
        TCellGraphic* other = GetCellGraphic(ACol, i);
        if (other && other->CellType() == ctRadioButton && other->CellBoolean()) {
            other->SetCellBoolean(false);
            RepaintCell(RealToDisplCol(ACol), i);
        }
    }
    return true;
}

// Radio groups

void TProStringGrid::AddRadio(int ACol, int ARow, int DirRadio, int IdxRadio, TStrings* sl)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    g->SetCellType(ctRadio);
    g->SetCellAngle(sl ? sl->Count() : 0);
    g->SetCellBoolean(DirRadio != 0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBitmap(sl);
}

TStrings* TProStringGrid::CreateRadio(int ACol, int ARow, int DirRadio, int IdxRadio)
{
    TCellGraphic* g = CreateCellGraphic(ACol, ARow);
    auto* sl = new TStringList();
    g->SetCellType(ctRadio);
    g->SetCellAngle(0);
    g->SetCellBoolean(DirRadio != 0);
    g->SetCellIndex(IdxRadio);
    g->SetCellBitmap(sl);
    g->SetCellCreated(true);
    return sl;
}

bool TProStringGrid::GetRadioIdx(int ACol, int ARow, int& IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    IdxRadio = g->CellIndex();
    return g->CellType() == ctRadio;
}

bool TProStringGrid::SetRadioIdx(int ACol, int ARow, int IdxRadio)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g)
        return false;
    g->SetCellIndex(IdxRadio);
    if (IdxRadio == -1)
        SetCells(ACol, ARow, QString());
    RepaintCell(RealToDisplCol(ACol), ARow);
    return g->CellType() == ctRadio;
}

TStrings* TProStringGrid::GetRadioStrings(int ACol, int ARow)
{
    TCellGraphic* g = BaseGraphic(ACol, ARow);
    return g && g->CellType() == ctRadio ? dynamic_cast<TStrings*>(g->CellBitmap()) : nullptr;
}

void TProStringGrid::SelectNextRadio(int ACol, int ARow, bool FromKey)
{
    TCellGraphic* g = GetCellGraphic(ACol, ARow);
    if (!g || g->CellType() != ctRadio)
        return;
    auto* options = dynamic_cast<TStrings*>(g->CellBitmap());
    // A group without options has nothing to step to.
    if (!options || options->Count() == 0)
        return;
    if (FromKey && !FControlLook->RadioAlwaysActive()) {
        bool canEdit = true;
        CanEditCell(ACol, ARow, canEdit);
        if (!canEdit)
            return;
    }
    int next = g->CellIndex() >= 0 ? g->CellIndex() + 1 : options->IndexOf(Cells(ACol, ARow)) + 1;
    if (next >= options->Count())
        next = 0;
    if (g->CellIndex() >= -1)
        g->SetCellIndex(next);
    g->SetCellVar(next);
    SetCells(ACol, ARow, options->Strings(next));
}

// Rows by their check boxes

void TProStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    std::vector<int> rows;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsChecked(CheckBoxColumn, RealRowIndex(r)) == RemoveChecked)
            rows.push_back(r);
    RemoveRowSet(rows);
    EndUpdate();
}
