// Results cross the interface as signed 32-bit integers; a figure that does
// not fit comes back as the largest one that does rather than wrapping.
#pragma once

#include <cstdint>
#include <limits>

namespace qz {

constexpr std::int32_t saturate(std::uint64_t value) {
    constexpr auto max = std::numeric_limits<std::int32_t>::max();
    return value > static_cast<std::uint64_t>(max) ? max : static_cast<std::int32_t>(value);
}

constexpr std::int32_t saturate(std::int64_t value) {
    return value < 0 ? 0 : saturate(static_cast<std::uint64_t>(value));
}

}  // namespace qz
