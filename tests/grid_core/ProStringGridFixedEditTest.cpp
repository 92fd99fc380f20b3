// Fixed cells edited in place (double click, left or right press) and the
// drop-down button of fixed cells with its menu: the editor each road
// opens, commit and cancel, OnEditChange while typing, the button's area.
#include "GridEditingFixture.h"
#include "grid/core/CellEditors.h"
#include "grid/core/ControlLook.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Menu.h"

namespace {

enum TFixedRoad { DoubleClick, LeftPress, RightPress };

// The editing fixture with one fixed row and column, editing off, and
// every fixed-cell event logged.
class GridFixedEdit : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->SetOptions(Grid->Options() - goEditing);
        LogEvents();
        Grid->OnEditChange = [this](TObject*, int ACol, int ARow, const QString& Value) {
            Log << QStringLiteral("change %1,%2 %3").arg(ACol).arg(ARow).arg(Value);
        };
        Grid->OnFixedEdit = [this](TObject*, int ACol, int ARow, TGridFixedCellEditor& AEditor, TStrings*) {
            Log << QStringLiteral("fixed edit %1,%2 %3").arg(ACol).arg(ARow).arg(int(AEditor));
        };
    }
    TPoint At(int ACol, int ARow, int DX = 20, int DY = 8) const
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        return TPoint{r.Left + DX, r.Top + DY};
    }
    void Use(TFixedRoad Road, TPoint P)
    {
        switch (Road) {
        case DoubleClick: SyntheticInput::DoubleClick(Grid, P); break;
        case LeftPress: SyntheticInput::Click(Grid, P); break;
        case RightPress:
            SyntheticInput::MouseDown(Grid, mbRight, P);
            SyntheticInput::MouseUp(Grid, mbRight, P);
            break;
        }
    }
    void ComboValues(const QString& CommaText)
    {
        TStringList values;
        values.SetCommaText(CommaText);
        Grid->MouseActions()->SetFixedComboValues(&values);
    }
    // "edit c,r" or "combo c,r <style>" for the open editor; "none".
    QString Open() const
    {
        TGridTransEdit* e = Grid->TransEdit();
        TGridTransCombo* c = Grid->TransCombo();
        if (e->Visible())
            return QStringLiteral("edit %1,%2").arg(e->Col()).arg(e->Row());
        if (c->Visible())
            return QStringLiteral("combo %1,%2 %3").arg(c->Col()).arg(c->Row()).arg(int(c->Style()));
        return QStringLiteral("none");
    }
};

struct TOpenCase {
    const char* Name;
    TGridFixedCellEdit RowsEdit;
    TGridFixedCellEdit ColsEdit;
    TGridFixedCellEditor RowsEditor;
    TGridFixedCellEditor ColsEditor;
    bool ColSizing;
    TFixedRoad Road;
    int Col, Row, DX;
    const char* Expected;
};

class GridFixedEditOpen : public GridFixedEdit, public ::testing::WithParamInterface<TOpenCase> {};

TEST_P(GridFixedEditOpen, OpensTheEditorOfItsRoad)
{
    const TOpenCase& c = GetParam();
    TMouseActions* ma = Grid->MouseActions();
    ma->SetFixedRowsEdit(c.RowsEdit);
    ma->SetFixedColsEdit(c.ColsEdit);
    ma->SetFixedRowsEditor(c.RowsEditor);
    ma->SetFixedColsEditor(c.ColsEditor);
    Grid->SetOptions(c.ColSizing ? Grid->Options() + goColSizing : Grid->Options() - goColSizing);
    Log.clear();
    Use(c.Road, At(c.Col, c.Row, c.DX));
    EXPECT_EQ(Open(), QString::fromLatin1(c.Expected));
    if (Open() != "none") {
        EXPECT_EQ(Log, QStringList{QStringLiteral("fixed edit %1,%2 %3")
                                       .arg(c.Col)
                                       .arg(c.Row)
                                       .arg(int(c.Col == 0 ? c.ColsEditor : c.RowsEditor))});
        TWinControl* editor = Grid->TransEdit()->Visible() ? static_cast<TWinControl*>(Grid->TransEdit())
                                                           : Grid->TransCombo();
        EXPECT_TRUE(editor->Focused());
        // A list shows only its items, and there are none here.
        const bool list = editor == Grid->TransCombo() && Grid->TransCombo()->Style() == csDropDownList;
        EXPECT_EQ(editor->Text(), list ? QString() : Grid->Cells(c.Col, c.Row));
        TRect r = Grid->CellRect(c.Col, c.Row);
        InflateRect(r, -1, -1);
        if (editor == Grid->TransCombo()) {
            r.Left -= 1;
            r.Top -= 1;
        }
        EXPECT_EQ(editor->Left(), r.Left);
        EXPECT_EQ(editor->Top(), r.Top);
        EXPECT_EQ(editor->Width(), r.Width());
    }
}

// c csDropDown = 0, csDropDownList = 2.
INSTANTIATE_TEST_SUITE_P(
    Roads, GridFixedEditOpen,
    ::testing::Values(
        TOpenCase{"DoubleClickOnAHeader", fceDblClick, fceNone, fceEdit, fceEdit, true, DoubleClick, 2, 0, 20,
                  "edit 2,0"},
        TOpenCase{"ASingleClickIsNoDoubleClick", fceDblClick, fceNone, fceEdit, fceEdit, true, LeftPress, 2, 0, 20,
                  "none"},
        TOpenCase{"LeftPressOnAHeader", fceLeftClick, fceNone, fceEdit, fceEdit, true, LeftPress, 3, 0, 20,
                  "edit 3,0"},
        TOpenCase{"LeftPressNearASizableBorder", fceLeftClick, fceNone, fceEdit, fceEdit, true, LeftPress, 3, 0, 3,
                  "none"},
        TOpenCase{"LeftPressNearAFixedBorder", fceLeftClick, fceNone, fceEdit, fceEdit, false, LeftPress, 3, 0, 3,
                  "edit 3,0"},
        TOpenCase{"RightPressOnAHeader", fceRightClick, fceNone, fceEdit, fceEdit, true, RightPress, 1, 0, 3,
                  "edit 1,0"},
        TOpenCase{"LeftPressWithRightClickSet", fceRightClick, fceNone, fceEdit, fceEdit, true, LeftPress, 1, 0, 20,
                  "none"},
        TOpenCase{"RowHeaderTakesTheColumnsEditor", fceNone, fceLeftClick, fceComboEdit, fceComboList, false,
                  LeftPress, 0, 3, 20, "combo 0,3 2"},
        TOpenCase{"ColumnHeaderTakesTheRowsEditor", fceDblClick, fceNone, fceComboEdit, fceComboList, false,
                  DoubleClick, 2, 0, 20, "combo 2,0 0"},
        TOpenCase{"NormalCellsAreNotFixed", fceLeftClick, fceLeftClick, fceEdit, fceEdit, false, LeftPress, 2, 2, 20,
                  "none"}),
    [](const ::testing::TestParamInfo<TOpenCase>& Info) { return std::string(Info.param.Name); });

TEST_F(GridFixedEdit, ReturnCommitsWhatWasTyped)
{
    Grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    SyntheticInput::DoubleClick(Grid, At(2, 0));
    Log.clear();
    TGridTransEdit* e = Grid->TransEdit();
    SyntheticInput::Type(e, QStringLiteral("Id"));
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("2:0"));
    SyntheticInput::Key(e, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Log, (QStringList{"change 2,0 I", "change 2,0 Id", "validate 2,0 Id", "editing done"}));
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("Id"));
    EXPECT_EQ(Open(), QStringLiteral("none"));
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridFixedEdit, EscapeLeavesTheHeaderAsItWas)
{
    Grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    SyntheticInput::DoubleClick(Grid, At(2, 0));
    Log.clear();
    TGridTransEdit* e = Grid->TransEdit();
    SyntheticInput::Type(e, QStringLiteral("Id"));
    SyntheticInput::Key(e, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_EQ(Log, (QStringList{"change 2,0 I", "change 2,0 Id"}));
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("2:0"));
    EXPECT_EQ(Open(), QStringLiteral("none"));
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridFixedEdit, LeavingCommitsAndARefusalKeepsTheEditorOpen)
{
    Grid->MouseActions()->SetFixedRowsEdit(fceLeftClick);
    SyntheticInput::Click(Grid, At(3, 0));
    SyntheticInput::Type(Grid->TransEdit(), QStringLiteral("x"));
    Refuse = true;
    // Another header's press first ends this edit; the refusal keeps it.
    SyntheticInput::Click(Grid, At(2, 0));
    EXPECT_EQ(Open(), QStringLiteral("edit 3,0"));
    EXPECT_EQ(Grid->Cells(3, 0), QStringLiteral("3:0"));
    Refuse = false;
    Log.clear();
    Other->SetFocus();
    EXPECT_EQ(Log, (QStringList{"validate 3,0 x", "editing done"}));
    EXPECT_EQ(Grid->Cells(3, 0), QStringLiteral("x"));
    EXPECT_EQ(Open(), QStringLiteral("none"));
}

TEST_F(GridFixedEdit, ScrollingCommitsAsTheEditorDoesNotFollow)
{
    Grid->SetRowCount(40);
    Grid->MouseActions()->SetFixedColsEdit(fceLeftClick);
    SyntheticInput::Click(Grid, At(0, 3));
    SyntheticInput::Type(Grid->TransEdit(), QStringLiteral("r"));
    Log.clear();
    Grid->SetTopRow(10);
    EXPECT_EQ(Log, (QStringList{"validate 0,3 r", "editing done"}));
    EXPECT_EQ(Grid->Cells(0, 3), QStringLiteral("r"));
    EXPECT_EQ(Open(), QStringLiteral("none"));
    EXPECT_TRUE(Grid->Focused());
}

TEST_F(GridFixedEdit, HiddenColumnsEditTheRealColumn)
{
    Grid->HideColumn(1);
    Grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    // Display column 2 is real column 3.
    SyntheticInput::DoubleClick(Grid, At(2, 0));
    EXPECT_EQ(Open(), QStringLiteral("edit 3,0"));
    EXPECT_EQ(Grid->TransEdit()->Text(), QStringLiteral("3:0"));
    Log.clear();
    SyntheticInput::Type(Grid->TransEdit(), QStringLiteral("T"));
    SyntheticInput::Key(Grid->TransEdit(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Log, (QStringList{"change 2,0 T", "validate 3,0 T", "editing done"}));
    EXPECT_EQ(Grid->Cells(3, 0), QStringLiteral("T"));
}

TEST_F(GridFixedEdit, ComboTakesTheValuesAndTheEventsChoice)
{
    ComboValues(QStringLiteral("Alpha,Beta,Gamma"));
    Grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    Grid->OnFixedEdit = [](TObject*, int, int, TGridFixedCellEditor& AEditor, TStrings* Values) {
        AEditor = fceComboList;
        Values->Add(QStringLiteral("Delta"));
    };
    SyntheticInput::DoubleClick(Grid, At(2, 0));
    TGridTransCombo* c = Grid->TransCombo();
    EXPECT_EQ(Open(), QStringLiteral("combo 2,0 2"));
    EXPECT_EQ(c->Items()->CommaText(), QStringLiteral("Alpha,Beta,Gamma,Delta"));
    EXPECT_EQ(Grid->MouseActions()->FixedComboValues()->CommaText(), QStringLiteral("Alpha,Beta,Gamma"));
    Log.clear();
    SyntheticInput::Type(c, QStringLiteral("D"));
    SyntheticInput::Key(c, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Log, (QStringList{"change 2,0 Delta", "validate 2,0 Delta", "editing done"}));
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("Delta"));
}

TEST_F(GridFixedEdit, AListLeftWithoutAChoiceKeepsTheText)
{
    ComboValues(QStringLiteral("Input,Output"));
    Grid->MouseActions()->SetFixedColsEdit(fceRightClick);
    Grid->MouseActions()->SetFixedColsEditor(fceComboList);
    Grid->SetCells(0, 3, QStringLiteral("Output"));
    SyntheticInput::MouseDown(Grid, mbRight, At(0, 2));
    EXPECT_EQ(Grid->TransCombo()->Text(), QString());
    Log.clear();
    SyntheticInput::MouseDown(Grid, mbRight, At(0, 3));
    EXPECT_EQ(Log, QStringList{"fixed edit 0,3 2"});
    EXPECT_EQ(Grid->Cells(0, 2), QStringLiteral("0:2"));
    EXPECT_EQ(Grid->TransCombo()->Text(), QStringLiteral("Output"));
    Log.clear();
    SyntheticInput::Type(Grid->TransCombo(), QStringLiteral("I"));
    Other->SetFocus();
    EXPECT_EQ(Log, (QStringList{"change 0,3 Input", "validate 0,3 Input", "editing done"}));
    EXPECT_EQ(Grid->Cells(0, 3), QStringLiteral("Input"));
}

TEST_F(GridFixedEdit, CanEditCellRefuses)
{
    Grid->MouseActions()->SetFixedRowsEdit(fceDblClick);
    Grid->OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 2; };
    SyntheticInput::DoubleClick(Grid, At(2, 0));
    EXPECT_EQ(Open(), QStringLiteral("none"));
    SyntheticInput::DoubleClick(Grid, At(3, 0));
    EXPECT_EQ(Open(), QStringLiteral("edit 3,0"));
}

// The drop-down button of fixed cells

// Records where it was asked to pop up and chooses its first item.
class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int X, int Y) override
    {
        At = TPoint{X, Y};
        TPopupMenu::Popup(X, Y);
    }
    TPoint At{-1, -1};
};

class GridFixedDropDown : public GridFixedEdit {
protected:
    void SetUp() override
    {
        GridFixedEdit::SetUp();
        Grid->SetHoverFixedCells(hfAll);
        Grid->ControlLook()->SetFixedDropDownButton(true);
        Grid->SetOptions(Grid->Options() - goColSizing);
        Menu = new TRecordingMenu(Form.get());
        auto* item = new TMenuItem(Menu);
        item->SetCaption(QStringLiteral("Hide"));
        item->OnClick = [this](TObject*) { Log << QStringLiteral("item of column %1").arg(Menu->Tag()); };
        Menu->Items()->Add(item);
        Grid->SetFixedDropDownMenu(Menu);
        Grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log << "mouse down"; };
        Previous = SetMenuChooser([this](TPopupMenu* M) {
            const TPoint h = Grid->HoverFixedCell();
            Log << QStringLiteral("menu open, hover %1,%2").arg(h.X).arg(h.Y);
            return M->Items()->Count() > 0 ? M->Items()->Items(0) : nullptr;
        });
    }
    void TearDown() override
    {
        SetMenuChooser(Previous);
        GridFixedEdit::TearDown();
    }
    // A press and release DX pixels left of cell (ACol, 0)'s right edge.
    void PressButton(int ACol, int DX = 8)
    {
        const TRect r = Grid->CellRect(ACol, 0);
        SyntheticInput::MouseMove(Grid, TPoint{r.Right - DX, 6});
        Log.clear();
        SyntheticInput::Click(Grid, TPoint{r.Right - DX, 6});
    }

    TRecordingMenu* Menu = nullptr;
    TMenuChooser Previous;
};

TEST_F(GridFixedDropDown, ButtonArea)
{
    const TRect r = Grid->CellRect(2, 0);
    struct Case {
        int DX;
        bool Inside;
        bool InsideWithSizing;
    };
    for (const Case& c : {Case{16, false, false}, Case{15, true, true}, Case{3, true, true}, Case{2, true, false},
                          Case{1, true, false}, Case{0, false, false}}) {
        Grid->SetOptions(Grid->Options() - goColSizing);
        EXPECT_EQ(Grid->OnFixedDropDownButton(2, 0, r.Right - c.DX), c.Inside) << c.DX;
        Grid->SetOptions(Grid->Options() + goColSizing);
        EXPECT_EQ(Grid->OnFixedDropDownButton(2, 0, r.Right - c.DX), c.InsideWithSizing) << c.DX;
    }
    // Only where the button is drawn: hover-highlighted fixed cells of
    // columns that may show it.
    EXPECT_FALSE(Grid->OnFixedDropDownButton(2, 1, r.Right - 8));
    Grid->SetHoverFixedCells(hfFixedColumns);
    EXPECT_FALSE(Grid->OnFixedDropDownButton(2, 0, r.Right - 8));
    EXPECT_TRUE(Grid->OnFixedDropDownButton(0, 2, Grid->CellRect(0, 2).Right - 8));
    Grid->SetHoverFixedCells(hfAll);
    Grid->OnCanShowFixedDropDown = [](TObject*, int ACol, bool& CanShow) { CanShow = ACol != 2; };
    EXPECT_FALSE(Grid->OnFixedDropDownButton(2, 0, r.Right - 8));
    EXPECT_TRUE(Grid->OnFixedDropDownButton(3, 0, Grid->CellRect(3, 0).Right - 8));
    Grid->ControlLook()->SetFixedDropDownButton(false);
    EXPECT_FALSE(Grid->OnFixedDropDownButton(3, 0, Grid->CellRect(3, 0).Right - 8));
}

TEST_F(GridFixedDropDown, PressPopsUpTheMenuUnderTheButton)
{
    PressButton(3);
    EXPECT_EQ(Log, (QStringList{"menu open, hover 3,0", "item of column 3"}));
    const TRect r = Grid->CellRect(3, 0);
    const TPoint expected = Grid->ClientToScreen(TPoint{r.Right - 16, r.Bottom});
    EXPECT_EQ(Menu->At.X, expected.X);
    EXPECT_EQ(Menu->At.Y, expected.Y);
    EXPECT_EQ(Grid->HoverFixedCell().X, -1);
    // Left of the button the press is an ordinary one.
    PressButton(3, 20);
    EXPECT_EQ(Log, QStringList{"mouse down"});
}

TEST_F(GridFixedDropDown, TheEventChangesTheMenu)
{
    auto* other = new TRecordingMenu(Form.get());
    auto* item = new TMenuItem(other);
    item->SetCaption(QStringLiteral("Other"));
    item->OnClick = [this](TObject*) { Log << QStringLiteral("other item"); };
    other->Items()->Add(item);
    TPopupMenu* next = other;
    Grid->OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool&) {
        Log << QStringLiteral("drop down %1,%2").arg(ACol).arg(ARow);
        AMenu = next;
    };
    PressButton(2);
    EXPECT_EQ(Log, (QStringList{"drop down 2,0", "menu open, hover 2,0", "other item"}));
    next = nullptr;
    PressButton(2);
    EXPECT_EQ(Log, QStringList{"drop down 2,0"});
    // Without a menu of its own the grid asks the event all the same; a
    // menu the event hands over keeps its Tag.
    Grid->SetFixedDropDownMenu(nullptr);
    next = Menu;
    PressButton(4);
    EXPECT_EQ(Log, (QStringList{"drop down 4,0", "menu open, hover 4,0", "item of column 2"}));
}

TEST_F(GridFixedDropDown, KeepHoldsTheHighlightUntilTheMouseMovesOn)
{
    Grid->OnFixedDropDownClick = [](TObject*, int, int, TPopupMenu*&, bool& Keep) { Keep = true; };
    PressButton(2);
    EXPECT_EQ(Log, (QStringList{"menu open, hover 2,0", "item of column 2"}));
    EXPECT_EQ(Grid->HoverFixedCell().X, 2);
    SyntheticInput::MouseLeave(Grid);
    EXPECT_EQ(Grid->HoverFixedCell().X, 2);
    SyntheticInput::MouseMove(Grid, At(3, 0));
    EXPECT_EQ(Grid->HoverFixedCell().X, 3);
    SyntheticInput::MouseLeave(Grid);
    EXPECT_EQ(Grid->HoverFixedCell().X, -1);
    // Without Keep the highlight goes when the menu closes.
    Grid->OnFixedDropDownClick = nullptr;
    PressButton(2);
    EXPECT_EQ(Grid->HoverFixedCell().X, -1);
    SyntheticInput::MouseMove(Grid, At(3, 0));
    EXPECT_EQ(Grid->HoverFixedCell().X, 3);
}

} // namespace
