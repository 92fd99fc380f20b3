#include "grid/foundation/ClipboardHtml.h"
#include "platform/rtl/CodePages.h"

namespace {

const QLatin1String DocStart("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">");
const QLatin1String BodyStart("<html><head><META http-equiv=Content-Type content=\"text/html; "
                              "charset=iso-8859-1\"></head><body><!--StartFragment-->");
const QLatin1String BodyEnd("<!--EndFragment--></body></html>");

bool FitsAnsi(QChar c)
{
    if (c.unicode() < 0x80)
        return true;
    return AnsiToUtf16(Utf16ToAnsi(QString(c))) == QString(c);
}

// The fragment with every character outside Windows-1252 as "&#N;".
QString ToAnsiText(const QString& S)
{
    QString r;
    r.reserve(S.size());
    for (qsizetype i = 0; i < S.size(); ++i) {
        const QChar c = S[i];
        if (c.isHighSurrogate() && i + 1 < S.size() && S[i + 1].isLowSurrogate()) {
            r += QStringLiteral("&#%1;").arg(QChar::surrogateToUcs4(c, S[i + 1]));
            ++i;
        } else if (FitsAnsi(c) && !c.isSurrogate()) {
            r += c;
        } else {
            r += QStringLiteral("&#%1;").arg(c.unicode());
        }
    }
    return r;
}

QString Number(const char* Name, int Value)
{
    return QLatin1String(Name) + QStringLiteral("%1").arg(Value, 8, 10, QLatin1Char('0')) + QLatin1String("\r\n");
}

} // namespace

void BuildClipboardHTML(QString& S)
{
    const QString fragment = ToAnsiText(S);
    const int n = int(fragment.size());
    const int header = 97;
    const int startFragment = header + int(DocStart.size() + BodyStart.size());
    const int endFragment = startFragment + n;
    const int endHtml = endFragment + int(BodyEnd.size());
    S = QLatin1String("Version:1.0\r\n") + Number("StartHTML:", header) + Number("EndHTML:", endHtml) +
        Number("StartFragment:", startFragment) + Number("EndFragment:", endFragment) + DocStart + BodyStart +
        fragment + BodyEnd;
}
