#include "../support/QStringPrinter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/DrawUtils.h"
#include "platform/graphics/Bitmap.h"
#include "platform/services/Printer.h"
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Rows 6 cm high: four fit on an A4 page between header and footer, five
// do not. Columns 3 cm wide (a fixed width takes no spacing). Fonts differ between
// machines, so the layout never depends on measured text.
void Layout(TProStringGrid& g, int Cols, int Rows, int Width = 300)
{
    g.SetColCount(Cols);
    g.SetRowCount(Rows);
    TPrintSettings* ps = g.PrintSettings();
    ps->SetUseFixedWidth(true);
    ps->SetFixedWidth(Width);
    ps->SetUseFixedHeight(true);
    ps->SetFixedHeight(600);
    ps->SetColumnSpacing(20);
    for (int r = 0; r < Rows; ++r)
        for (int c = 0; c < Cols; ++c)
            g.SetCells(c, r, r < g.FixedRows() ? QStringLiteral("h%1").arg(c)
                             : c < g.FixedCols() ? QStringLiteral("f%1").arg(r)
                                                 : QStringLiteral("c%1r%2").arg(c).arg(r));
}

// The page lines a counting and drawing preview lays out: the last row
// (exclusive) of each page, from OnPrintPageDone.
struct TPageLog {
    std::vector<int> LastRows;
    std::vector<int> Pages;
    int Count = -1;
};

void Watch(TProStringGrid& g, TPageLog& Log)
{
    g.OnPrintPageDone = [&Log](TObject*, TCanvas*, int LastRow, int, int Page, int, int) {
        Log.LastRows.push_back(LastRow);
        Log.Pages.push_back(Page);
    };
    g.OnPrintStart = [&Log](TObject*, int N, int&, int&) { Log.Count = N; };
}

class GridPrintToPdf : public testing::Test {
protected:
    void SetUp() override { SetPrintOutputFileName(FileName()); }
    void TearDown() override { SetPrintOutputFileName(QString()); }
    QString FileName() const { return FDir.filePath("grid.pdf"); }

    // The text of each page; empty when pdftotext is missing.
    QStringList Pages()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            return {};
        QProcess p;
        p.start("pdftotext", {FileName(), "-"});
        p.waitForFinished(30000);
        QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(u'\f');
        if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
            pages.removeLast();
        return pages;
    }

    QTemporaryDir FDir;
};

#define NEED_PDFTOTEXT()                                                                                             \
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())                                                       \
    GTEST_SKIP() << "pdftotext is not installed"

TEST_F(GridPrintToPdf, ThreePagesCarryTheirRowsAndPageNumbers)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    Layout(g, 3, 12);
    g.PrintSettings()->SetPageNr(ppBottomRight);
    TPageLog log;
    Watch(g, log);
    g.Print();
    EXPECT_EQ(log.Count, 3);
    EXPECT_EQ(log.LastRows, (std::vector<int>{4, 8, 12}));
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 3);
    for (int p = 0; p < 3; ++p) {
        EXPECT_TRUE(pages[p].contains(QStringLiteral("%1/3").arg(p + 1))) << pages[p].toStdString();
        EXPECT_TRUE(pages[p].contains(QStringLiteral("c1r%1").arg(4 * p + 1))) << pages[p].toStdString();
        EXPECT_FALSE(pages[p].contains(QStringLiteral("c1r%1").arg(4 * p + 4))) << pages[p].toStdString();
    }
    EXPECT_TRUE(pages[0].contains("h2"));
}

TEST_F(GridPrintToPdf, StartEventPrintsPagesTwoAndThreeOnly)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    Layout(g, 3, 12);
    g.PrintSettings()->SetPageNr(ppBottomCenter);
    std::vector<int> drawn;
    g.OnPrintStart = [](TObject*, int N, int& From, int& To) {
        EXPECT_EQ(N, 3);
        From = 2;
        To = 3;
    };
    g.OnPrintPage = [&drawn](TObject*, TCanvas*, int Page, int, int) { drawn.push_back(Page); };
    g.Print();
    EXPECT_EQ(drawn, (std::vector<int>{2, 3}));
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 2) << "no empty first page";
    EXPECT_TRUE(pages[0].contains("2/3"));
    EXPECT_TRUE(pages[0].contains("c1r5"));
    EXPECT_TRUE(pages[1].contains("3/3"));
    EXPECT_TRUE(pages[1].contains("c1r11"));
}

TEST_F(GridPrintToPdf, CancelledStartEventPrintsNothing)
{
    TProStringGrid g;
    Layout(g, 3, 5);
    g.OnPrintStart = [](TObject*, int, int& From, int&) { From = 0; };
    g.Print();
    EXPECT_FALSE(QFile::exists(FileName()));
    EXPECT_FALSE(Printer()->Printing());
}

// Twelve 4 cm columns on a 21 cm page: strips of columns 0-4 (the fixed
// column printed once, as part of the range), then 5-8 and 9-11, each
// after the repeated fixed column. Seven rows: rows 0-3 on a strip's
// first page, then the repeated header row and rows 4-6.
TEST_F(GridPrintToPdf, WideGridPrintsInStripsRepeatingFixedRowsAndColumns)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    g.SetFixedCols(1);
    Layout(g, 12, 7, 400);
    TPrintSettings* ps = g.PrintSettings();
    ps->SetRepeatFixedRows(true);
    ps->SetRepeatFixedCols(true);
    ps->SetPageNr(ppBottomRight);
    std::vector<std::pair<int, int>> strips;
    g.OnPrintPage = [&](TObject*, TCanvas*, int, int, int) { strips.push_back({g.PrintColStart(), g.PrintColEnd()}); };
    TPageLog log;
    Watch(g, log);
    g.Print();
    EXPECT_EQ(log.LastRows, (std::vector<int>{4, 7, 4, 7, 4, 7}));
    const std::vector<std::pair<int, int>> want{{0, 4}, {0, 4}, {5, 8}, {5, 8}, {9, 11}, {9, 11}};
    EXPECT_EQ(strips, want);
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 6);
    const char* numbers[] = {"1-1", "2-1", "1-2", "2-2", "1-3", "2-3"};
    for (int p = 0; p < 6; ++p) {
        EXPECT_TRUE(pages[p].contains(numbers[p])) << p << pages[p].toStdString();
        const int firstCol = want[std::size_t(p)].first;
        EXPECT_TRUE(pages[p].contains(QStringLiteral("h%1").arg(std::max(firstCol, 1)))) << p << pages[p].toStdString();
    }
    // Later strips start with the fixed column again.
    EXPECT_TRUE(pages[2].contains("f1"));
    EXPECT_TRUE(pages[3].contains("f5"));
    EXPECT_TRUE(pages[3].contains("c5r4"));
    EXPECT_FALSE(pages[3].contains("c4r4"));
}

// A row taller than the page goes alone on its page, and the rows after
// it go on; counting and drawing agree.
TEST_F(GridPrintToPdf, OverTallRowPrintsAloneAndTheJobFinishes)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    Layout(g, 3, 6);
    g.OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
        if (ARow == 2)
            Height = 5000;
    };
    TPageLog log;
    Watch(g, log);
    g.Print();
    EXPECT_EQ(log.Count, 3);
    EXPECT_EQ(log.LastRows, (std::vector<int>{2, 3, 6}));
    const QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 3);
    EXPECT_TRUE(pages[1].contains("c1r2"));
    EXPECT_FALSE(pages[1].contains("c1r3"));
    EXPECT_TRUE(pages[2].contains("c1r5"));
}

// Title lines print one under the other; lines holding mini-markup print
// as one block of formatted text, their tags gone.
TEST_F(GridPrintToPdf, TitleLinesPrintPlainOrAsMarkup)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    Layout(g, 3, 3);
    TPrintSettings* ps = g.PrintSettings();
    ps->SetTitle(ppTopCenter);
    ps->TitleLines()->Add("Plant north");
    ps->TitleLines()->Add("Second level");
    g.Print();
    QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Plant north"));
    EXPECT_TRUE(pages[0].contains("Second level")) << pages[0].toStdString();

    ps->TitleLines()->Clear();
    ps->TitleLines()->Add("<b>Plant</b> north");
    ps->TitleLines()->Add("<i> level 2</i>");
    ps->SetTitle(ppBottomLeft);
    g.Print();
    pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("Plant north level 2")) << pages[0].toStdString();
    EXPECT_FALSE(pages[0].contains("<b>"));
}

// A progress cell prints as a bar showing its percentage with
// PrintGraphics, and as its plain value without.
TEST_F(GridPrintToPdf, ProgressCellsPrintAsBarsOnlyWithPrintGraphics)
{
    NEED_PDFTOTEXT();
    TProStringGrid g;
    Layout(g, 3, 3, 600);
    g.SetCells(2, 1, "42");
    g.AddProgress(2, 1, clGreen, clWhite);
    g.PrintSettings()->SetPrintGraphics(true);
    g.Print();
    QStringList pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("42%")) << pages[0].toStdString();
    g.PrintSettings()->SetPrintGraphics(false);
    g.Print();
    pages = Pages();
    ASSERT_EQ(pages.size(), 1);
    EXPECT_TRUE(pages[0].contains("42"));
    EXPECT_FALSE(pages[0].contains("42%"));
}

struct TFitCase {
    const char* Name;
    TFitToPage Fit;
    int Cols;
    int Width;
    // 0: shrunk so that the columns fill the page width.
    int Printed;
    int LastOfFirstStrip;
};

class GridPrintFit : public testing::TestWithParam<TFitCase> {};

// Ten 4 cm columns shrink to fill the page; five fit unscaled.
TEST_P(GridPrintFit, ColumnWidthsFollowFitToPage)
{
    const TFitCase& t = GetParam();
    TProStringGrid g;
    Layout(g, t.Cols, 3, t.Width);
    g.PrintSettings()->SetFitToPage(t.Fit);
    int lastOfFirst = -1;
    g.OnPrintPage = [&](TObject*, TCanvas*, int Page, int, int) {
        if (Page == 1)
            lastOfFirst = g.PrintColEnd();
    };
    QTemporaryDir dir;
    SetPrintOutputFileName(dir.filePath("fit.pdf"));
    g.Print();
    SetPrintOutputFileName(QString());
    const int pw = g.PrintPageRect().Right;
    ASSERT_NEAR(pw, 2100, 2) << "A4 portrait";
    if (t.Printed == 0) {
        EXPECT_EQ(g.GetPrintColWidth(1), int(t.Width * (double(pw) / (t.Cols * t.Width))));
        EXPECT_GT(t.Cols * g.GetPrintColWidth(1), pw - t.Cols);
    } else {
        EXPECT_EQ(g.GetPrintColWidth(1), t.Printed);
    }
    EXPECT_EQ(lastOfFirst, t.LastOfFirstStrip);
}

INSTANTIATE_TEST_SUITE_P(Fits, GridPrintFit,
                         testing::Values(TFitCase{"ShrinkToPageWidth", fpShrink, 10, 400, 0, 9},
                                         TFitCase{"ShrinkLeavesNarrowColumns", fpShrink, 3, 400, 400, 2},
                                         TFitCase{"GrowLeavesWideColumns", fpGrow, 10, 400, 400, 4},
                                         TFitCase{"NeverScales", fpNever, 10, 400, 400, 4}),
                         [](const testing::TestParamInfo<TFitCase>& i) { return std::string(i.param.Name); });

// Preview

bool AnyDark(TBitmap& B, const TRect& R)
{
    for (int y = R.Top; y < R.Bottom; ++y)
        for (int x = R.Left; x < R.Right; ++x)
            if ((B.Canvas()->Pixels(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return true;
    return false;
}

TEST(GridPrintPreview, DrawsOnlyThePreviewPageInsideItsRectangle)
{
    TProStringGrid g;
    Layout(g, 3, 12);
    g.PrintSettings()->SetPageNr(ppBottomRight);
    TBitmap b;
    b.SetSize(500, 700);
    b.Canvas()->Brush()->SetColor(clWhite);
    b.Canvas()->FillRect(TRect{0, 0, 500, 700});
    // A preview page the size of A4 at screen resolution.
    const TRect page{50, 50, 50 + 794, 50 + 1123};
    std::vector<int> drawn;
    TPageLog log;
    Watch(g, log);
    g.OnPrintPage = [&drawn](TObject*, TCanvas*, int Page, int, int) { drawn.push_back(Page); };
    g.SetPreviewPage(2);
    g.PrintPreview(b.Canvas(), page);
    EXPECT_EQ(g.PrintNrOfPages(), 3);
    EXPECT_EQ(drawn, (std::vector<int>{2}));
    EXPECT_EQ(log.LastRows, (std::vector<int>{8}));
    EXPECT_FALSE(g.IsPrintPreview());
    EXPECT_TRUE(AnyDark(b, TRect{50, 50, 500, 700}));
    EXPECT_FALSE(AnyDark(b, TRect{0, 0, 500, 50}));
    EXPECT_FALSE(AnyDark(b, TRect{0, 0, 50, 700}));
    EXPECT_NEAR(g.PrintPageRect().Right, 2100, 2);
}

TEST(GridPrintPreview, NewPageEventBreaksBeforeTheRow)
{
    TProStringGrid g;
    Layout(g, 3, 12);
    TPageLog log;
    Watch(g, log);
    g.OnPrintNewPage = [](TObject*, int ARow, bool& NewPage) { NewPage = ARow == 2 || ARow == 10; };
    TBitmap b;
    b.SetSize(300, 400);
    g.SetPreviewPage(1);
    g.PrintPreview(b.Canvas(), TRect{0, 0, 794, 1123});
    // Pages: rows 0-1, 2-5, 6-9, 10-11.
    EXPECT_EQ(g.PrintNrOfPages(), 4);
    EXPECT_EQ(log.LastRows, (std::vector<int>{2}));
}

// The print arrays reach any column: a range beyond display column 511.
TEST(GridPrintPreview, RangeBeyondColumn511IsLaidOut)
{
    TProStringGrid g;
    Layout(g, 600, 3, 100);
    TBitmap b;
    b.SetSize(300, 400);
    g.PrintPreviewRect(b.Canvas(), TRect{0, 0, 794, 1123}, TGridRect{590, 0, 599, 2});
    EXPECT_EQ(g.GetPrintColWidth(599), 100);
    EXPECT_EQ(g.GetPrintColOffset(599) - g.GetPrintColOffset(598), 100);
}

// Rotated text

struct TRotCase {
    const char* Name;
    int Angle;
    TAlignment HA;
    TVAlignment VA;
    TPoint Start;
};

class RotatedTextPlacement : public testing::TestWithParam<TRotCase> {};

// A text 50 wide and 10 high in the box (100, 200)-(300, 400).
TEST_P(RotatedTextPlacement, StartPointFollowsQuadrantAndAlignment)
{
    const TRotCase& t = GetParam();
    const double a = t.Angle * M_PI / 180;
    const int A = std::abs(int(std::cos(a) * 10)), B = std::abs(int(std::sin(a) * 50));
    const int C = std::abs(int(std::sin(a) * 10)), D = std::abs(int(std::cos(a) * 50));
    TRect r{100, 200, 300, 400};
    PlaceRotatedText(r, t.HA, t.VA, A, B, C, D, t.Angle);
    EXPECT_EQ(r.TopLeft(), t.Start);
    EXPECT_EQ(r.BottomRight(), (TPoint{300, 400}));
}

INSTANTIATE_TEST_SUITE_P(
    Quadrants, RotatedTextPlacement,
    testing::Values(TRotCase{"Up90LeftTop", 90, taLeftJustify, vtaTop, {100, 250}},
                    TRotCase{"Level0RightBottom", 0, taRightJustify, vtaBottom, {250, 390}},
                    TRotCase{"Down270CenterCenter", 270, taCenter, vtaCenter, {205, 275}},
                    TRotCase{"UpsideDown180LeftTop", 180, taLeftJustify, vtaTop, {150, 210}}),
    [](const testing::TestParamInfo<TRotCase>& i) { return std::string(i.param.Name); });

} // namespace
