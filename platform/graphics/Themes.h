#pragma once
// Visual-style entry points and operating-system probes. No visual style
// is ever active, so every caller takes its classic drawing path; the
// system answers as Windows 7 with common controls 6.
#include "platform/graphics/Canvas.h"
#include <QString>

using HTHEME = void*;
using HRESULT = long;
constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_FAIL = HRESULT(0x80004005L);

// Visual styles. Window is the control's Handle (may be nullptr).
// Returns nullptr: no theme data without an active visual style.
HTHEME OpenThemeData(void* Window, const QString& ClassList);
HRESULT CloseThemeData(HTHEME Theme);
// E_FAIL: nothing drawn.
HRESULT DrawThemeBackground(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                            const TRect* ClipRect);
HRESULT DrawThemeText(HTHEME Theme, HDC DC, int PartId, int StateId, const QString& Text,
                      int CharCount, unsigned TextFlags, unsigned TextFlags2, const TRect* Rect);
HRESULT DrawThemeParentBackground(void* Window, HDC DC, const TRect* Rect);
HRESULT GetThemeBackgroundContentRect(HTHEME Theme, HDC DC, int PartId, int StateId,
                                      const TRect* BoundingRect, TRect* ContentRect);
enum THEMESIZE { TS_MIN, TS_TRUE, TS_DRAW };
HRESULT GetThemePartSize(HTHEME Theme, HDC DC, int PartId, int StateId, const TRect* Rect,
                         THEMESIZE Size, TSize* Result);
HRESULT GetThemeColor(HTHEME Theme, int PartId, int StateId, int PropId, TColor* Color);
// False: no visual style is active.
bool IsThemeActive();
bool IsAppThemed();
// Fills the names with empty strings and returns E_FAIL.
HRESULT GetCurrentThemeName(QString* ThemeFileName, QString* ColorName, QString* SizeName);

// Operating system
constexpr int VER_PLATFORM_WIN32_NT = 2;
constexpr int Win32Platform = VER_PLATFORM_WIN32_NT;
constexpr int Win32MajorVersion = 6;
constexpr int Win32MinorVersion = 1;
constexpr int Win32BuildNumber = 7601;
// True when the system is at least Major.Minor.
bool CheckWin32Version(int Major, int Minor = 0);
// Version of a system library, major in the high word: "COMCTL32.DLL"
// gives 6.10 (0x0006000A); unknown files give 0xFFFFFFFF.
unsigned GetFileVersion(const QString& FileName);
// 0x0006000A
unsigned GetComCtlVersion();
