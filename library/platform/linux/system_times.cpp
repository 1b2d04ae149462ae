// GetSystemTimes from the aggregate "cpu" line of /proc/stat.

#include <unistd.h>

#include "platform.h"
#include "proc_file.h"
#include "proc_stat.h"

BOOL GetSystemTimes(FILETIME *idle, FILETIME *kernel, FILETIME *user) {
    // The first line is all we need; the kernel writes the rest regardless,
    // but there is no sense copying it out.
    char text[512];
    const ssize_t size = qz::os::readProcFile(qz::os::ProcSource::Stat, text, sizeof text);
    if (size <= 0) return FALSE;
    const auto ticks = qz::os::parseStatCpu({text, static_cast<std::size_t>(size)});
    static const long ticksPerSecond = sysconf(_SC_CLK_TCK);
    if (!ticks || ticksPerSecond <= 0) return FALSE;

    const auto times = qz::os::systemTimes(*ticks, static_cast<std::uint64_t>(ticksPerSecond));
    const auto store = [](FILETIME *to, std::uint64_t value) {
        if (to) *to = FILETIME{static_cast<DWORD>(value), static_cast<DWORD>(value >> 32)};
    };
    store(idle, times.idle);
    store(kernel, times.kernel);
    store(user, times.user);
    return TRUE;
}
