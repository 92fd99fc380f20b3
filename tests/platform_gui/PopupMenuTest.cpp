// Menus: Popup returns after the chosen item's click; radio groups,
// shortcuts and the item tree.
#include "platform/controls/Menu.h"
#include <gtest/gtest.h>

namespace {

class PopupMenuFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* c : {"&Open", "-", "&Save", "Sub"}) {
            auto* item = new TMenuItem(&Menu);
            item->SetCaption(QString::fromLatin1(c));
            item->OnClick = [this, c](TObject*) { Log << QStringLiteral("click %1").arg(QLatin1String(c)); };
            Menu.Items()->Add(item);
        }
        auto* child = new TMenuItem(&Menu);
        child->SetCaption(QStringLiteral("Child"));
        child->SetShortCut(ShortCut('K', {ssCtrl}));
        child->OnClick = [this](TObject*) { Log << QStringLiteral("click Child"); };
        Menu.Items()->Items(3)->Add(child);
        Menu.OnPopup = [this](TObject*) { Log << QStringLiteral("popup"); };
        Menu.OnClose = [this](TObject*) { Log << QStringLiteral("close"); };
    }
    void TearDown() override { SetMenuChooser(nullptr); }

    TPopupMenu Menu;
    QStringList Log;
};

TEST_F(PopupMenuFixture, PopupReturnsAfterTheChosenItemsClick)
{
    SetMenuChooser([this](TPopupMenu* m) {
        Log << QStringLiteral("open");
        return m->Items()->Find(QStringLiteral("Save"));
    });
    Menu.Popup(10, 10);
    Log << QStringLiteral("returned");
    EXPECT_EQ(Log, QStringList({"popup", "open", "close", "click &Save", "returned"}));
}

TEST_F(PopupMenuFixture, DismissedOrDisabledChoiceClicksNothing)
{
    Menu.Items()->Items(0)->SetEnabled(false);
    for (TMenuItem* pick : {static_cast<TMenuItem*>(nullptr), Menu.Items()->Items(0)}) {
        Log.clear();
        SetMenuChooser([pick](TPopupMenu*) { return pick; });
        Menu.Popup(10, 10);
        EXPECT_EQ(Log, QStringList({"popup", "close"}));
    }
}

TEST_F(PopupMenuFixture, ShortCutsFindNestedEnabledItems)
{
    EXPECT_TRUE(Menu.IsShortCut(ShortCut('K', {ssCtrl})));
    EXPECT_FALSE(Menu.IsShortCut(ShortCut('K', {})));
    EXPECT_EQ(Log, QStringList({"click Child"}));
    EXPECT_EQ(ShortCutToText(ShortCut('K', {ssCtrl, ssShift})), QStringLiteral("Shift+Ctrl+K"));
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F10, {})), QStringLiteral("F10"));
    EXPECT_TRUE(Menu.Items()->Items(1)->IsLine());
    EXPECT_EQ(Menu.Items()->Items(3)->Items(0)->GetParentMenu(), &Menu);
}

TEST_F(PopupMenuFixture, RadioItemsUncheckTheirGroupOnly)
{
    TMenuItem* parent = Menu.Items();
    std::vector<TMenuItem*> items;
    for (int group : {1, 1, 2}) {
        auto* i = new TMenuItem(&Menu);
        i->SetRadioItem(true);
        i->SetAutoCheck(true);
        i->SetGroupIndex(static_cast<unsigned char>(group));
        parent->Add(i);
        items.push_back(i);
    }
    items[2]->Click();
    items[0]->Click();
    items[1]->Click();
    EXPECT_FALSE(items[0]->Checked());
    EXPECT_TRUE(items[1]->Checked());
    EXPECT_TRUE(items[2]->Checked());
    // Freeing an item takes it out of its parent.
    int count = parent->Count();
    delete items[0];
    EXPECT_EQ(parent->Count(), count - 1);
}

} // namespace
