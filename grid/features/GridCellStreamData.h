#pragma once
// A binary cell stream parsed and checked whole, before any cell changes
// (not part of the public surface).
#include "grid/features/GridStreamCodec.h"
#include <QString>
#include <memory>
#include <optional>
#include <vector>

class TObject;

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
    // The graphic record, checked, and its payload decoded (nil for a kind
    // without one).
    std::optional<TStreamProps> Graphic;
    std::unique_ptr<TObject> Payload;
};

struct TCellStreamData {
    TCellStreamHeader Header;
    std::vector<TCellStreamEntry> Cells;
};

// Reads a stream from its position to its end; raises EReadError on any
// damage, and the stream position is then undefined.
TCellStreamData ParseCellStream(TStream* Stream);

// Cell graphics (GridCellStreamGraphics.cpp). A graphic goes into the
// stream unless it is ctEmpty or its payload belongs to the application.
bool GraphicStreamed(TCellType Type, const TCellGraphic* Graphic);
// The graphic record and, for the kinds with an object, the payload record.
void WriteGraphicRecords(TObjectWriter& Writer, TCellType Type, const TCellGraphic* Graphic);
// Reads and checks both records into Entry, decoding the payload.
void ReadGraphicRecords(TObjectReader& Reader, TCellStreamEntry& Entry);
// Fills a new graphic of cell (ACol, ARow) and hands it the payload.
void ApplyGraphicRecords(TCellStreamEntry& Entry, TCellGraphic* Graphic, int ACol, int ARow);
