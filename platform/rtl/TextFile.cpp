#include "platform/rtl/TextFile.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Exceptions.h"
#include <QFile>
#include <QStringDecoder>

namespace {

const QByteArray Utf8Bom("\xEF\xBB\xBF", 3);
const QByteArray Utf16LEBom("\xFF\xFE", 2);
const QByteArray Utf16BEBom("\xFE\xFF", 2);

QString DecodeUtf16(const QByteArray& bytes, qsizetype from, bool bigEndian)
{
    const qsizetype count = (bytes.size() - from) / 2;
    QString s(count, Qt::Uninitialized);
    QChar* out = s.data();
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData() + from);
    for (qsizetype i = 0; i < count; ++i, p += 2)
        out[i] = QChar(bigEndian ? char16_t(p[0] << 8 | p[1]) : char16_t(p[1] << 8 | p[0]));
    // A lone last byte cannot be a character.
    if ((bytes.size() - from) % 2)
        s.append(QChar::ReplacementCharacter);
    return s;
}

QByteArray EncodeUtf16(const QString& text, bool bigEndian)
{
    QByteArray out(text.size() * 2, Qt::Uninitialized);
    char* p = out.data();
    for (QChar c : text) {
        const char16_t u = c.unicode();
        *p++ = char(bigEndian ? u >> 8 : u & 0xFF);
        *p++ = char(bigEndian ? u & 0xFF : u >> 8);
    }
    return out;
}

bool IsAscii(const QByteArray& bytes)
{
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

} // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.constData());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        const uchar c = p[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int len;
        char32_t cp;
        if (c >= 0xC2 && c <= 0xDF) {
            len = 2;
            cp = c & 0x1F;
        } else if (c >= 0xE0 && c <= 0xEF) {
            len = 3;
            cp = c & 0x0F;
        } else if (c >= 0xF0 && c <= 0xF4) {
            len = 4;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + len > n)
            return false;
        for (int k = 1; k < len; ++k) {
            if ((p[i + k] & 0xC0) != 0x80)
                return false;
            cp = cp << 6 | (p[i + k] & 0x3F);
        }
        if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)))
            return false;
        if (cp >= 0xD800 && cp <= 0xDFFF)
            return false;
        i += len;
    }
    return true;
}

QString DecodeText(const QByteArray& bytes, TEncodingKind* encoding, bool* hasBom)
{
    TEncodingKind kind = TEncodingKind::ekAnsi;
    bool bom = true;
    if (bytes.startsWith(Utf8Bom))
        kind = TEncodingKind::ekUtf8;
    else if (bytes.startsWith(Utf16LEBom))
        kind = TEncodingKind::ekUtf16LE;
    else if (bytes.startsWith(Utf16BEBom))
        kind = TEncodingKind::ekUtf16BE;
    else {
        bom = false;
        if (!IsAscii(bytes) && IsValidUtf8(bytes))
            kind = TEncodingKind::ekUtf8;
    }
    if (encoding)
        *encoding = kind;
    if (hasBom)
        *hasBom = bom;
    return DecodeTextAs(bytes, kind);
}

QString DecodeTextAs(const QByteArray& bytes, TEncodingKind encoding)
{
    switch (encoding) {
    case TEncodingKind::ekUtf8: {
        // Only the one mark is dropped; a second U+FEFF is text.
        QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
        const qsizetype from = bytes.startsWith(Utf8Bom) ? 3 : 0;
        return decoder(QByteArrayView(bytes.constData() + from, bytes.size() - from));
    }
    case TEncodingKind::ekUtf16LE:
        return DecodeUtf16(bytes, bytes.startsWith(Utf16LEBom) ? 2 : 0, false);
    case TEncodingKind::ekUtf16BE:
        return DecodeUtf16(bytes, bytes.startsWith(Utf16BEBom) ? 2 : 0, true);
    case TEncodingKind::ekAnsi:
        break;
    }
    return AnsiToUtf16(bytes);
}

QByteArray EncodeText(const QString& text, TEncodingKind encoding, bool withBom)
{
    switch (encoding) {
    case TEncodingKind::ekUtf8:
        return withBom ? Utf8Bom + text.toUtf8() : text.toUtf8();
    case TEncodingKind::ekUtf16LE:
        return withBom ? Utf16LEBom + EncodeUtf16(text, false) : EncodeUtf16(text, false);
    case TEncodingKind::ekUtf16BE:
        return withBom ? Utf16BEBom + EncodeUtf16(text, true) : EncodeUtf16(text, true);
    case TEncodingKind::ekAnsi:
        break;
    }
    return Utf16ToAnsi(text);
}

QStringList SplitLines(const QString& text)
{
    QStringList lines;
    const qsizetype n = text.size();
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(text.mid(start));
    return lines;
}

QString JoinLines(const QStringList& lines)
{
    QString text;
    qsizetype size = 0;
    for (const QString& line : lines)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString& line : lines) {
        text += line;
        text += QLatin1String("\r\n");
    }
    return text;
}

QStringList ReadTextFile(const QString& path, TEncodingKind* encoding)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw EFOpenError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    return SplitLines(DecodeText(bytes, encoding));
}

void WriteTextFile(const QString& path, const QStringList& lines, TEncodingKind encoding)
{
    WriteFileAtomic(path, EncodeText(JoinLines(lines), encoding, encoding != TEncodingKind::ekAnsi));
}
