#pragma once

#include <cstdint>

#include "platform.h"

namespace qz {

constexpr std::uint64_t fromFiletime(const FILETIME &time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

constexpr FILETIME toFiletime(std::uint64_t count) {
    return FILETIME{static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)};
}

}  // namespace qz
