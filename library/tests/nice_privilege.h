// Whether this process may raise scheduling priority (lower nice values):
// it holds CAP_SYS_NICE. Root in a container may well not.
#pragma once

#include <fstream>
#include <string>

namespace qz::test {

inline bool mayRaisePriority() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("CapEff:", 0) == 0) {
            const unsigned long long caps = std::stoull(line.substr(7), nullptr, 16);
            return (caps >> 23) & 1;  // CAP_SYS_NICE
        }
    return false;
}

}  // namespace qz::test
