// A 100 MB CSV file (STRATAGON_CSV_MB overrides the size) loaded into the
// grid with LoadFromCSV and written back with SaveToCSV, against reading
// the same file line by line with QTextStream and writing its lines back.
// Counters: MB/s for both and ours over the peer's time.
#include "grid/core/ProStringGrid.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point A, Clock::time_point B) { return std::chrono::duration<double>(B - A).count(); }

struct TCsvFile {
    QTemporaryDir Dir;
    QString Path;
    double MB = 0;
};

// Rows of eight fields: numbers, words, a quoted field with a separator
// and one with doubled quotes.
TCsvFile& File()
{
    static TCsvFile file = [] {
        TCsvFile f;
        f.Path = f.Dir.filePath("big.csv");
        const qint64 target = qEnvironmentVariableIntValue("STRATAGON_CSV_MB") > 0
                                  ? qEnvironmentVariableIntValue("STRATAGON_CSV_MB") * 1000000LL
                                  : 100000000LL;
        QFile out(f.Path);
        out.open(QIODevice::WriteOnly);
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
        written += out.write(chunk);
        f.MB = double(written) / 1e6;
        return f;
    }();
    return file;
}

void Report(benchmark::State& state, double Ours, double Theirs)
{
    const double n = double(state.iterations()), mb = File().MB;
    state.counters["MB"] = mb;
    state.counters["MB/s"] = mb / (Ours / n);
    state.counters["qt_MB/s"] = mb / (Theirs / n);
    state.counters["ratio"] = Theirs > 0 ? Ours / Theirs : 0;
}

void CsvImport(benchmark::State& state)
{
    double ours = 0, theirs = 0;
    long long sum = 0;
    for (auto _ : state) {
        TProStringGrid grid;
        const auto t0 = Clock::now();
        grid.LoadFromCSV(File().Path);
        const auto t1 = Clock::now();
        QFile in(File().Path);
        in.open(QIODevice::ReadOnly);
        QTextStream text(&in);
        QString line;
        while (text.readLineInto(&line))
            sum += line.size();
        const auto t2 = Clock::now();
        sum += grid.RowCount();
        ours += Seconds(t0, t1);
        theirs += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
    }
    benchmark::DoNotOptimize(sum);
    Report(state, ours, theirs);
}
BENCHMARK(CsvImport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

void CsvExport(benchmark::State& state)
{
    TProStringGrid grid;
    grid.LoadFromCSV(File().Path);
    QStringList lines;
    {
        QFile in(File().Path);
        in.open(QIODevice::ReadOnly);
        QTextStream text(&in);
        QString line;
        while (text.readLineInto(&line))
            lines << line;
    }
    const QString ourPath = File().Dir.filePath("ours.csv"), theirPath = File().Dir.filePath("theirs.csv");
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        grid.SaveToCSV(ourPath);
        const auto t1 = Clock::now();
        QFile out(theirPath);
        out.open(QIODevice::WriteOnly);
        QTextStream text(&out);
        for (const QString& l : lines)
            text << l << "\r\n";
        text.flush();
        out.close();
        const auto t2 = Clock::now();
        ours += Seconds(t0, t1);
        theirs += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
    }
    Report(state, ours, theirs);
}
BENCHMARK(CsvExport)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
