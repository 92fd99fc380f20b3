#include "platform/controls/Timer.h"
#include "platform/controls/Control.h"
#include "platform/rtl/Clock.h"
#include <QTimer>

struct TTimer::Impl {
    QTimer Timer;
};

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner), FImpl(std::make_unique<Impl>())
{
    FImpl->Timer.setSingleShot(true);
    FImpl->Timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&FImpl->Timer, &QTimer::timeout, [this]() { CheckDue(); });
    // A new timer runs: enabled, every second.
    UpdateTimer();
}

TTimer::~TTimer() = default;

void TTimer::SetEnabled(bool value)
{
    if (FEnabled == value)
        return;
    FEnabled = value;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned value)
{
    if (FInterval == value)
        return;
    FInterval = value;
    FRunning = false;
    UpdateTimer();
}

void TTimer::UpdateTimer()
{
    bool run = FEnabled && FInterval > 0;
    if (!run) {
        FRunning = false;
        FImpl->Timer.stop();
        return;
    }
    if (FRunning)
        return;
    FRunning = true;
    FDue = GetTickCount64() + FInterval;
    Schedule();
}

void TTimer::Schedule()
{
    uint64_t now = GetTickCount64();
    FImpl->Timer.start(int(FDue > now ? FDue - now : 0));
}

void TTimer::CheckDue()
{
    if (!FRunning)
        return;
    uint64_t now = GetTickCount64();
    if (now < FDue) {
        Schedule();
        return;
    }
    // Periods missed while the program was busy are not made up.
    while (FDue <= now)
        FDue += FInterval;
    Schedule();
    try {
        Timer();
    } catch (...) {
        HandleCurrentException(this);
    }
}

void TTimer::Timer()
{
    CallEvent(OnTimer, this);
}
