// cpu0's block of /proc/cpuinfo, as captured on real machines, made into
// the processor key's four values.
#include "cpuinfo.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "kernel_text.h"

using qz::os::firstBlock;
using qz::os::mhzFromKilohertz;
using qz::os::readProcessorValues;

namespace {

struct Expected {
    std::optional<std::string> name, vendor, identifier;
    std::optional<std::uint32_t> mhz;
};

void expectValues(std::string_view text, std::string_view machine, const Expected &want) {
    const auto got = readProcessorValues(text, machine);
    EXPECT_EQ(got.name, want.name);
    EXPECT_EQ(got.vendor, want.vendor);
    std::optional<std::string> identifier;
    if (got.identifier) identifier = std::string(got.identifier->view());
    EXPECT_EQ(identifier, want.identifier);
    EXPECT_EQ(got.mhz, want.mhz);
}

TEST(Cpuinfo, CapturedMachines) {
    const auto none = std::nullopt;
    struct Case {
        const char *file, *machine;
        Expected want;
    };
    const Case cases[] = {
        // The rated clock from the time-stamp counter, not "cpu MHz" (1138,
        // 2894, 1606) nor cpufreq's base_frequency (1200 on the i7).
        {"cpuinfo.intel-i7-1165g7",
         "x86_64",
         {"11th Gen Intel(R) Core(TM) i7-1165G7 @ 2.80GHz", "GenuineIntel",
          "Intel64 Family 6 Model 140 Stepping 1", 2804}},
        {"cpuinfo.intel-i7-1165g7",
         "i686",
         {"11th Gen Intel(R) Core(TM) i7-1165G7 @ 2.80GHz", "GenuineIntel",
          "x86 Family 6 Model 140 Stepping 1", 2804}},
        {"cpuinfo.amd-epyc-7451-96cpu",
         "x86_64",
         {"AMD EPYC 7451 24-Core Processor", "AuthenticAMD", "AMD64 Family 23 Model 1 Stepping 2",
          2295}},
        {"cpuinfo.vmware-amd-opteron-6328",
         "x86_64",
         {"AMD Opteron(tm) Processor 6328", "AuthenticAMD", "AMD64 Family 21 Model 2 Stepping 0",
          3200}},
        // No model name, no vendor line: the implementer code names the
        // vendor, the part number makes the identifier; no clock in cpuinfo.
        {"cpuinfo.arm64-a510-a710-a715-x3",
         "aarch64",
         {none, "ARM", "ARMv8 (64-bit) Family 8 Model D46 Revision   1", none}},
        // The older layout puts the implementer after the first blank line,
        // which is past cpu0's block: nothing is known.
        {"cpuinfo.armv7", "armv7l", {none, none, none, none}},
        // vendor_id is the only field there is; the clock lines of later
        // blocks are not read.
        {"cpuinfo.s390x", "s390x", {none, "IBM/S390", none, none}},
        {"cpuinfo.riscv64-visionfive2", "riscv64", {none, none, none, none}},
        // Cut off in the flags line: what came before it stands, and with
        // no flags seen, the clock is "cpu MHz".
        {"cpuinfo.truncated",
         "x86_64",
         {"11th Gen Intel(R) Core(TM) i7-1165G7 @ 2.80GHz", "GenuineIntel",
          "Intel64 Family 6 Model 140 Stepping 1", 1138}},
        // Family and stepping not numbers, bogomips not a number and
        // "cpu MHz" 0: no identifier and no clock, nothing made up.
        {"cpuinfo.garbled",
         "x86_64",
         {"AMD Opteron(tm) Processor 6328", "AuthenticAMD", none, none}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.file) + " on " + c.machine);
        const std::string text = fixture(c.file);
        expectValues(firstBlock(text).text, c.machine, c.want);
        // Handing over the whole file changes nothing: reading stops at
        // the first blank line.
        expectValues(text, c.machine, c.want);
    }
}

TEST(Cpuinfo, FirstBlockEndsAtTheFirstBlankLine) {
    const std::string epyc = fixture("cpuinfo.amd-epyc-7451-96cpu");
    const auto block = firstBlock(epyc);
    EXPECT_TRUE(block.complete);
    EXPECT_TRUE(block.text.ends_with("eff_freq_ro [13] [14]\n\n"));
    EXPECT_EQ(block.text.find("processor\t: 1"), std::string_view::npos);

    EXPECT_FALSE(firstBlock("processor\t: 0\nmodel name\t: X\n").complete);
    EXPECT_EQ(firstBlock("").text, "");
    EXPECT_EQ(firstBlock("\nmodel name\t: X\n").text, "\n");
}

TEST(Cpuinfo, ClockRules) {
    struct Case {
        const char *text, *machine;
        std::optional<std::uint32_t> mhz;
    };
    const Case cases[] = {
        {"flags\t: tsc constant_tsc\nbogomips\t: 4191.98\ncpu MHz\t: 1000\n", "x86_64", 2096},
        {"flags\t: tsc constant_tsc\nbogomips\t: 4191.98\ncpu MHz\t: 1000\n", "i586", 2096},
        // The flag must be a whole word of the flags line.
        {"flags\t: tsc constant_tsc_x\nbogomips\t: 4191.98\ncpu MHz\t: 999.5\n", "x86_64", 1000},
        {"flags\t: tsc\nbogomips\t: 4191.98\ncpu MHz\t: 2400.4\n", "x86_64", 2400},
        // The counter rule is x86's: elsewhere bogomips says nothing.
        {"flags\t: constant_tsc\nbogomips\t: 4191.98\ncpu MHz\t: 1500\n", "aarch64", 1500},
        {"flags\t: constant_tsc\ncpu MHz\t: 1500\n", "x86_64", 1500},
        {"flags\t: constant_tsc\nbogomips\t: 0.50\ncpu MHz\t: 1500\n", "x86_64", 1500},
        {"cpu MHz\t: 0.000\n", "x86_64", std::nullopt},
        {"cpu MHz\t: 0.4\n", "x86_64", std::nullopt},
        {"cpu MHz\t: -5\n", "x86_64", std::nullopt},
        {"cpu MHz\t: 99999999999\n", "x86_64", std::nullopt},
        {"cpu MHz\t: 1500\n\ncpu MHz\t: 1600\n", "x86_64", 1500},
        {"", "x86_64", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(readProcessorValues(c.text, c.machine).mhz, c.mhz) << c.text << c.machine;
}

TEST(Cpuinfo, CpufreqKilohertz) {
    EXPECT_EQ(mhzFromKilohertz("2800000\n"), 2800u);
    EXPECT_EQ(mhzFromKilohertz("1199500"), 1200u);
    EXPECT_EQ(mhzFromKilohertz("1199499\n"), 1199u);
    for (const char *bad : {"", "\n", "0\n", "499\n", "2.8 GHz\n", "abc"})
        EXPECT_EQ(mhzFromKilohertz(bad), std::nullopt) << bad;
}

TEST(Cpuinfo, ArmVendorOnlyFromAKnownImplementer) {
    const char *text =
        "CPU implementer\t: 0x51\nCPU architecture: 8\nCPU part\t: 0x80d\n"
        "CPU revision\t: 14\n";
    const auto values = readProcessorValues(text, "aarch64");
    EXPECT_EQ(values.vendor, "Qualcomm");
    ASSERT_TRUE(values.identifier);
    EXPECT_EQ(values.identifier->view(), "ARMv8 (64-bit) Family 8 Model 80D Revision  14");
    EXPECT_EQ(readProcessorValues("CPU implementer\t: 0x41\n", "armv7l").vendor, "ARM");
    EXPECT_EQ(readProcessorValues("CPU implementer\t: 0x7f\n", "aarch64").vendor, std::nullopt);
    EXPECT_EQ(readProcessorValues("CPU implementer\t: 0x41\n", "x86_64").vendor, std::nullopt);
}

}  // namespace
