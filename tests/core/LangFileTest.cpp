#include "core/BuiltinTexts.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include "tests/support/QStringPrinter.h"

namespace {

const QString kData = QStringLiteral(STRATAGON_TEST_DATA "/core/");

QString Text(int index) { return Lang_SL->Strings(index); }

int NonBlankCount()
{
    int n = 0;
    for (int i = 0; i < Lang_SL->Count(); ++i)
        n += Text(i) != QStringLiteral(" ");
    return n;
}

// Built-in texts

TEST(LangDefault, TableHoldsEveryIndexWithBlanksBetweenTexts)
{
    Load_Default_Lang();
    Load_Default_Lang(); // a reload replaces, never appends
    EXPECT_EQ(Lang_Count, 2100);
    ASSERT_EQ(Lang_SL->Count(), 2100);
    EXPECT_EQ(NonBlankCount(), 882);

    struct Case {
        int index;
        const char* text;
    } cases[] = {
        {0, "Begin"},
        {9, "None Configuration Opened "},
        {11, "Opened Configuration of the Converter : "},
        {18, "Error! Project not Valid"},
        {36, ""},
        {316, "Do you want to change the Language from "},
        {317, " to "},
        {318, "?"},
        {1300, ""},
        {1599, ""},
        {1626, "Description for the M-Bus meter (defined in the section \xe2\x80\x9cM-Bus\xe2\x80\x9d)"},
        {1949, "!! [BACnet in Write] Length with variable \"Analog Out\" must be between 1 and 4"},
        {2008, "Select Engineering Unit"},
        {2099, ""},
    };
    for (const Case& c : cases) {
        const QString expected = *c.text ? QString::fromUtf8(c.text) : QStringLiteral(" ");
        EXPECT_EQ(Text(c.index), expected) << "index " << c.index;
    }
}

TEST(LangDefault, GeneratedListIsAscendingAndInRange)
{
    int last = -1;
    for (int i = 0; i < Builtin_Text_Count; ++i) {
        EXPECT_GT(Builtin_Texts[i].Index, last);
        EXPECT_LT(Builtin_Texts[i].Index, 2100);
        EXPECT_NE(QString::fromUtf16(Builtin_Texts[i].Text), QString());
        last = Builtin_Texts[i].Index;
    }
}

// Language files: the same lines in each encoding give the same table.

struct Expect {
    int index;
    const char* text; // UTF-8
};

// What the fixture's lines leave in the table.
const Expect kFixtureResults[] = {
    {0, "Anfang"},                                   // plain line
    {1, "Schritt   eins"},                           // more blanks around "=" and text
    {2, "Zwei"},
    {3, "Step 3"},                                   // not named: built-in stays
    {4, "Vier"},                                     // "STR45=": char before "=" is no index digit
    {45, " "},
    {5, "F\xc3\xbcnf \xe2\x82\xac "},                // leading blanks; text ending at one pilcrow
    {6, "Sechs"},                                    // tabs around the line
    {7, "Step 7"},                                   // lower-case "str"
    {8, "Step 8"},                                   // something before "STR"
    {9, "Neun"},                                     // blank inside the index text
    {10, "Use Step1 to open or create new configuration"},   // empty text
    {11, "Opened Configuration of the Converter : "},        // only blanks after "="
    {12, "Info"},                                    // remark dropped with its blanks
    {13, "  Optionen  "},                            // pilcrows keep blanks, remark dropped
    {14, " Ende "},                                  // anything after closing pilcrow dropped
    {15, "New Configuration"},
    {16, "zweite"},                                  // later line wins
    {17, "Update Device UDP"},                       // nothing but a remark
    {18, "a=b"},                                     // first "=" splits
    {20, "Hex"},                                     // "$14": shared conversion
    {21, "EnOcean Access"},                          // no "="
    {22, "Create a new configuration for the device"},           // comment line
    {2098, " "},
    {2099, "Letzter"},                               // last index
};

class LangFileEncodings : public testing::TestWithParam<const char*> {};

TEST_P(LangFileEncodings, AppliesEachLineRule)
{
    Load_Default_Lang();
    Load_Lang_File(kData + QString::fromLatin1(GetParam()));
    ASSERT_EQ(Lang_SL->Count(), 2100);
    for (const Expect& e : kFixtureResults)
        EXPECT_EQ(Text(e.index), QString::fromUtf8(e.text)) << "index " << e.index;
    // Index 2100 and -1 are ignored: the table neither grows nor shifts.
    EXPECT_EQ(Lang_Count, 2100);
}

INSTANTIATE_TEST_SUITE_P(Lang, LangFileEncodings,
                         testing::Values("lang_cp1252.lng", "lang_utf8.lng", "lang_utf8_bom.lng",
                                         "lang_utf16le_bom.lng"),
                         [](const auto& info) {
                             std::string n = info.param;
                             return n.substr(5, n.size() - 9);
                         });

TEST(LangFile, MissingFileRaisesAndKeepsTexts)
{
    Load_Default_Lang();
    EXPECT_THROW(Load_Lang_File(kData + "no_such_language.lng"), EFOpenError);
    EXPECT_EQ(NonBlankCount(), 882);
}

TEST(LangFile, LinesBeforeTheTableIsLoadedChangeNothing)
{
    Load_Default_Lang();
    const int saved = Lang_Count;
    Lang_Count = 0;
    Apply_Lang_Lines({QStringLiteral("STR0 = Anfang")});
    Lang_Count = saved;
    EXPECT_EQ(Text(0), QStringLiteral("Begin"));
}

// Load_Language and the English fallback

class LoadLanguage : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        savedDir = Language_Dir;
        savedName = Language_Name;
        Language_Dir = dir.path();
    }
    void TearDown() override
    {
        Language_Dir = savedDir;
        Language_Name = savedName;
    }
    void Write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir;
    QString savedDir;
    QString savedName;
};

TEST_F(LoadLanguage, AppliesTheChosenLanguageOverBuiltInTexts)
{
    Write("Deutsch.lng", "STR0 = Anfang\r\n");
    Write("English.lng", "STR0 = Start\r\n");
    Language_Name = "Deutsch";
    Load_Language();
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_EQ(Text(0), "Anfang");
    EXPECT_EQ(Text(1), "Step 1");
    EXPECT_TRUE(Lang_Load_Error.isEmpty());
}

TEST_F(LoadLanguage, SwitchingLanguageStartsFromBuiltInTexts)
{
    Write("Deutsch.lng", "STR0 = Anfang\nSTR1 = Schritt 1\n");
    Write("Italiano.lng", "STR0 = Inizio\n");
    Language_Name = "Deutsch";
    Load_Language();
    Language_Name = "Italiano";
    Load_Language();
    EXPECT_EQ(Text(0), "Inizio");
    EXPECT_EQ(Text(1), "Step 1");
}

TEST_F(LoadLanguage, MissingLanguageFallsBackToEnglishFile)
{
    Write("English.lng", "STR0 = Start\n");
    Language_Name = "Klingon";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Text(0), "Start");
}

TEST_F(LoadLanguage, MissingLanguageAndEnglishFileKeepsBuiltInTexts)
{
    Language_Name = "Klingon";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Text(0), "Begin");
    EXPECT_EQ(NonBlankCount(), 882);
    EXPECT_TRUE(Lang_Load_Error.isEmpty());
}

// A file that exists but cannot be read must not stop start-up.
TEST_F(LoadLanguage, UnreadableFileKeepsBuiltInTextsAndReportsIt)
{
    // Reading /proc/self/mem from offset 0 fails with an I/O error.
    ASSERT_TRUE(QFile::link("/proc/self/mem", dir.filePath("Deutsch.lng")));
    Language_Name = "Deutsch";
    EXPECT_NO_THROW(Load_Language());
    EXPECT_EQ(Language_Name, "Deutsch");
    EXPECT_EQ(Lang_SL->Count(), 2100);
    EXPECT_EQ(Text(0), "Begin");
    EXPECT_FALSE(Lang_Load_Error.isEmpty());

    // The next good load clears the report.
    Write("Italiano.lng", "STR0 = Inizio\n");
    Language_Name = "Italiano";
    Load_Language();
    EXPECT_TRUE(Lang_Load_Error.isEmpty());
}

QByteArray Utf16BE(const char16_t* Text)
{
    QByteArray bytes("\xFE\xFF");
    for (; *Text; ++Text)
        bytes.append(char(*Text >> 8)).append(char(*Text & 0xFF));
    return bytes;
}

// Line ends, byte-order marks and pilcrows that the fixture files leave out.
TEST_F(LoadLanguage, FileForms)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        int index;
        const char* text; // UTF-8
    } cases[] = {
        {"CrOnlyLineEnds", QByteArray("STR0 = eins\rSTR1 = zwei\r"), 1, "zwei"},
        {"Utf16BigEndian", Utf16BE(u"STR1 = \u00B6 A \u00B6"), 1, " A "},
        {"NothingBetweenPilcrows", QByteArray("STR1 = \xB6\xB6\r\n"), 1, ""},
        {"OnlyAPilcrow", QByteArray("STR1 = \xB6\r\n"), 1, ""},
        {"TextEndsAtLonePilcrow", QByteArray("STR1 = A\xB6 rest\r\n"), 1, "A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("Test.lng", c.bytes);
        Language_Name = "Test";
        Load_Language();
        EXPECT_EQ(Text(c.index), QString::fromUtf8(c.text));
    }
}

TEST_F(LoadLanguage, MissingLanguageFolderKeepsBuiltInTexts)
{
    Language_Dir = dir.filePath("absent");
    Language_Name = "Deutsch";
    Load_Language();
    EXPECT_EQ(Language_Name, "English");
    EXPECT_EQ(Text(0), "Begin");
}

} // namespace
