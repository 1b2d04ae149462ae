// A scripted stand-in for the platform layer, for the cases no real machine
// shows: a memory figure of 2 GiB, a failed system call, a counter reading of
// the test's choosing. Each service answers from its script; tests set the
// script, call the library's functions and look at what came back.
#pragma once

#include <cstdint>

#include "platform.h"

namespace fake {

struct MemoryScript {
    BOOL ok = TRUE;
    MEMORYSTATUSEX status{};
    int calls = 0;
};

struct TimesScript {
    BOOL ok = TRUE;
    std::uint64_t idle = 0, kernel = 0, user = 0;  // 100-ns intervals
    int calls = 0;
};

struct CounterScript {
    BOOL counterOk = TRUE;
    LONGLONG counter = 0;
    BOOL frequencyOk = TRUE;
    LONGLONG frequency = 10'000'000;
};

inline MemoryScript memory;
inline TimesScript times;
inline CounterScript counter;

}  // namespace fake
