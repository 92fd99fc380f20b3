#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

QStringList AllXmlCells(TProStringGrid& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(c, r);
    return texts;
}

} // namespace

TEST(ProStringGridXml, WrittenByHand)
{
    QTemporaryDir dir;
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    g.SetCells(0, 0, "a&b");
    g.SetCells(1, 0, "<\"x\">");
    g.SetCells(0, 1, QStringLiteral("Zürich Ω"));
    g.SetCells(1, 1, "1\r\n2");
    TStringList names;
    names.Add("Name");
    names.Add("Value");
    const QString path = dir.filePath("g.xml");
    g.SaveToXML(path, "Rows", "Row", &names, true);
    EXPECT_EQ(QString::fromLatin1(ReadBytes(path)), QString::fromLatin1("<?xml version=\"1.0\" encoding=\"ISO-8859-1\" ?>\r\n<Rows>\r\n"
                                          "<Row>\r\n<Name>a&amp;b</Name>\r\n<Value>&lt;&quot;x&quot;&gt;</Value>\r\n"
                                          "<FIELD2>&quot;&quot;</FIELD2>\r\n</Row>\r\n"
                                          "<Row>\r\n<Name>Z\xFCrich &#937;</Name>\r\n<Value>1&#13;\n2</Value>\r\n"
                                          "<FIELD2>&quot;&quot;</FIELD2>\r\n</Row>\r\n</Rows>\r\n"));
    g.SaveToXML(path, "Rows", "Row", nullptr, false);
    EXPECT_FALSE(ReadBytes(path).contains("FIELD2"));
    g.SetXMLEncoding("UTF-8");
    g.SaveToXML(path, "Rows", "Row");
    EXPECT_TRUE(ReadBytes(path).contains("<FIELD0>Z\xC3\xBCrich \xCE\xA9</FIELD0>"));
}

TEST(ProStringGridXml, SmallGridRoundTrips)
{
    QTemporaryDir dir;
    TProStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetCells(0, 0, "a&b");
    g.SetCells(1, 0, "&lt;");
    g.SetCells(2, 0, "x");
    g.SetCells(1, 1, "merged");
    g.MergeCells(1, 1, 2, 1);
    g.SetCells(0, 2, "line 1\r\nline 2");
    g.SetCells(3, 2, QStringLiteral("Zürich € Ω"));
    g.SetCells(3, 3, "last");
    const QString path = dir.filePath("g.xml");
    g.SaveToXML(path, "List", "Rec");
    TProStringGrid back;
    back.SetCells(2, 1, "stale");
    back.LoadFromXML(path);
    EXPECT_EQ(back.ColCount(), 4);
    EXPECT_EQ(back.RowCount(), 4);
    // The cell covered by the merged range is not written; it keeps its text.
    back.SetCells(2, 1, "");
    QStringList expected = AllXmlCells(g);
    expected[4 + 2] = "";
    EXPECT_EQ(AllXmlCells(back), expected);
}

TEST(ProStringGridXml, FieldNamesBecomeTitles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.xml");
    WriteBytes(path, "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n<L><R><Name>Z\xFCrich</Name><Code>8000</Code></R>"
                     "<R><Name>Bern</Name><Code>\"\"</Code></R></L>");
    TProStringGrid g;
    g.LoadFromXML(path, false, true);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(0, 0), "Name");
    EXPECT_EQ(g.Cells(1, 0), "Code");
    EXPECT_EQ(g.Cells(0, 1), QStringLiteral("Zürich"));
    EXPECT_EQ(g.Cells(1, 2), "");
}

TEST(ProStringGridXml, AttributesAreColumns)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.xml");
    WriteBytes(path, "<L><R id=\"1\" name=\"a&amp;b\"/><R id=\"2\" name=\"c\"/></L>");
    TProStringGrid g;
    g.SetColCount(2);
    g.LoadFromXML(path);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(AllXmlCells(g), (QStringList{"1", "a&b", "2", "c"}));
}

TEST(ProStringGridXml, NestingOnRowsAndStoresOnlyIntoCellsThereAre)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("n.xml");
    // A first record without attributes starts above the first row: its
    // single field and the next record's attribute land there and are
    // dropped; the next record's fields step onto row 0. Empty fields
    // make no cells.
    WriteBytes(path, "<L><R><F>lost</F></R><R k=\"v\"><A>1</A><B>2</B></R><R><E/><E/><E/><E/><E/></R></L>");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(1);
    g.SetFixedRows(0);
    g.LoadFromXML(path, true, false);
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(AllXmlCells(g), (QStringList{"", "1", "2"}));
}

TEST(ProStringGridXml, BadFilesChangeNothing)
{
    QTemporaryDir dir;
    TProStringGrid g;
    g.SetCells(1, 1, "keep");
    EXPECT_EQ(MessageOf<Exception>([&] { g.LoadFromXML(dir.filePath("none.xml")); }), "XML file not found");
    WriteBytes(dir.filePath("bad.xml"), "<L>\n<R><F>x</F></R>\n<R><F>y</R>\n</L>");
    const QString msg = MessageOf<Exception>([&] { g.LoadFromXML(dir.filePath("bad.xml")); });
    EXPECT_TRUE(msg.startsWith("XMLDOM Parsing error")) << msg.toStdString();
    EXPECT_TRUE(msg.endsWith("on line 3")) << msg.toStdString();
    EXPECT_EQ(g.Cells(1, 1), "keep");
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.SaveToXML(dir.filePath("no/dir/x.xml"), "L", "R"); }),
              "Cannot Create file " + dir.filePath("no/dir/x.xml"));
}
