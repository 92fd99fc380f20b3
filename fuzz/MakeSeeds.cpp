// Writes the seeds of the grid's fuzz entries with the grid's own writers:
//   fuzz_seeds DIR   (files go to DIR/<entry>/)
// The seeds kept in tests/data/fuzz were made this way; run it again when a
// format changes.
#include "FuzzBlocks.h"
#include "core/MQTT_Topics.h"
#include "platform/rtl/XmlDocument.h"
#include "GridFuzzApp.h"
#include "grid/core/GridSettings.h"
#include "grid/core/ProStringGrid.h"
#include "grid/features/ProColumnGrid.h"
#include "grid/foundation/CellProperties.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "tests/support/JetWriter.h"
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

QString Out;

void Put(const QString& Entry, const QString& Name, const QByteArray& Bytes)
{
    QDir().mkpath(Out + u'/' + Entry);
    QFile file(Out + u'/' + Entry + u'/' + Name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(Bytes) != Bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray Read(const QString& Path)
{
    QFile file(Path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray Blocks(char Options, const QList<QByteArray>& Parts)
{
    QByteArray b(1, Options);
    for (qsizetype i = 0; i < Parts.size(); ++i)
        b += (i ? "#~#" : "") + Parts[i];
    return b;
}

// 4 x 4, one fixed row and column, a merged range, a two-line cell,
// non-ASCII text and a cell with a look of its own.
void Fill(TProStringGrid& g)
{
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetColWidths(2, 90);
    g.SetRowHeights(3, 40);
    g.SetCells(1, 0, "Head");
    g.SetCells(2, 0, "Value");
    g.SetCells(1, 1, "merged");
    g.MergeCells(1, 1, 2, 2);
    g.SetCells(3, 1, "a\r\nb");
    g.SetCells(3, 2, "1.5");
    g.SetCells(0, 3, QStringLiteral("Zürich €"));
    g.SetCells(1, 3, "\"quoted\", comma");
    TCellProperties* p = g.CellProperties(3, 3);
    p->SetBrushColor(TColor(0x123456));
    p->SetFontStyle(TFontStyles{} + fsBold);
    p->SetFontName("Arial");
    p->SetAlignment(taCenter);
    p->SetReadOnly(true);
}

QByteArray BinStream(TProStringGrid& g, bool Whole)
{
    TMemoryStream s;
    if (Whole)
        g.SaveToBinStream(&s);
    else
        g.SaveRectToBinStream(TRect{1, 1, 3, 2}, &s);
    return s.Data();
}

void GridFormats(TProStringGrid& g, const QString& Tmp)
{
    Put("grid_bin_stream", "whole", BinStream(g, true));
    Put("grid_bin_stream", "rect", BinStream(g, false));

    g.SaveToFile(Tmp);
    Put("grid_text_cell_file", "ansi", Read(Tmp));
    g.SaveToFile(Tmp, true);
    Put("grid_text_cell_file", "unicode", Read(Tmp));
    TMemoryStream s;
    g.SaveToStream(&s);
    Put("grid_text_cell_file", "stream", s.Data());

    g.SaveToCSV(Tmp);
    Put("grid_csv", "ansi.csv", Read(Tmp));
    g.SaveToCSV(Tmp, true);
    Put("grid_csv", "unicode.csv", Read(Tmp));
    Put("grid_csv", "semicolon.csv", "a;b;\"c;d\"\r\n1;2;\"x\r\ny\"\r\n\x0B;~;\r\n");

    TStringList fields;
    fields.AddStrings(QStringList{"a", "b", "c", "d"});
    g.SaveToXML(Tmp, "grid", "row", &fields);
    Put("grid_xml", "flat.xml", Read(Tmp));
    Put("grid_xml", "levels.xml", "<list><rec><a>1</a><b><c>2</c><d/></b></rec><rec><a>3</a></rec></list>");
}

void Settings(TProStringGrid& g, const QString& Tmp)
{
    Put("grid_settings_text", "states", g.ColumnStatesToString().toUtf8());
    Put("grid_settings_text", "hidden", "5#64,80,64,10#4,3,2,1,0#1,0,1,1,1");
    Put("grid_settings_text", "sort_up", "u2");
    Put("grid_settings_text", "sort_down", "d1");
    Put("grid_settings_text", "sort_index", "i;u1;d2");

    g.PrintSettings()->TitleLines()->Add("line1");
    g.PrintSettings()->TitleLines()->Add("line2");
    g.PrintSettings()->SetTitleText("Title");
    g.SavePrintSettings(Tmp, "Print");
    Put("grid_settings_files", "print.ini", Read(Tmp));
    g.SaveVisualProps(Tmp);
    Put("grid_settings_files", "visual.txt", Read(Tmp));
    QFile::remove(Tmp);
    g.ColumnSize()->SetKey(Tmp);
    g.ColumnSize()->SetSection("Grid");
    g.ColumnSize()->SetLocation(clIniFile);
    g.MoveColumn(1, 3);
    g.SaveColSizes();
    g.SaveColPositions();
    Put("grid_settings_files", "columns.ini", Read(Tmp));
    QFile::remove(Tmp);
    TProColumnGrid c;
    c.SetColCount(4);
    c.MoveColumn(1, 2);
    c.SaveColumnPositions(Tmp, "Grid");
    Put("grid_settings_files", "positions.ini", Read(Tmp));
}

void ColumnStream(const QString& Tmp)
{
    (void)Tmp;
    TProColumnGrid g;
    g.SetColCount(4);
    TGridColumnCollection* cols = g.Columns();
    TGridColumnItem* a = cols->Items(1);
    a->SetHeader("Data Type");
    a->SetEditor(edComboList);
    a->ComboItems()->AddStrings(QStringList({"Analog Input", "Binary Value"}));
    a->SetColor(TColor(0xFEFAE0));
    a->Font()->SetStyle(TFontStyles{} + fsBold);
    a->SetWidth(150);
    TGridColumnItem* b = cols->Items(2);
    b->SetReadOnly(true);
    b->SetFloatFormat("%.3f");
    b->SetAlignment(taRightJustify);
    b->SetBorders(TCellBorders{} + cbTop);
    b->SetSortStyle(ssNumeric);
    TGridColumnItem* c = cols->Items(3);
    c->SetEditor(edDataCheckBox);
    c->SetCheckTrue("on");
    c->Filter()->AddStrings(QStringList({"Big=>100", "small"}));
    c->SetName("flag");
    c->SetEditMask("!99;1;_");
    TMemoryStream s;
    g.SaveColumnsToStream(&s);
    Put("grid_column_stream", "columns", s.Data());
}

void ClipboardAndDrag(TProStringGrid& g)
{
    const QByteArray cells = BinStream(g, false);
    const QByteArray rtf = "{\\rtf1\\ansi Hello {\\b bold}}";
    const QByteArray text = "1\t2\r\n3\t4\r\n";
    Put("grid_clipboard", "cells", Blocks(char(1 | 8 | 16), {cells, {}, {}}));
    Put("grid_clipboard", "rtf", Blocks(2, {{}, rtf, {}}));
    Put("grid_clipboard", "text", Blocks(8 | 16, {{}, {}, text}));
    Put("grid_clipboard", "series", Blocks(4, {{}, {}, "1\r\n3\r\n"}));
    Put("grid_clipboard", "dates", Blocks(4, {{}, {}, "01/02/2024\r\n01/09/2024\r\n"}));

    QByteArray medium;
    const quint32 n = quint32(cells.size());
    for (int i = 0; i < 4; ++i)
        medium += char(n >> (8 * i) & 0xFF);
    medium += QByteArray(4, '\0') + cells;
    QByteArray drop;
    // A DROPFILES record: list offset 20, wide names, one name, end.
    drop += QByteArray("\x14\0\0\0", 4) + QByteArray(12, '\0') + QByteArray("\1\0\0\0", 4);
    for (const char ch : QByteArray("/tmp/x.csv"))
        drop += QByteArray(1, ch) + '\0';
    drop += QByteArray(4, '\0');
    Put("grid_drag_drop", "cells", Blocks(0, {medium}));
    Put("grid_drag_drop", "column", Blocks(4, {{}, QByteArray("\2\0\0\0", 4)}));
    Put("grid_drag_drop", "rtf", Blocks(16, {{}, {}, rtf}));
    Put("grid_drag_drop", "text", Blocks(1, {{}, {}, {}, text}));
    Put("grid_drag_drop", "url", Blocks(0, {{}, {}, {}, {}, "http://example.invalid/a"}));
    Put("grid_drag_drop", "csv", Blocks(0, {{}, {}, {}, {}, {}, "a,b\r\n1,2\r\n"}));
    Put("grid_drag_drop", "dropfiles", Blocks(char(128), {{}, {}, {}, {}, {}, drop}));
}

void Office()
{
    const QByteArray wb =
        "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
        "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
        "<workbookPr date1904=\"0\"/><bookViews><workbookView activeTab=\"0\"/></bookViews>"
        "<sheets><sheet name=\"Data\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
    const QByteArray rels =
        "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
        "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "worksheet\" Target=\"worksheets/sheet1.xml\"/>"
        "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "sharedStrings\" Target=\"sharedStrings.xml\"/>"
        "<Relationship Id=\"rId3\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
        "styles\" Target=\"styles.xml\"/></Relationships>";
    const QByteArray sheet =
        "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>"
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\"><v>2.5</v></c></row>"
        "<row r=\"2\"><c r=\"A2\" s=\"1\"><v>46367</v></c><c r=\"B2\" t=\"b\"><v>1</v></c>"
        "<c r=\"C2\" t=\"e\"><v>#N/A</v></c><c r=\"D2\" t=\"inlineStr\"><is><t>a_x000B_b</t></is></c>"
        "<c r=\"E2\" t=\"d\"><v>2024-02-01T10:00:00</v></c><c r=\"F2\" t=\"str\"><v>f</v></c></row>"
        "</sheetData></worksheet>";
    const QByteArray sst = "<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                           "<si><r><t>Gr</t></r><r><t>\xC3\xBC\xC3\x9F</t></r></si></sst>";
    const QByteArray styles = "<styleSheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
                              "<numFmts count=\"1\"><numFmt numFmtId=\"164\" formatCode=\"dd/mm/yyyy\"/></numFmts>"
                              "<cellXfs count=\"2\"><xf numFmtId=\"0\"/><xf numFmtId=\"164\"/></cellXfs></styleSheet>";
    Put("grid_office", "parts", Blocks(0, {wb, rels, sheet, sst, styles}));

    using namespace JetWriter;
    Put("grid_mdb", "data.mdb",
        WriteDatabase("Data", {{"Name", TColumnType::Text}, {"Count", TColumnType::Long}, {"Rate", TColumnType::Double}},
                      {{QString("one"), 1, 1.5}, {QString("x"), QVariant(), -2.25}, {QString("Größe"), 300, QVariant()}}));
}

void AppFiles(const QString& Tmp)
{
    QStringList pub(Pub_Col_Count), sub(Sub_Col_Count);
    pub[Pub_Col_N] = "1";
    pub[Pub_Col_Topic] = "plant/hall/temp";
    pub[Pub_Col_QoS] = "1";
    pub[Pub_Col_Position] = "12";
    sub[Sub_Col_N] = "1";
    sub[Sub_Col_Topic] = "plant/hall/set";
    sub[Sub_Col_Port] = "1883";
    TXMLDocument xml;
    Write_MQTT_File(&xml, Tmp, {pub}, {sub});
    Put("config_files", "MQTT_Set_Topic.xml", Read(Tmp));
    Put("app_files", "Stratagon.xml",
        "<Conf_Settings><lastproj><projectname>Plant A</projectname></lastproj>"
        "<lastipadd><ipaddress>10.0.0.7</ipaddress></lastipadd>"
        "<lastlang><language>Italiano</language></lastlang>"
        "<lastinternet><enable_internet>1</enable_internet><enable_update>0</enable_update>"
        "<enable_jump_field_tables>1</enable_jump_field_tables>"
        "<Double_Click_Auto_Size>1</Double_Click_Auto_Size></lastinternet></Conf_Settings>");
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 2;
    }
    StartGridFuzzApp();
    Out = QString::fromLocal8Bit(argv[1]);
    const QString tmp = QDir(Out).filePath(".seed.tmp");
    QDir().mkpath(Out);
    TProStringGrid g;
    Fill(g);
    GridFormats(g, tmp);
    ClipboardAndDrag(g);
    Settings(g, tmp);
    ColumnStream(tmp);
    Office();
    AppFiles(tmp);
    QFile::remove(tmp);
    return 0;
}
