// The four processor exports on this machine, against cpu0's block of
// /proc/cpuinfo as the test reads it for itself.
#include <gtest/gtest.h>
#include <sys/utsname.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

#include "qztalvex.h"

namespace {

// "key<tabs>: value" lines up to the first blank line.
std::map<std::string, std::string> cpu0Fields() {
    std::ifstream in("/proc/cpuinfo");
    std::map<std::string, std::string> fields;
    std::string line;
    while (std::getline(in, line) && !line.empty()) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        auto key = line.substr(0, colon);
        key.erase(key.find_last_not_of(" \t") + 1);
        auto value = line.substr(colon + 1);
        value.erase(0, value.find_first_not_of(" \t"));
        fields.try_emplace(key, value);
    }
    return fields;
}

std::string machine() {
    utsname names{};
    uname(&names);
    return names.machine;
}

// Calls a string export twice (the second read is the one a warmed-up
// caller gets) and checks both against value.
void expectString(std::int32_t(QZ_CALL *call)(unsigned char *), const std::string &value) {
    for (int round = 0; round < 2; ++round) {
        unsigned char buffer[300];
        std::memset(buffer, 0xA5, sizeof buffer);
        const auto n = static_cast<std::int32_t>(value.size() + 1);
        ASSERT_EQ(call(buffer), n + 1) << value;
        EXPECT_EQ(std::string(reinterpret_cast<char *>(buffer)), value);
        EXPECT_EQ(buffer[n], 0);
        EXPECT_EQ(buffer[n + 1], 0);
        EXPECT_EQ(buffer[n + 2], 0xA5);
    }
}

TEST(LiveProcessor, NameAndVendorAreCpuinfos) {
    const auto fields = cpu0Fields();
    if (fields.contains("model name"))
        expectString(qzProcessorName, fields.at("model name"));
    else {
        unsigned char buffer[300];
        EXPECT_EQ(qzProcessorName(buffer), 2);
    }
    if (!fields.contains("vendor_id")) GTEST_SKIP() << "no vendor_id line here";
    expectString(qzProcessorVendor, fields.at("vendor_id"));
}

TEST(LiveProcessor, IdentifierOnX86_64) {
    if (machine() != "x86_64") GTEST_SKIP() << "not x86-64";
    auto fields = cpu0Fields();
    const std::string prefix = fields["vendor_id"] == "GenuineIntel" ? "Intel64" : "AMD64";
    expectString(qzProcessorIdentifier, prefix + " Family " + fields["cpu family"] + " Model " +
                                            fields["model"] + " Stepping " + fields["stepping"]);
}

TEST(LiveProcessor, SpeedIsTheRatedClock) {
    auto fields = cpu0Fields();
    const std::string arch = machine();
    const bool x86 = arch == "x86_64" || (arch.size() == 4 && arch[0] == 'i');
    std::int32_t expected;
    if (x86 && (" " + fields["flags"] + " ").find(" constant_tsc ") != std::string::npos &&
        fields.contains("bogomips"))
        expected = static_cast<std::int32_t>(std::lround(std::stod(fields["bogomips"]) / 2));
    else if (fields.contains("cpu MHz") && std::lround(std::stod(fields["cpu MHz"])) > 0)
        expected = static_cast<std::int32_t>(std::lround(std::stod(fields["cpu MHz"])));
    else
        GTEST_SKIP() << "the clock comes from cpufreq here";
    EXPECT_EQ(qzProcSpeed(), expected);
    EXPECT_EQ(qzProcSpeed(), expected);
}

TEST(LiveProcessor, NullBuffer) {
    EXPECT_EQ(qzProcessorName(nullptr), 87);
    EXPECT_EQ(qzProcessorIdentifier(nullptr), 87);
    EXPECT_EQ(qzProcessorVendor(nullptr), 87);
}

}  // namespace
