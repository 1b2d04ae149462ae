// The time and counter functions against the scripted layer.
#include <gtest/gtest.h>

#include <climits>

#include "fake_platform.h"
#include "qztalvex.h"

namespace {

constexpr std::uint64_t kSecond = 10'000'000;  // 100-ns intervals

using TimeFn = std::int32_t (*)(std::int32_t);

TEST(SystemTimes, SecondsAndMinutesTruncate) {
    fake::times = {};
    struct Case {
        std::uint64_t intervals;
        std::int32_t unit, expected;
    };
    const Case cases[] = {
        {599 * kSecond / 10, 0, 59}, {599 * kSecond / 10, 1, 0}, {60 * kSecond, 0, 60},
        {60 * kSecond, 1, 1},        {60 * kSecond, 2, 60},      {60 * kSecond, -1, 60},
        {60 * kSecond, INT32_MIN, 60},
        // Past 2^31 seconds the result saturates instead of turning negative.
        {(std::uint64_t{1} << 31) * kSecond, 0, INT32_MAX},
        {(std::uint64_t{1} << 31) * kSecond, 1, 35791394},
        {UINT64_MAX, 0, INT32_MAX},
    };
    for (TimeFn fn : {qzGetIdleTime, qzGetKernelTime, qzGetUserTime})
        for (const auto &c : cases) {
            fake::times.idle = fake::times.kernel = fake::times.user = c.intervals;
            EXPECT_EQ(fn(c.unit), c.expected) << c.intervals << " unit " << c.unit;
        }
}

TEST(SystemTimes, EachReportsItsOwnFreshRecord) {
    fake::times = {};
    fake::times.idle = 10 * kSecond;
    fake::times.kernel = 20 * kSecond;
    fake::times.user = 30 * kSecond;
    EXPECT_EQ(qzGetUserTime(0), 30);
    EXPECT_EQ(qzGetKernelTime(0), 20);
    fake::times.idle = 11 * kSecond;  // the idle record was rewritten by both calls above
    EXPECT_EQ(qzGetIdleTime(0), 11);
    EXPECT_EQ(fake::times.calls, 3);
}

TEST(SystemTimes, FailureGivesZero) {
    fake::times = {};
    fake::times.idle = fake::times.kernel = fake::times.user = 100 * kSecond;
    fake::times.ok = FALSE;
    for (TimeFn fn : {qzGetIdleTime, qzGetKernelTime, qzGetUserTime}) EXPECT_EQ(fn(0), 0);
}

// One binary, one process: these run in order and share the start slot.
TEST(IntervalCounter, EndWithoutStartMeasuresFromZero) {
    fake::counter = {};
    fake::counter.counter = 12345;
    EXPECT_EQ(qzHighCounterEnd(), 12345);
    fake::counter.counter = LONGLONG{1} << 40;  // a machine up for over 214 s
    EXPECT_EQ(qzHighCounterEnd(), INT32_MAX);
}

TEST(IntervalCounter, EndsMeasureFromTheLastStart) {
    fake::counter = {};
    fake::counter.counter = (LONGLONG{5} << 32) - 10;  // the low halves would wrap here
    EXPECT_NE(qzHighCounterStart(), 0);
    fake::counter.counter += 25;
    EXPECT_EQ(qzHighCounterEnd(), 25);
    fake::counter.counter += 75;
    EXPECT_EQ(qzHighCounterEnd(), 100);  // the start is not moved by an end
    fake::counter.counter += LONGLONG{1} << 31;
    EXPECT_EQ(qzHighCounterEnd(), INT32_MAX);
    fake::counter.counter -= LONGLONG{1} << 32;  // earlier than the start
    EXPECT_EQ(qzHighCounterEnd(), 0);
}

TEST(IntervalCounter, StartReportsTheReadsResult) {
    fake::counter = {};
    fake::counter.counterOk = FALSE;
    EXPECT_EQ(qzHighCounterStart(), 0);
}

TEST(IntervalCounter, Frequency) {
    struct Case {
        BOOL ok;
        LONGLONG frequency;
        std::int32_t expected;
    };
    const Case cases[] = {{TRUE, 10'000'000, 10'000'000},
                          {TRUE, LONGLONG{1} << 31, INT32_MAX},
                          {TRUE, LONGLONG{1} << 32, INT32_MAX},
                          {FALSE, 10'000'000, 0}};
    for (const auto &c : cases) {
        fake::counter = {};
        fake::counter.frequencyOk = c.ok;
        fake::counter.frequency = c.frequency;
        EXPECT_EQ(qzFrequencyCounter(), c.expected) << c.frequency;
    }
}

}  // namespace
