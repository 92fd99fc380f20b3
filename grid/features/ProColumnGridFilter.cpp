#include "grid/core/Filter.h"
#include "grid/features/ProColumnGrid.h"

// The filter lists of a column grid come from the column items: each
// entry is "shown=condition" or a value that is both.

bool TProColumnGrid::GetColumnFilter(int ACol)
{
    TStringList* list = FilterList();
    list->SetSorted(false);
    TProStringGrid::GetColumnFilter(ACol);
    TGridColumnItem* item = ACol >= 0 && ACol < Columns()->Count() ? ColumnItem(ACol) : nullptr;
    if (!item || item->Filter()->Count() == 0)
        return false;
    list->Clear();
    for (int i = 0; i < item->Filter()->Count(); ++i) {
        const QString entry = item->Filter()->Strings(i);
        const int eq = entry.indexOf(u'=');
        list->Add(eq < 0 ? entry : entry.left(eq));
    }
    return true;
}

void TProColumnGrid::FilterSelect(TObject* Sender, int ItemIndex)
{
    const int col = FilterColumn();
    TGridColumnItem* item = col >= 0 && col < Columns()->Count() ? ColumnItem(col) : nullptr;
    if (item && ItemIndex >= 0 && ItemIndex < item->Filter()->Count()) {
        const QString entry = item->Filter()->Strings(ItemIndex);
        const int eq = entry.indexOf(u'=');
        QString name = eq < 0 ? entry : entry.left(eq);
        QString condition = eq < 0 ? entry : entry.mid(eq + 1);
        if (AutoFilterDisplay())
            name = item->Header();
        if (AutoFilterUpdate())
            SetFilterActive(false);
        if (OnFilterSelect)
            OnFilterSelect(this, col, ItemIndex, name, condition);
        TFilterData* data = Filter()->GetColFilter(col);
        data->SetCondition(condition);
        data->SetCaseSensitive(item->FilterCaseSensitive());
        if (AutoFilterUpdate()) {
            SetFilterActive(true);
            if (RowCount() != FixedRows())
                SetRow(FixedRows());
            Invalidate();
        }
    }
    SetFilterColumn(-1);
}
