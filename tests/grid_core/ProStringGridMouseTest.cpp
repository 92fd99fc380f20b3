// The left button on the string grid: what a press and a release do and
// the events they fire, recorded in order and compared whole.
#include "GridEditingFixture.h"
#include "grid/core/ControlLook.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/IntList.h"
#include "platform/services/Shell.h"

namespace {

// The editing fixture's grid without a frame and with editing off;
// column 2 holds data check boxes ("Y"/"N").
class GridMouse : public GridEditing {
protected:
    void SetUp() override
    {
        GridEditing::SetUp();
        Grid->SetOptions(Grid->Options() - goEditing);
        Grid->SetBorderStyle(bsNone);
        for (int r = 1; r < 6; ++r)
            Grid->SetCells(2, r, QStringLiteral("N"));
        Grid->AddCheckBoxColumn(2, false, true);
        Record();
    }

    void Record()
    {
        Grid->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Log << "mouse down"; };
        Grid->OnMouseUp = [this](TObject*, TMouseButton, TShiftState, int, int) { Log << "mouse up"; };
        Grid->OnClick = [this](TObject*) { Log << "click"; };
        Grid->OnDblClick = [this](TObject*) { Log << "double click"; };
        Grid->OnClickCell = [this](TObject*, int ARow, int ACol) {
            Log << QStringLiteral("click cell %1,%2").arg(ARow).arg(ACol);
        };
        Grid->OnDblClickCell = [this](TObject*, int ARow, int ACol) {
            Log << QStringLiteral("double click cell %1,%2").arg(ARow).arg(ACol);
        };
        Grid->OnCheckBoxClick = [this](TObject*, int ACol, int ARow, bool State) {
            Log << QStringLiteral("check box %1,%2 %3").arg(ACol).arg(ARow).arg(State);
        };
        Grid->OnCheckBoxMouseUp = [this](TObject*, int ACol, int ARow, bool State) {
            Log << QStringLiteral("check box up %1,%2 %3").arg(ACol).arg(ARow).arg(State);
        };
        Grid->OnClickSort = [this](TObject*, int ACol) { Log << QStringLiteral("sorted %1").arg(ACol); };
    }
    // A point DX, DY inside the cell's top-left corner.
    TPoint At(int ACol, int ARow, int DX = 10, int DY = 5) const
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        return TPoint{r.Left + DX, r.Top + DY};
    }
    QStringList Click(int ACol, int ARow, int DX = 10, int DY = 5, TShiftState Shift = {})
    {
        Log.clear();
        SyntheticInput::Click(Grid, At(ACol, ARow, DX, DY), Shift);
        return Log;
    }
};

TEST_F(GridMouse, DataCheckBoxClickTogglesWithoutClickCell)
{
    Grid->SetOptions(Grid->Options() + goEditing);
    EXPECT_EQ(Click(2, 3, 5, 5), (QStringList{"check box 2,3 1", "mouse down", "click", "mouse up",
                                               "check box up 2,3 1"}));
    EXPECT_EQ(Grid->Cells(2, 3), "Y");
    EXPECT_EQ(Grid->Row(), 3);
    EXPECT_EQ(Grid->Col(), 2);
    Click(2, 3, 5, 5);
    EXPECT_EQ(Grid->Cells(2, 3), "N");
}

TEST_F(GridMouse, CheckBoxNeedsEditingOrAlwaysActive)
{
    Click(2, 3, 5, 5);
    EXPECT_EQ(Grid->Cells(2, 3), "N");
    Grid->ControlLook()->SetCheckAlwaysActive(true);
    Click(2, 3, 5, 5);
    EXPECT_EQ(Grid->Cells(2, 3), "Y");
}

TEST_F(GridMouse, NormalCellClickFiresClickCellOnce)
{
    EXPECT_EQ(Click(3, 4), (QStringList{"mouse down", "click cell 4,3", "click", "mouse up"}));
    EXPECT_EQ(Grid->Col(), 3);
    EXPECT_EQ(Grid->Row(), 4);
}

TEST_F(GridMouse, FixedCellClick)
{
    // A header cell of a grid that does not sort: the click cell event
    // and the click, the current cell stays.
    EXPECT_EQ(Click(3, 0), (QStringList{"mouse down", "click cell 0,3", "click", "mouse up"}));
    EXPECT_EQ(Grid->Row(), 1);
}

TEST_F(GridMouse, DoubleClick)
{
    Log.clear();
    SyntheticInput::DoubleClick(Grid, At(3, 4));
    EXPECT_EQ(Log, (QStringList{"mouse down", "click cell 4,3", "click", "mouse up", "double click", "mouse down",
                                "double click cell 4,3", "mouse up"}));
}

TEST_F(GridMouse, DoubleClickOnHeaderSortsOnce)
{
    Grid->SortSettings()->SetShow(true);
    Grid->OnClickCell = nullptr;
    Grid->OnMouseDown = nullptr;
    Grid->OnMouseUp = nullptr;
    Grid->OnClick = nullptr;
    Grid->OnDblClick = nullptr;
    Log.clear();
    SyntheticInput::DoubleClick(Grid, At(1, 0));
    EXPECT_EQ(Log, (QStringList{"sorted 1", "double click cell 0,1"}));
}

TEST_F(GridMouse, RefusedClickDoesNothing)
{
    Grid->OnCanClickCell = [](TObject*, int, int ACol, bool& Allow) { Allow = ACol != 3; };
    EXPECT_EQ(Click(3, 4), (QStringList{"mouse up"}));
    EXPECT_EQ(Grid->Col(), 1);
    EXPECT_EQ(Click(4, 4), (QStringList{"mouse down", "click cell 4,4", "click", "mouse up"}));
}

TEST_F(GridMouse, LinksOpenOnlyURLsWithAScheme)
{
    QStringList opened;
    SetShellOpenHandler([&opened](const QString& Url) {
        opened << Url;
        return true;
    });
    Grid->SetURLShow(true);
    Grid->SetCells(3, 2, QStringLiteral("http://example.com/a"));
    Grid->SetCells(3, 3, QStringLiteral("see ://x; rm -rf"));
    Grid->SetCells(3, 4, QStringLiteral("CELL://R5C1"));
    Click(3, 2);
    Click(3, 3);
    Click(3, 4);
    SetShellOpenHandler(nullptr);
    EXPECT_EQ(opened, QStringList{"http://example.com/a"});
    EXPECT_EQ(Grid->Row(), 5);
    EXPECT_EQ(Grid->Col(), 1);
}

TEST_F(GridMouse, HeaderSortSplitsAndMergesColumnsAgain)
{
    Grid->SortSettings()->SetShow(true);
    Grid->SortSettings()->SetAutoColumnMerge(true);
    const QStringList texts{"b", "a", "b", "a", "b"};
    for (int r = 1; r < 6; ++r)
        Grid->SetCells(4, r, texts[r - 1]);
    Grid->MergedColumns()->Add(4);
    Grid->MergeColumnCells(4, true);
    Click(4, 0);
    QString column;
    for (int r = 1; r < 6; ++r)
        column += Grid->Cells(4, r);
    EXPECT_EQ(column, "aabbb");
    // The equal texts are one merged cell again after the sort.
    EXPECT_EQ(Grid->CellSpan(4, 1).Y, 1);
    EXPECT_EQ(Grid->CellSpan(4, 3).Y, 2);
}

} // namespace
