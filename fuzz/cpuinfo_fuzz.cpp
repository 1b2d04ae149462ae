// /proc/cpuinfo text of any shape, read as each architecture reads it: the
// values are either missing or sound, and point into the text they came from.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cpuinfo.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const auto block = qz::os::firstBlock(text);
    if (block.text.data() != text.data() || block.text.size() > text.size()) std::abort();
    const auto inText = [&](std::string_view v) {
        return v.data() >= text.data() && v.data() + v.size() <= text.data() + text.size();
    };
    for (const char *machine : {"x86_64", "i686", "aarch64", "armv7l", "s390x"}) {
        const auto values = qz::os::readProcessorValues(block.text, machine);
        if (values.name && !inText(*values.name)) std::abort();
        if (values.vendor && !inText(*values.vendor) &&
            values.vendor->find('\n') != std::string_view::npos)
            std::abort();
        if (values.identifier && values.identifier->size >= sizeof values.identifier->bytes)
            std::abort();
        if (values.mhz && *values.mhz == 0) std::abort();
    }
    if (const auto mhz = qz::os::mhzFromKilohertz(text); mhz && *mhz == 0) std::abort();
    return 0;
}
