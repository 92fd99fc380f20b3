// Printing of cells: the printed size of a cell and the drawing of one row
// of a column strip (background, text, graphics, custom drawing and cell
// lines), in tenths of a millimetre with y growing upwards.
#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/features/GridPrint.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/RichText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/services/Printer.h"
#include <algorithm>
#include <cmath>

namespace {

QStringList CellLines(QString Text, bool Multiline, bool StripURL)
{
    QStringList lines;
    if (Multiline) {
        while (!Text.isEmpty()) {
            QString line;
            SplitFirstLine(Text, true, line);
            lines << line;
        }
        if (lines.isEmpty())
            lines << QString();
    } else {
        lines << Text;
    }
    if (StripURL)
        for (QString& l : lines)
            StripURLProtocol(l);
    return lines;
}

// R of a MM_LOMETRIC canvas in device pixels, ordered.
TRect DeviceRect(TCanvas* C, const TRect& R)
{
    TPoint p[2] = {R.TopLeft(), R.BottomRight()};
    LPtoDP(C, p, 2);
    return TRect{std::min(p[0].X, p[1].X), std::min(p[0].Y, p[1].Y), std::max(p[0].X, p[1].X),
                 std::max(p[0].Y, p[1].Y)};
}

// Draws in device pixels for its lifetime: MM_TEXT with the origin at the
// device's corner.
class TDeviceUnits {
public:
    explicit TDeviceUnits(TCanvas* C) : FCanvas(C), FSaved(SaveDC(C))
    {
        SetMapMode(C, MM_TEXT);
        SetViewportOrgEx(C, 0, 0, nullptr);
        SetWindowOrgEx(C, 0, 0, nullptr);
    }
    ~TDeviceUnits() { RestoreDC(FCanvas, FSaved); }

private:
    TCanvas* FCanvas;
    int FSaved;
};

bool IsCheckKind(TCellType T)
{
    return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox ||
           T == ctRadioButton;
}

} // namespace

// Measuring

TPoint TProStringGrid::MeasurePrintCell(int ACol, int ARow)
{
    // Outside a job the printer's page is measured on.
    std::unique_ptr<TPrintJob> own;
    int oldMode = 0;
    TPrintJob* job = FPrintJob;
    if (!job) {
        own = std::make_unique<TPrintJob>();
        own->Canvas = Printer()->Canvas();
        oldMode = SetMapMode(own->Canvas, MM_LOMETRIC);
        InitPrintMetrics(*own);
        job = own.get();
    }
    TPrintJob& J = *job;
    TCanvas* c = J.Canvas;
    TPrintSettings* ps = FPrintSettings.get();
    TFont savedFont;
    savedFont.Assign(c->Font());

    QString text = HasDataGraphic(ACol, ARow) ? QString() : GetFormattedCell(ACol, ARow);
    int kind = ClassifyCellText(text, FEnableHTML);
    if (kind == ctPackedWide) {
        text = UnpackWideText(text);
        kind = ctPlain;
    }
    TPoint size;
    if (kind == ctHTML) {
        TDeviceUnits device(c);
        const int dpi = GetDeviceCaps(c, LOGPIXELSY);
        c->Font()->Assign(ps->Font());
        c->Font()->SetHeight(-int(std::lround(int(ps->Font()->Size()) * dpi / 72.0)));
        const int width = ps->NoAutoSize() ? int(std::lround((ColWidths(RealToDisplCol(ACol)) + 12) * dpi / 96.0))
                                           : 65535;
        QString anchor, plain, focus, title, id, value, type;
        int ex = 0, ey = 0, anchors = 0, at = 0;
        TRect ar, cr;
        RenderHTMLText(c, text, TRect{0, 0, width, 65535}, GetCellImageList(), 0, 0, -1, 0, 1, false, true, true,
                       false, false, false, true, false, 1.0, FURLColor, clNone, clNone, clGray, anchor, plain,
                       focus, title, ex, ey, anchors, at, ar, cr, id, value, type, FImageCache.get(),
                       FPictureContainer, nullptr, 0);
        size.X = int(std::lround(ex * 254.0 / dpi));
        size.Y = std::max(int(std::lround(ey * 254.0 / dpi)) - PrintRound(J.U * J.F), 0);
        c->Font()->Assign(&savedFont);
        if (OnCustomCellSize)
            OnCustomCellSize(this, c, ACol, ARow, size, true);
        if (own)
            SetMapMode(c, oldMode);
        return size;
    }
    if (kind == ctRTF)
        text = ReadRtf(text.toLatin1()).PlainText();
    else if (kind == ctFormula)
        GetCellText(ACol, ARow, text);

    TGridDrawState state;
    TBrush brush;
    TColor colorTo, mirror, mirrorTo;
    TAlignment ha;
    TVAlignment va;
    bool ww = false;
    TCellGradientDirection gd;
    TFont font;
    GetVisualProperties(ACol, ARow, state, true, false, false, &brush, colorTo, mirror, mirrorTo, &font, ha, va, ww,
                        gd);
    GetWordWrapEx(ACol, ARow, ww);
    c->Font()->Assign(&font);
    c->Font()->SetHeight(MapFontHeight(font.Size()));
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);

    TPoint graphic;
    if (ps->PrintGraphics() && GetCellGraphic(ACol, ARow) && !rotated) {
        const TPoint g = GetCellGraphicSize(ACol, ARow);
        graphic = TPoint{PrintRound(g.X * J.F), PrintRound(g.Y * J.F)};
    }
    if (text.isEmpty())
        text = QStringLiteral("gh");
    int w = 0, h = 0;
    if (!(ww && ps->NoAutoSize()) || rotated) {
        const QStringList lines = CellLines(text, FMultilinecells, FURLShow && !FURLFull);
        for (const QString& l : lines)
            w = std::max(w, c->TextWidth(l) + graphic.X);
        h = c->TextHeight(QStringLiteral("gh")) * int(lines.size());
    } else {
        const int dc = RealToDisplCol(ACol);
        const int width = IsXMergedCell(ACol, ARow) ? 65535 : FMaxWidths[std::size_t(dc)];
        TRect r{0, 0, width, -50};
        h = std::abs(DrawText(c, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX));
        w = width;
    }
    if (rotated) {
        const double a = angle * M_PI / 180;
        const int rw = std::abs(PrintRound(std::cos(a) * w)) + std::abs(PrintRound(std::sin(a) * h));
        const int rh = std::abs(PrintRound(std::sin(a) * w)) + std::abs(PrintRound(std::cos(a) * h));
        w = rw;
        h = rh;
    }
    size = TPoint{std::max(w, graphic.X), std::max(h, graphic.Y)};
    c->Font()->Assign(&savedFont);
    if (OnCustomCellSize)
        OnCustomCellSize(this, c, ACol, ARow, size, true);
    if (own)
        SetMapMode(c, oldMode);
    return size;
}

// Drawing a row

int TProStringGrid::PrintRow(TPrintJob& J, int Y, int FirstCol, int LastCol, int ARow)
{
    const int rh = CalcPrintRowHeight(J, ARow);
    const int pitch = 2 * J.U + rh + FPrintSettings->RowSpacing();
    if (PrintPageDrawn(J)) {
        FFontscalefactor = J.S;
        for (int c = FirstCol; c <= LastCol; ++c)
            if (PrintColPrinted(J, c))
                PrintCell(J, Y, pitch, c, LastCol, ARow);
    }
    FFontscalefactor = 1.0;
    return pitch;
}

void TProStringGrid::PrintCell(TPrintJob& J, int Y, int Pitch, int ACol, int LastCol, int ARow)
{
    TPrintSettings* ps = FPrintSettings.get();
    TCanvas* c = J.Canvas;
    const int* widths = FMaxWidths.data();
    const int* ind = FIndents.data();
    const int rc = DisplToRealCol(ACol);
    const TPoint ext = CellExt(rc, ARow);
    const bool base = IsBaseCell(rc, ARow);
    const int lastCol = std::min(ACol + ext.X, ColCount() - 1);
    int width = 0;
    for (int k = ACol; k <= lastCol; ++k)
        width += widths[k] + J.M;
    auto extraRow = [&](int r) {
        const int t = int((RowHeights(r) - 4) * J.F);
        return t + t / 8 + 2 * J.U + ps->RowSpacing();
    };
    int height = Pitch;
    if (!ps->NoAutoSizeRow()) {
        for (int k = 1; k <= ext.Y && ARow + k < RowCount(); ++k)
            height += extraRow(ARow + k);
    } else if (ext.Y > 0) {
        height = 0;
        for (int k = 0; k <= ext.Y && ARow + k < RowCount(); ++k)
            height += extraRow(ARow + k);
    }
    TRect r{ind[ACol], Y, ind[ACol] + width, Y - height};

    TCellBorders sides;
    switch (ps->Borders()) {
    case pbSingle:
    case pbDouble:
        sides = TCellBorders{cbLeft, cbTop, cbRight, cbBottom};
        break;
    case pbHorizontal:
    case pbAroundHorizontal:
        sides = TCellBorders{cbTop, cbBottom};
        break;
    case pbVertical:
    case pbAroundVertical:
        sides = TCellBorders{cbLeft, cbRight};
        break;
    default:
        break;
    }
    TPen savedPen;
    savedPen.Assign(c->Pen());
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(ps->BorderColor());
    GetCellPrintBorder(rc, ARow, c->Pen(), sides);
    TPen cellPen;
    cellPen.Assign(c->Pen());

    if (base)
        PrintCellContent(J, r, Pitch, ACol, LastCol, ARow);
    if (OnCustomCellDraw) {
        TFont savedFont;
        savedFont.Assign(c->Font());
        const TRect dr = DeviceRect(c, TRect{r.Left, Y, r.Right, Y - Pitch});
        {
            TDeviceUnits device(c);
            c->Font()->Assign(ps->Font());
            OnCustomCellDraw(this, c, rc, ARow, TGridDrawState(), dr, true);
        }
        c->Font()->Assign(&savedFont);
    }

    c->Pen()->Assign(&cellPen);
    c->Pen()->SetWidth(J.Preview() ? cellPen.Width() : PrintRound(cellPen.Width() * J.F));
    if (!base) {
        if (ext.X > 0) {
            sides.Exclude(cbLeft);
            sides.Exclude(cbRight);
        }
        if (ext.Y > 0) {
            sides.Exclude(cbTop);
            sides.Exclude(cbBottom);
        }
    }
    if (IsYMergedCell(rc, ARow) && ext.Y == 0)
        sides.Exclude(cbTop);
    if (IsXMergedCell(rc, ARow) && ext.X == 0)
        sides.Exclude(cbLeft);
    if (r.Bottom < J.PH + ps->FooterSize()) {
        r.Bottom = Y - Pitch;
        sides.Exclude(cbBottom);
    }
    if (r.Right > J.PW)
        r.Right = ind[LastCol + 1];
    const int pw = c->Pen()->Width();
    if (sides.Contains(cbLeft)) {
        const int x = ACol == J.First ? r.Left : r.Left - pw;
        c->MoveTo(x, r.Top);
        c->LineTo(x, r.Bottom);
    }
    if (sides.Contains(cbRight)) {
        c->MoveTo(r.Right, r.Top);
        c->LineTo(r.Right, r.Bottom);
    }
    if (sides.Contains(cbTop)) {
        c->MoveTo(r.Left, r.Top);
        c->LineTo(r.Right, r.Top);
    }
    if (sides.Contains(cbBottom)) {
        c->MoveTo(r.Left, r.Bottom);
        c->LineTo(r.Right, r.Bottom);
    }
    c->Pen()->Assign(&savedPen);
}

void TProStringGrid::PrintCellContent(TPrintJob& J, const TRect& R, int Pitch, int ACol, int LastCol, int ARow)
{
    TPrintSettings* ps = FPrintSettings.get();
    TCanvas* c = J.Canvas;
    const int rc = DisplToRealCol(ACol);
    TFont savedFont;
    TBrush savedBrush;
    savedFont.Assign(c->Font());
    savedBrush.Assign(c->Brush());

    TGridDrawState state;
    TColor colorTo, mirror, mirrorTo;
    TAlignment ha;
    TVAlignment va;
    bool ww = false;
    TCellGradientDirection gd;
    GetVisualProperties(rc, ARow, state, true, false, false, c->Brush(), colorTo, mirror, mirrorTo, c->Font(), ha,
                        va, ww, gd);
    J.CellPoints = c->Font()->Size();
    c->Font()->SetHeight(MapFontHeight(J.CellPoints));
    GetWordWrapEx(rc, ARow, ww);

    QString text = HasDataGraphic(rc, ARow) ? QString() : GetFormattedCell(rc, ARow);
    int kind = ClassifyCellText(text, FEnableHTML);
    if (kind == ctFormula) {
        GetCellText(rc, ARow, text);
        kind = ctPlain;
    }
    if (kind == ctPackedWide) {
        text = UnpackWideText(text);
        kind = ctPlain;
    }

    if (c->Brush()->Color() != clNone) {
        const TColor brushColor = c->Brush()->Color();
        TPen pen;
        pen.Assign(c->Pen());
        c->Pen()->SetColor(brushColor);
        if (colorTo != clNone) {
            TRect g = DeviceRect(c, R);
            TDeviceUnits device(c);
            FillGradientRect(c, colorTo, brushColor, false, g, 64);
        } else {
            c->FillRect(R);
        }
        c->Pen()->Assign(&pen);
    }

    CalcCellAlignment(rc, ARow, ha, va);
    TRect textRect = R;
    TCellGraphic* g = ps->PrintGraphics() ? GetCellGraphic(rc, ARow) : nullptr;
    if (g && g->CellType() != ctRotated && g->CellType() != ctNone && g->CellType() != ctEmpty &&
        g->CellType() != ctComment) {
        const TPoint gs0 = GetCellGraphicSize(rc, ARow);
        const int gw = std::min(PrintRound(gs0.X * J.F), R.Right - R.Left);
        const int gh = std::min(PrintRound(gs0.Y * J.F), R.Top - R.Bottom);
        TCellHAlign gha = g->CellHAlign();
        if (IsCheckKind(g->CellType()) && text.isEmpty()) {
            if (ha == taRightJustify)
                gha = haRight;
            else if (ha == taCenter)
                gha = haCenter;
        }
        TRect gr = R;
        switch (gha) {
        case haLeft:
        case haBeforeText:
            gr.Left = R.Left + PrintRound(J.F);
            gr.Right = gr.Left + gw;
            textRect.Left = gr.Right;
            break;
        case haRight:
        case haAfterText:
            gr.Left = R.Right - gw;
            gr.Right = R.Right;
            textRect.Right = gr.Left;
            break;
        case haCenter:
            gr.Left = R.Left + (R.Right - R.Left - gw) / 2;
            gr.Right = gr.Left + gw;
            break;
        case haFull:
            break;
        }
        switch (g->CellVAlign()) {
        case vaTop:
            gr.Bottom = R.Top - gh;
            break;
        case vaBottom:
            gr.Top = R.Bottom + gh;
            break;
        case vaCenter:
            gr.Top = R.Top - (R.Top - R.Bottom - gh) / 2;
            gr.Bottom = gr.Top - gh;
            break;
        case vaUnderText:
            gr.Top = R.Bottom + gh;
            textRect.Bottom = gr.Top;
            break;
        case vaAboveText:
            gr.Bottom = R.Top - gh;
            textRect.Top = gr.Bottom;
            break;
        case vaFull:
            break;
        }
        // A progress bar fills the cell and shows the value itself.
        if (g->CellType() == ctProgress) {
            gr.Left = R.Left + PrintRound(J.F);
            gr.Right = R.Right;
            gr.Top = R.Top;
            gr.Bottom = R.Bottom;
            text.clear();
        }
        if (g->CellType() == ctRadio)
            text.clear();
        c->Brush()->SetStyle(bsClear);
        if (!text.isEmpty())
            PrintCellText(J, text, kind, textRect, Pitch, ACol, LastCol, ARow);
        c->Brush()->SetStyle(bsSolid);
        PrintCellGraphic(J, g, gr, ARow, rc);
    } else if (!text.isEmpty()) {
        c->Brush()->SetStyle(bsClear);
        PrintCellText(J, text, kind, textRect, Pitch, ACol, LastCol, ARow);
    }
    c->Font()->Assign(&savedFont);
    c->Brush()->Assign(&savedBrush);
}

void TProStringGrid::PrintCellText(TPrintJob& J, const QString& Text, int Kind, const TRect& R, int Pitch, int ACol,
                                   int LastCol, int ARow)
{
    TPrintSettings* ps = FPrintSettings.get();
    TCanvas* c = J.Canvas;
    const int rc = DisplToRealCol(ACol);
    const int* ind = FIndents.data();
    TAlignment ha;
    TVAlignment va;
    CalcCellAlignment(rc, ARow, ha, va);
    bool ww = WordWrap();
    {
        TGridDrawState state;
        TBrush brush;
        TColor a, b, d;
        TCellGradientDirection gd;
        TFont font;
        TAlignment h2;
        TVAlignment v2;
        GetVisualProperties(rc, ARow, state, true, false, false, &brush, a, b, d, &font, h2, v2, ww, gd);
        GetWordWrapEx(rc, ARow, ww);
    }
    const int g = J.G;
    TRect r = R;
    if (r.Right > J.PW)
        r.Right = ind[LastCol + 1];

    if (Kind == ctHTML) {
        TRect d = DeviceRect(c, r);
        const double k = GetDeviceCaps(c, LOGPIXELSX) / 254.0;
        d.Right -= int(std::lround((g + PrintRound(2 * J.F)) * k));
        d.Bottom += int(std::lround(J.U * J.F * k));
        TFont font;
        font.Assign(c->Font());
        TDeviceUnits device(c);
        c->Font()->SetHeight(-int(std::lround(int(J.CellPoints * J.S) * GetDeviceCaps(c, LOGPIXELSY) / 72.0)));
        QString anchor, plain, focus, title, id, value, type;
        int ex = 0, ey = 0, anchors = 0, at = 0;
        TRect ar, cr;
        RenderHTMLText(c, Text, d, GetCellImageList(), 0, 0, -1, 0, 1, false, false, true, false, false, false, ww,
                       false, 1.0, FURLColor, clNone, clNone, clGray, anchor, plain, focus, title, ex, ey, anchors,
                       at, ar, cr, id, value, type, FImageCache.get(), FPictureContainer, nullptr, 0);
        c->Font()->Assign(&font);
        return;
    }
    if (Kind == ctRTF) {
        const TRect d = DeviceRect(c, r);
        TDeviceUnits device(c);
        DrawRichCell(rc, ARow, d, c);
        return;
    }

    int lh = c->TextHeight(QStringLiteral("gh")) + ps->RowSpacing();
    lh += lh / 8;
    const QStringList lines = CellLines(Text, FMultilinecells, FURLShow && !FURLFull);
    int wl = 0;
    for (const QString& l : lines)
        wl = std::max(wl, c->TextWidth(l));
    int angle = 0;
    const bool rotated = IsRotated(rc, ARow, angle);
    const TPoint ext = CellExt(rc, ARow);

    if (rotated) {
        const double a = angle * M_PI / 180;
        const int A = std::abs(int(std::cos(a) * lh)), B = std::abs(int(std::sin(a) * wl));
        const int C = std::abs(int(std::sin(a) * lh)), D = std::abs(int(std::cos(a) * wl));
        int k = 10;
        if (J.Mode == TPrintMode::DrawPrint && FPrinterDriverFix && PrinterOrientationDegrees() == 270)
            k = -10;
        TRect tr = r;
        tr.Top -= g;
        tr.Bottom += g;
        PlaceRotatedText(tr, ha, va, -A, -B, C, D, angle);
        const int orientation = c->Font()->Orientation();
        c->Font()->SetOrientation(angle * k);
        c->TextRect(r, tr.Left, tr.Top, lines.join(u' '));
        c->Font()->SetOrientation(orientation);
        return;
    }
    if (ww && ps->NoAutoSize()) {
        TRect tr = r;
        tr.Left += PrintRound(2 * J.F);
        if (ha != taRightJustify)
            tr.Left += g;
        if (ha != taLeftJustify)
            tr.Right -= g;
        unsigned flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;
        if (ha == taRightJustify)
            flags |= DT_RIGHT;
        else if (ha == taCenter)
            flags |= DT_CENTER;
        DrawText(c, Text, -1, &tr, flags);
        return;
    }
    if (lines.size() <= 1) {
        TRect tr = r;
        if (ext.Y == 0)
            tr.Bottom = r.Top - Pitch - ps->RowSpacing();
        QString line = lines.value(0);
        unsigned flags = DT_SINGLELINE | DT_NOPREFIX | DT_EDITCONTROL;
        if (FEnhTextSize && ps->NoAutoSize()) {
            tr.Left += FXYOffset.X;
            tr.Top -= FXYOffset.Y;
            flags |= DT_END_ELLIPSIS;
            if (ha == taRightJustify)
                flags |= DT_RIGHT;
            else if (ha == taCenter)
                flags |= DT_CENTER;
        } else {
            if (ha == taRightJustify) {
                flags |= DT_RIGHT;
                tr.Right -= g;
            } else if (ha == taCenter) {
                flags |= DT_CENTER;
                tr.Left += g;
                tr.Right -= g;
            } else {
                tr.Left += g;
            }
            if (va == vtaCenter)
                flags |= DT_VCENTER;
            else if (va == vtaBottom)
                flags |= DT_BOTTOM;
        }
        tr.Top -= J.U;
        DrawText(c, line, -1, &tr, flags);
        return;
    }
    const int step = lh - ps->RowSpacing();
    const int total = step * int(lines.size());
    int n = 0;
    if (ext.Y == 0) {
        if (va == vtaCenter)
            n = (Pitch - total) / 2;
        else if (va == vtaBottom)
            n = Pitch - total;
    }
    int y = r.Top - std::max(n, 0) - J.U;
    for (const QString& l : lines) {
        const int w = c->TextWidth(l);
        int x = r.Left + g;
        if (ha == taRightJustify)
            x = r.Right - g - w;
        else if (ha == taCenter)
            x = r.Left + (r.Right - r.Left - w) / 2;
        c->TextRect(r, x, y, l);
        y -= step;
    }
}

void TProStringGrid::PrintCellGraphic(TPrintJob& J, TCellGraphic* G, const TRect& R, int ARow, int RCol)
{
    TCanvas* c = J.Canvas;
    const TRect d = DeviceRect(c, R);
    const TColor brushColor = c->Brush()->Color();
    TDeviceUnits device(c);
    const int dpi = GetDeviceCaps(c, LOGPIXELSX);
    auto scaled = [&](int Pixels) { return std::max(1, int(std::lround(Pixels * dpi / 96.0))); };
    auto fitted = [&](int W, int H) {
        // A graphic keeps its printed size inside the rectangle.
        const int w = std::min(scaled(W), d.Width()), h = std::min(scaled(H), d.Height());
        const int x = d.Left + (d.Width() - w) / 2, y = d.Top + (d.Height() - h) / 2;
        return TRect{x, y, x + w, y + h};
    };
    auto imageOf = [&](TCustomImageList* List, int Index) {
        auto bmp = std::make_unique<TBitmap>();
        bmp->SetSize(List->Width(), List->Height());
        bmp->Canvas()->Brush()->SetColor(brushColor == clNone ? clWhite : brushColor);
        bmp->Canvas()->FillRect(TRect{0, 0, List->Width(), List->Height()});
        List->Draw(bmp->Canvas(), 0, 0, Index);
        return bmp;
    };
    switch (G->CellType()) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TBitmap*>(G->CellBitmap()))
            c->StretchDraw(d, bmp);
        break;
    case ctIcon:
        // Icons keep their transparency through their alpha.
        if (TIcon* icon = G->CellIcon())
            c->StretchDraw(d, icon);
        break;
    case ctImageList:
    case ctDataImage:
        if (TCustomImageList* list = GetCellImageList(RCol, ARow)) {
            int index = G->CellIndex();
            if (G->CellType() == ctDataImage) {
                bool ok = false;
                index = GetFormattedCell(RCol, ARow).trimmed().toInt(&ok);
                if (!ok)
                    break;
            }
            if (index >= 0 && index < list->Count())
                c->StretchDraw(d, imageOf(list, index).get());
        }
        break;
    case ctImages:
        if (TCustomImageList* list = GetCellImageList(RCol, ARow)) {
            TIntList* images = GetCellImages(RCol, ARow);
            if (!images)
                break;
            const bool sideBySide = G->CellBoolean();
            int x = d.Left, y = d.Top;
            for (int i = 0; i < images->Count(); ++i) {
                const int index = images->Items(i);
                if (index < 0 || index >= list->Count())
                    continue;
                const int w = scaled(list->Width()), h = scaled(list->Height());
                c->StretchDraw(TRect{x, y, x + w, y + h}, imageOf(list, index).get());
                if (sideBySide)
                    x += w;
                else
                    y += h;
            }
        }
        break;
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton: {
        bool checked = false;
        GetCheckBoxState(RCol, ARow, checked);
        unsigned state = G->CellType() == ctRadioButton ? DFCS_BUTTONRADIO : DFCS_BUTTONCHECK;
        if (checked)
            state |= DFCS_CHECKED;
        if (FControlLook->ControlStyle() == csFlat)
            state |= DFCS_FLAT;
        const int side = std::min(d.Width(), d.Height());
        TRect box{d.Left, d.Top + (d.Height() - side) / 2, d.Left + side, d.Top + (d.Height() - side) / 2 + side};
        DrawFrameControl(c, box, DFC_BUTTON, state);
        break;
    }
    case ctNode: {
        const int s = scaled(8);
        const TRect box{d.Left + (d.Width() - s) / 2, d.Top + (d.Height() - s) / 2,
                        d.Left + (d.Width() - s) / 2 + s, d.Top + (d.Height() - s) / 2 + s};
        c->Pen()->SetColor(G->CellBitmapColor() == clNone ? clBlack : clBlack);
        c->Pen()->SetWidth(std::max(1, scaled(1)));
        c->Brush()->SetStyle(bsClear);
        c->Rectangle(box);
        const int mid = (box.Top + box.Bottom) / 2, cx = (box.Left + box.Right) / 2;
        c->MoveTo(box.Left + s / 4, mid);
        c->LineTo(box.Right - s / 4, mid);
        if (G->CellBoolean()) {
            c->MoveTo(cx, box.Top + s / 4);
            c->LineTo(cx, box.Bottom - s / 4);
        }
        break;
    }
    case ctRadio:
        DrawRadioGroup(c, d, GetRadioStrings(RCol, ARow), G->CellIndex(), QString(), G->CellBoolean(), true, false,
                       dpi / 96.0);
        break;
    case ctPicture:
        if (auto* pic = dynamic_cast<TPicture*>(G->CellBitmap()))
            c->StretchDraw(d, pic->Graphic());
        break;
    case ctFilePicture:
        if (auto* pic = dynamic_cast<TFilePicture*>(G->CellBitmap()))
            pic->DrawPicture(c, d);
        break;
    case ctProgress: {
        double value = 0;
        try {
            value = Floats(RCol, ARow);
        } catch (const Exception&) {
        }
        const double v = G->CellText().isEmpty() ? std::clamp(value, 0.0, 100.0) : value;
        TRect bar = d;
        bar.Top += int(std::lround(2 * J.F * dpi / 254.0));
        bar.Bottom -= int(std::lround(4 * J.F * dpi / 254.0));
        c->Font()->Assign(Font());
        c->Font()->SetHeight(-int(std::lround(Font()->Size() * dpi / 72.0)));
        DrawProgressBar(c, bar, G->CellBitmapColor(), false, FControlLook->ProgressBorderColor(), G->CellText(),
                        G->CellErrLen(), G->CellErrFrom(), FControlLook->ProgressMarginY(),
                        FControlLook->ProgressMarginX(), v, clBlack, G->CellIconColor(), clWhite);
        break;
    }
    case ctProgressPie:
        DrawProgressPie(c, fitted(20, 20), G->CellBitmapColor(), false, std::clamp(G->CellAngle(), 0, 100));
        break;
    case ctInterface:
        if (auto* intf = dynamic_cast<ICellInterface*>(G->CellBitmap()))
            intf->Draw(c, d, RCol, ARow, false, this);
        break;
    default:
        break;
    }
}
