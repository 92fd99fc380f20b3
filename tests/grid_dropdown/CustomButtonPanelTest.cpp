// The calculator keypad: its keys and layout, clicks, hot and pressed
// states, and the look it keeps.
#include "grid/dropdown/CustomButtonPanel.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include <QStringList>
#include <gtest/gtest.h>

using namespace SyntheticInput;

namespace {

class Keypad : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(100, 100, 300, 220);
        Panel = new TCustomButtonPanel(Form);
        Panel->SetParent(Form);
        Panel->SetBounds(10, 10, 230, 150);
        Panel->CreateButtons();
        Panel->OnButtonClick = [this](TObject*, int Index) {
            Clicks << Panel->Buttons()->Items(Index)->Caption();
        };
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TPoint Middle(int Index) const
    {
        const TRect r = Panel->Buttons()->Items(Index)->BoundsRect();
        return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    }
    int InkOf(int Index, TColor Color)
    {
        const TRect r = Panel->Buttons()->Items(Index)->BoundsRect();
        int n = 0;
        for (int y = r.Top + 3; y < r.Bottom - 3; ++y)
            for (int x = r.Left + 3; x < r.Right - 3; ++x)
                if ((Panel->Canvas()->Pixels(x, y) & 0xFFFFFF) == Color)
                    ++n;
        return n;
    }

    TForm* Form = nullptr;
    TCustomButtonPanel* Panel = nullptr;
    QStringList Clicks;
};

TEST_F(Keypad, KeysAndTheirPlaces)
{
    ASSERT_EQ(Panel->Buttons()->Count(), 28);
    // Area (8, 8)-(222, 142): keys 34 by 26; groups 4 apart, neighbours
    // in a group overlapping by one pixel.
    struct TCase {
        int Index;
        const char* Caption;
        const char* Name;
        int Tag;
        bool Special;
        TRect Bounds;
    } const cases[] = {
        {0, "", "BTN_ON", 30, false, {8, 8, 42, 34}},
        {1, "Back", "BTN_BACK", 31, true, {46, 8, 100, 34}},
        {2, "CE", "BTN_CE", 32, true, {104, 8, 158, 34}},
        {3, "C", "BTN_C", 16, true, {162, 8, 217, 34}},
        {4, "MC", "BTN_MC", 33, true, {8, 38, 42, 64}},
        {7, "M+", "BTN_M+", 36, true, {8, 113, 42, 139}},
        {11, "7", "BTN_7", 7, false, {46, 38, 80, 64}},
        {12, "8", "BTN_8", 8, false, {79, 38, 113, 64}},
        {13, "5", "BTN_5", 5, false, {79, 63, 113, 89}},
        {8, "0", "BTN_0", 0, false, {46, 113, 80, 139}},
        {15, "+/-", "BTN_+/-", 14, false, {79, 113, 113, 139}},
        {16, ".", "BTN_.", 15, false, {112, 113, 146, 139}},
        {20, "/", "BTN_/", 13, true, {150, 38, 184, 64}},
        {23, "+", "BTN_+", 10, true, {150, 113, 184, 139}},
        {24, "=", "BTN_=", 17, true, {183, 113, 217, 139}},
        {26, "%", "BTN_%", 18, false, {183, 63, 217, 89}},
        {27, "sqrt", "BTN_sqrt", 37, true, {183, 38, 217, 64}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TButtonItem* b = Panel->Buttons()->Items(c.Index);
        EXPECT_EQ(b->Caption(), c.Caption);
        EXPECT_EQ(b->Name(), c.Name);
        EXPECT_EQ(b->Tag(), c.Tag);
        EXPECT_EQ(b->Special(), c.Special);
        EXPECT_EQ(b->CaptionColor(), c.Special ? TColor(0x000080) : clWhite);
        EXPECT_EQ(b->BoundsRect(), c.Bounds);
    }
    // A second build adds nothing; a new size lays the keys out again.
    Panel->CreateButtons();
    EXPECT_EQ(Panel->Buttons()->Count(), 28);
    Panel->SetBounds(10, 10, 234, 155);
    EXPECT_EQ(Panel->Buttons()->Items(24)->BoundsRect(), Rect(188, 117, 223, 144));
    Panel->ResetButtons();
    EXPECT_EQ(Panel->Buttons()->Count(), 28);
    // A custom panel builds and places nothing.
    Panel->SetButtonPanelType(plCustom);
    Panel->ResetButtons();
    EXPECT_EQ(Panel->Buttons()->Count(), 0);
}

TEST_F(Keypad, ClickNeedsPressAndReleaseOnTheSameEnabledKey)
{
    Click(Panel, Middle(11));
    EXPECT_EQ(Clicks, QStringList({"7"}));
    // Released over another key: no click, nothing stays pressed.
    MouseDown(Panel, mbLeft, Middle(11));
    EXPECT_EQ(Panel->ButtonDown(), 11);
    MouseUp(Panel, mbLeft, Middle(12));
    EXPECT_EQ(Panel->ButtonDown(), -1);
    // Between keys and on a disabled key nothing happens.
    Click(Panel, Point(44, 50));
    Panel->Buttons()->Items(24)->SetEnabled(false);
    MouseMove(Panel, Middle(24));
    EXPECT_EQ(Panel->ButtonHot(), -1);
    Click(Panel, Middle(24));
    EXPECT_EQ(Panel->ButtonDown(), -1);
    Click(Panel, Middle(3));
    EXPECT_EQ(Clicks, QStringList({"7", "C"}));

    MouseMove(Panel, Middle(26));
    EXPECT_EQ(Panel->ButtonHot(), 26);
    MouseLeave(Panel);
    EXPECT_EQ(Panel->ButtonHot(), -1);
}

TEST_F(Keypad, CaptionsInTheTwoTextColours)
{
    Panel->Repaint();
    EXPECT_GT(InkOf(11, clBlack), 4);
    EXPECT_EQ(InkOf(11, 0x000080), 0);
    EXPECT_GT(InkOf(24, 0x000080), 4);
    Panel->ButtonAppearance()->SetSpecialTextColor(clRed);
    Panel->Repaint();
    EXPECT_EQ(InkOf(24, 0x000080), 0);
    EXPECT_GT(InkOf(24, clRed), 4);
    // Without a drop-down around it the panel has a black frame.
    EXPECT_EQ(Panel->Canvas()->Pixels(0, 70) & 0xFFFFFF, clBlack);
}

TEST_F(Keypad, AppearanceDefaultsAndAssign)
{
    TButtonAppearance a;
    EXPECT_EQ(a.Color(), 0x9A915F);
    EXPECT_EQ(a.ColorChecked(), 0xF5D8CA);
    EXPECT_EQ(a.ColorCheckedTo(), 0xF9BDA0);
    EXPECT_EQ(a.ColorDisabled(), 0xF2F2F2);
    EXPECT_EQ(a.Font()->Size(), 10);
    EXPECT_TRUE(a.Font()->Style().Contains(fsBold));
    a.SetColorHot(clRed);
    a.GlowColorDown = clBlue;
    a.SetShineColor(clLime);
    TButtonAppearance b;
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.Assign(&a);
    EXPECT_EQ(b.ColorHot(), clRed);
    EXPECT_EQ(b.GlowColorDown, clBlue);
    EXPECT_EQ(b.ShineColor(), clLime);
    EXPECT_EQ(changes, 1);

    TButtonItems items(nullptr);
    TButtonItem* source = items.Add();
    source->SetCaption("x");
    source->SetTag(99);
    source->SetSpecial(true);
    source->Left = 5;
    TButtonItem* copy = items.Add();
    copy->Assign(source);
    EXPECT_EQ(copy->Caption(), "x");
    EXPECT_EQ(copy->Tag(), 99);
    EXPECT_FALSE(copy->Special());
    EXPECT_EQ(copy->Left, -1);
}

} // namespace
