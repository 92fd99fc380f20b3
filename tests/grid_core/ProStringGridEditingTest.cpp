// The editing life cycle of the string grid with its text editor: opening,
// validation and refusal, Escape, focus loss, the end-of-edit events, and
// what the editor is given.
#include "GridEditingFixture.h"

using namespace SyntheticInput;

TEST_F(GridEditing, TypeAndReturnWritesTheCellThenValidatesAndReportsTheChange)
{
    LogEvents();
    Type(Grid, QStringLiteral("n"));
    ASSERT_TRUE(Editing());
    Type(Editor(), QStringLiteral("ew"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("new"));
    EXPECT_EQ(Log, QStringList({"validate 1,1 new", "changed 1,1", "editing done"}));
    EXPECT_TRUE(Grid->GridModified());
    EXPECT_EQ(Grid->Col(), 1) << "without AdvanceOnEnter the cursor stays";
}

TEST_F(GridEditing, AnUnchangedTextIsNotValidatedUnlessAlwaysValidate)
{
    LogEvents();
    for (bool always : {false, true}) {
        SCOPED_TRACE(always);
        Log.clear();
        Grid->SetAlwaysValidate(always);
        Key(Grid, VK_F2);
        ASSERT_TRUE(Editing());
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
        EXPECT_EQ(Log.contains(QStringLiteral("validate 1,1 1:1")), always);
        EXPECT_FALSE(Log.join(u',').contains(QStringLiteral("changed"))) << "nothing changed";
    }
}

TEST_F(GridEditing, EditCellDoneArrivesOnlyAfterTheEventLoopRuns)
{
    LogEvents();
    Grid->HideColumn(0);
    Grid->SetCol(1);
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("x"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Log.last(), QStringLiteral("editing done"));
    DeliverPostedMessages();
    EXPECT_EQ(Log.last(), QStringLiteral("edit cell done 2,1")) << "the real column";
}

TEST_F(GridEditing, ARefusalReopensTheEditorOnTheCell)
{
    struct Case {
        const char* Name;
        QString Replace;
        QString Cell;
    };
    const Case cases[] = {
        {"value kept: the old text comes back", QString(), QStringLiteral("1:1")},
        {"value replaced: the replacement is written", QStringLiteral("fixed"), QStringLiteral("fixed")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetCells(1, 1, QStringLiteral("1:1"));
        LogEvents();
        Log.clear();
        Refuse = true;
        Replace = c.Replace;
        Key(Grid, VK_F2);
        Type(Editor(), QStringLiteral("x"));
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
        EXPECT_EQ(Log.first(), QStringLiteral("validate 1,1 1:1x"));
        EXPECT_FALSE(Log.join(u',').contains(QStringLiteral("changed")));
        EXPECT_EQ(Grid->Cells(1, 1), c.Cell);
        EXPECT_TRUE(Editing());
        EXPECT_FALSE(Grid->LastValidation());
        EXPECT_EQ(Editor()->Text(), c.Replace.isEmpty() ? QStringLiteral("1:1x") : c.Replace)
            << "the editor keeps the text to correct";
        // Accepting it now writes it.
        Refuse = false;
        Replace.clear();
        Log.clear();
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
        EXPECT_FALSE(Editing());
        EXPECT_EQ(Grid->Cells(1, 1), Editor()->Text());
        EXPECT_TRUE(Log.contains(QStringLiteral("changed 1,1")) || c.Replace == Editor()->Text());
    }
}

TEST_F(GridEditing, TheRefusalNoticeShowsOnTheEditorOnly)
{
    LogEvents();
    Refuse = true;
    Grid->SetInvalidEntryTitle(QStringLiteral("Invalid"));
    Grid->SetInvalidEntryText(QStringLiteral("Not a set-point"));
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("x"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_TRUE(Grid->RefusalShown());
    Refuse = false;
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Grid->RefusalShown());

    // A check-box editor has no control to show it on.
    EditorKinds({{2, edCheckBox}});
    Grid->SetCol(2);
    Grid->SetAlwaysValidate(true);
    Refuse = true;
    Key(Grid, VK_F2);
    ASSERT_TRUE(Grid->EditCheck()->Visible());
    Key(Grid->EditCheck(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_TRUE(Log.contains(QStringLiteral("validate 2,1 2:1")));
    EXPECT_FALSE(Grid->RefusalShown());
}

TEST_F(GridEditing, EscapeRestoresTheTextFromTheStartOfTheEdit)
{
    LogEvents();
    Type(Grid, QStringLiteral("a"));
    Type(Editor(), QStringLiteral("bc"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("abc")) << "typed text goes into the cell at once";
    Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1"));
    EXPECT_FALSE(Log.join(u',').contains(QStringLiteral("validate")));
}

TEST_F(GridEditing, LosingTheFocusCommits)
{
    LogEvents();
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("!"));
    Other->SetFocus();
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1!"));
    EXPECT_EQ(Log, QStringList({"validate 1,1 1:1!", "changed 1,1", "editing done"}));
}

TEST_F(GridEditing, MovingToAnotherCellValidatesTheEdit)
{
    LogEvents();
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("!"));
    Key(Editor(), VK_DOWN);
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1!"));
    EXPECT_EQ(Log.mid(0, 2), QStringList({"validate 1,1 1:1!", "changed 1,1"}));
}

TEST_F(GridEditing, EditChangeGetsTheDisplayColumn)
{
    QList<int> cols;
    Grid->OnEditChange = [&](TObject*, int ACol, int, const QString&) { cols << ACol; };
    Grid->HideColumn(1);
    Grid->SetCol(2);
    Key(Grid, VK_F2);
    EXPECT_TRUE(cols.isEmpty()) << "loading the editor is no change";
    ASSERT_EQ(Editor()->Text(), QStringLiteral("3:1"));
    Type(Editor(), QStringLiteral("x"));
    EXPECT_EQ(cols, QList<int>({2}));
}

TEST_F(GridEditing, OnlyCellsDrawnAsMarkupLoseTheirTags)
{
    struct Case {
        const char* Name;
        bool EnableHTML;
        QString Text;
        QString Edited;
    };
    const Case cases[] = {
        {"markup off", false, QStringLiteral("Setpoint <Room 1>"), QStringLiteral("Setpoint <Room 1>")},
        {"markup on, not markup", true, QStringLiteral("Setpoint <Room 1>"), QStringLiteral("Setpoint <Room 1>")},
        {"markup off, bold tags", false, QStringLiteral("<B>x</B>"), QStringLiteral("<B>x</B>")},
        {"markup on, bold tags", true, QStringLiteral("<B>x</B>"), QStringLiteral("x")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetEnableHTML(c.EnableHTML);
        Grid->SetCells(1, 1, c.Text);
        Key(Grid, VK_F2);
        ASSERT_TRUE(Editing());
        EXPECT_EQ(Editor()->Text(), c.Edited);
        Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
        EXPECT_EQ(Grid->Cells(1, 1), c.Edited);
    }
}

TEST_F(GridEditing, ReadOnlyAndNoEditorCellsDoNotEdit)
{
    Grid->OnCanEditCell = [](TObject*, int ARow, int ACol, bool& CanEdit) { CanEdit = !(ACol == 2 && ARow == 1); };
    EditorKinds({{3, edNone}});
    Grid->SetCol(2);
    Type(Grid, QStringLiteral("x"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("2:1"));
    Grid->SetCol(3);
    Type(Grid, QStringLiteral("x"));
    EXPECT_FALSE(Editing());
    EXPECT_FALSE(Grid->EditMode());
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("3:1"));
    Grid->SetCol(1);
    Type(Grid, QStringLiteral("x"));
    EXPECT_TRUE(Editing());
}

TEST_F(GridEditing, AFixedRightColumnAndFooterRowAreFixed)
{
    Grid->SetFixedRightCols(1);
    Grid->SetFixedFooters(1);
    Grid->OnIsFixedCell = [](TObject*, int, int, bool& IsFixed) { IsFixed = false; };
    EXPECT_TRUE(Grid->IsFixed(4, 2));
    EXPECT_TRUE(Grid->IsFixed(2, 5));
    EXPECT_FALSE(Grid->IsFixed(2, 2));
    Grid->SetCol(4);
    EXPECT_EQ(Grid->Col(), 1) << "the cursor does not go onto a fixed cell";
}

TEST_F(GridEditing, AMergedRangeEditsItsBaseCell)
{
    Grid->MergeCells(1, 1, 2, 2);
    Grid->SetCells(1, 1, QStringLiteral("base"));
    Grid->SetCol(2);
    Grid->SetRow(2);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Grid->Row(), 1);
    Key(Grid, VK_F2);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Editor()->Text(), QStringLiteral("base"));
    EXPECT_EQ(Editor()->Width(), Grid->CellRect(1, 1).Width() - 1) << "over the whole range";
    Type(Editor(), QStringLiteral("!"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->GridCells(1, 1), QStringLiteral("base!"));
}

TEST_F(GridEditing, ControlCellsNeverEdit)
{
    Grid->AddCheckBox(1, 1, false, false);
    Grid->AddButton(2, 1, 40, 18, QStringLiteral("Go"), haCenter, vaCenter);
    for (int col : {1, 2}) {
        SCOPED_TRACE(col);
        Grid->SetCol(col);
        const QString text = Grid->Cells(col, 1);
        Key(Grid, VK_F2);
        Type(Grid, QStringLiteral("x"));
        Grid->ShowInplaceEdit();
        EXPECT_FALSE(Editing());
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_EQ(Grid->Cells(col, 1), text);
    }
    // Merged, the range's base cell decides.
    Grid->MergeCells(1, 1, 1, 2);
    Grid->SetCol(1);
    Grid->SetRow(2);
    Key(Grid, VK_F2);
    EXPECT_FALSE(Editing());
}
