#include "grid/core/FloatingFooter.h"
#include "grid/core/GridItem.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/MouseActions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/SysUtils.h"
#include <vector>

// Row outline nodes: a ctNode graphic in column 0 covers a span of rows
// below it; contracting parks those rows as hidden rows, expanding brings
// them back. Every row inside a span has its NodeLevel raised by one.

TCellGraphic* TProStringGrid::NodeGraphic(int ARow)
{
    if (ARow < 0 || ARow >= RowCount())
        return nullptr;
    auto* g = dynamic_cast<TCellGraphic*>(GetGraphicObjectEx(0, ARow));
    return g && g->CellType() == ctNode ? g : nullptr;
}

// Adding and removing

void TProStringGrid::AddNode(int ARow, int Span)
{
    const int a = RealToDisplRow(ARow);
    TCellGraphic* g = CreateCellGraphic(0, a);
    g->SetCellType(ctNode);
    g->SetCellAngle(a);
    g->SetCellBoolean(false);
    g->SetCellIndex(Span);
    g->SetCellHAlign(haBeforeText);
    g->SetCellVAlign(vaCenter);
    g->SetCellErrFrom(0);
    g->SetCellVar(-1);
    for (int i = 0; i < Span && a + i < RowCount(); ++i) {
        TCellProperties* props = CellProperties(0, a + i);
        props->SetNodeLevel(props->NodeLevel() + 1);
    }
    if (FNumNodes == 0)
        InvalidateCol(0);
    ++FNumNodes;
    if (Col() == 0 && ColCount() > 1)
        SetCol(1);
}

void TProStringGrid::MarkSummaryRow(int ARow) { CreateCellGraphic(0, RealToDisplRow(ARow))->SetCellType(ctSummary); }

void TProStringGrid::RemoveNode(int ARow)
{
    const int a = RealToDisplRow(ARow);
    if (!NodeGraphic(a))
        return;
    DoExpandNode(ARow);
    const int span = GetNodeSpan(a);
    for (int i = 0; i < span && a + i < RowCount(); ++i)
        if (HasCellProperties(0, a + i)) {
            TCellProperties* props = GetGridCellProps(0, a + i);
            props->SetNodeLevel(std::max(props->NodeLevel() - 1, 0));
        }
    RemoveCellGraphicOfType(0, a, ctNode);
    if (FNumNodes > 0)
        --FNumNodes;
}

void TProStringGrid::RemoveAllNodes()
{
    for (int r = 0; r < RowCount(); ++r)
        if (IsNode(r))
            RemoveNode(RealRowIndex(r));
    Invalidate();
}

// Queries

bool TProStringGrid::IsNode(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctNode; }

bool TProStringGrid::IsSummary(int ARow) { return ARow >= 0 && GetCellType(0, ARow) == ctSummary; }

bool TProStringGrid::GetNodeState(int ARow)
{
    TCellGraphic* g = NodeGraphic(ARow);
    return g && g->CellBoolean();
}

void TProStringGrid::SetNodeState(int ARow, bool Value)
{
    TCellGraphic* g = NodeGraphic(ARow);
    if (!g || g->CellBoolean() == Value)
        return;
    if (Value)
        ContractNode(DisplToRealRow(ARow));
    else
        ExpandNode(DisplToRealRow(ARow));
}

int TProStringGrid::GetNodeLevel(int ARow)
{
    if (!NodeGraphic(ARow))
        return -1;
    return HasCellProperties(0, ARow) ? GetGridCellProps(0, ARow)->NodeLevel() : 0;
}

int TProStringGrid::GetNodeSpan(int ARow)
{
    TCellGraphic* g = NodeGraphic(ARow);
    return g ? g->CellIndex() : -1;
}

void TProStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic* g = NodeGraphic(ARow))
        g->SetCellIndex(Span);
}

void TProStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(ARow))
        g->SetCellIndex(g->CellIndex() + Delta);
}

int TProStringGrid::GetSubNodeCount(int ARow)
{
    TCellGraphic* g = NodeGraphic(ARow);
    return g ? g->CellErrFrom() : 0;
}

void TProStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic* g = NodeGraphic(ARow))
        g->SetCellErrFrom(g->CellErrFrom() + Delta);
}

int TProStringGrid::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow))
        return 0;
    if (ARow >= RowCount() - FFixedFooters - 1 || !HasCellProperties(0, ARow + 1))
        return 1;
    const int level = HasCellProperties(0, ARow) ? GetGridCellProps(0, ARow)->NodeLevel() : 0;
    return GetGridCellProps(0, ARow + 1)->NodeLevel() < level ? 1 : 2;
}

int TProStringGrid::GetNodeIndent(int ARow)
{
    if (FNumNodes <= 0 || ARow < 0 || !HasCellProperties(0, ARow))
        return 0;
    return GetGridCellProps(0, ARow)->NodeLevel() * FCellNode->NodeIndent();
}

// Expanding and contracting

void TProStringGrid::ExpandNode(int ARow)
{
    if (FCellNode->ExpandOne()) {
        const int n = RowCount();
        for (int r = FixedRows(); r < n && r < RowCount(); ++r)
            if (IsNode(r) && !GetNodeState(r))
                ContractNode(RealRowIndex(r));
    }
    DoExpandNode(ARow);
}

void TProStringGrid::DoExpandNode(int ARow)
{
    const int b = RealToDisplRow(ARow);
    TCellGraphic* g = NodeGraphic(b);
    if (!g || !g->CellBoolean())
        return;
    g->SetCellBoolean(false);
    int r = b + 1;
    if (g->CellIndex() == 0)
        while (r < RowCount() && !IsNode(r))
            ++r;
    const int c = DisplToRealRow(r);
    const int d = DisplToRealRow(b);
    const int top = TopRow();
    const int row = Row();
    const bool disjunct = FMouseActions->DisjunctRowSelect();
    FMouseActions->SetDisjunctRowSelectDirect(false);
    const bool rowSelect = Options().Contains(goRowSelect);
    if (rowSelect)
        SetOptions(Options() - goRowSelect);
    const bool update = FNumCellControls == 0;
    if (update)
        BeginUpdate();
    try {
        UnHideRows(d + 1, c - 1);
    } catch (...) {
        if (update)
            EndUpdate();
        FMouseActions->SetDisjunctRowSelectDirect(disjunct);
        throw;
    }
    if (rowSelect) {
        SetOptions(Options() + goRowSelect);
        SetRow(std::min(row, RowCount() - 1));
        SetTopRow(top);
    }
    FMouseActions->SetDisjunctRowSelectDirect(disjunct);
    if (update)
        EndUpdate();
    CalcFooter(-1);
}

void TProStringGrid::ContractNode(int ARow)
{
    HideInplaceEdit();
    FForceSel = true;
    const int a = RealToDisplRow(ARow);
    TCellGraphic* g = NodeGraphic(a);
    if (!g || g->CellBoolean()) {
        FForceSel = false;
        return;
    }
    g->SetCellBoolean(true);
    const int b = a + 1;
    int e = a + g->CellIndex();
    if (g->CellIndex() <= 0) {
        e = b;
        while (e < RowCount() && !IsNode(e))
            ++e;
    }
    e = std::min(e, RowCount());
    int r = b;
    while (r < e) {
        TCellGraphic* inner = NodeGraphic(r);
        if (inner && inner->CellBoolean()) {
            // A contracted node inside goes with its parent: expanding the
            // parent later shows every row of the span at once.
            inner->SetCellBoolean(false);
            if (TControl* control = GetCellControls(1, r + 1))
                control->SetVisible(false);
            const int innerSpan = inner->CellIndex();
            HideRows(DisplToRealRow(b), DisplToRealRow(r));
            e = e + b - innerSpan - r;
            r = b;
        } else {
            ++r;
        }
    }
    if (r - 1 >= b)
        HideRows(DisplToRealRow(b), DisplToRealRow(r - 1));
    FForceSel = false;
    CalcFooter(-1);
}

void TProStringGrid::ExpandAll()
{
    BeginUpdate();
    // Every node opens, ExpandOne or not: the loop would close them again.
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (TCellGraphic* g = NodeGraphic(r); g && g->CellBoolean())
            DoExpandNode(RealRowIndex(r));
    EndUpdate();
    CalcFooter(-1);
}

void TProStringGrid::ContractAll()
{
    BeginUpdate();
    try {
        ExpandAll();
        std::vector<int> rows;
        int r = FixedRows();
        while (r < RowCount()) {
            TCellGraphic* g = NodeGraphic(r);
            if (!g) {
                ++r;
                continue;
            }
            g->SetCellBoolean(true);
            int end = r + g->CellIndex();
            if (g->CellIndex() <= 0) {
                // An open span runs to the next node row.
                end = r + 1;
                while (end < RowCount() && !IsNode(end))
                    ++end;
            }
            end = std::min(end, RowCount());
            for (int k = r + 1; k < end; ++k)
                rows.push_back(DisplToRealRow(k));
            r = std::max(end, r + 1);
        }
        HideRealRows(rows);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    CellControlsUpdate(false);
    CalcFooter(-1);
}

// The tree

int TProStringGrid::GetParentRow(int ARow)
{
    if (FNumNodes <= 0)
        return -1;
    int result = -1;
    int level = 65535;
    if (IsNode(ARow)) {
        level = GetNodeLevel(ARow);
        result = ARow;
    }
    int hidden = 0;
    for (int r = std::min(ARow, RowCount() - 1); r >= FixedRows(); --r) {
        if (!IsNode(r) || GetNodeLevel(r) >= level)
            continue;
        const int s = GetNodeSpan(r);
        if (GetNodeState(r))
            hidden += s - 1;
        if (ARow < r + s - hidden)
            return r;
    }
    return result;
}

void TProStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int d = RealToDisplRow(ARow);
    const int parent = GetParentRow(d);
    int level = 1;
    if (parent != -1) {
        UpdateNodeSpan(parent, 1);
        UpdateSubNodeCount(parent, 1);
        ExpandNode(RealRowIndex(parent));
        level = GetNodeLevel(parent);
    }
    const int parentLevel = level;
    int a = parent;
    while (level > 1 && a != -1 && a >= FixedRows()) {
        a = GetParentRow(a);
        if (a != -1 && GetNodeLevel(a) < level) {
            UpdateNodeSpan(a, 1);
            UpdateSubNodeCount(a, 1);
            ExpandNode(RealRowIndex(a));
            level = GetNodeLevel(a);
        }
    }
    const bool underNode = IsNode(d) && InsertAt == 0;
    if (underNode)
        InsertAt = 1;
    // The insertion moves the hidden rows below it along.
    InsertRows(d + InsertAt, 1, true);
    if (underNode) {
        for (int i = 0; i < TotalColCount(); ++i) {
            SetGridCell(i, d + 1, GetGridCell(i, d));
            SetGridCell(i, d, QString());
            if (i > 0) {
                TObject* obj = GetObjectEx(i, d);
                if (obj) {
                    SetObjectEx(i, d + 1, obj);
                    SetObjectEx(i, d, nullptr);
                }
            }
        }
        RepaintRow(d);
        RepaintRow(d + 1);
    }
    if (parent != -1)
        CellProperties(0, d + InsertAt)->SetNodeLevel(parentLevel);
}

void TProStringGrid::RemoveChildRow(int ARow)
{
    const int d = RealToDisplRow(ARow);
    const int real = RealRowIndex(d);
    int parent = GetParentRow(d);
    if (parent != -1 && parent != d) {
        const int level = GetNodeLevel(parent);
        if (GetNodeSpan(parent) > 1) {
            UpdateNodeSpan(parent, -1);
            UpdateSubNodeCount(parent, -1);
        }
        for (;;) {
            ExpandNode(RealRowIndex(parent));
            if (GetNodeLevel(parent) <= 1)
                break;
            parent = GetParentRow(parent);
            if (parent == -1 || GetNodeLevel(parent) >= level)
                break;
            if (GetNodeSpan(parent) > 1) {
                UpdateNodeSpan(parent, -1);
                UpdateSubNodeCount(parent, -1);
            }
        }
    }
    // The row's own controls go with it; those below move up.
    RemoveRowsInternal(d, 1);
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        if (item->Y() > real)
            item->SetY(item->Y() - 1);
    }
}

void TProStringGrid::InsertNormalRow(int ARow) { InsertRows(RealToDisplRow(ARow), 1, true); }

void TProStringGrid::RemoveNormalRow(int ARow) { RemoveRows(ARow, 1); }

bool TProStringGrid::IsInNodeButton(int ARow, int X)
{
    if (!FMouseActions->PreciseNodeClick())
        return true;
    const int level = GetNodeLevel(ARow);
    const int indent = FCellNode->NodeIndent();
    TBitmap* glyph = FCellNode->ExpandGlyph();
    const bool hasGlyph = glyph && !glyph->Empty();
    int m = 4, n = 4;
    switch (FCellNode->NodeType()) {
    case cnFlat:
    case cnXP:
        break;
    case cn3D:
        m = 6;
        n = 0;
        break;
    case cnGlyph:
        m = hasGlyph ? glyph->Width() / 2 : 0;
        n = hasGlyph ? 2 : 0;
        break;
    case cnLeaf:
        m = 8;
        n = 2;
        break;
    }
    if (BiDiMode() != bdRightToLeft)
        return (level - 1) * indent + n < X && X < level * indent + m;
    const int v = VisibleRowCount() < RowCount() - FixedRows() ? FScrollWidth : 0;
    return Width() - level * indent - m - 2 <= X + v && X + v < Width() - (level - 1) * indent;
}
