// Every export with hostile arguments, from many threads at once, many
// times over, and with the kernel's files taken away.
#include <dirent.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "qztalvex.h"

namespace {

constexpr std::int32_t kHostile[] = {INT32_MIN, -1, 0, 1, 2, 7, 8, INT32_MAX};

using StringFn = std::int32_t (*)(unsigned char *);
constexpr StringFn kStrings[] = {qzProcessorName, qzProcessorIdentifier, qzProcessorVendor};
using WindowFn = std::int32_t (*)(std::int32_t);
constexpr WindowFn kPriorities[] = {qzSetPriorityReal, qzSetPriorityHigh, qzSetPriorityNormal,
                                    qzSetPriorityIdle};
using UnitFn = std::int32_t (*)(std::int32_t);
constexpr UnitFn kTimes[] = {qzGetIdleTime, qzGetKernelTime, qzGetUserTime};

// A caller's buffer with a guard zone: the library may write n + 2 bytes for
// a value of n bytes, n at most 255, and not one byte more.
struct GuardedBuffer {
    static constexpr std::size_t kSize = 512;
    static constexpr unsigned char kGuard = 0xA5;
    std::array<unsigned char, kSize> bytes;
    GuardedBuffer() { bytes.fill(kGuard); }
    bool untouchedFrom(std::size_t from) const {
        for (std::size_t i = from; i < kSize; ++i)
            if (bytes[i] != kGuard) return false;
        return true;
    }
};

// Runs body in a child process and reports whether it exited 0.
template <typename Body>
testing::AssertionResult inChild(Body body) {
    const pid_t child = fork();
    if (child < 0) return testing::AssertionFailure() << "fork failed";
    if (child == 0) _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "child status " << status;
}

class WithoutDisplay : public ::testing::Test {
  protected:
    void SetUp() override {
        if (const char *display = getenv("DISPLAY")) saved_ = display;
        unsetenv("DISPLAY");
    }
    void TearDown() override {
        if (!saved_.empty()) setenv("DISPLAY", saved_.c_str(), 1);
    }
    std::string saved_;
};

using BadInput = WithoutDisplay;

TEST_F(BadInput, EveryIntegerArgument) {
    for (std::int32_t a : kHostile) {
        for (std::int32_t b : kHostile) {
            const std::int32_t figure = qzGetMemorySize(a, b);
            if (a < 1 || a > 7)
                EXPECT_EQ(figure, 0) << a << "," << b;
            else if (a == 1)
                EXPECT_TRUE(figure >= 0 && figure <= 100) << figure;
            else
                EXPECT_GE(figure, 0) << a << "," << b;
        }
        for (UnitFn time : kTimes) {
            EXPECT_GE(time(a), 0);
            if (a != 1) {
                EXPECT_GE(time(a), time(1));  // seconds, never fewer than the minutes
            }
        }
        const int niceBefore = getpriority(PRIO_PROCESS, 0);
        for (WindowFn priority : kPriorities) EXPECT_EQ(priority(a), 0) << "window " << a;
        EXPECT_EQ(getpriority(PRIO_PROCESS, 0), niceBefore);

        const std::int32_t before = qzShowCursor(1) - 1;
        EXPECT_EQ(qzShowCursor(a), before + (a != 0 ? 2 : 0)) << "flag " << a;
        qzShowCursor(a != 0 ? 0 : 1);
        qzShowCursor(0);
    }
}

TEST(BadInputStrings, NullBufferAndGuardedBuffer) {
    for (StringFn read : kStrings) {
        EXPECT_EQ(read(nullptr), 87);
        GuardedBuffer buffer;
        const std::int32_t result = read(buffer.bytes.data());
        ASSERT_GT(result, 0);
        if (buffer.bytes[0] == GuardedBuffer::kGuard) {  // a failure status: nothing written
            EXPECT_TRUE(buffer.untouchedFrom(0));
        } else {
            ASSERT_LE(result, 256);
            EXPECT_EQ(buffer.bytes[static_cast<std::size_t>(result)], 0);
            EXPECT_TRUE(buffer.untouchedFrom(static_cast<std::size_t>(result) + 1));
        }
    }
}

// What one export call returns must lie in its documented range.
using Concurrency = WithoutDisplay;

TEST_F(Concurrency, EightThreadsOverEveryExport) {
    std::array<std::array<unsigned char, 260>, 3> expected{};
    std::array<std::int32_t, 3> expectedResult{};
    for (int i = 0; i < 3; ++i) expectedResult[i] = kStrings[i](expected[i].data());
    const std::int32_t speed = qzProcSpeed();

    constexpr int kThreads = 8, kCalls = 100'000;
    std::atomic<int> wrong{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([&, t] {
            std::array<unsigned char, 260> buffer{};
            for (int i = 0; i < kCalls; ++i) {
                bool ok = true;
                switch ((i + t) % 16) {
                    case 0:
                        ok = qzGetMemorySize(1 + i % 7, i % 3) >= 0;
                        break;
                    case 1:
                        ok = qzGetIdleTime(i % 2) >= 0;
                        break;
                    case 2:
                        ok = qzGetKernelTime(i % 2) >= 0;
                        break;
                    case 3:
                        ok = qzGetUserTime(i % 2) >= 0;
                        break;
                    case 4:
                        ok = qzHighCounterStart() != 0;
                        break;
                    case 5:
                        ok = qzHighCounterEnd() >= 0;
                        break;
                    case 6:
                        ok = qzFrequencyCounter() == 10'000'000;
                        break;
                    case 7:
                        ok = qzProcSpeed() == speed;
                        break;
                    case 8:
                    case 9:
                    case 10: {
                        const int which = (i + t) % 16 - 8;
                        buffer.fill(0);
                        ok = kStrings[which](buffer.data()) == expectedResult[which] &&
                             buffer == expected[which];
                        break;
                    }
                    case 11:
                        ok = qzSetPriorityReal(i) == 0;
                        break;
                    case 12:
                        ok = qzSetPriorityHigh(i) == 0;
                        break;
                    case 13:
                        ok = qzSetPriorityNormal(i) == 0;
                        break;
                    case 14:
                        ok = qzSetPriorityIdle(i) == 0;
                        break;
                    case 15:
                        qzShowCursor(i % 2);
                        break;
                }
                if (!ok) wrong.fetch_add(1, std::memory_order_relaxed);
            }
        });
    for (auto &thread : threads) thread.join();
    EXPECT_EQ(wrong.load(), 0);
}

int openDescriptors() {
    int count = 0;
    DIR *dir = opendir("/proc/self/fd");
    while (readdir(dir)) ++count;
    closedir(dir);
    return count;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

using Resources = WithoutDisplay;

TEST_F(Resources, NothingGrowsOverManyCalls) {
    unsigned char buffer[260];
    const auto everyExport = [&] {
        qzGetMemorySize(2, 1);
        for (UnitFn time : kTimes) time(0);
        qzHighCounterStart();
        qzHighCounterEnd();
        qzFrequencyCounter();
        qzProcSpeed();
        for (StringFn read : kStrings) read(buffer);
        for (WindowFn priority : kPriorities) priority(0);
        qzShowCursor(0);
        qzShowCursor(1);
    };
    for (int i = 0; i < 1000; ++i) everyExport();  // kept descriptors opened, caches warm
    const int descriptors = openDescriptors();
    const long resident = residentKilobytes();
    for (int i = 0; i < 100'000; ++i) everyExport();
    EXPECT_EQ(openDescriptors(), descriptors);
    EXPECT_LT(residentKilobytes() - resident, 4096);
}

// With /proc and /sys emptied (a private mount namespace in a child), every
// export gives its documented failure value, never a made-up figure.
TEST(SystemFaults, WithoutProcAndSys) {
    EXPECT_TRUE(inChild([] {
        if (unshare(CLONE_NEWNS) != 0) return 0;  // no privilege here: nothing to show
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return 0;
        if (mount("none", "/proc", "tmpfs", 0, nullptr) != 0) return 3;
        if (mount("none", "/sys", "tmpfs", 0, nullptr) != 0) return 3;
        int bad = 0;
        for (int selector = 1; selector <= 7; ++selector) bad += qzGetMemorySize(selector, 1) != 0;
        for (UnitFn time : kTimes) bad += time(0) != 0;
        const std::int32_t speed = qzProcSpeed();
        bad += speed != 0 && speed != 260;
        for (StringFn read : kStrings) {
            GuardedBuffer buffer;
            const std::int32_t status = read(buffer.bytes.data());
            bad += status != 2 || !buffer.untouchedFrom(0);
        }
        return bad == 0 ? 0 : 1;
    }));
}

}  // namespace
