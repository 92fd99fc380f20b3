// An XOR marker line (the grid's sizing and moving markers) drawn across a
// surface with pen mode pmXor, against a QPainter with the XOR raster
// operation opening a painter per line as the peer. Counters: microseconds
// per line for both, and ours over the peer's.
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

constexpr int Lines = 200;

void XorMarkerLine(benchmark::State& state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    TBitmap bmp(w, h);
    TCanvas* c = bmp.Canvas();
    c->Pen()->SetMode(pmXor);
    c->Pen()->SetColor(clWhite);
    QImage peer(w, h, QImage::Format_RGB32);
    peer.fill(Qt::white);
    using Clock = std::chrono::steady_clock;
    double ours = 0, theirs = 0;
    for (auto _ : state) {
        const auto t0 = Clock::now();
        for (int i = 0; i < Lines; ++i) {
            const int x = i * (w - 1) / Lines;
            c->MoveTo(x, 0);
            c->LineTo(x, h);
        }
        const auto t1 = Clock::now();
        for (int i = 0; i < Lines; ++i) {
            const int x = i * (w - 1) / Lines;
            QPainter p(&peer);
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
            p.setPen(Qt::white);
            p.drawLine(x, 0, x, h - 1);
        }
        const auto t2 = Clock::now();
        const double a = std::chrono::duration<double>(t1 - t0).count();
        ours += a;
        theirs += std::chrono::duration<double>(t2 - t1).count();
        state.SetIterationTime(a);
    }
    const double n = double(state.iterations()) * Lines;
    state.counters["us_per_line"] = ours / n * 1e6;
    state.counters["qt_us_per_line"] = theirs / n * 1e6;
    state.counters["ratio"] = theirs > 0 ? ours / theirs : 0;
}
BENCHMARK(XorMarkerLine)->Args({800, 600})->Args({1920, 1080})->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace
