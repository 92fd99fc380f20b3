// Sorting 100,000 rows by a number column and by a text column, and
// filtering them by a text condition, in the string grid against a
// QTableWidget holding the same data (sortItems; numbers as numeric
// display data) and a QSortFilterProxyModel over the table's model (fixed
// string filter, any case). Only the sort or the filter and its removal
// are timed; putting the rows back in their first order is not. Counters:
// milliseconds for both and ours over the peer's.
#include "grid/core/Filter.h"
#include "grid/core/ProStringGrid.h"

#include <QApplication>
#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QTableWidget>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 4;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point A, Clock::time_point B) { return std::chrono::duration<double>(B - A).count(); }

// Column 0: the first position, 1: a number, 2: a word, 3: a constant.
struct TData {
    TProStringGrid Grid;
    QTableWidget Table{Rows, Cols};

    TData()
    {
        QRandomGenerator rng(42);
        Grid.SetColCount(Cols);
        Grid.SetRowCount(Rows + 1);
        Table.setSortingEnabled(false);
        static const char Letters[] = "abcdefghijklmnopqrstuvwxyz";
        for (int r = 0; r < Rows; ++r) {
            const double number = rng.bounded(1000000) / 100.0;
            QString word;
            for (int i = 0; i < 8; ++i)
                word += QChar(Letters[rng.bounded(26)]);
            Grid.SetGridCells(0, r + 1, QString::number(r));
            Grid.SetGridCells(1, r + 1, QString::number(number, 'f', 2));
            Grid.SetGridCells(2, r + 1, word);
            Grid.SetGridCells(3, r + 1, QStringLiteral("row"));
            auto* first = new QTableWidgetItem;
            first->setData(Qt::DisplayRole, r);
            Table.setItem(r, 0, first);
            auto* num = new QTableWidgetItem;
            num->setData(Qt::DisplayRole, number);
            Table.setItem(r, 1, num);
            Table.setItem(r, 2, new QTableWidgetItem(word));
            Table.setItem(r, 3, new QTableWidgetItem(QStringLiteral("row")));
        }
        Grid.InitSortXRef();
    }
};

TData& Data()
{
    static TData data;
    return data;
}

void Report(benchmark::State& state, double Ours, double Theirs)
{
    const double n = double(state.iterations());
    state.counters["ms"] = Ours / n * 1e3;
    state.counters["qt_ms"] = Theirs / n * 1e3;
    state.counters["ratio"] = Theirs > 0 ? Ours / Theirs : 0;
}

void SortColumn(benchmark::State& state, int Col)
{
    TData& d = Data();
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        d.Grid.Sort(Col, sdAscending);
        const auto t1 = Clock::now();
        d.Table.sortItems(Col, Qt::AscendingOrder);
        const auto t2 = Clock::now();
        ours += Seconds(t0, t1);
        theirs += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
        d.Grid.QUnSort();
        d.Table.sortItems(0, Qt::AscendingOrder);
    }
    Report(state, ours, theirs);
}

void SortNumbers(benchmark::State& state) { SortColumn(state, 1); }
BENCHMARK(SortNumbers)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void SortWords(benchmark::State& state) { SortColumn(state, 2); }
BENCHMARK(SortWords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void FilterWords(benchmark::State& state)
{
    TData& d = Data();
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(d.Table.model());
    proxy.setFilterKeyColumn(2);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    TFilterData* cond = d.Grid.Filter()->Add();
    cond->SetColumn(2);
    cond->SetCaseSensitive(false);
    cond->SetCondition(QStringLiteral("*ab*"));
    double ours = 0, theirs = 0;
    long long shown = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        d.Grid.SetFilterActive(true);
        shown += d.Grid.RowCount();
        d.Grid.SetFilterActive(false);
        const auto t1 = Clock::now();
        proxy.setFilterFixedString(QStringLiteral("ab"));
        shown += proxy.rowCount();
        proxy.setFilterFixedString(QString());
        const auto t2 = Clock::now();
        ours += Seconds(t0, t1);
        theirs += Seconds(t1, t2);
        state.SetIterationTime(Seconds(t0, t1));
        d.Grid.SetFilterLevel(0);
    }
    benchmark::DoNotOptimize(shown);
    d.Grid.Filter()->Clear();
    Report(state, ours, theirs);
}
BENCHMARK(FilterWords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

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
