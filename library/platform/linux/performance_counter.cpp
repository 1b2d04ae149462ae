// QueryPerformanceCounter and QueryPerformanceFrequency on the monotonic
// clock, which never jumps when the wall clock is set, in ticks of 100 ns as
// the platform counts on its current versions.

#include <time.h>

#include "platform.h"

namespace {
constexpr LONGLONG kTicksPerSecond = 10'000'000;
constexpr LONGLONG kNanosecondsPerTick = 1'000'000'000 / kTicksPerSecond;
}  // namespace

BOOL QueryPerformanceCounter(LARGE_INTEGER *count) {
    timespec now{};
    if (count == nullptr || clock_gettime(CLOCK_MONOTONIC, &now) != 0) return FALSE;
    count->QuadPart = static_cast<LONGLONG>(now.tv_sec) * kTicksPerSecond +
                      static_cast<LONGLONG>(now.tv_nsec) / kNanosecondsPerTick;
    return TRUE;
}

BOOL QueryPerformanceFrequency(LARGE_INTEGER *frequency) {
    if (frequency == nullptr) return FALSE;
    frequency->QuadPart = kTicksPerSecond;
    return TRUE;
}
