#include "proc_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <mutex>
#include <string_view>

namespace qz::os {
namespace {

constexpr auto kSources = static_cast<std::size_t>(ProcSource::Count);
constexpr const char *kPaths[kSources] = {"/proc/meminfo", "/proc/self/statm", "/proc/stat",
                                          "/proc/cpuinfo"};

// How the text of each file starts, so a read through a number that now
// belongs to someone else is recognised by what comes back; empty where the
// start tells nothing (cpuinfo's first line differs by architecture), and
// the descriptor is checked with fstat before every read instead.
constexpr std::string_view kStarts[kSources] = {"MemTotal:", "", "cpu ", ""};

bool looksRight(ProcSource source, const char *text, std::size_t size) {
    const auto index = static_cast<std::size_t>(source);
    if (source == ProcSource::SelfStatm) return size > 0 && text[0] >= '0' && text[0] <= '9';
    return std::string_view(text, size).starts_with(kStarts[index]);
}

bool checkedByContent(ProcSource source) {
    return source == ProcSource::SelfStatm || !kStarts[static_cast<std::size_t>(source)].empty();
}

struct Kept {
    std::atomic<int> fd{-1};
    std::atomic<dev_t> device{0};
    std::atomic<ino_t> inode{0};

    bool stillOurs(int number) const {
        struct stat st {};
        return number >= 0 && fstat(number, &st) == 0 && st.st_dev == device.load() &&
               st.st_ino == inode.load();
    }
};

// The table of kept descriptors. Reads take the descriptor without a lock;
// the mutex is held only to replace one.
class KeptFiles {
  public:
    KeptFiles() {
        pthread_atfork([] { instance().mutex_.lock(); }, [] { instance().mutex_.unlock(); },
                       [] { instance().dropAllInChild(); });
    }
    ~KeptFiles() {
        for (auto &kept : files_)
            if (kept.stillOurs(kept.fd)) close(kept.fd);
    }

    static KeptFiles &instance() {
        static KeptFiles files;
        return files;
    }

    Kept &kept(ProcSource source) { return files_[static_cast<std::size_t>(source)]; }

    // Opens the file again unless another thread already replaced stale.
    // Whatever sits at the stale number is not ours any more: it is left
    // open, for its new owner.
    int reopen(ProcSource source, int stale) {
        std::lock_guard lock(mutex_);
        auto &entry = kept(source);
        if (entry.fd.load() != stale) return entry.fd.load();
        entry.fd.store(-1);
        const int fd = open(kPaths[static_cast<std::size_t>(source)], O_RDONLY | O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat st {};
        if (fstat(fd, &st) != 0) {
            close(fd);
            return -1;
        }
        entry.device.store(st.st_dev);
        entry.inode.store(st.st_ino);
        entry.fd.store(fd);
        return fd;
    }

  private:
    // After fork the child has one thread and copies of our descriptors;
    // /proc/self in them names the parent, so all are dropped.
    void dropAllInChild() {
        for (auto &entry : files_) {
            if (entry.stillOurs(entry.fd)) close(entry.fd);
            entry.fd.store(-1);
        }
        mutex_.unlock();
    }

    std::mutex mutex_;
    Kept files_[kSources];
};

ssize_t readFrom(int fd, char *buffer, std::size_t capacity, off_t offset) {
    std::size_t total = 0;
    while (total < capacity) {
        const std::size_t wanted = capacity - total;
        const ssize_t got = pread(fd, buffer + total, wanted, offset + static_cast<off_t>(total));
        if (got < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        total += static_cast<std::size_t>(got);
        // The kernel hands over a /proc file's text in as few reads as the
        // buffer allows; a short read is the end, and asking again would
        // cost a whole extra system call for nothing.
        if (static_cast<std::size_t>(got) < wanted) break;
    }
    return static_cast<ssize_t>(total);
}

}  // namespace

const char *procPath(ProcSource source) {
    return kPaths[static_cast<std::size_t>(source)];
}

ssize_t readProcFile(ProcSource source, char *buffer, std::size_t capacity) {
    return readProcFileAt(source, buffer, capacity, 0);
}

ssize_t readProcFileAt(ProcSource source, char *buffer, std::size_t capacity, off_t offset) {
    auto &files = KeptFiles::instance();
    auto &entry = files.kept(source);
    int fd = entry.fd.load(std::memory_order_acquire);
    if (fd >= 0) {
        if (checkedByContent(source) && offset == 0) {
            // pread moves no file offset and fails (ESPIPE) on pipes, sockets
            // and event descriptors, so reading a number someone else reused
            // takes nothing from them; the text shows whether it was ours.
            const ssize_t got = readFrom(fd, buffer, capacity, offset);
            if (got > 0 && looksRight(source, buffer, static_cast<std::size_t>(got))) return got;
        } else if (entry.stillOurs(fd)) {
            return readFrom(fd, buffer, capacity, offset);
        }
    }
    fd = files.reopen(source, fd);
    if (fd < 0) return -1;
    return readFrom(fd, buffer, capacity, offset);
}

}  // namespace qz::os
