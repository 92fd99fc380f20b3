#pragma once
// A one-thread HTTP server on 127.0.0.1: it records the last request and
// sends a fixed answer, or keeps the connection open without a word when it
// is silent.
#include <QByteArray>
#include <QString>
#include <atomic>
#include <mutex>
#include <thread>

class TLoopbackServer {
public:
    explicit TLoopbackServer(QByteArray Answer, bool Silent = false);
    ~TLoopbackServer();

    // "127.0.0.1:port", ready for Maker_Host.
    QString Host() const;
    int Port() const { return FPort; }
    QByteArray Request();
    // Connections accepted so far.
    int Connections() const { return FConnections; }

private:
    bool Wait(int Fd);
    void Run();

    QByteArray FAnswer;
    bool FSilent;
    int FListen = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::atomic<int> FConnections{0};
    std::mutex FMutex;
    QByteArray FRequest;
    std::thread FThread;
};
