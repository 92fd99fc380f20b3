#include "grid/foundation/ArrowWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"

TArrowWindow::TArrowWindow(TWinControl* AOwner, TArrowDirection Direction) : TPanel(AOwner), FDir(Direction)
{
    SetColor(0x00FF00);
    SetVisible(false);
    SetParent(AOwner);
}

std::vector<TPoint> TArrowWindow::ArrowPoints(TArrowDirection Direction)
{
    switch (Direction) {
    case arrUp:
        return {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
    case arrDown:
        return {{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}};
    case arrLeft:
        return {{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}};
    case arrRight:
        return {{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}};
    }
    return {};
}

void TArrowWindow::CreateParams(TCreateParams& Params)
{
    TPanel::CreateParams(Params);
    Params.Style = WS_POPUP;
}

void TArrowWindow::CreateWnd()
{
    TPanel::CreateWnd();
    const std::vector<TPoint> points = ArrowPoints(FDir);
    SetWindowRgn(Handle(), CreatePolygonRgn(points.data(), int(points.size()), WINDING), true);
}

void TArrowWindow::Paint()
{
    TCanvas* c = Canvas();
    c->Brush()->SetColor(Color());
    c->Pen()->SetColor(Color());
    c->Rectangle(ClientRect());
}
