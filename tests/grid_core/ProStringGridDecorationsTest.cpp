#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/ImageList.h"
#include <gtest/gtest.h>

namespace {

struct DecorGrid : TProStringGrid {
    DecorGrid()
    {
        SetColCount(5);
        SetRowCount(6);
    }
};

} // namespace

TEST(ProStringGridDecorations, ProgressAddersOverwriteOneGraphic)
{
    DecorGrid g;
    g.SetAutoNumAlign(true);
    g.AddProgress(1, 1, clBlue, clWhite);
    g.AddProgressEx(1, 1, clRed, clBlack, clYellow, clGreen);
    TCellGraphic* p = g.GetCellGraphic(1, 1);
    EXPECT_EQ(p->CellType(), ctProgress);
    EXPECT_TRUE(p->CellBoolean());
    EXPECT_EQ(p->CellBitmapColor(), clRed);
    EXPECT_EQ(p->CellIconColor(), clYellow);
    EXPECT_EQ(TColor(p->CellIndex()), clBlack);
    EXPECT_EQ(p->CellErrLen(), 100);
    EXPECT_EQ(g.Alignments(1, 1), taRightJustify);
    g.AddProgressFormatted(1, 1, clRed, clBlack, clYellow, clGreen, QStringLiteral("%d%%"), 10, 20);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellErrFrom(), 10);
    EXPECT_EQ(g.GetCellGraphic(1, 1)->CellText(), "%d%%");
}

TEST(ProStringGridDecorations, ImageAddersNeedAnImageList)
{
    DecorGrid g;
    g.AddImageIdx(1, 1, 2, haLeft, vaTop);
    g.AddDataImage(1, 2, 3, haLeft, vaTop);
    g.AddMultiImage(1, 3, 0, haLeft, vaTop);
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g.GetCellGraphic(1, r), nullptr) << r;
    EXPECT_EQ(g.Cells(1, 2), "");

    TImageList images;
    g.SetGridImages(&images);
    g.AddDataImage(1, 2, 3, haLeft, vaTop);
    g.SetCells(2, 2, QStringLiteral("5"));
    g.AddDataImage(2, 2, 3, haLeft, vaTop);
    EXPECT_EQ(g.Cells(1, 2), "3");
    EXPECT_EQ(g.Cells(2, 2), "5");
    EXPECT_TRUE(g.HasDataImage(1, 2));
    g.RemoveDataImage(1, 2);
    g.RemoveDataImage(2, 2);
    EXPECT_EQ(g.Cells(1, 2), "");
    EXPECT_EQ(g.Cells(2, 2), "");
    // A plain cell keeps its text: the remover only empties its own kind.
    g.SetCells(3, 2, QStringLiteral("keep"));
    g.RemoveDataImage(3, 2);
    EXPECT_EQ(g.Cells(3, 2), "keep");

    g.AddImageIdx(1, 1, 2, haLeft, vaTop);
    int idx = -1;
    EXPECT_TRUE(g.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 2);
    g.SetImageIdx(1, 1, 4);
    g.GetImageIdx(1, 1, idx);
    EXPECT_EQ(idx, 4);
    g.AddMultiImage(1, 3, 1, haLeft, vaTop);
    ASSERT_NE(g.GetCellImages(1, 3), nullptr);
    g.GetCellImages(1, 3)->Add(1);
    EXPECT_EQ(g.GetCellImages(1, 3)->Count(), 1);
    g.SetGridImages(nullptr);
}

TEST(ProStringGridDecorations, CommentsShapesAndMarkers)
{
    DecorGrid g;
    g.ControlLook()->SetCommentColor(clRed);
    g.AddComment(1, 1, QStringLiteral("note"));
    EXPECT_EQ(TColor(g.GetCellGraphic(1, 1)->CellIndex()), clRed);
    g.SetComment(1, 1, QStringLiteral("changed"));
    g.SetComment(2, 1, QStringLiteral("new"));
    g.AddShape(3, 1, csCircle, clBlue, clBlack, haLeft, vaTop);
    g.SetComment(3, 1, QStringLiteral("not on a shape"));
    EXPECT_EQ(g.GetComment(1, 1), "changed");
    EXPECT_EQ(g.GetComment(2, 1), "new");
    EXPECT_EQ(g.GetComment(3, 1), "");
    EXPECT_EQ(g.GetShapeColor(3, 1), clBlue);
    g.SetShapeColor(3, 1, clLime);
    EXPECT_EQ(g.GetShapeColor(3, 1), clLime);
    EXPECT_EQ(g.GetShapeColor(1, 1), clNone);
    g.RemoveAllComments();
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellType(3, 1), ctShape);

    int pos = -1, len = -1;
    g.AddMarker(1, 2, 3, 4);
    EXPECT_EQ(g.GetCellType(1, 2), ctEmpty);
    ASSERT_NE(g.GetCellGraphic(1, 2), nullptr);
    g.GetMarker(1, 2, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);
    g.RemoveMarker(1, 2);
    EXPECT_EQ(g.GetCellGraphic(1, 2), nullptr);
    g.AddMarker(3, 1, 1, 2);
    g.RemoveAllMarkers();
    EXPECT_EQ(g.GetCellType(3, 1), ctShape);
    g.GetMarker(3, 1, pos, len);
    EXPECT_EQ(pos + len, 0);
}

TEST(ProStringGridDecorations, BalloonsRideOnCheckBoxes)
{
    DecorGrid g;
    g.AddCheckBox(1, 1, true, false);
    g.AddBalloon(1, 1, QStringLiteral("T"), QStringLiteral("X"), biWarning);
    QString title, text;
    TBalloonIcon icon = biNone;
    EXPECT_TRUE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, "T");
    EXPECT_EQ(text, "X");
    EXPECT_EQ(icon, biWarning);
    EXPECT_FALSE(g.HasBalloon(1, 1));
    g.RemoveBalloon(1, 1);
    EXPECT_FALSE(g.IsBalloon(1, 1, title, text, icon));
    EXPECT_TRUE(g.HasCheckBox(1, 1));
    EXPECT_TRUE(g.IsChecked(1, 1));

    g.AddBalloon(2, 1, QStringLiteral("T"), QStringLiteral("X"), biInfo);
    EXPECT_TRUE(g.HasBalloon(2, 1));
    g.AddComment(3, 1, QStringLiteral("c"));
    g.AddBalloon(3, 1, QStringLiteral("T"), QStringLiteral("X"), biInfo);
    EXPECT_FALSE(g.IsBalloon(3, 1, title, text, icon));
}

TEST(ProStringGridDecorations, ScrollBarsExpandButtonsAndRotatedText)
{
    DecorGrid g;
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{-1, -1}));
    EXPECT_EQ(g.GetScrollPosition(1, 1), -1);
    g.AddScrollBar(1, 1, false);
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{0, 100}));
    g.SetScrollProp(1, 1, {10, 50});
    g.SetScrollPosition(1, 1, 7);
    EXPECT_EQ(g.GetScrollProp(1, 1), (TScrollProp{10, 50}));
    EXPECT_EQ(g.GetScrollPosition(1, 1), 7);
    EXPECT_FALSE(g.HasAutoRangeScrollBar(1, 1));

    g.SetRowHeights(2, 22);
    g.AddExpand(1, 2, 80);
    EXPECT_FALSE(g.GetExpandState(1, 2));
    EXPECT_TRUE(g.ToggleExpand(1, 2));
    EXPECT_EQ(g.GetExpandHeight(1, 2, true), 80);
    EXPECT_EQ(g.GetExpandHeight(1, 2, false), 22);
    EXPECT_EQ(g.GetExpandHeight(2, 2, true), g.DefaultRowHeight());
    EXPECT_FALSE(g.ToggleExpand(2, 2));

    g.AddComment(1, 3, QStringLiteral("c"));
    g.SetRotated(1, 3, -90);
    int angle = 0;
    EXPECT_TRUE(g.IsRotated(1, 3, angle));
    EXPECT_EQ(angle, 270);
    EXPECT_EQ(g.GetComment(1, 3), "");
    g.AddRotated(2, 3, 45, QStringLiteral("up"));
    EXPECT_EQ(g.Cells(2, 3), "up");
}

TEST(ProStringGridDecorations, ButtonsAddressDisplayColumns)
{
    DecorGrid g;
    g.AddButton(3, 1, 20, 10, QStringLiteral("a"), haLeft, vaTop);
    g.HideColumn(2);
    g.SetButtonText(2, 1, QStringLiteral("b"));
    EXPECT_EQ(g.GetButtonText(2, 1), "b");
    EXPECT_EQ(g.GetCellGraphic(3, 1)->CellText(), "b");
    g.PushButton(2, 1, true);
    EXPECT_TRUE(g.GetCellGraphic(3, 1)->CellBoolean());
    g.AddBitButton(1, 1, 20, 10, QStringLiteral("c"), nullptr, haLeft, vaTop);
    g.RemoveAllButtons();
    EXPECT_FALSE(g.HasButton(3, 1));
    EXPECT_FALSE(g.HasButton(1, 1));
}
