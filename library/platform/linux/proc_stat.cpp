#include "proc_stat.h"

#include "text.h"

namespace qz::os {
namespace {

std::uint64_t plus(std::uint64_t a, std::uint64_t b) { return a > UINT64_MAX - b ? UINT64_MAX : a + b; }

// Ticks to 100-ns intervals without overflowing on the way.
std::uint64_t intervals(std::uint64_t ticks, std::uint64_t perSecond) {
    const auto result = static_cast<unsigned __int128>(ticks) * 10'000'000 / perSecond;
    return result > UINT64_MAX ? UINT64_MAX : static_cast<std::uint64_t>(result);
}

}  // namespace

std::optional<CpuTicks> parseStatCpu(std::string_view text) {
    auto line = nextLine(text);
    if (!line || !line->starts_with("cpu ")) return std::nullopt;
    auto rest = line->substr(4);

    std::uint64_t CpuTicks::*const columns[] = {&CpuTicks::user,   &CpuTicks::nice, &CpuTicks::system,
                                                &CpuTicks::idle,   &CpuTicks::iowait, &CpuTicks::irq,
                                                &CpuTicks::softirq, &CpuTicks::steal};
    CpuTicks ticks;
    unsigned read = 0;
    for (auto column : columns) {
        skipBlanks(rest);
        if (rest.empty()) break;
        const auto value = takeDecimal(rest);
        if (!value || (!rest.empty() && rest.front() != ' ')) return std::nullopt;
        ticks.*column = *value;
        ++read;
    }
    // Guest columns may follow; they are already inside user and nice.
    for (skipBlanks(rest); !rest.empty(); skipBlanks(rest))
        if (!takeDecimal(rest) || (!rest.empty() && rest.front() != ' ')) return std::nullopt;
    if (read < 4) return std::nullopt;
    return ticks;
}

SystemTimes systemTimes(const CpuTicks &ticks, std::uint64_t ticksPerSecond) {
    const std::uint64_t idle = plus(ticks.idle, ticks.iowait);
    const std::uint64_t kernel = plus(plus(plus(ticks.system, ticks.irq), ticks.softirq), idle);
    const std::uint64_t user = plus(ticks.user, ticks.nice);
    return {intervals(idle, ticksPerSecond), intervals(kernel, ticksPerSecond),
            intervals(user, ticksPerSecond)};
}

}  // namespace qz::os
