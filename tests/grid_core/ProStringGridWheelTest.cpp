// The wheel on the grid: moving the current row, scrolling, Ctrl+wheel
// zoom, and middle-button panning. Each case records what happened and
// compares the whole record at once.
#include "GridMouseFixture.h"
#include "grid/foundation/MouseActions.h"

namespace {

// 5 columns and 10 rows in a grid 200 high.
class GridWheel : public GridPointer {
protected:
    void SetUp() override
    {
        GridPointer::SetUp();
        Grid->SetBounds(0, 0, 480, 200);
        Grid->SetColCount(5);
        ASSERT_EQ(Grid->WheelScrollLines(), 3);
    }
    // One notch; toward the user (down) is a negative delta.
    void Notch(bool Down, TShiftState Shift = {})
    {
        SyntheticInput::Wheel(Grid, Down ? -120 : 120, TPoint{100, 100}, Shift);
    }
};

} // namespace

TEST_F(GridWheel, ANotchMovesTheCurrentRowByTheWheelLinesWithinTheNormalRows)
{
    Grid->SetRow(1);
    Notch(true);
    Log << QString::number(Grid->Row());
    Grid->SetRow(8);
    Notch(true);
    Log << QString::number(Grid->Row());
    Notch(false);
    Log << QString::number(Grid->Row());
    Grid->SetRow(2);
    Notch(false);
    Log << QString::number(Grid->Row());
    EXPECT_EQ(Log, QStringList({"4", "9", "6", "1"}));
}

TEST_F(GridWheel, ScrollActionMovesTheViewAndWheelIncrementFiresTheEvents)
{
    Grid->SetRowCount(20);
    Grid->MouseActions()->SetWheelAction(waScroll);
    Grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool&) { Log << "down"; };
    Grid->OnMouseWheelUp = [&](TObject*, TShiftState, TPoint, bool&) { Log << "up"; };
    Notch(true);
    Log << QStringLiteral("top %1 row %2").arg(Grid->TopRow()).arg(Grid->Row());
    Grid->MouseActions()->SetWheelIncrement(1);
    Notch(false);
    Log << QStringLiteral("top %1").arg(Grid->TopRow());
    EXPECT_EQ(Log, QStringList({"top 4 row 1", "up", "top 3"}));
}

TEST_F(GridWheel, WithoutTheWheelOrWithOnlyAFixedRowNothingMoves)
{
    Grid->SetRow(3);
    Grid->SetEnableWheel(false);
    Notch(true);
    Log << QString::number(Grid->Row());
    Grid->SetEnableWheel(true);
    Grid->SetFixedRowAlways(true);
    Grid->SetRowCount(1);
    Notch(true);
    Log << QString::number(Grid->RowCount());
    EXPECT_EQ(Log, QStringList({"3", "1"}));
}

TEST_F(GridWheel, ZoomStepsThreeTimesThenStopsAtTen)
{
    for (int i = 0; i < 4; ++i) {
        Grid->Zoom(3);
        Log << QStringLiteral("%1/%2").arg(Grid->ColWidths(1)).arg(Grid->ZoomFactor());
    }
    EXPECT_EQ(Log, QStringList({"67/3", "70/6", "73/9", "73/9"}));
}

TEST_F(GridWheel, CtrlWheelZoomsByTheWheelLines)
{
    Grid->SetRow(2);
    Notch(true, {ssCtrl});
    Log << QStringLiteral("zoom %1 row %2").arg(Grid->ZoomFactor()).arg(Grid->Row());
    Notch(false, {ssCtrl});
    Log << QStringLiteral("zoom %1").arg(Grid->ZoomFactor());
    Grid->SetIntelliZoom(false);
    Notch(true, {ssCtrl});
    Log << QStringLiteral("zoom %1 row %2").arg(Grid->ZoomFactor()).arg(Grid->Row());
    EXPECT_EQ(Log, QStringList({"zoom 3 row 2", "zoom 0", "zoom 0 row 5"}));
}

TEST_F(GridWheel, AMiddlePressPansUntilTheNextPress)
{
    SyntheticInput::MouseDown(Grid, mbMiddle, TPoint{100, 100});
    Log << QStringLiteral("panning %1 at %2,%3").arg(Grid->Panning()).arg(Grid->PanOrigin().X).arg(Grid->PanOrigin().Y);
    SyntheticInput::MouseUp(Grid, mbMiddle, TPoint{100, 100});
    SyntheticInput::MouseDown(Grid, mbLeft, TPoint{100, 100});
    Log << QStringLiteral("panning %1").arg(Grid->Panning());
    SyntheticInput::MouseUp(Grid, mbLeft, TPoint{100, 100});
    EXPECT_EQ(Log, QStringList({"panning 1 at 100,100", "panning 0"}));
}
