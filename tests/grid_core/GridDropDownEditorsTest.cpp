// The drop-down editors of the string grid: one cell edit per kind (open
// with F2, choose, commit with Return; Escape leaves the cell as it was),
// refused values, and the keys that leave the editor.
#include "../support/CancelButton.h"
#include "GridEditingFixture.h"
#include "grid/core/GridDropDownEditors.h"
#include "grid/dropdown/CustomButtonPanel.h"
#include "platform/controls/TrackBar.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/DateTime.h"
#include <functional>

using namespace SyntheticInput;

namespace {

TPoint Middle(const TRect& R)
{
    return {(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
}

TWinControl* Focused() { return TWinControl::FocusedControl(); }

class GridDropDowns : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->SetCol(2);
    }
    TProCustomDropDown* Shown() const { return dynamic_cast<TProCustomDropDown*>(Grid->EditCtrl()); }
};

struct TEditCase {
    const char* Name;
    TEditorType Kind;
    const char* Before;
    // Prepares the grid's editor before the edit opens.
    std::function<void(TProStringGrid*)> Prepare;
    // What the user does in the open editor.
    std::function<void(TProStringGrid*)> Choose;
    const char* After;
};

void ClickKeypad(TProStringGrid* Grid, const char* Caption)
{
    TCustomButtonPanel* pad = Grid->CalculatorDropDown()->ButtonPanel();
    for (int i = 0; i < pad->Buttons()->Count(); ++i)
        if (pad->Buttons()->Items(i)->Caption() == QString::fromLatin1(Caption))
            Click(pad, Middle(pad->Buttons()->Items(i)->BoundsRect()));
}

const TEditCase EditCases[] = {
    {"TrackBar", edTrackbarDropDown, "3", nullptr,
     [](TProStringGrid* g) {
         g->TrackbarDropDown()->ShowDropDown();
         Key(g->TrackbarDropDown()->TrackBar(), VK_RIGHT);
     },
     "4"},
    {"Memo", edMemoDropDown, "one", nullptr,
     [](TProStringGrid* g) {
         TGridMemoDropDown* m = g->MemoDropDown();
         m->ShowDropDown();
         m->Memo()->SetSelStart(3);
         Key(m->Memo(), VK_RETURN, {}, QStringLiteral("\r"));
         Type(m->Memo(), QStringLiteral("two"));
         Key(m->Memo(), VK_F4);
     },
     "one\r\ntwo"},
    {"Calculator", edCalculatorDropDown, "12", nullptr,
     [](TProStringGrid* g) {
         g->CalculatorDropDown()->ShowDropDown();
         ClickKeypad(g, "+");
         ClickKeypad(g, "3");
     },
     "15.00"},
    {"TimePicker", edTimePickerDropDown, "10:08:30", nullptr,
     [](TProStringGrid* g) { g->TimePickerDropDown()->SetTime(EncodeTime(11, 15, 0, 0)); }, "11:15:00"},
    {"DetailList", edDetailDropDown, "Beta",
     [](TProStringGrid* g) {
         for (const char* c : {"Alpha", "Beta", "Gamma"})
             g->DetailPickerDropDown()->Items()->Add()->SetCaption(QString::fromLatin1(c));
     },
     [](TProStringGrid* g) {
         TGridDetailPickerDropDown* d = g->DetailPickerDropDown();
         EXPECT_EQ(d->ItemIndex(), 1) << "the cell's item is chosen on opening";
         d->ShowDropDown();
         TCustomItemSelector* list = d->ItemSelector()->Panel();
         Click(list, Middle(list->GetItemRect(2)));
     },
     "Gamma"},
    {"MultiColumnList", edGridDropDown, "B",
     [](TProStringGrid* g) {
         TGridGridDropDown* d = g->GridDropDown();
         d->Columns()->Add()->SetHeader(QStringLiteral("Code"));
         for (const char* c : {"A", "B", "C"})
             d->Items()->Add()->Text()->Add(QString::fromLatin1(c));
         d->SetLookupColumn(0);
     },
     [](TProStringGrid* g) {
         TGridGridDropDown* d = g->GridDropDown();
         EXPECT_EQ(d->ItemIndex(), 1) << "the cell's item is chosen on opening";
         d->ShowDropDown();
         Key(Focused(), VK_DOWN);
         EXPECT_TRUE(d->DroppedDown()) << "keys in the list choose without closing";
     },
     "C"},
};

class GridDropDownEdit : public GridDropDowns, public ::testing::WithParamInterface<TEditCase> {};

TEST_P(GridDropDownEdit, OpenChooseCommitAndEscapeRestores)
{
    const TEditCase& c = GetParam();
    LogEvents();
    EditorKinds({{2, c.Kind}});
    Grid->SetCells(2, 1, QString::fromUtf8(c.Before));
    if (c.Prepare)
        c.Prepare(Grid);
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "Return");
        Log.clear();
        Key(Grid, VK_F2);
        TProCustomDropDown* d = Shown();
        ASSERT_NE(d, nullptr);
        EXPECT_TRUE(d->Visible());
        EXPECT_TRUE(Grid->EditMode());
        c.Choose(Grid);
        if (escape) {
            Key(Focused(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
            EXPECT_EQ(Grid->Cells(2, 1), QString::fromUtf8(c.Before));
        } else {
            Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
            EXPECT_EQ(Grid->Cells(2, 1), QString::fromUtf8(c.After));
            EXPECT_EQ(Log.value(0), QStringLiteral("validate 2,1 %1").arg(QString::fromUtf8(c.After)));
        }
        EXPECT_FALSE(d->Visible());
        EXPECT_FALSE(d->DroppedDown());
        EXPECT_FALSE(Grid->EditMode());
        EXPECT_TRUE(Grid->Focused());
        EXPECT_TRUE(Log.contains(QStringLiteral("editing done")));
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, GridDropDownEdit, ::testing::ValuesIn(EditCases),
                         [](const ::testing::TestParamInfo<TEditCase>& Info) { return std::string(Info.param.Name); });

// Red, green and blue squares.
TImageList* ThreeImages(TComponent* AOwner)
{
    auto* images = new TImageList(AOwner);
    for (TColor c : {clRed, clGreen, clBlue}) {
        TBitmap b(16, 16);
        b.Canvas()->Brush()->SetColor(c);
        b.Canvas()->FillRect(TRect(0, 0, 16, 16));
        images->Add(&b, nullptr);
    }
    return images;
}

TEST_F(GridDropDowns, ImagePickerWritesTheImageIndexOfTheCell)
{
    Grid->SetGridImages(ThreeImages(Form.get()));
    EditorKinds({{2, edImagePickerDropDown}, {3, edImagePickerDropDown}});
    Grid->AddImageIdx(2, 1, 0, haLeft, vaTop);
    Grid->SetCells(3, 1, QString());
    Grid->AddDataImage(3, 1, 1, haLeft, vaTop);
    std::vector<int> selected;
    Grid->OnImageSelect = [&](TObject*, int, int, int Index) { selected.push_back(Index); };
    Grid->OnImageSelected = [&](TObject*, int ACol, int, int& Index) {
        if (ACol == 3)
            Index = 0;
    };
    Key(Grid, VK_F2);
    TGridImageDropDown* picker = Grid->ImagePickerDropDown();
    ASSERT_EQ(Shown(), picker);
    EXPECT_EQ(picker->Items()->Count(), 3) << "filled from the grid's images";
    EXPECT_EQ(picker->GetImageIndex(), 0);
    picker->ShowDropDown();
    TCustomItemSelector* list = picker->ItemSelector()->Panel();
    Click(list, Middle(list->GetItemRect(2)));
    EXPECT_FALSE(picker->DroppedDown());
    Key(picker, VK_RETURN, {}, QStringLiteral("\r"));
    int index = -1;
    ASSERT_TRUE(Grid->GetImageIdx(2, 1, index));
    EXPECT_EQ(index, 2);
    EXPECT_EQ(selected.back(), 2);

    // Escape puts the image of the opening back.
    Key(Grid, VK_F2);
    picker->SetImageIndex(1);
    Key(picker, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    ASSERT_TRUE(Grid->GetImageIdx(2, 1, index));
    EXPECT_EQ(index, 2);

    // A data image cell holds the index as its text; OnImageSelected may
    // change it.
    const TColor background = Grid->Colors(3, 1);
    Grid->SetCol(3);
    Key(Grid, VK_F2);
    EXPECT_EQ(picker->GetImageIndex(), 1);
    picker->SetImageIndex(2);
    Key(picker, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(3, 1), QStringLiteral("0"));
}

TEST_F(GridDropDowns, OnImageSelectTellsOnlyTheUsersChoice)
{
    Grid->SetGridImages(ThreeImages(Form.get()));
    EditorKinds({{2, edImagePickerDropDown}});
    Grid->AddImageIdx(2, 1, 1, haLeft, vaTop);
    Grid->AddImageIdx(2, 2, 0, haLeft, vaTop);
    QStringList selected;
    Grid->OnImageSelect = [&](TObject*, int ACol, int ARow, int Index) {
        selected << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Index);
    };
    TGridImageDropDown* picker = Grid->ImagePickerDropDown();
    // Opening loads the cell's image; the next cell's opening another one.
    Key(Grid, VK_F2);
    ASSERT_EQ(Shown(), picker);
    EXPECT_EQ(picker->GetImageIndex(), 1);
    Key(picker, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    Grid->MoveColRow(2, 2, true, true);
    Key(Grid, VK_F2);
    EXPECT_EQ(picker->GetImageIndex(), 0);
    picker->ShowDropDown();
    TCustomItemSelector* list = picker->ItemSelector()->Panel();
    Click(list, Middle(list->GetItemRect(2)));
    Key(picker, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(selected, QStringList({"2,2 2"}));
}

TEST_F(GridDropDowns, ARefusedValueKeepsTheEditorOpenWithTheAcceptedText)
{
    LogEvents();
    Refuse = true;
    EditorKinds({{2, edTrackbarDropDown}});
    Grid->SetCells(2, 1, QStringLiteral("3"));
    Key(Grid, VK_F2);
    TGridTrackbarDropDown* d = Grid->TrackbarDropDown();
    d->SetPosition(5);
    Key(d, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_TRUE(d->Visible());
    EXPECT_TRUE(Grid->EditMode());
    EXPECT_EQ(d->Text(), QStringLiteral("5"));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("3"));
    Refuse = false;
    d->SetPosition(6);
    Key(d, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("6"));
}

TEST_F(GridDropDowns, UpAndDownLeaveAndMoveTheCursorWhileOtherKeysStay)
{
    EditorKinds({{2, edMemoDropDown}});
    Grid->SetCells(2, 1, QStringLiteral("1"));
    Key(Grid, VK_F2);
    TGridMemoDropDown* d = Grid->MemoDropDown();
    Key(d, VK_LEFT);
    Type(d, QStringLiteral("2"));
    EXPECT_TRUE(d->Visible()) << "Left and digits stay with the drop-down";
    Key(d, VK_DOWN);
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("21"));
    EXPECT_EQ(Grid->Row(), 2);
    // Alt+Down opens the popup instead of leaving.
    Key(Grid, VK_F2);
    Key(d, VK_DOWN, {ssAlt});
    EXPECT_TRUE(d->DroppedDown());
    EXPECT_TRUE(d->Visible());
    d->HideDropDown(false);
    Other->SetFocus();
    EXPECT_FALSE(d->Visible()) << "losing the focus ends the edit";
    EXPECT_FALSE(Grid->EditMode());
}


// "5 +" on the keypad, the popup closed with F4, then Up or Down commits the
// cell: the next cell's "3 =" shows 3, not 8.
TEST_F(GridDropDowns, ACalculatorCommitEndsThePendingOperation)
{
    EditorKinds({{2, edCalculatorDropDown}});
    TGridCalculatorDropDown* d = Grid->CalculatorDropDown();
    for (int key : {VK_DOWN, VK_UP}) {
        SCOPED_TRACE(key == VK_DOWN ? "Down" : "Up");
        Grid->SetRow(3);
        Key(Grid, VK_F2);
        d->ShowDropDown();
        ClickKeypad(Grid, "5");
        ClickKeypad(Grid, "+");
        Key(Focused(), VK_F4);
        ASSERT_FALSE(d->DroppedDown());
        Key(d, key);
        ASSERT_FALSE(d->Visible());
        EXPECT_EQ(Grid->Cells(2, 3), QStringLiteral("5.00"));
        Key(Grid, VK_F2);
        d->ShowDropDown();
        ClickKeypad(Grid, "3");
        ClickKeypad(Grid, "=");
        EXPECT_EQ(d->GetText(), QStringLiteral("3.00"));
        Key(Focused(), VK_ESCAPE);
        Key(Focused(), VK_ESCAPE);
    }
}

// On a form with a Cancel button, the keyboard at the editor: Escape with
// the popup open closes it and ends the edit once, the cell as it was and
// the form left alone; with the popup closed it ends the edit and reaches
// the form once, through the grid.
TEST_F(GridDropDowns, EscapeEndsTheEditOnceAndReachesTheFormOnlyWhenClosed)
{
    LogEvents();
    int clicks = 0;
    AddCancelButton(Form.get(), TRect(430, 300, 510, 325), clicks);
    for (TEditorType kind : {edCalculatorDropDown, edColorPickerDropDown}) {
        for (bool open : {true, false}) {
            SCOPED_TRACE(testing::Message() << (kind == edCalculatorDropDown ? "calculator" : "colour")
                                            << (open ? " open" : " closed"));
            Log.clear();
            clicks = 0;
            EditorKinds({{2, kind}});
            Key(Grid, VK_F2);
            TProCustomDropDown* d = Shown();
            ASSERT_NE(d, nullptr);
            if (open)
                d->ShowDropDown();
            Key(d, VK_ESCAPE, {}, QStringLiteral("\x1b"));
            DeliverPostedMessages();
            EXPECT_FALSE(d->DroppedDown());
            EXPECT_FALSE(Grid->EditMode());
            EXPECT_EQ(Log, QStringList({QStringLiteral("editing done"), QStringLiteral("edit cell done 2,1")}));
            EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("2:1"));
            EXPECT_EQ(clicks, open ? 0 : 1);
        }
    }
}

TEST_F(GridDropDowns, AColourCellTakesThePickedColourAndItsName)
{
    LogEvents();
    EditorKinds({{2, edColorPickerDropDown}, {3, edColorPickerDropDown}});
    Grid->SetColors(2, 1, 0x008000);
    QStringList selects;
    Grid->OnColorSelect = [&](TObject*, int ACol, int ARow, TColor, const QString& Value) {
        selects << QStringLiteral("%1,%2 %3").arg(ACol).arg(ARow).arg(Value);
    };
    Key(Grid, VK_F2);
    TGridColorDropDown* d = Grid->ColorPickerDropDown();
    ASSERT_EQ(Shown(), d);
    EXPECT_EQ(d->SelectedColor(), TColor(0x008000));
    EXPECT_EQ(d->SelectedColorText(), QStringLiteral("Green"));
    EXPECT_TRUE(selects.isEmpty()) << "opening tells nothing";
    // Choose Red in the list, then Escape: the cell stays as it was.
    d->ShowDropDown();
    TCustomItemSelector* list = d->ItemSelector()->Panel();
    Click(list, Middle(list->GetItemRect(9)));
    EXPECT_FALSE(d->DroppedDown());
    EXPECT_EQ(selects, QStringList({"2,1 Red"}));
    Key(d, VK_ESCAPE, {}, QStringLiteral("\x1b"));
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Colors(2, 1), TColor(0x008000));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("2:1"));

    // The same pick committed by Return: colour and name go into the cell.
    Grid->OnColorSelected = [](TObject*, int, int, TColor& Color, QString& Value) { Value += QStringLiteral("!"); };
    Key(Grid, VK_F2);
    EXPECT_EQ(d->SelectedColorText(), QStringLiteral("Green"));
    d->ShowDropDown();
    Click(list, Middle(list->GetItemRect(9)));
    Log.clear();
    Key(d, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Colors(2, 1), TColor(0x0000FF));
    EXPECT_EQ(Grid->Cells(2, 1), QStringLiteral("Red!"));
    EXPECT_EQ(Log.value(0), QStringLiteral("validate 2,1 Red"));

    // A shape cell gets the colour as its shape's; Down ends the edit.
    Grid->AddShape(3, 1, csRectangle, 0x123456, clBlack, haCenter, vaCenter);
    const TColor background = Grid->Colors(3, 1);
    Grid->SetCol(3);
    Key(Grid, VK_F2);
    EXPECT_EQ(d->SelectedColor(), TColor(0x123456));
    EXPECT_EQ(d->ItemIndex(), -1) << "no entry of an earlier edit names it";
    EXPECT_EQ(d->SelectedColorText(), QString());
    d->SetColorSelectionStyle(csColorCube);
    d->ShowDropDown();
    const TProColorCubePanel::TCubeCell& cell = d->ColorCube()->Cell(1);
    Click(d->ColorCube(), {cell.X, cell.Y});
    EXPECT_FALSE(d->DroppedDown());
    Key(d, VK_DOWN);
    EXPECT_FALSE(d->Visible());
    EXPECT_EQ(Grid->Row(), 2);
    EXPECT_EQ(Grid->GetShapeColor(3, 1), TColor(0x663300));
    EXPECT_EQ(Grid->Colors(3, 1), background);
    d->SetColorSelectionStyle(csList);
}

} // namespace

