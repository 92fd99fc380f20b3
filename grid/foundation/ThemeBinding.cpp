#include "grid/foundation/ThemeBinding.h"

namespace {

constexpr TThemeBinding BoundLibrary()
{
    TThemeBinding b;
    b.Loaded = true;
    b.OpenThemeData = &::OpenThemeData;
    b.CloseThemeData = &::CloseThemeData;
    b.DrawThemeBackground = &::DrawThemeBackground;
    b.DrawThemeText = &::DrawThemeText;
    b.GetThemeBackgroundContentRect = &::GetThemeBackgroundContentRect;
    b.GetThemePartSize = &::GetThemePartSize;
    b.GetThemeColor = &::GetThemeColor;
    b.IsThemeActive = &::IsThemeActive;
    b.IsAppThemed = &::IsAppThemed;
    b.GetCurrentThemeName = &::GetCurrentThemeName;
    b.DrawThemeParentBackground = &::DrawThemeParentBackground;
    return b;
}

} // namespace

// Bound before any dynamic initialisation runs, so no caller sees them empty.
constinit TThemeBinding ProXPVS = BoundLibrary();
constinit TThemeBinding ATXPVS = BoundLibrary();

void BindThemeLibrary(TThemeBinding& Binding)
{
    if (!Binding.Loaded)
        Binding = BoundLibrary();
}

void UnbindThemeLibrary(TThemeBinding& Binding)
{
    Binding = TThemeBinding();
}

bool IsComCtl6()
{
    return (GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16) > 5;
}

bool IsVistaOrLater()
{
    return CheckWin32Version(6, 0);
}

bool IsWinXPOrLater()
{
    return Win32MajorVersion > 5 || (Win32MajorVersion == 5 && Win32MinorVersion >= 1);
}

unsigned char InstalledOfficeVersion()
{
    return 0;
}

unsigned char XPColorScheme()
{
    if (!IsWinXPOrLater() || !IsThemeActive() || !IsComCtl6())
        return 0;
    QString file, scheme, size;
    GetCurrentThemeName(&file, &scheme, &size);
    if (scheme.contains(QLatin1String("NormalColor")))
        return 1;
    if (scheme.contains(QLatin1String("HomeStead")))
        return 2;
    if (scheme.contains(QLatin1String("Metallic")))
        return 3;
    return 0;
}

TOfficeTheme CurrentOfficeTheme()
{
    switch (XPColorScheme()) {
    case 1:
        return ot2003Blue;
    case 2:
        return ot2003Olive;
    case 3:
        return ot2003Silver;
    default:
        return ot2003Classic;
    }
}

QString DefaultUIFontName()
{
    return IsVistaOrLater() ? QStringLiteral("Segoe UI") : QStringLiteral("Tahoma");
}
