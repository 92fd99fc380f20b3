// The grid button and check box of the search bar: glyphs, groups, looks,
// the drop-down part and the check box's clicks.
#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ProGridButton.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class GridButton : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 300, 200);
        Form->Show();
    }
    TProGridButton* Make(int Left)
    {
        auto* b = new TProGridButton(Form.get());
        b->SetParent(Form.get());
        b->SetLeft(Left);
        return b;
    }
    std::unique_ptr<TForm> Form;
};

TEST_F(GridButton, GlyphMakesTheGreyDisabledGlyph)
{
    TProGridButton* b = Make(0);
    TBitmap glyph(2, 1);
    glyph.Canvas()->SetPixels(0, 0, clWhite);
    glyph.Canvas()->SetPixels(1, 0, RGB(30, 60, 91));
    b->SetGlyph(&glyph);
    // round(765 / 3) div 2 + 96 and round(181 / 3) div 2 + 96.
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(0, 0), RGB(223, 223, 223));
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(1, 0), RGB(126, 126, 126));
    // A disabled glyph that is set stays.
    TBitmap other(2, 1);
    other.Canvas()->SetPixels(0, 0, clRed);
    other.Canvas()->SetPixels(1, 0, clRed);
    b->SetGlyphDisabled(&other);
    b->SetGlyph(&glyph);
    EXPECT_EQ(b->GlyphDisabled()->Canvas()->Pixels(0, 0), clRed);
}

TEST_F(GridButton, DownNeedsAGroupOrTheCheckStyle)
{
    TProGridButton* b = Make(0);
    b->SetDown(true);
    EXPECT_FALSE(b->Down());
    b->SetStyle(tasCheck);
    b->SetDown(true);
    EXPECT_TRUE(b->Down());
}

TEST_F(GridButton, PressingOneButtonOfAGroupRaisesTheOther)
{
    TProGridButton* a = Make(0);
    TProGridButton* b = Make(30);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    a->SetDown(true);
    EXPECT_TRUE(a->Down());
    Click(b, {5, 5});
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_EQ(a->State(), bsUp);
    EXPECT_EQ(clicks, 1);
    // Without AllowAllUp a down button stays down.
    Click(b, {5, 5});
    EXPECT_TRUE(b->Down());
}

TEST_F(GridButton, LooksSetThePresetColoursAndReadBack)
{
    TProGridButton* b = Make(0);
    b->SetLook(2);
    EXPECT_EQ(b->Look(), 2);
    EXPECT_EQ(b->Color(), 0xFDEADA);
    EXPECT_EQ(b->ColorTo(), 0xE4AE88);
    EXPECT_EQ(b->ColorDown(), 0x4E91FE);
    EXPECT_EQ(b->BorderHotColor(), 0x000000);
    b->SetLook(0);
    EXPECT_TRUE(b->Rounded());
    EXPECT_EQ(b->BorderDownColor(), 0xAF987A);
    EXPECT_EQ(b->BorderHotColor(), 0xC3CECE);
    b->SetLook(7);
    EXPECT_EQ(b->Color(), 0xEDF1F1);
    EXPECT_EQ(b->Look(), 7);
}

TEST_F(GridButton, TheDropDownPartFiresOnDropDownAndShowsTheMenu)
{
    TProGridButton* b = Make(0);
    b->SetWidth(40);
    b->SetDropDownButton(true);
    TPopupMenu menu(Form.get());
    auto* item = new TMenuItem(&menu);
    menu.Items()->Add(item);
    int picked = 0, clicks = 0, drops = 0;
    item->OnClick = [&](TObject*) { ++picked; };
    b->SetDropDownMenu(&menu);
    b->OnClick = [&](TObject*) { ++clicks; };
    b->OnDropDown = [&](TObject*) { ++drops; };
    TMenuChooser old = SetMenuChooser([&](TPopupMenu*) { return item; });
    Click(b, {35, 5});
    SetMenuChooser(old);
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(picked, 1);
    EXPECT_EQ(clicks, 0);
    Click(b, {10, 5});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(drops, 1);
}

TEST_F(GridButton, ShadeGreysEveryPixelButTheKeyColour)
{
    TProGridButton* b = Make(0);
    TBitmap glyph(3, 2);
    glyph.Canvas()->Brush()->SetColor(clOlive);
    glyph.Canvas()->FillRect(TRect(0, 0, 3, 2));
    glyph.Canvas()->SetPixels(1, 0, clBlue);
    b->SetGlyph(&glyph);
    b->SetShaded(true);
    EXPECT_EQ(b->GlyphShade()->Canvas()->Pixels(1, 0), 0x808080);
    EXPECT_EQ(b->GlyphShade()->Canvas()->Pixels(0, 0), clOlive);
}

TEST(ButtonGradient, BandsRunFromOneColourToTheOther)
{
    TBitmap bmp(4, 16);
    DrawButtonGradient(bmp.Canvas(), RGB(0, 0, 0), RGB(160, 0, 0), false, TRect(0, 0, 4, 16), 16, clNone);
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 0), RGB(0, 0, 0));
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 8), RGB(80, 0, 0));
    EXPECT_EQ(bmp.Canvas()->Pixels(1, 15), RGB(150, 0, 0));
}

class CheckBox : public GridButton {
protected:
    TProCheckBox* MakeBox()
    {
        auto* c = new TProCheckBox(Form.get());
        c->SetParent(Form.get());
        c->SetBounds(10, 40, 120, 20);
        c->OnClick = [this](TObject*) { ++Clicks; };
        return c;
    }
    int Clicks = 0;
};

TEST_F(CheckBox, ClickTogglesAndGrayedGoesToChecked)
{
    TProCheckBox* c = MakeBox();
    EXPECT_EQ(c->Caption(), QStringLiteral("TProCheckBox"));
    Click(c, {5, 8});
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(Clicks, 1);
    c->SetState(cbGrayed);
    Click(c, {5, 8});
    EXPECT_EQ(c->State(), cbChecked);
    Key(c, VK_SPACE);
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(Clicks, 3);
}

TEST_F(CheckBox, ReadOnlyKeepsTheStateButStillClicks)
{
    TProCheckBox* c = MakeBox();
    c->SetReadOnly(true);
    Click(c, {5, 8});
    Key(c, VK_SPACE);
    EXPECT_FALSE(c->Checked());
    EXPECT_EQ(Clicks, 2);
}

TEST_F(CheckBox, BoxStandsLeftOrRightAndFollowsTheVerticalAlignment)
{
    TProCheckBox* c = MakeBox();
    EXPECT_EQ(c->BoxRect(), Bounds(0, 4, 13, 13));
    c->SetAlignment(taRightJustify);
    c->SetButtonVertAlign(tlBottom);
    EXPECT_EQ(c->BoxRect(), Bounds(107, 3, 13, 13));
    c->SetButtonVertAlign(tlCenter);
    EXPECT_EQ(c->BoxRect(), Bounds(107, 4, 13, 13));
}

} // namespace
