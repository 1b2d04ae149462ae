// The floors: the cheapest way the kernel gives each fresh figure.
#pragma once

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

namespace bench {

inline long clockFloor() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return now.tv_nsec;
}

// open + read + close of a /proc file, as much as the export itself reads.
inline ssize_t openReadClose(const char *path, char *buffer, std::size_t size) {
    const int fd = open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return -1;
    const ssize_t got = read(fd, buffer, size);
    close(fd);
    return got;
}

// cpu0's block of /proc/cpuinfo: read until its blank line.
inline std::size_t cpuinfoFirstBlock(char *buffer, std::size_t size) {
    const int fd = open("/proc/cpuinfo", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    std::size_t total = 0;
    while (total < size) {
        const ssize_t got = read(fd, buffer + total, size - total);
        if (got <= 0) break;
        total += static_cast<std::size_t>(got);
        if (memmem(buffer, total, "\n\n", 2)) break;
    }
    close(fd);
    return total;
}

}  // namespace bench
