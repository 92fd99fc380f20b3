// Sizing columns and rows to their content, fitting the columns to the
// grid's width, sizing the control to its cells, and exchanging two
// columns or rows with everything that belongs to them.
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridItem.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ControlList.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/StringUtils.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StringList.h"
#include <cmath>
#include "grid/core/GridCoreHelpers.h"

namespace {

bool IsSizedCheckKind(TCellType T)
{
    return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRadioButton;
}

} // namespace

// Content sizes

int TProStringGrid::HorzPadding() const { return FXYOffsetTopLeftOnly ? FXYOffset.X : 2 * FXYOffset.X; }

int TProStringGrid::VertPadding() const { return FXYOffsetTopLeftOnly ? FXYOffset.Y : 2 * FXYOffset.Y; }

void TProStringGrid::PadColumn(int ACol, int Padding)
{
    if (Padding != 0)
        SetColWidths(ACol, ClampToLimits(ColWidths(ACol) + Padding, FMinColWidth, FMaxColWidth));
}

void TProStringGrid::PadRow(int ARow, int Padding)
{
    if (Padding != 0)
        SetRowHeights(ARow, ClampToLimits(RowHeights(ARow) + Padding, FMinRowHeight, FMaxRowHeight));
}

bool TProStringGrid::AllRowsVisible() const
{
    return TopRow() <= FixedRows() && FixedRows() + VisibleRowCount() >= RowCount();
}

void TProStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    const int firstCol = DoFixedCells ? 0 : FixedCols();
    const int firstRow = DoFixedCells ? 0 : FixedRows();
    BeginUpdate();
    try {
        for (int c = firstCol; c < ColCount(); ++c) {
            const int rc = DisplToRealCol(c);
            int w = FSizeGrowOnly ? ColWidths(c) : 0;
            for (int r = firstRow; r < RowCount(); ++r) {
                TSize text{0, 0};
                CellTextExtent(rc, c, text, false, false, r);
                const TPoint graphic = GetCellGraphicSize(rc, r);
                int width = text.cx + graphic.X + PaddingX + FXYOffset.X;
                int height = text.cy + graphic.Y + PaddingY + FXYOffset.Y;
                const TPoint span = IsBaseCell(c, r) ? CellSpan(c, r) : TPoint{1, 1};
                if (span.X == 0 && w < width) {
                    width = ClampToLimits(width, FMinColWidth, FMaxColWidth);
                    if (w < width) {
                        SetColWidths(c, width);
                        w = width;
                    }
                }
                if (span.Y == 0 && RowHeights(r) < height) {
                    height = ClampToLimits(height, FMinRowHeight, FMaxRowHeight);
                    if (RowHeights(r) < height)
                        SetRowHeights(r, height);
                }
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TProStringGrid::SizeColumnToContent(int ACol, bool GrowOnly)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    const int rc = DisplToRealCol(ACol);
    int from = 0, to = RowCount() - 1;
    switch (FColumnSize->Rows()) {
    case arAll: break;
    case arNormal:
        from = FixedRows();
        to = RowCount() - FFixedFooters - 1;
        break;
    case arFixed: to = FixedRows() - 1; break;
    }
    const bool filter = FFilterDropDownAuto && GetColumnFilter(rc);
    int m = 0;
    for (int r = std::max(from, 0); r <= to; ++r) {
        if (IsMergedCell(ACol, r) && (!IsBaseCell(ACol, r) || CellSpan(ACol, r).X > 0))
            continue;
        TSize text{0, 0};
        CellTextExtent(rc, ACol, text, false, false, r);
        int w = GetCellGraphicSize(rc, r).X + text.cx;
        if (FControlLook->DropDownAlwaysVisible() && HasComboBox(rc, r))
            w += 16;
        if (filter && r == FFilterDropDownRow)
            w += 12;
        const int sortRow = r + (IsMergedCell(ACol, r) ? CellSpan(ACol, r).Y : 0);
        if (FSortSettings->Show() && sortRow == FSortSettings->Row() && FixedRows() + 1 < RowCount() &&
            ACol == FSortSettings->Column())
            w += 10;
        if (TCellGraphic* g = GetCellGraphic(rc, r); g && g->CellHAlign() == haFull)
            w = GetCellGraphicSize(rc, r).X - (2 * GridLineWidth() + 2 + FXYOffset.X);
        m = std::max(m, w);
    }
    int width = m + HorzPadding() + 2 * GridLineWidth() + 2;
    if (GrowOnly && ColWidths(ACol) >= width)
        return;
    UpdateAutoColSize(ACol, width);
    SetColWidths(ACol, ClampToLimits(width, FMinColWidth, FMaxColWidth));
}

void TProStringGrid::AutoSizeCol(int ACol, int Padding)
{
    if (ACol < 0 || ACol >= ColCount())
        return;
    SizeColumnToContent(ACol, FSizeGrowOnly);
    PadColumn(ACol, Padding);
}

void TProStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    for (int c = first; c <= last; ++c) {
        AutoSizeCol(c, 0);
        PadColumn(c, Padding);
    }
}

void TProStringGrid::SizeRowToContent(int ARow, bool GrowOnly)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    const bool allVisible = AllRowsVisible();
    int m = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int rc = DisplToRealCol(c);
        if (IsMergedCell(c, ARow) && (!IsBaseCell(c, ARow) || CellSpan(c, ARow).Y > 0))
            continue;
        if (IsIgnoredColumn(rc))
            continue;
        TSize text{0, 0};
        CellTextExtent(rc, c, text, false, FWordWrap, ARow);
        int t = text.cy;
        int g = GetCellGraphicSize(rc, ARow).Y;
        const TCellGraphic* graphic = GetCellGraphic(rc, ARow);
        const TCellType kind = graphic ? graphic->CellType() : ctEmpty;
        if (graphic && graphic->CellVAlign() == vaFull)
            g = t != 0 ? 0 : DefaultRowHeight();
        if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && g > 0)
            t = 0;
        int h = t + g;
        if (graphic && IsSizedCheckKind(kind))
            h = DefaultRowHeight();
        m = std::max(m, h);
    }
    int height = m + VertPadding() + 2 * GridLineWidth() + (FXYOffsetTopLeftOnly ? 2 : 0);
    if (GrowOnly && RowHeights(ARow) >= height)
        return;
    SetRowHeights(ARow, ClampToLimits(height, FMinRowHeight, FMaxRowHeight));
    if (allVisible && EditorMode() && FSizeWhileTyping->Height() && !AllRowsVisible()) {
        ShowEditor();
        if (TInplaceEdit* editor = InplaceEditor()) {
            editor->SetSelStart(editor->Text().size());
            editor->SetSelLength(0);
        }
    }
}

void TProStringGrid::AutoSizeRow(int ARow, int Padding)
{
    if (ARow < 0 || ARow >= RowCount())
        return;
    SizeRowToContent(ARow, FSizeGrowOnly);
    PadRow(ARow, Padding);
}

void TProStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    const int first = DoFixedRows ? 0 : FixedRows();
    ExportNotification(esExportStart, first);
    for (int r = first; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        if (FWordWrap) {
            AutoSizeRow(r, 0);
            PadRow(r, Padding);
        } else {
            SizeRowToLines(r, FMultilinecells ? MaxLinesInRow(r) : 1, Padding);
        }
    }
    ExportNotification(esExportDone, -1);
    UpdateScrollBars();
}

// Fitting

void TProStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool vBar = FScrollBarAlways == saVert ||
                      (ScrollBars() != ssNone && VisibleRowCount() + FixedRows() < RowCount());
    const int s = vBar ? GetSystemMetrics(SM_CXVSCROLL) : 0;
    // The frame: a sunken 3-D border is 2 pixels a side.
    const int b = BorderStyle() == bsSingle ? 4 : 0;
    if (ColCount() < 2) {
        if (ColCount() == 1)
            SetColWidths(0, Width() - s - 5);
        return;
    }
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FFixedRightCols - 1;
    if (last < first)
        return;
    int avail = Width();
    if (!DoFixedCells) {
        for (int c = 0; c < ColCount(); ++c)
            if (c < first || c > last)
                avail -= ColWidths(c);
    }
    int lines = 0;
    if (Options().Contains(goVertLine))
        lines = GridLineWidth() * (ColCount() - FixedCols() - FFixedRightCols);
    if (DoFixedCells && Options().Contains(goFixedVertLine))
        lines += FixedCols() + FFixedRightCols;
    const int room = avail - s - b;
    const int n = last - first + 1;

    int sum = 0;
    for (int c = first; c <= last; ++c)
        sum += ColWidths(c);
    if (sum == room)
        return;
    if (sum <= 0) {
        // Nothing to scale by: the room is shared out evenly.
        for (int c = first; c <= last; ++c)
            SetColWidths(c, std::max(room / n, 0));
    } else {
        const double e = double(room - lines) / sum;
        int t = 0;
        for (int c = first; c <= last; ++c)
            t += RoundEven(ColWidths(c) * e);
        for (int c = first; c <= last; ++c)
            SetColWidths(c, RoundEven(double(ColWidths(c)) * t / sum));
    }
    int rest = room;
    for (int c = first; c <= last; ++c)
        rest -= ColWidths(c);
    if (n > 1 && rest > n) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + rest / n);
        rest %= n;
    }
    int widest = first;
    for (int c = first + 1; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    if (rest != 0)
        SetColWidths(widest, std::max(ColWidths(widest) + rest, 0));
}

void TProStringGrid::SizeToCols()
{
    int w = 0;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    SetClientWidth(w);
}

void TProStringGrid::SizeToRows()
{
    int h = 0;
    for (int r = 0; r < RowCount(); ++r)
        h += RowHeights(r);
    SetClientHeight(h);
}

void TProStringGrid::SizeToCells()
{
    const TScrollStyle bars = ScrollBars();
    SetScrollBars(ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(bars);
}

// Swapping

void TProStringGrid::SwapColumns(int ACol1, int ACol2)
{
    if (ACol1 == ACol2 || ACol1 < 0 || ACol2 < 0 || ACol1 >= ColCount() || ACol2 >= ColCount())
        return;
    CellStore().ExchangeColumns(ACol1, ACol2);
    const int real1 = DisplToRealCol(ACol1), real2 = DisplToRealCol(ACol2);
    // The rows parked while hidden keep their cells by real column.
    for (int i = 0; i < FGridItems->Count(); ++i) {
        TStrings* items = FGridItems->Item(i)->Items();
        const int need = std::max(real1, real2) + 1;
        while (items->Count() < need)
            items->Add(QString());
        items->Exchange(real1, real2);
    }
    const int w1 = ColWidths(ACol1), w2 = ColWidths(ACol2);
    SetColWidths(ACol1, w2);
    SetColWidths(ACol2, w1);
    if (FSortSettings->Column() == ACol1)
        FSortSettings->SetColumn(ACol2);
    else if (FSortSettings->Column() == ACol2)
        FSortSettings->SetColumn(ACol1);
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        if (item->X() == real1)
            item->SetX(real2);
        else if (item->X() == real2)
            item->SetX(real1);
    }
    CellControlsUpdate(false);
    Invalidate();
}

void TProStringGrid::SwapRows(int ARow1, int ARow2)
{
    if (ARow1 == ARow2 || ARow1 < 0 || ARow2 < 0 || ARow1 >= RowCount() || ARow2 >= RowCount())
        return;
    CellStore().ExchangeRows(ARow1, ARow2);
    const int h1 = RowHeights(ARow1), h2 = RowHeights(ARow2);
    SetRowHeights(ARow1, h2);
    SetRowHeights(ARow2, h1);
    const int real1 = RealRowIndex(ARow1), real2 = RealRowIndex(ARow2);
    for (int i = 0; i < FControlList->Count(); ++i) {
        TControlItem* item = FControlList->Control(i);
        if (item->Y() == real1)
            item->SetY(real2);
        else if (item->Y() == real2)
            item->SetY(real1);
    }
    CellControlsUpdate(false);
    Invalidate();
}
