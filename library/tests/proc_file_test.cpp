// Kept /proc descriptors: fresh text on every read, close-on-exec, right
// after fork, and never confused with a descriptor the program reused.
#include "proc_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "meminfo.h"

using qz::os::ProcSource;
using qz::os::readProcFile;

namespace {

std::string readKept(ProcSource source) {
    char text[8192];
    const ssize_t size = readProcFile(source, text, sizeof text);
    return size < 0 ? std::string() : std::string(text, static_cast<std::size_t>(size));
}

// The descriptors this process holds on path.
std::vector<int> descriptorsOn(const std::string &path) {
    std::vector<int> found;
    DIR *dir = opendir("/proc/self/fd");
    while (dirent *entry = readdir(dir)) {
        char target[256] = {};
        const std::string link = std::string("/proc/self/fd/") + entry->d_name;
        if (readlink(link.c_str(), target, sizeof target - 1) > 0 && path == target)
            found.push_back(std::atoi(entry->d_name));
    }
    closedir(dir);
    return found;
}

// The descriptor this process holds on path, or -1.
int descriptorOf(const std::string &path) {
    const auto found = descriptorsOn(path);
    return found.empty() ? -1 : found.back();
}

std::uint64_t statmPages() {
    return qz::os::parseStatmPages(readKept(ProcSource::SelfStatm)).value_or(0);
}

TEST(KeptProcFile, FreshTextEveryReadAndCloseOnExec) {
    const std::uint64_t before = statmPages();
    ASSERT_GT(before, 0u);
    const std::size_t size = 256 << 20;
    void *block = mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(block, MAP_FAILED);
    EXPECT_GE(statmPages(), before + size / static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    munmap(block, size);
    EXPECT_LT(statmPages(), before + 1024);

    ASSERT_FALSE(readKept(ProcSource::Meminfo).empty());
    const int fd = descriptorOf("/proc/meminfo");
    ASSERT_GE(fd, 0);
    EXPECT_TRUE(fcntl(fd, F_GETFD) & FD_CLOEXEC);
}

TEST(KeptProcFile, ChildReadsItsOwnFiguresNotTheParents) {
    const std::uint64_t parentPages = statmPages();  // keeps /proc/self/statm open
    ASSERT_GT(parentPages, 0u);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const std::size_t size = 512 << 20;
        if (mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) == MAP_FAILED)
            _exit(2);
        const auto grown = size / static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
        _exit(statmPages() >= parentPages + grown ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child read the parent's statm";
    EXPECT_LT(statmPages(), parentPages + 1024);
}

TEST(KeptProcFile, ReusedDescriptorNumberIsLeftToItsNewOwner) {
    ASSERT_FALSE(readKept(ProcSource::Meminfo).empty());
    const int kept = descriptorOf("/proc/meminfo");
    ASSERT_GE(kept, 0);

    // A daemon closes everything it did not open, then a pipe takes the number.
    close(kept);
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    if (ends[0] != kept) {
        ASSERT_EQ(dup2(ends[0], kept), kept);
        close(ends[0]);
        ends[0] = kept;
    }
    const std::string text = readKept(ProcSource::Meminfo);
    EXPECT_TRUE(qz::os::parseMeminfo(text)) << text.substr(0, 80);
    // The pipe is still the program's, open and untouched.
    ASSERT_EQ(write(ends[1], "x", 1), 1);
    char got = 0;
    EXPECT_EQ(read(ends[0], &got, 1), 1);
    EXPECT_EQ(got, 'x');
    close(ends[0]);
    close(ends[1]);

    // The same with a regular file of the program's at that number: it is
    // neither read as meminfo nor closed.
    const int replaced = descriptorOf("/proc/meminfo");
    ASSERT_GE(replaced, 0);
    close(replaced);
    const int opened = open("/proc/self/cmdline", O_RDONLY);
    ASSERT_GE(opened, 0);
    const int file = dup2(opened, replaced);
    ASSERT_EQ(file, replaced);
    close(opened);
    EXPECT_TRUE(qz::os::parseMeminfo(readKept(ProcSource::Meminfo)));
    EXPECT_NE(fcntl(file, F_GETFD), -1);
    close(file);
}

TEST(KeptProcFile, RepeatedReadsHoldOneDescriptorPerFile) {
    for (int i = 0; i < 3; ++i) readKept(ProcSource::Meminfo);
    EXPECT_EQ(descriptorsOn("/proc/meminfo").size(), 1u);
}

}  // namespace
