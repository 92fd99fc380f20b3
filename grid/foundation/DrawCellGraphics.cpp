// The cell graphics of DrawUtils.h: progress bars and pies, the range
// indicator and the cell shapes.
#include "grid/foundation/DrawUtils.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

void SetCellPenAndBrush(TCanvas* Canvas, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
}

void Frame(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FrameRect(Rect);
}

} // namespace

void DrawProgressBar(TCanvas* Canvas, const TRect& Rect, TColor CompleteColor, bool YUp, TColor BorderColor,
                     const QString& FormatText, int Max, int Min, int MarginY, int MarginX, double Value,
                     TColor UncompleteFontColor, TColor UncompleteColor, TColor CompleteFontColor)
{
    const TColor oldBrush = Canvas->Brush()->Color();
    SetCellPenAndBrush(Canvas, CompleteColor);
    Canvas->Font()->SetColor(CompleteFontColor);

    QString text;
    int64_t percent = 0;
    if (!FormatText.isEmpty()) {
        if (FormatText.contains(u'd') || FormatText.contains(u'u'))
            text = Format(FormatText, {Round(Value)});
        else
            text = Format(FormatText, {Value});
        if (Max == Min)
            percent = Value >= Max ? 100 : 0;
        else
            percent = Round((Value - Min) * 100 / (Max - Min));
    } else {
        percent = Round(Value);
        text = IntToStr(percent) + u'%';
    }
    percent = std::clamp<int64_t>(percent, 0, 100);

    TRect r{Rect.Left + MarginX, Rect.Top + MarginY, Rect.Right - MarginX, Rect.Bottom - MarginY};
    const TRect done{r.Left, r.Top, r.Left + int(Round(double(percent) * r.Width() / 100)), r.Bottom};
    const TSize extent = Canvas->TextExtent(text);
    const int x = r.Left + (r.Width() - extent.cx) / 2;
    const int y = r.Top + (r.Height() - (YUp ? -extent.cy : extent.cy)) / 2;

    Canvas->FillRect(done);
    Canvas->TextRect(done, x, y, text);
    SetCellPenAndBrush(Canvas, UncompleteColor);
    Canvas->Font()->SetColor(UncompleteFontColor);
    const TRect rest{done.Right, r.Top, r.Right, r.Bottom};
    Canvas->FillRect(rest);
    Canvas->TextRect(rest, x, y, text);

    InflateRect(r, 1, 1);
    if (BorderColor != clNone)
        Frame(Canvas, r, BorderColor);
    InflateRect(r, 1, 1);
    Frame(Canvas, r, oldBrush);
}

void DrawProgressPie(TCanvas* Canvas, const TRect& Rect, TColor FillColor, bool YUp, int Percent)
{
    const int w = Rect.Width(), h = Rect.Height();
    const int cx = Rect.Left + w / 2, cy = Rect.Top + h / 2;
    Canvas->Pen()->SetColor(0x808080);
    Canvas->Pen()->SetWidth(1);
    Canvas->Ellipse(Rect);
    const double a = Percent / 100.0 * 2 * std::numbers::pi;
    Canvas->MoveTo(cx, Rect.Top);
    Canvas->LineTo(cx, cy);
    Canvas->LineTo(cx + int(Round((w + 1) / 2.0 * std::sin(a))), cy - int(Round((h + 1) / 2.0 * std::cos(a))));
    if (Percent != 0) {
        Canvas->Brush()->SetColor(FillColor);
        Canvas->FloodFill(cx + 1, YUp ? Rect.Top - 2 : Rect.Top + 2, 0x808080, fsBorder);
    }
}

namespace {

// One piece of the office-style bar: two gradient halves across its
// thickness (ColorTo at the edges, Color in the middle) or solid.
void XPPiece(TCanvas* Canvas, const TRect& Piece, TColor Color, TColor ColorTo, const TXPProgressParams& P)
{
    if (Piece.IsEmpty())
        return;
    if (!P.ShowGradient) {
        SetCellPenAndBrush(Canvas, Color);
        Canvas->Rectangle(Piece);
        return;
    }
    TRect first = Piece, second = Piece;
    if (P.Vertical)
        first.Right = second.Left = Piece.Left + (Piece.Right - Piece.Left) / 2;
    else
        first.Bottom = second.Top = Piece.Top + (Piece.Bottom - Piece.Top) / 2;
    FillGradientRect(Canvas, ColorTo, Color, P.Vertical, first, P.Steps);
    FillGradientRect(Canvas, Color, ColorTo, P.Vertical, second, P.Steps);
}

// The piece from Start (pixels from the bar's origin) of length Len,
// inset by Inset from the sides.
TRect PieceRect(const TRect& R, bool Vertical, int Start, int Len, int Inset)
{
    if (Vertical)
        return TRect{R.Left + Inset, R.Bottom - Start - Len, R.Right - Inset, R.Bottom - Start};
    return TRect{R.Left + Start, R.Top + Inset, R.Left + Start + Len, R.Bottom - Inset};
}

struct TLevel {
    TColor Color;
    TColor ColorTo;
};

TLevel Level(const TXPProgressParams& P, int Index)
{
    switch (Index) {
    case 0:
        return {P.Level0Color, P.Level0ColorTo};
    case 1:
        return {P.Level1Color, P.Level1ColorTo};
    case 2:
        return {P.Level2Color, P.Level2ColorTo};
    default:
        return {P.Level3Color, P.Level3ColorTo};
    }
}

void XPStacked(TCanvas* Canvas, const TRect& R, int Percent, int Len, const TXPProgressParams& P)
{
    auto length = [&](double percent) { return int(Round(Len * percent / 100)); };
    const int l1 = Percent < P.Level1Perc ? length(Percent) : length(P.Level1Perc);
    TLevel lv = Level(P, 0);
    XPPiece(Canvas, PieceRect(R, P.Vertical, 1, l1, 1), lv.Color, lv.ColorTo, P);
    if (Percent < P.Level1Perc)
        return;
    const int l2 = Percent < P.Level2Perc ? length(Percent - P.Level1Perc) : length(P.Level2Perc - P.Level1Perc);
    lv = Level(P, 1);
    XPPiece(Canvas, PieceRect(R, P.Vertical, 1 + l1, l2, 1), lv.Color, lv.ColorTo, P);
    if (Percent < P.Level2Perc)
        return;
    const int l3 = Percent == 100 ? Len - l1 - l2 : length(Percent - P.Level2Perc);
    lv = Level(P, 2);
    // A vertical third piece starts one pixel above the second.
    XPPiece(Canvas, PieceRect(R, P.Vertical, 1 + l1 + l2 + (P.Vertical ? 1 : 0), l3, 1), lv.Color, lv.ColorTo, P);
}

void XPSingle(TCanvas* Canvas, const TRect& R, int Percent, int Len, const TXPProgressParams& P)
{
    int index = 2;
    if (Percent < P.Level1Perc)
        index = 0;
    else if (Percent < P.Level2Perc)
        index = 1;
    else if (Percent >= 100)
        index = 3;
    const TLevel lv = Level(P, index);
    if (P.CompletionSmooth) {
        XPPiece(Canvas, PieceRect(R, P.Vertical, 1, int(Round(Percent / 100.0 * Len)), 1), lv.Color, lv.ColorTo,
                P);
        return;
    }
    const int f = int(Round(double(Percent) * Len / 100));
    if (f > 9) {
        int start = 2;
        for (int i = 0; i < f / 9; ++i, start += 9)
            XPPiece(Canvas, PieceRect(R, P.Vertical, start, 7, 2), lv.Color, lv.ColorTo, P);
        if (f % 9 > 2)
            XPPiece(Canvas, PieceRect(R, P.Vertical, start, f % 9 - 1, 2), lv.Color, lv.ColorTo, P);
    } else if (f >= 2) {
        XPPiece(Canvas, PieceRect(R, P.Vertical, 2, f - 1, 2), lv.Color, lv.ColorTo, P);
    }
}

} // namespace

void DrawXPProgressBar(TCanvas* Canvas, const TRect& Rect, int Percent, const TXPProgressParams& Params)
{
    const TRect& r = Rect;
    const int len = (Params.Vertical ? r.Bottom - r.Top : r.Right - r.Left) - 2;
    const TColor pen = Params.ShowBorder ? Params.BorderColor : Params.BackgroundColor;
    Canvas->Brush()->SetColor(Params.BackgroundColor);
    Canvas->Pen()->SetColor(pen);
    Canvas->Rectangle(r);

    if (Percent > 0) {
        if (Params.Stacked)
            XPStacked(Canvas, r, Percent, len, Params);
        else
            XPSingle(Canvas, r, Percent, len, Params);
    }

    if (Params.ShowPercentage) {
        const QString text = IntToStr(Percent) + u'%';
        if (Params.Font) {
            Canvas->Font()->SetName(Params.Font->Name());
            Canvas->Font()->SetSize(Params.Font->Size());
            Canvas->Font()->SetStyle(Params.Font->Style());
        }
        Canvas->Font()->SetColor(Params.FontColor);
        Canvas->Font()->SetOrientation(Params.Vertical ? 900 : 0);
        Canvas->Brush()->SetStyle(bsClear);
        const TSize extent = Canvas->TextExtent(text);
        if (Params.Vertical)
            Canvas->TextOut(r.Left + (r.Right - r.Left) / 2 - extent.cy / 2,
                            r.Top + (r.Bottom - r.Top) / 2 + extent.cx / 2, text);
        else
            Canvas->TextOut(r.Left + (r.Width() - extent.cx) / 2, r.Top + (r.Height() - extent.cy) / 2, text);
        Canvas->Font()->SetOrientation(0);
    }

    Canvas->Brush()->SetStyle(bsClear);
    Canvas->Pen()->SetColor(pen);
    Canvas->Rectangle(r);
    Canvas->Brush()->SetStyle(bsSolid);
}

void DrawRangeIndicator(TCanvas* Canvas, const TRect& Rect, int Value, TColor PositiveColor, TColor NegativeColor,
                        bool ShowValue, int Range)
{
    TRect r = Rect;
    InflateRect(r, -2, -2);
    const int half = r.Width() / 2;
    if (Range > 0) {
        Value = std::clamp(Value, -Range, Range);
        const int length = int(Round(double(half) * Value / Range));
        if (Value < 0) {
            SetCellPenAndBrush(Canvas, NegativeColor);
            Canvas->Rectangle(r.Left + half + length, r.Top, r.Left + half, r.Bottom);
        } else {
            SetCellPenAndBrush(Canvas, PositiveColor);
            Canvas->Rectangle(r.Left + half, r.Top, r.Left + half + length, r.Bottom);
        }
    }
    if (ShowValue) {
        const QString text = IntToStr(Value);
        const TSize extent = Canvas->TextExtent(text);
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->TextOut(r.Left + (r.Width() - extent.cx) / 2, r.Top + (r.Height() - extent.cy) / 2, text);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

namespace {

// The ten points of a star around the box's centre: outer points at even
// k, inner (a third of the radius) at odd k, k × 36° clockwise from the top.
std::vector<TPoint> StarPoints(int X, int Y, int W, int H)
{
    const int cx = X + W / 2, cy = Y + H / 2;
    std::vector<TPoint> points;
    for (int k = 0; k < 10; ++k) {
        const double rx = k % 2 == 0 ? W / 2 : (W / 2) / 3.0;
        const double ry = k % 2 == 0 ? H / 2 : (H / 2) / 3.0;
        const double a = k * 36 * std::numbers::pi / 180;
        points.push_back({cx + int(Round(std::sin(a) * rx)), cy - int(Round(std::cos(a) * ry))});
    }
    return points;
}

} // namespace

void DrawCellShape(TCanvas* Canvas, int X, int Y, TColor PenColor, TColor BrushColor, TCellShape Shape, int H,
                   int W)
{
    Canvas->Pen()->SetColor(PenColor);
    Canvas->Brush()->SetColor(BrushColor);
    if (Shape == csCircle || Shape == csSquare || Shape == csRoundSquare)
        W = H = std::min(W, H);
    const int we = W - W % 2, wq = we / 4;
    const int he = H - H % 2, hq = he / 4;
    switch (Shape) {
    case csRectangle:
    case csSquare:
        Canvas->Rectangle(X + 1, Y + 1, X + W - 1, Y + H - 1);
        break;
    case csCircle:
    case csEllips:
        Canvas->Ellipse(X, Y, X + W, Y + H);
        break;
    case csTriangleLeft:
        Canvas->Polygon({Point(X + W, Y), Point(X + W, Y + H), Point(X, Y + H / 2)});
        break;
    case csTriangleRight:
        Canvas->Polygon({Point(X, Y), Point(X, Y + H), Point(X + W, Y + H / 2)});
        break;
    case csTriangleUp:
        Canvas->Polygon({Point(X, Y + H), Point(X + W, Y + H), Point(X + W / 2, Y)});
        break;
    case csTriangleDown:
        Canvas->Polygon({Point(X, Y), Point(X + W, Y), Point(X + W / 2, Y + H)});
        break;
    case csDiamond:
        Canvas->Polygon({Point(X, Y + H / 2), Point(X + W / 2, Y), Point(X + 2 * (W / 2), Y + H / 2),
                         Point(X + W / 2, Y + 2 * (H / 2))});
        break;
    case csLineVert:
        Canvas->Rectangle(X + W / 2, Y, X + W / 2 + 1, Y + H);
        break;
    case csLineHorz:
        Canvas->Rectangle(X, Y + H / 2, X + W, Y + H / 2 + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        Canvas->RoundRect(X, Y, X + W, Y + H, 10, 10);
        break;
    case csStar:
        Canvas->Polygon(StarPoints(X, Y, W, H));
        break;
    case csHalfStar: {
        const std::vector<TPoint> s = StarPoints(X, Y, W, H);
        Canvas->Polygon({s[0], s[5], s[6], s[7], s[8], s[9]});
        break;
    }
    case csArrowUp:
        Canvas->Polygon({Point(X, Y + H / 2), Point(X + we / 2, Y), Point(X + we, Y + H / 2),
                         Point(X + 3 * wq, Y + H / 2), Point(X + 3 * wq, Y + H), Point(X + wq, Y + H),
                         Point(X + wq, Y + H / 2)});
        break;
    case csArrowDown:
        Canvas->Polygon({Point(X, Y + H / 2), Point(X + we / 2, Y + H), Point(X + we, Y + H / 2),
                         Point(X + 3 * wq, Y + H / 2), Point(X + 3 * wq, Y), Point(X + wq, Y),
                         Point(X + wq, Y + H / 2)});
        break;
    case csArrowLeft:
        Canvas->Polygon({Point(X, Y + he / 2), Point(X + W / 2, Y), Point(X + W / 2, Y + hq), Point(X + W, Y + hq),
                         Point(X + W, Y + 3 * hq), Point(X + W / 2, Y + 3 * hq), Point(X + W / 2, Y + he)});
        break;
    case csArrowRight:
        Canvas->Polygon({Point(X + W, Y + he / 2), Point(X + W / 2, Y), Point(X + W / 2, Y + hq),
                         Point(X, Y + hq), Point(X, Y + 3 * hq), Point(X + W / 2, Y + 3 * hq),
                         Point(X + W / 2, Y + he)});
        break;
    }
}
