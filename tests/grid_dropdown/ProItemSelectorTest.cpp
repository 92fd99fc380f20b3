// The item selector: cell layout, selection and hot stepping, lookup,
// the mouse, scrolling an item into view, the visible item count, the
// caption placement and the appearance presets.
#include "grid/dropdown/ProItemSelector.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class ItemSelectorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 400, 400);
        Host = new TProCustomItemSelector(Form.get());
        Host->SetParent(Form.get());
        Host->SetBounds(0, 0, 300, 300);
        Form->Show();
    }
    void TearDown() override { Form.reset(); }
    TCustomItemSelector* Panel() const { return Host->Panel(); }
    void AddItems(std::initializer_list<const char*> Captions)
    {
        for (const char* c : Captions)
            Host->Items()->Add()->SetCaption(QString::fromUtf8(c));
        Host->UpdateSelectorPanel();
    }
    TSize Cell() const
    {
        const TRect r = Panel()->GetItemRect(0);
        return {r.Width(), r.Height()};
    }

    std::unique_ptr<TForm> Form;
    TProCustomItemSelector* Host = nullptr;
};

TEST_F(ItemSelectorTest, CellsFillRowsOfColumnsAndThePanelKeepsAMarginAllRound)
{
    AddItems({"One", "Two", "Three", "Four", "Five", "Six", "Seven"});
    Host->SetColumns(3);
    const TSize c = Cell();
    ASSERT_GT(c.cx, 0);
    EXPECT_EQ(Panel()->GetItemRect(0), TRect(2, 2, 2 + c.cx, 2 + c.cy));
    EXPECT_EQ(Panel()->GetItemRect(2).Left, 2 + 2 * c.cx);
    EXPECT_EQ(Panel()->GetItemRect(3), TRect(2, 2 + c.cy, 2 + c.cx, 2 + 2 * c.cy));
    EXPECT_EQ(Panel()->GetItemRect(6).Top, 2 + 2 * c.cy);
    EXPECT_EQ(Panel()->Width(), 3 * c.cx + 4);
    EXPECT_EQ(Panel()->Height(), 3 * c.cy + 4);
    EXPECT_EQ(Panel()->GetItemRect(7), TRect(-1, -1, -1, -1));
    // Columns below 1 are ignored.
    Host->SetColumns(0);
    EXPECT_EQ(Host->Columns(), 3);
}

TEST_F(ItemSelectorTest, FewerItemsThanColumnsAllFitThePanel)
{
    AddItems({"One", "Two"});
    Host->SetColumns(4);
    EXPECT_EQ(Panel()->Width(), 2 * Cell().cx + 4);
    EXPECT_EQ(Panel()->Height(), Cell().cy + 4);
}

TEST_F(ItemSelectorTest, EmptyHostShowsA100x50PanelAndLooksUpNothing)
{
    EXPECT_EQ(Host->GetSelectorSize(), TSize(100, 50));
    EXPECT_FALSE(Host->LookupItem(QStringLiteral("A")));
    EXPECT_EQ(Host->GetVisibleItemCount(), 0);
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), -1);
}

TEST_F(ItemSelectorTest, PanelNeedsAHost)
{
    TForm owner(nullptr);
    EXPECT_THROW(TCustomItemSelector panel(&owner), Exception);
}

TEST_F(ItemSelectorTest, SteppingStopsAtTheEndsAndAtDisabledItems)
{
    AddItems({"A", "B", "C", "D"});
    int selects = 0;
    Host->OnItemSelect = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Host);
        ++selects;
    };
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), 0);
    Host->SelectPrevious();
    EXPECT_EQ(Host->ItemIndex(), 0) << "from item 0";
    Host->SelectLast();
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), 3) << "from the last item";
    Host->SetItemIndex(-1);
    Host->SelectPrevious();
    EXPECT_EQ(Host->ItemIndex(), 0) << "nothing selected";
    Host->Items()->Items(1)->FEnabled = false;
    Host->SelectNext();
    EXPECT_EQ(Host->ItemIndex(), 0) << "onto a disabled item";
    EXPECT_EQ(selects, 3);
    // Every selection of an item fires, also an unchanged one.
    Host->SetItemIndex(0);
    EXPECT_EQ(selects, 4);
}

TEST_F(ItemSelectorTest, IndexesPastTheItemsAreIgnored)
{
    AddItems({"A", "B"});
    Host->SetItemIndex(1);
    int selects = 0;
    Host->OnItemSelect = [&](TObject*) { ++selects; };
    Host->SetItemIndex(2);
    Host->SetItemIndex(-5);
    EXPECT_EQ(Host->ItemIndex(), 1);
    EXPECT_EQ(selects, 0);
    Host->SetItemIndex(-1);
    EXPECT_EQ(Host->ItemIndex(), -1);
}

TEST_F(ItemSelectorTest, HotSteppingSkipsNothingButStopsAtDisabledItems)
{
    AddItems({"A", "B", "C"});
    Host->HotNext();
    EXPECT_EQ(Host->ItemHot(), 0);
    Host->HotNext();
    Host->HotNext();
    Host->HotNext();
    EXPECT_EQ(Host->ItemHot(), 2);
    Host->Items()->Items(1)->FEnabled = false;
    Host->HotPrevious();
    EXPECT_EQ(Host->ItemHot(), 2);
    // A new layout forgets the hot item.
    Host->UpdateSelectorPanel();
    EXPECT_EQ(Host->ItemHot(), -1);
}

TEST_F(ItemSelectorTest, LookupMatchesThePlainTrimmedUpperCasedCaptionStart)
{
    AddItems({"Green", "  <b>re</b>d", "Rose"});
    struct Case {
        const char* Key;
        bool Found;
        int Index;
    };
    const Case cases[] = {{"RE", true, 1}, {"RO", true, 2}, {"re", false, 2}, {"X", false, 2}, {"", false, 2}};
    for (const Case& c : cases) {
        EXPECT_EQ(Host->LookupItem(QString::fromUtf8(c.Key)), c.Found) << c.Key;
        EXPECT_EQ(Host->ItemIndex(), c.Index) << c.Key;
    }
    // A disabled match is found, yet the selection stays.
    Host->Items()->Items(0)->FEnabled = false;
    EXPECT_TRUE(Host->LookupItem(QStringLiteral("G")));
    EXPECT_EQ(Host->ItemIndex(), 2);
}

TEST_F(ItemSelectorTest, MouseHotAndClickSkipDisabledItems)
{
    AddItems({"A", "B", "C"});
    Host->Items()->Items(1)->SetHint(QStringLiteral("the B"));
    Host->Items()->Items(2)->FEnabled = false;
    const TRect b = Panel()->GetItemRect(1);
    const TRect c = Panel()->GetItemRect(2);
    MouseMove(Panel(), {b.Left + 3, b.Top + 3});
    EXPECT_EQ(Host->ItemHot(), 1);
    EXPECT_EQ(Panel()->Hint(), QStringLiteral("the B"));
    MouseMove(Panel(), {c.Left + 3, c.Top + 3});
    EXPECT_EQ(Host->ItemHot(), -1);
    Click(Panel(), {c.Left + 3, c.Top + 3});
    EXPECT_EQ(Host->ItemIndex(), -1);
    MouseMove(Panel(), {b.Left + 3, b.Top + 3});
    Click(Panel(), {b.Left + 3, b.Top + 3}, {});
    EXPECT_EQ(Host->ItemIndex(), 1);
    MouseDown(Panel(), mbRight, {Panel()->GetItemRect(0).Left + 2, 4});
    EXPECT_EQ(Host->ItemIndex(), 0) << "any button selects";
    MouseLeave(Panel());
    EXPECT_EQ(Host->ItemHot(), -1);
}

TEST_F(ItemSelectorTest, SelectionScrollsIntoView)
{
    for (int i = 0; i < 40; ++i)
        Host->Items()->Add()->SetCaption(QStringLiteral("Item %1").arg(i));
    Host->SetBounds(0, 0, 200, 100);
    Host->UpdateSelectorPanel();
    ASSERT_TRUE(Host->VertScrollBar()->IsScrollBarVisible());
    Host->SelectLast();
    const TRect last = Panel()->GetItemRect(39);
    EXPECT_EQ(Panel()->Top() + last.Bottom, Host->ClientHeight());
    Host->SelectFirst();
    EXPECT_EQ(Panel()->Top() + Panel()->GetItemRect(0).Top, 0);
    EXPECT_EQ(Host->VertScrollBar()->Position(), 2);
}

TEST_F(ItemSelectorTest, VisibleItemCountCountsWholeRowsTimesColumns)
{
    AddItems({"A", "B", "C", "D", "E", "F"});
    Host->SetColumns(2);
    EXPECT_EQ(Host->GetVisibleItemCount(), 300 / Cell().cy * 2);
    // A size handler that gives no height leaves no rows to count.
    Host->OnItemSize = [](TObject*, TSize& s) { s = {40, 0}; };
    Host->UpdateSelectorPanel();
    EXPECT_EQ(Host->GetVisibleItemCount(), 0);
}

// The first row of R (panel coordinates) holding a pixel of the colour,
// or with Color clNone any pixel but white and red (text is smoothed).
int FirstRowWith(TCanvas* Canvas, const TRect& R, TColor Color)
{
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x) {
            const TColor c = Canvas->Pixels(x, y);
            if (Color == clNone ? c != clWhite && c != clRed : c == Color)
                return y;
        }
    return -1;
}

TEST_F(ItemSelectorTest, CaptionBelowStartsTheContentHeightAndTheGapLower)
{
    // The offset of the caption's ink from its text top, drawn on its own.
    AddItems({"Xy"});
    Host->SetItemLayout(ilCaptionRight);
    Host->UpdateSelectorPanel();
    TCanvas* canvas = Panel()->Canvas();
    const TRect plain = Panel()->GetItemRect(0);
    Panel()->Repaint();
    const int ink = FirstRowWith(canvas, plain, clNone) - (plain.Top + 4);
    ASSERT_GE(ink, 0);

    TPicture picture;
    picture.Bitmap()->SetSize(16, 32);
    picture.Bitmap()->Canvas()->Brush()->SetColor(clRed);
    picture.Bitmap()->Canvas()->FillRect(TRect(0, 0, 16, 32));
    Host->Items()->Items(0)->SetImage(&picture);
    Host->SetItemLayout(ilCaptionBottom);
    Host->UpdateSelectorPanel();
    Panel()->Repaint();
    const TRect cell = Panel()->GetItemRect(0);
    const int pictureTop = FirstRowWith(canvas, cell, clRed);
    EXPECT_EQ(pictureTop, cell.Top + 4);
    EXPECT_EQ(FirstRowWith(canvas, TRect(cell.Left, pictureTop + 32, cell.Right, cell.Bottom), clNone),
              pictureTop + 32 + 4 + ink);

    Host->SetSelectorType(stColor);
    Host->Items()->Items(0)->SetColor(clRed);
    Panel()->Repaint();
    const TRect box = Panel()->GetItemRect(0);
    const int boxTop = FirstRowWith(canvas, box, clBlack);
    // The box's black frame, then the caption 14 + 4 lower.
    EXPECT_EQ(FirstRowWith(canvas, TRect(box.Left, boxTop + 14, box.Right, box.Bottom), clNone),
              boxTop + 14 + 4 + ink);
}

TEST_F(ItemSelectorTest, ColorStylePresetsAndAssign)
{
    TItemAppearance a;
    EXPECT_EQ(a.ColorStyle(), scOffice2007);
    EXPECT_EQ(a.ColorHot(), TColor(0xD7FFFD));
    EXPECT_EQ(a.Font()->Name(), QStringLiteral("Tahoma"));
    a.SetColorHot(0x123456);
    a.SetColorStyle(scOffice2007);
    EXPECT_EQ(a.ColorHot(), TColor(0x123456)) << "already applied";
    a.SetColorStyle(scCustom);
    EXPECT_EQ(a.ColorHot(), TColor(0x123456));
    EXPECT_EQ(a.ColorStyle(), scCustom);

    // A source of another style leaves its preset, not its own edits.
    TItemAppearance source;
    source.SetColorStyle(scWindows7);
    source.SetColorSelected(0x010101);
    source.SetColorSelectedText(0x0000FF);
    source.SetColorHotText(0x00FF00);
    TItemAppearance target;
    target.Assign(&source);
    EXPECT_EQ(target.ColorStyle(), scWindows7);
    EXPECT_EQ(target.ColorSelected(), TColor(0xF9D8B9));
    EXPECT_EQ(target.ColorSelectedText(), TColor(0x0000FF));
    EXPECT_EQ(target.ColorHotText(), TColor(0)) << "not copied";
    // The same style keeps the copied colours.
    TItemAppearance same;
    same.SetColorStyle(scWindows7);
    same.Assign(&source);
    EXPECT_EQ(same.ColorSelected(), TColor(0x010101));
}

TEST_F(ItemSelectorTest, VisualStylePresetsWriteTheItemColours)
{
    TItemAppearance a;
    a.SetBorderColorHot(0x111111);
    a.SetColorHotText(0x222222);
    ApplyItemAppearanceStyle(&a, tsCustom);
    EXPECT_EQ(a.BorderColorHot(), TColor(0x111111));
    ApplyItemAppearanceStyle(&a, tsWindowsXP);
    EXPECT_EQ(a.BorderColorHot(), clNone);
    EXPECT_EQ(a.ColorHotText(), clBlack);
    EXPECT_EQ(a.ColorSelected(), clHighlight);
    EXPECT_EQ(a.ColorSelectedText(), clHighlightText);
    EXPECT_EQ(a.ColorStyle(), scOffice2007) << "the colour style stays";
    ApplyItemAppearanceStyle(&a, tsOffice2007Luna);
    EXPECT_EQ(a.ColorSelectedText(), clBlack);
    EXPECT_EQ(a.BorderColorTop(), TColor(0xF4FEFF));
    ApplyItemAppearanceStyle(nullptr, tsOffice2007Luna);
}

} // namespace
