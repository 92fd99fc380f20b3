#pragma once
// What the grid's features (grid/features) lend the string grid's input
// handling: the selection's clipboard and the start of a drag. The features
// install them when they are linked in; without them these steps do nothing.

class TProStringGrid;

struct TGridFeatureHooks {
    void (*CopySelection)(TProStringGrid* Grid) = nullptr;
    void (*CutSelection)(TProStringGrid* Grid) = nullptr;
    void (*PasteSelection)(TProStringGrid* Grid) = nullptr;
    // Starts dragging the selection (or the header's column) from display
    // cell (ACol, ARow); the mouse is at client (X, Y).
    void (*StartDrag)(TProStringGrid* Grid, int ACol, int ARow, int X, int Y) = nullptr;
};

inline TGridFeatureHooks GridFeatureHooks;
