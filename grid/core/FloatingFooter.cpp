#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupRender.h"
#include "platform/controls/Application.h"
#include "platform/controls/HintWindow.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <vector>

void TFloatingFooter::Assign(TPersistent* Source)
{
    auto* src = dynamic_cast<TFloatingFooter*>(Source);
    if (!src)
        return;
    FCalculateHiddenRows = src->FCalculateHiddenRows;
    FColor = src->FColor;
    FColumn = src->FColumn;
    FCustomTemplate = src->FCustomTemplate;
    FFooterStyle = src->FFooterStyle;
    SetVisible(src->FVisible);
    FShowHint = src->FShowHint;
}

void TFloatingFooter::Invalidate()
{
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->Invalidate();
}

TColumnCalcType TFloatingFooter::GetColumnCalc(int c) const
{
    const int r = FGrid->RowCount() - 1;
    if (!FGrid->HasCellProperties(c, r))
        return acNONE;
    return FGrid->CellProperties(c, r)->CalcType();
}

void TFloatingFooter::SetColumnCalc(int c, TColumnCalcType Value)
{
    FGrid->CellProperties(c, FGrid->RowCount() - 1)->SetCalcType(Value);
    FGrid->CalcFooter(c);
}

void TFloatingFooter::SetVisible(bool Value)
{
    FVisible = Value;
    if (!FGrid)
        return;
    const bool lastRow = FFooterStyle == fsFixedLastRow;
    if (TFooterPanel* panel = FGrid->FooterPanel()) {
        panel->SetHeight(Value ? FHeight - 1 : 0);
        panel->SetVisible(Value);
        FGrid->SetFixedFooters(panel->Visible() && lastRow ? 1 : 0);
    }
    FGrid->SetHideLastRow(Value && lastRow);
    FGrid->Invalidate();
}

void TFloatingFooter::SetFooterStyle(TFooterStyle Value)
{
    FFooterStyle = Value;
    if (!FGrid)
        return;
    FGrid->SetHideLastRow(Value == fsFixedLastRow && FVisible);
    FGrid->Invalidate();
    Invalidate();
}

void TFloatingFooter::SetHeight(int Value)
{
    FHeight = Value;
    if (FGrid && FGrid->FooterPanel() && Value > 0)
        FGrid->FooterPanel()->SetHeight(Value - 1);
}

void TFloatingFooter::SetColor(TColor Value)
{
    FColor = Value;
    Invalidate();
}

void TFloatingFooter::SetColumn(int Value)
{
    FColumn = Value;
    Invalidate();
}

void TFloatingFooter::SetCustomTemplate(const QString& Value)
{
    FCustomTemplate = Value;
    Invalidate();
}

void TFloatingFooter::SetBorderColor(TColor Value)
{
    if (FBorderColor == Value)
        return;
    FBorderColor = Value;
    Invalidate();
}

void TFloatingFooter::SetShowHint(bool Value)
{
    FShowHint = Value;
    if (FGrid && FGrid->FooterPanel())
        FGrid->FooterPanel()->SetShowHint(Value);
}

TFooterPanel::TFooterPanel(TComponent* AOwner) : TCustomPanel(AOwner), FGrid(dynamic_cast<TProStringGrid*>(AOwner))
{
    if (!FGrid)
        throw EInvalidCast(QStringLiteral("Invalid class typecast"));
}

void TFooterPanel::CreateWnd()
{
    TCustomPanel::CreateWnd();
    TFloatingFooter* footer = FGrid->FloatingFooter();
    SetHeight(footer && footer->Visible() ? footer->Height() : 0);
    if (FGrid->OnCreatedFloatingFooter)
        FGrid->OnCreatedFloatingFooter(FGrid);
}

// Geometry

int TFooterPanel::FooterWidth() const
{
    int w = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c)
        w += FGrid->ColWidths(c);
    for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c)
        w += FGrid->ColWidths(c);
    return w;
}

TRect TFooterPanel::FooterArea(int W) const
{
    const int cw = ClientWidth();
    if (FGrid->UseRightToLeftAlignment())
        return TRect{cw - W, 0, cw, ClientHeight()};
    return TRect{0, 0, W, ClientHeight()};
}

TRect TFooterPanel::Mirrored(const TRect& R) const
{
    if (!FGrid->UseRightToLeftAlignment())
        return R;
    const int cw = ClientWidth();
    return TRect{cw - R.Right, R.Top, cw - R.Left, R.Bottom};
}

void TFooterPanel::FillRest(const TRect& Area)
{
    TCanvas* canvas = Canvas();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(FGrid->Color());
    canvas->Pen()->SetColor(FGrid->Color());
    if (Area.Left > 0)
        canvas->FillRect(TRect{0, 0, Area.Left, ClientHeight()});
    if (Area.Right < ClientWidth())
        canvas->FillRect(TRect{Area.Right, 0, ClientWidth(), ClientHeight()});
}

int TFooterPanel::ColumnAt(int X) const
{
    if (FGrid->UseRightToLeftAlignment())
        X = ClientWidth() - 1 - X;
    if (X < 0)
        return -1;
    int x = 0;
    for (int c = 0; c < FGrid->FixedCols(); ++c) {
        x += FGrid->ColWidths(c);
        if (X < x)
            return c;
    }
    for (int c = std::max(FGrid->LeftCol(), FGrid->FixedCols()); c < FGrid->ColCount(); ++c) {
        x += FGrid->ColWidths(c);
        if (X < x)
            return c;
    }
    return -1;
}

QString TFooterPanel::ExpandedTemplate() const
{
    const QString& t = FGrid->FloatingFooter()->CustomTemplate();
    const QLatin1String open("<#");
    QString out;
    int at = 0;
    while (at < t.size()) {
        const int start = t.indexOf(open, at);
        if (start < 0)
            break;
        const int end = t.indexOf(QLatin1Char('>'), start + 2);
        if (end < 0)
            break;
        out += t.mid(at, start - at);
        bool ok = false;
        const int c = t.mid(start + 2, end - start - 2).trimmed().toInt(&ok);
        if (ok && c >= 0 && c < FGrid->TotalColCount() && FGrid->Row() >= 0 && FGrid->Row() < FGrid->RowCount())
            out += FGrid->Cells(c, FGrid->Row());
        at = end + 1;
    }
    out += t.mid(at);
    return out;
}

// Painting

void TFooterPanel::Paint()
{
    int w = 0;
    switch (FGrid->FloatingFooter()->FooterStyle()) {
    case fsFixedLastRow: w = PaintFixedLastRow(); break;
    case fsColumnPreview: w = PaintPreview(false); break;
    case fsCustomPreview: w = PaintPreview(true); break;
    case fsCustomPaint:
        w = ClientWidth();
        if (FGrid->OnFooterPaint)
            FGrid->OnFooterPaint(this, FGrid->FloatingFooter()->Column(), Canvas(), ClientRect());
        break;
    }
    const TColor border = FGrid->FloatingFooter()->BorderColor();
    if (border != clNone) {
        const TRect area = FooterArea(w);
        Canvas()->Pen()->SetColor(border);
        Canvas()->Pen()->SetWidth(1);
        Canvas()->MoveTo(area.Left, 0);
        Canvas()->LineTo(area.Right, 0);
    }
}

int TFooterPanel::PaintFixedLastRow()
{
    TCanvas* canvas = Canvas();
    TProStringGrid* g = FGrid;
    const int w = FooterWidth();
    const TRect area = FooterArea(w);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(g->FloatingFooter()->Color());
    canvas->Pen()->SetColor(g->FloatingFooter()->Color());
    canvas->FillRect(area);
    FillRest(area);

    const TGridOptions options = g->Options();
    const bool vert = options.Contains(goFixedVertLine), horz = options.Contains(goFixedHorzLine);
    const TGridLook look = g->Look();
    const bool raised = !g->Flat() && (look == glSoft || look == glQLX || look == glXP || look == glVista);
    const int footer = g->RowCount() - 1;
    const int h = ClientHeight();

    std::vector<int> cols;
    for (int c = 0; c < g->FixedCols(); ++c)
        cols.push_back(c);
    for (int c = std::max(g->LeftCol(), g->FixedCols()); c < g->ColCount(); ++c)
        cols.push_back(c);

    // Lines along the column edges.
    canvas->Pen()->SetWidth(1);
    int x = 0;
    for (int c : cols) {
        const int right = x + g->ColWidths(c);
        auto line = [&](TColor Color, int X1, int Y1, int X2, int Y2) {
            canvas->Pen()->SetColor(Color);
            const TRect m = Mirrored(TRect{X1, Y1, X2, Y2});
            const bool rtl = g->UseRightToLeftAlignment();
            canvas->MoveTo(rtl ? m.Right - 1 : m.Left, m.Top);
            canvas->LineTo(rtl ? m.Left - 1 : m.Right, m.Bottom);
        };
        if (vert && raised)
            line(clWhite, x, 0, x, h);
        if (horz)
            line(g->GridLineColor(), x, 0, right, 0);
        if (vert) {
            const bool fixed = c < g->FixedCols();
            line(fixed || look == glVista ? g->GridLineColor() : TColor(0x808080), right - 1, 0, right - 1, h);
        }
        x = right;
    }

    // The cells.
    const int top = horz ? 1 : 0;
    x = 0;
    TGridDrawState state;
    state += gdFixed;
    for (int c : cols) {
        const int left = x;
        x += g->ColWidths(c);
        if (!g->IsBaseCell(c, footer))
            continue;
        int right = x - 1;
        const TPoint span = g->CellSpan(c, footer);
        for (int s = c + 1; s <= c + span.X && s < g->ColCount(); ++s)
            right += g->ColWidths(s);
        TRect r{left + (horz && raised ? 1 : 0), top, right, h};
        r = Mirrored(r);
        if (c < g->FixedCols()) {
            g->DrawCellContent(canvas, c, footer, r, state);
            continue;
        }
        const int real = g->DisplToRealCol(c);
        if (g->OnGetCellColor) {
            canvas->Brush()->SetColor(clNone);
            g->OnGetCellColor(g, footer, real, state, canvas->Brush(), canvas->Font());
            if (canvas->Brush()->Color() != clNone) {
                canvas->Brush()->SetStyle(bsSolid);
                canvas->FillRect(r);
            }
        }
        const TColor color = g->Colors(real, footer);
        if (color != clNone) {
            canvas->Brush()->SetStyle(bsSolid);
            canvas->Brush()->SetColor(color);
            canvas->FillRect(r);
        }
        if (g->OnFooterPaint)
            g->OnFooterPaint(this, c, canvas, r);
        else
            g->DrawCellContent(canvas, c, footer, r, state);
    }
    return w;
}

int TFooterPanel::PaintPreview(bool Template)
{
    TCanvas* canvas = Canvas();
    TProStringGrid* g = FGrid;
    const int w = FooterWidth();
    const TRect area = FooterArea(w);
    canvas->Pen()->SetWidth(1);
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(g->FloatingFooter()->Color());
    canvas->Pen()->SetColor(g->FloatingFooter()->Color());
    canvas->FillRect(area);
    canvas->Pen()->SetColor(TColor(0x808080));
    canvas->MoveTo(area.Left, area.Bottom - 1);
    canvas->LineTo(area.Right - 1, area.Bottom - 1);
    canvas->LineTo(area.Right - 1, area.Top - 1);
    canvas->Pen()->SetColor(clWhite);
    canvas->MoveTo(area.Left, area.Bottom - 1);
    canvas->LineTo(area.Left, area.Top);
    canvas->LineTo(area.Right - 1, area.Top);

    const TColor selText = g->FSelectionTextColor;
    g->FSelectionTextColor = clBlack;
    try {
        const int column = g->FloatingFooter()->Column();
        if (!Template) {
            if (g->OnFooterPaint)
                g->OnFooterPaint(this, column, canvas, area);
            else if (column >= 0 && column < g->ColCount() && g->Row() >= 0 && g->Row() < g->RowCount())
                g->DrawCellContent(canvas, column, g->Row(), area, TGridDrawState());
        } else if (TComponent::IsDesigning()) {
            TRect r = area;
            DrawText(canvas, g->FloatingFooter()->CustomTemplate(), -1, &r, 0);
        } else {
            TRect r = area;
            OffsetRect(r, 0, 2);
            QString anchor, plain, focus, title, id, value, type;
            int xs = 0, ys = 0, count = 0, at = 0;
            TRect anchorRect, controlRect;
            RenderHTMLText(canvas, ExpandedTemplate(), r, g->GridImages(), 0, 0, -1, 0, 1, false, false, false, false,
                           false, false, true, false, 1.0, g->URLColor(), clNone, clNone, clGray, anchor, plain,
                           focus, title, xs, ys, count, at, anchorRect, controlRect, id, value, type,
                           g->ImageCache(), g->PictureContainer(), Handle(), 0);
        }
    } catch (...) {
        g->FSelectionTextColor = selText;
        throw;
    }
    g->FSelectionTextColor = selText;
    FillRest(area);
    return w;
}

// Hints and clicks

void TFooterPanel::CMHintShow(TMessage& Message)
{
    THintInfo* info = HintInfoOf(Message);
    const bool show = FGrid->FloatingFooter()->ShowHint();
    const int c = info ? ColumnAt(info->CursorPos.X) : -1;
    if (info && c >= 0 && FGrid->OnGridHint)
        FGrid->OnGridHint(FGrid, FGrid->RowCount() - 1, c, info->HintStr);
    FLastHintX = show && c >= 0 ? c : -1;
    Message.Result = show ? 0 : 1;
}

void TFooterPanel::CMMouseLeave(TMessage& Message)
{
    FLastHintX = -1;
    TCustomPanel::CMMouseLeave(Message);
}

void TFooterPanel::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseMove(Shift, X, Y);
    if (!FGrid->FloatingFooter()->ShowHint() || FLastHintX < 0)
        return;
    const int c = ColumnAt(X);
    if (c != FLastHintX) {
        Application->CancelHint();
        FLastHintX = c;
    }
}

void TFooterPanel::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomPanel::MouseUp(Button, Shift, X, Y);
    if (FGrid->OnClick)
        FGrid->OnClick(FGrid);
    if (FGrid->OnClickCell)
        FGrid->OnClickCell(FGrid, FGrid->RowCount() - 1, ColumnAt(X));
}
