// The native side of TCustomRichEdit: a QTextEdit and the conversion
// between its document and TRichText.
#include "platform/controls/NativeControl.h"
#include "platform/controls/RichEdit.h"
#include "platform/controls/qt/NativeWidget.h"
#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <cmath>

class RichEditBridge {
public:
    static bool Updating(TCustomRichEdit* e) { return e->FUpdating; }
    static void Changed(TCustomRichEdit* e, const QString& s)
    {
        if (s != e->FDisplay)
            e->NativeChanged(s);
    }
    static void RequestSize(TCustomRichEdit* e, const TRect& r) { e->RequestSize(r); }
};

namespace {

using enum TRichTextStyle::TField;

QTextEdit* EditOf(const TCustomRichEdit* e) { return NativeAs<QTextEdit>(const_cast<TCustomRichEdit*>(e)); }

QColor ToQColor(TColor c)
{
    TColor rgb = ColorToRGB(c);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

QTextCharFormat ToFormat(const TRichTextStyle& s, int Fields)
{
    QTextCharFormat f;
    if (Fields & fName && !s.FontName.isEmpty())
        f.setFontFamilies({s.FontName});
    if (Fields & fSize && s.Size > 0)
        f.setFontPointSize(s.Size);
    if (Fields & fColor) {
        if (s.Color == clDefault)
            f.clearForeground();
        else
            f.setForeground(ToQColor(s.Color));
    }
    if (Fields & fStyle) {
        f.setFontWeight(s.Bold ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.Italic);
        f.setFontUnderline(s.Underline);
    }
    if (Fields & fOffset)
        f.setVerticalAlignment(s.Offset == voSuperscript ? QTextCharFormat::AlignSuperScript
                               : s.Offset == voSubscript ? QTextCharFormat::AlignSubScript
                                                         : QTextCharFormat::AlignNormal);
    return f;
}

TRichTextStyle FromFormat(const QTextCharFormat& f)
{
    TRichTextStyle s;
    s.Bold = f.fontWeight() >= QFont::Bold;
    s.Italic = f.fontItalic();
    s.Underline = f.fontUnderline();
    if (f.hasProperty(QTextFormat::FontPointSize))
        s.Size = int(f.fontPointSize() + 0.5);
    QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty())
        s.FontName = families.first();
    if (f.hasProperty(QTextFormat::ForegroundBrush)) {
        QColor c = f.foreground().color();
        s.Color = RGB(c.red(), c.green(), c.blue());
    }
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        s.Offset = voSuperscript;
    else if (f.verticalAlignment() == QTextCharFormat::AlignSubScript)
        s.Offset = voSubscript;
    return s;
}

constexpr int kAll = fName | fSize | fColor | fStyle | fOffset;

void Fill(QTextEdit* edit, const TRichText& text)
{
    edit->clear();
    QTextCursor c(edit->document());
    for (const TRichTextRun& r : text.Runs()) {
        QTextCharFormat f = ToFormat(r.Style, kAll);
        const QStringList paragraphs = r.Text.split(u'\n');
        for (int i = 0; i < paragraphs.size(); ++i) {
            if (i > 0)
                c.insertBlock(QTextBlockFormat(), f);
            if (!paragraphs[i].isEmpty())
                c.insertText(paragraphs[i], f);
        }
    }
}

TRichText Collect(QTextEdit* edit)
{
    TRichText text;
    QTextDocument* doc = edit->document();
    for (QTextBlock b = doc->begin(); b.isValid(); b = b.next()) {
        if (b != doc->begin())
            text.Append(QStringLiteral("\n"), FromFormat(b.charFormat()));
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            QTextFragment frag = it.fragment();
            if (frag.isValid())
                text.Append(frag.text(), FromFormat(frag.charFormat()));
        }
    }
    return text;
}

} // namespace

void TCustomRichEdit::CreateWnd()
{
    TWinControl::CreateWnd();
    auto* edit = new QTextEdit;
    edit->setAcceptRichText(false);
    AttachNative(this, edit);
    NativeApplyFont(this);
    PushStyle();
    PushText();
    SetSelection(FAnchor, FCaret);
    QObject::connect(edit, &QTextEdit::textChanged, edit, [this, edit]() {
        if (!RichEditBridge::Updating(this))
            RichEditBridge::Changed(this, edit->toPlainText());
    });
    QObject::connect(edit->document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, edit,
                     [this](const QSizeF& size) {
                         RichEditBridge::RequestSize(
                             this, TRect{0, 0, int(std::ceil(size.width())), int(std::ceil(size.height()))});
                     });
}

void TCustomRichEdit::DestroyWnd()
{
    if (QTextEdit* edit = EditOf(this)) {
        FRich = Collect(edit);
        FDisplay = edit->toPlainText();
        GetSelection(FAnchor, FCaret);
    }
    TWinControl::DestroyWnd();
}

TRichText TCustomRichEdit::RichText() const
{
    if (QTextEdit* edit = EditOf(this))
        return Collect(edit);
    if (FRich.PlainText() == FDisplay)
        return FRich;
    TRichText plain;
    plain.Append(FDisplay, TRichTextStyle());
    return plain;
}

void TCustomRichEdit::PushText()
{
    QTextEdit* edit = EditOf(this);
    if (!edit)
        return;
    NativeUpdate guard(FUpdating);
    if (FRich.PlainText() == FDisplay && !FRich.Runs().empty())
        Fill(edit, FRich);
    else if (edit->toPlainText() != FDisplay)
        edit->setPlainText(FDisplay);
}

void TCustomRichEdit::PushStyle()
{
    QTextEdit* edit = EditOf(this);
    if (!edit)
        return;
    edit->setReadOnly(ReadOnly());
    edit->setFrameShape(BorderStyle() == bsNone ? QFrame::NoFrame : QFrame::StyledPanel);
    edit->setLineWrapMode(WordWrap() ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    edit->setTabChangesFocus(false);
    bool h = ScrollBars() == ssHorizontal || ScrollBars() == ssBoth;
    bool v = ScrollBars() == ssVertical || ScrollBars() == ssBoth;
    edit->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    edit->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
}

TRichTextStyle TCustomRichEdit::NativeStyle(bool Selection) const
{
    QTextEdit* edit = EditOf(this);
    if (!edit)
        return FPendingStyle;
    if (!Selection)
        return FromFormat(QTextCursor(edit->document()).charFormat());
    QTextCursor c = edit->textCursor();
    if (c.hasSelection()) {
        // The format of the first selected character.
        QTextCursor first(edit->document());
        first.setPosition(c.selectionStart() + 1);
        return FromFormat(first.charFormat());
    }
    return FromFormat(edit->currentCharFormat());
}

void TCustomRichEdit::NativeApplyStyle(const TRichTextStyle& Style, int Fields, bool Selection)
{
    QTextEdit* edit = EditOf(this);
    if (!edit) {
        if (Fields & fName) FPendingStyle.FontName = Style.FontName;
        if (Fields & fSize) FPendingStyle.Size = Style.Size;
        if (Fields & fColor) FPendingStyle.Color = Style.Color;
        if (Fields & fStyle) {
            FPendingStyle.Bold = Style.Bold;
            FPendingStyle.Italic = Style.Italic;
            FPendingStyle.Underline = Style.Underline;
        }
        if (Fields & fOffset) FPendingStyle.Offset = Style.Offset;
        return;
    }
    NativeUpdate guard(FUpdating);
    QTextCharFormat f = ToFormat(Style, Fields);
    if (Selection) {
        QTextCursor c = edit->textCursor();
        if (c.hasSelection())
            c.mergeCharFormat(f);
        edit->mergeCurrentCharFormat(f);
        return;
    }
    QTextCursor all(edit->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(f);
}
