// Values from cpuinfo text of any shape, handed over at every capacity:
// never more bytes than offered, nothing copied when the room is short, and
// the size stored always what the value needs.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "cpuinfo.h"
#include "registry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 1) return 0;
    const DWORD capacity = data[0];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    const auto values = qz::os::readProcessorValues(qz::os::firstBlock(text).text, "x86_64");
    using qz::os::ProcessorValue;
    for (auto which : {ProcessorValue::Name, ProcessorValue::Vendor, ProcessorValue::Identifier,
                       ProcessorValue::Mhz}) {
        BYTE out[256 + 16];
        std::memset(out, 0xA5, sizeof out);
        DWORD needed = 0, got = capacity;
        const LONG probe = qz::os::queryProcessorValue(values, which, nullptr, nullptr, &needed);
        const LONG status = qz::os::queryProcessorValue(values, which, nullptr, out, &got);
        if (probe != status && !(probe == ERROR_SUCCESS && status == ERROR_MORE_DATA)) std::abort();
        if (status == ERROR_SUCCESS && (got != needed || got > capacity)) std::abort();
        if (status == ERROR_MORE_DATA) {
            if (got != needed || got <= capacity) std::abort();
            for (const BYTE b : out)
                if (b != 0xA5) std::abort();
        }
        if (status == ERROR_SUCCESS && needed < sizeof out)
            for (std::size_t i = needed; i < sizeof out; ++i)
                if (out[i] != 0xA5) std::abort();
    }
    return 0;
}
