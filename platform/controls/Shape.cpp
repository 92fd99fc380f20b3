#include "platform/controls/Shape.h"
#include "platform/graphics/Canvas.h"

TShape::TShape(TComponent* AOwner)
    : TGraphicControl(AOwner), FPen(std::make_unique<TPen>()), FBrush(std::make_unique<TBrush>())
{
    FControlStyle += csReplicatable;
    SetBounds(0, 0, 65, 65);
    FPen->OnChange = [this](TObject*) { Invalidate(); };
    FBrush->OnChange = [this](TObject*) { Invalidate(); };
}

TShape::~TShape() = default;

void TShape::SetShape(TShapeType value)
{
    FShape = value;
    Invalidate();
}

void TShape::Paint()
{
    TCanvas* c = Canvas();
    c->SetPen(FPen.get());
    c->SetBrush(FBrush.get());
    int pw = FPen->Width();
    int x = pw / 2;
    int y = x;
    int w = Width() - pw + 1;
    int h = Height() - pw + 1;
    if (pw == 0) {
        --w;
        --h;
    }
    if (w < h && FShape != stRectangle && FShape != stRoundRect && FShape != stEllipse) {
        y += (h - w) / 2;
        h = w;
    } else if (h < w && FShape != stRectangle && FShape != stRoundRect && FShape != stEllipse) {
        x += (w - h) / 2;
        w = h;
    }
    switch (FShape) {
    case stRectangle:
    case stSquare: c->Rectangle(x, y, x + w, y + h); break;
    case stRoundRect:
    case stRoundSquare: {
        int s = std::min(w, h) / 4;
        c->RoundRect(x, y, x + w, y + h, s, s);
        break;
    }
    case stEllipse:
    case stCircle: c->Ellipse(x, y, x + w, y + h); break;
    }
}
