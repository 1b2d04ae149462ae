// The aggregate "cpu" line of /proc/stat, and the system times it gives.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qz::os {

// Clock ticks, summed over every processor. Columns that an older kernel
// does not write count as 0.
struct CpuTicks {
    std::uint64_t user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0,
                  steal = 0;
};

// Fails unless the text starts with a complete "cpu " line of at least the
// four original columns, every one a plain number.
std::optional<CpuTicks> parseStatCpu(std::string_view text);

// The platform's three times, in 100-ns intervals. Kernel time includes the
// idle time, as the platform counts it; user time includes nice (and guest,
// which the kernel already counts inside user); steal counts in none.
struct SystemTimes {
    std::uint64_t idle = 0, kernel = 0, user = 0;
};
SystemTimes systemTimes(const CpuTicks &ticks, std::uint64_t ticksPerSecond);

}  // namespace qz::os
