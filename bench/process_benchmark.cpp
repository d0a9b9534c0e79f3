#include <benchmark/benchmark.h>

#include "bench/comparison_runner.h"
#include "bench/process_comparison.h"

// The per-sample path through the built plug-in's effect record against the plain loop
// and the bare recurrence, with Google Benchmark. A summary of the time ratios follows
// the usual report.

namespace {

using namespace process_comparison;

template <class Sample>
void BM_PlugIn(benchmark::State& state) {
  if (!SameArithmetic<Sample>()) state.SkipWithError("the loops compute something else than the plug-in");
  FaderPlugin plugin;
  StereoBlock<Sample> block;
  AEffect* const effect = plugin.record();
  for (auto _ : state) {
    ProcessThroughRecord(effect, block.inputs(), block.outputs(), kBlock);
    benchmark::DoNotOptimize(block.outputs()[1][kBlock - 1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}

template <class Sample, void (PlainFader::*Process)(Sample* const*, Sample* const*, VstInt32)>
void BM_Loop(benchmark::State& state) {
  PlainFader plain;
  StereoBlock<Sample> block;
  for (auto _ : state) {
    (plain.*Process)(block.inputs(), block.outputs(), kBlock);
    benchmark::DoNotOptimize(block.outputs()[1][kBlock - 1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}

BENCHMARK_TEMPLATE(BM_PlugIn, float)->Name(kFloatCases.plugin);
BENCHMARK_TEMPLATE(BM_Loop, float, &PlainFader::process<float>)->Name(kFloatCases.plain);
BENCHMARK_TEMPLATE(BM_Loop, float, &PlainFader::processBare<float>)->Name(kFloatCases.bare);
BENCHMARK_TEMPLATE(BM_PlugIn, double)->Name(kDoubleCases.plugin);
BENCHMARK_TEMPLATE(BM_Loop, double, &PlainFader::process<double>)->Name(kDoubleCases.plain);
BENCHMARK_TEMPLATE(BM_Loop, double, &PlainFader::processBare<double>)->Name(kDoubleCases.bare);

}  // namespace

int main(int argc, char** argv) {
  return RunComparison(argc, argv, [](const BestTimes& best) {
    process_comparison::PrintRatios([&](const std::string& name) { return best.of(name); });
  });
}
