#pragma once
// The tab strip's data model: its tabs and their list. Every change is
// reported to the strip that owns the list (IDeckTabs::DoOnChange); the strip
// then lays out, animates and repaints.
#include "controls/tabs/DeckTabsInterfaces.h"
#include "platform/rtl/Collection.h"
#include "platform/rtl/Object.h"
#include <QString>

enum TDeckTabSpinnerState { tssNone, tssRenderedUpload, tssRenderedDownload, tssImageUpload, tssImageDownload };

// The view of a tab that its tab control uses.
// Note: not reference counted; the tab lives as long as its list keeps it.
class IDeckTab {
public:
    virtual ~IDeckTab() = default;
    virtual QString GetCaption() const = 0;
    virtual int GetImageIndex() const = 0;
    virtual int GetImageIndexOverlay() const = 0;
    virtual bool GetActive() const = 0;
    virtual bool GetPinned() const = 0;
    virtual int GetIndex() const = 0;
    virtual bool GetModified() const = 0;
    virtual TDeckTab* GetTab() = 0;
    virtual bool GetMarkedForDeletion() const = 0;
    virtual TDeckTabSpinnerState GetSpinnerState() const = 0;
    virtual bool GetHideCloseButton() const = 0;
    virtual void* GetData() const = 0;
    virtual void SetData(void* Value) = 0;
};

class TDeckTab : public TCollectionItem, public IDeckTab {
public:
    // Joins Collection (reporting tcAdded) once the tab is fully built.
    explicit TDeckTab(TCollection* Collection);
    // Leaves the list, then frees the tab control.
    ~TDeckTab() override;

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& Value);
    // Activation asks the strip first (OnActiveTabChanging may refuse) and
    // deactivates every other active tab of the list.
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    // -1 = none.
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    int ImageIndexOverlay() const { return FImageIndexOverlay; }
    void SetImageIndexOverlay(int Value);
    // Pinning moves the tab to the end of the pinned run, unpinning to its
    // last place; either way the tab becomes active.
    bool Pinned() const { return FPinned; }
    void SetPinned(bool Value);
    // Hiding the active tab deactivates it. Note: reports even when unchanged.
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool Modified() const { return FModified; }
    void SetModified(bool Value);
    TDeckTabSpinnerState SpinnerState() const { return FSpinnerState; }
    void SetSpinnerState(TDeckTabSpinnerState Value);
    bool HideCloseButton() const { return FHideCloseButton; }
    void SetHideCloseButton(bool Value) { FHideCloseButton = Value; }

    // User data, not owned.
    void* Data() const { return FData; }
    void SetData(void* Value) override { FData = Value; }
    // Empty for a pinned tab.
    QString DisplayCaption() const;
    // The tab's visual control, owned by the tab; set by the strip only.
    TObject* TabControl() const { return FTabControl; }
    void SetTabControl(TObject* Value) { FTabControl = Value; }
    // True while an animated removal runs; the tab is still in the list.
    bool MarkedForDeletion() const { return FMarkedForDeletion; }
    // False only when both image indexes are -1.
    bool ImageIsVisible() const;

    void SetCollection(TCollection* Value) override;
    // Reports Kind for this tab to the strip.
    virtual void DoChanged(TTabChangeType Kind);

    // IDeckTab
    QString GetCaption() const override { return FCaption; }
    int GetImageIndex() const override { return FImageIndex; }
    int GetImageIndexOverlay() const override { return FImageIndexOverlay; }
    bool GetActive() const override { return FActive; }
    bool GetPinned() const override { return FPinned; }
    int GetIndex() const override { return Index(); }
    bool GetModified() const override { return FModified; }
    TDeckTab* GetTab() override { return this; }
    bool GetMarkedForDeletion() const override { return FMarkedForDeletion; }
    TDeckTabSpinnerState GetSpinnerState() const override { return FSpinnerState; }
    bool GetHideCloseButton() const override { return FHideCloseButton; }
    void* GetData() const override { return FData; }

protected:
    QString GetDisplayName() const override;
    // The strip of the list the tab was created in; nullptr outside a strip.
    IDeckTabs* DeckTabs() const;

private:
    friend class TDeckTabsList;
    TCollection* FCollection;
    QString FCaption;
    void* FData = nullptr;
    int FImageIndex = -1;
    int FImageIndexOverlay = -1;
    int FTag = 0;
    bool FPinned = false;
    TObject* FTabControl = nullptr;
    bool FActive = false;
    bool FVisible = true;
    bool FModified = false;
    bool FMarkedForDeletion = false;
    TDeckTabSpinnerState FSpinnerState = tssNone;
    bool FHideCloseButton = false;
};

// The strip's tabs. The owner must be the strip (it implements IDeckTabs).
class TDeckTabsList : public TOwnedCollection {
public:
    explicit TDeckTabsList(TComponent* AOwner);

    // Appends a new tab (reporting tcAdded).
    TDeckTab* Add();
    // Raises EListError outside 0..Count-1.
    TDeckTab* Items(int Index) const;
    // Copies Value into the tab at Index, then reports tcAdded.
    // Note: tabs define no copy, so this raises "Cannot assign a ... to a ...".
    void SetItems(int Index, TDeckTab* Value);
    int IndexOf(const TDeckTab* ATab) const { return TCollection::IndexOf(ATab); }
    // Moves the tab at OldIndex to NewIndex, then reports tcMoved.
    void Move(int OldIndex, int NewIndex);
    // Removes the tab at Index and activates a neighbour when it was active.
    // Unless DeleteNow, a removal with an animated TabDelete movement only
    // marks the tab; the strip calls DeleteTab again when the animation ends.
    void DeleteTab(int Index, bool DeleteNow);
    // The first active tab, or nullptr.
    TDeckTab* ActiveTab() const;
    // Activates ATab when it is in this list; otherwise does nothing.
    void SetActiveTab(TDeckTab* ATab);

    void Assign(TPersistent* Source) override;
    // The owner's IDeckTabs; asserts "Collection owner must support
    // IDeckTabInterface" when the owner is no strip.
    IDeckTabs* GetDeckTabInterface() const;

protected:
    void Notify(TCollectionItem* Item, TCollectionNotification Action) override;
};
