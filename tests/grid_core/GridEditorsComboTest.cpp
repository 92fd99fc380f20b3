// The combo editor of edComboList and edComboEdit cells: what it shows on
// opening, the key protocol, and OnComboChange once per change with the
// real column.
#include "GridEditingFixture.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QAbstractItemView>
#include <QComboBox>

using namespace SyntheticInput;

namespace {

class GridCombo : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        for (const char* s : {"a", "b", "c"})
            Grid->AddComboString(QString::fromLatin1(s));
        Grid->OnComboChange = [this](TObject*, int ACol, int ARow, int Index, const QString& Text) {
            Changes << QStringLiteral("%1,%2 %3 %4").arg(ACol).arg(ARow).arg(Index).arg(Text);
        };
        // Real column 3 shows as display column 2.
        Grid->HideColumn(1);
        EditorKinds({{3, edComboList}, {4, edComboEdit}});
        Grid->SetCol(2);
        Grid->SetCells(3, 1, QStringLiteral("a"));
    }
    TGridCombo* Combo() const { return Grid->Combobox(); }
    QStringList Changes;
};

} // namespace

TEST_F(GridCombo, AListCellWithAnUnknownValueShowsItemZeroAndSaysSoOnce)
{
    QStringList edits;
    Grid->OnEditChange = [&](TObject*, int ACol, int, const QString& Value) {
        edits << QStringLiteral("%1 %2").arg(ACol).arg(Value);
    };
    Grid->SetCells(3, 1, QStringLiteral("zzz"));
    Key(Grid, VK_F2);
    ASSERT_TRUE(Combo()->Visible());
    EXPECT_TRUE(Combo()->Focused());
    EXPECT_EQ(Combo()->ItemIndex(), 0);
    EXPECT_EQ(Changes, QStringList({"3,1 0 a"}));
    EXPECT_EQ(edits, QStringList({"2 a"})) << "OnEditChange: the column as displayed";
}

TEST_F(GridCombo, AKnownValueOrAPresetChoiceFiresNothingOnOpening)
{
    struct Case {
        const char* Name;
        QString Cell;
        int Preset;
        int Shown;
    };
    const Case cases[] = {
        {"the cell's item", QStringLiteral("b"), -1, 1},
        {"the preset for an unknown value", QStringLiteral("zzz"), 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Changes.clear();
        Grid->SetCells(3, 1, c.Cell);
        Grid->SetComboSelection(c.Preset);
        Key(Grid, VK_F2);
        ASSERT_TRUE(Combo()->Visible());
        EXPECT_EQ(Combo()->ItemIndex(), c.Shown);
        EXPECT_TRUE(Changes.isEmpty());
        Key(Combo(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
        EXPECT_FALSE(Combo()->Visible());
    }
    Grid->SetComboSelection(-1);
    Grid->ClearComboString();
    Grid->SetCells(3, 1, QStringLiteral("zzz"));
    Key(Grid, VK_F2);
    EXPECT_TRUE(Changes.isEmpty()) << "an empty list tells nothing";
}

TEST_F(GridCombo, AKeyStepFiresOnceWithTheRealColumn)
{
    Key(Grid, VK_F2);
    ASSERT_TRUE(Combo()->Focused());
    Key(Combo(), VK_DOWN);
    EXPECT_EQ(Changes, QStringList({"3,1 1 b"}));
    EXPECT_EQ(Combo()->ItemIndex(), 1);
    Key(Combo(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("b"));
    EXPECT_EQ(Changes.size(), 1);
}

TEST_F(GridCombo, TypingInTheNextCellsListSearchesAfresh)
{
    Grid->SetCells(3, 2, QStringLiteral("a"));
    Key(Grid, VK_F2);
    Type(Combo(), QStringLiteral("b"));
    Key(Combo(), VK_RETURN, {}, QStringLiteral("\r"));
    ASSERT_EQ(Grid->Cells(3, 1), QStringLiteral("b"));
    // At once in the next row's list: "c" is not "bc".
    Grid->MoveColRow(2, 2, true, true);
    Key(Grid, VK_F2);
    ASSERT_TRUE(Combo()->Focused());
    Type(Combo(), QStringLiteral("c"));
    Key(Combo(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("c"));
}

TEST_F(GridCombo, APickFromTheListFiresOnceWithTheRealColumn)
{
    Key(Grid, VK_F2);
    Combo()->SetDroppedDown(true);
    auto* native = qobject_cast<QComboBox*>(NativeWidget(Combo()));
    ASSERT_NE(native, nullptr);
    ASSERT_TRUE(native->view()->isVisible());
    // What the list does for a click on its second item.
    native->hidePopup();
    native->setCurrentIndex(1);
    emit native->activated(1);
    EXPECT_EQ(Combo()->ItemIndex(), 1);
    EXPECT_EQ(Changes, QStringList({"3,1 1 b"}));
}

TEST_F(GridCombo, TheWheelStepsWithinTheList)
{
    Key(Grid, VK_F2);
    Wheel(Combo(), -120, {5, 5});
    Wheel(Combo(), -120, {5, 5});
    Wheel(Combo(), -120, {5, 5});
    EXPECT_EQ(Combo()->ItemIndex(), 2);
    EXPECT_EQ(Changes, QStringList({"3,1 1 b", "3,1 2 c"})) << "no change past the last item";
}

TEST_F(GridCombo, UpAndDownEndTheEditWithoutComboGetUpDown)
{
    Grid->Navigation()->SetComboGetUpDown(false);
    Key(Grid, VK_F2);
    Key(Combo(), VK_DOWN);
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("a"));
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("3:2")) << "the new cell keeps its text";
    EXPECT_TRUE(Changes.isEmpty());
}

TEST_F(GridCombo, AnEditComboCompletesFromItsItemsKeepingTheTypedCase)
{
    Grid->ClearComboString();
    Grid->AddComboString(QStringLiteral("Heating"));
    Grid->AddComboString(QStringLiteral("Cooling"));
    Grid->LookupItems()->Add(QStringLiteral("Humidity"));
    Grid->SetLookup(true);
    Grid->SetCol(3);
    Grid->SetCells(4, 1, QString());
    Key(Grid, VK_F2);
    ASSERT_EQ(Combo()->Style(), csDropDown);
    Type(Combo(), QStringLiteral("co"));
    EXPECT_EQ(Combo()->Text(), QStringLiteral("cooling"));
    EXPECT_EQ(Combo()->ItemIndex(), 1);
    Combo()->SetText(QString());
    Type(Combo(), QStringLiteral("hu"));
    EXPECT_EQ(Combo()->Text(), QStringLiteral("humidity"));
    EXPECT_EQ(Combo()->ItemIndex(), -1) << "from the look-up list no item is chosen";
    Key(Combo(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(4, 1), QStringLiteral("humidity"));
}

TEST_F(GridCombo, ARefusedValueKeepsTheComboOpen)
{
    Grid->OnCellValidate = [](TObject*, int, int, QString&, bool& Valid) { Valid = false; };
    Key(Grid, VK_F2);
    Key(Combo(), VK_DOWN);
    Key(Combo(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_TRUE(Combo()->Visible());
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("a"));
    EXPECT_FALSE(Grid->LastValidation());
}

TEST_F(GridCombo, ItemOperations)
{
    EXPECT_EQ(Grid->GetComboCount(), 3);
    EXPECT_FALSE(Grid->SetComboSelectionString(QStringLiteral("x")));
    EXPECT_EQ(Grid->ComboSelection(), -1);
    EXPECT_TRUE(Grid->SetComboSelectionString(QStringLiteral("c")));
    EXPECT_EQ(Grid->ComboSelection(), 2);
    EXPECT_TRUE(Grid->RemoveComboString(QStringLiteral("b")));
    EXPECT_FALSE(Grid->RemoveComboString(QStringLiteral("b")));
    Grid->SetCells(3, 2, QStringLiteral("c"));
    EXPECT_EQ(Grid->GetComboIndex(3, 2), 1);
    Grid->SetComboIndex(3, 2, 0);
    EXPECT_EQ(Grid->Cells(3, 2), QStringLiteral("a"));
}

TEST_F(GridCombo, AScrollCommitsTheCombo)
{
    Grid->SetRowCount(40);
    Key(Grid, VK_F2);
    Key(Combo(), VK_DOWN);
    Grid->SetTopRow(2);
    EXPECT_FALSE(Combo()->Visible());
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("b"));
}
