#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

// Passes everything on to the console and keeps each benchmark's best repetition: the
// one least disturbed by whatever else the machine runs.
class BestTimes final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // The best time per iteration of the benchmark of that name, arguments included
  // ("Fftw/n:256"), when it ran.
  std::optional<double> of(const std::string& name) const;

 private:
  std::map<std::string, double> times_;
};

// Runs the benchmarks of a comparison, then prints their ratios with `printRatios`.
// Unless the command line says otherwise, many short repetitions in random order, so
// that a burst of other work on the machine neither falls on one side of the comparison
// only nor spoils every repetition of a benchmark.
int RunComparison(int argc, char** argv, void (*printRatios)(const BestTimes&));
