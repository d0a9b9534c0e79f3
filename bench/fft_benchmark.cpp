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

// The spectral builtins as a script runs them on its memory, each against FFTW on a
// script's memory too, so that both sides work on buffers of the same alignment:
// - the complex transform in both directions, the forward transform followed by the
//   reordering into natural order and the reordering into the transform's own order
//   followed by the inverse, against FFTW's in-place complex transform of the same size
//   and direction;
// - the MDCT of n values in both directions against FFTW's type-IV cosine transform
//   (REDFT11) of n/2 values. An MDCT is that cosine transform with a windowed folding
//   of the n values before it (or an unfolding after it) that FFTW has no counterpart
//   for, so FFTW's side does less of the work. FFTW has no MDCT; its complex transform
//   of n/4 values, the one ours runs inside, would leave out the rotations before and
//   after it as well.
// A summary of the time ratios, with the kernel set the transforms chose on this
// processor, follows the usual report.

namespace {

constexpr std::int64_t kSmallestSize = 256;
constexpr std::int64_t kLargestSize = 32768;
constexpr std::int64_t kLargestMdctSize = 4096;
// Repeated transforms grow the values by about √n each, at most 2^7.5, and repeated
// forward MDCTs shrink them by less than that: the input is restored this often, long
// before they could overflow or become subnormal. The copy stays in the timing, for
// both sides alike; it costs well below 1% of a transform.
constexpr std::int64_t kIterationsPerRefill = 64;

class BenchmarkScript final : public TZepkin {};

std::vector<double> Signal(std::int64_t count) {
  std::mt19937_64 generator(static_cast<unsigned>(count));
  std::uniform_real_distribution<double> uniform(-1.0, 1.0);
  std::vector<double> values(static_cast<std::size_t>(count));
  for (double& value : values) value = uniform(generator);
  return values;
}

// Times the operation that makeOperation(cells, script) returns for a script's memory,
// on `count` cells filled with a signal after it is made and refilled every
// kIterationsPerRefill iterations.
template <typename MakeOperation>
void OnScriptMemory(benchmark::State& state, std::int64_t count, MakeOperation makeOperation) {
  const std::vector<double> signal = Signal(count);
  BenchmarkScript script;
  double* const cells = script.MemoryAt(0);
  auto operation = makeOperation(cells, script);
  auto refill = [&] { std::copy(signal.begin(), signal.end(), cells); };
  refill();  // planning with FFTW_MEASURE overwrites the buffer
  std::int64_t sinceRefill = 0;
  for (auto _ : state) {
    if (++sinceRefill == kIterationsPerRefill) {
      refill();
      sinceRefill = 0;
    }
    operation();
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The two script calls of one transform direction, in the order given.
void Zepkin(benchmark::State& state, std::int32_t firstMode, std::int32_t secondMode) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  OnScriptMemory(state, 2 * n, [=](double*, BenchmarkScript& script) {
    return [=, &script] {
      script.FftTransform(0, n, firstMode);
      script.FftTransform(0, n, secondMode);
    };
  });
}

void ZepkinForward(benchmark::State& state) {
  Zepkin(state, CZepkinMemory::kFftForward, CZepkinMemory::kFftToNaturalOrder);
}

void ZepkinInverse(benchmark::State& state) {
  Zepkin(state, CZepkinMemory::kFftToTransformOrder, CZepkinMemory::kFftInverse);
}

void ZepkinMdct(benchmark::State& state, std::int32_t inverse) {
  const auto n = static_cast<std::int32_t>(state.range(0));
  OnScriptMemory(state, n, [=](double*, BenchmarkScript& script) {
    return [=, &script] { script.Mdct(0, n, inverse); };
  });
}

void ZepkinMdctForward(benchmark::State& state) { ZepkinMdct(state, 0); }

void ZepkinMdctInverse(benchmark::State& state) { ZepkinMdct(state, 1); }

struct FftwPlanDeleter {
  void operator()(fftw_plan_s* plan) const { fftw_destroy_plan(plan); }
};
using FftwPlan = std::unique_ptr<fftw_plan_s, FftwPlanDeleter>;

// An in-place plan on the script's cells, made by plan(cells), then executed.
template <typename Plan>
void Fftw(benchmark::State& state, std::int64_t count, Plan plan) {
  OnScriptMemory(state, count, [plan](double* cells, BenchmarkScript&) {
    return [planned = FftwPlan(plan(cells))] { fftw_execute(planned.get()); };
  });
}

void FftwComplex(benchmark::State& state, int sign) {
  const auto n = static_cast<int>(state.range(0));
  Fftw(state, 2 * n, [=](double* cells) {
    auto* const data = reinterpret_cast<fftw_complex*>(cells);
    return fftw_plan_dft_1d(n, data, data, sign, FFTW_MEASURE);
  });
}

void FftwForward(benchmark::State& state) { FftwComplex(state, FFTW_FORWARD); }

void FftwInverse(benchmark::State& state) { FftwComplex(state, FFTW_BACKWARD); }

void FftwCosineIV(benchmark::State& state) {
  const auto n = static_cast<int>(state.range(0));
  Fftw(state, n, [=](double* cells) { return fftw_plan_r2r_1d(n / 2, cells, cells, FFTW_REDFT11, FFTW_MEASURE); });
}

void Sizes(benchmark::internal::Benchmark* benchmark, std::int64_t largest) {
  benchmark->ArgName("n");
  for (std::int64_t n = kSmallestSize; n <= largest; n *= 2) benchmark->Arg(n);
}

void TransformSizes(benchmark::internal::Benchmark* benchmark) { Sizes(benchmark, kLargestSize); }

void MdctSizes(benchmark::internal::Benchmark* benchmark) { Sizes(benchmark, kLargestMdctSize); }

BENCHMARK(ZepkinForward)->Apply(TransformSizes);
BENCHMARK(FftwForward)->Apply(TransformSizes);
BENCHMARK(ZepkinInverse)->Apply(TransformSizes);
BENCHMARK(FftwInverse)->Apply(TransformSizes);
BENCHMARK(ZepkinMdctForward)->Apply(MdctSizes);
BENCHMARK(ZepkinMdctInverse)->Apply(MdctSizes);
BENCHMARK(FftwCosineIV)->Apply(MdctSizes);

std::optional<double> Ratio(const BestTimes& best, const std::string& ours, const std::string& fftw, std::int64_t n) {
  const std::string suffix = "/n:" + std::to_string(n);
  const std::optional<double> oursBest = best.of(ours + suffix);
  const std::optional<double> fftwBest = best.of(fftw + suffix);
  if (!oursBest || !fftwBest) return std::nullopt;
  return *oursBest / *fftwBest;
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
  std::printf("  %6s  %-10s  %7s  %7s  %12s  %12s\n", "n", "kernels", "forward", "inverse", "mdct forward",
              "mdct inverse");
  for (std::int64_t n = kSmallestSize; n <= kLargestSize; n *= 2) {
    std::printf("  %6lld  %-10s", static_cast<long long>(n), FftKernelSetName(FftKernelSetInUse()));
    PrintRatio(Ratio(best, "ZepkinForward", "FftwForward", n));
    PrintRatio(Ratio(best, "ZepkinInverse", "FftwInverse", n));
    if (n <= kLargestMdctSize) {
      std::printf("     ");
      PrintRatio(Ratio(best, "ZepkinMdctForward", "FftwCosineIV", n));
      std::printf("     ");
      PrintRatio(Ratio(best, "ZepkinMdctInverse", "FftwCosineIV", n));
    }
    std::printf("\n");
  }
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatios); }
