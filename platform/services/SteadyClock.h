#pragma once
// Milliseconds of the monotonic clock, for time-outs.
#include <chrono>
#include <cstdint>

inline uint64_t NowMs()
{
    using namespace std::chrono;
    return uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
