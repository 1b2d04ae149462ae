// qzGetMemorySize: one figure of the current memory status.

#include "platform.h"
#include "qztalvex.h"
#include "saturate.h"

namespace {

enum Selector : std::int32_t {
    kMemoryLoad = 1,
    kTotalPhysical = 2,
    kAvailablePhysical = 3,
    kTotalVirtual = 4,
    kAvailableVirtual = 5,
    kTotalPageFile = 6,
    kAvailablePageFile = 7,
};

enum Unit : std::int32_t { kKilobytes = 1, kMegabytes = 2 };

std::uint64_t pick(const MEMORYSTATUSEX &status, std::int32_t selector) {
    switch (selector) {
        case kMemoryLoad: return status.dwMemoryLoad;
        case kTotalPhysical: return status.ullTotalPhys;
        case kAvailablePhysical: return status.ullAvailPhys;
        case kTotalVirtual: return status.ullTotalVirtual;
        case kAvailableVirtual: return status.ullAvailVirtual;
        case kTotalPageFile: return status.ullTotalPageFile;
        case kAvailablePageFile: return status.ullAvailPageFile;
        default: return 0;
    }
}

}  // namespace

extern "C" QZ_API std::int32_t QZ_CALL qzGetMemorySize(std::int32_t selector, std::int32_t unit) {
    // Asked afresh whatever the arguments; a failed query reads as all zeros.
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    if (!GlobalMemoryStatusEx(&status)) return 0;

    std::uint64_t value = pick(status, selector);
    if (selector <= kMemoryLoad) return qz::saturate(value);  // a percentage is never scaled
    if (unit == kKilobytes) value /= 1024;
    if (unit == kMegabytes) value = value / 1024 / 1024;
    return qz::saturate(value);
}
