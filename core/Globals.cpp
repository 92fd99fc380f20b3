#include "core/Globals.h"

#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/services/SerialPorts.h"

#include <limits>

QString Conf_Name;
QString Conf_Dir;
QString Exe_Dir;
QString Projects_Dir;
QString Master_Dir;
QString Language_Dir;
QString Cat_EnOcean_Dir;
QString Main_Caption;
QString SW_Code;
QString SW_Desc;
QString Last_IP_Address;
int Update_Option = 0;
bool Update_Read_Back = false;
QString Language_Name;
bool Opt_Enable_Internet = false;
bool Opt_Enable_Update = false;
bool Opt_Jump_Field_Tables = false;
bool Opt_Double_Click_Auto_Size = false;
QString File_ParGen;
QString File_EnOcean;
QString File_MQTT_Set_Topic;
QString File_BACnet_Slave;
TStringList* Row_Clipboard_SL = nullptr;
TCatalog_EnOcean* Cat_EnOcean = nullptr;

namespace {

int DigitValue(QChar c, int base)
{
    const char16_t u = c.unicode();
    int v = 99;
    if (u >= '0' && u <= '9')
        v = u - '0';
    else if (u >= 'a' && u <= 'f')
        v = u - 'a' + 10;
    else if (u >= 'A' && u <= 'F')
        v = u - 'A' + 10;
    return v < base ? v : -1;
}

// Parses S into a value in [Min, Max]; false on any fault.
bool ParseInteger(const QString& S, qint64 Min, qint64 Max, qint64& Value)
{
    const qsizetype n = S.size();
    qsizetype i = 0;
    while (i < n && S[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (S[i] == u'+' || S[i] == u'-')) {
        negative = S[i] == u'-';
        ++i;
    }
    int base = 10;
    if (i < n && (S[i] == u'$' || S[i] == u'x' || S[i] == u'X')) {
        base = 16;
        ++i;
    } else if (i + 1 < n && S[i] == u'0' && (S[i + 1] == u'x' || S[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i >= n)
        return false;
    // The magnitude may reach |Min|, one more than Max.
    const quint64 limit = negative ? quint64(Max) + 1 : quint64(Max);
    quint64 magnitude = 0;
    for (; i < n; ++i) {
        const int d = DigitValue(S[i], base);
        if (d < 0)
            return false;
        if (magnitude > (limit - quint64(d)) / quint64(base))
            return false;
        magnitude = magnitude * quint64(base) + quint64(d);
    }
    if (negative)
        Value = magnitude == quint64(Max) + 1 ? Min : -qint64(magnitude);
    else
        Value = qint64(magnitude);
    return true;
}

// Splits Rest at its first "." into a trimmed part and a trimmed rest.
bool TakePart(QString& Rest, QString& Part)
{
    const qsizetype dot = Rest.indexOf(u'.');
    if (dot < 0)
        return false;
    Part = Trim(Rest.left(dot));
    Rest = Trim(Rest.mid(dot + 1));
    return true;
}

} // namespace

int Str_To_Int_Def(const QString& S, int Default)
{
    qint64 v = 0;
    if (!ParseInteger(S, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), v))
        return Default;
    return int(v);
}

qint64 Str_To_Int64_Def(const QString& S, qint64 Default)
{
    qint64 v = 0;
    if (!ParseInteger(S, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max(), v))
        return Default;
    return v;
}

bool Check_IP_Address(const QString& Addr, QString& IP_1, QString& IP_2,
                      QString& IP_3, QString& IP_4)
{
    QString rest = Trim(Addr);
    if (!TakePart(rest, IP_1) || !TakePart(rest, IP_2) || !TakePart(rest, IP_3))
        return false;
    IP_4 = rest;
    for (const QString* part : {&IP_1, &IP_2, &IP_3, &IP_4}) {
        const int v = Str_To_Int_Def(*part, 1000);
        if (v < 0 || v > 255)
            return false;
    }
    return true;
}

bool Has_Invalid_Chars(const QString& S)
{
    for (QChar c : S) {
        const char16_t u = c.unicode();
        const bool ok = (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
        if (!ok)
            return true;
    }
    return false;
}

TStringList* List_COM_Ports()
{
    auto* list = new TStringList;
    for (const TSerialPortInfo& port : EnumSerialPorts())
        list->Add(QString::number(port.Number));
    return list;
}
