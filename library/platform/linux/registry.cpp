// RegOpenKeyExA, RegQueryValueExA and RegCloseKey over the processor key.
//
// A handle names a slot in a small fixed table and the slot's generation at
// opening, so it is checked without ever being followed as a pointer: a
// closed, stale, forged or foreign handle gives ERROR_INVALID_HANDLE, never
// a crash. The table is a set of atomic words; opening, checking and
// closing take no lock and allocate nothing.

#include "registry.h"

#include <atomic>
#include <cstdint>
#include <cstring>

#include "processor_key.h"

namespace qz::os {
namespace {

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

bool isProcessorKeyPath(LPCSTR path) {
    return path != nullptr && sameIgnoringCase(path, kProcessorKeyPath);
}

std::optional<ProcessorValue> processorValueNamed(LPCSTR name) {
    if (name == nullptr) return std::nullopt;
    const std::string_view n = name;
    if (sameIgnoringCase(n, "ProcessorNameString")) return ProcessorValue::Name;
    if (sameIgnoringCase(n, "VendorIdentifier")) return ProcessorValue::Vendor;
    if (sameIgnoringCase(n, "Identifier")) return ProcessorValue::Identifier;
    if (sameIgnoringCase(n, "~MHz")) return ProcessorValue::Mhz;
    return std::nullopt;
}

LONG queryProcessorValue(const ProcessorValues &values, ProcessorValue which, LPDWORD type,
                         LPBYTE data, LPDWORD size) {
    if (data != nullptr && size == nullptr) return ERROR_INVALID_PARAMETER;

    std::optional<std::string_view> text;
    std::uint32_t number = 0;
    switch (which) {
        case ProcessorValue::Name:
            text = values.name;
            break;
        case ProcessorValue::Vendor:
            text = values.vendor;
            break;
        case ProcessorValue::Identifier:
            if (values.identifier) text = values.identifier->view();
            break;
        case ProcessorValue::Mhz:
            if (!values.mhz) return ERROR_FILE_NOT_FOUND;
            number = *values.mhz;
            break;
    }
    const bool isNumber = which == ProcessorValue::Mhz;
    if (!isNumber && !text) return ERROR_FILE_NOT_FOUND;
    // A string longer than any DWORD count cannot come from a /proc block.
    const auto needed = static_cast<DWORD>(isNumber ? sizeof number : text->size() + 1);

    if (type != nullptr) *type = isNumber ? REG_DWORD : REG_SZ;
    if (data == nullptr) {
        if (size != nullptr) *size = needed;
        return ERROR_SUCCESS;
    }
    if (*size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    if (isNumber) {
        std::memcpy(data, &number, sizeof number);
    } else {
        std::memcpy(data, text->data(), text->size());
        data[text->size()] = 0;
    }
    *size = needed;
    return ERROR_SUCCESS;
}

namespace {

// The open keys. A slot's word is its generation shifted left by one, with
// the low bit set while a key is open in it; a handle carries the slot's
// index and the generation it was opened under.
constexpr std::uintptr_t kSlots = 256;
constexpr std::uint32_t kGenerationMask = (1u << 20) - 1;
std::atomic<std::uint32_t> slots[kSlots];
std::atomic<std::uint32_t> nextSlot{0};

constexpr std::uint32_t openWord(std::uint32_t generation) {
    return generation << 1 | 1;
}

// Handles stay below 2^30, clear of the predefined roots at 0x80000000 and
// up, and are never null (generations start at 1).
HKEY handleFor(std::uintptr_t slot, std::uint32_t generation) {
    return reinterpret_cast<HKEY>(std::uintptr_t{generation} << 10 | slot << 2);
}

struct HandleParts {
    std::uintptr_t slot;
    std::uint32_t generation;
};

std::optional<HandleParts> partsOf(HKEY key) {
    const auto value = reinterpret_cast<std::uintptr_t>(key);
    if ((value & 3) != 0 || value >> 30 != 0) return std::nullopt;
    const HandleParts parts{(value >> 2) & (kSlots - 1), static_cast<std::uint32_t>(value >> 10)};
    if (parts.generation == 0) return std::nullopt;
    return parts;
}

bool isOpen(HKEY key) {
    const auto parts = partsOf(key);
    return parts &&
           slots[parts->slot].load(std::memory_order_acquire) == openWord(parts->generation);
}

std::optional<HKEY> openSlot() {
    const auto start = nextSlot.fetch_add(1, std::memory_order_relaxed);
    for (std::uint32_t i = 0; i < kSlots; ++i) {
        const std::uintptr_t slot = (start + i) % kSlots;
        auto word = slots[slot].load(std::memory_order_relaxed);
        while ((word & 1) == 0) {
            const std::uint32_t generation = ((word >> 1) & kGenerationMask) % kGenerationMask + 1;
            if (slots[slot].compare_exchange_weak(word, openWord(generation),
                                                  std::memory_order_acq_rel))
                return handleFor(slot, generation);
        }
    }
    return std::nullopt;
}

}  // namespace
}  // namespace qz::os

LONG RegOpenKeyExA(HKEY root, LPCSTR subKey, DWORD /*options*/, REGSAM /*access*/, PHKEY result) {
    using namespace qz::os;
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    const bool sameKey = subKey == nullptr || *subKey == '\0';
    if (root == HKEY_LOCAL_MACHINE) {
        if (!isProcessorKeyPath(subKey)) return ERROR_FILE_NOT_FOUND;
    } else if (isOpen(root)) {
        // The processor key has no subkeys; an empty path opens it again.
        if (!sameKey) return ERROR_FILE_NOT_FOUND;
    } else {
        return ERROR_INVALID_HANDLE;
    }
    const auto key = openSlot();
    if (!key) return ERROR_NOT_ENOUGH_MEMORY;
    *result = *key;
    return ERROR_SUCCESS;
}

LONG RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize) {
    using namespace qz::os;
    if (reserved != nullptr || (data != nullptr && dataSize == nullptr))
        return ERROR_INVALID_PARAMETER;
    // The root itself holds no values.
    if (key == HKEY_LOCAL_MACHINE) return ERROR_FILE_NOT_FOUND;
    if (!isOpen(key)) return ERROR_INVALID_HANDLE;
    const auto which = processorValueNamed(valueName);
    if (!which) return ERROR_FILE_NOT_FOUND;
    char block[kCpuinfoBlockCapacity];
    const auto values = currentProcessorValues(block, *which == ProcessorValue::Mhz);
    return queryProcessorValue(values, *which, type, data, dataSize);
}

LONG RegCloseKey(HKEY key) {
    using namespace qz::os;
    if (key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
    const auto parts = partsOf(key);
    if (!parts) return ERROR_INVALID_HANDLE;
    auto expected = openWord(parts->generation);
    // Closing leaves the generation behind, so the handle is stale from now.
    if (!qz::os::slots[parts->slot].compare_exchange_strong(expected, expected & ~1u,
                                                            std::memory_order_acq_rel))
        return ERROR_INVALID_HANDLE;
    return ERROR_SUCCESS;
}
