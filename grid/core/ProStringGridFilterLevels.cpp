#include "grid/core/Filter.h"
#include "grid/core/ProStringGrid.h"

// Removing filter levels and narrowing down.

void TProStringGrid::FilterRow(int ARow)
{
    if (!MatchFilterRow(ARow))
        HideRow(DisplToRealRow(ARow));
}

void TProStringGrid::FocusRecord(int ARealRow)
{
    const int row = RealToDisplRow(ARealRow);
    if (ARealRow >= FixedRows() && row != Row() && row >= FixedRows() && row < RowCount())
        FocusCell(Col(), row);
}

bool TProStringGrid::RemoveLastFilter()
{
    if (FFilterLevel <= 0)
        return false;
    const int record = RealRow();
    UnHideRowList();
    FocusRecord(record);
    if (FFilterFixedRows >= 0)
        SetFixedRows(FFilterFixedRows);
    if (FSelHidden)
        UnHideSelection();
    CalcFooter(-1);
    --FFilterLevel;
    return FFilterLevel > 1;
}

void TProStringGrid::RemoveAllFilters()
{
    // The next NarrowDown starts anew rather than stepping back a level
    // that is gone.
    FLastFilter.clear();
    if (FFilterLevel == 0) {
        FFilter->Clear();
        return;
    }
    while (FFilterLevel > 0)
        RemoveLastFilter();
}

namespace {

// The condition NarrowDown filters by: the text anywhere in the cell, in
// double quotes when a blank must take part.
QString NarrowCondition(const QString& Text)
{
    const QString c = u'*' + Text + u'*';
    return Text.contains(u' ') ? u'"' + c + u'"' : c;
}

} // namespace

void TProStringGrid::NarrowDown(const QString& ACondition, int AColumn)
{
    FFixedRowAlways = true;
    const auto narrow = [this, &ACondition, AColumn] {
        FFilter->Clear();
        TFilterData* data = FFilter->Add();
        data->SetCaseSensitive(false);
        data->SetColumn(int16_t(AColumn));
        if (AColumn == -1) {
            data->SetData(fcRow);
            data->SetCondition(ACondition);
        } else {
            data->SetData(fcNormal);
            data->SetCondition(NarrowCondition(ACondition));
        }
        ApplyFilter();
    };
    if (ACondition.size() == FLastFilter.size() + 1 && ACondition.startsWith(FLastFilter)) {
        narrow();
    } else if (FLastFilter.size() == ACondition.size() + 1 && !ACondition.isEmpty() &&
               FLastFilter.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty())
            narrow();
    }
    FLastFilter = ACondition;
    if (ACondition.isEmpty())
        UnHideRowsAll();
}
