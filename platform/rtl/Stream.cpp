#include "platform/rtl/Stream.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Exceptions.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

// TStream

TStream::~TStream() = default;

long long TStream::Seek(long long Offset, int Origin)
{
    switch (Origin) {
    case soFromCurrent:
        return Seek(Offset, TSeekOrigin::soCurrent);
    case soFromEnd:
        return Seek(Offset, TSeekOrigin::soEnd);
    default:
        return Seek(Offset, TSeekOrigin::soBeginning);
    }
}

long long TStream::Size()
{
    const long long pos = Seek(0, TSeekOrigin::soCurrent);
    const long long result = Seek(0, TSeekOrigin::soEnd);
    Seek(pos, TSeekOrigin::soBeginning);
    return result;
}

void TStream::SetSize(long long NewSize)
{
}

void TStream::ReadBuffer(void* Buffer, long long Count)
{
    if (Count > 0 && Read(Buffer, Count) != Count)
        throw EReadError(QStringLiteral("Stream read error"));
}

void TStream::WriteBuffer(const void* Buffer, long long Count)
{
    if (Count > 0 && Write(Buffer, Count) != Count)
        throw EWriteError(QStringLiteral("Stream write error"));
}

long long TStream::CopyFrom(TStream* Source, long long Count)
{
    if (Count == 0) {
        Source->SetPosition(0);
        Count = Source->Size();
    }
    const long long result = Count;
    constexpr long long kChunk = 64 * 1024;
    QByteArray buffer(int(std::min(Count, kChunk)), Qt::Uninitialized);
    while (Count > 0) {
        const long long n = std::min(Count, kChunk);
        Source->ReadBuffer(buffer.data(), n);
        WriteBuffer(buffer.constData(), n);
        Count -= n;
    }
    return result;
}

QByteArray TStream::ReadAll()
{
    const long long left = Size() - Position();
    if (left <= 0)
        return QByteArray();
    QByteArray result(qsizetype(left), Qt::Uninitialized);
    ReadBuffer(result.data(), left);
    return result;
}

// TMemoryStream

TMemoryStream::~TMemoryStream() = default;

long long TMemoryStream::Read(void* Buffer, long long Count)
{
    if (FPosition < 0 || Count <= 0)
        return 0;
    const long long n = std::min(Count, Size() - FPosition);
    if (n <= 0)
        return 0;
    std::memcpy(Buffer, FData.constData() + FPosition, size_t(n));
    FPosition += n;
    return n;
}

long long TMemoryStream::Write(const void* Buffer, long long Count)
{
    if (Count <= 0 || FPosition < 0)
        return 0;
    const long long end = FPosition + Count;
    if (end > Size()) {
        // Writing past the end fills any gap with zero bytes.
        const qsizetype old = FData.size();
        FData.resize(qsizetype(end));
        if (FPosition > old)
            std::memset(FData.data() + old, 0, size_t(FPosition - old));
    }
    std::memcpy(FData.data() + FPosition, Buffer, size_t(Count));
    FPosition = end;
    return Count;
}

long long TMemoryStream::Seek(long long Offset, TSeekOrigin Origin)
{
    switch (Origin) {
    case TSeekOrigin::soBeginning:
        FPosition = Offset;
        break;
    case TSeekOrigin::soCurrent:
        FPosition += Offset;
        break;
    case TSeekOrigin::soEnd:
        FPosition = Size() + Offset;
        break;
    }
    return FPosition;
}

void TMemoryStream::SetSize(long long NewSize)
{
    const qsizetype old = FData.size();
    FData.resize(qsizetype(std::max(0LL, NewSize)));
    if (FData.size() > old)
        std::memset(FData.data() + old, 0, size_t(FData.size() - old));
    if (FPosition > FData.size())
        FPosition = FData.size();
}

void TMemoryStream::Clear()
{
    FData.clear();
    FPosition = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream)
{
    Stream->SetPosition(0);
    const long long n = Stream->Size();
    QByteArray data(qsizetype(n), Qt::Uninitialized);
    Stream->ReadBuffer(data.data(), n);
    FData = data;
    FPosition = 0;
}

void TMemoryStream::SaveToStream(TStream* Stream)
{
    Stream->WriteBuffer(FData.constData(), FData.size());
}

void TMemoryStream::LoadFromFile(const QString& FileName)
{
    TFileStream f(FileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(&f);
}

void TMemoryStream::SaveToFile(const QString& FileName)
{
    WriteFileAtomic(FileName, FData);
}

// TBytesStream

TBytesStream::TBytesStream(const QByteArray& Bytes)
{
    FData = Bytes;
}

// TStringStream

TStringStream::TStringStream(const QString& S)
{
    FData = S.toUtf8();
}

QString TStringStream::DataString() const
{
    return QString::fromUtf8(FData);
}

void TStringStream::WriteString(const QString& S)
{
    WriteBytes(S.toUtf8());
}

QString TStringStream::ReadString(long long Count)
{
    const long long n = FPosition < 0 ? 0 : std::max(0LL, std::min(Count, Size() - FPosition));
    const QByteArray bytes = FData.mid(qsizetype(FPosition), qsizetype(n));
    FPosition += n;
    return QString::fromUtf8(bytes);
}

// TFileStream

TFileStream::TFileStream(const QString& FileName, unsigned Mode)
    : FFileName(FileName)
    , FFile(std::make_unique<QFile>())
{
    // Opened through a descriptor: QFile would empty a file opened only
    // for writing.
    const bool create = (Mode & fmCreate) == fmCreate;
    int flags = O_CLOEXEC;
    QIODevice::OpenMode open = QIODevice::Unbuffered;
    if (create) {
        flags |= O_RDWR | O_CREAT | O_TRUNC;
        open |= QIODevice::ReadWrite;
    } else if ((Mode & 0x3) == fmOpenWrite) {
        flags |= O_WRONLY;
        open |= QIODevice::WriteOnly;
    } else if ((Mode & 0x3) == fmOpenReadWrite) {
        flags |= O_RDWR;
        open |= QIODevice::ReadWrite;
    } else {
        flags |= O_RDONLY;
        open |= QIODevice::ReadOnly;
    }
    const int fd = ::open(QFile::encodeName(FileName).constData(), flags, 0666);
    if (fd < 0 || !FFile->open(fd, open, QFileDevice::AutoCloseHandle)) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        if (fd >= 0)
            ::close(fd);
        const QString shown = QFileInfo(FileName).absoluteFilePath();
        if (create)
            throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(shown, reason));
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(shown, reason));
    }
}

TFileStream::~TFileStream() = default;

long long TFileStream::Read(void* Buffer, long long Count)
{
    if (Count <= 0)
        return 0;
    const qint64 n = FFile->read(static_cast<char*>(Buffer), Count);
    return n < 0 ? 0 : n;
}

long long TFileStream::Write(const void* Buffer, long long Count)
{
    if (Count <= 0)
        return 0;
    const qint64 n = FFile->write(static_cast<const char*>(Buffer), Count);
    return n < 0 ? 0 : n;
}

long long TFileStream::Seek(long long Offset, TSeekOrigin Origin)
{
    long long target = Offset;
    if (Origin == TSeekOrigin::soCurrent)
        target += FFile->pos();
    else if (Origin == TSeekOrigin::soEnd)
        target += FFile->size();
    if (target < 0 || !FFile->seek(target))
        return -1;
    return FFile->pos();
}

long long TFileStream::Size()
{
    return FFile->size();
}

void TFileStream::SetSize(long long NewSize)
{
    const long long pos = FFile->pos();
    if (!FFile->resize(NewSize))
        throw EStreamError(QStringLiteral("Stream write error"));
    if (pos > NewSize)
        FFile->seek(NewSize);
}
