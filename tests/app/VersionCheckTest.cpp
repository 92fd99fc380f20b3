#include "tests/support/LoopbackServer.h"
#include "app/VersionCheck.h"
#include "core/Globals.h"
#include "platform/services/HttpClient.h"
#include <gtest/gtest.h>

namespace {

TEST(VersionCheck, ConvVersionReadsDigitsOneThreeFourFive)
{
    struct TCase {
        const char* Name;
        QString Text;
        int Expected;
    } const cases[] = {
        {"Plain", "1.000", 1000},
        {"AfterPrefix", "VER. 1.002", 1002},
        {"BlanksAroundPart", "VER.    2.345  ", 2345},
        {"OnlyFirstBlankCounts", "A B 1.234", -1},
        {"LongerPartCut", "VER. 1.00234", 1002},
        {"TwoDigitsAfterPoint", "VER. 1.01", -1},
        {"Empty", "", -1},
        {"LetterInPlace", "VER. 1.0a1", -1},
        {"SignInPlace", "VER. -.001", -1},
        {"PointNotChecked", "VER. 1x002", 1002},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Conv_Version(c.Text), c.Expected);
    }
}

TEST(VersionCheck, NewerOnlyAboveTheRunningVersion)
{
    struct TCase {
        const char* Name;
        QString Answer;
        bool Newer;
    } const cases[] = {
        {"Newer", "VER. 1.001", true},
        {"NewerLowerCase", "ver. 1.002", true},
        {"NewerInBlanks", "  VER. 1.002 \r\n", true},
        {"Same", "VER. 1.000", false},
        {"Older", "VER. 0.999", false},
        {"NoVersion", "VER. 0.000", false},
        {"NoVersionLowerCase", " ver. 0.000 ", false},
        {"Empty", "", false},
        {"ShortVersion", "VER. 2.01", false},
        {"Garbage", "<html>Not found</html>", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(Is_Newer_Version(c.Answer), c.Newer);
    }
}

class VersionCheckServer : public ::testing::Test {
protected:
    void SetUp() override
    {
        FHost = Maker_Host;
        FTimeout = Version_Check_Timeout;
        SW_Code = QStringLiteral("KQ38R12");
    }
    void TearDown() override
    {
        Maker_Host = FHost;
        Version_Check_Timeout = FTimeout;
    }

    QString FHost;
    uint32_t FTimeout = 0;
};

TEST_F(VersionCheckServer, SendsTheExactRequest)
{
    TLoopbackServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.002");
    Maker_Host = server.Host();
    THttpClient client;
    EXPECT_TRUE(Check_Version(client));
    EXPECT_EQ(server.Request(),
              "GET /home/download/GetversionSW.asp?nomesw=KQ38R12 HTTP/1.0\r\n"
              "Host: " + server.Host().toLatin1() + "\r\n"
              "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8\r\n"
              "User-Agent: Mozilla/3.0 (compatible; Indy Library)\r\n\r\n");
}

TEST_F(VersionCheckServer, AnswersOfTheServer)
{
    struct TCase {
        const char* Name;
        QByteArray Answer;
        bool Newer;
    } const cases[] = {
        {"Newer", "HTTP/1.0 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.002", true},
        {"NotNewer", "HTTP/1.0 200 OK\r\n\r\nVER. 1.000", false},
        {"NoVersion", "HTTP/1.0 200 OK\r\n\r\nVER. 0.000", false},
        {"ErrorStatusWithVersionBody", "HTTP/1.0 500 Internal Server Error\r\n\r\nVER. 9.999", false},
        {"NotFound", "HTTP/1.0 404 Not Found\r\n\r\nVER. 1.002", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TLoopbackServer server(c.Answer);
        Maker_Host = server.Host();
        THttpClient client;
        EXPECT_EQ(Check_Version(client), c.Newer);
    }
}

TEST_F(VersionCheckServer, ServerThatNeverAnswersCountsAsNotNewer)
{
    TLoopbackServer server("", true);
    Maker_Host = server.Host();
    Version_Check_Timeout = 200;
    THttpClient client;
    EXPECT_FALSE(Check_Version(client));
    EXPECT_EQ(client.ReadTimeout, 200u);
    EXPECT_EQ(client.ConnectTimeout, 200u);
}

TEST(VersionCheck, TimeOutIsTenSeconds)
{
    EXPECT_EQ(Version_Check_Timeout, 10000u);
}

TEST_F(VersionCheckServer, NoServerCountsAsNotNewer)
{
    // A port nobody listens on: the server is gone once its object is.
    QString host;
    {
        TLoopbackServer server("");
        host = server.Host();
    }
    Maker_Host = host;
    THttpClient client;
    EXPECT_FALSE(Check_Version(client));
}

TEST(VersionCheck, MakerPages)
{
    const QString host = Maker_Host;
    Maker_Host = QStringLiteral("h.test");
    EXPECT_EQ(Download_Page_Url(QStringLiteral("ZT38R12")), u"http://h.test/Home/download/download.asp#ZT38R12");
    EXPECT_EQ(Home_Page_Url(), u"http://h.test/HOME/default.asp?frompg=KQ38R12");
    EXPECT_EQ(Link_Caption(QStringLiteral("u"), QStringLiteral("t")), u"<a href=\"u\">t</a>");
    Maker_Host = host;
}

} // namespace
