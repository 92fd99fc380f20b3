#include "grid/foundation/Bands.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

TEST(SearchFooter, DefaultsWithAndWithoutDesignTexts)
{
    TSearchFooter run(nullptr, false);
    for (const QString& s : {run.FindNextCaption(), run.FindPrevCaption(), run.HighLightCaption(),
                             run.MatchCaseCaption(), run.HintClose(), run.HintFindNext(), run.HintFindPrev(),
                             run.HintHighlight()})
        EXPECT_TRUE(s.isEmpty());
    EXPECT_TRUE(run.ShowClose() && run.ShowFindNext() && run.ShowFindPrev() && run.ShowHighLight() &&
                run.ShowMatchCase() && run.AutoSearch());
    EXPECT_FALSE(run.Visible() || run.AutoThemeAdapt() || run.AlwaysHighLight());
    EXPECT_EQ(run.SearchColumn(), -1);
    EXPECT_EQ(run.Color(), 0xFFFFFF);
    EXPECT_EQ(run.ColorTo(), clBtnFace);
    EXPECT_EQ(run.SearchDirection(), sdTopBottom);

    TSearchFooter design(nullptr, true);
    EXPECT_EQ(design.FindNextCaption(), QStringLiteral("Find &next"));
    EXPECT_EQ(design.FindPrevCaption(), QStringLiteral("Find &previous"));
    EXPECT_EQ(design.HintHighlight(), QStringLiteral("Highlight occurrences"));
    EXPECT_EQ(design.MatchCaseCaption(), QStringLiteral("Match case"));
}

TEST(SearchFooter, WhichSettersNotify)
{
    TSearchFooter f(nullptr, false);
    int changes = 0;
    f.OnChange = [&](TObject*) { ++changes; };
    f.SetShowClose(true);     // every write
    f.SetShowFindNext(true);  // only a change
    f.SetVisible(false);
    f.SetSearchColumn(3);     // plain
    f.SetLastSearch(QStringLiteral("x"));
    EXPECT_EQ(changes, 1);
    f.SetColor(0xFFFFFF);
    f.SetVisible(true);
    EXPECT_EQ(changes, 3);
}

TEST(SearchFooter, AssignLeavesOutSearchStateAndTheme)
{
    TSearchFooter src(nullptr, true);
    src.SetVisible(true);
    src.SetColor(0x123456);
    src.SetSearchColumn(4);
    src.SetSearchDirection(sdLeftRight);
    src.SetAutoSearch(false);
    src.SetSearchFixedCells(true);
    src.SetAutoThemeAdapt(true);
    src.SetLastSearch(QStringLiteral("abc"));
    src.Font()->SetSize(14);

    TSearchFooter dst(nullptr, false);
    int changes = 0;
    dst.OnChange = [&](TObject*) { ++changes; };
    dst.Assign(&src);
    EXPECT_EQ(changes, 0);
    EXPECT_TRUE(dst.Visible());
    EXPECT_EQ(dst.Color(), 0x123456);
    EXPECT_EQ(dst.SearchColumn(), 4);
    EXPECT_EQ(dst.SearchDirection(), sdLeftRight);
    EXPECT_EQ(dst.FindNextCaption(), QStringLiteral("Find &next"));
    EXPECT_EQ(dst.Font()->Size(), 14);
    EXPECT_TRUE(dst.AutoSearch());
    EXPECT_FALSE(dst.SearchFixedCells() || dst.AutoThemeAdapt());
    EXPECT_TRUE(dst.LastSearch().isEmpty());
}

TEST(Navigation, DefaultsAndAdvanceAuto)
{
    TNavigation n;
    EXPECT_TRUE(n.AdvanceOnEnterLoop() && n.AdvanceAutoEdit() && n.AdvanceSkipReadOnlyCells() &&
                n.AllowCtrlEnter() && n.AllowClipboardRowGrow() && n.AllowClipboardColGrow() &&
                n.EditSelectAll() && n.ComboGetUpDown() && n.CursorWalkAlwaysEdit() && n.LeftRightRowSelect() &&
                n.CopyHTMLTagsToClipboard() && n.SkipFixedCells() && n.SkipDisabledRows());
    EXPECT_FALSE(n.AdvanceOnEnter() || n.AllowFmtClipboard() || n.AlwaysEdit() || n.TabToNextAtEnd());
    EXPECT_EQ(n.ClipboardPasteAction(), paReplace);
    EXPECT_EQ(n.HomeEndKey(), heFirstLastColumn);

    int changes = 0;
    n.OnChange = [&](TObject*) { ++changes; };
    n.SetAdvanceAuto(true);
    EXPECT_TRUE(n.AdvanceOnEnter());
    n.SetAdvanceAuto(false);
    EXPECT_TRUE(n.AdvanceOnEnter());
    n.SetAdvanceDirection(adLeftRight);
    n.SetAdvanceDirection(adTopBottom);
    n.SetAdvanceInsert(true);
    n.SetAlwaysEdit(true);
    EXPECT_EQ(changes, 2);
}

TEST(Navigation, AssignCopiesEachToItsOwnCounterpartButKeepScrollOnSort)
{
    TNavigation src;
    src.SetAdvanceDirection(adTopBottom);
    src.SetTabAdvanceDirection(adLeftRightInRow);
    src.SetKeepScrollOnSort(true);
    src.SetAllowFmtClipboard(true);
    src.SetSkipFixedCells(false);
    TNavigation dst;
    int changes = 0;
    dst.OnChange = [&](TObject*) { ++changes; };
    dst.Assign(&src);
    EXPECT_EQ(dst.AdvanceDirection(), adTopBottom);
    EXPECT_EQ(dst.TabAdvanceDirection(), adLeftRightInRow);
    EXPECT_TRUE(dst.AllowFmtClipboard());
    EXPECT_FALSE(dst.SkipFixedCells());
    EXPECT_FALSE(dst.KeepScrollOnSort());
    EXPECT_EQ(changes, 0);
}

TEST(MouseActions, HotmailRowSelectAndEditOnDblClickOnly)
{
    TMouseActions m(nullptr);
    int invalidates = 0, disables = 0;
    m.OnInvalidate = [&](TObject*) { ++invalidates; };
    m.OnDisableEdit = [&](TObject*) { ++disables; };
    m.SetHotmailRowSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect() && m.CheckAllCheck());
    m.SetHotmailRowSelect(false);
    EXPECT_TRUE(m.DisjunctRowSelect() && m.CheckAllCheck());
    EXPECT_EQ(invalidates, 2);
    m.SetEditOnDblClickOnly(false);
    m.SetEditOnDblClickOnly(true);
    EXPECT_EQ(disables, 1);
}

TEST(MouseActions, DisjunctSelectionsExcludeEachOtherOnlyInDesignMode)
{
    TMouseActions m(nullptr);
    m.SetDisjunctRowSelect(true);
    m.SetDisjunctColSelect(true);
    m.SetDisjunctCellSelect(true);
    EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctColSelect() && m.DisjunctCellSelect());

    m.OnIsDesigning = [](TObject*, bool& d) { d = true; };
    m.SetDisjunctCellSelect(true);
    EXPECT_FALSE(m.DisjunctRowSelect() || m.DisjunctColSelect());
    m.SetDisjunctRowSelectDirect(true);
    EXPECT_TRUE(m.DisjunctCellSelect());
    m.SetDisjunctColSelect(false);
    EXPECT_TRUE(m.DisjunctRowSelect() && m.DisjunctCellSelect());
}

TEST(MouseActions, DefaultsWheelActionAndAssignExclusions)
{
    TMouseActions src(nullptr);
    EXPECT_TRUE(src.AutoSizeColOnDblClick() && src.PreciseNodeClick());
    EXPECT_EQ(src.FixedRowsEdit(), fceNone);
    EXPECT_EQ(src.FixedColsEditor(), fceEdit);
    EXPECT_EQ(src.WheelAction(), waMoveSelection);

    int changes = 0;
    src.OnChange = [&](TObject*) { ++changes; };
    src.SetWheelAction(waMoveSelection);
    src.SetWheelAction(waScroll);
    EXPECT_EQ(changes, 1);

    src.SetSizeFixedRow(true);
    src.SetSizeFixedCol(true);
    src.SetHotmailRowSelect(true);
    src.SetEditOnDblClickOnly(true);
    src.SetWheelIncrement(3);
    src.SetFixedColsEdit(fceDblClick);
    TStringList values;
    values.Add(QStringLiteral("a"));
    src.SetFixedComboValues(&values);
    values.Add(QStringLiteral("b"));
    EXPECT_EQ(src.FixedComboValues()->Count(), 1);

    TMouseActions dst(nullptr);
    dst.Assign(&src);
    EXPECT_TRUE(dst.SizeFixedCol() && dst.DisjunctRowSelect() && dst.CheckAllCheck());
    EXPECT_FALSE(dst.SizeFixedRow() || dst.HotmailRowSelect() || dst.EditOnDblClickOnly());
    EXPECT_EQ(dst.WheelAction(), waScroll);
    EXPECT_EQ(dst.WheelIncrement(), 3);
    EXPECT_EQ(dst.FixedColsEdit(), fceDblClick);
    EXPECT_EQ(dst.FixedComboValues()->Count(), 0);
}

TEST(Bands, LengthsEventsAndAssign)
{
    TBands b;
    EXPECT_EQ(b.PrimaryColor(), clInfoBk);
    EXPECT_EQ(b.SecondaryColor(), clWindow);
    EXPECT_EQ(b.TotalLength(), 2);
    int changes = 0;
    b.OnChange = [&](TObject*) { ++changes; };
    b.SetPrimaryLength(3);
    b.SetPrimaryColor(clRed);
    EXPECT_EQ(b.TotalLength(), 4);
    EXPECT_EQ(changes, 0);
    b.SetActive(true);
    b.SetSecondaryColor(clBlue);
    b.SetSecondaryColor(clBlue);
    EXPECT_EQ(changes, 2);

    TBands src;
    src.SetPrimaryLength(2);
    src.SetSecondaryLength(5);
    src.SetPrint(true);
    b.Assign(&src);
    EXPECT_EQ(b.TotalLength(), 7);
    EXPECT_TRUE(b.Print());
    EXPECT_FALSE(b.Active());
    EXPECT_EQ(changes, 2);
}
