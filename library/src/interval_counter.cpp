// qzHighCounterStart, qzHighCounterEnd, qzFrequencyCounter: short intervals
// timed with the performance counter.
//
// One start slot serves the whole process: an End measures from whichever
// Start came last, on any thread, and from zero if there was none. Intervals
// are whole 64-bit differences, so a long one saturates instead of wrapping.

#include <atomic>

#include "module_state.h"
#include "platform.h"
#include "qztalvex.h"
#include "saturate.h"

extern "C" QZ_API std::int32_t QZ_CALL qzHighCounterStart(void) {
    LARGE_INTEGER now{};
    const BOOL ok = QueryPerformanceCounter(&now);
    qz::moduleState.counterStart.store(now.QuadPart, std::memory_order_relaxed);
    return ok;
}

extern "C" QZ_API std::int32_t QZ_CALL qzHighCounterEnd(void) {
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    auto &state = qz::moduleState;
    state.counterEnd.store(now.QuadPart, std::memory_order_relaxed);
    const std::int64_t start = state.counterStart.load(std::memory_order_relaxed);
    // Readings never decrease; a start from the future can only mean a
    // concurrent Start landed after our reading, and that interval is empty.
    if (now.QuadPart <= start) return 0;
    return qz::saturate(static_cast<std::uint64_t>(now.QuadPart) - static_cast<std::uint64_t>(start));
}

extern "C" QZ_API std::int32_t QZ_CALL qzFrequencyCounter(void) {
    LARGE_INTEGER frequency{};
    if (!QueryPerformanceFrequency(&frequency)) return 0;
    return qz::saturate(frequency.QuadPart);
}
