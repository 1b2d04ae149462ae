#include "meminfo.h"

#include "text.h"

namespace qz::os {
namespace {

struct Wanted {
    std::string_view key;
    std::uint64_t MemInfo::*field;
};

constexpr Wanted kWanted[] = {
    {"MemTotal", &MemInfo::total},      {"MemFree", &MemInfo::free},
    {"Buffers", &MemInfo::buffers},     {"Cached", &MemInfo::cached},
    {"SwapTotal", &MemInfo::swapTotal}, {"SwapFree", &MemInfo::swapFree},
};

// "<number> kB" in bytes; anything else on a line we rely on is garbage.
std::optional<std::uint64_t> kilobytes(std::string_view value) {
    const auto number = takeDecimal(value);
    if (!number || value != " kB" || *number > UINT64_MAX / 1024) return std::nullopt;
    return *number * 1024;
}

std::uint64_t minus(std::uint64_t a, std::uint64_t b) {
    return a > b ? a - b : 0;
}

std::uint64_t plus(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

}  // namespace

std::optional<MemInfo> parseMeminfo(std::string_view text) {
    MemInfo info;
    unsigned seen = 0;
    while (const auto line = nextLine(text)) {
        const auto field = splitField(*line);
        if (!field) continue;
        if (field->key == "MemAvailable") {
            info.available = kilobytes(field->value);
            if (!info.available) return std::nullopt;
            continue;
        }
        for (unsigned i = 0; i < std::size(kWanted); ++i) {
            if (field->key != kWanted[i].key) continue;
            const auto bytes = kilobytes(field->value);
            if (!bytes) return std::nullopt;
            info.*kWanted[i].field = *bytes;
            seen |= 1u << i;
        }
        // Everything wanted stands in the first lines; the rest of the file
        // is not ours to judge.
        if (seen == (1u << std::size(kWanted)) - 1 && info.available) break;
    }
    if (seen != (1u << std::size(kWanted)) - 1 || info.total == 0) return std::nullopt;
    return info;
}

std::optional<std::uint64_t> parseStatmPages(std::string_view text) {
    const auto pages = takeDecimal(text);
    if (!pages || text.empty() || (text.front() != ' ' && text.front() != '\n'))
        return std::nullopt;
    return pages;
}

MEMORYSTATUSEX memoryStatus(const MemInfo &info, std::uint64_t addressSpace,
                            std::uint64_t virtualSize) {
    // MemAvailable is the kernel's own estimate of what can be had without
    // swapping; older kernels (and some emulation layers that report 0)
    // leave the classic sum as the nearest thing.
    std::uint64_t available = info.available.value_or(0);
    if (available == 0) available = plus(plus(info.free, info.buffers), info.cached);
    if (available > info.total) available = info.total;

    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    const std::uint64_t used = info.total - available;
    const auto hundredfold = static_cast<unsigned __int128>(used) * 100 + info.total / 2;
    status.dwMemoryLoad = static_cast<DWORD>(hundredfold / info.total);  // rounded percent
    status.ullTotalPhys = info.total;
    status.ullAvailPhys = available;
    status.ullTotalPageFile = plus(info.total, info.swapTotal);
    status.ullAvailPageFile = plus(available, info.swapFree);
    status.ullTotalVirtual = addressSpace;
    status.ullAvailVirtual = minus(addressSpace, virtualSize);
    return status;
}

}  // namespace qz::os
