#include "../support/ExceptionMessage.h"
#include "../support/FileBytes.h"
#include "../support/JetWriter.h"
#include "../support/QStringPrinter.h"
#include "platform/services/office/Automation.h"
#include "platform/services/office/OfficePackage.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Automation;

namespace {

QByteArray Part(const QString& file, const QString& name)
{
    Detail::TZipPackage zip(ReadBytes(file), file);
    return zip.Has(name) ? zip.Read(name) : QByteArray("<missing>");
}

// A workbook made by hand: sheet "Keep" with a formula, a shared string and
// a date style, sheet "Plan" with a number, and a calculation chain.
QByteArray HandMadeWorkbook()
{
    const QByteArray ct =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
        "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
        "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
        "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet1.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
        "<Override PartName=\"/xl/worksheets/sheet2.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
        "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
        "<Override PartName=\"/xl/styles.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.styles+xml\"/>"
        "<Override PartName=\"/xl/calcChain.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml\"/>"
        "</Types>";
    const QByteArray rels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/>"
        "</Relationships>";
    const QByteArray wb =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<bookViews><workbookView activeTab=\"1\"/></bookViews>"
        "<sheets><sheet name=\"Keep\" sheetId=\"1\" r:id=\"rId1\"/><sheet name=\"Plan\" sheetId=\"2\" r:id=\"rId2\"/></sheets>"
        "<definedNames><definedName name=\"Local\" localSheetId=\"1\">Plan!$A$1</definedName></definedNames>"
        "</workbook>";
    const QByteArray wbRels =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/sheet2.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
        "<Relationship Id=\"rId4\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles\" Target=\"styles.xml\"/>"
        "<Relationship Id=\"rId5\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain\" Target=\"calcChain.xml\"/>"
        "</Relationships>";
    const QByteArray sheet1 =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
        "<row r=\"2\"><c r=\"B2\" t=\"s\"><v>0</v></c><c r=\"C2\"><v>2</v></c><c r=\"D2\"><f>C2*2</f><v>4</v></c></row>"
        "<row r=\"3\"><c r=\"B3\" s=\"1\"><v>46367</v></c><c r=\"C3\" t=\"b\"><v>1</v></c><c r=\"D3\" t=\"e\"><v>#N/A</v></c></row>"
        "</sheetData></worksheet>";
    const QByteArray sheet2 =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
        "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>a_x000B_b</t></is></c></row>"
        "</sheetData></worksheet>";
    const QByteArray sst =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" count=\"1\" uniqueCount=\"1\">"
        "<si><r><t>Gr</t></r><r><t>\xC3\xBC\xC3\x9F</t></r><rPh><t>x</t></rPh></si></sst>";
    const QByteArray styles =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
        "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts>"
        "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>";
    const QByteArray calc =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
        "<calcChain xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><c r=\"D2\" i=\"1\"/></calcChain>";
    return Detail::WriteZip({{"[Content_Types].xml", ct},
                             {"_rels/.rels", rels},
                             {"xl/workbook.xml", wb},
                             {"xl/_rels/workbook.xml.rels", wbRels},
                             {"xl/worksheets/sheet1.xml", sheet1},
                             {"xl/worksheets/sheet2.xml", sheet2},
                             {"xl/sharedStrings.xml", sst},
                             {"xl/styles.xml", styles},
                             {"xl/calcChain.xml", calc}});
}

struct RefCase {
    const char* Name;
    int Column;
    const char* Letters;
};

class ColumnLetterCase : public ::testing::TestWithParam<RefCase> {};

} // namespace

TEST_P(ColumnLetterCase, GoesBothWays)
{
    const RefCase& k = GetParam();
    EXPECT_EQ(ColumnLetters(k.Column), QString::fromLatin1(k.Letters));
    int row = 0, col = 0;
    ASSERT_TRUE(ParseCellRef(QStringLiteral("$%1$7").arg(k.Letters), row, col));
    EXPECT_EQ(col, k.Column);
    EXPECT_EQ(row, 7);
}

INSTANTIATE_TEST_SUITE_P(
    Automation, ColumnLetterCase,
    ::testing::Values(RefCase{"A", 1, "A"}, RefCase{"Z", 26, "Z"}, RefCase{"AA", 27, "AA"},
                      RefCase{"AD", 30, "AD"}, RefCase{"AZ", 52, "AZ"}, RefCase{"BA", 53, "BA"},
                      RefCase{"ZZ", 702, "ZZ"}, RefCase{"AAA", 703, "AAA"},
                      RefCase{"XFD", 16384, "XFD"}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(Automation, RangeReferencesAndBadOnes)
{
    int r1, c1, r2, c2;
    ASSERT_TRUE(ParseRangeRef("b2:d10", r1, c1, r2, c2));
    EXPECT_EQ(RangeAddress(r1, c1, r2, c2), "$B$2:$D$10");
    EXPECT_EQ(RangeAddress(2, 2, 2, 2), "$B$2");
    for (const char* bad : {"", "1A", "A0", "A1B", "$$A1", "A", "A1:", "A1:B"})
        EXPECT_FALSE(ParseRangeRef(QString::fromLatin1(bad), r1, c1, r2, c2)) << bad;
}

TEST(Automation, OoxmlTextEscapesRoundTrip)
{
    for (const QString& s : {QStringLiteral("a\x01" "b"), QStringLiteral("_x0041_ stays"), QStringLiteral("plain")}) {
        EXPECT_EQ(Detail::UnescapeOoxmlText(Detail::EscapeOoxmlText(s)), s);
    }
    EXPECT_EQ(Detail::EscapeOoxmlText(QStringLiteral("a\x0B" "b")), "a_x000B_b");
}

TEST(Automation, ReadsCellKindsOfAPackage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("hand.xlsx");
    WriteBytes(path, HandMadeWorkbook());
    auto app = CreateSheetApplication();
    TWorkbook* book = app->OpenWorkbook(path);
    ASSERT_EQ(book->SheetCount(), 2);
    EXPECT_EQ(book->ActiveSheet()->Name(), "Plan");
    TWorksheet* keep = book->Sheet(1);
    EXPECT_EQ(keep->UsedRangeAddress(), "$B$2:$D$3");
    EXPECT_EQ(keep->Cell(2, 2).ToText(), QString::fromUtf8("Grüß"));
    EXPECT_EQ(keep->Cell(2, 4).ToText(), "4");
    EXPECT_EQ(keep->Cell(3, 2).Kind, TOleValue::vkDate);
    EXPECT_EQ(keep->Cell(3, 2).ToText(), "11/12/2026");
    EXPECT_EQ(keep->Cell(3, 3).ToText(), "True");
    EXPECT_EQ(keep->Cell(3, 4).Kind, TOleValue::vkError);
    EXPECT_EQ(book->Sheet(2)->Cell(1, 1).ToText(), QStringLiteral("a\x0B" "b"));
    app->Quit();
}

// Writing into one sheet of an existing package touches only that sheet's
// part and the parts that list the sheets; the calculation chain goes.
TEST(Automation, WritingASheetKeepsEveryOtherPart)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("hand.xlsx");
    WriteBytes(path, HandMadeWorkbook());
    auto app = CreateSheetApplication();
    TWorkbook* book = app->OpenWorkbook(path);
    book->Sheet(2)->SetRangeValue("B1:C1", {{TOleValue::FromString("12.5"), TOleValue::FromString("text")}});
    TWorksheet* added = book->AddSheet();
    added->SetName("New");
    added->SetCell(1, 1, TOleValue::FromString("x"));
    book->Save();
    app->Quit();

    const QByteArray original = HandMadeWorkbook();
    const QString orig = dir.filePath("orig.xlsx");
    WriteBytes(orig, original);
    for (const char* kept : {"xl/worksheets/sheet1.xml", "xl/sharedStrings.xml", "xl/styles.xml"})
        EXPECT_EQ(Part(path, kept), Part(orig, kept)) << kept;
    EXPECT_EQ(Part(path, "xl/calcChain.xml"), "<missing>");
    EXPECT_FALSE(Part(path, "[Content_Types].xml").contains("calcChain"));
    EXPECT_TRUE(Part(path, "xl/worksheets/sheet3.xml").contains("inlineStr"));
    // The new sheet went before the active one; the sheet-local name follows its sheet.
    const QByteArray wb = Part(path, "xl/workbook.xml");
    EXPECT_LT(wb.indexOf("name=\"New\""), wb.indexOf("name=\"Plan\""));
    EXPECT_TRUE(wb.contains("localSheetId=\"2\"")) << wb.constData();

    auto again = CreateSheetApplication();
    TWorkbook* back = again->OpenWorkbook(path);
    ASSERT_EQ(back->SheetCount(), 3);
    EXPECT_EQ(back->Sheet(2)->Name(), "New");
    EXPECT_EQ(back->Sheet(3)->Cell(1, 2).Kind, TOleValue::vkNumber);
    EXPECT_EQ(back->Sheet(3)->Cell(1, 3).ToText(), "text");
    EXPECT_EQ(back->Sheet(3)->Cell(1, 1).ToText(), QStringLiteral("a\x0B" "b"));
    EXPECT_EQ(back->Sheet(1)->Cell(2, 4).ToText(), "4");
    again->Quit();
}

TEST(Automation, ReadsALegacyWorkbook)
{
    auto app = CreateSheetApplication();
    TWorkbook* book = app->OpenWorkbook(QStringLiteral(STRATAGON_TEST_DATA "/office/small.xls"));
    ASSERT_EQ(book->SheetCount(), 2);
    TWorksheet* data = book->Sheet(1);
    EXPECT_EQ(data->Name(), "Data");
    EXPECT_EQ(data->UsedRangeAddress(), "$A$1:$C$3");
    EXPECT_EQ(data->Cell(2, 2).ToText(), "12");
    EXPECT_EQ(data->Cell(2, 3).ToText(), "11/12/2026");
    EXPECT_EQ(data->Cell(3, 1).ToText(), QString::fromUtf8("Nüt"));
    EXPECT_EQ(book->Sheet(2)->UsedRangeAddress(), "$B$2");
    EXPECT_NE(MessageOf<EOleException>([&] { book->Save(); }).indexOf("binary .xls"), -1);
    app->Quit();
}

TEST(Automation, UnsupportedFormatsAreNamed)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.xlsx");
    WriteBytes(text, "just text");
    auto sheets = CreateSheetApplication();
    EXPECT_NE(MessageOf<EOleException>([&] { sheets->OpenWorkbook(text); }).indexOf("is no workbook"), -1);
    TWorkbook* book = sheets->AddWorkbook();
    EXPECT_NE(MessageOf<EOleException>([&] { book->SaveAs(dir.filePath("out.xls")); }).indexOf("binary .xls"), -1);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.xls")));
    sheets->Quit();

    auto words = CreateWordApplication();
    EXPECT_NE(MessageOf<EOleException>([&] { words->OpenDocument(STRATAGON_TEST_DATA "/office/small.xls"); })
                  .indexOf("Binary .doc"), -1);
    TWordDocument* doc = words->AddDocument();
    EXPECT_NE(MessageOf<EOleException>([&] { doc->SaveAs(dir.filePath("out.doc")); }).indexOf("binary .doc"), -1);
    words->Quit();

    TAdoConnection connection;
    EXPECT_NE(MessageOf<EOleException>([&] { connection.Open("DBQ=" + text); }).indexOf("no Access database"), -1);

    SetServerAvailable("excel.application", false);
    EXPECT_EQ(MessageOf<EOleSysError>([] { CreateSheetApplication(); }), "Invalid class string");
    SetServerAvailable("excel.application", true);
}

TEST(Automation, RunningApplicationIsTheLastNotQuit)
{
    EXPECT_EQ(ActiveSheetApplication(), nullptr);
    auto first = CreateSheetApplication();
    EXPECT_EQ(ActiveSheetApplication(), first);
    first->Quit();
    EXPECT_EQ(ActiveSheetApplication(), nullptr);
}

TEST(Automation, DocumentTableAtABookmarkSplitsItsParagraph)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.docx");
    auto words = CreateWordApplication();
    TWordDocument* doc = words->AddDocument();
    doc->TypeText("Before");
    doc->TypeParagraph();
    doc->SaveAs(path);
    words->Quit();

    // Put a bookmark between two runs of a paragraph, by hand.
    Detail::TZipPackage zip(ReadBytes(path), path);
    QByteArray xml = zip.Read("word/document.xml");
    xml.replace("<w:sectPr>", "<w:p><w:r><w:t>Head</w:t></w:r><w:bookmarkStart w:id=\"0\" w:name=\"Here\"/>"
                              "<w:bookmarkEnd w:id=\"0\"/><w:r><w:t>Tail</w:t></w:r></w:p><w:sectPr>");
    WriteBytes(path, zip.Rewrite({{"word/document.xml", xml}}, {}, {}));

    auto again = CreateWordApplication();
    TWordDocument* opened = again->OpenDocument(path);
    ASSERT_TRUE(opened->BookmarkExists("Here"));
    TWordTable* table = opened->AddTable({TWordRange::rkBookmark, "Here"}, 1, 2);
    table->CellInsertAfter(1, 1, "L1\nL2");
    table->CellInsertAfter(1, 2, "R");
    table->SetCellAlignment(1, 2, 2);
    opened->SaveAs(path);
    again->Quit();

    const QByteArray out = Detail::TZipPackage(ReadBytes(path), path).Read("word/document.xml");
    const int head = out.indexOf(">Head<"), tbl = out.indexOf("<w:tbl>"), tail = out.indexOf(">Tail<");
    EXPECT_TRUE(head >= 0 && head < tbl && tbl < tail) << out.constData();
    EXPECT_TRUE(out.contains("<w:t>L1</w:t></w:r></w:p><w:p><w:r><w:t>L2</w:t>"));
    EXPECT_TRUE(out.contains("<w:jc w:val=\"right\"/>"));
}

// The fixture writer and the record set agree with mdbtools' own programs.
TEST(Automation, RecordSetReadsAnAccessTable)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("parts.mdb");
    using JetWriter::TColumnType;
    WriteBytes(path, JetWriter::WriteDatabase(
                         "Parts",
                         {{"Name", TColumnType::Text}, {"Qty", TColumnType::Long}, {"Price", TColumnType::Double}},
                         {{QString("Bolt"), 12, 0.5}, {QString::fromUtf8("Nüt"), QVariant(), 2.25}}));
    QProcess tables;
    tables.start("mdb-tables", {"-1", path});
    ASSERT_TRUE(tables.waitForFinished(10000));
    EXPECT_EQ(tables.readAllStandardOutput().trimmed(), "Parts");
    QProcess exported;
    exported.start("mdb-export", {path, "Parts"});
    ASSERT_TRUE(exported.waitForFinished(10000));
    EXPECT_EQ(QString::fromUtf8(exported.readAllStandardOutput()),
              QString::fromUtf8("Name,Qty,Price\n\"Bolt\",12,0.5\n\"Nüt\",,2.25\n"));

    TAdoConnection connection;
    connection.Open("Driver={Microsoft Access Driver (*.mdb)};DBQ=" + path);
    TAdoRecordSet records;
    records.ActiveConnection = &connection;
    records.Open("SELECT Name, Price FROM Parts WHERE Price > 1");
    ASSERT_EQ(records.FieldCount(), 2);
    EXPECT_EQ(records.FieldName(1), "Price");
    ASSERT_EQ(records.RecordCount(), 1);
    EXPECT_EQ(records.FieldValue(0), QString::fromUtf8("Nüt"));
    EXPECT_EQ(records.FieldValue(1), "2.25");
    records.MoveNext();
    EXPECT_TRUE(records.Eof());
    EXPECT_NE(MessageOf<EOleException>([&] { records.Open("SELECT * FROM Missing"); }).indexOf("query failed"), -1);
}
