#pragma once
// Text files: encoding detection, line splitting and writers.
#include <QByteArray>
#include <QString>
#include <QStringList>

// The encodings a text file can have.
// Note: ANSI is Windows-1252 (see CodePages.h).
enum class TEncodingKind { ekAnsi, ekUtf8, ekUtf16LE, ekUtf16BE };

// Decodes bytes whose encoding is found out: a byte-order mark decides
// (UTF-8, UTF-16 LE/BE, the mark itself is dropped); otherwise UTF-8 when
// the bytes are valid UTF-8, otherwise ANSI. When asked, reports the
// encoding found and whether a mark was there.
// Note: bytes that are all below 0x80 report ekAnsi, so saving them back
// in the reported encoding gives the same bytes.
QString DecodeText(const QByteArray& bytes, TEncodingKind* encoding = nullptr,
                   bool* hasBom = nullptr);
// Decodes bytes in the given encoding; its own byte-order mark, when
// present, is skipped.
QString DecodeTextAs(const QByteArray& bytes, TEncodingKind encoding);
// Encodes text; withBom puts the byte-order mark of a Unicode encoding in
// front (ANSI has none). Characters ANSI cannot hold become "?".
QByteArray EncodeText(const QString& text, TEncodingKind encoding, bool withBom);
// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or
// code points past U+10FFFF).
bool IsValidUtf8(const QByteArray& bytes);

// Splits text into lines at CR, LF or CR LF.
// Note: a line ending at the very end adds no empty line; "" gives no lines.
QStringList SplitLines(const QString& text);
// Joins lines, each one followed by CR LF.
QString JoinLines(const QStringList& lines);

// Reads a whole text file as lines, the encoding detected as DecodeText
// does. Raises EFOpenError when the file cannot be read.
QStringList ReadTextFile(const QString& path, TEncodingKind* encoding = nullptr);
// Writes lines, each ending in CR LF, through the atomic write. The
// Unicode encodings start with their byte-order mark; ANSI has none.
// Raises as WriteFileAtomic does.
void WriteTextFile(const QString& path, const QStringList& lines, TEncodingKind encoding);
