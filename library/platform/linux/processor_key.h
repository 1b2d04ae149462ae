// The processor key's values on this machine, read afresh: cpu0's block of
// /proc/cpuinfo, the kernel's architecture, and cpufreq for the clock when
// cpuinfo has none.
#pragma once

#include <cstddef>
#include <string_view>

#include "cpuinfo.h"

namespace qz::os {

// Big enough for cpu0's block on any machine seen: the longest x86 blocks,
// with every flag and bug listed, run to about 3 KiB.
constexpr std::size_t kCpuinfoBlockCapacity = 8192;

// Reads cpu0's block into buffer and makes the values from it; name and
// vendor point into buffer. "~MHz" falls back to cpufreq only if withClock.
// All values are missing when /proc/cpuinfo cannot be read.
ProcessorValues currentProcessorValues(char (&buffer)[kCpuinfoBlockCapacity], bool withClock);

// The running kernel's architecture, as uname(2) gives it.
std::string_view kernelMachine();

}  // namespace qz::os
