#pragma once
// A binary cell stream parsed and checked whole, before any cell changes
// (not part of the public surface).
#include "grid/features/GridStreamCodec.h"
#include <QString>
#include <optional>
#include <vector>

class TStream;

struct TCellStreamHeader {
    int ColCount = 0;
    int RowCount = 0;
    std::vector<int> ColWidths;
    std::vector<int> RowHeights;
    bool FullGrid = false;
    int ID = 0;
};

struct TCellStreamEntry {
    int Col = 0;
    int Row = 0;
    QString Text;
    // The properties record, checked; applied over the target's properties.
    std::optional<TStreamProps> Props;
};

struct TCellStreamData {
    TCellStreamHeader Header;
    std::vector<TCellStreamEntry> Cells;
};

// Reads a stream from its position to its end; raises EReadError on any
// damage, and the stream position is then undefined.
TCellStreamData ParseCellStream(TStream* Stream);
