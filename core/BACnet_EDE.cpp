#include "core/BACnet_EDE.h"

#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/List.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/TextFile.h"
#include "platform/rtl/XmlDocument.h"

#include <QStringList>

TObjectList* EDE_Obj_List = nullptr;
QString EDE_Dev_Instance;
bool EDE_Long_Names = false;

const int EDE_Counter_Types[EDE_Counter_Count] = {
    0, 1, 2, 3, 4, 5, 13, 14, 19, 21, 22, 23, 30, 40, 44, 45, 46, 48};
qint32 EDE_Counters[EDE_Counter_Count];

namespace {

struct TType_Name {
    const char* Text;
    int Num;
};

const TType_Name Type_Names[] = {
    {"ANALOG INPUT", 0},
    {"ANALOG OUT", 1},
    {"ANALOG VALUE", 2},
    {"BINARY INPUT", 3},
    {"BINARY OUT", 4},
    {"BINARY VALUE", 5},
    {"MULTI STATE INPUT", 13},
    {"MULTI STATE OUTPUT", 14},
    {"MULTI STATE VALUE", 19},
    {"LIFE SAFETY POINT", 21},
    {"LIFE SAFETY ZONE", 22},
    {"ACCUMULATOR", 23},
    {"ACCESS DOOR", 30},
    {"CHARACTERSTRING VALUE", 40},
    {"DATETIME VALUE", 44},
    {"INTEGER VALUE", 45},
    {"LARGE ANALOG VALUE", 46},
    {"POSITIVE INTEGER VALUE", 48},
};

// Device instances the image takes without a parameter file, and without
// the element for BACnet/IP, for MS/TP and for any other type.
const char* const No_File_Instance = "0";
const char* const IP_Instance_Default = "1";
const char* const MSTP_Instance_Default = "0";
const char* const Other_Type_Instance = "0";

// Fields are not quoted, so a separator or line break inside a value would
// split its line; they go out as blanks.
QString EDE_Field(QString text)
{
    for (QChar& c : text) {
        if (c == u';' || c == u'\r' || c == u'\n')
            c = u' ';
    }
    return text;
}

TXMLNode* Find_Object_Table(TXMLNode* root, const char* name)
{
    TXMLNode* table = root ? root->FindChild(QString::fromLatin1(name)) : nullptr;
    if (!table)
        throw EEDEError(QStringLiteral("File \"%1\": the element \"%2\" is missing.")
                            .arg(File_BACnet_Slave, QString::fromLatin1(name)));
    return table;
}

void Add_Objects(TXMLNode* table)
{
    TXMLNodeList* rows = table->ChildNodes();
    for (int i = 0; i < rows->Count(); ++i) {
        TXMLNode* row = rows->Nodes(i);
        const int type = Get_Object_Type_Num(row->Attributes(QStringLiteral("Data_Type")));
        const QString unit = EDE_Field(row->Attributes(QStringLiteral("Eng_Unit")));
        const QString mnemonic = EDE_Field(row->Attributes(QStringLiteral("Mnemonic")));
        const QString dev = EDE_Field(EDE_Dev_Instance);

        auto* obj = new TBACnet_EDE_Obj;
        obj->DevObjInstance = dev;
        obj->ObjectName = mnemonic.left(EDE_Long_Names ? 32 : 16);
        obj->ObjectType = QString::number(type);
        obj->ObjectInstance = QString::number(Next_Object_Instance(type));
        obj->Keyname = dev + u'_' + mnemonic + u'_' + obj->ObjectInstance;
        obj->Description = obj->ObjectName;
        obj->UnitCode = unit;
        EDE_Obj_List->Add(obj);
    }
}

} // namespace

void Clear_EDE_Counters()
{
    for (qint32& counter : EDE_Counters)
        counter = 0;
}

int Get_Object_Type_Num(const QString& Type_Text)
{
    const QString text = UpperCase(Trim(Type_Text));
    for (const TType_Name& t : Type_Names) {
        if (text == QLatin1String(t.Text))
            return t.Num;
    }
    return 0;
}

qint32 Next_Object_Instance(int Type_Num)
{
    for (int i = 0; i < EDE_Counter_Count; ++i) {
        if (EDE_Counter_Types[i] == Type_Num)
            return EDE_Counters[i]++;
    }
    return 0;
}

QString Get_TimeStamp_Str()
{
    int year, month, day, hour, min, sec, msec;
    DecodeDateTime(Now(), year, month, day, hour, min, sec, msec);
    return QString::asprintf("%02d:%02d:%02d %02d/%02d/%d", hour, min, sec, day, month, year);
}

QString Get_EDE_Name_Part()
{
    return QString();
}

void Read_BACnet_Device_Par()
{
    // Nothing of an earlier export carries over.
    EDE_Dev_Instance = QString::fromLatin1(No_File_Instance);
    EDE_Long_Names = false;
    if (File_ParGen.isEmpty() || !FileExists(File_ParGen))
        return;
    const auto doc = Load_Config_File(File_ParGen);
    TXMLNode* root = doc->DocumentElement();

    QString text;
    const int type = Par_Text(root, "BACnet_Type", text) ? Str_To_Int_Def(text, 0) : 0;
    // A missing element gives what the image holds.
    if (type == 1)
        EDE_Dev_Instance = Par_Text(root, "BACnet_Ser_DEV_IDE", text)
                               ? text : QString::fromLatin1(MSTP_Instance_Default);
    else
        EDE_Dev_Instance = Par_Text(root, "BACnet_DEV_IDE", text)
                               ? text : QString::fromLatin1(type == 0 ? IP_Instance_Default : Other_Type_Instance);
    EDE_Long_Names = Par_Text(root, "BACnet_Desc_Chars_Limit", text) && text == QLatin1String("1");
}

void Read_BACnet_Objects_EDE()
{
    if (!EDE_Obj_List || File_BACnet_Slave.isEmpty() || !FileExists(File_BACnet_Slave))
        return;
    const auto doc = Load_Config_File(File_BACnet_Slave);
    TXMLNode* root = doc->DocumentElement();
    // Both tables must be there before any row counts.
    TXMLNode* read = Find_Object_Table(root, "BACnet_in_Read");
    TXMLNode* write = Find_Object_Table(root, "BACnet_in_Write");
    Add_Objects(read);
    Add_Objects(write);
}

void Write_EDE_File(int Skip, const QString& FileName)
{
    if (Skip != 0)
        return;
    QStringList lines;
    lines << QStringLiteral("PROJECT_NAME; Velmora-") + Get_EDE_Name_Part() + u'-'
                 + EDE_Field(Conf_Name) + QStringLiteral(";;;;;;")
          << QStringLiteral("VERSION_OF_REFERENCEFILE;1.0;;;;;;")
          << QStringLiteral("TIMESTAMP_OF_LAST_CHANGE;") + Get_TimeStamp_Str()
                 + QStringLiteral(";;;;;;")
          << QStringLiteral("AUTHOR_OF_LAST_CHANGE;Velmora;;;;;;")
          << QStringLiteral("VERSION_OF_LAYOUT;2;;;;;;")
          << QStringLiteral("# mandatory;mandatory;mandatory;mandatory;mandatory;optional;optional;")
          << QStringLiteral(
                 "# keyname;device obj.-instance;object-name;object-type;object-instance;"
                 "description;unit-code;");
    for (int i = 0; EDE_Obj_List && i < EDE_Obj_List->Count(); ++i) {
        const auto* obj = static_cast<const TBACnet_EDE_Obj*>(EDE_Obj_List->Items(i));
        const QString fields[] = {obj->Keyname, obj->DevObjInstance, obj->ObjectName,
                                  obj->ObjectType, obj->ObjectInstance, obj->Description,
                                  obj->UnitCode};
        QString line;
        for (const QString& f : fields)
            line += f + u';';
        lines << line;
    }
    WriteTextFile(FileName, lines, TEncodingKind::ekAnsi);
}

void Create_EDE_File(const QString& FileName)
{
    EDE_Obj_List = new TObjectList(true);
    try {
        Clear_EDE_Counters();
        Read_BACnet_Device_Par();
        Read_BACnet_Objects_EDE();
        Write_EDE_File(0, FileName);
    } catch (...) {
        FreeAndNil(EDE_Obj_List);
        throw;
    }
    FreeAndNil(EDE_Obj_List);
}
