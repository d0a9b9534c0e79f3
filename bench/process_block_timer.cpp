#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bench/block_timer.h"
#include "bench/process_comparison.h"

// The process comparison with the project's own timing harness, for the builds that
// have no Google Benchmark (the Windows targets, run under Wine). With
// "--blocks N CASE" it processes exactly N blocks of one case and times nothing: the
// run that an instruction count under callgrind looks at.

namespace {

using namespace process_comparison;

constexpr int kRounds = 30;
constexpr double kBurstSeconds = 0.05;

struct Cases {
  FaderPlugin plugin;
  PlainFader plainFloat, bareFloat, plainDouble, bareDouble;
  StereoBlock<float> floatBlock;
  StereoBlock<double> doubleBlock;
};

template <class Sample>
BlockTimer::Blocks ThroughRecord(AEffect* effect, StereoBlock<Sample>& block) {
  return [effect, &block](long blocks) {
    for (long b = 0; b < blocks; ++b) {
      ProcessThroughRecord(effect, block.inputs(), block.outputs(), kBlock);
      KeepMemory();
    }
  };
}

template <class Sample>
BlockTimer::Blocks Plain(PlainFader& fader, StereoBlock<Sample>& block) {
  return [&fader, &block](long blocks) {
    for (long b = 0; b < blocks; ++b) {
      fader.process(block.inputs(), block.outputs(), kBlock);
      KeepMemory();
    }
  };
}

template <class Sample>
BlockTimer::Blocks Bare(PlainFader& fader, StereoBlock<Sample>& block) {
  return [&fader, &block](long blocks) {
    for (long b = 0; b < blocks; ++b) {
      fader.processBare(block.inputs(), block.outputs(), kBlock);
      KeepMemory();
    }
  };
}

void AddCases(BlockTimer& timer, Cases& cases) {
  AEffect* const effect = cases.plugin.record();
  timer.add(kFloatCases.plugin, ThroughRecord(effect, cases.floatBlock));
  timer.add(kFloatCases.plain, Plain(cases.plainFloat, cases.floatBlock));
  timer.add(kFloatCases.bare, Bare(cases.bareFloat, cases.floatBlock));
  timer.add(kDoubleCases.plugin, ThroughRecord(effect, cases.doubleBlock));
  timer.add(kDoubleCases.plain, Plain(cases.plainDouble, cases.doubleBlock));
  timer.add(kDoubleCases.bare, Bare(cases.bareDouble, cases.doubleBlock));
}

// Kept out of line under this name: callgrind counts what runs inside it.
__attribute__((noinline)) void MeasuredBlocks(const BlockTimer::Blocks& process, long blocks) { process(blocks); }

int CountedRun(long blocks, const char* name) {
  Cases cases;
  BlockTimer timer;
  AddCases(timer, cases);
  const BlockTimer::Blocks* process = timer.find(name);
  if (!process) {
    std::fprintf(stderr, "no case named %s\n", name);
    return 2;
  }
  MeasuredBlocks(*process, blocks);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (!SameArithmetic<float>() || !SameArithmetic<double>()) {
    std::fprintf(stderr, "the loops compute something else than the plug-in\n");
    return 1;
  }
  if (argc == 4 && std::strcmp(argv[1], "--blocks") == 0) return CountedRun(std::atol(argv[2]), argv[3]);
  Cases cases;
  BlockTimer timer;
  AddCases(timer, cases);
  timer.run(kRounds, kBurstSeconds);
  timer.print();
  PrintRatios([&](const std::string& name) { return timer.best(name); });
  return 0;
}
