// The item selector panel's cell size, layout and painting.
#include "grid/dropdown/DropDownUtils.h"
#include "grid/dropdown/ProItemSelector.h"
#include "grid/foundation/DrawUtils.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include <algorithm>

namespace {

// The size of an item's content: its colour box, picture or image.
TSize ContentSize(const TCustomItemSelector* Panel, TSelectorItem* Item)
{
    if (Panel->SelectorType() == stColor)
        return {Panel->ColorBoxWidth(), Panel->ColorBoxHeight()};
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty())
        return {Item->Image()->Width(), Item->Image()->Height()};
    if (Panel->Images() && Item->ImageIndex() >= 0)
        return {Panel->Images()->Width(), Panel->Images()->Height()};
    return {0, 0};
}

} // namespace

// Size and layout

void TCustomItemSelector::GetItemsRect(TRect& R)
{
    R = ClientRect();
    InflateRect(R, -FOffSetX, -FOffSetY);
}

void TCustomItemSelector::GetItemSize(TSize& ASize)
{
    if (FProItemSelector->OnItemSize) {
        FProItemSelector->OnItemSize(this, ASize);
        return;
    }
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Appearance()->Font());
    int a = 0, b = 0;
    if (SelectorType() == stColor) {
        a = ColorBoxWidth();
        b = ColorBoxHeight();
    }
    int c = 0, d = 0;
    for (int i = 0; i < Items()->Count(); ++i) {
        TSelectorItem* item = Items()->Items(i);
        if (SelectorType() == stImage) {
            const TSize s = ContentSize(this, item);
            a = std::max(a, s.cx);
            b = std::max(b, s.cy);
        }
        TPoint size;
        DrawHTMLText(canvas, item->Caption(), TRect(0, 0, 1000, 500), Images(), false, Handle(), size);
        c = std::max(c, size.X);
        d = std::max(d, size.Y);
    }
    if (c > 0)
        c += 4;
    switch (ItemLayout()) {
    case ilCaptionLeft:
    case ilCaptionRight:
        ASize.cx = 2 * FItemOffSetX + (a > 0 ? a : 0) + (a > 0 && c > 0 ? FCaptionGap : 0) + (c > 0 ? c : 0);
        ASize.cy = std::max(d, b) + 2 * FItemOffSetY;
        break;
    case ilCaptionTop:
    case ilCaptionBottom:
        ASize.cx = std::max(c, a) + 2 * FItemOffSetX;
        ASize.cy = 2 * FItemOffSetY + (b > 0 ? b : 0) + (b > 0 && d > 0 ? FCaptionGap : 0) + (d > 0 ? d : 0);
        break;
    }
}

void TCustomItemSelector::ArrangeItems()
{
    const int count = Items()->Count();
    if (count == 0) {
        SetBounds(Left(), Top(), 100, 50);
        FProItemSelector->Realign();
        return;
    }
    FItemHot = -1;
    TSize size;
    GetItemSize(size);
    TRect r;
    GetItemsRect(r);
    int x = r.Left;
    int y = r.Top;
    int column = 0;
    // The right-most cell's left edge; a row shorter than Columns counts too,
    // so fewer items than Columns still all fit.
    int rightMost = r.Left;
    for (int i = 0; i < count; ++i) {
        Items()->Items(i)->FRect = TRect(x, y, x + size.cx, y + size.cy);
        rightMost = std::max(rightMost, x);
        if (i == count - 1)
            break;
        if (++column >= Columns()) {
            column = 0;
            x = r.Left;
            y += size.cy;
        } else {
            x += size.cx;
        }
    }
    SetBounds(Left(), Top(), rightMost + size.cx + r.Left, y + size.cy + r.Top);
    // The host's scroll range follows the panel.
    FProItemSelector->Realign();
    Invalidate();
}

// Painting

void TCustomItemSelector::Paint()
{
    TCustomControl::Paint();
    DrawItems(Canvas());
}

void TCustomItemSelector::DrawItems(TCanvas* ACanvas)
{
    for (int i = 0; i < Items()->Count(); ++i)
        DrawItem(i, ACanvas);
}

void TCustomItemSelector::DrawCaptionCentred(TCanvas* ACanvas, const QString& Caption, TRect T, TPoint& Size)
{
    DrawHTMLText(ACanvas, Caption, T, Images(), false, Handle(), Size);
    if (Size.Y < T.Height())
        T.Top += (T.Height() - Size.Y) / 2;
    TPoint drawn;
    DrawHTMLText(ACanvas, Caption, T, Images(), true, Handle(), drawn);
}

// The colour box at P, or the picture or image at P (vertically centred in
// Area when CentreVert).
void TCustomItemSelector::DrawContent(TCanvas* ACanvas, TSelectorItem* Item, TPoint P, const TRect& Area,
                                      bool CentreVert)
{
    const TSize s = ContentSize(this, Item);
    if (SelectorType() == stColor) {
        ACanvas->Pen()->SetColor(clBlack);
        ACanvas->Pen()->SetWidth(1);
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Item->Color());
        ACanvas->Rectangle(P.X, P.Y, P.X + s.cx, P.Y + s.cy);
        return;
    }
    if (s.cx == 0 && s.cy == 0)
        return;
    if (CentreVert)
        P.Y = Area.Top + (Area.Height() - s.cy) / 2;
    if (Item->Image()->Graphic() && !Item->Image()->Graphic()->Empty())
        ACanvas->Draw(P.X, P.Y, Item->Image()->Graphic());
    else
        Images()->Draw(ACanvas, P.X, P.Y, Item->ImageIndex(), Item->FEnabled);
}

void TCustomItemSelector::DrawItem(int Index, TCanvas* ACanvas)
{
    if (Index < 0 || Index >= Items()->Count() || !ACanvas)
        return;
    TSelectorItem* item = Items()->Items(Index);
    TItemAppearance* a = Appearance();
    const TRect cell = item->FRect;
    const bool hot = Index == FItemHot;
    const bool selected = Index == FItemIndex;

    // State colours; selected wins over hot.
    TColor frame = a->BorderColor(), top = a->BorderColorTop(), bottom = a->BorderColorBottom(),
           edge = a->EdgeColor();
    TColor fill = clNone, fillTo = clNone, mirror = clNone, mirrorTo = clNone;
    auto state = [&](TColor F, TColor FTo, TColor M, TColor MTo, TColor Border) {
        fill = F;
        fillTo = FTo;
        mirror = M;
        mirrorTo = MTo;
        if (Border != clNone) {
            frame = Border;
            top = bottom = edge = clNone;
        }
    };
    if (hot)
        state(a->ColorHot(), a->ColorHotTo(), a->ColorMirrorHot(), a->ColorMirrorHotTo(), a->BorderColorHot());
    if (selected)
        state(a->ColorSelected(), a->ColorSelectedTo(), a->ColorMirrorSelected(), a->ColorMirrorSelectedTo(),
              a->BorderColorSelected());

    if (!hot && !selected) {
        ACanvas->Brush()->SetStyle(bsSolid);
        ACanvas->Brush()->SetColor(Color());
        ACanvas->FillRect(cell);
    } else if (top == clNone) {
        DrawGradientRect(ACanvas, cell, fill, fillTo, frame, 1, gdVertical);
    } else {
        DrawRoundedSelection(ACanvas, fill, fillTo, 0, cell, Color(), edge, frame, bottom, top, mirrorTo, mirror);
    }

    if (FProItemSelector->OnDrawItem) {
        FProItemSelector->OnDrawItem(this, ACanvas, cell, Index);
        return;
    }

    const TSize s = ContentSize(this, item);
    TRect t = cell;
    InflateRect(t, -FItemOffSetX, -FItemOffSetY);
    TRect p = t;
    ACanvas->Font()->Assign(a->Font());
    if (hot)
        ACanvas->Font()->SetColor(a->ColorHotText());
    if (selected)
        ACanvas->Font()->SetColor(a->ColorSelectedText());
    ACanvas->Brush()->SetStyle(bsClear);
    const QString& caption = item->Caption();
    const bool hasCaption = !caption.isEmpty();
    TPoint size;
    switch (ItemLayout()) {
    case ilCaptionLeft:
        if (hasCaption) {
            t.Right -= s.cx;
            DrawCaptionCentred(ACanvas, caption, t, size);
            p.Left = t.Left + size.X + FCaptionGap;
        }
        DrawContent(ACanvas, item, {p.Left, p.Top}, p, true);
        break;
    case ilCaptionRight:
        DrawContent(ACanvas, item, {p.Left, p.Top}, p, true);
        if (s.cx > 0 || s.cy > 0)
            t.Left = p.Left + s.cx + FCaptionGap;
        DrawCaptionCentred(ACanvas, caption, t, size);
        break;
    case ilCaptionTop:
        if (hasCaption) {
            t.Bottom -= s.cy;
            DrawHTMLText(ACanvas, caption, t, Images(), true, Handle(), size);
            p.Top = t.Top + size.Y + FCaptionGap;
        } else {
            p.Top += (p.Height() - s.cy) / 2;
        }
        DrawContent(ACanvas, item, {p.Left + (p.Width() - s.cx) / 2, p.Top}, p, false);
        break;
    case ilCaptionBottom:
        if (!hasCaption)
            p.Top += (p.Height() - s.cy) / 2;
        DrawContent(ACanvas, item, {p.Left + (p.Width() - s.cx) / 2, p.Top}, p, false);
        if (s.cx > 0 || s.cy > 0)
            t.Top = p.Top + s.cy + FCaptionGap;
        DrawHTMLText(ACanvas, caption, t, Images(), true, Handle(), size);
        break;
    }
    ACanvas->Brush()->SetStyle(bsSolid);
}
