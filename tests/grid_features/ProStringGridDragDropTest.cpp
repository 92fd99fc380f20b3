#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/DragSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/GridOleDragDrop.h"
#include "grid/foundation/ArrowWindow.h"
#include "grid/foundation/Navigation.h"
#include "platform/controls/DialogServices.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList DropTexts(TProStringGrid& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(g.DisplToRealCol(c), r);
    return texts;
}

// A 5 x 6 grid with one fixed row and column on a shown form, taking drops.
class GridDrop : public testing::Test {
protected:
    void SetUp() override
    {
        Form.SetBounds(0, 0, 500, 300);
        Grid = new TProStringGrid(&Form);
        Grid->SetParent(&Form);
        Grid->SetBounds(0, 0, 480, 280);
        Grid->SetColCount(5);
        Grid->SetRowCount(6);
        Grid->SetOptions(Grid->Options() + goEditing);
        Form.Show();
        Grid->DragDropSettings()->SetOleDropTarget(true);
        Grid->UpdateOleDropTarget();
        ASSERT_NE(Grid->GridDropTarget(), nullptr);
    }
    void TearDown() override { SetDragDriver(nullptr); }

    // Drags Data onto the middle of cell (ACol, ARow); the effect chosen.
    unsigned Drop(const TDataObject& Data, int ACol, int ARow, int KeyState = 0)
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        unsigned effect = DROPEFFECT_NONE;
        SimulateDrop(Data, DROPEFFECT_COPY | DROPEFFECT_MOVE, Grid, TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2},
                     KeyState, effect);
        return effect;
    }
    TPoint ScreenOf(int ACol, int ARow)
    {
        const TRect r = Grid->CellRect(ACol, ARow);
        return Grid->ClientToScreen(TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }

    TForm Form{nullptr};
    TProStringGrid* Grid = nullptr;
};

} // namespace

TEST_F(GridDrop, TextInsertsRowsAndSelectsTheDroppedBlock)
{
    Grid->DragDropSettings()->SetOleInsertRows(true);
    Grid->SetCells(2, 3, "old");
    TDataObject data;
    data.SetText("x\ty\r\nz");
    TGridRect dropped{};
    Grid->OnOleDropped = [&](TObject*, const TGridRect& R) { dropped = R; };
    EXPECT_EQ(Drop(data, 2, 3), DROPEFFECT_MOVE);
    EXPECT_EQ(Grid->RowCount(), 8);
    EXPECT_EQ(Grid->Cells(2, 3), "x");
    EXPECT_EQ(Grid->Cells(3, 3), "y");
    EXPECT_EQ(Grid->Cells(2, 4), "z");
    EXPECT_EQ(Grid->Cells(2, 5), "old");
    const TGridRect sel = Grid->Selection();
    EXPECT_EQ((QList<int>{sel.Left, sel.Top, sel.Right, sel.Bottom}), (QList<int>{2, 3, 3, 4}));
    EXPECT_EQ((QList<int>{dropped.Left, dropped.Top, dropped.Right, dropped.Bottom}), (QList<int>{2, 3, 3, 4}));

    // Ctrl makes it a copy.
    data.SetText("c");
    EXPECT_EQ(Drop(data, 1, 1, MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(Grid->Cells(1, 1), "c");
}

TEST_F(GridDrop, RefusedDropsChangeNothing)
{
    const QStringList before = DropTexts(*Grid);
    TDataObject data;
    data.SetText("t");
    // Over the fixed row.
    EXPECT_EQ(Drop(data, 2, 0), DROPEFFECT_NONE);
    // Refused by the application, which still sees the markers hidden.
    Grid->OnOleDrop = [](TObject*, int, int, const QString&, bool& Allow) { Allow = false; };
    Drop(data, 2, 2);
    EXPECT_EQ(DropTexts(*Grid), before);
    EXPECT_FALSE(Grid->ArwL() && Grid->ArwL()->Visible());
}

TEST_F(GridDrop, CellsFromAnotherGridWithTheirLookAndTheSourceFollowing)
{
    TProStringGrid src;
    src.SetColCount(3);
    src.SetRowCount(3);
    src.SetCells(1, 1, "a");
    src.SetCells(2, 1, "b");
    src.SetColors(2, 1, TColor(0x00FF00));
    TMemoryStream ms;
    src.SaveRectToBinStream(TRect{1, 1, 2, 1}, &ms);
    SetDragDriver([&](const TDataObject& Data, unsigned Ok, unsigned& Effect) {
        const TRect r = Grid->CellRect(3, 4);
        return SimulateDrop(Data, Ok, Grid, TPoint{r.Left + 2, r.Top + 2}, 0, Effect);
    });
    TGridDropSource source(&src);
    unsigned effect = 0;
    EXPECT_EQ(StartTextDrag(&source, "a\tb", QString(), &ms, DROPEFFECT_COPY | DROPEFFECT_MOVE, effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(source.LastEffect(), DROPEFFECT_MOVE);
    EXPECT_EQ(Grid->Cells(3, 4), "a");
    EXPECT_EQ(Grid->Cells(4, 4), "b");
    EXPECT_EQ(Grid->Colors(4, 4), TColor(0x00FF00));
    EXPECT_EQ(Grid->ColCount(), 5);
}

TEST_F(GridDrop, DamagedCellStreamRaisesAndChangesNothing)
{
    TProStringGrid src;
    src.SetCells(1, 1, "a");
    TMemoryStream whole;
    src.SaveRectToBinStream(TRect{0, 0, 2, 2}, &whole);
    Grid->SetCells(1, 1, "keep");
    const QStringList before = DropTexts(*Grid);
    QByteArray bytes = whole.Data();
    bytes[bytes.size() - 30] = char(0x7F);
    auto* ms = new TMemoryStream;
    ms->WriteBytes(bytes.left(bytes.size() - 3));
    auto* target = static_cast<TGridDropTarget*>(Grid->GridDropTarget());
    EXPECT_NE(MessageOf<EReadError>([&] { target->DropStream(ScreenOf(1, 1), ms); }), "<no exception>");
    EXPECT_EQ(DropTexts(*Grid), before);
}

TEST_F(GridDrop, ColumnDraggedOnTheHeaderMoves)
{
    for (int c = 0; c < 5; ++c)
        Grid->SetCells(c, 0, QString(QChar(u'a' + c)));
    Grid->DragDropSettings()->SetOleColumnReorder(true);
    Grid->UpdateOleDropTarget();
    int dropped = -1;
    Grid->OnOleDropCol = [&](TObject*, int, int, int Col) { dropped = Col; };
    SetDragDriver([&](const TDataObject& Data, unsigned Ok, unsigned& Effect) {
        const TRect r = Grid->CellRect(4, 0);
        return SimulateDrop(Data, Ok, Grid, TPoint{r.Left + 3, r.Top + 3}, 0, Effect);
    });
    unsigned effect = 0;
    EXPECT_EQ(StartColDrag(nullptr, 1, DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(DropTexts(*Grid).mid(0, 5), (QStringList{"a", "c", "d", "e", "b"}));
    EXPECT_EQ(dropped, 1);
}

TEST_F(GridDrop, OneCsvFileLoadsAndTwoDoNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("data.csv");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("h1,h2\r\n1,2\r\n");
    f.close();
    TDataObject two;
    two.SetFiles({path, dir.filePath("other.csv")});
    Drop(two, 1, 1);
    EXPECT_EQ(Grid->Cells(0, 0), "");
    TDataObject one;
    one.SetFiles({path});
    Drop(one, 1, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "2");
    EXPECT_EQ(Grid->RowCount(), 2);
}

TEST_F(GridDrop, WorkbookFileLoadsItsSheetAndADamagedOneIsReported)
{
    TRecordingMessageBoxService boxes;
    TScopedMessageBoxService scoped(&boxes);
    QTemporaryDir dir;
    const QString damaged = dir.filePath("book.xls");
    QFile f(damaged);
    f.open(QIODevice::WriteOnly);
    f.write("not a workbook");
    f.close();
    Grid->SetCells(1, 1, "kept");
    TDataObject bad;
    bad.SetFiles({damaged});
    Drop(bad, 1, 1);
    EXPECT_EQ(Grid->Cells(1, 1), "kept");
    ASSERT_EQ(boxes.Calls.size(), 1u);
    TDataObject book;
    book.SetFiles({QStringLiteral(STRATAGON_TEST_DATA "/office/small.xls")});
    Drop(book, 1, 1);
    EXPECT_EQ(Grid->Cells(0, 0), "Name");
    EXPECT_EQ(Grid->Cells(1, 2), "2.5");
}

TEST_F(GridDrop, SnapshotWindowOfTheSelection)
{
    TForm* form = Grid->SelectionToForm(TGridRect{1, 1, 2, 2});
    ASSERT_NE(form, nullptr);
    const TRect a = Grid->CellRect(1, 1), b = Grid->CellRect(2, 2);
    EXPECT_EQ(form->Width(), b.Right - a.Left + 1);
    EXPECT_EQ(form->Height(), b.Bottom - a.Top + 1);
    EXPECT_FALSE(form->Visible());
    Grid->SetMoveForm(form);
    TGridDropSource source(Grid);
    source.QueryDrag();
    const TPoint cursor = GetCursorPos();
    EXPECT_EQ(form->Left(), cursor.X + 4);
    source.DragFinished();
    EXPECT_EQ(Grid->MoveForm(), nullptr);
}

// A press on the selection and a move of a few pixels drag the cells; the
// drop elsewhere moves them. A press beside the selection selects instead.
TEST_F(GridDrop, UsersDragFromTheSelectionMovesTheCells)
{
    TForm other;
    other.SetBounds(0, 320, 300, 200);
    auto* src = new TProStringGrid(&other);
    src->SetParent(&other);
    src->SetBounds(0, 0, 290, 190);
    src->SetColCount(4);
    src->SetRowCount(4);
    src->SetCells(1, 1, "a");
    src->SetCells(2, 1, "b");
    src->SetColors(2, 1, TColor(0x00FF00));
    src->DragDropSettings()->SetOleDropSource(true);
    src->Navigation()->SetAllowFmtClipboard(true);
    other.Show();
    src->SetSelection(TGridRect{1, 1, 2, 1});
    QStringList events;
    src->OnOleDragStart = [&](TObject*, int ARow, int ACol) { events << QStringLiteral("start %1,%2").arg(ACol).arg(ARow); };
    src->OnOleDragStop = [&](TObject*, int Effect) { events << QStringLiteral("stop %1").arg(Effect); };
    bool snapshot = false;
    SetDragDriver([&](const TDataObject& Data, unsigned Ok, unsigned& Effect) {
        snapshot = src->MoveForm() && DragImageSize() == TSize{src->MoveForm()->Width(), src->MoveForm()->Height()};
        const TRect r = Grid->CellRect(2, 3);
        return SimulateDrop(Data, Ok, Grid, TPoint{r.Left + 2, r.Top + 2}, 0, Effect);
    });
    const TRect r = src->CellRect(2, 1);
    SyntheticInput::MouseDown(src, mbLeft, TPoint{r.Left + 5, r.Top + 5});
    SyntheticInput::MouseMove(src, TPoint{r.Left + 7, r.Top + 6}, {ssLeft});
    EXPECT_TRUE(events.isEmpty());
    SyntheticInput::MouseMove(src, TPoint{r.Left + 12, r.Top + 6}, {ssLeft});
    SyntheticInput::MouseUp(src, mbLeft, TPoint{r.Left + 12, r.Top + 6});
    EXPECT_EQ(events, (QStringList{"start 2,1", QStringLiteral("stop %1").arg(DROPEFFECT_MOVE)}));
    EXPECT_TRUE(snapshot);
    EXPECT_EQ(src->MoveForm(), nullptr);
    EXPECT_EQ(DragImageSize(), TSize{});
    EXPECT_EQ(Grid->Cells(2, 3), "a");
    EXPECT_EQ(Grid->Cells(3, 3), "b");
    EXPECT_EQ(Grid->Colors(3, 3), TColor(0x00FF00));
    EXPECT_EQ(src->Cells(1, 1), "");
    EXPECT_EQ(src->Cells(2, 1), "");

    // A click on the selection without a move selects the cell.
    src->SetSelection(TGridRect{1, 1, 2, 2});
    const TRect c = src->CellRect(1, 2);
    SyntheticInput::Click(src, TPoint{c.Left + 5, c.Top + 5});
    EXPECT_EQ(src->Selection(), (TGridRect{1, 2, 1, 2}));
    // Beside the selection the press selects a range.
    const TRect d = src->CellRect(3, 3);
    SyntheticInput::MouseDown(src, mbLeft, TPoint{d.Left + 5, d.Top + 5});
    SyntheticInput::MouseMove(src, TPoint{d.Left + 5, d.Top - 10}, {ssLeft});
    SyntheticInput::MouseUp(src, mbLeft, TPoint{d.Left + 5, d.Top - 10});
    EXPECT_EQ(src->Selection(), (TGridRect{3, 2, 3, 3}));
    EXPECT_EQ(events.size(), 2);
}
