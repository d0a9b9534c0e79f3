#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/comparison_runner.h"
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

void Configure(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("n");
  for (const std::int64_t n : kSizes) benchmark->Arg(n);
}

BENCHMARK(Zepkin)->Apply(Configure);
BENCHMARK(Fftw)->Apply(Configure);

void PrintRatios(const BestTimes& best) {
  std::printf("\nforward transform + reordering, best time relative to FFTW's best (goal: 2.0 or less)\n");
  for (const std::int64_t n : kSizes) {
    const std::string suffix = "/n:" + std::to_string(n);
    const std::optional<double> ours = best.of("Zepkin" + suffix), fftw = best.of("Fftw" + suffix);
    if (!ours || !fftw) continue;
    std::printf("  n = %6lld: %.2f\n", static_cast<long long>(n), *ours / *fftw);
  }
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatios); }
