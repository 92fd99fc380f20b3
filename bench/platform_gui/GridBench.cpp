// The string grid against a QTableWidget peer, like for like: 100,000 rows
// x 10 columns of 8-character texts made before any timed loop, 64 x 24
// pixel cells, both widgets 800 x 600 and shown. Measured: filling the
// cells, heap per cell (the allocator's counters), moving and exchanging
// rows, sorting by one column and a full repaint. After the runs a table
// puts each figure beside its peer with the ratio and the target. The
// string grid of grid/core is measured by bench/tables.
#include "bench/BenchGrid.h"
#include "platform/controls/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <map>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

using namespace BenchGrid;
using TBenchGrid = TStringGrid;

namespace {

// The column sorted by.
constexpr int SortCol = 1;

// Page faults on fresh memory are slow on a virtual machine and would
// swamp what the two sides do with it: freed memory stays with the
// process, and the heap is touched once before any run.
void WarmHeap()
{
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    constexpr std::size_t Block = 4096, Total = std::size_t(640) << 20;
    std::vector<void*> blocks;
    blocks.reserve(Total / Block);
    for (std::size_t n = 0; n < Total; n += Block) {
        void* p = std::malloc(Block);
        if (!p)
            break;
        // Non-zero, so no call turns into a calloc that skips the pages.
        std::memset(p, 1, Block);
        blocks.push_back(p);
    }
    for (void* p : blocks)
        std::free(p);
}

std::size_t HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return m.uordblks + m.hblkhd;
}

// Our side.
using GridOnForm = TGridOnForm<TBenchGrid>;

// The peer: the same cells as QTableWidgetItems.
struct TableOnScreen {
    TableOnScreen()
    {
        SizeTableView(Table);
        Table.show();
    }
    void Size()
    {
        Table.setColumnCount(Cols);
        Table.setRowCount(Rows);
        // Lays out the headers and the viewport.
        QCoreApplication::processEvents();
    }
    void Fill()
    {
        const QString* t = Texts().data();
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Table.setItem(r, c, new QTableWidgetItem(*t++));
    }
    QTableWidget Table;
};

// Fill

void StringGridFill(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<GridOnForm>();
        g->Size();
        state.ResumeTiming();
        g->Fill();
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StringGridFill)->Unit(benchmark::kMillisecond)->Iterations(5);

void QTableWidgetFill(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TableOnScreen>();
        t->Size();
        state.ResumeTiming();
        t->Fill();
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(QTableWidgetFill)->Unit(benchmark::kMillisecond)->Iterations(5);

// The same fills making each text inside the loop.
void StringGridFillMakingTexts(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<GridOnForm>();
        g->Size();
        state.ResumeTiming();
        for (int r = 1; r <= Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                g->Grid->SetCells(c, r, CellText(c, r - 1));
        state.PauseTiming();
        g.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StringGridFillMakingTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

void QTableWidgetFillMakingTexts(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TableOnScreen>();
        t->Size();
        state.ResumeTiming();
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                t->Table.setItem(r, c, new QTableWidgetItem(CellText(c, r)));
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(QTableWidgetFillMakingTexts)->Unit(benchmark::kMillisecond)->Iterations(3);

// Heap: what sizing and filling the widget adds, per cell.

void StringGridHeap(benchmark::State& state)
{
    Texts();
    for (auto _ : state) {
        GridOnForm g;
        const std::size_t before = HeapInUse();
        g.Size();
        g.Fill();
        state.counters["B/cell"] = double(HeapInUse() - before) / (double(Rows) * Cols);
    }
}
BENCHMARK(StringGridHeap)->Unit(benchmark::kMillisecond)->Iterations(1);

void QTableWidgetHeap(benchmark::State& state)
{
    Texts();
    for (auto _ : state) {
        TableOnScreen t;
        const std::size_t before = HeapInUse();
        t.Size();
        t.Fill();
        state.counters["B/cell"] = double(HeapInUse() - before) / (double(Rows) * Cols);
    }
}
BENCHMARK(QTableWidgetHeap)->Unit(benchmark::kMillisecond)->Iterations(1);

// Rows

// The first data row to the end and back, one move per iteration.
void StringGridMoveRow(benchmark::State& state)
{
    GridOnForm g;
    g.Size();
    g.Fill();
    bool down = true;
    for (auto _ : state) {
        if (down)
            g.Grid->MoveRow(1, Rows);
        else
            g.Grid->MoveRow(Rows, 1);
        down = !down;
    }
}
BENCHMARK(StringGridMoveRow)->Unit(benchmark::kMicrosecond);

// Exchanges rows 1 and 1 + Distance.
void StringGridExchangeRows(benchmark::State& state)
{
    GridOnForm g;
    g.Size();
    g.Fill();
    const int other = 1 + int(state.range(0));
    for (auto _ : state)
        g.Grid->ExchangeRows(1, other);
}
BENCHMARK(StringGridExchangeRows)->Arg(1)->Arg(Rows - 1)->Unit(benchmark::kMicrosecond);

// Sort by one column through the public API: the keys read through Cells,
// ordered as sortItems orders them (stable, by text), and the rows put in
// that order with the grid's own row exchange.
void SortGrid(TBenchGrid* Grid)
{
    std::vector<QString> keys(Rows);
    for (int i = 0; i < Rows; ++i)
        keys[std::size_t(i)] = Grid->Cells(SortCol, i + 1);
    std::vector<int> order(Rows);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[std::size_t(a)] < keys[std::size_t(b)]; });
    // at[p]: the original row now at p; where[o]: where original row o is.
    std::vector<int> at(Rows), where(Rows);
    std::iota(at.begin(), at.end(), 0);
    std::iota(where.begin(), where.end(), 0);
    for (int p = 0; p < Rows; ++p) {
        const int want = order[std::size_t(p)];
        const int q = where[std::size_t(want)];
        if (q == p)
            continue;
        Grid->ExchangeRows(p + 1, q + 1);
        const int displaced = at[std::size_t(p)];
        at[std::size_t(q)] = displaced;
        where[std::size_t(displaced)] = q;
        at[std::size_t(p)] = want;
        where[std::size_t(want)] = p;
    }
}

void StringGridSort(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto g = std::make_unique<GridOnForm>();
        g->Size();
        g->Fill();
        state.ResumeTiming();
        SortGrid(g->Grid);
        state.PauseTiming();
        const bool sorted = g->Grid->Cells(SortCol, 1) <= g->Grid->Cells(SortCol, 2)
            && g->Grid->Cells(SortCol, Rows - 1) <= g->Grid->Cells(SortCol, Rows);
        if (!sorted)
            state.SkipWithError("not sorted");
        g.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(StringGridSort)->Unit(benchmark::kMillisecond)->Iterations(3);

void QTableWidgetSort(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto t = std::make_unique<TableOnScreen>();
        t->Size();
        t->Fill();
        state.ResumeTiming();
        t->Table.sortItems(SortCol);
        state.PauseTiming();
        t.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(QTableWidgetSort)->Unit(benchmark::kMillisecond)->Iterations(3);

// Repaint of the whole visible grid: cells, fixed cells and lines.

void StringGridRepaint(benchmark::State& state)
{
    GridOnForm g;
    g.Size();
    g.Fill();
    for (auto _ : state) {
        g.Grid->Invalidate();
        g.Grid->Update();
    }
}
BENCHMARK(StringGridRepaint)->Unit(benchmark::kMillisecond);

// The offscreen platform does not paint on repaint(): the viewport and both
// headers render into images, as the grid paints into its retained image.
void QTableWidgetRepaint(benchmark::State& state)
{
    TableOnScreen t;
    t.Size();
    t.Fill();
    QWidget* parts[] = {t.Table.viewport(), t.Table.horizontalHeader(), t.Table.verticalHeader()};
    std::vector<QImage> images;
    for (QWidget* w : parts)
        images.emplace_back(w->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        for (std::size_t i = 0; i < images.size(); ++i)
            parts[i]->render(&images[i]);
}
BENCHMARK(QTableWidgetRepaint)->Unit(benchmark::kMillisecond);

// The closing table

struct Figure {
    double Value = -1; // milliseconds, or bytes for the heap
    bool Present() const { return Value >= 0; }
};

class TableReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& Runs) override
    {
        benchmark::ConsoleReporter::ReportRuns(Runs);
        for (const Run& r : Runs) {
            if (r.run_type != Run::RT_Iteration || r.error_occurred)
                continue;
            // The name without the fixed iteration count.
            const std::string name = r.run_name.function_name + (r.run_name.args.empty() ? "" : "/" + r.run_name.args);
            const auto bytes = r.counters.find("B/cell");
            if (bytes != r.counters.end()) {
                FFigures[name].Value = bytes->second;
                continue;
            }
            const double perUnit = benchmark::GetTimeUnitMultiplier(r.time_unit);
            FFigures[name].Value = r.GetAdjustedRealTime() / perUnit * 1000.0;
        }
    }
    Figure Get(const std::string& Name) const
    {
        auto it = FFigures.find(Name);
        return it == FFigures.end() ? Figure{} : it->second;
    }

private:
    std::map<std::string, Figure> FFigures;
};

std::string Ms(Figure F)
{
    if (!F.Present())
        return "n/a";
    char buf[32];
    std::snprintf(buf, sizeof buf, F.Value < 1 ? "%.4f ms" : "%.1f ms", F.Value);
    return buf;
}

std::string Bytes(Figure F)
{
    if (!F.Present())
        return "n/a";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f B", F.Value);
    return buf;
}

void Line(const char* Measure, const std::string& Ours, const std::string& Peer, const std::string& Ratio,
          const char* Target, const char* Met)
{
    std::printf("| %-44s | %-12s | %-12s | %-16s | %-22s | %-4s |\n", Measure, Ours.c_str(), Peer.c_str(),
                Ratio.c_str(), Target, Met);
}

void PrintTable(const TableReporter& R)
{
    char buf[64];
    auto faster = [&](Figure Ours, Figure Peer, double Target, const char* Measure, const char* TargetText) {
        if (!Ours.Present() || !Peer.Present()) {
            Line(Measure, Ms(Ours), Ms(Peer), "n/a", TargetText, "-");
            return;
        }
        const double ratio = Peer.Value / Ours.Value;
        std::snprintf(buf, sizeof buf, "%.1fx faster", ratio);
        Line(Measure, Ms(Ours), Ms(Peer), buf, TargetText, Target <= 0 ? "-" : ratio >= Target ? "yes" : "NO");
    };
    std::printf("\n| %-44s | %-12s | %-12s | %-16s | %-22s | %-4s |\n", "measure", "grid", "QTableWidget", "ratio",
                "target", "met");
    std::printf("|%s|%s|%s|%s|%s|%s|\n", std::string(46, '-').c_str(), std::string(14, '-').c_str(),
                std::string(14, '-').c_str(), std::string(18, '-').c_str(), std::string(24, '-').c_str(),
                std::string(6, '-').c_str());
    faster(R.Get("StringGridFill"), R.Get("QTableWidgetFill"), 10, "fill 1,000,000 cells, texts made beforehand",
           "at least 10x faster");
    faster(R.Get("StringGridFillMakingTexts"), R.Get("QTableWidgetFillMakingTexts"), 0,
           "fill 1,000,000 cells, texts made in the loop", "-");
    {
        const Figure ours = R.Get("StringGridHeap"), peer = R.Get("QTableWidgetHeap");
        std::string ratio = "n/a", met = "-";
        if (ours.Present() && peer.Present()) {
            std::snprintf(buf, sizeof buf, "%.2f", ours.Value / peer.Value);
            ratio = buf;
            met = ours.Value / peer.Value <= 0.25 ? "yes" : "NO";
        }
        Line("heap per cell, 8-character texts", Bytes(ours), Bytes(peer), ratio, "at most 0.25", met.c_str());
    }
    {
        const Figure move = R.Get("StringGridMoveRow");
        Line("move one row of 100,000", Ms(move), "-", "-", "under 0.1 ms",
             !move.Present() ? "-" : move.Value < 0.1 ? "yes" : "NO");
    }
    {
        const Figure near = R.Get("StringGridExchangeRows/1");
        const Figure far = R.Get("StringGridExchangeRows/" + std::to_string(Rows - 1));
        std::string ratio = "n/a", met = "-";
        if (near.Present() && far.Present()) {
            std::snprintf(buf, sizeof buf, "far/near %.2f", far.Value / near.Value);
            ratio = buf;
            // Constant time: the far exchange costs what the near one does.
            met = far.Value / near.Value < 2 ? "yes" : "NO";
        }
        Line("exchange rows 1 and 100,000 (1 and 2)", Ms(far) + " (" + Ms(near) + ")", "-", ratio, "O(1)",
             met.c_str());
    }
    faster(R.Get("StringGridSort"), R.Get("QTableWidgetSort"), 5, "sort 100,000 rows by one column",
           "at least 5x faster");
    faster(R.Get("StringGridRepaint"), R.Get("QTableWidgetRepaint"), 3, "full-viewport repaint",
           "at least 3x faster");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    WarmHeap();
    Texts();
    TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintTable(reporter);
    benchmark::Shutdown();
    return 0;
}
