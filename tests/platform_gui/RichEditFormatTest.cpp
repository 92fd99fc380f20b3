// Rich edits: formatted text in and out of the native editor, selection
// attributes, RTF streams and the change notifications.
#include "StdControlsFixture.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/Stream.h"

using namespace SyntheticInput;

namespace {

class RichEditFormat : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Edit = new TRichEdit(Form);
        Edit->SetParent(Form);
        Edit->SetBounds(0, 0, 300, 150);
        Edit->OnChange = LogEvent(QStringLiteral("OnChange"));
        Edit->SetFocus();
        Log.clear();
    }
    TRichEdit* Edit = nullptr;
};

TRichText Sample()
{
    TRichText t;
    TRichTextStyle bold;
    bold.Bold = true;
    bold.Color = RGB(200, 0, 0);
    bold.Size = 12;
    bold.FontName = QStringLiteral("DejaVu Sans");
    TRichTextStyle plain;
    plain.Size = 10;
    plain.FontName = QStringLiteral("DejaVu Sans");
    t.Append(QStringLiteral("Temp "), plain);
    t.Append(QStringLiteral("21 \u00b0C"), bold);
    t.Append(QStringLiteral("\nline two"), plain);
    return t;
}

TEST_F(RichEditFormat, FormattedTextSurvivesTheNativeEditorAndRtf)
{
    Edit->SetRichText(Sample());
    EXPECT_TRUE(Edit->RichText() == Sample());
    EXPECT_EQ(Edit->Lines()->Count(), 2);
    EXPECT_EQ(Edit->Text(), QStringLiteral("Temp 21 \u00b0C\r\nline two"));
    EXPECT_EQ(Log, QStringList({"EN_CHANGE", "OnChange"}));

    TMemoryStream stream;
    Edit->SaveToStream(&stream);
    auto* other = new TRichEdit(Form);
    other->SetParent(Form);
    stream.SetPosition(0);
    other->LoadFromStream(&stream);
    EXPECT_TRUE(other->RichText() == Sample());
    // The same with PlainText: only the text travels.
    other->SetPlainText(true);
    TMemoryStream plain;
    other->SaveToStream(&plain);
    plain.SetPosition(0);
    EXPECT_FALSE(IsRtf(plain.ReadAll()));
}

TEST_F(RichEditFormat, SelectionAttributesFormatTheSelectionOnly)
{
    Edit->SetText(QStringLiteral("abcdef"));
    Edit->SetSelStart(2);
    Edit->SetSelLength(2);
    Edit->SelAttributes()->SetStyle({fsBold});
    Edit->SelAttributes()->SetColor(clBlue);
    EXPECT_TRUE(Edit->SelAttributes()->Style().Contains(fsBold));
    TRichText t = Edit->RichText();
    ASSERT_EQ(t.Runs().size(), 3u);
    EXPECT_EQ(t.Runs()[1].Text, QStringLiteral("cd"));
    EXPECT_TRUE(t.Runs()[1].Style.Bold);
    EXPECT_EQ(t.Runs()[1].Style.Color, ColorToRGB(clBlue));
    EXPECT_FALSE(t.Runs()[2].Style.Bold);
    // Formatting is no change of the text.
    EXPECT_EQ(Log.count(QStringLiteral("OnChange")), 1);
    // Typed text after a bold caret is bold.
    Edit->SetSelStart(6);
    Edit->SelAttributes()->SetStyle({fsItalic});
    Type(Edit, QStringLiteral("g"));
    EXPECT_EQ(Edit->Text(), QStringLiteral("abcdefg"));
    EXPECT_TRUE(Edit->RichText().Runs().back().Style.Italic);
    EXPECT_EQ(Log.count(QStringLiteral("OnChange")), 2);
}

TEST_F(RichEditFormat, TextWithoutWindowKeepsItsFormatting)
{
    auto* loose = new TRichEdit(Form);
    loose->SetRichText(Sample());
    EXPECT_TRUE(loose->RichText() == Sample());
    loose->SetParent(Form);
    EXPECT_TRUE(loose->RichText() == Sample());
    loose->SetRtf("not rtf \xe9");
    EXPECT_EQ(loose->Text(), QStringLiteral("not rtf \u00e9"));
}

} // namespace

TEST_F(RichEditFormat, TheContentAsksForItsSizeAsItGrows)
{
    std::vector<int> heights;
    Edit->OnResizeRequest = [&](TObject* Sender, const TRect& Rect) {
        EXPECT_EQ(Sender, Edit);
        EXPECT_EQ(Rect.Left, 0);
        EXPECT_EQ(Rect.Top, 0);
        heights.push_back(Rect.Bottom);
    };
    Edit->SetText(QStringLiteral("one"));
    heights.clear();
    Edit->SetText(QStringLiteral("one\ntwo\nthree"));
    ASSERT_FALSE(heights.empty());
    const int three = heights.back();
    Edit->SetText(QStringLiteral("one"));
    ASSERT_FALSE(heights.empty());
    EXPECT_LT(heights.back(), three);
}
