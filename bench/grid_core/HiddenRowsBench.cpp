// Hiding every other row of a 100,000 x 4 grid as one filter level and
// mapping every display row to its real row, against a QSortFilterProxyModel
// over a QStandardItemModel that filters the same rows out (the proxy's
// invalidate and mapToSource). Counters: milliseconds for both and ours
// over the peer's.
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 4;

class OddRowsOut : public QSortFilterProxyModel {
public:
    bool FilterOn = false;
    void Refilter() { invalidateFilter(); }

protected:
    bool filterAcceptsRow(int SourceRow, const QModelIndex&) const override { return !FilterOn || SourceRow % 2 == 0; }
};

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point A, Clock::time_point B) { return std::chrono::duration<double>(B - A).count(); }

void HideAndMapRows(benchmark::State& state)
{
    TProStringGrid grid;
    grid.SetColCount(Cols);
    grid.SetRowCount(Rows);
    QStandardItemModel model(Rows, Cols);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            const QString text = QStringLiteral("%1:%2").arg(c).arg(r);
            grid.SetGridCells(c, r, text);
            model.setItem(r, c, new QStandardItem(text));
        }
    OddRowsOut proxy;
    proxy.setSourceModel(&model);
    TIntList odd(0, 0);
    for (int r = 1; r < Rows; r += 2)
        odd.Add(r);
    double ours = 0, theirs = 0;
    long long sum = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        grid.HideRowList(&odd);
        for (int r = 0; r < grid.RowCount(); ++r)
            sum += grid.DisplToRealRow(r);
        grid.UnHideRowList();
        grid.SetFilterLevel(0);
        const auto t1 = Clock::now();
        proxy.FilterOn = true;
        proxy.Refilter();
        for (int r = 0; r < proxy.rowCount(); ++r)
            sum += proxy.mapToSource(proxy.index(r, 0)).row();
        proxy.FilterOn = false;
        proxy.Refilter();
        const auto t2 = Clock::now();
        ours += Seconds(t0, t1);
        theirs += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
    }
    benchmark::DoNotOptimize(sum);
    const double n = double(state.iterations());
    state.counters["ms"] = ours / n * 1e3;
    state.counters["qt_ms"] = theirs / n * 1e3;
    state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
}
BENCHMARK(HideAndMapRows)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

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
