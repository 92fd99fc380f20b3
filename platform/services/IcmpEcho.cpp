#include "platform/services/IcmpEcho.h"


#include "platform/rtl/Clock.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include "platform/services/SteadyClock.h"

namespace {

constexpr uint8_t IcmpEchoReply = 0;
constexpr uint8_t IcmpEchoRequest = 8;
constexpr int MaxPayload = 65507 - 8;

uint16_t Checksum(const QByteArray& packet)
{
    uint32_t sum = 0;
    const auto* p = reinterpret_cast<const uint8_t*>(packet.constData());
    const qsizetype n = packet.size();
    for (qsizetype i = 0; i + 1 < n; i += 2)
        sum += uint32_t(p[i]) << 8 | p[i + 1];
    if (n & 1)
        sum += uint32_t(p[n - 1]) << 8;
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return uint16_t(~sum);
}

// Time-outs are real time, whatever clock the program shows.
uint16_t NextIdentifier()
{
    static uint16_t counter = 0;
    return uint16_t(getpid() * 31 + ++counter);
}

TIcmpEchoFactory& Factory()
{
    static TIcmpEchoFactory factory;
    return factory;
}

} // namespace

TEchoReply IIcmpEcho::Ping(const QString& host, const QByteArray& data, uint16_t sequence)
{
    Send(host, data, sequence);
    for (;;) {
        const TEchoReply& r = Poll();
        if (r.Status != TEchoStatus::esPending)
            return r;
        WaitForData(10);
    }
}

struct TIcmpEcho::TData {
    int Fd = -1;
    bool Raw = false;
    uint16_t Identifier = 0;
    uint64_t SentAt = 0;
    TEchoReply Reply;

    void CloseSocket()
    {
        if (Fd >= 0)
            ::close(Fd);
        Fd = -1;
    }

    void Fail(const QString& why)
    {
        CloseSocket();
        Reply.Status = TEchoStatus::esError;
        Reply.Error = why;
    }
};

TIcmpEcho::TIcmpEcho() : FData(std::make_unique<TData>()) {}

TIcmpEcho::~TIcmpEcho()
{
    FData->CloseSocket();
}

void TIcmpEcho::Send(const QString& host, const QByteArray& data, uint16_t sequence)
{
    TData& d = *FData;
    d.CloseSocket();
    d.Reply = TEchoReply();
    d.Reply.SequenceId = sequence;

    sockaddr_in to{};
    to.sin_family = AF_INET;
    if (inet_pton(AF_INET, host.trimmed().toLatin1().constData(), &to.sin_addr) != 1)
        return d.Fail(QStringLiteral("Invalid IPv4 address: %1").arg(host));

    QByteArray payload = data;
    if (PacketSize > payload.size())
        payload.append(QByteArray(PacketSize - payload.size(), '\0'));
    if (payload.size() > MaxPayload)
        return d.Fail(QStringLiteral("Echo data too long"));

    // The datagram socket needs no privilege when ping_group_range allows
    // our group; the raw socket needs CAP_NET_RAW.
    d.Fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
    d.Raw = d.Fd < 0;
    if (d.Raw)
        d.Fd = ::socket(AF_INET, SOCK_RAW | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (d.Fd < 0)
        return d.Fail(QString::fromLocal8Bit(strerror(errno)));

    d.Identifier = NextIdentifier();
    QByteArray packet(8, '\0');
    packet[0] = char(IcmpEchoRequest);
    packet[4] = char(d.Identifier >> 8);
    packet[5] = char(d.Identifier & 0xFF);
    packet[6] = char(sequence >> 8);
    packet[7] = char(sequence & 0xFF);
    packet += payload;
    const uint16_t sum = Checksum(packet);
    packet[2] = char(sum >> 8);
    packet[3] = char(sum & 0xFF);

    ssize_t sent;
    do
        sent = ::sendto(d.Fd, packet.constData(), size_t(packet.size()), 0,
                        reinterpret_cast<const sockaddr*>(&to), sizeof to);
    while (sent < 0 && errno == EINTR);
    if (sent != packet.size())
        return d.Fail(QString::fromLocal8Bit(strerror(sent < 0 ? errno : EMSGSIZE)));

    if (!d.Raw) {
        // The kernel puts the socket's own identifier into the request.
        sockaddr_in local{};
        socklen_t len = sizeof local;
        if (::getsockname(d.Fd, reinterpret_cast<sockaddr*>(&local), &len) == 0)
            d.Identifier = ntohs(local.sin_port);
    }
    d.SentAt = NowMs();
}

const TEchoReply& TIcmpEcho::Poll()
{
    TData& d = *FData;
    if (d.Reply.Status != TEchoStatus::esPending || d.Fd < 0)
        return d.Reply;

    char buf[65536 + 64];
    for (;;) {
        sockaddr_in from{};
        socklen_t len = sizeof from;
        const ssize_t n = ::recvfrom(d.Fd, buf, sizeof buf, 0, reinterpret_cast<sockaddr*>(&from), &len);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            // EAGAIN, or an ICMP error such as "host unreachable" queued on
            // the socket (reported once): neither is an answer, so keep
            // waiting until the time-out.
            break;
        }
        const auto* p = reinterpret_cast<const uint8_t*>(buf);
        ssize_t off = 0;
        if (d.Raw) {
            // A raw socket hands over the IP header, and every ICMP message
            // of the host, our own requests to loopback among them.
            if (n < 20)
                continue;
            off = (p[0] & 0x0F) * 4;
        }
        if (n - off < 8 || p[off] != IcmpEchoReply || p[off + 1] != 0)
            continue;
        const uint16_t id = uint16_t(p[off + 4] << 8 | p[off + 5]);
        const uint16_t seq = uint16_t(p[off + 6] << 8 | p[off + 7]);
        if (id != d.Identifier || seq != d.Reply.SequenceId)
            continue;
        char addr[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, addr, sizeof addr);
        d.Reply.Status = TEchoStatus::esReply;
        d.Reply.FromAddress = QString::fromLatin1(addr);
        d.Reply.Data = QByteArray(buf + off + 8, qsizetype(n - off - 8));
        d.Reply.RoundTripMs = uint32_t(NowMs() - d.SentAt);
        d.CloseSocket();
        if (OnReply)
            OnReply(d.Reply);
        return d.Reply;
    }
    if (NowMs() - d.SentAt >= ReceiveTimeout) {
        d.Reply.Status = TEchoStatus::esNoReply;
        d.Reply.RoundTripMs = uint32_t(NowMs() - d.SentAt);
        d.CloseSocket();
        if (OnReply)
            OnReply(d.Reply);
    }
    return d.Reply;
}

void TIcmpEcho::WaitForData(uint32_t ms)
{
    if (FData->Fd < 0)
        return;
    pollfd pfd{FData->Fd, POLLIN, 0};
    ::poll(&pfd, 1, int(ms));
}

// TFakeIcmpEcho

void TFakeIcmpEcho::Send(const QString& host, const QByteArray& data, uint16_t sequence)
{
    QByteArray payload = data;
    if (PacketSize > payload.size())
        payload.append(QByteArray(PacketSize - payload.size(), '\0'));
    FReply = TEchoReply();
    FReply.SequenceId = sequence;
    in_addr addr{};
    if (inet_pton(AF_INET, host.trimmed().toLatin1().constData(), &addr) != 1) {
        FReply.Status = TEchoStatus::esError;
        FReply.Error = QStringLiteral("Invalid IPv4 address: %1").arg(host);
        return;
    }
    Sent << TSent{host, payload, sequence};
    FPlanned = Answer ? Answer(host) : TEchoStatus::esNoReply;
    if (FPlanned == TEchoStatus::esError) {
        FReply.Status = TEchoStatus::esError;
        FReply.Error = QStringLiteral("Network is unreachable");
        return;
    }
    FReply.Data = payload;
}

const TEchoReply& TFakeIcmpEcho::Poll()
{
    if (FReply.Status != TEchoStatus::esPending)
        return FReply;
    if (FPlanned == TEchoStatus::esReply) {
        FReply.Status = TEchoStatus::esReply;
        FReply.FromAddress = Sent.last().Host.trimmed();
    } else {
        FReply.Status = TEchoStatus::esNoReply;
        FReply.Data.clear();
        FReply.RoundTripMs = ReceiveTimeout;
        if (auto* fake = dynamic_cast<TFakeClock*>(&Clock()))
            fake->Advance(ReceiveTimeout);
    }
    if (OnReply)
        OnReply(FReply);
    return FReply;
}

std::unique_ptr<IIcmpEcho> CreateIcmpEcho()
{
    if (Factory())
        return Factory()();
    return std::make_unique<TIcmpEcho>();
}

void SetIcmpEchoFactory(TIcmpEchoFactory factory)
{
    Factory() = std::move(factory);
}
