// Mouse input through the platform's synthetic input: current cell,
// range selection by drag and Shift, sizing by dragging a line in the
// fixed area, moving a column or row by its fixed cell.
#include "CustomGridFixture.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Canvas.h"

using namespace SyntheticInput;

namespace {

TEST_F(CustomGridTest, ClickMovesTheCurrentCellAndFixedCellsDoNot)
{
    Click(Grid, Centre(3, 2));
    EXPECT_EQ(Grid->Log, QStringList({"SelectCell 3,2"}));
    EXPECT_EQ(Grid->Selection(), (TGridRect{3, 2, 3, 2}));
    Click(Grid, Centre(0, 4));
    Click(Grid, Centre(2, 0));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(CustomGridTest, DragSelectsARangeFromThePressedCell)
{
    MouseDown(Grid, mbLeft, Centre(1, 1));
    MouseMove(Grid, Centre(2, 3), {ssLeft});
    MouseMove(Grid, Centre(3, 2), {ssLeft});
    MouseUp(Grid, mbLeft, Centre(3, 2));
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 3, 2}));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    // Dragging past the fixed row stops at the first scrolled row.
    MouseDown(Grid, mbLeft, Centre(2, 3));
    MouseMove(Grid, Centre(2, 0), {ssLeft});
    MouseUp(Grid, mbLeft, Centre(2, 0));
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 1, 2, 3}));
}

TEST_F(CustomGridTest, DraggingPastTheCellsScrollsOneCellPerTick)
{
    MouseDown(Grid, mbLeft, Centre(1, 1));
    MouseMove(Grid, {70, 150}, {ssLeft});
    int row = Grid->Row();
    int top = Grid->TopRow();
    ASSERT_TRUE(FireTimer(Grid, 1));
    EXPECT_EQ(Grid->Row(), row + 1);
    EXPECT_EQ(Grid->TopRow(), top + 1);
    MouseMove(Grid, {70, 5}, {ssLeft});
    FireTimer(Grid, 1);
    EXPECT_EQ(Grid->TopRow(), top) << "above the cells it scrolls back";
    MouseUp(Grid, mbLeft, {70, 5});
    EXPECT_EQ(TimerCount(Grid), 0);
    EXPECT_EQ(Grid->Selection().Top, 1);
}

TEST_F(CustomGridTest, ShiftClickStretchesFromTheAnchor)
{
    Click(Grid, Centre(2, 2));
    Click(Grid, Centre(4, 4), {ssShift});
    EXPECT_EQ(Grid->Selection(), (TGridRect{2, 2, 4, 4}));
    Click(Grid, Centre(1, 1), {ssShift});
    EXPECT_EQ(Grid->Selection(), (TGridRect{1, 1, 2, 2}));
}

TEST_F(CustomGridTest, SizingStateOnlyNearLinesInTheFixedArea)
{
    Grid->SetOptions(Grid->Options() + goColSizing + goRowSizing);
    struct Case {
        const char* Name;
        TPoint P;
        TGridState State;
        int Index;
    };
    // Column 1 ends at x 101, row 1 at y 41.
    const Case cases[] = {
        {"on the line after column 1", {101, 10}, gsColSizing, 1},
        {"just left of it", {98, 10}, gsColSizing, 1},
        {"in the middle of a fixed cell", {76, 10}, gsNormal, -1},
        {"in a scrolled row", {101, 30}, gsNormal, -1},
        {"on the line after row 1", {20, 41}, gsRowSizing, 1},
        {"in a scrolled column", {70, 41}, gsNormal, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TGridState state = gsNormal;
        int index = -1, pos = 0, ofs = 0;
        Grid->CalcSizingState(c.P.X, c.P.Y, state, index, pos, ofs);
        EXPECT_EQ(state, c.State);
        EXPECT_EQ(index, c.Index);
    }
}

TEST_F(CustomGridTest, DraggingALineInTheFixedAreaSizesTheColumnOrRow)
{
    struct Case {
        const char* Name;
        TGridOption Option;
        TPoint From, To;
        // Where the sizing line shows while dragging.
        TPoint LinePixel;
        int Cols1, Rows1;
        TRect Cell22;
    };
    // Column 1 ends at x 101, row 1 at y 41.
    const Case cases[] = {
        {"column", goColSizing, {100, 10}, {120, 10}, {121, 60}, 70, 20, {122, 42, 172, 62}},
        {"row", goRowSizing, {20, 40}, {20, 30}, {70, 31}, 50, 10, {102, 32, 152, 52}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetOptions(Grid->Options() + c.Option);
        Grid->Update();
        TColor before = Grid->Canvas()->Pixels(c.LinePixel.X, c.LinePixel.Y);
        MouseDown(Grid, mbLeft, c.From);
        MouseMove(Grid, c.To, {ssLeft});
        EXPECT_NE(Grid->GridState(), gsNormal);
        EXPECT_NE(Grid->Canvas()->Pixels(c.LinePixel.X, c.LinePixel.Y), before) << "the sizing line shows";
        MouseUp(Grid, mbLeft, c.To);
        EXPECT_EQ(Grid->ColWidths(1), c.Cols1);
        EXPECT_EQ(Grid->RowHeights(1), c.Rows1);
        EXPECT_EQ(Grid->ColWidths(2), 50);
        EXPECT_EQ(Grid->CellRect(2, 2), c.Cell22);
        EXPECT_EQ(Grid->GridState(), gsNormal);
        EXPECT_EQ(Grid->Col(), 1) << "sizing does not move the current cell";
        EXPECT_EQ(Grid->Row(), 1);
        // A fresh grid for the next row.
        TearDown();
        SetUp();
    }
}

TEST_F(CustomGridTest, PlatformHandlingRunsWithoutTheHooks)
{
    int hookCalls = 0;
    Grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++hookCalls; };
    Grid->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { ++hookCalls; };
    TPoint p = Centre(3, 4);
    Grid->GridMouseDown(mbLeft, {}, p.X, p.Y);
    Grid->GridMouseUp(mbLeft, {}, p.X, p.Y);
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
    EXPECT_EQ(Grid->GridState(), gsNormal);
    EXPECT_EQ(hookCalls, 0);
    Click(Grid, Centre(2, 2));
    EXPECT_EQ(hookCalls, 2) << "real input reaches the hooks";
}

TEST_F(CustomGridTest, DraggingAFixedCellMovesTheColumnWithItsCells)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    Grid->SetCells(1, 3, QStringLiteral("one"));
    Grid->SetCells(3, 3, QStringLiteral("three"));
    QStringList moved;
    Grid->OnColumnMoved = [&](TObject*, int from, int to) { moved << QStringLiteral("%1->%2").arg(from).arg(to); };
    MouseDown(Grid, mbLeft, Centre(1, 0));
    MouseMove(Grid, Centre(2, 0), {ssLeft});
    MouseMove(Grid, Centre(3, 0), {ssLeft});
    MouseUp(Grid, mbLeft, Centre(3, 0));
    EXPECT_EQ(moved, QStringList({"1->3"}));
    EXPECT_EQ(Grid->Cells(3, 3), QStringLiteral("one"));
    EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("three"));
    EXPECT_EQ(Grid->Cells(1, 3), QString());
}

TEST_F(CustomGridTest, DraggingAFixedCellMovesTheRow)
{
    Grid->SetOptions(Grid->Options() + goRowMoving);
    Grid->SetCells(2, 4, QStringLiteral("four"));
    MouseDown(Grid, mbLeft, Centre(0, 4));
    MouseMove(Grid, Centre(0, 2), {ssLeft});
    MouseUp(Grid, mbLeft, Centre(0, 2));
    EXPECT_EQ(Grid->Cells(2, 2), QStringLiteral("four"));
    EXPECT_EQ(Grid->Cells(2, 4), QString());
}

} // namespace
