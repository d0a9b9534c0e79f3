#include <gtest/gtest.h>

#include <vector>

#include "tests/host/recording_script.h"

namespace {

// The first instance that processes fixes the channel count for the whole process:
// here three channels, which take the general path.
class ThreeChannels : public ::testing::Test {
 protected:
  ThreeChannels() { instance.start(); }
  TestHost host;
  RecordedPlugin recorded{host, 3};
  PluginInstance instance{recorded.effect};
};

TEST_F(ThreeChannels, EveryChannelIsReadBeforeAnyIsWrittenInPlace) {
  float a[2] = {1, 2}, b[2] = {10, 20}, c[2] = {100, 200};
  float* channels[3] = {a, b, c};
  recorded.effect->processReplacing(recorded.effect, channels, channels, 2);
  EXPECT_EQ(a[0], 10.0f);
  EXPECT_EQ(a[1], 20.0f);
  EXPECT_EQ(b[0], 2.0f);
  EXPECT_EQ(b[1], 4.0f);
  EXPECT_EQ(c[0], -100.0f);
  EXPECT_EQ(c[1], -200.0f);
  EXPECT_EQ(recorded.script->framesSeen, 2);
}

TEST_F(ThreeChannels, DoublePathTakesTheSameRoute) {
  double a[1] = {1}, b[1] = {10}, c[1] = {100};
  double* channels[3] = {a, b, c};
  recorded.effect->processDoubleReplacing(recorded.effect, channels, channels, 1);
  EXPECT_EQ(a[0], 10.0);
  EXPECT_EQ(b[0], 2.0);
  EXPECT_EQ(c[0], -100.0);
}

TEST_F(ThreeChannels, ALaterStereoInstanceKeepsTheCachedCount) {
  float a[1] = {1}, b[1] = {10}, c[1] = {100};
  float* channels[3] = {a, b, c};
  recorded.effect->processReplacing(recorded.effect, channels, channels, 1);
  RecordedPlugin stereo(host, 2);
  PluginInstance other(stereo.effect);
  other.start();
  float d[1] = {1}, e[1] = {10}, f[1] = {100};
  float* stereoChannels[3] = {d, e, f};
  stereo.effect->processReplacing(stereo.effect, stereoChannels, stereoChannels, 1);
  EXPECT_EQ(f[0], -100.0f) << "the third buffer is still processed";
}

}  // namespace
