// The library's export table as Windows programs see it: each name with its
// ordinal, the ordinals following the byte order of the names.
#pragma once

#include <array>
#include <cstdint>

namespace qzwin {

struct Export {
    const char *name;
    std::uint16_t ordinal;
};

inline constexpr std::array<Export, 16> kExports{{
    {"qzFrequencyCounter", 1},
    {"qzGetIdleTime", 2},
    {"qzGetKernelTime", 3},
    {"qzGetMemorySize", 4},
    {"qzGetUserTime", 5},
    {"qzHighCounterEnd", 6},
    {"qzHighCounterStart", 7},
    {"qzProcSpeed", 8},
    {"qzProcessorIdentifier", 9},
    {"qzProcessorName", 10},
    {"qzProcessorVendor", 11},
    {"qzSetPriorityHigh", 12},
    {"qzSetPriorityIdle", 13},
    {"qzSetPriorityNormal", 14},
    {"qzSetPriorityReal", 15},
    {"qzShowCursor", 16},
}};

}  // namespace qzwin
