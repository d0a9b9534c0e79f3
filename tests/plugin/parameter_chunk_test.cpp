#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "tests/support/test_host.h"

namespace {

std::vector<unsigned char> FloatBytes(std::initializer_list<float> values) {
  std::vector<unsigned char> bytes(values.size() * sizeof(float));
  std::memcpy(bytes.data(), values.begin(), bytes.size());
  return bytes;
}

class Parameters : public ::testing::Test {
 protected:
  Parameters() : instance(create()) {}
  AEffect* create() { return host.createBuiltPlugin(); }

  TestHost host;
  PluginInstance instance;
};

TEST_F(Parameters, FreshInstanceDescribesTheFaderBeforeAnySectionRan) {
  EXPECT_EQ(instance.effect()->numParams, 2);
  EXPECT_EQ(instance.text(effGetParamName, 0), "target level");
  EXPECT_EQ(instance.text(effGetParamName, 1), "fade time");
  EXPECT_EQ(instance.text(effGetParamLabel, 0), "");
  EXPECT_EQ(instance.text(effGetParamLabel, 1), "s");
  EXPECT_EQ(instance.text(effGetVendorString), "Veltronika");
  EXPECT_EQ(instance.text(effGetProductString), "Veltronika_Quorvantile");
  EXPECT_EQ(instance.text(effGetEffectName), "Veltronika_Quorvantile");
  EXPECT_EQ(instance.dispatch(effGetVendorVersion), 1000);
  EXPECT_EQ(instance.parameter(0), 1.0f);
  EXPECT_FLOAT_EQ(instance.parameter(1), 0.65f);
  EXPECT_EQ(instance.text(effGetParamDisplay, 0), "1.00");
  EXPECT_EQ(instance.text(effGetParamDisplay, 1), "7.50");
}

TEST_F(Parameters, HostValuesSnapToTheSliderStepRoundingHalfUp) {
  instance.start();
  const struct {
    float hostValue;
    const char* display;
  } cases[] = {{0.333f, "0.33"}, {0.3349f, "0.33"}, {0.3351f, "0.34"}, {0.0f, "0.00"}, {1.0f, "1.00"}};
  for (const auto& c : cases) {
    instance.setParameter(0, c.hostValue);
    EXPECT_EQ(instance.text(effGetParamDisplay, 0), c.display) << c.hostValue;
  }
  instance.setParameter(0, 0.333f);
  EXPECT_NEAR(instance.parameter(0), 0.33f, 1e-7f);
  instance.setParameter(1, 0.2f);  // 1 s + 0.2 of 10 s
  EXPECT_EQ(instance.text(effGetParamDisplay, 1), "3.00");
  EXPECT_NEAR(instance.parameter(1), 0.2f, 1e-7f);
}

TEST_F(Parameters, IndicesOutsideTheSliderListReadZeroChangeNothingAndNameNothing) {
  for (VstInt32 index : {-1, 2, 100, std::numeric_limits<VstInt32>::max()}) {
    EXPECT_EQ(instance.parameter(index), 0.0f);
    instance.setParameter(index, 0.5f);
    EXPECT_EQ(instance.text(effGetParamName, index), "");
    EXPECT_EQ(instance.text(effGetParamLabel, index), "");
    EXPECT_EQ(instance.text(effGetParamDisplay, index), "");
  }
  EXPECT_EQ(instance.parameter(0), 1.0f);
  EXPECT_FLOAT_EQ(instance.parameter(1), 0.65f);
}

TEST_F(Parameters, DefaultChunkIsTheMarkerAndSixtyFourSliderValues) {
  instance.start(44100.0f, 512);
  std::vector<unsigned char> expected = {0x00, 0x00, 0x7A, 0xC4, 0x00, 0x00, 0x80, 0x3F, 0x00, 0x00, 0xF0, 0x40};
  expected.resize(260, 0x00);
  EXPECT_EQ(instance.chunk(), expected);
}

TEST_F(Parameters, DefaultChunkRestoresTheDefaultsIntoAFreshInstance) {
  instance.start();
  const std::vector<unsigned char> saved = instance.chunk();
  PluginInstance other(create());
  other.setParameter(0, 0.1f);
  other.setParameter(1, 0.9f);
  EXPECT_EQ(other.restore(saved), 260);
  EXPECT_EQ(other.parameter(0), 1.0f);
  EXPECT_FLOAT_EQ(other.parameter(1), 0.65f);
}

TEST_F(Parameters, SettingsSurviveASaveAndRestoreRoundTrip) {
  instance.start();
  instance.setParameter(0, 0.42f);
  instance.setParameter(1, 0.37f);
  const std::vector<unsigned char> saved = instance.chunk();
  ASSERT_EQ(saved.size(), 260u);

  PluginInstance restored(create());
  restored.start();
  EXPECT_EQ(restored.restore(saved), 260);
  // The chunk holds single-precision values, so a restored value may sit one float
  // step from the one that was set.
  for (VstInt32 index : {0, 1}) {
    EXPECT_NEAR(restored.parameter(index), instance.parameter(index), 1e-7f) << index;
    EXPECT_EQ(restored.text(effGetParamDisplay, index), instance.text(effGetParamDisplay, index)) << index;
  }
  EXPECT_EQ(restored.text(effGetParamDisplay, 0), "0.42");
  EXPECT_EQ(restored.text(effGetParamDisplay, 1), "4.70");
}

TEST_F(Parameters, AnInstanceRestoresFromTheChunkMemoryItHandedOut) {
  instance.start();
  instance.setParameter(0, 0.42f);
  void* data = nullptr;
  const VstIntPtr size = instance.dispatch(effGetChunk, 0, 0, &data);
  instance.setParameter(0, 0.9f);
  EXPECT_EQ(instance.dispatch(effSetChunk, 0, size, data), size);
  EXPECT_EQ(instance.text(effGetParamDisplay, 0), "0.42");
}

TEST_F(Parameters, ChunksWithoutTheMarkerChangeNothing) {
  instance.start();
  instance.setParameter(0, 0.3f);
  const std::vector<unsigned char> before = instance.chunk();
  const std::vector<std::vector<unsigned char>> rejected = {
      {}, {0x00}, {0x00, 0x00, 0x7A}, FloatBytes({-999.0f, 0.5f}), FloatBytes({std::nanf(""), 0.5f}),
      FloatBytes({1000.0f, 0.5f})};
  for (const auto& bytes : rejected) {
    EXPECT_EQ(instance.restore(bytes), static_cast<VstIntPtr>(bytes.size()));
    EXPECT_EQ(instance.chunk(), before);
  }
}

TEST_F(Parameters, NullChunkDataIsAnEmptyChunk) {
  instance.start();
  instance.setParameter(0, 0.3f);
  EXPECT_EQ(instance.dispatch(effSetChunk, 0, 260, nullptr), 260);
  EXPECT_EQ(instance.text(effGetParamDisplay, 0), "0.30");
}

TEST_F(Parameters, TrailingBytesAfterWholeFloatsAreIgnored) {
  instance.start();
  std::vector<unsigned char> bytes = FloatBytes({-1000.0f, 0.5f});
  bytes.insert(bytes.end(), {0x12, 0x34, 0x56});
  EXPECT_EQ(instance.restore(bytes), 11);
  EXPECT_EQ(instance.parameter(0), 0.5f);
  EXPECT_FLOAT_EQ(instance.parameter(1), 0.65f);  // not in the chunk: kept
}

TEST_F(Parameters, RestoredValuesAreTakenAsTheyCome) {
  instance.start();
  EXPECT_EQ(instance.restore(FloatBytes({-1000.0f, 1.5f, 20.0f})), 12);
  EXPECT_EQ(instance.parameter(0), 1.5f);
  EXPECT_EQ(instance.parameter(1), 1.9f);
  EXPECT_EQ(instance.text(effGetParamDisplay, 1), "20.00");
}

}  // namespace
