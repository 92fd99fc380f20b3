#pragma once
// Atomic whole-file writes. The data goes to a temporary file in the
// target's folder, is flushed to disk and then renamed over the target, so
// a failure at any step leaves the old file as it was.
#include <QByteArray>
#include <QString>

// Replaces the file at path with data.
// Raises EFCreateError when the temporary file cannot be created,
// EWriteError when writing or flushing fails and EInOutError when the
// rename fails; each message names the file and the system's reason.
// Note: on failure the temporary file is removed and the target untouched.
void WriteFileAtomic(const QString& path, const QByteArray& data);

// Writes a file in pieces and replaces the target on Commit.
// Dropping the writer without Commit discards everything written.
class TAtomicFileWriter {
public:
    // Creates the temporary file beside path; raises EFCreateError.
    explicit TAtomicFileWriter(const QString& path);
    ~TAtomicFileWriter();
    TAtomicFileWriter(const TAtomicFileWriter&) = delete;
    TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

    // Appends to the temporary file; raises EWriteError.
    void Write(const QByteArray& data);
    void Write(const char* data, qint64 size);
    // Brings the temporary file to disk and closes it; a later Commit then
    // only renames. Raises EWriteError (and discards) on failure.
    void Flush();
    // Flushes the temporary file (unless done) and renames it over the
    // target. Raises EWriteError or EInOutError (and discards) on failure.
    void Commit();
    // Removes the temporary file; the target stays as it was.
    void Discard();

    const QString& FileName() const { return FFileName; }
    // The temporary file; empty once committed or discarded.
    const QString& TempFileName() const { return FTempName; }

private:
    [[noreturn]] void Fail(int kind, const QString& what, int err);

    QString FFileName;
    QString FTempName;
    int FFd = -1;
};
