// Moving the edit cell on: Enter with AdvanceOnEnter in each direction,
// the end of the grid, read-only cells, the Tab walk and AppendOnArrowDown.
#include "GridEditingFixture.h"

using namespace SyntheticInput;

namespace {

class GridAdvance : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->Navigation()->SetAdvanceOnEnter(true);
        Grid->Navigation()->SetAdvanceOnEnterLoop(false);
    }
    // Return in the editor opened on (ACol, ARow).
    void EnterAt(int ACol, int ARow)
    {
        Grid->SetCol(ACol);
        Grid->SetRow(ARow);
        Key(Grid, VK_F2);
        ASSERT_TRUE(Editing());
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    }
    TPoint Current() const { return TPoint{Grid->Col(), Grid->Row()}; }
};

} // namespace

TEST_F(GridAdvance, EnterMovesInTheAdvanceDirection)
{
    struct Case {
        const char* Name;
        TAdvanceDirection Direction;
        bool Loop;
        bool Insert;
        TPoint From;
        TPoint To;
        int Rows;
    };
    const Case cases[] = {
        {"right", adLeftRight, false, false, {1, 1}, {2, 1}, 6},
        {"row end to the next row", adLeftRight, false, false, {4, 1}, {1, 2}, 6},
        {"last cell stays", adLeftRight, false, false, {4, 5}, {4, 5}, 6},
        {"last cell loops", adLeftRight, true, false, {4, 5}, {1, 1}, 6},
        {"last cell inserts a row", adLeftRight, false, true, {4, 5}, {1, 6}, 7},
        {"down", adTopBottom, false, false, {2, 2}, {2, 3}, 6},
        {"column end to the next column", adTopBottom, false, false, {2, 5}, {3, 1}, 6},
        {"in column back to the top", adTopBottomInCol, false, false, {2, 5}, {2, 1}, 6},
        {"in row without loop stays", adLeftRightInRow, false, false, {4, 3}, {4, 3}, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetRowCount(6);
        Grid->Navigation()->SetAdvanceDirection(c.Direction);
        Grid->Navigation()->SetAdvanceOnEnterLoop(c.Loop);
        Grid->Navigation()->SetAdvanceInsert(c.Insert);
        EnterAt(c.From.X, c.From.Y);
        EXPECT_EQ(Current(), c.To);
        EXPECT_EQ(Grid->RowCount(), c.Rows);
        // The editor opens in the new cell; staying ends the edit.
        EXPECT_EQ(Editing(), !(c.From == c.To));
        if (Editing())
            Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    }
}

TEST_F(GridAdvance, RefusedRowAppendGoesToTheFirstColumnOfTheLastRow)
{
    Grid->Navigation()->SetAdvanceInsert(true);
    QList<int> added;
    Grid->OnCanAddRow = [](TObject*, bool& CanAdd) { CanAdd = false; };
    Grid->OnAutoAddRow = [&](TObject*, int ARow) { added << ARow; };
    EnterAt(4, 5);
    EXPECT_EQ(Current(), (TPoint{1, 5}));
    EXPECT_EQ(Grid->RowCount(), 6);
    EXPECT_TRUE(added.isEmpty());
}

TEST_F(GridAdvance, ReadOnlyCellsArePassedOverOrLandedOn)
{
    Grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = !(ACol == 2 && ARow == 1); };
    EnterAt(1, 1);
    EXPECT_EQ(Current(), (TPoint{3, 1}));
    Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    Grid->Navigation()->SetAdvanceSkipReadOnlyCells(false);
    EnterAt(1, 1);
    EXPECT_EQ(Current(), (TPoint{2, 1}));
    EXPECT_FALSE(Editing());
}

TEST_F(GridAdvance, EnterOnAGridWithNothingToEditStopsAfterOnePass)
{
    for (bool loop : {false, true}) {
        SCOPED_TRACE(loop);
        Grid->Navigation()->SetAdvanceOnEnterLoop(loop);
        Grid->SetCol(1);
        Grid->SetRow(1);
        int asked = 0;
        // Only the starting cell edits.
        Grid->OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
            ++asked;
            CanEdit = ACol == 1 && ARow == 1 && asked == 1;
        };
        Key(Grid, VK_F2);
        ASSERT_TRUE(Editing());
        asked = 1;
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
        EXPECT_EQ(Current(), (TPoint{1, 1}));
        EXPECT_LE(asked, 5 * 6 + 4);
        Grid->OnCanEditCell = nullptr;
    }
    // A read-only grid asked directly.
    Grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    Grid->Navigation()->SetAdvanceOnEnterLoop(true);
    Grid->AdvanceEdit(Grid->Col(), Grid->Row(), true, false, true, false, false);
    Grid->AdvanceEdit(Grid->Col(), Grid->Row(), true, false, false, false, false);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
}

TEST_F(GridAdvance, AutoAdvanceMayRedirectAndAMergedRangeIsPassedWhole)
{
    Grid->MergeCells(1, 2, 3, 1);
    EnterAt(1, 2);
    EXPECT_EQ(Current(), (TPoint{4, 2})) << "past the whole range";
    Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    Grid->OnAutoAdvance = [](TObject*, int, int, int& NewRow, int& NewCol, bool&) {
        NewRow = 4;
        NewCol = 2;
    };
    EnterAt(1, 1);
    EXPECT_EQ(Current(), (TPoint{2, 4}));
}

TEST_F(GridAdvance, TheCursorWalksOutOfTheText)
{
    Grid->Navigation()->SetCursorWalkEditor(true);
    Grid->Navigation()->SetAdvanceOnEnter(false);
    Key(Grid, VK_F2);
    Editor()->SetSelStart(int(Editor()->Text().size()));
    Key(Editor(), VK_RIGHT);
    EXPECT_EQ(Current(), (TPoint{2, 1}));
    EXPECT_TRUE(Editing());
    Editor()->SetSelStart(0);
    Key(Editor(), VK_LEFT);
    EXPECT_EQ(Current(), (TPoint{1, 1}));
}

TEST_F(GridAdvance, TabWalksTheCellsAndNeverLeavesTheGrid)
{
    Grid->SetOptions(Grid->Options() + goTabs);
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("x"));
    Key(Editor(), VK_TAB, {}, QStringLiteral("\t"));
    EXPECT_EQ(Current(), (TPoint{2, 1}));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1x"));
    EXPECT_TRUE(Editing());
    Key(Editor(), VK_TAB, {ssShift}, QStringLiteral("\t"));
    EXPECT_EQ(Current(), (TPoint{1, 1}));
    Key(Editor(), VK_TAB, {ssShift}, QStringLiteral("\t"));
    EXPECT_EQ(Current(), (TPoint{4, 5})) << "back from the first cell to the last";

    // Without fixed columns and nothing selectable, backwards stays in the grid.
    Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    Grid->SetFixedCols(0);
    Grid->SetCol(0);
    Grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    Grid->TabNavigate(true);
    EXPECT_GE(Grid->Col(), 0);
    Grid->TabNavigate(false);
    EXPECT_GE(Grid->Col(), 0);
}

TEST_F(GridAdvance, DownOnTheLastRowAppendsWithAppendOnArrowDown)
{
    Grid->Navigation()->SetAdvanceOnEnter(false);
    EditorKinds({{1, edComboEdit}});
    QList<int> added;
    Grid->OnAutoAddRow = [&](TObject*, int ARow) { added << ARow; };
    for (bool append : {false, true}) {
        SCOPED_TRACE(append);
        Grid->Navigation()->SetAppendOnArrowDown(append);
        Grid->SetRow(Grid->RowCount() - 1);
        Key(Grid, VK_F2);
        ASSERT_TRUE(Grid->Combobox()->Visible());
        Key(Grid->Combobox(), VK_DOWN);
        EXPECT_FALSE(Grid->Combobox()->Visible());
        EXPECT_EQ(Grid->RowCount(), append ? 7 : 6);
        EXPECT_EQ(Grid->Row(), append ? 6 : 5);
    }
    EXPECT_EQ(added, QList<int>({6}));
}

TEST_F(GridAdvance, ReturnOnAReadOnlyCellWithoutAdvanceIsSwallowed)
{
    Grid->Navigation()->SetAdvanceOnEnter(false);
    // The key goes to OnKeyDown and no character follows it.
    QString keys;
    Grid->OnKeyPress = [&](TObject*, QChar& Key) { keys += Key; };
    Grid->OnKeyDown = [&](TObject*, int& Key, TShiftState) { keys += QString::number(Key); };
    Grid->OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    Grid->SetCol(2);
    Key(Grid, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(keys, QStringLiteral("13"));
}
