#include "grid/core/DragSettings.h"
#include <gtest/gtest.h>

TEST(DragSettings, DefaultsAcceptAndShowOnly)
{
    TDragDropSettings d(nullptr);
    EXPECT_TRUE(d.ShowCells());
    EXPECT_TRUE(d.OleAcceptFiles());
    EXPECT_TRUE(d.OleAcceptText());
    EXPECT_TRUE(d.OleAcceptURLs());
    for (bool flag : {d.OleAppendRows(), d.OleColumnDragDrop(), d.OleColumnReorder(), d.OleColumnsOnly(),
                      d.OleCopyAlways(), d.OleDropTarget(), d.OleDropSource(), d.OleEntireRows(),
                      d.OleInsertRows(), d.OleRemoveRows(), d.OleDropRTF()})
        EXPECT_FALSE(flag);

    TDragScrollOptions s;
    EXPECT_FALSE(s.Active());
    EXPECT_EQ(s.Delays()->InitialDelay(), 1000);
    EXPECT_EQ(s.Delays()->RepeatDelay(), 250);
    EXPECT_EQ(s.Margins()->TopMargin(), 50);
    EXPECT_EQ(s.Margins()->RightMargin(), 50);
}

TEST(DragSettings, AssignCopiesEveryValue)
{
    TDragDropSettings a(nullptr), b(nullptr);
    a.SetShowCells(false);
    a.SetOleDropTarget(true);
    a.SetOleDropRTF(true);
    a.SetOleAcceptURLs(false);
    b.Assign(&a);
    EXPECT_FALSE(b.ShowCells());
    EXPECT_TRUE(b.OleDropTarget());
    EXPECT_TRUE(b.OleDropRTF());
    EXPECT_FALSE(b.OleAcceptURLs());

    TDragScrollOptions s, t;
    s.SetActive(true);
    s.Delays()->SetRepeatDelay(100);
    s.Margins()->SetBottomMargin(20);
    t.Assign(&s);
    EXPECT_TRUE(t.Active());
    EXPECT_EQ(t.Delays()->RepeatDelay(), 100);
    EXPECT_EQ(t.Margins()->BottomMargin(), 20);
    EXPECT_NE(t.Delays(), s.Delays());

    // Other classes are ignored.
    EXPECT_NO_THROW(t.Assign(&a));
    EXPECT_NO_THROW(b.Assign(&s));
    EXPECT_TRUE(t.Active());
}
