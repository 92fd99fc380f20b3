#include "DeckTabsFixture.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"

namespace {

class DeckTabsThreeTabs : public DeckTabsStrip {
protected:
    void SetUp() override
    {
        DeckTabsStrip::SetUp();
        AddTabs({"One", "Two", "Three"});
        Strip->SetActiveTabIndex(0);
        Settle();
    }
    TDeckTabControl* Control(int Index) const { return Strip->GetTabControl(Index); }
};

TEST_F(DeckTabsThreeTabs, HitTestFindsWhatLiesUnderThePoint)
{
    struct Case {
        const char* Name;
        TPoint Pt;
        int TabIndex;
        THitTestArea Area;
    } cases[] = {
        {"OutsideTheStrip", {-1, 5}, -1, htNowhere},
        {"BelowTheStrip", {10, 30}, -1, htNowhere},
        {"AboveTheTabs", {40, 2}, -1, htBackground},
        {"TabBody", {30, 20}, 0, htTab},
        {"CloseButtonOfInactiveTab", {73 + 62, 17}, 1, htCloseButton},
        {"CloseButtonOfActiveTab", {62, 17}, 0, htCloseButton},
        // Tabs 0 and 1 overlap at 73..87: the active tab lies on top.
        {"OverlapGoesToTheActiveTab", {80, 28}, 0, htTab},
        {"BetweenTheSlantedEdges", {84, 6}, -1, htBackground},
        {"AddButton", {245, 17}, -1, htAddButton},
        {"LeftScrollButton", {274, 17}, -1, htScrollButtonLeft},
        {"RightScrollButton", {290, 17}, -1, htScrollButtonRight},
        {"GapBetweenButtons", {266, 17}, -1, htBackground},
    };
    for (const Case& c : cases) {
        const THitTestResult h = Strip->HitTest(c.Pt);
        EXPECT_EQ(h.TabIndex, c.TabIndex) << c.Name;
        EXPECT_EQ(h.HitTestArea, c.Area) << c.Name;
    }
    EXPECT_EQ(Strip->ScrollButtonLeftControl()->DrawState(), dsDisabled) << "nothing to scroll";
    EXPECT_EQ(Strip->HitTest({274, 17}, true).HitTestArea, htBackground) << "disabled buttons let the point through";
}

TEST_F(DeckTabsThreeTabs, HoverStartsATimedStyleTransition)
{
    TDeckTabsLookAndFeelTab* look = Strip->LookAndFeel()->Tabs();
    const int from = look->NotActive()->Style()->StartAlpha();
    const int to = look->Hot()->Style()->StartAlpha();
    ASSERT_NE(from, to);
    auto alpha = [&] { return Control(1)->PropertyItems()->CurrentTabProperties().StartAlpha; };
    EXPECT_EQ(alpha(), from);

    SyntheticInput::MouseMove(Strip, TabPoint(1));
    EXPECT_EQ(Control(1)->DrawState(), dsHot);
    EXPECT_EQ(Control(2)->DrawState(), dsNotActive);
    Clock.Advance(150);
    Strip->DoAnimateTimer(nullptr);
    EXPECT_GT(alpha(), from) << "half way after 150 of 300 ms";
    EXPECT_LT(alpha(), to);
    Clock.Advance(140);
    Strip->DoAnimateTimer(nullptr);
    EXPECT_LT(alpha(), to) << "still short of the end at 290 ms";
    Clock.Advance(10);
    Strip->DoAnimateTimer(nullptr);
    EXPECT_EQ(alpha(), to);
    EXPECT_TRUE(Strip->HasState(stsAnimatingStyle)) << "the step reaching the end counts";
    Strip->DoAnimateTimer(nullptr);
    EXPECT_FALSE(Strip->HasState(stsAnimatingStyle));

    // Hovering the active tab changes only its close button.
    SyntheticInput::MouseMove(Strip, CloseButtonPoint(0));
    EXPECT_EQ(Control(0)->DrawState(), dsActive);
    EXPECT_EQ(Control(0)->CloseButtonState(), dsHot);
    EXPECT_EQ(Control(1)->DrawState(), dsNotActive);

    SyntheticInput::MouseLeave(Strip);
    EXPECT_EQ(Strip->LastMouseX(), -1);
    EXPECT_EQ(Control(0)->CloseButtonState(), dsActive);
}

TEST_F(DeckTabsThreeTabs, PressActivatesTheTabInOrder)
{
    QStringList log;
    Strip->OnActiveTabChanging = [&](TObject*, TDeckTab* o, TDeckTab* n, bool&) {
        log << "changing " + o->Caption() + ">" + n->Caption();
    };
    Strip->OnChange = [&](TObject*, TDeckTab* t, TTabChangeType k) {
        if (k == tcActivated || k == tcDeactivated)
            log << (k == tcActivated ? "activated " : "deactivated ") + t->Caption();
    };
    Strip->OnActiveTabChanged = [&](TObject*, TDeckTab* t) { log << "changed " + t->Caption(); };
    SyntheticInput::MouseDown(Strip, mbLeft, TabPoint(2));
    EXPECT_EQ(log, (QStringList{"changing One>Three", "deactivated One", "changed Three", "activated Three"}));
    EXPECT_TRUE(Strip->HasState(stsMouseDown));
    SyntheticInput::MouseUp(Strip, mbLeft, TabPoint(2));
    EXPECT_FALSE(Strip->HasState(stsMouseDown));
    EXPECT_EQ(Strip->ActiveTabIndex(), 2);
    EXPECT_EQ(Control(2)->DrawState(), dsActive);
    EXPECT_EQ(Control(0)->DrawState(), dsNotActive);

    // A refusing handler keeps the active tab.
    Strip->OnActiveTabChanging = [](TObject*, TDeckTab*, TDeckTab*, bool& Allow) { Allow = false; };
    SyntheticInput::Click(Strip, TabPoint(1));
    EXPECT_EQ(Strip->ActiveTabIndex(), 2);
}

TEST_F(DeckTabsThreeTabs, RightClickSelectsOnlyWhenAsked)
{
    for (bool select : {false, true}) {
        Strip->Options()->Behaviour()->SetTabRightClickSelect(select);
        Strip->SetActiveTabIndex(0);
        SyntheticInput::MouseDown(Strip, mbRight, TabPoint(1));
        SyntheticInput::MouseUp(Strip, mbRight, TabPoint(1));
        EXPECT_EQ(Strip->ActiveTabIndex(), select ? 1 : 0) << select;
    }
}

struct MenuItemText {
    QString Caption;
    long long Tag;
    bool Checked;
    bool Radio;
    bool operator==(const MenuItemText&) const = default;
};
void PrintTo(const MenuItemText& m, std::ostream* os)
{
    *os << m.Caption.toStdString() << "/" << m.Tag << (m.Checked ? "/checked" : "") << (m.Radio ? "/radio" : "");
}

TEST_F(DeckTabsThreeTabs, BuiltInMenuListsActionsAndTabs)
{
    Strip->Tabs()->Items(2)->SetCaption(QString());
    std::vector<MenuItemText> items;
    TMenuItem* pick = nullptr;
    QString pickCaption;
    SetMenuChooser([&](TPopupMenu* m) {
        items.clear();
        pick = nullptr;
        for (int i = 0; i < m->Items()->Count(); ++i) {
            TMenuItem* item = m->Items()->Items(i);
            items.push_back({item->Caption(), item->Tag(), item->Checked(), item->RadioItem()});
            if (item->Caption() == pickCaption)
                pick = item;
        }
        return pick;
    });
    // Pressed on tab 1 (unpinned), tab 0 active.
    SyntheticInput::MouseDown(Strip, mbRight, TabPoint(1));
    SyntheticInput::MouseUp(Strip, mbRight, TabPoint(1));
    Strip->SetActiveTabIndex(0);
    pickCaption = "Pin this tab";
    Strip->Perform(WM_CONTEXTMENU, 0, 0);
    const std::vector<MenuItemText> expected{
        {"New tab", 3, false, true},   {"-", -1, false, false},        {"Delete Tab", 2, false, true},
        {"-", -1, false, false},       {"Pin this tab", 0, false, true}, {"-", -1, false, false},
        {"One", 10, true, true},       {"Two", 11, false, true},       {"<No Caption>", 12, false, true},
    };
    EXPECT_EQ(items, expected);
    EXPECT_TRUE(Strip->Tabs()->Items(0)->Pinned()) << "tab 1 moved to the pinned run's end, index 0";
    EXPECT_EQ(Strip->Tabs()->Items(0)->Caption(), "Two");

    // The menu on the pinned tab offers unpinning; a tab item activates it.
    Settle();
    SyntheticInput::MouseDown(Strip, mbRight, TabPoint(0));
    SyntheticInput::MouseUp(Strip, mbRight, TabPoint(0));
    pickCaption = "<No Caption>";
    Strip->Perform(WM_CONTEXTMENU, 0, 0);
    EXPECT_EQ(items[4].Caption, "Unpin this tab");
    EXPECT_EQ(Strip->ActiveTabIndex(), 2);

    pickCaption = "New tab";
    Strip->Perform(WM_CONTEXTMENU, 0, 0);
    EXPECT_EQ(Strip->Tabs()->Count(), 4);

    // A press on the background lists no tab actions.
    Strip->Options()->Behaviour()->SetBackgroundDragMovesForm(false);
    SyntheticInput::Click(Strip, {40, 2});
    pickCaption.clear();
    Strip->Perform(WM_CONTEXTMENU, 0, 0);
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[2].Tag, 10);
}

TEST_F(DeckTabsThreeTabs, CloseButtonClickShrinksAndRemovesTheTab)
{
    QStringList changes;
    Strip->OnChange = [&](TObject*, TDeckTab* t, TTabChangeType k) {
        if (k == tcDeleting || k == tcDeleted)
            changes << (t ? t->Caption() : QStringLiteral("-")) + (k == tcDeleting ? " deleting" : " deleted");
    };
    const TRect closed = TabRect(1);
    const TPoint p = CloseButtonPoint(1);
    SyntheticInput::MouseMove(Strip, p);
    SyntheticInput::MouseDown(Strip, mbLeft, p);
    EXPECT_EQ(Control(1)->CloseButtonState(), dsDown);
    SyntheticInput::MouseUp(Strip, mbLeft, p);
    EXPECT_EQ(changes, (QStringList{"Two deleting", "Two deleted"}));
    ASSERT_EQ(Strip->Tabs()->Count(), 3) << "still shrinking";
    EXPECT_TRUE(Strip->Tabs()->Items(1)->MarkedForDeletion());
    EXPECT_TRUE(Strip->HasState(stsAnimatingCloseTab));
    EXPECT_TRUE(Strip->HasState(stsDeletingUnPinnedTabs));
    EXPECT_TRUE(Strip->HasState(stsTabDeleted));

    Settle();
    ASSERT_EQ(Strip->Tabs()->Count(), 2);
    EXPECT_FALSE(Strip->HasState(stsAnimatingCloseTab));
    EXPECT_EQ(TabRect(1), closed) << "the next tab took the closed tab's place and width";
    EXPECT_EQ(Strip->HitTest(p).TabIndex, 1);
    EXPECT_EQ(Strip->HitTest(p).HitTestArea, htCloseButton) << "its close button lies under the mouse";

    // Outside the strip for the cancel delay, the tabs spread out again.
    SyntheticInput::MouseLeave(Strip);
    EXPECT_TRUE(Strip->CancelTabSmartResizeTimer()->Enabled());
    EXPECT_EQ(Strip->CancelTabSmartResizeTimer()->Interval(), 700u);
    Clock.Advance(700);
    Strip->CancelTabSmartResizeTimer()->CheckDue();
    EXPECT_FALSE(Strip->HasState(stsDeletingUnPinnedTabs));
    Settle();
    EXPECT_EQ(TabRect(1), (TRect{109, 4, 232, 30}));
}

TEST_F(DeckTabsThreeTabs, ZeroMovementTimeStillClosesAndMovesTabs)
{
    Strip->Options()->Animation()->SetDefaultMovementAnimationTimeMS(0);
    const TPoint p = CloseButtonPoint(1);
    SyntheticInput::MouseMove(Strip, p);
    SyntheticInput::MouseDown(Strip, mbLeft, p);
    SyntheticInput::MouseUp(Strip, mbLeft, p);
    Settle();
    ASSERT_EQ(Strip->Tabs()->Count(), 2) << "the closed tab is removed";
    EXPECT_FALSE(Strip->HasState(stsAnimatingCloseTab));
    Strip->Tabs()->Add()->SetCaption(QStringLiteral("Four"));
    Settle();
    EXPECT_EQ(TabRect(2), Strip->GetTabControl(2)->EndRect()) << "a new tab reaches its place";
}

TEST_F(DeckTabsThreeTabs, CloseClicksThatDoNotComplete)
{
    struct Case {
        const char* Name;
        bool Refuse;
        bool ReleaseOnBody;
    } cases[] = {{"HandlerRefuses", true, false}, {"ReleasedOnTheBody", false, true}};
    for (const Case& c : cases) {
        Strip->OnButtonCloseTabClick = [&](TObject*, TDeckTab*, bool& Close) { Close = !c.Refuse; };
        SyntheticInput::MouseDown(Strip, mbLeft, CloseButtonPoint(1));
        SyntheticInput::MouseUp(Strip, mbLeft, c.ReleaseOnBody ? TabPoint(1) : CloseButtonPoint(1));
        EXPECT_EQ(Strip->Tabs()->Count(), 3) << c.Name;
        EXPECT_FALSE(Strip->HasState(stsDeletingUnPinnedTabs)) << c.Name;
    }
}

TEST_F(DeckTabsThreeTabs, AnimatedDeleteOfTheLastTabHandsNoFreedTab)
{
    Strip->SetBounds(0, 0, 250, 30); // compressed: the last tab reaches the container's end
    Settle();
    ASSERT_EQ(Strip->GetTabDisplayState(), tdCompressed);
    std::vector<TDeckTab*> reported;
    Strip->OnChange = [&](TObject*, TDeckTab* t, TTabChangeType k) {
        if (k == tcDeleted)
            reported.push_back(t);
    };
    Strip->Tabs()->DeleteTab(2, false);
    EXPECT_EQ(Strip->Tabs()->Count(), 2) << "removed at once";
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], nullptr);
}

TEST_F(DeckTabsThreeTabs, AddButtonClickAddsAndActivatesATab)
{
    int handled = 0;
    Strip->OnButtonAddClick = [&](TObject*, bool& Handled) { Handled = ++handled == 2; };
    SyntheticInput::MouseMove(Strip, {245, 17});
    for (TMouseButton button : {mbLeft, mbRight}) {
        SyntheticInput::MouseDown(Strip, button, {245, 17});
        EXPECT_EQ(Strip->AddButtonControl()->DrawState(), dsDown);
        SyntheticInput::MouseUp(Strip, button, {245, 17});
    }
    EXPECT_EQ(Strip->Tabs()->Count(), 4) << "the second click was handled by the event";
    EXPECT_EQ(Strip->ActiveTabIndex(), 3);
    SyntheticInput::MouseDown(Strip, mbLeft, {245, 17});
    SyntheticInput::MouseUp(Strip, mbLeft, {40, 2});
    EXPECT_EQ(Strip->Tabs()->Count(), 4) << "released elsewhere";
}

TEST_F(DeckTabsThreeTabs, BackgroundDragMovesAndDoubleClickMaximisesTheForm)
{
    std::vector<WPARAM> commands;
    Form->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_SYSCOMMAND)
            commands.push_back(m.WParam);
        Form->WndProc(m);
    };
    SyntheticInput::MouseDown(Strip, mbLeft, {40, 2});
    EXPECT_EQ(commands, (std::vector<WPARAM>{61458}));
    EXPECT_FALSE(Strip->HasState(stsMouseDown));
    SyntheticInput::MouseUp(Strip, mbLeft, {40, 2});
    Form->WindowProc = nullptr;

    QStringList dbl;
    Strip->OnTabDblClick = [&](TObject*, TDeckTab* t) { dbl << t->Caption(); };
    Strip->Perform(WM_LBUTTONDBLCLK, 0, MakeLParam(TabPoint(1).X, TabPoint(1).Y));
    EXPECT_EQ(dbl, QStringList{"Two"});
    Strip->Perform(WM_LBUTTONDBLCLK, 0, MakeLParam(40, 2));
    EXPECT_EQ(Form->WindowState(), wsMaximized);
    Strip->Perform(WM_LBUTTONDBLCLK, 0, MakeLParam(40, 2));
    EXPECT_EQ(Form->WindowState(), wsNormal);
}

TEST_F(DeckTabsThreeTabs, HintShowsTheTabCaption)
{
    Strip->Tabs()->Items(1)->SetCaption(QString());
    struct Case {
        const char* Name;
        TPoint Pt;
        LRESULT Result;
        QString Text;
    } cases[] = {
        {"Tab", TabPoint(0), 0, "One"},
        {"EmptyCaption", TabPoint(1), 0, "<No Caption>"},
        {"Background", {40, 2}, 1, ""},
    };
    for (const Case& c : cases) {
        THintInfo info;
        info.HintControl = Strip;
        info.CursorPos = c.Pt;
        EXPECT_EQ(Strip->Perform(CM_HINTSHOW, 0, LPARAM(&info)), c.Result) << c.Name;
        EXPECT_EQ(info.HintStr, c.Text) << c.Name;
        if (c.Result == 0) {
            EXPECT_EQ(info.HideTimeout, 5000) << c.Name;
            EXPECT_EQ(info.CursorRect, Control(c.Name == QLatin1String("Tab") ? 0 : 1)->ControlRect()) << c.Name;
        }
    }
}

} // namespace
