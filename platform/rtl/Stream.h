#pragma once
// Byte streams: the abstract TStream, memory, file, byte-array and string
// streams.
#include "platform/rtl/Object.h"
#include <QByteArray>
#include <QString>
#include <memory>

class QFile;

enum class TSeekOrigin { soBeginning, soCurrent, soEnd };
// The classic origin constants, taken by Seek(Offset, int).
enum : int { soFromBeginning = 0, soFromCurrent = 1, soFromEnd = 2 };

class TStream : public TObject {
public:
    ~TStream() override;

    // Reads up to Count bytes; returns how many were read.
    virtual long long Read(void* Buffer, long long Count) = 0;
    // Writes up to Count bytes; returns how many were written.
    virtual long long Write(const void* Buffer, long long Count) = 0;
    // Moves the position; returns the new position.
    virtual long long Seek(long long Offset, TSeekOrigin Origin) = 0;
    long long Seek(long long Offset, int Origin);

    long long Position() { return Seek(0, TSeekOrigin::soCurrent); }
    void SetPosition(long long Pos) { Seek(Pos, TSeekOrigin::soBeginning); }
    virtual long long Size();
    virtual void SetSize(long long NewSize);

    // Reads exactly Count bytes or raises EReadError "Stream read error".
    void ReadBuffer(void* Buffer, long long Count);
    // Writes exactly Count bytes or raises EWriteError "Stream write error".
    void WriteBuffer(const void* Buffer, long long Count);
    // Copies Count bytes from Source's position; Count 0 copies the whole
    // of Source from its start. Returns the number of bytes copied.
    long long CopyFrom(TStream* Source, long long Count);

    // The bytes from the current position to the end.
    QByteArray ReadAll();
    void WriteBytes(const QByteArray& Bytes) { WriteBuffer(Bytes.constData(), Bytes.size()); }
};

class TMemoryStream : public TStream {
public:
    TMemoryStream() = default;
    ~TMemoryStream() override;

    long long Read(void* Buffer, long long Count) override;
    long long Write(const void* Buffer, long long Count) override;
    using TStream::Seek;
    long long Seek(long long Offset, TSeekOrigin Origin) override;
    long long Size() override { return FData.size(); }
    // Note: the position moves back to the new end when it lies past it.
    void SetSize(long long NewSize) override;

    // The stream's bytes; valid until the size changes.
    char* Memory() { return FData.data(); }
    const char* Memory() const { return FData.constData(); }
    const QByteArray& Data() const { return FData; }
    void Clear();

    // Replaces the content with the whole of Stream (read from its start).
    void LoadFromStream(TStream* Stream);
    void SaveToStream(TStream* Stream);
    // Raises EFOpenError when the file cannot be read.
    void LoadFromFile(const QString& FileName);
    // Writes the file as a whole; a failure leaves the old file intact.
    void SaveToFile(const QString& FileName);

protected:
    QByteArray FData;
    long long FPosition = 0;
};

// A memory stream over a byte array.
class TBytesStream : public TMemoryStream {
public:
    explicit TBytesStream(const QByteArray& Bytes = QByteArray());
    const QByteArray& Bytes() const { return FData; }
};

// A memory stream over the UTF-8 bytes of a string.
class TStringStream : public TMemoryStream {
public:
    explicit TStringStream(const QString& S = QString());
    // The whole content decoded as UTF-8.
    QString DataString() const;
    void WriteString(const QString& S);
    // Reads Count bytes (fewer at the end) and decodes them as UTF-8.
    QString ReadString(long long Count);
};

// File open modes; the share flags are accepted and ignored.
enum : unsigned {
    fmCreate = 0xFF00,
    fmOpenRead = 0x0000,
    fmOpenWrite = 0x0001,
    fmOpenReadWrite = 0x0002,
    fmShareCompat = 0x0000,
    fmShareExclusive = 0x0010,
    fmShareDenyWrite = 0x0020,
    fmShareDenyRead = 0x0030,
    fmShareDenyNone = 0x0040
};

class TFileStream : public TStream {
public:
    // fmCreate creates or empties the file (EFCreateError "Cannot create
    // file \"%s\". %s" on failure); the open modes need an existing file
    // (EFOpenError "Cannot open file \"%s\". %s").
    TFileStream(const QString& FileName, unsigned Mode);
    ~TFileStream() override;

    long long Read(void* Buffer, long long Count) override;
    long long Write(const void* Buffer, long long Count) override;
    using TStream::Seek;
    long long Seek(long long Offset, TSeekOrigin Origin) override;
    long long Size() override;
    void SetSize(long long NewSize) override;

    const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    std::unique_ptr<QFile> FFile;
};
