#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/comparison_runner.h"
#include "bench/process_comparison.h"
#include "tools/lv2_host/lilv_host.h"

// The fader's LV2 run of one 512-frame stereo block, through lilv as Linux hosts call
// it, against processReplacing of the same block through the VST shared object's effect
// record, with the same settings. A summary of the time ratio follows the usual report.

namespace {

using namespace process_comparison;

void BM_Lv2Run(benchmark::State& state) {
  LilvHost host(QUORVANTILE_LV2_BUNDLE);
  LilvFader fader(host);
  if (!fader.instantiated()) state.SkipWithError("the bundle's fader did not instantiate");
  fader.level = kLevel;
  StereoBlock<float> block;
  const auto index = [&](const char* symbol) { return lilv_port_get_index(host.plugin(), host.port(symbol)); };
  LilvInstance* const instance = fader.instance();
  lilv_instance_connect_port(instance, index("in_left"), block.inputs()[0]);
  lilv_instance_connect_port(instance, index("in_right"), block.inputs()[1]);
  lilv_instance_connect_port(instance, index("out_left"), block.outputs()[0]);
  lilv_instance_connect_port(instance, index("out_right"), block.outputs()[1]);
  for (auto _ : state) {
    lilv_instance_run(instance, kBlock);
    benchmark::DoNotOptimize(block.outputs()[1][kBlock - 1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}

void BM_ProcessReplacing(benchmark::State& state) {
  FaderPlugin plugin;
  StereoBlock<float> block;
  AEffect* const effect = plugin.record();
  for (auto _ : state) {
    ProcessThroughRecord(effect, block.inputs(), block.outputs(), kBlock);
    benchmark::DoNotOptimize(block.outputs()[1][kBlock - 1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}

BENCHMARK(BM_Lv2Run)->Name("lv2 run");
BENCHMARK(BM_ProcessReplacing)->Name("processReplacing");

void PrintRatio(const BestTimes& best) {
  const auto lv2 = best.of("lv2 run"), vst = best.of("processReplacing");
  if (!lv2 || !vst) return;
  std::printf("\n512 frames: lv2 run %.1f ns, processReplacing %.1f ns, ratio %.3f (goal: 1.1 or less)\n", *lv2, *vst,
              *lv2 / *vst);
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatio); }
