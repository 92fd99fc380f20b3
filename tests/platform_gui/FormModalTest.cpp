// Modal forms, dialog keys, tab order and mnemonics.
#include "RecordingControl.h"
#include "platform/controls/Application.h"
#include "platform/controls/ButtonControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/TestHooks.h"
#include "platform/controls/WinApi.h"
#include <gtest/gtest.h>

using namespace SyntheticInput;

namespace {

TCustomButton* AddButton(TCustomForm* form, const QString& caption, int top)
{
    auto* b = new TCustomButton(form);
    b->SetCaption(caption);
    b->SetTop(top);
    b->SetParent(form);
    return b;
}

TEST(FormModal, ShowModalReturnsTheButtonsResultAndRestoresTheOtherWindows)
{
    TForm main(nullptr);
    main.Show();
    auto* edit = new TRecordingControl(&main);
    edit->SetParent(&main);
    edit->SetFocus();

    TForm dialog(nullptr);
    TCustomButton* ok = AddButton(&dialog, QStringLiteral("OK"), 10);
    ok->SetModalResult(mrOk);
    bool mainEnabledDuringModal = true;
    bool dialogVisibleDuringModal = false;
    TScopedModalHook hook([&](const TModalEvent& e) {
        ASSERT_EQ(e.Form, &dialog);
        mainEnabledDuringModal = IsWindowEnabled(main.Handle());
        dialogVisibleDuringModal = dialog.Visible() && (dialog.FormState().Contains(fsModal));
        Click(ok, {5, 5});
    });

    EXPECT_EQ(dialog.ShowModal(), mrOk);
    EXPECT_FALSE(mainEnabledDuringModal);
    EXPECT_TRUE(dialogVisibleDuringModal);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_FALSE(dialog.FormState().Contains(fsModal));
    EXPECT_TRUE(IsWindowEnabled(main.Handle()));
    EXPECT_EQ(Screen->ActiveForm(), &main);
    EXPECT_TRUE(edit->Focused());
}

TEST(FormModal, CloseQueryCanKeepTheFormOpenUntilTheNextResult)
{
    TForm dialog(nullptr);
    auto* target = new TRecordingControl(&dialog);
    target->SetParent(&dialog);
    int queries = 0;
    QStringList closes;
    dialog.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = ++queries > 1; };
    dialog.OnClose = [&](TObject*, TCloseAction&) { closes << QStringLiteral("close"); };
    // The second answer arrives from the event loop, through a posted message.
    target->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_USER + 5)
            dialog.SetModalResult(mrCancel);
        target->WndProc(m);
    };
    TScopedModalHook hook([&](const TModalEvent&) {
        dialog.SetModalResult(mrOk);
        PostMessage(target, WM_USER + 5, 0, 0);
    });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
    EXPECT_EQ(queries, 2);
    EXPECT_EQ(closes, QStringList({"close"}));
}

TEST(FormModal, FormFreedOnCloseGoesAfterShowModalReturns)
{
    auto* dialog = new TForm(nullptr);
    TControlGuard alive = dialog->Guard();
    dialog->OnClose = [](TObject*, TCloseAction& a) { a = caFree; };
    TScopedModalHook hook([&](const TModalEvent&) { dialog->SetModalResult(mrYes); });
    EXPECT_EQ(dialog->ShowModal(), mrYes);
    EXPECT_FALSE(alive.expired());
    Application->ProcessMessages();
    EXPECT_TRUE(alive.expired());
}

TEST(FormModal, ShowModalOfAVisibleFormIsRefused)
{
    TForm form(nullptr);
    form.Show();
    EXPECT_THROW(form.ShowModal(), EInvalidOperation);
}

struct DialogKeyCase {
    const char* Name;
    int Key;
    bool ButtonVisible;
    bool ButtonEnabled;
    bool ExpectClick;
};

void PrintTo(const DialogKeyCase& c, std::ostream* os) { *os << c.Name; }

class DialogKeys : public ::testing::TestWithParam<DialogKeyCase> {};

TEST_P(DialogKeys, ReachTheDefaultAndCancelButtonsOnlyWhenUsable)
{
    const DialogKeyCase& c = GetParam();
    QStringList log;
    TForm form(nullptr);
    auto* edit = new TRecordingControl(&form, &log);
    edit->DlgCode = DLGC_WANTCHARS;
    edit->SetParent(&form);
    TCustomButton* ok = AddButton(&form, QStringLiteral("OK"), 60);
    ok->SetDefault(true);
    TCustomButton* cancel = AddButton(&form, QStringLiteral("Cancel"), 90);
    cancel->SetCancel(true);
    QStringList clicks;
    ok->OnClick = [&](TObject*) { clicks << QStringLiteral("OK"); };
    cancel->OnClick = [&](TObject*) { clicks << QStringLiteral("Cancel"); };
    TCustomButton* target = c.Key == VK_RETURN ? ok : cancel;
    target->SetVisible(c.ButtonVisible);
    target->SetEnabled(c.ButtonEnabled);
    form.Show();
    edit->SetFocus();
    log.clear();

    KeyDown(edit, c.Key, {}, c.Key == VK_RETURN ? "\r" : "\x1b");
    if (c.ExpectClick) {
        EXPECT_EQ(clicks, QStringList({target->Caption()}));
        EXPECT_TRUE(log.isEmpty()) << log.join(QLatin1Char('|')).toStdString();
    } else {
        EXPECT_TRUE(clicks.isEmpty());
        EXPECT_EQ(log.value(0), QStringLiteral("WM_KEYDOWN %1").arg(c.Key));
    }
}

INSTANTIATE_TEST_SUITE_P(FormModal, DialogKeys,
                         ::testing::Values(DialogKeyCase{"EnterClicksDefault", VK_RETURN, true, true, true},
                                           DialogKeyCase{"EnterSkipsHiddenDefault", VK_RETURN, false, true, false},
                                           DialogKeyCase{"EnterSkipsDisabledDefault", VK_RETURN, true, false, false},
                                           DialogKeyCase{"EscapeClicksCancel", VK_ESCAPE, true, true, true},
                                           DialogKeyCase{"EscapeSkipsHiddenCancel", VK_ESCAPE, false, true, false},
                                           DialogKeyCase{"EscapeSkipsDisabledCancel", VK_ESCAPE, true, false, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FormModal, EnterOnAModalFormClosesItWithTheDefaultButtonsResult)
{
    TForm dialog(nullptr);
    auto* edit = new TRecordingControl(&dialog);
    edit->DlgCode = 0;
    edit->SetParent(&dialog);
    TCustomButton* ok = AddButton(&dialog, QStringLiteral("OK"), 60);
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    TCustomButton* cancel = AddButton(&dialog, QStringLiteral("Cancel"), 90);
    cancel->SetCancel(true);
    cancel->SetModalResult(mrCancel);
    TScopedModalHook hook([&](const TModalEvent&) { Key(edit, VK_ESCAPE, {}, "\x1b"); });
    EXPECT_EQ(dialog.ShowModal(), mrCancel);
}

TEST(FormModal, TabFollowsTabOrderAndSkipsWhatCannotTakeFocus)
{
    TForm form(nullptr);
    QStringList names = {"A", "B", "C", "D"};
    std::vector<TRecordingControl*> c;
    for (const QString& n : names) {
        auto* r = new TRecordingControl(&form);
        r->Tag = n;
        r->DlgCode = 0;
        r->SetParent(&form);
        c.push_back(r);
    }
    c[2]->SetTabOrder(0); // C, A, B, D
    c[1]->SetTabStop(false);
    form.Show();
    c[2]->SetFocus();
    auto focused = [] { return static_cast<TRecordingControl*>(TWinControl::FocusedControl())->Tag; };
    QStringList seen;
    for (int i = 0; i < 4; ++i) {
        KeyDown(static_cast<TWinControl*>(TWinControl::FocusedControl()), VK_TAB);
        seen << focused();
    }
    c[3]->SetEnabled(false);
    KeyDown(static_cast<TWinControl*>(TWinControl::FocusedControl()), VK_TAB, {ssShift});
    seen << focused();
    EXPECT_EQ(seen, QStringList({"A", "D", "C", "A", "C"}));
}

struct MnemonicCase {
    const char* Name;
    TShiftState Shift;
    LRESULT DlgCode;
    bool ExpectClick;
};

void PrintTo(const MnemonicCase& c, std::ostream* os) { *os << c.Name; }

class Mnemonics : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(Mnemonics, ClickTheButtonWhoseCaptionMarksTheLetter)
{
    const MnemonicCase& c = GetParam();
    TForm form(nullptr);
    auto* edit = new TRecordingControl(&form);
    edit->DlgCode = c.DlgCode;
    edit->SetParent(&form);
    TCustomButton* save = AddButton(&form, QStringLiteral("&Save"), 60);
    bool clicked = false;
    save->OnClick = [&](TObject*) { clicked = true; };
    form.Show();
    edit->SetFocus();
    Key(edit, 'S', c.Shift, "s");
    EXPECT_EQ(clicked, c.ExpectClick);
}

INSTANTIATE_TEST_SUITE_P(FormModal, Mnemonics,
                         ::testing::Values(MnemonicCase{"AltLetter", {ssAlt}, DLGC_WANTCHARS, true},
                                           MnemonicCase{"LetterInAControlWithoutCharacters", {}, 0, true},
                                           MnemonicCase{"LetterInAControlThatTypes", {}, DLGC_WANTCHARS, false}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(FormModal, IsAccelFindsTheMarkedLetterOnly)
{
    EXPECT_TRUE(IsAccel(QLatin1Char('s'), QStringLiteral("&Save")));
    EXPECT_TRUE(IsAccel(QLatin1Char('A'), QStringLiteral("Save &as")));
    EXPECT_FALSE(IsAccel(QLatin1Char('a'), QStringLiteral("Fish && &Chips")));
    EXPECT_TRUE(IsAccel(QLatin1Char('c'), QStringLiteral("Fish && &Chips")));
    EXPECT_FALSE(IsAccel(QLatin1Char('s'), QStringLiteral("Save&")));
}

TEST(FormModal, CloseHidesTheFormUnlessOnCloseSaysNone)
{
    TForm other(nullptr);
    other.Show();
    TCloseAction answer = caNone;
    other.OnClose = [&](TObject*, TCloseAction& a) { a = answer; };
    other.Close();
    EXPECT_TRUE(other.Visible());
    answer = caHide;
    other.Close();
    EXPECT_FALSE(other.Visible());
}

} // namespace

TEST(FormSystemCommand, MoveGoesToTheWindowSystemOthersToTheDefault)
{
    TForm form(nullptr);
    form.SetBounds(30, 30, 200, 100);
    form.Show();
    // The offscreen platform cannot move windows by the mouse: answered 1.
    EXPECT_EQ(form.Perform(WM_SYSCOMMAND, SC_MOVE | 2, 0), 1);
    EXPECT_EQ(form.Perform(WM_SYSCOMMAND, SC_MOVE, 0), 1);
    EXPECT_EQ(form.Perform(WM_SYSCOMMAND, 0xF020, 0), 0) << "not a move";
    EXPECT_EQ(form.BoundsRect(), Bounds(30, 30, 200, 100)) << "nothing moved by itself";
}
