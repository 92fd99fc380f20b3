#include "controls/tabs/DeckTabsDragImage.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/Image.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"

#include <array>
#include <cmath>

void ScaleBitmap(TBitmap* Source, TBitmap* Dest, double Factor)
{
    Source->SetPixelFormat(pf24bit);
    Dest->SetPixelFormat(pf24bit);
    const int w = int(std::nearbyint(Source->Width() * Factor));
    const int h = int(std::nearbyint(Source->Height() * Factor));
    Dest->SetSize(w, h);
    StretchBlt(Dest->Canvas()->Handle(), 0, 0, w, h, Source->Canvas()->Handle(), 0, 0, Source->Width(),
               Source->Height(), cmSrcCopy);
}

void CopyControlImage(TWinControl* Control, TBitmap* Bitmap, int X, int Y)
{
    if (auto* custom = dynamic_cast<TCustomControl*>(Control))
        BitBlt(Bitmap->Canvas()->Handle(), X, Y, Control->ClientWidth(), Control->ClientHeight(),
               custom->Canvas()->Handle(), 0, 0, cmSrcCopy);
}

void ConvertToAlphaBitmap(TBitmap* Bitmap)
{
    Bitmap->SetPixelFormat(pf32bit);
    for (int y = 0; y < Bitmap->Height(); ++y) {
        auto* row = static_cast<uint8_t*>(Bitmap->ScanLine(y));
        for (int x = 0; x < Bitmap->Width(); ++x)
            row[4 * x + 3] = 255;
    }
    Bitmap->SetAlphaFormat(afPremultiplied);
}

void SetColorAlpha(TBitmap* Bitmap, TColor Color, uint8_t Alpha)
{
    std::array<uint8_t, 256> scaled{};
    for (int v = 0; v < 256; ++v)
        scaled[size_t(v)] = uint8_t(Alpha * v / 255);
    const uint8_t b0 = uint8_t(Color & 0xFF), b1 = uint8_t((Color >> 8) & 0xFF), b2 = uint8_t((Color >> 16) & 0xFF);
    for (int y = 0; y < Bitmap->Height(); ++y) {
        auto* row = static_cast<uint8_t*>(Bitmap->ScanLine(y));
        for (int x = 0; x < Bitmap->Width(); ++x) {
            uint8_t* p = row + 4 * x;
            if (p[0] == b0 && p[1] == b1 && p[2] == b2) {
                p[3] = Alpha;
                p[0] = scaled[p[0]];
                p[1] = scaled[p[1]];
                p[2] = scaled[p[2]];
            }
        }
    }
}

namespace {

// A window that floats above the others and never takes the focus, so the
// keys (Escape) still reach the strip that drags.
class TDragImageForm : public TForm {
public:
    using TForm::TForm;

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TForm::CreateParams(Params);
        Params.ExStyle |= WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    }
};

} // namespace

TForm* CreateAlphaForm(TComponent* Owner, TBitmap* Bitmap, uint8_t ConstantAlpha)
{
    auto* form = new TDragImageForm(Owner);
    form->SetBorderStyle(bsNone);
    form->SetClientWidth(Bitmap->Width());
    form->SetClientHeight(Bitmap->Height());
    auto* image = new TImage(form);
    image->SetParent(form);
    image->SetAlign(alClient);
    image->Picture()->Assign(Bitmap);
    SetLayeredWindowAttributes(form->Handle(), 0, ConstantAlpha, LWA_ALPHA);
    return form;
}
