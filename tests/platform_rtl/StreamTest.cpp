#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "tests/support/ExceptionMessage.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(MemoryStream, SeekReadWriteAndSize)
{
    TMemoryStream s;
    s.WriteBytes("hello");
    EXPECT_EQ(s.Position(), 5);
    EXPECT_EQ(s.Seek(-2, soFromEnd), 3);
    s.WriteBytes("p!!");
    EXPECT_EQ(s.Data(), QByteArray("help!!"));
    EXPECT_EQ(s.Seek(1, soFromBeginning), 1);
    EXPECT_EQ(s.Seek(2, soFromCurrent), 3);
    char buf[8] = {};
    EXPECT_EQ(s.Read(buf, 8), 3);
    EXPECT_EQ(QByteArray(buf, 3), QByteArray("p!!"));
    EXPECT_EQ(s.Read(buf, 8), 0);

    // Writing past the end fills the gap with zeros.
    s.SetPosition(8);
    s.WriteBytes("x");
    EXPECT_EQ(s.Data(), QByteArray("help!!\0\0x", 9));

    s.SetSize(2);
    EXPECT_EQ(s.Position(), 2);
    EXPECT_EQ(s.Data(), QByteArray("he"));
    s.Clear();
    EXPECT_EQ(s.Size(), 0);
    EXPECT_EQ(s.Position(), 0);
}

TEST(MemoryStream, ReadBeforeTheStartReadsNothing)
{
    TMemoryStream s;
    s.WriteBytes("abc");
    s.Seek(-10, soFromCurrent);
    char buf[4] = {};
    EXPECT_EQ(s.Read(buf, 4), 0);
    EXPECT_THROW(s.ReadBuffer(buf, 1), EReadError);
}

TEST(Stream, ReadAndWriteBufferRaiseOnShortTransfer)
{
    TMemoryStream s;
    s.WriteBytes("abc");
    s.SetPosition(1);
    char buf[4] = {};
    EXPECT_EQ(MessageOf<EReadError>([&] { s.ReadBuffer(buf, 4); }), "Stream read error");
    s.SetPosition(0);
    s.ReadBuffer(buf, 3);
    EXPECT_EQ(QByteArray(buf, 3), QByteArray("abc"));

    QTemporaryDir dir;
    const QString path = dir.filePath("ro.bin");
    TFileStream(path, fmCreate).WriteBytes("data");
    TFileStream ro(path, fmOpenRead | fmShareDenyNone);
    EXPECT_EQ(MessageOf<EWriteError>([&] { ro.WriteBuffer("x", 1); }), "Stream write error");
}

TEST(Stream, CopyFrom)
{
    TMemoryStream src;
    src.WriteBytes("0123456789");
    src.SetPosition(4);
    TMemoryStream dst;
    EXPECT_EQ(dst.CopyFrom(&src, 3), 3);
    EXPECT_EQ(dst.Data(), QByteArray("456"));
    // Count 0 copies everything from the start.
    EXPECT_EQ(dst.CopyFrom(&src, 0), 10);
    EXPECT_EQ(dst.Data(), QByteArray("4560123456789"));
    src.SetPosition(8);
    EXPECT_THROW(dst.CopyFrom(&src, 5), EReadError);
}

TEST(FileStream, OpenModes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    {
        TFileStream f(path, fmCreate);
        f.WriteBytes("abcdef");
        EXPECT_EQ(f.Size(), 6);
    }
    {
        TFileStream f(path, fmOpenReadWrite | fmShareExclusive);
        f.Seek(2, soFromBeginning);
        f.WriteBytes("XY");
        f.SetPosition(0);
        EXPECT_EQ(f.ReadAll(), QByteArray("abXYef"));
        f.SetSize(3);
        EXPECT_EQ(f.Size(), 3);
    }
    {
        TFileStream f(path, fmOpenWrite);
        f.Seek(0, soFromEnd);
        f.WriteBytes("!");
    }
    TFileStream f(path, fmOpenRead);
    EXPECT_EQ(f.ReadAll(), QByteArray("abX!"));
    {
        // fmCreate empties an existing file.
        TFileStream g(path, fmCreate);
        EXPECT_EQ(g.Size(), 0);
    }
}

TEST(FileStream, FailuresNameTheFile)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.bin");
    for (unsigned mode : {fmOpenRead, fmOpenWrite, fmOpenReadWrite}) {
        SCOPED_TRACE(mode);
        const QString msg = MessageOf<EFOpenError>([&] { TFileStream f(missing, mode); });
        EXPECT_TRUE(msg.startsWith("Cannot open file \"" + missing + "\". ")) << msg.toStdString();
        EXPECT_GT(msg.size(), QString("Cannot open file \"" + missing + "\". ").size());
        EXPECT_FALSE(QFile::exists(missing));
    }
    const QString bad = dir.filePath("no/such/dir/x.bin");
    const QString msg = MessageOf<EFCreateError>([&] { TFileStream f(bad, fmCreate); });
    EXPECT_TRUE(msg.startsWith("Cannot create file \"" + bad + "\". ")) << msg.toStdString();
}

TEST(MemoryStream, FilesAndStreams)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("m.bin");
    TMemoryStream m;
    m.WriteBytes(QByteArray("\0\1\2zz", 5));
    m.SaveToFile(path);
    TMemoryStream back;
    back.WriteBytes("old");
    back.LoadFromFile(path);
    EXPECT_EQ(back.Data(), QByteArray("\0\1\2zz", 5));
    EXPECT_EQ(back.Position(), 0);

    TBytesStream bytes(QByteArray("xyz"));
    bytes.SetPosition(2);
    back.LoadFromStream(&bytes);
    EXPECT_EQ(back.Data(), QByteArray("xyz"));
    TStringStream str;
    back.SaveToStream(&str);
    EXPECT_EQ(str.DataString(), "xyz");

    EXPECT_THROW(back.LoadFromFile(dir.filePath("none")), EFOpenError);
    // A failed save leaves the old file as it was.
    EXPECT_ANY_THROW(m.SaveToFile(dir.filePath("none/x.bin")));
}

TEST(StringStream, Utf8Content)
{
    TStringStream s(QString::fromUtf8("\xc3\xa9t\xc3\xa9"));
    EXPECT_EQ(s.Size(), 5);
    s.Seek(0, soFromEnd);
    s.WriteString("!");
    s.SetPosition(0);
    EXPECT_EQ(s.ReadString(2), QString::fromUtf8("\xc3\xa9"));
    EXPECT_EQ(s.ReadString(100), QString::fromUtf8("t\xc3\xa9!"));
    EXPECT_EQ(s.DataString(), QString::fromUtf8("\xc3\xa9t\xc3\xa9!"));
}

} // namespace
