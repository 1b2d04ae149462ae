// The library's memory figures on this machine against /proc read here.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

#include "qztalvex.h"

namespace {

std::map<std::string, long long> meminfoKilobytes() {
    std::ifstream in("/proc/meminfo");
    std::map<std::string, long long> figures;
    std::string key;
    long long value;
    std::string unit;
    while (in >> key >> value) {
        key.pop_back();  // the colon
        figures[key] = value;
        std::getline(in, unit);
    }
    return figures;
}

// Memory moves while we look; allow a little drift between two readings.
constexpr long long kDriftKilobytes = 64 * 1024;

TEST(LiveMemory, FiguresMatchMeminfo) {
    auto m = meminfoKilobytes();
    ASSERT_GT(m["MemTotal"], 0);
    EXPECT_EQ(qzGetMemorySize(2, 1), m["MemTotal"]);
    EXPECT_NEAR(qzGetMemorySize(3, 1), m["MemAvailable"], kDriftKilobytes);
    EXPECT_EQ(qzGetMemorySize(6, 1), m["MemTotal"] + m["SwapTotal"]);
    EXPECT_NEAR(qzGetMemorySize(7, 1), m["MemAvailable"] + m["SwapFree"], kDriftKilobytes);
    const double load = 100.0 * double(m["MemTotal"] - m["MemAvailable"]) / double(m["MemTotal"]);
    EXPECT_NEAR(qzGetMemorySize(1, 0), load, 1.5);
}

TEST(LiveMemory, UnitsAgree) {
    for (int selector = 2; selector <= 7; ++selector) {
        const std::int32_t kb = qzGetMemorySize(selector, 1);
        const std::int32_t mb = qzGetMemorySize(selector, 2);
        EXPECT_GT(kb, 0) << selector;
        // A figure too large for the unit saturates; the larger unit still has it.
        if (kb < INT32_MAX) EXPECT_NEAR(mb, kb / 1024, 64) << selector;
        else EXPECT_GE(mb, INT32_MAX / 1024) << selector;
        const std::int32_t bytes = qzGetMemorySize(selector, 0);
        if (kb < 2097151) EXPECT_NEAR(bytes / 1024, kb, kDriftKilobytes) << selector;
        else EXPECT_EQ(bytes, INT32_MAX) << selector;
    }
    EXPECT_LE(qzGetMemorySize(3, 1), qzGetMemorySize(2, 1));
    EXPECT_LE(qzGetMemorySize(5, 2), qzGetMemorySize(4, 2));
}

long long virtualBytes() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0;
    statm >> pages;
    return pages * sysconf(_SC_PAGESIZE);
}

TEST(LiveMemory, VirtualFollowsTheAddressSpaceLimitAndTheProcessSize) {
    // Run in a child so the limit stays there. The limit is set 1 GiB above
    // what the process already maps (a sanitizer's shadow maps a great deal).
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        constexpr long long MiB = 1 << 20, userSpace = (1ll << 47) - 4096;
        const long long limitBytes = virtualBytes() + 1024 * MiB;
        if (limitBytes >= userSpace) _exit(0);  // no lower limit to show
        const rlimit limit{static_cast<rlim_t>(limitBytes), static_cast<rlim_t>(limitBytes)};
        if (setrlimit(RLIMIT_AS, &limit) != 0) _exit(2);
        const std::int32_t total = qzGetMemorySize(4, 2);
        const std::int32_t avail = qzGetMemorySize(5, 2);
        const long long expected = (limitBytes - virtualBytes()) / MiB;
        _exit(total == limitBytes / MiB && std::llabs(avail - expected) <= 2 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    // Without a limit this 64-bit process sees its whole user address space.
    EXPECT_EQ(qzGetMemorySize(4, 2), 134217727);
}

}  // namespace
