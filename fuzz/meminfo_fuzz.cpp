// /proc/meminfo text of any shape: parsed or refused, and a parsed one
// always makes a sane memory status.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "meminfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto info = qz::os::parseMeminfo(text);
    if (!info) return 0;
    const auto status = qz::os::memoryStatus(*info, std::uint64_t{1} << 47, size);
    if (status.dwMemoryLoad > 100 || status.ullAvailPhys > status.ullTotalPhys ||
        status.ullTotalPhys == 0 || status.ullAvailPageFile < status.ullAvailPhys ||
        status.ullTotalPageFile < status.ullTotalPhys)
        std::abort();
    return 0;
}
