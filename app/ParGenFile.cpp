#include "app/ParGenFile.h"
#include "core/Globals.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

const TParGen_Element ParGen_Elements[ParGen_Count] = {
    {"BACnet_Type", "0", pkList, 2},
    {"BACnet_IP1", "192", pkText, 0},
    {"BACnet_IP2", "168", pkText, 0},
    {"BACnet_IP3", "0", pkText, 0},
    {"BACnet_IP4", "5", pkText, 0},
    {"BACnet_SM1", "255", pkText, 0},
    {"BACnet_SM2", "255", pkText, 0},
    {"BACnet_SM3", "255", pkText, 0},
    {"BACnet_SM4", "0", pkText, 0},
    {"BACnet_GAT1", "192", pkText, 0},
    {"BACnet_GAT2", "168", pkText, 0},
    {"BACnet_GAT3", "0", pkText, 0},
    {"BACnet_GAT4", "1", pkText, 0},
    {"BACnet_EN_GAT", "0", pkFlag, 0},
    {"BACnet_PORT", "47808", pkText, 0},
    {"BACnet_NAME_STA", "devicename1", pkText, 0},
    {"BACnet_DEV_IDE", "1", pkText, 0},
    {"BACnet_Ser_Baudrate", "3", pkList, 6},
    {"BACnet_Ser_Parity", "0", pkList, 3},
    {"BACnet_Ser_ID", "0", pkText, 0},
    {"BACnet_Ser_NAME_STA", "devicename1", pkText, 0},
    {"BACnet_Ser_Max_Master", "1", pkText, 0},
    {"BACnet_Ser_Max_Info_Frames", "1", pkText, 0},
    {"BACnet_Ser_DEV_IDE", "1", pkText, 0},
    {"BACnet_Ser_Network", "1", pkText, 0},
    {"BACnet_Desc_Chars_Limit", "0", pkFlag, 0},
    {"Ethernet_IP1", "192", pkText, 0},
    {"Ethernet_IP2", "168", pkText, 0},
    {"Ethernet_IP3", "0", pkText, 0},
    {"Ethernet_IP4", "10", pkText, 0},
    {"Ethernet_SM1", "255", pkText, 0},
    {"Ethernet_SM2", "255", pkText, 0},
    {"Ethernet_SM3", "255", pkText, 0},
    {"Ethernet_SM4", "0", pkText, 0},
    {"Ethernet_GAT1", "192", pkText, 0},
    {"Ethernet_GAT2", "168", pkText, 0},
    {"Ethernet_GAT3", "0", pkText, 0},
    {"Ethernet_GAT4", "1", pkText, 0},
    {"Ethernet_EN_GAT", "0", pkFlag, 0},
    {"Ethernet_DNS1", "8", pkText, 0},
    {"Ethernet_DNS2", "8", pkText, 0},
    {"Ethernet_DNS3", "8", pkText, 0},
    {"Ethernet_DNS4", "8", pkText, 0},
    {"Ethernet_EN_DNS", "0", pkFlag, 0},
};

namespace {

const QString ParGen_Root_Name = QStringLiteral("Par_Gen");
const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

QString Read_Element(TXMLNode* Root, const TParGen_Element& Element)
{
    const QString def = QString::fromLatin1(Element.Default);
    TXMLNode* node = Root ? Root->FindChild(QString::fromLatin1(Element.Name)) : nullptr;
    if (!node || !node->IsTextElement())
        return def;
    const QString text = node->Text();
    switch (Element.Kind) {
    case pkText:
        return text;
    case pkFlag:
        return text == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
    case pkList: {
        // An index outside the list would leave the list without a choice.
        const int index = Str_To_Int_Def(text, -1);
        return index >= 0 && index < Element.List_Count ? QString::number(index) : def;
    }
    }
    return def;
}

} // namespace

int ParGen_Index(const QString& Name)
{
    for (int i = 0; i < ParGen_Count; ++i)
        if (Name == QLatin1String(ParGen_Elements[i].Name))
            return i;
    return -1;
}

QStringList ParGen_Defaults()
{
    QStringList values;
    for (const TParGen_Element& e : ParGen_Elements)
        values << QString::fromLatin1(e.Default);
    return values;
}

QStringList Read_ParGen_File(TXMLDocument* XML, const QString& FileName, QString* Error)
{
    if (Error)
        Error->clear();
    if (FileName.isEmpty() || !FileExists(FileName))
        return ParGen_Defaults();
    XML->SetActive(true);
    const QString error = XML->LoadPartFromFile(FileName);
    if (Error)
        *Error = error;
    TXMLNode* root = XML->ChildNodes()->First();
    QStringList values;
    for (const TParGen_Element& e : ParGen_Elements)
        values << Read_Element(root, e);
    return values;
}

void Write_ParGen_File(TXMLDocument* XML, const QString& FileName, const QStringList& Values)
{
    XML->SetActive(true);
    XML->Clear();
    TXMLNode* root = XML->AddChild(ParGen_Root_Name);
    XML->AddComment(Version_Comment);
    for (int i = 0; i < ParGen_Count; ++i)
        root->AddChild(QString::fromLatin1(ParGen_Elements[i].Name))->SetText(i < Values.size() ? Values[i] : QString());
    XML->SaveToFile(FileName);
}
