#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/GridBitmaps.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <utility>

namespace {

void SetPenAndBrush(TCanvas* Canvas, TColor Color)
{
    Canvas->Pen()->SetColor(Color);
    Canvas->Brush()->SetColor(Color);
}

int Channel(int From, int To, int Step, int Steps)
{
    return From + int(Round(double(Step) * (To - From) / Steps));
}

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

} // namespace

void FillGradientRect(TCanvas* Canvas, TColor FromColor, TColor ToColor, bool Horizontal, const TRect& Rect,
                      int Steps)
{
    TRect r = Rect;
    if (r.Top == r.Bottom)
        return;
    if (r.Top > r.Bottom)
        std::swap(r.Top, r.Bottom);
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    if (from == clNone || to == clNone) {
        SetPenAndBrush(Canvas, to == clNone ? from : to);
        Canvas->Rectangle(r);
        return;
    }
    const int extent = Horizontal ? r.Width() - 1 : r.Height() - 1;
    Steps = std::max(std::min(Steps, extent), 1);
    const double band = double(extent) / Steps;
    const int far = Horizontal ? r.Right : r.Bottom;
    const int origin = Horizontal ? r.Left : r.Top;
    for (int i = 0; i <= Steps; ++i) {
        const int start = origin + int(Trunc(i * band));
        const int end = std::min(start + int(Trunc(band + 1)), far);
        if (end <= start)
            continue;
        SetPenAndBrush(Canvas, RGB(Channel(GetRValue(from), GetRValue(to), i, Steps),
                                   Channel(GetGValue(from), GetGValue(to), i, Steps),
                                   Channel(GetBValue(from), GetBValue(to), i, Steps)));
        const TRect bandRect = Horizontal ? TRect{start, r.Top, end, r.Bottom} : TRect{r.Left, start, r.Right, end};
        // Pen and brush of one plain colour: the band's rectangle covers
        // what a fill does, in one pass instead of fill and outline.
        if (Canvas->Pen()->Style() == psSolid && Canvas->Pen()->Mode() == pmCopy
            && Canvas->Brush()->Style() == bsSolid && !Canvas->Brush()->Bitmap())
            Canvas->FillRect(bandRect);
        else
            Canvas->Rectangle(bandRect);
    }
}

void DrawMirrorGradientRect(TCanvas* Canvas, const TRect& Rect, TColor Color, bool Fill, bool SidesOnly,
                            TColor BorderColor, bool Vertical, TColor MirrorColorTo, TColor MirrorColor,
                            TColor ColorTo)
{
    if (Fill && Color != clNone) {
        if (MirrorColor == clNone) {
            if (ColorTo == clNone) {
                Canvas->Brush()->SetColor(Color);
                Canvas->FillRect(TRect{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom + 1});
            } else {
                FillGradientRect(Canvas, Color, ColorTo, !Vertical, Rect, 128);
            }
        } else {
            TRect first = Rect, second = Rect;
            if (Vertical) {
                first.Bottom = second.Top = Rect.Top + (Rect.Bottom - Rect.Top) / 2;
            } else {
                first.Right = second.Left = Rect.Left + (Rect.Right - Rect.Left) / 2;
            }
            FillGradientRect(Canvas, Color, ColorTo, !Vertical, first, 128);
            FillGradientRect(Canvas, MirrorColor, MirrorColorTo, !Vertical, second, 128);
        }
    }
    if (BorderColor == clNone)
        return;
    Canvas->Pen()->SetColor(BorderColor);
    if (SidesOnly) {
        Line(Canvas, Rect.Left, Rect.Top, Rect.Left, Rect.Bottom);
        Line(Canvas, Rect.Right - 1, Rect.Top, Rect.Right - 1, Rect.Bottom);
    } else {
        Canvas->Brush()->SetColor(BorderColor);
        Canvas->FrameRect(Rect);
    }
}

void DrawRoundedSelection(TCanvas* Canvas, TColor Color, TColor ColorTo, int Position, const TRect& Rect,
                          TColor BackgroundColor, TColor CornerColor, TColor BorderColor, TColor InnerBottomColor,
                          TColor InnerTopColor, TColor MirrorColorTo, TColor MirrorColor)
{
    const int l = Rect.Left, t = Rect.Top, r = Rect.Right - 1, b = Rect.Bottom - 2;
    const int mid = t + (b - t) / 2;
    const bool leftClosed = Position == 0 || Position == 1;
    const bool rightClosed = Position == 0 || Position == 2;
    const int i = leftClosed ? 2 : 0;
    const int j = rightClosed ? 2 : 0;

    Canvas->Pen()->SetColor(InnerTopColor);
    Line(Canvas, l, t + 1, r, t + 1);
    if (leftClosed)
        Line(Canvas, l + 1, t + 1, l + 1, mid);
    if (rightClosed)
        Line(Canvas, r - 2, t + 1, r - 2, mid);

    Canvas->Pen()->SetColor(InnerBottomColor);
    Line(Canvas, l, b - 1, r, b - 1);
    if (leftClosed)
        Line(Canvas, l + 1, mid, l + 1, b - 1);
    if (rightClosed)
        Line(Canvas, r - 2, mid, r - 2, b - 1);

    Canvas->Pen()->SetColor(BorderColor);
    Line(Canvas, l + i, t, r - j, t);
    Line(Canvas, l + i, b, r - j, b);
    if (rightClosed)
        Line(Canvas, r - 1, t + 2, r - 1, b - 1);
    if (leftClosed)
        Line(Canvas, l, t + 2, l, b - 1);

    auto corners = [&](int inner, int outer) {
        for (TPoint p : {Point(inner, t), Point(inner, t + 1), Point(outer, t + 1), Point(inner, b),
                         Point(inner, b - 1), Point(outer, b - 1)})
            Canvas->SetPixels(p.X, p.Y, CornerColor);
        Canvas->SetPixels(outer, t, BackgroundColor);
        Canvas->SetPixels(outer, b, BackgroundColor);
    };
    if (leftClosed)
        corners(l + 1, l);
    if (rightClosed)
        corners(r - 2, r - 1);

    const TRect inside{l + i, t + 2, r - j, b - 1};
    if (ColorTo == clNone) {
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(inside);
    } else if (MirrorColor == clNone) {
        FillGradientRect(Canvas, Color, ColorTo, false, inside, 16);
    } else {
        TRect upper = inside, lower = inside;
        upper.Bottom = lower.Top = inside.Top + (inside.Bottom - inside.Top) / 2;
        FillGradientRect(Canvas, Color, ColorTo, false, upper, 16);
        FillGradientRect(Canvas, MirrorColor, MirrorColorTo, false, lower, 16);
    }
}

void FillRectWithColor(TCanvas* Canvas, const TRect& Rect, TColor Color)
{
    Canvas->Brush()->SetColor(Color);
    Canvas->FillRect(Rect);
}

TColor InterpolateColor(TColor FromColor, TColor ToColor, int Start, int Pos, int End)
{
    if (ToColor == clNone || End == Start)
        return FromColor;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    auto channel = [&](int f, int t) { return f + int(Round(double(t - f) / (End - Start) * Pos)); };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

TColor HalveColor(TColor Color)
{
    const TColor c = ColorToRGB(Color);
    return RGB(GetRValue(c) >> 1, GetGValue(c) >> 1, GetBValue(c) >> 1);
}

TColor AdjustBrightness(TColor Color, int Percent)
{
    const TColor c = ColorToRGB(Color);
    auto channel = [&](int v) {
        return int(std::clamp<int64_t>(Round(v + double(Percent) * v / 100), 0, 255));
    };
    return RGB(channel(GetRValue(c)), channel(GetGValue(c)), channel(GetBValue(c)));
}

void DrawDownTriangle(TCanvas* Canvas, int X, int Y, TColor Color)
{
    SetPenAndBrush(Canvas, Color);
    Canvas->Polygon({Point(X - 3, Y), Point(X + 3, Y), Point(X, Y + 3)});
}

void DrawBitmapTransparent(TCanvas* Canvas, TBitmap* Bitmap, TColor BackgroundColor, const TRect& Rect)
{
    if (!Bitmap || Bitmap->Empty())
        return;
    const int w = Bitmap->Width(), h = Bitmap->Height();
    TBitmap composed(w, h);
    composed.Canvas()->Brush()->SetColor(BackgroundColor);
    composed.Canvas()->FillRect(TRect{0, 0, w, h});
    composed.Canvas()->BrushCopy(TRect{0, 0, w, h}, Bitmap, TRect{0, 0, w, h}, Bitmap->Canvas()->Pixels(0, 0));
    Canvas->Draw(Rect.Left, Rect.Top, &composed);
}

void DrawResourceBitmap(TCanvas* Canvas, TColor BackgroundColor, const TRect& Rect, const QString& ResourceName)
{
    TBitmap bitmap;
    if (LoadGridBitmap(ResourceName, &bitmap))
        DrawBitmapTransparent(Canvas, &bitmap, BackgroundColor, Rect);
}

void DrawErrorUnderline(TWinControl* Parent, TCanvas* Canvas, const QString& Text, int ErrLen, int ErrPos,
                        int LineHeight, const TRect& Rect)
{
    const int len = int(Text.size());
    if (ErrPos < 0 || ErrPos >= len)
        return;
    // A character's position is where a single-line edit shows it.
    auto charX = [&](int index) { return Canvas->TextWidth(Text.left(index)); };
    const int xs = charX(ErrPos), ys = 0;
    int xe = 0, ye = 0;
    if (ErrPos + ErrLen < len) {
        xe = charX(std::max(ErrPos + ErrLen - 1, 0));
    } else {
        xe = charX(len - 1) + 4;
        ye = ys;
    }
    Canvas->Pen()->SetColor(0x0000FF);
    Canvas->Pen()->SetWidth(2);
    Canvas->MoveTo(Rect.Left + xs, Rect.Top + ys + LineHeight + 3);
    int x = xs, g = 3;
    while (x <= xe) {
        g = g == 3 ? 0 : 3;
        Canvas->LineTo(Rect.Left + x + 3, Rect.Top + ye + LineHeight + g);
        x += 3;
    }
    Canvas->LineTo(Rect.Left + x + 3, Rect.Top + ye + LineHeight + (g == 0 ? 3 : 0));
    Canvas->Pen()->SetWidth(1);
}

bool CallUpdateLayeredWindow(HWND Window, HDC DestDC, TPoint* DestPoint, TSize* Size, HDC SourceDC,
                             TPoint* SourcePoint, TColor Key, const TBlendFunction* Blend, unsigned Flags)
{
    return true;
}

bool CallSetLayeredWindowAttributes(HWND Window, unsigned Key, unsigned char Alpha, unsigned Flags)
{
    return SetLayeredWindowAttributes(Window, Key, Alpha, Flags);
}

void PlaceRotatedText(TRect& R, TAlignment HAlign, TVAlignment VAlign, int A, int B, int C, int D, int Angle)
{
    const int w = C + D, h = A + B;
    int x = R.Left, y = R.Top;
    if (HAlign == taRightJustify)
        x = R.Right - w;
    else if (HAlign == taCenter)
        x = R.Left + (R.Right - R.Left - w) / 2;
    if (VAlign == vtaBottom)
        y = R.Bottom - h;
    else if (VAlign == vtaCenter)
        y = R.Top + (R.Bottom - R.Top - h) / 2;
    // The start point inside the box depends on the quadrant of the angle.
    if (Angle <= 90) {
        y += B;
    } else if (Angle <= 180) {
        x += D;
        y += A + B;
    } else if (Angle > 270) {
        x += C;
    } else {
        x += C + D;
        y += A;
    }
    R.Left = x;
    R.Top = y;
}
