#include "app/VersionCheck.h"
#include "core/Globals.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/HttpClient.h"

QString Maker_Host = QStringLiteral("www.velmora.com");
uint32_t Version_Check_Timeout = 10000;

QString Version_Check_Url()
{
    return QStringLiteral("http://") + Maker_Host + QStringLiteral("/home/download/GetversionSW.asp?nomesw=") + SW_Code;
}

QString Download_Page_Url(const QString& Fragment)
{
    return QStringLiteral("http://") + Maker_Host + QStringLiteral("/Home/download/download.asp#") + Fragment;
}

QString Home_Page_Url()
{
    return QStringLiteral("http://") + Maker_Host + QStringLiteral("/HOME/default.asp?frompg=KQ38R12");
}

QString Link_Caption(const QString& Url, const QString& Text)
{
    return QStringLiteral("<a href=\"") + Url + QStringLiteral("\">") + Text + QStringLiteral("</a>");
}

int Conv_Version(const QString& Ver_str)
{
    const int blank = Ver_str.indexOf(u' ');
    const QString part = Trim(blank < 0 ? Ver_str : Ver_str.mid(blank + 1));
    if (part.size() < 5)
        return -1;
    const QString digits = QString(part[0]) + part[2] + part[3] + part[4];
    int value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            return -1;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

bool Is_Newer_Version(const QString& Answer)
{
    const QString upper = Trim(UpperCase(Answer));
    if (upper.isEmpty() || upper == QStringLiteral("VER. 0.000"))
        return false;
    const int local = Conv_Version(QString::fromLatin1(SW_Version));
    const int remote = Conv_Version(Trim(Answer));
    return local != -1 && remote != -1 && remote > local;
}

bool Check_Version(IHttpClient& Client)
{
    Client.Accept = QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8");
    Client.UserAgent = QStringLiteral("Mozilla/3.0 (compatible; Indy Library)");
    Client.ConnectTimeout = Version_Check_Timeout;
    Client.ReadTimeout = Version_Check_Timeout;
    // An error of the request gives an empty answer.
    const QByteArray answer = Client.Get(Version_Check_Url());
    return Is_Newer_Version(QString::fromLatin1(answer));
}
