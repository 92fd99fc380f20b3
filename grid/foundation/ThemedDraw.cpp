#include "grid/foundation/ThemedDraw.h"
#include "grid/foundation/ThemeBinding.h"

bool ThemeActiveNow()
{
    return ProXPVS.Loaded && ProXPVS.IsThemeActive && ProXPVS.IsThemeActive();
}

bool DrawThemedPart(void* Window, const QString& ClassName, HDC DC, int Part, int State, const TRect& Rect)
{
    if (!ProXPVS.Loaded || !ProXPVS.OpenThemeData)
        return false;
    HTHEME theme = ProXPVS.OpenThemeData(Window, ClassName);
    if (!theme)
        return false;
    ProXPVS.DrawThemeBackground(theme, DC, Part, State, &Rect, nullptr);
    ProXPVS.CloseThemeData(theme);
    return true;
}

bool ComCtlAbove5()
{
    const unsigned v = GetFileVersion(QStringLiteral("COMCTL32.DLL"));
    return v == 0xFFFFFFFFu || (v >> 16) > 5;
}
