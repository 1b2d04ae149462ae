// /proc/self/statm text of any shape.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "meminfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    qz::os::parseStatmPages(std::string_view(reinterpret_cast<const char *>(data), size));
    return 0;
}
