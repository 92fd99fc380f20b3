// The native side of TCustomTreeView: a QTreeWidget whose items mirror the nodes.
#include "platform/controls/NativeControl.h"
#include "platform/controls/TreeView.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/ImageList.h"
#include "platform/graphics/qt/ImageSurface.h"
#include <QHeaderView>
#include <QPalette>
#include <QTreeWidget>

class TreeBridge {
public:
    // The node's image from the tree's image list; a null icon when none.
    static QIcon IconOf(TTreeNode* n)
    {
        TCustomImageList* images = n->TreeView()->Images();
        if (!images || n->ImageIndex() < 0 || n->ImageIndex() >= images->Count())
            return QIcon();
        ImageSurface surface(images->Width(), images->Height(), QImage::Format_ARGB32);
        surface.Image()->fill(Qt::transparent);
        TCanvas canvas;
        canvas.SetSurface(&surface);
        images->Draw(&canvas, 0, 0, n->ImageIndex());
        canvas.SetSurface(nullptr);
        return QIcon(QPixmap::fromImage(*surface.Image()));
    }
    static QTreeWidgetItem* ItemOf(TTreeNode* n) { return static_cast<QTreeWidgetItem*>(n->FNative); }
    static TTreeNode* NodeOf(QTreeWidgetItem* i)
    {
        return i ? static_cast<TTreeNode*>(i->data(0, Qt::UserRole).value<void*>()) : nullptr;
    }
    static void Build(QTreeWidget* tree, TTreeNode* node);
    static void Forget(TTreeNode* node)
    {
        node->FNative = nullptr;
        for (TTreeNode* c : node->FChildren)
            Forget(c);
    }
    static void CurrentChanged(TCustomTreeView* view, QTreeWidget* tree, QTreeWidgetItem* cur, QTreeWidgetItem* prev);
    static void Expanded(TCustomTreeView* view, QTreeWidgetItem* item, bool value);
};

namespace {
QTreeWidget* TreeOf(const TCustomTreeView* v) { return NativeAs<QTreeWidget>(const_cast<TCustomTreeView*>(v)); }
} // namespace

void TreeBridge::Build(QTreeWidget* tree, TTreeNode* node)
{
    auto* item = new QTreeWidgetItem;
    item->setText(0, node->FText);
    item->setIcon(0, IconOf(node));
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<void*>(node)));
    node->FNative = item;
    if (TTreeNode* parent = node->Parent())
        ItemOf(parent)->insertChild(node->Index(), item);
    else
        tree->insertTopLevelItem(node->Index(), item);
    for (TTreeNode* c : node->FChildren)
        Build(tree, c);
    item->setExpanded(node->FExpanded);
}

void TreeBridge::CurrentChanged(TCustomTreeView* view, QTreeWidget* tree, QTreeWidgetItem* cur, QTreeWidgetItem*)
{
    if (view->FUpdating)
        return;
    TTreeNode* node = NodeOf(cur);
    if (node == view->FSelected)
        return;
    if (!view->CanChange(node)) {
        view->NativeSelect();
        return;
    }
    view->FSelected = node;
    view->Change(node);
    (void)tree;
}

void TreeBridge::Expanded(TCustomTreeView* view, QTreeWidgetItem* item, bool value)
{
    if (view->FUpdating)
        return;
    if (TTreeNode* node = NodeOf(item))
        node->SetExpanded(value);
}

void TCustomTreeView::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* tree = new QTreeWidget;
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setRootIsDecorated(FShowRoot);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    AttachNative(this, tree);
    NativeApplyFont(this);
    NativeStyle();
    {
        NativeUpdate guard(FUpdating);
        for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
            TreeBridge::Build(tree, n);
    }
    NativeSelect();
    QObject::connect(tree, &QTreeWidget::currentItemChanged, tree,
                     [this, tree](QTreeWidgetItem* cur, QTreeWidgetItem* prev) {
                         TreeBridge::CurrentChanged(this, tree, cur, prev);
                     });
    QObject::connect(tree, &QTreeWidget::itemExpanded, tree,
                     [this](QTreeWidgetItem* i) { TreeBridge::Expanded(this, i, true); });
    QObject::connect(tree, &QTreeWidget::itemCollapsed, tree,
                     [this](QTreeWidgetItem* i) { TreeBridge::Expanded(this, i, false); });
}

void TCustomTreeView::DestroyWnd()
{
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
        TreeBridge::Forget(n);
    TWinControl::DestroyWnd();
}

void TCustomTreeView::NativeInsert(TTreeNode* Node)
{
    QTreeWidget* tree = TreeOf(this);
    if (!tree || (Node->Parent() && !Node->Parent()->FNative))
        return;
    NativeUpdate guard(FUpdating);
    TreeBridge::Build(tree, Node);
}

void TCustomTreeView::NativeRemove(TTreeNode* Node)
{
    QTreeWidgetItem* item = TreeBridge::ItemOf(Node);
    if (!item)
        return;
    NativeUpdate guard(FUpdating);
    Node->FNative = nullptr;
    delete item;
}

void TCustomTreeView::NativeRefresh(TTreeNode* Node)
{
    if (QTreeWidgetItem* item = TreeBridge::ItemOf(Node)) {
        NativeUpdate guard(FUpdating);
        item->setText(0, Node->FText);
        item->setIcon(0, TreeBridge::IconOf(Node));
    }
}

void TCustomTreeView::NativeExpand(TTreeNode* Node)
{
    if (QTreeWidgetItem* item = TreeBridge::ItemOf(Node)) {
        NativeUpdate guard(FUpdating);
        item->setExpanded(Node->FExpanded);
    }
}

void TCustomTreeView::NativeSelect()
{
    QTreeWidget* tree = TreeOf(this);
    if (!tree)
        return;
    NativeUpdate guard(FUpdating);
    QTreeWidgetItem* item = FSelected ? TreeBridge::ItemOf(FSelected) : nullptr;
    tree->setCurrentItem(item);
    if (item)
        tree->scrollToItem(item);
}

void TCustomTreeView::SetHideSelection(bool value)
{
    FHideSelection = value;
    NativeStyle();
}

// Without the focus the selection shows only when HideSelection is off.
void TCustomTreeView::NativeStyle()
{
    QTreeWidget* tree = TreeOf(this);
    if (!tree)
        return;
    QPalette p = tree->palette();
    QPalette::ColorGroup from = FHideSelection ? QPalette::Inactive : QPalette::Active;
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               FHideSelection ? p.color(QPalette::Inactive, QPalette::Base) : p.color(from, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               FHideSelection ? p.color(QPalette::Inactive, QPalette::Text) : p.color(from, QPalette::HighlightedText));
    tree->setPalette(p);
}

void TCustomTreeView::SetShowRoot(bool value)
{
    FShowRoot = value;
    if (QTreeWidget* tree = TreeOf(this))
        tree->setRootIsDecorated(value);
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) const
{
    QTreeWidget* tree = TreeOf(this);
    if (!tree)
        return nullptr;
    QPoint p = tree->viewport()->mapFrom(tree, QPoint(X, Y));
    return TreeBridge::NodeOf(tree->itemAt(p));
}

TTreeNode* TCustomTreeView::TopItem() const
{
    QTreeWidget* tree = TreeOf(this);
    if (!tree)
        return FItems->GetFirstNode();
    return TreeBridge::NodeOf(tree->itemAt(QPoint(1, 1)));
}

TRect TTreeNode::DisplayRect(bool) const
{
    QTreeWidget* tree = TreeOf(TreeView());
    QTreeWidgetItem* item = static_cast<QTreeWidgetItem*>(FNative);
    if (!tree || !item)
        return {};
    QRect r = tree->visualItemRect(item);
    r.translate(tree->viewport()->mapTo(tree, QPoint(0, 0)));
    return Rect(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
}
