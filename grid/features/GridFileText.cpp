#include "grid/features/GridFileText.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/AtomicFile.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/TextFile.h"
#include <algorithm>
#include <cmath>

namespace GridFiles {

QByteArray ReadFileBytes(const QString& FileName)
{
    TFileStream file(FileName, fmOpenRead | fmShareDenyWrite);
    return file.ReadAll();
}

QString DecodeBomOrAnsi(const QByteArray& Bytes)
{
    if (Bytes.startsWith("\xEF\xBB\xBF"))
        return DecodeTextAs(Bytes, TEncodingKind::ekUtf8);
    if (Bytes.startsWith("\xFF\xFE"))
        return DecodeTextAs(Bytes, TEncodingKind::ekUtf16LE);
    if (Bytes.startsWith("\xFE\xFF"))
        return DecodeTextAs(Bytes, TEncodingKind::ekUtf16BE);
    return AnsiToUtf16(Bytes);
}

void WriteText(const QString& FileName, const QString& Text, TFileEncoding Encoding)
{
    switch (Encoding) {
    case TFileEncoding::Ansi:
        WriteFileAtomic(FileName, Utf16ToAnsi(Text));
        break;
    case TFileEncoding::Utf8Bom:
        WriteFileAtomic(FileName, EncodeText(Text, TEncodingKind::ekUtf8, true));
        break;
    case TFileEncoding::Utf16Bom:
        WriteFileAtomic(FileName, EncodeText(Text, TEncodingKind::ekUtf16LE, true));
        break;
    }
}

TTextFileWriter::TTextFileWriter(const QString& FileName, TFileEncoding Encoding)
    : FFile(std::make_unique<TAtomicFileWriter>(FileName)), FEncoding(Encoding)
{
}

TTextFileWriter::~TTextFileWriter() = default;

void TTextFileWriter::Write(const QString& Text)
{
    // The byte-order mark goes before the first piece only.
    const bool bom = !FStarted;
    FStarted = true;
    switch (FEncoding) {
    case TFileEncoding::Ansi:
        FFile->Write(Utf16ToAnsi(Text));
        break;
    case TFileEncoding::Utf8Bom:
        FFile->Write(EncodeText(Text, TEncodingKind::ekUtf8, bom));
        break;
    case TFileEncoding::Utf16Bom:
        FFile->Write(EncodeText(Text, TEncodingKind::ekUtf16LE, bom));
        break;
    }
}

void TTextFileWriter::Commit()
{
    if (!FStarted)
        Write(QString());
    FFile->Commit();
}

bool TLineReader::Next(QStringView& Line)
{
    const qsizetype n = FText.size();
    if (FPos >= n)
        return false;
    const QChar* d = FText.data();
    qsizetype i = FPos;
    while (i < n && d[i] != u'\r' && d[i] != u'\n')
        ++i;
    Line = FText.mid(FPos, i - FPos);
    if (i < n && d[i] == u'\r') {
        ++i;
        if (i < n && d[i] == u'\n')
            ++i;
    } else if (i < n) {
        ++i;
    }
    FPos = i;
    return true;
}

int CountLines(QStringView Text)
{
    TLineReader reader(Text);
    QStringView line;
    int n = 0;
    while (reader.Next(line))
        ++n;
    return n;
}

bool TProgress::Wanted() const { return bool(FGrid->OnFileProgress); }

void TProgress::Report(int Percent)
{
    if (!FGrid->OnFileProgress || Percent == FLast)
        return;
    FLast = Percent;
    FGrid->OnFileProgress(FGrid, int16_t(Percent));
}

int Percent(long long Num, long long Den)
{
    return int(std::nearbyint(double(Num) / double(std::max(1LL, Den)) * 100.0));
}

} // namespace GridFiles
