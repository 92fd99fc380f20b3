// A handler may free its own control, timer or menu item while it runs:
// the framework neither reads the freed control nor frees the handler
// under the running call.
#include "RecordingControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/Clock.h"
#include <gtest/gtest.h>
#include <functional>
#include <memory>

using namespace SyntheticInput;

namespace {

// The handler's own captures, seen from outside it: a handler run from the
// control's own std::function loses them when it frees the control.
std::weak_ptr<int> gCapture;
bool gCaptureAliveAfterFree = false;

void NoteCapture() { gCaptureAliveAfterFree = !gCapture.expired(); }

struct FreeCase {
    const char* Name;
    // Installs on the control a handler that frees it, holding Token.
    void (*Install)(TRecordingControl* Control, std::shared_ptr<int> Token);
    void (*Trigger)(TRecordingControl* Control);
};

void PrintTo(const FreeCase& c, std::ostream* os) { *os << c.Name; }

const FreeCase kFreeCases[] = {
    {"Click",
     [](TRecordingControl* c, std::shared_ptr<int> t) {
         c->OnClick = [t](TObject* s) {
             delete s;
             NoteCapture();
         };
     },
     [](TRecordingControl* c) { Click(c, {5, 5}); }},
    {"MouseDown",
     [](TRecordingControl* c, std::shared_ptr<int> t) {
         c->OnMouseDown = [t](TObject* s, TMouseButton, TShiftState, int, int) {
             delete s;
             NoteCapture();
         };
     },
     [](TRecordingControl* c) { Click(c, {5, 5}); }},
    {"KeyDown",
     [](TRecordingControl* c, std::shared_ptr<int> t) {
         c->OnKeyDown = [t](TObject* s, int&, TShiftState) {
             delete s;
             NoteCapture();
         };
     },
     [](TRecordingControl* c) { Key(c, 'A', {}, QStringLiteral("a")); }},
    {"KeyPress",
     [](TRecordingControl* c, std::shared_ptr<int> t) {
         c->OnKeyPress = [t](TObject* s, QChar&) {
             delete s;
             NoteCapture();
         };
     },
     [](TRecordingControl* c) { Key(c, 'A', {}, QStringLiteral("a")); }},
    {"Exit",
     [](TRecordingControl* c, std::shared_ptr<int> t) {
         c->OnExit = [t](TObject* s) {
             delete s;
             NoteCapture();
         };
     },
     [](TRecordingControl* c) { Key(c, VK_TAB); }},
};

class HandlerFreesItsControl : public ::testing::TestWithParam<FreeCase> {};

TEST_P(HandlerFreesItsControl, AndKeepsItsOwnCapturesUntilItReturns)
{
    TForm form(nullptr);
    auto* c = new TRecordingControl(&form);
    c->DlgCode = 0;
    c->SetParent(&form);
    auto* next = new TRecordingControl(&form);
    next->SetTop(60);
    next->SetParent(&form);
    form.Show();
    c->SetFocus();
    TControlGuard alive = c->Guard();
    auto token = std::make_shared<int>(0);
    gCapture = token;
    gCaptureAliveAfterFree = false;
    GetParam().Install(c, std::move(token));
    GetParam().Trigger(c);
    EXPECT_TRUE(alive.expired());
    EXPECT_TRUE(gCaptureAliveAfterFree);
}

INSTANTIATE_TEST_SUITE_P(Control, HandlerFreesItsControl, ::testing::ValuesIn(kFreeCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(HandlerFreesItsControl, TimerAndMenuItemToo)
{
    TFakeClock clock{0, 1000};
    SetClock(&clock);
    auto token = std::make_shared<int>(0);
    gCapture = token;
    gCaptureAliveAfterFree = false;
    auto* timer = new TTimer;
    timer->SetInterval(10);
    timer->OnTimer = [token](TObject* s) {
        delete s;
        NoteCapture();
    };
    token.reset();
    clock.Advance(10);
    timer->CheckDue();
    SetClock(nullptr);
    EXPECT_TRUE(gCaptureAliveAfterFree);

    token = std::make_shared<int>(0);
    gCapture = token;
    gCaptureAliveAfterFree = false;
    auto* item = new TMenuItem(nullptr);
    item->OnClick = [token](TObject* s) {
        delete s;
        NoteCapture();
    };
    token.reset();
    item->Click();
    EXPECT_TRUE(gCaptureAliveAfterFree);
}

// The base class's destructor sends nothing to code of the derived class
// that is already gone, through an instance's window procedure either.
TEST(ControlDestruction, SendsNothingToAWindowProcOfAGoneDerivedClass)
{
    struct TProbe : TRecordingControl {
        using TRecordingControl::TRecordingControl;
        ~TProbe() override { *Gone = true; }
        bool* Gone = nullptr;
    };
    bool gone = false;
    QStringList late;
    TForm form(nullptr);
    auto* probe = new TProbe(&form);
    probe->Gone = &gone;
    probe->SetParent(&form);
    probe->WindowProc = [&](TMessage& m) {
        if (gone)
            late << QString::number(m.Msg, 16);
        else
            probe->TRecordingControl::WndProc(m);
    };
    form.Show();
    delete probe;
    EXPECT_EQ(late, QStringList());
}

} // namespace
