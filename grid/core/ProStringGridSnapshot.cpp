#include "grid/core/NoActiveForm.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Image.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include <memory>

// The snapshot window

TNoActiveForm::TNoActiveForm(TComponent* AOwner) : TForm(AOwner) {}

void TNoActiveForm::CreateParams(TCreateParams& Params)
{
    TForm::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED | WS_BORDER;
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

void TNoActiveForm::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_MOUSEACTIVATE:
        Message.Result = 3; // no activation
        return;
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        Message.Result = 1;
        return;
    default:
        TForm::WndProc(Message);
    }
}

TForm* TProStringGrid::SelectionToForm(const TGridRect& ARect)
{
    Repaint();
    TRect first = CellRect(ARect.Left, ARect.Top);
    TRect second = CellRect(ARect.Right, ARect.Bottom);
    if (second.Left < first.Left)
        std::swap(first, second);
    if (second.Bottom < first.Top) {
        std::swap(first.Top, second.Top);
        std::swap(first.Bottom, second.Bottom);
    }
    const int w = std::max(1, second.Right - first.Left + 1), h = std::max(1, second.Bottom - first.Top + 1);
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetSize(w, h);
    bmp->Canvas()->CopyRect(TRect{0, 0, w, h}, Canvas(),
                            TRect{first.Left + 1, first.Top + 1, first.Left + 1 + w, first.Top + 1 + h});
    TCanvas* c = bmp->Canvas();
    c->Pen()->SetColor(GridFixedLineColor());
    if (ARect.Left == 0 && FixedCols() > 0 && Options().Contains(goFixedHorzLine)) {
        c->MoveTo(0, 0);
        c->LineTo(0, h);
    }
    if (ARect.Top == 0 && FixedRows() > 0 && Options().Contains(goFixedVertLine)) {
        c->MoveTo(0, 0);
        c->LineTo(w, 0);
    }
    auto* form = new TNoActiveForm(this);
    form->SetBorderStyle(bsNone);
    form->SetFormStyle(fsStayOnTop);
    form->SetBounds(0, 0, w, h);
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAlign(alClient);
    image->Picture()->Assign(bmp.get());
    SetLayeredWindowAttributes(form->Handle(), 0, 192, LWA_ALPHA);
    return form;
}

