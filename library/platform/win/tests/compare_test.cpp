// The Linux build and the Windows build of the library on one machine in
// the same moment: what both read from the same hardware must agree, and
// what changes by the second must be close. Where they differ, Windows is
// the reference the Linux layer follows.
#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <sstream>
#include <string>

#include "qztalvex.h"

namespace {

struct Figure {
    long value = 0;
    std::string text;
};
using Figures = std::map<std::string, Figure>;

// "name value [text]" lines, ended the Windows way.
Figures parseFigures(const std::string &output) {
    Figures figures;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::istringstream fields(line);
        std::string name;
        Figure figure;
        if (!(fields >> name >> figure.value)) continue;
        std::getline(fields >> std::ws, figure.text);
        figures[name] = figure;
    }
    return figures;
}

std::string processorString(decltype(&qzProcessorName) fn, long &result) {
    std::array<unsigned char, 300> buffer{};
    result = fn(buffer.data());
    return reinterpret_cast<const char *>(buffer.data());
}

Figures linuxFigures() {
    Figures f;
    f["frequency"].value = qzFrequencyCounter();
    f["speed"].value = qzProcSpeed();
    f["vendor"].text = processorString(qzProcessorVendor, f["vendor"].value);
    f["identifier"].text = processorString(qzProcessorIdentifier, f["identifier"].value);
    f["name"].text = processorString(qzProcessorName, f["name"].value);
    f["load"].value = qzGetMemorySize(1, 1);
    f["total"].value = qzGetMemorySize(2, 1);
    f["idle"].value = qzGetIdleTime(0);
    f["kernel"].value = qzGetKernelTime(0);
    f["user"].value = qzGetUserTime(0);
    return f;
}

class SameMachine : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        before_ = linuxFigures();
        const std::string command = std::string("bash '") + QZ_WINE_SH + "' run '" + QZ_WINE_STATE +
                                    "' '" + QZ_WIN_FIGURES + "'";
        std::string output;
        if (FILE *wine = popen(command.c_str(), "r")) {
            std::array<char, 512> chunk{};
            while (std::fgets(chunk.data(), chunk.size(), wine)) output += chunk.data();
            status_ = pclose(wine);
        }
        after_ = linuxFigures();
        output_ = output;
        windows_ = parseFigures(output);
    }

    void SetUp() override {
        ASSERT_EQ(status_, 0) << output_;
        ASSERT_EQ(windows_.size(), before_.size()) << output_;
    }

    static inline Figures before_, after_, windows_;
    static inline std::string output_;
    static inline int status_ = -1;
};

TEST_F(SameMachine, ProcessorDescriptionIsIdentical) {
    // Wine truncates the momentary "cpu MHz" reading (2095.990 gives 2095);
    // the rated clock rounded is 2096. One MHz apart is the same clock.
    EXPECT_NEAR(after_["speed"].value, windows_["speed"].value, 1);
    for (const char *name : {"vendor", "identifier"}) {
        EXPECT_EQ(after_[name].text, windows_[name].text) << name;
        EXPECT_EQ(after_[name].value, windows_[name].value) << name << ": byte count";
    }
}

TEST_F(SameMachine, CounterFrequencyIsIdentical) {
    EXPECT_EQ(after_["frequency"].value, windows_["frequency"].value);
}

TEST_F(SameMachine, MemoryIsClose) {
    const long load = windows_["load"].value;
    EXPECT_GE(load, std::min(before_["load"].value, after_["load"].value) - 5);
    EXPECT_LE(load, std::max(before_["load"].value, after_["load"].value) + 5);
    // Total physical memory: the same but for a page or so of rounding.
    EXPECT_NEAR(windows_["total"].value, after_["total"].value, 64) << "KB";
}

// Seconds the processors spent waiting for I/O: /proc/stat's fifth column.
long iowaitSeconds() {
    FILE *stat = std::fopen("/proc/stat", "r");
    unsigned long long user = 0, nice = 0, system = 0, idle = 0, iowait = 0;
    if (stat) {
        if (std::fscanf(stat, "cpu %llu %llu %llu %llu %llu", &user, &nice, &system, &idle,
                        &iowait) != 5)
            iowait = 0;
        std::fclose(stat);
    }
    return static_cast<long>(iowait / static_cast<unsigned long long>(sysconf(_SC_CLK_TCK)));
}

TEST_F(SameMachine, SystemTimesAreClose) {
    // Read between two Linux readings; a couple of seconds' slack for how
    // each side rounds the kernel's ticks. A processor waiting for I/O is
    // idle, as Windows counts it, and our idle time says so; wine leaves
    // the I/O wait out of idle (while keeping it in kernel time), so its
    // idle may fall short of ours by that much.
    const long iowait = iowaitSeconds();
    for (const char *name : {"idle", "kernel", "user"}) {
        const long slack = std::string(name) == "idle" ? iowait + 2 : 2;
        EXPECT_GE(windows_[name].value, before_[name].value - slack) << name;
        EXPECT_LE(windows_[name].value, after_[name].value + 2) << name;
    }
}

}  // namespace
