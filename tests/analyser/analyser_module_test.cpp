#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <vector>

#include "tests/support/noise.h"
#include "tests/support/test_host.h"
#include "tools/vst_host/plugin_library.h"

// The analyser's module, loaded as a host loads it: only its entry point and its
// effect record.

namespace {

class AnalyserModule : public ::testing::Test {
 protected:
  AnalyserModule() : library(ExecutableDirectory() + QUORVANTILE_ANALYSER_FILE_NAME) {}
  void SetUp() override {
    ASSERT_TRUE(library.loaded()) << library.loadError();
    effect = host.create(library.entryPoint("VSTPluginMain"));
    ASSERT_NE(effect, nullptr);
    instance.emplace(effect);
    instance->start(48000.0f, 4096);
  }
  // The state chunk: the marker, then the four slider values.
  static std::vector<unsigned char> Chunk(std::vector<float> values) {
    values.insert(values.begin(), -1000.0f);
    std::vector<unsigned char> bytes(values.size() * sizeof(float));
    std::memcpy(bytes.data(), values.data(), bytes.size());
    return bytes;
  }

  PluginLibrary library;
  TestHost host;
  AEffect* effect = nullptr;
  std::optional<PluginInstance> instance;
};

TEST_F(AnalyserModule, IsAStereoEffectOfItsOwnWithChunks) {
  EXPECT_EQ(instance->text(effGetEffectName), "Veltronika_Spectrum");
  EXPECT_EQ(instance->text(effGetVendorString), "Veltronika");
  EXPECT_NE(effect->uniqueID, 0);
  EXPECT_EQ(effect->numInputs, 2);
  EXPECT_EQ(effect->numOutputs, 2);
  EXPECT_TRUE(instance->hasFlag(effFlagsProgramChunks));
#ifdef _WIN32
  ERect* rect = nullptr;
  ASSERT_EQ(instance->dispatch(effEditGetRect, 0, 0, &rect), 1);
  EXPECT_EQ(rect->right - rect->left, 640);
  EXPECT_EQ(rect->bottom - rect->top, 320);
#else
  EXPECT_FALSE(instance->hasFlag(effFlagsHasEditor)) << "no drawing layer here";
#endif
}

TEST_F(AnalyserModule, ShowsItsParametersByNameAndValue) {
  const struct {
    VstInt32 index;
    const char* name;
    float value;
    const char* display;
  } parameters[] = {{0, "floor", 0.5f, "-75.00"},
                    {1, "averaging", 0.0f, "0.00"},
                    {2, "fft size", 1.0f, "8192"},
                    {2, "fft size", 0.0f, "1024"},
                    {3, "freeze", 1.0f, "on"}};
  EXPECT_EQ(instance->text(effGetParamDisplay, 2), "4096") << "the default size";
  EXPECT_EQ(instance->text(effGetParamDisplay, 3), "off");
  EXPECT_EQ(instance->text(effGetParamDisplay, 0), "-90.00");
  for (const auto& p : parameters) {
    EXPECT_EQ(instance->text(effGetParamName, p.index), p.name);
    instance->setParameter(p.index, p.value);
    EXPECT_EQ(instance->text(effGetParamDisplay, p.index), p.display) << p.name;
  }
  EXPECT_EQ(instance->text(effGetParamLabel, 0), "dB");
}

// The audio passes untouched, whatever the block and precision.
TEST_F(AnalyserModule, EveryOutputSampleIsItsInputBitForBit) {
  for (const std::size_t block : {1u, 7u, 512u, 4096u}) {
    std::vector<float> left = Noise<float>(9000, 3), right = Noise<float>(9000, 4);
    const std::vector<float> leftIn = left, rightIn = right;
    instance->process(left, right, block);
    EXPECT_EQ(left, leftIn) << block;
    EXPECT_EQ(right, rightIn) << block;
    std::vector<double> wideLeft = Noise<double>(9000, 5), wideRight = Noise<double>(9000, 6);
    wideLeft[10] = std::numeric_limits<double>::denorm_min();
    wideRight[20] = -0.0;
    const std::vector<double> wideLeftIn = wideLeft, wideRightIn = wideRight;
    instance->process(wideLeft, wideRight, block);
    EXPECT_EQ(0, std::memcmp(wideLeft.data(), wideLeftIn.data(), wideLeft.size() * sizeof(double))) << block;
    EXPECT_EQ(0, std::memcmp(wideRight.data(), wideRightIn.data(), wideRight.size() * sizeof(double))) << block;
  }
}

TEST_F(AnalyserModule, ARestoredChunkSetsEverySliderAndTellsTheHost) {
  host.clearCalls();
  instance->restore(Chunk({-60.0f, 0.5f, 0.0f, 1.0f}));
  EXPECT_EQ(instance->text(effGetParamDisplay, 0), "-60.00");
  EXPECT_EQ(instance->text(effGetParamDisplay, 1), "0.50");
  EXPECT_EQ(instance->text(effGetParamDisplay, 2), "1024");
  EXPECT_EQ(instance->text(effGetParamDisplay, 3), "on");
  EXPECT_GE(host.countOf(audioMasterUpdateDisplay), 1u);
  EXPECT_EQ(instance->chunk(), Chunk({-60.0f, 0.5f, 0.0f, 1.0f}));
}

TEST_F(AnalyserModule, HostileChunksChangeNothing) {
  instance->restore(Chunk({-60.0f, 0.5f, 1.0f, 0.0f}));
  const std::vector<unsigned char> before = instance->chunk();
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const std::vector<std::vector<unsigned char>> hostile = {
      {},
      {1, 2, 3},
      Chunk({-60.0f, 0.5f}),  // cut short: what is missing stays
      Chunk({nan, nan, nan, nan}),
      Chunk({-10.0f, 1.5f, 7.0f, 2.0f}),  // each outside its range
      Chunk({-200.0f, -0.5f, 2.5f, 0.5f}),
  };
  for (std::size_t c = 0; c < hostile.size(); ++c) {
    instance->restore(hostile[c]);
    EXPECT_EQ(instance->chunk(), before) << c;
  }
  std::vector<unsigned char> wrongMarker = before;
  wrongMarker[0] ^= 1;
  instance->restore(wrongMarker);
  EXPECT_EQ(instance->chunk(), before);
}

}  // namespace
