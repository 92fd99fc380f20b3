#include "../support/GeometryPrinter.h"
#include "../support/QStringPrinter.h"
#include "TrackedBitmap.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

// A 5 x 6 grid, one fixed row and column.
struct GraphicsGrid : TProStringGrid {
    GraphicsGrid()
    {
        SetColCount(5);
        SetRowCount(6);
    }
};

} // namespace

TEST(ProStringGridGraphics, AddingAGraphicKeepsTheText)
{
    GraphicsGrid g;
    g.SetCells(2, 1, QStringLiteral("text"));
    g.AddComment(2, 1, QStringLiteral("c"));
    g.AddComment(3, 1, QStringLiteral("c"));
    EXPECT_EQ(g.Cells(2, 1), "text");
    EXPECT_EQ(g.Cells(3, 1), "");
    EXPECT_EQ(g.GetCellType(2, 1), ctComment);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellType(-1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(1, 1), nullptr);
}

TEST(ProStringGridGraphics, ReplacingAndRemovingFreeOnlyTheGridsObjects)
{
    GraphicsGrid g;
    bool callerAlive = false;
    auto* caller = new TTrackedBitmap(callerAlive);
    g.AddBitmap(1, 1, caller, false, haLeft, vaTop);
    EXPECT_EQ(g.GetBitmap(1, 1), caller);
    g.AddComment(1, 1, QStringLiteral("x"));
    EXPECT_TRUE(callerAlive);

    TBitmap* created = g.CreateBitmap(1, 2, false, haLeft, vaTop);
    EXPECT_TRUE(g.HasBitmap(1, 2));
    // Another kind's remover leaves the bitmap.
    EXPECT_FALSE(g.RemoveCellGraphicOfType(1, 2, ctPicture));
    g.RemovePicture(1, 2);
    EXPECT_EQ(g.GetBitmap(1, 2), created);
    g.RemoveBitmap(1, 2);
    EXPECT_FALSE(g.HasBitmap(1, 2));
    EXPECT_FALSE(g.RemoveCellGraphic(1, 2));
    delete caller;
}

TEST(ProStringGridGraphics, GraphicsGoWithClearedRowsAndTheGrid)
{
    bool alive = false;
    {
        GraphicsGrid g;
        g.CreateCellGraphic(1, 1)->SetBitmap(new TTrackedBitmap(alive), false, haLeft, vaTop);
        g.GetCellGraphic(1, 1)->SetCellCreated(true);
        g.ClearRows(1, 1);
        EXPECT_FALSE(alive);
        g.CreateCellGraphic(1, 2)->SetBitmap(new TTrackedBitmap(alive), false, haLeft, vaTop);
        g.GetCellGraphic(1, 2)->SetCellCreated(true);
    }
    EXPECT_FALSE(alive);
}

TEST(ProStringGridGraphics, RowCheckBoxFollowsTheRowSelection)
{
    GraphicsGrid g;
    g.AddComment(0, 2, QStringLiteral("hidden by the row check box"));
    g.MouseActions()->SetHotmailRowSelect(true);
    for (int r = 0; r < g.RowCount(); ++r)
        EXPECT_EQ(g.GetCellType(0, r), ctRowCheckBox) << r;
    EXPECT_TRUE(g.HasControlGraphic(0, 3));
    g.SetRowSelect(1, true);
    g.SetRowSelect(2, true);
    TCellGraphic* header = g.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 1);
    EXPECT_FALSE(header->CellBoolean());
    EXPECT_TRUE(g.GetCellGraphic(0, 2)->CellBoolean());
    EXPECT_FALSE(g.GetCellGraphic(0, 3)->CellBoolean());
    g.SelectRows(1, 5);
    header = g.GetCellGraphic(0, 0);
    EXPECT_EQ(header->CellAngle(), 0);
    EXPECT_TRUE(header->CellBoolean());
    // Replacing a cell's graphic never touches the shared one.
    g.AddComment(0, 4, QStringLiteral("c"));
    EXPECT_EQ(g.GetCellType(0, 4), ctRowCheckBox);
}

TEST(ProStringGridGraphics, ControlGraphicsAndMergedCells)
{
    GraphicsGrid g;
    g.AddButton(1, 1, 20, 10, QStringLiteral("b"), haLeft, vaTop);
    g.AddBitButton(2, 1, 20, 10, QStringLiteral("b"), nullptr, haLeft, vaTop);
    g.AddCheckBox(1, 2, true, false);
    g.MergeCells(1, 2, 2, 2);
    EXPECT_TRUE(g.HasControlGraphic(1, 1));
    EXPECT_FALSE(g.HasControlGraphic(2, 1));
    EXPECT_TRUE(g.HasButton(2, 1));
    // A covered cell answers for its base cell.
    EXPECT_TRUE(g.HasControlGraphic(2, 3));
    EXPECT_TRUE(g.CellTypeInSet(2, 3, {ctCheckBox}));
    EXPECT_FALSE(g.HasControlGraphic(-1, 2));
}

TEST(ProStringGridGraphics, ExpandAndButtonRectangles)
{
    GraphicsGrid g;
    g.SetColWidths(0, 100);
    g.SetColWidths(1, 80);
    g.SetRowHeights(0, 40);
    g.SetRowHeights(1, 20);
    g.AddExpand(1, 1, 60);
    const TRect cell = g.CellRect(1, 1);
    const TRect expected{cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13};
    EXPECT_EQ(g.GetExpandRect(1, 1), expected);
    EXPECT_EQ(g.GetExpandRect(2, 1), (TRect{0, 0, 0, 0}));

    g.AddButton(2, 1, 30, 12, QStringLiteral("b"), haLeft, vaFull);
    g.GetCellGraphic(2, 1)->SetCellValue(3 + 65536 * 2);
    const TRect b = g.CellRect(2, 1);
    EXPECT_EQ(g.GetButtonRect(2, 1), (TRect{b.Left + 3, b.Top, b.Left + 33, b.Bottom}));
}

TEST(ProStringGridGraphics, GraphicSizes)
{
    GraphicsGrid g;
    g.ControlLook()->SetCheckSize(15);
    g.AddCheckBox(1, 1, false, false);
    g.SetCells(1, 1, QStringLiteral("with text"));
    EXPECT_EQ(g.GetCellGraphicSize(1, 1), (TPoint{15, 15}));
    g.GetCellGraphic(1, 1)->SetCellVAlign(vaFull);
    EXPECT_EQ(g.GetCellGraphicSize(1, 1).Y, g.CellRect(1, 1).Height());

    g.AddRating(2, 1, 5, clRed, clGray);
    EXPECT_EQ(g.GetCellGraphicSize(2, 1), (TPoint{90, 16}));
    g.AddProgressPie(3, 1, clRed, 40);
    EXPECT_EQ(g.GetCellGraphicSize(3, 1), (TPoint{20, 20}));
    EXPECT_EQ(g.GetCellGraphicSize(4, 1), (TPoint{0, 0}));
    g.AddNode(2, 2);
    EXPECT_EQ(g.CalcCellGraphicPos(0, 2, 0, 0, 1), (TPoint{20, 20}));
}

TEST(ProStringGridGraphics, ImageSortKeys)
{
    GraphicsGrid g;
    TImageList images;
    g.SetGridImages(&images);
    TBitmap bmp;
    g.AddBitmap(1, 1, &bmp, false, haLeft, vaTop);
    g.AddImageIdx(1, 2, 7, haLeft, vaTop);
    g.AddComment(1, 3, QStringLiteral("c"));
    EXPECT_EQ(g.GetImageSortKey(1, 1), qint64(reinterpret_cast<quintptr>(&bmp)));
    EXPECT_EQ(g.GetImageSortKey(1, 2), 7);
    EXPECT_EQ(g.GetImageSortKey(1, 3), -1);
    EXPECT_EQ(g.GetImageSortKey(1, 4), -1);
    g.SetGridImages(nullptr);
}
