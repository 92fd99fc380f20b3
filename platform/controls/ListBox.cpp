#include "platform/controls/ListBox.h"
#include "platform/controls/NativeControl.h"
#include "platform/graphics/Canvas.h"
#include "platform/rtl/Exceptions.h"
#include <algorithm>

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(new TStringList), FCanvas(new TCanvas)
{
    FControlStyle = {csSetCaption, csDoubleClicks};
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 121, 97);
    FItems->OnChange = [this](TObject*) {
        PullSelection();
        FSelected.assign(std::size_t(FItems->Count()), false);
        if (FItemIndex >= FItems->Count())
            FItemIndex = -1;
        ItemsChanged();
        PushItems();
    };
}

TCustomListBox::~TCustomListBox()
{
    FItems->OnChange = nullptr;
    DestroyHandleOnFree();
    delete FItems;
    delete FCanvas;
}

int TCustomListBox::ItemIndex() const
{
    const_cast<TCustomListBox*>(this)->PullSelection();
    return FItemIndex;
}

void TCustomListBox::SetItemIndex(int value)
{
    PullSelection();
    if (value < -1 || value >= FItems->Count())
        value = -1;
    FItemIndex = value;
    if (!FMultiSelect) {
        FSelected.assign(std::size_t(FItems->Count()), false);
        if (value >= 0)
            FSelected[std::size_t(value)] = true;
    }
    PushSelection();
}

void TCustomListBox::SetMultiSelect(bool value)
{
    if (FMultiSelect == value)
        return;
    PullSelection();
    FMultiSelect = value;
    RecreateWnd();
}

bool TCustomListBox::Selected(int Index) const
{
    const_cast<TCustomListBox*>(this)->PullSelection();
    if (Index < 0 || Index >= FItems->Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    return FSelected[std::size_t(Index)];
}

void TCustomListBox::SetSelected(int Index, bool value)
{
    PullSelection();
    if (Index < 0 || Index >= FItems->Count())
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
    if (!FMultiSelect) {
        FSelected.assign(std::size_t(FItems->Count()), false);
        FItemIndex = value ? Index : (FItemIndex == Index ? -1 : FItemIndex);
    }
    FSelected[std::size_t(Index)] = value;
    PushSelection();
}

int TCustomListBox::SelCount() const
{
    const_cast<TCustomListBox*>(this)->PullSelection();
    if (!FMultiSelect)
        return -1;
    return int(std::count(FSelected.begin(), FSelected.end(), true));
}

void TCustomListBox::SetStyle(TListBoxStyle value)
{
    if (FStyle == value)
        return;
    FStyle = value;
    RecreateWnd();
}

void TCustomListBox::SetItemHeight(int value)
{
    FItemHeight = std::max(value, 1);
    PushItems();
}

int TCustomListBox::ItemAtPos(TPoint Pos, bool Existing) const
{
    if (!ClientRect().Contains(Pos))
        return -1;
    for (int i = TopIndex(); i < FItems->Count(); ++i) {
        TRect r = ItemRect(i);
        if (r.Top > Pos.Y)
            break;
        if (Pos.Y >= r.Top && Pos.Y < r.Bottom)
            return i;
    }
    return Existing ? -1 : FItems->Count();
}

void TCustomListBox::DrawItem(int Index, TRect Rect, TOwnerDrawState State)
{
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    DrawListItemText(FCanvas, FItems, Index, Rect);
}

void TCustomListBox::WndProc(TMessage& Message)
{
    NativeWndProc(this, Message, [&] { TWinControl::WndProc(Message); });
}

void TCustomListBox::Dispatch(TMessage& Message)
{
    if (Message.Msg == CN_COMMAND)
        CallWithRecord<TWMCommand>(Message, this, &TCustomListBox::CNCommand);
    else
        TWinControl::Dispatch(Message);
}

void TCustomListBox::CNCommand(TWMCommand& Message)
{
    if (Message.NotifyCode == LBN_SELCHANGE)
        Click();
    else if (Message.NotifyCode == LBN_DBLCLK)
        DblClick();
}

void TCustomListBox::CMFontChanged(TMessage& Message)
{
    TWinControl::CMFontChanged(Message);
    NativeApplyFont(this);
}
