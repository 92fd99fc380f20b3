#pragma once
// TBaseGrid: the platform string grid as the grid library's cell store.
// Each cell keeps its text in the platform store and, in its object slot,
// nil or its own TCellProperties (created on demand); the user's object
// of a cell lives in the properties. Rectangular ranges merge into one
// cell addressed through their base (top-left) cell. The grid paints
// every cell itself (backgrounds, hover and active rows, rounded
// selection, its own grid lines), each merged range once per paint pass,
// and hands the content to the virtual DrawCellContent.
//
// Ownership: the grid owns the properties objects in its slots. It frees
// them when a row or column is deleted and on destruction, also those
// past a count that shrank; the raw slot writers (SetGridObject and the
// Reset operations) hand them over without freeing.
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/GridEvents.h"
#include "grid/foundation/ObjStringGrid.h"

class TProGridUndoRedo;

class TBaseGrid : public TObjStringGrid {
public:
    explicit TBaseGrid(TComponent* AOwner = nullptr);
    ~TBaseGrid() override;

    // Cell text
    // The displayed text: the base cell's text of a merged range, passed
    // through the display-text hooks for rows below the normal row count.
    QString Cells(int ACol, int ARow) { return GetCellEx(ACol, ARow); }
    // Stores into the base cell of a merged range (then CellChanged and a
    // repaint); LastRowChanged follows a write to the reserved last row.
    void SetCells(int ACol, int ARow, const QString& Value) { SetCellEx(ACol, ARow, Value); }
    QString GetCellEx(int ACol, int ARow);
    void SetCellEx(int ACol, int ARow, const QString& Value);
    // The raw stored text: no base cell, no hooks, no repaint.
    QString GridCells(int ACol, int ARow) const { return GetGridCell(ACol, ARow); }
    void SetGridCells(int ACol, int ARow, const QString& Value) { SetGridCell(ACol, ARow, Value); }
    QString GetGridCell(int ACol, int ARow) const;
    void SetGridCell(int ACol, int ARow, const QString& Value);

    // Objects and properties
    // The raw object slot. Note: writing frees nothing.
    TObject* GridObjects(int ACol, int ARow) const { return GetGridObject(ACol, ARow); }
    void SetGridObjects(int ACol, int ARow, TObject* Value) { SetGridObject(ACol, ARow, Value); }
    TObject* GetGridObject(int ACol, int ARow) const;
    void SetGridObject(int ACol, int ARow, TObject* Value);
    // The cell's properties, made with the default look when missing.
    // Note: an index outside the grid raises EInvalidGridOperation.
    TCellProperties* CellProperties(int ACol, int ARow);
    TCellProperties* GetCellProperties(int ACol, int ARow) { return CellProperties(ACol, ARow); }
    // Frees the properties in the slot and stores Value (taken over).
    void SetCellProperties(int ACol, int ARow, TCellProperties* Value);
    // The cell is inside the grid and holds properties.
    bool HasCellProperties(int ACol, int ARow) const;
    // The user's object of the cell itself (no base cell); nil without properties.
    TObject* Objects(int ACol, int ARow) const { return GetObjectEx(ACol, ARow); }
    void SetObjects(int ACol, int ARow, TObject* Value) { SetObjectEx(ACol, ARow, Value); }
    TObject* GetObjectEx(int ACol, int ARow) const;
    // Note: makes the cell's properties; an empty text stays empty.
    void SetObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GraphicObjects(int ACol, int ARow) const { return GetGraphicObjectEx(ACol, ARow); }
    void SetGraphicObjects(int ACol, int ARow, TObject* Value) { SetGraphicObjectEx(ACol, ARow, Value); }
    TObject* GetGraphicObjectEx(int ACol, int ARow) const;
    // Note: ignored while the grid is destroyed.
    void SetGraphicObjectEx(int ACol, int ARow, TObject* Value);
    TObject* GetGraphicObjectOf(TObject* Props) const;
    // Invalidates CellRect(c, r), the whole range for a merged cell.
    void RepaintCell(int c, int r);

    // Merged cells
    // Merges spanx columns and spany rows from (c, r); a range overlapping
    // another must be split first. Note: raises EInvalidGridOperation for
    // a range outside the grid.
    virtual void MergeCells(int c, int r, int spanx, int spany);
    // Dissolves the range holding (c, r); the properties objects stay.
    virtual void SplitCells(int c, int r);
    // The base cell of the cell's range; the cell itself outside one.
    TPoint BaseCell(int ACol, int ARow) const;
    bool IsBaseCell(int ACol, int ARow) const;
    // Outputs the base cell; True when the cell is its own base cell.
    bool IsBaseCellEx(int ACol, int ARow, int& BaseCol, int& BaseRow) const;
    // The cell lies in a range larger than one cell.
    bool IsMergedCell(int ACol, int ARow) const;
    bool IsMergedNonBaseCell(int ACol, int ARow) const;
    // The cell's range spans more than one column (row).
    bool IsXMergedCell(int ACol, int ARow) const;
    bool IsYMergedCell(int ACol, int ARow) const;
    // Extra columns (X) and rows (Y) of the cell's range; (0, 0) outside one.
    TPoint CellSpan(int ACol, int ARow) const;
    // Columns and rows from the cell to the far corner of its range.
    TPoint CellExt(int ACol, int ARow) const;
    // The range in cells: base cell to far corner, both included.
    TRect FullCell(int c, int r) const;
    // The smallest row span above 0 in the row (RowCount when none), the largest (0 when none).
    int MinRowSpan(int ARow) const;
    int MaxRowSpan(int ARow) const;
    // Over the columns (rows) merged in both, the ranges share their base
    // row (column); False when there is no such column (row).
    bool RowSpanIdentical(int ARow1, int ARow2) const;
    bool ColSpanIdentical(int ACol1, int ACol2) const;
    int MergeCount() const { return FMergeCount; }

    // Geometry
    // The client rectangle of any cell, visible or not.
    void CalcCellRect(int ACol, int ARow, TRect& Rect) const;
    // For a merged cell the rectangle of its whole range. Note: a plain
    // cell out of view gives its size at (0, 0).
    TRect CellRect(int c, int r) const;
    TPoint CellSize(int c, int r) const;
    // Widths of the fixed columns, heights of the fixed rows.
    int FixedColsWidth() const;
    int FixedRowsHeight() const;

    // Cell-properties housekeeping
    // Empty the slots without freeing, then the texts.
    void ResetCol(int ACol);
    void ResetRow(int ARow);
    // Empties the text through the Cells writer, then the slot (not freed).
    void ResetCell(int ACol, int ARow);
    // Frees the properties (not their graphic) and empties the slot.
    void FreeCellProps(int ACol, int ARow);
    // Frees the properties of the rectangle and their graphics of class
    // TCellGraphic; nothing while the grid never had properties.
    void FreeCellPropsRect(int FromCol, int FromRow, int ToCol, int ToRow);

    // Painting
    // The cell in full: its rectangle (a merged range's), look and content.
    void PaintCell(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // The background, selection look and lines of ARect as given, without
    // content; selected cells take the active-row colours.
    void PaintCellExt(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    void MoveToBaseCell();

    // Look
    bool DefaultDrawing() const { return FDefaultDrawing; }
    // Note: the platform's default drawing stays off.
    void SetDefaultDrawing(bool Value);
    int GridLineWidth() const { return FGridLineWidth; }
    // Note: the platform's own lines stay at width 0.
    void SetGridLineWidth(int Value);
    TColor GridLineColor() const { return FGridLineColor; }
    void SetGridLineColor(TColor Value);
    TColor GridFixedLineColor() const { return FGridFixedLineColor; }
    void SetGridFixedLineColor(TColor Value);
    TGridSelectionStyle SelectionStyle() const { return FSelectionStyle; }
    void SetSelectionStyle(TGridSelectionStyle Value);
    bool ActiveRowShow() const { return FActiveRowShow; }
    void SetActiveRowShow(bool Value);
    TColor ActiveRowColor() const { return FActiveRowColor; }
    void SetActiveRowColor(TColor Value);
    TColor ActiveRowColorTo() const { return FActiveRowColorTo; }
    void SetActiveRowColorTo(TColor Value);
    TColor ActiveRowMirrorColor() const { return FActiveRowMirrorColor; }
    void SetActiveRowMirrorColor(TColor Value);
    TColor ActiveRowMirrorColorTo() const { return FActiveRowMirrorColorTo; }
    void SetActiveRowMirrorColorTo(TColor Value);
    bool HoverRow() const { return FHoverRow; }
    void SetHoverRow(bool Value) { FHoverRow = Value; }
    TColor HoverRowColor() const { return FHoverRowColor; }
    void SetHoverRowColor(TColor Value) { FHoverRowColor = Value; }
    TColor HoverRowColorTo() const { return FHoverRowColorTo; }
    void SetHoverRowColorTo(TColor Value) { FHoverRowColorTo = Value; }
    THoverRowCells HoverRowCells() const { return FHoverRowCells; }
    void SetHoverRowCells(THoverRowCells Value) { FHoverRowCells = Value; }
    // The word wrap new cell properties start with.
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool Value) { FWordWrap = Value; }
    // The last row is reserved: painted blank, avoided by paging and the wheel.
    bool HideLastRow() const { return FHideLastRow; }
    void SetHideLastRow(bool Value) { FHideLastRow = Value; }

    // Not owned; setting it links the component to this grid.
    TProGridUndoRedo* UndoRedo() const { return FUndoRedo; }
    void SetUndoRedo(TProGridUndoRedo* Value);

    TGetDisplTextEvent OnGetDisplText;
    TGetDisplWideTextEvent OnGetDisplWideText;

    // Hooks of the derived grid
    virtual bool IsFixed(int ACol, int ARow);
    // Pixel indent of the row's outline node.
    virtual int GetNodeIndent(int ARow);
    // True: cells of column 0 get no bottom grid line.
    virtual bool HasNodes();
    virtual void DrawCellContent(TCanvas* ACanvas, int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    virtual void LastRowChanged();
    virtual void GetDisplText(int ACol, int ARow, QString& Value);
    virtual void GetDisplWideText(int ACol, int ARow, QString& Value);
    // The look new cell properties start with.
    virtual void GetDefaultVisualProperties(int ACol, int ARow, TFont* AFont, TBrush* ABrush, TColor& AColorTo,
                                            TColor& AMirrorColor, TColor& AMirrorColorTo, TAlignment& HA,
                                            TVAlignment& VA, bool& WW, TCellGradientDirection& GD);
    // Called for the base cell after a text was stored into a cell with properties.
    virtual void CellChanged(int ACol, int ARow);
    virtual bool HasCustomCellBorders();
    // True: fixed and selected cells keep the background they have.
    virtual bool IsStyled();
    // The brush, font and colours a cell is painted with. Note: the painter
    // starts from the fixed or grid colour, the grid's font, clNone
    // gradient colours and a vertical gradient.
    virtual void GetVisualProperties(int ACol, int ARow, TGridDrawState& AState, bool Print, bool Select,
                                     bool Remap, TBrush* ABrush, TColor& AColorTo, TColor& AMirrorColor,
                                     TColor& AMirrorColorTo, TFont* AFont, TAlignment& HA, TVAlignment& VA,
                                     bool& WW, TCellGradientDirection& GD);
    // Real column to displayed column.
    virtual int DisplColIndex(int ACol);
    // Columns of the store, hidden ones included.
    virtual int TotalColCount() const;

    // The platform's row and column deletion, after freeing the line's properties.
    void DeleteColumn(int ACol) override;
    void DeleteRow(int ARow) override;
    void ChangeScale(int M, int D) override;

protected:
    friend class TCellProperties;

    void Paint() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void KeyDown(int& Key, TShiftState Shift) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    void TopLeftChanged() override;
    void SizeChanged(int OldColCount, int OldRowCount) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

    // Rows below this count are normal rows whose text passes the display hooks.
    int FNormalRowCount = 0;
    int FHoverRowIdx = -1;
    bool FShowSel = true;
    // Set when any properties object is made; the derived grid clears it
    // when it has emptied the grid.
    bool FHasCellProps = false;
    int FMergeCount = 0;

private:
    struct TVisualLook;

    void DoPaintCell(TCanvas* ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState, bool Full);
    void ApplyRowLooks(int ACol, int ARow, TGridDrawState AState, bool Full, TCanvas* ACanvas, TVisualLook& Look);
    void PaintBackground(TCanvas* ACanvas, int ACol, const TRect& ARect, TGridDrawState AState,
                         const TVisualLook& Look);
    void PaintRoundedSelection(TCanvas* ACanvas, int ACol, const TRect& ARect);
    void PaintGridLines(TCanvas* ACanvas, int ACol, const TRect& ARect, TGridDrawState AState);
    // The properties in the slot, nil outside the grid.
    TCellProperties* PropsAt(int ACol, int ARow) const;
    // Base cell of a cell with properties, the cell itself when its range
    // would lie outside the store.
    TPoint BaseOf(const TCellProperties* Props, int ACol, int ARow) const;
    bool InGrid(int ACol, int ARow) const;
    void CheckIndex(int ACol, int ARow) const;
    // Notes a slot that may hold properties, for the bulk frees.
    void NoteProps(int ACol, int ARow);
    void FreePropsObject(TObject* Obj, bool WithGraphic);
    void RepaintProps(TCellProperties* Props);
    // Moves the current cell to the last column (row) of its range, so
    // that the platform's step leaves the range.
    void StepToRangeEnd(bool Horizontal);
    void StepToRangeStart(bool Horizontal);

    bool FDefaultDrawing = false;
    int FGridLineWidth = 1;
    TColor FGridLineColor = TColor(0xC0C0C0);
    TColor FGridFixedLineColor = TColor(0x808080);
    int FPaintID = 1;
    bool FInPaint = false;
    bool FHideLastRow = false;
    TProGridUndoRedo* FUndoRedo = nullptr;
    bool FWordWrap = true;
    bool FActiveRowShow = false;
    TColor FActiveRowColor = clInfoBk;
    TColor FActiveRowColorTo = clNone;
    TColor FActiveRowMirrorColor = clNone;
    TColor FActiveRowMirrorColorTo = clNone;
    TGridSelectionStyle FSelectionStyle = ssDefault;
    bool FHoverRow = false;
    THoverRowCells FHoverRowCells{hcNormal, hcSelected};
    TColor FHoverRowColor = clInfoBk;
    TColor FHoverRowColorTo = clNone;
    // Columns and rows that may hold properties objects, past the counts too.
    int FPropCols = 0;
    int FPropRows = 0;
};
