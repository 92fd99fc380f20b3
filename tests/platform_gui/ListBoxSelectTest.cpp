// List boxes: selection by key and program, multi-select, item geometry.
#include "StdControlsFixture.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <QImage>

using namespace SyntheticInput;

namespace {

class ListBoxSelect : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        List = new TListBox(Form);
        List->SetParent(Form);
        List->SetItemHeight(16);
        for (int i = 0; i < 20; ++i)
            List->Items()->AddObject(QStringLiteral("item %1").arg(i), reinterpret_cast<TObject*>(std::intptr_t(i + 1)));
        List->OnClick = LogEvent(QStringLiteral("OnClick"));
        List->SetFocus();
        Log.clear();
    }
    TListBox* List = nullptr;
};

TEST_F(ListBoxSelect, ArrowKeysSelectAndNotifyProgramDoesNot)
{
    List->SetItemIndex(2);
    EXPECT_TRUE(Log.isEmpty());
    Key(List, VK_DOWN);
    EXPECT_EQ(List->ItemIndex(), 3);
    EXPECT_TRUE(List->Selected(3));
    EXPECT_FALSE(List->Selected(2));
    EXPECT_EQ(Log, QStringList({"LBN_SELCHANGE", "OnClick"}));
    EXPECT_EQ(List->Items()->Objects(List->ItemIndex()), reinterpret_cast<TObject*>(std::intptr_t(4)));
    EXPECT_THROW(List->Selected(20), EListError);
}

TEST_F(ListBoxSelect, MultiSelectKeepsSeveralItems)
{
    List->SetMultiSelect(true);
    List->SetSelected(1, true);
    List->SetSelected(4, true);
    List->SetSelected(5, true);
    List->SetSelected(4, false);
    EXPECT_EQ(List->SelCount(), 2);
    EXPECT_TRUE(List->Selected(1));
    EXPECT_TRUE(List->Selected(5));
    List->Items()->Delete(0);
    EXPECT_EQ(List->SelCount(), 0);
}

TEST_F(ListBoxSelect, ItemAtPosFollowsTheScrolledRows)
{
    TRect first = List->ItemRect(0);
    int h = first.Height();
    ASSERT_GT(h, 0);
    EXPECT_EQ(List->ItemAtPos({first.Left + 5, first.Top + 1}, true), 0);
    EXPECT_EQ(List->ItemAtPos({first.Left + 5, first.Top + h + 1}, true), 1);
    List->SetTopIndex(10);
    EXPECT_EQ(List->TopIndex(), 10);
    EXPECT_EQ(List->ItemAtPos({first.Left + 5, first.Top + 1}, true), 10);
    List->Items()->Clear();
    EXPECT_EQ(List->ItemAtPos({first.Left + 5, first.Top + 1}, true), -1);
    EXPECT_EQ(List->ItemAtPos({first.Left + 5, first.Top + 1}, false), 0);
}

// Owner-drawn items are painted by OnDrawItem on the list's canvas, item by
// item, with the selected state.
TEST_F(ListBoxSelect, OwnerDrawItemsPaintThroughOnDrawItem)
{
    List->SetStyle(lbOwnerDrawFixed);
    List->SetItemHeight(20);
    List->SetItemIndex(1);
    std::vector<int> drawn;
    bool selectedSeen = false;
    List->OnDrawItem = [&](TWinControl* c, int index, TRect r, TOwnerDrawState state) {
        drawn.push_back(index);
        if (state.Contains(odSelected))
            selectedSeen = index == 1;
        TCanvas* canvas = static_cast<TListBox*>(c)->Canvas();
        canvas->Brush()->SetColor(index % 2 ? clRed : clBlue);
        canvas->FillRect(r);
    };
    QImage shot = NativeWidget(List)->grab().toImage();
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.front(), 0);
    EXPECT_TRUE(selectedSeen);
    TRect second = List->ItemRect(1);
    EXPECT_EQ(second.Height(), 20);
    QColor c = shot.pixelColor(second.Left + 5, second.Top + 5);
    EXPECT_EQ(c, QColor(255, 0, 0));
}

} // namespace
