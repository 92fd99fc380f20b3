#pragma once
// Shared by the grid's file formats (not part of the public surface):
// reading whole files, decoding by byte-order mark or ANSI, walking lines
// without copying, and progress reports that fire only on change.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <memory>

class TAtomicFileWriter;
class TProStringGrid;
class TStream;

namespace GridFiles {

// The whole file; raises the platform's EFOpenError when it cannot be read.
QByteArray ReadFileBytes(const QString& FileName);
// A byte-order mark (UTF-8, UTF-16 LE or BE) decides; otherwise ANSI.
QString DecodeBomOrAnsi(const QByteArray& Bytes);
// Lines each followed by CR LF, encoded as UTF-16 LE or UTF-8 with their
// byte-order mark, or as ANSI; written through the atomic file write.
enum class TFileEncoding { Ansi, Utf8Bom, Utf16Bom };
void WriteText(const QString& FileName, const QString& Text, TFileEncoding Encoding);

// The same file written in pieces, so a large text is never held whole:
// Commit renames it over FileName; left uncommitted, FileName stays as it
// was. Raises what the atomic file write raises.
class TTextFileWriter {
public:
    TTextFileWriter(const QString& FileName, TFileEncoding Encoding);
    ~TTextFileWriter();
    // Note: a piece must not end inside a surrogate pair.
    void Write(const QString& Text);
    void Commit();

private:
    std::unique_ptr<TAtomicFileWriter> FFile;
    TFileEncoding FEncoding;
    bool FStarted = false;
};

// Lines of a text split at CR, LF or CR LF; a break at the very end adds
// no empty line.
class TLineReader {
public:
    explicit TLineReader(QStringView Text) : FText(Text) {}
    // The reader only looks into the text: a temporary would die under it.
    explicit TLineReader(QString&&) = delete;
    bool Next(QStringView& Line);
    bool AtEnd() const { return FPos >= FText.size(); }
    qsizetype Position() const { return FPos; }
    void SetPosition(qsizetype Pos) { FPos = Pos; }

private:
    QStringView FText;
    qsizetype FPos = 0;
};

// Counts the lines TLineReader would give.
int CountLines(QStringView Text);

// OnFileProgress with a percentage, fired only when it changed.
class TProgress {
public:
    explicit TProgress(TProStringGrid* Grid) : FGrid(Grid) {}
    bool Wanted() const;
    void Report(int Percent);

private:
    TProStringGrid* FGrid;
    int FLast = -1;
};

// round(Num / max(1, Den) * 100), halves to even.
int Percent(long long Num, long long Den);

} // namespace GridFiles
