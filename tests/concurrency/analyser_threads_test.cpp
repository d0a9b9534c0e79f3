#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

#include "analyser/spectrum_reading.h"
#include "analyser/zepkin_spectrum.h"
#include "host/callback_entries.h"
#include "host/dorn.h"
#include "plugin/plugin_instance.h"
#include "tests/support/test_host.h"

// The analyser's two threads at once, as a host runs them: the audio thread processes
// (the block and sample sections publish spectra) while the user-interface thread runs
// the drawing section, which takes them. Under ThreadSanitizer, with no report.

namespace {

class PublishingScript final : public TZepkin {
 public:
  static constexpr std::int32_t kCells = 64;
  PublishingScript() {
    HandoffReserve(kCells);
    MemoryAt(0);
  }
  // Every cell of publication n holds n.
  void publish(double n) {
    double* const cells = MemoryAt(0);
    for (std::int32_t i = 0; i < kCells; ++i) cells[i] = n;
    HandoffPublish(0, kCells);
  }
};

TEST(HandoffThreads, TheReaderNeverSeesPartOfOnePublicationAndPartOfAnother) {
  PublishingScript script;
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int n = 1; n <= 20000; ++n) script.publish(n);
    done.store(true);
  });
  int torn = 0, taken = 0;
  double last = 0.0;
  while (!done.load() || script.HandoffReady()) {
    if (script.HandoffTake() == 0) continue;
    ++taken;
    const double n = script.HandoffValue(0);
    for (std::int32_t i = 1; i < PublishingScript::kCells; ++i) torn += script.HandoffValue(i) != n;
    EXPECT_GT(n, last) << "publications arrive in order";
    last = n;
  }
  writer.join();
  EXPECT_EQ(torn, 0);
  EXPECT_GT(taken, 0);
  EXPECT_EQ(last, 20000.0) << "the newest publication always arrives";
}

AEffect* CreateAnalyser(audioMasterCallback host) {
  CDorn* const plugin = CreatePluginObject(host, MakeCallbackTable(), CreateAnalyserScript());
  return plugin ? plugin->getAeffect() : nullptr;
}

TEST(AnalyserThreads, DrawingWhileProcessingSeesWholeSpectraOnly) {
  TestHost host;
  PluginInstance instance(host.create(CreateAnalyser));
  instance.start(48000.0f, 256);
  instance.setParameter(2, 0.0f);  // 1024: many spectra in little audio
  auto& analyser = *static_cast<TZepkinSpectrum*>(static_cast<CDorn*>(instance.effect()->object)->runtime);
  std::atomic<bool> done{false};
  std::thread audio([&] {
    std::vector<float> left(256), right(256);
    for (int block = 0; block < 2000; ++block) {
      for (std::size_t j = 0; j < left.size(); ++j) left[j] = right[j] = std::sin(0.05 * (block * 256 + j));
      instance.process(left, right, 256);
    }
    done.store(true);
  });
  int drawn = 0, broken = 0;
  while (!done.load()) {
    analyser.DoGfx();
    const SpectrumReading reading{analyser};
    if (reading.bins() <= 0) continue;
    ++drawn;
    broken += reading.bins() != reading.size() / 2 + 1;
    for (std::int32_t k = 0; k < reading.bins(); ++k) broken += !(reading.power(k) >= 0.0);
  }
  audio.join();
  EXPECT_GT(drawn, 0);
  EXPECT_EQ(broken, 0);
}

}  // namespace
