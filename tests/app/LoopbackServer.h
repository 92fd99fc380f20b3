#pragma once
// A one-thread HTTP server on 127.0.0.1 for the version check: it records
// the last request and sends a fixed answer, or keeps the connection open
// without a word when it is silent.
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
    QByteArray Request();

private:
    bool Wait(int Fd);
    void Run();

    QByteArray FAnswer;
    bool FSilent;
    int FListen = -1;
    int FPort = 0;
    std::atomic<bool> FStop{false};
    std::mutex FMutex;
    QByteArray FRequest;
    std::thread FThread;
};
