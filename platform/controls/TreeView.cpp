#include "platform/controls/TreeView.h"
#include "platform/controls/NativeControl.h"
#include "platform/graphics/ImageList.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

// Nodes

TTreeNode::TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent) : FOwner(AOwner), FParent(AParent) {}

TTreeNode::~TTreeNode()
{
    DeleteChildren();
}

TCustomTreeView* TTreeNode::TreeView() const { return FOwner->Owner(); }

void TTreeNode::SetText(const QString& value)
{
    FText = value;
    TreeView()->NativeRefresh(this);
}

void TTreeNode::SetImageIndex(int value)
{
    FImageIndex = value;
    TreeView()->NativeRefresh(this);
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode* p = FParent; p; p = p->FParent)
        ++level;
    return level;
}

TTreeNode* TTreeNode::Item(int Index) const
{
    if (Index < 0 || Index >= Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FChildren[std::size_t(Index)];
}

int TTreeNode::Index() const
{
    const auto& list = FOwner->Siblings(FParent);
    return int(std::find(list.begin(), list.end(), this) - list.begin());
}

int TTreeNode::AbsoluteIndex() const
{
    int i = 0;
    for (TTreeNode* n = FOwner->GetFirstNode(); n; n = n->GetNext(), ++i)
        if (n == this)
            return i;
    return -1;
}

TTreeNode* TTreeNode::GetNextSibling() const
{
    const auto& list = FOwner->Siblings(FParent);
    int i = Index() + 1;
    return i < int(list.size()) ? list[std::size_t(i)] : nullptr;
}

TTreeNode* TTreeNode::GetPrevSibling() const
{
    int i = Index() - 1;
    return i >= 0 ? FOwner->Siblings(FParent)[std::size_t(i)] : nullptr;
}

TTreeNode* TTreeNode::GetNext() const
{
    if (!FChildren.empty())
        return FChildren.front();
    for (const TTreeNode* n = this; n; n = n->FParent)
        if (TTreeNode* s = n->GetNextSibling())
            return s;
    return nullptr;
}

bool TTreeNode::IsChildOf(const TTreeNode* Node) const
{
    for (TTreeNode* p = FParent; p; p = p->FParent)
        if (p == Node)
            return true;
    return false;
}

void TTreeNode::SetExpanded(bool value)
{
    if (FExpanded == value)
        return;
    FExpanded = value;
    TreeView()->NativeExpand(this);
    TCustomTreeView* tree = TreeView();
    if (value && tree->OnExpanded)
        tree->OnExpanded(tree, this);
    else if (!value && tree->OnCollapsed)
        tree->OnCollapsed(tree, this);
}

void TTreeNode::Expand(bool Recurse)
{
    SetExpanded(true);
    if (Recurse)
        for (TTreeNode* c : std::vector<TTreeNode*>(FChildren))
            c->Expand(true);
}

void TTreeNode::Collapse(bool Recurse)
{
    SetExpanded(false);
    if (Recurse)
        for (TTreeNode* c : std::vector<TTreeNode*>(FChildren))
            c->Collapse(true);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool value)
{
    if (value)
        TreeView()->SetSelected(this);
    else if (Selected())
        TreeView()->SetSelected(nullptr);
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = FParent; p; p = p->FParent)
        p->SetExpanded(true);
}

void TTreeNode::Delete()
{
    TCustomTreeView* tree = TreeView();
    tree->NodeDeleting(this);
    auto& list = FOwner->Siblings(FParent);
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    delete this;
}

void TTreeNode::DeleteChildren()
{
    while (!FChildren.empty())
        FChildren.back()->Delete();
}

// Node list

TTreeNodes::TTreeNodes(TCustomTreeView* AOwner) : FOwner(AOwner) {}

TTreeNodes::~TTreeNodes() { Clear(); }

int TTreeNodes::Count() const
{
    int n = 0;
    for (TTreeNode* i = GetFirstNode(); i; i = i->GetNext())
        ++n;
    return n;
}

TTreeNode* TTreeNodes::Item(int Index) const
{
    int i = 0;
    for (TTreeNode* n = GetFirstNode(); n; n = n->GetNext(), ++i)
        if (i == Index)
            return n;
    throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

TTreeNode* TTreeNodes::InsertNode(TTreeNode* Parent, int Index, const QString& S, void* Data)
{
    auto* node = new TTreeNode(this, Parent);
    node->FText = S;
    node->FData = Data;
    auto& list = Siblings(Parent);
    Index = std::clamp(Index, 0, int(list.size()));
    list.insert(list.begin() + Index, node);
    FOwner->NativeInsert(node);
    return node;
}

TTreeNode* TTreeNodes::AddObject(TTreeNode* Sibling, const QString& S, void* Data)
{
    TTreeNode* parent = Sibling ? Sibling->Parent() : nullptr;
    return InsertNode(parent, int(Siblings(parent).size()), S, Data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* Sibling, const QString& S)
{
    return InsertNode(Sibling ? Sibling->Parent() : nullptr, 0, S, nullptr);
}

TTreeNode* TTreeNodes::AddChildObject(TTreeNode* Parent, const QString& S, void* Data)
{
    return InsertNode(Parent, int(Siblings(Parent).size()), S, Data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* Parent, const QString& S)
{
    return InsertNode(Parent, 0, S, nullptr);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* Sibling, const QString& S)
{
    if (!Sibling)
        return Add(nullptr, S);
    return InsertNode(Sibling->Parent(), Sibling->Index(), S, nullptr);
}

void TTreeNodes::Clear()
{
    while (!FRoots.empty())
        FRoots.back()->Delete();
}

// Tree view

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TWinControl(AOwner), FItems(new TTreeNodes(this))
{
    FControlStyle = {csCaptureMouse, csClickEvents, csDoubleClicks};
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    // The nodes go without events: handlers may refer to a form that is
    // being freed too.
    FDestroying = true;
    DestroyHandleOnFree();
    FItems->Clear();
    delete FItems;
}

void TCustomTreeView::SetSelected(TTreeNode* Node)
{
    if (FSelected == Node)
        return;
    FSelected = Node;
    if (Node)
        Node->MakeVisible();
    NativeSelect();
    Change(Node);
}

void TCustomTreeView::Change(TTreeNode* Node)
{
    if (OnChange)
        OnChange(this, Node);
}

bool TCustomTreeView::CanChange(TTreeNode* Node)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, Node, allow);
    return allow;
}

void TCustomTreeView::FullExpand()
{
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
        n->Expand(true);
}

void TCustomTreeView::FullCollapse()
{
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNextSibling())
        n->Collapse(true);
}

void TCustomTreeView::NodeDeleting(TTreeNode* Node)
{
    Node->DeleteChildren();
    if (OnDeletion && !FDestroying)
        OnDeletion(this, Node);
    NativeRemove(Node);
    if (FSelected == Node) {
        FSelected = nullptr;
        if (!FDestroying)
            Change(nullptr);
    }
}

void TCustomTreeView::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] {
        if (Message.Msg == WM_LBUTTONDOWN && CanFocus())
            SetFocus();
        TWinControl::WndProc(Message);
    });
}

void TCustomTreeView::SetImages(TCustomImageList* value)
{
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
    for (TTreeNode* n = FItems->GetFirstNode(); n; n = n->GetNext())
        NativeRefresh(n);
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        SetImages(nullptr);
}

void TCustomTreeView::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
}
