// The four processor exports against a scripted registry: the bytes each
// writes, the results, and keys that fail to open or values that are
// missing, too long or oddly sized, which no real machine offers on demand.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "fake_platform.h"
#include "qztalvex.h"

namespace {

using Bytes = std::vector<BYTE>;
constexpr BYTE kSentinel = 0xA5;
constexpr const char *kKey = "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0";

std::vector<BYTE> bytesOf(const std::string &text, bool withZero = true) {
    std::vector<BYTE> bytes(text.begin(), text.end());
    if (withZero) bytes.push_back(0);
    return bytes;
}

class Processor : public ::testing::Test {
  protected:
    void SetUp() override { fake::registry = {}; }
    void TearDown() override {
        // Every key that was opened was closed again, and opened as the
        // hardware description is: that key, for reading.
        EXPECT_EQ(fake::registry.opens, fake::registry.closes);
        if (fake::registry.opens > 0) {
            EXPECT_EQ(fake::registry.path, kKey);
            EXPECT_EQ(fake::registry.access, KEY_READ);
        }
    }
    static void value(const std::string &name, std::vector<BYTE> bytes) {
        fake::registry.values.push_back({name, std::move(bytes)});
    }
};

using StringExport = std::int32_t(QZ_CALL *)(unsigned char *);

TEST_F(Processor, StringExports) {
    using namespace std::string_literals;
    struct Case {
        const char *what;
        StringExport call;
        const char *valueName;
        std::optional<std::string> stored;  // nullopt: the value is missing
        LONG openStatus;
        std::int32_t result;
        std::string written;  // from byte 0; the rest keeps the sentinel
    };
    const std::string max(255, 'x');
    // clang-format off
    const Case cases[] = {
        // n = 13: bytes 0-11 the characters, 12 the stored zero, 13 the read
        // buffer's (zeroed) byte, 14 the zero written after it.
        {"12-character vendor with its zero", qzProcessorVendor, "VendorIdentifier",
         "AuthenticAMD\0"s, ERROR_SUCCESS, 14, "AuthenticAMD\0\0\0"s},
        {"name", qzProcessorName, "ProcessorNameString",
         "AMD EPYC\0"s, ERROR_SUCCESS, 10, "AMD EPYC\0\0\0"s},
        {"identifier", qzProcessorIdentifier, "Identifier",
         "AMD64 Family 26 Model 2 Stepping 1\0"s, ERROR_SUCCESS, 36,
         "AMD64 Family 26 Model 2 Stepping 1\0\0\0"s},
        {"string stored without its zero", qzProcessorVendor, "VendorIdentifier",
         "IBM"s, ERROR_SUCCESS, 4, "IBM\0\0"s},
        {"empty value", qzProcessorName, "ProcessorNameString",
         ""s, ERROR_SUCCESS, 1, "\0\0"s},
        {"missing name", qzProcessorName, "ProcessorNameString",
         std::nullopt, ERROR_SUCCESS, ERROR_FILE_NOT_FOUND, ""},
        {"255 bytes: 257 written", qzProcessorName, "ProcessorNameString",
         max, ERROR_SUCCESS, 256, max + "\0\0"s},
        {"256 bytes: not read", qzProcessorIdentifier, "Identifier",
         max + "x", ERROR_SUCCESS, ERROR_MORE_DATA, ""},
        {"key missing", qzProcessorVendor, "VendorIdentifier",
         "AuthenticAMD\0"s, ERROR_FILE_NOT_FOUND, ERROR_FILE_NOT_FOUND, ""},
        {"key denied", qzProcessorName, "ProcessorNameString",
         "AMD EPYC\0"s, 5, 5, ""},
    };
    // clang-format on
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fake::registry = {};
        fake::registry.openStatus = c.openStatus;
        // The other values hold something else, so a wrong pick shows.
        for (const char *name : {"ProcessorNameString", "Identifier", "VendorIdentifier"})
            if (std::string(name) != c.valueName) value(name, bytesOf("wrong value"));
        if (c.stored) value(c.valueName, bytesOf(*c.stored, false));

        std::array<BYTE, 300> buffer;
        buffer.fill(kSentinel);
        EXPECT_EQ(c.call(buffer.data()), c.result);
        std::vector<BYTE> expected = bytesOf(c.written, false);
        expected.resize(buffer.size(), kSentinel);
        EXPECT_EQ(std::vector<BYTE>(buffer.begin(), buffer.end()), expected);
        EXPECT_EQ(fake::registry.opens, fake::registry.closes);
        if (c.openStatus == ERROR_SUCCESS) {
            EXPECT_EQ(fake::registry.capacity, 255u);
            EXPECT_TRUE(fake::registry.bufferWasZeroed);
        }
    }
}

TEST_F(Processor, NullBufferIsRefusedBeforeAnythingElse) {
    value("ProcessorNameString", bytesOf("AMD EPYC"));
    value("Identifier", bytesOf("x"));
    value("VendorIdentifier", bytesOf("y"));
    for (StringExport call : {qzProcessorName, qzProcessorIdentifier, qzProcessorVendor})
        EXPECT_EQ(call(nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(fake::registry.opens, 0);
}

TEST_F(Processor, Speed) {
    struct Case {
        const char *what;
        std::optional<std::vector<BYTE>> stored;  // nullopt: missing
        LONG openStatus;
        std::int32_t result;
    };
    const Case cases[] = {
        {"4-byte number", Bytes{0x30, 0x08, 0, 0}, ERROR_SUCCESS, 2096},
        {"missing value", std::nullopt, ERROR_SUCCESS, 260},
        {"missing key", Bytes{0x30, 0x08, 0, 0}, ERROR_FILE_NOT_FOUND, 0},
        // Shorter values replace only the low bytes of 260 (0x104).
        {"1 byte", Bytes{0x2A}, ERROR_SUCCESS, 256 + 0x2A},
        {"1 byte zero", Bytes{0}, ERROR_SUCCESS, 256},
        {"2 bytes", Bytes{0x34, 0x12}, ERROR_SUCCESS, 0x1234},
        {"3 bytes", Bytes{0x56, 0x34, 0x12}, ERROR_SUCCESS, 0x123456},
        // Too long to read: nothing copied, the slot still says 260.
        {"5 bytes", Bytes{1, 2, 3, 4, 5}, ERROR_SUCCESS, 260},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        fake::registry = {};
        fake::registry.openStatus = c.openStatus;
        if (c.stored) value("~MHz", *c.stored);
        value("ProcessorNameString", bytesOf("not the speed"));
        EXPECT_EQ(qzProcSpeed(), c.result);
        EXPECT_EQ(fake::registry.opens, fake::registry.closes);
        if (c.openStatus == ERROR_SUCCESS) {
            EXPECT_EQ(fake::registry.capacity, 4u);
        }
    }
}

}  // namespace
