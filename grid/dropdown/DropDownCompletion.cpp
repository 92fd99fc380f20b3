#include "grid/dropdown/DropDownCompletion.h"
#include "grid/dropdown/DropDownUtils.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Timer.h"

namespace {

// The type-ahead window from the first key.
constexpr unsigned KeySearchMs = 500;

} // namespace

int FindCompletion(const QString& Typed, int Count, const std::function<QString(int)>& Entry, bool MatchCase)
{
    if (Typed.isEmpty())
        return -1;
    const QString key = CaseText(Typed, MatchCase);
    for (int i = 0; i < Count; ++i)
        if (CaseText(Entry(i), MatchCase).startsWith(key))
            return i;
    return -1;
}

bool ListStep(int Index, int Count, TListStep Step, int& Target)
{
    if (Count <= 0)
        return false;
    switch (Step) {
    case lsFirst: Target = 0; return true;
    case lsLast: Target = Count - 1; return true;
    case lsNext: Target = Index < 0 ? 0 : Index + 1; break;
    case lsPrevious: Target = Index < 0 ? 0 : Index - 1; break;
    }
    return Target >= 0 && Target < Count;
}

TCompletion CompleteEditText(TCustomEdit* Edit, const QString& Shown, int Caret, int Count,
                             const std::function<QString(int)>& Entry, bool MatchCase,
                             const std::function<void(const QString&)>& Write)
{
    TCompletion result;
    const QString typed = Shown.left(Caret);
    const int found = FindCompletion(typed, Count, Entry, MatchCase);
    if (found >= 0) {
        const QString text = typed + Entry(found).mid(typed.size(), 255);
        Write(text);
        result = {true, found, int(typed.size())};
        // The tail is selected with the caret before it.
        Edit->SetSelStart(int(text.size()));
        Edit->SetSelLength(int(typed.size()) - int(text.size()));
    } else if (!typed.isEmpty()) {
        Write(typed);
        Edit->SetSelStart(int(typed.size()));
    }
    return result;
}

TKeySearch::TKeySearch(TComponent* AOwner) : FTimer(new TTimer(AOwner))
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(KeySearchMs);
    FTimer->OnTimer = [this](TObject*) {
        FTimer->SetEnabled(false);
        FText.clear();
    };
}

TKeySearch::~TKeySearch()
{
    FTimer->SetEnabled(false);
    FTimer->OnTimer = nullptr;
}

const QString& TKeySearch::Add(int Key)
{
    if (Key == VK_SHIFT || Key == VK_CONTROL || Key == VK_MENU)
        return FText;
    FText += QChar(char16_t(Key));
    FTimer->SetEnabled(true);
    return FText;
}
