#pragma once
// The visual-styles binding and the operating-system probes of the grid
// library. The platform's theme services stand in for the system library:
// they report no active visual style, so styled controls take their
// classic paths, and the system answers at the Windows 7 level with
// common controls 6.
#include "grid/foundation/QLXStyle.h"
#include "platform/graphics/Themes.h"
#include <QString>

// Entry points of the visual-styles library, bound by name. A caller
// tests Loaded before it calls a slot; while Loaded is false every slot
// is empty. Tests may replace slots to see what a themed path draws.
struct TThemeBinding {
    bool Loaded = false;
    decltype(&::OpenThemeData) OpenThemeData = nullptr;
    decltype(&::CloseThemeData) CloseThemeData = nullptr;
    decltype(&::DrawThemeBackground) DrawThemeBackground = nullptr;
    decltype(&::DrawThemeText) DrawThemeText = nullptr;
    decltype(&::GetThemeBackgroundContentRect) GetThemeBackgroundContentRect = nullptr;
    decltype(&::GetThemePartSize) GetThemePartSize = nullptr;
    decltype(&::GetThemeColor) GetThemeColor = nullptr;
    decltype(&::IsThemeActive) IsThemeActive = nullptr;
    decltype(&::IsAppThemed) IsAppThemed = nullptr;
    decltype(&::GetCurrentThemeName) GetCurrentThemeName = nullptr;
    decltype(&::DrawThemeParentBackground) DrawThemeParentBackground = nullptr;
};

// The binding of the grid units and the one of the drop-down units; each
// is bound at start-up.
extern TThemeBinding ProXPVS;
extern TThemeBinding ATXPVS;

// Binds every slot; nothing when already bound.
void BindThemeLibrary(TThemeBinding& Binding);
// Clears the loaded flag and every slot.
void UnbindThemeLibrary(TThemeBinding& Binding);

// Operating system and common controls
// The common-controls library is version 6 or later.
bool IsComCtl6();
bool IsVistaOrLater();
bool IsWinXPOrLater();
// 0 none (or 2003), 1 office 2007, 2 office 2010. No office suite is
// installed on this platform, so it is always 0.
unsigned char InstalledOfficeVersion();
// 0 none or unknown, 1 "NormalColor", 2 "HomeStead", 3 "Metallic": the
// colour scheme of the active visual style.
unsigned char XPColorScheme();
// The office colour scheme; without an office suite it follows the visual
// style's colour scheme (ot2003Classic when no style is active).
// Note: otUnknown is never returned.
TOfficeTheme CurrentOfficeTheme();
// "Segoe UI" from Vista on, else "Tahoma".
QString DefaultUIFontName();
