// The processor exports against the hardware description read straight from
// the registry.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <vector>

#include "bound_library.h"

namespace {

constexpr const char *kKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

struct Value {
    LONG status = ERROR_FILE_NOT_FOUND;
    std::vector<BYTE> bytes;
};

Value registryValue(const char *name) {
    Value value;
    HKEY key = nullptr;
    value.status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kKey, 0, KEY_READ, &key);
    if (value.status != ERROR_SUCCESS) return value;
    DWORD size = 1024;
    value.bytes.resize(size);
    value.status = RegQueryValueExA(key, name, nullptr, nullptr, value.bytes.data(), &size);
    value.bytes.resize(value.status == ERROR_SUCCESS ? size : 0);
    RegCloseKey(key);
    return value;
}

struct StringExport {
    const char *value;
    decltype(&qzProcessorName) fn;
};

TEST(Processor, StringsAreTheRegistrysBytes) {
    const StringExport exports[] = {
        {"ProcessorNameString", QZ_BIND(qzProcessorName)},
        {"Identifier", QZ_BIND(qzProcessorIdentifier)},
        {"VendorIdentifier", QZ_BIND(qzProcessorVendor)},
    };
    for (const auto &e : exports) {
        ASSERT_NE(e.fn, nullptr) << e.value;
        const Value expected = registryValue(e.value);
        ASSERT_EQ(expected.status, ERROR_SUCCESS) << e.value;
        const std::size_t n = expected.bytes.size();
        ASSERT_GT(n, 1u) << e.value;
        ASSERT_LE(n, 255u) << e.value;

        std::array<unsigned char, 300> buffer;
        buffer.fill(0xA5);
        EXPECT_EQ(e.fn(buffer.data()), static_cast<std::int32_t>(n + 1)) << e.value;
        EXPECT_EQ(std::memcmp(buffer.data(), expected.bytes.data(), n), 0) << e.value;
        EXPECT_STREQ(reinterpret_cast<const char *>(buffer.data()),
                     reinterpret_cast<const char *>(expected.bytes.data()));
        EXPECT_EQ(buffer[n + 1], 0) << e.value;
        for (std::size_t i = n + 2; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], 0xA5) << e.value << ": byte " << i << " written";
    }
}

TEST(Processor, SpeedIsTheRegistrysNumber) {
    const auto speed = QZ_BIND(qzProcSpeed);
    ASSERT_NE(speed, nullptr);
    const Value expected = registryValue("~MHz");
    ASSERT_EQ(expected.status, ERROR_SUCCESS);
    ASSERT_EQ(expected.bytes.size(), sizeof(DWORD));
    DWORD mhz = 0;
    std::memcpy(&mhz, expected.bytes.data(), sizeof mhz);
    EXPECT_GT(mhz, 0u);
    EXPECT_EQ(speed(), static_cast<std::int32_t>(mhz));
}

}  // namespace
