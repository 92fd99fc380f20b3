#pragma once
// TLbButtonThread: the ticker of a button's hot-track fade. It runs on the
// user-interface thread: while resumed, a timer of its host control calls
// Execute, which runs DoEvent each time FadeInterval milliseconds have
// passed on the replaceable clock since the resume or the last tick.
#include "platform/rtl/Object.h"
#include <cstdint>

class TControl;

class TLbButtonThread : public TObject {
public:
    // Milliseconds between two ticks.
    static constexpr unsigned FadeInterval = 30;
    // The host's timer id; the host's WM_TIMER with this id calls Execute.
    static constexpr unsigned TimerID = 0x4C42;

    // Created suspended. DoNotify runs on every tick with the ticker as sender.
    TLbButtonThread(TNotifyEvent DoNotify, TControl* Host);
    ~TLbButtonThread() override;

    bool Suspended() const { return FSuspended; }
    // Parks the ticker; it resumes where it stopped.
    void Suspend();
    // Note: the next tick comes FadeInterval ms after the resume.
    void Resume();
    // Stops for good; Resume does nothing afterwards.
    void Terminate();
    bool Terminated() const { return FTerminated; }

    // One look at the clock; ticks when the interval has passed.
    void Execute();

protected:
    void DoEvent();

private:
    TNotifyEvent FNotify;
    TControl* FHost;
    bool FSuspended = true;
    bool FTerminated = false;
    std::uint64_t FLastTick = 0;
};
