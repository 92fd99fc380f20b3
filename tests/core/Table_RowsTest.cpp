// The row rules the table editors share.
#include "core/Table_Rows.h"

#include <gtest/gtest.h>

namespace {

// Columns: 0 number, 1 key, 2 text, 3 check box.
QStringList Row(const char* Key, const char* Text = "", const char* Check = "N")
{
    return {"1", Key, Text, Check};
}

TEST(TableRows, RowsHoldingData)
{
    const QList<int> checks{3};
    const struct {
        const char* Name;
        QStringList Row;
        bool Data;
    } cases[] = {
        {"Empty", Row(""), false},
        {"OnlyCheckBoxes", Row("", "", "Y"), false},
        {"Blanks", Row(" ", "\t "), false},
        {"Key", Row("k"), true},
        {"OtherColumn", Row("", "x"), true},
        {"NumberColumnDoesNotCount", {"7", "", "", "N"}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Row_Holds_Data(c.Row, checks), c.Data) << c.Name;
}

TEST(TableRows, ContentAndRefusals)
{
    const QList<int> checks{3};
    const TTable_Rows rows{Row("a"), Row(" b "), Row("  ", "", "Y"), Row("", "lost")};
    EXPECT_EQ(Table_Content_Rows(rows, 1), 2);
    EXPECT_EQ(Empty_Row_Error(rows, 1, checks), QStringLiteral("Error!! Row 3 is empty but rows below it hold data"));
    EXPECT_EQ(Empty_Row_Error({Row("a"), Row(""), Row("", "", "Y")}, 1, checks), QString());
    EXPECT_EQ(Empty_Row_Error({Row("a")}, 1, checks), QString());

    EXPECT_EQ(Full_Table_Error(Row("", "x"), checks), QStringLiteral("Error!! The table is full: the last row holds data"));
    EXPECT_EQ(Full_Table_Error(Row("", "", "Y"), checks), QString());
    EXPECT_EQ(Too_Many_Rows_Warning(1024),
              QStringLiteral("Warning!! The file holds more rows than the table: the rows past 1024 were not loaded"));
}

} // namespace
