#pragma once
// Menus: TMenuItem trees under TMainMenu and TPopupMenu.
//
// A caption "-" is a separator; "&" marks the mnemonic. Checking a
// RadioItem unchecks the other radio items of its GroupIndex among its
// siblings. TPopupMenu::Popup shows the menu at a screen point and returns
// once it has closed and the chosen item's OnClick has run.
#include "platform/controls/Messages.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Object.h"
#include <functional>
#include <vector>

// Key with scShift / scCtrl / scAlt.
using TShortCut = unsigned short;
constexpr TShortCut scShift = 0x2000;
constexpr TShortCut scCtrl = 0x4000;
constexpr TShortCut scAlt = 0x8000;
constexpr TShortCut scNone = 0;

class TMenu;

STRATAGON_DECLARE_EXCEPTION(EMenuError, Exception)

class TMenuItem : public TComponent {
public:
    explicit TMenuItem(TComponent* AOwner = nullptr);
    ~TMenuItem() override;

    const QString& Caption() const { return FCaption; }
    void SetCaption(const QString& value) { FCaption = value; Changed(); }
    // A separator line.
    bool IsLine() const { return FCaption == QLatin1String("-"); }
    bool Checked() const { return FChecked; }
    void SetChecked(bool value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool value) { FRadioItem = value; Changed(); }
    // Clicking checks (or toggles) the item.
    bool AutoCheck() const { return FAutoCheck; }
    void SetAutoCheck(bool value) { FAutoCheck = value; Changed(); }
    unsigned char GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(unsigned char value) { FGroupIndex = value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { FEnabled = value; Changed(); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { FVisible = value; Changed(); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; Changed(); }
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut value) { FShortCut = value; Changed(); }
    const QString& Hint() const { return FHint; }
    void SetHint(const QString& value) { FHint = value; }

    // Sub-items
    int Count() const { return int(FItems.size()); }
    TMenuItem* Items(int Index) const;
    TMenuItem* Parent() const { return FParent; }
    // The menu the item belongs to, or nullptr.
    TMenu* GetParentMenu() const;
    int MenuIndex() const;
    void Add(TMenuItem* Item);
    void Insert(int Index, TMenuItem* Item);
    // Takes the item out without freeing it.
    void Remove(TMenuItem* Item);
    // Frees the item at Index.
    void Delete(int Index);
    // Frees every sub-item.
    void Clear();
    // The sub-item with that caption ("&" ignored), or nullptr.
    TMenuItem* Find(const QString& ACaption) const;

    // Checks an AutoCheck item, then runs OnClick.
    virtual void Click();
    TNotifyEvent OnClick;

private:
    friend class TMenu;
    // Tells the menu's window that the item changed.
    void Changed();
    QString FCaption;
    bool FChecked = false;
    bool FRadioItem = false;
    bool FAutoCheck = false;
    unsigned char FGroupIndex = 0;
    bool FEnabled = true;
    bool FVisible = true;
    int FImageIndex = -1;
    TShortCut FShortCut = scNone;
    QString FHint;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;
    std::vector<TMenuItem*> FItems;
};

class TMenu : public TComponent {
public:
    explicit TMenu(TComponent* AOwner = nullptr);
    ~TMenu() override;

    // The root item; its sub-items are the menu's items.
    TMenuItem* Items() const { return FItems; }
    // The image list the items' ImageIndex refers to.
    TComponent* Images() const { return FImages; }
    void SetImages(TComponent* value) { FImages = value; FItems->Changed(); }
    // The enabled and visible item with this shortcut, searched depth first.
    TMenuItem* FindItemByShortCut(TShortCut ShortCut) const;
    // Runs the item with this shortcut; false when there is none.
    bool IsShortCut(TShortCut ShortCut);
    // Called after the items change, for the window that shows the menu
    // (one at a time; empty: none).
    void SetChangeHook(std::function<void()> Hook) { FChangeHook = std::move(Hook); }

private:
    friend class TMenuItem;
    TMenuItem* FItems;
    std::function<void()> FChangeHook;
    TComponent* FImages = nullptr;
};

class TMainMenu : public TMenu {
public:
    using TMenu::TMenu;
};

enum TPopupAlignment { paLeft, paRight, paCenter };

class TPopupMenu : public TMenu {
public:
    explicit TPopupMenu(TComponent* AOwner = nullptr);

    // Shows the menu at the screen point and waits until it closes; then
    // runs the chosen item's Click, then returns.
    virtual void Popup(int X, int Y);
    // The control whose context menu this is, while it is shown.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* value) { FPopupComponent = value; }
    bool AutoPopup() const { return FAutoPopup; }
    void SetAutoPopup(bool value) { FAutoPopup = value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment value) { FAlignment = value; }

    // Before the menu shows.
    TNotifyEvent OnPopup;
    // After it has closed (before the chosen item's click).
    TNotifyEvent OnClose;

private:
    TComponent* FPopupComponent = nullptr;
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
};

// Tests: called while a popup menu is open; the item it returns is chosen,
// nullptr closes the menu without a choice.
using TMenuChooser = std::function<TMenuItem*(TPopupMenu* Menu)>;
// Installs the chooser (empty: none); returns the previous one.
TMenuChooser SetMenuChooser(TMenuChooser Chooser);
TMenuChooser& MenuChooser();

// The framework's shortcut helpers.
TShortCut ShortCut(int Key, TShiftState Shift);
// "Ctrl+S", "Shift+F10", ...; empty for scNone.
QString ShortCutToText(TShortCut ShortCut);
