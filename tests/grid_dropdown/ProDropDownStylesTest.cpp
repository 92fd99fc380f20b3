// The drop-down's style presets, colour tones and selection colours.
#include "grid/dropdown/ProDropDown.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class DropDownStyles : public ::testing::Test {
protected:
    TProCustomDropDown Edit{nullptr};
};

TEST_F(DropDownStyles, NewDropDownHasTheLunaPresets)
{
    EXPECT_EQ(Edit.GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(Edit.DropDownColor(), TColor(0xF3E5DA));
    EXPECT_EQ(Edit.DropDownColorTo(), TColor(0xF0DED0));
    EXPECT_EQ(Edit.DropDownHeader()->Color(), TColor(0xFFEFE3));
    EXPECT_EQ(Edit.DropDownHeader()->Font()->Color(), TColor(0x723708));
    EXPECT_EQ(Edit.ButtonAppearance()->ColorTo(), TColor(0xFFDDC4));
    EXPECT_EQ(Edit.SelectionColor(), TColor(0xD7FFFD));
    EXPECT_EQ(Edit.SelectionColorTo(), TColor(0x58D4FC));
    EXPECT_EQ(Edit.Version(), QStringLiteral("1.2.1.4"));
}

TEST_F(DropDownStyles, PresetsAndCustom)
{
    Edit.SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(Edit.DropDownHeader()->BorderColor(), TColor(0x000000));
    EXPECT_EQ(Edit.DropDownFooter()->BorderColor(), TColor(0x962D00));
    EXPECT_EQ(Edit.DropDownColorTo(), clNone);
    // A dash in the table keeps the value.
    Edit.SetDropDownBorderColor(0x123456);
    Edit.SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(Edit.DropDownBorderColor(), TColor(0x123456));
    EXPECT_EQ(Edit.ButtonAppearance()->BorderColorHot(), clHighlight);

    int changes = 0;
    Edit.DropDownHeader()->OnChange = [&](TObject*) { ++changes; };
    Edit.SetComponentStyle(tsCustom);
    EXPECT_EQ(Edit.GetComponentStyle(), tsCustom);
    EXPECT_EQ(Edit.DropDownHeader()->Color(), TColor(0xFFFFFF));
    Edit.SetComponentStyle(tsWindows7);
    // Header colours are written past the setters.
    EXPECT_EQ(changes, 0);
}

TEST_F(DropDownStyles, ColorTonesColourTheButtonAndTheBorder)
{
    TColorTones tones;
    tones.Background.BrushColor = 0x111111;
    tones.Background.BorderColor = 0x222222;
    tones.Hover.BrushColor = 0x333333;
    tones.Selected.BrushColor = 0x444444;
    Edit.SetColorTones(tones);
    EXPECT_EQ(Edit.Button()->ButtonColor(), TColor(0x111111));
    EXPECT_EQ(Edit.Button()->ButtonColorHot(), TColor(0x333333));
    EXPECT_EQ(Edit.Button()->ButtonColorDown(), TColor(0x444444));
    EXPECT_EQ(Edit.Button()->ButtonBorderColor(), TColor(0x222222));
    EXPECT_EQ(Edit.BorderColor(), TColor(0x222222));
}

TEST_F(DropDownStyles, SelectionColourStyles)
{
    Edit.SetSelectionColorStyle(scWindows7);
    Edit.SetSelectionColorStyle(scCustom);
    EXPECT_EQ(Edit.SelectionColor(), TColor(0xFCEBDC));
    EXPECT_EQ(Edit.SelectionColorTo(), TColor(0xFCDBC1));
    // Streamed ordinals are stored without their colours.
    Edit.ReadStyleOrdinals(int(scWindows7), int(tsTerminal));
    EXPECT_EQ(Edit.SelectionColorStyle(), scWindows7);
    EXPECT_EQ(Edit.GetComponentStyle(), tsTerminal);
    Edit.SetSelectionColor(0x00FF00);
    Edit.SetSelectionColorStyle(scCustom);
    TBitmap image(20, 10);
    Edit.DrawSelectionBackground(image.Canvas(), TRect(0, 0, 20, 10), clWhite, 0);
    EXPECT_EQ(image.Canvas()->Pixels(10, 5), TColor(0x00FF00));
}

TEST_F(DropDownStyles, ItemColoursByStyle)
{
    TItemStyleColors c{};
    EXPECT_FALSE(ItemAppearanceStyleColors(tsCustom, c));
    ASSERT_TRUE(ItemAppearanceStyleColors(tsWindowsXP, c));
    EXPECT_EQ(c.ColorSelected, clHighlight);
    EXPECT_EQ(c.ColorSelectedText, clHighlightText);
    ASSERT_TRUE(ItemAppearanceStyleColors(tsOffice2007Luna, c));
    EXPECT_EQ(c.EdgeColor, TColor(0xC3D9DF));
}

TEST_F(DropDownStyles, AssignCopiesFromAnotherDropDownOnly)
{
    TProCustomDropDown other(nullptr);
    other.SetEditType(etMoney);
    other.SetPrefix(QStringLiteral("$"));
    other.SetDropDownButtonWidth(30);
    other.SetDropDownButtonHint(QStringLiteral("open"));
    other.SetDropPosition(dpUp);
    other.DropDownHeader()->SetCaption(QStringLiteral("H"));
    Edit.Assign(&other);
    EXPECT_EQ(Edit.EditType(), etMoney);
    EXPECT_EQ(Edit.Prefix(), QStringLiteral("$"));
    EXPECT_EQ(Edit.DropDownButtonWidth(), 30);
    EXPECT_TRUE(Edit.Button()->ShowHint());
    EXPECT_EQ(Edit.DropPosition(), dpUp);
    EXPECT_EQ(Edit.DropDownHeader()->Caption(), QStringLiteral("H"));
    TFooterAppearance foreign(nullptr);
    Edit.Assign(&foreign);
    EXPECT_EQ(Edit.EditType(), etMoney);
}

} // namespace
