// The grid drop-down's typing and keys: the lookup list and LookupRow, the
// lookup of typed characters (found, narrowed or neither), the completion
// in the edit, the keys of the edit and those typed in the popup grid.
#include "grid/core/ProCustomGridDropDown.h"
#include "grid/core/ProCustomGridDropDownGrid.h"
#include "grid/dropdown/DropDownCompletion.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/WinApi.h"

using namespace ProCustomGridDropDownUnit;

namespace {

constexpr QChar Backspace(8);
constexpr QChar Tab(9);

// PgUp, PgDn, End, Home, Left, Up, Right, Down.
bool NavigationKey(int Key)
{
    return Key >= VK_PRIOR && Key <= VK_DOWN;
}

// The keys the popup grid moves on itself.
bool GridMoveKey(int Key)
{
    return Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME || Key == VK_UP || Key == VK_DOWN;
}

} // namespace

bool TCustomProGridDropDown::LookupRow(const QString& Value, QString& FullText, int& Row) const
{
    Row = -1;
    FullText.clear();
    if (FUseItems) {
        const auto text = [this](int i) { return FItems->Items(i)->ColumnText(FLookupColumn); };
        const int found = FindCompletion(Value, FItems->Count(), text, FCaseSensitive);
        if (found >= 0) {
            FullText = text(found);
            Row = found;
        }
        return found >= 0;
    }
    if (!FProColGrid)
        return false;
    const int fixed = FProColGrid->FixedRows();
    const auto text = [this, fixed](int i) { return FProColGrid->Cells(FLookupColumn, i + fixed); };
    const int found = FindCompletion(Value, FProColGrid->RowCount() - fixed, text, FCaseSensitive);
    if (found >= 0) {
        FullText = text(found);
        Row = found + fixed;
    }
    return found >= 0;
}

void TCustomProGridDropDown::ShowLookupText(const QString& Text)
{
    SetText(Text);
    if (FStyle != dsDropDown)
        return;
    const int typed = int(FLookupEntry.size());
    SetSelStart(typed);
    SetSelLength(std::max(int(EditText().size()) - typed, 0));
}

int TCustomProGridDropDown::LookupChar(QChar C)
{
    if (FLookupMethod == lmNone)
        return -1;
    if (C == Backspace) {
        if (SelLength() == 0) {
            FLookupEntry.chop(1);
            SetText(FLookupEntry);
        } else {
            QString text = EditText();
            text.remove(SelStart(), SelLength());
            SetText(text);
        }
        SetSelStart(int(EditText().size()));
        return -1;
    }
    if (C != Tab)
        FLookupEntry += C;
    const QString s = FLookupEntry.trimmed();
    if (FLookupMethod == lmNarrowDown) {
        TProColGrid* g = FProColGrid;
        if (!g)
            return -1;
        if (s.isEmpty()) {
            g->RemoveAllFilters();
        } else {
            g->SetFixedRowAlways(true);
            g->NarrowDown(s, FLookupColumn);
            if (FStyle == dsDropDown && g->RowCount() > g->FixedRows())
                ShowLookupText(g->Cells(FLookupColumn, g->FixedRows()));
        }
        return g->FixedRows();
    }
    QString full;
    int row = -1;
    if (!LookupRow(s, full, row)) {
        if (FStyle == dsDropDown)
            return -1;
        // The list style starts again with the character alone.
        if (!LookupRow(QString(C), full, row)) {
            FLookupEntry.clear();
            return -1;
        }
        FLookupEntry = C;
    }
    FItemIndex = FUseItems || !FProColGrid ? row : row - FProColGrid->FixedRows();
    ShowLookupText(full);
    return row;
}

// Typing in the edit

void TCustomProGridDropDown::WMChar(TWMKey& Message)
{
    const QChar c(char16_t(Message.CharCode));
    TControlGuard alive = Guard();
    TProCustomDropDown::WMChar(Message);
    if (alive.expired())
        return;
    // The edit takes the character before it is looked up.
    if (Message.CharCode != 0) {
        const TMessage m{Message.Msg, WPARAM(Message.CharCode), Message.KeyData, 0};
        Message.CharCode = 0;
        NativeDefault(this, m);
        if (alive.expired())
            return;
    }
    LookupChar(c);
    if (!alive.expired() && FAutoShowDropDown)
        ShowDropDown();
}

void TCustomProGridDropDown::Change()
{
    FItemChange = false;
    TProCustomDropDown::Change();
    if (ComponentState().Contains(TComponentStateFlag::csDesigning) || !FWorkMode)
        return;
    SetIsModified(!GetText().isEmpty());
    if (FLookupItems->Count() == 0)
        return;
    int anchor = 0, caret = 0;
    GetSelection(anchor, caret);
    const TCompletion c = CompleteEditText(
        this, EditText(), caret, FLookupItems->Count(), [this](int i) { return FLookupItems->Strings(i); },
        FMatchCase, [this](const QString& Text) { SetText(Text); });
    if (c.Changed) {
        FItemIndex = c.Index;
        FItemIdx = c.Index;
        FItemSel = c.Typed;
        FItemChange = true;
    }
}

// Keys of the edit

bool TCustomProGridDropDown::GridEditing() const
{
    return FProColGrid && FProColGrid->Options().Contains(goEditing) && FProColGrid->EditorMode();
}

void TCustomProGridDropDown::AcceptTypedEntry()
{
    const QString text = GetText();
    for (int i = 0; i < FLookupItems->Count(); ++i) {
        if (FLookupItems->Strings(i).compare(text, Qt::CaseInsensitive) != 0)
            continue;
        SetText(FLookupItems->Strings(i));
        SetItemIndex(i);
        Change();
        return;
    }
}

void TCustomProGridDropDown::KeyDown(int& Key, TShiftState Shift)
{
    if (Key == VK_RETURN && !Shift.Contains(ssShift) && GridEditing()) {
        FProColGrid->HideInplaceEdit();
        const int row = FProColGrid->Row();
        SetText(FProColGrid->Cells(FLookupColumn, row));
        SetItemIndex(row - FProColGrid->FixedRows());
        Key = 0;
        return;
    }
    if (FLookupColumn < 0 || FItems->Count() == 0) {
        TProCustomDropDown::KeyDown(Key, Shift);
        return;
    }
    const int key = Key;
    TControlGuard alive = Guard();
    if (key == VK_BACK || key == VK_ESCAPE || key == VK_DELETE) {
        FWorkMode = false;
    } else if (key == VK_RETURN) {
        AcceptTypedEntry();
        if (alive.expired())
            return;
        if (FReturnIsTab) {
            PostMessage(this, WM_KEYDOWN, VK_TAB, 0);
            Key = 0;
        }
    } else {
        FWorkMode = true;
    }
    if (key == VK_ESCAPE || NavigationKey(key))
        FLookupEntry.clear();
    TProCustomDropDown::KeyDown(Key, Shift);
    if (!alive.expired() && key == VK_ESCAPE)
        SetItemIndex(FLookupItems->IndexOf(GetText()));
}

void TCustomProGridDropDown::KeyPress(QChar& Key)
{
    if (Key == QChar(13) && FReturnIsTab) {
        Key = QChar(0);
        return;
    }
    TProCustomDropDown::KeyPress(Key);
}

void TCustomProGridDropDown::KeyUp(int& Key, TShiftState Shift)
{
    const int key = Key;
    TControlGuard alive = Guard();
    if (!(key == VK_RETURN && FReturnIsTab))
        TProCustomDropDown::KeyUp(Key, Shift);
    if (alive.expired())
        return;
    if (key == VK_RETURN && !Shift.Contains(ssShift) && GridEditing()) {
        if (FProColGrid->Col() == FLookupColumn)
            HideDropDown(false);
        else
            FProColGrid->HideInplaceEdit();
        if (alive.expired())
            return;
    }
    if (!FItemChange)
        return;
    SetItemIndex(FItemIdx);
    SetSelStart(int(Prefix().size()) + FItemSel);
    SetSelLength(std::max(int(GetText().size()) - FItemSel, 0));
    FItemChange = false;
}

void TCustomProGridDropDown::WMKeyDown(TWMKey& Message)
{
    const int key = Message.CharCode;
    if (key == VK_RETURN && FProColGrid)
        FProColGrid->SetConfirmSelection(true);
    TControlGuard alive = Guard();
    TProCustomDropDown::WMKeyDown(Message);
    if (alive.expired())
        return;
    // The edit deletes on Backspace's key-down, so its character never
    // comes; the lookup hears of it here.
    if (key == VK_BACK && Message.CharCode == 0 && Focused()) {
        LookupChar(QChar(8));
        if (alive.expired())
            return;
    }
    if (!Enabled() || GetKeyState(VK_MENU) < 0 || !GridMoveKey(key))
        return;
    FLookupEntry.clear();
    const int count = ItemCount();
    if (count == 0)
        return;
    const int index = FItemIndex;
    const bool list = FStyle == dsDropDownList && GetKeyState(VK_SHIFT) >= 0;
    int target = -1;
    switch (key) {
    case VK_PRIOR: target = index >= 0 && index - 10 >= 0 ? index - 10 : 0; break;
    case VK_NEXT: target = index < 0 ? 0 : std::min(index + 10, count - 1); break;
    case VK_END: target = list ? count - 1 : -1; break;
    case VK_HOME: target = list ? 0 : -1; break;
    case VK_UP: target = index < 0 ? 0 : index - 1; break;
    case VK_DOWN: target = index < 0 ? 0 : (index + 1 < count ? index + 1 : -1); break;
    default: break;
    }
    if (target >= 0)
        SetItemIndex(target);
}

void TCustomProGridDropDown::DoEnter()
{
    TProCustomDropDown::DoEnter();
    if (FProColGrid)
        FProColGrid->RemoveAllFilters();
    FLookupEntry.clear();
}

// Keys typed while the popup grid has the focus

void TCustomProGridDropDown::ControlKeyDown(int& Key, TShiftState Shift)
{
    if (Key != 0 && (!GridMoveKey(Key) || Shift.Contains(ssAlt)))
        TProCustomDropDown::ControlKeyDown(Key, Shift);
    CallEvent(OnGridKeyDown, this, Key, Shift);
}

void TCustomProGridDropDown::ControlKeyUp(int& Key, TShiftState Shift)
{
    if (GridMoveKey(Key) && !Shift.Contains(ssAlt))
        FLookupEntry.clear();
    else if (Key != 0)
        TProCustomDropDown::ControlKeyUp(Key, Shift);
    CallEvent(OnGridKeyUp, this, Key, Shift);
}

void TCustomProGridDropDown::ControlKeyPress(QChar& Key)
{
    TControlGuard alive = Guard();
    const bool alt = GetKeyState(VK_MENU) < 0;
    TProColGrid* g = FProColGrid;
    if (((Key == QChar(13) || Key == QChar(27)) && !alt) || (g && g->Options().Contains(goEditing))) {
        FLookupEntry.clear();
    } else {
        const int r = LookupChar(Key);
        if (alive.expired())
            return;
        g = FProColGrid;
        if (r == -1 || !g) {
            FLookupEntry.clear();
        } else {
            // The item's row wherever a sort put it.
            int row = r;
            if (FLookupMethod == lmLookup && FUseItems) {
                row = ItemIndexToRow(r);
                if (RowToItemIndex(row) != r)
                    row = -1;
            }
            if (row >= g->FixedRows() && row < g->RowCount()) {
                const int visible = g->VisibleRowCount();
                if (visible + g->FixedRows() < g->RowCount())
                    g->SetTopRow(std::min(row, std::max(g->RowCount() - visible, g->FixedRows())));
                g->SetRow(row);
                g->SetCol(0);
                g->RepaintRow(row);
                // Moving the row wrote the row's text; the typed part stays apart.
                if (FStyle == dsDropDown && EditText().size() >= FLookupEntry.size()) {
                    SetSelStart(int(FLookupEntry.size()));
                    SetSelLength(int(EditText().size() - FLookupEntry.size()));
                }
            } else {
                FLookupEntry.clear();
            }
        }
    }
    if (!alive.expired())
        CallEvent(OnGridKeyPress, this, Key);
}
