// /proc/stat text of any shape: parsed or refused; kernel time never falls
// below idle time.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "proc_stat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto ticks = qz::os::parseStatCpu(text);
    if (!ticks) return 0;
    for (std::uint64_t hz : {1u, 100u, 250u, 1000u}) {
        const auto times = qz::os::systemTimes(*ticks, hz);
        if (times.kernel < times.idle) std::abort();
    }
    return 0;
}
