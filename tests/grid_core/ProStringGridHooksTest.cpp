#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/ProStringGrid.h"
#include "platform/graphics/GraphicsObjects.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Call {
    int A, B;
    bool operator==(const Call&) const = default;
};

} // namespace

TEST(ProStringGridHooks, ActiveCellShowsOnTheInnermostHeadersOnly)
{
    TProStringGrid g;
    g.SetColCount(6);
    g.SetFixedCols(2);
    g.SetActiveCellShow(true);
    g.SetActiveCellColor(clLime);
    g.GotoCell(3, 4);
    auto colour = [&](int c, int r) {
        TBrush brush;
        brush.SetColor(clWhite);
        TFont font;
        g.GetCellColor(c, r, {}, &brush, &font);
        return brush.Color();
    };
    EXPECT_EQ(colour(1, 4), clLime);
    EXPECT_EQ(colour(3, 0), clLime);
    EXPECT_EQ(colour(0, 4), clWhite);
    EXPECT_EQ(colour(2, 0), clWhite);
    // Events get the row first.
    std::vector<Call> calls;
    g.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
        calls.push_back({ARow, ACol});
    };
    colour(5, 2);
    EXPECT_EQ(calls, (std::vector<Call>{{2, 5}}));
}

TEST(ProStringGridHooks, CellPropertiesColourOnlyPlainCellsButFontEverywhere)
{
    TProStringGrid g;
    g.SetColors(2, 2, clYellow);
    g.SetFontColors(2, 2, clRed);
    TBrush brush;
    brush.SetColor(clWhite);
    TFont font;
    g.GetCellColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clYellow);
    EXPECT_EQ(font.Color(), clRed);
}

TEST(ProStringGridHooks, FixedCells)
{
    TProStringGrid g;
    g.SetFixedRowAlways(true);
    g.SetFixedRows(1);
    g.SetRowCount(1);
    int asked = 0;
    g.OnIsFixedCell = [&](TObject*, int ARow, int ACol, bool& IsFixed) {
        ++asked;
        IsFixed = ARow == 0 && ACol == 3;
    };
    auto fixed = [&](int c, int r) {
        bool f = false;
        g.IsFixedCell(c, r, f);
        return f;
    };
    EXPECT_TRUE(fixed(2, 0));
    EXPECT_TRUE(fixed(2, 1));
    EXPECT_EQ(asked, 0);
    TProStringGrid h;
    h.SetFixedColAlways(true);
    h.SetFixedCols(1);
    h.SetColCount(1);
    bool f0 = false, f1 = false;
    h.IsFixedCell(0, 5, f0);
    h.IsFixedCell(1, 5, f1);
    EXPECT_TRUE(f0);
    EXPECT_FALSE(f1);
    // Footer rows and right fixed columns are fixed for the painter.
    TProStringGrid p;
    p.SetColCount(5);
    p.SetFixedFooters(1);
    p.SetFixedRightCols(1);
    EXPECT_TRUE(p.IsFixed(2, 9));
    EXPECT_TRUE(p.IsFixed(4, 3));
    EXPECT_FALSE(p.IsFixed(2, 3));
}

TEST(ProStringGridHooks, CanEditCellAsksWithTheBaseCell)
{
    TProStringGrid g;
    g.SetColCount(6);
    g.SetOptions(g.Options() + goEditing);
    std::vector<Call> asked;
    g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool&) { asked.push_back({ARow, ACol}); };
    g.SetReadOnly(2, 5, true);
    bool can = true;
    g.CanEditCell(2, 5, can);
    EXPECT_FALSE(can);
    can = true;
    g.CanEditCell(3, 1, can);
    EXPECT_TRUE(can);
    g.MergeCells(1, 3, 3, 2);
    can = true;
    g.CanEditCell(3, 4, can);
    EXPECT_EQ(asked, (std::vector<Call>{{5, 2}, {1, 3}, {3, 1}}));
}

TEST(ProStringGridHooks, EditorQuestions)
{
    TProStringGrid g;
    g.ControlLook()->SetSpinButtonsAlwaysVisible(true);
    g.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
        AEditor = ACol == 2 ? edSpinEdit : ACol == 3 ? edNone : AEditor;
    };
    EXPECT_TRUE(g.HasSpinEdit(2, 3));
    EXPECT_FALSE(g.HasSpinEdit(2, 0));
    EXPECT_TRUE(g.HasNoEditor(3, 3));
    EXPECT_FALSE(g.HasNoEditor(2, 3));
    g.OnHasSpinEdit = [](TObject*, int, int, bool& Has) { Has = true; };
    EXPECT_FALSE(g.HasSpinEdit(0, 3));
    QString t, f;
    g.GetCheckTrue(1, 1, t);
    g.GetCheckFalse(1, 1, f);
    EXPECT_EQ(t + f, "YN");
}

TEST(ProStringGridHooks, AWideHintIsPacked)
{
    TProStringGrid g;
    g.OnGridHint = [](TObject*, int, int, QString& Hint) { Hint = "plain"; };
    g.OnGridWideHint = [](TObject*, int, int, QString& Hint) { Hint = "x"; };
    QString hint, wide;
    g.GetCellHint(1, 2, hint, wide);
    EXPECT_EQ(hint, QString("|\\") + QChar(0) + QChar(u'x'));
}

TEST(ProStringGridHooks, CellChangingAsksRowColumnThenCell)
{
    TProStringGrid g;
    g.GotoCell(1, 2);
    std::vector<QString> log;
    g.OnRowChanging = [&](TObject*, int OldRow, int NewRow, bool&) {
        log.push_back(QStringLiteral("row %1>%2").arg(OldRow).arg(NewRow));
    };
    g.OnColChanging = [&](TObject*, int OldCol, int NewCol, bool& Allow) {
        log.push_back(QStringLiteral("col %1>%2").arg(OldCol).arg(NewCol));
        Allow = false;
    };
    g.OnCellChanging = [&](TObject*, int OldRow, int OldCol, int NewRow, int NewCol, bool& Allow) {
        log.push_back(QStringLiteral("cell %1,%2>%3,%4 %5").arg(OldRow).arg(OldCol).arg(NewRow).arg(NewCol).arg(Allow));
    };
    bool allow = true;
    g.DoCellChanging(3, 4, allow);
    EXPECT_FALSE(allow);
    EXPECT_EQ(log, (std::vector<QString>{"row 2>4", "col 1>3", "cell 2,1>4,3 0"}));
}

TEST(ProStringGridHooks, DeletingTheOnlyNormalRowEmptiesIt)
{
    TProStringGrid g;
    g.SetRowCount(2);
    g.SetCells(1, 1, "only");
    std::vector<int> deleted;
    g.OnAutoDeleteRow = [&](TObject*, int ARow) { deleted.push_back(ARow); };
    g.DoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 2);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetRowCount(4);
    g.SetCells(1, 2, "two");
    g.DoDeleteRow(1);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(1, 1), "two");
    EXPECT_EQ(deleted, (std::vector<int>{1, 1}));
}

TEST(ProStringGridHooks, SaveAndLoadCell)
{
    TProStringGrid g;
    g.SetCells(1, 1, "<b>bold</b>");
    QString v;
    g.SaveCell(1, 1, v);
    EXPECT_EQ(v, "<b>bold</b>");
    g.SetSaveWithHTML(false);
    g.SaveCell(1, 1, v);
    EXPECT_EQ(v, "bold");
    g.OnLoadCell = [](TObject*, int, int, QString& Value) { Value += "!"; };
    QString in = "x";
    g.LoadCell(2, 3, in);
    EXPECT_EQ(g.GridCells(2, 3), "x!");
    g.StoreOldCell(2, 3);
    EXPECT_EQ(g.OldCellText(), "x!");
    EXPECT_EQ(g.OldRow(), 3);
}
