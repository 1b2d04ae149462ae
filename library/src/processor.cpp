// qzProcSpeed, qzProcessorName, qzProcessorIdentifier, qzProcessorVendor:
// the first processor as the hardware description key records it.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "platform.h"
#include "qztalvex.h"

namespace {

constexpr LPCSTR kProcessorKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

// What qzProcSpeed returns when the key opens but holds no speed.
constexpr DWORD kNoSpeed = 260;

// The most a string read may hand over; the read buffer has one byte more,
// so the copy of n + 1 bytes below never reaches past it.
constexpr DWORD kCapacity = 255;

// One body for the three strings: the value's n bytes and the byte after
// them go to the caller, then a zero; the result is n + 1. On any failure
// the registry's status comes back and the caller's buffer is untouched.
std::int32_t readString(unsigned char *buffer, LPCSTR valueName) {
    if (buffer == nullptr) return ERROR_INVALID_PARAMETER;

    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProcessorKey, 0, KEY_READ, &key);
    if (status != ERROR_SUCCESS) return status;

    BYTE data[kCapacity + 1] = {};  // zeroed, so the byte after the value is 0
    DWORD size = kCapacity;
    status = RegQueryValueExA(key, valueName, nullptr, nullptr, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS) return status;

    const DWORD n = std::min(size, kCapacity);
    std::memcpy(buffer, data, n + 1);
    buffer[n + 1] = 0;
    return static_cast<std::int32_t>(n + 1);
}

}  // namespace

extern "C" QZ_API std::int32_t QZ_CALL qzProcSpeed(void) {
    DWORD speed = kNoSpeed;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kProcessorKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return 0;
    // Read straight into the slot: a missing value leaves 260, a shorter one
    // replaces only the low bytes. The status is not needed.
    DWORD size = sizeof speed;
    RegQueryValueExA(key, "~MHz", nullptr, nullptr, reinterpret_cast<LPBYTE>(&speed), &size);
    RegCloseKey(key);
    return static_cast<std::int32_t>(speed);
}

extern "C" QZ_API std::int32_t QZ_CALL qzProcessorName(unsigned char *buffer) {
    return readString(buffer, "ProcessorNameString");
}

extern "C" QZ_API std::int32_t QZ_CALL qzProcessorIdentifier(unsigned char *buffer) {
    return readString(buffer, "Identifier");
}

extern "C" QZ_API std::int32_t QZ_CALL qzProcessorVendor(unsigned char *buffer) {
    return readString(buffer, "VendorIdentifier");
}
