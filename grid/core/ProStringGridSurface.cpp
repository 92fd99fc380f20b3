// What the grid paints around and above its cells (the look's border, the
// background outside the cells, the editor's frame, the sizing lines),
// cells of rich text, the measuring of cell texts, and the reaction to a
// new size.
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SearchFooter.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "grid/core/FloatingFooter.h"
#include "grid/foundation/IntList.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/RichText.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>

namespace {

// Rich text runs laid out word by word in R; with Draw they are drawn too.
// Override: a colour for every run (clNone keeps theirs). Returns the size
// taken.
TSize LayOutRichText(TCanvas* Canvas, const TRichText& Text, const TRect& R, bool Draw, TColor Override)
{
    TFont* font = Canvas->Font();
    const QString baseName = font->Name();
    const int baseSize = font->Size();
    const TColor baseColor = font->Color();
    int x = R.Left, y = R.Top, lineHeight = 0, widest = 0;
    auto newLine = [&] {
        widest = std::max(widest, x - R.Left);
        y += std::max(lineHeight, Canvas->TextHeight(QStringLiteral("gh")));
        x = R.Left;
        lineHeight = 0;
    };
    for (const TRichTextRun& run : Text.Runs()) {
        const TRichTextStyle& s = run.Style;
        font->SetName(s.FontName.isEmpty() ? baseName : s.FontName);
        font->SetSize(s.Size > 0 ? s.Size : baseSize);
        TFontStyles style;
        if (s.Bold)
            style += fsBold;
        if (s.Italic)
            style += fsItalic;
        if (s.Underline)
            style += fsUnderline;
        font->SetStyle(style);
        font->SetColor(Override != clNone ? Override : s.Color == clDefault ? baseColor : s.Color);
        int start = 0;
        const QString& t = run.Text;
        for (int i = 0; i <= t.size(); ++i) {
            const bool brk = i == t.size() || t.at(i) == QLatin1Char('\n') || t.at(i) == QChar(0x2028) ||
                             t.at(i) == QLatin1Char(' ');
            if (!brk)
                continue;
            QString word = t.mid(start, i - start);
            if (i < t.size() && t.at(i) == QLatin1Char(' '))
                word += QLatin1Char(' ');
            const TSize ext = Canvas->TextExtent(word);
            if (x > R.Left && x + ext.cx > R.Right)
                newLine();
            if (Draw)
                Canvas->TextOut(x, y, word);
            x += ext.cx;
            lineHeight = std::max(lineHeight, ext.cy);
            if (i < t.size() && t.at(i) != QLatin1Char(' '))
                newLine();
            start = i + 1;
        }
    }
    widest = std::max(widest, x - R.Left);
    const int height = y - R.Top + lineHeight;
    font->SetName(baseName);
    font->SetSize(baseSize);
    font->SetStyle({});
    font->SetColor(baseColor);
    return {widest, height};
}

TRichText CellRichText(const QString& Text) { return ReadRtf(Text.toLatin1()); }

} // namespace

// Painting

void TProStringGrid::WMPaint(TMessage& Message)
{
    if (FUpdateCount >= 1) {
        Message.Result = 0;
        return;
    }
    TBaseGrid::WMPaint(Message);
    if (FPaintCount == 0) {
        FPaintCount = 1;
        if (!TabStop())
            UpdateProportionalVert();
    }
}

void TProStringGrid::Paint()
{
    TCanvas* canvas = Canvas();
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetStyle(bsSolid);
    TBaseGrid::Paint();
    DrawInClient([this](TCanvas* c) {
        if (EditorMode() && InplaceEditor() && InplaceEditor()->Visible()) {
            TRect r = CellRect(Col(), Row());
            InflateRect(r, 1, 1);
            const bool lines = Options().Contains(goVertLine) || Options().Contains(goHorzLine);
            c->Brush()->SetColor(GridLineWidth() < 1 || !lines ? Color() : GridLineColor());
            c->FrameRect(r);
        }
        c->Pen()->SetColor(clBlack);
    });
    TBitmap* bmp = FBackGround->Bitmap();
    if ((bmp && !bmp->Empty()) || FBackGround->ColorTo() != clNone)
        PaintBackgroundOutsideCells();
    PaintBorder();
    if (OnPainted)
        OnPainted(this);
}

void TProStringGrid::PaintBorder()
{
    const bool look = FLook == glSoft || (FLook >= glQLX && FLook <= glOffice2007);
    if (!look || BorderStyle() == bsNone || FBorderColor == clNone || FFlat || FUpdateCount > 0)
        return;
    TCanvas* c = Canvas();
    const int w = Width(), h = Height();
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(FBorderColor);
    if (FFitCellsInGrid) {
        c->Polyline({Point(1, h), Point(1, 1), Point(w - 2, 1), Point(w - 2, h - 2), Point(1, h - 2)});
        if (Parent()) {
            c->Pen()->SetColor(Parent()->Color());
            c->Polyline({Point(0, h), Point(0, 0), Point(w - 1, 0), Point(w - 1, h - 1), Point(0, h - 1)});
        }
    } else if (FIsComCtl6) {
        c->Polyline({Point(0, h - 1), Point(0, 0), Point(w - 1, 0), Point(w - 1, h - 1), Point(0, h - 1)});
    }
}

void TProStringGrid::PaintBackgroundOutsideCells()
{
    const int lastCol = ColCount() - 1, lastRow = RowCount() - 1;
    const bool allColsFit = LeftCol() + VisibleColCount() >= ColCount();
    const bool allRowsFit = TopRow() + VisibleRowCount() >= RowCount();
    if (!allColsFit && !allRowsFit)
        return;
    const TBackGroundDisplay display = FBackGround->Display();
    const bool gradient = display == bdGradientHorz || display == bdGradientVert;
    if (gradient && FBackGround->ColorTo() == clNone)
        return;
    TRect client{0, 0, ClientWidth(), ClientHeight()};
    if (FSearchFooter->Visible())
        client.Bottom -= 32;
    if (FFloatingFooter->Visible() && FFooterPanel)
        client.Bottom -= FFooterPanel->Height();
    const int right = GridWidth(), bottom = GridHeight();
    TRect free1, free2;
    if (allColsFit && lastCol >= 0 && right < client.Right)
        free1 = TRect{right + GridLineWidth(), 0, client.Right, client.Bottom};
    if (allRowsFit && lastRow >= 0 && bottom < client.Bottom)
        free2 = TRect{0, bottom + GridLineWidth(), client.Right, client.Bottom};
    TBitmap* bmp = FBackGround->Bitmap();
    const bool hasBitmap = bmp && !bmp->Empty();
    DrawInClient([&](TCanvas* c) {
        for (const TRect& area : {free1, free2}) {
            if (area.IsEmpty())
                continue;
            const int saved = SaveDC(c);
            IntersectClipRect(c, area.Left, area.Top, area.Right, area.Bottom);
            if (!hasBitmap && gradient)
                FillGradientRect(c, FBackGround->Color(), FBackGround->ColorTo(), display == bdGradientHorz, client,
                                 128);
            else if (hasBitmap && display == bdFixed)
                PaintBackgroundFixed(c, area);
            else if (hasBitmap && display == bdTile)
                PaintBackgroundTiled(c, area);
            RestoreDC(c, saved);
        }
    });
}

void TProStringGrid::DrawSizeLineX(int X)
{
    DrawInClient([&](TCanvas* c) {
        TPen* pen = c->Pen();
        const TColor color = pen->Color();
        const TPenStyle style = pen->Style();
        const TPenMode mode = pen->Mode();
        pen->SetWidth(1);
        pen->SetColor(clWhite);
        pen->SetStyle(psDot);
        pen->SetMode(pmXor);
        c->MoveTo(X, 0);
        c->LineTo(X, std::max(Height(), ClientHeight()));
        pen->SetColor(color);
        pen->SetStyle(style);
        pen->SetMode(mode);
    });
}

void TProStringGrid::DrawSizeLineY(int Y)
{
    DrawInClient([&](TCanvas* c) {
        TPen* pen = c->Pen();
        const TColor color = pen->Color();
        const TPenStyle style = pen->Style();
        const TPenMode mode = pen->Mode();
        pen->SetWidth(1);
        pen->SetColor(clWhite);
        pen->SetStyle(psDot);
        pen->SetMode(pmXor);
        c->MoveTo(0, Y);
        c->LineTo(std::max(Width(), ClientWidth()), Y);
        pen->SetColor(color);
        pen->SetStyle(style);
        pen->SetMode(mode);
    });
}

void TProStringGrid::DrawRichCell(int ACol, int ARow, const TRect& Rect, TCanvas* Canvas)
{
    if (TComponent::IsDesigning())
        return;
    const TGridRect sel = Selection();
    const int c = RealToDisplCol(ACol);
    const bool inSel = c >= std::min(sel.Left, sel.Right) && c <= std::max(sel.Left, sel.Right) &&
                       ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
    const bool current = c == Col() && ARow == Row() && Focused();
    bool selected = inSel && !current;
    if (FMouseActions->DisjunctRowSelect() && ARow < RowCount())
        selected = selected || DisplayRowSelected(ARow);
    if (FMouseActions->DisjunctColSelect() && c < ColCount())
        selected = selected || GetColSelect(c);
    const TColor over = selected && !FSelectionRTFKeep ? FSelectionTextColor : clNone;
    TRect r = Rect;
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    r.Right -= FXYOffset.X;
    r.Bottom -= FXYOffset.Y;
    const int saved = SaveDC(Canvas);
    IntersectClipRect(Canvas, Rect.Left, Rect.Top, Rect.Right, Rect.Bottom);
    Canvas->Brush()->SetStyle(bsClear);
    LayOutRichText(Canvas, CellRichText(GetGridCell(ACol, ARow)), r, true, over);
    Canvas->Brush()->SetStyle(bsSolid);
    RestoreDC(Canvas, saved);
}

// Alignment and text measurement

void TProStringGrid::CalcCellAlignment(int ACol, int ARow, TAlignment& HA, TVAlignment& VA)
{
    HA = FDefaultAlignment;
    VA = FVAlignment;
    const bool props = HasCellProperties(ACol, ARow);
    if (!FAutoNumAlign && !props) {
        GetCellAlignment(ACol, ARow, HA, VA);
        return;
    }
    QString text = GetCellEx(ACol, ARow);
    const bool formula = text.startsWith(QLatin1Char('=')) ||
                         (text.size() > 3 && text.startsWith(QStringLiteral("|\\")) && text.at(3) == QLatin1Char('='));
    if (FAutoNumAlign) {
        QString shown = text;
        if (formula)
            GetCellText(ACol, ARow, shown);
        const int kind = ClassifyNumberText(Trim(shown));
        if (kind == ntInteger || kind == ntFloat || kind == ntScientific)
            HA = taRightJustify;
    }
    if (props && !text.startsWith(QLatin1Char('=')))
        HA = GetGridCellProps(ACol, ARow)->Alignment();
    GetCellAlignment(ACol, ARow, HA, VA);
}

TSize TProStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    TSize size{0, 0};
    CellTextExtent(ACol, RealToDisplCol(ACol), size, VS, SB, ARow);
    return size;
}

void TProStringGrid::CellTextExtent(int ACol, int DisplCol, TSize& Size, bool VS, bool SB, int ARow)
{
    TCanvas* canvas = Canvas();
    QString text = GetFormattedCell(ACol, ARow);
    const int kind = ClassifyCellText(text, FEnableHTML);
    TGridDrawState state;
    TBrush brush;
    GetFontProperties(DisplCol, ACol, ARow, state, canvas->Font(), &brush, true);
    if ((ARow < FixedRows() || DisplCol < FixedCols()) && FActiveCellShow &&
        FActiveCellFont->Style().Contains(fsBold)) {
        TFontStyles style = canvas->Font()->Style();
        style += fsBold;
        canvas->Font()->SetStyle(style);
    }
    if (FZoomFactor != 0)
        canvas->Font()->SetSize(canvas->Font()->Size() + FZoomFactor);
    if (kind == ctFormula)
        GetCellText(ACol, ARow, text);

    TRect r = CellRect(DisplCol, ARow);
    OffsetRect(r, -r.Left, -r.Top);
    r.Left += FXYOffset.X;
    r.Top += FXYOffset.Y;
    if (!FXYOffsetTopLeftOnly) {
        r.Right -= FXYOffset.X;
        r.Bottom -= FXYOffset.Y;
    }
    if (VS)
        r.Right -= 17;

    if (kind == ctHTML) {
        if (!SB)
            r.Right = 65535;
        r.Bottom = 65535;
        QString anchor, plain, focus, title, id, value, type;
        int w = 0, h = 0, count = 0, at = 0;
        TRect anchorRect, controlRect;
        RenderHTMLText(canvas, text, r, GetCellImageList(), 0, 0, -1, 0, 1, false, true, false, false, false, false,
                       true, false, 1.0, FURLColor, clNone, clNone, clGray, anchor, plain, focus, title, w, h, count,
                       at, anchorRect, controlRect, id, value, type, FImageCache.get(), FPictureContainer, Handle(),
                       0);
        Size = TSize{w + 2, h + 2};
        return;
    }
    if (kind == ctRTF && !TComponent::IsDesigning()) {
        const TRichText rich = CellRichText(text);
        r.Bottom = 65535;
        if (!SB)
            r.Right = 65535;
        Size = LayOutRichText(canvas, rich, r, false, clNone);
        Size.cy += 4;
        return;
    }
    int angle = 0;
    const bool rotated = IsRotatedCell(ACol, ARow, angle);
    int w = 0, h = 0;
    if (SB) {
        InflateRect(r, -2, -2);
        if (EditorMode() && ACol == DisplToRealCol(Col()) && ARow == Row() && text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('w');
        TRect calc = r;
        const unsigned flags = DT_CALCRECT | DT_NOPREFIX | DT_EDITCONTROL | DT_EXPANDTABS |
                               (rotated ? DT_SINGLELINE : DT_WORDBREAK);
        h = DrawTextEx(canvas, text, -1, &calc, flags, nullptr);
        w = calc.Width();
    } else {
        QString rest = text;
        int lines = 0;
        while (true) {
            QString line;
            SplitFirstLine(rest, FMultilinecells, line);
            if (FURLShow && !FURLFull && kind == ctPlain)
                StripURLProtocol(line);
            w = std::max(w, canvas->TextWidth(line));
            ++lines;
            if (rest.isEmpty())
                break;
        }
        h = lines * canvas->TextHeight(QStringLiteral("gh"));
    }
    if (rotated) {
        const double a = angle * M_PI / 180;
        const int hs = std::abs(int(std::trunc(h * std::sin(a)))), wc = std::abs(int(std::trunc(w * std::cos(a))));
        const int hc = std::abs(int(std::trunc(h * std::cos(a)))), ws = std::abs(int(std::trunc(w * std::sin(a))));
        Size = TSize{std::abs(hs - wc) + 12, std::abs(hc - ws) + 12};
        return;
    }
    Size = TSize{w, h};
}

// Size

void TProStringGrid::WMSize(TWMSize& Message)
{
    if (FColumnSize->SynchWithGrid() && FOldSize > 0 && FOrigColSizes->Count() > 0) {
        HideInplaceEdit();
        const double factor = double(Width() + (BorderStyle() == bsSingle ? 2 : 0)) / FOldSize;
        const bool normalOnly = FColumnSize->SynchNormalCellsOnly();
        const int first = normalOnly ? FixedCols() : 0;
        const int last = normalOnly ? ColCount() - FFixedRightCols - 1 : ColCount() - 1;
        for (int c = first; c <= last && c < FOrigColSizes->Count(); ++c)
            SetColWidths(c, int(std::trunc(FOrigColSizes->Items(c) * factor)));
    }
    if (FColumnSize->Stretch() && (FScrollBarAlways == saNone || FScrollBarAlways == saVert)) {
        const int index = FColumnSize->StretchColumn() == -1 ? ColCount() - 1 : FColumnSize->StretchColumn();
        int others = 0;
        for (int c = 0; c < ColCount(); ++c)
            if (c != index)
                others += ColWidths(c);
        if (others < Width())
            DoStretchColumn(index, false);
    }
    TBaseGrid::WMSize(Message);
    if (FScrollProportional) {
        UpdateProportionalVert();
        UpdateProportionalHorz();
    }
}
