#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "runtime/zepkin.h"

// The forward transform followed by the reordering into natural order, as a script
// runs it on its memory, against FFTW's in-place complex double transform of the same
// size. A summary of the time ratios follows the usual report.

namespace {

constexpr std::int64_t kSizes[] = {256, 1024, 4096, 32768};
// Repeated forward transforms grow the values by about √n each, at most 2^7.5: the
// input is restored this often, long before they could overflow. The copy stays in the
// timing, for both sides alike; it costs well below 1% of a transform.
constexpr std::int64_t kIterationsPerRefill = 64;

class BenchmarkScript final : public TZepkin {};

std::vector<double> Signal(std::int64_t n) {
  std::mt19937_64 generator(static_cast<unsigned>(n));
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> values(static_cast<std::size_t>(2 * n));
  for (double& value : values) value = uniform(generator);
  return values;
}

template <typename Refill, typename Transform>
void Run(benchmark::State& state, Refill refill, Transform transform) {
  std::int64_t sinceRefill = 0;
  for (auto _ : state) {
    if (++sinceRefill == kIterationsPerRefill) {
      refill();
      sinceRefill = 0;
    }
    transform();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void Zepkin(benchmark::State& state) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const std::vector<double> signal = Signal(n);
  BenchmarkScript script;
  double* const cells = script.MemoryAt(0);
  auto refill = [&] { std::copy(signal.begin(), signal.end(), cells); };
  refill();
  Run(state, refill, [&] {
    script.FftTransform(0, n, CZepkinMemory::kFftForward);
    script.FftTransform(0, n, CZepkinMemory::kFftToNaturalOrder);
  });
}

struct FftwDeleter {
  void operator()(fftw_complex* data) const { fftw_free(data); }
  void operator()(fftw_plan_s* plan) const { fftw_destroy_plan(plan); }
};

void Fftw(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  const std::vector<double> signal = Signal(n);
  const std::unique_ptr<fftw_complex, FftwDeleter> data(fftw_alloc_complex(static_cast<std::size_t>(n)));
  const std::unique_ptr<fftw_plan_s, FftwDeleter> plan(
      fftw_plan_dft_1d(n, data.get(), data.get(), FFTW_FORWARD, FFTW_MEASURE));
  auto refill = [&] { std::copy(signal.begin(), signal.end(), &data.get()[0][0]); };
  refill();  // planning with FFTW_MEASURE overwrites the buffer
  Run(state, refill, [&] { fftw_execute(plan.get()); });
}

// The best repetition is the one least disturbed by whatever else the machine runs.
double Best(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

void Configure(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("n")->ComputeStatistics("best", Best);
  for (const std::int64_t n : kSizes) benchmark->Arg(n);
}

BENCHMARK(Zepkin)->Apply(Configure);
BENCHMARK(Fftw)->Apply(Configure);

// Unless the command line says otherwise: many short repetitions in random order, so
// that a burst of other work on the machine neither falls on one side of the comparison
// only nor spoils every repetition of a benchmark.
std::vector<char*> WithDefaultArguments(int argc, char** argv) {
  static char repetitions[] = "--benchmark_repetitions=10";
  static char minimumTime[] = "--benchmark_min_time=0.2";
  static char interleaving[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> arguments{argv[0], repetitions, minimumTime, interleaving};
  arguments.insert(arguments.end(), argv + 1, argv + argc);
  return arguments;
}

// Passes everything on to the console and keeps each benchmark's best time.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "best") {
        times_[run.run_name.str()] = run.GetAdjustedRealTime();
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  void PrintRatios() const {
    std::printf("\nforward transform + reordering, best time relative to FFTW's best (goal: 2.0 or less)\n");
    for (const std::int64_t n : kSizes) {
      const std::string suffix = "/n:" + std::to_string(n);
      const auto ours = times_.find("Zepkin" + suffix);
      const auto fftw = times_.find("Fftw" + suffix);
      if (ours == times_.end() || fftw == times_.end()) continue;
      std::printf("  n = %6lld: %.2f\n", static_cast<long long>(n), ours->second / fftw->second);
    }
  }

 private:
  std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
  std::vector<char*> arguments = WithDefaultArguments(argc, argv);
  int count = static_cast<int>(arguments.size());
  benchmark::Initialize(&count, arguments.data());
  if (benchmark::ReportUnrecognizedArguments(count, arguments.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
