// A csSimple combo box: its list stays shown below the edit and picking
// from it notifies as a pick from a dropped-down list does.
#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>

using namespace SyntheticInput;

namespace {

class ComboSimple : public StdControlsTest {
protected:
    void SetUp() override
    {
        StdControlsTest::SetUp();
        Combo = new TComboBox(Form);
        Combo->SetStyle(csSimple);
        Combo->SetBounds(10, 10, 150, 120);
        Combo->SetParent(Form);
        for (const char* s : {"Alpha", "Beta", "Gamma"})
            Combo->Items()->Add(QString::fromLatin1(s));
        Combo->OnChange = LogEvent(QStringLiteral("OnChange"));
        Combo->SetFocus();
        auto* combo = NativeAs<QComboBox>(Combo);
        ASSERT_NE(combo, nullptr);
        List = combo->findChild<QListView*>();
        Edit = combo->lineEdit();
        ASSERT_NE(List, nullptr);
        ASSERT_NE(Edit, nullptr);
        Log.clear();
    }

    void ClickRow(int row)
    {
        QPoint p = List->visualRect(List->model()->index(row, 0)).center();
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent e(t, p, List->viewport()->mapToGlobal(p), Qt::LeftButton,
                          t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(List->viewport(), &e);
        }
    }

    TComboBox* Combo = nullptr;
    QListView* List = nullptr;
    QLineEdit* Edit = nullptr;
};

TEST_F(ComboSimple, ListIsShownBelowTheEdit)
{
    EXPECT_TRUE(List->isVisible());
    EXPECT_TRUE(Edit->isVisible());
    EXPECT_GE(List->geometry().top(), Edit->geometry().bottom());
    EXPECT_EQ(List->geometry().bottom(), Combo->Height() - 1);
    EXPECT_EQ(List->model()->rowCount(), 3);
    Combo->SetDroppedDown(true);
    EXPECT_FALSE(Combo->DroppedDown());
}

TEST_F(ComboSimple, PickingFromTheListSelectsAndNotifies)
{
    ClickRow(2);
    EXPECT_EQ(Combo->ItemIndex(), 2);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Gamma"));
    EXPECT_TRUE(Log.contains(QStringLiteral("CBN_SELCHANGE")));
    EXPECT_TRUE(Log.contains(QStringLiteral("OnChange")));
    Log.clear();
    ClickRow(2);
    EXPECT_TRUE(Log.isEmpty()) << "the same item again";
    Key(Combo, VK_UP);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(List->currentIndex().row(), 1);
}

} // namespace
