// Arbitrary bytes as the grid's settings files: the column widths and
// positions of the INI store (string grid and column grid), the print
// settings section and the visual properties file. Each reads or raises
// the platform's error; print settings and visual properties the grid
// writes after a read read back to the same file.
#include "FuzzFile.h"
#include "GridFuzzApp.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/rtl/Exceptions.h"
#include <cstdlib>

namespace {

QByteArray Get(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Fill(TProStringGrid& Grid, const QString& Ini)
{
    Grid.SetColCount(6);
    Grid.SetRowCount(4);
    Grid.SetFixedRows(1);
    for (int c = 0; c < Grid.ColCount(); ++c)
        Grid.SetCells(c, 0, QString::number(c));
    Grid.MoveColumn(1, 4);
    Grid.HideColumn(2);
    Grid.ColumnSize()->SetKey(Ini);
    Grid.ColumnSize()->SetSection(QStringLiteral("Grid"));
    Grid.ColumnSize()->SetLocation(clIniFile);
}

// Reads Path into a new grid with Load, writes it with Save to Copy and
// checks that a second grid reading Copy writes the same bytes.
template <typename TLoad, typename TSave>
void RoundTrip(const QString& Path, TLoad Load, TSave Save)
{
    const QString copy = FuzzFilePath(QStringLiteral("copy")), again = FuzzFilePath(QStringLiteral("again"));
    QFile::remove(copy);
    QFile::remove(again);
    {
        TProStringGrid grid;
        try {
            Load(grid, Path);
        } catch (const Exception&) {
            return;
        }
        Save(grid, copy);
    }
    TProStringGrid grid;
    Load(grid, copy);
    Save(grid, again);
    if (Get(copy) != Get(again))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    StartGridFuzzApp();
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    const QString ini = FuzzFilePath(QStringLiteral("grid.ini"));

    // The INI store is written back after every read, so each reader gets
    // the bytes afresh.
    {
        WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
        TProStringGrid grid;
        Fill(grid, ini);
        grid.LoadColSizes();
        WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
        grid.LoadColPositions();
    }
    {
        WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
        TProColumnGrid grid;
        Fill(grid, ini);
        grid.LoadColumnPositions(ini, QStringLiteral("Grid"));
        WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
        grid.LoadColPositions();
    }

    WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
    RoundTrip(
        ini, [](TProStringGrid& G, const QString& P) { G.LoadPrintSettings(P, QStringLiteral("Print")); },
        [](TProStringGrid& G, const QString& P) { G.SavePrintSettings(P, QStringLiteral("Print")); });
    WriteFuzzFile(QStringLiteral("grid.ini"), bytes);
    RoundTrip(
        ini, [](TProStringGrid& G, const QString& P) { G.LoadVisualProps(P); },
        [](TProStringGrid& G, const QString& P) { G.SaveVisualProps(P); });
    return 0;
}
