// The multi-column drop-down: look-ups in the lookup column (items with
// fewer texts count as empty), completion in the edit, Enter and Escape,
// the popup's height and column widths, choosing in the table by keys, by
// the mouse and by typed characters, the wheel, and a cancelled close.
#include "grid/dropdown/ProMultiColumnDropDown.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;
using namespace ProMultiColumnDropDownUnit;

namespace {

class MultiColumnTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Other = std::make_unique<TForm>(nullptr);
        Other->SetBounds(600, 100, 200, 200);
        Edit = new TProMultiColumnDropDown(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 200, 21);
        Edit->DropDownHeader()->SetVisible(false);
        Edit->DropDownFooter()->SetVisible(false);
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
    void AddRow(std::initializer_list<const char*> Texts)
    {
        TDropDownItem* item = Edit->Items()->Add();
        for (const char* t : Texts)
            item->Text()->Add(QString::fromUtf8(t));
    }
    void Fruits()
    {
        Edit->BeginUpdate();
        AddRow({"A1", "Apple", "x"});
        AddRow({"B2", "Banana", "y"});
        AddRow({"A3", "Apricot", "z"});
        AddRow({"C4", "Cherry", "w"});
        Edit->EndUpdate();
    }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }
    TProColGrid* Grid() const { return Edit->Grid(); }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<TForm> Other;
    TProMultiColumnDropDown* Edit = nullptr;
    int Selects = 0;
};

TEST_F(MultiColumnTest, LookupColumnLinksRowsAndText)
{
    Fruits();
    Edit->SetItemIndex(1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana"));
    EXPECT_EQ(Edit->GetItemIndex(QStringLiteral("Banana")), 1);
    EXPECT_EQ(Edit->GetItemIndex(QStringLiteral("banana")), -1) << "case-sensitive";
    Edit->SetItemIndex(4);
    EXPECT_EQ(Edit->ItemIndex(), 1) << "past the items";
    Edit->SetItemIndex(-1);
    EXPECT_EQ(Edit->GetText(), QString());
    EXPECT_EQ(Selects, 0) << "no event";
}

TEST_F(MultiColumnTest, ItemsWithFewerTextsLookUpAsEmpty)
{
    Edit->BeginUpdate();
    AddRow({"A1"});
    AddRow({"B2", "Banana"});
    Edit->EndUpdate();
    EXPECT_EQ(Edit->GetItemIndex(QStringLiteral("Banana")), 1);
    EXPECT_EQ(Edit->GetItemIndex(QString()), 0);
    EXPECT_EQ(Edit->LookupList()->Count(), 2);
    EXPECT_EQ(Edit->Items()->IndexInColumn(1, QString()), -1) << "IndexInColumn skips them";
    Edit->SetItemIndex(0);
    EXPECT_EQ(Edit->GetText(), QString());
    // Typed in the open table.
    Edit->ShowDropDown();
    Key(Focused(), 'B', {}, QStringLiteral("b"));
    EXPECT_EQ(Edit->ItemIndex(), 1);
}

TEST_F(MultiColumnTest, EnterTakesTheEntryAndEscapeClearsAStranger)
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

TEST_F(MultiColumnTest, TypingCompletesAgainstTheLookupTexts)
{
    Fruits();
    Type(Edit, QStringLiteral("a"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apple"));
    EXPECT_EQ(Edit->SelText(), QStringLiteral("pple"));
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Type(Edit, QStringLiteral("pr"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
    EXPECT_EQ(Edit->ItemIndex(), 2);
    // Without the lookup list there is nothing to complete.
    Edit->SetText(QString());
    Edit->SetLookupColumn(-1);
    Type(Edit, QStringLiteral("b"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("b"));
}

TEST_F(MultiColumnTest, ReturnIsTabTakesTheEntryAndMovesOn)
{
    auto* next = new TProMultiColumnDropDown(Form.get());
    next->SetParent(Form.get());
    next->SetBounds(10, 60, 200, 21);
    Fruits();
    Edit->SetReturnIsTab(true);
    Edit->SetText(QStringLiteral("cherry"));
    Key(Edit, VK_RETURN);
    Application->ProcessMessages();
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Cherry"));
    EXPECT_EQ(Focused(), next);
}

TEST_F(MultiColumnTest, PopupHeightCutsToWholeRows)
{
    Fruits();
    for (int i = 0; i < 20; ++i)
        AddRow({"Z", "Zucchini", "-"});
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    // 200 asked: 25 + 7 x 22 + 2.
    EXPECT_EQ(Edit->DropDownForm()->Height(), 181);
    EXPECT_EQ(Grid()->RowHeights(0), 25);
    EXPECT_EQ(Grid()->RowHeights(1), 22);
}

TEST_F(MultiColumnTest, ColumnsScaleToThePopupWidth)
{
    Fruits();
    Edit->SetDropDownAutoWidth(false);
    Edit->SetDropDownWidth(300);
    Edit->ShowDropDown();
    ASSERT_EQ(Grid()->ColCount(), 3);
    // f = 300 / 241: the carry never exceeds a pixel.
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(Grid()->ColWidths(i), 100) << i;
    Edit->HideDropDown(false);
    // Auto width: the popup as wide as the columns and the border.
    Edit->SetDropDownAutoWidth(true);
    Edit->SetDropDownWidth(0);
    Edit->SetColumnSizeWithDropDown(false);
    Edit->ShowDropDown();
    EXPECT_EQ(Edit->DropDownForm()->Width(), 3 * 80 + 2);
}

TEST_F(MultiColumnTest, KeysMoveTheRowAndTheTextFollows)
{
    Fruits();
    Edit->SetItemIndex(0);
    Key(Edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    ASSERT_EQ(Focused(), Grid());
    EXPECT_EQ(Grid()->Row(), 1);
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_DOWN);
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apricot"));
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apple"));

    Key(Edit, VK_F4);
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Banana"));
    EXPECT_EQ(Selects, 1);
    // Tab in the table does nothing.
    Key(Edit, VK_F4);
    Key(Focused(), VK_TAB);
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Focused(), Grid());
}

TEST_F(MultiColumnTest, AClickOnADataRowChoosesTheHeaderNothing)
{
    Fruits();
    Edit->ShowDropDown();
    const TRect header = Grid()->CellRect(1, 0);
    Click(Grid(), {header.Left + 5, header.Top + 5});
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Selects, 0);
    const TRect r = Grid()->CellRect(1, 4);
    Click(Grid(), {r.Left + 5, r.Top + 5});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Cherry"));
    EXPECT_EQ(Selects, 1);
}

TEST_F(MultiColumnTest, TheWheelMovesTheRowOnlyAndAClickOutsideKeepsTheChoice)
{
    Fruits();
    Edit->SetItemIndex(0);
    Edit->ShowDropDown();
    Wheel(Grid(), -120, {5, 30});
    EXPECT_EQ(Grid()->Row(), 2);
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Other->Show();
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apple"));
}

TEST_F(MultiColumnTest, CharactersTypedInTheTableLookTheRowsUp)
{
    Fruits();
    Edit->ShowDropDown();
    Key(Focused(), 'A', {}, QStringLiteral("a"));
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Key(Focused(), 'P', {}, QStringLiteral("p"));
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Apple"));
    EXPECT_EQ(Edit->SelText(), QStringLiteral("ple"));
    Key(Focused(), 'R', {}, QStringLiteral("r"));
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Grid()->Row(), 3);
    // A key that extends no match starts again with itself.
    Key(Focused(), 'C', {}, QStringLiteral("c"));
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Cherry"));
    EXPECT_TRUE(Edit->DroppedDown());
    Key(Focused(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 3);
}

TEST_F(MultiColumnTest, EditKeysStepTheChoiceWhileClosed)
{
    Fruits();
    Key(Edit, VK_DOWN);
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Key(Edit, VK_NEXT);
    EXPECT_EQ(Edit->ItemIndex(), 3);
    Key(Edit, VK_UP);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    Key(Edit, VK_PRIOR);
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Wheel(Edit, -120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(MultiColumnTest, StylesSetTheTableColours)
{
    EXPECT_EQ(Edit->LineColor(), TColor(0xF1EDEB));
    EXPECT_EQ(Edit->FixedLineColor(), TColor(0xD1BBA4));
    EXPECT_EQ(Edit->HeaderFont()->Color(), TColor(0x723708));
    EXPECT_EQ(Edit->HeaderColor(), TColor(0xFFFFFF));
    Edit->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(Edit->SelectionColorStyle(), scCustom);
    EXPECT_EQ(Edit->LineColor(), TColor(0xC0C0C0));
    EXPECT_EQ(Edit->FixedLineColor(), TColor(0));
    EXPECT_EQ(Edit->SelectionColor(), clHighlight);
    EXPECT_EQ(Edit->SelectionTextColor(), clHighlightText);
    Edit->SetComponentStyle(tsWindows7);
    EXPECT_EQ(Edit->HeaderColorTo(), TColor(0xFDF3EB));
    EXPECT_EQ(Edit->LineColor(), TColor(0xFBD6B8));
    EXPECT_EQ(Edit->SelectionColor(), TColor(0xFCEBDC));
    Edit->SetSelectionColorStyle(scWindowsVista);
    EXPECT_EQ(Edit->LineColor(), TColor(0xECECF0));
}

TEST_F(MultiColumnTest, AutoSizedColumnsAndWrappedRowsFitTheirTexts)
{
    Fruits();
    auto* images = new TImageList(Form.get());
    TBitmap b(16, 16);
    images->Add(&b, nullptr);
    Edit->SetImages(images);
    Edit->Items()->Items(0)->SetImageIndex(0);
    Edit->Items()->Items(1)->Text()->Put(2, QStringLiteral("one two three four five six seven"));
    TDropDownColumn* code = Edit->Columns()->Items(0);
    code->SetAutoSize(true);
    code->SetColumnType(ctImage);
    TDropDownColumn* note = Edit->Columns()->Items(2);
    note->SetWordwrap(true);
    note->SetWidth(50);
    Edit->SetColumnSizeWithDropDown(false);
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());

    TCanvas* canvas = Edit->DropDownForm()->Canvas();
    canvas->Font()->Assign(code->Font());
    // Text + 6; the row with an image adds the image and 4.
    const int apple = 16 + 4 + GetTextSize(canvas, QStringLiteral("A1")).X + 6;
    int widest = apple;
    for (const char* t : {"B2", "A3", "C4"})
        widest = std::max(widest, GetTextSize(canvas, QString::fromUtf8(t)).X + 6);
    EXPECT_EQ(Grid()->ColWidths(0), widest);
    EXPECT_EQ(Grid()->Columns()->Items(0)->Width(), widest);
    EXPECT_EQ(code->Width(), 80) << "the drop-down's own column keeps its width";

    TRect box(0, 0, 50, 0);
    canvas->Font()->Assign(note->Font());
    DrawText(canvas, QStringLiteral("one two three four five six seven"), -1, &box, DT_CALCRECT | DT_WORDBREAK);
    ASSERT_GT(box.Height() + 6, 24);
    EXPECT_EQ(Grid()->RowHeights(2), box.Height() + 6);
    EXPECT_EQ(Grid()->RowHeights(1), 24) << "one line keeps 24";
}

TEST_F(MultiColumnTest, AssignedItemsKeepTheirTexts)
{
    Fruits();
    auto* copy = new TProMultiColumnDropDown(Form.get());
    copy->SetItems(Edit->Items());
    ASSERT_EQ(copy->Items()->Count(), 4);
    EXPECT_EQ(copy->Items()->Items(1)->ColumnText(1), QStringLiteral("Banana"));
    copy->Assign(Edit);
    EXPECT_EQ(copy->Items()->Items(3)->ColumnText(2), QStringLiteral("w"));
}

} // namespace
