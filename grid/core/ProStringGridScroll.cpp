// Scrolling: the scroll types and their setters, the painted strips of
// ssMetro, hints while a thumb is dragged, the horizontal and vertical
// scroll messages, the scroll bar over a cell, and scrolling while an
// object is dragged near an edge. The window's bars keep whole rows and
// columns as their positions, with thumbs as long as the part shown; no
// flat scroll bar library exists here.
#include "grid/core/DragSettings.h"
#include "grid/core/HTMLHintWindow.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/ScrollControl.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/ScrollBar.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include <functional>

// Scroll types

void TProStringGrid::SetScrollType(TScrollType Value)
{
    if (Value != FScrollType) {
        FScrollType = Value;
        if (HandleAllocated()) {
            if (Value == ssMetro) {
                CreateScrollControls();
                SetScrollBars(ssNone);
            } else if (FVScrollControl || FHScrollControl) {
                FreeScrollControls();
                SetScrollBars(ssBoth);
            }
        }
    }
    ApplyScrollType();
}

void TProStringGrid::SetScrollColor(TColor Value)
{
    FScrollColor = Value;
    ApplyScrollColor();
}

void TProStringGrid::SetScrollWidth(int Value)
{
    FScrollWidth = Value;
    ApplyScrollWidth();
}

void TProStringGrid::SetScrollProportional(bool Value)
{
    FScrollProportional = Value;
    if (Value) {
        UpdateProportionalVert();
        UpdateProportionalHorz();
    }
}

void TProStringGrid::SetScrollBarAlways(TScrollBarAlways Value)
{
    FScrollBarAlways = Value;
    Invalidate();
}

void TProStringGrid::CreateScrollControls()
{
    if (!FVScrollControl) {
        FVScrollControl = new TScrollControl(this);
        FVScrollControl->SetDirection(sdVertical);
        FVScrollControl->SetParent(this);
        FVScrollControl->SetWidth(6);
        FVScrollControl->SetAlign(alRight);
        FVScrollControl->SetVisible(true);
    }
    if (!FHScrollControl) {
        FHScrollControl = new TScrollControl(this);
        FHScrollControl->SetDirection(sdHorizontal);
        FHScrollControl->SetParent(this);
        FHScrollControl->SetHeight(6);
        FHScrollControl->SetAlign(alBottom);
        FHScrollControl->SetVisible(true);
    }
}

void TProStringGrid::FreeScrollControls()
{
    FreeAndNil(FVScrollControl);
    FreeAndNil(FHScrollControl);
}

// Proportional thumbs: the window's bars are proportional already; these
// bring their ranges up to date.

void TProStringGrid::UpdateProportionalHorz()
{
    if (IsLoading() || TComponent::IsDesigning() || !FScrollProportional || FScrollLock)
        return;
    UpdateScrollBars();
}

void TProStringGrid::UpdateProportionalVert()
{
    if (IsLoading() || TComponent::IsDesigning() || !FScrollProportional || FScrollLock)
        return;
    if (VisibleRowCount() + FixedRows() >= RowCount())
        return;
    UpdateScrollBars();
}

// Thumb-drag hints

void TProStringGrid::ShowScrollHint(bool Vertical, int Index)
{
    QString text = QStringLiteral("%1 : %2").arg(Vertical ? QStringLiteral("Row") : QStringLiteral("Col")).arg(Index);
    if (OnScrollHint)
        OnScrollHint(this, Index, text);
    if (!FScrollHintWnd)
        FScrollHintWnd = new THTMLHintWindow(this);
    FScrollHintWnd->SetColor(FHintColor);
    TRect r = FScrollHintWnd->CalcHintRect(100, text, nullptr);
    TPoint cursor;
    GetCursorPos(&cursor);
    OffsetRect(r, cursor.X + 10, cursor.Y);
    FScrollHintWnd->ActivateHint(r, text);
    FScrollHintShow = true;
}

void TProStringGrid::HideScrollHint()
{
    if (FScrollHintWnd)
        FScrollHintWnd->ReleaseHandle();
    FScrollHintShow = false;
}

// Scroll messages

TRect TProStringGrid::BackgroundRange()
{
    TBitmap* bmp = FBackGround->Bitmap();
    if (FBackGround->Display() != bdFixed || !bmp || bmp->Empty())
        return TRect{};
    int c0, r0, c1, r1;
    MouseToCell(FBackGround->Left(), FBackGround->Top(), c0, r0);
    MouseToCell(FBackGround->Left() + bmp->Width(), FBackGround->Top() + bmp->Height(), c1, r1);
    return TRect{c0, r0, c1 < 0 ? ColCount() - 1 : c1, r1 < 0 ? RowCount() - 1 : r1};
}

void TProStringGrid::ScrollHintAndSynch(bool Vertical, int Code, int Index)
{
    const TScrollHintType both = shBoth, mine = Vertical ? shVertical : shHorizontal;
    if (FScrollHints == both || FScrollHints == mine) {
        if (Code == SB_ENDSCROLL)
            HideScrollHint();
        else if (Code == SB_THUMBTRACK)
            ShowScrollHint(Vertical, Index);
    }
    if (Code != SB_THUMBTRACK || !FScrollSynch)
        return;
    if (Vertical)
        SetTopRow(std::min(Index, std::max(RowCount() - VisibleRowCount(), FixedRows())));
    else
        SetLeftCol(std::min(Index, std::max(ColCount() - VisibleColCount(), FixedCols())));
}

void TProStringGrid::WMHScroll(TMessage& Message)
{
    HorzScroll(LoWord(Message.WParam), FixedCols() + HiWord(Message.WParam), [&] { TBaseGrid::WMHScroll(Message); });
}

void TProStringGrid::WMVScroll(TMessage& Message)
{
    if (FScrollBar && Message.LParam == LPARAM(FScrollBar)) {
        CellScrollMessage(Message);
        return;
    }
    if (!VertScroll(LoWord(Message.WParam), FixedRows() + HiWord(Message.WParam),
                    [&] { TBaseGrid::WMVScroll(Message); }))
        Message.Result = 1;
}

// The window's bars: the same steps with the whole position.
void TProStringGrid::BarScrolled(bool Vertical, TScrollCode Code, int Pos)
{
    if (Vertical)
        VertScroll(int(Code), FixedRows() + Pos, [&] { TBaseGrid::BarScrolled(true, Code, Pos); });
    else
        HorzScroll(int(Code), FixedCols() + (Mirrored() ? HorzBarMax() - Pos : Pos),
                   [&] { TBaseGrid::BarScrolled(false, Code, Pos); });
}

void TProStringGrid::HorzScroll(int Code, int Column, const std::function<void()>& Scroll)
{
    ScrollHintAndSynch(false, Code, Column);
    const TRect before = BackgroundRange();
    if (FixedCols() == 0 && Column >= Col() && Code != SB_ENDSCROLL)
        HideInplaceEdit();
    Scroll();
    const TRect after = BackgroundRange();
    if (Code != SB_THUMBTRACK && !(before == after)) {
        RepaintRect(before);
        RepaintRect(after);
    }
    if (Code == SB_ENDSCROLL && ((Mirrored() && MergeCount() > 0) || ColCount() == 1))
        Invalidate();
    HideEditorOnCheckBox();
    UpdateFooter();
}

bool TProStringGrid::VertScroll(int Code, int Row, const std::function<void()>& Scroll)
{
    ScrollHintAndSynch(true, Code, Row);
    const TRect before = BackgroundRange();
    const bool footer = FSearchFooter->Visible();
    // The last row already shows above the search panel: no further down.
    if (footer && (Code == SB_ENDSCROLL || Code == SB_LINEDOWN) && LastRowAboveSearchFooter())
        return false;
    Scroll();
    if (footer) {
        const bool atEnd = TopRow() == RowCount() - VisibleRowCount();
        if (Code == SB_LINEUP && atEnd)
            SetTopRow(TopRow() - 1);
        else if ((Code == SB_ENDSCROLL || Code == SB_LINEDOWN) && atEnd)
            AdjustForSearchFooter();
    }
    const TRect after = BackgroundRange();
    if (Code != SB_THUMBTRACK && !(before == after)) {
        RepaintRect(before);
        RepaintRect(after);
    }
    HideEditorOnCheckBox();
    return true;
}

void TProStringGrid::CellScrollMessage(TMessage& Message)
{
    TScrollBar* bar = FScrollBar;
    const int position = bar->Position();
    int next = position;
    // Page steps stay within the range as line steps do.
    switch (LoWord(Message.WParam)) {
    case SB_LINEUP: next = std::max(bar->Min(), position - 10); break;
    case SB_LINEDOWN: next = std::min(bar->Max(), position + 10); break;
    case SB_PAGEUP: next = std::max(bar->Min(), position - 100); break;
    case SB_PAGEDOWN: next = std::min(bar->Max(), position + 100); break;
    case SB_THUMBTRACK: next = HiWord(Message.WParam); break;
    default: break;
    }
    if (next == position)
        return;
    Message.Result = 1;
    bar->SetPosition(next);
    StoreCellScrollPosition(FScrollCol, FScrollRow, next);
    RepaintCell(RealToDisplCol(FScrollCol), FScrollRow);
    DoScrollCell(FScrollCol, FScrollRow, next, bar->Min(), bar->Max());
}

void TProStringGrid::WMGetDlgCode(TMessage& Message)
{
    TBaseGrid::WMGetDlgCode(Message);
    if (FNavigation->AutoGotoWhenSorted() || !Options().Contains(goEditing))
        Message.Result |= DLGC_WANTCHARS;
}

// Drag scrolling

void TProStringGrid::StopDragScroll()
{
    FreeAndNil(FDragTmr);
    FDragScrollDirection = {};
}

void TProStringGrid::DragOver(TObject*, int X, int Y, TDragState State, bool&)
{
    if (!FDragScrollOptions->Active() || State == dsDragLeave) {
        StopDragScroll();
        return;
    }
    const TDragScrollMargins* m = FDragScrollOptions->Margins();
    TDragScrollDirections dirs;
    if (Y < m->TopMargin())
        dirs += dsdUp;
    else if (Y > Height() - m->BottomMargin())
        dirs += dsdDown;
    if (X < m->LeftMargin())
        dirs += dsdLeft;
    else if (X > Width() - m->RightMargin())
        dirs += dsdRight;
    const bool hadDirection = !FDragScrollDirection.Empty();
    FDragScrollDirection = dirs;
    if (dirs.Empty()) {
        StopDragScroll();
        return;
    }
    const unsigned initial = unsigned(std::max(FDragScrollOptions->Delays()->InitialDelay(), 0));
    if (!FDragTmr) {
        FDragTmr = new TTimer(this);
        FDragTmr->SetInterval(initial);
        FDragTmr->OnTimer = [this](TObject* Sender) { DragScrollTimer(Sender); };
        FDragTmr->SetEnabled(true);
    } else if (hadDirection) {
        FDragTmr->SetInterval(initial);
    }
}

void TProStringGrid::DragScrollTimer(TObject*)
{
    if (!FDragScrollOptions->Active()) {
        // Freed after the tick returns: this runs inside the timer.
        FDragTmr->SetEnabled(false);
        return;
    }
    FDragTmr->SetInterval(unsigned(std::max(FDragScrollOptions->Delays()->RepeatDelay(), 0)));
    TDragScrollDirections dirs = FDragScrollDirection;
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), dirs, canScroll);
        if (!canScroll)
            return;
    }
    if (dirs.Contains(dsdUp) && TopRow() > FixedRows())
        SetTopRow(TopRow() - 1);
    if (dirs.Contains(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        SetTopRow(TopRow() + 1);
    if (dirs.Contains(dsdLeft) && LeftCol() > FixedCols())
        SetLeftCol(LeftCol() - 1);
    if (dirs.Contains(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        SetLeftCol(LeftCol() + 1);
}
