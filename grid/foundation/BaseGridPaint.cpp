// The cell painter: background, hover and active rows, rounded selection,
// the grid's own lines and the content; merged ranges once per pass.
#include "grid/foundation/BaseGrid.h"
#include "grid/foundation/DrawUtils.h"
#include "platform/graphics/Canvas.h"
#include <utility>

struct TBaseGrid::TVisualLook {
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = true;
    TCellGradientDirection GD = GradientVertical;
};

namespace {

struct TSelectionColors {
    TColor Color, ColorTo, BorderColor, InnerTopColor, InnerBottomColor, CornerColor, MirrorColor, MirrorColorTo;
};

const TSelectionColors& SelectionColors(TGridSelectionStyle Style, bool Focused)
{
    static const TSelectionColors vista{0xFDF8F1, 0xFCEFD5, 0xFDDE99, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clNone, clNone};
    static const TSelectionColors win7{0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, clNone, clNone};
    static const TSelectionColors office{0xD7FFFD, 0x58D4FC, 0x8DD7D3, 0xF4FEFF,
                                         0xCAF8FF, 0xC3D9DF, 0x58D4FC, 0xB3F1FC};
    static const TSelectionColors grey{0xF8F8F8, 0xE5E5E5, 0xD9D9D9, 0xFBFAFA, 0xF0F0F0, 0xEFEFEF, clNone, clNone};
    if (!Focused)
        return grey;
    switch (Style) {
    case ssWin7: return win7;
    case ssOffice2007: return office;
    default: return vista;
    }
}

// Restores the canvas's clip when the cell is done, also on an exception.
class TClipGuard {
public:
    explicit TClipGuard(TCanvas* Canvas) : FCanvas(Canvas) {}
    ~TClipGuard()
    {
        if (FSaved)
            RestoreDC(FCanvas, FSaved);
    }
    void Clip(const TRect& R)
    {
        FSaved = SaveDC(FCanvas);
        IntersectClipRect(FCanvas, R.Left, R.Top, R.Right, R.Bottom);
    }

private:
    TCanvas* FCanvas;
    int FSaved = 0;
};

} // namespace

void TBaseGrid::Paint()
{
    struct TPass {
        TBaseGrid* Grid;
        ~TPass()
        {
            Grid->FInPaint = false;
            ++Grid->FPaintID;
        }
    } pass{this};
    FInPaint = true;
    TObjStringGrid::Paint();
}

void TBaseGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState)
{
    DoPaintCell(ACanvas, ACol, ARow, ARect, AState, false);
}

void TBaseGrid::DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full)
{
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Color());
        ACanvas->Pen()->SetColor(Color());
        ACanvas->FillRect(ARect);
        return;
    }
    int baseCol, baseRow;
    const bool isBase = IsBaseCellEx(ACol, ARow, baseCol, baseRow);
    if (TCellProperties* base = isBase ? PropsAt(ACol, ARow) : PropsAt(baseCol, baseRow)) {
        // Within a paint pass a range is painted once, from the first of
        // its cells the pass meets; outside one every call paints.
        const bool merged = !isBase || base->CellSpanX() > 0 || base->CellSpanY() > 0;
        if (FInPaint && Full && merged) {
            if (!isBase && base->PaintID() == FPaintID)
                return;
            base->SetPaintID(FPaintID);
        }
        if (!isBase) {
            PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
            return;
        }
    }
    if (Full) {
        if (IsFixed(ACol, ARow)) {
            AState += gdFixed;
            AState -= gdSelected;
        }
        ARect = CellRect(ACol, ARow);
    }

    // A range scrolled under the fixed cells must not paint over them.
    TClipGuard clip(ACanvas);
    const int fw = ACol >= FFixedCols ? FixedColsWidth() : 0;
    const int fh = ARow >= FFixedRows ? FixedRowsHeight() : 0;
    const TRect box = FlipRect(ARect);
    if ((ACol >= FFixedCols && FFixedCols > 0 && box.Left < fw) || (ARow >= FFixedRows && FFixedRows > 0 && box.Top < fh))
        clip.Clip(FlipRect({fw, fh, ClientWidth(), ClientHeight()}));

    ACanvas->Pen()->SetWidth(1);
    ACanvas->Font()->Assign(Font());
    ACanvas->Brush()->SetColor(AState.Contains(gdFixed) ? FixedColor() : Color());
    TVisualLook look;
    look.WW = FWordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, ACanvas->Brush(), look.ColorTo, look.MirrorColor,
                        look.MirrorColorTo, ACanvas->Font(), look.HA, look.VA, look.WW, look.GD);
    ACanvas->Pen()->SetColor(ACanvas->Brush()->Color());
    ApplyRowLooks(ACol, ARow, AState, Full, ACanvas, look);
    PaintBackground(ACanvas, ACol, ARect, AState, look);
    PaintGridLines(ACanvas, ACol, ARect, AState);
    if (Full) {
        TRect content = ARect;
        if (AState.Contains(gdFixed)) {
            content.Right -= 1;
            content.Bottom -= 2;
        } else {
            InflateRect(content, -FGridLineWidth, -FGridLineWidth);
        }
        DrawCellContent(ACanvas, ACol, ARow, content, AState);
    }
    ACanvas->Brush()->SetStyle(bsSolid);
    ACanvas->Pen()->SetStyle(psSolid);
}

void TBaseGrid::ApplyRowLooks(int ACol, int ARow, TGridDrawState AState, bool Full, TCanvas* ACanvas,
                              TVisualLook& Look)
{
    TBrush* brush = ACanvas->Brush();
    // Normal cells of the hover row always take its colours.
    if (ARow == FHoverRowIdx && FHoverRow && !(AState.Contains(gdSelected) && !FHoverRowCells.Contains(hcSelected))
        && !(AState.Contains(gdFixed) && !FHoverRowCells.Contains(hcFixed))) {
        brush->SetColor(FHoverRowColor);
        Look.ColorTo = FHoverRowColorTo;
        Look.MirrorColor = clNone;
        Look.MirrorColorTo = clNone;
        Look.GD = GradientVertical;
    }
    // The active row wins over the hover row.
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FFixedCols)
        || (!Full && AState.Contains(gdSelected))) {
        brush->SetColor(FActiveRowColor);
        Look.ColorTo = FActiveRowColorTo;
        Look.MirrorColor = FActiveRowMirrorColor;
        Look.MirrorColorTo = FActiveRowMirrorColorTo;
        ACanvas->Pen()->SetColor(brush->Color());
    }
}

void TBaseGrid::PaintBackground(TCanvas* ACanvas, int ACol, const TRect& ARect, TGridDrawState AState,
                                const TVisualLook& Look)
{
    if (AState.Contains(gdSelected) && FSelectionStyle != ssDefault && FShowSel) {
        PaintRoundedSelection(ACanvas, ACol, ARect);
        return;
    }
    if (IsStyled() && (AState.Contains(gdFixed) || AState.Contains(gdSelected)))
        return;
    const TColor color = ACanvas->Brush()->Color();
    if (Look.MirrorColorTo == clNone)
        FillGradientRect(ACanvas, color, Look.ColorTo, Look.GD == GradientHorizontal, ARect, 64);
    else
        DrawMirrorGradientRect(ACanvas, ARect, color, true, false, clNone, true, Look.MirrorColorTo, Look.MirrorColor,
                               Look.ColorTo);
}

void TBaseGrid::PaintRoundedSelection(TCanvas* ACanvas, int ACol, const TRect& ARect)
{
    int left = Selection().Left, right = Selection().Right;
    if (right < left)
        std::swap(left, right);
    int position = 0;
    if (ACol == left && ACol < right)
        position = 1;
    else if (ACol == right && left < ACol)
        position = 2;
    else if (left < ACol && ACol < right)
        position = 3;
    TRect r = ARect;
    if (!Options().Contains(goHorzLine))
        ++r.Bottom;
    if (!Options().Contains(goVertLine))
        ++r.Right;
    if (Mirrored()) {
        ++r.Right;
        ++r.Bottom;
        // The selection's first column lies at its right end.
        if (position == 1 || position == 2)
            position = 3 - position;
    }
    const bool focused = Focused() || Options().Contains(goDrawFocusSelected);
    const TSelectionColors& c = SelectionColors(FSelectionStyle, focused);
    DrawRoundedSelection(ACanvas, c.Color, c.ColorTo, position, r, Color(), c.CornerColor, c.BorderColor,
                         c.InnerBottomColor, c.InnerTopColor, c.MirrorColorTo, c.MirrorColor);
}

void TBaseGrid::PaintGridLines(TCanvas* ACanvas, int ACol, const TRect& ARect, TGridDrawState AState)
{
    const bool fixed = AState.Contains(gdFixed);
    TPen* pen = ACanvas->Pen();
    int half;
    if (fixed) {
        pen->SetColor(FGridFixedLineColor);
        pen->SetWidth(1);
        half = 1;
    } else {
        // Width 0 leaves the pen in the cell's colour.
        if (FGridLineWidth > 0) {
            pen->SetColor(FGridLineColor);
            pen->SetWidth(FGridLineWidth);
        }
        half = (FGridLineWidth + 1) / 2;
    }
    const TGridOptions options = Options();
    // With right-to-left alignment the line after a cell lies at its left.
    const bool rtl = Mirrored();
    if (!(ACol == 0 && HasNodes())
        && ((options.Contains(goHorzLine) && !fixed) || (options.Contains(goFixedHorzLine) && fixed))) {
        const int y = ARect.Bottom - half;
        const int shift = rtl ? half - 1 : 1 - half;
        ACanvas->MoveTo(ARect.Left + shift, y);
        ACanvas->LineTo(ARect.Right + shift, y);
    }
    if ((options.Contains(goVertLine) && !fixed) || (options.Contains(goFixedVertLine) && fixed)) {
        const int x = rtl ? ARect.Left + half - 1 : ARect.Right - half;
        ACanvas->MoveTo(x, ARect.Bottom - half);
        ACanvas->LineTo(x, ARect.Top - half);
    }
}

void TBaseGrid::DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState)
{
    ACanvas->Brush()->SetStyle(bsClear);
    TRect r = ARect;
    DrawText(ACanvas, GetCellEx(ACol, ARow), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
