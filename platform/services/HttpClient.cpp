#include "platform/services/HttpClient.h"


#include <QUrl>
#include <chrono>
#include <cerrno>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include "platform/services/SteadyClock.h"

namespace {

constexpr qsizetype MaxAnswer = 16 * 1024 * 1024;

THttpClientFactory& HttpFactory()
{
    static THttpClientFactory factory;
    return factory;
}

// Closes the socket when the request ends, however it ends.
struct TSocket {
    int Fd = -1;
    ~TSocket()
    {
        if (Fd >= 0)
            ::close(Fd);
    }
};

// Waits for events on fd; false on time-out or error.
bool WaitFor(int fd, short events, uint32_t ms)
{
    pollfd pfd{fd, events, 0};
    int r;
    do
        r = ::poll(&pfd, 1, int(ms));
    while (r < 0 && errno == EINTR);
    return r > 0;
}

bool Connect(TSocket& s, const QString& host, int port, uint32_t timeoutMs)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (::getaddrinfo(host.toUtf8().constData(), QByteArray::number(port).constData(), &hints, &list) != 0)
        return false;
    const uint64_t start = NowMs();
    bool ok = false;
    for (addrinfo* a = list; a && !ok; a = a->ai_next) {
        if (s.Fd >= 0)
            ::close(s.Fd);
        s.Fd = ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol);
        if (s.Fd < 0)
            continue;
        if (::connect(s.Fd, a->ai_addr, a->ai_addrlen) == 0) {
            ok = true;
            break;
        }
        if (errno != EINPROGRESS)
            continue;
        const uint64_t used = NowMs() - start;
        if (used >= timeoutMs || !WaitFor(s.Fd, POLLOUT, uint32_t(timeoutMs - used)))
            break;
        int err = 0;
        socklen_t len = sizeof err;
        ok = ::getsockopt(s.Fd, SOL_SOCKET, SO_ERROR, &err, &len) == 0 && err == 0;
    }
    ::freeaddrinfo(list);
    return ok;
}

bool SendAll(int fd, const QByteArray& data, uint32_t timeoutMs)
{
    qsizetype done = 0;
    while (done < data.size()) {
        const ssize_t n = ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
        if (n > 0) {
            done += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && errno == EAGAIN && WaitFor(fd, POLLOUT, timeoutMs))
            continue;
        return false;
    }
    return true;
}

// Reads until the server closes; false on time-out, error or an answer
// that grows too large.
bool ReadAll(int fd, QByteArray& answer, uint32_t timeoutMs)
{
    char buf[16384];
    for (;;) {
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n == 0)
            return true;
        if (n > 0) {
            answer.append(buf, n);
            if (answer.size() > MaxAnswer)
                return false;
            continue;
        }
        if (errno == EINTR)
            continue;
        if (errno != EAGAIN || !WaitFor(fd, POLLIN, timeoutMs))
            return false;
    }
}

bool HasLineBreak(const QString& s)
{
    return s.contains(QLatin1Char('\r')) || s.contains(QLatin1Char('\n'));
}

} // namespace

bool ParseHttpAnswer(const QByteArray& answer, int& status, QByteArray& body)
{
    qsizetype end = answer.indexOf("\r\n\r\n");
    qsizetype skip = 4;
    const qsizetype lf = answer.indexOf("\n\n");
    if (lf >= 0 && (end < 0 || lf < end)) {
        end = lf;
        skip = 2;
    }
    if (end < 0)
        return false;
    const QList<QByteArray> lines = answer.left(end).split('\n');
    const QList<QByteArray> first = lines.first().trimmed().split(' ');
    if (first.size() < 2 || !first[0].startsWith("HTTP/1.") || first[1].size() != 3)
        return false;
    for (char c : first[1])
        if (c < '0' || c > '9')
            return false;
    status = first[1].toInt();
    bool ok = false;
    body = answer.mid(end + skip);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon < 0 || lines[i].left(colon).trimmed().toLower() != "content-length")
            continue;
        const qint64 length = lines[i].mid(colon + 1).trimmed().toLongLong(&ok);
        if (!ok || length < 0 || length > body.size())
            return false;
        body.truncate(length);
    }
    return true;
}

QByteArray THttpClient::Get(const QString& url)
{
    FResponseCode = 0;
    const QUrl u(url, QUrl::StrictMode);
    if (!u.isValid() || u.scheme().compare(QLatin1String("http"), Qt::CaseInsensitive) != 0 ||
        u.host().isEmpty() || HasLineBreak(Accept) || HasLineBreak(UserAgent))
        return {};
    const int port = u.port(80);

    QByteArray target = u.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (u.hasQuery())
        target += '?' + u.query(QUrl::FullyEncoded).toLatin1();
    QByteArray request = "GET " + target + " HTTP/1.0\r\n";
    const QByteArray host = u.host(QUrl::FullyEncoded).toLatin1();
    request += "Host: " + (host.contains(':') ? '[' + host + ']' : host);
    if (port != 80)
        request += ':' + QByteArray::number(port);
    request += "\r\n";
    if (!Accept.isEmpty())
        request += "Accept: " + Accept.toUtf8() + "\r\n";
    if (!UserAgent.isEmpty())
        request += "User-Agent: " + UserAgent.toUtf8() + "\r\n";
    request += "\r\n";

    TSocket s;
    QByteArray answer;
    if (!Connect(s, u.host(), port, ConnectTimeout) || !SendAll(s.Fd, request, ReadTimeout) ||
        !ReadAll(s.Fd, answer, ReadTimeout))
        return {};
    int status = 0;
    QByteArray body;
    if (!ParseHttpAnswer(answer, status, body))
        return {};
    FResponseCode = status;
    return status >= 200 && status < 300 ? body : QByteArray();
}

QByteArray TFakeHttpClient::Get(const QString& url)
{
    Requests << url;
    FResponseCode = 0;
    auto it = Answers.constFind(url);
    if (it == Answers.constEnd())
        return {};
    FResponseCode = it->Status;
    return it->Status >= 200 && it->Status < 300 ? it->Body : QByteArray();
}

std::unique_ptr<IHttpClient> CreateHttpClient()
{
    if (HttpFactory())
        return HttpFactory()();
    return std::make_unique<THttpClient>();
}

void SetHttpClientFactory(THttpClientFactory factory)
{
    HttpFactory() = std::move(factory);
}
