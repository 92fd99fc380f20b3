// The text of a cell: selection colours, the background picture, the
// selection rectangle, the filter button, and the text itself as plain
// text (with its draw flags), mini-markup or rich text, with the sort
// indicator of a sorted header.
#include "grid/core/Filter.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGridPaint.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"

namespace {

unsigned HorzFlag(TAlignment HA)
{
    return HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT;
}

TRect Shifted(TRect R, int DX, int DY)
{
    OffsetRect(R, DX, DY);
    return R;
}

unsigned VertFlag(TVAlignment VA)
{
    return VA == vtaBottom ? DT_BOTTOM : VA == vtaCenter ? DT_VCENTER : DT_TOP;
}

} // namespace

void TProStringGrid::DrawCellText(TCellPaint& P)
{
    TCanvas* canvas = P.Canvas;
    TColor linkColor = FURLColor;
    const TGridRect sel = Selection();
    const bool rowSelected = Options().Contains(goRowSelect) && P.Row >= std::min(sel.Top, sel.Bottom) &&
                             P.Row <= std::max(sel.Top, sel.Bottom) && P.Col >= FixedCols() &&
                             P.Col < ColCount() - FFixedRightCols;
    if ((P.State.Contains(gdSelected) || rowSelected) && !P.FixedCell) {
        if (FShowSelection) {
            if (FSelectionColor != clNone)
                canvas->Brush()->SetColor(FSelectionColor);
            if (FSelectionTextColor != clNone && Enabled()) {
                canvas->Font()->SetColor(FSelectionTextColor);
                linkColor = FSelectionTextColor;
            }
        } else if (!Focused() || IsCheckBoxCell(P)) {
            canvas->Brush()->SetColor(P.BrushColor);
            canvas->Font()->SetColor(P.FontColor);
        }
    }

    QString text = GetFormattedCell(P.RCol, P.Row);
    int kind = ClassifyCellText(text, FEnableHTML);
    if (kind == ctFormula) {
        GetCellText(P.RCol, P.Row, text);
        kind = ClassifyCellText(text, FEnableHTML);
    }
    if (kind == ctPackedWide) {
        text = UnpackWideText(text);
        kind = ctPlain;
    }
    bool password = false;
    IsPasswordCell(P.RCol, P.Row, password);
    if (password)
        text = QString(text.size(), FPasswordChar);

    TRect r = P.Rect;
    if (P.FixedCell) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    if (P.ScrollPos > 0)
        r.Top -= P.ScrollPos;
    if (P.FilterButton)
        DrawFilterButton(P, r);

    const bool normal = !P.FixedCell;
    if (normal && !FMouseDown &&
        ((FMouseActions->DisjunctRowSelect() && !DisplayRowSelected(P.Row)) ||
         (FMouseActions->DisjunctColSelect() && P.Col < ColCount() && !GetColSelect(P.Col)))) {
        canvas->Brush()->SetColor(Color());
        canvas->Font()->SetColor(Font()->Color());
        GetCellColor(P.RCol, P.Row, P.State, canvas->Brush(), canvas->Font());
        if (FZoomFactor != 0)
            canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
    }
    DrawCellBackgroundPicture(P);
    if (FSelectionRectangle && normal)
        DrawSelectionRectangle(P);

    // Room for the text: the inset, then the graphic beside it.
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    if (!FXYOffsetTopLeftOnly)
        r.Right -= FXYOffset.X;
    MakeRoomForGraphic(P, r);
    if (text.isEmpty())
        return;

    FVAlignFlag = VertFlag(P.VA);
    canvas->Brush()->SetStyle(bsClear);
    // Text scrolled up by the cell's scroll bar stays inside the cell.
    const int saved = P.ScrollPos > 0 ? SaveDC(canvas) : 0;
    if (saved)
        IntersectClipRect(canvas, P.Rect.Left, P.Rect.Top, P.Rect.Right, P.Rect.Bottom);
    switch (kind) {
    case ctHTML:
        DrawMarkupText(P, text, r, linkColor);
        break;
    case ctRTF:
        canvas->Brush()->SetStyle(bsSolid);
        canvas->FillRect(P.Rect);
        DrawRichCell(P.RCol, P.Row, P.Rect, canvas);
        canvas->Font()->SetColor(clBlack);
        break;
    default:
        DrawPlainText(P, text, r, linkColor);
        break;
    }
    if (saved)
        RestoreDC(canvas, saved);
    canvas->Brush()->SetStyle(bsSolid);
}

bool TProStringGrid::IsSortableHeader(int ACol, int ARow)
{
    return FixedRows() > 0 && ARow == FixedRows() - 1 && (ACol >= FixedCols() || FSortSettings->FixedCols());
}

void TProStringGrid::DrawPlainText(TCellPaint& P, const QString& Text, TRect R, TColor LinkColor)
{
    TCanvas* canvas = P.Canvas;
    QString text = Text;
    const bool sorted = FSortSettings->Show() && IsSortedHeader(P.Col, P.RCol, P.Row);
    if (sorted && P.HA == taCenter)
        R.Left += 10;
    if (FURLShow && ContainsURL(text)) {
        TFontStyles style = canvas->Font()->Style();
        style += fsUnderline;
        canvas->Font()->SetStyle(style);
        canvas->Font()->SetColor(LinkColor);
        if (!FURLFull)
            StripURLProtocol(text);
    }
    unsigned flags = DT_EDITCONTROL;
    if (CountLines(text, FMultilinecells) == 1 && !P.WW) {
        if (text.contains(QLatin1Char('\r')) || text.contains(QLatin1Char('\n'))) {
            QString line;
            SplitFirstLine(text, false, line);
            text = line;
        }
        flags |= DT_SINGLELINE;
        if (FEnhTextSize)
            flags |= DT_END_ELLIPSIS;
    } else if (P.WW && !FMultilinecells && FEnhTextSize) {
        flags |= DT_END_ELLIPSIS;
    }
    flags |= DT_EXPANDTABS | DT_NOPREFIX | HorzFlag(P.HA) | VertFlag(P.VA);
    flags |= P.WW || FMultilinecells ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    if (Mirrored())
        flags |= DT_RTLREADING;
    TRect box = R;
    // A wrapped text takes its vertical place from its height.
    if (!(flags & DT_SINGLELINE) && P.VA != vtaTop) {
        TRect calc = R;
        const int h = DrawText(canvas, text, -1, &calc, flags | DT_CALCRECT);
        const int room = R.Height() - h;
        if (room > 0)
            box.Top += P.VA == vtaCenter ? room / 2 : room;
    }
    DrawText(canvas, text, -1, &box, flags);
    if (P.ErrLen > 0)
        DrawErrorUnderline(this, canvas, text, P.ErrLen, P.ErrPos, canvas->TextHeight(QStringLiteral("gh")), box);
    if (!sorted)
        return;
    const int w = canvas->TextWidth(text);
    const int y = SortIndicatorY(R);
    int x = R.Left + 8;
    if (P.HA == taLeftJustify)
        x = R.Left + w + 10;
    else if (P.HA == taRightJustify)
        x = R.Right - w - 10;
    DrawSortIndicator(canvas, P.Col, y, x);
}

int TProStringGrid::SortIndicatorY(const TRect& R) const
{
    if (FVAlignment == vtaCenter)
        return R.Top + R.Height() / 2;
    if (FVAlignment == vtaBottom)
        return R.Bottom - 8;
    return R.Top + 8;
}

void TProStringGrid::DrawMarkupText(TCellPaint& P, const QString& Text, TRect R, TColor LinkColor)
{
    if (P.FilterButton)
        R.Right -= 18;
    const bool sortable = IsSortableHeader(P.Col, P.Row);
    if (sortable)
        R.Right -= 10;
    QString anchor, plain, focusAnchor, anchorHint, ctrlID, ctrlValue, ctrlType;
    int xSize = 0, ySize = 0, hoverLink = 0, lines = 0;
    TRect hoverRect, ctrlRect;
    const bool ctrlDown = GetKeyState(VK_CONTROL) < 0;
    RenderHTMLText(P.Canvas, Text, R, GetCellImageList(), 0, 0, -1, FHoverHTMLLink, 1, false, false, false,
                   P.State.Contains(gdSelected), FBlinkOn, FURLUnderlineOnHover && !ctrlDown, P.WW, false, 1.0,
                   LinkColor, clNone, clNone, clGray, anchor, plain, focusAnchor, anchorHint, xSize, ySize,
                   hoverLink, lines, hoverRect, ctrlRect, ctrlID, ctrlValue, ctrlType, FImageCache.get(),
                   FPictureContainer, Handle(), Mirrored() ? 1 : 0);
    if (sortable && FSortSettings->Show() && IsSortedHeader(P.Col, P.RCol, P.Row))
        DrawSortIndicator(P.Canvas, P.Col, SortIndicatorY(R), R.Right + 2);
}

void TProStringGrid::DrawFilterButton(TCellPaint& P, const TRect& R)
{
    TBitmap* glyph = FFilter->HasFilter(P.RCol) ? FFilterDropDown->GlyphActive() : FFilterDropDown->Glyph();
    const int x = R.Right - 16;
    if (glyph && !glyph->Empty()) {
        DrawGlyph(P.Canvas, glyph, x, R.Top + 2);
        return;
    }
    TBitmap* filter = Glyph(QStringLiteral("SGFILT"));
    P.Canvas->Brush()->SetStyle(bsSolid);
    P.Canvas->Brush()->SetColor(FixedColor());
    P.Canvas->FillRect(TRect{x, R.Top + 2, x + filter->Width(), R.Top + 2 + filter->Height()});
    DrawGlyph(P.Canvas, filter, x, R.Top + 2);
}

void TProStringGrid::DrawSelectionRectangle(TCellPaint& P)
{
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right), right = std::max(sel.Left, sel.Right);
    const int top = std::min(sel.Top, sel.Bottom), bottom = std::max(sel.Top, sel.Bottom);
    // A merged range counts as its base cell; its far corner ends it.
    const TRect range = FullCell(P.RCol, P.Row);
    const int c0 = RealToDisplCol(range.Left), c1 = RealToDisplCol(range.Right);
    if (c1 < left || c0 > right || range.Bottom < top || range.Top > bottom)
        return;
    TCanvas* canvas = P.Canvas;
    const TRect& c = P.Cell;
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FSelectionRectangleColor);
    if (c0 <= left)
        canvas->FillRect(TRect{c.Left, c.Top, c.Left + 2, c.Bottom});
    if (c1 >= right)
        canvas->FillRect(TRect{c.Right - 2, c.Top, c.Right, c.Bottom});
    if (range.Top <= top)
        canvas->FillRect(TRect{c.Left, c.Top, c.Right, c.Top + 2});
    if (range.Bottom >= bottom)
        canvas->FillRect(TRect{c.Left, c.Bottom - 2, c.Right, c.Bottom});
    if (FSelectionResizer && c1 >= right && range.Bottom >= bottom)
        canvas->FillRect(TRect{c.Right - 4, c.Bottom - 4, c.Right, c.Bottom});
    canvas->Brush()->SetColor(P.BrushColor);
}

// Background picture and gradient

void TProStringGrid::DrawCellBackgroundPicture(TCellPaint& P)
{
    const TBackGroundCells cells = FBackGround->Cells();
    const bool applies = P.FixedCell ? cells == bcFixed || cells == bcAll : cells == bcNormal || cells == bcAll;
    if (!applies || Colors(P.RCol, P.Row) != clNone)
        return;
    if (P.State.Contains(gdSelected) && FShowSelection)
        return;
    switch (FBackGround->Display()) {
    case bdFixed:
        DrawCellBackgroundFixed(P.Canvas, P.Col, P.Row, P.Cell);
        break;
    case bdTile:
        DrawCellBackgroundTiled(P.Canvas, P.Col, P.Row, P.Cell);
        break;
    default:
        DrawCellBackgroundGradient(P.Canvas, P.Col, P.Row, P.Cell);
        break;
    }
    P.Canvas->Brush()->SetColor(P.BrushColor);
}

void TProStringGrid::DrawCellBackgroundFixed(TCanvas* ACanvas, int, int, const TRect& ARect)
{
    TBitmap* bmp = FBackGround->Bitmap();
    if (!bmp || bmp->Empty())
        return;
    const TRect pic{FBackGround->Left(), FBackGround->Top(), FBackGround->Left() + bmp->Width(),
                    FBackGround->Top() + bmp->Height()};
    TRect part;
    if (!IntersectRect(part, pic, ARect))
        return;
    ACanvas->CopyRect(part, bmp->Canvas(), Shifted(part, -pic.Left, -pic.Top));
}

void TProStringGrid::DrawCellBackgroundTiled(TCanvas* ACanvas, int, int, const TRect& ARect)
{
    TBitmap* bmp = FBackGround->Bitmap();
    if (!bmp || bmp->Empty())
        return;
    TPoint origin{0, 0};
    if (FBackGround->Cells() == bcNormal)
        origin = TPoint{FixedColsWidth(), FixedRowsHeight()};
    TileBitmap(ACanvas, bmp, origin, ARect);
}

void TProStringGrid::DrawCellBackgroundGradient(TCanvas* ACanvas, int, int, const TRect& ARect)
{
    const TColor from = FBackGround->Color(), to = FBackGround->ColorTo();
    if (to == clNone)
        return;
    const bool horizontal = FBackGround->Display() == bdGradientHorz;
    const int extent = std::max(horizontal ? ClientWidth() : ClientHeight(), 1);
    const int first = horizontal ? ARect.Left : ARect.Top;
    const int last = horizontal ? ARect.Right : ARect.Bottom;
    // The 128 bands over the client, as far as they meet the cell.
    for (int band = std::max(first * 128 / extent, 0); band < 128; ++band) {
        const int b0 = band * extent / 128, b1 = (band + 1) * extent / 128;
        if (b0 >= last)
            break;
        const int s = std::max(b0, first), e = std::min(b1, last);
        if (e <= s)
            continue;
        ACanvas->Brush()->SetColor(InterpolateColor(from, to, 0, band, 127));
        ACanvas->FillRect(horizontal ? TRect{s, ARect.Top, e, ARect.Bottom} : TRect{ARect.Left, s, ARect.Right, e});
    }
}

void TProStringGrid::PaintBackgroundFixed(TCanvas* ACanvas, const TRect& ARect)
{
    DrawCellBackgroundFixed(ACanvas, -1, -1, ARect);
}

void TProStringGrid::PaintBackgroundTiled(TCanvas* ACanvas, const TRect& ARect)
{
    TBitmap* bmp = FBackGround->Bitmap();
    if (!bmp || bmp->Empty() || FBackGround->Cells() == bcFixed)
        return;
    TPoint origin{0, 0};
    if (FBackGround->Cells() == bcNormal)
        origin = TPoint{FixedColsWidth() + FXYOffset.X, FixedRowsHeight() + FXYOffset.Y};
    TileBitmap(ACanvas, bmp, origin, ARect);
}

void TProStringGrid::TileBitmap(TCanvas* ACanvas, TBitmap* Bitmap, TPoint Origin, const TRect& ARect)
{
    const int w = Bitmap->Width(), h = Bitmap->Height();
    // The tile edge at or before V, tiles starting at O.
    auto floorTo = [](int V, int O, int Step) {
        const int d = V - O;
        return O + (d >= 0 ? d / Step : (d - Step + 1) / Step) * Step;
    };
    for (int y = floorTo(ARect.Top, Origin.Y, h); y < ARect.Bottom; y += h)
        for (int x = floorTo(ARect.Left, Origin.X, w); x < ARect.Right; x += w) {
            TRect part;
            if (IntersectRect(part, TRect{x, y, x + w, y + h}, ARect))
                ACanvas->CopyRect(part, Bitmap->Canvas(), Shifted(part, -x, -y));
        }
}
