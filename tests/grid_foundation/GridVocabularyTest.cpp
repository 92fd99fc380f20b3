#include "grid/foundation/GridEvents.h"
#include "grid/foundation/ObjStringGrid.h"
#include "grid/foundation/SyncGrid.h"
#include <gtest/gtest.h>
#include <memory>

// Stored ordinals: a reordered list would corrupt what the grid saved.
static_assert(edComboList == 3 && edDataCheckBox == 10 && edNone == 27 && edMaskEditBtn == 42);
static_assert(ssShortDateUS == 7 && ssHTML == 13 && ssAlphaNumericNoCase == 19);
static_assert(ssOffice2007 == 3 && hcSelected == 2 && acSTDDEV == 9);
static_assert(fceRightClick == 3 && fceComboList == 2 && adTopBottomInCol == 3 && caLoop == 2);
static_assert(GradientHorizontal == 1 && vtaBottom == 2 && arrRight == 3 && cbBottom == 3);

TEST(GridVocabulary, EventsPassRowAndColumnInTheirOwnOrder)
{
    int first = -1, second = -1;
    TClickCellEvent click = [&](TObject*, int ARow, int ACol) { first = ARow, second = ACol; };
    click(nullptr, 4, 7);
    EXPECT_EQ(first, 4);
    EXPECT_EQ(second, 7);

    TGetEditorTypeEvent editor = [](TObject*, int ACol, int ARow, TEditorType& AEditor) {
        AEditor = ACol == 2 && ARow == 5 ? edComboList : edNormal;
    };
    TEditorType ed = edNormal;
    editor(nullptr, 2, 5, ed);
    EXPECT_EQ(ed, edComboList);
}

TEST(SyncGrid, StartsEmptyAndRefusesItsOwnGrid)
{
    auto owner = std::make_unique<TObjStringGrid>(nullptr);
    auto other = std::make_unique<TObjStringGrid>(nullptr);
    TSyncGrid sync(owner.get());
    EXPECT_EQ(sync.Grid(), nullptr);
    EXPECT_FALSE(sync.ScrollVertical() || sync.ScrollHorizontal() || sync.SelectionColumn() ||
                 sync.SelectionRow() || sync.MoveColumn() || sync.MoveRow());

    sync.SetGrid(other.get());
    sync.SetGrid(owner.get());
    EXPECT_EQ(sync.Grid(), other.get());
    sync.SetGrid(nullptr);
    EXPECT_EQ(sync.Grid(), nullptr);
}

TEST(SyncGrid, AssignCopiesEverySettingThroughTheOwnerRule)
{
    auto a = std::make_unique<TObjStringGrid>(nullptr);
    auto b = std::make_unique<TObjStringGrid>(nullptr);
    TSyncGrid source(a.get());
    source.SetGrid(b.get());
    source.SetScrollVertical(true);
    source.SetSelectionRow(true);
    source.SetMoveColumn(true);

    TSyncGrid copy(nullptr);
    copy.Assign(&source);
    EXPECT_EQ(copy.Grid(), b.get());
    EXPECT_TRUE(copy.ScrollVertical() && copy.SelectionRow() && copy.MoveColumn());
    EXPECT_FALSE(copy.ScrollHorizontal() || copy.SelectionColumn() || copy.MoveRow());

    // The grid of the source is the owner of the target: not taken.
    TSyncGrid ownedByB(b.get());
    ownedByB.Assign(&source);
    EXPECT_EQ(ownedByB.Grid(), nullptr);
    EXPECT_TRUE(ownedByB.ScrollVertical());
}

TEST(SyncGrid, AssignFromAnotherClassChangesNothing)
{
    TSyncGrid sync(nullptr);
    sync.SetMoveRow(true);
    TFocusHelper helper(nullptr);
    helper.SetEnabled(true);

    sync.Assign(&helper);
    EXPECT_TRUE(sync.MoveRow());
    helper.Assign(&sync);
    EXPECT_TRUE(helper.Enabled());

    TFocusHelper other(nullptr);
    other.Assign(&helper);
    EXPECT_TRUE(other.Enabled());
}
