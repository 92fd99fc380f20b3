#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include <vector>

// Grouping: each run of equal texts in the group column becomes a header
// row (a node over the header and its run) and, with Grouping.Summary, a
// summary row after the run. The group column leaves the grid while it is
// grouped; its caption, footer text and width wait for UnGroup.

namespace {

// Compares unequal to every cell text, so the first row opens a group.
const QString Sentinel = QString(QChar(0xFF)) + QChar(0xFE);

// The group calculation, and the same in the footer while it shows.
void GroupCalcWithFooter(TProStringGrid& G, int Colindex, int Method, TColumnCalcType Calc)
{
    G.GroupCalc(Colindex, Method);
    if (G.FloatingFooter()->Visible())
        G.FloatingFooter()->SetColumnCalc(Colindex, Calc);
}

} // namespace

void TProStringGrid::SetGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TProStringGrid::ApplyGroupColors(int ACol, int ARow, bool Header)
{
    const TColor color = Header ? FGrouping->HeaderColor() : FGrouping->SummaryColor();
    const TColor colorTo = Header ? FGrouping->HeaderColorTo() : FGrouping->SummaryColorTo();
    const TColor text = Header ? FGrouping->HeaderTextColor() : FGrouping->SummaryTextColor();
    // Unset colours leave the cells alone; ACol -1 colours the whole row.
    if (ACol < 0) {
        if (color != clNone)
            SetRowColor(ARow, ColorToRGB(color));
        if (colorTo != clNone)
            SetRowColorTo(ARow, ColorToRGB(colorTo));
        if (text != clNone)
            SetRowFontColor(ARow, ColorToRGB(text));
        return;
    }
    if (color != clNone)
        SetColors(ACol, ARow, ColorToRGB(color));
    if (colorTo != clNone)
        SetColorsTo(ACol, ARow, ColorToRGB(colorTo));
    if (text != clNone)
        SetFontColors(ACol, ARow, ColorToRGB(text));
}

void TProStringGrid::Group(int Colindex)
{
    // Column 0 carries the nodes: grouping by it would lose its texts.
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount())
        return;
    if (FGroupColumn != -1)
        UnGroup();
    if (RowCount() - FixedRows() < 1)
        return;
    const bool summary = FGrouping->Summary();
    const bool mergeHeader = FGrouping->MergeHeader();
    const bool mergeSummary = summary && FGrouping->MergeSummary();
    BeginUpdate();
    FIsGrouping = true;
    try {
        FGroupColumn = Colindex;
        FGroupWidth = AllColWidths(Colindex);
        if (FixedRows() > 0)
            FGroupCaption = GetGridCell(Colindex, 0);
        if (FFixedFooters > 0)
            FGroupFooter = GetGridCell(Colindex, RowCount() - 1);
        if (FSortSettings->AutoSortForGrouping()) {
            FSortSettings->SetColumn(Colindex);
            QSort();
        }
        // After the group column goes, the header text stands in column 1.
        const int textCol = Colindex == 1 ? 2 : 1;
        int hdr = -1;
        int r = FixedRows();
        QString cur = Sentinel;
        // Closes the group of hdr; the summary row of the group before it
        // goes right above hdr.
        const auto closeGroup = [&] {
            if (hdr > FixedRows() && summary) {
                InsertRows(hdr, 1, true);
                MarkSummaryRow(RealRowIndex(hdr));
                if (!mergeSummary)
                    ApplyGroupColors(-1, hdr, false);
                ++hdr;
                ++r;
            }
            AddNode(RealRowIndex(hdr), r - hdr);
        };
        while (r <= RowCount() - FFixedFooters - 1) {
            const QString v = GetGridCell(Colindex, r);
            if (v != cur) {
                if (hdr != -1)
                    closeGroup();
                InsertRows(r, 1, true);
                if (textCol < TotalColCount())
                    SetCells(textCol, r, v);
                if (!mergeHeader)
                    ApplyGroupColors(-1, r, true);
                hdr = r;
                ++r;
            }
            cur = v;
            ++r;
        }
        if (hdr == -1) {
            AddNode(RealRowIndex(FixedRows()), r - 1);
        } else {
            closeGroup();
            if (summary) {
                InsertRows(r, 1, true);
                MarkSummaryRow(RealRowIndex(r));
                if (!mergeSummary)
                    ApplyGroupColors(-1, r, false);
            }
        }
        RemoveCols(Colindex, 1);
        if ((mergeHeader || mergeSummary) && ColCount() > 1) {
            for (int b = FixedRows(); b < RowCount(); ++b) {
                const bool header = mergeHeader && IsNode(b);
                if (!header && !(mergeSummary && IsSummary(b)))
                    continue;
                MergeCells(1, b, ColCount() - 1, 1);
                ApplyGroupColors(1, b, header);
            }
        }
        if (FCellNode->ExpandOne())
            for (int b = FixedRows(); b < RowCount(); ++b)
                if (IsNode(b)) {
                    ExpandNode(RealRowIndex(b));
                    break;
                }
        if (Col() < 0 || Row() < 0 || Col() >= ColCount() || Row() >= RowCount())
            FocusCell(FixedCols(), FixedRows());
        if (FixedRows() < RowCount())
            SetRow(FixedRows());
    } catch (...) {
        FIsGrouping = false;
        EndUpdate();
        throw;
    }
    FIsGrouping = false;
    EndUpdate();
}

void TProStringGrid::UnGroup()
{
    if (FGroupColumn <= 0)
        return;
    const bool expandOne = FCellNode->ExpandOne();
    FCellNode->SetExpandOne(false);
    ExpandAll();
    BeginUpdate();
    FIsGrouping = true;
    try {
        // Merged header and summary rows are split before the column comes
        // back between their cells.
        for (int b = FixedRows(); b < RowCount(); ++b)
            if ((IsNode(b) || IsSummary(b)) && IsMergedCell(1, b))
                SplitCells(BaseCell(1, b).X, b);
        const int g = FGroupColumn;
        InsertCols(g, 1);
        SetAllColWidths(g, FGroupWidth);
        if (FixedRows() > 0)
            SetCells(g, 0, FGroupCaption);
        if (FFixedFooters > 0)
            SetCells(g, RowCount() - 1, FGroupFooter);
        const int textCol = g == 1 ? 2 : 1;
        QString text;
        std::vector<int> rows;
        for (int r = FixedRows(); r <= RowCount() - FFixedFooters - 1; ++r) {
            if (IsSummary(r)) {
                rows.push_back(r);
            } else if (IsNode(r)) {
                text = GetGridCell(textCol, r);
                RemoveNode(RealRowIndex(r));
                rows.push_back(r);
            } else {
                SetCells(g, r, text);
            }
        }
        RemoveRowSet(rows);
    } catch (...) {
        FIsGrouping = false;
        FCellNode->SetExpandOne(expandOne);
        EndUpdate();
        throw;
    }
    FIsGrouping = false;
    FGroupColumn = -1;
    FCellNode->SetExpandOne(expandOne);
    EndUpdate();
    Invalidate();
}

void TProStringGrid::SubGroup(int Colindex)
{
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex + 1 >= TotalColCount())
        return;
    const bool expandOne = FCellNode->ExpandOne();
    FCellNode->SetExpandOne(false);
    ExpandAll();
    const bool mergeHeader = FGrouping->MergeHeader();
    BeginUpdate();
    try {
        FGroupColumn = Colindex;
        FGroupWidth = AllColWidths(Colindex);
        if (FixedRows() > 0)
            FGroupCaption = Cells(Colindex, 0);
        if (FFixedFooters > 0)
            FGroupFooter = Cells(Colindex, RowCount() - 1);
        const int textCol = Colindex + 1;
        const auto plain = [this](int ARow) { return !IsNode(ARow) && !IsSummary(ARow); };
        const auto makeNode = [&](int AHdr, int ASpan) {
            AddNode(RealRowIndex(AHdr), ASpan);
            NodeGraphic(AHdr)->SetCellVar(Colindex);
        };
        int hdr = -1;
        QString cur = Sentinel;
        // The first group's header is passed over.
        int r = FixedRows() + 1;
        while (r < RowCount() - FFixedFooters) {
            const QString v = Cells(Colindex, r);
            if (v != cur || !plain(r)) {
                if (hdr != -1 && plain(hdr))
                    makeNode(hdr, r - hdr);
                if (plain(r)) {
                    InsertChildRow(RealRowIndex(r), 0);
                    SetCells(textCol, r, v);
                    if (mergeHeader) {
                        MergeCells(textCol, r, ColCount() - textCol, 1);
                        ApplyGroupColors(textCol, r, true);
                    } else {
                        ApplyGroupColors(-1, r, true);
                    }
                    hdr = r;
                    ++r;
                }
            }
            // A parent header or summary row ends every sub-group.
            if (r < RowCount() && plain(r - 1)) {
                cur = Cells(Colindex, r);
                SetCells(Colindex, r, QString());
            } else {
                cur = Sentinel;
            }
            ++r;
        }
        if (hdr != -1 && plain(hdr)) {
            makeNode(hdr, r - hdr);
            if (!mergeHeader)
                ApplyGroupColors(-1, hdr, true);
        }
        if (FGrouping->Summary() && hdr != -1) {
            r = std::min(r, RowCount() - FFixedFooters);
            InsertRows(r, 1, true);
            MarkSummaryRow(RealRowIndex(r));
            if (FGrouping->MergeSummary() && ColCount() - textCol > 0) {
                MergeCells(textCol, r, ColCount() - textCol, 1);
                ApplyGroupColors(textCol, r, false);
            } else {
                ApplyGroupColors(-1, r, false);
            }
        }
        if (FixedRows() < RowCount())
            SetRow(FixedRows());
    } catch (...) {
        FCellNode->SetExpandOne(expandOne);
        EndUpdate();
        throw;
    }
    FCellNode->SetExpandOne(expandOne);
    EndUpdate();
}

void TProStringGrid::SubUnGroup(int Colindex)
{
    ExpandAll();
    BeginUpdate();
    QString text;
    int r = FixedRows();
    while (r <= RowCount() - FFixedFooters - 1) {
        TCellGraphic* g = NodeGraphic(r);
        if (g && g->CellVar().toInt() == Colindex) {
            text = Cells(Colindex + 1, r);
            RemoveNode(RealRowIndex(r));
            RemoveChildRow(RealRowIndex(r));
        } else {
            if (!g)
                SetCells(Colindex, r, text);
            ++r;
        }
    }
    EndUpdate();
    Invalidate();
}

// One aggregate per group

void TProStringGrid::GroupCalc(int Colindex, int Method)
{
    int r = FixedRows();
    while (r < RowCount()) {
        TCellGraphic* g = NodeGraphic(r);
        if (!g || g->CellBoolean()) {
            ++r;
            continue;
        }
        const int span = g->CellIndex();
        const int first = r + 1, last = r + span - 1;
        const int target = FGrouping->Summary() ? r + span : r;
        r += std::max(span, 1);
        if (target >= RowCount())
            continue;
        double value = 0;
        switch (Method) {
        case 1:
            value = ColumnSum(Colindex, first, last);
            break;
        case 2:
            value = ColumnAvg(Colindex, first, last);
            break;
        case 3:
            value = ColumnMin(Colindex, first, last);
            break;
        case 4:
            value = ColumnMax(Colindex, first, last);
            break;
        case 5:
            SetInts(Colindex, target, std::max(span - 1, 0));
            continue;
        case 6:
            value = GroupCustomCalc(Colindex, first, last);
            break;
        case 7:
            value = ColumnDistinct(Colindex, first, last);
            break;
        case 8:
            value = ColumnStdDev(Colindex, first, last);
            break;
        default:
            continue;
        }
        SetFloats(Colindex, target, value);
    }
}

void TProStringGrid::GroupSum(int Colindex) { GroupCalcWithFooter(*this, Colindex, 1, acSUM); }

void TProStringGrid::GroupAvg(int Colindex) { GroupCalcWithFooter(*this, Colindex, 2, acAVG); }

void TProStringGrid::GroupMin(int Colindex) { GroupCalcWithFooter(*this, Colindex, 3, acMIN); }

void TProStringGrid::GroupMax(int Colindex) { GroupCalcWithFooter(*this, Colindex, 4, acMAX); }

void TProStringGrid::GroupCount(int Colindex) { GroupCalcWithFooter(*this, Colindex, 5, acCOUNT); }
