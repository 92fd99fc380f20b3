#include "platform/controls/CheckListBox.h"
#include "platform/rtl/Exceptions.h"

TCheckListBox::TCheckListBox(TComponent* AOwner) : TCustomListBox(AOwner) {}

void TCheckListBox::CheckIndex(int Index) const
{
    if (Index < 0 || Index >= int(FEntries.size()))
        throw EListError(QStringLiteral("List index out of bounds (%1)").arg(Index));
}

TCheckBoxState TCheckListBox::State(int Index) const
{
    CheckIndex(Index);
    return FEntries[std::size_t(Index)].State;
}

void TCheckListBox::SetState(int Index, TCheckBoxState value)
{
    CheckIndex(Index);
    FEntries[std::size_t(Index)].State = value;
    PushEntry(Index);
}

bool TCheckListBox::ItemEnabled(int Index) const
{
    CheckIndex(Index);
    return FEntries[std::size_t(Index)].Enabled;
}

void TCheckListBox::SetItemEnabled(int Index, bool value)
{
    CheckIndex(Index);
    FEntries[std::size_t(Index)].Enabled = value;
    PushEntry(Index);
}

void TCheckListBox::ClickCheck()
{
    CallEvent(OnClickCheck, this);
}

void TCheckListBox::Toggle(int Index)
{
    TEntry& e = FEntries[std::size_t(Index)];
    if (!e.Enabled)
        return;
    switch (e.State) {
    case cbUnchecked: e.State = FAllowGrayed ? cbGrayed : cbChecked; break;
    case cbChecked: e.State = cbUnchecked; break;
    case cbGrayed: e.State = cbChecked; break;
    }
    PushEntry(Index);
    ClickCheck();
}

void TCheckListBox::KeyPress(QChar& Key)
{
    TCustomListBox::KeyPress(Key);
    if (Key == u' ') {
        Key = QChar();
        int i = ItemIndex();
        if (i >= 0 && i < int(FEntries.size()))
            Toggle(i);
    }
}

// Each item keeps its state: entries are matched to the new items by text,
// in order, so inserting, deleting and sorting move the states along.
void TCheckListBox::ItemsChanged()
{
    std::vector<TEntry> old = std::move(FEntries);
    std::vector<bool> used(old.size(), false);
    FEntries.clear();
    for (int i = 0; i < Items()->Count(); ++i) {
        TEntry e;
        e.Text = Items()->Strings(i);
        for (std::size_t j = 0; j < old.size(); ++j) {
            if (!used[j] && old[j].Text == e.Text) {
                used[j] = true;
                e.State = old[j].State;
                e.Enabled = old[j].Enabled;
                break;
            }
        }
        FEntries.push_back(e);
    }
}
