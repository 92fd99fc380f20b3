#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/GridDragDrop.h"
#include "grid/foundation/Navigation.h"
#include "grid/foundation/ProGridUndoRedo.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/controls/TestHooks.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/FormatSettings.h"
#include "platform/rtl/Stream.h"
#include "platform/services/Clipboard.h"
#include <gtest/gtest.h>

namespace {

// An editable grid of Cols x Rows without fixed cells.
void Plain(TProStringGrid& g, int Cols, int Rows)
{
    g.SetColCount(Cols);
    g.SetRowCount(Rows);
    g.SetFixedCols(0);
    g.SetFixedRows(0);
    g.SetOptions(g.Options() + goEditing);
}

void Select(TProStringGrid& g, int Left, int Top, int Right, int Bottom)
{
    g.SetSelection(TGridRect{Left, Top, Right, Bottom});
}

QStringList ClipTexts(TProStringGrid& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(c, r);
    return texts;
}

// Records what the paste hooks report.
class TPasteGrid : public TProStringGrid {
public:
    void CellsPasted(TPoint TopLeft, const TGridRect& ARect, TClipOperation ClipOp) override
    {
        Reports << QStringLiteral("%1,%2 %3,%4-%5,%6 %7")
                       .arg(TopLeft.X)
                       .arg(TopLeft.Y)
                       .arg(ARect.Left)
                       .arg(ARect.Top)
                       .arg(ARect.Right)
                       .arg(ARect.Bottom)
                       .arg(ClipOp == coCut ? "cut" : "copy");
        TProStringGrid::CellsPasted(TopLeft, ARect, ClipOp);
    }
    QStringList Reports;
};

} // namespace

TEST(ProStringGridClipboard, CopiedText)
{
    TProStringGrid g;
    Plain(g, 3, 3);
    g.SetCells(0, 0, "a");
    g.SetCells(1, 0, "b");
    g.SetCells(0, 1, "c");
    g.SetCells(1, 1, "d");
    g.SetCells(2, 2, "two\r\nlines");
    Select(g, 0, 0, 1, 1);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb\r\nc\td\r\n");
    EXPECT_EQ(g.ClipTopLeft(), (TPoint{0, 0}));
    EXPECT_EQ(g.ClipLastOp(), coCopy);
    Select(g, 0, 0, 1, 0);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    Select(g, 1, 2, 2, 2);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "\t\"two\nlines\"");
    g.SetExcelClipboardFormat(true);
    g.SetMultilinecells(true);
    g.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "\t\"two\x0Blines\"");
}

// Copy and paste between two grids in each format.
TEST(ProStringGridClipboard, BetweenTwoGridsInEveryFormat)
{
    TProStringGrid src;
    Plain(src, 3, 3);
    src.SetCells(0, 0, "a");
    src.SetCells(1, 0, QStringLiteral("Zürich"));
    src.SetCells(0, 1, "line 1\r\nline 2");
    src.SetCells(1, 1, "");
    src.SetColors(1, 0, TColor(0x123456));
    Select(src, 0, 0, 1, 1);

    // Text
    src.CopySelectionToClipboard();
    TProStringGrid text;
    Plain(text, 4, 4);
    Select(text, 1, 1, 1, 1);
    text.PasteSelectionFromClipboard();
    EXPECT_EQ(text.Cells(1, 1), "a");
    EXPECT_EQ(text.Cells(2, 1), QStringLiteral("Zürich"));
    EXPECT_EQ(text.Cells(1, 2), "line 1\r\nline 2");
    EXPECT_FALSE(text.HasCellProperties(2, 1));

    // The cell stream, with the cells' look
    src.Navigation()->SetAllowFmtClipboard(true);
    src.CopySelectionToClipboard();
    EXPECT_TRUE(Clipboard()->HasFormat(CF_GridCellsFormat()));
    TProStringGrid cells;
    Plain(cells, 4, 4);
    cells.Navigation()->SetAllowFmtClipboard(true);
    cells.SetCells(3, 3, "kept");
    Select(cells, 2, 2, 2, 2);
    cells.PasteSelectionFromClipboard();
    EXPECT_EQ(cells.Cells(2, 2), "a");
    EXPECT_EQ(cells.Cells(3, 2), QStringLiteral("Zürich"));
    EXPECT_EQ(cells.Colors(3, 2), TColor(0x123456));
    EXPECT_EQ(cells.Cells(2, 3), "line 1\r\nline 2");
    EXPECT_EQ(cells.Cells(3, 3), "");
    EXPECT_EQ(cells.ColCount(), 4);

    // Rich text of the top-left cell
    const QString rtf = QStringLiteral("{\\rtf1 {\\b bold} text}");
    src.SetCells(2, 2, rtf);
    src.Navigation()->SetAllowRTFClipboard(true);
    src.Navigation()->SetAllowFmtClipboard(false);
    Select(src, 2, 2, 2, 2);
    src.CopySelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "bold text");
    TProStringGrid rich;
    Plain(rich, 2, 2);
    rich.Navigation()->SetAllowRTFClipboard(true);
    Select(rich, 0, 0, 0, 0);
    rich.PasteSelectionFromClipboard();
    EXPECT_EQ(rich.Cells(0, 0), rtf);

    // HTML, as text/html and as plain text
    src.CopyToClipBoardAsHTML();
    const QString html = QString::fromUtf8(Clipboard()->GetAsHandle(RegisterClipboardFormat("HTML Format")));
    EXPECT_TRUE(html.startsWith("<style>"));
    EXPECT_TRUE(html.contains(QStringLiteral(">Zürich</td>")));
    EXPECT_EQ(Clipboard()->AsText(), html);
}

TEST(ProStringGridClipboard, PasteGrowsOnlyWhenAllowed)
{
    TProStringGrid g;
    Plain(g, 4, 3);
    int lines = 0, fields = 0;
    EXPECT_EQ(g.PasteText(3, 0, "a\tb", lines, fields), 2);
    EXPECT_EQ(g.ColCount(), 5);
    EXPECT_EQ(g.Cells(4, 0), "b");

    TProStringGrid fixed;
    Plain(fixed, 4, 3);
    fixed.Navigation()->SetAllowClipboardColGrow(false);
    fixed.Navigation()->SetAllowClipboardRowGrow(false);
    EXPECT_EQ(fixed.PasteText(3, 1, "a\tb\r\nc\td\r\ne", lines, fields), 5);
    EXPECT_EQ(fixed.ColCount(), 4);
    EXPECT_EQ(fixed.RowCount(), 3);
    EXPECT_EQ(fixed.Cells(3, 1), "a");
    EXPECT_EQ(fixed.Cells(3, 2), "c");

    // Three lines at the last row add the rows needed; a trailing break adds none.
    g.PasteText(0, 2, "x\r\ny\r\nz\r\n", lines, fields);
    EXPECT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cells(0, 4), "z");
    EXPECT_EQ(lines, 4);

    // Lines broken by LF alone, as other programs put them, are rows too.
    g.PasteText(1, 0, "p\tq\nr\ts\n", lines, fields);
    EXPECT_EQ(g.Cells(2, 1), "s");
    EXPECT_EQ(g.RowCount(), 5);

    // Without editing nothing is pasted.
    g.SetOptions(g.Options() - goEditing);
    EXPECT_EQ(g.PasteText(0, 0, "no"), 0);
    EXPECT_NE(g.Cells(0, 0), "no");
}

TEST(ProStringGridClipboard, EventsUndoAndReadOnlyCells)
{
    TPasteGrid g;
    Plain(g, 3, 2);
    TProGridUndoRedo undo;
    undo.SetGrid(&g);
    g.SetUndoRedo(&undo);
    g.SetCells(1, 0, "old");
    g.SetReadOnly(2, 0, true);
    g.SetCells(2, 0, "ro");
    QStringList after;
    g.OnClipboardBeforePasteCell = [](TObject*, int ACol, int, QString& Value, bool& Allow) {
        Allow = ACol != 1;
        Value = Value.toUpper();
    };
    g.OnClipboardAfterPasteCell = [&](TObject*, int ACol, int ARow, const QString& Value) {
        after << QStringLiteral("%1,%2=%3").arg(ACol).arg(ARow).arg(Value);
    };
    EXPECT_EQ(g.PasteText(0, 0, "x\ty\tz"), 3);
    EXPECT_EQ(g.Cells(0, 0), "X");
    EXPECT_EQ(g.Cells(1, 0), "old");
    EXPECT_EQ(g.Cells(2, 0), "ro");
    EXPECT_EQ(after, QStringList{"0,0=X"});
    EXPECT_EQ(g.Reports, QStringList{"-1,-1 0,0-0,0 copy"});
    undo.Undo();
    EXPECT_EQ(g.Cells(0, 0), "");
}

TEST(ProStringGridClipboard, CutClearsTheEditableCellsItCopied)
{
    TProStringGrid g;
    Plain(g, 3, 2);
    g.SetCells(0, 0, "a");
    g.SetCells(1, 0, "b");
    g.SetCells(2, 0, "c");
    g.SetCells(0, 1, "d");
    g.SetReadOnly(1, 0, true);
    g.ShowModified()->SetEnabled(true);
    Select(g, 0, 0, 1, 0);
    g.CutSelectionToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    EXPECT_EQ(g.ClipLastOp(), coCut);
    EXPECT_EQ(ClipTexts(g), (QStringList{"", "b", "c", "d", "", ""}));
    EXPECT_TRUE(g.RowModified(0));
    EXPECT_FALSE(g.RowModified(1));

    g.CutToClipboard();
    EXPECT_EQ(Clipboard()->AsText(), "\tb\tc\r\nd\t\t\r\n");
    EXPECT_EQ(ClipTexts(g), (QStringList{"", "b", "", "", "", ""}));
}

TEST(ProStringGridClipboard, CellStreamFromTheSameGridAndFromAnother)
{
    TPasteGrid g;
    Plain(g, 4, 4);
    g.Navigation()->SetAllowFmtClipboard(true);
    g.SetCells(0, 0, "s");
    Select(g, 0, 0, 0, 0);
    g.CopySelectionToClipboard();
    Select(g, 2, 2, 2, 2);
    g.PasteSelectionFromClipboard();
    TPasteGrid other;
    Plain(other, 4, 4);
    other.Navigation()->SetAllowFmtClipboard(true);
    Select(other, 1, 1, 1, 1);
    other.PasteSelectionFromClipboard();
    EXPECT_EQ(g.Reports, QStringList{"0,0 2,2-2,2 copy"});
    EXPECT_EQ(other.Reports, QStringList{"-1,-1 1,1-1,1 copy"});
    EXPECT_EQ(other.Cells(1, 1), "s");
}

TEST(ProStringGridClipboard, MalformedCellBlockChangesNothing)
{
    TProStringGrid src;
    Plain(src, 2, 2);
    src.SetCells(0, 0, "a");
    src.SetCells(1, 1, "b");
    TMemoryStream ms;
    src.SaveRectToBinStream(TRect{0, 0, 1, 1}, &ms);
    TProStringGrid g;
    Plain(g, 2, 2);
    g.Navigation()->SetAllowFmtClipboard(true);
    g.SetCells(0, 0, "keep");
    const QByteArray whole = ms.Data();
    for (const QByteArray& bad : {whole.left(whole.size() - 5), QByteArray("TPF0\x0BTGridPropIO\x00\x05" "Count\x04\xFF\xFF\xFF\x7F", 28),
                                  whole.left(40) + QByteArray(8, '\xEE') + whole.mid(48)}) {
        Clipboard()->SetAsHandle(CF_GridCellsFormat(), bad);
        Select(g, 1, 1, 1, 1);
        EXPECT_NE(MessageOf<EReadError>([&] { g.PasteSelectionFromClipboard(); }), "<no exception>");
        EXPECT_EQ(ClipTexts(g), (QStringList{"keep", "", "", ""}));
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.RowCount(), 2);
    }
}

struct SmartCase {
    const char* Name;
    const char* First;
    const char* Second;
    std::vector<const char*> Expected;
};

class SmartPaste : public testing::TestWithParam<SmartCase> {};

// Two values typed into the first cells of a column, copied and pasted
// into the whole column selection, continue as a series.
TEST_P(SmartPaste, SeriesDownTheColumn)
{
    const SmartCase& t = GetParam();
    TProStringGrid g;
    Plain(g, 1, int(t.Expected.size()));
    g.Navigation()->SetAllowSmartClipboard(true);
    g.SetCells(0, 0, t.First);
    g.SetCells(0, 1, t.Second);
    Select(g, 0, 0, 0, 1);
    g.CopySelectionToClipboard();
    Select(g, 0, 0, 0, g.RowCount() - 1);
    g.PasteSelectionFromClipboard();
    QStringList expected;
    for (const char* e : t.Expected)
        expected << e;
    EXPECT_EQ(ClipTexts(g), expected);
}

INSTANTIATE_TEST_SUITE_P(
    ProStringGrid, SmartPaste,
    testing::Values(SmartCase{"Integers", "1", "2", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}},
                    SmartCase{"Numbers", "1.5", "2.0", {"1.50", "2.00", "2.50", "3.00"}},
                    SmartCase{"Months", "15/11/2023", "15/12/2023", {"15/11/2023", "15/12/2023", "15/01/2024", "15/02/2024"}},
                    SmartCase{"Days", "28/02/2023", "01/03/2023", {"28/02/2023", "01/03/2023", "02/03/2023"}},
                    SmartCase{"Block", "x", "y", {"x", "y", "x", "y", "x"}}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(ProStringGridClipboard, SmartFillOfOneValue)
{
    TProStringGrid g;
    Plain(g, 5, 2);
    g.Navigation()->SetAllowSmartClipboard(true);
    Clipboard()->SetAsText("v");
    Select(g, 0, 1, 4, 1);
    g.PasteSelectionFromClipboard();
    EXPECT_EQ(ClipTexts(g), (QStringList{"", "", "", "", "", "v", "v", "v", "v", "v"}));
}

TEST(ProStringGridClipboard, SelectionAsTextStoresRawAndGrows)
{
    TProStringGrid g;
    Plain(g, 2, 2);
    g.SetOptions(g.Options() - goEditing);
    Select(g, 1, 1, 1, 1);
    g.SetSelectionAsText("a\tb\r\n\"c\nd\"\r\n");
    EXPECT_EQ(g.ColCount(), 3);
    EXPECT_EQ(g.RowCount(), 3);
    EXPECT_EQ(g.Cells(2, 1), "b");
    EXPECT_EQ(g.Cells(1, 2), "c\r\nd");
    int f = 0, b = 0;
    TProStringGrid::TextDimensions("x\ty\r\nz", f, b);
    EXPECT_EQ(f, 2);
    EXPECT_EQ(b, 1);
    TProStringGrid::TextDimensions("a\r\nb\r\n", f, b);
    EXPECT_EQ(b, 1);
}

// The clipboard keys with their events; their characters reach no cell.
TEST(ProStringGridClipboard, ShortCutKeys)
{
    TForm form;
    form.SetBounds(0, 0, 400, 200);
    auto* src = new TProStringGrid(&form);
    auto* dst = new TProStringGrid(&form);
    for (TProStringGrid* g : {src, dst}) {
        g->SetParent(&form);
        Plain(*g, 3, 3);
    }
    src->SetBounds(0, 0, 190, 190);
    dst->SetBounds(200, 0, 190, 190);
    form.Show();
    src->SetCells(0, 0, "a");
    src->SetCells(1, 0, "b");
    Select(*src, 0, 0, 1, 0);
    Clipboard()->SetAsText("before");
    SyntheticInput::Key(src, 'C', {ssCtrl}, "\x03");
    EXPECT_EQ(Clipboard()->AsText(), "before");

    QStringList events;
    for (TProStringGrid* g : {src, dst}) {
        g->Navigation()->SetAllowClipboardShortCuts(true);
        g->OnClipboardCopy = [&](TObject*, bool&) { events << "copy"; };
        g->OnClipboardCut = [&](TObject*, bool& Allow) { events << "cut"; Allow = false; };
        g->OnClipboardPaste = [&](TObject*, bool&) { events << "paste"; };
    }
    SyntheticInput::Key(src, 'C', {ssCtrl}, "\x03");
    EXPECT_EQ(Clipboard()->AsText(), "a\tb");
    EXPECT_FALSE(src->EditorMode());
    Select(*dst, 1, 1, 1, 1);
    SyntheticInput::Key(dst, VK_INSERT, {ssShift});
    EXPECT_EQ(dst->Cells(1, 1), "a");
    EXPECT_EQ(dst->Cells(2, 1), "b");
    Select(*dst, 1, 1, 2, 1);
    SyntheticInput::Key(dst, VK_DELETE, {ssShift});
    EXPECT_EQ(dst->Cells(1, 1), "a");
    SyntheticInput::Key(dst, 'V', {ssCtrl}, "\x16");
    EXPECT_EQ(events, (QStringList{"copy", "paste", "cut", "paste"}));
    EXPECT_EQ(dst->Cells(0, 0), "");
    EXPECT_FALSE(dst->EditorMode());
}
