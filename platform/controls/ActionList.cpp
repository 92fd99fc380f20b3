#include "platform/controls/ActionList.h"
#include "platform/controls/Control.h"
#include "platform/graphics/ImageList.h"
#include <algorithm>

// TBasicAction

TBasicAction::TBasicAction(TComponent* AOwner) : TComponent(AOwner) {}

TBasicAction::~TBasicAction()
{
    // The links stay with their clients; they only forget the action.
    std::vector<TBasicActionLink*> clients;
    clients.swap(FClients);
    for (TBasicActionLink* link : clients)
        link->ActionFreed();
}

bool TBasicAction::Execute()
{
    if (!OnExecute)
        return false;
    OnExecute(this);
    return true;
}

bool TBasicAction::Update()
{
    if (!OnUpdate)
        return false;
    OnUpdate(this);
    return true;
}

void TBasicAction::RegisterChanges(TBasicActionLink* Value)
{
    if (Value && std::find(FClients.begin(), FClients.end(), Value) == FClients.end())
        FClients.push_back(Value);
}

void TBasicAction::UnRegisterChanges(TBasicActionLink* Value)
{
    FClients.erase(std::remove(FClients.begin(), FClients.end(), Value), FClients.end());
}

void TBasicAction::Change()
{
    // A client may unlink itself while it is told.
    const std::vector<TBasicActionLink*> clients = FClients;
    for (TBasicActionLink* link : clients)
        if (std::find(FClients.begin(), FClients.end(), link) != FClients.end())
            link->Change();
}

// TContainedAction

TContainedAction::~TContainedAction()
{
    if (FActionList)
        FActionList->RemoveAction(this);
}

void TContainedAction::SetActionList(TActionList* value)
{
    if (value == FActionList)
        return;
    if (FActionList)
        FActionList->RemoveAction(this);
    if (value)
        value->AddAction(this);
}

int TContainedAction::Index() const { return FActionList ? FActionList->IndexOfAction(this) : -1; }

// TCustomAction

void TCustomAction::SetCaption(const QString& value)
{
    if (FCaption == value)
        return;
    FCaption = value;
    Change();
}

void TCustomAction::SetChecked(bool value)
{
    if (FChecked == value)
        return;
    FChecked = value;
    Change();
}

void TCustomAction::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    Change();
}

void TCustomAction::SetHint(const QString& value)
{
    if (FHint == value)
        return;
    FHint = value;
    Change();
}

void TCustomAction::SetImageIndex(int value)
{
    if (FImageIndex == value)
        return;
    FImageIndex = value;
    Change();
}

void TCustomAction::SetShortCut(TShortCut value)
{
    if (FShortCut == value)
        return;
    FShortCut = value;
    Change();
}

void TCustomAction::SetVisible(bool value)
{
    if (FVisible == value)
        return;
    FVisible = value;
    Change();
}

bool TCustomAction::Execute()
{
    Update();
    if (!FEnabled)
        return false;
    return TContainedAction::Execute();
}

// TActionList

TActionList::TActionList(TComponent* AOwner) : TComponent(AOwner) {}

TActionList::~TActionList()
{
    SetImages(nullptr);
    while (!FActions.empty())
        delete FActions.back();
}

TContainedAction* TActionList::Actions(int Index) const
{
    if (Index < 0 || Index >= ActionCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FActions[size_t(Index)];
}

void TActionList::AddAction(TContainedAction* Action)
{
    if (!Action || Action->FActionList == this)
        return;
    if (Action->FActionList)
        Action->FActionList->RemoveAction(Action);
    FActions.push_back(Action);
    Action->FActionList = this;
    Change();
}

void TActionList::RemoveAction(TContainedAction* Action)
{
    auto it = std::find(FActions.begin(), FActions.end(), Action);
    if (it == FActions.end())
        return;
    FActions.erase(it);
    Action->FActionList = nullptr;
    Change();
}

int TActionList::IndexOfAction(const TContainedAction* Action) const
{
    auto it = std::find(FActions.begin(), FActions.end(), Action);
    return it == FActions.end() ? -1 : int(it - FActions.begin());
}

void TActionList::SetImages(TCustomImageList* value)
{
    if (FImages == value)
        return;
    if (FImages)
        FImages->RemoveFreeNotification(this);
    FImages = value;
    if (value)
        value->FreeNotification(this);
    if (!IsDestroying())
        Change();
}

void TActionList::Notification(TComponent* AComponent, TOperation Operation)
{
    TComponent::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FImages)
        SetImages(nullptr);
}

void TActionList::Change()
{
    CallEvent(OnChange, this);
    // Each action's clients see the list's new state.
    for (TContainedAction* action : std::vector<TContainedAction*>(FActions))
        if (IndexOfAction(action) >= 0)
            action->Change();
}

// TBasicActionLink

TBasicActionLink::~TBasicActionLink()
{
    if (FAction)
        FAction->UnRegisterChanges(this);
}

void TBasicActionLink::SetAction(TBasicAction* value)
{
    if (FAction == value)
        return;
    if (FAction)
        FAction->UnRegisterChanges(this);
    FAction = value;
    if (value)
        value->RegisterChanges(this);
}

bool TBasicActionLink::Execute(TComponent* AComponent)
{
    if (!FAction)
        return false;
    TBasicAction* action = FAction;
    action->SetActionComponent(AComponent);
    bool result = false;
    try {
        result = action->Execute();
    } catch (...) {
        // The action may have been freed by its own handler.
        if (FAction == action)
            action->SetActionComponent(nullptr);
        throw;
    }
    if (FAction == action)
        action->SetActionComponent(nullptr);
    return result;
}

bool TBasicActionLink::Update() { return FAction && FAction->Update(); }

void TBasicActionLink::Change()
{
    CallEvent(OnChange, FAction);
}

// TControlActionLink

TControlActionLink::TControlActionLink(TControl* AClient) : TBasicActionLink(AClient), FControl(AClient) {}

void TControlActionLink::Change()
{
    TBasicActionLink::Change();
    if (Action())
        FControl->ActionChange(Action(), false);
}
