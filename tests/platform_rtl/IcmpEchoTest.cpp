#include "platform/services/IcmpEcho.h"
#include "platform/rtl/Clock.h"
#include <QFile>
#include <gtest/gtest.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QByteArray Padded(const QByteArray& data, int size)
{
    return data + QByteArray(size - data.size(), '\0');
}

// True when this user may open either kind of ICMP socket.
bool IcmpAllowed()
{
    for (int type : {SOCK_DGRAM, SOCK_RAW}) {
        const int fd = ::socket(AF_INET, type, IPPROTO_ICMP);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
    }
    return false;
}

TEST(IcmpEcho, LoopbackAnswersWithTheSentData)
{
    if (!IcmpAllowed())
        GTEST_SKIP() << "the system allows this user no ICMP socket";
    TIcmpEcho echo;
    echo.PacketSize = 1024;
    echo.ReceiveTimeout = 5000;
    int calls = 0;
    TEchoStatus seen = TEchoStatus::esPending;
    echo.OnReply = [&](const TEchoReply& r) { ++calls; seen = r.Status; };
    for (uint16_t seq : {uint16_t(0), uint16_t(7)}) {
        const TEchoReply r = echo.Ping("127.0.0.1", "127.0.0.1", seq);
        ASSERT_EQ(r.Status, TEchoStatus::esReply) << r.Error.toStdString();
        EXPECT_EQ(r.FromAddress, "127.0.0.1");
        EXPECT_EQ(r.SequenceId, seq);
        EXPECT_EQ(r.Data, Padded("127.0.0.1", 1024));
    }
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(seen, TEchoStatus::esReply);
    // Settled: polling again changes nothing and fires nothing.
    EXPECT_EQ(echo.Poll().Status, TEchoStatus::esReply);
    EXPECT_EQ(calls, 2);
}

TEST(IcmpEcho, UnusableAddressCannotBeSent)
{
    for (const char* host : {"300.1.1.1", "", "gateway", "10.0.0", "1.2.3.4.5"}) {
        TIcmpEcho echo;
        bool fired = false;
        echo.OnReply = [&](const TEchoReply&) { fired = true; };
        const TEchoReply r = echo.Ping(host, "x");
        EXPECT_EQ(r.Status, TEchoStatus::esError) << host;
        EXPECT_FALSE(r.Error.isEmpty()) << host;
        EXPECT_FALSE(fired) << host;
    }
}

TEST(IcmpEcho, FakeAnswersAsToldAndLetsTheTimeOutPass)
{
    TFakeClock clock(0, 1000);
    SetClock(&clock);
    SetIcmpEchoFactory([] {
        auto fake = std::make_unique<TFakeIcmpEcho>();
        fake->Answer = [](const QString& host) {
            return host == "127.0.0.2" ? TEchoStatus::esReply : TEchoStatus::esNoReply;
        };
        return fake;
    });
    std::unique_ptr<IIcmpEcho> echo = CreateIcmpEcho();
    echo->PacketSize = 1024;
    echo->ReceiveTimeout = 400;
    QList<TEchoStatus> seen;
    echo->OnReply = [&](const TEchoReply& r) { seen << r.Status; };

    TEchoReply r = echo->Ping("127.0.0.2", "127.0.0.2");
    EXPECT_EQ(r.Status, TEchoStatus::esReply);
    EXPECT_EQ(r.Data, Padded("127.0.0.2", 1024));
    EXPECT_EQ(clock.GetTickCount64(), 1000u);
    r = echo->Ping("127.0.0.3", "127.0.0.3");
    EXPECT_EQ(r.Status, TEchoStatus::esNoReply);
    EXPECT_EQ(clock.GetTickCount64(), 1400u);
    EXPECT_EQ(echo->Ping("127.0.0.300", "x").Status, TEchoStatus::esError);
    EXPECT_EQ(seen, QList<TEchoStatus>({TEchoStatus::esReply, TEchoStatus::esNoReply}));
    EXPECT_EQ(static_cast<TFakeIcmpEcho*>(echo.get())->Sent.size(), 2);

    SetIcmpEchoFactory(nullptr);
    SetClock(nullptr);
    EXPECT_TRUE(dynamic_cast<TIcmpEcho*>(CreateIcmpEcho().get()));
}

bool WriteProc(const char* path, const char* text)
{
    QFile f(QString::fromLatin1(path));
    return f.open(QIODevice::WriteOnly) && f.write(text) == qint64(strlen(text));
}

bool LoopbackUp()
{
    const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
    ifreq ifr{};
    strcpy(ifr.ifr_name, "lo");
    bool ok = ::ioctl(fd, SIOCGIFFLAGS, &ifr) == 0;
    ifr.ifr_flags |= IFF_UP;
    ok = ok && ::ioctl(fd, SIOCSIFFLAGS, &ifr) == 0;
    ::close(fd);
    return ok;
}

constexpr int SkipCode = 77;
constexpr int SetupFailed = 78;

struct NamespaceCase {
    const char* name;
    bool loopbackUp;
    bool ignoreEcho;
    bool datagramAllowed; // lets the unprivileged socket kind be used
    TEchoStatus expected;
    bool pendingFirst;    // the first Poll after Send must still be waiting
};

// Runs in a child inside a fresh network namespace; the exit code is the
// status, or SkipCode when the machine refuses the namespace.
int RunInNamespace(const NamespaceCase& c)
{
    if (::unshare(CLONE_NEWNET) != 0 && ::unshare(CLONE_NEWUSER | CLONE_NEWNET) != 0)
        return SkipCode;
    if (c.loopbackUp && !LoopbackUp())
        return SetupFailed;
    if (c.ignoreEcho && !WriteProc("/proc/sys/net/ipv4/icmp_echo_ignore_all", "1"))
        return SetupFailed;
    if (c.datagramAllowed && !WriteProc("/proc/sys/net/ipv4/ping_group_range", "0 2147483647"))
        return SetupFailed;
    TIcmpEcho echo;
    echo.PacketSize = 1024;
    echo.ReceiveTimeout = 300;
    echo.Send("127.0.0.1", "127.0.0.1", 0);
    const bool pending = echo.Poll().Status == TEchoStatus::esPending;
    if (c.pendingFirst && !pending)
        return SetupFailed + 1;
    return int(echo.Ping("127.0.0.1", "127.0.0.1", 0).Status);
}

class IcmpEchoNamespace : public testing::TestWithParam<NamespaceCase> {};

TEST_P(IcmpEchoNamespace, Outcome)
{
    const NamespaceCase& c = GetParam();
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0)
        ::_exit(RunInNamespace(c));
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    const int code = WEXITSTATUS(status);
    if (code == SkipCode)
        GTEST_SKIP() << "no private network namespace on this machine";
    if (code == SetupFailed)
        GTEST_SKIP() << "the machine refuses to set up the namespace's loopback or sysctls";
    ASSERT_NE(code, SetupFailed + 1) << "first poll";
    EXPECT_EQ(code, int(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IcmpEchoNamespace,
    testing::Values(
        NamespaceCase{"NoReplyWhenEchoAnsweringIsOff", true, true, false, TEchoStatus::esNoReply, true},
        NamespaceCase{"CannotSendWithoutRoute", false, false, false, TEchoStatus::esError, false},
        NamespaceCase{"DatagramSocketGetsReply", true, false, true, TEchoStatus::esReply, false}),
    [](const testing::TestParamInfo<NamespaceCase>& info) { return std::string(info.param.name); });

} // namespace
