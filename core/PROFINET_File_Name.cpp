#include "core/PROFINET_File_Name.h"

#include "platform/rtl/DateTime.h"
#include "platform/rtl/SysUtils.h"

QString PROFINET_Name_Fix1()
{
    return QStringLiteral("GSDML-V2.31-Velmora-ZT38R14");
}

QString PROFINET_Name_Fix2(TDateTime Date)
{
    int year = 0, month = 0, day = 0;
    DecodeDate(Date, year, month, day);
    return QStringLiteral("-%1%2%3.xml")
        .arg(year, 4, 10, QLatin1Char('0'))
        .arg(month, 2, 10, QLatin1Char('0'))
        .arg(day, 2, 10, QLatin1Char('0'));
}

QString PROFINET_File_Name(const QString& Fix1, const QString& User, const QString& Fix2)
{
    if (Trim(User).isEmpty())
        return Fix1 + Fix2;
    if (User.startsWith(QLatin1Char('_')))
        return Fix1 + User + Fix2;
    return Fix1 + QLatin1Char('_') + User + Fix2;
}
