#pragma once
// TTimer: runs OnTimer every Interval milliseconds while Enabled, from the
// event loop. Enabling a running timer keeps its phase; a new Interval
// starts a new period; Interval 0 keeps it stopped (Enabled stays as set).
// The phase follows the replaceable clock (Clock.h).
#include "platform/rtl/Object.h"
#include <cstdint>
#include <memory>

class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* AOwner = nullptr);
    ~TTimer() override;

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value);
    unsigned Interval() const { return FInterval; }
    void SetInterval(unsigned value);
    // True while the timer counts (Enabled and an Interval).
    bool Running() const { return FRunning; }
    // The clock tick at which OnTimer runs next; 0 when not running.
    uint64_t NextDue() const { return FRunning ? FDue : 0; }
    TNotifyEvent OnTimer;

    // Runs OnTimer when the clock has reached NextDue and schedules the
    // next period; the event loop calls it.
    void CheckDue();

protected:
    virtual void Timer();

private:
    struct Impl;
    void UpdateTimer();
    void Schedule();

    bool FEnabled = true;
    unsigned FInterval = 1000;
    bool FRunning = false;
    uint64_t FDue = 0;
    std::unique_ptr<Impl> FImpl;
};
