#include "grid/core/DragSettings.h"
#include "grid/core/GridItem.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include <cmath>
#include <memory>

// Column and row calculations over the numbers in cells, and the selection
// as text. A column range that goes past the shown data rows reaches into
// the hidden rows: its rows are real rows then, so the footer calculation
// can count hidden rows. Footer rows never count.

namespace {

// Frees the hidden-row list IsHiddenRow builds on its first call.
struct THiddenList {
    TIntList* List = nullptr;
    ~THiddenList() { delete List; }
};

// The kind of the graphic parked with a hidden row's cell.
TCellType ParkedType(TObject* Props)
{
    auto* props = dynamic_cast<TCellProperties*>(Props);
    auto* g = props ? dynamic_cast<TCellGraphic*>(props->GraphicObject()) : nullptr;
    return g ? g->CellType() : ctEmpty;
}

} // namespace

bool TProStringGrid::CalcRange(int& FromRow, int& ToRow)
{
    const int lastData = RowCount() - FFixedFooters - 1;
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = lastData;
    }
    FromRow = std::max(FromRow, 0);
    const bool all = NumHiddenRows() > 0 && ToRow > lastData;
    ToRow = std::min(ToRow, all ? TotalRowCount() - FFixedFooters - 1 : lastData);
    return all;
}

bool TProStringGrid::CountsInCalc(int ACol, int R, bool AllRows, TIntList*& Hidden)
{
    if (AllRows && IsHiddenRow(R, Hidden)) {
        // A hidden row answers from what it took along.
        if (FGroupColumn != -1) {
            const TCellType t = ParkedType(GetRealCellObject(0, R));
            if (t == ctNode || t == ctSummary)
                return false;
        }
        auto* props = dynamic_cast<TCellProperties*>(GetRealCellObject(ACol, R));
        return !props || props->IsBaseCell();
    }
    const int d = AllRows ? RealToDisplRow(R) : R;
    if (FGroupColumn != -1 && (IsNode(d) || IsSummary(d)))
        return false;
    return IsBaseCell(ACol, d);
}

double TProStringGrid::CalcValue(int ACol, int R, bool AllRows) { return AllRows ? AllFloats(ACol, R) : Floats(ACol, R); }

// Columns

double TProStringGrid::ColumnSum(int ACol, int FromRow, int ToRow)
{
    const bool all = CalcRange(FromRow, ToRow);
    ExportNotification(esExportStart, FromRow);
    THiddenList hidden;
    double sum = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (!CountsInCalc(ACol, r, all, hidden.List))
            continue;
        ExportNotification(esExportNextRow, r);
        try {
            sum += CalcValue(ACol, r, all);
        } catch (const EProGridError&) {
        }
    }
    ExportNotification(esExportDone, -1);
    return sum;
}

double TProStringGrid::ColumnAvg(int ACol, int FromRow, int ToRow)
{
    CalcRange(FromRow, ToRow);
    const int n = ToRow - FromRow + 1;
    if (n <= 0)
        return 0;
    return ColumnSum(ACol, FromRow, ToRow) / n;
}

double TProStringGrid::ColumnMin(int ACol, int FromRow, int ToRow) { return ColumnExtreme(ACol, FromRow, ToRow, false); }

double TProStringGrid::ColumnMax(int ACol, int FromRow, int ToRow) { return ColumnExtreme(ACol, FromRow, ToRow, true); }

double TProStringGrid::ColumnExtreme(int ACol, int FromRow, int ToRow, bool Largest)
{
    const bool all = CalcRange(FromRow, ToRow);
    if (ToRow < FromRow)
        return 0;
    double result = Floats(ACol, FromRow);
    ExportNotification(esExportStart, FromRow);
    THiddenList hidden;
    for (int r = FromRow; r <= ToRow; ++r) {
        if (!CountsInCalc(ACol, r, all, hidden.List))
            continue;
        ExportNotification(esExportNextRow, r);
        try {
            const double v = CalcValue(ACol, r, all);
            result = Largest ? std::max(result, v) : std::min(result, v);
        } catch (const EProGridError&) {
        }
    }
    ExportNotification(esExportDone, -1);
    return result;
}

double TProStringGrid::ColumnStdDev(int ACol, int FromRow, int ToRow)
{
    const bool all = CalcRange(FromRow, ToRow);
    const int n = ToRow - FromRow + 1;
    if (n <= 0)
        return 0;
    const double m = ColumnAvg(ACol, FromRow, ToRow);
    ExportNotification(esExportStart, FromRow);
    double s = 0;
    for (int r = FromRow; r <= ToRow; ++r) {
        const double d = CalcValue(ACol, r, all) - m;
        s += d * d;
    }
    ExportNotification(esExportDone, -1);
    return std::sqrt(s / n);
}

double TProStringGrid::ColumnDistinct(int ACol, int FromRow, int ToRow)
{
    const bool all = CalcRange(FromRow, ToRow);
    ExportNotification(esExportStart, FromRow);
    TStringList texts;
    texts.SetCaseSensitive(false);
    texts.SetSorted(true);
    texts.SetDuplicates(TDuplicates::dupIgnore);
    try {
        for (int r = FromRow; r <= ToRow; ++r) {
            ExportNotification(esExportNextRow, r);
            texts.Add(all ? GetCellsEx(ACol, r) : GetCellEx(ACol, r));
        }
    } catch (...) {
        ExportNotification(esExportDone, -1);
        throw;
    }
    ExportNotification(esExportDone, -1);
    return texts.Count();
}

double TProStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TProStringGrid::GroupCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

// Rows

double TProStringGrid::RowSum(int ARow, int FromCol, int ToCol)
{
    double sum = 0;
    for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
        if (!IsBaseCell(c, ARow))
            continue;
        try {
            sum += Floats(c, ARow);
        } catch (const EProGridError&) {
        }
    }
    return sum;
}

double TProStringGrid::RowAvg(int ARow, int FromCol, int ToCol)
{
    const int n = ToCol - FromCol + 1;
    return n <= 0 ? 0 : RowSum(ARow, FromCol, ToCol) / n;
}

double TProStringGrid::RowMin(int ARow, int FromCol, int ToCol) { return RowExtreme(ARow, FromCol, ToCol, false); }

double TProStringGrid::RowMax(int ARow, int FromCol, int ToCol) { return RowExtreme(ARow, FromCol, ToCol, true); }

double TProStringGrid::RowExtreme(int ARow, int FromCol, int ToCol, bool Largest)
{
    if (ToCol < FromCol)
        return 0;
    double result = Floats(FromCol, ARow);
    for (int c = FromCol; c <= ToCol; ++c) {
        if (!IsBaseCell(c, ARow))
            continue;
        try {
            const double v = Floats(c, ARow);
            result = Largest ? std::max(result, v) : std::min(result, v);
        } catch (const EProGridError&) {
        }
    }
    return result;
}

// Selection

void TProStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    SetSelection({FromCol, FromRow, ToCol, ToRow});
}

QString TProStringGrid::SelectedText()
{
    TGridRect sel = Selection();
    if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows()) {
        sel.Left = 0;
        sel.Right = ColCount() - 1;
    }
    std::vector<int> rows;
    if (FMouseActions->DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (DisplayRowSelected(r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    QStringList lines;
    for (int r : rows) {
        QStringList cells;
        for (int c = sel.Left; c <= sel.Right; ++c) {
            QString text = GetGridCell(DisplToRealCol(c), r);
            if (FMultilinecells && FExcelClipboardFormat && text.count(u'\r') > 0)
                text = u'"' + QString(text).replace(QStringLiteral("\r\n"), QString(QChar(0x0B))) + u'"';
            cells << text;
        }
        lines << cells.join(u'\t');
    }
    return lines.join(QStringLiteral("\r\n"));
}

// Running numbers

void TProStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() <= 0)
        return;
    const int first = FixedRows() + FAutoNumberStart;
    const int last = RowCount() - FFixedFooters - 1;
    for (int i = first; i <= last; ++i) {
        const int number = i - FixedRows() + 1 + FAutoNumberOffset;
        SetInts(ACol, FAutoNumberDirection == sdAscending ? i : FixedRows() + last - i, number);
    }
}

void TProStringGrid::AutoNumberRow(int ARow)
{
    if (ColCount() <= 0)
        return;
    const int first = FixedCols() + FAutoNumberStart;
    const int last = ColCount() - FFixedRightCols - 1;
    for (int j = first; j <= last; ++j) {
        const int number = j - FixedCols() + 1 + FAutoNumberOffset;
        SetInts(FAutoNumberDirection == sdAscending ? j : FixedCols() + last - j, ARow, number);
    }
}
