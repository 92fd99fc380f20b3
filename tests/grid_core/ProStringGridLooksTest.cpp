#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/Bitmap.h"
#include <gtest/gtest.h>

namespace {

struct StyleCase {
    const char* Name;
    TProGridStyle Style;
    TGridLook Look;
    TColor From, To, Selection, SelectionText, GridLine;
    TGridSelectionStyle SelectionStyle;
};

class ProStringGridStyles : public ::testing::TestWithParam<StyleCase> {};

TEST_P(ProStringGridStyles, SetTheLookAndItsColours)
{
    const StyleCase& c = GetParam();
    TProStringGrid g;
    g.SetStyle(c.Style);
    EXPECT_EQ(g.Look(), c.Look);
    EXPECT_EQ(g.QLXGradientFrom(), ColorToRGB(c.From));
    EXPECT_EQ(g.QLXGradientTo(), ColorToRGB(c.To));
    EXPECT_EQ(g.SelectionColor(), c.Selection);
    EXPECT_EQ(g.SelectionTextColor(), c.SelectionText);
    EXPECT_EQ(g.GridLineColor(), c.GridLine);
    EXPECT_EQ(g.SelectionStyle(), c.SelectionStyle);
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridLooks, ProStringGridStyles,
    ::testing::Values(
        StyleCase{"Office2003Blue", gsOffice2003Blue, glXP, 0xFCE1CB, 0xE0A57D, 0x94E6FB, clBlack, 0xC0C0C0, ssDefault},
        StyleCase{"Office2003Classic", gsOffice2003Classic, glXP, clWhite, 0xCCD4D8, clHighlight, clHighlightText,
                  0xC0C0C0, ssDefault},
        StyleCase{"Office2007Luna", gsOffice2007Luna, glOffice2007, 0xFBF9F6, 0xE8DBD2, 0x5EC1F1, clBlack, 0xF1EDEB,
                  ssOffice2007},
        StyleCase{"WindowsVista", gsWindowsVista, glVista, clWhite, clWhite, 0xEACAB6, clBlack, 0xECECF0, ssVista},
        StyleCase{"Windows7", gsWindows7, glWin7, 0xFDFCFA, 0xFAF0E6, 0xEACAB6, clBlack, 0xECECF0, ssWin7},
        StyleCase{"Office2010Blue", gsOffice2010Blue, glOffice2007, 0xF5E7DA, 0xF5E7DA, clHighlight, clHighlightText,
                  0xC0C0C0, ssDefault}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProStringGridLooks, SettingTheCurrentLookChangesNothing)
{
    TProStringGrid g;
    g.SetBorderColor(clRed);
    g.SetLook(glXP);
    EXPECT_EQ(g.BorderColor(), clRed);
}

TEST(ProStringGridLooks, CustomLookKeepsColoursButResetsScrollingAndBorder)
{
    TProStringGrid g;
    g.SetSelectionColor(clLime);
    g.SetQLXGradientFrom(clAqua);
    g.SetScrollType(ssMetro);
    g.SetBorderStyle(bsNone);
    g.SetLook(glCustom);
    EXPECT_EQ(g.SelectionColor(), clLime);
    EXPECT_EQ(g.QLXGradientFrom(), clAqua);
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_EQ(g.BorderStyle(), bsSingle);
    EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F));
}

TEST(ProStringGridLooks, PresetLooks)
{
    TProStringGrid g;
    g.SetLook(glStandard);
    EXPECT_EQ(g.FixedColor(), clBtnFace);
    EXPECT_EQ(g.SelectionColor(), clHighlight);
    EXPECT_EQ(g.ActiveCellColor(), TColor(0x808080));
    g.SetLook(glQLX);
    EXPECT_EQ(g.SelectionColor(), TColor(0xEACAB6));
    EXPECT_EQ(g.SelectionTextColor(), clBlack);
    EXPECT_EQ(g.QLXGradientFrom(), clWhite);
    EXPECT_EQ(g.QLXGradientTo(), TColor(0xC0C0C0));
    EXPECT_EQ(g.QLXGradientHoverFrom(), TColor(0xCFD0D1));
    EXPECT_EQ(g.QLXGradientDownMirrorTo(), TColor(0x627376));
    // The search footer took the gradient the look started from: none.
    EXPECT_EQ(g.SearchFooter()->Color(), clNone);
}

TEST(ProStringGridLooks, ComponentStyleKeepsMetroStripsOnlyForCustom)
{
    TProStringGrid g;
    g.SetScrollType(ssMetro);
    g.SetComponentStyle(tsCustom);
    EXPECT_EQ(g.ScrollType(), ssMetro);
    g.SetComponentStyle(tsOffice2003Olive);
    EXPECT_EQ(g.ScrollType(), ssNormal);
    EXPECT_EQ(g.ComponentStyle(), tsOffice2003Olive);
    EXPECT_EQ(g.QLXGradientFrom(), TColor(0xCFF0EA));
}

TEST(ProStringGridLooks, ColourTonesGiveTheFlatLook)
{
    TProStringGrid g;
    TColorTones tones;
    tones.Background = {clWhite, clGray, clBlack};
    tones.Foreground = {TColor(0x808080), clNone, clWhite};
    tones.Selected = {clNavy, clNone, clYellow};
    g.SetColorTones(tones);
    EXPECT_EQ(g.Look(), glClassic);
    EXPECT_TRUE(g.Flat());
    EXPECT_EQ(g.ScrollType(), ssMetro);
    EXPECT_EQ(g.FixedColor(), TColor(0x808080));
    EXPECT_EQ(g.FixedFont()->Color(), clWhite);
    EXPECT_EQ(g.SelectionColor(), clNavy);
    EXPECT_EQ(g.SelectionTextColor(), clYellow);
    EXPECT_EQ(g.GridLineColor(), TColor(0xE6E6E6));
    EXPECT_EQ(g.GridFixedLineColor(), TColor(0x666666));
    EXPECT_EQ(g.BorderStyle(), bsNone);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), csGlyph);
    EXPECT_FALSE(g.ControlLook()->CheckedGlyph()->Empty());
    EXPECT_TRUE(g.ControlLook()->FlatButton());
    EXPECT_EQ(g.CellNode()->NodeType(), cnFlat);
}

TEST(ProStringGridLooks, Themes)
{
    TProStringGrid g;
    g.SetTheme(xpGreen);
    EXPECT_EQ(g.QLXGradientFrom(), TColor(0xCFF0EA));
    EXPECT_EQ(g.ControlLook()->FixedGradientTo(), TColor(0x8CC0B1));
    EXPECT_EQ(g.SearchFooter()->ColorTo(), TColor(0x8CC0B1));
    g.SetTheme(vistaAero);
    EXPECT_EQ(g.QLXGradientMirrorFrom(), TColor(0xFAF8F7));
    g.SetTheme(xpNone);
    EXPECT_EQ(g.ActiveCellColorTo(), TColor(0xFFD9B3));
    EXPECT_EQ(g.ControlLook()->FixedGradientFrom(), clNone);
}

TEST(ProStringGridLooks, OfficeThemeFallsBackToTheClassicSchemeOnce)
{
    TProStringGrid g;
    g.ApplyOfficeTheme();
    EXPECT_EQ(g.ComponentStyle(), tsOffice2003Classic);
    // Unchanged: applying again does nothing.
    g.SetSelectionColor(clLime);
    g.ApplyOfficeTheme();
    EXPECT_EQ(g.SelectionColor(), clLime);
}

TEST(ProStringGridLooks, NamesAndCaptions)
{
    EXPECT_EQ(TProStringGrid::LookToString(glWin7), QStringLiteral("glWin7"));
    EXPECT_EQ(TProStringGrid::LookToCaption(glXP), QStringLiteral("Windows XP"));
    EXPECT_EQ(TProStringGrid::LookToCaption(glOffice2007), QStringLiteral("Office2007"));
    EXPECT_EQ(TProStringGrid::LookToString(glCustom), QString());
}

} // namespace
