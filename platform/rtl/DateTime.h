#pragma once
// TDateTime: days since 30 Dec 1899 as a double; the fraction is the time
// of day. Encoding, decoding, formatting and parsing.
#include "platform/rtl/Clock.h"
#include "platform/rtl/FormatSettings.h"
#include <QString>
#include <cstdint>

class QDateTime;

using TDate = double;
using TTime = double;

constexpr double HoursPerDay = 24;
constexpr double MinsPerDay = 24 * 60;
constexpr double SecsPerDay = 24 * 60 * 60;
constexpr double MSecsPerDay = 24.0 * 60 * 60 * 1000;
// TDateTime of 1 Jan 1970.
constexpr double UnixDateDelta = 25569;

// Raises EConvertError "Invalid argument to date encode".
TDateTime EncodeDate(int Year, int Month, int Day);
// Raises EConvertError "Invalid argument to time encode".
TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec);
bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date);
bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time);
TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec);

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day);
void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec);
void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day,
                    int& Hour, int& Min, int& Sec, int& MSec);

// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(TDateTime Date);
bool IsLeapYear(int Year);
int DaysInMonth(int Year, int Month);
// Adds months; the day is clamped to the last day of the target month.
TDateTime IncMonth(TDateTime Date, int NumberOfMonths = 1);

// Current date and time from Clock().
TDateTime Now();
TDateTime Date();
TDateTime Time();

// Format letters: c d dd ddd dddd ddddd dddddd m mm mmm mmmm yy yyyy
// h hh n nn s ss z zzz t tt am/pm a/p ampm / : 'text' "text".
// Note: m or mm right after h or hh means minutes.
QString FormatDateTime(const QString& Format, TDateTime Value);
QString FormatDateTime(const QString& Format, TDateTime Value, const TFormatSettings& Settings);
QString DateToStr(TDateTime Value);
QString DateToStr(TDateTime Value, const TFormatSettings& Settings);
QString TimeToStr(TDateTime Value);
QString TimeToStr(TDateTime Value, const TFormatSettings& Settings);
QString DateTimeToStr(TDateTime Value);
QString DateTimeToStr(TDateTime Value, const TFormatSettings& Settings);

// Parse by ShortDateFormat's field order and DateSeparator; raise
// EConvertError "'x' is not a valid date" / "... time" / "... date and time".
TDateTime StrToDate(const QString& S);
TDateTime StrToDate(const QString& S, const TFormatSettings& Settings);
TDateTime StrToTime(const QString& S);
TDateTime StrToTime(const QString& S, const TFormatSettings& Settings);
TDateTime StrToDateTime(const QString& S);
TDateTime StrToDateTime(const QString& S, const TFormatSettings& Settings);
bool TryStrToDate(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
bool TryStrToTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
bool TryStrToDateTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings = FormatSettings);
TDateTime StrToDateDef(const QString& S, TDateTime Default);

// Local time; an invalid QDateTime becomes 0.
TDateTime QDateTimeToDateTime(const QDateTime& Value);
QDateTime DateTimeToQDateTime(TDateTime Value);

int64_t DateTimeToUnix(TDateTime Value);
TDateTime UnixToDateTime(int64_t Value);
