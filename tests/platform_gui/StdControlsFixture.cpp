#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/ListBox.h"
#include "platform/controls/WinApi.h"

QString NotifyName(int Code, TControl* Sender)
{
    if (dynamic_cast<TCustomListBox*>(Sender)) {
        switch (Code) {
        case LBN_SELCHANGE: return QStringLiteral("LBN_SELCHANGE");
        case LBN_DBLCLK: return QStringLiteral("LBN_DBLCLK");
        }
    } else if (dynamic_cast<TCustomComboBox*>(Sender)) {
        switch (Code) {
        case CBN_SELCHANGE: return QStringLiteral("CBN_SELCHANGE");
        case CBN_EDITCHANGE: return QStringLiteral("CBN_EDITCHANGE");
        case CBN_DROPDOWN: return QStringLiteral("CBN_DROPDOWN");
        case CBN_CLOSEUP: return QStringLiteral("CBN_CLOSEUP");
        }
    } else if (Code == EN_CHANGE) {
        return QStringLiteral("EN_CHANGE");
    }
    return QStringLiteral("code %1").arg(Code);
}

void StdControlsTest::SetUp()
{
    Form = new TForm(nullptr);
    Form->SetBounds(100, 100, 400, 300);
    Form->WindowProc = [this](TMessage& m) {
        if (m.Msg == WM_COMMAND) {
            TWMCommand c(m);
            Log << NotifyName(c.NotifyCode, FindControl(c.Ctl));
        }
        Form->WndProc(m);
    };
    Form->Show();
}

void StdControlsTest::TearDown()
{
    delete Form;
}
