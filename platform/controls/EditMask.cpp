#include "platform/controls/EditMask.h"
#include "platform/rtl/FormatSettings.h"

namespace {

// Splits "pattern;save;blank": the last two fields count only when they
// are single characters after an unescaped ";".
void SplitFields(const QString& mask, QString& pattern, QString& save, QString& blank)
{
    QList<int> semis;
    for (int i = 0; i < mask.size(); ++i) {
        if (mask[i] == u'\\')
            ++i;
        else if (mask[i] == u';')
            semis << i;
    }
    pattern = mask;
    if (semis.isEmpty())
        return;
    int last = semis.last();
    if (semis.size() >= 2 && mask.size() - last <= 2) {
        int prev = semis[semis.size() - 2];
        pattern = mask.left(prev);
        save = mask.mid(prev + 1, last - prev - 1);
        blank = mask.mid(last + 1);
    } else {
        pattern = mask.left(last);
        save = mask.mid(last + 1);
    }
}

} // namespace

void TEditMask::SetMask(const QString& Mask)
{
    FMask = Mask;
    FPositions.clear();
    FBlank = u'_';
    FSaveLiterals = true;
    QString pattern, save, blank;
    SplitFields(Mask, pattern, save, blank);
    if (!save.isEmpty())
        FSaveLiterals = save != QStringLiteral("0");
    if (blank.size() == 1)
        FBlank = blank[0];
    TCase current = None;
    for (int i = 0; i < pattern.size(); ++i) {
        QChar c = pattern[i];
        TPosition p;
        p.Case = current;
        switch (c.unicode()) {
        case u'!': continue;
        case u'>':
            if (i + 1 < pattern.size() && pattern[i + 1] == u'<') {
                ++i;
                current = None;
            } else {
                current = Upper;
            }
            continue;
        case u'<': current = Lower; continue;
        case u'\\':
            if (++i >= pattern.size())
                continue;
            p.Char = pattern[i];
            break;
        case u'0': p.Kind = Digit; p.Required = true; break;
        case u'9': p.Kind = Digit; break;
        case u'#': p.Kind = DigitOrSign; break;
        case u'L': p.Kind = Letter; p.Required = true; break;
        case u'l': p.Kind = Letter; break;
        case u'A': p.Kind = AlphaNum; p.Required = true; break;
        case u'a': p.Kind = AlphaNum; break;
        case u'C': p.Kind = Any; p.Required = true; break;
        case u'c': p.Kind = Any; break;
        case u':': p.Char = FormatSettings.TimeSeparator; break;
        case u'/': p.Char = FormatSettings.DateSeparator; break;
        case u'_': p.Char = u' '; break;
        default: p.Char = c; break;
        }
        FPositions.push_back(p);
    }
}

bool TEditMask::IsLiteral(int Pos) const
{
    return Pos >= 0 && Pos < Length() && FPositions[std::size_t(Pos)].Kind == Literal;
}

QChar TEditMask::Accept(int Pos, QChar Ch) const
{
    if (Pos < 0 || Pos >= Length() || Ch.unicode() < 0x20)
        return {};
    const TPosition& p = FPositions[std::size_t(Pos)];
    bool ok = false;
    switch (p.Kind) {
    case Literal: return {};
    case Digit: ok = Ch.isDigit(); break;
    case DigitOrSign: ok = Ch.isDigit() || Ch == u'+' || Ch == u'-' || Ch == u' '; break;
    case Letter: ok = Ch.isLetter(); break;
    case AlphaNum: ok = Ch.isLetterOrNumber(); break;
    case Any: ok = true; break;
    }
    if (!ok)
        return {};
    if (p.Case == Upper)
        return Ch.toUpper();
    if (p.Case == Lower)
        return Ch.toLower();
    return Ch;
}

int TEditMask::NextInput(int Pos) const
{
    int i = std::max(Pos, 0);
    while (i < Length() && IsLiteral(i))
        ++i;
    return i;
}

int TEditMask::PrevInput(int Pos) const
{
    int i = std::min(Pos, Length()) - 1;
    while (i >= 0 && IsLiteral(i))
        --i;
    return i;
}

QString TEditMask::EmptyEditText() const
{
    QString s;
    s.reserve(Length());
    for (const TPosition& p : FPositions)
        s += p.Kind == Literal ? p.Char : FBlank;
    return s;
}

QString TEditMask::EditTextFromText(const QString& Text) const
{
    QString s = EmptyEditText();
    if (FSaveLiterals) {
        for (int i = 0; i < Length() && i < Text.size(); ++i) {
            QChar c = Accept(i, Text[i]);
            if (!c.isNull())
                s[i] = c;
        }
        return s;
    }
    int src = 0;
    for (int i = 0; i < Length() && src < Text.size(); ++i) {
        if (IsLiteral(i))
            continue;
        QChar c = Accept(i, Text[src++]);
        if (!c.isNull())
            s[i] = c;
    }
    return s;
}

QString TEditMask::TextFromEditText(const QString& EditText) const
{
    QString s;
    for (int i = 0; i < Length(); ++i) {
        bool literal = IsLiteral(i);
        if (literal && !FSaveLiterals)
            continue;
        QChar c = i < EditText.size() ? EditText[i] : FBlank;
        s += !literal && c == FBlank ? QChar(u' ') : c;
    }
    return s;
}

QString TEditMask::TextFromEdited(const QString& Shown) const
{
    return TextFromEditText(Shown.size() == Length() ? Shown : EditTextFromText(Shown));
}

bool TEditMask::IsComplete(const QString& EditText) const
{
    for (int i = 0; i < Length(); ++i) {
        const TPosition& p = FPositions[std::size_t(i)];
        if (p.Kind != Literal && p.Required && (i >= EditText.size() || EditText[i] == FBlank || EditText[i] == u' '))
            return false;
    }
    return true;
}

bool TEditMask::Type(QString& EditText, int& Pos, QChar Ch) const
{
    if (EditText.size() != Length())
        EditText = EditTextFromText(TextFromEditText(EditText));
    // Typing the literal under the caret steps over it.
    if (IsLiteral(Pos) && FPositions[std::size_t(Pos)].Char == Ch) {
        ++Pos;
        return true;
    }
    int at = NextInput(Pos);
    QChar c = Accept(at, Ch);
    if (c.isNull())
        return false;
    EditText[at] = c;
    Pos = at + 1;
    if (NextInput(Pos) < Length())
        Pos = NextInput(Pos);
    return true;
}

void TEditMask::Clear(QString& EditText, int From, int To) const
{
    for (int i = std::max(From, 0); i < std::min(To, int(EditText.size())); ++i)
        if (!IsLiteral(i))
            EditText[i] = FBlank;
}

int TEditMask::Delete(QString& EditText, int SelStart, int SelLength, bool Back) const
{
    if (SelLength > 0) {
        Clear(EditText, SelStart, SelStart + SelLength);
        return SelStart;
    }
    if (Back) {
        int at = PrevInput(SelStart);
        if (at < 0)
            return 0;
        Clear(EditText, at, at + 1);
        return at;
    }
    int at = NextInput(SelStart);
    Clear(EditText, at, at + 1);
    return SelStart;
}
