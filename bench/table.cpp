#include "table.h"

#include <cstdio>
#include <vector>

namespace bench {

void MedianReporter::ReportRuns(const std::vector<Run> &runs) {
    for (const auto &run : runs)
        if (run.aggregate_name == "median")
            medians_[run.run_name.str()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
}

namespace {

struct Row {
    const char *measured;
    const char *floor;
    double floorGoal;  // 0: no goal
    const char *peer;  // nullptr: none
    bool mustBeatPeer;
};

const Row kRows[] = {
    {"qzHighCounterStart", "floor/clock_gettime", 1.3, "peer/uv_hrtime", false},
    {"qzHighCounterEnd", "floor/clock_gettime", 1.3, "peer/uv_hrtime", false},
    {"qzFrequencyCounter", "floor/clock_gettime", 1.3, nullptr, false},
    {"qzGetMemorySize", "floor/meminfo", 1.2, "peer/uv_get_free_memory", true},
    {"qzGetIdleTime", "floor/stat", 1.2, nullptr, false},
    {"qzGetKernelTime", "floor/stat", 1.2, nullptr, false},
    {"qzGetUserTime", "floor/stat", 1.2, nullptr, false},
    {"qzProcSpeed", "floor/cpuinfo_cpu0", 1.3, "peer/uv_cpu_info", true},
    {"qzProcessorName", "floor/cpuinfo_cpu0", 1.3, "peer/uv_cpu_info", true},
    {"qzProcessorIdentifier", "floor/cpuinfo_cpu0", 1.3, "peer/uv_cpu_info", true},
    {"qzProcessorVendor", "floor/cpuinfo_cpu0", 1.3, "peer/uv_cpu_info", true},
    {"qzShowCursor", "floor/clock_gettime", 0, nullptr, false},
    {"qzSetPriorityNormal(no window)", "floor/clock_gettime", 0, nullptr, false},
    {"qzSetPriorityIdle(no window)", "floor/clock_gettime", 0, nullptr, false},
};

double find(const std::map<std::string, double> &medians, const std::string &name) {
    const auto it = medians.find(name);
    return it == medians.end() ? -1 : it->second;
}

}  // namespace

void printTable(const std::map<std::string, double> &medians) {
    std::printf("\n%-32s %10s %-20s %10s %7s %6s %-24s %10s %7s %s\n", "export", "ns", "floor",
                "floor ns", "x floor", "goal", "peer", "peer ns", "x peer", "verdict");
    for (const auto &row : kRows) {
        const double measured = find(medians, row.measured);
        const double floor = find(medians, row.floor);
        if (measured < 0 || floor <= 0) continue;
        const double toFloor = measured / floor;
        std::string verdict =
            row.floorGoal > 0 ? (toFloor <= row.floorGoal ? "met" : "MISSED") : "reported";
        double peer = -1, toPeer = 0;
        if (row.peer && (peer = find(medians, row.peer)) > 0) {
            toPeer = measured / peer;
            if (row.mustBeatPeer && toPeer >= 1) verdict = "MISSED (peer)";
        }
        char goal[16] = "-";
        if (row.floorGoal > 0) std::snprintf(goal, sizeof goal, "%.1fx", row.floorGoal);
        std::printf("%-32s %10.1f %-20s %10.1f %7.2f %6s %-24s %10s %7s %s\n", row.measured,
                    measured, row.floor, floor, toFloor, goal, row.peer ? row.peer : "-",
                    peer > 0 ? std::to_string(static_cast<long>(peer + 0.5)).c_str() : "-",
                    peer > 0 ? std::to_string(toPeer).substr(0, 4).c_str() : "-", verdict.c_str());
    }
    // Scaling rows: the processor-count series, each against its two-processor cost.
    std::printf("\n%-40s %10s %12s\n", "scaling (synthetic cpuinfo)", "ns", "x 2 cpus");
    for (const auto &[name, ns] : medians) {
        if (name.rfind("scaling/", 0) != 0) continue;
        const std::string base = name.substr(0, name.rfind('/')) + "/2";
        const double two = find(medians, base);
        std::printf("%-40s %10.1f %12.2f\n", name.c_str(), ns, two > 0 ? ns / two : 0.0);
    }
}

}  // namespace bench
