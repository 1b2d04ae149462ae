// qzGetMemorySize against GlobalMemoryStatusEx read in the same moment.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>

#include "bound_library.h"

namespace {

MEMORYSTATUSEX systemStatus() {
    MEMORYSTATUSEX status{};
    status.dwLength = sizeof status;
    EXPECT_TRUE(GlobalMemoryStatusEx(&status));
    return status;
}

// A figure as the library's 32-bit result carries it.
std::int64_t carried(DWORDLONG value) {
    return std::min<DWORDLONG>(value, std::numeric_limits<std::int32_t>::max());
}

struct Field {
    std::int32_t selector;
    DWORDLONG MEMORYSTATUSEX::*member;
};

TEST(Memory, TotalsAreTheSystemsInEveryUnit) {
    const auto memory = QZ_BIND(qzGetMemorySize);
    ASSERT_NE(memory, nullptr);
    const MEMORYSTATUSEX status = systemStatus();
    for (const Field f :
         {Field{2, &MEMORYSTATUSEX::ullTotalPhys}, Field{4, &MEMORYSTATUSEX::ullTotalVirtual},
          Field{6, &MEMORYSTATUSEX::ullTotalPageFile}}) {
        const DWORDLONG bytes = status.*f.member;
        EXPECT_EQ(memory(f.selector, 0), carried(bytes)) << "selector " << f.selector;
        EXPECT_EQ(memory(f.selector, 1), carried(bytes / 1024)) << "selector " << f.selector;
        EXPECT_EQ(memory(f.selector, 2), carried(bytes / 1024 / 1024)) << "selector " << f.selector;
    }
}

TEST(Memory, AvailableFiguresLieBetweenTwoSystemReadings) {
    const auto memory = QZ_BIND(qzGetMemorySize);
    ASSERT_NE(memory, nullptr);
    constexpr std::int64_t kSlackKb = 16 * 1024;  // what other processes may take meanwhile
    for (const Field f :
         {Field{3, &MEMORYSTATUSEX::ullAvailPhys}, Field{5, &MEMORYSTATUSEX::ullAvailVirtual},
          Field{7, &MEMORYSTATUSEX::ullAvailPageFile}}) {
        const DWORDLONG before = systemStatus().*f.member;
        const std::int64_t kb = memory(f.selector, 1);
        const DWORDLONG after = systemStatus().*f.member;
        EXPECT_GE(kb, carried(std::min(before, after) / 1024) - kSlackKb)
            << "selector " << f.selector;
        EXPECT_LE(kb, carried(std::max(before, after) / 1024) + kSlackKb)
            << "selector " << f.selector;
    }
}

TEST(Memory, LoadIsThePlainPercentageInEveryUnit) {
    const auto memory = QZ_BIND(qzGetMemorySize);
    ASSERT_NE(memory, nullptr);
    for (const std::int32_t unit : {0, 1, 2}) {
        const std::int64_t before = systemStatus().dwMemoryLoad;
        const std::int64_t load = memory(1, unit);
        const std::int64_t after = systemStatus().dwMemoryLoad;
        EXPECT_GE(load, std::min(before, after) - 1) << "unit " << unit;
        EXPECT_LE(load, std::max(before, after) + 1) << "unit " << unit;
    }
}

TEST(Memory, SelectorsOutsideTheTableGiveZero) {
    const auto memory = QZ_BIND(qzGetMemorySize);
    ASSERT_NE(memory, nullptr);
    for (const std::int32_t selector : {0, 8, -1, 1 << 30})
        for (const std::int32_t unit : {0, 1, 2})
            EXPECT_EQ(memory(selector, unit), 0) << selector << ", " << unit;
}

}  // namespace
