// Keys on the string grid: where the cursor goes (Tab, arrows, Home and
// End, Ctrl combinations, wrapping at the edges), control cells under
// Space, inserting and deleting rows, and the events a key fires.
#include "GridEditingFixture.h"
#include <functional>

using namespace SyntheticInput;

namespace {

// The editing fixture's grid with editing off.
class GridKeys : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->SetOptions(Grid->Options() - goEditing);
    }
    TPoint Current() const { return TPoint{Grid->Col(), Grid->Row()}; }
    QString Column(int ACol) const
    {
        QStringList s;
        for (int r = 1; r < Grid->RowCount(); ++r)
            s << Grid->Cells(ACol, r);
        return s.join(u' ');
    }
};

struct NavCase {
    const char* Name;
    std::function<void(TProStringGrid*)> Setup;
    TPoint From;
    int Key;
    TShiftState Shift;
    TPoint To;
};

void PrintTo(const NavCase& C, std::ostream* Os) { *Os << C.Name; }

class GridKeyNavigation : public GridKeys, public ::testing::WithParamInterface<NavCase> {};

void Tabs(TProStringGrid* G) { G->SetOptions(G->Options() + goTabs); }
void HomeEnd(THomeEndAction A, TProStringGrid* G) { G->Navigation()->SetHomeEndKey(A); }
void Advance(TCursorAdvance A, TProStringGrid* G) { G->Navigation()->SetCursorAdvance(A); }

const NavCase NavCases[] = {
    {"TabMovesRight", Tabs, {1, 1}, VK_TAB, {}, {2, 1}},
    {"TabWrapsToTheNextRow", Tabs, {4, 1}, VK_TAB, {}, {1, 2}},
    {"ShiftTabWrapsBack", Tabs, {1, 2}, VK_TAB, {ssShift}, {4, 1}},
    {"TabWithoutGoTabsStays", nullptr, {1, 1}, VK_TAB, {}, {1, 1}},
    {"Right", nullptr, {1, 1}, VK_RIGHT, {}, {2, 1}},
    {"Down", nullptr, {1, 1}, VK_DOWN, {}, {1, 2}},
    {"LeftStopsAtTheFirstColumn", nullptr, {1, 3}, VK_LEFT, {}, {1, 3}},
    {"HomeGoesToTheFirstColumn", nullptr, {3, 2}, VK_HOME, {}, {1, 2}},
    {"EndGoesToTheLastColumn", nullptr, {2, 2}, VK_END, {}, {4, 2}},
    {"CtrlHomeGoesToTheFirstCell", nullptr, {3, 3}, VK_HOME, {ssCtrl}, {1, 1}},
    {"CtrlEndGoesToTheLastCell", nullptr, {2, 2}, VK_END, {ssCtrl}, {4, 5}},
    {"HomeFirstCell", [](TProStringGrid* G) { HomeEnd(heFirstLastCell, G); }, {3, 3}, VK_HOME, {}, {1, 1}},
    {"EndLastCell", [](TProStringGrid* G) { HomeEnd(heFirstLastCell, G); }, {2, 2}, VK_END, {}, {4, 5}},
    {"HomeFirstRow", [](TProStringGrid* G) { HomeEnd(heFirstLastRow, G); }, {3, 4}, VK_HOME, {}, {3, 1}},
    {"EndLastRow", [](TProStringGrid* G) { HomeEnd(heFirstLastRow, G); }, {3, 2}, VK_END, {}, {3, 5}},
    {"LoopLeft", [](TProStringGrid* G) { Advance(caLoop, G); }, {1, 3}, VK_LEFT, {}, {4, 3}},
    {"LoopDown", [](TProStringGrid* G) { Advance(caLoop, G); }, {2, 5}, VK_DOWN, {}, {2, 1}},
    {"SnakeLeft", [](TProStringGrid* G) { Advance(caSnake, G); }, {1, 3}, VK_LEFT, {}, {4, 2}},
    {"SnakeLeftInTheFirstRow", [](TProStringGrid* G) { Advance(caSnake, G); }, {1, 1}, VK_LEFT, {}, {4, 1}},
    {"SnakeDown", [](TProStringGrid* G) { Advance(caSnake, G); }, {2, 5}, VK_DOWN, {}, {3, 1}},
    {"SnakeRight", [](TProStringGrid* G) { Advance(caSnake, G); }, {4, 2}, VK_RIGHT, {}, {1, 3}},
    {"SnakeUp", [](TProStringGrid* G) { Advance(caSnake, G); }, {3, 1}, VK_UP, {}, {2, 5}},
    {"LoopRightBeforeFixedRightColumnsStays",
     [](TProStringGrid* G) {
         Advance(caLoop, G);
         G->SetFixedRightCols(1);
     },
     {3, 2}, VK_RIGHT, {}, {3, 2}},
    {"SkipFixedCells",
     [](TProStringGrid* G) {
         G->Navigation()->SetSkipFixedCells(true);
         G->OnIsFixedCell = [](TObject*, int ARow, int ACol, bool& IsFixed) { IsFixed = ACol == 2 && ARow == 2; };
     },
     {1, 2}, VK_RIGHT, {}, {3, 2}},
    {"SkipDisabledRows",
     [](TProStringGrid* G) {
         G->Navigation()->SetSkipDisabledRows(true);
         G->SetRowEnabled(3, false);
     },
     {2, 2}, VK_DOWN, {}, {2, 4}},
};

TEST_P(GridKeyNavigation, MovesTheCursor)
{
    const NavCase& c = GetParam();
    if (c.Setup)
        c.Setup(Grid);
    Grid->MoveColRow(c.From.X, c.From.Y, true, true);
    Key(Grid, c.Key, c.Shift);
    EXPECT_EQ(Current(), c.To);
}

INSTANTIATE_TEST_SUITE_P(GridKeys, GridKeyNavigation, ::testing::ValuesIn(NavCases),
                         [](const auto& Info) { return std::string(Info.param.Name); });

TEST_F(GridKeys, EnterWithAdvanceEditsAndMovesOn)
{
    Grid->SetOptions(Grid->Options() + goEditing);
    Grid->Navigation()->SetAdvanceOnEnter(true);
    Grid->MoveColRow(1, 1, true, true);
    Type(Grid, QStringLiteral("ab"));
    Key(Grid->NormalEdit(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(1, 1), "ab");
    EXPECT_EQ(Current(), (TPoint{2, 1}));
}

TEST_F(GridKeys, KeyEventsInOrder)
{
    QStringList log;
    Grid->OnKeyDown = [&log](TObject*, int& Key, TShiftState) { log << QStringLiteral("down %1").arg(Key); };
    Grid->OnKeyUp = [&log](TObject*, int& Key, TShiftState) { log << QStringLiteral("up %1").arg(Key); };
    Grid->OnSelectionChanged = [&log](TObject*, int L, int T, int R, int B) {
        log << QStringLiteral("selection %1,%2,%3,%4").arg(L).arg(T).arg(R).arg(B);
    };
    Key(Grid, VK_RIGHT);
    Key(Grid, VK_HOME);
    // Return on a cell that cannot be edited goes only to OnKeyDown.
    Key(Grid, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(log, (QStringList{"down 39", "selection 2,1,2,1", "up 39", "down 36", "up 36", "selection 1,1,1,1",
                                "down 13", "up 13"}));
}

TEST_F(GridKeys, SpaceTogglesADataCheckBox)
{
    Grid->SetOptions(Grid->Options() + goEditing);
    for (int r = 1; r < 6; ++r)
        Grid->SetCells(2, r, QStringLiteral("N"));
    Grid->AddCheckBoxColumn(2, false, true);
    QStringList log;
    Grid->OnCheckBoxClick = [&log](TObject*, int ACol, int ARow, bool State) {
        log << QStringLiteral("check box %1,%2 %3").arg(ACol).arg(ARow).arg(State);
    };
    Grid->MoveColRow(2, 3, true, true);
    Key(Grid, VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(Grid->Cells(2, 3), "Y");
    Key(Grid, VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(Grid->Cells(2, 3), "N");
    EXPECT_EQ(log, (QStringList{"check box 2,3 1", "check box 2,3 0"}));
    EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(GridKeys, CtrlDownAndUpMoveRows)
{
    Grid->Navigation()->SetCursorMoveRows(true);
    Grid->MoveColRow(1, 2, true, true);
    Key(Grid, VK_DOWN, {ssCtrl});
    EXPECT_EQ(Column(1), "1:1 1:3 1:2 1:4 1:5");
    EXPECT_EQ(Grid->Row(), 3);
    Grid->MoveColRow(1, 5, true, true);
    Key(Grid, VK_DOWN, {ssCtrl});
    EXPECT_EQ(Column(1), "1:1 1:3 1:2 1:4 1:5") << "the last row stays";
    Grid->MoveColRow(1, 1, true, true);
    Key(Grid, VK_UP, {ssCtrl});
    EXPECT_EQ(Column(1), "1:1 1:3 1:2 1:4 1:5") << "the first row stays";
}

TEST_F(GridKeys, InsertAndDeleteRows)
{
    Grid->Navigation()->SetAllowInsertRow(true);
    Grid->Navigation()->SetAllowDeleteRow(true);
    QStringList log;
    Grid->OnAutoInsertRow = [&log](TObject*, int ARow) { log << QStringLiteral("inserted %1").arg(ARow); };
    Grid->OnCanDeleteRow = [&log](TObject*, int ARow, bool&) { log << QStringLiteral("delete %1").arg(ARow); };
    Grid->MoveColRow(1, 2, true, true);
    Key(Grid, VK_INSERT);
    EXPECT_EQ(Column(1), "1:1  1:2 1:3 1:4 1:5");
    EXPECT_EQ(Grid->RowCount(), 7);
    Key(Grid, VK_DELETE);
    EXPECT_EQ(Column(1), "1:1 1:2 1:3 1:4 1:5");
    EXPECT_EQ(log, (QStringList{"inserted 2", "delete 2"}));
}

TEST_F(GridKeys, DeleteRemovesTheRowTheCursorIsOnWithRowsHidden)
{
    Grid->Navigation()->SetAllowDeleteRow(true);
    Grid->HideRow(2);
    // Display row 2 is real row 3.
    Grid->MoveColRow(1, 2, true, true);
    int asked = -1;
    Grid->OnCanDeleteRow = [&asked](TObject*, int ARow, bool&) { asked = ARow; };
    Key(Grid, VK_DELETE);
    EXPECT_EQ(asked, 3);
    Grid->UnHideRowsAll();
    EXPECT_EQ(Column(1), "1:1 1:2 1:4 1:5");
}

TEST_F(GridKeys, InsertPutsTheRowBeforeTheCursorsRecordUnderAContractedNode)
{
    Grid->Navigation()->SetAllowInsertRow(true);
    QStringList log;
    Grid->OnAutoInsertRow = [&log](TObject*, int ARow) { log << QStringLiteral("inserted %1").arg(ARow); };
    // Rows 2 and 3 hide under the node of row 1: display row 3 is real row 5.
    Grid->AddNode(1, 3);
    Grid->ContractNode(1);
    Grid->MoveColRow(1, 3, true, true);
    ASSERT_EQ(Grid->Cells(1, 3), "1:5");
    Key(Grid, VK_INSERT);
    EXPECT_EQ(log, QStringList({"inserted 3"}));
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Cells(1, 3), "");
    EXPECT_EQ(Grid->Cells(1, 4), "1:5");
    Grid->ExpandNode(1);
    EXPECT_EQ(Column(1), "1:1 1:2 1:3 1:4  1:5");
}

TEST_F(GridKeys, DeleteRemovesTheCursorsChildRowBelowAContractedNode)
{
    Grid->Navigation()->SetAllowDeleteRow(true);
    Grid->SetRowCount(7);
    Grid->SetCells(1, 6, QStringLiteral("1:6"));
    // Row 2 hides under the node of row 1; rows 4 and 5 belong to the
    // node of row 3, so display row 3 is real row 4.
    Grid->AddNode(1, 2);
    Grid->AddNode(3, 3);
    Grid->ContractNode(1);
    Grid->MoveColRow(1, 3, true, true);
    ASSERT_EQ(Grid->Cells(1, 3), "1:4");
    Key(Grid, VK_DELETE);
    Grid->ExpandNode(1);
    EXPECT_EQ(Column(1), "1:1 1:2 1:3 1:5 1:6");
    EXPECT_EQ(Grid->GetNodeSpan(3), 2);
}

TEST_F(GridKeys, ClipboardKeysNeedTheFeaturesAndTheSetting)
{
    QStringList log;
    Grid->OnClipboardCopy = [&log](TObject*, bool&) { log << "copy"; };
    Grid->OnClipboardCut = [&log](TObject*, bool& Allow) {
        log << "cut";
        Allow = false;
    };
    Key(Grid, 'C', {ssCtrl});
    Grid->Navigation()->SetAllowClipboardShortCuts(true);
    Key(Grid, 'C', {ssCtrl});
    Key(Grid, VK_INSERT, {ssCtrl});
    Key(Grid, VK_DELETE, {ssShift});
    EXPECT_EQ(log, (QStringList{"copy", "copy", "cut"}));
    EXPECT_EQ(Grid->Cells(1, 1), "1:1");
}

} // namespace
