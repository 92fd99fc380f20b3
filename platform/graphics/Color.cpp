#include "platform/graphics/Color.h"
#include "platform/rtl/Exceptions.h"
#include <array>

namespace {

// The usual Windows 7 defaults, by system colour index.
constexpr std::array<TColor, 31> SystemColors = {
    RGB(200, 200, 200), // scroll bar
    RGB(0, 0, 0),       // background
    RGB(153, 180, 209), // active caption
    RGB(191, 205, 219), // inactive caption
    RGB(240, 240, 240), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(0, 0, 0),       // caption text
    RGB(180, 180, 180), // active border
    RGB(244, 247, 252), // inactive border
    RGB(171, 171, 171), // application work space
    RGB(51, 153, 255),  // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(109, 109, 109), // grey text
    RGB(0, 0, 0),       // button text
    RGB(67, 78, 84),    // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(0, 0, 0),       // unused index 25
    RGB(0, 102, 204),   // hot light
    RGB(185, 209, 234), // gradient active caption
    RGB(215, 228, 242), // gradient inactive caption
    RGB(51, 153, 255),  // menu highlight
    RGB(240, 240, 240), // menu bar
};

struct ColorName {
    TColor Color;
    const char* Name;
};

constexpr ColorName ColorNames[] = {
    {clBlack, "clBlack"}, {clMaroon, "clMaroon"}, {clGreen, "clGreen"}, {clOlive, "clOlive"},
    {clNavy, "clNavy"}, {clPurple, "clPurple"}, {clTeal, "clTeal"}, {clGray, "clGray"},
    {clSilver, "clSilver"}, {clRed, "clRed"}, {clLime, "clLime"}, {clYellow, "clYellow"},
    {clBlue, "clBlue"}, {clFuchsia, "clFuchsia"}, {clAqua, "clAqua"}, {clWhite, "clWhite"},
    {clMoneyGreen, "clMoneyGreen"}, {clSkyBlue, "clSkyBlue"}, {clCream, "clCream"},
    {clMedGray, "clMedGray"}, {clActiveBorder, "clActiveBorder"},
    {clActiveCaption, "clActiveCaption"}, {clAppWorkSpace, "clAppWorkSpace"},
    {clBackground, "clBackground"}, {clBtnFace, "clBtnFace"}, {clBtnHighlight, "clBtnHighlight"},
    {clBtnShadow, "clBtnShadow"}, {clBtnText, "clBtnText"}, {clCaptionText, "clCaptionText"},
    {clDefault, "clDefault"}, {clGradientActiveCaption, "clGradientActiveCaption"},
    {clGradientInactiveCaption, "clGradientInactiveCaption"}, {clGrayText, "clGrayText"},
    {clHighlight, "clHighlight"}, {clHighlightText, "clHighlightText"}, {clHotLight, "clHotLight"},
    {clInactiveBorder, "clInactiveBorder"}, {clInactiveCaption, "clInactiveCaption"},
    {clInactiveCaptionText, "clInactiveCaptionText"}, {clInfoBk, "clInfoBk"},
    {clInfoText, "clInfoText"}, {clMenu, "clMenu"}, {clMenuBar, "clMenuBar"},
    {clMenuHighlight, "clMenuHighlight"}, {clMenuText, "clMenuText"}, {clNone, "clNone"},
    {clScrollBar, "clScrollBar"}, {cl3DDkShadow, "cl3DDkShadow"}, {cl3DLight, "cl3DLight"},
    {clWindow, "clWindow"}, {clWindowFrame, "clWindowFrame"}, {clWindowText, "clWindowText"},
};

} // namespace

COLORREF GetSysColor(int index)
{
    if (index < 0 || index >= int(SystemColors.size()))
        return 0;
    return COLORREF(SystemColors[index]);
}

TColor ColorToRGB(TColor color)
{
    if (color < 0)
        return TColor(GetSysColor(color & 0xFF));
    return color;
}

TColor BlendColor(TColor a, TColor b, int weight)
{
    a = ColorToRGB(a);
    b = ColorToRGB(b);
    auto mix = [weight](int x, int y) { return x + (y - x) * weight / 255; };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
               mix(GetBValue(a), GetBValue(b)));
}

QString ColorToString(TColor color)
{
    for (const ColorName& n : ColorNames)
        if (n.Color == color)
            return QString::fromLatin1(n.Name);
    return QStringLiteral("$") + QStringLiteral("%1").arg(quint32(color), 8, 16, QLatin1Char('0')).toUpper();
}

bool IdentToColor(const QString& ident, TColor& color)
{
    for (const ColorName& n : ColorNames)
        if (ident.compare(QLatin1String(n.Name), Qt::CaseInsensitive) == 0) {
            color = n.Color;
            return true;
        }
    return false;
}

TColor StringToColor(const QString& s)
{
    TColor c;
    if (IdentToColor(s, c))
        return c;
    const QString t = s.trimmed();
    bool ok = false;
    qint64 v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toLongLong(&ok, 16);
    else if (t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = t.mid(2).toLongLong(&ok, 16);
    else
        v = t.toLongLong(&ok, 10);
    if (!ok || v < -2147483648LL || v > 0xFFFFFFFFLL)
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
    return TColor(quint32(v));
}
