#pragma once
// TCustomGrid: a grid of cells drawn by the grid itself, with fixed rows
// and columns that do not scroll, a current cell and a selected range,
// keyboard and mouse navigation, column and row sizing and moving, and an
// in-place editor.
//
// Painting: Paint calls DrawCell once for each visible cell meeting the
// update area, fixed cells included, row by row; the canvas is clipped to
// the update area only, so a cell may paint over its neighbours (merged
// ranges). With DefaultDrawing the grid fills each cell first and draws
// the raised edges of fixed cells and the focus rectangle after; without
// it, and with GridLineWidth 0, it draws nothing inside the cells and only
// fills the area past the last column and row.
//
// Input: the platform's handling (GridMouseDown, GridKeyDown, ...) is kept
// apart from the overridable hooks (MouseDown, KeyDown, ...), which call
// it; a derived grid may call the handling past its own overrides.
//
// Scrolling moves LeftCol and TopRow by whole columns and rows: keys,
// wheel, scroll bars, WM_HSCROLL/WM_VSCROLL, and a timer while a range is
// dragged past the cells.
#include "platform/controls/CustomControl.h"
#include "platform/controls/GridAxis.h"
#include "platform/controls/GridSelection.h"
#include "platform/controls/Memo.h"
#include "platform/controls/ScrollBar.h"
#include "platform/rtl/Exceptions.h"

class TInplaceEdit;

STRATAGON_DECLARE_EXCEPTION(EInvalidGridOperation, Exception)

enum TGridOption {
    goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect, goDrawFocusSelected,
    goRowSizing, goColSizing, goRowMoving, goColMoving, goEditing, goTabs, goRowSelect,
    goAlwaysShowEditor, goThumbTracking
};
using TGridOptions = Set<TGridOption>;

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = Set<TGridDrawStateFlag>;

enum TGridState { gsNormal, gsSelecting, gsRowSizing, gsColSizing, gsRowMoving, gsColMoving };

// Scroll bar codes of WM_HSCROLL and WM_VSCROLL (low word of WParam).
constexpr int SB_LINEUP = 0;
constexpr int SB_LINELEFT = 0;
constexpr int SB_LINEDOWN = 1;
constexpr int SB_LINERIGHT = 1;
constexpr int SB_PAGEUP = 2;
constexpr int SB_PAGELEFT = 2;
constexpr int SB_PAGEDOWN = 3;
constexpr int SB_PAGERIGHT = 3;
constexpr int SB_THUMBPOSITION = 4;
constexpr int SB_THUMBTRACK = 5;
constexpr int SB_TOP = 6;
constexpr int SB_BOTTOM = 7;
constexpr int SB_ENDSCROLL = 8;

using TSelectCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, bool& CanSelect)>;
using TDrawCellEvent = std::function<void(TObject* Sender, int ACol, int ARow, const TRect& Rect, TGridDrawState State)>;
using TGetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, QString& Value)>;
using TSetEditEvent = std::function<void(TObject* Sender, int ACol, int ARow, const QString& Value)>;
using TMovedEvent = std::function<void(TObject* Sender, int FromIndex, int ToIndex)>;

class TCustomGrid : public TCustomControl {
public:
    explicit TCustomGrid(TComponent* AOwner = nullptr);
    ~TCustomGrid() override;

    // Counts
    int ColCount() const { return FCols.Count(); }
    void SetColCount(int value);
    int RowCount() const { return FRows.Count(); }
    void SetRowCount(int value);
    // Note: must stay below ColCount (RowCount); EInvalidGridOperation otherwise.
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int value);

    // Geometry
    int DefaultColWidth() const { return FCols.DefaultSize(); }
    // Note: resets every column to the new width.
    void SetDefaultColWidth(int value);
    int DefaultRowHeight() const { return FRows.DefaultSize(); }
    void SetDefaultRowHeight(int value);
    int ColWidths(int Index) const { return FCols.Size(Index); }
    void SetColWidths(int Index, int value);
    int RowHeights(int Index) const { return FRows.Size(Index); }
    void SetRowHeights(int Index, int value);
    int GridLineWidth() const { return FCols.LineWidth(); }
    void SetGridLineWidth(int value);
    // First scrolled column (row) shown after the fixed ones.
    int LeftCol() const { return FTopLeft.X; }
    void SetLeftCol(int value);
    int TopRow() const { return FTopLeft.Y; }
    void SetTopRow(int value);
    // Scrolled columns (rows) that are wholly visible.
    int VisibleColCount() const;
    int VisibleRowCount() const;
    // The width (height) the visible cells take, lines included, up to the client size.
    int GridWidth() const;
    int GridHeight() const;
    // The cell's rectangle in client coordinates, without its lines.
    // Note: empty (0, 0, 0, 0) for a cell that is not visible. With
    // right-to-left alignment column 0 is at the right edge.
    TRect CellRect(int ACol, int ARow) const;
    // The cell under a client point; -1 for a coordinate outside the cells.
    void MouseToCell(int X, int Y, int& ACol, int& ARow) const;
    TGridCoord MouseCoord(int X, int Y) const;
    // The cells from the fixed ones' corner to the last visible cell.
    TGridRect VisibleRange() const;
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle value);
    // Scroll bars the grid may show; each shows only while the cells do
    // not fit. They move TopRow and LeftCol by whole rows and columns.
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle value);
    // The bars; nullptr until first needed.
    TScrollBar* VertScrollBar() const { return FVertBar; }
    TScrollBar* HorzScrollBar() const { return FHorzBar; }
    // Note: the area the cells take, inside the frame and without the shown
    // scroll bars. The grid's coordinates (cells, painting, the mouse hooks)
    // start inside the frame; mouse messages come relative to its outer
    // corner and the grid moves them.
    TRect ClientRect() const override;
    // In the grid's coordinates.
    void InvalidateRect(const TRect& R);
    // The whole grid, frame and scroll bar corner included.
    void Invalidate() override;

    // Current cell and selection
    int Col() const { return FSelection.Current().X; }
    // Note: asks SelectCell first; a refused move leaves everything as it was.
    void SetCol(int value);
    int Row() const { return FSelection.Current().Y; }
    void SetRow(int value);
    TGridRect Selection() const { return FSelection.Rect(); }
    // Selects the range; the current cell goes to its bottom right corner.
    // Note: SelectCell is not asked and the view does not scroll.
    void SetSelection(const TGridRect& value);
    TGridState GridState() const { return FGridState; }

    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions value);
    bool DefaultDrawing() const { return FDefaultDrawing; }
    void SetDefaultDrawing(bool value);

    // Editing
    bool EditorMode() const { return FEditorMode; }
    void SetEditorMode(bool value);
    TInplaceEdit* InplaceEditor() const { return FInplaceEdit; }

    // Repaints
    void InvalidateCell(int ACol, int ARow);
    void InvalidateCol(int ACol);
    void InvalidateRow(int ARow);
    void InvalidateGrid() { Invalidate(); }

    // Moves and deletions; the cells' contents move in derived grids.
    void MoveColumn(int FromIndex, int ToIndex);
    void MoveRow(int FromIndex, int ToIndex);
    virtual void DeleteColumn(int ACol);
    virtual void DeleteRow(int ARow);

    // Moves the current cell through SelectCell; Show scrolls it into view.
    void MoveColRow(int ACol, int ARow, bool MoveAnchor, bool Show);
    // Scales the default sizes, the columns' and rows' own sizes and an own
    // font by M/D; the grid's bounds stay.
    virtual void ChangeScale(int M, int D);

    TSelectCellEvent OnSelectCell;
    TNotifyEvent OnTopLeftChanged;
    TMovedEvent OnColumnMoved;
    TMovedEvent OnRowMoved;

    // The platform's handling, apart from the overridable hooks.
    void GridMouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void GridMouseMove(TShiftState Shift, int X, int Y);
    void GridMouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void GridKeyDown(int& Key, TShiftState Shift);
    void GridKeyPress(QChar& Key);

protected:
    friend class TInplaceEdit;

    // Hooks
    virtual bool SelectCell(int ACol, int ARow);
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) = 0;
    void Paint() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void KeyPress(QChar& Key) override;
    void KeyUp(int& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    bool DoMouseWheelDown(TShiftState Shift, TPoint MousePos) override;
    bool DoMouseWheelUp(TShiftState Shift, TPoint MousePos) override;
    virtual void TopLeftChanged();
    virtual void SizeChanged(int OldColCount, int OldRowCount);
    virtual void ColWidthsChanged();
    virtual void RowHeightsChanged();
    // The sizing state at a client point: gsColSizing or gsRowSizing with
    // the line's index and position, or gsNormal. Note: X and the position
    // are left-to-right, mirrored already with right-to-left alignment.
    virtual void CalcSizingState(int X, int Y, TGridState& State, int& Index, int& SizingPos, int& SizingOfs);
    // Called after a column (row) moved with its contents.
    virtual void ColumnMoved(int FromIndex, int ToIndex);
    virtual void RowMoved(int FromIndex, int ToIndex);
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void Resize() override;
    // Aligned children sit inside the frame, beside the scroll bars.
    void AdjustClientRect(TRect& Rect) override;

    // Editing
    // The editor to use; called once, the grid owns it.
    virtual TInplaceEdit* CreateEditor();
    // Asked before the editor shows; a derived grid may open its own editor here.
    virtual bool CanEditShow();
    // False when the cell's text may not be changed.
    virtual bool CanEditModify() const { return FCanEditModify; }
    virtual bool CanEditAcceptKey(QChar Key) const;
    virtual QString GetEditText(int ACol, int ARow);
    virtual void SetEditText(int ACol, int ARow, const QString& Value);
    virtual QString GetEditMask(int ACol, int ARow);
    // Characters the editor takes; 0: no limit.
    virtual int GetEditLimit() { return 0; }
    void ShowEditor();
    void HideEditor();
    // Reloads the editor's contents from the current cell.
    void InvalidateEditor();
    // Shows, moves or reloads the editor as the current cell asks.
    void UpdateEdit();
    bool IsActiveControl() const;

    // Messages
    void WndProc(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override;
    void WMChar(TWMKey& Message) override;
    void WMSetFocus(TWMFocus& Message) override;
    void WMKillFocus(TWMFocus& Message) override;
    void DoExit() override;
    virtual void WMHScroll(TMessage& Message);
    virtual void WMVScroll(TMessage& Message);
    // While a range is dragged past the cells, each tick moves it one
    // cell further and scrolls.
    void WMTimer(TWMTimer& Message) override;
    // Ends a drag of the mouse (selecting, sizing, moving) without its effect.
    void WMCancelMode(TMessage& Message) override;

    // Steps of painting
    void PaintCells(const TRect& Clip);
    void PaintLines(const TRect& Clip);
    void PaintBeyond(const TRect& Clip);
    TGridDrawState CellState(int ACol, int ARow, bool Active) const;
    // Width of the sunken frame of bsSingle on each side.
    int FrameSize() const { return FBorderStyle == bsSingle ? 2 : 0; }
    // Runs Draw on the canvas with client coordinates, clipped inside the frame.
    void DrawInClient(const std::function<void(TCanvas*)>& Draw);
    // Right-to-left: the grid lays out and hit-tests in left-to-right
    // coordinates and mirrors them to the client at the edges (painting,
    // mouse, CellRect, the editor, the horizontal bar).
    bool Mirrored() const { return UseRightToLeftAlignment(); }
    // A client x (pixel column) to the other side, when mirrored.
    int FlipX(int X) const { return Mirrored() ? ClientWidth() - 1 - X : X; }
    TRect FlipRect(const TRect& R) const;
    // CellRect before mirroring.
    TRect BoxRect(int ACol, int ARow) const;
    // MouseCoord of a point before mirroring.
    TGridCoord HitCoord(int X, int Y) const;
    // InvalidateRect of a rectangle before mirroring.
    void InvalidateBox(const TRect& R) { InvalidateRect(FlipRect(R)); }

    // Steps of moving
    void MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show);
    void FocusCell(int ACol, int ARow, bool MoveAnchor);
    void MoveTopLeft(int ALeft, int ATop);
    void ClampInView(TGridCoord Cell);
    void ChangeSize(int NewColCount, int NewRowCount);
    void InvalidateRange(const TGridRect& Range);
    void SelectionMoved(const TGridRect& OldSel);
    TGridCoord MaxTopLeft() const;

    // Steps of the keyboard: the new current cell and first scrolled cell.
    void CtrlKeyMove(int Key, TGridCoord& Cur, TGridCoord& TopLeft) const;
    void PlainKeyMove(int Key, TGridCoord& Cur, TGridCoord& TopLeft) const;
    TGridCoord TabMove(TGridCoord Cur, bool Back) const;

    // Steps of mouse sizing and moving
    void DrawSizingLine();
    void DrawMoveMarker();
    int MoveTarget(int X, int Y) const;
    void EndSizing(int X, int Y);
    void EndMoving();
    void StopSelectScroll();

    // Scroll bars: shown as needed, kept in step with TopRow and LeftCol.
    void UpdateScrollBars();
    // Pos: the bar's position, the first scrolled row (column) less the
    // fixed ones. Derived grids see every code, thumb drags included.
    virtual void BarScrolled(bool Vertical, TScrollCode Code, int Pos);
    // Pixels at the client's bottom that a docked child covers: the rows
    // may scroll up by that much more, so the last one shows above it.
    virtual int CoveredBottom() const { return 0; }
    // The last position of the horizontal bar's thumb.
    int HorzBarMax() const;

    TGridAxis FCols;
    TGridAxis FRows;
    int FFixedCols = 1;
    int FFixedRows = 1;
    TGridCoord FTopLeft{1, 1};
    TGridSelection FSelection;
    TGridOptions FOptions;
    bool FDefaultDrawing = true;
    TColor FFixedColor;
    TBorderStyle FBorderStyle = bsSingle;
    TScrollStyle FScrollBars = ssBoth;
    TGridState FGridState = gsNormal;
    // Sizing: the line's index, its client position and the pointer's offset from it.
    int FSizingIndex = -1;
    int FSizingPos = 0;
    int FSizingOfs = 0;
    bool FSizingLineShown = false;
    // Moving: the item taken and the place it would go.
    int FMoveIndex = -1;
    int FMovePos = -1;
    bool FMoveMarkerShown = false;
    // The pointer while a range is dragged; the scroll timer runs meanwhile.
    TPoint FSelectPos;
    bool FSelectTimer = false;
    TScrollBar* FVertBar = nullptr;
    TScrollBar* FHorzBar = nullptr;
    bool FUpdatingBars = false;
    TInplaceEdit* FInplaceEdit = nullptr;
    int FInplaceCol = -1;
    int FInplaceRow = -1;
    bool FEditorMode = false;
    bool FCanEditModify = true;
};

class TCustomDrawGrid : public TCustomGrid {
public:
    using TCustomGrid::TCustomGrid;

    TDrawCellEvent OnDrawCell;
    TGetEditEvent OnGetEditText;
    TSetEditEvent OnSetEditText;
    // The edit mask of a cell.
    TGetEditEvent OnGetEditMask;

protected:
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    QString GetEditText(int ACol, int ARow) override;
    void SetEditText(int ACol, int ARow, const QString& Value) override;
    QString GetEditMask(int ACol, int ARow) override;
};

class TDrawGrid : public TCustomDrawGrid {
public:
    using TCustomDrawGrid::TCustomDrawGrid;
};
