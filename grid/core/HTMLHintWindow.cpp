#include "grid/core/HTMLHintWindow.h"
#include "grid/core/GridUnit.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/StringUtils.h"
#include "grid/foundation/TextUtils.h"
#include "platform/controls/Screen.h"
#include "platform/graphics/Canvas.h"

namespace {

constexpr int WidestHint = 1008;

bool IsPackedWide(const QString& S) { return ClassifyCellText(S, false) == ctPackedWide; }

} // namespace

THTMLHintWindow::THTMLHintWindow(TComponent* AOwner) : THintWindow(AOwner) {}

void THTMLHintWindow::CreateParams(TCreateParams& Params)
{
    THintWindow::CreateParams(Params);
    Params.Style &= ~WS_BORDER;
}

TSize THTMLHintWindow::Measure(int MaxWidth, const QString& AHint)
{
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    if (IsPackedWide(AHint)) {
        if (!GridHintFontName.isEmpty())
            canvas->Font()->SetName(GridHintFontName);
        TRect r{0, 0, MaxWidth, 0};
        DrawText(canvas, UnpackWideText(AHint), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
        return {r.Width(), r.Height()};
    }
    QString anchor, plain, focus, title, id, value, type;
    int w = 0, h = 0, count = 0, at = 0;
    TRect anchorRect, controlRect;
    RenderHTMLText(canvas, AHint, TRect{0, 0, MaxWidth, 0}, FImages, 0, 0, -1, 0, 1, false, true, false, false,
                   false, false, true, false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focus, title, w, h,
                   count, at, anchorRect, controlRect, id, value, type, nullptr, FPictureContainer, Handle(), 0);
    return {w, h};
}

TRect THTMLHintWindow::CalcHintRect(int MaxWidth, const QString& AHint, void*)
{
    const TSize size = Measure(MaxWidth, AHint);
    return TRect{0, 0, size.cx, size.cy};
}

void THTMLHintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, void* AData)
{
    if (auto* grid = dynamic_cast<TProStringGrid*>(static_cast<TObject*>(AData))) {
        FImages = grid->GridImages();
        FPictureContainer = grid->PictureContainer();
    }
    THintWindow::ActivateHintData(Rect, AHint, AData);
}

void THTMLHintWindow::ActivateHint(const TRect& Rect, const QString& AHint)
{
    TRect r = Rect;
    r.Right = r.Left + WidestHint;
    const bool wide = IsPackedWide(AHint);
    FWideCaption = wide ? UnpackWideText(AHint) : QString();
    const TSize size = Measure(r.Width(), AHint);
    FTextWidth = size.cx;
    FTextHeight = size.cy;
    r.Right = r.Left + size.cx + (wide ? 8 : 16);
    r.Bottom = r.Top + size.cy + 4;
    if (TMonitor* monitor = Screen->MonitorFromPoint(TPoint{r.Left, r.Top})) {
        const TRect m = monitor->BoundsRect;
        if (r.Right - m.Left > m.Width()) {
            const int w = r.Width();
            r.Right = m.Right - 2;
            r.Left = r.Right - w;
        }
        if (r.Bottom - m.Top > m.Height()) {
            r.Bottom = m.Bottom - 2;
            r.Top = r.Bottom - size.cy - 4;
        }
    }
    THintWindow::ActivateHint(r, AHint);
}

void THTMLHintWindow::Paint()
{
    TCanvas* canvas = Canvas();
    const TRect c = ClientRect();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(c);
    canvas->Pen()->SetColor(cl3DLight);
    canvas->MoveTo(c.Left, c.Bottom - 2);
    canvas->LineTo(c.Left, c.Top);
    canvas->LineTo(c.Right - 1, c.Top);
    canvas->Pen()->SetColor(cl3DDkShadow);
    canvas->MoveTo(c.Left, c.Bottom - 1);
    canvas->LineTo(c.Right - 1, c.Bottom - 1);
    canvas->LineTo(c.Right - 1, c.Top - 1);
    TRect r{c.Left + 4, c.Top + (c.Height() - FTextHeight) / 2, c.Right - 4, 0};
    r.Bottom = r.Top + FTextHeight + 8;
    canvas->Font()->Assign(Font());
    canvas->Brush()->SetStyle(bsClear);
    if (!FWideCaption.isEmpty()) {
        if (!GridHintFontName.isEmpty())
            canvas->Font()->SetName(GridHintFontName);
        DrawText(canvas, FWideCaption, -1, &r, DT_SINGLELINE | DT_NOPREFIX);
    } else {
        QString anchor, plain, focus, title, id, value, type;
        int w = 0, h = 0, count = 0, at = 0;
        TRect anchorRect, controlRect;
        RenderHTMLText(canvas, Caption(), r, FImages, 0, 0, -1, 0, 1, false, false, false, false, false, false, true,
                       false, 1.0, clBlue, clNone, clNone, clGray, anchor, plain, focus, title, w, h, count, at,
                       anchorRect, controlRect, id, value, type, nullptr, FPictureContainer, Handle(), 0);
    }
    canvas->Brush()->SetStyle(bsSolid);
}
