// Priority and cursor through the real library on a real X server: the test
// starts its own Xvfb on a display number the server picks itself, and a
// window of ours in a child process.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "nice_privilege.h"
#include "qztalvex.h"

namespace {

struct Spawned {
    pid_t pid = -1;
    int toChild = -1;    // the child's stdin
    int fromChild = -1;  // the child's stdout
};

// Starts argv[0], searched along PATH; its stdin and stdout become pipes of
// ours. extraFd stays open in the child.
Spawned spawn(const char *const argv[], int extraFd = -1) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return {};
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        // Should the test die midway, the server and the window go with it.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(127);
        dup2(in[0], 0);
        dup2(out[1], 1);
        for (int fd : {in[0], in[1], out[0], out[1]})
            if (fd > 2 && fd != extraFd) close(fd);
        execvp(argv[0], const_cast<char *const *>(argv));
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    return {pid, in[1], out[0]};
}

std::string readLine(int fd) {
    std::string line;
    char c;
    while (read(fd, &c, 1) == 1 && c != '\n') line += c;
    return line;
}

void stop(Spawned &process, int signal) {
    if (process.pid <= 0) return;
    close(process.toChild);
    close(process.fromChild);
    if (signal) kill(process.pid, signal);
    waitpid(process.pid, nullptr, 0);
    process = {};
}

int niceOf(pid_t pid) {
    return getpriority(PRIO_PROCESS, static_cast<id_t>(pid));
}

class OnXvfb : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        // -displayfd: the server takes the first free number and writes it
        // to the descriptor once it accepts connections.
        int ready[2];
        ASSERT_EQ(pipe(ready), 0);
        const std::string fd = std::to_string(ready[1]);
        const char *argv[] = {"Xvfb",    "-displayfd", fd.c_str(),   "-nolisten", "tcp",
                              "-screen", "0",          "640x480x24", nullptr};
        server_ = spawn(argv, ready[1]);
        close(ready[1]);
        const std::string number = readLine(ready[0]);
        close(ready[0]);
        ASSERT_FALSE(number.empty()) << "Xvfb did not start";
        display_ = ":" + number;
        setenv("DISPLAY", display_.c_str(), 1);
    }

    static void TearDownTestSuite() { stop(server_, SIGTERM); }

    void SetUp() override {
        ASSERT_FALSE(display_.empty());
        setenv("DISPLAY", display_.c_str(), 1);
        const char *argv[] = {QZ_TEST_WINDOW, nullptr};
        client_ = spawn(argv);
        ASSERT_GT(client_.pid, 0);
        unsigned long window = 0, bare = 0, root = 0;
        const std::string ids = readLine(client_.fromChild);
        ASSERT_EQ(std::sscanf(ids.c_str(), "%lu %lu %lu", &window, &bare, &root), 3) << ids;
        window_ = static_cast<std::int32_t>(window);
        bare_ = static_cast<std::int32_t>(bare);
        root_ = static_cast<std::int32_t>(root);
        ASSERT_EQ(niceOf(client_.pid), 0);
    }

    void TearDown() override { stop(client_, 0); }  // stdin closed: it leaves

    static inline Spawned server_;
    static inline std::string display_;
    Spawned client_;
    std::int32_t window_ = 0, bare_ = 0, root_ = 0;
};

TEST_F(OnXvfb, IdleThenNormalForTheWindowsOwner) {
    EXPECT_NE(qzSetPriorityIdle(window_), 0);
    EXPECT_EQ(niceOf(client_.pid), 19);
    if (qz::test::mayRaisePriority()) {
        EXPECT_NE(qzSetPriorityNormal(window_), 0);
        EXPECT_EQ(niceOf(client_.pid), 0);
    } else {
        // Raising it again is the system's to refuse, and we say so.
        EXPECT_EQ(qzSetPriorityNormal(window_), 0);
        EXPECT_EQ(niceOf(client_.pid), 19);
    }
}

TEST_F(OnXvfb, HighAndRealWhereRaisingIsAllowed) {
    const bool allowed = qz::test::mayRaisePriority();
    EXPECT_EQ(qzSetPriorityHigh(window_) != 0, allowed);
    EXPECT_EQ(niceOf(client_.pid), allowed ? -14 : 0);
    EXPECT_EQ(qzSetPriorityReal(window_) != 0, allowed);
    EXPECT_EQ(niceOf(client_.pid), allowed ? -20 : 0);
}

TEST_F(OnXvfb, WindowsWithoutAKnownOwnerChangeNothing) {
    const int ownNice = niceOf(getpid());
    const std::int32_t unknown[] = {0, bare_, root_, 0x1ffffff0, -1, INT32_MIN};
    for (std::int32_t window : unknown) {
        EXPECT_EQ(qzSetPriorityIdle(window), 0) << window;
        EXPECT_EQ(niceOf(client_.pid), 0) << window;
    }
    EXPECT_EQ(niceOf(getpid()), ownNice);
}

TEST_F(OnXvfb, NoDisplayChangesNothing) {
    unsetenv("DISPLAY");
    EXPECT_EQ(qzSetPriorityIdle(window_), 0);
    EXPECT_EQ(niceOf(client_.pid), 0);
    setenv("DISPLAY", ":65000", 1);  // a display nobody serves
    EXPECT_EQ(qzSetPriorityIdle(window_), 0);
    EXPECT_EQ(niceOf(client_.pid), 0);
}

TEST_F(OnXvfb, CursorCountRisesAndFalls) {
    EXPECT_EQ(qzShowCursor(1), 1);
    EXPECT_EQ(qzShowCursor(1), 2);
    EXPECT_EQ(qzShowCursor(0), 1);
    EXPECT_EQ(qzShowCursor(0), 0);
}

TEST_F(OnXvfb, CursorHiddenBelowZeroAndShownAgain) {
    EXPECT_EQ(qzShowCursor(0), -1);  // hidden: the connection that hid it stays open
    EXPECT_EQ(qzShowCursor(0), -2);
    EXPECT_EQ(qzShowCursor(1), -1);
    EXPECT_EQ(qzShowCursor(1), 0);  // shown again
    // The display is still fine to use for everything else.
    EXPECT_NE(qzSetPriorityIdle(window_), 0);
    EXPECT_EQ(niceOf(client_.pid), 19);
}

}  // namespace
