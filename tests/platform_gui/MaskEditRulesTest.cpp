// The edit-mask language: which characters each position takes, the text
// a mask keeps, and typing into a masked edit.
#include "StdControlsFixture.h"
#include "platform/controls/EditMask.h"
#include "platform/controls/MaskEdit.h"
#include "platform/controls/TestHooks.h"

using namespace SyntheticInput;

namespace {

struct AcceptCase {
    const char* Name;
    const char* Mask;
    const char* Typed;
    // What each typed character became; '-' where it was refused.
    const char* Stored;
};

TEST(EditMaskRules, AcceptAndRefuseByPosition)
{
    const AcceptCase cases[] = {
        {"digit required", "0", "5a -", "5---"},
        {"digit optional", "9", "7x", "7-"},
        {"digit or sign", "#", "+-3a", "+-3-"},
        {"letter", "L", "qQ1_", "qQ--"},
        {"letter optional", "l", "z9", "z-"},
        {"alphanumeric", "A", "a7!", "a7-"},
        {"alphanumeric optional", "a", "B.", "B-"},
        {"any character", "C", "%x ", "%x "},
        {"any optional", "c", "#", "#"},
        {"upper case", ">L", "ab", "AB"},
        {"lower case", "<L", "AB", "ab"},
        {"case off again", "><L", "aB", "aB"},
        {"escaped literal", "\\0", "0", "--"},
    };
    for (const AcceptCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TEditMask mask(QString::fromLatin1(c.Mask));
        int at = mask.NextInput(0);
        QString got;
        for (QChar ch : QString::fromLatin1(c.Typed)) {
            QChar r = mask.Accept(at, ch);
            got += r.isNull() ? QChar(u'-') : r;
        }
        EXPECT_EQ(got, QString::fromLatin1(c.Stored).left(got.size()));
    }
}

struct TextCase {
    const char* Name;
    const char* Mask;
    const char* Text;
    const char* EditText;
    const char* BackToText;
    bool Complete;
};

TEST(EditMaskRules, TextAndEditText)
{
    const TextCase cases[] = {
        {"date keeps literals", "!99/99/00;1;_", "12/05/26", "12/05/26", "12/05/26", true},
        {"partial date", "!99/99/00;1;_", "1", "1_/__/__", "1 /  /  ", false},
        {"literals not saved", "(000) 000;0;_", "123456", "(123) 456", "123456", true},
        {"blank character", "000;1;*", "12", "12*", "12 ", false},
        {"refused characters stay blank", "000;0;_", "1x3", "1_3", "1 3", false},
        {"time separator", "00:00;1;_", "12:30", "12:30", "12:30", true},
        {"literal blank", "00_00;0;_", "1234", "12 34", "1234", true},
        {"escaped semicolon is pattern", "0\\;0;0;_", "12", "1;2", "12", true},
    };
    for (const TextCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TEditMask mask(QString::fromLatin1(c.Mask));
        QString edit = mask.EditTextFromText(QString::fromLatin1(c.Text));
        EXPECT_EQ(edit, QString::fromLatin1(c.EditText));
        EXPECT_EQ(mask.TextFromEditText(edit), QString::fromLatin1(c.BackToText));
        EXPECT_EQ(mask.IsComplete(edit), c.Complete);
    }
}

struct DeleteCase {
    const char* Name;
    const char* EditText;
    int SelStart;
    int SelLength;
    bool Back;
    const char* After;
    int Caret;
};

TEST(EditMaskRules, BackspaceAndDeleteOnTheEditText)
{
    const DeleteCase cases[] = {
        {"selection blanks its inputs only", "12/05", 1, 3, true, "1_/_5", 1},
        {"selection with delete", "12/05", 0, 5, false, "__/__", 0},
        {"backspace blanks the input before", "12/05", 2, 0, true, "1_/05", 1},
        {"backspace after a literal skips it", "12/05", 3, 0, true, "1_/05", 1},
        {"backspace at the start", "12/05", 0, 0, true, "12/05", 0},
        {"delete on a literal blanks the next input", "12/05", 2, 0, false, "12/_5", 2},
        {"delete at the end", "12/05", 5, 0, false, "12/05", 5},
    };
    TEditMask mask(QStringLiteral("00/00;1;_"));
    for (const DeleteCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QString edit = QString::fromLatin1(c.EditText);
        EXPECT_EQ(mask.Delete(edit, c.SelStart, c.SelLength, c.Back), c.Caret);
        EXPECT_EQ(edit, QString::fromLatin1(c.After));
    }
}

TEST(EditMaskRules, EditedTextOfAnotherLengthGoesThroughTheMask)
{
    TEditMask mask(QStringLiteral("00/00;0;_"));
    EXPECT_EQ(mask.TextFromEdited(QStringLiteral("12/_5")), QStringLiteral("12 5"));
    EXPECT_EQ(mask.TextFromEdited(QStringLiteral("1234")), QStringLiteral("1234"));
    EXPECT_EQ(mask.TextFromEdited(QStringLiteral("9")), QStringLiteral("9   "));
}

class MaskEditTyping : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Edit = new TMaskEdit(Form);
        Edit->SetParent(Form);
        Edit->SetEditMask(QStringLiteral("!99/99/0000;1;_"));
        Edit->OnChange = LogEvent(QStringLiteral("OnChange"));
        Edit->SetFocus();
        Edit->SetSelStart(0);
        Log.clear();
    }
    TMaskEdit* Edit = nullptr;
};

TEST_F(MaskEditTyping, DigitsFillAndLiteralsAreSkipped)
{
    Type(Edit, QStringLiteral("12a05/2026x"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("12/05/2026"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("12/05/2026"));
    EXPECT_TRUE(Edit->IsComplete());
    // Eight accepted digits, each one change; the refused "a" and "x" none,
    // the typed "/" stepped over its literal.
    EXPECT_EQ(Log.count(QStringLiteral("EN_CHANGE")), 8);
    EXPECT_EQ(Log.count(QStringLiteral("OnChange")), 8);
}

TEST_F(MaskEditTyping, BackspaceAndDeleteBlankPositions)
{
    Type(Edit, QStringLiteral("1205"));
    Key(Edit, VK_BACK);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("12/0_/____"));
    EXPECT_EQ(Edit->SelStart(), 4);
    Edit->SetSelStart(0);
    Key(Edit, VK_DELETE);
    EXPECT_EQ(Edit->EditText(), QStringLiteral("_2/0_/____"));
    EXPECT_FALSE(Edit->IsComplete());
    Edit->SetSelStart(0);
    Type(Edit, QStringLiteral("3"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("32/0_/____"));
}

TEST_F(MaskEditTyping, TextSetByProgramGoesThroughTheMask)
{
    Edit->SetText(QStringLiteral("3x/12/1999"));
    EXPECT_EQ(Edit->EditText(), QStringLiteral("3_/12/1999"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("3 /12/1999"));
    Edit->SetEditMask(QString());
    EXPECT_FALSE(Edit->IsMasked());
    Type(Edit, QStringLiteral("ab"));
    EXPECT_TRUE(Edit->Text().contains(QStringLiteral("ab")));
}

} // namespace
