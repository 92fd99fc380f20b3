#include "tests/support/LoopbackServer.h"
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

TLoopbackServer::TLoopbackServer(QByteArray Answer, bool Silent) : FAnswer(std::move(Answer)), FSilent(Silent)
{
    FListen = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(FListen, reinterpret_cast<sockaddr*>(&a), sizeof a);
    ::listen(FListen, 4);
    socklen_t len = sizeof a;
    ::getsockname(FListen, reinterpret_cast<sockaddr*>(&a), &len);
    FPort = ntohs(a.sin_port);
    FThread = std::thread([this] { Run(); });
}

TLoopbackServer::~TLoopbackServer()
{
    FStop = true;
    FThread.join();
    ::close(FListen);
}

QString TLoopbackServer::Host() const
{
    return QStringLiteral("127.0.0.1:%1").arg(FPort);
}

QByteArray TLoopbackServer::Request()
{
    std::lock_guard<std::mutex> lock(FMutex);
    return FRequest;
}

bool TLoopbackServer::Wait(int Fd)
{
    while (!FStop) {
        pollfd p{Fd, POLLIN, 0};
        if (::poll(&p, 1, 20) > 0)
            return true;
    }
    return false;
}

void TLoopbackServer::Run()
{
    while (Wait(FListen)) {
        const int c = ::accept(FListen, nullptr, nullptr);
        if (c < 0)
            continue;
        ++FConnections;
        QByteArray req;
        char buf[4096];
        while (!req.contains("\r\n\r\n") && Wait(c)) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            req.append(buf, n);
        }
        {
            std::lock_guard<std::mutex> lock(FMutex);
            FRequest = req;
        }
        if (!FSilent)
            ::send(c, FAnswer.constData(), size_t(FAnswer.size()), MSG_NOSIGNAL);
        else
            while (!FStop)
                ::usleep(10 * 1000);
        ::close(c);
    }
}
