#pragma once
// Rules the table editors share about their rows, over the cell texts of a
// table: which rows a table holds, which rows hold data, and the messages
// for rows that would be lost.
#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// A table's data rows: entry r - 1 holds row r, one text per real column
// (hidden ones included), column 0 being the row number.
using TTable_Rows = std::vector<QStringList>;

// The cell of Row at Col, "" past the row's end.
inline QString Cell(const QStringList& Row, int Col)
{
    return Col >= 0 && Col < Row.size() ? Row[Col] : QString();
}

// Rows the table holds: row 1 down to the row before the first whose key
// cell, trimmed, is empty.
int Table_Content_Rows(const TTable_Rows& Rows, int Key_Col);

// True when a data column (1 on) other than the check-box columns holds a
// text that is not blank. Check boxes always hold "Y" or "N" and count as
// empty.
bool Row_Holds_Data(const QStringList& Row, const QList<int>& Check_Box_Cols);

// "Error!! Row N is empty but rows below it hold data", N being the row
// that ends the table's content, when a row below it holds data (it would
// not be saved); "" otherwise.
QString Empty_Row_Error(const TTable_Rows& Rows, int Key_Col, const QList<int>& Check_Box_Cols);

// "Error!! The table is full: the last row holds data" when Last_Row holds
// data, so inserting a row would push it out of the table; "" otherwise.
QString Full_Table_Error(const QStringList& Last_Row, const QList<int>& Check_Box_Cols);

// "Warning!! The file holds more rows than the table: the rows past N were
// not loaded", N being the table's row count.
QString Too_Many_Rows_Warning(int Table_Rows);

// What a window shows when its file was read only in part: the reason,
// that the Kept (for example "rows") read before the damage are shown,
// and that OK replaces the file with what is shown.
QString Partial_Read_Message(const QString& Reason, const QString& Kept);
