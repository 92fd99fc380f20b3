#include "StdControlsFixture.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/WinApi.h"

QString NotifyName(int Code, bool Combo)
{
    if (Combo) {
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
            bool combo = dynamic_cast<TCustomComboBox*>(FindControl(c.Ctl)) != nullptr;
            Log << NotifyName(c.NotifyCode, combo);
        }
        Form->WndProc(m);
    };
    Form->Show();
}

void StdControlsTest::TearDown()
{
    delete Form;
}
