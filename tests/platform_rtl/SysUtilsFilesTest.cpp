#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include "tests/support/QStringPrinter.h"
#include <cerrno>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

void WriteFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

QStringList FindAll(const QString& pattern, int attr, int* firstResult = nullptr)
{
    QStringList names;
    TSearchRec sr;
    int r = FindFirst(pattern, attr, sr);
    if (firstResult)
        *firstResult = r;
    while (r == 0) {
        names << sr.Name;
        r = FindNext(sr);
    }
    FindClose(sr);
    names.sort();
    return names;
}

} // namespace

TEST(SysUtilsFiles, FileNameParts)
{
    const struct {
        QString Name, Path, Dir, File, Ext;
    } cases[] = {
        {"/a/b/c.txt", "/a/b/", "/a/b", "c.txt", ".txt"},
        {"c.txt", "", "", "c.txt", ".txt"},
        {"/a/b/", "/a/b/", "/a/b", "", ""},
        {"/", "/", "/", "", ""},
        {"C:\\dir\\file.tar.gz", "C:\\dir\\", "C:\\dir", "file.tar.gz", ".gz"},
        {"/a.b/c", "/a.b/", "/a.b", "c", ""},
        {"/a/.hidden", "/a/", "/a", ".hidden", ".hidden"},
        {"noext", "", "", "noext", ""},
        {"a//b", "a//", "a//", "b", ""},
    };
    for (const auto& c : cases) {
        const std::string n = c.Name.toStdString();
        EXPECT_EQ(ExtractFilePath(c.Name), c.Path) << n;
        EXPECT_EQ(ExtractFileDir(c.Name), c.Dir) << n;
        EXPECT_EQ(ExtractFileName(c.Name), c.File) << n;
        EXPECT_EQ(ExtractFileExt(c.Name), c.Ext) << n;
    }

    EXPECT_EQ(ChangeFileExt("/a/b.txt", ".ini"), "/a/b.ini");
    EXPECT_EQ(ChangeFileExt("/a.b/c", ".x"), "/a.b/c.x");
    EXPECT_EQ(ChangeFileExt("a.txt", ""), "a");
    EXPECT_EQ(ChangeFileExt("C:\\d.x\\f", ".y"), "C:\\d.x\\f.y");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/a/"), "/a/");
    EXPECT_EQ(IncludeTrailingPathDelimiter(""), "/");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a/"), "/a");
    EXPECT_EQ(ExcludeTrailingPathDelimiter("/a"), "/a");
    EXPECT_EQ(ExpandFileName("x/../y.txt"), QDir::currentPath() + "/y.txt");
    EXPECT_EQ(ExpandFileName("/a/./b/"), "/a/b/");
}

class SysUtilsFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(Tmp.isValid());
        Root = Tmp.path() + "/";
        WriteFile(Root + "a.txt", "abc");
        WriteFile(Root + "b.txt", "");
        WriteFile(Root + "c.log", "");
        WriteFile(Root + ".hidden.txt", "");
        ASSERT_TRUE(QDir().mkdir(Root + "dir.txt"));
    }

    QTemporaryDir Tmp;
    QString Root;
};

TEST_F(SysUtilsFolder, FindFirstWithWildcardAndAttributes)
{
    const struct {
        const char* Name;
        QString Mask;
        int Attr;
        QStringList Expected;
    } cases[] = {
        {"FilesOnly", "*.txt", 0, {"a.txt", "b.txt"}},
        {"HiddenWhenAsked", "*.txt", faHidden, {".hidden.txt", "a.txt", "b.txt"}},
        {"FoldersWhenAsked", "*.txt", faDirectory, {"a.txt", "b.txt", "dir.txt"}},
        {"AnyFile", "*", faAnyFile, {".hidden.txt", "a.txt", "b.txt", "c.log", "dir.txt"}},
        {"QuestionMark", "?.txt", faAnyFile, {"a.txt", "b.txt"}},
        {"StarDotStarIsEverything", "*.*", 0, {"a.txt", "b.txt", "c.log"}},
        {"CaseSensitive", "*.TXT", faAnyFile, {}},
        {"ExactName", "c.log", 0, {"c.log"}},
    };
    for (const auto& c : cases) {
        int first = -1;
        EXPECT_EQ(FindAll(Root + c.Mask, c.Attr, &first), c.Expected) << c.Name;
        EXPECT_EQ(first == 0, !c.Expected.isEmpty()) << c.Name;
    }
}

TEST_F(SysUtilsFolder, SearchRecordFields)
{
    TSearchRec sr;
    ASSERT_EQ(FindFirst(Root + "a.txt", faAnyFile, sr), 0);
    EXPECT_EQ(sr.Name, "a.txt");
    EXPECT_EQ(sr.Size, 3);
    EXPECT_EQ(sr.Attr & faDirectory, 0);
    EXPECT_NEAR(sr.Time, Now(), 1.0);
    EXPECT_NE(FindNext(sr), 0);
    FindClose(sr);

    ASSERT_EQ(FindFirst(Root + "dir*", faDirectory, sr), 0);
    EXPECT_NE(sr.Attr & faDirectory, 0);
    FindClose(sr);

    EXPECT_NE(FindFirst(Root + "missing/*", faAnyFile, sr), 0);
    FindClose(sr);
}

// Also for the superuser, who may write any file.
TEST_F(SysUtilsFolder, ReadOnlyAttributeFollowsTheWritePermissions)
{
    const struct {
        const char* Name;
        QFile::Permissions Permissions;
        bool ReadOnly;
    } cases[] = {
        {"OwnerMayWrite", QFile::ReadOwner | QFile::WriteOwner, false},
        {"NobodyMayWrite", QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther, true},
        {"NoPermissions", {}, true},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(QFile::setPermissions(Root + "a.txt", c.Permissions)) << c.Name;
        TSearchRec sr;
        ASSERT_EQ(FindFirst(Root + "a.txt", faAnyFile, sr), 0) << c.Name;
        EXPECT_EQ((sr.Attr & faReadOnly) != 0, c.ReadOnly) << c.Name;
        EXPECT_EQ(sr.Attr & faDirectory, 0) << c.Name;
        FindClose(sr);
    }
}

TEST_F(SysUtilsFolder, FileSystemOperations)
{
    EXPECT_TRUE(FileExists(Root + "a.txt"));
    EXPECT_FALSE(FileExists(Root + "dir.txt"));
    EXPECT_FALSE(FileExists(""));
    EXPECT_TRUE(DirectoryExists(Root + "dir.txt"));
    EXPECT_FALSE(DirectoryExists(Root + "a.txt"));

    EXPECT_TRUE(ForceDirectories(Root + "x/y/z"));
    EXPECT_TRUE(DirectoryExists(Root + "x/y/z"));
    EXPECT_TRUE(ForceDirectories(Root + "x/y/z/"));
    EXPECT_THROW(ForceDirectories(""), EInOutError);
    EXPECT_FALSE(CreateDir(Root + "x"));
    EXPECT_EQ(SysErrorMessage(GetLastOSError()), SysErrorMessage(EEXIST));
    EXPECT_FALSE(CreateDir(Root + "p/q"));
    EXPECT_EQ(GetLastOSError(), ENOENT);
    EXPECT_TRUE(CreateDir(Root + "p"));
    EXPECT_EQ(GetLastOSError(), 0);
    // A file in the way of a level, and a backslash kept in a name.
    EXPECT_FALSE(ForceDirectories(Root + "a.txt/sub"));
    EXPECT_EQ(GetLastOSError(), EEXIST);
    EXPECT_TRUE(ForceDirectories(Root + "p/b\\s/t"));
    EXPECT_TRUE(DirectoryExists(Root + "p/b\\s/t"));
    EXPECT_FALSE(DirectoryExists(Root + "p/b"));
    EXPECT_FALSE(RemoveDir(Root + "x"));
    EXPECT_TRUE(RemoveDir(Root + "x/y/z"));
    EXPECT_FALSE(DirectoryExists(Root + "x/y/z"));

    EXPECT_FALSE(DeleteFile(Root + "dir.txt"));
    EXPECT_TRUE(DeleteFile(Root + "c.log"));
    EXPECT_FALSE(FileExists(Root + "c.log"));
    EXPECT_FALSE(DeleteFile(Root + "c.log"));

    // Renaming replaces an existing target.
    EXPECT_TRUE(RenameFile(Root + "a.txt", Root + "b.txt"));
    EXPECT_FALSE(FileExists(Root + "a.txt"));
    QFile b(Root + "b.txt");
    ASSERT_TRUE(b.open(QIODevice::ReadOnly));
    EXPECT_EQ(b.readAll(), "abc");
    EXPECT_FALSE(RenameFile(Root + "a.txt", Root + "c.txt"));

    const TDateTime stamp = EncodeDateTime(2020, 6, 15, 10, 30, 0, 0);
    EXPECT_TRUE(FileSetDate(Root + "b.txt", stamp));
    EXPECT_NEAR(FileAge(Root + "b.txt"), stamp, 1.0 / SecsPerDay);
    EXPECT_EQ(FileAge(Root + "none"), -1);
}
