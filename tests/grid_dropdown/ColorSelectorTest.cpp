// The colour choosers on their own: the cube's cells, hit test and hint,
// the palette's layout, keys and selection (indexes past the boxes are
// ignored).
#include "grid/dropdown/ColorSelector.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class Choosers : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Form->Show();
    }
    template <class T>
    T* Make()
    {
        auto* c = new T(Form.get());
        c->SetParent(Form.get());
        return c;
    }
    std::unique_ptr<TForm> Form;
};

TEST_F(Choosers, CubeCellsLieInThirteenRows)
{
    auto* cube = Make<TProColorCubePanel>();
    EXPECT_EQ(cube->Width(), 182);
    EXPECT_EQ(cube->Height(), 160);
    struct Cell {
        int Index, X, Y;
        TColor Color;
    };
    for (const Cell& c : {Cell{1, 55, 20, 0x663300}, Cell{7, 127, 20, 0x660000}, Cell{58, 19, 80, 0x003300},
                          Cell{64, 91, 80, 0xFFFFFF}, Cell{70, 163, 80, 0x660066}, Cell{71, 25, 90, 0x006633},
                          Cell{121, 55, 140, 0x003366}, Cell{127, 127, 140, 0x2100A5}}) {
        EXPECT_EQ(cube->Cell(c.Index).X, c.X) << c.Index;
        EXPECT_EQ(cube->Cell(c.Index).Y, c.Y) << c.Index;
        EXPECT_EQ(cube->Cell(c.Index).Color, c.Color) << c.Index;
    }
    // 6 pixels from a centre hits it, 7 hits nothing.
    EXPECT_EQ(cube->CellAt(55 + 6, 20), 1);
    EXPECT_EQ(cube->CellAt(55, 20 - 6), 1);
    EXPECT_EQ(cube->CellAt(55, 20 - 7), -1);
    EXPECT_EQ(cube->CellAt(0, 0), -1);
}

TEST_F(Choosers, CubeSelectsByColourAndByClickAndHintsRedFirst)
{
    auto* cube = Make<TProColorCubePanel>();
    int selects = 0;
    cube->OnSelect = [&](TObject*) { ++selects; };
    cube->SetSelectedColor(0x0000FF);
    EXPECT_EQ(cube->SelectedCell(), 118);
    cube->SetSelectedColor(0x123456);
    EXPECT_EQ(cube->SelectedCell(), -1) << "no cell has it: no selected frame";
    EXPECT_EQ(selects, 0);
    const TProColorCubePanel::TCubeCell& red = cube->Cell(118);
    MouseMove(cube, {red.X, red.Y});
    EXPECT_EQ(cube->HotCell(), 118);
    EXPECT_EQ(cube->Hint(), QStringLiteral("Red: 255,  Green: 0,  Blue: 0"));
    MouseMove(cube, {0, 0});
    EXPECT_EQ(cube->HotCell(), 118) << "over no cell the hot cell stays";
    EXPECT_TRUE(cube->Hint().isEmpty());
    int hides = 0;
    cube->FOnShouldHide = [&](TObject*) { ++hides; };
    Click(cube, {cube->Cell(1).X, cube->Cell(1).Y});
    EXPECT_EQ(cube->SelectedCell(), 1);
    EXPECT_EQ(cube->SelectedColor(), TColor(0x663300));
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(hides, 1);
    // The selected frame: black, then white inside.
    cube->Repaint();
    EXPECT_EQ(cube->Canvas()->Pixels(55, 20), TColor(0x663300));
}

TEST_F(Choosers, PaletteLayoutJoinsTheRowsOfTheShades)
{
    auto* palette = Make<TCustomColorSelector>();
    palette->ArrangeItems();
    EXPECT_EQ(palette->Width(), 100);
    EXPECT_EQ(palette->Height(), 50);
    palette->FillDefaultPalette();
    ASSERT_EQ(palette->Items()->Count(), 60);
    EXPECT_EQ(palette->Width(), 165);
    EXPECT_EQ(palette->Height(), 84);
    EXPECT_EQ(palette->GetItemRect(0), TRect(4, 4, 16, 16));
    EXPECT_EQ(palette->GetItemRect(1).Left, 20);
    EXPECT_EQ(palette->GetItemRect(10).Top, 4 + 16) << "a gap after the stand-alone row";
    for (int r = 2; r < 6; ++r)
        EXPECT_EQ(palette->GetItemRect(10 * r).Top, palette->GetItemRect(10 * (r - 1)).Top + 12);
    EXPECT_EQ(palette->GetItemRect(60), TRect(-1, -1, -1, -1));
    EXPECT_EQ(palette->ItemAtPos(5, 5), 0);
    EXPECT_EQ(palette->ItemAtPos(16, 5), -1) << "right edge excluded";
}

TEST_F(Choosers, PaletteSelectionKeysAndIndexesPastTheBoxes)
{
    auto* palette = Make<TCustomColorSelector>();
    palette->FillDefaultPalette();
    std::vector<int> selected;
    palette->OnItemSelect = [&](TObject*) { selected.push_back(palette->ItemIndex()); };
    palette->KeyNavigate(VK_UP, false, true);
    EXPECT_EQ(palette->ItemIndex(), 0) << "Up with nothing selected: box 0";
    palette->KeyNavigate(VK_UP, false, true);
    EXPECT_EQ(palette->ItemIndex(), 0) << "Up from the first row selects nothing new";
    palette->KeyNavigate(VK_DOWN, false, true);
    EXPECT_EQ(palette->ItemIndex(), 10);
    palette->KeyNavigate(VK_LEFT, true, false);
    EXPECT_EQ(palette->ItemIndex(), 10) << "the edit keeps Left while closed";
    palette->KeyNavigate(VK_LEFT, false, false);
    EXPECT_EQ(palette->ItemIndex(), 9);
    palette->KeyNavigate(VK_END, false, true);
    EXPECT_EQ(palette->ItemIndex(), 59);
    palette->SetItemIndex(60);
    palette->SetItemIndex(1000);
    EXPECT_EQ(palette->ItemIndex(), 59) << "indexes past the boxes are ignored";
    EXPECT_EQ(palette->SelectedColor(), TColor(0x064897));
    palette->Items()->Items(3)->FEnabled = false;
    palette->SetItemIndex(3);
    EXPECT_EQ(palette->ItemIndex(), 59) << "a disabled box is not selected";
    EXPECT_EQ(selected, std::vector<int>({0, 10, 9, 59}));
    palette->SetSelectedColor(0x123456);
    EXPECT_EQ(palette->ItemIndex(), -1);
    palette->SetSelectedColor(0x000000);
    EXPECT_EQ(palette->ItemIndex(), 1);
    Click(palette, {palette->GetItemRect(2).Left + 2, palette->GetItemRect(2).Top + 2});
    EXPECT_EQ(palette->ItemIndex(), 2);
    // An assigned box collection keeps the colours, not the joins.
    TColorBoxItems copy(nullptr);
    copy.Assign(palette->Items());
    EXPECT_EQ(copy.Items(11)->Color(), TColor(0x7F7F7F));
    EXPECT_EQ(copy.Items(11)->ColorBoxPos(), ipStandAlone);
}

} // namespace
