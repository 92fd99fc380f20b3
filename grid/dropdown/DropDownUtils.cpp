#include "grid/dropdown/DropDownUtils.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include <cstdint>

namespace {

int Channel(TColor From, TColor To, int Shift, int n, int Steps)
{
    const int f = (From >> Shift) & 0xFF;
    const int t = (To >> Shift) & 0xFF;
    return (f + int(Round(double(n) * (t - f) / Steps))) & 0xFF;
}

} // namespace

void DrawGradient(TCanvas* Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R, bool Direction)
{
    if (Steps < 0)
        return;
    if (Steps == 0)
        Steps = 1;
    const TColor from = ColorToRGB(FromColor);
    const TColor to = ColorToRGB(ToColor);
    const int extent = Direction ? (R.Right - 1) - R.Left : (R.Bottom - 1) - R.Top;
    const double d = double(extent) / Steps;
    const int size = int(Round(d)) + 1;
    // The step counter and the band offsets are 16-bit unsigned.
    for (uint16_t n = 0; n < uint16_t(Steps); ++n) {
        const TColor c = RGB(Channel(from, to, 0, n, Steps), Channel(from, to, 8, n, Steps),
                             Channel(from, to, 16, n, Steps));
        Canvas->Pen()->SetColor(c);
        Canvas->Brush()->SetColor(c);
        const uint16_t offset = uint16_t(Round(n * d));
        if (Direction)
            Canvas->Rectangle(R.Left + offset, R.Top, R.Left + offset + size, R.Bottom);
        else
            Canvas->Rectangle(R.Left, R.Top + offset, R.Right, R.Top + offset + size);
    }
}
