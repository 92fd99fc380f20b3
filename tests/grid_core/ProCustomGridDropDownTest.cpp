// The grid drop-down: LookupRow, the item index, typing in the edit
// (lookup, narrowing, completion, the list style), the edit's keys, and
// choosing in the popup grid by keys, Enter, a click, the wheel, a click
// outside and a sort; the popup's size and column widths.
#include "../support/QStringPrinter.h"
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "grid/core/SortSettings.h"
#include "platform/controls/Application.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;
using namespace ProCustomGridDropDownUnit;

namespace {

class GridDropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Other = std::make_unique<TForm>(nullptr);
        Other->SetBounds(600, 100, 200, 200);
        Edit = new TCustomProGridDropDown(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 200, 21);
        Edit->DropDownHeader()->SetVisible(false);
        Edit->DropDownFooter()->SetVisible(false);
        Next = new TEdit(Form.get());
        Next->SetParent(Form.get());
        Next->SetBounds(10, 60, 100, 21);
        for (const char* h : {"Code", "Fruit", "Note"})
            Edit->Columns()->Add()->SetHeader(QString::fromUtf8(h));
        Edit->SetLookupColumn(1);
        Edit->OnSelect = [this](TObject*) { ++Selects; };
        Form->Show();
        Edit->SetFocus();
    }
    void TearDown() override
    {
        Form.reset();
        Other.reset();
        SetClock(nullptr);
    }
    void Fill(std::initializer_list<const char*> Fruits)
    {
        Edit->BeginUpdate();
        int i = 0;
        for (const char* f : Fruits) {
            TDropDownItem* item = Edit->Items()->Add();
            item->Text()->Add(QString::number(++i));
            item->Text()->Add(QString::fromUtf8(f));
        }
        Edit->EndUpdate();
    }
    void Fruits() { Fill({"Apple", "Banana", "Apricot", "Cherry"}); }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }
    TProColGrid* Grid() const { return Edit->GetGrid(); }
    // The lookup texts of the popup grid's data rows, top down.
    QStringList Rows() const
    {
        QStringList out;
        for (int r = Grid()->FixedRows(); r < Grid()->RowCount(); ++r)
            out << Grid()->Cells(1, r);
        return out;
    }
    void TypeIn(TWinControl* Control, const QString& Text)
    {
        for (QChar c : Text)
            Key(Control, c.toUpper().unicode(), {}, QString(c));
    }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<TForm> Other;
    TCustomProGridDropDown* Edit = nullptr;
    TEdit* Next = nullptr;
    int Selects = 0;
};

TEST_F(GridDropDownTest, LookupRowFindsTheFirstPrefix)
{
    Fill({"Abc", "abd", "Xyz"});
    struct Case {
        const char* Name;
        bool CaseSensitive;
        const char* Value;
        int Row;
        const char* Full;
    };
    const Case cases[] = {
        {"AnyCase", false, "ab", 0, "Abc"},
        {"AnyCaseSecond", false, "ABD", 1, "abd"},
        {"Sensitive", true, "ab", 1, "abd"},
        {"SensitiveUpper", true, "A", 0, "Abc"},
        {"NoMatch", false, "q", -1, ""},
        {"EmptyMatchesNothing", false, "", -1, ""},
    };
    for (const Case& c : cases) {
        Edit->SetCaseSensitive(c.CaseSensitive);
        QString full = QStringLiteral("old");
        int row = 7;
        EXPECT_EQ(Edit->LookupRow(QString::fromUtf8(c.Value), full, row), c.Row >= 0) << c.Name;
        EXPECT_EQ(row, c.Row) << c.Name;
        EXPECT_EQ(full, QString::fromUtf8(c.Full)) << c.Name;
    }
    // An item without a lookup text looks up as empty.
    Edit->Items()->Add()->Text()->Add(QStringLiteral("only code"));
    Edit->EndUpdate();
    EXPECT_EQ(Edit->LookupItems()->Count(), 4);
    EXPECT_EQ(Edit->LookupItems()->Strings(3), QString());
}

TEST_F(GridDropDownTest, ItemIndexWritesTheLookupText)
{
    Fruits();
    Edit->SetItemIndex(1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana"));
    Edit->SetText(QStringLiteral("typed"));
    Edit->SetItemIndex(1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana")) << "written on every assignment";
    Edit->SetItemIndex(4);
    EXPECT_EQ(Edit->ItemIndex(), 1) << "past the items";
    Edit->SetItemIndex(-1);
    EXPECT_EQ(Edit->GetText(), QString());
    EXPECT_EQ(Edit->RowCount(), 4);
    EXPECT_EQ(Selects, 0);
}

TEST_F(GridDropDownTest, TypingLooksUpAndSelectsTheCompletedPart)
{
    Fill({"Abc", "abd", "Xyz"});
    Type(Edit, QStringLiteral("ab"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Abc"));
    EXPECT_EQ(Edit->SelText(), QStringLiteral("c"));
    EXPECT_EQ(Edit->ItemIndex(), 0);
    // Found in the open grid too: its row becomes current.
    Next->SetFocus();
    Edit->SetFocus();
    Edit->ShowDropDown();
    ASSERT_EQ(Focused(), Grid());
    TypeIn(Grid(), QStringLiteral("x"));
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Xyz"));
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Xyz"));
}

TEST_F(GridDropDownTest, ListStyleStartsAgainWithTheNewCharacter)
{
    Fill({"Abc", "abd", "Xyz"});
    Edit->SetStyle(dsDropDownList);
    EXPECT_FALSE(Edit->EditorEnabled());
    Edit->ShowDropDown();
    ASSERT_EQ(Focused(), Grid());
    TypeIn(Grid(), QStringLiteral("ab"));
    EXPECT_EQ(Edit->ItemIndex(), 0);
    TypeIn(Grid(), QStringLiteral("x"));
    EXPECT_EQ(Edit->ItemIndex(), 2) << "ab + x matches nothing: x alone";
    EXPECT_EQ(Grid()->Row(), 3);
    TypeIn(Grid(), QStringLiteral("q"));
    EXPECT_EQ(Edit->ItemIndex(), 2) << "no match leaves the row";
    TypeIn(Grid(), QStringLiteral("a"));
    EXPECT_EQ(Edit->ItemIndex(), 0) << "the entry was cleared";
}

TEST_F(GridDropDownTest, NarrowingFiltersTheGridByTheTypedText)
{
    Fill({"Taxi", "Oxygen", "Boxer", "XYLO", "Maxzen"});
    Edit->SetLookupMethod(lmNarrowDown);
    // Filled at an opening; the edit narrows it while it is closed too.
    Edit->ShowDropDown();
    Key(Focused(), VK_ESCAPE);
    ASSERT_FALSE(Edit->DroppedDown());
    ASSERT_EQ(Focused(), Edit);
    Type(Edit, QStringLiteral("xy"));
    EXPECT_EQ(Rows(), QStringList({"Oxygen", "XYLO"}));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Oxygen")) << "the first remaining row";
    Key(Edit, VK_BACK, {}, QStringLiteral("\b"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("x")) << "the typed text less one";
    EXPECT_EQ(Rows(), QStringList({"Oxygen", "XYLO"})) << "Backspace leaves the rows";
    Type(Edit, QStringLiteral("z"));
    EXPECT_EQ(Rows(), QStringList({"Maxzen"}));
    Next->SetFocus();
    Edit->SetFocus();
    EXPECT_EQ(Rows().size(), 5) << "the filters go when the edit gets the focus";
    // Typing in the open grid narrows it as well; a choice takes the item.
    Edit->ShowDropDown();
    TypeIn(Grid(), QStringLiteral("ox"));
    EXPECT_EQ(Rows(), QStringList({"Oxygen", "Boxer"}));
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Boxer"));
}

TEST_F(GridDropDownTest, NoLookupLeavesTheGridAndCompletesOnly)
{
    Fruits();
    Edit->SetLookupMethod(lmNone);
    Edit->ShowDropDown();
    TypeIn(Grid(), QStringLiteral("c"));
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Rows().size(), 4);
    Key(Focused(), VK_ESCAPE);
    Type(Edit, QStringLiteral("ch"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Cherry")) << "completed to the item's text";
    EXPECT_EQ(Edit->SelText(), QStringLiteral("erry"));
    EXPECT_EQ(Rows().size(), 4);
}

TEST_F(GridDropDownTest, EnterTakesAnEntryAndEscapeEmptiesAStranger)
{
    Fruits();
    Edit->SetText(QStringLiteral("banana"));
    Key(Edit, VK_RETURN);
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana"));
    Edit->SetText(QStringLiteral("kiwi"));
    Key(Edit, VK_ESCAPE);
    EXPECT_EQ(Edit->ItemIndex(), -1);
    EXPECT_EQ(Edit->GetText(), QString());
}

TEST_F(GridDropDownTest, EditKeysStepThroughTheItems)
{
    Fill({"a0", "a1", "a2", "a3", "a4", "a5", "a6", "a7", "a8", "a9", "b0", "b1", "b2", "b3", "b4"});
    struct Case {
        const char* Name;
        int From;
        int Key;
        bool List;
        int To;
    };
    const Case cases[] = {
        {"PageDownFromNothing", -1, VK_NEXT, false, 0},
        {"PageDownStopsAtTheLast", 10, VK_NEXT, false, 14},
        {"PageDownTen", 2, VK_NEXT, false, 12},
        {"PageUpToTheFirst", 7, VK_PRIOR, false, 0},
        {"PageUpTen", 12, VK_PRIOR, false, 2},
        {"DownFromNothing", -1, VK_DOWN, false, 0},
        {"DownAtTheLastStays", 14, VK_DOWN, false, 14},
        {"UpAtTheFirstStays", 0, VK_UP, false, 0},
        {"HomeMovesTheCaretOnly", 5, VK_HOME, false, 5},
        {"EndMovesTheCaretOnly", 5, VK_END, false, 5},
        {"HomeInTheList", 5, VK_HOME, true, 0},
        {"EndInTheList", 5, VK_END, true, 14},
    };
    for (const Case& c : cases) {
        Edit->SetStyle(c.List ? dsDropDownList : dsDropDown);
        Edit->SetItemIndex(c.From);
        Key(Edit, c.Key);
        EXPECT_EQ(Edit->ItemIndex(), c.To) << c.Name;
        EXPECT_FALSE(Edit->DroppedDown()) << c.Name;
    }
}

TEST_F(GridDropDownTest, EnterAndAClickInTheGridChoose)
{
    Fruits();
    Edit->SetItemIndex(0);
    Key(Edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    ASSERT_EQ(Focused(), Grid());
    EXPECT_EQ(Grid()->Row(), 1);
    EXPECT_EQ(Grid()->Cells(1, 0), QStringLiteral("Fruit"));
    Key(Focused(), VK_DOWN);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana")) << "the text follows the row";
    Key(Focused(), VK_TAB);
    EXPECT_TRUE(Edit->DroppedDown()) << "Tab does nothing";
    EXPECT_EQ(Grid()->Row(), 2);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Selects, 1);

    Edit->ShowDropDown();
    const TRect header = Grid()->CellRect(1, 0);
    Click(Grid(), {header.Left + 5, header.Top + 5});
    EXPECT_TRUE(Edit->DroppedDown()) << "the header chooses nothing";
    MouseDown(Grid(), mbRight, {5, Grid()->CellRect(1, 3).Top + 5});
    MouseUp(Grid(), mbRight, {5, Grid()->CellRect(1, 3).Top + 5});
    EXPECT_TRUE(Edit->DroppedDown()) << "nor does a right click";
    const TRect r = Grid()->CellRect(1, 4);
    Click(Grid(), {r.Left + 5, r.Top + 5});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Cherry"));
    EXPECT_EQ(Selects, 2);
}

TEST_F(GridDropDownTest, AClickOutsideKeepsTheRowChosenByKeysAndTheWheelChoosesNothing)
{
    Fruits();
    Edit->SetItemIndex(0);
    Edit->ShowDropDown();
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_DOWN);
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));

    Clock.SetTicks(200000);
    Other->Hide();
    Form->Show();
    Edit->SetFocus();
    Edit->ShowDropDown();
    Wheel(Grid(), -120, {5, 30});
    EXPECT_EQ(Grid()->Row(), 4);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
}

TEST_F(GridDropDownTest, AConfirmedCloseWithoutANewChoiceKeepsTheCurrentItem)
{
    Fruits();
    Edit->SetItemIndex(2);
    Edit->ShowDropDown();
    EXPECT_EQ(Grid()->Row(), 3);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2) << "not the first row";
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
    // A key pressed in the grid before a cancelled close, then a click
    // outside at the next opening.
    Edit->ShowDropDown();
    Key(Focused(), VK_ESCAPE);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    Clock.SetTicks(200000);
    Edit->ShowDropDown();
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
}

TEST_F(GridDropDownTest, SortingByAHeaderClickKeepsTheCurrentItem)
{
    Fruits();
    Edit->SetSorting(gsSingleColumn);
    Edit->SetItemIndex(1);
    Edit->ShowDropDown();
    ASSERT_TRUE(Grid()->SortSettings()->Show());
    const TRect header = Grid()->CellRect(1, 0);
    Click(Grid(), {header.Left + header.Width() / 2, header.Top + 5});
    EXPECT_EQ(Rows(), QStringList({"Apple", "Apricot", "Banana", "Cherry"}));
    EXPECT_EQ(Grid()->Row(), 3);
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana"));
    // The sorted rows still map to their items.
    Key(Focused(), VK_DOWN);
    EXPECT_EQ(Edit->ItemIndex(), 3);
    Key(Focused(), VK_UP);
    Key(Focused(), VK_UP);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
}

TEST_F(GridDropDownTest, PopupHeightAndColumnWidths)
{
    Fruits();
    Edit->SetAutoSizeColumns(false);
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    // 200 asked, no header or footer: 25 + 6 + 7 x 22.
    EXPECT_EQ(Edit->DropDownForm()->Height(), 185);
    EXPECT_EQ(Grid()->RowHeights(0), 25);
    EXPECT_EQ(Grid()->RowHeights(1), 22);
    Edit->HideDropDown(true);
    // Six columns of 10 in 100 pixels: the error carries over.
    Edit->Columns()->Clear();
    for (int i = 0; i < 6; ++i)
        Edit->Columns()->Add()->SetWidth(10);
    Edit->SetDropDownAutoWidth(false);
    Edit->SetDropDownWidth(100);
    Clock.SetTicks(200000);
    Edit->ShowDropDown();
    ASSERT_EQ(Grid()->ColCount(), 6);
    const int widths[] = {16, 16, 17, 16, 16, 17};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(Grid()->ColWidths(i), widths[i]) << i;
}

TEST_F(GridDropDownTest, NoItemsKeepTheHeaderRow)
{
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Grid()->RowCount(), 1);
    EXPECT_EQ(Grid()->FixedRows(), 1);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Edit->ItemIndex(), -1);
}

TEST_F(GridDropDownTest, GridModeTakesTheOwnersRows)
{
    Edit->SetUseItems(false);
    TProColGrid* g = Grid();
    g->SetColCount(2);
    g->SetRowCount(4);
    const char* fruits[] = {"Plum", "Peach", "Lime"};
    for (int r = 1; r < 4; ++r)
        g->SetCells(1, r, QString::fromUtf8(fruits[r - 1]));
    Edit->SetText(QStringLiteral("pea"));
    Edit->ShowDropDown();
    EXPECT_EQ(g->Row(), 2) << "the row of the text";
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Lime"));
    QString full;
    int row = -1;
    EXPECT_TRUE(Edit->LookupRow(QStringLiteral("PL"), full, row));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(full, QStringLiteral("Plum"));
}

TEST_F(GridDropDownTest, StylesSetTheTableColours)
{
    EXPECT_EQ(Edit->LineColor(), TColor(0xF1EDEB));
    EXPECT_EQ(Edit->FixedLineColor(), TColor(0xD1BBA4));
    EXPECT_EQ(Edit->HeaderFont()->Color(), TColor(0x723708));
    EXPECT_EQ(Edit->HeaderColor(), TColor(0xFFFFFF));
    EXPECT_EQ(Edit->Version(), QStringLiteral("6.0.1.1"));
    Edit->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(Edit->SelectionColorStyle(), scCustom);
    EXPECT_EQ(Edit->LineColor(), TColor(0xC0C0C0));
    EXPECT_EQ(Edit->FixedLineColor(), TColor(0));
    EXPECT_EQ(Edit->SelectionColor(), clHighlight);
    EXPECT_EQ(Edit->SelectionTextColor(), clHighlightText);
    Edit->SetComponentStyle(tsOffice2010Blue);
    EXPECT_EQ(Edit->HeaderColor(), clBtnFace) << "the Office 2010 styles leave the table";
    Edit->SetComponentStyle(tsWindows7);
    EXPECT_EQ(Edit->HeaderColorTo(), TColor(0xFDF3EB));
    EXPECT_EQ(Edit->LineColor(), TColor(0xFBD6B8));
}

} // namespace
