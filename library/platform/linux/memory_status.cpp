// GlobalMemoryStatusEx from /proc/meminfo, /proc/self/statm and the
// process's address-space limit.

#include <sys/resource.h>
#include <unistd.h>

#include <string_view>

#include "meminfo.h"
#include "platform.h"
#include "proc_file.h"

namespace {

// The user part of the address space, the most a process can map.
constexpr std::uint64_t userAddressSpace() {
#if defined(__x86_64__)
    return (std::uint64_t{1} << 47) - 4096;  // 4-level paging; the last page is a guard
#elif defined(__aarch64__)
    return std::uint64_t{1} << 48;
#elif defined(__i386__) || defined(__arm__)
    return std::uint64_t{3} << 30;  // the 3 GiB / 1 GiB split
#elif defined(__riscv) && __riscv_xlen == 64
    return std::uint64_t{1} << 38;  // Sv39
#elif defined(__s390x__) || defined(__powerpc64__)
    return std::uint64_t{1} << 47;
#else
    return (std::uint64_t{1} << (sizeof(void *) * 8 - 1));
#endif
}

std::uint64_t addressSpace() {
    std::uint64_t space = userAddressSpace();
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) == 0 && limit.rlim_cur != RLIM_INFINITY &&
        limit.rlim_cur < space)
        space = limit.rlim_cur;
    return space;
}

}  // namespace

BOOL GlobalMemoryStatusEx(MEMORYSTATUSEX *status) {
    if (status == nullptr) return FALSE;
    *status = MEMORYSTATUSEX{};

    char meminfo[8192];
    const ssize_t meminfoSize = qz::os::readProcFile(qz::os::ProcSource::Meminfo, meminfo, sizeof meminfo);
    if (meminfoSize <= 0) return FALSE;
    const auto info = qz::os::parseMeminfo({meminfo, static_cast<std::size_t>(meminfoSize)});
    if (!info) return FALSE;

    char statm[256];
    const ssize_t statmSize = qz::os::readProcFile(qz::os::ProcSource::SelfStatm, statm, sizeof statm);
    if (statmSize <= 0) return FALSE;
    const auto pages = qz::os::parseStatmPages({statm, static_cast<std::size_t>(statmSize)});
    if (!pages) return FALSE;

    static const auto pageSize = static_cast<std::uint64_t>(sysconf(_SC_PAGESIZE));
    *status = qz::os::memoryStatus(*info, addressSpace(), *pages * pageSize);
    return TRUE;
}
