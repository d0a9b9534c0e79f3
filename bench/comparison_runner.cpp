#include "bench/comparison_runner.h"

void BestTimes::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.run_type == Run::RT_Aggregate) continue;
    const std::string name = run.run_name.str();
    const auto best = times_.find(name);
    if (best == times_.end() || run.GetAdjustedRealTime() < best->second) times_[name] = run.GetAdjustedRealTime();
  }
  ConsoleReporter::ReportRuns(runs);
}

std::optional<double> BestTimes::of(const std::string& name) const {
  const auto best = times_.find(name);
  if (best == times_.end()) return std::nullopt;
  return best->second;
}

namespace {

std::vector<char*> WithDefaultArguments(int argc, char** argv) {
  static char repetitions[] = "--benchmark_repetitions=10";
  static char minimumTime[] = "--benchmark_min_time=0.2";
  static char interleaving[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> arguments{argv[0], repetitions, minimumTime, interleaving};
  arguments.insert(arguments.end(), argv + 1, argv + argc);
  return arguments;
}

}  // namespace

int RunComparison(int argc, char** argv, void (*printRatios)(const BestTimes&)) {
  std::vector<char*> arguments = WithDefaultArguments(argc, argv);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  BestTimes reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  printRatios(reporter);
  benchmark::Shutdown();
  return 0;
}
