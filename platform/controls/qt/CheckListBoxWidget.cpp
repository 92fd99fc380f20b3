// The native side of TCheckListBox: check boxes on the list items.
#include "platform/controls/CheckListBox.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QListWidget>

class CheckListBridge {
public:
    static void Changed(TCheckListBox* c, QListWidget* list, QListWidgetItem* item)
    {
        if (c->FPushing)
            return;
        int i = list->row(item);
        if (i >= 0 && i < int(c->FEntries.size()))
            c->Toggle(i);
    }
};

void TCheckListBox::CreateWnd()
{
    TCustomListBox::CreateWnd();
    auto* list = NativeAs<QListWidget>(this);
    QObject::connect(list, &QListWidget::itemChanged, list,
                     [this, list](QListWidgetItem* item) { CheckListBridge::Changed(this, list, item); });
}

void TCheckListBox::ItemsPushed()
{
    auto* list = NativeAs<QListWidget>(this);
    if (!list)
        return;
    for (int i = 0; i < list->count() && i < int(FEntries.size()); ++i)
        PushEntry(i);
}

void TCheckListBox::PushEntry(int Index)
{
    auto* list = NativeAs<QListWidget>(this);
    QListWidgetItem* item = list ? list->item(Index) : nullptr;
    if (!item)
        return;
    bool old = FPushing;
    FPushing = true;
    const TEntry& e = FEntries[std::size_t(Index)];
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsUserCheckable;
    if (e.Enabled)
        flags |= Qt::ItemIsEnabled;
    item->setFlags(flags);
    item->setCheckState(e.State == cbChecked ? Qt::Checked : e.State == cbGrayed ? Qt::PartiallyChecked : Qt::Unchecked);
    FPushing = old;
}
