#pragma once
// ICMP echo over IPv4. Uses an unprivileged ICMP datagram socket when the
// system allows it and a raw socket otherwise. Replies are matched by
// identifier and sequence number.
#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

enum class TEchoStatus {
    esPending,   // sent, still waiting
    esReply,     // an echo reply with data came back
    esNoReply,   // nothing came back within the time-out
    esError,     // the echo could not be sent (bad address, no socket, no route)
};

struct TEchoReply {
    TEchoStatus Status = TEchoStatus::esPending;
    QString FromAddress;        // dotted address the reply came from
    uint16_t SequenceId = 0;
    QByteArray Data;            // the reply's payload
    uint32_t RoundTripMs = 0;
    QString Error;              // the reason when Status is esError
};

// Sends echo requests; the real client by default, a test double when set.
class IIcmpEcho {
public:
    virtual ~IIcmpEcho() = default;

    // Starts one echo to host (dotted IPv4) carrying data, padded with zero
    // bytes up to PacketSize. The previous echo, if still pending, is dropped.
    virtual void Send(const QString& host, const QByteArray& data, uint16_t sequence) = 0;
    // Checks for the reply without blocking; once the echo is settled the
    // status stays. OnReply fires once, from the Poll that sees the reply or
    // the time-out. Note: an echo that could not be sent (esError) fires no
    // OnReply.
    virtual const TEchoReply& Poll() = 0;

    // Send, then wait up to ReceiveTimeout for the outcome.
    TEchoReply Ping(const QString& host, const QByteArray& data, uint16_t sequence = 0);

    // Payload bytes sent; 0 sends data as it is. Note: longer data is sent whole.
    int PacketSize = 0;
    uint32_t ReceiveTimeout = 5000; // ms
    std::function<void(const TEchoReply&)> OnReply;

protected:
    // Blocks up to ms for the pending echo to make progress.
    virtual void WaitForData(uint32_t ms) = 0;
};

class TIcmpEcho : public IIcmpEcho {
public:
    TIcmpEcho();
    ~TIcmpEcho() override;

    void Send(const QString& host, const QByteArray& data, uint16_t sequence) override;
    const TEchoReply& Poll() override;

protected:
    void WaitForData(uint32_t ms) override;

private:
    struct TData;
    std::unique_ptr<TData> FData;
};

// A client for tests: nothing leaves the process. Answer decides each
// echo (a reply carries the sent payload back); the outcome comes with the
// first Poll. A time-out moves a TFakeClock in use forward by
// ReceiveTimeout, as the wait would have.
class TFakeIcmpEcho : public IIcmpEcho {
public:
    struct TSent {
        QString Host;
        QByteArray Data; // as padded to PacketSize
        uint16_t Sequence = 0;
    };

    void Send(const QString& host, const QByteArray& data, uint16_t sequence) override;
    const TEchoReply& Poll() override;

    std::function<TEchoStatus(const QString& host)> Answer;
    QList<TSent> Sent;

protected:
    void WaitForData(uint32_t) override {}

private:
    TEchoReply FReply;
    TEchoStatus FPlanned = TEchoStatus::esNoReply;
};

// Makes echo clients; the real one unless replaced.
using TIcmpEchoFactory = std::function<std::unique_ptr<IIcmpEcho>()>;
std::unique_ptr<IIcmpEcho> CreateIcmpEcho();
// Replaces the factory; an empty one restores the real client.
void SetIcmpEchoFactory(TIcmpEchoFactory factory);
