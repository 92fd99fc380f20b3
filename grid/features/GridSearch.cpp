#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/SysUtils.h"

// Finding from the start, going on, wide texts and replacing.

TPoint TProStringGrid::FindWide(TPoint StartCell, const QString& s, TFindParams FindParams)
{
    ExportNotification(esExportStart, -1);
    const TPoint result = FindInternal(StartCell, s, FindParams, true);
    ExportNotification(result.X == -1 ? esExportDone : esExportFail, -1);
    return result;
}

TPoint TProStringGrid::FindFirst(const QString& s, TFindParams FindParams)
{
    FSearchCell = Find(TPoint{-1, -1}, s, FindParams);
    return FSearchCell;
}

TPoint TProStringGrid::FindNext()
{
    // The cache holds the text as the last find compared it.
    FSearchCell = Find(FSearchCell, FSearchCache, FFindParams);
    return FSearchCell;
}

int TProStringGrid::Replace(const QString& OrigStr, const QString& NewStr, TFindParams FindParams)
{
    if (OrigStr.isEmpty())
        return 0;
    const Qt::CaseSensitivity cs = FindParams.Contains(fnMatchCase) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    int count = 0;
    TPoint cell{-1, -1};
    while (true) {
        cell = Find(cell, OrigStr, FindParams);
        if (cell.X == -1)
            break;
        const int c = FindParams.Contains(fnIncludeHiddenColumns) ? cell.X : DisplToRealCol(cell.X);
        // With hidden rows searched the row is a real one.
        const bool real = FindParams.Contains(fnIncludeHiddenRows);
        QString text = real ? GetCellsEx(c, cell.Y) : Cells(c, cell.Y);
        text.replace(OrigStr, NewStr, cs);
        if (real)
            SetCellsEx(c, cell.Y, text);
        else
            SetCells(c, cell.Y, text);
        if (FShowModified->Enabled())
            SetRowModified(cell.Y, true);
        ++count;
    }
    return count;
}
