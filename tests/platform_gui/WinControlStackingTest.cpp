// Top-level windows that belong to another (popups, modal forms) stay above
// it when it is raised, and stay-on-top windows stay above ordinary ones;
// the window manager hears of the owner as the transient parent.
#include "platform/controls/Application.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Every top-level host that Qt raises, in order.
class RaiseRecorder : public QObject {
public:
    RaiseRecorder() { qApp->installEventFilter(this); }
    ~RaiseRecorder() override { qApp->removeEventFilter(this); }
    std::vector<QWidget*> Raised;

protected:
    bool eventFilter(QObject* Object, QEvent* Event) override
    {
        if (Event->type() == QEvent::ZOrderChange)
            if (auto* w = dynamic_cast<WidgetHost*>(Object); w && w->isWindow())
                Raised.push_back(w);
        return false;
    }
};

class TPopupWindow : public TCustomControl {
public:
    TPopupWindow(TComponent* AOwner, unsigned ExStyle) : TCustomControl(AOwner), FExStyle(ExStyle)
    {
        SetBounds(30, 40, 50, 20);
    }

protected:
    void CreateParams(TCreateParams& Params) override
    {
        TCustomControl::CreateParams(Params);
        Params.Style = WS_POPUP;
        Params.ExStyle = FExStyle;
    }

private:
    unsigned FExStyle;
};

struct StackingCase {
    const char* Name;
    bool Parented;   // the form is the popup's parent window
    unsigned ExStyle;
    bool Hidden;     // hidden before the form is raised
    bool Above;      // the popup is raised after the form
    bool Transient;  // the form is its transient parent
};

class WinControlStacking : public ::testing::TestWithParam<StackingCase> {};

TEST_P(WinControlStacking, RaisingTheFormKeepsWhatMustStayAbove)
{
    const StackingCase& c = GetParam();
    TForm form(nullptr);
    form.SetBounds(0, 0, 200, 150);
    form.Show();
    auto* popup = new TPopupWindow(&form, c.ExStyle);
    if (c.Parented)
        popup->SetParent(&form);
    else
        popup->Show();
    if (c.Hidden)
        popup->Hide();
    WidgetHost* host = popup->Handle();
    ASSERT_TRUE(host->isWindow());
    EXPECT_EQ(host->isVisible(), !c.Hidden);
    if (!c.Hidden) {
        ASSERT_TRUE(host->windowHandle());
        EXPECT_EQ(host->windowHandle()->transientParent() == form.Handle()->windowHandle(), c.Transient);
    }

    RaiseRecorder recorder;
    form.BringToFront();
    ASSERT_FALSE(recorder.Raised.empty());
    EXPECT_EQ(recorder.Raised.front(), form.Handle());
    EXPECT_EQ(recorder.Raised.back() == host, c.Above);
    EXPECT_EQ(host->isVisible(), !c.Hidden);

    // Showing the form again (the application's start does) raises it too.
    recorder.Raised.clear();
    form.Show();
    EXPECT_EQ(!recorder.Raised.empty() && recorder.Raised.back() == host, c.Above);
    delete popup;
}

INSTANTIATE_TEST_SUITE_P(
    Popups, WinControlStacking,
    ::testing::Values(StackingCase{"OwnedPopup", true, 0, false, true, true},
                      StackingCase{"OwnedToolWindowWithoutActivation", true, WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, false, true, true},
                      StackingCase{"HiddenOwnedPopupStaysHidden", true, 0, true, false, true},
                      StackingCase{"StayOnTopWithoutOwner", false, WS_EX_TOPMOST, false, true, false},
                      StackingCase{"PopupWithoutOwnerGoesUnder", false, 0, false, false, false}),
    [](const ::testing::TestParamInfo<StackingCase>& i) { return std::string(i.param.Name); });

TEST(WinControlStacking, PopupsOfPopupsFollowInTheirOrder)
{
    TForm form(nullptr);
    form.Show();
    auto* first = new TPopupWindow(&form, 0);
    first->SetParent(&form);
    auto* second = new TPopupWindow(&form, 0);
    second->SetParent(&form);
    // A popup of the first popup (a drop-down's sub-list).
    auto* inner = new TPopupWindow(first, 0);
    inner->SetParent(first);
    second->BringToFront();
    HostRaise(first->Handle());

    RaiseRecorder recorder;
    form.BringToFront();
    std::vector<QWidget*> expected{form.Handle(), second->Handle(), first->Handle(), inner->Handle()};
    EXPECT_EQ(recorder.Raised, expected);
}

TEST(WinControlStacking, ModalFormBelongsToTheFormItWasOpenedFrom)
{
    TForm main(nullptr);
    main.Show();
    TForm dialog(nullptr);
    HWND owner = nullptr;
    QWindow* transient = nullptr;
    std::vector<QWidget*> raised;
    TScopedModalHook hook([&](const TModalEvent&) {
        owner = HostOwner(dialog.Handle());
        transient = dialog.Handle()->windowHandle()->transientParent();
        RaiseRecorder recorder;
        main.BringToFront();
        raised = recorder.Raised;
        dialog.SetModalResult(mrCancel);
    });
    dialog.ShowModal();
    EXPECT_EQ(owner, main.Handle());
    EXPECT_EQ(transient, main.Handle()->windowHandle());
    ASSERT_FALSE(raised.empty());
    EXPECT_EQ(raised.back(), dialog.Handle());
}

TEST(WinControlStacking, OwnerLoopsAreRefused)
{
    TForm a(nullptr);
    TForm b(nullptr);
    HostSetOwner(a.Handle(), b.Handle());
    HostSetOwner(b.Handle(), a.Handle());
    HostSetOwner(a.Handle(), a.Handle());
    EXPECT_EQ(HostOwner(a.Handle()), b.Handle());
    EXPECT_EQ(HostOwner(b.Handle()), nullptr);
    HostSetOwner(a.Handle(), nullptr);
    EXPECT_EQ(HostOwner(a.Handle()), nullptr);
}

} // namespace
