#include "platform/controls/InplaceEdit.h"
#include "platform/controls/CustomGrid.h"

TInplaceEdit::TInplaceEdit(TComponent* AOwner) : TCustomMemo(AOwner)
{
    SetBorderStyle(bsNone);
    SetWordWrap(false);
    SetWantReturns(false);
    SetVisible(false);
    SetTabStop(false);
}

void TInplaceEdit::SetEditMask(const QString& value)
{
    QString text = Text();
    FMask.SetMask(value);
    SetText(QString());
    SetText(text);
}

QString TInplaceEdit::DisplayFromText(const QString& Text) const
{
    return IsMasked() ? FMask.EditTextFromText(Text) : TCustomMemo::DisplayFromText(Text);
}

QString TInplaceEdit::TextFromDisplay(const QString& Display) const
{
    return IsMasked() ? FMask.TextFromEdited(Display) : TCustomMemo::TextFromDisplay(Display);
}

bool TInplaceEdit::MaskDelete(int Key)
{
    if (!IsMasked() || ReadOnly() || (Key != VK_BACK && Key != VK_DELETE))
        return false;
    QString display = Display();
    int start = FMask.Delete(display, SelStart(), SelLength(), Key == VK_BACK);
    if (display != Display())
        SetDisplay(display, start);
    else
        SetSelStart(start);
    return true;
}

bool TInplaceEdit::MaskType(QChar Key)
{
    if (!IsMasked() || Key.unicode() < 0x20)
        return false;
    if (ReadOnly())
        return true;
    QString display = Display();
    int pos = SelStart();
    if (SelLength() > 0)
        FMask.Clear(display, pos, pos + SelLength());
    if (FMask.Type(display, pos, Key))
        SetDisplay(display, pos);
    return true;
}

void TInplaceEdit::UpdateContents()
{
    if (!FGrid)
        return;
    SetText(QString());
    SetEditMask(FGrid->GetEditMask(FGrid->Col(), FGrid->Row()));
    SetText(FGrid->GetEditText(FGrid->Col(), FGrid->Row()));
    SetMaxLength(FGrid->GetEditLimit());
    SetModified(false);
}

void TInplaceEdit::Move(const TRect& Loc)
{
    SetBoundsRect(Loc);
    SetVisible(true);
    if (FGrid && FGrid->Focused())
        SetFocus();
}

void TInplaceEdit::HideEditor()
{
    if (!Visible())
        return;
    bool hadFocus = Focused();
    SetVisible(false);
    if (hadFocus && FGrid && FGrid->CanFocus())
        FGrid->SetFocus();
}

void TInplaceEdit::Deselect() { SetSelection(Display().size(), Display().size()); }

void TInplaceEdit::KeyDown(int& Key, TShiftState Shift)
{
    if (!FGrid) {
        TCustomMemo::KeyDown(Key, Shift);
        if (MaskDelete(Key))
            Key = 0;
        return;
    }
    auto sendToGrid = [&] {
        FGrid->KeyDown(Key, Shift);
        Key = 0;
    };
    bool forward = FGrid->Options().Contains(goAlwaysShowEditor);
    bool ctrl = Shift.Contains(ssCtrl);
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    int len = int(Display().size());
    bool leftSide = caret == 0 && (anchor == 0 || anchor == len);
    bool rightSide = caret == len && (anchor == len || anchor == 0);
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_ESCAPE: sendToGrid(); break;
    case VK_INSERT:
        if (Shift.Empty())
            sendToGrid();
        else if (Shift == TShiftState{ssShift} && !FGrid->CanEditModify())
            Key = 0;
        break;
    case VK_LEFT:
    case VK_HOME:
        if (forward && (ctrl || leftSide))
            sendToGrid();
        break;
    case VK_RIGHT:
    case VK_END:
        if (forward && (ctrl || rightSide))
            sendToGrid();
        break;
    case VK_TAB:
        if (!Shift.Contains(ssAlt))
            sendToGrid();
        break;
    case VK_DELETE:
        if (ctrl)
            sendToGrid();
        else if (!FGrid->CanEditModify())
            Key = 0;
        break;
    }
    if (Key != 0) {
        // The grid's OnKeyDown sees the keys the editor keeps, too.
        if (FGrid->OnKeyDown)
            FGrid->OnKeyDown(FGrid, Key, Shift);
        if (Key != 0)
            TCustomMemo::KeyDown(Key, Shift);
        if (Key != 0 && MaskDelete(Key))
            Key = 0;
    }
}

void TInplaceEdit::KeyPress(QChar& Key)
{
    if (!FGrid) {
        TCustomMemo::KeyPress(Key);
        if (!Key.isNull() && MaskType(Key))
            Key = QChar();
        return;
    }
    TControlGuard alive = Guard();
    FGrid->KeyPress(Key);
    if (alive.expired())
        return;
    if (Key.unicode() >= 32 && !FGrid->CanEditAcceptKey(Key))
        Key = QChar();
    switch (Key.unicode()) {
    case VK_TAB:
    case VK_ESCAPE: Key = QChar(); break;
    case VK_RETURN:
        if (SelLength() == int(Display().size()))
            Deselect();
        else
            SelectAll();
        Key = QChar();
        break;
    case 0: break;
    default:
        if ((Key == QChar(VK_BACK) || Key.unicode() >= 32 || Key == QChar(0x16) || Key == QChar(0x18))
            && !FGrid->CanEditModify())
            Key = QChar();
        break;
    }
    if (!Key.isNull())
        TCustomMemo::KeyPress(Key);
    if (!Key.isNull() && MaskType(Key))
        Key = QChar();
}

void TInplaceEdit::KeyUp(int& Key, TShiftState Shift)
{
    if (FGrid)
        FGrid->KeyUp(Key, Shift);
    if (Key != 0)
        TCustomMemo::KeyUp(Key, Shift);
}

void TInplaceEdit::WMGetDlgCode(TMessage& Message)
{
    TCustomMemo::WMGetDlgCode(Message);
    // As a multi-line edit it keeps Return and Escape from the form's
    // default and cancel buttons; both reach the grid.
    Message.Result |= DLGC_WANTALLKEYS;
    if (FGrid && FGrid->Options().Contains(goTabs))
        Message.Result |= DLGC_WANTTAB;
}
