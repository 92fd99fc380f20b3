#pragma once
// The tab strip's animation timer. Each tick runs OnTimer on the user-
// interface thread; the next tick is armed when the handler has returned,
// Interval minus the tick's own time later but never sooner than 10 ms, so
// a slow handler never makes ticks run back to back. Times follow the
// replaceable clock (Clock.h).
#include "platform/rtl/Object.h"
#include <cstdint>
#include <memory>

class TTimer;

class TThreadTimer : public TComponent {
public:
    // Interval 0 and disabled.
    explicit TThreadTimer(TComponent* AOwner = nullptr);
    // Stops the timer first.
    ~TThreadTimer() override;

    // Milliseconds; read anew after each tick.
    int Interval() const { return FInterval; }
    void SetInterval(int Value) { FInterval = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Note: exceptions raised by the handler are swallowed; the timer goes on.
    TNotifyEvent OnTimer;

    // True between StartTimer and StopTimer (also at design time, where no
    // ticks come).
    bool Running() const { return FRunning; }
    // The clock tick of the next tick; 0 when none is armed.
    uint64_t NextDue() const;
    // Ticks when the clock has reached NextDue; the event loop calls it.
    void CheckDue();
    // The pause after a tick that took Elapsed ms.
    static uint32_t NextDelay(int Interval, uint64_t Elapsed);

protected:
    void StartTimer();
    void StopTimer();
    // One tick: the handler, then the next tick is armed.
    void DoTimer();

private:
    int FInterval = 0;
    bool FContinue = false;
    bool FRunning = false;
    bool FEnabled = false;
    bool FInTick = false;
    std::unique_ptr<TTimer> FTimerThread;
    std::unique_ptr<TTimer> FRetired;
};
