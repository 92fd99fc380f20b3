#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProStringGrid.h"
#include "platform/graphics/Canvas.h"

THeaderDragButton::THeaderDragButton(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetColor(clBtnFace);
}

void THeaderDragButton::SetCaption(const QString& Value)
{
    FCaption = Value;
    Invalidate();
}

void THeaderDragButton::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_BORDER;
    // Shown over everything while a column is dragged, never taking the
    // activation from the grid's form.
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void THeaderDragButton::Paint()
{
    TRect r = ClientRect();
    if (FGrid)
        FGrid->PaintCellExt(Canvas(), 0, 0, r, {gdFixed});
    SetBkMode(Canvas(), TRANSPARENT);
    DrawText(Canvas(), FCaption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
}
