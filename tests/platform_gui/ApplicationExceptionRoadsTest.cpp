// Every road from the event loop into program code hands an exception to
// the application's handling, whatever its type; none ends the program.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/rtl/Clock.h"
#include "platform/services/DragDrop.h"
#include <QAction>
#include <QMenuBar>
#include <gtest/gtest.h>
#include <functional>
#include <stdexcept>

namespace {

class ThrowingTarget : public IDropTarget {
public:
    void DragEnter(const TDataObject&, int, TPoint, unsigned&) override {}
    void DragOver(int, TPoint, unsigned&) override {}
    void DragLeave() override {}
    void Drop(const TDataObject&, int, TPoint, unsigned&) override { throw std::runtime_error("drop"); }
};

struct RoadCase {
    const char* Name;
    // Sets up a road whose program code throws, and runs the event loop over it.
    std::function<void(TForm& Form)> Run;
    const char* Message;
};

void PrintTo(const RoadCase& c, std::ostream* os) { *os << c.Name; }

class ExceptionRoads : public ::testing::TestWithParam<RoadCase> {
protected:
    void SetUp() override
    {
        Application->OnException = [this](TObject*, Exception* E) { Handled << E->Message(); };
    }
    void TearDown() override { Application->OnException = nullptr; }
    QStringList Handled;
};

TEST_P(ExceptionRoads, ReachTheApplicationsHandling)
{
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 120);
    GetParam().Run(form);
    EXPECT_EQ(Handled, QStringList({QString::fromLatin1(GetParam().Message)}));
}

const RoadCase kRoads[] = {
    {"TimerStdException",
     [](TForm&) {
         TFakeClock clock{0, 1000};
         SetClock(&clock);
         TTimer timer;
         timer.SetInterval(10);
         timer.OnTimer = [](TObject*) { throw std::runtime_error("timer"); };
         clock.Advance(10);
         timer.CheckDue();
         SetClock(nullptr);
     },
     "timer"},
    {"MenuBarClick",
     [](TForm& form) {
         auto* menu = new TMainMenu(&form);
         auto* item = new TMenuItem(menu);
         item->SetCaption(QStringLiteral("&Go"));
         item->OnClick = [](TObject*) { throw EInvalidOperation(QStringLiteral("menu")); };
         menu->Items()->Add(item);
         form.SetMenu(menu);
         form.Show();
         form.Handle()->MenuBar()->actions().value(0)->trigger();
         Application->ProcessMessages();
     },
     "menu"},
    {"PostedMessage",
     [](TForm& form) {
         auto* c = new TRecordingControl(&form);
         c->SetParent(&form);
         c->WindowProc = [c](TMessage& m) {
             if (m.Msg == WM_USER + 1)
                 throw std::logic_error("posted");
             c->WndProc(m);
         };
         PostMessage(c, WM_USER + 1, 0, 0);
         Application->ProcessMessages();
     },
     "posted"},
    {"Drop",
     [](TForm& form) {
         static ThrowingTarget target;
         ASSERT_TRUE(RegisterDragDrop(&form, &target));
         TDataObject data;
         data.SetText(QStringLiteral("t"));
         unsigned effect = 0;
         SimulateDrop(data, DROPEFFECT_COPY, &form, TPoint{5, 5}, 0, effect);
         RevokeDragDrop(&form);
     },
     "drop"},
    {"NotAnException",
     [](TForm& form) {
         form.WindowProc = [&form](TMessage& m) {
             if (m.Msg == WM_USER + 2)
                 throw 42;
             form.WndProc(m);
         };
         PostMessage(&form, WM_USER + 2, 0, 0);
         Application->ProcessMessages();
         form.WindowProc = nullptr;
     },
     "Unknown exception"},
};

INSTANTIATE_TEST_SUITE_P(Application, ExceptionRoads, ::testing::ValuesIn(kRoads),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
