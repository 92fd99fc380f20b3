#include "grid/foundation/MarkupCore.h"
#include <array>

namespace markup {

namespace {

inline char16_t UpperAsciiChar(char16_t c)
{
    return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
}

int HexDigit(QChar c)
{
    const char16_t u = UpperAsciiChar(c.unicode());
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return 0;
}

struct NamedColorEntry {
    const char* Name;
    TColor Value;
};

constexpr std::array<NamedColorEntry, 40> kNamedColors{{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

struct Entity {
    QStringView Name;
    QStringView Replacement;
};

const std::array<Entity, 9> kEntities{{
    {u"&amp;", u"&&"},
    {u"&quot;", u"\""},
    {u"&sect;", u"\u00A7"},
    {u"&permil;", u"\u2030"},
    {u"&reg;", u"\u00AE"},
    {u"&copy;", u"\u00A9"},
    {u"&para;", u"\u00B6"},
    {u"&trade;", u"\u2122"},
    {u"&euro;", u"\u20AC"},
}};

} // namespace

int IPos(QStringView Sub, QStringView S, int From)
{
    if (From < 1)
        From = 1;
    const qsizetype i = S.indexOf(Sub, From - 1, Qt::CaseInsensitive);
    // Qt's case folding is wider than ASCII; confirm the match the ASCII way.
    if (i < 0)
        return 0;
    const qsizetype n = Sub.size();
    for (qsizetype k = i; k + n <= S.size(); ++k) {
        bool same = true;
        for (qsizetype j = 0; j < n && same; ++j)
            same = UpperAsciiChar(S[k + j].unicode()) == UpperAsciiChar(Sub[j].unicode());
        if (same)
            return int(k + 1);
    }
    return 0;
}

QString UpperAscii(QStringView S)
{
    QString out(S.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < S.size(); ++i)
        d[i] = QChar(UpperAsciiChar(S[i].unicode()));
    return out;
}

QString UpperChars(QStringView S)
{
    QString out(S.size(), Qt::Uninitialized);
    QChar* d = out.data();
    for (qsizetype i = 0; i < S.size(); ++i)
        d[i] = S[i].toUpper();
    return out;
}

bool ReplaceFirstI(QString& S, QStringView Old, QStringView New)
{
    const int p = IPos(Old, S);
    if (p == 0)
        return false;
    S.replace(p - 1, Old.size(), New.toString());
    return true;
}

void RemoveAllI(QString& S, QStringView Old)
{
    if (Old.isEmpty())
        return;
    int p = IPos(Old, S);
    while (p > 0) {
        S.remove(p - 1, Old.size());
        p = IPos(Old, S, p);
    }
}

int LenientInt(QStringView S)
{
    qsizetype i = 0;
    while (i < S.size() && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < S.size() && (S[i] == u'-' || S[i] == u'+')) {
        negative = S[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < S.size() && S[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < S.size() && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    long long v = 0;
    for (; i < S.size(); ++i) {
        const char16_t c = UpperAsciiChar(S[i].unicode());
        int d;
        if (c >= u'0' && c <= u'9')
            d = c - u'0';
        else if (base == 16 && c >= u'A' && c <= u'F')
            d = c - u'A' + 10;
        else
            break;
        v = v * base + d;
        if (v > 0x7FFFFFFF)
            v = 0x7FFFFFFF;
    }
    return int(negative ? -v : v);
}

bool AttributeValue(QStringView Tag, QStringView Name, QString& Value)
{
    Value.clear();
    const int p = IPos(Name, Tag);
    if (p == 0)
        return false;
    const qsizetype open = Tag.indexOf(u'"', p - 1 + Name.size());
    if (open < 0)
        return true;
    const qsizetype close = Tag.indexOf(u'"', open + 1);
    Value = (close < 0 ? Tag.mid(open + 1) : Tag.mid(open + 1, close - open - 1)).toString();
    return true;
}

TColor HexColor(QStringView Value)
{
    QStringView digits = Value.startsWith(u'#') ? Value.mid(1) : Value;
    int channel[3] = {0, 0, 0};
    for (int k = 0; k < 3; ++k) {
        const qsizetype i = 2 * k;
        const int hi = i < digits.size() ? HexDigit(digits[i]) : 0;
        const int lo = i + 1 < digits.size() ? HexDigit(digits[i + 1]) : 0;
        channel[k] = hi * 16 + lo;
    }
    return RGB(channel[0], channel[1], channel[2]);
}

TColor NamedColor(QStringView Name)
{
    for (const NamedColorEntry& e : kNamedColors)
        if (Name.compare(QLatin1StringView(e.Name), Qt::CaseInsensitive) == 0)
            return e.Value;
    return clBlack;
}

TColor TagColor(QStringView Value)
{
    return Value.startsWith(u'#') ? HexColor(Value) : NamedColor(Value);
}

TColor BodyColor(QStringView Value)
{
    const qsizetype hash = Value.indexOf(u'#');
    if (hash >= 0)
        return HexColor(Value.mid(hash));
    if (IPos(u"CL", Value) > 0)
        return NamedColor(Value);
    return clBlack;
}

namespace {

void ReplaceEntityRounds(QString& Text)
{
    bool changed = true;
    while (changed) {
        changed = false;
        for (const Entity& e : kEntities)
            changed |= ReplaceFirstI(Text, e.Name, e.Replacement);
    }
}

} // namespace

void ReplaceEntities(QString& Text)
{
    int control = IPos(u"<CONTROL", Text);
    if (control == 0) {
        ReplaceEntityRounds(Text);
        return;
    }
    // Form-control elements keep their attributes as written: their values
    // are unescaped when the element is parsed, and a quote made here
    // would end a value early.
    QString out;
    out.reserve(Text.size());
    qsizetype from = 0;
    while (from < Text.size()) {
        const qsizetype start = control > 0 ? control - 1 : Text.size();
        QString part = Text.mid(from, start - from);
        ReplaceEntityRounds(part);
        out += part;
        if (start >= Text.size())
            break;
        const qsizetype close = Text.indexOf(u'>', start);
        const qsizetype end = close < 0 ? Text.size() : close + 1;
        out += QStringView(Text).mid(start, end - start);
        from = end;
        control = IPos(u"<CONTROL", Text, int(from) + 1);
    }
    Text = out;
}

void UnwrapHashTags(QString& Text)
{
    qsizetype i = Text.indexOf(u"<#");
    while (i >= 0) {
        Text.remove(i, 1);
        const qsizetype close = Text.indexOf(u'>', i);
        if (close >= 0)
            Text.remove(close, 1);
        i = Text.indexOf(u"<#", i);
    }
}

void BreaksToTags(QString& Text)
{
    if (Text.contains(u'\r'))
        Text.replace(QChar(u'\r'), QStringLiteral("<BR>"));
    Text.remove(u'\n');
}

void PrepareMarkup(QString& Text)
{
    if (Text.contains(u'&'))
        ReplaceEntities(Text);
    if (Text.contains(u"<#"))
        UnwrapHashTags(Text);
    if (Text.contains(u'\r') || Text.contains(u'\n'))
        BreaksToTags(Text);
}

} // namespace markup
