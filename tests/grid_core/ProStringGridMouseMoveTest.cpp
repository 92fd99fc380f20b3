// The mouse over the grid: hover, hints, sizing with its hint and veto,
// and the feedback of an enhanced column move. Each case records what
// the grid reported and compares the whole record at once.
#include "GridMouseFixture.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/foundation/ArrowWindow.h"
#include "platform/controls/HintWindow.h"

TEST_F(GridPointer, HoverFollowsRowsAndFixedCellsAndLeaving)
{
    Grid->SetHoverRow(true);
    Grid->SetHoverFixedCells(hfAll);
    auto note = [&] {
        Log << QStringLiteral("row %1 fixed %2").arg(Grid->HoverRowIndex()).arg(Pt(Grid->HoverFixedCell()));
    };
    Move(100, 80);
    note();
    Move(140, 10);
    note();
    Move(20, 130);
    note();
    SyntheticInput::MouseLeave(Grid);
    note();
    EXPECT_EQ(Log, QStringList({"row 3 fixed -1,-1", "row 0 fixed 2,0", "row 5 fixed 0,5", "row -1 fixed -1,-1"}));
}

TEST_F(GridPointer, CellHintAsksOnGridHintWithTheRowFirst)
{
    Grid->OnGridHint = [&](TObject*, int ARow, int ACol, QString& Hint) {
        Log << QStringLiteral("OnGridHint row %1 col %2").arg(ARow).arg(ACol);
        Hint = QStringLiteral("<b>cell</b> %1").arg(Hint);
    };
    Grid->SetHintColor(clYellow);
    THintInfo info;
    info.HintControl = Grid;
    info.CursorPos = TPoint{150, 85};
    info.HintStr = QStringLiteral("grid");
    Grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    // Below the cell, at the mouse's x.
    const TPoint at = Grid->ClientToScreen(TPoint{150, Grid->CellRect(2, 3).Bottom + 6});
    Log << info.HintStr << Pt(info.HintPos == at ? TPoint{1, 1} : info.HintPos)
        << QString::number(info.HintColor == clYellow) << QString::number(info.HintData == Grid);
    EXPECT_EQ(Log, QStringList({"OnGridHint row 3 col 2", "<b>cell</b> grid", "1,1", "1", "1"}));
}

TEST_F(GridPointer, DraggingAColumnBorderReportsTheWidthAndShowsItAsAHint)
{
    Grid->SetOptions(Grid->Options() + goColSizing);
    Grid->SetHintShowSizing(true);
    Grid->OnColumnSizing = [&](TObject*, int ACol, int Size) { Log << QStringLiteral("sizing %1 %2").arg(ACol).arg(Size); };
    Down(129, 10);
    Move(139, 10, {ssLeft});
    Log << (Grid->ScrollHintWindow() ? Grid->ScrollHintWindow()->Text() : QStringLiteral("no hint"));
    Up(139, 10);
    Log << QStringLiteral("width %1 hint %2").arg(Grid->ColWidths(1)).arg(Grid->SizingHintShown());
    EXPECT_EQ(Log, QStringList({"sizing 1 74", "cw=<b>74</b>", "width 74 hint 0"}));
}

TEST_F(GridPointer, OnColumnSizeVetoesSizingThatColumn)
{
    Grid->SetOptions(Grid->Options() + goColSizing);
    Grid->OnColumnSize = [&](TObject*, int ACol, bool& Allow) {
        Allow = ACol != 1;
        Log << QStringLiteral("size %1 %2").arg(ACol).arg(Allow);
    };
    Down(129, 10);
    Move(150, 10, {ssLeft});
    Up(150, 10);
    Down(194, 10);
    Move(180, 10, {ssLeft});
    Up(180, 10);
    Log << QStringLiteral("widths %1 %2").arg(Grid->ColWidths(1)).arg(Grid->ColWidths(2));
    ASSERT_FALSE(Log.isEmpty());
    Log.removeDuplicates();
    EXPECT_EQ(Log, QStringList({"size 1 0", "size 2 1", "widths 64 50"}));
}

TEST_F(GridPointer, EnhancedColumnMoveMarksTheDropAndMovesOnRelease)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    Grid->OnColumnMoving = [&](TObject*, int ACol, bool& Allow) {
        Allow = ACol != 3;
        Log << QStringLiteral("moving %1").arg(ACol);
    };
    auto state = [&] {
        Log << QStringLiteral("drop %1 arrows %2%3 snapshot %4 cursor %5")
                   .arg(Grid->MoveColInd())
                   .arg(Grid->ArwU()->Visible())
                   .arg(Grid->ArwD()->Visible())
                   .arg(Grid->MoveForm() && Grid->MoveForm()->Visible())
                   .arg(Screen->Cursor() == crDrag ? "drag" : Screen->Cursor() == crNoDrop ? "nodrop" : "other");
    };
    Down(150, 10);
    Move(220, 10, {ssLeft});
    state();
    Move(290, 10, {ssLeft});
    state();
    Up(290, 10);
    state();
    Log << Grid->Cells(2, 1) + " " + Grid->Cells(4, 1);
    EXPECT_EQ(Log, QStringList({"moving 3", "drop 3 arrows 11 snapshot 1 cursor nodrop", "moving 4",
                                "drop 4 arrows 11 snapshot 1 cursor drag", "drop 4 arrows 00 snapshot 0 cursor other",
                                "3:1 2:1"}));
}

TEST_F(GridPointer, ARefusedDropLeavesTheColumnsAndARightReleaseIsSwallowed)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    Grid->OnColumnMoving = [&](TObject*, int, bool& Allow) { Allow = false; };
    Down(150, 10);
    Move(290, 10, {ssLeft});
    SyntheticInput::MouseUp(Grid, mbRight, TPoint{290, 10});
    Log << QStringLiteral("moving %1").arg(Grid->GridState() == gsColMoving);
    Up(290, 10);
    Log << Grid->Cells(2, 1);
    EXPECT_EQ(Log, QStringList({"moving 1", "2:1"}));
}

TEST_F(GridPointer, NoCellHintWhileAColumnIsSizedOrMoved)
{
    Grid->SetOptions(Grid->Options() + goColSizing + goColMoving);
    Grid->OnGridHint = [&](TObject*, int, int, QString& Hint) { Hint = QStringLiteral("cell"); };
    auto ask = [&](int X, int Y) {
        THintInfo info;
        info.HintControl = Grid;
        info.CursorPos = TPoint{X, Y};
        const LRESULT cancel = Grid->Perform(CM_HINTSHOW, 0, LPARAM(&info));
        Log << QStringLiteral("%1 %2").arg(cancel).arg(info.HintStr);
    };
    Down(129, 10);
    Move(140, 10, {ssLeft});
    ask(140, 10);
    Up(140, 10);
    Down(220, 10);
    Move(290, 10, {ssLeft});
    ask(290, 10);
    Up(290, 10);
    ask(290, 10);
    EXPECT_EQ(Log, QStringList({"1 ", "1 ", "0 cell"}));
}

TEST_F(GridPointer, HoveringMakesTheNormalCellUnderTheMouseCurrentOnATick)
{
    auto tick = [&] {
        Grid->Perform(WM_TIMER, TProStringGrid::GridTimerID, 0);
        Log << QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row());
    };
    Move(150, 80);
    tick();
    Grid->SetHovering(true);
    tick();
    Move(20, 10);
    tick();
    EXPECT_EQ(Log, QStringList({"1,1", "2,3", "2,3"}));
}
