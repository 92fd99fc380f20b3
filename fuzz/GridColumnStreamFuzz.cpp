// Arbitrary bytes as the column grid's column stream: the grid loads them
// or raises EReadError and keeps its columns; a stream the grid writes
// after a load loads back to the same stream.
#include "GridFuzzApp.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <cstdlib>

namespace {

QByteArray Saved(TProColumnGrid& Grid)
{
    TMemoryStream stream;
    Grid.SaveColumnsToStream(&stream);
    return stream.Data();
}

void Load(TProColumnGrid& Grid, const QByteArray& Bytes)
{
    TMemoryStream stream;
    stream.WriteBytes(Bytes);
    stream.SetPosition(0);
    Grid.LoadColumnsFromStream(&stream);
}

void Fill(TProColumnGrid& Grid)
{
    Grid.SetColCount(4);
    Grid.SetRowCount(3);
    Grid.Columns()->Items(1)->SetHeader(QStringLiteral("Name"));
    Grid.Columns()->Items(2)->SetWidth(90);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TProColumnGrid grid;
    Fill(grid);
    const QByteArray before = Saved(grid);
    try {
        Load(grid, bytes);
    } catch (const EReadError&) {
        if (Saved(grid) != before)
            std::abort();
        return 0;
    }
    const QByteArray written = Saved(grid);
    TProColumnGrid again;
    Fill(again);
    Load(again, written);
    if (Saved(again) != written)
        std::abort();
    return 0;
}
