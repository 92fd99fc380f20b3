#include "controls/button/LbButtons.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <algorithm>

namespace {

struct Channels {
    double R, G, B;
};

Channels ChannelsOf(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return {double(GetRValue(rgb)), double(GetGValue(rgb)), double(GetBValue(rgb))};
}

void Line(TCanvas* Canvas, int X1, int Y1, int X2, int Y2)
{
    Canvas->MoveTo(X1, Y1);
    Canvas->LineTo(X2, Y2);
}

void SetPen(TCanvas* Canvas, TColor Color)
{
    Canvas->Pen()->SetStyle(psSolid);
    Canvas->Pen()->SetColor(Color);
}

// Edges drawn in the given style; the brush is clear.
void DrawEdges(TCanvas* c, const TLbFaceInputs& f, TColor Face, bool Down)
{
    const int W = f.W;
    const int H = f.H;
    const bool framed = (f.Enabled && (!f.Flat || f.Hot || Down)) || (!f.Enabled && !f.Flat);
    switch (f.Style) {
    case bsNormal:
    case bsEncarta:
        if (!framed)
            return;
        SetPen(c, Down ? f.ShadowColor : f.LightColor);
        c->MoveTo(0, H - 1);
        c->LineTo(0, 0);
        c->LineTo(W - 1, 0);
        SetPen(c, Down ? f.LightColor : f.ShadowColor);
        c->LineTo(W - 1, H - 1);
        c->LineTo(0, H - 1);
        break;
    case bsOld:
        if (!framed)
            return;
        SetPen(c, f.ShadowColor);
        if (Down) {
            c->MoveTo(1, H - 3);
            c->LineTo(1, 1);
            c->LineTo(W - 2, 1);
        } else {
            c->MoveTo(W - 2, 0);
            c->LineTo(W - 2, H - 2);
            c->LineTo(0, H - 2);
        }
        SetPen(c, Down ? cl3DDkShadow : f.LightColor);
        c->MoveTo(0, H - 1);
        c->LineTo(0, 0);
        c->LineTo(W - 1, 0);
        SetPen(c, Down ? f.LightColor : cl3DDkShadow);
        c->LineTo(W - 1, H - 1);
        c->LineTo(-1, H - 1);
        break;
    case bsModern:
        SetPen(c, Down ? f.ShadowColor : Face);
        c->Rectangle(1, 1, W - 1, H - 1);
        SetPen(c, f.ShadowColor);
        c->RoundRect(0, 0, W, H, 6, 6);
        break;
    case bsQuicken:
        c->Pen()->SetStyle(psClear);
        c->Brush()->SetColor(Face);
        c->Brush()->SetStyle(bsSolid);
        c->RoundRect(0, 1, W, H, 4, 4);
        c->Brush()->SetStyle(bsClear);
        SetPen(c, f.ShadowColor);
        Line(c, 4, 0, W - 5, 0);
        Line(c, 4, H - 1, W - 5, H - 1);
        break;
    case bsShape:
        break;
    }
}

void DrawBackground(TCanvas* c, const TLbFaceInputs& f, TColor Face, int d)
{
    const int W = f.W;
    const int H = f.H;
    switch (f.Style) {
    case bsShape:
        c->Brush()->SetColor(LbTransparentColor);
        c->Rectangle(-1, -1, W + 1, H + 1);
        break;
    case bsNormal:
    case bsEncarta:
    case bsOld:
        c->Brush()->SetColor(Face);
        c->Rectangle(-1, -1, W + 1, H + 1);
        break;
    case bsModern:
        FillGradientBands(c, f.LightColor, Face, 2, 2, W - 2, H / 4 + d);
        FillGradientBands(c, Face, f.LightColor, 2, H / 4 + d, W - 2, H - 1);
        break;
    case bsQuicken:
        break;
    }
    c->Brush()->SetStyle(bsClear);
}

// Glyph cell and caption placement.
struct Placement {
    int A = 0;
    int TextLeft = 0;
    int TextTop = 0;
    int GlyphLeft = 0;
    int GlyphTop = 0;
};

int TextWidthLimit(const TLbFaceInputs& f, int CellW)
{
    if (f.Style == bsShape || f.Layout == blGlyphTop || f.Layout == blGlyphBottom)
        return std::max(f.W - 8, 0);
    int a = f.W - 8;
    if (CellW > 0)
        a -= CellW + 4;
    return std::max(a, 0);
}

Placement PlaceSideways(const TLbFaceInputs& f, int d, int A, int TW, int TH, int CellW, int CellH, bool HasText)
{
    Placement p;
    p.A = A;
    p.TextTop = (f.H - TH) / 2 + d;
    p.TextLeft = d + 4;
    p.GlyphTop = (f.H - CellH) / 2 + d;
    const int gap = HasText ? TW + 4 : 0;
    if (f.Layout == blGlyphLeft) {
        if (CellW > 0)
            p.TextLeft += CellW + 4;
        p.GlyphLeft = d + 4;
        if (!f.WordWrap) {
            if (f.Alignment == taRightJustify)
                p.GlyphLeft = f.W - 4 - CellW - gap + d;
            else if (f.Alignment == taCenter)
                p.GlyphLeft = (f.W - CellW) / 2 + d - gap / 2;
        }
    } else {
        p.GlyphLeft = p.TextLeft + gap;
        if (!f.WordWrap) {
            if (f.Alignment == taRightJustify)
                p.GlyphLeft = f.W - 4 - CellW + d;
            else if (f.Alignment == taCenter)
                p.GlyphLeft = (f.W - CellW) / 2 + d + gap / 2;
        }
    }
    return p;
}

Placement PlaceStacked(const TLbFaceInputs& f, int d, int A, int TH, int CellW, int CellH)
{
    Placement p;
    p.A = A;
    int total = TH;
    if (CellH > 0)
        total += CellH + 4;
    const int t0 = (f.H - total) / 2;
    p.TextLeft = d + 4;
    if (f.Layout == blGlyphTop) {
        p.TextTop = t0 + CellH + d;
        p.GlyphTop = t0 + d;
    } else {
        p.TextTop = t0 + d;
        p.GlyphTop = t0 + TH + d;
    }
    switch (f.Alignment) {
    case taLeftJustify: p.GlyphLeft = d + 4; break;
    case taRightJustify: p.GlyphLeft = f.W - CellW - 4 + d; break;
    case taCenter: p.GlyphLeft = (f.W - CellW) / 2 + d; break;
    }
    return p;
}

unsigned TextFormat(TAlignment Alignment)
{
    switch (Alignment) {
    case taLeftJustify: return DT_WORDBREAK;
    case taRightJustify: return DT_WORDBREAK | DT_RIGHT;
    case taCenter: break;
    }
    return DT_WORDBREAK | DT_CENTER;
}

} // namespace

void DrawButtonFace(TCanvas* c, const TLbFaceInputs& f)
{
    const bool down = f.Enabled && f.Down;
    const int d = down && f.Style != bsEncarta ? 1 : 0;

    TColor face = ColorToRGB(f.Color);
    if (f.Enabled && f.HotTrackColor != clNone)
        face = BlendHotTrackColor(f.Color, f.HotTrackColor, f.HotTrackStep);
    if (down && f.ColorWhenDown != clNone)
        face = f.ColorWhenDown;

    DrawBackground(c, f, face, d);
    DrawEdges(c, f, face, down);

    if (f.Font)
        c->Font()->Assign(f.Font);
    if (f.Style == bsEncarta && down)
        c->Font()->SetStyle(c->Font()->Style() + fsBold);

    // The strip's height makes room even when no cell is drawn.
    const bool hasGlyph = f.Glyph && f.NumGlyphs > 0;
    const int cellH = f.Glyph ? f.Glyph->Height() : 0;
    const int cellW = hasGlyph ? f.Glyph->Width() / f.NumGlyphs : 0;
    int srcX = cellW;
    if (f.Enabled) {
        srcX = 0;
        if (f.Hot && f.NumGlyphs > 3)
            srcX = 3 * cellW;
        if (down && f.NumGlyphs > 2)
            srcX = 2 * cellW;
    }

    const int A = TextWidthLimit(f, cellW);
    QString caption = f.Caption;
    if (!f.WordWrap)
        while (!caption.isEmpty() && c->TextWidth(caption) > A)
            caption.chop(1);
    TRect calc = Rect(0, 0, A, 0);
    DrawText(c, caption, -1, &calc, DT_CALCRECT | DT_WORDBREAK);
    const int TH = calc.Height();
    const int TW = calc.Width();

    if (f.Style == bsShape) {
        // Smoothed edges would blend with the transparent colour around them.
        c->Font()->SetQuality(fqNonAntialiased);
        if (hasGlyph)
            DrawGlyphCell(c, f.Glyph, (f.W - cellW) / 2, (f.H - cellH) / 2, srcX, 0, cellW, cellH);
        TRect r = Rect(d, (f.H - TH) / 2 + d, f.W, f.H);
        DrawText(c, caption, -1, &r, DT_WORDBREAK | DT_CENTER);
    } else {
        Placement p = f.Layout == blGlyphLeft || f.Layout == blGlyphRight
                          ? PlaceSideways(f, d, A, TW, TH, cellW, cellH, !caption.isEmpty())
                          : PlaceStacked(f, d, A, TH, cellW, cellH);
        if (!f.Enabled)
            c->Font()->SetColor(clGray);
        TRect r = Rect(p.TextLeft, p.TextTop, p.TextLeft + p.A, p.TextTop + TH);
        DrawText(c, caption, -1, &r, TextFormat(f.Alignment));
        if (hasGlyph)
            DrawGlyphCell(c, f.Glyph, p.GlyphLeft, p.GlyphTop, srcX, 0, cellW, cellH);
    }

    if (f.HasPopup) {
        TBitmap arrow;
        if (LoadLbButtonBitmap(QStringLiteral("LBARROW"), &arrow)) {
            arrow.SetTransparent(true);
            c->Draw(f.W - 11, f.H / 2 - 1, &arrow);
        }
    }
}

void FillGradientBands(TCanvas* c, TColor C1, TColor C2, int Left, int Top, int Right, int Bottom)
{
    const int span = Bottom - Top;
    const TPenStyle oldPen = c->Pen()->Style();
    c->Pen()->SetStyle(psClear);
    Channels from = ChannelsOf(C1);
    const Channels to = ChannelsOf(C2);
    const Channels delta{(to.R - from.R) / 31, (to.G - from.G) / 31, (to.B - from.B) / 31};
    const int band = span / 31 + 1;
    for (int i = 0; i <= 31; ++i) {
        const int y = Top + (i * span) / 31;
        c->Brush()->SetColor(RGB(int(from.R), int(from.G), int(from.B)));
        c->FillRect(Rect(Left, y, Right, std::min(y + band, Bottom)));
        from.R += delta.R;
        from.G += delta.G;
        from.B += delta.B;
    }
    c->Pen()->SetStyle(oldPen);
}

TColor BlendHotTrackColor(TColor Color, TColor HotTrackColor, int HotTrackStep)
{
    const double t = HotTrackStep / 8.0;
    const Channels a = ChannelsOf(Color);
    const Channels b = ChannelsOf(HotTrackColor);
    return RGB(int(a.R * (1 - t) + b.R * t), int(a.G * (1 - t) + b.G * t), int(a.B * (1 - t) + b.B * t));
}

void DrawGlyphCell(TCanvas* Canvas, TBitmap* Glyph, int X, int Y, int SrcX, int SrcY, int CellW, int CellH)
{
    if (!Glyph || Glyph->Empty() || CellW <= 0 || CellH <= 0)
        return;
    TBitmap cell;
    try {
        cell.Assign(Glyph);
    } catch (...) {
        // A strip that cannot be copied leaves the cell blank.
    }
    cell.SetTransparent(false);
    cell.SetSize(CellW, CellH);
    const int sw = Glyph->Width();
    const int sh = Glyph->Height();
    cell.Canvas()->CopyRect(Rect(-SrcX, -SrcY, sw - SrcX, sh - SrcY), Glyph->Canvas(), Rect(0, 0, sw, sh));
    cell.SetTransparentMode(tmAuto);
    cell.SetTransparent(true);
    Canvas->Draw(X, Y, &cell);
}

TLbColorStyleColors GetColorStyleColors(TLbColorStyle Style)
{
    struct Row {
        TLbColorStyle Style;
        TLbColorStyleColors Colors;
    };
    static const Row rows[] = {
        {lcsGold, {0x00C0C0, 0x00FFFF, 0x008080, clNone, 0x00DFDF, 0x000000, false, bsModern}},
        {lcsDeck, {0xC0C0C0, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsModern}},
        {lcsBlue, {0xFF8000, 0xFFFF00, 0xFF0000, clNone, clNone, 0x000000, false, bsModern}},
        {lcsRed, {0x0000FF, 0xC0C0FF, 0x0000C0, clNone, clNone, 0x000000, false, bsModern}},
        {lcsUltraFlat1, {clBtnFace, 0xB59284, 0xB59284, 0xB59284, 0xDED3D6, 0x000000, true, bsNormal}},
        {lcsUltraFlat2, {clBtnFace, 0x000000, 0x000000, 0x24DABC, 0x8CF6E4, 0x000000, true, bsNormal}},
        {lcsUltraFlatXP, {0xD1D8DB, 0xB59284, 0xB59285, 0xB59285, 0xD2BDB6, 0x000000, true, bsNormal}},
        {lcsAqua, {0xECCE94, 0xFCE6D4, 0x000000, clNone, clNone, 0x000000, false, bsModern}},
        {lcsDefault, {clBtnFace, 0xFFFFFF, 0x808080, clNone, clNone, 0x000000, false, bsNormal}},
        {lcsQuicken, {0x603000, 0xC0C0C0, 0xC0C0C0, 0xAD6529, 0xCEAE9C, 0xFFFFFF, false, bsQuicken}},
    };
    for (const Row& r : rows)
        if (r.Style == Style)
            return r.Colors;
    return {};
}
