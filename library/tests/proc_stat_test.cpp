// The aggregate cpu line of /proc/stat and the times the platform reports.
#include <gtest/gtest.h>

#include "kernel_text.h"
#include "proc_stat.h"

using qz::os::parseStatCpu;
using qz::os::systemTimes;

TEST(StatCpu, CurrentKernel) {
    const auto ticks = parseStatCpu(fixture("stat.linux-6.18"));
    ASSERT_TRUE(ticks);
    EXPECT_EQ(ticks->user, 7216u);
    EXPECT_EQ(ticks->system, 4422u);
    EXPECT_EQ(ticks->idle, 49303u);
    EXPECT_EQ(ticks->iowait, 386u);
    EXPECT_EQ(ticks->softirq, 238u);

    // 100 ticks a second: one tick is 100000 intervals of 100 ns.
    const auto times = systemTimes(*ticks, 100);
    EXPECT_EQ(times.idle, (49303ull + 386) * 100000);
    EXPECT_EQ(times.kernel, (4422ull + 0 + 238 + 49303 + 386) * 100000);
    EXPECT_EQ(times.user, 7216ull * 100000);
    EXPECT_GE(times.kernel, times.idle);
}

TEST(StatCpu, OldKernelFourColumns) {
    const auto ticks = parseStatCpu("cpu  1000 20 300 4000\ncpu0 1000 20 300 4000\n");
    ASSERT_TRUE(ticks);
    const auto times = systemTimes(*ticks, 250);  // clock ticks are not assumed to be 100
    EXPECT_EQ(times.user, 1020u * 40000u);
    EXPECT_EQ(times.kernel, 4300u * 40000u);
    EXPECT_EQ(times.idle, 4000u * 40000u);
}

TEST(StatCpu, StealIsNowhereAndGuestAddsNothing) {
    const auto ticks = parseStatCpu("cpu  10 1 20 30 4 5 6 700 8 9\n");
    ASSERT_TRUE(ticks);
    const auto times = systemTimes(*ticks, 10'000'000);
    EXPECT_EQ(times.user, 11u);
    EXPECT_EQ(times.idle, 34u);
    EXPECT_EQ(times.kernel, 20u + 5u + 6u + 34u);
}

TEST(StatCpu, BrokenTextGivesNothing) {
    for (const char *bad : {"", "cpu  1 2 3 4", "cpu0 1 2 3 4\n", "intr 1 2 3\n", "cpu  1 2 3\n",
                            "cpu  1 2 x 4\n", "cpu  1 2 -3 4\n", "cpu  1 2 3 4 5 6z\n",
                            "cpu  1 2 99999999999999999999999 4\n", "\x7f\x45\x4c\x46\n"})
        EXPECT_FALSE(parseStatCpu(bad)) << bad;
}

TEST(StatCpu, HugeCountsSaturateRatherThanWrap) {
    const auto ticks = parseStatCpu("cpu  18446744073709551615 1 1 18446744073709551615\n");
    ASSERT_TRUE(ticks);
    const auto times = systemTimes(*ticks, 100);
    EXPECT_EQ(times.user, UINT64_MAX);
    EXPECT_EQ(times.kernel, UINT64_MAX);
}
