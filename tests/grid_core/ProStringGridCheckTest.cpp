#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>
#include <vector>

namespace {

struct Change {
    int Col, Row;
    bool State;
    bool operator==(const Change&) const = default;
};

// Records OnCheckBoxChange.
struct CheckGrid : TProStringGrid {
    CheckGrid(int Cols = 4, int Rows = 6)
    {
        SetColCount(Cols);
        SetRowCount(Rows);
        SetOptions(Options() + goEditing);
        OnCheckBoxChange = [this](TObject*, int c, int r, bool s) { Changes.push_back({c, r, s}); };
    }
    std::vector<Change> Changes;
};

// Column 2 is a data check-box column answered by a shared virtual box,
// as the column grid does.
struct VirtualCheckGrid : CheckGrid {
    VirtualCheckGrid() { FVirt.SetCellType(ctVirtCheckBox); }
    TCellGraphic* GetCellGraphic(int ACol, int ARow) override
    {
        TCellGraphic* g = TProStringGrid::GetCellGraphic(ACol, ARow);
        return !g && ACol == 2 && ARow >= FixedRows() ? &FVirt : g;
    }
    TCellType GetCellType(int ACol, int ARow) override
    {
        TCellGraphic* g = GetCellGraphic(ACol, ARow);
        return g ? g->CellType() : ctEmpty;
    }
    TCellGraphic FVirt;
};

} // namespace

TEST(ProStringGridCheck, DataCheckBoxTakesItsTextOnCreation)
{
    CheckGrid g;
    const std::vector<std::pair<QString, QString>> cases{{"N", "N"}, {"Y", "Y"}, {"", "Y"}, {"abc", "Y"}};
    for (int i = 0; i < int(cases.size()); ++i) {
        g.SetCells(1, i + 1, cases[i].first);
        g.AddCheckBox(1, i + 1, true, true);
        EXPECT_EQ(g.Cells(1, i + 1), cases[i].second) << cases[i].first.toStdString();
    }
    EXPECT_FALSE(g.IsChecked(1, 1));
    EXPECT_TRUE(g.IsChecked(1, 3));
    g.SetCells(1, 5, QStringLiteral("x"));
    g.AddCheckBox(1, 5, false, true);
    EXPECT_EQ(g.Cells(1, 5), "N");
    // The comparison is exact.
    g.SetCells(1, 3, QStringLiteral("y"));
    EXPECT_FALSE(g.IsChecked(1, 3));
    EXPECT_FALSE(g.IsChecked(2, 3));
    TCellGraphic* box = g.GetCellGraphic(1, 3);
    EXPECT_EQ(box->CellHAlign(), haBeforeText);
    EXPECT_TRUE(box->CellTransparent());
}

TEST(ProStringGridCheck, AddingOutsideTheGridRaisesInvalidCell)
{
    CheckGrid g;
    for (auto [c, r] : {std::pair{-1, 1}, {1, -1}, {4, 1}, {1, 6}}) {
        EXPECT_EQ(MessageOf<Exception>([&] { g.AddCheckBox(c, r, true, false); }), "Invalid cell");
        EXPECT_EQ(MessageOf<Exception>([&] { g.AddCheckBox(c, r, cbGrayed); }), "Invalid cell");
        EXPECT_EQ(MessageOf<Exception>([&] { g.AddRadioButton(c, r, true); }), "Invalid cell");
    }
}

TEST(ProStringGridCheck, ToggleOnAVirtualDataCheckBox)
{
    VirtualCheckGrid g;
    g.SetCells(2, 1, QStringLiteral("N"));
    EXPECT_TRUE(g.ToggleCheck(2, 1, true));
    EXPECT_EQ(g.Cells(2, 1), "Y");
    EXPECT_EQ(g.Changes, (std::vector<Change>{{2, 1, true}}));
    EXPECT_TRUE(g.ToggleCheck(2, 1, true));
    EXPECT_EQ(g.Cells(2, 1), "N");

    // A cell the handler refuses changes nothing when clicked.
    g.OnCanEditCell = [](TObject*, int, int, bool& CanEdit) { CanEdit = false; };
    EXPECT_FALSE(g.ToggleCheck(2, 1, true));
    EXPECT_EQ(g.Cells(2, 1), "N");
    g.ControlLook()->SetCheckAlwaysActive(true);
    EXPECT_TRUE(g.ToggleCheck(2, 1, true));
    EXPECT_EQ(g.Cells(2, 1), "Y");
    EXPECT_FALSE(g.ToggleCheck(1, 1, false));
}

TEST(ProStringGridCheck, ThreeStateBoxCyclesOutsideNodes)
{
    CheckGrid g;
    g.AddCheckBox(1, 1, cbUnchecked);
    std::vector<TCheckBoxState> seen;
    for (int i = 0; i < 3; ++i) {
        g.ToggleCheckBox(1, 1);
        TCheckBoxState s = cbUnchecked;
        g.GetCheckBoxState(1, 1, s);
        seen.push_back(s);
    }
    EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
    EXPECT_EQ(g.Changes, (std::vector<Change>{{1, 1, false}, {1, 1, false}, {1, 1, false}}));
}

TEST(ProStringGridCheck, GroupedBoxesFollowTheirNode)
{
    CheckGrid g(3, 6);
    g.Grouping()->SetAutoCheckGroup(true);
    g.AddNode(1, 4);
    g.AddCheckBoxColumn(2, false, false);
    EXPECT_EQ(g.GetCellType(2, 1), ctTriStateCheckBox);
    g.ToggleCheck(2, 1, false);
    for (int r = 2; r <= 4; ++r)
        EXPECT_TRUE(g.IsChecked(2, r)) << r;
    EXPECT_FALSE(g.IsChecked(2, 5));
    g.ToggleCheck(2, 3, false);
    TCheckBoxState s = cbUnchecked;
    g.GetCheckBoxState(2, 1, s);
    EXPECT_EQ(s, cbGrayed);
    g.ToggleCheck(2, 3, false);
    g.GetCheckBoxState(2, 1, s);
    EXPECT_EQ(s, cbChecked);
}

TEST(ProStringGridCheck, CheckAllFiresForRealChangesOnly)
{
    CheckGrid g;
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(1, 2, false, false);
    g.SetCells(1, 3, QStringLiteral("N"));
    g.AddCheckBox(1, 3, false, true);
    g.CheckAll(1);
    EXPECT_EQ(g.Changes, (std::vector<Change>{{1, 2, true}, {1, 3, true}}));
    EXPECT_EQ(g.Cells(1, 3), "Y");
    g.Changes.clear();
    g.UnCheckAll(1);
    EXPECT_EQ(g.Changes.size(), 3u);
    EXPECT_FALSE(g.SetCheckBoxState(2, 1, true));
    EXPECT_TRUE(g.SetCheckBoxState(1, 1, true));
    EXPECT_TRUE(g.IsChecked(1, 1));
}

TEST(ProStringGridCheck, RowCheckBoxKeepsColumnZeroText)
{
    CheckGrid g;
    g.MouseActions()->SetHotmailRowSelect(true);
    g.SetCells(0, 2, QStringLiteral("2"));
    EXPECT_TRUE(g.ToggleCheck(0, 2, false));
    EXPECT_EQ(g.Cells(0, 2), "2");
    EXPECT_EQ(g.Changes, (std::vector<Change>{{0, 2, true}}));
    g.ChangeCheckBoxState(0, 2, true);
    EXPECT_TRUE(g.IsChecked(0, 2));
    EXPECT_TRUE(g.GetRowSelect(2));
}

TEST(ProStringGridCheck, UndoRecordsTheToggle)
{
    CheckGrid g;
    TProGridUndoRedo undo;
    g.SetUndoRedo(&undo);
    g.SetCells(1, 1, QStringLiteral("N"));
    g.AddCheckBox(1, 1, false, true);
    g.ToggleCheck(1, 1, false);
    ASSERT_EQ(undo.Items()->Count(), 1);
    EXPECT_EQ(undo.Items()->Items(0)->OrigValue(), "N");
    EXPECT_EQ(undo.Items()->Items(0)->Value(), "Y");
    g.SetUndoRedo(nullptr);
}

TEST(ProStringGridCheck, PreciseHitTest)
{
    CheckGrid g;
    g.SetColWidths(0, 50);
    g.SetColWidths(1, 60);
    g.SetRowHeights(1, 30);
    g.ControlLook()->SetCheckSize(15);
    g.AddCheckBox(1, 1, false, false);
    const TRect r = g.CellRect(1, 1);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Right - 1, r.Bottom - 1));
    g.MouseActions()->SetPreciseCheckBoxCheck(true);
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 2, r.Top + 2));
    EXPECT_TRUE(g.IsInCheckBox(1, 1, r.Left + 16, r.Top + 16));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, r.Left + 17, r.Top + 2));
    g.SetAlignments(1, 1, taCenter);
    const int left = r.Left + (r.Width() - 15) / 2;
    EXPECT_TRUE(g.IsInCheckBox(1, 1, left, r.Top + 2));
    EXPECT_FALSE(g.IsInCheckBox(1, 1, left - 1, r.Top + 2));
    EXPECT_FALSE(g.IsInCheckBox(2, 1, r.Left + 2, r.Top + 2));
}

TEST(ProStringGridCheck, RadioButtonColumn)
{
    CheckGrid g(3, 10);
    g.AddRadioButtonColumn(1);
    g.SetRadioButtonColumnIndex(1, 5);
    int checked = 0;
    for (int r = 1; r < 10; ++r)
        checked += g.IsRadioButtonChecked(1, r) ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 5);
    EXPECT_TRUE(g.ToggleRadio(1, 7, false));
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), 7);
    EXPECT_FALSE(g.IsRadioButtonChecked(1, 5));
    EXPECT_FALSE(g.SetRadioButtonState(2, 3, true));
    g.RemoveRadioButtonColumn(1);
    EXPECT_EQ(g.GetRadioButtonColumnIndex(1), -1);
}

TEST(ProStringGridCheck, RadioGroupsStepThroughTheirOptions)
{
    CheckGrid g;
    TStringList* options = static_cast<TStringList*>(g.CreateRadio(1, 1, 0, 2));
    options->Add(QStringLiteral("a"));
    options->Add(QStringLiteral("b"));
    options->Add(QStringLiteral("c"));
    g.SelectNextRadio(1, 1, false);
    int idx = -1;
    EXPECT_TRUE(g.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(g.Cells(1, 1), "a");
    EXPECT_EQ(g.GetRadioStrings(1, 1), options);

    // Without an index the text tells where the group stands.
    g.SetRadioIdx(1, 1, -1);
    EXPECT_EQ(g.Cells(1, 1), "");
    g.SetCells(1, 1, QStringLiteral("b"));
    g.GetCellGraphic(1, 1)->SetCellIndex(-2);
    g.SelectNextRadio(1, 1, false);
    EXPECT_EQ(g.Cells(1, 1), "c");

    // A group without options stays as it is.
    TStringList none;
    g.AddRadio(1, 2, 1, -1, &none);
    g.SetCells(1, 2, QStringLiteral("keep"));
    g.SelectNextRadio(1, 2, false);
    EXPECT_EQ(g.Cells(1, 2), "keep");
    EXPECT_TRUE(g.IsRadio(1, 2));
    g.RemoveRadio(1, 2);
    EXPECT_FALSE(g.IsRadio(1, 2));
}

TEST(ProStringGridCheck, RemoveCheckedRows)
{
    CheckGrid g(3, 6);
    for (int r = 1; r < 6; ++r) {
        g.SetCells(0, r, QString::number(r));
        g.AddCheckBox(1, r, r % 2 == 0, false);
    }
    g.RemoveCheckedRows(1, true);
    EXPECT_EQ(g.RowCount(), 4);
    EXPECT_EQ(g.Cells(0, 1), "1");
    EXPECT_EQ(g.Cells(0, 2), "3");
    EXPECT_EQ(g.Cells(0, 3), "5");
    g.RemoveCheckedRows(1, false);
    EXPECT_EQ(g.RowCount(), 1);
}

TEST(ProStringGridCheck, SaveCellWritesTheStateOfAnEmptyBox)
{
    CheckGrid g;
    g.AddCheckBox(1, 1, true, false);
    g.AddCheckBox(1, 2, false, false);
    g.AddCheckBox(1, 3, cbChecked);
    g.AddCheckBox(1, 4, true, false);
    g.SetCells(1, 4, QStringLiteral("own"));
    QString v;
    g.SaveCell(1, 1, v);
    EXPECT_EQ(v, "Y");
    g.SaveCell(1, 2, v);
    EXPECT_EQ(v, "N");
    g.SaveCell(1, 3, v);
    EXPECT_EQ(v, "Y");
    g.SaveCell(1, 4, v);
    EXPECT_EQ(v, "own");
}
