#pragma once
// TCustomTreeView and TTreeView over the native tree: the nodes are the
// framework's own (TTreeNode under TTreeNodes, each with Text, Data,
// image indexes and children); the widget mirrors them.
//
// A selection change by the user asks OnChanging (which can refuse it),
// then runs OnChange; a change by the program runs OnChange only.
#include "platform/controls/WinControl.h"
#include <vector>

class TTreeNodes;
class TCustomTreeView;
class TCustomImageList;

class TTreeNode {
public:
    TTreeNode(TTreeNodes* AOwner, TTreeNode* AParent);
    ~TTreeNode();

    const QString& Text() const { return FText; }
    void SetText(const QString& value);
    // The program's pointer; never freed by the tree.
    void* Data() const { return FData; }
    void SetData(void* value) { FData = value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    int SelectedIndex() const { return FSelectedIndex; }
    void SetSelectedIndex(int value) { FSelectedIndex = value; }
    int StateIndex() const { return FStateIndex; }
    void SetStateIndex(int value) { FStateIndex = value; }

    // Tree
    TTreeNodes* Owner() const { return FOwner; }
    TCustomTreeView* TreeView() const;
    TTreeNode* Parent() const { return FParent; }
    // 0 for a top-level node.
    int Level() const;
    int Count() const { return int(FChildren.size()); }
    TTreeNode* Item(int Index) const;
    // Position among its siblings.
    int Index() const;
    // Position in the whole tree, depth first.
    int AbsoluteIndex() const;
    bool HasChildren() const { return !FChildren.empty(); }
    TTreeNode* GetFirstChild() const { return FChildren.empty() ? nullptr : FChildren.front(); }
    TTreeNode* GetLastChild() const { return FChildren.empty() ? nullptr : FChildren.back(); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next node depth first, nullptr after the last one.
    TTreeNode* GetNext() const;
    bool IsChildOf(const TTreeNode* Node) const;

    // State
    bool Expanded() const { return FExpanded; }
    void SetExpanded(bool value);
    void Expand(bool Recurse);
    void Collapse(bool Recurse);
    bool Selected() const;
    void SetSelected(bool value);
    // Expands the parents and scrolls the node into view.
    void MakeVisible();
    TRect DisplayRect(bool TextOnly) const;

    // Frees the node and its children.
    void Delete();
    void DeleteChildren();

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    friend class TreeBridge;
    TTreeNodes* FOwner;
    TTreeNode* FParent;
    std::vector<TTreeNode*> FChildren;
    QString FText;
    void* FData = nullptr;
    int FImageIndex = -1;
    int FSelectedIndex = -1;
    int FStateIndex = -1;
    bool FExpanded = false;
    // The native item mirroring the node, when the tree has a window.
    void* FNative = nullptr;
};

class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* AOwner);
    ~TTreeNodes();

    TCustomTreeView* Owner() const { return FOwner; }
    // All nodes.
    int Count() const;
    // The node at an absolute (depth-first) index.
    TTreeNode* Item(int Index) const;
    TTreeNode* GetFirstNode() const { return FRoots.empty() ? nullptr : FRoots.front(); }
    int RootCount() const { return int(FRoots.size()); }

    // Adds after the last sibling of Sibling (a top-level node when nullptr).
    TTreeNode* Add(TTreeNode* Sibling, const QString& S) { return AddObject(Sibling, S, nullptr); }
    TTreeNode* AddObject(TTreeNode* Sibling, const QString& S, void* Data);
    TTreeNode* AddFirst(TTreeNode* Sibling, const QString& S);
    // Adds as the last child of Parent (a top-level node when nullptr).
    TTreeNode* AddChild(TTreeNode* Parent, const QString& S) { return AddChildObject(Parent, S, nullptr); }
    TTreeNode* AddChildObject(TTreeNode* Parent, const QString& S, void* Data);
    TTreeNode* AddChildFirst(TTreeNode* Parent, const QString& S);
    // Inserts before Sibling.
    TTreeNode* Insert(TTreeNode* Sibling, const QString& S);
    void Delete(TTreeNode* Node) { Node->Delete(); }
    void Clear();
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate() { --FUpdateCount; }

private:
    friend class TTreeNode;
    friend class TCustomTreeView;
    TTreeNode* InsertNode(TTreeNode* Parent, int Index, const QString& S, void* Data);
    std::vector<TTreeNode*>& Siblings(TTreeNode* Parent) { return Parent ? Parent->FChildren : FRoots; }

    TCustomTreeView* FOwner;
    std::vector<TTreeNode*> FRoots;
    int FUpdateCount = 0;
};

using TTVChangedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;
using TTVChangingEvent = std::function<void(TObject* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandedEvent = std::function<void(TObject* Sender, TTreeNode* Node)>;

class TCustomTreeView : public TWinControl {
public:
    explicit TCustomTreeView(TComponent* AOwner = nullptr);
    ~TCustomTreeView() override;

    TTreeNodes* Items() const { return FItems; }
    TTreeNode* Selected() const { return FSelected; }
    void SetSelected(TTreeNode* Node);
    // No editing of the node texts in place.
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool value) { FReadOnly = value; }
    // The selection is not shown while the tree has no focus.
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool value);
    bool ShowLines() const { return FShowLines; }
    void SetShowLines(bool value) { FShowLines = value; }
    bool ShowRoot() const { return FShowRoot; }
    void SetShowRoot(bool value);
    // The images the nodes' ImageIndex refers to.
    TCustomImageList* Images() const { return FImages; }
    void SetImages(TCustomImageList* value);
    // The node at a client point, or nullptr.
    TTreeNode* GetNodeAt(int X, int Y) const;
    TTreeNode* TopItem() const;
    void FullExpand();
    void FullCollapse();

    TTVChangedEvent OnChange;
    TTVChangingEvent OnChanging;
    TTVExpandedEvent OnExpanded;
    TTVExpandedEvent OnCollapsed;
    // A node is being freed.
    TTVExpandedEvent OnDeletion;

protected:
    virtual void Change(TTreeNode* Node);
    virtual bool CanChange(TTreeNode* Node);
    void CreateWnd() override;
    void DestroyWnd() override;
    void WndProc(TMessage& Message) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; }
    void CMFontChanged(TMessage& Message) override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    friend class TreeBridge;
    // Mirroring into the widget (no-ops without a window).
    void NativeInsert(TTreeNode* Node);
    void NativeRemove(TTreeNode* Node);
    void NativeRefresh(TTreeNode* Node);
    void NativeExpand(TTreeNode* Node);
    void NativeSelect();
    void NativeStyle();
    void NodeDeleting(TTreeNode* Node);

    TTreeNodes* FItems;
    TCustomImageList* FImages = nullptr;
    TTreeNode* FSelected = nullptr;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FShowLines = true;
    bool FShowRoot = true;
    bool FUpdating = false;
    bool FDestroying = false;
};

class TTreeView : public TCustomTreeView {
public:
    using TCustomTreeView::TCustomTreeView;
};
