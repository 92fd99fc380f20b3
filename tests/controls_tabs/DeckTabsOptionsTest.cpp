#include "controls/tabs/DeckTabsDefaults.h"
#include "controls/tabs/DeckTabsOptions.h"
#include "FakeDeckTabs.h"
#include "platform/rtl/Exceptions.h"
#include <functional>
#include <gtest/gtest.h>

namespace {

// One option: its value as a number, the class's own value and the value a
// new strip starts with.
struct DefaultCase {
    const char* Path;
    std::function<double(TOptions*)> Read;
    double Class, Strip;
};
void PrintTo(const DefaultCase& c, std::ostream* os) { *os << c.Path; }

const DefaultCase DefaultCases[] = {
    {"Tabs.MinWidth", [](TOptions* o) { return o->Display()->Tabs()->MinWidth(); }, 20, 25},
    {"Tabs.MaxWidth", [](TOptions* o) { return o->Display()->Tabs()->MaxWidth(); }, 200, 200},
    {"Tabs.TabOverlap", [](TOptions* o) { return o->Display()->Tabs()->TabOverlap(); }, 15, 15},
    {"Tabs.OffsetTop", [](TOptions* o) { return o->Display()->Tabs()->OffsetTop(); }, 0, 4},
    {"Tabs.PinnedWidth", [](TOptions* o) { return o->Display()->Tabs()->PinnedWidth(); }, 39, 39},
    {"Tabs.TextTrimType", [](TOptions* o) { return o->Display()->Tabs()->TextTrimType(); }, tttFade, tttFade},
    {"Tabs.TabWidthFromContent", [](TOptions* o) { return o->Display()->Tabs()->TabWidthFromContent(); }, 0, 0},
    {"Tabs.TextAlignmentVertical", [](TOptions* o) { return o->Display()->Tabs()->TextAlignmentVertical(); },
     taVerticalCenter, taVerticalCenter},
    {"CloseButton.Offsets.Vertical", [](TOptions* o) { return o->Display()->CloseButton()->Offsets()->Vertical(); }, 6, 6},
    {"CloseButton.Offsets.Horizontal", [](TOptions* o) { return o->Display()->CloseButton()->Offsets()->Horizontal(); }, 0, 2},
    {"CloseButton.Width", [](TOptions* o) { return o->Display()->CloseButton()->Width(); }, 13, 14},
    {"CloseButton.Visibility", [](TOptions* o) { return o->Display()->CloseButton()->Visibility(); }, bvAll, bvAll},
    {"AddButton.Offsets.Vertical", [](TOptions* o) { return o->Display()->AddButton()->Offsets()->Vertical(); }, 9, 10},
    {"AddButton.Width", [](TOptions* o) { return o->Display()->AddButton()->Width(); }, 25, 31},
    {"AddButton.Height", [](TOptions* o) { return o->Display()->AddButton()->Height(); }, 14, 14},
    {"AddButton.ShowPlusSign", [](TOptions* o) { return o->Display()->AddButton()->ShowPlusSign(); }, 1, 0},
    {"AddButton.HorizontalOffsetFloating", [](TOptions* o) { return o->Display()->AddButton()->HorizontalOffsetFloating(); }, 0, -3},
    {"ScrollButtonLeft.Offsets.Vertical", [](TOptions* o) { return o->Display()->ScrollButtonLeft()->Offsets()->Vertical(); }, 10, 10},
    {"ScrollButtonRight.Offsets.Horizontal", [](TOptions* o) { return o->Display()->ScrollButtonRight()->Offsets()->Horizontal(); }, 0, 1},
    {"ScrollButtonRight.Width", [](TOptions* o) { return o->Display()->ScrollButtonRight()->Width(); }, 15, 15},
    {"TabMouseGlow.Width", [](TOptions* o) { return o->Display()->TabMouseGlow()->Width(); }, 70, 200},
    {"TabMouseGlow.Visible", [](TOptions* o) { return o->Display()->TabMouseGlow()->Visible(); }, 1, 1},
    {"TabModifiedGlow.VerticalOffset", [](TOptions* o) { return o->Display()->TabModifiedGlow()->VerticalOffset(); }, -6, -6},
    {"TabModifiedGlow.EaseType", [](TOptions* o) { return o->Display()->TabModifiedGlow()->EaseType(); }, ttEaseInOutQuad, ttEaseInOutQuad},
    {"TabContainer.TransparentBackground", [](TOptions* o) { return o->Display()->TabContainer()->TransparentBackground(); }, 0, 1},
    {"TabContainer.OverlayButtons", [](TOptions* o) { return o->Display()->TabContainer()->OverlayButtons(); }, 0, 1},
    {"TabSpinners.Upload.ReverseDirection", [](TOptions* o) { return o->Display()->TabSpinners()->Upload()->ReverseDirection(); }, 1, 1},
    {"TabSpinners.Download.RenderedAnimationStep", [](TOptions* o) { return o->Display()->TabSpinners()->Download()->RenderedAnimationStep(); }, 5, 5},
    {"TabSpinners.Upload.Position.Width", [](TOptions* o) { return o->Display()->TabSpinners()->Upload()->Position()->Width(); }, 16, 16},
    {"TabSpinners.Download.SweepAngle", [](TOptions* o) { return o->Display()->TabSpinners()->Download()->SweepAngle(); }, 135, 135},
    {"DragDrop.DragOutsideImageAlpha", [](TOptions* o) { return o->DragDrop()->DragOutsideImageAlpha(); }, 120, 220},
    {"DragDrop.DragFormBorderColor", [](TOptions* o) { return o->DragDrop()->DragFormBorderColor(); }, 8421504, 8421504},
    {"DragDrop.ContrainDraggedTabWithinContainer", [](TOptions* o) { return o->DragDrop()->ContrainDraggedTabWithinContainer(); }, 1, 1},
    {"Animation.AnimationTimerInterval", [](TOptions* o) { return o->Animation()->AnimationTimerInterval(); }, 25, 15},
    {"Animation.DefaultStyleAnimationTimeMS", [](TOptions* o) { return o->Animation()->DefaultStyleAnimationTimeMS(); }, 300, 300},
    {"TabAdd.EaseType", [](TOptions* o) { return o->Animation()->MovementAnimations()->TabAdd()->EaseType(); }, ttLinearTween, ttEaseOutExpo},
    {"TabAdd.AnimationTimeMS", [](TOptions* o) { return o->Animation()->MovementAnimations()->TabAdd()->AnimationTimeMS(); }, 200, 500},
    {"TabDelete.UseDefaultEaseType", [](TOptions* o) { return o->Animation()->MovementAnimations()->TabDelete()->UseDefaultEaseType(); }, 1, 1},
    {"TabMove.UseDefaultAnimationTime", [](TOptions* o) { return o->Animation()->MovementAnimations()->TabMove()->UseDefaultAnimationTime(); }, 0, 0},
    {"TabMove.EaseType", [](TOptions* o) { return o->Animation()->MovementAnimations()->TabMove()->EaseType(); }, ttEaseOutExpo, ttEaseOutExpo},
    {"Behaviour.BackgroundDragMovesForm", [](TOptions* o) { return o->Behaviour()->BackgroundDragMovesForm(); }, 0, 1},
    {"Behaviour.TabSmartDeleteResizeCancelDelay", [](TOptions* o) { return o->Behaviour()->TabSmartDeleteResizeCancelDelay(); }, 700, 700},
    {"Scrolling.Enabled", [](TOptions* o) { return o->Scrolling()->Enabled(); }, 0, 1},
    {"Scrolling.AutoHideButtons", [](TOptions* o) { return o->Scrolling()->AutoHideButtons(); }, 1, 0},
    {"Scrolling.ScrollButtons", [](TOptions* o) { return o->Scrolling()->ScrollButtons(); }, csbRight, csbRight},
};

class DeckTabsOptionDefaults : public testing::TestWithParam<DefaultCase> {};

TEST_P(DeckTabsOptionDefaults, ClassValueThenStripValue)
{
    TOptions options(nullptr);
    EXPECT_EQ(GetParam().Read(&options), GetParam().Class);
    SetDefaultDeckTabsOptions(&options);
    EXPECT_EQ(GetParam().Read(&options), GetParam().Strip);
}

INSTANTIATE_TEST_SUITE_P(DeckTabsOptions, DeckTabsOptionDefaults, testing::ValuesIn(DefaultCases),
                         [](const testing::TestParamInfo<DefaultCase>& info) {
                             std::string name = info.param.Path;
                             std::erase(name, '.');
                             return name;
                         });

TEST(DeckTabsOptions, StripDefaultsLeaveTheUntouchedOptionsAlone)
{
    TOptions options(nullptr);
    options.Display()->Tabs()->SetTabWidthFromContent(true);
    options.Display()->Tabs()->SetShowPinnedTabText(true);
    options.Display()->TabSpinners()->SetAnimationUpdateMS(99);
    options.DragDrop()->SetContrainDraggedTabWithinContainer(false);
    options.Display()->Tabs()->SetMaxWidth(500);
    SetDefaultDeckTabsOptions(&options);
    EXPECT_TRUE(options.Display()->Tabs()->TabWidthFromContent());
    EXPECT_TRUE(options.Display()->Tabs()->ShowPinnedTabText());
    EXPECT_EQ(options.Display()->TabSpinners()->AnimationUpdateMS(), 99u);
    EXPECT_FALSE(options.DragDrop()->ContrainDraggedTabWithinContainer());
    EXPECT_EQ(options.Display()->Tabs()->MaxWidth(), 200);
}

TEST(DeckTabsOptions, MaxWidthNeverBelowMinWidth)
{
    struct Step {
        const char* Write;
        int Value;
        int MinAfter, MaxAfter;
    } steps[] = {
        {"MaxWidth", 10, 25, 25},   // raised to MinWidth
        {"MinWidth", 300, 300, 25}, // MinWidth does not move MaxWidth
        {"MaxWidth", 250, 300, 300},
        {"MinWidth", 100, 100, 300},
        {"MaxWidth", 160, 100, 160},
        {"MaxWidth", 100, 100, 100}, // equal is kept
    };
    TOptions options(nullptr);
    SetDefaultDeckTabsOptions(&options);
    TDeckTabsOptions* tabs = options.Display()->Tabs();
    for (const Step& s : steps) {
        if (QByteArray(s.Write) == "MaxWidth")
            tabs->SetMaxWidth(s.Value);
        else
            tabs->SetMinWidth(s.Value);
        EXPECT_EQ(tabs->MinWidth(), s.MinAfter) << s.Write << " " << s.Value;
        EXPECT_EQ(tabs->MaxWidth(), s.MaxAfter) << s.Write << " " << s.Value;
    }
}

// Writes to the strip's option tree and whether each reaches the strip.
struct ReportCase {
    const char* Name;
    std::function<void(TOptions*)> Write;
    bool Reports;
};
void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.Name; }

const ReportCase ReportCases[] = {
    {"TabsOffsetTop", [](TOptions* o) { o->Display()->Tabs()->SetOffsetTop(4); }, true},
    {"TabsMaxWidth", [](TOptions* o) { o->Display()->Tabs()->SetMaxWidth(1); }, true},
    {"CloseButtonOffsetsVertical", [](TOptions* o) { o->Display()->CloseButton()->Offsets()->SetVertical(6); }, true},
    {"AddButtonVisibility", [](TOptions* o) { o->Display()->AddButton()->SetVisibility(avNone); }, true},
    {"MouseGlowVisible", [](TOptions* o) { o->Display()->TabMouseGlow()->SetVisible(false); }, true},
    {"ModifiedGlowStyle", [](TOptions* o) { o->Display()->TabModifiedGlow()->SetStyle(msNone); }, true},
    {"ContainerPaddingLeft", [](TOptions* o) { o->Display()->TabContainer()->SetPaddingLeft(3); }, true},
    {"SpinnerUploadPositionWidth", [](TOptions* o) { o->Display()->TabSpinners()->Upload()->Position()->SetWidth(3); }, true},
    {"SpinnersHideImages", [](TOptions* o) { o->Display()->TabSpinners()->SetHideImagesWhenSpinnerVisible(false); }, true},
    {"ScrollingStep", [](TOptions* o) { o->Scrolling()->SetScrollStep(5); }, true},
    {"SpinnersAnimationUpdateMS", [](TOptions* o) { o->Display()->TabSpinners()->SetAnimationUpdateMS(5); }, false},
    {"BehaviourDebugMode", [](TOptions* o) { o->Behaviour()->SetDebugMode(true); }, false},
    {"DragType", [](TOptions* o) { o->DragDrop()->SetDragType(dtNone); }, false},
    {"AnimationTimerInterval", [](TOptions* o) { o->Animation()->SetAnimationTimerInterval(40); }, false},
    {"TabMoveEaseType", [](TOptions* o) { o->Animation()->MovementAnimations()->TabMove()->SetEaseType(ttNone); }, false},
};

class DeckTabsOptionReports : public testing::TestWithParam<ReportCase> {};

TEST_P(DeckTabsOptionReports, OneUpdateWithoutTabOrNone)
{
    TFakeDeckTabs strip;
    GetParam().Write(strip.Options);
    EXPECT_EQ(strip.Log, GetParam().Reports ? QStringList{"-:PropertyUpdated"} : QStringList());
}

INSTANTIATE_TEST_SUITE_P(DeckTabsOptions, DeckTabsOptionReports, testing::ValuesIn(ReportCases),
                         [](const testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.Name); });

TEST(DeckTabsOptions, ReportsClimbThroughComponentOwnersAndStopWithoutStrip)
{
    TFakeDeckTabs strip;
    TComponent* holder = new TComponent(&strip);
    TOptions viaComponent(holder);
    viaComponent.Display()->Tabs()->SetTabOverlap(3);
    EXPECT_EQ(strip.Log, QStringList{"-:PropertyUpdated"});

    TComponent lonely;
    TOptions orphan(&lonely);
    orphan.Display()->Tabs()->SetTabOverlap(3); // nobody to tell, no failure
    TOptions ownerless(nullptr);
    ownerless.Scrolling()->SetEnabled(false);
    EXPECT_EQ(strip.Log.size(), 1);
}

TEST(DeckTabsOptions, MovementTimingHonoursTheUseDefaultFlags)
{
    TOptions options(nullptr);
    TDeckTabsAnimationOptions* animation = options.Animation();
    animation->SetDefaultMovementEaseType(ttEaseInQuad);
    animation->SetDefaultMovementAnimationTimeMS(100);
    TDeckTabsMovementAnimationTypes* move = animation->MovementAnimations()->TabMove();
    move->SetEaseType(ttEaseOutExpo);
    move->SetAnimationTimeMS(500);
    struct Case {
        bool DefaultEase, DefaultTime;
        TDeckTabsEaseType Ease;
        uint32_t Time;
    } cases[] = {
        {false, true, ttEaseOutExpo, 100},
        {true, false, ttEaseInQuad, 500},
        {true, true, ttEaseInQuad, 100},
        {false, false, ttEaseOutExpo, 500},
    };
    for (const Case& c : cases) {
        move->SetUseDefaultEaseType(c.DefaultEase);
        move->SetUseDefaultAnimationTime(c.DefaultTime);
        EXPECT_EQ(animation->GetMovementAnimationEaseType(move), c.Ease) << c.DefaultEase << c.DefaultTime;
        EXPECT_EQ(animation->GetMovementAnimationTime(move), c.Time) << c.DefaultEase << c.DefaultTime;
    }
}

TEST(DeckTabsOptions, WholeObjectAssignmentFailsAndKeepsTheObject)
{
    TOptions a(nullptr), b(nullptr);
    b.Display()->Tabs()->SetTabOverlap(3);
    EXPECT_THROW(a.Display()->Tabs()->Assign(b.Display()->Tabs()), EConvertError);
    EXPECT_THROW(a.Assign(&b), EConvertError);
    EXPECT_EQ(a.Display()->Tabs()->TabOverlap(), 15);
}

TEST(DeckTabsOptions, OwnersAreTheParentObjects)
{
    TFakeDeckTabs strip;
    EXPECT_EQ(strip.Options->Owner(), &strip);
    EXPECT_EQ(strip.Options->Display()->Owner(), strip.Options);
    EXPECT_EQ(strip.Options->Display()->CloseButton()->Offsets()->GetOwner(), strip.Options->Display()->CloseButton());
}

} // namespace
