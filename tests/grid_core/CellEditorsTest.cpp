// The other special editors (spin, edit with button, button, check box,
// date-time), the custom editor link, rich-text cells, the fixed-cell
// editors and the form controls of cell markup.
#include "GridEditingFixture.h"
#include "grid/core/CellEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/foundation/MarkupText.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/FormatSettings.h"

using namespace SyntheticInput;

TEST_F(GridEditing, ATypedCharacterOpensTheSpecialEditorWithIt)
{
    EditorKinds({{1, edEditBtn}, {2, edSpinEdit}});
    Type(Grid, QStringLiteral("7"));
    ASSERT_TRUE(Grid->BtnEdit()->Visible());
    DeliverPostedMessages();
    EXPECT_TRUE(Grid->BtnEdit()->Text().endsWith(u'7'));
    Key(Grid->BtnEdit(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Grid->BtnEdit()->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), Grid->BtnEdit()->Text());
}

TEST_F(GridEditing, SpinPageKeysStayWithinTheRange)
{
    EditorKinds({{1, edSpinEdit}});
    QList<bool> clicks;
    Grid->OnSpinClick = [&](TObject*, int, int, int, bool Up) { clicks << Up; };
    Grid->SetCells(1, 1, QStringLiteral("100"));
    Key(Grid, VK_F2);
    TGridSpin* spin = Grid->SpinEdit();
    ASSERT_TRUE(spin->Visible());
    Key(spin, VK_PRIOR);
    EXPECT_EQ(spin->Value(), 100);
    Key(spin, VK_END);
    EXPECT_EQ(spin->Value(), 0);
    Key(spin, VK_HOME);
    EXPECT_EQ(spin->Value(), 100);
    Key(spin, VK_NEXT);
    EXPECT_EQ(spin->Value(), 99);
    EXPECT_EQ(clicks, QList<bool>({true, false, true, false}));
    Key(spin, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(spin->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("99"));
}

TEST_F(GridEditing, TheEditButtonAsksOnEllipsClick)
{
    EditorKinds({{1, edEditBtn}});
    Grid->OnEllipsClick = [](TObject*, int ACol, int ARow, QString& S) { S = QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(S); };
    Key(Grid, VK_F2);
    Grid->BtnEdit()->ClickButton(Grid->BtnEdit());
    EXPECT_EQ(Grid->BtnEdit()->Text(), QStringLiteral("1,1 1:1"));
    Key(Grid->BtnEdit(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1")) << "Escape puts the old text back";
}

TEST_F(GridEditing, AButtonCellStoresWhatOnEllipsClickAnswers)
{
    EditorKinds({{1, edButton}});
    Grid->OnEllipsClick = [](TObject*, int, int, QString& S) { S = QStringLiteral("picked"); };
    Key(Grid, VK_F2);
    ASSERT_TRUE(Grid->Btn()->Visible());
    Key(Grid->Btn(), VK_SPACE, {}, QStringLiteral(" "));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("picked"));
    Key(Grid->Btn(), VK_DOWN);
    EXPECT_FALSE(Grid->Btn()->Visible());
    EXPECT_EQ(Grid->Row(), 2);
}

TEST_F(GridEditing, DataCheckBoxAndCheckBoxCellsWriteNothing)
{
    EditorKinds({{1, edDataCheckBox}, {2, edCheckBox}});
    Key(Grid, VK_F2);
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    Grid->HideInplaceEdit();
    EXPECT_FALSE(Grid->EditMode());
    Grid->SetCol(2);
    Key(Grid, VK_F2);
    ASSERT_TRUE(Grid->EditCheck()->Visible());
    EXPECT_EQ(Grid->EditCtrl(), nullptr);
    Key(Grid->EditCheck(), VK_SPACE, {}, QStringLiteral(" "));
    Key(Grid->EditCheck(), VK_DOWN);
    EXPECT_FALSE(Grid->EditCheck()->Visible());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("2:1"));
}

TEST_F(GridEditing, TheDateTimeEditorWritesTheLocaleFormat)
{
    EditorKinds({{1, edDateTimeEdit}});
    const TDateTime value = EncodeDate(2030, 12, 24) + EncodeTime(8, 15, 0, 0);
    const QString format = FormatSettings.ShortDateFormat + u' ' + FormatSettings.ShortTimeFormat;
    Grid->SetCells(1, 1, FormatDateTime(format, value));
    Key(Grid, VK_F2);
    TGridDateTimePicker* picker = Grid->DateAndTimePicker();
    ASSERT_TRUE(picker->Visible());
    Key(picker, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(picker->Visible());
    EXPECT_EQ(Grid->Cells(1, 1), FormatDateTime(format, value));
}

namespace {

class TTestLink : public TEditLink {
public:
    using TEditLink::TEditLink;
    TWinControl* GetEditControl() override { return Edit; }
    void CreateEditor(TWinControl* AParent) override
    {
        if (!Edit) {
            Edit = new TEdit(AParent);
            Edit->OnKeyDown = [this](TObject* Sender, int& Key, TShiftState Shift) { EditKeyDown(Sender, Key, Shift); };
        }
        Edit->SetParent(AParent);
    }
    QString GetEditorValue() override { return Edit->Text(); }
    void SetEditorValue(const QString& S) override { Edit->SetText(S); }
    TEdit* Edit = nullptr;
};

} // namespace

TEST_F(GridEditing, ACustomEditorLinkEditsInPlace)
{
    auto* link = new TTestLink(Form.get());
    Grid->SetEditLink(link);
    EditorKinds({{1, edCustom}});
    Key(Grid, VK_F2);
    ASSERT_NE(link->Edit, nullptr);
    EXPECT_TRUE(link->Edit->Visible());
    EXPECT_EQ(link->Edit->Text(), QStringLiteral("1:1"));
    EXPECT_EQ(link->EditCell(), (TPoint{1, 1}));
    Type(link->Edit, QStringLiteral("!"));
    Key(link->Edit, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("1:1")) << "Escape restores";
    Key(Grid, VK_F2);
    link->Edit->SetText(QStringLiteral("new"));
    Key(link->Edit, VK_HOME);
    EXPECT_TRUE(link->Edit->Visible()) << "Home stays with the editor";
    Key(link->Edit, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("new"));
    link->SetWantKeyReturn(true);
    Key(Grid, VK_F2);
    Key(link->Edit, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_TRUE(Grid->EditMode()) << "a kept Return leaves the editor open";
    delete link;
    EXPECT_EQ(Grid->EditLink(), nullptr);
}

TEST_F(GridEditing, RichTextCellsRoundTrip)
{
    TProRichEdit* rich = Grid->RichEdit();
    rich->SetText(QStringLiteral("Hello"));
    rich->SelectAll();
    rich->SelSuperscript();
    EXPECT_TRUE(rich->IsSelSuperscript());
    rich->SelNormal();
    EXPECT_TRUE(rich->IsSelNormal());
    Grid->RichToCell(2, 2, rich);
    const QString stored = Grid->Cells(2, 2);
    EXPECT_TRUE(stored.startsWith(QStringLiteral("{\\rtf")));
    rich->Clear();
    Grid->CellToRich(2, 2, rich);
    EXPECT_EQ(rich->Text(), QStringLiteral("Hello"));
    EXPECT_EQ(Grid->RichToString(rich), stored);
    EXPECT_THROW(TProRichEdit(Form.get()), EInvalidCast);
}

TEST_F(GridEditing, AFixedCellEditorKeepsTheFocusOnARefusal)
{
    TGridTransEdit* e = Grid->TransEdit();
    e->SetCol(2);
    e->SetRow(0);
    e->SetBounds(10, 0, 60, 20);
    e->SetVisible(true);
    e->SetText(QStringLiteral("Header"));
    bool valid = false;
    Grid->OnCellValidate = [&](TObject*, int, int, QString&, bool& Valid) { Valid = valid; };
    EXPECT_FALSE(e->StopEdit());
    EXPECT_TRUE(e->Visible());
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("2:0"));
    valid = true;
    EXPECT_TRUE(e->StopEdit());
    EXPECT_FALSE(e->Visible());
    EXPECT_EQ(Grid->Cells(2, 0), QStringLiteral("Header"));
}

TEST_F(GridEditing, AFormControlWritesBackIntoItsTagOnly)
{
    const QString before = QStringLiteral("Set <B>point</B>: ");
    const QString after = QStringLiteral(" K <CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"TRUE\">");
    Grid->SetCells(1, 1, before + QStringLiteral("<CONTROL TYPE=\"EDIT\" ID=\"e1\" VALUE=\"21\" WIDTH=\"40\">") + after);
    QStringList done;
    Grid->OnControlEditDone = [&](TObject*, int ARow, int ACol, const QString& ID, const QString& Type,
                                  const QString& Value) {
        done << QStringLiteral("%1,%2 %3 %4 %5").arg(ARow).arg(ACol).arg(ID, Type, Value);
    };
    Grid->SetColWidths(1, 300);
    Grid->EditNextCellControl(1, 1, QString());
    ASSERT_TRUE(Grid->ControlEditing());
    TControlEdit* e = Grid->ControlEdit();
    EXPECT_TRUE(e->Visible());
    EXPECT_EQ(e->Text(), QStringLiteral("21"));
    e->SetText(QStringLiteral("22.5"));
    Key(e, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Grid->ControlEditing());
    const QString cell = Grid->Cells(1, 1);
    EXPECT_TRUE(cell.startsWith(before));
    EXPECT_TRUE(cell.endsWith(after));
    QString value;
    EXPECT_TRUE(GetControlValue(cell, QStringLiteral("e1"), value));
    EXPECT_EQ(value, QStringLiteral("22.5"));
    EXPECT_EQ(done, QStringList({"1,1 e1 EDIT 22.5"}));
}

TEST_F(GridEditing, PasswordAndComboFormControls)
{
    Grid->SetCells(1, 1, QStringLiteral("<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"x\" WIDTH=\"40\" MAXLEN=\"4\">"
                                        "<CONTROL TYPE=\"COMBO\" ID=\"m\" VALUE=\"Off\" WIDTH=\"60\">"));
    Grid->SetColWidths(1, 300);
    Grid->OnControlComboList = [](TObject*, int, int, const QString&, const QString&, const QString&,
                                  TStringList* Values, bool& Edit, int&) {
        Values->Add(QStringLiteral("On"));
        Values->Add(QStringLiteral("Auto"));
        Edit = true;
    };
    Grid->EditNextCellControl(1, 1, QString());
    EXPECT_EQ(Grid->ControlEdit()->PasswordChar(), u'*');
    EXPECT_EQ(Grid->ControlEdit()->MaxLength(), 4);
    Key(Grid->ControlEdit(), VK_TAB, {}, QStringLiteral("\t"));
    ASSERT_TRUE(Grid->ControlEditing()) << "Tab opens the next control of the cell";
    EXPECT_EQ(Grid->ControlID(), QStringLiteral("m"));
    EXPECT_EQ(Grid->ControlCombo()->Text(), QStringLiteral("Off")) << "a value that is no item stays";
    EXPECT_EQ(Grid->ControlCombo()->ItemIndex(), -1);
    Grid->ControlExit();
    EXPECT_FALSE(Grid->ControlEditing());
}

TEST_F(GridEditing, TheRichTextEditorGrowsItsRowWhileTyping)
{
    QStringList sized;
    Grid->OnEndRowSize = [&](TObject*, int ARow) { sized << QString::number(ARow); };
    Grid->SizeWhileTyping()->SetHeight(true);
    EditorKinds({{1, edRichEdit}});
    Key(Grid, VK_F2);
    TProRichEdit* rich = Grid->InplaceRichEdit();
    ASSERT_TRUE(rich->Visible());
    const int before = Grid->RowHeights(1);
    rich->SetText(QStringLiteral("one\ntwo\nthree\nfour"));
    EXPECT_GT(Grid->RowHeights(1), before);
    EXPECT_EQ(rich->Height(), Grid->RowHeights(1) - 1);
    ASSERT_FALSE(sized.isEmpty());
    EXPECT_EQ(sized.last(), QStringLiteral("1"));
    // Without SizeWhileTyping the row keeps its height.
    Grid->SizeWhileTyping()->SetHeight(false);
    const int grown = Grid->RowHeights(1);
    rich->SetText(QStringLiteral("1\n2\n3\n4\n5\n6"));
    EXPECT_EQ(Grid->RowHeights(1), grown);
}
