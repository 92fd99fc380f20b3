// Installs the features' side of the grid's input handling at start-up.
// The features' CMake target names GridFeaturesInstalled to the linker, so
// this file is linked into every program that links the features.
#include "grid/core/GridFeatureHooks.h"
#include "grid/core/ProStringGrid.h"

void InstallGridFeatureHooks()
{
    GridFeatureHooks.CopySelection = [](TProStringGrid* Grid) { Grid->CopySelectionToClipboard(); };
    GridFeatureHooks.CutSelection = [](TProStringGrid* Grid) { Grid->CutSelectionToClipboard(); };
    GridFeatureHooks.PasteSelection = [](TProStringGrid* Grid) { Grid->PasteSelectionFromClipboard(); };
    GridFeatureHooks.StartDrag = [](TProStringGrid* Grid, int ACol, int ARow, int X, int Y) {
        Grid->StartOleDrag(ACol, ARow, X, Y);
    };
}

extern "C" {
extern const int GridFeaturesInstalled;
const int GridFeaturesInstalled = (InstallGridFeatureHooks(), 1);
}
