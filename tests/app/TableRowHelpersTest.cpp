// The table row helpers on a column grid with a hidden check-box column:
// insert and delete keep the row count and never touch the numbers, copy
// and paste carry hidden cells and ask before overwriting, the full-table
// refusal, Enter as next field and the header double-click auto-size.
#include "app/TableRowHelpers.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/StringList.h"
#include "../support/QStringPrinter.h"
#include <gtest/gtest.h>

namespace {

class RowHelpers : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!Lang_SL)
            Load_Default_Lang();
        if (!Row_Clipboard_SL)
            Row_Clipboard_SL = new TStringList;
        Row_Clipboard_SL->Clear();
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 500, 300);
        Grid = new TProColumnGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(4);
        Grid->SetRowCount(5);
        Grid->Columns()->Items(2)->SetEditor(edDataCheckBox);
        Grid->HideColumn(2);
        for (int r = 1; r < 5; ++r) {
            Grid->SetAllCells(0, r, QString::number(r));
            Set(r, {QStringLiteral("a%1").arg(r), QStringLiteral("N"), QStringLiteral("c%1").arg(r)});
        }
        Form->Show();
    }
    void TearDown() override
    {
        delete Form;
        Opt_Jump_Field_Tables = false;
        Opt_Double_Click_Auto_Size = false;
    }
    void Set(int R, const QStringList& Cells)
    {
        for (int c = 0; c < Cells.size(); ++c)
            Grid->SetAllCells(c + 1, R, Cells[c]);
    }
    QStringList Row(int R) { return Grid_Row_Texts(Grid, R); }
    QStringList Texts() const
    {
        QStringList texts;
        for (const auto& call : Boxes.Calls)
            texts << call.Text;
        return texts;
    }

    TForm* Form = nullptr;
    TProColumnGrid* Grid = nullptr;
    TRecordingMessageBoxService Boxes;
    TScopedMessageBoxService Scope{&Boxes};
};

TEST_F(RowHelpers, InsertAndDeleteMoveWholeRows)
{
    EXPECT_EQ(Grid_Check_Box_Cols(Grid), QList<int>{2});
    Set(4, {"", "N", ""});
    EXPECT_TRUE(Grid_Insert_Row(2, Grid));
    EXPECT_EQ(Row(2), (QStringList{"2", "", "", ""}));
    EXPECT_EQ(Row(3), (QStringList{"3", "a2", "N", "c2"}));
    EXPECT_EQ(Row(4), (QStringList{"4", "a3", "N", "c3"}));
    EXPECT_EQ(Grid->RowCount(), 5);

    // The last row holds data: inserting would lose it, so nothing changes.
    EXPECT_FALSE(Grid_Insert_Row(1, Grid));
    EXPECT_FALSE(Grid_Insert_Row(4, Grid));
    EXPECT_EQ(Texts(), (QStringList(2, "Error!! The table is full: the last row holds data")));
    EXPECT_EQ(Row(1), (QStringList{"1", "a1", "N", "c1"}));

    Grid_Delete_Row(1, Grid);
    EXPECT_EQ(Row(1), (QStringList{"1", "", "", ""}));
    EXPECT_EQ(Row(3), (QStringList{"3", "a3", "N", "c3"}));
    EXPECT_EQ(Row(4), (QStringList{"4", "", "", ""}));
    Grid_Delete_Row(4, Grid);
    EXPECT_EQ(Row(4), (QStringList{"4", "", "", ""}));
}

TEST_F(RowHelpers, CopyAndPasteCarryHiddenCellsAndAskBeforeOverwriting)
{
    Grid->SetAllCells(2, 1, QStringLiteral("Y"));
    Grid_Paste_Row(Grid, 2, false);
    EXPECT_EQ(Texts().last(), QStringLiteral("Error!!! Copy a valid row before Paste it"));
    Grid_Paste_Row(Grid, 2, true);
    EXPECT_EQ(Texts().last(), QStringLiteral("Error in the Copy values!!! Copy a valid row before Paste it"));

    Grid_Copy_Row(Grid, 1);
    EXPECT_EQ(Row_Clipboard_SL->Count(), 3);
    // A row holding data: No keeps it, Yes overwrites it.
    Boxes.Answers = {IDNO, IDYES};
    Grid_Paste_Row(Grid, 2, true);
    EXPECT_EQ(Row(2), (QStringList{"2", "a2", "N", "c2"}));
    Grid_Paste_Row(Grid, 2, true);
    EXPECT_EQ(Row(2), (QStringList{"2", "a1", "Y", "c1"}));
    EXPECT_EQ(Texts().last(), QStringLiteral("Row Already used. Do you want to overwrite the values?"));
    // A row whose only text is a check box's "N" counts as empty.
    Set(3, {"", "N", " "});
    const int asked = int(Boxes.Calls.size());
    Grid_Paste_Row(Grid, 3, true);
    EXPECT_EQ(int(Boxes.Calls.size()), asked);
    EXPECT_EQ(Row(3), (QStringList{"3", "a1", "Y", "c1"}));
}

TEST_F(RowHelpers, EnterJumpsToTheNextFieldOnlyWhenAsked)
{
    struct TCase {
        const char* Name;
        bool Option;
        int Col, Row;
        int To_Col, To_Row;
        bool Swallowed;
    } const cases[] = {
        {"Off", false, 1, 1, 1, 1, false},
        {"NextColumn", true, 1, 2, 2, 2, true},
        {"LastColumnToNextRow", true, 2, 2, 1, 3, true},
        {"LastRowBackToRowOne", true, 2, 4, 1, 1, true},
        {"ColumnZeroMovesNothing", true, 0, 2, 0, 2, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Opt_Jump_Field_Tables = c.Option;
        // Only a grid without fixed columns can have its current cell in column 0.
        Grid->SetFixedCols(c.Col == 0 ? 0 : 1);
        Grid->SetCol(c.Col);
        Grid->SetRow(c.Row);
        QChar key(13);
        Grid_KeyPress_Jump(Grid, key);
        EXPECT_EQ(Grid->Col(), c.To_Col);
        EXPECT_EQ(Grid->Row(), c.To_Row);
        EXPECT_EQ(key.isNull(), c.Swallowed);
        Grid->SetFixedCols(1);
    }
    QChar other(u'a');
    Opt_Jump_Field_Tables = true;
    Grid_KeyPress_Jump(Grid, other);
    EXPECT_EQ(other, QChar(u'a'));
}

TEST_F(RowHelpers, HeaderDoubleClickFitsTheColumnWhenAsked)
{
    Grid->SetAllCells(3, 2, QStringLiteral("a text much wider than the column is"));
    Grid->SetColWidths(2, 30);
    Grid_DblClick_AutoSize(Grid, 0, 2);
    EXPECT_EQ(Grid->ColWidths(2), 30);
    Opt_Double_Click_Auto_Size = true;
    Grid_DblClick_AutoSize(Grid, 1, 2);
    EXPECT_EQ(Grid->ColWidths(2), 30);
    Grid_DblClick_AutoSize(Grid, 0, 2);
    EXPECT_GT(Grid->ColWidths(2), 150);
}

} // namespace
