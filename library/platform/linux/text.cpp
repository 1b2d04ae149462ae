#include "text.h"

namespace qz::os {

std::optional<std::string_view> nextLine(std::string_view &text) {
    const auto end = text.find('\n');
    if (end == std::string_view::npos) return std::nullopt;
    const auto line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

void skipBlanks(std::string_view &text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
}

std::optional<std::uint64_t> takeDecimal(std::string_view &text) {
    std::uint64_t value = 0;
    std::size_t used = 0;
    for (; used < text.size() && text[used] >= '0' && text[used] <= '9'; ++used) {
        const auto digit = static_cast<std::uint64_t>(text[used] - '0');
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    if (used == 0) return std::nullopt;
    text.remove_prefix(used);
    return value;
}

std::optional<Field> splitField(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) return std::nullopt;
    auto key = line.substr(0, colon);
    while (!key.empty() && (key.back() == ' ' || key.back() == '\t')) key.remove_suffix(1);
    auto value = line.substr(colon + 1);
    skipBlanks(value);
    while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.remove_suffix(1);
    return Field{key, value};
}

}  // namespace qz::os
