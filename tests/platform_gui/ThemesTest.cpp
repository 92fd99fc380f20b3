#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Color.h"
#include "platform/graphics/Themes.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

TEST(Themes, NoVisualStyleIsActive)
{
    EXPECT_FALSE(IsThemeActive());
    EXPECT_FALSE(IsAppThemed());
    HTHEME theme = OpenThemeData(nullptr, QStringLiteral("button"));
    EXPECT_EQ(theme, nullptr);
    TBitmap bmp(4, 4);
    const TRect r = Rect(0, 0, 4, 4);
    EXPECT_NE(DrawThemeBackground(theme, bmp.Canvas()->Handle(), 1, 1, &r, nullptr), S_OK);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 1), clWhite) << "nothing drawn";
    QString file = QStringLiteral("x"), color = QStringLiteral("y"), size = QStringLiteral("z");
    EXPECT_NE(GetCurrentThemeName(&file, &color, &size), S_OK);
    EXPECT_TRUE(file.isEmpty() && color.isEmpty() && size.isEmpty());
}

TEST(Themes, SystemAnswersAsWindows7WithCommonControls6)
{
    EXPECT_TRUE(CheckWin32Version(5, 1)) << "XP or later";
    EXPECT_TRUE(CheckWin32Version(6, 1));
    EXPECT_FALSE(CheckWin32Version(6, 2));
    EXPECT_EQ(GetFileVersion(QStringLiteral("COMCTL32.DLL")) >> 16, 6u);
    EXPECT_EQ(GetFileVersion(QStringLiteral("C:\\Windows\\System32\\comctl32.dll")), 0x0006000Au);
    EXPECT_EQ(GetFileVersion(QStringLiteral("nothing.dll")), 0xFFFFFFFFu);
}

TEST(Colors, SystemColoursComeFromOneTable)
{
    struct SysCase {
        const char* Name;
        TColor Color;
        TColor Rgb;
    };
    const SysCase cases[] = {
        {"clBtnFace", clBtnFace, RGB(240, 240, 240)},
        {"clWindow", clWindow, RGB(255, 255, 255)},
        {"clWindowText", clWindowText, RGB(0, 0, 0)},
        {"clHighlight", clHighlight, RGB(51, 153, 255)},
        {"clHighlightText", clHighlightText, RGB(255, 255, 255)},
        {"clBtnShadow", clBtnShadow, RGB(160, 160, 160)},
        {"cl3DDkShadow", cl3DDkShadow, RGB(105, 105, 105)},
        {"clBtnHighlight", clBtnHighlight, RGB(255, 255, 255)},
        {"cl3DLight", cl3DLight, RGB(227, 227, 227)},
        {"clGrayText", clGrayText, RGB(109, 109, 109)},
        {"clInfoBk", clInfoBk, RGB(255, 255, 225)},
        {"clGradientActiveCaption", clGradientActiveCaption, RGB(185, 209, 234)},
        {"plain colour passes", clRed, clRed},
        {"clNone passes", clNone, clNone},
    };
    for (const SysCase& c : cases)
        EXPECT_EQ(ColorToRGB(c.Color), c.Rgb) << c.Name;
    EXPECT_EQ(clBtnFace, TColor(0xFF00000F));
    EXPECT_EQ(clNone, 0x1FFFFFFF);
    EXPECT_EQ(GetSysColor(COLOR_3DFACE), COLORREF(RGB(240, 240, 240)));
}

TEST(Colors, NamesRoundTrip)
{
    EXPECT_EQ(ColorToString(clBtnFace), QStringLiteral("clBtnFace"));
    EXPECT_EQ(ColorToString(RGB(1, 2, 3)), QStringLiteral("$00030201"));
    EXPECT_EQ(StringToColor(QStringLiteral("clbtnface")), clBtnFace);
    EXPECT_EQ(StringToColor(QStringLiteral("$00030201")), RGB(1, 2, 3));
    EXPECT_EQ(StringToColor(QStringLiteral("255")), clRed);
    EXPECT_THROW(StringToColor(QStringLiteral("reddish")), EConvertError);
}

} // namespace
