#include "platform/services/Registry.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { SetRegistryFileName(FileName()); }
    void TearDown() override { SetRegistryFileName(QString()); }
    QString FileName() const { return FDir.filePath("cfg/Registry.ini"); }
    // Drops what is in memory, so the next access reads the file.
    void Reload() { SetRegistryFileName(FileName()); }
    QStringList Names(TRegistry& r, bool keys)
    {
        TStringList list;
        keys ? r.GetKeyNames(&list) : r.GetValueNames(&list);
        return list.ToStringList();
    }

    QTemporaryDir FDir;
};

TEST_F(RegistryTest, ValuesSurviveTheFileWithTheirTypes)
{
    struct Case {
        const char* name;
        QString value;
    } strings[] = {
        {"plain", "abc"},
        {"empty", ""},
        {"line breaks", "a\r\nb\nc"},
        {"backslashes", "C:\\dir\\n\\"},
        {"equals and brackets", "=x=[y]"},
        {"blanks kept", "  padded  "},
        {"unicode", QString::fromUtf8("\xC3\xA4\xE2\x82\xAC")},
    };
    const QString names[] = {"other", "a=b", ";comment", "[sect]", "", " pad ", "100%", "@"};
    {
        TRegistry r;
        ASSERT_TRUE(r.OpenKey("Software\\Test", true));
        for (const Case& c : strings)
            r.WriteString(c.name, c.value);
        for (int i = 0; i < int(std::size(names)); ++i)
            r.WriteString(names[i], "v" + QString::number(i));
        r.WriteInteger("neg", -123456);
        r.WriteBool("flag", true);
    }
    Reload();
    TRegistry r;
    ASSERT_TRUE(r.OpenKeyReadOnly("\\Software\\Test"));
    for (const Case& c : strings) {
        EXPECT_EQ(r.GetDataType(c.name), TRegDataType::rdString) << c.name;
        EXPECT_EQ(r.ReadString(c.name), c.value) << c.name;
    }
    for (int i = 0; i < int(std::size(names)); ++i)
        EXPECT_EQ(r.ReadString(names[i]), "v" + QString::number(i)) << names[i].toStdString();
    EXPECT_EQ(r.GetDataType("neg"), TRegDataType::rdInteger);
    EXPECT_EQ(r.ReadInteger("neg"), -123456);
    EXPECT_TRUE(r.ReadBool("flag"));
    EXPECT_EQ(r.GetDataType("missing"), TRegDataType::rdUnknown);
    EXPECT_EQ(Names(r, false).size(), int(std::size(strings) + std::size(names)) + 2);
}

TEST_F(RegistryTest, FileLayout)
{
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Test", true));
    r.WriteString("Name", "a\nb");
    r.WriteInteger("Count", 5);
    QFile f(FileName());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("[HKEY_CURRENT_USER\\Software\\Test]\nName=str:a\\nb\nCount=int:5\n"));
}

TEST_F(RegistryTest, KeysOpenCreateListAndDelete)
{
    TRegistry r;
    EXPECT_FALSE(r.OpenKey("Software\\App", false));
    EXPECT_FALSE(r.KeyOpen());
    ASSERT_TRUE(r.OpenKey("Software\\App", true));
    EXPECT_EQ(r.CurrentPath(), "Software\\App");
    // Relative to the open key, and sharing a prefix with a sibling.
    ASSERT_TRUE(r.CreateKey("b\\c"));
    ASSERT_TRUE(r.CreateKey("b c"));
    ASSERT_TRUE(r.CreateKey("B\\d"));
    EXPECT_TRUE(r.KeyExists("b"));
    EXPECT_TRUE(r.KeyExists("\\software\\app\\B\\C"));
    EXPECT_TRUE(r.HasSubKeys());
    EXPECT_EQ(Names(r, true), QStringList({"b", "b c"}));

    Reload();
    ASSERT_TRUE(r.OpenKey("\\Software\\App\\b", false));
    EXPECT_EQ(Names(r, true), QStringList({"c", "d"}));
    r.CloseKey();
    EXPECT_TRUE(r.DeleteKey("Software\\App\\b"));
    EXPECT_FALSE(r.KeyExists("Software\\App\\b\\c"));
    EXPECT_FALSE(r.KeyExists("Software\\App\\b"));
    EXPECT_TRUE(r.KeyExists("Software\\App\\b c"));
    EXPECT_FALSE(r.DeleteKey("Software\\App\\b"));

    // Roots are apart.
    r.SetRootKey(HKEY_LOCAL_MACHINE);
    EXPECT_FALSE(r.KeyExists("Software\\App"));
}

TEST_F(RegistryTest, KeysOfOtherProgramsDoNotExist)
{
    TRegistry r;
    for (const char* v : {"11.0", "12.0", "14.0"}) {
        const QString key = QStringLiteral("Software\\Microsoft\\Office\\%1\\Common\\General").arg(v);
        EXPECT_FALSE(r.KeyExists(key)) << v;
        EXPECT_FALSE(r.OpenKeyReadOnly(key)) << v;
    }
    EXPECT_FALSE(QFile::exists(FileName())) << "reading must not write";
}

TEST_F(RegistryTest, Errors)
{
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Err", true));
    r.WriteString("text", "12");
    r.WriteInteger("num", 12);
    EXPECT_THROW(r.ReadInteger("missing"), ERegistryException);
    EXPECT_THROW(r.ReadInteger("text"), ERegistryException);
    EXPECT_THROW(r.ReadString("num"), ERegistryException);
    EXPECT_EQ(r.ReadString("missing"), "");

    TRegistry ro;
    ASSERT_TRUE(ro.OpenKeyReadOnly("Software\\Err"));
    EXPECT_THROW(ro.WriteString("text", "x"), ERegistryException);
    EXPECT_FALSE(ro.DeleteValue("text"));
    EXPECT_EQ(ro.ReadString("text"), "12");

    // The file cannot be written: a plain file stands where its folder goes.
    const QString blocked = FDir.filePath("file/Registry.ini");
    QFile(FDir.filePath("file")).open(QIODevice::WriteOnly);
    SetRegistryFileName(blocked);
    TRegistry w;
    EXPECT_THROW(w.WriteString("x", "y"), ERegistryException);
}

TEST_F(RegistryTest, RegIniFileSectionsAndDefaults)
{
    {
        TRegIniFile ini("Software\\Grid");
        ini.WriteInteger("Cols", "Col0", 64);
        ini.WriteInteger("Cols", "Col1", -1);
        ini.WriteBool("Cols", "Save", true);
        ini.WriteString("Print", "Title", "Sheet");
        ini.WriteString("Print", "Bad", "12x");
        EXPECT_EQ(ini.ReadString("", "none", "d"), "d");
    }
    Reload();
    TRegIniFile ini("Software\\Grid");
    EXPECT_EQ(ini.ReadInteger("Cols", "Col0", 0), 64);
    EXPECT_EQ(ini.ReadInteger("Cols", "Col1", 0), -1);
    EXPECT_TRUE(ini.ReadBool("Cols", "Save", false));
    EXPECT_EQ(ini.ReadString("Cols", "Col0", ""), "64") << "integers are kept as text";
    EXPECT_EQ(ini.ReadInteger("Print", "Bad", 7), 7);
    EXPECT_EQ(ini.ReadInteger("Nope", "Col0", 9), 9);
    EXPECT_FALSE(ini.ReadBool("Nope", "Save", false));

    TStringList list;
    ini.ReadSections(&list);
    EXPECT_EQ(list.ToStringList(), QStringList({"Cols", "Print"}));
    ini.ReadSectionValues("Cols", &list);
    EXPECT_EQ(list.ToStringList(), QStringList({"Col0=64", "Col1=-1", "Save=1"}));
    ini.DeleteKey("Cols", "Col1");
    ini.ReadSection("Cols", &list);
    EXPECT_EQ(list.ToStringList(), QStringList({"Col0", "Save"}));
    ini.EraseSection("Print");
    ini.ReadSections(&list);
    EXPECT_EQ(list.ToStringList(), QStringList({"Cols"}));

    // Integers written by a plain TRegistry read as well.
    TRegistry r;
    ASSERT_TRUE(r.OpenKey("Software\\Grid\\Cols", false));
    r.WriteInteger("Col2", 80);
    EXPECT_EQ(ini.ReadInteger("Cols", "Col2", 0), 80);
    EXPECT_EQ(ini.ReadString("Cols", "Col2", ""), "80");

    // The INI interface over the same keys.
    TRegistryIniFile store("Software\\Grid");
    TCustomIniFile& any = store;
    EXPECT_EQ(any.ReadInteger("Cols", "Col0", 0), 64);
    EXPECT_TRUE(any.SectionExists("Cols"));
    EXPECT_FALSE(any.SectionExists("Print"));
    EXPECT_TRUE(any.ValueExists("Cols", "col2"));
    any.WriteInteger("Pos", "Pos0", 3);
    EXPECT_EQ(ini.ReadInteger("Pos", "Pos0", 0), 3);
}

} // namespace
