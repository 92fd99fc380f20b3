// The native side of TPopupMenu: a QMenu built from the items for the
// time it is shown; BuildMenuItems serves the form's menu bar too.
#include "platform/controls/Control.h"
#include "platform/controls/Menu.h"
#include "platform/controls/WinApi.h"
#include "platform/controls/qt/MenuBuilder.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QActionGroup>
#include <QApplication>
#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {

QKeySequence KeySequence(TShortCut s)
{
    QString text = ShortCutToText(s);
    text.replace(QLatin1String("BkSp"), QLatin1String("Backspace"))
        .replace(QLatin1String("Enter"), QLatin1String("Return"));
    return QKeySequence(text);
}

// The item's picture from the menu's image list; none outside the list.
QIcon ItemIcon(TCustomImageList* Images, int Index)
{
    if (!Images || Index < 0 || Index >= Images->Count())
        return QIcon();
    const ImageSurface* image = Images->Image(Index);
    return image ? QIcon(QPixmap::fromImage(image->image())) : QIcon();
}

} // namespace

void ApplyItemState(QAction* Action, TMenuItem* Item, TCustomImageList* Images)
{
    Action->setIcon(ItemIcon(Images, Item->ImageIndex()));
    Action->setEnabled(Item->Enabled());
    Action->setCheckable(Item->Checked() || Item->AutoCheck() || Item->RadioItem());
    Action->setChecked(Item->Checked());
}

void BuildMenuItems(QMenu* Menu, TMenuItem* Parent, TCustomImageList* Images, QHash<QAction*, TMenuItem*>& Map)
{
    QHash<int, QActionGroup*> groups;
    for (int i = 0; i < Parent->Count(); ++i) {
        TMenuItem* item = Parent->Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            Menu->addSeparator();
            continue;
        }
        QAction* action;
        if (item->Count() > 0) {
            QMenu* sub = Menu->addMenu(item->Caption());
            BuildMenuItems(sub, item, Images, Map);
            action = sub->menuAction();
        } else {
            action = Menu->addAction(item->Caption());
            action->setShortcut(KeySequence(item->ShortCut()));
            action->setShortcutVisibleInContextMenu(true);
        }
        ApplyItemState(action, item, Images);
        if (item->RadioItem()) {
            // Drawn as radio buttons; which one is checked stays the item's.
            QActionGroup*& group = groups[item->GroupIndex()];
            if (!group)
                group = new QActionGroup(Menu);
            group->addAction(action);
        }
        Map.insert(action, item);
    }
}

void TPopupMenu::Popup(int X, int Y)
{
    if (OnPopup)
        OnPopup(this);
    QMenu menu;
    QHash<QAction*, TMenuItem*> map;
    BuildMenuItems(&menu, Items(), dynamic_cast<TCustomImageList*>(Images()), map);
    TMenuItem* chosen = nullptr;
    QObject::connect(&menu, &QMenu::triggered, &menu, [&](QAction* a) { chosen = map.value(a); });
    if (MenuChooser()) {
        QPointer<QMenu> open(&menu);
        QTimer::singleShot(0, &menu, [this, open, &chosen]() {
            TMenuItem* pick = MenuChooser()(this);
            if (pick && pick->Enabled())
                chosen = pick;
            if (open)
                open->close();
        });
    }
    QPoint at(X, Y);
    QSize size = menu.sizeHint();
    if (FAlignment == paRight)
        at.rx() -= size.width();
    else if (FAlignment == paCenter)
        at.rx() -= size.width() / 2;
    // The open menu takes the mouse: a control holding it (the one whose
    // press opened the menu) never sees that press's release.
    ReleaseCapture();
    menu.exec(at);
    if (OnClose)
        OnClose(this);
    // As from a menu's own message: the caller of Popup sees no exception.
    if (chosen) {
        try {
            chosen->Click();
        } catch (...) {
            HandleCurrentException(chosen);
        }
    }
}
