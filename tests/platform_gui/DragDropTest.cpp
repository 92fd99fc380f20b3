#include "platform/services/Clipboard.h"
#include "platform/services/DragDrop.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Messages.h"
#include "platform/graphics/Bitmap.h"
#include "platform/rtl/Exceptions.h"
#include <gtest/gtest.h>

namespace {

// Records the calls and answers with a fixed set of effects.
class RecordingTarget : public IDropTarget {
public:
    void DragEnter(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) override
    {
        Log << QStringLiteral("enter %1").arg(Effect);
        Effect &= Accept;
    }
    void DragOver(int KeyState, TPoint Pt, unsigned& Effect) override
    {
        Log << QStringLiteral("over %1,%2").arg(Pt.X).arg(Pt.Y);
        Effect &= Accept;
    }
    void DragLeave() override { Log << "leave"; }
    void Drop(const TDataObject& Data, int KeyState, TPoint Pt, unsigned& Effect) override
    {
        Log << "drop";
        Cells = Data.GetData(RegisterClipboardFormat("TProStringGrid Cells"));
        Text = Data.Text();
        Files = Data.Files();
        Urls = Data.Urls();
        Effect &= Accept;
    }

    unsigned Accept = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    QStringList Log;
    QByteArray Cells;
    QString Text;
    QStringList Files;
    QStringList Urls;
};

class DragDropTest : public testing::Test {
protected:
    void SetUp() override
    {
        FForm.SetBounds(0, 0, 200, 100);
        FTarget = new TWinControl(&FForm);
        FTarget->SetBounds(20, 10, 100, 50);
        FTarget->SetParent(&FForm);
        ASSERT_TRUE(RegisterDragDrop(FTarget, &FRecorder));
        FCells = RegisterClipboardFormat("TProStringGrid Cells");
        FData.SetData(FCells, QByteArray("r1\0c1", 5));
        FData.SetText("a\tb");
    }
    void TearDown() override { SetDragDriver(nullptr); }

    TForm FForm{nullptr};
    TWinControl* FTarget = nullptr;
    RecordingTarget FRecorder;
    TDataObject FData;
    unsigned FCells = 0;
};

struct EffectCase {
    const char* name;
    int keyState;
    unsigned ok;      // effects the source allows
    unsigned accept;  // effects the target accepts
    long result;
    unsigned effect;
};

class DragDropEffect : public DragDropTest, public testing::WithParamInterface<EffectCase> {};

TEST_P(DragDropEffect, PrivateFormatReachesTheTarget)
{
    const EffectCase& c = GetParam();
    FRecorder.Accept = c.accept;
    // The drag runs inside DoDragDrop as the user's would, dropping on the
    // target's client point (5, 6).
    SetDragDriver([&](const TDataObject& data, unsigned ok, unsigned& effect) {
        return SimulateDrop(data, ok, FTarget, TPoint{5, 6}, c.keyState, effect);
    });
    unsigned effect = 99;
    EXPECT_EQ(DoDragDrop(FData, c.ok, &effect), c.result);
    EXPECT_EQ(effect, c.effect);
    if (c.result == DRAGDROP_S_DROP) {
        EXPECT_EQ(FRecorder.Cells, QByteArray("r1\0c1", 5));
        EXPECT_EQ(FRecorder.Text, "a\tb");
        const TPoint screen = FTarget->ClientToScreen(TPoint{5, 6});
        EXPECT_EQ(FRecorder.Log, QStringList({QStringLiteral("enter %1").arg(c.ok),
                                              QStringLiteral("over %1,%2").arg(screen.X).arg(screen.Y), "drop"}));
    } else {
        EXPECT_FALSE(FRecorder.Log.contains("drop"));
        EXPECT_TRUE(FRecorder.Log.endsWith("leave"));
    }
}

constexpr unsigned CopyMove = DROPEFFECT_COPY | DROPEFFECT_MOVE;

INSTANTIATE_TEST_SUITE_P(
    Cases, DragDropEffect,
    testing::Values(
        EffectCase{"MoveWithoutCtrl", 0, CopyMove, CopyMove, DRAGDROP_S_DROP, DROPEFFECT_MOVE},
        EffectCase{"CopyWithCtrl", MK_CONTROL, CopyMove, CopyMove, DRAGDROP_S_DROP, DROPEFFECT_COPY},
        EffectCase{"CtrlButSourceOnlyMoves", MK_CONTROL, DROPEFFECT_MOVE, CopyMove, DRAGDROP_S_DROP,
                   DROPEFFECT_MOVE},
        EffectCase{"TargetOnlyCopies", 0, CopyMove, DROPEFFECT_COPY, DRAGDROP_S_DROP, DROPEFFECT_COPY},
        EffectCase{"TargetRefuses", 0, CopyMove, DROPEFFECT_NONE, DRAGDROP_S_CANCEL, DROPEFFECT_NONE},
        EffectCase{"NothingInCommon", 0, DROPEFFECT_COPY, DROPEFFECT_MOVE, DRAGDROP_S_CANCEL, DROPEFFECT_NONE}),
    [](const testing::TestParamInfo<EffectCase>& info) { return std::string(info.param.name); });

TEST_F(DragDropTest, CancelIsDistinctAndReachesLeave)
{
    SetDragDriver([&](const TDataObject& data, unsigned ok, unsigned& effect) {
        return SimulateDragCancel(data, ok, FTarget, TPoint{5, 6}, effect);
    });
    unsigned effect = 99;
    EXPECT_EQ(DoDragDrop(FData, CopyMove, &effect), DRAGDROP_S_CANCEL);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    EXPECT_EQ(FRecorder.Log, QStringList({QStringLiteral("enter %1").arg(CopyMove), "leave"}));
}

TEST_F(DragDropTest, TheDragImageLastsOneDrag)
{
    TBitmap shot(10, 6);
    SetDragImage(&shot, TPoint{-4, -4}, 192);
    TSize during;
    SetDragDriver([&](const TDataObject&, unsigned, unsigned& effect) {
        during = DragImageSize();
        effect = DROPEFFECT_NONE;
        return DRAGDROP_S_CANCEL;
    });
    TDataObject data;
    data.SetText(QStringLiteral("x"));
    unsigned effect = 0;
    DoDragDrop(data, DROPEFFECT_COPY, &effect);
    EXPECT_EQ(during, (TSize{10, 6}));
    EXPECT_EQ(DragImageSize(), TSize{});
    SetDragImage(nullptr, TPoint{}, 255);
    EXPECT_EQ(DragImageSize(), TSize{});
}

// The query runs as the drag starts and at each move of the cursor, for
// one drag only; one that throws does not end the drag.
TEST_F(DragDropTest, TheDragQueryRunsWhileOneDragGoesOn)
{
    QStringList log;
    const TExceptionEvent previous = Application->OnException;
    Application->OnException = [&](TObject*, Exception* E) { log << E->Message(); };
    SetDragQuery([&] {
        log << QStringLiteral("query");
        if (log.size() == 3)
            throw Exception(QStringLiteral("query failed"));
    });
    SetDragDriver([&](const TDataObject&, unsigned, unsigned& effect) {
        log << QStringLiteral("drag");
        RunDragQuery();
        RunDragQuery();
        effect = DROPEFFECT_COPY;
        return DRAGDROP_S_DROP;
    });
    TDataObject data;
    data.SetText(QStringLiteral("x"));
    unsigned effect = 0;
    const long first = DoDragDrop(data, DROPEFFECT_COPY, &effect);
    log << QStringLiteral("result %1").arg(first == DRAGDROP_S_DROP);
    DoDragDrop(data, DROPEFFECT_COPY, &effect);
    RunDragQuery();
    Application->OnException = previous;
    EXPECT_EQ(log, QStringList({"query", "drag", "query", "query failed", "query", "result 1", "drag"}));
}

TEST_F(DragDropTest, FilesAndUrlsTravelApart)
{
    TDataObject data;
    data.SetFiles({"/tmp/a b.csv", "/tmp/c.txt"});
    data.SetUrls({"http://127.0.0.1/x?y=1"});
    data.SetText("t");
    EXPECT_TRUE(data.HasFormat(CF_HDROP));
    EXPECT_EQ(data.GetData(CF_HDROP), QByteArray("/tmp/a b.csv\n/tmp/c.txt"));
    unsigned effect = 0;
    EXPECT_EQ(SimulateDrop(data, DROPEFFECT_COPY, FTarget, TPoint{1, 1}, 0, effect), DRAGDROP_S_DROP);
    EXPECT_EQ(effect, DROPEFFECT_COPY);
    EXPECT_EQ(FRecorder.Files, QStringList({"/tmp/a b.csv", "/tmp/c.txt"}));
    EXPECT_EQ(FRecorder.Urls, QStringList({"http://127.0.0.1/x?y=1"}));
    EXPECT_EQ(FRecorder.Text, "t");
}

TEST_F(DragDropTest, RegistrationOncePerControl)
{
    RecordingTarget other;
    EXPECT_FALSE(RegisterDragDrop(FTarget, &other));
    EXPECT_TRUE(RevokeDragDrop(FTarget));
    EXPECT_FALSE(RevokeDragDrop(FTarget));
    unsigned effect = 99;
    EXPECT_EQ(SimulateDrop(FData, CopyMove, FTarget, TPoint{5, 6}, 0, effect), DRAGDROP_S_CANCEL);
    EXPECT_TRUE(FRecorder.Log.isEmpty());
    EXPECT_TRUE(RegisterDragDrop(FTarget, &other));
    EXPECT_EQ(SimulateDrop(FData, CopyMove, FTarget, TPoint{5, 6}, 0, effect), DRAGDROP_S_DROP);
    EXPECT_TRUE(other.Log.contains("drop"));
    EXPECT_FALSE(RegisterDragDrop(nullptr, &other));
}

TEST_F(DragDropTest, AControlWithChildrenCanBeRegistered)
{
    auto* parent = new TWinControl(&FForm);
    parent->SetParent(&FForm);
    parent->SetBounds(0, 60, 100, 30);
    auto* child = new TWinControl(parent);
    child->SetParent(parent);
    parent->HandleNeeded();
    child->HandleNeeded();
    RecordingTarget other;
    EXPECT_TRUE(RegisterDragDrop(parent, &other));
    EXPECT_FALSE(RegisterDragDrop(parent, &other));
    EXPECT_TRUE(RevokeDragDrop(parent));
}

TEST(StandardDropEffect, PicksByKeysAndAllowed)
{
    struct Case {
        int keys;
        unsigned allowed;
        unsigned effect;
    } cases[] = {
        {0, CopyMove, DROPEFFECT_MOVE},
        {MK_CONTROL, CopyMove, DROPEFFECT_COPY},
        {MK_SHIFT, CopyMove, DROPEFFECT_MOVE},
        {MK_CONTROL, DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {0, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {0, DROPEFFECT_LINK, DROPEFFECT_LINK},
        {MK_CONTROL, DROPEFFECT_NONE, DROPEFFECT_NONE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StandardDropEffect(c.keys, c.allowed), c.effect) << c.keys << " " << c.allowed;
}

} // namespace
