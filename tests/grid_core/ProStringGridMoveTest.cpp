// Moving rows and columns, and zooming.
#include "../support/QStringPrinter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/Form.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class GridMove : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 700, 400);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBounds(0, 0, 680, 380);
        Grid->SetColCount(7);
        Grid->SetRowCount(20);
        for (int c = 0; c < 7; ++c)
            for (int r = 0; r < 20; ++r)
                Grid->SetCells(c, r, QStringLiteral("%1:%2").arg(c).arg(r));
        Form->Show();
    }
    QStringList Row(int R) const
    {
        QStringList out;
        for (int c = 0; c < Grid->ColCount(); ++c)
            out << Grid->Cells(c, R);
        return out;
    }
    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
};

} // namespace

TEST_F(GridMove, MovingAColumnRemapsTheSortIndexesAndKeepsTheCursorOnItsCell)
{
    Grid->SortSettings()->SetIndexShow(true);
    Grid->SortSettings()->SetColumn(5);
    TSortIndexList* keys = Grid->SortIndexes();
    keys->AddIndex(5, true);
    keys->AddIndex(2, false);
    keys->AddIndex(3, true);
    Grid->SetCol(3);
    Grid->MoveColumn(2, 5);
    EXPECT_EQ(keys->SaveToString(), QStringLiteral("u4;d5;u2"));
    EXPECT_EQ(Grid->SortSettings()->Column(), 4);
    EXPECT_EQ(Grid->Cells(5, 1), QStringLiteral("2:1"));
    EXPECT_EQ(Grid->Col(), 2) << "the cursor moves with its cell, once";
    EXPECT_EQ(Grid->Cells(Grid->Col(), 1), QStringLiteral("3:1"));
}

TEST_F(GridMove, CellControlsFollowTheirCells)
{
    auto* a = new TCheckBox(Form.get());
    auto* b = new TCheckBox(Form.get());
    Grid->SetCellControls(2, 3, a);
    Grid->SetCellControls(5, 4, b);
    Grid->MoveColumn(5, 2);
    EXPECT_EQ(Grid->CellControls(3, 3), a);
    EXPECT_EQ(Grid->CellControls(2, 4), b);
    const TRect r = Grid->CellRect(3, 3);
    EXPECT_EQ(a->Left(), r.Left - 1);
    EXPECT_EQ(a->Top(), r.Top - 1);
}

TEST_F(GridMove, MoveRowsTakesTheBlockToItsNewPlace)
{
    Grid->MoveRows(2, 10, 3);
    // Rows 2..4 now stand at 7..9; 5..9 moved up to 2..6.
    for (int r = 2; r <= 6; ++r)
        EXPECT_EQ(Grid->Cells(1, r), QStringLiteral("1:%1").arg(r + 3)) << r;
    for (int r = 7; r <= 9; ++r)
        EXPECT_EQ(Grid->Cells(1, r), QStringLiteral("1:%1").arg(r - 5)) << r;
    EXPECT_EQ(Grid->Cells(1, 10), QStringLiteral("1:10"));
    EXPECT_EQ(Grid->RowCount(), 20);
    const QStringList before = Row(3);
    Grid->MoveRows(3, 3, 2);
    Grid->MoveRows(3, 8, 0);
    EXPECT_EQ(Row(3), before);
}

TEST_F(GridMove, MoveRowReportsOnce)
{
    QStringList moves;
    Grid->OnRowMoved = [&](TObject*, int From, int To) { moves << QStringLiteral("%1>%2").arg(From).arg(To); };
    Grid->MoveRow(2, 6);
    EXPECT_EQ(moves, QStringList({"2>6"}));
    EXPECT_EQ(Grid->Cells(1, 6), QStringLiteral("1:2"));
}

TEST_F(GridMove, ZoomStepsEveryColumnAndRowWithinTenSteps)
{
    const int w = Grid->ColWidths(1);
    const int h = Grid->RowHeights(1);
    for (int i = 0; i < 3; ++i)
        Grid->Zoom(3);
    EXPECT_EQ(Grid->ColWidths(1), w + 9);
    EXPECT_EQ(Grid->RowHeights(1), h + 9);
    EXPECT_EQ(Grid->ZoomFactor(), 9);
    Grid->Zoom(3);
    EXPECT_EQ(Grid->ColWidths(1), w + 9) << "past 10 steps nothing changes";
    EXPECT_EQ(Grid->ZoomFactor(), 9);
    Grid->SetColWidths(2, 0);
    Grid->Zoom(-9);
    EXPECT_EQ(Grid->ColWidths(1), w);
    EXPECT_EQ(Grid->ColWidths(2), 0) << "a hidden width stays hidden";
}

TEST_F(GridMove, ScrollInViewCentresAFarCellAndLeavesAVisibleOne)
{
    Grid->SetRowCount(80);
    Grid->SetBounds(0, 0, 680, 23 * 11 + 9);
    ASSERT_EQ(Grid->VisibleRowCount(), 10);
    QStringList seen;
    auto note = [&] { seen << QStringLiteral("row %1 top %2").arg(Grid->Row()).arg(Grid->TopRow()); };
    Grid->SetRow(3);
    Grid->ScrollInView(2, 5);
    note();
    Grid->ScrollInView(2, 50);
    note();
    Grid->ScrollInView(2, 79);
    note();
    Grid->ScrollInView(2, 80);
    Grid->ScrollInView(-1, 5);
    note();
    EXPECT_EQ(seen, QStringList({"row 3 top 1", "row 50 top 45", "row 79 top 70", "row 79 top 70"}));
}
