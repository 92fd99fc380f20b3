#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/IntList.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include "tests/support/FileBytes.h"

namespace {

QByteArray Utf16(const QString& S)
{
    return QByteArray(reinterpret_cast<const char*>(S.utf16()), S.size() * 2);
}

// 3 x 3 with a fixed row: merged header, a two-line cell, non-ASCII text
// and empty cells.
void FillText(TProStringGrid& g)
{
    g.SetColCount(3);
    g.SetRowCount(3);
    g.SetColWidths(1, 80);
    g.SetCells(0, 0, "Name");
    g.SetCells(1, 0, "Wert");
    g.MergeCells(1, 0, 2, 1);
    g.SetCells(0, 1, "Zürich");
    g.SetCells(1, 1, "a\r\nb");
    g.SetCells(2, 2, "€");
}

QStringList AllCells(TProStringGrid& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(c, r);
    return texts;
}

} // namespace

TEST(ProStringGridTextFile, WrittenByHandAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cells.txt");
    TProStringGrid g;
    FillText(g);
    g.SaveToFile(path, false);
    EXPECT_EQ(ReadBytes(path), QByteArray("3,3\r\ncw 0,64\r\ncw 1,80\r\ncw 2,64\r\n"
                                          "0,0,Name\r\n1,0,Wert\r\n2,0,Wert\r\n0,1,Z\xFCrich\r\n1,1,a\t\bb\r\n"
                                          "2,2,\x80\r\n"));
    for (bool multi : {true, false}) {
        TProStringGrid back;
        back.SetMultilinecells(multi);
        back.LoadFromFile(path);
        EXPECT_EQ(back.ColCount(), 3);
        EXPECT_EQ(back.RowCount(), 3);
        EXPECT_EQ(back.ColWidths(1), 80);
        EXPECT_EQ(back.GridCells(1, 1), multi ? "a\r\nb" : "a");
        EXPECT_EQ(back.GridCells(0, 1), QStringLiteral("Zürich"));
        EXPECT_EQ(back.GridCells(2, 2), QStringLiteral("€"));
    }

    g.SaveToFile(path, true);
    EXPECT_TRUE(ReadBytes(path).startsWith(QByteArray("\xFF\xFE" "3\0,\0" "3\0", 8)));
    TProStringGrid back;
    back.SetMultilinecells(true);
    back.LoadFromFile(path);
    // A merged range's text is written into each of its cells.
    EXPECT_EQ(AllCells(back), AllCells(g));
}

TEST(ProStringGridTextFile, CorruptFilesLeaveTheGridAlone)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("bad.txt");
    const QString message = QStringLiteral("File contains no data or corrupt file ") + path;
    const QByteArray inputs[] = {
        "0,0\r\n",
        "x,3\r\n",
        "2,2\r\ncw 0,64\r\n1;1;text\r\n",
        "2,2\r\n0,abc,text\r\n",
        "99999999,99999999\r\n",
    };
    for (const QByteArray& in : inputs) {
        SCOPED_TRACE(in.toStdString());
        WriteBytes(path, in);
        TProStringGrid g;
        FillText(g);
        const QStringList before = AllCells(g);
        EXPECT_EQ(MessageOf<EProGridError>([&] { g.LoadFromFile(path); }), message);
        EXPECT_EQ(AllCells(g), before);
    }
    // Cells and widths outside the grid the header gives are left out.
    WriteBytes(path, "2,2\r\ncw 5,10\r\n5,0,far\r\n-1,0,neg\r\n1,1,in\r\n");
    TProStringGrid g;
    g.LoadFromFile(path);
    EXPECT_EQ(g.ColCount(), 2);
    EXPECT_EQ(g.GridCells(1, 1), "in");
    EXPECT_THROW(g.LoadFromFile(dir.filePath("missing.txt")), EFOpenError);
}

TEST(ProStringGridTextStream, RelativeCellsAndTheStreamLeftAtForeignData)
{
    TProStringGrid g;
    FillText(g);
    g.SetSaveFixedCells(false);
    g.SetFixedCols(0);
    TMemoryStream s;
    g.SaveToStream(&s);
    const QByteArray trailer = Utf16(QStringLiteral("tail,line\r\n"));
    s.WriteBytes(trailer);
    EXPECT_EQ(s.Data(), Utf16(QStringLiteral("3,2\r\ncw 0,64\r\ncw 1,80\r\ncw 2,64\r\n0,0,Z\u00FCrich\r\n"
                                             "1,0,a\t\bb\r\n2,1,\u20AC\r\n")) + trailer);

    s.SetPosition(0);
    TProStringGrid back;
    back.SetMultilinecells(true);
    back.SetSaveFixedCells(false);
    back.SetFixedCols(0);
    back.LoadFromStream(&s);
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.GridCells(0, 1), QStringLiteral("Zürich"));
    EXPECT_EQ(back.GridCells(1, 1), "a\r\nb");
    EXPECT_EQ(back.GridCells(2, 2), QStringLiteral("€"));
    EXPECT_EQ(s.ReadAll(), trailer);
}

TEST(ProStringGridTextStream, MalformedNumberFailsWithoutChange)
{
    TMemoryStream s;
    s.WriteBytes(Utf16(QStringLiteral("2,2\r\n0,0,a\r\ncw x,5\r\n")));
    s.SetPosition(0);
    TProStringGrid g;
    g.SetCells(0, 0, "old");
    EXPECT_EQ(MessageOf<EConvertError>([&] { g.LoadFromStream(&s); }), "'x' is not a valid integer value");
    EXPECT_EQ(g.GridCells(0, 0), "old");
    EXPECT_EQ(s.Position(), 0);
}

TEST(ProStringGridAscii, PaddedAlignedAndMultiLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("t.txt");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(3);
    g.SetMultilinecells(true);
    g.SetCells(0, 0, "abcdefgh");
    g.SetCells(0, 1, "x");
    g.SetCells(1, 0, "12");
    g.SetCells(1, 1, "345");
    g.SetCells(1, 2, "1\r\n22");
    for (int r = 0; r < 3; ++r)
        g.SetAlignments(1, r, taRightJustify);
    g.SaveToASCII(path, false);
    EXPECT_EQ(ReadBytes(path), QByteArray("abcdefgh  12 \r\n"
                                          "x        345 \r\n"
                                          "           1 \r\n"
                                          "          22\r\n"));
    g.AppendToASCII(path, false);
    EXPECT_EQ(ReadBytes(path).count("abcdefgh"), 2);
}

TEST(ProStringGridFixed, WidthsGrowOnceAndPositionsReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.txt");
    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.SetCells(0, 0, "abc");
    g.SetCells(1, 0, QStringLiteral("Zürich"));
    g.SetCells(0, 1, "a");
    TIntList widths(0, 0);
    g.SaveToFixed(path, &widths);
    EXPECT_EQ(widths.StrValue(), "4,7");
    EXPECT_EQ(ReadBytes(path), QByteArray("abc Z\xFCrich \r\na          \r\n"));
    g.SetCells(0, 0, "longer text");
    g.SaveToFixed(path, &widths);
    EXPECT_EQ(widths.StrValue(), "4,7");
    EXPECT_EQ(ReadBytes(path).left(13), QByteArray("longZ\xFCrich \r\n"));

    WriteBytes(path, "abcdefghijk\r\n1234567\r\nxy\r\n");
    TIntList pos(0, 0);
    pos.SetStrValue("12,1,5");
    TProStringGrid back;
    back.SetFixedCols(0);
    back.SetRowCount(1);
    back.LoadFromFixed(path, &pos, true, -1);
    EXPECT_EQ(pos.StrValue(), "1,5,12");
    EXPECT_EQ(back.ColCount(), 2);
    EXPECT_EQ(back.RowCount(), 3);
    EXPECT_EQ(back.Cells(0, 0), "abcd");
    EXPECT_EQ(back.Cells(1, 0), "efghijk");
    EXPECT_EQ(back.Cells(1, 1), "567");
    EXPECT_EQ(back.Cells(0, 2), "xy");

    EXPECT_EQ(MessageOf<EProGridError>([&] { back.LoadFromFixed(dir.filePath("no.txt"), &pos, true, -1); }),
              QStringLiteral("File ") + dir.filePath("no.txt") + " not found");
    EXPECT_EQ(MessageOf<EProGridError>([&] { g.SaveToFixed(dir.filePath("no/such/dir.txt"), &widths); }),
              QStringLiteral("Cannot Create file ") + dir.filePath("no/such/dir.txt"));
}
