// Drag and drop of cells, text and columns on the string grid.
#include "grid/features/GridOleDragDrop.h"
#include "grid/core/DragSettings.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridCellStreamData.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/DrawUtils.h"
#include "platform/controls/Image.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Picture.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include <memory>

namespace {

void Hide(TControl* C)
{
    if (C)
        C->SetVisible(false);
}

// The snapshot bitmap of a window made by SelectionToForm.
const TBitmap* SnapshotOf(TForm* Form)
{
    for (int i = 0; i < Form->ComponentCount(); ++i)
        if (auto* image = dynamic_cast<TImage*>(Form->Components(i)))
            return image->Picture()->Bitmap();
    return nullptr;
}

// The arrows' outlines fit in a square of this side.
constexpr int ArrowSize = 10;

// An arrow marker, sized to its outline: a panel's own size would put the
// outline far from where its middle is meant to be.
void ShowAt(TControl* C, int X, int Y)
{
    if (!C)
        return;
    C->SetBounds(X, Y, ArrowSize, ArrowSize);
    C->SetVisible(true);
}

} // namespace

// The drop source

void TGridDropSource::QueryDrag()
{
    const TPoint pt = GetCursorPos();
    if (FGrid->DragDropSettings()->ShowCells()) {
        if (FGrid->MoveForm())
            FGrid->MoveForm()->SetBounds(pt.X + 4, pt.Y + 4, FGrid->MoveForm()->Width(), FGrid->MoveForm()->Height());
    } else if (TControl* button = FGrid->MoveButton()) {
        // A window of its own: its bottom-left corner at the cursor, in
        // screen coordinates, leaves the point under the cursor free.
        button->SetBounds(pt.X, pt.Y - button->Height(), button->Width(), button->Height());
    }
}

void TGridDropSource::DragFinished()
{
    if (FGrid->DragDropSettings()->ShowCells() && FGrid->MoveForm()) {
        delete FGrid->MoveForm();
        FGrid->SetMoveForm(nullptr);
    }
}

void TGridDropSource::CurrentEffect(unsigned Effect)
{
    if (Effect == DROPEFFECT_MOVE || Effect == DROPEFFECT_COPY)
        FLastEffect = Effect;
}

// The drop target

void TGridDropTarget::TargetCell(TPoint pt, bool ColDrag, int& ACol, int& ARow, bool& Append)
{
    TProStringGrid* g = FGrid;
    g->ScreenToCell(pt, ACol, ARow);
    Append = false;
    const TDragDropSettings* dd = g->DragDropSettings();
    if (ARow < 0 && !ColDrag && dd->OleEntireRows() && dd->OleAppendRows()) {
        const TPoint cp = g->ScreenToClient(pt);
        const TRect last = g->CellRect(g->FixedCols(), g->RowCount() - 1);
        if (!last.IsEmpty() && cp.Y >= last.Bottom) {
            ACol = g->FixedCols();
            ARow = g->RowCount() - 1;
            Append = true;
        }
    }
}

void TGridDropTarget::AutoScroll(int ACol, int ARow, TPoint ClientPt)
{
    TProStringGrid* g = FGrid;
    if ((ARow == 0 && g->TopRow() > g->FixedRows()) || (ClientPt.Y < 8 && g->FixedRows() == 0 && g->TopRow() > 0))
        g->SetTopRow(g->TopRow() - 1);
    else if (ARow == g->TopRow() + g->VisibleRowCount() && ARow < g->RowCount())
        g->SetTopRow(g->TopRow() + 1);
    // At most one column per tick of the grid's timer.
    if (g->FTimerTicks % 2 == 0) {
        ++g->FTimerTicks;
        if (ACol == 0 && g->LeftCol() > g->FixedCols())
            g->SetLeftCol(g->LeftCol() - 1);
        else if (ACol == g->LeftCol() + g->VisibleColCount() && ACol < g->ColCount())
            g->SetLeftCol(g->LeftCol() + 1);
    }
}

void TGridDropTarget::HideMarkers(bool Button)
{
    Hide(FGrid->ArwL());
    Hide(FGrid->ArwD());
    Hide(FGrid->ArwU());
    if (Button)
        Hide(FGrid->MoveButton());
}

void TGridDropTarget::ShowMarkers(bool ColDrag, int ACol, int ARow, bool Append)
{
    TProStringGrid* g = FGrid;
    if (ColDrag) {
        TRect r = ACol >= g->ColCount() ? g->CellRect(g->ColCount() - 1, ARow) : g->CellRect(ACol, ARow);
        const int x = ACol >= g->ColCount() ? r.Right : r.Left;
        const TPoint top = g->ClientToScreen(TPoint{x, r.Top});
        const TPoint bottom = g->ClientToScreen(TPoint{x, r.Bottom});
        Hide(g->ArwL());
        if (TControl* d = g->ArwD())
            ShowAt(d, top.X - ArrowSize / 2, top.Y - 8);
        if (TControl* u = g->ArwU())
            ShowAt(u, bottom.X - ArrowSize / 2, bottom.Y);
        return;
    }
    if (ARow == 0 && g->FixedRowAlways()) {
        ARow = 1;
        Append = false;
    }
    TRect r = g->CellRect(g->DragDropSettings()->OleEntireRows() ? g->FixedCols() : ACol, ARow);
    TPoint p = g->ClientToScreen(r.TopLeft());
    if (Append)
        p.Y += g->RowHeights(ARow);
    Hide(g->ArwD());
    Hide(g->ArwU());
    ShowAt(g->ArwL(), p.X - 10, p.Y);
}

void TGridDropTarget::DragMouseMove(TPoint pt, bool& Allow, TDropFormats DropFormats)
{
    TProStringGrid* g = FGrid;
    const bool colDrag = DropFormats.Contains(dfCol);
    int c = -1, r = -1;
    bool append = false;
    TargetCell(pt, colDrag, c, r, append);
    const TPoint cp = g->ScreenToClient(pt);
    Allow = c >= 0 && r >= 0;
    if (Allow && !colDrag)
        AutoScroll(c, r, cp);
    if (!colDrag) {
        if (r >= 0 && r < g->FixedRows() && !(g->RowCount() == 1 && g->FixedRowAlways()))
            Allow = false;
    } else if (c < 0) {
        const TRect last = g->CellRect(g->ColCount() - 1, 0);
        if (!last.IsEmpty() && cp.X >= last.Right) {
            c = g->ColCount();
            r = 0;
            Allow = true;
        }
    } else if (r >= 0 && r < g->FixedRows()) {
        Allow = c >= g->FixedCols();
    } else {
        Allow = false;
    }
    const bool files = DropFormats.Contains(dfFile);
    if (files || DropFormats.Contains(dfGridCells))
        Allow = true;
    if (g->OnOleDragOver)
        g->OnOleDragOver(g, r, c, Allow);
    Allow = Allow && ((c >= 0 && r >= 0) || files);
    if (Allow && c >= 0 && r >= 0)
        ShowMarkers(colDrag, c, r, append);
    else
        HideMarkers(false);
}

void TGridDropTarget::DragMouseLeave() { HideMarkers(false); }

void TGridDropTarget::DropStream(TPoint pt, TMemoryStream* ms)
{
    std::unique_ptr<TMemoryStream> stream(ms);
    TProStringGrid* g = FGrid;
    int c = -1, r = -1;
    g->ScreenToCell(pt, c, r);
    HideMarkers(true);
    if (!stream || c < 0 || r < 0)
        return;
    stream->SetPosition(0);
    // Outside data: the whole stream is read and checked first. A drop
    // places the cells; it does not clear the grid around them.
    TCellStreamData data = ParseCellStream(stream.get());
    data.Header.FullGrid = false;
    g->ApplyCellStream(data, TPoint{c, r});
    if (g->OnOleDropped)
        g->OnOleDropped(g, g->Selection());
}

void TGridDropTarget::DropText(TPoint pt, const QString& s)
{
    // Dropped files come with their names as text too; the files count.
    if (DropFormats().Contains(dfFile))
        return;
    TProStringGrid* g = FGrid;
    const TDragDropSettings* dd = g->DragDropSettings();
    int c = -1, r = -1;
    bool append = false;
    TargetCell(pt, false, c, r, append);
    int fields = 1, breaks = 0;
    TProStringGrid::TextDimensions(s, fields, breaks);
    const bool rowSelect = g->Options().Contains(goRowSelect);
    if (rowSelect)
        c = dd->OleEntireRows() ? 0 : g->FixedCols();
    bool allow = true;
    if (g->OnOleDrop)
        g->OnOleDrop(g, r, c, s, allow);
    if (!allow || c < 0 || r < 0) {
        HideMarkers(true);
        return;
    }
    // Rows removed after a move out of this grid are still its source rows.
    TGridRect& source = g->FDropSelection;
    if (source.Top >= 0 && source.Top >= r && dd->OleRemoveRows()) {
        source.Top += breaks + 1;
        source.Bottom += breaks + 1;
    }
    if (r == 0 && g->FixedRowAlways() && g->RowCount() == 1) {
        g->SetRowCount(2);
        r = 1;
    }
    if (dd->OleInsertRows()) {
        const int top = g->TopRow();
        if (append) {
            g->SetRowCount(g->RowCount() + breaks + 1);
            ++r;
        } else {
            g->InsertRows(r, breaks + 1);
        }
        g->SetTopRow(top > g->FixedRows() ? top + 1 : top);
    }
    g->PasteText(c, r, s);
    const int left = std::max(c, g->FixedCols());
    TGridRect block{left, r, rowSelect ? left + fields - g->FixedCols() : left + fields - 1, r + breaks};
    block.Right = std::min(block.Right, g->ColCount() - 1);
    block.Bottom = std::min(block.Bottom, g->RowCount() - 1);
    g->SetSelection(block);
    HideMarkers(true);
    if (g->OnOleDropped)
        g->OnOleDropped(g, block);
}

void TGridDropTarget::DropRTF(TPoint pt, const QString& s)
{
    TProStringGrid* g = FGrid;
    int c = -1, r = -1;
    g->ScreenToCell(pt, c, r);
    bool allow = true;
    if (g->OnOleDrop)
        g->OnOleDrop(g, r, c, s, allow);
    if (allow && c >= 0 && r >= 0)
        g->SetCells(g->DisplToRealCol(c), r, s);
    HideMarkers(false);
}

void TGridDropTarget::DropURL(TPoint pt, const QString& s)
{
    TProStringGrid* g = FGrid;
    int c = -1, r = -1;
    g->ScreenToCell(pt, c, r);
    bool allow = true;
    if (g->OnOleDropURL)
        g->OnOleDropURL(g, r, c, s, allow);
    if (allow && c >= 0 && r >= 0)
        g->SetCells(g->DisplToRealCol(c), r, s);
    HideMarkers(false);
}

void TGridDropTarget::DropFiles(TPoint pt, TStrings* Files)
{
    TProStringGrid* g = FGrid;
    HideMarkers(false);
    if (!Files || Files->Count() != 1)
        return;
    const QString name = Files->Strings(0);
    bool allow = true;
    if (g->OnOleDropFile) {
        int c = -1, r = -1;
        g->ScreenToCell(pt, c, r);
        g->OnOleDropFile(g, r, c, name, allow);
    }
    if (!allow)
        return;
    const QString upper = name.toUpper();
    if (upper.contains(QLatin1String(".CSV"))) {
        bool csv = true;
        if (g->OnOleDrop)
            g->OnOleDrop(g, -1, -1, name, csv);
        if (csv)
            g->LoadFromCSV(name, -1);
    }
    if (upper.contains(QLatin1String(".XLS"))) {
        bool xls = true;
        if (g->OnOleDrop)
            g->OnOleDrop(g, -1, -1, name, xls);
        if (xls)
            g->LoadFromXLS(name);
    }
}

void TGridDropTarget::DropCol(TPoint pt, int Col)
{
    TProStringGrid* g = FGrid;
    int c = -1, r = -1;
    g->ScreenToCell(pt, c, r);
    if (c < 0) {
        const TRect last = g->CellRect(g->ColCount() - 1, 0);
        if (!last.IsEmpty() && g->ScreenToClient(pt).X >= last.Right)
            c = g->ColCount();
    }
    HideMarkers(true);
    const bool enh = g->EnhRowColMove();
    if (g->FOleDragCol != -1) {
        if (g->FOleDragList && g->FOleDragIndex >= 0 && g->FOleDragIndex < g->FOleDragList->Items()->Count())
            g->FOleDragList->Items()->Delete(g->FOleDragIndex);
        int pos = 0;
        for (int i = 0; i < g->ColumnOrder()->Count(); ++i)
            if (g->ColumnOrder()->Items(i) == g->FOleDragCol) {
                pos = i;
                break;
            }
        g->UnHideColumn(pos);
        if (c >= 0) {
            g->SetEnhRowColMove(true);
            g->MoveColumn(g->DisplColIndex(pos), std::min(c, g->ColCount() - 1));
            g->SetEnhRowColMove(enh);
        }
        g->FOleDragCol = -1;
    } else if (g->DragDropSettings()->OleColumnReorder() && c >= 0) {
        const int target = std::min(c, g->ColCount() - 1);
        const int from = g->DisplColIndex(Col);
        if (from != target && from >= 0 && from < g->ColCount()) {
            g->SetEnhRowColMove(true);
            g->MoveColumn(from, target);
            g->SetEnhRowColMove(enh);
        }
    }
    if (g->OnOleDropCol)
        g->OnOleDropCol(g, r, c, Col);
}

// The grid's side

void TProStringGrid::OleColumnDragStart(int ACol, int AIndex, TCustomListBox* AList)
{
    FOleDragCol = ACol;
    FOleDragIndex = AIndex;
    FOleDragList = AList;
}

void TProStringGrid::UpdateOleDropTarget()
{
    const TDragDropSettings* dd = FDragDropSettings.get();
    if (dd->OleDropTarget() && !FGridDropTarget) {
        auto target = std::make_shared<TGridDropTarget>(this);
        if (RegisterDragDrop(this, target.get()))
            FGridDropTarget = target;
    } else if (!dd->OleDropTarget() && FGridDropTarget) {
        RevokeDragDrop(this);
        FGridDropTarget.reset();
    }
    if (FGridDropTarget) {
        FGridDropTarget->SetAcceptText(dd->OleAcceptText());
        FGridDropTarget->SetAcceptFiles(dd->OleAcceptFiles());
        FGridDropTarget->SetAcceptURLs(dd->OleAcceptURLs());
        FGridDropTarget->SetAcceptCols(dd->OleColumnDragDrop() || dd->OleColumnReorder());
    }
}

// Starting a drag on the grid

void TProStringGrid::StartOleDrag(int ACol, int ARow, int X, int Y)
{
    FSelectionClick = false;
    const TDragDropSettings* dd = FDragDropSettings.get();
    const int rc = DisplToRealCol(ACol);
    const bool colDrag = ARow < FixedRows() && dd->OleColumnDragDrop();
    bool allow = true;
    if (dd->OleColumnsOnly() && !colDrag)
        allow = false;
    else if (OnOleDrag)
        OnOleDrag(this, ARow, rc, Cells(rc, ARow), allow);
    if (!allow) {
        // The drag selects instead.
        TBaseGrid::MouseDown(mbLeft, TShiftState(), FClickPos.X, FClickPos.Y);
        TBaseGrid::MouseMove(TShiftState{ssLeft}, X, Y);
        return;
    }
    TGridDropSource source(this);
    if (OnOleDragStart)
        OnOleDragStart(this, ARow, rc);
    DoStartBlockFocus();
    const TPoint screen = ClientToScreen(TPoint{X, Y});
    if (dd->ShowCells() && !FMoveForm) {
        TGridRect shot = Selection();
        if (colDrag)
            shot = TGridRect{ACol, 0, ACol, std::min(RowCount() - 1, TopRow() + VisibleRowCount())};
        else {
            shot.Right = std::min(shot.Right, LeftCol() + VisibleColCount());
            shot.Bottom = std::min(shot.Bottom, TopRow() + VisibleRowCount());
        }
        FMoveForm = SelectionToForm(shot);
        FMoveForm->SetBounds(screen.X, screen.Y, FMoveForm->Width(), FMoveForm->Height());
        // The drag itself carries the snapshot along under the cursor.
        SetDragImage(SnapshotOf(FMoveForm), TPoint{-4, -4}, 192);
    }
    unsigned effect = DROPEFFECT_NONE;
    const unsigned effects = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (colDrag) {
        if (!dd->ShowCells() && FMoveButton) {
            FMoveButton->SetBounds(screen.X, screen.Y, ColWidths(ACol), RowHeights(0));
            FMoveButton->SetCaption(Cells(rc, 0));
            FMoveButton->SetVisible(true);
        }
        const long result = StartColDrag(&source, rc, effects, effect);
        if (result != DRAGDROP_S_CANCEL && OnOleDragStop)
            OnOleDragStop(this, int(effect));
        ::Hide(FMoveButton);
        ::Hide(ArwU());
        ::Hide(ArwD());
    } else {
        FDropSelection = Selection();
        TMemoryStream ms;
        bool cells = false;
        if (FNavigation->AllowFmtClipboard()) {
            try {
                SaveRectToBinStream(TRect{FDropSelection.Left, FDropSelection.Top, FDropSelection.Right,
                                          FDropSelection.Bottom}, &ms);
                cells = true;
            } catch (const EProGridError&) {
                // A rectangle the stream cannot hold goes as text only.
            }
        }
        const long result = StartTextDrag(&source, SelectedText(), Cells(rc, ARow), cells ? &ms : nullptr, effects, effect);
        if (result != DRAGDROP_S_CANCEL) {
            if (effect == DROPEFFECT_MOVE && !dd->OleCopyAlways()) {
                if (dd->OleRemoveRows() && Options().Contains(goRowSelect)) {
                    if (MouseActions()->DisjunctRowSelect())
                        RemoveSelectedRows();
                    else
                        RemoveRows(FDropSelection.Top, FDropSelection.Bottom - FDropSelection.Top + 1);
                } else if (MouseActions()->DisjunctRowSelect())
                    ClearSelection();
                else
                    ClearRect(FDropSelection.Left, FDropSelection.Top, FDropSelection.Right, FDropSelection.Bottom);
            }
            if (OnOleDragStop)
                OnOleDragStop(this, int(effect));
        }
    }
    if (FMoveForm) {
        delete FMoveForm;
        FMoveForm = nullptr;
    }
}
