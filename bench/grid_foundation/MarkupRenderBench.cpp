// A page of grid cells (40 rows x 6 columns) with markup, measured and then
// drawn by RenderHTMLText; the same cells as rich text in a QTextDocument
// drawn into an image as the peer. The ratio of the two is printed.
#include "grid/foundation/MarkupRender.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QTextDocument>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

constexpr int Rows = 40;
constexpr int Cols = 6;
constexpr int CellW = 120;
constexpr int CellH = 20;

QString CellMarkup(int c, int r)
{
    return QStringLiteral("<b>T%1</b> <font color=\"#C00000\">%2.5</font> C <a href=\"d%1\">info</a>")
        .arg(c)
        .arg(r);
}

void RenderPage(TCanvas* Canvas)
{
    QString link, plain, focus, title, id, value, type;
    int ex = 0, ey = 0, anchors = 0, at = 0;
    TRect anchorRect, controlRect;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            const TRect cell = Bounds(c * CellW, r * CellH, CellW, CellH);
            const QString text = CellMarkup(c, r);
            for (bool measure : {true, false})
                RenderHTMLText(Canvas, text, cell, nullptr, -1, -1, -1, 0, 1, false, measure, false, false, true,
                               true, true, false, 1.0, clBlue, clNone, clNone, clGray, link, plain, focus, title,
                               ex, ey, anchors, at, anchorRect, controlRect, id, value, type, nullptr, nullptr,
                               nullptr, 0);
        }
}

void PeerPage(QPainter* Painter)
{
    QTextDocument doc;
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c) {
            doc.setHtml(CellMarkup(c, r));
            doc.setTextWidth(CellW);
            (void)doc.size();
            Painter->save();
            Painter->translate(c * CellW, r * CellH);
            doc.drawContents(Painter, QRectF(0, 0, CellW, CellH));
            Painter->restore();
        }
}

struct Surfaces {
    Surfaces() : Bmp(Cols * CellW, Rows * CellH), Image(Cols * CellW, Rows * CellH, QImage::Format_RGB32)
    {
        Bmp.Canvas()->Font()->SetName("DejaVu Sans");
        Bmp.Canvas()->Font()->SetSize(8);
    }
    TBitmap Bmp;
    QImage Image;
};

void RenderHTMLTextPage(benchmark::State& state)
{
    Surfaces s;
    for (auto _ : state)
        RenderPage(s.Bmp.Canvas());
    state.counters["cells"] = benchmark::Counter(Rows * Cols, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(RenderHTMLTextPage)->Unit(benchmark::kMillisecond);

// Peer: QTextDocument laying out and drawing the same cells.
void QTextDocumentPage(benchmark::State& state)
{
    Surfaces s;
    QPainter painter(&s.Image);
    for (auto _ : state)
        PeerPage(&painter);
    state.counters["cells"] = benchmark::Counter(Rows * Cols, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(QTextDocumentPage)->Unit(benchmark::kMillisecond);

template <typename F>
double MillisecondsPerPage(F Page)
{
    constexpr int Pages = 20;
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < Pages; ++i)
        Page();
    return timer.nsecsElapsed() / 1e6 / Pages;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    Surfaces s;
    QPainter painter(&s.Image);
    const double ours = MillisecondsPerPage([&] { RenderPage(s.Bmp.Canvas()); });
    const double peer = MillisecondsPerPage([&] { PeerPage(&painter); });
    std::printf("RenderHTMLText %.2f ms/page, QTextDocument %.2f ms/page, ratio %.2f\n", ours, peer, ours / peer);
    return 0;
}
