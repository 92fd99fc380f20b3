// The in-place editor protocol: created on first use, placed over the
// current cell, loaded through GetEditText and written back through
// SetEditText when it closes or the current cell moves.
#include "platform/controls/CustomGrid.h"
#include "platform/controls/InplaceEdit.h"

TInplaceEdit* TCustomGrid::CreateEditor() { return new TInplaceEdit(this); }

bool TCustomGrid::CanEditShow()
{
    return FOptions * TGridOptions{goRowSelect, goEditing} == TGridOptions{goEditing} && FEditorMode
        && !ComponentState().Contains(TComponentStateFlag::csDesigning) && HandleAllocated()
        && (FOptions.Contains(goAlwaysShowEditor) || IsActiveControl());
}

bool TCustomGrid::CanEditAcceptKey(QChar) const { return true; }

QString TCustomGrid::GetEditText(int, int) { return QString(); }
void TCustomGrid::SetEditText(int, int, const QString&) {}
QString TCustomGrid::GetEditMask(int, int) { return QString(); }

void TCustomGrid::SetEditorMode(bool value)
{
    if (!value) {
        HideEditor();
        return;
    }
    ShowEditor();
    if (FInplaceEdit)
        FInplaceEdit->Deselect();
}

void TCustomGrid::ShowEditor()
{
    FEditorMode = true;
    UpdateEdit();
}

void TCustomGrid::HideEditor()
{
    FEditorMode = false;
    if (!FInplaceEdit)
        return;
    // Write back first; the editor hides even when the write raises.
    struct Hide {
        TCustomGrid* G;
        ~Hide()
        {
            G->FInplaceCol = G->FInplaceRow = -1;
            if (G->FInplaceEdit)
                G->FInplaceEdit->HideEditor();
        }
    } hide{this};
    if (FInplaceCol != -1 && FInplaceRow != -1)
        SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
}

void TCustomGrid::InvalidateEditor()
{
    FInplaceCol = -1;
    FInplaceRow = -1;
    UpdateEdit();
}

void TCustomGrid::UpdateEdit()
{
    if (!CanEditShow())
        return;
    auto load = [this] {
        FInplaceCol = Col();
        FInplaceRow = Row();
        FInplaceEdit->UpdateContents();
        FCanEditModify = FInplaceEdit->MaxLength() != -1;
        FInplaceEdit->SelectAll();
    };
    if (!FInplaceEdit) {
        FInplaceEdit = CreateEditor();
        FInplaceEdit->SetGrid(this);
        FInplaceEdit->SetParent(this);
        FreeNotification(FInplaceEdit);
        load();
    } else if (Col() != FInplaceCol || Row() != FInplaceRow) {
        // Another cell: the old one takes the text, the new one loads.
        if (FInplaceCol != -1 && FInplaceRow != -1)
            SetEditText(FInplaceCol, FInplaceRow, FInplaceEdit->Text());
        load();
    }
    if (CanEditShow()) {
        TRect r = CellRect(Col(), Row());
        if (r.IsEmpty())
            FInplaceEdit->HideEditor();
        else
            FInplaceEdit->Move({r.Left + FrameSize(), r.Top + FrameSize(), r.Right + FrameSize(), r.Bottom + FrameSize()});
    }
}

void TCustomGrid::WMSetFocus(TWMFocus& Message)
{
    TCustomControl::WMSetFocus(Message);
    if (!FInplaceEdit || !FInplaceEdit->Focused()) {
        InvalidateRange(Selection());
        UpdateEdit();
    }
}

void TCustomGrid::WMKillFocus(TWMFocus& Message)
{
    TCustomControl::WMKillFocus(Message);
    InvalidateRange(Selection());
}

void TCustomGrid::DoExit()
{
    TCustomControl::DoExit();
    if (!FOptions.Contains(goAlwaysShowEditor))
        HideEditor();
}
