// Small helpers for reading the kernel's text files: lines, "Key: value"
// fields and decimal numbers. Pure functions over string_view; nothing here
// touches the file system.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace qz::os {

// Takes the next complete line (without its '\n') off the front of text.
// A last line with no newline is incomplete, cut off mid-write or mid-read,
// and is not returned.
std::optional<std::string_view> nextLine(std::string_view &text);

// Skips spaces and tabs at the front of text.
void skipBlanks(std::string_view &text);

// Reads an unsigned decimal number off the front of text. Fails, consuming
// nothing, on no digits or on a value past 2^64 - 1.
std::optional<std::uint64_t> takeDecimal(std::string_view &text);

// Splits "Key<blanks>: value" into key and the value with blanks trimmed.
// Fails when the line has no colon.
struct Field {
    std::string_view key;
    std::string_view value;
};
std::optional<Field> splitField(std::string_view line);

}  // namespace qz::os
