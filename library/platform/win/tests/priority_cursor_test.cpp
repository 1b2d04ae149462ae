// The priority exports on a window this program creates, checked with the
// system's own GetPriorityClass; the cursor export against ShowCursor's own
// display count.
#include <gtest/gtest.h>

#include <cstdint>

#include "bound_library.h"

namespace {

class Priority : public ::testing::Test {
  protected:
    void SetUp() override {
        window_ = CreateWindowExA(0, "STATIC", "qztalvex", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100,
                                  nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window_, nullptr) << GetLastError();
        ASSERT_TRUE(SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS));
    }
    void TearDown() override {
        if (window_) DestroyWindow(window_);
        SetPriorityClass(GetCurrentProcess(), NORMAL_PRIORITY_CLASS);
    }

    // Window handles cross as 32-bit values; the system keeps them in range.
    std::int32_t handle() const {
        return static_cast<std::int32_t>(reinterpret_cast<std::intptr_t>(window_));
    }

    HWND window_ = nullptr;
};

struct PriorityExport {
    const char *name;
    decltype(&qzSetPriorityIdle) fn;
    DWORD priorityClass;
};

TEST_F(Priority, EachExportSetsItsClassOnTheWindowsProcess) {
    const PriorityExport exports[] = {
        {"qzSetPriorityIdle", QZ_BIND(qzSetPriorityIdle), IDLE_PRIORITY_CLASS},
        {"qzSetPriorityHigh", QZ_BIND(qzSetPriorityHigh), HIGH_PRIORITY_CLASS},
        {"qzSetPriorityReal", QZ_BIND(qzSetPriorityReal), REALTIME_PRIORITY_CLASS},
        {"qzSetPriorityNormal", QZ_BIND(qzSetPriorityNormal), NORMAL_PRIORITY_CLASS},
    };
    for (const auto &e : exports) {
        ASSERT_NE(e.fn, nullptr) << e.name;
        EXPECT_NE(e.fn(handle()), 0) << e.name;
        const DWORD now = GetPriorityClass(GetCurrentProcess());
        if (e.priorityClass == REALTIME_PRIORITY_CLASS)
            // Without the privilege to raise it that far the system grants high.
            EXPECT_TRUE(now == REALTIME_PRIORITY_CLASS || now == HIGH_PRIORITY_CLASS) << now;
        else
            EXPECT_EQ(now, e.priorityClass) << e.name;
    }
}

TEST_F(Priority, NoWindowChangesNothing) {
    const auto idle = QZ_BIND(qzSetPriorityIdle);
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle(0), 0);
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
    DestroyWindow(window_);
    const std::int32_t gone = handle();
    window_ = nullptr;
    EXPECT_EQ(idle(gone), 0) << "a destroyed window";
    EXPECT_EQ(GetPriorityClass(GetCurrentProcess()), static_cast<DWORD>(NORMAL_PRIORITY_CLASS));
}

TEST(Cursor, MovesTheSystemsOwnDisplayCount) {
    const auto show = QZ_BIND(qzShowCursor);
    ASSERT_NE(show, nullptr);
    const int base = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    EXPECT_EQ(show(1), base + 1);
    EXPECT_EQ(show(1), base + 2);
    EXPECT_EQ(show(0), base + 1);
    EXPECT_EQ(show(-7), base + 2) << "any non-zero flag shows";
    EXPECT_EQ(ShowCursor(FALSE), base + 1) << "the library and the program share one count";
    EXPECT_EQ(show(0), base);
}

}  // namespace
