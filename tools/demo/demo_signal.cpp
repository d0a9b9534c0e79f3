#include "tools/demo/demo_signal.h"

#include <cmath>

#include "tools/audio/audio_file.h"

namespace {
// Whole periods in every 10 ms, so that the levels of the demo's plot stay flat.
constexpr double kLeftHz = 200.0;
constexpr double kRightHz = 300.0;
constexpr double kTwoPi = 6.283185307179586;
}  // namespace

std::vector<double> DemoSignal() {
  const auto frames = static_cast<std::size_t>(kDemoSeconds * kDemoSampleRate);
  std::vector<double> signal(2 * frames);
  for (std::size_t j = 0; j < frames; ++j) {
    const double seconds = static_cast<double>(j) / kDemoSampleRate;
    signal[2 * j] = kDemoAmplitude * std::sin(kTwoPi * kLeftHz * seconds);
    signal[2 * j + 1] = kDemoAmplitude * std::sin(kTwoPi * kRightHz * seconds);
  }
  return signal;
}

void WriteDemoSignal(const std::string& path) {
  const std::vector<double> signal = DemoSignal();
  const auto frames = static_cast<std::int64_t>(signal.size() / 2);
  const std::unique_ptr<AudioWriter> writer = CreateAudioWriter(path, {2, kDemoSampleRate, frames, FloatWavFormat()});
  writer->write(signal.data(), signal.size() / 2);
  writer->finish();
}
