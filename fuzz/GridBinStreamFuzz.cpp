// Arbitrary bytes as a binary cell stream, placed at a point and as a
// whole grid: the grid loads them or raises EReadError and keeps its
// cells; nothing else may happen.
#include "GridFuzzApp.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    TMemoryStream stream;
    stream.WriteBytes(QByteArray(reinterpret_cast<const char*>(Data), qsizetype(Size)));
    TProStringGrid grid;
    grid.SetCells(1, 1, "keep");
    for (const TPoint at : {TPoint{0, 0}, TPoint{3, 2}}) {
        stream.SetPosition(0);
        try {
            grid.LoadAtPointFromBinStream(at, &stream);
        } catch (const EReadError&) {
            if (grid.Cells(1, 1) != QLatin1String("keep"))
                std::abort();
        }
    }
    // A stream of a whole grid sizes the grid as its header says.
    TProStringGrid whole;
    whole.SetCells(1, 1, "keep");
    stream.SetPosition(0);
    try {
        whole.LoadFromBinStream(&stream);
    } catch (const EReadError&) {
        if (whole.Cells(1, 1) != QLatin1String("keep"))
            std::abort();
    }
    return 0;
}
