// The scrolling control: ranges from the children, bars shown only while
// the children do not fit, positions that move the children and come back
// when the room grows, and the bars' scroll codes.
#include "platform/controls/Form.h"
#include "platform/controls/Panel.h"
#include "platform/controls/ScrollingWinControl.h"
#include "platform/controls/SystemMetrics.h"
#include "platform/controls/WinApi.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class ScrollingWinControlTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(50, 50, 400, 300);
        Box = new TScrollingWinControl(Form.get());
        Box->SetParent(Form.get());
        Box->SetBounds(0, 0, 200, 100);
        Child = new TPanel(Form.get());
        Child->SetParent(Box);
        Child->SetBounds(0, 0, 150, 80);
        Form->Show();
    }
    void TearDown() override { Form.reset(); }

    std::unique_ptr<TForm> Form;
    TScrollingWinControl* Box = nullptr;
    TPanel* Child = nullptr;
};

TEST_F(ScrollingWinControlTest, BarsShowOnlyWhileTheChildrenDoNotFit)
{
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    struct Case {
        const char* Name;
        int W, H;
        bool Vert, Horz;
    };
    const Case cases[] = {
        {"fits", 150, 80, false, false},
        {"too high", 150, 300, true, false},
        {"the vertical bar pushes the width out", 190, 300, true, true},
        {"too wide", 500, 50, false, true},
        {"exactly the client", 200, 100, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Child->SetBounds(0, 0, c.W, c.H);
        Box->Realign();
        EXPECT_EQ(Box->VertScrollBar()->IsScrollBarVisible(), c.Vert);
        EXPECT_EQ(Box->HorzScrollBar()->IsScrollBarVisible(), c.Horz);
        EXPECT_EQ(Box->VertScrollBar()->Range(), c.H);
        EXPECT_EQ(Box->ClientRect(), TRect(0, 0, 200 - (c.Vert ? bar : 0), 100 - (c.Horz ? bar : 0)));
    }
}

TEST_F(ScrollingWinControlTest, PositionMovesTheChildrenAndComesBackWhenTheRoomGrows)
{
    Child->SetBounds(0, 0, 150, 300);
    Box->Realign();
    TControlScrollBar* v = Box->VertScrollBar();
    v->SetPosition(120);
    EXPECT_EQ(v->Position(), 120);
    EXPECT_EQ(Child->Top(), -120);
    EXPECT_EQ(Box->VertBarControl()->Position(), 120);
    // At most the range less the client height.
    v->SetPosition(1000);
    EXPECT_EQ(v->Position(), 200);
    EXPECT_EQ(Child->Top(), -200);
    // The range counts the child where it stands unscrolled.
    Box->Realign();
    EXPECT_EQ(v->Range(), 300);
    // A taller box needs less scrolling: the child comes down.
    Box->SetBounds(0, 0, 200, 250);
    EXPECT_EQ(v->Position(), 50);
    EXPECT_EQ(Child->Top(), -50);
    // No bar, no scrolling.
    Box->SetBounds(0, 0, 200, 400);
    EXPECT_FALSE(v->IsScrollBarVisible());
    EXPECT_EQ(v->Position(), 0);
    EXPECT_EQ(Child->Top(), 0);
}

TEST_F(ScrollingWinControlTest, MarginAndHiddenBars)
{
    Child->SetBounds(0, 0, 150, 95);
    Box->Realign();
    EXPECT_FALSE(Box->VertScrollBar()->IsScrollBarVisible());
    Box->VertScrollBar()->SetMargin(10);
    EXPECT_EQ(Box->VertScrollBar()->Range(), 105);
    EXPECT_TRUE(Box->VertScrollBar()->IsScrollBarVisible());
    Box->VertScrollBar()->SetVisible(false);
    EXPECT_FALSE(Box->VertScrollBar()->IsScrollBarVisible());
    EXPECT_EQ(Box->ClientRect(), TRect(0, 0, 200, 100));
}

TEST_F(ScrollingWinControlTest, ScrollCodesStepByIncrementAndPage)
{
    Child->SetBounds(0, 0, 150, 400);
    Box->Realign();
    TControlScrollBar* v = Box->VertScrollBar();
    v->SetIncrement(10);
    struct Step {
        int Code, Pos, Expected;
    };
    const Step steps[] = {
        {scLineDown, 0, 10}, {scPageDown, 0, 110}, {scLineUp, 0, 100}, {scPosition, 250, 250},
        {scTrack, 40, 250}, {scBottom, 0, 300},   {scPageUp, 0, 200},  {scTop, 0, 0},
    };
    for (const Step& s : steps) {
        Box->Perform(WM_VSCROLL, MakeWParam(s.Code, s.Pos), 0);
        EXPECT_EQ(v->Position(), s.Expected) << "code " << s.Code;
    }
    v->SetTracking(true);
    Box->Perform(WM_VSCROLL, MakeWParam(scTrack, 40), 0);
    EXPECT_EQ(v->Position(), 40);
    EXPECT_EQ(Child->Top(), -40);
}

TEST_F(ScrollingWinControlTest, AlignedChildrenFillTheClientInsideTheBars)
{
    auto* filler = new TPanel(Form.get());
    filler->SetParent(Box);
    filler->SetAlign(alClient);
    Child->SetBounds(0, 0, 150, 300);
    Box->Realign();
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    EXPECT_EQ(filler->Width(), 200 - bar);
    EXPECT_EQ(filler->Height(), 100);
    // The aligned child counts for no range and does not scroll.
    EXPECT_EQ(Box->VertScrollBar()->Range(), 300);
    Box->VertScrollBar()->SetPosition(30);
    EXPECT_EQ(filler->Top(), 0);
}

} // namespace
