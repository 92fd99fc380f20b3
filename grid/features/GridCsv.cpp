// CSV export and import of the string grid.
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridFileText.h"
#include "grid/foundation/StringUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <array>

using namespace GridFiles;

namespace {

const QChar CsvQuote = u'"';
const QChar CsvVTab = QChar(11);
const std::array<QChar, 10> Candidates{u',', u';', u'#', u'\t', u'|', u'@', u'*', u'-', u'+', u'&'};

// Guesses the separator from the first two lines: first a candidate whose
// unpaired runs agree on both lines, then plain counts that agree, then
// the most frequent on either line. 0 when none occurs.
QChar DetectDelimiter(const QString& L1, const QString& L2)
{
    int best = 0;
    QChar found;
    for (QChar c : Candidates) {
        const int n = CountUnpairedChars(c, L1);
        if (n == CountUnpairedChars(c, L2) && n > best) {
            best = n;
            found = c;
        }
    }
    if (!found.isNull())
        return found;
    for (QChar c : Candidates) {
        const int n = CountChar(c, L1);
        if (n == CountChar(c, L2) && n > best) {
            best = n;
            found = c;
        }
    }
    if (!found.isNull())
        return found;
    for (QChar c : Candidates) {
        const int n1 = CountChar(c, L1), n2 = CountChar(c, L2);
        if (n1 > best || n2 > best) {
            best = std::max(n1, n2);
            found = c;
        }
    }
    return found;
}

qsizetype SkipBlanks(QStringView S, qsizetype P)
{
    while (S.size() - P >= 2 && S[P] == u' ')
        ++P;
    return P;
}

// Index just past the closing quote of a quoted field whose text starts at
// P (after its opening quote): the end of the first run of quotes of odd
// length, or a quote ending the text. -1 when there is none.
qsizetype ClosingQuote(QStringView S, qsizetype P)
{
    const qsizetype n = S.size();
    qsizetype run = 0;
    for (qsizetype i = P; i < n; ++i) {
        if (S[i] == CsvQuote) {
            if (i == n - 1)
                return n;
            ++run;
        } else {
            if (run % 2 == 1)
                return i;
            run = 0;
        }
    }
    return -1;
}

// Index just past the first run of quotes of odd length from P on, -1
// when there is none: how a strict reader closes a quoted field, so a text
// ending in a doubled quote is still open.
qsizetype StrictClose(QStringView S, qsizetype P)
{
    const qsizetype n = S.size();
    qsizetype i = P;
    while (i < n) {
        if (S[i] != CsvQuote) {
            ++i;
            continue;
        }
        qsizetype run = 0;
        while (i < n && S[i] == CsvQuote) {
            ++run;
            ++i;
        }
        if (run % 2 == 1)
            return i;
    }
    return -1;
}

// True when a quoted field is still open at the end of S. With
// InsideField, S starts within a field (after a closed quoted part), so
// the scan goes on at the next separator.
bool QuotedFieldOpen(QStringView S, QChar Delim, bool InsideField = false)
{
    const qsizetype n = S.size();
    qsizetype p = 0;
    for (;;) {
        if (!InsideField) {
            p = SkipBlanks(S, p);
            if (p < n && S[p] == CsvQuote) {
                p = StrictClose(S, p + 1);
                if (p < 0)
                    return true;
            }
        }
        InsideField = false;
        if (Delim.isNull())
            return false;
        const qsizetype k = S.indexOf(Delim, p);
        if (k < 0)
            return false;
        p = k + 1;
    }
}

// Whether the quoted field left open by the lines before is still open
// after the line Next.
bool StillOpen(QStringView Next, QChar Delim)
{
    const qsizetype close = StrictClose(Next, 0);
    return close < 0 || QuotedFieldOpen(Next.mid(close), Delim, true);
}

} // namespace

// Writing

void TProStringGrid::SaveToCSV(const QString& FileName, bool Unicode)
{
    WriteCsv(FileName, Unicode, false);
}

void TProStringGrid::AppendToCSV(const QString& FileName, bool Unicode)
{
    WriteCsv(FileName, Unicode, true);
}

QString TProStringGrid::CsvField(int ACol, int ARow, QChar Sep)
{
    QString t;
    SaveCell(ACol, ARow, t);
    t = DoubleQuoteChars(t);
    if (FOemConvert)
        ConvertToOEM(t);
    bool quoted = false;
    if (FAlwaysQuotes || (!t.contains(Sep) && t.contains(CsvQuote))) {
        t = CsvQuote + t + CsvQuote;
        quoted = true;
    }
    if (t.isEmpty()) {
        if (FJavaCSV)
            t = QStringLiteral("^");
        else if (FQuoteEmptyCells)
            t = QStringLiteral("\"\"");
    }
    if (t.contains(Sep) || t.contains(u'\r')) {
        if (FJavaCSV) {
            CRToTilde(t);
            // A separator inside the text needs quotes to read back as one field.
            if (!quoted && t.contains(Sep))
                t = CsvQuote + t + CsvQuote;
        } else if (quoted) {
            CRLFToLF(t);
        } else {
            QuoteMultiLine(t);
        }
    }
    return t;
}

void TProStringGrid::WriteCsv(const QString& FileName, bool Unicode, bool Append)
{
    const QChar sep = FDelimiter.isNull() ? QChar(u',') : FDelimiter;
    QString out;
    if (Append) {
        const QString old = DecodeBomOrAnsi(ReadFileBytes(FileName));
        TLineReader reader(old);
        QStringView line;
        while (reader.Next(line)) {
            out += line;
            out += QLatin1String("\r\n");
        }
    }
    const int h = FSaveHiddenCells ? FNumHidden : 0;
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    // The text goes to the file in pieces of whole rows, so a large grid is
    // never held twice over as text and bytes.
    constexpr qsizetype PieceChars = 1 << 20;
    TTextFileWriter file(FileName, Unicode ? TFileEncoding::Utf8Bom : TFileEncoding::Ansi);
    TProgress progress(this);
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= r1; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c <= c1; ++c) {
            if (c > c0)
                out += sep;
            out += CsvField(FSaveHiddenCells ? c : DisplToRealCol(c), r, sep);
        }
        out += QLatin1String("\r\n");
        if (out.size() >= PieceChars) {
            file.Write(out);
            out.resize(0);
        }
        progress.Report(Percent(r, RowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    file.Write(out);
    file.Commit();
}

// Reading

void TProStringGrid::LoadFromCSV(const QString& FileName, int MaxRows)
{
    const QByteArray bytes = ReadFileBytes(FileName);
    if (bytes.isEmpty())
        return;
    ReadCsv(DecodeBomOrAnsi(bytes), MaxRows, false);
}

void TProStringGrid::InsertFromCSV(const QString& FileName, int MaxRows)
{
    const QByteArray bytes = ReadFileBytes(FileName);
    if (bytes.isEmpty())
        return;
    ReadCsv(DecodeBomOrAnsi(bytes), MaxRows, true);
}

void TProStringGrid::LoadFromCSVStream(TStream* AStream, int MaxRows)
{
    ReadCsv(DecodeBomOrAnsi(AStream->ReadAll()), MaxRows, false);
}

void TProStringGrid::StoreCsvField(QString Value, int& ACol, int ARow, int Hidden)
{
    if (FJavaCSV)
        TildeToCRLF(Value);
    else if (Value.contains(CsvVTab))
        VTToCRLF(Value);
    if (ACol + 1 > ColCount() + Hidden)
        SetColCount(ACol + 1 - Hidden);
    LoadCell(ACol, ARow, Value);
    ++ACol;
}

void TProStringGrid::StoreCsvLine(const QString& L, QChar Delim, int ARow, int Hidden)
{
    int col = SaveStartCol();
    const qsizetype n = L.size();
    qsizetype p = 0;
    QStringView s(L);
    while (!Delim.isNull()) {
        const qsizetype k = L.indexOf(Delim, p);
        if (k < 0)
            break;
        p = SkipBlanks(s, p);
        if (L[p] == CsvQuote) {
            ++p;
            const qsizetype close = ClosingQuote(s, p);
            QString field;
            if (close >= 0) {
                field = UndoubleChar(CsvQuote, L.mid(p, close - 1 - p));
                p = close;
            }
            // Text between the closing quote and the next separator is dropped.
            const qsizetype next = L.indexOf(Delim, p);
            if (next >= 0)
                p = next + 1;
            StoreCsvField(field, col, ARow, Hidden);
        } else {
            StoreCsvField(L.mid(p, k - p), col, ARow, Hidden);
            p = k + 1;
        }
    }
    if (p >= n)
        return;
    p = SkipBlanks(s, p);
    QString field = L.mid(p);
    if (field.startsWith(CsvQuote)) {
        field.remove(0, 1);
        if (field.endsWith(CsvQuote))
            field.chop(1);
        field = UndoubleChar(CsvQuote, field);
    }
    StoreCsvField(field, col, ARow, Hidden);
}

void TProStringGrid::ReadCsv(const QString& Text, int MaxRows, bool Insert)
{
    TLineReader reader(Text);
    if (reader.AtEnd())
        throw Exception(QStringLiteral("File is empty"));
    int row = Insert ? RowCount() : SaveStartRow();
    const bool footer = FFloatingFooter && FFloatingFooter->Visible();
    QStringList kept;
    if (footer && Insert && row > 0) {
        --row;
        for (int c = 0; c < TotalColCount(); ++c) {
            kept << GetGridCell(c, row);
            SetGridCell(c, row, QString());
        }
    }

    QChar delim = FDelimiter;
    if (delim.isNull()) {
        TLineReader first(Text);
        QStringView l1, l2;
        first.Next(l1);
        first.Next(l2);
        delim = DetectDelimiter(l1.toString(), l2.toString());
    }

    TProgress progress(this);
    int dataLines = 0;
    if (progress.Wanted()) {
        const int all = GridFiles::CountLines(Text);
        dataLines = FLoadFirstRow ? all : all - 1;
        SetRowCount(Insert ? RowCount() + all : row + all + FFixedFooters);
    }

    QStringView line;
    if (!FLoadFirstRow)
        reader.Next(line);
    const int hidden = FSaveHiddenCells ? FNumHidden : 0;
    bool joining = true;
    int read = 0;
    while ((MaxRows <= 0 || read < MaxRows) && reader.Next(line)) {
        QString l = line.toString();
        // A quoted field open at the line's end goes on on the next lines.
        if (joining && QuotedFieldOpen(l, delim)) {
            const qsizetype back = reader.Position();
            QString joined = l;
            QStringView more;
            bool closed = false;
            while (!closed && reader.Next(more)) {
                joined += QLatin1String("\r\n");
                joined += more;
                closed = !StillOpen(more, delim);
            }
            if (closed) {
                l = joined;
            } else {
                // Never closed: read the lines one by one as they stand.
                reader.SetPosition(back);
                joining = false;
            }
        }
        if (FOemConvert)
            ConvertFromOEM(l);
        if (row >= RowCount() - FFixedFooters)
            SetRowCount(row + 1000);
        StoreCsvLine(l, delim, row, hidden);
        ++row;
        ++read;
        progress.Report(dataLines == 0 ? 100 : Percent(read, dataLines));
    }

    SetRowCount(row + FFixedFooters);
    FMaxRowCount = RowCount();
    if (footer) {
        const int last = RowCount() - 1;
        for (int c = 0; c < TotalColCount(); ++c)
            SetGridCell(c, last, c < kept.size() ? kept[c] : QString());
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    CellsLoaded();
}
