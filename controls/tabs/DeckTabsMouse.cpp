// Hit testing, hover and pressed states, clicks, hints and the built-in menu.
#include "controls/tabs/DeckTabs.h"
#include "platform/controls/Form.h"
#include "platform/controls/HintWindow.h"
#include "platform/controls/Menu.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"
#include "controls/tabs/DeckTabsUtils.h"

namespace {
constexpr WPARAM SC_DRAGMOVE = 61458;
} // namespace

THitTestResult TCustomDeckTabs::HitTest(TPoint Pt, bool IgnoreDisabledControls)
{
    THitTestResult result{-1, htBackground};
    if (Pt.X < 0 || Pt.Y < 0 || Pt.X >= ClientWidth() || Pt.Y >= ClientHeight())
        return {-1, htNowhere};
    // A hidden add button has an empty rectangle; it must catch nothing.
    if (!FAddButtonControl->ControlRect().IsEmpty() && FAddButtonControl->ContainsPoint(Pt))
        return {-1, htAddButton};
    // Unplaced scroll buttons (csbNone) keep an empty rectangle too.
    auto catches = [&](TBaseDeckTabsControl* B) {
        return (!IgnoreDisabledControls || B->DrawState() != dsDisabled) && !B->ControlRect().IsEmpty()
               && B->ContainsPoint(Pt);
    };
    if (ScrollButtonLeftVisible() && catches(FScrollButtonLeftControl))
        return {-1, htScrollButtonLeft};
    if (ScrollButtonRightVisible() && catches(FScrollButtonRightControl))
        return {-1, htScrollButtonRight};
    if (!FOptions->Display()->TabContainer()->OverlayButtons()) {
        const TRect c = BidiControlRect(FTabContainerRect);
        if (Pt.X < c.Left || Pt.X >= c.Right || Pt.Y < c.Top || Pt.Y >= c.Bottom)
            return result;
    }
    const int active = ActiveTabIndex();
    if (TDeckTabControl* c = GetTabControl(active)) {
        const THitTestArea area = c->GetHitTestArea(Pt.X, Pt.Y);
        if (area != htBackground)
            return {active, area};
    }
    for (int i = 0; i < FTabs->Count(); ++i) {
        if (i == active || !FTabs->Items(i)->Visible())
            continue;
        if (TDeckTabControl* c = GetTabControl(i)) {
            const THitTestArea area = c->GetHitTestArea(Pt.X, Pt.Y);
            if (area != htBackground)
                return {i, area};
        }
    }
    return result;
}

TDeckTab* TCustomDeckTabs::GetTabUnderMouse()
{
    const THitTestResult h = HitTest({FLastMouseX, FLastMouseY});
    return h.TabIndex == -1 ? nullptr : FTabs->Items(h.TabIndex);
}

void TCustomDeckTabs::SetControlDrawState(TBaseDeckTabsControl* Control, TDrawState NewState, bool ForceUpdate)
{
    const TDrawState old = Control->DrawState();
    if (old == NewState && !ForceUpdate)
        return;
    TDeckTabsEaseType ease = FOptions->Animation()->DefaultStyleEaseType();
    const bool isTab = dynamic_cast<TDeckTabControl*>(Control) != nullptr;
    if (Designing(this)
        || (isTab && !(old == dsHot && NewState != dsActive) && !(NewState == dsHot && old != dsActive)))
        ease = ttNone;
    uint32_t time = FOptions->Animation()->DefaultStyleAnimationTimeMS();
    if (old != NewState && !Designing(this))
        DoOnAnimateStyle(Control, NewState, time, ease);
    Control->SetDrawState(NewState, int(time), ease, ForceUpdate);
}

void TCustomDeckTabs::SetControlDrawStates(bool ForceUpdate)
{
    if (FActiveDragTabObject || !FTabs)
        return;
    BeginUpdate();
    try {
        const THitTestResult h = HitTest({FLastMouseX, FLastMouseY}, false);
        const bool same = h.TabIndex == FLastHitTestResult.TabIndex && h.HitTestArea == FLastHitTestResult.HitTestArea;
        if (ForceUpdate || !(HasState(stsPendingUpdates) || same)) {
            FLastHitTestResult = h;
            const int maxOffset = MaxScrollOffset();
            // The buttons scroll only while the tabs are wider than the control.
            const bool scrolls = GetTabDisplayState() == tdScrolling;
            bool leftDisabled = FScrollOffset <= 0, rightDisabled = FScrollOffset >= maxOffset;
            if (IsRightToLeftLayout())
                std::swap(leftDisabled, rightDisabled);
            leftDisabled = leftDisabled || !scrolls;
            rightDisabled = rightDisabled || !scrolls;
            SetControlDrawState(FScrollButtonLeftControl, leftDisabled ? dsDisabled : dsActive, ForceUpdate);
            SetControlDrawState(FScrollButtonRightControl, rightDisabled ? dsDisabled : dsActive, ForceUpdate);
            SetControlDrawState(FAddButtonControl, dsNotActive, ForceUpdate);
            const TDrawState pressed = HasState(stsMouseDown) ? dsDown : dsHot;
            switch (h.HitTestArea) {
            case htAddButton: SetControlDrawState(FAddButtonControl, pressed, ForceUpdate); break;
            case htScrollButtonLeft:
                if (scrolls && FScrollOffset > 0)
                    SetControlDrawState(FScrollButtonLeftControl, pressed, ForceUpdate);
                break;
            case htScrollButtonRight:
                if (scrolls && FScrollOffset < maxOffset)
                    SetControlDrawState(FScrollButtonRightControl, pressed, ForceUpdate);
                break;
            default:
                for (int i = 0; i < FTabs->Count(); ++i) {
                    TDeckTab* tab = FTabs->Items(i);
                    TDeckTabControl* c = GetTabControl(i);
                    if (!c)
                        continue;
                    if (i == h.TabIndex && !HasState(stsDragging)) {
                        if (!tab->Active())
                            SetControlDrawState(c, dsHot, ForceUpdate);
                        if (h.HitTestArea == htCloseButton)
                            c->SetCloseButtonState(pressed);
                        else
                            c->SetCloseButtonState(tab->Active() ? dsActive : dsNotActive);
                    } else if (!tab->Active()) {
                        SetControlDrawState(c, dsNotActive, ForceUpdate);
                        c->SetCloseButtonState(dsNotActive);
                    } else {
                        // The mouse has left the active tab's close button too.
                        c->SetCloseButtonState(dsActive);
                    }
                }
                break;
            }
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

TCustomForm* TCustomDeckTabs::TopLevelForm()
{
    TCustomForm* form = ParentForm();
    return form && !form->Parent() ? form : nullptr;
}

void TCustomDeckTabs::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseDown(Button, Shift, X, Y);
    if (HasState(stsMouseDown))
        return;
    FMouseDownHitTest = HitTest({X, Y}, false);
    FMouseButton = Button;
    FMouseDownPoint = {X, Y};
    if (FOptions->Behaviour()->BackgroundDragMovesForm() && FMouseDownHitTest.HitTestArea == htBackground)
        if (TCustomForm* form = TopLevelForm()) {
            ReleaseCapture();
            form->Perform(WM_SYSCOMMAND, SC_DRAGMOVE, 0);
            return;
        }
    AddState(stsMouseDown);
    SetControlDrawStates(true);
    if (FMouseDownHitTest.HitTestArea == htScrollButtonLeft) {
        ScrollTabs(mdsLeft, true);
    } else if (FMouseDownHitTest.HitTestArea == htScrollButtonRight) {
        ScrollTabs(mdsRight, true);
    } else {
        BeginUpdate();
        try {
            if (CanFocus())
                SetFocus();
            const THitTestArea area = FMouseDownHitTest.HitTestArea;
            const bool left = Button == mbLeft;
            const bool rightSelect = Button == mbRight && FOptions->Behaviour()->TabRightClickSelect();
            if ((left || rightSelect) && (area == htTab || (area == htCloseButton && Button == mbRight))) {
                TDeckTab* tab = FTabs->Items(FMouseDownHitTest.TabIndex);
                if (!tab->Active())
                    tab->SetActive(true);
            }
        } catch (...) {
            EndUpdate();
            throw;
        }
        EndUpdate();
    }
}

void TCustomDeckTabs::MouseMove(TShiftState Shift, int X, int Y)
{
    TCustomControl::MouseMove(Shift, X, Y);
    if (X == FLastMouseX && Y == FLastMouseY)
        return;
    FLastMouseX = X;
    FLastMouseY = Y;
    BeginUpdate();
    const THitTestResult h = HitTest({X, Y}, false);
    try {
        if (DragMouseMove(X, Y, h)) {
            EndUpdate();
            return;
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    if (!FDragTabObject) {
        SetControlDrawStates(false);
        if (FOptions->Display()->TabMouseGlow()->Visible()
            && (h.HitTestArea == htTab || h.HitTestArea == htCloseButton))
            Redraw();
    }
    EndUpdate();
}

void TCustomDeckTabs::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (!(Button == mbRight && FDragTabObject))
        TCustomControl::MouseUp(Button, Shift, X, Y);
    BeginUpdate();
    try {
        FScrollTimer->SetEnabled(false);
        RemoveState(stsMouseDown);
        const THitTestResult h = HitTest({X, Y}, false);
        if (HasState(stsDragging))
            EndDrag(X, Y, FDragCancelled);
        if (h.HitTestArea == htAddButton && FMouseDownHitTest.HitTestArea == htAddButton) {
            DoOnButtonAddClick();
            AddState(stsControlPositionsInvalidated);
        } else if (FMouseButton == mbLeft && h.HitTestArea == htCloseButton
                   && FMouseDownHitTest.HitTestArea == htCloseButton && h.TabIndex == FMouseDownHitTest.TabIndex
                   && h.TabIndex >= 0 && h.TabIndex < FTabs->Count()) {
            TDeckTab* tab = FTabs->Items(h.TabIndex);
            bool close = true;
            DoOnButtonCloseTabClick(tab, close);
            if (close) {
                if (!tab->Pinned()) {
                    ClearSmartDeleteStates();
                    AddState(stsDeletingUnPinnedTabs);
                    FClosedTabRect = GetTabControl(h.TabIndex)->EndRect();
                    FClosedTabIndex = h.TabIndex;
                }
                DeleteTab(h.TabIndex);
                AddState(stsControlPositionsInvalidated);
            }
        }
        SetControlDrawStates(true);
        Redraw();
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TCustomDeckTabs::CMMouseEnter(TMessage& Message)
{
    FCancelTabSmartResizeTimer->SetEnabled(false);
    TCustomControl::CMMouseEnter(Message);
}

void TCustomDeckTabs::CMMouseLeave(TMessage& Message)
{
    FLastMouseX = -1;
    FLastMouseY = -1;
    SetControlDrawStates(false);
    FCancelTabSmartResizeTimer->SetEnabled(true);
    Redraw();
    TCustomControl::CMMouseLeave(Message);
}

void TCustomDeckTabs::WMLButtonDblClk(TWMMouse& Message)
{
    if (!(FOptions->Behaviour()->IgnoreDoubleClicksWhileAnimatingMovement() && HasState(stsAnimatingMovement))) {
        const THitTestResult h = HitTest(Message.Pos(), false);
        if (h.TabIndex != -1)
            DoOnTabDblClick(FTabs->Items(h.TabIndex));
        if (FOptions->Behaviour()->BackgroundDblClickMaximiseRestoreForm() && h.HitTestArea == htBackground)
            if (TCustomForm* form = TopLevelForm())
                form->SetWindowState(form->WindowState() == wsNormal ? wsMaximized : wsNormal);
    }
    TCustomControl::WMLButtonDblClk(Message);
}

void TCustomDeckTabs::CMHintShow(TMessage& Message)
{
    Message.Result = 1;
    THintInfo* info = HintInfoOf(Message);
    if (HasState(stsDragging) || !info) {
        TCustomControl::CMHintShow(Message);
        return;
    }
    const THitTestResult h = HitTest(info->CursorPos, false);
    QString text = GetTabDescription(h.TabIndex);
    int timeout = 5000;
    DoOnShowHint(h, text, timeout);
    if (text.isEmpty()) {
        TCustomControl::CMHintShow(Message);
        return;
    }
    info->HintStr = text;
    TDeckTabControl* c = GetTabControl(h.TabIndex);
    info->CursorRect = c ? c->ControlRectScrolled() : TRect{0, 0, ClientWidth(), ClientHeight()};
    info->HideTimeout = timeout;
    Message.Result = 0;
}

void TCustomDeckTabs::WMMouseWheel(TWMMouseWheel& Message)
{
    if (FOptions->Scrolling()->Enabled() && FOptions->Scrolling()->MouseWheelScroll() && Visible()
        && Message.WheelDelta != 0) {
        SetScrollOffset(FScrollOffset + Message.WheelDelta);
        Message.Result = 1;
    }
}

void TCustomDeckTabs::WndProc(TMessage& Message)
{
    switch (Message.Msg) {
    case WM_CONTEXTMENU: {
        const TPoint p = ClientToScreen({FLastMouseX, FLastMouseY});
        if (auto* menu = dynamic_cast<TPopupMenu*>(PopupMenu())) {
            menu->SetPopupComponent(this);
            menu->Popup(p.X, p.Y);
        } else if (FOptions->Behaviour()->UseBuiltInPopupMenu() && !FDragTabObject) {
            ShowTabPopupMenu(this, p);
        }
        return;
    }
    case WM_ERASEBKGND: Message.Result = 1; return;
    case CN_KEYDOWN:
        if (CancelDragKey(Message))
            return;
        break;
    default: break;
    }
    TCustomControl::WndProc(Message);
}

void TCustomDeckTabs::ShowTabPopupMenu(TObject*, TPoint Pos)
{
    delete std::exchange(FTabPopupMenu, nullptr);
    FTabPopupMenu = new TPopupMenu(nullptr);
    auto add = [this](const QString& Caption, int Tag) {
        auto* item = new TMenuItem(FTabPopupMenu);
        item->SetCaption(Caption);
        item->SetTag(Tag);
        item->OnClick = [this](TObject* Sender) { TabPopupMenuItemClick(Sender); };
        item->SetRadioItem(Tag != -1 && Tag < 95);
        item->SetChecked(Tag == ActiveTabIndex() + 10);
        FTabPopupMenu->Items()->Add(item);
    };
    add(QStringLiteral("New tab"), 3);
    add(QStringLiteral("-"), -1);
    const int index = FMouseDownHitTest.TabIndex;
    if (index != -1 && index < FTabs->Count()) {
        add(QStringLiteral("Delete Tab"), 2);
        add(QStringLiteral("-"), -1);
        if (FTabs->Items(index)->Pinned())
            add(QStringLiteral("Unpin this tab"), 1);
        else
            add(QStringLiteral("Pin this tab"), 0);
        add(QStringLiteral("-"), -1);
    }
    for (int i = 0; i < FTabs->Count(); ++i)
        add(GetTabDescription(i), 10 + i);
    FTabPopupMenu->SetPopupComponent(this);
    FTabPopupMenu->Popup(Pos.X, Pos.Y);
}

void TCustomDeckTabs::TabPopupMenuItemClick(TObject* Sender)
{
    auto* item = dynamic_cast<TMenuItem*>(Sender);
    if (!item)
        return;
    const int tag = int(item->Tag());
    const int index = FMouseDownHitTest.TabIndex;
    if (index != -1 && index < FTabs->Count()) {
        if (tag == 0)
            FTabs->Items(index)->SetPinned(true);
        else if (tag == 1)
            FTabs->Items(index)->SetPinned(false);
        else if (tag == 2)
            DeleteTab(index);
    }
    if (tag == 3)
        DoOnButtonAddClick();
    else if (tag > 9 && tag - 10 < FTabs->Count())
        FTabs->SetActiveTab(FTabs->Items(tag - 10));
    Redraw();
}
