#include "grid/foundation/FlatEditorLook.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/Label.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/WinControl.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"

namespace {

constexpr TColor DisabledFrameColor = 0xB99D7F;

void FrameDC(HDC DC, const TRect& R, TColor Color)
{
    DC->Brush()->SetStyle(bsSolid);
    DC->Brush()->SetColor(Color);
    DC->FrameRect(R);
}

} // namespace

bool FlatThemedNow(const TFlatLook& Look)
{
    return Look.IsThemed && ThemeActiveNow();
}

bool FlatHot(const TFlatLook& Look, const TFlatPaintState& S)
{
    if (S.Designing)
        return S.Enabled;
    return Look.MouseInControl || S.Active;
}

bool FlatSunken(const TFlatLook& Look, const TFlatPaintState& S)
{
    return !S.Designing && (Look.MouseInControl || S.Active) && Look.FocusBorder;
}

bool FlatMouseButtonDown()
{
    return GetAsyncKeyState(VK_LBUTTON) < 0 || GetAsyncKeyState(VK_RBUTTON) < 0;
}

void PaintFlatFrame(HDC DC, const TFlatLook& Look, const TFlatPaintState& S)
{
    TRect r{0, 0, S.Width, S.Height};
    if (!S.Enabled && Look.IsThemed && !Look.DisabledBorder) {
        FrameDC(DC, r, DisabledFrameColor);
        return;
    }
    if (Look.BorderColor != clNone && (!Look.HasFocus || Look.FocusBorderColor == clNone)) {
        FrameDC(DC, r, Look.BorderColor);
        return;
    }
    if (Look.FocusBorderColor != clNone) {
        if (Look.HasFocus)
            FrameDC(DC, r, Look.FocusBorderColor);
        return;
    }
    const bool sunken = FlatSunken(Look, S);
    const TColor a = sunken ? clBtnFace : S.ParentColor;
    if (sunken) {
        DrawEdge(DC, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        FrameDC(DC, r, a);
        InflateRect(r, -1, -1);
        FrameDC(DC, r, S.Color);
    } else {
        FrameDC(DC, r, a);
        InflateRect(r, -1, -1);
        const int right = r.Right;
        r.Right -= Look.ButtonWidth;
        FrameDC(DC, r, a);
        InflateRect(r, -1, -1);
        FrameDC(DC, r, S.Color);
        r.Right = right - 1;
    }
    if (S.Kind == fekCombo && S.Flat && S.FlatLineColor != clNone) {
        DC->Pen()->SetStyle(psSolid);
        DC->Pen()->SetWidth(1);
        DC->Pen()->SetColor(S.FlatLineColor);
        DC->MoveTo(r.Left - 2, S.Height - 1);
        DC->LineTo(r.Right - Look.ButtonWidth - 1, S.Height - 1);
    }
}

void PaintButtonFace(HDC DC, const TFlatLook& Look, const TFlatPaintState& S)
{
    const int cw = S.Width;
    const int ch = S.Height;
    ExcludeClipRect(DC, cw - Look.ButtonWidth + 4, 4, cw - 4, ch - 4);
    TRect r{cw - Look.ButtonWidth - 2, 0, S.Width, S.Height};
    InflateRect(r, -2, -2);
    const bool hot = FlatHot(Look, S);
    if (hot) {
        if (S.Kind == fekDatePicker)
            DrawEdge(DC, r, EDGE_RAISED, BF_RECT | (S.DroppedDown ? BF_FLAT : 0u));
    } else {
        r.Top += 1;
        r.Bottom -= 1;
        r.Right -= 1;
        DC->Brush()->SetStyle(bsSolid);
        DC->Brush()->SetColor(clBtnFace);
        DC->FillRect(r);
    }
    ExcludeClipRect(DC, r.Left, r.Top, r.Right, r.Bottom);
}

void PaintDropButton(HDC DC, const TFlatLook& Look, const TFlatPaintState& S)
{
    const int cw = S.Width;
    TRect r{cw - Look.ButtonWidth + 2, 0, S.Width, S.Height};
    InflateRect(r, -1, -1);
    const bool down = FlatMouseButtonDown();
    const bool combo = S.Kind == fekCombo;
    if (Look.ButtonColor != clNone) {
        TColor fill = Look.ButtonColor;
        if (Look.ButtonHover && Look.ButtonColorHot != clNone)
            fill = Look.ButtonColorHot;
        if (down && Look.ButtonHover && Look.ButtonColorDown != clNone)
            fill = Look.ButtonColorDown;
        DC->Brush()->SetStyle(bsSolid);
        DC->Brush()->SetColor(fill);
        DC->Pen()->SetColor(fill);
        if (combo) {
            r.Left -= 1;
            r.Right -= 1;
            r.Top += 1;
            r.Bottom -= 1;
            DC->FillRect(r);
        } else {
            DC->FillRect(TRect{r.Left + 2, r.Top, r.Right, r.Bottom});
        }
        if (Look.ButtonBorderColor != clNone) {
            DC->Pen()->SetColor(Look.ButtonBorderColor);
            DC->MoveTo(r.Left, r.Top);
            DC->LineTo(r.Left, r.Bottom);
        }
        TColor arrow = down && Look.ButtonTextColorDown != clNone ? Look.ButtonTextColorDown : Look.ButtonTextColor;
        if (arrow == clNone)
            arrow = clBlack;
        DC->Brush()->SetColor(arrow);
        DC->Pen()->SetColor(arrow);
        const int l = r.Left;
        const int t = r.Top;
        if (combo)
            DC->Polygon({{l + 4, t + 7}, {l + 10, t + 7}, {l + 7, t + 10}});
        else
            DC->Polygon({{l + 5, t + 7}, {l + 11, t + 7}, {l + 8, t + 10}});
    } else if (FlatThemedNow(Look)) {
        int state = 2;
        if (!S.Enabled)
            state = 4;
        else if (down && S.DroppedDown)
            state = 3;
        else if (down || !Look.ButtonHover || S.DroppedDown)
            state = 1;
        DrawThemedPart(S.Window, QStringLiteral("combobox"), DC, 1, state, r);
    } else {
        if (combo) {
            r.Left -= 4;
            r.Top += 1;
            r.Bottom -= 1;
        }
        DrawFrameControl(DC, r, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (S.Enabled ? DFCS_FLAT : DFCS_INACTIVE));
    }
    ExcludeClipRect(DC, cw - Look.ButtonWidth - 4, 0, cw + 2, S.Height);
}

void PaintSingleBorder(HDC DC, const TFlatLook& Look, int Width, int Height, bool BorderNone, TColor ParentColor)
{
    const bool hasParent = ParentColor != clNone;
    TColor pen = Look.BorderColor;
    if (BorderNone && hasParent)
        pen = ParentColor;
    else if (Look.IsThemed)
        pen = DisabledFrameColor;
    DC->Pen()->SetStyle(psSolid);
    DC->Pen()->SetWidth(1);
    DC->Pen()->SetColor(pen);
    DC->Polyline({{0, Height}, {0, 0}, {Width - 1, 0}, {Width - 1, Height - 1}, {0, Height - 1}});
    if (!hasParent)
        return;
    if (!BorderNone)
        DC->Pen()->SetColor(ParentColor);
    DC->Polyline({{1, Height - 2}, {1, 1}, {Width - 1, 1}});
}

bool TrackButtonHover(TFlatLook& Look, int X, int Width)
{
    const bool over = Width - Look.ButtonWidth < X && X < Width;
    if (over == Look.ButtonHover)
        return false;
    Look.ButtonHover = over;
    return true;
}

TPoint LabelOrigin(TLabelPosition Position, const TRect& Editor, int Margin, int Tw, int Lw, int Lh)
{
    const int h = Editor.Height();
    const int w = Editor.Width();
    const int top = Editor.Top;
    const int left = Editor.Left;
    switch (Position) {
    case lpLeftTop: return {left - Tw - Margin, top};
    case lpLeftCenter: return {left - Tw - Margin, top + (h - Lh) / 2};
    case lpLeftBottom: return {left - Tw - Margin, top + h - Lh};
    case lpTopLeft: return {left, top - Lh - Margin};
    case lpBottomLeft: return {left, top + h + Margin};
    case lpLeftTopLeft: return {left - Margin, top};
    case lpLeftCenterLeft: return {left - Margin, top + (h - Lh) / 2};
    case lpLeftBottomLeft: return {left - Margin, top + h - Lh};
    case lpTopCenter: return {left + (w - Lw) / 2, top - Lh - Margin};
    case lpBottomCenter: return {left + (w - Lw) / 2, top + h + Margin};
    case lpRightTop: return {left + w + Margin, top};
    case lpRightCenter: return {left + w + Margin, top + (h - Lh) / 2};
    case lpRighBottom: return {left + w + Margin, top + h - Lh};
    case lpTopRight: return {left + w - Lw, top - Lh - Margin};
    case lpBottomRight: return {left + w - Lw, top + h + Margin};
    }
    return {left, top};
}

int LabelCaptionWidth(const QString& Caption, TFont* Font, bool PlainWidth)
{
    TBitmap measure(1, 1);
    TCanvas* c = measure.Canvas();
    if (Font)
        c->Font()->Assign(Font);
    if (PlainWidth)
        return c->TextWidth(Caption);
    TRect r{0, 0, 1000, 255};
    DrawText(c, Caption, -1, &r, DT_CALCRECT | DT_HIDEPREFIX | DT_LEFT | DT_SINGLELINE);
    return r.Width();
}

void PlaceLabel(TCustomLabel* Label, TWinControl* Editor, TLabelPosition Position, int Margin, bool Transparent,
                TFont* Font, bool PlainWidth)
{
    if (!Label || !Editor)
        return;
    Label->SetTransparent(Transparent);
    if (Font)
        Label->Font()->Assign(Font);
    const int tw = LabelCaptionWidth(Label->Caption(), Label->Font(), PlainWidth);
    const TPoint p = LabelOrigin(Position, Editor->BoundsRect(), Margin, tw, Label->Width(), Label->Height());
    Label->SetBounds(p.X, p.Y, Label->Width(), Label->Height());
    Label->SetVisible(Editor->Visible());
}
