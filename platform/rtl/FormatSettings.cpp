#include "platform/rtl/FormatSettings.h"
#include <QLocale>

namespace {

// Turns a Qt date or time pattern into FormatDateTime's letters:
// Qt's "M" (month) becomes "m", its "m" (minutes) becomes "n", "AP" becomes "ampm".
QString FromQtPattern(const QString& qt)
{
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < qt.size(); ++i) {
        const QChar c = qt[i];
        if (c == u'\'') {
            quoted = !quoted;
            out += u'"';
            continue;
        }
        if (quoted) {
            out += c;
            continue;
        }
        if (c == u'M')
            out += u'm';
        else if (c == u'm')
            out += u'n';
        else if (c == u'H')
            out += u'h';
        else if (c == u'A' || c == u'a') {
            if (i + 1 < qt.size() && (qt[i + 1] == u'P' || qt[i + 1] == u'p'))
                ++i;
            out += QStringLiteral("ampm");
        } else if (c == u't')
            continue; // time zone: not part of the framework's formats
        else
            out += c;
    }
    return out.trimmed();
}

QChar FirstChar(const QString& s, QChar fallback)
{
    return s.isEmpty() ? fallback : s[0];
}

// The separator between the first two fields of a date or time pattern.
QChar PatternSeparator(const QString& pattern, QChar fallback)
{
    bool seenField = false;
    for (QChar c : pattern) {
        if (c.isLetter())
            seenField = true;
        else if (seenField)
            return c;
    }
    return fallback;
}

TFormatSettings InitialSettings()
{
    return TFormatSettings::FromLocale(QLocale::system());
}

} // namespace

TFormatSettings FormatSettings = InitialSettings();

TFormatSettings TFormatSettings::Invariant()
{
    TFormatSettings s;
    s.DecimalSeparator = u'.';
    s.ThousandSeparator = u',';
    s.DateSeparator = u'/';
    s.TimeSeparator = u':';
    s.ListSeparator = u',';
    s.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    s.LongDateFormat = QStringLiteral("dddd, d MMMM yyyy");
    s.ShortTimeFormat = QStringLiteral("hh:nn");
    s.LongTimeFormat = QStringLiteral("hh:nn:ss");
    s.TimeAMString = QStringLiteral("AM");
    s.TimePMString = QStringLiteral("PM");
    const QLocale en(QLocale::English, QLocale::UnitedStates);
    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[i] = en.monthName(i + 1, QLocale::ShortFormat);
        s.LongMonthNames[i] = en.monthName(i + 1, QLocale::LongFormat);
    }
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i; // Qt counts Monday = 1 ... Sunday = 7
        s.ShortDayNames[i] = en.dayName(qtDay, QLocale::ShortFormat);
        s.LongDayNames[i] = en.dayName(qtDay, QLocale::LongFormat);
    }
    s.CurrencyString = QStringLiteral("$");
    s.CurrencyFormat = 0;
    s.NegCurrFormat = 1;
    s.CurrencyDecimals = 2;
    s.TwoDigitYearCenturyWindow = 50;
    return s;
}

TFormatSettings TFormatSettings::FromLocale(const QLocale& locale)
{
    TFormatSettings s = Invariant();
    if (locale.language() == QLocale::C)
        return s;
    s.DecimalSeparator = FirstChar(locale.decimalPoint(), u'.');
    s.ThousandSeparator = FirstChar(locale.groupSeparator(), u',');
    s.ShortDateFormat = FromQtPattern(locale.dateFormat(QLocale::ShortFormat));
    s.LongDateFormat = FromQtPattern(locale.dateFormat(QLocale::LongFormat));
    s.ShortTimeFormat = FromQtPattern(locale.timeFormat(QLocale::ShortFormat));
    s.LongTimeFormat = FromQtPattern(locale.timeFormat(QLocale::LongFormat));
    s.DateSeparator = PatternSeparator(locale.dateFormat(QLocale::ShortFormat), u'/');
    s.TimeSeparator = PatternSeparator(locale.timeFormat(QLocale::ShortFormat), u':');
    if (!locale.amText().isEmpty())
        s.TimeAMString = locale.amText();
    if (!locale.pmText().isEmpty())
        s.TimePMString = locale.pmText();
    for (int i = 0; i < 12; ++i) {
        s.ShortMonthNames[i] = locale.monthName(i + 1, QLocale::ShortFormat);
        s.LongMonthNames[i] = locale.monthName(i + 1, QLocale::LongFormat);
    }
    for (int i = 0; i < 7; ++i) {
        const int qtDay = i == 0 ? 7 : i;
        s.ShortDayNames[i] = locale.dayName(qtDay, QLocale::ShortFormat);
        s.LongDayNames[i] = locale.dayName(qtDay, QLocale::LongFormat);
    }
    const QString currency = locale.currencySymbol();
    if (!currency.isEmpty())
        s.CurrencyString = currency;
    // Symbol before or after the amount, as the locale writes it.
    const QString sample = locale.toCurrencyString(1.0);
    const qsizetype symbolAt = currency.isEmpty() ? -1 : sample.indexOf(currency);
    if (symbolAt > 0) {
        const bool spaced = sample[symbolAt - 1].isSpace();
        s.CurrencyFormat = spaced ? 3 : 1;
        s.NegCurrFormat = spaced ? 8 : 5;
    } else if (symbolAt == 0) {
        const bool spaced = currency.size() < sample.size() && sample[currency.size()].isSpace();
        s.CurrencyFormat = spaced ? 2 : 0;
        s.NegCurrFormat = spaced ? 9 : 1;
    }
    // Places after the decimal point in the locale's own money text.
    const qsizetype point = sample.lastIndexOf(s.DecimalSeparator);
    if (point >= 0) {
        int places = 0;
        for (qsizetype i = point + 1; i < sample.size() && sample[i].isDigit(); ++i)
            ++places;
        s.CurrencyDecimals = places;
    } else {
        s.CurrencyDecimals = 0;
    }
    return s;
}

void SetTestFormatSettings()
{
    FormatSettings = TFormatSettings::Invariant();
}

void GetLocaleFormatSettings()
{
    FormatSettings = InitialSettings();
}
