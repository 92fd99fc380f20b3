// Integers, rounding and strings.
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/Exceptions.h"
#include <cmath>
#include <limits>
#include "platform/rtl/AsciiChars.h"

// Integers

QString IntToStr(int Value) { return QString::number(Value); }
QString IntToStr(long Value) { return QString::number(Value); }
QString IntToStr(long long Value) { return QString::number(Value); }
QString IntToStr(unsigned Value) { return QString::number(Value); }
QString IntToStr(unsigned long Value) { return QString::number(Value); }
QString IntToStr(unsigned long long Value) { return QString::number(Value); }

QString IntToHex(unsigned long long Value, int Digits)
{
    return QString::number(Value, 16).toUpper().rightJustified(Digits, u'0');
}

QString IntToHex(int Value, int Digits) { return IntToHex(uint32_t(Value), Digits); }
QString IntToHex(unsigned Value, int Digits) { return IntToHex((unsigned long long)Value, Digits); }
QString IntToHex(long Value, int Digits) { return IntToHex((unsigned long long)Value, Digits); }
QString IntToHex(long long Value, int Digits) { return IntToHex((unsigned long long)Value, Digits); }
QString IntToHex(unsigned long Value, int Digits) { return IntToHex((unsigned long long)Value, Digits); }

namespace {

// Reads an integer the way the framework does: leading blanks, a sign,
// decimal digits or "$", "0x", "x" and hex digits, nothing after them.
// Hex values may use the whole unsigned range of the type and wrap.
bool ParseInteger(const QString& s, int64_t& value, bool is64)
{
    qsizetype i = 0;
    const qsizetype n = s.size();
    while (i < n && s[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (s[i] == u'+' || s[i] == u'-'))
        negative = s[i++] == u'-';
    int base = 10;
    if (i < n && s[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < n && s[i] == u'0' && (s[i + 1] == u'x' || s[i + 1] == u'X')) {
        base = 16;
        i += 2;
    } else if (i < n && (s[i] == u'x' || s[i] == u'X')) {
        base = 16;
        ++i;
    }
    if (i >= n)
        return false;
    const uint64_t unsignedMax = is64 ? std::numeric_limits<uint64_t>::max() : 0xFFFFFFFFull;
    const uint64_t signedMax = is64 ? uint64_t(std::numeric_limits<int64_t>::max())
                                    : uint64_t(std::numeric_limits<int32_t>::max());
    uint64_t acc = 0;
    for (; i < n; ++i) {
        const char16_t c = s[i].unicode();
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return false;
        if (acc > (unsignedMax - uint64_t(d)) / uint64_t(base))
            return false;
        acc = acc * uint64_t(base) + uint64_t(d);
    }
    if (base == 10 && acc > signedMax + (negative ? 1 : 0))
        return false;
    if (base == 16 && !is64)
        acc = uint64_t(int64_t(int32_t(uint32_t(acc))));
    value = negative ? int64_t(0 - acc) : int64_t(acc);
    if (!is64 && base == 16 && negative)
        value = int32_t(uint32_t(uint64_t(value)));
    return true;
}

[[noreturn]] void IntegerError(const QString& s)
{
    throw EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(s));
}

} // namespace

bool TryStrToInt(const QString& S, int& Value)
{
    int64_t v = 0;
    if (!ParseInteger(S, v, false))
        return false;
    Value = int(v);
    return true;
}

int StrToInt(const QString& S)
{
    int v = 0;
    if (!TryStrToInt(S, v))
        IntegerError(S);
    return v;
}

int StrToIntDef(const QString& S, int Default)
{
    int v = 0;
    return TryStrToInt(S, v) ? v : Default;
}

bool TryStrToInt64(const QString& S, int64_t& Value)
{
    return ParseInteger(S, Value, true);
}

int64_t StrToInt64(const QString& S)
{
    int64_t v = 0;
    if (!TryStrToInt64(S, v))
        IntegerError(S);
    return v;
}

int64_t StrToInt64Def(const QString& S, int64_t Default)
{
    int64_t v = 0;
    return TryStrToInt64(S, v) ? v : Default;
}

// Rounding

int64_t Round(double Value)
{
    // The default rounding mode rounds halves to the even neighbour.
    return int64_t(std::nearbyint(Value));
}

int64_t Trunc(double Value) { return int64_t(std::trunc(Value)); }
double Frac(double Value) { return Value - std::trunc(Value); }
double Int(double Value) { return std::trunc(Value); }

// Strings

namespace {

char16_t AsciiUpper(char16_t c) { return c >= 'a' && c <= 'z' ? char16_t(c - 32) : c; }
char16_t AsciiLower(char16_t c) { return c >= 'A' && c <= 'Z' ? char16_t(c + 32) : c; }

int Sign(qsizetype v) { return v < 0 ? -1 : v > 0 ? 1 : 0; }

// Letters without accents, case folded: the primary sort key.
QString PrimaryKey(const QString& s)
{
    QString d = s.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(d.size());
    for (QChar c : d)
        if (c.category() != QChar::Mark_NonSpacing)
            out += c;
    return out.toCaseFolded();
}

} // namespace

QString Trim(const QString& S)
{
    qsizetype b = 0;
    qsizetype e = S.size();
    while (b < e && IsBlank(S[b]))
        ++b;
    while (e > b && IsBlank(S[e - 1]))
        --e;
    return S.mid(b, e - b);
}

QString TrimLeft(const QString& S)
{
    qsizetype b = 0;
    while (b < S.size() && IsBlank(S[b]))
        ++b;
    return S.mid(b);
}

QString TrimRight(const QString& S)
{
    qsizetype e = S.size();
    while (e > 0 && IsBlank(S[e - 1]))
        --e;
    return S.left(e);
}

QString UpperCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        c = QChar(AsciiUpper(c.unicode()));
    return r;
}

QString LowerCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        c = QChar(AsciiLower(c.unicode()));
    return r;
}

// Character by character, so the length never changes.
QString AnsiUpperCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        c = c.toUpper();
    return r;
}

QString AnsiLowerCase(const QString& S)
{
    QString r = S;
    for (QChar& c : r)
        c = c.toLower();
    return r;
}

int CompareStr(const QString& S1, const QString& S2)
{
    return Sign(S1.compare(S2, Qt::CaseSensitive));
}

int CompareText(const QString& S1, const QString& S2)
{
    const qsizetype n = std::min(S1.size(), S2.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t a = AsciiUpper(S1[i].unicode());
        const char16_t b = AsciiUpper(S2[i].unicode());
        if (a != b)
            return a < b ? -1 : 1;
    }
    return Sign(S1.size() - S2.size());
}

int AnsiCompareText(const QString& S1, const QString& S2)
{
    if (IsAscii(S1) && IsAscii(S2)) {
        // Folding ASCII is lower-casing; no allocation on this common path.
        const qsizetype n = std::min(S1.size(), S2.size());
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t a = AsciiLower(S1[i].unicode());
            const char16_t b = AsciiLower(S2[i].unicode());
            if (a != b)
                return a < b ? -1 : 1;
        }
        return Sign(S1.size() - S2.size());
    }
    const int primary = Sign(PrimaryKey(S1).compare(PrimaryKey(S2)));
    if (primary != 0)
        return primary;
    return Sign(S1.toCaseFolded().compare(S2.toCaseFolded()));
}

int AnsiCompareStr(const QString& S1, const QString& S2)
{
    const int text = AnsiCompareText(S1, S2);
    if (text != 0)
        return text;
    // Same letters: lower case sorts before upper case.
    for (qsizetype i = 0; i < S1.size() && i < S2.size(); ++i) {
        const QChar a = S1[i];
        const QChar b = S2[i];
        if (a == b)
            continue;
        if (a.isLower() && b.isUpper())
            return -1;
        if (a.isUpper() && b.isLower())
            return 1;
        return a < b ? -1 : 1;
    }
    return Sign(S1.size() - S2.size());
}

bool SameText(const QString& S1, const QString& S2)
{
    return S1.size() == S2.size() && CompareText(S1, S2) == 0;
}

bool AnsiSameText(const QString& S1, const QString& S2)
{
    return AnsiCompareText(S1, S2) == 0;
}

int Pos(const QString& Substr, const QString& S)
{
    return PosEx(Substr, S, 1);
}

int PosEx(const QString& Substr, const QString& S, int Offset)
{
    if (Substr.isEmpty() || Offset < 1 || Offset > S.size())
        return 0;
    return int(S.indexOf(Substr, Offset - 1)) + 1;
}

QString Copy(const QString& S, int Index, int Count)
{
    const qsizetype len = S.size();
    qsizetype start = Index < 1 ? 0 : std::min<qsizetype>(Index - 1, len);
    qsizetype count = Count < 0 ? 0 : std::min<qsizetype>(Count, len - start);
    return S.mid(start, count);
}

void Delete(QString& S, int Index, int Count)
{
    if (Index < 1 || Index > S.size() || Count <= 0)
        return;
    S.remove(Index - 1, std::min<qsizetype>(Count, S.size() - (Index - 1)));
}

void Insert(const QString& Source, QString& S, int Index)
{
    const qsizetype at = std::clamp<qsizetype>(qsizetype(Index) - 1, 0, S.size());
    S.insert(at, Source);
}

QString StringReplace(const QString& S, const QString& OldPattern, const QString& NewPattern,
                      TReplaceFlags Flags)
{
    if (OldPattern.isEmpty())
        return S;
    const Qt::CaseSensitivity cs = Flags.Contains(rfIgnoreCase) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    QString out;
    qsizetype from = 0;
    while (true) {
        const qsizetype at = S.indexOf(OldPattern, from, cs);
        if (at < 0)
            break;
        out += QStringView(S).mid(from, at - from);
        out += NewPattern;
        from = at + OldPattern.size();
        if (!Flags.Contains(rfReplaceAll))
            break;
    }
    out += QStringView(S).mid(from);
    return out;
}

QString QuotedStr(const QString& S)
{
    return AnsiQuotedStr(S, u'\'');
}

QString AnsiQuotedStr(const QString& S, QChar Quote)
{
    QString r = S;
    r.replace(Quote, QString(2, Quote));
    return Quote + r + Quote;
}

QString AnsiDequotedStr(const QString& S, QChar Quote)
{
    if (S.isEmpty())
        return S;
    QString result;
    qsizetype i = 0;
    bool atEnd = true;
    if (S[0] == Quote) {
        i = 1;
        while (i < S.size()) {
            if (S[i] == Quote) {
                if (i + 1 < S.size() && S[i + 1] == Quote) {
                    result += Quote;
                    i += 2;
                    continue;
                }
                ++i; // closing quote
                break;
            }
            result += S[i++];
        }
        atEnd = i >= S.size();
    }
    if ((result.isEmpty() || atEnd) && (S[0] != Quote || S.back() != Quote))
        return S;
    return result;
}

QString StringOfChar(QChar Ch, int Count)
{
    return Count > 0 ? QString(Count, Ch) : QString();
}

bool IsDelimiter(const QString& Delimiters, const QString& S, int Index)
{
    return Index >= 1 && Index <= S.size() && Delimiters.contains(S[Index - 1]);
}

int LastDelimiter(const QString& Delimiters, const QString& S)
{
    for (qsizetype i = S.size(); i > 0; --i)
        if (Delimiters.contains(S[i - 1]))
            return int(i);
    return 0;
}
