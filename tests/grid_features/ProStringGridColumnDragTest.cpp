// A header dragged out of the grid: the header drag button shows the
// column's header and keeps its bottom-left corner at the cursor, in
// screen coordinates, while the drag goes on.
#include "../support/QStringPrinter.h"
#include "grid/core/DragSettings.h"
#include "grid/core/HeaderDragButton.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/GridDragDrop.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/services/DragDrop.h"
#include <gtest/gtest.h>

TEST(ProStringGridColumnDrag, TheHeaderButtonFollowsTheCursorInScreenCoordinates)
{
    TForm form;
    // Away from the screen's corner, so that client and screen points differ.
    form.SetBounds(120, 90, 420, 260);
    auto* grid = new TProStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 400, 240);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->SetCells(2, 0, QStringLiteral("Units"));
    grid->SetEnhRowColMove(false);
    grid->DragDropSettings()->SetOleDropSource(true);
    grid->DragDropSettings()->SetOleColumnDragDrop(true);
    grid->DragDropSettings()->SetShowCells(false);
    form.Show();
    QStringList log;
    THeaderDragButton* button = grid->MoveButton();
    auto note = [&] {
        const TPoint cursor = GetCursorPos();
        log << QStringLiteral("%1 %2x%3 corner at cursor %4")
                   .arg(button->Caption())
                   .arg(button->Width())
                   .arg(button->Height())
                   .arg(button->Visible() && button->Left() == cursor.X && button->Top() + button->Height() == cursor.Y);
    };
    grid->OnStartBlockFocus = [&](TObject*) { log << QStringLiteral("start block focus"); };
    SetDragDriver([&](const TDataObject&, unsigned, unsigned& Effect) {
        note();
        SyntheticInput::MouseMove(&form, TPoint{300, 200}, {ssLeft});
        RunDragQuery();
        note();
        Effect = DROPEFFECT_NONE;
        return DRAGDROP_S_CANCEL;
    });
    const TRect r = grid->CellRect(2, 0);
    SyntheticInput::MouseDown(grid, mbLeft, TPoint{r.Left + 10, r.Top + 5});
    SyntheticInput::MouseMove(grid, TPoint{r.Left + 20, r.Top + 5}, {ssLeft});
    SyntheticInput::MouseUp(grid, mbLeft, TPoint{r.Left + 20, r.Top + 5});
    SetDragDriver(nullptr);
    log << QStringLiteral("shown after %1").arg(button->Visible());
    const QString size = QStringLiteral("%1x%2").arg(grid->ColWidths(2)).arg(grid->RowHeights(0));
    EXPECT_EQ(log, QStringList({"start block focus", "Units " + size + " corner at cursor 1",
                                "Units " + size + " corner at cursor 1", "shown after 0"}));
}

// Over a header the arrows point at the left edge of the column a dragged
// column would land before: their tips, not their windows' middles.
TEST(ProStringGridColumnDrag, TheArrowsPointAtTheTargetColumnsEdge)
{
    TForm form;
    form.SetBounds(120, 90, 420, 260);
    auto* grid = new TProStringGrid(&form);
    grid->SetParent(&form);
    grid->SetBounds(10, 10, 400, 240);
    grid->SetColCount(5);
    grid->SetRowCount(6);
    grid->DragDropSettings()->SetOleDropTarget(true);
    grid->DragDropSettings()->SetOleColumnReorder(true);
    grid->UpdateOleDropTarget();
    form.Show();
    ASSERT_NE(grid->GridDropTarget(), nullptr);
    const TRect r = grid->CellRect(3, 0);
    const TPoint top = grid->ClientToScreen(r.TopLeft());
    const TPoint bottom = grid->ClientToScreen(TPoint{r.Left, r.Bottom});
    bool allow = false;
    grid->GridDropTarget()->DragMouseMove(grid->ClientToScreen(TPoint{r.Left + 20, r.Top + 5}), allow, {dfCol});
    // The down arrow's tip is at (5, 8) of its window, the up arrow's at (5, 0).
    const TArrowWindow* d = grid->ArwD();
    const TArrowWindow* u = grid->ArwU();
    const QString got = QStringLiteral("allow %1 down tip %2,%3 up tip %4,%5")
                            .arg(allow)
                            .arg(d->Left() + 5 - top.X)
                            .arg(d->Top() + 8 - top.Y)
                            .arg(u->Left() + 5 - bottom.X)
                            .arg(u->Top() - bottom.Y);
    EXPECT_EQ(got, QStringLiteral("allow 1 down tip 0,0 up tip 0,0"));
}
