#pragma once
// A small HTTP/1.0 client: GET only, no cookies, no proxy, no redirects.
// The request carries the request line, Host and the headers the caller
// sets, nothing else.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class IHttpClient {
public:
    virtual ~IHttpClient() = default;

    // GETs an "http://" URL. Returns the body of a 2xx answer; an empty
    // result on any error (no connection, time-out, malformed or truncated
    // answer) and for every other status.
    virtual QByteArray Get(const QString& url) = 0;

    // Status code of the last answer; 0 when none was read.
    int ResponseCode() const { return FResponseCode; }

    // Request headers; an empty one is not sent.
    QString Accept;
    QString UserAgent;
    // Milliseconds to wait for the connection, and for each piece of the
    // answer.
    uint32_t ConnectTimeout = 10000;
    uint32_t ReadTimeout = 10000;

protected:
    int FResponseCode = 0;
};

// The client on plain sockets. Note: an answer over 16 MiB is an error.
class THttpClient : public IHttpClient {
public:
    QByteArray Get(const QString& url) override;
};

// A client for tests: nothing leaves the process. Answers maps a URL to
// its status and body; a URL not in it fails as an unreachable server.
class TFakeHttpClient : public IHttpClient {
public:
    struct TAnswer {
        int Status = 200;
        QByteArray Body;
    };
    QByteArray Get(const QString& url) override;

    QHash<QString, TAnswer> Answers;
    QStringList Requests; // the URLs asked for, in order
};

// Splits a whole answer into status and body. False when it is no HTTP
// answer (no status line "HTTP/1.x nnn", no end of the headers) or lacks
// body bytes its Content-Length promises; a longer body is cut to it.
bool ParseHttpAnswer(const QByteArray& Answer, int& Status, QByteArray& Body);

// Makes HTTP clients; the real one unless replaced.
using THttpClientFactory = std::function<std::unique_ptr<IHttpClient>()>;
std::unique_ptr<IHttpClient> CreateHttpClient();
// Replaces the factory; an empty one restores the real client.
void SetHttpClientFactory(THttpClientFactory factory);
