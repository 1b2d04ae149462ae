// The priority and cursor functions against the scripted layer: which
// services they call, in which order, with what, and what they return.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "qztalvex.h"

namespace {

using PriorityFn = std::int32_t (*)(std::int32_t);
using Calls = std::vector<std::string>;

struct Export {
    const char *name;
    PriorityFn fn;
    const char *classValue;
};

const Export kExports[] = {
    {"qzSetPriorityReal", qzSetPriorityReal, "0x100"},
    {"qzSetPriorityHigh", qzSetPriorityHigh, "0x80"},
    {"qzSetPriorityNormal", qzSetPriorityNormal, "0x20"},
    {"qzSetPriorityIdle", qzSetPriorityIdle, "0x40"},
};

const std::string kLoad = "LoadLibraryA user32";
const std::string kLookup = "GetProcAddress module=0x75a00000 GetWindowThreadProcessId";
const std::string kFree = "FreeLibrary module=0x75a00000";

TEST(Priority, RoutineNotFoundGivesZeroAfterOneLoadAndRelease) {
    for (const auto &e : kExports) {
        fake::priority = {};
        fake::priority.routineFound = false;
        EXPECT_EQ(e.fn(0x1a00007), 0) << e.name;
        EXPECT_EQ(fake::priority.calls, (Calls{kLoad, kLookup, kFree})) << e.name;
    }
}

TEST(Priority, OwnerOpenedForSettingItsClassThenEverythingReleased) {
    for (const auto &e : kExports) {
        fake::priority = {};
        EXPECT_EQ(e.fn(0x1a00007), TRUE) << e.name;
        const Calls expected = {
            kLoad,
            kLookup,
            "GetWindowThreadProcessId window=0x1a00007",
            "OpenProcess access=0x200 inherit=0 pid=4242",
            std::string("SetPriorityClass process=0x1c4 class=") + e.classValue,
            "CloseHandle process=0x1c4",
            kFree,
        };
        EXPECT_EQ(fake::priority.calls, expected) << e.name;
    }
}

TEST(Priority, ResultIsThePriorityChangesOwn) {
    for (const auto &e : kExports) {
        fake::priority = {};
        fake::priority.setResult = FALSE;
        EXPECT_EQ(e.fn(0x1a00007), 0) << e.name;
        EXPECT_EQ(fake::priority.calls.size(), 7u) << e.name;  // still closed and released
        fake::priority = {};
        fake::priority.setResult = 7;  // any non-zero is success, passed on as it came
        EXPECT_EQ(e.fn(0x1a00007), 7) << e.name;
    }
}

TEST(Priority, NothingStoredOpensProcessZeroAndFails) {
    for (const auto &e : kExports) {
        fake::priority = {};
        fake::priority.routineStores = false;
        EXPECT_EQ(e.fn(0x1a00007), 0) << e.name;
        const Calls expected = {
            kLoad,
            kLookup,
            "GetWindowThreadProcessId window=0x1a00007",
            "OpenProcess access=0x200 inherit=0 pid=0",
            std::string("SetPriorityClass process=(nil) class=") + e.classValue,
            "CloseHandle process=(nil)",
            kFree,
        };
        EXPECT_EQ(fake::priority.calls, expected) << e.name;
    }
}

TEST(Priority, WindowValueWidensWithItsSign) {
    struct Case {
        std::int32_t window;
        const char *handle;
    };
    const Case cases[] = {{0, "(nil)"},
                          {INT32_MAX, "0x7fffffff"},
                          {-2, sizeof(void *) == 8 ? "0xfffffffffffffffe" : "0xfffffffe"}};
    for (const auto &c : cases) {
        fake::priority = {};
        qzSetPriorityIdle(c.window);
        ASSERT_EQ(fake::priority.calls.size(), 7u);
        EXPECT_EQ(fake::priority.calls[2],
                  std::string("GetWindowThreadProcessId window=") + c.handle);
    }
}

TEST(Cursor, PassesTheFlagAndReturnsTheCountUnchanged) {
    fake::cursor = {};
    fake::cursor.count = -3;
    EXPECT_EQ(qzShowCursor(1), -2);
    EXPECT_EQ(qzShowCursor(5), -1);
    EXPECT_EQ(qzShowCursor(0), -2);
    EXPECT_EQ(qzShowCursor(-1), -1);
    EXPECT_EQ(fake::cursor.flags, (std::vector<BOOL>{1, 5, 0, -1}));
}

}  // namespace
