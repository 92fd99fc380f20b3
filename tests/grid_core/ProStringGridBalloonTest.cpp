#include "../support/QStringPrinter.h"
#include "PaintGridFixture.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/LookSettings.h"
#include "grid/foundation/StringUtils.h"
#include "platform/controls/Screen.h"
#include <gtest/gtest.h>

namespace {

class BalloonTest : public PaintGridTest {
protected:
    void SetUp() override
    {
        PaintGridTest::SetUp();
        Grid->Balloon()->SetEnable(true);
    }
    // Shows the balloon of a cell as the mouse resting on it would.
    void Rest(int ACol, int ARow)
    {
        const TRect r = Cell(ACol, ARow);
        Grid->ShowBalloon(TPoint{r.Left + 5, r.Top + 5});
    }
};

TEST_F(BalloonTest, EnablingSetsUpOneWindowAndDisablingRemovesIt)
{
    THintWindow* first = Grid->BalloonWindow();
    ASSERT_NE(first, nullptr);
    Grid->Balloon()->SetEnable(true);
    EXPECT_EQ(Grid->BalloonWindow(), first);
    Grid->Balloon()->SetEnable(false);
    EXPECT_EQ(Grid->BalloonWindow(), nullptr);
    Grid->Balloon()->SetEnable(true);
    EXPECT_NE(Grid->BalloonWindow(), nullptr);
}

TEST_F(BalloonTest, ShowsThePlainTextOfTheCellUnderTheMouse)
{
    Grid->SetCells(2, 3, QStringLiteral("<b>Bold</b>\tand\r\nmore"));
    Rest(2, 3);
    EXPECT_EQ(Grid->BalloonText(), QStringLiteral("Bold andmore"));
    EXPECT_EQ(Grid->BalloonTitle(), QStringLiteral(" "));
    EXPECT_EQ(Grid->BalloonIcon(), 1);
    EXPECT_EQ(Grid->LastBalloonPos(), (TPoint{2, 3}));
    EXPECT_TRUE(Grid->BalloonWindow()->IsHintShowing());
    EXPECT_LE(Grid->BalloonWindow()->Width(), 300);
    Grid->SetCells(1, 1, PackWideText(QStringLiteral("wide")));
    Rest(1, 1);
    EXPECT_EQ(Grid->BalloonText(), QStringLiteral("wide"));
}

TEST_F(BalloonTest, LongTextsAndTitlesAreCut)
{
    Grid->SetCells(1, 1, QString(3000, QLatin1Char('x')));
    Grid->OnCellBalloon = [](TObject*, int, int, QString& Title, QString&, int& Icon) {
        Title = QString(120, QLatin1Char('t'));
        Icon = 3;
    };
    Rest(1, 1);
    EXPECT_EQ(Grid->BalloonText(), QString(2045, QLatin1Char('x')) + QStringLiteral("..."));
    EXPECT_EQ(Grid->BalloonTitle(), QString(97, QLatin1Char('t')) + QStringLiteral("..."));
    EXPECT_EQ(Grid->BalloonIcon(), 3);
    EXPECT_LE(Grid->BalloonWindow()->Width(), 300);
}

TEST_F(BalloonTest, AnEmptyCellShowsNoBalloon)
{
    Rest(3, 3);
    EXPECT_FALSE(Grid->BalloonWindow()->IsHintShowing());
}

TEST(HTMLHintWindow, WideHintsAreCutAt1008AndKeptOnTheMonitor)
{
    Screen->SetTestMonitors({TRect{0, 0, 800, 600}});
    THTMLHintWindow w;
    QString longHint;
    for (int i = 0; i < 100; ++i)
        longHint += QStringLiteral("word ");
    w.ActivateHint(TRect{10, 10, 20, 20}, longHint);
    EXPECT_LE(w.TextWidth(), 1008);
    EXPECT_GT(w.TextHeight(), w.Canvas()->TextHeight(QStringLiteral("gh")));
    // Past the right and bottom edges: moved to end 2 pixels inside.
    w.ActivateHint(TRect{780, 590, 790, 600}, QStringLiteral("<b>hint</b> text"));
    EXPECT_EQ(w.Left() + w.Width(), 798);
    EXPECT_EQ(w.Top() + w.Height(), 598);
    w.ReleaseHandle();
    Screen->SetTestMonitors({});
}

} // namespace
