// The little the library remembers between calls: two counter readings and
// the three system time records. Process-wide, zero at load, never reset.
// Every caller shares it without locks; relaxed atomics keep concurrent
// callers free of data races without ordering anything.
#pragma once

#include <atomic>
#include <cstdint>

namespace qz {

struct ModuleState {
    std::atomic<std::int64_t> counterStart{0};
    std::atomic<std::int64_t> counterEnd{0};
    // FILETIME values held as their 64-bit count of 100-ns intervals.
    std::atomic<std::uint64_t> idleTime{0};
    std::atomic<std::uint64_t> kernelTime{0};
    std::atomic<std::uint64_t> userTime{0};
};

extern ModuleState moduleState;

}  // namespace qz
