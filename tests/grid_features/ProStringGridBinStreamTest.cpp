#include "../support/ExceptionMessage.h"
#include "../support/QStringPrinter.h"
#include "grid/core/CellGraphic.h"
#include "grid/core/ProGridError.h"
#include "grid/core/ProStringGrid.h"
#include "grid/foundation/FilePicture.h"
#include "grid/foundation/IntList.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"
#include "platform/graphics/RasterImage.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// 4 x 4, one fixed row and column: a merged 2 x 2 range, a two-line cell,
// non-ASCII text, empty cells and a cell with a look of its own.
void Fill(TProStringGrid& g)
{
    g.SetColCount(4);
    g.SetRowCount(4);
    g.SetColWidths(2, 90);
    g.SetRowHeights(3, 40);
    g.SetCells(1, 0, "Head");
    g.SetCells(1, 1, "merged");
    g.MergeCells(1, 1, 2, 2);
    g.SetCells(3, 1, "a\r\nb");
    g.SetCells(0, 3, QStringLiteral("Zürich €"));
    TCellProperties* p = g.CellProperties(3, 3);
    p->SetBrushColor(TColor(0x123456));
    p->SetBrushColorTo(clWindow);
    p->SetGradientDirection(GradientHorizontal);
    p->SetFontStyle(TFontStyles{} + fsBold + fsStrikeOut);
    p->SetFontName("Arial");
    p->SetAlignment(taCenter);
    p->SetEditor(edComboList);
    p->SetReadOnly(true);
}

QStringList Texts(TProStringGrid& g)
{
    QStringList texts;
    for (int r = 0; r < g.RowCount(); ++r)
        for (int c = 0; c < g.ColCount(); ++c)
            texts << g.Cells(c, r);
    return texts;
}

QByteArray ShortBytes(const char* S) { return QByteArray(1, char(qstrlen(S))) + S; }

} // namespace

TEST(ProStringGridBinStream, OneCellFramedByHand)
{
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(4);
    g.SetColWidths(1, 70);
    g.SetRowHeights(2, 20);
    g.SetCells(1, 2, "x");
    TMemoryStream s;
    g.SaveRectToBinStream(TRect{1, 2, 1, 2}, &s);
    ASSERT_LT(g.StreamID(), 128);
    const QByteArray header = "TPF0" + ShortBytes("TGridPropIO") + QByteArray(1, '\0') + ShortBytes("ColCount") +
                              QByteArray("\x02\x01", 2) + ShortBytes("RowCount") + QByteArray("\x02\x01", 2) +
                              ShortBytes("ColWidths") + "\x06" + ShortBytes("70") + ShortBytes("RowHeights") + "\x06" +
                              ShortBytes("20") + ShortBytes("FullGrid") + "\x08" + ShortBytes("ID") + "\x02" +
                              QByteArray(1, char(g.StreamID())) + QByteArray(2, '\0');
    const QByteArray cell = QByteArray::fromHex("54 50 46 30 0B") + "TGridCellIO" +
                            QByteArray::fromHex("00 03 43 6F 6C 02 01 03 52 6F 77 02 02 04 43 65 6C 6C 06 01 78"
                                                "07 48 61 73 50 72 6F 70 08 00 00");
    EXPECT_EQ(s.Data().toHex(' '), (header + cell).toHex(' '));
}

TEST(ProStringGridBinStream, WholeGridRoundTrips)
{
    QTemporaryDir dir;
    TProStringGrid g;
    Fill(g);
    g.SaveToBinFile(dir.filePath("g.bin"));
    TProStringGrid back;
    back.SetCells(0, 0, "stale");
    back.LoadFromBinFile(dir.filePath("g.bin"));
    EXPECT_EQ(back.ColCount(), 4);
    EXPECT_EQ(back.RowCount(), 4);
    EXPECT_EQ(back.ColWidths(2), 90);
    EXPECT_EQ(back.RowHeights(3), 40);
    EXPECT_EQ(Texts(back), Texts(g));
    EXPECT_EQ(back.CellSpan(1, 1), (TPoint{1, 1}));
    EXPECT_EQ(back.BaseCell(2, 2), (TPoint{1, 1}));
    ASSERT_TRUE(back.HasCellProperties(3, 3));
    const TCellProperties* p = back.CellProperties(3, 3);
    EXPECT_EQ(p->BrushColor(), TColor(0x123456));
    EXPECT_EQ(p->BrushColorTo(), clWindow);
    EXPECT_EQ(p->GradientDirection(), GradientHorizontal);
    EXPECT_EQ(p->FontStyle(), TFontStyles{} + fsBold + fsStrikeOut);
    EXPECT_EQ(p->FontName(), "Arial");
    EXPECT_EQ(p->Alignment(), taCenter);
    EXPECT_EQ(p->Editor(), edComboList);
    EXPECT_TRUE(p->ReadOnly());
    EXPECT_EQ(p->OwnerCol(), 3);
}

TEST(ProStringGridBinStream, PartialRectangleLandsAtThePoint)
{
    TProStringGrid g;
    Fill(g);
    TMemoryStream s;
    g.SaveRectToBinStream(TRect{2, 0, 3, 1}, &s);
    TProStringGrid back;
    back.SetColCount(9);
    back.SetRowCount(9);
    back.SetCells(6, 7, "stale");
    back.SetCells(0, 0, "other");
    s.SetPosition(0);
    back.LoadAtPointFromBinStream(TPoint{5, 7}, &s);
    EXPECT_EQ(back.ColCount(), 9);
    EXPECT_EQ(back.RowCount(), 9);
    // (2, 0) is empty: the cell it lands on is emptied.
    EXPECT_EQ(back.GridCells(6, 7), "");
    EXPECT_EQ(back.GridCells(5, 8), "merged");
    EXPECT_EQ(back.GridCells(6, 8), "a\r\nb");
    EXPECT_EQ(back.GridCells(0, 0), "other");

    // Cells that would land past the grid are left out.
    back.SetCells(8, 8, "x");
    s.SetPosition(0);
    back.LoadAtPointFromBinStream(TPoint{8, 8}, &s);
    EXPECT_EQ(back.GridCells(8, 8), "");
    EXPECT_EQ(back.ColCount(), 9);
    EXPECT_EQ(back.RowCount(), 9);
}

TEST(ProStringGridBinStream, HeaderOnlyStreams)
{
    for (bool full : {true, false}) {
        TProStringGrid src;
        src.SetColCount(3);
        src.SetRowCount(2);
        TMemoryStream s;
        src.SaveToBinStream(&s);
        // Keep the header record only.
        const QByteArray bytes = s.Data();
        QByteArray head = bytes.left(bytes.indexOf("TPF0", 4));
        if (!full)
            head.replace(QByteArray("FullGrid\x09"), QByteArray("FullGrid\x08"));
        TBytesStream in(head);
        TProStringGrid g;
        g.SetColCount(6);
        g.SetRowCount(6);
        g.SetCells(1, 1, "keep");
        g.LoadFromBinStream(&in);
        EXPECT_EQ(g.ColCount(), full ? 3 : 6);
        EXPECT_EQ(g.GridCells(1, 1), full ? "" : "keep");
    }
}

TEST(ProStringGridBinStream, RectanglesPast65535AreRefusedBeforeWriting)
{
    TProStringGrid g;
    TMemoryStream s;
    EXPECT_THROW(g.SaveRectToBinStream(TRect{0, 0, 1, 65536}, &s), EProGridError);
    EXPECT_THROW(g.SaveRectToBinStream(TRect{0, 0, 65536, 1}, &s), EProGridError);
    EXPECT_EQ(s.Size(), 0);
}

TEST(ProStringGridBinStream, DamagedStreamsLeaveTheGridUntouched)
{
    TProStringGrid src;
    Fill(src);
    TMemoryStream s;
    src.SaveToBinStream(&s);
    const QByteArray good = s.Data();
    QByteArray shortWidths = good;
    shortWidths.replace(QByteArray("\x06\x0B" "64,64,90,64"), QByteArray("\x06\x0B" "64,64,90   "));
    QByteArray wrongClass = good;
    wrongClass.replace(QByteArray("TGridCellPropIO"), QByteArray("TGridCellPropIX"));
    QByteArray badEnum = good;
    badEnum.replace(QByteArray("edComboList"), QByteArray("edComboLisX"));
    const QByteArray inputs[] = {good.left(good.size() - 3), good.left(30), shortWidths, wrongClass, badEnum,
                                 QByteArray("garbage!")};
    for (const QByteArray& in : inputs) {
        TProStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetCells(1, 1, "keep");
        TBytesStream bs(in);
        EXPECT_THROW(g.LoadFromBinStream(&bs), EReadError);
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.GridCells(1, 1), "keep");
    }
}

TEST(ProStringGridBinStream, CellGraphicsRoundTrip)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("p.png");
    {
        TPngImage img;
        TBitmap bmp(3, 2);
        bmp.Canvas()->SetPixels(1, 1, TColor(0x0000FF));
        img.Assign(&bmp);
        TPicture pic;
        pic.SetGraphic(&img);
        pic.SaveToFile(png);
    }
    TImageList images;
    TProStringGrid g;
    g.SetGridImages(&images);
    g.SetColCount(4);
    g.SetRowCount(4);
    TBitmap* bmp = g.CreateBitmap(1, 1, true, haRight, vaCenter);
    bmp->SetSize(4, 3);
    bmp->Canvas()->SetPixels(2, 1, TColor(0x00FF00));
    TStrings* radio = g.CreateRadio(2, 1, 1, 2);
    radio->Add("one");
    radio->Add(QStringLiteral("zwö"));
    radio->Add("three");
    g.AddMultiImage(3, 1, 0, haLeft, vaTop);
    for (int i : {2, 5, 7})
        g.GetCellImages(3, 1)->Add(i);
    g.AddCheckBox(1, 2, cbGrayed);
    g.AddComment(2, 2, "note");
    g.CreateFilePicture(3, 2, false, Stretch, 2, haCenter, vaCenter)->SetFilename(png);
    TBitmap appOwned(2, 2);
    g.AddBitmap(1, 3, &appOwned, false, haLeft, vaTop);
    g.SetCells(1, 3, "text");

    TMemoryStream s;
    g.SaveToBinStream(&s);
    TProStringGrid back;
    s.SetPosition(0);
    back.LoadFromBinStream(&s);

    TBitmap* b = back.GetBitmap(1, 1);
    ASSERT_TRUE(b);
    EXPECT_NE(b, bmp);
    EXPECT_EQ(b->Width(), 4);
    EXPECT_EQ(b->Canvas()->Pixels(2, 1), TColor(0x00FF00));
    EXPECT_EQ(back.GetCellGraphic(1, 1)->CellHAlign(), haRight);
    EXPECT_TRUE(back.GetCellGraphic(1, 1)->CellTransparent());
    ASSERT_TRUE(back.GetRadioStrings(2, 1));
    EXPECT_EQ(back.GetRadioStrings(2, 1)->CommaText(), QStringLiteral("one,zwö,three"));
    int idx = -1;
    EXPECT_TRUE(back.GetRadioIdx(2, 1, idx));
    EXPECT_EQ(idx, 2);
    ASSERT_TRUE(back.GetCellImages(3, 1));
    EXPECT_EQ(back.GetCellImages(3, 1)->StrValue(), "2,5,7");
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(back.GetCheckBoxState(1, 2, state));
    EXPECT_EQ(state, cbGrayed);
    EXPECT_EQ(back.GetComment(2, 2), "note");
    ASSERT_TRUE(back.GetFilePicture(3, 2));
    EXPECT_EQ(back.GetFilePicture(3, 2)->Filename(), png);
    EXPECT_EQ(back.GetFilePicture(3, 2)->Width(), 3);
    // The application's bitmap stays out; the cell keeps its properties.
    EXPECT_FALSE(back.GetCellGraphic(1, 3));
    EXPECT_EQ(back.GridCells(1, 3), "text");
}

TEST(ProStringGridBinStream, PictureAndIconPayloadsRoundTrip)
{
    TProStringGrid g;
    g.SetColCount(3);
    g.SetRowCount(2);
    TPngImage png;
    TBitmap px(5, 4);
    px.Canvas()->SetPixels(4, 3, TColor(0xFF0000));
    png.Assign(&px);
    g.CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&png);
    g.CreateIcon(2, 1, haLeft, vaTop)->SetSize(16, 16);
    TMemoryStream s;
    g.SaveToBinStream(&s);
    EXPECT_TRUE(s.Data().contains("\x09TPngImage"));
    TProStringGrid back;
    s.SetPosition(0);
    back.LoadFromBinStream(&s);
    TPicture* pic = back.GetPicture(1, 1);
    ASSERT_TRUE(pic && pic->Graphic());
    EXPECT_EQ(pic->Graphic()->Width(), 5);
    EXPECT_TRUE(dynamic_cast<TPngImage*>(pic->Graphic()));
    ASSERT_TRUE(back.GetCellGraphic(2, 1));
    EXPECT_EQ(back.GetCellGraphic(2, 1)->CellType(), ctIcon);
    ASSERT_TRUE(back.GetCellGraphic(2, 1)->CellIcon());
    EXPECT_EQ(back.GetCellGraphic(2, 1)->CellIcon()->Width(), 16);
}

TEST(ProStringGridBinStream, MetafilePicturesKeepTheirBytes)
{
    // An enhanced metafile header with bounds (2,3)-(41,22), then a record
    // this platform cannot play: it must come back unchanged.
    QByteArray emf(88, '\0');
    const auto put = [&](int At, qint32 V) {
        for (int i = 0; i < 4; ++i)
            emf[At + i] = char((quint32(V) >> (8 * i)) & 0xFF);
    };
    put(0, 1);
    put(4, 88);
    put(8, 2);
    put(12, 3);
    put(16, 41);
    put(20, 22);
    emf.replace(40, 4, " EMF");
    emf.replace(80, 8, QByteArray("\x0E\0\0\0\xAB\xCD\xEF\x01", 8));
    TMetafile meta;
    meta.LoadFromBytes(emf);
    EXPECT_EQ(meta.Width(), 40);
    EXPECT_EQ(meta.Height(), 20);

    TProStringGrid g;
    g.SetColCount(2);
    g.SetRowCount(2);
    g.CreatePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->SetGraphic(&meta);
    TMemoryStream s;
    g.SaveToBinStream(&s);
    EXPECT_TRUE(s.Data().contains(QByteArray("\x09TMetafile") + emf));
    TProStringGrid back;
    s.SetPosition(0);
    back.LoadFromBinStream(&s);
    TPicture* pic = back.GetPicture(1, 1);
    ASSERT_TRUE(pic);
    auto* kept = dynamic_cast<TMetafile*>(pic->Graphic());
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->SaveToBytes(), emf);
    TMemoryStream again;
    back.SaveToBinStream(&again);
    EXPECT_TRUE(again.Data().contains(QByteArray("\x09TMetafile") + emf));
    EXPECT_EQ(again.Data().size(), s.Data().size());
}

TEST(ProStringGridBinStream, DamagedGraphicRecordsLeaveTheGridUntouched)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("gone.png");
    TProStringGrid src;
    src.SetColCount(3);
    src.SetRowCount(2);
    {
        TBitmap bmp(2, 2);
        TPngImage img;
        img.Assign(&bmp);
        TPicture pic;
        pic.SetGraphic(&img);
        pic.SaveToFile(png);
    }
    src.CreateFilePicture(1, 1, false, noStretch, 0, haLeft, vaTop)->SetFilename(png);
    TStrings* radio = src.CreateRadio(2, 1, 0, 0);
    radio->Add("a");
    TMemoryStream s;
    src.SaveToBinStream(&s);
    const QByteArray good = s.Data();
    QFile::remove(png);
    QByteArray badType = good;
    badType.replace(QByteArray("ctRadio"), QByteArray("ctRadiX"));
    QByteArray badPayload = good;
    badPayload.replace(QByteArray("TGridSLIO"), QByteArray("TGridBMPIO").left(9));
    for (const QByteArray& in : {good, badType, badPayload}) {
        TProStringGrid g;
        g.SetColCount(2);
        g.SetRowCount(2);
        g.SetCells(1, 1, "keep");
        TBytesStream bs(in);
        EXPECT_THROW(g.LoadFromBinStream(&bs), EReadError);
        EXPECT_EQ(g.ColCount(), 2);
        EXPECT_EQ(g.GridCells(1, 1), "keep");
        EXPECT_FALSE(g.GetCellGraphic(1, 1));
    }
}
