// The update window: showing, the address fields, the echo check, the job
// file and the start of the external update program.
#include "AppWindows.h"
#include "app/FBoot.h"
#include "grid/features/ProColumnGrid.h"
#include "app/FRodedoruzoFirmWare.h"
#include "app/Settings.h"
#include "controls/button/LbButton.h"
#include "core/Globals.h"
#include "platform/controls/CheckBox.h"
#include "platform/controls/ComboBox.h"
#include "platform/controls/Edit.h"
#include "platform/controls/Label.h"
#include "platform/controls/Panel.h"
#include "platform/rtl/StringList.h"
#include "platform/services/IcmpEcho.h"
#include "platform/services/Process.h"
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <csignal>

namespace {

QByteArray Read_All(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An echo client that records what was sent; Answer_For decides each echo
// by its number from 0.
struct TEchoLog {
    struct TSent {
        QString Host;
        QByteArray Data;
        uint16_t Sequence;
        int PacketSize;
        uint32_t Timeout;
    };
    QList<TSent> Sent;
    std::function<TEchoStatus(int)> Answer_For = [](int) { return TEchoStatus::esReply; };
};

class TLoggedEcho : public TFakeIcmpEcho {
public:
    explicit TLoggedEcho(TEchoLog& Log) : FLog(Log)
    {
        Answer = [this](const QString&) { return FLog.Answer_For(int(FLog.Sent.size()) - 1); };
    }
    void Send(const QString& host, const QByteArray& data, uint16_t sequence) override
    {
        FLog.Sent << TEchoLog::TSent{host, data, sequence, PacketSize, ReceiveTimeout};
        TFakeIcmpEcho::Send(host, data, sequence);
    }

private:
    TEchoLog& FLog;
};

// A clock whose tick count jumps ahead at every reading, so a wait of
// 150000 ms ends after a few real polls.
class TRushingClock : public IClock {
public:
    TDateTime Now() override { return 0; }
    uint64_t GetTickCount64() override { return FTicks += 10000; }

private:
    uint64_t FTicks = 0;
};

class BootUpdate : public AppWindows {
protected:
    void SetUp() override
    {
        AppWindows::SetUp();
        SetIcmpEchoFactory([this] { return std::make_unique<TLoggedEcho>(FEcho); });
        SetProcessLauncher(&FLauncher);
        Start();
        Conf_Name = QStringLiteral("P1");
        Conf_Dir = Projects_Dir + QStringLiteral("/P1");
        Set_Files();
        Update_Option = 0;
        Update_Read_Back = true;
    }
    void TearDown() override
    {
        SetProcessLauncher(nullptr);
        SetIcmpEchoFactory(nullptr);
        AppWindows::TearDown();
    }

    void Set_Address(const QString& A, const QString& B, const QString& C, const QString& D)
    {
        FBoot->E_IP1->SetText(A);
        FBoot->E_IP2->SetText(B);
        FBoot->E_IP3->SetText(C);
        FBoot->E_IP4->SetText(D);
    }

    // A shell script as the external update program.
    void Write_Stub(const QByteArray& Body)
    {
        const QString path = Path(QString::fromLatin1(Update_Program_Name));
        Write_File(QString::fromLatin1(Update_Program_Name), "#!/bin/sh\n" + Body);
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    }

    TEchoLog FEcho;
    TFakeProcessLauncher FLauncher;
};

TEST_F(BootUpdate, ShowingTakesTheStoredAddressAndOptions)
{
    struct TCase {
        const char* Name;
        QString Stored;
        QStringList Fields; // expected; the fields held "1", "2", "3", "4" before
    } const cases[] = {
        {"Valid", "192.168.2.205", {"192", "168", "2", "205"}},
        {"Blanks", " 10. 0 .0.7 ", {"10", "0", "0", "7"}},
        {"OutOfRange", "192.168.2.256", {"1", "2", "3", "4"}},
        {"ThreeParts", "192.168.2", {"1", "2", "3", "4"}},
        {"Empty", "", {"1", "2", "3", "4"}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        Last_IP_Address = c.Stored;
        Update_Option = 2;
        Update_Read_Back = false;
        Set_Address("1", "2", "3", "4");
        FBoot->Form_Type = 1;
        Run_Modal([] { FBoot->ShowModal(); }, [&](TCustomForm* Form) {
            ASSERT_EQ(Form, FBoot);
            EXPECT_EQ(QStringList({FBoot->E_IP1->Text(), FBoot->E_IP2->Text(), FBoot->E_IP3->Text(),
                                   FBoot->E_IP4->Text()}),
                      c.Fields);
            EXPECT_EQ(FBoot->Caption(), u"Update Device by Ethernet (UDP)");
            EXPECT_EQ(FBoot->L_SW_Desc->Caption(), u"Update Device Using the Ethernet Port");
            EXPECT_EQ(FBoot->L_SW_Code->Caption(), u"KQ38R12");
            EXPECT_EQ(FBoot->CB_Update_Options->Items()->Count(), 3);
            EXPECT_EQ(FBoot->CB_Update_Options->ItemIndex(), 2);
            EXPECT_FALSE(FBoot->CB_Update_Option_Read_Back->Checked());
            EXPECT_TRUE(FBoot->P_IP_Address->Visible());
            EXPECT_TRUE(FBoot->P_Options->Visible());
            EXPECT_FALSE(FBoot->P_Serial->Visible());
            EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
            EXPECT_LT(FBoot->P_IP_Address->Top(), FBoot->P_Options->Top());
            EXPECT_EQ(FBoot->ClientWidth(), 449);
            EXPECT_EQ(FBoot->ClientHeight(), FBoot->P_Title->Height() + FBoot->P_IP_Address->Height() +
                                                 FBoot->P_Options->Height() + FBoot->P_Button->Height());
            EXPECT_EQ(FBoot->ActiveControl(), FBoot->E_IP1);
        });
    }
}

TEST_F(BootUpdate, PanelsAndTextsOfEachMode)
{
    struct TCase {
        const char* Name;
        int Form_Type;
        QString Caption;
        QString Desc;
        bool Address, Serial, Options;
    } const cases[] = {
        {"Serial", 0, "Update Device by Serial", "Update Device Using the Serial Port", false, true, true},
        {"Ethernet", 1, "Update Device by Ethernet (UDP)", "Update Device Using the Ethernet Port", true, false, true},
        {"USB", 2, "Update Device by USB", "Update Device Using the USB Port", false, false, false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoot->Form_Type = c.Form_Type;
        Run_Modal([] { FBoot->ShowModal(); }, [&](TCustomForm*) {
            EXPECT_EQ(FBoot->Caption(), c.Caption);
            EXPECT_EQ(FBoot->L_SW_Desc->Caption(), c.Desc);
            EXPECT_EQ(FBoot->P_IP_Address->Visible(), c.Address);
            EXPECT_EQ(FBoot->P_Serial->Visible(), c.Serial);
            EXPECT_EQ(FBoot->P_Options->Visible(), c.Options);
            EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
            EXPECT_EQ(FBoot->Btn_Update->Caption(), u"Execute Update Firmware");
            EXPECT_EQ(FBoot->Btn_Update->Hint(), u"Start the update of Device");
            EXPECT_EQ(FBoot->E_IP4->Hint(), u"Insert fourth byte of IP Address");
            // The device list of the search panel, which no mode shows.
            EXPECT_EQ(FBoot->CG_List_Devices->Parent(), FBoot->P_Eth_Search);
            EXPECT_EQ(FBoot->CG_List_Devices->ColCount(), 2);
            EXPECT_EQ(FBoot->CG_List_Devices->Cells(0, 0), u"IP Address");
            EXPECT_EQ(FBoot->CG_List_Devices->Columns()->Items(1)->Header(), u"MAC Address");
            EXPECT_EQ(FBoot->CG_List_Devices->Hint(), u"Select a device in the list");
        });
    }
}

TEST_F(BootUpdate, DotMovesToTheNextFieldAndIsNeverTyped)
{
    struct TCase {
        const char* Name;
        TEdit* TFBoot::*From;
        TEdit* TFBoot::*To;
    } const cases[] = {
        {"First", &TFBoot::E_IP1, &TFBoot::E_IP2},
        {"Second", &TFBoot::E_IP2, &TFBoot::E_IP3},
        {"Third", &TFBoot::E_IP3, &TFBoot::E_IP4},
        {"Fourth", &TFBoot::E_IP4, &TFBoot::E_IP4},
    };
    Last_IP_Address = QStringLiteral("10.0.0.1");
    Run_Modal([] { FBoot->ShowModal(); }, [&](TCustomForm*) {
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.Name);
            TEdit* from = FBoot->*c.From;
            from->SetFocus();
            from->SetText(QStringLiteral("12"));
            from->SetSelStart(2);
            SyntheticInput::Type(from, QStringLiteral("."));
            EXPECT_EQ(from->Text(), u"12");
            EXPECT_EQ(FBoot->ActiveControl(), FBoot->*c.To);
        }
    });
}

// The job file for each option, against texts written out by hand.
TEST_F(BootUpdate, JobFileForEachOption)
{
    const QString exe = FDir.path();
    auto op = [&](const QString& File, const char* Start, const char* Bank, bool Read_Back, const char* CSS,
                  bool GoToApp) {
        return QStringLiteral("    <Operation>\n"
                              "      <Ope_Protection_Enabled />\n"
                              "      <Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>\n"
                              "      <Ope_GoToApp_Before>0</Ope_GoToApp_Before>\n"
                              "      <Ope_IP_Address />\n"
                              "      <Ope_Port>2008</Ope_Port>\n"
                              "      <Ope_Port_Sec>2007</Ope_Port_Sec>\n"
                              "      <Ope_Erase_Memory>0</Ope_Erase_Memory>\n"
                              "      <Ope_FileName>%1</Ope_FileName>\n"
                              "      <Ope_Start_Address>%2</Ope_Start_Address>\n"
                              "      <Ope_Memory_Type>0</Ope_Memory_Type>\n"
                              "      <Ope_Bank_Type>%3</Ope_Bank_Type>\n"
                              "      <Ope_Read_Back>%4</Ope_Read_Back>\n"
                              "      <Ope_Write_CSS>%5</Ope_Write_CSS>\n"
                              "      <Ope_Address_CSS>0x07A00</Ope_Address_CSS>\n"
                              "      <Ope_Command_CSS>0x02</Ope_Command_CSS>\n"
                              "      <Ope_Write_Internal_Data>0</Ope_Write_Internal_Data>\n"
                              "      <Ope_WID_Address>0x07810</Ope_WID_Address>\n"
                              "      <Ope_WID_Command>0x02</Ope_WID_Command>\n"
                              "      <Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>\n"
                              "      <Ope_GoToApp_After>%6</Ope_GoToApp_After>\n"
                              "    </Operation>\n")
            .arg(File, QString::fromLatin1(Start), QString::fromLatin1(Bank), Read_Back ? "1" : "0",
                 QString::fromLatin1(CSS), GoToApp ? "1" : "0");
    };
    auto firmware = [&](bool Read_Back, bool GoToApp) {
        return op(exe + "/MASTER/Sim38R12.sim", "0x8000", "1", Read_Back, "1", GoToApp);
    };
    auto bank1 = [&](bool Read_Back) {
        return op(exe + "/PROJECTS/P1/bin/bank1.bin", "0x07000", "2", Read_Back, "0", false);
    };
    auto bank2 = [&](bool Read_Back) {
        return op(exe + "/PROJECTS/P1/bin/bank2.bin", "0x80000", "2", Read_Back, "0", true);
    };
    struct TCase {
        const char* Name;
        int Option;
        bool Read_Back;
        int BACnetType;
        QString Protection;
        QString Operations;
    } const cases[] = {
        {"All", 0, true, 0, "0x3B3", firmware(true, false) + bank1(true) + bank2(true)},
        {"AllNoReadBack", 0, false, 0, "0x3B3", firmware(false, false) + bank1(false) + bank2(false)},
        {"FirmwareOnly", 1, false, 0, "0x3B3", firmware(false, true)},
        {"ConfigurationOnly", 2, true, 1, "0x3B4", bank1(true) + bank2(true)},
        {"OtherType", 2, true, 7, "0x3B3", bank1(true) + bank2(true)},
    };
    Set_Address("10", "1", "2", "3");
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FBoot->Form_Type = 1;
        FBoot->BACnetType = c.BACnetType;
        FBoot->CB_Update_Options->SetItemIndex(c.Option);
        FBoot->CB_Update_Option_Read_Back->SetChecked(c.Read_Back);
        FLauncher.Started.clear();
        FBoot->Btn_UpdateClick(FBoot->Btn_Update);
        EXPECT_EQ(QString::fromUtf8(Read_All(Path("Ethernet_Update.xml"))),
                  "<Ethernet_Update>\n"
                  "  <Version>1000</Version>\n"
                  "  <Title>Velmora - KQ38R12 Ethernet Update</Title>\n"
                  "  <IP_Address_Dev>10.1.2.3</IP_Address_Dev>\n"
                  "  <Application_Port>10000</Application_Port>\n"
                  "  <Boot_Port>2008</Boot_Port>\n"
                  "  <Boot_Port_Sec>2007</Boot_Port_Sec>\n"
                  "  <Address_Protection>0x07800</Address_Protection>\n"
                  "  <Protections>\n"
                  "    <Protection>" + c.Protection + "</Protection>\n"
                  "  </Protections>\n"
                  "  <Operations>\n" + c.Operations + "  </Operations>\n"
                  "</Ethernet_Update>\n");
        EXPECT_EQ(Update_Option, c.Option);
        EXPECT_EQ(Update_Read_Back, c.Read_Back);
        EXPECT_EQ(Last_IP_Address, u"10.1.2.3");
        ASSERT_EQ(FLauncher.Started.size(), 1);
        EXPECT_EQ(FLauncher.Started[0].Program, exe + "/Ethernet_Update");
    }
    EXPECT_TRUE(FBoxes.Calls.empty());
}

// The check with a fake echo: how many echoes, and what the user sees.
TEST_F(BootUpdate, EchoCheckOutcomes)
{
    using S = TEchoStatus;
    struct TCase {
        const char* Name;
        QStringList Address;
        std::function<S(int)> Answer;
        bool Result;
        int Echoes;
        QString Box; // empty: none
    } const cases[] = {
        {"Answers", {"10", "1", "2", "3"}, [](int) { return S::esReply; }, true, 2, ""},
        {"SecondAnswer", {"10", "1", "2", "3"}, [](int n) { return n == 0 ? S::esNoReply : S::esReply; }, true, 3, ""},
        // 410 ms per echo: the thirteenth starts at 4920 ms.
        {"Silent", {"10", "1", "2", "3"}, [](int) { return S::esNoReply; }, false, 13, "Device Not Found!"},
        {"AnswersOnceThenStops", {"10", "1", "2", "3"}, [](int n) { return n == 0 ? S::esReply : S::esNoReply; },
         false, 14, "Device Not Found!"},
        {"CannotSend", {"10", "1", "2", "3"}, [](int) { return S::esError; }, false, 1,
         "Error!!! Check the Ip Address"},
        {"BadAddress", {"10", "1", "2", "300"}, [](int) { return S::esReply; }, false, 1,
         "Error!!! Check the Ip Address"},
        {"LetterInAddress", {"10", "1", "x", "3"}, [](int) { return S::esReply; }, false, 1,
         "Error!!! Check the Ip Address"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FEcho.Sent.clear();
        FEcho.Answer_For = c.Answer;
        FBoxes.Calls.clear();
        FLauncher.Started.clear();
        QFile::remove(Path("Ethernet_Update.xml"));
        Last_IP_Address = QStringLiteral("1.2.3.4");
        Set_Address(c.Address[0], c.Address[1], c.Address[2], c.Address[3]);
        FBoot->Btn_UpdateClick(FBoot->Btn_Update);
        EXPECT_EQ(FEcho.Sent.size(), c.Echoes);
        for (const auto& sent : FEcho.Sent) {
            EXPECT_EQ(sent.Host, c.Address.join(u'.'));
            EXPECT_EQ(sent.Data, c.Address.join(u'.').toLatin1());
            EXPECT_EQ(sent.Sequence, 0);
            EXPECT_EQ(sent.PacketSize, 1024);
            EXPECT_EQ(sent.Timeout, 400u);
        }
        EXPECT_EQ(Box_Texts(), c.Box.isEmpty() ? QStringList() : QStringList({c.Box}));
        if (!c.Box.isEmpty()) {
            EXPECT_EQ(FBoxes.Calls[0].Flags & 0xF0, c.Box == u"Device Not Found!" ? MB_ICONWARNING : MB_ICONERROR);
        }
        EXPECT_EQ(QFile::exists(Path("Ethernet_Update.xml")), c.Result);
        EXPECT_EQ(FLauncher.Started.size(), c.Result ? 1 : 0);
        EXPECT_EQ(Last_IP_Address, c.Result ? c.Address.join(u'.') : QStringLiteral("1.2.3.4"));
        EXPECT_TRUE(FBoot->Btn_Update->Enabled());
        EXPECT_TRUE(FBoot->Btn_Cancel->Enabled());
    }
}

// While the check runs the buttons are off, the window stays open and a
// second press starts nothing.
TEST_F(BootUpdate, NoCloseWhileChecking)
{
    Set_Address("10", "1", "2", "3");
    FEcho.Answer_For = [](int n) {
        FBoot->Btn_UpdateClick(FBoot->Btn_Update);
        EXPECT_TRUE(FBoot->Checking());
        EXPECT_FALSE(FBoot->Btn_Update->Enabled());
        EXPECT_FALSE(FBoot->Btn_Cancel->Enabled());
        EXPECT_FALSE(FBoot->CloseQuery());
        return n == 0 ? TEchoStatus::esNoReply : TEchoStatus::esReply;
    };
    EXPECT_TRUE(FBoot->Send_Ping());
    EXPECT_EQ(FEcho.Sent.size(), 3);
    EXPECT_FALSE(FBoot->Checking());
    EXPECT_TRUE(FBoot->CloseQuery());
}

// A job file that cannot be written is reported and starts nothing, so the
// program never runs an older job.
TEST_F(BootUpdate, UnwritableJobStartsNothing)
{
    Write_File("Ethernet_Update.xml", "old job");
    Set_Address("10", "1", "2", "3");
    Exe_Dir = Path("missing");
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    Exe_Dir = FDir.path();
    EXPECT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_TRUE(FLauncher.Started.isEmpty());
    EXPECT_EQ(Read_All(Path("Ethernet_Update.xml")), "old job");
}

TEST_F(BootUpdate, SerialModeStoresTheOptionsOnly)
{
    FBoot->Form_Type = 0;
    FBoot->CB_Update_Options->SetItemIndex(1);
    FBoot->CB_Update_Option_Read_Back->SetChecked(false);
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    EXPECT_EQ(Update_Option, 1);
    EXPECT_FALSE(Update_Read_Back);
    EXPECT_TRUE(FEcho.Sent.isEmpty());
    EXPECT_TRUE(FLauncher.Started.isEmpty());
    EXPECT_FALSE(QFile::exists(Path("Ethernet_Update.xml")));
}

// The real echo client on loopback, on the system clock.
TEST_F(BootUpdate, LoopbackAnswers)
{
    SetIcmpEchoFactory(nullptr);
    SetClock(nullptr);
    if (TIcmpEcho().Ping(QStringLiteral("127.0.0.1"), "probe").Status == TEchoStatus::esError)
        GTEST_SKIP() << "no ICMP socket here";
    Set_Address("127", "0", "0", "1");
    EXPECT_TRUE(FBoot->Send_Ping());
    EXPECT_EQ(FBoot->ping_res, 1);
    Set_Address("127", "0", "0", "256");
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    EXPECT_EQ(Box_Texts(), QStringList({"Error!!! Check the Ip Address"}));
    EXPECT_TRUE(FLauncher.Started.isEmpty());
}

// Runs inside a network namespace where echoes go unanswered; started by
// the test below, skipped otherwise.
TEST_F(BootUpdate, SilentNamespaceChild)
{
    const QString report = qEnvironmentVariable("STRATAGON_SILENT_NETNS_REPORT");
    if (report.isEmpty())
        GTEST_SKIP() << "runs inside SilentNamespaceGivesUpAfterTheLimit only";
    SetIcmpEchoFactory(nullptr);
    SetClock(nullptr);
    Set_Address("127", "0", "0", "1");
    QElapsedTimer timer;
    timer.start();
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    const qint64 elapsed = timer.elapsed();
    EXPECT_GE(elapsed, 5000);
    QFile out(report);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(Box_Texts().join(u'|').toUtf8() + " ping_res=" + QByteArray::number(FBoot->ping_res) +
              (elapsed >= 5000 ? " late" : " early"));
}

TEST_F(BootUpdate, SilentNamespaceGivesUpAfterTheLimit)
{
    if (!qEnvironmentVariable("STRATAGON_SILENT_NETNS_REPORT").isEmpty())
        GTEST_SKIP();
    if (QProcess::execute(QStringLiteral("unshare"), {"-rn", "true"}) != 0)
        GTEST_SKIP() << "network namespaces are refused";
    const QString report = Path("netns-report.txt");
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("STRATAGON_SILENT_NETNS_REPORT"), report);
    child.setProcessEnvironment(env);
    child.start(QStringLiteral("unshare"),
                {"-rn", "sh", "-c",
                 "ip link set lo up && echo 1 > /proc/sys/net/ipv4/icmp_echo_ignore_all && exec \"$0\" "
                 "--gtest_filter=BootUpdate.SilentNamespaceChild",
                 QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))});
    ASSERT_TRUE(child.waitForFinished(60000));
    if (!QFile::exists(report))
        GTEST_SKIP() << "the namespace could not be set up: " << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardOutput().toStdString();
    EXPECT_EQ(QString::fromUtf8(Read_All(report)), u"Device Not Found! ping_res=2 late");
}

// The real launcher with a stub program: started in the program folder
// without arguments and waited for.
TEST_F(BootUpdate, StubProgramIsStartedAndWaitedFor)
{
    SetProcessLauncher(nullptr);
    Write_Stub("echo \"$# $(pwd)\" > args.txt\nsleep 0.3\necho done > done.txt\n");
    Set_Address("10", "1", "2", "3");
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    EXPECT_EQ(QString::fromUtf8(Read_All(Path("args.txt"))).trimmed(),
              "0 " + QDir(FDir.path()).canonicalPath());
    EXPECT_TRUE(QFile::exists(Path("done.txt")));
    EXPECT_TRUE(FBoxes.Calls.empty());
}

TEST_F(BootUpdate, MissingProgramIsReported)
{
    SetProcessLauncher(nullptr);
    Set_Address("10", "1", "2", "3");
    FBoot->Btn_UpdateClick(FBoot->Btn_Update);
    ASSERT_EQ(FBoxes.Calls.size(), 1u);
    EXPECT_TRUE(FBoxes.Calls[0].Text.contains(Path("Ethernet_Update")));
}

// A program still running at the limit is left running and reaped later.
TEST_F(BootUpdate, StubStillRunningAtTheLimitIsLeftRunning)
{
    SetProcessLauncher(nullptr);
    TRushingClock rushing;
    SetClock(&rushing);
    Write_Stub("echo $$ > pid.txt\nsleep 1\necho done > done.txt\n");
    FRodedoruzoFirmWare->Start_Program(Path("Ethernet_Update"), QString(), 0);
    SetClock(&FClock);
    EXPECT_FALSE(QFile::exists(Path("done.txt")));
    for (int i = 0; i < 500 && Read_All(Path("pid.txt")).isEmpty(); ++i)
        QThread::msleep(10);
    const int pid = Read_All(Path("pid.txt")).trimmed().toInt();
    ASSERT_GT(pid, 0);
    EXPECT_EQ(::kill(pid, 0), 0);
    // Gone from the process table once it ended: reaped, not a zombie.
    const QString proc = QStringLiteral("/proc/%1").arg(pid);
    for (int i = 0; i < 1000 && QFile::exists(proc); ++i)
        QThread::msleep(10);
    EXPECT_TRUE(QFile::exists(Path("done.txt")));
    EXPECT_FALSE(QFile::exists(proc));
}

} // namespace
