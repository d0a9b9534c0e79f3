#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench/comparison_runner.h"
#include "runtime/finite_or_zero.h"
#include "tools/vst_host/hosted_plugin.h"

// The per-sample path through the real boundary: the built plug-in, loaded as a host
// loads it, processes one 512-frame stereo block per call through its effect record.
// Beside it a plain loop computes exactly the same gain recurrence on the same
// buffers, the practical limit for this arithmetic. A summary of the time ratios
// follows the usual report.

namespace {

constexpr double kSampleRate = 44100.0;
constexpr VstInt32 kBlock = 512;
constexpr float kLevel = 0.5f;       // the "target level" sent with setParameter
constexpr double kFadeSeconds = 7.5;  // the default "fade time"
// Below this magnitude the fader counts a gain as silence.
constexpr double kSilence = 0.00001;

// The fader's gain recurrence written out as one plain loop, with the values its
// slider and init sections compute from the same settings.
class PlainFader {
 public:
  PlainFader() {
    const double samplePeriod = FiniteOrZero(1.0 / kSampleRate);
    const double smoothingTime = std::fmax(kFadeSeconds * 1000.0 * 0.001, kBlock / kSampleRate) * 0.2;
    coefficient_ = samplePeriod / (smoothingTime + samplePeriod);
    target_ = std::exp(std::log10(0.01 * std::floor((static_cast<double>(kLevel) + 0.005) / 0.01)) * 6.0);
  }

  template <class Sample>
  void process(Sample* const* inputs, Sample* const* outputs, VstInt32 frames) {
    const Sample* const left = inputs[0];
    const Sample* const right = inputs[1];
    Sample* const outLeft = outputs[0];
    Sample* const outRight = outputs[1];
    double gain = gain_;
    for (VstInt32 j = 0; j < frames; ++j) {
      const double step = FiniteOrZero((target_ - gain) * coefficient_);
      double next = gain + step;
      if (NearSilence(target_) && NearSilence(next)) next = target_;
      gain = next;
      outLeft[j] = static_cast<Sample>(left[j] * FiniteOrZero(gain));
      outRight[j] = static_cast<Sample>(right[j] * FiniteOrZero(gain));
    }
    gain_ = gain;
  }

 private:
  static bool NearSilence(double value) { return value > -kSilence && value < kSilence; }

  double gain_ = 1.0;  // where every resume starts the glide
  double target_ = 0.0;
  double coefficient_ = 0.0;
};

// Two channels of noise in, two channels out, and the pointer arrays a host passes.
template <class Sample>
class StereoBlock {
 public:
  StereoBlock() : channels_(4, std::vector<Sample>(kBlock)) {
    std::mt19937 generator(7);
    std::uniform_real_distribution<double> noise(-1.0, 1.0);
    for (int c = 0; c < 2; ++c) {
      for (Sample& sample : channels_[static_cast<std::size_t>(c)]) sample = static_cast<Sample>(noise(generator));
    }
    for (std::size_t c = 0; c < 2; ++c) {
      inputs_[c] = channels_[c].data();
      outputs_[c] = channels_[2 + c].data();
    }
  }

  Sample** inputs() { return inputs_; }
  Sample** outputs() { return outputs_; }

 private:
  std::vector<std::vector<Sample>> channels_;
  Sample* inputs_[2] = {};
  Sample* outputs_[2] = {};
};

// The built plug-in, started and set as a host would, ready to process.
class FaderPlugin {
 public:
  FaderPlugin()
      : module_(ExecutableDirectory() + QUORVANTILE_PLUGIN_FILE_NAME),
        host_(kSampleRate, kBlock),
        plugin_(module_, host_) {
    plugin_.start(false);
    plugin_.setParameter(0, kLevel);
  }

  AEffect* record() { return const_cast<AEffect*>(&plugin_.record()); }

 private:
  PluginModule module_;
  RenderHost host_;
  HostedPlugin plugin_;
};

template <class Sample>
void ProcessThroughRecord(AEffect* effect, Sample** inputs, Sample** outputs, VstInt32 frames);

template <>
void ProcessThroughRecord<float>(AEffect* effect, float** inputs, float** outputs, VstInt32 frames) {
  effect->processReplacing(effect, inputs, outputs, frames);
}

template <>
void ProcessThroughRecord<double>(AEffect* effect, double** inputs, double** outputs, VstInt32 frames) {
  effect->processDoubleReplacing(effect, inputs, outputs, frames);
}

// Both sides from the same start, one block each: the outputs must agree bit for bit,
// or the comparison would not be of the same arithmetic.
template <class Sample>
bool SameArithmetic() {
  FaderPlugin plugin;
  PlainFader plain;
  StereoBlock<Sample> viaPlugin, viaLoop;
  ProcessThroughRecord(plugin.record(), viaPlugin.inputs(), viaPlugin.outputs(), kBlock);
  plain.process(viaLoop.inputs(), viaLoop.outputs(), kBlock);
  for (std::size_t c = 0; c < 2; ++c) {
    for (VstInt32 j = 0; j < kBlock; ++j) {
      if (viaPlugin.outputs()[c][j] != viaLoop.outputs()[c][j]) return false;
    }
  }
  return true;
}

template <class Sample>
void BM_PlugIn(benchmark::State& state) {
  if (!SameArithmetic<Sample>()) state.SkipWithError("the plain loop computes something else than the plug-in");
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

template <class Sample>
void BM_PlainLoop(benchmark::State& state) {
  PlainFader plain;
  StereoBlock<Sample> block;
  for (auto _ : state) {
    plain.process(block.inputs(), block.outputs(), kBlock);
    benchmark::DoNotOptimize(block.outputs()[1][kBlock - 1]);
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlock);
}

BENCHMARK_TEMPLATE(BM_PlugIn, float)->Name("processReplacing");
BENCHMARK_TEMPLATE(BM_PlainLoop, float)->Name("PlainLoop<float>");
BENCHMARK_TEMPLATE(BM_PlugIn, double)->Name("processDoubleReplacing");
BENCHMARK_TEMPLATE(BM_PlainLoop, double)->Name("PlainLoop<double>");

void PrintRatios(const BestTimes& best) {
  std::printf("\nplug-in through its effect record, best time per 512-frame block relative to the plain loop's "
              "best (goal: 1.3 or less)\n");
  for (const auto& [plugin, plain] : {std::pair<const char*, const char*>{"processReplacing", "PlainLoop<float>"},
                                      {"processDoubleReplacing", "PlainLoop<double>"}}) {
    const std::optional<double> ours = best.of(plugin), loop = best.of(plain);
    if (!ours || !loop) continue;
    std::printf("  %-22s %.2f  (%.0f vs %.0f million frames per second)\n", plugin, *ours / *loop,
                kBlock / *ours * 1e3, kBlock / *loop * 1e3);
  }
}

}  // namespace

int main(int argc, char** argv) { return RunComparison(argc, argv, PrintRatios); }
