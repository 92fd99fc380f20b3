#include "grid/core/Filter.h"
#include "grid/core/GridItem.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/FilterMatch.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/StringUtils.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include <cmath>
#include <memory>
#include <vector>

// The conditions are read once per pass: ApplyFilter compiles each
// expression before the first row and every row only matches.

struct TProStringGrid::TFilterPass {
    // By condition index; nil where nothing is compiled.
    std::vector<std::unique_ptr<TFilterCondition>> Conditions;
};

namespace {

// FriendlyName and condition of a filter list entry: "name=condition", or
// one text for both.
void SplitFilterEntry(const QString& Entry, QString& Name, QString& Condition)
{
    const qsizetype p = Entry.indexOf(u'=');
    if (p < 0) {
        Name = Entry;
        Condition = Entry;
        return;
    }
    Name = Entry.left(p);
    Condition = Entry.mid(p + 1);
}

} // namespace

QString TProStringGrid::GetFormulaCellText(int ACol, int ARow) { return Cells(ACol, ARow); }

// The row test

bool TProStringGrid::MatchFilterData(int Index, int ARow)
{
    TFilterData* data = FFilter->Items(Index);
    const int col = data->Column();
    QString text;
    switch (data->Data()) {
    case fcVirtual:
        text = Cells(col, ARow);
        break;
    case fcNormal:
        text = GetGridCell(col, ARow);
        break;
    case fcStripHTML:
        text = GetStrippedCell(col, ARow);
        break;
    case fcCalculated:
        text = GetFormulaCellText(col, ARow);
        break;
    case fcRow:
        for (int c = 0; c < ColCount(); ++c)
            text += GetGridCell(DisplToRealCol(c), ARow) + QStringLiteral("\r\n");
        break;
    }
    text = Trim(text);
    if (text.contains(QStringLiteral("|\\")))
        text = UnpackWideText(text);
    if (data->Data() == fcRow)
        return UpperCase(text).contains(UpperCase(data->Condition()));
    if (!data->Prefix().isEmpty() && text.startsWith(data->Prefix()))
        text.remove(0, data->Prefix().size());
    if (!data->Suffix().isEmpty()) {
        const qsizetype p = text.indexOf(data->Suffix());
        if (p >= 0 && p + data->Suffix().size() == text.size())
            text.truncate(p);
    }
    if (data->Condition().isEmpty())
        return true;
    if (data->Method() == fmLiteral)
        return data->Condition() == text;
    try {
        if (FFilterPass && Index < int(FFilterPass->Conditions.size()) && FFilterPass->Conditions[std::size_t(Index)])
            return FFilterPass->Conditions[std::size_t(Index)]->Match(text);
        return MatchFilterCondition(data->Condition(), text, data->CaseSensitive());
    } catch (const std::exception&) {
        return false;
    }
}

bool TProStringGrid::MatchFilterRow(int ARow)
{
    bool result = true;
    for (int i = 0; i < FFilter->Count(); ++i) {
        const bool match = MatchFilterData(i, ARow);
        switch (FFilter->Items(i)->Operation()) {
        case foSHORT:
            result = match;
            break;
        case foNONE:
            result = match;
            break;
        case foAND:
            result = result && match;
            break;
        case foXOR:
            result = result != match;
            break;
        case foOR:
            result = result || match;
            break;
        }
        if (FFilter->Items(i)->Operation() == foSHORT && !match)
            break;
    }
    if (OnCustomFilter) {
        bool accept = result;
        OnCustomFilter(this, ARow, accept);
        result = accept;
    }
    return result;
}

// Applying and switching

void TProStringGrid::ApplyFilter()
{
    FFilterFixedRows = FixedRows();
    const int first = FixedRows();
    const int last = RowCount() - FixedFooters() - 1;
    const int total = last - first + 1;
    TFilterPass pass;
    for (int i = 0; i < FFilter->Count(); ++i) {
        TFilterData* data = FFilter->Items(i);
        std::unique_ptr<TFilterCondition> compiled;
        if (data->Data() != fcRow && data->Method() == fmExpression && !data->Condition().isEmpty()) {
            try {
                compiled = std::make_unique<TFilterCondition>(data->Condition(), data->CaseSensitive());
            } catch (const std::exception&) {
            }
        }
        pass.Conditions.push_back(std::move(compiled));
    }
    struct TPassGuard {
        TProStringGrid* Grid;
        TFilterPass* Old;
        ~TPassGuard() { Grid->FFilterPass = Old; }
    } guard{this, FFilterPass};
    FFilterPass = &pass;

    TIntList hide(0, 0);
    int count = 0;
    int progress = 0;
    for (int r = first; r <= last; ++r) {
        if (FFilterNormalCellsOnly && (IsNode(r) || IsSummary(r)))
            continue;
        if (!MatchFilterRow(r))
            hide.Add(r);
        ++count;
        if (OnFilterProgress && total > 0) {
            // Halves to even, as the platform rounds.
            progress = int(Round(double(count) / total * 100));
            OnFilterProgress(this, int16_t(progress));
        }
    }
    HideRowList(&hide);
    if (OnFilterProgress && total > 0)
        OnFilterProgress(this, int16_t(progress));
}

void TProStringGrid::SetFilterActive(bool Value)
{
    if (Value != FFilterActive) {
        FFilterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            struct TUpdateGuard {
                TProStringGrid* Grid;
                ~TUpdateGuard() { Grid->EndUpdate(); }
            } guard{this};
            ApplyFilter();
            FSelHidden = false;
        } else {
            const int record = RealRow();
            UnHideRowList();
            FocusRecord(record);
            if (FFilterFixedRows >= 0)
                SetFixedRows(FFilterFixedRows);
            if (FSelHidden)
                UnHideSelection();
        }
        SetTopRow(FixedRows());
    }
    CalcFooter(-1);
}

// Filter lists

bool TProStringGrid::GetColumnFilter(int ACol)
{
    FFilterList->Clear();
    if (FFilterDropDownAuto && (ACol >= FixedCols() || FFilterDropDownColumns == fdAll)) {
        FFilterList->SetSorted(true);
        FFilterList->SetDuplicates(TDuplicates::dupIgnore);
        // A text with a blank keeps it through a quoted condition.
        const auto add = [this](const QString& S) {
            if (S.contains(u' '))
                FFilterList->Add(S + QStringLiteral("=\"") + S + u'"');
            else
                FFilterList->Add(S);
        };
        for (int r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r)
            add(Trim(Cells(ACol, r)));
        if (!FFilterIncremental) {
            for (int i = 0; i < FGridItems->Count(); ++i) {
                TStrings* items = FGridItems->Item(i)->Items();
                add(ACol >= 0 && ACol < items->Count() ? items->Strings(ACol) : QString());
            }
        }
        FFilterList->SetSorted(false);
        if (!FFilterDropDownClear.isEmpty())
            FFilterList->Insert(0, FFilterDropDownClear);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, FFilterList.get());
    return FFilterList->Count() > 0;
}

void TProStringGrid::FilterSelect(TObject* Sender, int ItemIndex)
{
    if (CanFocus())
        SetFocus();
    const int col = FFilterCol;
    if (col >= 0 && col < TotalColCount() && ItemIndex >= 0 && ItemIndex < FDropList->Items()->Count() &&
        GetColumnFilter(col) && ItemIndex < FFilterList->Count()) {
        QString name, condition;
        SplitFilterEntry(FFilterList->Strings(ItemIndex), name, condition);
        if (FAutoFilterUpdate)
            SetFilterActive(false);
        if (condition == FFilterDropDownClear)
            condition.clear();
        if (OnFilterSelect)
            OnFilterSelect(this, col, ItemIndex, name, condition);
        if (!condition.isEmpty())
            FFilter->GetColFilter(col)->SetCondition(condition);
        else
            FFilter->RemoveColumnFilter(col);
        if (FAutoFilterUpdate) {
            FFixedRowAlways = true;
            SetFilterActive(true);
            if (RowCount() != FixedRows() && RowCount() != 1)
                SetRow(FixedRows());
            DoFilterDone();
        }
    }
    FFilterCol = -1;
}

void TProStringGrid::FilterCheck(TObject* Sender, int ItemIndex)
{
    const int col = FFilterCol;
    if (col < 0 || col >= TotalColCount())
        return;
    GetColumnFilter(col);
    if (FAutoFilterUpdate)
        SetFilterActive(false);
    FFilter->Clear();
    bool firstAdded = true;
    const int n = std::min(FDropCheckList->Items()->Count(), FFilterList->Count());
    for (int i = 0; i < n; ++i) {
        if (!FDropCheckList->Checked(i))
            continue;
        QString name, condition;
        SplitFilterEntry(FFilterList->Strings(i), name, condition);
        if (condition == FFilterDropDownClear)
            condition.clear();
        if (OnFilterCheck)
            OnFilterCheck(this, col, i, name, condition, FDropCheckList);
        TFilterData* data = FFilter->Add();
        data->SetCondition(condition);
        data->SetColumn(int16_t(col));
        data->SetOperation(firstAdded ? foNONE : foOR);
        firstAdded = false;
    }
    SetFilterActive(true);
    FDropCheckList->Invalidate();
}
