#include "platform/graphics/Themes.h"

HTHEME OpenThemeData(void*, const QString&)
{
    return nullptr;
}

HRESULT CloseThemeData(HTHEME)
{
    return S_OK;
}

HRESULT DrawThemeBackground(HTHEME, HDC, int, int, const TRect*, const TRect*)
{
    return E_FAIL;
}

HRESULT DrawThemeText(HTHEME, HDC, int, int, const QString&, int, unsigned, unsigned, const TRect*)
{
    return E_FAIL;
}

HRESULT DrawThemeParentBackground(void*, HDC, const TRect*)
{
    return E_FAIL;
}

HRESULT GetThemeBackgroundContentRect(HTHEME, HDC, int, int, const TRect* BoundingRect, TRect* ContentRect)
{
    if (ContentRect && BoundingRect)
        *ContentRect = *BoundingRect;
    return E_FAIL;
}

HRESULT GetThemePartSize(HTHEME, HDC, int, int, const TRect*, THEMESIZE, TSize* Result)
{
    if (Result)
        *Result = {};
    return E_FAIL;
}

HRESULT GetThemeColor(HTHEME, int, int, int, TColor*)
{
    return E_FAIL;
}

bool IsThemeActive()
{
    return false;
}

bool IsAppThemed()
{
    return false;
}

HRESULT GetCurrentThemeName(QString* ThemeFileName, QString* ColorName, QString* SizeName)
{
    for (QString* s : {ThemeFileName, ColorName, SizeName})
        if (s)
            s->clear();
    return E_FAIL;
}

bool CheckWin32Version(int Major, int Minor)
{
    return Win32MajorVersion > Major || (Win32MajorVersion == Major && Win32MinorVersion >= Minor);
}

unsigned GetFileVersion(const QString& FileName)
{
    const QString name = FileName.section(QLatin1Char('/'), -1).section(QLatin1Char('\\'), -1);
    if (name.compare(QLatin1String("comctl32.dll"), Qt::CaseInsensitive) == 0)
        return GetComCtlVersion();
    return 0xFFFFFFFFu;
}

unsigned GetComCtlVersion()
{
    return 0x0006000Au;
}
