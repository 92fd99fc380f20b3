// Sizing a column to its content: the cell padding and grid lines, the
// width limits, grow-only, the rows looked at, and the padding added.
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Form.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include <gtest/gtest.h>

namespace {

class AutoSizeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TProStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(3);
        Grid->SetRowCount(4);
        Grid->SetXYOffset(TPoint{2, 2});
        Form->Show();
        Grid->SetCells(1, 0, QStringLiteral("H"));
        Grid->SetCells(1, 1, QStringLiteral("short"));
        Grid->SetCells(1, 2, QStringLiteral("a much longer text"));
    }
    void TearDown() override { delete Form; }

    int Text_Width(const QString& Text)
    {
        Grid->Canvas()->Font()->Assign(Grid->Font());
        return Grid->Canvas()->TextWidth(Text);
    }

    TForm* Form = nullptr;
    TProStringGrid* Grid = nullptr;
};

TEST_F(AutoSizeTest, WidestCellWithPaddingAndGridLines)
{
    Grid->ColumnSize()->SetRows(arNormal);
    const int content = Text_Width(QStringLiteral("a much longer text"));
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), content + 4 + 2 + 2);
    Grid->AutoSizeCol(1, 10);
    EXPECT_EQ(Grid->ColWidths(1), content + 8 + 10);

    // The limits: a maximum cuts, equal limits are off.
    Grid->SetMaxColWidth(40);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), 40);
    Grid->SetMinColWidth(40);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), content + 8);
}

TEST_F(AutoSizeTest, GrowOnlyAndTheRowsLookedAt)
{
    Grid->ColumnSize()->SetRows(arNormal);
    Grid->SetColWidths(1, 400);
    Grid->SetSizeGrowOnly(true);
    Grid->AutoSizeCol(1, 0);
    EXPECT_EQ(Grid->ColWidths(1), 400);
    Grid->SetSizeGrowOnly(false);

    // Sized by the header row alone, the column narrows to it.
    Grid->ColumnSize()->SetRows(arFixed);
    Grid->AutoSizeCol(1, 0);
    EXPECT_LT(Grid->ColWidths(1), Text_Width(QStringLiteral("short")) + 8);
    EXPECT_GT(Grid->ColWidths(1), 8);
}

} // namespace
