// The cell's graphic: where it goes, the room it leaves the text, how each
// kind is drawn, the outline's tree lines and the painted cell scroll bar.
#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGridPaint.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/DrawUtils.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/ThemeBinding.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include <algorithm>
#include <cmath>

namespace {

bool IsGraphicCheckKind(TCellType T)
{
    return T == ctCheckBox || T == ctDataCheckBox || T == ctVirtCheckBox || T == ctRowCheckBox ||
           T == ctTriStateCheckBox;
}

// Kinds that show the cell's value themselves: no text beside them.
bool DrawsItsValue(TCellType T)
{
    switch (T) {
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctDataImage:
    case ctRadio:
    case ctRotated:
    case ctProgress:
    case ctXPProgress:
    case ctRangeIndicator:
    case ctRating:
    case ctValue:
        return true;
    default:
        return false;
    }
}

// Kinds that fill the cell rather than being placed in it.
bool FillsTheCell(TCellType T) { return T == ctValue || T == ctProgress || T == ctRangeIndicator || T == ctXPProgress; }

constexpr int CellScrollBarWidth = 17;

} // namespace

// What the graphic answers

bool TProStringGrid::KeepsOwnBrush(int ACol, int ARow)
{
    const TCellType t = GetCellType(ACol, ARow);
    return t == ctNone || t == ctRotated || t == ctEmpty;
}

bool TProStringGrid::IsRotatedCell(int ACol, int ARow, int& Angle)
{
    Angle = 0;
    return IsRotated(ACol, ARow, Angle);
}

void TProStringGrid::StoreCellScrollPosition(int ACol, int ARow, int Position)
{
    if (ACol >= 0 && ARow >= 0)
        SetScrollPosition(ACol, ARow, Position);
}

void TProStringGrid::CellBalloon(int ACol, int ARow, QString& Title, QString& Text, int& Icon)
{
    QString title, text;
    TBalloonIcon icon = biNone;
    if (!IsBalloon(ACol, ARow, title, text, icon))
        return;
    Title = title;
    Text = text;
    Icon = int(icon);
}

void TProStringGrid::HideEditorOnCheckBox()
{
    if (EditorMode() && HasCheckBox(RealCol(), Row()))
        HideInplaceEdit();
}

bool TProStringGrid::IsCheckBoxCell(TCellPaint& P)
{
    TCellGraphic* g = P.Graphic;
    return g && IsGraphicCheckKind(g->CellType());
}

void TProStringGrid::GetGraphicInfo(TCellPaint& P)
{
    P.Graphic = nullptr;
    P.TextAllowed = true;
    P.GraphicWidth = P.GraphicHeight = 0;
    P.ErrPos = P.ErrLen = 0;
    TCellGraphic* g = GetCellGraphic(P.RCol, P.Row);
    if (!g)
        return;
    P.Graphic = g;
    const TPoint size = GetCellGraphicSize(P.RCol, P.Row);
    P.GraphicWidth = size.X;
    P.GraphicHeight = size.Y;
    const TCellType t = g->CellType();
    P.TextAllowed = !DrawsItsValue(t);
    if (t == ctNode && P.Col == 0)
        P.GraphicWidth = std::max(GetNodeLevel(P.Row), 1) * 12 + 4;
    if (t != ctProgress && t != ctXPProgress && t != ctScrollbar && t != ctNode) {
        P.ErrPos = g->CellErrFrom();
        P.ErrLen = g->CellErrLen();
    }
}

// Room and place

void TProStringGrid::MakeRoomForGraphic(TCellPaint& P, TRect& R)
{
    TCellGraphic* g = P.Graphic;
    if (P.Col == 0 && HasNodes() && (!g || g->CellType() != ctNode))
        R.Left += GetNodeIndent(P.Row);
    if (!g || P.GraphicWidth <= 0)
        return;
    if (g->CellType() == ctNode) {
        R.Left = P.Cell.Left + P.GraphicWidth;
        return;
    }
    switch (g->CellVAlign()) {
    case vaAboveText: R.Top += P.GraphicHeight; return;
    case vaUnderText: R.Bottom -= P.GraphicHeight; return;
    default: break;
    }
    switch (g->CellHAlign()) {
    case haLeft: R.Left += P.GraphicWidth + 2; break;
    case haRight: R.Right -= P.GraphicWidth + 2; break;
    case haBeforeText:
        if (P.HA == taLeftJustify)
            R.Left += P.GraphicWidth + 2;
        break;
    case haAfterText:
        if (P.HA == taRightJustify)
            R.Right -= P.GraphicWidth + 2;
        break;
    default: break;
    }
}

TRect TProStringGrid::PlaceGraphic(TCellPaint& P, int W, int H)
{
    TCellGraphic* g = P.Graphic;
    TRect r = P.Rect;
    InflateRect(r, -(FXYOffset.X - 1), -(FXYOffset.Y - 1));
    int x = r.Left + 1, y = r.Top + 1;
    const TCellType t = g->CellType();
    const bool control = IsGraphicCheckKind(t) || t == ctRadioButton;
    if (control && P.VA != FVAlignment) {
        // The cell's own alignments place its box.
        y = P.VA == vtaCenter ? r.Top + (r.Height() - H) / 2 : P.VA == vtaBottom ? r.Bottom - H - 1 : r.Top + 1;
        x = P.HA == taCenter ? r.Left + (r.Width() - W) / 2 : P.HA == taRightJustify ? r.Right - W - 1 : r.Left + 1;
        return TRect{x, y, x + W, y + H};
    }
    auto textWidth = [&] { return P.Canvas->TextWidth(GetFormattedCell(P.RCol, P.Row)); };
    switch (g->CellHAlign()) {
    case haRight: x = r.Right - W - 1; break;
    case haCenter: x = W > r.Width() ? r.Left + 1 : r.Left + (r.Width() - W) / 2; break;
    case haBeforeText:
        if (P.HA == taRightJustify)
            x = r.Right - textWidth() - W - 4;
        else if (P.HA == taCenter)
            x = r.Left + (r.Width() - textWidth() - W) / 2;
        break;
    case haAfterText:
        if (P.HA == taLeftJustify)
            x = r.Left + textWidth() + 4;
        else if (P.HA == taRightJustify)
            x = r.Right - W - 1;
        else
            x = r.Left + (r.Width() + textWidth() - W) / 2 + 2;
        break;
    case haFull:
        x = r.Left;
        W = r.Width();
        break;
    default: break;
    }
    switch (g->CellVAlign()) {
    case vaBottom: y = r.Bottom - H - 1; break;
    case vaCenter: y = r.Top + (r.Height() - H) / 2; break;
    case vaUnderText: y = r.Bottom - H; break;
    case vaFull:
        y = r.Top;
        H = r.Height();
        break;
    default: break;
    }
    return TRect{x, y, x + W, y + H};
}

// The cell's own scroll bar, drawn as a classic bar at its right edge.

void TProStringGrid::PrepareCellScrollBar(TCellPaint& P)
{
    P.ScrollPos = 0;
    if (!HasScrollBar(P.RCol, P.Row))
        return;
    const TScrollProp prop = GetScrollProp(P.RCol, P.Row);
    const int pos = std::max(GetScrollPosition(P.RCol, P.Row), 0);
    P.ScrollPos = pos;
    if (prop.PageSize >= prop.Range)
        return;
    TCanvas* c = P.Canvas;
    TRect bar{P.Rect.Right - CellScrollBarWidth, P.Rect.Top, P.Rect.Right, P.Rect.Bottom};
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBtnHighlight);
    c->FillRect(bar);
    const int arrow = std::min(CellScrollBarWidth, bar.Height() / 3);
    TRect up{bar.Left, bar.Top, bar.Right, bar.Top + arrow};
    TRect down{bar.Left, bar.Bottom - arrow, bar.Right, bar.Bottom};
    DrawFrameControl(c, &up, DFC_SCROLL, DFCS_SCROLLUP);
    DrawFrameControl(c, &down, DFC_SCROLL, DFCS_SCROLLDOWN);
    const int track = down.Top - up.Bottom;
    const int range = std::max(prop.Range, 1);
    const int thumb = std::max(track * std::max(prop.PageSize, 1) / range, 8);
    const int top = up.Bottom + (track - thumb) * std::min(pos, range) / range;
    TRect t{bar.Left, top, bar.Right, top + thumb};
    DrawEdge(c, t, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    P.Rect.Right -= CellScrollBarWidth;
}

// Tree lines

void TProStringGrid::DrawTreeLines(TCellPaint& P)
{
    if (!HasNodes() || P.Col != 0 || P.Row < FixedRows() || P.Row >= RowCount() - FFixedFooters ||
        !FCellNode->ShowTree())
        return;
    auto level = [this](int ARow) {
        return ARow >= 0 && ARow < RowCount() && HasCellProperties(0, ARow) ? GetGridCellProps(0, ARow)->NodeLevel()
                                                                             : 0;
    };
    const int l = level(P.Row);
    if (l <= 0)
        return;
    TCanvas* c = P.Canvas;
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetWidth(1);
    c->Pen()->SetColor(FCellNode->TreeColor());
    const int indent = FCellNode->NodeIndent();
    const TRect& r = P.Cell;
    const int mid = r.Top + r.Height() / 2;
    const bool node = IsNode(P.Row);
    const int next = level(P.Row + 1);
    auto guide = [&](int k) { return r.Left + (k - 1) * indent + 8; };
    // The guides of the levels this row hangs under.
    const int guides = node ? l - 1 : l;
    for (int k = 1; k <= guides; ++k) {
        const int x = guide(k);
        // From the line above the content to the one below it.
        c->MoveTo(x, r.Top - 1);
        const bool goesOn = next >= k && !(k == guides && !node && GetNodeSpanType(P.Row) == 1);
        c->LineTo(x, goesOn ? r.Bottom + 1 : mid + 1);
    }
    if (guides >= 1) {
        const int x = guide(guides);
        const int end = node ? guide(l) - 4 : FCellNode->ShowTreeFull() ? r.Right : r.Left + l * indent + 4;
        c->MoveTo(x, mid);
        c->LineTo(end, mid);
    }
    // An open node leads down to its rows.
    if (node && !GetNodeState(P.Row) && GetNodeSpan(P.Row) > 1) {
        c->MoveTo(guide(l), mid + 4);
        c->LineTo(guide(l), r.Bottom + 1);
    }
}

// Drawing the graphic

void TProStringGrid::DrawCellGraphic(TCellPaint& P, bool Behind)
{
    TCellGraphic* g = P.Graphic;
    if (!g)
        return;
    const TCellType t = g->CellType();
    auto* intf = t == ctInterface ? dynamic_cast<ICellInterface*>(g->CellBitmap()) : nullptr;
    const bool background = intf && intf->IsBackground();
    if (Behind != background)
        return;
    TCanvas* c = P.Canvas;
    const int saved = SaveDC(c);
    IntersectClipRect(c, P.Cell.Left, P.Cell.Top, P.Cell.Right, P.Cell.Bottom);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(P.BrushColor);
    if (FillsTheCell(t))
        DrawFillingGraphic(P, g);
    else
        DrawPlacedGraphic(P, g, intf);
    RestoreDC(c, saved);
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(P.BrushColor);
    c->Font()->SetColor(P.FontColor);
}

void TProStringGrid::DrawFillingGraphic(TCellPaint& P, TCellGraphic* G)
{
    TCanvas* c = P.Canvas;
    TRect r = P.Rect;
    const int mx = FControlLook->ProgressMarginX(), my = FControlLook->ProgressMarginY();
    double value = 0;
    try {
        value = Floats(P.RCol, P.Row);
    } catch (const Exception&) {
    }
    switch (G->CellType()) {
    case ctProgress: {
        const double v = G->CellText().isEmpty() ? std::clamp(value, 0.0, 100.0) : value;
        const TColor complete = G->CellBoolean() ? TColor(G->CellIndex()) : FProgressAppearance->CompleteFontColor();
        const TColor uncomplete =
            G->CellBoolean() ? TColor(G->CellAngle()) : FProgressAppearance->UnCompleteFontColor();
        c->Font()->Assign(Font());
        DrawProgressBar(c, r, G->CellBitmapColor(), false, FControlLook->ProgressBorderColor(), G->CellText(),
                        G->CellErrLen(), G->CellErrFrom(), my, mx, v, uncomplete, G->CellIconColor(), complete);
        break;
    }
    case ctRangeIndicator: {
        const TRect inner{r.Left + mx, r.Top + my, r.Right - mx, r.Bottom - my};
        DrawRangeIndicator(c, inner, int(std::lround(value)), G->CellIconColor(), G->CellBitmapColor(),
                           G->CellBoolean(), G->CellIndex());
        break;
    }
    case ctXPProgress: {
        const int lo = G->CellErrFrom(), hi = G->CellErrLen();
        const int percent = hi > lo ? int(std::nearbyint((value - lo) * 100.0 / (hi - lo))) : 0;
        TXPProgressParams params;
        TGridProgressAppearance* a = FProgressAppearance.get();
        params.Level0Color = a->Level0Color();
        params.Level0ColorTo = a->Level0ColorTo();
        params.Level1Color = a->Level1Color();
        params.Level1ColorTo = a->Level1ColorTo();
        params.Level2Color = a->Level2Color();
        params.Level2ColorTo = a->Level2ColorTo();
        params.Level3Color = a->Level3Color();
        params.Level3ColorTo = a->Level3ColorTo();
        params.Level1Perc = a->Level1Perc();
        params.Level2Perc = a->Level2Perc();
        params.BorderColor = a->BorderColor();
        params.ShowBorder = a->ShowBorder();
        params.Stacked = a->Stacked();
        params.ShowPercentage = a->ShowPercentage();
        params.Font = c->Font();
        params.FontColor = a->CompleteFontColor();
        params.CompletionSmooth = a->CompletionSmooth();
        params.ShowGradient = a->ShowGradient();
        params.Steps = a->Steps();
        params.BackgroundColor = a->UnCompleteColor() != clNone ? a->UnCompleteColor() : P.BrushColor;
        DrawXPProgressBar(c, TRect{r.Left + mx, r.Top + my, r.Right - mx, r.Bottom - my},
                          std::clamp(percent, 0, 100), params);
        break;
    }
    default:
        break;
    }
}

void TProStringGrid::DrawPlacedGraphic(TCellPaint& P, TCellGraphic* G, ICellInterface* Intf)
{
    TCanvas* c = P.Canvas;
    const TCellType t = G->CellType();
    int w = P.GraphicWidth, h = P.GraphicHeight;
    // Fixed cells draw their graphic a pixel lower.
    const int drop = P.FixedCell ? 1 : 0;
    auto place = [&](int W, int H) {
        TRect r = PlaceGraphic(P, W, H);
        OffsetRect(r, 0, drop);
        return r;
    };
    bool enabled = true;
    CanEditCell(P.RCol, P.Row, enabled);
    const ProGrid::TControlStyle style = G->CellTransparent() ? csFlat : FControlLook->ControlStyle();
    switch (t) {
    case ctBitmap:
        if (auto* bmp = dynamic_cast<TBitmap*>(G->CellBitmap())) {
            const TRect r = place(bmp->Width(), bmp->Height());
            if (G->CellTransparent())
                DrawGlyph(c, bmp, r.Left, r.Top);
            else
                c->Draw(r.Left, r.Top, bmp);
        }
        break;
    case ctIcon:
        if (TIcon* icon = G->CellIcon()) {
            const TRect r = place(icon->Width(), icon->Height());
            c->Draw(r.Left, r.Top, icon);
        }
        break;
    case ctImageList:
    case ctDataImage:
        if (TCustomImageList* list = GetCellImageList(P.RCol, P.Row)) {
            int index = G->CellIndex();
            if (t == ctDataImage) {
                // The cell text is the image's number.
                bool ok = false;
                index = GetFormattedCell(P.RCol, P.Row).trimmed().toInt(&ok);
                if (!ok)
                    break;
            }
            if (index >= 0 && index < list->Count()) {
                const TRect r = place(list->Width(), list->Height());
                list->Draw(c, r.Left, r.Top, index);
            }
        }
        break;
    case ctCheckBox:
    case ctRowCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctTriStateCheckBox: {
        const int size = FControlLook->CheckSize();
        const TRect r = place(size, size);
        bool checked = G->CellBoolean();
        if (t == ctDataCheckBox || t == ctVirtCheckBox) {
            QString yes;
            GetCheckTrue(P.RCol, P.Row, yes);
            checked = GetCellEx(P.RCol, P.Row) == yes;
        }
        const bool grayed = (t == ctCheckBox || t == ctRowCheckBox) && G->CellAngle() > 0;
        DrawCheck(c, r, checked, G->CellCheckBoxState(), t == ctTriStateCheckBox, style, grayed, enabled);
        break;
    }
    case ctRadioButton: {
        const int size = FControlLook->RadioSize();
        const TRect r = place(size, size);
        const bool active = FControlLook->NoDisabledCheckRadioLook() || FControlLook->RadioAlwaysActive() || enabled;
        DrawRadio(c, r, G->CellBoolean(), active);
        break;
    }
    case ctRadio: {
        const TRect r = place(std::max(w, 1), std::max(h, 1));
        const bool selected = P.State.Contains(gdSelected);
        c->Font()->SetColor(P.FontColor);
        DrawRadioGroup(c, TRect{r.Left, r.Top, P.Rect.Right, P.Rect.Bottom}, G->Strings(), G->CellIndex(),
                       GetCellEx(P.RCol, P.Row), G->CellBoolean(), enabled, selected && FShowSelection);
        break;
    }
    case ctRotated:
        DrawRotatedText(P, G->CellAngle());
        break;
    case ctNode:
        DrawNodeGlyph(P, G);
        break;
    case ctImages:
        if (TCustomImageList* list = GetCellImageList(P.RCol, P.Row))
            if (TIntList* images = G->IntList()) {
                const TRect r = place(std::max(w, 1), std::max(h, 1));
                for (int i = 0; i < images->Count(); ++i) {
                    const int x = G->CellBoolean() ? r.Left + i * list->Width() : r.Left;
                    const int y = G->CellBoolean() ? r.Top : r.Top + i * list->Height();
                    list->Draw(c, x, y, images->Items(i));
                }
            }
        break;
    case ctPicture:
        if (auto* pic = dynamic_cast<TPicture*>(G->CellBitmap())) {
            const TRect r = place(w, h);
            if (r.Width() == pic->Width() && r.Height() == pic->Height())
                c->Draw(r.Left, r.Top, pic->Graphic());
            else
                c->StretchDraw(r, pic->Graphic());
        }
        break;
    case ctFilePicture:
        if (auto* pic = dynamic_cast<TFilePicture*>(G->CellBitmap()))
            pic->DrawPicture(c, place(w, h));
        break;
    case ctComment: {
        const TColor color = G->CellIndex() != int(clNone) ? TColor(G->CellIndex()) : FControlLook->CommentColor();
        if (color == clNone)
            break;
        const TRect& cell = P.Cell;
        c->Pen()->SetColor(color);
        c->Brush()->SetColor(color);
        c->Polygon({Point(cell.Right - 6, cell.Top), Point(cell.Right - 1, cell.Top), Point(cell.Right - 1, cell.Top + 5)});
        break;
    }
    case ctButton:
    case ctBitButton:
    case ctExpand:
        DrawCellButton(P, G);
        break;
    case ctProgressPie: {
        const TRect r = place(20, 20);
        DrawProgressPie(c, r, G->CellBitmapColor(), false, std::clamp(G->CellAngle(), 0, 100));
        break;
    }
    case ctInterface:
        if (Intf) {
            const TRect r = place(std::max(w, 1), std::max(h, 1));
            Intf->Draw(c, r, P.RCol, P.Row, P.State.Contains(gdSelected), this);
        }
        break;
    case ctShape: {
        const int s = std::max(RowHeights(P.Row) - 2 * FXYOffset.Y, 1);
        const TRect r = place(s, s);
        DrawCellShape(c, r.Left, r.Top, G->CellBitmapColor(), TColor(G->CellIndex()), TCellShape(G->CellAngle()), s,
                      s);
        break;
    }
    case ctRating:
        DrawRating(P, G);
        break;
    default:
        break;
    }
}

void TProStringGrid::CalcRotatedTextRect(TRect& R, int Angle, const QString& Text, TAlignment HAlign,
                                         TVAlignment VAlign)
{
    const TSize size = Canvas()->TextExtent(Text);
    InflateRect(R, -2, -2);
    const double a = Angle * M_PI / 180;
    const int A = std::abs(int(std::cos(a) * size.cy));
    const int B = std::abs(int(std::sin(a) * size.cx));
    const int C = std::abs(int(std::sin(a) * size.cy));
    const int D = std::abs(int(std::cos(a) * size.cx));
    PlaceRotatedText(R, HAlign, VAlign, A, B, C, D, Angle);
}

void TProStringGrid::DrawRotatedText(TCellPaint& P, int Angle)
{
    TCanvas* c = P.Canvas;
    const QString text = GetFormattedCell(P.RCol, P.Row);
    TRect r = P.Rect;
    CalcRotatedTextRect(r, Angle, text, P.HA, P.VA);
    const int orientation = c->Font()->Orientation();
    c->Font()->SetOrientation(Angle * 10);
    c->Brush()->SetStyle(bsClear);
    c->TextRect(P.Rect, r.Left, r.Top, text);
    c->Brush()->SetStyle(bsSolid);
    c->Font()->SetOrientation(orientation);
    if (FSortSettings->Show() && IsSortedHeader(P.Col, P.RCol, P.Row)) {
        TRect inner = P.Rect;
        InflateRect(inner, -2, -2);
        DrawSortIndicator(c, P.Col, SortIndicatorY(inner), inner.Right - 8);
    }
}

void TProStringGrid::DrawNodeGlyph(TCellPaint& P, TCellGraphic* G)
{
    TCanvas* c = P.Canvas;
    const bool contracted = G->CellBoolean();
    const int left = P.Cell.Left + (std::max(GetNodeLevel(P.Row), 1) - 1) * FCellNode->NodeIndent();
    const int mid = P.Cell.Top + P.Cell.Height() / 2;
    auto bitmap = [&](const char* Name) {
        TBitmap* b = Glyph(QString::fromLatin1(Name));
        DrawGlyph(c, b, left + 4 + (8 - b->Width()) / 2, mid - b->Height() / 2);
    };
    switch (FCellNode->NodeType()) {
    case cnLeaf:
        bitmap(contracted ? "SGLEAFCLOSE" : "SGLEAFOPEN");
        return;
    case cnXP:
        bitmap(contracted ? "XPNODEC" : "XPNODEO");
        return;
    case cnGlyph: {
        TBitmap* open = FCellNode->ExpandGlyph();
        TBitmap* closed = FCellNode->ContractGlyph();
        if (open && closed && !open->Empty() && !closed->Empty()) {
            TBitmap* b = contracted ? closed : open;
            DrawGlyph(c, b, left + 2, mid - b->Height() / 2);
            return;
        }
        break;
    }
    default:
        break;
    }
    TRect box{left + 4, mid - 4, left + 12, mid + 4};
    if (FCellNode->NodeType() == cn3D) {
        TRect area{left, P.Cell.Top, left + FCellNode->NodeIndent() + 4, P.Cell.Bottom};
        c->Brush()->SetColor(FCellNode->Color());
        c->FillRect(area);
        DrawEdge(c, area, BDR_RAISEDINNER, BF_RECT);
    }
    c->Brush()->SetColor(FCellNode->Color());
    if (FCellNode->NodeType() == cnFlat) {
        c->Pen()->SetColor(FCellNode->NodeColor());
        c->Rectangle(box);
        c->MoveTo(box.Left + 2, mid);
        c->LineTo(box.Right - 2, mid);
        if (contracted) {
            c->MoveTo(box.Left + 4, box.Top + 2);
            c->LineTo(box.Left + 4, box.Bottom - 2);
        }
        return;
    }
    c->FillRect(box);
    DrawEdge(c, box, contracted ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT);
}

void TProStringGrid::DrawCellButton(TCellPaint& P, TCellGraphic* G)
{
    TCanvas* c = P.Canvas;
    const TCellType t = G->CellType();
    TRect r;
    bool pushed = G->CellBoolean();
    if (t == ctExpand) {
        r = TRect{P.Cell.Right - 13, P.Cell.Top + 2, P.Cell.Right - 2, P.Cell.Top + 13};
        pushed = false;
    } else {
        const int bw = G->CellIndex() & 0xFFFF, bh = int(unsigned(G->CellIndex()) >> 16);
        r = PlaceGraphic(P, std::max(P.GraphicWidth, bw), std::max(P.GraphicHeight, bh));
        if (G->CellHAlign() == haFull) {
            r.Left = P.Cell.Left;
            r.Right = P.Cell.Right;
        }
        if (G->CellVAlign() == vaFull) {
            r.Top = P.Cell.Top;
            r.Bottom = P.Cell.Bottom;
        }
    }
    G->SetCellValue(double(r.Left - P.Cell.Left) + 65536.0 * (r.Top - P.Cell.Top));
    int look = FIsWinXP ? blThemed : blClassic;
    if (FControlLook->FlatButton())
        look = blFlat;
    if (FFlat && FColorTones.Background.BrushColor != clNone)
        look = blColorTones;
    DrawPushButton(c, Handle(), r, FColorTones, pushed ? bsDownState : bsNormalState, look);
    if (t == ctExpand) {
        const int mid = r.Top + r.Height() / 2;
        c->Pen()->SetColor(clBlack);
        c->MoveTo(r.Left + 3, mid);
        c->LineTo(r.Right - 3, mid);
        if (!G->CellVar().toBool()) {
            c->MoveTo(r.Left + r.Width() / 2, r.Top + 3);
            c->LineTo(r.Left + r.Width() / 2, r.Bottom - 3);
        }
        return;
    }
    TRect caption = r;
    if (t == ctBitButton)
        if (auto* glyph = dynamic_cast<TBitmap*>(G->CellBitmap())) {
            DrawGlyph(c, glyph, r.Left + 3, r.Top + (r.Height() - glyph->Height()) / 2);
            caption.Left += glyph->Width() + 3;
        }
    if (pushed)
        OffsetRect(caption, 1, 1);
    c->Font()->Assign(Font());
    c->Brush()->SetStyle(bsClear);
    DrawText(c, G->CellText(), -1, &caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    c->Brush()->SetStyle(bsSolid);
}

void TProStringGrid::DrawRating(TCellPaint& P, TCellGraphic* G)
{
    double value = 0;
    try {
        value = Floats(P.RCol, P.Row);
    } catch (const Exception&) {
    }
    const double v = std::nearbyint(value * 2) / 2;
    const TRect r = PlaceGraphic(P, G->CellAngle() * 18, 16);
    for (int i = 1; i <= G->CellAngle(); ++i) {
        const int x = r.Left + (i - 1) * 18;
        const bool full = i <= v;
        DrawCellShape(P.Canvas, x, r.Top, clGray, full ? TColor(G->CellIndex()) : G->CellBitmapColor(), csStar, 16,
                      16);
        if (i - 1 < v && v < i)
            DrawCellShape(P.Canvas, x, r.Top, clGray, TColor(G->CellIndex()), csHalfStar, 16, 16);
    }
}
