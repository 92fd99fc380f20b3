#include "platform/controls/PageControl.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/HostApi.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/Frames.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

// Sheet

TTabSheet::TTabSheet(TComponent* AOwner) : TCustomControl(AOwner)
{
    FControlStyle = {csAcceptsControls, csClickEvents, csDoubleClicks};
    SetColor(clBtnFace);
    SetAlign(alClient);
    SetVisible(false);
}

TTabSheet::~TTabSheet() { SetPageControl(nullptr); }

void TTabSheet::SetPageControl(TPageControl* value)
{
    if (FPageControl == value)
        return;
    if (FPageControl)
        FPageControl->RemovePage(this);
    SetParent(value);
    if (value)
        value->InsertPage(this);
}

int TTabSheet::PageIndex() const
{
    if (!FPageControl)
        return -1;
    auto& pages = FPageControl->FPages;
    return int(std::find(pages.begin(), pages.end(), this) - pages.begin());
}

void TTabSheet::SetPageIndex(int value)
{
    if (!FPageControl)
        return;
    auto& pages = FPageControl->FPages;
    pages.erase(std::find(pages.begin(), pages.end(), this));
    value = std::clamp(value, 0, int(pages.size()));
    pages.insert(pages.begin() + value, this);
    FPageControl->PushTabs();
}

void TTabSheet::SetTabVisible(bool value)
{
    FTabVisible = value;
    if (FPageControl)
        FPageControl->PushTabs();
}

int TTabSheet::TabIndex() const
{
    if (!FPageControl || !FTabVisible)
        return -1;
    auto tabs = FPageControl->VisibleTabs();
    return int(std::find(tabs.begin(), tabs.end(), this) - tabs.begin());
}

void TTabSheet::CMTextChanged(TMessage& Message)
{
    TCustomControl::CMTextChanged(Message);
    if (FPageControl)
        FPageControl->PushTabs();
}

// Page control

TPageControl::TPageControl(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle = {csDoubleClicks, csOpaque};
    SetColor(clBtnFace);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
}

TPageControl::~TPageControl()
{
    for (TTabSheet* p : FPages)
        p->FPageControl = nullptr;
    FPages.clear();
}

TTabSheet* TPageControl::Pages(int Index) const
{
    if (Index < 0 || Index >= PageCount())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FPages[std::size_t(Index)];
}

void TPageControl::InsertPage(TTabSheet* Page)
{
    FPages.push_back(Page);
    Page->FPageControl = this;
    PushTabs();
    if (!FActivePage)
        SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page)
{
    TTabSheet* next = FActivePage == Page ? FindNextPage(Page, true, false) : FActivePage;
    if (next == Page)
        next = nullptr;
    FPages.erase(std::remove(FPages.begin(), FPages.end(), Page), FPages.end());
    Page->FPageControl = nullptr;
    if (FActivePage == Page) {
        FActivePage = nullptr;
        SetActivePage(next);
    }
    PushTabs();
}

void TPageControl::SetActivePage(TTabSheet* Page)
{
    if (Page && Page->FPageControl != this)
        return;
    if (FActivePage == Page)
        return;
    TTabSheet* old = FActivePage;
    FActivePage = Page;
    if (Page) {
        Page->SetVisible(true);
        Page->BringToFront();
    }
    if (old)
        old->SetVisible(false);
    PushTabs();
}

void TPageControl::SetActivePageIndex(int value)
{
    SetActivePage(value >= 0 && value < PageCount() ? FPages[std::size_t(value)] : nullptr);
}

std::vector<TTabSheet*> TPageControl::VisibleTabs() const
{
    std::vector<TTabSheet*> tabs;
    for (TTabSheet* p : FPages)
        if (p->TabVisible())
            tabs.push_back(p);
    return tabs;
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* CurrentPage, bool GoForward, bool CheckTabVisible) const
{
    int n = PageCount();
    if (n == 0)
        return nullptr;
    auto it = std::find(FPages.begin(), FPages.end(), CurrentPage);
    int start = it == FPages.end() ? (GoForward ? n - 1 : 0) : int(it - FPages.begin());
    int i = start;
    for (int k = 0; k < n; ++k) {
        i = GoForward ? (i + 1) % n : (i + n - 1) % n;
        TTabSheet* p = FPages[std::size_t(i)];
        if (!CheckTabVisible || p->TabVisible())
            return p;
    }
    return nullptr;
}

void TPageControl::SelectNextPage(bool GoForward, bool CheckTabVisible)
{
    TTabSheet* p = FindNextPage(FActivePage, GoForward, CheckTabVisible);
    if (p && p != FActivePage)
        UserSelect(p);
}

bool TPageControl::CanChange()
{
    bool allow = true;
    if (OnChanging)
        OnChanging(this, allow);
    return allow;
}

void TPageControl::Change()
{
    if (OnChange)
        OnChange(this);
}

void TPageControl::UserSelect(TTabSheet* Page)
{
    if (!Page || Page == FActivePage || !CanChange())
        return;
    SetActivePage(Page);
    Change();
}

void TPageControl::WndProc(TMessage& Message)
{
    if (Message.Msg == WM_LBUTTONDOWN) {
        int tab = IndexOfTabAt(LoSigned(WPARAM(Message.LParam)), HiSigned(WPARAM(Message.LParam)));
        if (tab >= 0) {
            if (CanFocus())
                SetFocus();
            auto tabs = VisibleTabs();
            UserSelect(tabs[std::size_t(tab)]);
        }
    }
    TWinControl::WndProc(Message);
}

void TPageControl::KeyDown(int& Key, TShiftState Shift)
{
    TWinControl::KeyDown(Key, Shift);
    if ((Key == VK_LEFT || Key == VK_RIGHT) && Shift.Empty()) {
        SelectNextPage(Key == VK_RIGHT);
        Key = 0;
    } else if (Key == VK_TAB && Shift.Contains(ssCtrl)) {
        SelectNextPage(!Shift.Contains(ssShift));
        Key = 0;
    }
}

void TPageControl::AdjustClientRect(TRect& Rect)
{
    TWinControl::AdjustClientRect(Rect);
    Rect = ::Rect(Rect.Left + 4, Rect.Top + TabHeight() + 4, Rect.Right - 4, Rect.Bottom - 4);
}

void TPageControl::PaintWindow()
{
    TCanvas canvas;
    canvas.SetSurface(HostSurface(Handle()));
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(ClientRect());
    TRect frame = Rect(0, TabHeight(), Width(), Height());
    DrawEdge(&canvas, &frame, EDGE_RAISED, BF_RECT);
}

void TPageControl::WMSize(TWMSize& Message)
{
    PlaceTabs();
    TWinControl::WMSize(Message);
}

void TPageControl::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
    PlaceTabs();
}
