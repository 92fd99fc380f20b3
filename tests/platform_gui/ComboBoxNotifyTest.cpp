// Combo boxes: picking, typing, opening and closing, with the parent's
// notifications and the combo's events in one sequence.
#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionComboBox>

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

TEST_F(ComboNotify, ResetTypeAheadStartsTheNextSearchAfresh)
{
    Make(csDropDownList);
    // Quick keys join: "g" then "a" would stay on "Gamma".
    Type(Combo, QStringLiteral("g"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Gamma"));
    Combo->ResetTypeAhead();
    EXPECT_EQ(Combo->Text(), QStringLiteral("Gamma")) << "the reset picks nothing";
    Type(Combo, QStringLiteral("a"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Alpha"));
    // Opening the list resets as well.
    Combo->SetDroppedDown(true);
    Combo->SetDroppedDown(false);
    Type(Combo, QStringLiteral("b"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("Beta"));
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

TEST_F(ComboNotify, AListOpenedByAPressElsewhereOutlivesThatPresssRelease)
{
    Make(csDropDownList);
    auto* combo = qobject_cast<QComboBox*>(NativeWidget(Combo));
    ASSERT_NE(combo, nullptr);
    QWidget* popup = combo->view()->parentWidget();
    // A press beside the box (on a drop button the control draws itself).
    Form->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Combo->SetDroppedDown(true); };
    MouseDown(Form, mbLeft, {Combo->Left() + Combo->Width() + 5, Combo->Top() + 5});
    ASSERT_TRUE(Combo->DroppedDown());
    // The list took the mouse from the form.
    EXPECT_EQ(GetCaptureControl(), nullptr);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(-5, -5), popup->mapToGlobal(QPointF(-5, -5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &release);
    EXPECT_TRUE(Combo->DroppedDown());
    // A later click outside closes it as usual.
    QMouseEvent again(QEvent::MouseButtonRelease, QPointF(-5, -5), popup->mapToGlobal(QPointF(-5, -5)),
                      Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(popup, &again);
    EXPECT_FALSE(Combo->DroppedDown());
    MouseUp(Form, mbLeft, {0, 0});
}

TEST_F(ComboNotify, ReturnAndEscapeInTheOpenListCloseItAndReachTheControl)
{
    struct Case {
        const char* Name;
        TComboBoxStyle Style;
        Qt::Key Key;
        const char* Text;
        int Index;
        QStringList Events;
    };
    const Case cases[] = {
        {"Return picks the highlighted item", csDropDownList, Qt::Key_Return, "\r", 2,
         {"CBN_DROPDOWN", "OnDropDown", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnSelect",
          "key 13"}},
        {"Escape keeps the item", csDropDownList, Qt::Key_Escape, "\x1b", 0,
         {"CBN_DROPDOWN", "OnDropDown", "CBN_CLOSEUP", "OnCloseUp", "key 27"}},
        {"Return in an edit combo's list", csDropDown, Qt::Key_Return, "\r", 2,
         {"CBN_DROPDOWN", "OnDropDown", "CBN_CLOSEUP", "OnCloseUp", "CBN_SELCHANGE", "OnClick", "OnSelect",
          "key 13"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Make(c.Style);
        Combo->SetItemIndex(0);
        Combo->OnSelect = LogEvent(QStringLiteral("OnSelect"));
        Combo->OnKeyDown = [this](TObject*, int& Key, TShiftState) { Log << QStringLiteral("key %1").arg(Key); };
        Combo->SetDroppedDown(true);
        auto* native = qobject_cast<QComboBox*>(NativeWidget(Combo));
        ASSERT_NE(native, nullptr);
        QAbstractItemView* view = native->view();
        ASSERT_TRUE(view->isVisible());
        view->setCurrentIndex(native->model()->index(2, 0));
        // The key as the open list receives it from the keyboard.
        QKeyEvent press(QEvent::KeyPress, c.Key, Qt::NoModifier, QString::fromLatin1(c.Text));
        QApplication::sendEvent(view, &press);
        EXPECT_FALSE(Combo->DroppedDown());
        EXPECT_EQ(Combo->ItemIndex(), c.Index);
        EXPECT_EQ(Log, c.Events);
        delete Combo;
    }
}

TEST_F(ComboNotify, AnEditComboLeavesTypedTextUncompleted)
{
    Make(csDropDown);
    auto* native = qobject_cast<QComboBox*>(NativeWidget(Combo));
    ASSERT_NE(native, nullptr);
    QLineEdit* edit = native->lineEdit();
    ASSERT_NE(edit, nullptr);
    // Keys as the edit receives them from the keyboard: an item's text in
    // other letter case stays as typed.
    auto key = [edit](Qt::Key K, const QString& Text) {
        QKeyEvent press(QEvent::KeyPress, K, Qt::NoModifier, Text);
        QApplication::sendEvent(edit, &press);
        QKeyEvent release(QEvent::KeyRelease, K, Qt::NoModifier, Text);
        QApplication::sendEvent(edit, &release);
    };
    for (QChar ch : QStringLiteral("beta"))
        key(Qt::Key(Qt::Key_A + (ch.unicode() - 'a')), QString(ch));
    Log.clear();
    key(Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(Combo->Text(), QStringLiteral("beta"));
    EXPECT_EQ(Log, QStringList());
}

TEST_F(ComboNotify, TheNativeDropButtonCanBeHidden)
{
    Make(csDropDownList);
    Combo->SetWidth(120);
    auto* combo = qobject_cast<QComboBox*>(NativeWidget(Combo));
    ASSERT_NE(combo, nullptr);
    QStyleOptionComboBox opt;
    opt.initFrom(combo);
    // Inside the frame.
    const QRect arrow =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &opt, QStyle::SC_ComboBoxArrow, combo).adjusted(2, 2, -2, -2);
    auto darkPixels = [&] {
        const QImage shot = combo->grab().toImage();
        int n = 0;
        for (int y = arrow.top(); y <= arrow.bottom(); ++y)
            for (int x = arrow.left(); x <= arrow.right(); ++x)
                n += shot.pixelColor(x, y).lightness() < 100 ? 1 : 0;
        return n;
    };
    EXPECT_GT(darkPixels(), 0);
    SetNativeDropButton(Combo, false);
    EXPECT_EQ(darkPixels(), 0);
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
