// A scripted stand-in for the platform layer, for the cases no real machine
// shows: a memory figure of 2 GiB, a failed system call, a counter reading of
// the test's choosing. Each service answers from its script; tests set the
// script, call the library's functions and look at what came back.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

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

// Modules, processes and the window routine. Every call of these services
// is written to calls, one line each, in the order made, e.g.
// "OpenProcess access=0x200 inherit=0 pid=4242".
struct PriorityScript {
    bool routineFound = true;   // GetProcAddress finds the window routine
    bool routineStores = true;  // the routine writes windowPid into the slot
    DWORD windowPid = 4242;     // 0 makes OpenProcess fail, as the platform does
    BOOL setResult = TRUE;      // what SetPriorityClass answers for an open process
    std::vector<std::string> calls;
};

struct CursorScript {
    int count = 0;  // the display count ShowCursor moves and returns
    std::vector<BOOL> flags;
};

// The registry: whether the key opens, and the bytes each value holds (a
// name not listed is missing). The fake records what it was asked so tests
// can see that every opened key was closed and how each read was made.
struct RegistryScript {
    struct Value {
        std::string name;
        std::vector<BYTE> bytes;
    };
    LONG openStatus = ERROR_SUCCESS;
    std::vector<Value> values;
    int opens = 0, closes = 0;
    std::string path;              // the key path last opened
    REGSAM access = 0;             // and the access asked for
    DWORD capacity = 0;            // the capacity the last read offered
    bool bufferWasZeroed = false;  // the last read's buffer was all zeros
};

inline MemoryScript memory;
inline TimesScript times;
inline CounterScript counter;
inline PriorityScript priority;
inline CursorScript cursor;
inline RegistryScript registry;

}  // namespace fake
