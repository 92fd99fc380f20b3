#pragma once
// The string grid's part in drag and drop: its drop target (cells, text,
// rich text, URLs, a dropped CSV file, columns), the drop source of a drag
// started on it, and the snapshot window that follows the cursor.
#include "grid/foundation/GridDragDrop.h"
#include "grid/core/NoActiveForm.h"
#include "platform/controls/Form.h"

class TProStringGrid;

// Receives drags over a grid: shows the arrow markers where the data would
// land, scrolls near the edges, and hands dropped data to the grid. Dropped
// cell streams and texts are parsed whole before the grid changes.
class TGridDropTarget : public TSGDropTarget {
public:
    explicit TGridDropTarget(TProStringGrid* AGrid) : FGrid(AGrid) {}

    void DropText(TPoint pt, const QString& s) override;
    void DropStream(TPoint pt, TMemoryStream* ms) override;
    void DropCol(TPoint pt, int Col) override;
    void DropRTF(TPoint pt, const QString& s) override;
    void DropFiles(TPoint pt, TStrings* Files) override;
    void DropURL(TPoint pt, const QString& s) override;
    void DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats) override;
    void DragMouseLeave() override;

private:
    // The cell under a screen point; below the last row with whole-row
    // appending, the last row's first normal cell (Append set).
    void TargetCell(TPoint pt, bool ColDrag, int& ACol, int& ARow, bool& Append);
    void AutoScroll(int ACol, int ARow, TPoint ClientPt);
    void ShowMarkers(bool ColDrag, int ACol, int ARow, bool Append);
    void HideMarkers(bool Button);

    TProStringGrid* FGrid;
};

// Follows a drag started on the grid: moves the snapshot window or the
// header drag button with the cursor and remembers the effect.
class TGridDropSource : public TSGDropSource {
public:
    explicit TGridDropSource(TProStringGrid* AGrid) : FGrid(AGrid) {}

    void DragFinished() override;
    void CurrentEffect(unsigned Effect) override;
    void QueryDrag() override;
    // The last copy or move effect a target reported; 0 before any.
    unsigned LastEffect() const { return FLastEffect; }

private:
    TProStringGrid* FGrid;
    unsigned FLastEffect = DROPEFFECT_NONE;
};

