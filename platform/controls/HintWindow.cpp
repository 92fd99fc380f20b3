#include "platform/controls/HintWindow.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"

THintWindow::THintWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetVisibleFlag(false);
    SetColor(clInfoBk);
    Font()->SetColor(clInfoText);
}

void THintWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    Params.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    Params.WndParent = nullptr;
}

TRect THintWindow::CalcHintRect(int MaxWidth, const QString& AHint, void*)
{
    TRect r = Rect(0, 0, MaxWidth, 0);
    TCanvas* canvas = Canvas();
    canvas->Font()->Assign(Font());
    DrawText(canvas, AHint, -1, &r, DT_CALCRECT | DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
    r.Right += 6;
    r.Bottom += 2;
    return r;
}

void THintWindow::ActivateHint(const TRect& Rect, const QString& AHint)
{
    SetCaption(AHint);
    SetBoundsRect(Rect);
    HWND wnd = Handle();
    SetVisibleFlag(true);
    Invalidate();
    Update();
    HostSetVisible(wnd, true);
}

void THintWindow::ActivateHintData(const TRect& Rect, const QString& AHint, void*)
{
    ActivateHint(Rect, AHint);
}

void THintWindow::ReleaseHandle()
{
    SetVisibleFlag(false);
    if (HandleAllocated())
        HostSetVisible(Handle(), false);
}

bool THintWindow::IsHintShowing() const
{
    return Visible() && HandleAllocated();
}

void THintWindow::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    canvas->Brush()->SetColor(Color());
    canvas->FillRect(r);
    canvas->Brush()->SetColor(clBlack);
    canvas->FrameRect(r);
    InflateRect(r, -2, -1);
    r.Left += 1;
    canvas->Font()->Assign(Font());
    SetBkMode(canvas, TRANSPARENT);
    DrawText(canvas, Caption(), -1, &r, DT_LEFT | DT_NOPREFIX | DT_WORDBREAK);
}

void THintWindow::CMTextChanged(TMessage&)
{
    Invalidate();
}
