// The form's main menu as a QMenuBar across the top of its window, above
// the client area. The bar is rebuilt whenever the menu's items change; a
// chosen item's Click runs from the event loop once the menu has closed.
#include "platform/controls/Control.h"
#include "platform/controls/Menu.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/controls/qt/MenuBuilder.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/ImageList.h"
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

namespace {

bool HasVisibleItem(TMenu* Menu)
{
    if (!Menu)
        return false;
    for (int i = 0; i < Menu->Items()->Count(); ++i)
        if (Menu->Items()->Items(i)->Visible())
            return true;
    return false;
}

void BuildBar(QMenuBar* Bar, TMenu* Menu, QHash<QAction*, TMenuItem*>& Map)
{
    auto* images = dynamic_cast<TCustomImageList*>(Menu->Images());
    TMenuItem* root = Menu->Items();
    for (int i = 0; i < root->Count(); ++i) {
        TMenuItem* item = root->Items(i);
        if (!item->Visible())
            continue;
        if (item->IsLine()) {
            Bar->addSeparator();
            continue;
        }
        QAction* action;
        if (item->Count() > 0) {
            QMenu* sub = Bar->addMenu(item->Caption());
            BuildMenuItems(sub, item, images, Map);
            action = sub->menuAction();
        } else {
            action = Bar->addAction(item->Caption());
        }
        ApplyItemState(action, item, images);
        Map.insert(action, item);
    }
    // Shortcut keys reach the items through the form's key handling.
    for (QAction* a : Map.keys())
        a->setShortcutContext(Qt::WidgetShortcut);
}

// The character after a single "&", or a null character.
QChar Mnemonic(const QString& Caption)
{
    for (qsizetype i = 0; i + 1 < Caption.size(); ++i) {
        if (Caption[i] != u'&')
            continue;
        if (Caption[i + 1] != u'&')
            return Caption[i + 1];
        ++i;
    }
    return QChar();
}

int BarHeight(QMenuBar* Bar) { return Bar->sizeHint().height(); }

} // namespace

int HostSetMenuBar(HWND Wnd, TMenu* Menu)
{
    if (!qobject_cast<QApplication*>(QCoreApplication::instance()))
        return 0;
    bool show = HasVisibleItem(Menu);
    if (!Wnd) {
        if (!show)
            return 0;
        QMenuBar probe;
        QHash<QAction*, TMenuItem*> map;
        BuildBar(&probe, Menu, map);
        return BarHeight(&probe);
    }
    WidgetHost* host = Wnd;
    if (!show) {
        host->SetMenuBar(nullptr);
        host->SetTopInset(0);
        return 0;
    }
    // A fresh bar each time: the old one's actions and sub-menus go with it.
    auto* bar = new QMenuBar(host);
    bar->setNativeMenuBar(false);
    host->SetMenuBar(bar);
    QObject::connect(bar, &QMenuBar::triggered, bar, [host](QAction* Action) {
        QPointer<QAction> chosen(Action);
        QTimer::singleShot(0, host, [host, chosen]() {
            // A rebuild since the click drops the choice.
            TMenuItem* item = chosen ? host->MenuMap().value(chosen.data()) : nullptr;
            if (!item)
                return;
            try {
                item->Click();
            } catch (...) {
                HandleCurrentException(item);
            }
            // Without a rebuild, Qt's own checking may differ from the items'.
            if (chosen && host->MenuMap().value(chosen.data()) == item)
                for (auto i = host->MenuMap().cbegin(); i != host->MenuMap().cend(); ++i)
                    i.key()->setChecked(i.value()->Checked());
        });
    });
    BuildBar(bar, Menu, host->MenuMap());
    int height = BarHeight(bar);
    host->SetTopInset(height);
    bar->setGeometry(0, 0, host->width(), height);
    bar->show();
    return height;
}

bool HostMenuBarKey(HWND Wnd, QChar Key)
{
    QMenuBar* bar = Wnd ? Wnd->MenuBar() : nullptr;
    if (!bar || Key.isNull())
        return false;
    for (QAction* a : bar->actions()) {
        QChar m = Mnemonic(a->text());
        if (m.isNull() || m.toUpper() != Key.toUpper() || !a->isEnabled())
            continue;
        if (a->menu())
            bar->setActiveAction(a);
        else
            a->trigger();
        return true;
    }
    return false;
}
