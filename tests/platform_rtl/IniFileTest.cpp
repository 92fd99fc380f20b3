#include "platform/rtl/DateTime.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

void WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QStringList List(TStrings& s)
{
    return s.ToStringList();
}

const QByteArray Sample = "; made by hand\r\n"
                          "[Zeta]\r\n"
                          "b=2\r\n"
                          "a= literal\\n \"quoted\" \r\n"
                          "\r\n"
                          "[alpha]\n"
                          "  Key=x=y\n"
                          "#note\n"
                          "key=second\n"
                          "[ZETA]\n"
                          "c=3\n";

class IniFileTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath("settings.ini");
    void SetUp() override { WriteAll(path, Sample); }
};

TEST_F(IniFileTest, KeepsFileOrderAndVerbatimValues)
{
    TMemIniFile ini(path);
    TStringList s;
    ini.ReadSections(&s);
    EXPECT_EQ(List(s), (QStringList{"Zeta", "alpha"}));
    ini.ReadSection("zeta", &s);
    EXPECT_EQ(List(s), (QStringList{"b", "a", "c"}));
    ini.ReadSectionValues("ALPHA", &s);
    EXPECT_EQ(List(s), (QStringList{"Key=x=y", "key=second"}));

    EXPECT_EQ(ini.ReadString("Zeta", "A", "-"), " literal\\n \"quoted\" ");
    EXPECT_EQ(ini.ReadString("alpha", "KEY", "-"), "x=y");
    EXPECT_EQ(ini.ReadString("alpha", "note", "-"), "-");
    EXPECT_EQ(ini.ReadString("missing", "a", "-"), "-");
    EXPECT_TRUE(ini.SectionExists("ALPHA"));
    EXPECT_FALSE(ini.SectionExists("beta"));
    EXPECT_TRUE(ini.ValueExists("zeta", "C"));
    EXPECT_FALSE(ini.ValueExists("zeta", "d"));
}

TEST_F(IniFileTest, UpdateFileWritesEveryChangeInOrder)
{
    {
        TMemIniFile ini(path);
        ini.WriteString("alpha", "new", "v\\n");
        ini.WriteString("ZETA", "b", "two");
        ini.WriteString("Omega", "k", "");
        ini.DeleteKey("zeta", "A");
        ini.EraseSection("nothing");
        ini.UpdateFile();
    }
    EXPECT_EQ(ReadBytes(path).toStdString(),
              "; made by hand\r\n"
              "\r\n"
              "[Zeta]\r\n"
              "b=two\r\n"
              "c=3\r\n"
              "\r\n"
              "[alpha]\r\n"
              "Key=x=y\r\n"
              "#note\r\n"
              "key=second\r\n"
              "new=v\\n\r\n"
              "\r\n"
              "[Omega]\r\n"
              "k=\r\n"
              "\r\n");

    TMemIniFile again(path);
    EXPECT_EQ(again.ReadString("alpha", "new", "-"), "v\\n");
    EXPECT_TRUE(again.ValueExists("omega", "k"));
    again.EraseSection("alpha");
    TStringList s;
    again.ReadSections(&s);
    EXPECT_EQ(List(s), (QStringList{"Zeta", "Omega"}));
}

TEST_F(IniFileTest, TypedValues)
{
    TMemIniFile ini(path);
    struct Case {
        const char* value; // nullptr: key missing
        int asInt;
        bool asBool;
    };
    const Case cases[] = {
        {"12", 12, true}, {"-3", -3, true}, {"$1F", 31, true}, {"0x1F", 31, true},
        {"0", 0, false}, {"abc", -1, true}, {"", -1, true}, {nullptr, -1, true},
    };
    for (const Case& c : cases) {
        if (c.value)
            ini.WriteString("T", "v", c.value);
        else
            ini.DeleteKey("T", "v");
        EXPECT_EQ(ini.ReadInteger("T", "v", -1), c.asInt) << (c.value ? c.value : "missing");
        EXPECT_EQ(ini.ReadBool("T", "v", true), c.asBool) << (c.value ? c.value : "missing");
    }
    ini.WriteBool("T", "b", true);
    EXPECT_EQ(ini.ReadString("T", "b", ""), "1");
    ini.WriteBool("T", "b", false);
    EXPECT_EQ(ini.ReadString("T", "b", ""), "0");
    ini.WriteInteger("T", "i", -42);
    EXPECT_EQ(ini.ReadString("T", "i", ""), "-42");

    ini.WriteFloat("T", "f", 1.5);
    EXPECT_EQ(ini.ReadString("T", "f", ""), "1.5");
    EXPECT_EQ(ini.ReadFloat("T", "f", 0), 1.5);
    EXPECT_EQ(ini.ReadFloat("T", "b", 7), 0.0);
    EXPECT_EQ(ini.ReadFloat("T", "missing", 7), 7.0);
    ini.WriteString("T", "f", "1,5x");
    EXPECT_EQ(ini.ReadFloat("T", "f", 7), 7.0);
    const TDateTime day = EncodeDate(2026, 3, 5);
    ini.WriteDate("T", "d", day);
    EXPECT_EQ(ini.ReadDate("T", "d", 0), day);
    EXPECT_EQ(ini.ReadDate("T", "f", -1), -1.0);
}

TEST_F(IniFileTest, IniFileWritesThroughMemIniFileWaits)
{
    TMemIniFile mem(path);
    mem.WriteString("Zeta", "m", "1");
    EXPECT_EQ(ReadBytes(path), Sample);

    TIniFile ini(path);
    ini.WriteString("Zeta", "w", "1");
    EXPECT_TRUE(TMemIniFile(path).ValueExists("Zeta", "w"));
    ini.DeleteKey("Zeta", "w");
    EXPECT_FALSE(TMemIniFile(path).ValueExists("Zeta", "w"));
    ini.EraseSection("alpha");
    EXPECT_FALSE(TMemIniFile(path).SectionExists("alpha"));
}

TEST_F(IniFileTest, KeepsEncodingAndNeverLosesCharacters)
{
    const QString utf8Path = dir.filePath("u.ini");
    WriteAll(utf8Path, "\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n");
    {
        TMemIniFile ini(utf8Path);
        EXPECT_EQ(ini.Encoding(), TEncodingKind::ekUtf8);
        EXPECT_EQ(ini.ReadString("S", "k", ""), QStringLiteral("\u00E9"));
        ini.UpdateFile();
    }
    EXPECT_EQ(ReadBytes(utf8Path), QByteArray("\xEF\xBB\xBF[S]\r\nk=\xC3\xA9\r\n\r\n"));

    // An ANSI file stays ANSI while it reads back the same.
    struct Case {
        const char* name;
        QString value;
        QByteArray ansiLine; // empty: written as UTF-8 instead
    };
    const Case cases[] = {
        {"Latin", QStringLiteral("\u00E9"), "k=\xE9"},
        {"NotInAnsi", QStringLiteral("\u0416"), ""},
        {"AnsiBytesThatAreUtf8", QStringLiteral("\u00C3\u00A9"), ""},
    };
    for (const Case& c : cases) {
        WriteAll(path, "[S]\r\n");
        TMemIniFile ini(path);
        ini.WriteString("S", "k", c.value);
        ini.UpdateFile();
        const QByteArray bytes = ReadBytes(path);
        if (c.ansiLine.isEmpty())
            EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBF")) << c.name;
        else
            EXPECT_TRUE(bytes.contains(c.ansiLine)) << c.name;
        EXPECT_EQ(TMemIniFile(path).ReadString("S", "k", ""), c.value) << c.name;
    }
}

} // namespace
