#include "controls/tabs/ThreadTimer.h"
#include "platform/controls/Timer.h"
#include "platform/rtl/Clock.h"

#include <algorithm>

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

uint64_t TThreadTimer::NextDue() const
{
    return FTimerThread ? FTimerThread->NextDue() : 0;
}

void TThreadTimer::CheckDue()
{
    if (FTimerThread)
        FTimerThread->CheckDue();
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
        FTimerThread = std::make_unique<TTimer>();
        FTimerThread->OnTimer = [this](TObject*) { DoTimer(); };
        // The first tick comes right away.
        FTimerThread->SetInterval(1);
    }
    FRunning = true;
}

void TThreadTimer::StopTimer()
{
    if (!FTimerThread)
        return;
    FContinue = false;
    FRunning = false;
    FTimerThread->SetEnabled(false);
    // A timer stopped from its own handler goes once the tick has returned.
    if (FInTick && !FRetired)
        FRetired = std::move(FTimerThread);
    FTimerThread.reset();
}

void TThreadTimer::DoTimer()
{
    if (!FContinue)
        return;
    TTimer* source = FTimerThread.get();
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
    // Re-arm from now: a new period starts when the timer is enabled again.
    source->SetEnabled(false);
    source->SetInterval(NextDelay(FInterval, GetTickCount64() - start));
    source->SetEnabled(true);
}
