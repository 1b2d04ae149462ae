// The time exports against GetSystemTimes, the counter exports against
// QueryPerformanceCounter and QueryPerformanceFrequency, read around them.
#include <gtest/gtest.h>

#include <cstdint>

#include "bound_library.h"

namespace {

struct Times {
    std::uint64_t idle, kernel, user;
};

Times systemTimes() {
    FILETIME idle{}, kernel{}, user{};
    EXPECT_TRUE(GetSystemTimes(&idle, &kernel, &user));
    auto count = [](const FILETIME &t) {
        return (std::uint64_t{t.dwHighDateTime} << 32) | t.dwLowDateTime;
    };
    return {count(idle), count(kernel), count(user)};
}

struct TimeExport {
    const char *name;
    decltype(&qzGetIdleTime) fn;
    std::uint64_t Times::*record;
};

TEST(SystemTimes, EachExportLiesBetweenTwoSystemReadings) {
    const TimeExport exports[] = {
        {"qzGetIdleTime", QZ_BIND(qzGetIdleTime), &Times::idle},
        {"qzGetKernelTime", QZ_BIND(qzGetKernelTime), &Times::kernel},
        {"qzGetUserTime", QZ_BIND(qzGetUserTime), &Times::user},
    };
    for (const auto &e : exports) {
        ASSERT_NE(e.fn, nullptr) << e.name;
        // Unit 1 is minutes; anything else, 0 and 2 included, seconds.
        for (const std::int32_t unit : {0, 1, 2}) {
            const std::uint64_t perUnit = unit == 1 ? 600'000'000 : 10'000'000;
            const std::uint64_t before = systemTimes().*e.record / perUnit;
            const std::int64_t result = e.fn(unit);
            const std::uint64_t after = systemTimes().*e.record / perUnit;
            EXPECT_GE(result, static_cast<std::int64_t>(before)) << e.name << " unit " << unit;
            EXPECT_LE(result, static_cast<std::int64_t>(after)) << e.name << " unit " << unit;
        }
    }
}

TEST(Counter, FrequencyIsTheSystems) {
    const auto frequency = QZ_BIND(qzFrequencyCounter);
    ASSERT_NE(frequency, nullptr);
    LARGE_INTEGER system{};
    ASSERT_TRUE(QueryPerformanceFrequency(&system));
    ASSERT_LT(system.QuadPart, INT32_MAX);
    EXPECT_EQ(frequency(), system.QuadPart);
}

TEST(Counter, EndMeasuresFromStartWithinTheSystemsReadings) {
    const auto start = QZ_BIND(qzHighCounterStart);
    const auto end = QZ_BIND(qzHighCounterEnd);
    ASSERT_NE(start, nullptr);
    ASSERT_NE(end, nullptr);
    LARGE_INTEGER before{}, after{};
    QueryPerformanceCounter(&before);
    EXPECT_NE(start(), 0);
    Sleep(1);
    const std::int32_t first = end();
    const std::int32_t second = end();
    QueryPerformanceCounter(&after);
    EXPECT_GT(first, 0);
    EXPECT_LE(first, second) << "a second end measures from the same start";
    EXPECT_LE(second, after.QuadPart - before.QuadPart);
}

}  // namespace
