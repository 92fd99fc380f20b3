#include "controls/button/LbButtonThread.h"
#include "platform/controls/WinApi.h"
#include "platform/rtl/Clock.h"

namespace {
// The host timer only polls the clock; the clock decides when a tick is due.
constexpr unsigned PollInterval = 10;
} // namespace

TLbButtonThread::TLbButtonThread(TNotifyEvent DoNotify, TControl* Host)
    : FNotify(std::move(DoNotify)), FHost(Host)
{
}

TLbButtonThread::~TLbButtonThread() { Terminate(); }

void TLbButtonThread::Suspend()
{
    if (FSuspended)
        return;
    FSuspended = true;
    KillTimer(FHost, TimerID);
}

void TLbButtonThread::Resume()
{
    if (!FSuspended || FTerminated)
        return;
    FSuspended = false;
    FLastTick = GetTickCount64();
    SetTimer(FHost, TimerID, PollInterval);
}

void TLbButtonThread::Terminate()
{
    FTerminated = true;
    Suspend();
}

void TLbButtonThread::Execute()
{
    if (FSuspended || FTerminated)
        return;
    const std::uint64_t now = GetTickCount64();
    if (now - FLastTick < FadeInterval)
        return;
    FLastTick = now;
    DoEvent();
}

void TLbButtonThread::DoEvent()
{
    if (FNotify)
        FNotify(this);
}
