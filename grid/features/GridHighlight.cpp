#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MarkupText.h"
#include "grid/foundation/ProStringGridCheck.h"

// Highlighting and marking texts in cells, and running the cell checker.

namespace {

const QString HiTag = QStringLiteral("hi");
const QString ErrTag = QStringLiteral("e");

} // namespace

QString TProStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text)
{
    return HilightHTMLText(S, Text, HiTag, DoCase);
}

QString TProStringGrid::UnHilightText(const QString& S) { return UnHilightHTMLText(S, HiTag); }

QString TProStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text)
{
    return HilightHTMLText(S, Text, ErrTag, DoCase);
}

QString TProStringGrid::UnMarkText(const QString& S) { return UnHilightHTMLText(S, ErrTag); }

void TProStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    HilightRange(HiText, HiTag, DoCase, {Col}, Row, Row);
}

void TProStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    HilightRange(HiText, HiTag, DoCase,
                 DoFixed ? StoreColumns(0, ColCount() - 1, false)
                         : StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, false),
                 Row, Row);
}

void TProStringGrid::UnHilightInCell(int Col, int Row) { UnHilightRange(HiTag, {Col}, Row, Row); }

void TProStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    UnHilightRange(HiTag,
                   DoFixed ? StoreColumns(0, ColCount() - 1, true)
                           : StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, true),
                   Row, Row);
}

void TProStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    HilightRange(HiText, ErrTag, DoCase, {Col}, Row, Row);
}

void TProStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    HilightRange(HiText, ErrTag, DoCase, {Col}, DoFixed ? 0 : FixedRows(),
                 DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TProStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    HilightRange(HiText, ErrTag, DoCase,
                 DoFixed ? StoreColumns(0, ColCount() - 1, false)
                         : StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, false),
                 Row, Row);
}

void TProStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        HilightRange(HiText, ErrTag, DoCase, StoreColumns(0, ColCount() - 1, false), 0, RowCount() - 1);
    else
        HilightRange(HiText, ErrTag, DoCase, StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, false),
                     FixedRows(), RowCount() - FixedFooters() - 1);
}

void TProStringGrid::UnMarkInCell(int Col, int Row) { UnHilightRange(ErrTag, {Col}, Row, Row); }

void TProStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    UnHilightRange(ErrTag, {Col}, DoFixed ? 0 : FixedRows(), DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

void TProStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    UnHilightRange(ErrTag,
                   DoFixed ? StoreColumns(0, ColCount() - 1, true)
                           : StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, true),
                   Row, Row);
}

void TProStringGrid::UnMarkInGrid(bool DoFixed)
{
    if (DoFixed)
        UnHilightRange(ErrTag, StoreColumns(0, ColCount() - 1, true), 0, RowCount() - 1);
    else
        UnHilightRange(ErrTag, StoreColumns(FixedCols(), ColCount() - FixedRightCols() - 1, true), FixedRows(),
                       RowCount() - FixedFooters() - 1);
}

// Cell checking

bool TProStringGrid::CheckCell(int Col, int Row)
{
    TProStringGridCheck* checker = FCellChecker;
    if (!checker)
        return true;
    const QString s = Cells(Col, Row);
    const QString u = UnMarkText(s);
    if (checker->GotoCell() && Col >= 0 && Row >= 0 && Col < ColCount() && Row < RowCount()) {
        FocusCell(Col, Row);
        ScrollInView(Col, Row);
    }
    QString t = u;
    if (checker->UseCorrect())
        t = checker->Correct(Col, Row, u);
    if (checker->UseMarkError())
        t = checker->MarkError(Col, Row, u);
    if (t != s)
        SetCells(Col, Row, t);
    return t == u;
}

bool TProStringGrid::CheckCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    TProStringGridCheck* checker = FCellChecker;
    if (!checker)
        return true;
    checker->StartCheck();
    const int row = Row();
    const int col = Col();
    bool result = true;
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            if (!CheckCell(c, r))
                result = false;
    checker->StopCheck();
    if (checker->GotoCell() && row < RowCount() && col < ColCount()) {
        SetRow(row);
        SetCol(col);
    }
    return result;
}

bool TProStringGrid::CheckCol(bool DoFixed, int Col)
{
    return CheckCells(Col, DoFixed ? 0 : FixedRows(), Col, DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1);
}

bool TProStringGrid::CheckRow(bool DoFixed, int Row)
{
    return CheckCells(DoFixed ? 0 : FixedCols(), Row, DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1, Row);
}

bool TProStringGrid::CheckGrid(bool DoFixed)
{
    if (DoFixed)
        return CheckCells(0, 0, ColCount() - 1, RowCount() - 1);
    return CheckCells(FixedCols(), FixedRows(), ColCount() - FixedRightCols() - 1, RowCount() - FixedFooters() - 1);
}
