#include "platform/controls/Menu.h"
#include "platform/controls/Application.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

// Items

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem()
{
    if (FParent)
        FParent->Remove(this);
    Clear();
}

TMenuItem* TMenuItem::Items(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FItems[std::size_t(Index)];
}

TMenu* TMenuItem::GetParentMenu() const
{
    const TMenuItem* i = this;
    while (i->FParent)
        i = i->FParent;
    return i->FMenu;
}

int TMenuItem::MenuIndex() const
{
    if (!FParent)
        return -1;
    auto& list = FParent->FItems;
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

void TMenuItem::Add(TMenuItem* Item) { Insert(Count(), Item); }

void TMenuItem::Insert(int Index, TMenuItem* Item)
{
    if (Item->FParent)
        throw EMenuError(QStringLiteral("Menu inserted twice"));
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Changed();
}

void TMenuItem::Remove(TMenuItem* Item)
{
    auto it = std::find(FItems.begin(), FItems.end(), Item);
    if (it == FItems.end())
        return;
    FItems.erase(it);
    Item->FParent = nullptr;
    Changed();
}

void TMenuItem::Delete(int Index) { delete Items(Index); }

void TMenuItem::Clear()
{
    while (!FItems.empty())
        delete FItems.back();
}

TMenuItem* TMenuItem::Find(const QString& ACaption) const
{
    QString want = QString(ACaption).remove(u'&');
    for (TMenuItem* i : FItems)
        if (QString(i->FCaption).remove(u'&').compare(want, Qt::CaseInsensitive) == 0)
            return i;
    return nullptr;
}

void TMenuItem::SetChecked(bool value)
{
    FChecked = value;
    if (value && FRadioItem && FParent)
        for (TMenuItem* i : FParent->FItems)
            if (i != this && i->FRadioItem && i->FGroupIndex == FGroupIndex)
                i->FChecked = false;
    Changed();
}

void TMenuItem::Changed()
{
    TMenu* menu = GetParentMenu();
    if (menu && menu->FChangeHook)
        menu->FChangeHook();
}

void TMenuItem::Click()
{
    if (!FEnabled)
        return;
    if (FAutoCheck)
        SetChecked(FRadioItem ? true : !FChecked);
    CallEvent(OnClick, this);
}

// Menus

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem)
{
    FItems->FMenu = this;
}

TMenu::~TMenu()
{
    FChangeHook = nullptr;
    delete FItems;
}

namespace {

TMenuItem* FindShortCut(TMenuItem* Item, TShortCut ShortCut)
{
    for (int i = 0; i < Item->Count(); ++i) {
        TMenuItem* c = Item->Items(i);
        if (!c->Enabled() || !c->Visible())
            continue;
        if (c->ShortCut() == ShortCut && c->Count() == 0)
            return c;
        if (TMenuItem* found = FindShortCut(c, ShortCut))
            return found;
    }
    return nullptr;
}

} // namespace

TMenuItem* TMenu::FindItemByShortCut(TShortCut ShortCut) const
{
    return ShortCut == scNone ? nullptr : FindShortCut(FItems, ShortCut);
}

bool TMenu::IsShortCut(TShortCut ShortCut)
{
    TMenuItem* item = FindItemByShortCut(ShortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

TPopupMenu::TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}

TMenuChooser& MenuChooser()
{
    static TMenuChooser chooser;
    return chooser;
}

TMenuChooser SetMenuChooser(TMenuChooser Chooser)
{
    TMenuChooser old = std::move(MenuChooser());
    MenuChooser() = std::move(Chooser);
    return old;
}

// Shortcuts

TShortCut ShortCut(int Key, TShiftState Shift)
{
    TShortCut s = TShortCut(Key & 0xFF);
    if (Shift.Contains(ssShift))
        s |= scShift;
    if (Shift.Contains(ssCtrl))
        s |= scCtrl;
    if (Shift.Contains(ssAlt))
        s |= scAlt;
    return s;
}

QString ShortCutToText(TShortCut ShortCut)
{
    int key = ShortCut & 0xFF;
    QString name;
    if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
        name = QChar(char16_t(key));
    else if (key >= VK_F1 && key <= VK_F24)
        name = QStringLiteral("F%1").arg(key - VK_F1 + 1);
    else {
        switch (key) {
        case VK_BACK: name = QStringLiteral("BkSp"); break;
        case VK_TAB: name = QStringLiteral("Tab"); break;
        case VK_RETURN: name = QStringLiteral("Enter"); break;
        case VK_ESCAPE: name = QStringLiteral("Esc"); break;
        case VK_SPACE: name = QStringLiteral("Space"); break;
        case VK_PRIOR: name = QStringLiteral("PgUp"); break;
        case VK_NEXT: name = QStringLiteral("PgDn"); break;
        case VK_END: name = QStringLiteral("End"); break;
        case VK_HOME: name = QStringLiteral("Home"); break;
        case VK_LEFT: name = QStringLiteral("Left"); break;
        case VK_UP: name = QStringLiteral("Up"); break;
        case VK_RIGHT: name = QStringLiteral("Right"); break;
        case VK_DOWN: name = QStringLiteral("Down"); break;
        case VK_INSERT: name = QStringLiteral("Ins"); break;
        case VK_DELETE: name = QStringLiteral("Del"); break;
        default: return QString();
        }
    }
    QString prefix;
    if (ShortCut & scShift)
        prefix += QStringLiteral("Shift+");
    if (ShortCut & scCtrl)
        prefix += QStringLiteral("Ctrl+");
    if (ShortCut & scAlt)
        prefix += QStringLiteral("Alt+");
    return prefix + name;
}
