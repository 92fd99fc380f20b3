#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/DragSettings.h"
#include "grid/core/Filter.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/GridUnit.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/IntList.h"
#include "grid/foundation/MouseActions.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/controls/Form.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

// Counts whole-grid repaints and lets a test mark an editor change.
class CountingGrid : public TProStringGrid {
public:
    using TProStringGrid::TProStringGrid;
    int Repaints = 0;
    void Invalidate() override
    {
        const bool swallowed = FEditChange;
        TProStringGrid::Invalidate();
        if (!swallowed)
            ++Repaints;
    }
    void MarkEditorChange() { FEditChange = true; }
    void RunLoaded() { Loaded(); }
};

} // namespace

TEST(ProStringGridLifetime, MakesAndFreesWithoutAndWithAWindow)
{
    {
        TProStringGrid grid;
        EXPECT_EQ(grid.RowCount(), 10);
        EXPECT_EQ(grid.Width(), 400);
        EXPECT_EQ(grid.Height(), 250);
        EXPECT_NE(grid.FooterPanel(), nullptr);
        EXPECT_NE(grid.ArwU(), nullptr);
        EXPECT_EQ(GridLinkCursor, crHandPoint);
    }
    TForm form;
    form.SetBounds(10, 10, 500, 400);
    auto* grid = new TProStringGrid(&form);
    grid->SetParent(&form);
    form.Show();
    EXPECT_TRUE(grid->HandleAllocated());
    EXPECT_EQ(grid->FooterPanel()->Parent(), grid);
    // The 500 ms grid timer runs from window creation; the wheel is read then.
    EXPECT_TRUE(FireTimer(grid, TProStringGrid::GridTimerID));
    EXPECT_EQ(grid->WheelMsg(), WM_MOUSEWHEEL);
    EXPECT_EQ(grid->WheelScrollLines(), GetWheelScrollLines());
    delete grid;
}

TEST(ProStringGridLifetime, DefaultsThatBehaviourDependsOn)
{
    TProStringGrid g;
    EXPECT_EQ(g.DefaultRowHeight(), 22);
    EXPECT_EQ(g.FixedRowHeight(), 22);
    EXPECT_EQ(g.CheckTrue(), "Y");
    EXPECT_EQ(g.CheckFalse(), "N");
    EXPECT_EQ(g.FloatFormat(), "%.2f");
    EXPECT_EQ(g.PasswordChar(), QChar('*'));
    EXPECT_EQ(g.FilterDropDownClear(), "(All)");
    EXPECT_EQ(g.XMLEncoding(), "ISO-8859-1");
    EXPECT_EQ(g.GroupColumn(), -1);
    EXPECT_EQ(g.XYOffset(), (TPoint{2, 2}));
    EXPECT_EQ(g.SelectionColor(), TColor(0xEACAB6));
    EXPECT_EQ(g.SelectionTextColor(), clBlack);
    EXPECT_EQ(g.ActiveCellColor(), clGray);
    EXPECT_EQ(g.URLColor(), clBlue);
    EXPECT_EQ(g.Look(), glXP);
    EXPECT_EQ(g.DefaultEditor(), edNormal);
    EXPECT_EQ(g.InvalidEntryIcon(), ieWarning);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 50);
    EXPECT_EQ(g.VersionNr(), 0x06020103);
    EXPECT_EQ(g.VersionString(), "6.2.1.3 Sep, 2012");
    EXPECT_EQ(g.Version(), "6.2.1.3");
    EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F));
    EXPECT_EQ(g.QLXGradientFrom(), clWhite);
    EXPECT_EQ(g.QLXGradientTo(), ColorToRGB(clBtnFace));
    for (bool on : {g.WordWrap(), g.ShowSelection(), g.EnableHTML(), g.EnableWheel(), g.EnhRowColMove(),
                    g.FitCellsInGrid(), g.FilterNormalCellsOnly(), g.AutoFilterUpdate(), g.QuoteEmptyCells(),
                    g.SaveFixedCells(), g.SaveVirtCells(), g.SaveWithHTML(), g.LoadFirstRow(),
                    g.ShowNullDates(), g.UseDisabledFont(), g.IntelliZoom(), g.UseInternalHintClass()})
        EXPECT_TRUE(on);
    for (bool off : {g.AutoSize(), g.SizeWithForm(), g.IntegralHeight(), g.Multilinecells(), g.FixedRowAlways(),
                     g.SaveHiddenCells(), g.JavaCSV(), g.AlwaysQuotes(), g.ActiveCellShow(), g.FilterActive()})
        EXPECT_FALSE(off);
    EXPECT_EQ(g.FixedFont()->Name(), "Tahoma");
    EXPECT_TRUE(g.FixedFont()->Style().Contains(fsBold));
    EXPECT_TRUE(g.ActiveCellFont()->Style().Contains(fsBold));
    // The look passed its hover mirror colours, and no more, to the grid.
    EXPECT_EQ(g.QLXGradientHoverMirrorFrom(), clNone);
    EXPECT_EQ(g.ControlLook()->FixedGradientHoverFrom(), clGray);
    EXPECT_EQ(g.SortSettings()->Column(), -1);
    EXPECT_FALSE(g.SearchFooter()->Visible());
    EXPECT_FALSE(g.FloatingFooter()->Visible());
    EXPECT_TRUE(g.FilterList()->Sorted());
    EXPECT_EQ(g.PrintSettings()->DateFormat(), "dd/mm/yyyy");
}

TEST(ProStringGridLifetime, PropertyRules)
{
    TProStringGrid g;
    g.SetSelectionColorMixerFactor(150);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 100);
    g.SetSelectionColorMixerFactor(-5);
    EXPECT_EQ(g.SelectionColorMixerFactor(), 0);

    // Only a fixed row can show the filter buttons.
    g.SetFilterDropDownRow(1);
    EXPECT_EQ(g.FilterDropDownRow(), 0);

    // Gradient colours reach the grid as RGB; clNone leaves From alone.
    g.ControlLook()->SetFixedGradientFrom(clBtnFace);
    EXPECT_EQ(g.QLXGradientFrom(), ColorToRGB(clBtnFace));
    g.ControlLook()->SetFixedGradientFrom(clNone);
    EXPECT_EQ(g.QLXGradientFrom(), ColorToRGB(clBtnFace));

    // A grid without fixed rows has no header row to repaint.
    g.SetFixedRows(0);
    g.SortSettings()->SetColumn(2);
    g.SortSettings()->Remove();
    EXPECT_EQ(g.SortSettings()->Column(), -1);
}

TEST(ProStringGridLifetime, IntegralHeightCutsToWholeRows)
{
    TProStringGrid g;
    g.SetIntegralHeight(true);
    // 10 rows of 22 px, all columns fit, single border: 100 + 2 - (98 mod 22).
    g.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(g.Height(), 92);
}

TEST(ProStringGridLifetime, EditorChangeSwallowsOneRepaint)
{
    CountingGrid g;
    g.Repaints = 0;
    g.MarkEditorChange();
    g.Invalidate();
    EXPECT_EQ(g.Repaints, 0);
    g.Invalidate();
    EXPECT_EQ(g.Repaints, 1);
}

TEST(ProStringGridLifetime, UpdateLockingCountsOnlyWhileVisibleAndRepaintsOnce)
{
    TForm form;
    form.SetBounds(10, 10, 500, 400);
    auto* g = new CountingGrid(&form);
    g->SetParent(&form);
    g->SetVisible(false);
    g->BeginUpdate();
    EXPECT_FALSE(g->LockUpdate());

    g->SetVisible(true);
    form.Show();
    g->BeginUpdate();
    g->BeginUpdate();
    EXPECT_TRUE(g->LockUpdate());
    g->Repaints = 0;
    g->EndUpdate();
    EXPECT_EQ(g->Repaints, 0);
    g->EndUpdate();
    EXPECT_FALSE(g->LockUpdate());
    EXPECT_EQ(g->Repaints, 1);
    g->EndUpdate();
    EXPECT_EQ(g->UpdateCount(), 0);

    g->StartUpdate();
    EXPECT_TRUE(g->LockUpdate());
    g->ResetUpdate();
    EXPECT_FALSE(g->LockUpdate());
}

TEST(ProStringGridLifetime, FormResizeHandlerIsKeptAndGivenBack)
{
    {
        // An owner that is no form gets no handler.
        TComponent owner;
        auto* g = new TProStringGrid(&owner);
        (void)g;
    }
    TForm form;
    form.SetBounds(10, 10, 500, 400);
    {
        auto* g = new TProStringGrid(&form);
        EXPECT_TRUE(bool(form.OnResize));
        delete g;
        EXPECT_FALSE(bool(form.OnResize));
    }
    int own = 0;
    form.OnResize = [&](TObject*) {
        ++own;
        throw Exception("in the form's handler");
    };
    auto* g = new TProStringGrid(&form);
    g->SetParent(&form);
    g->SetSizeWithForm(true);
    form.Show();
    const int w = g->Width();
    const int h = g->Height();
    form.SetBounds(10, 10, 540, 420);
    EXPECT_EQ(g->Width(), w + 40);
    EXPECT_EQ(g->Height(), h + 20);
    EXPECT_GE(own, 1);
    // The form has its own handler back.
    delete g;
    own = 0;
    EXPECT_THROW(form.OnResize(&form), Exception);
    EXPECT_EQ(own, 1);
}

TEST(ProStringGridLifetime, LoadedTakesAlwaysShowEditorOver)
{
    CountingGrid g;
    TGridOptions o = g.Options();
    o += goAlwaysShowEditor;
    g.SetOptions(o);
    g.RunLoaded();
    EXPECT_TRUE(g.Navigation()->AlwaysEdit());
    EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
}

TEST(ProStringGridLifetime, AssignCopiesTheListedMembers)
{
    TProStringGrid src, dst;
    src.SetColCount(3);
    src.SetRowCount(4);
    src.SetColWidths(2, 90);
    src.SetRowHeights(3, 40);
    src.SetActiveCellColor(clRed);
    src.SetFixedRowAlways(true);
    src.SetInvalidEntryTitle("Bad");
    src.SortSettings()->SetColumn(1);
    src.Bands()->SetActive(true);
    src.MouseActions()->SetDirectEdit(true);
    src.ColumnHeaders()->Add("Name");
    src.SetCells(1, 2, "cell");
    src.SetSelectionTextColor(clRed);
    src.SetURLShow(true);

    dst.Assign(&src);
    EXPECT_EQ(dst.ColCount(), 3);
    EXPECT_EQ(dst.RowCount(), 4);
    EXPECT_EQ(dst.ColWidths(2), 90);
    EXPECT_EQ(dst.RowHeights(3), 40);
    EXPECT_EQ(dst.ActiveCellColor(), clRed);
    EXPECT_TRUE(dst.FixedRowAlways());
    EXPECT_EQ(dst.InvalidEntryTitle(), "Bad");
    EXPECT_EQ(dst.SortSettings()->Column(), 1);
    EXPECT_TRUE(dst.Bands()->Active());
    EXPECT_TRUE(dst.MouseActions()->DirectEdit());
    EXPECT_EQ(dst.ColumnHeaders()->Strings(0), "Name");
    EXPECT_EQ(dst.Cells(1, 2), "cell");
    // Not in the list.
    EXPECT_EQ(dst.SelectionTextColor(), clBlack);
    EXPECT_FALSE(dst.URLShow());

    // Anything but a string grid is ignored.
    TStringList other;
    EXPECT_NO_THROW(dst.Assign(&other));
    EXPECT_EQ(dst.RowCount(), 4);
}

TEST(ProStringGridLifetime, NotifiersHearOfChangedCells)
{
    struct Recorder : TGridChangeNotifier {
        QList<TRect> Heard;
        void CellsChanged(const TRect& R) override { Heard << R; }
    } notifier;
    TProStringGrid g;
    QList<TRect> events;
    g.OnCellsChanged = [&](TObject*, const TRect& R) { events << R; };
    g.RegisterNotifier(&notifier);
    g.RegisterNotifier(&notifier);
    g.CellsChanged(TRect{1, 2, 3, 4});
    g.UnRegisterNotifier(&notifier);
    g.CellsChanged(TRect{0, 0, 1, 1});
    EXPECT_EQ(notifier.Heard.size(), 1);
    EXPECT_EQ(events.size(), 2);
}
