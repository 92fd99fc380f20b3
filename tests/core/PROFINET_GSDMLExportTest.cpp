// The GSDML file: its first bytes, the inserted values, the line ends and
// the save road through dialog doubles.
#include "ConfigImageTestSupport.h"

#include "core/ExportDialogs.h"
#include "core/Globals.h"
#include "core/Lang.h"
#include "core/PROFINET_GSDML.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/StringList.h"
#include "platform/rtl/XmlDocument.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray Read_GSDML_File(const QString& Path)
{
    QFile f(Path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// True when every line, the last included, ends in CR LF and no CR or LF
// stands alone.
bool Only_CRLF(const QByteArray& Bytes)
{
    if (!Bytes.endsWith("\r\n"))
        return false;
    for (int i = 0; i < Bytes.size(); ++i) {
        if (Bytes[i] == '\r' && (i + 1 == Bytes.size() || Bytes[i + 1] != '\n'))
            return false;
        if (Bytes[i] == '\n' && (i == 0 || Bytes[i - 1] != '\r'))
            return false;
    }
    return true;
}

const QByteArray Expected_Start =
    "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
    "<!-- A fieldbus integration example. -->\r\n"
    "<ISO15745Profile xmlns=\"http://www.profibus.com/GSDML/2003/11/DeviceProfile\"";

struct TValueCase {
    const char* Name;
    const char* ParGen;        // nullptr: no parameter file; "@values": the fixture
    const char* Name_Attr;     // station name as written between the quotes
    const char* Name_Read;     // the same read back by an XML reader
    int NB_In;
    int NB_Out;
};

void PrintTo(const TValueCase& c, std::ostream* os) { *os << c.Name; }

class PROFINET_GSDMLValues : public ::testing::TestWithParam<TValueCase> {};

TEST_P(PROFINET_GSDMLValues, StartValuesAndLineEnds)
{
    const TValueCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString conf = dir.path();
    if (c.ParGen && QByteArray(c.ParGen) == "@values")
        conf = QStringLiteral(STRATAGON_TEST_DATA "/core/gsdml/values");
    else if (c.ParGen)
        Write_Text_File(conf, QStringLiteral("ParGen.xml"), QByteArray(c.ParGen));
    TConfigFolder folder(conf);
    const QString out = dir.filePath(QStringLiteral("Station.xml"));
    ASSERT_NO_THROW(Write_GSDML_File(out));
    const QByteArray bytes = Read_GSDML_File(out);

    EXPECT_TRUE(bytes.startsWith(Expected_Start)) << bytes.left(200).toStdString();
    EXPECT_TRUE(Only_CRLF(bytes));
    EXPECT_TRUE(bytes.endsWith("</ISO15745Profile>\r\n"));
    const QByteArray attr = QByteArray(c.Name_Attr);
    EXPECT_TRUE(bytes.contains(" MinDeviceInterval=\"64\" ImplementationType=\"" + attr
                               + "\" DNS_CompatibleName=\"" + attr + "\" FixedInSlots=\"0\""));
    EXPECT_TRUE(bytes.contains("<DataItem DataType=\"OctetString\" Length=\""
                               + QByteArray::number(c.NB_Out)
                               + "\" TextId=\"IDT_Input_1\"/>\r\n"));
    EXPECT_TRUE(bytes.contains("<DataItem DataType=\"OctetString\" Length=\""
                               + QByteArray::number(c.NB_In)
                               + "\" TextId=\"IDT_Output_1\"/>\r\n"));

    // The file is well-formed and a reader gets the values back unchanged.
    TXMLDocument doc;
    ASSERT_NO_THROW(doc.LoadFromFile(out));
    TXMLNode* dap = doc.DocumentElement()
                        ->FindChild(QStringLiteral("ProfileBody"))
                        ->FindChild(QStringLiteral("ApplicationProcess"))
                        ->FindChild(QStringLiteral("DeviceAccessPointList"))
                        ->FindChild(QStringLiteral("DeviceAccessPointItem"));
    ASSERT_NE(dap, nullptr);
    EXPECT_EQ(dap->Attributes(QStringLiteral("ImplementationType")).toStdString(), c.Name_Read);
    EXPECT_EQ(dap->Attributes(QStringLiteral("DNS_CompatibleName")).toStdString(), c.Name_Read);
    EXPECT_EQ(PROFINET_NB_In, c.NB_In);
    EXPECT_EQ(PROFINET_NB_Out, c.NB_Out);
    EXPECT_EQ(PROFINET_Name_Sta.toStdString(), c.Name_Read);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PROFINET_GSDMLValues,
    ::testing::Values(
        TValueCase{"NoParameterFile", nullptr, "SERIAL", "SERIAL", 1438, 1438},
        TValueCase{"ValuesEscaped", "@values", " Line &quot;A&quot; &amp; &lt;B&gt; ",
                   " Line \"A\" & <B> ", 100, 200},
        TValueCase{"ElementsMissing", "<Par_Gen><BACnet_Type>1</BACnet_Type></Par_Gen>",
                   "SERIAL", "SERIAL", 1438, 1438},
        TValueCase{"BlankNameAndNoNumbers",
                   "<Par_Gen><PROFINET_NB_IN>12a</PROFINET_NB_IN><PROFINET_NB_OUT/>"
                   "<PROFINET_NAME_STA>  \t </PROFINET_NAME_STA></Par_Gen>",
                   "SERIAL", "SERIAL", 1438, 1438},
        TValueCase{"EmptyNameElement", "<Par_Gen><PROFINET_NAME_STA/></Par_Gen>", "SERIAL",
                   "SERIAL", 1438, 1438},
        TValueCase{"LineBreakInName",
                   "<!-- before the root --><Par_Gen><PROFINET_NB_IN>-5</PROFINET_NB_IN>"
                   "<PROFINET_NAME_STA>A&#13;&#10;B'</PROFINET_NAME_STA></Par_Gen>",
                   "A&#13;&#10;B&apos;", "A\r\nB'", -5, 1438}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(PROFINET_GSDMLFile, HoldsEveryExternalText)
{
    QTemporaryDir dir;
    TConfigFolder folder(dir.path());
    const QString out = dir.filePath(QStringLiteral("a.xml"));
    Write_GSDML_File(out);
    TXMLDocument doc;
    doc.LoadFromFile(out);
    TXMLNode* texts = doc.DocumentElement()
                          ->FindChild(QStringLiteral("ProfileBody"))
                          ->FindChild(QStringLiteral("ApplicationProcess"))
                          ->FindChild(QStringLiteral("ExternalTextList"))
                          ->FindChild(QStringLiteral("PrimaryLanguage"));
    ASSERT_NE(texts, nullptr);
    ASSERT_EQ(texts->ChildNodes()->Count(), 40);
    TXMLNode* last = texts->ChildNodes()->Nodes(39);
    EXPECT_EQ(last->AttributeName(0).toStdString(), "Value");
    EXPECT_EQ(last->Attributes(QStringLiteral("TextId")).toStdString(),
              "IDT_ASSIGN_do_continue_counting");
    EXPECT_TRUE(Read_GSDML_File(out).contains(
        "<!-- The \"normal\" module carrying the FAP. -->\r\n"));
}

TEST(PROFINET_GSDMLFile, UnreadableParametersWriteNothing)
{
    QTemporaryDir dir;
    Write_Text_File(dir.path(), QStringLiteral("ParGen.xml"), "<Par_Gen><PROFINET_NB_IN>");
    Write_Text_File(dir.path(), QStringLiteral("out.xml"), "old");
    TConfigFolder folder(dir.path());
    EXPECT_THROW(Write_GSDML_File(dir.filePath(QStringLiteral("out.xml"))), Exception);
    EXPECT_EQ(Read_GSDML_File(dir.filePath(QStringLiteral("out.xml"))), QByteArray("old"));
}

TEST(PROFINET_GSDMLFile, FailedWriteIsReported)
{
    QTemporaryDir dir;
    TConfigFolder folder(dir.path());
    EXPECT_THROW(Write_GSDML_File(dir.filePath(QStringLiteral("no/such/dir/a.xml"))), Exception);
}

// Dialog doubles: the save dialog answers with Chosen (cancelled when
// empty), the question with Answer; both record what they were shown.
struct TSaveCase {
    const char* Name;
    bool Exists;               // the target exists before
    const char* Chosen;        // file name picked in the dialog, relative to the folder
    bool Answer;
    bool Asked;                // the question was shown
    bool Written;              // the target holds the new file afterwards
};

void PrintTo(const TSaveCase& c, std::ostream* os) { *os << c.Name; }

class PROFINET_GSDMLSave : public ::testing::TestWithParam<TSaveCase> {
protected:
    void SetUp() override
    {
        if (!Lang_SL || Lang_SL->Count() < Lang_Default_Count)
            Load_Default_Lang();
    }
    void TearDown() override
    {
        On_Export_Save_Dialog = nullptr;
        On_Export_Confirm = nullptr;
    }
};

TEST_P(PROFINET_GSDMLSave, AsksThenWrites)
{
    const TSaveCase& c = GetParam();
    QTemporaryDir conf, target;
    ASSERT_TRUE(conf.isValid() && target.isValid());
    TConfigFolder folder(conf.path());
    const QString path = target.filePath(QStringLiteral("GSDML-V2.31-Gateway.xml"));
    if (c.Exists)
        Write_Text_File(target.path(), QStringLiteral("GSDML-V2.31-Gateway.xml"), "old");

    TSave_Dialog_Request shown;
    QStringList questions;
    On_Export_Save_Dialog = [&](TSave_Dialog_Request& r) {
        shown = r;
        if (!*c.Chosen)
            return false;
        r.FileName = target.filePath(QString::fromLatin1(c.Chosen));
        return true;
    };
    On_Export_Confirm = [&](const QString& text) {
        questions << text;
        return c.Answer;
    };
    ASSERT_NO_THROW(Save_GSDML_File(QStringLiteral("GSDML-V2.31-Gateway.xml")));

    EXPECT_EQ(shown.InitialDir, conf.path());
    EXPECT_EQ(shown.Filter.toStdString(), "PROFINET XML (*.xml)|GSDML-V2.31-Gateway.xml");
    EXPECT_EQ(shown.FileName.toStdString(), "GSDML-V2.31-Gateway.xml");
    EXPECT_EQ(questions.size(), c.Asked ? 1 : 0);
    if (c.Asked) {
        EXPECT_EQ(questions.value(0).toStdString(),
                  "File already exists! Do you want to overwrite the file?");
    }
    const QByteArray bytes = Read_GSDML_File(path);
    if (c.Written)
        EXPECT_TRUE(bytes.startsWith(Expected_Start));
    else
        EXPECT_EQ(bytes, c.Exists ? QByteArray("old") : QByteArray("<missing>"));
    // A name typed in the dialog is never used.
    EXPECT_FALSE(QFile::exists(target.filePath(QStringLiteral("typed.xml"))));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PROFINET_GSDMLSave,
    ::testing::Values(TSaveCase{"Cancelled", false, "", true, false, false},
                      TSaveCase{"NewFile", false, "GSDML-V2.31-Gateway.xml", false, false, true},
                      TSaveCase{"TypedNameIgnored", false, "typed.xml", false, false, true},
                      TSaveCase{"OverwriteYes", true, "typed.xml", true, true, true},
                      TSaveCase{"OverwriteNo", true, "GSDML-V2.31-Gateway.xml", false, true,
                                false}),
    [](const auto& info) { return std::string(info.param.Name); });

// Until the main window wires the dialogs nothing is written.
TEST(PROFINET_GSDMLSaveUnwired, WritesNothing)
{
    QTemporaryDir conf;
    TConfigFolder folder(conf.path());
    On_Export_Save_Dialog = nullptr;
    On_Export_Confirm = nullptr;
    Save_GSDML_File(QStringLiteral("a.xml"));
    EXPECT_FALSE(QFile::exists(conf.filePath(QStringLiteral("a.xml"))));
    EXPECT_FALSE(QFile::exists(QStringLiteral("a.xml")));
}

} // namespace
