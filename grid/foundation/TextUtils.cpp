#include "grid/foundation/TextUtils.h"
#include "platform/rtl/SysUtils.h"
#include <algorithm>
#include <array>
#include <cmath>

QChar LocaleTimeSeparator()
{
    return FormatSettings.TimeSeparator;
}

QChar LocaleDateSeparator()
{
    return FormatSettings.DateSeparator;
}

QChar LocaleThousandSeparator()
{
    return FormatSettings.ThousandSeparator;
}

QChar LocaleDecimalSeparator()
{
    return FormatSettings.DecimalSeparator;
}

QString LocaleShortDateFormat()
{
    return FormatSettings.ShortDateFormat;
}

bool IsNumberChar(QChar Ch)
{
    return Ch.isNumber();
}

bool IsNumberOrMinus(QChar Ch)
{
    return IsNumberChar(Ch) || Ch == u'-';
}

bool IsFloatChar(QChar Ch)
{
    return IsNumberChar(Ch) || Ch == LocaleThousandSeparator() || Ch == LocaleDecimalSeparator() || Ch == u'e' ||
           Ch == u'E';
}

bool IsSignedFloatChar(QChar Ch)
{
    return IsFloatChar(Ch) || Ch == u'+' || Ch == u'-';
}

bool IsFloatTextChar(QChar Ch)
{
    return IsNumberChar(Ch) || Ch == u'-' || Ch == u'.' || Ch == u'e' || Ch == u'E' || Ch == u'+';
}

bool IsWordSeparator(QChar Ch)
{
    return Ch == u' ' || Ch == u'\'' || Ch == u',' || Ch == u'-' || Ch == u'.';
}

int ClassifyNumberText(const QString& S)
{
    if (S.isEmpty())
        return ntNone;
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    bool intOK = true, floatOK = true, sciOK = true, seenE = false;
    int minus = 0, decimals = 0, lastThousand = -1;
    const int n = int(S.size());
    for (int i = 1; i <= n; ++i) {
        const QChar c = S[i - 1];
        const bool isE = c == u'e' || c == u'E';
        if (isE) {
            if (seenE || i == 1)
                sciOK = false;
            seenE = true;
        }
        intOK = intOK && IsNumberOrMinus(c);
        if (i > 1 && c == u'-')
            intOK = floatOK = false;
        if (i == n && (c == u'+' || c == u'-' || isE))
            sciOK = false;
        if (!IsNumberOrMinus(c) && c != thousand)
            floatOK = floatOK && c == decimal;
        if (!IsSignedFloatChar(c) || c == thousand)
            sciOK = false;
        if (c == thousand) {
            if (lastThousand != -1 && i - lastThousand <= 3)
                floatOK = false;
            lastThousand = i;
        }
        if (c == decimal)
            ++decimals;
        if (c == u'-')
            ++minus;
    }
    int result = intOK ? ntInteger : (floatOK && !seenE ? ntFloat : ntNone);
    if (sciOK && seenE) {
        result = ntScientific;
        // The exponent may carry a sign of its own.
        if (minus == 2)
            minus = 1;
    }
    if (minus > 1 || decimals > 1)
        result = ntNone;
    return result;
}

QString ExtractFloatText(const QString& S)
{
    QString s = Trim(S);
    if (s.isEmpty())
        return QString();
    bool negative = s.startsWith(u'(') && s.endsWith(u')');
    while (s.size() >= 2 && !IsFloatChar(s[0])) {
        if (s[0] == u'-')
            negative = true;
        s.remove(0, 1);
    }
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    QString result;
    for (QChar c : s) {
        if (c == thousand)
            continue;
        if (c == decimal)
            result += u'.';
        else if (IsFloatTextChar(c))
            result += c;
        else
            break;
    }
    if (negative)
        result.prepend(u'-');
    return result;
}

QString NormalizeNumberText(const QString& S)
{
    const QChar thousand = LocaleThousandSeparator();
    const QChar decimal = LocaleDecimalSeparator();
    QString result;
    result.reserve(S.size());
    for (QChar c : S) {
        if (c == thousand)
            continue;
        result += c == decimal ? QChar(u'.') : c;
    }
    return result;
}

int ClassifyCellText(const QString& S, bool DetectHTML)
{
    // Called for every cell a file takes: no copies, one scan for "<".
    if (S.isEmpty())
        return ctPlain;
    if (S[0] == u'=')
        return ctFormula;
    if (S.startsWith(QLatin1String("|\\"))) {
        // A packed text whose first character is "=".
        if (S.size() >= 5 && S[3] == u'=' && S[4] == QChar(0))
            return ctFormula;
        return ctPackedWide;
    }
    if (S.startsWith(QLatin1String("{\\")))
        return ctRTF;
    if (!DetectHTML || !S.contains(u'<'))
        return ctPlain;
    for (const char* tag : {"</", "<B", "<I", "<C"})
        if (S.contains(QLatin1String(tag)))
            return ctHTML;
    return ctPlain;
}

bool LooksLikeDate(const QString& S)
{
    const QChar sep = LocaleDateSeparator();
    const int p = int(S.indexOf(sep));
    if (p < 1)
        return false;
    return S.indexOf(sep, p + 1) >= p + 2;
}

namespace {

// The date order of the short date format: the field index of the day,
// the month and the year.
struct TDateOrder {
    int Day = 0;
    int Month = 1;
    int Year = 2;
};

TDateOrder ShortDateOrder()
{
    const QString fmt = LocaleShortDateFormat().toUpper();
    std::array<std::pair<qsizetype, int*>, 3> letters;
    TDateOrder order;
    letters[0] = {fmt.indexOf(u'D'), &order.Day};
    letters[1] = {fmt.indexOf(u'M'), &order.Month};
    letters[2] = {fmt.indexOf(u'Y'), &order.Year};
    std::stable_sort(letters.begin(), letters.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (int i = 0; i < 3; ++i)
        *letters[i].second = i;
    return order;
}

// h:m or h:m:s with the locale time separator; False for anything else.
bool ParseTimeText(const QString& S, TDateTime& Value)
{
    const QChar sep = LocaleTimeSeparator();
    const int p = int(S.indexOf(sep));
    if (p < 0)
        return false;
    int hour = 0, minute = 0, second = 0;
    if (!TryStrToInt(S.left(p), hour) || hour > 23)
        return false;
    const QString rest = S.mid(p + 1);
    const int q = int(rest.indexOf(sep));
    if (!TryStrToInt(q < 0 ? rest : rest.left(q), minute) || minute > 59)
        return false;
    if (q >= 0 && (!TryStrToInt(rest.mid(q + 1), second) || second > 60))
        return false;
    return TryEncodeTime(hour, minute, second, 0, Value);
}

} // namespace

bool ParseDateTimeText(const QString& S, TDateTime& Value)
{
    const QChar sep = LocaleDateSeparator();
    const int p1 = int(S.indexOf(sep));
    if (p1 < 0)
        return false;
    const int p2 = int(S.indexOf(sep, p1 + 1));
    if (p2 < 0)
        return false;
    QString third = Trim(S.mid(p2 + 1));
    QString timeText;
    const int blank = int(third.indexOf(u' '));
    if (blank >= 0) {
        timeText = third.mid(blank);
        third = third.left(blank);
    }
    int fields[3];
    if (!TryStrToInt(S.left(p1), fields[0]) || !TryStrToInt(S.mid(p1 + 1, p2 - p1 - 1), fields[1]) ||
        !TryStrToInt(third, fields[2]))
        return false;
    const TDateOrder order = ShortDateOrder();
    const int day = fields[order.Day], month = fields[order.Month], year = fields[order.Year];
    if (day > 31 || month > 12)
        return false;
    TDateTime date = 0;
    if (!TryEncodeDate(year, month, day, date))
        return false;
    if (timeText.isEmpty()) {
        Value = date;
        return true;
    }
    if (!timeText.contains(LocaleTimeSeparator())) {
        Value = date;
        return false;
    }
    TDateTime time = 0;
    if (!ParseTimeText(timeText, time))
        return false;
    Value = date + time;
    return true;
}

namespace {

TDateTime ParseShortDate(const QString& S, bool MonthFirst)
{
    QChar sep;
    for (QChar c : {u'/', u'.', u'-'})
        if (S.contains(c)) {
            sep = c;
            break;
        }
    if (sep.isNull())
        return 0;
    const QStringList parts = S.split(sep);
    if (parts.size() < 3)
        return 0;
    // The third field runs to the end of the text.
    const QString third = S.section(sep, 2);
    int a = 0, b = 0, year = 0;
    if (!TryStrToInt(parts[0], a) || !TryStrToInt(parts[1], b) || !TryStrToInt(third, year))
        return 0;
    if (year >= 0 && year < 100)
        year += year <= 25 ? 2000 : 1900;
    return MonthFirst ? EncodeDate(year, a, b) : EncodeDate(year, b, a);
}

} // namespace

TDateTime ParseShortDateUS(const QString& S)
{
    return ParseShortDate(S, true);
}

TDateTime ParseShortDateEU(const QString& S)
{
    return ParseShortDate(S, false);
}

TDateTime AddToDate(unsigned short Years, unsigned short Months, unsigned short Days, TDateTime Date,
                    double Step)
{
    const bool y = Years != 0, m = Months != 0, d = Days != 0;
    if (d && !y && !m)
        return Date + Days;
    if ((y && !m && !d) || (m && !y && !d)) {
        int year = 0, month = 0, day = 0;
        DecodeDate(Date, year, month, day);
        const double time = std::abs(Date - Int(Date));
        if (y) {
            year += Years;
        } else {
            month = static_cast<unsigned short>(month + Months);
            if (month == 0) {
                month = 12;
                --year;
            } else if (month > 12) {
                month -= 12;
                ++year;
            }
        }
        const TDateTime date = EncodeDate(year, month, day);
        return date < 0 ? date - time : date + time;
    }
    return Date + Step;
}

QString ToMixedCase(const QString& S)
{
    QString r;
    r.reserve(S.size());
    const int len = int(S.size());
    bool wordStart = true;
    for (int n = 1; n <= len; ++n) {
        const QChar c = S[n - 1];
        if (IsWordSeparator(c)) {
            wordStart = true;
            r += c;
        } else if (wordStart) {
            r += c.toUpper();
            wordStart = false;
        } else {
            r += c.toLower();
        }
        const int mc = int(r.indexOf(QLatin1String(" Mc")));
        if (r == QLatin1String("Mc") || (n > 2 && mc >= 0 && mc + 3 == n)) {
            wordStart = true;
        } else if (n > len - 3) {
            if (r.endsWith(QLatin1String(" I")) || r.endsWith(QLatin1String(" II")))
                wordStart = true;
        }
    }
    return r;
}
