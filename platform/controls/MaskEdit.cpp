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
    return IsMasked() ? FMask.TextFromEdited(Display) : Display;
}

void TCustomMaskEdit::KeyDown(int& Key, TShiftState Shift)
{
    TCustomEdit::KeyDown(Key, Shift);
    if (!IsMasked() || ReadOnly() || (Key != VK_BACK && Key != VK_DELETE))
        return;
    QString display = Display();
    int start = FMask.Delete(display, SelStart(), SelLength(), Key == VK_BACK);
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
