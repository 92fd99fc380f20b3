// The EnOcean device tables: the device file read into records, each
// profile's variables grouped by the case identification of their catalogue
// case, the device addresses assigned and the tables written.
#include "core/ConfigImageEnOcean.h"

#include "core/ConfigImage.h"
#include "core/Catalog_EnOcean.h"
#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/XmlDocument.h"

#include <QFileInfo>

std::vector<TEnOcean_ID_Info> EnOcean_ID_List;
quint32 EnOcean_Table_Add = 0;

namespace {

struct TCase_Ident {
    qint64 Size = 0;
    qint64 Offset = 0;
    qint64 Id = 0;
};

// The case identification of a catalogue case; false when the catalogue
// has no such case (unknown profile, index out of range, nothing loaded).
bool Find_Case_Ident(int rorg, int func, int type, int case_index, TCase_Ident& ident)
{
    const TCase* c = Cat_EnOcean ? Cat_EnOcean->Get_CaseObj(rorg, func, type, case_index) : nullptr;
    if (!c)
        return false;
    ident = {c->CaseIdSize(), c->CaseIdOffset(), c->CaseId()};
    return true;
}

QString Attr_Name(const char* name)
{
    return QString::fromLatin1(name);
}

quint32 Number32(TXMLNode* node, const char* attr, const QString& where, bool wide = true)
{
    return quint32(Required_Number(node, Attr_Name(attr), File_EnOcean, where, wide));
}

TEnOcean_Case_Info* Find_Case_Entry(TEnOcean_Eep_Info& eep, const TCase_Ident& ident)
{
    // Compared as numbers: a negative catalogue value matches no entry.
    for (TEnOcean_Case_Info& c : eep.CaseTable)
        if (qint64(c.InCaseIdSize) == ident.Size && qint64(c.InCaseIdOffset) == ident.Offset
            && qint64(c.InCase) == ident.Id)
            return &c;
    return nullptr;
}

void Read_Variable(TXMLNode* node, TEnOcean_Eep_Info& eep, int func, int type,
                   const QString& where)
{
    const int case_index = Str_To_Int_Def(node->Attributes(QStringLiteral("CaseInd")), 0);
    TCase_Ident ident;
    if (!Find_Case_Ident(int(eep.Rorg), func, type, case_index, ident))
        return;

    TEnOcean_Var_Info var;
    var.BitSize = Number32(node, "BitSize", where);
    var.BitOffset = Number32(node, "BitOffs", where);
    var.Position = Number32(node, "Position", where);
    var.Size = Number32(node, "BitStart", where);

    if (TEnOcean_Case_Info* entry = Find_Case_Entry(eep, ident)) {
        ++entry->InVarNum;
        entry->InVarTable.push_back(var);
        return;
    }
    TEnOcean_Case_Info entry;
    entry.InCaseIdSize = quint32(ident.Size);
    entry.InCaseIdOffset = quint32(ident.Offset);
    entry.InCase = quint32(ident.Id);
    entry.InVarNum = 1;
    entry.InVarTable.push_back(var);
    eep.CaseTable.push_back(std::move(entry));
    eep.CaseNum = quint32(eep.CaseTable.size());
}

void Read_Profile(TXMLNode* node, TEnOcean_ID_Info& dev, const QString& where)
{
    TEnOcean_Eep_Info eep;
    eep.Rorg = Number32(node, "RorgNum", where);
    const int func = int(Number32(node, "FuncNum", where, false));
    const int type = int(Number32(node, "TypeNum", where, false));
    TXMLNode* vars = node->FindChild(QStringLiteral("VariablesList"));
    if (!vars)
        Config_Image_Error(File_EnOcean, where,
                           QStringLiteral("the element \"VariablesList\" is missing."));
    TXMLNodeList* list = vars->ChildNodes();
    for (int v = 0; v < list->Count(); ++v)
        Read_Variable(list->Nodes(v), eep, func, type,
                      where + QStringLiteral(", variable %1").arg(v + 1));
    dev.UniEepTable.push_back(std::move(eep));
    ++dev.UniEepNum;
}

void Read_Device(TXMLNode* node, int index)
{
    TEnOcean_ID_Info dev;
    QString where = QStringLiteral("device %1").arg(index + 1);
    const qint64 id = Required_Number(node, QStringLiteral("Id"), File_EnOcean, where);
    where += QStringLiteral(" (Id \"%1\")").arg(node->Attributes(QStringLiteral("Id")));
    // The image keeps 32 bits: a larger identifier would become another one.
    if (id < 0 || id > 0xFFFFFFFFLL)
        Config_Image_Error(File_EnOcean, where, QStringLiteral("the device ID lies outside 0 to 4294967295."));
    dev.Id = quint32(id);
    dev.SecurityOption = Number32(node, "Secure_Type", where);

    TEnOcean_Security_Info& sec = dev.Security_Info;
    if (dev.SecurityOption != 0) {
        const QString key = node->Attributes(QStringLiteral("Key"));
        (dev.SecurityOption == 1 ? sec.PreSharedKey : sec.PrivateKey) = key;
    }
    if (dev.SecurityOption > 1) {
        sec.RollingCode = Number32(node, "RollCode", where);
        sec.RLCAlgorithm = quint8(Number32(node, "RollCodeAlg", where, false));
        sec.RLCTx = quint8(Number32(node, "RollCodeTx", where, false));
        sec.MACAlgorithm = quint8(Number32(node, "CMACAlg", where, false));
        sec.DataEncryption = quint8(Conv_DataCript(int(Number32(node, "DataCript", where, false))));
        sec.SenderIsPTM = quint8(Number32(node, "PTM", where, false));
    }

    if (TXMLNode* uni = node->FindChild(QStringLiteral("UnidirectionalList"))) {
        TXMLNodeList* list = uni->ChildNodes();
        for (int p = 0; p < list->Count(); ++p)
            Read_Profile(list->Nodes(p), dev, where + QStringLiteral(", profile %1").arg(p + 1));
    }
    EnOcean_ID_List.push_back(std::move(dev));
}

void Assign_Addresses(quint32 base_add)
{
    EnOcean_Table_Add = base_add + EnOcean_Header_Size;
    quint32 a = EnOcean_Table_Add + EnOcean_Device_Size * quint32(EnOcean_ID_List.size());
    for (TEnOcean_ID_Info& dev : EnOcean_ID_List) {
        dev.SecAdd = a;
        a += EnOcean_Security_Size;
    }
    for (TEnOcean_ID_Info& dev : EnOcean_ID_List) {
        dev.UniEepAdd = a;
        dev.SAEepAdd = a + EnOcean_Eep_Size * dev.UniEepNum;
        a += EnOcean_Eep_Size * (dev.UniEepNum + dev.SAEepNum);
    }
    for (TEnOcean_ID_Info& dev : EnOcean_ID_List)
        for (auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (TEnOcean_Eep_Info& eep : *table) {
                eep.CaseAdd = a;
                a += EnOcean_Case_Size * quint32(eep.CaseTable.size());
            }
    for (TEnOcean_ID_Info& dev : EnOcean_ID_List)
        for (auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (TEnOcean_Eep_Info& eep : *table)
                for (TEnOcean_Case_Info& c : eep.CaseTable) {
                    c.InVarAdd = a;
                    c.OutVarAdd = a + EnOcean_Var_Size * c.InVarNum;
                    a += EnOcean_Var_Size * (c.InVarNum + c.OutVarNum);
                }
}

void Put_Key(quint8* buf, int pos, const QString& key)
{
    for (int i = 0; i < 16; ++i)
        buf[pos + i] = 0;
    Put_Text8(buf, pos, key, 16);
}

void Put_Var(quint8* buf, int& pos, const TEnOcean_Var_Info& v)
{
    Put_U32(buf, pos, v.BitSize);
    Put_U32(buf, pos + 4, v.BitOffset);
    Put_U32(buf, pos + 8, v.Position);
    Put_U32(buf, pos + 12, v.Size);
    pos += EnOcean_Var_Size;
}

} // namespace

int Conv_DataCript(int Value)
{
    switch (Value) {
    case 1:
        return 3;
    case 2:
        return 4;
    default:
        return 0;
    }
}

int EnOcean_Tables_Size()
{
    qint64 size = EnOcean_Header_Size;
    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List) {
        size += EnOcean_Device_Size + EnOcean_Security_Size;
        for (const auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (const TEnOcean_Eep_Info& eep : *table) {
                size += EnOcean_Eep_Size;
                for (const TEnOcean_Case_Info& c : eep.CaseTable)
                    size += EnOcean_Case_Size
                            + EnOcean_Var_Size * qint64(c.InVarTable.size() + c.OutVarTable.size());
            }
    }
    return int(qMin<qint64>(size, 0x7FFFFFFF));
}

void Load_EnOcean(quint32 Base_Add)
{
    EnOcean_ID_List.clear();
    if (!File_EnOcean.isEmpty() && QFileInfo::exists(File_EnOcean)) {
        const auto doc = Load_Config_File(File_EnOcean);
        TXMLNode* root = doc->ChildNodes()->FindNode(QStringLiteral("EnOcean"));
        TXMLNode* devices = root ? root->FindChild(QStringLiteral("DevicesList")) : nullptr;
        if (devices) {
            TXMLNodeList* list = devices->ChildNodes();
            for (int d = 0; d < list->Count(); ++d)
                Read_Device(list->Nodes(d), d);
        }
    }
    Assign_Addresses(Base_Add);
    const int size = EnOcean_Tables_Size();
    if (size > EnOcean_Space)
        Config_Image_Error(File_EnOcean, QString(),
                           QStringLiteral("the EnOcean tables need %1 bytes; the image holds %2.")
                               .arg(size)
                               .arg(EnOcean_Space));
}

int Put_EnOcean_Tables(int Pos, quint8* Buffer)
{
    Put_U32(Buffer, Pos, quint32(EnOcean_ID_List.size()));
    Put_U32(Buffer, Pos + 4, EnOcean_Table_Add);
    Pos += EnOcean_Header_Size;

    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List) {
        const quint32 fields[] = {dev.Id, dev.SecurityOption, dev.SecAdd, dev.UniEepNum,
                                  dev.UniEepAdd, dev.SAEepNum, dev.SAEepAdd};
        for (quint32 f : fields) {
            Put_U32(Buffer, Pos, f);
            Pos += 4;
        }
    }
    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List) {
        const TEnOcean_Security_Info& s = dev.Security_Info;
        Put_Key(Buffer, Pos, s.PreSharedKey);
        Put_Key(Buffer, Pos + 16, s.PrivateKey);
        Put_U32(Buffer, Pos + 32, s.RollingCode);
        Put_U8(Buffer, Pos + 36, s.RLCAlgorithm);
        Put_U8(Buffer, Pos + 37, s.RLCTx);
        Put_U8(Buffer, Pos + 38, s.MACAlgorithm);
        Put_U8(Buffer, Pos + 39, s.DataEncryption);
        Put_U8(Buffer, Pos + 40, s.SenderIsPTM);
        Put_U8(Buffer, Pos + 41, s.UnusedChar);
        Put_U16(Buffer, Pos + 42, s.UnusedShort);
        Pos += EnOcean_Security_Size;
    }
    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List)
        for (const auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (const TEnOcean_Eep_Info& eep : *table) {
                Put_U32(Buffer, Pos, eep.Rorg);
                Put_U32(Buffer, Pos + 4, eep.CaseNum);
                Put_U32(Buffer, Pos + 8, eep.CaseAdd);
                Pos += EnOcean_Eep_Size;
            }
    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List)
        for (const auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (const TEnOcean_Eep_Info& eep : *table)
                for (const TEnOcean_Case_Info& c : eep.CaseTable) {
                    const quint32 fields[] = {c.InCaseIdSize, c.InCaseIdOffset, c.InCase,
                                              c.InVarNum, c.InVarAdd, c.OutCaseIdSize,
                                              c.OutCaseIdOffset, c.OutCase, c.OutVarNum,
                                              c.OutVarAdd};
                    for (quint32 f : fields) {
                        Put_U32(Buffer, Pos, f);
                        Pos += 4;
                    }
                }
    for (const TEnOcean_ID_Info& dev : EnOcean_ID_List)
        for (const auto* table : {&dev.UniEepTable, &dev.SAEepTable})
            for (const TEnOcean_Eep_Info& eep : *table)
                for (const TEnOcean_Case_Info& c : eep.CaseTable) {
                    for (const TEnOcean_Var_Info& v : c.InVarTable)
                        Put_Var(Buffer, Pos, v);
                    for (const TEnOcean_Var_Info& v : c.OutVarTable)
                        Put_Var(Buffer, Pos, v);
                }
    return Pos;
}

