#include "../support/QStringPrinter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/services/Shell.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

// 3 x 3, one fixed row: headers, a bold cell, a two-line cell, a cell
// merged over two rows, an empty cell and non-ASCII text.
void FillHtml(TProStringGrid& g)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetFixedCols(0);
    g.SetFixedRows(1);
    g.SetFixedColor(TColor(0xE0C0A0));
    g.SetCells(0, 0, "Name");
    g.SetCells(1, 0, "Wert");
    g.SetCells(2, 0, "M");
    g.SetCells(0, 1, "a&b");
    g.SetFontStyles(0, 1, TFontStyles{} + fsBold);
    g.SetCells(1, 1, "x\r\ny");
    g.SetCells(2, 1, "m");
    g.MergeCells(2, 1, 1, 2);
    g.SetCells(1, 2, QStringLiteral("Zürich Ω"));
}

// A cell with properties has a background of its own; merging gives the
// base cell properties.
const char* Styles = "<style>\r\n"
                     ".c0 {background-color: #A0C0E0;color: #000000;font-size:8pt;font-family: Tahoma;"
                     "vertical-align: top}\r\n"
                     ".c1 {background-color: #FFFFFF;color: #000000;font-size:8pt;font-weight: bold;"
                     "font-family: Tahoma;vertical-align: top}\r\n"
                     ".c2 {color: #000000;font-size:8pt;font-family: Tahoma;vertical-align: top}\r\n"
                     ".c3 {background-color: #FFFFFF;color: #000000;font-size:8pt;font-family: Tahoma;"
                     "vertical-align: top}\r\n"
                     "</style>\r\n";

} // namespace

TEST(ProStringGridHtml, TableWorkedOutByHand)
{
    TProStringGrid g;
    FillHtml(g);
    const QString expected =
        QString::fromUtf8(Styles) +
        QStringLiteral("<TABLE BORDER=\"1\" CELLSPACING=\"0\" CELLPADDING=\"0\"  WIDTH=\"100%\">\r\n"
                       "<TR><TD class=\"c0\">Name</td><TD class=\"c0\">Wert</td><TD class=\"c0\">M</td></TR>\r\n"
                       "<TR><TD class=\"c1\">a&b</td><TD class=\"c2\">x<br>\ny</td>"
                       "<TD class=\"c3\" ROWSPAN=\"2\">m</td></TR>\r\n"
                       "<TR><TD class=\"c2\">&nbsp;</td><TD class=\"c2\">Zürich Ω</td></TR>\r\n"
                       "</TABLE>\r\n");
    EXPECT_EQ(g.SaveToHTMLString(""), expected);
}

TEST(ProStringGridHtml, FileEncodingsHeaderFooterAndAppend)
{
    QTemporaryDir dir;
    TProStringGrid g;
    FillHtml(g);
    WriteBytes(dir.filePath("head.txt"), "<html>\r\n<body>\r\n");
    WriteBytes(dir.filePath("foot.txt"), "</body></html>");
    g.HTMLSettings()->SetHeaderFile(dir.filePath("head.txt"));
    g.HTMLSettings()->SetFooterFile(dir.filePath("foot.txt"));
    const QString path = dir.filePath("g.html");
    g.SaveToHTML(path);
    const QByteArray ascii = ReadBytes(path);
    EXPECT_TRUE(ascii.startsWith("<html>\r\n<body>\r\n<style>\r\n"));
    EXPECT_TRUE(ascii.contains("Z&#252;rich &#937;</td>"));
    EXPECT_TRUE(ascii.endsWith("</TABLE>\r\n</body></html>\r\n"));

    g.SaveToHTML(path, false, true);
    const QByteArray wide = ReadBytes(path);
    EXPECT_TRUE(wide.startsWith("\xFF\xFE<\0h\0"));
    const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(wide.constData() + 2),
                                            (wide.size() - 2) / 2);
    EXPECT_TRUE(text.contains(QStringLiteral("Zürich Ω</td>")));

    g.HTMLSettings()->SetHeaderFile("");
    g.HTMLSettings()->SetFooterFile("");
    WriteBytes(path, "old line");
    g.AppendToHTML(path);
    EXPECT_TRUE(ReadBytes(path).startsWith("old line\r\n<style>"));
}

TEST(ProStringGridHtml, ShowOpensTheWrittenFile)
{
    QTemporaryDir dir;
    QString opened;
    SetShellOpenHandler([&](const QString& Url) {
        opened = Url;
        return true;
    });
    TProStringGrid g;
    g.SaveToHTML(dir.filePath("a.html"), true);
    SetShellOpenHandler(nullptr);
    EXPECT_TRUE(opened.endsWith("a.html"));
}

struct HtmlCellCase {
    const char* Name;
    const char* Text;
    const char* Cell;
    bool UrlShow = false;
    bool UrlFull = false;
    bool Convert = false;
    bool NonBreaking = false;
};

class HtmlCell : public testing::TestWithParam<HtmlCellCase> {};

TEST_P(HtmlCell, ContentAsTheSettingsSay)
{
    const HtmlCellCase& t = GetParam();
    TProStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    g.SetCells(0, 0, QString::fromUtf8(t.Text));
    g.SetURLShow(t.UrlShow);
    g.SetURLFull(t.UrlFull);
    g.HTMLSettings()->SetConvertSpecialChars(t.Convert);
    g.HTMLSettings()->SetNonBreakingText(t.NonBreaking);
    const QString html = g.SaveToHTMLString("");
    const qsizetype a = html.indexOf(QLatin1String("<TD class=\"c0\">")) + 15;
    EXPECT_EQ(html.mid(a, html.indexOf(QLatin1String("</td>")) - a), QString::fromUtf8(t.Cell));
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGrid, HtmlCell,
    testing::Values(HtmlCellCase{"Blanks", "   ", "&nbsp;"},
                    HtmlCellCase{"Link", "http://x.org/a", "<a href=http://x.org/a>x.org/a</a>", true},
                    HtmlCellCase{"FullLink", "http://x.org/a", "<a href=http://x.org/a>http://x.org/a</a>", true, true},
                    HtmlCellCase{"Mail", "mailto:me@x.org", "<a href=mailto:me@x.org>me@x.org</a>", true},
                    HtmlCellCase{"MarkupIsNoLink", "<b>http://x</b>", "<b>http://x</b>", true},
                    HtmlCellCase{"Escaped", "a<b & \"c\"", "a&lt;b &amp; &quot;c&quot;", false, false, true},
                    HtmlCellCase{"NonBreaking", "a b", "a&nbsp;b", false, false, false, true}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProStringGridHtml, MergedRangeOnceSharedClassesAndWidths)
{
    TProStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    g.MergeCells(1, 1, 2, 3);
    g.SetCells(1, 1, "big");
    g.HTMLSettings()->ColWidths()->Add(30);
    g.HTMLSettings()->ColWidths()->Add(40);
    g.HTMLSettings()->SetXHTML(true);
    g.HTMLSettings()->SetSummary("S");
    const QString html = g.SaveToHTMLString("");
    EXPECT_TRUE(html.startsWith("<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<!DOCTYPE html PUBLIC"));
    EXPECT_TRUE(html.endsWith("</TABLE>\r\n</HTML>\r\n"));
    EXPECT_TRUE(html.contains("SUMMARY=\"S\"  WIDTH=\"100%\">"));
    EXPECT_TRUE(html.contains("<TR><TD class=\"c0\" width=30>&nbsp;</td>"
                              "<TD class=\"c1\" COLSPAN=\"2\" ROWSPAN=\"3\" width=40>big</td>"
                              "<TD class=\"c0\">&nbsp;</td></TR>"));
    EXPECT_TRUE(html.contains("<TR><TD class=\"c0\" width=30>&nbsp;</td><TD class=\"c0\">&nbsp;</td></TR>"));
    EXPECT_FALSE(html.contains(".c2"));
}
