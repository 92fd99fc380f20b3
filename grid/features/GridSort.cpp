#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"

// The sort entries that are not virtual and the cross-reference access.

void TProStringGrid::Sort(int Column, TSortDirection Direction)
{
    FSortSettings->SetColumn(Column);
    FSortSettings->SetDirection(Direction);
    QSort();
}

void TProStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    FSortSettings->SetColumn(Col);
    QSort();
}

void TProStringGrid::QuickSort(int Col, int Left, int Right) { SortRange(Col, false, Left, Right); }

void TProStringGrid::QuickSortIndexed(int Left, int Right) { SortRange(0, true, Left, Right); }

bool TProStringGrid::SortLine(int Col, int ARow1, int ARow2)
{
    // Ties go to the next column, hidden ones counted.
    for (int c = Col;; ++c) {
        const int r = CompareCells(c, ARow1, ARow2, FSortSettings->Direction());
        if (r == FSortDir) {
            SortSwapRows(ARow1, ARow2);
            return true;
        }
        if (r != 0 || c >= TotalColCount() - 1)
            return false;
    }
}

// Cross-reference

int TProStringGrid::SortedRowIndex(int ARow)
{
    const int r = ARow >= 0 && ARow < FSortRowXRef->Count() ? FSortRowXRef->Items(ARow) : ARow;
    return DisplToRealRow(r);
}

int TProStringGrid::UnSortedRowIndex(int ARow)
{
    if (FSortRowXRef->Count() == 0)
        return ARow;
    for (int i = 0; i < FSortRowXRef->Count(); ++i)
        if (FSortRowXRef->Items(i) == ARow)
            return i;
    return FSortRowXRef->Count();
}

namespace {

int UnSortedRow(TIntList* XRef, int j)
{
    for (int i = 0; i < XRef->Count(); ++i)
        if (XRef->Items(i) == j)
            return i;
    return j;
}

} // namespace

QString TProStringGrid::GetUnSortedCell(int i, int j) { return Cells(i, UnSortedRow(FSortRowXRef.get(), j)); }

void TProStringGrid::SetUnSortedCell(int i, int j, const QString& Value)
{
    SetCells(i, UnSortedRow(FSortRowXRef.get(), j), Value);
}
