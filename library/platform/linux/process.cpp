// OpenProcess, SetPriorityClass, CloseHandle: process handles over the
// kernel's process ids.
//
// A handle is an index into a small table of open handles plus the slot's
// generation, so a closed or made-up handle is recognised as such without
// anything being dereferenced, and a slot reused later does not answer to
// an old handle. Each entry holds the process id, the access it was opened
// with and, where the kernel offers them, a pidfd: it tells a process that
// has since exited apart from a newcomer that was given the same id, so a
// handle never acts on a process it was not opened for. CloseHandle gives
// back the slot and the descriptor.
//
// Priority classes become nice values by the mapping libuv uses: realtime
// -20, high -14, above normal -7, normal 0, below normal 10, idle 19. The
// value is set for every thread of the process, since Linux keeps one per
// thread where the platform keeps one per process.

#include <dirent.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>

#include "platform.h"

namespace {

struct Entry {
    bool open = false;
    std::uint32_t generation = 0;
    DWORD pid = 0;
    DWORD access = 0;
    int pidfd = -1;  // -1 where the kernel has no pidfds
};

constexpr std::size_t kSlots = 256;
constexpr std::uintptr_t kSlotBits = 8;
constexpr std::uintptr_t kGenerationMask = 0xffffff;

std::mutex tableMutex;
std::array<Entry, kSlots> table;

// Handles are multiples of four and never 0: bits 2..9 are the slot,
// the bits above the slot's generation, 1 to 2^24 - 1.
HANDLE makeHandle(std::size_t slot, std::uint32_t generation) {
    return reinterpret_cast<HANDLE>((std::uintptr_t{generation} << (kSlotBits + 2)) |
                                    (std::uintptr_t{slot} << 2));
}

// The open entry that handle names; the table lock must be held.
Entry *lookup(HANDLE handle) {
    const auto value = reinterpret_cast<std::uintptr_t>(handle);
    if ((value & 3) != 0) return nullptr;
    const std::size_t slot = (value >> 2) & (kSlots - 1);
    const std::uintptr_t generation = value >> (kSlotBits + 2);
    Entry &entry = table[slot];
    if (!entry.open || generation == 0 || generation != entry.generation) return nullptr;
    return &entry;
}

int openPidfd(DWORD pid) {
#ifdef SYS_pidfd_open
    return static_cast<int>(syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
#else
    errno = ENOSYS;
    return -1;
#endif
}

// Whether the process is there to be opened (a zombie still is).
bool exists(DWORD pid) {
    return kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

// A pidfd turns readable once its process has exited.
bool exited(const Entry &entry) {
    if (entry.pidfd < 0) return !exists(entry.pid);
    pollfd ready{entry.pidfd, POLLIN, 0};
    return poll(&ready, 1, 0) != 0;
}

std::optional<int> niceValue(DWORD priorityClass) {
    switch (priorityClass) {
        case REALTIME_PRIORITY_CLASS:
            return -20;
        case HIGH_PRIORITY_CLASS:
            return -14;
        case ABOVE_NORMAL_PRIORITY_CLASS:
            return -7;
        case NORMAL_PRIORITY_CLASS:
            return 0;
        case BELOW_NORMAL_PRIORITY_CLASS:
            return 10;
        case IDLE_PRIORITY_CLASS:
            return 19;
        default:
            return std::nullopt;
    }
}

// Sets nice for the process's main thread, then for its other threads.
// Succeeds only if the kernel accepted every one it was asked about; a
// thread that ends meanwhile is no refusal.
bool setProcessNice(DWORD pid, int nice) {
    if (setpriority(PRIO_PROCESS, static_cast<id_t>(pid), nice) != 0) return false;
    char path[32];
    std::snprintf(path, sizeof path, "/proc/%u/task", static_cast<unsigned>(pid));
    DIR *tasks = opendir(path);
    if (!tasks) return true;  // no /proc: the main thread is what we can reach
    bool allSet = true;
    while (const dirent *task = readdir(tasks)) {
        char *end = nullptr;
        const unsigned long tid = std::strtoul(task->d_name, &end, 10);
        if (*end != '\0' || tid == 0 || tid == pid) continue;
        if (setpriority(PRIO_PROCESS, static_cast<id_t>(tid), nice) != 0 && errno != ESRCH)
            allSet = false;
    }
    closedir(tasks);
    return allSet;
}

}  // namespace

HANDLE OpenProcess(DWORD access, BOOL /*inheritHandle*/, DWORD processId) {
    // Handles here never pass to child processes, so inheritance has no
    // meaning; the platform's id 0 (its idle process) cannot be opened.
    if (processId == 0 || processId > INT32_MAX) return nullptr;

    int pidfd = openPidfd(processId);
    if (pidfd < 0) {
        if (errno != ENOSYS && errno != EPERM) return nullptr;  // ESRCH: no such process
        if (!exists(processId)) return nullptr;
    }

    std::lock_guard lock(tableMutex);
    for (std::size_t slot = 0; slot < kSlots; ++slot) {
        Entry &entry = table[slot];
        if (entry.open) continue;
        entry.generation = (entry.generation & kGenerationMask) + 1;
        if (entry.generation > kGenerationMask) entry.generation = 1;
        entry.open = true;
        entry.pid = processId;
        entry.access = access;
        entry.pidfd = pidfd;
        return makeHandle(slot, entry.generation);
    }
    if (pidfd >= 0) close(pidfd);
    return nullptr;  // every slot taken
}

BOOL SetPriorityClass(HANDLE process, DWORD priorityClass) {
    const auto nice = niceValue(priorityClass);
    std::lock_guard lock(tableMutex);
    const Entry *entry = lookup(process);
    if (!entry || !nice) return FALSE;
    if ((entry->access & PROCESS_SET_INFORMATION) == 0) return FALSE;
    if (exited(*entry)) return FALSE;
    return setProcessNice(entry->pid, *nice) ? TRUE : FALSE;
}

BOOL CloseHandle(HANDLE object) {
    std::lock_guard lock(tableMutex);
    Entry *entry = lookup(object);
    if (!entry) return FALSE;
    if (entry->pidfd >= 0) close(entry->pidfd);
    const std::uint32_t generation = entry->generation;
    *entry = Entry{};
    entry->generation = generation;  // the next open of this slot moves on
    return TRUE;
}
