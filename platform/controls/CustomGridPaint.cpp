// Painting: the visible cells meeting the update area through DrawCell,
// then the lines, then the area past the last column and row.
#include "platform/controls/CustomGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcGridPaint, "grid.paint", QtWarningMsg)

namespace {

// The visible items of an axis meeting [From, To): fixed ones, then
// scrolled ones from First, found by binary search.
template <typename F>
void ForVisible(const TGridAxis& Axis, int Fixed, int First, int From, int To, int ViewExtent, F Visit)
{
    To = std::min(To, ViewExtent);
    if (From >= To)
        return;
    int first = Axis.ViewIndexAt(From, Fixed, First);
    if (first < 0)
        return;
    for (int i = first; i < Axis.Count(); ++i) {
        if (i >= Fixed && i < First)
            i = First;
        if (i >= Axis.Count())
            break;
        int pos = Axis.ViewPos(i, Fixed, First);
        if (pos >= To)
            break;
        if (Axis.Size(i) >= 0)
            Visit(i, pos);
    }
}

} // namespace

bool TCustomGrid::IsActiveControl() const
{
    if (Focused() || (FInplaceEdit && FInplaceEdit->Focused()))
        return true;
    TCustomForm* form = GetParentForm(this);
    return form && form->ActiveControl() == this;
}

TGridDrawState TCustomGrid::CellState(int ACol, int ARow, bool Active) const
{
    TGridDrawState state;
    if (ACol < FFixedCols || ARow < FFixedRows)
        return {gdFixed};
    if (Active && ACol == Col() && ARow == Row())
        state += gdFocused;
    if (FSelection.Contains(ACol, ARow))
        state += gdSelected;
    return state;
}

void TCustomGrid::DrawInClient(const std::function<void(TCanvas*)>& Draw)
{
    TCanvas* canvas = Canvas();
    int b = FrameSize();
    if (!b) {
        Draw(canvas);
        return;
    }
    int saved = SaveDC(canvas);
    TPoint org;
    GetViewportOrgEx(canvas, &org);
    IntersectClipRect(canvas, b, b, Width() - b, Height() - b);
    SetViewportOrgEx(canvas, org.X + b, org.Y + b, nullptr);
    Draw(canvas);
    RestoreDC(canvas, saved);
}

void TCustomGrid::Paint()
{
    if (FrameSize()) {
        TRect frame = Rect(0, 0, Width(), Height());
        DrawEdge(Canvas(), frame, EDGE_SUNKEN, BF_RECT);
    }
    DrawInClient([this](TCanvas* canvas) {
        // Left-to-right from here; each drawing mirrors its rectangle.
        TRect clip = FlipRect(canvas->ClipRect());
        qCDebug(lcGridPaint) << "paint" << clip.Left << clip.Top << clip.Right << clip.Bottom;
        PaintCells(clip);
        PaintLines(clip);
        PaintBeyond(clip);
    });
}

void TCustomGrid::PaintCells(const TRect& Clip)
{
    TCanvas* canvas = Canvas();
    bool active = IsActiveControl();
    bool highlightFocused = FOptions.Contains(goDrawFocusSelected) || FOptions.Contains(goRowSelect);
    bool focusRect = !FOptions.ContainsAll({goEditing, goAlwaysShowEditor}) && !FOptions.Contains(goRowSelect);
    // Fixed cells look raised when both fixed lines are drawn.
    bool raisedFixed = FOptions.ContainsAll({goFixedVertLine, goFixedHorzLine});
    ForVisible(FRows, FFixedRows, FTopLeft.Y, Clip.Top, Clip.Bottom, ClientHeight(), [&](int row, int y) {
        int h = FRows.Size(row);
        if (y + h <= Clip.Top)
            return;
        // Rows are not clipped one by one: a derived grid paints a merged
        // range of several rows from the first of its cells the pass meets.
        ForVisible(FCols, FFixedCols, FTopLeft.X, Clip.Left, Clip.Right, ClientWidth(), [&](int col, int x) {
            TRect box{x, y, x + FCols.Size(col), y + h};
            if (box.Right <= Clip.Left || box.IsEmpty())
                return;
            TRect where = FlipRect(box);
            TGridDrawState state = CellState(col, row, active);
            if (FDefaultDrawing) {
                if (state.Contains(gdFixed)) {
                    canvas->Brush()->SetColor(FFixedColor);
                    canvas->Font()->Assign(Font());
                } else if (state.Contains(gdSelected) && (!state.Contains(gdFocused) || highlightFocused)) {
                    canvas->Brush()->SetColor(clHighlight);
                    canvas->Font()->Assign(Font());
                    canvas->Font()->SetColor(clHighlightText);
                } else {
                    canvas->Brush()->SetColor(Color());
                    canvas->Font()->Assign(Font());
                }
                canvas->FillRect(where);
            }
            DrawCell(col, row, where, state);
            if (FDefaultDrawing && state.Contains(gdFixed) && raisedFixed) {
                TRect edge = where;
                DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT);
                DrawEdge(canvas, edge, BDR_RAISEDINNER, BF_TOPLEFT);
            }
            if (FDefaultDrawing && state.Contains(gdFocused) && focusRect && !(FEditorMode && FInplaceEdit))
                canvas->DrawFocusRect(where);
        });
    });
}

void TCustomGrid::PaintLines(const TRect& Clip)
{
    int lw = GridLineWidth();
    if (lw <= 0)
        return;
    TCanvas* canvas = Canvas();
    int fixedW = int(FCols.Offset(FFixedCols)), fixedH = int(FRows.Offset(FFixedRows));
    int gw = GridWidth(), gh = GridHeight();
    TColor lineColor = Color() == clSilver ? clGray : clSilver;
    canvas->Brush()->SetStyle(bsSolid);
    auto fill = [&](TRect r, TColor c) {
        TRect d;
        if (IntersectRect(d, r, Clip)) {
            canvas->Brush()->SetColor(c);
            canvas->FillRect(FlipRect(d));
        }
    };
    // Vertical lines after each column; the fixed part and the scrolled part
    // may differ in colour and option.
    ForVisible(FCols, FFixedCols, FTopLeft.X, 0, ClientWidth(), ClientWidth(), [&](int col, int x) {
        int lx = x + FCols.Size(col);
        bool fixedCol = col < FFixedCols;
        if (FOptions.Contains(goFixedVertLine))
            fill({lx, 0, lx + lw, fixedH}, clBlack);
        if (FOptions.Contains(fixedCol ? goFixedVertLine : goVertLine))
            fill({lx, fixedH, lx + lw, gh}, fixedCol ? clBlack : lineColor);
    });
    ForVisible(FRows, FFixedRows, FTopLeft.Y, 0, ClientHeight(), ClientHeight(), [&](int row, int y) {
        int ly = y + FRows.Size(row);
        bool fixedRow = row < FFixedRows;
        if (FOptions.Contains(goFixedHorzLine))
            fill({0, ly, fixedW, ly + lw}, clBlack);
        if (FOptions.Contains(fixedRow ? goFixedHorzLine : goHorzLine))
            fill({fixedW, ly, gw, ly + lw}, fixedRow ? clBlack : lineColor);
    });
}

void TCustomGrid::PaintBeyond(const TRect& Clip)
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    int gw = GridWidth(), gh = GridHeight();
    TRect d;
    if (IntersectRect(d, {gw, 0, ClientWidth(), ClientHeight()}, Clip))
        canvas->FillRect(FlipRect(d));
    if (IntersectRect(d, {0, gh, gw, ClientHeight()}, Clip))
        canvas->FillRect(FlipRect(d));
    // The corner between two scroll bars.
    if (FVertBar && FVertBar->Visible() && FHorzBar && FHorzBar->Visible()) {
        canvas->Brush()->SetColor(clBtnFace);
        canvas->FillRect({ClientWidth(), ClientHeight(), Width(), Height()});
    }
}

// Sizing line and move marker: XOR drawing, so drawing twice restores.

void TCustomGrid::DrawSizingLine()
{
    DrawInClient([this](TCanvas* canvas) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetMode(pmXor);
        canvas->Pen()->SetColor(clWhite);
        canvas->Pen()->SetWidth(1);
        if (FGridState == gsColSizing) {
            canvas->MoveTo(FlipX(FSizingPos), 0);
            canvas->LineTo(FlipX(FSizingPos), ClientHeight());
        } else {
            canvas->MoveTo(0, FSizingPos);
            canvas->LineTo(ClientWidth(), FSizingPos);
        }
        canvas->Pen()->SetMode(pmCopy);
    });
    FSizingLineShown = !FSizingLineShown;
}

void TCustomGrid::DrawMoveMarker()
{
    if (FMovePos < 0)
        return;
    DrawInClient([this](TCanvas* canvas) {
        canvas->Pen()->SetStyle(psSolid);
        canvas->Pen()->SetMode(pmXor);
        canvas->Pen()->SetColor(clWhite);
        canvas->Pen()->SetWidth(1);
        // A double line where the moved item would go.
        if (FGridState == gsColMoving) {
            TRect r = BoxRect(FMovePos, 0);
            int x = FMovePos > FMoveIndex ? r.Right : r.Left;
            for (int dx : {-1, 0}) {
                canvas->MoveTo(FlipX(x + dx), 0);
                canvas->LineTo(FlipX(x + dx), GridHeight());
            }
        } else {
            TRect r = BoxRect(0, FMovePos);
            int y = FMovePos > FMoveIndex ? r.Bottom : r.Top;
            TRect line = FlipRect({0, 0, GridWidth(), 1});
            for (int dy : {-1, 0}) {
                canvas->MoveTo(line.Left, y + dy);
                canvas->LineTo(line.Right, y + dy);
            }
        }
        canvas->Pen()->SetMode(pmCopy);
    });
    FMoveMarkerShown = !FMoveMarkerShown;
}
