#include "../support/QStringPrinter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>
#include <optional>

namespace {

struct TypedCase {
    const char* Name;
    QString Text;
    std::optional<int> Int;
    std::optional<double> Float;
};

void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.Name; }

class ProStringGridTypedRead : public testing::TestWithParam<TypedCase> {};

// A grid whose cells use their own float format.
class FormatGrid : public TProStringGrid {
public:
    void GetCellFloatFormat(int, int, QString& Fmt) override { Fmt = QStringLiteral("%.1f"); }
};

} // namespace

TEST_P(ProStringGridTypedRead, IntsAndFloats)
{
    const TypedCase& c = GetParam();
    TProStringGrid g;
    g.SetCells(2, 3, c.Text);
    if (c.Int) {
        EXPECT_EQ(g.Ints(2, 3), *c.Int);
    } else {
        try {
            g.Ints(2, 3);
            FAIL() << "no integer error";
        } catch (const EProGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain integer value");
        }
    }
    if (c.Float) {
        EXPECT_DOUBLE_EQ(g.Floats(2, 3), *c.Float);
    } else {
        try {
            g.Floats(2, 3);
            FAIL() << "no float error";
        } catch (const EProGridError& e) {
            EXPECT_EQ(e.Message(), "Cell does not contain a float value");
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGridCells, ProStringGridTypedRead,
    testing::Values(TypedCase{"EmptyReadsZero", "", 0, 0.0}, TypedCase{"MinusReadsZero", "-", 0, 0.0},
                    TypedCase{"BlanksAround", " 42 ", 42, 42.0}, TypedCase{"LetterAfter", "42a", std::nullopt, 42.0},
                    TypedCase{"Fraction", "12.5", std::nullopt, 12.5},
                    TypedCase{"MarkupStripped", "<b>7</b>", 7, 7.0},
                    TypedCase{"NoNumber", "abc", std::nullopt, std::nullopt},
                    TypedCase{"TwoPoints", "1.2.3", std::nullopt, std::nullopt}),
    [](const testing::TestParamInfo<TypedCase>& info) { return std::string(info.param.Name); });

TEST(ProStringGridCells, CellToRealNamesTheOffendingPosition)
{
    TProStringGrid g;
    EXPECT_EQ(g.CellToReal(2, 5), 0.0);
    g.SetCells(2, 5, "3.25");
    EXPECT_DOUBLE_EQ(g.CellToReal(2, 5), 3.25);
    g.SetCells(2, 5, "12-5");
    try {
        g.CellToReal(2, 5);
        FAIL();
    } catch (const EProGridError& e) {
        EXPECT_EQ(e.Message(), "Error at position: 3 in Cell [2, 5].");
    }
}

TEST(ProStringGridCells, TypedWritesAndTheirFormats)
{
    FormatGrid g;
    g.SetFloats(1, 1, 3.14159);
    EXPECT_EQ(g.Cells(1, 1), "3.1");
    g.SetAllFloats(1, 2, 3.14159);
    EXPECT_EQ(g.Cells(1, 2), "3.14");
    g.SetInts(2, 1, -17);
    EXPECT_EQ(g.Cells(2, 1), "-17");
    g.SetShowNullDates(false);
    g.SetCells(3, 1, "x");
    g.SetDates(3, 1, 0);
    EXPECT_EQ(g.Cells(3, 1), "");
    g.SetShowNullDates(true);
    g.SetDates(3, 1, 0);
    EXPECT_FALSE(g.Cells(3, 1).isEmpty());
}

TEST(ProStringGridCells, FormattedCellOnlyThroughTheFloatFormatEvent)
{
    TProStringGrid g;
    g.SetCells(1, 1, "12.5");
    g.SetCells(1, 2, "7");
    g.SetCells(1, 3, "abc");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "12.5");
    QString fmt;
    g.OnGetFloatFormat = [&](TObject*, int, int, bool&, QString& Fmt) {
        if (!fmt.isEmpty())
            Fmt = fmt;
    };
    EXPECT_EQ(g.GetFormattedCell(1, 1), "12.50");
    EXPECT_EQ(g.GetFormattedCell(1, 3), "abc");
    fmt = "%.3d";
    EXPECT_EQ(g.GetFormattedCell(1, 2), "007");
    // The integer read fails: the display text stays.
    EXPECT_EQ(g.GetFormattedCell(1, 1), "12.5");
}

TEST(ProStringGridCells, RealRowAccessorsReachHiddenRows)
{
    TProStringGrid g;
    g.SetColCount(3);
    for (int r = 0; r < 6; ++r)
        g.SetCells(1, r, QStringLiteral("r%1").arg(r));
    g.HideRow(2);
    EXPECT_EQ(g.AllCells(1, 2), "r2");
    EXPECT_EQ(g.AllCells(1, 3), "r3");
    EXPECT_EQ(g.AllGridCells(1, 4), "r4");
    // Past the parked texts reads empty; writing pads the row.
    EXPECT_EQ(g.AllCells(7, 2), "");
    EXPECT_EQ(g.AllGridCells(7, 2), "");
    g.SetAllCells(5, 2, "far");
    EXPECT_EQ(g.AllGridCells(5, 2), "far");
    TObject marker;
    g.SetAllObjects(0, 2, &marker);
    EXPECT_EQ(g.AllObjects(0, 2), &marker);
    g.SetAllCells(1, 3, "r3b");
    EXPECT_EQ(g.Cells(1, 2), "r3b");
    EXPECT_EQ(g.AllCells(-1, 2), "");
    g.UnHideRow(2);
    EXPECT_EQ(g.Cells(5, 2), "far");
    EXPECT_EQ(g.Objects(0, 2), &marker);
}

TEST(ProStringGridCells, LookAccessorsAndRowColours)
{
    TProStringGrid g;
    g.SetColCount(4);
    EXPECT_EQ(g.Colors(2, 2), clNone);
    EXPECT_FALSE(g.HasCellProperties(2, 2));
    g.WordWraps(2, 2);
    EXPECT_TRUE(g.HasCellProperties(2, 2));

    g.SetRowColorTo(3, clRed);
    g.SetFontSizes(2, 3, 14);
    g.SetReadOnly(3, 3, true);
    g.MergeCells(1, 4, 2, 1);
    g.SetRowColorTo(4, clBlue);
    EXPECT_EQ(g.ColorsTo(2, 3), clRed);
    g.SetRowColorTo(3, clNone);
    g.SetRowColorTo(4, clNone);
    // Plain look cells lose their properties; merging and read-only stay.
    EXPECT_FALSE(g.HasCellProperties(2, 3));
    EXPECT_EQ(g.FontSizes(2, 3), 0);
    EXPECT_TRUE(g.ReadOnly(3, 3));
    EXPECT_EQ(g.ColorsTo(3, 3), clNone);
    EXPECT_TRUE(g.IsMergedCell(2, 4));
    EXPECT_EQ(g.ColorsTo(1, 4), clNone);
}

TEST(ProStringGridCells, HeadersFillsAndPrintMeasures)
{
    TProStringGrid g;
    g.SetColCount(4);
    g.SetRowCount(5);
    TStringList headers;
    headers.Add("Name\\nfirst");
    headers.Add("Value");
    g.SetColumnHeaders(&headers);
    EXPECT_EQ(g.Cells(0, 0), "Name\rfirst");
    EXPECT_EQ(g.Cells(1, 0), "Value");
    g.ClearColumnHeaders();
    EXPECT_EQ(g.Cells(0, 0), "");

    g.SetFixedRightCols(1);
    g.SetFixedFooters(1);
    g.TextFill(true, "f");
    g.TextFill(false, "n");
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 4; ++c)
            EXPECT_EQ(g.Cells(c, r), (r >= 1 && r <= 3 && c >= 1 && c <= 2) ? "n" : "f") << c << "," << r;
    g.FormatFill(false, "%d-%d");
    EXPECT_EQ(g.Cells(1, 1), "1-1");
    EXPECT_EQ(g.Cells(2, 3), "2-3");
    g.LinearFill(true);
    EXPECT_EQ(g.Cells(3, 4), "3:4");

    EXPECT_EQ(g.GetPrintColWidth(511), 0);
    for (int bad : {-1, 512})
        try {
            g.GetPrintColOffset(bad);
            FAIL();
        } catch (const EProGridError& e) {
            EXPECT_EQ(e.Message(), "Columns is not in valid range");
        }
}

TEST(ProStringGridCells, MaxLinesInRowReadsEveryDisplayColumn)
{
    TProStringGrid g;
    g.SetColCount(4);
    g.SetMultilinecells(true);
    g.SetCells(3, 1, "a\r\nb\r\nc");
    EXPECT_EQ(g.MaxLinesInRow(1), 3);
    g.HideColumn(1);
    EXPECT_EQ(g.MaxLinesInRow(1), 3);
    g.SetMultilinecells(false);
    EXPECT_EQ(g.MaxLinesInRow(1), 1);
}
