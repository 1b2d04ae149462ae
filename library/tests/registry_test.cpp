// The read-only registry: the value rules over a given record, and the
// handles and status codes of the real calls on this machine.
#include "registry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "platform.h"

using qz::os::isProcessorKeyPath;
using qz::os::ProcessorValue;
using qz::os::processorValueNamed;
using qz::os::queryProcessorValue;

namespace {

constexpr const char *kKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

qz::os::ProcessorValues sample() {
    qz::os::ProcessorValues values;
    values.name = "AMD EPYC";  // 8 characters, 9 bytes stored
    values.mhz = 2096;
    values.identifier = qz::os::ShortText{};  // an empty string, 1 byte stored
    return values;
}

TEST(RegistryValues, StatusSizeTypeAndBytes) {
    constexpr DWORD kUnset = 0xEEEEEEEE;
    struct Case {
        ProcessorValue which;
        bool withData;
        DWORD capacity;
        LONG status;
        DWORD size, type;
        std::vector<BYTE> bytes;  // what data holds after, from the start
    };
    const std::vector<BYTE> name = {'A', 'M', 'D', ' ', 'E', 'P', 'Y', 'C', 0};
    const std::vector<BYTE> mhz = {0x30, 0x08, 0, 0};  // 2096
    const std::vector<BYTE> untouched(9, 0xAA);
    const Case cases[] = {
        {ProcessorValue::Name, true, 9, ERROR_SUCCESS, 9, REG_SZ, name},
        {ProcessorValue::Name, true, 255, ERROR_SUCCESS, 9, REG_SZ, name},
        // Too small by one byte: its size, nothing copied.
        {ProcessorValue::Name, true, 8, ERROR_MORE_DATA, 9, REG_SZ, untouched},
        {ProcessorValue::Name, false, 0, ERROR_SUCCESS, 9, REG_SZ, untouched},
        {ProcessorValue::Identifier, true, 1, ERROR_SUCCESS, 1, REG_SZ, {0, 0xAA}},
        {ProcessorValue::Identifier, true, 0, ERROR_MORE_DATA, 1, REG_SZ, untouched},
        {ProcessorValue::Mhz, true, 4, ERROR_SUCCESS, 4, REG_DWORD, mhz},
        {ProcessorValue::Mhz, true, 3, ERROR_MORE_DATA, 4, REG_DWORD, untouched},
        // Missing: size and type left as they were.
        {ProcessorValue::Vendor, true, 255, ERROR_FILE_NOT_FOUND, 255, kUnset, untouched},
    };
    const auto values = sample();
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.which));
        SCOPED_TRACE(c.capacity);
        BYTE data[260];
        std::memset(data, 0xAA, sizeof data);
        DWORD size = c.capacity, type = kUnset;
        EXPECT_EQ(queryProcessorValue(values, c.which, &type, c.withData ? data : nullptr, &size),
                  c.status);
        EXPECT_EQ(size, c.size);
        EXPECT_EQ(type, c.type);
        EXPECT_EQ(std::vector<BYTE>(data, data + c.bytes.size()), c.bytes);
        EXPECT_EQ(data[c.bytes.size()], 0xAA);
    }
}

TEST(RegistryValues, NullArguments) {
    const auto values = sample();
    BYTE data[16];
    // Data without a size to say how much room it has.
    EXPECT_EQ(queryProcessorValue(values, ProcessorValue::Name, nullptr, data, nullptr),
              ERROR_INVALID_PARAMETER);
    // Asking only whether the value is there.
    EXPECT_EQ(queryProcessorValue(values, ProcessorValue::Mhz, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(queryProcessorValue(values, ProcessorValue::Vendor, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
}

TEST(RegistryNames, MatchWithoutRegardToCase) {
    EXPECT_TRUE(isProcessorKeyPath(kKey));
    EXPECT_TRUE(isProcessorKeyPath("hardware\\description\\SYSTEM\\centralprocessor\\0"));
    for (const char *other : {"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\1",
                              "HARDWARE\\DESCRIPTION\\System\\CentralProcessor",
                              "HARDWARE/DESCRIPTION/System/CentralProcessor/0", "", "SOFTWARE"})
        EXPECT_FALSE(isProcessorKeyPath(other)) << other;
    EXPECT_FALSE(isProcessorKeyPath(nullptr));

    EXPECT_EQ(processorValueNamed("processornamestring"), ProcessorValue::Name);
    EXPECT_EQ(processorValueNamed("VENDORIDENTIFIER"), ProcessorValue::Vendor);
    EXPECT_EQ(processorValueNamed("Identifier"), ProcessorValue::Identifier);
    EXPECT_EQ(processorValueNamed("~mhz"), ProcessorValue::Mhz);
    for (const char *other : {"MHz", "~MHz ", "", "Processor"})
        EXPECT_EQ(processorValueNamed(other), std::nullopt) << other;
    EXPECT_EQ(processorValueNamed(nullptr), std::nullopt);
}

// The real calls, reading this machine.
HKEY openProcessorKey() {
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    EXPECT_NE(key, nullptr);
    return key;
}

LONG querySpeed(HKEY key, DWORD *speed) {
    DWORD size = sizeof *speed;
    return RegQueryValueExA(key, "~MHz", nullptr, nullptr, reinterpret_cast<LPBYTE>(speed), &size);
}

TEST(RegistryKeys, OpenStatuses) {
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    EXPECT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "hardware\\description\\system\\centralprocessor\\0", 0,
                      KEY_READ, &key),
        ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    EXPECT_EQ(
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\1", 0,
                      KEY_READ, &key),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, nullptr, 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);

    // A root that is neither the machine's nor an open key, not even a
    // pointer to something: refused, never followed.
    int local = 0;
    for (HKEY bad :
         {HKEY{}, reinterpret_cast<HKEY>(&local), reinterpret_cast<HKEY>(std::uintptr_t{0x1234}),
          reinterpret_cast<HKEY>(~std::uintptr_t{0})})
        EXPECT_EQ(RegOpenKeyExA(bad, kKey, 0, KEY_READ, &key), ERROR_INVALID_HANDLE);

    // An open key opens again under an empty path; it has no subkeys.
    HKEY first = openProcessorKey();
    HKEY again = nullptr;
    EXPECT_EQ(RegOpenKeyExA(first, "", 0, KEY_READ, &again), ERROR_SUCCESS);
    EXPECT_NE(again, first);
    EXPECT_EQ(RegOpenKeyExA(first, "0", 0, KEY_READ, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(first), ERROR_SUCCESS);
    DWORD speed = 0;
    EXPECT_EQ(querySpeed(again, &speed), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(again), ERROR_SUCCESS);
}

TEST(RegistryKeys, QueryStatuses) {
    HKEY key = openProcessorKey();
    DWORD size = 0, type = 0;
    EXPECT_EQ(RegQueryValueExA(key, "~MHz", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 4u);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(RegQueryValueExA(key, "NoSuchValue", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    DWORD reserved = 0;
    EXPECT_EQ(RegQueryValueExA(key, "~MHz", &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    // The root holds no values.
    EXPECT_EQ(RegQueryValueExA(HKEY_LOCAL_MACHINE, "~MHz", nullptr, nullptr, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST(RegistryKeys, ClosedAndForgedHandlesAreInvalid) {
    HKEY key = openProcessorKey();
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    DWORD speed = 0;
    EXPECT_EQ(querySpeed(key, &speed), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(querySpeed(nullptr, &speed), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);

    // Every slot used again after it: the first handle stays stale.
    for (int i = 0; i < 600; ++i) EXPECT_EQ(RegCloseKey(openProcessorKey()), ERROR_SUCCESS);
    EXPECT_EQ(querySpeed(key, &speed), ERROR_INVALID_HANDLE);

    // A live handle with its bits nudged names no open key.
    HKEY live = openProcessorKey();
    const auto bits = reinterpret_cast<std::uintptr_t>(live);
    for (std::uintptr_t change :
         {std::uintptr_t{1}, std::uintptr_t{4}, std::uintptr_t{1} << 10, std::uintptr_t{1} << 40})
        EXPECT_EQ(querySpeed(reinterpret_cast<HKEY>(bits ^ change), &speed), ERROR_INVALID_HANDLE);
    EXPECT_EQ(querySpeed(live, &speed), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(live), ERROR_SUCCESS);
}

TEST(RegistryKeys, TableFullThenFreedAgain) {
    std::vector<HKEY> open;
    HKEY key = nullptr;
    LONG status;
    while ((status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key)) == ERROR_SUCCESS)
        open.push_back(key);
    EXPECT_EQ(status, ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_GE(open.size(), 64u);
    for (HKEY k : open) EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(openProcessorKey()), ERROR_SUCCESS);
}

TEST(RegistryKeys, ThreadsOpenReadAndCloseTogether) {
    DWORD expected = 0;
    HKEY key = openProcessorKey();
    const LONG expectedStatus = querySpeed(key, &expected);
    RegCloseKey(key);

    std::vector<std::thread> threads;
    std::atomic<int> failures{0};
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([&] {
            for (int i = 0; i < 300; ++i) {
                HKEY k = nullptr;
                DWORD speed = 0;
                if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &k) != ERROR_SUCCESS ||
                    querySpeed(k, &speed) != expectedStatus || speed != expected ||
                    RegCloseKey(k) != ERROR_SUCCESS || RegCloseKey(k) != ERROR_INVALID_HANDLE)
                    ++failures;
            }
        });
    for (auto &thread : threads) thread.join();
    EXPECT_EQ(failures, 0);
}

}  // namespace
