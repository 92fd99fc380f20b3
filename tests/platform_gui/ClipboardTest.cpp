#include "platform/services/Clipboard.h"
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <gtest/gtest.h>

namespace {

TEST(Clipboard, TextRoundTrip)
{
    const QString text = QString::fromUtf8("Name\tWert\r\n\xC3\xA4 \xE2\x82\xAC");
    Clipboard()->SetAsText(text);
    EXPECT_EQ(Clipboard()->AsText(), text);
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_TRUE(Clipboard()->HasFormat(CF_UNICODETEXT));
    EXPECT_EQ(Clipboard()->GetAsHandle(CF_TEXT), QByteArray("Name\tWert\r\n\xE4 \x80"));
    const QByteArray utf16 = Clipboard()->GetAsHandle(CF_UNICODETEXT);
    ASSERT_EQ(utf16.size(), text.size() * 2);
    EXPECT_EQ(uchar(utf16[utf16.size() - 2]), 0xAC);
    EXPECT_EQ(uchar(utf16[utf16.size() - 1]), 0x20);

    Clipboard()->SetAsHandle(CF_UNICODETEXT, utf16);
    EXPECT_EQ(Clipboard()->AsText(), text);
    Clipboard()->SetAsHandle(CF_TEXT, "caf\xE9");
    EXPECT_EQ(Clipboard()->AsText(), QString::fromUtf8("caf\xC3\xA9"));
}

TEST(Clipboard, PrivateFormatTravelsWithTextInOneContent)
{
    const unsigned cells = RegisterClipboardFormat("TProStringGrid Cells");
    EXPECT_GE(cells, 0xC000u);
    EXPECT_EQ(RegisterClipboardFormat("tprostringgrid cells"), cells);
    EXPECT_EQ(GetClipboardFormatName(cells), "TProStringGrid Cells");
    static const char raw[] = "\x02\x00\x00\x00row\0col\xFF";
    const QByteArray data(raw, sizeof raw - 1);

    Clipboard()->Open();
    Clipboard()->SetAsHandle(cells, data);
    Clipboard()->SetAsText("a\tb");
    EXPECT_TRUE(Clipboard()->HasFormat(cells)) << "an open clipboard shows what was set";
    Clipboard()->Close();

    EXPECT_EQ(Clipboard()->GetAsHandle(cells), data);
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(mime);
    EXPECT_EQ(mime->data("application/x-TProStringGrid Cells"), data);

    // Without Open each format replaces the content.
    Clipboard()->SetAsText("only text");
    EXPECT_FALSE(Clipboard()->HasFormat(cells));
    EXPECT_EQ(Clipboard()->GetAsHandle(cells), QByteArray());

    Clipboard()->Clear();
    EXPECT_FALSE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->AsText(), "");
}

TEST(Clipboard, NamedFormatsMapToMimeTypes)
{
    struct Case {
        QString name;
        QString mime;
    } cases[] = {
        {"Rich Text Format", "text/rtf"},
        {"HTML Format", "text/html"},
        {"TProStringGrid Cells", "application/x-TProStringGrid Cells"},
    };
    for (const Case& c : cases) {
        const unsigned id = RegisterClipboardFormat(c.name);
        EXPECT_EQ(ClipboardFormatMimeType(id), c.mime) << c.name.toStdString();
        Clipboard()->SetAsHandle(id, "{\\rtf1 x}");
        EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(c.mime)) << c.name.toStdString();
        EXPECT_EQ(Clipboard()->GetAsHandle(id), "{\\rtf1 x}") << c.name.toStdString();
    }
    EXPECT_EQ(RegisterClipboardFormat(""), 0u);
    EXPECT_EQ(ClipboardFormatMimeType(0xBFFF), "");
    EXPECT_FALSE(Clipboard()->HasFormat(0xFFFF));
    EXPECT_EQ(Clipboard()->GetAsHandle(0xFFFF), QByteArray());
}

} // namespace
