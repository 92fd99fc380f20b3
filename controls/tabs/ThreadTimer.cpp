#include "controls/tabs/ThreadTimer.h"
#include "platform/rtl/Clock.h"

#include <QTimer>

// A single-shot timer of the user-interface thread, re-armed after each tick.
struct TThreadTimer::TTickSource {
    QTimer Timer;
};

TThreadTimer::TThreadTimer(TComponent* AOwner)
    : TComponent(AOwner)
{
}

TThreadTimer::~TThreadTimer()
{
    StopTimer();
}

uint32_t TThreadTimer::NextDelay(int Interval, uint64_t Elapsed)
{
    const int64_t rest = int64_t(Interval) - int64_t(std::min<uint64_t>(Elapsed, uint64_t(INT32_MAX)));
    return uint32_t(std::max<int64_t>(rest, 10));
}

void TThreadTimer::SetEnabled(bool Value)
{
    if (Value == FEnabled)
        return;
    FEnabled = Value;
    if (Value)
        StartTimer();
    else
        StopTimer();
}

void TThreadTimer::StartTimer()
{
    if (FRunning)
        return;
    FContinue = true;
    if (!ComponentState().Contains(TComponentStateFlag::csDesigning)) {
        FTimerThread = std::make_unique<TTickSource>();
        FTimerThread->Timer.setSingleShot(true);
        FTimerThread->Timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&FTimerThread->Timer, &QTimer::timeout, [this] { DoTimer(); });
        // The first tick comes at once, as a started thread's first pass does.
        FTimerThread->Timer.start(0);
    }
    FRunning = true;
}

void TThreadTimer::StopTimer()
{
    if (!FTimerThread)
        return;
    FContinue = false;
    FRunning = false;
    FTimerThread->Timer.stop();
    // A timer stopped from its own handler goes once the tick has returned.
    if (FInTick && !FRetired)
        FRetired = std::move(FTimerThread);
    FTimerThread.reset();
}

void TThreadTimer::DoTimer()
{
    if (!FContinue)
        return;
    TTickSource* source = FTimerThread.get();
    const uint64_t start = GetTickCount64();
    FInTick = true;
    if (OnTimer) {
        try {
            OnTimer(this);
        } catch (...) {
        }
    }
    FInTick = false;
    FRetired.reset();
    // Stopped, or stopped and started again, by the handler.
    if (!FContinue || FTimerThread.get() != source)
        return;
    FTimerThread->Timer.start(int(NextDelay(FInterval, GetTickCount64() - start)));
}
