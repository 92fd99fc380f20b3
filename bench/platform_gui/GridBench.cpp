// A string grid of 100,000 rows x 10 columns filled through Cells, then
// scrolled page by page with a repaint after each step; the same data in a
// QTableWidget as the peer.
#include "platform/controls/Form.h"
#include "platform/controls/StringGrid.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

constexpr int Rows = 100000;
constexpr int Cols = 10;
// Scroll steps per run, spread over the whole grid.
constexpr int Steps = 200;

QString CellText(int c, int r) { return QStringLiteral("R%1C%2").arg(r).arg(c); }

struct GridOnForm {
    GridOnForm()
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 820, 620);
        Grid = new TStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, 800, 600);
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows + 1);
        Form->Show();
        Grid->Update();
    }
    ~GridOnForm() { delete Form; }
    void Fill()
    {
        for (int r = 1; r <= Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Grid->SetCells(c, r, CellText(c, r));
    }
    TForm* Form;
    TStringGrid* Grid;
};

void StringGridFill(benchmark::State& state)
{
    for (auto _ : state) {
        GridOnForm g;
        g.Fill();
        state.SetLabel(QStringLiteral("%1 cells stored").arg(g.Grid->Store().CellCount()).toStdString());
    }
}
BENCHMARK(StringGridFill)->Unit(benchmark::kMillisecond)->Iterations(3);

void StringGridScrollRepaint(benchmark::State& state)
{
    GridOnForm g;
    g.Fill();
    for (auto _ : state) {
        for (int i = 0; i < Steps; ++i) {
            g.Grid->SetTopRow(1 + int(std::int64_t(i) * Rows / Steps));
            g.Grid->Update();
        }
    }
    state.counters["repaints"] = benchmark::Counter(Steps, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(StringGridScrollRepaint)->Unit(benchmark::kMillisecond);

struct TableOnScreen {
    TableOnScreen()
    {
        Table.resize(800, 600);
        Table.setColumnCount(Cols);
        Table.setRowCount(Rows);
        Table.show();
    }
    void Fill()
    {
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Table.setItem(r, c, new QTableWidgetItem(CellText(c, r + 1)));
    }
    QTableWidget Table;
};

// Peer: the same cells as QTableWidgetItems.
void QTableWidgetFill(benchmark::State& state)
{
    for (auto _ : state) {
        TableOnScreen t;
        t.Fill();
    }
}
BENCHMARK(QTableWidgetFill)->Unit(benchmark::kMillisecond)->Iterations(3);

void QTableWidgetScrollRepaint(benchmark::State& state)
{
    TableOnScreen t;
    t.Fill();
    QScrollBar* bar = t.Table.verticalScrollBar();
    QWidget* view = t.Table.viewport();
    // The offscreen platform does not paint on repaint(): render into an
    // image, as the grid paints into its retained image.
    QImage image(view->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int i = 0; i < Steps; ++i) {
            bar->setValue(int(std::int64_t(i) * bar->maximum() / Steps));
            view->render(&image);
        }
    }
    state.counters["repaints"] = benchmark::Counter(Steps, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(QTableWidgetScrollRepaint)->Unit(benchmark::kMillisecond);

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
