#include <gtest/gtest.h>

#include <cmath>

#include "tests/support/noise.h"
#include "tests/support/test_host.h"

namespace {

constexpr double kSampleRate = 44100.0;

class Audio : public ::testing::Test {
 protected:
  Audio() : instance(create()) {}
  AEffect* create() { return host.createBuiltPlugin(); }

  TestHost host;
  PluginInstance instance;
};

// The per-sample coefficient of the glide for a fade time, as the fader defines it:
// time constant a fifth of the fade time, one pole.
double Coefficient(double fadeSeconds) {
  const double period = 1.0 / kSampleRate;
  return period / (0.2 * fadeSeconds + period);
}

TEST_F(Audio, FullLevelPassesAudioBitExactly) {
  instance.start();
  const std::vector<float> left = Noise<float>(5000, 1), right = Noise<float>(5000, 2);
  std::vector<float> outLeft = left, outRight = right;
  instance.process(outLeft, outRight, 300);
  EXPECT_EQ(outLeft, left);
  EXPECT_EQ(outRight, right);

  const std::vector<double> wideLeft = Noise<double>(5000, 3), wideRight = Noise<double>(5000, 4);
  std::vector<double> outWideLeft = wideLeft, outWideRight = wideRight;
  instance.process(outWideLeft, outWideRight, 300);
  EXPECT_EQ(outWideLeft, wideLeft);
  EXPECT_EQ(outWideRight, wideRight);
}

TEST_F(Audio, ThirtyTwoAndSixtyFourBitPathsAgree) {
  PluginInstance wide(create());
  for (PluginInstance* each : {&instance, &wide}) {
    each->start();
    each->setParameter(0, 0.5f);
    each->setParameter(1, 0.0f);
  }
  const std::vector<float> left = Noise<float>(20000, 5), right = Noise<float>(20000, 6);
  std::vector<float> narrowLeft = left, narrowRight = right;
  std::vector<double> wideLeft(left.begin(), left.end()), wideRight(right.begin(), right.end());
  instance.process(narrowLeft, narrowRight);
  wide.process(wideLeft, wideRight);
  for (std::size_t i = 0; i < left.size(); ++i) {
    ASSERT_EQ(narrowLeft[i], static_cast<float>(wideLeft[i])) << i;
    ASSERT_EQ(narrowRight[i], static_cast<float>(wideRight[i])) << i;
  }
}

TEST_F(Audio, BothChannelsGetTheSameGainInEveryFrame) {
  instance.start();
  instance.setParameter(0, 0.3f);
  instance.setParameter(1, 0.0f);
  std::vector<double> left(30000, 0.5), right(30000, -0.25);
  instance.process(left, right, 128);
  for (std::size_t i = 0; i < left.size(); ++i) ASSERT_EQ(left[i] / 0.5, right[i] / -0.25) << i;
}

TEST_F(Audio, GlideFromFullToSilenceFollowsTheFadeTime) {
  instance.start(44100.0f, 512);
  instance.setParameter(0, 0.0f);  // fade time stays at its default, 7.5 s
  std::vector<double> left(330750, 1.0), right(330750, 1.0);
  instance.process(left, right);
  const double k = 1.0 / 66151.0;
  EXPECT_NEAR(Coefficient(7.5), k, 1e-15);
  EXPECT_NEAR(left.back(), std::pow(1.0 - k, 330750.0), 1e-9);
  EXPECT_NEAR(left.back(), 0.006738, 1e-6);
}

TEST_F(Audio, GainSnapsToSilenceOnceTheGlideGetsCloseEnough) {
  instance.start(44100.0f, 512);
  instance.setParameter(1, 0.0f);  // 1 s
  instance.setParameter(0, 0.0f);
  std::vector<double> left(150000, 1.0), right(150000, 1.0);
  instance.process(left, right);
  const double k = Coefficient(1.0);
  // The gain after n frames is (1 - k)^n; it snaps to 0 on the first frame below 0.00001.
  const auto snapFrame = static_cast<std::size_t>(std::ceil(std::log(0.00001) / std::log(1.0 - k)));
  EXPECT_NEAR(static_cast<double>(snapFrame), 101550.0, 10.0);
  EXPECT_GT(left[snapFrame - 2], 0.0);
  for (std::size_t i = snapFrame; i < left.size(); ++i) ASSERT_EQ(left[i], 0.0) << i;
}

TEST_F(Audio, HalfLevelSettlesAtMinusFifteenPointSevenDecibels) {
  instance.start();
  instance.setParameter(1, 0.0f);
  instance.setParameter(0, 0.5f);
  std::vector<double> left(10 * 44100, 1.0), right(10 * 44100, 1.0);
  instance.process(left, right);
  EXPECT_NEAR(left.back(), 0.16428, 1e-5);
  EXPECT_NEAR(20.0 * std::log10(left.back()), -15.69, 0.01);
}

TEST_F(Audio, ZeroFramesStillRunTheBlockSection) {
  host.providesTimeInfo = true;
  instance.start();
  host.clearCalls();
  float* channels[2] = {nullptr, nullptr};
  float left = 0.0f, right = 0.0f;
  channels[0] = &left;
  channels[1] = &right;
  instance.effect()->processReplacing(instance.effect(), channels, channels, 0);
  EXPECT_GT(host.countOf(audioMasterGetTime), 0u);
}

}  // namespace
