// The EnOcean device file: round trip through the model, the written
// tree, and what a damaged file leaves in the list.
#include "core/EnOcean_File.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// One line per device, EEP and variable, every field shown.
QString Dump(const TDevice_List& List)
{
    QStringList out;
    auto eeps = [&](const char* kind, const std::vector<TRorFunTyp*>& list) {
        for (const TRorFunTyp* e : list) {
            out << QStringLiteral(" %1 %2/%3/%4").arg(QLatin1String(kind)).arg(e->FRorgNum).arg(e->FFuncNum).arg(e->FTypeNum);
            for (const TVarEnOcean* v : e->VariableList)
                out << QStringLiteral("  %1|%2|%3|%4|%5|%6")
                           .arg(v->FCaseIndex).arg(v->FData).arg(v->FBitOffs).arg(v->FBitSize)
                           .arg(v->FPosition).arg(v->FBitStart);
        }
    };
    for (const TDevice_EnOcean* d : List) {
        out << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                   .arg(d->FId).arg(d->FSecure_Type).arg(d->FKey).arg(d->FRollCode)
                   .arg(d->FRollCodeAlg).arg(d->FRollCodeTx).arg(d->FCMACAlg).arg(d->FDataCript)
                   .arg(d->FPTM);
        eeps("uni", d->UnidirectionalList);
        eeps("sack", d->SmartACKList);
    }
    return out.join(QLatin1Char('\n'));
}

TRorFunTyp* Add_EEP(std::vector<TRorFunTyp*>& List, int R, int F, int T)
{
    auto* e = new TRorFunTyp;
    e->FRorgNum = R;
    e->FFuncNum = F;
    e->FTypeNum = T;
    List.push_back(e);
    return e;
}

void Add_Var(TRorFunTyp* E, int Case, const QString& Data, int Offs, int Size, int Pos, int Bit)
{
    auto* v = new TVarEnOcean;
    v->FCaseIndex = Case;
    v->FData = Data;
    v->FBitOffs = Offs;
    v->FBitSize = Size;
    v->FPosition = Pos;
    v->FBitStart = Bit;
    E->VariableList.push_back(v);
}

// Two devices: one with every security field set although it is
// "Unsecure", an EEP without variables, a Smart ACK EEP and a negative
// position; one with a hexadecimal identifier and text needing escapes.
void Fill(TDevice_List& List)
{
    auto* a = new TDevice_EnOcean;
    a->FId = QStringLiteral("0x0181ABCD");
    a->FSecure_Type = 0;
    a->FKey = QStringLiteral("K<&>\"1");
    a->FRollCode = QStringLiteral("0A0B");
    a->FRollCodeAlg = 2;
    a->FRollCodeTx = 1;
    a->FCMACAlg = 2;
    a->FDataCript = 1;
    a->FPTM = 1;
    TRorFunTyp* e = Add_EEP(a->UnidirectionalList, 0xA5, 0x02, 0x05);
    Add_Var(e, 0, QStringLiteral("Temperature"), 16, 8, -5, 0);
    Add_Var(e, 0, QStringLiteral("Learn Bit"), 28, 1, 11, 3);
    Add_EEP(a->UnidirectionalList, 0xD2, 0x01, 0x01);
    Add_Var(Add_EEP(a->SmartACKList, 0xF6, 0x02, 0x01), 2, QStringLiteral("Rocker 2nd action"), 4, 3, 22, 7);
    List.push_back(a);
    auto* b = new TDevice_EnOcean;
    b->FId = QStringLiteral(" 25");
    List.push_back(b);
}

class EnOceanFile : public ::testing::Test {
protected:
    void TearDown() override
    {
        Clear_Device_List(FList);
        Clear_Device_List(FRead);
    }
    QString Path() const { return FDir.path() + QStringLiteral("/EnOcean.xml"); }
    void Write(const QByteArray& Bytes)
    {
        QFile f(Path());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(Bytes);
    }

    QTemporaryDir FDir;
    TXMLDocument FXML;
    TDevice_List FList, FRead;
};

TEST_F(EnOceanFile, RoundTripKeepsEveryField)
{
    Fill(FList);
    Save_EnOcean_File(&FXML, Path(), FList);
    // A leftover device shows that reading appends.
    FRead.push_back(new TDevice_EnOcean);
    TXMLDocument other;
    EXPECT_EQ(Load_EnOcean_File(&other, Path(), FRead), QString());
    ASSERT_EQ(FRead.size(), 3u);
    delete FRead.front();
    FRead.erase(FRead.begin());
    EXPECT_EQ(Dump(FRead), Dump(FList));
    // Written again, the file is the same to the byte.
    const QString again = FDir.path() + QStringLiteral("/again.xml");
    Save_EnOcean_File(&other, again, FRead);
    QFile a(Path()), b(again);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(EnOceanFile, WritesTheTreeInOrder)
{
    auto* d = new TDevice_EnOcean;
    d->FId = QStringLiteral("7");
    Add_Var(Add_EEP(d->UnidirectionalList, 0xA5, 2, 5), 1, QStringLiteral("T"), 16, 8, -5, 2);
    FList.push_back(d);
    Save_EnOcean_File(&FXML, Path(), FList);
    QFile f(Path());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(f.readAll()).simplified().replace(QStringLiteral("> <"), QStringLiteral("><"));
    EXPECT_EQ(text.toStdString(),
              "<EnOcean><DevicesList>"
              "<Device Id=\"7\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" "
              "CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"><UnidirectionalList>"
              "<RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
              "<Variable CaseInd=\"1\" Data=\"T\" BitOffs=\"16\" BitSize=\"8\" Position=\"-5\" BitStart=\"2\" />"
              "</VariablesList></RorgFuncType></UnidirectionalList><SmartACKList /><Remote /></Device>"
              "</DevicesList></EnOcean><!--SW_VERSION = 1.000-->");
}

TEST_F(EnOceanFile, EmptyListAndMissingFile)
{
    EXPECT_EQ(Load_EnOcean_File(&FXML, Path(), FRead), QString());
    EXPECT_TRUE(FRead.empty());
    Save_EnOcean_File(&FXML, Path(), FList);
    EXPECT_EQ(Load_EnOcean_File(&FXML, Path(), FRead), QString());
    EXPECT_TRUE(FRead.empty());
}

const char* const Device_A =
    "<Device Id=\"1\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
    "<UnidirectionalList><RorgFuncType RorgNum=\"165\" FuncNum=\"2\" TypeNum=\"5\"><VariablesList>"
    "<Variable CaseInd=\"0\" Data=\"T\" BitOffs=\"16\" BitSize=\"8\" Position=\"3\" BitStart=\"0\"/>"
    "</VariablesList></RorgFuncType></UnidirectionalList></Device>\n";
const char* const Device_C =
    "<Device Id=\"3\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"/>\n";

// What stays of a file that cannot be read whole, and the message naming it.
TEST_F(EnOceanFile, DamagedFileKeepsTheDevicesBeforeTheDamage)
{
    const QByteArray head = QByteArray("<EnOcean><DevicesList>\n") + Device_A;
    const struct {
        const char* Name;
        QByteArray Bytes;
        QStringList Ids;      // devices kept
        const char* Where;    // in the message; "" for no message
    } cases[] = {
        {"SecondLacksPTM",
         head + "<Device Id=\"2\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\"/>\n"
             + Device_C + "</DevicesList></EnOcean>",
         {"1"}, "device 2: the attribute \"PTM\" is missing"},
        {"NotANumber",
         head + "<Device Id=\"2\" Secure_Type=\"one\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\"/>"
             + "</DevicesList></EnOcean>",
         {"1"}, "device 2: the attribute \"Secure_Type\" is not a number (\"one\")"},
        {"EEPWithoutVariablesList",
         QByteArray("<EnOcean><DevicesList>") + Device_C
             + "<Device Id=\"4\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
               "<UnidirectionalList><RorgFuncType RorgNum=\"1\" FuncNum=\"2\" TypeNum=\"3\"/></UnidirectionalList></Device>"
               "</DevicesList></EnOcean>",
         {"3"}, "device 2, unidirectional EEP 1: the element \"VariablesList\" is missing"},
        {"BadVariable",
         QByteArray("<EnOcean><DevicesList>")
             + "<Device Id=\"4\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
               "<SmartACKList><RorgFuncType RorgNum=\"1\" FuncNum=\"2\" TypeNum=\"3\"><VariablesList>"
               "<Variable CaseInd=\"0\" Data=\"T\" BitOffs=\"x\" BitSize=\"8\" Position=\"3\" BitStart=\"0\"/>"
               "</VariablesList></RorgFuncType></SmartACKList></Device></DevicesList></EnOcean>",
         {}, "device 1, Smart ACK EEP 1, variable 1: the attribute \"BitOffs\""},
        // Cut inside the second device: it is dropped although its first
        // EEP was whole.
        {"CutInsideADevice",
         head + "<Device Id=\"2\" Secure_Type=\"0\" Key=\"\" RollCode=\"\" RollCodeAlg=\"0\" RollCodeTx=\"0\" CMACAlg=\"0\" DataCript=\"0\" PTM=\"0\">"
                "<UnidirectionalList><RorgFuncType RorgNum=\"1\" FuncNum=\"2\" TypeNum=\"3\"><VariablesList/></RorgFuncType>"
                "<RorgFuncType RorgNum=\"1\" Fun",
         {"1"}, "line 3, column"},
        {"CutBetweenDevices", head + Device_C + "</Devices", {"1", "3"}, "line 4, column"},
        {"NotXmlAtAll", "EnOcean devices", {}, "line 1, column 1"},
        {"OtherRoot", "<Other><DevicesList>" + QByteArray(Device_C) + "</DevicesList></Other>", {}, ""},
        {"NoDevicesList", "<EnOcean><Devices/></EnOcean>", {}, ""},
        {"CommentBetweenDevices",
         QByteArray("<EnOcean><DevicesList>") + Device_A + "<!-- spare -->" + Device_C + "</DevicesList></EnOcean>",
         {"1", "3"}, ""},
        {"DeviceWithoutLists", QByteArray("<EnOcean><DevicesList>") + Device_C + "</DevicesList></EnOcean>", {"3"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Write(c.Bytes);
        const QString message = Load_EnOcean_File(&FXML, Path(), FRead);
        QStringList ids;
        for (const TDevice_EnOcean* d : FRead)
            ids << d->FId;
        EXPECT_EQ(ids, c.Ids);
        if (*c.Where) {
            EXPECT_TRUE(message.contains(Path()) && message.contains(QLatin1String(c.Where))) << message.toStdString();
        } else {
            EXPECT_EQ(message, QString());
        }
        Clear_Device_List(FRead);
    }
}

TEST_F(EnOceanFile, FailedSaveRaisesNamingTheFile)
{
    Fill(FList);
    const QString into_missing = FDir.path() + QStringLiteral("/missing/EnOcean.xml");
    try {
        Save_EnOcean_File(&FXML, into_missing, FList);
        FAIL() << "no error";
    } catch (const Exception& E) {
        EXPECT_TRUE(E.Message().contains(into_missing)) << E.Message().toStdString();
    }
}

} // namespace
