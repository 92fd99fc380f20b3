// Header clicks: sorting by a click on the sort row and the filter button's
// list, through the grid's mouse messages.
#include "../support/QStringPrinter.h"
#include "grid/core/Filter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "platform/controls/CheckListBox.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include <gtest/gtest.h>

namespace {

// A fixed row and column, column 1 holding "b", "c", "a", column 2 "2", "1", "2".
class HeaderClick : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TProStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 400, 200);
        Grid->SetColCount(3);
        Grid->SetRowCount(4);
        const QStringList one{"b", "c", "a"}, two{"2", "1", "2"};
        for (int r = 1; r <= 3; ++r) {
            Grid->SetCells(0, r, QString::number(r));
            Grid->SetCells(1, r, one[r - 1]);
            Grid->SetCells(2, r, two[r - 1]);
        }
        Grid->SortSettings()->SetShow(true);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    // A press and release at (X, Y) of the cell's rectangle; negative
    // offsets count from the right edge.
    void Click(int ACol, int ARow, int DX = -1, int DY = 5, WPARAM Keys = 0)
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        const int x = DX < 0 ? r.Right + DX : r.Left + DX;
        const int x2 = DX == -1 ? (r.Left + r.Right) / 2 : x;
        Grid->Perform(WM_LBUTTONDOWN, MK_LBUTTON | Keys, MakeLParam(x2, r.Top + DY));
        Grid->Perform(WM_LBUTTONUP, Keys, MakeLParam(x2, r.Top + DY));
    }
    QString Column(int ACol)
    {
        QString s;
        for (int r = 1; r < Grid->RowCount(); ++r)
            s += Grid->Cells(ACol, r);
        return s;
    }

    TForm* Form = nullptr;
    TProStringGrid* Grid = nullptr;
};

TEST_F(HeaderClick, ClicksSortUpDownAndBack)
{
    Grid->SortSettings()->SetUndoSort(true);
    int clicked = -2;
    Grid->OnClickSort = [&clicked](TObject*, int ACol) { clicked = ACol; };
    Click(1, 0);
    EXPECT_EQ(Column(1), "abc");
    EXPECT_EQ(clicked, 1);
    Click(1, 0);
    EXPECT_EQ(Column(1), "cba");
    EXPECT_EQ(Grid->SortSettings()->Direction(), sdDescending);
    // The third click restores the first order.
    Click(1, 0);
    EXPECT_EQ(Column(1), "bca");
    EXPECT_EQ(Grid->SortSettings()->Column(), -1);
    EXPECT_EQ(clicked, -1);
    // Another column starts ascending.
    Click(2, 0);
    EXPECT_EQ(Column(2), "122");
    EXPECT_EQ(Grid->SortSettings()->Direction(), sdAscending);
}

TEST_F(HeaderClick, ClicksThatDoNotSort)
{
    // A normal cell, the sort row hidden, a veto, an ignored column, a
    // column edge being sized.
    Click(1, 1);
    EXPECT_EQ(Column(1), "bca");
    Grid->SortSettings()->SetShow(false);
    Click(1, 0);
    EXPECT_EQ(Column(1), "bca");
    Grid->SortSettings()->SetShow(true);
    Grid->OnCanSort = [](TObject*, int ACol, bool& DoSort) { DoSort = ACol != 1; };
    Click(1, 0);
    EXPECT_EQ(Column(1), "bca");
    Grid->OnCanSort = nullptr;
    Grid->IgnoreColumns()->Add(1);
    Click(1, 0);
    EXPECT_EQ(Column(1), "bca");
    Grid->IgnoreColumns()->Clear();
    Grid->SetOptions(Grid->Options() + goColSizing);
    Click(1, 0, -2);
    EXPECT_EQ(Column(1), "bca");
}

TEST_F(HeaderClick, TheIndexKeyAddsColumnsToTheSort)
{
    Grid->SortSettings()->SetIndexShow(true);
    Click(2, 0);
    EXPECT_EQ(Column(2), "122");
    // Shift adds column 1 as the second key; a second Shift click flips it.
    Click(1, 0, -1, 5, MK_SHIFT);
    EXPECT_EQ(Column(1), "cab");
    Click(1, 0, -1, 5, MK_SHIFT);
    EXPECT_EQ(Column(1), "cba");
    ASSERT_EQ(Grid->SortIndexes()->Count(), 2);
    EXPECT_FALSE(Grid->SortIndexes()->SortDirections(1));
    // Without the key one column replaces the list.
    Click(1, 0);
    EXPECT_EQ(Grid->SortIndexes()->Count(), 1);
    EXPECT_EQ(Column(1), "abc");
    EXPECT_EQ(Grid->SortSettings()->Column(), 1);
}

TEST_F(HeaderClick, TheFilterButtonOpensTheColumnsList)
{
    Grid->SetFilterDropDownAuto(true);
    Click(1, 0, -8);
    // The button opens the list instead of sorting.
    EXPECT_EQ(Column(1), "bca");
    EXPECT_EQ(Grid->FilterColumn(), 1);
    TDropList* list = Grid->DropList();
    ASSERT_TRUE(list->Visible());
    EXPECT_EQ(list->Items()->Count(), 4);
    EXPECT_EQ(list->Items()->Strings(0), "(All)");
    EXPECT_EQ(list->Top(), Grid->CellRect(1, 0).Top + 16);
    // Return on an entry chooses it.
    list->SetItemIndex(3);
    list->Perform(WM_CHAR, 13, 0);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Column(1), "c");
    EXPECT_EQ(Grid->FilterColumn(), -1);

    // A second release on the same button closes the list.
    Click(1, 0, -8);
    EXPECT_TRUE(list->Visible());
    Click(1, 0, -8);
    EXPECT_FALSE(list->Visible());
    EXPECT_EQ(Grid->FilterColumn(), -1);

    // The multi-choice list checks the column's active conditions.
    Grid->SetFilterDropDownCheck(true);
    Click(1, 0, -8);
    TDropCheckList* checks = Grid->DropCheckList();
    ASSERT_TRUE(checks->Visible());
    EXPECT_FALSE(checks->Checked(1));
    EXPECT_TRUE(checks->Checked(3));
}

} // namespace
