// Prints what the library reports, one "name value" line per figure, for a
// comparison with another build of it on the same machine.
#include <windows.h>

#include <cstdio>

#include "bound_library.h"

namespace {

template <typename Fn>
bool print(const char *label, Fn fn) {
    if (!fn) return false;
    std::printf("%s %ld\n", label, static_cast<long>(fn()));
    return true;
}

bool printString(const char *label, decltype(&qzProcessorName) fn) {
    if (!fn) return false;
    unsigned char buffer[300] = {};
    const long result = fn(buffer);
    std::printf("%s %ld %s\n", label, result, reinterpret_cast<const char *>(buffer));
    return true;
}

}  // namespace

int main() {
    if (!qzwin::library()) {
        std::fprintf(stderr, "qztalvex: not loaded (%lu)\n", GetLastError());
        return 1;
    }
    const auto memory = QZ_BIND(qzGetMemorySize);
    const auto idle = QZ_BIND(qzGetIdleTime);
    const auto kernel = QZ_BIND(qzGetKernelTime);
    const auto user = QZ_BIND(qzGetUserTime);
    bool ok = print("frequency", QZ_BIND(qzFrequencyCounter)) &&
              print("speed", QZ_BIND(qzProcSpeed)) &&
              printString("vendor", QZ_BIND(qzProcessorVendor)) &&
              printString("identifier", QZ_BIND(qzProcessorIdentifier)) &&
              printString("name", QZ_BIND(qzProcessorName));
    if (memory && idle && kernel && user) {
        std::printf("load %ld\ntotal %ld\n", static_cast<long>(memory(1, 1)),
                    static_cast<long>(memory(2, 1)));
        std::printf("idle %ld\nkernel %ld\nuser %ld\n", static_cast<long>(idle(0)),
                    static_cast<long>(kernel(0)), static_cast<long>(user(0)));
    } else {
        ok = false;
    }
    if (!ok) std::fprintf(stderr, "qztalvex: an export is missing\n");
    std::fflush(stdout);
    return ok ? 0 : 1;
}
