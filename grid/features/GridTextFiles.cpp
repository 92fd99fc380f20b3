// The text cell file and stream, the ASCII table and fixed-width text.
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridFileText.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/StringUtils.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <vector>

using namespace GridFiles;

namespace {

// What a file may ask for before it counts as corrupt.
constexpr long long MaxFileCols = 65536;
constexpr long long MaxFileRows = 16 * 1024 * 1024;

struct TCellLine {
    int Col;
    int Row;
    QString Text;
};

struct TWidthLine {
    int Col;
    int Width;
};

// "a,b" split at the first comma into two integers read as StrToInt reads
// them; false when either is not one.
bool ParsePair(QStringView S, int& A, int& B)
{
    const qsizetype k = S.indexOf(u',');
    return k >= 0 && TryStrToInt(S.left(k).toString(), A) && TryStrToInt(S.mid(k + 1).toString(), B);
}

// The longest line of a text; only the first with AllLines off.
int LongestLine(const QString& S, bool AllLines)
{
    int best = 0;
    qsizetype start = 0;
    for (;;) {
        qsizetype k = S.indexOf(u'\r', start);
        const qsizetype end = k < 0 ? S.size() : k;
        best = std::max(best, int(end - start));
        if (k < 0 || !AllLines)
            return best;
        start = k + 1;
        if (start < S.size() && S[start] == u'\n')
            ++start;
    }
}

QStringList TextLines(const QString& S)
{
    QStringList lines;
    TLineReader reader(S);
    QStringView line;
    while (reader.Next(line))
        lines << line.toString();
    if (lines.isEmpty())
        lines << QString();
    return lines;
}

QString Aligned(QString S, TAlignment A, int Width)
{
    if (A == taRightJustify) {
        if (S.size() < Width)
            S.prepend(QString(Width - S.size(), u' '));
    } else if (A == taCenter) {
        while (S.size() < Width)
            S = u' ' + S + u' ';
    }
    return S;
}

} // namespace

// The alignment a cell shows: its own, else the grid's default, then
// what the alignment hook makes of it.
// Text cell file

void TProStringGrid::SaveToFile(const QString& FileName, bool Unicode)
{
    const int h = FSaveHiddenCells ? FNumHidden : 0;
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    QString out = QStringLiteral("%1,%2\r\n").arg(SaveColCount() + h).arg(SaveRowCount());
    for (int c = c0; c <= c1; ++c)
        out += QStringLiteral("cw %1,%2\r\n").arg(c).arg(FSaveHiddenCells ? AllColWidths(c) : ColWidths(c));
    TProgress progress(this);
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= r1; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c <= c1; ++c) {
            QString text;
            SaveCell(FSaveHiddenCells ? c : DisplToRealCol(c), r, text);
            if (!text.isEmpty())
                out += QStringLiteral("%1,%2,").arg(c).arg(r) + EncodeCellBreaks(text) + QLatin1String("\r\n");
        }
        progress.Report(Percent(r, SaveRowCount() - 1));
    }
    ExportNotification(esExportDone, -1);
    WriteText(FileName, out, Unicode ? TFileEncoding::Utf16Bom : TFileEncoding::Ansi);
}

void TProStringGrid::LoadFromFile(const QString& FileName)
{
    const QString text = DecodeBomOrAnsi(ReadFileBytes(FileName));
    const auto corrupt = [&] {
        return EProGridError(QStringLiteral("File contains no data or corrupt file ") + FileName);
    };
    const int fc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int fr = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();

    // The whole file is checked before the grid changes.
    TLineReader reader(text);
    QStringView line;
    int cols = ColCount(), rows = RowCount();
    if (reader.Next(line) && !line.isEmpty()) {
        int n = 0, m = 0;
        if (!ParsePair(line, n, m) || n < 0 || m < 0 || n > MaxFileCols || m > MaxFileRows)
            throw corrupt();
        cols = fc + n;
        rows = fr + m;
    }
    if (cols <= 0 || rows <= 0 || (long long)cols * rows > MaxFileRows * 16)
        throw corrupt();
    std::vector<TWidthLine> widths;
    std::vector<TCellLine> cells;
    while (reader.Next(line)) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(u"cw")) {
            TWidthLine w{};
            if (!ParsePair(line.mid(3), w.Col, w.Width))
                throw corrupt();
            if (w.Col >= 0 && w.Col < cols)
                widths.push_back(w);
            continue;
        }
        const qsizetype k1 = line.indexOf(u',');
        const qsizetype k2 = k1 < 0 ? -1 : line.indexOf(u',', k1 + 1);
        TCellLine cell{};
        if (k2 < 0 || !TryStrToInt(line.left(k1).toString(), cell.Col) ||
            !TryStrToInt(line.mid(k1 + 1, k2 - k1 - 1).toString(), cell.Row))
            throw corrupt();
        if (cell.Col < 0 || cell.Row < 0 || cell.Col >= cols || cell.Row >= rows)
            continue;
        cell.Text = DecodeCellBreaks(line.mid(k2 + 1).toString(), FMultilinecells);
        cells.push_back(std::move(cell));
    }

    SetColCount(cols);
    SetRowCount(rows);
    for (const TWidthLine& w : widths)
        if (w.Col < ColCount())
            SetColWidths(w.Col, w.Width);
    TProgress progress(this);
    for (TCellLine& cell : cells) {
        if (cell.Col < TotalColCount() && cell.Row < RowCount())
            LoadCell(cell.Col, cell.Row, cell.Text);
        progress.Report(Percent(cell.Row, RowCount() - 1));
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    CellsLoaded();
}

// Text cell stream: UTF-16 LE without a mark, coordinates relative to the
// save rectangle.

void TProStringGrid::SaveToStream(TStream* Stream)
{
    const int c0 = SaveStartCol(), c1 = SaveEndCol();
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    QString out = QStringLiteral("%1,%2\r\n").arg(SaveColCount()).arg(SaveRowCount());
    for (int i = 0; i < ColCount(); ++i)
        out += QStringLiteral("cw %1,%2\r\n").arg(i).arg(ColWidths(i));
    for (int r = r0; r <= r1; ++r)
        for (int c = c0; c <= c1; ++c) {
            QString text;
            SaveCell(c, r, text);
            if (!text.isEmpty())
                out += QStringLiteral("%1,%2,").arg(c - c0).arg(r - r0) + EncodeCellBreaks(text) +
                       QLatin1String("\r\n");
        }
    QByteArray bytes(out.size() * 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < out.size(); ++i) {
        const char16_t u = out[i].unicode();
        bytes[2 * i] = char(u & 0xFF);
        bytes[2 * i + 1] = char(u >> 8);
    }
    Stream->WriteBytes(bytes);
}

void TProStringGrid::LoadFromStream(TStream* Stream)
{
    const long long start = Stream->Position();
    const QByteArray bytes = Stream->ReadAll();
    const qsizetype units = bytes.size() / 2;
    qsizetype pos = 0;
    // One line: units up to a CR, which is dropped, and the unit after it.
    const auto readLine = [&](QString& Line) {
        Line.clear();
        while (pos < units) {
            const char16_t u = char16_t(uchar(bytes[2 * pos]) | (uchar(bytes[2 * pos + 1]) << 8));
            ++pos;
            if (u == u'\r') {
                if (pos < units)
                    ++pos;
                return;
            }
            Line += QChar(u);
        }
    };
    const auto fail = [&](const QString& S) {
        Stream->SetPosition(start);
        throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(S));
    };
    const auto number = [&](const QString& S) {
        int v = 0;
        if (!TryStrToInt(S, v))
            fail(S);
        return v;
    };

    // The lines that belong to the cells are read and checked first.
    const int c0 = SaveStartCol(), r0 = SaveStartRow();
    int cols = ColCount(), rows = RowCount();
    QString line;
    if (pos < units) {
        readLine(line);
        if (!line.isEmpty()) {
            const qsizetype k = line.indexOf(u',');
            const int n = number(k < 0 ? line : line.left(k));
            const int m = number(k < 0 ? QString() : line.mid(k + 1));
            if (n < 0 || m < 0 || n > MaxFileCols || m > MaxFileRows)
                fail(line);
            cols = n + c0;
            rows = m + r0;
        }
    }
    std::vector<TWidthLine> widths;
    std::vector<TCellLine> cells;
    qsizetype end = pos;
    while (pos < units) {
        end = pos;
        readLine(line);
        if (line.startsWith(u"cw")) {
            const QString rest = line.mid(3);
            const qsizetype k = rest.indexOf(u',');
            TWidthLine w{number(k < 0 ? rest : rest.left(k)), number(k < 0 ? QString() : rest.mid(k + 1))};
            widths.push_back(w);
            end = pos;
            continue;
        }
        const qsizetype k1 = line.indexOf(u',');
        const qsizetype k2 = k1 < 0 ? -1 : line.indexOf(u',', k1 + 1);
        if (k1 <= 0 || k2 <= k1 + 1)
            break;
        TCellLine cell{number(line.left(k1)) + c0, number(line.mid(k1 + 1, k2 - k1 - 1)) + r0,
                       DecodeCellBreaks(line.mid(k2 + 1), FMultilinecells)};
        cells.push_back(std::move(cell));
        end = pos;
    }
    Stream->SetPosition(start + 2 * end);

    SetColCount(cols);
    SetRowCount(rows);
    for (const TWidthLine& w : widths)
        if (w.Col >= 0 && w.Col < ColCount())
            SetColWidths(w.Col, w.Width);
    for (TCellLine& cell : cells)
        if (cell.Col >= 0 && cell.Row >= 0 && cell.Col < TotalColCount() && cell.Row < RowCount())
            LoadCell(cell.Col, cell.Row, cell.Text);
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    CellsLoaded();
}

// ASCII table

void TProStringGrid::SaveToASCII(const QString& FileName, bool Unicode)
{
    WriteAscii(FileName, Unicode, false);
}

void TProStringGrid::AppendToASCII(const QString& FileName, bool Unicode)
{
    WriteAscii(FileName, Unicode, true);
}

void TProStringGrid::WriteAscii(const QString& FileName, bool Unicode, bool Append)
{
    QString out;
    if (Append && FileExists(FileName)) {
        const QString old = DecodeBomOrAnsi(ReadFileBytes(FileName));
        TLineReader reader(old);
        QStringView line;
        while (reader.Next(line)) {
            out += line;
            out += QLatin1String("\r\n");
        }
    }
    const int fc = FSaveFixedCells || FSaveFixedCols ? 0 : FixedCols();
    const int fr = FSaveFixedCells || FSaveFixedRows ? 0 : FixedRows();
    const int h = FSaveHiddenCells ? FNumHidden : 0;
    std::vector<int> realCols;
    for (int c = fc; c < ColCount() + h; ++c)
        realCols.push_back(FSaveHiddenCells ? c : DisplToRealCol(c));
    // Widths in full integers, one per exported column.
    std::vector<int> width(realCols.size(), 0), offset(realCols.size(), 0);
    for (size_t i = 0; i < realCols.size(); ++i) {
        for (int r = 0; r < RowCount(); ++r) {
            QString text;
            SaveCell(realCols[i], r, text);
            width[i] = std::max(width[i], LongestLine(text, FMultilinecells));
        }
        if (i > 0)
            offset[i] = offset[i - 1] + width[i - 1] + 1;
    }

    ExportNotification(esExportStart, fr);
    QStringList more;
    for (int r = fr; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString main;
        for (size_t i = 0; i < realCols.size(); ++i) {
            QString text;
            SaveCell(realCols[i], r, text);
            const TAlignment ha = EffectiveAlignment(realCols[i], r);
            const QStringList lines = FMultilinecells ? TextLines(text) : QStringList{TextLines(text).first()};
            const QString first = Aligned(lines.first(), ha, width[i]);
            main += first;
            if (first.size() <= width[i])
                main += QString(width[i] - first.size() + 1, u' ');
            for (qsizetype k = 1; k < lines.size(); ++k) {
                if (more.size() < k)
                    more << QString();
                QString& cont = more[k - 1];
                if (cont.size() < offset[i])
                    cont += QString(offset[i] - cont.size(), u' ');
                cont += Aligned(lines[k], ha, width[i]);
            }
        }
        out += main + QLatin1String("\r\n");
        for (const QString& cont : more)
            out += cont + QLatin1String("\r\n");
        more.clear();
    }
    ExportNotification(esExportDone, -1);
    WriteText(FileName, out, Unicode ? TFileEncoding::Utf16Bom : TFileEncoding::Ansi);
}

// Fixed-width text

void TProStringGrid::SaveToFixed(const QString& FileName, TIntList* Positions)
{
    const int h = FSaveHiddenCells ? FNumHidden : 0;
    const int c0 = SaveStartCol(), c1 = SaveEndCol() + h;
    const auto realCol = [&](int c) { return FSaveHiddenCells ? c : DisplToRealCol(c); };
    for (int c = c0; c <= c1; ++c) {
        if (c - c0 < Positions->Count())
            continue;
        int longest = 0;
        for (int r = 0; r < RowCount(); ++r) {
            QString text;
            SaveCell(realCol(c), r, text);
            longest = std::max(longest, LongestLine(text, FMultilinecells));
        }
        Positions->Add(longest + 1);
    }
    QString out;
    const int r0 = SaveStartRow(), r1 = SaveEndRow();
    ExportNotification(esExportStart, r0);
    for (int r = r0; r <= r1; ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = c0; c <= c1; ++c) {
            QString text;
            SaveCell(realCol(c), r, text);
            // One line per row: a multi-line text gives its first line.
            text = TextLines(text).first();
            const int w = std::max(0, Positions->Items(c - c0));
            out += text.size() >= w ? text.left(w) : text + QString(w - text.size(), u' ');
        }
        out += QLatin1String("\r\n");
    }
    ExportNotification(esExportDone, -1);
    try {
        WriteText(FileName, out, TFileEncoding::Ansi);
    } catch (const EStreamError&) {
        throw EProGridError(QStringLiteral("Cannot Create file ") + FileName);
    } catch (const EInOutError&) {
        throw EProGridError(QStringLiteral("Cannot Create file ") + FileName);
    }
}

void TProStringGrid::LoadFromFixed(const QString& FileName, TIntList* Positions, bool DoTrim, int MaxRows)
{
    QByteArray bytes;
    try {
        bytes = ReadFileBytes(FileName);
    } catch (const EStreamError&) {
        throw EProGridError(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
    }
    if (Positions->Count() < 2)
        throw EProGridError(QStringLiteral("Fixed-width text needs at least two positions"));
    std::vector<int> pos;
    for (int i = 0; i < Positions->Count(); ++i)
        pos.push_back(Positions->Items(i));
    std::sort(pos.begin(), pos.end());
    for (int i = 0; i < int(pos.size()); ++i)
        Positions->SetInteger(i, pos[i]);

    const QString text = DecodeBomOrAnsi(bytes);
    SetColCount(FixedCols() + int(pos.size()) - 1);
    TLineReader reader(text);
    QStringView line;
    int row = SaveStartRow(), read = 0;
    while (reader.Next(line)) {
        if (row >= RowCount())
            break;
        int col = SaveStartCol();
        for (size_t k = 1; k < pos.size(); ++k, ++col) {
            QString field = line.mid(std::max(0, pos[k - 1] - 1), pos[k] - pos[k - 1]).toString();
            if (DoTrim)
                field = field.trimmed();
            if (col < TotalColCount())
                LoadCell(col, row, field);
        }
        ++read;
        if (MaxRows != -1 && read > MaxRows)
            break;
        if (row + 1 >= RowCount() && !reader.AtEnd())
            SetRowCount(row + 2);
        ++row;
    }
    CellsChanged(TRect{0, 0, ColCount(), RowCount()});
    CellsLoaded();
}
