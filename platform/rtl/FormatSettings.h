#pragma once
// Locale-dependent formatting settings: separators, date and time formats,
// month and day names, currency. One process-wide instance, FormatSettings,
// is read from the system locale at start; tests pin it.
#include <QString>
#include <array>

class QLocale;

struct TFormatSettings {
    QChar DecimalSeparator = u'.';
    QChar ThousandSeparator = u',';
    QChar DateSeparator = u'/';
    QChar TimeSeparator = u':';
    QChar ListSeparator = u',';
    // Date and time formats use FormatDateTime's letters.
    QString ShortDateFormat;
    QString LongDateFormat;
    QString ShortTimeFormat;
    QString LongTimeFormat;
    QString TimeAMString;
    QString TimePMString;
    // Index 0 is January / Sunday.
    std::array<QString, 12> ShortMonthNames;
    std::array<QString, 12> LongMonthNames;
    std::array<QString, 7> ShortDayNames;
    std::array<QString, 7> LongDayNames;
    QString CurrencyString;
    // 0 = "$1", 1 = "1$", 2 = "$ 1", 3 = "1 $".
    int CurrencyFormat = 0;
    // 0 = "($1)", 1 = "-$1", 2 = "$-1", 3 = "$1-", ... as the framework numbers them.
    int NegCurrFormat = 1;
    int CurrencyDecimals = 2;
    // Two-digit years fall within this many years before now (0 = current century).
    int TwoDigitYearCenturyWindow = 50;

    // The pinned settings: "." decimal, "," thousands, "/" and ":"
    // separators, "dd/MM/yyyy", "dddd, d MMMM yyyy", "hh:nn", "hh:nn:ss",
    // English names, "$" currency.
    static TFormatSettings Invariant();
    // Settings taken from a Qt locale.
    static TFormatSettings FromLocale(const QLocale& locale);
};

// The process-wide settings every formatting routine uses by default.
extern TFormatSettings FormatSettings;

// Pins FormatSettings to TFormatSettings::Invariant(); tests call it first.
void SetTestFormatSettings();
// Reloads FormatSettings from the system locale.
void GetLocaleFormatSettings();
