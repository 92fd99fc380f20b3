#include "../support/QStringPrinter.h"
#include "grid/core/GridItem.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

// A shown grid of 3 columns and 6 rows (one fixed row and column), no
// frame and no scroll bars.
class AutoSizeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TProStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 301, 200);
        Grid->SetColCount(3);
        Grid->SetRowCount(6);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    int TextWidth(const QString& S)
    {
        Grid->Canvas()->Font()->Assign(Grid->Font());
        return Grid->Canvas()->TextWidth(S);
    }

    TForm* Form = nullptr;
    TProStringGrid* Grid = nullptr;
};

TEST_F(AutoSizeTest, ColumnTakesItsWidestTextWithInsetAndLinesWithinTheLimits)
{
    const QString wide = QStringLiteral("A rather wide cell text");
    Grid->SetCells(1, 2, QStringLiteral("short"));
    Grid->SetCells(1, 3, wide);
    const int expected = TextWidth(wide) + 8;
    ASSERT_GT(expected, 40);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), expected);
    Grid->SetMaxColWidth(40);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), 40);
    // Equal limits are no limits.
    Grid->SetMinColWidth(40);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), expected);
    Grid->AutoSizeCol(1, 5);
    EXPECT_EQ(Grid->ColWidths(1), expected + 5);
}

TEST_F(AutoSizeTest, ColumnSizeRowsChoosesTheRowsMeasured)
{
    // Header row 0, data rows 1..4, footer row 5.
    struct Case {
        const char* Name;
        TAutoSizeRows Rows;
        int WidestRow;
    };
    const Case cases[] = {
        {"All", arAll, 5},
        {"Fixed", arFixed, 0},
        {"Normal", arNormal, 1},
    };
    Grid->SetCells(1, 0, QStringLiteral("A long header text"));
    Grid->SetCells(1, 1, QStringLiteral("mid data text"));
    Grid->SetCells(1, 2, QStringLiteral("x"));
    Grid->SetCells(1, 5, QStringLiteral("A much longer footer text"));
    Grid->SetFixedFooters(1);
    for (const Case& c : cases) {
        Grid->ColumnSize()->SetRows(c.Rows);
        Grid->AutoSizeCol(1);
        EXPECT_EQ(Grid->ColWidths(1), Grid->GetCellTextSize(1, c.WidestRow).cx + 8) << c.Name;
    }
}

TEST_F(AutoSizeTest, GrowOnlyKeepsWideColumnsAndCellsNeverLowerARow)
{
    Grid->SetCells(1, 1, QStringLiteral("ab"));
    Grid->SetColWidths(1, 200);
    Grid->SetSizeGrowOnly(true);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), 200);
    Grid->AutoSizeCells(false, 0, 0);
    EXPECT_EQ(Grid->ColWidths(1), 200);
    Grid->SetSizeGrowOnly(false);
    Grid->SetRowHeights(1, 60);
    Grid->AutoSizeCells(false, 0, 0);
    EXPECT_EQ(Grid->ColWidths(1), TextWidth(QStringLiteral("ab")) + Grid->XYOffset().X);
    EXPECT_EQ(Grid->RowHeights(1), 60);
}

TEST_F(AutoSizeTest, HeaderColumnsMakeRoomForTheSortGlyph)
{
    Grid->SetCells(1, 0, QStringLiteral("Head"));
    Grid->SortSettings()->SetShow(true);
    Grid->SortSettings()->SetRow(0);
    Grid->SortSettings()->SetColumn(1);
    Grid->ColumnSize()->SetRows(arFixed);
    Grid->AutoSizeCol(1);
    const int head = Grid->GetCellTextSize(1, 0).cx;
    EXPECT_EQ(Grid->ColWidths(1), head + 10 + 8);
    Grid->SortSettings()->SetShow(false);
    Grid->AutoSizeCol(1);
    EXPECT_EQ(Grid->ColWidths(1), head + 8);
}

TEST_F(AutoSizeTest, RowsWithoutWordWrapTakeTheirLineCount)
{
    Grid->Canvas()->Font()->Assign(Grid->Font());
    const int h = Grid->Canvas()->TextHeight(QStringLiteral("gh"));
    Grid->SetWordWrap(false);
    Grid->SetMultilinecells(true);
    Grid->SetCells(1, 2, QStringLiteral("one\r\ntwo\r\nthree"));
    Grid->AutoSizeRows(false, 2);
    EXPECT_EQ(Grid->RowHeights(1), 2 + h + h / 8);
    EXPECT_EQ(Grid->RowHeights(2), 2 + 3 * (h + h / 8));
    // With word wrap each row is sized by its content.
    Grid->SetWordWrap(true);
    Grid->AutoSizeRows(false, 0);
    EXPECT_EQ(Grid->RowHeights(2), 3 * h + 2 * Grid->XYOffset().Y + 2);
}

TEST_F(AutoSizeTest, RowTakesItsTallestCell)
{
    Grid->Canvas()->Font()->Assign(Grid->Font());
    const int h = Grid->Canvas()->TextHeight(QStringLiteral("gh"));
    Grid->SetMultilinecells(true);
    Grid->SetCells(2, 3, QStringLiteral("one\r\ntwo"));
    Grid->AutoSizeRow(3);
    // Two lines, the inset above and below and the lines.
    EXPECT_EQ(Grid->RowHeights(3), 2 * h + 2 * Grid->XYOffset().Y + 2);
    Grid->SetMaxRowHeight(20);
    Grid->AutoSizeRow(3);
    EXPECT_EQ(Grid->RowHeights(3), 20);
}

TEST_F(AutoSizeTest, FittingScalesTheColumnsAndGivesTheRemainderToTheWidest)
{
    Grid->SetFixedCols(0);
    Grid->SetOptions(Grid->Options() - goVertLine);
    Grid->SetColWidths(0, 40);
    Grid->SetColWidths(1, 60);
    Grid->SetColWidths(2, 100);
    Grid->AutoFitColumns(false);
    EXPECT_EQ(Grid->ColWidths(0), 60);
    EXPECT_EQ(Grid->ColWidths(1), 90);
    EXPECT_EQ(Grid->ColWidths(2), 151);
    // Already filling: nothing moves.
    Grid->AutoFitColumns(false);
    EXPECT_EQ(Grid->ColWidths(2), 151);
}

TEST_F(AutoSizeTest, FittingColumnsAllZeroWideSharesTheWidth)
{
    Grid->SetFixedCols(0);
    for (int c = 0; c < 3; ++c)
        Grid->SetColWidths(c, 0);
    Grid->AutoFitColumns(true);
    EXPECT_EQ(Grid->ColWidths(0) + Grid->ColWidths(1) + Grid->ColWidths(2), 301);
    EXPECT_EQ(Grid->ColWidths(1), 100);
}

TEST_F(AutoSizeTest, SizingToTheCellsSetsTheClientArea)
{
    Grid->SetDefaultColWidth(50);
    Grid->SetDefaultRowHeight(20);
    Grid->SizeToCells();
    EXPECT_EQ(Grid->ClientWidth(), 150);
    EXPECT_EQ(Grid->ClientHeight(), 120);
    EXPECT_EQ(Grid->ScrollBars(), ssNone);
}

TEST_F(AutoSizeTest, SwappingColumnsKeepsTheSortColumnOnItsData)
{
    for (int r = 0; r < 6; ++r) {
        Grid->SetCells(1, r, QStringLiteral("a%1").arg(r));
        Grid->SetCells(2, r, QStringLiteral("b%1").arg(r));
    }
    Grid->SetColors(1, 2, clRed);
    Grid->SetColWidths(1, 30);
    Grid->SetColWidths(2, 90);
    Grid->SortSettings()->SetColumn(1);
    Grid->HideRows(4, 4);
    Grid->SwapColumns(1, 2);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("b1"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("a1"));
    EXPECT_EQ(Grid->Colors(2, 2), clRed);
    EXPECT_EQ(Grid->Colors(1, 2), clNone);
    EXPECT_EQ(Grid->ColWidths(1), 90);
    EXPECT_EQ(Grid->ColWidths(2), 30);
    EXPECT_EQ(Grid->SortSettings()->Column(), 2);
    // The hidden row's cells moved with their columns.
    Grid->UnHideRowsAll();
    EXPECT_EQ(Grid->Cells(1, 4), QStringLiteral("b4"));
    EXPECT_EQ(Grid->Cells(2, 4), QStringLiteral("a4"));
}

TEST_F(AutoSizeTest, SwappingRowsTakesTheirCellsAndHeights)
{
    Grid->SetCells(1, 1, QStringLiteral("first"));
    Grid->SetCells(1, 3, QStringLiteral("third"));
    Grid->SetRowHeights(1, 40);
    Grid->SortSettings()->SetColumn(1);
    Grid->SwapRows(1, 3);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("third"));
    EXPECT_EQ(Grid->Cells(1, 3), QStringLiteral("first"));
    EXPECT_EQ(Grid->RowHeights(3), 40);
    EXPECT_EQ(Grid->RowHeights(1), Grid->DefaultRowHeight());
    EXPECT_EQ(Grid->SortSettings()->Column(), 1);
    // Out of range: nothing happens.
    Grid->SwapRows(1, 99);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("third"));
}

} // namespace
