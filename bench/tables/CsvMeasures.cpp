// A CSV file of 100 MB (TABLES_BENCH_CSV_MB overrides the size) loaded into
// the grid with LoadFromCSV and written back with SaveToCSV, against
// reading the same file line by line with QTextStream and writing its
// lines back the same way.
#include "TablesBench.h"
#include "grid/core/ProStringGrid.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTextStream>
#include <cstdio>

namespace {

struct TCsvFile {
    QTemporaryDir Dir;
    QString Path;
};

// Rows of eight fields: numbers, words, a quoted field with a separator
// and one with doubled quotes.
TCsvFile& File()
{
    static TCsvFile file = [] {
        TCsvFile f;
        f.Path = f.Dir.filePath("big.csv");
        const int mb = qEnvironmentVariableIntValue("TABLES_BENCH_CSV_MB");
        const qint64 target = (mb > 0 ? mb : 100) * 1000000LL;
        QFile out(f.Path);
        if (!out.open(QIODevice::WriteOnly))
            std::fprintf(stderr, "csv: cannot write %s\n", qPrintable(f.Path));
        QByteArray chunk;
        qint64 written = 0;
        for (int r = 0; written < target; ++r) {
            chunk += QByteArray::number(r) + ",Sensor " + QByteArray::number(r % 977) +
                     ",\"Room 4, floor 2\",21.5,\"say \"\"hi\"\"\",ON,0x" + QByteArray::number(r, 16) +
                     ",last field text\r\n";
            if (chunk.size() > (1 << 20)) {
                written += out.write(chunk);
                chunk.clear();
            }
        }
        out.write(chunk);
        return f;
    }();
    return file;
}

QStringList ReadLines(const QString& Path)
{
    QStringList lines;
    QFile in(Path);
    if (!in.open(QIODevice::ReadOnly))
        return lines;
    QTextStream text(&in);
    QString line;
    while (text.readLineInto(&line))
        lines << line;
    return lines;
}

} // namespace

TSample MeasureCsvImport()
{
    TSample s;
    int rows = 0;
    {
        TProStringGrid grid;
        TStopwatch t;
        grid.LoadFromCSV(File().Path);
        s.Ours = t.Ms();
        rows = grid.RowCount();
    }
    qint64 chars = 0;
    int lines = 0;
    {
        TStopwatch t;
        QFile in(File().Path);
        in.open(QIODevice::ReadOnly);
        QTextStream text(&in);
        QString line;
        while (text.readLineInto(&line)) {
            chars += line.size();
            ++lines;
        }
        s.PeerA = t.Ms();
    }
    if (rows < lines || chars == 0)
        std::fprintf(stderr, "csv import: the grid holds %d rows of %d lines\n", rows, lines);
    return s;
}

TSample MeasureCsvExport()
{
    TSample s;
    const QString ours = File().Dir.filePath("ours.csv"), theirs = File().Dir.filePath("theirs.csv");
    {
        TProStringGrid grid;
        grid.LoadFromCSV(File().Path);
        TStopwatch t;
        grid.SaveToCSV(ours);
        s.Ours = t.Ms();
    }
    const QStringList lines = ReadLines(File().Path);
    {
        TStopwatch t;
        QFile out(theirs);
        out.open(QIODevice::WriteOnly);
        QTextStream text(&out);
        for (const QString& l : lines)
            text << l << "\r\n";
        text.flush();
        out.close();
        s.PeerA = t.Ms();
    }
    if (QFile(ours).size() != QFile(theirs).size())
        std::fprintf(stderr, "csv export: the grid wrote %lld bytes, the lines %lld\n", QFile(ours).size(),
                     QFile(theirs).size());
    QFile::remove(ours);
    QFile::remove(theirs);
    return s;
}
