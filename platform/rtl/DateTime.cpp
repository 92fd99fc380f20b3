#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cmath>

namespace {

constexpr int MSecsPerDayInt = 24 * 60 * 60 * 1000;
// Julian day number of day 0 (30 Dec 1899).
constexpr qint64 JulianDayZero = 2415019;

// Splits a date-time into whole days and milliseconds of the day. The time
// of a negative value counts forward from its date, as the framework has it.
void Split(TDateTime value, qint64& days, int& msec)
{
    // Far outside 1..9999 (or not a number): report day 0 far away, time 0.
    if (!(std::fabs(value) < 1e8)) {
        days = -100000000;
        msec = 0;
        return;
    }
    const double whole = std::trunc(value);
    double ms = std::nearbyint(std::fabs(value - whole) * MSecsPerDay);
    days = qint64(whole);
    if (ms >= MSecsPerDayInt) {
        ms -= MSecsPerDayInt;
        ++days;
    }
    msec = int(ms);
}

QString Padded(int value, int digits)
{
    return QString::number(value).rightJustified(digits, u'0');
}

} // namespace

bool IsLeapYear(int Year)
{
    return Year % 4 == 0 && (Year % 100 != 0 || Year % 400 == 0);
}

int DaysInMonth(int Year, int Month)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (Month < 1 || Month > 12)
        return 0;
    return Month == 2 && IsLeapYear(Year) ? 29 : days[Month - 1];
}

bool TryEncodeDate(int Year, int Month, int Day, TDateTime& Date)
{
    if (Year < 1 || Year > 9999 || Month < 1 || Month > 12 || Day < 1 || Day > DaysInMonth(Year, Month))
        return false;
    Date = double(QDate(Year, Month, Day).toJulianDay() - JulianDayZero);
    return true;
}

bool TryEncodeTime(int Hour, int Min, int Sec, int MSec, TDateTime& Time)
{
    if (Hour < 0 || Hour > 23 || Min < 0 || Min > 59 || Sec < 0 || Sec > 59 || MSec < 0 || MSec > 999)
        return false;
    Time = (((Hour * 60 + Min) * 60 + Sec) * 1000 + MSec) / MSecsPerDay;
    return true;
}

TDateTime EncodeDate(int Year, int Month, int Day)
{
    TDateTime d = 0;
    if (!TryEncodeDate(Year, Month, Day, d))
        throw EConvertError(QStringLiteral("Invalid argument to date encode"));
    return d;
}

TDateTime EncodeTime(int Hour, int Min, int Sec, int MSec)
{
    TDateTime t = 0;
    if (!TryEncodeTime(Hour, Min, Sec, MSec, t))
        throw EConvertError(QStringLiteral("Invalid argument to time encode"));
    return t;
}

TDateTime EncodeDateTime(int Year, int Month, int Day, int Hour, int Min, int Sec, int MSec)
{
    const TDateTime d = EncodeDate(Year, Month, Day);
    const TDateTime t = EncodeTime(Hour, Min, Sec, MSec);
    return d < 0 ? d - t : d + t;
}

void DecodeDate(TDateTime Date, int& Year, int& Month, int& Day)
{
    qint64 days = 0;
    int ms = 0;
    Split(Date, days, ms);
    const QDate d = QDate::fromJulianDay(days + JulianDayZero);
    if (!d.isValid() || d.year() < 1 || d.year() > 9999) {
        Year = Month = Day = 0;
        return;
    }
    Year = d.year();
    Month = d.month();
    Day = d.day();
}

void DecodeTime(TDateTime Time, int& Hour, int& Min, int& Sec, int& MSec)
{
    qint64 days = 0;
    int ms = 0;
    Split(Time, days, ms);
    Hour = ms / 3600000;
    Min = ms / 60000 % 60;
    Sec = ms / 1000 % 60;
    MSec = ms % 1000;
}

void DecodeDateTime(TDateTime Value, int& Year, int& Month, int& Day,
                    int& Hour, int& Min, int& Sec, int& MSec)
{
    DecodeDate(Value, Year, Month, Day);
    DecodeTime(Value, Hour, Min, Sec, MSec);
}

int DayOfWeek(TDateTime Date)
{
    qint64 days = 0;
    int ms = 0;
    Split(Date, days, ms);
    // Day 0 was a Saturday.
    return int(((days + 6) % 7 + 7) % 7) + 1;
}

TDateTime IncMonth(TDateTime Date, int NumberOfMonths)
{
    int y, m, d;
    DecodeDate(Date, y, m, d);
    int total = y * 12 + (m - 1) + NumberOfMonths;
    y = total / 12;
    m = total % 12 + 1;
    d = std::min(d, DaysInMonth(y, m));
    const double time = std::fabs(Date - std::trunc(Date));
    const TDateTime nd = EncodeDate(y, m, d);
    return nd < 0 ? nd - time : nd + time;
}

TDateTime Now()
{
    return Clock().Now();
}

TDateTime Date()
{
    return std::floor(Now());
}

TDateTime Time()
{
    const TDateTime now = Now();
    return now - std::floor(now);
}

TDateTime QDateTimeToDateTime(const QDateTime& Value)
{
    if (!Value.isValid())
        return 0;
    const QDateTime local = Value.toLocalTime();
    const double days = double(local.date().toJulianDay() - JulianDayZero);
    const double time = local.time().msecsSinceStartOfDay() / MSecsPerDay;
    return days < 0 ? days - time : days + time;
}

QDateTime DateTimeToQDateTime(TDateTime Value)
{
    qint64 days = 0;
    int ms = 0;
    Split(Value, days, ms);
    return QDateTime(QDate::fromJulianDay(days + JulianDayZero), QTime::fromMSecsSinceStartOfDay(ms));
}

int64_t DateTimeToUnix(TDateTime Value)
{
    return int64_t(std::llround((Value - UnixDateDelta) * SecsPerDay));
}

TDateTime UnixToDateTime(int64_t Value)
{
    return double(Value) / SecsPerDay + UnixDateDelta;
}

// Formatting

namespace {

struct TParts {
    int Year, Month, Day, Hour, Min, Sec, MSec, DayOfWeek;
};

class TDateTimeWriter {
public:
    TDateTimeWriter(const TParts& parts, const TFormatSettings& fs) : P(parts), FS(fs) {}

    void Write(const QString& format, int depth);
    QString Out;

private:
    bool Uses12HourClock(const QString& f, qsizetype from) const;

    const TParts& P;
    const TFormatSettings& FS;
};

bool StartsWithText(const QString& f, qsizetype at, const char* text)
{
    return QStringView(f).mid(at).startsWith(QLatin1String(text), Qt::CaseInsensitive);
}

// An "h" is a 12-hour clock when an am/pm marker follows before the next "h".
bool TDateTimeWriter::Uses12HourClock(const QString& f, qsizetype from) const
{
    bool quoted = false;
    for (qsizetype i = from; i < f.size(); ++i) {
        const QChar c = f[i].toUpper();
        if (c == u'\'' || c == u'"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == u'H')
            return false;
        else if (c == u'A')
            return StartsWithText(f, i, "am/pm") || StartsWithText(f, i, "a/p") || StartsWithText(f, i, "ampm");
    }
    return false;
}

void TDateTimeWriter::Write(const QString& f, int depth)
{
    if (depth > 2)
        return;
    QChar lastToken;
    qsizetype i = 0;
    while (i < f.size()) {
        const QChar raw = f[i];
        const QChar c = raw.toUpper();
        if (raw == u'\'' || raw == u'"') {
            const qsizetype end = f.indexOf(raw, i + 1);
            const qsizetype stop = end < 0 ? f.size() : end;
            Out += QStringView(f).mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (c == u'A') {
            const bool pm = P.Hour >= 12;
            if (StartsWithText(f, i, "am/pm")) {
                Out += f.mid(pm ? i + 3 : i, 2);
                i += 5;
            } else if (StartsWithText(f, i, "a/p")) {
                Out += f[pm ? i + 2 : i];
                i += 3;
            } else if (StartsWithText(f, i, "ampm")) {
                Out += pm ? FS.TimePMString : FS.TimeAMString;
                i += 4;
            } else {
                Out += raw;
                ++i;
                continue;
            }
            lastToken = c;
            continue;
        }
        if (QStringLiteral("CDMYHNSZT").contains(c)) {
            int count = 0;
            while (i < f.size() && f[i].toUpper() == c) {
                ++count;
                ++i;
            }
            switch (c.unicode()) {
            case 'C':
                Write(FS.ShortDateFormat, depth + 1);
                if (P.Hour || P.Min || P.Sec || P.MSec) {
                    Out += u' ';
                    Write(FS.LongTimeFormat, depth + 1);
                }
                break;
            case 'D':
                switch (count) {
                case 1: Out += QString::number(P.Day); break;
                case 2: Out += Padded(P.Day, 2); break;
                case 3: Out += FS.ShortDayNames[P.DayOfWeek - 1]; break;
                case 4: Out += FS.LongDayNames[P.DayOfWeek - 1]; break;
                case 5: Write(FS.ShortDateFormat, depth + 1); break;
                default: Write(FS.LongDateFormat, depth + 1); break;
                }
                break;
            case 'M':
                if (lastToken == u'H' && count <= 2)
                    Out += count == 1 ? QString::number(P.Min) : Padded(P.Min, 2);
                else if (count == 1)
                    Out += QString::number(P.Month);
                else if (count == 2)
                    Out += Padded(P.Month, 2);
                else if (P.Month >= 1)
                    Out += count == 3 ? FS.ShortMonthNames[P.Month - 1] : FS.LongMonthNames[P.Month - 1];
                break;
            case 'Y':
                Out += count <= 2 ? Padded(P.Year % 100, 2) : Padded(P.Year, 4);
                break;
            case 'H': {
                int h = P.Hour;
                if (Uses12HourClock(f, i)) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                Out += count == 1 ? QString::number(h) : Padded(h, 2);
                break;
            }
            case 'N':
                Out += count == 1 ? QString::number(P.Min) : Padded(P.Min, 2);
                break;
            case 'S':
                Out += count == 1 ? QString::number(P.Sec) : Padded(P.Sec, 2);
                break;
            case 'Z':
                Out += count < 3 ? QString::number(P.MSec) : Padded(P.MSec, 3);
                break;
            case 'T':
                Write(count == 1 ? FS.ShortTimeFormat : FS.LongTimeFormat, depth + 1);
                break;
            }
            lastToken = c;
            continue;
        }
        if (raw == u'/')
            Out += FS.DateSeparator;
        else if (raw == u':')
            Out += FS.TimeSeparator;
        else
            Out += raw;
        ++i;
    }
}

} // namespace

QString FormatDateTime(const QString& Format, TDateTime Value, const TFormatSettings& Settings)
{
    TParts p{};
    DecodeDateTime(Value, p.Year, p.Month, p.Day, p.Hour, p.Min, p.Sec, p.MSec);
    p.DayOfWeek = DayOfWeek(Value);
    TDateTimeWriter w(p, Settings);
    w.Write(Format.isEmpty() ? QStringLiteral("c") : Format, 0);
    return w.Out;
}

QString FormatDateTime(const QString& Format, TDateTime Value)
{
    return FormatDateTime(Format, Value, FormatSettings);
}

QString DateToStr(TDateTime Value, const TFormatSettings& Settings)
{
    return FormatDateTime(QStringLiteral("ddddd"), Value, Settings);
}

QString DateToStr(TDateTime Value)
{
    return DateToStr(Value, FormatSettings);
}

QString TimeToStr(TDateTime Value, const TFormatSettings& Settings)
{
    return FormatDateTime(QStringLiteral("tt"), Value, Settings);
}

QString TimeToStr(TDateTime Value)
{
    return TimeToStr(Value, FormatSettings);
}

QString DateTimeToStr(TDateTime Value, const TFormatSettings& Settings)
{
    return FormatDateTime(QStringLiteral("c"), Value, Settings);
}

QString DateTimeToStr(TDateTime Value)
{
    return DateTimeToStr(Value, FormatSettings);
}

// Parsing

namespace {

enum class TDateOrder { DMY, MDY, YMD };

TDateOrder DateOrderOf(const QString& format)
{
    bool quoted = false;
    for (QChar ch : format) {
        if (ch == u'\'' || ch == u'"')
            quoted = !quoted;
        if (quoted)
            continue;
        switch (ch.toUpper().unicode()) {
        case 'D': return TDateOrder::DMY;
        case 'M': return TDateOrder::MDY;
        case 'Y': return TDateOrder::YMD;
        }
    }
    return TDateOrder::DMY;
}

class TScanner {
public:
    explicit TScanner(const QString& s) : S(s) {}

    bool AtEnd() const { return I >= S.size(); }
    void SkipBlanks()
    {
        while (I < S.size() && S[I].unicode() <= 0x20)
            ++I;
    }
    bool Char(QChar c)
    {
        SkipBlanks();
        if (I < S.size() && S[I] == c) {
            ++I;
            return true;
        }
        return false;
    }
    // Digits; Length receives how many there were.
    bool Number(int& value, int& length)
    {
        SkipBlanks();
        value = 0;
        length = 0;
        while (I < S.size() && S[I].unicode() >= '0' && S[I].unicode() <= '9' && length < 9) {
            value = value * 10 + (S[I].unicode() - '0');
            ++length;
            ++I;
        }
        return length > 0;
    }
    bool Text(const QString& text)
    {
        SkipBlanks();
        if (text.isEmpty() || !QStringView(S).mid(I).startsWith(text, Qt::CaseInsensitive))
            return false;
        I += text.size();
        return true;
    }

    const QString& S;
    qsizetype I = 0;
};

int ExpandYear(int year, int digits, const TFormatSettings& fs)
{
    if (year > 99 || digits > 2)
        return year;
    int currentYear, m, d;
    DecodeDate(Now(), currentYear, m, d);
    const int pivot = currentYear - fs.TwoDigitYearCenturyWindow;
    year += pivot / 100 * 100;
    if (fs.TwoDigitYearCenturyWindow > 0 && year < pivot)
        year += 100;
    return year;
}

bool ScanDate(TScanner& sc, const TFormatSettings& fs, TDateTime& value)
{
    int n1, n2, n3 = 0, l1, l2, l3 = 0;
    if (!sc.Number(n1, l1) || !sc.Char(fs.DateSeparator) || !sc.Number(n2, l2))
        return false;
    const bool three = sc.Char(fs.DateSeparator);
    if (three && !sc.Number(n3, l3))
        return false;
    int y, m, d;
    const TDateOrder order = DateOrderOf(fs.ShortDateFormat);
    if (!three) {
        int currentYear;
        DecodeDate(Now(), currentYear, m, d);
        y = currentYear;
        if (order == TDateOrder::DMY) {
            d = n1;
            m = n2;
        } else {
            m = n1;
            d = n2;
        }
    } else {
        switch (order) {
        case TDateOrder::DMY: d = n1; m = n2; y = ExpandYear(n3, l3, fs); break;
        case TDateOrder::MDY: m = n1; d = n2; y = ExpandYear(n3, l3, fs); break;
        default: y = ExpandYear(n1, l1, fs); m = n2; d = n3; break;
        }
    }
    return TryEncodeDate(y, m, d, value);
}

bool ScanTime(TScanner& sc, const TFormatSettings& fs, TDateTime& value)
{
    int hour, min = 0, sec = 0, msec = 0, len;
    if (!sc.Number(hour, len))
        return false;
    if (sc.Char(fs.TimeSeparator)) {
        if (!sc.Number(min, len))
            return false;
        if (sc.Char(fs.TimeSeparator)) {
            if (!sc.Number(sec, len))
                return false;
            if (sc.Char(fs.DecimalSeparator)) {
                if (!sc.Number(msec, len))
                    return false;
                // A fraction of a second.
                while (len > 3) {
                    msec /= 10;
                    --len;
                }
                while (len < 3) {
                    msec *= 10;
                    ++len;
                }
            }
        }
    }
    int baseHour = -1;
    if (sc.Text(fs.TimeAMString) || sc.Text(QStringLiteral("AM")))
        baseHour = 0;
    else if (sc.Text(fs.TimePMString) || sc.Text(QStringLiteral("PM")))
        baseHour = 12;
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12)
            return false;
        if (hour == 12)
            hour = 0;
        hour += baseHour;
    }
    return TryEncodeTime(hour, min, sec, msec, value);
}

} // namespace

bool TryStrToDate(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TScanner sc(S);
    TDateTime d;
    if (!ScanDate(sc, Settings, d))
        return false;
    sc.SkipBlanks();
    if (!sc.AtEnd())
        return false;
    Value = d;
    return true;
}

bool TryStrToTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TScanner sc(S);
    TDateTime t;
    if (!ScanTime(sc, Settings, t))
        return false;
    sc.SkipBlanks();
    if (!sc.AtEnd())
        return false;
    Value = t;
    return true;
}

bool TryStrToDateTime(const QString& S, TDateTime& Value, const TFormatSettings& Settings)
{
    TScanner sc(S);
    TDateTime d = 0;
    TDateTime t = 0;
    if (!ScanDate(sc, Settings, d))
        return TryStrToTime(S, Value, Settings);
    sc.SkipBlanks();
    if (!sc.AtEnd()) {
        if (!ScanTime(sc, Settings, t))
            return false;
        sc.SkipBlanks();
        if (!sc.AtEnd())
            return false;
    }
    Value = d < 0 ? d - t : d + t;
    return true;
}

TDateTime StrToDate(const QString& S, const TFormatSettings& Settings)
{
    TDateTime v = 0;
    if (!TryStrToDate(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid date").arg(S));
    return v;
}

TDateTime StrToDate(const QString& S)
{
    return StrToDate(S, FormatSettings);
}

TDateTime StrToTime(const QString& S, const TFormatSettings& Settings)
{
    TDateTime v = 0;
    if (!TryStrToTime(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid time").arg(S));
    return v;
}

TDateTime StrToTime(const QString& S)
{
    return StrToTime(S, FormatSettings);
}

TDateTime StrToDateTime(const QString& S, const TFormatSettings& Settings)
{
    TDateTime v = 0;
    if (!TryStrToDateTime(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid date and time").arg(S));
    return v;
}

TDateTime StrToDateTime(const QString& S)
{
    return StrToDateTime(S, FormatSettings);
}

TDateTime StrToDateDef(const QString& S, TDateTime Default)
{
    TDateTime v = 0;
    return TryStrToDate(S, v) ? v : Default;
}
