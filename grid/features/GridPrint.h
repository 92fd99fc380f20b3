#pragma once
// The state of one print layout pass, shared by GridPrint.cpp and
// GridPrintCells.cpp. Not for use outside this folder.
#include "grid/core/ProStringGrid.h"
#include "platform/graphics/GraphicsObjects.h"
#include <cmath>

struct TProStringGrid::TPrintJob {
    TCanvas* Canvas = nullptr;
    TPrintMode Mode = TPrintMode::CountPrint;
    bool SelectedOnly = false;
    // The page count from the counting pass; -1 while counting.
    int Total = -1;
    // Line metrics in 0.1 mm: header, footer and cell text heights, the row
    // gap unit and the horizontal cell padding.
    int HeaderH = 0;
    int FooterH = 0;
    int TextH = 0;
    int U = 0;
    int G = 0;
    // Page width and (negative) height.
    int PW = 0;
    int PH = 0;
    // 0.1 mm per screen pixel.
    double F = 254.0 / 96;
    // Column spacing and the fit-to-page factor.
    int M = 0;
    double S = 1.0;
    // Space above and below the table.
    int E = 0;
    int GF = 0;
    // The page counter over the job (0-based), the strip and the page
    // within it.
    int C = 0;
    int Strip = 0;
    int PageInStrip = 0;
    bool SeveralStrips = false;
    bool Cancelled = false;
    // The current strip.
    int First = 0;
    int Last = 0;
    bool RepeatCols = false;
    int FW = 0;
    // The next row and the y below the last one drawn.
    int H = 0;
    int Y = 0;
    // The point size of the cell being drawn.
    double CellPoints = 0;
    int HeightRow = -1;
    int Height = 0;
    TPen Pen;
    // A title whose lines hold mini-markup, drawn as one block, and its
    // height under the header when it stands at the top.
    QString MarkupTitle;
    int MarkupTitleH = 0;

    bool Drawing() const { return Mode == TPrintMode::DrawPreview || Mode == TPrintMode::DrawPrint; }
    bool Preview() const { return Mode == TPrintMode::DrawPreview || Mode == TPrintMode::CountPreview; }
};

// Rounds halves to even.
inline int PrintRound(double X)
{
    return int(std::nearbyint(X));
}
