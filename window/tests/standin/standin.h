// A scripted stand-in for the measurement library: the same sixteen names,
// answering what the test sets, and reporting every call it receives.
// Built as libqztalvex.so.1 in a directory of its own, so that the window
// finds it by the library's name.
#pragma once

#include <cstdint>

extern "C" {

struct QzStandinString {
    // Written to the lent buffer as they stand, like the library's n + 2
    // bytes; at most 257.
    unsigned char bytes[257];
    std::int32_t length;
};

struct QzStandinScript {
    std::int32_t memory[8];  // by selector; 0 unused
    std::int32_t idle, kernel, user;
    std::int32_t frequency, start, end;
    std::int32_t speed;
    QzStandinString name, vendor, identifier;
    // Called on entry to every function with its name and its first
    // argument (0 when it takes none or a buffer).
    void (*onCall)(const char *function, std::int32_t argument);
};

// The script that every function answers from; all zero at load.
__attribute__((visibility("default"))) QzStandinScript *qzStandinScript();
}
