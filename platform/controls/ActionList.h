#pragma once
// Actions: a command with its caption, enabled and checked state, hint,
// image and shortcut, shared by the controls linked to it.
//
// A control links to an action through its Action property (a
// TControlActionLink). Whenever a property of the action changes, every
// linked control gets ActionChange(Action, false) and takes the action's
// values; clicking a linked control executes the action (unless the control
// was given an OnClick of its own afterwards). Freeing an action unlinks it
// from its controls; freeing a control unlinks it from its action.
#include "platform/controls/Menu.h"
#include "platform/rtl/Object.h"
#include <functional>
#include <vector>

class TBasicActionLink;
class TActionList;
class TCustomImageList;
class TControl;

using TActionEvent = std::function<void(TObject* Action, bool& Handled)>;

class TBasicAction : public TComponent {
public:
    explicit TBasicAction(TComponent* AOwner = nullptr);
    ~TBasicAction() override;

    // Runs OnExecute; false when it is not assigned.
    virtual bool Execute();
    // Runs OnUpdate; false when it is not assigned.
    virtual bool Update();
    // The component that runs the action, while it runs.
    TComponent* ActionComponent() const { return FActionComponent; }
    void SetActionComponent(TComponent* value) { FActionComponent = value; }

    TNotifyEvent OnExecute;
    TNotifyEvent OnUpdate;

    // Links register here to hear of changes.
    void RegisterChanges(TBasicActionLink* Value);
    void UnRegisterChanges(TBasicActionLink* Value);
    int ClientCount() const { return int(FClients.size()); }

protected:
    friend class TActionList;
    // Tells every link that a property changed.
    virtual void Change();

private:
    std::vector<TBasicActionLink*> FClients;
    TComponent* FActionComponent = nullptr;
};

class TContainedAction : public TBasicAction {
public:
    using TBasicAction::TBasicAction;
    ~TContainedAction() override;

    TActionList* ActionList() const { return FActionList; }
    // Moves the action to another list (nullptr: none).
    void SetActionList(TActionList* value);
    const QString& Category() const { return FCategory; }
    void SetCategory(const QString& value) { FCategory = value; }
    // The position in the action list, -1 without one.
    int Index() const;

private:
    friend class TActionList;
    TActionList* FActionList = nullptr;
    QString FCategory;
};

class TCustomAction : public TContainedAction {
public:
    using TContainedAction::TContainedAction;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& value);
    // Index into the action list's Images; -1: none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool value);

    // Update first; a disabled action does not run.
    bool Execute() override;

private:
    QString FCaption;
    bool FChecked = false;
    bool FEnabled = true;
    QString FHint;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    bool FVisible = true;
};

class TAction : public TCustomAction {
public:
    using TCustomAction::TCustomAction;
};

// Holds actions and the image list their ImageIndex refers to. Freeing
// the list frees its actions.
class TActionList : public TComponent {
public:
    explicit TActionList(TComponent* AOwner = nullptr);
    ~TActionList() override;

    TCustomImageList* Images() const { return FImages; }
    // Linked controls get ActionChange so they can pick up the images.
    void SetImages(TCustomImageList* value);
    int ActionCount() const { return int(FActions.size()); }
    TContainedAction* Actions(int Index) const;
    void AddAction(TContainedAction* Action);
    void RemoveAction(TContainedAction* Action);
    int IndexOfAction(const TContainedAction* Action) const;

    TNotifyEvent OnChange;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void Change();

private:
    std::vector<TContainedAction*> FActions;
    TCustomImageList* FImages = nullptr;
};

// The client side of an action: forwards the action's changes.
class TBasicActionLink : public TObject {
public:
    explicit TBasicActionLink(TObject* AClient = nullptr) : FClient(AClient) {}
    ~TBasicActionLink() override;

    TBasicAction* Action() const { return FAction; }
    void SetAction(TBasicAction* value);
    TObject* Client() const { return FClient; }
    // Executes the action with AComponent as its ActionComponent.
    virtual bool Execute(TComponent* AComponent = nullptr);
    virtual bool Update();

    // A property of the action changed.
    TNotifyEvent OnChange;

protected:
    friend class TBasicAction;
    virtual void Change();
    // The action is being freed.
    void ActionFreed() { FAction = nullptr; }

private:
    TObject* FClient = nullptr;
    TBasicAction* FAction = nullptr;
};

// The link of a TControl's Action property.
class TControlActionLink : public TBasicActionLink {
public:
    explicit TControlActionLink(TControl* AClient);

protected:
    void Change() override;

private:
    TControl* FControl;
};
