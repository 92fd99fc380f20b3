#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Exceptions.h"
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    return f.readAll();
}

QStringList Entries(const QTemporaryDir& dir)
{
    return QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

TEST(AtomicFile, ReplacesContentAndKeepsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.xml");
    WriteFileAtomic(path, "old");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0640), 0);
    WriteFileAtomic(path, "new content");
    EXPECT_EQ(ReadAll(path), QByteArray("new content"));
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(Entries(dir), QStringList{"a.xml"});
}

TEST(AtomicFile, FailedWritesLeaveOldFileAndNoTemporary)
{
    QTemporaryDir dir;
    const QString old = dir.filePath("keep.txt");
    WriteFileAtomic(old, "old");

    // The target is a directory: the rename fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir("target"));
    try {
        WriteFileAtomic(dir.filePath("target"), "data");
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_TRUE(e.Message().contains(dir.filePath("target"))) << e.Message().toStdString();
    }
    // The folder does not exist: the temporary file cannot be created.
    EXPECT_THROW(WriteFileAtomic(dir.filePath("missing/x.txt"), "data"), EFCreateError);

    EXPECT_EQ(ReadAll(old), QByteArray("old"));
    EXPECT_EQ(Entries(dir), (QStringList{"keep.txt", "target"}));
    EXPECT_TRUE(QDir(dir.filePath("target")).isEmpty());
}

TEST(AtomicFile, WriterWithoutCommitLeavesTargetUntouched)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    WriteFileAtomic(path, "old");
    {
        TAtomicFileWriter writer(path);
        writer.Write("partial");
        EXPECT_TRUE(QFile::exists(writer.TempFileName()));
    }
    EXPECT_EQ(ReadAll(path), QByteArray("old"));
    EXPECT_EQ(Entries(dir), QStringList{"f.bin"});
}

} // namespace
