#include "platform/controls/Panel.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"

namespace {

void DrawBevel(TCanvas* Canvas, TRect& r, TPanelBevel Bevel, int Width)
{
    if (Bevel == bvNone)
        return;
    for (int i = 0; i < Width; ++i) {
        if (Bevel == bvSpace) {
            r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
            continue;
        }
        DrawEdge(Canvas, &r, Bevel == bvRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
    }
}

} // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque, csDoubleClicks};
    SetColor(clBtnFace);
    SetBounds(0, 0, 185, 41);
}

void TCustomPanel::Changed()
{
    Realign();
    Invalidate();
}

void TCustomPanel::SetBevelInner(TPanelBevel value) { FBevelInner = value; Changed(); }
void TCustomPanel::SetBevelOuter(TPanelBevel value) { FBevelOuter = value; Changed(); }
void TCustomPanel::SetBevelWidth(int value) { FBevelWidth = std::max(value, 1); Changed(); }
void TCustomPanel::SetBorderWidth(int value) { FBorderWidth = std::max(value, 0); Changed(); }
void TCustomPanel::SetBorderStyle(TBorderStyle value) { FBorderStyle = value; Changed(); }
void TCustomPanel::SetAlignment(TAlignment value) { FAlignment = value; Invalidate(); }
void TCustomPanel::SetShowCaption(bool value) { FShowCaption = value; Invalidate(); }

void TCustomPanel::SetParentBackground(bool value)
{
    FParentBackground = value;
    Invalidate();
}

int TCustomPanel::FrameWidth() const
{
    int w = FBorderWidth + (FBorderStyle == bsSingle ? 2 : 0);
    if (FBevelOuter != bvNone)
        w += FBevelWidth;
    if (FBevelInner != bvNone)
        w += FBevelWidth;
    return w;
}

void TCustomPanel::AdjustClientRect(TRect& Rect)
{
    TCustomControl::AdjustClientRect(Rect);
    int w = FrameWidth();
    Rect = ::Rect(Rect.Left + w, Rect.Top + w, Rect.Right - w, Rect.Bottom - w);
}

void TCustomPanel::Paint()
{
    TCanvas* canvas = Canvas();
    TRect r = ClientRect();
    TColor back = Color();
    if (FParentBackground && Parent())
        back = Parent()->Color();
    canvas->Brush()->SetStyle(bsSolid);
    canvas->Brush()->SetColor(back);
    canvas->FillRect(r);
    if (FBorderStyle == bsSingle)
        DrawEdge(canvas, &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    DrawBevel(canvas, r, FBevelOuter, FBevelWidth);
    r = Rect(r.Left + FBorderWidth, r.Top + FBorderWidth, r.Right - FBorderWidth, r.Bottom - FBorderWidth);
    DrawBevel(canvas, r, FBevelInner, FBevelWidth);
    if (!FShowCaption || Caption().isEmpty())
        return;
    canvas->Brush()->SetStyle(bsClear);
    canvas->SetFont(Font());
    if (!Enabled())
        canvas->Font()->SetColor(clGrayText);
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (FAlignment == taCenter)
        flags |= DT_CENTER;
    else if (FAlignment == taRightJustify)
        flags |= DT_RIGHT;
    DrawText(canvas, Caption(), -1, &r, flags);
}

void TCustomPanel::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    Invalidate();
}
