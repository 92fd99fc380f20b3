#include "platform/controls/Image.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>())
{
    FControlStyle += csReplicatable;
    SetBounds(0, 0, 105, 105);
    FPicture->OnChange = [this](TObject*) { PictureChanged(); };
}

TImage::~TImage() { FPicture->OnChange = nullptr; }

void TImage::SetStretch(bool value) { FStretch = value; Invalidate(); }
void TImage::SetProportional(bool value) { FProportional = value; Invalidate(); }
void TImage::SetCenter(bool value) { FCenter = value; Invalidate(); }

void TImage::SetTransparent(bool value)
{
    FTransparent = value;
    if (TGraphic* g = FPicture->Graphic())
        g->SetTransparent(value);
    Invalidate();
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    PictureChanged();
}

void TImage::PictureChanged()
{
    if (TGraphic* g = FPicture->Graphic()) {
        if (FTransparent)
            g->SetTransparent(true);
        if (FAutoSize && !g->Empty())
            SetBounds(Left(), Top(), g->Width(), g->Height());
    }
    Invalidate();
}

TRect TImage::DestRect() const
{
    int w = FPicture->Width();
    int h = FPicture->Height();
    int cw = Width();
    int ch = Height();
    if (FStretch || (FProportional && (w > cw || h > ch))) {
        if (FProportional && w > 0 && h > 0) {
            // Fit inside, keeping the proportions.
            if (double(cw) / w < double(ch) / h) {
                h = h * cw / w;
                w = cw;
            } else {
                w = w * ch / h;
                h = ch;
            }
        } else {
            w = cw;
            h = ch;
        }
    }
    int x = 0, y = 0;
    if (FCenter) {
        x = (cw - w) / 2;
        y = (ch - h) / 2;
    }
    return Rect(x, y, x + w, y + h);
}

void TImage::Paint()
{
    TGraphic* g = FPicture->Graphic();
    TCanvas* c = Canvas();
    if (!g || g->Empty() || !c)
        return;
    TRect r = DestRect();
    if (r.Width() == g->Width() && r.Height() == g->Height())
        c->Draw(r.Left, r.Top, g);
    else
        c->StretchDraw(r, g);
}
