// Scroll bars, track bars and progress bars: positions kept in range,
// user moves through OnScroll and OnChange.
#include "StdControlsFixture.h"
#include "platform/controls/ProgressBar.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

using RangeControls = StdControlsTest;

struct ScrollCase {
    const char* Name;
    int Key;
    int Start;
    int Want;
    TScrollCode Code;
};

TEST_F(RangeControls, ScrollBarKeysScrollThroughOnScroll)
{
    auto* bar = new TScrollBar(Form);
    bar->SetParent(Form);
    bar->SetParams(0, 0, 100);
    bar->SetPageSize(11);
    bar->SetSmallChange(2);
    bar->SetLargeChange(10);
    const ScrollCase cases[] = {
        {"line down", VK_RIGHT, 0, 2, scLineDown},
        {"line up stops at Min", VK_LEFT, 1, 0, scLineUp},
        {"page down", VK_NEXT, 20, 30, scPageDown},
        {"end stops where the page fits", VK_END, 5, 90, scBottom},
    };
    QStringList log;
    TScrollCode code = scEndScroll;
    for (const ScrollCase& c : cases) {
        SCOPED_TRACE(c.Name);
        bar->SetPosition(c.Start);
        log.clear();
        code = scEndScroll;
        bar->OnScroll = [&](TObject*, TScrollCode sc, int& pos) {
            code = sc;
            log << QStringLiteral("scroll %1").arg(pos);
        };
        bar->OnChange = [&](TObject*) { log << QStringLiteral("change %1").arg(bar->Position()); };
        bar->SetFocus();
        Key(bar, c.Key);
        EXPECT_EQ(bar->Position(), c.Want);
        EXPECT_EQ(code, c.Code);
        EXPECT_EQ(log, QStringList({QStringLiteral("scroll %1").arg(c.Want), QStringLiteral("change %1").arg(c.Want)}));
    }
    // OnScroll may move the position elsewhere.
    bar->SetPosition(0);
    bar->OnScroll = [](TObject*, TScrollCode, int& pos) { pos = 50; };
    Key(bar, VK_RIGHT);
    EXPECT_EQ(bar->Position(), 50);
}

TEST_F(RangeControls, ProgramPositionsStayInRange)
{
    auto* bar = new TScrollBar(Form);
    bar->SetParent(Form);
    int changes = 0;
    bar->OnChange = [&](TObject*) { ++changes; };
    bar->SetParams(500, 0, 100);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetMax(50);
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(changes, 2);

    auto* track = new TTrackBar(Form);
    track->SetParent(Form);
    track->SetMax(20);
    track->SetPosition(25);
    EXPECT_EQ(track->Position(), 20);
    int moved = 0;
    track->OnChange = [&](TObject*) { ++moved; };
    track->SetFocus();
    Key(track, VK_LEFT);
    EXPECT_EQ(track->Position(), 19);
    EXPECT_EQ(moved, 1);

    auto* progress = new TProgressBar(Form);
    progress->SetParent(Form);
    progress->SetMax(25);
    progress->SetStep(10);
    progress->StepIt();
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 20);
    progress->StepIt();
    EXPECT_EQ(progress->Position(), 4);
    progress->SetPosition(-5);
    EXPECT_EQ(progress->Position(), 0);
}

} // namespace
