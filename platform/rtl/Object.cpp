#include "platform/rtl/Object.h"
#include "platform/rtl/Exceptions.h"

#include <algorithm>
#include <cxxabi.h>
#include <cstdlib>
#include <typeinfo>

TObject::~TObject() = default;

QString TObject::ClassName() const
{
    const char* mangled = typeid(*this).name();
    int status = 0;
    char* demangled = abi::__cxa_demangle(mangled, nullptr, nullptr, &status);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled : mangled);
    std::free(demangled);
    const int colons = name.lastIndexOf(QLatin1String("::"));
    return colons >= 0 ? name.mid(colons + 2) : name;
}

void TPersistent::Assign(TPersistent* Source)
{
    if (Source)
        Source->AssignTo(this);
    else
        AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    const QString source = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(source, ClassName()));
}

TComponent::TComponent(TComponent* AOwner)
{
    if (AOwner)
        AOwner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    // Tell everyone who asked that this component goes.
    while (!FFreeNotifies.empty()) {
        TComponent* other = FFreeNotifies.back();
        FFreeNotifies.pop_back();
        auto& back = other->FFreeNotifies;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (FOwner)
        FOwner->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(index));
    return FComponents[size_t(index)];
}

int TComponent::ComponentIndex() const
{
    if (!FOwner)
        return -1;
    auto& list = FOwner->FComponents;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : int(it - list.begin());
}

TComponent* TComponent::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : FComponents)
        if (c->FName.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TComponent::SetName(const QString& value)
{
    FName = value;
}

void TComponent::InsertComponent(TComponent* AComponent)
{
    if (AComponent->FOwner)
        AComponent->FOwner->RemoveComponent(AComponent);
    Insert(AComponent);
    Notification(AComponent, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* AComponent)
{
    Notification(AComponent, TOperation::opRemove);
    Remove(AComponent);
}

void TComponent::Insert(TComponent* AComponent)
{
    FComponents.push_back(AComponent);
    AComponent->FOwner = this;
}

void TComponent::Remove(TComponent* AComponent)
{
    AComponent->FOwner = nullptr;
    FComponents.erase(std::remove(FComponents.begin(), FComponents.end(), AComponent),
                      FComponents.end());
}

void TComponent::DestroyComponents()
{
    while (!FComponents.empty()) {
        TComponent* c = FComponents.back();
        Remove(c);
        delete c;
    }
}

void TComponent::Destroying()
{
    if (FComponentState.Contains(TComponentStateFlag::csDestroying))
        return;
    FComponentState.Include(TComponentStateFlag::csDestroying);
    for (TComponent* c : FComponents)
        c->Destroying();
}

void TComponent::FreeNotification(TComponent* AComponent)
{
    if (!AComponent || AComponent == this)
        return;
    auto add = [](std::vector<TComponent*>& list, TComponent* c) {
        if (std::find(list.begin(), list.end(), c) == list.end())
            list.push_back(c);
    };
    add(FFreeNotifies, AComponent);
    add(AComponent->FFreeNotifies, this);
    FComponentState.Include(TComponentStateFlag::csFreeNotification);
}

void TComponent::RemoveFreeNotification(TComponent* AComponent)
{
    RemoveNotification(AComponent);
    if (AComponent)
        AComponent->RemoveNotification(this);
}

void TComponent::RemoveNotification(TComponent* AComponent)
{
    FFreeNotifies.erase(std::remove(FFreeNotifies.begin(), FFreeNotifies.end(), AComponent),
                        FFreeNotifies.end());
}

void TComponent::Notification(TComponent* AComponent, TOperation Operation)
{
    if (Operation == TOperation::opRemove && AComponent)
        RemoveFreeNotification(AComponent);
    // Owned components hear about it too, as the framework does.
    for (size_t i = FComponents.size(); i-- > 0;)
        if (i < FComponents.size())
            FComponents[i]->Notification(AComponent, Operation);
}

void TComponent::BeginLoading()
{
    FComponentState.Include(TComponentStateFlag::csLoading);
}

void TComponent::EndLoading()
{
    FComponentState.Exclude(TComponentStateFlag::csLoading);
    Loaded();
}

void TComponent::Loaded() {}
