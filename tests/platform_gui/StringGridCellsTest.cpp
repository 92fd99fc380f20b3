// The string grid's cells: independent of the counts, moved and deleted
// with their columns and rows, and reachable as row and column lists.
#include "CustomGridFixture.h"

namespace {

TEST_F(CustomGridTest, CellsSurviveShrinkingAndReappearOnGrowth)
{
    Grid->SetCells(8, 15, QStringLiteral("far"));
    Grid->SetRowCount(3);
    Grid->SetColCount(2);
    EXPECT_EQ(Grid->Cells(8, 15), QStringLiteral("far"));
    Grid->SetRowCount(20);
    Grid->SetColCount(10);
    EXPECT_EQ(Grid->Cells(8, 15), QStringLiteral("far"));
    EXPECT_EQ(Grid->Store().CellCount(), 1u);
}

TEST_F(CustomGridTest, ShrinkingClampsFixedCountsCurrentCellAndScroll)
{
    Grid->SetRow(15);
    Grid->SetRowCount(1);
    EXPECT_EQ(Grid->FixedRows(), 0);
    EXPECT_EQ(Grid->Row(), 0);
    EXPECT_EQ(Grid->TopRow(), 0);
    EXPECT_THROW(Grid->SetFixedRows(1), EInvalidGridOperation);
    EXPECT_THROW(Grid->SetColWidths(10, 5), EInvalidGridOperation);
    EXPECT_THROW(Grid->MoveColRow(10, 0, true, true), EInvalidGridOperation);
}

TEST_F(CustomGridTest, DeletingARowTakesItsCellsAway)
{
    for (int r = 1; r < 5; ++r)
        Grid->SetCells(1, r, QString::number(r));
    QStringList moved;
    Grid->OnRowMoved = [&](TObject*, int from, int to) { moved << QStringLiteral("%1->%2").arg(from).arg(to); };
    Grid->DeleteRow(2);
    EXPECT_EQ(Grid->RowCount(), 19);
    EXPECT_EQ(moved, QStringList({"2->19"}));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("3"));
    EXPECT_EQ(Grid->Cells(1, 3), QStringLiteral("4"));
    Grid->SetRowCount(20);
    EXPECT_EQ(Grid->Cells(1, 19), QString()) << "the deleted text does not come back";
    Grid->DeleteColumn(1);
    EXPECT_EQ(Grid->Cells(1, 2), QString());
    Grid->SetColCount(10);
    EXPECT_EQ(Grid->Cells(9, 2), QString());
}

TEST_F(CustomGridTest, ChangesCallTheirHooks)
{
    struct Case {
        const char* Name;
        std::function<void(TLoggingGrid*)> Change;
        QStringList Log;
    };
    const Case cases[] = {
        {"counts", [](TLoggingGrid* g) { g->SetRowCount(30); }, {"SizeChanged 10,20"}},
        {"column width", [](TLoggingGrid* g) { g->SetColWidths(2, 80); }, {"ColWidthsChanged"}},
        {"default row height", [](TLoggingGrid* g) { g->SetDefaultRowHeight(30); }, {"RowHeightsChanged"}},
        {"scrolling", [](TLoggingGrid* g) { g->SetTopRow(4); }, {"TopLeftChanged 1,4"}},
        {"same value", [](TLoggingGrid* g) { g->SetColWidths(2, 50); }, {}},
        {"column move", [](TLoggingGrid* g) { g->MoveColumn(1, 3); }, {"ColumnMoved 1,3", "ColWidthsChanged"}},
        {"moving the current cell out of view", [](TLoggingGrid* g) { g->SetRow(9); },
         {"SelectCell 1,9", "TopLeftChanged 1,6"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->LogHooks = true;
        c.Change(Grid);
        EXPECT_EQ(Grid->Log, c.Log);
        TearDown();
        SetUp();
    }
}

TEST_F(CustomGridTest, RowsAndColsReadAndWriteTheCells)
{
    TStrings* row = Grid->Rows(2);
    EXPECT_EQ(row->Count(), 10);
    row->SetStrings(3, QStringLiteral("r2c3"));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("r2c3"));
    TStrings* col = Grid->Cols(3);
    EXPECT_EQ(col->Count(), 20);
    EXPECT_EQ(col->Strings(2), QStringLiteral("r2c3"));
    EXPECT_EQ(Grid->Rows(2), row) << "one list per row";
    TStringList values;
    values.Add(QStringLiteral("a"));
    values.Add(QStringLiteral("b"));
    Grid->SetRows(2, &values);
    EXPECT_EQ(Grid->Cells(0, 2), QStringLiteral("a"));
    EXPECT_EQ(Grid->Cells(1, 2), QStringLiteral("b"));
    EXPECT_EQ(Grid->Cells(3, 2), QString()) << "assigning a row clears the rest";
}

} // namespace
