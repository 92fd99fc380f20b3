// The string grid against Qt's tables, in one run on the same data: each
// measure runs three times (--runs=N), every run timing our side and its
// peers back to back in CPU time, so a load on the machine falls on both. The table
// gives the median of each side and the median ratio with its spread
// (lowest to highest of the runs). --only=cells,sort,filter,csv,startup,
// editor picks groups of measures.
#include "TablesBench.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Faster: the peer's time over ours, at least Target. AtMost: ours over the
// peer's, at most Target.
enum class TKind { Faster, AtMost };

struct TRow {
    const char* Measure;
    const char* Group;
    TKind Kind;
    double Target;
    const char* TargetText;
    const char* PeerA;   // nullptr: none
    const char* PeerB;
    bool Bytes = false;
    // Besides the ratio, our median must stay under this (ms); 0: none.
    double Limit = 0;
    std::vector<TSample> Runs;
};

double Median(std::vector<double> V)
{
    if (V.empty())
        return -1;
    std::sort(V.begin(), V.end());
    return V.size() % 2 ? V[V.size() / 2] : (V[V.size() / 2 - 1] + V[V.size() / 2]) / 2;
}

std::string Value(double V, bool Bytes)
{
    if (V < 0)
        return "-";
    char buf[32];
    if (Bytes)
        std::snprintf(buf, sizeof buf, "%.1f B", V);
    else
        std::snprintf(buf, sizeof buf, V < 10 ? "%.2f ms" : "%.0f ms", V);
    return buf;
}

// The ratio's median and spread over the runs, and whether the median meets
// the target.
std::string Ratio(const TRow& Row, double TSample::*Peer, bool& Met)
{
    std::vector<double> ratios;
    for (const TSample& s : Row.Runs) {
        const double peer = s.*Peer;
        if (s.Ours <= 0 || peer <= 0)
            continue;
        ratios.push_back(Row.Kind == TKind::Faster ? peer / s.Ours : s.Ours / peer);
    }
    if (ratios.empty())
        return "-";
    const double median = Median(ratios);
    const auto [lo, hi] = std::minmax_element(ratios.begin(), ratios.end());
    Met = Row.Kind == TKind::Faster ? median >= Row.Target : median <= Row.Target;
    char buf[64];
    std::snprintf(buf, sizeof buf, Row.Kind == TKind::Faster ? "%.2fx (%.2f-%.2f)" : "%.2f (%.2f-%.2f)", median, *lo,
                  *hi);
    return buf;
}

std::string PeerValue(const TRow& Row, double TSample::*Peer)
{
    std::vector<double> v;
    for (const TSample& s : Row.Runs)
        if (s.*Peer >= 0)
            v.push_back(s.*Peer);
    return Value(Median(v), Row.Bytes);
}

void PrintTable(const std::vector<TRow>& Rows, int Runs)
{
    std::printf("\nCPU time; medians of %d runs; ratios as median (lowest-highest). Faster: the peer's time over ours. "
                "Other ratios: ours over the peer's.\n",
                Runs);
    std::printf("Peer A: QTableWidget, else the peer named in the measure. Peer B: QStandardItemModel + "
                "QSortFilterProxyModel + QTableView.\n\n");
    const char* fmt = "| %-48s | %-9s | %-9s | %-22s | %-9s | %-22s | %-28s | %-4s |\n";
    std::printf(fmt, "measure", "grid", "peer A", "ratio A", "peer B", "ratio B", "target", "met");
    std::printf("|%s|%s|%s|%s|%s|%s|%s|%s|\n", std::string(50, '-').c_str(), std::string(11, '-').c_str(),
                std::string(11, '-').c_str(), std::string(24, '-').c_str(), std::string(11, '-').c_str(),
                std::string(24, '-').c_str(), std::string(30, '-').c_str(), std::string(6, '-').c_str());
    for (const TRow& row : Rows) {
        if (row.Runs.empty())
            continue;
        std::vector<double> ours;
        for (const TSample& s : row.Runs)
            if (s.Ours >= 0)
                ours.push_back(s.Ours);
        bool metA = true, metB = true;
        const std::string ratioA = row.PeerA ? Ratio(row, &TSample::PeerA, metA) : "-";
        const std::string ratioB = row.PeerB ? Ratio(row, &TSample::PeerB, metB) : "-";
        bool met = metA && metB;
        if (row.Limit > 0)
            met = met && Median(ours) < row.Limit;
        std::printf(fmt, row.Measure, Value(Median(ours), row.Bytes).c_str(),
                    row.PeerA ? PeerValue(row, &TSample::PeerA).c_str() : "-", ratioA.c_str(),
                    row.PeerB ? PeerValue(row, &TSample::PeerB).c_str() : "-", ratioB.c_str(), row.TargetText,
                    met ? "yes" : "NO");
    }
    std::fflush(stdout);
}

QString Load()
{
    QFile f(QStringLiteral("/proc/loadavg"));
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()).trimmed() : QStringLiteral("?");
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--startup-child") == 0)
            RunStartUpChild(argc, argv, QString::fromLatin1(argv[i + 1]));

    int runs = 3;
    QStringList only;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--runs=", 7) == 0)
            runs = std::max(1, std::atoi(argv[i] + 7));
        else if (std::strncmp(argv[i], "--only=", 7) == 0)
            only = QString::fromLatin1(argv[i] + 7).split(QLatin1Char(','));
    }
    QApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();

    std::vector<TRow> rows = {
        {"fill 1,000,000 cells, texts made beforehand", "cells", TKind::Faster, 10, "10x faster", "QTableWidget",
         "model"},
        {"heap per cell", "cells", TKind::AtMost, 0.25, "at most 0.25 of QTableWidget", "QTableWidget", "model",
         true},
        {"sort 100,000 rows, text column", "sort", TKind::Faster, 5, "5x faster", "QTableWidget", "model"},
        {"sort 100,000 rows, number column", "sort", TKind::Faster, 5, "5x faster", "QTableWidget", "model"},
        {"filter 100,000 rows, one column (proxy)", "filter", TKind::Faster, 5, "5x faster than the proxy", nullptr,
         "model"},
        {"full-viewport repaint, 800 x 600, 64 x 24 cells", "cells", TKind::Faster, 3, "3x faster",
         "QTableWidget", "model"},
        {"CSV import 100 MB (peer: QTextStream lines)", "csv", TKind::AtMost, 3, "within 3x", "QTextStream",
         nullptr},
        {"CSV export 100 MB (peer: QTextStream lines)", "csv", TKind::AtMost, 3, "within 3x", "QTextStream",
         nullptr},
        {"start-up to main window (peer: empty window)", "startup", TKind::AtMost, 1.5, "within 1.5x", "empty",
         nullptr},
        {"BACnet editor, two 2000-row tables (peer: fill)", "editor", TKind::AtMost, 10,
         "under 100 ms, 10x the fill", "bare fill", nullptr, false, 100},
    };
    enum { Fill, Heap, SortText, SortNumbers, Filter, Repaint, CsvIn, CsvOut, StartUp, Editor };
    const auto wanted = [&](const char* Group) { return only.isEmpty() || only.contains(QLatin1String(Group)); };

    std::printf("load before: %s\n", qPrintable(Load()));
    WarmHeap();
    for (int run = 1; run <= runs; ++run) {
        std::fprintf(stderr, "run %d of %d (load %s)\n", run, runs, qPrintable(Load()));
        if (wanted("cells")) {
            TSample fill, heap, repaint;
            MeasureCells(fill, heap, repaint);
            rows[Fill].Runs.push_back(fill);
            rows[Heap].Runs.push_back(heap);
            rows[Repaint].Runs.push_back(repaint);
        }
        if (wanted("sort")) {
            rows[SortText].Runs.push_back(MeasureSortText());
            rows[SortNumbers].Runs.push_back(MeasureSortNumbers());
        }
        if (wanted("filter"))
            rows[Filter].Runs.push_back(MeasureFilter());
        if (wanted("csv")) {
            rows[CsvIn].Runs.push_back(MeasureCsvImport());
            rows[CsvOut].Runs.push_back(MeasureCsvExport());
        }
        if (wanted("startup"))
            rows[StartUp].Runs.push_back(MeasureStartUp(self));
        if (wanted("editor"))
            rows[Editor].Runs.push_back(MeasureEditor());
    }
    std::printf("load after: %s\n", qPrintable(Load()));
    PrintTable(rows, runs);
    return 0;
}
