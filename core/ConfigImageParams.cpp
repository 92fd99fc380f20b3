// The parameter bank: reset values, the reading of the parameter file and
// the checksum.
#include "core/ConfigImage.h"

#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/XmlDocument.h"

#include <QFileInfo>
#include <cstring>

quint8 Param_Record[Param_Record_Size];
bool Long_Desc = false;

namespace {

// The device-name field holds 16 bytes; the last one stays 0.
constexpr int Name_Max = 15;

// Reads one parameter of the file; every value falls back on its own.
class TParReader {
public:
    explicit TParReader(TXMLNode* root) : FRoot(root) {}

    // The element's text; false when it is missing or holds elements.
    bool Text(const char* name, QString& text) const
    {
        TXMLNode* node = FRoot ? FRoot->FindChild(QString::fromLatin1(name)) : nullptr;
        if (!node || !node->IsTextElement())
            return false;
        text = node->Text();
        return true;
    }

    int Int(const char* name, int def) const
    {
        QString text;
        return Text(name, text) ? Str_To_Int_Def(text, def) : def;
    }

    bool Flag(const char* name) const
    {
        QString text;
        return Text(name, text) && text == QLatin1String("1");
    }

    QString Str(const char* name, const QString& def) const
    {
        QString text;
        return Text(name, text) ? text : def;
    }

private:
    TXMLNode* FRoot;
};

// Four octets from Prefix1..Prefix4; all 255 unless Enable is "1".
void Put_Octets(const TParReader& par, const char* prefix, int offset,
                const int (&defaults)[4], const char* enable = nullptr)
{
    const bool on = !enable || par.Flag(enable);
    for (int i = 0; i < 4; ++i) {
        const QByteArray name = QByteArray(prefix) + QByteArray::number(i + 1);
        Param_Record[offset + i] = on ? quint8(par.Int(name.constData(), defaults[i])) : 0xFF;
    }
}

void Put_Device_Name(const QString& name)
{
    // A longer name (hand-edited file) is cut as the editors cut it.
    Put_Text8(Param_Record, 80, name, Name_Max);
}

quint32 Baud_Rate(const TParReader& par)
{
    static const quint32 rates[] = {9600, 19200, 38400, 57600, 76800, 115200};
    const int index = par.Int("BACnet_Ser_Baudrate", 3);
    return index >= 0 && index < 6 ? rates[index] : 9600;
}

void Load_BACnet_IP(const TParReader& par)
{
    Put_Octets(par, "BACnet_IP", 40, {192, 168, 0, 5});
    Put_Octets(par, "BACnet_SM", 44, {255, 255, 255, 0});
    Put_Octets(par, "BACnet_GAT", 48, {192, 168, 0, 1}, "BACnet_EN_GAT");
    Put_U16(Param_Record, 58, quint32(par.Int("BACnet_PORT", 47808)));
    Put_Device_Name(par.Str("BACnet_NAME_STA", QStringLiteral("devicename1")));
    Put_U32(Param_Record, 308, quint32(par.Int("BACnet_DEV_IDE", 1)));
}

void Load_MSTP(const TParReader& par)
{
    const quint32 rate = Baud_Rate(par);
    Put_U32(Param_Record, 412, rate);
    Put_U32(Param_Record, 400, rate);
    // The editor stores 0 none, 1 odd, 2 even; odd goes out as 2 like even.
    int parity = par.Int("BACnet_Ser_Parity", 0);
    if (parity == 1)
        parity = 2;
    Put_U8(Param_Record, 427, quint32(parity));
    Put_U8(Param_Record, 424, quint32(parity));
    Put_U8(Param_Record, 256, quint32(par.Int("BACnet_Ser_ID", 0)));
    Put_Device_Name(par.Str("BACnet_Ser_NAME_STA", QStringLiteral("devicename1")));
    Put_U8(Param_Record, 257, quint32(par.Int("BACnet_Ser_Max_Master", 1)));
    Put_U8(Param_Record, 258, quint32(par.Int("BACnet_Ser_Max_Info_Frames", 1)));
    Put_U32(Param_Record, 300, quint32(par.Int("BACnet_Ser_DEV_IDE", 0)));
    Put_U16(Param_Record, 270, quint32(par.Int("BACnet_Ser_Network", 1)));
    Put_Octets(par, "Ethernet_IP", 40, {192, 168, 0, 10});
    Put_Octets(par, "Ethernet_SM", 44, {255, 255, 255, 0});
    Put_Octets(par, "Ethernet_GAT", 48, {192, 168, 0, 1}, "Ethernet_EN_GAT");
    Put_Octets(par, "Ethernet_DNS", 1420, {8, 8, 8, 8}, "Ethernet_EN_DNS");
}

} // namespace

void Init_Param_Record()
{
    std::memset(Param_Record, 0, sizeof Param_Record);
    Put_U32(Param_Record, 0, 250000);
    Put_U32(Param_Record, 4, 250000);
    Put_U32(Param_Record, 12, 9600);
    const quint8 ip[] = {192, 168, 2, 205, 255, 255, 255, 0, 255, 255, 255, 255};
    std::memcpy(Param_Record + 40, ip, sizeof ip);
    Put_U16(Param_Record, 52, 10000);
    Put_U16(Param_Record, 54, 10001);
    Put_U16(Param_Record, 56, 10001);
    std::memset(Param_Record + 436, 8, 8);
}

void Load_ParGen()
{
    Long_Desc = false;
    if (File_ParGen.isEmpty() || !QFileInfo::exists(File_ParGen))
        return;
    const auto doc = Load_Config_File(File_ParGen);
    const TParReader par(doc->DocumentElement());

    const int type = par.Int("BACnet_Type", 0);
    Long_Desc = par.Flag("BACnet_Desc_Chars_Limit");
    if (type == 0)
        Load_BACnet_IP(par);
    else if (type == 1)
        Load_MSTP(par);
}

int Put_Param_Record(int Pos, quint8* Buffer)
{
    quint32 sum = 0;
    for (int i = 0; i < Param_Record_Size - 4; ++i)
        sum += Param_Record[i];
    Put_U32(Param_Record, Param_Record_Size - 4, sum);
    std::memcpy(Buffer + Pos, Param_Record, Param_Record_Size);
    return Pos + Param_Record_Size;
}
