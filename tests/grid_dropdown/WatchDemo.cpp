// The analogue watch and the calculator keypad to try by hand under Xvfb:
// a watch to set by clicks (the label shows its time), a second one that
// runs as a clock, and the keypad (the label shows the last key). Runs
// until the window is closed.
#include "grid/dropdown/CustomButtonPanel.h"
#include "grid/dropdown/ProWatch.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"
#include "platform/controls/Label.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/DateTime.h"

int main(int argc, char** argv)
{
    Application->Initialize(argc, argv);
    TForm* form = nullptr;
    Application->CreateForm(form);
    form->SetCaption(QStringLiteral("Watch"));
    form->SetBounds(10, 10, 660, 260);

    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(8, 200, 400, 20);

    auto* watch = new TProWatch(form);
    watch->SetParent(form);
    watch->SetBounds(8, 8, 180, 180);
    watch->SetTime(EncodeTime(10, 8, 0, 0));
    auto show = [watch, label](TObject*) {
        label->SetCaption(QStringLiteral("Time ") + FormatDateTime(QStringLiteral("hh:nn"), watch->Time()));
    };
    auto* refresh = new TTimer(form);
    refresh->SetInterval(100);
    refresh->OnTimer = show;
    show(watch);

    auto* clock = new TProWatch(form);
    clock->SetParent(form);
    clock->SetBounds(196, 8, 180, 180);
    clock->SetStyle(wsSports);
    clock->Settings()->SetAuto(true);

    auto* keypad = new TCustomButtonPanel(form);
    keypad->SetParent(form);
    keypad->SetBounds(384, 8, 230, 150);
    keypad->SetColor(clWhite);
    keypad->CreateButtons();
    auto* keyLabel = new TLabel(form);
    keyLabel->SetParent(form);
    keyLabel->SetBounds(384, 200, 200, 20);
    keypad->OnButtonClick = [keypad, keyLabel](TObject*, int Index) {
        keyLabel->SetCaption(QStringLiteral("Key ") + keypad->Buttons()->Items(Index)->Caption());
    };

    form->Show();
    Application->Run();
    return 0;
}
