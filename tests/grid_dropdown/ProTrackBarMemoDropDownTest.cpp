// The track bar and memo drop-downs: the value passed between the edit and
// the hosted control, the keys and the mouse drag of the track bar edit,
// and the memo's first-line text, commits and cancelled closes.
#include "grid/dropdown/ProMemoDropDown.h"
#include "grid/dropdown/ProTrackBarDropDown.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/TrackBar.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class DropDownHostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Other = std::make_unique<TForm>(nullptr);
        Other->SetBounds(600, 100, 200, 200);
    }
    void TearDown() override
    {
        Form.reset();
        Other.reset();
        SetClock(nullptr);
    }
    template <typename T>
    T* Make()
    {
        auto* edit = new T(Form.get());
        edit->SetParent(Form.get());
        edit->SetBounds(10, 20, 200, 21);
        Form->Show();
        edit->SetFocus();
        return edit;
    }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    std::unique_ptr<TForm> Other;
};

using TrackBarDropDownTest = DropDownHostTest;

TEST_F(TrackBarDropDownTest, TheTextFollowsTheTrackBarAndThePositionTheText)
{
    auto* edit = Make<TProTrackBarDropDown>();
    int moves = 0;
    edit->OnTrackChange = [&](TObject*) { ++moves; };
    edit->SetPosition(4);
    EXPECT_EQ(edit->GetText(), QStringLiteral("4"));
    EXPECT_EQ(moves, 1);
    // The track bar keeps the range.
    edit->SetPosition(25);
    EXPECT_EQ(edit->Position(), 10);
    EXPECT_EQ(edit->GetText(), QStringLiteral("10"));
    edit->SetText(QStringLiteral("7"));
    EXPECT_EQ(edit->Position(), 7);
    EXPECT_EQ(edit->TrackBar()->Position(), 7);
    // A text that is no integer leaves the position.
    edit->SetTextDirect(QStringLiteral("seven"));
    EXPECT_EQ(edit->Position(), 7);
    edit->SetTextDirect(QString());
    EXPECT_EQ(edit->Position(), 7);
}

TEST_F(TrackBarDropDownTest, ThePopupTakesTheSettingsAndMovesTheValue)
{
    auto* edit = Make<TProTrackBarDropDown>();
    edit->SetMax(20);
    edit->SetPageSize(5);
    edit->SetFrequency(4);
    edit->SetPosition(8);
    Key(edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(edit->DroppedDown());
    TTrackBar* bar = edit->TrackBar();
    EXPECT_EQ(bar->Max(), 20);
    EXPECT_EQ(bar->PageSize(), 5);
    EXPECT_EQ(bar->Frequency(), 4);
    EXPECT_EQ(bar->Position(), 8);
    EXPECT_EQ(bar->Width(), edit->Width() - 2);
    EXPECT_EQ(edit->DropDownForm()->Height(), 40 + 2);
    bar->SetPosition(12);
    EXPECT_EQ(edit->GetText(), QStringLiteral("12"));
    // A click elsewhere keeps the moved value.
    Other->Show();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Position(), 12);
    EXPECT_EQ(edit->GetText(), QStringLiteral("12"));
    // Escape goes back to the position of the opening.
    Clock.Advance(1000);
    edit->SetFocus();
    Key(edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(edit->DroppedDown());
    bar->SetPosition(3);
    EXPECT_EQ(edit->GetText(), QStringLiteral("3"));
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->Position(), 12);
    EXPECT_EQ(edit->GetText(), QStringLiteral("12"));
}

TEST_F(TrackBarDropDownTest, UpLowersDownRaisesWithinTheRange)
{
    auto* edit = Make<TProTrackBarDropDown>();
    Key(edit, VK_UP);
    EXPECT_EQ(edit->Position(), 0) << "not below Min";
    edit->SetFrequency(2);
    edit->SetPosition(9);
    Key(edit, VK_DOWN);
    EXPECT_EQ(edit->Position(), 9) << "11 is above Max";
    Key(edit, VK_UP);
    EXPECT_EQ(edit->Position(), 7);
    EXPECT_EQ(edit->GetText(), QStringLiteral("7"));
    Key(edit, VK_DOWN);
    EXPECT_EQ(edit->Position(), 9);
}

TEST_F(TrackBarDropDownTest, DraggingOverTheEditStepsByPageSize)
{
    auto* edit = Make<TProTrackBarDropDown>();
    edit->SetPosition(3);
    MouseDown(edit, mbLeft, {20, 5});
    edit->HideDropDown(false);
    MouseMove(edit, {25, 5}, {ssLeft});
    EXPECT_EQ(edit->Position(), 5) << "5 pixels, 2 per step";
    MouseMove(edit, {26, 5}, {ssLeft});
    EXPECT_EQ(edit->Position(), 5) << "1 pixel";
    MouseMove(edit, {20, 5}, {ssLeft});
    EXPECT_EQ(edit->Position(), 2);
    // No page size: no step, no failure.
    edit->SetPageSize(0);
    MouseMove(edit, {40, 5}, {ssLeft});
    EXPECT_EQ(edit->Position(), 2);
    MouseUp(edit, mbLeft, {40, 5});
    edit->SetPageSize(2);
    MouseMove(edit, {60, 5});
    EXPECT_EQ(edit->Position(), 2) << "the drag ended";
}

using MemoDropDownTest = DropDownHostTest;

TEST_F(MemoDropDownTest, TheEditShowsTheFirstLineOrEverything)
{
    auto* edit = Make<TProMemoDropDown>();
    edit->SetEditorEnabled(false);
    edit->MemoText()->SetText(QStringLiteral("Alpha\r\nBeta"));
    EXPECT_EQ(edit->GetText(), QStringLiteral("Alpha..."));
    edit->MemoText()->SetText(QStringLiteral("Alpha"));
    EXPECT_EQ(edit->GetText(), QStringLiteral("Alpha"));
    // Too wide: cut to fit with "...".
    edit->MemoText()->SetText(QString(60, QLatin1Char('W')));
    EXPECT_TRUE(edit->GetText().endsWith(QStringLiteral("...")));
    EXPECT_LT(edit->GetText().size(), 60);
    edit->SetEditorEnabled(true);
    edit->MemoText()->SetText(QStringLiteral("Alpha\r\nBeta"));
    EXPECT_EQ(edit->GetText(), QStringLiteral("Alpha\r\nBeta"));
}

TEST_F(MemoDropDownTest, ANormalCloseCommitsACancelledOneDiscards)
{
    auto* edit = Make<TProMemoDropDown>();
    edit->SetEditorEnabled(false);
    int changes = 0;
    edit->OnMemoChange = [&](TObject*) { ++changes; };
    edit->MemoText()->SetText(QStringLiteral("Alpha\r\nBeta"));
    Key(edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(edit->DroppedDown());
    TMemo* memo = edit->Memo();
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(Focused(), memo);
    // Enter stays in the memo and adds a line.
    memo->SetSelStart(int(memo->Text().size()));
    Key(memo, VK_RETURN, {}, QStringLiteral("\r"));
    Type(memo, QStringLiteral("Gamma"));
    EXPECT_TRUE(edit->DroppedDown());
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_GT(changes, 0);
    Key(memo, VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->MemoText()->Count(), 2);
    EXPECT_EQ(edit->GetText(), QStringLiteral("Alpha..."));

    edit->ShowDropDown();
    memo->Lines()->Add(QStringLiteral("Delta"));
    Key(memo, VK_UP, {ssAlt});
    EXPECT_FALSE(edit->DroppedDown());
    ASSERT_EQ(edit->MemoText()->Count(), 3);
    EXPECT_EQ(edit->MemoText()->Strings(2), QStringLiteral("Delta"));

    Clock.Advance(1000);
    edit->ShowDropDown();
    memo->Lines()->Add(QStringLiteral("Epsilon"));
    Other->Show();
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_EQ(edit->MemoText()->Count(), 4) << "a click outside keeps the edits";
}

TEST_F(MemoDropDownTest, TypingInTheEditWritesMemoTextAndAutoDropOpens)
{
    auto* edit = Make<TProMemoDropDown>();
    Type(edit, QStringLiteral("note"));
    ASSERT_EQ(edit->MemoText()->Count(), 1);
    EXPECT_EQ(edit->MemoText()->Strings(0), QStringLiteral("note"));
    edit->SetMemoReadOnly(true);
    edit->SetAutoDrop(true);
    Form->SetFocus();
    Other->Show();
    Form->Show();
    edit->SetFocus();
    EXPECT_TRUE(edit->DroppedDown());
    EXPECT_TRUE(edit->Memo()->ReadOnly());
    EXPECT_EQ(edit->Memo()->Text(), QStringLiteral("note"));
    // Closing gives the focus back without opening again.
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(edit->DroppedDown());
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->MemoText()->Strings(0), QStringLiteral("note"));
}

} // namespace
