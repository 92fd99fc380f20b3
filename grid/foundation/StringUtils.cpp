#include "grid/foundation/StringUtils.h"
#include "platform/rtl/CodePages.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"

namespace {

constexpr QChar CR = u'\r';
constexpr QChar LF = u'\n';
constexpr QChar VT = u'\x0b';
constexpr QChar TAB = u'\t';
constexpr QChar BS = u'\b';

} // namespace

QString DoubleQuoteChars(const QString& S)
{
    if (!S.contains(u'"'))
        return S;
    QString r = S;
    return r.replace(QLatin1String("\""), QLatin1String("\"\""));
}

QString UndoubleChar(QChar Ch, const QString& S)
{
    if (!S.contains(Ch))
        return S;
    QString r;
    r.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        r += S[i];
        if (S[i] == Ch && i + 1 < S.size() && S[i + 1] == Ch)
            ++i;
    }
    return r;
}

void QuoteMultiLine(QString& S)
{
    S.replace(QLatin1String("\r\n"), QString(VT));
    S = QLatin1Char('"') + S + QLatin1Char('"');
}

int UnpairedCharPos(QChar Ch, const QString& S, int& Pos)
{
    const int n = int(S.size());
    int run = 0;
    for (int i = 1; i <= n; ++i) {
        if (S[i - 1] == Ch) {
            if (i == n) {
                Pos = i;
                return Pos;
            }
            ++run;
        } else {
            if (run % 2 == 1) {
                Pos = i - 1;
                return Pos;
            }
            run = 0;
        }
    }
    Pos = 0;
    return 0;
}

int CountUnpairedChars(QChar Ch, const QString& S)
{
    QString rest = S;
    int count = 0, p = 0;
    while (UnpairedCharPos(Ch, rest, p) > 0) {
        ++count;
        rest.remove(0, p);
    }
    return count;
}

int CountChar(QChar Ch, const QString& S)
{
    return int(S.count(Ch));
}

void CRLFToLF(QString& S)
{
    S.replace(QLatin1String("\r\n"), QString(LF));
}

void VTToCRLF(QString& S)
{
    if (S.contains(VT))
        S.replace(VT, QLatin1String("\r\n"));
}

void CRToTilde(QString& S)
{
    S.remove(LF);
    S.replace(CR, u'~');
}

void TildeToCRLF(QString& S)
{
    S.replace(u'~', QLatin1String("\r\n"));
    if (S == QLatin1String("^"))
        S.clear();
}

QString BackslashNToCR(const QString& S)
{
    QString r = S;
    return r.replace(QLatin1String("\\n"), QString(CR));
}

QString CRToBackslashN(const QString& S)
{
    QString r = S;
    r.remove(LF);
    return r.replace(CR, QLatin1String("\\n"));
}

QString CRToHTMLBreak(const QString& S)
{
    if (!S.contains(CR))
        return S;
    QString r = S;
    return r.replace(CR, QLatin1String("<br>"));
}

QString RemoveCR(const QString& S)
{
    QString r = S;
    return r.remove(CR);
}

QString CRToLF(const QString& S)
{
    QString r = S;
    return r.replace(CR, LF);
}

int CountLines(const QString& S, bool MultiLine)
{
    return MultiLine ? int(S.count(CR)) + 1 : 1;
}

void SplitFirstLine(QString& S, bool KeepRest, QString& Line)
{
    const qsizetype p = S.indexOf(CR);
    if (p < 0) {
        Line = S;
        S.clear();
        return;
    }
    Line = S.left(p);
    qsizetype next = p + 1;
    if (next < S.size() && S[next] == LF)
        ++next;
    if (KeepRest)
        S = S.mid(next);
    else
        S.clear();
}

QString EncodeCellBreaks(const QString& S)
{
    if (!S.contains(CR))
        return S;
    QString r = S;
    r.replace(CR, TAB);
    r.replace(LF, BS);
    return r.replace(QChar(0), QChar(1));
}

QString DecodeCellBreaks(const QString& S, bool AllLines)
{
    QString r = S;
    if (r.contains(BS)) {
        r.replace(TAB, CR);
        r.replace(BS, LF);
        r.replace(QChar(1), QChar(0));
    }
    if (AllLines)
        return r;
    QString line;
    SplitFirstLine(r, false, line);
    return line;
}

void ConvertToOEM(QString& S)
{
    S = AnsiToUtf16(Utf16ToOem(S));
}

void ConvertFromOEM(QString& S)
{
    S = OemToUtf16(Utf16ToAnsi(S));
}

QString PackWideText(const QString& W)
{
    QString r = QStringLiteral("|\\");
    r.reserve(2 + 2 * W.size());
    for (QChar c : W) {
        r += QChar(c.unicode() >> 8);
        r += QChar(c.unicode() & 0xFF);
    }
    return r;
}

QString UnpackWideText(const QString& S)
{
    if (!S.startsWith(QLatin1String("|\\")))
        return S;
    QString r;
    r.reserve((S.size() - 2) / 2);
    for (qsizetype i = 2; i + 1 < S.size(); i += 2)
        r += QChar(char16_t(S[i].unicode() * 256 + S[i + 1].unicode()));
    return r;
}

int WideTextPos(const QString& Sub, const QString& S)
{
    return Pos(Sub, S);
}

bool ContainsURL(const QString& S)
{
    return S.contains(QLatin1String("://")) || S.contains(QLatin1String("mailto:"));
}

void StripURLProtocol(QString& S)
{
    qsizetype p = S.indexOf(QLatin1String("://"));
    if (p >= 0) {
        S.remove(0, p + 3);
        return;
    }
    p = S.indexOf(QLatin1String("mailto:"));
    if (p >= 0)
        S.remove(0, p + 7);
}

namespace {

bool IsURLChar(QChar c)
{
    const char16_t u = c.unicode();
    if (u > 255)
        return false;
    if ((u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') || (u >= u'0' && u <= u'9'))
        return true;
    return QStringView(u"%()-./:@\\_{}").contains(c);
}

} // namespace

bool MakeURLLink(const QString& S, const QString& Prefix, QString& Result)
{
    if (Prefix.isEmpty() || !UpperCase(S).contains(Prefix))
        return false;
    QString t = S;
    t.replace(u'<', QLatin1String("&lt;"));
    t.replace(u'>', QLatin1String("&gt;"));
    const qsizetype from = UpperCase(t).indexOf(Prefix);
    if (from < 0)
        return false;
    qsizetype end = from;
    while (end < t.size() && IsURLChar(t[end]))
        ++end;
    const QString url = t.mid(from, end - from);
    t.insert(end, QLatin1String("</a>"));
    t.insert(from, QStringLiteral("<a href=\"") + url + QStringLiteral("\">"));
    Result = t;
    return true;
}

QString ColorToHTMLHex(TColor Color)
{
    return QStringLiteral("%1%2%3")
        .arg(GetRValue(Color), 2, 16, QLatin1Char('0'))
        .arg(GetGValue(Color), 2, 16, QLatin1Char('0'))
        .arg(GetBValue(Color), 2, 16, QLatin1Char('0'))
        .toUpper();
}

bool ParseCellAddress(const QString& S, TPoint& Cell)
{
    const QString s = UpperCase(S);
    if (s.size() < 4 || s[0] != u'R')
        return false;
    const qsizetype c = s.indexOf(u'C', 1);
    if (c < 0)
        return false;
    int row = 0, col = 0;
    if (!TryStrToInt(s.mid(1, c - 1), row) || !TryStrToInt(s.mid(c + 1), col))
        return false;
    Cell.X = col;
    Cell.Y = row;
    return true;
}

int MaxOf(int A, int B)
{
    return A > B ? A : B;
}

int MinOf(int A, int B)
{
    return A < B ? A : B;
}

int ClampToLimits(int Value, int Min, int Max)
{
    if (Min == Max)
        return Value;
    if (Max > 0 && Value > Max)
        return Max;
    if (Min > 0 && Value < Min)
        return Min;
    return Value;
}

bool CellInGridRect(const TGridRect& Rect, int Col, int Row)
{
    return Rect.Contains(Col, Row);
}

int FindCharPos(QChar Ch, const QString& S, int& Pos)
{
    const int p = int(S.indexOf(Ch)) + 1;
    if (p > 0)
        Pos = p;
    return p;
}

int FirstCharPos(QChar Ch, const QString& S)
{
    return int(S.indexOf(Ch)) + 1;
}

int FindSubPos(const QString& Sub, const QString& S, int& Pos)
{
    Pos = ::Pos(Sub, S);
    return Pos;
}

int UpperCasePos(const QString& Sub, const QString& S)
{
    return Pos(Sub, UpperCase(S));
}

QString SplitOffToken(QString& S, const QString& Sep)
{
    const int p = Pos(Sep, S);
    if (p == 0)
        return QString();
    const QString token = S.left(p - 1);
    S.remove(0, p);
    return token;
}

QString ConcatLines(TStrings* Lines)
{
    QString r;
    for (int i = 0; i < Lines->Count(); ++i)
        r += Lines->Strings(i);
    return r;
}

void FillWithChar(QString& S, QChar Ch)
{
    S.fill(Ch);
}
