// Sorting 100,000 rows by a number column and by a text column, and
// filtering them by a text condition, in the grid against QTableWidget
// (sortItems; numbers held as numeric display data) and against a
// QStandardItemModel under a QSortFilterProxyModel shown in a QTableView
// (sort; filter by fixed string, any case). Only the sort or the filter is
// timed; putting the rows back in their first order is not.
#include "TablesBench.h"
#include "grid/core/Filter.h"
#include "grid/core/ProStringGrid.h"

#include <QRandomGenerator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <cstdio>

namespace {

constexpr int Sort_Rows = 100000;
constexpr int Sort_Cols = 4;
constexpr int NumberCol = 1;
constexpr int WordCol = 2;

// Column 0: the first position, 1: a number, 2: a word, 3: a constant.
struct TData {
    TProStringGrid Grid;
    QTableWidget Table{Sort_Rows, Sort_Cols};
    QStandardItemModel Model{Sort_Rows, Sort_Cols};
    QSortFilterProxyModel Proxy;
    QTableView View;

    TData()
    {
        QRandomGenerator rng(42);
        Grid.SetColCount(Sort_Cols);
        Grid.SetRowCount(Sort_Rows + 1);
        static const char Letters[] = "abcdefghijklmnopqrstuvwxyz";
        for (int r = 0; r < Sort_Rows; ++r) {
            const double number = rng.bounded(1000000) / 100.0;
            QString word;
            for (int i = 0; i < 8; ++i)
                word += QChar(Letters[rng.bounded(26)]);
            const QString texts[Sort_Cols] = {QString::number(r), QString::number(number, 'f', 2), word,
                                         QStringLiteral("row")};
            const QVariant values[Sort_Cols] = {r, number, word, texts[3]};
            for (int c = 0; c < Sort_Cols; ++c) {
                Grid.SetCells(c, r + 1, texts[c]);
                auto* item = new QTableWidgetItem;
                item->setData(Qt::DisplayRole, values[c]);
                Table.setItem(r, c, item);
                auto* standard = new QStandardItem;
                standard->setData(values[c], Qt::DisplayRole);
                Model.setItem(r, c, standard);
            }
        }
        Grid.InitSortXRef();
        Proxy.setSourceModel(&Model);
        View.setModel(&Proxy);
    }
};

TData& Data()
{
    static TData data;
    return data;
}

TSample Sort(int Col)
{
    TData& d = Data();
    TSample s;
    {
        TStopwatch t;
        d.Grid.Sort(Col, sdAscending);
        s.Ours = t.Ms();
    }
    const bool sorted = d.Grid.Cells(Col, 1) != d.Grid.Cells(Col, Sort_Rows);
    d.Grid.QUnSort();
    {
        TStopwatch t;
        d.Table.sortItems(Col, Qt::AscendingOrder);
        s.PeerA = t.Ms();
    }
    d.Table.sortItems(0, Qt::AscendingOrder);
    {
        TStopwatch t;
        d.Proxy.sort(Col, Qt::AscendingOrder);
        s.PeerB = t.Ms();
    }
    d.Proxy.sort(-1);
    if (!sorted)
        std::fprintf(stderr, "sort by column %d: the grid did not sort\n", Col);
    return s;
}

} // namespace

TSample MeasureSortText()
{
    return Sort(WordCol);
}

TSample MeasureSortNumbers()
{
    return Sort(NumberCol);
}

// Words holding "ab" in any case.
TSample MeasureFilter()
{
    TData& d = Data();
    TSample s;
    TFilterData* cond = d.Grid.Filter()->Add();
    cond->SetColumn(WordCol);
    cond->SetCaseSensitive(false);
    cond->SetCondition(QStringLiteral("*ab*"));
    int ours = 0;
    {
        TStopwatch t;
        d.Grid.SetFilterActive(true);
        ours = d.Grid.RowCount() - d.Grid.FixedRows();
        s.Ours = t.Ms();
    }
    d.Grid.SetFilterActive(false);
    d.Grid.SetFilterLevel(0);
    d.Grid.Filter()->Clear();
    d.Proxy.setFilterKeyColumn(WordCol);
    d.Proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    int theirs = 0;
    {
        TStopwatch t;
        d.Proxy.setFilterFixedString(QStringLiteral("ab"));
        theirs = d.Proxy.rowCount();
        s.PeerB = t.Ms();
    }
    d.Proxy.setFilterFixedString(QString());
    if (ours != theirs)
        std::fprintf(stderr, "filter: the grid kept %d rows, the proxy %d\n", ours, theirs);
    return s;
}
