#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/Exceptions.h"
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

enum { kCreate, kWrite, kReplace };

QString SystemReason(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

QByteArray Native(const QString& path)
{
    return QFile::encodeName(path);
}

} // namespace

TAtomicFileWriter::TAtomicFileWriter(const QString& path) : FFileName(path)
{
    const QFileInfo info(path);
    const QString dir = info.path();
    // A hidden name beside the target, so the rename stays in one file system.
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString name = dir + QStringLiteral("/.") + info.fileName() + QStringLiteral(".")
            + QString::number(QRandomGenerator::global()->generate(), 36) + QStringLiteral(".tmp");
        FFd = ::open(Native(name).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (FFd >= 0) {
            FTempName = name;
            break;
        }
        if (errno != EEXIST)
            break;
    }
    if (FFd < 0)
        Fail(kCreate, QString(), errno);
    // Keep the permissions of the file being replaced.
    struct stat st;
    if (::stat(Native(path).constData(), &st) == 0 && S_ISREG(st.st_mode))
        ::fchmod(FFd, st.st_mode & 07777);
}

TAtomicFileWriter::~TAtomicFileWriter()
{
    Discard();
}

void TAtomicFileWriter::Write(const QByteArray& data)
{
    Write(data.constData(), data.size());
}

void TAtomicFileWriter::Write(const char* data, qint64 size)
{
    if (FFd < 0)
        Fail(kWrite, QStringLiteral("File not open"), 0);
    while (size > 0) {
        const ssize_t n = ::write(FFd, data, size_t(size));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            Fail(kWrite, QString(), errno);
        }
        data += n;
        size -= n;
    }
}

void TAtomicFileWriter::Flush()
{
    if (FFd < 0)
        Fail(kWrite, QStringLiteral("File not open"), 0);
    if (::fsync(FFd) != 0)
        Fail(kWrite, QString(), errno);
    const int fd = FFd;
    FFd = -1;
    if (::close(fd) != 0)
        Fail(kWrite, QString(), errno);
}

void TAtomicFileWriter::Commit()
{
    if (FFd >= 0)
        Flush();
    else if (FTempName.isEmpty())
        Fail(kWrite, QStringLiteral("File not open"), 0);
    if (::rename(Native(FTempName).constData(), Native(FFileName).constData()) != 0)
        Fail(kReplace, QString(), errno);
    FTempName.clear();
    // Make the rename itself durable.
    const int dirFd = ::open(Native(QFileInfo(FFileName).path()).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
}

void TAtomicFileWriter::Discard()
{
    if (FFd >= 0) {
        ::close(FFd);
        FFd = -1;
    }
    if (!FTempName.isEmpty()) {
        ::unlink(Native(FTempName).constData());
        FTempName.clear();
    }
}

void TAtomicFileWriter::Fail(int kind, const QString& what, int err)
{
    const QString reason = what.isEmpty() ? SystemReason(err) : what;
    Discard();
    switch (kind) {
    case kCreate:
        throw EFCreateError(QStringLiteral("Cannot create file \"%1\". %2").arg(FFileName, reason));
    case kWrite:
        throw EWriteError(QStringLiteral("Cannot write file \"%1\". %2").arg(FFileName, reason));
    default:
        throw EInOutError(QStringLiteral("Cannot replace file \"%1\". %2").arg(FFileName, reason));
    }
}

void WriteFileAtomic(const QString& path, const QByteArray& data)
{
    TAtomicFileWriter writer(path);
    writer.Write(data);
    writer.Commit();
}
