// While a form is modal the other forms take no input, whatever reaches
// their windows; input for a disabled control is dropped, not kept.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/InputState.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/rtl/Clock.h"
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

QWidget* HostOf(TWinControl* c) { return static_cast<QWidget*>(c->Handle()); }

void SendMouse(QWidget* w, QEvent::Type type, Qt::MouseButton button, QPoint p)
{
    Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

void SendClick(QWidget* w, QPoint p, Qt::MouseButton button = Qt::LeftButton)
{
    SendMouse(w, QEvent::MouseButtonPress, button, p);
    SendMouse(w, QEvent::MouseButtonRelease, button, p);
}

struct BlockedInputCase {
    const char* Name;
    // Windowless: the input goes to the form's window at the control's place.
    bool Windowless;
    void (*Send)(QWidget* Host, QPoint P);
};

void PrintTo(const BlockedInputCase& c, std::ostream* os) { *os << c.Name; }

const BlockedInputCase kBlockedInput[] = {
    {"LeftClick", false, [](QWidget* w, QPoint p) { SendClick(w, p); }},
    {"RightClick", false, [](QWidget* w, QPoint p) { SendClick(w, p, Qt::RightButton); }},
    {"DoubleClick", false,
     [](QWidget* w, QPoint p) {
         SendClick(w, p);
         SendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, p);
         SendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, p);
     }},
    {"MouseMove", false, [](QWidget* w, QPoint p) { SendMouse(w, QEvent::MouseMove, Qt::NoButton, p); }},
    {"Wheel", false,
     [](QWidget* w, QPoint p) {
         QWheelEvent e(p, w->mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                       false);
         QCoreApplication::sendEvent(w, &e);
     }},
    {"Key", false,
     [](QWidget* w, QPoint) {
         QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
         QCoreApplication::sendEvent(w, &press);
         QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
         QCoreApplication::sendEvent(w, &release);
     }},
    {"WindowlessClick", true, [](QWidget* w, QPoint p) { SendClick(w, p); }},
};

class ModalBlocksInput : public ::testing::TestWithParam<BlockedInputCase> {};

// The same input reaches the control once the modal form has closed, so
// the test sees the modal block and not a road that never worked.
TEST_P(ModalBlocksInput, OfOwnerDrawnControlsInOtherForms)
{
    const BlockedInputCase& c = GetParam();
    QStringList log;
    int clicks = 0;
    TForm main(nullptr);
    main.SetBounds(0, 0, 300, 200);
    TControl* target;
    QWidget* host;
    QPoint at(10, 10);
    if (c.Windowless) {
        auto* g = new TRecordingGraphic(&main, &log);
        g->SetBounds(40, 40, 30, 30);
        g->SetParent(&main);
        target = g;
        host = HostOf(&main);
        at = QPoint(50, 50);
    } else {
        auto* r = new TRecordingControl(&main, &log);
        r->SetParent(&main);
        target = r;
        host = HostOf(r);
    }
    target->OnClick = [&](TObject*) { ++clicks; };
    main.Show();
    if (!c.Windowless)
        static_cast<TRecordingControl*>(target)->SetFocus();

    TForm dialog(nullptr);
    QStringList duringModal;
    int clicksDuringModal = -1;
    TScopedModalHook hook([&](const TModalEvent&) {
        log.clear();
        c.Send(host, at);
        duringModal = log;
        clicksDuringModal = clicks;
        dialog.SetModalResult(mrOk);
    });
    ASSERT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_EQ(duringModal, QStringList()) << duringModal.join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(clicksDuringModal, 0);

    log.clear();
    c.Send(host, at);
    log.removeAll(QStringLiteral("CM_MOUSEENTER"));
    EXPECT_FALSE(log.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(FormModal, ModalBlocksInput, ::testing::ValuesIn(kBlockedInput),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FormModal, NoSecondModalFormOpensBehindTheFirst)
{
    TForm main(nullptr);
    auto* opener = new TRecordingControl(&main);
    opener->SetParent(&main);
    TForm second(nullptr);
    opener->OnClick = [&](TObject*) { second.ShowModal(); };
    main.Show();

    TForm first(nullptr);
    QList<TCustomForm*> opened;
    TScopedModalHook hook([&](const TModalEvent& e) {
        opened << e.Form;
        if (e.Form == &first)
            SendClick(HostOf(opener), {10, 10});
        e.Form->SetModalResult(mrCancel);
    });
    first.ShowModal();
    EXPECT_EQ(opened, QList<TCustomForm*>({&first}));
    EXPECT_FALSE(second.Visible());
}

TEST(FormModal, TheWindowSystemCannotCloseAFormBehindAModalOne)
{
    TForm main(nullptr);
    int closes = 0;
    main.OnCloseQuery = [&](TObject*, bool&) { ++closes; };
    main.Show();
    TForm dialog(nullptr);
    TScopedModalHook hook([&](const TModalEvent&) {
        QCloseEvent e;
        QCoreApplication::sendEvent(HostOf(&main), &e);
        dialog.SetModalResult(mrOk);
    });
    dialog.ShowModal();
    EXPECT_EQ(closes, 0);
    EXPECT_TRUE(main.Visible());
}

// A press that reached a disabled control must not become a click when the
// release comes after it was enabled again.
TEST(FormModal, InputForADisabledControlIsDroppedNotKept)
{
    QStringList log;
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 200);
    auto* button = new TRecordingControl(&form, &log);
    button->SetParent(&form);
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    form.Show();
    QWidget* host = HostOf(button);

    button->SetEnabled(false);
    SendMouse(host, QEvent::MouseButtonPress, Qt::LeftButton, {10, 10});
    button->SetEnabled(true);
    SendMouse(host, QEvent::MouseButtonRelease, Qt::LeftButton, {10, 10});
    button->SetEnabled(false);
    SendClick(host, {10, 10});
    button->SetEnabled(true);
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(log.contains(QStringLiteral("WM_LBUTTONDOWN 10,10 [Left]")));

    SendClick(host, {10, 10});
    EXPECT_EQ(clicks, 1);
}

} // namespace

namespace {

// Mouse and key events stamped as the window system stamps them.
void SendStamped(QWidget* w, QEvent::Type type, QPoint p, quint64 stamp)
{
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        e.setTimestamp(stamp);
        QCoreApplication::sendEvent(w, &e);
        return;
    }
    Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
    e.setTimestamp(stamp);
    QCoreApplication::sendEvent(w, &e);
}

struct ClockScope {
    TFakeClock Fake{0, 100000};
    ClockScope() { SetClock(&Fake); }
    ~ClockScope() { SetClock(nullptr); }
};

} // namespace

// Input made while the program was busy and a control disabled waits in the
// window system's queue; delivered once the control is enabled again, it is
// dropped all the same. Input made after the enabling is taken.
TEST(FormModal, InputMadeWhileAControlWasDisabledIsDroppedWhenDeliveredLater)
{
    for (bool windowless : {false, true}) {
        SCOPED_TRACE(windowless ? "windowless" : "windowed");
        ClockScope clock;
        QStringList log;
        TForm form(nullptr);
        form.SetBounds(0, 0, 300, 200);
        TControl* button;
        QWidget* host;
        QPoint at(10, 10);
        if (windowless) {
            auto* g = new TRecordingGraphic(&form, &log);
            g->SetBounds(40, 40, 30, 30);
            g->SetParent(&form);
            button = g;
            host = HostOf(&form);
            at = QPoint(50, 50);
        } else {
            auto* r = new TRecordingControl(&form, &log);
            r->SetParent(&form);
            button = r;
            host = HostOf(r);
        }
        int clicks = 0;
        button->OnClick = [&](TObject*) { ++clicks; };
        form.Show();
        if (!windowless)
            static_cast<TRecordingControl*>(button)->SetFocus();

        // Delivered at once: the window system's clock reads 1000 at tick 100000.
        SendStamped(host, QEvent::MouseMove, at, 1000);
        button->SetEnabled(false);
        clock.Fake.Advance(5000);
        button->SetEnabled(true);
        log.clear();
        // Made at 104500 and 104600, while the control was disabled.
        for (QEvent::Type t : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::KeyPress,
                               QEvent::KeyRelease})
            SendStamped(host, t, at, t == QEvent::MouseButtonPress ? 5500 : 5600);
        EXPECT_EQ(clicks, 0);
        EXPECT_TRUE(log.filter(QStringLiteral("BUTTON")).isEmpty()) << log.join(QLatin1Char('|')).toStdString();
        EXPECT_TRUE(log.filter(QStringLiteral("KEY")).isEmpty()) << log.join(QLatin1Char('|')).toStdString();

        // Made at 105100, after the enabling.
        clock.Fake.Advance(200);
        SendStamped(host, QEvent::MouseButtonPress, at, 6100);
        SendStamped(host, QEvent::MouseButtonRelease, at, 6100);
        EXPECT_EQ(clicks, 1);
    }
}

// The clocks' distance is the smallest gap seen; a window system clock that
// starts over (restarted, wrapped around) starts the guess over.
TEST(InputClock, PlacesTimestampsOnTheTickClock)
{
    struct Step {
        uint64_t Stamp, Now, Made;
    };
    const Step steps[] = {
        {0, 500, 500},             // no timestamp: made now
        {1000, 100000, 100000},    // the first event: delivered at once
        {1500, 100700, 100500},    // delivered 200 late
        {2000, 100900, 100900},    // a smaller gap moves the guess
        {1000, 101000, 99900},     // an old event
        {5000000, 101100, 101100}, // a timestamp ahead of the guess
        {50, 101200, 101200},      // the clock started over
    };
    InputClock clock;
    for (const Step& s : steps) {
        SCOPED_TRACE(s.Stamp);
        EXPECT_EQ(clock.TickOf(s.Stamp, s.Now), s.Made);
    }
}
