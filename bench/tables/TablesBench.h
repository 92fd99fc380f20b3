#pragma once
// The string grid against Qt's tables, one measure at a time. Each measure
// runs both sides once on the same data and returns what it saw; main()
// repeats them and prints the table of ratios.
#include <QString>
#include <ctime>

// One run of one measure: milliseconds (bytes per cell for the heap) for
// our side and up to two peers; negative where a side was not measured.
struct TSample {
    double Ours = -1;
    double PeerA = -1;
    double PeerB = -1;
};

// CPU time of this process: the machine is shared, and a busy neighbour
// stretches wall time by what the scheduler gives away, not by what a side
// costs.
class TStopwatch {
public:
    TStopwatch() : FStart(Now()) {}
    double Ms() const { return Now() - FStart; }
    static double Now()
    {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
    }

private:
    double FStart;
};

// Cells, heap and repaint (GridMeasures.cpp). One pass builds each side,
// fills it, reads its heap and repaints it: the grid, QTableWidget (peer A),
// QStandardItemModel + QSortFilterProxyModel + QTableView (peer B).
void MeasureCells(TSample& Fill, TSample& Heap, TSample& Repaint);
// Sorting 100,000 rows by a text and by a number column, and filtering them
// by a text condition (SortFilterMeasures.cpp).
TSample MeasureSortText();
TSample MeasureSortNumbers();
TSample MeasureFilter();
// A 100 MB CSV (TABLES_BENCH_CSV_MB overrides) against QTextStream reading
// and writing its lines (CsvMeasures.cpp). Peer A is QTextStream.
TSample MeasureCsvImport();
TSample MeasureCsvExport();
// The configurator's start-up to its main window against an empty Qt
// window, each a child process of Self (peer A: the empty window); the BACnet
// object editor opening its two 2000-row tables against filling the same
// cells into two bare grids (peer A) (AppMeasures.cpp).
TSample MeasureStartUp(const QString& Self);
TSample MeasureEditor();
// The child process of MeasureStartUp: Mode "app" or "empty". Never returns.
[[noreturn]] void RunStartUpChild(int argc, char** argv, const QString& Mode);

// Touches a large heap once, so page faults do not land in the timed runs.
void WarmHeap();
// Bytes in use on the heap.
double HeapInUse();
