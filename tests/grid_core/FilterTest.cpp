#include "FakeGridOwner.h"
#include "grid/core/Filter.h"
#include "platform/graphics/Bitmap.h"
#include <gtest/gtest.h>

TEST(Filter, AddInsertAndColumnLookups)
{
    FakeGridOwner grid;
    TFilter f(&grid);
    EXPECT_EQ(f.GetOwner(), &grid);
    EXPECT_EQ(f.Add()->Operation(), foNONE);
    EXPECT_EQ(f.Add()->Operation(), foAND);
    f.Items(0)->SetColumn(2);
    f.Items(1)->SetColumn(2);
    f.Items(1)->SetCondition("second");

    // Insert appends whatever the index, at the class default.
    TFilterData* inserted = f.Insert(0);
    EXPECT_EQ(f.Items(2), inserted);
    EXPECT_EQ(inserted->Operation(), foSHORT);

    EXPECT_EQ(f.GetColFilter(2), f.Items(0));
    EXPECT_TRUE(f.HasFilter(2));
    EXPECT_FALSE(f.HasFilter(5));
    TFilterData* added = f.GetColFilter(5);
    EXPECT_EQ(f.Count(), 4);
    EXPECT_EQ(added->Column(), 5);
    EXPECT_EQ(added->Operation(), foAND);

    f.RemoveColumnFilter(2);
    EXPECT_EQ(f.Count(), 2);
    EXPECT_FALSE(f.HasFilter(2));
    EXPECT_EQ(grid.Log, QStringList{"RepaintCell 2,0"});
}

TEST(Filter, CopiesLeaveTheirListedMembers)
{
    TFilterData a, b;
    EXPECT_TRUE(a.CaseSensitive());
    EXPECT_EQ(a.Data(), fcVirtual);
    a.SetColumn(3);
    a.SetCondition(">5");
    a.SetPrefix("$");
    a.SetOperation(foOR);
    a.SetMethod(fmLiteral);
    b.Assign(&a);
    EXPECT_EQ(b.Column(), 3);
    EXPECT_EQ(b.Condition(), ">5");
    EXPECT_EQ(b.Prefix(), "$");
    EXPECT_EQ(b.Operation(), foOR);
    EXPECT_EQ(b.Method(), fmExpression);

    TFilterDropDown d1, d2;
    EXPECT_EQ(d1.Width(), 150);
    EXPECT_EQ(d1.Color(), clWindow);
    int changes = 0;
    d2.OnChange = [&](TObject*) { ++changes; };
    d1.SetAutoSize(true);
    d1.SetHeight(90);
    d1.Glyph()->SetSize(8, 8);
    d2.Assign(&d1);
    EXPECT_FALSE(d2.AutoSize());
    EXPECT_EQ(d2.Height(), 90);
    EXPECT_EQ(d2.Glyph()->Width(), 8);
    EXPECT_GE(changes, 1);
}

namespace {

struct OpenDropList : TDropList {
    using TDropList::KeyPress;
    using TDropList::MouseUp;
    using TDropList::TDropList;
};

struct OpenDropCheckList : TDropCheckList {
    using TDropCheckList::ClickCheck;
    using TDropCheckList::TDropCheckList;
};

} // namespace

TEST(Filter, DropListsReportTheirChoice)
{
    FakeGridOwner grid;
    OpenDropList list(&grid);
    list.Items()->Add("a");
    list.Items()->Add("b");
    list.SetItemIndex(1);
    list.Show();
    QList<int> picked;
    list.OnSelect = [&](TObject*, int Index) { picked << Index; };

    QChar other('x');
    list.KeyPress(other);
    EXPECT_TRUE(list.Visible());
    QChar ret(13);
    list.KeyPress(ret);
    EXPECT_FALSE(list.Visible());
    list.Show();
    list.MouseUp(mbLeft, {}, 1, 1);
    EXPECT_FALSE(list.Visible());
    EXPECT_EQ(picked, (QList<int>{1, 1}));

    // The check list stays open and reports -1.
    OpenDropCheckList checks(&grid);
    checks.Show();
    picked.clear();
    checks.OnSelect = [&](TObject*, int Index) { picked << Index; };
    checks.ClickCheck();
    EXPECT_TRUE(checks.Visible());
    EXPECT_EQ(picked, QList<int>{-1});
}
