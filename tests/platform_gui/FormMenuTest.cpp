// A form's main menu: its items' shortcut keys reach them through the
// form, after OnShortCut.
#include "platform/controls/CustomControl.h"
#include "platform/controls/Form.h"
#include "platform/controls/Menu.h"
#include "platform/controls/TestHooks.h"
#include <QStringList>
#include <gtest/gtest.h>
#include <functional>

using namespace SyntheticInput;

namespace {

class FormMenu : public ::testing::Test {
public:
    void SetUp() override
    {
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 200, 150);
        Menu = new TMainMenu(Form);
        auto* file = new TMenuItem(Menu);
        file->SetCaption("&File");
        Menu->Items()->Add(file);
        Save = AddItem(file, "&Save", ShortCut('S', {ssCtrl}));
        Quit = AddItem(file, "E&xit", ShortCut('X', {ssAlt}));
        Form->SetMenu(Menu);
        Form->Show();
    }
    void TearDown() override { delete Form; }

    TMenuItem* AddItem(TMenuItem* parent, const QString& caption, TShortCut shortCut)
    {
        auto* item = new TMenuItem(Menu);
        item->SetCaption(caption);
        item->SetShortCut(shortCut);
        item->OnClick = [this, caption](TObject*) { Log << caption; };
        parent->Add(item);
        return item;
    }

    TForm* Form = nullptr;
    TMainMenu* Menu = nullptr;
    TMenuItem* Save = nullptr;
    TMenuItem* Quit = nullptr;
    QStringList Log;
};

TEST_F(FormMenu, ShortCutsRunTheirItems)
{
    struct Case {
        const char* Name;
        int Key;
        TShiftState Shift;
        std::function<void(FormMenu*)> Setup;
        QStringList Expected;
    };
    const Case cases[] = {
        {"ctrl key", 'S', {ssCtrl}, nullptr, {"&Save"}},
        {"alt key", 'X', {ssAlt}, nullptr, {"E&xit"}},
        {"without the modifier", 'S', {}, nullptr, {}},
        {"other modifier", 'S', {ssCtrl, ssShift}, nullptr, {}},
        {"disabled item", 'S', {ssCtrl}, [](FormMenu* t) { t->Save->SetEnabled(false); }, {}},
        {"OnShortCut handles it first", 'S', {ssCtrl},
         [](FormMenu* t) {
             t->Form->OnShortCut = [t](TWMKey&, bool& handled) {
                 t->Log << QStringLiteral("form");
                 handled = true;
             };
         },
         {"form"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        Log.clear();
        Save->SetEnabled(true);
        Form->OnShortCut = nullptr;
        if (c.Setup)
            c.Setup(this);
        Key(Form, c.Key, c.Shift);
        EXPECT_EQ(Log, c.Expected);
    }
}

TEST_F(FormMenu, FreedMenuIsForgotten)
{
    delete Menu;
    EXPECT_EQ(Form->Menu(), nullptr);
    Key(Form, 'S', {ssCtrl});
    EXPECT_TRUE(Log.isEmpty());
}

TEST_F(FormMenu, FreedPopupMenuIsForgottenByItsControl)
{
    auto* popup = new TPopupMenu(nullptr);
    auto* child = new TCustomControl(Form);
    child->SetBounds(10, 10, 50, 30);
    child->SetParent(Form);
    child->SetPopupMenu(popup);
    delete popup;
    EXPECT_EQ(child->PopupMenu(), nullptr);
    Click(child, {5, 5}); // the right button's context menu path
    MouseDown(child, mbRight, {5, 5});
    MouseUp(child, mbRight, {5, 5});
}

} // namespace
