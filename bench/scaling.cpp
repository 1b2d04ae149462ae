// The processor description's reader against synthetic /proc/cpuinfo texts
// of 2, 64 and 512 processors: what it costs must not grow with the count,
// since only the first processor's block is ever looked at.
#include <string>

#include "cpuinfo.h"
#include "floors.h"
#include "table.h"

namespace bench {
namespace {

std::string syntheticCpuinfo(int processors) {
    char block[16384];
    const std::size_t size = cpuinfoFirstBlock(block, sizeof block);
    std::string first(block, size);
    first = first.substr(0, first.find("\n\n") + 2);
    const std::string rest = first.substr(first.find('\n'));  // all but "processor : 0"
    std::string text;
    for (int i = 0; i < processors; ++i) text += "processor\t: " + std::to_string(i) + rest;
    return text;
}

}  // namespace

void registerScaling() {
    for (int processors : {2, 64, 512}) {
        const std::string name = "scaling/cpuinfo_reader/" + std::to_string(processors);
        benchmark::RegisterBenchmark(name.c_str(), [processors](benchmark::State &state) {
            const std::string text = syntheticCpuinfo(processors);
            for (auto _ : state) {
                const auto block = qz::os::firstBlock(text);
                benchmark::DoNotOptimize(qz::os::readProcessorValues(block.text, "x86_64"));
            }
            state.counters["bytes"] = static_cast<double>(text.size());
        })->Unit(benchmark::kNanosecond);
    }
}

}  // namespace bench
