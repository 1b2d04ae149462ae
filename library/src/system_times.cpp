// qzGetIdleTime, qzGetKernelTime, qzGetUserTime: system-wide CPU time.
//
// The three share one body. Every call refreshes all three records in module
// state and then reports its own record back from there, so a call may see a
// value that a concurrent call on another thread wrote a moment later.

#include <atomic>

#include "filetime.h"
#include "module_state.h"
#include "platform.h"
#include "qztalvex.h"
#include "saturate.h"

namespace {

constexpr std::uint64_t kIntervalsPerSecond = 10'000'000;  // FILETIME counts 100 ns
constexpr std::int32_t kMinutes = 1;

std::int32_t systemTime(std::atomic<std::uint64_t> qz::ModuleState::*record, std::int32_t unit) {
    FILETIME idle{}, kernel{}, user{};
    if (!GetSystemTimes(&idle, &kernel, &user)) return 0;

    auto &state = qz::moduleState;
    state.idleTime.store(qz::fromFiletime(idle), std::memory_order_relaxed);
    state.kernelTime.store(qz::fromFiletime(kernel), std::memory_order_relaxed);
    state.userTime.store(qz::fromFiletime(user), std::memory_order_relaxed);

    std::uint64_t result = (state.*record).load(std::memory_order_relaxed) / kIntervalsPerSecond;
    if (unit == kMinutes) result /= 60;
    return qz::saturate(result);
}

}  // namespace

extern "C" QZ_API std::int32_t QZ_CALL qzGetIdleTime(std::int32_t unit) {
    return systemTime(&qz::ModuleState::idleTime, unit);
}

extern "C" QZ_API std::int32_t QZ_CALL qzGetKernelTime(std::int32_t unit) {
    return systemTime(&qz::ModuleState::kernelTime, unit);
}

extern "C" QZ_API std::int32_t QZ_CALL qzGetUserTime(std::int32_t unit) {
    return systemTime(&qz::ModuleState::userTime, unit);
}
