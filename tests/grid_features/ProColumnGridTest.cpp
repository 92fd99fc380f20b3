// The column grid: one item per real column, headers, the per-cell
// questions answered from the items, moves, sizes and the column menu.
#include "../support/QStringPrinter.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ControlLook.h"
#include "grid/core/Filter.h"
#include "grid/core/GridEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/features/ProColumnGrid.h"
#include "grid/foundation/Bands.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/StringList.h"
#include <gtest/gtest.h>

namespace {

// Eight columns, one fixed column and row.
void Make8(TProColumnGrid& g)
{
    g.SetColCount(8);
    g.SetRowCount(5);
}

QStringList Headers(TProColumnGrid& g)
{
    QStringList h;
    for (int i = 0; i < g.ColumnHeaders()->Count(); ++i)
        h << g.ColumnHeaders()->Strings(i);
    return h;
}

class TRecordingMenu : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    void Popup(int X, int Y) override { Shown.push_back(TPoint{X, Y}); }
    std::vector<TPoint> Shown;
};

} // namespace

TEST(ProColumnGrid, OneItemPerRealColumnHiddenOnesIncluded)
{
    TProColumnGrid g;
    Make8(g);
    ASSERT_EQ(g.Columns()->Count(), 8);
    g.Columns()->Items(6)->SetName("swap");
    g.HideColumn(6);
    EXPECT_EQ(g.ColCount(), 7);
    EXPECT_EQ(g.Columns()->Count(), 8);
    EXPECT_EQ(g.GetColumnByName("swap"), g.Columns()->Items(6));
    EXPECT_EQ(g.GetColumnByName("Swap"), nullptr);
    EXPECT_EQ(g.ColumnItem(8), nullptr);
    // Writing the count adds and frees items at the end.
    g.SetColCount(9);
    EXPECT_EQ(g.Columns()->Count(), 10);
    EXPECT_EQ(g.Columns()->Items(6)->Name(), "swap");
}

TEST(ProColumnGrid, GrowingCopiesTheLastItemsVisualsOnly)
{
    TProColumnGrid g;
    Make8(g);
    g.SetColor(TColor(0x102030));
    TGridColumnItem* last = g.Columns()->Items(7);
    last->SetColor(clYellow);
    last->Font()->SetName("Courier New");
    last->SetEditor(edComboList);
    last->SetReadOnly(true);
    last->SetHeader("Seven");
    last->ComboItems()->Add("a");
    last->SetDropDownCount(3);
    last->SetTag(7);
    last->SetAlignment(taRightJustify);
    g.SetColCount(10);
    ASSERT_EQ(g.Columns()->Count(), 10);
    for (int i : {8, 9}) {
        TGridColumnItem* item = g.Columns()->Items(i);
        EXPECT_EQ(item->Editor(), edComboList) << i;
        EXPECT_TRUE(item->ReadOnly()) << i;
        EXPECT_EQ(item->Alignment(), taRightJustify) << i;
        EXPECT_EQ(item->Color(), TColor(0x102030)) << i;
        EXPECT_EQ(item->Font()->Name(), g.Font()->Name()) << i;
        EXPECT_EQ(item->Header(), "") << i;
        EXPECT_EQ(item->ComboItems()->Count(), 0) << i;
        EXPECT_EQ(item->DropDownCount(), 8) << i;
        EXPECT_EQ(item->Tag(), 0) << i;
        // A new column's default position is its own.
        EXPECT_EQ(item->DefIdx, i) << i;
    }
    g.SetColCount(8);
    EXPECT_EQ(g.Columns()->Count(), 8);
}

TEST(ProColumnGrid, AddingAnItemGrowsTheGridAndDeletingOneShrinksIt)
{
    TProColumnGrid g;
    g.SetColCount(3);
    g.Columns()->Add();
    EXPECT_EQ(g.ColCount(), 4);
    g.Columns()->Delete(3);
    g.Columns()->Delete(2);
    EXPECT_EQ(g.ColCount(), 2);
    // Never down to the fixed columns alone.
    g.Columns()->Delete(1);
    EXPECT_EQ(g.ColCount(), 2);
}

TEST(ProColumnGrid, HeadersGoIntoRowZeroAndTheHeaderList)
{
    TProColumnGrid g;
    g.SetColCount(4);
    g.SetCells(3, 0, "typed");
    g.Columns()->Items(1)->SetHeader("Data Type");
    EXPECT_EQ(g.Cells(1, 0), "Data Type");
    // An item without a header takes its column's row-0 text; the other
    // row-0 texts stay.
    EXPECT_EQ(Headers(g), QStringList({"", "Data Type", "", "typed"}));
    EXPECT_EQ(g.Cells(3, 0), "typed");
    EXPECT_EQ(g.Columns()->Items(3)->Header(), "typed");
    // The list set as a whole goes back into the items.
    TStringList list;
    list.AddStrings(QStringList({"N", "A", "B"}));
    g.SetColumnHeaders(&list);
    EXPECT_EQ(g.Columns()->Items(2)->Header(), "B");
    EXPECT_EQ(g.Cells(2, 0), "B");
    // Without fixed rows nothing is written into row 0.
    TProColumnGrid n;
    n.SetColCount(3);
    n.SetFixedRows(0);
    n.Columns()->Items(1)->SetHeader("H");
    EXPECT_EQ(n.Cells(1, 0), "");
    EXPECT_EQ(n.Columns()->Items(1)->DisplayName(), "Column 1");
    n.Columns()->Items(1)->SetName("unit");
    EXPECT_EQ(n.Columns()->Items(1)->DisplayName(), "Col 1: unit");
}

TEST(ProColumnGrid, ColumnFloatFormatLeavesTheGridsFormatAlone)
{
    TProColumnGrid g;
    g.SetColCount(4);
    g.Columns()->Items(2)->SetFloatFormat("%.2f");
    struct Case {
        const char* Text;
        const char* Shown;
    };
    for (const Case& c : {Case{"3.14159", "3.14"}, Case{"42", "42.00"}, Case{"abc", "abc"}, Case{"1e3", "1e3"},
                          Case{"", ""}}) {
        g.SetCells(2, 1, c.Text);
        EXPECT_EQ(g.GetFormattedCell(2, 1), c.Shown) << c.Text;
    }
    // Columns without a format show their text as it is.
    g.SetCells(1, 1, "3.14159");
    EXPECT_EQ(g.GetFormattedCell(1, 1), "3.14159");
    g.Columns()->Items(3)->SetFloatFormat("%.3f");
    TEditorType editor = edNormal;
    g.GetCellEditor(3, 1, editor);
    EXPECT_EQ(g.FloatFormat(), "%.2f");
    // The column's format writes its numbers; other columns the grid's.
    g.SetFloats(3, 1, 1.5);
    g.SetFloats(1, 2, 1.5);
    EXPECT_EQ(g.Cells(3, 1), "1.500");
    EXPECT_EQ(g.Cells(1, 2), "1.50");
    // The float-format event may change both answers.
    g.OnGetFloatFormat = [](TObject*, int, int, bool& IsFloat, QString& Fmt) {
        IsFloat = true;
        Fmt = "%.1f";
    };
    g.SetCells(2, 1, "2.24");
    EXPECT_EQ(g.GetFormattedCell(2, 1), "2.2");
}

TEST(ProColumnGrid, SizesStayWithinTheColumnsLimits)
{
    TProColumnGrid g;
    g.SetColCount(4);
    TGridColumnItem* item = g.Columns()->Items(1);
    item->SetMinSize(50);
    int w = 20;
    g.UpdateColSize(1, w);
    EXPECT_EQ(w, 50);
    w = 400;
    g.UpdateColSize(1, w);
    EXPECT_EQ(w, 400);
    item->SetMaxSize(120);
    g.UpdateColSize(1, w);
    EXPECT_EQ(w, 120);
    item->SetAutoMinSize(30);
    item->SetAutoMaxSize(60);
    w = 10;
    g.UpdateAutoColSize(1, w);
    EXPECT_EQ(w, 30);
    w = 90;
    g.UpdateAutoColSize(1, w);
    EXPECT_EQ(w, 60);
    // The width is the grid's, both ways.
    item->SetWidth(77);
    EXPECT_EQ(g.ColWidths(1), 77);
    g.SetColWidths(1, 88);
    EXPECT_EQ(item->Width(), 88);
    TGridColumnItem detached;
    EXPECT_EQ(detached.Width(), 0);
}

TEST(ProColumnGrid, EditingByColumn)
{
    TProColumnGrid g;
    g.SetColCount(6);
    // Without the grid's editing option: columns decide.
    g.Columns()->Items(2)->SetReadOnly(true);
    g.Columns()->Items(3)->SetFixed(true);
    g.SetReadOnly(4, 2, true);
    auto can = [&](int c, int r) {
        bool e = true;
        g.CanEditCell(c, r, e);
        return e;
    };
    EXPECT_TRUE(can(1, 1));
    EXPECT_FALSE(can(2, 1));
    EXPECT_FALSE(can(3, 1));
    EXPECT_FALSE(can(4, 2));
    EXPECT_TRUE(can(4, 1));
    EXPECT_FALSE(can(0, 1));
    EXPECT_FALSE(can(1, 0));
    g.SetOptions(g.Options() + goEditing);
    EXPECT_FALSE(can(2, 1));
    // The event hears of the base cell of a merged range and has the last word.
    g.MergeCells(4, 3, 2, 1);
    std::vector<TPoint> asked;
    g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool& CanEdit) {
        asked.push_back(TPoint{ACol, ARow});
        CanEdit = CanEdit && ACol != 5;
    };
    EXPECT_TRUE(can(5, 3));
    EXPECT_FALSE(can(5, 1));
    EXPECT_EQ(asked.front(), (TPoint{4, 3}));
    // A fixed column is fixed for the string grid too.
    bool fixed = false;
    g.IsFixedCell(3, 1, fixed);
    EXPECT_TRUE(fixed);
    EXPECT_TRUE(g.IsFixed(3, 2));
    EXPECT_FALSE(g.IsFixed(2, 2));
}

TEST(ProColumnGrid, EditorComboAndCheckTextsByColumn)
{
    TProColumnGrid g;
    g.SetColCount(6);
    g.SetRowCount(4);
    g.SetFixedFooters(1);
    const TEditorType kinds[] = {edNormal, edNormal, edComboList, edComboEdit, edDataCheckBox, edSpinEdit};
    for (int c = 0; c < 6; ++c)
        g.Columns()->Items(c)->SetEditor(kinds[c]);
    g.Columns()->Items(2)->SetDropDownCount(12);
    g.Columns()->Items(4)->SetCheckTrue("on");
    g.Columns()->Items(4)->SetCheckFalse("off");
    struct Case {
        int Col, Row;
        TEditorType Editor;
        bool Combo;
        const char* True;
    };
    const Case cases[] = {
        {1, 1, edNormal, false, "Y"},       {2, 1, edComboList, true, "Y"}, {3, 2, edComboEdit, true, "Y"},
        {4, 1, edDataCheckBox, false, "on"}, {5, 1, edSpinEdit, false, "Y"},
        // Header and footer rows keep the grid's answers.
        {2, 0, edNormal, false, "Y"},        {4, 3, edDataCheckBox, false, "Y"},
    };
    for (const Case& c : cases) {
        TEditorType editor = edNormal;
        g.GetCellEditor(c.Col, c.Row, editor);
        EXPECT_EQ(editor, c.Row == 0 ? edNormal : c.Editor) << c.Col << "," << c.Row;
        EXPECT_EQ(g.HasComboBox(c.Col, c.Row), c.Combo) << c.Col << "," << c.Row;
        QString t;
        g.GetCheckTrue(c.Col, c.Row, t);
        EXPECT_EQ(t, c.True) << c.Col << "," << c.Row;
    }
    // The shared drop-down and spin editors take the column's list and range.
    g.Columns()->Items(2)->ComboItems()->AddStrings(QStringList{"Analog Input", "Binary Value"});
    g.Columns()->Items(3)->ComboItems()->Add("$VALUE$");
    g.Columns()->Items(5)->SetSpinMin(-3);
    g.Columns()->Items(5)->SetSpinMax(9);
    g.Columns()->Items(5)->SetSpinStep(2);
    TEditorType editor = edNormal;
    g.GetCellEditor(3, 1, editor);
    EXPECT_EQ(g.Combobox()->Items()->Text(), "$VALUE$\r\n");
    g.GetCellEditor(5, 1, editor);
    EXPECT_EQ(g.SpinEdit()->MinValue(), -3);
    EXPECT_EQ(g.SpinEdit()->MaxValue(), 9);
    EXPECT_EQ(g.SpinEdit()->Increment(), 2);
    g.GetCellEditor(2, 1, editor);
    EXPECT_EQ(g.Combobox()->Items()->Text(), "Analog Input\r\nBinary Value\r\n");
    EXPECT_EQ(g.ControlLook()->DropDownCount(), 12);
    QString f;
    g.GetCheckFalse(4, 2, f);
    EXPECT_EQ(f, "off");
    // The events still have the last word.
    g.OnHasComboBox = [](TObject*, int ACol, int, bool& Has) { Has = Has || ACol == 1; };
    g.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& E) {
        if (ACol == 5)
            E = edFloat;
    };
    EXPECT_TRUE(g.HasComboBox(1, 1));
    editor = edNormal;
    g.GetCellEditor(5, 1, editor);
    EXPECT_EQ(editor, edFloat);
}

TEST(ProColumnGrid, LookByColumn)
{
    TProColumnGrid g;
    g.SetColCount(4);
    g.SetRowCount(5);
    g.SetFixedColor(clBtnFace);
    TGridColumnItem* item = g.Columns()->Items(1);
    item->SetColor(TColor(0xFEFAE0));
    item->Font()->SetColor(clNavy);
    item->HeaderFont()->SetStyle(TFontStyles{} + fsBold);
    item->SetAlignment(taRightJustify);
    item->SetHeaderAlignment(taCenter);
    item->SetBorders(TCellBorders{} + cbBottom);
    item->BorderPen()->SetWidth(2);
    item->SetPassword(true);
    auto look = [&](int c, int r, TColor& Brush, TFont& Font) {
        TBrush brush;
        brush.SetColor(clWhite);
        g.GetCellColor(c, r, {}, &brush, &Font);
        Brush = brush.Color();
    };
    TColor brush;
    TFont font;
    look(1, 2, brush, font);
    EXPECT_EQ(brush, TColor(0xFEFAE0));
    EXPECT_EQ(font.Color(), clNavy);
    TFont header;
    look(1, 0, brush, header);
    EXPECT_EQ(brush, clWhite);
    EXPECT_TRUE(header.Style().Contains(fsBold));
    // Banding wins over the column's colour only where the column shows bands.
    g.Bands()->SetActive(true);
    item->SetShowBands(true);
    look(1, 2, brush, font);
    EXPECT_EQ(brush, clWhite);
    item->SetFixed(true);
    look(1, 2, brush, font);
    EXPECT_EQ(brush, clBtnFace);
    item->SetFixed(false);
    item->SetShowBands(false);
    // A colour of the cell's own wins.
    g.SetColors(1, 3, clRed);
    look(1, 3, brush, font);
    EXPECT_EQ(brush, clRed);

    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    g.GetCellAlignment(1, 2, ha, va);
    EXPECT_EQ(ha, taRightJustify);
    g.GetCellAlignment(1, 0, ha, va);
    EXPECT_EQ(ha, taCenter);
    TPen pen;
    TCellBorders borders;
    g.GetCellBorder(1, 2, &pen, borders);
    EXPECT_EQ(borders, TCellBorders{} + cbBottom);
    EXPECT_EQ(pen.Width(), 2);
    borders = {};
    g.GetCellBorder(1, 0, &pen, borders);
    EXPECT_TRUE(borders.Empty());
    bool password = false;
    g.IsPasswordCell(1, 3, password);
    EXPECT_TRUE(password);
    // A new cell-properties record starts with the column's look.
    EXPECT_EQ(g.CellProperties(1, 4)->Alignment(), taRightJustify);
    EXPECT_EQ(g.CellProperties(1, 4)->BrushColor(), TColor(0xFEFAE0));
    // Sorting asks the column.
    item->SetSortStyle(ssNumeric);
    item->SetSortPrefix("$");
    TSortStyle style = ssAutomatic;
    QString prefix, suffix;
    g.GetSortFormat(1, style, prefix, suffix);
    EXPECT_EQ(style, ssNumeric);
    EXPECT_EQ(prefix, "$");
}

TEST(ProColumnGrid, PrintLookByColumn)
{
    TProColumnGrid g;
    g.SetColCount(4);
    TGridColumnItem* item = g.Columns()->Items(2);
    item->SetPrintColor(clSilver);
    item->PrintFont()->SetName("Courier New");
    item->SetPrintBorders(TCellBorders{} + cbLeft);
    TBrush brush;
    TFont font;
    g.GetCellPrintColor(2, 1, {}, &brush, &font);
    EXPECT_EQ(brush.Color(), clSilver);
    EXPECT_EQ(font.Name(), "Courier New");
    g.SetFontColors(2, 2, clRed);
    g.GetCellPrintColor(2, 2, {}, &brush, &font);
    EXPECT_EQ(font.Color(), clRed);
    item->SetPrintFontCustom(false);
    g.GetCellPrintColor(2, 1, {}, &brush, &font);
    EXPECT_EQ(font.Name(), g.PrintSettings()->Font()->Name());
    TPen pen;
    TCellBorders borders;
    g.GetCellPrintBorder(2, 1, &pen, borders);
    EXPECT_EQ(borders, TCellBorders{} + cbLeft);
    item->SetPrintBorderCustom(false);
    borders = {};
    g.GetCellPrintBorder(2, 1, &pen, borders);
    EXPECT_TRUE(borders.Empty());
}

TEST(ProColumnGrid, MovedColumnsTakeTheirSettingsAlong)
{
    TProColumnGrid g;
    g.SetColCount(7);
    TGridColumnItem* moved = g.Columns()->Items(2);
    moved->SetEditor(edComboList);
    moved->ComboItems()->Add("x");
    moved->SetHeader("Two");
    moved->SetColumnPopupType(cpAllCellsLClick);
    moved->SetPrintFontCustom(false);
    g.Columns()->Items(5)->SetHeader("Five");
    g.SetCells(2, 1, "cell");
    std::vector<TPoint> after;
    g.OnAfterColumnMoved = [&](TObject*, int From, int To) { after.push_back(TPoint{From, To}); };
    g.MoveColumn(2, 5);
    ASSERT_EQ(g.Columns()->Count(), 7);
    TGridColumnItem* item = g.Columns()->Items(5);
    EXPECT_EQ(item->Editor(), edComboList);
    EXPECT_EQ(item->ComboItems()->Strings(0), "x");
    EXPECT_EQ(item->Header(), "Two");
    EXPECT_EQ(item->ColumnPopupType(), cpAllCellsLClick);
    EXPECT_FALSE(item->PrintFontCustom());
    EXPECT_EQ(item->DefIdx, 2);
    EXPECT_EQ(g.Columns()->Items(4)->Header(), "Five");
    EXPECT_EQ(g.Cells(5, 1), "cell");
    EXPECT_EQ(g.Cells(5, 0), "Two");
    EXPECT_EQ(after, (std::vector<TPoint>{{2, 5}}));
    // Hiding keeps the settings with their column.
    g.HideColumn(1);
    TEditorType editor = edNormal;
    g.GetCellEditor(5, 1, editor);
    EXPECT_EQ(editor, edComboList);
    EXPECT_TRUE(g.HasComboBox(5, 1));
}

TEST(ProColumnGrid, InsertedAndRemovedColumnsTakeTheirItems)
{
    TProColumnGrid g;
    g.SetColCount(5);
    for (int c = 0; c < 5; ++c)
        g.Columns()->Items(c)->SetTag(c);
    g.InsertCols(2, 2);
    ASSERT_EQ(g.Columns()->Count(), 7);
    EXPECT_EQ(g.Columns()->Items(1)->Tag(), 1);
    EXPECT_EQ(g.Columns()->Items(2)->Tag(), 0);
    EXPECT_EQ(g.Columns()->Items(4)->Tag(), 2);
    g.RemoveCols(1, 3);
    ASSERT_EQ(g.Columns()->Count(), 4);
    EXPECT_EQ(g.ColCount(), 4);
    EXPECT_EQ(g.Columns()->Items(1)->Tag(), 2);
    // Requests the grid refuses change no items.
    g.InsertCols(9, 1);
    g.RemoveCols(-1, 1);
    EXPECT_EQ(g.Columns()->Count(), 4);
}

TEST(ProColumnGrid, CopyingItems)
{
    TProColumnGrid g;
    g.SetColCount(3);
    TGridColumnItem* a = g.Columns()->Items(1);
    a->SetHeader("A");
    a->SetEditor(edComboEdit);
    a->SetColumnPopupType(cpNormalCellsLClick);
    a->SetPrintBorderCustom(false);
    a->SetColor(clAqua);
    a->ComboItems()->Add("one");
    a->DefIdx = 5;
    TGridColumnItem b;
    b.Assign(a);
    EXPECT_EQ(b.Header(), "A");
    EXPECT_EQ(b.Editor(), edComboEdit);
    EXPECT_EQ(b.ComboItems()->Count(), 1);
    EXPECT_EQ(b.DefIdx, 5);
    // Assign leaves these three.
    EXPECT_EQ(b.ColumnPopupType(), cpFixedCellsRClick);
    EXPECT_TRUE(b.PrintBorderCustom());
    TGridColumnItem* c = g.Columns()->Items(2);
    c->SetHeader("C");
    c->AssignVisuals(a);
    EXPECT_EQ(c->Header(), "C");
    EXPECT_EQ(c->Editor(), edComboEdit);
    EXPECT_EQ(c->Color(), g.Color());
    EXPECT_EQ(c->ComboItems()->Count(), 0);
    // Other classes are ignored.
    TStringList list;
    b.Assign(&list);
    EXPECT_EQ(b.Header(), "A");
}

TEST(ProColumnGrid, ScalingScalesTheColumnFonts)
{
    TProColumnGrid g;
    g.SetColCount(3);
    g.HideColumn(2);
    for (int c = 0; c < 3; ++c) {
        g.Columns()->Items(c)->Font()->SetSize(8);
        g.Columns()->Items(c)->HeaderFont()->SetSize(10);
    }
    g.ChangeScale(3, 2);
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(g.Columns()->Items(c)->Font()->Size(), 12) << c;
        EXPECT_EQ(g.Columns()->Items(c)->HeaderFont()->Size(), 15) << c;
    }
}

TEST(ProColumnGrid, VersionAndFreedMenus)
{
    TProColumnGrid g;
    EXPECT_EQ(g.GetVersionNr(), 50397953);
    EXPECT_EQ(g.GetVersionString(), "3.1.3.1 Aug, 2012");
    g.SetColCount(3);
    auto* menu = new TPopupMenu;
    g.Columns()->Items(1)->SetColumnPopup(menu);
    delete menu;
    EXPECT_EQ(g.Columns()->Items(1)->ColumnPopup(), nullptr);
}

TEST(ProColumnGrid, ColumnMenuOpensOnItsClick)
{
    TForm form;
    form.SetBounds(0, 0, 400, 200);
    auto* g = new TProColumnGrid(&form);
    g->SetParent(&form);
    g->SetBounds(0, 0, 380, 180);
    g->SetColCount(5);
    g->SetDefaultColWidth(60);
    form.Show();
    auto* menu = new TRecordingMenu(&form);
    // The menu of real column 3, shown at display column 2.
    g->HideColumn(1);
    g->Columns()->Items(3)->SetColumnPopup(menu);
    std::vector<TPoint> heard;
    g->OnColumnPopup = [&](TObject*, int ACol, int ARow, TPopupMenu* M) {
        EXPECT_EQ(M, menu);
        heard.push_back(TPoint{ACol, ARow});
    };
    auto press = [&](TMouseButton Button, int c, int r) {
        const TRect R = g->CellRect(c, r);
        const TPoint p{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2};
        SyntheticInput::MouseDown(g, Button, p);
        SyntheticInput::MouseUp(g, Button, p);
    };
    press(mbRight, 2, 0);
    ASSERT_EQ(menu->Shown.size(), 1u);
    const TRect header = g->CellRect(2, 0);
    EXPECT_EQ(menu->Shown[0], g->ClientToScreen(TPoint{header.Left, header.Bottom}));
    press(mbRight, 2, 2);
    press(mbLeft, 2, 0);
    press(mbRight, 1, 0);
    EXPECT_EQ(menu->Shown.size(), 1u);
    EXPECT_EQ(heard, (std::vector<TPoint>{{3, 0}, {3, 2}}));
    g->Columns()->Items(3)->SetColumnPopupType(cpAllCellsLClick);
    press(mbLeft, 2, 3);
    EXPECT_EQ(menu->Shown.size(), 2u);
}

TEST(ProColumnGrid, DataCheckBoxColumns)
{
    TProColumnGrid g;
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetFixedFooters(1);
    TGridColumnItem* item = g.Columns()->Items(2);
    item->SetEditor(edDataCheckBox);
    item->SetCheckTrue("on");
    item->SetCheckFalse("off");
    EXPECT_EQ(g.GetCellType(2, 1), ctDataCheckBox);
    EXPECT_EQ(g.GetCellType(2, 0), ctEmpty);
    EXPECT_EQ(g.GetCellType(2, 3), ctEmpty);
    EXPECT_EQ(g.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(g.GetCellGraphic(2, 0), nullptr);
    ASSERT_NE(g.GetCellGraphic(2, 1), nullptr);
    EXPECT_EQ(g.GetCellGraphic(2, 1)->CellType(), ctVirtCheckBox);
    EXPECT_TRUE(g.HasCheckBox(2, 2));
    // The state is the text compared with the column's CheckTrue.
    struct Case {
        const char* Text;
        bool Checked;
    };
    for (const Case& c : {Case{"on", true}, Case{"Y", false}, Case{"On", false}, Case{"", false}}) {
        g.SetCells(2, 1, c.Text);
        EXPECT_EQ(g.IsChecked(2, 1), c.Checked) << c.Text;
    }
    std::vector<bool> changes;
    g.OnCheckBoxChange = [&](TObject*, int ACol, int ARow, bool State) {
        EXPECT_EQ(ACol, 2);
        changes.push_back(State);
    };
    g.SetCells(2, 1, "off");
    EXPECT_TRUE(g.ToggleCheck(2, 1, false));
    EXPECT_EQ(g.Cells(2, 1), "on");
    EXPECT_TRUE(g.ToggleCheck(2, 1, false));
    EXPECT_EQ(g.Cells(2, 1), "off");
    EXPECT_EQ(changes, (std::vector<bool>{true, false}));
    // A read-only column does not toggle from a click.
    item->SetReadOnly(true);
    EXPECT_FALSE(g.ToggleCheck(2, 1, true));
    EXPECT_EQ(g.Cells(2, 1), "off");
    // A graphic of the cell's own wins.
    g.AddCheckBox(2, 2, true, false);
    EXPECT_EQ(g.GetCellType(2, 2), ctCheckBox);
    item->SetEditor(edNormal);
    EXPECT_EQ(g.GetCellType(2, 1), ctEmpty);
}

TEST(ProColumnGrid, GroupingKeepsTheGroupedColumnsSettings)
{
    TProColumnGrid g;
    g.SetColCount(4);
    g.SetRowCount(5);
    const char* keys[] = {"A", "A", "B", "C"};
    for (int r = 1; r < 5; ++r) {
        g.SetCells(2, r, keys[r - 1]);
        g.SetCells(3, r, QString::number(r));
    }
    g.Columns()->Items(2)->SetHeader("Key");
    g.Columns()->Items(2)->SetEditor(edComboList);
    g.Columns()->Items(2)->ComboItems()->Add("A");
    g.Columns()->Items(3)->SetTag(3);
    g.Group(2);
    EXPECT_EQ(g.GroupColumn(), 2);
    ASSERT_EQ(g.Columns()->Count(), 3);
    EXPECT_EQ(g.Columns()->Items(2)->Tag(), 3);
    g.UnGroup();
    ASSERT_EQ(g.Columns()->Count(), 4);
    TGridColumnItem* item = g.Columns()->Items(2);
    EXPECT_EQ(item->Header(), "Key");
    EXPECT_EQ(item->Editor(), edComboList);
    EXPECT_EQ(item->ComboItems()->Count(), 1);
    EXPECT_EQ(g.Columns()->Items(3)->Tag(), 3);
    EXPECT_EQ(g.Cells(2, 3), "B");
}

TEST(ProColumnGrid, FilterChosenThroughTheColumnsFilterEntries)
{
    TProColumnGrid g;
    g.SetColCount(3);
    g.SetRowCount(5);
    const QStringList values{"apple", "Berry", "cherry", "Apricot"};
    for (int r = 1; r <= 4; ++r)
        g.SetCells(1, r, values[r - 1]);
    TGridColumnItem* item = g.ColumnItem(1);
    item->SetHeader("Fruit");
    item->Filter()->Add("Starts with a=a*");
    item->Filter()->Add("berry");
    g.SetFilterDropDownAuto(true);
    // Only a column whose item has entries has a list, and it shows their names.
    EXPECT_FALSE(g.GetColumnFilter(2));
    ASSERT_TRUE(g.GetColumnFilter(1));
    ASSERT_EQ(g.FilterList()->Count(), 2);
    EXPECT_EQ(g.FilterList()->Strings(0), "Starts with a");
    EXPECT_EQ(g.FilterList()->Strings(1), "berry");

    QString friendly;
    g.OnFilterSelect = [&friendly](TObject*, int, int, const QString& Name, QString&) { friendly = Name; };
    const auto choose = [&g](int Index) {
        g.SetFilterColumn(1);
        g.FilterSelect(g.DropList(), Index);
    };
    choose(0);
    EXPECT_EQ(friendly, "Starts with a");
    EXPECT_TRUE(g.FilterActive());
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(g.Cells(1, 1), "apple");
    EXPECT_EQ(g.Cells(1, 2), "Apricot");
    EXPECT_EQ(g.RowCount(), 3);

    // A value without "=" is both name and condition; the item's case
    // sensitivity goes with it, and AutoFilterDisplay names the column.
    item->SetFilterCaseSensitive(true);
    g.SetAutoFilterDisplay(true);
    choose(1);
    EXPECT_EQ(friendly, "Fruit");
    EXPECT_EQ(g.Filter()->GetColFilter(1)->Condition(), "berry");
    EXPECT_TRUE(g.Filter()->GetColFilter(1)->CaseSensitive());
    EXPECT_EQ(g.RowCount(), 1);

    // An index past the entries changes nothing but the open column.
    choose(5);
    EXPECT_EQ(g.FilterColumn(), -1);
    EXPECT_EQ(g.Filter()->GetColFilter(1)->Condition(), "berry");
}
