// qzGetMemorySize against the scripted layer: selector and unit rules, and
// figures no real machine offers on demand.
#include <gtest/gtest.h>

#include <climits>

#include "fake_platform.h"
#include "qztalvex.h"

namespace {

constexpr std::uint64_t KiB = 1024, MiB = KiB * KiB, GiB = MiB * KiB;

class MemorySize : public ::testing::Test {
protected:
    void SetUp() override { fake::memory = {}; }

    // Puts value in the one field that selector names, and a different
    // marker in every other field, so a wrong pick shows.
    static void scriptField(int selector, std::uint64_t value) {
        auto &s = fake::memory.status;
        s = MEMORYSTATUSEX{};
        s.dwMemoryLoad = 7;
        s.ullTotalPhys = 2 * KiB;
        s.ullAvailPhys = 3 * KiB;
        s.ullTotalVirtual = 4 * KiB;
        s.ullAvailVirtual = 5 * KiB;
        s.ullTotalPageFile = 6 * KiB;
        s.ullAvailPageFile = 7 * KiB;
        switch (selector) {
            case 1: s.dwMemoryLoad = static_cast<DWORD>(value); break;
            case 2: s.ullTotalPhys = value; break;
            case 3: s.ullAvailPhys = value; break;
            case 4: s.ullTotalVirtual = value; break;
            case 5: s.ullAvailVirtual = value; break;
            case 6: s.ullTotalPageFile = value; break;
            case 7: s.ullAvailPageFile = value; break;
        }
    }
};

TEST_F(MemorySize, SelectorPicksItsFieldVirtualBeforePageFile) {
    // Selectors 4 and 5 are the virtual figures, 6 and 7 the page file.
    for (int selector = 2; selector <= 7; ++selector) {
        scriptField(selector, 100 * KiB);
        EXPECT_EQ(qzGetMemorySize(selector, 1), 100) << "selector " << selector;
    }
}

TEST_F(MemorySize, EdgeCases) {
    struct Case {
        std::uint64_t bytes;
        std::int32_t inBytes, inKilobytes, inMegabytes;
    };
    const Case cases[] = {
        {MiB - 1, 1048575, 1023, 0},
        {MiB, 1048576, 1024, 1},
        {2 * GiB, INT32_MAX, 2097152, 2048},
        {4 * GiB - 128 * KiB, INT32_MAX, 4194176, 4095},
        {4 * GiB - 1, INT32_MAX, 4194303, 4095},
        {24 * GiB, INT32_MAX, 25165824, 24576},
        {UINT64_MAX, INT32_MAX, INT32_MAX, INT32_MAX},
        {0, 0, 0, 0},
    };
    for (const auto &c : cases) {
        scriptField(2, c.bytes);
        EXPECT_EQ(qzGetMemorySize(2, 0), c.inBytes) << c.bytes;
        EXPECT_EQ(qzGetMemorySize(2, 1), c.inKilobytes) << c.bytes;
        EXPECT_EQ(qzGetMemorySize(2, 2), c.inMegabytes) << c.bytes;
    }
}

TEST_F(MemorySize, AnyUnitButOneOrTwoGivesBytes) {
    scriptField(3, 5 * MiB);
    for (std::int32_t unit : {0, 3, -1, 7, INT32_MIN, INT32_MAX})
        EXPECT_EQ(qzGetMemorySize(3, unit), 5 * 1048576) << "unit " << unit;
}

TEST_F(MemorySize, LoadIsNeverScaled) {
    scriptField(1, 45);
    for (std::int32_t unit : {0, 1, 2, -1}) EXPECT_EQ(qzGetMemorySize(1, unit), 45);
}

TEST_F(MemorySize, SelectorOutsideOneToSevenGivesZeroButStillAsks) {
    scriptField(2, 8 * GiB);
    for (std::int32_t selector : {0, 8, -1, INT32_MIN, INT32_MAX})
        for (std::int32_t unit : {0, 1, 2}) {
            const int before = fake::memory.calls;
            EXPECT_EQ(qzGetMemorySize(selector, unit), 0) << selector << "," << unit;
            EXPECT_EQ(fake::memory.calls, before + 1);
        }
}

TEST_F(MemorySize, FailedQueryGivesZero) {
    scriptField(2, 8 * GiB);
    fake::memory.ok = FALSE;
    for (int selector = 1; selector <= 7; ++selector) EXPECT_EQ(qzGetMemorySize(selector, 0), 0);
}

}  // namespace
