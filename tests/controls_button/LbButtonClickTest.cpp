// The click sequence: mouse, keys, dialog keys, mnemonics and the modal
// result handed to the form.
#include "ButtonForm.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include <functional>

using namespace SyntheticInput;

namespace {

struct ClickCase {
    const char* Name;
    std::function<void(TLbButton*)> Setup;
    std::function<void(TLbButton*)> Act;
    QStringList Expected;
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.Name; }

class LbButtonClicks : public ButtonForm, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(LbButtonClicks, FireOnRelease)
{
    const ClickCase& c = GetParam();
    LogClicks(Button);
    if (c.Setup)
        c.Setup(Button);
    c.Act(Button);
    EXPECT_EQ(Log, c.Expected);
    if (Button->Visible()) {
        EXPECT_FALSE(Button->IsDown());
    }
}

const QStringList Once{"OnClick", "inherited"};

INSTANTIATE_TEST_SUITE_P(
    Sequences, LbButtonClicks,
    ::testing::Values(
        ClickCase{"LeftClick", nullptr, [](TLbButton* b) { Click(b, {5, 5}); }, Once},
        ClickCase{"MoveOffAndBack", nullptr,
                  [](TLbButton* b) {
                      MouseDown(b, mbLeft, {5, 5});
                      MouseMove(b, {-40, 60});
                      MouseMove(b, {6, 6});
                      MouseUp(b, mbLeft, {6, 6});
                  },
                  Once},
        ClickCase{"ReleasedOffTheButton", nullptr,
                  [](TLbButton* b) {
                      MouseDown(b, mbLeft, {5, 5});
                      MouseMove(b, {-40, 60});
                      MouseUp(b, mbLeft, {-40, 60});
                  },
                  Once},
        ClickCase{"RightButtonDoesNothing", nullptr,
                  [](TLbButton* b) {
                      MouseDown(b, mbRight, {5, 5});
                      MouseUp(b, mbRight, {5, 5});
                  },
                  {}},
        ClickCase{"RightReleaseCompletesLeftPress", nullptr,
                  [](TLbButton* b) {
                      MouseDown(b, mbLeft, {5, 5});
                      MouseUp(b, mbRight, {5, 5});
                      MouseUp(b, mbLeft, {5, 5});
                  },
                  Once},
        ClickCase{"DoubleClickGivesTwoClicks", nullptr, [](TLbButton* b) { DoubleClick(b, {5, 5}); },
                  Once + Once},
        ClickCase{"DisabledIgnoresMouse", [](TLbButton* b) { b->SetEnabled(false); },
                  [](TLbButton* b) { Click(b, {5, 5}); }, {}},
        ClickCase{"SpaceOnFocused", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) { Key(b, VK_SPACE, {}, QStringLiteral(" ")); }, Once},
        ClickCase{"EnterOnFocused", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) { Key(b, VK_RETURN, {}, QStringLiteral("\r")); }, Once},
        ClickCase{"EnterOnFocusedDefault",
                  [](TLbButton* b) {
                      b->SetDefault(true);
                      b->SetFocus();
                  },
                  [](TLbButton* b) { Key(b, VK_RETURN, {}, QStringLiteral("\r")); }, Once},
        // A key released without its press on the button (the press went to a
        // dialog that closed on it) does not click.
        ClickCase{"EnterReleaseWithoutPress", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) { KeyUp(b, VK_RETURN); }, {}},
        ClickCase{"SpaceReleaseWithoutPress", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) { KeyUp(b, VK_SPACE); }, {}},
        ClickCase{"KeyReleaseAfterMouseClick", nullptr,
                  [](TLbButton* b) {
                      Click(b, {5, 5});
                      KeyUp(b, VK_RETURN);
                  },
                  Once},
        ClickCase{"OnlyTheSameKeysRelease", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) {
                      KeyDown(b, VK_RETURN, {}, QStringLiteral("\r"));
                      KeyUp(b, VK_SPACE);
                      KeyUp(b, VK_RETURN);
                      KeyUp(b, VK_RETURN);
                  },
                  Once},
        ClickCase{"FocusLeftWhileHeld", [](TLbButton* b) { b->SetFocus(); },
                  [](TLbButton* b) {
                      KeyDown(b, VK_SPACE, {}, QStringLiteral(" "));
                      auto* other = new TPlainBox(b->Owner());
                      other->SetBounds(10, 60, 50, 20);
                      other->SetParent(b->Parent());
                      other->SetFocus();
                      b->SetFocus();
                      KeyUp(b, VK_SPACE);
                  },
                  {}},
        ClickCase{"ClickMethod", nullptr, [](TLbButton* b) { b->Click(); }, Once},
        ClickCase{"ClickMethodWhenHidden", [](TLbButton* b) { b->SetVisible(false); },
                  [](TLbButton* b) { b->Click(); }, {"inherited"}}),
    [](const ::testing::TestParamInfo<ClickCase>& i) { return std::string(i.param.Name); });

TEST_F(ButtonForm, PressTakesFocusAndRelease)
{
    MouseDown(Button, mbLeft, {5, 5});
    EXPECT_TRUE(Button->IsDown());
    EXPECT_TRUE(Button->Focused());
    MouseUp(Button, mbLeft, {5, 5});
    EXPECT_FALSE(Button->IsDown());
}

// The release clicks before the key-up event, which cannot hold it back.
TEST_F(ButtonForm, KeyReleaseClicksBeforeOnKeyUp)
{
    LogClicks(Button);
    Button->OnKeyUp = [this](TObject*, int& Key, TShiftState) {
        Log << QStringLiteral("OnKeyUp");
        Key = 0;
    };
    Button->SetFocus();
    for (int key : {VK_SPACE, VK_RETURN})
        Key(Button, key, {}, key == VK_SPACE ? QStringLiteral(" ") : QStringLiteral("\r"));
    EXPECT_EQ(Log, QStringList({"OnClick", "inherited", "OnKeyUp", "OnClick", "inherited", "OnKeyUp"}));
}

TEST_F(ButtonForm, ModalResultReachesFormAfterOnClick)
{
    Button->SetModalResult(mrCancel);
    TModalResult seenInHandler = -1;
    TModalResult seenByInherited = -1;
    Button->OnClick = [&](TObject*) { seenInHandler = Form->ModalResult(); };
    Button->TControl::OnClick = [&](TObject*) { seenByInherited = Form->ModalResult(); };
    Click(Button, {5, 5});
    EXPECT_EQ(seenInHandler, mrNone);
    EXPECT_EQ(seenByInherited, mrCancel);
    EXPECT_EQ(Form->ModalResult(), mrCancel);
}

// Records where it was asked to show instead of opening.
class TRecordingPopup : public TPopupMenu {
public:
    using TPopupMenu::TPopupMenu;
    std::function<void(int X, int Y)> Shown;
    void Popup(int X, int Y) override { Shown(X, Y); }
};

TEST_F(ButtonForm, PopupMenuShowsBelowAfterModalResult)
{
    auto* menu = new TRecordingPopup(Form);
    Button->SetPopupMenu(menu);
    Button->SetModalResult(mrOk);
    LogClicks(Button);
    menu->Shown = [&](int x, int y) {
        EXPECT_EQ((TPoint{x, y}), Button->ClientToScreen({0, Button->Height()}));
        Log << QStringLiteral("popup %1").arg(Form->ModalResult());
    };
    Click(Button, {5, 5});
    EXPECT_EQ(Log, QStringList({"OnClick", "popup 1", "inherited"}));
}

TEST_F(ButtonForm, ZeroModalResultLeavesFormAlone)
{
    Click(Button, {5, 5});
    EXPECT_EQ(Form->ModalResult(), mrNone);
}

TEST(LbButtonModal, ClickClosesModalForm)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 200, 120);
    auto* ok = new TLbButton(&form);
    ok->SetParent(&form);
    ok->SetModalResult(mrOk);
    int clicks = 0;
    ok->OnClick = [&](TObject*) { ++clicks; };
    TScopedModalHook hook([&](const TModalEvent& e) {
        if (e.Form == &form)
            Click(ok, {5, 5});
    });
    EXPECT_EQ(form.ShowModal(), mrOk);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(form.Visible());
}

// Enter and Escape from another focused control.
struct DialogKeyCase {
    const char* Name;
    enum Focus { Plain, OtherButton, RadioButton, OtherLbButton } Focused;
    int Key;
    TShiftState Shift;
    bool Default;
    bool Cancel;
    bool Enabled;
    bool Visible;
    bool Clicks;
};

void PrintTo(const DialogKeyCase& c, std::ostream* os) { *os << c.Name; }

class LbButtonDialogKeys : public ButtonForm, public ::testing::WithParamInterface<DialogKeyCase> {};

TEST_P(LbButtonDialogKeys, DefaultAndCancel)
{
    const DialogKeyCase& c = GetParam();
    TKeySink* sink = nullptr;
    TWinControl* focus = nullptr;
    switch (c.Focused) {
    case DialogKeyCase::Plain: focus = sink = new TPlainBox(Form); break;
    case DialogKeyCase::OtherButton: focus = sink = new TOtherButton(Form); break;
    case DialogKeyCase::RadioButton: focus = sink = new TMyRadioButton(Form); break;
    case DialogKeyCase::OtherLbButton: focus = new TLbButton(Form); break;
    }
    focus->SetBounds(10, 100, 60, 24);
    focus->SetParent(Form);
    focus->SetFocus();
    ASSERT_TRUE(focus->Focused());
    int clicks = 0;
    Button->OnClick = [&](TObject*) { ++clicks; };
    Button->SetDefault(c.Default);
    Button->SetCancel(c.Cancel);
    Button->SetEnabled(c.Enabled);
    Button->SetVisible(c.Visible);

    Key(focus, c.Key, c.Shift);

    EXPECT_EQ(clicks, c.Clicks ? 1 : 0);
    // A taken key never reaches the focused control.
    if (sink) {
        EXPECT_EQ(sink->KeyDowns, c.Clicks ? 0 : 1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LbButtonDialogKeys,
    ::testing::Values(
        DialogKeyCase{"EnterPressesDefault", DialogKeyCase::Plain, VK_RETURN, {}, true, false, true, true, true},
        DialogKeyCase{"EscapePressesCancel", DialogKeyCase::Plain, VK_ESCAPE, {}, false, true, true, true, true},
        DialogKeyCase{"EnterIgnoredWithoutDefault", DialogKeyCase::Plain, VK_RETURN, {}, false, true, true, true,
                      false},
        DialogKeyCase{"EscapeIgnoredWithoutCancel", DialogKeyCase::Plain, VK_ESCAPE, {}, true, false, true, true,
                      false},
        DialogKeyCase{"ShiftEscapeIgnored", DialogKeyCase::Plain, VK_ESCAPE, {ssShift}, false, true, true, true,
                      false},
        DialogKeyCase{"ShiftEnterIgnored", DialogKeyCase::Plain, VK_RETURN, {ssShift}, true, false, true, true,
                      false},
        DialogKeyCase{"CtrlEnterIgnored", DialogKeyCase::Plain, VK_RETURN, {ssCtrl}, true, false, true, true,
                      false},
        DialogKeyCase{"DisabledDefaultLeavesEnter", DialogKeyCase::Plain, VK_RETURN, {}, true, false, false, true,
                      false},
        DialogKeyCase{"HiddenDefaultLeavesEnter", DialogKeyCase::Plain, VK_RETURN, {}, true, false, true, false,
                      false},
        DialogKeyCase{"DisabledCancelLeavesEscape", DialogKeyCase::Plain, VK_ESCAPE, {}, false, true, false, true,
                      false},
        DialogKeyCase{"FocusedButtonKeepsEnter", DialogKeyCase::OtherButton, VK_RETURN, {}, true, false, true, true,
                      false},
        DialogKeyCase{"FocusedButtonKeepsEscape", DialogKeyCase::OtherButton, VK_ESCAPE, {}, false, true, true,
                      true, false},
        DialogKeyCase{"FocusedRadioButtonGivesEnter", DialogKeyCase::RadioButton, VK_RETURN, {}, true, false, true,
                      true, true},
        DialogKeyCase{"FocusedLbButtonKeepsEnter", DialogKeyCase::OtherLbButton, VK_RETURN, {}, true, false, true,
                      true, false}),
    [](const ::testing::TestParamInfo<DialogKeyCase>& i) { return std::string(i.param.Name); });

TEST_F(ButtonForm, FocusedLbButtonClicksItselfOnEnter)
{
    auto* other = AddButton(10, 100);
    Button->SetDefault(true);
    LogClicks(Button, QStringLiteral("default "));
    LogClicks(other, QStringLiteral("focused "));
    other->SetFocus();
    Key(other, VK_RETURN, {}, QStringLiteral("\r"));
    EXPECT_EQ(Log, QStringList({"focused OnClick", "focused inherited"}));
}

// "&" mnemonics typed in a control that does not want characters.
struct MnemonicCase {
    const char* Name;
    QString Caption;
    int Key;
    TShiftState Shift;
    QString Text;
    bool Enabled;
    bool Clicks;
};

void PrintTo(const MnemonicCase& c, std::ostream* os) { *os << c.Name; }

class LbButtonMnemonics : public ButtonForm, public ::testing::WithParamInterface<MnemonicCase> {};

TEST_P(LbButtonMnemonics, Accelerator)
{
    const MnemonicCase& c = GetParam();
    auto* box = new TPlainBox(Form);
    box->SetParent(Form);
    box->SetFocus();
    Button->SetCaption(c.Caption);
    Button->SetEnabled(c.Enabled);
    int clicks = 0;
    Button->OnClick = [&](TObject*) { ++clicks; };
    Key(box, c.Key, c.Shift, c.Text);
    EXPECT_EQ(clicks, c.Clicks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, LbButtonMnemonics,
    ::testing::Values(MnemonicCase{"AltLetter", "&Save", 'S', {ssAlt}, "s", true, true},
                      MnemonicCase{"PlainLetter", "&Save", 'S', {}, "s", true, true},
                      MnemonicCase{"UpperCaseLetter", "&Save", 'S', {ssShift}, "S", true, true},
                      MnemonicCase{"MiddleLetter", "Sa&ve", 'V', {ssAlt}, "v", true, true},
                      MnemonicCase{"OtherLetter", "&Save", 'A', {ssAlt}, "a", true, false},
                      MnemonicCase{"DoubledAmpersandIsNoMnemonic", "&&Save", 'S', {ssAlt}, "s", true, false},
                      MnemonicCase{"Disabled", "&Save", 'S', {ssAlt}, "s", false, false}),
    [](const ::testing::TestParamInfo<MnemonicCase>& i) { return std::string(i.param.Name); });

} // namespace
