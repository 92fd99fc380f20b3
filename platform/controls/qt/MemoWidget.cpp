// The native side of TCustomMemo.
#include "platform/controls/Memo.h"
#include "platform/controls/NativeControl.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <QTextDocument>

class MemoBridge {
public:
    static bool Updating(TCustomMemo* m) { return m->FUpdating; }
    static void Changed(TCustomMemo* m, const QString& s) { m->NativeChanged(s); }
};

namespace {
QPlainTextEdit* EditOf(const TCustomMemo* m) { return NativeAs<QPlainTextEdit>(const_cast<TCustomMemo*>(m)); }

// A wrapped text that lost its last line can leave the view past its end
// when the view is lower than a line: the edit's own scrolling does not
// bring the caret back, so its line becomes the first shown (the vertical
// bar counts lines).
void KeepCaretInView(QPlainTextEdit* Edit)
{
    Edit->ensureCursorVisible();
    if (Edit->viewport()->rect().intersects(Edit->cursorRect()))
        return;
    const QTextCursor c = Edit->textCursor();
    const QTextBlock block = c.block();
    int line = 0;
    for (QTextBlock b = Edit->document()->firstBlock(); b.isValid() && b != block; b = b.next())
        line += b.layout() ? std::max(b.layout()->lineCount(), 1) : 1;
    if (QTextLayout* layout = block.layout())
        line += std::max(layout->lineForTextPosition(c.positionInBlock()).lineNumber(), 0);
    Edit->verticalScrollBar()->setValue(line);
}
} // namespace

void TCustomMemo::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* edit = new QPlainTextEdit;
    AttachNative(this, edit);
    NativeApplyFont(this);
    PushStyle();
    PushText();
    SetSelection(FAnchor, FCaret);
    QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [this, edit]() {
        KeepCaretInView(edit);
        if (!MemoBridge::Updating(this))
            MemoBridge::Changed(this, edit->toPlainText());
    });
}

void TCustomMemo::DestroyWnd()
{
    if (QPlainTextEdit* edit = EditOf(this)) {
        FDisplay = edit->toPlainText();
        GetSelection(FAnchor, FCaret);
    }
    TWinControl::DestroyWnd();
}

// The three below serve the rich edit's QTextEdit as well.

QString TCustomMemo::Display() const
{
    QTextCursor c;
    return NativeTextCursor(const_cast<TCustomMemo*>(this), c) ? c.document()->toPlainText() : FDisplay;
}

void TCustomMemo::GetSelection(int& Anchor, int& Caret) const
{
    QTextCursor c;
    if (!NativeTextCursor(const_cast<TCustomMemo*>(this), c)) {
        Anchor = FAnchor;
        Caret = FCaret;
        return;
    }
    Anchor = c.anchor();
    Caret = c.position();
}

void TCustomMemo::SetSelection(int Anchor, int Caret)
{
    int length = int(Display().size());
    FAnchor = std::clamp(Anchor, 0, length);
    FCaret = std::clamp(Caret, 0, length);
    QTextCursor c;
    if (NativeTextCursor(this, c)) {
        NativeUpdate guard(FUpdating);
        c.setPosition(FAnchor);
        c.setPosition(FCaret, QTextCursor::KeepAnchor);
        SetNativeTextCursor(this, c);
    }
}

void TCustomMemo::PushText()
{
    QPlainTextEdit* edit = EditOf(this);
    if (!edit || edit->toPlainText() == FDisplay)
        return;
    NativeUpdate guard(FUpdating);
    edit->setPlainText(FDisplay);
}

void TCustomMemo::PushStyle()
{
    QPlainTextEdit* edit = EditOf(this);
    if (!edit)
        return;
    edit->setReadOnly(ReadOnly());
    edit->setFrameShape(BorderStyle() == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    edit->setLineWrapMode(FWordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit->setTabChangesFocus(false);
    bool h = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
    bool v = FScrollBars == ssVertical || FScrollBars == ssBoth;
    edit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
