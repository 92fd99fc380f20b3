// Arbitrary bytes as the EnOcean device file, the BACnet object file and
// the MQTT topic file: whatever is read, saved and read again, gives the
// same devices and the same table content without a message.
#include "core/BACnet_Objects.h"
#include "core/EnOcean_File.h"
#include "core/MQTT_Topics.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

namespace {

QString Dump(const TDevice_List& List)
{
    QStringList out;
    for (const TDevice_EnOcean* d : List) {
        out << d->FId << d->FKey << d->FRollCode
            << QString::number(d->FSecure_Type + d->FRollCodeAlg + d->FRollCodeTx + d->FCMACAlg + d->FDataCript + d->FPTM);
        for (const auto* list : {&d->UnidirectionalList, &d->SmartACKList})
            for (const TRorFunTyp* e : *list) {
                out << QStringLiteral("%1/%2/%3").arg(e->FRorgNum).arg(e->FFuncNum).arg(e->FTypeNum);
                for (const TVarEnOcean* v : e->VariableList)
                    out << v->FData << QStringLiteral("%1 %2 %3 %4 %5").arg(v->FCaseIndex).arg(v->FBitOffs)
                                           .arg(v->FBitSize).arg(v->FPosition).arg(v->FBitStart);
            }
    }
    return out.join(QLatin1Char('|'));
}

TTable_Rows Content(TTable_Rows Rows, int Key_Col)
{
    Rows.resize(size_t(Table_Content_Rows(Rows, Key_Col)));
    return Rows;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    static QTemporaryDir Dir;
    const QString Path = Dir.filePath(QStringLiteral("config.xml"));
    {
        QFile F(Path);
        if (!F.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        F.write(reinterpret_cast<const char*>(Data), qint64(Size));
    }
    const QString Copy = Dir.filePath(QStringLiteral("saved.xml"));
    TXMLDocument XML;

    TDevice_List Devices, Again;
    Load_EnOcean_File(&XML, Path, Devices);
    Save_EnOcean_File(&XML, Copy, Devices);
    if (!Load_EnOcean_File(&XML, Copy, Again).isEmpty() || Dump(Again) != Dump(Devices))
        std::abort();
    Clear_Device_List(Devices);
    Clear_Device_List(Again);

    TTable_Rows A, B, A2, B2;
    Read_BACnet_File(&XML, Path, 64, A, B);
    Write_BACnet_File(&XML, Copy, A, B);
    if (!Read_BACnet_File(&XML, Copy, 64, A2, B2).isEmpty() || A2 != Content(A, BACnet_Col_Data_Type)
        || B2 != Content(B, BACnet_Col_Data_Type))
        std::abort();

    Read_MQTT_File(&XML, Path, 64, A, B);
    Write_MQTT_File(&XML, Copy, A, B);
    if (!Read_MQTT_File(&XML, Copy, 64, A2, B2).isEmpty() || A2 != Content(A, Pub_Col_Topic)
        || B2 != Content(B, Sub_Col_Topic))
        std::abort();
    return 0;
}
