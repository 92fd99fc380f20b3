// Tab dragging within a strip and between strips, the drag placeholder in
// the layout, the drop and the end of a drag.
#include "controls/tabs/DeckTabs.h"
#include "controls/tabs/DeckTabsDragImage.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Canvas.h"
#include "platform/graphics/GdiPlus.h"
#include "platform/controls/Form.h"
#include "platform/controls/Screen.h"
#include "platform/controls/Timer.h"
#include "platform/controls/WinApi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <exception>

namespace {

bool LeftToRight(TBiDiMode Mode) { return Mode == bdLeftToRight; }

bool PointInRect(const TRect& R, int X, int Y) { return X >= R.Left && X < R.Right && Y >= R.Top && Y < R.Bottom; }

// The strip whose window lies at the screen point. Forms are tried from the
// last made to the first; the drag image windows of the strips are skipped.
TCustomDeckTabs* StripAt(TPoint P)
{
    for (int i = Screen->FormCount() - 1; i >= 0; --i) {
        TCustomForm* form = Screen->Forms(i);
        if (!form->Visible() || !form->HandleAllocated() || dynamic_cast<TCustomDeckTabs*>(form->Owner()))
            continue;
        TPoint c = form->ScreenToClient(P);
        if (!PointInRect({0, 0, form->ClientWidth(), form->ClientHeight()}, c.X, c.Y))
            continue;
        TWinControl* parent = form;
        for (;;) {
            auto* child = dynamic_cast<TWinControl*>(parent->ControlAtPos(c, false, true));
            if (!child)
                return nullptr;
            if (auto* strip = dynamic_cast<TCustomDeckTabs*>(child))
                return strip;
            parent = child;
            c = child->ScreenToClient(P);
        }
    }
    return nullptr;
}

TPoint ClientPointOf(IDeckTabDockControl* Dock, TPoint Screen)
{
    return Dock->GetControl()->ScreenToClient(Screen);
}

} // namespace

// Queries

bool TCustomDeckTabs::OwnDragDockedHere() const
{
    return FDragTabObject && FDragTabObject->DockControl() == static_cast<const IDeckTabDockControl*>(this);
}

bool TCustomDeckTabs::ActiveDragDockedHere() const
{
    return FActiveDragTabObject
           && FActiveDragTabObject->DockControl() == static_cast<const IDeckTabDockControl*>(this);
}

TCustomDeckTabs* TCustomDeckTabs::FindDeckTabsAtPoint(TPoint Pt, int Range, int Step)
{
    if (Step <= 0)
        Step = 1;
    // The strip under the point itself wins; then the nearest square around it.
    if (TCustomDeckTabs* strip = StripAt(Pt))
        return strip;
    const int first = Range % Step == 0 ? Step : Range % Step;
    for (int r = first; r > 0 && r <= Range; r += Step) {
        const TPoint corners[] = {{Pt.X - r, Pt.Y - r}, {Pt.X + r, Pt.Y - r}, {Pt.X + r, Pt.Y + r}, {Pt.X - r, Pt.Y + r}};
        for (const TPoint& p : corners)
            if (TCustomDeckTabs* strip = StripAt(p))
                return strip;
    }
    return nullptr;
}

bool TCustomDeckTabs::InsideDropArea(int X, int Y)
{
    // A tab from another strip lands only where drags between strips are on.
    if (!HasState(stsDragging))
        return FOptions->DragDrop()->DragType() == dtBetweenContainers;
    if (FOptions->DragDrop()->DragType() == dtNone)
        return true;
    return PointInRect(BidiControlRect(FTabContainerRect), X, Y);
}

// Events

void TCustomDeckTabs::DoOnNeedDragImageControl(TDeckTab* ATab, TWinControl*& DragControl)
{
    if (OnNeedDragImageControl)
        OnNeedDragImageControl(this, ATab, DragControl);
}

void TCustomDeckTabs::DoOnCreateDragForm(TDeckTab* ATab, TForm*& DragForm)
{
    if (OnCreateDragForm)
        OnCreateDragForm(this, ATab, DragForm);
}

void TCustomDeckTabs::DoOnTabDragStart(TDeckTab* ATab, bool& Allow)
{
    if (OnTabDragStart)
        OnTabDragStart(this, ATab, Allow);
}

void TCustomDeckTabs::DoOnTabDragOver(int X, int Y, TDragState State, TDragTabObjectRef DragTabObject, bool& Accept)
{
    if (OnTabDragOver)
        OnTabDragOver(this, X, Y, State, DragTabObject, Accept);
}

void TCustomDeckTabs::DoOnTabDragDrop(int X, int Y, TDragTabObjectRef DragTabObject, bool Cancelled,
                                      TTabDropOptions& TabDropOptions)
{
    if (OnTabDragDrop)
        OnTabDragDrop(this, X, Y, DragTabObject, Cancelled, TabDropOptions);
}

void TCustomDeckTabs::DoOnTabDragDropped(TDragTabObjectRef DragTabObject, TDeckTab* NewTab)
{
    if (OnTabDragDropped)
        OnTabDragDropped(this, DragTabObject, NewTab);
}

void TCustomDeckTabs::DoOnTabDragEnd(int MouseX, int MouseY, bool Cancelled)
{
    if (OnTabDragEnd)
        OnTabDragEnd(this, MouseX, MouseY, Cancelled);
}

void TCustomDeckTabs::DoOnAfterDragImageCreated()
{
    if (OnAfterDragImageCreated)
        OnAfterDragImageCreated(this);
}

// Source side

bool TCustomDeckTabs::DragMouseMove(int X, int Y, const THitTestResult& Hit)
{
    TDeckTabsDragOptions* drag = FOptions->DragDrop();
    const bool dragging = drag->DragType() == dtWithinContainer || drag->DragType() == dtBetweenContainers;
    if (!HasState(stsDragging) && dragging && HasState(stsMouseDown) && FMouseButton == mbLeft
        && FMouseDownHitTest.HitTestArea == htTab && Hit.HitTestArea == htTab) {
        const int d = drag->DragStartPixels();
        if (!(std::abs(X - FMouseDownPoint.X) < d && std::abs(Y - FMouseDownPoint.Y) < d))
            BeginDrag(FMouseDownPoint.X, FMouseDownPoint.Y);
    }
    if (!FDragTabObject || FDragTabObject->SourceControl() != static_cast<IDeckTabDockControl*>(this))
        return false;
    FDragTabObject->SetDragOverType(dotNone);
    if (drag->DragType() == dtWithinContainer) {
        FDragTabObject->SetDragOverType(dotHomeContainer);
        bool accept = false;
        DragOver(this, X, Y, dsDragMove, FDragTabObject, accept);
    } else if (drag->DragType() == dtBetweenContainers) {
        DragMoveBetweenContainers(X, Y);
    }
    RemoveState(stsDragStarted);
    return true;
}

void TCustomDeckTabs::DragMoveBetweenContainers(int X, int Y)
{
    const TDragTabObjectRef drag = FDragTabObject;
    const TPoint p = ClientToScreen({X, Y});
    TCustomDeckTabs* target = FindDeckTabsAtPoint(p, FOptions->DragDrop()->DragOutsideDistancePixels(), 5);
    if (target)
        DoOnDebugLog(QStringLiteral("DeckTabs (%s) found at X: %d, Y: %d"), {target->Name(), p.X, p.Y});
    else
        DoOnDebugLog(QStringLiteral("No DeckTabs found at X: %d, Y: %d"), {p.X, p.Y});
    bool accept = false;
    IDeckTabDockControl* dock = drag->DockControl();
    if (target) {
        accept = true;
        const TPoint c = target->ScreenToClient(p);
        // Every strip but the home one the tab is docked on is asked first.
        if (dock != static_cast<IDeckTabDockControl*>(this) || target != this)
            target->DragOver(this, c.X, c.Y, dsDragEnter, drag, accept);
        if (accept) {
            if (dock && dock != static_cast<IDeckTabDockControl*>(target)) {
                const TPoint d = ClientPointOf(dock, p);
                bool leaveAccept = false;
                dock->DragOver(this, d.X, d.Y, dsDragLeave, drag, leaveAccept);
            }
            drag->SetDockControl(target);
            drag->SetDragOverType(target == this ? dotHomeContainer : dotRemoteContainer);
            bool moveAccept = false;
            target->DragOver(this, c.X, c.Y, dsDragMove, drag, moveAccept);
            if (drag->DockControl() == static_cast<IDeckTabDockControl*>(this))
                Redraw();
        }
    } else if (dock) {
        const TPoint d = ClientPointOf(dock, p);
        bool leaveAccept = false;
        dock->DragOver(this, d.X, d.Y, dsDragLeave, drag, leaveAccept);
        drag->SetDockControl(nullptr);
    }
    MoveDragForm(X, Y, !accept);
}

void TCustomDeckTabs::BeginDrag(int MouseX, int MouseY)
{
    ClearSmartDeleteStates();
    const THitTestResult h = HitTest({MouseX, MouseY}, false);
    if (h.TabIndex == -1) {
        EndDrag(MouseX, MouseY, true);
        return;
    }
    TDeckTab* tab = FTabs->Items(h.TabIndex);
    const TDeckTabDragType type = FOptions->DragDrop()->DragType();
    bool allow = type == dtWithinContainer || type == dtBetweenContainers;
    DoOnTabDragStart(tab, allow);
    if (!allow) {
        EndDrag(MouseX, MouseY, true);
        return;
    }
    SetMovementAnimation(FOptions->Animation()->MovementAnimations()->TabMove());
    auto drag = std::make_shared<TDragTabObject>();
    FDragTabObject = drag;
    AddState(stsDragging);
    AddState(stsDragStarted);
    const TRect r = GetTabControl(h.TabIndex)->ControlRect();
    drag->SetDragTab(tab);
    drag->SetDragCursorOffset({MouseX - BidiXPos(r.Left) + BidiScrollOffset(), MouseY - r.Top});
    drag->SetHideAddButton(false);
    drag->SetDragPoint(FMouseDownPoint);
    drag->SetOriginalControlRect(r);
    drag->SetDropTabIndex(h.TabIndex);
    drag->SetOriginalCursor(Screen->Cursor());
    drag->SetSourceControl(this);
    drag->SetDockControl(this);
    drag->SetDragOverType(dotHomeContainer);
    Screen->SetCursor(FOptions->DragDrop()->DragCursor());
    bool accept = false;
    DragOver(this, MouseX, MouseY, dsDragEnter, FDragTabObject, accept);
}

void TCustomDeckTabs::EndDrag(int MouseX, int MouseY, bool Cancelled)
{
    const TDragTabObjectRef drag = FDragTabObject;
    TTabDropOptions options;
    std::exception_ptr failure;
    auto guarded = [&failure](auto&& Step) {
        try {
            Step();
        } catch (...) {
            if (!failure)
                failure = std::current_exception();
        }
    };
    guarded([&] {
        if (!drag)
            return;
        Screen->SetCursor(drag->OriginalCursor());
        IDeckTabDockControl* dock = drag->DockControl();
        if (!dock) {
            // Dropped outside every strip: the tab goes unless the drag was cancelled.
            if (!Cancelled)
                options = {tdDeleteDraggedTab};
            DragDrop(this, MouseX, MouseY, drag, Cancelled, options);
            if (Cancelled)
                options = {};
            return;
        }
        const bool home = dock == static_cast<IDeckTabDockControl*>(this);
        const TPoint p = ClientPointOf(dock, ClientToScreen({MouseX, MouseY}));
        // A cancelled drag moves, deletes and creates nothing, whatever the handlers say.
        if (!Cancelled)
            options = home ? TTabDropOptions{tdMoveTab} : TTabDropOptions{tdDeleteDraggedTab, tdCreateDroppedTab};
        dock->DragDrop(this, p.X, p.Y, drag, Cancelled, options);
        if (Cancelled)
            options = {};
        TDeckTab* newTab = nullptr;
        const int dragged = drag->DragTab()->Index();
        const int drop = drag->DropTabIndex();
        if (!Cancelled && !home) {
            if (options.Contains(tdCreateDroppedTab))
                newTab = dock->InsertDroppedTab();
        } else if (!Cancelled && drop != -1 && drop != dragged) {
            AddState(stsCompletingDrag);
            if (options.Contains(tdMoveTab))
                FTabs->Move(dragged, drop);
        } else {
            AddState(stsCancellingDrag);
            Redraw();
        }
        bool accept = false;
        dock->DragOver(this, p.X, p.Y, dsDragLeave, drag, accept);
        if (newTab)
            DoOnTabDragDropped(drag, newTab);
    });
    if (drag) {
        if (IDeckTabDockControl* dock = drag->DockControl()) {
            const TPoint p = ClientPointOf(dock, ClientToScreen({MouseX, MouseY}));
            guarded([&] { dock->DragEnd(p.X, p.Y, Cancelled); });
        }
        if (IDeckTabDockControl* source = drag->SourceControl())
            guarded([&] { source->DragEnd(MouseX, MouseY, Cancelled); });
    }
    FDragTabObject.reset();
    FActiveDragTabObject.reset();
    FDragTabControl = nullptr;
    FDragCancelled = false;
    if (drag && options.Contains(tdDeleteDraggedTab)) {
        // The dragged tab itself, should a handler have moved the activation.
        for (int i = 0; i < FTabs->Count(); ++i)
            if (FTabs->Items(i) == drag->DragTab()) {
                guarded([&] { DeleteTab(i); });
                break;
            }
    }
    RemoveState(stsDragging);
    if (failure)
        std::rethrow_exception(failure);
}

bool TCustomDeckTabs::CancelDragKey(TMessage& Message)
{
    if (!FDragTabObject || !HasState(stsDragging) || Message.WParam != WPARAM(VK_ESCAPE))
        return false;
    FDragCancelled = true;
    SendMessage(this, WM_LBUTTONUP, 0, 0);
    Message.Result = 1;
    return true;
}

// Dock side

void TCustomDeckTabs::DragOver(TObject*, int X, int Y, TDragState State, TDragTabObjectRef DragTabObject,
                               bool& Accept)
{
    Accept = InsideDropArea(X, Y);
    DoOnTabDragOver(X, Y, State, DragTabObject, Accept);
    AddState(stsControlPositionsInvalidated);
    if (!Accept && State != dsDragLeave)
        return;
    FActiveDragTabObject = DragTabObject;
    TDeckTabsScrollOptions* scrolling = FOptions->Scrolling();
    if (State != dsDragLeave && scrolling->Enabled() && scrolling->DragScroll()) {
        const TRect r = BidiControlRect(FTabContainerRect);
        const int offset = scrolling->DragScrollOffset();
        DoOnDebugLog(QStringLiteral("Drag - X: %d, Bidi Left: %d, Offset: %d"), {X, r.Left, offset});
        if (X >= r.Right - offset)
            ScrollTabs(mdsRight, true);
        else if (X <= r.Left + offset)
            ScrollTabs(mdsLeft, true);
        else
            FScrollTimer->SetEnabled(false);
    }
    const bool fromHere = DragTabObject->SourceControl() == static_cast<IDeckTabDockControl*>(this);
    switch (State) {
    case dsDragEnter:
        if (fromHere) {
            FDragTabControl = GetTabControl(ActiveTabIndex());
        } else if (!FDragTabControl) {
            FDragTabControl = new TDeckTabControl(this, DragTabObject->DragTab());
            SetControlDrawState(FDragTabControl, dsActive, true);
            if (TDeckTabControl* active = GetTabControl(ActiveTabIndex()))
                SetControlDrawState(active, dsNotActive, true);
        }
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(false);
        break;
    case dsDragLeave:
        if (FDragTabControl)
            FDragTabControl->SetScrollableControl(true);
        FScrollTimer->SetEnabled(false);
        if (OwnDragDockedHere() || fromHere) {
            FDragTabControl = nullptr;
        } else {
            if (TDeckTabControl* active = GetTabControl(ActiveTabIndex()))
                SetControlDrawState(active, dsActive, true);
            delete std::exchange(FDragTabControl, nullptr);
        }
        if (DragTabObject->SourceControl() == DragTabObject->DockControl())
            DragTabObject->SetHideAddButton(true);
        FActiveDragTabObject.reset();
        AddState(stsControlPositionsInvalidated);
        Redraw();
        break;
    case dsDragMove: Redraw(); break;
    }
}

void TCustomDeckTabs::DragDrop(TObject*, int X, int Y, TDragTabObjectRef DragTabObject, bool Cancelled,
                               TTabDropOptions& TabDropOptions)
{
    AddState(stsControlPositionsInvalidated);
    if (FDragTabControl) {
        // From client to layout coordinates, so the next layout animates from the drop point.
        const TRect r = FDragTabControl->ControlRect();
        SetControlPosition(FDragTabControl, {r.Left + FScrollOffset, r.Top, r.Right + FScrollOffset, r.Bottom}, false);
    }
    DoOnTabDragDrop(X, Y, DragTabObject, Cancelled, TabDropOptions);
}

TDeckTab* TCustomDeckTabs::InsertDroppedTab()
{
    if (!FActiveDragTabObject)
        return nullptr;
    const TDragTabObjectRef drag = FActiveDragTabObject;
    TDeckTab* tab = nullptr;
    BeginUpdate();
    try {
        AddState(stsAddingDroppedTab);
        try {
            tab = FTabs->Add();
        } catch (...) {
            RemoveState(stsAddingDroppedTab);
            throw;
        }
        RemoveState(stsAddingDroppedTab);
        TDeckTab* from = drag->DragTab();
        tab->SetData(from->Data());
        tab->SetCaption(from->Caption());
        tab->SetImageIndex(from->ImageIndex());
        tab->SetImageIndexOverlay(from->ImageIndexOverlay());
        tab->SetPinned(from->Pinned());
        tab->SetSpinnerState(from->SpinnerState());
        tab->SetTag(from->Tag());
        tab->SetVisible(from->Visible());
        tab->SetModified(from->Modified());
        const int index = std::clamp(drag->DropTabIndex(), 0, FTabs->Count() - 1);
        FTabs->Move(tab->Index(), index);
        if (FDragTabControl)
            if (TDeckTabControl* c = GetTabControl(tab->Index()))
                SetControlPosition(c, FDragTabControl->ControlRect(), false);
        tab->SetActive(true);
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
    return tab;
}

void TCustomDeckTabs::DragEnd(int MouseX, int MouseY, bool Cancelled)
{
    DoOnTabDragEnd(MouseX, MouseY, Cancelled);
    AddState(stsControlPositionsInvalidated);
    Redraw();
}

// Layout of the placeholder

bool TCustomDeckTabs::PlaceDragPlaceholder(int TabWidth, bool Pinned, int& Width)
{
    Width = 0;
    if (!FActiveDragTabObject || !FDragTabControl || !FActiveDragTabObject->DragTab()
        || FActiveDragTabObject->DragTab()->Pinned() != Pinned)
        return false;
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    if (tabs->TabWidthFromContent())
        Width = ClampedTabWidthByContent(FDragTabControl) + tabs->TabOverlap();
    else
        Width = std::max(tabs->TabOverlap() + TabWidth, tabs->MinWidth());
    int cx = std::min(FActiveDragTabObject->DragCursorOffset().X, Width - tabs->TabOverlap());
    IDeckTabDockControl* source = FActiveDragTabObject->SourceControl();
    if (source && LeftToRight(source->GetBiDiMode()) != LeftToRight(BiDiMode()))
        cx = -cx;
    const TPoint m = ScreenToClient(GetCursorPos());
    int left = BidiXPos(m.X - cx);
    if (FOptions->DragDrop()->ContrainDraggedTabWithinContainer()) {
        TDeckTabsAddButtonProperties* add = FOptions->Display()->AddButton();
        int max = FTabContainerRect.Right;
        if (add->Visibility() == avRightFloating)
            max += add->Width() + add->Offsets()->Horizontal();
        const int width = RectWidth(FDragTabControl->ControlRect());
        const int min = tabs->OffsetLeft() + FOptions->Display()->TabContainer()->PaddingLeft();
        if (left + width > max)
            left = max - width;
        else if (left < min)
            left = min;
    }
    SetControlPosition(FDragTabControl, {left, tabs->OffsetTop(), left + Width, ClientHeight() - tabs->OffsetBottom()},
                       false);
    return true;
}

bool TCustomDeckTabs::PlaceholderAt(int Index, bool Pinned, int& P)
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    const TRect r = FDragTabControl->ControlRect();
    const int w = RectWidth(r);
    if (!(r.Left + FScrollOffset + w / 2 + tabs->TabOverlap() / 2 < P + w))
        return false;
    const TDragTabObjectRef drag = FActiveDragTabObject;
    if (drag->DockControl() == static_cast<IDeckTabDockControl*>(this)) {
        P += w - tabs->TabOverlap();
        FScrollWidth += w - tabs->TabOverlap();
    }
    if (!Pinned && drag->DragTab() == FTabs->Items(FTabs->Count() - 1))
        drag->SetHideAddButton(FOptions->Display()->AddButton()->Visibility() == avRightFloating);
    int drop = Index;
    if (drag->SourceControl() == static_cast<IDeckTabDockControl*>(this) && drag->DragTab()->Index() < Index)
        --drop;
    drag->SetDropTabIndex(drop);
    return true;
}

void TCustomDeckTabs::PlaceholderAfterGroup(int LastIndex, bool Pinned, int& P)
{
    TDeckTabsOptions* tabs = FOptions->Display()->Tabs();
    const TDragTabObjectRef drag = FActiveDragTabObject;
    const bool floating = FOptions->Display()->AddButton()->Visibility() == avRightFloating;
    const int end = OwnDragDockedHere() ? LastIndex : LastIndex + 1;
    if (Pinned && drag->DragTab()->Pinned()) {
        P += RectWidth(FDragTabControl->ControlRect()) - tabs->TabOverlap();
        if (GetPinnedTabCount() == FTabs->Count())
            drag->SetHideAddButton(floating);
    } else {
        drag->SetHideAddButton(floating);
    }
    if (FTabs->Count() > 0)
        if (TDeckTabControl* c = GetTabControl(FTabs->Count() - 1))
            FScrollWidth += RectWidth(c->ControlRect());
    drag->SetDropTabIndex(end);
}

// Drag image window

TForm* TCustomDeckTabs::CreateDragForm(TDeckTab* Tab)
{
    TDeckTabsDragOptions* options = FOptions->DragDrop();
    if (options->DragDisplay() == ddCursor)
        return nullptr;
    TForm* form = nullptr;
    DoOnCreateDragForm(Tab, form);
    if (!form)
        form = MakeDragImageForm(Tab);
    DoOnAfterDragImageCreated();
    return form;
}

TForm* TCustomDeckTabs::MakeDragImageForm(TDeckTab* Tab)
{
    TDeckTabsDragOptions* options = FOptions->DragDrop();
    TDeckTabDragDisplay display = options->DragDisplay();
    TWinControl* control = nullptr;
    if (display == ddControl || display == ddTabAndControl) {
        DoOnNeedDragImageControl(Tab, control);
        if (!control)
            display = ddTab;
    }
    TDeckTabControl* tabControl = GetTabControl(Tab->Index());
    if (!tabControl || !FDragTabObject)
        return nullptr;
    const double factor = options->DragControlImageResizeFactor();
    const TPoint cursor = FDragTabObject->DragCursorOffset();
    const int x0 = cursor.X + (IsRightToLeftLayout() ? ClientWidth() : 0);
    TPoint offset = display == ddTab ? TPoint{x0, cursor.Y}
                                     : TPoint{int(std::nearbyint(factor * x0)), int(std::nearbyint(factor * cursor.Y))};
    const bool bottom = FOptions->Display()->Tabs()->Orientation() == toBottom;
    const int ht = RectHeight(tabControl->ControlRect()), wt = RectWidth(tabControl->ControlRect());
    const int hc = control ? control->ClientHeight() : 0, wc = control ? control->ClientWidth() : 0;
    TBitmap image;
    int tabY = 0, controlY = 0;
    switch (display) {
    case ddControl: image.SetSize(wc, hc); break;
    case ddTabAndControl:
        image.SetSize(wc, ht + hc);
        if (bottom) {
            tabY = hc - 1;
            offset.Y += int(std::nearbyint(factor * hc));
        } else {
            controlY = ht;
        }
        break;
    default: image.SetSize(wt, ht); break;
    }
    if (control)
        CopyControlImage(control, &image, 0, controlY);
    if (display != ddControl)
        DrawTabImage(tabControl, &image, tabY, control ? wc : 0);
    if (control) {
        TGPGraphics graphics(image.Canvas()->Handle());
        const int bw = options->DragFormBorderWidth(), h = bw / 2;
        const float w = float(image.Width()), hh = float(image.Height());
        const float lx = display == ddTabAndControl ? float(wt) : 0.0f, yc = float(controlY);
        TGPPen pen(MakeGPColor(options->DragFormBorderColor(), 255), float(bw));
        graphics.DrawLine(&pen, lx, yc, w - h, yc);
        graphics.DrawLine(&pen, w - h, yc, w - h, hh - h);
        graphics.DrawLine(&pen, w - h, hh - h, 0, hh - h);
        graphics.DrawLine(&pen, 0, yc, 0, hh - h);
    }
    const bool tabOnly = display == ddTab;
    TBitmap scaled;
    ScaleBitmap(&image, &scaled, tabOnly ? 1.0 : factor);
    ConvertToAlphaBitmap(&scaled);
    SetColorAlpha(&scaled, DragImageKeyColor, 0);
    TForm* form = CreateAlphaForm(this, &scaled, tabOnly ? 255 : options->DragOutsideImageAlpha());
    form->SetBorderStyle(bsNone);
    FDragTabObject->SetDragFormOffset(offset);
    return form;
}

// The tab drawn at (0, TabY) on the key colour; with a control image of
// width ControlWidth a wider tab is narrowed to ControlWidth - 10.
void TCustomDeckTabs::DrawTabImage(TDeckTabControl* TabControl, TBitmap* Image, int TabY, int ControlWidth)
{
    const TRect saved = TabControl->ControlRect();
    const int ht = RectHeight(saved);
    TCanvas* canvas = Image->Canvas();
    canvas->Brush()->SetColor(DragImageKeyColor);
    canvas->Brush()->SetStyle(bsSolid);
    if (FOptions->Display()->Tabs()->Orientation() == toBottom)
        canvas->FillRect({0, Image->Height() - ht, Image->Width(), Image->Height()});
    else
        canvas->FillRect({0, 0, Image->Width(), ht - 1});
    TGPGraphics graphics(canvas->Handle());
    graphics.SetSmoothingMode(FOptions->Display()->Tabs()->CanvasSmoothingMode);
    TabControl->SetScrollableControl(false);
    try {
        int width = RectWidth(saved);
        if (ControlWidth > 0 && width > ControlWidth - 10)
            width = ControlWidth - 10;
        SetControlPosition(TabControl, {0, TabY, width, TabY + ht}, false);
        TabControl->DrawTo(&graphics, FLastMouseX, FLastMouseY, nullptr);
    } catch (...) {
        TabControl->SetScrollableControl(true);
        SetControlPosition(TabControl, saved, false);
        throw;
    }
    TabControl->SetScrollableControl(true);
    SetControlPosition(TabControl, saved, false);
}

void TCustomDeckTabs::MoveDragForm(int X, int Y, bool Visible)
{
    if (!FDragTabObject)
        return;
    const TPoint p = ClientToScreen({X, Y});
    if (!FDragTabObject->DragForm() && Visible)
        FDragTabObject->SetDragForm(CreateDragForm(FDragTabObject->DragTab()));
    TCustomForm* form = FDragTabObject->DragForm();
    if (!form)
        return;
    // Off every screen first, so that it never flashes at an old place.
    if (!form->Visible())
        form->SetBounds(99999999, 99999999, form->Width(), form->Height());
    const TPoint offset = FDragTabObject->DragFormOffset();
    form->SetBounds(p.X - offset.X, p.Y - offset.Y, form->Width(), form->Height());
    form->SetVisible(Visible);
}

// A strip going away in the middle of a drag

void TCustomDeckTabs::AbandonDrag()
{
    const bool own = FDragTabObject != nullptr;
    if (const TDragTabObjectRef drag = FDragTabObject) {
        // The strip the tab is over lets go of the drag and its stand-in.
        IDeckTabDockControl* dock = drag->DockControl();
        if (dock && dock != static_cast<IDeckTabDockControl*>(this)) {
            bool accept = false;
            try {
                dock->DragOver(this, 0, 0, dsDragLeave, drag, accept);
            } catch (...) {
            }
        }
        drag->SetDockControl(nullptr);
        drag->SetSourceControl(nullptr);
        Screen->SetCursor(drag->OriginalCursor());
        FDragTabObject.reset();
    }
    if (const TDragTabObjectRef drag = FActiveDragTabObject) {
        // A drag from another strip docked here goes on over no strip.
        if (drag->DockControl() == static_cast<IDeckTabDockControl*>(this))
            drag->SetDockControl(nullptr);
        if (!own && drag->SourceControl() != static_cast<IDeckTabDockControl*>(this))
            delete std::exchange(FDragTabControl, nullptr);
        FActiveDragTabObject.reset();
    }
    FDragTabControl = nullptr;
}
