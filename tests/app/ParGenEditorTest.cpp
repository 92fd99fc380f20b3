// The communication parameter editor and its file: reading with defaults,
// writing whole and in order, the ordered checks, the BACnet type layout,
// the question on Cancel, and the image built from the written file.
#include "AppWindows.h"
#include "app/FParGen.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/ParGenFile.h"
#include "app/Settings.h"
#include "app/WindowParts.h"
#include "controls/button/LbButton.h"
#include "core/ConfigImage.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "platform/controls/CategoryPanelGroup.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Messages.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/XmlDocument.h"
#include <QFile>

using namespace SyntheticInput;

namespace {

// The element names in the order the file holds them, written out here
// independently of the editor's table.
const QStringList Element_Order = {
    "BACnet_Type", "BACnet_IP1", "BACnet_IP2", "BACnet_IP3", "BACnet_IP4", "BACnet_SM1", "BACnet_SM2",
    "BACnet_SM3", "BACnet_SM4", "BACnet_GAT1", "BACnet_GAT2", "BACnet_GAT3", "BACnet_GAT4", "BACnet_EN_GAT",
    "BACnet_PORT", "BACnet_NAME_STA", "BACnet_DEV_IDE", "BACnet_Ser_Baudrate", "BACnet_Ser_Parity",
    "BACnet_Ser_ID", "BACnet_Ser_NAME_STA", "BACnet_Ser_Max_Master", "BACnet_Ser_Max_Info_Frames",
    "BACnet_Ser_DEV_IDE", "BACnet_Ser_Network", "BACnet_Desc_Chars_Limit", "Ethernet_IP1", "Ethernet_IP2",
    "Ethernet_IP3", "Ethernet_IP4", "Ethernet_SM1", "Ethernet_SM2", "Ethernet_SM3", "Ethernet_SM4",
    "Ethernet_GAT1", "Ethernet_GAT2", "Ethernet_GAT3", "Ethernet_GAT4", "Ethernet_EN_GAT", "Ethernet_DNS1",
    "Ethernet_DNS2", "Ethernet_DNS3", "Ethernet_DNS4", "Ethernet_EN_DNS"};

const QStringList Default_Values = {
    "0", "192", "168", "0", "5", "255", "255", "255", "0", "192", "168", "0", "1", "0", "47808",
    "devicename1", "1", "3", "0", "0", "devicename1", "1", "1", "1", "1", "0", "192", "168", "0", "10",
    "255", "255", "255", "0", "192", "168", "0", "1", "0", "8", "8", "8", "8", "0"};

QString Par_File(const QList<std::pair<QString, QString>>& Elements)
{
    QString xml = QStringLiteral("<Par_Gen>");
    for (const auto& [name, text] : Elements)
        xml += QStringLiteral("<%1>%2</%1>").arg(name, text);
    return xml + QStringLiteral("</Par_Gen><!--SW_VERSION = 1.000-->");
}

class ParGenEditor : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        Start();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = Path(QStringLiteral("PROJECTS/P1"));
        Make_Folder(QStringLiteral("PROJECTS/P1/bin"));
        Set_Files();
    }

    void Write_Par(const QString& Xml) { Write_File(QStringLiteral("PROJECTS/P1/ParGen.xml"), Xml.toUtf8()); }

    QByteArray Par_Bytes() const
    {
        QFile f(File_ParGen);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // Element names and texts of the written file, in order.
    QList<std::pair<QString, QString>> Written() const
    {
        TXMLDocument doc;
        doc.LoadFromFile(File_ParGen);
        QList<std::pair<QString, QString>> list;
        TXMLNodeList* children = doc.DocumentElement()->ChildNodes();
        for (int i = 0; i < children->Count(); ++i)
            list.append({children->Nodes(i)->NodeName(), children->Nodes(i)->Text()});
        return list;
    }

    QStringList Written_Values() const
    {
        QStringList values;
        for (const auto& e : Written())
            values << e.second;
        return values;
    }

    // Opens the editor from the main window's step button; Act runs while
    // it is shown. Returns the modal result it closed with (mrNone: Act left
    // it open, and it is then cancelled by the test).
    int Open(const std::function<void()>& Act)
    {
        int result = mrNone;
        TScopedModalHook hook([&](const TModalEvent& Event) {
            if (Event.Form != FParGen)
                return;
            Act();
            result = FParGen->ModalResult();
            if (result == mrNone)
                FParGen->SetModalResult(mrCancel);
        });
        FRodedoruzoFirmWare->Btn_Click(FRodedoruzoFirmWare->Btn_Prm_Gen);
        return result;
    }

    // Picks the type as the user does, by the arrow keys.
    void Pick_Type(int Index)
    {
        TComboBox* list = FParGen->CB_BACnet_Slave_Type;
        list->SetFocus();
        while (list->ItemIndex() != Index)
            Key(list, list->ItemIndex() < Index ? VK_DOWN : VK_UP);
    }
};

TEST_F(ParGenEditor, RoundTripKeepsEveryElementInOrder)
{
    // Values unlike the defaults; "007" stays as typed, a 16-character name
    // is kept whole, and the MS/TP side is written while BACnet/IP is chosen.
    QStringList values = Default_Values;
    values[1] = "10";
    values[3] = "007";
    values[13] = "1";
    values[15] = "namewithsixteen1";
    values[17] = "5";
    values[18] = "2";
    values[19] = "bad mac";
    values[25] = "1";
    values[29] = "";
    values[43] = "1";
    QList<std::pair<QString, QString>> file;
    for (int i = 0; i < Element_Order.size(); ++i)
        file.append({Element_Order[i], values[i]});
    Write_Par(Par_File(file));

    EXPECT_EQ(Open([] { FParGen->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Written(), file);
    EXPECT_TRUE(Box_Texts().isEmpty());

    // The comment follows the root at document level.
    const QString text = QString::fromUtf8(Par_Bytes());
    EXPECT_GT(text.indexOf(QStringLiteral("<!--SW_VERSION = 1.000-->")), text.indexOf(QStringLiteral("</Par_Gen>")));

    // Writing again without changes reproduces the file byte for byte.
    const QByteArray first = Par_Bytes();
    EXPECT_EQ(Open([] { FParGen->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Par_Bytes(), first);
}

// Without a file the editor shows the defaults, and OK writes all of them:
// the root first, the version comment after it, nothing before it.
TEST_F(ParGenEditor, DefaultsWrittenWholeWithTheCommentAfterTheRoot)
{
    QFile::remove(File_ParGen);
    EXPECT_EQ(Open([] { FParGen->Btn_OK->Click(); }), mrOk);
    QString expected = QStringLiteral("<Par_Gen>\n");
    for (int i = 0; i < Element_Order.size(); ++i)
        expected += QStringLiteral("  <%1>%2</%1>\n").arg(Element_Order[i], Default_Values[i]);
    expected += QStringLiteral("</Par_Gen>\n<!--SW_VERSION = 1.000-->\n");
    EXPECT_EQ(QString::fromUtf8(Par_Bytes()), expected);
}

TEST_F(ParGenEditor, MissingOrUnusableElementsShowTheDefaults)
{
    struct TCase {
        const char* Name;
        const char* Xml;  // nullptr: no file
        QList<std::pair<int, QString>> Expected;  // changes from the defaults
    } const cases[] = {
        {"NoFile", nullptr, {}},
        {"NotWellFormed", "<Par_Gen><BACnet_IP1>9</Par_Gen>", {}},
        {"EmptyRoot", "<Par_Gen/>", {}},
        {"TypeOnly", "<Par_Gen><BACnet_Type>1</BACnet_Type></Par_Gen>", {{0, "1"}}},
        {"EmptyTextKept", "<Par_Gen><BACnet_IP1></BACnet_IP1><BACnet_PORT/></Par_Gen>", {{1, ""}, {14, ""}}},
        {"FlagTrueIsOff", "<Par_Gen><BACnet_EN_GAT>true</BACnet_EN_GAT><Ethernet_EN_DNS>1</Ethernet_EN_DNS></Par_Gen>",
         {{43, "1"}}},
        {"BaudRateOutsideList", "<Par_Gen><BACnet_Ser_Baudrate>9</BACnet_Ser_Baudrate></Par_Gen>", {}},
        {"ParityNegative", "<Par_Gen><BACnet_Ser_Parity>-1</BACnet_Ser_Parity></Par_Gen>", {}},
        {"TypeOutsideList", "<Par_Gen><BACnet_Type>2</BACnet_Type></Par_Gen>", {}},
        {"TypeNoInteger", "<Par_Gen><BACnet_Type>x</BACnet_Type></Par_Gen>", {}},
        {"ListIndexInside", "<Par_Gen><BACnet_Ser_Baudrate>5</BACnet_Ser_Baudrate></Par_Gen>", {{17, "5"}}},
        {"ElementHoldingElements", "<Par_Gen><BACnet_IP2><x>1</x></BACnet_IP2></Par_Gen>", {}},
        {"OtherRootName", "<Other><BACnet_IP4>77</BACnet_IP4></Other>", {{4, "77"}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File_ParGen);
        if (c.Xml)
            Write_Par(QString::fromLatin1(c.Xml));
        QStringList expected = Default_Values;
        for (const auto& [index, text] : c.Expected)
            expected[index] = text;
        QStringList shown;
        Open([&] { shown = FParGen->Get_Values(); });
        // A list outside its range would show no entry and write "-1".
        EXPECT_EQ(shown, expected);
        EXPECT_FALSE(FParGen->Is_Change);
    }
}

TEST_F(ParGenEditor, ChecksShowTheFirstFailureAndKeepTheWindowOpen)
{
    struct TCase {
        const char* Name;
        QList<std::pair<int, QString>> Changes;  // element index, text; 0 is the type
        int Text;                                // 0: accepted
    } const cases[] = {
        {"IpDefaults", {}, 0},
        {"IpOctetEmpty", {{3, ""}}, 732},
        {"IpOctetHex", {{1, "0x1"}}, 730},
        {"IpOctetBlank", {{2, " "}}, 731},
        {"SubnetOver", {{5, "256"}}, 734},
        {"SubnetNegative", {{8, "-1"}}, 737},
        {"AddressBeforeSubnet", {{5, "256"}, {4, "256"}}, 733},
        {"GatewayOffNotChecked", {{9, "999"}}, 0},
        {"GatewayOnChecked", {{13, "1"}, {12, "300"}}, 741},
        {"Port10000", {{14, "10000"}}, 742},
        {"Port10001", {{14, "10001"}}, 742},
        {"Port65536", {{14, "65536"}}, 742},
        {"PortBounds", {{14, "0"}}, 0},
        {"PortTop", {{14, "65535"}}, 0},
        {"IpNameBadChar", {{15, "dev-1"}}, 743},
        {"IpNameEmpty", {{15, ""}}, 0},
        {"IdentifierTop", {{16, "4194303"}}, 0},
        {"IdentifierOver", {{16, "4194304"}}, 744},
        {"MstpFieldsNotCheckedOnIp", {{19, "999"}, {24, "0"}, {26, "x"}}, 0},
        {"MstpDefaults", {{0, "1"}}, 0},
        {"MstpNameBadChar", {{0, "1"}, {20, "a b"}}, 745},
        {"MstpNameBeforeEthernet", {{0, "1"}, {20, "\xC3\xA9"}, {26, ""}}, 745},
        {"MacOver", {{0, "1"}, {19, "128"}}, 746},
        {"MacTop", {{0, "1"}, {19, "127"}}, 0},
        {"MaxMasterZero", {{0, "1"}, {21, "0"}}, 747},
        {"InfoFramesOver", {{0, "1"}, {22, "101"}}, 748},
        {"InstanceOver", {{0, "1"}, {23, "4194304"}}, 749},
        {"NetworkTop", {{0, "1"}, {24, "65534"}}, 0},
        {"NetworkOver", {{0, "1"}, {24, "65535"}}, 750},
        {"NetworkBeforeEthernet", {{0, "1"}, {24, "0"}, {27, "x"}}, 750},
        {"EthernetAddressEmpty", {{0, "1"}, {27, ""}}, 528},
        {"EthernetSubnetOver", {{0, "1"}, {32, "256"}}, 533},
        {"EthernetGatewayOff", {{0, "1"}, {34, "999"}}, 0},
        {"EthernetGatewayOn", {{0, "1"}, {38, "1"}, {34, "999"}}, 535},
        {"EthernetDnsOff", {{0, "1"}, {42, "-5"}}, 0},
        {"EthernetDnsOn", {{0, "1"}, {43, "1"}, {42, "-5"}}, 542},
        {"IpFieldsNotCheckedOnMstp", {{0, "1"}, {1, "999"}, {14, "10000"}, {15, "#"}}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        QFile::remove(File_ParGen);
        FBoxes.Calls.clear();
        QStringList values = Default_Values;
        for (const auto& [index, text] : c.Changes)
            values[index] = text;
        const int result = Open([&] {
            FParGen->Set_Values(values);
            FParGen->Btn_OK->Click();
        });
        if (c.Text == 0) {
            EXPECT_EQ(result, mrOk);
            EXPECT_TRUE(Box_Texts().isEmpty());
            EXPECT_EQ(Written_Values(), values);
        } else {
            EXPECT_EQ(result, mrNone);
            EXPECT_EQ(Box_Texts(), QStringList{Lang(c.Text)});
            EXPECT_FALSE(QFile::exists(File_ParGen));
        }
    }
}

TEST_F(ParGenEditor, DamagedFileIsReportedAndReplacedOnlyByOk)
{
    // Cut off inside the network element: the type and MAC address before it
    // were read whole.
    const QByteArray damaged = "<Par_Gen>\n<BACnet_Type>1</BACnet_Type>\n"
                               "<BACnet_Ser_ID>42</BACnet_Ser_ID>\n<BACnet_Ser_Network>12";
    Write_File(QStringLiteral("PROJECTS/P1/ParGen.xml"), damaged);
    QStringList expected = Default_Values;
    expected[0] = QStringLiteral("1");
    expected[19] = QStringLiteral("42");
    QStringList shown;
    Open([&] {
        shown = FParGen->Get_Values();
        FParGen->Btn_Cancel->Click();
    });
    EXPECT_EQ(shown, expected);
    ASSERT_EQ(FBoxes.Calls.size(), 1u);
    const QString box = FBoxes.Calls[0].Text;
    EXPECT_EQ(FBoxes.Calls[0].Flags, MB_OK | MB_ICONERROR);
    EXPECT_TRUE(box.contains(File_ParGen) && box.contains(QStringLiteral("line 4, column"))
                && box.contains(QStringLiteral("OK replaces the file with what is shown")))
        << box.toStdString();
    EXPECT_EQ(Par_Bytes(), damaged);

    FBoxes.Calls.clear();
    EXPECT_EQ(Open([] { FParGen->Btn_OK->Click(); }), mrOk);
    EXPECT_EQ(Written_Values(), expected);
    EXPECT_EQ(Box_Texts().size(), 1);
}

TEST_F(ParGenEditor, FailedWriteIsShownAndKeepsTheWindowOpen)
{
    // The configuration folder has gone: the file cannot be created.
    File_ParGen = Path(QStringLiteral("PROJECTS/Gone/ParGen.xml"));
    EXPECT_EQ(Open([] { FParGen->Btn_OK->Click(); }), mrNone);
    ASSERT_EQ(Box_Texts().size(), 1);
    EXPECT_TRUE(Box_Texts()[0].contains(QStringLiteral("ParGen.xml"))) << Box_Texts()[0].toStdString();
    EXPECT_FALSE(QFile::exists(File_ParGen));
}

TEST_F(ParGenEditor, LanguageSwitchRenamesAllButThePanelTitles)
{
    Apply_Lang_Lines({QStringLiteral("STR400 = Kommunikation"), QStringLiteral("STR658 = BACnet Geraet"),
                      QStringLiteral("STR697 = Netz"), QStringLiteral("STR698 = Netznummer")});
    FRodedoruzoFirmWare->Change_Language();
    EXPECT_EQ(FParGen->Caption(), QStringLiteral("Kommunikation"));
    EXPECT_EQ(FParGen->L_BACnet_MSTP_Slave_Network->Caption(), QStringLiteral("Netz"));
    EXPECT_EQ(FParGen->E_BACnet_MSTP_Slave_Network->Hint(), QStringLiteral("Netznummer"));
    EXPECT_EQ(FParGen->CP_BACnet_Slave->Caption(), QStringLiteral("1. BACnet Slave"));
    Load_Default_Lang();
}

TEST_F(ParGenEditor, TypeSwitchShowsTheMstpAndEthernetFields)
{
    Open([&] {
        TFParGen* f = FParGen;
        EXPECT_EQ(f->Caption(), QStringLiteral("Set Communication"));
        EXPECT_EQ(f->CP_BACnet_Slave->Caption(), QStringLiteral("1. BACnet Slave"));
        EXPECT_EQ(f->CP_Ethernet->Caption(), QStringLiteral("2. Ethernet"));
        for (int i = 0; i < f->CPG->PanelCount(); ++i) {
            TCategoryPanel* p = f->CPG->Panels(i);
            EXPECT_EQ(p->Visible(), p == f->CP_BACnet_Slave) << p->Name().toStdString();
        }
        const int ip1_top = f->E_BACnet_IP_Slave_IP[0]->Top();
        EXPECT_TRUE(f->E_BACnet_IP_Slave_Device_Identifier->Visible());
        EXPECT_FALSE(f->E_BACnet_MSTP_Slave_Network->Visible());
        EXPECT_EQ(f->CB_BACnet_Slave_Desc_32_Chars->Top(), f->E_BACnet_IP_Slave_Device_Identifier->Top() + 28);
        EXPECT_EQ(f->CP_BACnet_Slave->Height(),
                  f->CB_BACnet_Slave_Desc_32_Chars->Top() + f->CB_BACnet_Slave_Desc_32_Chars->Height() + 12);

        Pick_Type(1);
        EXPECT_TRUE(f->Is_Change);
        EXPECT_TRUE(f->CP_Ethernet->Visible());
        EXPECT_EQ(f->CP_Ethernet->Top(), f->CP_BACnet_Slave->Top() + f->CP_BACnet_Slave->Height());
        EXPECT_FALSE(f->E_BACnet_IP_Slave_IP[0]->Visible());
        EXPECT_FALSE(f->CB_BACnet_IP_Slave_GAT->Visible());
        EXPECT_TRUE(f->E_BACnet_MSTP_Slave_Network->Visible());
        // The MS/TP rows stack from the address row's place, 28 apart.
        const TControl* stack[] = {f->CB_BACnet_MSTP_Slave_Baudrate, f->CB_BACnet_MSTP_Slave_Parity,
                                   f->E_BACnet_MSTP_Slave_Device_Name, f->E_BACnet_MSTP_Slave_MAC_Address,
                                   f->E_BACnet_MSTP_Slave_Max_Master, f->E_BACnet_MSTP_Slave_Max_Info_Frame,
                                   f->E_BACnet_MSTP_Slave_Device_Instance, f->E_BACnet_MSTP_Slave_Network};
        for (int i = 0; i < 8; ++i)
            EXPECT_EQ(stack[i]->Top(), ip1_top + 28 * i) << i;
        EXPECT_EQ(f->CB_BACnet_Slave_Desc_32_Chars->Top(), f->E_BACnet_MSTP_Slave_Network->Top() + 28);
        EXPECT_FALSE(f->E_Ethernet_TCP_Port->Visible());
        EXPECT_FALSE(f->E_Ethernet_UDP_Port->Visible());
        EXPECT_EQ(f->CP_Ethernet->Height(), f->E_Ethernet_DNS[3]->Top() + f->E_Ethernet_DNS[3]->Height() + 12);

        Pick_Type(0);
        EXPECT_FALSE(f->CP_Ethernet->Visible());
        EXPECT_TRUE(f->E_BACnet_IP_Slave_IP[0]->Visible());
        EXPECT_EQ(f->E_BACnet_IP_Slave_IP[0]->Top(), ip1_top);
        EXPECT_FALSE(f->CB_BACnet_MSTP_Slave_Baudrate->Visible());
    });

    // A file asking for MS/TP opens in that layout.
    Write_Par(QStringLiteral("<Par_Gen><BACnet_Type>1</BACnet_Type></Par_Gen>"));
    Open([] {
        EXPECT_TRUE(FParGen->CP_Ethernet->Visible());
        EXPECT_TRUE(FParGen->E_BACnet_MSTP_Slave_Device_Name->Visible());
        EXPECT_FALSE(FParGen->Is_Change);
    });
}

TEST_F(ParGenEditor, CancelAsksOnlyAfterAChange)
{
    struct TCase {
        const char* Name;
        bool Change_Box;  // change by a check box instead of a field
        bool Change;
        int Answer;
        int Result;
    } const cases[] = {
        {"NoChange", false, false, IDYES, mrCancel},
        {"FieldChangedYes", false, true, IDYES, mrCancel},
        {"FieldChangedNo", false, true, IDNO, mrNone},
        {"BoxClickedNo", true, true, IDNO, mrNone},
    };
    Write_Par(QStringLiteral("<Par_Gen><BACnet_PORT>1234</BACnet_PORT></Par_Gen>"));
    const QByteArray before = Par_Bytes();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoxes.Calls.clear();
        FBoxes.Answers = {c.Answer};
        const int result = Open([&] {
            if (c.Change && c.Change_Box)
                Click(FParGen->CB_BACnet_Slave_Desc_32_Chars, {5, 5});
            else if (c.Change)
                FParGen->E_BACnet_IP_Slave_Port->SetText(QStringLiteral("47809"));
            FParGen->Btn_Cancel->Click();
            if (c.Result == mrNone) {  // still open with its values
                EXPECT_EQ(FParGen->E_BACnet_IP_Slave_Port->Text(),
                          QString::fromLatin1(c.Change_Box ? "1234" : "47809"));
            }
        });
        EXPECT_EQ(result, c.Result);
        EXPECT_EQ(FBoxes.Calls.size(), c.Change ? 1u : 0u);
        EXPECT_EQ(Par_Bytes(), before);
    }
}

TEST_F(ParGenEditor, DotMovesAlongTheAddressChain)
{
    struct TCase {
        const char* Name;
        TEdit* (*From)();
        TEdit* (*To)();  // nullptr: the focus stays
    } const cases[] = {
        {"WithinRow", [] { return FParGen->E_BACnet_IP_Slave_IP[0]; }, [] { return FParGen->E_BACnet_IP_Slave_IP[1]; }},
        {"AddressToSubnet", [] { return FParGen->E_BACnet_IP_Slave_IP[3]; },
         [] { return FParGen->E_BACnet_IP_Slave_SM[0]; }},
        {"SubnetToGateway", [] { return FParGen->E_BACnet_IP_Slave_SM[3]; },
         [] { return FParGen->E_BACnet_IP_Slave_GAT[0]; }},
        {"EndOfChain", [] { return FParGen->E_BACnet_IP_Slave_GAT[3]; }, nullptr},
        {"EthernetGatewayToDns", [] { return FParGen->E_Ethernet_GAT[3]; }, [] { return FParGen->E_Ethernet_DNS[0]; }},
        {"EthernetEnd", [] { return FParGen->E_Ethernet_DNS[3]; }, nullptr},
    };
    Open([&] {
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.Name);
            // The IP rows are hidden with MS/TP; the Ethernet rows with BACnet/IP.
            Pick_Type(QString::fromLatin1(c.Name).startsWith(QLatin1String("Ethernet")) ? 1 : 0);
            TEdit* from = c.From();
            from->SetText(QStringLiteral("12"));
            from->SetFocus();
            from->SetSelStart(2);
            Type(from, QStringLiteral("."));
            EXPECT_EQ(from->Text(), QStringLiteral("12"));
            TWinControl* expected = c.To ? c.To() : from;
            EXPECT_EQ(FParGen->ActiveControl(), expected);
        }
    });
}

TEST_F(ParGenEditor, WheelInsideTheGroupScrollsIt)
{
    Open([&] {
        Pick_Type(1);
        FParGen->SetClientHeight(300);
        TCategoryPanelGroup* g = FParGen->CPG;
        ASSERT_GT(g->ScrollRange(), 0);
        const int step = GetWheelScrollLines() * g->VertScrollIncrement();
        bool handled = false;
        FParGen->FormMouseWheel(FParGen, {}, -WHEEL_DELTA, g->ClientToScreen({10, 10}), handled);
        EXPECT_TRUE(handled);
        EXPECT_EQ(g->ScrollPos(), std::min(step, g->ScrollRange()));
        FParGen->FormMouseWheel(FParGen, {}, WHEEL_DELTA, g->ClientToScreen({10, 10}), handled);
        EXPECT_EQ(g->ScrollPos(), 0);
        // Over the title band the wheel is left to the window.
        handled = false;
        FParGen->FormMouseWheel(FParGen, {}, -WHEEL_DELTA, g->ClientToScreen({10, -10}), handled);
        EXPECT_FALSE(handled);
        EXPECT_EQ(g->ScrollPos(), 0);
        // Width stays 460 however the window is sized.
        FParGen->SetClientWidth(600);
        EXPECT_EQ(FParGen->ClientWidth(), 460);
    });
}

TEST_F(ParGenEditor, WrittenFileBuildsTheParameterBank)
{
    auto u16 = [](int pos) { return Param_Record[pos] | (Param_Record[pos + 1] << 8); };
    auto u32 = [](int pos) {
        return quint32(Param_Record[pos]) | quint32(Param_Record[pos + 1]) << 8 |
               quint32(Param_Record[pos + 2]) << 16 | quint32(Param_Record[pos + 3]) << 24;
    };
    auto bytes = [](int pos, int n) { return QByteArray(reinterpret_cast<const char*>(Param_Record) + pos, n); };

    // BACnet/IP with the gateway off: the gateway octets go out as 255.
    QStringList ip = Default_Values;
    ip[1] = "10";
    ip[4] = "007";
    ip[14] = "47810";
    ip[15] = "gateway7";
    ip[16] = "4194303";
    ip[25] = "1";
    ASSERT_EQ(Open([&] {
                  FParGen->Set_Values(ip);
                  FParGen->Btn_OK->Click();
              }),
              mrOk);
    Build_Config_Image();
    EXPECT_EQ(bytes(40, 12), QByteArray("\x0A\xA8\x00\x07\xFF\xFF\xFF\x00\xFF\xFF\xFF\xFF", 12));
    EXPECT_EQ(u16(58), 47810);
    EXPECT_EQ(bytes(80, 16), QByteArray("gateway7\0\0\0\0\0\0\0\0", 16));
    EXPECT_EQ(u32(308), 4194303u);
    EXPECT_TRUE(Long_Desc);

    // MS/TP: the address block comes from the Ethernet side.
    QStringList mstp = Default_Values;
    mstp[0] = "1";
    mstp[17] = "5";
    mstp[18] = "2";
    mstp[19] = "127";
    mstp[20] = "mstp15charsname";
    mstp[21] = "127";
    mstp[22] = "100";
    mstp[23] = "123456";
    mstp[24] = "65534";
    mstp[39] = "1";
    mstp[43] = "1";
    ASSERT_EQ(Open([&] {
                  FParGen->Set_Values(mstp);
                  FParGen->Btn_OK->Click();
              }),
              mrOk);
    Build_Config_Image();
    EXPECT_EQ(u32(400), 115200u);
    EXPECT_EQ(Param_Record[424], 2);
    EXPECT_EQ(Param_Record[256], 127);
    EXPECT_EQ(bytes(80, 16), QByteArray("mstp15charsname\0", 16));
    EXPECT_EQ(Param_Record[257], 127);
    EXPECT_EQ(Param_Record[258], 100);
    EXPECT_EQ(u32(300), 123456u);
    EXPECT_EQ(u16(270), 65534);
    EXPECT_EQ(bytes(40, 4), QByteArray("\xC0\xA8\x00\x0A", 4));
    EXPECT_EQ(bytes(1420, 4), QByteArray("\x01\x08\x08\x08", 4));
    EXPECT_FALSE(Long_Desc);
}

} // namespace
