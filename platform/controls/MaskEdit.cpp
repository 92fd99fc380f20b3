#include "platform/controls/MaskEdit.h"

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner) : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const QString& value)
{
    QString text = Text();
    FMask.SetMask(value);
    SetText(QString());
    SetText(text);
}

void TCustomMaskEdit::SetEditText(const QString& value)
{
    if (!IsMasked()) {
        SetText(value);
        return;
    }
    QString display = FMask.EditTextFromText(FMask.TextFromEditText(value));
    SetDisplay(display, 0);
}

bool TCustomMaskEdit::IsComplete() const { return !IsMasked() || FMask.IsComplete(Display()); }

QString TCustomMaskEdit::DisplayFromText(const QString& Text) const
{
    return IsMasked() ? FMask.EditTextFromText(Text) : Text;
}

QString TCustomMaskEdit::TextFromDisplay(const QString& Display) const
{
    if (!IsMasked())
        return Display;
    // Pasted or cut text goes through the mask again.
    QString edit = Display.size() == FMask.Length() ? Display : FMask.EditTextFromText(Display);
    return FMask.TextFromEditText(edit);
}

void TCustomMaskEdit::KeyDown(int& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (!IsMasked() || ReadOnly() || (Key != VK_BACK && Key != VK_DELETE))
        return;
    QString display = Display();
    int start = SelStart();
    int length = SelLength();
    if (length > 0) {
        FMask.Clear(display, start, start + length);
    } else if (Key == VK_BACK) {
        start = FMask.PrevInput(start);
        if (start < 0)
            start = 0;
        else
            FMask.Clear(display, start, start + 1);
    } else {
        int at = FMask.NextInput(start);
        FMask.Clear(display, at, at + 1);
    }
    Key = 0;
    if (display != Display())
        SetDisplay(display, start);
    else
        SetSelStart(start);
}

void TCustomMaskEdit::KeyPress(QChar& Key)
{
    TCustomEdit::KeyPress(Key);
    if (!IsMasked() || Key.unicode() < 0x20)
        return;
    QChar ch = Key;
    Key = QChar();
    if (ReadOnly())
        return;
    QString display = Display();
    int pos = SelStart();
    if (SelLength() > 0)
        FMask.Clear(display, pos, pos + SelLength());
    if (FMask.Type(display, pos, ch))
        SetDisplay(display, pos);
}
