// Filling 100,000 rows x 10 columns of 8-character texts made before any
// timed loop, the heap the cells take, and a full repaint of an 800 x 600
// view of 64 x 24 pixel cells, for the grid on a shown form and for both
// Qt peers shown at the same size.
#include "TablesBench.h"
#include "bench/BenchGrid.h"
#include "grid/core/ProStringGrid.h"

#include <QApplication>
#include <QImage>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <vector>

using namespace BenchGrid;

namespace {

// Repaints per run; the figure is one repaint.
constexpr int Repaints = 40;

struct TOurs : TGridOnForm<TProStringGrid> {
    void Prepare() {}
    void Repaint()
    {
        Grid->Invalidate();
        Grid->Update();
    }
};

// The offscreen platform does not paint on repaint(): the viewport and both
// headers render into images, as the grid paints into its retained image.
struct TRenderer {
    explicit TRenderer(QTableView& View) : Parts{View.viewport(), View.horizontalHeader(), View.verticalHeader()}
    {
        for (QWidget* w : Parts)
            Images.emplace_back(w->size(), QImage::Format_ARGB32_Premultiplied);
    }
    void Repaint()
    {
        for (std::size_t i = 0; i < Images.size(); ++i)
            Parts[i]->render(&Images[i]);
    }
    QWidget* Parts[3];
    std::vector<QImage> Images;
};

struct TTable {
    TTable()
    {
        SizeTableView(Table);
        Table.show();
    }
    void Size()
    {
        Table.setColumnCount(Cols);
        Table.setRowCount(Rows);
        QCoreApplication::processEvents();
    }
    void Fill()
    {
        const QString* t = Texts().data();
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Table.setItem(r, c, new QTableWidgetItem(*t++));
    }
    void Prepare() { Renderer = std::make_unique<TRenderer>(Table); }
    void Repaint() { Renderer->Repaint(); }
    QTableWidget Table;
    std::unique_ptr<TRenderer> Renderer;
};

// A proxy over the model handles each setItem as a layout change, which
// makes filling through it quadratic: the model is filled alone and then
// put under the proxy and the shown view, all of it timed.
struct TModelView {
    TModelView()
    {
        SizeTableView(View);
        View.show();
    }
    void Size()
    {
        Model.setColumnCount(Cols);
        Model.setRowCount(Rows);
        QCoreApplication::processEvents();
    }
    void Fill()
    {
        const QString* t = Texts().data();
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Model.setItem(r, c, new QStandardItem(*t++));
        Proxy.setSourceModel(&Model);
        View.setModel(&Proxy);
    }
    void Prepare() { Renderer = std::make_unique<TRenderer>(View); }
    void Repaint() { Renderer->Repaint(); }
    QStandardItemModel Model;
    QSortFilterProxyModel Proxy;
    QTableView View;
    std::unique_ptr<TRenderer> Renderer;
};

// Fills Side (sized first, untimed), then repaints it; the figures go
// into the three slots.
template <class TSide>
void Measure(TSide& Side, double& Fill, double& Heap, double& Paint)
{
    Side.Size();
    const double before = HeapInUse();
    TStopwatch fill;
    Side.Fill();
    Fill = fill.Ms();
    Heap = (HeapInUse() - before) / (double(Rows) * Cols);
    QCoreApplication::processEvents();
    Side.Prepare();
    Side.Repaint();
    TStopwatch paint;
    for (int i = 0; i < Repaints; ++i)
        Side.Repaint();
    Paint = paint.Ms() / Repaints;
}

} // namespace

void WarmHeap()
{
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    // Blocks under the mmap threshold come from the heap and stay with it.
    constexpr std::size_t Block = std::size_t(16) << 20, Total = std::size_t(640) << 20;
    std::vector<void*> blocks;
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

double HeapInUse()
{
    const struct mallinfo2 m = mallinfo2();
    return double(m.uordblks + m.hblkhd);
}

void MeasureCells(TSample& Fill, TSample& Heap, TSample& Repaint)
{
    Texts();
    {
        TOurs ours;
        Measure(ours, Fill.Ours, Heap.Ours, Repaint.Ours);
    }
    {
        TTable table;
        Measure(table, Fill.PeerA, Heap.PeerA, Repaint.PeerA);
    }
    {
        TModelView modelView;
        Measure(modelView, Fill.PeerB, Heap.PeerB, Repaint.PeerB);
    }
}
