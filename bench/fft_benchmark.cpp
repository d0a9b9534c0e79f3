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
#include "runtime/fft_kernel_sets.h"
#include "runtime/zepkin.h"

// Both directions as a script runs them on its memory, against FFTW's in-place complex
// double transform of the same size and direction on a script's memory too: the forward transform followed by
// the reordering into natural order, and the reordering into the transform's own order
// followed by the inverse transform. A summary of the time ratios, with the kernel set
// the transforms chose on this processor, follows the usual report.

namespace {

constexpr std::int64_t kSmallestSize = 256;
constexpr std::int64_t kLargestSize = 32768;
// Repeated transforms grow the values by about √n each, at most 2^7.5: the input is
// restored this often, long before they could overflow. The copy stays in the timing,
// for both sides alike; it costs well below 1% of a transform.
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

// The two script calls of one direction, in the order given.
void Zepkin(benchmark::State& state, std::int32_t firstMode, std::int32_t secondMode) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  const std::vector<double> signal = Signal(n);
  BenchmarkScript script;
  double* const cells = script.MemoryAt(0);
  auto refill = [&] { std::copy(signal.begin(), signal.end(), cells); };
  refill();
  Run(state, refill, [&] {
    script.FftTransform(0, n, firstMode);
    script.FftTransform(0, n, secondMode);
  });
}

void ZepkinForward(benchmark::State& state) {
  Zepkin(state, CZepkinMemory::kFftForward, CZepkinMemory::kFftToNaturalOrder);
}

void ZepkinInverse(benchmark::State& state) {
  Zepkin(state, CZepkinMemory::kFftToTransformOrder, CZepkinMemory::kFftInverse);
}

struct FftwPlanDeleter {
  void operator()(fftw_plan_s* plan) const { fftw_destroy_plan(plan); }
};

// On a script's memory as well, so that both sides work on buffers of the same
// alignment.
void Fftw(benchmark::State& state, int sign) {
  const auto n = static_cast<int>(state.range(0));
  const std::vector<double> signal = Signal(n);
  BenchmarkScript script;
  double* const cells = script.MemoryAt(0);
  auto* const data = reinterpret_cast<fftw_complex*>(cells);
  const std::unique_ptr<fftw_plan_s, FftwPlanDeleter> plan(fftw_plan_dft_1d(n, data, data, sign, FFTW_MEASURE));
  auto refill = [&] { std::copy(signal.begin(), signal.end(), cells); };
  refill();  // planning with FFTW_MEASURE overwrites the buffer
  Run(state, refill, [&] { fftw_execute(plan.get()); });
}

void FftwForward(benchmark::State& state) { Fftw(state, FFTW_FORWARD); }

void FftwInverse(benchmark::State& state) { Fftw(state, FFTW_BACKWARD); }

void Configure(benchmark::internal::Benchmark* benchmark) {
  benchmark->ArgName("n");
  for (std::int64_t n = kSmallestSize; n <= kLargestSize; n *= 2) benchmark->Arg(n);
}

BENCHMARK(ZepkinForward)->Apply(Configure);
BENCHMARK(FftwForward)->Apply(Configure);
BENCHMARK(ZepkinInverse)->Apply(Configure);
BENCHMARK(FftwInverse)->Apply(Configure);

std::optional<double> Ratio(const BestTimes& best, const std::string& direction, std::int64_t n) {
  const std::string suffix = "/n:" + std::to_string(n);
  const std::optional<double> ours = best.of("Zepkin" + direction + suffix);
  const std::optional<double> fftw = best.of("Fftw" + direction + suffix);
  if (!ours || !fftw) return std::nullopt;
  return *ours / *fftw;
}

void PrintRatio(const std::optional<double>& ratio) {
  if (ratio) {
    std::printf("  %7.2f", *ratio);
  } else {
    std::printf("  %7s", "-");
  }
}

void PrintRatios(const BestTimes& best) {
  std::printf("\nbest time relative to FFTW's best (goal: 1.2 or less)\n");
  std::printf("  %6s  %-10s  %7s  %7s\n", "n", "kernels", "forward", "inverse");
  for (std::int64_t n = kSmallestSize; n <= kLargestSize; n *= 2) {
    std::printf("  %6lld  %-10s", static_cast<long long>(n), FftKernelSetName(FftKernelSetInUse()));
    PrintRatio(Ratio(best, "Forward", n));
    PrintRatio(Ratio(best, "Inverse", n));
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatios); }
