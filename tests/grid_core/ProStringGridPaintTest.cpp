#include "../support/QStringPrinter.h"
#include "PaintGridFixture.h"
#include "grid/core/ControlLook.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/foundation/Bands.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

struct MixCase {
    const char* Name;
    TColor C1, C2;
    int Percent;
    TColor Expected;
};

class ProStringGridMixColor : public ::testing::TestWithParam<MixCase> {};

TEST_P(ProStringGridMixColor, Mixes)
{
    const MixCase& c = GetParam();
    EXPECT_EQ(TProStringGrid::MixColor(c.C1, c.C2, c.Percent), c.Expected);
}

// Halves round to the even neighbour: 244.5 -> 244, 228.5 -> 228, 218.5 -> 218.
INSTANTIATE_TEST_SUITE_P(ProStringGridPaint, ProStringGridMixColor,
                         ::testing::Values(MixCase{"HalfToEven", 0xEACAB6, 0xFFFFFF, 50, 0xF4E4DA},
                                           MixCase{"FullIsFirst", 0x123456, 0xFFFFFF, 100, 0x123456},
                                           MixCase{"ZeroIsSecond", 0x123456, 0xABCDEF, 0, 0xABCDEF},
                                           MixCase{"SecondNone", 0x123456, clNone, 40, 0x123456},
                                           MixCase{"FirstNone", clNone, 0x123456, 40, 0x123456},
                                           MixCase{"OddHalfUp", 0x000001, 0x000000, 50, 0x000000},
                                           MixCase{"ThreeHalvesUp", 0x000003, 0x000000, 50, 0x000002},
                                           MixCase{"Quarter", 0x0000FF, 0x000000, 25, 0x000040}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(PaintGridTest, NonCurrentSelectedCellHasTheSelectionColourAndBlackText)
{
    Grid->SetCells(1, 1, QStringLiteral("HHHH"));
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    Repaint();
    const TRect c = Cell(1, 1);
    // RGB(182, 202, 234), away from the text.
    EXPECT_EQ(Pixel(c.Right - 4, c.Bottom - 4), TColor(0xEACAB6));
    EXPECT_LT(Darkest(c), 60);
    // The current cell shows the focus, not the selection.
    const TRect cur = Cell(2, 2);
    EXPECT_EQ(Pixel(cur.Right - 6, cur.Bottom - 6), clWhite);
}

TEST_F(PaintGridTest, SelectedCellWithItsOwnColourMixes)
{
    Grid->SetColors(1, 1, clYellow);
    Grid->SetSelectionColorMixer(true);
    Grid->SetSelectionColorMixerFactor(50);
    Grid->SetSelection(TGridRect{1, 1, 2, 2});
    Repaint();
    const TRect c = Cell(1, 1);
    EXPECT_EQ(Pixel(c.Right - 4, c.Bottom - 4), TProStringGrid::MixColor(0xEACAB6, clYellow, 50));
}

TEST_F(PaintGridTest, HeaderCellsShowTheLooksGradient)
{
    // glXP: white at the top down to the button face.
    const TRect h = Cell(2, 0);
    const TColor top = Pixel(h.Left + 10, h.Top + 1);
    const TColor bottom = Pixel(h.Left + 10, h.Bottom - 3);
    EXPECT_GE(GetRValue(top), 0xF8);
    EXPECT_GE(GetBValue(top), 0xF8);
    EXPECT_NE(bottom, top);
    const TColor face = ColorToRGB(clBtnFace);
    EXPECT_NEAR(GetRValue(bottom), GetRValue(face), 8);
    EXPECT_NEAR(GetGValue(bottom), GetGValue(face), 8);
    // A flat look draws no gradient over the fixed colour.
    Grid->SetFlat(true);
    Grid->SetLook(glStandard);
    Grid->SetBorderStyle(bsNone);
    Repaint();
    EXPECT_EQ(Pixel(h.Left + 10, h.Top + 1), Pixel(h.Left + 10, h.Bottom - 3));
}

TEST_F(PaintGridTest, BandsAlternateFromTheFirstNormalRow)
{
    Grid->Bands()->SetPrimaryColor(clAqua);
    Grid->Bands()->SetSecondaryColor(clYellow);
    Grid->Bands()->SetActive(true);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    EXPECT_EQ(Pixel(Cell(1, 1).Left + 3, Cell(1, 1).Top + 3), clAqua);
    EXPECT_EQ(Pixel(Cell(1, 2).Left + 3, Cell(1, 2).Top + 3), clYellow);
    EXPECT_EQ(Pixel(Cell(1, 3).Left + 3, Cell(1, 3).Top + 3), clAqua);
}

TEST_F(PaintGridTest, MergedRangePaintsOnceWithoutInnerLines)
{
    Grid->SetColors(1, 2, clLime);
    Grid->MergeCells(1, 2, 2, 2);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect r = Cell(1, 2);
    EXPECT_EQ(r.Right, Cell(3, 2).Left);
    EXPECT_EQ(r.Bottom, Cell(1, 4).Top);
    // Where the grid lines between the four cells would run.
    EXPECT_EQ(Pixel(r.Left + 64, r.Top + 5), clLime);
    EXPECT_EQ(Pixel(r.Left + 5, r.Top + 20), clLime);
    int base = 0;
    for (const auto& d : Grid->Drawn)
        if (d.Col >= 1 && d.Col <= 2 && d.Row >= 2 && d.Row <= 3)
            ++base;
    EXPECT_EQ(base, 1);
}

TEST_F(PaintGridTest, LongSingleLineEndsInAnEllipsis)
{
    const QString text = QStringLiteral("Configuration of the gateway");
    Grid->SetWordWrap(false);
    Grid->SetEnhTextSize(true);
    Grid->SetCells(1, 1, text);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect c = Cell(1, 1);
    // The same text drawn as the painter does, with its ellipsis.
    TBitmap expected(c.Width(), c.Height());
    TCanvas* e = expected.Canvas();
    e->Brush()->SetColor(clWhite);
    e->FillRect(TRect{0, 0, c.Width(), c.Height()});
    e->Font()->Assign(Grid->Font());
    e->Brush()->SetStyle(bsClear);
    // The content inside the cell's lines, less the text offset of 2.
    TRect t{3, 3, c.Width() - 3, c.Height() - 1};
    DrawText(e, text, -1, &t, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL);
    int differ = 0;
    for (int y = 1; y < c.Height() - 1; ++y)
        for (int x = 1; x < c.Width() - 1; ++x)
            if (Pixel(c.Left + x, c.Top + y) != e->Pixels(x, y))
                ++differ;
    EXPECT_EQ(differ, 0);
}

TEST_F(PaintGridTest, PasswordCellsShowTheirLengthInStars)
{
    Grid->OnIsPasswordCell = [](TObject*, int ARow, int ACol, bool& IsPassword) {
        IsPassword = ACol == 1 && ARow == 1;
    };
    Grid->SetCells(1, 1, QStringLiteral("abc"));
    Grid->SetCells(2, 1, QStringLiteral("***"));
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect a = Cell(1, 1), b = Cell(2, 1);
    int differ = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width() - 1; ++x)
            if (Pixel(a.Left + x, a.Top + y) != Pixel(b.Left + x, b.Top + y))
                ++differ;
    EXPECT_EQ(differ, 0);
}

TEST_F(PaintGridTest, OnlyCellsMeetingTheUpdateAreaArePainted)
{
    Grid->Drawn.clear();
    Grid->InvalidateCell(2, 3);
    Grid->Update();
    ASSERT_EQ(Grid->Drawn.size(), 1u);
    EXPECT_EQ(Grid->Drawn[0].Col, 2);
    EXPECT_EQ(Grid->Drawn[0].Row, 3);
    // Scrolled away, a cell is not painted at all.
    Grid->SetRowCount(100);
    Grid->SetTopRow(50);
    Repaint();
    for (const auto& d : Grid->Drawn)
        EXPECT_TRUE(d.Row == 0 || (d.Row >= 50 && d.Row < 60)) << d.Row;
}

TEST_F(PaintGridTest, FocusFrameFollowsHideFocusRectAndRowSelect)
{
    Grid->SetSelection(TGridRect{2, 2, 2, 2});
    Repaint();
    const TRect c = Cell(2, 2);
    auto framed = [&] {
        const TColor back = Pixel(c.Left + 20, c.Top + 10);
        for (int y = c.Top + 2; y < c.Top + 6; ++y)
            if (Pixel(c.Left + 1, y) != back)
                return true;
        return false;
    };
    EXPECT_TRUE(framed());
    Grid->SetHideFocusRect(true);
    Repaint();
    EXPECT_FALSE(framed());
    Grid->SetHideFocusRect(false);
    Grid->SetOptions(Grid->Options() + goRowSelect);
    Repaint();
    EXPECT_FALSE(framed());
}

TEST_F(PaintGridTest, ModifiedRowsShowTheirBarInColumnZero)
{
    Grid->ShowModified()->SetEnabled(true);
    Grid->ShowModified()->SetColor(clRed);
    Grid->SetRowModified(3, true);
    Repaint();
    const TRect c = Cell(0, 3);
    EXPECT_EQ(Pixel(c.Right - 3, c.Top + 8), clRed);
    EXPECT_NE(Pixel(Cell(0, 4).Right - 3, Cell(0, 4).Top + 8), clRed);
}

TEST_F(PaintGridTest, AlwaysVisibleDropDownButtonsNarrowTheText)
{
    Grid->ControlLook()->SetDropDownAlwaysVisible(true);
    Grid->SetDefaultEditor(edComboList);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect c = Cell(2, 2);
    // A button face where the text of a plain cell would be blank.
    EXPECT_NE(Pixel(c.Right - 9, c.Top + c.Height() / 2), clWhite);
    EXPECT_EQ(Pixel(c.Right - 9, Cell(2, 0).Top + 3), Pixel(Cell(1, 0).Right - 9, Cell(1, 0).Top + 3));
}

} // namespace

namespace {

struct CheckStyleCase {
    const char* Name;
    ProGrid::TControlStyle Style;
};

class CheckStyleTest : public PaintGridTest, public ::testing::WithParamInterface<CheckStyleCase> {};

// The dark pixels of the box at the left of a cell.
int Marked(TCanvas* C, const TRect& R)
{
    int n = 0;
    for (int y = R.Top + 1; y < R.Bottom - 1; ++y)
        for (int x = R.Left + 1; x < R.Left + 20; ++x)
            if (GetRValue(C->Pixels(x, y)) + GetGValue(C->Pixels(x, y)) + GetBValue(C->Pixels(x, y)) < 400)
                ++n;
    return n;
}

TEST_P(CheckStyleTest, CheckedAndUncheckedBoxesDiffer)
{
    Grid->ControlLook()->SetControlStyle(GetParam().Style);
    if (GetParam().Style == csGlyph) {
        TBitmap on(15, 15), off(15, 15);
        on.Canvas()->Brush()->SetColor(clNavy);
        on.Canvas()->FillRect(TRect{0, 0, 15, 15});
        off.Canvas()->Brush()->SetColor(clGray);
        off.Canvas()->FillRect(TRect{0, 0, 15, 15});
        Grid->ControlLook()->SetCheckedGlyph(&on);
        Grid->ControlLook()->SetUnCheckedGlyph(&off);
    }
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->AddCheckBoxColumn(2, false, true);
    Grid->SetCheckBoxState(2, 1, true);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const int checked = Marked(Grid->Canvas(), Cell(2, 1));
    const int unchecked = Marked(Grid->Canvas(), Cell(2, 2));
    EXPECT_GT(checked, unchecked);
    // A data check box shows its state, not its text.
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("Y"));
    EXPECT_EQ(Pixel(Cell(2, 1).Right - 8, Cell(2, 1).Top + 10), clWhite);
}

INSTANTIATE_TEST_SUITE_P(ProStringGridPaint, CheckStyleTest,
                         ::testing::Values(CheckStyleCase{"Classic", csClassic}, CheckStyleCase{"Flat", csFlat},
                                           CheckStyleCase{"WinXP", csWinXP}, CheckStyleCase{"Borland", csBorland},
                                           CheckStyleCase{"QLX", csQLX}, CheckStyleCase{"Glyph", csGlyph},
                                           CheckStyleCase{"Theme", csTheme}),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(PaintGridTest, ProgressBarFillsItsShareOfTheCell)
{
    Grid->AddProgress(3, 2, clRed, clWhite);
    Grid->SetCells(3, 2, QStringLiteral("50"));
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect c = Cell(3, 2);
    EXPECT_EQ(Pixel(c.Left + c.Width() / 4, c.Bottom - 5), clRed);
    EXPECT_EQ(Pixel(c.Left + 3 * c.Width() / 4, c.Bottom - 5), clWhite);
}

TEST_F(PaintGridTest, RadioGroupChecksItsOption)
{
    TStringList options;
    options.Add(QStringLiteral("A"));
    options.Add(QStringLiteral("B"));
    Grid->SetDefaultRowHeight(40);
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->AddRadio(1, 1, 0, 1, &options);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect c = Cell(1, 1);
    const int lineHeight = Grid->Canvas()->TextHeight(QStringLiteral("gh"));
    // The second option's button holds the dot.
    auto dark = [&](int Top) { return Marked(Grid->Canvas(), TRect{c.Left, Top, c.Left + 14, Top + lineHeight}); };
    EXPECT_GT(dark(c.Top + 2 + lineHeight), dark(c.Top + 2));
}

TEST_F(PaintGridTest, NodesShowTheirButtonAndTreeLines)
{
    Grid->SetFixedCols(0);
    Grid->AddNode(1, 3);
    Grid->SetSelection(TGridRect{4, 7, 4, 7});
    Repaint();
    const TRect node = Cell(0, 1);
    EXPECT_LT(Darkest(TRect{node.Left, node.Top, node.Left + 16, node.Bottom}), 200);
    // The guide of the node runs down through its rows.
    const TRect child = Cell(0, 2);
    int guide = 0;
    for (int x = child.Left; x < child.Left + 16; ++x)
        for (int y = child.Top; y < child.Bottom; ++y)
            guide += Pixel(x, y) == Grid->CellNode()->TreeColor();
    EXPECT_GE(guide, child.Height());
}

} // namespace
