// The combo editor and its flat look: button width limits, colours through
// flat, enabled and focus changes, the attached label's placement and the
// frame the look draws.
#include "grid/foundation/SgComboBox.h"
#include "platform/controls/ControlCanvas.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/graphics/Bitmap.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class SgCombo : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 500, 300);
        Form->SetColor(clBtnFace);
        Panel = new TPanel(Form.get());
        Panel->SetParent(Form.get());
        Panel->SetBounds(0, 0, 500, 300);
        Panel->SetColor(0x30A040);
        Form->Show();
    }
    TSgComboBox* Make()
    {
        auto* c = new TSgComboBox(Form.get());
        c->SetParent(Panel);
        c->SetBounds(200, 100, 120, 22);
        return c;
    }
    std::unique_ptr<TForm> Form;
    TPanel* Panel = nullptr;
};

TEST_F(SgCombo, ButtonWidthTakesOnlyFourteenToThirtyTwo)
{
    TSgComboBox* c = Make();
    EXPECT_EQ(c->ButtonWidth(), 19);
    for (int refused : {13, 33, 0, -1}) {
        c->SetButtonWidth(refused);
        EXPECT_EQ(c->ButtonWidth(), 19) << refused;
    }
    c->SetButtonWidth(14);
    EXPECT_EQ(c->ButtonWidth(), 14);
    c->SetButtonWidth(32);
    EXPECT_EQ(c->ButtonWidth(), 32);
}

TEST_F(SgCombo, FlatTakesTheParentsColourAndDisablingShowsIt)
{
    TSgComboBox* c = Make();
    c->SetFlat(true);
    EXPECT_EQ(c->Color(), 0x30A040);
    c->SetFlat(false);
    EXPECT_EQ(c->Color(), clWindow);

    c->SetFlat(true);
    c->SetColor(0x112233);
    c->SetEnabled(false);
    EXPECT_TRUE(c->ParentColor());
    EXPECT_EQ(c->Color(), 0x30A040);
    c->SetEnabled(true);
    EXPECT_EQ(c->Color(), 0x112233);
}

TEST_F(SgCombo, LoadedFlatComboKeepsItsStoredColour)
{
    auto* c = new TSgComboBox(Form.get());
    c->BeginLoading();
    c->SetParent(Panel);
    c->SetColor(0x445566);
    c->SetFlat(true);
    c->EndLoading();
    EXPECT_EQ(c->Color(), 0x445566);
    EXPECT_EQ(c->NormalColor(), 0x445566);
}

TEST_F(SgCombo, FocusColourComesAndGoes)
{
    // Made in code: the colour after focus is the one the program gave.
    TSgComboBox* c = Make();
    auto* other = new TEdit(Form.get());
    other->SetParent(Panel);
    c->SetColor(0x00E0FF);
    c->SetFocusColor(0xFFE0E0);
    c->SetFocus();
    EXPECT_EQ(c->Color(), 0xFFE0E0);
    other->SetFocus();
    EXPECT_EQ(c->Color(), 0x00E0FF);
}

TEST_F(SgCombo, SelectItemLeavesTheIndexForUnknownText)
{
    TSgComboBox* c = Make();
    c->Items()->Add(QStringLiteral("one"));
    c->Items()->Add(QStringLiteral("two"));
    c->SelectItem(QStringLiteral("two"));
    EXPECT_EQ(c->ItemIndex(), 1);
    c->SelectItem(QStringLiteral("three"));
    EXPECT_EQ(c->ItemIndex(), 1);
}

TEST_F(SgCombo, CloseUpFiresOnDropUpOnce)
{
    TSgComboBox* c = Make();
    int ups = 0;
    c->OnDropUp = [&](TObject*) { ++ups; };
    c->Perform(CN_COMMAND, MakeWParam(0, CBN_DROPDOWN), 0);
    EXPECT_EQ(ups, 0);
    c->Perform(CN_COMMAND, MakeWParam(0, CBN_CLOSEUP), 0);
    EXPECT_EQ(ups, 1);
}

struct TLabelCase {
    const char* Name;
    TLabelPosition Position;
    TPoint Expected;
};

// Editor at (200, 100), 120 x 22; label caption 30 wide, label 40 x 30; margin 4.
const TLabelCase LabelCases[] = {
    {"LeftTop", lpLeftTop, {166, 100}},
    {"LeftCenter", lpLeftCenter, {166, 96}},
    {"LeftBottom", lpLeftBottom, {166, 92}},
    {"TopLeft", lpTopLeft, {200, 66}},
    {"BottomLeft", lpBottomLeft, {200, 126}},
    {"LeftTopLeft", lpLeftTopLeft, {196, 100}},
    {"LeftCenterLeft", lpLeftCenterLeft, {196, 96}},
    {"LeftBottomLeft", lpLeftBottomLeft, {196, 92}},
    {"TopCenter", lpTopCenter, {240, 66}},
    {"BottomCenter", lpBottomCenter, {240, 126}},
    {"RightTop", lpRightTop, {324, 100}},
    {"RightCenter", lpRightCenter, {324, 96}},
    {"RighBottom", lpRighBottom, {324, 92}},
};

class LabelPlacement : public ::testing::TestWithParam<TLabelCase> {};

TEST_P(LabelPlacement, FollowsThePositionTable)
{
    const TLabelCase& c = GetParam();
    const TPoint p = LabelOrigin(c.Position, Bounds(200, 100, 120, 22), 4, 30, 40, 30);
    EXPECT_EQ(p.X, c.Expected.X);
    EXPECT_EQ(p.Y, c.Expected.Y);
}

INSTANTIATE_TEST_SUITE_P(SgCombo, LabelPlacement, ::testing::ValuesIn(LabelCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SgCombo, LabelsOfDifferentWidthsLineUpOnTheirLeftEdges)
{
    TSgComboBox* a = Make();
    TSgComboBox* b = Make();
    b->SetTop(150);
    for (TSgComboBox* c : {a, b}) {
        c->SetLabelPosition(lpLeftTopLeft);
        c->SetLabelMargin(100);
    }
    a->SetLabelCaption(QStringLiteral("Id"));
    b->SetLabelCaption(QStringLiteral("A much longer caption"));
    ASSERT_NE(a->ComboLabel(), nullptr);
    EXPECT_EQ(a->ComboLabel()->Left(), 100);
    EXPECT_EQ(b->ComboLabel()->Left(), 100);
    EXPECT_EQ(a->ComboLabel()->Parent(), Panel);

    // The label follows the editor.
    a->SetBounds(220, 40, 120, 22);
    EXPECT_EQ(a->ComboLabel()->Left(), 120);
    EXPECT_EQ(a->ComboLabel()->Top(), 40);
    a->SetVisible(false);
    EXPECT_FALSE(a->ComboLabel()->Visible());
    a->SetEnabled(false);
    EXPECT_FALSE(a->ComboLabel()->Enabled());
}

// The frame the look draws, read back from a bitmap.
TEST(FlatFrame, ColourFollowsDisabledBorderAndFocusRules)
{
    TBitmap bmp(60, 22);
    TFlatPaintState s;
    s.Width = 60;
    s.Height = 22;
    TFlatLook look;
    look.ButtonWidth = 19;
    auto frame = [&] {
        bmp.Canvas()->Brush()->SetColor(clWhite);
        bmp.Canvas()->FillRect(TRect(0, 0, 60, 22));
        PaintFlatFrame(bmp.Canvas(), look, s);
        return bmp.Canvas()->Pixels(0, 10);
    };
    look.IsThemed = true;
    s.Enabled = false;
    EXPECT_EQ(frame(), RGB(127, 157, 185));
    look.DisabledBorder = true;
    look.BorderColor = clRed;
    EXPECT_EQ(frame(), clRed);
    s.Enabled = true;
    look.FocusBorderColor = clBlue;
    EXPECT_EQ(frame(), clRed);
    look.HasFocus = true;
    EXPECT_EQ(frame(), clBlue);
    look.BorderColor = clNone;
    look.HasFocus = false;
    EXPECT_EQ(frame(), clWhite);
}

TEST(FlatFrame, CombosFlatLineRunsAlongTheBottomUpToTheButton)
{
    TBitmap bmp(60, 22);
    TFlatPaintState s;
    s.Width = 60;
    s.Height = 22;
    s.Flat = true;
    s.FlatLineColor = clRed;
    s.ParentColor = clBtnFace;
    TFlatLook look;
    look.ButtonWidth = 19;
    PaintFlatFrame(bmp.Canvas(), look, s);
    EXPECT_EQ(bmp.Canvas()->Pixels(0, 21), clRed);
    EXPECT_EQ(bmp.Canvas()->Pixels(37, 21), clRed);
    EXPECT_NE(bmp.Canvas()->Pixels(38, 21), clRed);
}

TEST(FlatFrame, ColouredDropButtonFillsTheStrip)
{
    TBitmap bmp(60, 22);
    TFlatPaintState s;
    s.Width = 60;
    s.Height = 22;
    TFlatLook look;
    look.ButtonWidth = 19;
    look.ButtonColor = 0x00C000;
    look.ButtonColorHot = 0x0000C0;
    look.ButtonTextColor = clBlack;
    PaintDropButton(bmp.Canvas(), look, s);
    EXPECT_EQ(bmp.Canvas()->Pixels(55, 4), 0x00C000);
    // The arrow.
    EXPECT_EQ(bmp.Canvas()->Pixels(49, 10), clBlack);
    // The strip is now clipped out for what the native control paints.
    bmp.Canvas()->Brush()->SetColor(clWhite);
    bmp.Canvas()->FillRect(TRect(0, 0, 60, 22));
    EXPECT_EQ(bmp.Canvas()->Pixels(55, 4), 0x00C000);
    SelectClipRgn(bmp.Canvas(), nullptr);
    look.ButtonHover = true;
    PaintDropButton(bmp.Canvas(), look, s);
    EXPECT_EQ(bmp.Canvas()->Pixels(55, 4), 0x0000C0);
}

} // namespace
