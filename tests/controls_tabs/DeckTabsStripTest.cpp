#include "DeckTabsFixture.h"
#include "controls/tabs/ThreadTimer.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/graphics/ImageList.h"

namespace {

QString StatesText(TDeckTabStates States)
{
    QStringList parts;
    for (int s = 0; s <= stsAnimatingCloseTab; ++s)
        if (States.Contains(TDeckTabState(s)))
            parts << QString::number(s);
    return parts.join(',');
}

TEST_F(DeckTabsStrip, StateChangesReportOnlyRealChanges)
{
    QStringList log;
    Strip->OnStateChange = [&](TObject*, TDeckTabStates Previous, TDeckTabStates Current) {
        log << StatesText(Previous) + ">" + StatesText(Current);
    };
    Settle();
    log.clear();
    SyntheticInput::MouseDown(Strip, mbLeft, {40, 2 + 4});
    Strip->Options()->Behaviour()->SetBackgroundDragMovesForm(false);
    SyntheticInput::MouseDown(Strip, mbLeft, {40, 20});
    SyntheticInput::MouseDown(Strip, mbLeft, {40, 20});
    EXPECT_EQ(log.filter(QString::number(stsMouseDown)).size(), 1) << log.join(" ").toStdString();
    EXPECT_EQ(log.value(0), ">" + QString::number(stsMouseDown)) << "from the empty set";
    EXPECT_TRUE(Strip->HasState(stsMouseDown));
}

TEST_F(DeckTabsStrip, UpdatesInABatchRepaintOnce)
{
    AddTabs({"A", "B"});
    Settle();
    int paints = 0;
    Strip->OnAfterDrawItem = [&](TObject*, TGPGraphics*, const TRect&, TDeckTabItemType ItemType, int) {
        if (ItemType == itTabContainer)
            ++paints;
    };
    Strip->BeginUpdate();
    Strip->BeginUpdate();
    for (int i = 0; i < 10; ++i)
        Strip->Redraw();
    EXPECT_EQ(Strip->PausedUpdateCount(), 10);
    EXPECT_TRUE(Strip->HasState(stsPendingUpdates));
    Strip->EndUpdate();
    EXPECT_EQ(paints, 0) << "inner EndUpdate";
    Strip->EndUpdate();
    EXPECT_EQ(paints, 1);
    EXPECT_FALSE(Strip->HasState(stsPendingUpdates));
    Strip->EndUpdate();
    EXPECT_EQ(paints, 1) << "EndUpdate without BeginUpdate does nothing";
    Strip->Redraw();
    EXPECT_EQ(paints, 2);
}

TEST_F(DeckTabsStrip, ActiveTabIndexIgnoresOutOfRange)
{
    AddTabs({"A", "B", "C"});
    struct Case {
        int Write, Read;
    } cases[] = {{1, 1}, {3, 1}, {-2, 1}, {-1, -1}, {0, 0}};
    for (const Case& c : cases) {
        Strip->SetActiveTabIndex(c.Write);
        EXPECT_EQ(Strip->ActiveTabIndex(), c.Read) << c.Write;
    }
}

TEST_F(DeckTabsStrip, FirstTabIsActivatedAndReportedTwice)
{
    QStringList log;
    Strip->OnChange = [&](TObject*, TDeckTab* t, TTabChangeType k) {
        if (k == tcAdded)
            log << "added " + QString::number(t->Index());
    };
    int changed = 0;
    Strip->OnActiveTabChanged = [&](TObject*, TDeckTab*) { ++changed; };
    Strip->Tabs()->Add();
    EXPECT_EQ(log, (QStringList{"added 0", "added 0"}));
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(Strip->ActiveTabIndex(), 0);
}

TEST_F(DeckTabsStrip, DeactivatingMovesToTheRightThenLeft)
{
    AddTabs({"A", "B", "C"});
    struct Case {
        int Active, Next;
    } cases[] = {{1, 2}, {2, 1}, {0, 1}};
    for (const Case& c : cases) {
        Strip->SetActiveTabIndex(c.Active);
        Strip->Tabs()->Items(c.Active)->SetActive(false);
        EXPECT_EQ(Strip->ActiveTabIndex(), c.Next) << c.Active;
    }
    Strip->SetActiveTabIndex(1);
    Strip->Tabs()->Items(1)->SetVisible(false);
    EXPECT_EQ(Strip->ActiveTabIndex(), 2) << "hiding the active tab moves on";
}

TEST_F(DeckTabsStrip, WheelScrollsWithinTheTabs)
{
    for (int i = 0; i < 25; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    Strip->SetScrollOffset(0);
    const int max = Strip->MaxScrollOffset();
    ASSERT_GT(max, 240);
    int scrolls = 0;
    Strip->OnScroll = [&](TObject*) { ++scrolls; };
    struct Case {
        const char* Name;
        int Delta, Offset, Scrolls;
    } cases[] = {
        {"NotchUp", 120, 120, 1}, {"Again", 120, 240, 2}, {"PastTheEnd", 1200, max, 3},
        {"AtTheEndStill", 120, max, 4}, {"Back", -120, max - 120, 5}, {"PastTheStart", -1200, 0, 6},
    };
    for (const Case& c : cases) {
        SyntheticInput::Wheel(Strip, c.Delta, {100, 15});
        EXPECT_EQ(Strip->ScrollOffset(), c.Offset) << c.Name;
        EXPECT_EQ(scrolls, c.Scrolls) << c.Name;
    }
    Strip->Options()->Scrolling()->SetEnabled(false);
    SyntheticInput::Wheel(Strip, 120, {100, 15});
    EXPECT_EQ(Strip->ScrollOffset(), 0) << "scrolling disabled";
    EXPECT_EQ(scrolls, 6);
}

// Widened in one step (a maximised window), a strip scrolled to its end
// shows its first tab again: the offset follows the new layout.
TEST_F(DeckTabsStrip, WideningClampsTheOffsetToTheNewLayout)
{
    for (int i = 0; i < 15; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    Strip->SetScrollOffset(Strip->MaxScrollOffset());
    Settle();
    ASSERT_GT(Strip->ScrollOffset(), 100);
    int scrolls = 0;
    Strip->OnScroll = [&](TObject*) { ++scrolls; };
    Strip->SetBounds(0, 0, 3000, Strip->Height());
    Settle();
    EXPECT_EQ(Strip->MaxScrollOffset(), 0);
    EXPECT_EQ(Strip->ScrollOffset(), 0);
    EXPECT_GE(scrolls, 1);
}

// Compressed (wider than the tab container, not than the control) and
// scrolled: the scroll buttons do nothing when pressed, and look so.
TEST_F(DeckTabsStrip, CompressedScrollButtonsLookDisabled)
{
    Strip->SetBounds(0, 0, 300, 30);
    for (int i = 0; i < 12; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    Strip->SetScrollOffset(Strip->MaxScrollOffset());
    Settle();
    ASSERT_EQ(Strip->GetTabDisplayState(), tdCompressed);
    const int offset = Strip->ScrollOffset();
    ASSERT_GT(offset, 0);
    for (TBaseDeckTabsControl* button : std::initializer_list<TBaseDeckTabsControl*>{
             Strip->ScrollButtonLeftControl(), Strip->ScrollButtonRightControl()}) {
        const TRect r = button->ControlRect();
        const TPoint p{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
        SyntheticInput::MouseMove(Strip, p);
        EXPECT_EQ(button->DrawState(), dsDisabled);
        SyntheticInput::MouseDown(Strip, mbLeft, p);
        EXPECT_EQ(button->DrawState(), dsDisabled);
        EXPECT_EQ(Strip->ScrollOffset(), offset);
        SyntheticInput::MouseUp(Strip, mbLeft, p);
    }
}

TEST_F(DeckTabsStrip, ScrollButtonsStepAndRepeat)
{
    for (int i = 0; i < 15; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    Strip->SetScrollOffset(0);
    Settle();
    SyntheticInput::MouseDown(Strip, mbLeft, {290, 17});
    EXPECT_EQ(Strip->ScrollOffset(), 20);
    EXPECT_TRUE(Strip->ScrollTimer()->Enabled());
    Clock.Advance(20);
    Strip->ScrollTimer()->CheckDue();
    EXPECT_EQ(Strip->ScrollOffset(), 40);
    SyntheticInput::MouseUp(Strip, mbLeft, {290, 17});
    EXPECT_FALSE(Strip->ScrollTimer()->Enabled());
    EXPECT_EQ(Strip->ScrollButtonLeftControl()->DrawState(), dsActive);

    Strip->SetBiDiModeAndRedraw(bdRightToLeft);
    Strip->ScrollTabs(mdsLeft, false);
    EXPECT_EQ(Strip->ScrollOffset(), 60) << "the step is negated right to left";
}

TEST_F(DeckTabsStrip, TimersFollowTheOptionsFromTheFirstReport)
{
    EXPECT_EQ(Strip->AnimateTimer()->Interval(), 25) << "the option class's value until a report";
    Strip->Options()->Animation()->SetAnimationTimerInterval(40);
    Strip->Options()->Scrolling()->SetScrollStep(30);
    EXPECT_EQ(Strip->AnimateTimer()->Interval(), 40);
    EXPECT_TRUE(Strip->AnimateTimer()->Enabled());
}

TEST_F(DeckTabsStrip, SpinnerKeepsSteppingWhenThe32BitTickCountWraps)
{
    AddTabs({"A", "B"});
    Settle();
    Strip->Tabs()->Items(0)->SetSpinnerState(tssRenderedDownload);
    Clock.SetTicks((uint64_t(1) << 32) - 60);
    std::vector<int> angles;
    for (int i = 0; i < 4; ++i) {
        Strip->DoAnimateTimer(nullptr);
        angles.push_back(Strip->GetTabControl(0)->SpinnerRenderedDegrees());
        Clock.Advance(60);
    }
    EXPECT_EQ(angles, (std::vector<int>{5, 10, 15, 20})) << "one step per update interval";
}

TEST_F(DeckTabsStrip, FreedImageListIsForgotten)
{
    auto* images = new TImageList(16, 16);
    Strip->SetImages(images);
    Strip->SetImagesOverlay(images);
    delete images;
    EXPECT_EQ(Strip->Images(), nullptr);
    EXPECT_EQ(Strip->ImagesOverlay(), nullptr);
}

TEST_F(DeckTabsStrip, DebugLogOnlyInDebugMode)
{
    QStringList log;
    Strip->OnDebugLog = [&](TObject*, const QString& Text) { log << Text; };
    Strip->Redraw();
    EXPECT_TRUE(log.isEmpty());
    Strip->Options()->Behaviour()->SetDebugMode(true);
    Strip->Redraw();
    ASSERT_FALSE(log.isEmpty());
    EXPECT_TRUE(log.last().startsWith("Canvas Draw: ")) << log.last().toStdString();
}

TEST_F(DeckTabsStrip, HandledContainerSkipsOnlyTheBackground)
{
    AddTabs({"A"});
    Settle();
    QStringList items;
    Strip->OnBeforeDrawItem = [&](TObject*, TGPGraphics*, const TRect&, TDeckTabItemType t, int, bool& Handled) {
        Handled = t == itTabContainer;
    };
    Strip->OnAfterDrawItem = [&](TObject*, TGPGraphics*, const TRect&, TDeckTabItemType t, int) {
        items << QString::number(t);
    };
    Strip->Redraw();
    EXPECT_TRUE(items.contains(QString::number(itTab)));
    EXPECT_TRUE(items.contains(QString::number(itAddButton)));
    EXPECT_EQ(items.last(), QString::number(itTabContainer));
}

} // namespace

namespace {

TEST_F(DeckTabsStrip, ActivationScrollsTheTabIntoView)
{
    for (int i = 0; i < 15; ++i)
        AddTabs({QStringLiteral("Tab %1").arg(i)});
    Settle();
    Strip->SetActiveTabIndex(0);
    Settle();
    EXPECT_EQ(Strip->ScrollOffset(), 0);
    Strip->SetActiveTabIndex(14);
    const TRect end = Strip->GetTabControl(14)->EndRect();
    EXPECT_EQ(Strip->ScrollOffset(), Strip->MaxScrollOffset()) << "clamped: the last tab ends the strip";
    EXPECT_EQ(end.Right - Strip->ScrollOffset(), Strip->TabContainerRect().Right);
    Strip->SetActiveTabIndex(3);
    EXPECT_EQ(Strip->ScrollOffset(), Strip->GetTabControl(3)->EndRect().Left);
}

TEST_F(DeckTabsStrip, AnimateStyleHandlerDecidesTimeAndEase)
{
    AddTabs({"A", "B"});
    Settle();
    std::vector<TDrawState> asked;
    Strip->OnAnimateStyle = [&](TObject*, TBaseDeckTabsControl*, TDrawState State, uint32_t& Time,
                                TDeckTabsEaseType& Ease) {
        asked.push_back(State);
        Time = 0;
        Ease = ttNone;
    };
    SyntheticInput::MouseMove(Strip, TabPoint(0));
    EXPECT_EQ(asked, std::vector<TDrawState>{dsHot});
    const TDeckTabControlProperties& p = Strip->GetTabControl(0)->PropertyItems()->CurrentTabProperties();
    EXPECT_EQ(p.StartAlpha, Strip->LookAndFeel()->Tabs()->Hot()->Style()->StartAlpha()) << "at once";
}

TEST_F(DeckTabsStrip, ContentWidthIsMeasuredOncePerCaption)
{
    AddTabs({"Caption"});
    Settle();
    TDeckTabControl* c = Strip->GetTabControl(0);
    const int width = c->GetTabWidthByContent();
    EXPECT_GT(width, 0);
    Strip->LookAndFeel()->Tabs()->DefaultFont()->SetSize(20);
    Settle();
    EXPECT_EQ(c->GetTabWidthByContent(), width) << "fonts changed, caption did not";
    Strip->Tabs()->Items(0)->SetCaption("A much longer caption");
    EXPECT_GT(c->GetTabWidthByContent(), width);
}

} // namespace
