// Real Qt events on the native widgets take the framework's road: the
// control's hooks see them first and the widget acts on them once.
#include "StdControlsFixture.h"
#include "platform/controls/Button.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Menu.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

void SendKey(QWidget* w, int key, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QCoreApplication::sendEvent(w, &release);
}

void SendNativeClick(QWidget* w, QPoint p)
{
    QMouseEvent press(QEvent::MouseButtonPress, p, w->mapToGlobal(p), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, w->mapToGlobal(p), Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

using NativeInputRoad = StdControlsTest;

TEST_F(NativeInputRoad, TypedKeysPassTheHooksAndReachTheEditOnce)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetFocus();
    QStringList hooks;
    edit->OnKeyDown = [&](TObject*, int& key, TShiftState) { hooks << QStringLiteral("down %1").arg(key); };
    edit->OnKeyPress = [&](TObject*, QChar& ch) {
        hooks << QStringLiteral("press %1").arg(ch);
        if (ch == u'x')
            ch = QChar();
    };
    edit->OnChange = LogEvent(QStringLiteral("OnChange"));
    QWidget* line = NativeWidget(edit);
    SendKey(line, Qt::Key_A, QStringLiteral("a"));
    SendKey(line, Qt::Key_X, QStringLiteral("x"));
    SendKey(line, Qt::Key_B, QStringLiteral("b"));
    SendKey(line, Qt::Key_Backspace, QString());
    EXPECT_EQ(edit->Text(), QStringLiteral("a"));
    EXPECT_EQ(hooks, QStringList({"down 65", "press a", "down 88", "press x", "down 66", "press b", "down 8", "press \b"}));
    EXPECT_EQ(Log, QStringList({"EN_CHANGE", "OnChange", "EN_CHANGE", "OnChange", "EN_CHANGE", "OnChange"}));
}

// Alt Gr types a character and is neither Ctrl nor Alt, whether the key
// reaches the control's window or the native widget inside it.
TEST_F(NativeInputRoad, AltGrIsNeitherCtrlNorAltOnEitherRoad)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    edit->SetFocus();
    QStringList seen;
    edit->OnKeyDown = [&](TObject*, int& key, TShiftState shift) {
        bool ctrl = shift.Contains(ssCtrl) || GetKeyState(VK_CONTROL) < 0;
        bool alt = shift.Contains(ssAlt) || GetKeyState(VK_MENU) < 0;
        seen << QStringLiteral("%1 ctrl=%2 alt=%3").arg(key).arg(ctrl).arg(alt);
    };
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier | Qt::GroupSwitchModifier;
    for (QWidget* w : {static_cast<QWidget*>(edit->Handle()), NativeWidget(edit)})
        SendKey(w, Qt::Key_Q, QStringLiteral("@"), altGr);
    EXPECT_EQ(seen, QStringList({"81 ctrl=0 alt=0", "81 ctrl=0 alt=0"}));
    EXPECT_EQ(edit->Text(), QStringLiteral("@@"));
}

TEST_F(NativeInputRoad, ClicksOnNativeButtonsCountOnce)
{
    auto* button = new TButton(Form);
    button->SetParent(Form);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    SendNativeClick(NativeWidget(button), {10, 10});
    EXPECT_EQ(clicks, 1);

    auto* box = new TCheckBox(Form);
    box->SetParent(Form);
    box->SetTop(40);
    SendNativeClick(NativeWidget(box), {5, 5});
    EXPECT_TRUE(box->Checked());
    SendNativeClick(NativeWidget(box), {5, 5});
    EXPECT_FALSE(box->Checked());
}

// A right click on a native edit shows the edit's popup menu once.
TEST_F(NativeInputRoad, RightClickShowsThePopupMenuOnce)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    auto* menu = new TPopupMenu(Form);
    auto* item = new TMenuItem(menu);
    item->SetCaption(QStringLiteral("Clear"));
    menu->Items()->Add(item);
    edit->SetPopupMenu(menu);
    int shown = 0;
    menu->OnPopup = [&](TObject*) { ++shown; };
    SetMenuChooser([](TPopupMenu*) { return nullptr; });
    QWidget* line = NativeWidget(edit);
    QPoint p(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, p, line->mapToGlobal(p), Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, p, line->mapToGlobal(p), Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(line, &release);
    QContextMenuEvent context(QContextMenuEvent::Mouse, p, line->mapToGlobal(p));
    QCoreApplication::sendEvent(line, &context);
    SetMenuChooser(nullptr);
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(menu->PopupComponent(), edit);
}

TEST_F(NativeInputRoad, TabMovesTheFocusThroughNativeControlsInTabOrder)
{
    auto* edit = new TEdit(Form);
    edit->SetParent(Form);
    auto* combo = new TComboBox(Form);
    combo->SetParent(Form);
    combo->SetTop(30);
    auto* button = new TButton(Form);
    button->SetParent(Form);
    button->SetTop(60);
    QStringList log;
    for (TWinControl* c : std::initializer_list<TWinControl*>{edit, combo, button}) {
        QString name = c == edit ? QStringLiteral("edit") : c == combo ? QStringLiteral("combo") : QStringLiteral("button");
        c->OnEnter = [&log, name](TObject*) { log << "enter " + name; };
        c->OnExit = [&log, name](TObject*) { log << "exit " + name; };
    }
    edit->SetFocus();
    SyntheticInput::Key(edit, VK_TAB, {}, QStringLiteral("\t"));
    EXPECT_TRUE(combo->Focused());
    SyntheticInput::Key(combo, VK_TAB, {}, QStringLiteral("\t"));
    EXPECT_TRUE(button->Focused());
    // Qt's focus follows: the button's widget has it.
    EXPECT_TRUE(NativeWidget(button)->hasFocus() || !QApplication::activeWindow());
    SyntheticInput::Key(button, VK_TAB, {ssShift}, QStringLiteral("\t"));
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(log, QStringList({"enter edit", "exit edit", "enter combo", "exit combo", "enter button", "exit button",
                                "enter combo"}));
    // Text typed now goes to the combo, not the edit.
    SyntheticInput::Type(combo, QStringLiteral("x"));
    EXPECT_EQ(combo->Text(), QStringLiteral("x"));
    EXPECT_TRUE(edit->Text().isEmpty());
}

} // namespace
