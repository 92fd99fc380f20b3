#pragma once
// The object model: TObject, TPersistent and TComponent with owners and
// free notification.
#include "platform/rtl/Set.h"
#include <QString>
#include <functional>
#include <vector>

class TObject;
class TComponent;

// Event handlers ("method pointers") are std::function; an empty one is nil.
using TNotifyEvent = std::function<void(TObject* Sender)>;

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject();

    // The class name without namespaces, e.g. "TStringList".
    QString ClassName() const;
    // True when this object is of class T or derives from it.
    template <typename T>
    bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

// Deletes the object and clears the pointer.
template <typename T>
void FreeAndNil(T*& p)
{
    T* tmp = p;
    p = nullptr;
    delete tmp;
}

class TPersistent : public TObject {
public:
    // Copies the state of Source; raises EConvertError
    // "Cannot assign a X to a Y" when neither side knows the other.
    virtual void Assign(TPersistent* Source);
    // The object that owns this one in the framework's sense (for names).
    virtual TPersistent* GetOwner() const { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* Dest);

private:
    [[noreturn]] void AssignError(TPersistent* Source);
};

enum class TOperation { opInsert, opRemove };

enum class TComponentStateFlag {
    csLoading,
    csReading,
    csWriting,
    csDestroying,
    csDesigning,
    csAncestor,
    csUpdating,
    csFixups,
    csFreeNotification,
    csInline,
    csDesignInstance
};
using TComponentState = Set<TComponentStateFlag>;

class TComponent : public TPersistent {
public:
    explicit TComponent(TComponent* AOwner = nullptr);
    // Note: a derived class whose Notification must see its owned
    // components go calls DestroyComponents() in its own destructor.
    ~TComponent() override;

    TComponent* Owner() const { return FOwner; }
    TPersistent* GetOwner() const override { return FOwner; }

    const QString& Name() const { return FName; }
    virtual void SetName(const QString& value);
    long long Tag() const { return FTag; }
    void SetTag(long long value) { FTag = value; }

    int ComponentCount() const { return int(FComponents.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // The owned component with this name (case-insensitive), or nullptr.
    TComponent* FindComponent(const QString& name) const;

    void InsertComponent(TComponent* AComponent);
    void RemoveComponent(TComponent* AComponent);
    void DestroyComponents();
    // Sets csDestroying on this component and everything it owns.
    void Destroying();

    TComponentState ComponentState() const { return FComponentState; }
    bool IsDesigning() const { return false; }
    bool IsLoading() const { return FComponentState.Contains(TComponentStateFlag::csLoading); }
    bool IsDestroying() const { return FComponentState.Contains(TComponentStateFlag::csDestroying); }

    // Asks AComponent to call Notification(this, opRemove) on this
    // component when it is freed, and the other way round.
    void FreeNotification(TComponent* AComponent);
    void RemoveFreeNotification(TComponent* AComponent);

    // Marks the component as being loaded; EndLoading calls Loaded.
    void BeginLoading();
    void EndLoading();

protected:
    virtual void Notification(TComponent* AComponent, TOperation Operation);
    virtual void Loaded();
    void SetComponentState(TComponentState s) { FComponentState = s; }

private:
    void Insert(TComponent* AComponent);
    void Remove(TComponent* AComponent);
    void RemoveNotification(TComponent* AComponent);

    TComponent* FOwner = nullptr;
    QString FName;
    long long FTag = 0;
    std::vector<TComponent*> FComponents;
    std::vector<TComponent*> FFreeNotifies;
    TComponentState FComponentState;
};
