// Edits: typing, setting the text and selections, with the notifications
// the parent and the edit's events see.
#include "StdControlsFixture.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Memo.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QLineEdit>

using namespace SyntheticInput;

namespace {

class EditNotify : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Edit = new TEdit(Form);
        Edit->SetParent(Form);
        Edit->OnChange = LogEvent(QStringLiteral("OnChange"));
        Edit->SetFocus();
        Log.clear();
    }
    TEdit* Edit = nullptr;
};

TEST_F(EditNotify, TypingRaisesEnChangeToParentThenOnChange)
{
    Type(Edit, QStringLiteral("ab"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("ab"));
    EXPECT_EQ(Log, QStringList({"EN_CHANGE", "OnChange", "EN_CHANGE", "OnChange"}));
    EXPECT_TRUE(Edit->Modified());
    EXPECT_EQ(Edit->SelStart(), 2);
}

TEST_F(EditNotify, SettingTextNotifiesOnceAndSameTextNotAtAll)
{
    Edit->SetText(QStringLiteral("hello"));
    Edit->SetText(QStringLiteral("hello"));
    EXPECT_EQ(Log, QStringList({"EN_CHANGE", "OnChange"}));
    EXPECT_FALSE(Edit->Modified());
    EXPECT_EQ(Edit->SelStart(), 0);
}

TEST_F(EditNotify, ZeroedKeyOrCharTypesNothing)
{
    Edit->OnKeyPress = [](TObject*, QChar& k) {
        if (k == u'x')
            k = QChar();
        else
            k = k.toUpper();
    };
    Edit->OnKeyDown = [](TObject*, int& k, TShiftState) {
        if (k == 'Q')
            k = 0;
    };
    Type(Edit, QStringLiteral("axqb"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("AB"));
}

TEST_F(EditNotify, KeyHandlerMayFreeTheEdit)
{
    // Nothing may reach the native edit of a freed control afterwards.
    TControlGuard alive = Edit->Guard();
    Edit->OnKeyDown = [this](TObject*, int&, TShiftState) {
        delete Edit;
        Edit = nullptr;
    };
    Key(Edit, 'A', {}, QStringLiteral("a"));
    EXPECT_TRUE(alive.expired());
    EXPECT_EQ(Form->ControlCount(), 0);
}

TEST_F(EditNotify, EditingKeysReachTheNativeEdit)
{
    Type(Edit, QStringLiteral("abcd"));
    Key(Edit, VK_LEFT);
    Key(Edit, VK_BACK);
    Key(Edit, VK_HOME);
    Key(Edit, VK_DELETE);
    EXPECT_EQ(Edit->Text(), QStringLiteral("bd"));
}

TEST_F(EditNotify, MaxLengthLimitsTypingButNotTheProgram)
{
    Edit->SetMaxLength(3);
    Type(Edit, QStringLiteral("abcdef"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("abc"));
    Edit->SetText(QStringLiteral("longer text"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("longer text"));
}

TEST_F(EditNotify, PasswordCharHidesTheTextOnly)
{
    Edit->SetPasswordChar(u'*');
    Type(Edit, QStringLiteral("secret"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("secret"));
    auto* line = qobject_cast<QLineEdit*>(NativeWidget(Edit));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->displayText(), QStringLiteral("******"));
}

TEST_F(EditNotify, ColorIsTheWidgetsBackground)
{
    auto* line = qobject_cast<QLineEdit*>(NativeWidget(Edit));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->palette().color(QPalette::Base), QColor(255, 255, 255));
    Edit->SetColor(TColor(0x000000FF));
    EXPECT_EQ(line->palette().color(QPalette::Base), QColor(255, 0, 0));
}

TEST_F(EditNotify, ReadOnlyAndCharCase)
{
    Edit->SetCharCase(ecUpperCase);
    Type(Edit, QStringLiteral("ab"));
    Edit->SetText(Edit->Text() + QStringLiteral("c"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("ABC"));
    Edit->SetReadOnly(true);
    Type(Edit, QStringLiteral("z"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("ABC"));
}

// The caret may stand at either end of the selection; SelStart is its start.
TEST_F(EditNotify, SelectionWithCaretAtEitherEnd)
{
    Edit->SetText(QStringLiteral("abcdef"));
    struct Case {
        const char* Name;
        int Start, Length;
        int WantStart, WantLength;
        const char* WantText;
    };
    const Case cases[] = {
        {"forward", 1, 3, 1, 3, "bcd"},
        {"backward", 4, -2, 2, 2, "cd"},
        {"past the end", 4, 10, 4, 2, "ef"},
        {"before the start", 2, -5, 0, 2, "ab"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Edit->SetSelStart(c.Start);
        Edit->SetSelLength(c.Length);
        EXPECT_EQ(Edit->SelStart(), c.WantStart);
        EXPECT_EQ(Edit->SelLength(), c.WantLength);
        EXPECT_EQ(Edit->SelText(), QString::fromLatin1(c.WantText));
    }
    // Shift+Left after a backward selection grows it at the caret's end.
    Edit->SetSelStart(4);
    Edit->SetSelLength(-2);
    Key(Edit, VK_LEFT, {ssShift});
    EXPECT_EQ(Edit->SelStart(), 1);
    EXPECT_EQ(Edit->SelLength(), 3);
    Edit->SetSelText(QStringLiteral("XY"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("aXYef"));
    EXPECT_EQ(Edit->SelStart(), 3);
}

TEST_F(EditNotify, MemoLinesAndTextAgree)
{
    auto* memo = new TMemo(Form);
    memo->SetParent(Form);
    memo->OnChange = LogEvent(QStringLiteral("OnChange"));
    memo->Lines()->Add(QStringLiteral("one"));
    memo->Lines()->Add(QStringLiteral("two"));
    EXPECT_EQ(memo->Text(), QStringLiteral("one\r\ntwo"));
    memo->SetFocus();
    memo->SetSelStart(int(memo->Text().size()) - 1);
    Key(memo, VK_RETURN, {}, QStringLiteral("\r"));
    Type(memo, QStringLiteral("3"));
    EXPECT_EQ(memo->Lines()->Count(), 3);
    EXPECT_EQ(memo->Lines()->Strings(2), QStringLiteral("3"));
    EXPECT_EQ(memo->Text(), QStringLiteral("one\r\ntwo\r\n3"));
    EXPECT_EQ(Log.count(QStringLiteral("OnChange")), Log.count(QStringLiteral("EN_CHANGE")));
}

TEST_F(EditNotify, MemoTakesEnterAndTabOnlyWhenItWantsThem)
{
    struct Case {
        const char* Name;
        bool WantReturns, WantTabs;
        const char* Text;
        bool FocusStays;
    };
    const Case cases[] = {
        {"wants both", true, true, "a\r\n\t", true},
        {"no returns, no tabs", false, false, "a", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        auto* memo = new TMemo(Form);
        memo->SetParent(Form);
        memo->SetWantReturns(c.WantReturns);
        memo->SetWantTabs(c.WantTabs);
        memo->SetFocus();
        Type(memo, QStringLiteral("a"));
        Key(memo, VK_RETURN, {}, QStringLiteral("\r"));
        Key(memo, VK_TAB, {}, QStringLiteral("\t"));
        EXPECT_EQ(memo->Text(), QString::fromLatin1(c.Text));
        EXPECT_EQ(memo->Focused(), c.FocusStays);
        delete memo;
    }
}

// A drag that leaves the memo's text area keeps selecting: the moves go
// where the press went.
TEST_F(EditNotify, MouseDragSelectsPastTheTextArea)
{
    auto* memo = new TMemo(Form);
    memo->SetParent(Form);
    memo->SetBounds(0, 40, 200, 80);
    memo->SetScrollBars(ssVertical);
    memo->SetText(QStringLiteral("first line\r\nsecond line"));
    // A click puts the caret in the first line.
    Click(memo, {60, 8});
    EXPECT_GT(memo->SelStart(), 0);
    EXPECT_LT(memo->SelStart(), 11);
    MouseDown(memo, mbLeft, {10, 8});
    MouseMove(memo, {150, 8}, {ssLeft});
    // Over the scroll bar and past the right edge.
    MouseMove(memo, {195, 40}, {ssLeft});
    MouseMove(memo, {260, 60}, {ssLeft});
    MouseUp(memo, mbLeft, {260, 60});
    // From near the start to the end of the second line.
    EXPECT_LE(memo->SelStart(), 1);
    EXPECT_EQ(memo->SelStart() + memo->SelLength(), int(QStringLiteral("first line\nsecond line").size()));
}

} // namespace
