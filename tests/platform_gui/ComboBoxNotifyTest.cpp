// Combo boxes: picking, typing, opening and closing, with the parent's
// notifications and the combo's events in one sequence.
#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>

using namespace SyntheticInput;

namespace {

class ComboNotify : public StdControlsTest {
protected:
    void Make(TComboBoxStyle style)
    {
        Combo = new TComboBox(Form);
        Combo->SetStyle(style);
        Combo->SetParent(Form);
        for (const char* s : {"Alpha", "Beta", "Gamma", "Gold"})
            Combo->Items()->Add(QString::fromLatin1(s));
        Combo->OnChange = LogEvent(QStringLiteral("OnChange"));
        Combo->OnClick = LogEvent(QStringLiteral("OnClick"));
        Combo->OnDropDown = LogEvent(QStringLiteral("OnDropDown"));
        Combo->OnCloseUp = LogEvent(QStringLiteral("OnCloseUp"));
        Combo->SetFocus();
        Log.clear();
    }
    TComboBox* Combo = nullptr;
};

TEST_F(ComboNotify, PickingByKeyRaisesSelChangeThenSelect)
{
    Make(csDropDownList);
    Combo->SetItemIndex(0);
    Key(Combo, VK_DOWN);
    EXPECT_EQ(Combo->ItemIndex(), 1);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Beta"));
    // Without OnSelect the pick runs OnChange.
    EXPECT_EQ(Log, QStringList({"CBN_SELCHANGE", "OnClick", "OnChange"}));
    Log.clear();
    Combo->OnSelect = LogEvent(QStringLiteral("OnSelect"));
    Key(Combo, VK_DOWN);
    EXPECT_EQ(Log, QStringList({"CBN_SELCHANGE", "OnClick", "OnSelect"}));
}

TEST_F(ComboNotify, TypeAheadPicksByFirstLetters)
{
    Make(csDropDownList);
    Type(Combo, QStringLiteral("g"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Gamma"));
    EXPECT_EQ(Log.first(), QStringLiteral("CBN_SELCHANGE"));
}

TEST_F(ComboNotify, TypingIntoTheEditRaisesEditChange)
{
    Make(csDropDown);
    Type(Combo, QStringLiteral("Be"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Be"));
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_EQ(Log, QStringList({"CBN_EDITCHANGE", "OnChange", "CBN_EDITCHANGE", "OnChange"}));
    Type(Combo, QStringLiteral("ta"));
    EXPECT_EQ(Combo->ItemIndex(), 1);
}

TEST_F(ComboNotify, OpeningAndClosingRaiseDropDownAndCloseUp)
{
    Make(csDropDownList);
    Combo->SetDroppedDown(true);
    EXPECT_TRUE(Combo->DroppedDown());
    Combo->SetDroppedDown(false);
    EXPECT_FALSE(Combo->DroppedDown());
    Key(Combo, VK_F4);
    EXPECT_TRUE(Combo->DroppedDown());
    Combo->SetDroppedDown(false);
    EXPECT_EQ(Log, QStringList({"CBN_DROPDOWN", "OnDropDown", "CBN_CLOSEUP", "OnCloseUp", "CBN_DROPDOWN",
                                "OnDropDown", "CBN_CLOSEUP", "OnCloseUp"}));
}

TEST_F(ComboNotify, ItemsKeepObjectsAndProgramChangesAreSilent)
{
    Make(csDropDownList);
    TObject marker;
    Combo->Items()->AddObject(QStringLiteral("Delta"), &marker);
    Combo->SetItemIndex(4);
    EXPECT_EQ(Combo->Items()->Objects(Combo->ItemIndex()), &marker);
    EXPECT_EQ(Combo->Text(), QStringLiteral("Delta"));
    Combo->SetText(QStringLiteral("Beta"));
    EXPECT_EQ(Combo->ItemIndex(), 1);
    Combo->SetText(QStringLiteral("none"));
    EXPECT_EQ(Combo->ItemIndex(), -1);
    Combo->Items()->Clear();
    EXPECT_EQ(Combo->ItemIndex(), -1);
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(ComboNotify, OwnerDrawnItemsPaintThroughOnDrawItem)
{
    Make(csOwnerDrawFixed);
    Combo->SetItemHeight(18);
    Combo->SetItemIndex(2);
    std::vector<int> drawn;
    Combo->OnDrawItem = [&](TWinControl* c, int index, TRect r, TOwnerDrawState) {
        drawn.push_back(index);
        TCanvas* canvas = static_cast<TComboBox*>(c)->Canvas();
        canvas->Brush()->SetColor(index == 2 ? clLime : clNavy);
        canvas->FillRect(r);
    };
    auto* combo = qobject_cast<QComboBox*>(NativeWidget(Combo));
    ASSERT_NE(combo, nullptr);
    QAbstractItemView* view = combo->view();
    Combo->SetDroppedDown(true);
    QImage shot = view->grab().toImage();
    Combo->SetDroppedDown(false);
    ASSERT_GE(drawn.size(), 4u);
    QRect third = view->visualRect(view->model()->index(2, 0));
    EXPECT_EQ(third.height(), 18);
    EXPECT_EQ(shot.pixelColor(third.center()), QColor(0, 255, 0));
}

} // namespace
