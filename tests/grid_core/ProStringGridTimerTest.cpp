// The grid's 500 ms timer: hover selection and the focus frame of a
// special editor.
#include "GridEditingFixture.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GlowWindow.h"
#include "grid/foundation/SyncGrid.h"
#include "grid/core/GridEditors.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/controls/TestHooks.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class GridTimer : public ::testing::Test {
protected:
    void SetUp() override
    {
        Form = std::make_unique<TForm>(nullptr);
        Form->SetBounds(0, 0, 500, 320);
        Grid = new TProStringGrid(Form.get());
        Grid->SetParent(Form.get());
        Grid->SetBorderStyle(bsNone);
        Grid->SetBounds(0, 0, 480, 300);
        Grid->SetColCount(5);
        Grid->SetRowCount(10);
        Form->Show();
    }
    void Tick() { Grid->Perform(WM_TIMER, TProStringGrid::GridTimerID, 0); }

    std::unique_ptr<TForm> Form;
    TProStringGrid* Grid = nullptr;
};

} // namespace

TEST_F(GridTimer, HoveringMakesTheNormalCellUnderTheMouseCurrentOnATick)
{
    QStringList seen;
    SyntheticInput::MouseMove(Grid, TPoint{150, 80});
    Tick();
    seen << QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row());
    Grid->SetHovering(true);
    Tick();
    seen << QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row());
    SyntheticInput::MouseMove(Grid, TPoint{20, 10});
    Tick();
    seen << QStringLiteral("%1,%2").arg(Grid->Col()).arg(Grid->Row());
    EXPECT_EQ(seen, QStringList({"1,1", "2,3", "2,3"}));
}

namespace {

class GridFocusFrame : public GridEditing {};

} // namespace

TEST_F(GridFocusFrame, ASpecialEditorFramesItsCellWhileTheFocusHelperIsOn)
{
    EditorKinds({{2, edComboList}});
    Grid->AddComboString(QStringLiteral("a"));
    Grid->SetCells(2, 1, QStringLiteral("a"));
    Grid->SetCol(2);
    QStringList seen;
    SyntheticInput::Key(Grid, VK_F2);
    seen << QStringLiteral("editing %1 frame %2").arg(Grid->Combobox()->Visible()).arg(Grid->FocusWindow() != nullptr);
    SyntheticInput::Key(Grid->Combobox(), VK_RETURN, {}, QStringLiteral("\r"));
    Grid->FocusHelper()->SetEnabled(true);
    SyntheticInput::Key(Grid, VK_F2);
    const TRect cell = Grid->CellRect(2, 1);
    TGridFocusWindow* w = Grid->FocusWindow();
    ASSERT_NE(w, nullptr);
    const TPoint at = Grid->ClientToScreen(TPoint{cell.Left - 4, cell.Top - 4});
    seen << QStringLiteral("shown %1 at cell %2 size %3x%4")
                .arg(w->Visible())
                .arg(w->Left() == at.X && w->Top() == at.Y)
                .arg(w->Width() - cell.Width())
                .arg(w->Height() - cell.Height());
    SyntheticInput::Key(Grid->Combobox(), VK_RETURN, {}, QStringLiteral("\r"));
    seen << QStringLiteral("shown %1").arg(w->Visible());
    EXPECT_EQ(seen, QStringList({"editing 1 frame 0", "shown 1 at cell 1 size 9x9", "shown 0"}));
}
