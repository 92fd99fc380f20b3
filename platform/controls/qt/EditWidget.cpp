// The native side of TCustomEdit.
#include "platform/controls/Edit.h"
#include "platform/controls/qt/NativeWidget.h"
#include "platform/controls/qt/WidgetHost.h"
#include "platform/graphics/qt/CanvasState.h"
#include <QHash>
#include <algorithm>
#include <QLineEdit>
#include <QProxyStyle>

class EditBridge {
public:
    static void Changed(TCustomEdit* Edit, const QString& Display)
    {
        if (!Edit->FUpdating)
            Edit->NativeChanged(Display);
    }
};

namespace {
// Room for text set by the program, past the user's MaxLength.
constexpr int kNoLimit = 0x7FFFFFF;

QLineEdit* LineOf(const TCustomEdit* Edit) { return NativeAs<QLineEdit>(const_cast<TCustomEdit*>(Edit)); }

// Shows PasswordChar for each character of a password edit.
class PasswordStyle : public QProxyStyle {
public:
    explicit PasswordStyle(QChar Char) : FChar(Char) {}
    int styleHint(StyleHint Hint, const QStyleOption* Option, const QWidget* Widget,
                  QStyleHintReturn* Return) const override
    {
        if (Hint == SH_LineEdit_PasswordCharacter)
            return FChar.unicode();
        return QProxyStyle::styleHint(Hint, Option, Widget, Return);
    }

private:
    QChar FChar;
};

// One style per character, kept for the program's life: widgets do not
// own their style.
QStyle* PasswordStyleFor(QChar Char)
{
    static QHash<char16_t, QStyle*> styles;
    QStyle*& s = styles[Char.unicode()];
    if (!s)
        s = new PasswordStyle(Char);
    return s;
}
} // namespace

void TCustomEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* line = new QLineEdit;
    AttachNative(this, line);
    PushStyle();
    PushText();
    PushEditRect();
    SetSelection(FAnchor, FCaret);
    QObject::connect(line, &QLineEdit::textChanged, line,
                     [this](const QString& s) { EditBridge::Changed(this, s); });
}

void TCustomEdit::DestroyWnd()
{
    if (QLineEdit* line = LineOf(this)) {
        FDisplay = line->text();
        GetSelection(FAnchor, FCaret);
    }
    TWinControl::DestroyWnd();
}

void TCustomEdit::PushEditRect()
{
    QLineEdit* line = LineOf(this);
    if (!line)
        return;
    if (FEditRect.IsEmpty()) {
        line->setTextMargins(0, 0, 0, 0);
        return;
    }
    line->setTextMargins(std::max(0, FEditRect.Left), std::max(0, FEditRect.Top),
                         std::max(0, Width() - FEditRect.Right), 0);
}

void TCustomEdit::PushText()
{
    QLineEdit* line = LineOf(this);
    if (!line || line->text() == FDisplay)
        return;
    NativeUpdate guard(FUpdating);
    line->setMaxLength(kNoLimit);
    line->setText(FDisplay);
    line->setMaxLength(FMaxLength > 0 ? std::max<int>(FMaxLength, int(FDisplay.size())) : kNoLimit);
    line->setCursorPosition(0);
}

void TCustomEdit::PushStyle()
{
    QLineEdit* line = LineOf(this);
    if (!line)
        return;
    NativeUpdate guard(FUpdating);
    int anchor, caret;
    GetSelection(anchor, caret);
    line->setMaxLength(FMaxLength > 0 ? std::max<int>(FMaxLength, int(line->text().size())) : kNoLimit);
    SetSelection(anchor, caret);
    line->setReadOnly(FReadOnly);
    line->setEchoMode(FPasswordChar.isNull() ? QLineEdit::Normal : QLineEdit::Password);
    if (!FPasswordChar.isNull())
        line->setStyle(PasswordStyleFor(FPasswordChar));
    line->setFrame(FBorderStyle != bsNone);
    const Qt::Alignment h = FAlignment == taRightJustify ? Qt::AlignRight
                            : FAlignment == taCenter     ? Qt::AlignHCenter
                                                         : Qt::AlignLeft;
    line->setAlignment(h | Qt::AlignVCenter);
    // The background follows Color (a search edit turns red on a miss).
    QPalette palette = line->palette();
    palette.setColor(QPalette::Base, ToQColor(Color()));
    line->setPalette(palette);
}

QString TCustomEdit::Display() const
{
    QLineEdit* line = LineOf(this);
    return line ? line->text() : FDisplay;
}

void TCustomEdit::GetSelection(int& Anchor, int& Caret) const
{
    QLineEdit* line = LineOf(this);
    if (!line) {
        Anchor = FAnchor;
        Caret = FCaret;
        return;
    }
    Caret = line->cursorPosition();
    if (!line->hasSelectedText()) {
        Anchor = Caret;
        return;
    }
    int start = line->selectionStart();
    int end = start + int(line->selectedText().size());
    Anchor = Caret == start ? end : start;
}

void TCustomEdit::SetSelection(int Anchor, int Caret)
{
    int length = int(Display().size());
    FAnchor = std::clamp(Anchor, 0, length);
    FCaret = std::clamp(Caret, 0, length);
    if (QLineEdit* line = LineOf(this)) {
        NativeUpdate guard(FUpdating);
        if (FAnchor == FCaret)
            line->setCursorPosition(FCaret);
        else
            line->setSelection(FAnchor, FCaret - FAnchor);
    }
}
