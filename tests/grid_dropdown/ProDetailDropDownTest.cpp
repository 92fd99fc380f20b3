// The detail drop-down: typed completion against the captions, Enter and
// Escape in the edit, choosing in the open list by keys, by the mouse and
// by typed letters (collected for 500 ms from the first), the wheel, and a
// cancelled close restoring the item of the opening.
#include "grid/dropdown/ProDetailDropDown.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>
#include <memory>

using namespace SyntheticInput;

namespace {

class DetailDropDownTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetClock(&Clock);
        Clock.SetTicks(100000);
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(100, 100, 400, 300);
        Edit = new TProDetailDropDown(Form.get());
        Edit->SetParent(Form.get());
        Edit->SetBounds(10, 20, 200, 21);
        Edit->DropDownHeader()->SetVisible(false);
        Edit->DropDownFooter()->SetVisible(false);
        for (const char* c : {"Alpha", "Beta", "Better", "Gamma", "Delta"}) {
            TDetailItem* item = Edit->Items()->Add();
            item->SetCaption(QString::fromUtf8(c));
            item->SetNotes(QStringLiteral("<i>notes</i>"));
        }
        Edit->OnSelect = [this](TObject*) { ++Selects; };
        Form->Show();
        Edit->SetFocus();
    }
    void TearDown() override
    {
        Form.reset();
        SetClock(nullptr);
    }
    QString Selected() const { return Edit->SelText(); }
    TWinControl* Focused() const { return TWinControl::FocusedControl(); }
    TCustomItemSelector* List() const { return Edit->ItemSelector()->Panel(); }
    // The type-ahead timer is the drop-down's only timer.
    TTimer* KeyTimer() const
    {
        for (int i = 0; i < Edit->ComponentCount(); ++i)
            if (auto* t = dynamic_cast<TTimer*>(Edit->Components(i)))
                return t;
        return nullptr;
    }
    void Elapse(int Ms)
    {
        Clock.Advance(Ms);
        KeyTimer()->CheckDue();
    }

    TFakeClock Clock;
    std::unique_ptr<TForm> Form;
    TProDetailDropDown* Edit = nullptr;
    int Selects = 0;
};

TEST_F(DetailDropDownTest, TypingCompletesAgainstTheCaptions)
{
    struct Step {
        const char* Typed;
        const char* Text;
        const char* Selected;
        int Index;
    };
    const Step steps[] = {
        {"b", "beta", "eta", 1}, {"e", "beta", "ta", 1}, {"t", "beta", "a", 1}, {"t", "better", "er", 2},
    };
    for (const Step& s : steps) {
        Type(Edit, QString::fromUtf8(s.Typed));
        EXPECT_EQ(Edit->GetText(), QString::fromUtf8(s.Text)) << s.Typed;
        EXPECT_EQ(Selected(), QString::fromUtf8(s.Selected)) << s.Typed;
        EXPECT_EQ(Edit->ItemIndex(), s.Index) << s.Typed;
    }
}

TEST_F(DetailDropDownTest, BackspaceRemovesTheTailWithoutANewCompletion)
{
    Type(Edit, QStringLiteral("b"));
    ASSERT_EQ(Edit->GetText(), QStringLiteral("beta"));
    Key(Edit, VK_BACK);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("b"));
}

TEST_F(DetailDropDownTest, MatchCaseAndNoMatch)
{
    Edit->SetMatchCase(true);
    Type(Edit, QStringLiteral("b"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("b"));
    Edit->SetMatchCase(false);
    // No caption starts with "bq": the typed text stays, the rest goes.
    Edit->SetText(QStringLiteral("bxyz"));
    Edit->SetSelStart(1);
    Type(Edit, QStringLiteral("q"));
    EXPECT_EQ(Edit->GetText(), QStringLiteral("bq"));
}

TEST_F(DetailDropDownTest, AnEmptyTextCompletesNothing)
{
    Type(Edit, QStringLiteral("g"));
    ASSERT_EQ(Edit->GetText(), QStringLiteral("gamma"));
    // Cutting everything leaves nothing typed: no caption is forced in.
    Edit->SelectAll();
    Key(Edit, 'X', {ssCtrl});
    EXPECT_EQ(Edit->GetText(), QString());
}

TEST_F(DetailDropDownTest, EnterTakesAnExactCaptionOnly)
{
    Edit->SetText(QStringLiteral("beta"));
    Key(Edit, VK_RETURN);
    EXPECT_EQ(Edit->ItemIndex(), -1) << "captions compare case-sensitively";
    EXPECT_EQ(Selects, 0);
    Edit->SetText(QStringLiteral("Beta"));
    Key(Edit, VK_RETURN);
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Selects, 1);
}

TEST_F(DetailDropDownTest, SetItemIndexWritesTheCaptionAndIgnoresStrangers)
{
    Edit->SetItemIndex(3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Gamma"));
    EXPECT_EQ(Selected(), QStringLiteral("Gamma"));
    EXPECT_EQ(Selects, 1);
    Edit->SetItemIndex(9);
    Edit->SetItemIndex(-4);
    EXPECT_EQ(Edit->ItemIndex(), 3);
    Edit->SetItemIndex(-1);
    EXPECT_EQ(Edit->GetText(), QString());
    EXPECT_EQ(Selects, 1);
}

TEST_F(DetailDropDownTest, KeysInTheOpenListMoveWithoutClosingAndEscapeRestores)
{
    Edit->SetItemIndex(1);
    Key(Edit, VK_DOWN, {ssAlt});
    ASSERT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Focused(), Edit->ItemSelector());
    EXPECT_EQ(Edit->ItemSelector()->ItemIndex(), 1);
    Key(Focused(), VK_DOWN);
    Key(Focused(), VK_DOWN);
    EXPECT_TRUE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Gamma"));
    Key(Focused(), VK_UP);
    EXPECT_EQ(Edit->ItemIndex(), 2);
    Key(Focused(), VK_END);
    EXPECT_EQ(Edit->ItemIndex(), 4);
    Key(Focused(), VK_ESCAPE);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 1);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Beta"));
    EXPECT_TRUE(Edit->Focused());

    // Enter keeps the moved selection.
    Key(Edit, VK_F4);
    Key(Focused(), VK_HOME);
    Key(Focused(), VK_RETURN);
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Alpha"));
}

TEST_F(DetailDropDownTest, PageKeysMoveByTheVisibleCount)
{
    for (int i = 0; i < 20; ++i)
        Edit->Items()->Add()->SetCaption(QStringLiteral("Item %1").arg(i));
    Edit->ShowDropDown();
    ASSERT_TRUE(Edit->DroppedDown());
    const int n = Edit->ItemSelector()->GetVisibleItemCount();
    ASSERT_GT(n, 0);
    Key(Focused(), VK_NEXT);
    EXPECT_EQ(Edit->ItemIndex(), n - 1);
    Key(Focused(), VK_NEXT);
    EXPECT_EQ(Edit->ItemIndex(), 2 * n - 1);
    Key(Focused(), VK_PRIOR);
    EXPECT_EQ(Edit->ItemIndex(), n - 1);
    Key(Focused(), VK_PRIOR);
    EXPECT_EQ(Edit->ItemIndex(), 0);
    // The chosen item stays in view.
    Key(Focused(), VK_END);
    const TRect last = List()->GetItemRect(24);
    EXPECT_LE(List()->Top() + last.Bottom, Edit->ItemSelector()->ClientHeight());
}

TEST_F(DetailDropDownTest, AClickInTheListChoosesAndCloses)
{
    Edit->ShowDropDown();
    const TRect r = List()->GetItemRect(2);
    MouseMove(List(), {r.Left + 5, r.Top + 5});
    EXPECT_EQ(Edit->ItemSelector()->ItemHot(), 2);
    Click(List(), {r.Left + 5, r.Top + 5});
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 2);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Better"));
    EXPECT_EQ(Selects, 1);
}

TEST_F(DetailDropDownTest, LettersInTheOpenListCollectFor500MsFromTheFirst)
{
    Edit->ShowDropDown();
    // "X" matches nothing: the list stays open and keeps the key.
    Key(Focused(), 'X', {}, QStringLiteral("x"));
    EXPECT_TRUE(Edit->DroppedDown());
    Elapse(300);
    Key(Focused(), 'D', {}, QStringLiteral("d"));
    EXPECT_TRUE(Edit->DroppedDown()) << "XD matches nothing";
    // The timer was not restarted by the D: at 500 ms the keys are gone.
    Elapse(250);
    Key(Focused(), 'D', {}, QStringLiteral("d"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 4);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Delta"));
}

TEST_F(DetailDropDownTest, KeysTyped600MsApartAreLookedUpApart)
{
    Edit->ShowDropDown();
    Key(Focused(), 'Q', {}, QStringLiteral("q"));
    Elapse(600);
    Key(Focused(), 'G', {}, QStringLiteral("g"));
    EXPECT_FALSE(Edit->DroppedDown());
    EXPECT_EQ(Edit->ItemIndex(), 3);
    EXPECT_EQ(Edit->GetText(), QStringLiteral("Gamma"));
}

TEST_F(DetailDropDownTest, TheWheelStepsTheChoice)
{
    Wheel(Edit, -120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 0);
    Wheel(Edit, -120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 1);
    Wheel(Edit, 120, {5, 5});
    EXPECT_EQ(Edit->ItemIndex(), 0);
    EXPECT_FALSE(Edit->DroppedDown());
}

TEST_F(DetailDropDownTest, ItemsAndCellsReachTheListWhenItOpens)
{
    Edit->SetItemHeight(30);
    Edit->ShowDropDown();
    EXPECT_EQ(Edit->ItemSelector()->Items()->Count(), 5);
    EXPECT_EQ(List()->GetItemRect(0).Height(), 30);
    EXPECT_EQ(Edit->DropDownForm()->Width(), Edit->Width());
    EXPECT_EQ(Edit->ItemSelector()->Items()->Items(4)->Caption(), QStringLiteral("Delta"));
    EXPECT_EQ(Edit->Items()->IndexOf(QStringLiteral("Delta")), 4);
    EXPECT_EQ(Edit->Items()->IndexOf(QStringLiteral("delta")), -1);
}

TEST_F(DetailDropDownTest, AssignedItemsKeepTheirNotes)
{
    auto* copy = new TProDetailDropDown(Form.get());
    copy->SetItems(Edit->Items());
    ASSERT_EQ(copy->Items()->Count(), 5);
    EXPECT_EQ(copy->Items()->Items(1)->Caption(), QStringLiteral("Beta"));
    EXPECT_EQ(copy->Items()->Items(1)->Notes(), QStringLiteral("<i>notes</i>"));
}

} // namespace
