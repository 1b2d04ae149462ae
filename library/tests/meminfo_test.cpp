// /proc/meminfo and /proc/self/statm as captured, and the status they make.
#include <gtest/gtest.h>

#include "kernel_text.h"
#include "meminfo.h"

using qz::os::memoryStatus;
using qz::os::parseMeminfo;
using qz::os::parseStatmPages;

namespace {
constexpr std::uint64_t KiB = 1024, GiB = KiB * KiB * KiB;
}

TEST(Meminfo, CurrentKernel) {
    const auto info = parseMeminfo(fixture("meminfo.linux-6.18"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->total, 24683676 * KiB);
    EXPECT_EQ(info->available, 24292592 * KiB);
    EXPECT_EQ(info->swapTotal, 0u);

    const auto status = memoryStatus(*info, 128 * GiB, 1 * GiB);
    EXPECT_EQ(status.dwMemoryLoad, 2u);  // 391084 / 24683676 = 1.58 %
    EXPECT_EQ(status.ullAvailPhys, 24292592 * KiB);
    EXPECT_EQ(status.ullTotalPageFile, status.ullTotalPhys);
    EXPECT_EQ(status.ullAvailVirtual, 127 * GiB);
}

TEST(Meminfo, OldKernelWithoutMemAvailableFallsBackToFreeBuffersCached) {
    const auto info = parseMeminfo(fixture("meminfo.linux-2.6.32"));
    ASSERT_TRUE(info);
    EXPECT_FALSE(info->available);
    const auto status = memoryStatus(*info, 0, 0);
    const std::uint64_t available = (181320 + 207688 + 2611148) * KiB;
    EXPECT_EQ(status.ullAvailPhys, available);
    EXPECT_EQ(status.ullTotalPageFile, (3921200 + 4194296) * KiB);
    EXPECT_EQ(status.ullAvailPageFile, available + 4109712 * KiB);
    EXPECT_EQ(status.dwMemoryLoad, 23u);  // 920044 / 3921200 = 23.46 %
    EXPECT_EQ(status.ullAvailVirtual, 0u);
}

TEST(Meminfo, ZeroMemAvailableAlsoFallsBack) {
    const auto info = parseMeminfo(
        "MemTotal: 1000 kB\nMemFree: 100 kB\nMemAvailable: 0 kB\nBuffers: 50 kB\n"
        "Cached: 250 kB\nSwapTotal: 0 kB\nSwapFree: 0 kB\n");
    ASSERT_TRUE(info);
    EXPECT_EQ(memoryStatus(*info, 0, 0).ullAvailPhys, 400 * KiB);
    EXPECT_EQ(memoryStatus(*info, 0, 0).dwMemoryLoad, 60u);
}

TEST(Meminfo, BrokenTextGivesNothing) {
    const std::string good = fixture("meminfo.linux-6.18");
    const auto replace = [&](std::string_view from, std::string_view to) {
        std::string text = good;
        text.replace(text.find(from), from.size(), to);
        return text;
    };
    const std::string cases[] = {
        "",
        fixture("meminfo.truncated"),
        good.substr(0, good.find("SwapFree:") + 14),  // cut inside the number
        "garbage\n\x01\x02\xff\n",
        replace("MemTotal:       24683676 kB", "MemTotal:       24683676 MB"),
        replace("MemTotal:       24683676", "MemTotal:       -24683676"),
        replace("MemTotal:       24683676", "MemTotal:       99999999999999999999999"),
        replace("MemTotal:       24683676", "MemTotal:       18014398509481984"),  // bytes past 2^64
        replace("MemTotal:       24683676", "MemTotal:       0"),
        replace("MemAvailable:   24292592 kB", "MemAvailable:   lots kB"),
        replace("SwapTotal:", "SwapTotl:"),
    };
    for (const auto &text : cases) EXPECT_FALSE(parseMeminfo(text)) << text.substr(0, 80);
}

TEST(Meminfo, LoadIsRoundedAndAvailableNeverExceedsTotal) {
    qz::os::MemInfo info;
    info.total = 1000;
    info.available = 994;  // 0.6 % in use
    EXPECT_EQ(memoryStatus(info, 0, 0).dwMemoryLoad, 1u);
    info.available = 2000;
    EXPECT_EQ(memoryStatus(info, 0, 0).dwMemoryLoad, 0u);
    EXPECT_EQ(memoryStatus(info, 0, 0).ullAvailPhys, 1000u);
    info.total = UINT64_MAX;
    info.available = 0;
    EXPECT_EQ(memoryStatus(info, 0, 0).dwMemoryLoad, 100u);
}

TEST(Statm, FirstFieldIsTheVirtualSize) {
    EXPECT_EQ(parseStatmPages("5397 1203 968 2 0 233 0\n"), 5397u);
    for (const char *bad : {"", "\n", "abc 1 2", "12a 1", "-5 1 2", "123", "99999999999999999999999 1"})
        EXPECT_FALSE(parseStatmPages(bad)) << bad;
}
