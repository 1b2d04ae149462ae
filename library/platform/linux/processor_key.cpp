#include "processor_key.h"

#include <fcntl.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

#include "proc_file.h"

namespace qz::os {
namespace {

// How many bytes cpu0's block took last time, 0 before the first read.
//
// /proc/cpuinfo is made one processor's block at a time, and a read makes
// blocks until it has as many bytes as it asked for. Asking for exactly
// cpu0's block makes that one block and nothing else, so the cost stays that
// of one block however many processors there are. The size barely changes
// between reads (a "cpu MHz" gaining a digit); when it grows, the rest is
// read on and the size learnt again.
std::atomic<std::size_t> blockSize{0};

// What to ask for when the size is not known yet: one block on any x86
// machine, a few on machines with short blocks.
constexpr std::size_t kFirstRead = 4096;

std::string_view readCpu0Block(char *buffer, std::size_t capacity) {
    const std::size_t known = blockSize.load(std::memory_order_relaxed);
    std::size_t wanted = known != 0 && known <= capacity ? known : kFirstRead;
    ssize_t got = readProcFile(ProcSource::Cpuinfo, buffer, wanted);
    if (got < 0) return {};
    auto have = static_cast<std::size_t>(got);
    Block block = firstBlock({buffer, have});
    // A full read may have stopped inside the block: read on from there.
    while (!block.complete && have == wanted && have < capacity) {
        wanted = capacity;
        got = readProcFileAt(ProcSource::Cpuinfo, buffer + have, capacity - have,
                             static_cast<off_t>(have));
        if (got <= 0) break;
        have += static_cast<std::size_t>(got);
        block = firstBlock({buffer, have});
    }
    blockSize.store(block.complete ? block.text.size() : 0, std::memory_order_relaxed);
    return block.text;
}

// cpufreq's highest clock for cpu0. Not scaling_cur_freq: that one is a
// momentary figure, and on some machines reading it takes milliseconds.
std::optional<std::uint32_t> cpufreqMaxMhz() {
    const int fd =
        open("/sys/devices/system/cpu/cpu0/cpufreq/cpuinfo_max_freq", O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    char text[32];
    const ssize_t got = pread(fd, text, sizeof text, 0);
    close(fd);
    if (got <= 0) return std::nullopt;
    return mhzFromKilohertz({text, static_cast<std::size_t>(got)});
}

}  // namespace

std::string_view kernelMachine() {
    // The architecture cannot change while the process runs.
    static const struct Machine {
        char name[sizeof(utsname::machine)] = {};
        Machine() {
            utsname names{};
            if (uname(&names) == 0) std::memcpy(name, names.machine, sizeof name - 1);
        }
    } machine;
    return machine.name;
}

ProcessorValues currentProcessorValues(char (&buffer)[kCpuinfoBlockCapacity], bool withClock) {
    const auto block = readCpu0Block(buffer, sizeof buffer);
    auto values = readProcessorValues(block, kernelMachine());
    if (withClock && !values.mhz && !block.empty()) values.mhz = cpufreqMaxMhz();
    return values;
}

}  // namespace qz::os
