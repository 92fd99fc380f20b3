#pragma once
// What the painting files of the string grid share: the state of one cell
// being painted and the grid's glyph bitmaps. Not for the grid's users.
#include "grid/core/ProStringGrid.h"
#include "platform/graphics/Bitmap.h"
#include <QString>
#include <memory>
#include <vector>

struct TProStringGrid::TCellPaint {
    TCanvas* Canvas = nullptr;
    // Display column, real column and row.
    int Col = 0;
    int RCol = 0;
    int Row = 0;
    // The rectangle the base grid gave, and what is left of it for the
    // content once the row indicator, buttons and the like took their part.
    TRect Cell;
    TRect Rect;
    TGridDrawState State;
    TColor ColorTo = clNone;
    TColor MirrorColor = clNone;
    TColor MirrorColorTo = clNone;
    TAlignment HA = taLeftJustify;
    TVAlignment VA = vtaTop;
    bool WW = false;
    TCellGradientDirection GD = GradientVertical;
    // The brush and font colours of the cell before the text's selection look.
    TColor BrushColor = clNone;
    TColor FontColor = clNone;
    // Painted with the fixed look (a hovered fixed row may not be).
    bool Fixed = false;
    // A fixed cell whatever its look.
    bool FixedCell = false;
    bool FilterButton = false;
    // The cell's graphic and where it goes.
    TCellGraphic* Graphic = nullptr;
    int GraphicWidth = 0;
    int GraphicHeight = 0;
    bool TextAllowed = true;
    // The error marker of the text: first character (0-based) and length.
    int ErrPos = 0;
    int ErrLen = 0;
    // Pixels the cell's own scroll bar scrolled the text up.
    int ScrollPos = 0;
};

// The grid's named glyphs, each made on first use.
class TGlyphCache {
public:
    TBitmap* Get(const QString& Name);

private:
    struct TEntry {
        QString Name;
        std::unique_ptr<TBitmap> Bitmap;
    };
    std::vector<TEntry> FEntries;
};
