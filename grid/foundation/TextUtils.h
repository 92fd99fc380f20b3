#pragma once
// Text, number and date routines of the grid library. They keep no state
// and read the process format settings at every call. Positions are
// 1-based; dates are TDateTime values.
#include "platform/rtl/DateTime.h"
#include <QChar>
#include <QString>

// Locale separators and the short date format
QChar LocaleTimeSeparator();
QChar LocaleDateSeparator();
QChar LocaleThousandSeparator();
QChar LocaleDecimalSeparator();
QString LocaleShortDateFormat();

// Character classes. A number character is any Unicode digit or number.
bool IsNumberChar(QChar Ch);
bool IsNumberOrMinus(QChar Ch);
// A number character, a locale separator, "e" or "E".
bool IsFloatChar(QChar Ch);
// IsFloatChar, "+" or "-".
bool IsSignedFloatChar(QChar Ch);
// A number character, "-", ".", "e", "E" or "+", whatever the locale.
bool IsFloatTextChar(QChar Ch);
// Blank, apostrophe, comma, hyphen or full stop.
bool IsWordSeparator(QChar Ch);

// Number kinds of ClassifyNumberText.
constexpr int ntInteger = 0;
constexpr int ntFloat = 1;
constexpr int ntNone = 2;
constexpr int ntScientific = 5;
// The number kind of S by the locale separators: 0 integer (a lone "-"
// too), 1 float, 2 not a number, 5 scientific.
int ClassifyNumberText(const QString& S);
// A formatted number reduced to a plain number text with "." as decimal
// point: "(1.234,50 EUR)" gives "-1234.50" with a decimal comma.
QString ExtractFloatText(const QString& S);
// S without thousand separators and with "." for the decimal separator.
QString NormalizeNumberText(const QString& S);

// Cell text kinds of ClassifyCellText.
constexpr int ctPlain = 0;
constexpr int ctHTML = 1;
constexpr int ctRTF = 2;
constexpr int ctFormula = 3;
constexpr int ctPackedWide = 5;
// The kind of a cell text; markup is recognised only with DetectHTML (by
// "</", "<B", "<I" or "<C").
int ClassifyCellText(const QString& S, bool DetectHTML);

// The date separator at position 2 or later, and again after it.
bool LooksLikeDate(const QString& S);
// A date in the order of the short date format, optionally followed by a
// blank and h:m or h:m:s. False for anything else; a time text without
// the time separator still stores the date (at 00:00) in Value.
bool ParseDateTimeText(const QString& S, TDateTime& Value);
// Month, day, year (US) or day, month, year (EU) separated by "/", "." or
// "-"; a two-digit year of 25 or less is 20yy, any other 19yy; years of
// 100 and above are taken as written. 0 when the text does not parse.
// Note: an impossible day or month raises EConvertError.
TDateTime ParseShortDateUS(const QString& S);
TDateTime ParseShortDateEU(const QString& S);
// Date plus Days, Years or Months when exactly one of them is non-zero
// (months in 16-bit unsigned arithmetic, so 65535 is one month back), else
// Date plus Step. The time of day is kept. Note: an impossible date raises
// EConvertError.
TDateTime AddToDate(unsigned short Years, unsigned short Months, unsigned short Days, TDateTime Date,
                    double Step);
// First letter of each word upper-case, the rest lower-case; "Mc" and the
// Roman numerals " I", " II" at the end are kept upper-case.
QString ToMixedCase(const QString& S);
