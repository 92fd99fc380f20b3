// File names and the file system.
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <vector>

namespace {

const QString NameDelimiters = QStringLiteral("/\\");

thread_local int LastOSError = 0;

// mkdir of one level; keeps the system's error code.
bool MakeDir(const QString& Dir)
{
    if (::mkdir(QFile::encodeName(Dir).constData(), 0777) == 0) {
        LastOSError = 0;
        return true;
    }
    LastOSError = errno;
    return false;
}

} // namespace

// File names

QString ExtractFilePath(const QString& FileName)
{
    return FileName.left(LastDelimiter(NameDelimiters, FileName));
}

QString ExtractFileDir(const QString& FileName)
{
    int i = LastDelimiter(NameDelimiters, FileName);
    if (i > 1 && !IsDelimiter(NameDelimiters, FileName, i - 1))
        --i;
    return FileName.left(i);
}

QString ExtractFileName(const QString& FileName)
{
    return FileName.mid(LastDelimiter(NameDelimiters, FileName));
}

QString ExtractFileExt(const QString& FileName)
{
    const int i = LastDelimiter(u'.' + NameDelimiters, FileName);
    return i > 0 && FileName[i - 1] == u'.' ? FileName.mid(i - 1) : QString();
}

QString ChangeFileExt(const QString& FileName, const QString& Extension)
{
    int i = LastDelimiter(u'.' + NameDelimiters, FileName);
    if (i == 0 || FileName[i - 1] != u'.')
        i = int(FileName.size()) + 1;
    return FileName.left(i - 1) + Extension;
}

QString IncludeTrailingPathDelimiter(const QString& S)
{
    return S.endsWith(PathDelim) ? S : S + PathDelim;
}

QString ExcludeTrailingPathDelimiter(const QString& S)
{
    return S.endsWith(PathDelim) ? S.left(S.size() - 1) : S;
}

QString ExpandFileName(const QString& FileName)
{
    if (FileName.isEmpty())
        return QString();
    QString full = QDir::cleanPath(QDir::current().absoluteFilePath(FileName));
    if (FileName.endsWith(PathDelim) && !full.endsWith(PathDelim))
        full += PathDelim;
    return full;
}

// File system

bool FileExists(const QString& FileName)
{
    const QFileInfo fi(FileName);
    return !FileName.isEmpty() && fi.exists() && !fi.isDir();
}

bool DirectoryExists(const QString& Directory)
{
    return !Directory.isEmpty() && QFileInfo(Directory).isDir();
}

bool ForceDirectories(const QString& Dir)
{
    if (Dir.isEmpty())
        throw EInOutError(QStringLiteral("Unable to create directory"));
    const QString dir = ExcludeTrailingPathDelimiter(ExpandFileName(Dir));
    if (dir.isEmpty() || DirectoryExists(dir)) {
        LastOSError = 0;
        return true;
    }
    // Only "/" separates here: a "\\" may be part of a folder's name.
    const qsizetype slash = dir.lastIndexOf(PathDelim);
    const QString parent = slash > 0 ? dir.left(slash) : QString();
    if (!parent.isEmpty() && !ForceDirectories(parent))
        return false;
    // Made meanwhile by someone else counts as made.
    if (MakeDir(dir) || DirectoryExists(dir)) {
        LastOSError = 0;
        return true;
    }
    return false;
}

bool CreateDir(const QString& Dir)
{
    if (Dir.isEmpty()) {
        LastOSError = ENOENT;
        return false;
    }
    return MakeDir(Dir);
}

int GetLastOSError()
{
    return LastOSError;
}

QString SysErrorMessage(int ErrorCode)
{
    return QString::fromLocal8Bit(std::strerror(ErrorCode));
}

bool RemoveDir(const QString& Dir)
{
    return DirectoryExists(Dir) && QDir().rmdir(Dir);
}

bool DeleteFile(const QString& FileName)
{
    return FileExists(FileName) && QFile::remove(FileName);
}

// Note: like the system call, replaces an existing file of the new name.
bool RenameFile(const QString& OldName, const QString& NewName)
{
    if (OldName.isEmpty() || NewName.isEmpty())
        return false;
    return std::rename(QFile::encodeName(OldName).constData(), QFile::encodeName(NewName).constData()) == 0;
}

QString GetCurrentDir()
{
    return QDir::currentPath();
}

bool SetCurrentDir(const QString& Dir)
{
    return QDir::setCurrent(Dir);
}

double FileAge(const QString& FileName)
{
    const QFileInfo fi(FileName);
    if (!fi.exists() || fi.isDir())
        return -1;
    return QDateTimeToDateTime(fi.lastModified());
}

bool FileSetDate(const QString& FileName, double Age)
{
    QFile f(FileName);
    if (!FileExists(FileName) || !f.open(QIODevice::ReadWrite | QIODevice::ExistingOnly))
        return false;
    return f.setFileTime(DateTimeToQDateTime(Age), QFileDevice::FileModificationTime);
}

// Searching

bool MatchesMask(const QString& Name, const QString& Mask)
{
    // Iterative glob match with backtracking to the last "*".
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype starM = -1;
    qsizetype starN = 0;
    while (n < Name.size()) {
        if (m < Mask.size() && (Mask[m] == u'?' || Mask[m] == Name[n])) {
            ++n;
            ++m;
        } else if (m < Mask.size() && Mask[m] == u'*') {
            starM = m++;
            starN = n;
        } else if (starM >= 0) {
            m = starM + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (m < Mask.size() && Mask[m] == u'*')
        ++m;
    return m == Mask.size();
}

struct TSearchRecState {
    std::vector<TSearchRec> Found;
    size_t Next = 0;
};

namespace {

constexpr int ErrorFileNotFound = 2;
constexpr int ErrorPathNotFound = 3;
constexpr int ErrorNoMoreFiles = 18;

int AttributesOf(const QFileInfo& fi)
{
    int attr = 0;
    if (fi.isDir())
        attr |= faDirectory;
    if (fi.fileName().startsWith(u'.'))
        attr |= faHidden;
    // Read-only is a property of the file: no write permission for anyone,
    // which the superuser's access check would not report.
    constexpr QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!fi.isWritable() || !(fi.permissions() & anyWrite))
        attr |= faReadOnly;
    if (!fi.isDir() && !fi.isFile())
        attr |= faSysFile;
    return attr == 0 ? faNormal : attr;
}

int TakeNext(TSearchRec& F)
{
    TSearchRecState* state = F.FindHandle;
    if (!state || state->Next >= state->Found.size())
        return ErrorNoMoreFiles;
    TSearchRecState* keep = state;
    F = state->Found[state->Next++];
    F.FindHandle = keep;
    return 0;
}

} // namespace

int FindFirst(const QString& Path, int Attr, TSearchRec& F)
{
    FindClose(F);
    const QString folder = ExtractFilePath(Path);
    QString mask = ExtractFileName(Path);
    if (mask == u"*.*")
        mask = QStringLiteral("*");
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    if (!dir.exists())
        return ErrorPathNotFound;
    // Hidden, system and folder entries only when asked for.
    const int excluded = (faHidden | faSysFile | faDirectory) & ~Attr;
    auto* state = new TSearchRecState;
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                          QDir::Name);
    for (const QFileInfo& fi : entries) {
        if (!MatchesMask(fi.fileName(), mask))
            continue;
        TSearchRec rec;
        rec.Name = fi.fileName();
        rec.Attr = AttributesOf(fi);
        if (rec.Attr & excluded)
            continue;
        rec.Size = fi.isDir() ? 0 : fi.size();
        rec.Time = QDateTimeToDateTime(fi.lastModified());
        state->Found.push_back(rec);
    }
    F.FindHandle = state;
    if (state->Found.empty())
        return ErrorFileNotFound;
    return TakeNext(F);
}

int FindNext(TSearchRec& F)
{
    return TakeNext(F);
}

void FindClose(TSearchRec& F)
{
    delete F.FindHandle;
    F.FindHandle = nullptr;
}
