// Collects each benchmark's median and prints the ratios against floors and
// peers as one table.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace bench {

class MedianReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run> &runs) override;
    const std::map<std::string, double> &medians() const { return medians_; }

  private:
    std::map<std::string, double> medians_;  // name -> nanoseconds
};

void printTable(const std::map<std::string, double> &medians);

// Rows measuring how the processor description scales with the processor count.
void registerScaling();

}  // namespace bench
