#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <vector>

#include "bench/comparison_runner.h"
#include "runtime/zepkin.h"
#include "tools/vst_host/hosted_plugin.h"
#include "tools/vst_host/plugin_module.h"
#include "tools/vst_host/render_host.h"

// A second of stereo audio at 48 kHz through the analyser's processReplacing, at its
// default size of 4096, against the runtime's transform of that size alone, called as
// often as the analyser calls it in that second: every quarter of the size, 46.875 times.
// The difference is the script's own work beyond the transform.

namespace {

constexpr double kRate = 48000.0;
constexpr VstInt32 kBlock = 512;
constexpr std::int32_t kSize = 4096;
constexpr double kTransformsPerSecond = kRate / (kSize / 4);

void BM_AnalyserSecond(benchmark::State& state) {
  PluginModule module(ExecutableDirectory() + QUORVANTILE_ANALYSER_FILE_NAME);
  RenderHost host(kRate, kBlock);
  HostedPlugin analyser(module, host);
  analyser.start(false);
  std::vector<std::vector<float>> channels(4, std::vector<float>(kBlock));
  std::mt19937 generator(5);
  std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
  for (std::size_t c = 0; c < 2; ++c) {
    for (float& sample : channels[c]) sample = noise(generator);
  }
  float* inputs[2] = {channels[0].data(), channels[1].data()};
  float* outputs[2] = {channels[2].data(), channels[3].data()};
  AEffect* const effect = const_cast<AEffect*>(&analyser.record());
  const auto blocksPerSecond = static_cast<int>(kRate / kBlock);  // 93, and 384 frames more
  for (auto _ : state) {
    for (int b = 0; b < blocksPerSecond; ++b) effect->processReplacing(effect, inputs, outputs, kBlock);
    effect->processReplacing(effect, inputs, outputs, static_cast<VstInt32>(kRate) - blocksPerSecond * kBlock);
    benchmark::ClobberMemory();
  }
}

class TransformScript final : public TZepkin {};

void BM_TransformsOfASecond(benchmark::State& state) {
  TransformScript script;
  double* const cells = script.MemoryAt(0);
  std::mt19937 generator(6);
  std::uniform_real_distribution<double> noise(-1.0, 1.0);
  std::vector<double> signal(2 * kSize);
  for (double& value : signal) value = noise(generator);
  // Repeated transforms grow the values by about 64 each: fresh ones every 64 calls,
  // long before they could overflow, at a cost well below 1 % of the transforms.
  int sinceRefill = 0;
  for (auto _ : state) {
    if (sinceRefill++ % 64 == 0) std::copy(signal.begin(), signal.end(), cells);
    script.FftTransform(0, kSize, CZepkinMemory::kFftForward);
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BM_AnalyserSecond)->Name("analyser, one second");
BENCHMARK(BM_TransformsOfASecond)->Name("transform 4096");

void PrintRatio(const BestTimes& best) {
  const auto second = best.of("analyser, one second"), transform = best.of("transform 4096");
  if (!second || !transform) return;
  const double transforms = *transform * kTransformsPerSecond;
  std::printf("\nper second of stereo at 48 kHz, size 4096: analyser %.0f us, the transform alone %.0f us "
              "(%.3f times), ratio %.3f (goal: 1.3 or less); %.2f %% of one core\n",
              *second / 1000.0, transforms / 1000.0, kTransformsPerSecond, *second / transforms,
              *second / 1e9 * 100.0);
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatio); }
