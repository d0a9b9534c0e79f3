#include "bench/process_comparison.h"

#include <cstdio>

namespace process_comparison {

FaderPlugin::FaderPlugin()
    : module_(ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME), host_(kSampleRate, kBlock), plugin_(module_, host_) {
  plugin_.start(false);
  plugin_.setParameter(0, kLevel);
}

namespace {

template <class Sample>
bool SameOutputs(StereoBlock<Sample>& a, StereoBlock<Sample>& b) {
  for (std::size_t c = 0; c < 2; ++c) {
    for (VstInt32 j = 0; j < kBlock; ++j) {
      if (a.outputs()[c][j] != b.outputs()[c][j]) return false;
    }
  }
  return true;
}

}  // namespace

template <class Sample>
bool SameArithmetic() {
  FaderPlugin plugin;
  PlainFader plain, bare;
  StereoBlock<Sample> viaPlugin, viaLoop, viaBare;
  for (int block = 0; block < 4; ++block) {
    ProcessThroughRecord(plugin.record(), viaPlugin.inputs(), viaPlugin.outputs(), kBlock);
    plain.process(viaLoop.inputs(), viaLoop.outputs(), kBlock);
    bare.processBare(viaBare.inputs(), viaBare.outputs(), kBlock);
    if (!SameOutputs(viaPlugin, viaLoop) || !SameOutputs(viaPlugin, viaBare)) return false;
  }
  return true;
}

template bool SameArithmetic<float>();
template bool SameArithmetic<double>();

void PrintRatios(const std::function<std::optional<double>(const std::string&)>& bestTime) {
  std::printf("\nplug-in through its effect record, best time per %d-frame block relative to the plain loop's "
              "best (goal: 1.15 or less) and to the bare recurrence's (aim: 1.3 or less)\n",
              static_cast<int>(kBlock));
  for (const CaseNames& names : {kFloatCases, kDoubleCases}) {
    const std::optional<double> ours = bestTime(names.plugin), plain = bestTime(names.plain),
                                bare = bestTime(names.bare);
    if (!ours || !plain || !bare) continue;
    std::printf("  %-22s %.2f of the plain loop, %.2f of the bare recurrence  (%.0f, %.0f and %.0f million frames "
                "per second)\n",
                names.plugin, *ours / *plain, *ours / *bare, kBlock / *ours * 1e3, kBlock / *plain * 1e3,
                kBlock / *bare * 1e3);
  }
}

}  // namespace process_comparison
