#include "grid/foundation/EditBtn.h"
#include "grid/foundation/ThemedDraw.h"
#include "platform/controls/CustomControl.h"
#include "platform/controls/Menu.h"
#include "platform/controls/WinApi.h"
#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Frames.h"
#include <algorithm>

namespace {

// Width of the native frame of a bordered edit; the layout counts from inside it.
constexpr int FrameInset = 2;

bool IsPasteOrCut(int Key, TShiftState Shift)
{
    if (Shift.Contains(ssCtrl) && (Key == 'V' || Key == 'X'))
        return true;
    return Shift.Contains(ssShift) && (Key == VK_INSERT || Key == VK_DELETE);
}

int TextHeightOf(TFont* Font)
{
    TBitmap measure(1, 1);
    if (Font)
        measure.Canvas()->Font()->Assign(Font);
    return measure.Canvas()->TextHeight(QStringLiteral("0"));
}

} // namespace

// The unit text between the edit's text and its button.
class TUnitTextArea : public TCustomControl {
public:
    explicit TUnitTextArea(TSgUnitEditBtn* AOwner) : TCustomControl(AOwner), FEdit(AOwner)
    {
        FControlStyle -= csSetCaption;
        FControlStyle -= csAcceptsControls;
    }

protected:
    void Paint() override
    {
        TCanvas* c = Canvas();
        c->Font()->Assign(FEdit->Font());
        c->Font()->SetColor(clWindowText);
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(clWindow);
        const TRect r{0, 0, Width(), Height()};
        c->FillRect(r);
        TRect t = r;
        DrawText(c, FEdit->UnitID(), -1, &t, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override
    {
        TCustomControl::MouseDown(Button, Shift, X, Y);
        if (FEdit->CanFocus())
            FEdit->SetFocus();
    }

private:
    TSgUnitEditBtn* FEdit;
};

// Speed button

TProSpeedButton::TProSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

TSgEditButton* TProSpeedButton::Holder() const
{
    return dynamic_cast<TSgEditButton*>(Owner());
}

void TProSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FPressed = true;
    TSpeedButton::MouseDown(Button, Shift, X, Y);
    Invalidate();
}

void TProSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (Button == mbLeft)
        FPressed = false;
    TSpeedButton::MouseUp(Button, Shift, X, Y);
    Invalidate();
}

void TProSpeedButton::MouseEnter()
{
    TSpeedButton::MouseEnter();
    FHot = true;
    Invalidate();
}

void TProSpeedButton::MouseLeave()
{
    TSpeedButton::MouseLeave();
    FHot = false;
    Invalidate();
}

void TProSpeedButton::Paint()
{
    TCanvas* c = Canvas();
    if (!c)
        return;
    c->Font()->Assign(Font());
    TRect r{0, 0, Width(), Height()};
    const bool down = FPressed;
    TSgEditButton* holder = Holder();
    if (holder && holder->ButtonColor() != clNone) {
        FFlat = true;
        TColor fill = holder->ButtonColor();
        if (FHot && holder->ButtonColorHot() != clNone)
            fill = holder->ButtonColorHot();
        if (down && holder->ButtonColorDown() != clNone)
            fill = holder->ButtonColorDown();
        c->Brush()->SetStyle(bsSolid);
        c->Brush()->SetColor(fill);
        c->Pen()->SetColor(fill);
        c->FillRect(r);
    } else if (FIsWinXP && ThemeActiveNow() && holder &&
               DrawThemedPart(holder->HandleAllocated() ? holder->Handle() : nullptr, QStringLiteral("button"), c, 1,
                              down ? 3 : FHot ? 2 : 1, r)) {
    } else if (!FFlat) {
        DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_ADJUSTRECT | (down ? DFCS_PUSHED : 0u));
    } else {
        DrawEdge(c, r, down ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT | BF_MIDDLE);
        InflateRect(r, -1, -1);
    }
    TBitmap* glyph = Glyph();
    if (glyph && !glyph->Empty()) {
        const int x = glyph->Width() < Width() ? (Width() - glyph->Width()) / 2 : 0;
        const int y = glyph->Height() < Height() ? (Height() - glyph->Height()) / 2 : 0;
        const int shift = down ? 1 : 0;
        const TRect src{0, 0, glyph->Width(), glyph->Height()};
        c->BrushCopy(Bounds(x + shift, y + shift, src.Width(), src.Height()), glyph, src, glyph->TransparentColor());
    }
    if (!Caption().isEmpty()) {
        c->Font()->SetColor(clBlack);
        c->Brush()->SetStyle(bsClear);
        if (down)
            OffsetRect(r, 1, 1);
        DrawText(c, Caption(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        c->Brush()->SetStyle(bsSolid);
    }
}

// Button holder

TSgEditButton::TSgEditButton(TComponent* AOwner) : TWinControl(AOwner)
{
    FControlStyle -= csAcceptsControls;
    FControlStyle -= csSetCaption;
    FControlStyle += csOpaque;
    FButton = new TProSpeedButton(this);
    FButton->SetParent(this);
    FButton->OnClick = [](TObject*) {};
    FButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) { ButtonReleased(Button); };
    SetBounds(0, 0, 20, 25);
}

void TSgEditButton::SetFlat(bool value)
{
    FFlat = value;
    FButton->SetFlat(value);
}

void TSgEditButton::SetFocusControl(TWinControl* value)
{
    FFocusControl = value;
    if (value)
        value->FreeNotification(this);
}

void TSgEditButton::Notification(TComponent* AComponent, TOperation Operation)
{
    TWinControl::Notification(AComponent, Operation);
    if (Operation == TOperation::opRemove && AComponent == FFocusControl)
        FFocusControl = nullptr;
}

void TSgEditButton::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TWinControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (FButton && !IsLoading())
        FButton->SetBounds(0, 0, Width(), Height());
}

void TSgEditButton::WMSize(TWMSize& Message)
{
    TWinControl::WMSize(Message);
    if (FButton && !IsLoading())
        FButton->SetBounds(0, 0, Width(), Height());
}

void TSgEditButton::Loaded()
{
    TWinControl::Loaded();
    FButton->SetBounds(0, 0, Width(), Height());
}

void TSgEditButton::ButtonReleased(TMouseButton Button)
{
    if (Button != mbLeft)
        return;
    TControlGuard alive = Guard();
    if (OnClick)
        OnClick(this);
    if (alive.expired())
        return;
    if (FFocusControl && FFocusControl->TabStop() && FFocusControl->CanFocus() && !FFocusControl->Focused())
        FFocusControl->SetFocus();
    else if (TabStop() && !Focused() && CanFocus())
        SetFocus();
}

// Edit with button

TSgEditBtn::TSgEditBtn(TComponent* AOwner) : TCustomMaskEdit(AOwner)
{
    FControlStyle -= csSetCaption;
    FButton = new TSgEditButton(this);
    FButton->SetParent(this);
    FButton->SetBounds(0, 0, 18, 18);
    FButton->SetFocusControl(this);
    FButton->OnClick = [this](TObject* s) { ClickButton(s); };
    SetTabStop(true);
    SetText(QStringLiteral("0"));
}

TSgEditBtn::~TSgEditBtn()
{
    FButton = nullptr;
}

void TSgEditBtn::SetButtonWidth(int value)
{
    FButtonWidth = value;
    FButton->SetWidth(value);
}

void TSgEditBtn::SetIsWinXP(bool value)
{
    FIsWinXP = value;
    FButton->Button()->SetIsWinXP(value);
}

void TSgEditBtn::SetRightAlign(bool value)
{
    if (FRightAlign == value)
        return;
    FRightAlign = value;
    SetAlignment(value ? taRightJustify : taLeftJustify);
}

void TSgEditBtn::ClickButton(TObject* Sender)
{
    if (OnClickBtn)
        OnClickBtn(Sender);
}

void TSgEditBtn::KeyDown(int& Key, TShiftState Shift)
{
    // Backspace edits on its key press here; without typing it does nothing.
    if (Key == VK_BACK && !FEditorEnabled)
        Key = 0;
    if (IsPasteOrCut(Key, Shift) && (!FEditorEnabled || ReadOnly()))
        Key = 0;
    TCustomMaskEdit::KeyDown(Key, Shift);
    if (Key == VK_F4 && !Shift.Contains(ssCtrl) && !Shift.Contains(ssAlt) && GetKeyState(VK_LMENU) >= 0 &&
        GetKeyState(VK_RMENU) >= 0)
        ClickButton(this);
}

void TSgEditBtn::WMChar(TWMKey& Message)
{
    if (!FEditorEnabled) {
        Message.CharCode = 0;
        return;
    }
    TCustomMaskEdit::WMChar(Message);
}

void TSgEditBtn::Dispatch(TMessage& Message)
{
    if ((Message.Msg == WM_PASTE || Message.Msg == WM_CUT) && (!FEditorEnabled || ReadOnly()))
        return;
    TCustomMaskEdit::Dispatch(Message);
}

void TSgEditBtn::CMEnter(TMessage& Message)
{
    TCustomMaskEdit::CMEnter(Message);
    if (AutoSelect() && GetKeyState(VK_LBUTTON) >= 0)
        SelectAll();
}

int TSgEditBtn::MinHeight() const
{
    const int s = TextHeightOf(nullptr);
    const int f = TextHeightOf(Font());
    return f + std::min(s, f) / 4;
}

void TSgEditBtn::CreateWnd()
{
    TCustomMaskEdit::CreateWnd();
    SetEditRect();
}

void TSgEditBtn::SetBounds(int ALeft, int ATop, int AWidth, int AHeight)
{
    TCustomMaskEdit::SetBounds(ALeft, ATop, AWidth, AHeight);
    PlaceButton();
}

void TSgEditBtn::WMSize(TWMSize& Message)
{
    TCustomMaskEdit::WMSize(Message);
    const int min = MinHeight();
    if (Height() < min) {
        SetHeight(min);
        return;
    }
    PlaceButton();
}

void TSgEditBtn::PlaceButton()
{
    if (!FButton)
        return;
    const bool border = BorderStyle() == bsSingle;
    const int d = border ? 5 : 1;
    const int inset = border ? FrameInset : 0;
    FButton->SetBounds(Width() - FButton->Width() - d + inset, inset, FButton->Width(), Height() - d);
    SetEditRect();
}

void TSgEditBtn::SetEditRect()
{
    if (!HandleAllocated() || !FButton)
        return;
    const bool border = BorderStyle() == bsSingle;
    const int edge = border ? 1 : 3;
    const int inset = border ? FrameInset : 0;
    int right = Width() - inset - (FButton->Width() + FUnitSize + 5);
    if (FUnitSize > 0)
        right -= 3;
    TRect r{edge, edge, right, Height() + 1};
    Perform(EM_SETRECTNP, 0, LPARAM(&r));
}

// Unit edit

TSgUnitEditBtn::TSgUnitEditBtn(TComponent* AOwner) : TSgEditBtn(AOwner), FUnits(new TStringList)
{
    FUnitArea = new TUnitTextArea(this);
    FUnitArea->SetParent(this);
    FUnitSize = 20;
    SetRightAlign(true);
    PlaceButton();
}

TSgUnitEditBtn::~TSgUnitEditBtn()
{
    FUnitArea = nullptr;
    delete FUnits;
}

void TSgUnitEditBtn::SetUnits(TStrings* value)
{
    if (value)
        FUnits->Assign(value);
}

void TSgUnitEditBtn::SetUnitID(const QString& value)
{
    FUnitID = value;
    if (FUnitArea)
        FUnitArea->Invalidate();
    Invalidate();
}

void TSgUnitEditBtn::SetUnitSpace(int value)
{
    FUnitSize = value;
    PlaceButton();
    Invalidate();
}

void TSgUnitEditBtn::SetTextAndUnit(const QString& value)
{
    for (int i = 0; i < FUnits->Count(); ++i) {
        const QString u = FUnits->Strings(i);
        const int p = int(value.indexOf(u)) + 1;
        if (p > 0 && p == int(value.size()) - int(u.size()) + 1) {
            SetText(value.left(p - 1));
            SetUnitID(value.mid(p - 1));
            return;
        }
    }
}

TRect TSgUnitEditBtn::UnitRect() const
{
    const bool border = BorderStyle() == bsSingle;
    const int inset = border ? FrameInset : 0;
    const int right = Width() - inset - (FButton->Width() + 3);
    return TRect{right - FUnitSize, inset + 2, right, Height() - inset};
}

void TSgUnitEditBtn::PlaceButton()
{
    TSgEditBtn::PlaceButton();
    if (!FUnitArea)
        return;
    const TRect r = UnitRect();
    FUnitArea->SetVisible(!r.IsEmpty());
    FUnitArea->SetBounds(r.Left, r.Top, std::max(0, r.Width()), std::max(0, r.Height()));
}

void TSgUnitEditBtn::ClickButton(TObject* Sender)
{
    (void)Sender;
    if (OnClickBtn)
        OnClickBtn(this);
    TPopupMenu menu(nullptr);
    for (int i = 0; i < FUnits->Count(); ++i) {
        auto* item = new TMenuItem(&menu);
        item->SetCaption(FUnits->Strings(i));
        const int id = i + 1;
        item->OnClick = [this, id](TObject*) { Perform(WM_COMMAND, MakeWParam(id, 0), 0); };
        menu.Items()->Add(item);
    }
    const TPoint p = ClientToScreen(TPoint{ClientWidth() - 15, ClientHeight()});
    menu.SetPopupComponent(this);
    menu.Popup(p.X, p.Y);
}

void TSgUnitEditBtn::Dispatch(TMessage& Message)
{
    if (Message.Msg != WM_COMMAND) {
        TSgEditBtn::Dispatch(Message);
        return;
    }
    const TWMCommand c(Message);
    if (c.NotifyCode == EN_CHANGE)
        return;
    const int id = c.ItemID;
    if (id < 1 || id > FUnits->Count())
        return;
    const QString chosen = FUnits->Strings(id - 1);
    const bool differs = chosen != FUnitID;
    SetUnitID(chosen);
    if (differs && OnUnitChanged)
        OnUnitChanged(this, FUnitID);
}
