#include "grid/foundation/MarkupText.h"
#include "grid/foundation/MarkupCore.h"
#include <array>

using markup::IPos;

namespace {

struct NamedLetter {
    QStringView Entity;
    QChar Char;
};

// Walked from the first pair to the last by escape and unescape.
const std::array<NamedLetter, 51> kNamedLetters{{
    {u"&eacute;", QChar(0xE9)}, {u"&egrave;", QChar(0xE8)}, {u"&euml;", QChar(0xEB)},
    {u"&ecirc;", QChar(0xEA)},  {u"&oacute;", QChar(0xF3)}, {u"&ograve;", QChar(0xF2)},
    {u"&ouml;", QChar(0xF6)},   {u"&ocirc;", QChar(0xF4)},  {u"&iacute;", QChar(0xED)},
    {u"&igrave;", QChar(0xEC)}, {u"&iuml;", QChar(0xEF)},   {u"&icirc;", QChar(0xEE)},
    {u"&uacute;", QChar(0xFA)}, {u"&ugrave;", QChar(0xF9)}, {u"&uuml;", QChar(0xFC)},
    {u"&ucirc;", QChar(0xFB)},  {u"&aacute;", QChar(0xE1)}, {u"&agrave;", QChar(0xE0)},
    {u"&auml;", QChar(0xE4)},   {u"&acirc;", QChar(0xE2)},  {u"&Eacute;", QChar(0xC9)},
    {u"&Egrave;", QChar(0xC8)}, {u"&Euml;", QChar(0xCB)},   {u"&Ecirc;", QChar(0xCA)},
    {u"&Oacute;", QChar(0xD3)}, {u"&Ograve;", QChar(0xD2)}, {u"&Ouml;", QChar(0xD6)},
    {u"&Ocirc;", QChar(0xD4)},  {u"&Iacute;", QChar(0xCD)}, {u"&Igrave;", QChar(0xCC)},
    {u"&Iuml;", QChar(0xCF)},   {u"&Icirc;", QChar(0xCE)},  {u"&Uacute;", QChar(0xDA)},
    {u"&Ugrave;", QChar(0xD9)}, {u"&Uuml;", QChar(0xDC)},   {u"&Ucirc;", QChar(0xDB)},
    {u"&Aacute;", QChar(0xC1)}, {u"&Agrave;", QChar(0xC0)}, {u"&Auml;", QChar(0xC4)},
    {u"&Acirc;", QChar(0xC2)},  {u"&ccedil;", QChar(0xE7)}, {u"&Ccedil;", QChar(0xC7)},
    {u"&oslash;", QChar(0xF8)}, {u"&Oslash;", QChar(0xD8)}, {u"&aring;", QChar(0xE5)},
    {u"&Aring;", QChar(0xC5)},  {u"&copy;", QChar(0xA9)},   {u"&reg;", QChar(0xAE)},
    {u"&euro;", QChar(0x20AC)}, {u"&laquo;", QChar(0xAB)},  {u"&raquo;", QChar(0xBB)},
}};

// The text outside tags, or, with a markup index, where visible characters
// lie: calls Visible(markupIndex) for each visible character in order.
template <typename F>
void WalkVisible(const QString& HTML, F Visible)
{
    const qsizetype n = HTML.size();
    qsizetype i = 0;
    while (i < n) {
        if (HTML.at(i) == u'<') {
            const qsizetype close = HTML.indexOf(u'>', i + 1);
            if (close >= 0) {
                i = close + 1;
                continue;
            }
            for (; i < n; ++i)
                Visible(i);
            return;
        }
        Visible(i);
        ++i;
    }
}

// One "<CONTROL " element: its start (0-based, at "<"), the index after its
// text, and its fields.
struct ControlElement {
    qsizetype Start = -1;
    qsizetype End = -1;
    TControlTagFields Fields;
};

// The next element at or after From; Start -1 when none.
ControlElement NextControl(const QString& S, qsizetype From)
{
    ControlElement e;
    const int p = IPos(u"<CONTROL ", S, int(From) + 1);
    if (p == 0)
        return e;
    e.Start = p - 1;
    const qsizetype close = S.indexOf(u'>', e.Start);
    e.End = close < 0 ? S.size() : close;
    e.Fields = ParseControlTag(S.mid(e.Start, e.End - e.Start));
    return e;
}

ControlElement FindControl(const QString& S, const QString& ID)
{
    for (ControlElement e = NextControl(S, 0); e.Start >= 0; e = NextControl(S, e.End))
        if (e.Fields.ID == ID)
            return e;
    return {};
}

bool IsEditType(const QString& Type)
{
    return Type != u"BUTTON" && Type != u"CHECK" && Type != u"RADIO";
}

QString Quoted(const QString& S)
{
    return QLatin1Char('"') + S + QLatin1Char('"');
}

} // namespace

QString StripHTMLTags(const QString& HTML)
{
    QString s = HTML;
    for (QStringView tag : {QStringView(u"<BR>"), QStringView(u"<HR>")}) {
        int p = IPos(tag, s);
        while (p > 0) {
            s.replace(p - 1, tag.size(), QStringLiteral("\r\n"));
            p = IPos(tag, s, p + 2);
        }
    }
    return VisibleHTMLText(s);
}

QString VisibleHTMLText(const QString& HTML)
{
    QString out;
    out.reserve(HTML.size());
    WalkVisible(HTML, [&](qsizetype i) { out += HTML.at(i); });
    return out;
}

int VisibleToMarkupIndex(const QString& HTML, int N)
{
    if (N < 1)
        return 0;
    int count = 0;
    int after = N == 1 ? 1 : 0;
    WalkVisible(HTML, [&](qsizetype i) {
        ++count;
        if (count == N - 1)
            after = int(i) + 2;
    });
    if (N - 1 == count)
        return int(HTML.size()) + 1;
    return N - 1 > count ? 0 : after;
}

int FindTextAfter(const QString& Text, const QString& S, int Offset, bool DoCase)
{
    if (Text.isEmpty() || Offset < 0 || Offset >= S.size())
        return 0;
    const QStringView rest = QStringView(S).mid(Offset);
    qsizetype p;
    if (DoCase)
        p = rest.indexOf(Text);
    else
        p = markup::UpperChars(rest).indexOf(markup::UpperChars(Text));
    return p < 0 ? 0 : Offset + int(p) + 1;
}

QString HilightHTMLText(const QString& HTML, const QString& Text, const QString& Tag, bool DoCase)
{
    QString html = HTML;
    QString text = Text;
    QString v = VisibleHTMLText(html);
    if (html.contains(text) && (v.contains(u'<') || v.contains(u'>'))) {
        const auto escape = [](QString& s) {
            s.replace(QChar(u'<'), QStringLiteral("&lt;"));
            s.replace(QChar(u'>'), QStringLiteral("&gt;"));
        };
        escape(v);
        html = v;
        escape(text);
    }
    const QString open = QLatin1Char('<') + Tag + QLatin1Char('>');
    const QString close = QStringLiteral("</") + Tag + QLatin1Char('>');
    int b = 0;
    for (int p = FindTextAfter(text, v, b, DoCase); p > 0; p = FindTextAfter(text, v, b, DoCase)) {
        html.insert(VisibleToMarkupIndex(html, p) - 1, open);
        b = p + int(text.size());
        html.insert(VisibleToMarkupIndex(html, b) - 1, close);
    }
    return html;
}

QString UnHilightHTMLText(const QString& HTML, const QString& Tag)
{
    QString s = HTML;
    markup::RemoveAllI(s, QString(QLatin1Char('<') + Tag + QLatin1Char('>')));
    markup::RemoveAllI(s, QString(QStringLiteral("</") + Tag + QLatin1Char('>')));
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    return s;
}

QString EscapeHTML(const QString& S, bool NamedLetters)
{
    QString s = S;
    s.replace(QChar(u'&'), QStringLiteral("&amp;"));
    s.replace(QChar(u'"'), QStringLiteral("&quot;"));
    s.replace(QChar(u'<'), QStringLiteral("&lt;"));
    s.replace(QChar(u'>'), QStringLiteral("&gt;"));
    if (NamedLetters)
        for (const NamedLetter& l : kNamedLetters)
            if (s.contains(l.Char))
                s.replace(l.Char, l.Entity.toString());
    return s;
}

QString UnescapeHTML(const QString& S, bool NamedLetters)
{
    QString s = S;
    if (!s.contains(u'&'))
        return s;
    s.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    s.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    s.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    s.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    if (NamedLetters)
        for (const NamedLetter& l : kNamedLetters)
            s.replace(l.Entity.toString(), QString(l.Char));
    return s;
}

QString SpacesToNbsp(const QString& S)
{
    QString s = S;
    s.replace(QChar(u' '), QStringLiteral("&nbsp;"));
    return s;
}

TControlTagFields ParseControlTag(const QString& Tag)
{
    TControlTagFields f;
    const QString upper = markup::UpperChars(Tag);
    const auto read = [&](QStringView Name, QString& Out) {
        const qsizetype p = upper.indexOf(Name);
        if (p < 0)
            return;
        const qsizetype open = Tag.indexOf(u'"', p + Name.size());
        if (open < 0)
            return;
        const qsizetype close = Tag.indexOf(u'"', open + 1);
        Out = close < 0 ? Tag.mid(open + 1) : Tag.mid(open + 1, close - open - 1);
    };
    read(u"TYPE=", f.Type);
    f.Type = markup::UpperChars(f.Type);
    read(u"WIDTH=", f.Width);
    read(u"HEIGHT=", f.Height);
    read(u"ID=", f.ID);
    read(u"VALUE=", f.Value);
    f.Value = UnescapeHTML(f.Value, true);
    read(u"PROP=", f.Prop);
    f.Prop = UnescapeHTML(f.Prop, true);
    read(u"MAXLEN=", f.MaxLen);
    return f;
}

bool HasControlTag(const QString& S)
{
    return IPos(u"<CONTROL", S) > 0;
}

QString NextEditControlID(const QString& S, const QString& ID)
{
    bool passed = ID.isEmpty();
    for (ControlElement e = NextControl(S, 0); e.Start >= 0; e = NextControl(S, e.End)) {
        if (passed && IsEditType(e.Fields.Type))
            return e.Fields.ID;
        if (!passed && e.Fields.ID == ID)
            passed = true;
    }
    return QString();
}

QString ClearRadioControls(const QString& S)
{
    QString s = S;
    for (ControlElement e = NextControl(s, 0); e.Start >= 0; e = NextControl(s, e.End)) {
        if (e.Fields.Type != u"RADIO")
            continue;
        SetControlValue(s, e.Fields.ID, QStringLiteral("FALSE"));
        // The element was rewritten in place; continue after its new end.
        e.End = s.indexOf(u'>', e.Start);
        if (e.End < 0)
            break;
    }
    return s;
}

bool GetControlValue(const QString& S, const QString& ID, QString& Value)
{
    const ControlElement e = FindControl(S, ID);
    if (e.Start < 0)
        return false;
    Value = e.Fields.Value;
    return true;
}

QString GetControlProp(const QString& S, const QString& ID)
{
    return FindControl(S, ID).Fields.Prop;
}

int GetControlMaxLen(const QString& S, const QString& ID)
{
    return markup::LenientInt(FindControl(S, ID).Fields.MaxLen);
}

bool SetControlValue(QString& S, const QString& ID, const QString& Value)
{
    const ControlElement e = FindControl(S, ID);
    if (e.Start < 0)
        return false;
    const TControlTagFields& f = e.Fields;
    QString tag = QStringLiteral("<CONTROL ID=") + Quoted(f.ID) + QStringLiteral(" VALUE=") +
                  Quoted(EscapeHTML(Value, true)) + QStringLiteral(" WIDTH=") + Quoted(f.Width) +
                  QStringLiteral(" TYPE=") + Quoted(f.Type);
    if (!f.Prop.isEmpty())
        tag += QStringLiteral(" PROP=") + Quoted(EscapeHTML(f.Prop, true));
    if (!f.MaxLen.isEmpty())
        tag += QStringLiteral(" MAXLEN=") + Quoted(f.MaxLen);
    if (!f.Height.isEmpty())
        tag += QStringLiteral(" HEIGHT=") + Quoted(f.Height);
    S = S.left(e.Start) + tag + QLatin1Char('>') + (e.End < S.size() ? S.mid(e.End + 1) : QString());
    return true;
}
