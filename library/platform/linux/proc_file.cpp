#include "proc_file.h"

#include <fcntl.h>
#include <pthread.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

namespace qz::os {
namespace {

struct Kept {
    int fd = -1;
    dev_t device = 0;
    ino_t inode = 0;
};

constexpr auto kSources = static_cast<std::size_t>(ProcSource::Count);
constexpr const char *kPaths[kSources] = {"/proc/meminfo", "/proc/self/statm", "/proc/stat",
                                          "/proc/cpuinfo"};

bool stillOurs(const Kept &kept) {
    struct stat st {};
    return kept.fd >= 0 && fstat(kept.fd, &st) == 0 && st.st_dev == kept.device &&
           st.st_ino == kept.inode;
}

// The table of kept descriptors, guarded by one mutex that is held only to
// find or replace a descriptor, never across a read.
class KeptFiles {
public:
    KeptFiles() {
        pthread_atfork([] { instance().mutex_.lock(); }, [] { instance().mutex_.unlock(); },
                       [] { instance().dropAllInChild(); });
    }
    ~KeptFiles() {
        for (auto &kept : files_)
            if (stillOurs(kept)) close(kept.fd);
    }

    static KeptFiles &instance() {
        static KeptFiles files;
        return files;
    }

    int descriptor(ProcSource source) {
        std::lock_guard lock(mutex_);
        auto &kept = files_[static_cast<std::size_t>(source)];
        if (stillOurs(kept)) return kept.fd;
        // Whatever sits at the old number now belongs to someone else.
        kept = Kept{};
        const int fd = open(kPaths[static_cast<std::size_t>(source)], O_RDONLY | O_CLOEXEC);
        if (fd < 0) return -1;
        struct stat st {};
        if (fstat(fd, &st) != 0) {
            close(fd);
            return -1;
        }
        kept = Kept{fd, st.st_dev, st.st_ino};
        return fd;
    }

private:
    void dropAllInChild() {
        for (auto &kept : files_) {
            if (stillOurs(kept)) close(kept.fd);
            kept = Kept{};
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

const char *procPath(ProcSource source) { return kPaths[static_cast<std::size_t>(source)]; }

ssize_t readProcFile(ProcSource source, char *buffer, std::size_t capacity) {
    return readProcFileAt(source, buffer, capacity, 0);
}

ssize_t readProcFileAt(ProcSource source, char *buffer, std::size_t capacity, off_t offset) {
    const int fd = KeptFiles::instance().descriptor(source);
    if (fd < 0) return -1;
    return readFrom(fd, buffer, capacity, offset);
}

}  // namespace qz::os
