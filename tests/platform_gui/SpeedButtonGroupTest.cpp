// Speed buttons: grouped buttons stay down one at a time; AllowAllUp lets
// the last one come up.
#include "StdControlsFixture.h"
#include "platform/controls/Panel.h"
#include "platform/controls/SpeedButton.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

namespace {

struct GroupCase {
    const char* Name;
    bool AllowAllUp;
    // Buttons clicked in turn (0..2; 3 and 4 are in another group / no group).
    std::vector<int> Clicks;
    // Down state of the five buttons afterwards.
    std::vector<bool> Down;
};

using SpeedButtonGroup = StdControlsTest;

TEST_F(SpeedButtonGroup, ClicksKeepOneButtonDownPerGroup)
{
    const GroupCase cases[] = {
        {"one down at a time", false, {0, 1}, {false, true, false, false, false}},
        {"down stays down", false, {2, 2}, {false, false, true, false, false}},
        {"all up allowed", true, {2, 2}, {false, false, false, false, false}},
        {"other group untouched", false, {3, 0}, {true, false, false, true, false}},
        {"no group never stays down", false, {4}, {false, false, false, false, false}},
    };
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* panel = new TPanel(Form);
        panel->SetParent(Form);
        panel->SetBounds(0, 0, 300, 40);
        std::vector<TSpeedButton*> buttons;
        int clicks = 0;
        for (int i = 0; i < 5; ++i) {
            auto* b = new TSpeedButton(Form);
            b->SetParent(panel);
            b->SetLeft(i * 30);
            b->SetGroupIndex(i < 3 ? 1 : i == 3 ? 2 : 0);
            b->OnClick = [&](TObject*) { ++clicks; };
            buttons.push_back(b);
        }
        buttons[0]->SetAllowAllUp(c.AllowAllUp);
        for (int i : c.Clicks)
            Click(buttons[std::size_t(i)], {5, 5});
        for (std::size_t i = 0; i < buttons.size(); ++i)
            EXPECT_EQ(buttons[i]->Down(), c.Down[i]) << "button " << i;
        EXPECT_EQ(clicks, int(c.Clicks.size()));
        delete panel;
    }
}

TEST_F(SpeedButtonGroup, ProgramDownFollowsTheSameRules)
{
    auto* a = new TSpeedButton(Form);
    auto* b = new TSpeedButton(Form);
    a->SetParent(Form);
    b->SetParent(Form);
    a->SetGroupIndex(1);
    b->SetGroupIndex(1);
    a->SetDown(true);
    b->SetDown(true);
    EXPECT_FALSE(a->Down());
    b->SetDown(false);
    EXPECT_TRUE(b->Down());
    b->SetGroupIndex(0);
    EXPECT_FALSE(b->Down());
    // A press released outside is no click.
    int clicks = 0;
    a->OnClick = [&](TObject*) { ++clicks; };
    MouseDown(a, mbLeft, {5, 5});
    MouseUp(a, mbLeft, {100, 5});
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(a->Down());
}

// A glyph of two images side by side: the first shows when enabled, the
// second when disabled; its bottom-left colour is transparent.
TEST_F(SpeedButtonGroup, GlyphPicksTheImageOfTheState)
{
    auto* panel = new TPanel(Form);
    panel->SetParent(Form);
    panel->SetBounds(0, 0, 100, 40);
    auto* b = new TSpeedButton(Form);
    b->SetParent(panel);
    b->SetBounds(0, 0, 30, 30);
    TBitmap glyph(32, 16);
    TCanvas* g = glyph.Canvas();
    g->Brush()->SetColor(clRed);
    g->FillRect(Rect(0, 0, 16, 16));
    g->Brush()->SetColor(clBlue);
    g->FillRect(Rect(16, 0, 32, 16));
    g->SetPixels(0, 15, clFuchsia);
    b->SetGlyph(&glyph);
    EXPECT_EQ(b->NumGlyphs(), 2);
    panel->Repaint();
    // The 16 x 16 glyph is centred in the 30 x 30 button.
    EXPECT_EQ(panel->Canvas()->Pixels(15, 15), clRed);
    EXPECT_NE(panel->Canvas()->Pixels(7, 22), clFuchsia);
    b->SetEnabled(false);
    panel->Repaint();
    EXPECT_EQ(panel->Canvas()->Pixels(15, 15), clBlue);
}

} // namespace
