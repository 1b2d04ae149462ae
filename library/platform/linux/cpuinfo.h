// The first processor's description, as /proc/cpuinfo gives it, in the four
// values the hardware description key holds. Pure functions: kernel text in,
// values out; reading the files is processor_key.cpp's business.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace qz::os {

// A short formatted value held in place, so a record copies safely.
struct ShortText {
    char bytes[64] = {};
    std::uint8_t size = 0;
    std::string_view view() const { return {bytes, size}; }
};

// Each value is missing when cpuinfo lacks what it is made from; nothing is
// made up in its place. name and vendor point into the text they were read
// from (or, for an ARM implementer's name, into static storage).
struct ProcessorValues {
    std::optional<std::string_view> name;    // "ProcessorNameString"
    std::optional<std::string_view> vendor;  // "VendorIdentifier"
    std::optional<ShortText> identifier;     // "Identifier"
    std::optional<std::uint32_t> mhz;        // "~MHz"
};

// The text up to and including the first blank line: the first processor's
// block. Without a blank line, all of text; complete tells which.
struct Block {
    std::string_view text;
    bool complete = false;
};
Block firstBlock(std::string_view text);

// The four values from the first processor's block. machine is the running
// kernel's architecture as uname(2) names it ("x86_64", "i686", "aarch64",
// ...): it picks the identifier's form and whether the time-stamp counter
// rule applies. "~MHz" comes from cpuinfo alone here; when it is missing the
// caller may still fill it from cpufreq (mhzFromKilohertz).
ProcessorValues readProcessorValues(std::string_view block, std::string_view machine);

// cpufreq's cpuinfo_max_freq text (kHz, one line) as whole MHz, rounded.
// Missing when the text is not a number or rounds to 0.
std::optional<std::uint32_t> mhzFromKilohertz(std::string_view text);

// The name an ARM implementer code goes by ("0x41" is "ARM"), or nothing
// for a code not in the table.
std::optional<std::string_view> armImplementerName(std::uint32_t code);

}  // namespace qz::os
