// The text editor's character filters by editor kind, its length limit,
// pasting through the grid's clipboard events, and look-up completion.
#include "GridEditingFixture.h"
#include "grid/foundation/TextUtils.h"
#include "platform/services/Clipboard.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextLayout>

using namespace SyntheticInput;

namespace {

class InplaceEdit : public GridEditing {
protected:
    // Opens the editor on (1, 1) holding Start with the caret at Caret
    // (-1: everything selected) and types Typed.
    QString TypeInto(TEditorType Kind, const QString& Start, int Caret, const QString& Typed)
    {
        EditorKinds({{1, Kind}});
        Grid->SetCells(1, 1, Start);
        Key(Grid, VK_F2);
        if (!Editing())
            return QStringLiteral("<no editor>");
        if (Caret >= 0)
            Editor()->SetSelStart(Caret);
        else
            Editor()->SelectAll();
        Type(Editor(), Typed);
        const QString text = Editor()->Text();
        Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
        return text;
    }
    void SetUp() override
    {
        GridEditing::SetUp();
        SetBeepHook([this] { ++Beeps; });
    }
    void TearDown() override
    {
        SetBeepHook(nullptr);
        GridEditing::TearDown();
    }
    int Beeps = 0;
};

} // namespace

TEST_F(InplaceEdit, TypedCharactersAreFilteredByKind)
{
    struct Case {
        const char* Name;
        TEditorType Kind;
        QString Start;
        int Caret;
        QString Typed;
        QString Result;
        int Beeps;
    };
    const Case cases[] = {
        {"numeric minus at 0", edNumeric, QStringLiteral("12"), 0, QStringLiteral("-"), QStringLiteral("-12"), 0},
        {"numeric minus inside beeps", edNumeric, QStringLiteral("12"), 1, QStringLiteral("-"), QStringLiteral("12"), 1},
        {"numeric second minus beeps", edNumeric, QStringLiteral("-12"), 0, QStringLiteral("-"), QStringLiteral("-12"), 1},
        {"numeric letters beep", edNumeric, QStringLiteral("1"), 1, QStringLiteral("a2"), QStringLiteral("12"), 1},
        {"positive numeric minus beeps", edPositiveNumeric, QStringLiteral("1"), 0, QStringLiteral("-"), QStringLiteral("1"), 1},
        {"float one separator", edFloat, QStringLiteral("1"), 1, QStringLiteral("..5."), QStringLiteral("1.5"), 0},
        {"float separator over a selection", edFloat, QStringLiteral("1.5"), -1, QStringLiteral("."), QStringLiteral("."), 0},
        {"float thousand separator never", edFloat, QStringLiteral("1"), 1, QStringLiteral(",0"), QStringLiteral("10"), 0},
        {"float letters dropped silently", edFloat, QStringLiteral("1"), 1, QStringLiteral("x"), QStringLiteral("1"), 0},
        {"positive float minus silent", edPositiveFloat, QStringLiteral("1"), 0, QStringLiteral("-"), QStringLiteral("1"), 0},
        {"capital", edCapital, QString(), 0, QStringLiteral("ab"), QStringLiteral("AB"), 0},
        {"upper case", edUpperCase, QString(), 0, QStringLiteral("xY"), QStringLiteral("XY"), 0},
        {"lower case", edLowerCase, QString(), 0, QStringLiteral("xY"), QStringLiteral("xy"), 0},
        {"mixed case", edMixedCase, QString(), 0, QStringLiteral("room two"), QStringLiteral("Room Two"), 0},
        {"normal takes all", edNormal, QString(), 0, QStringLiteral("a-1."), QStringLiteral("a-1."), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Beeps = 0;
        EXPECT_EQ(TypeInto(c.Kind, c.Start, c.Caret, c.Typed), c.Result);
        EXPECT_EQ(Beeps, c.Beeps);
    }
    Grid->SetValidChars(QStringLiteral("0123456789ABCDEF"));
    EXPECT_EQ(TypeInto(edValidChars, QString(), 0, QStringLiteral("1AgF")), QStringLiteral("1AF"));
}

TEST_F(InplaceEdit, MixedCaseKeepsTheCaretAfterTheTypedCharacter)
{
    EditorKinds({{1, edMixedCase}});
    Grid->SetCells(1, 1, QStringLiteral("ab cd"));
    Key(Grid, VK_F2);
    Editor()->SetSelStart(3);
    Type(Editor(), QStringLiteral("x"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("Ab Xcd"));
    EXPECT_EQ(Editor()->SelStart(), 4);
}

TEST_F(InplaceEdit, TheLengthLimitDropsCharactersButNotTheEditingKeys)
{
    Grid->SetMaxEditLength(5);
    Grid->SetCells(1, 1, QString());
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("123456"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("12345"));
    Key(Editor(), VK_BACK, {}, QStringLiteral("\b"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("1234"));
    Editor()->SelectAll();
    Type(Editor(), QStringLiteral("9"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("9"));
    Key(Editor(), VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Grid->Cells(1, 1), QStringLiteral("9"));
}

TEST_F(InplaceEdit, PastingGoesThroughTheKindAndTheClipboardEvents)
{
    struct Case {
        const char* Name;
        TEditorType Kind;
        QString Clip;
        QString Result;
    };
    const Case cases[] = {
        {"negative into positive numeric", edPositiveNumeric, QStringLiteral("-3"), QString()},
        {"integer into numeric", edNumeric, QStringLiteral("-3\r\n"), QStringLiteral("-3")},
        {"scientific into float", edFloat, QStringLiteral("1e5"), QString()},
        {"float into float", edFloat, QStringLiteral("2.5"), QStringLiteral("2.5")},
        {"capital keeps the clipboard's case", edCapital, QStringLiteral("aB"), QStringLiteral("aB")},
        {"upper case", edUpperCase, QStringLiteral("aB"), QStringLiteral("AB")},
    };
    QStringList after;
    Grid->OnClipboardAfterPasteCell = [&](TObject*, int, int, const QString& Value) { after << Value; };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        after.clear();
        EditorKinds({{1, c.Kind}});
        Grid->SetCells(1, 1, QString());
        Key(Grid, VK_F2);
        Clipboard()->SetAsText(c.Clip);
        Key(Editor(), 'V', {ssCtrl});
        EXPECT_EQ(Editor()->Text(), c.Result);
        EXPECT_EQ(after, QStringList({c.Result})) << "fires also when nothing was taken";
        Key(Editor(), VK_ESCAPE, {}, QStringLiteral("\x1b"));
    }
    // A refusing paste event leaves the text alone.
    EditorKinds({});
    Grid->OnClipboardPaste = [](TObject*, bool& Allow) { Allow = false; };
    Key(Grid, VK_F2);
    Editor()->SelectAll();
    Key(Editor(), 'V', {ssCtrl});
    EXPECT_EQ(Editor()->Text(), QString());
}

TEST_F(InplaceEdit, LookupCompletesFromTheList)
{
    Grid->SetLookup(true);
    Grid->LookupItems()->Add(QStringLiteral("Temperature"));
    Grid->LookupItems()->Add(QStringLiteral("Humidity"));
    Grid->SetCells(1, 1, QString());
    Key(Grid, VK_F2);
    Type(Editor(), QStringLiteral("hu"));
    EXPECT_EQ(Editor()->Text(), QStringLiteral("humidity"));
    EXPECT_EQ(Editor()->SelText(), QStringLiteral("midity"));
}

TEST_F(InplaceEdit, BackspaceAtTheEndOfAWrappedTextKeepsTheCaretLineInView)
{
    Grid->SetWordWrap(true);
    Grid->SetCells(1, 1, QStringLiteral("a long note that wraps over several lines, so that its end lies below"));
    Key(Grid, VK_F2);
    ASSERT_TRUE(Editing());
    Editor()->SetSelStart(int(Editor()->Text().size()));
    auto* edit = qobject_cast<QPlainTextEdit*>(NativeWidget(Editor()));
    ASSERT_NE(edit, nullptr);
    const auto lines = [edit] { return edit->document()->firstBlock().layout()->lineCount(); };
    const int before = lines();
    ASSERT_GE(before, 3);
    // The last line goes, then one more character.
    while (lines() == before)
        Key(Editor(), VK_BACK);
    Key(Editor(), VK_BACK);
    QCoreApplication::processEvents();
    EXPECT_TRUE(edit->viewport()->rect().intersects(edit->cursorRect())) << Editor()->Text().toStdString();
}
