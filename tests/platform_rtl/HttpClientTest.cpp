#include "platform/services/HttpClient.h"
#include "tests/support/LoopbackServer.h"
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const AcceptText = "text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8";
const char* const AgentText = "Mozilla/3.0 (compatible; Indy Library)";

THttpClient Client()
{
    THttpClient c;
    c.Accept = AcceptText;
    c.UserAgent = AgentText;
    c.ConnectTimeout = 2000;
    c.ReadTimeout = 2000;
    return c;
}

TEST(HttpClient, SendsExactRequestLineAndHeaders)
{
    TLoopbackServer server("HTTP/1.0 200 OK\r\n\r\nVER. 1.002");
    THttpClient c = Client();
    const QString url = QStringLiteral("http://127.0.0.1:%1/home/download/GetversionSW.asp?nomesw=KQ38R12")
                            .arg(server.Port());
    EXPECT_EQ(c.Get(url), QByteArray("VER. 1.002"));
    EXPECT_EQ(c.ResponseCode(), 200);
    EXPECT_EQ(server.Request(),
              "GET /home/download/GetversionSW.asp?nomesw=KQ38R12 HTTP/1.0\r\n"
              "Host: 127.0.0.1:" + QByteArray::number(server.Port()) + "\r\n"
              "Accept: " + QByteArray(AcceptText) + "\r\n"
              "User-Agent: " + QByteArray(AgentText) + "\r\n\r\n");

    THttpClient bare;
    bare.Get(QStringLiteral("http://127.0.0.1:%1").arg(server.Port()));
    EXPECT_EQ(server.Request(), "GET / HTTP/1.0\r\nHost: 127.0.0.1:" + QByteArray::number(server.Port()) +
                                    "\r\n\r\n");
}

struct AnswerCase {
    const char* name;
    QByteArray answer;
    QByteArray body;
    int code;
};

class HttpClientAnswer : public testing::TestWithParam<AnswerCase> {};

TEST_P(HttpClientAnswer, BodyOnlyForSuccess)
{
    const AnswerCase& c = GetParam();
    TLoopbackServer server(c.answer);
    THttpClient client = Client();
    EXPECT_EQ(client.Get(QStringLiteral("http://127.0.0.1:%1/v").arg(server.Port())), c.body);
    EXPECT_EQ(client.ResponseCode(), c.code);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HttpClientAnswer,
    testing::Values(
        AnswerCase{"Ok", "HTTP/1.1 200 OK\r\nContent-Type: text/html\r\n\r\nVER. 1.002\r\n", "VER. 1.002\r\n", 200},
        AnswerCase{"OkWithLength", "HTTP/1.0 200 OK\r\nContent-Length: 3\r\n\r\nabcdef", "abc", 200},
        AnswerCase{"OtherSuccess", "HTTP/1.0 203 Non-Authoritative\r\n\r\nx", "x", 203},
        AnswerCase{"ServerError", "HTTP/1.0 500 Internal Server Error\r\n\r\noops", "", 500},
        AnswerCase{"NotFound", "HTTP/1.0 404 Not Found\r\n\r\nmissing", "", 404},
        AnswerCase{"Redirect", "HTTP/1.0 302 Found\r\nLocation: /x\r\n\r\nmoved", "", 302},
        AnswerCase{"TruncatedBody", "HTTP/1.0 200 OK\r\nContent-Length: 10\r\n\r\nabc", "", 0},
        AnswerCase{"NoHttpAnswer", "VER. 1.002", "", 0},
        AnswerCase{"HeadersNeverEnd", "HTTP/1.0 200 OK\r\nServer: x\r\n", "", 0},
        AnswerCase{"BadStatus", "HTTP/1.0 2x0 OK\r\n\r\nbody", "", 0},
        AnswerCase{"SignedStatus", "HTTP/1.0 -01 OK\r\n\r\nbody", "", 0},
        AnswerCase{"NegativeLength", "HTTP/1.0 200 OK\r\nContent-Length: -2\r\n\r\nbody", "", 0},
        AnswerCase{"ClosedAtOnce", "", "", 0}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return std::string(info.param.name); });

TEST(HttpClient, GivesUpOnServerThatNeverAnswers)
{
    TLoopbackServer server("", true);
    THttpClient c = Client();
    c.ReadTimeout = 200;
    EXPECT_EQ(c.Get(QStringLiteral("http://127.0.0.1:%1/v").arg(server.Port())), QByteArray());
    EXPECT_EQ(c.ResponseCode(), 0);
    EXPECT_EQ(server.Connections(), 1);
}

TEST(HttpClient, GivesUpOnConnectionThatIsNeverTaken)
{
    // A listener that never accepts, its queue filled by one connection:
    // further connection attempts get no answer at all.
    const int listener = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);
    ASSERT_EQ(::listen(listener, 0), 0);
    socklen_t len = sizeof a;
    ::getsockname(listener, reinterpret_cast<sockaddr*>(&a), &len);
    const int filler = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&a), sizeof a), 0);

    THttpClient c = Client();
    c.ConnectTimeout = 200;
    EXPECT_EQ(c.Get(QStringLiteral("http://127.0.0.1:%1/v").arg(ntohs(a.sin_port))), QByteArray());
    EXPECT_EQ(c.ResponseCode(), 0);
    ::close(filler);
    ::close(listener);
}

TEST(HttpClient, RefusedOrUnusableRequestsGiveNothing)
{
    int closedPort;
    {
        TLoopbackServer gone("");
        closedPort = gone.Port();
    }
    TLoopbackServer server("HTTP/1.0 200 OK\r\n\r\nbody");
    const QString live = QStringLiteral("http://127.0.0.1:%1/v").arg(server.Port());
    struct Case {
        const char* name;
        QString url;
        QString agent;
    } cases[] = {
        {"connection refused", QStringLiteral("http://127.0.0.1:%1/v").arg(closedPort), AgentText},
        {"other scheme", QStringLiteral("ftp://127.0.0.1:%1/v").arg(server.Port()), AgentText},
        {"no host", QStringLiteral("http:///v"), AgentText},
        {"line break in a header", live, QStringLiteral("agent\r\nCookie: a=b")},
    };
    for (const Case& k : cases) {
        THttpClient c = Client();
        c.UserAgent = k.agent;
        EXPECT_EQ(c.Get(k.url), QByteArray()) << k.name;
        EXPECT_EQ(c.ResponseCode(), 0) << k.name;
    }
    EXPECT_EQ(server.Connections(), 0);
}

TEST(HttpClient, FakeAnswersFromItsTable)
{
    SetHttpClientFactory([] {
        auto fake = std::make_unique<TFakeHttpClient>();
        fake->Answers.insert("http://127.0.0.1/ok", {200, "VER. 1.002"});
        fake->Answers.insert("http://127.0.0.1/err", {500, "oops"});
        return fake;
    });
    std::unique_ptr<IHttpClient> c = CreateHttpClient();
    EXPECT_EQ(c->Get("http://127.0.0.1/ok"), "VER. 1.002");
    EXPECT_EQ(c->ResponseCode(), 200);
    EXPECT_EQ(c->Get("http://127.0.0.1/err"), "");
    EXPECT_EQ(c->ResponseCode(), 500);
    EXPECT_EQ(c->Get("http://127.0.0.1/none"), "");
    EXPECT_EQ(c->ResponseCode(), 0);
    EXPECT_EQ(static_cast<TFakeHttpClient*>(c.get())->Requests.size(), 3);
    SetHttpClientFactory(nullptr);
    EXPECT_TRUE(dynamic_cast<THttpClient*>(CreateHttpClient().get()));
}

} // namespace
