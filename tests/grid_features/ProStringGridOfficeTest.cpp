#include "../support/ExceptionMessage.h"
#include "../support/FileBytes.h"
#include "../support/JetWriter.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Control.h"
#include "platform/controls/Screen.h"
#include "platform/rtl/StringList.h"
#include "platform/services/office/Automation.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Automation;

namespace {

QByteArray UnzipPart(const QString& file, const QString& part)
{
    QProcess p;
    p.start("unzip", {"-p", file, part});
    p.waitForFinished(10000);
    return p.readAllStandardOutput();
}

void Fill(TProStringGrid& g, int cols, int rows)
{
    g.SetColCount(cols);
    g.SetRowCount(rows);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            g.SetCells(c, r, QStringLiteral("%1%2").arg(QChar(u'a' + c)).arg(r));
}

QString SheetRange(const QString& file, int sheet)
{
    auto app = CreateSheetApplication();
    QString a = app->OpenWorkbook(file)->Sheet(sheet)->UsedRangeAddress();
    app->Quit();
    return a;
}

class ProStringGridOffice : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Nothing may stay running or keep the hourglass.
        if (auto app = ActiveSheetApplication())
            app->Quit();
        EXPECT_EQ(Screen->Cursor(), crDefault);
    }
    QTemporaryDir Dir;
};

} // namespace

TEST_F(ProStringGridOffice, WorkbookRoundTripKeepsValues)
{
    const QString path = Dir.filePath("grid.xlsx");
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetCells(0, 0, QString::fromUtf8("Größe"));
    g.SetCells(1, 0, "12.5");
    g.SetCells(2, 0, "two\r\nlines");
    g.SetCells(0, 1, "merged");
    g.MergeCells(0, 1, 2, 1);
    g.SetCells(2, 2, "-3");
    g.SaveToXLS(path);

    std::unique_ptr<TStringList> sheets(g.GetXLSSheets(path));
    EXPECT_EQ(sheets->CommaText(), "Sheet1");

    TProStringGrid back;
    back.LoadFromXLS(path);
    ASSERT_EQ(back.ColCount(), 3);
    ASSERT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.Cells(0, 0), QString::fromUtf8("Größe"));
    EXPECT_EQ(back.Cells(1, 0), "12.5");
    EXPECT_EQ(back.Cells(2, 0), "two\nlines");
    EXPECT_EQ(back.Cells(0, 1), "merged");
    EXPECT_EQ(back.Cells(2, 2), "-3");
    EXPECT_EQ(back.Cells(1, 1), g.Cells(1, 1)); // a merged cell saves as the grid reads it
}

TEST_F(ProStringGridOffice, AddedSheetKeepsTheOtherSheets)
{
    const QString path = Dir.filePath("book.xlsx");
    TProStringGrid first;
    Fill(first, 2, 2);
    first.SaveToXLSSheet(path, "First");
    TProStringGrid second;
    Fill(second, 3, 1);
    second.SetCells(0, 0, "other");
    second.SaveToXLSSheet(path, "Second");

    std::unique_ptr<TStringList> sheets(first.GetXLSSheets(path));
    EXPECT_EQ(sheets->CommaText(), "Second,First,Sheet1");
    TProStringGrid back;
    back.LoadFromXLSSheet(path, "First");
    EXPECT_EQ(back.Cells(1, 1), "b1");
    back.LoadFromXLSSheet(path, "Second");
    EXPECT_EQ(back.Cells(0, 0), "other");
    EXPECT_EQ(back.ColCount(), 3);
    EXPECT_EQ(MessageOf<EProGridError>([&] { back.LoadFromXLSSheet(path, "Third"); }),
              "Excel worksheet Third not found");
}

TEST_F(ProStringGridOffice, UsedRangeWithFixedCellsLeftFree)
{
    const QString path = Dir.filePath("range.xlsx");
    TProStringGrid src;
    Fill(src, 3, 3);
    src.SaveToXLS(path);
    EXPECT_EQ(SheetRange(path, 1), "$A$1:$C$3");

    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetSaveFixedCells(false);
    g.LoadFromXLS(path);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.FixedCols(), 1);
    EXPECT_EQ(g.Cells(1, 1), "a0");
    EXPECT_EQ(g.Cells(3, 3), "c2");
}

TEST_F(ProStringGridOffice, LegacyWorkbookSheetsAndASingleCell)
{
    const QString xls = QStringLiteral(STRATAGON_TEST_DATA "/office/small.xls");
    TProStringGrid g;
    std::unique_ptr<TStringList> sheets(g.GetXLSSheets(xls));
    EXPECT_EQ(sheets->CommaText(), "Data,Other");
    g.LoadFromXLSSheet(xls, "Data");
    EXPECT_EQ(g.Cells(0, 0), "Name");
    EXPECT_EQ(g.Cells(1, 2), "2.5");
    EXPECT_EQ(g.Cells(2, 1), "11/12/2026");
    g.LoadFromXLSSheet(xls, "Other");
    EXPECT_EQ(g.ColCount(), 1);
    EXPECT_EQ(g.RowCount(), 1);
    EXPECT_EQ(g.Cells(0, 0), "B2 only");
}

TEST_F(ProStringGridOffice, WideGridsTargetTheirLastColumn)
{
    for (int cols : {30, 52, 703}) {
        const QString path = Dir.filePath(QStringLiteral("wide%1.xlsx").arg(cols));
        TProStringGrid g;
        Fill(g, cols, 2);
        g.SaveToXLS(path);
        EXPECT_EQ(SheetRange(path, 1), QStringLiteral("$A$1:$%1$2").arg(ColumnLetters(cols)));
    }
}

TEST_F(ProStringGridOffice, IntoTheActiveSheetOfARunningApplication)
{
    const QString path = Dir.filePath("running.xlsx");
    auto running = CreateSheetApplication();
    TWorkbook* book = running->AddWorkbook();
    book->ActiveSheet()->SetCell(1, 1, TOleValue::FromString("kept"));
    running->ActiveCellRow = 5;

    TProStringGrid g;
    Fill(g, 2, 2);
    g.SaveToXLS(path, false);
    EXPECT_EQ(running->WorkbookCount(), 1); // still open, still running
    EXPECT_EQ(ActiveSheetApplication(), running);
    running->Quit();
    EXPECT_EQ(SheetRange(path, 1), "$A$1:$B$6");
    TProStringGrid back;
    back.LoadFromXLS(path);
    EXPECT_EQ(back.Cells(0, 0), "kept");
    EXPECT_EQ(back.Cells(0, 4), "a0");
    EXPECT_EQ(back.Cells(1, 5), "b1");
}

TEST_F(ProStringGridOffice, DamagedWorkbookIsReportedAndLeftAsItWas)
{
    const QString path = Dir.filePath("damaged.xlsx");
    WriteBytes(path, "PK\x03\x04 not really a package");
    TProStringGrid g;
    Fill(g, 2, 2);
    EXPECT_NE(MessageOf<EOleException>([&] { g.SaveToXLSSheet(path, "Data"); }).indexOf("no valid package"), -1);
    EXPECT_EQ(ReadBytes(path), QByteArray("PK\x03\x04 not really a package"));
    EXPECT_EQ(g.Cells(1, 1), "b1");
}

TEST_F(ProStringGridOffice, MissingApplicationsAreNamed)
{
    TProStringGrid g;
    Fill(g, 1, 1);
    SetServerAvailable("excel.application", false);
    SetServerAvailable("word.application", false);
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.LoadFromXLS(Dir.filePath("x.xlsx")); }), "Excel OLE server not found");
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.SaveToXLS(Dir.filePath("x.xlsx")); }), "Excel OLE server not found");
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.SaveToDOC(Dir.filePath("x.docx")); }), "Word OLE server not found");
    SetServerAvailable("excel.application", true);
    SetServerAvailable("word.application", true);
    EXPECT_FALSE(QFile::exists(Dir.filePath("x.xlsx")));
}

TEST_F(ProStringGridOffice, DocumentTableAndAppendAfterTheLastLine)
{
    const QString path = Dir.filePath("grid.docx");
    TProStringGrid g;
    Fill(g, 2, 2);
    g.SetCells(1, 1, "42");
    g.SetDefaultAlignment(taRightJustify);
    g.SaveToDOC(path);
    QByteArray xml = UnzipPart(path, "word/document.xml");
    EXPECT_EQ(xml.count("<w:tbl>"), 1);
    EXPECT_EQ(xml.count("<w:tr>"), 2);
    EXPECT_TRUE(xml.contains("<w:t>42</w:t>"));
    EXPECT_TRUE(xml.contains("<w:jc w:val=\"right\"/>"));

    TProStringGrid more;
    Fill(more, 1, 1);
    more.SetCells(0, 0, "appended");
    more.AppendToDoc(path, "NoSuchMark");
    xml = UnzipPart(path, "word/document.xml");
    EXPECT_EQ(xml.count("<w:tbl>"), 2);
    EXPECT_GT(xml.indexOf("appended"), xml.lastIndexOf("<w:t>42</w:t>"));
    EXPECT_GT(xml.indexOf("<w:sectPr>"), xml.indexOf("appended"));
}

TEST_F(ProStringGridOffice, AccessTableBySqlAndByName)
{
    const QString path = Dir.filePath("parts.mdb");
    using JetWriter::TColumnType;
    WriteBytes(path, JetWriter::WriteDatabase(
                         "Parts", {{"Name", TColumnType::Text}, {"Qty", TColumnType::Long}},
                         {{QString("Bolt"), 12}, {QString("Nut"), QVariant()}, {QString("Pin"), 3}}));
    TProStringGrid g;
    g.SetColCount(5);
    g.SetRowCount(9);
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.LoadFromMDBTable(path, "Parts");
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(1, 0), "Name");
    EXPECT_EQ(g.Cells(2, 0), "Qty");
    EXPECT_EQ(g.Cells(1, 3), "Pin");
    EXPECT_EQ(g.Cells(2, 2), "");

    g.LoadFromMDBSQL(path, "SELECT Name FROM Parts WHERE Qty > 100");
    EXPECT_EQ(g.RowCount(), 4); // no rows: the count stays
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_NE(MessageOf<EOleException>([&] { g.LoadFromMDBTable(Dir.filePath("none.mdb"), "Parts"); })
                  .indexOf("no such file"), -1);
}
