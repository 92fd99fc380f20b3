// What the release ends: a fixed column or row sized by its border, an
// enhanced column or row move; and the cell scroll bar that follows the
// mouse. Each case records what the grid reported and compares the whole
// record at once.
#include "GridMouseFixture.h"
#include "grid/core/DragSettings.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/ScrollBar.h"

namespace {

class GridReleaseEnds : public GridPointer {
protected:
    void SetUp() override
    {
        GridPointer::SetUp();
        Grid->OnColumnSizing = [&](TObject*, int ACol, int Size) { Log << QStringLiteral("sizing %1 %2").arg(ACol).arg(Size); };
        Grid->OnRowSizing = [&](TObject*, int ARow, int Size) { Log << QStringLiteral("row sizing %1 %2").arg(ARow).arg(Size); };
        Grid->OnEndColumnSize = [&](TObject*, int ACol) {
            Log << QStringLiteral("end column %1 width %2").arg(ACol).arg(Grid->ColWidths(ACol));
        };
        Grid->OnEndRowSize = [&](TObject*, int ARow) {
            Log << QStringLiteral("end row %1 height %2").arg(ARow).arg(Grid->RowHeights(ARow));
        };
        Grid->OnClickSort = [&](TObject*, int ACol) { Log << QStringLiteral("sorted %1").arg(ACol); };
        Grid->SortSettings()->SetShow(true);
    }
    // The windows a move shows, and the cursor.
    QString MoveWindows()
    {
        const bool snapshot = Grid->MoveForm() && Grid->MoveForm()->Visible();
        return QStringLiteral("arrows %1%2%3%4 snapshot %5 button %6 cursor %7")
            .arg(Grid->ArwU()->Visible())
            .arg(Grid->ArwD()->Visible())
            .arg(Grid->ArwL()->Visible())
            .arg(Grid->ArwR()->Visible())
            .arg(snapshot)
            .arg(Grid->MoveButton()->Visible())
            .arg(Screen->Cursor() == crDefault ? "default" : "other");
    }
    void LogMoves()
    {
        Grid->OnColumnMoved = [&](TObject*, int From, int To) { Log << QStringLiteral("column moved %1 %2").arg(From).arg(To); };
        Grid->OnRowMoved = [&](TObject*, int From, int To) { Log << QStringLiteral("row moved %1 %2").arg(From).arg(To); };
        Grid->OnStartBlockFocus = [&](TObject*) { ++Starts; };
        Grid->OnEndBlockFocus = [&](TObject*) { Log << QStringLiteral("end block focus after %1 steps").arg(Starts); };
    }
    int Starts = 0;
};

} // namespace

// Column 0 spans 0..63 and row 0 spans 0..21.
TEST_F(GridReleaseEnds, AFixedColumnSizedByDragReportsItsFinalWidthOnceAndSortsNothing)
{
    Grid->MouseActions()->SetSizeFixedCol(true);
    // The release lands on the sort header of column 1 once the width is cut.
    Grid->OnUpdateColumnSize = [&](TObject*, int ACol, int& AWidth) {
        Log << QStringLiteral("update %1 %2").arg(ACol).arg(AWidth);
        AWidth -= 20;
    };
    Move(63, 10);
    Down(63, 10);
    Log << QStringLiteral("sizing %1").arg(Grid->FixedColSizing());
    Move(80, 10, {ssLeft});
    Move(110, 10, {ssLeft});
    Up(110, 10);
    Log << QStringLiteral("width %1 sizing %2").arg(Grid->ColWidths(0)).arg(Grid->FixedColSizing());
    EXPECT_EQ(Log, QStringList({"sizing 1", "sizing 0 80", "sizing 0 110", "end column 0 width 110", "update 0 110",
                                "width 90 sizing 0"}));
}

TEST_F(GridReleaseEnds, AFixedRowSizedByDragReportsItsFinalHeight)
{
    Grid->MouseActions()->SetSizeFixedRow(true);
    Move(150, 21);
    Down(150, 21);
    Move(150, 30, {ssLeft});
    Up(150, 40);
    Log << QStringLiteral("height %1 width %2").arg(Grid->RowHeights(0)).arg(Grid->ColWidths(0));
    EXPECT_EQ(Log, QStringList({"row sizing 0 30", "end row 0 height 40", "height 40 width 64"}));
}

TEST_F(GridReleaseEnds, OnColumnSizeRefusesTheFixedColumnsBorder)
{
    Grid->MouseActions()->SetSizeFixedCol(true);
    Grid->OnColumnSize = [&](TObject*, int ACol, bool& Allow) { Allow = ACol != 0; };
    Move(63, 10);
    Down(63, 10);
    Move(90, 10, {ssLeft});
    Up(60, 10);
    Log << QStringLiteral("width %1 sizing %2").arg(Grid->ColWidths(0)).arg(Grid->FixedColSizing());
    EXPECT_EQ(Log, QStringList({"width 64 sizing 0"}));
}

// A fixed column dragged left past its start keeps no width: a negative
// one would hide it for good.
TEST_F(GridReleaseEnds, AFixedColumnDraggedPastItsStartKeepsNoWidth)
{
    Grid->SetFixedCols(2);
    Grid->MouseActions()->SetSizeFixedCol(true);
    Move(128, 100);
    Down(128, 100);
    Move(20, 100, {ssLeft});
    Up(20, 100);
    Log << QStringLiteral("widths %1 %2").arg(Grid->ColWidths(0)).arg(Grid->ColWidths(1));
    EXPECT_EQ(Log, QStringList({"sizing 0 20", "end column 1 width 0", "widths 64 0"}));
}

TEST_F(GridReleaseEnds, AColumnMoveEndedByReleaseMovesOnceAndLeavesNoWindowShown)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    LogMoves();
    Down(150, 10);
    Move(220, 10, {ssLeft});
    Move(290, 10, {ssLeft});
    Up(290, 10);
    Log << MoveWindows() << Grid->Cells(4, 1) + " " + Grid->Cells(2, 1);
    EXPECT_EQ(Log, QStringList({"end block focus after 2 steps", "column moved 2 4",
                                "arrows 0000 snapshot 0 button 0 cursor default", "2:1 3:1"}));
}

TEST_F(GridReleaseEnds, ARowMoveEndedByReleaseMovesOnce)
{
    Grid->SetOptions(Grid->Options() + goRowMoving);
    Grid->DragDropSettings()->SetShowCells(false);
    LogMoves();
    Down(30, 2 * 23 + 10);
    Move(30, 4 * 23 + 10, {ssLeft});
    Move(30, 5 * 23 + 10, {ssLeft});
    Up(30, 5 * 23 + 10);
    Log << MoveWindows() << Grid->Cells(1, 5) + " " + Grid->Cells(1, 2);
    EXPECT_EQ(Log, QStringList({"end block focus after 2 steps", "row moved 2 5",
                                "arrows 0000 snapshot 0 button 0 cursor default", "1:2 1:3"}));
}

// Back on the header it started from, the move drops nothing and the
// release is no header click.
TEST_F(GridReleaseEnds, AMoveBackToItsHeaderNeitherMovesNorSorts)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    LogMoves();
    Down(150, 10);
    Move(290, 10, {ssLeft});
    Move(160, 10, {ssLeft});
    Up(160, 10);
    Log << MoveWindows() << Grid->Cells(2, 1);
    EXPECT_EQ(Log, QStringList({"end block focus after 2 steps", "arrows 0000 snapshot 0 button 0 cursor default",
                                "2:1"}));
}

TEST_F(GridReleaseEnds, ARefusedDropEndsTheMoveWithoutMoving)
{
    Grid->SetOptions(Grid->Options() + goColMoving);
    LogMoves();
    Grid->OnColumnMoving = [&](TObject*, int ACol, bool& Allow) { Allow = ACol != 4; };
    Down(150, 10);
    Move(290, 10, {ssLeft});
    Up(290, 10);
    Log << MoveWindows() << QStringLiteral("state %1").arg(Grid->GridState() == gsNormal) << Grid->Cells(2, 1);
    EXPECT_EQ(Log, QStringList({"end block focus after 1 steps", "arrows 0000 snapshot 0 button 0 cursor default",
                                "state 1", "2:1"}));
}

// Cell (2, 3) spans 128..191 x 66..87, its lines inside; its content is
// 100 high in a page of 20.
TEST_F(GridReleaseEnds, TheCellScrollBarFollowsTheMouseAndItsStepsReachTheCell)
{
    Grid->AddScrollBar(2, 3, false);
    Grid->SetScrollProp(2, 3, TScrollProp{20, 100});
    Grid->SetScrollPosition(2, 3, 30);
    Grid->AddScrollBar(3, 3, false);
    Grid->SetScrollProp(3, 3, TScrollProp{20, 10});
    Grid->OnScrollCell = [&](TObject*, int ACol, int ARow, int Pos, int Min, int Max) {
        Log << QStringLiteral("scroll %1,%2 %3 of %4..%5").arg(ACol).arg(ARow).arg(Pos).arg(Min).arg(Max);
    };
    TScrollBar* bar = Grid->CellScrollBar();
    auto state = [&] {
        Log << QStringLiteral("shown %1 at %2,%3 %4x%5 position %6")
                   .arg(bar->Visible())
                   .arg(bar->Left())
                   .arg(bar->Top())
                   .arg(bar->Width())
                   .arg(bar->Height())
                   .arg(bar->Position());
    };
    Move(150, 75);
    state();
    SyntheticInput::Key(bar, VK_DOWN);
    SyntheticInput::Key(bar, VK_DOWN);
    Log << QStringLiteral("cell position %1").arg(Grid->GetScrollPosition(2, 3));
    Move(220, 80);
    Log << QStringLiteral("shown %1").arg(bar->Visible());
    Move(150, 80);
    state();
    EXPECT_EQ(Log, QStringList({"shown 1 at 174,67 17x20 position 30", "scroll 2,3 40 of 0..100",
                                "scroll 2,3 50 of 0..100", "cell position 50", "shown 0",
                                "shown 1 at 174,67 17x20 position 50"}));
}

// Scrolled up, the cell's text is cut at the cell's top and leaves the row
// above as it was.
TEST_F(GridReleaseEnds, ScrolledTextStaysInsideItsCell)
{
    Grid->SetMultilinecells(true);
    Grid->SetRowHeights(2, 30);
    Grid->SetCells(1, 2, QStringLiteral("one\r\ntwo\r\nthree\r\nfour"));
    Grid->AddScrollBar(1, 2, true);
    const TRect cell = Grid->CellRect(1, 2);
    auto above = [&] {
        Grid->Repaint();
        QStringList strip;
        for (int y = cell.Top - 6; y < cell.Top; ++y)
            for (int x = cell.Left; x < cell.Right - 20; ++x)
                strip << QString::number(Grid->Canvas()->Pixels(x, y), 16);
        return strip;
    };
    const QStringList before = above();
    Grid->SetScrollPosition(1, 2, 12);
    EXPECT_EQ(above(), before);
}
