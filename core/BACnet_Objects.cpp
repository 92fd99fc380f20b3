#include "core/BACnet_Objects.h"

#include "core/Globals.h"
#include "core/Table_File.h"
#include "core/Lang.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/SysUtils.h"
#include "platform/rtl/XmlDocument.h"

namespace {

struct TLength_Rule {
    const char* Type;
    int Min, Max;
    int Text;
};

const TLength_Rule Read_Lengths[] = {
    {"Analog Input", 1, 4, 1935},      {"Positive Integer Value", 1, 4, 1936},
    {"Large Analog Value", 1, 8, 1937}, {"Analog Value", 1, 4, 1938},
    {"Multi State Input", 1, 4, 1939}, {"Multi State Value", 1, 4, 1940},
    {"Life Safety Point", 1, 2, 1941}, {"Life Safety Zone", 1, 2, 1942},
    {"Access Door", 1, 1, 1943},       {"Accumulator", 1, 4, 1944},
};
const TLength_Rule Write_Lengths[] = {
    {"Analog Out", 1, 4, 1949},        {"Analog Value", 1, 4, 1950},
    {"Positive Integer Value", 1, 4, 1951}, {"Large Analog Value", 1, 8, 1952},
    {"Integer Value", 1, 4, 1953},     {"Multi State Output", 1, 4, 1954},
    {"Multi State Value", 1, 4, 1955}, {"Access Door", 1, 1, 1956},
};

// Text numbers of one table's checks.
struct TTable_Texts {
    int Eng_Unit, Position, Bit, Too_Many;
    QStringList Binary_Types;
    const TLength_Rule* Lengths;
    size_t Length_Count;
};

QString Text(int Index)
{
    return Lang_SL->Strings(Index);
}

QString Row_Error(int Row, int Index)
{
    return Text(1932) + QString::number(Row) + Text(Index);
}

QString Check_Table(const TTable_Rows& Rows, const TTable_Texts& T, int& Counter)
{
    const int rows = Table_Content_Rows(Rows, BACnet_Col_Data_Type);
    for (int i = 0; i < rows; ++i) {
        const QStringList& row = Rows[size_t(i)];
        const int n = i + 1;
        ++Counter;
        const int unit = Str_To_Int_Def(Cell(row, BACnet_Col_Eng_Unit), -1);
        if (unit < 0 || unit > 65535)
            return Row_Error(n, T.Eng_Unit);
        const int p = Str_To_Int_Def(Cell(row, BACnet_Col_Position), -1);
        if (p < 0 || p > BACnet_NByte - 1)
            return Row_Error(n, T.Position) + QString::number(BACnet_NByte - 1);
        const QString type = Cell(row, BACnet_Col_Data_Type);
        qint64 last = p;
        if (T.Binary_Types.contains(type)) {
            if (Cell(row, BACnet_Col_Bit).isEmpty())
                return Row_Error(n, T.Bit);
        } else {
            const int length = Str_To_Int_Def(Cell(row, BACnet_Col_Length), 0);
            for (size_t k = 0; k < T.Length_Count; ++k) {
                const TLength_Rule& rule = T.Lengths[k];
                if (type == QLatin1String(rule.Type) && (length < rule.Min || length > rule.Max))
                    return Row_Error(n, rule.Text);
            }
            last = qint64(p) + length - 1;
        }
        if (last >= BACnet_NByte)
            return Row_Error(n, T.Too_Many);
    }
    return Empty_Row_Error(Rows, BACnet_Col_Data_Type, BACnet_Check_Box_Cols());
}

const TTable_Layout& Layout(int Table)
{
    static const std::vector<TRow_Attr> attrs = {
        {"Data_Type", BACnet_Col_Data_Type, nullptr}, {"Eng_Unit", BACnet_Col_Eng_Unit, nullptr},
        {"Position", BACnet_Col_Position, nullptr},   {"Bit", BACnet_Col_Bit, nullptr},
        {"Length", BACnet_Col_Length, nullptr},       {"Swap", BACnet_Col_Swap, "N"},
        {"Mnemonic", BACnet_Col_Mnemonic, nullptr},
    };
    static const TTable_Layout layouts[2] = {
        {"BACnet_in_Read", BACnet_Col_Count, BACnet_Col_Data_Type, attrs, {}},
        {"BACnet_in_Write", BACnet_Col_Count, BACnet_Col_Data_Type, attrs, {}},
    };
    return layouts[Table];
}

} // namespace

int BACnet_Table_Rows(bool Desc_Lenght)
{
    return Desc_Lenght ? 1000 : 2000;
}

QList<int> BACnet_Check_Box_Cols()
{
    return {BACnet_Col_Swap};
}

QStringList BACnet_Read_Types()
{
    return {"Analog Input", "Analog Value", "Binary Input", "Binary Value", "Positive Integer Value",
            "Large Analog Value", "Integer Value", "Multi State Input", "Multi State Value",
            "Life Safety Point", "Life Safety Zone", "Access Door", "Accumulator"};
}

QStringList BACnet_Write_Types()
{
    return {"Analog Out", "Analog Value", "Binary Out", "Binary Value", "Positive Integer Value",
            "Large Analog Value", "Integer Value", "Multi State Output", "Multi State Value",
            "Access Door"};
}

bool Read_Desc_Lenght(TXMLDocument* XML, const QString& ParGen_File, QString& Error)
{
    Error.clear();
    if (ParGen_File.isEmpty() || !FileExists(ParGen_File))
        return false;
    XML->SetActive(true);
    Error = XML->LoadPartFromFile(ParGen_File);
    if (!Error.isEmpty())
        return false;
    TXMLNode* root = XML->ChildNodes()->First();
    TXMLNode* node = root ? root->FindChild(QStringLiteral("BACnet_Desc_Chars_Limit")) : nullptr;
    return node && node->IsTextElement() && node->Text() == QLatin1String("1");
}

QString Read_BACnet_File(TXMLDocument* XML, const QString& FileName, int Table_Rows,
                         TTable_Rows& Read, TTable_Rows& Write)
{
    const TTable_Layout* layouts[2] = {&Layout(0), &Layout(1)};
    TTable_Rows* tables[2] = {&Read, &Write};
    return Read_Table_File(XML, FileName, Table_Rows, layouts, tables);
}

void Write_BACnet_File(TXMLDocument* XML, const QString& FileName, const TTable_Rows& Read,
                       const TTable_Rows& Write)
{
    const TTable_Layout* layouts[2] = {&Layout(0), &Layout(1)};
    const TTable_Rows* tables[2] = {&Read, &Write};
    Write_Table_File(XML, FileName, QStringLiteral("BACnet_to_Modbus"), layouts, tables);
}

QString Check_BACnet_Tables(const TTable_Rows& Read, const TTable_Rows& Write, bool Desc_Lenght)
{
    const TTable_Texts read{1933, 1934, 1945, 1946, {"Binary Input", "Binary Value"}, Read_Lengths,
                            std::size(Read_Lengths)};
    const TTable_Texts write{1947, 1948, 1957, 1958, {"Binary Out", "Binary Value"}, Write_Lengths,
                             std::size(Write_Lengths)};
    int counter = 0;
    QString error = Check_Table(Read, read, counter);
    if (error.isEmpty())
        error = Check_Table(Write, write, counter);
    const int limit = BACnet_Table_Rows(Desc_Lenght);
    if (error.isEmpty() && counter > limit)
        error = Text(1959) + QString::number(limit);
    return error;
}

QString Write_Type_Length(const QString& Data_Type)
{
    const QString type = UpperCase(Data_Type);
    static const char* const four[] = {"ANALOG OUT", "ANALOG VALUE", "POSITIVE INTEGER VALUE",
                                       "INTEGER VALUE", "MULTI STATE OUTPUT", "MULTI STATE VALUE"};
    static const char* const one[] = {"BINARY OUT", "BINARY VALUE", "ACCESS DOOR", "OCTET STRING"};
    for (const char* t : four)
        if (type == QLatin1String(t))
            return QStringLiteral("4");
    if (type == QLatin1String("LARGE ANALOG VALUE"))
        return QStringLiteral("8");
    for (const char* t : one)
        if (type == QLatin1String(t))
            return QStringLiteral("1");
    return QString();
}
