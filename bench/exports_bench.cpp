// Every export against its floor and its peer, measured in one run, and one
// table of the medians and their ratios at the end.
//
//   qztalvex_bench [--benchmark_repetitions=N] [other Google Benchmark flags]

#include <benchmark/benchmark.h>
#include <uv.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "floors.h"
#include "library_binding.h"
#include "table.h"

namespace {

using bench::bind;

template <typename Fn>
void add(const std::string &name, Fn fn) {
    benchmark::RegisterBenchmark(name.c_str(), [fn](benchmark::State &state) {
        for (auto _ : state) fn();
    })->Unit(benchmark::kNanosecond);
}

void registerCounter() {
    add("floor/clock_gettime", [] { benchmark::DoNotOptimize(bench::clockFloor()); });
    add("peer/uv_hrtime", [] { benchmark::DoNotOptimize(uv_hrtime()); });
    for (const char *name : {"qzHighCounterStart", "qzHighCounterEnd", "qzFrequencyCounter"}) {
        if (auto fn = bind<bench::NoArg>(name)) add(name, [fn] { benchmark::DoNotOptimize(fn()); });
    }
}

void registerMemory() {
    add("floor/meminfo", [] {
        char text[8192];
        benchmark::DoNotOptimize(bench::openReadClose("/proc/meminfo", text, sizeof text));
    });
    add("peer/uv_get_free_memory", [] { benchmark::DoNotOptimize(uv_get_free_memory()); });
    add("peer/uv_get_total_memory", [] { benchmark::DoNotOptimize(uv_get_total_memory()); });
    if (auto memory = bind<bench::TwoArgs>("qzGetMemorySize"))
        add("qzGetMemorySize", [memory] { benchmark::DoNotOptimize(memory(3, 1)); });
}

void registerTimes() {
    add("floor/stat", [] {
        char text[512];
        benchmark::DoNotOptimize(bench::openReadClose("/proc/stat", text, sizeof text));
    });
    for (const char *name : {"qzGetIdleTime", "qzGetKernelTime", "qzGetUserTime"}) {
        if (auto fn = bind<bench::OneArg>(name))
            add(name, [fn] { benchmark::DoNotOptimize(fn(1)); });
    }
}

void registerProcessor() {
    add("floor/cpuinfo_cpu0", [] {
        char text[16384];
        benchmark::DoNotOptimize(bench::cpuinfoFirstBlock(text, sizeof text));
    });
    add("peer/uv_cpu_info", [] {
        uv_cpu_info_t *cpus = nullptr;
        int count = 0;
        if (uv_cpu_info(&cpus, &count) == 0) uv_free_cpu_info(cpus, count);
    });
    if (auto speed = bind<bench::NoArg>("qzProcSpeed"))
        add("qzProcSpeed", [speed] { benchmark::DoNotOptimize(speed()); });
    for (const char *name : {"qzProcessorName", "qzProcessorIdentifier", "qzProcessorVendor"}) {
        auto fn = bind<bench::Buffer>(name);
        if (fn)
            add(name, [fn] {
                unsigned char buffer[260];
                benchmark::DoNotOptimize(fn(buffer));
                benchmark::ClobberMemory();
            });
    }
}

void registerControl() {
    auto cursor = bind<bench::OneArg>("qzShowCursor");
    if (cursor)
        add("qzShowCursor", [cursor] {  // a hide and a show, so the count stays put
            benchmark::DoNotOptimize(cursor(0));
            benchmark::DoNotOptimize(cursor(1));
        });
    // No window of ours to aim at: the whole path up to a failed open.
    for (const char *name : {"qzSetPriorityNormal", "qzSetPriorityIdle"}) {
        if (auto fn = bind<bench::OneArg>(name))
            add(std::string(name) + "(no window)", [fn] { benchmark::DoNotOptimize(fn(0)); });
    }
}

}  // namespace

int main(int argc, char **argv) {
    // Medians of repetitions: these machines are noisy.
    // Defaults go first so that flags on the command line override them.
    std::string repetitions = "--benchmark_repetitions=9";
    std::string aggregates = "--benchmark_report_aggregates_only=true";
    std::vector<char *> args{argv[0], repetitions.data(), aggregates.data()};
    args.insert(args.end(), argv + 1, argv + argc);
    int count = static_cast<int>(args.size());
    benchmark::Initialize(&count, args.data());

    registerCounter();
    registerMemory();
    registerTimes();
    registerProcessor();
    registerControl();
    bench::registerScaling();

    bench::MedianReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::printTable(reporter.medians());
    return 0;
}
