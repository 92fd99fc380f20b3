#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/MouseActions.h"
#include "platform/controls/Form.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A grid that lets the test play the mouse handling's part in sizing.
class TSizingGrid : public TProStringGrid {
public:
    using TProStringGrid::TProStringGrid;
    void UserSizedColumn(int ACol, int From, int To)
    {
        FColClicked = ACol;
        FColClickedSize = From;
        FColSized = true;
        SetColWidths(ACol, To);
    }
};

class StretchTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 400, 200);
        Grid = new TSizingGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 300, 150);
        Grid->SetColCount(3);
        Grid->SetFixedCols(0);
        Grid->SetDefaultColWidth(64);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TForm* Form = nullptr;
    TSizingGrid* Grid = nullptr;
};

TEST_F(StretchTest, LastColumnFillsTheClientWidth)
{
    ASSERT_EQ(Grid->ClientWidth(), 300);
    Grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(Grid->ColWidths(2), 300 - 128 - 1);
    Grid->SetColWidths(0, 200);
    EXPECT_EQ(Grid->ColWidths(2), 35);
    // Columns wider than the client give the default width back.
    Grid->SetColWidths(1, 150);
    EXPECT_EQ(Grid->ColWidths(2), 64);
}

TEST_F(StretchTest, OneColumnTakesTheWholeWidth)
{
    Grid->SetColCount(1);
    Grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(Grid->ColWidths(0), 300);
}

TEST_F(StretchTest, OnlyAnExplicitCallWithStretchingOnRaisesForABadIndex)
{
    // Stretching off: nothing to check, nothing raised.
    EXPECT_NO_THROW(Grid->StretchColumn(5));
    Grid->ColumnSize()->SetStretch(true);
    EXPECT_EQ(MessageOf<Exception>([&] { Grid->StretchColumn(3); }),
              QStringLiteral("Stretch column index out of range"));
    // A stored index past the columns is skipped by the grid's own stretching.
    Grid->ColumnSize()->SetStretchColumn(7);
    EXPECT_NO_THROW(Grid->SetColWidths(0, 80));
    EXPECT_NO_THROW(Grid->SetColCount(4));
    EXPECT_NO_THROW(Grid->SetBounds(0, 0, 320, 150));
}

TEST_F(StretchTest, AllColumnSizeScalesTheOtherNormalColumns)
{
    Grid->SetColCount(5);
    Grid->SetFixedCols(1);
    for (int c = 0; c < 5; ++c)
        Grid->SetColWidths(c, 50);
    Grid->MouseActions()->SetAllColumnSize(true);
    std::vector<int> ended;
    Grid->OnEndColumnSize = [&](TObject*, int ACol) { ended.push_back(ACol); };
    Grid->UserSizedColumn(2, 50, 100);
    EXPECT_EQ(Grid->ColWidths(0), 50);
    EXPECT_EQ(Grid->ColWidths(1), 100);
    EXPECT_EQ(Grid->ColWidths(3), 100);
    EXPECT_EQ(Grid->ColWidths(4), 100);
    EXPECT_EQ(ended, std::vector<int>{2});
}

TEST_F(StretchTest, UpdateColumnSizeMayChangeTheSizedWidth)
{
    Grid->OnUpdateColumnSize = [](TObject*, int, int& AWidth) { AWidth = 77; };
    Grid->UserSizedColumn(1, 64, 90);
    EXPECT_EQ(Grid->ColWidths(1), 77);
}

TEST(ProStringGridSizing, ArrowColourReachesAllFourArrows)
{
    TProStringGrid g;
    g.SetArrowColor(clRed);
    EXPECT_EQ(g.ArrowColor(), clRed);
    for (TArrowWindow* a : {g.ArwU(), g.ArwD(), g.ArwL(), g.ArwR()})
        EXPECT_EQ(a->Color(), clRed);
}

// Footer calculations: one fixed row, data rows 1..8 holding 1..8, the
// footer in the last row.
class FooterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Grid.SetColCount(3);
        Grid.SetRowCount(10);
        for (int r = 1; r < 9; ++r)
            Grid.SetCells(1, r, QString::number(r));
        Grid.FloatingFooter()->SetVisible(true);
    }
    QString Footer(TColumnCalcType Calc)
    {
        Grid.FloatingFooter()->SetColumnCalc(1, Calc);
        Grid.CalcFooter(1);
        return Grid.Cells(1, 9);
    }
    TProStringGrid Grid;
};

TEST_F(FooterTest, ColumnCalculations)
{
    EXPECT_EQ(Footer(acSUM), QStringLiteral("36.00"));
    EXPECT_EQ(Footer(acAVG), QStringLiteral("4.50"));
    EXPECT_EQ(Footer(acMIN), QStringLiteral("1.00"));
    EXPECT_EQ(Footer(acMAX), QStringLiteral("8.00"));
    EXPECT_EQ(Footer(acDISTINCT), QStringLiteral("8.00"));
    EXPECT_EQ(Footer(acCOUNT), QStringLiteral("8"));
}

TEST_F(FooterTest, CountTakesHiddenRowsAndSpreadLeavesTheCell)
{
    Grid.HideRows(2, 3);
    Grid.FloatingFooter()->SetColumnCalc(1, acCOUNT);
    Grid.CalcFooter(1);
    // 2 hidden + 8 rows shown - 1 fixed - 1 footer.
    EXPECT_EQ(Grid.Cells(1, Grid.RowCount() - 1), QStringLiteral("8"));
    Grid.SetCells(1, Grid.RowCount() - 1, QStringLiteral("kept"));
    Grid.FloatingFooter()->SetColumnCalc(1, acSPREAD);
    Grid.CalcFooter(-1);
    EXPECT_EQ(Grid.Cells(1, Grid.RowCount() - 1), QStringLiteral("kept"));
}

TEST_F(FooterTest, CustomCalculationAsksTheGridFirst)
{
    Grid.FloatingFooter()->OnCalcFooter = [](TObject*, int, int, QString& V) { V = QStringLiteral("footer"); };
    EXPECT_EQ(Footer(acCUSTOM), QStringLiteral("footer"));
    Grid.OnFooterCalc = [](TObject*, int ACol, int ARow, QString& V) {
        V = QStringLiteral("%1,%2").arg(ACol).arg(ARow);
    };
    EXPECT_EQ(Footer(acCUSTOM), QStringLiteral("1,9"));
}

} // namespace
