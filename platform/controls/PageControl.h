#pragma once
// TPageControl and TTabSheet: pages with a tab each, one page shown at a
// time. A tab clicked (or Left/Right on the focused control) asks
// OnChanging, which may refuse, then shows the page and runs OnChange.
// Setting ActivePage by program runs neither.
#include "platform/controls/CustomControl.h"
#include <vector>

class TPageControl;

class TTabSheet : public TCustomControl {
public:
    explicit TTabSheet(TComponent* AOwner = nullptr);
    ~TTabSheet() override;

    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* value);
    // Position among the pages.
    int PageIndex() const;
    void SetPageIndex(int value);
    // A page without a visible tab cannot be shown by clicking.
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool value);
    // Index among the visible tabs; -1 when the tab is hidden.
    int TabIndex() const;
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int value) { FImageIndex = value; }

protected:
    void CMTextChanged(TMessage& Message) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
    int FImageIndex = -1;
};

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
public:
    explicit TPageControl(TComponent* AOwner = nullptr);
    ~TPageControl() override;

    int PageCount() const { return int(FPages.size()); }
    TTabSheet* Pages(int Index) const;
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }
    void SetActivePageIndex(int value);
    // The page after (or before) CurrentPage among those with a visible tab.
    TTabSheet* FindNextPage(TTabSheet* CurrentPage, bool GoForward, bool CheckTabVisible) const;
    void SelectNextPage(bool GoForward, bool CheckTabVisible = true);
    // The visible tab at a client point, -1 when none.
    int IndexOfTabAt(int X, int Y) const;
    // Height of the tab row.
    int TabHeight() const;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    virtual bool CanChange();
    virtual void Change();
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;
    void AdjustClientRect(TRect& Rect) override;
    void PaintWindow() override;
    void KeyDown(int& Key, TShiftState Shift) override;
    void WMGetDlgCode(TMessage& Message) override { Message.Result = DLGC_WANTARROWS; }
    void WMSize(TWMSize& Message) override;
    void CMFontChanged(TMessage& Message) override;

private:
    friend class TTabSheet;
    friend class PageBridge;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    // Shows the page the user picked, when OnChanging allows it.
    void UserSelect(TTabSheet* Page);
    std::vector<TTabSheet*> VisibleTabs() const;
    void PushTabs();
    void PlaceTabs();

    std::vector<TTabSheet*> FPages;
    TTabSheet* FActivePage = nullptr;
    bool FUpdating = false;
};
