#include "tests/analyser/analyser_fixture.h"

#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/plugin_instance.h"

namespace {

AEffect* CreateAnalyser(audioMasterCallback host) {
  CDorn* const plugin = CreatePluginObject(host, MakeCallbackTable(), CreateAnalyserScript());
  return plugin ? plugin->getAeffect() : nullptr;
}

TZepkinSpectrum& ScriptOf(AEffect* effect) {
  return *static_cast<TZepkinSpectrum*>(static_cast<CDorn*>(effect->object)->runtime);
}

}  // namespace

AnalyserTest::AnalyserTest() : instance(host.create(CreateAnalyser)), analyser(ScriptOf(instance.effect())) {}

void AnalyserTest::play(const std::vector<std::pair<double, double>>& sines, double seconds) {
  const auto frames = static_cast<std::size_t>(seconds * rate);
  std::vector<float> left(frames), right(frames);
  for (std::size_t j = 0; j < frames; ++j) {
    double value = 0.0;
    const double t = static_cast<double>(playedFrames + static_cast<std::int64_t>(j)) / rate;
    for (const auto& [amplitude, frequency] : sines) value += amplitude * std::sin(2.0 * 3.14159265358979323846 * frequency * t);
    left[j] = right[j] = static_cast<float>(value);
  }
  playedFrames += static_cast<std::int64_t>(frames);
  instance.process(left, right, 512);
}

double AnalyserTest::levelAt(double frequency) const {
  const SpectrumReading reading{analyser};
  const double spacing = reading.rate() / reading.size();
  return reading.level(static_cast<std::int32_t>(std::lround(frequency / spacing)), analyser.floorDb);
}
