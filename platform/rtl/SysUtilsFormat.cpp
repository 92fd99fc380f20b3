// Float conversion, picture formats (FormatFloat) and Format.
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/SysUtils.h"
#include <QByteArray>
#include <QStringList>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <charconv>
#include <cmath>
#include <cstdio>
#include "platform/rtl/AsciiChars.h"

namespace {

constexpr int MaxDigits = 18;

// Up to MaxDigits decimal digits in a fixed buffer.
struct TDigits {
    char Data[MaxDigits + 1] = {};
    int Count = 0;

    int size() const { return Count; }
    bool isEmpty() const { return Count == 0; }
    char operator[](int i) const { return Data[i]; }
};

// A value as decimal digits: 0.Digits * 10^Exponent. Digits carry no
// trailing zeros; an empty Digits is zero.
struct TFloatRec {
    TDigits Digits;
    int Exponent = 0;
    bool Negative = false;
};

// Rounds to Precision significant digits or Decimals places after the
// point, whichever keeps fewer digits; ties round away from zero.
TFloatRec FloatToDecimal(double value, int precision, int decimals)
{
    TFloatRec rec;
    if (value == 0 || !std::isfinite(value))
        return rec;
    // MaxDigits significant digits, correctly rounded: d.ddd...e[+-]xx
    char buf[48];
    const auto res = std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value),
                                   std::chars_format::scientific, MaxDigits - 1);
    *res.ptr = 0;
    char digits[MaxDigits + 1];
    digits[0] = buf[0];
    std::memcpy(digits + 1, buf + 2, MaxDigits - 1);
    int exponent = std::atoi(std::strchr(buf, 'e') + 1) + 1;

    const int keep = std::min({precision, exponent + decimals, MaxDigits});
    if (keep < 0)
        return rec;
    int count = keep;
    if (keep < MaxDigits && digits[keep] >= '5') {
        int i = keep - 1;
        while (i >= 0 && digits[i] == '9') {
            digits[i] = '0';
            --i;
        }
        if (i >= 0) {
            ++digits[i];
        } else {
            // All nines (or nothing kept): the value rounds up to 1 of the next power.
            digits[0] = '1';
            count = 1;
            ++exponent;
        }
    }
    while (count > 0 && digits[count - 1] == '0')
        --count;
    if (count == 0)
        return rec;
    std::memcpy(rec.Digits.Data, digits, count);
    rec.Digits.Count = count;
    rec.Exponent = exponent;
    rec.Negative = value < 0;
    return rec;
}

QString SpecialValue(double value)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QChar DigitAt(const TFloatRec& rec, int i)
{
    return i >= 0 && i < rec.Digits.size() ? QChar(rec.Digits[i]) : QChar(u'0');
}

QString ExponentText(int exponent, bool plusSign, int minDigits)
{
    QString s;
    if (exponent < 0)
        s += u'-';
    else if (plusSign)
        s += u'+';
    s += QString::number(std::abs(exponent)).rightJustified(minDigits, u'0');
    return s;
}

QString FormatExponent(double value, int precision, int expDigits, const TFormatSettings& fs)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    precision = std::clamp(precision, 1, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, precision, 9999);
    QString s;
    if (rec.Negative)
        s += u'-';
    s += DigitAt(rec, 0);
    if (precision > 1) {
        s += fs.DecimalSeparator;
        for (int i = 1; i < precision; ++i)
            s += DigitAt(rec, i);
    }
    s += u'E';
    s += ExponentText(rec.Digits.isEmpty() ? 0 : rec.Exponent - 1, true, expDigits);
    return s;
}

QString FormatGeneral(double value, int precision, int expDigits, const TFormatSettings& fs)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    precision = std::clamp(precision, 1, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, precision, 9999);
    if (rec.Digits.isEmpty())
        return QStringLiteral("0");
    QString s;
    if (rec.Negative)
        s += u'-';
    const int n = int(rec.Digits.size());
    if (rec.Exponent > precision || rec.Exponent < -3) {
        s += DigitAt(rec, 0);
        if (n > 1) {
            s += fs.DecimalSeparator;
            for (int i = 1; i < n; ++i)
                s += DigitAt(rec, i);
        }
        s += u'E';
        s += ExponentText(rec.Exponent - 1, false, expDigits);
        return s;
    }
    if (rec.Exponent <= 0) {
        s += u'0';
        s += fs.DecimalSeparator;
        s += QString(-rec.Exponent, u'0');
        s += QLatin1String(rec.Digits.Data, rec.Digits.Count);
        return s;
    }
    for (int i = 0; i < rec.Exponent; ++i)
        s += DigitAt(rec, i);
    if (n > rec.Exponent) {
        s += fs.DecimalSeparator;
        for (int i = rec.Exponent; i < n; ++i)
            s += DigitAt(rec, i);
    }
    return s;
}

// Digits of |value| with the given places, optionally with thousands
// separators; the sign is left to the caller.
QString FixedDigits(const TFloatRec& rec, int decimals, bool thousands, const TFormatSettings& fs)
{
    QString s;
    const int intDigits = std::max(rec.Exponent, 0);
    if (intDigits == 0)
        s += u'0';
    for (int i = 0; i < intDigits; ++i) {
        s += DigitAt(rec, i);
        const int left = intDigits - 1 - i;
        if (thousands && left > 0 && left % 3 == 0 && !fs.ThousandSeparator.isNull())
            s += fs.ThousandSeparator;
    }
    if (decimals > 0) {
        s += fs.DecimalSeparator;
        for (int i = 0; i < decimals; ++i)
            s += DigitAt(rec, rec.Exponent + i);
    }
    return s;
}

QString FormatFixed(double value, int decimals, bool thousands, const TFormatSettings& fs)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    decimals = std::clamp(decimals, 0, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, MaxDigits, decimals);
    if (rec.Exponent > MaxDigits)
        return FormatGeneral(value, 15, 0, fs);
    const QString digits = FixedDigits(rec, decimals, thousands, fs);
    return rec.Negative ? u'-' + digits : digits;
}

QString FormatCurrency(double value, int decimals, const TFormatSettings& fs)
{
    if (!std::isfinite(value))
        return SpecialValue(value);
    decimals = std::clamp(decimals, 0, MaxDigits);
    const TFloatRec rec = FloatToDecimal(value, MaxDigits, decimals);
    const QString n = FixedDigits(rec, decimals, true, fs);
    const QString& c = fs.CurrencyString;
    if (!rec.Negative) {
        switch (fs.CurrencyFormat) {
        case 1: return n + c;
        case 2: return c + u' ' + n;
        case 3: return n + u' ' + c;
        default: return c + n;
        }
    }
    switch (fs.NegCurrFormat) {
    case 0: return u'(' + c + n + u')';
    case 2: return c + u'-' + n;
    case 3: return c + n + u'-';
    case 4: return u'(' + n + c + u')';
    case 5: return u'-' + n + c;
    case 6: return n + u'-' + c;
    case 7: return n + c + u'-';
    case 8: return u'-' + n + u' ' + c;
    case 9: return u'-' + c + u' ' + n;
    case 10: return n + u' ' + c + u'-';
    case 11: return c + u' ' + n + u'-';
    case 12: return c + u' ' + u'-' + n;
    case 13: return n + u'-' + u' ' + c;
    case 14: return u'(' + c + u' ' + n + u')';
    case 15: return u'(' + n + u' ' + c + u')';
    default: return u'-' + c + n;
    }
}

} // namespace

// Floats

QString FloatToStr(double Value)
{
    return FloatToStr(Value, FormatSettings);
}

QString FloatToStr(double Value, const TFormatSettings& Settings)
{
    return FormatGeneral(Value, 15, 0, Settings);
}

bool TryStrToFloat(const QString& S, double& Value, const TFormatSettings& Settings)
{
    qsizetype i = 0;
    const qsizetype n = S.size();
    while (i < n && IsBlank(S[i]))
        ++i;
    QByteArray text;
    if (i < n && (S[i] == u'+' || S[i] == u'-'))
        text += char(S[i++].unicode());
    int mantissaDigits = 0;
    while (i < n && S[i].unicode() >= '0' && S[i].unicode() <= '9') {
        text += char(S[i++].unicode());
        ++mantissaDigits;
    }
    if (i < n && S[i] == Settings.DecimalSeparator) {
        text += '.';
        ++i;
        while (i < n && S[i].unicode() >= '0' && S[i].unicode() <= '9') {
            text += char(S[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < n && (S[i] == u'e' || S[i] == u'E')) {
        text += 'e';
        ++i;
        if (i < n && (S[i] == u'+' || S[i] == u'-'))
            text += char(S[i++].unicode());
        int expDigits = 0;
        while (i < n && S[i].unicode() >= '0' && S[i].unicode() <= '9') {
            text += char(S[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    while (i < n && IsBlank(S[i]))
        ++i;
    if (i != n)
        return false;
    const char* begin = text.constData();
    if (*begin == '+')
        ++begin;
    double v = 0;
    const auto [end, ec] = std::from_chars(begin, text.constData() + text.size(), v);
    if (ec == std::errc::result_out_of_range && text.contains("e-"))
        v = 0; // too small to hold: reads as zero
    else if (ec != std::errc() || end != text.constData() + text.size())
        return false;
    Value = v;
    return true;
}

bool TryStrToFloat(const QString& S, double& Value)
{
    return TryStrToFloat(S, Value, FormatSettings);
}

double StrToFloat(const QString& S, const TFormatSettings& Settings)
{
    double v = 0;
    if (!TryStrToFloat(S, v, Settings))
        throw EConvertError(QStringLiteral("'%1' is not a valid floating point value").arg(S));
    return v;
}

double StrToFloat(const QString& S)
{
    return StrToFloat(S, FormatSettings);
}

double StrToFloatDef(const QString& S, double Default)
{
    double v = 0;
    return TryStrToFloat(S, v) ? v : Default;
}

void Val(const QString& S, double& Value, int& Code)
{
    const qsizetype n = S.size();
    qsizetype i = 0;
    auto isDigit = [&] { return i < n && S[i] >= u'0' && S[i] <= u'9'; };
    while (i < n && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == u'+' || S[i] == u'-'))
        negative = S[i++] == u'-';
    QByteArray text;
    bool valid = false;
    while (isDigit()) {
        text += char(S[i++].unicode());
        valid = true;
    }
    if (i < n && S[i] == u'.') {
        ++i;
        text += '.';
        while (isDigit()) {
            text += char(S[i++].unicode());
            valid = true;
        }
    }
    if (valid && i < n && (S[i] == u'e' || S[i] == u'E')) {
        ++i;
        text += 'e';
        if (i < n && (S[i] == u'+' || S[i] == u'-'))
            text += char(S[i++].unicode());
        bool expDigits = false;
        while (isDigit()) {
            text += char(S[i++].unicode());
            expDigits = true;
        }
        if (!expDigits)
            text += '0';
    }
    double v = 0;
    if (valid) {
        const auto [end, ec] = std::from_chars(text.constData(), text.constData() + text.size(), v);
        if (ec == std::errc::result_out_of_range)
            v = text.contains("e-") ? 0 : HUGE_VAL;
    }
    Value = negative ? -v : v;
    Code = valid && i == n ? 0 : int(i) + 1;
}

// Picture formats

namespace {

// One section of a picture format, analysed.
struct TPicture {
    QString Text;
    int IntPlaces = 0;        // placeholders before the point
    int MinIntDigits = 0;     // "0"s from the first "0" up to the point
    int FracPlaces = 0;       // placeholders after the point
    int MinFracDigits = 0;    // up to the last "0" after the point
    bool Thousands = false;
    bool Scientific = false;
    bool HasPlaceholders = false;
};

// Splits at ";" outside quotes.
QStringList PictureSections(const QString& format)
{
    QStringList sections;
    QString current;
    QChar quote;
    for (QChar c : format) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

bool IsExponentAt(const QString& s, qsizetype i)
{
    return (s[i] == u'E' || s[i] == u'e') && i + 1 < s.size() && (s[i + 1] == u'+' || s[i + 1] == u'-');
}

TPicture AnalysePicture(const QString& text)
{
    TPicture p;
    p.Text = text;
    bool afterPoint = false;
    int firstZero = -1; // placeholder index of the first "0" before the point
    QChar quote;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'0' || c == u'#') {
            p.HasPlaceholders = true;
            if (afterPoint) {
                ++p.FracPlaces;
                if (c == u'0')
                    p.MinFracDigits = p.FracPlaces;
            } else {
                if (c == u'0' && firstZero < 0)
                    firstZero = p.IntPlaces;
                ++p.IntPlaces;
            }
        } else if (c == u'.') {
            afterPoint = true;
        } else if (c == u',') {
            if (!afterPoint)
                p.Thousands = true;
        } else if (p.HasPlaceholders && IsExponentAt(text, i)) {
            p.Scientific = true;
            break;
        }
    }
    if (firstZero >= 0)
        p.MinIntDigits = p.IntPlaces - firstZero;
    return p;
}

// Writes the number into the picture's placeholders.
QString ApplyPicture(const TPicture& p, double value, const TFormatSettings& fs, bool withSign)
{
    QString intDigits;
    QString fracDigits;
    int exponent = 0;
    bool negative = false;
    if (p.Scientific) {
        const int intPlaces = std::max(p.IntPlaces, 1);
        const TFloatRec rec = FloatToDecimal(value, std::min(intPlaces + p.FracPlaces, MaxDigits), 9999);
        negative = rec.Negative;
        if (!rec.Digits.isEmpty())
            exponent = rec.Exponent - intPlaces;
        for (int i = 0; i < intPlaces; ++i)
            intDigits += DigitAt(rec, i);
        for (int i = 0; i < p.FracPlaces; ++i)
            fracDigits += DigitAt(rec, intPlaces + i);
        if (p.IntPlaces == 0 && intDigits == u"0")
            intDigits.clear();
    } else {
        const TFloatRec rec = FloatToDecimal(value, MaxDigits, p.FracPlaces);
        negative = rec.Negative;
        for (int i = 0; i < rec.Exponent; ++i)
            intDigits += DigitAt(rec, i);
        for (int i = 0; i < p.FracPlaces; ++i)
            fracDigits += DigitAt(rec, rec.Exponent + i);
    }
    // Leading zeros up to the "0" placeholders; trailing zeros down to them.
    while (intDigits.startsWith(u'0') && intDigits.size() > p.MinIntDigits)
        intDigits.remove(0, 1);
    if (intDigits.size() < p.MinIntDigits)
        intDigits = intDigits.rightJustified(p.MinIntDigits, u'0');
    while (fracDigits.endsWith(u'0') && fracDigits.size() > p.MinFracDigits)
        fracDigits.chop(1);

    QString out;
    if (negative && withSign)
        out += u'-';
    const int nInt = int(intDigits.size());
    int intPlaceholder = 0;
    int fracPlaceholder = 0;
    bool afterPoint = false;
    bool afterExponent = false;
    QChar quote;
    auto putIntDigit = [&](int fromRight) {
        out += intDigits[nInt - 1 - fromRight];
        if (p.Thousands && fromRight > 0 && fromRight % 3 == 0 && !fs.ThousandSeparator.isNull())
            out += fs.ThousandSeparator;
    };
    const QString& t = p.Text;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out += c;
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if ((c == u'0' || c == u'#') && p.HasPlaceholders) {
            if (afterExponent) {
                // the exponent has taken its digits; stray placeholders print nothing
            } else if (!afterPoint) {
                const int fromRight = p.IntPlaces - 1 - intPlaceholder;
                if (intPlaceholder == 0)
                    for (int k = nInt - 1; k > fromRight; --k)
                        putIntDigit(k);
                if (fromRight >= 0 && fromRight < nInt)
                    putIntDigit(fromRight);
                ++intPlaceholder;
            } else {
                if (fracPlaceholder < fracDigits.size())
                    out += fracDigits[fracPlaceholder];
                ++fracPlaceholder;
            }
        } else if (c == u'.') {
            if (!afterPoint) {
                if (p.IntPlaces == 0)
                    for (int k = nInt - 1; k >= 0; --k)
                        putIntDigit(k);
                afterPoint = true;
                if (!fracDigits.isEmpty())
                    out += fs.DecimalSeparator;
            }
        } else if (c == u',') {
            // thousands marker, never printed itself
        } else if (p.Scientific && !afterExponent && IsExponentAt(t, i)) {
            out += c;
            const bool plus = t[i + 1] == u'+';
            int minDigits = 0;
            i += 2;
            while (i < t.size() && t[i] == u'0') {
                ++minDigits;
                ++i;
            }
            --i;
            out += ExponentText(exponent, plus, minDigits);
            afterExponent = true;
        } else {
            out += c;
        }
    }
    return out;
}

bool RoundsToZero(const TPicture& p, double value)
{
    if (!p.HasPlaceholders)
        return value == 0;
    if (p.Scientific)
        return value == 0;
    return FloatToDecimal(value, MaxDigits, p.FracPlaces).Digits.isEmpty();
}

} // namespace

QString FormatFloat(const QString& Format, double Value, const TFormatSettings& Settings)
{
    if (!std::isfinite(Value))
        return SpecialValue(Value);
    const QStringList sections = PictureSections(Format);
    if (Format.isEmpty())
        return FloatToStr(Value, Settings);
    const TPicture positive = AnalysePicture(sections[0]);
    if (sections.size() >= 3 && !sections[2].isEmpty() && RoundsToZero(positive, Value))
        return ApplyPicture(AnalysePicture(sections[2]), 0, Settings, false);
    if (Value < 0 && sections.size() >= 2 && !sections[1].isEmpty()) {
        const TPicture negative = AnalysePicture(sections[1]);
        return ApplyPicture(negative, Value, Settings, false);
    }
    return ApplyPicture(positive, Value, Settings, true);
}

QString FormatFloat(const QString& Format, double Value)
{
    return FormatFloat(Format, Value, FormatSettings);
}

// Format

namespace {

// Widths and precisions beyond this are taken as a broken format string.
constexpr int MaxFieldWidth = 1000000;

[[noreturn]] void FormatError(const QString& fmt)
{
    throw EConvertError(QStringLiteral("Format '%1' invalid or incompatible with argument").arg(fmt));
}

QString Justify(const QString& s, int width, bool left)
{
    if (s.size() >= width)
        return s;
    return left ? s.leftJustified(width, u' ') : s.rightJustified(width, u' ');
}

QString IntegerText(const TVarRec& arg, QChar type, int precision)
{
    const int64_t v = arg.AsInt64();
    QString digits;
    bool negative = false;
    if (type == u'd') {
        negative = v < 0;
        digits = QString::number(negative ? 0 - uint64_t(v) : uint64_t(v));
    } else {
        const uint64_t u = arg.Kind() == TVarRec::vtInteger ? uint64_t(uint32_t(v)) : uint64_t(v);
        digits = type == u'x' ? QString::number(u, 16).toUpper() : QString::number(u);
    }
    if (precision > 0 && digits.size() < precision)
        digits = digits.rightJustified(precision, u'0');
    return negative ? u'-' + digits : digits;
}

} // namespace

QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args, const TFormatSettings& Settings)
{
    const TVarRec* args = Args.begin();
    const int argCount = int(Args.size());
    int next = 0;
    QString out;
    const qsizetype n = Fmt.size();
    qsizetype i = 0;

    auto readNumber = [&](int& value) -> bool {
        // A run of digits or "*" (taken from the arguments).
        if (i < n && Fmt[i] == u'*') {
            ++i;
            if (next >= argCount || args[next].Kind() != TVarRec::vtInteger)
                FormatError(Fmt);
            value = int(args[next++].AsInt64());
            if (value > MaxFieldWidth || value < -MaxFieldWidth)
                FormatError(Fmt);
            return true;
        }
        auto isDigit = [&] { return i < n && Fmt[i] >= u'0' && Fmt[i] <= u'9'; };
        if (!isDigit())
            return false;
        value = 0;
        while (isDigit()) {
            value = value * 10 + (Fmt[i].unicode() - '0');
            if (value > MaxFieldWidth)
                FormatError(Fmt);
            ++i;
        }
        return true;
    };

    while (i < n) {
        const qsizetype percent = Fmt.indexOf(u'%', i);
        if (percent < 0) {
            out += QStringView(Fmt).mid(i);
            break;
        }
        out += QStringView(Fmt).mid(i, percent - i);
        i = percent + 1;
        if (i >= n)
            FormatError(Fmt);
        if (Fmt[i] == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        int number = 0;
        bool left = false;
        int width = 0;
        int precision = -1;
        bool haveNumber = readNumber(number);
        if (haveNumber && i < n && Fmt[i] == u':') {
            ++i;
            next = number;
            haveNumber = false;
        }
        if (!haveNumber && i < n && Fmt[i] == u'-') {
            left = true;
            ++i;
        }
        if (haveNumber)
            width = number;
        else if (readNumber(number))
            width = number;
        if (i < n && Fmt[i] == u'.') {
            ++i;
            if (!readNumber(precision))
                FormatError(Fmt);
        }
        if (i >= n || next < 0 || next >= argCount)
            FormatError(Fmt);
        if (width < 0) {
            left = true;
            width = -width;
        }
        const QChar type = Fmt[i++].toLower();
        const TVarRec& arg = args[next++];
        const bool isInt = arg.Kind() == TVarRec::vtInteger || arg.Kind() == TVarRec::vtInt64;
        const bool isFloat = arg.Kind() == TVarRec::vtExtended;
        QString text;
        switch (type.unicode()) {
        case 'd':
        case 'u':
        case 'x':
            if (!isInt)
                FormatError(Fmt);
            text = IntegerText(arg, type, precision);
            break;
        case 'e':
            if (!isFloat)
                FormatError(Fmt);
            text = FormatExponent(arg.AsDouble(), precision < 0 ? 15 : precision, 3, Settings);
            break;
        case 'f':
        case 'n':
            if (!isFloat)
                FormatError(Fmt);
            text = FormatFixed(arg.AsDouble(), precision < 0 ? 2 : precision, type == u'n', Settings);
            break;
        case 'g':
            if (!isFloat)
                FormatError(Fmt);
            text = FormatGeneral(arg.AsDouble(), precision < 0 ? 15 : precision, 3, Settings);
            break;
        case 'm':
            if (!isFloat)
                FormatError(Fmt);
            text = FormatCurrency(arg.AsDouble(), precision < 0 ? Settings.CurrencyDecimals : precision, Settings);
            break;
        case 'p':
            if (arg.Kind() != TVarRec::vtPointer)
                FormatError(Fmt);
            text = QString::number(quintptr(arg.AsPointer()), 16).toUpper()
                       .rightJustified(int(2 * sizeof(void*)), u'0');
            break;
        case 's':
            if (arg.Kind() != TVarRec::vtString && arg.Kind() != TVarRec::vtChar)
                FormatError(Fmt);
            text = arg.AsString();
            if (precision >= 0 && text.size() > precision)
                text.truncate(precision);
            break;
        default:
            FormatError(Fmt);
        }
        out += width > 0 ? Justify(text, width, left) : text;
    }
    return out;
}

QString Format(const QString& Fmt, std::initializer_list<TVarRec> Args)
{
    return Format(Fmt, Args, FormatSettings);
}
