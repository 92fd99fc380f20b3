#pragma once
// The clock and tick counter behind an interface that tests replace.
#include <cstdint>

using TDateTime = double;

class IClock {
public:
    virtual ~IClock() = default;
    // Local date and time.
    virtual TDateTime Now() = 0;
    // Monotonic milliseconds since an arbitrary start.
    virtual uint64_t GetTickCount64() = 0;
};

// Wall clock and a monotonic timer.
class TSystemClock : public IClock {
public:
    TDateTime Now() override;
    uint64_t GetTickCount64() override;
};

// A clock that moves only when told to.
class TFakeClock : public IClock {
public:
    explicit TFakeClock(TDateTime now = 0, uint64_t ticks = 0) : FNow(now), FTicks(ticks) {}
    TDateTime Now() override { return FNow; }
    uint64_t GetTickCount64() override { return FTicks; }

    void SetNow(TDateTime now) { FNow = now; }
    void SetTicks(uint64_t ticks) { FTicks = ticks; }
    // Moves both the tick count and the date-time forward by ms milliseconds.
    void Advance(uint64_t ms);

private:
    TDateTime FNow;
    uint64_t FTicks;
};

// The clock in use; the system clock unless replaced.
IClock& Clock();
// Replaces the process-wide clock; nullptr restores the system clock.
// Note: the caller keeps ownership and must restore it before freeing.
void SetClock(IClock* clock);

uint64_t GetTickCount64();
// Waits ms milliseconds. Note: with a TFakeClock in use the clock moves
// forward by ms instead, so a wait in a test costs no time.
void Sleep(uint32_t ms);
// Note: wraps around after 49.7 days, as the framework's does.
uint32_t GetTickCount();
