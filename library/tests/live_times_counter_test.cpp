// System times and the interval counter on this machine.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "qztalvex.h"

namespace {

struct Seconds {
    long long idle, kernel, user;
};

Seconds statSeconds() {
    std::ifstream in("/proc/stat");
    std::string cpu;
    long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0, irq = 0, softirq = 0;
    in >> cpu >> user >> nice >> system >> idle >> iowait >> irq >> softirq;
    const long long hz = sysconf(_SC_CLK_TCK);
    return {(idle + iowait) / hz, (system + irq + softirq + idle + iowait) / hz, (user + nice) / hz};
}

TEST(LiveTimes, MatchProcStat) {
    const Seconds before = statSeconds();
    const std::int32_t idle = qzGetIdleTime(0), kernel = qzGetKernelTime(0), user = qzGetUserTime(0);
    const Seconds after = statSeconds();
    EXPECT_GE(idle, before.idle - 1);
    EXPECT_LE(idle, after.idle + 1);
    EXPECT_GE(kernel, before.kernel - 1);
    EXPECT_LE(kernel, after.kernel + 1);
    EXPECT_GE(user, before.user - 1);
    EXPECT_LE(user, after.user + 1);
    EXPECT_GE(qzGetKernelTime(0), qzGetIdleTime(0));
    EXPECT_NEAR(qzGetIdleTime(1), qzGetIdleTime(0) / 60, 1);
}

TEST(LiveCounter, TimesASleepInTicksOf100ns) {
    EXPECT_EQ(qzFrequencyCounter(), 10'000'000);
    EXPECT_NE(qzHighCounterStart(), 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::int32_t first = qzHighCounterEnd();
    const std::int32_t second = qzHighCounterEnd();
    EXPECT_GE(first, 500'000);     // at least the 50 ms slept
    EXPECT_LT(first, 50'000'000);  // and nowhere near 5 s: a units check, not a speed test
    EXPECT_GE(second, first);
}

}  // namespace
