#include "grid/foundation/GlowWindow.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

TGridFocusWindow::TGridFocusWindow(TComponent* AOwner) : TCustomControl(AOwner)
{
    SetBounds(0, 0, 0, 0);
    SetColor(0x0000FF);
}

void TGridFocusWindow::CreateParams(TCreateParams& Params)
{
    TCustomControl::CreateParams(Params);
    Params.Style = WS_POPUP | WS_DISABLED;
    Params.ExStyle |= WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
}

// Alpha mask

TGridAlphaMask::TGridAlphaMask()
{
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::Assign(TPersistent* Source)
{
    if (auto* mask = dynamic_cast<TGridAlphaMask*>(Source)) {
        FOpacity = mask->FOpacity;
        SetPixelFormat(pf32bit);
        SetSize(mask->Width(), mask->Height());
        for (int y = 0; y < Height(); ++y)
            std::memcpy(ScanLine(y), mask->ScanLine(y), std::size_t(Width()) * 4);
    } else {
        TBitmap::Assign(Source);
    }
    SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(TBitmap* Mask, TBitmap* Bitmap, TColor)
{
    if (!Mask || !Bitmap || Bitmap->PixelFormat() != pf24bit || Mask->PixelFormat() != pf24bit)
        return;
    const int w = Bitmap->Width();
    const int h = Bitmap->Height();
    SetPixelFormat(pf32bit);
    SetSize(w, h);
    const int mw = std::min(w, Mask->Width());
    const int mh = std::min(h, Mask->Height());
    for (int y = 0; y < h; ++y) {
        auto* out = static_cast<unsigned char*>(ScanLine(y));
        const auto* src = static_cast<const unsigned char*>(Bitmap->ScanLine(y));
        const auto* m = y < mh ? static_cast<const unsigned char*>(Mask->ScanLine(y)) : nullptr;
        for (int x = 0; x < w; ++x) {
            const int a = m && x < mw ? m[x * 3 + 2] : 0;
            for (int c = 0; c < 3; ++c)
                out[x * 4 + c] = static_cast<unsigned char>(std::lround(src[x * 3 + c] * a / 255.0));
            out[x * 4 + 3] = static_cast<unsigned char>(a);
        }
    }
}

// Glow mask

void DrawGlowMask(TBitmap* Bitmap, int Width, int Height, int PenWidth, int Corner, double Blur)
{
    Bitmap->SetPixelFormat(pf24bit);
    Bitmap->SetSize(Width, Height);
    TCanvas* c = Bitmap->Canvas();
    TPen oldPen;
    TBrush oldBrush;
    oldPen.Assign(c->Pen());
    oldBrush.Assign(c->Brush());
    c->Brush()->SetStyle(bsSolid);
    c->Brush()->SetColor(clBlack);
    c->FillRect(TRect{0, 0, Width, Height});
    c->Pen()->SetStyle(psSolid);
    c->Pen()->SetColor(clWhite);
    if (PenWidth < 1) {
        c->Pen()->SetWidth(1);
        c->Brush()->SetColor(clWhite);
    } else {
        c->Pen()->SetWidth(PenWidth);
        c->Brush()->SetColor(clBlack);
    }
    const int h = PenWidth / 2;
    c->RoundRect(h + 2, h + 2, Width - h - 2, Height - h - 2, Corner, Corner);
    c->Pen()->Assign(&oldPen);
    c->Brush()->Assign(&oldBrush);
    if (Blur > 0)
        BlurBitmap(Bitmap, Blur);
}

// Blur

TBlurKernel MakeBlurKernel(double Radius)
{
    TBlurKernel k;
    float sum = 0;
    for (int i = -10; i <= 10; ++i) {
        const double t = i / Radius;
        k.Weights[i + 10] = float(std::exp(-t * t / 2));
        sum += k.Weights[i + 10];
    }
    for (float& w : k.Weights)
        w /= sum;
    int r = 10;
    double discarded = 0;
    while (discarded < 1.0 / (2 * 255) && r > 1) {
        discarded += 2 * k.Weight(r);
        --r;
    }
    sum = 0;
    for (int i = -r; i <= r; ++i)
        sum += k.Weight(i);
    for (int i = -r; i <= r; ++i)
        k.Weights[i + 10] /= sum;
    k.Size = r;
    return k;
}

void BlurLine(unsigned char* Pixels, int Count, const TBlurKernel& Kernel)
{
    if (Count <= 0)
        return;
    const int n = Count - 1;
    std::vector<unsigned char> out(std::size_t(Count) * 3);
    for (int i = 0; i <= n; ++i)
        for (int c = 0; c < 3; ++c) {
            double sum = 0;
            for (int j = -Kernel.Size; j <= Kernel.Size; ++j)
                sum += Kernel.Weight(j) * Pixels[std::clamp(i - j, 0, n) * 3 + c];
            // A sum that is 255 but for float rounding counts as 255.
            sum += 1e-4;
            out[std::size_t(i) * 3 + c] = sum < 0 ? 0 : sum >= 255 ? 255 : static_cast<unsigned char>(sum);
        }
    std::memcpy(Pixels, out.data(), out.size());
}

void BlurBitmap(TBitmap* Bitmap, double Radius)
{
    if (!Bitmap || Bitmap->PixelFormat() != pf24bit)
        throw Exception(QStringLiteral("Blur only works for 24-bit bitmaps"));
    const TBlurKernel k = MakeBlurKernel(Radius);
    const int w = Bitmap->Width();
    const int h = Bitmap->Height();
    for (int y = 0; y < h; ++y) {
        auto* row = static_cast<unsigned char*>(Bitmap->ScanLine(y));
        if (y > 20 && y < h - 20)
            std::memcpy(row, Bitmap->ScanLine(15), std::size_t(w) * 3);
        else
            BlurLine(row, w, k);
    }
    std::vector<unsigned char> column(std::size_t(h) * 3);
    for (int x = 0; x < w; ++x) {
        if (x > 20 && x < w - 20) {
            for (int y = 0; y < h; ++y) {
                auto* row = static_cast<unsigned char*>(Bitmap->ScanLine(y));
                std::memcpy(row + x * 3, row + 15 * 3, 3);
            }
            continue;
        }
        for (int y = 0; y < h; ++y)
            std::memcpy(&column[std::size_t(y) * 3], static_cast<unsigned char*>(Bitmap->ScanLine(y)) + x * 3, 3);
        BlurLine(column.data(), h, k);
        for (int y = 0; y < h; ++y)
            std::memcpy(static_cast<unsigned char*>(Bitmap->ScanLine(y)) + x * 3, &column[std::size_t(y) * 3], 3);
    }
}

bool CallUpdateLayeredWindow(TCustomControl* Window, TPoint Pos, TGridAlphaMask* Mask)
{
    if (!Window || !Mask)
        return true;
    Window->SetBounds(Pos.X, Pos.Y, Mask->Width(), Mask->Height());
    TCanvas* c = Window->Canvas();
    for (int y = 0; y < Mask->Height(); ++y) {
        const auto* p = static_cast<const unsigned char*>(Mask->ScanLine(y));
        for (int x = 0; x < Mask->Width(); ++x)
            c->SetPixels(x, y, RGB(p[x * 4 + 2], p[x * 4 + 1], p[x * 4]));
    }
    SetLayeredWindowAttributes(Window->Handle(), 0, Mask->Opacity(), LWA_ALPHA);
    return true;
}
