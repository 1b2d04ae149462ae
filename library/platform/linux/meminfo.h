// /proc/meminfo and /proc/self/statm, and the memory status they make.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "platform.h"

namespace qz::os {

// The /proc/meminfo figures the memory status needs, in bytes.
struct MemInfo {
    std::uint64_t total = 0;
    std::uint64_t free = 0;
    std::optional<std::uint64_t> available;  // absent before Linux 3.14
    std::uint64_t buffers = 0;
    std::uint64_t cached = 0;
    std::uint64_t swapTotal = 0;
    std::uint64_t swapFree = 0;
};

// Fails unless every figure but MemAvailable stands on a complete, well
// formed "Key: <number> kB" line and MemTotal is not zero.
std::optional<MemInfo> parseMeminfo(std::string_view text);

// The process's virtual size in pages: the first field of /proc/self/statm.
std::optional<std::uint64_t> parseStatmPages(std::string_view text);

// The status record as the platform fills it: memory load and physical
// figures from meminfo, the page file as the commit space (physical plus
// swap), the virtual figures from the process's address-space limit and
// its current size.
MEMORYSTATUSEX memoryStatus(const MemInfo &info, std::uint64_t addressSpace,
                            std::uint64_t virtualSize);

}  // namespace qz::os
