#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

QStringList Row(TProStringGrid& g, int ARow)
{
    QStringList texts;
    for (int c = 0; c < g.ColCount(); ++c)
        texts << g.Cells(c, ARow);
    return texts;
}

enum Convention { Standard, Java, Always };

void Apply(TProStringGrid& g, Convention C)
{
    g.SetJavaCSV(C == Java);
    g.SetAlwaysQuotes(C == Always);
}

struct FieldCase {
    const char* Name;
    QString Text;
    Convention Conv;
    QByteArray Written;
};

class CsvField : public ::testing::TestWithParam<FieldCase> {};

} // namespace

// One cell in a 1 x 1 grid, written and read back.
TEST_P(CsvField, IsWrittenAsTheRulesSayAndReadsBack)
{
    const FieldCase& k = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("one.csv");
    TProStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    Apply(g, k.Conv);
    g.SetCells(0, 0, k.Text);
    g.SaveToCSV(path);
    EXPECT_EQ(ReadBytes(path), k.Written + "\r\n");

    TProStringGrid back;
    back.SetColCount(1);
    back.SetRowCount(1);
    Apply(back, k.Conv);
    back.SetCells(0, 0, "old");
    back.LoadFromCSV(path);
    EXPECT_EQ(back.Cells(0, 0), k.Text);
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridCsv, CsvField,
    ::testing::Values(
        FieldCase{"Plain", "abc", Standard, "abc"},
        FieldCase{"SeparatorQuoted", "a,b", Standard, "\"a,b\""},
        FieldCase{"QuotesDoubled", "say \"hi\"", Standard, "\"say \"\"hi\"\"\""},
        FieldCase{"QuotesAndSeparator", "x\",y", Standard, "\"x\"\",y\""},
        FieldCase{"TwoLinesAsVerticalTab", "a\r\nb", Standard, "\"a\x0B" "b\""},
        FieldCase{"EmptyAsTwoQuotes", "", Standard, "\"\""},
        FieldCase{"JavaEmptyAsCaret", "", Java, "^"},
        FieldCase{"JavaTwoLinesAsTilde", "a\r\nb", Java, "a~b"},
        FieldCase{"JavaSeparatorQuoted", "a,b", Java, "\"a,b\""},
        FieldCase{"AlwaysQuotes", "abc", Always, "\"abc\""},
        FieldCase{"AlwaysQuotesEmpty", "", Always, "\"\""},
        // Written with a bare line feed inside the quotes: two physical
        // lines that the reader joins back into one cell.
        FieldCase{"AlwaysQuotesTwoLines", "a\r\nb", Always, "\"a\nb\""},
        FieldCase{"AlwaysQuotesLineEndsInQuote", "say \"hi\"\r\nthere", Always,
                  "\"say \"\"hi\"\"\nthere\""}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ProStringGridCsv, GridRoundTripsInBothEncodingsAndAllConventions)
{
    QTemporaryDir dir;
    const QStringList texts{"Zürich", "", "a,b", "line 1\r\nline 2", "\"q\"", "trail ", "€ 5", "x;y"};
    for (Convention conv : {Standard, Java, Always})
        for (bool unicode : {false, true}) {
            const QString path = dir.filePath(QStringLiteral("g%1%2.csv").arg(conv).arg(unicode));
            TProStringGrid g;
            Apply(g, conv);
            g.SetColCount(4);
            g.SetRowCount(2);
            for (int i = 0; i < texts.size(); ++i)
                g.SetCells(i % 4, i / 4, texts[i]);
            g.SaveToCSV(path, unicode);
            TProStringGrid back;
            Apply(back, conv);
            back.SetColCount(1);
            back.LoadFromCSV(path);
            SCOPED_TRACE(path.toStdString());
            EXPECT_EQ(back.ColCount(), 4);
            EXPECT_EQ(back.RowCount(), 2);
            EXPECT_EQ(Row(back, 0), texts.mid(0, 4));
            EXPECT_EQ(Row(back, 1), texts.mid(4, 4));
        }
}

TEST(ProStringGridCsv, EncodingsOfTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("enc.csv");
    TProStringGrid g;
    g.SetColCount(1);
    g.SetRowCount(1);
    g.SetCells(0, 0, QStringLiteral("é€"));
    g.SaveToCSV(path, false);
    EXPECT_EQ(ReadBytes(path), QByteArray("\xE9\x80\r\n"));
    g.SaveToCSV(path, true);
    EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC\r\n"));

    struct {
        const char* Name;
        QByteArray Bytes;
    } inputs[] = {
        {"Windows-1252", "\xE9\x80;b\r\n"},
        {"UTF-8 with mark", "\xEF\xBB\xBF\xC3\xA9\xE2\x82\xAC;b\r\n"},
        {"UTF-16 with mark", QByteArray("\xFF\xFE\xE9\x00\xAC\x20;\x00" "b\x00\r\x00\n\x00", 14)},
    };
    for (const auto& in : inputs) {
        SCOPED_TRACE(in.Name);
        WriteBytes(path, in.Bytes);
        TProStringGrid back;
        back.LoadFromCSV(path);
        EXPECT_EQ(back.Cells(0, 0), QStringLiteral("é€"));
        EXPECT_EQ(back.Cells(1, 0), "b");
    }
}

struct DetectCase {
    const char* Name;
    QByteArray Input;
    QStringList FirstRow;
};

class CsvDetect : public ::testing::TestWithParam<DetectCase> {};

TEST_P(CsvDetect, SplitsTheFirstRowAsExpected)
{
    const DetectCase& k = GetParam();
    TBytesStream in(k.Input);
    TProStringGrid g;
    g.SetColCount(1);
    g.LoadFromCSVStream(&in);
    EXPECT_EQ(Row(g, 0), k.FirstRow);
    EXPECT_TRUE(g.Delimiter().isNull());
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridCsv, CsvDetect,
    ::testing::Values(
        DetectCase{"Comma", "a,b,c\r\nd,e,f\r\n", {"a", "b", "c"}},
        DetectCase{"SemicolonOverQuotedCommas", "\"1,5\";\"2,5\";x;y\r\n\"3,1\";a;\"b,c\";d\r\n",
                   {"1,5", "2,5", "x", "y"}},
        DetectCase{"Tab", "a\tb\r\nc\td\r\n", {"a", "b"}},
        DetectCase{"PipeOnOneLineOnly", "a|b|c\r\n", {"a", "b", "c"}},
        DetectCase{"NoneGivesOneField", "abc\r\ndef\r\n", {"abc"}},
        DetectCase{"LeadingBlanksDropped", "  a,  b, \r\n", {"a", "b", " "}},
        DetectCase{"TextAfterClosingQuoteDropped", "\"a\"junk,b\r\n", {"a", "b"}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(ProStringGridCsv, LoadKeepsUntouchedCellsAndCutsRows)
{
    TBytesStream in(QByteArray("1,2\r\n3,4\r\n5,6\r\n7,8\r\n"));
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(6);
    g.SetCells(2, 0, "keep");
    g.LoadFromCSVStream(&in, 2);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(Row(g, 0), (QStringList{"1", "2", "keep"}));
    EXPECT_EQ(Row(g, 1), (QStringList{"3", "4", ""}));
}

TEST(ProStringGridCsv, HeaderLineSkippedAndInsertAfterTheLastRow)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("in.csv");
    WriteBytes(path, "h1,h2\r\na,b\r\nc,d\r\n");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(10);
    g.InsertFromCSV(path);
    EXPECT_EQ(g.RowCount(), 13);
    EXPECT_EQ(Row(g, 10), (QStringList{"h1", "h2"}));
    EXPECT_EQ(Row(g, 12), (QStringList{"c", "d"}));

    g.SetLoadFirstRow(false);
    g.LoadFromCSV(path);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(Row(g, 0), (QStringList{"a", "b"}));
}

TEST(ProStringGridCsv, ProgressAndEventsOfALoad)
{
    TBytesStream in(QByteArray("a\r\nb\r\nc\r\nd\r\n"));
    TProStringGrid g;
    std::vector<int> progress;
    QList<TRect> changed;
    g.OnFileProgress = [&](TObject*, int16_t p) { progress.push_back(p); };
    g.OnCellsChanged = [&](TObject*, const TRect& r) { changed << r; };
    g.LoadFromCSVStream(&in);
    EXPECT_EQ(progress, (std::vector<int>{25, 50, 75, 100}));
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0].Bottom, 4);
}

TEST(ProStringGridCsv, DamagedAndEmptyInputs)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("x.csv");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetCells(0, 0, "kept");

    WriteBytes(path, "");
    g.LoadFromCSV(path);
    EXPECT_EQ(g.Cells(0, 0), "kept");
    EXPECT_EQ(g.RowCount(), 3);

    WriteBytes(path, "\xEF\xBB\xBF");
    EXPECT_EQ(MessageOf<Exception>([&] { g.LoadFromCSV(path); }), "File is empty");
    EXPECT_EQ(g.Cells(0, 0), "kept");

    EXPECT_THROW(g.LoadFromCSV(dir.filePath("missing.csv")), EFOpenError);
    EXPECT_THROW(g.AppendToCSV(dir.filePath("missing.csv")), EFOpenError);
    EXPECT_FALSE(QFile::exists(dir.filePath("missing.csv")));

    // A quote that never closes does not swallow the lines after it.
    WriteBytes(path, "a,\"b\r\nc,d\r\ne,f\r\n");
    g.LoadFromCSV(path);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(Row(g, 1), (QStringList{"c", "d"}));
    EXPECT_EQ(Row(g, 2), (QStringList{"e", "f"}));
}

TEST(ProStringGridCsv, AppendAddsTheGridAfterTheFileLines)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.csv");
    WriteBytes(path, "old,line");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(1);
    g.SetCells(0, 0, "n");
    g.SetDelimiter(u';');
    g.AppendToCSV(path);
    EXPECT_EQ(ReadBytes(path), QByteArray("old,line\r\nn;\"\"\r\n"));
}
