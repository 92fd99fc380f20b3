// The native side of TCustomListBox.
#include "platform/controls/ListBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

class ListBoxBridge {
public:
    static bool Updating(TCustomListBox* l) { return l->FUpdating; }
    static void Changed(TCustomListBox* l)
    {
        if (l->FUpdating)
            return;
        l->PullSelection();
        SendCommandNotify(l, LBN_SELCHANGE);
    }
    static void Draw(TCustomListBox* l, int i, TRect r, TOwnerDrawState s) { l->DrawItem(i, r, s); }
    static TCanvas* Canvas(TCustomListBox* l) { return l->FCanvas; }
    static int ItemHeight(TCustomListBox* l) { return l->FItemHeight; }
};

namespace {

QListWidget* ListOf(const TCustomListBox* l) { return NativeAs<QListWidget>(const_cast<TCustomListBox*>(l)); }

class ListDelegate : public QStyledItemDelegate {
public:
    ListDelegate(TCustomListBox* Control, bool OwnerDraw, QObject* Parent)
        : QStyledItemDelegate(Parent), FControl(Control), FOwnerDraw(OwnerDraw) {}
    void paint(QPainter* Painter, const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        if (!FOwnerDraw) {
            QStyledItemDelegate::paint(Painter, Option, Index);
            return;
        }
        QRect r = Option.rect;
        ImageSurface surface(r.width(), r.height());
        TCanvas* canvas = ListBoxBridge::Canvas(FControl);
        canvas->SetSurface(&surface);
        TOwnerDrawState state;
        bool selected = Option.state & QStyle::State_Selected;
        if (selected)
            state += odSelected;
        if (Option.state & QStyle::State_HasFocus)
            state += odFocused;
        canvas->Brush()->SetColor(selected ? clHighlight : clWindow);
        canvas->Font()->SetColor(selected ? clHighlightText : clWindowText);
        ListBoxBridge::Draw(FControl, Index.row(), Rect(0, 0, r.width(), r.height()), state);
        canvas->SetSurface(nullptr);
        Painter->drawImage(r.topLeft(), *surface.Image());
    }
    QSize sizeHint(const QStyleOptionViewItem& Option, const QModelIndex& Index) const override
    {
        return QSize(QStyledItemDelegate::sizeHint(Option, Index).width(), ListBoxBridge::ItemHeight(FControl));
    }

private:
    TCustomListBox* FControl;
    bool FOwnerDraw;
};

} // namespace

void TCustomListBox::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* list = new QListWidget;
    list->setSelectionMode(FMultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    list->setItemDelegate(new ListDelegate(this, FStyle == lbOwnerDrawFixed || FStyle == lbOwnerDrawVariable, list));
    AttachNative(this, list);
    NativeApplyFont(this);
    PushItems();
    SetTopIndex(FTopIndex);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this]() { ListBoxBridge::Changed(this); });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int) {
        if (!FMultiSelect)
            return;
        ListBoxBridge::Changed(this);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [this](QListWidgetItem*) {
        SendCommandNotify(this, LBN_DBLCLK);
    });
}

void TCustomListBox::DestroyWnd()
{
    PullSelection();
    FTopIndex = TopIndex();
    TWinControl::DestroyWnd();
}

void TCustomListBox::PushItems()
{
    QListWidget* list = ListOf(this);
    if (!list)
        return;
    {
        NativeUpdate guard(FUpdating);
        list->clear();
        for (int i = 0; i < FItems->Count(); ++i)
            list->addItem(FItems->Strings(i));
    }
    ItemsPushed();
    PushSelection();
}

void TCustomListBox::PushSelection()
{
    QListWidget* list = ListOf(this);
    if (!list)
        return;
    NativeUpdate guard(FUpdating);
    list->setCurrentRow(FItemIndex, QItemSelectionModel::NoUpdate);
    for (int i = 0; i < list->count() && i < int(FSelected.size()); ++i)
        list->item(i)->setSelected(FSelected[std::size_t(i)]);
}

void TCustomListBox::PullSelection()
{
    QListWidget* list = ListOf(this);
    if (!list)
        return;
    FItemIndex = list->currentRow();
    FSelected.assign(std::size_t(FItems->Count()), false);
    for (int i = 0; i < list->count() && i < FItems->Count(); ++i)
        FSelected[std::size_t(i)] = list->item(i)->isSelected();
}

int TCustomListBox::TopIndex() const
{
    QListWidget* list = ListOf(this);
    if (!list)
        return FTopIndex;
    QModelIndex i = list->indexAt(QPoint(1, 1));
    return i.isValid() ? i.row() : 0;
}

void TCustomListBox::SetTopIndex(int value)
{
    FTopIndex = std::max(value, 0);
    if (QListWidget* list = ListOf(this))
        if (QListWidgetItem* item = list->item(FTopIndex))
            list->scrollToItem(item, QAbstractItemView::PositionAtTop);
}

TRect TCustomListBox::ItemRect(int Index) const
{
    QListWidget* list = ListOf(this);
    if (!list) {
        int top = (Index - FTopIndex) * FItemHeight;
        return Rect(0, top, ClientWidth(), top + FItemHeight);
    }
    QListWidgetItem* item = list->item(Index);
    if (!item)
        return {};
    QRect r = list->visualItemRect(item);
    QPoint origin = list->viewport()->mapTo(list, QPoint(0, 0));
    r.translate(origin);
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}
