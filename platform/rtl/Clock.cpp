#include "platform/rtl/Clock.h"
#include <QDate>
#include <QDateTime>
#include <QTime>
#include <atomic>
#include <chrono>
#include <thread>

namespace {

std::atomic<IClock*> CurrentClock{nullptr};

IClock& SystemClock()
{
    static TSystemClock clock;
    return clock;
}

} // namespace

TDateTime TSystemClock::Now()
{
    const QDateTime now = QDateTime::currentDateTime();
    const qint64 days = now.date().toJulianDay() - QDate(1899, 12, 30).toJulianDay();
    return double(days) + now.time().msecsSinceStartOfDay() / (24.0 * 60 * 60 * 1000);
}

uint64_t TSystemClock::GetTickCount64()
{
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void TFakeClock::Advance(uint64_t ms)
{
    FTicks += ms;
    FNow += double(ms) / (24.0 * 60 * 60 * 1000);
}

IClock& Clock()
{
    IClock* clock = CurrentClock.load();
    return clock ? *clock : SystemClock();
}

void SetClock(IClock* clock)
{
    CurrentClock.store(clock);
}

uint64_t GetTickCount64()
{
    return Clock().GetTickCount64();
}

void Sleep(uint32_t ms)
{
    if (auto* fake = dynamic_cast<TFakeClock*>(&Clock()))
        fake->Advance(ms);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

uint32_t GetTickCount()
{
    return uint32_t(Clock().GetTickCount64());
}
