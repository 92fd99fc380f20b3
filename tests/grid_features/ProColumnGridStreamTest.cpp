// The column grid's column stream and its column positions in an INI file.
#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/CellEditors.h"
#include "grid/core/GridSettings.h"
#include "grid/features/GridStreamCodec.h"
#include "grid/features/ProColumnGrid.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/graphics/GraphicsObjects.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/IniFile.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The encoding's pieces, written out by hand.
QByteArray Short(const char* S) { return QByteArray(1, char(qstrlen(S))) + S; }
QByteArray Int8(const char* Name, int V) { return Short(Name) + '\x02' + char(V); }
QByteArray Ident(const char* Name, const char* V) { return Short(Name) + '\x07' + Short(V); }
QByteArray Str(const char* Name, const char* V) { return Short(Name) + '\x06' + Short(V); }
QByteArray False(const char* Name) { return Short(Name) + '\x08'; }
QByteArray EmptySet(const char* Name) { return Short(Name) + '\x0B' + '\0'; }

QByteArray TahomaFont(const QByteArray& Prefix)
{
    auto name = [&](const char* P) { return QByteArray(Prefix + P); };
    return Ident(name(".Charset"), "DEFAULT_CHARSET") + Ident(name(".Color"), "clWindowText") +
           Int8(name(".Height"), -11) + Str(name(".Name"), "Tahoma") + EmptySet(name(".Style"));
}

void SetTahoma(TFont* F)
{
    F->SetName("Tahoma");
    F->SetHeight(-11);
    F->SetColor(clWindowText);
    F->SetStyle({});
}

QByteArray Saved(TProColumnGrid& g)
{
    TMemoryStream s;
    g.SaveColumnsToStream(&s);
    return s.Data();
}

void Load(TProColumnGrid& g, const QByteArray& Bytes)
{
    TMemoryStream s;
    s.WriteBuffer(Bytes.constData(), Bytes.size());
    s.SetPosition(0);
    g.LoadColumnsFromStream(&s);
}

// Five columns with something of their own in each.
void Fill(TProColumnGrid& g, TPopupMenu* Menu, TEditLink* Link = nullptr)
{
    g.SetColCount(5);
    TGridColumnCollection* cols = g.Columns();
    TGridColumnItem* a = cols->Items(1);
    a->SetHeader(QStringLiteral("Data Type"));
    a->SetEditor(edComboList);
    a->ComboItems()->AddStrings(QStringList({"Analog Input", "Binary Value", "Größe"}));
    a->SetDropDownCount(13);
    a->SetColor(TColor(0xFEFAE0));
    a->Font()->SetStyle(TFontStyles{} + fsBold + fsItalic);
    a->Font()->SetColor(TColor(0x123456));
    a->HeaderFont()->SetName("Verdana");
    a->SetWidth(150);
    a->SetColumnPopup(Menu);
    a->SetColumnPopupType(cpAllCellsLClick);
    TGridColumnItem* b = cols->Items(2);
    b->SetReadOnly(true);
    b->SetFloatFormat("%.3f");
    b->SetAlignment(taRightJustify);
    b->SetBorders(TCellBorders{} + cbTop + cbBottom);
    b->BorderPen()->SetWidth(3);
    b->BorderPen()->SetStyle(psDot);
    b->SetMinSize(-5);
    b->SetMaxSize(70000);
    b->SetSortStyle(ssNumeric);
    b->SetSortSuffix(" kg");
    b->SetPrintBorderCustom(false);
    b->SetPrintFontCustom(false);
    b->SetPrintColor(TColor(0x0A0B0C));
    TGridColumnItem* c = cols->Items(3);
    c->SetEditor(edDataCheckBox);
    c->SetCheckTrue("on");
    c->SetCheckFalse("off");
    c->Filter()->AddStrings(QStringList({"Big=>100", "small"}));
    c->SetFilterCaseSensitive(true);
    c->SetName("flag");
    c->SetTag(-300);
    c->SetPassword(true);
    c->SetFixed(true);
    c->SetShowBands(true);
    c->SetEditMask("!99;1;_");
    c->SetEditLength(12);
    c->SetEditLink(Link);
    c->SetSpinMin(-1);
    c->SetSpinMax(9);
    c->SetSpinStep(2);
    c->SetAutoMinSize(11);
    c->SetAutoMaxSize(99);
    c->SetHeaderAlignment(taCenter);
    c->PrintFont()->SetOrientation(900);
    c->PrintBorderPen()->SetColor(clRed);
    c->SetPrintBorders({});
}

} // namespace

TEST(ProColumnGridStream, OneColumnFramedByHand)
{
    TProColumnGrid g;
    SetTahoma(g.Font());
    g.SetColor(clWindow);
    g.SetFixedCols(0);
    g.SetColCount(1);
    g.SetColWidths(0, 40);
    ASSERT_EQ(g.Columns()->Count(), 1);
    const QByteArray item =
        Int8("AutoMinSize", 0) + Int8("AutoMaxSize", 0) + Ident("Alignment", "taLeftJustify") + EmptySet("Borders") +
        Ident("BorderPen.Color", "clSilver") + Str("CheckFalse", "N") + Str("CheckTrue", "Y") +
        Ident("Color", "clWindow") + Ident("ColumnPopupType", "cpFixedCellsRClick") + Int8("DropDownCount", 8) +
        Int8("EditLength", 0) + Ident("Editor", "edNormal") + False("FilterCaseSensitive") + False("Fixed") +
        TahomaFont("Font") + Ident("HeaderAlignment", "taLeftJustify") + TahomaFont("HeaderFont") +
        Int8("MinSize", 0) + Int8("MaxSize", 0) + False("Password") + Short("PrintBorders") + '\x0B' +
        Short("cbTop") + Short("cbLeft") + Short("cbRight") + Short("cbBottom") + '\0' +
        Ident("PrintColor", "clWhite") + TahomaFont("PrintFont") + False("ReadOnly") + False("ShowBands") +
        Ident("SortStyle", "ssAutomatic") + Int8("SpinMax", 0) + Int8("SpinMin", 0) + Int8("SpinStep", 1) +
        Int8("Tag", 0) + Int8("Width", 40);
    const QByteArray expected = "TPF0" + Short("TProColumnGridIO") + '\0' + Short("Items") + '\x0E' + '\x01' + item +
                                '\0' + '\0' + '\0' + '\0';
    EXPECT_EQ(Saved(g).toHex(' '), expected.toHex(' '));
}

TEST(ProColumnGridStream, ColumnsRoundTrip)
{
    TForm form;
    auto* menu = new TPopupMenu(&form);
    menu->SetName("PM_Columns");
    auto* link = new TEditLink(&form);
    link->SetName("EL_Flag");
    auto* g = new TProColumnGrid(&form);
    Fill(*g, menu, link);
    const QByteArray bytes = Saved(*g);

    auto* back = new TProColumnGrid(&form);
    back->SetColCount(3);
    back->SetCells(1, 0, "stale");
    Load(*back, bytes);
    ASSERT_EQ(back->ColCount(), 5);
    ASSERT_EQ(back->Columns()->Count(), 5);
    TGridColumnItem* a = back->Columns()->Items(1);
    EXPECT_EQ(a->Header(), "Data Type");
    EXPECT_EQ(a->ComboItems()->Text(), "Analog Input\r\nBinary Value\r\nGröße\r\n");
    EXPECT_EQ(a->Font()->Style(), TFontStyles{} + fsBold + fsItalic);
    EXPECT_EQ(a->HeaderFont()->Name(), "Verdana");
    EXPECT_EQ(a->ColumnPopup(), menu);
    EXPECT_EQ(a->ColumnPopupType(), cpAllCellsLClick);
    EXPECT_EQ(back->ColWidths(1), 150);
    EXPECT_EQ(back->Cells(1, 0), "Data Type");
    TGridColumnItem* b = back->Columns()->Items(2);
    EXPECT_FALSE(b->PrintBorderCustom());
    EXPECT_FALSE(b->PrintFontCustom());
    EXPECT_EQ(b->BorderPen()->Style(), psDot);
    EXPECT_EQ(b->MaxSize(), 70000);
    TGridColumnItem* c = back->Columns()->Items(3);
    EXPECT_EQ(c->CheckFalse(), "off");
    EXPECT_EQ(c->EditLink(), link);
    EXPECT_EQ(c->Filter()->Count(), 2);
    EXPECT_EQ(c->PrintFont()->Orientation(), 900);
    EXPECT_TRUE(c->PrintBorders().Empty());
    // Everything else: what comes back writes the same stream.
    EXPECT_EQ(Saved(*back).toHex(' '), bytes.toHex(' '));
}

TEST(ProColumnGridStream, ADamagedStreamChangesNothing)
{
    TProColumnGrid g;
    Fill(g, nullptr);
    const QByteArray good = Saved(g);
    TProColumnGrid target;
    target.SetColCount(3);
    target.Columns()->Items(1)->SetHeader("keep");
    const QByteArray before = Saved(target);

    TStreamObject unknown{QStringLiteral("TProColumnGridIO"), {}, {}, {}};
    TStreamProps itemProps{{QStringLiteral("Header"), TStreamValue::String("x")},
                           {QStringLiteral("Bogus"), TStreamValue::Integer(1)}};
    unknown.Props.emplace_back(QStringLiteral("Items"), TStreamValue::Collection({itemProps}));
    TMemoryStream u;
    TObjectWriter(&u).WriteRootObject(unknown);
    TStreamObject wrongType = unknown;
    wrongType.Props[0].second.Items[0][1] = {QStringLiteral("Editor"), TStreamValue::Ident("edNothing")};
    TMemoryStream w;
    TObjectWriter(&w).WriteRootObject(wrongType);
    TStreamObject otherClass = unknown;
    otherClass.ClassName = QStringLiteral("TGridPropIO");
    TMemoryStream o;
    TObjectWriter(&o).WriteRootObject(otherClass);

    struct Case {
        const char* Name;
        QByteArray Bytes;
        const char* Message;
    };
    const Case cases[] = {
        {"cut short", good.left(good.size() / 2), nullptr},
        {"unknown property", u.Data(), "Invalid column stream: unknown property Bogus"},
        {"value of the wrong kind", w.Data(), "Invalid column stream: Editor"},
        {"another class", o.Data(), "Invalid column stream: TProColumnGridIO expected, TGridPropIO found"},
    };
    for (const Case& c : cases) {
        const QString message = MessageOf<EReadError>([&] { Load(target, c.Bytes); });
        EXPECT_NE(message, "<no exception>") << c.Name;
        if (c.Message)
            EXPECT_EQ(message, c.Message) << c.Name;
        EXPECT_EQ(Saved(target), before) << c.Name;
        EXPECT_EQ(target.ColCount(), 3) << c.Name;
    }
}

TEST(ProColumnGridStream, TheHolderBelongsToAColumnGrid)
{
    TComponent owner;
    EXPECT_THROW(TProColumnGridIO io(&owner), EComponentError);
    TProColumnGrid g;
    g.SetColCount(4);
    TProColumnGridIO io(&g);
    io.SetItems(g.Columns());
    EXPECT_EQ(io.Items()->Count(), 4);
    // Its items never resize the grid.
    io.Items()->Add();
    EXPECT_EQ(g.ColCount(), 4);
}

TEST(ProColumnGridPositions, SavedPositionsComeBackAfterMoves)
{
    QTemporaryDir dir;
    const QString ini = dir.filePath("cols.ini");
    TProColumnGrid g;
    g.SetColCount(6);
    for (int c = 0; c < 6; ++c) {
        g.Columns()->Items(c)->SetTag(c);
        g.SetCells(c, 1, QString::number(c));
    }
    auto order = [&] {
        QString s;
        for (int c = 0; c < 6; ++c)
            s += QString::number(g.Columns()->Items(c)->Tag());
        return s;
    };
    g.MoveColumn(1, 4);
    g.MoveColumn(5, 2);
    const QString saved = order();
    ASSERT_EQ(saved, "025341");
    g.SaveColumnPositions(ini, "Grid");
    TMemIniFile file(ini);
    EXPECT_EQ(file.ReadInteger("Grid", "CP2", -1), 5);
    g.MoveColumn(2, 5);
    g.MoveColumn(1, 3);
    ASSERT_NE(order(), saved);
    g.LoadColumnPositions(ini, "Grid");
    EXPECT_EQ(order(), saved);
    // The cells went along and the default positions are the saved ones.
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(g.Cells(c, 1), QString::number(g.Columns()->Items(c)->Tag())) << c;
        EXPECT_EQ(g.Columns()->Items(c)->DefIdx, g.Columns()->Items(c)->Tag()) << c;
    }
    // Through ColumnSize's INI settings.
    g.ColumnSize()->SetLocation(clIniFile);
    g.ColumnSize()->SetKey(dir.filePath("size.ini"));
    g.ColumnSize()->SetSection("S");
    g.SaveColPositions();
    g.MoveColumn(1, 2);
    g.LoadColPositions();
    EXPECT_EQ(order(), saved);
}

TEST(ProColumnGridPositions, AnIncompleteOrDamagedFileChangesNothing)
{
    QTemporaryDir dir;
    struct Case {
        const char* Name;
        const char* Lines;
    };
    const Case cases[] = {
        {"a key missing", "[G]\nCP0=0\nCP1=2\nCP2=1\n"},
        {"a position repeated", "[G]\nCP0=0\nCP1=2\nCP2=2\nCP3=1\n"},
        {"a position out of range", "[G]\nCP0=0\nCP1=9\nCP2=1\nCP3=3\n"},
        {"no number", "[G]\nCP0=0\nCP1=x\nCP2=1\nCP3=3\n"},
        {"another section", "[H]\nCP0=3\nCP1=2\nCP2=1\nCP3=0\n"},
    };
    for (const Case& c : cases) {
        const QString ini = dir.filePath("p.ini");
        TStringList lines;
        lines.SetText(QString::fromLatin1(c.Lines));
        lines.SaveToFile(ini);
        TProColumnGrid g;
        g.SetColCount(4);
        g.MoveColumn(1, 2);
        g.HideColumn(2);
        for (int i = 0; i < 4; ++i)
            g.Columns()->Items(i)->SetTag(i);
        g.LoadColumnPositions(ini, "G");
        EXPECT_EQ(g.ColCount(), 3) << c.Name;
        EXPECT_TRUE(g.IsHiddenColumn(2)) << c.Name;
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(g.Columns()->Items(i)->Tag(), i) << c.Name;
    }
}

TEST(ProColumnGridStream, HiddenAndMovedColumnsRoundTrip)
{
    TForm form;
    auto* link = new TEditLink(&form);
    link->SetName("EL_Unit");
    auto* g = new TProColumnGrid(&form);
    g->SetColCount(6);
    const char* headers[] = {"", "Name", "Key", "Type", "Unit", "Id"};
    for (int c = 0; c < 6; ++c) {
        g->ColumnItem(c)->SetHeader(QString::fromLatin1(headers[c]));
        g->SetColWidths(c, 30 + c);
    }
    g->ColumnItem(3)->SetEditor(edComboList);
    g->ColumnItem(3)->ComboItems()->AddStrings(QStringList{"Analog Input", "Binary Value"});
    g->ColumnItem(4)->SetEditor(edCustom);
    g->ColumnItem(4)->SetEditLink(link);
    g->ColumnItem(5)->SetReadOnly(true);
    g->HideColumn(2);
    g->MoveColumn(2, 4); // Type to the end: Name Unit Id Type, Key hidden
    const QByteArray bytes = Saved(*g);

    // A grid hiding its third column too takes every item, the hidden one's included.
    auto* back = new TProColumnGrid(&form);
    back->SetColCount(6);
    back->HideColumn(2);
    Load(*back, bytes);
    EXPECT_EQ(back->ColCount(), 5);
    ASSERT_EQ(back->Columns()->Count(), 6);
    QStringList shown;
    for (int c = 0; c < 6; ++c)
        shown << back->ColumnItem(c)->Header() + (back->IsHiddenColumn(c) ? "(hidden)" : "") + "="
                     + QString::number(back->AllColWidths(c));
    EXPECT_EQ(shown, QStringList({"=30", "Name=31", "Key(hidden)=32", "Unit=34", "Id=35", "Type=33"}));
    EXPECT_EQ(back->ColumnItem(5)->Editor(), edComboList);
    EXPECT_TRUE(back->ColumnItem(4)->ReadOnly());
    EXPECT_EQ(back->ColumnItem(3)->EditLink(), link);
    // The column's editor takes the grid's edit link when its cell is asked.
    TEditorType editor = edNormal;
    back->GetCellEditor(3, 1, editor);
    EXPECT_EQ(editor, edCustom);
    EXPECT_EQ(back->EditLink(), link);
    EXPECT_EQ(Saved(*back).toHex(' '), bytes.toHex(' '));
    // A freed link leaves no column pointing at it.
    delete link;
    EXPECT_EQ(back->ColumnItem(3)->EditLink(), nullptr);
    EXPECT_EQ(g->ColumnItem(3)->EditLink(), nullptr);
    EXPECT_EQ(back->EditLink(), nullptr);
}
