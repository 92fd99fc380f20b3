// Printing and the print preview: jobs, the layout engine (column widths,
// fitting, column strips, rows and pages), headers and footers, page
// numbers and page lines. Cells are measured and drawn in GridPrintCells.cpp.
#include "grid/core/GridSettings.h"
#include "grid/features/GridPrint.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/TextUtils.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Printer.h"
#include <algorithm>
#include <climits>

namespace {

bool AtTop(TPrintPosition P)
{
    return P == ppTopLeft || P == ppTopRight || P == ppTopCenter;
}

bool AtBottom(TPrintPosition P)
{
    return P == ppBottomLeft || P == ppBottomRight || P == ppBottomCenter;
}

bool AtLeft(TPrintPosition P)
{
    return P == ppTopLeft || P == ppBottomLeft;
}

// Lays out (and with Draw, draws) a mini-markup block across R of a
// MM_LOMETRIC canvas in the point size of Font; returns its height.
int MarkupBlock(TCanvas* C, const QString& Text, const TRect& R, TFont* Font, TCustomImageList* Images,
                THTMLPictureCache* Cache, TPictureContainer* Pictures, TColor LinkColor, bool Draw)
{
    TPoint p[2] = {R.TopLeft(), R.BottomRight()};
    LPtoDP(C, p, 2);
    const int saved = SaveDC(C);
    TFont savedFont;
    savedFont.Assign(C->Font());
    SetMapMode(C, MM_TEXT);
    SetViewportOrgEx(C, 0, 0, nullptr);
    const int dpi = GetDeviceCaps(C, LOGPIXELSY);
    C->Font()->Assign(Font);
    C->Font()->SetHeight(-int(std::lround(Font->Size() * dpi / 72.0)));
    QString anchor, plain, focus, title, id, value, type;
    int ex = 0, ey = 0, anchors = 0, at = 0;
    TRect ar, cr;
    RenderHTMLText(C, Text, TRect{p[0].X, p[0].Y, p[1].X, std::max(p[1].Y, p[0].Y + 65535)}, Images, 0, 0, -1, 0,
                   1, false, !Draw, true, false, false, false, true, false, 1.0, LinkColor, clNone, clNone, clGray,
                   anchor, plain, focus, title, ex, ey, anchors, at, ar, cr, id, value, type, Cache, Pictures,
                   nullptr, 0);
    C->Font()->Assign(&savedFont);
    RestoreDC(C, saved);
    return int(std::lround(ey * 254.0 / dpi));
}

// Restores what a job changed on its canvas.
class TCanvasKeeper {
public:
    explicit TCanvasKeeper(TCanvas* C) : FCanvas(C), FSaved(SaveDC(C))
    {
        FFont.Assign(C->Font());
        FPen.Assign(C->Pen());
        FBrush.Assign(C->Brush());
    }
    ~TCanvasKeeper()
    {
        RestoreDC(FCanvas, FSaved);
        FCanvas->Font()->Assign(&FFont);
        FCanvas->Pen()->Assign(&FPen);
        FCanvas->Brush()->Assign(&FBrush);
    }

private:
    TCanvas* FCanvas;
    int FSaved;
    TFont FFont;
    TPen FPen;
    TBrush FBrush;
};

// The page range a preview or a drawn page used to have, put back after
// a printer job so a preview keeps its page.
class TPageRangeKeeper {
public:
    TPageRangeKeeper(int& From, int& To) : FFrom(From), FTo(To), FOldFrom(From), FOldTo(To) {}
    ~TPageRangeKeeper()
    {
        FFrom = FOldFrom;
        FTo = FOldTo;
    }

private:
    int& FFrom;
    int& FTo;
    int FOldFrom;
    int FOldTo;
};

} // namespace

// Entry points

void TProStringGrid::Print()
{
    PrintJob(TGridRect{0, 0, ColCount() - 1, RowCount() - 1}, false);
}

void TProStringGrid::PrintRect(const TGridRect& Gridrect)
{
    PrintJob(Gridrect, false);
}

void TProStringGrid::PrintSelection()
{
    PrintJob(Selection(), false);
}

void TProStringGrid::PrintSelectedRows()
{
    PrintJob(TGridRect{0, 0, ColCount() - 1, RowCount() - 1}, true);
}

void TProStringGrid::PrintSelectedCols()
{
    PrintSelectedRows();
}

void TProStringGrid::PrintPreview(TCanvas* Canvas, const TRect& Displayrect)
{
    PreviewJob(Canvas, Displayrect, TGridRect{0, 0, ColCount() - 1, RowCount() - 1}, false);
}

void TProStringGrid::PrintPreviewRect(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Gridrect)
{
    PreviewJob(Canvas, Displayrect, Gridrect, false);
}

void TProStringGrid::PrintPreviewSelection(TCanvas* Canvas, const TRect& Displayrect)
{
    PreviewJob(Canvas, Displayrect, Selection(), false);
}

void TProStringGrid::PrintPreviewSelectedRows(TCanvas* Canvas, const TRect& Displayrect)
{
    PreviewJob(Canvas, Displayrect, TGridRect{0, 0, ColCount() - 1, RowCount() - 1}, true);
}

void TProStringGrid::PrintPreviewSelectedCols(TCanvas* Canvas, const TRect& Displayrect)
{
    PrintPreviewSelectedRows(Canvas, Displayrect);
}

void TProStringGrid::PrintDraw(TCanvas* Canvas, const TRect& DrawRect)
{
    PrintDrawRect(Canvas, DrawRect, TGridRect{0, 0, ColCount() - 1, RowCount() - 1});
}

void TProStringGrid::PrintDrawRect(TCanvas* Canvas, const TRect& DrawRect, const TGridRect& Gridrect)
{
    TPageRangeKeeper range(FPrintPageFrom, FPrintPageTo);
    FPrintRect = Gridrect;
    FPrevRect = DrawRect;
    FPrintPageFrom = FPrintPageTo = FPrintNrOfPages = 1;
    TCanvasKeeper keep(Canvas);
    SetMapMode(Canvas, MM_LOMETRIC);
    PrintPages(Canvas, TPrintMode::DrawPrint, false, 1);
}

void TProStringGrid::SetPreviewPage(int Value)
{
    FPrintPageFrom = Value;
    FPrintPageTo = Value;
}

int TProStringGrid::MapFontHeight(double PointSize) const
{
    return -int(PointSize * 254 / 72 * FFontscalefactor);
}

int TProStringGrid::MapFontSize(int Height) const
{
    return int(Height * 72.0 / 254);
}

// Jobs

namespace {

// The range ordered and cut to the grid's cells.
TGridRect ClipRange(TGridRect R, int Cols, int Rows)
{
    if (R.Left > R.Right)
        std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    R.Left = std::max(R.Left, 0);
    R.Top = std::max(R.Top, 0);
    R.Right = std::min(R.Right, Cols - 1);
    R.Bottom = std::min(R.Bottom, Rows - 1);
    return R;
}

} // namespace

void TProStringGrid::PrintJob(const TGridRect& Range, bool SelectedOnly)
{
    TPageRangeKeeper range(FPrintPageFrom, FPrintPageTo);
    ExportNotification(esExportStart, -1);
    FPrintRect = ClipRange(Range, ColCount(), RowCount());
    TPrinter* printer = Printer();
    if (!FPrintSettings->UseDefaultOrientation())
        printer->SetOrientation(FPrintSettings->Orientation());
    TCanvas* canvas = printer->Canvas();
    FPrevRect = TRect{0, 0, PrintRound(254.0 / GetDeviceCaps(canvas, LOGPIXELSX) * printer->PageWidth()),
                      PrintRound(254.0 / GetDeviceCaps(canvas, LOGPIXELSY) * printer->PageHeight())};
    printer->SetTitle(FPrintSettings->JobName());
    printer->BeginDoc();
    const int oldMode = GetMapMode(canvas);
    try {
        int pages = INT_MAX;
        if (!FFastPrint) {
            SetMapMode(canvas, MM_LOMETRIC);
            pages = PrintPages(canvas, TPrintMode::CountPrint, SelectedOnly, -1);
        }
        FPrintPageFrom = 1;
        FPrintPageTo = pages;
        FPrintNrOfPages = pages;
        if (OnPrintStart) {
            printer->Abort();
            OnPrintStart(this, pages, FPrintPageFrom, FPrintPageTo);
            if (FPrintPageFrom == 0 || FPrintPageTo == 0 || FPrintPageTo < FPrintPageFrom) {
                SetMapMode(canvas, oldMode);
                ExportNotification(esExportDone, -1);
                return;
            }
            printer->BeginDoc();
        }
        FPrintNrOfPages = FPrintPageTo;
        SetMapMode(canvas, MM_LOMETRIC);
        PrintPages(canvas, TPrintMode::DrawPrint, SelectedOnly, pages);
    } catch (...) {
        // A failed job leaves no partial file behind.
        SetMapMode(canvas, oldMode);
        printer->Abort();
        ExportNotification(esExportDone, -1);
        throw;
    }
    SetMapMode(canvas, oldMode);
    printer->EndDoc();
    ExportNotification(esExportDone, -1);
}

void TProStringGrid::PreviewJob(TCanvas* Canvas, const TRect& Displayrect, const TGridRect& Range,
                                bool SelectedOnly)
{
    ExportNotification(esExportStart, -1);
    FPrintRect = ClipRange(Range, ColCount(), RowCount());
    if (FPrintPageFrom < 1 || FPrintPageTo < FPrintPageFrom)
        FPrintPageFrom = FPrintPageTo = 1;
    try {
        TCanvasKeeper keep(Canvas);
        // The page's top-left corner is the rectangle's.
        SetViewportOrgEx(Canvas, Displayrect.Left, Displayrect.Top, nullptr);
        IntersectClipRect(Canvas, 0, 0, Displayrect.Right - Displayrect.Left, Displayrect.Bottom - Displayrect.Top);
        SetMapMode(Canvas, MM_LOMETRIC);
        FPrevRect = Displayrect;
        int pages = 1;
        if (!FFastPrint)
            pages = PrintPages(Canvas, TPrintMode::CountPreview, SelectedOnly, -1);
        FPrintNrOfPages = pages;
        FIsPrintPreview = true;
        int from = 1, to = pages;
        if (OnPrintStart)
            OnPrintStart(this, pages, from, to);
        if (from > 0 && to > 0 && to >= from) {
            FPrevRect = Displayrect;
            PrintPages(Canvas, TPrintMode::DrawPreview, SelectedOnly, pages);
        }
    } catch (...) {
        ExportNotification(esExportDone, -1);
        FIsPrintPreview = false;
        throw;
    }
    ExportNotification(esExportDone, -1);
    FIsPrintPreview = false;
}

// The engine

void TProStringGrid::InitPrintMetrics(TPrintJob& J)
{
    TCanvas* c = J.Canvas;
    auto lineHeight = [&](TFont* Font) {
        c->Font()->Assign(Font);
        c->Font()->SetHeight(MapFontHeight(Font->Size()));
        return c->TextHeight(QStringLiteral("gh"));
    };
    J.HeaderH = lineHeight(FPrintSettings->HeaderFont());
    J.FooterH = lineHeight(FPrintSettings->FooterFont());
    J.TextH = lineHeight(FPrintSettings->Font());
    J.U = J.TextH / 8;
    J.G = c->TextWidth(QStringLiteral("g")) / 2;
    J.F = 254.0 / GetDeviceCaps(Canvas(), LOGPIXELSX);
    J.M = FPrintSettings->UseFixedWidth() ? 0 : FPrintSettings->ColumnSpacing() + 20;
}

int TProStringGrid::PrintPages(TCanvas* ACanvas, TPrintMode Mode, bool SelectedOnly, int Total)
{
    TPrintJob J;
    J.Canvas = ACanvas;
    J.Mode = Mode;
    J.SelectedOnly = SelectedOnly;
    J.Total = Total;
    TPrintJob* outer = FPrintJob;
    FPrintJob = &J;
    TCanvasKeeper keep(ACanvas);
    FFontscalefactor = 1.0;
    J.Pen.SetColor(clBlack);
    J.Pen.SetStyle(FPrintSettings->BorderStyle());
    J.Pen.SetWidth(FPrintSettings->Borders() == pbDouble ? 10 : 2);
    try {
        InitPrintMetrics(J);
        if (Mode == TPrintMode::DrawPrint) {
            TRect clip;
            GetClipBox(ACanvas, &clip);
            J.PW = clip.Right - clip.Left;
            J.PH = clip.Bottom;
        } else if (Mode == TPrintMode::CountPrint) {
            J.PW = FPrevRect.Right - FPrevRect.Left;
            J.PH = -FPrevRect.Bottom - FPrevRect.Top;
        } else {
            TPoint p[2] = {FPrevRect.TopLeft(), FPrevRect.BottomRight()};
            DPtoLP(ACanvas, p, 2);
            J.PW = p[1].X - p[0].X;
            J.PH = p[1].Y - p[0].Y;
        }
        FPrintPageRect = TRect{0, 0, J.PW, J.PH};
        // The arrays reach one past the last column, however many there are.
        const std::size_t need = std::size_t(std::max(ColCount() + 1, 512));
        if (FMaxWidths.size() < need) {
            FMaxWidths.resize(need);
            FIndents.resize(need);
        }
        CalcPrintColWidths(J);
        FitPrintColWidths(J);
        int first = FPrintRect.Left;
        while (first <= FPrintRect.Right && !J.Cancelled) {
            const int last = LayoutPrintStrip(J, first);
            // A further strip starts on a new page.
            if (first > FPrintRect.Left) {
                PrintNewPage(J);
                ++J.C;
                ++J.Strip;
            }
            PrintStrip(J, first);
            first = last + 1;
        }
    } catch (...) {
        FPrintJob = outer;
        FFontscalefactor = 1.0;
        throw;
    }
    FPrintJob = outer;
    FFontscalefactor = 1.0;
    return J.C + 1;
}

// Selection filter

bool TProStringGrid::PrintRowPrinted(const TPrintJob& J, int ARow)
{
    if (!J.SelectedOnly)
        return true;
    if (ARow < FixedRows() && FPrintSettings->FixedCellsAlways())
        return true;
    if (FMouseActions->DisjunctRowSelect())
        return DisplayRowSelected(ARow);
    const TGridRect sel = Selection();
    return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

bool TProStringGrid::PrintColPrinted(const TPrintJob& J, int ACol)
{
    if (!J.SelectedOnly || FMouseActions->DisjunctRowSelect())
        return true;
    if (ACol < FixedCols() && FPrintSettings->FixedCellsAlways())
        return true;
    if (FMouseActions->DisjunctColSelect())
        return GetColSelect(ACol);
    const TGridRect sel = Selection();
    return ACol >= std::min(sel.Left, sel.Right) && ACol <= std::max(sel.Left, sel.Right);
}

// Column widths and fitting

void TProStringGrid::CalcPrintColWidths(TPrintJob& J)
{
    TPrintSettings* ps = FPrintSettings.get();
    std::vector<int> rows;
    if (ps->RepeatFixedRows())
        for (int r = 0; r < std::min(FixedRows(), FPrintRect.Top); ++r)
            rows.push_back(r);
    for (int r = FPrintRect.Top; r <= FPrintRect.Bottom; ++r)
        rows.push_back(r);
    for (int c = FPrintRect.Left; c <= FPrintRect.Right; ++c) {
        int& w = FMaxWidths[std::size_t(c)];
        w = 0;
        if (!PrintColPrinted(J, c))
            continue;
        if (ps->NoAutoSize()) {
            w = PrintRound(ColWidths(c) * J.F);
            continue;
        }
        const int rc = DisplToRealCol(c);
        for (int r : rows) {
            if (!PrintRowPrinted(J, r))
                continue;
            if (ps->UseFixedWidth()) {
                w = ps->FixedWidth();
                break;
            }
            if (IsXMergedCell(rc, r))
                continue;
            w = std::max(w, MeasurePrintCell(rc, r).X);
        }
    }
}

void TProStringGrid::FitPrintColWidths(TPrintJob& J)
{
    TPrintSettings* ps = FPrintSettings.get();
    if (ps->FitToPage() != fpNever) {
        double sum = 0;
        for (int c = FPrintRect.Left; c <= FPrintRect.Right; ++c)
            if (PrintColPrinted(J, c))
                sum += FMaxWidths[std::size_t(c)] + J.M;
        const double v = double(FPrintRect.Right - FPrintRect.Left + 1) * J.M;
        double s = 1;
        if (sum != v)
            s = (J.PW - ps->RightSize() - ps->LeftSize() - v) / (sum - v);
        if ((ps->FitToPage() == fpShrink && s > 1) || (ps->FitToPage() == fpGrow && s < 1))
            s = 1;
        if (ps->FitToPage() == fpCustom && s != 1) {
            bool allow = true;
            if (OnFitToPage)
                OnFitToPage(this, s, allow);
            if (!allow)
                s = 1;
        }
        if (s != 1)
            for (int c = FPrintRect.Left; c <= FPrintRect.Right; ++c)
                FMaxWidths[std::size_t(c)] = int(FMaxWidths[std::size_t(c)] * s);
        J.S = s;
    }
    if (OnPrintSetColumnWidth)
        for (int c = FPrintRect.Left; c <= FPrintRect.Right; ++c)
            OnPrintSetColumnWidth(this, c, FMaxWidths[std::size_t(c)]);
}

// Strips

int TProStringGrid::LayoutPrintStrip(TPrintJob& J, int First)
{
    TPrintSettings* ps = FPrintSettings.get();
    const int fixedCols = FixedCols();
    auto colSpace = [&](int c) { return PrintColPrinted(J, c) ? FMaxWidths[std::size_t(c)] + J.M : 0; };
    J.RepeatCols = fixedCols >= 1 && ps->RepeatFixedCols() &&
                   !(First <= FPrintRect.Left && FPrintRect.Left <= fixedCols);
    J.FW = 0;
    if (J.RepeatCols)
        for (int p = 0; p < fixedCols; ++p)
            J.FW += colSpace(p);
    const int room = J.PW - ps->RightSize();
    int d = J.FW, last = First - 1;
    // At least two columns go on a strip, however wide.
    while (last < FPrintRect.Right) {
        const int w = colSpace(last + 1);
        if (d + w > room && last >= First + 1)
            break;
        d += w;
        ++last;
    }
    if (last < FPrintRect.Right)
        J.SeveralStrips = true;
    J.First = First;
    J.Last = last;
    FPrintPageWidth = d;
    FPrintColStart = First;
    FPrintColEnd = last;

    int* ind = FIndents.data();
    const int base = ps->Centered() ? 0 : ps->LeftSize();
    ind[First] = ind[0] = base;
    for (int c = First; c <= last; ++c)
        ind[c + 1] = ind[c] + colSpace(c);
    if (J.RepeatCols)
        for (int p = 1; p < fixedCols; ++p)
            ind[p] = ind[p - 1] + colSpace(p - 1);
    if (ps->Centered() && d < J.PW) {
        const int shift = (J.PW - d) / 2;
        for (int c = First; c <= last + 1; ++c)
            ind[c] += shift;
        if (J.RepeatCols)
            for (int p = 0; p < fixedCols; ++p)
                ind[p] += shift;
    }
    for (int c = First; c <= last + 1; ++c)
        ind[c] += J.FW;
    return last;
}

void TProStringGrid::CalcPrintMargins(TPrintJob& J, bool StripStart)
{
    Q_UNUSED(StripStart);
    TPrintSettings* ps = FPrintSettings.get();
    const TPrintPosition items[] = {ps->Time(), ps->Date(), ps->PageNr(), ps->Title()};
    const bool top = std::any_of(std::begin(items), std::end(items), AtTop);
    const bool bottom = std::any_of(std::begin(items), std::end(items), AtBottom);
    J.MarkupTitle.clear();
    J.MarkupTitleH = 0;
    if (ps->TitleText().isEmpty() && ps->Title() != ppNone && ps->TitleLines()->Count() > 0) {
        QString joined;
        for (int i = 0; i < ps->TitleLines()->Count(); ++i)
            joined += ps->TitleLines()->Strings(i);
        if (ClassifyCellText(joined, true) == ctHTML) {
            J.MarkupTitle = joined;
            J.MarkupTitleH = MarkupBlock(J.Canvas, joined, TRect{0, 0, J.PW, J.PH}, ps->HeaderFont(),
                                         GetCellImageList(), FImageCache.get(), FPictureContainer, FURLColor, false);
        }
    }
    const int extra = ps->TitleText().isEmpty() && J.MarkupTitle.isEmpty()
                          ? std::max(ps->TitleLines()->Count() - 1, 0)
                          : 0;
    J.E = top ? J.U + J.HeaderH + ps->HeaderSize() : ps->HeaderSize();
    if (top && AtTop(ps->Title()))
        J.E += extra * J.HeaderH;
    J.GF = bottom ? 2 * J.U + 2 * J.FooterH + ps->FooterSize() : J.U + J.FooterH + ps->FooterSize();
    if (bottom && AtBottom(ps->Title()))
        J.GF += J.MarkupTitle.isEmpty() ? extra * J.FooterH : J.MarkupTitleH;
}

// Rows and pages

bool TProStringGrid::PrintPageDrawn(const TPrintJob& J) const
{
    return J.Drawing() && J.C + 1 >= FPrintPageFrom && J.C + 1 <= FPrintPageTo;
}

void TProStringGrid::PrintStrip(TPrintJob& J, int First)
{
    Q_UNUSED(First);
    J.H = FPrintRect.Top;
    J.PageInStrip = 0;
    CalcPrintMargins(J, true);
    if (J.C == 0 && PrintPageDrawn(J) && OnPrintPage)
        OnPrintPage(this, J.Canvas, J.C + 1, J.PW, J.PH);
    for (;;) {
        PrintStripPage(J);
        const bool more = J.H <= FPrintRect.Bottom && !J.Cancelled;
        if (PrintPageDrawn(J))
            PrintPageEnd(J, J.Y);
        if (!more)
            break;
        if (FFastPrint && J.C + 2 > FPrintPageTo)
            break;
        PrintNewPage(J);
        ++J.C;
        ++J.PageInStrip;
        CalcPrintMargins(J, false);
    }
}

void TProStringGrid::PrintStripPage(TPrintJob& J)
{
    TPrintSettings* ps = FPrintSettings.get();
    const bool drawn = PrintPageDrawn(J);
    int y = -J.E;
    if (drawn)
        PrintHeaderFooter(J);
    y -= ps->TitleSpacing() + (AtTop(ps->Title()) ? J.MarkupTitleH : 0);
    const int fixedRows = FixedRows();
    if (J.H > 0 && ps->RepeatFixedRows() && fixedRows > 0 && (J.C > 0 || FPrintRect.Top >= fixedRows))
        for (int r = 0; r < fixedRows; ++r)
            if (PrintRowPrinted(J, r))
                y -= PrintFullRow(J, y, r);
    const TGridExportState state =
        FPrintRect.Top > fixedRows || FPrintRect.Bottom < RowCount() - FFixedFooters - 1 ? esExportSelRow
                                                                                      : esExportNewRow;
    const int bodyBottom = J.PH + J.GF;
    int placed = 0;
    for (;;) {
        ExportNotification(state, J.H);
        if (J.H > FPrintRect.Bottom || J.Cancelled)
            break;
        if (PrintRowPrinted(J, J.H)) {
            const int rh = CalcPrintRowHeight(J, J.H);
            const bool fits = bodyBottom < y - rh;
            if (!fits && placed > 0)
                break;
            if (fits) {
                y -= PrintFullRow(J, y, J.H);
            } else {
                // A row taller than the page body goes alone on its page, cut
                // at the footer; the next row starts a new page.
                const int saved = SaveDC(J.Canvas);
                IntersectClipRect(J.Canvas, 0, 0, J.PW, bodyBottom);
                PrintFullRow(J, y, J.H);
                RestoreDC(J.Canvas, saved);
                y = bodyBottom;
            }
            ++placed;
            if (!fits) {
                ++J.H;
                break;
            }
        }
        ++J.H;
        bool newPage = false;
        if (OnPrintNewPage)
            OnPrintNewPage(this, J.H, newPage);
        if (newPage)
            break;
    }
    J.Y = y;
    if (drawn) {
        if (OnPrintPageDone)
            OnPrintPageDone(this, J.Canvas, J.H, y, J.C + 1, J.PW, J.PH);
        bool cancel = false;
        if (OnPrintCancel)
            OnPrintCancel(this, J.C + 1, cancel);
        if (cancel)
            J.Cancelled = true;
    }
}

int TProStringGrid::PrintFullRow(TPrintJob& J, int Y, int ARow)
{
    if (J.RepeatCols)
        PrintRow(J, Y, 0, FixedCols() - 1, ARow);
    return PrintRow(J, Y, J.First, J.Last, ARow);
}

int TProStringGrid::CalcPrintRowHeight(TPrintJob& J, int ARow)
{
    if (J.HeightRow == ARow)
        return J.Height;
    TPrintSettings* ps = FPrintSettings.get();
    int h = 0;
    if (ps->NoAutoSizeRow()) {
        h = PrintRound(RowHeights(ARow) * J.F) - 4;
    } else if (ps->UseFixedHeight()) {
        h = ps->FixedHeight();
    } else {
        FFontscalefactor = J.S;
        int m = 0, lastMeasured = 0;
        for (int c = FPrintRect.Left; c <= FPrintRect.Right; ++c) {
            if (!PrintColPrinted(J, c))
                continue;
            const int rc = DisplToRealCol(c);
            lastMeasured = MeasurePrintCell(rc, ARow).Y;
            if (!IsYMergedCell(rc, ARow))
                m = std::max(m, lastMeasured);
        }
        FFontscalefactor = 1.0;
        if (m == 0)
            m = lastMeasured;
        h = m + m / 8;
    }
    if (OnPrintSetRowHeight)
        OnPrintSetRowHeight(this, ARow, h);
    J.HeightRow = ARow;
    J.Height = h;
    return h;
}

void TProStringGrid::PrintNewPage(TPrintJob& J)
{
    const int n = J.C + 2;
    if (n < FPrintPageFrom || n > FPrintPageTo)
        return;
    TPrinter* printer = Printer();
    if (J.Mode == TPrintMode::DrawPrint && J.C + 1 >= FPrintPageFrom && printer->Printing() &&
        J.Canvas == printer->Canvas())
        printer->NewPage();
    SetMapMode(J.Canvas, MM_LOMETRIC);
    if (J.Drawing() && OnPrintPage)
        OnPrintPage(this, J.Canvas, n, J.PW, J.PH);
}

// Headers, footers and page lines

QString TProStringGrid::PrintPageNumText(TPrintJob& J)
{
    TPrintSettings* ps = FPrintSettings.get();
    QString s;
    if (J.SeveralStrips) {
        s = QStringLiteral("%1-%2").arg(J.PageInStrip + 1).arg(J.Strip + 1);
        GetPrintPageNum(J.PageInStrip + 1, J.Strip + 1, s);
        return s;
    }
    s = QString::number(J.C + ps->PageNumberOffset() + 1);
    if (!ps->PageNumSep().isEmpty() && !FFastPrint && J.Total > 1)
        s += ps->PageNumSep() + QString::number(J.Total + ps->MaxPagesOffset());
    GetPrintPageNum(J.C + 1, J.Strip + 1, s);
    return s;
}

void TProStringGrid::PrintHeaderFooter(TPrintJob& J)
{
    TPrintSettings* ps = FPrintSettings.get();
    TCanvas* c = J.Canvas;
    // Texts by position, ppTopLeft to ppBottomCenter.
    QString texts[7];
    auto add = [&](TPrintPosition P, const QString& Item, bool Blank) {
        if (P == ppNone)
            return;
        QString& t = texts[P];
        const QString sep = Blank || (!t.isEmpty() && !Item.isEmpty()) ? QStringLiteral(" ") : QString();
        t = AtLeft(P) ? Item + sep + t : t + sep + Item;
    };
    const TDateTime now = Now();
    add(ps->Time(), FormatDateTime(QStringLiteral("hh:nn"), now), true);
    add(ps->Date(), FormatDateTime(ps->DateFormat(), now), true);
    if (ps->PageNr() != ppNone)
        add(ps->PageNr(), ps->PagePrefix() + u' ' + PrintPageNumText(J) + u' ' + ps->PageSuffix(), true);
    QStringList titleLines;
    if (!J.MarkupTitle.isEmpty()) {
        const bool top = AtTop(ps->Title());
        // Under the header line, or above the footer line.
        const int y = top ? -ps->HeaderSize() - J.HeaderH - J.U
                          : J.PH + ps->FooterSize() + J.U + J.FooterH + J.MarkupTitleH;
        const TRect area{0, y, J.PW, J.PH};
        MarkupBlock(c, J.MarkupTitle, area, ps->HeaderFont(), GetCellImageList(), FImageCache.get(),
                    FPictureContainer, FURLColor, true);
    } else if (ps->TitleText().isEmpty()) {
        for (int i = 0; i < ps->TitleLines()->Count(); ++i)
            titleLines << ps->TitleLines()->Strings(i);
        if (!titleLines.isEmpty())
            add(ps->Title(), titleLines.first(), false);
    } else {
        add(ps->Title(), ps->TitleText(), true);
    }

    c->Brush()->SetStyle(bsClear);
    auto xFor = [&](TPrintPosition P, const QString& Text) {
        const int w = c->TextWidth(Text);
        if (AtLeft(P))
            return ps->LeftSize();
        if (P == ppTopRight || P == ppBottomRight)
            return J.PW - w - ps->RightSize() - 20;
        return (J.PW - w) / 2;
    };
    auto drawSide = [&](TFont* Font, bool Top, int Y, int LineH) {
        c->Font()->Assign(Font);
        c->Font()->SetHeight(MapFontHeight(Font->Size()));
        const TPrintPosition top[] = {ppTopLeft, ppTopRight, ppTopCenter};
        const TPrintPosition bottom[] = {ppBottomLeft, ppBottomRight, ppBottomCenter};
        for (TPrintPosition p : Top ? top : bottom)
            if (!texts[p].isEmpty())
                c->TextOut(xFor(p, texts[p]), Y, texts[p]);
        if ((Top ? AtTop(ps->Title()) : AtBottom(ps->Title())))
            for (int i = 1; i < titleLines.size(); ++i)
                c->TextOut(xFor(ps->Title(), titleLines[i]), Y - i * LineH, titleLines[i]);
    };
    drawSide(ps->HeaderFont(), true, -ps->HeaderSize(), J.HeaderH);
    drawSide(ps->FooterFont(), false, J.PH + J.FooterH + J.U + ps->FooterSize(), J.FooterH);
    c->Brush()->SetStyle(bsSolid);
}

void TProStringGrid::PrintPageEnd(TPrintJob& J, int Y)
{
    TPrintSettings* ps = FPrintSettings.get();
    TCanvas* c = J.Canvas;
    const TPrintBorders b = ps->Borders();
    const int* ind = FIndents.data();
    const int left = J.RepeatCols ? ind[0] : ind[J.First];
    const int right = ind[J.Last + 1];
    const int top = -J.E - ps->TitleSpacing();
    const int bottom = Y + J.U / 2;
    c->Pen()->Assign(&J.Pen);
    if (b == pbAround || b == pbAroundVertical || b == pbAroundHorizontal) {
        c->MoveTo(left, top);
        c->LineTo(right, top);
        c->LineTo(right, bottom);
        c->LineTo(left, bottom);
        c->LineTo(left, top);
    }
    if (b == pbDouble || b == pbHorizontal || b == pbAroundHorizontal) {
        c->MoveTo(left, bottom);
        c->LineTo(right, bottom);
    }
    if ((b == pbDouble || b == pbVertical || b == pbAroundVertical) && J.RepeatCols)
        for (int p = 0; p < FixedCols(); ++p) {
            c->MoveTo(ind[p], top);
            c->LineTo(ind[p], bottom);
        }
}
