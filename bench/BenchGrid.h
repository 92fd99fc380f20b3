#pragma once
// What the grid benchmarks share: the cells they fill (100,000 rows x 10
// columns of 8-character texts made before any timed loop), the view they
// measure (800 x 600 of 64 x 24 pixel cells) and a grid of either grid
// class on a shown form of that size, or a Qt table view sized alike.
#include "platform/controls/Form.h"

#include <QHeaderView>
#include <QString>
#include <QTableView>
#include <vector>

namespace BenchGrid {

constexpr int Rows = 100000;
constexpr int Cols = 10;
constexpr int CellWidth = 64;
constexpr int CellHeight = 24;
constexpr int ViewWidth = 800;
constexpr int ViewHeight = 600;

// Eight digits, scattered so that a sort has work to do.
inline QString CellText(int c, int r)
{
    const unsigned v = (unsigned(r) * 2654435761u + unsigned(c) * 40503u) % 100000000u;
    return QStringLiteral("%1").arg(v, 8, 10, QLatin1Char('0'));
}

// Every cell's text, row by row; made on the first call.
inline const std::vector<QString>& Texts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> t;
        t.reserve(std::size_t(Rows) * Cols);
        for (int r = 0; r < Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                t.push_back(CellText(c, r));
        return t;
    }();
    return texts;
}

// A grid with one fixed row and column on a shown form.
template <class TGrid>
struct TGridOnForm {
    TGridOnForm()
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, ViewWidth + 20, ViewHeight + 20);
        Grid = new TGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBounds(0, 0, ViewWidth, ViewHeight);
        Grid->SetDefaultColWidth(CellWidth);
        Grid->SetDefaultRowHeight(CellHeight);
        Form->Show();
        Grid->Update();
    }
    ~TGridOnForm() { delete Form; }
    TGridOnForm(const TGridOnForm&) = delete;
    TGridOnForm& operator=(const TGridOnForm&) = delete;
    // The data rows below the fixed one.
    void Size()
    {
        Grid->SetColCount(Cols);
        Grid->SetRowCount(Rows + 1);
    }
    void Fill()
    {
        const QString* t = Texts().data();
        for (int r = 1; r <= Rows; ++r)
            for (int c = 0; c < Cols; ++c)
                Grid->SetCells(c, r, *t++);
    }
    TForm* Form;
    TGrid* Grid;
};

// A Qt peer's view at the grid's size, its sections as the grid's cells.
inline void SizeTableView(QTableView& View)
{
    View.resize(ViewWidth, ViewHeight);
    View.horizontalHeader()->setMinimumSectionSize(1);
    View.verticalHeader()->setMinimumSectionSize(1);
    View.horizontalHeader()->setDefaultSectionSize(CellWidth);
    View.verticalHeader()->setDefaultSectionSize(CellHeight);
}

} // namespace BenchGrid
