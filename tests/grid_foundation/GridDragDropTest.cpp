// The grid's drag and drop: what a drop target accepts and hands to its
// hooks, the data object's formats, dropped blocks read within their size,
// and drags through the platform's service inside the process.
#include "grid/foundation/GridDragDrop.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/rtl/Stream.h"
#include "platform/rtl/StringList.h"
#include "platform/services/Clipboard.h"
#include <gtest/gtest.h>
#include <memory>

namespace {

class RecordingTarget : public TSGDropTarget {
public:
    void DropText(TPoint, const QString& s) override { Log << "text " + s; }
    void DropStream(TPoint, TMemoryStream* ms) override
    {
        Log << "stream " + QString::fromLatin1(ms->Data());
        delete ms;
    }
    void DropCol(TPoint, int col) override { Log << QStringLiteral("col %1").arg(col); }
    void DropRTF(TPoint, const QString& s) override { Log << "rtf " + s; }
    void DropFiles(TPoint, TStrings* files) override { Log << "files " + files->Text().trimmed(); }
    void DropURL(TPoint, const QString& s) override { Log << "url " + s; }
    QStringList Log;
};

QByteArray CellBlock(quint32 Claimed, const QByteArray& Carried)
{
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b += char((Claimed >> (8 * i)) & 0xFF);
    b += QByteArray(4, '\0');
    return b + Carried;
}

class GridDrop : public ::testing::Test {
protected:
    void TearDown() override
    {
        EnableRTFDrop(false);
        SetDragDriver(nullptr);
    }
    unsigned Enter(TDataObject& Data, int KeyState = 0, unsigned Allowed = DROPEFFECT_COPY | DROPEFFECT_MOVE)
    {
        unsigned effect = Allowed;
        Target.DragEnter(Data, KeyState, {1, 1}, effect);
        return effect;
    }
    unsigned Drop(TDataObject& Data, int KeyState = 0)
    {
        unsigned effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
        Target.Drop(Data, KeyState, {1, 1}, effect);
        return effect;
    }
    RecordingTarget Target;
};

TEST_F(GridDrop, PlainTextIsAcceptedOnlyWhileTextIs)
{
    TDataObject data;
    data.SetText(QStringLiteral("hello"));
    EXPECT_EQ(Enter(data), DROPEFFECT_MOVE);
    EXPECT_TRUE(Target.DropFormats().Contains(dfText));
    EXPECT_EQ(Drop(data), DROPEFFECT_MOVE);
    EXPECT_EQ(Target.Log, QStringList({"text hello"}));

    Target.Log.clear();
    Target.SetAcceptText(false);
    EXPECT_EQ(Enter(data), DROPEFFECT_NONE);
    unsigned over = DROPEFFECT_COPY;
    Target.DragOver(0, {2, 2}, over);
    EXPECT_EQ(over, DROPEFFECT_NONE);
    EXPECT_EQ(Drop(data), DROPEFFECT_NONE);
    EXPECT_TRUE(Target.Log.isEmpty());
}

TEST_F(GridDrop, CtrlCopiesAndMoveNeedsToBeAllowed)
{
    TDataObject data;
    data.SetText(QStringLiteral("x"));
    EXPECT_EQ(Enter(data, MK_CONTROL), DROPEFFECT_COPY);
    EXPECT_EQ(Enter(data, 0, DROPEFFECT_COPY), DROPEFFECT_COPY);
    EXPECT_EQ(Enter(data, 0), DROPEFFECT_MOVE);
}

TEST_F(GridDrop, CellsWinOverTextAndFilesFollowText)
{
    TDataObject cells;
    cells.SetText(QStringLiteral("t"));
    cells.SetData(CF_GridCellsFormat(), CellBlock(3, "abc"));
    Enter(cells);
    Drop(cells);
    EXPECT_EQ(Target.Log, QStringList({"stream abc"}));

    Target.Log.clear();
    TDataObject both;
    both.SetText(QStringLiteral("t"));
    both.SetFiles({QStringLiteral("/tmp/a.csv")});
    Enter(both);
    Drop(both);
    EXPECT_EQ(Target.Log, QStringList({"text t", "files /tmp/a.csv"}));
}

TEST_F(GridDrop, CellBlockClaimingMoreThanItCarriesIsRefused)
{
    TDataObject data;
    data.SetData(CF_GridCellsFormat(), CellBlock(100, "abc"));
    TEnumFormats f(&data);
    EXPECT_FALSE(f.HasGridCells());
    EXPECT_EQ(f.Stream(), nullptr);
    EXPECT_EQ(Enter(data), DROPEFFECT_NONE);
    TDataObject shortHead;
    shortHead.SetData(CF_GridCellsFormat(), QByteArray("\x02\0\0", 3));
    TEnumFormats g(&shortHead);
    EXPECT_EQ(g.Stream(), nullptr);
}

TEST(DropFiles, ListsEndAtTheBlocksEnd)
{
    QByteArray head(20, '\0');
    head[0] = 20;
    QByteArray ok = head + QByteArray("a.txt\0b.txt\0\0", 13);
    QStringList files;
    EXPECT_TRUE(ParseDropFiles(ok, files));
    EXPECT_EQ(files, QStringList({"a.txt", "b.txt"}));
    // The last name ends, the list does not.
    EXPECT_FALSE(ParseDropFiles(head + QByteArray("a.txt\0b.txt\0", 12), files));
    EXPECT_TRUE(files.isEmpty());
    EXPECT_FALSE(ParseDropFiles(head + QByteArray("a.txt"), files));
    // An offset past the block.
    QByteArray far = head;
    far[0] = char(200);
    EXPECT_FALSE(ParseDropFiles(far, files));
    // Wide names.
    QByteArray wide = head;
    wide[16] = 1;
    for (char c : QByteArray("ab"))
        wide += QByteArray(1, c) + QByteArray(1, '\0');
    wide += QByteArray(4, '\0');
    EXPECT_TRUE(ParseDropFiles(wide, files));
    EXPECT_EQ(files, QStringList({"ab"}));
}

TEST(SourceData, TextBlocksAreTerminatedAndRichTextNeedsTheSwitch)
{
    TSourceDataObject d(QStringLiteral("ab"), QStringLiteral("{\\rtf1 ab}"), -1, nullptr);
    TFormatEtc f;
    QByteArray block;
    f.cfFormat = CF_TEXT;
    ASSERT_EQ(d.GetData(f, block), S_OK);
    EXPECT_EQ(block, QByteArray("ab\0", 3));
    f.cfFormat = CF_UNICODETEXT;
    d.GetData(f, block);
    EXPECT_EQ(block, QByteArray("a\0b\0\0\0", 6));
    f.cfFormat = CF_RTFFormat();
    EXPECT_EQ(d.QueryGetData(f), DV_E_FORMATETC);
    EnableRTFDrop(true);
    EXPECT_EQ(d.QueryGetData(f), S_OK);
    // An empty rich text is never offered.
    TSourceDataObject empty(QStringLiteral("ab"), QString(), -1, nullptr);
    EXPECT_EQ(empty.QueryGetData(f), DV_E_FORMATETC);
    EnableRTFDrop(false);
    f.tymed = 2;
    f.cfFormat = CF_TEXT;
    EXPECT_EQ(d.QueryGetData(f), DV_E_FORMATETC);
}

TEST(SourceData, ColumnDragListsTextsButOffersOnlyTheColumn)
{
    TSourceDataObject d(QString(), QString(), 4, nullptr);
    std::unique_ptr<TSourceEnumFormatEtc> e;
    ASSERT_EQ(d.EnumFormatEtc(DATADIR_GET, e), S_OK);
    std::vector<TFormatEtc> list;
    int fetched = 0;
    EXPECT_EQ(e->Next(10, list, &fetched), S_FALSE);
    ASSERT_EQ(fetched, 4);
    EXPECT_EQ(list[0].cfFormat, unsigned(CF_TEXT));
    EXPECT_EQ(list[1].cfFormat, unsigned(CF_UNICODETEXT));
    EXPECT_EQ(list[2].cfFormat, CF_RTFFormat());
    EXPECT_EQ(list[3].cfFormat, CF_GridColFormat());
    int offered = 0;
    for (const TFormatEtc& f : list)
        offered += d.QueryGetData(f) == S_OK;
    EXPECT_EQ(offered, 1);
    QByteArray block;
    d.GetData(list[3], block);
    EXPECT_EQ(block, QByteArray("\x04\0\0\0", 4));
    std::unique_ptr<TSourceEnumFormatEtc> other;
    EXPECT_EQ(d.EnumFormatEtc(2, other), E_NOTIMPL);
    EXPECT_EQ(other, nullptr);
}

TEST(SourceData, SkipPastTheEndFetchesNothing)
{
    TSourceEnumFormatEtc e(false, false);
    EXPECT_EQ(e.Skip(10), S_FALSE);
    std::vector<TFormatEtc> list;
    int fetched = -1;
    EXPECT_EQ(e.Next(1, list, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0);
    e.Reset();
    EXPECT_EQ(e.Next(3, list, &fetched), S_OK);
    auto clone = e.Clone();
    EXPECT_EQ(clone->Index(), 3);
}

class InProcessDrag : public GridDrop {
protected:
    void SetUp() override
    {
        Form.SetBounds(0, 0, 200, 100);
        Grid = new TWinControl(&Form);
        Grid->SetBounds(10, 10, 100, 50);
        Grid->SetParent(&Form);
        ASSERT_TRUE(RegisterDragDrop(Grid, &Target));
        SetDragDriver([this](const TDataObject& data, unsigned ok, unsigned& effect) {
            return SimulateDrop(data, ok, Grid, TPoint{5, 5}, KeyState, effect);
        });
    }
    void TearDown() override
    {
        RevokeDragDrop(Grid);
        GridDrop::TearDown();
    }
    TForm Form{nullptr};
    TWinControl* Grid = nullptr;
    int KeyState = 0;
};

class CountingSource : public TSGDropSource {
public:
    void DragFinished() override { ++Finished; }
    int Finished = 0;
};

TEST_F(InProcessDrag, TextAndCellsTravelThroughTheHelper)
{
    CountingSource source;
    TMemoryStream cells;
    cells.Write("r1c1", 4);
    unsigned effect = 0;
    EXPECT_EQ(StartTextDrag(&source, QStringLiteral("sel"), QString(), &cells, DROPEFFECT_COPY | DROPEFFECT_MOVE,
                            effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(Target.Log, QStringList({"stream r1c1"}));
    EXPECT_EQ(source.Finished, 1);
    EXPECT_FALSE(source.NoAccept());

    Target.Log.clear();
    KeyState = MK_CONTROL;
    EXPECT_EQ(StartTextDrag(&source, QStringLiteral("plain"), QString(), nullptr, DROPEFFECT_COPY | DROPEFFECT_MOVE,
                            effect),
              DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(Target.Log, QStringList({"text plain"}));
}

TEST_F(InProcessDrag, ColumnsNeedAcceptCols)
{
    CountingSource source;
    unsigned effect = 0;
    EXPECT_EQ(StartColDrag(&source, 3, DROPEFFECT_MOVE, effect), DRAGDROP_S_CANCEL);
    EXPECT_TRUE(source.NoAccept());
    Target.SetAcceptCols(true);
    EXPECT_EQ(StartColDrag(&source, 3, DROPEFFECT_MOVE, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(Target.Log, QStringList({"col 3"}));
}

TEST_F(InProcessDrag, RichTextDropsOnlyWithTheSwitch)
{
    CountingSource source;
    unsigned effect = 0;
    EnableRTFDrop(true);
    StartTextDrag(&source, QStringLiteral("t"), QStringLiteral("{\\rtf1 t}"), nullptr, DROPEFFECT_COPY, effect);
    EXPECT_EQ(Target.Log, QStringList({"rtf {\\rtf1 t}"}));
}

TEST(DropSource, EscapeCancelsAndReleaseDrops)
{
    CountingSource s;
    EXPECT_EQ(s.QueryContinueDrag(false, MK_LBUTTON), S_OK);
    EXPECT_EQ(s.QueryContinueDrag(true, MK_LBUTTON), DRAGDROP_S_CANCEL);
    EXPECT_EQ(s.QueryContinueDrag(false, 0), DRAGDROP_S_DROP);
    EXPECT_EQ(s.Finished, 2);
    EXPECT_EQ(s.GiveFeedback(DROPEFFECT_NONE), DRAGDROP_S_USEDEFAULTCURSORS);
    EXPECT_TRUE(s.NoAccept());
}

} // namespace
