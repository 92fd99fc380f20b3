#include "core/Table_Rows.h"

#include "platform/rtl/SysUtils.h"

int Table_Content_Rows(const TTable_Rows& Rows, int Key_Col)
{
    int n = 0;
    while (n < int(Rows.size()) && !Trim(Cell(Rows[size_t(n)], Key_Col)).isEmpty())
        ++n;
    return n;
}

bool Row_Holds_Data(const QStringList& Row, const QList<int>& Check_Box_Cols)
{
    for (int c = 1; c < Row.size(); ++c)
        if (!Check_Box_Cols.contains(c) && !Trim(Row[c]).isEmpty())
            return true;
    return false;
}

QString Empty_Row_Error(const TTable_Rows& Rows, int Key_Col, const QList<int>& Check_Box_Cols)
{
    const int end = Table_Content_Rows(Rows, Key_Col);
    for (size_t r = size_t(end) + 1; r < Rows.size(); ++r)
        if (Row_Holds_Data(Rows[r], Check_Box_Cols))
            return QStringLiteral("Error!! Row %1 is empty but rows below it hold data").arg(end + 1);
    return QString();
}

QString Full_Table_Error(const QStringList& Last_Row, const QList<int>& Check_Box_Cols)
{
    return Row_Holds_Data(Last_Row, Check_Box_Cols)
               ? QStringLiteral("Error!! The table is full: the last row holds data")
               : QString();
}

QString Too_Many_Rows_Warning(int Table_Rows)
{
    return QStringLiteral("Warning!! The file holds more rows than the table: the rows past %1 were not loaded")
        .arg(Table_Rows);
}

QString Partial_Read_Message(const QString& Reason, const QString& Kept)
{
    return QStringLiteral("The file could not be read whole:\n%1\n\n"
                          "The %2 read before the damage are shown. "
                          "OK replaces the file with what is shown; Cancel leaves it as it is.")
        .arg(Reason, Kept);
}
