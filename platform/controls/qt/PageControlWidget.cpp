// The native side of TPageControl: a tab bar across the top; the pages
// are the framework's own windows below it.
#include "platform/controls/NativeControl.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QTabBar>

namespace {
QTabBar* BarOf(const TPageControl* p) { return NativeAs<QTabBar>(const_cast<TPageControl*>(p)); }
} // namespace

void TPageControl::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* bar = new QTabBar;
    bar->setDrawBase(false);
    bar->setExpanding(false);
    AttachNative(this, bar, false);
    NativeApplyFont(this);
    PushTabs();
    PlaceTabs();
}

void TPageControl::PushTabs()
{
    QTabBar* bar = BarOf(this);
    if (!bar)
        return;
    QSignalBlocker block(bar);
    auto tabs = VisibleTabs();
    while (bar->count() > int(tabs.size()))
        bar->removeTab(bar->count() - 1);
    for (std::size_t i = 0; i < tabs.size(); ++i) {
        if (int(i) >= bar->count())
            bar->addTab(QString());
        bar->setTabText(int(i), tabs[i]->Caption());
    }
    int current = FActivePage ? FActivePage->TabIndex() : -1;
    bar->setCurrentIndex(current);
    PlaceTabs();
    Realign();
}

void TPageControl::PlaceTabs()
{
    QTabBar* bar = BarOf(this);
    if (!bar)
        return;
    bar->setGeometry(0, 0, std::min(Width(), bar->sizeHint().width()), TabHeight());
}

int TPageControl::TabHeight() const
{
    QTabBar* bar = BarOf(this);
    if (!bar)
        return 22;
    return bar->count() > 0 ? bar->sizeHint().height() : 0;
}

int TPageControl::IndexOfTabAt(int X, int Y) const
{
    QTabBar* bar = BarOf(this);
    if (!bar)
        return -1;
    return bar->tabAt(bar->mapFromParent(QPoint(X, Y)));
}
