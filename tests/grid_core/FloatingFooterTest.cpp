#include "../support/QStringPrinter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/ProStringGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/HintWindow.h"
#include "platform/graphics/Canvas.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

// A shown grid of 4 columns of 60 pixels (one fixed) and 6 rows: a fixed
// row, data rows 1..4 with 10, 20, 30, 40 in column 2, the footer row 5.
class FooterPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 420, 260);
        Grid = new TProStringGrid(Form);
        Grid->SetParent(Form);
        Grid->SetBorderStyle(bsNone);
        Grid->SetScrollBars(ssNone);
        Grid->SetBounds(0, 0, 400, 200);
        Grid->SetColCount(4);
        Grid->SetRowCount(6);
        Grid->SetDefaultColWidth(60);
        Grid->SetDefaultRowHeight(25);
        Grid->SetColor(clWhite);
        for (int r = 1; r <= 4; ++r) {
            Grid->SetCells(1, r, QStringLiteral("row %1").arg(r));
            Grid->SetCells(2, r, QString::number(r * 10));
        }
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TFooterPanel* Panel() const { return Grid->FooterPanel(); }
    void PaintPanel()
    {
        Panel()->Invalidate();
        Panel()->Update();
    }
    TColor Pixel(int X, int Y) const { return Panel()->Canvas()->Pixels(X, Y); }
    // Pixels inside R (panel coordinates) darker than mid grey.
    int DarkPixels(const TRect& R) const
    {
        int n = 0;
        for (int y = R.Top; y < R.Bottom; ++y)
            for (int x = R.Left; x < R.Right; ++x) {
                const TColor c = Pixel(x, y);
                n += GetRValue(c) + GetGValue(c) + GetBValue(c) < 3 * 128;
            }
        return n;
    }

    TForm* Form = nullptr;
    TProStringGrid* Grid = nullptr;
};

TEST_F(FooterPanelTest, ShowingTheFooterFixesTheLastRowAndHidingItGivesItBack)
{
    TFloatingFooter* f = Grid->FloatingFooter();
    EXPECT_EQ(f->Height(), 25);
    f->SetVisible(true);
    EXPECT_EQ(Panel()->Height(), 24);
    EXPECT_TRUE(Panel()->Visible());
    EXPECT_EQ(Grid->FixedFooters(), 1);
    EXPECT_TRUE(Grid->HideLastRow());
    f->SetVisible(false);
    EXPECT_EQ(Panel()->Height(), 0);
    EXPECT_EQ(Grid->FixedFooters(), 0);
    EXPECT_FALSE(Grid->HideLastRow());
    // Another style keeps the last row in the body.
    f->SetFooterStyle(fsColumnPreview);
    f->SetVisible(true);
    EXPECT_EQ(Grid->FixedFooters(), 0);
    EXPECT_FALSE(Grid->HideLastRow());
}

TEST_F(FooterPanelTest, SumOverAHiddenRowCountsAllDataRowsAndKeepsItsValue)
{
    Grid->FloatingFooter()->SetVisible(true);
    Grid->FloatingFooter()->SetColumnCalc(2, acSUM);
    EXPECT_EQ(Grid->Cells(2, 5), QStringLiteral("100.00"));
    Grid->HideRows(2, 2);
    const int footer = Grid->RowCount() - 1;
    Grid->CalcFooter(-1);
    EXPECT_EQ(Grid->Cells(2, footer), QStringLiteral("100.00"));
    Grid->CalcFooter(2);
    EXPECT_EQ(Grid->Cells(2, footer), QStringLiteral("100.00"));
}

TEST_F(FooterPanelTest, FixedLastRowPaintsTheFooterCellsUnderTheirColumns)
{
    Grid->FloatingFooter()->SetVisible(true);
    Grid->FloatingFooter()->SetColor(clWhite);
    Grid->SetCells(2, 5, QStringLiteral("Total"));
    PaintPanel();
    // The text stands in column 2 (x 120..180), not in column 3.
    EXPECT_GT(DarkPixels(TRect{121, 2, 179, 22}), 10);
    EXPECT_EQ(DarkPixels(TRect{181, 2, 239, 22}), 0);
    // Beyond the four columns the grid's colour shows.
    EXPECT_EQ(Pixel(300, 10), clWhite);
    // A scrolled column's right edge is a grey line.
    EXPECT_EQ(Pixel(179, 10), TColor(0x808080));
}

TEST_F(FooterPanelTest, CellColoursAndFooterPaintEventsTakeTheScrolledCells)
{
    Grid->FloatingFooter()->SetVisible(true);
    Grid->SetColors(3, 5, clLime);
    std::vector<int> painted;
    Grid->OnFooterPaint = [&](TObject* Sender, int ACol, TCanvas*, const TRect& R) {
        EXPECT_EQ(Sender, Panel());
        painted.push_back(ACol);
        // The raised looks leave the column's white edge free.
        EXPECT_LE(R.Left - ACol * 60, 1);
        EXPECT_GE(R.Left - ACol * 60, 0);
        EXPECT_EQ(R.Right, ACol * 60 + 59);
    };
    PaintPanel();
    EXPECT_EQ(painted, (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Pixel(200, 10), clLime);
}

TEST_F(FooterPanelTest, BorderLineRunsOverThePaintedWidthOnly)
{
    Grid->FloatingFooter()->SetVisible(true);
    PaintPanel();
    EXPECT_NE(Pixel(5, 0), clRed);
    Grid->FloatingFooter()->SetBorderColor(clRed);
    PaintPanel();
    EXPECT_EQ(Pixel(5, 0), clRed);
    EXPECT_EQ(Pixel(239, 0), clRed);
    EXPECT_NE(Pixel(241, 0), clRed);
}

TEST_F(FooterPanelTest, TemplatesTakeTheCurrentRowsCells)
{
    struct Case {
        const char* Template;
        const char* Shown;
    };
    const Case cases[] = {
        {"Total: <#2>", "Total: 20"},
        {"<#1> / <#2>", "row 2 / 20"},
        {"a<#x>b", "ab"},
        {"a<#99>b<#-1>c", "abc"},
        {"a<#2", "a<#2"},
        {"<#2> then <#1", "20 then <#1"},
        {"plain", "plain"},
    };
    Grid->SetRow(2);
    for (const Case& c : cases) {
        Grid->FloatingFooter()->SetCustomTemplate(QString::fromLatin1(c.Template));
        EXPECT_EQ(Panel()->ExpandedTemplate(), QString::fromLatin1(c.Shown)) << c.Template;
    }
}

TEST_F(FooterPanelTest, PreviewsFollowTheCurrentRow)
{
    TFloatingFooter* f = Grid->FloatingFooter();
    f->SetColor(clWhite);
    f->SetFooterStyle(fsCustomPreview);
    f->SetCustomTemplate(QStringLiteral("Total: <#2>"));
    f->SetVisible(true);
    Grid->SetRow(1);
    PaintPanel();
    EXPECT_GT(DarkPixels(TRect{2, 2, 100, 22}), 10);
    Grid->SetSelectionTextColor(clRed);
    f->SetFooterStyle(fsColumnPreview);
    f->SetColumn(1);
    int column = -1;
    Grid->OnFooterPaint = [&](TObject*, int ACol, TCanvas*, const TRect& R) {
        column = ACol;
        EXPECT_EQ(R.Right, 240);
    };
    PaintPanel();
    EXPECT_EQ(column, 1);
    // The selection's text colour comes back after the preview.
    EXPECT_EQ(Grid->SelectionTextColor(), clRed);
}

TEST_F(FooterPanelTest, HintsAskTheGridForTheColumnUnderTheMouse)
{
    Grid->FloatingFooter()->SetVisible(true);
    int hintRow = -1, hintCol = -1;
    Grid->OnGridHint = [&](TObject*, int ARow, int ACol, QString& S) {
        hintRow = ARow;
        hintCol = ACol;
        S = QStringLiteral("sum");
    };
    THintInfo info;
    info.CursorPos = TPoint{130, 5};
    EXPECT_NE(Panel()->Perform(CM_HINTSHOW, 0, LPARAM(&info)), 0);
    EXPECT_EQ(hintRow, 5);
    EXPECT_EQ(hintCol, 2);
    EXPECT_EQ(Panel()->LastHintX(), -1);

    Grid->FloatingFooter()->SetShowHint(true);
    EXPECT_EQ(Panel()->Perform(CM_HINTSHOW, 0, LPARAM(&info)), 0);
    EXPECT_EQ(info.HintStr, QStringLiteral("sum"));
    EXPECT_EQ(Panel()->LastHintX(), 2);
    Panel()->Perform(WM_MOUSEMOVE, 0, MakeLParam(190, 5));
    EXPECT_EQ(Panel()->LastHintX(), 3);
    // Past the last column there is none.
    info.CursorPos = TPoint{300, 5};
    hintCol = -1;
    Panel()->Perform(CM_HINTSHOW, 0, LPARAM(&info));
    EXPECT_EQ(hintCol, -1);
    EXPECT_EQ(Panel()->LastHintX(), -1);
}

TEST_F(FooterPanelTest, ClicksReachTheGridWithTheFooterCell)
{
    Grid->FloatingFooter()->SetVisible(true);
    std::vector<QString> events;
    Grid->OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, Grid);
        events.push_back(QStringLiteral("click"));
    };
    Grid->OnClickCell = [&](TObject*, int ARow, int ACol) { events.push_back(QStringLiteral("%1,%2").arg(ACol).arg(ARow)); };
    Panel()->Perform(WM_LBUTTONDOWN, 0, MakeLParam(70, 5));
    Panel()->Perform(WM_LBUTTONUP, 0, MakeLParam(70, 5));
    EXPECT_EQ(events, (std::vector<QString>{QStringLiteral("click"), QStringLiteral("1,5")}));
}

TEST_F(FooterPanelTest, ColumnsFollowTheScrolledGrid)
{
    Grid->SetColCount(12);
    Grid->FloatingFooter()->SetVisible(true);
    Grid->SetLeftCol(3);
    EXPECT_EQ(Panel()->ColumnAt(10), 0);
    EXPECT_EQ(Panel()->ColumnAt(70), 3);
    Grid->SetBiDiMode(bdRightToLeft);
    EXPECT_EQ(Panel()->ColumnAt(Panel()->ClientWidth() - 10), 0);
}

} // namespace
