#pragma once

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "runtime/finite_or_zero.h"
#include "tools/vst_host/hosted_plugin.h"

// What the process benchmarks compare, whichever program times it: the built plug-in,
// loaded as a host loads it, processes one 512-frame stereo block per call through its
// effect record. Beside it a plain loop computes exactly the same gain recurrence with
// the fader's checks on the same buffers, the practical limit for this arithmetic, and
// a bare recurrence without the checks, the floor.

namespace process_comparison {

constexpr double kSampleRate = 44100.0;
constexpr VstInt32 kBlock = 512;
constexpr float kLevel = 0.5f;        // the "target level" sent with setParameter
constexpr double kFadeSeconds = 7.5;  // the default "fade time"
// Below this magnitude the fader counts a gain as silence.
constexpr double kSilence = 0.00001;

// Keeps the compiler from dropping or merging the stores of one block with the next's.
inline void KeepMemory() { asm volatile("" : : : "memory"); }

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

  // With the checks of the fader's sample section on every frame.
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

  // The recurrence alone: what is left when no check can fire.
  template <class Sample>
  void processBare(Sample* const* inputs, Sample* const* outputs, VstInt32 frames) {
    const Sample* const left = inputs[0];
    const Sample* const right = inputs[1];
    Sample* const outLeft = outputs[0];
    Sample* const outRight = outputs[1];
    double gain = gain_;
    for (VstInt32 j = 0; j < frames; ++j) {
      gain = gain + (target_ - gain) * coefficient_;
      outLeft[j] = static_cast<Sample>(left[j] * gain);
      outRight[j] = static_cast<Sample>(right[j] * gain);
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
  Sample last() const { return outputs_[1][kBlock - 1]; }

 private:
  std::vector<std::vector<Sample>> channels_;
  Sample* inputs_[2] = {};
  Sample* outputs_[2] = {};
};

// The built plug-in, started and set as a host would, ready to process.
class FaderPlugin {
 public:
  FaderPlugin();

  AEffect* record() { return const_cast<AEffect*>(&plugin_.record()); }

 private:
  PluginModule module_;
  RenderHost host_;
  HostedPlugin plugin_;
};

inline void ProcessThroughRecord(AEffect* effect, float** inputs, float** outputs, VstInt32 frames) {
  effect->processReplacing(effect, inputs, outputs, frames);
}

inline void ProcessThroughRecord(AEffect* effect, double** inputs, double** outputs, VstInt32 frames) {
  effect->processDoubleReplacing(effect, inputs, outputs, frames);
}

// Whether the plug-in and both loops, from the same start, give the same outputs bit
// for bit over a few blocks; if not, the comparison would not be of the same arithmetic.
template <class Sample>
bool SameArithmetic();

// The names under which each program reports the cases.
struct CaseNames {
  const char* plugin;
  const char* plain;
  const char* bare;
};
constexpr CaseNames kFloatCases = {"processReplacing", "PlainLoop<float>", "BareRecurrence<float>"};
constexpr CaseNames kDoubleCases = {"processDoubleReplacing", "PlainLoop<double>", "BareRecurrence<double>"};

// The summary after the report: for each precision, the plug-in's best time per block
// relative to the plain loop's and to the bare recurrence's. `bestTime` answers a case's
// best time per block in nanoseconds, when it ran.
void PrintRatios(const std::function<std::optional<double>(const std::string&)>& bestTime);

}  // namespace process_comparison
