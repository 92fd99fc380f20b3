// The glowing focus frame of a special editor.
#include "GridEditingFixture.h"
#include "grid/core/GridEditors.h"
#include "grid/foundation/GlowWindow.h"
#include "grid/foundation/SyncGrid.h"

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
