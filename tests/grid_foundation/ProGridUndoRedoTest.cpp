// Undo and redo of cell texts: single changes, sequences as a whole, the
// history limit, and histories whose markers are not paired.
#include "BaseGridFixture.h"
#include "grid/foundation/ProGridUndoRedo.h"

namespace {

class UndoRedo : public BaseGridTest {
protected:
    void SetUp() override
    {
        BaseGridTest::SetUp();
        Undo = new TProGridUndoRedo(Form);
        Grid->SetUndoRedo(Undo);
        Undo->OnUndo = [this](TObject*, TBaseGrid*, int Col, int Row, const QString& Orig, const QString& New) {
            Events << QStringLiteral("undo %1,%2 %3>%4").arg(Col).arg(Row).arg(Orig, New);
        };
        Undo->OnRedo = [this](TObject*, TBaseGrid*, int Col, int Row, const QString& Orig, const QString& New) {
            Events << QStringLiteral("redo %1,%2 %3>%4").arg(Col).arg(Row).arg(Orig, New);
        };
    }
    // Writes the cell and records the change, as the string grid does.
    void Change(int ACol, int ARow, const QString& Value)
    {
        Undo->RegisterChange(ACol, ARow, Grid->Cells(ACol, ARow), Value);
        Grid->SetCells(ACol, ARow, Value);
    }
    QString Texts() const
    {
        QStringList t;
        for (int r = 1; r <= 3; ++r)
            t << Grid->GridCells(1, r);
        return t.join(QLatin1Char('|'));
    }
    void ExpectLevelInRange() const
    {
        EXPECT_GE(Undo->Level(), 0);
        EXPECT_LE(Undo->Level(), Undo->Items()->Count());
    }

    TProGridUndoRedo* Undo = nullptr;
    QStringList Events;
};

TEST_F(UndoRedo, SingleChangesGoBackAndForthOneByOne)
{
    Change(1, 1, QStringLiteral("a"));
    Change(1, 2, QStringLiteral("b"));
    Change(1, 3, QStringLiteral("c"));
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Texts(), QStringLiteral("a||"));
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_TRUE(Undo->CanRedo());
    EXPECT_EQ(Events, (QStringList{QStringLiteral("undo 1,3 c>"), QStringLiteral("undo 1,2 b>")}));
    // The current cell follows the change.
    EXPECT_EQ(Grid->Row(), 2);
    Undo->Redo();
    EXPECT_EQ(Texts(), QStringLiteral("a|b|"));
    EXPECT_EQ(Events.last(), QStringLiteral("redo 1,2 >b"));
}

TEST_F(UndoRedo, ASequenceGoesAsAWhole)
{
    Change(1, 1, QStringLiteral("x"));
    Undo->StartSequence();
    Change(1, 1, QStringLiteral("a"));
    Change(1, 2, QStringLiteral("b"));
    Change(1, 3, QStringLiteral("c"));
    Undo->StopSequence();
    Undo->Undo();
    EXPECT_EQ(Texts(), QStringLiteral("x||"));
    EXPECT_EQ(Undo->Level(), 1);
    EXPECT_EQ(Events, (QStringList{QStringLiteral("undo 1,3 c>"), QStringLiteral("undo 1,2 b>"),
                                   QStringLiteral("undo 1,1 a>x")}));
    Events.clear();
    Undo->Redo();
    EXPECT_EQ(Texts(), QStringLiteral("a|b|c"));
    EXPECT_EQ(Undo->Level(), 6);
    EXPECT_EQ(Events, (QStringList{QStringLiteral("redo 1,1 x>a"), QStringLiteral("redo 1,2 >b"),
                                   QStringLiteral("redo 1,3 >c")}));
}

TEST_F(UndoRedo, AChangeAfterAnUndoGoesBehindTheUndoneOne)
{
    Change(1, 1, QStringLiteral("a"));
    Change(1, 2, QStringLiteral("b"));
    Undo->Undo();
    Change(1, 3, QStringLiteral("c"));
    EXPECT_EQ(Undo->Items()->Count(), 3);
    EXPECT_EQ(Undo->Level(), 3);
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Events.mid(1), (QStringList{QStringLiteral("undo 1,3 c>"), QStringLiteral("undo 1,2 >")}));
}

TEST_F(UndoRedo, TheLimitDropsTheOldestChanges)
{
    Undo->SetMaxLevel(2);
    Change(1, 1, QStringLiteral("a"));
    Change(1, 2, QStringLiteral("b"));
    Change(1, 3, QStringLiteral("c"));
    EXPECT_EQ(Undo->Items()->Count(), 2);
    EXPECT_EQ(Undo->Level(), 2);
    EXPECT_EQ(Undo->Items()->Items(0)->Value(), QStringLiteral("b"));
}

TEST_F(UndoRedo, TheLimitDropsSequencesWhole)
{
    Undo->SetMaxLevel(3);
    Change(1, 1, QStringLiteral("x"));
    // The sequence outgrows the limit while it is recorded.
    Undo->StartSequence();
    Change(1, 1, QStringLiteral("a"));
    Change(1, 2, QStringLiteral("b"));
    Change(1, 3, QStringLiteral("c"));
    Undo->StopSequence();
    EXPECT_EQ(Undo->Items()->Items(0)->SequenceStart(), true);
    Undo->Undo();
    EXPECT_EQ(Texts(), QStringLiteral("x||"));
    ExpectLevelInRange();
    Undo->Redo();
    // The next change drops the closed sequence as one.
    Change(1, 2, QStringLiteral("d"));
    EXPECT_EQ(Undo->Items()->Count(), 1);
    Undo->Undo();
    Undo->Undo();
    EXPECT_EQ(Texts(), QStringLiteral("a|b|c"));
    EXPECT_EQ(Undo->Level(), 0);
    for (const QString& e : Events)
        EXPECT_FALSE(e.contains(QLatin1String("-1"))) << e.toStdString();
}

TEST_F(UndoRedo, AnOpenSequenceNeverWritesAMarker)
{
    Change(1, 1, QStringLiteral("a"));
    Undo->StartSequence();
    Change(1, 2, QStringLiteral("b"));
    for (int i = 0; i < 4; ++i) {
        Undo->Undo();
        ExpectLevelInRange();
    }
    EXPECT_EQ(Texts(), QStringLiteral("||"));
    for (int i = 0; i < 4; ++i) {
        Undo->Redo();
        ExpectLevelInRange();
    }
    EXPECT_EQ(Texts(), QStringLiteral("a|b|"));
    EXPECT_EQ(Undo->Level(), 3);
    // A stop marker on its own changes nothing either.
    Undo->Reset();
    Undo->StopSequence();
    Undo->Undo();
    Undo->Redo();
    ExpectLevelInRange();
    for (const QString& e : Events)
        EXPECT_FALSE(e.contains(QLatin1String("-1"))) << e.toStdString();
    EXPECT_EQ(Grid->GridCells(-1, -1), QString());
}

TEST_F(UndoRedo, ResetAndTheLinkBetweenGridAndHistory)
{
    Change(1, 1, QStringLiteral("a"));
    Undo->Reset();
    EXPECT_EQ(Undo->Items()->Count(), 0);
    EXPECT_FALSE(Undo->CanUndo());
    EXPECT_FALSE(Undo->CanRedo());
    EXPECT_EQ(Undo->Grid(), Grid);

    delete Undo;
    EXPECT_EQ(Grid->UndoRedo(), nullptr);
    Undo = new TProGridUndoRedo(Form);
    Grid->SetUndoRedo(Undo);
    Change(1, 1, QStringLiteral("b"));
    delete Grid;
    Grid = nullptr;
    EXPECT_EQ(Undo->Grid(), nullptr);
    Undo->Undo();
    EXPECT_EQ(Undo->Level(), 1);
}

} // namespace
