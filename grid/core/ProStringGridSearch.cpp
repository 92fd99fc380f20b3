#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SearchPanel.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/FilterMatch.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/ProCheckBox.h"
#include "grid/foundation/ProGridButton.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <memory>

// Finding walks the range cell by cell and stops at the first match; the
// search bar's handlers and the highlighting it uses live here too.

namespace {

bool SameStart(TPoint A, TPoint B) { return A.X == B.X && A.Y == B.Y; }

const QString TwoQuotes = QStringLiteral("\"\"");

// Moves a walk's start one cell on from the cell it starts at: along the
// inner direction, then the outer; past the range's end it wraps around.
void StepFindStart(int& Inner, int& Outer, int InLo, int InHi, int OutLo, int OutHi, bool Backward)
{
    if (Backward) {
        if (Inner >= InLo)
            --Inner;
        else if (Outer >= OutLo)
            --Outer;
        else
            Inner = InHi, Outer = OutHi;
    } else {
        if (Inner <= InHi)
            ++Inner;
        else if (Outer <= OutHi)
            ++Outer;
        else
            Inner = InLo, Outer = OutLo;
    }
}

} // namespace

// The test of one cell

bool TProStringGrid::CellMatchesSearch(int ACol, int ARow, bool Wide)
{
    const TFindParams p = FFindParams;
    const bool matchCase = p.Contains(fnMatchCase);
    const int c = p.Contains(fnIncludeHiddenColumns) ? ACol : DisplToRealCol(ACol);
    QString narrow, wide;
    if (Wide)
        wide = WideCells(c, ARow);
    else
        narrow = p.Contains(fnIncludeHiddenRows) ? GetCellsEx(c, ARow) : Cells(c, ARow);
    if (!matchCase) {
        narrow = AnsiUpperCase(narrow);
        wide = AnsiUpperCase(wide);
    }
    if (p.Contains(fnIgnoreHTMLTags))
        narrow = StripHTMLTags(narrow);
    if (FSearchCache == TwoQuotes)
        return narrow.isEmpty();
    if (FSearchCacheWide == TwoQuotes)
        return wide.isEmpty();
    if (p.Contains(fnMatchRegular)) {
        if (FFindCondition)
            return FFindCondition->Match(narrow);
        return MatchFilterCondition(FSearchCache, narrow, matchCase);
    }
    const QString& text = Wide ? wide : narrow;
    const QString& cache = Wide ? FSearchCacheWide : FSearchCache;
    // An empty text is found nowhere.
    const qsizetype pos = cache.isEmpty() ? -1 : text.indexOf(cache);
    const bool start = p.Contains(fnMatchStart) ? pos == 0 : pos >= 0;
    const bool full = !p.Contains(fnMatchFull) || cache == text;
    return start && full;
}

// The walk

TPoint TProStringGrid::FindInternal(TPoint StartCell, const QString& s, TFindParams FindParams, bool Wide)
{
    TPoint result{-1, -1};
    FFindParams = FindParams;
    FFindBusy = true;
    const bool matchCase = FindParams.Contains(fnMatchCase);
    const QString text = matchCase ? s : AnsiUpperCase(s);
    FSearchCache = Wide ? QString() : text;
    FSearchCacheWide = Wide ? text : QString();
    std::unique_ptr<TFilterCondition> condition;
    if (!Wide && FindParams.Contains(fnMatchRegular))
        condition = std::make_unique<TFilterCondition>(FSearchCache, matchCase);
    struct TBusyGuard {
        TProStringGrid* Grid;
        ~TBusyGuard()
        {
            Grid->FFindBusy = false;
            Grid->FFindCondition = nullptr;
        }
    } guard{this};
    FFindCondition = condition.get();

    if (ColCount() == FixedCols() || ColCount() == 0 || RowCount() + NumHiddenRows() == FixedRows() ||
        RowCount() == 0)
        return result;

    int c0, c1, r0, r1;
    if (FindParams.Contains(fnIncludeFixed)) {
        c0 = 0;
        c1 = ColCount() - 1;
        r0 = 0;
        r1 = RowCount() - 1;
    } else {
        c0 = FixedCols();
        c1 = ColCount() - FixedRightCols() - 1;
        r0 = FixedRows();
        r1 = RowCount() - FixedFooters() - 1;
    }
    if (FindParams.Contains(fnSelectedCells)) {
        const TGridRect sel = Selection();
        c0 = std::min(sel.Left, sel.Right);
        c1 = std::max(sel.Left, sel.Right);
        r0 = std::min(sel.Top, sel.Bottom);
        r1 = std::max(sel.Top, sel.Bottom);
    }
    if (FindParams.Contains(fnIncludeHiddenColumns))
        c1 += NumHiddenColumns();
    if (FindParams.Contains(fnIncludeHiddenRows))
        r1 += NumHiddenRows();

    // One row (column) only: the range shrinks to it. A start cell outside
    // it moves into it; from a cell inside it the walk steps on.
    const bool backward = FindParams.Contains(fnBackward);
    const bool leftRight = FindParams.Contains(fnDirectionLeftRight);
    const bool rowFixed = FindParams.Contains(fnFindInCurrentRow) || FindParams.Contains(fnFindInPresetRow);
    const bool colFixed = FindParams.Contains(fnFindInCurrentCol) || FindParams.Contains(fnFindInPresetCol);
    if (rowFixed)
        r0 = r1 = FindParams.Contains(fnFindInPresetRow) ? FFindRow : Row();
    if (colFixed)
        c0 = c1 = FindParams.Contains(fnFindInPresetCol) ? FFindCol : Col();

    int x, y;
    if (SameStart(StartCell, TPoint{-1, -1})) {
        x = backward ? c1 : c0;
        y = backward ? r1 : r0;
    } else {
        x = StartCell.X;
        y = StartCell.Y;
        if (leftRight)
            StepFindStart(x, y, c0, c1, r0, r1, backward);
        else
            StepFindStart(y, x, r0, r1, c0, c1, backward);
        if (rowFixed && StartCell.Y != r0)
            y = r0;
        if (colFixed && StartCell.X != c0)
            x = c0;
    }
    const int step = backward ? -1 : 1;
    const auto inRows = [&] { return y >= r0 && y <= r1; };
    const auto inCols = [&] { return x >= c0 && x <= c1; };
    bool found = false;
    if (leftRight) {
        while (!found && inRows()) {
            while (inCols()) {
                ExportNotification(esExportNewRow, y);
                if (!IsIgnoredColumn(x) && CellMatchesSearch(x, y, Wide)) {
                    found = true;
                    break;
                }
                x += step;
            }
            if (found)
                break;
            x = backward ? c1 : c0;
            y += step;
        }
    } else {
        while (!found && inCols()) {
            while (inRows()) {
                ExportNotification(esExportNewRow, y);
                if (!IsIgnoredColumn(x) && CellMatchesSearch(x, y, Wide)) {
                    found = true;
                    break;
                }
                y += step;
            }
            if (found)
                break;
            y = backward ? r1 : r0;
            x += step;
        }
    }
    if (!found)
        return result;

    FSearchCell = TPoint{x, y};
    result = FSearchCell;
    if (FindParams.Contains(fnAutoGoto)) {
        int r = y;
        if (FindParams.Contains(fnIncludeHiddenRows) && NumHiddenRows() > 0) {
            if (IsHiddenRow(y) && FNumNodes > 0) {
                // The node whose span holds the hidden row.
                int n = FixedRows();
                int a = FixedRows();
                while (n < RowCount() - 1) {
                    if (IsNode(n))
                        a += GetNodeSpan(n);
                    if (y <= a)
                        break;
                    ++n;
                }
                ExpandNode(RealRowIndex(n));
            }
            r = DisplRowIndex(y);
        }
        if (r >= 0 && r < RowCount()) {
            if (FMouseActions->DisjunctRowSelect()) {
                ClearRowSelect();
                SetRowSelect(r, true);
                SetRow(r);
            } else {
                SetRow(r);
                if (x >= 0 && x < ColCount())
                    SetCol(x);
            }
        }
    }
    return result;
}

TPoint TProStringGrid::Find(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const TPoint result = FindInternal(StartCell, s, FindParams, false);
    ExportNotification(result.X == -1 ? esExportDone : esExportFail, -1);
    if (FindParams.Contains(fnAutoGoto)) {
        // Keep the found row clear of the search bar and the footer.
        const int a = FFloatingFooter->Visible() ? 2 : 0;
        if (TopRow() + VisibleRowCount() - 2 - a < Row() && VisibleRowCount() + FixedRows() + a < RowCount())
            SetTopRow(TopRow() + 1 + a);
    }
    return result;
}

// Key-press search

int TProStringGrid::Search(const QString& s)
{
    if (RowCount() < 2)
        return -1;
    int col = FixedCols();
    if (FSortSettings->Show() && !FSortSettings->IndexShow())
        col = FSortSettings->Column();
    else if (FSortSettings->Show() && FSortSettings->IndexShow() && FSortIndexes->Count() > 0)
        col = FSortIndexes->SortColumns(0);
    if (col == -1 || FixedRows() >= RowCount())
        return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (AnsiUpperCase(GetStrippedCell(col, r).left(s.size())) == s)
            return r;
    return -1;
}

// The search bar

TFindParams TProStringGrid::SearchBarParams(bool Backward)
{
    TFindParams p{fnAutoGoto};
    if (FSearchPanel->HiliteButton()->Down())
        p += fnIgnoreHTMLTags;
    if (FSearchPanel->MatchCase()->Checked())
        p += fnMatchCase;
    if (FSearchFooter->SearchActiveColumnOnly())
        p += fnFindInCurrentCol;
    if (FSearchFooter->SearchMatchStart())
        p += fnMatchStart;
    if (FSearchFooter->SearchFixedCells())
        p += fnIncludeFixed;
    if (FSearchFooter->SearchHiddenRows())
        p += fnIncludeHiddenRows;
    if (FSearchFooter->SearchDirection() == sdLeftRight)
        p += fnDirectionLeftRight;
    const int col = FSearchFooter->SearchColumn();
    if (col >= 0 && col < ColCount()) {
        FFindCol = col;
        p += fnFindInPresetCol;
    }
    if (Backward)
        p += fnBackward;
    FFindParams = p;
    return p;
}

void TProStringGrid::SearchBarHilight()
{
    const QString text = FSearchPanel->EditControl()->Text();
    const bool matchCase = FSearchPanel->MatchCase()->Checked();
    if (FSearchFooter->SearchColumn() == -1)
        HilightInGrid(false, matchCase, text);
    else
        HilightInCol(false, matchCase, FSearchFooter->SearchColumn(), text);
}

void TProStringGrid::SearchBarUnHilight()
{
    if (FSearchFooter->SearchColumn() == -1)
        UnHilightInGrid(false);
    else
        UnHilightInCol(false, FSearchFooter->SearchColumn());
}

void TProStringGrid::SearchEditChange(TObject*)
{
    TRetEdit* edit = FSearchPanel->EditControl();
    const QString text = edit->Text();
    bool defaultSearch = true;
    if (OnSearchEditChange)
        OnSearchEditChange(this, text, defaultSearch);
    if (!defaultSearch || !FSearchFooter->AutoSearch())
        return;
    const TFindParams params = SearchBarParams(false);
    const bool hilite = FSearchPanel->HiliteButton()->Down() || FSearchFooter->AlwaysHighLight();
    if (hilite)
        SearchBarUnHilight();
    const TColor oldColor = edit->Color();
    if (!text.isEmpty()) {
        FSearchCell = Find(TPoint{-1, -1}, text, params);
        DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, saFindFirst);
        if (FSearchCell.X == -1) {
            edit->SetColor(TColor(0x000000FF));
        } else {
            edit->SetColor(clWindow);
            ScrollInView(FSearchCell.X, FSearchCell.Y);
            if (hilite)
                SearchBarHilight();
        }
    } else {
        edit->SetColor(clWindow);
        if (FSearchPanel->HiliteButton()->Down())
            SearchBarUnHilight();
    }
    if (edit->Color() != oldColor)
        edit->Invalidate();
}

void TProStringGrid::SearchFindNextClick(TObject*) { SearchBarStep(false); }

void TProStringGrid::SearchFindPrevClick(TObject*) { SearchBarStep(true); }

void TProStringGrid::SearchBarStep(bool Backward)
{
    const QString text = FSearchPanel->EditControl()->Text();
    if (!FSearchFooter->AutoSearch()) {
        if (text != FSearchFooter->LastSearch())
            FSearchCell = TPoint{-1, -1};
        FSearchFooter->SetLastSearch(text);
    }
    FSearchCell = Find(FSearchCell, text, SearchBarParams(Backward));
    const bool found = FSearchCell.X != -1;
    if (found && !Backward)
        ScrollInView(FSearchCell.X, FSearchCell.Y);
    const int b = FFloatingFooter->Visible() ? 1 : 0;
    if (TopRow() + VisibleRowCount() - 2 - b < Row() && VisibleRowCount() + FixedRows() + b < RowCount())
        SetTopRow(TopRow() + 2);
    if (found && Backward)
        ScrollInView(FSearchCell.X, FSearchCell.Y);
    DoSearchFooterAction(text, FSearchCell.X, FSearchCell.Y, Backward ? saFindPrevious : saFindNext);
    FSearchPanel->Invalidate();
}

void TProStringGrid::SearchCloseClick(TObject*)
{
    if (OnSearchFooterClose)
        OnSearchFooterClose(this);
    FSearchFooter->SetVisible(false);
}

void TProStringGrid::SearchHighlightClick(TObject*)
{
    if (FSearchPanel->HiliteButton()->Down())
        SearchBarHilight();
    else
        SearchBarUnHilight();
}

void TProStringGrid::CMDialogChar(TWMKey& Message)
{
    Message.Result = 0;
    if (!FSearchFooter->Visible() || !FSearchPanel)
        return;
    const QChar key(char16_t(Message.CharCode));
    const struct {
        const QString& Caption;
        TProGridButton* Button;
        void (TProStringGrid::*Handler)(TObject*);
    } keys[] = {{FSearchPanel->FindNextCaption, FSearchPanel->ForwardButton(), &TProStringGrid::SearchFindNextClick},
                {FSearchPanel->FindPrevCaption, FSearchPanel->BackwardButton(), &TProStringGrid::SearchFindPrevClick},
                {FSearchPanel->HighLightCaption, FSearchPanel->HiliteButton(), &TProStringGrid::SearchHighlightClick}};
    for (const auto& k : keys) {
        if (IsAccel(key, k.Caption) && k.Button->Visible() && k.Button->Enabled()) {
            (this->*k.Handler)(FSearchPanel);
            Message.Result = 1;
            return;
        }
    }
}

void TProStringGrid::UpdateSearchFooter()
{
    if (IsLoading() || !FSearchPanel)
        return;
    TSearchPanel* bar = FSearchPanel;
    TSearchFooter* f = FSearchFooter.get();
    if ((bar->HiliteButton()->Down() && bar->Visible() && !f->Visible()) || f->AlwaysHighLight())
        UnHilightInGrid(false);
    bar->SetColor(f->Color());
    bar->SetColorTo(f->ColorTo());
    bar->SetVisible(f->Visible());
    bar->FindNextCaption = f->FindNextCaption();
    bar->FindPrevCaption = f->FindPrevCaption();
    bar->MatchCaseCaption = f->MatchCaseCaption();
    bar->HighLightCaption = f->HighLightCaption();
    bar->HintFindNext = f->HintFindNext();
    bar->HintFindPrev = f->HintFindPrev();
    bar->HintClose = f->HintClose();
    bar->HintHighlight = f->HintHighlight();
    bar->ForwardButton()->SetCaption(f->FindNextCaption());
    bar->BackwardButton()->SetCaption(f->FindPrevCaption());
    bar->HiliteButton()->SetCaption(f->HighLightCaption());
    bar->MatchCase()->SetCaption(f->MatchCaseCaption());
    bar->Font()->Assign(f->Font());

    TProGridButton* buttons[] = {bar->ForwardButton(), bar->BackwardButton(), bar->HiliteButton()};
    for (TProGridButton* b : buttons) {
        switch (FControlLook->ControlStyle()) {
        case csFlat:
            b->SetFlat(true);
            break;
        case csWinXP:
        case csTheme:
            if (!FAutoThemeAdapt) {
                b->SetAutoXPStyle(true);
                b->SetFlat(false);
            }
            break;
        case csClassic:
            b->SetAutoXPStyle(false);
            b->SetFlat(false);
            break;
        default:
            break;
        }
        if (FAutoThemeAdapt) {
            b->SetAutoThemeAdapt(true);
            b->SetFlat(true);
        }
    }

    bar->HiliteButton()->SetVisible(f->ShowHighLight());
    bar->ExitButton()->SetVisible(f->ShowClose());
    bar->MatchCase()->SetVisible(f->ShowMatchCase());
    bar->MatchCase()->SetTransparent(true);
    bar->BackwardButton()->SetVisible(f->ShowFindPrev());
    bar->ForwardButton()->SetVisible(f->ShowFindNext());
    const struct {
        TProGridButton* Button;
        const QString& Hint;
    } hints[] = {{bar->ForwardButton(), bar->HintFindNext},
                 {bar->BackwardButton(), bar->HintFindPrev},
                 {bar->ExitButton(), bar->HintClose},
                 {bar->HiliteButton(), bar->HintHighlight}};
    for (const auto& h : hints) {
        h.Button->SetHint(h.Hint);
        h.Button->SetShowHint(!h.Hint.isEmpty());
    }

    TProCheckBox* box = bar->MatchCase();
    box->SetBounds(bar->HiliteButton()->Visible() ? 425 : 330, box->Top(), box->Width(),
                   box->Visible() ? 18 : 0);
    for (TProGridButton* b : {bar->ForwardButton(), bar->BackwardButton(), bar->HiliteButton()})
        b->SetBounds(b->Left(), b->Top(), b->Width(), b->Visible() ? 23 : 0);
    if (f->Visible()) {
        bar->SetHeight(32);
        bar->SetTop(Height() - 32);
        AdjustForSearchFooter();
    } else {
        bar->SetHeight(0);
    }
}

void TProStringGrid::FixedEditChange(TObject* Sender)
{
    if (!OnEditChange)
        return;
    auto* editor = dynamic_cast<TControl*>(Sender);
    OnEditChange(this, FFixedEditCell.X, FFixedEditCell.Y, editor ? editor->Text() : QString());
}

// Highlighting

std::vector<int> TProStringGrid::StoreColumns(int From, int To, bool WithHidden) const
{
    std::vector<int> cols;
    for (int c = std::max(From, 0); c <= To && c < ColCount(); ++c)
        cols.push_back(DisplToRealCol(c));
    if (WithHidden && NumHiddenColumns() > 0) {
        for (int c = 0; c < TotalColCount(); ++c)
            if (IsHiddenColumn(c))
                cols.push_back(c);
        std::sort(cols.begin(), cols.end());
    }
    return cols;
}

void TProStringGrid::HilightRange(const QString& HiText, const QString& Tag, bool DoCase,
                                  const std::vector<int>& Cols, int FromRow, int ToRow)
{
    if (HiText.isEmpty())
        return;
    const QString escaped = EscapeHTML(HiText, false);
    const QString needle = DoCase ? HiText : AnsiUpperCase(HiText);
    const bool displayed = bool(OnGetDisplText);
    for (int r = std::max(FromRow, 0); r <= ToRow && r < RowCount(); ++r) {
        for (int c : Cols) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = displayed ? Cells(c, r) : GetGridCell(c, r);
            // Only a cell that holds the text changes.
            if (!(DoCase ? text : AnsiUpperCase(text)).contains(needle))
                continue;
            const QString marked = HilightHTMLText(EscapeHTML(text, false), escaped, Tag, DoCase);
            if (marked != text)
                SetCells(c, r, marked);
        }
    }
}

void TProStringGrid::UnHilightRange(const QString& Tag, const std::vector<int>& Cols, int FromRow, int ToRow)
{
    const QString open = u'<' + Tag + u'>';
    const QString close = QStringLiteral("</") + Tag + u'>';
    const bool displayed = bool(OnGetDisplText);
    for (int r = std::max(FromRow, 0); r <= ToRow && r < RowCount(); ++r) {
        for (int c : Cols) {
            if (!IsBaseCell(c, r))
                continue;
            const QString text = displayed ? Cells(c, r) : GetGridCell(c, r);
            // A cell without the tag was never marked: its text stays as typed.
            if (!text.contains(open, Qt::CaseInsensitive) && !text.contains(close, Qt::CaseInsensitive))
                continue;
            SetCells(c, r, UnHilightHTMLText(UnescapeHTML(text, false), Tag));
        }
    }
}

void TProStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    HilightRange(HiText, QStringLiteral("hi"), DoCase, {Col}, DoFixed ? 0 : FixedRows(),
                 DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TProStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        HilightRange(HiText, QStringLiteral("hi"), DoCase, StoreColumns(0, ColCount() - 1, false), 0, RowCount() - 1);
    else
        HilightRange(HiText, QStringLiteral("hi"), DoCase,
                     StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, true), FixedRows(),
                     RowCount() - FixedFooters() - 1);
}

void TProStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    UnHilightRange(QStringLiteral("hi"), {Col}, DoFixed ? 0 : FixedRows(),
                   DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TProStringGrid::UnHilightInGrid(bool DoFixed)
{
    if (DoFixed)
        UnHilightRange(QStringLiteral("hi"), StoreColumns(0, ColCount() - 1, true), 0, RowCount() - 1);
    else
        UnHilightRange(QStringLiteral("hi"), StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, true),
                       FixedRows(), RowCount() - FixedFooters() - 1);
}
