#include "grid/dropdown/DropDownUtils.h"
#include "grid/foundation/MarkupRender.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/FormatSettings.h"
#include <algorithm>
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>
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

void DrawGradientRect(TCanvas* Canvas, const TRect& R, TColor Color, TColor ColorTo, TColor BorderColor,
                      int BorderWidth, TGradientDirection Direction)
{
    if (!Canvas)
        return;
    if (ColorTo != clNone) {
        DrawGradient(Canvas, Color, ColorTo, 80, R, Direction == gdHorizontal);
    } else if (Color != clNone) {
        Canvas->Brush()->SetStyle(bsSolid);
        Canvas->Brush()->SetColor(Color);
        Canvas->FillRect(R);
    }
    if (BorderColor != clNone && BorderWidth > 0) {
        Canvas->Brush()->SetStyle(bsClear);
        Canvas->Pen()->SetWidth(BorderWidth);
        Canvas->Pen()->SetColor(BorderColor);
        Canvas->Rectangle(R);
        Canvas->Pen()->SetWidth(1);
        Canvas->Brush()->SetStyle(bsSolid);
    }
}

void DrawImageText(TCanvas* Canvas, TRect R, const QString& Text, TCustomImageList* Images, int ImageIndex)
{
    if (!Canvas)
        return;
    bool image = false;
    if (ImageIndex >= 0 && Images) {
        Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex, true);
        R.Left += Images->Width() + 8;
        image = true;
    }
    if (Text.isEmpty())
        return;
    unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!image)
        flags |= DT_CENTER;
    DrawText(Canvas, Text, -1, &R, flags);
}

void DrawTransparentGlyph(TCanvas* Canvas, TBitmap* Bitmap, TColor BackColor, const TRect& R)
{
    if (!Canvas || !Bitmap || Bitmap->Empty())
        return;
    TBitmap temp(Bitmap->Width(), Bitmap->Height());
    temp.Canvas()->Brush()->SetColor(BackColor);
    const TRect part(0, 0, R.Width(), R.Height());
    temp.Canvas()->BrushCopy(part, Bitmap, part, Bitmap->Canvas()->Pixels(0, 0));
    Canvas->CopyRect(R, temp.Canvas(), part);
}

void DrawHTMLText(TCanvas* Canvas, const QString& Text, const TRect& R, TCustomImageList* Images, bool Draw,
                  HWND Handle, TPoint& Size)
{
    Size = TPoint(0, 0);
    if (Text.isEmpty())
        return;
    QString anchor, plain, focusAnchor, anchorHint, controlID, controlValue, controlType;
    int hoverLink = 0, lines = 0;
    TRect hoverRect, controlRect;
    RenderHTMLText(Canvas, Text, R, Images, 0, 0, -1, 0, 1, false, !Draw, false, true, true, false, false, false,
                   1.0, 0xFF0000, clNone, clNone, 0x808080, anchor, plain, focusAnchor, anchorHint, Size.X, Size.Y,
                   hoverLink, lines, hoverRect, controlRect, controlID, controlValue, controlType, nullptr, nullptr,
                   Handle, 0);
}

TPoint GetTextSize(TCanvas* Canvas, const QString& Text)
{
    if (Text.isEmpty())
        return {0, 0};
    TRect r(0, 0, 1000, 500);
    DrawText(Canvas, Text, -1, &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
}

QString TruncateText(TCanvas* Canvas, const QString& Text, int MaxWidth, bool Ellipsis)
{
    if (Canvas->TextWidth(Text) <= MaxWidth)
        return Text;
    const QString tail = Ellipsis ? QStringLiteral("...") : QString();
    for (int cut = 1; cut <= int(Text.size()); ++cut) {
        const QString candidate = Text.left(Text.size() - cut) + tail;
        if (Canvas->TextWidth(candidate) < MaxWidth)
            return candidate;
    }
    return Text;
}

// Colours

TColor ProDropDownUnit::BlendColor(TColor Color1, TColor Color2, int Percent)
{
    if (Percent >= 100)
        return Color1;
    if (Percent <= 0)
        return Color2;
    const TColor c1 = ColorToRGB(Color1);
    const TColor c2 = ColorToRGB(Color2);
    const double p = Percent / 100.0;
    auto mix = [p](int a, int b) { return int(Round(p * a + (1 - p) * b)); };
    return RGB(mix(GetRValue(c1), GetRValue(c2)), mix(GetGValue(c1), GetGValue(c2)),
               mix(GetBValue(c1), GetBValue(c2)));
}

TColor ShadeColor(TColor Color, int PercentR, int PercentG, int PercentB)
{
    const TColor c = ColorToRGB(Color);
    auto shade = [](int v, int q) {
        if (v == 0)
            return std::max(0, q) & 0xFF;
        return int(Round(std::min(100, 100 + q) / 100.0 * v)) & 0xFF;
    };
    return RGB(shade(GetRValue(c), PercentR), shade(GetGValue(c), PercentG), shade(GetBValue(c), PercentB));
}

// Number texts

QChar ThousandSeparatorChar()
{
    return FormatSettings.ThousandSeparator;
}

QChar DecimalSeparatorChar()
{
    return FormatSettings.DecimalSeparator;
}

int ClassifyText(const QString& S)
{
    if (S.isEmpty())
        return 2;
    const QChar ts = ThousandSeparatorChar();
    const QChar ds = DecimalSeparatorChar();
    bool isInt = true, isFloat = true, isHex = true;
    int lastTs = 0;
    int minus = 0, decimals = 0;
    for (int i = 0; i < int(S.size()); ++i) {
        const QChar c = S[i];
        const int pos = i + 1;
        const bool digit = c >= u'0' && c <= u'9';
        if (!(digit || c == u'-'))
            isInt = false;
        if (!(digit || c == u',' || c == u'-' || c == u'.'))
            isFloat = false;
        if (!(digit || c == u'-' || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f')))
            isHex = false;
        if (c == ts) {
            // Groups of three: the first separator after at least one digit.
            if ((lastTs == 0 && pos < 2) || (lastTs > 0 && pos - lastTs < 3))
                isFloat = false;
            lastTs = pos;
        }
        if (c == u'-')
            ++minus;
        if (c == ds)
            ++decimals;
    }
    int result = 2;
    if (isHex && !isInt)
        result = 5;
    if (isInt)
        result = 0;
    else if (isFloat)
        result = 1;
    if (minus > 1 || decimals > 1)
        result = 2;
    return result;
}

QString RemoveThousandSeparators(const QString& S)
{
    QString r = S;
    r.remove(ThousandSeparatorChar());
    return r;
}

int HexDigitValue(QChar Ch)
{
    const char16_t c = Ch.unicode();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return 0;
}

long long HexToInt(const QString& S)
{
    long long value = 0;
    for (QChar c : S)
        value = value * 16 + HexDigitValue(c);
    return value;
}

bool IsRangeSeparator(QChar Ch)
{
    return Ch == u',' || Ch == u'-' || Ch == u';';
}

QString CaseText(const QString& S, bool MatchCase)
{
    return MatchCase ? S : AnsiUpperCase(S);
}

std::vector<int> ScaleColumnWidths(const std::vector<int>& Weights, int Available)
{
    int total = 1;
    for (int w : Weights)
        total += w;
    const double f = double(Available) / total;
    std::vector<int> widths;
    widths.reserve(Weights.size());
    double carry = 0;
    for (int w : Weights) {
        const double exact = w * f;
        const int r = int(std::nearbyint(exact));
        carry += exact - r;
        if (carry > 1.0) {
            widths.push_back(r + 1);
            carry -= 1.0;
        } else {
            widths.push_back(r);
        }
    }
    return widths;
}
