// The base grid's painter, read back from the grid's image: backgrounds,
// merged ranges (once per pass, never over the fixed cells), the grid's
// own lines, hover and active rows and the rounded selection.
#include "BaseGridFixture.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Messages.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

namespace {

constexpr TColor Fixed = 0xF0E0D0;
constexpr TColor Line = 0xC0C0C0;
constexpr TColor FixedLine = 0x808080;

class BaseGridPaint : public BaseGridTest {
protected:
    void SetUp() override
    {
        BaseGridTest::SetUp();
        Grid->SetFixedColor(Fixed);
        // The current cell away from the cells looked at.
        Grid->SetSelection({5, 4, 5, 4});
    }
    int ContentsOf(int ACol, int ARow) const
    {
        int n = 0;
        for (const auto& c : Grid->Contents)
            n += c.Col == ACol && c.Row == ARow;
        return n;
    }
};

TEST_F(BaseGridPaint, CellsRangesAndLines)
{
    Grid->CellProperties(1, 1)->SetBrushColor(clRed);
    Grid->MergeCells(2, 2, 2, 1);
    Repaint();
    struct Probe {
        const char* Name;
        TPoint At;
        TColor Expect;
    };
    const Probe probes[] = {
        {"plain cell", {170, 70}, clWhite},
        {"its bottom line", {170, 79}, Line},
        {"its right line", {199, 70}, Line},
        {"fixed cell", {20, 30}, Fixed},
        {"fixed cell's bottom line", {20, 39}, FixedLine},
        {"fixed cell's right line", {49, 30}, FixedLine},
        {"coloured cell", {70, 30}, clRed},
        {"coloured cell's line", {99, 30}, Line},
        {"no line inside the range", {149, 45}, clWhite},
        {"the range's right line", {199, 45}, Line},
    };
    for (const Probe& p : probes)
        EXPECT_EQ(Pixel(p.At.X, p.At.Y), p.Expect) << p.Name;
    EXPECT_EQ(ContentsOf(2, 2), 1);
    EXPECT_EQ(ContentsOf(3, 2), 0);
    // The content rectangle: the range inside its one-pixel lines.
    for (const auto& c : Grid->Contents)
        if (c.Col == 2 && c.Row == 2) {
            EXPECT_EQ(c.Rect, (TRect{101, 41, 199, 59}));
        }
}

TEST_F(BaseGridPaint, ARangeHalfUnderTheFixedRowIsPaintedOncePerPassBelowIt)
{
    Grid->MergeCells(2, 2, 2, 2);
    Grid->CellProperties(2, 2)->SetBrushColor(clRed);
    Grid->SetTopRow(3);
    Repaint();
    EXPECT_EQ(ContentsOf(2, 2), 1);
    // 6 x 6 cells shown, the range's two among them.
    EXPECT_EQ(Grid->Contents.size(), std::size_t(6 * 6 - 2 + 1));
    EXPECT_EQ(Pixel(120, 30), clRed);
    EXPECT_EQ(Pixel(170, 30), clRed);
    EXPECT_EQ(Pixel(120, 10), Fixed);
    EXPECT_EQ(Pixel(170, 5), Fixed);
    Repaint();
    EXPECT_EQ(ContentsOf(2, 2), 1);
}

TEST_F(BaseGridPaint, PaintingACellOutsideAPassKeepsTheNextPassWhole)
{
    Grid->MergeCells(2, 2, 2, 2);
    Grid->CellProperties(2, 2)->SetBrushColor(clRed);
    Grid->SetTopRow(3);
    Repaint();
    // A cell of the range painted elsewhere between two passes.
    Grid->PaintCellExt(Grid->Canvas(), 3, 3, {0, 0, 10, 10}, {});
    Repaint();
    EXPECT_EQ(ContentsOf(2, 2), 1);
    EXPECT_EQ(Pixel(170, 30), clRed);
}

TEST_F(BaseGridPaint, HoverAndActiveRows)
{
    constexpr TColor Hover = clYellow, Active = clLime;
    Grid->SetHoverRow(true);
    Grid->SetHoverRowColor(Hover);
    Grid->SetHoverRowIdx(3);
    Grid->MoveColRow(3, 3, true, true);
    Repaint();
    EXPECT_EQ(Pixel(120, 70), Hover) << "normal cell";
    EXPECT_EQ(Pixel(170, 70), Hover) << "selected cell";
    EXPECT_EQ(Pixel(20, 70), Fixed) << "fixed cell";
    EXPECT_EQ(Pixel(120, 50), clWhite) << "other row";

    Grid->SetActiveRowShow(true);
    Grid->SetActiveRowColor(Active);
    Repaint();
    EXPECT_EQ(Pixel(120, 70), Active) << "active row wins";
    EXPECT_EQ(Pixel(170, 70), Hover) << "current cell";
    EXPECT_EQ(Pixel(20, 70), Fixed) << "fixed cell";
}

TEST_F(BaseGridPaint, TheActiveRowLookFollowsTheCurrentRow)
{
    Grid->SetActiveRowShow(true);
    Grid->SetActiveRowColor(clLime);
    Grid->MoveColRow(3, 3, true, true);
    Repaint();
    ASSERT_EQ(Pixel(120, 70), clLime);
    // Only what the move invalidates is painted again.
    Key(Grid, VK_DOWN);
    Grid->Update();
    EXPECT_EQ(Pixel(120, 70), clWhite) << "row left";
    EXPECT_EQ(Pixel(120, 90), clLime) << "row entered";
    // The wheel from inside a range rests on its base cell, two rows up.
    Grid->MergeCells(3, 2, 1, 3);
    Repaint();
    Wheel(Grid, 120, {170, 90});
    Grid->Update();
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Pixel(120, 90), clWhite) << "row left";
    EXPECT_EQ(Pixel(120, 50), clLime) << "row entered";
}

TEST_F(BaseGridPaint, RoundedSelectionFocusedAndNot)
{
    Grid->SetSelectionStyle(ssWin7);
    Grid->SetSelection({2, 4, 4, 4});
    Repaint();
    // Top edge of row 4 (y 80): the first column rounds its left end, the
    // middle one neither, the last one its right end.
    constexpr TColor Border = 0xCEA27D;
    EXPECT_EQ(Pixel(100, 80), clWhite);
    EXPECT_EQ(Pixel(120, 80), Border);
    EXPECT_EQ(Pixel(150, 80), Border);
    EXPECT_EQ(Pixel(200, 80), Border);
    EXPECT_EQ(Pixel(248, 80), clWhite);

    auto* other = new TEdit(Form);
    other->SetParent(Form);
    other->SetBounds(10, 200, 80, 20);
    other->SetFocus();
    ASSERT_FALSE(Grid->Focused());
    Repaint();
    EXPECT_EQ(Pixel(120, 80), TColor(0xD9D9D9));
}

TEST_F(BaseGridPaint, WideLinesLieInsideTheCells)
{
    Grid->SetGridLineWidth(3);
    Repaint();
    for (int y : {77, 78, 79})
        EXPECT_EQ(Pixel(170, y), Line) << y;
    EXPECT_EQ(Pixel(170, 76), clWhite);
    for (int x : {197, 198, 199})
        EXPECT_EQ(Pixel(x, 70), Line) << x;
    EXPECT_EQ(Pixel(196, 70), clWhite);
    for (const auto& c : Grid->Contents)
        if (c.Col == 3 && c.Row == 3) {
            EXPECT_EQ(c.Rect, (TRect{153, 63, 197, 77}));
        }
}

TEST_F(BaseGridPaint, NodesAndTheReservedLastRow)
{
    Grid->NodesShown = true;
    Grid->SetHideLastRow(true);
    Grid->SetCells(2, 11, QStringLiteral("hidden"));
    Grid->SetTopRow(8);
    Repaint();
    // Column 0 has no bottom lines with nodes; column 1 keeps them.
    EXPECT_EQ(Pixel(20, 59), Fixed);
    EXPECT_EQ(Pixel(70, 59), Line);
    // The last row (at y 80) shows only the grid's colour.
    EXPECT_EQ(Pixel(120, 99), clWhite);
    EXPECT_EQ(Pixel(149, 90), clWhite);
    EXPECT_EQ(ContentsOf(2, 11), 0);
}

TEST_F(BaseGridPaint, ASetterRepaintsTheCellWhereItsPropertiesAreNow)
{
    TCellProperties* props = Grid->CellProperties(2, 1);
    Grid->MoveRow(1, 3);
    ASSERT_EQ(Grid->GridObjects(2, 3), props);
    Repaint();
    Grid->Contents.clear();
    props->SetBrushColor(clRed);
    Grid->Update();
    EXPECT_EQ(ContentsOf(2, 3), 1);
    EXPECT_EQ(Pixel(120, 70), clRed);
}

} // namespace
