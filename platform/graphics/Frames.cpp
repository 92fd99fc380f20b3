#include "platform/graphics/Frames.h"
#include <algorithm>

namespace {

// Keeps the canvas's pen, brush and background across a drawing routine.
class ToolsKeeper {
public:
    explicit ToolsKeeper(TCanvas* Canvas)
        : FCanvas(Canvas), FBkMode(GetBkMode(Canvas)), FBkColor(GetBkColor(Canvas))
    {
        FPen.Assign(Canvas->Pen());
        FBrush.Assign(Canvas->Brush());
    }
    ~ToolsKeeper()
    {
        FCanvas->Pen()->Assign(&FPen);
        FCanvas->Brush()->Assign(&FBrush);
        SetBkMode(FCanvas, FBkMode);
        SetBkColor(FCanvas, FBkColor);
    }

private:
    TCanvas* FCanvas;
    TPen FPen;
    TBrush FBrush;
    int FBkMode;
    TColor FBkColor;
};

void Fill(TCanvas* C, const TRect& R, TColor Color)
{
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color);
    C->FillRect(R);
}

struct Layer {
    TColor TopLeft;
    TColor BottomRight;
};

// One 1-pixel ring: top and left first, then right and bottom over them,
// so the top-right and bottom-left corners take the bottom-right colour.
void DrawLayer(TCanvas* C, TRect& R, const Layer& L, unsigned Flags)
{
    if (R.IsEmpty())
        return;
    if (Flags & BF_LEFT)
        Fill(C, Rect(R.Left, R.Top, R.Left + 1, R.Bottom), L.TopLeft);
    if (Flags & BF_TOP)
        Fill(C, Rect(R.Left, R.Top, R.Right, R.Top + 1), L.TopLeft);
    if (Flags & BF_RIGHT)
        Fill(C, Rect(R.Right - 1, R.Top, R.Right, R.Bottom), L.BottomRight);
    if (Flags & BF_BOTTOM)
        Fill(C, Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom), L.BottomRight);
    if (Flags & BF_LEFT)
        ++R.Left;
    if (Flags & BF_TOP)
        ++R.Top;
    if (Flags & BF_RIGHT)
        --R.Right;
    if (Flags & BF_BOTTOM)
        --R.Bottom;
}

Layer OuterLayer(unsigned Edge, unsigned Flags)
{
    if (Flags & BF_MONO)
        return {clWindowFrame, clWindowFrame};
    if (Flags & BF_FLAT)
        return {clBtnShadow, clBtnShadow};
    const bool soft = Flags & BF_SOFT;
    if (Edge & BDR_RAISEDOUTER)
        return {soft ? clBtnHighlight : cl3DLight, cl3DDkShadow};
    return {soft ? cl3DDkShadow : clBtnShadow, clBtnHighlight};
}

Layer InnerLayer(unsigned Edge, unsigned Flags)
{
    if (Flags & BF_MONO)
        return {clWindow, clWindow};
    if (Flags & BF_FLAT)
        return {clBtnFace, clBtnFace};
    const bool soft = Flags & BF_SOFT;
    if (Edge & BDR_RAISEDINNER)
        return {soft ? cl3DLight : clBtnHighlight, clBtnShadow};
    return {soft ? clBtnShadow : cl3DDkShadow, cl3DLight};
}

// The largest square centred in R.
TRect SquareIn(const TRect& R)
{
    const int s = std::min(R.Width(), R.Height());
    const int l = R.Left + (R.Width() - s) / 2;
    const int t = R.Top + (R.Height() - s) / 2;
    return Rect(l, t, l + s, t + s);
}

void DrawCheckMark(TCanvas* C, const TRect& Inner, TColor Color)
{
    // The classic 7 x 7 tick in a 9-pixel interior, scaled to the box.
    static const int tops[7] = {2, 3, 4, 3, 2, 1, 0};
    const int n = Inner.Width();
    if (n <= 0)
        return;
    for (int k = 0; k < 7; ++k) {
        const int x1 = Inner.Left + (1 + k) * n / 9, x2 = Inner.Left + (2 + k) * n / 9;
        const int y1 = Inner.Top + (1 + tops[k]) * n / 9, y2 = Inner.Top + (4 + tops[k]) * n / 9;
        Fill(C, Rect(x1, y1, std::max(x2, x1 + 1), std::max(y2, y1 + 1)), Color);
    }
}

void DrawCheckBox(TCanvas* C, const TRect& R, unsigned State)
{
    TRect box = SquareIn(R);
    if (State & (DFCS_FLAT | DFCS_MONO))
        DrawEdge(C, &box, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | ((State & DFCS_MONO) ? BF_MONO : BF_FLAT));
    else
        DrawEdge(C, &box, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    const bool greyed = (State & DFCS_BUTTON3STATE) && (State & DFCS_CHECKED);
    if (!(State & DFCS_TRANSPARENT))
        Fill(C, box, (State & (DFCS_INACTIVE | DFCS_PUSHED)) || greyed ? clBtnFace : clWindow);
    if (State & DFCS_CHECKED)
        DrawCheckMark(C, box, greyed || (State & DFCS_INACTIVE) ? clGrayText : clWindowText);
}

void DrawRadio(TCanvas* C, const TRect& R, unsigned State)
{
    const TRect b = SquareIn(R);
    C->Pen()->SetStyle(psClear);
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(State & (DFCS_INACTIVE | DFCS_PUSHED) ? clBtnFace : clWindow);
    C->Ellipse(b);
    C->Pen()->SetStyle(psSolid);
    auto halves = [C](const TRect& r, TColor topLeft, TColor bottomRight) {
        C->Pen()->SetColor(topLeft);
        C->Arc(r.Left, r.Top, r.Right, r.Bottom, r.Right, r.Top, r.Left, r.Bottom);
        C->Pen()->SetColor(bottomRight);
        C->Arc(r.Left, r.Top, r.Right, r.Bottom, r.Left, r.Bottom, r.Right, r.Top);
    };
    if (State & (DFCS_FLAT | DFCS_MONO)) {
        halves(b, clBtnShadow, clBtnShadow);
    } else {
        halves(b, clBtnShadow, clBtnHighlight);
        halves(Rect(b.Left + 1, b.Top + 1, b.Right - 1, b.Bottom - 1), cl3DDkShadow, cl3DLight);
    }
    if (State & DFCS_CHECKED) {
        const int s = std::max(2, b.Width() / 3);
        const int l = b.Left + (b.Width() - s) / 2, t = b.Top + (b.Height() - s) / 2;
        const TColor dot = State & DFCS_INACTIVE ? clGrayText : clWindowText;
        C->Pen()->SetColor(dot);
        C->Brush()->SetColor(dot);
        C->Ellipse(l, t, l + s, t + s);
    }
}

// Frame of a push-style button; returns the face inside it. A pushed
// scroll button is flat with a shadow frame, a pushed push button sunken.
TRect DrawButtonFrame(TCanvas* C, const TRect& R, unsigned State, bool ScrollButton = false)
{
    TRect face = R;
    const bool down = State & (DFCS_PUSHED | DFCS_CHECKED);
    if (State & (DFCS_FLAT | DFCS_MONO))
        DrawEdge(C, &face, down ? BDR_SUNKENOUTER : BDR_RAISEDOUTER,
                 BF_RECT | BF_ADJUST | BF_MIDDLE | ((State & DFCS_MONO) ? BF_MONO : BF_FLAT));
    else if (down && ScrollButton)
        DrawEdge(C, &face, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST | BF_MIDDLE | BF_FLAT);
    else if (down)
        DrawEdge(C, &face, EDGE_SUNKEN, BF_RECT | BF_ADJUST | BF_MIDDLE | BF_SOFT);
    else
        DrawEdge(C, &face, EDGE_RAISED, BF_RECT | BF_ADJUST | BF_MIDDLE | BF_SOFT);
    return face;
}

enum Direction { Up, Down, Left, Right };

// A filled triangle: rows (or columns) of width 2 * reach + 1, widest at
// the base; a 13-pixel face gives the classic 7 x 4 arrow.
void DrawArrow(TCanvas* C, const TRect& Face, Direction Dir, TColor Color)
{
    const int size = std::min(Face.Width(), Face.Height());
    const int half = std::max(2, (size + 3) / 4);
    const int cx = Face.Left + Face.Width() / 2, cy = Face.Top + Face.Height() / 2;
    const int top = cy - half / 2, left = cx - half / 2;
    for (int k = 0; k < half; ++k) {
        const int reach = half - 1 - k;
        switch (Dir) {
        case Down: Fill(C, Rect(cx - reach, top + k, cx + reach + 1, top + k + 1), Color); break;
        case Up: Fill(C, Rect(cx - reach, top + half - 1 - k, cx + reach + 1, top + half - k), Color); break;
        case Right: Fill(C, Rect(left + k, cy - reach, left + k + 1, cy + reach + 1), Color); break;
        case Left: Fill(C, Rect(left + half - 1 - k, cy - reach, left + half - k, cy + reach + 1), Color); break;
        }
    }
}

void DrawScroll(TCanvas* C, const TRect& R, unsigned State)
{
    const unsigned kind = State & 0xFF;
    if (kind == DFCS_SCROLLSIZEGRIP) {
        if (!(State & DFCS_TRANSPARENT))
            Fill(C, R, clBtnFace);
        for (int i = 0; i < 3; ++i) {
            const int o = 4 * i + 2;
            C->Pen()->SetColor(clBtnHighlight);
            C->MoveTo(R.Right - o - 2, R.Bottom - 1);
            C->LineTo(R.Right, R.Bottom - o - 3);
            C->Pen()->SetColor(clBtnShadow);
            C->MoveTo(R.Right - o - 1, R.Bottom - 1);
            C->LineTo(R.Right, R.Bottom - o - 2);
        }
        return;
    }
    TRect face = DrawButtonFrame(C, R, State, true);
    const Direction dir = kind == DFCS_SCROLLUP ? Up : kind == DFCS_SCROLLLEFT ? Left : kind == DFCS_SCROLLRIGHT ? Right : Down;
    if (State & DFCS_PUSHED)
        OffsetRect(face, 1, 1);
    if (State & DFCS_INACTIVE) {
        TRect shade = face;
        OffsetRect(shade, 1, 1);
        DrawArrow(C, shade, dir, clBtnHighlight);
        DrawArrow(C, face, dir, clBtnShadow);
    } else {
        DrawArrow(C, face, dir, clBtnText);
    }
}

void DrawCaption(TCanvas* C, const TRect& R, unsigned State)
{
    TRect face = DrawButtonFrame(C, R, State);
    if (State & DFCS_PUSHED)
        OffsetRect(face, 1, 1);
    const TColor color = State & DFCS_INACTIVE ? clBtnShadow : clBtnText;
    const int s = std::min(face.Width(), face.Height()) / 2;
    const int l = face.Left + (face.Width() - s) / 2, t = face.Top + (face.Height() - s) / 2;
    C->Pen()->SetColor(color);
    switch (State & 0xFF) {
    case DFCS_CAPTIONCLOSE:
        for (int d = 0; d < 2; ++d) {
            C->MoveTo(l + d, t);
            C->LineTo(l + s + d, t + s);
            C->MoveTo(l + s - 1 + d, t);
            C->LineTo(l - 1 + d, t + s);
        }
        break;
    case DFCS_CAPTIONMIN:
        Fill(C, Rect(l, t + s - 2, l + s - 1, t + s), color);
        break;
    default:
        C->Brush()->SetStyle(bsClear);
        C->Rectangle(l, t, l + s, t + s);
        Fill(C, Rect(l, t + 1, l + s, t + 2), color);
        break;
    }
}

TColor VertexColor(const TRIVERTEX& V)
{
    return RGB(V.Red >> 8, V.Green >> 8, V.Blue >> 8);
}

TColor Lerp(TColor A, TColor B, int I, int N)
{
    if (N <= 0)
        return A;
    auto mix = [I, N](int a, int b) { return a + (b - a) * I / N; };
    return RGB(mix(GetRValue(A), GetRValue(B)), mix(GetGValue(A), GetGValue(B)), mix(GetBValue(A), GetBValue(B)));
}

} // namespace

bool DrawEdge(HDC DC, TRect* Rect, unsigned Edge, unsigned Flags)
{
    if (!DC || !Rect)
        return false;
    ToolsKeeper keep(DC);
    TRect r = *Rect;
    if (Edge & BDR_OUTER)
        DrawLayer(DC, r, OuterLayer(Edge, Flags), Flags);
    if (Edge & BDR_INNER)
        DrawLayer(DC, r, InnerLayer(Edge, Flags), Flags);
    if ((Flags & BF_MIDDLE) && !r.IsEmpty())
        Fill(DC, r, Flags & BF_MONO ? clWindow : clBtnFace);
    if (Flags & BF_ADJUST)
        *Rect = r;
    return true;
}

bool DrawFrameControl(HDC DC, TRect* Rect, unsigned Type, unsigned State)
{
    if (!DC || !Rect)
        return false;
    ToolsKeeper keep(DC);
    switch (Type) {
    case DFC_BUTTON:
        if (State & DFCS_BUTTONPUSH) {
            DrawButtonFrame(DC, *Rect, State);
            if (State & DFCS_ADJUSTRECT)
                InflateRect(*Rect, -2, -2);
        } else if (State & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE | DFCS_BUTTONRADIOMASK)) {
            DrawRadio(DC, *Rect, State);
        } else {
            DrawCheckBox(DC, *Rect, State);
        }
        return true;
    case DFC_SCROLL:
        DrawScroll(DC, *Rect, State);
        return true;
    case DFC_CAPTION:
        DrawCaption(DC, *Rect, State);
        return true;
    case DFC_MENU:
    case DFC_POPUPMENU:
        DrawCheckMark(DC, SquareIn(*Rect), clMenuText);
        return true;
    }
    return false;
}

bool DrawFocusRect(HDC DC, const TRect& Rect)
{
    if (!DC)
        return false;
    DC->DrawFocusRect(Rect);
    return true;
}

bool GradientFill(HDC DC, const TRIVERTEX* Vertices, unsigned VertexCount, const void* Mesh, unsigned MeshCount,
                  unsigned Mode)
{
    if (!DC || !Vertices || !Mesh)
        return false;
    ToolsKeeper keep(DC);
    if (Mode == GRADIENT_FILL_RECT_H || Mode == GRADIENT_FILL_RECT_V) {
        const auto* rects = static_cast<const GRADIENT_RECT*>(Mesh);
        for (unsigned i = 0; i < MeshCount; ++i) {
            if (rects[i].UpperLeft >= VertexCount || rects[i].LowerRight >= VertexCount)
                return false;
            const TRIVERTEX& a = Vertices[rects[i].UpperLeft];
            const TRIVERTEX& b = Vertices[rects[i].LowerRight];
            GradientFillRect(DC, ::Rect(std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)),
                             VertexColor(a.x <= b.x || Mode == GRADIENT_FILL_RECT_V ? a : b),
                             VertexColor(a.x <= b.x || Mode == GRADIENT_FILL_RECT_V ? b : a),
                             Mode == GRADIENT_FILL_RECT_H);
        }
        return true;
    }
    if (Mode != GRADIENT_FILL_TRIANGLE)
        return false;
    const auto* tris = static_cast<const GRADIENT_TRIANGLE*>(Mesh);
    for (unsigned i = 0; i < MeshCount; ++i) {
        if (tris[i].Vertex1 >= VertexCount || tris[i].Vertex2 >= VertexCount || tris[i].Vertex3 >= VertexCount)
            return false;
        const TRIVERTEX& a = Vertices[tris[i].Vertex1];
        const TRIVERTEX& b = Vertices[tris[i].Vertex2];
        const TRIVERTEX& c = Vertices[tris[i].Vertex3];
        const double area = double(b.x - a.x) * (c.y - a.y) - double(c.x - a.x) * (b.y - a.y);
        if (area == 0)
            continue;
        const int x1 = std::min({a.x, b.x, c.x}), x2 = std::max({a.x, b.x, c.x});
        const int y1 = std::min({a.y, b.y, c.y}), y2 = std::max({a.y, b.y, c.y});
        for (int y = y1; y < y2; ++y)
            for (int x = x1; x < x2; ++x) {
                const double px = x + 0.5, py = y + 0.5;
                const double wa = ((b.x - px) * (c.y - py) - (c.x - px) * (b.y - py)) / area;
                const double wb = ((c.x - px) * (a.y - py) - (a.x - px) * (c.y - py)) / area;
                const double wc = 1 - wa - wb;
                if (wa < 0 || wb < 0 || wc < 0)
                    continue;
                auto ch = [&](unsigned short TRIVERTEX::*m) { return int((wa * (a.*m) + wb * (b.*m) + wc * (c.*m)) / 256); };
                DC->SetPixels(x, y, RGB(ch(&TRIVERTEX::Red), ch(&TRIVERTEX::Green), ch(&TRIVERTEX::Blue)));
            }
    }
    return true;
}

// One band per pixel column (or row): band i of n has StartColor moved
// i/n of the way to EndColor.
void GradientFillRect(TCanvas* Canvas, const TRect& Rect, TColor StartColor, TColor EndColor, bool Horizontal)
{
    if (!Canvas || Rect.IsEmpty())
        return;
    ToolsKeeper keep(Canvas);
    const TColor a = ColorToRGB(StartColor), b = ColorToRGB(EndColor);
    const int n = Horizontal ? Rect.Width() : Rect.Height();
    for (int i = 0; i < n; ++i) {
        const TRect band = Horizontal ? ::Rect(Rect.Left + i, Rect.Top, Rect.Left + i + 1, Rect.Bottom)
                                      : ::Rect(Rect.Left, Rect.Top + i, Rect.Right, Rect.Top + i + 1);
        Fill(Canvas, band, Lerp(a, b, i, n));
    }
}
