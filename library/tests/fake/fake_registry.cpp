// The registry as scripted in fake::registry: one key, which opens or fails
// as told, holding the listed values. Reads follow the platform's rules:
// a missing value is ERROR_FILE_NOT_FOUND; one longer than the capacity is
// ERROR_MORE_DATA with its size stored and nothing copied.
#include <algorithm>
#include <cstring>

#include "fake_platform.h"

namespace {
// The one handle the fake hands out.
const HKEY kKey = reinterpret_cast<HKEY>(std::uintptr_t{0x1234});
}  // namespace

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD, REGSAM access, PHKEY result) {
    auto &r = fake::registry;
    r.path = subKey != nullptr ? subKey : "";
    r.access = access;
    if (root != HKEY_LOCAL_MACHINE || result == nullptr) return ERROR_INVALID_HANDLE;
    if (r.openStatus != ERROR_SUCCESS) return r.openStatus;
    ++r.opens;
    *result = kKey;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD, LPBYTE data, LPDWORD dataSize) {
    auto &r = fake::registry;
    if (key != kKey || r.opens <= r.closes) return ERROR_INVALID_HANDLE;
    r.capacity = *dataSize;
    r.bufferWasZeroed = std::all_of(data, data + *dataSize, [](BYTE b) { return b == 0; });
    const auto value = std::find_if(r.values.begin(), r.values.end(),
                                    [&](const auto &v) { return v.name == valueName; });
    if (value == r.values.end()) return ERROR_FILE_NOT_FOUND;
    const auto needed = static_cast<DWORD>(value->bytes.size());
    if (needed > *dataSize) {
        *dataSize = needed;
        return ERROR_MORE_DATA;
    }
    if (needed > 0) std::memcpy(data, value->bytes.data(), needed);
    *dataSize = needed;
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (key != kKey) return ERROR_INVALID_HANDLE;
    ++fake::registry.closes;
    return ERROR_SUCCESS;
}
