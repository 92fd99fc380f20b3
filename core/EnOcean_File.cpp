#include "core/EnOcean_File.h"

#include "core/ConfigImageIO.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

namespace {

const QString Version_Comment = QStringLiteral("SW_VERSION = 1.000");

// Why reading stopped; carries the place already worded.
struct TRead_Stop {
    QString Reason;
};

class TDevice_Reader {
public:
    explicit TDevice_Reader(const QString& FileName) : FFileName(FileName) {}

    TDevice_EnOcean* Read_Device(TXMLNode* Node, int Index)
    {
        FWhere = QStringLiteral("device %1").arg(Index + 1);
        auto dev = std::make_unique<TDevice_EnOcean>();
        dev->FId = Text(Node, "Id");
        dev->FSecure_Type = Number(Node, "Secure_Type");
        dev->FKey = Text(Node, "Key");
        dev->FRollCode = Text(Node, "RollCode");
        dev->FRollCodeAlg = Number(Node, "RollCodeAlg");
        dev->FRollCodeTx = Number(Node, "RollCodeTx");
        dev->FCMACAlg = Number(Node, "CMACAlg");
        dev->FDataCript = Number(Node, "DataCript");
        dev->FPTM = Number(Node, "PTM");
        const QString where = FWhere;
        if (TXMLNode* uni = Node->FindChild(QStringLiteral("UnidirectionalList")))
            Read_EEPs(uni, dev->UnidirectionalList, where + QStringLiteral(", unidirectional EEP "));
        if (TXMLNode* sack = Node->FindChild(QStringLiteral("SmartACKList")))
            Read_EEPs(sack, dev->SmartACKList, where + QStringLiteral(", Smart ACK EEP "));
        return dev.release();
    }

private:
    void Read_EEPs(TXMLNode* List_Node, std::vector<TRorFunTyp*>& List, const QString& Where)
    {
        TXMLNodeList* children = List_Node->ChildNodes();
        for (int e = 0; e < children->Count(); ++e) {
            TXMLNode* node = children->Nodes(e);
            FWhere = Where + QString::number(e + 1);
            auto eep = std::make_unique<TRorFunTyp>();
            eep->FRorgNum = Number(node, "RorgNum");
            eep->FFuncNum = Number(node, "FuncNum");
            eep->FTypeNum = Number(node, "TypeNum");
            TXMLNode* vars = node->FindChild(QStringLiteral("VariablesList"));
            if (!vars)
                Stop(QStringLiteral("the element \"VariablesList\" is missing."));
            const QString eep_where = FWhere;
            TXMLNodeList* var_nodes = vars->ChildNodes();
            for (int v = 0; v < var_nodes->Count(); ++v) {
                TXMLNode* vn = var_nodes->Nodes(v);
                FWhere = eep_where + QStringLiteral(", variable %1").arg(v + 1);
                auto var = std::make_unique<TVarEnOcean>();
                var->FCaseIndex = Number(vn, "CaseInd");
                var->FData = Text(vn, "Data");
                var->FBitOffs = Number(vn, "BitOffs");
                var->FBitSize = Number(vn, "BitSize");
                var->FPosition = Number(vn, "Position");
                var->FBitStart = Number(vn, "BitStart");
                eep->VariableList.push_back(var.release());
            }
            List.push_back(eep.release());
        }
    }

    QString Text(TXMLNode* Node, const char* Attr)
    {
        const QString name = QString::fromLatin1(Attr);
        if (!Node->HasAttribute(name))
            Stop(QStringLiteral("the attribute \"%1\" is missing.").arg(name));
        return Node->Attributes(name);
    }

    int Number(TXMLNode* Node, const char* Attr)
    {
        const QString text = Text(Node, Attr);
        qint64 value = 0;
        if (!Text_To_Number(text, false, value))
            Stop(QStringLiteral("the attribute \"%1\" is not a number (\"%2\").")
                     .arg(QLatin1String(Attr), text));
        return int(value);
    }

    [[noreturn]] void Stop(const QString& Msg)
    {
        throw TRead_Stop{QStringLiteral("File \"%1\", %2: %3").arg(FFileName, FWhere, Msg)};
    }

    QString FFileName;
    QString FWhere;
};

void Write_EEPs(TXMLNode* Parent, const std::vector<TRorFunTyp*>& List)
{
    for (const TRorFunTyp* eep : List) {
        TXMLNode* node = Parent->AddChild(QStringLiteral("RorgFuncType"));
        node->SetAttribute(QStringLiteral("RorgNum"), QString::number(eep->FRorgNum));
        node->SetAttribute(QStringLiteral("FuncNum"), QString::number(eep->FFuncNum));
        node->SetAttribute(QStringLiteral("TypeNum"), QString::number(eep->FTypeNum));
        TXMLNode* vars = node->AddChild(QStringLiteral("VariablesList"));
        for (const TVarEnOcean* var : eep->VariableList) {
            TXMLNode* v = vars->AddChild(QStringLiteral("Variable"));
            v->SetAttribute(QStringLiteral("CaseInd"), QString::number(var->FCaseIndex));
            v->SetAttribute(QStringLiteral("Data"), var->FData);
            v->SetAttribute(QStringLiteral("BitOffs"), QString::number(var->FBitOffs));
            v->SetAttribute(QStringLiteral("BitSize"), QString::number(var->FBitSize));
            v->SetAttribute(QStringLiteral("Position"), QString::number(var->FPosition));
            v->SetAttribute(QStringLiteral("BitStart"), QString::number(var->FBitStart));
        }
    }
}

} // namespace

QString Load_EnOcean_File(TXMLDocument* XML, const QString& FileName, TDevice_List& List)
{
    if (FileName.isEmpty() || !FileExists(FileName))
        return QString();
    XML->SetActive(true);
    const QString damage = XML->LoadPartFromFile(FileName);
    TXMLNode* root = XML->ChildNodes()->FindNode(QStringLiteral("EnOcean"));
    TXMLNode* devices = root ? root->FindChild(QStringLiteral("DevicesList")) : nullptr;
    if (!devices)
        return damage;
    TXMLNodeList* nodes = devices->ChildNodes();
    int count = nodes->Count();
    // A device the damage cut off is dropped with what was read of it: it is
    // then the last of the chain of elements still open (root, list, device).
    if (!damage.isEmpty() && count > 0 && XML->OpenElementsKept() >= 3
        && XML->DocumentElement() == root && root->ChildNodes()->IndexOf(devices) == root->ChildNodes()->Count() - 1)
        --count;
    TDevice_Reader reader(FileName);
    for (int d = 0; d < count; ++d) {
        try {
            List.push_back(reader.Read_Device(nodes->Nodes(d), d));
        } catch (const TRead_Stop& stop) {
            return stop.Reason;
        }
    }
    return damage;
}

void Save_EnOcean_File(TXMLDocument* XML, const QString& FileName, const TDevice_List& List)
{
    XML->SetActive(true);
    XML->Clear();
    TXMLNode* root = XML->AddChild(QStringLiteral("EnOcean"));
    XML->AddComment(Version_Comment);
    TXMLNode* devices = root->AddChild(QStringLiteral("DevicesList"));
    for (const TDevice_EnOcean* dev : List) {
        TXMLNode* node = devices->AddChild(QStringLiteral("Device"));
        node->SetAttribute(QStringLiteral("Id"), dev->FId);
        node->SetAttribute(QStringLiteral("Secure_Type"), QString::number(dev->FSecure_Type));
        node->SetAttribute(QStringLiteral("Key"), dev->FKey);
        node->SetAttribute(QStringLiteral("RollCode"), dev->FRollCode);
        node->SetAttribute(QStringLiteral("RollCodeAlg"), QString::number(dev->FRollCodeAlg));
        node->SetAttribute(QStringLiteral("RollCodeTx"), QString::number(dev->FRollCodeTx));
        node->SetAttribute(QStringLiteral("CMACAlg"), QString::number(dev->FCMACAlg));
        node->SetAttribute(QStringLiteral("DataCript"), QString::number(dev->FDataCript));
        node->SetAttribute(QStringLiteral("PTM"), QString::number(dev->FPTM));
        Write_EEPs(node->AddChild(QStringLiteral("UnidirectionalList")), dev->UnidirectionalList);
        Write_EEPs(node->AddChild(QStringLiteral("SmartACKList")), dev->SmartACKList);
        node->AddChild(QStringLiteral("Remote"));
    }
    XML->SaveToFile(FileName);
}
