// The in-place editor: opened by F2, Return, typing or a click on the
// current cell with goEditing; written back through SetEditText; the keys
// it does not keep go to the grid.
#include "CustomGridFixture.h"
#include "platform/controls/Button.h"
#include "platform/controls/InplaceEdit.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

class CustomGridEditor : public CustomGridTest {
protected:
    void SetUp() override
    {
        CustomGridTest::SetUp();
        Grid->SetOptions(Grid->Options() + goEditing + goTabs);
        Grid->SetCells(1, 1, QStringLiteral("old"));
        Grid->Log.clear();
    }
    TInplaceEdit* Editor() const { return Grid->InplaceEditor(); }
    bool Editing() const { return Editor() && Editor()->Visible() && Grid->EditorMode(); }
};

TEST_F(CustomGridEditor, OpensOverTheCurrentCellWithItsText)
{
    struct Case {
        const char* Name;
        std::function<void(TLoggingGrid*)> Open;
    };
    const Case cases[] = {
        {"F2", [](TLoggingGrid* g) { Key(g, VK_F2); }},
        {"Return", [](TLoggingGrid* g) { Key(g, VK_RETURN, {}, QStringLiteral("\r")); }},
        {"click on the current cell", [this](TLoggingGrid* g) { Click(g, Centre(1, 1)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        c.Open(Grid);
        ASSERT_TRUE(Editing());
        EXPECT_EQ(Editor()->Text(), QStringLiteral("old"));
        EXPECT_EQ(Editor()->BoundsRect(), Grid->CellRect(1, 1));
        EXPECT_TRUE(Editor()->Focused());
        Grid->HideEditor();
        EXPECT_TRUE(Grid->Focused()) << "the focus goes back to the grid";
    }
}

TEST_F(CustomGridEditor, NothingOpensWithoutGoEditing)
{
    Grid->SetOptions(Grid->Options() - goEditing);
    Key(Grid, VK_F2);
    Type(Grid, QStringLiteral("x"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("old"));
}

TEST_F(CustomGridEditor, TypingReplacesTheTextAndReturnWritesItBack)
{
    Type(Grid, QStringLiteral("n"));
    ASSERT_TRUE(Editing());
    Type(Editor(), QStringLiteral("ew"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("new"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("old")) << "nothing is written while editing";
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("new"));
    EXPECT_EQ(Grid->Log, QStringList({"SetEditText 1,1 new"}));
}

TEST_F(CustomGridEditor, LineBreaksSurviveAnEditAndReturnTypesNone)
{
    Grid->SetCells(1, 1, QStringLiteral("one\r\ntwo"));
    Key(Grid, VK_F2);
    EXPECT_EQ(Editor()->Lines()->Count(), 2);
    Editor()->SetSelStart(int(Editor()->Text().size()));
    Type(Editor(), QStringLiteral("!"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("one\r\ntwo!"));
}

TEST_F(CustomGridEditor, MaskedCellTakesOnlyWhatTheMaskAllows)
{
    struct TMaskGrid : TLoggingGrid {
        using TLoggingGrid::TLoggingGrid;
        QString GetEditMask(int, int) override { return QStringLiteral("99-99;0;_"); }
    };
    delete Grid;
    auto* grid = new TMaskGrid(Form);
    Grid = grid;
    grid->SetParent(Form);
    grid->SetOptions(grid->Options() + goEditing);
    grid->SetFocus();
    Key(grid, VK_F2);
    ASSERT_TRUE(Editing());
    EXPECT_EQ(Editor()->EditMask(), QStringLiteral("99-99;0;_"));
    Editor()->SetSelStart(0);
    Type(Editor(), QStringLiteral("1x234"));
    Key(Editor(), VK_BACK);
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(grid->Cells(1, 1), QStringLiteral("123 "));
}

TEST_F(CustomGridEditor, ReturnAndEscapeStayWithTheEditorOverDefaultButtons)
{
    QStringList clicks;
    for (bool isDefault : {true, false}) {
        auto* button = new TButton(Form);
        button->SetParent(Form);
        button->SetBounds(300, isDefault ? 10 : 40, 60, 24);
        (isDefault ? [](TButton* b) { b->SetDefault(true); } : [](TButton* b) { b->SetCancel(true); })(button);
        button->OnClick = [&clicks, isDefault](TObject*) { clicks << (isDefault ? "default" : "cancel"); };
    }
    Key(Grid, VK_F2);
    Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_TRUE(Editing());
    Type(Editor(), QStringLiteral("x"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Editing());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("oldx")) << "F2 leaves the caret at the end";
    EXPECT_TRUE(clicks.isEmpty()) << clicks.join(u',').toStdString();
}

TEST_F(CustomGridEditor, WritingTheEditedCellReloadsTheEditor)
{
    Key(Grid, VK_F2);
    Grid->SetCells(2, 1, QStringLiteral("other"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("old"));
    Grid->SetCells(1, 1, QStringLiteral("set"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("set"));
    EXPECT_TRUE(Editing());
}

TEST_F(CustomGridEditor, EveryTypedCharacterPassesTheGridsKeyPress)
{
    QString seen;
    Grid->OnKeyPress = [&](TObject*, QChar& k) {
        seen += k;
        if (k == u'-')
            k = QChar();
    };
    Type(Grid, QStringLiteral("a"));
    ASSERT_TRUE(Editing());
    Type(Editor(), QStringLiteral("-b"));
    EXPECT_EQ(seen, QStringLiteral("a-b")) << "once each, the opening character too";
    EXPECT_EQ(Editor()->Text(), QStringLiteral("ab"));
}

TEST_F(CustomGridEditor, TabAndArrowsGoToTheGridAndCommit)
{
    struct Case {
        const char* Name;
        int Key;
        TShiftState Shift;
        TGridCoord Expect;
    };
    const Case cases[] = {
        {"Tab", VK_TAB, {}, {2, 1}},
        {"Down", VK_DOWN, {}, {1, 2}},
        {"Page Down", VK_NEXT, {}, {1, 5}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Grid->SetCol(1);
        Grid->SetRow(1);
        Grid->SetTopRow(1);
        Grid->SetCells(1, 1, QStringLiteral("old"));
        Grid->Log.clear();
        Key(Grid, VK_F2);
        Type(Editor(), QStringLiteral("!"));
        Key(Editor(), c.Key, c.Shift, c.Key == VK_TAB ? QStringLiteral("\t") : QString());
        EXPECT_EQ(Grid->Col(), c.Expect.X);
        EXPECT_EQ(Grid->Row(), c.Expect.Y);
        EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("old!"));
        EXPECT_FALSE(Editing());
        EXPECT_TRUE(Grid->Focused());
    }
}

TEST_F(CustomGridEditor, LeftAndRightStayInTheTextUnlessTheEditorAlwaysShows)
{
    Key(Grid, VK_F2);
    Key(Editor(), VK_LEFT);
    Key(Editor(), VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_TRUE(Editing());
    Grid->HideEditor();
    Grid->SetOptions(Grid->Options() + goAlwaysShowEditor);
    ASSERT_TRUE(Editing());
    Editor()->SetSelStart(int(Editor()->Text().size()));
    Key(Editor(), VK_RIGHT);
    EXPECT_EQ(Grid->Col(), 2) << "at the right edge Right moves on";
    EXPECT_TRUE(Editing()) << "goAlwaysShowEditor keeps the editor over the new cell";
    EXPECT_EQ(Editor()->BoundsRect(), Grid->CellRect(2, 1));
}

TEST_F(CustomGridEditor, DrawGridExchangesTextThroughItsEvents)
{
    auto* grid = new TDrawGrid(Form);
    grid->SetParent(Form);
    grid->SetBounds(0, 150, 200, 100);
    grid->SetOptions(grid->Options() + goEditing);
    QStringList log;
    grid->OnGetEditText = [&](TObject*, int c, int r, QString& v) { v = QStringLiteral("at %1,%2").arg(c).arg(r); };
    grid->OnSetEditText = [&](TObject*, int c, int r, const QString& v) { log << QStringLiteral("%1,%2=%3").arg(c).arg(r).arg(v); };
    grid->OnGetEditMask = [](TObject*, int, int, QString& v) { v = QStringLiteral("aa 9,9;1;_"); };
    grid->SetFocus();
    Key(grid, VK_F2);
    ASSERT_NE(grid->InplaceEditor(), nullptr);
    EXPECT_EQ(grid->InplaceEditor()->EditMask(), QStringLiteral("aa 9,9;1;_"));
    EXPECT_EQ(grid->InplaceEditor()->Text(), QStringLiteral("at 1,1"));
    Key(grid->InplaceEditor(), VK_DOWN);
    EXPECT_EQ(log, QStringList({"1,1=at 1,1"}));
}

} // namespace
