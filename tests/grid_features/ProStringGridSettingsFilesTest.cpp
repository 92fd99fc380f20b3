#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ControlLook.h"
#include "grid/core/FloatingFooter.h"
#include "grid/core/GridSettings.h"
#include "grid/core/LookSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/core/SortSettings.h"
#include "grid/foundation/Bands.h"
#include "grid/foundation/SearchFooter.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Printer.h"
#include "platform/services/Registry.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

// Four columns a, b, c, d in row 0, widths 40, 50, 60, 70.
void Columns(TProStringGrid& g)
{
    g.SetColCount(4);
    g.SetRowCount(2);
    for (int c = 0; c < 4; ++c) {
        g.SetCells(c, 0, QString(QChar(u'a' + c)));
        g.SetColWidths(c, 40 + 10 * c);
    }
}

QString Heads(TProStringGrid& g)
{
    QString s;
    for (int c = 0; c < g.ColCount(); ++c)
        s += g.Cells(g.DisplToRealCol(c), 0);
    return s;
}

QList<int> Widths(TProStringGrid& g)
{
    QList<int> w;
    for (int c = 0; c < g.ColCount(); ++c)
        w << g.ColWidths(c);
    return w;
}

} // namespace

// Column states

TEST(ProStringGridColumnStates, ThreePlainColumns)
{
    TProStringGrid g;
    g.SetColCount(3);
    g.SetDefaultColWidth(64);
    g.SetColWidths(1, 80);
    EXPECT_EQ(g.ColumnStatesToString(), "3#64,80,64#0,1,2#1,1,1");
}

TEST(ProStringGridColumnStates, MovedAndHiddenColumnsComeBack)
{
    TProStringGrid g;
    Columns(g);
    g.MoveColumn(0, 2); // b c a d
    g.HideColumn(3);    // b c a
    const QString states = g.ColumnStatesToString();
    EXPECT_EQ(states, "4#50,60,40,64#1,2,0,3#1,1,1,0");

    TProStringGrid back;
    Columns(back);
    back.StringToColumnStates(states);
    EXPECT_EQ(Heads(back), "bca");
    EXPECT_EQ(Widths(back), (QList<int>{50, 60, 40}));
    EXPECT_EQ(back.NumHiddenColumns(), 1);

    // Laid over columns moved since, the states still give that order.
    g.MoveColumn(2, 0);
    g.StringToColumnStates(states);
    EXPECT_EQ(Heads(g), "bca");
    EXPECT_EQ(g.ColumnStatesToString(), states);
}

TEST(ProStringGridColumnStates, HiddenColumnTakesTheWidthsInOrder)
{
    TProStringGrid g;
    Columns(g);
    g.StringToColumnStates("3#11,22,33#0,1,2#1,0,1");
    EXPECT_EQ(Heads(g), "ac");
    EXPECT_EQ(Widths(g), (QList<int>{11, 22}));
    EXPECT_TRUE(g.IsHiddenColumn(1));
}

TEST(ProStringGridColumnStates, BadLines)
{
    TProStringGrid g;
    Columns(g);
    g.StringToColumnStates("no states here");
    EXPECT_EQ(Heads(g), "abcd");
    EXPECT_EQ(MessageOf<EConvertError>([&] { g.StringToColumnStates("x#1,2#0,1#1,1"); }).isEmpty(), false);
    EXPECT_NE(MessageOf<EListError>([&] { g.StringToColumnStates("3#10,20#0,1,2#1,1,1"); }), "<no exception>");
    EXPECT_NE(MessageOf<EConvertError>([&] { g.StringToColumnStates("2#10,zz#0,1#1,1"); }), "<no exception>");
}

// The settings store, in an INI file and in the registry

class ColumnStore : public testing::TestWithParam<TColumnSizeLocation> {
protected:
    void SetUp() override { SetRegistryFileName(FDir.filePath("Registry.ini")); }
    void TearDown() override { SetRegistryFileName(QString()); }
    void Name(TProStringGrid& g)
    {
        g.ColumnSize()->SetLocation(GetParam());
        g.ColumnSize()->SetKey(GetParam() == clIniFile ? FDir.filePath("cols.ini")
                                                       : QStringLiteral("Software\\Stratagon\\Test"));
        g.ColumnSize()->SetSection("Grid1");
    }
    QTemporaryDir FDir;
};

TEST_P(ColumnStore, WidthsAndPositionsComeBackAfterAMove)
{
    TProStringGrid g;
    Columns(g);
    Name(g);
    g.MoveColumn(3, 0); // d a b c
    g.SaveColSizes();
    g.SaveColPositions();

    g.MoveColumn(0, 2); // a b d c
    g.SetColWidths(0, 99);
    g.LoadColPositions();
    EXPECT_EQ(Heads(g), "dabc");
    g.LoadColSizes();
    EXPECT_EQ(Widths(g), (QList<int>{70, 40, 50, 60}));

    // A new grid with the same store takes both.
    TProStringGrid other;
    Columns(other);
    Name(other);
    other.LoadColPositions();
    other.LoadColSizes();
    EXPECT_EQ(Heads(other), "dabc");
    EXPECT_EQ(Widths(other), (QList<int>{70, 40, 50, 60}));
}

TEST_P(ColumnStore, NeverMovedColumnsSaveTheirOrderToo)
{
    TProStringGrid g;
    Columns(g);
    Name(g);
    g.MoveColumn(3, 0);
    g.SaveColPositions();
    TProStringGrid fresh;
    Columns(fresh);
    Name(fresh);
    fresh.SaveColPositions();
    g.LoadColPositions();
    EXPECT_EQ(Heads(g), "abcd");
}

TEST_P(ColumnStore, NothingWithoutKeySectionOrSavedPositions)
{
    TProStringGrid g;
    Columns(g);
    Name(g);
    g.ColumnSize()->SetSection("");
    g.SaveColSizes();
    g.SaveColPositions();
    EXPECT_FALSE(QFile::exists(FDir.filePath("cols.ini")));
    EXPECT_FALSE(QFile::exists(FDir.filePath("Registry.ini")));

    g.ColumnSize()->SetSection("Grid1");
    g.MoveColumn(0, 1);
    g.LoadColPositions();
    g.LoadColSizes();
    EXPECT_EQ(Heads(g), "bacd");
    EXPECT_EQ(Widths(g), (QList<int>{50, 40, 60, 70}));
}

INSTANTIATE_TEST_SUITE_P(ProStringGrid, ColumnStore, testing::Values(clIniFile, clRegistry),
                         [](const auto& Info) { return Info.param == clIniFile ? "IniFile" : "Registry"; });

TEST(ProStringGridColumnStore, SaveFlagLoadsWhenLoadedAndSavesWhenDestroyed)
{
    QTemporaryDir dir;
    {
        TProStringGrid g;
        Columns(g);
        g.ColumnSize()->SetLocation(clIniFile);
        g.ColumnSize()->SetKey(dir.filePath("cols.ini"));
        g.ColumnSize()->SetSection("G");
        g.ColumnSize()->SetSave(true);
        g.SetColWidths(2, 33);
    }
    TMemIniFile ini(dir.filePath("cols.ini"));
    EXPECT_EQ(ini.ReadInteger("G", "Col2", 0), 33);
}

// Visual properties

TEST(ProStringGridVisualProps, EveryValueRoundTrips)
{
    QTemporaryDir dir;
    TProStringGrid g;
    g.SetColor(TColor(0x102030));
    g.SetHintColor(clInfoBk);
    g.SetSelectionColor(TColor(0x405060));
    g.SetSelectionTextColor(clRed);
    g.SetURLShow(true);
    g.SetActiveRowShow(true);
    g.Font()->SetStyle(TFontStyles{} + fsBold + fsUnderline);
    g.Font()->SetSize(13);
    g.Font()->SetName("DejaVu Serif");
    g.FixedFont()->SetColor(clNavy);
    g.Balloon()->SetTransparency(40);
    g.Bands()->SetActive(true);
    g.Bands()->SetPrimaryColor(clYellow);
    g.SortSettings()->SetIndexColor(clLime);
    g.FloatingFooter()->SetColor(clAqua);
    g.ControlLook()->SetCheckSize(17);
    g.ControlLook()->SetControlStyle(csFlat);
    g.ControlLook()->SetProgressXP(true);
    g.SearchFooter()->SetColorTo(clSilver);
    g.Grouping()->SetHeaderLineWidth(3);
    g.Grouping()->SetSummaryLine(true);
    g.SetGridLineColor(clMaroon);
    g.BackGround()->SetTop(5);
    g.BackGround()->SetDisplay(bdGradientVert);
    g.BackGround()->SetCells(bcAll);
    const QString first = dir.filePath("v1.txt"), second = dir.filePath("v2.txt");
    g.SaveVisualProps(first);

    const QByteArray text = ReadBytes(first);
    EXPECT_TRUE(text.startsWith("Color=$00102030\r\nHintColor=clInfoBk\r\n"));
    EXPECT_TRUE(text.contains("\r\nFont.Style=fsBold,fsUnderline\r\nFont.Size=13\r\nFont.Name=DejaVu Serif\r\n"));
    EXPECT_TRUE(text.contains("\r\nControlLook.ControlStyle=csFlat\r\n"));
    EXPECT_TRUE(text.contains("\r\nLook=glXP\r\n"));

    TProStringGrid back;
    back.LoadVisualProps(first);
    back.SaveVisualProps(second);
    EXPECT_EQ(ReadBytes(second), text);
    EXPECT_EQ(back.Font()->Style(), TFontStyles{} + fsBold + fsUnderline);
    EXPECT_EQ(back.ControlLook()->ControlStyle(), csFlat);
    EXPECT_EQ(back.BackGround()->Display(), bdGradientVert);
}

TEST(ProStringGridVisualProps, ReadingRules)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("v.txt");
    // Keys in any case, the first line wins; a missing colour is not set,
    // an unknown name leaves the property alone; no Font.Size ends the load.
    WriteBytes(path, "color=clRed\r\nCOLOR=clBlue\r\nURLShow=TrUe\r\nActiveCellShow=yes\r\n"
                     "Font.Style=xfsItalicx\r\nControlLook.ControlStyle=csNone\r\n");
    TProStringGrid g;
    g.SetActiveCellShow(true);
    g.SetHintColor(clRed);
    const ProGrid::TControlStyle style = g.ControlLook()->ControlStyle();
    EXPECT_NE(MessageOf<EConvertError>([&] { g.LoadVisualProps(path); }), "<no exception>");
    EXPECT_EQ(g.Color(), clRed);
    EXPECT_EQ(g.HintColor(), clNone);
    EXPECT_TRUE(g.URLShow());
    EXPECT_FALSE(g.ActiveCellShow());
    // Font.Color and Font.Style came before the failing size.
    EXPECT_EQ(g.Font()->Color(), clNone);
    EXPECT_EQ(g.ControlLook()->ControlStyle(), style);

    EXPECT_EQ(MessageOf<Exception>([&] { g.LoadVisualProps(dir.filePath("missing.txt")); }),
              "Cannot open file " + dir.filePath("missing.txt"));
    EXPECT_EQ(MessageOf<Exception>([&] { g.SaveVisualProps(dir.filePath("no/such/v.txt")); }),
              "Cannot Create " + dir.filePath("no/such/v.txt"));
}

// Print settings

TEST(ProStringGridPrintSettings, RoundTripAndTheFileByKey)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("print.ini");
    TProStringGrid g;
    TPrintSettings* p = g.PrintSettings();
    p->SetColumnSpacing(7);
    p->SetCentered(false);
    p->SetRepeatFixedRows(true);
    p->SetBorders(pbAround);
    p->SetBorderStyle(psDot);
    p->SetBorderColor(TColor(0x0000FF));
    p->SetTitle(ppTopCenter);
    p->SetDateFormat("yyyy-mm-dd");
    p->SetLeftSize(55);
    p->SetFitToPage(fpShrink);
    p->HeaderFont()->SetName("Courier");
    p->HeaderFont()->SetStyle(TFontStyles{} + fsItalic + fsStrikeOut);
    p->SetOrientation(TPrinterOrientation::poLandscape);
    p->TitleLines()->SetText("line1\r\nline2\r\n");
    p->SetPrintGraphics(true);
    g.SavePrintSettings(path, "Print");

    TMemIniFile ini(path);
    EXPECT_EQ(ini.ReadString("Print", "TitleLines", ""), "line1\\nline2\\n");
    EXPECT_EQ(ini.ReadString("Print", "Centered", ""), "N");
    EXPECT_EQ(ini.ReadString("Print", "HeaderFontStyle", ""), "10");
    TStringList keys;
    ini.ReadSection("Print", &keys);
    EXPECT_EQ(keys.Strings(0), "ColumnSpacing");
    EXPECT_EQ(keys.Strings(keys.Count() - 1), "PrintGraphics");

    TProStringGrid back;
    back.LoadPrintSettings(path, "Print");
    TPrintSettings* b = back.PrintSettings();
    EXPECT_EQ(b->ColumnSpacing(), 7);
    EXPECT_FALSE(b->Centered());
    EXPECT_TRUE(b->RepeatFixedRows());
    EXPECT_EQ(b->Borders(), pbAround);
    EXPECT_EQ(b->BorderStyle(), psDot);
    EXPECT_EQ(b->BorderColor(), TColor(0x0000FF));
    EXPECT_EQ(b->Title(), ppTopCenter);
    EXPECT_EQ(b->DateFormat(), "yyyy-mm-dd");
    EXPECT_EQ(b->LeftSize(), 55);
    EXPECT_EQ(b->FitToPage(), fpShrink);
    EXPECT_EQ(b->HeaderFont()->Name(), "Courier");
    EXPECT_EQ(b->HeaderFont()->Style(), TFontStyles{} + fsItalic + fsStrikeOut);
    EXPECT_EQ(b->Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_EQ(b->TitleLines()->Count(), 2);
    EXPECT_EQ(b->TitleLines()->Strings(1), "line2");
    EXPECT_TRUE(b->PrintGraphics());
}

TEST(ProStringGridPrintSettings, DefaultsAndRangesWhenReading)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("print.ini");
    WriteBytes(path, "[Other]\r\nBorders=9\r\n[P]\r\nBorders=12\r\nBorderStyle=7\r\nDate=7\r\nPageNr=6\r\n"
                     "FitToPage=5\r\nOrientation=2\r\nFontStyle=0\r\nCentered=y\r\n");
    TProStringGrid g;
    TPrintSettings* p = g.PrintSettings();
    p->SetBorders(pbDouble);
    p->SetBorderStyle(psDash);
    p->SetFitToPage(fpGrow);
    p->SetOrientation(TPrinterOrientation::poLandscape);
    p->Font()->SetStyle(TFontStyles{} + fsBold);
    g.LoadPrintSettings(path, "P");
    EXPECT_EQ(p->Borders(), pbDouble);
    EXPECT_EQ(p->BorderStyle(), psDash);
    EXPECT_EQ(p->Date(), ppNone);
    EXPECT_EQ(p->PageNr(), ppBottomCenter);
    EXPECT_EQ(p->FitToPage(), fpGrow);
    EXPECT_EQ(p->Orientation(), TPrinterOrientation::poLandscape);
    EXPECT_EQ(p->Font()->Style(), TFontStyles{} + fsBold);
    EXPECT_FALSE(p->Centered());

    TProStringGrid fresh;
    fresh.LoadPrintSettings(path, "Empty");
    TPrintSettings* f = fresh.PrintSettings();
    EXPECT_TRUE(f->Centered());
    EXPECT_EQ(f->RowSpacing(), 20);
    EXPECT_EQ(f->TitleSpacing(), 20);
    EXPECT_EQ(f->HeaderSize(), 100);
    EXPECT_EQ(f->RightSize(), 100);
    EXPECT_EQ(f->Font()->Name(), "Arial");
    EXPECT_EQ(f->FooterFont()->Size(), 10);
    EXPECT_EQ(f->Borders(), pbNoborder);
    EXPECT_EQ(f->Time(), ppNone);
    EXPECT_FALSE(f->UseDisplayFont());
}
