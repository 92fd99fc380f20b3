// Reactions to changes of size and content beyond one cell: the footer
// row's calculation, stretching a column to the client width, sizing all
// columns (rows) after a user sized one, and the setters of this group.
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/MarkupRender.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/SyncGrid.h"
#include "platform/controls/Application.h"
#include "platform/graphics/Bitmap.h"
#include <cmath>
#include "grid/core/GridCoreHelpers.h"

namespace {

// Rounding to the nearest integer, halves to the even neighbour.
} // namespace

// Footer row

TCanvas* TProStringGrid::FooterCanvas() const { return FFooterPanel ? FFooterPanel->Canvas() : nullptr; }

void TProStringGrid::UpdateFooter()
{
    if (FFooterPanel)
        FFooterPanel->Invalidate();
}

void TProStringGrid::DoCalcFooter(int ACol)
{
    if (!FFloatingFooter->Visible() || FFloatingFooter->FooterStyle() != fsFixedLastRow ||
        !FFloatingFooter->EnableCalculation())
        return;
    const int first = ACol == -1 ? 0 : ACol;
    const int last = ACol == -1 ? ColCount() + FNumHidden - 1 : ACol;
    const int f = RowCount() - 1;
    const int h = FFloatingFooter->CalculateHiddenRows() ? NumHiddenRows() : 0;
    const int to = h + RowCount() - 2;
    for (int c = first; c <= last; ++c) {
        if (!HasCellProperties(c, f))
            continue;
        switch (GetGridCellProps(c, f)->CalcType()) {
        case acSUM: SetFloats(c, f, ColumnSum(c, FixedRows(), to)); break;
        case acAVG: SetFloats(c, f, ColumnAvg(c, FixedRows(), to)); break;
        case acMIN: SetFloats(c, f, ColumnMin(c, FixedRows(), to)); break;
        case acMAX: SetFloats(c, f, ColumnMax(c, FixedRows(), to)); break;
        case acDISTINCT: SetFloats(c, f, ColumnDistinct(c, FixedRows(), to)); break;
        case acSTDDEV: SetFloats(c, f, ColumnStdDev(c, FixedRows(), to)); break;
        case acCOUNT: SetInts(c, f, h + RowCount() - FixedRows() - 1); break;
        case acCUSTOM: {
            QString value;
            if (OnFooterCalc)
                OnFooterCalc(this, c, h + RowCount() - 1, value);
            else if (FFloatingFooter->OnCalcFooter)
                FFloatingFooter->OnCalcFooter(this, c, h + RowCount() - 1, value);
            SetCells(c, f, value);
            break;
        }
        default:
            break;
        }
    }
}

// Stretching

void TProStringGrid::StretchColumn(int Index) { DoStretchColumn(Index, true); }

void TProStringGrid::DoStretchColumn(int Index, bool Explicit)
{
    if (IsLoading() || IsDestroying() || Application->Terminated())
        return;
    if (ColCount() == 0 || !FColumnSize->Stretch() || FIsColChanging)
        return;
    if (Index == -1)
        Index = ColCount() - 1;
    if (Index < 0 || Index >= ColCount()) {
        if (Explicit)
            throw Exception(QStringLiteral("Stretch column index out of range"));
        return;
    }
    FIsColChanging = true;
    FColChgFlg = false;
    try {
        if (ColCount() == 1) {
            SetColWidths(0, ClientWidth());
        } else {
            int others = 0;
            for (int c = 0; c < ColCount(); ++c)
                if (c != Index)
                    others += ColWidths(c);
            if (others < ClientWidth())
                SetColWidths(Index, ClientWidth() - others - 1);
            else if (LeftCol() == FixedCols())
                SetColWidths(Index, DefaultColWidth());
        }
    } catch (...) {
        FColChgFlg = true;
        FIsColChanging = false;
        throw;
    }
    FColChgFlg = true;
    FIsColChanging = false;
    if (FFloatingFooter->Visible() && FFooterPanel)
        FFooterPanel->SetAlign(alBottom);
}

// Sizes and counts

void TProStringGrid::SizeChanged(int OldColCount, int OldRowCount)
{
    if (!Parent() || IsLoading() || Application->Terminated()) {
        TBaseGrid::SizeChanged(OldColCount, OldRowCount);
        return;
    }
    if (FColumnSize->Stretch())
        DoStretchColumn(FColumnSize->StretchColumn(), false);
    TBaseGrid::SizeChanged(OldColCount, OldRowCount);
}

void TProStringGrid::ColWidthsChanged()
{
    if (FColChgFlg)
        DoStretchColumn(FColumnSize->StretchColumn(), false);
    TBaseGrid::ColWidthsChanged();
    FColSizeFlg = true;
    if (FColSized && FMouseActions->AllColumnSize() && FColClickedSize > 0 && FColClicked >= 0 &&
        FColClicked < ColCount()) {
        const double factor = double(ColWidths(FColClicked)) / FColClickedSize;
        FColSized = false;
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (c != FColClicked)
                SetColWidths(c, RoundEven(ColWidths(c) * factor));
        FColSized = true;
    }
    if (FColSized) {
        if (OnEndColumnSize)
            OnEndColumnSize(this, FColClicked);
        if (FColClicked >= 0 && FColClicked < ColCount()) {
            int w = ColWidths(FColClicked);
            const int was = w;
            UpdateColSize(FColClicked, w);
            if (w != was) {
                FColSized = false;
                SetColWidths(FColClicked, w);
            }
        }
    }
    if (FColSized) {
        FColClicked = -1;
        FRowClicked = -1;
    }
    FColSized = false;
    HideEditorOnCheckBox();
    UpdateFooter();
    CellControlsUpdate(false);
    if (FColumnSize->Stretch() && FScrollProportional)
        UpdateProportionalVert();
}

void TProStringGrid::RowHeightsChanged()
{
    TBaseGrid::RowHeightsChanged();
    if (FRowSized && FMouseActions->AllRowSize() && FRowClickedSize > 0 && FRowClicked >= 0 &&
        FRowClicked < RowCount()) {
        const double factor = double(RowHeights(FRowClicked)) / FRowClickedSize;
        FRowSized = false;
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != FRowClicked)
                SetRowHeights(r, RoundEven(RowHeights(r) * factor));
        FRowSized = true;
    }
    if (FRowSized) {
        if (OnEndRowSize)
            OnEndRowSize(this, FRowClicked);
        FColClicked = -1;
        FRowClicked = -1;
    }
    FRowSized = false;
    HideEditorOnCheckBox();
    CellControlsUpdate(false);
}

// Setters

void TProStringGrid::SetHighlightColor(TColor Value)
{
    if (FHighlightColor == Value)
        return;
    FHighlightColor = Value;
    SetHTMLHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

void TProStringGrid::SetHighlightTextColor(TColor Value)
{
    if (FHighlightTextColor == Value)
        return;
    FHighlightTextColor = Value;
    SetHTMLHighlightColors(FHighlightColor, FHighlightTextColor);
    Invalidate();
}

TColor TProStringGrid::ArrowColor() const { return FArrows[0] ? FArrows[0]->Color() : clNone; }

void TProStringGrid::SetArrowColor(TColor Value)
{
    for (TArrowWindow* arrow : FArrows)
        if (arrow)
            arrow->SetColor(Value);
}

void TProStringGrid::SetBackGround(TBackGround* Value)
{
    // Member by member: the background settings have no Assign of their own.
    if (!Value || Value == FBackGround.get())
        return;
    FBackGround->SetBitmap(Value->Bitmap());
    FBackGround->SetDisplay(Value->Display());
    FBackGround->SetCells(Value->Cells());
    FBackGround->SetLeft(Value->Left());
    FBackGround->SetTop(Value->Top());
    FBackGround->SetColor(Value->Color());
    FBackGround->SetColorTo(Value->ColorTo());
    Invalidate();
}
