// The BACnet part of the table bank: object entries grouped by type, the
// description area and the object counts of the parameter bank.
#include "core/ConfigImage.h"

#include "core/ConfigImageIO.h"
#include "core/Globals.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

#include <QFileInfo>
#include <cstring>

namespace {

struct TObject_Entry {
    quint32 Position = 0;
    quint16 Eng_Unit = 0;
    quint8 Length = 0;
    quint8 Direction = 0;      // 0 read, 1 write
    quint32 Desc_Add = 0;
    quint16 Row = 0;           // 1-based, read rows first
    quint8 Bit = 0;
};

struct TObject_Type {
    const char* Name;
    int Count_Offset;          // in the parameter bank
};

// Entries are grouped in this order.
const TObject_Type Object_Types[Object_Type_Count] = {
    {"ANALOG INPUT", 312},
    {"ANALOG OUT", 316},
    {"BINARY INPUT", 324},
    {"BINARY OUT", 328},
    {"LARGE ANALOG VALUE", 336},
    {"DATETIME VALUE", 340},
    {"POSITIVE INTEGER VALUE", 344},
    {"CHARACTERSTRING VALUE", 348},
    {"INTEGER VALUE", 352},
    {"MULTI STATE INPUT", 356},
    {"MULTI STATE OUTPUT", 360},
    {"MULTI STATE VALUE", 364},
    {"ANALOG VALUE", 320},
    {"BINARY VALUE", 332},
    {"LIFE SAFETY POINT", 368},
    {"LIFE SAFETY ZONE", 372},
    {"ACCESS DOOR", 376},
    {"ACCUMULATOR", 380},
    {"OCTET STRING", 1792},
};

TObject_Entry Object_Table[Object_Table_Size];
quint8 Desc_Area[Desc_Area_Size];
quint32 Object_Counters[Object_Type_Count];

int Written_Entries(bool long_desc)
{
    return long_desc ? 1023 : 2047;
}

// Walks one of the two tables for the current type.
class TObject_Loader {
public:
    TObject_Loader(bool long_desc, quint32 base_add)
        : FMax(long_desc ? 32 : 16)
        , FEntries(Written_Entries(long_desc))
        , FDesc_Base(base_add + Object_Entry_Size * quint32(FEntries))
    {
    }

    void Load_Rows(TXMLNode* list, const char* list_name, int type, quint8 direction,
                   int first_row)
    {
        TXMLNodeList* rows = list->ChildNodes();
        const QString wanted = QString::fromLatin1(Object_Types[type].Name);
        for (int r = 0; r < rows->Count(); ++r) {
            TXMLNode* row = rows->Nodes(r);
            if (UpperCase(row->Attributes(QStringLiteral("Data_Type"))) != wanted)
                continue;
            const QString where = QStringLiteral("row %1 of %2").arg(r + 1).arg(QLatin1String(list_name));
            if (FNext >= FEntries)
                Config_Image_Error(File_BACnet_Slave, where,
                                   QStringLiteral("too many BACnet objects; the table holds %1.")
                                       .arg(FEntries));
            TObject_Entry& e = Object_Table[FNext];
            e.Position = quint32(Required_Number(row, QStringLiteral("Position"), File_BACnet_Slave, where));
            e.Eng_Unit = quint16(Required_Number(row, QStringLiteral("Eng_Unit"), File_BACnet_Slave, where, false));
            e.Bit = quint8(Str_To_Int_Def(row->Attributes(QStringLiteral("Bit")), 0));
            // Rows whose length the editor does not check (binary types) may leave it empty.
            e.Length = quint8(Str_To_Int_Def(row->Attributes(QStringLiteral("Length")), 0));
            e.Row = quint16(first_row + r + 1);
            e.Direction = direction;
            e.Desc_Add = Put_Description(row->Attributes(QStringLiteral("Mnemonic")), where);
            ++Object_Counters[type];
            ++FNext;
        }
    }

private:
    quint32 Put_Description(const QString& text, const QString& where)
    {
        const int n = qMin(int(text.size()), FMax);
        if (n == 0)
            return FDesc_Base;
        if (FNext_Byte + n + 1 > Desc_Area_Size)
            Config_Image_Error(File_BACnet_Slave, where,
                               QStringLiteral("the descriptions do not fit in their area of %1 bytes.")
                                   .arg(Desc_Area_Size));
        const quint32 add = FDesc_Base + quint32(FNext_Byte);
        Put_Text8(Desc_Area, FNext_Byte, text, n);
        Desc_Area[FNext_Byte + n] = 0;
        FNext_Byte += n + 1;
        return add;
    }

    const int FMax;
    const int FEntries;
    const quint32 FDesc_Base;
    int FNext = 0;
    int FNext_Byte = 1;        // byte 0 is the empty text
};

TXMLNode* Required_List(TXMLNode* root, const char* name)
{
    TXMLNode* list = root ? root->FindChild(QString::fromLatin1(name)) : nullptr;
    if (!list)
        Config_Image_Error(File_BACnet_Slave, QString(),
                           QStringLiteral("the element \"%1\" is missing.").arg(QLatin1String(name)));
    return list;
}

} // namespace

void Clear_Object_Table()
{
    for (TObject_Entry& e : Object_Table)
        e = TObject_Entry();
    std::memset(Desc_Area, 0, sizeof Desc_Area);
}

void Clear_Object_Counters()
{
    std::memset(Object_Counters, 0, sizeof Object_Counters);
}

void Load_BACnet_Objects(bool Long_Desc_Layout, quint32 Base_Add)
{
    if (File_BACnet_Slave.isEmpty() || !QFileInfo::exists(File_BACnet_Slave))
        return;
    const auto doc = Load_Config_File(File_BACnet_Slave);
    TXMLNode* root = doc->DocumentElement();
    TXMLNode* read = Required_List(root, "BACnet_in_Read");
    TXMLNode* write = Required_List(root, "BACnet_in_Write");
    const int read_rows = read->ChildNodes()->Count();

    TObject_Loader loader(Long_Desc_Layout, Base_Add);
    for (int k = 0; k < Object_Type_Count; ++k) {
        loader.Load_Rows(read, "BACnet_in_Read", k, 0, 0);
        loader.Load_Rows(write, "BACnet_in_Write", k, 1, read_rows);
    }
}

void Put_Object_Counters()
{
    for (int k = 0; k < Object_Type_Count; ++k)
        Put_U32(Param_Record, Object_Types[k].Count_Offset, Object_Counters[k]);
}

int Put_Object_Table(int Pos, quint8* Buffer)
{
    const int start = Pos;
    const int count = Written_Entries(Long_Desc);
    for (int i = 0; i < count; ++i) {
        const TObject_Entry& e = Object_Table[i];
        Put_U32(Buffer, Pos, e.Position);
        Put_U16(Buffer, Pos + 4, e.Eng_Unit);
        Put_U8(Buffer, Pos + 6, e.Length);
        Put_U8(Buffer, Pos + 7, e.Direction);
        Put_U32(Buffer, Pos + 8, e.Desc_Add);
        Put_U16(Buffer, Pos + 12, e.Row);
        Put_U8(Buffer, Pos + 14, e.Bit);
        Put_U8(Buffer, Pos + 15, 0);
        Pos += Object_Entry_Size;
    }
    std::memcpy(Buffer + Pos, Desc_Area, Desc_Area_Size);
    Pos += Desc_Area_Size;
    std::memset(Buffer + Pos, 0, size_t(start + Object_Part_Size - Pos));
    return start + Object_Part_Size;
}
