#include "grid/foundation/ThemeNotifier.h"
#include "platform/controls/Application.h"
#include "platform/controls/Form.h"

namespace {
TThemeNotifier* SharedNotifier = nullptr;
}

void THandleList::DeleteValue(HWND Value)
{
    const int i = IndexOf(Value);
    if (i >= 0)
        Delete(i);
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {}

TThemeNotifier::~TThemeNotifier()
{
    if (SharedNotifier == this)
        SharedNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Hwnd) {}

void TThemeNotifier::UnRegisterWindow(HWND Hwnd) {}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner)
{
    if (!SharedNotifier) {
        TComponent* owner = AOwner;
        TCustomForm* mainForm = Application ? Application->MainForm() : nullptr;
        if (mainForm && mainForm->HandleAllocated())
            owner = mainForm;
        SharedNotifier = new TThemeNotifier(owner);
    }
    return SharedNotifier;
}
