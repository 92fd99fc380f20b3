#include "platform/controls/WindowHooks.h"
#include "platform/controls/qt/WidgetHost.h"
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>
#include <vector>

struct THookEntry {
    HOOKPROC Proc;
};

namespace {

// Newest first.
std::vector<THookEntry*>& Chain()
{
    static std::vector<THookEntry*> chain;
    return chain;
}

// Turns the moves and resizes of host windows into hook calls.
class WindowPosFilter : public QObject {
public:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        if (Event->type() != QEvent::Move && Event->type() != QEvent::Resize)
            return false;
        auto* host = dynamic_cast<WidgetHost*>(Watched);
        if (!host || Chain().empty())
            return false;
        CWPSTRUCT s{0, 0, WM_WINDOWPOSCHANGED, host};
        Chain().front()->Proc(HC_ACTION, 0, reinterpret_cast<LPARAM>(&s));
        return false;
    }
};

WindowPosFilter*& Filter()
{
    static WindowPosFilter* filter = nullptr;
    return filter;
}

void InstallFilter()
{
    if (Chain().empty() || !qApp)
        return;
    if (!Filter())
        Filter() = new WindowPosFilter;
    qApp->installEventFilter(Filter());
}

} // namespace

// Hooks installed before the application existed start with it.
Q_COREAPP_STARTUP_FUNCTION(InstallFilter)

HHOOK SetWindowsHookEx(int IdHook, HOOKPROC Proc)
{
    if (IdHook != WH_CALLWNDPROC || !Proc)
        return nullptr;
    auto* entry = new THookEntry{Proc};
    Chain().insert(Chain().begin(), entry);
    InstallFilter();
    return entry;
}

bool UnhookWindowsHookEx(HHOOK Hook)
{
    auto& chain = Chain();
    auto it = std::find(chain.begin(), chain.end(), Hook);
    if (it == chain.end())
        return false;
    chain.erase(it);
    delete Hook;
    if (chain.empty() && Filter()) {
        if (qApp)
            qApp->removeEventFilter(Filter());
        delete Filter();
        Filter() = nullptr;
    }
    return true;
}

LRESULT CallNextHookEx(HHOOK Hook, int Code, WPARAM WParam, LPARAM LParam)
{
    auto& chain = Chain();
    auto it = std::find(chain.begin(), chain.end(), Hook);
    if (it == chain.end() || ++it == chain.end())
        return 0;
    return (*it)->Proc(Code, WParam, LParam);
}

int HookCount() { return int(Chain().size()); }
