// The Linux layer's modules, process handles, window routine and cursor
// count, called directly on this machine.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "nice_privilege.h"
#include "platform.h"

namespace {

// A child that waits to be killed; reaped when it goes out of scope.
class Child {
  public:
    Child() : pid_(fork()) {
        if (pid_ == 0) {
            for (;;) pause();
        }
    }
    ~Child() { end(); }
    Child(const Child &) = delete;
    Child &operator=(const Child &) = delete;
    pid_t pid() const { return pid_; }
    void end() {
        if (pid_ <= 0) return;
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
    }

  private:
    pid_t pid_;
};

int niceOf(pid_t pid) {
    errno = 0;
    return getpriority(PRIO_PROCESS, static_cast<id_t>(pid));
}

TEST(LayerModules, User32ByAnyCaseWithOrWithoutSuffix) {
    for (const char *name : {"user32", "USER32", "User32.dll", "user32.DLL"}) {
        HMODULE module = LoadLibraryA(name);
        EXPECT_NE(module, nullptr) << name;
        EXPECT_TRUE(FreeLibrary(module)) << name;
    }
    for (const char *name : {"kernel32", "user3", "user32.so", "user32.dll.dll", "", "libc.so.6"})
        EXPECT_EQ(LoadLibraryA(name), nullptr) << name;
    EXPECT_EQ(LoadLibraryA(nullptr), nullptr);
}

TEST(LayerModules, RoutinesFoundOnlyByExactNameWhileLoaded) {
    HMODULE module = LoadLibraryA("user32");
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetProcAddress(module, "GetWindowThreadProcessId"),
              reinterpret_cast<FARPROC>(&GetWindowThreadProcessId));
    EXPECT_EQ(GetProcAddress(module, "ShowCursor"), reinterpret_cast<FARPROC>(&ShowCursor));
    for (const char *name : {"GetWindowProcessId", "getwindowthreadprocessid", "", "LoadLibraryA"})
        EXPECT_EQ(GetProcAddress(module, name), nullptr) << name;
    EXPECT_EQ(GetProcAddress(module, nullptr), nullptr);
    EXPECT_EQ(GetProcAddress(nullptr, "ShowCursor"), nullptr);
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_EQ(GetProcAddress(module, "ShowCursor"), nullptr);  // released: nothing to look in
}

TEST(LayerModules, EachLoadIsFreedOnceAndNoMore) {
    HMODULE first = LoadLibraryA("user32");
    HMODULE second = LoadLibraryA("user32.dll");
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_NE(GetProcAddress(second, "ShowCursor"), nullptr);  // one reference still held
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(second));
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_FALSE(FreeLibrary(reinterpret_cast<HMODULE>(std::uintptr_t{0x75a00000})));
}

TEST(LayerProcess, OnlyLiveProcessesOpen) {
    Child gone;
    const pid_t pid = gone.pid();
    gone.end();  // killed and reaped: the id names nothing now
    EXPECT_EQ(OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(pid)), nullptr);
    EXPECT_EQ(OpenProcess(PROCESS_SET_INFORMATION, FALSE, 0), nullptr);
    EXPECT_EQ(OpenProcess(PROCESS_SET_INFORMATION, FALSE, 0xfffffff0u), nullptr);

    HANDLE self = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(getpid()));
    EXPECT_NE(self, nullptr);
    EXPECT_TRUE(CloseHandle(self));
}

TEST(LayerProcess, BadHandlesAreRefusedWithoutHarm) {
    HANDLE handle = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(getpid()));
    ASSERT_NE(handle, nullptr);
    EXPECT_TRUE(CloseHandle(handle));
    EXPECT_FALSE(CloseHandle(handle));  // closed twice
    EXPECT_FALSE(SetPriorityClass(handle, NORMAL_PRIORITY_CLASS));

    // The slot is reused by the next open; the old handle still names nothing.
    HANDLE next = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(getpid()));
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, handle);
    EXPECT_FALSE(CloseHandle(handle));
    EXPECT_TRUE(CloseHandle(next));

    const std::uintptr_t madeUp[] = {
        0, 1, 4, 0x1c4, 0xdeadbeef, UINTPTR_MAX, reinterpret_cast<std::uintptr_t>(&handle)};
    for (auto value : madeUp) {
        EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(value))) << value;
        EXPECT_FALSE(SetPriorityClass(reinterpret_cast<HANDLE>(value), NORMAL_PRIORITY_CLASS))
            << value;
    }
}

TEST(LayerProcess, ClassesBecomeNiceValues) {
    Child child;
    HANDLE handle = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(child.pid()));
    ASSERT_NE(handle, nullptr);
    struct Case {
        DWORD priorityClass;
        int nice;
    };
    // Downwards first, so an unprivileged run gets through the whole table.
    const Case cases[] = {
        {NORMAL_PRIORITY_CLASS, 0}, {BELOW_NORMAL_PRIORITY_CLASS, 10}, {IDLE_PRIORITY_CLASS, 19}};
    for (const auto &c : cases) {
        EXPECT_TRUE(SetPriorityClass(handle, c.priorityClass)) << c.priorityClass;
        EXPECT_EQ(niceOf(child.pid()), c.nice) << c.priorityClass;
    }
    if (qz::test::mayRaisePriority()) {
        const Case raising[] = {{ABOVE_NORMAL_PRIORITY_CLASS, -7},
                                {HIGH_PRIORITY_CLASS, -14},
                                {REALTIME_PRIORITY_CLASS, -20}};
        for (const auto &c : raising) {
            EXPECT_TRUE(SetPriorityClass(handle, c.priorityClass)) << c.priorityClass;
            EXPECT_EQ(niceOf(child.pid()), c.nice) << c.priorityClass;
        }
    }
    const int before = niceOf(child.pid());
    for (DWORD unknown : {0u, 1u, 0x10u, 0x200u, 0xffffffffu})
        EXPECT_FALSE(SetPriorityClass(handle, unknown)) << unknown;
    EXPECT_EQ(niceOf(child.pid()), before);
    EXPECT_TRUE(CloseHandle(handle));
}

TEST(LayerProcess, WithoutTheAccessRightNothingChanges) {
    Child child;
    for (DWORD access : {0u, PROCESS_QUERY_INFORMATION, PROCESS_QUERY_LIMITED_INFORMATION}) {
        HANDLE handle = OpenProcess(access, FALSE, static_cast<DWORD>(child.pid()));
        ASSERT_NE(handle, nullptr) << access;
        EXPECT_FALSE(SetPriorityClass(handle, IDLE_PRIORITY_CLASS)) << access;
        EXPECT_EQ(niceOf(child.pid()), 0) << access;
        EXPECT_TRUE(CloseHandle(handle));
    }
}

TEST(LayerProcess, ExitedProcessIsNotChangedThroughItsOldHandle) {
    Child child;
    HANDLE handle = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(child.pid()));
    ASSERT_NE(handle, nullptr);
    child.end();
    EXPECT_FALSE(SetPriorityClass(handle, IDLE_PRIORITY_CLASS));
    EXPECT_TRUE(CloseHandle(handle));
}

TEST(LayerProcess, RefusalByTheSystemIsReportedAsFailure) {
    // An unprivileged process may lower its priority but not raise it. Run
    // as nobody in a child, whoever runs the test.
    const pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(10);
        struct rlimit noRaise {
            0, 0
        };
        setrlimit(RLIMIT_NICE, &noRaise);  // no leave to raise it, either
        HANDLE self = OpenProcess(PROCESS_SET_INFORMATION, FALSE, static_cast<DWORD>(getpid()));
        if (!self) _exit(11);
        if (!SetPriorityClass(self, BELOW_NORMAL_PRIORITY_CLASS)) _exit(12);
        if (SetPriorityClass(self, HIGH_PRIORITY_CLASS)) _exit(13);  // claimed success
        if (getpriority(PRIO_PROCESS, 0) != 10) _exit(14);
        _exit(CloseHandle(self) ? 0 : 15);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

TEST(LayerWindow, NoDisplayStoresNothing) {
    unsetenv("DISPLAY");
    DWORD pid = 77;
    EXPECT_EQ(GetWindowThreadProcessId(reinterpret_cast<HWND>(std::uintptr_t{0x400001}), &pid), 0u);
    EXPECT_EQ(pid, 77u);
    EXPECT_EQ(GetWindowThreadProcessId(nullptr, &pid), 0u);
    EXPECT_EQ(pid, 77u);
}

TEST(LayerCursor, WithoutDisplayOnlyTheCountMoves) {
    unsetenv("DISPLAY");
    const int start = ShowCursor(TRUE) - 1;
    EXPECT_EQ(ShowCursor(FALSE), start);
    EXPECT_EQ(ShowCursor(FALSE), start - 1);
    EXPECT_EQ(ShowCursor(FALSE), start - 2);
    EXPECT_EQ(ShowCursor(42), start - 1);
    EXPECT_EQ(ShowCursor(TRUE), start);
}

}  // namespace
